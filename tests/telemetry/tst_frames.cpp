// The sensor-bus frames as bytes (command frames, description frames, menu
// answers) and the sensor store's rules: limits, alarm flag, reset and move
// of sensors, aliases through the facade.
#include "../model/model_fixture.h"

#include "telemetry/klx_telemetrie.h"
#include "telemetry/klx_z2bus.h"

namespace {
QByteArray Bytes(const unsigned char* b, int n) { return QByteArray(reinterpret_cast<const char*>(b), n); }
}  // namespace

class FramesTest : public QObject {
  Q_OBJECT

 private slots:
  void commandFrames() {
    unsigned char b[6];
    QCOMPARE(KLX_Z2Bus::KLX_Z2BusSetCommandSensorMenuDataVal(b, 3, 1, 2, 1, 0, 7, 1), 5);
    QCOMPARE(Bytes(b, 5), QByteArray::fromHex("510312e507"));
    QCOMPARE(KLX_Z2Bus::KLX_Z2BusGetCommandSensorResetAdress(b, 3, 0, 0), 5);
    QCOMPARE(Bytes(b, 5), QByteArray::fromHex("610380e000"));
    QCOMPARE(KLX_Z2Bus::KLX_Z2BusGetCommandSensorNewAdress(b, 3, 7, 1, 9), 5);
    QCOMPARE(Bytes(b, 5), QByteArray::fromHex("610300fe09"));
    QCOMPARE(KLX_Z2Bus::KLX_Z2BusGetCommandSensorMenuStruct(b, 200, 2, 0), 5);
    QCOMPARE(Bytes(b, 5), QByteArray::fromHex("31c800e800"));
    QCOMPARE(KLX_Z2Bus::KLX_Z2BusGetCommandSensorMenuName(nullptr, 3, 0, 0, 0, 0), 0);
    QCOMPARE(KLX_Z2Bus::KLX_Z2BusGetLanguageByString("cn"), 7);
    QCOMPARE(KLX_Z2Bus::KLX_Z2BusGetLanguageByString("pt"), 0);
  }

  void descriptionsAreCollected() {
    KLX_Z2Bus bus;
    // A value description before the sensor's main information is not taken.
    const QByteArray early = QByteArray::fromHex("0a0501") + QByteArray(16, 'x');
    QCOMPARE(bus.KLX_Z2BusSetSensorValueInfo(reinterpret_cast<const unsigned char*>(early.constData())), 0);
    // Sensor 10: 8 values, status.
    const QByteArray main = QByteArray::fromHex("0a48") + QByteArray("Vario").leftJustified(16, '\0');
    QCOMPARE(bus.KLX_Z2BusSetSensorMainInfo(reinterpret_cast<const unsigned char*>(main.constData())), 1);
    auto value = [&](int index, int flags) {
      const QByteArray f = QByteArray(1, 10) + char(index) + char(flags) + QByteArray(16, '\0');
      return bus.KLX_Z2BusSetSensorValueInfo(reinterpret_cast<const unsigned char*>(f.constData()));
    };
    QCOMPARE(value(5, 0x41), 1);
    QCOMPARE(bus.KLX_Z2BusAllDataCollected(0), 0);
    for (int i = 0; i < 7; ++i) value(i == 5 ? 6 : i, 0);
    QCOMPARE(bus.KLX_Z2BusAllDataCollected(0), 0);  // the status description is missing
    QCOMPARE(value(24, 0x04), 1);
    QCOMPARE(bus.KLX_Z2BusAllDataCollected(0), 1);
    // Under an R-Ediv mask the transceiver's count must be reached too.
    QCOMPARE(bus.KLX_Z2BusAllDataCollected(64), 0);
    bus.KLX_Z2BusSetSesnorCount(1);
    QCOMPARE(bus.KLX_Z2BusAllDataCollected(64), 1);

    // Menu answers: item counts by nibble, step codes.
    const QByteArray structure = QByteArray::fromHex("0a030021436587");
    QCOMPARE(bus.KLX_Z2BusSetSensorMenuStructure(reinterpret_cast<const unsigned char*>(structure.constData())), 1);
    KLX_Z2Bus::MenuStructure s;
    QCOMPARE(bus.KLX_Z2BusGetSensorMenuStruct(&s), 10);
    QCOMPARE(Bytes(s.items, 8), QByteArray::fromHex("0102030405060708"));
    const QByteArray name = QByteArray::fromHex("0a0412") + char(0x8E) + QByteArray("Gain").leftJustified(16, '\0');
    QCOMPARE(bus.KLX_Z2BusSetSensorMenuData(reinterpret_cast<const unsigned char*>(name.constData())), 1);
    KLX_Z2Bus::MenuName n;
    bus.KLX_Z2BusGetSensorMenuData(&n);
    QCOMPARE(QList<int>({n.menu, n.item, n.stepSize, n.toggle, n.display, n.continuous}),
             QList<int>({1, 2, 100, 1, 1, 1}));
  }

