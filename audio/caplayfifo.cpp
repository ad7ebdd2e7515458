#include "audio/caplayfifo.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

#include "frame/klx_debuglog.h"
#include "frame/klx_filenamehandler.h"
#include "platform/klx_audio.h"
#include "platform/klx_commandrunner.h"

QString exec(const QString& command) {
  return KLX_Platform::ShellFirstLine(command, KLX_Platform::PlayerEnvironment());
}

namespace {

// A fixed path of ours as one shell word; the board's paths need no quotes.
QString ShellWord(const QString& path) {
  static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9/._+-]+$"));
  if (plain.match(path).hasMatch()) return path;
  QString q = path;
  q.replace('\'', QStringLiteral("'\\''"));
  return '\'' + q + '\'';
}

// A write into a pipe whose reader has gone raises SIGPIPE; here the write
// itself reports it (EPIPE), whatever the process does with the signal.
class BlockSigpipe {
 public:
  BlockSigpipe() {
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    sigpending(&m_Pending);
    pthread_sigmask(SIG_BLOCK, &pipe, &m_Old);
  }
  ~BlockSigpipe() {
    // Take the signal this thread's write raised before unblocking it.
    if (!sigismember(&m_Pending, SIGPIPE)) {
      sigset_t pipe;
      sigemptyset(&pipe);
      sigaddset(&pipe, SIGPIPE);
      const timespec none{0, 0};
      while (sigtimedwait(&pipe, nullptr, &none) == SIGPIPE) {
      }
    }
    pthread_sigmask(SIG_SETMASK, &m_Old, nullptr);
  }

 private:
  sigset_t m_Old;
  sigset_t m_Pending;
};

// What /proc/<pid>/stat says of a process: its state, and the kernel's
// flag of a process in its exit (PF_EXITING), set before its files close.
enum class Process { Running, Ending, Zombie, Gone };
constexpr unsigned long kProcessExiting = 0x4;

Process ProcessState(const QString& processDir) {
  QFile stat(processDir + "/stat");
  if (!stat.open(QIODevice::ReadOnly)) return Process::Gone;
  const QByteArray text = stat.readAll();
  const int close = text.lastIndexOf(')');
  if (close < 0 || close + 2 >= text.size()) return Process::Gone;
  // After the name: state, ppid, pgrp, session, tty_nr, tpgid, flags, ...
  const QList<QByteArray> fields = text.mid(close + 2).split(' ');
  const QByteArray state = fields.value(0).left(1);
  if (state == "Z" || state == "X") return Process::Zombie;
  return fields.value(6).toULong() & kProcessExiting ? Process::Ending : Process::Running;
}

}  // namespace

CAplayFifo::CAplayFifo(const QString& fifoName, const QString& device, unsigned rate, Launcher launcher,
                       KLX_Clock* clock)
    : m_FifoName(KLX_FileNameHandler::KLX_FileNameHandlerMapPath(fifoName)),
      m_Launcher(launcher ? std::move(launcher) : Launcher(exec)),
      m_Clock(clock ? clock : &KLX_Clock::KLX_ClockSystem()) {
  const QString player = QStringLiteral("aplay -D %1 -t raw -f S16_LE -r %2").arg(device).arg(rate);
  m_CommandLine = QStringLiteral("%1 %2  & echo $!").arg(player, ShellWord(m_FifoName));
}

CAplayFifo::CAplayFifo(const CAplayFifo& other)
    : m_CommandLine(other.m_CommandLine),
      m_FifoName(other.m_FifoName),
      m_Launcher(other.m_Launcher),
      m_Clock(other.m_Clock) {}

CAplayFifo::~CAplayFifo() { Close(); }

pid_t CAplayFifo::PlayerPid() const {
  QMutexLocker lock(&m_Mutex);
  return m_Pid;
}

bool CAplayFifo::Restart() {
  QMutexLocker lock(&m_Mutex);
  return RestartLocked();
}

void CAplayFifo::Close() {
  QMutexLocker lock(&m_Mutex);
  CloseLocked();
}

void CAplayFifo::CloseLocked() {
  if (m_fOutput) {
    qCDebug(lcVornDebug, "CAplayFifo::Close() -> fclose(m_fOutput)");
    BlockSigpipe quiet;
    std::fclose(m_fOutput);
    m_fOutput = nullptr;
  }
  if (QFileInfo::exists(m_FifoName)) {
    qCDebug(lcVornDebug, "CAplayFifo::Close() -> QFile::remove(m_FifoName)");
    QFile::remove(m_FifoName);
  }
}

