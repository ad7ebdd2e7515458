// The command runner: whatever it starts reads nothing and has no terminal
// to ask on; a run that outlives its time limit is killed with everything
// it started, and the caller learns it; output and working folder as asked.
#include <QtTest>

#include "platform/klx_commandrunner.h"
#include "vorn_testroot.h"

#include <unistd.h>

namespace {
enum Way { ByRun, ByRunFor, BySystem, ByShellLine, ByStoppable, ByWatched, ByLimited, ByDetached };

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// `script` (a file) with `argument`, started the given way, given `limitMs`;
// what the run answered: the exit code, for a shell line 0 with a line and
// -1 without.
int RunScript(Way way, const QString& script, const QString& argument, int limitMs) {
  const QString line = QStringLiteral("exec sh '%1' '%2'").arg(script, argument);
  switch (way) {
    case ByRun: return KLX_Platform::Run("sh", {script, argument}, limitMs);
    case ByRunFor: return KLX_Platform::RunFor("sh", {script, argument}, limitMs);
    case BySystem: return KLX_Platform::System(line, limitMs);
    case ByShellLine: return KLX_Platform::ShellFirstLine(line, {}, limitMs).isEmpty() ? -1 : 0;
    case ByStoppable: {
      KLX_Platform::KLX_StoppableRun run;
      return run.Run("sh", {script, argument}, {}, nullptr, limitMs);
    }
    case ByWatched: return KLX_Platform::RunWatched("sh", {script, argument}, limitMs, [] { return true; });
    case ByLimited: {
      KLX_Platform::RunOptions options;
      options.fileSizeLimit = 1 << 20;
      return KLX_Platform::RunWatched("sh", {script, argument}, limitMs, [] { return true; }, options);
    }
    case ByDetached: return KLX_Platform::StartDetached("sh", {script, argument}) ? 0 : -1;
  }
  return -2;
}

// Ended: no such process, or one that only waits to be reaped.
bool Gone(qint64 pid) {
  const QByteArray stat = Read(QStringLiteral("/proc/%1/stat").arg(pid));
  return stat.isEmpty() || stat.mid(stat.lastIndexOf(')') + 2, 1) == "Z";
}
}  // namespace

class TestCommandRunner : public QObject {
  Q_OBJECT

 private slots:
  void init() { m_Root.reset(new VornTestRoot); }
  void cleanup() { m_Root.reset(); }

