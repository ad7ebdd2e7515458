// A network package fetched from the update server's stand-in file by
// file: only what is missing or changed (the server's request log), the
// failures that end a download and how the next one resumes, the abort.
#include "held_download.h"
#include "update_fixture.h"
#include "frame/klx_clock.h"
#include "update/klx_filefunctions.h"
#include "update/klx_update_httpreq.h"

namespace {
// A package whose program is large enough to be cut or slowed mid-transfer.
CSimAppPackage Package() {
  CSimAppPackage p;
  for (int i = 0; i < 300 * 1024; ++i) p.program.append(char((i * 7 + i / 1024) & 0xFF));
  p.translations = {{"KLX32_de.qm", "de catalogue"}, {"KLX32_en.qm", "en catalogue"}};
  p.prolog = "#!/bin/sh\nexit 0\n";
  p.epilog = "#!/bin/sh\nexit 0\n";
  p.extra = {{"Docs/ReleaseNotes.txt", "notes\n"}};
  return p;
}

struct NetRig {
  VornFixture fx;
  UpdateServerRig server{fx.root.Path()};
  KLX_Update_HttpReq getter;
  CSimAppPackage package = Package();

  bool Start() { return server.Start() && server.Put(package); }
  QString Local(const QString& name) const {
    return KLX_FileNameHandler().KLX_FileNameHandlerGetNetworkUpdateFilePath() + name;
  }
  // A download as the package update task begins it: an abort pressed
  // before the task's start is forgotten there.
  void Begin() {
    KLX_Update_HttpReq::m_userAbortRequest = false;
    getter.KLX_Update_HttpReq_MakeNewRequest(KLX_Update_HttpReq::KLX_Update_HttpReqFileUrl(
        Board::m_Instance->RemoteUpdatePathGet(), KLX_FileNameHandler::UPDATE_MD5FileNameWithFolders));
  }
  // One download of the package to its end: 4 complete, -70000 failed.
  int Fetch() {
    Begin();
    int result = KLX_Ok;
    // A download that never ends leaves KLX_Ok, which no case expects.
    (void)QTest::qWaitFor([&] { return (result = getter.KLX_Update_HttpReqContinueDownload()) != KLX_Ok; },
                          kOnlyAHangMs);
    return result;
  }
  // The requests a download makes that finds `present` in place already.
  QStringList Missing() const {
    QStringList asked{"KLX32MD5fold.txt 200"};
    for (const CSimFile& f : package.Files())
      if (ReadFile(Local(f.path)) != f.bytes || !QFileInfo::exists(Local(f.path))) asked << f.path + " 200";
    return asked;
  }
};
}  // namespace

class NetworkPackageTest : public QObject {
  Q_OBJECT

