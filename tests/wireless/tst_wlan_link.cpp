// The WLAN connection against the simulated interface: the exact commands
// the board is given for on, off, scan and connect, and the state, address,
// name and signal strength the loop reports from the tools' answers (joined,
// no address, the link lost and back, no network, the signal's scale).
#include "wireless_fixture.h"

#include "platform/klx_commandrunner.h"
#include "vorn_fullmedium.h"

using namespace wireless;

Q_DECLARE_METATYPE(CSimWlan::Network)

namespace {
const CSimWlan::Network kField{QStringLiteral("Field"), -52, QStringLiteral("field-pass"), QStringLiteral("192.168.4.23"), true};
const QString kLink = QStringLiteral("iw dev wlan0 link");
const QString kScan = QStringLiteral("iw dev wlan0 scan");
const QStringList kJoinOneOff = {"ifconfig eth0 down &", "ifconfig wlan0 up &",
                                 "wpa_supplicant -B -Dwext -iwlan0 -c /tmp/wpaconn.conf", "udhcpc -i wlan0 &"};

// The system's clock, except that a thread woken from its wait once `holdMs`
// is set goes on only that long after: a thread a busy processor does not
// run. It holds no lock meanwhile, as such a thread holds none.
class LateClock : public KLX_Clock {
 public:
  std::atomic<int> holdMs{0};
  std::atomic<int> waits{0};   // waits begun
  std::atomic<int> wentOn{0};  // held threads that went on
  qint64 KLX_ClockNowMs() const override { return KLX_ClockSystem().KLX_ClockNowMs(); }
  bool KLX_ClockWait(QWaitCondition& wake, QMutex& mutex, unsigned long ms) override {
    ++waits;
    const bool woken = KLX_ClockSystem().KLX_ClockWait(wake, mutex, ms);
    if (const int hold = holdMs.exchange(0)) {
      mutex.unlock();
      QThread::msleep(hold);
      mutex.lock();
      ++wentOn;
    }
    return woken;
  }
};
}  // namespace

class TestWlanLink : public QObject {
  Q_OBJECT

