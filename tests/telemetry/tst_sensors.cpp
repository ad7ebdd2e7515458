// Sensors behind the simulated receiver reach the sensor table through the
// CAN stand-in: values with their extremes, signed values, positions and
// status texts, a silent sensor going offline and coming back, link quality
// in the transmitter's own sensor, and nothing while processing is off.
#include "telemetry_fixture.h"

#include <QSignalSpy>

#include <atomic>
#include <thread>

#include "model/klx_receiver.h"

// The facade signals on the receiver thread; the spy watches this relay.
class GpsRelay : public QObject {
  Q_OBJECT
 public:
  explicit GpsRelay(KLX_DataBaseManager* db) {
    connect(db, &KLX_DataBaseManager::gpsDataReceived, this, &GpsRelay::received, Qt::QueuedConnection);
  }
 signals:
  void received();
};

class SensorsTest : public QObject {
  Q_OBJECT

  static QList<int> Read(KLX_DataBaseManager& db, int address, int slave) {
    return {db.KLX_DataBaseManagerTelemetrieGetSlaveValue(address, slave),
            db.KLX_DataBaseManagerTelemetrieGetSetSlaveMaxValue(address, slave, 0, AtomicDirGet),
            db.KLX_DataBaseManagerTelemetrieGetSetSlaveMinValue(address, slave, 0, AtomicDirGet)};
  }

