// The file manager on folders of a test root: copies byte-identical with
// their progress, conflicts answered by the test as the screen would, a
// folder into itself or its own sub-folder, deletes, an abort in the
// middle, calls while it works; and its front in the runtime read-outs with
// the update-package look-ups.
#include <QtTest>

#include <cstdio>

#include "frame/klx_filenamehandler.h"
#include "sim/csimfirmware.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "update/cdir.h"
#include "update/cfilemanager.h"
#include "update/cthread.h"
#include "vorn_fixture.h"
#include "vorn_fullmedium.h"

namespace {
using FM = CFileManagerBase;

// Every file below a folder as "path=content", sorted.
QStringList Tree(const QString& folder) {
  QStringList out;
  QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    out << path.mid(folder.size() + 1) + "=" + QString::fromLatin1(ReadFile(path));
  }
  out.sort();
  return out;
}
QByteArray Pattern(int size) {
  QByteArray bytes(size, Qt::Uninitialized);
  for (int i = 0; i < size; ++i) bytes[i] = char((i * 7 + 3) & 0xFF);
  return bytes;
}

// The screen's side, in the test's thread: what the manager reports, and
// the answers it gives to its questions in turn (none left: it waits).
struct Screen : QObject {
  FM& fm;
  QList<int> completes;
  QStringList questions;
  QStringList progress;  // "name index/count percent"
  QList<FM::Behavior> answers;
  explicit Screen(FM& manager) : fm(manager) {
    connect(&fm, &FM::sigComplete, this, [this](int r) { completes << r; });
    connect(&fm, &FM::sigProgress, this, [this](QString name, int count, int index, int percent) {
      progress << QStringLiteral("%1 %2/%3 %4").arg(name).arg(index).arg(count).arg(percent);
    });
    connect(&fm, &FM::sigUserDecisionRequired, this, [this](QString name, int conflict) {
      questions << QStringLiteral("%1 %2").arg(name).arg(conflict);
      if (!answers.isEmpty()) fm.resume(answers.takeFirst());
    });
  }
  bool Ended() { return QTest::qWaitFor([&] { return !completes.isEmpty(); }, kVornHangMs); }
  int Result() { return Ended() ? completes.takeFirst() : -1; }
  QStringList ProgressOf(const QString& name) const {
    QStringList out;
    for (const QString& p : progress)
      if (p.startsWith(name + " ")) out << p.mid(name.size() + 1);
    return out;
  }
};

bool Select(FM& fm, const QString& folder, const QStringList& names) {
  if (!fm.setSourceFolder(folder)) return false;
  for (const QString& n : names)
    if (!fm.selectSource(n)) return false;
  return true;
}
}  // namespace

class FileManagerTest : public QObject {
  Q_OBJECT

