// The runtime read-outs of the set-up screens against hand-worked values:
// curve interpolation (arithmetic shifts round down), the tri-value, the
// percent caches, the function preview over a linear curve with rate, expo,
// trim and differential, the servo-curve and travel previews, the radio
// test's messages, the low power pin, and the USB sticks and storages.
#include "model/model_fixture.h"
#include "platform/klx_platform.h"
#include "sim/csimboard.h"

namespace {
using VT = KLX_VornTask;
// A control id whose value is the constant in its low twelve bits.
constexpr int Constant(int value) { return 0x8000 | (value & 0xFFF); }

T_Curve Linear(int first, int step) {
  T_Curve c{};
  c.IsUsed = 1;
  for (int i = 0; i < KL_CURVE_POINTS; ++i) c.Point[i] = static_cast<int16_t>(first + step * i);
  c.RealPoints = KL_CURVE_POINTS;
  return c;
}
}  // namespace

class ReadoutsTest : public QObject {
  Q_OBJECT

 private slots:
  void curveValues_data() {
    QTest::addColumn<bool>("servo");
    QTest::addColumn<int>("step");  // points from -1600 (rising) or 1600 (falling), 100 apart
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("value");
    QTest::newRow("control: the first point") << false << 100 << -2047 << -1600;
    QTest::newRow("control: 47 of 128 up") << false << 100 << -2000 << -1564;
    QTest::newRow("control: falling, rounded down") << false << -100 << -2000 << 1563;
    QTest::newRow("control: centre") << false << 100 << 0 << -1;
    QTest::newRow("control: the end, two short of the last point") << false << 100 << 2047 << 1598;
    QTest::newRow("servo: near the start") << true << 100 << -4094 << -1600;
    QTest::newRow("servo: above the centre") << true << 100 << 100 << 39;
    QTest::newRow("servo: below the centre") << true << 100 << -100 << -40;
    QTest::newRow("servo: the end") << true << 100 << 4095 << 1599;
  }
  void curveValues() {
    QFETCH(bool, servo);
    QFETCH(int, step);
    QFETCH(int, x);
    QFETCH(int, value);
    const T_Curve curve = Linear(step > 0 ? -1600 : 1600, step);
    using R = KLX_RuntimeDatabaseManager;
    QCOMPARE(servo ? R::KLX_RuntimeDatabaseManagerGet_ServoCurveValue(x, &curve)
                   : R::KLX_RuntimeDatabaseManagerGet_CurveValue(x, &curve),
             value);
    QCOMPARE(R::KLX_RuntimeDatabaseManagerGet_CurveValue(x, nullptr), 0);
  }

  void triValue_data() {
    QTest::addColumn<QList<int>>("args");  // x, low, centre, high
    QTest::addColumn<int>("value");
    QTest::newRow("centre, clamped") << QList<int>{0, -500, 3000, 500} << 2047;
    QTest::newRow("half way up") << QList<int>{1024, -1000, 0, 2047} << 1024;
    QTest::newRow("half way down, toward zero") << QList<int>{-1024, -1000, 0, 2047} << -500;
    QTest::newRow("all the way down") << QList<int>{-2047, -2047, 1000, 2047} << -2047;
  }
  void triValue() {
    QFETCH(QList<int>, args);
    QFETCH(int, value);
    QCOMPARE(KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGet_ControlTriValue(args[0], args[1], args[2], args[3]),
             value);
  }

  void percentCaches_data() {
    QTest::addColumn<bool>("mixer");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("percent");
    QTest::newRow("rate: full") << false << 0 << 2047 << 100;
    QTest::newRow("rate: half") << false << 5 << 1024 << 50;
    QTest::newRow("rate: 49.98 % rounds up") << false << 5 << 1023 << 50;
    QTest::newRow("rate: beyond the functions") << false << 48 << 1 << int(KLX_Error);
    QTest::newRow("mixer: minus half") << true << 7 << -1024 << -50;
    QTest::newRow("mixer: beyond the mixers") << true << -1 << 1 << int(KLX_Error);
  }
  void percentCaches() {
    QFETCH(bool, mixer);
    QFETCH(int, index);
    QFETCH(int, value);
    QFETCH(int, percent);
    ModelFixture fx;
    KLX_RuntimeDatabaseManager& r = fx.runtime;
    QCOMPARE(mixer ? r.KLX_TriValMixerValue(0, value, index) : r.KLX_TriValRateValue(0, value, index), percent);
    QCOMPARE(mixer ? r.KLX_TriValMixerValue(1, 0, index) : r.KLX_TriValRateValue(1, 0, index), percent);
  }

