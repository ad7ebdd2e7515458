#pragma once
// One named pipe and the `aplay` player that reads it: raw signed 16-bit
// little-endian mono samples, no header, appended block by block. The player
// is started by the first block written and again by the first block after
// it has ended; a player that never opens its end, or dies, costs a bounded
// wait and the block, never a hung writer.
#include <QMutex>
#include <QString>

#include <cstdio>
#include <functional>
#include <vector>
#include <sys/types.h>

#include "frame/klx_clock.h"

// Runs a command line through the shell with a read pipe and answers the
// first line it prints (at most 127 characters): the shell is the players'
// environment of this build (platform layer).
QString exec(const QString& command);

class CAplayFifo {
 public:
  // Starts a player from its command line and answers what the shell printed
  // (the player's process id). exec() unless a test puts its own player.
  using Launcher = std::function<QString(const QString& commandLine)>;

  // How long a write waits for a newly started player to open its end.
  static constexpr int kReaderWaitMs = 1000;

  // `fifoName` is the fixed path ("/tmp/beeps"); the pipe lies at its
  // mapped place. The player plays `device` at `rate` Hz.
  CAplayFifo(const QString& fifoName, const QString& device, unsigned rate, Launcher launcher = {},
             KLX_Clock* clock = nullptr);
  // A copy has the same pipe, player and clock, and starts closed: the
  // speech thread keeps its own copy of the pipe it is handed.
  CAplayFifo(const CAplayFifo& other);
  virtual ~CAplayFifo();
  CAplayFifo& operator=(const CAplayFifo&) = delete;

  // Opens the pipe at `path` for writing without blocking on its reader:
  // waits on `clock` up to `waitMs` for one (less when `readerAlive` says
  // the reader has ended). Answers a blocking descriptor (close-on-exec),
  // or -1.
  static int OpenWriterEnd(const QString& path, KLX_Clock& clock, int waitMs,
                           const std::function<bool()>& readerAlive = {});

  // Closes any open stream, removes the pipe file, creates it anew, starts
  // the player and opens the pipe for writing once the player reads it.
  bool Restart();
  // Appends one block; starts the player first when none runs. A failed
  // write closes the stream, so that the next one starts a new player.
  bool Write(const void* data, size_t length);
  // Closes the stream (the player reads end of file and ends) and removes
  // the pipe file.
  void Close();

  QString FifoName() const { return m_FifoName; }
  QString CommandLine() const { return m_CommandLine; }
  // The player's process id, 0 before the first start.
  pid_t PlayerPid() const;

 private:
  bool RestartLocked();
  void CloseLocked();
  bool PlayerRunning();
  void ReapEnded();
  bool WriteBlock(const void* data, size_t length);
  bool OpenForWriting();

  QString m_ProcessDir;  // "/proc/<pid>" of the player, empty before the first start
  QString m_CommandLine;
  QString m_FifoName;
  FILE* m_fOutput = nullptr;
  const mode_t m_Mode = 0666;
  pid_t m_Pid = 0;
  // Players that were ending when last looked at, not yet reaped.
  std::vector<pid_t> m_Ending;
  Launcher m_Launcher;
  KLX_Clock* m_Clock;
  // Blocks of one pipe come from several threads (clicks from the trim
  // path, the idle alarm from the battery thread): one at a time.
  mutable QMutex m_Mutex;
};