// The player counts as running while its process exists and has not begun
// to end. One that is ending may have closed its pipe end already, so that
// a write fails before /proc shows it dead; one that died but was not
// reaped (a zombie) keeps its /proc folder.
bool CAplayFifo::PlayerRunning() {
  ReapEnded();
  if (m_Pid <= 0) return false;
  switch (ProcessState(m_ProcessDir)) {
    case Process::Running:
      return true;
    case Process::Ending:
      // Reaped by a later look, once it is a zombie.
      if (std::find(m_Ending.begin(), m_Ending.end(), m_Pid) == m_Ending.end()) m_Ending.push_back(m_Pid);
      return false;
    case Process::Zombie:
      // Ours to reap when the program adopted it (a subreaper, or the first
      // process of a container); anyone else's reaps it themselves.
      ::waitpid(m_Pid, nullptr, WNOHANG);
      return false;
    case Process::Gone:
      break;
  }
  return false;
}

void CAplayFifo::ReapEnded() {
  // Kept while it is ours and still ending; gone once reaped or when it is
  // not ours to reap.
  m_Ending.erase(std::remove_if(m_Ending.begin(), m_Ending.end(),
                                [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; }),
                 m_Ending.end());
}

bool CAplayFifo::WriteBlock(const void* data, size_t length) {
  BlockSigpipe quiet;
  // The whole block goes out now: left in the stream's buffer, the end of a
  // click would wait for the next one.
  return std::fwrite(data, 1, length, m_fOutput) == length && std::fflush(m_fOutput) == 0;
}

// Opening a pipe for writing waits for its reader; this open does not.
int CAplayFifo::OpenWriterEnd(const QString& path, KLX_Clock& clock, int waitMs,
                              const std::function<bool()>& readerAlive) {
  const QByteArray name = QFile::encodeName(path);
  const qint64 deadline = clock.KLX_ClockNowMs() + waitMs;
  int fd = -1;
  while (true) {
    fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) break;
    if (errno != ENXIO && errno != EINTR) return -1;
    if (readerAlive && !readerAlive()) return -1;
    if (clock.KLX_ClockNowMs() >= deadline) {
      qDebug(">>> CAplayFifo: %s has no reader after %d ms", name.constData(), waitMs);
      return -1;
    }
    clock.KLX_ClockSleep(5);
  }
  // The reader paces the writes from here on.
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool CAplayFifo::OpenForWriting() {
  const int fd = OpenWriterEnd(m_FifoName, *m_Clock, kReaderWaitMs, [this] { return PlayerRunning(); });
  if (fd < 0) return false;
  m_fOutput = ::fdopen(fd, "w");
  if (!m_fOutput) ::close(fd);
  return m_fOutput;
}

bool CAplayFifo::RestartLocked() {
  qCDebug(lcVornDebug, ">>> CAplayFifo::Restart() %s", qPrintable(m_FifoName));
  CloseLocked();
  QDir().mkpath(QFileInfo(m_FifoName).absolutePath());
  if (::mkfifo(QFile::encodeName(m_FifoName).constData(), m_Mode) != 0) return false;
  qCDebug(lcVornDebug, ">>> APLAY_START: %s", qPrintable(m_CommandLine));
  const QString answer = m_Launcher(m_CommandLine).section('\n', 0, 0).trimmed();
  bool number = false;
  const long pid = answer.toLong(&number);
  m_Pid = number && pid > 0 ? pid_t(pid) : 0;
  m_ProcessDir = "/proc/" + answer;
  qCDebug(lcVornDebug, ">>> APLAY PROCESS: %s", qPrintable(m_ProcessDir));
  if (!PlayerRunning()) return false;
  return OpenForWriting();
}

bool CAplayFifo::Write(const void* data, size_t length) {
  QMutexLocker lock(&m_Mutex);
  if (!data || length == 0) {
    qDebug(">>> CAplayFifo::Write() %s error", qPrintable(m_FifoName));
    return false;
  }
  // An open stream is written at once (the speech pipe takes a block every
  // 50 ms of speech): a player that ended shows in the failed write, and
  // then a new one takes the block.
  if (!m_fOutput && !RestartLocked()) {
    qDebug(">>> CAplayFifo::Write() %s error 2 !", qPrintable(m_FifoName));
    return false;
  }
  bool written = WriteBlock(data, length);
  if (!written && !PlayerRunning()) {
    if (!RestartLocked()) {
      qDebug(">>> CAplayFifo::Write() %s error 2 !", qPrintable(m_FifoName));
      return false;
    }
    written = WriteBlock(data, length);
  }
  if (written) return true;
  qDebug(">>> CAplayFifo::Write() %s error 1 !", qPrintable(m_FifoName));
  CloseLocked();
  return false;
}
