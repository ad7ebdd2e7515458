// A screen's boxes go with the screen: each screen that asks a question
// asks it, something takes the screen's place (the switch-off, a weak
// battery's switch-off, the update's own screen), and the question is gone
// unanswered, also once the screen is back. The update's install question
// and the voice list's delete question as a pilot meets them: the power
// button pressed and released within the four seconds, on both boards.
#include "audio/klx_tts.h"
#include "qml_frame/qml_frame_fixture.h"
#include "sim/csimupdateserver.h"
#include "sim/csimvoices.h"
#include "update/cupdatemanager.h"
#include "vorn_fixture.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kFolder = QStringLiteral("qrc:/Frontend/QML/");
const QString kSoftware = kFolder + "SoftwareInfo.qml";
const QString kVoices = kFolder + "VoiceSelector.qml";
const QString kBatteryWeak = QStringLiteral("Battery is weak!\nGUI is shutting down...");
const QString kInstall = QStringLiteral("The update is ready. Install it now?");
// The box told once the update is installed.
const QString kInstalled =
    QStringLiteral("The update is installed. Please switch the model off and restart the transmitter.");
constexpr qint64 kBound = 60000;  // real time only a hang takes

QObject* Screen(QmlFrame& f) { return f.Named("mainLoader")->property("item").value<QObject*>(); }
int OpenBoxes(QmlFrame& f) { return f.Root()->property("popupBoxes").toList().size(); }

bool Open(QmlFrame& f, const QString& url, const QVariantMap& args = {}) {
  f.Call("", "openScreen", {url, args});
  return f.WaitShown(url);
}
// Calls a QML function (or emits a signal) of `target` with up to three arguments.
bool Invoke(QObject* target, const QString& name, const QVariantList& args) {
  if (!target) return false;
  QGenericArgument a[3];
  for (int i = 0; i < args.size() && i < 3; ++i) a[i] = Q_ARG(QVariant, args[i]);
  const QMetaObject* meta = target->metaObject();
  for (int i = 0; i < meta->methodCount(); ++i) {
    const QMetaMethod method = meta->method(i);
    if (method.name() != name.toLatin1() || method.parameterCount() != args.size()) continue;
    if (method.methodType() == QMetaMethod::Signal) return method.invoke(target, a[0], a[1], a[2]);
    QVariant result;
    return method.invoke(target, Q_RETURN_ARG(QVariant, result), a[0], a[1], a[2]);
  }
  return false;
}

CUpdateManager* Manager(QmlFrame& f) {
  return qobject_cast<CUpdateManager*>(
      qmlEngine(f.Window())->rootContext()->contextProperty("UpdateManager").value<QObject*>());
}
// The lines of a run that QML wrote (a warning, a reference to a name
// that is gone).
QStringList QmlLines(const QStringList& lines) {
  return lines.filter(QRegularExpression("\\.qml:\\d+|ReferenceError|TypeError"));
}
// The list's voice of `index` brought into view, marked and asked to go.
bool AskToDelete(QmlFrame& f, int index) {
  const QVariantList listed = f.Property("voiceSelector", "voices").toList();
  int row = 0;
  while (row < listed.size() && listed[row].toMap().value("index").toInt() != index) ++row;
  QMetaObject::invokeMethod(f.Named("voiceList"), "positionViewAtIndex", Q_ARG(int, row), Q_ARG(int, 1));  // Center
  f.Settle();
  return f.Tap(QStringLiteral("voice_%1").arg(index)) && f.Property("voiceSelector", "marked").toInt() == index &&
         f.Tap("voiceDelete");
}

