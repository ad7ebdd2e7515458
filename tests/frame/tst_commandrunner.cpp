// The command runner: whatever it starts reads nothing and has no terminal
// to ask on; a run that outlives its time limit is killed with everything
// it started, and the caller learns it; output and working folder as asked.
#include <QtTest>

#include "platform/klx_commandrunner.h"
#include "vorn_testroot.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

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

// A process the test adopted (it is their subreaper) that still runs the
// test's own image and has no child: a detached tool whose parent ended
// before the tool's program ran. (The parent too runs the test's image, a
// child of the test with the tool as its child.) Its pid, or -1.
pid_t AdoptedToolBeforeItsProgram() {
  const QString self = QFileInfo("/proc/self/exe").symLinkTarget();
  const QByteArray me = QByteArray::number(::getpid());
  QList<QByteArray> parents;
  QList<QPair<QString, QByteArray>> ours;  // pid, state
  for (const QString& pid : QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs)) {
    const QByteArray stat = Read("/proc/" + pid + "/stat");
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 2) continue;
    parents << fields.at(1);
    if (fields.at(1) == me) ours.append({pid, fields.at(0)});
  }
  for (const auto& [pid, state] : ours)
    if (state != "Z" && !parents.contains(pid.toLatin1()) && QFileInfo("/proc/" + pid + "/exe").symLinkTarget() == self)
      return pid.toInt();
  return -1;
}

int OpenDescriptors() { return int(QDir("/proc/self/fd").entryList(QDir::Files | QDir::System).size()); }

// A field of /proc/self/status in KiB.
qint64 StatusKiB(const char* field) {
  for (const QByteArray& line : Read("/proc/self/status").split('\n'))
    if (line.startsWith(field)) return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
  return -1;
}