  void storeLimitsAndRules() {
    KLX_Telemetrie t;
    VornErrorWatch watch;
    QCOMPARE(t.KLX_TelemetrieGetSet_NumberOfSensorValues(7, 32, AtomicDirSet), 31);
    QCOMPARE(t.KLX_TelemetrieGetSet_SensorMainAdress(7, 300, AtomicDirSet), 254);
    QCOMPARE(t.KLX_TelemetrieGetSet_SensorName(7, "A name longer than sixteen", AtomicDirSet), QString("A name longer th"));
    // The alarm flag: the same flag again keeps the changed bit as it was; dir 3 reads and clears it.
    QCOMPARE(t.KLX_TelemetrieGetSet_Slave_Alarm(7, 1, 1, AtomicDirSet), 0x81);
    QCOMPARE(t.KLX_TelemetrieGetSet_Slave_Alarm(7, 1, 1, AtomicDirSet), 0x81);
    QCOMPARE(t.KLX_TelemetrieGetSet_Slave_Alarm(7, 1, 0, 3), 0x81);
    QCOMPARE(t.KLX_TelemetrieGetSet_Slave_Alarm(7, 1, 1, AtomicDirSet), 1);
    // Bad indices: reported, answered with -70010 or an empty text.
    QCOMPARE(t.KLX_TelemetrieGetSet_SensorIsUsed(255, 1, AtomicDirSet), int(KLX_DatabaseValues::Indexes_Out_Of_Range));
    QCOMPARE(t.KLX_TelemetrieGetSet_Slave_SlaveValue(3, 32, 1, AtomicDirSet), int(KLX_DatabaseValues::Indexes_Out_Of_Range));
    QCOMPARE(t.KLX_TelemetrieGetSet_Slave_SlaveUnit(-1, 0, nullptr, AtomicDirGet), QString());
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{
                                      {0x51D01u, "sensor addr: 255"}, {0x51D0Bu, QString()}, {0x51D0Cu, QString()}}));

    // A clear keeps the aliases when asked, and the own sensor's descriptions.
    t.KLX_TelemetrieGetSet_SensorAlias(10, "Mine", AtomicDirSet);
    t.KLX_TelemetrieGetSet_Slave_SlaveAlias(10, 2, "Alt", AtomicDirSet);
    t.KLX_TelemetrieGetSet_Slave_SlaveValue(10, 2, 50, AtomicDirSet);
    t.KLX_TelemetrieGetSet_SensorName(4, "Vorn", AtomicDirSet);
    t.KLX_TelemetrieGetSet_Slave_SlaveValue(4, 5, 90, AtomicDirSet);
    t.KLX_TelemetrieGetSet_Slave_SlaveValue(4, 0, 800, AtomicDirSet);
    t.KLX_TelemetrieClearAllData(true);
    QCOMPARE(t.KLX_TelemetrieGetSet_SensorAlias(10, nullptr, AtomicDirGet), QString("Mine"));
    QCOMPARE(t.KLX_TelemetrieGetSet_Slave_SlaveAlias(10, 2, nullptr, AtomicDirGet), QString("Alt"));
    QCOMPARE(t.KLX_TelemetrieGetSet_Slave_SlaveValue(10, 2, 0, AtomicDirGet), 0);
    QCOMPARE(t.KLX_TelemetrieGetSet_SensorIsOffline(10, 0, AtomicDirGet), 1);
    QCOMPARE(t.KLX_TelemetrieGetSet_SensorName(4, nullptr, AtomicDirGet), QString("Vorn"));
    QCOMPARE(t.KLX_TelemetrieGetSet_Slave_SlaveValue(4, 5, 0, AtomicDirGet), 0);
    QCOMPARE(t.KLX_TelemetrieGetSet_Slave_SlaveValue(4, 0, 0, AtomicDirGet), 800);

    // A move takes the whole record along and leaves the old address empty.
    t.KLX_TelemetrieGetSet_SensorIsUsed(10, 1, AtomicDirSet);
    t.KLX_TelemetrieGetSet_Slave_SlaveValue(10, 2, -7, AtomicDirSet);
    QCOMPARE(t.KLX_TelemetrieSet_SensorMove(10, 20), 1);
    QCOMPARE(t.KLX_TelemetrieGetSet_SensorMainAdress(20, 0, AtomicDirGet), 20);
    QCOMPARE(t.KLX_TelemetrieGetSet_Slave_SlaveValue(20, 2, 0, AtomicDirGet), -7);
    QCOMPARE(t.KLX_TelemetrieGetSet_Slave_SlaveAlias(20, 2, nullptr, AtomicDirGet), QString("Alt"));
    QCOMPARE(t.KLX_TelemetrieGetSet_SensorIsUsed(10, 0, AtomicDirGet), 0);
    QCOMPARE(t.KLX_TelemetrieGetSet_SensorAlias(10, nullptr, AtomicDirGet), QString());
  }

  // The screens read the values when told of a change, and only the views
  // showing what changed: a notice names the sensors whose values changed
  // among those a view shows. A frame that brings what the store holds, or
  // a value no view shows, tells the screens nothing, else a still page
  // would be read at the bus's rate.
  void noticesNameTheShownSensorsThatChanged_data() {
    QTest::addColumn<int>("again");
    QTest::addColumn<bool>("offlineBefore");
    QTest::addColumn<int>("second");  // a second sensor's value in the same hold, or -1
    QTest::addColumn<bool>("clear");  // the table cleared in the same hold
    QTest::addColumn<int>("notices");
    QTest::addColumn<int>("kinds");
    QTest::addColumn<QVariantList>("sensors");
    const int sensors = KLX_DatabaseValues::LIVE_Sensors;
    const int table = KLX_DatabaseValues::LIVE_SensorTable;
    QTest::newRow("the same value") << 1260 << false << -1 << false << 0 << 0 << QVariantList{};
    QTest::newRow("a new value") << 1259 << false << -1 << false << 1 << sensors << QVariantList{16};
    QTest::newRow("the same value from a sensor that was offline")
        << 1260 << true << -1 << false << 1 << sensors << QVariantList{16};
    QTest::newRow("two shown sensors") << 1259 << false << 3 << false << 1 << sensors << QVariantList{3, 16};
    QTest::newRow("a sensor no view shows") << 1260 << false << 20 << false << 0 << 0 << QVariantList{};
    // Every sensor set back, the shown ones among them.
    QTest::newRow("the table cleared") << 1260 << false << -1 << true << 1 << (table | sensors) << QVariantList{3, 16};
  }
  void noticesNameTheShownSensorsThatChanged() {
    QFETCH(int, again);
    QFETCH(bool, offlineBefore);
    QFETCH(int, second);
    QFETCH(bool, clear);
    QFETCH(int, notices);
    QFETCH(int, kinds);
    QFETCH(QVariantList, sensors);
    KLX_Telemetrie t;
    t.KLX_TelemetrieLock();
    t.KLX_TelemetrieGetSet_Slave_SlaveValue(16, 0, 1260, AtomicDirSet);
    t.KLX_TelemetrieGetSet_SensorIsOffline(16, offlineBefore ? 1 : 0, AtomicDirSet);
    t.KLX_TelemetrieUnlock();
    KLX_LiveValues live;
    t.KLX_TelemetrieSetLiveValues(&live);
    // Two views show sensor 16, one of them ends; one shows sensor 3.
    for (int address : {16, 16, 3}) live.KLX_LiveValuesShowSensor(address, true);
    live.KLX_LiveValuesShowSensor(16, false);
    QSignalSpy told(&live, &KLX_LiveValues::changed);
    t.KLX_TelemetrieLock();
    t.KLX_TelemetrieGetSet_Slave_SlaveValue(16, 0, again, AtomicDirSet);
    if (second >= 0) t.KLX_TelemetrieGetSet_Slave_SlaveValue(second, 1, 7, AtomicDirSet);
    if (clear) t.KLX_TelemetrieClearAllData(true);
    t.KLX_TelemetrieUnlock();
    QCoreApplication::processEvents();
    QCOMPARE(told.count(), notices);
    if (notices == 0) return;
    QCOMPARE(told[0][0].toInt(), kinds);
    QCOMPARE(told[0][1].toList(), sensors);
  }

  // An alias written with update is model data: marked modified even when
  // the store had to cut it (else the cut alias is lost with the next load).
  void aliasesMarkTheModel_data() {
    QTest::addColumn<QString>("alias");
    QTest::addColumn<bool>("update");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("marked");
    QTest::newRow("fits") << "Climb" << true << "Climb" << true;
    QTest::newRow("cut to 10") << "Climbing rate" << true << "Climbing r" << true;
    QTest::newRow("no update") << "Climb" << false << "Climb" << false;
  }
  void aliasesMarkTheModel() {
    QFETCH(QString, alias);
    QFETCH(bool, update);
    QFETCH(QString, stored);
    QFETCH(bool, marked);
    ModelFixture fx;
    QCOMPARE(fx.db.KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(12, 3, alias, AtomicDirSet, update), stored);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetModelModifyFlag(), marked);
    QCOMPARE(fx.db.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(12, 3), stored);
    fx.db.KLX_DataBaseManagerSetModelModifyFlag(false);
    QCOMPARE(fx.db.KLX_DataBaseManagerTelemetrieGetSetSensorAlias(12, alias + "-sensor-alias", AtomicDirSet, update),
             (alias + "-sensor-alias").left(16));
    QCOMPARE(fx.db.KLX_DataBaseManagerGetModelModifyFlag(), marked);
  }
};

QTEST_GUILESS_MAIN(FramesTest)
#include "tst_frames.moc"
