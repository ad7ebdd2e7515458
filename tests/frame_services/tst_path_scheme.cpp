// The path scheme: every fixed folder under the desktop root, model folders
// and their types, USB sticks, and the size texts.
#include <QtTest>

#include "frame/klx_filenamehandler.h"
#include "frame_services/frame_services_fixture.h"
#include "support/vorn_testroot.h"

using Volumes = QList<KLX_FileNameHandler::MountedVolume>;

class PathSchemeTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { m_Root.reset(new VornTestRoot); }
  void cleanup() {
    KLX_FileNameHandler::KLX_FileNameHandlerSetVolumeSource(nullptr);
    m_Root.reset();
  }

  void fixedFoldersLieUnderTheRoot() {
    const KLX_FileNameHandler n;
    const QString r = m_Root->Path();
    const QList<QPair<QString, QString>> paths = {
        {n.KLX_FileNameHandlerGetVornPath(), "/Vorn"},
        {n.KLX_FileNameHandlerGetSysPropertiesFilePath(), "/Vorn/System/"},
        {n.KLX_FileNameHandlerGetSysProcStateFilePath(), "/Vorn/Vornstate/"},
        {n.KLX_FileNameHandlerGetTopModelFilePath(), "/Vorn/Model"},
        {n.KLX_FileNameHandlerGetErrorLogFilePath(), "/Vorn/Error/"},
        {n.KLX_FileNameHandlerGetRunappLogFilePath(), "/Vorn/Runapp/"},
        {n.KLX_FileNameHandlerGetTelemetrieLogFilePath(), "/Vorn/Log/"},
        {n.KLX_FileNameHandlerGetUpdateFilePath(), "/Vorn/Update/"},
        {n.KLX_FileNameHandlerGetNetworkUpdateFilePath(), "/Vorn/Update/"},
        {n.KLX_FileNameHandlerGetVoicePackagesFilePath(), "/Vorn/Update/Pkgs/"},
        {n.KLX_FileNameHandlerGetReceiverUpdateFilePath(), "/Vorn/Update/Receiver/"},
        {n.KLX_FileNameHandlerGetSoundPath(), "/Vorn/Sound/"},
        {n.KLX_FileNameHandlerGetVornSoundVoiceFolderPath(), "/Vorn/Sound/Voices/"},
        {n.KLX_FileNameHandlerGetDevicePath(), "/dev/"},
        {n.KLX_FileNameHandlerGetLinuxAppPath(), "/app/"},
        {n.KLX_FileNameHandlerGetLanguageFilePath(), "/app/"},
        {n.KLX_FileNameHandlerGetAppPath(), "/app"},
        {n.KLX_FileNameHandlerGetUSBStickMountPoint(2), "/media/usb2"},
        {n.KLX_FileNameHandlerGetBoardNameFile(), "/sys/bdinfo/board_name"},
        {n.KLX_FileNameHandlerGetGPIOPath(), "/sys/class/gpio"},
    };
    for (const auto& path : paths) QCOMPARE(path.first, r + path.second);
  }

  void namesAndRelativePathsStayAsTheyAre() {
    const KLX_FileNameHandler n;
    QCOMPARE(n.KLX_FileNameHandlerGetSysPropertiesFileName(), QStringLiteral("System.xml"));
    QCOMPARE(n.KLX_FileNameHandlerGetTimeZonesFileName(), QStringLiteral("Timezones.xml"));
    QCOMPARE(n.KLX_FileNameHandlerGetSysProcStateFileName(), QStringLiteral("Vornstate.xml"));
    QCOMPARE(n.KLX_FileNameHandlerGetErrorLogFileName(), QStringLiteral("Err.log"));
    QCOMPARE(n.KLX_FileNameHandlerGetTelemetrieLogFileName(), QStringLiteral("Tele.log"));
    QCOMPARE(n.KLX_FileNameHandlerGetUpdateFileName(), QStringLiteral("Update.xml"));
    QCOMPARE(n.KLX_FileNameHandlerGetVoicesFilePath(), QStringLiteral("Voices/"));
    QCOMPARE(n.KLX_FileNameHandlerGetVoicesTxtFileName(), QStringLiteral("Voicesdata.txt"));
    QCOMPARE(n.KLX_FileNameHandlerGetFilesystemFileName(), QStringLiteral("Filesysstat.txt"));
    QCOMPARE(n.KLX_FileNameHandlerGetPicFolder(), QStringLiteral("/Pictures"));
    QCOMPARE(n.KLX_FileNameHandlerGetLinuxLanguageFilter(), QStringLiteral("*.qm"));
    QCOMPARE(n.KLX_FileNameHandlerGetLinuxAppFileName(), QStringLiteral("KLX32LinuxApp"));
    QCOMPARE(n.KLX_FileNameHandlerGetLinuxOpenScriptCmd(), QStringLiteral("./Vorn/Update/linuxopen.sh"));
    QCOMPARE(n.KLX_FileNameHandlerGetLinuxCloseScriptCmd(), QStringLiteral("./Vorn/Update/linuxclose.sh"));
    QCOMPARE(n.KLX_FileNameHandlerGetPrologScriptName(), QStringLiteral("vornupdateprolog.sh"));
    QCOMPARE(n.KLX_FileNameHandlerGetEpilogScriptName(), QStringLiteral("vornupdateepilog.sh"));
    QCOMPARE(KLX_FileNameHandler::UPDATE_MD5FileName, QStringLiteral("KLX32MD5.txt"));
    QCOMPARE(KLX_FileNameHandler::UPDATE_MD5FileNameWithFolders, QStringLiteral("KLX32MD5fold.txt"));
  }

  void modelFolders_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("noSlash");
    QTest::addColumn<QString>("path");
    QTest::newRow("plane") << 1 << "" << false << "/Vorn/Model/Plane/";
    QTest::newRow("car without slash") << 5 << "ignored" << true << "/Vorn/Model/Car";
    QTest::newRow("other") << 6 << "" << false << "/Vorn/Model/Other/";
    QTest::newRow("unknown type") << 7 << "x" << false << "/Vorn/Model/";
    QTest::newRow("own folder") << 0 << "Gl\u00e4ser" << false << "/Vorn/Model/Gl\u00e4ser/";
  }

  void modelFolders() {
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(bool, noSlash);
    QFETCH(QString, path);
    QCOMPARE(KLX_FileNameHandler().KLX_FileNameHandlerGetModelFilePath(type, name, noSlash), m_Root->Path() + path);
  }

  void anOwnFolderMustKeepThePathBelow512Bytes() {
    const KLX_FileNameHandler n;
    const int room = 511 - (m_Root->Path() + "/Vorn/Model/").toUtf8().size();
    QCOMPARE(n.KLX_FileNameHandlerGetModelFilePath(0, QString(room, 'm'), true).toUtf8().size(), 511);
    QCOMPARE(n.KLX_FileNameHandlerGetModelFilePath(0, QString(room, 'm'), false), QString());
  }

  void modelTypeOfAPath() {
    const KLX_FileNameHandler n;
    const QString model = m_Root->Path() + "/Vorn/Model/";
    QCOMPARE(n.KLX_FileNameHandlerGetModelTypeByPath(model + "Plane"), 1);
    QCOMPARE(n.KLX_FileNameHandlerGetModelTypeByPath(model + "Multicopter"), 3);
    QCOMPARE(n.KLX_FileNameHandlerGetModelTypeByPath(model + "Other"), 6);
    QCOMPARE(n.KLX_FileNameHandlerGetModelTypeByPath(model + "Plane/"), 0);
    QCOMPARE(n.KLX_FileNameHandlerGetModelTypeByPath(model + "plane"), 0);
    QCOMPARE(n.KLX_FileNameHandlerGetModelTypeByPath("/Vorn/Model/Plane"), 0);
  }

  // The one check of model folders and names: the answer is the folder under
  // the root, or empty when the folder or the name would leave the model area.
  void modelPathsStayInTheModelArea_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");  // below the root
    QTest::newRow("type folder") << 3 << QString() << "Heli.xml" << "/Vorn/Model/Multicopter/";
    QTest::newRow("own folder, board form") << 0 << "/Vorn/Model/Mine" << "Heli.xml" << "/Vorn/Model/Mine/";
    QTest::newRow("own folder under the root") << 0 << "@/Vorn/Model/Mine/Sub/" << "Heli.xml"
                                               << "/Vorn/Model/Mine/Sub/";
    QTest::newRow("type without a folder") << 0 << QString() << "Heli.xml" << QString();
    QTest::newRow("unknown type") << 7 << QString() << "Heli.xml" << QString();
    QTest::newRow("the model area itself") << 1 << "/Vorn/Model" << "Heli.xml" << QString();
    QTest::newRow("up and out") << 1 << "/Vorn/Model/../../.." << "Heli.xml" << QString();
    QTest::newRow("relative") << 1 << "../../.." << "Heli.xml" << QString();
    QTest::newRow("absolute elsewhere") << 1 << "/tmp/models" << "Heli.xml" << QString();
    QTest::newRow("beside the root") << 1 << "@/../Vorn/Model/Plane" << "Heli.xml" << QString();
    QTest::newRow("link out of the area") << 1 << "/Vorn/Model/Link" << "Heli.xml" << QString();
    QTest::newRow("name up") << 1 << QString() << "../x.xml" << QString();
    QTest::newRow("name with a folder") << 1 << QString() << "a/b.xml" << QString();
    QTest::newRow("name of dots") << 1 << QString() << "..xml" << QString();
    QTest::newRow("empty name") << 1 << QString() << QString() << QString();
    // What the card's vfat cannot hold: the save after it would fail.
    for (const char* c : {"\"", "<", ">", ":", "*", "?", "|", "\\", "\t", "\x7f"})
      QTest::newRow(qPrintable("name with 0x" + QByteArray(c).toHex()))
          << 1 << QString() << "Heli" + QString::fromLatin1(c) + ".xml" << QString();
    QTest::newRow("name beyond ASCII") << 1 << QString() << QString::fromUtf8("M\xc3\xb6we.xml")
                                       << "/Vorn/Model/Plane/";
  }
  void modelPathsStayInTheModelArea() {
    QFETCH(int, type);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const QString root = m_Root->Path();
    QVERIFY(QDir().mkpath(root + "/Vorn/Model"));
    QVERIFY(QFile::link(QDir::tempPath(), root + "/Vorn/Model/Link"));
    folder.replace("@", root);
    const QString answer = KLX_FileNameHandler().KLX_FileNameHandlerCheckModelPath(type, folder, name);
    QCOMPARE(answer, expected.isEmpty() ? QString() : root + expected);
  }

  // Two paths to one file: through a link, and in other letters where the
  // card ignores the case (the desktop's card counts as vfat).
  void samePaths_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("one path, twice") << "/Vorn/Model/Plane/A.xml" << "/Vorn/Model/Plane/A.xml" << true;
    QTest::newRow("a closing slash and a dot") << "/Vorn/Model/Plane/" << "/Vorn/Model/./Plane" << true;
    QTest::newRow("through a link") << "/Vorn/Model/Link/A.xml" << "/Vorn/Model/Plane/A.xml" << true;
    QTest::newRow("other letters on the card") << "/Vorn/Model/PLANE/a.xml" << "/Vorn/Model/Plane/A.xml" << true;
    QTest::newRow("another file") << "/Vorn/Model/Plane/B.xml" << "/Vorn/Model/Plane/A.xml" << false;
    QTest::newRow("other letters off the card") << "/tmp/q/A" << "/tmp/q/a" << false;
  }
  void samePaths() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    const QString root = m_Root->Path();
    QVERIFY(QDir().mkpath(root + "/Vorn/Model/Plane"));
    QVERIFY(QFile::link(root + "/Vorn/Model/Plane", root + "/Vorn/Model/Link"));
    QCOMPARE(KLX_FileNameHandler::KLX_FileNameHandlerSamePath(root + a, root + b), same);
  }

  // Plugged sticks holding the description and the program; stick 7's
  // mount point keeps such files with nothing mounted on it.
  void updateSticksHoldTheDescriptionAndTheProgram() {
    const KLX_FileNameHandler n;
    const QString r = m_Root->Path();
    KLX_FileNameHandler::KLX_FileNameHandlerSetVolumeSource([r] {
      return Volumes{{r + "/Vorn", "VORN", "/dev/mmcblk1p1"}, {r + "/media/usb1", "A", "/dev/sda1"},
                     {r + "/media/usb4", "B", "/dev/sdb1"}};
    });
    QCOMPARE(n.KLX_FileNameHandlerGetUpdateUSBStickPath(1), QString());
    QVERIFY(WriteFile(r + "/media/usb1/Update.xml", "u"));
    QVERIFY(WriteFile(r + "/media/usb4/Update.xml", "u"));
    QVERIFY(WriteFile(r + "/media/usb4/KLX32LinuxApp", "a"));
    QVERIFY(WriteFile(r + "/media/usb7/Update.xml", "u"));
    QVERIFY(WriteFile(r + "/media/usb7/KLX32LinuxApp", "a"));
    QCOMPARE(n.KLX_FileNameHandlerGetUpdateUSBStickPath(1), r + "/media/usb1/");
    QCOMPARE(n.KLX_FileNameHandlerGetUpdateUSBStickPath(7), QString());
    QCOMPARE(n.KLX_FileNameHandlerGetUSBupdateSticksMask(), 1 << 4);
  }

  void theStickAskedForWinsOverStickZero_data() {
    QTest::addColumn<QStringList>("mounted");
    QTest::addColumn<int>("stick");
    QTest::addColumn<QString>("path");
    QTest::newRow("zero listed first") << QStringList{"/media/usb0", "/media/usb3"} << 3 << "/media/usb3";
    QTest::newRow("zero listed last") << QStringList{"/media/usb3", "/media/usb0"} << 3 << "/media/usb3";
    QTest::newRow("zero stands in") << QStringList{"/media/usb3", "/media/usb0"} << 5 << "/media/usb0";
    QTest::newRow("zero asked for") << QStringList{"/media/usb0", "/media/usb3"} << 0 << "/media/usb0";
    QTest::newRow("no stick zero") << QStringList{"/", "/media/usb3"} << 5 << "";
  }

  void theStickAskedForWinsOverStickZero() {
    QFETCH(QStringList, mounted);
    QFETCH(int, stick);
    QFETCH(QString, path);
    const QString r = m_Root->Path();
    KLX_FileNameHandler::KLX_FileNameHandlerSetVolumeSource([mounted, r] {
      Volumes volumes;
      for (const QString& m : mounted) volumes.append({r + m, "STICK", "/dev/sdx"});
      return volumes;
    });
    KLX_FileNameHandler n;
    QCOMPARE(n.KLX_FileNameHandlerGetUSBStickPath((unsigned char)stick), path.isEmpty() ? QString() : r + path);
  }

  void mountedSticksMask() {
    const QString r = m_Root->Path();
    Volumes volumes = {{r, "root", "/dev/root"},       {r + "/Vorn", "VORN", "/dev/mmcblk1p1"},
                       {r + "/media/usb0", "A", "/dev/sda1"}, {r + "/media/usb12", "B", "/dev/sdb1"},
                       {r + "/media/usb8", "C", "/dev/sdc1"}, {r + "/media/usb5", "D", "/dev/sdd1"}};
    KLX_FileNameHandler::KLX_FileNameHandlerSetVolumeSource([&volumes] { return volumes; });
    KLX_FileNameHandler n;
    QCOMPARE(n.KLX_FileNameHandlerGetUSBAllSticksMask(), (1 << 0) | (1 << 5));
    QCOMPARE(n.KLX_FileNameHandlerGetStoragesCount(), 6);
    // A scan that finds nothing keeps the last list.
    volumes.clear();
    QCOMPARE(n.KLX_FileNameHandlerGetUSBAllSticksMask(), (1 << 0) | (1 << 5));
    QCOMPARE(n.KLX_FileNameHandlerGetStoragesCount(), 6);
  }

  void sizeTexts_data() {
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("negative") << qint64(-1) << "";
    QTest::newRow("zero") << qint64(0) << "0 Bytes";
    QTest::newRow("one MB exactly") << qint64(1000000) << "1000000 Bytes";
    QTest::newRow("above one MB") << qint64(1500001) << "1.50 MB";
    QTest::newRow("one GB exactly") << qint64(1000000000) << "1000.00 MB";
    QTest::newRow("above one GB") << qint64(31914983424) << "31.91 GB";
  }

  void sizeTexts() {
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(KLX_FileNameHandler::GetStorageSizeInAbbreviationBytes(bytes), text);
  }

  // A card's size is never nothing here (a size of 0 is none, the host's):
  // a stick not plugged has no size.
  void spaceOfAVolumeWithoutSizeIsZeroPercentUsed() {
    QVERIFY(MakeCard(m_Root->Path()));
    const QStringList fields = KLX_FileNameHandler().KLX_FileFunctionsGetSpaceInfoOnSDcard(0).split(';');
    QCOMPARE(fields.size(), 5);
    QCOMPARE(fields.at(0), QStringLiteral("0 Bytes"));
    QCOMPARE(fields.at(3), QStringLiteral("0 Bytes"));
    QCOMPARE(fields.at(4), QStringLiteral("0%"));
  }

  void spaceOfACard() {
    QVERIFY(MakeCard(m_Root->Path(), 1500000));
    const QStringList fields = KLX_FileNameHandler().KLX_FileFunctionsGetSpaceInfoOnSDcard(-1).split(';');
    QCOMPARE(fields.size(), 5);
    QCOMPARE(fields.at(0), QStringLiteral("1.50 MB"));
    QCOMPARE(fields.at(2), QStringLiteral("vfat"));
    // The test's file system has more room than this card: nothing used.
    QCOMPARE(fields.at(3), QStringLiteral("1.50 MB"));
    QCOMPARE(fields.at(4), QStringLiteral("0%"));
  }

 private:
  std::unique_ptr<VornTestRoot> m_Root;
};

QTEST_GUILESS_MAIN(PathSchemeTest)
#include "tst_path_scheme.moc"
