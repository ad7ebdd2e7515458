#pragma once
// The vario tone: written straight to the PCM device "vario", independent of
// the tone pipes. A request of frequency, on time, off time and volume plays
// as an endless pattern of sine bursts and pauses, or as a continuous tone
// when the on time is 0; a new request, and switching off, take effect at the
// end of the cycle in progress. The stream runs all the time: silence while
// the tone is off.
//
// A feeder thread keeps the device filled: it waits on the device (or, for a
// device that takes every write at once, on the clock) and then runs one
// feeding pass, which never blocks.
#include <QMutex>
#include <QObject>
#include <QWaitCondition>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "audio/cpcmsinegen.h"
#include "frame/klx_clock.h"
#include "platform/klx_audio.h"

class CBuzzer : public QObject {
  Q_OBJECT
 public:
  explicit CBuzzer(std::unique_ptr<KLX_PcmDevice> device = KLX_Platform::NewPcmDevice(),
                   KLX_Clock* clock = nullptr, QObject* parent = nullptr);
  ~CBuzzer() override;

  // Opens and sets up the device (once: it stays open), starts the feeder
  // and the sine generator. After a successful call further calls answer
  // true at once. The audio handler asks for ("vario", 48000, 2, 3).
  bool Init(const char* device, unsigned rate, unsigned char channels, CPcmSineGen::chmask_t mask);
  // Clears the initialised, running and enabled flags; the device stays
  // open and the feeder keeps it filled with silence.
  void Deinit();
  void Enable(bool on);
  bool isEnabled() const { return m_Enabled; }
  // A tone request; frequency 0 switches the tone off. Volume 0..255 (percent;
  // 100 and more is full).
  void Beep(unsigned freq, unsigned onMs, unsigned offMs, unsigned char volume);
  // 100 silences, 0 restores full level; the change glides.
  void Mute(unsigned char level);
  unsigned GetFramesCount(unsigned ms) const;

  // One feeding pass (what the device's notification ran): try-locks the
  // write lock and skips its turn when a request is writing.
  void async_callback();

  bool IsInitialised() const { return m_Initialised; }
  long PeriodSize() const { return m_PeriodSize; }
  long BufferSize() const { return m_BufferSize; }

 signals:
  void finished();
 public slots:
  void process() { emit finished(); }

 private:
  struct Tone {
    unsigned freq = 0;
    unsigned onMs = 0;
    unsigned offMs = 0;
    unsigned volume = 0;
    float gain = 1.0f;
  };

  bool PcmInit(const char* device, unsigned rate);
  void AreasCreate();
  void Feeder();
  long AudioDataPrepare();
  void SetUpCycle(bool enabled);
  bool PcmWrite(const void* data, long frames);
  void WriteSilence(long frames);
  int xrun_recovery(int err);
  void StopFeeder();

  std::unique_ptr<KLX_PcmDevice> m_Device;
  // The device the tone goes to: m_Device itself, or m_Device kept in time by
  // the clock when it does not pace.
  std::unique_ptr<KLX_PcmDevice> m_Paced;
  KLX_PcmDevice* m_Pcm = nullptr;
  KLX_Clock* m_Clock;

  long m_PeriodSize = 0;
  long m_BufferSize = 0;
  std::atomic<bool> m_Initialised{false};
  std::atomic<bool> m_Running{false};
  std::atomic<bool> m_Enabled{false};
  std::vector<int16_t> m_Silence;  // two periods
  unsigned m_Rate = 48000;
  unsigned m_Channels = 2;
  std::vector<CPcmSineGen::Area> m_Areas;
  std::vector<int16_t> m_Samples;  // one period, interleaved
  CPcmSineGen m_SineGen;

  std::mutex m_WriteMutex;  // every write to the device
  std::mutex m_ParamMutex;  // the requested tone
  Tone m_Requested;
  bool m_NewRequest = false;

  // The playing tone: the feeder's own.
  Tone m_Playing;
  bool m_Envelope = true;
  bool m_JustApplied = false;
  long m_CycleLength = 0;
  long m_OnLength = 0;
  long m_Position = 0;
  // A continuous tone was playing and still owes its faded last cycle.
  bool m_ReleasePending = false;

  std::thread m_Feeder;
  std::atomic<bool> m_Stop{false};
  QMutex m_FeederMutex;
  QWaitCondition m_FeederWake;
};
