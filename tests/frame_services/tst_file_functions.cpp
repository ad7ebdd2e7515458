// The file functions: checks, listings, deletion, whole and part-by-part
// copies with their progress and failures, voice-pack unpacking: packs that
// cannot be unpacked or do not fit refused before anything is written, the
// installed ones on the card before they take their place.
#include <QtTest>

#include "frame_services/frame_services_fixture.h"
#include "platform/klx_commandrunner.h"
#include "sim/csimupdateserver.h"
#include "support/vorn_testroot.h"
#include "update/klx_filefunctions.h"
#include "update/klx_ziplisting.h"
#include "vorn_filetree.h"
#include "vorn_fullmedium.h"
#include "vorn_powercut.h"

#include <QStandardPaths>
#include <QStorageInfo>

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <optional>

class FileFunctionsTest : public QObject {
  Q_OBJECT

  enum Copy { WholeFolder, FolderByParts, FileByParts, WholeFile };

 private slots:
  void initTestCase() { UseLargerBoard(); }

  void init() {
    m_Root.reset(new VornTestRoot);
    QVERIFY(MakeCard(m_Root->Path()));
    m_Src = m_Root->Path() + "/Vorn/src/";
    m_Dst = m_Root->Path() + "/Vorn/dst/";
    QVERIFY(QDir().mkpath(m_Src));
    QVERIFY(QDir().mkpath(m_Dst));
  }

  void cleanup() { m_Root.reset(); }

  void theSdCardCheck() {
    KLX_FileFunctions f;
    QVERIFY(f.KLX_FileFunctionsCheckForSDCard(false));
    QVERIFY(f.KLX_FileFunctionsCheckForSDCard(true));
    QVERIFY(WriteFile(m_Root->Path() + "/run/sdcard-size", QByteArray::number(268435456 - 1)));
    QVERIFY(f.KLX_FileFunctionsCheckForSDCard(false));
    QVERIFY(!f.KLX_FileFunctionsCheckForSDCard(true));
    QVERIFY(WriteFile(m_Root->Path() + "/run/sdcard-size", QByteArray::number(268435456)));
    QVERIFY(f.KLX_FileFunctionsCheckForSDCard(true));
    QVERIFY(QFile::remove(m_Root->Path() + "/dev/mmcblk1p1"));
    QVERIFY(!f.KLX_FileFunctionsCheckForSDCard(false));
  }

  void foldersAndFilesAreCheckedAndMadeOnRequest() {
    KLX_FileFunctions f;
    const QString deep = m_Root->Path() + "/Vorn/a/b/c/";
    QVERIFY(!f.KLX_FileFileFunctionsCheckFolder(deep, false));
    QVERIFY(!QFileInfo::exists(deep));
    QVERIFY(f.KLX_FileFileFunctionsCheckFolder(deep, true));
    QVERIFY(QFileInfo(deep).isDir());
    QVERIFY(!f.KLX_FileFileFunctionsCheckFile("x.txt", deep, false));
    QVERIFY(f.KLX_FileFileFunctionsCheckFile("x.txt", deep, true));
    QCOMPARE(QFileInfo(deep + "x.txt").size(), 0);
    QVERIFY(!f.KLX_FileFileFunctionsCheckFile("x.txt", m_Root->Path() + "/none/", true));
  }

  void freeSpaceAndAnUnreadableFileSystem() {
    VornErrorWatch watch;
    KLX_FileFunctions f;
    QVERIFY(SetCardFree(m_Root->Path(), 100 * 1024));
    QVERIFY(f.KLX_FileFunctionsGetAvailSpaceOnFolder(m_Dst, 100));
    QVERIFY(!f.KLX_FileFunctionsGetAvailSpaceOnFolder(m_Dst, 101));
    QVERIFY(watch.TakeReports().isEmpty());
    QVERIFY(!f.KLX_FileFunctionsGetAvailSpaceOnFolder(m_Root->Path() + "/missing/", 1));
    const QList<QPair<unsigned, QString>> expected = {
        {0x50501u, QStringLiteral("KLX_FileChecker(): drive info not accessable")}};
    QCOMPARE(watch.TakeReports(), expected);
  }

  void listingsArePagedByIndex() {
    KLX_FileFunctions f;
    for (const char* name : {"a.xml", "b.xml", "c.txt", "noext"}) QVERIFY(WriteFile(m_Src + name, "x"));
    QVERIFY(QDir().mkpath(m_Src + "sub.xml"));
    f.KLX_FileFunctionsGetFolderContentFiles(m_Src, "*.xml");
    QStringList files;
    for (int i = 0; i < f.KLX_FileFunctionsGetEntryCountFiles(); ++i) files << f.KLX_FileFunctionsGetFileEntrybyIndex(i);
    files.sort();
    QCOMPARE(files, QStringList({"a.xml", "b.xml"}));
    QCOMPARE(f.KLX_FileFunctionsGetFileEntrybyIndex(2), QString());
    f.KLX_FileFunctionsGetFolderContentFiles(m_Src);
    QCOMPARE(f.KLX_FileFunctionsGetEntryCountFiles(), 3);
    f.KLX_FileFunctionsGetFolderContentDirs(m_Src);
    QStringList dirs;
    for (int i = 0; i < f.KLX_FileFunctionsGetEntryCountFolders(); ++i) dirs << f.KLX_FileFunctionsGetFolderEntrybyIndex(i);
    dirs.sort();
    QCOMPARE(dirs, QStringList({".", "..", "sub.xml"}));
    QCOMPARE(f.KLX_FileFunctionsGetFolderEntrybyIndex(-1), QString());
  }

  void deletingFilesAndFolders() {
    KLX_FileFunctions f;
    QVERIFY(f.KLX_FileFunctionsDeleteFileInFolder("absent", m_Src));
    QVERIFY(WriteFile(m_Src + "one", "1"));
    QVERIFY(f.KLX_FileFunctionsDeleteFileInFolder("one", m_Src));
    QVERIFY(!QFileInfo::exists(m_Src + "one"));

    QVERIFY(WriteFile(m_Src + "keep/file", "1"));
    QVERIFY(!f.KLX_FileFunctionsDeleteFolder(m_Src + "keep", true));
    QVERIFY(QFileInfo::exists(m_Src + "keep/file"));
    QVERIFY(QDir().mkpath(m_Src + "empty"));
    QVERIFY(f.KLX_FileFunctionsDeleteFolder(m_Src + "empty", true));
    QVERIFY(!QFileInfo::exists(m_Src + "empty"));
    QVERIFY(f.KLX_FileFunctionsDeleteFolder(m_Src + "keep", false));
    QVERIFY(!QFileInfo::exists(m_Src + "keep"));
  }

  // A folder removed with its content takes a link in it, or the link
  // given for it, as a link: the folder it names stays as it was.
  void aRemovedFolderTakesLinksAsLinks_data() {
    QTest::addColumn<QString>("given");
    QTest::newRow("a folder holding a link") << "holder";
    QTest::newRow("a link to a folder") << "link";
    QTest::newRow("a link with a final slash") << "link/";
  }
  void aRemovedFolderTakesLinksAsLinks() {
    QFETCH(QString, given);
    const QString models = m_Root->Path() + "/Vorn/Model/Plane";
    QVERIFY(WriteFile(models + "/Victim.xml", "victim"));
    QVERIFY(WriteFile(m_Src + "holder/own.txt", "own"));
    QVERIFY(QFile::link(models, m_Src + "holder/models"));
    QVERIFY(QFile::link(models, m_Src + "link"));
    QVERIFY(KLX_FileFunctions().KLX_FileFunctionsDeleteFolder(m_Src + given, false));
    QVERIFY(!QFileInfo(QDir::cleanPath(m_Src + given)).isSymLink() && !QFileInfo::exists(m_Src + given));
    QCOMPARE(VornFileTree(models), QStringList({"Victim.xml: victim"}));
  }

  // A copy reads no link among its sources and writes through none in its
  // destination (one there is replaced by the copy): the files they name stay
  // as they were.
  void noCopyFollowsALink_data() {
    QTest::addColumn<int>("copy");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("copied");
    const QStringList before{"a.log (link)", "c.log (link)"};
    QTest::newRow("whole folder") << int(WholeFolder) << QString() << 0 << QStringList({"a.log (link)", "c.log: new c"});
    QTest::newRow("folder by parts") << int(FolderByParts) << QString() << 100
                                     << QStringList({"a.log: new a", "c.log: new c"});
    QTest::newRow("file by parts over a link") << int(FileByParts) << "a.log" << 100
                                               << QStringList({"a.log: new a", "c.log (link)"});
    QTest::newRow("file by parts from a link") << int(FileByParts) << "b.log" << -1 << before;
    QTest::newRow("whole file over a dangling link") << int(WholeFile) << "c.log" << 1
                                                     << QStringList({"a.log (link)", "c.log: new c"});
    QTest::newRow("whole file from a link") << int(WholeFile) << "b.log" << 0 << before;
  }
  void noCopyFollowsALink() {
    QFETCH(int, copy);
    QFETCH(QString, name);
    QFETCH(int, result);
    QFETCH(QStringList, copied);
    const QString models = m_Root->Path() + "/Vorn/Model/Plane/";
    const QString secret = m_Root->Path() + "/Vorn/System/secret.txt";
    QVERIFY(WriteFile(models + "Victim.xml", "victim") && WriteFile(secret, "secret"));
    QVERIFY(WriteFile(m_Src + "a.log", "new a") && WriteFile(m_Src + "c.log", "new c"));
    QVERIFY(QFile::link(secret, m_Src + "b.log"));
    QVERIFY(QFile::link(models + "Victim.xml", m_Dst + "a.log"));
    QVERIFY(QFile::link(models + "Planted.xml", m_Dst + "c.log"));

    KLX_FileFunctions f;
    int got = 0;
    switch (copy) {
      case WholeFolder: got = f.KLX_FileFunctionsCopyFolderContent(m_Src, m_Dst, "*.log"); break;
      case WholeFile: got = f.KLX_FileFunctionsCopyFileToFolder(name, m_Src, name, m_Dst); break;
      default:
        for (int step = 0; step < 10 && got >= 0 && got < 100; ++step)
          got = copy == FolderByParts ? f.KLX_FileFunctionsCopyFolderContentByParts(m_Src, m_Dst, "*.log")
                                      : f.KLX_FileFunctionsCopyFileToFolderByParts(name, m_Src, name, m_Dst);
    }
    QCOMPARE(got, result);
    QCOMPARE(VornFileTree(m_Dst), copied);
    QCOMPARE(VornFileTree(models), QStringList({"Victim.xml: victim"}));
    QCOMPARE(ReadFile(secret), QByteArray("secret"));
  }

