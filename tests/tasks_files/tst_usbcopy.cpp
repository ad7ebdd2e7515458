// Files between the SD card and a USB stick as a screen asks for them: the
// request through "Command", the task's questions answered by the test as
// the user would, the screen's states through guiInformer, and the files on
// the card and the stick (a folder under the root, mounted or not) after.
// Every thread runs on the test clock.
#include <memory>

#include "frame/klx_copyerrors.h"
#include "tasks/tasks_fixture.h"
#include "tasks_files/tasks_files_fixture.h"
#include "vorn_filetree.h"
#include "vorn_fullmedium.h"

namespace {
using VT = KLX_VornTask;
constexpr int kWorking = VT::GUI_TASK_RESULT_Working;
constexpr int kDone = VT::GUI_TASK_RESULT_Done;
constexpr int kError = VT::GUI_TASK_RESULT_Error;
constexpr int kTrigger = VT::GUI_TASK_RESULT_Trigger;
constexpr int kNone = VT::KLX_TASK_PARA_NONE;
constexpr int kToUsb = VT::KLX_TASK_PARA_COPY_MOD_TO_USB;
constexpr int kSingle = VT::KLX_TASK_PARA_COPYDEL_SINGLE;
constexpr int kYes = VT::GUI_USER_Yes;
constexpr int kNo = VT::GUI_USER_No;
constexpr int kCancel = VT::GUI_USER_Cancel;
const QString kStick = "/media/usb0";
const QString kExists = "The file already exists in the target folder, overwrite?";
constexpr unsigned kNoRoom = 0x2460E;

// The copy task's request as a screen makes it.
struct Request {
  int para1 = kToUsb;
  int para2 = kSingle;
  int action = 0;
  int para4 = kNone;
  QStringList texts;  // text 1, 2, 3
};

struct Usb {
  TaskRig r{true};
  InformerLog log{&r.link.gui};
  CSimBoard board{r.link.root.Path(), CSimBoard::Vorn};

  bool Start(bool stick) {
    if (!r.Start()) return false;
    // The settings files on the card change only when the test says.
    r.Db().KLX_DatabaseManagerXMLFileSaverPtr()->KLX_XMLFileSaverStop();
    r.ToNormalMode();
    // The loaded model: Racer in the plane folder.
    r.Db().KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Racer", AtomicDirSet, false);
    r.Db().KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(1, AtomicDirSet, false);
    r.StartProcessing();
    return board.SetUsbStickInserted(0, stick);
  }
  QString Root() const { return r.link.root.Path(); }
  KLX_RuntimeDatabaseManager& Runtime() { return r.link.runtime; }
  bool Ask(const Request& q) {
    return r.link.gui.KLX_GuiCommandHandlerDoTask(VT::KLX_TASK_COPY_MOD_EXTERNAL, q.para1, q.para2, q.action, q.para4,
                                                  kNone, kNone, q.texts.value(0), q.texts.value(1),
                                                  q.texts.value(2)) == KLX_Ok;
  }
  // Lets the threads pass until the screen hears an end or a question.
  bool RunToAnswerOrEnd() {
    const int heard = log.states.size();
    for (int pass = 0; pass < 200; ++pass) {
      QCoreApplication::processEvents();
      for (int i = heard; i < log.states.size(); ++i) {
        const int s = log.states[i];
        if (s == kDone || s == kError || s == kTrigger || s <= KLX_Error) return true;
      }
      if (!r.Run(KLX_GUICommander::kBusyWaitMs)) return false;
    }
    return false;
  }
  QStringList Dialog() {
    return {Runtime().KLX_RuntimeDatabaseManagerGetSetDialogText(QString(), AtomicDirGet),
            Runtime().KLX_RuntimeDatabaseManagerGetSetDialogParameter(QString(), AtomicDirGet).replace(Root(), "@")};
  }
};
}  // namespace

Q_DECLARE_METATYPE(Request)

class UsbCopyTest : public QObject {
  Q_OBJECT

