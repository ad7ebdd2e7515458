// The capture of the sensors' descriptions against the simulated transceiver
// and its sensors: the exact requests, the sensor table it leaves, when it
// counts as complete, and how it goes on when the transceiver or a sensor
// does not answer as it should.
#include "telemetry_tasks/telemetry_tasks_fixture.h"

namespace {
using VT = KLX_VornTask;
constexpr int kBattery = 16, kStatus = 18, kGps = 20, kOwn = 4;
constexpr unsigned kRetries = 0x23702;
constexpr int kGet = AtomicDirGet;

// A battery with two values and a menu, a status sensor, a GPS receiver.
void SensorsOfEveryKind(CSimSensors& s) {
  s.Add(kBattery, "Battery");
  s.Describe(kBattery, 0, "Voltage", "V", 2);
  s.Describe(kBattery, 1, "Current", "A", 1);
  s.AddMenu(kBattery, {"Battery", "Akku", {}});
  s.Add(kStatus, "Status");
  s.SetStatus(kStatus, 24, "Ready");
  s.AddGps(kGps);
}

// One value description as the transceiver relays it.
QByteArray ValueDescription(int address, int index, int flags, const QByteArray& label, const QByteArray& unit) {
  QByteArray d;
  d.append(char(address)).append(char(index)).append(char(flags));
  return d + label.leftJustified(10, '\0') + unit.leftJustified(6, '\0');
}
}  // namespace