  void clearingLeavesSubFolders() {
    KLX_FileFunctions f;
    for (const char* name : {"a.qm", "b.qm", "c.txt", "sub/d.qm"}) QVERIFY(WriteFile(m_Src + name, "x"));
    QVERIFY(f.KLX_FileFunctionsClearFolder(m_Src, false, "*.qm"));
    QCOMPARE(QDir(m_Src).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), QStringList({"c.txt", "sub"}));
    QVERIFY(QFileInfo::exists(m_Src + "sub/d.qm"));
    // The folder cannot go while its sub-folder stays.
    QVERIFY(!f.KLX_FileFunctionsClearFolder(m_Src, true, QString()));
    QVERIFY(QFileInfo::exists(m_Src + "sub/d.qm"));
    QVERIFY(!QFileInfo::exists(m_Src + "c.txt"));
    QVERIFY(f.KLX_FileFunctionsDeleteFolder(m_Src + "sub", false));
    QVERIFY(f.KLX_FileFunctionsClearFolder(m_Src, true, QString()));
    QVERIFY(!QFileInfo::exists(m_Src));
  }

  void aWholeCopyReplacesTheDestination() {
    KLX_FileFunctions f;
    QVERIFY(WriteFile(m_Src + "model.xml", "new"));
    QVERIFY(WriteFile(m_Dst + "copy.xml", "old"));
    QVERIFY(f.KLX_FileFunctionsCopyFileToFolder("model.xml", m_Src, "copy.xml", m_Dst));
    QCOMPARE(ReadFile(m_Dst + "copy.xml"), QByteArray("new"));
    // A failed copy leaves the old destination as it was.
    QVERIFY(!f.KLX_FileFunctionsCopyFileToFolder("absent.xml", m_Src, "copy.xml", m_Dst));
    QCOMPARE(ReadFile(m_Dst + "copy.xml"), QByteArray("new"));
    QCOMPARE(QDir(m_Dst).entryList(QDir::Files | QDir::Hidden), QStringList({"copy.xml"}));
  }

  void aFolderCopyFailsIfAnyFileFails() {
    KLX_FileFunctions f;
    for (const char* name : {"a.wav", "b.wav", "c.wav", "d.txt"}) QVERIFY(WriteFile(m_Src + name, name));
    QVERIFY(QDir().mkpath(m_Src + "e.wav"));
    QVERIFY(WriteFile(m_Dst + "b.wav", "already there"));
    QVERIFY(!f.KLX_FileFunctionsCopyFolderContent(m_Src, m_Dst, "*.wav"));
    QCOMPARE(ReadFile(m_Dst + "a.wav"), QByteArray("a.wav"));
    QCOMPARE(ReadFile(m_Dst + "b.wav"), QByteArray("already there"));
    QCOMPARE(ReadFile(m_Dst + "c.wav"), QByteArray("c.wav"));
    QVERIFY(!QFileInfo::exists(m_Dst + "d.txt"));
    QVERIFY(!QFileInfo::exists(m_Dst + "e.wav"));

    for (const char* name : {"a.wav", "b.wav", "c.wav"}) QVERIFY(QFile::remove(m_Dst + name));
    QVERIFY(f.KLX_FileFunctionsCopyFolderContent(m_Src, m_Dst, "*.wav"));
    QCOMPARE(ReadFile(m_Dst + "b.wav"), QByteArray("b.wav"));
    QVERIFY(f.KLX_FileFunctionsCopyFolderContent(m_Src, m_Dst, "*.none"));
  }

  void aWholeFolderCopyIntoAFullCard() {
    KLX_FileFunctions f;
    QVERIFY(WriteFile(m_Src + "big.bin", QByteArray(300000, 'b')));
    QVERIFY(WriteFile(m_Root->Path() + "/run/sdcard-size", QByteArray::number(200000)));
    QVERIFY(!f.KLX_FileFunctionsCopyFolderContent(m_Src, m_Dst, QString()));
    QVERIFY(!QFileInfo::exists(m_Dst + "big.bin"));
  }

  void aPartCopyReportsItsProgress() {
    KLX_FileFunctions f;
    const QByteArray data = RandomBytes(4 * 0x40000);
    QVERIFY(WriteFile(m_Src + "pack.bin", data));
    QList<int> steps;
    for (int guard = 0; guard < 10; ++guard) {
      steps << f.KLX_FileFunctionsCopyFileToFolderByParts("pack.bin", m_Src, "pack.bin", m_Dst);
      if (steps.last() == 100 || steps.last() < 0) break;
      // Nothing appears under the destination name before the copy is complete.
      QVERIFY(!QFileInfo::exists(m_Dst + "pack.bin"));
    }
    QCOMPARE(steps, QList<int>({25, 50, 75, 100}));
    QCOMPARE(ReadFile(m_Dst + "pack.bin"), data);
    // The object is ready for the next copy.
    QCOMPARE(f.KLX_FileFunctionsCopyFileToFolderByParts("pack.bin", m_Src, "again.bin", m_Dst), 25);
  }

  void anEmptyFileCopiesWithOneStep() {
    KLX_FileFunctions f;
    QVERIFY(WriteFile(m_Src + "empty.txt", QByteArray()));
    QVERIFY(WriteFile(m_Dst + "empty.txt", "old content"));
    QCOMPARE(f.KLX_FileFunctionsCopyFileToFolderByParts("empty.txt", m_Src, "empty.txt", m_Dst), 100);
    QVERIFY(QFileInfo::exists(m_Dst + "empty.txt"));
    QCOMPARE(QFileInfo(m_Dst + "empty.txt").size(), 0);
  }

  void partCopyFailures() {
    VornErrorWatch watch;
    KLX_FileFunctions f;
    // A missing source needs 1 KiB and then cannot be opened.
    QCOMPARE(f.KLX_FileFunctionsCopyFileToFolderByParts("absent", m_Src, "x", m_Dst), -1);
    // A missing destination folder has no file system to ask.
    QVERIFY(WriteFile(m_Src + "a.bin", QByteArray(1000, 'a')));
    QCOMPARE(f.KLX_FileFunctionsCopyFileToFolderByParts("a.bin", m_Src, "a.bin", m_Root->Path() + "/nowhere/"), -2);
    QVERIFY(watch.Has(0x50501u));
    // A full card.
    QVERIFY(WriteFile(m_Src + "big.bin", QByteArray(300000, 'b')));
    QVERIFY(SetCardFree(m_Root->Path(), 200000));
    QCOMPARE(f.KLX_FileFunctionsCopyFileToFolderByParts("big.bin", m_Src, "big.bin", m_Dst), -2);
    QVERIFY(!QFileInfo::exists(m_Dst + "big.bin"));
    // After a refusal the next copy starts afresh.
    QCOMPARE(f.KLX_FileFunctionsCopyFileToFolderByParts("a.bin", m_Src, "a.bin", m_Dst), 100);
  }

  void aSourceThatVanishesMidwayFailsTheCopy() {
    KLX_FileFunctions f;
    QVERIFY(WriteFile(m_Src + "two.bin", QByteArray(2 * 0x40000 + 10, 't')));
    QCOMPARE(f.KLX_FileFunctionsCopyFileToFolderByParts("two.bin", m_Src, "two.bin", m_Dst), 49);
    QVERIFY(QFile::resize(m_Src + "two.bin", 0x40000));
    QCOMPARE(f.KLX_FileFunctionsCopyFileToFolderByParts("two.bin", m_Src, "two.bin", m_Dst), -1);
    QVERIFY(!QFileInfo::exists(m_Dst + "two.bin"));
    QCOMPARE(QDir(m_Dst).entryList(QDir::Files | QDir::Hidden), QStringList());
  }

  void aPartFolderCopyReportsItsProgress() {
    KLX_FileFunctions f;
    QVERIFY(WriteFile(m_Src + "large.bin", QByteArray(300000, 'l')));
    QVERIFY(WriteFile(m_Src + "small.bin", QByteArray(1000, 's')));
    QVERIFY(WriteFile(m_Src + "empty.bin", QByteArray()));
    QVERIFY(WriteFile(m_Src + "skip.txt", "x"));
    QVERIFY(QDir().mkpath(m_Src + "folder.bin"));
    QList<int> steps;
    for (int guard = 0; guard < 10; ++guard) {
      steps << f.KLX_FileFunctionsCopyFolderContentByParts(m_Src, m_Dst, "*.bin");
      if (steps.last() == 100 || steps.last() < 0) break;
    }
    QCOMPARE(steps.last(), 100);
    // The listing order is the file system's; each file shows its share of
    // the 301000 bytes: 1000 of them alone is 0.33 % and shows as 1.
    steps.removeAll(0);
    const QList<QList<int>> orders = {{1, 87, 99, 100},      {87, 99, 99, 100},      {1, 1, 87, 99, 100},
                                      {1, 87, 99, 99, 100}, {87, 99, 99, 99, 100}};
    QStringList seen;
    for (int step : steps) seen << QString::number(step);
    QVERIFY2(orders.contains(steps), qPrintable(seen.join(',')));
    QCOMPARE(QFileInfo(m_Dst + "large.bin").size(), 300000);
    QCOMPARE(QFileInfo(m_Dst + "small.bin").size(), 1000);
    QVERIFY(QFileInfo::exists(m_Dst + "empty.bin"));
    QVERIFY(!QFileInfo::exists(m_Dst + "skip.txt"));
    QVERIFY(!QFileInfo::exists(m_Dst + "folder.bin"));
  }

  void aPartFolderCopyNeedsRoomForTheWholeFolder() {
    KLX_FileFunctions f;
    QVERIFY(WriteFile(m_Src + "a.bin", QByteArray(120000, 'a')));
    QVERIFY(WriteFile(m_Src + "b.bin", QByteArray(120000, 'b')));
    QVERIFY(WriteFile(m_Root->Path() + "/run/sdcard-size", QByteArray::number(200000)));
    QCOMPARE(f.KLX_FileFunctionsCopyFolderContentByParts(m_Src, m_Dst, QString()), -2);
    QCOMPARE(QDir(m_Dst).entryList(QDir::Files | QDir::Hidden), QStringList());
  }

  // A medium that refuses the last piece of a copy: the whole piece of a
  // file under 16 KiB, or the tail beyond the copy's first chunk of 256 KiB.
  // The copy fails, told as no room where the medium was full (or over
  // quota), and leaves the old file byte for byte with nothing beside it.
  void aCopyOntoAFullMediumLeavesTheOldFile_data() {
    QTest::addColumn<int>("copy");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("result");  // a part copy's last step, else 0 for a failed copy
    QTest::addColumn<bool>("noRoom");
    const int chunk = 0x40000;
    QTest::newRow("whole file under 16 KiB") << int(WholeFile) << 120 << 0 << ENOSPC << 0 << true;
    QTest::newRow("whole file, its tail") << int(WholeFile) << chunk + 100 << chunk << ENOSPC << 0 << true;
    QTest::newRow("whole file over quota") << int(WholeFile) << 120 << 119 << EDQUOT << 0 << true;
    QTest::newRow("whole file, a failing medium") << int(WholeFile) << 120 << 0 << EIO << 0 << false;
    QTest::newRow("folder under 16 KiB") << int(WholeFolder) << 120 << 0 << ENOSPC << 0 << true;
    QTest::newRow("folder, its tail") << int(WholeFolder) << chunk + 100 << chunk << ENOSPC << 0 << true;
    QTest::newRow("by parts under 16 KiB") << int(FileByParts) << 120 << 0 << ENOSPC << -2 << true;
    QTest::newRow("by parts, its tail") << int(FileByParts) << chunk + 100 << chunk << ENOSPC << -2 << true;
    QTest::newRow("by parts, a failing medium") << int(FileByParts) << 120 << 0 << EIO << -1 << false;
    QTest::newRow("folder by parts, its tail") << int(FolderByParts) << chunk + 100 << chunk << ENOSPC << -2 << true;
  }
  void aCopyOntoAFullMediumLeavesTheOldFile() {
    QFETCH(int, copy);
    QFETCH(int, bytes);
    QFETCH(int, room);
    QFETCH(int, error);
    QFETCH(int, result);
    QFETCH(bool, noRoom);
    const QByteArray data = RandomBytes(bytes);
    QVERIFY(WriteFile(m_Src + "model.bin", data) && WriteFile(m_Dst + "model.bin", "old model"));
    KLX_FileFunctions f;
    int got = 1;
    {
      VornFullMedium medium(room, error);
      switch (copy) {
        case WholeFolder: got = f.KLX_FileFunctionsCopyFolderContent(m_Src, m_Dst, QString(), true); break;
        case WholeFile: got = f.KLX_FileFunctionsCopyFileToFolder("model.bin", m_Src, "model.bin", m_Dst); break;
        default:
          for (int step = 0; step < 10 && got >= 0 && got < 100; ++step)
            got = copy == FolderByParts ? f.KLX_FileFunctionsCopyFolderContentByParts(m_Src, m_Dst, QString())
                                        : f.KLX_FileFunctionsCopyFileToFolderByParts("model.bin", m_Src, "model.bin", m_Dst);
      }
    }
    QCOMPARE(got, result);
    if (copy == WholeFile || copy == WholeFolder) QCOMPARE(f.KLX_FileFunctionsLastCopyNoRoom(), noRoom);
    QCOMPARE(VornFileTree(m_Dst), QStringList({"model.bin: old model"}));
    // With room again the same object copies whole.
    QVERIFY(f.KLX_FileFunctionsCopyFileToFolder("model.bin", m_Src, "model.bin", m_Dst));
    QVERIFY(!f.KLX_FileFunctionsLastCopyNoRoom());
    QCOMPARE(ReadFile(m_Dst + "model.bin"), data);
  }

  // What cut copies left staged in the folder a copy writes into goes
  // before it writes, and a file of the pilot's stays, whatever its name:
  // on the card before the folder's first write of the run, on a stick
  // before each (another stick may stand in its place).
  void aCopyFirstClearsWhatCutCopiesLeft_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("eachWrite");
    QTest::newRow("on the card") << "/Vorn/dst/" << false;
    QTest::newRow("on a stick") << "/media/usb0/Vorn/dst/" << true;
  }
  void aCopyFirstClearsWhatCutCopiesLeft() {
    QFETCH(QString, folder);
    QFETCH(bool, eachWrite);
    const QString dst = m_Root->Path() + folder;
    QVERIFY(WriteFile(m_Src + "model.bin", "new model"));
    QVERIFY(WriteFile(dst + "model.bin.~vnOHPslW", "cut") && WriteFile(dst + "x.AbCdEf", "pilot's") &&
            WriteFile(dst + "x", "pilot's"));
    KLX_FileFunctions f;
    QVERIFY(f.KLX_FileFunctionsCopyFileToFolder("model.bin", m_Src, "model.bin", dst));
    QCOMPARE(VornFileTree(dst), QStringList({"model.bin: new model", "x.AbCdEf: pilot's", "x: pilot's"}));
    QVERIFY(WriteFile(dst + "log.txt.~vnAbCdEf", "cut"));
    QVERIFY(f.KLX_FileFunctionsCopyFileToFolder("model.bin", m_Src, "copy.bin", dst));
    QCOMPARE(QFileInfo::exists(dst + "log.txt.~vnAbCdEf"), !eachWrite);
  }

  // The copy's rename, or the folder's sync after it, finds no room for
  // the name (a FAT folder whose clusters are full, on a card with none
  // left): the copy fails, told as no room; without its rename the old
  // file stays.
  void aFolderWithoutRoomForTheNameIsNoRoom_data() {
    QTest::addColumn<int>("copy");
    QTest::addColumn<bool>("folderSync");
    QTest::newRow("whole file, its rename") << int(WholeFile) << false;
    QTest::newRow("whole file, the folder's sync") << int(WholeFile) << true;
    QTest::newRow("by parts, its rename") << int(FileByParts) << false;
    QTest::newRow("by parts, the folder's sync") << int(FileByParts) << true;
  }
  void aFolderWithoutRoomForTheNameIsNoRoom() {
    QFETCH(int, copy);
    QFETCH(bool, folderSync);
    QVERIFY(WriteFile(m_Src + "model.bin", "new model") && WriteFile(m_Dst + "model.bin", "old model"));
    KLX_FileFunctions f;
    int got = 1;
    {
      VornFullFolder folder(folderSync);
      if (copy == WholeFile) {
        got = f.KLX_FileFunctionsCopyFileToFolder("model.bin", m_Src, "model.bin", m_Dst);
        QVERIFY(f.KLX_FileFunctionsLastCopyNoRoom());
      } else {
        for (int step = 0; step < 10 && got >= 0 && got < 100; ++step)
          got = f.KLX_FileFunctionsCopyFileToFolderByParts("model.bin", m_Src, "model.bin", m_Dst);
      }
    }
    QCOMPARE(got, copy == WholeFile ? 0 : -2);
    QCOMPARE(VornFileTree(m_Dst), QStringList{folderSync ? "model.bin: new model" : "model.bin: old model"});
  }

  // Takes the "*.zip" packs of `stick` one at a time in the order of their
  // names, as an install does: each copied into `packs` if it is judged to
  // fit, and unpacked beside `voices`. How many were listed.
  static int TakePacks(KLX_FileFunctions& f, const QString& stick, const QString& voices, const QString& packs) {
    f.KLX_FileFunctionsBeginPacks(voices);
    int listed = 0;
    for (const QString& name : QDir(stick).entryList({"*.zip"}, QDir::Files, QDir::Name)) {
      const int i = f.KLX_FileFunctionsCopyPack(stick, name, packs);
      if (i < 0) continue;
      ++listed;
      f.KLX_FileFunctionsUnzipPack(i);
    }
    return listed;
  }

  void voicePacksAreUnpacked() {
    if (QStandardPaths::findExecutable("unzip").isEmpty() || QStandardPaths::findExecutable("zip").isEmpty())
      QSKIP("needs unzip and zip");
    const QString packs = m_Root->Path() + "/Vorn/Update/Pkgs/";
    const QString voices = m_Root->Path() + "/Vorn/Sound/Voices/";
    const QString work = m_Root->Path() + "/work/";
    QVERIFY(WriteFile(work + "de_Anna/hello.wav", "hallo"));
    QVERIFY(WriteFile(work + "de_Anna/data/de_Anna.inf", "inf"));
    QVERIFY(WriteFile(work + "odd name;x/a.wav", "odd"));
    QCOMPARE(KLX_Platform::Run("sh", {"-c", "cd \"$1\" && zip -qr de_Anna.zip de_Anna && zip -qr 'odd name;x.zip' 'odd name;x'",
                                      "sh", work}),
             0);
    QVERIFY(QDir().mkpath(packs));
    QVERIFY(QDir().mkpath(voices));
    QVERIFY(WriteFile(work + "broken.zip", "not an archive"));
    // Named unlike a voice: never unpacked.
    QVERIFY(WriteFile(work + "de_Anna.v2.zip", "left out"));
    QVERIFY(WriteFile(work + "notes.txt", "x"));
    // An earlier unpack of the same voice is replaced.
    QVERIFY(WriteFile(voices + "de_Anna/stale.wav", "stale"));

    KLX_FileFunctions f;
    QTest::ignoreMessage(QtWarningMsg, qPrintable("voice pack " + work + "de_Anna.v2.zip is not named like a voice "
                                                  "(<name>.zip): left out"));
    // The broken archive is listed without a folder, so that its check fails
    // and it counts as refused.
    QCOMPARE(TakePacks(f, work, voices, packs), 3);
    QStringList names;
    for (int i = 0; i < 3; ++i) names << f.KLX_FileFunctionGetUnzippedName(i);
    QCOMPARE(QSet<QString>(names.begin(), names.end()), QSet<QString>({"de_Anna", "odd name;x", "broken"}));
    QCOMPARE(f.KLX_FileFunctionGetUnzippedName(3), QString());
    // Unpacked apart: the destination holds nothing of them before they
    // are installed, and then only the files named.
    QCOMPARE(ReadFile(voices + "de_Anna/stale.wav"), QByteArray("stale"));
    VornPowerCut calls;
    for (int i = 0; i < 3; ++i) {
      if (names[i] == "broken") {
        QCOMPARE(f.KLX_FileFunctionGetUnzipRefusal(i), KLX_FileFunctions::UnzipUnreadable);
        QVERIFY(!QFileInfo::exists(f.KLX_FileFunctionGetUnzippedFolder(i)));
        QVERIFY(!f.KLX_FileFunctionsInstallUnzipped(i, {"a.wav"}));
        continue;
      }
      QCOMPARE(f.KLX_FileFunctionGetUnzipRefusal(i), KLX_FileFunctions::UnzipUnpacked);
      if (names[i] == "de_Anna") QVERIFY(WriteFile(f.KLX_FileFunctionGetUnzippedFolder(i) + "/unnamed.wav", "x"));
      QVERIFY(f.KLX_FileFunctionsInstallUnzipped(
          i, names[i] == "de_Anna" ? QStringList{"hello.wav", "data/de_Anna.inf"} : QStringList{"a.wav"}));
    }
    // unzip never syncs: every installed file and folder is on the card
    // (one flush of the card's file system for the data and every folder's
    // entries, after the last change to the new folder) before the new
    // folder takes its place, which the old one leaves in the same step.
    const QStringList log = calls.Log();
    const auto placed = std::find_if(log.begin(), log.end(), [&](const QString& line) {
      return (line.startsWith("rename ") || line.startsWith("exchange ")) && line.endsWith(" " + voices + "de_Anna");
    });
    QVERIFY2(placed != log.end() && placed->startsWith("exchange "), qPrintable(log.join('\n')));
    const QString built = placed->section(' ', 1, 1);
    const auto flushed = std::find(log.begin(), placed, "syncfs " + built);
    QVERIFY2(flushed != placed, qPrintable(log.join('\n')));
    QVERIFY2(std::none_of(flushed + 1, placed, [&](const QString& line) { return line.contains(built); }),
             qPrintable(log.join('\n')));
    f.KLX_FileFunctionsDropUnzipped();
    QVERIFY(!QFileInfo::exists(m_Root->Path() + "/Vorn/Sound/.unpacking"));
    // The installed voices' archives stay, to go with them; of the packs
    // left out nothing stays.
    QCOMPARE(QDir(packs).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
             QStringList({"de_Anna.zip", "odd name;x.zip"}));
    QCOMPARE(VornFileTree(voices), QStringList({"de_Anna/", "de_Anna/data/", "de_Anna/data/de_Anna.inf: inf",
                                                "de_Anna/hello.wav: hallo",
                                                "de_Anna/installsrczip.txt: " + packs + "de_Anna.zip", "odd name;x/",
                                                "odd name;x/a.wav: odd",
                                                "odd name;x/installsrczip.txt: " + packs + "odd name;x.zip"}));
  }

  // Each pack is unpacked into a folder emptied first: what stands in it
  // (`stuck`: a file that cannot be removed) is never counted as the pack's.
  // A folder that cannot be emptied refuses the pack before unzip runs.
  void aPackUnpacksIntoAnEmptiedFolder_data() {
    QTest::addColumn<bool>("stuck");
    QTest::newRow("something left there") << false;
    QTest::newRow("something that stays there") << true;
  }
  void aPackUnpacksIntoAnEmptiedFolder() {
    QFETCH(bool, stuck);
    if (QStandardPaths::findExecutable("unzip").isEmpty()) QSKIP("needs unzip");
    const QString packs = m_Root->Path() + "/Vorn/Update/Pkgs/";
    const QString voices = m_Root->Path() + "/Vorn/Sound/Voices/";
    const QString work = m_Root->Path() + "/work/";
    QVERIFY(QDir().mkpath(packs) && QDir().mkpath(voices));
    QVERIFY(WriteFile(work + "bert.zip", CSimUpdateServer::VoicePack("bert", "en", "Bert", "en")));
    KLX_FileFunctions f;
    QVERIFY(f.KLX_FileFunctionsBeginPacks(voices));
    QCOMPARE(f.KLX_FileFunctionsCopyPack(work, "bert.zip", packs), 0);
    const QString into = m_Root->Path() + "/Vorn/Sound/.unpacking/0";
    QVERIFY(WriteFile(into + "/bert/left.wav", "left"));
    struct Stuck : KLX_FileCalls {
      Stuck() { KLX_FileCalls::Set(this); }
      ~Stuck() override { KLX_FileCalls::Set(nullptr); }
      bool Remove(const QString& path) override { return !path.endsWith("/left.wav") && KLX_FileCalls::Remove(path); }
    };
    std::optional<Stuck> calls;
    if (stuck) {
      calls.emplace();
      QTest::ignoreMessage(QtWarningMsg, qPrintable("voice pack " + packs + "bert.zip cannot be unpacked: " + into +
                                                    "/bert/left.wav cannot be cleared"));
    }
    f.KLX_FileFunctionsUnzipPack(0);
    calls.reset();
    QCOMPARE(int(f.KLX_FileFunctionGetUnzipRefusal(0)),
             int(stuck ? KLX_FileFunctions::UnzipUncleared : KLX_FileFunctions::UnzipUnpacked));
    QStringList names;
    for (const QString& entry : VornFileTree(into)) names << entry.section(':', 0, 0);
    names.sort();
    QCOMPARE(names, stuck ? QStringList({"bert/", "bert/left.wav"})
                          : QStringList({"bert/", "bert/VOICEDATAMD5.txt", "bert/data/", "bert/data/bert.inf",
                                         "bert/voice.conf"}));
  }

  // A new version of an installed voice replaces it whatever a power cut
  // leaves: the power goes at a call of the install (the `nth` that starts
  // with `cut`, "<V>" the voices folder, "<U>" the unpack folder), on a file
  // system with an exchange of two names or without one (vfat); the next
  // start finds the old voice or the new one whole, and puts back an old
  // one that was set aside. Without the exchange, the one set aside is on
  // the card (`synced` after its rename) before the new one moves in.
  void aVoiceReplacedAtAPowerCut_data() {
    QTest::addColumn<bool>("exchange");
    QTest::addColumn<QString>("cut");
    QTest::addColumn<int>("nth");
    QTest::addColumn<QStringList>("synced");
    QTest::addColumn<QString>("found");
    QTest::addColumn<bool>("putBack");
    QTest::newRow("vfat, before the old one goes aside") << false << "rename <V>/de_Anna " << 1 << QStringList() << "old" << false;
    QTest::newRow("vfat, between the renames") << false << "rename <U>/0.new <V>/de_Anna" << 1
                                               << QStringList{"syncfolder <V>/", "syncfolder <U>"} << "old" << true;
    QTest::newRow("vfat, the new one in place") << false << "syncfolder <V>/" << 2 << QStringList() << "new" << false;
    QTest::newRow("exchange, at the exchange") << true << "exchange " << 1 << QStringList() << "old" << false;
    QTest::newRow("exchange, after it") << true << "syncfolder <V>/" << 1 << QStringList() << "new" << false;
  }
  void aVoiceReplacedAtAPowerCut() {
    QFETCH(bool, exchange);
    QFETCH(QString, cut);
    QFETCH(int, nth);
    QFETCH(QStringList, synced);
    QFETCH(QString, found);
    QFETCH(bool, putBack);
    if (QStandardPaths::findExecutable("unzip").isEmpty() || QStandardPaths::findExecutable("zip").isEmpty())
      QSKIP("needs unzip and zip");
    const QString packs = m_Root->Path() + "/Vorn/Update/Pkgs/";
    const QString voices = m_Root->Path() + "/Vorn/Sound/Voices/";
    const QString unpacking = m_Root->Path() + "/Vorn/Sound/.unpacking";
    const QString work = m_Root->Path() + "/work/";
    const auto place = [&](QString line) {
      return line.replace("<V>/", voices).replace("<U>", unpacking);
    };
    QVERIFY(WriteFile(voices + "de_Anna/voice.conf", "old") && WriteFile(voices + "de_Anna/data/de_Anna.inf", "old inf"));
    QVERIFY(WriteFile(work + "de_Anna/voice.conf", "new") && WriteFile(work + "de_Anna/hello.wav", "hallo"));
    const QByteArray list = CSimUpdateServer::ChecksumList({{"voice.conf", "new"}, {"hello.wav", "hallo"}}, false);
    QVERIFY(WriteFile(work + "de_Anna/VOICEDATAMD5.txt", list));
    QCOMPARE(KLX_Platform::Run("sh", {"-c", "cd \"$1\" && zip -qr de_Anna.zip de_Anna", "sh", work}), 0);
    QVERIFY(QDir().mkpath(packs));
    const QStringList old = VornFileTree(voices);
    const QStringList installed{"de_Anna/", "de_Anna/VOICEDATAMD5.txt: " + QString::fromUtf8(list), "de_Anna/hello.wav: hallo",
                                "de_Anna/installsrczip.txt: " + packs + "de_Anna.zip", "de_Anna/voice.conf: new"};

    KLX_FileFunctions f;
    QCOMPARE(TakePacks(f, work, voices, packs), 1);
    {
      VornPowerCut power;
      if (!exchange) power.WithoutExchange();
      power.CutAt(place(cut), nth);
      QVERIFY(!f.KLX_FileFunctionsInstallUnzipped(0, {"VOICEDATAMD5.txt", "voice.conf", "hello.wav"}));
      const QStringList log = power.Log();
      for (QString& line : synced) line = place(line);
      QVERIFY2(synced.isEmpty() || log.mid(log.size() - synced.size()) == synced, qPrintable(log.join('\n')));
    }
    // The next start.
    if (putBack) QTest::ignoreMessage(QtInfoMsg, "voice de_Anna put back: the install of its new version was cut short");
    KLX_FileFunctions::KLX_FileFunctionsRecoverVoices(voices);
    QCOMPARE(VornFileTree(voices), found == "old" ? old : installed);
  }

  // A voice set aside by an install cut short that cannot be put back at
  // the next unpack (its rename fails once, or a file named like it stands
  // in its place) stays aside, and the log says so; a later try puts it
  // back whole.
  void anAsideVoiceStaysUntilItIsBack_data() {
    QTest::addColumn<bool>("fileInPlace");
    QTest::addColumn<QString>("told");
    QTest::newRow("the rename fails") << false << "it stays there";
    QTest::newRow("a file in its place") << true << "something else stands in its place; it stays there";
  }
  void anAsideVoiceStaysUntilItIsBack() {
    QFETCH(bool, fileInPlace);
    QFETCH(QString, told);
    const QString packs = m_Root->Path() + "/Vorn/Update/Pkgs/";
    const QString voices = m_Root->Path() + "/Vorn/Sound/Voices/";
    const QString unpacking = m_Root->Path() + "/Vorn/Sound/.unpacking";
    const QString work = m_Root->Path() + "/work/";
    QVERIFY(QDir().mkpath(packs) && QDir().mkpath(work));
    QVERIFY(WriteFile(voices + "en_Bert/voice.conf", "bert"));
    QVERIFY(WriteFile(unpacking + "/de_Anna.aside/voice.conf", "old") &&
            WriteFile(unpacking + "/de_Anna.aside/data/de_Anna.inf", "old inf"));
    QVERIFY(WriteFile(unpacking + "/0/left/x.wav", "what an unpack left"));
    if (fileInPlace) QVERIFY(WriteFile(voices + "de_Anna", "a file"));
    struct FailingRename : KLX_FileCalls {
      int failures;
      explicit FailingRename(int n) : failures(n) { KLX_FileCalls::Set(this); }
      ~FailingRename() override { KLX_FileCalls::Set(nullptr); }
      bool Rename(const QString& from, const QString& to) override {
        if (from.endsWith(".aside") && failures > 0 && failures--) return false;
        return KLX_FileCalls::Rename(from, to);
      }
    };
    {
      FailingRename fails(fileInPlace ? 0 : 1);
      KLX_FileFunctions f;
      QTest::ignoreMessage(QtWarningMsg, qPrintable("voice de_Anna cannot be put back from " + unpacking + ": " + told));
      QCOMPARE(TakePacks(f, work, voices, packs), 0);
      f.KLX_FileFunctionsDropUnzipped();
    }
    // Nothing but the voice set aside is left of the unpack.
    QCOMPARE(VornFileTree(unpacking), QStringList({"de_Anna.aside/", "de_Anna.aside/data/", "de_Anna.aside/data/de_Anna.inf: old inf",
                                                   "de_Anna.aside/voice.conf: old"}));
    if (fileInPlace) QVERIFY(QFile::remove(voices + "de_Anna"));
    QTest::ignoreMessage(QtInfoMsg, "voice de_Anna put back: the install of its new version was cut short");
    KLX_FileFunctions::KLX_FileFunctionsRecoverVoices(voices);
    QCOMPARE(VornFileTree(voices), QStringList({"de_Anna/", "de_Anna/data/", "de_Anna/data/de_Anna.inf: old inf",
                                                "de_Anna/voice.conf: old", "en_Bert/", "en_Bert/voice.conf: bert"}));
    // With it back, the next unpack clears the unpack folder whole.
    KLX_FileFunctions().KLX_FileFunctionsBeginPacks(voices);
    QVERIFY(!QFileInfo::exists(unpacking));
  }

  // A pack made by `zip` (`shell`, run in the work folder, makes
  // "pack.zip") or by hand (`made`), on a card of `cardBytes` (0: the large
  // one). One that cannot be unpacked or does not fit is refused before
  // anything is written, and says why; one that unzip fails on, that
  // unpacks to more than its directory says or that holds a link is refused
  // after; a refused one leaves nothing on the
  // card, not even its archive's copy; one packed in a way unzip reads is
  // unpacked.
  void aPackIsRefusedBeforeAnythingIsUnpacked_data() {
    QTest::addColumn<QString>("shell");
    QTest::addColumn<QByteArray>("made");
    QTest::addColumn<qint64>("cardBytes");
    QTest::addColumn<int>("refusal");
    QTest::addColumn<QString>("told");
    const QString voice = "mkdir -p pack/data && printf 'voice.conf' > pack/voice.conf && printf 'data' > pack/data/pack.inf && ";
    const QList<CSimFile> files{{"pack/voice.conf", "voice.conf"}, {"pack/data/pack.inf", "data"}};
    const QByteArray stored = CSimUpdateServer::Zip(files);
    QTest::newRow("encrypted (zip -e)") << voice + "zip -qr -e -P secret pack.zip pack" << QByteArray() << qint64(0)
                                        << int(KLX_FileFunctions::UnzipEncrypted) << "is encrypted";
    QTest::newRow("strong encryption") << QString() << Patched(stored, 1 << 6, 0) << qint64(0)
                                       << int(KLX_FileFunctions::UnzipEncrypted) << "is encrypted";
    QTest::newRow("LZMA") << QString() << Patched(stored, 0, 14) << qint64(0)
                          << int(KLX_FileFunctions::UnzipUnknownMethod)
                          << "is packed with compression method 14, which unzip cannot read";
    QTest::newRow("zstd") << QString() << Patched(stored, 0, 93) << qint64(0)
                          << int(KLX_FileFunctions::UnzipUnknownMethod)
                          << "is packed with compression method 93, which unzip cannot read";
    // A few KB of archive, 3 MB unpacked, on a card of 2 MB.
    QTest::newRow("zeros beyond the card") << voice + "head -c 3000000 /dev/zero > pack/zeros && zip -qr pack.zip pack"
                                           << QByteArray() << qint64(2000000) << int(KLX_FileFunctions::UnzipNoRoom)
                                           << "does not fit on the card \\(it needs \\d+ KiB, \\d+ KiB are free\\)";
    // Written to a pipe, as zip does with zip64 records.
    QTest::newRow("zip64, streamed") << "head -c 3000000 /dev/zero | zip -q pack.zip -" << QByteArray()
                                     << qint64(2000000) << int(KLX_FileFunctions::UnzipNoRoom)
                                     << "does not fit on the card \\(it needs \\d+ KiB, \\d+ KiB are free\\)";
    // 5 GB claimed in the entry's zip64 field, beyond 32 bits.
    QTest::newRow("zip64 sizes") << QString() << WithZip64Sizes("pack/voice.conf", "voice.conf", 5000000000LL)
                                 << qint64(0) << int(KLX_FileFunctions::UnzipNoRoom)
                                 << "does not fit on the card \\(it needs 48\\d{5} KiB, \\d+ KiB are free\\)";
    // 2^64 - 1 bytes claimed: what it needs saturates, never wraps to a
    // few hundred KiB.
    QTest::newRow("zip64, the largest size there is")
        << QString() << WithZip64Sizes("pack/voice.conf", "voice.conf", -1) << qint64(16 << 20)
        << int(KLX_FileFunctions::UnzipNoRoom)
        << "does not fit on the card \\(it needs 18014398509481983 KiB, \\d+ KiB are free\\)";
    // More files than a checksum list may name, told before any is unpacked.
    QTest::newRow("1,001 files") << "mkdir pack && for i in $(seq 1001); do echo $i > pack/f$i; done && zip -qr pack.zip pack"
                                 << QByteArray() << qint64(0) << int(KLX_FileFunctions::UnzipTooManyFiles)
                                 << "holds 1001 files, more than its checksum list may name \\(100\\)";
    // Files its list does not name (an archiver's own) are never installed.
    QTest::newRow("150 files, one of them listed")
        << "mkdir pack && for i in $(seq 150); do echo $i > pack/f$i; done && (cd pack && md5sum ./f1 > VOICEDATAMD5.txt)"
           " && zip -qr pack.zip pack"
        << QByteArray() << qint64(0) << int(KLX_FileFunctions::UnzipUnpacked) << QString();
    // 300 KB of text in an archive of a few KB: twice the archive would fit.
    QTest::newRow("an honest pack on a nearly full card")
        << voice + "seq 1 60000 > pack/data/words.txt && zip -qr pack.zip pack" << QByteArray() << qint64(600000)
        << int(KLX_FileFunctions::UnzipNoRoom) << "does not fit on the card \\(it needs \\d+ KiB, \\d+ KiB are free\\)";
    QTest::newRow("the directory claims an entry more") << QString() << WithEntryCount(stored, 3) << qint64(0)
                                                        << int(KLX_FileFunctions::UnzipUnreadable)
                                                        << "is no zip archive that can be read";
    QByteArray damaged = stored;
    damaged.replace("data", "DATA");
    QTest::newRow("a damaged entry") << QString() << damaged << qint64(0) << int(KLX_FileFunctions::UnzipFailed)
                                     << "cannot be unpacked";
    // 3 MB of zeros claimed as 10 bytes: unzip writes what the entry holds.
    QTest::newRow("a directory that understates an entry")
        << voice + "head -c 3000000 /dev/zero > pack/zeros && zip -qr pack.zip pack" << QByteArray() << qint64(2000000)
        << int(KLX_FileFunctions::UnzipFailed) << "unpacks to more than its directory says";
    // A file of a block and a byte and one of a block less a byte, claimed
    // as one of two blocks and an empty one: as many bytes, a block more.
    QTest::newRow("files that take more blocks than the directory says")
        << "mkdir pack && b=$(stat -f -c %s .) && head -c $((b + 1)) /dev/zero > pack/a && "
           "head -c $((b - 1)) /dev/zero > pack/b && zip -qr pack.zip pack"
        << QByteArray() << qint64(0) << int(KLX_FileFunctions::UnzipFailed) << "unpacks to more than its directory says";
    QTest::newRow("a link") << QString() << CSimUpdateServer::Zip({{"pack/voice.conf", "/etc/passwd", true}})
                            << qint64(0) << int(KLX_FileFunctions::UnzipHoldsLink) << "holds a link";
    QTest::newRow("bzip2") << voice + "zip -qr -Z bzip2 pack.zip pack" << QByteArray() << qint64(0)
                           << int(KLX_FileFunctions::UnzipUnpacked) << QString();
    // What other archivers make: Python's zipfile, and bsdtar writing to a
    // pipe (sizes only in data descriptors and the directory).
    const QString python = "python3 -c \"import zipfile,sys; z=zipfile.ZipFile('pack.zip','w',getattr(zipfile,sys.argv[1]));"
                           "[z.write(f) for f in ('pack/voice.conf','pack/data/pack.inf')]\" ";
    QTest::newRow("Python, deflated") << voice + python + "ZIP_DEFLATED" << QByteArray() << qint64(0)
                                      << int(KLX_FileFunctions::UnzipUnpacked) << QString();
    QTest::newRow("Python, LZMA") << voice + python + "ZIP_LZMA" << QByteArray() << qint64(0)
                                  << int(KLX_FileFunctions::UnzipUnknownMethod)
                                  << "is packed with compression method 14, which unzip cannot read";
    QTest::newRow("bsdtar, streamed") << voice + "bsdtar --format zip -cf - pack > pack.zip" << QByteArray() << qint64(0)
                                      << int(KLX_FileFunctions::UnzipUnpacked) << QString();
    QTest::newRow("the card fills during its copy") << QString() << stored << qint64(0)
                                                    << int(KLX_FileFunctions::UnzipNoRoom)
                                                    << "does not fit on the card \\(it filled during the copy\\)";
    // Tar archives named ".zip": GNU, ustar and pax say so at byte 257,
    // an old v7 one only by its header's sum.
    for (const char* format : {"gnu", "ustar", "pax", "v7"})
      QTest::newRow(qPrintable(QStringLiteral("tar, %1").arg(format)))
          << voice + "tar --format=" + format + " -cf pack.zip pack" << QByteArray() << qint64(0)
          << int(KLX_FileFunctions::UnzipOtherArchive) << "is a tar archive, which unzip cannot read";
    for (const char* way : {"zipcrypt", "aes256"})
      QTest::newRow(qPrintable(QStringLiteral("bsdtar, %1").arg(way)))
          << voice + "bsdtar --format zip --options zip:encryption=" + way + " --passphrase secret -cf pack.zip pack"
          << QByteArray() << qint64(0) << int(KLX_FileFunctions::UnzipEncrypted) << "is encrypted";
  }
  void aPackIsRefusedBeforeAnythingIsUnpacked() {
    QFETCH(QString, shell);
    QFETCH(QByteArray, made);
    QFETCH(qint64, cardBytes);
    QFETCH(int, refusal);
    QFETCH(QString, told);
    if (QStandardPaths::findExecutable("unzip").isEmpty() || QStandardPaths::findExecutable("zip").isEmpty())
      QSKIP("needs unzip and zip");
    const QString packs = m_Root->Path() + "/Vorn/Update/Pkgs/";
    const QString voices = m_Root->Path() + "/Vorn/Sound/Voices/";
    const QString work = m_Root->Path() + "/work/";
    QVERIFY(QDir().mkpath(packs) && QDir().mkpath(work));
    QVERIFY(WriteFile(voices + "de_Anna/voice.conf", "anna"));
    if (shell.isEmpty())
      QVERIFY(WriteFile(work + "pack.zip", made));
    else
      QCOMPARE(KLX_Platform::Run("sh", {"-c", "cd \"$1\" && " + shell, "sh", work}), 0);
    if (QByteArray(QTest::currentDataTag()).startsWith("a directory that understates"))
      QVERIFY(WriteFile(work + "pack.zip", Understated(ReadFile(work + "pack.zip"))));
    if (QByteArray(QTest::currentDataTag()).startsWith("files that take more blocks")) {
      const quint32 block = quint32(QStorageInfo(work).blockSize());
      QVERIFY(WriteFile(work + "pack.zip", Claimed(Claimed(ReadFile(work + "pack.zip"), "pack/a", 2 * block), "pack/b", 0)));
    }
    if (cardBytes > 0) QVERIFY(WriteFile(m_Root->Path() + "/run/sdcard-size", QByteArray::number(cardBytes)));
    const QStringList card = VornFileTree(m_Root->Path() + "/Vorn");

    KLX_FileFunctions f;
    // Refused before its copy, it is named where it lies on the stick;
    // after, where its copy was unpacked.
    const bool unpacked = refusal == KLX_FileFunctions::UnzipFailed || refusal == KLX_FileFunctions::UnzipHoldsLink;
    if (!told.isEmpty())
      QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^voice pack " + QRegularExpression::escape(unpacked ? packs : work) +
                                                            "pack\\.zip " + told + ": refused$"));
    {
      // The copy's last piece finds the card full.
      std::unique_ptr<VornFullMedium> full;
      if (QByteArray(QTest::currentDataTag()).startsWith("the card fills")) full.reset(new VornFullMedium(0, ENOSPC, "pack.zip"));
      QCOMPARE(TakePacks(f, work, voices, packs), 1);
    }
    QCOMPARE(int(f.KLX_FileFunctionGetUnzipRefusal(0)), refusal);
    if (refusal == KLX_FileFunctions::UnzipUnpacked) {
      const QStringList tree = VornFileTree(f.KLX_FileFunctionGetUnzippedFolder(0));
      if (QByteArray(QTest::currentDataTag()).startsWith("150 files"))
        QCOMPARE(tree.size(), 151);
      else
        QCOMPARE(tree, QStringList({"data/", "data/pack.inf: data", "voice.conf: voice.conf"}));
      return;
    }
    // Nothing of it is on the card, not even its folder; its archive's
    // copy is gone at once, leaving its room to the next pack.
    QCOMPARE(QDir(m_Root->Path() + "/Vorn/Sound/.unpacking").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
    QCOMPARE(QDir(packs).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    QVERIFY(!f.KLX_FileFunctionsInstallUnzipped(0, {"voice.conf"}));
    f.KLX_FileFunctionsDropUnzipped();
    // The card holds what it held, byte for byte.
    QCOMPARE(VornFileTree(m_Root->Path() + "/Vorn"), card);
  }

  // A voice named with "[" and "]" and more files than a list may name:
  // its own list, which names one, is read by that name (unzip takes it as
  // a pattern) and the pack is unpacked.
  void aBracketedPackIsReadForItsOwnList() {
    if (QStandardPaths::findExecutable("unzip").isEmpty() || QStandardPaths::findExecutable("zip").isEmpty())
      QSKIP("needs unzip and zip");
    const QString work = m_Root->Path() + "/work/";
    const QString voices = m_Root->Path() + "/Vorn/Sound/Voices/";
    const QString packs = m_Root->Path() + "/Vorn/Update/Pkgs/";
    QVERIFY(QDir().mkpath(work) && QDir().mkpath(voices) && QDir().mkpath(packs));
    QCOMPARE(KLX_Platform::Run("sh", {"-c", "cd \"$1\" && mkdir 'de[2]' && for i in $(seq 150); do echo $i > \"de[2]/f$i\"; done"
                                            " && (cd 'de[2]' && md5sum ./f1 > VOICEDATAMD5.txt) && zip -qr 'de[2].zip' 'de[2]'",
                                      "sh", work}),
             0);
    KLX_FileFunctions f;
    QCOMPARE(TakePacks(f, work, voices, packs), 1);
    QCOMPARE(int(f.KLX_FileFunctionGetUnzipRefusal(0)), int(KLX_FileFunctions::UnzipUnpacked));
    QCOMPARE(VornFileTree(f.KLX_FileFunctionGetUnzippedFolder(0)).size(), 151);
  }

  // Packs whose directory lies, on a card of `cardMiB` MiB: 20 MB of zeros
  // claimed as 10 bytes, alone or beside a folder entry that claims
  // almost 4 GiB of its own; or beside 4 MiB of zeros that it declares,
  // `lying` entries of 4 MiB of zeros each claimed as 10 bytes. No file
  // grows beyond the largest size the directory declares: unzip is stopped
  // at its first byte too many, long before the card fills. Entries that
  // lie within that size are seen by the watch before they fill the room
  // the card has beyond what the pack needs: a card with 126 MiB of it,
  // which unzip (about 270 MB/s here) fills in half a second, so that a
  // busy machine that lets the watch look a few hundred ms late does not
  // fail it. The card's free room (its size less what its folder holds)
  // never falls below the 500 KiB a model save asks for, the pack is
  // refused and nothing of it stays.
  void aLyingPackIsStoppedAtItsFirstByteTooMany_data() {
    QTest::addColumn<quint32>("folderClaims");
    QTest::addColumn<int>("lying");
    QTest::addColumn<int>("cardMiB");
    QTest::newRow("an entry that understates") << quint32(0) << 0 << 6;
    QTest::newRow("and a folder entry that claims 4 GiB") << quint32(0xFFFFFFFE) << 0 << 6;
    QTest::newRow("40 entries of 4 MiB beside one") << quint32(0) << 40 << 128;
  }
  void aLyingPackIsStoppedAtItsFirstByteTooMany() {
    QFETCH(quint32, folderClaims);
    QFETCH(int, lying);
    QFETCH(int, cardMiB);
    if (QStandardPaths::findExecutable("unzip").isEmpty() || QStandardPaths::findExecutable("zip").isEmpty())
      QSKIP("needs unzip and zip");
    const QString packs = m_Root->Path() + "/Vorn/Update/Pkgs/";
    const QString voices = m_Root->Path() + "/Vorn/Sound/Voices/";
    const QString work = m_Root->Path() + "/work/";
    QVERIFY(QDir().mkpath(packs) && QDir().mkpath(voices) && QDir().mkpath(work));
    const QString files = lying == 0 ? QStringLiteral("head -c 20000000 /dev/zero > pack/zeros")
                                     : QStringLiteral("head -c 4194304 /dev/zero > pack/honest && for i in $(seq %1); "
                                                      "do ln pack/honest pack/lying$i; done")
                                           .arg(lying);
    QCOMPARE(KLX_Platform::Run("sh", {"-c", "cd \"$1\" && mkdir pack && printf 'voice.conf' > pack/voice.conf && " +
                                                files + " && zip -qr pack.zip pack",
                                      "sh", work}),
             0);
    QVERIFY(WriteFile(work + "pack.zip",
                      FolderClaims(Understated(ReadFile(work + "pack.zip"), "pack/honest"), "pack/", folderClaims)));
    const qint64 cardBytes = qint64(cardMiB) * 1024 * 1024;
    QVERIFY(WriteFile(m_Root->Path() + "/run/sdcard-size", QByteArray::number(cardBytes)));
    const QStringList card = VornFileTree(m_Root->Path() + "/Vorn");

    KLX_FileFunctions f;
    f.KLX_FileFunctionsBeginPacks(voices);
    QCOMPARE(f.KLX_FileFunctionsCopyPack(work, "pack.zip", packs), 0);
    const qint64 held = BytesUnder(m_Root->Path() + "/Vorn");
    QTest::ignoreMessage(QtWarningMsg, qPrintable("voice pack " + packs + "pack.zip unpacks to more than its directory says: refused"));
    RemovedSizes removed;
    f.KLX_FileFunctionsUnzipPack(0);
    QCOMPARE(int(f.KLX_FileFunctionGetUnzipRefusal(0)), int(KLX_FileFunctions::UnzipFailed));
    const QString unpacked = m_Root->Path() + "/Vorn/Sound/.unpacking/0/pack/";
    if (lying == 0) {
      QCOMPARE(removed.Size(unpacked + "zeros"), qint64(11));
      QVERIFY(removed.Size(unpacked + "voice.conf") <= 10);
    }
    const qint64 leastFree = cardBytes - held - removed.Under(unpacked);
    QVERIFY2(leastFree >= 500 * 1024, qPrintable(QString::number(leastFree) + " bytes free"));
    f.KLX_FileFunctionsDropUnzipped();
    QCOMPARE(VornFileTree(m_Root->Path() + "/Vorn"), card);
  }

  // Directories a hostile stick may carry, made by hand: names of
  // thousands of folder levels, each file 1 byte. The reader's memory grows
  // with the directory, never with the square of a name's depth; it reads
  // them in a child process whose peak may grow by 64 MiB at most. What they
  // take on a card of 512-byte blocks: a block for each file and for each
  // folder's records (the top one's 200 records take 26).
  void deepNamesAreReadInLittleMemory_data() {
    QTest::addColumn<QList<QByteArray>>("names");
    QTest::addColumn<quint64>("cardBytes");
    const QByteArray deep = QByteArray("ab/").repeated(21844);
    QTest::newRow("two names of 65535 bytes") << QList<QByteArray>{deep + "abc", deep + "abd"}
                                              << quint64(21847 * 512);
    QList<QByteArray> apart;
    for (int i = 0; i < 200; ++i)
      apart << QByteArray::number(i).rightJustified(3, '0') + '/' + QByteArray("x/").repeated(2045) + 'y';
    QTest::newRow("200 names of 4095 bytes, each in a folder of its own") << apart << quint64(409426 * 512);
  }
  void deepNamesAreReadInLittleMemory() {
    QFETCH(QList<QByteArray>, names);
    QFETCH(quint64, cardBytes);
    const QString archive = m_Root->Path() + "/deep.zip";
    QVERIFY(WriteFile(archive, DirectoryOnly(names)));
    QVERIFY(names.first().size() == 4095 || names.first().size() == 65535);
    qint64 growthKiB = -1;
    const QByteArray read = InChild(
        [&] {
          const KLX_ZipListing listing = KLX_ZipListingRead(archive, 512);
          return QByteArray::number(int(listing.verdict)) + ' ' + QByteArray::number(listing.entries) + ' ' +
                 QByteArray::number(listing.cardBytes) + ' ' + QByteArray::number(listing.unpackedBytes);
        },
        &growthKiB);
    QCOMPARE(read, QByteArray::number(int(KLX_ZipListing::Readable)) + ' ' + QByteArray::number(names.size()) + ' ' +
                       QByteArray::number(cardBytes) + ' ' + QByteArray::number(names.size()));
    QVERIFY2(growthKiB >= 0 && growthKiB <= 64 * 1024, qPrintable(QString::number(growthKiB) + " KiB"));
  }

  void theTimeSuffix() {
    const QDateTime before = QDateTime::currentDateTime();
    const QString suffix = KLX_FileFunctions().KLX_FileFileFunctionsGetTimeSuffix();
    const QDateTime after = QDateTime::currentDateTime();
    QVERIFY2(QRegularExpression("^_\\d{6}_\\d{6}$").match(suffix).hasMatch(), qPrintable(suffix));
    const QString format = "_hhmmss_ddMMyy";
    QVERIFY(suffix == before.toString(format) || suffix == after.toString(format));
  }

 private:
  // Every entry of a zip archive with `flags` added and packed with
  // `method` (as claimed: the data stays as it is).
  static QByteArray Patched(QByteArray zip, int flags, int method) {
    for (const auto& [signature, flagsAt] : {std::pair{QByteArray("PK\x03\x04"), 6}, std::pair{QByteArray("PK\x01\x02"), 8}})
      for (int at = zip.indexOf(signature); at >= 0; at = zip.indexOf(signature, at + 4)) {
        zip[at + flagsAt] = char(zip[at + flagsAt] | flags);
        zip[at + flagsAt + 2] = char(method);
      }
    return zip;
  }
  // Every entry of more than 10 bytes but the one named `honest` claimed
  // as 10 bytes unpacked, in its local header and in the directory.
  static QByteArray Understated(QByteArray zip, const QByteArray& honest = QByteArray()) {
    for (const auto& [signature, sizeAt, nameAt] : {std::tuple{QByteArray("PK\x03\x04"), 22, 30}, std::tuple{QByteArray("PK\x01\x02"), 24, 46}})
      for (int at = zip.indexOf(signature); at >= 0; at = zip.indexOf(signature, at + 4))
        if (qFromLittleEndian<quint32>(zip.constData() + at + sizeAt) > 10 &&
            zip.mid(at + nameAt, qFromLittleEndian<quint16>(zip.constData() + at + sizeAt + 4)) != honest)
          qToLittleEndian<quint32>(10, zip.data() + at + sizeAt);
    return zip;
  }
  // The bytes of the files under a folder.
  static qint64 BytesUnder(const QString& folder) {
    qint64 bytes = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      it.next();
      bytes += it.fileInfo().size();
    }
    return bytes;
  }
  // The entry `name` claimed as `claimed` bytes unpacked, in its local
  // header and in the directory.
  static QByteArray Claimed(QByteArray zip, const QByteArray& name, quint32 claimed) {
    for (const auto& [signature, sizeAt, nameAt] : {std::tuple{QByteArray("PK\x03\x04"), 22, 30}, std::tuple{QByteArray("PK\x01\x02"), 24, 46}})
      for (int at = zip.indexOf(signature); at >= 0; at = zip.indexOf(signature, at + 4))
        if (zip.mid(at + nameAt, qFromLittleEndian<quint16>(zip.constData() + at + sizeAt + 4)) == name)
          qToLittleEndian<quint32>(claimed, zip.data() + at + sizeAt);
    return zip;
  }
  // The directory's entry `name` claimed as `claimed` bytes unpacked (0:
  // as it is).
  static QByteArray FolderClaims(QByteArray zip, const QByteArray& name, quint32 claimed) {
    for (int at = zip.indexOf("PK\x01\x02"); claimed > 0 && at >= 0; at = zip.indexOf("PK\x01\x02", at + 4))
      if (zip.mid(at + 46, qFromLittleEndian<quint16>(zip.constData() + at + 28)) == name)
        qToLittleEndian<quint32>(claimed, zip.data() + at + 24);
    return zip;
  }
  // The size each file had when it was removed (-1: not removed).
  class RemovedSizes : public KLX_FileCalls {
   public:
    RemovedSizes() { KLX_FileCalls::Set(this); }
    ~RemovedSizes() override { KLX_FileCalls::Set(nullptr); }
    bool Remove(const QString& path) override {
      m_Sizes.insert(QDir::cleanPath(path), QFileInfo(path).size());
      return KLX_FileCalls::Remove(path);
    }
    qint64 Size(const QString& path) const { return m_Sizes.value(QDir::cleanPath(path), -1); }
    // Of the files removed from under a folder, together.
    qint64 Under(const QString& folder) const {
      qint64 bytes = 0;
      for (auto it = m_Sizes.constBegin(); it != m_Sizes.constEnd(); ++it)
        if (it.key().startsWith(QDir::cleanPath(folder) + '/')) bytes += qMax<qint64>(it.value(), 0);
      return bytes;
    }

   private:
    QHash<QString, qint64> m_Sizes;
  };
  // One stored entry whose sizes stand in its zip64 field, the unpacked
  // one claimed as `claimed` (its check value is not made: it is never
  // unpacked).
  static QByteArray WithZip64Sizes(const QByteArray& name, const QByteArray& data, qint64 claimed) {
    const auto number = [](QByteArray* to, quint64 value, int bytes) {
      for (int i = 0; i < bytes; ++i) to->append(char(value >> (8 * i)));
    };
    QByteArray extra;
    number(&extra, 0x0001, 2);
    number(&extra, 16, 2);
    number(&extra, quint64(claimed), 8);
    number(&extra, quint64(data.size()), 8);
    const auto header = [&](QByteArray* to, bool central) {
      number(to, central ? 0x02014b50u : 0x04034b50u, 4);
      if (central) number(to, 0x031E, 2);
      for (quint64 value : {45, 0, 0, 0, 0x21}) number(to, value, 2);  // version, flags, stored, time, date
      for (quint64 value : {0ull, 0xFFFFFFFFull, 0xFFFFFFFFull}) number(to, value, 4);  // check value, sizes
      number(to, quint64(name.size()), 2);
      number(to, quint64(extra.size()), 2);
      if (central) {
        for (int i = 0; i < 3; ++i) number(to, 0, 2);  // comment, disk, internal attributes
        number(to, 0100644ull << 16, 4);
        number(to, 0, 4);  // the local header's offset
      }
      to->append(name + extra);
    };
    QByteArray zip;
    header(&zip, false);
    zip += data;
    QByteArray directory;
    header(&directory, true);
    const quint64 offset = quint64(zip.size());
    zip += directory;
    number(&zip, 0x06054b50u, 4);
    for (quint64 value : {0, 0, 1, 1}) number(&zip, value, 2);
    number(&zip, quint64(directory.size()), 4);
    number(&zip, offset, 4);
    number(&zip, 0, 2);
    return zip;
  }
  // A zip archive of no data, only the directory: a stored entry of 1 byte
  // for each name, each at the one local header's place (the reader looks
  // no further).
  static QByteArray DirectoryOnly(const QList<QByteArray>& names) {
    const auto number = [](QByteArray* to, quint64 value, int bytes) {
      for (int i = 0; i < bytes; ++i) to->append(char(value >> (8 * i)));
    };
    QByteArray zip(30, '\0');
    QByteArray directory;
    for (const QByteArray& name : names) {
      number(&directory, 0x02014b50u, 4);
      for (quint64 value : {0x031E, 20, 0, 0, 0, 0x21}) number(&directory, value, 2);  // made by, version, flags, stored, time, date
      for (quint64 value : {0, 0, 1}) number(&directory, value, 4);  // check value, packed, unpacked
      number(&directory, quint64(name.size()), 2);
      for (int i = 0; i < 4; ++i) number(&directory, 0, 2);  // extra, comment, disk, internal attributes
      number(&directory, 0100644ull << 16, 4);
      number(&directory, 0, 4);  // the local header's offset
      directory += name;
    }
    const quint64 offset = quint64(zip.size());
    zip += directory;
    number(&zip, 0x06054b50u, 4);
    for (quint64 value : {0, 0}) number(&zip, value, 2);
    for (int i = 0; i < 2; ++i) number(&zip, quint64(names.size()), 2);
    number(&zip, quint64(directory.size()), 4);
    number(&zip, offset, 4);
    number(&zip, 0, 2);
    return zip;
  }
  // What `work` answers, run in a child process; the growth of the child's
  // resident memory at its peak meanwhile in *growthKiB. A child that ends
  // otherwise (a throw that aborts it) answers nothing.
  static QByteArray InChild(const std::function<QByteArray()>& work, qint64* growthKiB) {
    int ends[2];
    if (::pipe(ends) != 0) return QByteArray();
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(ends[0]);
      const auto kib = [](const char* field) {
        QFile status("/proc/self/status");
        if (!status.open(QIODevice::ReadOnly)) return qint64(-1);
        for (const QByteArray& line : status.readAll().split('\n'))
          if (line.startsWith(field)) return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
        return qint64(-1);
      };
      // The peak starts again from here.
      QFile peak("/proc/self/clear_refs");
      if (!peak.open(QIODevice::WriteOnly) || peak.write("5") != 1) ::_exit(2);
      peak.close();
      const qint64 before = kib("VmRSS:");
      const QByteArray answer = work();
      const QByteArray line = QByteArray::number(kib("VmHWM:") - before) + ' ' + answer;
      ::_exit(::write(ends[1], line.constData(), size_t(line.size())) == line.size() ? 0 : 3);
    }
    ::close(ends[1]);
    QByteArray line;
    char chunk[256];
    for (ssize_t n; (n = ::read(ends[0], chunk, sizeof chunk)) != 0;) {
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) break;
      line.append(chunk, int(n));
    }
    ::close(ends[0]);
    int status = 0;
    while (child > 0 && ::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (child <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return QByteArray();
    *growthKiB = line.left(line.indexOf(' ')).toLongLong();
    return line.mid(line.indexOf(' ') + 1);
  }
  // The end record claiming `entries` entries.
  static QByteArray WithEntryCount(QByteArray zip, int entries) {
    const int end = zip.lastIndexOf("PK\x05\x06");
    zip[end + 8] = zip[end + 10] = char(entries);
    return zip;
  }
  static QByteArray RandomBytes(int size) {
    QByteArray data(size, '\0');
    quint32 x = 12345;
    for (int i = 0; i < size; ++i) {
      x = x * 1103515245u + 12345u;
      data[i] = char(x >> 16);
    }
    return data;
  }

  std::unique_ptr<VornTestRoot> m_Root;
  QString m_Src;
  QString m_Dst;
};

QTEST_GUILESS_MAIN(FileFunctionsTest)
#include "tst_file_functions.moc"