 private slots:
  // What each door gives the board to do, on an interface that is down
  // with nothing running, or joined to Field.
  void commands_data() {
    QTest::addColumn<bool>("joined");
    QTest::addColumn<QString>("door");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<int>("result");
    QTest::newRow("on") << false << "on" << QStringList{"ifconfig wlan0 up &"} << 0;
    QTest::newRow("off, nothing running")
        << false << "off" << QStringList{"ifconfig wlan0 down &", "killall wpa_supplicant"} << 1;
    QTest::newRow("off, joined")
        << true << "off" << QStringList{"ifconfig wlan0 down &", "killall wpa_supplicant", "killall udhcpc"} << 0;
    QTest::newRow("off keeping the interface") << true << "keep" << QStringList() << 0;
    QTest::newRow("scan, interface down")
        << false << "scan" << QStringList{"ifconfig", "ifconfig wlan0 up &", kScan, kLink, "ifconfig"} << 0;
    QTest::newRow("scan, joined") << true << "scan" << QStringList{"ifconfig", kScan, kLink} << 0;
    QTest::newRow("connect by name and passphrase") << false << "one-off" << kJoinOneOff << 1;
    QTest::newRow("connect with the stored networks")
        << false << "stored"
        << QStringList{"ifconfig eth0 down &", "ifconfig wlan0 up &", "wpa_supplicant -B -Dwext -iwlan0 -c /app/wpa.conf",
                       "udhcpc -i wlan0 &"}
        << 0;
    QTest::newRow("reconnect with the stored networks")
        << true << "reconnect"
        << QStringList{"ifconfig eth0 down &", "ifconfig wlan0 down &", "killall wpa_supplicant", "killall udhcpc",
                       "ifconfig wlan0 up &", "wpa_supplicant -B -Dwext -iwlan0 -c /app/wpa.conf", "udhcpc -i wlan0 &"}
        << 0;
    QTest::newRow("a second supplicant fails: no DHCP")
        << true << "one-off"
        << QStringList{"ifconfig eth0 down &", "ifconfig wlan0 up &",
                       "wpa_supplicant -B -Dwext -iwlan0 -c /tmp/wpaconn.conf"}
        << 1;
    QTest::newRow("static address")
        << false << "static"
        << QStringList{"ifconfig eth0 down &", "ifconfig wlan0 up &", "wpa_supplicant -B -Dwext -iwlan0 -c /app/wpa.conf",
                       "ifconfig wlan0 192.168.4.50", "route add default gw 192.168.4.1"}
        << 0;
    QTest::newRow("static address that is no address")
        << false << "bad static"
        << QStringList{"ifconfig eth0 down &", "ifconfig wlan0 up &", "wpa_supplicant -B -Dwext -iwlan0 -c /app/wpa.conf"}
        << 0;
  }
  void commands() {
    QFETCH(bool, joined);
    QFETCH(QString, door);
    QFETCH(QStringList, commands);
    QFETCH(int, result);
    WlanFixture fx;
    QVERIFY(fx.sim.SetNetworks({kField}));
    QVERIFY(fx.Up());
    QVERIFY(WriteFile(fx.Mapped(kStoredFile), "\nnetwork={\n\tssid=\"Field\"\n\tpsk=\"field-pass\"\n}\n"));
    if (joined) {
      QCOMPARE(fx.db.KLX_DataBaseManagerWlanConnectBySSIDPassw("Field", "field-pass"), 1);
      QVERIFY(fx.Pass());
    }
    QCOMPARE(fx.Commands().size(), joined ? 5 : 0);  // joining, then one pass on a joined link

    VornTerminalLines lines;
    int got = 0;
    if (door == "on") fx.db.KLX_DataBaseManagerWlanBringUp();
    if (door == "off") got = fx.db.KLX_DataBaseManagerWlanDisconnect();
    if (door == "keep") got = fx.wlan.KLX_WlanConnectWiFiDisconnect(true);
    if (door == "one-off") got = fx.db.KLX_DataBaseManagerWlanConnectBySSIDPassw("Field", "field-pass");
    if (door == "stored") fx.db.KLX_DataBaseManagerWlanConnect("", "");
    if (door == "reconnect") fx.db.KLX_DataBaseManagerWlanConnect("", "", true);
    if (door == "static") fx.wlan.KLX_WlanConnectWiFiConnect(false, "192.168.4.50", "192.168.4.1", false, true);
    if (door == "bad static") fx.wlan.KLX_WlanConnectWiFiConnect(false, "192.168.4.50; reboot", "192.168.4.1", false, true);
    if (door == "scan") QVERIFY(fx.ScanPass());
    QCOMPARE(fx.Commands(), commands);
    QCOMPARE(got, result);
    // The interface brought up or down is a developer's line.
    QCOMPARE(lines.TerminalWithAny({"bring"}), QStringList());
    if (door == "on") QCOMPARE(lines.Developer().filter("bring"), QStringList({"  ->   ifconfig wlan0 bring 1"}));
    if (door == "one-off" && !joined)
      QCOMPARE(ReadFile(fx.Mapped(kOneOffFile)), QByteArray("\nnetwork={\n\tssid=\"Field\"\n\tpsk=\"field-pass\"\n}\n"));
    if (door == "static") QCOMPARE(ReadFile(fx.Mapped("/etc/resolv.conf")), QByteArray("nameserver 192.168.4.1\n"));
    // Without processing the loop asks the board nothing.
    if (door == "off" || door == "keep") {
      QVERIFY(fx.Pass());
      QCOMPARE(fx.Commands(), QStringList());
      QCOMPARE(fx.db.KLX_DataBaseManagerWlanGetRunning(), true);
    }
  }

