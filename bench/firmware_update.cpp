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

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include "frame/klx_board.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_languagehandler.h"
#include "link/klx_messageids.h"
#include "link/klx_protocol.h"
#include "model/engine/kl_engine.h"
#include "model/klx_databasemanager.h"
#include "platform/klx_platform.h"
#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"
#include "sim/csimfirmware.h"
#include "tasks/klx_guicommandhandler.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"
#include "update/klx_firmware.h"
#include "update/klx_firmwareupdate.h"

namespace {
constexpr int kBitsPerSecond = 1000000;
constexpr double kPrescribedWaits = KLX_FirmwareUpdate::kBootModeWaitMs / 1000.0;

struct Transmitter {
  QTemporaryDir root{QDir::currentPath() + "/firmware-update-bench-XXXXXX"};
  KLX_RuntimeDatabaseManager runtime;
  KLX_DataBaseManager db;
  KLX_GuiCommandHandler gui;
  KLX_VornHandler vorn;
  KLX_Protocol protocol;
  CSimControllers* sim = nullptr;
  QString file;
  int rows = 0;
  bool up = false;

  Transmitter() {
    // The progress lines would time the terminal, not the update.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type != QtDebugMsg && type != QtInfoMsg) fprintf(stderr, "%s\n", qPrintable(text));
    });
    KLX_Platform::SetRoot(root.path());
    kl_engine_init_parameters(KL_BOARD_VORN);
    Board::Init(E_BoardVorn);
    if (!CSimBoard(root.path(), CSimBoard::Vorn).Prepare()) return;
    file = KLX_FileNameHandler().KLX_FileNameHandlerGetUpdateFilePath() + "SC.bin";
    const CSimFirmwareSpec stick = CSimFirmwareSpec::ForStick(1, 9);
    rows = CSimFirmware::Rows(stick).size();
    if (!CSimFirmware::Write(file, stick)) return;
    sim = new CSimControllers(root.path());
    sim->SetStreaming(false);
    if (!sim->Serve(root.path() + "/run/can0")) return;
    if (db.KLX_DataBaseManagerInitialize(&protocol, &vorn, &KLXlanguageHandler, &runtime) != KLX_Ok) return;
    if (vorn.KLX_VornHandlerInitialize(&db, &protocol, &gui, &runtime) != KLX_Ok) return;
    if (protocol.KLX_ProtocolInitialize(&db, &vorn) != KLX_Ok) return;
    protocol.KLX_ProtocolStartProcessing();
    for (int i = 0; i < 300 && sim->Received(KLX_MSG_DIRECTIONS_REQUEST) == 0; ++i) {
      protocol.KLX_ProtocolSendMessage(0, nullptr, KLX_MSG_DIRECTIONS_REQUEST, KLX_NODE_APPLICATION);
      QThread::msleep(10);
    }
    if (sim->Received(KLX_MSG_DIRECTIONS_REQUEST) == 0) return;
    // Normal operation, as after a start without a model; the bookkeeping
    // names the stick controller's file.
    vorn.KLX_VornHandlerStartProcessing();
    vorn.KLX_VornHandlerRequestTask(KLX_VornTask::KLX_TASK_MOD_LOAD);
    vorn.KLX_VornHandlerSetResultTask(KLX_Error, KLX_VornTask::KLX_TASK_MOD_LOAD, KLX_VornTask::KLX_TASK_SOURCE_VORN);
    db.KLX_DataBaseManagerUpdate_Set_Device_Name("SC");
    db.KLX_DataBaseManagerUpdateSetGetDeviceFilename("SC.bin", "SC", AtomicDirSet);
    up = sim->SetBusPacing(kBitsPerSecond);
  }
  ~Transmitter() {
    vorn.KLX_VornHandlerStop();
    protocol.KLX_ProtocolClose();
    delete sim;
    Board::Free();
  }
  void WaitIdle() {
    int quiet = 0;
    while (quiet < 20) {
      const bool idle = vorn.KLX_VornHandlerEngine().KLX_ProcessVornCurrentTask() == 0 &&
                        vorn.KLX_VornHandlerGetState() == KLX_VornStateMachine::KLX_VORN_STATE_IDLE;
      quiet = idle ? quiet + 1 : 0;
      QThread::msleep(5);
    }
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
