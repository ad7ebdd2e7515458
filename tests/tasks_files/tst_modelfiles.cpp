// The model menu's file tasks on an SD card under a test root: a model file
// deleted with its pictures but never the loaded one, the loaded model or a
// model folder renamed, a model copied beside itself as "_cpy" or into
// another folder; byte-identical copies, refusals with their codes, the
// saver's permission given back, paths kept inside the model area.
#include "model/model_fixture.h"
#include "tasks_files/tasks_files_fixture.h"
#include "frame/klx_copyerrors.h"
#include "sim/csimboard.h"
#include "tasks/klx_modelcopy.h"
#include "tasks/klx_modeldelete.h"
#include "tasks/klx_modelrename.h"
#include "vorn_filetree.h"
#include "vorn_fullmedium.h"
#include "vorn_powercut.h"

namespace {
using VT = KLX_VornTask;

// The reports without the notices of the files written on the way (their
// byte count, the checksum line of "Vornstate.xml").
QList<QPair<unsigned, QString>> Notices(const QList<QPair<unsigned, QString>>& reports) {
  QList<QPair<unsigned, QString>> out;
  for (const auto& r : reports)
    if (r.first != 0x515CC && r.first != 0x42602) out << r;
  return out;
}
constexpr int kDelete = VT::KLX_TASK_MOD_DELETE;
constexpr int kRename = VT::KLX_TASK_MOD_RENAME;
constexpr int kCopy = VT::KLX_TASK_MOD_COPY;
constexpr int kFailed = KLX_Error;
constexpr unsigned kCopyNoRoom = 0x2400A;
}  // namespace

class ModelFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void fileTasks_data() {
    QTest::addColumn<int>("task");
    QTest::addColumn<int>("para1");
    QTest::addColumn<QStringList>("texts");  // text 1, 2, 3
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("model");  // name, folder, type afterwards
    QTest::addColumn<QString>("loaded");     // the loaded model's folder, empty: the plane folder

    // The loaded model is Racer in the plane folder; its own folder is empty.
    const QStringList racer{"Racer", "", "1"};
    const QString plane = "/Vorn/Model/Plane/";
    QTest::newRow("delete: another model with its pictures")
        << kDelete << 1 << QStringList{"Hawk", "", "/Vorn/Model/Plane"}
        << QStringList{plane + "Hawk.xml:h", plane + "Pictures/Hawk.png:p", plane + "Pictures/Hawk.gif:g",
                       plane + "Pictures/Racer.png:r"}
        << 0 << QStringList{}
        << QStringList{plane + "Hawk.xml:-", plane + "Pictures/Hawk.png:-", plane + "Pictures/Hawk.gif:-",
                       plane + "Pictures/Racer.png:r"}
        << racer << QString();
    QTest::newRow("delete: the loaded model stays")
        << kDelete << 1 << QStringList{"Racer", "", "/Vorn/Model/Plane"} << QStringList{plane + "Racer.xml:m"}
        << kFailed << QStringList{"23007 "} << QStringList{plane + "Racer.xml:m"} << racer << QString();
    QTest::newRow("delete: the loaded model stays, its folder not given")
        << kDelete << 1 << QStringList{"Racer", "", ""} << QStringList{plane + "Racer.xml:m"} << kFailed
        << QStringList{"23007 "} << QStringList{plane + "Racer.xml:m"} << racer << QString();
    QTest::newRow("delete: the loaded model's name in another folder, its pictures stay")
        << kDelete << 0 << QStringList{"Racer", "", "/Vorn/Model/Mine"}
        << QStringList{"/Vorn/Model/Mine/Racer.xml:o", "/Vorn/Model/Mine/Pictures/Racer.png:p"} << 0 << QStringList{}
        << QStringList{"/Vorn/Model/Mine/Racer.xml:-", "/Vorn/Model/Mine/Pictures/Racer.png:p"} << racer << QString();
    QTest::newRow("delete: a folder outside the model area")
        << kDelete << 0 << QStringList{"System", "", "/Vorn/System"} << QStringList{"/Vorn/System/System.xml:s"}
        << kFailed << QStringList{"2300a Model path outside the model area"}
        << QStringList{"/Vorn/System/System.xml:s"} << racer << QString();
    QTest::newRow("delete: a name that climbs out")
        << kDelete << 1 << QStringList{"../../System/System", "", ""} << QStringList{"/Vorn/System/System.xml:s"}
        << kFailed << QStringList{"2300a Model path outside the model area"}
        << QStringList{"/Vorn/System/System.xml:s"} << racer << QString();

