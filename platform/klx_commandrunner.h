#pragma once
// The one door to shell commands. Commands that would change the host (power,
// mounts, the clock, the network) are recorded on the desktop build and
// answered as the board would; harmless ones run for real.
#include <QMutex>
#include <QString>
#include <QStringList>

#include <functional>
#include <sys/types.h>

namespace KLX_Platform {

// Like system(3) for a fixed command line of the program itself (never user
// text): "sync", "poweroff&", "umount -r /Vorn". Returns the exit status.
int System(const QString& commandLine);

// A program with an argument list (user or file text goes here, never into a
// shell), with `environment` ("NAME=value") added to the program's, in
// `workingDirectory` when one is given (a folder of the board: placed under
// the desktop's root). Returns the exit code, or -1 when it could not be
// started.
int Run(const QString& program, const QStringList& args, QByteArray* output = nullptr,
        const QStringList& environment = {}, const QString& workingDirectory = QString());

// A program with an argument list given at most `timeoutMs` to end (it is
// ended then): its exit code, -1 when it could not be started or ran out of
// time. Its standard output alone, as far as it came, in `standardOutput`.
// On the desktop a network tool is recorded and answered by the simulated
// interface (platform/klx_network.h).
int RunFor(const QString& program, const QStringList& args, int timeoutMs, QByteArray* standardOutput = nullptr);

// A program with an argument list started in the background and not waited
// for, as "program args &" in a shell. False when it could not be started.
// On the desktop a network tool is recorded (with " &") and answered by the
// simulated interface.
bool StartDetached(const QString& program, const QStringList& args);

// A fixed command line of the program run through the shell with a read
// pipe, as popen(3) does, with `environment` ("NAME=value") added to the
// shell's: answers the first line it prints (at most 127 characters, without
// the newline), empty when it prints none. A command that starts something
// in the background and prints its process id ("... & echo $!") returns at
// once.
QString ShellFirstLine(const QString& commandLine, const QStringList& environment = {});

// Whether a command line or program changes the host (recorded, not run, on
// the desktop build).
bool ChangesHost(const QString& program);

// Appends one line to "<root>/run/commands.log" (the desktop's record):
// the local time ("2024-05-07 09:05:00.123"), a tab, the command line.
void RecordCommand(const QString& line);

// A program with an argument list that another thread may end: Run starts
// it (with `environment` added) and waits for its end; Stop ends the run in
// progress at once. A run whose `cancelled` answers true just before the
// start does not start: a caller that marks a stop before calling Stop
// never misses a run that was about to begin.
class KLX_StoppableRun {
 public:
  // The exit code; -1 when it did not start, or was stopped or killed.
  int Run(const QString& program, const QStringList& args, const QStringList& environment,
          const std::function<bool()>& cancelled);
  // Any thread; nothing when no run is in progress.
  void Stop();

 private:
  QMutex m_Mutex;
  pid_t m_Pid = 0;  // the running process, not yet reaped
  bool m_Stopped = false;
};

}  // namespace KLX_Platform
