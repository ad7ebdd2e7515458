// The simulated board as the desktop run uses it: what a factory-fresh board
// carries (read by the program's own readers), the console keys that move
// the controls the program sees, and `q` switching the program off in order.
#include "link/link_fixture.h"

#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmlsystem.h"
#include "platform/klx_platform.h"
#include "sim/csimboard.h"
#include "sim/csimconsole.h"
#include "sim/csimupdatepackage.h"
#include "sim/csimupdateserver.h"

#include <QCryptographicHash>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTimeZone>
#include <QTranslator>

#include <sys/mount.h>

namespace {
// What the checksum lists in the stick's top folder ("KLX32MD5fold.txt",
// "KLX32MD5.txt") name that is missing or differs from its digest or its
// size line, one "list: file" a line; empty when every file matches.
QStringList StickListMismatches(const QString& stick) {
  QStringList wrong;
  const QRegularExpression entry(QStringLiteral("^([0-9a-f]{32}) +\\./(.+)$"));
  const QRegularExpression size(QStringLiteral("^SZ:([0-9]+)B;$"));
  for (const QString& list : {QStringLiteral("KLX32MD5fold.txt"), QStringLiteral("KLX32MD5.txt")}) {
    QFile f(stick + "/" + list);
    if (!f.open(QIODevice::ReadOnly)) continue;
    QByteArray bytes;
    for (const QString& line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)) {
      const QRegularExpressionMatch sized = size.match(line.trimmed());
      if (sized.hasMatch()) {
        if (sized.captured(1).toLongLong() != bytes.size()) wrong << list + ": size of the file before";
        continue;
      }
      const QRegularExpressionMatch m = entry.match(line.trimmed());
      if (!m.hasMatch()) continue;
      QFile named(stick + "/" + m.captured(2));
      bytes = named.open(QIODevice::ReadOnly) ? named.readAll() : QByteArray();
      if (!named.isOpen() || QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex() != m.captured(1).toLatin1())
        wrong << list + ": " + m.captured(2);
    }
  }
  return wrong;
}
}  // namespace

class SimBoardTest : public QObject {
  Q_OBJECT

 private slots:
  void timeZoneListIsReadByTheProgram_data() {
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("abbreviation");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("city");
    QTest::addColumn<int>("winter");
    QTest::addColumn<int>("summer");
    QTest::newRow("north") << "Germany" << "DE" << int(QLocale::Germany) << "Berlin" << 60 << 120;
    QTest::newRow("south") << "Australia" << "AU" << int(QLocale::Australia) << "Sydney" << 600 << 660;
    QTest::newRow("half hour, no summer time") << "India" << "IN" << int(QLocale::India) << "Kolkata" << 330 << 330;
    QTest::newRow("summer time as standard time") << "Ireland" << "IE" << int(QLocale::Ireland) << "Dublin" << 0 << 60;
    QTest::newRow("a region in the zone's name") << "Argentina" << "AR" << int(QLocale::Argentina)
                                                  << "Argentina/Buenos Aires" << -180 << -180;
    QTest::newRow("no locale of its own") << "Antarctica" << "AQ" << int(QLocale::Antarctica) << "McMurdo" << 720 << 780;
  }
  void timeZoneListIsReadByTheProgram() {
    QFETCH(QString, country);
    QFETCH(QString, abbreviation);
    QFETCH(int, code);
    QFETCH(QString, city);
    QFETCH(int, winter);
    QFETCH(int, summer);
    VornTestRoot root;
    QVERIFY(CSimBoard(root.Path(), CSimBoard::Vorn).Prepare());
    const KLX_FileNameHandler names;
    VornErrorWatch watch;
    KLX_XMLSystem reader;
    reader.KLX_XMLSystemReadTzFile(names.KLX_FileNameHandlerGetSysPropertiesFilePath() +
                                   names.KLX_FileNameHandlerGetTimeZonesFileName());
    QCOMPARE(watch.TakeCodes(), QList<unsigned>());
    QVERIFY(!reader.KLX_XMLSystemIsCountryNumberMismatch());

    // Every country Qt numbers up to 257 that has a zone, behind the added first entry.
    const QList<CountryTZ_struct>& list = reader.KLX_XMLSystemCountries();
    int withZones = 0;
    for (int c = 1; c <= 257; ++c) withZones += QTimeZone::availableTimeZoneIds(QLocale::Country(c)).isEmpty() ? 0 : 1;
    QCOMPARE(list.size(), withZones + 1);
    QCOMPARE(list.first().Name, QString("Not specified"));
    for (const CountryTZ_struct& c : list) QCOMPARE(int(c.Zones), c.TimeZones.size());

    const auto found = std::find_if(list.begin(), list.end(), [&](const CountryTZ_struct& c) { return c.Name == country; });
    QVERIFY(found != list.end());
    QCOMPARE(found->Abbr, abbreviation);
    QCOMPARE(int(found->CountryCodeQt), code);
    const auto zone = std::find_if(found->TimeZones.begin(), found->TimeZones.end(),
                                   [&](const Timezone_struct& z) { return z.City == city; });
    QVERIFY(zone != found->TimeZones.end());
    QCOMPARE(int(zone->OffsetWinter), winter);
    QCOMPARE(int(zone->OffsetSummer), summer);
  }

