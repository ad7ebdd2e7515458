// The telemetry limits of the display pages against values the simulated
// sensors send: each limit crossed with each alert kind and signalling, with
// the beep, the vibration message, the sentence queued, the blink flag and
// `alarmAlert`; a sensor that goes offline; a timer widget's limits with the
// countdown beeps and the voice alarm that announces them.
#include <QSignalSpy>

#include "../telemetry/telemetry_fixture.h"
#include "model/model_fixture.h"
#include "timers/klx_runtimecalcalarm.h"
#include "timers/klx_timersalarms.h"

namespace {
using DV = KLX_DatabaseValues;
constexpr int W = AtomicDirSet;
constexpr int R = AtomicDirGet;
constexpr int kBattery = 16;
constexpr int kSound = DV::KLX_WIDGET_ALARM_TYP_SOUND, kVib = DV::KLX_WIDGET_ALARM_TYP_VIB,
              kVoice = DV::KLX_WIDGET_ALARM_TYP_VOICE;
constexpr int kNone = DV::KLX_WIDGET_ALARM_SIGNAL_TYP_NONE, kOneShot = DV::KLX_WIDGET_ALARM_SIGNAL_TYP_ONESHOT,
              kPermanent = DV::KLX_WIDGET_ALARM_SIGNAL_TYP_PERMANENT;
enum Limit { RedAbove, RedBelow, YellowAbove, YellowBelow };

// A battery (10.00 V red, 11.00 V yellow below; 13.00 V yellow, 14.00 V red
// above) shown on page 2, the calculator stepped by the test.
struct AlarmRig : TelemetryFixture {
  KLX_RuntimeCalcAlarm calc;
  int element = -1;
  uint32_t tick = 0;
  QList<QList<QVariant>> alerts;

  bool Up() {
    // A pass starts the telemetry log once the sensor table is complete.
    errors.Expect({0x32204u, 0x32205u, 0x42202u});
    if (!Start()) return false;
    // What is spoken stays queued.
    db.KLX_DatabaseManagerAudioHandlerPointer()->KLX_AudioHandlerStop();
    Describe(kBattery, "Battery", {0});
    DescribeValue(kBattery, 0, "Voltage", "V", 2);
    Store()->KLX_TelemetrieLock();
    Store()->KLX_TelemetrieGetSet_IsCaptured(1, W);
    Store()->KLX_TelemetrieUnlock();
    element = db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(2, 0, 0, 1);
    if (element != 0 || db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(2, element, kBattery) != 0 ||
        db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(2, element, 0, kBattery, 0) != 0)
      return false;
    const int limits[] = {1400, 1000, 1300, 1100};
    for (int l = RedAbove; l <= YellowBelow; ++l) Field(Limit(l), limits[l]);
    QObject::connect(&calc, &KLX_RuntimeCalcAlarm::alarmAlert, [this](int page, int widget, bool red) {
      alerts << QList<QVariant>{page, widget, red};
    });
    return calc.KLX_RuntimeCalcAlarmInitialize(&db) == KLX_Ok;
  }
  using Number = int (KLX_DataBaseManager::*)(int, int, int, int, int, int);
  // Each limit and its kind, in the order of `Limit`.
  static constexpr Number kLimits[] = {&KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove,
                                       &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelow,
                                       &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAbove,
                                       &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelow};
  static constexpr Number kKinds[] = {&KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveType,
                                      &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelowType,
                                      &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAboveType,
                                      &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelowType};
  void Field(Limit l, int limit) { (db.*kLimits[l])(2, element, 0, 0, limit, W); }
  void Kind(Limit l, int kind) { (db.*kKinds[l])(2, element, 0, 0, kind, W); }
  void Signalling(int type) { db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertSignalType(2, element, 0, 0, type, W); }
  // The sensor sends a value; a tick of the thread evaluates it.
  bool Send(int value) {
    Values(kBattery, 0, {value});
    if (!Settled()) return false;
    Tick();
    return db.KLX_DataBaseManagerTelemetrieGetSlaveValue(kBattery, 0) == value;
  }
  void Tick(int ms = 150) {
    calc.KLX_RuntimeCalcTelemetryAlarmsCalculate();
    calc.KLX_RuntimeCalcAlarmCalculateVoiceAlarms(tick, 0);
    tick += uint32_t(ms);
  }
  int Blink() { return db.KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(2, element, 0, 0, -1, R); }
  QStringList Phrases() {
    QStringList texts;
    for (const AudioHandler::phrase_t& p : db.KLX_DatabaseManagerAudioHandlerPointer()->QueuedPhrases())
      texts << p.text + "@" + QString::number(p.alarmIndex);
    return texts;
  }
  QList<QList<int>> Beeps() { return db.KLX_DatabaseManagerAudioHandlerPointer()->AlarmBeeps(); }
  QList<CSimVibration::Pattern> Vibrations() { return sim.TransceiverController().Vibration().Seen(); }
};
}  // namespace

