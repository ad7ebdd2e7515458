#pragma once
// Recording stand-ins behind the sound devices' interfaces: a player that
// copies its pipe into a capture file, mixer elements that log raw writes,
// and a PCM device whose room follows a simulated clock.
#include <QFile>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QWaitCondition>

#include <signal.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <vector>

#include "audio/caplayfifo.h"
#include "frame/klx_clock.h"
#include "platform/klx_audio.h"
#include "platform/klx_commandrunner.h"

// Stands in for `aplay`: a real process (cat) that appends what it reads
// from the pipe named in the command line to "<folder>/<pipe name>.raw",
// and can be killed. Records every command line it was given. Other
// behaviours: a player that never opens its pipe; one that reads a number
// of bytes, closes its pipe and lives on (marking that with "<folder>/deaf");
// and one that reads a number of bytes and then nothing more with its pipe
// open (marking that with "<folder>/stuck"), a writer of more waits on it.
class FakePlayer {
 public:
  enum Mode { Copy, NeverReads, Deaf, Stuck };

  explicit FakePlayer(const QString& folder) : m_Folder(folder) {}
  ~FakePlayer() {
    for (pid_t pid : m_Pids) ::kill(pid, SIGKILL);
  }

  CAplayFifo::Launcher Launcher() {
    return [this](const QString& commandLine) {
      QMutexLocker lock(&m_Mutex);
      m_Commands.append(commandLine);
      // "aplay ... <pipe>  & echo $!": the pipe is the word before the "&".
      const QString pipe = commandLine.section(QStringLiteral("  &"), 0, 0).section(' ', -1);
      QString line;
      switch (m_Mode) {
        case Copy: line = QStringLiteral("cat '%1' >> '%2' & echo $!").arg(pipe, Capture(pipe)); break;
        case NeverReads: line = QStringLiteral("sleep 30 & echo $!"); break;
        case Deaf:
          line = QStringLiteral("(exec 3<'%1'; head -c %3 <&3 >/dev/null; exec 3<&-; touch '%2/deaf'; exec sleep 30) & "
                                "echo $!")
                     .arg(pipe, m_Folder)
                     .arg(m_Bytes);
          break;
        case Stuck:
          line = QStringLiteral("(exec 3<'%1'; head -c %3 <&3 >/dev/null; touch '%2/stuck'; exec sleep 30) & echo $!")
                     .arg(pipe, m_Folder)
                     .arg(m_Bytes);
          break;
      }
      m_LastPid = KLX_Platform::ShellFirstLine(line).toInt();
      m_Pids.append(m_LastPid);
      return QString::number(m_LastPid) + "\n";
    };
  }

  // `bytes`: what a deaf or stuck player reads first.
  void SetMode(Mode mode, int bytes = 0) {
    QMutexLocker lock(&m_Mutex);
    m_Mode = mode;
    m_Bytes = bytes;
  }
  QStringList Commands() const {
    QMutexLocker lock(&m_Mutex);
    return m_Commands;
  }
  pid_t LastPid() const {
    QMutexLocker lock(&m_Mutex);
    return m_LastPid;
  }
  void KillLast() { ::kill(LastPid(), SIGKILL); }
  QString Capture(const QString& pipe) const { return m_Folder + '/' + pipe.section('/', -1) + ".raw"; }
  QByteArray Captured(const QString& pipe) const {
    QFile f(Capture(pipe));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

 private:
  QString m_Folder;
  mutable QMutex m_Mutex;
  QStringList m_Commands;
  QList<pid_t> m_Pids;
  pid_t m_LastPid = 0;
  Mode m_Mode = Copy;
  int m_Bytes = 0;
};

// Mixer elements with a chosen raw range; all of them log into one list
// ("SpeakerCtl=63"). Elements not in `present` are not found.
struct FakeMixerLog {
  long minimum = 0;
  long maximum = 255;
  QStringList present = {"SpeakerCtl", "BtA2dpCtl", "ch1Ctl", "ch2Ctl", "ch3Ctl"};
  bool refuse = false;
  QStringList writes;
};

class FakeMixerElement : public KLX_MixerElement {
 public:
  explicit FakeMixerElement(FakeMixerLog* log) : m_Log(log) {}
  bool Open(const QString& card, const QString& name, long* minimum, long* maximum) override {
    if (card != "default" || !m_Log->present.contains(name)) return false;
    m_Name = name;
    *minimum = m_Log->minimum;
    *maximum = m_Log->maximum;
    return true;
  }
  void Close() override { m_Name.clear(); }
  bool SetPlaybackVolumeAll(long raw) override {
    if (m_Name.isEmpty() || m_Log->refuse) return false;
    m_Log->writes.append(QStringLiteral("%1=%2").arg(m_Name).arg(raw));
    return true;
  }

 private:
  FakeMixerLog* m_Log;
  QString m_Name;
};

// A playback device of 16-bit interleaved frames whose hardware plays at
// `rate` frames a second of the clock it is given: room opens as the clock
// runs, writes block until they fit, and an empty buffer while running is
// an underrun, as ALSA reports them. Every frame written is kept. A device
// that does not pace takes every write at once and never runs dry.
class FakePcm : public KLX_PcmDevice {
 public:
  struct Shared {
    mutable QMutex mutex;
    std::vector<int16_t> samples;  // every frame written, interleaved
    unsigned channels = 0;
    int starts = 0;
    int underruns = 0;
    QStringList opened;
    // While set, the device never says it has room (its notification is
    // late): what a writer does before the feeder comes.
    bool hold = false;
  };

