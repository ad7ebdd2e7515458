// A tick of the timers-and-alarms thread under its heaviest load: every
// value slot of the ten display pages in use with yellow and red limits (on
// 32 sensors of 32 values each), every voice alarm speaking a telemetry
// value, every simple and complex timer running. The tick's work (timers,
// their alarms, the telemetry limits, the voice alarms, the volumes) is
// measured against the floor measured in the same run: the same inputs read
// through the facade alone (sensor values, limits, the alarm states and
// kinds, the voice alarms' records and values). Both are processor time of this thread; the
// share of the 150 ms period is reported. The argument is the number of
// value slots per widget sensor (1: ten pages of 20 widgets with one value
// each; 32: every slot the page store has).
#include <benchmark/benchmark.h>

#include <time.h>

#include "model/model_fixture.h"
#include "timers/klx_runtimecalcalarm.h"
#include "timers/klx_voicealarm.h"

namespace {
constexpr int W = AtomicDirSet;
constexpr int R = AtomicDirGet;
constexpr int kPages = 10, kElements = 20, kData = 32;
constexpr int kFirstSensor = 16, kSensors = 32, kValues = 32;
constexpr double kPeriodNs = 150e6;

qint64 ThreadCpuNs() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

struct Load {
  ModelFixture fx;
  KLX_RuntimeCalcAlarm calc;
  int slotsPerData = 0;
  uint32_t tick = 0;

