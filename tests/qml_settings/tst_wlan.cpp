// The WiFi screen against the simulated WLAN around the board, touched as a
// user touches it: switched on, the networks in range listed, a passphrase
// typed once and stored, joined (state, address, signal strength on the
// screen and in the status strip), disconnected and forgotten; passphrases
// the network file cannot hold, and a connection that brings no address.
#include "qml_frame/qml_frame_fixture.h"
#include "sim/csimwlan.h"
#include "vorn_fixture.h"
#include "wireless/klx_wlanconnect.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kWlan = QStringLiteral("qrc:/Frontend/QML/WlanSettings.qml");
const QStringList kJoin = {"ifconfig eth0 down &", "ifconfig wlan0 up &",
                           "wpa_supplicant -B -Dwext -iwlan0 -c /tmp/wpaconn.conf", "udhcpc -i wlan0 &"};
const QStringList kOff = {"ifconfig wlan0 down &", "killall wpa_supplicant", "killall udhcpc"};
}  // namespace

class TestWlanScreen : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

  // The main window with the WLAN thread on a clock of the case's, and the
  // default networks of a desktop run in range.
  struct Frame {
    KLX_ManualClock clock;  // outlives the frame's WLAN thread
    QmlFrame f;
    int seen = 0;
    explicit Frame(CSimBoard::Variant variant) : f(g_app, variant) {
      f.Db().KLX_DatabaseManagerWlanConnPointer()->KLX_WlanConnectSetClock(&clock);
    }
    bool Start() {
      return CSimWlan(f.Board().Root()).SetNetworks(CSimWlan::DefaultNetworks()) && f.StartAtHome() &&
             clock.KLX_ManualClockAwaitWaiters(1);
    }
    bool Open() {
      f.Call("", "openScreen", {kWlan, QVariant()});
      return f.WaitShown(kWlan);
    }
    // One pass of the WLAN loop; what it sent reaches the screen.
    bool Pass() {
      const bool passed = clock.KLX_ManualClockRun(KLX_WlanConnect::kPollMs, 1);
      QCoreApplication::processEvents();
      f.Settle();
      return passed;
    }
    QStringList Commands() {
      const QStringList all = f.Board().RecordedCommands();
      const QStringList fresh = all.mid(seen);
      seen = all.size();
      return fresh;
    }
    // On: the interface comes up and the loop, woken, scans at once; true
    // when the scan has listed `count` networks and the loop waits again.
    bool SwitchOn(int count) {
      if (!f.Tap("wlanOn")) return false;
      if (!QTest::qWaitFor([&] { return f.Property("wlanScreen", "networks").toStringList().size() == count &&
                                        !f.Property("wlanScreen", "scanning").toBool(); }, kVornHangMs))
        return false;
      const bool back = clock.KLX_ManualClockAwaitWaiters(1);
      QCoreApplication::processEvents();
      return back;
    }
    // A network touched, and chosen once the touch has reached the screen.
    bool Choose(const QString& name) {
      return f.Tap("network_" + name) &&
             QTest::qWaitFor([&] { return f.Property("wlanScreen", "chosen").toString() == name; }, kVornHangMs);
    }
    QString Text(const QString& label) { return f.Property(label, "text").toString(); }
    QString State(const QString& button) { return f.Property(button, "state").toString(); }
    // A passphrase typed: the keyboard opened from the field, its text, OK.
    bool Type(const QString& text) {
      QObject* keys = f.Named("wlanKeyboard");
      if (!keys || !f.Tap("wlanPassphrase")) return false;
      auto* item = qobject_cast<QQuickItem*>(keys);
      // Extended, and come to rest at the bottom of the screen.
      if (!QTest::qWaitFor([&] { return item->property("extended").toBool() &&
                                        item->y() == item->parentItem()->height() - item->height(); }, kVornHangMs))
        return false;
      f.Settle();
      FindNamed(keys, "keyboardField")->setProperty("text", text);
      auto* ok = qobject_cast<QQuickItem*>(FindNamed(keys, "key_ok"));
      if (!ok) return false;
      f.Tap(ok);
      // Gone from the screen: it no longer covers the buttons.
      return QTest::qWaitFor([&] { return !item->isVisible(); }, kVornHangMs);
    }
    QByteArray StoredFile() { return ReadFile(f.Board().Root() + "/app/wpa.conf"); }
  };

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  // The whole way from off to joined and back, on each board.
  void joinAndForget_data() { BoardRows(); }
  void joinAndForget() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    Frame fr{CSimBoard::Variant(variant)};
    QmlFrame& f = fr.f;
    QVERIFY(fr.Start());
    QVERIFY(fr.Open());
    fr.Commands();
    QCOMPARE(fr.Text("wlanStateText"), QString("Off"));
    QCOMPARE(f.Property("networkHint", "visible").toBool(), true);
    f.Settle();
    f.Grab("wlan-off-" + tag + ".png");

    // On: the interface comes up and the loop, woken, lists what is in range.
    QVERIFY(fr.SwitchOn(3));
    QCOMPARE(fr.Commands(), (QStringList{"ifconfig wlan0 up &", "ifconfig", "iw dev wlan0 scan", "iw dev wlan0 link", "ifconfig"}));
    QCOMPARE(f.Property("wlanScreen", "networks").toStringList(), (QStringList{"Airfield", "Clubhouse", "Hangar 2"}));
    QCOMPARE(fr.Text("wlanStateText"), QString("On, not connected"));
    QCOMPARE(fr.State("wlanScan"), QString());
    // Scan again: the woken loop scans at once.
    QVERIFY(f.Tap("wlanScan"));
    QTRY_COMPARE(f.Board().RecordedCommands().count("iw dev wlan0 scan"), 2);
    QTRY_COMPARE(f.Property("wlanScreen", "networks").toStringList().size(), 3);
    QVERIFY(fr.clock.KLX_ManualClockAwaitWaiters(1));
    QCOMPARE(fr.Commands(), (QStringList{"ifconfig", "iw dev wlan0 scan", "iw dev wlan0 link", "ifconfig"}));

    // A network chosen: nothing stored for it yet, so nothing to join with.
    QVERIFY(fr.Choose("Airfield"));
    QCOMPARE(fr.Text("wlanChosen"), QString("Airfield"));
    QCOMPARE(f.Property("wlanPassphrase", "gp_text").toString(), QString());
    QCOMPARE(fr.State("wlanConnect"), QString("disabled"));
    QCOMPARE(fr.State("wlanForget"), QString("disabled"));
    QVERIFY(fr.Type(CSimWlan::Joinable().passphrase));
    QTRY_COMPARE(f.Property("wlanPassphrase", "gp_text").toString(), CSimWlan::Joinable().passphrase);
    QCOMPARE(fr.StoredFile(), QByteArray("\nnetwork={\n\tssid=\"Airfield\"\n\tpsk=\"thermal-lift-7\"\n}\n"));
    f.Settle();
    f.Grab("wlan-networks-" + tag + ".png");

    // Connect: joined at the next pass, with the address, name and signal.
    QVERIFY(f.Tap("wlanConnect"));
    QTRY_COMPARE(fr.Text("wlanStateText"), QString("Connecting..."));
    QCOMPARE(fr.Commands(), kJoin);
    QCOMPARE(f.Property("wlanScreen", "connecting").toBool(), true);
    QCOMPARE(fr.State("wlanScan"), QString("disabled"));
    QVERIFY(fr.Pass());
    QTRY_COMPARE(fr.Text("wlanStateText"), QString("Connected"));
    QCOMPARE(fr.Commands(), QStringList{"iw dev wlan0 link"});
    QCOMPARE(f.Property("wlanScreen", "connecting").toBool(), false);
    QCOMPARE(fr.Text("wlanSsid"), QString("Airfield"));
    QCOMPARE(fr.Text("wlanAddress"), QString("192.168.4.23"));
    QCOMPARE(fr.Text("wlanSignal"), QString("87 %"));
    QCOMPARE(f.Property("wlanConnect", "gp_text").toString(), QString("Disconnect"));
    QCOMPARE(fr.State("wlanScan"), QString("disabled"));
    QCOMPARE(f.Property("wlan", "wlanState").toInt(), 2);
    QCOMPARE(f.Property("wlan", "level").toInt(), 4);  // 87 %: above 63
    f.Settle();
    f.Grab("wlan-connected-" + tag + ".png");

    // Reopened, the screen reads what it missed from the facade.
    f.Call("", "openScreen", {kHome, QVariant()});
    QVERIFY(fr.Open());
    QCOMPARE(fr.Text("wlanStateText"), QString("Connected"));
    QCOMPARE(fr.Text("wlanAddress"), QString("192.168.4.23"));
    QCOMPARE(fr.Text("wlanSsid"), QString("Airfield"));

    // Disconnect, then forget: the stored network is gone.
    QVERIFY(f.Tap("wlanConnect"));
    QTRY_COMPARE(fr.Text("wlanStateText"), QString("Off"));
    QCOMPARE(fr.Commands(), kOff);
    QCOMPARE(fr.Text("wlanAddress"), QString("-"));
    QCOMPARE(f.Property("wlan", "wlanState").toInt(), 0);
    QVERIFY(fr.SwitchOn(3));
    QVERIFY(fr.Choose("Airfield"));
    QCOMPARE(f.Property("wlanPassphrase", "gp_text").toString(), CSimWlan::Joinable().passphrase);
    QVERIFY(f.Tap("wlanForget"));
    QTRY_COMPARE(f.Property("wlanPassphrase", "gp_text").toString(), QString());
    QCOMPARE(fr.State("wlanForget"), QString("disabled"));
    QCOMPARE(fr.StoredFile(), QByteArray());
  }

  // The keyboard keeps at most 63 characters; fewer than 8, or a # after a
  // quote, are refused with a message and nothing is stored.
  void passphraseLength_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("told");
    QTest::newRow("64 typed") << QString(64, 'p') << QString(63, 'p') << "";
    QTest::newRow("8") << QString("12345678") << QString("12345678") << "";
    QTest::newRow("7") << QString("1234567") << QString() << "A passphrase has 8 to 63 characters.";
    QTest::newRow("quote, then hash") << QString("ab\"cd#efgh") << QString() << "A passphrase cannot hold a # after a \".";
  }
  void passphraseLength() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, told);
    Frame fr(CSimBoard::Vorn);
    QmlFrame& f = fr.f;
    QVERIFY(fr.Start());
    QVERIFY(fr.Open());
    QVERIFY(fr.SwitchOn(3));
    QVERIFY(fr.Choose("Clubhouse"));
    QVERIFY(fr.Type(typed));
    QTRY_COMPARE(f.PopupText(), told);
    QCOMPARE(f.Property("wlanPassphrase", "gp_text").toString(), kept);
    QCOMPARE(f.Db().KLX_DataBaseManagerWlanFindSSIDGetPassw("Clubhouse"), kept);
    if (!told.isEmpty()) f.Call("", "popupClose");
  }

  // A passphrase the network does not take: no address comes, and 40 s on
  // the WLAN's clock after "Connect" the screen says that the connection
  // failed, notes it in the log and switches WLAN off.
  void noAddressInTime() {
    Frame fr(CSimBoard::Fenk);
    QmlFrame& f = fr.f;
    QVERIFY(fr.Start());
    QVERIFY(fr.Open());
    QVERIFY(fr.SwitchOn(3));
    QVERIFY(fr.Choose("Clubhouse"));
    QVERIFY(fr.Type("not-the-passphrase"));
    fr.Commands();
    QVERIFY(f.Tap("wlanConnect"));
    QTRY_COMPARE(fr.Text("wlanStateText"), QString("Connecting..."));
    QCOMPARE(fr.Commands(), kJoin);
    QVERIFY(fr.clock.KLX_ManualClockRun(KLX_WlanConnect::kConnectTimeoutMs - KLX_WlanConnect::kPollMs));
    QCoreApplication::processEvents();
    f.Settle();
    QCOMPARE(fr.Text("wlanStateText"), QString("Connecting..."));
    QCOMPARE(f.PopupText(), QString());
    f.Grab("wlan-connecting-fenk.png");
    QVERIFY(fr.Pass());
    QTRY_COMPARE(f.PopupText(), QString("The connection failed. Check the passphrase and try again."));
    QCOMPARE(fr.Text("wlanStateText"), QString("Off"));
    const QStringList commands = fr.Commands();
    QCOMPARE(commands.count("iw dev wlan0 link"), KLX_WlanConnect::kConnectTimeoutMs / KLX_WlanConnect::kPollMs);
    QCOMPARE(commands.mid(commands.size() - kOff.size()), kOff);
    const QStringList warnings = m_Warnings.Take();
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().contains("WLAN: no address in time, disconnecting"), qPrintable(warnings.first()));
    f.Settle();
    f.Grab("wlan-failed-fenk.png");
    f.Call("", "popupClose");
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestWlanScreen test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_wlan.moc"
