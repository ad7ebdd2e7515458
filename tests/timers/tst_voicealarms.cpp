// Voice alarms through their decisions (the hysteresis window both ways,
// value steps as integers and as floats, time steps, status texts, the
// individual type), their number texts, what the evaluation loop speaks for a
// value the simulated battery sends, a controlled alarm that takes back what
// it queued, and a timer announced by its whole displayed time.
#include "../telemetry/telemetry_fixture.h"
#include "model/engine/kl_engine_state.h"
#include "model/model_fixture.h"
#include "timers/klx_runtimecalcalarm.h"
#include "timers/klx_timersalarms.h"
#include "timers/klx_voicealarm.h"

namespace {
using DV = KLX_DatabaseValues;
constexpr int W = AtomicDirSet;
constexpr int R = AtomicDirGet;
constexpr int kOn = 2047, kOff = -2047;
constexpr int kVs = 1280;
constexpr int kStickA = 256;

// One decision: its inputs and what it answers: 'S' speaks, '-' silent,
// 'X' a controlled alarm switched off.
struct Step {
  int control;
  int value;
  int decPoint;
  uint32_t tick;
  const char* status;
  char expected;
};
struct Case {
  const char* name;
  int typeMode;
  int hystAbove, hystBelow;
  int valueStep, stepDecPoint;
  int timeStep;
  int timerId;
  QList<Step> steps;
};

const int kAlways = DV::VALARM_ModeAlwaysOn, kControlled = DV::VALARM_ModeControlled;
const QList<Case> kCases = {
    {"controlled, the default window",
     kControlled | DV::VALARM_PlainText, 20, -20, 0, 0, 0, 255,
     {{0, 0, 0, 0, "", '-'}, {30, 0, 0, 150, "", 'S'}, {10, 0, 0, 300, "", '-'}, {-30, 0, 0, 450, "", 'X'},
      {-10, 0, 0, 600, "", '-'}, {25, 0, 0, 750, "", 'S'}}},
    {"controlled, the window reversed",
     kControlled | DV::VALARM_PlainText, -20, 20, 0, 0, 0, 255,
     {{30, 0, 0, 0, "", '-'}, {-30, 0, 0, 150, "", 'S'}, {0, 0, 0, 300, "", '-'}, {30, 0, 0, 450, "", 'X'}}},
    {"value step 5 at decimal point 1, as integers",
     kAlways | DV::VALARM_TelemetryValueFull, 20, -20, 5, 1, 0, 255,
     {{0, 100, 1, 0, "", 'S'}, {0, 104, 1, 150, "", '-'}, {0, 105, 1, 300, "", 'S'}, {0, 101, 1, 450, "", '-'},
      {0, 100, 1, 600, "", 'S'}}},
    {"value step 0.5, values of two decimals, as floats",
     kAlways | DV::VALARM_TelemetryValueShort, 20, -20, 5, 1, 0, 255,
     {{0, 1000, 2, 0, "", 'S'}, {0, 1050, 2, 150, "", '-'}, {0, 1051, 2, 300, "", 'S'}, {0, 1001, 2, 450, "", '-'}}},
    {"time step 10 s repeats an unchanged value",
     kAlways | DV::VALARM_TelemetryValueFull, 20, -20, 0, 0, 10, 255,
     {{0, 7, 0, 0, "", 'S'}, {0, 7, 0, 150, "", '-'}, {0, 7, 0, 9900, "", '-'}, {0, 7, 0, 10050, "", 'S'},
      {0, 8, 0, 10200, "", '-'}, {0, 8, 0, 20050, "", 'S'}}},
    {"no step speaks once",
     kAlways | DV::VALARM_TelemetryValueFull, 20, -20, 0, 0, 0, 255,
     {{0, 7, 0, 0, "", 'S'}, {0, 9, 0, 150, "", '-'}, {0, 12, 0, 90000, "", '-'}}},
    {"a status speaks when its text changes",
     kAlways | DV::VALARM_TelemetryValueFull, 20, -20, 1, 0, 0, 255,
     {{0, 0, 253, 0, "Ready", 'S'}, {0, 0, 253, 150, "Ready", '-'}, {0, 0, 253, 300, "Standby", 'S'}}},
    {"flight mode by its number",
     kAlways | DV::VALARM_Flightmode, 20, -20, 1, 0, 0, 255,
     {{0, 0, 0, 0, "", 'S'}, {0, 0, 0, 150, "", '-'}, {0, 2, 0, 300, "", 'S'}}},
    // Type 8 times 16 is 128: with timer bits 0 the decision once read as
    // "switched off" and the alarm never spoke.
    {"individual, timer bits 0",
     kControlled | DV::VALARM_Individual, 20, -20, 1, 0, 0, 0,
     {{50, 3, 0, 0, "", 'S'}, {50, 4, 0, 150, "", 'S'}, {-50, 4, 0, 300, "", 'X'}}},
};
}  // namespace

class VoiceAlarmsTest : public QObject {
  Q_OBJECT