  // The translations the program installs, and USB mount points that hold
  // no stick until one is put in, as the mount table says (also to the
  // console of a later run).
  void applicationFolderAndUsbPorts() {
    VornTestRoot root;
    CSimBoard board(root.Path(), CSimBoard::Fenk);
    QVERIFY(board.Prepare());
    for (const QString& code : CSimBoard::LanguageCodes()) {
      QTranslator catalogue;
      QVERIFY2(catalogue.load("KLX32_" + code, KLX_FileNameHandler().KLX_FileNameHandlerGetLinuxAppPath()), qPrintable(code));
    }
    for (int port = 0; port < 8; ++port)
      QVERIFY(QDir(KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QString("/media/usb%1").arg(port))).isEmpty());
    QCOMPARE(KLX_FileNameHandler().KLX_FileNameHandlerGetUSBAllSticksMask(), 0);
    QCOMPARE(KLX_Platform::Umount2("/media/usb3", MNT_FORCE), -1);

    QVERIFY(board.SetUsbStickInserted(3, true));
    QVERIFY(board.SetUsbStickInserted(5, true));
    QCOMPARE(KLX_FileNameHandler().KLX_FileNameHandlerGetUSBAllSticksMask(), 0x28);
    QCOMPARE(KLX_Platform::Umount2("/media/usb3", MNT_FORCE), 0);
    QVERIFY(board.SetUsbStickInserted(3, false));
    QCOMPARE(KLX_FileNameHandler().KLX_FileNameHandlerGetUSBAllSticksMask(), 0x20);

