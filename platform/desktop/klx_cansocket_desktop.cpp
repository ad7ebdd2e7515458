// Desktop build: the bus is an AF_UNIX seqpacket server at "<root>/run/can0",
// served by the simulated controllers. The program keeps one descriptor for
// the whole run, as it keeps its SocketCAN socket on the board: while the
// server is there the descriptor is a connection to it, so that frames go
// straight to the controllers; while it is not (before the controllers come
// up, or while they restart) it is one end of a quiet socketpair whose other
// end is drained, and frames written then are lost, as on a bus without
// nodes. A thread of the link switches between the two (dup2) and sleeps
// while the connection stands.
#include "platform/klx_cansocket.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
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

// Both ends of the program's descriptor use the board's socket sizes.
bool SetSizes(int fd) {
  int size = 0xC85000;
  if (::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof(size)) != 0) return false;
  size = 0;
  return ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &size, sizeof(size)) == 0;
}

class Link {
 public:
  Link(int program, int quiet, int drain, std::string path)
      : m_Program(program), m_Quiet(quiet), m_Drain(drain), m_Path(std::move(path)) {}
  ~Link() { Stop(); }
  bool Start() {
    if (::pipe2(m_Wake, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    try {
      m_Thread = std::thread([this] { Run(); });
    } catch (...) {
      return false;
    }
    return true;
  }
  // No switch of the descriptor after this: its number may be reused once closed.
  void Stop() {
    m_Stop = true;
    Poke();
    if (m_Thread.joinable()) m_Thread.join();
    for (int* fd : {&m_Quiet, &m_Drain, &m_Wake[0], &m_Wake[1]}) {
      if (*fd >= 0) ::close(*fd);
      *fd = -1;
    }
  }
  // Joins a listening server now; its caller holds the lock, or the thread
  // is not started yet.
  bool Connect() {
    const int server = ConnectTo(m_Path);
    if (server < 0) return false;
    if (SetSizes(server) && ::dup2(server, m_Program) >= 0) m_Connected = true;
    ::close(server);
    return m_Connected;
  }
  // The server went away under the program: back to the quiet end.
  void Lost() {
    {
      std::lock_guard<std::mutex> lock(m_Mutex);
      if (!m_Connected || m_Stop) return;
      ::dup2(m_Quiet, m_Program);
      m_Connected = false;
    }
    Poke();
  }

 private:
  void Poke() {
    if (m_Wake[1] < 0) return;
    const char c = 1;
    (void)!::write(m_Wake[1], &c, 1);
  }
  void Run() {
    using Clock = std::chrono::steady_clock;
    Clock::time_point lastTry = Clock::now() - std::chrono::seconds(1);
    unsigned char buf[64];
    while (!m_Stop) {
      bool connected;
      {
        std::lock_guard<std::mutex> lock(m_Mutex);
        if (!m_Connected && Clock::now() - lastTry >= std::chrono::milliseconds(100)) {
          lastTry = Clock::now();
          Connect();
        }
        connected = m_Connected;
      }
      // Connected: asleep until the server hangs up. Otherwise the frames
      // written meanwhile are drained, and the server is tried again.
      pollfd p[2] = {{m_Wake[0], POLLIN, 0}, {connected ? m_Program : m_Drain, short(connected ? POLLRDHUP : POLLIN), 0}};
      if (::poll(p, 2, connected ? -1 : 100) < 0) {
        if (errno == EINTR) continue;
        break;
      }
      if (p[0].revents & POLLIN) {
        while (::read(m_Wake[0], buf, sizeof(buf)) > 0) {
        }
        continue;
      }
      if (connected && (p[1].revents & (POLLRDHUP | POLLHUP | POLLERR))) Lost();
      if (!connected && (p[1].revents & POLLIN))
        while (::recv(m_Drain, buf, sizeof(buf), MSG_DONTWAIT) > 0) {
        }
    }
  }

  const int m_Program;
  int m_Quiet;
  int m_Drain;
  const std::string m_Path;
  int m_Wake[2] = {-1, -1};
  std::mutex m_Mutex;
  bool m_Connected = false;
  std::atomic<bool> m_Stop{false};
  std::thread m_Thread;
};

std::mutex g_linksMutex;
std::map<int, std::unique_ptr<Link>>& Links() {
  static std::map<int, std::unique_ptr<Link>> links;
  return links;
}

// The server of a descriptor of CanOpen went away: frames are lost from now on.
bool LostServer(int fd) {
  std::lock_guard<std::mutex> lock(g_linksMutex);
  auto it = Links().find(fd);
  if (it == Links().end()) return false;
  it->second->Lost();
  return true;
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
  // The quiet end the descriptor returns to while no server is there.
  const int quiet = ::fcntl(fds[0], F_DUPFD_CLOEXEC, 0);
  if (quiet < 0) return fail(CanOpenStep::Socket);
  auto link = std::make_unique<Link>(fds[0], quiet, fds[1], path);
  // A server already listening is joined before the descriptor is handed
  // out: the first frames of a start (message 246 right after the threads
  // come up) must not depend on when the link's thread first runs.
  link->Connect();
  if (!link->Start()) {
    link->Stop();  // closes the quiet and drained ends
    ::close(fds[0]);
    *failed = CanOpenStep::Bind;
    return -1;
  }
  std::lock_guard<std::mutex> lock(g_linksMutex);
  Links()[fds[0]] = std::move(link);
  return fds[0];
}

void CanClose(int fd) {
  if (fd < 0) return;
  std::unique_ptr<Link> link;
  {
    std::lock_guard<std::mutex> lock(g_linksMutex);
    auto it = Links().find(fd);
    if (it != Links().end()) {
      link = std::move(it->second);
      Links().erase(it);
    }
  }
  // The descriptor is switched no more before its number can be reused.
  if (link) link->Stop();
  // Wakes a read still blocked on this end.
  ::shutdown(fd, SHUT_RDWR);
  ::close(fd);
}

ssize_t CanRead(int fd, KLX_CanFrame* frame) {
  // MSG_TRUNC gives the real size of a packet longer than a frame.
  const ssize_t n = ::recv(fd, frame, sizeof(*frame), MSG_TRUNC);
  if (n == 0 && LostServer(fd)) {
    // The controllers went away: nothing to read until they are back.
    errno = EAGAIN;
    return -1;
  }
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
  const ssize_t n = ::send(fd, &frame, sizeof(frame), MSG_NOSIGNAL);
  // A frame for controllers that went away is lost, as on a bus without nodes.
  if (n < 0 && (errno == EPIPE || errno == ECONNRESET || errno == ENOTCONN) && LostServer(fd))
    return KLX_CAN_FRAME_SIZE;
  return n;
}

}  // namespace KLX_Platform