// The exit code of `work` run in a child of the test.
int InChild(const std::function<int()>& work) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(work());
  int status = 0;
  while (child > 0 && ::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return child > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// `words` by a plain fork, exec and wait, in a session of its own as the
// runner starts it; true when it ended with 0.
bool ForkExecWait(const QStringList& words) {
  std::vector<QByteArray> bytes;
  for (const QString& w : words) bytes.push_back(w.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& b : bytes) argv.push_back(b.data());
  argv.push_back(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    const int null = ::open("/dev/null", O_RDWR);
    if (::setsid() < 0 || null < 0 || ::dup2(null, 0) < 0 || ::dup2(null, 1) < 0 || ::dup2(null, 2) < 0) ::_exit(126);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  while (child > 0 && ::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// How often the calling thread has slept (given up its processor).
qint64 Sleeps() {
  for (const QByteArray& line : Read("/proc/thread-self/status").split('\n'))
    if (line.startsWith("voluntary_ctxt_switches:")) return line.mid(24).trimmed().toLongLong();
  return -1;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
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
    QCOMPARE(RunScript(Way(way), script, answer, kVornHangMs), 0);
    QTRY_VERIFY(QFileInfo::exists(answer));
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
    for (const QByteArray& pid : started) QTRY_VERIFY(Gone(pid.trimmed().toLongLong()));
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
    for (const QByteArray& pid : Read(pids).split(' ')) QTRY_VERIFY(Gone(pid.trimmed().toLongLong()));
  }

  // Whatever way a program starts, it gets the standard three descriptors
  // and none of the program's others, also one opened without
  // close-on-exec. `ls` lists its own: those three and the folder it reads.
  void aStartedProgramGetsOnlyTheStandardDescriptors_data() { WayRows(true); }
  void aStartedProgramGetsOnlyTheStandardDescriptors() {
    QFETCH(int, way);
    const QString script = m_Root->Path() + "/descriptors.sh";
    const QString answer = m_Root->Path() + "/answer";
    QVERIFY(Write(script, "ls /proc/self/fd > \"$1.part\"\nmv \"$1.part\" \"$1\"\necho done\n"));
    const int open = ::open(qPrintable(m_Root->Path() + "/open"), O_WRONLY | O_CREAT, 0600);
    QVERIFY(open >= 0);
    const int inherited = ::fcntl(open, F_DUPFD, 40);
    ::close(open);
    QVERIFY(inherited >= 40);
    const int result = RunScript(Way(way), script, answer, kVornHangMs);
    ::close(inherited);
    QCOMPARE(result, 0);
    QTRY_VERIFY(QFileInfo::exists(answer));
    QCOMPARE(Read(answer), QByteArray("0\n1\n2\n3\n"));
  }

  // A tool that closes its output and ends a moment later, or ends at once
  // after much output: its whole output and its exit code, whether its end
  // is seen through a process descriptor or looked for in steps.
  void theOutputsEndBeforeTheToolsEnd_data() {
    QTest::addColumn<bool>("descriptor");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("code");
    for (bool descriptor : {true, false}) {
      const char* how = descriptor ? "process descriptor" : "steps";
      QTest::addRow("closed, then 50 ms, %s", how)
          << descriptor << "printf abc; exec >&- 2>&-; sleep 0.05; exit 7" << QByteArray("abc") << 7;
      QTest::addRow("closed, then at once, %s", how)
          << descriptor << "printf abc; exec >&- 2>&-; exit 9" << QByteArray("abc") << 9;
      QTest::addRow("200000 bytes, then at once, %s", how)
          << descriptor << "head -c 200000 /dev/zero | tr '\\0' y; exit 3" << QByteArray(200000, 'y') << 3;
    }
  }
  void theOutputsEndBeforeTheToolsEnd() {
    QFETCH(bool, descriptor);
    QFETCH(QString, line);
    QFETCH(QByteArray, output);
    QFETCH(int, code);
    struct Setting {
      bool before;
      explicit Setting(bool on) : before(KLX_Platform::SetEndByProcessDescriptor(on)) {}
      ~Setting() { KLX_Platform::SetEndByProcessDescriptor(before); }
    } setting(descriptor);
    for (int i = 0; i < 10; ++i) {
      QByteArray merged, standard;
      const int run = KLX_Platform::Run("sh", {"-c", line}, kVornHangMs, &merged);
      const int runFor = KLX_Platform::RunFor("sh", {"-c", line}, kVornHangMs, &standard);
      QCOMPARE(run, code);
      QCOMPARE(merged, output);
      QCOMPARE(runFor, code);
      QCOMPARE(standard, output);
    }
  }

  // However a program is started (also by the program's own child, as on a
  // C library whose spawn cannot close descriptors), the start leaves no
  // descriptor open in the program: not a detached start either.
  void noStartLeavesADescriptorBehind_data() {
    QTest::addColumn<bool>("ownChild");
    QTest::newRow("spawned") << false;
    QTest::newRow("by the program's own child") << true;
  }
  void noStartLeavesADescriptorBehind() {
    QFETCH(bool, ownChild);
    struct Setting {
      bool before;
      explicit Setting(bool on) : before(KLX_Platform::SetStartByOwnChild(on)) {}
      ~Setting() { KLX_Platform::SetStartByOwnChild(before); }
    } setting(ownChild);
    KLX_Platform::RunOptions limited;
    limited.fileSizeLimit = 1 << 20;
    // One mark a way, 1 where it answered as it should.
    const auto everyWay = [&] {
      QByteArray out;
      KLX_Platform::KLX_StoppableRun stoppable;
      const bool answered[] = {
          KLX_Platform::StartDetached("true", {}),
          KLX_Platform::Run("true", {}, kVornHangMs) == 0,
          KLX_Platform::Run("echo", {"x"}, kVornHangMs, &out) == 0,
          KLX_Platform::RunFor("echo", {"x"}, kVornHangMs, &out) == 0,
          KLX_Platform::RunWatched("true", {}, kVornHangMs, [] { return true; }) == 0,
          KLX_Platform::RunWatched("true", {}, kVornHangMs, [] { return true; }, limited) == 0,
          KLX_Platform::ShellFirstLine("echo x") == "x",
          KLX_Platform::System("true", kVornHangMs) == 0,
          stoppable.Run("true", {}, {}, nullptr, kVornHangMs) == 0,
          // Not started: no such program, or one that cannot be run.
          !KLX_Platform::StartDetached("no-such-program-here", {}),
          !KLX_Platform::StartDetached("/dev/null", {}),
          KLX_Platform::Run("/dev/null", {}, kVornHangMs, &out) == -1,
      };
      QByteArray marks;
      for (bool a : answered) marks += a ? '1' : '0';
      return marks;
    };
    const QByteArray all(12, '1');
    QCOMPARE(everyWay(), all);
    const int before = OpenDescriptors();
    for (int i = 0; i < 30; ++i) QCOMPARE(everyWay(), all);
    QCOMPARE(OpenDescriptors(), before);
  }

  // A detached start needs no thread: where none can be made (no room for
  // its stack) the tool still starts, and nothing is thrown.
  void aDetachedStartNeedsNoThread() {
    const int answer = InChild([] {
      // Threads ask for stacks larger than the room left and than any the
      // C library keeps from the test's own threads.
      pthread_attr_t large;
      if (::pthread_attr_init(&large) != 0 || ::pthread_attr_setstacksize(&large, size_t(256) << 20) != 0 ||
          ::pthread_setattr_default_np(&large) != 0)
        return 9;
      const rlim_t room = rlim_t(StatusKiB("VmSize:") + 8192) * 1024;
      const rlimit limit{room, room};
      if (::setrlimit(RLIMIT_AS, &limit) != 0) return 9;
      try {
        return KLX_Platform::StartDetached("true", {}) ? 0 : 1;
      } catch (const std::system_error&) {
        return 2;
      }
    });
    QCOMPARE(answer, 0);
  }

  // A detached start's child ends as soon as it has started the tool, not
  // once the tool's program runs: here the tool's program is held at its
  // opening (a lease the test keeps on the script), and meanwhile the child
  // has ended and the tool, adopted by the test, still runs the test's own
  // image. Once the lease goes the tool runs and the start answers.
  void aDetachedStartEndsItsChildBeforeTheToolRuns() {
    if (KLX_Platform::kThreadCheckerBuild) QSKIP("under ThreadSanitizer the child waits for the tool to run");
    const QString script = m_Root->Path() + "/held.sh";
    const QString ran = m_Root->Path() + "/ran";
    QVERIFY(Write(script, "#!/bin/sh\necho ran > \"$1\"\n"));
    QVERIFY(QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner));
    // The lease's break is told by SIGIO, which would end the test.
    struct sigaction ignore {}, before {};
    ignore.sa_handler = SIG_IGN;
    QCOMPARE(::sigaction(SIGIO, &ignore, &before), 0);
    QCOMPARE(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    const int lease = ::open(QFile::encodeName(script).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(lease >= 0);
    QCOMPARE(::fcntl(lease, F_SETLEASE, F_WRLCK), 0);
    std::atomic<int> started{-1};
    std::thread starting([&] { started = KLX_Platform::StartDetached(script, {ran}) ? 1 : 0; });
    pid_t tool = -1;
    const bool childEndedFirst = QTest::qWaitFor([&] { return (tool = AdoptedToolBeforeItsProgram()) > 0; }, kVornHangMs);
    ::fcntl(lease, F_SETLEASE, F_UNLCK);
    ::close(lease);
    starting.join();
    QTRY_COMPARE(Read(ran), QByteArray("ran\n"));
    for (pid_t adopted = tool; adopted > 0 && ::waitpid(adopted, nullptr, 0) < 0 && errno == EINTR;) {
    }
    ::prctl(PR_SET_CHILD_SUBREAPER, 0);
    ::sigaction(SIGIO, &before, nullptr);
    QVERIFY2(childEndedFirst, "the child waited for the tool's program");
    QCOMPARE(started.load(), 1);
  }

  // However a tool starts (by the C library's spawn or by the program's own
  // child), every signal is at its default and none is blocked, though the
  // program ignores SIGPIPE and the calling thread blocks signals: a
  // script's pipeline ends quietly when its reader goes, not with errors.
  void aToolStartsWithEverySignalAtItsDefault_data() { WayRows(true); }
  void aToolStartsWithEverySignalAtItsDefault() {
    QFETCH(int, way);
    const QString script = m_Root->Path() + "/signals.sh";
    const QString answer = m_Root->Path() + "/answer";
    QVERIFY(Write(script, "grep -E '^Sig(Ign|Blk):' /proc/$$/status | tr -d '\\t' | tr '\\n' ' ' > \"$1.part\"\n"
                          "mv \"$1.part\" \"$1\"\necho done\n"));
    struct ProgramSignals {
      struct sigaction pipe {};
      sigset_t mask;
      ProgramSignals() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGPIPE, &ignore, &pipe);
        sigset_t blocked;
        sigemptyset(&blocked);
        sigaddset(&blocked, SIGPIPE);
        sigaddset(&blocked, SIGUSR2);
        ::pthread_sigmask(SIG_BLOCK, &blocked, &mask);
      }
      ~ProgramSignals() {
        ::pthread_sigmask(SIG_SETMASK, &mask, nullptr);
        ::sigaction(SIGPIPE, &pipe, nullptr);
      }
    } ignoring;
    for (bool ownChild : {false, true}) {
      const bool before = KLX_Platform::SetStartByOwnChild(ownChild);
      QFile::remove(answer);
      const int result = RunScript(Way(way), script, answer, kVornHangMs);
      KLX_Platform::SetStartByOwnChild(before);
      QCOMPARE(result, 0);
      QTRY_VERIFY(QFileInfo::exists(answer));
      const QByteArray seen = Read(answer);
      QVERIFY2(seen == "SigBlk:0000000000000000 SigIgn:0000000000000000 ",
               qPrintable((ownChild ? "by the program's own child: " : "spawned: ") + seen));
    }
  }

  // A start leaves the program's memory as it was, a detached one too:
  // rewriting 64 MiB after it takes no fault a page, as it would after a
  // copy of the program made for the start (which write-protects each).
  void noStartMakesTheProgramFaultOnItsMemory_data() { WayRows(true); }
  void noStartMakesTheProgramFaultOnItsMemory() {
    QFETCH(int, way);
    const QString script = m_Root->Path() + "/done.sh";
    QVERIFY(Write(script, "echo done\n"));
    constexpr size_t kBytes = size_t(64) << 20;
    void* const memory = ::mmap(nullptr, kBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    QVERIFY(memory != MAP_FAILED);
    // A page a fault, in the count that a copy would make.
    ::madvise(memory, kBytes, MADV_NOHUGEPAGE);
    std::memset(memory, 1, kBytes);
    const int result = RunScript(Way(way), script, m_Root->Path() + "/unused", kVornHangMs);
    rusage before {}, after {};
    ::getrusage(RUSAGE_THREAD, &before);
    std::memset(memory, 2, kBytes);
    ::getrusage(RUSAGE_THREAD, &after);
    ::munmap(memory, kBytes);
    QCOMPARE(result, 0);
    const long faults = after.ru_minflt - before.ru_minflt;
    // Under ThreadSanitizer vfork is a fork: a start by the program's own
    // child (a file-size limit, a detached start) copies the program there,
    // a fault a page after it, more for the checker's shadow of each; the C
    // library's spawn shares the memory there too.
    if (KLX_Platform::kThreadCheckerBuild && (way == ByLimited || way == ByDetached))
      QVERIFY2(faults >= 16384, qPrintable(QString::number(faults) + " faults"));
    else  // 16384 after a copy.
      QVERIFY2(faults < 1024, qPrintable(QString::number(faults) + " faults"));
  }

  // A tool that prints much: its first and last bytes are kept, in little
  // memory, with what was left out between them, and it is read to its end
  // (its exit code).
  void whatAToolPrintsIsKeptInLittleMemory_data() {
    QTest::addColumn<bool>("standardOnly");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QByteArray>("leftOut");
    const QString fifty = "head -c 2000000 /dev/zero | tr '\\0' a; head -c 50000000 /dev/zero | tr '\\0' b; printf end; exit 3";
    const QByteArray head = QByteArray(KLX_Platform::kOutputHeadBytes, 'a');
    const QByteArray tail = QByteArray(KLX_Platform::kOutputTailBytes - 3, 'b') + "end";
    const QByteArray leftOut =
        QByteArray::number(52000003 - KLX_Platform::kOutputHeadBytes - KLX_Platform::kOutputTailBytes);
    QTest::newRow("Run, 52 MB") << false << fifty << 3 << head << tail << leftOut;
    QTest::newRow("RunFor, 52 MB") << true << fifty << 3 << head << tail << leftOut;
    // Lines, cut at a line's end by neither bound.
    QTest::newRow("Run, 3 MB of yes") << false << "yes | head -c 3000001" << 0
                                      << QByteArray("y\n").repeated(KLX_Platform::kOutputHeadBytes / 2)
                                      << "\n" + QByteArray("y\n").repeated(KLX_Platform::kOutputTailBytes / 2 - 1) + "y"
                                      << QByteArray::number(3000001 - KLX_Platform::kOutputHeadBytes -
                                                            KLX_Platform::kOutputTailBytes);
  }
  void whatAToolPrintsIsKeptInLittleMemory() {
    QFETCH(bool, standardOnly);
    QFETCH(QString, line);
    QFETCH(int, code);
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, tail);
    QFETCH(QByteArray, leftOut);
    // The peak starts again from here.
    QFile peak("/proc/self/clear_refs");
    QVERIFY(peak.open(QIODevice::WriteOnly) && peak.write("5") == 1);
    peak.close();
    const qint64 before = StatusKiB("VmRSS:");
    QByteArray out;
    const int ran = standardOnly ? KLX_Platform::RunFor("sh", {"-c", line}, kVornHangMs, &out)
                                 : KLX_Platform::Run("sh", {"-c", line}, kVornHangMs, &out);
    const qint64 grown = StatusKiB("VmHWM:") - before;
    QCOMPARE(ran, code);
    // A few MiB, under AddressSanitizer some more; all of 52 MB without a bound.
    QVERIFY2(grown < 16 * 1024, qPrintable(QString::number(grown) + " KiB"));
    QVERIFY(out.size() > head.size() + tail.size());
    QCOMPARE(out.left(head.size()), head);
    QCOMPARE(out.right(tail.size()), tail);
    const QString between = QString::fromLatin1(out.mid(head.size(), out.size() - head.size() - tail.size()).left(100));
    QCOMPARE(between, "\n[" + QString::fromLatin1(leftOut) + " bytes left out]\n");
  }

  // A tool's end is seen at once, not at the next of a run of looks: the
  // caller sleeps until the tool's end wakes it, as the caller of a plain
  // fork, exec and wait of the same tool does (the two taking turns), and
  // once more while the start waits for the tool's program to run. Looks
  // in steps wake it some ten times during this tool, and still several on
  // a busy machine, where each look comes late: unlike times, these counts
  // hardly depend on the load.
  void aToolsEndIsNoticedAtOnce() {
    std::vector<double> plain, runner;
    const QStringList tool{"sleep", "0.25"};
    for (int i = 0; i < 3; ++i) {
      qint64 before = Sleeps();
      QVERIFY(ForkExecWait(tool));
      plain.push_back(double(Sleeps() - before));
      before = Sleeps();
      QCOMPARE(KLX_Platform::Run(tool.first(), tool.mid(1), kVornHangMs), 0);
      runner.push_back(double(Sleeps() - before));
    }
    QVERIFY2(Median(runner) <= Median(plain) + 2,
             qPrintable(QString("woken %1 times, a plain wait %2 times").arg(Median(runner)).arg(Median(plain))));
  }

  void whatARunPrintsAndWhereItRuns() {
    QByteArray out;
    QCOMPARE(KLX_Platform::Run("sh", {"-c", "echo out; echo err >&2; exit 3"}, kVornHangMs, &out), 3);
    QCOMPARE(out, QByteArray("out\nerr\n"));
    QCOMPARE(KLX_Platform::RunFor("sh", {"-c", "echo out; echo err >&2; exit 3"}, kVornHangMs, &out), 3);
    QCOMPARE(out, QByteArray("out\n"));
    // More than a pipe holds, read while it runs.
    QCOMPARE(KLX_Platform::Run("sh", {"-c", "head -c 300000 /dev/zero | tr '\\0' x"}, kVornHangMs, &out), 0);
    QCOMPARE(out, QByteArray(300000, 'x'));
    // A board folder lies under the desktop's root.
    QVERIFY(QDir().mkpath(m_Root->Path() + "/sub"));
    QCOMPARE(KLX_Platform::Run("pwd", {}, kVornHangMs, &out, {"PWD="}, "/sub"), 0);
    QCOMPARE(out, QFile::encodeName(QFileInfo(m_Root->Path() + "/sub").canonicalFilePath()) + "\n");
    QCOMPARE(KLX_Platform::Run("no-such-program-here", {}, kVornHangMs, &out), -1);
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
