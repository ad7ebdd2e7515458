#pragma once
// A card slower than the sender, and what the process holds of a download
// meanwhile. Before each write of the downloaded file the card waits until
// the sender is held back (the system queues bytes for the process that it
// does not take) or the whole body came; then it notes the bytes of the body
// that the process took from its connections to the server and has not
// written yet: all that it holds of them, wherever in the process they lie.
// Counted by the system's own figures of each connection (the bytes it
// received less those still queued), so no buffer of the network code is
// asked for its size.
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QString>
#include <QThread>

#include <atomic>

#include <arpa/inet.h>
#include <dirent.h>
#include <linux/sockios.h>
#include <linux/tcp.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include "frame/klx_filecalls.h"
#include "update/update_server_rig.h"

// A program far larger than what a download may hold in memory.
inline QByteArray LargeProgram() {
  QByteArray program(32 << 20, Qt::Uninitialized);
  for (int i = 0; i < program.size(); ++i) program[i] = char((i * 7 + i / 4093) & 0xFF);
  return program;
}

// The most of a download the process may hold, whatever the sender's speed:
// the reply's buffer, as much again that Qt reads ahead of it, and a piece.
// A body without a length Qt reads in passes of all that the connection
// has queued in the system (its receive buffer, a few MB): that comes on
// top of it.
inline constexpr qint64 kHeldMost = 4 << 20;

class HeldDownload : public KLX_FileCalls {
 public:
  // Queued by the system for the process and not taken: the process reads
  // no more for now, and the sender waits.
  static constexpr qint64 kQueuedBytes = 32 * 1024;

  // The download of `body` bytes into a file named `name` (in whatever
  // folder). In use while it lives; made before the rig whose downloads it
  // serves, so that it outlives their threads.
  HeldDownload(const QString& name, qint64 body) : m_Name(name), m_Body(body) { KLX_FileCalls::Set(this); }
  ~HeldDownload() override { KLX_FileCalls::Set(nullptr); }
  HeldDownload(const HeldDownload&) = delete;
  HeldDownload& operator=(const HeldDownload&) = delete;

  // The server listens on the loopback's `port`; before the download.
  void Watch(int port) { m_Port = port; }
  // The most of the body the process held at a write; -1 when the card
  // waited in vain (a hang).
  qint64 MostHeld() const { return m_Hung ? -1 : qint64(m_MostHeld); }
  qint64 Written() const { return m_Written; }
  // The most the system held queued for the process at a write.
  qint64 MostQueued() const { return m_MostQueued; }
  // What is wrong with what the download held: empty when it held no more
  // than the bound (and, where Qt reads in passes of what the connection
  // queued, than that as well).
  QString HeldTooMuch(bool passes) const {
    if (MostHeld() < 0) return QStringLiteral("the card waited for the sender in vain");
    const qint64 most = kHeldMost + (passes ? MostQueued() : 0);
    if (MostHeld() <= most) return QString();
    return QStringLiteral("%1 bytes held, %2 queued at most").arg(MostHeld()).arg(MostQueued());
  }

  bool Write(int fd, const char* data, qint64 size) override {
    const QString path = QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd));
    if (QFileInfo(path).fileName() != m_Name) {
      // What the process took before the body's answer came.
      if (m_Written == 0) m_Before = Taken(Now(false));
      return KLX_FileCalls::Write(fd, data, size);
    }
    Flow now = Now(true);
    const auto goOn = [&] { return now.queued >= kQueuedBytes || now.ended || now.received - m_Before >= m_Body; };
    const QDeadlineTimer deadline(kOnlyAHangMs);
    while (!goOn() && !deadline.hasExpired()) {
      QThread::msleep(1);
      now = Now(true);
    }
    if (!goOn()) m_Hung = true;
    const qint64 held = Taken(now) - m_Before - m_Written;
    if (held > m_MostHeld) m_MostHeld = held;
    if (now.queued > m_MostQueued) m_MostQueued = now.queued;
    if (!KLX_FileCalls::Write(fd, data, size)) return false;
    m_Written += size;
    return true;
  }

 private:
  struct Flow {
    qint64 received = 0;
    qint64 queued = 0;
    // A connection of the body was closed by the server, or is gone: all
    // that the server sent on it came.
    bool ended = false;
  };
  // The state of a connection the other side closed (TCP_CLOSE_WAIT).
  static constexpr int kClosedByPeer = 8;
  static qint64 Taken(const Flow& flow) { return flow.received - flow.queued; }

  // The process's connections to the server, each read while no byte came
  // for it: what was received, and what of it still waits in the system.
  // One that closed counts with what it had received. At a write of the
  // `body` its connections are noted.
  Flow Now(bool body) {
    Flow flow;
    DIR* dir = ::opendir("/proc/self/fd");
    if (!dir) return flow;
    const int own = ::dirfd(dir);
    QSet<quint64> open;
    while (const dirent* entry = ::readdir(dir)) {
      bool number = false;
      const int fd = QByteArray(entry->d_name).toInt(&number);
      if (!number || fd == own) continue;
      sockaddr_in peer{};
      socklen_t length = sizeof peer;
      if (::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &length) != 0 || peer.sin_family != AF_INET ||
          ntohs(peer.sin_port) != m_Port)
        continue;
      struct stat socket {};
      if (::fstat(fd, &socket) != 0) continue;
      for (;;) {
        tcp_info before{};
        int queued = 0;
        if (!Info(fd, &before) || ::ioctl(fd, SIOCINQ, &queued) != 0) break;
        tcp_info after{};
        if (!Info(fd, &after)) break;
        if (after.tcpi_bytes_received != before.tcpi_bytes_received) continue;
        m_Received[quint64(socket.st_ino)] = qint64(before.tcpi_bytes_received);
        open.insert(quint64(socket.st_ino));
        flow.queued += queued;
        if (body && before.tcpi_state == kClosedByPeer) flow.ended = true;
        break;
      }
    }
    ::closedir(dir);
    for (const qint64 received : qAsConst(m_Received)) flow.received += received;
    if (body) {
      for (const quint64 seen : qAsConst(m_BodyConnections))
        if (!open.contains(seen)) flow.ended = true;
      m_BodyConnections += open;
    }
    return flow;
  }
  static bool Info(int fd, tcp_info* info) {
    socklen_t length = sizeof *info;
    return ::getsockopt(fd, IPPROTO_TCP, TCP_INFO, info, &length) == 0;
  }

  std::atomic<int> m_Port{0};
  const QString m_Name;
  const qint64 m_Body;
  // Used by the writing thread alone.
  QHash<quint64, qint64> m_Received;
  QSet<quint64> m_BodyConnections;
  qint64 m_Before = 0;
  std::atomic<qint64> m_Written{0};
  std::atomic<qint64> m_MostHeld{0};
  std::atomic<qint64> m_MostQueued{0};
  std::atomic<bool> m_Hung{false};
};
