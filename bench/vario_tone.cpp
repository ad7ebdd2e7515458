// A minute of the vario's beep pattern rendered by the tone generator into
// the tests' recording PCM device, against the floor measured in the same
// run: the same samples written from a precomputed table in the same pieces.
// Both are processor time of the writing thread. The device plays by
// explicit steps of one period, so no clock or sleep is measured.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cstring>
#include <vector>

#include "audio/cbuzzer.h"
#include "audio_fixture.h"

namespace {

constexpr long kPeriod = 4800;
constexpr long kBuffer = 24000;
constexpr long kMinute = 60L * 48000;

double ThreadSeconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

struct Setup {
  KLX_ManualClock clock;  // never advanced: the device plays by Consume()
  std::shared_ptr<FakePcm::Shared> shared = std::make_shared<FakePcm::Shared>();
  FakePcm* device = nullptr;
  std::unique_ptr<CBuzzer> buzzer;

  Setup(unsigned freq, unsigned on, unsigned off) {
    // Held: the feeder thread never runs a pass; this thread runs them.
    shared->hold = true;
    auto pcm = std::make_unique<FakePcm>(clock, shared, true, kPeriod, kBuffer);
    device = pcm.get();
    buzzer = std::make_unique<CBuzzer>(std::move(pcm), &clock);
    buzzer->Init("vario", 48000, 2, 3);
    buzzer->async_callback();  // the stream starts on silence
    buzzer->Beep(freq, on, off, 80);
    Clear();
  }
  void Clear() {
    QMutexLocker lock(&shared->mutex);
    shared->samples.clear();
  }
  long Frames() const {
    QMutexLocker lock(&shared->mutex);
    return long(shared->samples.size() / 2);
  }
};

// Renders a minute through the generator; answers the thread's processor
// seconds and leaves the samples in the device's record.
double Render(Setup& s) {
  s.Clear();
  const double start = ThreadSeconds();
  while (s.Frames() < kMinute) {
    s.device->Consume(kPeriod);
    s.buzzer->async_callback();
  }
  return ThreadSeconds() - start;
}

// The same frames from a table, one period a pass through the same device.
double FromTable(Setup& s, const std::vector<int16_t>& table) {
  s.Clear();
  std::vector<int16_t> period(size_t(kPeriod) * 2);
  const double start = ThreadSeconds();
  for (long at = 0; at < kMinute; at += kPeriod) {
    s.device->Consume(kPeriod);
    std::memcpy(period.data(), table.data() + at * 2, period.size() * sizeof(int16_t));
    s.device->WriteInterleaved(period.data(), kPeriod);
  }
  return ThreadSeconds() - start;
}

void BM_VarioMinute(benchmark::State& state) {
  const unsigned freq = unsigned(state.range(0)), on = unsigned(state.range(1)), off = unsigned(state.range(2));
  Setup s(freq, on, off);
  Render(s);
  std::vector<int16_t> table;
  {
    QMutexLocker lock(&s.shared->mutex);
    table.assign(s.shared->samples.begin(), s.shared->samples.begin() + kMinute * 2);
  }
  Setup floorSetup(freq, on, off);
  double render = 0, floor = 0;
  for (auto _ : state) {
    const double took = Render(s);
    state.SetIterationTime(took);
    render += took;
    floor += FromTable(floorSetup, table);
  }
  const double n = double(state.iterations());
  state.counters["floor_ms"] = floor / n * 1e3;
  state.counters["ratio"] = render / floor;
}

}  // namespace

// The fastest climb (1000 Hz, 32/96 ms), a slow climb (270 Hz, 118/356 ms)
// and the sink tone (continuous 126 Hz).
BENCHMARK(BM_VarioMinute)->Args({1000, 32, 96})->Args({270, 118, 356})->Args({126, 0, 0})->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