  // Function 0 over a linear curve of points 120 apart (-1920..1920), the
  // rate control at full travel with a high rate of 50 % (1024), expo at
  // its centre of 0 (factor 0.999999995 to the power 2048 - |x|), the trim
  // lever at 1000 with a range of 50 % (500). Points 0, 1, 116 and 229 lie
  // at x = -2047, -2029, 17 and 2029.
  void functionPreview_data() {
    QTest::addColumn<int>("trimMode");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<int>("expoHigh");  // percent, positive side
    QTest::addColumn<QList<int>>("points");
    QTest::newRow("no trim: the factor below 1 trims toward zero")
        << int(VT::TRIMMODE_Inactive_Gui) << false << 0 << QList<int>{-959, -951, 6, 949};
    QTest::newRow("centre trim fades to the ends") << int(VT::TRIMMODE_Center_Gui) << false << 0
                                                   << QList<int>{-959, -947, 501, 953};
    QTest::newRow("left trim on the left only") << int(VT::TRIMMODE_Left_Gui) << false << 0
                                                << QList<int>{-459, -456, 6, 949};
    QTest::newRow("right trim on the right only") << int(VT::TRIMMODE_Right_Gui) << false << 0
                                                  << QList<int>{-959, -951, 10, 1444};
    QTest::newRow("offset trim, reversed") << int(VT::TRIMMODE_Offset_Gui) << true << 0
                                           << QList<int>{-1459, -1451, -494, 449};
    QTest::newRow("expo 50 % on the right side only") << int(VT::TRIMMODE_Inactive_Gui) << false << 50
                                                      << QList<int>{-959, -951, 1, 938};
  }
  void functionPreview() {
    QFETCH(int, trimMode);
    QFETCH(bool, reverse);
    QFETCH(int, expoHigh);
    QFETCH(QList<int>, points);
    EngineFixture fx;
    KLX_DataBaseManager& db = fx.db;
    T_Curve curve = Linear(-1920, 120);
    QVERIFY(db.KLX_DataBaseManagerCurveSet_CurveUnit(3, &curve) > KLX_Error);
    db.KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx(0, 3, AtomicDirSet, false);
    db.KLX_DataBaseManagerFunctionGetSet_ControlRate(0, Constant(2047), AtomicDirSet, false);
    db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateHi(0, 0, 50, AtomicDirSet, false);
    db.KLX_DataBaseManagerFunctionGetSet_ControlExpo(0, Constant(2047), AtomicDirSet, false);
    db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoHi(0, 0, expoHigh, AtomicDirSet, false);
    db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoNegHi(0, 0, 0, AtomicDirSet, false);
    db.KLX_DataBaseManagerFunctionGetSet_Trim_Control(0, Constant(1000), AtomicDirSet, false);
    db.KLX_DataBaseManagerFunctionGetSet_Trim_Range(0, 50, AtomicDirSet, false);
    db.KLX_DataBaseManagerFunctionGetSet_Trim_Mode(0, trimMode, AtomicDirSet, false);
    db.KLX_DataBaseManagerFunctionGetSet_Trim_IsReverse(0, reverse ? 1 : 0, AtomicDirSet, false);
    KLX_RuntimeDatabaseManager& r = fx.runtime;
    r.KLX_TriValDifferentialValue(0, 1024, 0);
    QCOMPARE(r.KLX_FunctionCalcCalculate(0, 0, true), 2);
    QList<int> got;
    for (int i : {0, 1, 116, 229}) got << r.KLX_FunctionGetValue(i, false);
    QCOMPARE(got, points);
    // The rate the preview used is kept in percent; a differential of 50 %
    // halves the positive side only.
    QCOMPARE(r.KLX_TriValRateValue(1, 0, 0), 50);
    QCOMPARE(r.KLX_FunctionGetValue(0, true), points[0]);
    QCOMPARE(r.KLX_FunctionGetValue(229, true), int((1.0 - 1024.0 / 2047.0) * points[3]));
    QCOMPARE(r.KLX_FunctionGetValue(230, false), 0);
  }

