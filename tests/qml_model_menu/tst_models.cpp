// The model menu on the real facade, the model tasks and the simulated
// controllers: a second model chosen and loaded into the transceiver, a new
// model made and built with the assistant, copy, rename and delete of a model
// that is not current, the refusals with the texts the user reads, and a
// good model chosen after a failed load that the next start loads. Every
// state of the screen on both boards in screenshots.
#include <QImage>
#include <QPainter>

#include "qml_frame/qml_frame_fixture.h"
#include "frame/klx_xmlfilehandler.h"
#include "model/klx_modelruntime.h"
#include "timers/klx_timer.h"
#include "timers/klx_timersalarms.h"
#include "sim/csimmessageids.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kFolder = QStringLiteral("qrc:/Frontend/QML/");
const QString kTypeChoose = kFolder + "ModelTypeChoose.qml";
const QString kFunctions = kFolder + "4_0.qml";
constexpr unsigned kActiveModel = 0x23007;    // the delete task: the model is the current one
constexpr unsigned kCopyExists = 0x24004;     // the copy task: the target file is there
// A load and a new model stop and start the engine and timers (warnings of their own).
constexpr unsigned kRuntimeStarted = 0x33901;
constexpr unsigned kRuntimeStopped = 0x33902;
const QString kBadName = QStringLiteral("This name cannot be used.\nA name must not contain / \\ : * ? \" < > | or \"..\".");
const QString kTaken = QStringLiteral("This name is already being used");