 private slots:
  // Files of every size class and a folder tree arrive byte for byte; a
  // file's progress goes by whole percent of its size.
  void copiesAreByteIdentical() {
    QTemporaryDir dir;
    const QString src = dir.path() + "/card/Model";
    const QString dst = dir.path() + "/usb0";
    QVERIFY(WriteFile(src + "/tree/empty.bin", ""));
    QVERIFY(WriteFile(src + "/tree/small.txt", Pattern(99)));
    QVERIFY(WriteFile(src + "/tree/edge.bin", Pattern(150)));
    QVERIFY(WriteFile(src + "/tree/big.bin", Pattern(5000)));
    QVERIFY(WriteFile(src + "/tree/.hidden", "hid"));
    QVERIFY(WriteFile(src + "/tree/deep/inner/x.dat", Pattern(2000)));
    QVERIFY(WriteFile(src + "/top.txt", "top"));
    QVERIFY(QDir().mkpath(dst));
    CFileManager fm;
    Screen screen(fm);
    QVERIFY(Select(fm, src, {"tree", "top.txt"}));
    QVERIFY(fm.beginCopy(dst, FM::Behavior_AskTheUser));
    QCOMPARE(screen.Result(), int(FM::Result_CopyComplete));
    QCOMPARE(Tree(dst + "/tree"), Tree(src + "/tree"));
    QCOMPARE(Tree(dst).size(), 7);
    QCOMPARE(ReadFile(dst + "/top.txt"), QByteArray("top"));
    QCOMPARE(screen.ProgressOf("big.bin"), QStringList({"1/2 0", "1/2 20", "1/2 40", "1/2 61", "1/2 81", "1/2 100"}));
    QCOMPARE(screen.ProgressOf("edge.bin"), QStringList({"1/2 0", "1/2 100"}));
    QCOMPARE(screen.ProgressOf("small.txt"), QStringList({"1/2 0", "1/2 100"}));
    QCOMPARE(screen.ProgressOf("empty.bin"), QStringList({"1/2 0", "1/2 100"}));
    QCOMPARE(screen.ProgressOf("top.txt"), QStringList({"2/2 0", "2/2 100"}));
    QVERIFY(screen.questions.isEmpty());
    QVERIFY(fm.Selection().isEmpty());
    QVERIFY(!fm.IsBusy());
  }

  // A link in the copied folder is skipped, one in the destination replaced
  // by the copy: the files they name stay as they were. A file whose name
  // is no UTF-8 (no text names it) is left out with a word, the others
  // copied; deleted, its folder goes whole.
  void copiesFollowNoLink() {
    QTemporaryDir dir;
    const QString src = dir.path() + "/usb0/tree";
    const QString dst = dir.path() + "/card";
    QVERIFY(WriteFile(src + "/a.txt", "a") && WriteFile(dir.path() + "/secret.txt", "secret"));
    QVERIFY(WriteFile(dst + "/tree/b.txt", "b") && WriteFile(dir.path() + "/victim.txt", "victim"));
    QVERIFY(QFile::link(dir.path() + "/secret.txt", src + "/secret.txt"));
    QVERIFY(QFile::link(dir.path() + "/victim.txt", dst + "/tree/a.txt"));
    FILE* latin = std::fopen(QFile::encodeName(src) + "/L\xE9" "a.txt", "w");
    QVERIFY(latin && std::fclose(latin) == 0);
    QTest::ignoreMessage(QtWarningMsg, qPrintable(src + "/ holds an entry whose name is no UTF-8 text (L\\xe9a.txt): left out"));
    CFileManager fm;
    Screen screen(fm);
    QVERIFY(Select(fm, dir.path() + "/usb0", {"tree"}));
    QVERIFY(fm.beginCopy(dst, FM::Behavior_OverwriteAll));
    QCOMPARE(screen.Result(), int(FM::Result_Skipped));
    QCOMPARE(Tree(dst + "/tree"), QStringList({"a.txt=a", "b.txt=b"}));
    QCOMPARE(ReadFile(dir.path() + "/victim.txt"), QByteArray("victim"));
    QVERIFY(fm.beginDelete(dir.path() + "/usb0", "tree"));
    QCOMPARE(screen.Result(), int(FM::Result_DelComplete));
    QVERIFY(!QFileInfo::exists(src));
  }

