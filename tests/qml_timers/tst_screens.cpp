// The timer set-up and complex-timer alarm screens as the user drives them:
// a timer given its start switch from the screen runs when the switch moves
// on the simulated stick controller; times stepped at the stores' limits; a
// taken name refused; an alarm's hidden switch made and removed through the
// element tasks; the repeat's steps; the message spoken; the preflight
// list made by moving controls and taught, the start-up check's report; a
// voice alarm's activator chosen through the control selector; each screen
// on both boards.
#include "qml_frame/qml_frame_fixture.h"
#include "audio/klx_audiohandler.h"
#include "sim/csimmodel.h"
#include "sim/csimtransceiver.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kFolder = QStringLiteral("qrc:/Frontend/QML/");
const QString kSetup = kFolder + "35_TimerSetup.qml";
const QString kAlarms = kFolder + "TimerAudioSettings.qml";
const QString kSelector = kFolder + "36_ControlSelector.qml";
const QString kEditor = kFolder + "ControlConfigLinear.qml";
constexpr int kSwitchA = 768;
constexpr int kFixedOn = 2;
constexpr int kVirtual0 = 1280;
constexpr int kRunning = 1;
constexpr int kStickA = 0x100, kStickB = 0x101, kStickC = 0x1F0, kStickD = 0x1F1;
constexpr int kRotaryA = 0x400, kSliderA = 0x401, kRotaryB = 0x4F0, kSliderB = 0x4F1;
constexpr int kSwitchC = 0x302, kSwitchCMomentary = 0x306;
const QString kPreflight = kFolder + "PreflightChecklist.qml";
const QString kVoice = kFolder + "VoiceSettings.qml";

bool Open(QmlFrame& f, const QString& url, const QVariantMap& args = {}) {
  f.Call("", "openScreen", {url, args});
  if (!f.WaitShown(url)) return false;
  f.Settle();
  return true;
}
bool FlyinOut(QmlFrame& f) {
  return QTest::qWaitFor([&] { return f.Property("flyin", "y").toReal() == f.Item("flyin")->parentItem()->height() - 44; },
                         kHangMs);
}
// The controls the preflight store lists, in entry order.
QList<int> Preflight(KLX_DataBaseManager& db) {
  QList<int> ids;
  for (int i = 0;; ++i) {
    const int id = db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(i, false, AtomicDirGet);
    if (id <= KLX_Error) break;
    if (id > 0) ids << id;
  }
  return ids;
}
// The controller moves a control and the program has heard it.
bool Move(QmlFrame& f, int id, int value) {
  return f.Controllers().SetControl(id, value) &&
         QTest::qWaitFor([&] { return f.Db().KLX_DataBaseManagerGetValueOfControl(id) == value; }, kHangMs);
}
bool TaskEnded(QmlFrame& f) {
  return QTest::qWaitFor([&] { return !f.Root()->property("smartKeyLock").toBool(); }, kHangMs);
}
}  // namespace

