// The vario settings accessors of the facade against the vario settings:
// limits of tones, thresholds and gains, flight-mode blocks, activation,
// sensor address, units and the modify flag.
#include "model/model_fixture.h"

class TestVario : public QObject {
  Q_OBJECT

 private slots:
  void perFlightModeSettingsKeepTheirLimits_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("read");
    QTest::newRow("tone below") << "StartToneHz" << 100 << 200;
    QTest::newRow("tone above") << "StartToneHz" << 900 << 500;
    QTest::newRow("tone within") << "StartToneHz" << 321 << 321;
    QTest::newRow("climb gain below") << "ClimbingGain" << 3 << 5;
    QTest::newRow("climb gain above") << "ClimbingGain" << 300 << 200;
    QTest::newRow("descend gain") << "DescendGain" << 77 << 77;
    // Decimal position 1: 3 m/s are 30 tenths.
    QTest::newRow("threshold capped") << "PositiveSpeedThreshold" << 40 << 30;
    QTest::newRow("threshold negative input") << "PositiveSpeedThreshold" << -4 << 0;
    QTest::newRow("negative threshold reads positive") << "NegativeSpeedThreshold" << 5 << 5;
  }
  void perFlightModeSettingsKeepTheirLimits() {
    QFETCH(QString, field);
    QFETCH(int, written);
    QFETCH(int, read);
    ModelFixture fx;
    const QByteArray name = ("KLX_DataBaseManagerVarioGetSet" + field).toLatin1();
    int result = 0;
    if (field.contains("Threshold")) {
      QVERIFY(QMetaObject::invokeMethod(&fx.db, name.constData(), Q_RETURN_ARG(int, result), Q_ARG(int, written),
                                        Q_ARG(int, 4), Q_ARG(bool, false)));
    } else {
      result = InvokeInt(&fx.db, name.constData(), {written, 4, AtomicDirSet});
    }
    QCOMPARE(result, read);
    QVERIFY(fx.db.KLX_DataBaseManagerGetModelModifyFlag());
    QVERIFY(fx.Sent().isEmpty());
    // Flight mode 0 is untouched; a flight mode beyond 26 reads 0 and takes nothing.
    const TVarioFlightMode global = fx.db.KLX_DataBaseManagerVarioSettings()->Record(0);
    QCOMPARE(QList<int>({global.StartTone, global.ThldPos, global.ThldNeg, global.KPos, global.KNeg}),
             QList<int>({270, 1, -2, 150, 30}));
    fx.db.KLX_DataBaseManagerSetModelModifyFlag(false);
    QCOMPARE(InvokeInt(&fx.db, "KLX_DataBaseManagerVarioGetSetStartToneHz", {300, 27, AtomicDirSet}), 0);
    QVERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  void theNegativeThresholdIsStoredNegated() {
    ModelFixture fx;
    fx.db.KLX_DataBaseManagerVarioGetSetNegativeSpeedThreshold(7, 0, false);
    QCOMPARE(fx.db.KLX_DataBaseManagerVarioSettings()->Record(0).ThldNeg, -7);
    QCOMPARE(fx.db.KLX_DataBaseManagerVarioGetSetNegativeSpeedThreshold(0, 0, true), 7);
  }

  void flightModeBlocks() {
    ModelFixture fx;
    auto& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManager_SetVarioFlightModeDependent(0, 1, true), int(KLX_Error));
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
    db.KLX_DataBaseManagerVarioGetSetStartToneHz(400, 0, AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManager_SetVarioFlightModeDependent(3, 1, true), 1);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetStartToneHz(0, 3, AtomicDirGet), 400);
    QCOMPARE(db.KLX_DataBaseManager_IsVarioFlightModeDependent(3), 1);
    QCOMPARE(db.KLX_DataBaseManager_IsVarioFlightModeDependent(27), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerGetSetVarioSingleFmMask(0, AtomicDirGet, false), 0x8u);
    db.KLX_DataBaseManagerVarioGetSetStartToneHz(250, 3, AtomicDirSet);
    // Deleting the flight mode removes its block; its values stay behind.
    QCOMPARE(db.KLX_DataBaseManager_VarioFlightModeDel(3, true), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManager_IsVarioFlightModeDependent(3), 0);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetStartToneHz(0, 3, AtomicDirGet), 250);
    QCOMPARE(db.KLX_DataBaseManagerGetSetVarioSingleFmMask(0x30, AtomicDirSet, true), 0x30u);
  }

  void activationControls_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("result");
    QTest::newRow("none") << int(KL_BOARD_VORN) << 0 << 0;
    QTest::newRow("fixed on") << int(KL_BOARD_VORN) << 2 << 2;
    QTest::newRow("a physical switch") << int(KL_BOARD_VORN) << 768 << int(KLX_Error);
    QTest::newRow("last switch, larger") << int(KL_BOARD_VORN) << 1280 + 127 << 1280 + 127;
    QTest::newRow("beyond the switches, smaller") << int(KL_BOARD_FENK) << 1280 + 80 << int(KLX_Error);
    QTest::newRow("telemetry control") << int(KL_BOARD_VORN) << 1536 + 15 << 1536 + 15;
    QTest::newRow("beyond telemetry controls, smaller") << int(KL_BOARD_FENK) << 1536 + 4 << int(KLX_Error);
  }
  void activationControls() {
    QFETCH(int, board);
    QFETCH(int, control);
    QFETCH(int, result);
    ModelFixture fx(board);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetVarioActivationControlId(control, AtomicDirSet), result);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetModelModifyFlag(), result != int(KLX_Error));
  }

  void sensorAddress() {
    ModelFixture fx;
    auto& db = fx.db;
    // No arguments: no sensor, which is address 61, value 0.
    QCOMPARE(InvokeInt(&db, "KLX_DataBaseManagerSetVarioAddress", {}), 61);
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(db.KLX_DataBaseManagerGetVarioAddress(), 61);
    QCOMPARE(db.KLX_DataBaseManagerGetVarioSlaveAddress(), 0);
    QCOMPARE(InvokeInt(&db, "KLX_DataBaseManagerSetVarioAddress", {12, 3}), 3 * 256 + 12);
    QCOMPARE(db.KLX_DataBaseManagerGetVarioSlaveAddress(), 3);
    QCOMPARE(db.KLX_DataBaseManagerSetVarioAddress(300, 5, false), 61);
    QCOMPARE(db.KLX_DataBaseManagerSetVarioAddress(20, 255, false), 20);
  }

  void unitsConvertOnceAndReadOuts() {
    ModelFixture fx;
    auto& db = fx.db;
    db.KLX_DataBaseManagerVarioInitComplete();
    QCOMPARE(db.KLX_DataBaseManagerVarioGetPositiveSpeedThreshold(), 0.1f);
    QVERIFY(qAbs(db.KLX_DataBaseManagerVarioGetMaxClimbingSpeed() - (0.1f + 730.0f / 150)) < 1e-5f);
    QVERIFY(qAbs(db.KLX_DataBaseManagerVarioGetMaxDescendingSpeed() - (-0.2f - 220.0f / 30)) < 1e-5f);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetCoefficient(), 0.3048f);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetLowestToneHz(), 50);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetHighestToneHz(), 1000);
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    QCOMPARE(db.KLX_DataBaseManagerVarioSwitchUnitsSystem(true), 1);
    QCOMPARE(db.KLX_DataBaseManagerVarioSwitchUnitsSystem(true), 0);
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(db.KLX_DataBaseManagerVarioGetUnitsSystem(), 1);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetClimbingGain(0, 0, AtomicDirGet), 492);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetDescendGain(0, 0, AtomicDirGet), 98);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetPositiveSpeedThreshold(0, 0, true), 3);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetNegativeSpeedThreshold(0, 0, true), 7);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetStartToneHz(0, 0, AtomicDirGet), 270);
    // The imperial gain limit is 656.
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetClimbingGain(900, 0, AtomicDirSet), 656);
    db.KLX_DataBaseManagerVarioSetDecimalPosition(2, true);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetDecimalPosition(), 2);
    db.KLX_DataBaseManagerVarioSetDecimalPosition(7, true);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetDecimalPosition(), 2);
    db.KLX_DataBaseManagerVarioParamsClear();
    QCOMPARE(db.KLX_DataBaseManagerVarioGetUnitsSystem(), 0);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetClimbingGain(0, 0, AtomicDirGet), 150);
  }
};

QTEST_GUILESS_MAIN(TestVario)
#include "tst_vario.moc"