 private slots:
  void decisions_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < kCases.size(); ++i) QTest::newRow(kCases[i].name) << i;
  }
  void decisions() {
    QFETCH(int, row);
    const Case& c = kCases[row];
    ModelFixture fx;
    KLX_VoiceAlarm& store = *fx.db.KLX_DataBaseManagerVoiceAlarmStore();
    T_VoiceAlarm a;
    a.typeMode = uint8_t(c.typeMode);
    a.hystAbove = int16_t(c.hystAbove);
    a.hystBelow = int16_t(c.hystBelow);
    a.valueStep = int16_t(c.valueStep);
    a.valueStepDecPoint = uint8_t(c.stepDecPoint);
    a.timeStep = uint16_t(c.timeStep);
    a.timerId = uint8_t(c.timerId);
    QCOMPARE(store.KLX_VoiceAlarm_SetVAlarmParams(3, a, false), 3);
    QString got, wanted;
    for (const Step& s : c.steps) {
      const int d = store.KLX_VoiceAlarm_isAlarmOn(3, s.control, s.value, s.decPoint, s.tick, s.status);
      got += d & KLX_VoiceAlarm::kDecisionSwitchedOff ? 'X' : d & KLX_VoiceAlarm::kDecisionSpeaks ? 'S' : '-';
      wanted += s.expected;
      if (d & KLX_VoiceAlarm::kDecisionSpeaks) {
        QCOMPARE(KLX_VoiceAlarm::DecisionType(d), c.typeMode & 0x3F);
        QCOMPARE(KLX_VoiceAlarm::DecisionTimer(d), c.timerId & 0x0F);
      }
    }
    QCOMPARE(got, wanted);
  }

  void numberTexts_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("decPoint");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("1234, 2 decimals") << 1234 << 2 << '.' << QByteArray(" 12.34");
    QTest::newRow("5, 2 decimals") << 5 << 2 << '.' << QByteArray(" 0.05");
    QTest::newRow("-5, 2 decimals, comma") << -5 << 2 << ',' << QByteArray("-0,05");
    QTest::newRow("0") << 0 << 0 << '.' << QByteArray(" 0");
    QTest::newRow("largest, 4 decimals") << 32767 << 4 << ',' << QByteArray(" 3,2767");
    QTest::newRow("smallest") << -32768 << 0 << '.' << QByteArray("-32768");
    QTest::newRow("1, 1 decimal") << 1 << 1 << '.' << QByteArray(" 0.1");
    QTest::newRow("a status") << 123 << 5 << '.' << QByteArray();
  }
  void numberTexts() {
    QFETCH(int, value);
    QFETCH(int, decPoint);
    QFETCH(char, separator);
    QFETCH(QByteArray, text);
    KLX_VoiceAlarm store;
    QCOMPARE(store.KLX_VoiceAlarmSetDecimalSeparator('x'), '.');
    QCOMPARE(store.KLX_VoiceAlarmSetDecimalSeparator(separator), separator);
    QCOMPARE(store.integer2string(value, decPoint), text);
  }

  // The battery's voltage as a full value with its unit words, then as a
  // controlled alarm on stick A whose phrases go when the stick goes back.
  void theLoopSpeaksWhatTheSensorSends() {
    TelemetryFixture r;
    QVERIFY(r.Start());
    r.db.KLX_DatabaseManagerAudioHandlerPointer()->KLX_AudioHandlerStop();
    r.Describe(16, "Battery", {0});
    r.DescribeValue(16, 0, "Voltage", "V", 2);
    KLX_DataBaseManager& db = r.db;
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetType(1, kAlways | DV::VALARM_TelemetryValueFull, W), 66);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetTeleSourceMain(1, 16, W), 16);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetValueStep(1, 10, 2, W), 10);
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    KLX_RuntimeCalcAlarm calc;
    QCOMPARE(calc.KLX_RuntimeCalcAlarmInitialize(&db), int(KLX_Ok));
    auto phrases = [&] {
      QStringList texts;
      for (const AudioHandler::phrase_t& p : db.KLX_DatabaseManagerAudioHandlerPointer()->QueuedPhrases())
        texts << p.text + "@" + QString::number(p.alarmIndex);
      return texts;
    };
    uint32_t tick = 0;
    for (int v : {1234, 1240, 1244, 1120}) {
      r.Values(16, 0, {v});
      QVERIFY(r.Settled());
      calc.KLX_RuntimeCalcAlarmCalculateVoiceAlarms(tick += 150, 0);
    }
    QCOMPARE(phrases(), (QStringList{"Battery Voltage: 12.34 volts@1", "Battery Voltage: 12.44 volts@1",
                                     "Battery Voltage: 11.20 volts@1"}));
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetStaticMsgByAlrmIdx(1, QString(), R),
             QString("Battery Voltage: 11.20 volts"));
    db.KLX_DatabaseManagerAudioHandlerPointer()->KLX_AudioHandlerClearQueue();

    db.KLX_DataBaseManagerVAlarmGetSetType(1, kControlled | DV::VALARM_TelemetryValueShort, W);
    db.KLX_DataBaseManagerVAlarmGetSetActivator(1, kStickA, W);
    db.KLX_DataBaseManagerGetSet_ControlValueByControl(kStickA, 1000, W);
    calc.KLX_RuntimeCalcAlarmCalculateVoiceAlarms(tick += 150, 0);
    QCOMPARE(phrases(), QStringList{"11.20 volts@1"});
    db.KLX_DataBaseManagerGetSet_ControlValueByControl(kStickA, -1000, W);
    calc.KLX_RuntimeCalcAlarmCalculateVoiceAlarms(tick += 150, 0);
    QCOMPARE(phrases(), QStringList());
    // Offline: nothing decided, nothing said.
    db.KLX_DataBaseManagerGetSet_ControlValueByControl(kStickA, 1000, W);
    r.Store()->KLX_TelemetrieLock();
    r.Store()->KLX_TelemetrieGetSet_SensorIsOffline(16, 1, W);
    r.Store()->KLX_TelemetrieUnlock();
    calc.KLX_RuntimeCalcAlarmCalculateVoiceAlarms(tick += 150, 0);
    QCOMPARE(phrases(), QStringList());
  }

  // Right after a reset of the engine's data it reports no flight mode (one
  // beyond the board's) until its next pass: a flight-mode alarm says
  // nothing then, asks no name, and the mode it spoke stays spoken.
  void aFlightModeAlarmPassesOverNoFlightMode() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    auto& audio = *db.KLX_DatabaseManagerAudioHandlerPointer();
    audio.KLX_AudioHandlerStop();
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetType(2, kAlways | DV::VALARM_Flightmode, W),
             kAlways | DV::VALARM_Flightmode);
    db.KLX_DataBaseManagerVAlarmGetSetValueStep(2, 1, 0, W);
    KLX_RuntimeCalcAlarm calc;
    QCOMPARE(calc.KLX_RuntimeCalcAlarmInitialize(&db), int(KLX_Ok));
    VornErrorWatch watch;
    uint32_t tick = 0;
    QStringList spoken;
    for (int mode : {0, int(KL_NO_FLIGHTMODE), 0, db.KLX_DataBaseManagerGetMaxFlightmodes()}) {
      calc.KLX_RuntimeCalcAlarmCalculateVoiceAlarms(tick += 150, mode);
      for (const AudioHandler::phrase_t& p : audio.QueuedPhrases()) spoken << p.text;
      audio.KLX_AudioHandlerClearQueue();
    }
    QCOMPARE(spoken, QStringList{db.KLX_DataBaseManagerFlightmodeGetSet_Name(0, QString(), R)});
    QCOMPARE(watch.Codes(), QList<unsigned>());
  }

  // A short timer alarm every 45 s on a two-minute count-down speaks at the
  // whole displayed times 2:00, 1:30, 0:45 and 0:00, once each.
  void aTimerByItsWholeDisplayedTime() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DatabaseManagerAudioHandlerPointer()->KLX_AudioHandlerStop();
    db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, W);
    db.KLX_DataBaseManagerTimerGetSet_StartTimeMinute(0, 2, W);
    CControl* start = db.KLX_DataBaseManagerGetControl(32);
    CControl* stop = db.KLX_DataBaseManagerGetControl(33);
    start->SetID(kVs);
    start->SetValue(kOff);
    stop->SetID(kVs + 1);
    stop->SetValue(kOff);
    db.KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw(0, 1, W);
    db.KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(0, 0, W);
    db.KLX_DataBaseManagerVAlarmGetSetType(2, kAlways | DV::VALARM_TimerShort, W);
    db.KLX_DataBaseManagerVAlarmGetSetTimer(2, 0, W);
    db.KLX_DataBaseManagerVAlarmGetSetTimeStep(2, 45, W);
    start->SetValue(kOn);
    QCOMPARE(db.KLX_TimerGetState(0), 1);
    KLX_TimersAlarms& thread = *fx.runtime.KLX_RuntimeDatabaseManagerTimersAlarms();
    thread.KLX_TimersAlarmsSetClock(&fx.clock);
    QCOMPARE(thread.KLX_TimersAlarmsInitialize(&db, &fx.runtime), int(KLX_Ok));
    thread.KLX_TimersAlarmsStartProcessing();
    db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, W);
    QList<int> spokenAt;
    int seen = 0;
    for (int pass = 0; pass < 130000 / 150; ++pass) {
      QVERIFY(fx.clock.KLX_ManualClockRun(KLX_TimersAlarms::kPeriodMs));
      const QList<AudioHandler::phrase_t> queued = db.KLX_DatabaseManagerAudioHandlerPointer()->QueuedPhrases();
      if (queued.size() > seen) spokenAt << db.KLX_DataBaseManagerTimerGet_ActualTimeWholeSeconds(0);
      seen = queued.size();
    }
    QCOMPARE(spokenAt, (QList<int>{120, 90, 45, 0}));
    thread.KLX_TimersAlarmsStop();
  }
};

QTEST_GUILESS_MAIN(VoiceAlarmsTest)
#include "tst_voicealarms.moc"
