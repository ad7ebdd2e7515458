// The time from a phrase given to the audio handler (what the facade's
// SayText does) to the first speech bytes read at the "ch1" player's end of
// the speech pipe, against the floor measured in the same run: the speech
// engine's stand-in synthesising the same text alone, from the text handed
// over to its first samples. The queue wakes the audio thread at once, so
// the thread's 150 ms pass adds no prescribed wait to the floor.
//
// The "player" is a thread of this process reading the pipe (the pipe's
// writer sees this process as its running player), so the time to start a
// real aplay is not part of either figure; the vario and the mixers are the
// audio tests' recording stand-ins.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "audio/klx_audiohandler.h"
#include "audio_fixture.h"
#include "audio/klx_tts.h"
#include "frame/klx_filenamehandler.h"
#include "platform/klx_platform.h"
#include "platform/klx_speechengine.h"
#include "sim/csimvoices.h"
#include "vorn_fixture.h"

namespace {

using Clock = std::chrono::steady_clock;
const char kText[] = "Altitude one hundred and twenty metres";

// Reads the speech pipe and notes when bytes arrive after each arming.
class PipeReader {
 public:
  ~PipeReader() {
    m_Stop = true;
    if (m_Thread.joinable()) m_Thread.join();
  }
  CAplayFifo::Launcher Launcher() {
    return [this](const QString& commandLine) {
      const QString pipe = commandLine.section(QStringLiteral("  &"), 0, 0).section(' ', -1);
      if (!m_Thread.joinable()) m_Thread = std::thread([this, pipe] { Read(pipe); });
      return QString::number(::getpid()) + "\n";
    };
  }
  void Arm() {
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Armed = true;
    m_First = Clock::time_point();
  }
  Clock::time_point First() {
    std::unique_lock<std::mutex> lock(m_Mutex);
    m_Seen.wait_for(lock, std::chrono::seconds(10), [this] { return !m_Armed; });
    return m_First;
  }

