// Devices over the private bus: which are listed (headsets by class and
// UUIDs, glasses by maker data and UUID), discovery, connect and disconnect
// with their results, removal, and the active headset.
#include "bluetooth_fixture.h"

using namespace wireless;

namespace {
QString Device(const QString& name, int cls, const QString& uuids, const QString& extra = QString()) {
  QString json = QStringLiteral(R"({"kind":"plain","name":"%1","uuids":[%2])").arg(name, uuids);
  if (cls >= 0) json += QStringLiteral(R"(,"class":%1)").arg(cls);
  return json + extra + "}";
}
const QString kSink = QStringLiteral(R"("0000110b-0000-1000-8000-00805f9b34fb")");
const QString kFwu = QStringLiteral(R"("0000fef5-0000-1000-8000-00805f9b34fb")");
}  // namespace

class TestBtDevices : public QObject {
  Q_OBJECT
 private slots:
  void listed_data() {
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("listed");
    // Audio/Video is major class 4 (0x400); minor class n sits in bits 2..7.
    QTest::newRow("wearable headset") << Device("A", 0x404, kSink) << true;
    QTest::newRow("hands-free without sink UUID") << Device("A", 0x408, "") << true;
    QTest::newRow("loudspeaker") << Device("A", 0x414, "") << true;
    QTest::newRow("headphones") << Device("A", 0x418, "") << true;
    QTest::newRow("microphone with sink UUID") << Device("A", 0x410, kSink) << false;
    QTest::newRow("phone with sink UUID") << Device("A", 0x20C, kSink) << true;
    QTest::newRow("phone without sink UUID") << Device("A", 0x20C, "") << false;
    QTest::newRow("no class") << Device("A", -1, kSink) << false;
    QTest::newRow("glasses 08 00") << Device("A", -1, kFwu, R"(,"manufacturer":{"56058":[8,0]})") << true;
    QTest::newRow("glasses 00 F2") << Device("A", -1, kFwu, R"(,"manufacturer":{"56058":[0,242]})") << true;
    QTest::newRow("glasses 00 00") << Device("A", -1, kFwu, R"(,"manufacturer":{"56058":[0,0]})") << false;
    QTest::newRow("glasses one byte") << Device("A", -1, kFwu, R"(,"manufacturer":{"56058":[8]})") << false;
    QTest::newRow("other maker") << Device("A", -1, kFwu, R"(,"manufacturer":{"76":[8,242]})") << false;
    QTest::newRow("glasses without maker data") << Device("A", -1, kFwu) << true;
    QTest::newRow("maker data without glasses UUID") << Device("A", -1, "", R"(,"manufacturer":{"56058":[8,0]})")
                                                     << false;
  }
  void listed() {
    QFETCH(QString, description);
    QFETCH(bool, listed);
    BtFixture fx({"00:11:22:33:44:55=" + description});
    QVERIFY(fx.bluez.Ok());
    QVERIFY(fx.UpAndOn());
    QCOMPARE(fx.db.getDevicesList(), listed ? QStringList{"A,00:11:22:33:44:55"} : QStringList());
  }

  void namesAndCounter() {
    QStringList devices;
    for (int i = 0; i < 12; ++i) devices << QStringLiteral("00:11:22:33:44:%1=").arg(i, 2, 10, QChar('0')) +
                                                (i == 0   ? QStringLiteral(R"({"kind":"plain","alias":"Only alias","class":1028})")
                                                 : i == 1 ? QStringLiteral(R"({"kind":"plain","class":1028})")
                                                          : Device(QString("H%1").arg(i), 0x404, kSink));
    BtFixture fx(devices);
    QVERIFY(fx.UpAndOn());
    const QStringList list = fx.db.getDevicesList();
    QCOMPARE(list.size(), 12);
    QCOMPARE(list.at(0), QStringLiteral("Only alias,00:11:22:33:44:00"));
    QCOMPARE(list.at(1), QStringLiteral("00:11:22:33:44:01,00:11:22:33:44:01"));
    QCOMPARE(fx.bt.devCount(), 10);
    QVERIFY(!fx.bt.isConnectAllowed());
    fx.db.connectDev(QStringLiteral("00:11:22:33:44:05"));
    QCOMPARE(fx.heard.Take(), QStringList{"result -70055"});
  }

