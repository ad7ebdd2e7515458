#include "audio/cbuzzer.h"

#include <QDebug>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <system_error>

namespace {

// A device that takes every write at once (a capture file) as one that
// plays in real time: its room is what the clock has played of what was
// written, at most the buffer.
class CClockPacedPcm final : public KLX_PcmDevice {
 public:
  CClockPacedPcm(KLX_PcmDevice& inner, KLX_Clock& clock, unsigned rate, long buffer, long period,
                 std::atomic<bool>& stop)
      : m_Inner(inner), m_Clock(clock), m_Rate(rate), m_Buffer(buffer), m_Period(period), m_Stop(stop) {}

  bool Configure(const QString&, Params*) override { return false; }
  bool IsOpen() const override { return m_Inner.IsOpen(); }
  State GetState() override { return m_Inner.GetState(); }
  long Avail() override {
    const long inner = m_Inner.Avail();
    if (inner < 0) return inner;
    return std::min(inner, Room());
  }
  long WriteInterleaved(const void* data, long frames) override {
    const long n = m_Inner.WriteInterleaved(data, frames);
    if (n > 0) {
      QMutexLocker lock(&m_Mutex);
      if (!m_Started) {
        m_StartMs = m_Clock.KLX_ClockNowMs();
        m_Written = 0;
        m_Started = true;
      }
      m_Written += n;
    }
    return n;
  }
  int Start() override { return m_Inner.Start(); }
  int Prepare() override {
    Restart();
    return m_Inner.Prepare();
  }
  int Resume() override { return m_Inner.Resume(); }
  int Recover(int err) override {
    Restart();
    return m_Inner.Recover(err);
  }
  const char* ErrorText(int err) const override { return m_Inner.ErrorText(err); }
  bool Paces() const override { return true; }

  int Wait(int timeoutMs) override {
    QMutexLocker lock(&m_Mutex);
    const qint64 end = m_Clock.KLX_ClockNowMs() + timeoutMs;
    while (!m_Stop) {
      const long room = RoomLocked();
      if (room >= m_Period) return 1;
      const qint64 now = m_Clock.KLX_ClockNowMs();
      if (now >= end) return 0;
      // Until the clock has played the missing frames.
      const qint64 due = (qint64(m_Period - room) * 1000 + m_Rate - 1) / m_Rate;
      m_Clock.KLX_ClockWait(m_Wake, m_Mutex, static_cast<unsigned long>(std::max<qint64>(1, std::min(due, end - now))));
    }
    return 0;
  }

  void Interrupt() override {
    QMutexLocker lock(&m_Mutex);
    m_Clock.KLX_ClockWake(m_Wake);
  }

 private:
  long Room() {
    QMutexLocker lock(&m_Mutex);
    return RoomLocked();
  }
  long RoomLocked() {
    if (!m_Started) return m_Buffer;
    const qint64 played = (m_Clock.KLX_ClockNowMs() - m_StartMs) * m_Rate / 1000;
    const qint64 queued = m_Written - played;
    if (queued < 0) {
      // The writer fell behind: time starts again from what it wrote.
      m_Started = false;
      return m_Buffer;
    }
    return long(std::max<qint64>(0, m_Buffer - queued));
  }
  void Restart() {
    QMutexLocker lock(&m_Mutex);
    m_Started = false;
  }

  KLX_PcmDevice& m_Inner;
  KLX_Clock& m_Clock;
  const unsigned m_Rate;
  const long m_Buffer;
  const long m_Period;
  std::atomic<bool>& m_Stop;
  QMutex m_Mutex;
  QWaitCondition m_Wake;
  bool m_Started = false;
  qint64 m_StartMs = 0;
  qint64 m_Written = 0;
};

// Failed writes a feeding pass retries before it leaves the rest to the
// next pass.
constexpr int kWriteRetries = 3;

}  // namespace

CBuzzer::CBuzzer(std::unique_ptr<KLX_PcmDevice> device, KLX_Clock* clock, QObject* parent)
    : QObject(parent), m_Device(std::move(device)), m_Clock(clock ? clock : &KLX_Clock::KLX_ClockSystem()) {}

CBuzzer::~CBuzzer() { StopFeeder(); }

void CBuzzer::StopFeeder() {
  m_Stop = true;
  {
    QMutexLocker lock(&m_FeederMutex);
    m_Clock->KLX_ClockWake(m_FeederWake);
  }
  if (m_Pcm) m_Pcm->Interrupt();
  if (m_Feeder.joinable()) m_Feeder.join();
}

unsigned CBuzzer::GetFramesCount(unsigned ms) const { return unsigned(uint64_t(m_Rate) * ms / 1000); }