  // The signals of each pass while a network is joined, lost and found
  // again, as QML receives them.
  void joinedLostAndBack() {
    WlanFixture fx;
    QVERIFY(fx.sim.SetNetworks({kField}));
    QVERIFY(fx.Up());
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanConnectBySSIDPassw("Field", "field-pass"), 1);
    QCOMPARE(fx.heard.Take(), QStringList{"state 1"});
    QVERIFY(fx.Pass());
    QCOMPARE(fx.heard.Take(), (QStringList{"address 192.168.4.23", "state 2", "signal 87", "ssid Field"}));
    QCOMPARE(fx.db.KLX_DatabaseManagerIsWlanConnected(), true);
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanGetIPAddr(), QStringLiteral("192.168.4.23"));
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanGetConnectedSSID(), QStringLiteral("Field"));
    QVERIFY(fx.Pass());
    QCOMPARE(fx.heard.Take(), QStringList{"signal 87"});

    QVERIFY(fx.sim.SetInRange("Field", false));
    QVERIFY(fx.Pass());
    QCOMPARE(fx.heard.Take(), (QStringList{"state 1", "ssid "}));
    QCOMPARE(fx.db.KLX_DatabaseManagerIsWlanConnected(), false);
    QVERIFY(fx.Pass());
    QCOMPARE(fx.heard.Take(), QStringList{"state 1"});

    // Back in range, the supplicant joins again and the state follows.
    QVERIFY(fx.sim.SetInRange("Field", true));
    QVERIFY(fx.Pass());
    QCOMPARE(fx.heard.Take(), (QStringList{"address 192.168.4.23", "state 2", "signal 87", "ssid Field"}));
    QCOMPARE(fx.db.KLX_DatabaseManagerIsWlanConnected(), true);

    // Off: everything cleared at once.
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanDisconnect(), 0);
    QCOMPARE(fx.heard.Take(), (QStringList{"ssid ", "address ", "signal 100", "state 0"}));
    QCOMPARE(fx.wlan.getState(), 0);
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanGetIPAddr(), QString());
  }

  // A joined network that gives no address, a wrong passphrase, a network
  // out of range, a supplicant that fails, and a scan that finds nothing.
  void notConnected_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("passphrase");
    QTest::addColumn<bool>("inRange");
    QTest::addColumn<int>("supplicantExit");
    QTest::addColumn<QStringList>("heard");
    QTest::newRow("no address") << "" << "field-pass" << true << 0 << QStringList{"signal 87", "ssid Field"};
    QTest::newRow("wrong passphrase") << "192.168.4.23" << "not-the-pass" << true << 0 << QStringList{"state 1"};
    QTest::newRow("no network") << "192.168.4.23" << "field-pass" << false << 0 << QStringList{"state 1"};
    QTest::newRow("supplicant refused") << "192.168.4.23" << "field-pass" << true << 255 << QStringList{"state 1"};
  }
  void notConnected() {
    QFETCH(QString, address);
    QFETCH(QString, passphrase);
    QFETCH(bool, inRange);
    QFETCH(int, supplicantExit);
    QFETCH(QStringList, heard);
    WlanFixture fx;
    CSimWlan::Network field = kField;
    field.address = address;
    field.inRange = inRange;
    QVERIFY(fx.sim.SetNetworks({field}));
    if (supplicantExit) QVERIFY(fx.sim.SetExit("wpa_supplicant", supplicantExit));
    QVERIFY(fx.Up());
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanConnectBySSIDPassw("Field", passphrase), 1);
    QCOMPARE(fx.heard.Take(), QStringList{"state 1"});
    for (int pass = 0; pass < 3; ++pass) {
      QVERIFY(fx.Pass());
      QCOMPARE(fx.heard.Take(), pass == 0 ? heard : (heard.contains("ssid Field") ? QStringList{"signal 87"} : heard));
    }
    QCOMPARE(fx.wlan.getState(), 1);
    QCOMPARE(fx.db.KLX_DatabaseManagerIsWlanConnected(), false);
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanGetIPAddr(), QString());
  }

  // A connection by name and passphrase that brings no address is given up
  // once, 40 s after it began on the loop's clock; one that joins, or that
  // was switched off since, never is.
  void connectTimeOut_data() {
    QTest::addColumn<QString>("passphrase");
    QTest::addColumn<bool>("offAndOn");
    QTest::addColumn<bool>("timedOut");
    QTest::newRow("wrong passphrase") << "not-the-pass" << false << true;
    QTest::newRow("joined") << "field-pass" << false << false;
    QTest::newRow("switched off and on") << "not-the-pass" << true << false;
  }
  void connectTimeOut() {
    QFETCH(QString, passphrase);
    QFETCH(bool, offAndOn);
    QFETCH(bool, timedOut);
    WlanFixture fx;
    QVERIFY(fx.sim.SetNetworks({kField}));
    QVERIFY(fx.Up());
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanConnectBySSIDPassw("Field", passphrase), 1);
    if (offAndOn) {
      fx.db.KLX_DataBaseManagerWlanDisconnect();
      fx.db.KLX_DataBaseManagerWlanBringUp();
    }
    const QString line = QStringLiteral("connect timed out");
    QVERIFY(fx.clock.KLX_ManualClockRun(KLX_WlanConnect::kConnectTimeoutMs - KLX_WlanConnect::kPollMs));
    QCOMPARE(fx.heard.Take().count(line), 0);
    QVERIFY(fx.Pass());
    QCOMPARE(fx.heard.Take().count(line), timedOut ? 1 : 0);
    QVERIFY(fx.clock.KLX_ManualClockRun(KLX_WlanConnect::kConnectTimeoutMs));
    QCOMPARE(fx.heard.Take().count(line), 0);
  }

  // The scan, at once when asked for: one ssidFound per name line (a name
  // from two access points twice, an empty name never), then scanFinished;
  // the list comes before the pass's link query.
  void scan_data() {
    QTest::addColumn<QList<CSimWlan::Network>>("networks");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("heard");
    QTest::newRow("three networks")
        << QList<CSimWlan::Network>{kField, {"Club house", -70, "club-pass", "", true}, {"Hangar", -90, "x", "", false}}
        << QString() << QStringList{"state 1", "found Field", "found Club house", "scan finished", "state 1"};
    QTest::newRow("none in range") << QList<CSimWlan::Network>{} << QString()
                                   << QStringList{"state 1", "scan finished", "state 1"};
    QTest::newRow("A, empty, A") << QList<CSimWlan::Network>{} << "BSS 1\n\tSSID: A\nBSS 2\n\tSSID: \nBSS 3\n\tSSID: A\n"
                                 << QStringList{"state 1", "found A", "found A", "scan finished", "state 1"};
    QTest::newRow("last name without line end") << QList<CSimWlan::Network>{} << "\tSSID: A\n\tSSID: B"
                                                << QStringList{"state 1", "found A", "scan finished", "state 1"};
  }
  void scan() {
    QFETCH(QList<CSimWlan::Network>, networks);
    QFETCH(QString, output);
    QFETCH(QStringList, heard);
    WlanFixture fx;
    QVERIFY(fx.sim.SetNetworks(networks));
    if (!output.isNull()) QVERIFY(fx.sim.SetOutput(kScan, output));
    QVERIFY(fx.Up());
    QVERIFY(fx.ScanPass());
    QCOMPARE(fx.heard.Take(), heard);
    QCOMPARE(fx.clock.KLX_ClockNowMs(), 0);  // woken, not polled
  }

  // The link's answer as the loop reads it: the percentage of the signal,
  // the state from the interface listing.
  void linkAnswers_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("listing");
    QTest::addColumn<QStringList>("heard");
    const QString connected = QStringLiteral("Connected to 02:00:5e:10:00:01 (on wlan0)\n\tSSID: Field\n\tsignal: %1\n");
    QTest::newRow("-52 dBm") << connected.arg("-52 dBm\n") << "" << QStringList{"signal 87", "ssid Field"};
    QTest::newRow("-45 dBm") << connected.arg("-45 dBm\n") << "" << QStringList{"signal 100", "ssid Field"};
    QTest::newRow("-46 dBm") << connected.arg("-46 dBm\n") << "" << QStringList{"signal 98", "ssid Field"};
    QTest::newRow("-99 dBm") << connected.arg("-99 dBm\n") << "" << QStringList{"signal 1", "ssid Field"};
    QTest::newRow("-100 dBm") << connected.arg("-100 dBm\n") << "" << QStringList{"signal 0", "ssid Field"};
    QTest::newRow("blanks around") << connected.arg("  -60   dBm\n") << "" << QStringList{"signal 72", "ssid Field"};
    QTest::newRow("no number") << connected.arg("strong dBm\n") << "" << QStringList{"ssid Field"};
    QTest::newRow("signal before the name")
        << "Connected to x\n\tsignal: -52 dBm\n\tSSID: Field\n" << "" << QStringList{"ssid Field"};
    QTest::newRow("interface listed") << "Not connected.\n" << "lo  Link\n\nwlan0     Link encap:Ethernet\n"
                                      << QStringList{"state 1"};
    QTest::newRow("interface first") << "Not connected.\n" << "wlan0     Link encap:Ethernet\n" << QStringList{"state 1"};
    QTest::newRow("interface only inside a line") << "Not connected.\n" << "lo  Link wlan0\n" << QStringList{"state 0"};
    QTest::newRow("anything else") << "command failed: No such device (-19)\n" << "" << QStringList();
  }
  void linkAnswers() {
    QFETCH(QString, link);
    QFETCH(QString, listing);
    QFETCH(QStringList, heard);
    WlanFixture fx;
    QVERIFY(fx.sim.SetOutput(kLink, link));
    QVERIFY(fx.sim.SetOutput("ifconfig", listing));
    QVERIFY(fx.Up());
    fx.db.KLX_DatabaseManagerWlanStartProcessing();
    QVERIFY(fx.Pass());
    // The state starts at 0: a link that reads Connected raises it to 1.
    if (link.startsWith("Connected")) heard.prepend("state 1");
    QCOMPARE(fx.heard.Take(), heard);
  }

  // The simulated interface keeps its state whole: a change that the medium
  // has no room for fails the tool and leaves the state as it was.
  void aStateNotKeptFailsTheTool() {
    WlanFixture fx;
    const QString state = fx.Mapped("/run/wlan/state.json");
    QCOMPARE(KLX_Platform::Run("ifconfig", {"wlan0", "up"}), 0);
    const QByteArray up = ReadFile(state);
    QVERIFY(up.contains("\"up\": true"));
    {
      VornFullMedium medium(0, ENOSPC, "state.json");
      QTest::ignoreMessage(QtWarningMsg, qPrintable("the simulated network's state could not be written to " + state));
      QVERIFY(KLX_Platform::Run("ifconfig", {"wlan0", "down"}) != 0);
    }
    QCOMPARE(ReadFile(state), up);
    QCOMPARE(QDir(fx.Mapped("/run/wlan")).entryList({"state.json*"}, QDir::Files | QDir::Hidden), QStringList{"state.json"});
  }

  // The stop wakes the loop at once, but a busy processor may run it only
  // after the stop's wait (3 s) has ended: the connection's end waits for
  // its thread however long, where destroying it while it ran ended the
  // program ("QThread: Destroyed while thread is still running").
  void aLoopRunLateIsWaitedForAtTheEnd() {
    LateClock late;
    {
      KLX_WlanConnect wlan;
      wlan.KLX_WlanConnectSetClock(&late);
      QCOMPARE(wlan.KLX_WlanConnectInitialize(), int(KLX_Ok));
      // In its loop (a thread started late is stopped before it waits).
      QVERIFY(QTest::qWaitFor([&] { return late.waits > 0; }, 60000));
      late.holdMs = KLX_WlanConnect::kStopWaitMs + 1000;
    }
    QCOMPARE(late.wentOn.load(), 1);
  }
};

QTEST_GUILESS_MAIN(TestWlanLink)
#include "tst_wlan_link.moc"