 private slots:
  void fileAddresses_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("url");
    QTest::newRow("the loopback's explicit port is kept")
        << "http://127.0.0.1:8780/software/KL_Vorn" << "KLX32MD5fold.txt"
        << "http://127.0.0.1:8780/software/KL_Vorn/KLX32MD5fold.txt";
    QTest::newRow("no port: 80; a name is taken literally")
        << "http://update.example/software/KL_Fenk" << "Docs/Release Notes#2.txt"
        << "http://update.example:80/software/KL_Fenk/Docs/Release%20Notes%232.txt";
    QTest::newRow("a base ending in / gets no second one")
        << "http://update.example/software/KL_Vorn/" << "KLX32LinuxApp"
        << "http://update.example:80/software/KL_Vorn/KLX32LinuxApp";
  }
  void fileAddresses() {
    QFETCH(QString, base);
    QFETCH(QString, name);
    QFETCH(QString, url);
    QCOMPARE(KLX_Update_HttpReq::KLX_Update_HttpReqFileUrl(base, name).toString(QUrl::FullyEncoded), url);
  }

  // The list comes first; then only the files missing in the update folder
  // or whose digest differs, in the list's order, a sub-folder made where
  // the list names one. A second download asks for the list alone.
  void fetchesOnlyMissingOrChanged() {
    NetRig rig;
    QVERIFY(rig.Start());
    const QList<CSimFile> files = rig.package.Files();
    QVERIFY(WriteFile(rig.Local("Update.xml"), files[0].bytes));
    QVERIFY(WriteFile(rig.Local("KLX32LinuxApp"), "the old program"));
    QVERIFY(WriteFile(rig.Local("KLX32_de.qm"), "de catalogue"));
    QCOMPARE(rig.Fetch(), int(KLX_Trigger));
    QCOMPARE(rig.server.Asked(), QStringList({"KLX32MD5fold.txt 200", "KLX32LinuxApp 200", "KLX32_en.qm 200",
                                              "vornupdateprolog.sh 200", "vornupdateepilog.sh 200",
                                              "Docs/ReleaseNotes.txt 200", "KLX32MD5.txt 200"}));
    QCOMPARE(rig.getter.KLX_Update_HttpReqDownloadedCount(), 7);
    for (const CSimFile& f : rig.package.ServerFiles()) QCOMPARE(ReadFile(rig.Local(f.path)), f.bytes);
    QCOMPARE(rig.getter.KLX_Update_HttpGetDownloadingFilename(), KLX_Update_HttpReq::kAllDownloaded);

    QCOMPARE(rig.Fetch(), int(KLX_Trigger));
    QCOMPARE(rig.server.Asked(), QStringList{"KLX32MD5fold.txt 200"});
  }

  // Each failure ends the download (-70000 once, the getter reset) and
  // leaves no part of a file; nothing outside the update folder is touched.
  // The next download asks only for what is still missing.
  void failedDownloadsResume_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QString>("gone");
    const QStringList first{"KLX32MD5fold.txt 200", "Update.xml 200"};
    QTest::newRow("the list is missing")
        << QStringList{"404 /software/KL_Vorn/KLX32MD5fold.txt"} << QByteArray() << QStringList{"KLX32MD5fold.txt 404"} << "Update.xml";
    QTest::newRow("a list without a file line")
        << QStringList() << QByteArray("AV:3.91;LV:1.8;\nSZ:12B;\n0123 KLX32LinuxApp\n")
        << QStringList{"KLX32MD5fold.txt 200"} << "Update.xml";
    QTest::newRow("a name leaving the update folder")
        << QStringList() << QByteArray("d41d8cd98f00b204e9800998ecf8427e  ./Update.xml\n"
                                       "d41d8cd98f00b204e9800998ecf8427e  ./../victim.txt\n")
        << QStringList{"KLX32MD5fold.txt 200"} << "Update.xml";
    QTest::newRow("a name from the top folder")
        << QStringList() << QByteArray("d41d8cd98f00b204e9800998ecf8427e  .//Vorn/victim.txt\n")
        << QStringList{"KLX32MD5fold.txt 200"} << "Update.xml";
    QTest::newRow("a listed file is not on the server")
        << QStringList{"404 /software/KL_Vorn/KLX32_de.qm"} << QByteArray()
        << first + QStringList{"KLX32LinuxApp 200", "KLX32_de.qm 404"} << "KLX32_de.qm";
    QTest::newRow("the transfer is cut in the middle")
        << QStringList{"cut /software/KL_Vorn/KLX32LinuxApp"} << QByteArray()
        << first + QStringList{"KLX32LinuxApp 200 cut"} << "KLX32LinuxApp";
    QTest::newRow("the server answers 302") << QStringList{"302 /software/KL_Vorn/KLX32LinuxApp"} << QByteArray()
                                            << first + QStringList{"KLX32LinuxApp 302"} << "KLX32LinuxApp";
    QTest::newRow("a body beyond the listed size")
        << QStringList{"endless /software/KL_Vorn/KLX32LinuxApp"} << QByteArray()
        << first + QStringList{"KLX32LinuxApp 200 endless"} << "KLX32LinuxApp";
  }
  void failedDownloadsResume() {
    QFETCH(QStringList, faults);
    QFETCH(QByteArray, list);
    QFETCH(QStringList, asked);
    QFETCH(QString, gone);
    NetRig rig;
    QVERIFY(rig.Start());
    const QString victim = rig.fx.root.Path() + "/Vorn/victim.txt";
    QVERIFY(WriteFile(victim, "not the update's"));
    rig.server.SetFaults(faults);
    const QString served = rig.server.AppFile("KLX32MD5fold.txt");
    const QByteArray good = ReadFile(served);
    if (!list.isEmpty()) QVERIFY(WriteFile(served, list));

    QCOMPARE(rig.Fetch(), int(KLX_Error));
    QCOMPARE(rig.server.Asked(), asked);
    QCOMPARE(rig.getter.KLX_Update_HttpGetDownloadingFilename(), KLX_Update_HttpReq::kAllDownloaded);
    QCOMPARE(ReadFile(victim), QByteArray("not the update's"));
    QVERIFY(!QFileInfo::exists(rig.fx.root.Path() + "/victim.txt"));
    // What arrived whole stays; the file that failed is gone.
    const QStringList present = QDir(rig.Local(QString())).entryList(QDir::Files, QDir::Name);
    for (const CSimFile& f : rig.package.Files())
      if (present.contains(f.path)) QCOMPARE(ReadFile(rig.Local(f.path)), f.bytes);
    QVERIFY(!present.contains(gone));

    rig.server.SetFaults({});
    QVERIFY(WriteFile(served, good));
    const QStringList missing = rig.Missing();
    QCOMPARE(rig.Fetch(), int(KLX_Trigger));
    // A cut request may reach the server again after its run has ended (Qt's
    // HTTP client sends it once more on a fresh connection): the resumed run
    // is what comes from its list on.
    QStringList resumed = rig.server.Asked();
    resumed = resumed.mid(resumed.indexOf("KLX32MD5fold.txt 200"));
    QCOMPARE(resumed, missing);
  }

  // The card against the package: the listed sizes of the files missing,
  // then each file's announced length, before a byte goes to it; every
  // write is checked. A card that cannot take the program, or fills on the
  // way, is named full; a write failing on a card with room and a size that
  // is no number (a broken list) fail otherwise. No part stays.
  void cardThatCannotTakeThePackage_data() {
    using namespace CardCase;
    Columns();
    QTest::addColumn<bool>("full");
    QTest::newRow("the listed files beyond the free space")
        << kListed << qint64(100 * 1024) << kAny << false << kToList << qint64(0) << true;
    QTest::newRow("no size line, the server's length beyond the free space")
        << QByteArray() << qint64(100 * 1024) << kAny << false << kToProgram << qint64(0) << true;
    QTest::newRow("a size line of 4 GiB")
        << QByteArray("SZ:4294967296B;\n") << (qint64(1) << 30) << kAny << false << kToList << qint64(0) << true;
    QTest::newRow("a size line that is no number")
        << QByteArray("SZ:12xB;\n") << qint64(0) << kAny << false << kToList << qint64(0) << false;
    QTest::newRow("the card fills in the middle of the program")
        << kListed << qint64(0) << qint64(100000) << true << kToProgram << qint64(100000) << true;
    QTest::newRow("a write fails on a card with room")
        << kListed << qint64(0) << qint64(100000) << false << kToProgram << qint64(100000) << false;
  }
  void cardThatCannotTakeThePackage() {
    QFETCH(QStringList, asked);
    QFETCH(qint64, written);
    QFETCH(bool, full);
    FillingCard filling;
    NetRig rig;
    QVERIFY(rig.Start());
    QVERIFY(CardCase::Prepare(filling, rig.fx.root.Path(), rig.server.AppFile("KLX32MD5fold.txt")));

    QCOMPARE(rig.Fetch(), int(KLX_Error));
    QCOMPARE(rig.getter.KLX_Update_HttpReqCardFull(), full);
    QCOMPARE(rig.server.Asked(), asked);
    QCOMPARE(filling.Written(), written);
    QVERIFY(!QFileInfo::exists(rig.Local("KLX32LinuxApp")));
  }

  // A sender far faster than the card, with a length or without: of a
  // 32 MiB program the process holds a few MB at most, however long the
  // card takes, and the rest waits at the sender; the program comes whole.
  // Before, all that came ahead of the card was held, up to the whole
  // program.
  void aFastSenderWaitsForTheCard_data() {
    QTest::addColumn<QStringList>("faults");
    // Qt reads the body in passes of all that the connection has queued.
    QTest::addColumn<bool>("passes");
    QTest::newRow("with a length") << QStringList() << false;
    QTest::newRow("without a length") << QStringList{"nolength /software/KL_Vorn/KLX32LinuxApp"} << true;
  }
  void aFastSenderWaitsForTheCard() {
    QFETCH(QStringList, faults);
    QFETCH(bool, passes);
    const QByteArray program = LargeProgram();
    HeldDownload card("KLX32LinuxApp", program.size());
    NetRig rig;
    rig.package.program = program;
    QVERIFY(rig.Start());
    card.Watch(QUrl(rig.server.Base()).port());
    rig.server.SetFaults(faults);
    QCOMPARE(rig.Fetch(), int(KLX_Trigger));
    QCOMPARE(card.Written(), qint64(program.size()));
    QVERIFY(ReadFile(rig.Local("KLX32LinuxApp")) == program);
    const QString held = card.HeldTooMuch(passes);
    QVERIFY2(held.isEmpty(), qPrintable(held));
  }

  // A body the server gives no length for goes to the card only while the
  // card keeps the room a model save asks for: with room for the program
  // but not for that room as well the package fails for a full card, the
  // part removed, the card never taken below that room on the way. Before,
  // it was written whole, to the card's last bytes.
  void aBodyWithoutALengthKeepsTheCardsReserve_data() {
    QTest::addColumn<qint64>("beyond");
    QTest::addColumn<bool>("taken");
    // Beyond the program and that room, for the list, the description and
    // their folders.
    QTest::newRow("room for the program and the reserve") << qint64(200 * 1024) << true;
    QTest::newRow("room for the program alone") << qint64(-200 * 1024) << false;
  }
  void aBodyWithoutALengthKeepsTheCardsReserve() {
    QFETCH(qint64, beyond);
    QFETCH(bool, taken);
    constexpr qint64 reserve = KLX_FileFunctions::kModelSaveKiB * 1024;
    FillingCard filling;
    NetRig rig;
    QVERIFY(rig.Start());
    const qint64 room = rig.package.program.size() + reserve + beyond;
    QVERIFY(SetRoomOnCard(rig.fx.root.Path(), room));
    filling.Fill(rig.fx.root.Path(), "KLX32LinuxApp", CardCase::kAny, false);
    rig.server.SetFaults({"nolength /software/KL_Vorn/KLX32LinuxApp"});
    if (taken) {
      QCOMPARE(rig.Fetch(), int(KLX_Trigger));
      QCOMPARE(ReadFile(rig.Local("KLX32LinuxApp")), rig.package.program);
      return;
    }
    QCOMPARE(rig.Fetch(), int(KLX_Error));
    QVERIFY(rig.getter.KLX_Update_HttpReqCardFull());
    QVERIFY2(filling.Written() <= room - reserve, qPrintable(QString::number(filling.Written())));
    QVERIFY(!QFileInfo::exists(rig.Local("KLX32LinuxApp")));
  }

  // A transfer that brings nothing more is given up once 30 s passed on the
  // getter's clock without a byte, not a moment before; its part goes.
  void stalledTransferGivesUp() {
    LookedAtClock clock;
    NetRig rig;
    QVERIFY(rig.Start());
    rig.getter.KLX_Update_HttpReqSetClock(&clock, 5);
    rig.server.SetFaults({"stall /software/KL_Vorn/KLX32LinuxApp 0"});
    rig.Begin();
    QStringList asked;
    QVERIFY(QTest::qWaitFor([&] { return (asked += rig.server.Asked()).contains("KLX32LinuxApp 200 stall"); },
                            kOnlyAHangMs));
    QVERIFY(clock.Watching());
    QVERIFY(clock.AdvanceAndGoOn(CTransferWatch::kStallMs - 1));
    QCOMPARE(rig.getter.KLX_Update_HttpReqContinueDownload(), int(KLX_Ok));
    QVERIFY(QFileInfo::exists(rig.Local("KLX32LinuxApp")));
    clock.KLX_ManualClockAdvance(1);
    QVERIFY(
        QTest::qWaitFor([&] { return rig.getter.KLX_Update_HttpReqContinueDownload() == KLX_Error; }, kOnlyAHangMs));
    QVERIFY(!QFileInfo::exists(rig.Local("KLX32LinuxApp")));
    QCOMPARE(asked, QStringList({"KLX32MD5fold.txt 200", "Update.xml 200", "KLX32LinuxApp 200 stall"}));
  }

  // An abort asked for through the facade is served at the next look at
  // the file name: the transfer stops, its part is removed, the name reads
  // "Downloading aborted!" and the next continue fails once.
  void abortDuringTransfer() {
    NetRig rig;
    QVERIFY(rig.Start());
    rig.server.SetFaults({"slow /software/KL_Vorn/KLX32LinuxApp 20"});
    rig.Begin();
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo(rig.Local("KLX32LinuxApp")).size() > 0; }, kOnlyAHangMs));
    rig.fx.db.KLX_DataBaseManagerAbortDownload();
    QCOMPARE(rig.getter.KLX_Update_HttpGetDownloadingFilename(), QString("KLX32LinuxApp"));
    QVERIFY(!KLX_Update_HttpReq::m_userAbortRequest);
    QVERIFY(QTest::qWaitFor(
        [&] { return rig.getter.KLX_Update_HttpGetDownloadingFilename() == KLX_Update_HttpReq::kDownloadAborted; },
        kOnlyAHangMs));
    QCOMPARE(rig.getter.KLX_Update_HttpReqContinueDownload(), int(KLX_Error));
    QVERIFY(!QFileInfo::exists(rig.Local("KLX32LinuxApp")));
    QCOMPARE(rig.server.Asked(), QStringList({"KLX32MD5fold.txt 200", "Update.xml 200", "KLX32LinuxApp 200 slow"}));

    // A second press, after the transfer ended, is not the next download's.
    rig.fx.db.KLX_DataBaseManagerAbortDownload();
    rig.server.SetFaults({});
    rig.Begin();
    int result = KLX_Ok;
    // The download screen looks at the name as it goes.
    QVERIFY(QTest::qWaitFor(
        [&] {
          (void)rig.getter.KLX_Update_HttpGetDownloadingFilename();
          return (result = rig.getter.KLX_Update_HttpReqContinueDownload()) != KLX_Ok;
        },
        kOnlyAHangMs));
    QCOMPARE(result, int(KLX_Trigger));
    QCOMPARE(ReadFile(rig.Local("KLX32LinuxApp")), rig.package.program);
  }
};

QTEST_GUILESS_MAIN(NetworkPackageTest)
#include "tst_networkpackage.moc"