class CaptureTest : public QObject {
  Q_OBJECT
 private slots:
  void aRescanEndsExactlyWithTheLastDescription_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("measure");
    QTest::addColumn<QString>("start");
    QTest::newRow("English, metric") << "en" << 0 << "01 00";
    QTest::newRow("German, imperial") << "de" << 1 << "00 01";
  }
  void aRescanEndsExactlyWithTheLastDescription() {
    QFETCH(QString, language);
    QFETCH(int, measure);
    QFETCH(QString, start);
    SensorRig r;
    QVERIFY(r.Up());
    SensorsOfEveryKind(r.Sensors());
    // The GPS receiver's heading is held back, to come last.
    r.Sensors().SetMissingDescription(kGps, 3);
    r.Units(qPrintable(language), measure);
    r.Mark();

    QCOMPARE(r.Db().KLX_DataBaseManagerRescanTelemetry(), int(KLX_Ok));
    QVERIFY(r.Until([&] { return r.sim.Sensors().Seen().descriptionRequests == 1; }));
    QVERIFY(r.Passes(30));
    QCOMPARE(r.Received(SimTelemetryRescan), QStringList{""});
    QCOMPARE(r.Received(SimTelemetryStart), QStringList{start});
    QCOMPARE(r.Received(SimTelemetryRequest), QStringList{""});
    QCOMPARE(r.rescans, QList<int>());
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetIsCaptured(), 0);

    r.sim.Send(CSimControllers::Transceiver, SimTransceiverSensorValueInfo,
               ValueDescription(kGps, 3, 0, "Heading", "\xB0"));
    QVERIFY(r.Until([&] { return !r.rescans.isEmpty(); }));
    QVERIFY(r.Idle());
    QCOMPARE(r.rescans, QList<int>{3});
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetIsCaptured(), 1);

    // What the table holds: sensor, name, values, status, GPS, menu.
    struct SensorRow {
      int address;
      const char* name;
      int values, status, gps, menu;
    };
    for (const SensorRow& s : {SensorRow{kBattery, "Battery", 2, 0, 0, 1}, SensorRow{kStatus, "Status", 0, 1, 0, 0},
                               SensorRow{kGps, "GPS", 4, 0, 1, 1}, SensorRow{kOwn, "Vorn", 16, 0, 1, 0}}) {
      QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetSensorIsUsed(s.address), 1);
      QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetSensorName(s.address), QString::fromLatin1(s.name));
      QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetNumberOfSensorValues(s.address), s.values);
      QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetHasSensorStatus(s.address), s.status);
      QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetHasSensorGPS(s.address), s.gps);
      QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetHasSensorMenu(s.address), s.menu);
    }
    // Value: label, unit, decimals, GPS, status.
    struct ValueRow {
      int address, value;
      const char* label;
      QString unit;
      int decimals, gps, status;
    };
    for (const ValueRow& v :
         {ValueRow{kBattery, 0, "Voltage", "V", 2, 0, 0}, ValueRow{kBattery, 1, "Current", "A", 1, 0, 0},
          ValueRow{kStatus, 24, "Status", "", 0, 0, 1}, ValueRow{kGps, 3, "Heading", QString(QChar(0xB0)), 0, 0, 0},
          ValueRow{kGps, 4, "Longitude", "", 0, 1, 0}, ValueRow{kGps, 6, "Latitude", "", 0, 1, 0},
          ValueRow{kOwn, 3, "CPU Temp.", QString(QChar(0xB0)) + "C", 1, 0, 0},
          ValueRow{kOwn, 14, "Latitude", "", 255, 1, 0}}) {
      QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetSlave_IsUsed(v.address, v.value), 1);
      QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetSlaveLabel(v.address, v.value), QString::fromLatin1(v.label));
      QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetSlaveUnit(v.address, v.value), v.unit);
      QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(v.address, v.value), v.decimals);
      QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGet_Slave_HasGPS(v.address, v.value), v.gps);
      QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGet_Slave_HasStatus(v.address, v.value), v.status);
    }
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetSlave_IsUsed(kGps, 5), 0);
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetSlave_IsUsed(kOwn, 13), 0);
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetSensorIsUsed(17), 0);
  }

  void theOwnSensorKeepsWhatItSawAcrossRescans() {
    SensorRig r;
    QVERIFY(r.Up());
    r.Sensors().Add(kBattery, "Battery");
    r.Sensors().Describe(kBattery, 0, "Voltage", "V", 2);
    KLX_Telemetrie& t = r.Table();
    for (int rescan = 1; rescan <= 2; ++rescan) {
      QCOMPARE(r.Db().KLX_DataBaseManagerRescanTelemetry(), int(KLX_Ok));
      QVERIFY(r.Until([&] { return r.rescans.size() == rescan; }));
      QVERIFY(r.Idle());
      t.KLX_TelemetrieLock();
      // Preset once: the first live value sets both; a later rescan keeps them.
      QCOMPARE(t.KLX_TelemetrieGetSet_Slave_SlaveMaxValue(kOwn, 2, 0, kGet), rescan == 1 ? -32768 : 700);
      QCOMPARE(t.KLX_TelemetrieGetSet_Slave_SlaveMinValue(kOwn, 2, 0, kGet), rescan == 1 ? 32767 : 300);
      t.KLX_TelemetrieGetSet_Slave_SlaveMaxValue(kOwn, 2, 700, AtomicDirSet);
      t.KLX_TelemetrieGetSet_Slave_SlaveMinValue(kOwn, 2, 300, AtomicDirSet);
      t.KLX_TelemetrieUnlock();
    }
  }

  void aSensorThatNeverCompletes() {
    SensorRig r;
    QVERIFY(r.Up());
    SensorsOfEveryKind(r.Sensors());
    // The status sensor's status description never comes.
    r.Sensors().SetMissingDescription(kStatus, 24);
    VornErrorWatch errors;
    errors.Expect(kRetries);
    r.Mark();
    QCOMPARE(r.Db().KLX_DataBaseManagerRescanTelemetry(), int(KLX_Ok));
    QVERIFY(r.Until([&] { return r.sim.Sensors().Seen().descriptionRequests == 1; }));
    // 3 s without a description: asked once more (the one retry), then given up.
    QVERIFY(r.Until([&] { return r.sim.Sensors().Seen().descriptionRequests == 2; }));
    QVERIFY(r.Idle());
    QCOMPARE(r.Received(SimTelemetryRequest).size(), 2);
    QCOMPARE(errors.TakeCodes(), QList<unsigned>{kRetries});
    QCOMPARE(r.rescans, QList<int>());
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetIsCaptured(), 0);
    // What did arrive is in the table.
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetSensorName(kBattery), QString("Battery"));
  }

  // The transceiver's first answer says it is still looking for sensors,
  // or there is none: the capture asks again after 5 s, and meanwhile the
  // table says that sensors are being searched for.
  void aScanNotDoneIsAskedAgainLater_data() {
    QTest::addColumn<bool>("silent");
    QTest::newRow("not done") << false;
    QTest::newRow("no answer") << true;
  }
  void aScanNotDoneIsAskedAgainLater() {
    QFETCH(bool, silent);
    SensorRig r;
    QVERIFY(r.Up());
    SensorsOfEveryKind(r.Sensors());
    r.sim.TransceiverController().Answers().Set(CSimTransceiver::KeyTelemetryStatus, {0, silent, !silent, 1});
    r.Mark();
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetIsSearching(), 0);
    QCOMPARE(r.Db().KLX_DataBaseManagerRescanTelemetry(), int(KLX_Ok));
    QVERIFY(r.Until([&] { return r.sim.TransceiverController().Seen().telemetryStarts == 1; }));
    QVERIFY(r.Idle());
    QCOMPARE(r.Received(SimTelemetryRequest), QStringList());
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetIsSearching(), 1);
    r.sim.TransceiverController().Answers().Set(CSimTransceiver::KeyTelemetryStatus, {});
    QVERIFY(r.Until([&] { return !r.rescans.isEmpty(); }, 700));
    QCOMPARE(r.Received(SimTelemetryStart).size(), 2);
    QCOMPARE(r.Received(SimTelemetryRequest).size(), 1);
    QCOMPARE(r.rescans, QList<int>{3});
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetIsSearching(), 0);
  }

  // Switching off ends the search: the capture is not asked again.
  void theSearchEndsAtSwitchOff() {
    SensorRig r;
    QVERIFY(r.Up());
    SensorsOfEveryKind(r.Sensors());
    r.sim.TransceiverController().Answers().Set(CSimTransceiver::KeyTelemetryStatus, {0, false, true, 1});
    r.Mark();
    QCOMPARE(r.Db().KLX_DataBaseManagerRescanTelemetry(), int(KLX_Ok));
    QVERIFY(r.Until([&] { return r.sim.TransceiverController().Seen().telemetryStarts == 1; }));
    QVERIFY(r.Idle());
    r.Vorn().KLX_VornHandlerSwitchingOff();
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetIsSearching(), 0);
    // Twice the 5 s after which it came back.
    QVERIFY(r.Passes(1000));
    QCOMPARE(r.Received(SimTelemetryStart).size(), 1);
  }

  void rEdivFollowsASensorThatAppearsLater() {
    SensorRig r;
    QVERIFY(r.Up());
    SensorsOfEveryKind(r.Sensors());
    r.Sensors().SetAbsent(kGps, true);
    r.Db().KLX_DataBaseManagerReceiverModeSet(KLX_Receiver::RX_MODE_REDIV_14);
    r.Mark();
    QCOMPARE(r.Db().KLX_DataBaseManagerRescanTelemetry(), int(KLX_Ok));
    QVERIFY(r.Until([&] { return r.rescans.size() == 1; }));
    // Every 5 s the transceiver is asked again; the same count starts nothing.
    QVERIFY(r.Until([&] { return r.sim.TransceiverController().Seen().telemetryStarts == 3; }, 1200));
    QCOMPARE(r.Received(SimTelemetryRequest).size(), 1);
    r.Sensors().SetAbsent(kGps, false);
    QVERIFY(r.Until([&] { return r.rescans.size() == 2; }, 700));
    QCOMPARE(r.rescans, (QList<int>{2, 3}));
    QCOMPARE(r.Received(SimTelemetryRequest).size(), 2);
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetSensorName(kGps), QString("GPS"));
  }

  void withoutSensorsTheEmptyTableIsComplete() {
    SensorRig r;
    QVERIFY(r.Up());
    r.Mark();
    QCOMPARE(r.Db().KLX_DataBaseManagerRescanTelemetry(), int(KLX_Ok));
    QVERIFY(r.Until([&] { return !r.rescans.isEmpty(); }));
    QCOMPARE(r.rescans, QList<int>{0});
    QCOMPARE(r.Received(SimTelemetryRequest), QStringList());
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetIsCaptured(), 1);
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetSensorName(kOwn), QString("Vorn"));
  }
};

QTEST_GUILESS_MAIN(CaptureTest)
#include "tst_capture.moc"
