#pragma once
// The one door to shell commands. Commands that would change the host (power,
// mounts, the clock, the network) are recorded on the desktop build and
// answered as the board would; harmless ones run for real.
//
// Every program started here reads its input from /dev/null, starts with
// every signal at its default (the program's ignored SIGPIPE too, so that a
// script's pipeline ends quietly) and none blocked, and runs in a
// session of its own, without a controlling terminal: a tool that wants an
// answer (a password, "disk full? Continue?") finds none and gives up
// instead of waiting for a terminal nobody reads. Every run that is waited
// for has a time limit; at the limit the program and everything it started
// in its process group are killed and the run counts as failed (-1).
#include <QMutex>
#include <QString>
#include <QStringList>

#include <functional>
#include <sys/types.h>

#if defined(__SANITIZE_THREAD__)
#define KLX_THREAD_CHECKER_BUILD 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define KLX_THREAD_CHECKER_BUILD 1
#endif
#endif
#ifndef KLX_THREAD_CHECKER_BUILD
#define KLX_THREAD_CHECKER_BUILD 0
#endif

namespace KLX_Platform {

// A build under ThreadSanitizer, whose vfork is a fork (it must see the
// child's memory as the child's own): there a start by the program's own
// child copies the program's pages, and the checker's clone makes a
// detached tool's child wait until the tool runs.
constexpr bool kThreadCheckerBuild = KLX_THREAD_CHECKER_BUILD;

// Time limits that fit the tools' work on the board.
// date, hwclock, df, mount, umount, a script asked for its version.
constexpr int kQuickToolMs = 10000;
// sync: everything written so far goes to the card, which may be slow.
constexpr int kSyncMs = 120000;
// A package's own scripts around its install, and the remount scripts.
constexpr int kInstallScriptMs = 600000;
// A shell that starts something in the background and prints its pid.
constexpr int kShellLineMs = 5000;
// For a run whose caller names no limit (a test's own tools).
constexpr int kDefaultToolMs = 60000;
// KLX_StoppableRun without a limit: its owner ends it with Stop.
constexpr int kNoTimeLimit = -1;

// What is kept of a tool's output however much it prints (a scan's list of
// networks fits whole): its first kOutputHeadBytes and its last
// kOutputTailBytes, with the line "[N bytes left out]" between them. The
// tool is still read to its end or its time limit.
constexpr int kOutputHeadBytes = 1 << 20;
constexpr int kOutputTailBytes = 64 << 10;

// Like system(3) for a fixed command line of the program itself (never user
// text): "sync", "poweroff&", "umount -r /Vorn". What it starts in the
// background is not waited for. Returns the exit status, -1 when it could
// not be started or ran out of time.
int System(const QString& commandLine, int timeoutMs);

// A program with an argument list (user or file text goes here, never into a
// shell) given at most `timeoutMs` to end, with `environment` ("NAME=value")
// added to the program's, in `workingDirectory` when one is given (a folder
// of the board: placed under the desktop's root). What it prints, standard
// output and error together, in `output`. Returns the exit code, or -1 when
// it could not be started, was killed or ran out of time. The output is
// kept within kOutputHeadBytes and kOutputTailBytes. On the desktop a
// command that would change the host is recorded and answered as RunFor
// answers it.
int Run(const QString& program, const QStringList& args, int timeoutMs, QByteArray* output = nullptr,
        const QStringList& environment = {}, const QString& workingDirectory = QString());
// The same with kDefaultToolMs.
int Run(const QString& program, const QStringList& args, QByteArray* output = nullptr);
// What a started program may not exceed, set in its process before it runs,
// and how closely it is watched.
struct RunOptions {
  // The largest file it may write, in bytes (RLIMIT_FSIZE): the write beyond
  // fails and SIGXFSZ ends the program. -1: no limit.
  qint64 fileSizeLimit = -1;
  // RunWatched: the time between two looks, in ms; 0: a few every 100 ms.
  int lookMs = 0;
};

// As Run without output, also ended (-1) as soon as `keepGoing` answers
// false at one of the looks at the running program (at its start and then
// as `options` says): a tool whose work is seen to go wrong on the way.
int RunWatched(const QString& program, const QStringList& args, int timeoutMs, const std::function<bool()>& keepGoing,
               const RunOptions& options = {});

// A program with an argument list given at most `timeoutMs` to end (it is
// ended then): its exit code, -1 when it could not be started or ran out of
// time. Its standard output alone, as far as it came, in `standardOutput`
// (kept as Run keeps it).
// On the desktop a network tool is recorded and answered by the simulated
// interface (platform/klx_network.h).
int RunFor(const QString& program, const QStringList& args, int timeoutMs, QByteArray* standardOutput = nullptr);

// A program with an argument list started in the background and not waited
// for, as "program args &" in a shell: like every program started here it
// gets none of the program's descriptors beyond the standard three (its
// output and error are the program's). It is left to init, which reaps it:
// it holds no descriptor or thread of the program, and its start shares the
// program's memory as every start does, copying none of it. False when it
// could not be started. On the desktop a network tool is recorded (with " &") and
// answered by the simulated interface.
bool StartDetached(const QString& program, const QStringList& args);

// A fixed command line of the program run through the shell with a read
// pipe, as popen(3) does, with `environment` ("NAME=value") added to the
// shell's: answers the first line it prints (at most 127 characters, without
// the newline), empty when it prints none or the shell is not done within
// `timeoutMs` (it is killed then, with what it started). A command that
// starts something in the background and prints its process id
// ("... & echo $!") returns at once.
QString ShellFirstLine(const QString& commandLine, const QStringList& environment = {},
                       int timeoutMs = kShellLineMs);

// A run sees its program end at once through a process descriptor; a
// kernel without them (before 5.3) has it looked for in steps of a few ms.
// Tests switch the descriptors off to try the second way; answers the
// setting before.
bool SetEndByProcessDescriptor(bool on);

// Programs are started by the C library's spawn where it can close the
// program's descriptors, otherwise (and for a file-size limit or a detached
// start) by the program's own child. Tests switch the second on for every
// start to try it; answers the setting before.
bool SetStartByOwnChild(bool on);

// Whether a command line or program changes the host (recorded, not run, on
// the desktop build).
bool ChangesHost(const QString& program);

// Appends one line to "<root>/run/commands.log" (the desktop's record):
// the local time ("2024-05-07 09:05:00.123"), a tab, the command line.
void RecordCommand(const QString& line);

// A program with an argument list that another thread may end: Run starts
// it (with `environment` added, in `workingDirectory` when one is given, as
// Run places it) and waits for its end, at most `timeoutMs`
// (kNoTimeLimit: until it ends or is stopped); Stop ends the run in progress
// at once. A run whose `cancelled` answers true just before the start does
// not start: a caller that marks a stop before calling Stop never misses a
// run that was about to begin.
class KLX_StoppableRun {
 public:
  // The exit code; -1 when it did not start, or was stopped, killed or ran
  // out of time.
  int Run(const QString& program, const QStringList& args, const QStringList& environment,
          const std::function<bool()>& cancelled, int timeoutMs = kNoTimeLimit,
          const QString& workingDirectory = QString());
  // Any thread; nothing when no run is in progress.
  void Stop();

 private:
  QMutex m_Mutex;
  pid_t m_Pid = 0;  // the running process, not yet reaped
  bool m_Stopped = false;
};

}  // namespace KLX_Platform
