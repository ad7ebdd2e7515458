// Servos added to and removed from functions: both sides of the wiring stay
// consistent, deleting a function releases only the curves it really held,
// and fail-safe settings spread to every function sharing a servo.
#include "model/model_fixture.h"

namespace {
constexpr int W = AtomicDirSet;
constexpr int R = AtomicDirGet;

// The unit load task's way of adding a servo to a function.
int AddServo(KLX_DataBaseManager& db, int servo, int function) {
  const int admitted = db.KLX_DataBaseManagerServoConfigNew(servo, function);
  if (admitted != KLX_Ok) return admitted;
  KLX_SerFuncMatrix* matrix = db.KLX_DataBaseManagerSerFuncMatrix();
  const int mixer = matrix->KLX_SerFuncMatrixAddServoMixerToServoConfig(servo, function, &db);
  db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(servo, 1, W, true);
  return matrix->KLX_SerFuncMatrixSetIndexToFunction(function, servo, mixer, &db);
}

void NewFunction(KLX_DataBaseManager& db, int function) {
  db.KLX_DataBaseManagerFunctionGetSet_IsUsed(function, 1, W, true);
}

// Every slot names a used servo whose mixer names the function back, and
// every servo mixer naming a function is named by one of its slots.
QString Inconsistency(KLX_DataBaseManager& db) {
  const int functions = db.KLX_DataBaseManagerGetMaxFunctions();
  const int servos = db.KLX_DataBaseManagerGetMaxServos();
  for (int f = 0; f < functions; ++f) {
    if (db.KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, R, false) != 1) continue;
    for (int k = 0; k < 10; ++k) {
      const int s = db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(f, k, 0, R, false);
      const int m = db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoMixId(f, k, 0, R, false);
      if (s >= servos) continue;
      if (db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(s, 0, R, false) != 1)
        return QString("function %1 names unused servo %2").arg(f).arg(s);
      if (db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelFuncIndex(s, m, 0, R, false) != f)
        return QString("servo %1 mixer %2 does not name function %3").arg(s).arg(m).arg(f);
    }
  }
  for (int s = 0; s < servos; ++s)
    for (int m = 0; m < 8; ++m) {
      const int f = db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelFuncIndex(s, m, 0, R, false);
      if (f >= functions) continue;
      bool named = false;
      for (int k = 0; k < 10; ++k)
        named |= db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(f, k, 0, R, false) == s &&
                 db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoMixId(f, k, 0, R, false) == m;
      if (!named) return QString("servo %1 mixer %2 names function %3 which does not name it").arg(s).arg(m).arg(f);
    }
  return QString();
}
}  // namespace

class TestMatrix : public QObject {
  Q_OBJECT

 private slots:
  void addingAndDeletingKeepsBothSidesConsistent_data() {
    AddBoardRows();
  }