bool CBuzzer::PcmInit(const char* device, unsigned rate) {
  KLX_PcmDevice::Params params;
  params.rate = rate;
  params.channels = m_Channels;
  params.bufferTimeUs = 500000;
  params.periodTimeUs = 100000;
  if (!m_Device || !m_Device->Configure(QString::fromLocal8Bit(device), &params)) return false;
  if (params.periodFrames <= 0 || params.bufferFrames < params.periodFrames) return false;
  m_PeriodSize = params.periodFrames;
  m_BufferSize = params.bufferFrames;
  if (m_Device->Paces()) {
    m_Pcm = m_Device.get();
  } else {
    m_Paced = std::make_unique<CClockPacedPcm>(*m_Device, *m_Clock, rate, m_BufferSize, m_PeriodSize, m_Stop);
    m_Pcm = m_Paced.get();
  }
  return true;
}

void CBuzzer::AreasCreate() {
  m_Samples.assign(size_t(m_PeriodSize) * m_Channels, 0);
  m_Areas.resize(m_Channels);
  for (unsigned c = 0; c < m_Channels; ++c) m_Areas[c] = {m_Samples.data(), 16 * c, 16 * m_Channels};
}

bool CBuzzer::Init(const char* device, unsigned rate, unsigned char channels, CPcmSineGen::chmask_t mask) {
  if (m_Initialised) return true;
  // The device is opened once; after a Deinit it is taken up again as it is.
  if (!m_Pcm) {
    m_Rate = rate;
    m_Channels = channels;
    if (!PcmInit(device, rate)) return false;
    AreasCreate();
    // Made before the feeder starts, which writes it from its first pass.
    m_Silence.assign(size_t(2 * m_PeriodSize) * m_Channels, 0);
    m_Stop = false;
    try {
      m_Feeder = std::thread([this] { Feeder(); });
    } catch (const std::system_error& e) {
      qWarning("Unable to start the feeder thread: %s", e.what());
      m_Pcm = nullptr;
      m_Paced.reset();
      Deinit();
      return false;
    }
  }
  {
    // The feeder generates under the write lock; after a Deinit it runs on.
    std::lock_guard<std::mutex> lock(m_WriteMutex);
    if (!m_SineGen.Init(m_Channels, mask, m_Rate, CPcmSineGen::S16_LE, 100, 100)) return false;
  }
  m_Initialised = true;
  return true;
}

void CBuzzer::Deinit() {
  m_Initialised = false;
  m_Running = false;
  m_Enabled = false;
}

void CBuzzer::Enable(bool on) {
  const bool was = m_Enabled.exchange(on);
  if (on && !was && m_Initialised) m_SineGen.Reset();
}

void CBuzzer::Mute(unsigned char level) { m_SineGen.Mute(float(100 - std::min<unsigned>(level, 100)) / 100.0f); }

void CBuzzer::Beep(unsigned freq, unsigned onMs, unsigned offMs, unsigned char volume) {
  if (!m_Initialised) return;
  if (freq == 0) {
    Enable(false);
    return;
  }
  {
    std::lock_guard<std::mutex> lock(m_ParamMutex);
    if (m_Enabled && m_Running && m_Requested.freq == freq && m_Requested.onMs == onMs &&
        m_Requested.offMs == offMs && m_Requested.volume == volume)
      return;
    m_Requested = {freq, onMs, offMs, volume, volume < 100 ? float(volume) / 100.0f : 1.0f};
    m_NewRequest = true;
  }
  // A stream that plays takes the request at its next cycle end; one that
  // stands (not started yet, or stopped by an underrun) is started again
  // behind a period of silence.
  const bool playing = m_Pcm->GetState() == KLX_PcmDevice::Running;
  if (!playing) m_Running = false;
  Enable(true);
  if (playing) return;
  std::lock_guard<std::mutex> lock(m_WriteMutex);
  PcmWrite(m_Silence.data(), m_PeriodSize);
  if (m_Pcm->GetState() == KLX_PcmDevice::Prepared) {
    const int err = m_Pcm->Start();
    if (err == -EBADFD || err == -EPIPE) xrun_recovery(-EPIPE);
  }
}

bool CBuzzer::PcmWrite(const void* data, long frames) {
  if (frames <= 0) return false;
  const long written = m_Pcm->WriteInterleaved(data, frames);
  if (written < 0) {
    std::fprintf(stderr, "PCM_WRITE_ERROR: %s\n", m_Pcm->ErrorText(int(written)));
    m_Pcm->Recover(int(written));
    return false;
  }
  if (written != frames) {
    std::fprintf(stderr, "Write error: written %li expected %li\n", written, frames);
    return false;
  }
  m_Running = true;
  return true;
}

// In pieces of the silence buffer (two periods), however much room there is.
void CBuzzer::WriteSilence(long frames) {
  const long piece = long(m_Silence.size() / m_Channels);
  while (frames > 0) {
    const long n = std::min(frames, piece);
    if (!PcmWrite(m_Silence.data(), n)) return;
    frames -= n;
  }
}