  // A medium that refuses the last piece of a copy: the one piece of a file
  // under 16 KiB, or the tail beyond the copy's first blocks. The old file
  // stays byte for byte with nothing beside it; a full medium is told as
  // such, one that fails otherwise as a write error.
  void aCopyOntoAFullMedium_data() {
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("result");
    QTest::newRow("a file under 16 KiB") << 120 << 0 << ENOSPC << int(FM::Result_NotEnoughMemory);
    QTest::newRow("its tail") << 5000 << 4096 << ENOSPC << int(FM::Result_NotEnoughMemory);
    QTest::newRow("a failing medium") << 120 << 0 << EIO << int(FM::Result_WriteError);
  }
  void aCopyOntoAFullMedium() {
    QFETCH(int, bytes);
    QFETCH(int, room);
    QFETCH(int, error);
    QFETCH(int, result);
    QTemporaryDir dir;
    QVERIFY(WriteFile(dir.path() + "/src/a.bin", Pattern(bytes)) && WriteFile(dir.path() + "/dst/a.bin", "old a"));
    CFileManager fm;
    Screen screen(fm);
    VornFullMedium medium(room, error);
    QVERIFY(Select(fm, dir.path() + "/src", {"a.bin"}));
    QVERIFY(fm.beginCopy(dir.path() + "/dst", FM::Behavior_OverwriteAll));
    QCOMPARE(screen.Result(), result);
    QCOMPARE(Tree(dir.path() + "/dst"), QStringList{"a.bin=old a"});
  }