  explicit Load(int perData) : slotsPerData(perData) {
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DatabaseManagerAudioHandlerPointer()->KLX_AudioHandlerStop();
    KLX_Telemetrie* t = db.KLX_DataBaseManagerGetTelemetrieObject();
    t->KLX_TelemetrieLock();
    t->KLX_TelemetrieGetSet_IsCaptured(1, W);
    for (int s = kFirstSensor; s < kFirstSensor + kSensors; ++s) {
      t->KLX_TelemetrieGetSet_SensorIsUsed(s, 1, W);
      t->KLX_TelemetrieGetSet_SensorMainAdress(s, s, W);
      t->KLX_TelemetrieGetSet_SensorName(s, "Sensor", W);
      t->KLX_TelemetrieGetSet_NumberOfSensorValues(s, kValues, W);
      for (int v = 0; v < kValues; ++v) {
        t->KLX_TelemetrieGetSet_Slave_IsUsed(s, v, 1, W);
        t->KLX_TelemetrieGetSet_Slave_SlaveLabel(s, v, "Value", W);
        t->KLX_TelemetrieGetSet_Slave_SlaveUnit(s, v, "V", W);
        t->KLX_TelemetrieGetSet_Slave_DecPoint(s, v, 2, W);
        t->KLX_TelemetrieGetSet_Slave_SlaveValue(s, v, 1200, W);
      }
    }
    // Recording already started: the tick does not start the log.
    t->KLX_TelemetrieGetSet_AutoRescanFlag(0, 1, W);
    t->KLX_TelemetrieUnlock();
    for (int p = 0; p < kPages; ++p)
      for (int e = 0; e < kElements; ++e) {
        db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(p, 0, 0, 1);
        const int data = slotsPerData == 1 ? 1 : kData;
        for (int d = 0; d < data; ++d) {
          const int sensor = kFirstSensor + (e + d) % kSensors;
          db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(p, e, sensor);
          for (int v = 0; v < slotsPerData; ++v) {
            const int slot = db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(p, e, d, sensor, v);
            db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(p, e, d, slot, 1400, W);
            db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelow(p, e, d, slot, 1000, W);
            db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAbove(p, e, d, slot, 1300, W);
            db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelow(p, e, d, slot, 1100, W);
            db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveType(p, e, d, slot, 15, W);
            db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertSignalType(p, e, d, slot, 2, W);
          }
        }
      }
    for (int a = 0; a < KLX_VoiceAlarm::kAlarms; ++a) {
      db.KLX_DataBaseManagerVAlarmGetSetType(a, KLX_DatabaseValues::VALARM_ModeAlwaysOn | 2, W, false);
      db.KLX_DataBaseManagerVAlarmGetSetTeleSourceMain(a, kFirstSensor + a % kSensors, W, false);
      db.KLX_DataBaseManagerVAlarmGetSetTeleSourceSlave(a, a % kValues, W, false);
      db.KLX_DataBaseManagerVAlarmGetSetValueStep(a, 10, 2, W, false);
    }
    for (int n = 0; n < 8; ++n) {
      db.KLX_DataBaseManagerTimerGetSet_IsUsed(n, 1, W);
      db.KLX_DataBaseManagerTimerGetSet_StartTimeHour(n, 5, W);
      db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(n, 1, W);
      db.KLX_DataBaseManagerCmplxTimerGetSet_StartHour(n, 5, W);
    }
    // Virtual switch 0 always on starts every timer.
    CControl* on = db.KLX_DataBaseManagerGetControl(32);
    on->SetID(1280);
    on->SetValue(-2047);
    for (int n = 0; n < 8; ++n) {
      db.KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(n, 0, W);
      db.KLX_DataBaseManagerCmplxTimerGetSet_ControlStart(n, 1280, W);
    }
    on->SetValue(2047);
    calc.KLX_RuntimeCalcAlarmInitialize(&db);
    calc.KLX_RuntimeCalcAlarmClearAll();
    // The first ticks speak every alarm once; then the load stands still.
    for (int i = 0; i < 3; ++i) Tick();
    db.KLX_DatabaseManagerAudioHandlerPointer()->KLX_AudioHandlerClearQueue();
  }
  void Tick() {
    KLX_DataBaseManager& db = fx.db;
    for (int n = 0; n < 8; ++n) {
      db.KLX_DataBaseManagerTimerUpdate(n, 150);
      db.KLX_DataBaseManagerComplexTimerCalculate(n, 150);
    }
    db.KLX_DataBaseManagerComplexTimerManageAlarmSignals();
    calc.KLX_RuntimeCalcTelemetryAlarmsCalculate();
    calc.KLX_RuntimeCalcAlarmCalculateVoiceAlarms(tick += 150, 0);
    db.KLX_DataBaseManagerUpdateVolumes();
  }
  // What the tick reads, read through the facade and nothing else.
  int Floor() {
    KLX_DataBaseManager& db = fx.db;
    int sum = 0;
    for (int n = 0; n < 8; ++n) {
      sum += db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(n, 0, R);
      sum += db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(n, 0, R);
    }
    for (int p = 0; p < kPages; ++p) {
      if (db.KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(p, 0, R) != 1) continue;
      for (int e = 0; e < kElements; ++e) {
        if (db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_IsUsed(p, e, 0, R) != 1) continue;
        sum += db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Typ(p, e, 0, R);
        for (int d = 0; d < kData; ++d) {
          if (db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(p, e, d, 0, R) != 1) continue;
          const int sensor = db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(p, e, d, 0, R);
          for (int v = 0; v < kValues; ++v) {
            if (db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(p, e, d, v, 0, R) != 1) continue;
            const int value = db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(p, e, d, v, 0, R);
            sum += db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(p, e, d, v, 0, R) +
                   db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelow(p, e, d, v, 0, R) +
                   db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAbove(p, e, d, v, 0, R) +
                   db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelow(p, e, d, v, 0, R) +
                   db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertType(p, e, d, v, 0, R) +
                   db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveState(p, e, d, v, 0, R) +
                   db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelowState(p, e, d, v, 0, R) +
                   db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAboveState(p, e, d, v, 0, R) +
                   db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelowState(p, e, d, v, 0, R) +
                   db.KLX_DataBaseManagerTelemetrieGetSensorIsOffline(sensor) +
                   db.KLX_DataBaseManagerTelemetrieGetSlaveValue(sensor, value) +
                   db.KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(sensor, value);
          }
        }
      }
    }
    for (int a = 0; a < KLX_VoiceAlarm::kAlarms; ++a) {
      const T_VoiceAlarm r = db.KLX_DataBaseManagerVAlarmGetVAlarmParams(a);
      sum += db.KLX_DataBaseManagerTelemetrieGetSlaveValue(r.teleMain, r.teleSlave) +
             db.KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(r.teleMain, r.teleSlave) +
             db.KLX_DataBaseManagerTelemetrieGetSlaveStatus(r.teleMain, r.teleSlave).size() +
             db.KLX_DataBaseManagerTelemetrieGetSlaveUnit(r.teleMain, r.teleSlave).size();
    }
    return sum;
  }
};

void BM_AlarmTick(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "alarm_tick";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  Load load(int(state.range(0)));
  double tickNs = 0, floorNs = 0;
  int sink = 0;
  for (auto _ : state) {
    const qint64 t0 = ThreadCpuNs();
    load.Tick();
    const qint64 t1 = ThreadCpuNs();
    sink += load.Floor();
    const qint64 t2 = ThreadCpuNs();
    tickNs += double(t1 - t0);
    floorNs += double(t2 - t1);
    state.SetIterationTime(double(t1 - t0) / 1e9);
  }
  benchmark::DoNotOptimize(sink);
  const double n = double(state.iterations());
  state.counters["tick_ms"] = tickNs / n / 1e6;
  state.counters["floor_ms"] = floorNs / n / 1e6;
  state.counters["ratio"] = tickNs / floorNs;
  state.counters["period_pct"] = tickNs / n / kPeriodNs * 100;
  state.counters["slots"] = double(kPages * kElements * (state.range(0) == 1 ? 1 : kData) * state.range(0));
}

BENCHMARK(BM_AlarmTick)->Arg(1)->Arg(32)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
