// Loading a full model of the larger board (every element in use) into the
// simulated transceiver controller over the desktop CAN stand-in, the bus
// paced at 1 Mbit/s, against the floor its frames allow: every frame that
// crossed the bus during the load (both ways, at its nominal bit length)
// at that rate. The normal load has no waits of its own; the trim copy's
// pause is the protocol's only prescribed wait, and it is not part of a load.
//
// Where the rest goes is broken out: the model file read (the same file
// read alone, a counter) and the turnaround per unit (the time between an
// acknowledgement on the bus and the next unit's first frame, what is left
// per unit after the floor and the read).
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFileInfo>

#include "bench/bench_transmitter.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmlfilehandler.h"
#include "full_model.h"

namespace {
constexpr int kBitsPerSecond = 1000000;

struct Transmitter : BenchTransmitter {
  KLX_XMLFileHandler files{QStringLiteral("ModelLoadBench")};
  qint64 fileBytes = 0;
  bool up = false;

  Transmitter() : BenchTransmitter("model-load-bench") {
    if (!Start()) return;
    if (files.KLX_XMLFileHandlerInitialize(&db) != KLX_Ok) return;
    KLX_TestBuildFullModel(&db, 1);
    if (files.KLX_XMLFileHandlerWriteModelFile("Glider.xml", "Glider", 1, QString()) != KLX_Ok) return;
    fileBytes = QFileInfo(KLX_FileNameHandler().KLX_FileNameHandlerGetModelFilePath(1, QString(), false) +
                          "Glider.xml").size();
    up = sim->SetBusPacing(kBitsPerSecond);
  }
};

Transmitter& TheTransmitter() {
  static Transmitter t;
  return t;
}

double Seconds(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e9; }

void BM_LoadFullModelAt1Mbit(benchmark::State& state) {
  Transmitter& t = TheTransmitter();
  if (!t.up) {
    state.SkipWithError("transmitter not up");
    return;
  }
  double took = 0, floor = 0, read = 0;
  double idle[CSimControllers::GapKinds] = {};
  int units = 0;
  for (auto _ : state) {
    state.PauseTiming();
    t.WaitIdle();
    t.db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_NOTVALID, AtomicDirSet);
    const int unitsBefore = t.sim->TransceiverController().Seen().units;
    const quint64 bitsBefore = t.sim->BusBits();
    // The bus starts idle: the pause since the last load is not a gap.
    t.sim->SetBusPacing(kBitsPerSecond);
    quint64 idleBefore[CSimControllers::GapKinds];
    for (int g = 0; g < CSimControllers::GapKinds; ++g)
      idleBefore[g] = t.sim->BusIdleUs(CSimControllers::BusGap(g));
    Task_Data_T load;
    load.task = KLX_VornTask::KLX_TASK_MOD_LOAD;
    load.paraint1 = 1;
    KLX_TaskSetText(load.parastr1, QStringLiteral("Glider"));
    load.timeout = 15000;
    load.repeat = 3;
    load.source = KLX_VornTask::KLX_TASK_SOURCE_VORN;
    state.ResumeTiming();

    QElapsedTimer clock;
    clock.start();
    t.vorn.KLX_VornHandlerQueueProcessTask(load);
    // Done once the controller's END answer is taken and the model is ready.
    while (t.db.KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet) != KLX_VornTask::KLX_MODELLLOAD_STATUS_READY) {
      if (clock.elapsed() > 60000) {
        state.SkipWithError("the load did not end");
        return;
      }
      // Coarse enough to leave the processors to the load itself.
      QThread::usleep(500);
    }
    const double s = Seconds(clock);

    state.PauseTiming();
    took += s;
    floor += static_cast<double>(t.sim->BusBits() - bitsBefore) / kBitsPerSecond;
    units = t.sim->TransceiverController().Seen().units - unitsBefore;
    for (int g = 0; g < CSimControllers::GapKinds; ++g)
      idle[g] += double(t.sim->BusIdleUs(CSimControllers::BusGap(g)) - idleBefore[g]) / 1e6;
    QElapsedTimer r;
    r.start();
    benchmark::DoNotOptimize(t.files.KLX_XMLFileHandlerReadModelFile("Glider.xml", "Glider", 1, QString()));
    read += Seconds(r);
    state.ResumeTiming();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["units"] = units;
  state.counters["file_bytes"] = static_cast<double>(t.fileBytes);
  state.counters["floor_ms"] = floor / n * 1e3;
  state.counters["ratio"] = took / floor;
  state.counters["read_ms"] = read / n * 1e3;
  state.counters["turnaround_us"] = units > 0 ? (took - floor - read) / n / units * 1e6 : 0;
  // Where the bus stood idle: before each of the program's messages, inside
  // its long messages (frames handed over late), before the controller's answers.
  state.counters["idle_turn_ms"] = idle[CSimControllers::GapProgramTurnaround] / n * 1e3;
  state.counters["idle_within_ms"] = idle[CSimControllers::GapProgramWithinMessage] / n * 1e3;
  state.counters["idle_sim_ms"] = idle[CSimControllers::GapControllers] / n * 1e3;
}

BENCHMARK(BM_LoadFullModelAt1Mbit)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
