// The engine thread: calculation and data passes alternate, a data pass
// copies only the marked elements, and what a calculation computes reaches
// the read-outs the screens poll.
#include "model/model_fixture.h"

#include <atomic>
#include <memory>
#include <thread>

#include "frame/klx_clock.h"
#include "model/klx_functionalcalculation.h"

namespace {
constexpr int W = 0;
constexpr int R = 1;

bool Refused() { return false; }

struct StickFixture : EngineFixture {
  using EngineFixture::EngineFixture;
  // A function on the left stick's up/down axis feeding servo 0.
  void StickToServo0() {
    db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 1, W, false);
    db.KLX_DataBaseManagerFunctionGetSet_Control(0, 256, W, false);
    KLX_SerFuncMatrix* matrix = db.KLX_DataBaseManagerSerFuncMatrix();
    const int mixer = matrix->KLX_SerFuncMatrixAddServoMixerToServoConfig(0, 0, &db);
    db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(0, 1, W, false);
    matrix->KLX_SerFuncMatrixSetIndexToFunction(0, 0, mixer, &db);
    db.KLX_DataBaseManagerGetSet_StickLeftUpDown(1000, W);
  }
};
}  // namespace

class TestEngineThread : public QObject {
  Q_OBJECT
 private slots:
  void passesAlternateAndTheClockAdvances() {
    StickFixture fx;
    QCOMPARE(fx.engine.KLX_FunctionalCalculationPhase(), 0);
    fx.engine.KLX_FunctionalCalculationPass();
    QCOMPARE(fx.engine.KLX_FunctionalCalculationPhase(), 1);
    fx.engine.KLX_FunctionalCalculationPass();
    QCOMPARE(fx.engine.KLX_FunctionalCalculationPhase(), 2);
    fx.engine.KLX_FunctionalCalculationPass();
    QCOMPARE(fx.engine.KLX_FunctionalCalculationPhase(), 1);
    QCOMPARE(fx.engine.KLX_FunctionalCalculationEngineClock(), 60u);
  }

  void anEditReachesTheServoAfterOneDataAndOneCalculationPass() {
    StickFixture fx;
    fx.engine.KLX_FunctionalCalculationPass();  // calculation: nothing copied yet
    fx.StickToServo0();
    QCOMPARE(fx.runtime.KLX_RuntimeDatabaseManagerGetServoData(0), 0);
    fx.engine.KLX_FunctionalCalculationPass();  // data
    QCOMPARE(fx.runtime.KLX_RuntimeDatabaseManagerGetServoData(0), 0);
    QVERIFY(!fx.Marked(KLX_UnitKind::Function, 0));
    fx.engine.KLX_FunctionalCalculationPass();  // calculation
    const int moved = fx.runtime.KLX_RuntimeDatabaseManagerGetServoData(0);
    QVERIFY2(moved > 0, qPrintable(QString::number(moved)));
    QCOMPARE(fx.runtime.KLX_RuntimeDatabaseManagerGetFunctionData(0) != 0, true);
  }

  // An update ends as a model load does, with the engine's data reset: the
  // model, unchanged in the database, is copied in again and the servo
  // follows the stick as before.
  void aResetRefillsTheModelFromTheDatabase() {
    StickFixture fx;
    fx.StickToServo0();
    for (int pass = 0; pass < 3; ++pass) fx.engine.KLX_FunctionalCalculationPass();
    const int moved = fx.runtime.KLX_RuntimeDatabaseManagerGetServoData(0);
    QVERIFY2(moved > 0, qPrintable(QString::number(moved)));
    fx.engine.KLX_FunctionalCalculationResetRuntimeData();
    fx.engine.KLX_FunctionalCalculationResetFunctionData();
    for (int pass = 0; pass < 3; ++pass) fx.engine.KLX_FunctionalCalculationPass();
    QCOMPARE(fx.runtime.KLX_RuntimeDatabaseManagerGetServoData(0), moved);
  }

