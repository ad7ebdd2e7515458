// The Bluetooth screen against the scripted BlueZ on the private bus,
// touched as a user touches it: switched on, the known headset and glasses
// listed, the headset connected (marked as the one carrying audio), a
// search finding a new device, a device deleted, and the pop-ups of the
// manager's results.
#include "qml_frame/qml_frame_fixture.h"
#include "sim/csimbluez.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kBt = QStringLiteral("qrc:/Frontend/QML/BTSettings.qml");
const QString kNewMac = QStringLiteral("00:1A:7D:DA:71:55");
}  // namespace

class TestBluetoothScreen : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

  struct Frame {
    CSimBluez bluez;  // before the facade looks for its system bus
    QmlFrame f;
    explicit Frame(CSimBoard::Variant variant)
        : bluez({CSimBluez::kHeadsetMac + "=" + CSimBluez::Headset(), CSimBluez::kGlassesMac + "=" + CSimBluez::Glasses()}),
          f(g_app, variant) {}
    bool Open() {
      f.Call("", "openScreen", {kBt, QVariant()});
      return f.WaitShown(kBt);
    }
    QStringList Rows() {
      QStringList rows;
      for (const QVariant& row : f.Property("btScreen", "devices").toList()) {
        const QVariantMap m = row.toMap();
        rows << m.value("name").toString() + (m.value("active").toBool() ? " *" : "");
      }
      return rows;
    }
    QString State(const QString& button) { return f.Property(button, "state").toString(); }
  };

 private slots:
  void initTestCase() {
    QVERIFY(!CSimBluez::BusAddress().isEmpty());
    m_Warnings.Install();
  }
  void cleanup() { m_Warnings.Verify(); }

  void connectSearchDelete_data() { BoardRows(); }
  void connectSearchDelete() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    Frame fr{CSimBoard::Variant(variant)};
    QmlFrame& f = fr.f;
    QVERIFY(fr.bluez.Ok());
    QVERIFY(f.StartAtHome());
    QVERIFY(fr.Open());
    QCOMPARE(f.Property("btPower", "gp_text").toString(), QString("Switch on"));
    QCOMPARE(fr.State("btScan"), QString("disabled"));
    QCOMPARE(fr.State("btConnect"), QString("disabled"));
    f.Settle();
    f.Grab("bt-off-" + tag + ".png");

    // On: the known devices listed, none chosen yet.
    QVERIFY(f.Tap("btPower"));
    QTRY_COMPARE(f.Property("btPower", "gp_text").toString(), QString("Switch off"));
    QVERIFY(fr.bluez.Powered());
    QCOMPARE(fr.Rows(), (QStringList{"Pilot Headset", "ActiveLook"}));
    QCOMPARE(fr.State("btConnect"), QString("disabled"));

    // The headset chosen and connected: the pop-up and the mark.
    QVERIFY(f.Tap("device_" + CSimBluez::kHeadsetMac));
    QTRY_COMPARE(fr.State("btConnect"), QString());
    QVERIFY(f.Tap("btConnect"));
    QTRY_COMPARE(f.PopupText(), QString("The device is successfully connected"));
    f.Call("", "popupClose");
    QTRY_COMPARE(fr.Rows(), (QStringList{"Pilot Headset *", "ActiveLook"}));
    QTRY_COMPARE(f.Property("device_" + CSimBluez::kHeadsetMac, "gp_text").toString(),
                 QString("<<< Pilot Headset >>>"));
    f.Settle();
    f.Grab("bt-connected-" + tag + ".png");

    // A search: the hint, the new device as it turns up, stopped by a touch.
    QVERIFY(fr.bluez.AddDiscoverable(kNewMac, CSimBluez::Headset("Club Headset")));
    QVERIFY(f.Tap("btScan"));
    QTRY_COMPARE(f.PopupText(), QString("It may take up to 15 seconds to scan bluetooth devices"));
    f.Call("", "popupClose");
    QTRY_COMPARE(fr.Rows(), (QStringList{"Pilot Headset *", "ActiveLook", "Club Headset"}));
    QCOMPARE(fr.State("btConnect"), QString("disabled"));
    QCOMPARE(f.Property("scanTimer", "running").toBool(), true);
    QVERIFY(f.Tap("btScan"));
    QTRY_COMPARE(f.Property("btScreen", "scanning").toBool(), false);
    QVERIFY(fr.bluez.Calls().contains("StopDiscovery /org/bluez/hci0"));

    // The glasses deleted: gone from BlueZ and from the list.
    QVERIFY(f.Tap("device_" + CSimBluez::kGlassesMac));
    QTRY_COMPARE(fr.State("btDelete"), QString());
    QVERIFY(f.Tap("btDelete"));
    QTRY_COMPARE(fr.Rows(), (QStringList{"Pilot Headset *", "Club Headset"}));

    // A failed connect tells the pilot.
    QVERIFY(fr.bluez.SetError("Connect", "org.freedesktop.DBus.Error.NoReply"));
    QVERIFY(f.Tap("device_" + kNewMac));
    QTRY_COMPARE(fr.State("btConnect"), QString());
    QVERIFY(f.Tap("btConnect"));
    QTRY_COMPARE(f.PopupText(), QString("An unexpected error occurred when connecting to the device"));
    f.Call("", "popupClose");
    // Switched on with no glasses used before there was none to look for.
    const QStringList warnings = m_Warnings.Take();
    QCOMPARE(warnings.size(), 2);
    QVERIFY2(warnings.at(0).contains("MAC-Address is empty"), qPrintable(warnings.at(0)));
    QVERIFY2(warnings.at(1).contains("Unable to connect IFACE: org.freedesktop.DBus.Error.NoReply"),
             qPrintable(warnings.at(1)));
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestBluetoothScreen test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_bluetooth.moc"