class AlarmsTest : public QObject {
  Q_OBJECT

 private slots:
  void aCrossingSignalsOnce_data() {
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("signalling");
    QTest::addColumn<int>("crossing");
    QTest::addColumn<QList<int>>("beep");
    QTest::addColumn<int>("vibrations");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<int>("blink");
    const QList<int> red{25126, 80, 0}, yellow{20880, 80, 0}, none;
    QTest::newRow("red below, all kinds, one shot")
        << int(RedBelow) << (kSound | kVib | kVoice) << kOneShot << 950 << red << 1 << "Alarm Battery Voltage @-2" << 2;
    QTest::newRow("red above, sound only, permanent") << int(RedAbove) << kSound << kPermanent << 1450 << red << 0 << "" << 2;
    QTest::newRow("yellow above, vibration and voice, permanent")
        << int(YellowAbove) << (kVib | kVoice) << kPermanent << 1350 << none << 1 << "Warning Battery Voltage @-3" << 1;
    QTest::newRow("yellow below, voice only, one shot")
        << int(YellowBelow) << kVoice << kOneShot << 1050 << none << 0 << "Warning Battery Voltage @-3" << 1;
    QTest::newRow("red below, all kinds, no signalling") << int(RedBelow) << (kSound | kVib | kVoice) << kNone << 950
                                                         << none << 0 << "" << 0;
  }
  void aCrossingSignalsOnce() {
    QFETCH(int, limit);
    QFETCH(int, kind);
    QFETCH(int, signalling);
    QFETCH(int, crossing);
    QFETCH(QList<int>, beep);
    QFETCH(int, vibrations);
    QFETCH(QString, phrase);
    QFETCH(int, blink);
    AlarmRig r;
    QVERIFY(r.Up());
    r.Kind(Limit(limit), kind);
    r.Signalling(signalling);
    QVERIFY(r.Send(1200));
    QVERIFY(r.Send(1210));
    QCOMPARE(r.alerts.size(), 0);
    QVERIFY(r.Send(crossing));
    // Staying beyond the limit signals nothing more.
    QVERIFY(r.Send(crossing + 1));
    QCOMPARE(r.Beeps(), beep.isEmpty() ? QList<QList<int>>() : QList<QList<int>>{beep});
    QTRY_COMPARE(r.Vibrations().size(), vibrations);
    if (vibrations) QCOMPARE(r.Vibrations().first(), (CSimVibration::Pattern{100, 150, 2}));
    QCOMPARE(r.Phrases(), phrase.isEmpty() ? QStringList() : QStringList{phrase});
    QCOMPARE(r.Blink(), blink);
    const QList<QList<QVariant>> alert{{2, 0, limit == RedAbove || limit == RedBelow}};
    QCOMPARE(r.alerts, blink ? alert : QList<QList<QVariant>>());
  }

  // Back inside and across again: a one-shot slot stays silent while its
  // blink flag is set and signals again once the screen cleared it; a
  // permanent slot speaks each time but beeps and vibrates at most once in
  // 5 s for the same value and limit.
  void crossingAgain() {
    for (int signalling : {kOneShot, kPermanent}) {
      AlarmRig r;
      QVERIFY(r.Up());
      r.Kind(RedBelow, kSound | kVoice);
      r.db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelowText(2, 0, 0, 0, "Battery low", W);
      r.Signalling(signalling);
      for (int v : {1200, 950, 1200, 950}) QVERIFY(r.Send(v));
      if (signalling == kOneShot) {
        QCOMPARE(r.Phrases(), QStringList{"Battery low@-2"});
        QCOMPARE(r.Beeps().size(), 1);
        r.db.KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(2, 0, 0, 0, 0, W);
        for (int v : {1200, 950}) QVERIFY(r.Send(v));
        QCOMPARE(r.Phrases().size(), 2);
        QCOMPARE(r.Beeps().size(), 2);
      } else {
        QCOMPARE(r.Phrases(), (QStringList{"Battery low@-2", "Battery low@-2"}));
        QCOMPARE(r.Beeps().size(), 1);
        r.Tick(5000);
        for (int v : {1200, 950}) QVERIFY(r.Send(v));
        QCOMPARE(r.Beeps().size(), 2);
      }
      QCOMPARE(r.alerts.size(), r.Beeps().size());
    }
  }

  // Red limits the wrong way round: the alarm band lies between them.
  void redBandBetweenTheLimits() {
    AlarmRig r;
    QVERIFY(r.Up());
    r.Field(RedAbove, 1000);
    r.Field(RedBelow, 1100);
    r.Kind(RedAbove, kSound);
    r.Kind(RedBelow, kSound);
    r.Signalling(kPermanent);
    for (int v : {1200, 1050, 1060, 1200, 1500}) QVERIFY(r.Send(v));
    QCOMPARE(r.Beeps().size(), 1);
    r.Tick(5000);
    for (int v : {900, 1000}) QVERIFY(r.Send(v));
    QCOMPARE(r.Beeps().size(), 2);
    QCOMPARE(r.db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveState(2, 0, 0, 0, 0, R), 1);
  }

