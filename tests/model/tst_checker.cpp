// The model checker's findings: the first inconsistency is reported with its
// own code and text and ends the check; a consistent model passes.
#include "model/klx_modelchecker.h"
#include "model/model_fixture.h"

namespace {
constexpr int W = AtomicDirSet;

struct Checked : ModelFixture {
  KLX_ModelChecker checker;
  explicit Checked(int board = KL_BOARD_VORN) : ModelFixture(board) {
    checker.KLX_ModelCheckerInitialize(&db, &runtime);
  }
  // A function with set-up curves in the used flight modes and a servo wired both ways.
  void Function(int f, int servo, int mixer) {
    db.KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 1, W, false);
    db.KLX_DataBaseManagerFunctionSetSetup(f);
    db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(servo, 1, W, false);
    db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelFuncIndex(servo, mixer, f, W, false);
    db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(f, 0, servo, W, false);
    db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoMixId(f, 0, mixer, W, false);
  }
  void FlightModes(int count) {
    for (int fm = 0; fm < count; ++fm) db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(fm, 1, W, false);
  }
  // A slot value the accessors would clamp, as a loaded record may hold it.
  void RawSlot(int f, int servo, int mixer) {
    T_Function r;
    db.KLX_DataBaseManagerFunctionCopySingleUnit(f, &r);
    r.Servo[1].ServoIdx = static_cast<uint16_t>(servo);
    r.Servo[1].ServoMixerIdx = static_cast<uint16_t>(mixer);
    db.KLX_DataBaseManagerFunctionSet_FunctionUnit(f, &r);
  }
};
}  // namespace

class TestChecker : public QObject {
  Q_OBJECT

 private slots:
  void initialiseNeedsBoth() {
    KLX_ModelChecker checker;
    VornErrorWatch watch;
    QCOMPARE(checker.KLX_ModelCheckerInitialize(nullptr, nullptr), int(KLX_Error));
    QCOMPARE(watch.TakeReports().value(0), (QPair<unsigned, QString>(0x14901, "KLX_ModelCheckerInitialize() gone wrong")));
    QCOMPARE(checker.KLX_ModelCheckerCheckLoadedModel(), 1);
  }

  void consistentModelPasses_data() {
    AddBoardRows();
  }

  void consistentModelPasses() {
    QFETCH(int, board);
    Checked c(board);
    c.FlightModes(3);
    c.Function(0, 2, 0);
    c.Function(1, 2, 1);
    c.db.KLX_DataBaseManagerFlightmodeSetFunctionNum(c.db.KLX_DataBaseManagerFunctionGetNumber());
    VornErrorWatch watch;
    QCOMPARE(c.checker.KLX_ModelCheckerCheckLoadedModel(), 1);
    QVERIFY(watch.TakeCodes().isEmpty());
  }

  void everyFunctionInUsePasses_data() { consistentModelPasses_data(); }

  void everyFunctionInUsePasses() {
    // With all the board's functions in use the flight modes count all of them.
    QFETCH(int, board);
    Checked c(board);
    c.FlightModes(1);
    const int functions = c.db.KLX_DataBaseManagerGetMaxFunctions();
    for (int f = 0; f < functions; ++f) {
      c.db.KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 1, W, false);
      c.db.KLX_DataBaseManagerFunctionSetSetup(f);
    }
    c.db.KLX_DataBaseManagerFlightmodeSetFunctionNum(c.db.KLX_DataBaseManagerFunctionGetNumber());
    VornErrorWatch watch;
    QCOMPARE(c.checker.KLX_ModelCheckerCheckLoadedModel(), 1);
    QVERIFY(watch.TakeCodes().isEmpty());
  }

  void noFunctionsNeedsFlightModesCountingNone() {
    Checked c;
    c.FlightModes(2);
    QCOMPARE(c.checker.KLX_ModelCheckerCheckLoadedModel(), 1);
    c.db.KLX_DataBaseManagerFlightmodeGetSet_FunctionNum(1, 1, W, false);
    VornErrorWatch watch;
    QCOMPARE(c.checker.KLX_ModelCheckerCheckLoadedModel(), int(KLX_Error));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x14905});
  }

  void findings_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<unsigned>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("servo 30") << 0 << 0x14902u << "model data not consistent, servoindex or servomixer index wrong";
    QTest::newRow("servo mixer 9") << 1 << 0x14902u << "model data not consistent, servoindex or servomixer index wrong";
    QTest::newRow("servo not used") << 2 << 0x14903u << "model data not consistent, servoindex not used";
    QTest::newRow("servo mixer names another function")
        << 3 << 0x14904u << "model data not consistent, function index not correct";
    QTest::newRow("function count of a flight mode")
        << 4 << 0x14905u << "model data not consistent, count of functions not correct in flightmode";
    QTest::newRow("function without a set-up")
        << 5 << 0x14906u << "model data not consistent, count of setup in functions not correct";
    QTest::newRow("mixer without a set-up")
        << 6 << 0x14907u << "model data not consistent, count of setup in mixers not correct";
  }

  void findings() {
    QFETCH(int, fault);
    QFETCH(unsigned, code);
    QFETCH(QString, text);
    Checked c;
    c.FlightModes(2);
    c.Function(0, 3, 0);
    c.Function(1, 4, 0);
    c.db.KLX_DataBaseManagerFlightmodeSetFunctionNum(2);
    KLX_DataBaseManager& db = c.db;
    switch (fault) {
      case 0: c.RawSlot(1, 30, 2); break;
      case 1: c.RawSlot(1, 3, 9); break;
      case 2: db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(4, 0, W, false); break;
      case 3: db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelFuncIndex(4, 0, 0, W, false); break;
      case 4: db.KLX_DataBaseManagerFlightmodeGetSet_FunctionNum(1, 1, W, false); break;
      case 5: db.KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(1, 1, 255, W, false); break;
      default:
        db.KLX_DataBaseManagerMixerGetSet_IsUsed(0, 1, W, false);
        db.KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(0, 0, 0, W, false);
        break;
    }
    // A second fault further on (a mixer without set-ups): only the first is reported.
    if (fault != 6) db.KLX_DataBaseManagerMixerGetSet_IsUsed(1, 1, W, false);
    VornErrorWatch watch;
    QCOMPARE(c.checker.KLX_ModelCheckerCheckLoadedModel(), int(KLX_Error));
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{{code, text}}));
  }

  void emptySlotIsSkippedOnTheSmallerBoard() {
    Checked c(KL_BOARD_FENK);
    c.FlightModes(1);
    c.Function(0, 17, 0);
    c.db.KLX_DataBaseManagerFlightmodeSetFunctionNum(1);
    // Slot 1 holds 26, more than the board's 18 servos, but means "empty".
    QCOMPARE(c.db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(0, 1, 0, AtomicDirGet), 26);
    QCOMPARE(c.checker.KLX_ModelCheckerCheckLoadedModel(), 1);
  }
};

QTEST_GUILESS_MAIN(TestChecker)
#include "tst_checker.moc"
