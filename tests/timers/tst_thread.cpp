// The timers-and-alarms thread on the test's clock: timers driven by
// virtual switches of the engine (a switch moved on the simulated stick
// controller), the complex timers' alarms with what they ask of the beeper,
// the vibration and the speech queue, the board's timer count, a late pass,
// and the bad-model-data warning.
#include "link/klx_messageids.h"
#include "model/klx_functionalcalculation.h"
#include "model/model_fixture.h"
#include "tasks/tasks_fixture.h"
#include "timers/klx_complextimer.h"
#include "timers/klx_timersalarms.h"

namespace {
constexpr int W = AtomicDirSet;
constexpr int R = AtomicDirGet;
constexpr int kOn = 2047;
constexpr int kOff = -2047;
constexpr int kFixedOn = 2;  // the control that is always on
constexpr int kSwitchA = 768, kSwitchB = 769, kSwitchC = 770;
constexpr int kVs = 1280;  // control id of virtual switch 0

// Virtual switch `vs` on while `control` stands above 40 %.
void SwitchOn(KLX_DataBaseManager& db, int vs, int control) {
  db.KLX_DataBaseManagerSwitchGetSet_IsUsed(vs, 1, W, false);
  db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(vs, 0, control, W, false);
  db.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(vs, 0, 40, W, false);
  db.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(vs, 0, 30, W, false);
}

// The timers thread of a facade on `clock`, processing, a model loaded.
bool StartThread(VornFixture& fx) {
  KLX_TimersAlarms& thread = *fx.runtime.KLX_RuntimeDatabaseManagerTimersAlarms();
  thread.KLX_TimersAlarmsSetClock(&fx.clock);
  if (thread.KLX_TimersAlarmsInitialize(&fx.db, &fx.runtime) != KLX_Ok) return false;
  thread.KLX_TimersAlarmsStartProcessing();
  fx.db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, W);
  return true;
}

QStringList Phrases(KLX_DataBaseManager& db) {
  QStringList texts;
  for (const AudioHandler::phrase_t& p : db.KLX_DatabaseManagerAudioHandlerPointer()->QueuedPhrases()) texts << p.text;
  return texts;
}

// The facade, its engine stepped by the test, the timers thread; the audio
// thread stopped so that what is spoken stays queued.
struct ThreadRig : ModelFixture {
  KLX_FunctionalCalculation& engine{*runtime.KLX_RuntimeDatabaseManagerEngine()};
  KLX_TimersAlarms& thread{*runtime.KLX_RuntimeDatabaseManagerTimersAlarms()};
  explicit ThreadRig(int board = KL_BOARD_VORN) : ModelFixture(board) {
    db.KLX_DatabaseManagerAudioHandlerPointer()->KLX_AudioHandlerStop();
    engine.KLX_FunctionalCalculationInitialize(&db, &runtime);
  }
  bool Passes(int n) { return clock.KLX_ManualClockRun(qint64(n) * KLX_TimersAlarms::kPeriodMs); }
  void EnginePasses(int n) {
    for (int i = 0; i < n; ++i) engine.KLX_FunctionalCalculationPass();
  }
  // A published control standing for virtual switch n, at `value`.
  CControl* Slot(int n, int value) {
    CControl* c = db.KLX_DataBaseManagerGetControl(static_cast<unsigned char>(32 + n));
    c->SetID(static_cast<unsigned short>(kVs + n));
    c->SetValue(static_cast<short>(value));
    return c;
  }
};

// The task pipeline with the simulated controllers streaming, the engine
// stepped by the test and the timers thread, all on one clock.
struct BusRig : TaskRig {
  KLX_FunctionalCalculation& engine{*runtime.KLX_RuntimeDatabaseManagerEngine()};
  KLX_TimersAlarms& thread{*runtime.KLX_RuntimeDatabaseManagerTimersAlarms()};
  bool Up() {
    sim.SetStreaming(true);
    if (!Start() || engine.KLX_FunctionalCalculationInitialize(&db, &runtime) != KLX_Ok || !StartThread(*this))
      return false;
    ++waiters;
    // The first pass after the load, which counts no time, is behind.
    return Passes(1);
  }
  // A hand moves the switch; the program hears it, then the engine computes.
  bool Move(int control, int value) {
    // Where the direction word turns the switch round, the hand moves it the other way.
    if (!sim.SetControl(control, value)) return false;
    if (sim.ReportedControl(control) != value && !sim.SetControl(control, -value)) return false;
    // However late the board's report comes, the switch is waited for, the clock stepped meanwhile.
    for (QDeadlineTimer up(kVornHangMs); !up.hasExpired();) {
      if (QTest::qWaitFor([&] { return db.KLX_DataBaseManagerGetValueOfControl(control) == value; }, 50)) {
        for (int p = 0; p < 6; ++p) engine.KLX_FunctionalCalculationPass();
        return true;
      }
      if (!Run(20)) return false;
    }
    return false;
  }
  bool Passes(int n) { return Run(qint64(n) * KLX_TimersAlarms::kPeriodMs); }
};
}  // namespace