  // While the sensor is offline its slot is not evaluated; the value it
  // sends when it answers again is compared with the last one before.
  void aSensorGoingOffline() {
    AlarmRig r;
    QVERIFY(r.Up());
    r.Kind(RedBelow, kSound);
    r.Signalling(kPermanent);
    QVERIFY(r.Send(1200));
    for (int i = 0; i < 30; ++i) r.Silent(kBattery);
    QVERIFY(r.Settled());
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSensorIsOffline(kBattery), 1);
    r.Tick();
    QCOMPARE(r.Beeps().size(), 0);
    QVERIFY(r.Send(900));
    QCOMPARE(r.db.KLX_DataBaseManagerTelemetrieGetSensorIsOffline(kBattery), 0);
    QCOMPARE(r.Beeps().size(), 1);
  }

  // A 20 s count-down on a timer widget with a yellow limit at 10 s: the
  // thread beeps the yellow limit, each of the last nine seconds and the
  // red limit where the timer stops, the home screen hears both, and a voice
  // alarm tied to the timer says "attention" and "expired".
  void aTimerWidgetsLimits() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DatabaseManagerAudioHandlerPointer()->KLX_AudioHandlerStop();
    constexpr int kVs = 1280;
    CControl* start = db.KLX_DataBaseManagerGetControl(32);
    CControl* stop = db.KLX_DataBaseManagerGetControl(33);
    start->SetID(kVs);
    start->SetValue(-2047);
    stop->SetID(kVs + 1);
    stop->SetValue(-2047);
    db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, W);
    db.KLX_DataBaseManagerTimerGetSet_Name(0, "Motor", W);
    db.KLX_DataBaseManagerTimerGetSet_StartTimeSecond(0, 20, W);
    db.KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw(0, 1, W);
    db.KLX_DataBaseManagerTimerGetSet_SwitchResetVirtSw(0, 2, W);
    db.KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(0, 0, W);
    const int e = db.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(1, 0, 0, 1, 0);
    QCOMPARE(e, 0);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(1, e, 0, 1, W);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(1, e, 0, 0, 1, W);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(1, e, 0, 0, 0, W);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAbove(1, e, 0, 0, 10, W);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAboveType(1, e, 0, 0, kSound, W);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveType(1, e, 0, 0, kSound, W);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertSignalType(1, e, 0, 0, kPermanent, W);
    db.KLX_DataBaseManagerVAlarmGetSetType(4, DV::VALARM_ModeAlwaysOn | DV::VALARM_Timer, W);
    db.KLX_DataBaseManagerVAlarmGetSetTimer(4, 0xC0, W);

    KLX_TimersAlarms& thread = *fx.runtime.KLX_RuntimeDatabaseManagerTimersAlarms();
    KLX_RuntimeCalcAlarm& calc = *thread.KLX_TimersAlarmsRuntimeCalcPtr();
    QList<QList<QVariant>> alerts;
    QObject::connect(&calc, &KLX_RuntimeCalcAlarm::alarmAlert, [&](int page, int widget, bool red) {
      alerts << QList<QVariant>{page, widget, red};
    });
    thread.KLX_TimersAlarmsSetClock(&fx.clock);
    QCOMPARE(thread.KLX_TimersAlarmsInitialize(&db, &fx.runtime), int(KLX_Ok));
    thread.KLX_TimersAlarmsStartProcessing();
    db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, W);
    // The red limit as a file may hold it: the thread sets where the timer
    // stops, which is no change of the model to be saved.
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(1, e, 0, 0, 32767, W);
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    start->SetValue(2047);
    QCOMPARE(db.KLX_TimerGetState(0), 1);
    QVERIFY(fx.clock.KLX_ManualClockRun(22000));
    thread.KLX_TimersAlarmsStop();
    QList<QList<int>> beeps{{1000, 1000, 1}};
    for (int s = 9; s >= 1; --s) beeps << QList<int>{1000, 195, 1};
    beeps << QList<int>{1000, 1000, 1};
    QCOMPARE(db.KLX_DatabaseManagerAudioHandlerPointer()->AlarmBeeps(), beeps);
    QTRY_COMPARE(alerts, (QList<QList<QVariant>>{{1, 0, false}, {1, 0, true}}));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(1, e, 0, 0, -1, R), 3);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(1, e, 0, 0, 0, R), 0);  // a count-down stops at 0
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
    QStringList phrases;
    for (const AudioHandler::phrase_t& p : db.KLX_DatabaseManagerAudioHandlerPointer()->QueuedPhrases())
      phrases << p.text;
    QCOMPARE(phrases, (QStringList{"Motor 20seconds", "Motor attention", "Motor expired"}));
  }
};

QTEST_GUILESS_MAIN(AlarmsTest)
#include "tst_alarms.moc"
