// Adapter and device properties with a BlueZ whose introspection data types
// them loosely (left out, or as variants): power, "Trusted", "Connected" and
// the glasses' characteristic still work. A program of its own: Qt D-Bus
// keeps what it learnt of an interface for the whole process.
#include "bluetooth_fixture.h"

using namespace wireless;

class TestBtProperties : public QObject {
  Q_OBJECT
 private slots:
  void looselyTypedProperties() {
    const QString mac = CSimBluez::kGlassesMac;
    BtFixture fx({mac + "=" + CSimBluez::Glasses()}, CSimBluez::Loose);
    QVERIFY(fx.bluez.Ok());
    QVERIFY(fx.UpAndOn());
    QCOMPARE(fx.db.KLX_DataBaseManagerBTPowerStatus(), 1);
    fx.db.KLX_DataBaseManagerHeadupSetTimerInterval(3600000);
    QVERIFY(fx.Connect(mac));
    QVERIFY(fx.bluez.Calls().contains("Set.Trusted /org/bluez/hci0/dev_C4_4F_33_5E_21_07"));
    // The set-up reaches the characteristic found by its UUID.
    QVERIFY(QTest::qWaitFor([&] { return fx.bluez.FrameCount() >= 4; }, kVornHangMs));
    QCOMPARE(fx.bluez.Frames().first().toHex(), QByteArray("ff010005aa"));
    // Connected: answered without a second connect.
    fx.heard.Take();
    fx.db.connectDev(mac);
    QCOMPARE(fx.heard.Take(), QStringList{"result 1"});
    QCOMPARE(fx.bluez.Calls().filter("Connect ").size(), 1);
    QCOMPARE(fx.db.KLX_DataBaseManagerBTTurnOFF(), int(KLX_Ok));
    QVERIFY(!fx.bluez.Powered());
    QCOMPARE(fx.db.KLX_DataBaseManagerBTPowerStatus(), 0);
  }
};

QTEST_GUILESS_MAIN(TestBtProperties)
#include "tst_bt_properties.moc"