class TimersThread : public QObject {
  Q_OBJECT

 private slots:
  // A count-down minute started, stopped and reset by switches A, B and C
  // through virtual switches 0, 1 and 2.
  void switchesOnTheStickControllerDriveATimer() {
    BusRig r;
    QVERIFY(r.Up());
    KLX_DataBaseManager& db = r.db;
    SwitchOn(db, 0, kSwitchA);
    SwitchOn(db, 1, kSwitchB);
    SwitchOn(db, 2, kSwitchC);
    for (int control : {kSwitchA, kSwitchB, kSwitchC}) QVERIFY(r.Move(control, kOff));
    db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, W);
    db.KLX_DataBaseManagerTimerGetSet_StartTimeMinute(0, 1, W);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(0, 0, W), 0);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw(0, 1, W), 1);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_SwitchResetVirtSw(0, 2, W), 2);
    QCOMPARE(db.KLX_TimerGetState(0), 2);

    QVERIFY(r.Move(kSwitchA, kOn));
    QCOMPARE(db.KLX_TimerGetState(0), 1);
    const int at = db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(0, 0, R);
    QVERIFY(r.Passes(10));
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(0, 0, R), at - 1500);
    QVERIFY(r.Passes(20 * 1000 / 150));
    const int value = db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(0, 0, R);
    QCOMPARE(value, at - 1500 - 19950);
    char text[32] = "T1 ";
    QCOMPARE(db.KLX_DataBaseManagerTimerGet_ActualTimeChars(0, text, sizeof text), 0);
    QCOMPARE(QString(text), QStringLiteral("T1 %1seconds").arg(value / 1000));
    // Kept across a model load: the running value is what is saved.
    db.KLX_DataBaseManagerTimerGetSet_LastValueKeep(0, 1, W);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_ValueStored(0, 0, AtomicDirGetForcibly), value);

    QVERIFY(r.Move(kSwitchB, kOn));
    QCOMPARE(db.KLX_TimerGetState(0), 2);
    const int stopped = db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(0, 0, R);
    QVERIFY(r.Passes(10));
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(0, 0, R), stopped);

    QVERIFY(r.Move(kSwitchC, kOn));
    QCOMPARE(db.KLX_TimerGetState(0), 3);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(0, 0, R), 60000);
    QVERIFY(r.Passes(1));
    QCOMPARE(db.KLX_DataBaseManagerTimerGet_ActualTimeMinute(0), 1);
  }

  // A count-down from 0:10:00 with two alarms enabled by a virtual switch
  // that is always on: every minute down to 0:05:00 the time is spoken with
  // a long beep, and once at 0:09:00 a vibration and a message.
  void complexAlarmsAtPointsAndIntervals() {
    ThreadRig fx;
    SwitchOn(fx.db, 3, kFixedOn);
    fx.EnginePasses(4);
    QCOMPARE(kl_engine_get_virtual_switch_outputbyControl(kVs + 3), kOn);
    KLX_ComplexTimer& store = *fx.db.KLX_DataBaseManagerComplexTimerStore();
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(0, 1, W);
    db.KLX_DataBaseManagerCmplxTimerGetSet_StartMinute(0, 10, W);
    db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(0, 0, 0x08 | 0x20, W);
    db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmStop_Min(0, 0, 5, W);
    db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(0, 0, 60, W);
    db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_BeepTone(0, 0, 1000 | 0x1000, W);
    db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Control(0, 0, kVs + 3, W);
    db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(0, 1, 0x10, W);
    db.KLX_DataBaseManagerCmplxTimerGetSet_MessageFlag(0, 1, 1, W);
    db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmStart_Min(0, 1, 9, W);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_OneShot(0, 1, W), 1);
    db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(0, 1, "Halfway", W);
    db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Control(0, 1, kVs + 3, W);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetAlarmRange_String(0, 0), QString("10:00...05:00"));
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetAlarmRange_String(0, 1), QString("09:00"));

    // One tick by hand: the first interval fires at 0:10:00.
    CControl start, stop;
    start.SetID(kVs + 5);
    stop.SetID(kVs + 6);
    stop.SetValue(kOff);
    start.SetValue(kOn);
    store.KLX_ComplexTimerGetSet_Control(0, TimerStatusStop, kVs + 6, &stop, W);
    store.KLX_ComplexTimerGetSet_Control(0, TimerStatusStart, kVs + 5, &start, W);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGet_CountDownFlag(0), 1);
    QCOMPARE(store.KLX_ComplexTimerGet_State(0), 1);
    store.KLX_ComplexTimerCalculate(0, 0);
    uint8_t signalsByte = 0;
    uint16_t tone = 0;
    store.KLX_ComplexTimerGetAllAlarmSignals(&signalsByte, &tone);
    QCOMPARE(int(signalsByte), 0x13);  // beep, long beep, short spoken time
    QCOMPARE(int(tone), 1000);
    QCOMPARE(store.KLX_ComplexTimerTakeAlarmMessages().size(), 1);

    // The thread from there: 61 s of passes.
    fx.Drop();
    QVERIFY(StartThread(fx));
    QVERIFY(fx.Passes(410));
    QCOMPARE(Phrases(db), (QStringList{"9minutes", "Halfway"}));
    QList<QByteArray> vibrations;
    for (const KLX_Message& m : fx.Sent())
      if (m.id == KLX_MSG_VIBRATION) vibrations << m.data;
    QCOMPARE(vibrations, QList<QByteArray>{Le16s({100, 150, 2})});
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetActualTime_String(0, false), QString("08:59"));
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetActualTime_String(0, true), QString("00:08:59"));

    // The virtual switch off: no alarm any more.
    db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(3, 0, 0, W, false);
    fx.EnginePasses(4);
    QVERIFY(fx.Passes(400));
    QCOMPARE(Phrases(db), (QStringList{"9minutes", "Halfway"}));
    // A reset re-arms: the timer at its start fires again.
    CControl reset;
    reset.SetID(kVs + 7);
    reset.SetValue(kOn);
    store.KLX_ComplexTimerGetSet_Control(0, TimerStatusReset, kVs + 7, &reset, W);
    QCOMPARE(store.KLX_ComplexTimerGet_State(0), 3);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetActualTime_String(0, false), QString("10:00"));
  }

  // More than 32 phrases in one tick: the newest 32 are spoken.
  void atMost32PhrasesATick() {
    ThreadRig fx;
    SwitchOn(fx.db, 3, kFixedOn);
    fx.EnginePasses(4);
    KLX_DataBaseManager& db = fx.db;
    CControl start;
    start.SetID(kVs + 5);
    start.SetValue(kOn);
    for (int t = 0; t < 5; ++t) {
      db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(t, 1, W);
      db.KLX_DataBaseManagerCmplxTimerGetSet_Name(t, QStringLiteral("T%1").arg(t), W);
      for (int a = 0; a < 7; ++a) {
        db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(t, a, 0x80, W);
        db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(t, a, QStringLiteral("%1.%2").arg(t).arg(a), W);
        db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Control(t, a, kVs + 3, W);
      }
      db.KLX_DataBaseManagerComplexTimerStore()->KLX_ComplexTimerGetSet_Control(t, TimerStatusStart, kVs + 5, &start,
                                                                               W);
    }
    QVERIFY(StartThread(fx));
    QVERIFY(fx.Passes(1));
    const QStringList phrases = Phrases(db);
    QCOMPARE(phrases.size(), 32);
    QCOMPARE(phrases.first(), QString("0.3"));
    QCOMPARE(phrases.last(), QString("4.6"));
  }

  // The smaller board advances four timers of each kind, the processing
  // switches clear all eight alarm flags, and a late pass counts the time
  // that really passed.
  void boardsTimerCountAndALatePass_data() { AddBoardRows(); }
  void boardsTimerCountAndALatePass() {
    QFETCH(int, board);
    ThreadRig fx(board);
    KLX_DataBaseManager& db = fx.db;
    fx.Slot(0, kOff);
    fx.Slot(1, kOff);
    CControl start;
    start.SetID(kVs);
    start.SetValue(kOn);
    for (int t : {3, 4}) {
      db.KLX_DataBaseManagerTimerGetSet_IsUsed(t, 1, W);
      db.KLX_DataBaseManagerTimerGetSet_StartTimeMinute(t, 1, W);
      db.KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw(t, 1, W);
      db.KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(t, 0, W);
      db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(t, 1, W);
      db.KLX_DataBaseManagerCmplxTimerGetSet_StartMinute(t, 1, W);
      db.KLX_DataBaseManagerCmplxTimerGetSet_LastValueKeep(t, 1, W);
      db.KLX_DataBaseManagerComplexTimerStore()->KLX_ComplexTimerGetSet_Control(t, TimerStatusStart, kVs, &start, W);
    }
    fx.Slot(0, kOn);
    db.KLX_DataBaseManagerTimerGetSet_AlarmIsTriggered(7, 1, W);
    QVERIFY(StartThread(fx));
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_AlarmIsTriggered(7, 0, R), 0);
    QVERIFY(fx.Passes(5));  // the first pass after the load counts 0 ms
    const int moved = 60000 - 4 * 150;
    const bool larger = board == KL_BOARD_VORN;
    QCOMPARE((QList<int>{db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(3, 0, R),
                         db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(4, 0, R),
                         db.KLX_DataBaseManagerCmplxTimerGetSet_ValueStored(3, 0, AtomicDirGetForcibly),
                         db.KLX_DataBaseManagerCmplxTimerGetSet_ValueStored(4, 0, AtomicDirGetForcibly)}),
             (QList<int>{moved, larger ? moved : 60000, moved, larger ? moved : 60000}));
    QCOMPARE(fx.thread.KLX_TimersAlarmsTickCounter(), 750u);

    // The next pass a second late: the timers count the whole second.
    const uint32_t ticks = fx.thread.KLX_TimersAlarmsTickCounter();
    fx.clock.KLX_ManualClockAdvance(1000);
    QTRY_COMPARE(fx.thread.KLX_TimersAlarmsTickCounter(), ticks + 150);
    QVERIFY(fx.clock.KLX_ManualClockAwaitWaiters(1));
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(3, 0, R), moved - 1000);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_ValueStored(3, 0, AtomicDirGetForcibly), moved - 1000);

    db.KLX_DataBaseManagerTimerGetSet_AlarmIsTriggered(6, 1, W);
    fx.thread.KLX_TimersAlarmsStopProcessing();
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_AlarmIsTriggered(6, 0, R), 0);
    QVERIFY(fx.Passes(3));
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(3, 0, R), moved - 1000);
  }

  // A switch number that names no virtual switch of the board (none, the
  // number left by a disconnect, one past the board's switches) connects
  // nothing: the control that its slot would be never starts the timer.
  void numbersOfNoVirtualSwitchConnectNothing_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<int>("number");
    QTest::newRow("none") << int(KL_BOARD_VORN) << 128;
    QTest::newRow("disconnected") << int(KL_BOARD_VORN) << 65535;
    QTest::newRow("beyond the smaller board") << int(KL_BOARD_FENK) << int(kl_engine_cfg_Fenk[EngineCfgVirtualSwitches]);
  }
  void numbersOfNoVirtualSwitchConnectNothing() {
    QFETCH(int, board);
    QFETCH(int, number);
    ThreadRig fx(board);
    KLX_DataBaseManager& db = fx.db;
    fx.Slot(1, kOff);
    CControl* other = db.KLX_DataBaseManagerGetControl(static_cast<unsigned char>((number + 32) & 0xFF));
    other->SetID(kVs + 20);
    other->SetValue(kOff);
    db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, W);
    db.KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw(0, 1, W);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(0, number, W), number & 0xFFFF);
    other->SetValue(kOn);
    QCOMPARE(db.KLX_TimerGetState(0), 2);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(0, 0, R), number & 0xFFFF);
  }

  // Nothing moves without a loaded model; the first pass after a load
  // counts no time spent loading.
  void onlyWithAModelLoaded() {
    ThreadRig fx;
    KLX_DataBaseManager& db = fx.db;
    fx.Slot(0, kOff);
    fx.Slot(1, kOff);
    db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, W);
    db.KLX_DataBaseManagerTimerGetSet_StartTimeMinute(0, 1, W);
    db.KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw(0, 1, W);
    db.KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(0, 0, W);
    fx.Slot(0, kOn);
    QVERIFY(StartThread(fx));
    db.KLX_DataBaseManagerGetSetModelLoadState(0, W);
    QVERIFY(fx.Passes(20));
    KLX_RuntimeCalcAlarm& calc = *fx.thread.KLX_TimersAlarmsRuntimeCalcPtr();
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(0, 0, R), 60000);
    QCOMPARE(calc.VoicePasses(), 0);
    QCOMPARE(calc.TelemetryPasses(), 0);
    db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, W);
    QVERIFY(fx.Passes(2));
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(0, 0, R), 60000 - 150);
    QCOMPARE(calc.VoicePasses(), 2);
    QCOMPARE(calc.LastTick(), 150u);
  }

  // The bad-model-data warning: on the first pass, then once more than
  // 20 s after the last.
  void badModelDataWarningRepeats() {
    ThreadRig fx;
    fx.db.KLX_DataBaseManagerModelCRCGetSet_AlarmBadModelDataFlag(true, W);
    QVERIFY(StartThread(fx));
    const QString warning("Attention:data synchronization failed!Please land your aircraft!");
    QVERIFY(fx.Passes(1));
    QCOMPARE(Phrases(fx.db), QStringList{warning});
    QVERIFY(fx.Passes(133));  // 19950 ms after the warning
    QCOMPARE(Phrases(fx.db).size(), 1);
    QVERIFY(fx.Passes(1));
    QCOMPARE(Phrases(fx.db), (QStringList{warning, warning}));
  }
};

QTEST_GUILESS_MAIN(TimersThread)
#include "tst_thread.moc"