 private slots:
  void liveValuesKeepTheirExtremes() {
    TelemetryFixture r(true);
    CSimSensors& sensors = r.sim.Sensors();
    sensors.Add(10, "Temp");
    sensors.SetValue(10, 8, 150);
    sensors.SetValue(10, 9, -300);
    sensors.SetValue(10, 15, 32767);
    QVERIFY(r.Start());
    // A telemetry control watching value 9 sees the raw value too.
    QCOMPARE(r.db.KLX_DataBaseManagerTeleControlGetSet_FullAddr(2, 9 * 256 + 10, AtomicDirSet, false), 9 * 256 + 10);
    QVERIFY(r.Step(CSimSensors::kCycleMs, 801));
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSensorIsOffline(10), 0);
    // value, maximum, minimum: the first value is both extremes.
    QCOMPARE(Read(r.db, 10, 8), (QList<int>{150, 150, 150}));
    QCOMPARE(Read(r.db, 10, 9), (QList<int>{-300, -300, -300}));
    QCOMPARE(Read(r.db, 10, 15), (QList<int>{32767, 32767, 32767}));
    const int rows[][3] = {{170, -320, 0}, {160, -310, -32768}};
    for (const auto& row : rows) {
      sensors.SetValue(10, 8, row[0]);
      sensors.SetValue(10, 9, row[1]);
      sensors.SetValue(10, 15, row[2]);
      QVERIFY(r.Step(CSimSensors::kCycleMs, 802 + row[0]));
    }
    QCOMPARE(Read(r.db, 10, 8), (QList<int>{160, 170, 150}));
    QCOMPARE(Read(r.db, 10, 9), (QList<int>{-310, -300, -320}));
    QCOMPARE(Read(r.db, 10, 15), (QList<int>{-32768, 32767, -32768}));
    QCOMPARE(r.db.KLX_DataBaseManagerGetTeleControlRawValue(2), -310);
    // Restarting the extremes takes the present value.
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieResetSlaveMaxValue(10, 8), 1);
    QCOMPARE(Read(r.db, 10, 8), (QList<int>{160, 160, 150}));

    // A group running past value 31 keeps 28..31 and refuses the rest.
    VornErrorWatch watch;
    r.Values(10, 28, {1, 2, 3, 4, 5, 6, 7, 8});
    QVERIFY(r.Marked(830));
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSlaveValue(10, 31), 4);
    QVERIFY(watch.Has(0x51D0Bu));
  }

  void positionsAndStatusTexts() {
    TelemetryFixture r;
    QVERIFY(r.Start());
    GpsRelay relay(&r.db);
    QSignalSpy gps(&relay, &GpsRelay::received);
    const int values[4] = {1, 2, 3, -4};
    r.Frame(CSimSensors::GpsFrame(12, 0, values, 0x12345678, -0x01020304));
    r.Frame(CSimSensors::StatusFrame(12, 24, "Ready to go", true));
    QVERIFY(r.Settled());
    QList<int> read;
    for (int v = 0; v < 4; ++v) read << r.db.KLX_DataBaseManagerTelemetrieGetSlaveValue(12, v);
    QCOMPARE(read, (QList<int>{1, 2, 3, -4}));
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetLongtitude(12, 4), 0x12345678);
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetLatitude(12, 6), -0x01020304);
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGet_Slave_HasGPS(12, 0), 1);
    QCOMPARE(r.db.KLX_DataBaseManagerGPSSensorGetLongitude(), 0x12345678);
    QCOMPARE(r.db.KLX_DataBaseManagerGPSSensorGetLatitude(), -0x01020304);
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSlaveStatus(12, 24), QString("Ready to go"));
    // The alarm flag with its changed bit; reading with dir 3 clears the bit.
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGet_Slave_Alarm(12, 24, 3), 0x81);
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGet_Slave_Alarm(12, 24, 1), 0x01);
    QTRY_COMPARE(gps.count(), 1);

    // The transmitter's own sensor announces nothing and is no sensor position.
    r.Frame(CSimSensors::GpsFrame(4, 8, values, 111, 222));
    // A frame that is a status text and a position at once is refused whole.
    QByteArray both = CSimSensors::StatusFrame(12, 0, "xx");
    both[2] = char(0x60);
    r.Frame(both);
    // The link counts a frame once it has handled it: whatever the frames
    // announced already waits in this thread's queue.
    QVERIFY(r.Settled());
    QCoreApplication::sendPostedEvents(&relay, QEvent::MetaCall);
    QCOMPARE(gps.count(), 1);
    QCOMPARE(r.db.KLX_DataBaseManagerGPSSensorGetLongitude(), 0x12345678);
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSlaveValue(12, 0), 1);
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSlaveStatus(12, 0), QString());
  }

  // Readers take the store's lock; the live path writes under it: a status
  // text is read whole, never half old and half new.
  void aStatusTextIsNeverReadTorn() {
    TelemetryFixture r;
    QVERIFY(r.Start());
    const QByteArray texts[2] = {QByteArray(16, 'A'), QByteArray(16, 'B')};
    std::atomic<bool> done{false};
    std::thread sender([&] {
      for (int i = 0; i < 3000; ++i) r.Frame(CSimSensors::StatusFrame(40, 24, texts[i & 1]));
      done = true;
    });
    int torn = 0, reads = 0;
    while (!done || r.link.protocol.KLX_ProtocolFramesRead() < r.framesSent) {
      const QString text = r.db.KLX_DataBaseManagerTelemetrieGetSlaveStatus(40, 24);
      ++reads;
      if (!text.isEmpty() && text != texts[0] && text != texts[1]) ++torn;
    }
    sender.join();
    QVERIFY(reads > 100);
    QCOMPARE(torn, 0);
  }

  void aSilentSensorGoesOfflineAndComesBack_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("reports");  // reports a sensor stays online through
    QTest::newRow("two receivers") << int(KLX_Receiver::RX_MODE_NONE) << 25;
    QTest::newRow("R-Ediv") << int(KLX_Receiver::RX_MODE_REDIV_14) << 10;
  }
  void aSilentSensorGoesOfflineAndComesBack() {
    QFETCH(int, mode);
    QFETCH(int, reports);
    TelemetryFixture r(true);
    r.sim.Sensors().Add(20, "Rpm");
    r.sim.Sensors().SetValue(20, 0, 3000);
    QVERIFY(r.Start());
    r.db.KLX_DataBaseManagerReceiverStore()->SetMode(KLX_Receiver::rx_mode_t(mode));
    QCOMPARE(r.db.KLX_DataBaseManagerGetReceiverMode(), mode);
    QVERIFY(r.Step(CSimSensors::kCycleMs, 810));
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSensorIsOffline(20), 0);
    r.sim.Sensors().SetSilent(20, true);
    for (int i = 0; i < reports; ++i) QVERIFY(r.Step(CSimSensors::kCycleMs, 811 + i));
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSensorIsOffline(20), 0);
    QVERIFY(r.Step(CSimSensors::kCycleMs, 850));
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSensorIsOffline(20), 1);
    // One value brings it back, with a fresh count.
    r.sim.Sensors().SetSilent(20, false);
    QVERIFY(r.Step(CSimSensors::kCycleMs, 851));
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSensorIsOffline(20), 0);
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSlaveValue(20, 0), 3000);
  }

  void linkQualityReachesTheOwnSensorOnceASecond() {
    TelemetryFixture r(true);
    r.sim.SetLinkQuality(90, 80, -50, -60);
    QVERIFY(r.Start());
    QVERIFY(r.Step(100, 820));
    auto own = [&] {
      QList<int> v;
      for (int i = 4; i < 8; ++i) v << r.db.KLX_DataBaseManagerTelemetrieGetSlaveValue(4, i);
      return v;
    };
    QCOMPARE(own(), (QList<int>{90, 80, -50, -60}));
    r.sim.SetLinkQuality(70, 60, -70, -80);
    QVERIFY(r.Step(899, 821));
    QCOMPARE(own(), (QList<int>{90, 80, -50, -60}));
    QVERIFY(r.Step(1, 822));
    QCOMPARE(own(), (QList<int>{70, 60, -70, -80}));
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSensorIsOffline(4), 0);
  }

  void nothingIsStoredWhileProcessingIsStopped() {
    TelemetryFixture r;
    QVERIFY(r.Start());
    r.link.protocol.KLX_ProtocolStopProcessing();
    r.Values(30, 0, {55});
    r.Silent(31);
    QVERIFY(r.Settled());
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSlaveValue(30, 0), 0);
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSensorIsOffline(30), 1);
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSensorIsOffline(31), 1);
    r.link.protocol.KLX_ProtocolStartProcessing();
    r.Values(30, 0, {56});
    QVERIFY(r.Settled());
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSlaveValue(30, 0), 56);
  }
};

QTEST_GUILESS_MAIN(SensorsTest)
#include "tst_sensors.moc"
