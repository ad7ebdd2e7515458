#include "platform/klx_commandrunner.h"
#include "platform/klx_network.h"
#include "platform/klx_platform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QSet>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

extern char** environ;

namespace KLX_Platform {

namespace {
QMutex g_logMutex;

// The program's environment with `additions` ("NAME=value") put in, as
// posix_spawn takes it.
class SpawnEnvironment {
 public:
  explicit SpawnEnvironment(const QStringList& additions) {
    for (char** e = environ; *e; ++e) m_Entries.emplace_back(*e);
    for (const QString& add : additions) {
      const QByteArray entry = add.toLocal8Bit();
      const QByteArray name = entry.left(entry.indexOf('=') + 1);
      m_Entries.erase(std::remove_if(m_Entries.begin(), m_Entries.end(),
                                     [&](const QByteArray& e) { return e.startsWith(name); }),
                      m_Entries.end());
      m_Entries.push_back(entry);
    }
    for (QByteArray& e : m_Entries) m_Pointers.push_back(e.data());
    m_Pointers.push_back(nullptr);
  }
  char** Pointers() { return m_Pointers.data(); }

 private:
  std::vector<QByteArray> m_Entries;
  std::vector<char*> m_Pointers;
};

QString FirstWord(const QString& line) {
  const QString t = line.trimmed();
  const int end = t.indexOf(QRegExp("[\\s&;|]"));
  return end < 0 ? t : t.left(end);
}
}  // namespace

bool ChangesHost(const QString& program) {
  static const QSet<QString> hostChanging = {
      "sync", "poweroff", "reboot", "halt", "umount", "umount2", "mount", "date", "hwclock",
      "ifconfig", "wpa_supplicant", "udhcpc", "iw", "route", "killall", "ip", "rfkill"};
  const QString name = program.section('/', -1);
  return hostChanging.contains(name);
}

void RecordCommand(const QString& line) {
  QMutexLocker lock(&g_logMutex);
  const QString dir = Root() + "/run";
  QDir().mkpath(dir);
  QFile f(dir + "/commands.log");
  if (f.open(QIODevice::Append | QIODevice::Text)) {
    // The local time to the millisecond, a tab, the command: a reader who
    // wants the commands alone cuts at the first tab.
    f.write(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")).toUtf8());
    f.write("\t");
    f.write(line.toUtf8());
    f.write("\n");
  }
}

int System(const QString& commandLine) {
  if (!IsBoard() && ChangesHost(FirstWord(commandLine))) {
    RecordCommand(commandLine);
    return 0;
  }
  QProcess p;
  p.start("/bin/sh", {"-c", commandLine});
  if (!p.waitForStarted(5000)) return -1;
  if (commandLine.trimmed().endsWith('&')) {
    p.waitForFinished(5000);
    return 0;
  }
  p.waitForFinished(-1);
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QString ShellFirstLine(const QString& commandLine, const QStringList& environment) {
  if (!IsBoard() && ChangesHost(FirstWord(commandLine))) {
    RecordCommand(commandLine);
    return QString();
  }
  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) return QString();
  SpawnEnvironment env(environment);
  QByteArray line = commandLine.toLocal8Bit();
  char sh[] = "/bin/sh";
  char dashC[] = "-c";
  char* argv[] = {sh, dashC, line.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
  // What the shell starts in the background outlives this call: it keeps
  // none of the program's descriptors (another pipe's write end would keep
  // that pipe's player from ever reading its end).
  posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
#endif
  pid_t shell = -1;
  const int spawned = posix_spawn(&shell, sh, &actions, nullptr, argv, env.Pointers());
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  QByteArray text;
  if (spawned == 0) {
    // One line: what the shell started in the background keeps the pipe
    // open, so reading on to the end would wait for it.
    char c;
    while (text.size() < 127) {
      const ssize_t n = ::read(out[0], &c, 1);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0 || c == '\n') break;
      text.append(c);
    }
  }
  ::close(out[0]);
  if (spawned == 0) {
    while (::waitpid(shell, nullptr, 0) < 0 && errno == EINTR) {
    }
  }
  return QString::fromLocal8Bit(text);
}

int Run(const QString& program, const QStringList& args, QByteArray* output, const QStringList& environment,
        const QString& workingDirectory) {
  if (!IsBoard() && ChangesHost(program)) {
    RecordCommand((QStringList{program} + args).join(' '));
    return 0;
  }
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  if (!environment.isEmpty()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& e : environment) env.insert(e.section('=', 0, 0), e.section('=', 1));
    p.setProcessEnvironment(env);
  }
  if (!workingDirectory.isEmpty()) p.setWorkingDirectory(Root() + workingDirectory);
  p.start(program, args);
  if (!p.waitForStarted(5000)) return -1;
  p.waitForFinished(-1);
  if (output) *output = p.readAll();
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

int RunFor(const QString& program, const QStringList& args, int timeoutMs, QByteArray* standardOutput) {
  if (!IsBoard() && ChangesHost(program)) {
    RecordCommand((QStringList{program} + args).join(' '));
    return RecordedCommandAnswer(program, args, standardOutput);
  }
  QProcess p;
  p.setProcessChannelMode(QProcess::SeparateChannels);
  p.setStandardErrorFile(QProcess::nullDevice());
  p.start(program, args);
  if (!p.waitForStarted(timeoutMs)) return -1;
  const bool ended = p.waitForFinished(timeoutMs);
  if (standardOutput) *standardOutput = p.readAllStandardOutput();
  if (!ended) {
    p.kill();
    p.waitForFinished(1000);
    return -1;
  }
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool StartDetached(const QString& program, const QStringList& args) {
  if (!IsBoard() && ChangesHost(program)) {
    RecordCommand((QStringList{program} + args).join(' ') + QStringLiteral(" &"));
    RecordedCommandAnswer(program, args, nullptr);
    return true;
  }
  return QProcess::startDetached(program, args);
}

// ---- A run another thread may end ----

int KLX_StoppableRun::Run(const QString& program, const QStringList& args, const QStringList& environment,
                          const std::function<bool()>& cancelled) {
  QByteArray path = program.toLocal8Bit();
  std::vector<QByteArray> words{path};
  for (const QString& a : args) words.push_back(a.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  SpawnEnvironment env(environment);
  pid_t pid = -1;
  {
    // The check and the start are one step for Stop: a stop is either seen
    // here or finds the process to end.
    QMutexLocker lock(&m_Mutex);
    if (cancelled && cancelled()) return -1;
    // What it prints goes nowhere, as with Run without an output.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
#endif
    // The caller's thread may block signals (the audio thread blocks
    // SIGPIPE); the program starts with none blocked.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    const int spawned = posix_spawnp(&pid, path.constData(), &actions, &attributes, argv.data(), env.Pointers());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    m_Pid = pid;
  }
  // Waited for without reaping: until the pid is let go below, Stop can
  // only ever signal this process.
  siginfo_t info{};
  while (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
  }
  bool stopped;
  {
    QMutexLocker lock(&m_Mutex);
    m_Pid = 0;
    stopped = m_Stopped;
    m_Stopped = false;
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return !stopped && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void KLX_StoppableRun::Stop() {
  QMutexLocker lock(&m_Mutex);
  if (m_Pid <= 0) return;
  m_Stopped = true;
  ::kill(m_Pid, SIGTERM);
}

}  // namespace KLX_Platform