QString Card(QmlFrame& f) { return f.Board().Root() + "/Vorn"; }
QString ModelFile(QmlFrame& f, const QString& folder, const QString& name) {
  return Card(f) + "/Model/" + folder + "/" + name + ".xml";
}
QString Text(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
// Every file below the model area, relative to it, but the saver's backups.
QStringList ModelArea(QmlFrame& f) {
  QStringList files;
  const QString top = Card(f) + "/Model/";
  QDirIterator it(top, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString file = it.next().mid(top.size());
    if (!file.contains("/Backup/")) files << file;
  }
  files.sort();
  return files;
}

// Model files written by the program's own writer while no model is held:
// `functions` functions in use (named after the model) and one servo.
class ModelFiles {
 public:
  explicit ModelFiles(QmlFrame& f) : m_Frame(f), m_Files(QStringLiteral("ModelMenuTest")) {
    m_Files.KLX_XMLFileHandlerInitialize(&f.Db());
  }
  bool Save(const QString& name, int type, int functions = 1, const QString& folder = QString()) {
    KLX_DataBaseManager& db = m_Frame.Db();
    for (int i = 0; i < functions; ++i) {
      db.KLX_DataBaseManagerFunctionGetSet_IsUsed(i, 1, AtomicDirSet, false);
      db.KLX_DataBaseManagerFunctionGetSet_Name(i, QStringLiteral("%1 %2").arg(name.left(8)).arg(i), AtomicDirSet, false);
    }
    db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(0, 1, AtomicDirSet, false);
    const bool saved = m_Files.KLX_XMLFileHandlerWriteModelFile(name + ".xml", name, type, folder) == KLX_Ok;
    db.KLX_DataBaseManagerResetAllModelData();
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    return saved;
  }

 private:
  QmlFrame& m_Frame;
  KLX_XMLFileHandler m_Files;
};

// ---- the screen as a user drives it ----
// Up at the home screen; loads may stop and start the runtime processing,
// and once a loaded model's sensors are captured the telemetry log starts
// (its writer processing and stopped, its sensor table written).
bool StartAtHome(QmlFrame& f) {
  f.Errors().Expect({kRuntimeStarted, kRuntimeStopped, 0x32204, 0x32205, 0x42202});
  return f.StartAtHome();
}
bool Tap(QmlFrame& f, const QString& name) {
  f.Settle();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return f.Tap(name);
}
bool OpenMenu(QmlFrame& f) {
  if (f.Shown() == kModelMenu) f.Call("", "openScreen", {kHome, QVariant()});
  f.Call("", "openScreen", {kModelMenu, QVariant()});
  return f.WaitShown(kModelMenu);
}
int IndexOf(QmlFrame& f, const char* list, const QString& name) {
  const QVariantList entries = f.Property("modelMenu", list).toList();
  for (int i = 0; i < entries.size(); ++i)
    if (entries[i].toMap().value("name").toString() == name) return i;
  return -1;
}
QStringList Names(QmlFrame& f) {
  QStringList names;
  for (const QVariant& m : f.Property("modelMenu", "models").toList()) names << m.toMap().value("name").toString();
  return names;
}
// A row of a list moved into view, as a finger would.
void ScrollTo(QmlFrame& f, const QString& list, int row) {
  constexpr int kContain = 4;  // ListView.Contain
  QMetaObject::invokeMethod(f.Named(list), "positionViewAtIndex", Q_ARG(int, row), Q_ARG(int, kContain));
  f.Settle();
}
bool ShowFolder(QmlFrame& f, const QString& folder) {
  const int at = IndexOf(f, "folders", folder);
  if (at < 0) return false;
  ScrollTo(f, "folderList", at);
  return Tap(f, QStringLiteral("folder_%1").arg(at)) && f.Property("modelMenu", "folderIndex").toInt() == at;
}
bool Choose(QmlFrame& f, const QString& folder, const QString& model) {
  if (!ShowFolder(f, folder)) return false;
  const int at = IndexOf(f, "models", model);
  if (at < 0) return false;
  ScrollTo(f, "modelList", at);
  return Tap(f, QStringLiteral("model_%1").arg(at)) && f.Property("modelMenu", "selected").toInt() == at;
}
// The name keys: the text as typed, then OK.
bool Type(QmlFrame& f, const QString& text) {
  // The screen may go with its keys once the name is taken.
  QPointer<QQuickItem> keys = f.Item("modelKeyboard");
  if (!keys || !keys->property("extended").toBool()) return false;
  keys->setProperty("preLoadText", text);
  // The keys slide up first.
  QQuickItem* ok = f.Item("key_ok");
  if (!ok || !QTest::qWaitFor([&] { return f.Centre(ok).y() < f.Window()->height(); }, kVornHangMs)) return false;
  // And away again before the screen is touched.
  return Tap(f, "key_ok") && QTest::qWaitFor([&] { return !keys || !keys->isVisible(); }, kVornHangMs);
}
bool Answer(QmlFrame& f, const QString& question) {
  if (!QTest::qWaitFor([&] { return f.PopupText() == question; }, kVornHangMs)) {
    qWarning() << "pop-up:" << f.PopupText();
    return false;
  }
  return f.TapInPopup("popupButton_0");
}
bool Idle(QmlFrame& f) {
  return QTest::qWaitFor([&] { return !f.Property("modelMenu", "busy").toBool(); }, kVornHangMs);
}
// A model of a folder copied to a folder through the chooser and the question.
bool Copy(QmlFrame& f, const QString& from, const QString& model, const QString& to, const QString& copyName) {
  return Choose(f, from, model) && Tap(f, "modelCopy") &&
         Tap(f, QString("choose_0_%1").arg(IndexOf(f, "folders", to))) &&
         Answer(f, QString("The model is copied as: %1\nFolder: %2\nProceed?").arg(copyName, to)) && Idle(f);
}

// The start-up chain after a load has ended: binding configuration and
// telemetry capture done, and every binding state request answered (a late
// answer would reach the next task).
bool ChainIdle(QmlFrame& f) {
  CSimControllers& sim = f.Controllers();
  return QTest::qWaitFor(
      [&] {
        return f.Db().KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet) == KLX_VornTask::KLX_PHASE_SYSTEM_UP &&
               f.System().VornHandler().KLX_VornHandlerGetState() == KLX_VornStateMachine::KLX_VORN_STATE_IDLE &&
               sim.Sent(CSimControllers::Transceiver, SimTransceiverBindConfig) >=
                   sim.Received(SimBindStateRequest) + sim.Received(SimBindNewRequest);
      },
      kVornHangMs);
}
// Chosen in the menu and loaded: the home screen shows it once both sides hold it.
bool LoadFromMenu(QmlFrame& f, const QString& folder, const QString& model) {
  if (!OpenMenu(f) || !Choose(f, folder, model) || !Tap(f, "modelLoad")) return false;
  return f.WaitShown(kHome) && ChainIdle(f);
}
bool BothHold(QmlFrame& f, const QString& model) {
  const unsigned crc = f.Db().KLX_DataBaseManagerCalculateModelCRC(false);
  if (f.Db().KLX_DataBaseManagerVornPropertiesGetModelName() != model ||
      f.Db().KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet) != KLX_VornTask::KLX_MODELLLOAD_STATUS_READY ||
      f.Controllers().TransceiverController().HeldChecksum() != crc) {
    qWarning() << "current" << f.Db().KLX_DataBaseManagerVornPropertiesGetModelName() << "checksums"
               << f.Controllers().TransceiverController().HeldChecksum() << crc;
    return false;
  }
  return true;
}
// The state file after the saver's next pass names the model.
bool StateNames(QmlFrame& f, const QString& model) {
  f.Db().KLX_DataBaseManagerForceSavingXMLFiles(false);
  return QTest::qWaitFor(
      [&] { return Text(Card(f) + "/Vornstate/Vornstate.xml").contains("<Modelname>" + model + "</Modelname>"); }, kVornHangMs);
}