  void addingAndDeletingKeepsBothSidesConsistent() {
    QFETCH(int, board);
    ModelFixture fx(board);
    KLX_DataBaseManager& db = fx.db;
    KLX_SerFuncMatrix* matrix = db.KLX_DataBaseManagerSerFuncMatrix();
    for (int f : {0, 1, 2}) NewFunction(db, f);
    QCOMPARE(matrix->KLX_SerFuncMatrixGetFreeServoMixerIndex(4, &db), 0);  // an unused servo
    QCOMPARE(AddServo(db, 4, 0), 1);
    QCOMPARE(AddServo(db, 5, 0), 1);
    QCOMPARE(AddServo(db, 4, 1), 1);  // servo 4 shared by functions 0 and 1
    QCOMPARE(AddServo(db, 6, 2), 1);
    QCOMPARE(Inconsistency(db), QString());
    QCOMPARE(db.KLX_DataBaseManagerServoConfigNew(4, 0), int(Servo_Already_In_Use));
    QCOMPARE(db.KLX_DataBaseManagerServoConfigNew(7, 9), int(Function_Not_Existing));
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelFuncIndex(4, 1, 0, R), 1);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMin(4, 1, 0, R), -50);
    QCOMPARE(matrix->KLX_SerFuncMatrixOtherFunctionsUseThisServo(0, 4, &db), 1);
    QCOMPARE(matrix->KLX_SerFuncMatrixOtherFunctionsUseThisServo(0, 5, &db), 0);
    QList<int> servos;
    QCOMPARE(matrix->KLX_SerFuncMatrixGetAllServosFromFunction(0, &servos, &db), 1);
    QCOMPARE(servos, (QList<int>{4, 5}));

    // Removing servo 4 from function 1 keeps it for function 0.
    QCOMPARE(db.KLX_DataBaseManagerServoConfigDelete(4, 1, false), 1);
    QCOMPARE(Inconsistency(db), QString());
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(4, 0, R), 1);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetServoNumberForFunction(1), 0);

    // Deleting function 0: its servos go with it unless another function drives them.
    QCOMPARE(AddServo(db, 5, 2), 1);
    db.KLX_DataBaseManagerFunctionDelete(0, &servos);
    QCOMPARE(Inconsistency(db), QString());
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 0, R), 0);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(4, 0, R), 0);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(5, 0, R), 1);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelFuncIndex(5, 0, 0, R), 48);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelFuncIndex(5, 1, 0, R), 2);
  }

  void anEleventhServoIsRefused() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    NewFunction(db, 3);
    for (int s = 0; s < 10; ++s) QCOMPARE(AddServo(db, s, 3), 1);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigNew(10, 3), int(Max_Servos_PerFunc_Reached));
    fx.Drop();
    QCOMPARE(db.KLX_DataBaseManagerSerFuncMatrix()->KLX_SerFuncMatrixSetIndexToFunction(3, 10, 0, &db), 0);
    QVERIFY(fx.Sent().isEmpty());
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetServoNumberForFunction(3), 10);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_ServoUseMask(3, 0, R), 0x3FF);
  }

  void aServoWithEightFunctionsIsFull() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    for (int f = 0; f < 8; ++f) {
      NewFunction(db, f);
      QCOMPARE(AddServo(db, 2, f), 1);
    }
    NewFunction(db, 8);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigNew(2, 8), int(Max_ServoMixer_Servoconfig_Reached));
    QCOMPARE(Inconsistency(db), QString());
  }

  void deletingAFunctionReleasesOnlyRealCurves() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    NewFunction(db, 0);
    VornErrorWatch watch;
    // Global curve 0 and set-up curve 255 (none): nothing to release, a clean success.
    QCOMPARE(db.KLX_DataBaseManagerFunctionClear(0), int(KLX_Ok));
    QVERIFY(watch.TakeCodes().isEmpty());
    // A function holding curves 7 (global) and 9 (flight mode 2) gives both back.
    NewFunction(db, 1);
    db.KLX_DataBaseManagerCurveGetSet_IsUsed(7, 1, W, false);
    db.KLX_DataBaseManagerCurveGetSet_IsUsed(9, 1, W, false);
    db.KLX_DataBaseManagerCurveGetSet_IsUsed(11, 1, W, false);
    db.KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx(1, 7, W, false);
    db.KLX_DataBaseManager_SetFunctionFlightModeDependent(1, 2, 1, false);
    db.KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(1, 2, 9, W, false);
    db.KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(1, 4, 11, W, false);  // not dependent: kept
    fx.Drop();
    QCOMPARE(db.KLX_DataBaseManagerFunctionClear(1), int(KLX_Ok));
    QVERIFY(watch.TakeCodes().isEmpty());
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsUsed(7, 0, R), 0);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsUsed(9, 0, R), 0);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsUsed(11, 0, R), 1);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent[0].data, Update(1, 7, 0, 0, 0, 1));
    QCOMPARE(sent[1].data, Update(1, 9, 0, 0, 0, 1));
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Name(1, "", R), QString("function"));
    QVERIFY(fx.Marked(KLX_UnitKind::Function, 1));
  }

  void failSafeSpreadsOverSharedServos() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    for (int f : {0, 3, 7, 8}) NewFunction(db, f);
    AddServo(db, 1, 0);
    AddServo(db, 1, 3);
    AddServo(db, 4, 3);
    AddServo(db, 4, 7);
    AddServo(db, 6, 8);  // not connected to function 0
    fx.runtime.KLX_RuntimeDatabaseManagerSetServoData(1, 300);
    fx.runtime.KLX_RuntimeDatabaseManagerSetServoData(4, -200);
    db.KLX_DataBaseManagerFunctionGetSet_FailSafePosMode(0, 2, W, false);
    fx.Drop();
    QCOMPARE(db.KLX_DataBaseManagerFunctionSetFailSafeConfigurationKLX(0), 0);  // function 47 unused, last query
    for (int f : {0, 3, 7}) QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_FailSafePosMode(f, 0, R), 2);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_FailSafePosMode(8, 0, R), 1);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_FailSafePosValue(1, 0, R), 300);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_FailSafePosValue(4, 0, R), -200);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_FailSafePosMode(6, 0, R), 1);
    // Each shared servo is written once: one mode update per servo.
    int servoModeWrites = 0;
    for (const KLX_Message& m : fx.Sent())
      if (m.id == 70 && m.data[0] == 15) ++servoModeWrites;
    QCOMPARE(servoModeWrites, 2);
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerFunctionSetFailSafeConfigurationKLX(48), int(KLX_Error));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x20C1C});
  }
};

QTEST_GUILESS_MAIN(TestMatrix)
#include "tst_matrix.moc"