  void discoveryAndPower() {
    BtFixture fx;
    QVERIFY(fx.bluez.Ok());
    QCOMPARE(fx.Up(), int(KLX_Ok));
    QCOMPARE(fx.db.KLX_DataBaseManagerBTPowerStatus(), 0);
    QVERIFY(fx.bluez.AddDiscoverable(CSimBluez::kHeadsetMac, CSimBluez::Headset()));
    QVERIFY(fx.bluez.AddDiscoverable(CSimBluez::kGlassesMac, CSimBluez::Glasses()));
    QCOMPARE(fx.db.KLX_DataBaseManagerBTTurnON(), int(KLX_Ok));
    QCOMPARE(fx.db.KLX_DataBaseManagerBTPowerStatus(), 1);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_BTPowerStatus(0, AtomicDirGet), 1);
    fx.db.scanStart();
    QVERIFY(fx.heard.WaitFor("new Pilot Headset " + CSimBluez::kHeadsetMac));
    QVERIFY(fx.heard.WaitFor("new ActiveLook " + CSimBluez::kGlassesMac));
    QVERIFY(fx.bt.glasses());
    fx.db.scanStop();
    QVERIFY(fx.bluez.SetError(QStringLiteral("StartDiscovery"), QStringLiteral("org.bluez.Error.InProgress")));
    QVERIFY(fx.bluez.SetError(QStringLiteral("StopDiscovery"), QStringLiteral("org.bluez.Error.Failed")));
    fx.heard.Take();
    fx.db.scanStart();
    fx.db.scanStop();
    QCOMPARE(fx.heard.Take(), (QStringList{"result -70051", "result -70052"}));
    QCOMPARE(fx.db.KLX_DataBaseManagerBTTurnOFF(), int(KLX_Ok));
    QVERIFY(!fx.bluez.Powered());
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_BTPowerStatus(0, AtomicDirGet), 0);
  }

  void connectAndRemove() {
    BtFixture fx({CSimBluez::kHeadsetMac + "=" + CSimBluez::Headset()});
    QVERIFY(fx.UpAndOn());
    QCOMPARE(fx.db.getDevicesList().size(), 1);
    QVERIFY(fx.Connect(CSimBluez::kHeadsetMac));
    QCOMPARE(fx.db.getActiveALSADeviceMac(), CSimBluez::kHeadsetMac);
    QCOMPARE(fx.bt.devCount(), 2);
    QVERIFY(QTest::qWaitFor([&] { return fx.GuardOf(CSimBluez::kHeadsetMac) != nullptr; }, kVornHangMs));
    const QStringList calls = fx.bluez.Calls();
    QCOMPARE(calls.filter("Connect ").size(), 1);
    QVERIFY(calls.contains("Set.Trusted /org/bluez/hci0/dev_00_1A_7D_DA_71_13"));

    // Already connected: the answer without a further connect.
    fx.heard.Take();
    fx.db.connectDev(CSimBluez::kHeadsetMac);
    QCOMPARE(fx.heard.Take(), QStringList{"result 1"});
    QCOMPARE(fx.bluez.Calls().filter("Connect ").size(), 1);
    QCOMPARE(fx.bt.devCount(), 2);

    // The headset goes: transport, PCM and guard with it.
    QVERIFY(fx.bluez.GoDown(CSimBluez::kHeadsetMac));
    QVERIFY(fx.heard.WaitFor("off " + CSimBluez::kHeadsetMac));
    QVERIFY(QTest::qWaitFor([&] { return fx.bt.guards().isEmpty(); }, kVornHangMs));
    QVERIFY(fx.db.getActiveALSADeviceMac().isEmpty());

    QCOMPARE(fx.db.removeDev(CSimBluez::kHeadsetMac), 1);
    QVERIFY(fx.heard.WaitFor("del " + CSimBluez::kHeadsetMac));
    QCOMPARE(fx.bt.devCount(), 1);
    fx.heard.Take();
    QCOMPARE(fx.db.removeDev(CSimBluez::kHeadsetMac), 0);
    QCOMPARE(fx.heard.Take(), QStringList{"result -70053"});
  }

  void connectFailures_data() {
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("heard");
    // BlueZ's own errors carry names of its own: nothing for the screen.
    QTest::newRow("bluez failure") << "org.bluez.Error.Failed" << QStringList();
    QTest::newRow("in progress") << "org.bluez.Error.InProgress" << QStringList();
    QTest::newRow("unknown object") << "org.freedesktop.DBus.Error.UnknownObject" << QStringList();
    QTest::newRow("no reply") << "org.freedesktop.DBus.Error.NoReply" << QStringList{"result -70054"};
    QTest::newRow("access denied") << "org.freedesktop.DBus.Error.AccessDenied" << QStringList{"result -70054"};
  }
  void connectFailures() {
    QFETCH(QString, error);
    QFETCH(QStringList, heard);
    BtFixture fx({CSimBluez::kHeadsetMac + "=" + CSimBluez::Headset()});
    QVERIFY(fx.UpAndOn());
    QVERIFY(fx.bluez.SetError(QStringLiteral("Connect"), error, QStringLiteral("Operation already in progress")));
    fx.heard.Take();
    fx.db.connectDev(CSimBluez::kHeadsetMac);
    // The answer is handled once the call's watcher is gone.
    QTRY_VERIFY(fx.bt.findChildren<QDBusPendingCallWatcher*>().isEmpty());
    QCOMPARE(fx.heard.Take(), heard);
    QCOMPARE(fx.bt.devCount(), 0);
    QVERIFY(fx.db.getActiveALSADeviceMac().isEmpty());
  }

  // A device object with Device1, the standard two and maybe more, named in
  // any order when it goes: announced once, removed once.
  void devicesWithMoreInterfaces_data() {
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("glasses");
    const QString extra = QStringLiteral(R"(,"extra":["org.bluez.Battery1","org.bluez.MediaControl1"],"removal":%1)");
    QTest::newRow("headset, device named first")
        << Device("Pilot", 0x404, kSink,
                  extra.arg(R"(["org.bluez.Device1","org.bluez.Battery1","org.bluez.MediaControl1",)"
                            R"("org.freedesktop.DBus.Introspectable","org.freedesktop.DBus.Properties"])"))
        << false;
    QTest::newRow("headset, device named last")
        << Device("Pilot", 0x404, kSink,
                  extra.arg(R"(["org.freedesktop.DBus.Properties","org.freedesktop.DBus.Introspectable",)"
                            R"("org.bluez.MediaControl1","org.bluez.Battery1","org.bluez.Device1"])"))
        << false;
    QTest::newRow("headset, only the standard two, in another order")
        << Device("Pilot", 0x404, kSink,
                  R"(,"removal":["org.bluez.Device1","org.freedesktop.DBus.Introspectable",)"
                  R"("org.freedesktop.DBus.Properties"])")
        << false;
    QTest::newRow("glasses with a battery")
        << Device("Pilot", -1, kFwu,
                  R"(,"manufacturer":{"56058":[8,0]},"extra":["org.bluez.Battery1"],"removal":["org.bluez.Battery1",)"
                  R"("org.freedesktop.DBus.Introspectable","org.bluez.Device1","org.freedesktop.DBus.Properties"])")
        << true;
  }
  void devicesWithMoreInterfaces() {
    QFETCH(QString, description);
    QFETCH(bool, glasses);
    const QString mac = QStringLiteral("00:11:22:33:44:55");
    BtFixture fx;
    QVERIFY(fx.UpAndOn());
    QVERIFY(fx.bluez.AddDiscoverable(mac, description));
    fx.db.scanStart();
    QVERIFY(fx.heard.WaitFor("new Pilot " + mac));
    QCOMPARE(fx.bt.glasses() != nullptr, glasses);
    QVERIFY(fx.bluez.RemoveDevice(mac));
    QVERIFY(fx.heard.WaitFor("del " + mac));
    QCOMPARE(fx.heard.Take(), (QStringList{"new Pilot " + mac, "del " + mac}));
    QVERIFY(!fx.bt.glasses());
  }

  // A second headset's transport while one carries audio changes nothing.
  void oneActiveHeadset() {
    const QString second = QStringLiteral("00:1A:7D:DA:71:99");
    BtFixture fx({CSimBluez::kHeadsetMac + "=" + CSimBluez::Headset(), second + "=" + CSimBluez::Headset("Second")});
    QVERIFY(fx.UpAndOn());
    QVERIFY(fx.Connect(CSimBluez::kHeadsetMac));
    fx.db.connectDev(second);
    QVERIFY(QTest::qWaitFor([&] { return fx.bt.guards().size() == 2; }, kVornHangMs));
    QVERIFY(fx.bluez.GoDown(second));
    QVERIFY(QTest::qWaitFor([&] { return fx.bt.guards().size() == 1; }, kVornHangMs));
    const QStringList lines = fx.heard.Take();
    QVERIFY(!lines.contains("on " + second));
    QVERIFY(!lines.contains("off " + second));
    QCOMPARE(fx.db.getActiveALSADeviceMac(), CSimBluez::kHeadsetMac);
  }
};

QTEST_GUILESS_MAIN(TestBtDevices)
#include "tst_bt_devices.moc"