 private slots:
  void filesAndFolders_data() {
    QTest::addColumn<bool>("stick");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<Request>("request");
    QTest::addColumn<QList<int>>("answers");  // in turn; 0 pulls the stick first, then says Yes
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<QStringList>("dialog");
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<QStringList>("after");

    const QString plane = "/Vorn/Model/Plane/";
    const QString onStick = kStick + plane;
    const Request model{kToUsb, kSingle, 0, kNone, {"Racer.xml", "/Vorn/Model/Plane", ""}};
    const QStringList none;
    QTest::newRow("a model file to the stick, byte for byte")
        << true << QStringList{plane + "Racer.xml:<model>\r\n\x01"} << model << QList<int>{}
        << QList<int>{kWorking, kDone} << QStringList{"", ""} << none
        << QStringList{onStick + "Racer.xml:<model>\r\n\x01", plane + "Racer.xml:<model>\r\n\x01"};
    const QStringList both{plane + "Racer.xml:new", onStick + "Racer.xml:old"};
    const QStringList asked{kExists, "@" + onStick + "Racer.xml"};
    QTest::newRow("a file on the stick: Yes replaces it")
        << true << both << model << QList<int>{kYes} << QList<int>{kWorking, kTrigger, kWorking, kDone} << asked << none
        << QStringList{onStick + "Racer.xml:new"};
    QTest::newRow("a file on the stick: Cancel keeps it")
        << true << both << model << QList<int>{kCancel}
        << QList<int>{kWorking, kTrigger, kWorking, int(Cancelled_By_User)} << asked << none
        << QStringList{onStick + "Racer.xml:old"};
    QTest::newRow("a file on the stick: No skips it, asked once")
        << true << both << model << QList<int>{kNo} << QList<int>{kWorking, kTrigger, kWorking, kDone} << asked << none
        << QStringList{onStick + "Racer.xml:old"};
    QTest::newRow("no stick") << false << QStringList{plane + "Racer.xml:new"} << model << QList<int>{}
                              << QList<int>{kWorking, kError} << QStringList{"", ""}
                              << QStringList{"24605 No USB stick plugged"} << QStringList{onStick + "Racer.xml:-"};
    QTest::newRow("the stick pulled before the answer")
        << true << both << model << QList<int>{0} << QList<int>{kWorking, kTrigger, kWorking, kError} << asked
        << QStringList{"24605 No USB stick plugged"} << QStringList{plane + "Racer.xml:new", onStick + "Racer.xml:old"};
    QTest::newRow("never over the loaded model's own file")
        << false << QStringList{plane + "Racer.xml:loaded", "/Vorn/Model/Mine/Racer.xml:other"}
        << Request{kToUsb, kSingle, 0, kNone, {"Racer.xml", "/Vorn/Model/Mine", "/Vorn/Model/Plane"}}
        << QList<int>{kYes} << QList<int>{kWorking, kTrigger, kWorking, int(ActiveModelCannotBeModified)}
        << QStringList{kExists, "@" + plane + "Racer.xml"} << none << QStringList{plane + "Racer.xml:loaded"};

    const Request shot{kToUsb, kSingle, 1, kNone, {"shot.png", "/Vorn/Screenshots", ""}};
    QTest::newRow("a screenshot deleted, no stick needed")
        << false << QStringList{"/Vorn/Screenshots/shot.png:x", "/Vorn/Screenshots/other.png:y"} << shot
        << QList<int>{} << QList<int>{kWorking, kDone} << QStringList{"", ""} << none
        << QStringList{"/Vorn/Screenshots/shot.png:-", "/Vorn/Screenshots/other.png:y"};
    QTest::newRow("a screenshot already gone") << false << QStringList{} << shot << QList<int>{}
                                               << QList<int>{kWorking, kDone}
                                               << QStringList{"The following file was already deleted!",
                                                              "@/Vorn/Screenshots/shot.png"}
                                               << none << QStringList{};

    // What the program keeps: the loaded model's file, the folder holding
    // it and the two settings files are never deleted.
    const QStringList kept{plane + "Racer.xml:m", "/Vorn/System/System.xml:s", "/Vorn/Vornstate/Vornstate.xml:v"};
    const QString keptText = "2460b The loaded model and the settings files cannot be deleted";
    const QList<int> refused{kWorking, int(ActiveModelCannotBeModified)};
    QTest::newRow("the loaded model's file stays")
        << false << kept << Request{kToUsb, kSingle, 1, kNone, {"Racer.xml", "/Vorn/Model/Plane", ""}} << QList<int>{}
        << refused << QStringList{"", ""} << QStringList{keptText} << kept;
    // On the card's vfat the two names are one file.
    const QStringList lower = QStringList(kept) << plane + "racer.xml:m";
    QTest::newRow("the loaded model's file stays, named in other letters")
        << false << lower << Request{kToUsb, kSingle, 1, kNone, {"racer.xml", "/Vorn/Model/Plane", ""}}
        << QList<int>{} << refused << QStringList{"", ""} << QStringList{keptText} << lower;
    QTest::newRow("System.xml stays")
        << false << kept << Request{kToUsb, kSingle, 1, kNone, {"System.xml", "/Vorn/System", ""}} << QList<int>{}
        << refused << QStringList{"", ""} << QStringList{keptText} << kept;
    QTest::newRow("Vornstate.xml stays")
        << false << kept << Request{kToUsb, kSingle, 1, kNone, {"Vornstate.xml", "/Vorn/Vornstate", ""}}
        << QList<int>{} << refused << QStringList{"", ""} << QStringList{keptText} << kept;
    const QStringList loadedMine{"/Vorn/Model/Mine/Racer.xml:m"};
    QTest::newRow("the folder of the loaded model stays")
        << false << loadedMine << Request{kToUsb, kSingle, 127, 1, {"Mine", "/Vorn/Model/Mine", ""}} << QList<int>{}
        << refused << QStringList{"", ""} << QStringList{keptText} << loadedMine;

    const QStringList mine{"/Vorn/Model/Mine/a.xml:a"};
    QTest::newRow("a folder with models, only when empty")
        << false << mine << Request{kToUsb, kSingle, 127, 0, {"Mine", "/Vorn/Model/Mine", ""}} << QList<int>{}
        << QList<int>{kWorking, int(CannotDeleteNonEmptyFolder)} << QStringList{"", ""}
        << QStringList{"24609 Cannot delete folder!"} << mine;
    QTest::newRow("a folder with models, asked for with its content")
        << false << mine << Request{kToUsb, kSingle, 127, 1, {"Mine", "/Vorn/Model/Mine", ""}} << QList<int>{}
        << QList<int>{kWorking, kDone} << QStringList{"", ""} << none << QStringList{"/Vorn/Model/Mine/a.xml:-"};
    QTest::newRow("a dated log folder goes with its content")
        << false << QStringList{"/Vorn/Log/2024_05_07/a.log:1"}
        << Request{kToUsb, kSingle, 127, 0, {"2024_05_07", "/Vorn/Log/2024_05_07", ""}} << QList<int>{}
        << QList<int>{kWorking, kDone} << QStringList{"", ""} << none << QStringList{"/Vorn/Log/2024_05_07/a.log:-"};
    QTest::newRow("the model area stays")
        << false << mine << Request{kToUsb, kSingle, 127, 1, {"Model", "/Vorn/Model", ""}} << QList<int>{}
        << QList<int>{kWorking, kError} << QStringList{"", ""}
        << QStringList{"2460f Path outside the allowed folders"} << mine;

    const QStringList logs{"/Vorn/Log/2024_05_07/a.log:1", "/Vorn/Log/2024_05_07/b.log:2",
                           "/Vorn/Log/2024_05_07/c.txt:3"};
    const Request copyLogs{kToUsb, kSingle, 128, kNone, {"2024_05_07", "/Vorn/Log/2024_05_07", kStick}};
    QTest::newRow("the log files of a folder to the stick")
        << true << logs << copyLogs << QList<int>{} << QList<int>{kWorking, kDone} << QStringList{"", ""} << none
        << QStringList{kStick + "/2024_05_07/a.log:1", kStick + "/2024_05_07/b.log:2", kStick + "/2024_05_07/c.txt:-"};
    QTest::newRow("the log files into a folder there: Yes adds and replaces")
        << true << QStringList(logs) + QStringList{kStick + "/2024_05_07/a.log:old", kStick + "/2024_05_07/z.log:z"}
        << copyLogs << QList<int>{kYes} << QList<int>{kWorking, kTrigger, kWorking, kDone}
        << QStringList{"Add and replace files in destination folder:", "@" + kStick + "/2024_05_07"} << none
        << QStringList{kStick + "/2024_05_07/a.log:1", kStick + "/2024_05_07/b.log:2", kStick + "/2024_05_07/z.log:z"};
  }
  void filesAndFolders() {
    QFETCH(bool, stick);
    QFETCH(QStringList, before);
    QFETCH(Request, request);
    QFETCH(QList<int>, answers);
    QFETCH(QList<int>, states);
    QFETCH(QStringList, dialog);
    QFETCH(QStringList, reports);
    QFETCH(QStringList, after);
    Usb u;
    QVERIFY(u.Start(stick));
    // The loaded model lies in the folder of the user's in that row.
    if (QTest::currentDataTag() == QLatin1String("the folder of the loaded model stays"))
      u.r.Db().KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(u.Root() + "/Vorn/Model/Mine", AtomicDirSet,
                                                                         false);
    QVERIFY(LayFiles(u.Root(), before));
    VornErrorWatch errors;
    errors.Expect({KLX_CopyError::kDataNoStick, KLX_CopyError::kDataDelete, KLX_CopyError::kDataPath,
                   KLX_CopyError::kDataKept});
    QVERIFY(u.Ask(request));
    QVERIFY(u.RunToAnswerOrEnd());
    for (int answer : answers) {
      QCOMPARE(u.log.Changes().last(), kTrigger);
      if (answer == 0) QVERIFY(u.board.SetUsbStickInserted(0, false));
      QCOMPARE(u.r.link.gui.KLX_GuiCommandHandlerUserDialogInput(answer ? answer : kYes), int(KLX_Ok));
      QVERIFY(u.RunToAnswerOrEnd());
    }
    QCOMPARE(u.log.Changes(), states);
    QCOMPARE(u.Dialog(), dialog);
    QCOMPARE(ReportLines(errors.TakeReports(), u.Root()), reports);
    QCOMPARE(FilesNow(u.Root(), after), after);
    QTRY_COMPARE(u.r.Vorn().KLX_VornHandlerGetState(), int(KLX_VornStateMachine::KLX_VORN_STATE_IDLE));
  }

