// The time from the head-up window's tick to the last frame of a full batch
// (three servo rows, nine text frames) at the scripted glasses on the
// private bus, against the floor measured in the same run: the same nine
// frames written bare to the glasses' characteristic over the same bus,
// one synchronous call after the other. Both end when the fake reports the
// ninth frame received.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

#include <chrono>

#include "sim/csimbluez.h"
#include "vorn_fixture.h"
#include "wireless/activelookglasses.h"
#include "wireless/klx_bluetooth.h"
#include "wireless/klx_headupwindow.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kFrames = 9;

struct World {
  CSimBluez bluez{{CSimBluez::kGlassesMac + "=" + CSimBluez::Glasses()}};
  VornFixture fx;
  QList<QByteArray> batch;  // the frames of one batch, as the glasses got them
  bool ok = false;

  World() {
    if (!bluez.Ok() || fx.Up() != KLX_Ok || fx.db.KLX_DataBaseManagerBTTurnON() != KLX_Ok) return;
    fx.db.KLX_DataBaseManagerHeadupSetTimerInterval(3600000);
    for (int i = 0; i < 3; ++i) {
      fx.db.KLX_DataBaseManagerServoConfigGetSet_Name(i, QStringLiteral("Servo %1").arg(i), AtomicDirSet, false);
      fx.db.CreateHeadupItem(HeadupType_Servo);
      fx.db.KLX_DatabaseMangerHeadupSetServoIndex(i, i);
    }
    fx.db.connectDev(CSimBluez::kGlassesMac);
    if (!WaitFrames(4, 5000)) return;
    ActiveLookGlasses* glasses = fx.db.KLX_DatabaseManagerBTConnPointer()->glasses();
    if (!glasses || !glasses->service(ActiveLookGlasses::Commands_Server)) return;
    bluez.Clear();
    fx.db.KLX_HeadupPtr()->Transfer();
    if (!WaitFrames(kFrames, 5000)) return;
    batch = bluez.Frames();
    ok = batch.size() == kFrames;
  }
  bool WaitFrames(int n, int ms) {
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    while (bluez.FrameCount() < n) {
      if (Clock::now() > end) return false;
      QCoreApplication::processEvents();
    }
    return true;
  }
};

World* g_World = nullptr;

void BM_WindowTickToLastFrame(benchmark::State& state) {
  World& w = *g_World;
  if (!w.ok) {
    state.SkipWithError("glasses not set up");
    return;
  }
  for (auto _ : state) {
    w.bluez.Clear();
    const auto start = Clock::now();
    w.fx.db.KLX_HeadupPtr()->Transfer();
    if (!w.WaitFrames(kFrames, 5000)) {
      state.SkipWithError("batch incomplete");
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
}

void BM_BareWritesFloor(benchmark::State& state) {
  World& w = *g_World;
  if (!w.ok) {
    state.SkipWithError("glasses not set up");
    return;
  }
  const QString path = QStringLiteral("/org/bluez/hci0/dev_C4_4F_33_5E_21_07/service000c/char000d");
  for (auto _ : state) {
    w.bluez.Clear();
    const auto start = Clock::now();
    for (const QByteArray& frame : w.batch) {
      QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.bluez"), path,
                                                         QStringLiteral("org.bluez.GattCharacteristic1"),
                                                         QStringLiteral("WriteValue"));
      call << frame << QVariantMap();
      QDBusConnection::systemBus().call(call);
    }
    if (!w.WaitFrames(kFrames, 5000)) {
      state.SkipWithError("floor incomplete");
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
}

}  // namespace

BENCHMARK(BM_BareWritesFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_WindowTickToLastFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  qputenv("QT_LOGGING_RULES", "vorn.developer=false");
  benchmark::Initialize(&argc, argv);
  World world;
  g_World = &world;
  benchmark::RunSpecifiedBenchmarks();
  g_World = nullptr;
  return 0;
}