  void aStartedProgramReadsNothingAndHasNoTerminal_data() { WayRows(true); }
  void aStartedProgramReadsNothingAndHasNoTerminal() {
    QFETCH(int, way);
    const QString script = m_Root->Path() + "/probe.sh";
    const QString answer = m_Root->Path() + "/answer";
    // Its input, its session and its controlling terminal (0: none).
    QVERIFY(Write(script,
                  "read -r pid comm state ppid pgrp session tty rest < /proc/$$/stat\n"
                  "echo \"$(readlink /proc/$$/fd/0) $session $tty\" > \"$1.part\"\n"
                  "mv \"$1.part\" \"$1\"\necho done\n"));
    QCOMPARE(RunScript(Way(way), script, answer, 10000), 0);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(answer), 10000);
    const QList<QByteArray> seen = Read(answer).trimmed().split(' ');
    QCOMPARE(seen.size(), 3);
    QCOMPARE(seen[0], QByteArray("/dev/null"));
    QVERIFY2(seen[1].toLongLong() != qint64(getsid(0)), seen[1].constData());
    QCOMPARE(seen[2], QByteArray("0"));
  }

  // A run that does not end in time (a shell waiting for what it started
  // in the background) is killed with what it started, and answers -1.
  // The limit doubles until the shell has come as far as starting it.
  void aRunOutOfTimeIsKilledWithWhatItStarted_data() { WayRows(false); }
  void aRunOutOfTimeIsKilledWithWhatItStarted() {
    QFETCH(int, way);
    const QString script = m_Root->Path() + "/wait.sh";
    const QString pids = m_Root->Path() + "/pids";
    QVERIFY(Write(script, "sleep 600 &\necho \"$$ $!\" > \"$1.part\"\nmv \"$1.part\" \"$1\"\nwait\n"));
    QList<QByteArray> started;
    for (int limit = 300; started.size() != 2; limit *= 2) {
      QVERIFY2(limit <= 38400, "the shell never started its child");
      QFile::remove(pids);
      QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("sh did not end within %1 ms: killed$").arg(limit)));
      QCOMPARE(RunScript(Way(way), script, pids, limit), -1);
      started = Read(pids).split(' ');
    }
    for (const QByteArray& pid : started) QTRY_VERIFY_WITH_TIMEOUT(Gone(pid.trimmed().toLongLong()), 10000);
  }

  // A watch that sees the work go wrong ends the run at once, with what it
  // started, long before its time limit.
  void aWatchEndsTheRunWithWhatItStarted() {
    const QString script = m_Root->Path() + "/wait.sh";
    const QString pids = m_Root->Path() + "/pids";
    QVERIFY(Write(script, "sleep 600 &\necho \"$$ $!\" > \"$1.part\"\nmv \"$1.part\" \"$1\"\nwait\n"));
    QTest::ignoreMessage(QtWarningMsg, "sh was ended by its watch");
    QElapsedTimer took;
    took.start();
    QCOMPARE(KLX_Platform::RunWatched("sh", {script, pids}, 600000, [&] { return !QFileInfo::exists(pids); }), -1);
    QVERIFY2(took.elapsed() < 300000, "the watch was not heard");
    for (const QByteArray& pid : Read(pids).split(' ')) QTRY_VERIFY_WITH_TIMEOUT(Gone(pid.trimmed().toLongLong()), 10000);
  }

  void whatARunPrintsAndWhereItRuns() {
    QByteArray out;
    QCOMPARE(KLX_Platform::Run("sh", {"-c", "echo out; echo err >&2; exit 3"}, 10000, &out), 3);
    QCOMPARE(out, QByteArray("out\nerr\n"));
    QCOMPARE(KLX_Platform::RunFor("sh", {"-c", "echo out; echo err >&2; exit 3"}, 10000, &out), 3);
    QCOMPARE(out, QByteArray("out\n"));
    // More than a pipe holds, read while it runs.
    QCOMPARE(KLX_Platform::Run("sh", {"-c", "head -c 300000 /dev/zero | tr '\\0' x"}, 10000, &out), 0);
    QCOMPARE(out, QByteArray(300000, 'x'));
    // A board folder lies under the desktop's root.
    QVERIFY(QDir().mkpath(m_Root->Path() + "/sub"));
    QCOMPARE(KLX_Platform::Run("pwd", {}, 10000, &out, {"PWD="}, "/sub"), 0);
    QCOMPARE(out, QFile::encodeName(QFileInfo(m_Root->Path() + "/sub").canonicalFilePath()) + "\n");
    QCOMPARE(KLX_Platform::Run("no-such-program-here", {}, 10000, &out), -1);
    QCOMPARE(KLX_Platform::ShellFirstLine("echo \"$WORD\"; echo second", {"WORD=x"}), QString("x"));
  }

 private:
  // A row for each way to start a program; the detached one is not waited for.
  static void WayRows(bool detached) {
    QTest::addColumn<int>("way");
    QTest::newRow("Run") << int(ByRun);
    QTest::newRow("RunFor") << int(ByRunFor);
    QTest::newRow("System") << int(BySystem);
    QTest::newRow("ShellFirstLine") << int(ByShellLine);
    QTest::newRow("a stoppable run") << int(ByStoppable);
    QTest::newRow("a watched run") << int(ByWatched);
    QTest::newRow("a watched run with a file-size limit") << int(ByLimited);
    if (detached) QTest::newRow("StartDetached") << int(ByDetached);
  }
  static bool Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
  }

  std::unique_ptr<VornTestRoot> m_Root;
};

QTEST_GUILESS_MAIN(TestCommandRunner)
#include "tst_commandrunner.moc"