 private:
  void Read(const QString& pipe) {
    const int fd = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    char buf[65536];
    while (!m_Stop) {
      // Woken by the bytes themselves, as a player blocked in its read is.
      pollfd p{fd, POLLIN, 0};
      ::poll(&p, 1, 20);
      const ssize_t n = ::read(fd, buf, sizeof(buf));
      if (n > 0) {
        std::lock_guard<std::mutex> lock(m_Mutex);
        if (m_Armed) {
          m_First = Clock::now();
          m_Armed = false;
          m_Seen.notify_all();
        }
        continue;
      }
      // No writer yet (or between writers): poll answers at once.
      if (n == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ::close(fd);
  }
  std::thread m_Thread;
  std::atomic<bool> m_Stop{false};
  std::mutex m_Mutex;
  std::condition_variable m_Seen;
  bool m_Armed = false;
  Clock::time_point m_First;
};

QString VoicesFolder() { return KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/Vorn/Sound/Voices"); }

void WaitUntil(const std::function<bool()>& done) {
  for (int i = 0; i < 20000 && !done(); ++i) std::this_thread::sleep_for(std::chrono::microseconds(500));
}

void BM_SayTextToFirstBytes(benchmark::State& state) {
  VornFixture fx;
  if (fx.Up() != KLX_Ok) return state.SkipWithError("the facade did not come up");
  fx.db.KLX_DatabaseManagerAudioHandlerPointer()->KLX_AudioHandlerStop();
  CSimVoices::Write(VoicesFolder(), {"en_emma", "British English", "Emma", "en+f3"});
  KLX_TTS::AllowRestart();
  PipeReader reader;
  KLX_AudioDevices devices;
  devices.startPlayer = reader.Launcher();
  // The vario and the mixers are no part of this road: recording stand-ins,
  // the vario's never asking to be fed.
  KLX_ManualClock pcmClock;
  auto pcm = std::make_shared<FakePcm::Shared>();
  pcm->hold = true;
  FakeMixerLog mixers;
  devices.newPcmDevice = [&] { return std::make_unique<FakePcm>(pcmClock, pcm); };
  devices.newMixerElement = [&] { return std::make_unique<FakeMixerElement>(&mixers); };
  KLX_AudioHandler audio(devices);
  if (audio.KLX_AudioHandlerInitialize(&fx.db) != KLX_Ok) return state.SkipWithError("no audio thread");
  WaitUntil([] { return KLX_TTS::is_TTS_Operable(); });
  // The first phrase starts the player and sets the voice up.
  reader.Arm();
  audio.PutInSpeechQueue(kText, "en", "", -1);
  reader.First();
  for (auto _ : state) {
    WaitUntil([&] { return KLX_TTS::is_TTS_Operable() && audio.QueuedPhrases().isEmpty(); });
    reader.Arm();
    const Clock::time_point start = Clock::now();
    audio.PutInSpeechQueue(kText, "en", "", -1);
    const Clock::time_point first = reader.First();
    if (first == Clock::time_point()) return state.SkipWithError("no speech within 10 s");
    state.SetIterationTime(std::chrono::duration<double>(first - start).count());
  }
  WaitUntil([] { return KLX_TTS::is_TTS_Operable(); });
  audio.KLX_AudioHandlerStop();
}

// The floor: the stand-in alone, from the text handed over to its first samples.
struct Floor {
  std::mutex mutex;
  std::condition_variable changed;
  bool armed = false;
  bool ended = false;
  Clock::time_point first;
  static int Data(const void*, uint32_t bytes, void*, void* user) {
    auto* f = static_cast<Floor*>(user);
    std::lock_guard<std::mutex> lock(f->mutex);
    if (f->armed && bytes > 0) {
      f->first = Clock::now();
      f->armed = false;
      f->changed.notify_all();
    }
    return 0;
  }
  static int Event(int event, int, void*, void* user) {
    auto* f = static_cast<Floor*>(user);
    std::lock_guard<std::mutex> lock(f->mutex);
    if (event == NscEventSpeechEnd) f->ended = true;
    f->changed.notify_all();
    return 0;
  }
};

void BM_StandInAlone(benchmark::State& state) {
  QTemporaryDir dir;
  CSimVoices::Write(dir.path(), {"en_emma", "British English", "Emma", "en+f3"});
  NscHandle dispatcher = nullptr, context = nullptr, channel = nullptr, lock = nullptr;
  NscServerInfo info;
  Floor floor;
  NscCallbacks callbacks{Floor::Data, Floor::Event, {1, 1, 0, 0}, &floor};
  if (nscCreateDispatcher(&dispatcher) || nscCreateServerContext(1, 0, "127.0.0.1", &context) ||
      nscSetVoicesPaths(context, QFile::encodeName(dir.path()).constData()) || nscGetServerInfo(context, &info) ||
      nscInitChannel(context, "en_emma", 0, 0, dispatcher, &channel, "") ||
      nscLockChannel(context, channel, dispatcher, &lock) || nscStartChannel(lock, &callbacks))
    return state.SkipWithError("the stand-in did not start");
  auto speak = [&] {
    {
      std::lock_guard<std::mutex> l(floor.mutex);
      floor.armed = true;
      floor.ended = false;
    }
    const Clock::time_point start = Clock::now();
    nscAddTextEx(lock, "UTF-8", kText, sizeof(kText) - 1, nullptr);
    std::unique_lock<std::mutex> l(floor.mutex);
    floor.changed.wait_for(l, std::chrono::seconds(10), [&] { return !floor.armed; });
    const double seconds = std::chrono::duration<double>(floor.first - start).count();
    floor.changed.wait_for(l, std::chrono::seconds(10), [&] { return floor.ended; });
    return seconds;
  };
  speak();
  for (auto _ : state) state.SetIterationTime(speak());
  nscUnlockChannel(lock);
  nscCloseChannel(context, channel);
  nscReleaseServerContext(context);
}

}  // namespace

BENCHMARK(BM_StandInAlone)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SayTextToFirstBytes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
