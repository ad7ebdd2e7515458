// A rescan of a full sensor set from the simulated transceiver over the
// desktop CAN stand-in, the bus paced at 1 Mbit/s, against the floor its
// frames allow: every frame that crossed the bus during the capture (both
// ways, at its nominal bit length) at that rate. The capture has no waits of
// its own: each step answers the transceiver's last message.
//
// The set: 32 sensors, each with 23 values and a status text, four of them
// with a GPS position; 800 descriptions in all.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>

#include "bench/bench_transmitter.h"

namespace {
constexpr int kBitsPerSecond = 1000000;
constexpr int kSensors = 32;
constexpr int kValues = 23;
constexpr int kFirstAddress = 16;
constexpr int kGpsSensors = 4;

struct Transmitter : BenchTransmitter {
  bool up = false;

  Transmitter() : BenchTransmitter("telemetry-capture-bench") {
    up = Start([](CSimControllers& sim) {
      CSimSensors& sensors = sim.Sensors();
      for (int s = 0; s < kSensors; ++s) {
        const int address = kFirstAddress + s;
        sensors.Add(address, "Sensor " + QByteArray::number(s));
        for (int v = 0; v < kValues; ++v)
          sensors.Describe(address, v, "Value " + QByteArray::number(v), "V", v % 3);
        sensors.SetStatus(address, 24, "Ready");
        if (s < kGpsSensors) sensors.SetGps(address, 8, 99345000, 515420000);
      }
    });
    up = up && sim->SetBusPacing(kBitsPerSecond);
  }
};

Transmitter& TheTransmitter() {
  static Transmitter t;
  return t;
}

void BM_CaptureFullSensorSetAt1Mbit(benchmark::State& state) {
  Transmitter& t = TheTransmitter();
  if (!t.up) {
    state.SkipWithError("transmitter not up");
    return;
  }
  double took = 0, floor = 0;
  int descriptions = 0;
  for (auto _ : state) {
    state.PauseTiming();
    t.WaitIdle();
    const quint64 bitsBefore = t.sim->BusBits();
    const int sentBefore = t.sim->Sensors().Seen().descriptionsSent;
    state.ResumeTiming();

    QElapsedTimer clock;
    clock.start();
    if (t.db.KLX_DataBaseManagerRescanTelemetry() != KLX_Ok) {
      state.SkipWithError("the rescan was refused");
      return;
    }
    while (t.db.KLX_DataBaseManagerTelemetrieGetIsCaptured() != 1) {
      if (clock.elapsed() > 60000) {
        state.SkipWithError("the capture did not end");
        return;
      }
      QThread::usleep(50);
    }
    const double s = static_cast<double>(clock.nsecsElapsed()) / 1e9;

    state.PauseTiming();
    took += s;
    floor += static_cast<double>(t.sim->BusBits() - bitsBefore) / kBitsPerSecond;
    descriptions = t.sim->Sensors().Seen().descriptionsSent - sentBefore;
    state.ResumeTiming();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["descriptions"] = descriptions;
  state.counters["floor_ms"] = floor / n * 1e3;
  state.counters["ratio"] = took / floor;
  state.counters["turnaround_us"] = descriptions > 0 ? (took - floor) / n / descriptions * 1e6 : 0;
}

BENCHMARK(BM_CaptureFullSensorSetAt1Mbit)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
