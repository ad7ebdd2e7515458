// Desktop build: the bus is an AF_UNIX seqpacket server at "<root>/run/can0",
// served by the simulated controllers. The program's side is one end of a
// socketpair; a relay joins the other end to the server whenever the server
// is there, so that the program, like the board, keeps an open socket while
// the controllers restart or have not come up yet. Frames written while no
// controller listens are lost, as on a bus without nodes.
#include "platform/klx_cansocket.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace KLX_Platform {

namespace {

// Only whole frames of at most 8 data bytes cross the stand-in.
bool IsWholeFrame(const unsigned char* buf, ssize_t n) {
  return n == KLX_CAN_FRAME_SIZE && buf[4] <= KLX_CAN_MAX_DLC;
}

int ConnectTo(const std::string& path) {
  sockaddr_un addr;
  if (path.size() >= sizeof(addr.sun_path)) return -1;
  const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  std::memset(&addr, 0, sizeof(addr));
  addr.sun_family = AF_UNIX;
  std::memcpy(addr.sun_path, path.c_str(), path.size());
  if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

class Relay {
 public:
  Relay(int inner, std::string path) : m_Inner(inner), m_Path(std::move(path)) {}
  ~Relay() { Stop(); }
  bool Start() {
    try {
      m_Thread = std::thread([this] { Run(); });
    } catch (...) {
      return false;
    }
    return true;
  }
  void Stop() {
    m_Stop = true;
    if (m_Thread.joinable()) m_Thread.join();
    if (m_Inner >= 0) ::close(m_Inner);
    m_Inner = -1;
  }

 private:
  void Run() {
    using Clock = std::chrono::steady_clock;
    int server = -1;
    Clock::time_point lastTry;
    bool tried = false;
    unsigned char buf[64];
    while (!m_Stop) {
      if (server < 0 && (!tried || Clock::now() - lastTry >= std::chrono::milliseconds(100))) {
        tried = true;
        lastTry = Clock::now();
        server = ConnectTo(m_Path);
      }
      pollfd p[2] = {{m_Inner, POLLIN, 0}, {server, POLLIN, 0}};
      const int count = server >= 0 ? 2 : 1;
      if (::poll(p, count, 50) < 0) {
        if (errno == EINTR) continue;
        break;
      }
      if (p[0].revents & (POLLIN | POLLHUP | POLLERR)) {
        const ssize_t n = ::recv(m_Inner, buf, sizeof(buf), MSG_DONTWAIT);
        if (n == 0) break;  // the program closed its end
        if (n < 0 && errno != EAGAIN && errno != EINTR) break;
        if (server >= 0 && IsWholeFrame(buf, n) &&
            ::send(server, buf, KLX_CAN_FRAME_SIZE, MSG_NOSIGNAL) != KLX_CAN_FRAME_SIZE) {
          ::close(server);
          server = -1;
        }
      }
      if (count == 2 && (p[1].revents & (POLLIN | POLLHUP | POLLERR))) {
        const ssize_t n = ::recv(server, buf, sizeof(buf), MSG_DONTWAIT);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
          ::close(server);
          server = -1;
        } else if (IsWholeFrame(buf, n) &&
                   ::send(m_Inner, buf, KLX_CAN_FRAME_SIZE, MSG_NOSIGNAL) != KLX_CAN_FRAME_SIZE) {
          break;
        }
      }
    }
    if (server >= 0) ::close(server);
  }

  int m_Inner;
  std::string m_Path;
  std::atomic<bool> m_Stop{false};
  std::thread m_Thread;
};

std::mutex g_relaysMutex;
std::map<int, std::unique_ptr<Relay>>& Relays() {
  static std::map<int, std::unique_ptr<Relay>> relays;
  return relays;
}

}  // namespace

int CanOpen(const QString& standInPath, CanOpenStep* failed) {
  CanOpenStep dummy;
  if (!failed) failed = &dummy;
  *failed = CanOpenStep::Done;
  int fds[2];
  if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds) != 0) {
    *failed = CanOpenStep::Socket;
    return -1;
  }
  auto fail = [&](CanOpenStep step) {
    const int saved = errno;
    ::close(fds[0]);
    ::close(fds[1]);
    errno = saved;
    *failed = step;
    return -1;
  };
  int size = 0xC85000;
  if (::setsockopt(fds[0], SOL_SOCKET, SO_RCVBUF, &size, sizeof(size)) != 0)
    return fail(CanOpenStep::ReceiveBuffer);
  size = 0;
  if (::setsockopt(fds[0], SOL_SOCKET, SO_SNDBUF, &size, sizeof(size)) != 0)
    return fail(CanOpenStep::SendBuffer);
  // The stand-in's interface is the prepared board's run folder.
  if (standInPath.isEmpty() || !QFileInfo(QFileInfo(standInPath).absolutePath()).isDir()) {
    errno = ENODEV;
    return fail(CanOpenStep::Interface);
  }
  // A path the socket address cannot hold could never be joined.
  const std::string path = QFile::encodeName(standInPath).toStdString();
  if (path.size() >= sizeof(sockaddr_un::sun_path)) {
    errno = ENAMETOOLONG;
    return fail(CanOpenStep::Bind);
  }
  auto relay = std::make_unique<Relay>(fds[1], path);
  if (!relay->Start()) {
    ::close(fds[0]);
    *failed = CanOpenStep::Bind;
    return -1;  // the relay closes its own end
  }
  std::lock_guard<std::mutex> lock(g_relaysMutex);
  Relays()[fds[0]] = std::move(relay);
  return fds[0];
}

void CanClose(int fd) {
  if (fd < 0) return;
  std::unique_ptr<Relay> relay;
  {
    std::lock_guard<std::mutex> lock(g_relaysMutex);
    auto it = Relays().find(fd);
    if (it != Relays().end()) {
      relay = std::move(it->second);
      Relays().erase(it);
    }
  }
  // Wakes a read still blocked on this end before the number can be reused.
  ::shutdown(fd, SHUT_RDWR);
  ::close(fd);
  if (relay) relay->Stop();
}

ssize_t CanRead(int fd, KLX_CanFrame* frame) {
  // MSG_TRUNC gives the real size of a packet longer than a frame.
  const ssize_t n = ::recv(fd, frame, sizeof(*frame), MSG_TRUNC);
  if (n < 0) return n;
  if (n != KLX_CAN_FRAME_SIZE || frame->can_dlc > KLX_CAN_MAX_DLC) {
    errno = EBADMSG;
    return n == KLX_CAN_FRAME_SIZE ? -1 : n;
  }
  return n;
}

ssize_t CanWrite(int fd, const KLX_CanFrame& frame) {
  if (frame.can_dlc > KLX_CAN_MAX_DLC) {
    errno = EINVAL;
    return -1;
  }
  return ::send(fd, &frame, sizeof(frame), MSG_NOSIGNAL);
}

}  // namespace KLX_Platform