    QTest::newRow("rename: the loaded model, its picture replacing an older one")
        << kRename << 0 << QStringList{"Hawk", "/Vorn/Model/Plane", ""}
        << QStringList{plane + "Racer.xml:m", plane + "Pictures/Racer.gif:racer", plane + "Pictures/Hawk.gif:older"}
        << 0 << QStringList{"43507 Old model file is removed!", "43506 Model is renamed in @" + plane + "Pictures/Hawk"}
        << QStringList{plane + "Racer.xml:-", plane + "Pictures/Racer.gif:-", plane + "Pictures/Hawk.gif:racer"}
        << QStringList{"Hawk", "", "1"} << QString();
    QTest::newRow("rename: to a name in use changes nothing and says nothing")
        << kRename << 0 << QStringList{"Hawk", "/Vorn/Model/Plane", ""}
        << QStringList{plane + "Racer.xml:m", plane + "Hawk.xml:h"} << kFailed << QStringList{}
        << QStringList{plane + "Racer.xml:m", plane + "Hawk.xml:h"} << racer << QString();
    QTest::newRow("rename: in a folder whose name is UTF-8")
        << kRename << 0 << QStringList{"Hawk", "/Vorn/Model/Gl\u00e4ser", ""}
        << QStringList{"/Vorn/Model/Gl\u00e4ser/Racer.xml:m"} << 0
        << QStringList{"43507 Old model file is removed!",
                       "43506 Model is renamed in @/Vorn/Model/Gl\u00e4ser/Pictures/Hawk"}
        << QStringList{"/Vorn/Model/Gl\u00e4ser/Racer.xml:-"} << QStringList{"Hawk", "@/Vorn/Model/Gl\u00e4ser", "1"}
        << "/Vorn/Model/Gl\u00e4ser";
    QTest::newRow("rename: the folder of the loaded model")
        << kRename << 1 << QStringList{"New", "Mine", "Mine"} << QStringList{"/Vorn/Model/Mine/Racer.xml:m"} << 0
        << QStringList{"43507 Model folder renamed!", "43506 Model is renamed in New"}
        << QStringList{"/Vorn/Model/Mine/Racer.xml:-", "/Vorn/Model/New/Racer.xml:m"}
        << QStringList{"Racer", "@/Vorn/Model/New", "1"} << "/Vorn/Model/Mine";
    QTest::newRow("rename: a folder to a name in use")
        << kRename << 1 << QStringList{"New", "Mine", ""}
        << QStringList{"/Vorn/Model/Mine/a.xml:1", "/Vorn/Model/New/b.xml:2"} << kFailed << QStringList{}
        << QStringList{"/Vorn/Model/Mine/a.xml:1", "/Vorn/Model/New/b.xml:2", "/Vorn/Model/New/a.xml:-"} << racer << QString();
    QTest::newRow("rename: told another folder, its model and picture stay")
        << kRename << 0 << QStringList{"Hawk", "/Vorn/Model/Mine", ""}
        << QStringList{plane + "Racer.xml:m", "/Vorn/Model/Mine/Racer.xml:o", "/Vorn/Model/Mine/Pictures/Racer.png:p"}
        << kFailed << QStringList{"23509 Folder does not hold the loaded model"}
        << QStringList{plane + "Racer.xml:m", "/Vorn/Model/Mine/Racer.xml:o", "/Vorn/Model/Mine/Pictures/Racer.png:p",
                       "/Vorn/Model/Mine/Hawk.xml:-"}
        << racer << QString();
    QTest::newRow("rename: a name the card cannot hold")
        << kRename << 0 << QStringList{"Hawk*", "/Vorn/Model/Plane", ""} << QStringList{plane + "Racer.xml:m"}
        << kFailed << QStringList{"23508 Model path outside the model area"}
        << QStringList{plane + "Racer.xml:m", plane + "Hawk*.xml:-"} << racer << QString();
    QTest::newRow("delete: the loaded model written in other letters")
        << kDelete << 1 << QStringList{"RACER", "", "/Vorn/Model/Plane"}
        << QStringList{plane + "Racer.xml:m", plane + "RACER.xml:m"} << kFailed << QStringList{"23007 "}
        << QStringList{plane + "Racer.xml:m", plane + "RACER.xml:m"} << racer << QString();
    QTest::newRow("rename: a type folder keeps its name")
        << kRename << 1 << QStringList{"Planes", "Plane", ""} << QStringList{plane + "Racer.xml:m"} << kFailed
        << QStringList{"23508 Model path outside the model area"} << QStringList{plane + "Racer.xml:m"} << racer << QString();

