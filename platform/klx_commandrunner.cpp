#include "platform/klx_commandrunner.h"
#include "platform/klx_platform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QSet>

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

int Run(const QString& program, const QStringList& args, QByteArray* output) {
  if (!IsBoard() && ChangesHost(program)) {
    RecordCommand((QStringList{program} + args).join(' '));
    return 0;
  }
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, args);
  if (!p.waitForStarted(5000)) return -1;
  p.waitForFinished(-1);
  if (output) *output = p.readAll();
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

}  // namespace KLX_Platform