  // c.txt is new at the destination; a.txt and b.txt exist there, and so
  // does "a (0).txt".
  void conflicts_data() {
    QTest::addColumn<int>("behavior");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("after");
    const QStringList old{"a (0).txt=older", "a.txt=old a", "b.txt=old b", "c.txt=new c"};
    const QStringList fresh{"a (0).txt=older", "a.txt=new a", "b.txt=new b", "c.txt=new c"};
    const QStringList renamed{"a (0).txt=older", "a (1).txt=new a", "a.txt=old a",
                              "b (0).txt=new b", "b.txt=old b",      "c.txt=new c"};
    const int ask = FM::Behavior_AskTheUser;
    QTest::newRow("skip each; the last file skipped")
        << ask << QList<int>{FM::Behavior_Skip, FM::Behavior_Skip} << QStringList{"a.txt 0", "b.txt 0"}
        << int(FM::Result_Skipped) << old;
    QTest::newRow("skip all, asked once") << ask << QList<int>{FM::Behavior_SkipAll} << QStringList{"a.txt 0"}
                                          << int(FM::Result_Skipped) << old;
    QTest::newRow("overwrite each") << ask << QList<int>{FM::Behavior_Overwrite, FM::Behavior_Overwrite}
                                    << QStringList{"a.txt 0", "b.txt 0"} << int(FM::Result_CopyComplete) << fresh;
    QTest::newRow("overwrite all, asked once") << ask << QList<int>{FM::Behavior_OverwriteAll} << QStringList{"a.txt 0"}
                                               << int(FM::Result_CopyComplete) << fresh;
    QTest::newRow("rename each past a taken name")
        << ask << QList<int>{FM::Behavior_Rename, FM::Behavior_Rename} << QStringList{"a.txt 0", "b.txt 0"}
        << int(FM::Result_CopyComplete)
        << renamed;
    QTest::newRow("rename all given, never asked")
        << int(FM::Behavior_RenameAll) << QList<int>{} << QStringList{} << int(FM::Result_CopyComplete)
        << renamed;
    QTest::newRow("overwrite all given, never asked") << int(FM::Behavior_OverwriteAll) << QList<int>{} << QStringList{}
                                                      << int(FM::Result_CopyComplete) << fresh;
    QTest::newRow("abort at the first question") << ask << QList<int>{FM::Behavior_Abort} << QStringList{"a.txt 0"}
                                                 << int(FM::Result_CanceledByUser) << old;
  }
  void conflicts() {
    QFETCH(int, behavior);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, asked);
    QFETCH(int, result);
    QFETCH(QStringList, after);
    QTemporaryDir dir;
    const QString src = dir.path() + "/src";
    const QString dst = dir.path() + "/dst";
    for (const char* n : {"a", "b", "c"}) QVERIFY(WriteFile(src + "/" + n + ".txt", QByteArray("new ") + n));
    QVERIFY(WriteFile(dst + "/a.txt", "old a"));
    QVERIFY(WriteFile(dst + "/b.txt", "old b"));
    QVERIFY(WriteFile(dst + "/a (0).txt", "older"));
    CFileManager fm;
    Screen screen(fm);
    for (int a : answers) screen.answers << FM::Behavior(a);
    QVERIFY(Select(fm, src, {"c.txt", "a.txt", "b.txt"}));
    QVERIFY(fm.beginCopy(dst, FM::Behavior(behavior)));
    QCOMPARE(screen.Result(), result);
    QCOMPARE(screen.questions, asked);
    QCOMPARE(Tree(dst), after);
    // An abort holds for good: the manager takes nothing more.
    const bool aborted = result == FM::Result_CanceledByUser;
    QCOMPARE(fm.setSourceFolder(src), !aborted);
    QCOMPARE(fm.selectSource("c.txt"), !aborted);
  }

  // Whole path components decide what lies inside a folder.
  void folderIntoItself_data() {
    QTest::addColumn<QString>("destination");
    QTest::addColumn<int>("result");
    QTest::newRow("into its own sub-folder") << "/s/tree/sub" << int(FM::Result_SubfolderError);
    QTest::newRow("into itself") << "/s/tree" << int(FM::Result_SubfolderError);
    QTest::newRow("into the source folder") << "/s" << int(FM::Result_SameFolder);
    QTest::newRow("into the source folder, written otherwise") << "/s/./" << int(FM::Result_SameFolder);
    QTest::newRow("into a sibling that begins with its name") << "/s/tree2" << int(FM::Result_CopyComplete);
  }
  void folderIntoItself() {
    QFETCH(QString, destination);
    QFETCH(int, result);
    QTemporaryDir dir;
    QVERIFY(WriteFile(dir.path() + "/s/tree/sub/f.txt", "f"));
    QVERIFY(QDir().mkpath(dir.path() + "/s/tree2"));
    const QStringList before = Tree(dir.path() + "/s");
    CFileManager fm;
    Screen screen(fm);
    QVERIFY(Select(fm, dir.path() + "/s", {"tree"}));
    QVERIFY(fm.beginCopy(dir.path() + destination, FM::Behavior_AskTheUser));
    QCOMPARE(screen.Result(), result);
    if (result != FM::Result_CopyComplete) QCOMPARE(Tree(dir.path() + "/s"), before);
    else QCOMPARE(Tree(dir.path() + "/s/tree2"), QStringList{"tree/sub/f.txt=f"});
    QVERIFY(!CDir::isContains(dir.path() + "/s/tree", dir.path() + "/s/tree2"));
    QVERIFY(CDir::isContains(dir.path() + "/s/tree/", dir.path() + "/s/tree"));
  }

  void deletes() {
    QTemporaryDir dir;
    const QString d = dir.path() + "/d";
    QVERIFY(WriteFile(d + "/f.txt", "f"));
    QVERIFY(WriteFile(d + "/g/h/i.txt", "i"));
    QVERIFY(WriteFile(d + "/g/.j", "j"));
    QVERIFY(WriteFile(dir.path() + "/keep/k.txt", "k"));
    QVERIFY(QFile::link(dir.path() + "/keep", d + "/link"));
    QVERIFY(WriteFile(d + "/last.txt", "l"));
    CFileManager fm;
    Screen screen(fm);
    QVERIFY(Select(fm, d, {"f.txt", "g", "link"}));
    QVERIFY(fm.beginDelete());
    QCOMPARE(screen.Result(), int(FM::Result_DelComplete));
    QCOMPARE(screen.progress, QStringList({"f.txt 1/3 0", "g 2/3 0", "link 3/3 0"}));
    QCOMPARE(QDir(d).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"last.txt"});
    // What a link pointed to stays.
    QCOMPARE(ReadFile(dir.path() + "/keep/k.txt"), QByteArray("k"));
    // A name that is gone ends the run there.
    QVERIFY(Select(fm, d, {"gone", "last.txt"}));
    QVERIFY(fm.beginDelete());
    QCOMPARE(screen.Result(), int(FM::Result_SourceNotFound));
    QVERIFY(QFileInfo::exists(d + "/last.txt"));
    QVERIFY(fm.beginDelete(d, "last.txt"));
    QCOMPARE(screen.Result(), int(FM::Result_DelComplete));
    QVERIFY(!QFileInfo::exists(d + "/last.txt"));
    QCOMPARE(fm.SourceFolder(), d + "/");
    QVERIFY(!fm.beginDelete(d, "../keep"));
  }

  // The screen's "Abort" while a file is half copied: the file does not
  // appear, the rest is not copied, and the manager takes nothing more.
  void abortInTheMiddle() {
    QTemporaryDir dir;
    const QString src = dir.path() + "/src";
    const QString dst = dir.path() + "/dst";
    QVERIFY(WriteFile(src + "/big.bin", Pattern(200 * 1024)));
    QVERIFY(WriteFile(src + "/next.bin", "next"));
    QVERIFY(QDir().mkpath(dst));
    CFileManager fm;
    Screen screen(fm);
    // On the worker's own thread, so that the abort lands at half way.
    connect(&fm, &FM::sigProgress, &fm, [&fm](QString, int, int, int percent) {
      if (percent == 50) fm.abort();
    }, Qt::DirectConnection);
    QVERIFY(Select(fm, src, {"big.bin", "next.bin"}));
    QVERIFY(fm.beginCopy(dst, FM::Behavior_AskTheUser));
    QCOMPARE(screen.Result(), int(FM::Result_CanceledByUser));
    QCOMPARE(screen.ProgressOf("big.bin").last(), QString("1/2 50"));
    QCOMPARE(QDir(dst).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QVERIFY(!fm.setSourceFolder(src));
    QVERIFY(!fm.selectSource("next.bin"));
    QVERIFY(!fm.beginDelete(src, "next.bin"));
  }

  // While the worker waits for an answer, the selection and a second
  // operation are refused; the manager freed meanwhile does not hang, and
  // its thread's end is a developers' line, not the terminal's.
  void callsWhileItWorks() {
    VornTerminalLines lines;
    QTemporaryDir dir;
    const QString src = dir.path() + "/src";
    QVERIFY(WriteFile(src + "/a.txt", "a"));
    QVERIFY(WriteFile(dir.path() + "/dst/a.txt", "old"));
    auto fm = std::make_unique<CFileManager>();
    Screen screen(*fm);
    QVERIFY(Select(*fm, src, {"a.txt"}));
    QVERIFY(!fm->beginCopy(dir.path() + "/dst", FM::Behavior_Abort));
    QVERIFY(fm->beginCopy(dir.path() + "/dst", FM::Behavior_AskTheUser));
    QVERIFY(QTest::qWaitFor([&] { return !screen.questions.isEmpty(); }, kVornHangMs));
    QVERIFY(fm->IsBusy());
    QVERIFY(!fm->selectSource("b.txt"));
    QVERIFY(!fm->deselectSource("a.txt"));
    QVERIFY(!fm->setSourceFolder(src));
    QVERIFY(!fm->beginDelete());
    QVERIFY(!fm->beginDelete(src, "a.txt"));
    QVERIFY(!fm->beginCopy(dir.path() + "/dst", FM::Behavior_OverwriteAll));
    QElapsedTimer freed;
    freed.start();
    fm.reset();
    // Not held until the pilot answers: freed well within the suite's bound.
    QVERIFY(freed.elapsed() < kVornHangMs);
    QCOMPARE(ReadFile(dir.path() + "/dst/a.txt"), QByteArray("old"));
    QCOMPARE(lines.TerminalWithAny({"File Manager thread complete"}), QStringList());
    QCOMPARE(lines.Developer().filter("File Manager thread complete"), QStringList({"File Manager thread complete"}));
  }

  // A worker made and gone: developers' lines, not the terminal's.
  void aWorkerMadeAndGoneIsADevelopersLine() {
    VornTerminalLines lines;
    { CThread worker(QStringLiteral("worker")); }
    QCOMPARE(lines.TerminalWithAny({"CThread"}), QStringList());
    QCOMPARE(lines.Developer().filter(QRegularExpression("^CThread (created|destroyed): 0x")).size(), 2);
  }

  // The runtime read-outs' front: nothing without a manager, folders only
  // below the card's top folder or on a stick, the manager's signals relayed.
  void front() {
    VornTestRoot root;
    KLX_RuntimeDatabaseManager runtime;
    const auto refusedAll = [&runtime] {
      return !runtime.FileManagerSetSourceFolder("/Vorn/Model") && !runtime.FileManagerSelectSource("a.xml") &&
             !runtime.FileManagerDeselectSource("a.xml") && !runtime.FileManagerIsAnythingSelected() &&
             !runtime.FileManagerBeginCopy("/media/usb1", FM::Behavior_AskTheUser) &&
             !runtime.FileManagerBeginDelete() && !runtime.FileManagerBeginDelete("/Vorn/Model", "a.xml") &&
             !runtime.FileManagerabort() && !runtime.FileManagerResume(FM::Behavior_Skip);
    };
    QVERIFY(refusedAll());
    QVERIFY(WriteFile(root.Path() + "/Vorn/Model/a.xml", "model"));
    QVERIFY(QDir().mkpath(root.Path() + "/media/usb1"));
    QVERIFY(WriteFile(root.Path() + "/run/mounts", "/media/usb1\n"));
    QVERIFY(QDir().mkpath(root.Path() + "/etc"));
    QVERIFY(runtime.FileManagerCreate());
    QVERIFY(runtime.FileManagerCreate());
    QVERIFY(!runtime.FileManagerSetSourceFolder("/Vorn"));
    QVERIFY(!runtime.FileManagerSetSourceFolder("/etc"));
    QVERIFY(!runtime.FileManagerSetSourceFolder("/Vorn/Model/../../etc"));
    QVERIFY(!runtime.FileManagerSetSourceFolder("/media"));
    QVERIFY(runtime.FileManagerSetSourceFolder("/Vorn/Model"));
    QVERIFY(!runtime.FileManagerIsAnythingSelected());
    QVERIFY(runtime.FileManagerSelectSource("a.xml"));
    QVERIFY(runtime.FileManagerIsAnythingSelected());
    QVERIFY(!runtime.FileManagerBeginCopy("/Vorn", FM::Behavior_AskTheUser));
    QVERIFY(!runtime.FileManagerBeginCopy("/media/usb1", 8));
    QSignalSpy completes(&runtime, &KLX_RuntimeDatabaseManager::fileManagerComplete);
    QSignalSpy progress(&runtime, &KLX_RuntimeDatabaseManager::fileManagerProgress);
    QVERIFY(runtime.FileManagerBeginCopy(root.Path() + "/media/usb1", FM::Behavior_AskTheUser));
    QVERIFY(completes.wait(kVornHangMs));
    QCOMPARE(completes.takeFirst().at(0).toInt(), int(FM::Result_CopyComplete));
    QCOMPARE(progress.size(), 2);
    QCOMPARE(progress.at(1), QVariantList({"a.xml", 1, 1, 100}));
    QCOMPARE(ReadFile(root.Path() + "/media/usb1/a.xml"), QByteArray("model"));
    // Asked, answered through the front.
    QSignalSpy questions(&runtime, &KLX_RuntimeDatabaseManager::fileManagerUserDecisionRequired);
    QVERIFY(runtime.FileManagerSetSourceFolder("/media/usb1"));
    QVERIFY(runtime.FileManagerSelectSource("a.xml"));
    QVERIFY(WriteFile(root.Path() + "/Vorn/Model/a.xml", "changed"));
    QVERIFY(runtime.FileManagerBeginCopy("/Vorn/Model", FM::Behavior_AskTheUser));
    QVERIFY(questions.wait(kVornHangMs));
    QCOMPARE(questions.at(0), QVariantList({"a.xml", int(FM::Conflict_FileExists)}));
    QVERIFY(runtime.FileManagerResume(FM::Behavior_Overwrite));
    QVERIFY(completes.wait(kVornHangMs));
    QCOMPARE(ReadFile(root.Path() + "/Vorn/Model/a.xml"), QByteArray("model"));
    QVERIFY(runtime.FileManagerBeginDelete("/media/usb1", "a.xml"));
    QVERIFY(completes.wait(kVornHangMs));
    QCOMPARE(completes.takeLast().at(0).toInt(), int(FM::Result_DelComplete));
    QVERIFY(!QFileInfo::exists(root.Path() + "/media/usb1/a.xml"));
    // The stick pulled out: its mount point is no place to copy from.
    QVERIFY(WriteFile(root.Path() + "/run/mounts", ""));
    QVERIFY(!runtime.FileManagerSetSourceFolder("/media/usb1"));
    QVERIFY(runtime.FileManagerabort());
    QVERIFY(!runtime.FileManagerSetSourceFolder("/Vorn/Model"));
    runtime.FileManagerFree();
    QVERIFY(refusedAll());
  }

  // Update-package files of the receivers' firmware folder, listed by the
  // file listing: a version text for the asked hardware, the description.
  void packageLookUps_data() {
    QTest::addColumn<int>("hwType");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("firstLine");
    const QString whole = "28\nReceiver application\nfor R-Ediv";
    QTest::newRow("its hardware") << 28 << false << "2.7" << whole << "28\nReceiver application";
    QTest::newRow("another hardware") << 29 << false << "" << whole << "28\nReceiver application";
    QTest::newRow("any hardware: 0") << 0 << false << "2.7" << whole << "28\nReceiver application";
    QTest::newRow("any hardware: 65535") << 65535 << false << "2.7" << whole << "28\nReceiver application";
    QTest::newRow("a broken trailer") << 28 << true << "" << "" << "";
  }
  void packageLookUps() {
    QFETCH(int, hwType);
    QFETCH(bool, damaged);
    QFETCH(QString, version);
    QFETCH(QString, description);
    QFETCH(QString, firstLine);
    VornTestRoot root;
    CSimFirmwareSpec spec = CSimFirmwareSpec::ForReceiver(2, 7);
    spec.description = "Receiver application\nfor R-Ediv";
    QByteArray file = CSimFirmware::File(spec);
    if (damaged) file[file.size() - 1] = char(file.at(file.size() - 1) ^ 0x01);
    const QString folder = "/Vorn/Update/Receiver";
    QVERIFY(WriteFile(KLX_FileNameHandler::KLX_FileNameHandlerMapPath(folder) + "/RX.klu", file));
    KLX_RuntimeDatabaseManager runtime;
    runtime.KLX_RuntimeDatabaseManagerFolderContentFiles(folder);
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerFolderGetFilesCount(), 1);
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerFolderCheckKLUFilebyIdx(0, hwType), version);
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerFolderCheckKLUFilebyIdx(1, 0), QString());
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerFolderGetKLUdscrptnByIdx("RX.klu", false), description);
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerFolderGetKLUdscrptnByIdx("RX.klu", true), firstLine);
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerFolderGetKLUdscrptnByIdx("../Receiver/RX.klu", false), QString());
    // Another package folder, set by its screen.
    runtime.KLX_RuntimeDatabaseManagerFolderSetPackageFolder("/Vorn/Update");
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerFolderGetKLUdscrptnByIdx("RX.klu", true), QString());
  }
};

QTEST_GUILESS_MAIN(FileManagerTest)
#include "tst_filemanager.moc"