    // A console of a later run finds stick 1 as the mount table has it:
    // the first `u` pulls it out.
    QVERIFY(board.SetUsbStickInserted(0, true));
    CSimControllers sim(root.Path());
    QStringList lines;
    CSimConsole console(sim, board, 0, [&](const QString& line) { lines << line; });
    console.Key('u');
    QCOMPARE(lines, QStringList{"USB stick 1 pulled out (its files stay in the folder)"});
    QCOMPARE(KLX_FileNameHandler().KLX_FileNameHandlerGetUSBAllSticksMask(), 0x20);
  }

  // Key u plugs stick 1 with the application package, `prepare
  // --firmware-update` then puts the firmware package on it: every list on
  // the stick names its files as they are, and after the stick is pulled
  // out and plugged in again the application package is whole again beside
  // the firmware package's files.
  void aFirmwarePackageOnTheStickOfTheApplicationPackage() {
    VornTestRoot root;
    CSimBoard board(root.Path(), CSimBoard::Vorn);
    QVERIFY(board.Prepare());
    QVERIFY(CSimUpdateServer::Prepare(root.Path(), "Vorn"));
    CSimControllers sim(root.Path());
    QStringList lines;
    CSimConsole console(sim, board, 0, [&](const QString& line) { lines << line; });
    const QString stick = root.Path() + "/media/usb0";
    console.Key('u');
    QVERIFY(QFileInfo::exists(stick + "/KLX32MD5fold.txt"));
    QCOMPARE(StickListMismatches(stick), QStringList());

    QVERIFY(CSimUpdatePackage::Prepare(root.Path(), "Vorn"));
    QVERIFY(QFileInfo::exists(stick + "/SC_1_1.bin"));
    QCOMPARE(StickListMismatches(stick), QStringList());

    console.Key('u');
    console.Key('u');
    QCOMPARE(lines.size(), 3);
    QVERIFY(QFileInfo::exists(stick + "/KLX32MD5fold.txt"));
    QCOMPARE(StickListMismatches(stick), QStringList());
  }

  void keysMoveTheControlsTheProgramSees_data() {
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("value");
    QTest::newRow("left stick up") << QByteArray("ww") << 256 << 410;
    QTest::newRow("left stick left") << QByteArray("a") << 257 << -205;
    QTest::newRow("right stick up, then centred") << QByteArray("ii ") << 496 << 0;
    QTest::newRow("right stick right") << QByteArray("l") << 497 << 205;
    QTest::newRow("trim B up") << QByteArray("]++") << 513 << 82;
    QTest::newRow("slider A down") << QByteArray("]]]]]]-") << 1025 << -205;
    QTest::newRow("switch N, the last, to the middle") << QByteArray("[+") << 1008 << 0;
    QTest::newRow("switch C pressed flips its toggle") << QByteArray("]]]]]]]]]]]]+") << 774 << -2047;
  }
  void keysMoveTheControlsTheProgramSees() {
    QFETCH(QByteArray, keys);
    QFETCH(int, control);
    QFETCH(int, value);
    SimRig r;
    QVERIFY(r.Start());
    CSimBoard board(r.link.root.Path(), CSimBoard::Vorn);
    QStringList lines;
    CSimConsole console(r.sim, board, 0, [&](const QString& line) { lines << line; });
    for (char key : keys) console.Key(key);
    QVERIFY(r.Step(100, 704));
    QCOMPARE(r.link.Control(control), value);
    QCOMPARE(lines.size(), keys.size());
    if (control == 513) {
      // The stick controller reported the clicks as well: the program holds the pending direction.
      QCOMPARE(r.sim.Sent(CSimControllers::Stick, SimStickTrimClicks), 2);
      QCOMPARE(r.link.db.KLX_DataBaseManagerGetAndClear_StickTrimDirection(1, true), 1);
    }
  }

  // `q` asks the program to switch off (SIGTERM) and waits for it, a bounded
  // time; the console also ends when the program ends by itself.
  void quittingSwitchesTheProgramOff_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("quit");
    QTest::addColumn<int>("waitedMs");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("programExit");
    QTest::addColumn<QString>("last");
    QTest::newRow("switches off on SIGTERM") << "trap 'exit 7' TERM; echo up; while :; do sleep 0.05; done" << true << 0 << 0 << 7
                                             << "the program has switched off";
    QTest::newRow("does not end") << "trap '' TERM; echo up; while :; do sleep 0.05; done" << true << CSimConsole::kProgramEndMs
                                  << 1 << -1 << "has not ended after 30 s and is left running";
    QTest::newRow("ends by itself") << "echo up; sleep 0.2" << false << 0 << 0 << 0 << "the program has ended";
  }
  void quittingSwitchesTheProgramOff() {
    QFETCH(QString, program);
    QFETCH(bool, quit);
    QFETCH(int, waitedMs);
    QFETCH(int, code);
    QFETCH(int, programExit);
    QFETCH(QString, last);
    VornTestRoot root;
    CSimControllers sim(root.Path());
    CSimBoard board(root.Path(), CSimBoard::Vorn);
    QProcess process;
    process.start("sh", {"-c", program});
    QVERIFY(process.waitForReadyRead(kVornHangMs));  // its traps are set
    KLX_ManualClock clock;
    QStringList lines;
    CSimConsole console(sim, board, process.processId(), [&](const QString& line) { lines << line; });
    console.SetClock(&clock);
    QSignalSpy finished(&console, &CSimConsole::Finished);
    if (quit) console.Key('q');
    clock.KLX_ManualClockAdvance(waitedMs);
    QVERIFY(finished.wait(kVornHangMs));
    QVERIFY2(finished.first().first().toInt() == code, qPrintable(lines.join('\n')));
    QVERIFY2(lines.last().endsWith(last), qPrintable(lines.join('\n')));
    if (programExit >= 0) {
      if (process.state() != QProcess::NotRunning) QVERIFY(process.waitForFinished(kVornHangMs));
      QCOMPARE(process.exitCode(), programExit);
    } else {
      QVERIFY(CSimConsole::Alive(process.processId()));
      process.kill();
      process.waitForFinished(3000);
    }
  }
};

QTEST_GUILESS_MAIN(SimBoardTest)
#include "tst_simboard.moc"