  void onlyMarkedElementsAreCopied() {
    StickFixture fx;
    KLX_DataBaseManager& db = fx.db;
    // Written past the facade: no mark, so the engine keeps the default.
    db.KLX_DataBaseManagerMixerStore()->KLX_MixerGetSet_Control(3, 768, W, false);
    db.KLX_DataBaseManagerMixerGetSet_Control(4, 769, W, false);
    fx.engine.KLX_FunctionalCalculationPass();
    fx.engine.KLX_FunctionalCalculationPass();
    std::unique_ptr<T_SetupData> block(new T_SetupData);
    fx.engine.KLX_FunctionalCalculationCopySetup(block.get());
    QCOMPARE(int(block->Mixer[3].Control), 0);
    QCOMPARE(int(block->Mixer[4].Control), 769);
    QVERIFY(!fx.Marked(KLX_UnitKind::Mixer, 4));
  }

  void marksBeyondTheBoardsCountAreIgnored() {
    StickFixture fx(KL_BOARD_FENK);
    fx.runtime.KLX_RuntimeDatabaseManagerMarkFunction(40);
    fx.runtime.KLX_RuntimeDatabaseManagerMarkFunction(48);
    fx.runtime.KLX_RuntimeDatabaseManagerMarkFunction(-1);
    fx.runtime.KLX_RuntimeDatabaseManagerMarkFunction(31);
    QVERIFY(!fx.Marked(KLX_UnitKind::Function, 40));
    QVERIFY(!fx.Marked(KLX_UnitKind::Function, 48));
    QVERIFY(fx.Marked(KLX_UnitKind::Function, 31));
  }