int CBuzzer::xrun_recovery(int err) {
  if (err == -EPIPE) {
    err = m_Pcm->Prepare();
    if (err < 0) std::fprintf(stderr, "Can't recovery from underrun, prepare failed: %s\n", m_Pcm->ErrorText(err));
    return 0;
  }
  if (err == -EINTR) {
    err = m_Pcm->Recover(err);
    if (err < 0) std::fprintf(stderr, "Can't recovery from interrupted system call: %s\n", m_Pcm->ErrorText(err));
    return 0;
  }
  if (err == -ESTRPIPE) {
    while ((err = m_Pcm->Resume()) == -EAGAIN && !m_Stop) m_Clock->KLX_ClockSleep(1000);
    if (err < 0) {
      err = m_Pcm->Prepare();
      if (err < 0) std::fprintf(stderr, "Can't recovery from suspend, prepare failed: %s\n", m_Pcm->ErrorText(err));
    }
    return 0;
  }
  return err;
}

void CBuzzer::SetUpCycle(bool enabled) {
  if (m_Playing.onMs == 0) {
    // Continuous: unbroken tone in cycles of two periods; switched off, its
    // last cycle is played once more with the release.
    m_CycleLength = m_OnLength = 2 * m_PeriodSize;
    m_Envelope = !enabled;
    m_ReleasePending = enabled;
  } else {
    m_CycleLength = GetFramesCount(m_Playing.onMs + m_Playing.offMs);
    m_OnLength = GetFramesCount(m_Playing.onMs);
    m_Envelope = true;
    m_ReleasePending = false;
  }
  m_Position = 0;
}

long CBuzzer::AudioDataPrepare() {
  if (m_Position >= m_CycleLength) {
    m_JustApplied = false;
    if (m_ParamMutex.try_lock()) {
      if (m_NewRequest) {
        m_Playing = m_Requested;
        m_NewRequest = false;
        m_JustApplied = true;
      }
      m_ParamMutex.unlock();
    }
    const bool enabled = m_Enabled;
    if (!enabled && !m_ReleasePending) return 0;
    if (!enabled && !m_JustApplied) {
      m_ReleasePending = false;
      m_Envelope = true;
      m_Position = 0;
    } else if (enabled && !m_JustApplied) {
      m_Position = 0;
    } else {
      SetUpCycle(enabled);
    }
  }
  if (m_Position >= m_CycleLength) return 0;

  long room = m_Pcm->Avail();
  if (room < 0) {
    xrun_recovery(int(room));
    room = m_Pcm->Avail();
  }
  if (room <= 0) return room;
  if (room > m_BufferSize) PcmWrite(m_Silence.data(), m_PeriodSize);

  const long frames = std::min({m_PeriodSize, m_CycleLength - m_Position, room});
  long tone = 0;
  if (m_Position < m_OnLength) {
    tone = std::min(frames, m_OnLength - m_Position);
    if (!m_SineGen.Generate(m_Areas.data(), 0, tone, m_OnLength - m_Position, double(m_Playing.freq),
                            m_Playing.gain, m_Envelope))
      qWarning("m_SineGen.Generate() failed!");
  }
  if (frames > tone) m_SineGen.Silent(m_Areas.data(), tone, frames - tone);
  m_Position += frames;
  return frames;
}

void CBuzzer::async_callback() {
  std::unique_lock<std::mutex> lock(m_WriteMutex, std::try_to_lock);
  if (!lock.owns_lock()) return;
  if (!m_Running) {
    const long room = m_Pcm->Avail();
    if (room > 0) WriteSilence(room);
    return;
  }
  int failures = 0;
  while (true) {
    const long frames = AudioDataPrepare();
    if (frames <= 0) {
      const long room = m_Pcm->Avail();
      if (room > 0) WriteSilence(room);
      m_Running = false;
      return;
    }
    if (!PcmWrite(m_Samples.data(), frames)) {
      if (++failures > kWriteRetries) return;
      continue;
    }
    if (m_Pcm->Avail() <= 0) return;
  }
}

void CBuzzer::Feeder() {
  const int waitMs = int(std::max<long>(1, m_PeriodSize * 1000 / long(m_Rate)));
  while (!m_Stop) {
    const int ready = m_Pcm->Wait(waitMs);
    if (m_Stop) break;
    if (ready == 0) continue;
    if (ready < 0) {
      std::lock_guard<std::mutex> lock(m_WriteMutex);
      if (xrun_recovery(ready) < 0) m_Pcm->Recover(ready);
    }
    const long before = m_Pcm->Avail();
    async_callback();
    // A device that says it has room but takes nothing (broken, or a request
    // writing) is not asked again at once.
    if (before > 0 && m_Pcm->Avail() >= before) {
      QMutexLocker lock(&m_FeederMutex);
      if (!m_Stop) m_Clock->KLX_ClockWait(m_FeederWake, m_FeederMutex, static_cast<unsigned long>(std::max(1, waitMs / 4)));
    }
  }
}
