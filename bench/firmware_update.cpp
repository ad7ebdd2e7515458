// Writing a full stick-controller firmware file (96 KiB in 384 rows of 256
// bytes) into the simulated boot loader over the desktop CAN stand-in, the
// bus paced at 1 Mbit/s, against the floor its frames and the protocol's
// waits allow: every frame that crossed the bus during the update (both
// ways, at its nominal bit length) at that rate, plus the one prescribed
// pause of 15 ms after the switch into the boot loader.
//
// Where the rest goes is broken out: loading the file (the same file loaded
// alone) and the turnaround per row (from the write answer on the bus to the
// next row's first frame: receiver thread, task engine, building the row's
// packets, sender thread), what is left per row after the floor and the load.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>

#include "bench/bench_transmitter.h"
#include "frame/klx_filenamehandler.h"
#include "sim/csimfirmware.h"
#include "update/klx_firmware.h"
#include "update/klx_firmwareupdate.h"

namespace {
constexpr int kBitsPerSecond = 1000000;
constexpr double kPrescribedWaits = KLX_FirmwareUpdate::kBootModeWaitMs / 1000.0;

struct Transmitter : BenchTransmitter {
  QString file;
  int rows = 0;
  bool up = false;

  Transmitter() : BenchTransmitter("firmware-update-bench") {
    file = KLX_FileNameHandler().KLX_FileNameHandlerGetUpdateFilePath() + "SC.bin";
    const CSimFirmwareSpec stick = CSimFirmwareSpec::ForStick(1, 9);
    rows = CSimFirmware::Rows(stick).size();
    if (!CSimFirmware::Write(file, stick) || !Start()) return;
    // The bookkeeping names the stick controller's file.
    db.KLX_DataBaseManagerUpdate_Set_Device_Name("SC");
    db.KLX_DataBaseManagerUpdateSetGetDeviceFilename("SC.bin", "SC", AtomicDirSet);
    up = sim->SetBusPacing(kBitsPerSecond);
  }
};

Transmitter& TheTransmitter() {
  static Transmitter t;
  return t;
}

double Seconds(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e9; }

void BM_StickFirmwareAt1Mbit(benchmark::State& state) {
  Transmitter& t = TheTransmitter();
  if (!t.up) {
    state.SkipWithError("transmitter not up");
    return;
  }
  double took = 0, floor = 0, load = 0;
  for (auto _ : state) {
    state.PauseTiming();
    t.WaitIdle();
    const int restarts = t.sim->UpdatePeers().Stick().Seen().restarts;
    const quint64 bitsBefore = t.sim->BusBits();
    Task_Data_T update;
    update.task = KLX_VornTask::KLX_TASK_UPDATE_FIRMWARE;
    update.paraint2 = KLX_FirmwareUpdate::KLX_FW_MODE_CONTROLLERS;
    update.paraint3 = KLX_FirmwareUpdate::kSelectStick;
    // The product's time-out: the idle ones after the device is done are
    // not timed.
    update.timeout = 2000;
    update.repeat = 7;
    update.source = KLX_VornTask::KLX_TASK_SOURCE_VORN;
    state.ResumeTiming();

    QElapsedTimer clock;
    clock.start();
    t.vorn.KLX_VornHandlerQueueProcessTask(update);
    // Done once the controller restarted into its new image.
    while (t.sim->UpdatePeers().Stick().Seen().restarts == restarts) {
      if (clock.elapsed() > 60000) {
        state.SkipWithError("the update did not end");
        return;
      }
      QThread::usleep(50);
    }
    const double s = Seconds(clock);

    state.PauseTiming();
    took += s;
    floor += static_cast<double>(t.sim->BusBits() - bitsBefore) / kBitsPerSecond + kPrescribedWaits;
    QElapsedTimer l;
    l.start();
    KLX_Firmware fw;
    benchmark::DoNotOptimize(fw.KLX_Firmware_Load(t.file));
    load += Seconds(l);
    state.ResumeTiming();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["rows"] = t.rows;
  state.counters["floor_ms"] = floor / n * 1e3;
  state.counters["ratio"] = took / floor;
  state.counters["load_ms"] = load / n * 1e3;
  state.counters["turnaround_us"] = (took - floor - load) / n / t.rows * 1e6;
}

BENCHMARK(BM_StickFirmwareAt1Mbit)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