    QTest::newRow("copy: beside the source, without pictures")
        << kCopy << 1 << QStringList{"Racer", "", ""}
        << QStringList{plane + "Racer.xml:<modelfile>\r\n\x01", plane + "Pictures/Racer.png:p"} << 0
        << QStringList{} << QStringList{plane + "Racer_cpy.xml:<modelfile>\r\n\x01", plane + "Pictures/Racer_cpy.png:-"}
        << racer << QString();
    QTest::newRow("copy: beside a copy that exists")
        << kCopy << 1 << QStringList{"Racer", "", ""} << QStringList{plane + "Racer.xml:m", plane + "Racer_cpy.xml:c"}
        << kFailed << QStringList{"24004 "} << QStringList{plane + "Racer_cpy.xml:c", plane + "Racer_cpy_cpy.xml:-"}
        << racer << QString();
    QTest::newRow("copy: into another folder")
        << kCopy << 0 << QStringList{"Racer", "/Vorn/Model/Mine", "/Vorn/Model/Plane"}
        << QStringList{plane + "Racer.xml:m", "/Vorn/Model/Mine/Other.xml:o"} << 0 << QStringList{}
        << QStringList{"/Vorn/Model/Mine/Racer.xml:m", plane + "Racer.xml:m"} << racer << QString();
    QTest::newRow("copy: into a folder that holds the model")
        << kCopy << 0 << QStringList{"Racer", "/Vorn/Model/Mine", "/Vorn/Model/Plane"}
        << QStringList{plane + "Racer.xml:m", "/Vorn/Model/Mine/Racer.xml:o"} << kFailed << QStringList{"24004 "}
        << QStringList{"/Vorn/Model/Mine/Racer.xml:o", plane + "Racer.xml:m"} << racer << QString();
    QTest::newRow("copy: into a folder that is not there")
        << kCopy << 0 << QStringList{"Racer", "/Vorn/Model/Nowhere", "/Vorn/Model/Plane"}
        << QStringList{plane + "Racer.xml:m"} << kFailed << QStringList{"24007 "}
        << QStringList{"/Vorn/Model/Nowhere/Racer.xml:-"} << racer << QString();
    QTest::newRow("copy: from the folder of the type")
        << kCopy << 2 << QStringList{"Heli", "", ""} << QStringList{"/Vorn/Model/Helicopter/Heli.xml:h"} << 0
        << QStringList{} << QStringList{"/Vorn/Model/Helicopter/Heli_cpy.xml:h"} << racer << QString();
    QTest::newRow("copy: out of the model area")
        << kCopy << 1 << QStringList{"Racer", "/Vorn/System", ""} << QStringList{plane + "Racer.xml:m"} << kFailed
        << QStringList{"24009 Model path outside the model area"} << QStringList{"/Vorn/System/Racer.xml:-"} << racer << QString();
  }
  void fileTasks() {
    QFETCH(int, task);
    QFETCH(int, para1);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, before);
    QFETCH(int, result);
    QFETCH(QStringList, reports);
    QFETCH(QStringList, after);
    QFETCH(QStringList, model);
    QFETCH(QString, loaded);
    Card card;
    if (!loaded.isEmpty())
      card.fx.db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(card.Root() + loaded, AtomicDirSet, false);
    QVERIFY(LayFiles(card.Root(), before));
    VornErrorWatch errors;
    errors.Expect({0x23007, 0x2300A, 0x23508, 0x23509, 0x24004, 0x24007, 0x24009});
    QCOMPARE(card.Run(task, para1, texts), result);
    QCOMPARE(ReportLines(Notices(errors.TakeReports()), card.Root()), reports);
    QCOMPARE(FilesNow(card.Root(), after), after);
    QCOMPARE(card.Model(), QStringList(model).replaceInStrings("@", card.Root()));
    if (task == kRename && para1 == 0 && result == 0) {
      // The new file and "Vornstate.xml" naming it are written before the
      // old file goes.
      const QString folder = card.Root() + texts[1] + "/";
      QVERIFY(ReadAll(folder + texts[0] + ".xml").contains("<Modelname>" + texts[0].toUtf8() + "</Modelname>"));
      QVERIFY(ReadAll(card.Root() + "/Vorn/Vornstate/Vornstate.xml").contains("<Modelname>" + texts[0].toUtf8() + "</Modelname>"));
    }
    // The saver may write again; a model renamed is written under its new name.
    QVERIFY(card.fx.db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet));
    const bool renamed = task == kRename && result == 0 && (para1 == 0 || loaded.endsWith("/" + texts[1]));
    QCOMPARE(card.fx.db.KLX_DataBaseManagerGetModelModifyFlag(), renamed);
    QCOMPARE(card.fx.db.KLX_DataBaseManagerGetVornModifyFlag(), renamed);
  }

  // A copy the card has no room for, with what a save of the current model
  // asks for left over, is refused as such: the screen names the full card,
  // and the model folder holds what it held (no copy, no part of one).
  void aCopyWithoutRoom_data() {
    QTest::addColumn<qint64>("free");    // the card's free bytes; -1: as prepared (8 GiB)
    QTest::addColumn<qint64>("writes");  // what the copy's writes find room for; -1: all
    constexpr qint64 kModel = 56 * 1024;
    QTest::newRow("a card with 20 KiB free") << qint64(20 * 1024) << qint64(-1);
    QTest::newRow("a card with 4 KiB free") << qint64(4 * 1024) << qint64(-1);
    QTest::newRow("room for the copy, none left for a save after it") << kModel + 400 * 1024 << qint64(-1);
    QTest::newRow("the card fills during the copy") << qint64(-1) << qint64(30000);
  }
  void aCopyWithoutRoom() {
    QFETCH(qint64, free);
    QFETCH(qint64, writes);
    Card c;
    const QString plane = "/Vorn/Model/Plane/";
    QVERIFY(LayFiles(c.Root(), {plane + "Racer.xml:m", plane + "Hawk.xml:" + QString(56 * 1024, QLatin1Char('h'))}));
    if (free >= 0) {
      // A card of at least 256 MiB, the program's least, nearly full.
      QFile filler(c.Root() + "/Vorn/filler.bin");
      QVERIFY(filler.open(QIODevice::WriteOnly) && filler.resize(256LL << 20) && SetCardFree(c.Root(), free));
    }
    const QStringList before = VornFileTree(c.Root() + "/Vorn/Model");
    VornErrorWatch errors;
    errors.Expect(kCopyNoRoom);
    {
      std::unique_ptr<VornFullMedium> full;
      if (writes >= 0) full.reset(new VornFullMedium(writes, ENOSPC, "Hawk_cpy"));
      QCOMPARE(c.Run(kCopy, 1, {"Hawk", "", ""}), kFailed);
    }
    QCOMPARE(Notices(errors.TakeReports()),
             (QList<QPair<unsigned, QString>>{{kCopyNoRoom, "not enough space on medium"}}));
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetErrorText(),
             QString::fromUtf8("Not enough memory on the SD card \u2013 cannot copy!"));
    QCOMPARE(VornFileTree(c.Root() + "/Vorn/Model"), before);
    QVERIFY(c.fx.db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet));
  }

  // Every failed end of a model copy tells the screen what failed, in words
  // of its own; none leaves the box with no text.
  void aFailedCopySaysWhatFailed_data() {
    QTest::addColumn<QString>("setting");  // "no card", "saver", "write fails" or ""
    QTest::addColumn<QStringList>("texts");  // text 1, 2, 3
    QTest::addColumn<unsigned>("code");
    QTest::addColumn<QString>("shown");
    const QString sourceHere{"/Vorn/Model/Plane"};
    QTest::newRow("no usable card") << "no card" << QStringList{"Hawk", "", sourceHere} << KLX_CopyError::kModelNoSdCard
                                    << QString::fromUtf8("No usable SD card \u2013 cannot copy!");
    QTest::newRow("the saver holds the model")
        << "saver" << QStringList{"Hawk", "", sourceHere} << KLX_CopyError::kModelUnsave
        << QString::fromUtf8("The model is being saved \u2013 please try again!");
    QTest::newRow("a name that climbs out of the model folders")
        << "" << QStringList{"../../System/System", "", ""} << KLX_CopyError::kModelPath
        << QString::fromUtf8("Model path outside the model folders \u2013 cannot copy!");
    QTest::newRow("a target folder that is not there")
        << "" << QStringList{"Hawk", "/Vorn/Model/Nowhere", sourceHere} << KLX_CopyError::kModelCopyFailed
        << "The model file could not be copied into the target folder!";
    QTest::newRow("the card fails to write the copy")
        << "write fails" << QStringList{"Hawk", "", sourceHere} << KLX_CopyError::kModelCopyFailed
        << "The model file could not be copied into the target folder!";
  }
  void aFailedCopySaysWhatFailed() {
    QFETCH(QString, setting);
    QFETCH(QStringList, texts);
    QFETCH(unsigned, code);
    QFETCH(QString, shown);
    Card c;
    const QStringList files{"/Vorn/Model/Plane/Hawk.xml:" + QString(3000, QLatin1Char('h')), "/Vorn/System/System.xml:s"};
    QVERIFY(LayFiles(c.Root(), files));
    if (setting == "no card") QVERIFY(QFile::remove(c.Root() + "/dev/mmcblk1p1"));
    if (setting == "saver") c.fx.db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirSet);
    const QStringList before = VornFileTree(c.Root() + "/Vorn");
    VornErrorWatch errors;
    errors.Expect(code);
    {
      // A medium that fails to write (not a full one) under the copy alone.
      std::unique_ptr<VornFullMedium> failing;
      if (setting == "write fails") failing.reset(new VornFullMedium(0, EIO, "Hawk_cpy"));
      QCOMPARE(c.Run(kCopy, 1, texts), kFailed);
    }
    QList<unsigned> codes;
    for (const auto& r : Notices(errors.TakeReports())) codes << r.first;
    QCOMPARE(codes, QList<unsigned>{code});
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetErrorText(), shown);
    QCOMPARE(VornFileTree(c.Root() + "/Vorn"), before);
  }

  // A power cut at any moment of a rename leaves "Vornstate.xml" naming a
  // model file that is on the card whole: the old one until the new one and
  // the state naming it are synced, then the new one. Without the folders'
  // syncs the card could lose both.
  void aRenameLeavesTheNamedModelAtEveryCut_data() {
    QTest::addColumn<bool>("folderSyncs");
    QTest::newRow("as the program does it") << true;
    QTest::newRow("without the folders' syncs") << false;
  }
  void aRenameLeavesTheNamedModelAtEveryCut() {
    QFETCH(bool, folderSyncs);
    Card card;
    KLX_XMLFileHandler* files = card.fx.db.KLX_DataBaseManagerXMLFileHandlerPtr();
    QCOMPARE(files->KLX_XMLFileHandlerWriteModelFile("Racer.xml", "Racer", 1, QString()), int(KLX_Ok));
    QCOMPARE(files->KLX_XMLFileHandlerWriteSysProcessStateFile(), int(KLX_Ok));
    const QString plane = QDir::cleanPath(card.Root() + "/Vorn/Model/Plane") + "/";
    const QString state = QDir::cleanPath(card.Root() + "/Vorn/Vornstate/Vornstate.xml");
    const QByteArray racer = ReadAll(plane + "Racer.xml");
    QByteArray hawk;
    int broken = 0;
    {
      VornPowerCut cut;
      cut.SkipFolderSyncs(!folderSyncs);
      QCOMPARE(card.Run(kRename, 0, {"Hawk", "/Vorn/Model/Plane", ""}), 0);
      hawk = ReadAll(plane + "Hawk.xml");
      const QRegularExpression named("<Modelname>(.*)</Modelname>");
      for (int n = 0; n <= cut.Calls(); ++n) {
        for (const VornPowerCut::Card& c : cut.StatesAfter(n)) {
          const QString name = named.match(QString::fromUtf8(c.value(state))).captured(1);
          const QString file = plane + name + ".xml";
          const bool whole = c.contains(file) && ((name == "Racer" && c.value(file) == racer) ||
                                                  (name == "Hawk" && c.value(file) == hawk));
          broken += !whole;
        }
      }
    }
    QCOMPARE(broken == 0, folderSyncs);
  }

  // A second way to the loaded model's folder (a link) leads to the same
  // file: the loaded model stays, whichever way the screen names it.
  void theLoadedModelThroughALinkStays() {
    Card card;
    const QStringList files{"/Vorn/Model/Plane/Racer.xml:m"};
    QVERIFY(LayFiles(card.Root(), files));
    QVERIFY(QFile::link(card.Root() + "/Vorn/Model/Plane", card.Root() + "/Vorn/Model/Link"));
    VornErrorWatch errors;
    errors.Expect(0x23007);
    QCOMPARE(card.Run(kDelete, 0, {"Racer", "", "/Vorn/Model/Link"}), int(KLX_Error));
    QCOMPARE(errors.TakeCodes(), QList<unsigned>{0x23007});
    QCOMPARE(FilesNow(card.Root(), files), files);
  }

  // Without a usable card nothing is touched, and the saver's permission is
  // given back; while the saver holds it, the task does nothing and leaves it.
  void refusedBeforeAnyFileIsTouched_data() {
    QTest::addColumn<int>("task");
    QTest::addColumn<bool>("card");
    QTest::addColumn<unsigned>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("delete without a card") << kDelete << false << 0x23006u << "";
    QTest::newRow("rename without a card") << kRename << false << 0x23502u << "";
    QTest::newRow("copy without a card") << kCopy << false << 0x24006u << "";
    QTest::newRow("delete while the saver writes")
        << kDelete << true << 0x23009u << "Could not delete model due unsave model state";
    QTest::newRow("rename while the saver writes")
        << kRename << true << 0x23505u << "Could not rename model due unsave model state";
    QTest::newRow("copy while the saver writes")
        << kCopy << true << 0x24008u << "Could not copy model due unsave model state";
  }
  void refusedBeforeAnyFileIsTouched() {
    QFETCH(int, task);
    QFETCH(bool, card);
    QFETCH(unsigned, code);
    QFETCH(QString, text);
    Card c;
    const QStringList files{"/Vorn/Model/Plane/Hawk.xml:h"};
    QVERIFY(LayFiles(c.Root(), files));
    if (!card) QVERIFY(QFile::remove(c.Root() + "/dev/mmcblk1p1"));
    c.fx.db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(!card, AtomicDirSet);
    VornErrorWatch errors;
    errors.Expect(code);
    QCOMPARE(c.Run(task, 0, {"Hawk", "/Vorn/Model/Plane", "/Vorn/Model/Plane"}), int(KLX_Error));
    QCOMPARE(errors.TakeReports(), (QList<QPair<unsigned, QString>>{{code, text}}));
    QCOMPARE(FilesNow(c.Root(), files), files);
    QCOMPARE(c.fx.db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet), !card);
  }

 private:
  // A facade on a prepared board with a card; the loaded model is Racer in
  // the plane folder.
  struct Card {
    ModelFixture fx;
    KLX_ModelDelete deleter;
    KLX_ModelRename renamer;
    KLX_ModelCopy copier;
    Card() {
      // Files change here only by the task, not by the saver it wakes.
      fx.db.KLX_DatabaseManagerXMLFileSaverPtr()->KLX_XMLFileSaverStop();
      CSimBoard(fx.root.Path(), CSimBoard::Vorn).Prepare();
      fx.db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Racer", AtomicDirSet, false);
      fx.db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirSet, false);
      fx.db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(1, AtomicDirSet, false);
      fx.db.KLX_DataBaseManagerSetVornModifyFlag(false);
    }
    QString Root() const { return fx.root.Path(); }
    int Run(int task, int para1, const QStringList& texts) {
      KLX_VornBase* object = task == kDelete ? static_cast<KLX_VornBase*>(&deleter)
                             : task == kRename ? static_cast<KLX_VornBase*>(&renamer)
                                               : static_cast<KLX_VornBase*>(&copier);
      Task_Data_T request;
      request.task = task;
      request.paraint1 = para1;
      KLX_TaskSetText(request.parastr1, texts.value(0));
      KLX_TaskSetText(request.parastr2, texts.value(1));
      KLX_TaskSetText(request.parastr3, texts.value(2));
      if (object->KLX_VornBaseInit(&fx.db, &fx.protocol, &fx.vorn, &fx.runtime) != KLX_Ok) return -1;
      const int result = object->KLX_VornBaseStartTask(request);
      object->KLX_VornBaseCleanUp();
      return result;
    }
    QStringList Model() {
      return {fx.db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName(QString(), AtomicDirGet, false),
              fx.db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet, false),
              QString::number(fx.db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet, false))};
    }
  };
};

QTEST_GUILESS_MAIN(ModelFilesTest)
#include "tst_modelfiles.moc"
