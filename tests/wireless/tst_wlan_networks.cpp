// The stored network file, byte for byte: networks added, updated and
// forgotten by whole blocks (names that contain each other stay apart),
// passphrases read back (quotes inside them too), what is refused leaves the
// file as it was, and the system's wpa_supplicant reads back exactly what
// was stored.
#include "wireless_fixture.h"

using namespace wireless;

namespace {
QByteArray Block(const QByteArray& name, const QByteArray& passphrase) {
  return "\nnetwork={\n\tssid=\"" + name + "\"\n\tpsk=\"" + passphrase + "\"\n}\n";
}
// A block as forgetting copies it: without the empty line in front.
QByteArray Kept(const QByteArray& name, const QByteArray& passphrase) { return Block(name, passphrase).mid(1); }
// Blocks as others write them: one without a passphrase line, one with a
// line of its own.
const QByteArray kOpenBlock = "network={\n\tssid=\"Open\"\n}\n";
const QByteArray kFieldBlock = "network={\n\tssid=\"Field\"\n\tpsk=\"field-pass\"\n\tpriority=2\n}\n";
}  // namespace

class TestWlanNetworks : public QObject {
  Q_OBJECT

 private slots:
  // One stored file through a user's steps; after each the result and the
  // whole file text.
  void addUpdateForget() {
    WlanFixture fx;
    struct Step {
      const char* what;
      std::function<bool(KLX_WlanConnect&)> act;
      bool result;
      QByteArray file;
    };
    const QByteArray home = Block("Home", "home-pass-1");
    const QByteArray office = Block("HomeOffice", "office-pass-2");
    const QByteArray e = Block("e", "eeeeeeee");
    const QList<Step> steps = {
        {"first network", [](KLX_WlanConnect& w) { return w.KLX_WlanConnectAddSSID("Home", "home-pass-1"); }, true, home},
        {"a name that contains the first",
         [](KLX_WlanConnect& w) { return w.KLX_WlanConnectAddSSID("HomeOffice", "office-pass-2"); }, true, home + office},
        {"a name inside both", [](KLX_WlanConnect& w) { return w.KLX_WlanConnectAddSSID("e", "eeeeeeee"); }, true,
         home + office + e},
        {"the same passphrase again",
         [](KLX_WlanConnect& w) { return w.KLX_WlanConnectAddSSID("HomeOffice", "office-pass-2"); }, false,
         home + office + e},
        {"a new passphrase for the shorter name",
         [](KLX_WlanConnect& w) { return w.KLX_WlanConnectAddSSID("Home", "new \"quoted\" one"); }, true,
         Block("Home", "new \"quoted\" one") + office + e},
        {"a name nobody stored", [](KLX_WlanConnect& w) { return w.KLX_WlanConnectForgetSSID("Hom"); }, false,
         Block("Home", "new \"quoted\" one") + office + e},
        {"forgetting the shorter name", [](KLX_WlanConnect& w) { return w.KLX_WlanConnectForgetSSID("Home"); }, true,
         Kept("HomeOffice", "office-pass-2") + Kept("e", "eeeeeeee")},
        {"added after forgetting", [](KLX_WlanConnect& w) { return w.KLX_WlanConnectAddSSID("Home", "home-pass-3"); },
         true, Kept("HomeOffice", "office-pass-2") + Kept("e", "eeeeeeee") + Block("Home", "home-pass-3")},
        {"forgetting the one-letter name", [](KLX_WlanConnect& w) { return w.KLX_WlanConnectForgetSSID("e"); }, true,
         Kept("HomeOffice", "office-pass-2") + Kept("Home", "home-pass-3")},
    };
    for (const Step& step : steps) {
      QVERIFY2(step.act(fx.wlan) == step.result, step.what);
      QVERIFY2(ReadFile(fx.Mapped(kStoredFile)) == step.file, step.what);
      QVERIFY2(!QFile::exists(fx.Mapped("/tmp/wpa.conf")), step.what);
    }
    // Each name finds its own passphrase through the screen's door.
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanFindSSIDGetPassw("Home"), QStringLiteral("home-pass-3"));
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanFindSSIDGetPassw("HomeOffice"), QStringLiteral("office-pass-2"));
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanFindSSIDGetPassw("Office"), QString());
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanForgetSSID("HomeOffice"), 1);
    QCOMPARE(ReadFile(fx.Mapped(kStoredFile)), Kept("Home", "home-pass-3"));
  }

  // A passphrase is read up to its line's last quote, as the network tool
  // reads it; a line without a quote after the name is not a passphrase.
  void passphraseReadBack_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("passphrase");
    QTest::newRow("quotes inside") << Block("Field", "a\"b\"c-d-e") << "a\"b\"c-d-e";
    QTest::newRow("only its own block") << Block("Field 2", "second-pass") + Block("Field", "first-pass") << "first-pass";
    QTest::newRow("indented with blanks") << QByteArray("network={\n    ssid=\"Field\"\n    psk=\"blank-pass\"\n}\n")
                                          << "blank-pass";
    QTest::newRow("name line without a passphrase line")
        << QByteArray("network={\n\tssid=\"Field\"\n\tkey_mgmt=NONE\n}\n") << "";
    QTest::newRow("name only inside another line") << Block("Fieldwork", "other-pass") << "";
  }
  void passphraseReadBack() {
    QFETCH(QByteArray, file);
    QFETCH(QString, passphrase);
    WlanFixture fx;
    QVERIFY(WriteFile(fx.Mapped(kStoredFile), file));
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanFindSSIDGetPassw("Field"), passphrase);
  }

  // What the file cannot hold, or the network tool would refuse, is refused
  // and the stored file stays byte for byte.
  void refused_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("passphrase");
    QTest::addColumn<QByteArray>("after");
    const QByteArray before = Block("Field", "field-pass");
    QTest::newRow("backslash x in the name") << QByteArray("Cafe\\xc3") << QByteArray("passphrase") << before;
    QTest::newRow("LF in the name") << QByteArray("Field\n}") << QByteArray("passphrase") << before;
    QTest::newRow("CR in the name") << QByteArray("Field\r") << QByteArray("passphrase") << before;
    QTest::newRow("LF in the passphrase") << QByteArray("Field") << QByteArray("pass\nphrase") << before;
    QTest::newRow("CR in the passphrase") << QByteArray("Field") << QByteArray("pass\rphrase") << before;
    QTest::newRow("empty name") << QByteArray() << QByteArray("passphrase") << before;
    QTest::newRow("33-byte name") << QByteArray(33, 'n') << QByteArray("passphrase") << before;
    QTest::newRow("7-byte passphrase") << QByteArray("Field") << QByteArray(7, 'p') << before;
    QTest::newRow("64-byte passphrase") << QByteArray("Field") << QByteArray(64, 'p') << before;
    QTest::newRow("63 characters, 64 bytes") << QByteArray("Field") << QByteArray(62, 'p') + "\xc3\xbc" << before;
    QTest::newRow("32-byte name, 8-byte passphrase")
        << QByteArray(32, 'n') << QByteArray(8, 'p') << before + Block(QByteArray(32, 'n'), QByteArray(8, 'p'));
    QTest::newRow("63-byte passphrase") << QByteArray("Field") << QByteArray(63, 'p') << Block("Field", QByteArray(63, 'p'));
  }
  void refused() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, passphrase);
    QFETCH(QByteArray, after);
    WlanFixture fx;
    const QByteArray before = Block("Field", "field-pass");
    QVERIFY(WriteFile(fx.Mapped(kStoredFile), before));
    QCOMPARE(fx.wlan.KLX_WlanConnectAddSSID(name, passphrase), after != before);
    QCOMPARE(ReadFile(fx.Mapped(kStoredFile)), after);
    // The one-off connection refuses the same texts: no file, no command.
    if (after == before) {
      QCOMPARE(fx.wlan.KLX_WlanConnectWiFiConnectBySSIDPassw(QString::fromUtf8(name), QString::fromUtf8(passphrase)), 0);
      QVERIFY(!QFile::exists(fx.Mapped(kOneOffFile)));
      QCOMPARE(fx.Commands(), QStringList());
    }
  }

  // The files as the system's network tool reads them: exactly the texts
  // given, a name in hex where the tool would take part of its quoted form
  // for a comment; a passphrase the file cannot carry exactly is refused and
  // neither file changes.
  void readBackByTheTool_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("passphrase");
    QTest::addColumn<QByteArray>("nameLine");  // empty: refused
    QTest::newRow("quote, then hash in the name")
        << QByteArray("ab\"cd#efgh") << QByteArray("field-pass-2") << QByteArray("\tssid=61622263642365666768\n");
    QTest::newRow("hash before the quotes") << QByteArray("#1 \"Club\"") << QByteArray("a#b\"c\"d-e")
                                            << QByteArray("\tssid=\"#1 \"Club\"\"\n");
    QTest::newRow("quote, then hash in the passphrase") << QByteArray("Field 2") << QByteArray("ab\"cd#efgh") << QByteArray();
    QTest::newRow("tab in the passphrase") << QByteArray("Field 2") << QByteArray("pass\tphrase") << QByteArray();
  }
  void readBackByTheTool() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, passphrase);
    QFETCH(QByteArray, nameLine);
    WlanFixture fx;
    const QByteArray before = Block("Field", "field-pass");
    QVERIFY(WriteFile(fx.Mapped(kStoredFile), before));
    const bool taken = !nameLine.isEmpty();
    const QByteArray block = "\nnetwork={\n" + nameLine + "\tpsk=\"" + passphrase + "\"\n}\n";
    QCOMPARE(fx.wlan.KLX_WlanConnectAddSSID(name, passphrase), taken);
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanConnectBySSIDPassw(QString::fromUtf8(name), QString::fromUtf8(passphrase)),
             taken ? 1 : 0);
    QCOMPARE(ReadFile(fx.Mapped(kStoredFile)), taken ? before + block : before);
    QCOMPARE(ReadFile(fx.Mapped(kOneOffFile)), taken ? block : QByteArray());
    const SupplicantReading stored = SupplicantRead(fx.Mapped(kStoredFile));
    const SupplicantReading oneOff = SupplicantRead(fx.Mapped(kOneOffFile));
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanFindSSIDGetPassw(QString::fromUtf8(name)),
             taken ? QString::fromUtf8(passphrase) : QString());
    QCOMPARE(fx.db.KLX_DataBaseManagerWlanForgetSSID(QString::fromUtf8(name)), taken ? 1 : 0);
    QCOMPARE(ReadFile(fx.Mapped(kStoredFile)), taken ? Kept("Field", "field-pass") : before);

    if (!stored.present) QSKIP("wpa_supplicant is not installed (Debian package wpasupplicant)");
    QList<QPair<QByteArray, QByteArray>> networks{{"Field", "field-pass"}};
    if (taken) networks.append({name, passphrase});
    QVERIFY2(stored.accepted, qPrintable(stored.output));
    QCOMPARE(stored.networks, networks);
    if (taken) {
      QVERIFY2(oneOff.accepted, qPrintable(oneOff.output));
      QCOMPARE(oneOff.networks, networks.mid(1));
    }
  }

  // Blocks with lines of their own and without a passphrase line are
  // forgotten, kept and given a passphrase whole; a name the tool could not
  // read is written anew when its passphrase is.
  void wholeBlocks_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("passphrase");  // empty: forgotten
    QTest::addColumn<QByteArray>("after");
    const QByteArray both = kOpenBlock + kFieldBlock;
    QTest::newRow("forget the block without a passphrase") << both << QByteArray("Open") << QByteArray() << kFieldBlock;
    QTest::newRow("forget the block after it") << both << QByteArray("Field") << QByteArray() << kOpenBlock;
    QTest::newRow("a passphrase for the block without one")
        << both << QByteArray("Open") << QByteArray("open-pass")
        << "network={\n\tssid=\"Open\"\n\tpsk=\"open-pass\"\n}\n" + kFieldBlock;
    QTest::newRow("a name the tool could not read")
        << Block("ab\"cd#efgh", "field-pass") << QByteArray("ab\"cd#efgh") << QByteArray("field-pass")
        << QByteArray("\nnetwork={\n\tssid=61622263642365666768\n\tpsk=\"field-pass\"\n}\n");
  }
  void wholeBlocks() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, passphrase);
    QFETCH(QByteArray, after);
    WlanFixture fx;
    QVERIFY(WriteFile(fx.Mapped(kStoredFile), before));
    QVERIFY(passphrase.isEmpty() ? fx.wlan.KLX_WlanConnectForgetSSID(QString::fromUtf8(name))
                                 : fx.wlan.KLX_WlanConnectAddSSID(name, passphrase));
    QCOMPARE(ReadFile(fx.Mapped(kStoredFile)), after);
  }

  // The update screens ask for a stored file first: an empty one is removed.
  void storedFileExists_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("exists");
    QTest::newRow("none") << false << QByteArray() << false;
    QTest::newRow("empty") << true << QByteArray() << false;
    QTest::newRow("one network") << true << Block("Field", "field-pass") << true;
  }
  void storedFileExists() {
    QFETCH(bool, present);
    QFETCH(QByteArray, file);
    QFETCH(bool, exists);
    WlanFixture fx;
    if (present) QVERIFY(WriteFile(fx.Mapped(kStoredFile), file));
    QCOMPARE(fx.db.KLX_DatabaseManagerIsWPAConfigExisting(), exists);
    QCOMPARE(QFile::exists(fx.Mapped(kStoredFile)), exists);
  }
};

QTEST_GUILESS_MAIN(TestWlanNetworks)
#include "tst_wlan_networks.moc"
