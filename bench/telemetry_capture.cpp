// A rescan of a full sensor set from the simulated transceiver over the
// desktop CAN stand-in, the bus paced at 1 Mbit/s, against the floor its
// frames allow: every frame that crossed the bus during the capture (both
// ways, at its nominal bit length) at that rate. The capture has no waits of
// its own: each step answers the transceiver's last message.
//
// The set: 32 sensors, each with 23 values and a status text, four of them
// with a GPS position; 800 descriptions in all.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include "frame/klx_board.h"
#include "frame/klx_languagehandler.h"
#include "link/klx_messageids.h"
#include "link/klx_protocol.h"
#include "model/engine/kl_engine.h"
#include "model/klx_databasemanager.h"
#include "platform/klx_platform.h"
#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"
#include "tasks/klx_guicommandhandler.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"

namespace {
constexpr int kBitsPerSecond = 1000000;
constexpr int kSensors = 32;
constexpr int kValues = 23;
constexpr int kFirstAddress = 16;
constexpr int kGpsSensors = 4;

struct Transmitter {
  QTemporaryDir root{QDir::currentPath() + "/telemetry-capture-bench-XXXXXX"};
  KLX_RuntimeDatabaseManager runtime;
  KLX_DataBaseManager db;
  KLX_GuiCommandHandler gui;
  KLX_VornHandler vorn;
  KLX_Protocol protocol;
  CSimControllers* sim = nullptr;
  bool up = false;

  Transmitter() {
    // The progress lines would time the terminal, not the capture.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type != QtDebugMsg && type != QtInfoMsg) fprintf(stderr, "%s\n", qPrintable(text));
    });
    KLX_Platform::SetRoot(root.path());
    kl_engine_init_parameters(KL_BOARD_VORN);
    Board::Init(E_BoardVorn);
    if (!CSimBoard(root.path(), CSimBoard::Vorn).Prepare()) return;
    sim = new CSimControllers(root.path());
    sim->SetStreaming(false);
    CSimSensors& sensors = sim->Sensors();
    for (int s = 0; s < kSensors; ++s) {
      const int address = kFirstAddress + s;
      sensors.Add(address, "Sensor " + QByteArray::number(s));
      for (int v = 0; v < kValues; ++v)
        sensors.Describe(address, v, "Value " + QByteArray::number(v), "V", v % 3);
      sensors.SetStatus(address, 24, "Ready");
      if (s < kGpsSensors) sensors.SetGps(address, 8, 99345000, 515420000);
    }
    if (!sim->Serve(root.path() + "/run/can0")) return;
    if (db.KLX_DataBaseManagerInitialize(&protocol, &vorn, &KLXlanguageHandler, &runtime) != KLX_Ok) return;
    if (vorn.KLX_VornHandlerInitialize(&db, &protocol, &gui, &runtime) != KLX_Ok) return;
    if (protocol.KLX_ProtocolInitialize(&db, &vorn) != KLX_Ok) return;
    protocol.KLX_ProtocolStartProcessing();
    // The stand-in joins the server within its retry period.
    for (int i = 0; i < 300 && sim->Received(KLX_MSG_DIRECTIONS_REQUEST) == 0; ++i) {
      protocol.KLX_ProtocolSendMessage(0, nullptr, KLX_MSG_DIRECTIONS_REQUEST, KLX_NODE_APPLICATION);
      QThread::msleep(10);
    }
    if (sim->Received(KLX_MSG_DIRECTIONS_REQUEST) == 0) return;
    // Normal operation, as after a start without a model.
    vorn.KLX_VornHandlerStartProcessing();
    vorn.KLX_VornHandlerRequestTask(KLX_VornTask::KLX_TASK_MOD_LOAD);
    vorn.KLX_VornHandlerSetResultTask(KLX_Error, KLX_VornTask::KLX_TASK_MOD_LOAD, KLX_VornTask::KLX_TASK_SOURCE_VORN);
    up = sim->SetBusPacing(kBitsPerSecond);
  }
  ~Transmitter() {
    vorn.KLX_VornHandlerStop();
    protocol.KLX_ProtocolClose();
    delete sim;
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