  // Servo 3 takes function 0 through servo-mixer slot 1 with curve 2; the
  // travel curve of -100 % to +100 % runs from -2047 to 2047.
  void servoCurveAndTravelPreviews() {
    EngineFixture fx;
    KLX_DataBaseManager& db = fx.db;
    T_Curve curve = Linear(-1920, 120);
    QVERIFY(db.KLX_DataBaseManagerCurveSet_CurveUnit(2, &curve) > KLX_Error);
    db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(0, 4, 3, AtomicDirSet, false);
    db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoMixId(0, 4, 1, AtomicDirSet, false);
    db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_ServoCurveIndex(3, 1, 2, AtomicDirSet, false);
    KLX_RuntimeDatabaseManager& r = fx.runtime;
    QCOMPARE(r.KLX_CalculateServoCurve(0, 3), 2);
    QList<int> got;
    for (int i : {0, 1, 115, 229, 230}) got << r.KLX_ServoCurveGetValue(i);
    QCOMPARE(got, (QList<int>{-1920, -1903, 0, 1903, 0}));
    QVERIFY(r.KLX_RuntimeDatabaseManagerCreateTravelServoCurve(-100, 100, 0));
    QCOMPARE(r.KLX_TravelServoCurveCalc(), 2);
    got.clear();
    for (int i : {0, 115, 229}) got << r.KLX_ServoTravelCurveGetValue(i);
    QCOMPARE(got, (QList<int>{-2046, 0, 2029}));
  }

  void radioTestAndPowerPin() {
    EngineFixture fx;
    fx.Drop();
    KLX_RuntimeDatabaseManager& r = fx.runtime;
    r.KLX_DataBaseManagerFCC01();
    r.KLX_DataBaseManagerFCC12();
    r.KLX_DataBaseManagerFCCBandwith(3);
    QList<QPair<int, QByteArray>> sent;
    for (const KLX_Message& m : fx.Sent()) sent << qMakePair(int(m.id), m.data);
    QCOMPARE(sent, (QList<QPair<int, QByteArray>>{{245, QByteArray::fromHex("0000")},
                                                 {245, QByteArray::fromHex("0301")},
                                                 {247, QByteArray::fromHex("03")}}));
    VornErrorWatch errors;
    errors.Expect(0x11909);
    QCOMPARE(r.KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(1, true), 1);
    QCOMPARE(r.KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(0, true), 0);
    QCOMPARE(r.KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(1, false), 0);
    QCOMPARE(errors.TakeReports(), (QList<QPair<unsigned, QString>>{{0x11909, "Power pin is LOW!"}}));
  }

  // Stick 3 in: the mask, the storages of the scan, a forced unmount through
  // the command runner; a stick that is not mounted cannot be unmounted.
  void sticksAndStorages() {
    VornTestRoot root;
    CSimBoard board(root.Path(), CSimBoard::Vorn);
    QVERIFY(board.Prepare());
    QVERIFY(board.SetUsbStickInserted(3, true));
    KLX_RuntimeDatabaseManager r;
    QCOMPARE(r.KLX_RuntimeDatabaseManagerFolderGetStorageInfo(), 1 << 3);
    QCOMPARE(r.KLX_RuntimeDatabaseManagerFolderGetStoragesCount(), 2);
    QCOMPARE(r.KLX_RuntimeDatabaseManagerFolderGetStoragePathByIdx(0x101), root.Path() + "/media/usb3");
    QCOMPARE(r.KLX_RuntimeDatabaseManagerFolderGetStorageLabelByIdx(1), QStringLiteral("USB3"));
    QCOMPARE(r.KLX_RuntimeDatabaseManagerUmountUsbAt(3), true);
    QCOMPARE(r.KLX_RuntimeDatabaseManagerUmountUsbAt(2), false);
    QCOMPARE(r.KLX_RuntimeDatabaseManagerUmountUsbAt(8), false);
    QCOMPARE(board.RecordedCommands(), (QStringList{"umount2 /media/usb3 1", "umount2 /media/usb2 1"}));
  }
};

QTEST_GUILESS_MAIN(ReadoutsTest)
#include "tst_readouts.moc"