// A picture on the stick in USB port 0.
bool PictureOnStick(QmlFrame& f, const QString& name) {
  if (!f.Board().SetUsbStickInserted(0, true)) return false;
  QImage image(160, 100, QImage::Format_RGB32);
  image.fill(QColor("#87b8e8"));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor("#d04020"));
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygon({{10, 52}, {150, 46}, {150, 56}}));
  p.drawPolygon(QPolygon({{60, 50}, {90, 10}, {100, 10}, {84, 52}}));
  p.drawPolygon(QPolygon({{130, 50}, {146, 30}, {152, 30}, {146, 52}}));
  p.end();
  return image.save(f.Board().Root() + "/media/usb0/" + name, "PNG");
}
}  // namespace

class TestModelMenu : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;
  std::unique_ptr<QmlFrame> m_Refusals;

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  // The refusals' rows share one system; it is down before any other case
  // starts its own, so that two engine threads never run on the one engine.
  void init() {
    if (qstrcmp(QTest::currentTestFunction(), "refusals") != 0) m_Refusals.reset();
  }
  void cleanup() { m_Warnings.Verify(); }
  void cleanupTestCase() { m_Refusals.reset(); }

  // From no model (the home line leads to the menu) to a first model, then
  // a second: each load saves the current model first, ends with both sides
  // holding the same model and the home screen naming it, and the state file
  // names it at the next save.
  void aSecondModelIsLoaded() {
    QmlFrame f(g_app);
    QVERIFY(StartAtHome(f));
    ModelFiles files(f);
    QVERIFY(files.Save("Glider", KLX_DatabaseValues::MODEL_TYP_Plane, 1));
    QVERIFY(files.Save("Heli 2", KLX_DatabaseValues::MODEL_TYP_Helicopter, 3));

    QTRY_COMPARE(f.Item("modelLabel")->property("leadsToModels").toBool(), true);
    QVERIFY(Tap(f, "modelLabel"));
    QVERIFY(f.WaitShown(kModelMenu));
    QCOMPARE(f.Property("currentModelLabel", "text").toString(),
             QString("No model loaded: load one or make a new one."));
    QVERIFY(LoadFromMenu(f, "Plane", "Glider"));
    QVERIFY(BothHold(f, "Glider"));
    QTRY_COMPARE(f.Property("modelLabel", "text").toString(), QString("Model:  Glider"));

    // The menu marks it; an edit made since is saved before the next load.
    QVERIFY(OpenMenu(f));
    QCOMPARE(f.Property("currentModelLabel", "text").toString(), QString("Current model: Glider"));
    QCOMPARE(f.Item("model_0")->property("current").toBool(), true);
    f.Db().KLX_DataBaseManagerFunctionGetSet_Name(0, "Edited", AtomicDirSet);
    const int loads = f.Controllers().TransceiverController().Seen().loadsEnded;
    QVERIFY(LoadFromMenu(f, "Helicopter", "Heli 2"));
    QCOMPARE(f.Controllers().TransceiverController().Seen().loadsEnded, loads + 1);
    QVERIFY(BothHold(f, "Heli 2"));
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet), 2);
    QCOMPARE(f.Db().KLX_DataBaseManagerFunctionGetNumber(), 3);
    QVERIFY(Text(ModelFile(f, "Plane", "Glider")).contains("Edited"));
    QVERIFY(StateNames(f, "Heli 2"));
    QTRY_COMPARE(f.Property("modelLabel", "text").toString(), QString("Model:  Heli 2"));
  }

  // A timer that keeps its last value, stopped or running, shows after a
  // load of its model what it showed before: the value is saved before the
  // load though nothing else of the model changed, and a running one counts
  // on from it. Its time is the timers' thread's, stepped by the case.
  void aTimerKeepsItsValueAcrossALoad_data() {
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("another");
    QTest::newRow("stopped, loaded again") << false << false;
    QTest::newRow("stopped, another model loaded and it again") << false << true;
    QTest::newRow("running, loaded again") << true << false;
    QTest::newRow("running, another model loaded and it again") << true << true;
  }
  void aTimerKeepsItsValueAcrossALoad() {
    QFETCH(bool, running);
    QFETCH(bool, another);
    constexpr int kSwitchA = 0x300, kSwitchB = 0x301;
    constexpr int kStopped = KLX_Timer::Stopped, kRunning = KLX_Timer::Running;
    // Made first: the timers' thread stops with the frame before its clock goes.
    KLX_ManualClock timers;
    QmlFrame f(g_app);
    KLX_TimersAlarms* thread = f.System().RuntimeDatabase().KLX_RuntimeDatabaseManagerTimersAlarms();
    thread->KLX_TimersAlarmsSetClock(&timers);
    QVERIFY(StartAtHome(f));
    // Only the saves the menu asks for: no periodic one, no minute of run
    // time that marks the model behind the case's back.
    f.HoldPeriodicSaves();
    KLX_DataBaseManager& db = f.Db();
    db.KLX_DataBaseManagerModelRuntimeStore()->SetClock([] { return qint64(0); });
    f.Controllers().SetStreaming(true);
    const auto move = [&](int id, int value) {
      return f.Controllers().SetControl(id, value) &&
             QTest::qWaitFor([&] { return db.KLX_DataBaseManagerGetValueOfControl(id) == value; }, kVornHangMs);
    };
    QVERIFY(move(kSwitchA, -2047) && move(kSwitchB, -2047));
    // Timer 1 counts up to ten minutes, keeps its value, runs while SW-A is
    // on and SW-B off, and stops when SW-B comes on.
    ModelFiles files(f);
    QVERIFY(files.Save("Heli 2", KLX_DatabaseValues::MODEL_TYP_Helicopter, 1));
    const int start = 0, stop = 1;
    for (int vs : {start, stop}) {
      QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsUsed(vs, 1, AtomicDirSet, true), 1);
      const int control = vs == start ? kSwitchA : kSwitchB;
      QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(vs, 0, control, AtomicDirSet, true), control);
      db.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(vs, 0, 40, AtomicDirSet, true);
      db.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(vs, 0, 30, AtomicDirSet, true);
    }
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_StopTimeMinute(0, 10, AtomicDirSet), 10);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_LastValueKeep(0, 1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(0, start, AtomicDirSet), start);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw(0, stop, AtomicDirSet), stop);
    QVERIFY(files.Save("Glider", KLX_DatabaseValues::MODEL_TYP_Plane, 1));
    QVERIFY(LoadFromMenu(f, "Plane", "Glider"));
    QVERIFY(BothHold(f, "Glider"));
    const auto shown = [&] { return db.KLX_DataBaseManagerTimerGet_ActualTimeWholeSeconds(0); };
    const auto pass = [&](qint64 ms) { return timers.KLX_ManualClockRun(ms, 1, kVornHangMs); };

    // The thread's first pass takes the model as loaded and counts nothing.
    QVERIFY(pass(KLX_TimersAlarms::kPeriodMs));
    QCOMPARE(shown(), 0);
    // 02:51 on the clock, then stopped or left running.
    QVERIFY(move(kSwitchA, 2047));
    QTRY_COMPARE(db.KLX_TimerGetState(0), kRunning);
    QVERIFY(pass(171000));
    QCOMPARE(shown(), 171);
    if (!running) {
      QVERIFY(move(kSwitchB, 2047));
      QTRY_COMPARE(db.KLX_TimerGetState(0), kStopped);
    }
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());

    if (another) {
      QVERIFY(LoadFromMenu(f, "Helicopter", "Heli 2"));
      QVERIFY(BothHold(f, "Heli 2"));
    }
    QVERIFY(LoadFromMenu(f, "Plane", "Glider"));
    QVERIFY(BothHold(f, "Glider"));
    QTRY_COMPARE(db.KLX_TimerGetState(0), running ? kRunning : kStopped);
    QVERIFY(pass(KLX_TimersAlarms::kPeriodMs));
    QCOMPARE(shown(), 171);
    // Six seconds later: counted on from there, or still.
    QVERIFY(pass(6000));
    QCOMPARE(shown(), running ? 177 : 171);
  }

  // "New" in a folder: the name keys, the model-new task (on a transmitter
  // that held no model), then the assistant builds it and it is saved.
  void aNewModelIsBuiltAndSaved() {
    QmlFrame f(g_app);
    QVERIFY(StartAtHome(f));
    QVERIFY(OpenMenu(f));
    QVERIFY(ShowFolder(f, "Plane"));
    QVERIFY(f.Item("emptyFolder")->isVisible());
    QVERIFY(Tap(f, "modelNew"));
    QVERIFY(Type(f, "Racer"));
    QVERIFY(f.WaitShown(kTypeChoose));
    QCOMPARE(f.Db().KLX_DataBaseManagerVornPropertiesGetModelName(), QString("Racer"));

    QVERIFY(Tap(f, "typeSail"));
    QVERIFY(Tap(f, "proceed"));
    QVERIFY(f.WaitShown(kFolder + "AssistantSail_start.qml"));
    for (int side : {0, 1}) {
      QVERIFY(Tap(f, QString("part_%1").arg(side)));
      QVERIFY(Tap(f, QString("add_%1").arg(side)));
      QVERIFY(Tap(f, QString("chooseServo_%1").arg(side)));
      QVERIFY(Tap(f, "servoChooserOk"));
      f.Key(KLX_DatabaseValues::EventLeft);
    }
    QVERIFY(Tap(f, "proceed"));
    QTRY_VERIFY(f.Item("doneButton") && f.Item("doneButton")->isVisible());
    QVERIFY(Tap(f, "doneButton"));
    QVERIFY(f.WaitShown(kFunctions));

    QVERIFY(BothHold(f, "Racer"));
    const QString file = ModelFile(f, "Plane", "Racer");
    QTRY_VERIFY(Text(file).contains("<Modelname>Racer</Modelname>") && Text(file).contains("Aileron R1"));
    QVERIFY(StateNames(f, "Racer"));
    QVERIFY(OpenMenu(f));
    QCOMPARE(Names(f), QStringList{"Racer"});
    QCOMPARE(f.Item("model_0")->property("current").toBool(), true);
  }

  // Copy beside and into another folder, delete, and rename (which loads
  // the model first): on the card and in the list.
  void anotherModelIsCopiedRenamedAndDeleted() {
    QmlFrame f(g_app);
    QVERIFY(StartAtHome(f));
    ModelFiles files(f);
    QVERIFY(files.Save("Alpha", KLX_DatabaseValues::MODEL_TYP_Plane));
    QVERIFY(files.Save("Beta", KLX_DatabaseValues::MODEL_TYP_Plane, 2));
    QVERIFY(LoadFromMenu(f, "Plane", "Alpha"));
    const QString beta = Text(ModelFile(f, "Plane", "Beta"));

    QVERIFY(OpenMenu(f));
    QVERIFY(Copy(f, "Plane", "Beta", "Plane", "Beta_cpy"));
    QCOMPARE(Text(ModelFile(f, "Plane", "Beta_cpy")), beta);
    QCOMPARE(Names(f), (QStringList{"Alpha", "Beta", "Beta_cpy"}));
    QCOMPARE(f.Property("modelMenu", "selected").toInt(), 2);

    QVERIFY(Copy(f, "Plane", "Beta", "Boat", "Beta"));
    QCOMPARE(Text(ModelFile(f, "Boat", "Beta")), beta);
    QCOMPARE(f.Property("modelMenu", "folderIndex").toInt(), IndexOf(f, "folders", "Boat"));
    QCOMPARE(Names(f), QStringList{"Beta"});

    QVERIFY(Choose(f, "Plane", "Beta_cpy"));
    QVERIFY(Tap(f, "modelDelete"));
    QVERIFY(Answer(f, "You are about to delete the following model: Beta_cpy\nProceed?"));
    QVERIFY(Idle(f));
    QVERIFY(!QFileInfo::exists(ModelFile(f, "Plane", "Beta_cpy")));
    QCOMPARE(Names(f), (QStringList{"Alpha", "Beta"}));

    // Only the current model is renamed: Beta is loaded first, then named.
    QVERIFY(Choose(f, "Plane", "Beta"));
    QVERIFY(Tap(f, "modelRename"));
    QVERIFY(Answer(f, "Only the current model can be renamed.\nLoad this model now and rename it?"));
    QTRY_VERIFY(f.Property("modelKeyboard", "extended").toBool());
    QVERIFY(ChainIdle(f));
    QVERIFY(BothHold(f, "Beta"));
    QCOMPARE(f.Property("modelKeyboard", "preLoadText").toString(), QString("Beta"));
    QVERIFY(Type(f, "Gamma"));
    QVERIFY(Idle(f));
    QTRY_VERIFY(QFileInfo::exists(ModelFile(f, "Plane", "Gamma")));
    QVERIFY(!QFileInfo::exists(ModelFile(f, "Plane", "Beta")));
    QVERIFY(Text(ModelFile(f, "Plane", "Gamma")).contains("<Modelname>Gamma</Modelname>"));
    QTRY_COMPARE(Names(f), (QStringList{"Alpha", "Gamma"}));
    QCOMPARE(f.Item("model_1")->property("current").toBool(), true);
    QVERIFY(StateNames(f, "Gamma"));
    // The rename's forced save may still be writing beside Gamma.xml.
    QTRY_COMPARE(ModelArea(f), (QStringList{"Boat/Beta.xml", "Plane/Alpha.xml", "Plane/Gamma.xml"}));
  }

  // A folder made is named at once; a model in a folder of the user's is
  // loaded from there, and stays the current model when its folder is
  // renamed; a folder that holds models stays, an empty one goes.
  void foldersOfTheUser() {
    QmlFrame f(g_app);
    QVERIFY(StartAtHome(f));
    QVERIFY(OpenMenu(f));
    QVERIFY(Tap(f, "newFolder"));
    QTRY_COMPARE(f.Property("modelKeyboard", "extended").toBool(), true);
    QCOMPARE(f.Property("modelKeyboard", "preLoadText").toString(), QString("NewFolder"));
    QCOMPARE(f.Property("currentModelLabel", "text").toString(), QString("New name of the folder:"));
    QVERIFY(Type(f, "Jets"));
    QVERIFY(Idle(f));
    QVERIFY(QFileInfo(Card(f) + "/Model/Jets/Pictures").isDir());
    QVERIFY(!QFileInfo::exists(Card(f) + "/Model/NewFolder"));
    QCOMPARE(f.Property("modelMenu", "folderIndex").toInt(), IndexOf(f, "folders", "Jets"));

    ModelFiles files(f);
    QVERIFY(files.Save("F16", KLX_DatabaseValues::MODEL_TYP_None, 2, "/Vorn/Model/Jets"));
    QVERIFY(LoadFromMenu(f, "Jets", "F16"));
    QVERIFY(BothHold(f, "F16"));

    QVERIFY(OpenMenu(f));
    const auto hold = [&](const QString& folder, const QString& option) {
      const int at = IndexOf(f, "folders", folder);
      ScrollTo(f, "folderList", at);
      f.Hold(f.Centre(f.Item(QString("folder_%1").arg(at))), 1000);
      return Tap(f, option);
    };
    QVERIFY(hold("Jets", "option_rename"));
    QVERIFY(Type(f, "Fighters"));
    QVERIFY(Idle(f));
    QVERIFY(QFileInfo::exists(ModelFile(f, "Fighters", "F16")));
    QCOMPARE(f.Property("currentModelLabel", "text").toString(), QString("Current model: F16"));
    QCOMPARE(f.Item("model_0")->property("current").toBool(), true);
    QVERIFY(StateNames(f, "F16"));
    QVERIFY(Text(Card(f) + "/Vornstate/Vornstate.xml").contains("Fighters"));

    QVERIFY(hold("Fighters", "option_delete"));
    QTRY_COMPARE(f.PopupText(), QString("Cannot delete non-empty folder!"));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QVERIFY(QFileInfo::exists(ModelFile(f, "Fighters", "F16")));

    QVERIFY(Tap(f, "newFolder"));
    QTRY_COMPARE(f.Property("modelKeyboard", "extended").toBool(), true);
    QVERIFY(Type(f, "NewFolder"));  // the name it was given is kept
    QVERIFY(hold("NewFolder", "option_delete"));
    QVERIFY(Answer(f, "You are about to delete the following folder: NewFolder\nProceed?"));
    QVERIFY(Idle(f));
    QVERIFY(!QFileInfo::exists(Card(f) + "/Model/NewFolder"));
    QCOMPARE(IndexOf(f, "folders", "NewFolder"), -1);
  }

  // What is refused, with the text the user reads; nothing on the card changes.
  void refusals_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("delete the current model") << "delete" << "Alpha" << "" << "Model currently active \u2013 cannot erase!";
    QTest::newRow("new, a name taken (any case)") << "new" << "" << "bETA" << kTaken;
    QTest::newRow("new, a name with /") << "new" << "" << "a/b" << kBadName;
    QTest::newRow("new, a name with ..") << "new" << "" << "x..y" << kBadName;
    QTest::newRow("rename, a name taken") << "rename" << "Alpha" << "Beta" << kTaken;
    QTest::newRow("rename, a name with ..") << "rename" << "Alpha" << ".." << kBadName;
    QTest::newRow("copy beside a copy") << "copy" << "Beta" << "" << "Target file already exists \u2013 cannot copy!";
    QTest::newRow("folder named as a type folder") << "folder" << "" << "plane" << kTaken;
  }
  void refusals() {
    QFETCH(QString, action);
    QFETCH(QString, model);
    QFETCH(QString, name);
    QFETCH(QString, text);
    if (!m_Refusals) {
      m_Refusals.reset(new QmlFrame(g_app));
      QmlFrame& f = *m_Refusals;
      QVERIFY(StartAtHome(f));
      ModelFiles files(f);
      QVERIFY(files.Save("Alpha", KLX_DatabaseValues::MODEL_TYP_Plane));
      QVERIFY(files.Save("Beta", KLX_DatabaseValues::MODEL_TYP_Plane));
      QVERIFY(files.Save("Beta_cpy", KLX_DatabaseValues::MODEL_TYP_Plane));
      QVERIFY(QDir().mkpath(Card(f) + "/Model/Mine"));
      QVERIFY(LoadFromMenu(f, "Plane", "Alpha"));
    }
    QmlFrame& f = *m_Refusals;
    f.Errors().Expect({kActiveModel, kCopyExists});
    const QStringList before = ModelArea(f);
    QVERIFY(OpenMenu(f));
    if (action == "folder") {
      const int mine = IndexOf(f, "folders", "Mine");
      ScrollTo(f, "folderList", mine);
      const QPoint at = f.Centre(f.Item(QString("folder_%1").arg(mine)));
      f.Hold(at, 1000);
      QVERIFY(Tap(f, "option_rename"));
    } else if (action == "new") {
      QVERIFY(ShowFolder(f, "Plane"));
      QVERIFY(Tap(f, "modelNew"));
    } else if (action == "copy") {
      QVERIFY(Copy(f, "Plane", model, "Plane", model + "_cpy"));
    } else {
      QVERIFY(Choose(f, "Plane", model));
      QVERIFY(Tap(f, action == "delete" ? "modelDelete" : "modelRename"));
    }
    if (!name.isEmpty()) QVERIFY(Type(f, name));
    QTRY_COMPARE(f.PopupText(), text);
    QVERIFY(Idle(f));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_COMPARE(ModelArea(f), before);
    QCOMPARE(f.Root()->property("smartKeyLock").toBool(), false);
    QVERIFY(BothHold(f, "Alpha"));
  }

  // A start whose model file is damaged leaves no model: the model screens
  // say so, the home line leads to the menu, a good model chosen there is
  // loaded and is the one the next start loads.
  void aGoodModelAfterAFailedLoadIsStartedNextTime() {
    QTemporaryDir kept;
    {
      QmlFrame f(g_app);
      f.Errors().Expect({0x2150C, 0x22008, 0x215F2, 0x3460D});
      QVERIFY(QDir().mkpath(Card(f) + "/Model/Plane") && QDir().mkpath(Card(f) + "/Vornstate"));
      QFile broken(ModelFile(f, "Plane", "Broken"));
      QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("<?xml version=\"1.0\"?>\n<model") > 0);
      broken.close();
      QFile state(Card(f) + "/Vornstate/Vornstate.xml");
      QVERIFY(state.open(QIODevice::WriteOnly));
      state.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<vornstate version=\"1.0\">\n    <VORNSTATE>\n"
                  "        <Modelname>Broken</Modelname>\n        <ModelTyp>1</ModelTyp>\n"
                  "        <ModelStoredInTC>0</ModelStoredInTC>\n    </VORNSTATE>\n</vornstate>\n");
      state.close();
      QVERIFY(StartAtHome(f));
      QVERIFY(f.Db().KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet) != KLX_VornTask::KLX_MODELLLOAD_STATUS_READY);
      ModelFiles files(f);
      QVERIFY(files.Save("Good", KLX_DatabaseValues::MODEL_TYP_Plane, 2));

      // The main menu's model screens have nothing to edit.
      f.Call("", "openScreen", {kMainMenu, QVariant()});
      QVERIFY(f.WaitShown(kMainMenu));
      QVERIFY(Tap(f, "menuButton_1"));
      QTRY_COMPARE(f.PopupText(),
                   QString("There is no current model to set up.\nOpen the model menu to load or make one?"));
      f.Grab("model-menu-no-model-notice.png");
      QVERIFY(f.TapInPopup("popupButton_0"));
      QVERIFY(f.WaitShown(kModelMenu));
      QCOMPARE(Names(f), (QStringList{"Broken", "Good"}));
      f.Key(KLX_DatabaseValues::EventHome);
      QVERIFY(f.WaitShown(kHome));
      QTRY_COMPARE(f.Item("modelLabel")->property("leadsToModels").toBool(), true);
      f.Grab("model-menu-home-after-failed-load.png");
      QVERIFY(Tap(f, "modelLabel"));
      QVERIFY(f.WaitShown(kModelMenu));
      QVERIFY(LoadFromMenu(f, "Plane", "Good"));
      QVERIFY(BothHold(f, "Good"));
      QVERIFY(StateNames(f, "Good"));
      for (const QString part : {"/Model/Plane/Good.xml", "/Vornstate/Vornstate.xml"}) {
        QVERIFY(QDir().mkpath(QFileInfo(kept.path() + part).path()));
        QVERIFY(QFile::copy(Card(f) + part, kept.path() + part));
      }
    }
    QmlFrame next(g_app);
    for (const QString part : {"/Model/Plane/Good.xml", "/Vornstate/Vornstate.xml"}) {
      QVERIFY(QDir().mkpath(QFileInfo(Card(next) + part).path()));
      QVERIFY(QFile::copy(kept.path() + part, Card(next) + part));
    }
    QVERIFY(StartAtHome(next));
    QVERIFY(BothHold(next, "Good"));
    QCOMPARE(next.Db().KLX_DataBaseManagerFunctionGetNumber(), 2);
    QTRY_COMPARE(next.Property("modelLabel", "text").toString(), QString("Model:  Good"));
  }

  // A long list with a picture chosen from a USB stick, an empty folder, the
  // copy chooser and the file browser, on both boards.
  void screenshots_data() { BoardRows(); }
  void screenshots() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    QVERIFY(StartAtHome(f));
    QVERIFY(OpenMenu(f));
    f.Settle();
    f.Grab("model-menu-" + tag + "-no-model.png");

    ModelFiles files(f);
    const QStringList names{"Acro Star", "Bird of Prey", "Cub", "Discus 2", "Extra 330", "F3K Flash", "Glider",
                            "Habicht", "Ka 8", "Libelle", "Mustang P51", "Piper", "Ventus 2cx", "Zlin"};
    for (const QString& name : names) QVERIFY(files.Save(name, KLX_DatabaseValues::MODEL_TYP_Plane));
    QVERIFY(QDir().mkpath(Card(f) + "/Model/Scale models/Pictures"));
    // A slow bus: the load's progress is seen.
    QVERIFY(f.Controllers().SetBusPacing(20000));
    QVERIFY(OpenMenu(f) && Choose(f, "Plane", "Glider") && Tap(f, "modelLoad"));
    QTRY_VERIFY(f.Property("busySpinner", "value").toInt() > 0);
    f.Grab("model-menu-" + tag + "-loading.png");
    QVERIFY(f.WaitShown(kHome) && ChainIdle(f));
    QVERIFY(f.Controllers().SetBusPacing(0));
    QVERIFY(BothHold(f, "Glider"));

    QVERIFY(OpenMenu(f));
    QVERIFY(PictureOnStick(f, "glider.PNG"));
    QVERIFY(Tap(f, "modelPicture"));
    QVERIFY(f.Item("pictureBrowser")->isVisible());
    QVERIFY(Tap(f, "browse_USB stick 1"));
    f.Settle();
    f.Grab("model-menu-" + tag + "-browser.png");
    QVERIFY(Tap(f, "browse_glider.PNG"));
    QCOMPARE(Text(Card(f) + "/Model/Plane/Pictures/Glider.PNG"), Text(f.Board().Root() + "/media/usb0/glider.PNG"));
    const int glider = IndexOf(f, "models", "Glider");
    QCOMPARE(f.Property("modelMenu", "models").toList()[glider].toMap().value("picture").toString(), QString("Glider.PNG"));
    ScrollTo(f, "modelList", glider);
    QQuickItem* picture = f.Item(QString("picture_%1").arg(glider));
    QVERIFY(picture);
    QTRY_COMPARE(picture->property("status").toInt(), 1 /* Image.Ready */);
    QCOMPARE(picture->property("source").toUrl().fileName(), QString("Glider.PNG"));
    f.Settle();
    f.Grab("model-menu-" + tag + "-list.png");

    QVERIFY(Tap(f, "modelCopy"));
    f.Settle();
    f.Grab("model-menu-" + tag + "-copy.png");
    QVERIFY(Tap(f, "chooserCancel"));
    QVERIFY(ShowFolder(f, "Boat"));
    f.Settle();
    f.Grab("model-menu-" + tag + "-empty.png");
    QVERIFY(Tap(f, "modelNew"));
    // The keys slide up.
    QTRY_VERIFY(f.Property("modelKeyboard", "extended").toBool());
    f.Settle();
    QCOMPARE(f.Property("currentModelLabel", "text").toString(), QString("Name of the new model in Boat:"));
    f.Grab("model-menu-" + tag + "-keys.png");
    QVERIFY(Type(f, "Sea Breeze"));
    QVERIFY(f.WaitShown(kTypeChoose));
    f.Root()->setProperty("smartKeyLock", false);
    f.Root()->setProperty("assistantHistory", QVariant());
  }
};

int main(int argc, char** argv) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestModelMenu test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_models.moc"