  FakePcm(KLX_Clock& clock, std::shared_ptr<Shared> shared, bool paces = true, long period = 4800, long buffer = 24000)
      : m_Clock(clock), m_Shared(std::move(shared)), m_Paces(paces), m_Period(period), m_Buffer(buffer) {}

  bool Configure(const QString& name, Params* p) override {
    QMutexLocker lock(&m_Shared->mutex);
    m_Shared->opened.append(name);
    m_Shared->channels = p->channels;
    m_Rate = p->rate;
    p->periodFrames = m_Period;
    p->bufferFrames = m_Buffer;
    m_Threshold = m_Buffer / m_Period * m_Period;
    m_State = Prepared;
    return true;
  }
  bool IsOpen() const override { return true; }
  State GetState() override {
    QMutexLocker lock(&m_Shared->mutex);
    Update();
    return m_State;
  }
  long Avail() override {
    QMutexLocker lock(&m_Shared->mutex);
    Update();
    if (m_State == Xrun) return -EPIPE;
    return m_Paces ? m_Buffer - m_Queued : m_Buffer;
  }
  long WriteInterleaved(const void* data, long frames) override {
    const int16_t* in = static_cast<const int16_t*>(data);
    QMutexLocker lock(&m_Shared->mutex);
    long done = 0;
    while (done < frames) {
      Update();
      if (m_State == Xrun) return done > 0 ? done : -EPIPE;
      const long room = m_Paces ? m_Buffer - m_Queued : frames - done;
      const long n = std::min(room, frames - done);
      if (n > 0) {
        const unsigned ch = m_Shared->channels;
        m_Shared->samples.insert(m_Shared->samples.end(), in + done * ch, in + (done + n) * ch);
        m_Queued += n;
        done += n;
        if (m_State == Prepared && m_Queued >= m_Threshold) StartLocked();
        continue;
      }
      // Blocking mode: wait for the hardware to play some.
      m_Clock.KLX_ClockWait(m_Wake, m_Shared->mutex, static_cast<unsigned long>(MsUntilRoom(frames - done)));
    }
    return done;
  }
  int Start() override {
    QMutexLocker lock(&m_Shared->mutex);
    if (m_State != Prepared) return -EBADFD;
    StartLocked();
    return 0;
  }
  int Prepare() override {
    QMutexLocker lock(&m_Shared->mutex);
    m_State = Prepared;
    m_Queued = 0;
    return 0;
  }
  int Resume() override { return 0; }
  int Recover(int) override { return Prepare(); }
  const char* ErrorText(int err) const override { return err == -EPIPE ? "Broken pipe" : "error"; }
  int Wait(int timeoutMs) override {
    QMutexLocker lock(&m_Shared->mutex);
    const qint64 end = m_Clock.KLX_ClockNowMs() + timeoutMs;
    while (!m_Interrupted) {
      Update();
      if (m_State == Xrun) return -EPIPE;
      if (!m_Shared->hold && (!m_Paces || m_Buffer - m_Queued >= m_Period)) return 1;
      const qint64 now = m_Clock.KLX_ClockNowMs();
      if (now >= end) return 0;
      const qint64 wait = m_Shared->hold ? end - now : std::min<qint64>(MsUntilRoom(m_Period), end - now);
      m_Clock.KLX_ClockWait(m_Wake, m_Shared->mutex, static_cast<unsigned long>(wait));
    }
    return 0;
  }
  // For good: the feeder is stopping.
  void Interrupt() override {
    QMutexLocker lock(&m_Shared->mutex);
    m_Interrupted = true;
    m_Clock.KLX_ClockWake(m_Wake);
  }
  bool Paces() const override { return m_Paces; }

  // Frames the hardware would play from now on (the benchmark's clock).
  void Consume(long frames) {
    QMutexLocker lock(&m_Shared->mutex);
    m_Queued = std::max(0L, m_Queued - frames);
  }

 private:
  // Under the mutex: what the clock has played since the last look.
  void Update() {
    if (!m_Paces || m_State != Running) return;
    const qint64 now = m_Clock.KLX_ClockNowMs();
    const qint64 played = (now - m_RunMs) * m_Rate / 1000 - m_PlayedSinceRun;
    if (played <= 0) return;
    m_PlayedSinceRun += played;
    if (played > m_Queued) {
      m_Queued = 0;
      m_State = Xrun;
      ++m_Shared->underruns;
      return;
    }
    m_Queued -= long(played);
  }
  void StartLocked() {
    m_State = Running;
    m_RunMs = m_Clock.KLX_ClockNowMs();
    m_PlayedSinceRun = 0;
    ++m_Shared->starts;
  }
  long MsUntilRoom(long frames) const {
    const long missing = std::max(1L, frames - (m_Buffer - m_Queued));
    return std::max(1L, long((qint64(missing) * 1000 + m_Rate - 1) / m_Rate));
  }

  KLX_Clock& m_Clock;
  std::shared_ptr<Shared> m_Shared;
  bool m_Paces;
  long m_Period;
  long m_Buffer;
  unsigned m_Rate = 48000;
  long m_Threshold = 0;
  State m_State = Open;
  long m_Queued = 0;
  qint64 m_RunMs = 0;
  qint64 m_PlayedSinceRun = 0;
  QWaitCondition m_Wake;
  bool m_Interrupted = false;
};