  // A file larger than one part goes over in several steps, each its own
  // follow-up; the copy on the stick is the same to the byte.
  void aLargeFileInParts() {
    Usb u;
    QVERIFY(u.Start(true));
    QByteArray content(700 * 1024, '\0');
    for (int i = 0; i < content.size(); ++i) content[i] = char((unsigned(i) * 7919u) >> 5);
    QVERIFY(QDir().mkpath(u.Root() + "/Vorn/Log"));
    QFile f(u.Root() + "/Vorn/Log/big.log");
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
    f.close();
    QVERIFY(u.Ask(Request{kToUsb, kSingle, 0, kNone, {"big.log", "/Vorn/Log", ""}}));
    QVERIFY(u.RunToAnswerOrEnd());
    QCOMPARE(u.log.Changes(), (QList<int>{kWorking, kDone}));
    QCOMPARE(ReadAll(u.Root() + kStick + "/Vorn/Log/big.log"), content);
  }

  // A stick without room for the copy, from its first byte or half-way
  // through a file of several parts: the screen names the target without
  // room, and the stick holds what it held, not even the folders the copy
  // made for the file.
  void aFullStick_data() {
    QTest::addColumn<Request>("request");
    QTest::addColumn<int>("bytes");  // the file's size
    QTest::addColumn<qint64>("room");
    QTest::newRow("a model file, nothing fits")
        << Request{kToUsb, kSingle, 0, kNone, {"Racer.xml", "/Vorn/Model/Plane", ""}} << 56 * 1024 << qint64(0);
    QTest::newRow("a large file, the stick fills after its first part")
        << Request{kToUsb, kSingle, 0, kNone, {"big.log", "/Vorn/Log", ""}} << 700 * 1024 << qint64(300 * 1024);
    QTest::newRow("the log files of a folder")
        << Request{kToUsb, kSingle, 128, kNone, {"2024_05_07", "/Vorn/Log/2024_05_07", kStick}} << 1000
        << qint64(100);
  }
  void aFullStick() {
    QFETCH(Request, request);
    QFETCH(int, bytes);
    QFETCH(qint64, room);
    Usb u;
    QVERIFY(u.Start(true));
    const QString name = request.action == 0 ? request.texts[0] : QStringLiteral("a.log");
    QVERIFY(LayFiles(u.Root(), {request.texts[1] + "/" + name + ":" + QString(bytes, QLatin1Char('x'))}));
    const QStringList stick = VornFileTree(u.Root() + kStick);
    VornErrorWatch errors;
    errors.Expect(kNoRoom);
    {
      VornFullMedium full(room, ENOSPC, name);
      QVERIFY(u.Ask(request));
      QVERIFY(u.RunToAnswerOrEnd());
    }
    QCOMPARE(u.log.Changes(), (QList<int>{kWorking, kError}));
    const QString target = request.action == 0 ? kStick + request.texts[1] : kStick + "/" + request.texts[0];
    QCOMPARE(ReportLines(errors.TakeReports(), u.Root()),
             QStringList{"2460e not enough space on medium: @" + target});
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetErrorText(),
             QString::fromUtf8("Not enough memory on the target \u2013 cannot copy!"));
    QCOMPARE(VornFileTree(u.Root() + kStick), stick);
    QTRY_COMPARE_WITH_TIMEOUT(u.r.Vorn().KLX_VornHandlerGetState(), int(KLX_VornStateMachine::KLX_VORN_STATE_IDLE),
                              3000);
  }

  // Every end of a copy or delete that fails tells the screen what failed,
  // in words of its own; none ends as a bare error with no text to show.
  void aFailedEndSaysWhatFailed_data() {
    QTest::addColumn<QStringList>("before");  // a size after "#": a file of that many bytes, holes only
    QTest::addColumn<Request>("request");
    QTest::addColumn<bool>("failingStick");  // the stick fails to write the copy
    QTest::addColumn<unsigned>("code");
    QTest::addColumn<QString>("shown");
    const QString plane = "/Vorn/Model/Plane/";
    const QString dated = "/Vorn/Log/2024_05_07";
    QTest::newRow("a model file the stick fails to write")
        << QStringList{plane + "Racer.xml:" + QString(3000, QLatin1Char('m'))}
        << Request{kToUsb, kSingle, 0, kNone, {"Racer.xml", "/Vorn/Model/Plane", ""}} << true
        << KLX_CopyError::kDataCopyFailed << QString::fromUtf8("Reading or writing failed \u2013 cannot copy!");
    QTest::newRow("log files of more than 5 GB")
        << QStringList{dated + "/a.log#5000000001"}
        << Request{kToUsb, kSingle, 128, kNone, {"2024_05_07", dated, kStick}} << false
        << KLX_CopyError::kDataTooLarge << QString::fromUtf8("More than 5 GB \u2013 cannot copy!");
    QTest::newRow("log files into a folder that cannot be made")
        << QStringList{dated + "/a.log:1", kStick + "/blocked:x"}
        << Request{kToUsb, kSingle, 128, kNone, {"2024_05_07", dated, kStick + "/blocked"}} << false
        << KLX_CopyError::kDataNoDestination << "No destination folder!";
    QTest::newRow("a new folder where a file lies")
        << QStringList{"/Vorn/Model/Blocked:x"}
        << Request{VT::KLX_TASK_PARA_NEW_FOLDER, kNone, 0, kNone, {"", "", "/Vorn/Model/Blocked"}} << false
        << KLX_CopyError::kDataNewFolder << "The new folder could not be created!";
    QTest::newRow("a folder to delete below a file")
        << QStringList{"/Vorn/Model/Blocked:x"}
        << Request{kToUsb, kSingle, 127, 1, {"Sub", "/Vorn/Model/Blocked/Sub", ""}} << false
        << KLX_CopyError::kDataNoSource << "No source folder!";
    QTest::newRow("a path outside the allowed folders")
        << QStringList{"/Vorn/Model/Mine/a.xml:a"} << Request{kToUsb, kSingle, 127, 1, {"Model", "/Vorn/Model", ""}}
        << false << KLX_CopyError::kDataPath << "Path outside the allowed folders!";
    QTest::newRow("an action the task does not do")
        << QStringList{plane + "Racer.xml:m"} << Request{kToUsb, kSingle, 5, kNone, {"Racer.xml", "/Vorn/Model/Plane", ""}}
        << false << KLX_CopyError::kDataRequest
        << QString::fromUtf8("Unknown copy or delete request \u2013 nothing was done!");
  }
  void aFailedEndSaysWhatFailed() {
    QFETCH(QStringList, before);
    QFETCH(Request, request);
    QFETCH(bool, failingStick);
    QFETCH(unsigned, code);
    QFETCH(QString, shown);
    Usb u;
    QVERIFY(u.Start(true));
    QStringList laid;
    for (const QString& entry : qAsConst(before)) {
      if (!entry.contains('#')) {
        laid << entry;
        continue;
      }
      const QString path = u.Root() + entry.section('#', 0, 0);
      QVERIFY(QDir().mkpath(QFileInfo(path).path()));
      QFile holes(path);
      QVERIFY(holes.open(QIODevice::WriteOnly) && holes.resize(entry.section('#', 1).toLongLong()));
    }
    QVERIFY(LayFiles(u.Root(), laid));
    const QStringList stick = VornFileTree(u.Root() + kStick);
    VornErrorWatch errors;
    errors.Expect(code);
    {
      std::unique_ptr<VornFullMedium> failing;
      if (failingStick) failing.reset(new VornFullMedium(0, EIO, request.texts[0]));
      QVERIFY(u.Ask(request));
      QVERIFY(u.RunToAnswerOrEnd());
    }
    QCOMPARE(u.log.Changes(), (QList<int>{kWorking, kError}));
    QCOMPARE(errors.TakeCodes(), QList<unsigned>{code});
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetErrorText(), shown);
    QCOMPARE(VornFileTree(u.Root() + kStick), stick);
    QTRY_COMPARE(u.r.Vorn().KLX_VornHandlerGetState(), int(KLX_VornStateMachine::KLX_VORN_STATE_IDLE));
  }

  // With NewFolder and NewFolder1 in place the next is NewFolder2, with its
  // picture folder, and the screen reads its name.
  void aNewModelFolder() {
    Usb u;
    QVERIFY(u.Start(false));
    QVERIFY(LayFiles(u.Root(), {"/Vorn/Model/NewFolder/a.xml:a", "/Vorn/Model/NewFolder1/b.xml:b"}));
    QVERIFY(u.Ask(Request{VT::KLX_TASK_PARA_NEW_FOLDER, kNone, 0, kNone, {"", "", "/Vorn/Model"}}));
    QVERIFY(u.RunToAnswerOrEnd());
    QCOMPARE(u.log.Changes(), (QList<int>{kWorking, kDone}));
    QVERIFY(QFileInfo(u.Root() + "/Vorn/Model/NewFolder2/Pictures").isDir());
    QCOMPARE(u.Runtime().KLX_RuntimeDatabaseGetNameOfLastCreatedFolder(), QStringLiteral("NewFolder2"));
  }

  // The system information on the stick: the two settings files copied over
  // older ones, the file systems and the installed voices with the digest of
  // each one's check file, at most 500 of them.
  void systemInformation_data() {
    QTest::addColumn<int>("voices");
    QTest::addColumn<QByteArray>("list");  // the voice list, or its end
    QTest::newRow("two voices, one without its check file")
        << 2
        << QByteArray("001: /Vorn/Sound/Voices/voice000/VOICEDATAMD5.txt\t\t900150983cd24fb0d6963f7d28e17f72\r\n"
                      "002: /Vorn/Sound/Voices/voice001/VOICEDATAMD5.txt\t\tfile not found!\r\n"
                      "\r\nTotally 2 voices found");
    QTest::newRow("600 voices")
        << 600
        << QByteArray("500: /Vorn/Sound/Voices/voice499/VOICEDATAMD5.txt\t\tfile not found!\r\n"
                      "Exceeded more than 500 voices, loop terminated\r\nTotally 600 voices found");
  }
  void systemInformation() {
    QFETCH(int, voices);
    QFETCH(QByteArray, list);
    Usb u;
    QVERIFY(u.Start(true));
    const QString system = kStick + "/Vorn/System/";
    QVERIFY(LayFiles(u.Root(), {"/Vorn/System/System.xml:<systemfile/>", "/Vorn/Vornstate/Vornstate.xml:<vornstate/>",
                                "/Vorn/Sound/Voices/voice000/VOICEDATAMD5.txt:abc", system + "System.xml:older",
                                system + "Filesysstat.txt:older report", system + "Voicesdata.txt:older list"}));
    for (int v = 1; v < voices; ++v)
      QVERIFY(QDir().mkpath(u.Root() + QStringLiteral("/Vorn/Sound/Voices/voice%1").arg(v, 3, 10, QLatin1Char('0'))));
    VornErrorWatch errors;
    QVERIFY(u.Ask(Request{VT::KLX_TASK_PARA_COPY_SYS_DATA_USB, kNone, 0, kNone, {}}));
    QVERIFY(u.RunToAnswerOrEnd());
    QCOMPARE(u.log.Changes(), (QList<int>{kWorking, kDone}));
    QCOMPARE(FilesNow(u.Root(), {system + "System.xml:", kStick + "/Vorn/Vornstate/Vornstate.xml:"}),
             (QStringList{system + "System.xml:<systemfile/>", kStick + "/Vorn/Vornstate/Vornstate.xml:<vornstate/>"}));
    const QByteArray written = ReadAll(u.Root() + system + "Voicesdata.txt");
    QVERIFY2(written.endsWith(list), written.right(300).constData());
    QCOMPARE(written.count("\r\n"), qMin(voices, 500) + 1);
    // What df lists replaces the older report; mount is the board's to run.
    const QByteArray report = ReadAll(u.Root() + system + "Filesysstat.txt");
    QVERIFY2(report.contains('%') && !report.contains("older"), report.constData());
    QVERIFY(u.board.RecordedCommands().contains("mount"));
    QCOMPARE(u.Dialog(), (QStringList{"", ""}));
  }

  // A settings file the card does not hold (no "Vornstate.xml" before the
  // first switch-off, no "System.xml" before the first save): the rest is
  // exported, the stick's system folder with it, and the screen hears what
  // is missing.
  void systemInformationWithAFileMissing_data() {
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("present");
    QTest::newRow("state file") << "/Vorn/Vornstate/Vornstate.xml" << "/Vorn/System/System.xml";
    QTest::newRow("settings file") << "/Vorn/System/System.xml" << "/Vorn/Vornstate/Vornstate.xml";
  }
  void systemInformationWithAFileMissing() {
    QFETCH(QString, missing);
    QFETCH(QString, present);
    Usb u;
    QVERIFY(u.Start(true));
    QFile::remove(u.Root() + missing);
    QVERIFY(!QFileInfo::exists(u.Root() + missing));
    QVERIFY(LayFiles(u.Root(), {present + ":<present/>", "/Vorn/Sound/Voices/voice000/VOICEDATAMD5.txt:abc"}));
    VornErrorWatch errors;
    QVERIFY(u.Ask(Request{VT::KLX_TASK_PARA_COPY_SYS_DATA_USB, kNone, 0, kNone, {}}));
    QVERIFY(u.RunToAnswerOrEnd());
    QCOMPARE(u.log.Changes(), (QList<int>{kWorking, kDone}));
    QCOMPARE(FilesNow(u.Root(), {kStick + present + ":", kStick + missing + ":"}),
             (QStringList{kStick + present + ":<present/>", kStick + missing + ":-"}));
    const QString system = u.Root() + kStick + "/Vorn/System/";
    QVERIFY(ReadAll(system + "Filesysstat.txt").contains('%'));
    QVERIFY(ReadAll(system + "Voicesdata.txt").endsWith("\r\nTotally 1 voices found"));
    QCOMPARE(u.Dialog(), (QStringList{"Not on the card:", missing}));
    QCOMPARE(errors.TakeCodes(), QList<unsigned>{0x4460C});
  }
};

QTEST_GUILESS_MAIN(UsbCopyTest)
#include "tst_usbcopy.moc"