  void noNewSequencerReportLeavesTheModeByte() {
    StickFixture fx;
    fx.db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 1, W, false);
    fx.engine.KLX_FunctionalCalculationPass();
    fx.engine.KLX_FunctionalCalculationPass();  // copies the mode 1
    fx.db.KLX_DataBaseManagerSetModelModifyFlag(false);
    for (int i = 0; i < 6; ++i) fx.engine.KLX_FunctionalCalculationPass();
    // The synchronisation answered KLX_Error every time: no state was written.
    QCOMPARE(fx.engine.KLX_FunctionalCalcGetSequencerActualDirection(0), 1);
    QCOMPARE(fx.db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 0, R), 1);
    QVERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  void sequencerStateIsRequestedEverySecond() {
    StickFixture fx;
    fx.db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 1, W, false);
    fx.db.KLX_DataBaseManagerSequencerGetSet_IsUsed(1, 1, W, false);
    fx.Drop();
    for (int i = 0; i < 49; ++i) fx.engine.KLX_FunctionalCalculationPass();
    QVERIFY(fx.Sent().isEmpty());
    fx.engine.KLX_FunctionalCalculationPass();
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(sent[0].id), 244);
  }

  void controlIdsFollowVirtualSwitchesOnly() {
    StickFixture fx;
    fx.engine.KLX_FunctionalCalculationPass();
    CControl* slot = fx.engine.GetControl(40);
    slot->SetID(9);  // a stand-in id: only a re-assignment puts the engine's back
    fx.db.KLX_DataBaseManagerMixerGetSet_Control(4, 769, W, false);
    fx.engine.KLX_FunctionalCalculationPass();
    fx.engine.KLX_FunctionalCalculationPass();
    QCOMPARE(int(slot->ID()), 9);
    fx.db.KLX_DataBaseManagerSwitchGetSet_IsUsed(8, 1, W, false);
    fx.engine.KLX_FunctionalCalculationPass();
    fx.engine.KLX_FunctionalCalculationPass();
    QCOMPARE(int(slot->ID()), int(kl_engine_get_control_ID(40)));
  }

  void servoReadOutsOutsideTheCountAreZero() {
    StickFixture fx(KL_BOARD_FENK);
    fx.runtime.KLX_RuntimeDatabaseManagerSetServoData(20, 500);
    QCOMPARE(fx.runtime.KLX_RuntimeDatabaseManagerGetServoData(-1), 0);
    QCOMPARE(fx.runtime.KLX_RuntimeDatabaseManagerGetServoData(26), 0);
    QCOMPARE(fx.runtime.KLX_RuntimeDatabaseManagerGetServoData(kl_engine_cfg_count(EngineCfgServos)), 0);
  }

  void theThreadRunsWherePriorityIsRefused() {
    ModelFixture fx;
    VornErrorWatch watch;
    KLX_ManualClock clock;
    KLX_FunctionalCalculation& engine = *fx.runtime.KLX_RuntimeDatabaseManagerEngine();
    engine.KLX_FunctionalCalculationSetPriorityRequest(Refused);
    engine.KLX_FunctionalCalculationSetClock(&clock);
    QCOMPARE(fx.runtime.KLX_RuntimeDatabaseManagerInitialize(&fx.db, &fx.protocol, nullptr), 1);
    QVERIFY(clock.KLX_ManualClockRun(3 * KLX_FunctionalCalculation::kPeriodMs));
    QCOMPARE(engine.KLX_FunctionalCalculationPasses(), 0);  // processing still off
    fx.db.KLX_DataBaseManagerGetSet_StickLeftUpDown(2047, W);
    fx.runtime.KLX_RuntimeDatabaseManagerStartProcessing(true);
    // Six periods of 20 ms: six passes, a data pass copying the stick and a
    // calculation publishing it among them.
    QVERIFY(clock.KLX_ManualClockRun(6 * KLX_FunctionalCalculation::kPeriodMs));
    QCOMPARE(engine.KLX_FunctionalCalculationPasses(), 6);
    QVERIFY(!engine.KLX_FunctionalCalculationHasTimeCriticalPriority());
    // The live stick value is published in its control slot.
    CControl* stick = engine.GetControlByID(256);
    QVERIFY(stick);
    QCOMPARE(int(stick->Value()), 2047);
    fx.runtime.KLX_RuntimeDatabaseManagerStopProcessing();
    QCOMPARE(fx.runtime.KLX_RuntimeDatabaseManagerStop(), 0);
    QVERIFY(!engine.isRunning());
    // Processing started and stopped, logged.
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x33901, 0x33902}));
  }

  void theChecksumIsNeverReadHalfWayThroughADataPass() {
    // The saver thread reads the checksum while the engine thread copies a
    // model into its block: every value read is that of the model before
    // or after a copy, never a mixture. The two models differ in the first
    // and in the last kind a data pass copies.
    EngineFixture fx;
    KLX_DataBaseManager& db = fx.db;
    for (int f = 0; f < KL_MAX_FUNCTIONS; ++f) db.KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 1, W, false);
    for (int n = 0; n < KL_MAX_SERVOS; ++n) db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(n, 1, W, false);
    auto edit = [&](int round) {
      for (int f = 0; f < KL_MAX_FUNCTIONS; ++f)
        db.KLX_DataBaseManagerFunctionGetSet_Control(f, round % 2 ? 256 : 257, W, false);
      for (int n = 0; n < KL_MAX_SERVOS; ++n)
        db.KLX_DataBaseManagerServoConfigGetSet_Group(n, round % 2 ? 1 : 2, W, false);
      return db.KLX_DataBaseManagerCalculateModelCRC(false);
    };
    const unsigned models[2] = {edit(0), edit(1)};
    QVERIFY(models[0] != models[1]);
    fx.DataPass();
    QCOMPARE(db.KLX_DataBaseManagerCalculateModelCRC(true), models[1]);

    std::atomic<bool> done{false};
    std::atomic<int> reads{0};
    QList<unsigned> torn;
    std::thread saver([&] {
      while (!done) {
        const unsigned crc = db.KLX_DataBaseManagerCalculateModelCRC(true);
        if (crc != models[0] && crc != models[1]) torn.append(crc);
        ++reads;
        // The engine's lock is no fair queue: leave the pass a way in.
        std::this_thread::yield();
      }
    });
    for (int round = 0; round < 40; ++round) {
      edit(round);
      const int before = reads;
      while (reads == before) std::this_thread::yield();
      fx.DataPass();
    }
    done = true;
    saver.join();
    QCOMPARE(torn, QList<unsigned>());
    QCOMPARE(db.KLX_DataBaseManagerCalculateModelCRC(true), models[1]);
  }

  void aThreadNeverInitialisedEndsWithItsReport() {
    VornErrorWatch watch;
    {
      KLX_FunctionalCalculation engine;
      engine.KLX_FunctionalCalculationInitialize(nullptr, nullptr);
      QVERIFY(!engine.KLX_FunctionalCalculationIsInitialized());
      engine.start();
      QVERIFY(engine.wait(kVornHangMs));
    }
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x13401});
  }
};

QTEST_GUILESS_MAIN(TestEngineThread)
#include "tst_passes.moc"
