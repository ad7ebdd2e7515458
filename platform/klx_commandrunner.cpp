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
  std::vector<QByteArray> env;
  for (char** e = environ; *e; ++e) env.emplace_back(*e);
  for (const QString& add : environment) {
    const QByteArray entry = add.toLocal8Bit();
    const QByteArray name = entry.left(entry.indexOf('=') + 1);
    env.erase(std::remove_if(env.begin(), env.end(), [&](const QByteArray& e) { return e.startsWith(name); }),
              env.end());
    env.push_back(entry);
  }
  std::vector<char*> envp;
  for (QByteArray& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
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
  const int spawned = posix_spawn(&shell, sh, &actions, nullptr, argv, envp.data());
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

}  // namespace KLX_Platform