// The power button on the board, as its thread samples it: pressed, it is
// seen at the next sample (`wait` on) and the switch-off screen comes; held
// for `samples` samples of 100 ms, then released, the screen before comes
// back.
bool PressPowerButton(QmlFrame& f, qint64 wait) {
  f.Board().SetPowerButtonPressed(true);
  return f.ButtonClock().KLX_ManualClockRun(wait, 1, kBound) && f.WaitShown(kOutro, kBound);
}
bool ReleasePowerButton(QmlFrame& f, int samples, const QString& back) {
  if (!f.ButtonClock().KLX_ManualClockRun(samples * KLX_OnOffHandler::kHeldSampleMs, 1, kBound)) return false;
  if (f.Shown() != kOutro) return false;
  f.Board().SetPowerButtonPressed(false);
  return f.ButtonClock().KLX_ManualClockRun(KLX_OnOffHandler::kHeldSampleMs, 1, kBound) && f.WaitShown(back, kBound);
}
}  // namespace

class TestBoxes : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;
  std::unique_ptr<QmlFrame> m_Frame;

  // What takes the screen's place, and what brings it back. The switch-off
  // screen shows no box of the screen; a weak battery's last words stay
  // over it (closed here, as the switch-off would end); the update's own
  // screen goes back in the history.
  static void Replace(QmlFrame& f, const QString& by) {
    if (by == "weak battery") {
      emit f.System().BatteryHandler().voltageMinExceeded();
      emit f.System().onGuiReadyToGoDown();
      QTRY_COMPARE(f.Shown(), kOutro);
      QCOMPARE(f.PopupText(), kBatteryWeak);
      QCOMPARE(OpenBoxes(f), 1);
      f.Settle();
      f.Grab("boxes-switch-off-battery-weak.png");
      f.Call("", "popupClose");
      emit f.System().onGuiClearGoDown();
    } else if (by == "update screen") {
      QVERIFY(Open(f, kUpdate, {{"recovery", true}}));
      QVERIFY(!f.Popup());
      f.Call("systemHistory", "goBack");
    } else {
      emit f.System().onGuiReadyToGoDown();
      QTRY_COMPARE(f.Shown(), kOutro);
      QVERIFY(!f.Popup());
      emit f.System().onGuiClearGoDown();
    }
  }

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  // One row per screen that asks: its file and arguments, the properties
  // set on it first, what asks (a function of the screen, or of a named
  // item), the question, and what takes the screen's place.
  void aScreensQuestionGoesWithIt_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QVariantMap>("args");
    QTest::addColumn<QVariantMap>("set");
    QTest::addColumn<QString>("target");  // "" the screen
    QTest::addColumn<QString>("ask");
    QTest::addColumn<QVariantList>("askArgs");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("by");
    QTest::addColumn<QStringList>("warned");  // the lines the program writes
    const auto row = [](const char* tag, const QString& file, const QString& target, const QString& ask,
                        const QVariantList& askArgs, const QString& question, const QString& by,
                        const QVariantMap& args = {}, const QVariantMap& set = {}, const QStringList& warned = {}) {
      QTest::newRow(tag) << file << args << set << target << ask << askArgs << question << by << warned;
    };
    row("functions", "4_0.qml", "", "askDelete", {}, "You are about to delete the following function: function\nProceed?",
        "weak battery", {}, {{"heldRow", 0}});
    row("function curves", "5.qml", "expoPage", "askFlightMode", {},
        "Do you really want to reset all settings of this function to the values of 'flightmode' flight mode?",
        "switch-off", {{"functionId", 0}});
    row("trim", "22.qml", "", "pressFlightMode", {},
        "Do you really want to reset all settings of this trim to the global values?", "switch-off",
        {{"functionId", 0}}, {{"single", true}});
    row("function servos", "27_FunctionServos.qml", "", "askDelete", {},
        "Are you sure you would like to delete this servo?", "switch-off", {{"functionId", 0}});
    row("servo cut-offs", "CutoffSettings.qml", "", "askDelete", {}, "Do you really want to delete this Servo Cut-off?",
        "switch-off");
    row("differentials", "DifferentialsList.qml", "", "askClear", {}, "Do you really want to clear this differential?",
        "switch-off");
    row("mixers", "19.qml", "", "askDelete", {0}, "Are you sure you would like to delete this mixer?", "switch-off");
    row("mixer set-up", "20.qml", "", "askFlightMode", {},
        "Do you really want to reset all settings of this mixer to the values of 'flightmode' flight mode?",
        "weak battery", {{"mixerIndex", 0}});
    row("virtual switches", "21.qml", "", "askDelete", {0}, "Do you really want to delete this virtual switch?",
        "update screen");
    row("flight modes", "FlightModeSelector.qml", "", "askDeleteFm", {0},
        "Do you really want to delete\nthis Flight Mode?", "switch-off");
    row("flight-mode editor", "FlightModeEditor.qml", "", "askDeleteFunction", {0},
        "Do you really want to delete this\nNo Fade-in function?", "switch-off", {{"lut_index", 0}});
    row("sequencers", "SequencersList.qml", "", "askDelete", {0}, "Do you really want to delete this sequencer?",
        "weak battery");
    row("sequencer servos", "SequencerServoList.qml", "", "askDelete", {0},
        "Do you really want to delete this servo from sequencer?", "switch-off", {{"sequencerIdx", 0}});
    row("timer set-up", "35_TimerSetup.qml", "", "askDelete", {0}, "Do you really want to delete this timer control?",
        "switch-off", {{"timerId", 0}});
    row("timer alarms", "TimerAudioSettings.qml", "", "askDelete", {0}, "Do you really want to delete this alarm?",
        "switch-off");
    row("trainer cord", "TutorPupilSettings.qml", "", "deleteItem", {0},
        "Do you really want to delete this vorn control?", "switch-off");
    row("model assistant", "AssistantSail_start.qml", "assistantTypePage", "proceed", {},
        "You did not set any function, the assistant will be closed. A new model with an empty function list will be "
        "created.\nContinue?",
        "switch-off");
    row("model menu", "ModelMenu.qml", "", "deleteFolder", {0},
        "You are about to delete the following folder: Plane\nProceed?", "switch-off");
    row("model set-up without a model", "3.qml", "rootwindow", "noModelFor", {kFolder + "4_0.qml"},
        "There is no current model to set up.\nOpen the model menu to load or make one?", "update screen");
    row("receivers", "9_BindingMenu.qml", "", "askDelete", {1}, "Do you really want to delete receiver 2?",
        "weak battery");
    row("receiver firmware", "FileSelector.qml", "", "askWrite", {}, "Write rx.bin into receiver 1?", "update screen",
        {}, {{"receiver", 0}, {"selectedFile", "rx.bin"}});
    row("file manager", "FileManager.qml", "", "remove", {}, "Delete the 3 selected files and folders?", "switch-off",
        {}, {{"tickedCount", 3}});
    row("software", "SoftwareInfo.qml", "", "begin", {"app"},
        "No application update was found on a USB stick. Download it from the update server?", "switch-off", {}, {},
        {"Update not started!"});
    row("voice alarm", "VoiceSettings.qml", "", "remove", {}, "Do you really want to delete this voice alarm?",
        "switch-off", {{"itemNum", 0}});
    row("announcements", "SequentialTA.qml", "", "askDelete", {},
        "Do you really want to delete this announcement?\n\"Hallo\"", "update screen", {},
        {{"items", QVariantList{QVariantMap{{"text", "Hallo"}}}}, {"current", 0}});
    row("telemetry controls", "TelemetryControls.qml", "", "askDelete", {0},
        "You are about to delete the following telemetry contol: telecontrol\nProceed?", "switch-off");
    row("timer widget", "TelemetryWidgetTimerSetup.qml", "", "askDeleteTimer", {0},
        "Do you really want to delete this timer?", "switch-off");
    row("servo widget", "TelemetryWidgetServoSetup.qml", "widgetDelete", "clicked", {},
        "You are about to delete this widget\nProceed?", "switch-off");
    row("status strip", "2_Home.qml", "stripMinMaxReset", "clicked", {},
        "Do you really want to clear Max/Min values and all alerts for all widgets?", "switch-off");
  }
  void aScreensQuestionGoesWithIt() {
    QFETCH(QStringList, warned);
    QFETCH(QString, file);
    QFETCH(QVariantMap, args);
    QFETCH(QVariantMap, set);
    QFETCH(QString, target);
    QFETCH(QString, ask);
    QFETCH(QVariantList, askArgs);
    QFETCH(QString, question);
    QFETCH(QString, by);
    QmlFrame& f = SharedFrame(g_app, m_Frame);
    // A lock an earlier row's screen left is let go here, not 5 s later.
    f.Root()->setProperty("smartKeyLock", false);
    const QString url = kFolder + file;
    QVERIFY(Open(f, url, args));
    QObject* screen = Screen(f);
    const bool locked = f.Root()->property("smartKeyLock").toBool();
    for (auto it = set.cbegin(); it != set.cend(); ++it) QVERIFY(screen->setProperty(qPrintable(it.key()), it.value()));
    // The screen the history brings back (the model assistant keeps its
    // pages in a history of its own).
    const QString back = f.History().value(f.HistoryIndex());
    QVERIFY(Invoke(target.isEmpty() ? screen : target == "rootwindow" ? f.Root() : f.Named(target), ask, askArgs));
    QTRY_COMPARE(f.PopupText(), question);
    Replace(f, by);
    if (QTest::currentTestFailed()) return;
    QVERIFY(f.WaitShown(back));
    QVERIFY(Screen(f) != screen);
    QVERIFY(!f.Popup());
    QCOMPARE(OpenBoxes(f), 0);
    // No key lock is left behind by a question gone unanswered: keys free
    // as the screen opened are free again (a task the screen starts as it
    // opens holds them a while).
    if (!locked) QTRY_VERIFY_WITH_TIMEOUT(!f.Root()->property("smartKeyLock").toBool(), kBound);
    QCOMPARE(m_Warnings.Take(), warned);
  }

  // A screen that asks as it opens (before the loader names it) owns its
  // question: it stays while the screen shows, the screen it replaced
  // deleted meanwhile, and goes with it.
  void aQuestionAskedAsTheScreenOpensIsItsOwn() {
    QmlFrame& f = SharedFrame(g_app, m_Frame);
    QTemporaryDir dir;
    const QString file = dir.filePath("Asking.qml");
    QVERIFY(WriteFile(file, "import QtQuick 2.15\n"
                            "Item { Component.onCompleted: rootwindow.popupShow(null, 'question', 'Asked at once?',"
                            " 'OkAbort') }\n"));
    const QString url = QUrl::fromLocalFile(file).toString();
    QVERIFY(Open(f, kFolder + "3.qml"));
    QVERIFY(Open(f, url));
    QCOMPARE(f.PopupText(), QString("Asked at once?"));
    f.Settle();
    QCOMPARE(f.PopupText(), QString("Asked at once?"));
    QVERIFY(Open(f, kHome));
    QVERIFY(!f.Popup());
  }

  // "Install it now?" open, the power button pressed: the switch-off screen
  // shows no box, and the update goes with the software screen. Released
  // within the four seconds, the screen is back without the question;
  // nothing was installed, and the update asked again is installed on Ok.
  // The installed update is told again after a second press released.
  void theInstallQuestionGoesWithTheSoftwareScreen_data() { BoardRows(); }
  void theInstallQuestionGoesWithTheSoftwareScreen() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    f.Errors().Expect({0x33620, 0x33901, 0x33902});
    QVERIFY(f.StartAtHome());
    QVERIFY(PutAppUpdateOnStick(f, variant == CSimBoard::Vorn ? "Vorn" : "Fenk"));
    const QString program = f.Board().Root() + "/app/KLX32LinuxApp";
    const QByteArray before = ReadFile(program);
    QVERIFY(Open(f, kSoftware));
    QVERIFY(f.Tap("updateButton"));
    QTRY_COMPARE_WITH_TIMEOUT(f.PopupText(), kInstall, kBound);
    f.Settle();
    f.Grab("boxes-install-question-" + tag + ".png");

    QVERIFY(PressPowerButton(f, KLX_OnOffHandler::kFirstSampleMs));
    QVERIFY(!f.Popup());
    f.Settle();
    f.Grab("boxes-switch-off-" + tag + ".png");
    QVERIFY(!f.Popup());
    QVERIFY(ReleasePowerButton(f, 20, kSoftware));
    QVERIFY(!f.Popup());
    CUpdateManager* manager = Manager(f);
    QTRY_VERIFY_WITH_TIMEOUT(manager->runningSlot() == CUpdateManager::kNone, kBound);
    QCOMPARE(manager->lastError(), int(CUpdateManager::Err_Aborted));
    QCOMPARE(ReadFile(program), before);
    QCOMPARE(f.Property("softwareInfo", "kind").toString(), QString());
    QVERIFY(!f.Root()->property("smartKeyLock").toBool());
    f.Settle();
    f.Grab("boxes-software-back-" + tag + ".png");
    QVERIFY(!f.Popup());

    QVERIFY(f.Tap("updateButton"));
    QTRY_COMPARE_WITH_TIMEOUT(f.PopupText(), kInstall, kBound);
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_COMPARE_WITH_TIMEOUT(f.PopupText(), kInstalled, kBound);
    QCOMPARE(ReadFile(program), QByteArray("the new program"));
    QVERIFY(f.TapInPopup("popupButton_0"));
    // Installed, it waits for the switch-off: the screen brought back by a
    // release in time still says so, and the keys stay locked.
    QVERIFY(PressPowerButton(f, KLX_OnOffHandler::kIdleSampleMs));
    QVERIFY(ReleasePowerButton(f, 20, kSoftware));
    QTRY_VERIFY(f.Item("updateInstalledNote") && f.Item("updateInstalledNote")->isVisible());
    QVERIFY(f.Root()->property("smartKeyLock").toBool());
    QVERIFY(QmlLines(m_Warnings.Take()).isEmpty());
  }

  // "Delete the voice ...?" open, the power button pressed and released in
  // time: the voice list is back without the question and the voice is
  // still there; asked again, Ok deletes it.
  void theDeleteQuestionGoesWithTheVoiceList_data() { BoardRows(); }
  void theDeleteQuestionGoesWithTheVoiceList() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    // Speech starts anew with this case's system, none other running.
    m_Frame.reset();
    KLX_TTS::AllowRestart();
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    f.Errors().Expect({0x33901, 0x33902});
    const QString voices = f.Board().Root() + "/Vorn/Sound/Voices";
    QVERIFY(CSimVoices::Prepare(voices));
    QVERIFY(f.StartAtHome());
    QTRY_COMPARE_WITH_TIMEOUT(f.Db().KLX_DataBaseManagerGetVoicesCount(), int(CSimVoices::Factory().size()), kBound);
    const QVariantMap manage{{"language", "all"}, {"manage", true}, {"itemNum", -1}};
    QVERIFY(Open(f, kVoices, manage));
    const QVariantMap voice = f.Property("voiceSelector", "voices").toList().constLast().toMap();
    const QString folder = voices + "/" + voice.value("path").toString();
    const QString question = "Delete the voice \"" + voice.value("name").toString() + "\"?";
    QVERIFY(QFileInfo::exists(folder));
    QVERIFY(AskToDelete(f, voice.value("index").toInt()));
    QTRY_COMPARE(f.PopupText(), question);
    f.Settle();
    f.Grab("boxes-delete-voice-question-" + tag + ".png");

    QVERIFY(PressPowerButton(f, KLX_OnOffHandler::kFirstSampleMs));
    QVERIFY(!f.Popup());
    QVERIFY(ReleasePowerButton(f, 20, kVoices));
    QVERIFY(!f.Popup());
    f.Settle();
    QVERIFY(!f.Popup());
    QVERIFY(QFileInfo::exists(folder));

    QVERIFY(AskToDelete(f, voice.value("index").toInt()));
    QTRY_COMPARE(f.PopupText(), question);
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(folder), kBound);
    QVERIFY(QmlLines(m_Warnings.Take()).isEmpty());
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestBoxes test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_boxes.moc"
