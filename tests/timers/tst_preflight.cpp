// The preflight check: the tolerance around a start position, the controls
// it takes and refuses, the check's own rules, and a model load whose
// binding waits until a stick on the simulated stick controller is moved to
// its start position.
#include "model/klx_functionalcalculation.h"
#include "model/model_fixture.h"
#include "tasks/tasks_fixture.h"
#include "timers/klx_preflightsettings.h"

namespace {
using VT = KLX_VornTask;
constexpr int W = AtomicDirSet;
constexpr int R = AtomicDirGet;
constexpr int kStickA = CONTROLID_Stick_STA_GUI, kStickB = CONTROLID_Stick_STB_GUI;
constexpr int kTaskLoad = 2, kTaskBindConfig = 5;
}  // namespace

class PreflightTest : public QObject {
  Q_OBJECT

 private slots:
  void toleranceAroundTheStartPosition_data() {
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("inRange");
    QTest::newRow("5 %: 102 in") << 5 << 5 << 0 << 102 << true;
    QTest::newRow("5 %: 103 out") << 5 << 5 << 0 << 103 << false;
    QTest::newRow("5 %: -102 in") << 5 << 5 << 0 << -102 << true;
    QTest::newRow("5 %: -103 out") << 5 << 5 << 0 << -103 << false;
    QTest::newRow("0 % is 1 %: 20 in") << 0 << 1 << 500 << 520 << true;
    QTest::newRow("1 %: 21 out") << 1 << 1 << 500 << 521 << false;
    QTest::newRow("30 % is 25 %, clamped at the top") << 30 << 25 << 2000 << 2047 << true;
    // 511.75 below: the bound 1488.25 is truncated toward zero.
    QTest::newRow("25 %: 1488 in") << 25 << 25 << 2000 << 1488 << true;
    QTest::newRow("25 %: 1487 out") << 25 << 25 << 2000 << 1487 << false;
    QTest::newRow("position clamped to -2047") << 5 << 5 << -3000 << -2047 << true;
  }
  void toleranceAroundTheStartPosition() {
    QFETCH(int, accuracy);
    QFETCH(int, stored);
    QFETCH(int, position);
    QFETCH(int, value);
    QFETCH(bool, inRange);
    KLX_PreflightSettings p;
    QCOMPARE(p.KLX_PreflightSettingsGetSet_Accuracy(accuracy, 0), stored);
    QCOMPARE(p.KLX_PreflightSettingsGetSet_PhyControlID(kStickB, true, 0), kStickB);
    QCOMPARE(p.KLX_PreflightSettingsGetSet_ControlPosition(kStickB, position, 0), qBound(-2047, position, 2047));
    QCOMPARE(p.isControlInRange(0, value), inRange);
  }

