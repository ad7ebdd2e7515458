// How long a burst of messages takes to cross the desktop CAN stand-in from
// the message layer to the simulated controllers: 10,000 short messages, and
// 1,000 messages of 900 bytes (113 frames each). Every message must arrive.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>

#include "frame/klx_languagehandler.h"
#include "link/klx_messageids.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "platform/klx_platform.h"
#include "sim/csimcontrollers.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"

namespace {

struct Bus {
  QTemporaryDir root;
  KLX_RuntimeDatabaseManager runtime;
  KLX_DataBaseManager db;
  KLX_VornHandler vorn;
  KLX_Protocol protocol;
  CSimControllers* sim = nullptr;
  bool up = false;

  Bus() {
    KLX_Platform::SetRoot(root.path());
    QDir().mkpath(root.path() + "/run");
    sim = new CSimControllers(root.path());
    sim->SetStreaming(false);
    if (!sim->Serve(root.path() + "/run/can0")) return;
    if (db.KLX_DataBaseManagerInitialize(&protocol, &vorn, &KLXlanguageHandler, &runtime) != KLX_Ok) return;
    if (protocol.KLX_ProtocolInitialize(&db, &vorn) != KLX_Ok) return;
    // The stand-in joins the server within its retry period.
    for (int i = 0; i < 300 && sim->Received(KLX_MSG_DIRECTIONS_REQUEST) == 0; ++i) {
      protocol.KLX_ProtocolSendMessage(0, nullptr, KLX_MSG_DIRECTIONS_REQUEST, KLX_NODE_APPLICATION);
      QThread::msleep(10);
    }
    up = sim->Received(KLX_MSG_DIRECTIONS_REQUEST) > 0;
  }
  ~Bus() {
    protocol.KLX_ProtocolClose();
    delete sim;
  }
  // Waits until `frames` more frames have reached the simulator.
  bool WaitFrames(quint64 target) {
    for (int i = 0; i < 60000 && sim->FramesReceived() < target; ++i) QThread::usleep(100);
    return sim->FramesReceived() >= target;
  }
};

Bus& TheBus() {
  static Bus bus;
  return bus;
}

void Burst(benchmark::State& state, int count, int length, int framesEach) {
  Bus& bus = TheBus();
  if (!bus.up) {
    state.SkipWithError("stand-in not up");
    return;
  }
  const QByteArray data(length, char(0x5A));
  for (auto _ : state) {
    const quint64 target = bus.sim->FramesReceived() + quint64(count) * quint64(framesEach);
    for (int i = 0; i < count; ++i)
      bus.protocol.KLX_ProtocolSendMessage(unsigned(length), data.constData(), KLX_MSG_ELEMENT_VSWITCH,
                                        KLX_NODE_APPLICATION);
    if (!bus.WaitFrames(target)) {
      state.SkipWithError("messages were lost");
      return;
    }
  }
  state.SetItemsProcessed(state.iterations() * count);
  state.SetBytesProcessed(state.iterations() * qint64(count) * length);
}

void BM_ShortBurst10000(benchmark::State& state) { Burst(state, 10000, 8, 1); }
void BM_LongBurst1000x900(benchmark::State& state) { Burst(state, 1000, 900, 1 + 113); }

BENCHMARK(BM_ShortBurst10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_LongBurst1000x900)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
