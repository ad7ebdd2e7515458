// The model menu's file tasks on an SD card under a test root: a model file
// deleted with its pictures but never the loaded one, the loaded model or a
// model folder renamed, a model copied beside itself as "_cpy" or into
// another folder; byte-identical copies, refusals with their codes, the
// saver's permission given back, paths kept inside the model area.
#include "model/model_fixture.h"
#include "tasks_files/tasks_files_fixture.h"
#include "sim/csimboard.h"
#include "tasks/klx_modelcopy.h"
#include "tasks/klx_modeldelete.h"
#include "tasks/klx_modelrename.h"

namespace {
using VT = KLX_VornTask;
constexpr int kDelete = VT::KLX_TASK_MOD_DELETE;
constexpr int kRename = VT::KLX_TASK_MOD_RENAME;
constexpr int kCopy = VT::KLX_TASK_MOD_COPY;
constexpr int kFailed = KLX_Error;
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
        << racer;
    QTest::newRow("delete: the loaded model stays")
        << kDelete << 1 << QStringList{"Racer", "", "/Vorn/Model/Plane"} << QStringList{plane + "Racer.xml:m"}
        << kFailed << QStringList{"23007 "} << QStringList{plane + "Racer.xml:m"} << racer;
    QTest::newRow("delete: the loaded model stays, its folder not given")
        << kDelete << 1 << QStringList{"Racer", "", ""} << QStringList{plane + "Racer.xml:m"} << kFailed
        << QStringList{"23007 "} << QStringList{plane + "Racer.xml:m"} << racer;
    QTest::newRow("delete: the loaded model's name in another folder, its pictures stay")
        << kDelete << 0 << QStringList{"Racer", "", "/Vorn/Model/Mine"}
        << QStringList{"/Vorn/Model/Mine/Racer.xml:o", "/Vorn/Model/Mine/Pictures/Racer.png:p"} << 0 << QStringList{}
        << QStringList{"/Vorn/Model/Mine/Racer.xml:-", "/Vorn/Model/Mine/Pictures/Racer.png:p"} << racer;
    QTest::newRow("delete: a folder outside the model area")
        << kDelete << 0 << QStringList{"System", "", "/Vorn/System"} << QStringList{"/Vorn/System/System.xml:s"}
        << kFailed << QStringList{"2300a Model path outside the model area"}
        << QStringList{"/Vorn/System/System.xml:s"} << racer;
    QTest::newRow("delete: a name that climbs out")
        << kDelete << 1 << QStringList{"../../System/System", "", ""} << QStringList{"/Vorn/System/System.xml:s"}
        << kFailed << QStringList{"2300a Model path outside the model area"}
        << QStringList{"/Vorn/System/System.xml:s"} << racer;

    QTest::newRow("rename: the loaded model, its picture replacing an older one")
        << kRename << 0 << QStringList{"Hawk", "/Vorn/Model/Plane", ""}
        << QStringList{plane + "Racer.xml:m", plane + "Pictures/Racer.gif:racer", plane + "Pictures/Hawk.gif:older"}
        << 0 << QStringList{"43507 Old model file is removed!", "43506 Model is renamed in @" + plane + "Pictures/Hawk"}
        << QStringList{plane + "Racer.xml:-", plane + "Pictures/Racer.gif:-", plane + "Pictures/Hawk.gif:racer"}
        << QStringList{"Hawk", "", "1"};
    QTest::newRow("rename: to a name in use changes nothing and says nothing")
        << kRename << 0 << QStringList{"Hawk", "/Vorn/Model/Plane", ""}
        << QStringList{plane + "Racer.xml:m", plane + "Hawk.xml:h"} << kFailed << QStringList{}
        << QStringList{plane + "Racer.xml:m", plane + "Hawk.xml:h"} << racer;
    QTest::newRow("rename: in a folder whose name is UTF-8")
        << kRename << 0 << QStringList{"Hawk", "/Vorn/Model/Gl\u00e4ser", ""}
        << QStringList{"/Vorn/Model/Gl\u00e4ser/Racer.xml:m"} << 0
        << QStringList{"43507 Old model file is removed!",
                       "43506 Model is renamed in @/Vorn/Model/Gl\u00e4ser/Pictures/Hawk"}
        << QStringList{"/Vorn/Model/Gl\u00e4ser/Racer.xml:-"} << QStringList{"Hawk", "@/Vorn/Model/Gl\u00e4ser", "1"};
    QTest::newRow("rename: the folder of the loaded model")
        << kRename << 1 << QStringList{"New", "Mine", "Mine"} << QStringList{"/Vorn/Model/Mine/Racer.xml:m"} << 0
        << QStringList{"43507 Model folder renamed!", "43506 Model is renamed in New"}
        << QStringList{"/Vorn/Model/Mine/Racer.xml:-", "/Vorn/Model/New/Racer.xml:m"}
        << QStringList{"Racer", "@/Vorn/Model/New", "1"};
    QTest::newRow("rename: a folder to a name in use")
        << kRename << 1 << QStringList{"New", "Mine", ""}
        << QStringList{"/Vorn/Model/Mine/a.xml:1", "/Vorn/Model/New/b.xml:2"} << kFailed << QStringList{}
        << QStringList{"/Vorn/Model/Mine/a.xml:1", "/Vorn/Model/New/b.xml:2", "/Vorn/Model/New/a.xml:-"} << racer;
    QTest::newRow("rename: a type folder keeps its name")
        << kRename << 1 << QStringList{"Planes", "Plane", ""} << QStringList{plane + "Racer.xml:m"} << kFailed
        << QStringList{"23508 Model path outside the model area"} << QStringList{plane + "Racer.xml:m"} << racer;