class TestTimerScreens : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;
  std::unique_ptr<QmlFrame> m_Frame;

  QmlFrame& Frame() { return SharedFrame(g_app, m_Frame); }

 private slots:
  void initTestCase() {
    m_Warnings.Install();
    QmlFrame& f = Frame();
    f.Controllers().SetStreaming(true);
    QTRY_VERIFY(f.Db().KLX_DataBaseManagerGetValueOfControl(kSwitchA) != -2048);
    // As after a model load: the engine and the timers run.
    f.Errors().Expect({0x33901, 0x33902});
    f.System().RuntimeDatabase().KLX_RuntimeDatabaseManagerStartProcessing(false);
    f.Db().KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
  }
  void cleanup() {
    m_Warnings.Verify();
    if (m_Frame) m_Frame->Call("", "popupClose");
  }
  void cleanupTestCase() { m_Frame.reset(); }

  // "Start" of a timer without a switch leads through the switch-point
  // editor and the selector: switch A moved there and confirmed becomes a
  // hidden timer switch "VSi<n>T0sta" (or "...staN") held by the timer; the
  // timer then runs when switch A is moved up, and its "on" mark lights.
  void startSwitchFromScreen_data() {
    QTest::addColumn<bool>("complex");
    QTest::newRow("simple timer") << false;
    QTest::newRow("complex timer") << true;
  }
  void startSwitchFromScreen() {
    QFETCH(bool, complex);
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    const int timer = complex ? 1 : 0;
    if (complex)
      QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(timer, 1, AtomicDirSet), 1);
    else
      QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_IsUsed(timer, 1, AtomicDirSet), 1);
    if (!complex) {
      // A count-down from one minute (from 0 to 0 it stands still), and a
      // stop switch that stays off: a simple timer runs only with its stop off.
      QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_StartTimeMinute(timer, 1, AtomicDirSet), 1);
      constexpr int stop = 40;
      QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsUsed(stop, 1, AtomicDirSet, true), 1);
      QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(stop, 0, KLX_VornTask::CONTROLID_FIXSWITCH_OFF_GUI,
                                                                AtomicDirSet, true),
               int(KLX_VornTask::CONTROLID_FIXSWITCH_OFF_GUI));
      db.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(stop, 0, 40, AtomicDirSet, true);
      db.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(stop, 0, 30, AtomicDirSet, true);
      QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw(timer, stop, AtomicDirSet), stop);
    }
    QVERIFY(f.Controllers().SetControl(kSwitchA, -2047));
    QTRY_COMPARE(db.KLX_DataBaseManagerGetValueOfControl(kSwitchA), -2047);
    QVERIFY(Open(f, kSetup, {{"timerId", timer}, {"timerTypeNew", complex}}));
    QCOMPARE(f.Property("control_start", "gp_text").toString(), QString("---"));
    const int made = db.KLX_DataBaseManagerSwitchGetNextFreeIndex();

    QVERIFY(f.Tap("control_start"));
    QVERIFY(f.WaitShown(kEditor));
    QCOMPARE(f.Property("switchPointEditor", "sourceOptionNumber").toInt(), complex ? 13 : 1);
    QVERIFY(f.Tap("editorInput"));
    QVERIFY(f.WaitShown(kSelector));
    f.Settle();
    QVERIFY(f.Controllers().SetControl(kSwitchA, 2047));
    QTRY_COMPARE(f.Property("controlSelector", "chosenControl").toInt(), kSwitchA);
    // Down again before the switch is made: a timer whose start switch is on
    // when it is given one starts at once, and stays running.
    QVERIFY(Move(f, kSwitchA, -2047));
    QCOMPARE(f.Property("controlSelector", "chosenControl").toInt(), kSwitchA);
    QVERIFY(f.Tap("selectorOk"));
    QVERIFY(f.WaitShown(kEditor));
    QVERIFY(f.Tap("editorOk"));
    QVERIFY(f.WaitShown(kSetup));
    QVERIFY(TaskEnded(f));

    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_Name(made, "", AtomicDirGet),
             QString("VSi%1T%2%3").arg(made).arg(timer).arg(complex ? "staN" : "sta"));
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsVisible(made, 0, AtomicDirGet, false), 0);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(made, 0, 0, AtomicDirGet, false), kSwitchA);
    if (complex)
      QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_ControlStart(timer, 0, AtomicDirGet), kVirtual0 + made);
    else
      QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(timer, 0, AtomicDirGet), made);
    QCOMPARE(f.Property("control_start", "gp_text").toString(), QString("SW-A"));

    QTRY_VERIFY(f.Property("status_start_off", "color").value<QColor>().alpha() != 0);
    if (!complex) QVERIFY(db.KLX_TimerGetState(timer) != kRunning);
    QVERIFY(f.Controllers().SetControl(kSwitchA, 2047));
    QTRY_VERIFY(f.Property("status_start_on", "color").value<QColor>().alpha() != 0);
    const QString before = f.Property("currentValue", "text").toString();
    QTRY_VERIFY(f.Property("currentValue", "text").toString() != before);
    if (!complex) QTRY_COMPARE(db.KLX_TimerGetState(timer), kRunning);
  }

  // A held control button offers "Delete" and the switch's name; the
  // complex timer lets go of its stop switch (the invalid control) only
  // once the delete task is done. A refused delete leaves both.
  void stopSwitchDeleted_data() {
    QTest::addColumn<bool>("refused");
    QTest::newRow("done") << false;
    QTest::newRow("refused by the transceiver") << true;
  }
  void stopSwitchDeleted() {
    QFETCH(bool, refused);
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    constexpr int timer = 3;
    const int vs = db.KLX_DataBaseManagerSwitchGetNextFreeIndex();
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(timer, 1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsUsed(vs, 1, AtomicDirSet, true), 1);
    db.KLX_DataBaseManagerSwitchGetSet_Name(vs, QString("VSi%1T3stpN").arg(vs), AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(vs, 0, kSwitchA, AtomicDirSet, true), kSwitchA);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_ControlStop(timer, kVirtual0 + vs, AtomicDirSet), kVirtual0 + vs);
    CSimTransceiver& tc = f.Controllers().TransceiverController();
    VornErrorWatch errors;
    errors.Expect(0x22405);
    if (refused) tc.Answers().Set(CSimTransceiver::KeyUnitDelete, {0, false, true, 1});
    QVERIFY(Open(f, kSetup, {{"timerId", timer}, {"timerTypeNew", true}}));
    QCOMPARE(f.Property("control_stop", "gp_text").toString(), QString("SW-A"));
    f.Hold(f.Centre(f.Item("control_stop")), 1000);
    QCOMPARE(f.Property("option_delete", "gp_text").toString(), QString("Delete VSi%1T3stpN").arg(vs));
    QVERIFY(f.Tap("option_delete"));
    QCOMPARE(f.PopupText(), QString("Do you really want to delete this timer control?"));
    // What the timer holds when the task's end is told, in the command
    // thread, before the screen hears of it: a busy machine may let the task
    // end before a look taken after the touch.
    QMutex toldMutex;
    QList<int> heldWhenTold;
    KLX_GuiCommandHandler& commands = f.System().GuiCommandHandler();
    const QMetaObject::Connection told = QObject::connect(
        &commands, &KLX_GuiCommandHandler::guiInformer, &commands,
        [&](int state) {
          if (state == KLX_VornTask::GUI_TASK_RESULT_Working) return;
          QMutexLocker lock(&toldMutex);
          heldWhenTold << db.KLX_DataBaseManagerCmplxTimerGetSet_ControlStop(timer, 0, AtomicDirGet);
        },
        Qt::DirectConnection);
    QVERIFY(f.TapInPopup("popupButton_0"));
    QVERIFY(TaskEnded(f));
    QObject::disconnect(told);
    tc.Answers().Clear();
    {
      QMutexLocker lock(&toldMutex);
      QCOMPARE(heldWhenTold, QList<int>{kVirtual0 + vs});
    }
    f.Call("", "popupClose");
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_ControlStop(timer, 0, AtomicDirGet),
             refused ? kVirtual0 + vs : int(KLX_VornTask::CONTROLID_Invalid_GUI));
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsUsed(vs, 0, AtomicDirGet, false), refused ? 1 : 0);
    QCOMPARE(f.Property("control_stop", "gp_text").toString(), QString(refused ? "SW-A" : "---"));
  }

  // A time field steps by what the store answers: the fly-in's step is
  // added to the stored value and the store clamps it (simple timers to
  // 8 hours, complex ones to 499).
  void timeFieldsAtLimits_data() {
    QTest::addColumn<bool>("complex");
    QTest::addColumn<int>("field");  // 0..2 start h/m/s, 3..5 stop h/m/s
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("held");  // ms the key is held, 0 a tap
    QTest::addColumn<QString>("shown");
    QTest::newRow("simple start minutes held on ++") << false << 1 << 30 << "++" << 1500 << "59";
    QTest::newRow("simple start hours + at 8") << false << 0 << 8 << "+" << 0 << "08";
    QTest::newRow("simple stop seconds -- at 3") << false << 5 << 3 << "--" << 0 << "00";
    QTest::newRow("complex start hours ++ at 495") << true << 0 << 495 << "++" << 0 << "499";
    QTest::newRow("complex stop minutes + at 41") << true << 4 << 41 << "+" << 0 << "42";
  }
  void timeFieldsAtLimits() {
    QFETCH(bool, complex);
    QFETCH(int, field);
    QFETCH(int, start);
    QFETCH(QString, key);
    QFETCH(int, held);
    QFETCH(QString, shown);
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    const char* simple[] = {"KLX_DataBaseManagerTimerGetSet_StartTimeHour", "KLX_DataBaseManagerTimerGetSet_StartTimeMinute",
                            "KLX_DataBaseManagerTimerGetSet_StartTimeSecond", "KLX_DataBaseManagerTimerGetSet_StopTimeHour",
                            "KLX_DataBaseManagerTimerGetSet_StopTimeMinute", "KLX_DataBaseManagerTimerGetSet_StopTimeSecond"};
    const char* cmplx[] = {"KLX_DataBaseManagerCmplxTimerGetSet_StartHour", "KLX_DataBaseManagerCmplxTimerGetSet_StartMinute",
                           "KLX_DataBaseManagerCmplxTimerGetSet_StartSecond", "KLX_DataBaseManagerCmplxTimerGetSet_StopHour",
                           "KLX_DataBaseManagerCmplxTimerGetSet_StopMinute", "KLX_DataBaseManagerCmplxTimerGetSet_StopSecond"};
    const char* name = complex ? cmplx[field] : simple[field];
    const auto stored = [&](int value, int dir) {
      int result = 0;
      QMetaObject::invokeMethod(&db, name, Q_RETURN_ARG(int, result), Q_ARG(int, 2), Q_ARG(int, value), Q_ARG(int, dir),
                                Q_ARG(bool, false));
      return result;
    };
    QCOMPARE(stored(start, AtomicDirSet), start);
    QVERIFY(Open(f, kSetup, {{"timerId", 2}, {"timerTypeNew", complex}}));
    QVERIFY(f.Tap(QString("time_%1").arg(field)));
    QVERIFY(FlyinOut(f));
    if (held)
      f.Hold(f.Centre(f.Item("flyin_" + key)), held);
    else
      QVERIFY(f.Tap("flyin_" + key));
    QCOMPARE(f.Property(QString("time_%1").arg(field), "gp_text").toString(), shown);
    QCOMPARE(stored(0, AtomicDirGet), shown.toInt());
    QVERIFY(f.Tap("flyin_OK"));
  }

  // A name that a timer in use has already (in any capitalisation) is
  // refused and the old name stays; an empty one too.
  void takenNameRefused() {
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    for (int t = 3; t < 5; ++t) QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_IsUsed(t, 1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_Name(3, "Motor", AtomicDirSet), QString("Motor"));
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_Name(4, "Flight", AtomicDirSet), QString("Flight"));
    QVERIFY(Open(f, kSetup, {{"timerId", 3}, {"timerTypeNew", false}}));
    const auto rename = [&f](const QString& text) {
      if (!f.Tap("timerName")) return false;
      f.Named("keyboardField")->setProperty("text", text);
      f.Call("keyboard", "ok");
      return true;
    };
    QVERIFY(rename("FLIGHT"));
    QCOMPARE(f.PopupText(), QString("This name is already being used"));
    f.Call("", "popupClose");
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_Name(3, "", AtomicDirGet), QString("Motor"));
    QCOMPARE(f.Property("timerName", "gp_text").toString(), QString("Motor"));
    QVERIFY(rename(""));
    QCOMPARE(f.PopupText(), QString("Empty input not allowed"));
    f.Call("", "popupClose");
    QVERIFY(rename("Glide"));
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_Name(3, "", AtomicDirGet), QString("Glide"));
    QCOMPARE(f.Property("timerName", "gp_text").toString(), QString("Glide"));
  }

  // "+" on timer 2 with alarms 0 to 2 in use makes alarm 3, a beep, and its
  // hidden switch "VSi<n>T2Alm3" held on by both inputs, in the simulated
  // transceiver too; deleting the alarm removes the switch first, and the
  // alarm only once the task is done. A visible switch the user gave an
  // alarm stays when the alarm goes.
  void alarmAddAndDelete() {
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    constexpr int timer = 2;
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(timer, 1, AtomicDirSet), 1);
    for (int a = 0; a < 3; ++a)
      QVERIFY(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(timer, a, 8, AtomicDirSet) > 0);
    QVERIFY(Open(f, kAlarms, {{"tmrId", timer}}));
    const int made = db.KLX_DataBaseManagerSwitchGetNextFreeIndex();
    QVERIFY(f.Tap("alarmAdd"));
    QVERIFY(TaskEnded(f));
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(timer, 3, 0, AtomicDirGet), 8 | 4);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_Name(made, "", AtomicDirGet), QString("VSi%1T2Alm3").arg(made));
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsVisible(made, 0, AtomicDirGet, false), 0);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(made, 0, 0, AtomicDirGet, false), kFixedOn);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(made, 1, 0, AtomicDirGet, false), kFixedOn);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Control(timer, 3, 0, AtomicDirGet), kVirtual0 + made);
    QCOMPARE(db.CmplxTimerGetSet_TimerAlarm_TextVoice(timer, 3, "", AtomicDirGet), QString("None"));
    QCOMPARE(f.Property("alarmSignal_3", "gp_text").toString(), QString("Beep"));
    QCOMPARE(f.Property("alarmControl_3", "gp_text").toString(), QString("On"));

    f.Hold(f.Centre(f.Item("alarmRange_3")), 1000);
    QVERIFY(f.Tap("option_delete"));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QVERIFY(TaskEnded(f));
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsUsed(made, 0, AtomicDirGet, false), 0);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(timer, 3, 0, AtomicDirGet) & 7, 0);
    QTRY_VERIFY(f.Item("alarmRange_3") == nullptr);
    QCOMPARE(f.Controllers().TransceiverController().HeldModel().Record(CSimModel::VSwitch, made),
             QByteArray(f.Controllers().TransceiverController().HeldModel().Record(CSimModel::VSwitch, made).size(), '\0'));

    constexpr int visible = 20;
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsUsed(visible, 1, AtomicDirSet, false), 1);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsVisible(visible, 1, AtomicDirSet, false), 1);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Control(timer, 2, kVirtual0 + visible, AtomicDirSet),
             kVirtual0 + visible);
    QVERIFY(Open(f, kAlarms, {{"tmrId", timer}}));
    f.Hold(f.Centre(f.Item("alarmRange_2")), 1000);
    QVERIFY(f.Tap("option_delete"));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_VERIFY(f.Item("alarmRange_2") == nullptr);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsUsed(visible, 0, AtomicDirGet, false), 1);
  }

  // "Repeat" moves along the store's interval table in the step's
  // direction; one shot makes the end the start and hides it (the store
  // keeps no interval of 0, so it stays).
  void repeatSteps_data() {
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("up from 10") << 10 << "+" << 15 << "15 s";
    QTest::newRow("down from 10") << 10 << "-" << 5 << "5 s";
    QTest::newRow("up from 60") << 60 << "+" << 120 << "2 min";
    QTest::newRow("down from 2: the store keeps 1 at least") << 2 << "--" << 1 << "1 s";
  }
  void repeatSteps() {
    QFETCH(int, interval);
    QFETCH(QString, key);
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(4, 1, AtomicDirSet), 1);
    QVERIFY(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(4, 0, 8, AtomicDirSet) > 0);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmStop_Min(4, 0, 5, AtomicDirSet), 5);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(4, 0, interval, AtomicDirSet), interval);
    QVERIFY(Open(f, kFolder + "TimeRangeAlarmSettings.qml", {{"timerID", 4}, {"alarmID", 0}}));
    QVERIFY(f.Tap("alarmRepeat"));
    QVERIFY(FlyinOut(f));
    QVERIFY(f.Tap("flyin_" + key));
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(4, 0, 0, AtomicDirGet), stored);
    QCOMPARE(f.Property("alarmRepeat", "gp_text").toString(), shown);
    QVERIFY(f.Tap("flyin_OK"));
  }
  void oneShot() {
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(5, 1, AtomicDirSet), 1);
    QVERIFY(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(5, 1, 8, AtomicDirSet) > 0);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmStart_Min(5, 1, 2, AtomicDirSet), 2);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmStop_Min(5, 1, 7, AtomicDirSet), 7);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(5, 1, 30, AtomicDirSet), 30);
    QVERIFY(Open(f, kFolder + "TimeRangeAlarmSettings.qml", {{"timerID", 5}, {"alarmID", 1}}));
    QCOMPARE(f.Property("alarmMode", "gp_text").toString(), QString("Interval"));
    QVERIFY(f.Tap("alarmMode"));
    QCOMPARE(f.Property("alarmMode", "gp_text").toString(), QString("One shot"));
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(5, 1, 0, AtomicDirGet), 30);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmStop_Min(5, 1, 0, AtomicDirGet), 2);
    QVERIFY(!f.Item("alarmRepeat")->isVisible());
    QVERIFY(!f.Item("alarmTime_4")->isVisible());
    // A start field stepped in one-shot mode takes the end along.
    QVERIFY(f.Tap("alarmTime_1"));
    QVERIFY(FlyinOut(f));
    QVERIFY(f.Tap("flyin_+"));
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmStop_Min(5, 1, 0, AtomicDirGet), 3);
    QVERIFY(f.Tap("flyin_OK"));
    f.Grab("timers-alarm-one-shot.png");
  }

  // The play button of the message screen hands the alarm's message to
  // the speech queue.
  void messageSpoken() {
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(6, 1, AtomicDirSet), 1);
    QVERIFY(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(6, 0, 8 | 128, AtomicDirSet) > 0);
    QVERIFY(Open(f, kFolder + "AlarmMessageSettings.qml", {{"timer_ID", 6}, {"alarm_ID", 0}, {"textMsgFlag", true}}));
    QVERIFY(f.Tap("messageText"));
    f.Named("keyboardField")->setProperty("text", "Land now");
    f.Call("keyboard", "ok");
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(6, 0, "", AtomicDirGet), QString("Land now"));
    const KLX_AudioHandler* audio = db.KLX_DatabaseManagerAudioHandlerPointer();
    const int before = audio->QueuedPhrases().size();
    QVERIFY(f.Tap("messagePlay"));
    QTRY_VERIFY(audio->QueuedPhrases().size() > before);
    QCOMPARE(audio->QueuedPhrases().mid(before).first().text, QString("Land now"));
  }

  // A voice alarm tied to complex timer 1 stores 8 + 1 in its timer bits;
  // "Expired" then stores 2 x 64 + 9; another timer keeps the event.
  void voiceTimerEvents() {
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    QCOMPARE(db.KLX_DataBaseManagerGetMaxTimer(true), 8);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetTimer(0, 0, AtomicDirSet), 0);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(1, 1, AtomicDirSet), 1);
    db.KLX_DataBaseManagerCmplxTimerGetSet_Name(1, "Flight", AtomicDirSet);
    QVERIFY(Open(f, kFolder + "VoiceTimerSelector.qml", {{"itemNumTimer", 0}}));
    QVERIFY(f.Tap("timerRow_9"));
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetTimer(0, 0, AtomicDirGet), 9);
    QCOMPARE(f.Property("timerEvent_9", "gp_text").toString(), QString("None"));
    QVERIFY(f.Tap("timerEvent_9"));
    QVERIFY(f.WaitShown(kFolder + "VoiceTimerAlarmSelector.qml"));
    QCOMPARE(f.Property("eventHeading", "text").toString(), QString("Voice alarm for Flight"));
    QVERIFY(f.Tap("event_2"));
    QVERIFY(f.WaitShown(kFolder + "VoiceTimerSelector.qml"));
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetTimer(0, 0, AtomicDirGet), 137);
    QTRY_COMPARE(f.Property("timerEvent_9", "gp_text").toString(), QString("Expired"));
    QVERIFY(f.Tap("timerRow_0"));
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetTimer(0, 0, AtomicDirGet), 128);
  }

  // With "Selection" enabled a moved control joins the list; switch C is
  // listed under its momentary id, and moved again it leaves the list and
  // the store. The touch keys are locked meanwhile.
  void preflightControlsByMovement() {
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    db.KLX_DataBaseManagerPreflightSettingsClearAll();
    QVERIFY(Move(f, kRotaryA, -2047));
    QVERIFY(Move(f, kSwitchC, -2047));
    QVERIFY(Open(f, kPreflight));
    QCOMPARE(f.Property("preflightSelection", "gp_text").toString(), QString("Disabled"));
    QVERIFY(f.Tap("preflightSelection"));
    QCOMPARE(f.Property("preflightSelection", "gp_text").toString(), QString("Enabled"));
    QCOMPARE(f.Root()->property("userInputLocked").toBool(), true);
    const auto unlocked = [&] { return !f.Property("preflightChecklist", "locked").toBool(); };

    QVERIFY(Move(f, kRotaryA, 2047));
    QTRY_COMPARE(Preflight(db), QList<int>({kRotaryA}));
    QCOMPARE(f.Property("preflightControl", "text").toString(), QString("RO-A"));
    QTRY_COMPARE(f.Property("preflightPosition", "text").toString(), QString("100 %"));
    QTRY_VERIFY(unlocked());
    QVERIFY(Move(f, kSwitchC, 2047));
    QTRY_COMPARE(Preflight(db), QList<int>({kRotaryA, kSwitchCMomentary}));
    QVERIFY(f.Item(QString("preflightRow_%1").arg(kSwitchCMomentary)) != nullptr);
    QCOMPARE(f.Property("preflightControl", "text").toString(), QString("SW-CT"));
    QTRY_VERIFY(unlocked());
    QVERIFY(Move(f, kSwitchC, -2047));
    QTRY_COMPARE(Preflight(db), QList<int>({kRotaryA}));
    QTRY_VERIFY(f.Item(QString("preflightRow_%1").arg(kSwitchCMomentary)) == nullptr);

    QVERIFY(f.Tap("preflightSelection"));
    QCOMPARE(f.Root()->property("userInputLocked").toBool(), false);
    QVERIFY(f.Tap("preflightUsed"));
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_IsUsed(false, AtomicDirGet), true);
    QVERIFY(f.Tap("preflightOk"));
    QTRY_VERIFY(f.Shown() != kPreflight);
    QCOMPARE(Preflight(db), QList<int>({kRotaryA}));
    db.KLX_DataBaseManagerPreflightGetSet_IsUsed(false, AtomicDirSet);
    db.KLX_DataBaseManagerPreflightSettingsClearAll();
  }

  // The start-up check names at most six controls out of position, then
  // "..."; a control moved into place leaves the report; "Cancel" lets the
  // radio start. A control removed from the list leaves a gap in the store
  // that the controls after it are still read past.
  void preflightStartCheck() {
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    db.KLX_DataBaseManagerPreflightSettingsClearAll();
    const QList<int> ids = {kStickA, kStickB, kStickC, kStickD, kRotaryA, kSliderA, kRotaryB, kSliderB};
    for (int id : ids) {
      QVERIFY(Move(f, id, -2047));
      QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(id, true, AtomicDirSet), id);
      QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_ControlPosition(id, 2047, AtomicDirSet), 2047);
    }
    QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(kStickB, false, AtomicDirSet), 0);
    // As a model load does: the check is armed.
    db.KLX_DataBaseManagerPreflightGetSet_IsUsed(true, AtomicDirSet, false);
    db.KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_MODEL_PREFL, AtomicDirSet);
    QVERIFY(Open(f, kHome));
    QTRY_COMPARE(f.Property("preflightReport", "text").toString(),
                 QString("Check positions:\nST-A\nST-C\nST-D\nRO-A\nSL-A\nRO-B\n..."));
    f.Grab("timers-home-preflight.png");
    for (int id : {kStickA, kStickC}) QVERIFY(Move(f, id, 2047));
    QTRY_COMPARE(f.Property("preflightReport", "text").toString(),
                 QString("Check positions:\nST-D\nRO-A\nSL-A\nRO-B\nSL-B"));
    QCOMPARE(db.KLX_DataBaseManagerPreflightIsChecked(), 0);
    QVERIFY(f.Tap("preflightCancel"));
    QCOMPARE(db.KLX_DataBaseManagerPreflightIsChecked(), 1);
    db.KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_SYSTEM_UP, AtomicDirSet);
    QTRY_COMPARE(f.Property("preflight", "visible").toBool(), false);
    db.KLX_DataBaseManagerPreflightGetSet_IsUsed(false, AtomicDirSet);
    db.KLX_DataBaseManagerPreflightSettingsClearAll();
    for (int id : ids) QVERIFY(Move(f, id, 0));
  }

  // A voice alarm's activator from its settings: a three-position switch
  // goes through a hidden switch "VSi<n>VAact<alarm>" made by the element
  // task, a two-position switch in directly; both make the alarm controlled
  // with a window of 5 % of the travel, and the editor returns to the alarm.
  void voiceActivatorChosen_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("three-position switch A") << kSwitchA << true;
    QTest::newRow("two-position switch C") << kSwitchC << false;
  }
  void voiceActivatorChosen() {
    QFETCH(int, control);
    QFETCH(bool, hidden);
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    constexpr int alarm = 5;
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetType(alarm, 1, AtomicDirSet), 1);
    QVERIFY(Move(f, control, -2047));
    QVERIFY(Open(f, kVoice, {{"itemNum", alarm}}));
    QCOMPARE(f.Property("voiceActivator", "gp_text").toString(), QString("Off"));
    const int made = db.KLX_DataBaseManagerSwitchGetNextFreeIndex();
    QVERIFY(f.Tap("voiceActivator"));
    QVERIFY(f.WaitShown(kSelector));
    f.Settle();
    QVERIFY(Move(f, control, 2047));
    QTRY_COMPARE(f.Property("controlSelector", "chosenControl").toInt(), control);
    QVERIFY(f.Tap("selectorOk"));
    QVERIFY(f.WaitShown(kEditor));
    QVERIFY(TaskEnded(f));
    QCOMPARE(f.Property("switchPointEditor", "sourceOptionNumber").toInt(), 8);
    QVERIFY(f.Tap("editorOk"));
    QVERIFY(f.WaitShown(kVoice));
    QCOMPARE(f.Property("voiceSettings", "itemNum").toInt(), alarm);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetType(alarm, 0, AtomicDirGet), 128 | 1);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetActivatorHystAbove(alarm, 0, AtomicDirGet), 102);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetActivatorHystBelow(alarm, 0, AtomicDirGet), -102);
    if (hidden) {
      QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetActivator(alarm, 0, AtomicDirGet), kVirtual0 + made);
      QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_Name(made, "", AtomicDirGet), QString("VSi%1VAact%2").arg(made).arg(alarm));
      QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsVisible(made, 0, AtomicDirGet, false), 0);
      QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(made, 0, 0, AtomicDirGet, false), control);
    } else {
      QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetActivator(alarm, 0, AtomicDirGet), control);
    }
    QCOMPARE(f.Property("voiceActivator", "gp_text").toString(), QString(hidden ? "SW-A" : "SW-C"));
    db.KLX_DataBaseManagerVAlarmClear(alarm);
  }

  // "Teach" takes each listed control's present value as its start
  // position; a control the stick controller has not reported yet has no
  // value the store can keep.
  void preflightTeach_data() {
    QTest::addColumn<bool>("reported");
    QTest::addColumn<QString>("answer");
    QTest::newRow("controls reported") << true << "Controls teached!";
    QTest::newRow("nothing reported yet") << false << "Controls teached incorrect - try again!";
  }
  void preflightTeach() {
    QFETCH(bool, reported);
    QFETCH(QString, answer);
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    f.Controllers().SetStreaming(reported);
    if (reported) {
      QVERIFY(Move(f, kStickA, 1000));
      QVERIFY(Move(f, kRotaryA, -512));
    }
    for (int id : {kStickA, kRotaryA})
      QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(id, true, AtomicDirSet), id);
    QVERIFY(Open(f, kPreflight));
    QVERIFY(f.Tap("preflightTeach"));
    QCOMPARE(f.PopupText(), answer);
    if (reported) {
      QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_ControlPosition(kStickA, 0, AtomicDirGet), 1000);
      QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_ControlPosition(kRotaryA, 0, AtomicDirGet), -512);
    }
    f.Call("", "popupClose");
  }

  // Each screen at 480 x 272 on both boards.
  void screenshots_data() { BoardRows(); }
  void screenshots() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, AtomicDirSet), 1);
    db.KLX_DataBaseManagerTimerGetSet_Name(0, "Motor", AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_StartTimeMinute(0, 6, AtomicDirSet), 6);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(0, 1, AtomicDirSet), 1);
    db.KLX_DataBaseManagerCmplxTimerGetSet_Name(0, "Flight", AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_StartMinute(0, 10, AtomicDirSet), 10);
    QVERIFY(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(0, 0, 8 | 64, AtomicDirSet) > 0);
    QVERIFY(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(0, 1, 16 | 32 | 128, AtomicDirSet) > 0);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmStart_Min(0, 1, 1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(0, 0, 30, AtomicDirSet), 30);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetTimer(0, 3 << 6 | 8, AtomicDirSet), 3 << 6 | 8);
    for (int id : {kStickA, kSwitchCMomentary, kRotaryA})
      QCOMPARE(db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(id, true, AtomicDirSet), id);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetType(1, 64 | 1, AtomicDirSet), 64 | 1);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetTimeStep(1, 30, AtomicDirSet), 30);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetType(2, 128 | 0, AtomicDirSet), 128);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetActivator(2, kSwitchA, AtomicDirSet), kSwitchA);
    db.KLX_DataBaseManagerVAlarmGetSetStaticMsgByAlrmIdx(2, "Gear down", AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetType(3, 64 | 8, AtomicDirSet), 64 | 8);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetIndividualBit(3, 1 | 8, AtomicDirSet), 1 | 8);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetType(4, 64 | 3, AtomicDirSet), 64 | 3);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetTimer(4, 1 << 6 | 0, AtomicDirSet), 1 << 6);
    const QString suffix = "-" + tag + ".png";
    const QList<QPair<QString, QVariantMap>> screens = {
        {"35_TimerSetup.qml", {{"timerId", 0}, {"timerTypeNew", false}}},
        {"35_TimerSetup.qml", {{"timerId", 0}, {"timerTypeNew", true}}},
        {"TimerAudioSettings.qml", {{"tmrId", 0}}},
        {"TimeRangeAlarmSettings.qml", {{"timerID", 0}, {"alarmID", 0}}},
        {"AlarmMessageSettings.qml", {{"timer_ID", 0}, {"alarm_ID", 1}, {"textMsgFlag", true}}},
        {"VoiceTimerSelector.qml", {{"itemNumTimer", 0}}},
        {"VoiceTimerAlarmSelector.qml", {{"vAlarmId", 0}}},
        {"PreflightChecklist.qml", {}},
        {"VoiceSettings.qml", {}},
        {"VoiceSettings.qml", {{"itemNum", 1}}},
        {"VoiceSettings.qml", {{"itemNum", 2}}},
        {"VoiceTelemetryIndividual.qml", {{"itemNum", 3}}},
    };
    for (int i = 0; i < screens.size(); ++i) {
      QVERIFY2(Open(f, kFolder + screens[i].first, screens[i].second), qPrintable(screens[i].first));
      QVERIFY(f.Popup() == nullptr);
      f.Grab(QString("timers-%1-%2").arg(i).arg(QString(screens[i].first).remove(".qml")) + suffix);
    }
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestTimerScreens test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_screens.moc"