  void controlsTakenAndRefused() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerPreflightCheckControl(CONTROLID_SW_HTO_GUI), 1);
    QCOMPARE(db.KLX_DataBaseManagerPreflightCheckControl(CONTROLID_Poti_SLB_GUI), 1);
    QCOMPARE(db.KLX_DataBaseManagerPreflightCheckControl(0x402), 0);
    QCOMPARE(db.KLX_DataBaseManagerPreflightCheckControl(65536 + kStickA), 0);
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(1280, true, W), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_ControlPosition(kStickA, 100, W), int(KLX_Error));
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(kStickA, true, W), kStickA);
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    // The position is taken as 16 bits of the id.
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_ControlPosition(0x10000 + kStickA, 300, W), 300);
    // Added again: its position starts at 0.
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(kStickA, true, W), kStickA);
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_ControlPosition(kStickA, 0, R), 0);
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetUsedControls(), 1);
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(0, false, R), kStickA);
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(32, false, R), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(kStickA, false, W), 0);
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetUsedControls(), 0);
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetControlStatus(0), 1);
    // 26 controls may take part: the table never fills.
    KLX_PreflightSettings p;
    for (int id = 0; id < 0x500; ++id)
      if (KLX_PreflightSettings::KLX_CheckControlInFixedList(id)) QCOMPARE(p.KLX_PreflightSettingsGetSet_PhyControlID(id, true, 0), id);
    QCOMPARE(p.KLX_PreflightSettingsGetUsedControls(), 26);
  }

  // The check's own rules: an empty list and a fast start pass at once, a
  // control the stick controller does not report does not block, a set from
  // the model file re-arms and one from the screens does not.
  void theCheck() {
    KLX_PreflightSettings p;
    const short values[] = {0, 900};
    const unsigned short ids[] = {kStickA, kStickB};
    QVERIFY(p.KLX_isPreflightListChecked());
    QVERIFY(p.KLX_PreflightSettingsGetSet_IsUsed(true, 0, true));
    QVERIFY(!p.KLX_isPreflightListChecked());
    QVERIFY(p.KLX_PreflightSettingsCheckControls(values, ids, 2, VT::KLX_BOOT_STATUS_NORMAL));
    p.KLX_PreflightSetIgnore(false);
    p.KLX_PreflightSettingsGetSet_PhyControlID(kStickB, true, 0);
    p.KLX_PreflightSettingsGetSet_PhyControlID(CONTROLID_SW_A_GUI, true, 0);
    QVERIFY(!p.KLX_PreflightSettingsCheckControls(values, ids, 2, VT::KLX_BOOT_STATUS_NORMAL));
    QCOMPARE(p.KLX_PreflightGetControlStatus(0), 0);
    QCOMPARE(p.KLX_PreflightGetControlStatus(1), 0);  // not reported: untested
    QVERIFY(!p.KLX_PreflightSettingsCheckControls(nullptr, ids, 2, VT::KLX_BOOT_STATUS_NORMAL));
    QVERIFY(p.KLX_PreflightSettingsCheckControls(values, ids, 2, VT::KLX_BOOT_STATUS_FASTSTART));
    QVERIFY(p.KLX_PreflightSettingsGetSet_IsUsed(true, 0, false));
    QVERIFY(p.KLX_isPreflightListChecked());
    QVERIFY(!p.KLX_PreflightSettingsGetSet_IsUsed(false, 0, true));
    QVERIFY(p.KLX_isPreflightListChecked());
  }

  // A model loaded from the screens with stick B listed at its centre:
  // the binding configuration waits while the stick stands at 60 %, and
  // is queued once it is moved back within 5 %.
  void aLoadWaitsForTheStick() {
    TaskRig r(true);
    r.sim.SetStreaming(true);
    QVERIFY(r.Start());
    KLX_DataBaseManager& db = r.Db();
    KLX_FunctionalCalculation& engine = *r.runtime.KLX_RuntimeDatabaseManagerEngine();
    QCOMPARE(engine.KLX_FunctionalCalculationInitialize(&db, &r.runtime), int(KLX_Ok));
    r.ToNormalMode();
    auto move = [&](int value) {
      if (!r.sim.SetControl(kStickB, value)) return false;
      for (QDeadlineTimer up(kVornHangMs); !up.hasExpired();) {
        if (QTest::qWaitFor([&] { return db.KLX_DataBaseManagerGetValueOfControl(kStickB) == value; }, 50)) return true;
        if (!r.Run(20)) return false;
      }
      return false;
    };
    auto tasks = [&] {
      QList<int> queued;
      Task_Data_T t;
      while (r.Vorn().KLX_VornHandlerTakeTask(&t)) queued << t.task;
      return queued;
    };
    QVERIFY(move(1228));
    // What the model file leaves: the check in use and re-armed.
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(kStickB, true, W, false), kStickB);
    QVERIFY(db.KLX_DataBaseManagerPreflightGetSet_IsUsed(true, W, false));
    QCOMPARE(db.KLX_DataBaseManagerPreflightIsChecked(), 0);
    QCOMPARE(r.Vorn().KLX_VornHandlerRequestTask(kTaskLoad), int(KLX_Ok));
    QCOMPARE(r.Vorn().KLX_VornHandlerSetResultTask(KLX_Done, kTaskLoad, VT::KLX_TASK_SOURCE_GUI), int(KLX_Done));
    QCOMPARE(r.Phase(), int(VT::KLX_PHASE_MODEL_PREFL));
    for (int i = 0; i < 10; ++i) engine.KLX_FunctionalCalculationPass();
    QCOMPARE(tasks(), QList<int>{});
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetControlStatus(0), 0);
    QVERIFY(move(90));
    for (int i = 0; i < 2; ++i) engine.KLX_FunctionalCalculationPass();
    QCOMPARE(db.KLX_DataBaseManagerPreflightIsChecked(), 1);
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetControlStatus(0), 1);
    QCOMPARE(tasks(), QList<int>{kTaskBindConfig});
    // Passed: no further binding.
    for (int i = 0; i < 10; ++i) engine.KLX_FunctionalCalculationPass();
    QCOMPARE(tasks(), QList<int>{});
  }
};

QTEST_GUILESS_MAIN(PreflightTest)
#include "tst_preflight.moc"