    QTest::newRow("copy: beside the source, without pictures")
        << kCopy << 1 << QStringList{"Racer", "", ""}
        << QStringList{plane + "Racer.xml:<modelfile>\r\n\x01", plane + "Pictures/Racer.png:p"} << 0
        << QStringList{} << QStringList{plane + "Racer_cpy.xml:<modelfile>\r\n\x01", plane + "Pictures/Racer_cpy.png:-"}
        << racer;
    QTest::newRow("copy: beside a copy that exists")
        << kCopy << 1 << QStringList{"Racer", "", ""} << QStringList{plane + "Racer.xml:m", plane + "Racer_cpy.xml:c"}
        << kFailed << QStringList{"24004 "} << QStringList{plane + "Racer_cpy.xml:c", plane + "Racer_cpy_cpy.xml:-"}
        << racer;
    QTest::newRow("copy: into another folder")
        << kCopy << 0 << QStringList{"Racer", "/Vorn/Model/Mine", "/Vorn/Model/Plane"}
        << QStringList{plane + "Racer.xml:m", "/Vorn/Model/Mine/Other.xml:o"} << 0 << QStringList{}
        << QStringList{"/Vorn/Model/Mine/Racer.xml:m", plane + "Racer.xml:m"} << racer;
    QTest::newRow("copy: into a folder that holds the model")
        << kCopy << 0 << QStringList{"Racer", "/Vorn/Model/Mine", "/Vorn/Model/Plane"}
        << QStringList{plane + "Racer.xml:m", "/Vorn/Model/Mine/Racer.xml:o"} << kFailed << QStringList{"24004 "}
        << QStringList{"/Vorn/Model/Mine/Racer.xml:o", plane + "Racer.xml:m"} << racer;
    QTest::newRow("copy: into a folder that is not there")
        << kCopy << 0 << QStringList{"Racer", "/Vorn/Model/Nowhere", "/Vorn/Model/Plane"}
        << QStringList{plane + "Racer.xml:m"} << kFailed << QStringList{"24007 "}
        << QStringList{"/Vorn/Model/Nowhere/Racer.xml:-"} << racer;
    QTest::newRow("copy: from the folder of the type")
        << kCopy << 2 << QStringList{"Heli", "", ""} << QStringList{"/Vorn/Model/Helicopter/Heli.xml:h"} << 0
        << QStringList{} << QStringList{"/Vorn/Model/Helicopter/Heli_cpy.xml:h"} << racer;
    QTest::newRow("copy: out of the model area")
        << kCopy << 1 << QStringList{"Racer", "/Vorn/System", ""} << QStringList{plane + "Racer.xml:m"} << kFailed
        << QStringList{"24009 Model path outside the model area"} << QStringList{"/Vorn/System/Racer.xml:-"} << racer;
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
    Card card;
    QVERIFY(LayFiles(card.Root(), before));
    VornErrorWatch errors;
    errors.Expect({0x23007, 0x2300A, 0x23508, 0x24004, 0x24007, 0x24009});
    QCOMPARE(card.Run(task, para1, texts), result);
    QCOMPARE(ReportLines(errors.TakeReports(), card.Root()), reports);
    QCOMPARE(FilesNow(card.Root(), after), after);
    QCOMPARE(card.Model(), QStringList(model).replaceInStrings("@", card.Root()));
    // The saver may write again; a model renamed is written under its new name.
    QVERIFY(card.fx.db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet));
    const bool renamed = task == kRename && result == 0 && !(para1 == 1 && texts[2].isEmpty());
    QCOMPARE(card.fx.db.KLX_DataBaseManagerGetModelModifyFlag(), renamed);
    QCOMPARE(card.fx.db.KLX_DataBaseManagerGetVornModifyFlag(), renamed);
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
