#pragma once
// The timers-and-alarms thread ("Timers_Alarms"): every 150 ms, while its
// processing is on and a model is loaded, it advances the simple and complex
// timers by the time really passed, hands out the complex timers' alarms,
// repeats the bad-model-data warning, evaluates the telemetry and voice
// alarms and refreshes the volumes. The runtime read-outs own it.
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <array>
#include <atomic>
#include <cstdint>

#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"
#include "timers/klx_runtimecalcalarm.h"

class KLX_DataBaseManager;
class KLX_RuntimeDatabaseManager;

class KLX_TimersAlarms : public CNoDebugBase<QThread>, public KLX_BaseClassThread {
  Q_OBJECT
 public:
  static constexpr unsigned long kPeriodMs = 150;
  // The warning is repeated after more than this.
  static constexpr qint64 kWarningRepeatMs = 20000;

  explicit KLX_TimersAlarms(QObject* parent = nullptr);
  ~KLX_TimersAlarms() override;

  // Keeps both, starts the thread and initialises the calculator: its result.
  int KLX_TimersAlarmsInitialize(KLX_DataBaseManager* db, KLX_RuntimeDatabaseManager* runtime);
  int KLX_TimersAlarmsStart();
  void KLX_TimersAlarmsStartProcessing();
  void KLX_TimersAlarmsStopProcessing();
  int KLX_TimersAlarmsStop();
  KLX_RuntimeCalcAlarm* KLX_TimersAlarmsRuntimeCalcPtr() { return &m_Calc; }
  // The alarm-triggered state of all eight simple timers cleared.
  void KLX_TimersAlarmsClearAll();

  // The clock of the period and of the time the timers advance by (a test
  // steps a manual one); set before the thread starts.
  void KLX_TimersAlarmsSetClock(KLX_Clock* clock) { m_Clock = clock ? clock : &KLX_Clock::KLX_ClockSystem(); }
  // The nominal time of the voice alarms: 150 per processed tick.
  uint32_t KLX_TimersAlarmsTickCounter() const { return m_TickCounter; }

 protected:
  void run() override;

 private:
  void Pass();
  // Tells the screens when a timer's shown time changed in this pass.
  void TellShownTimes();
  void KLX_TimersAlarmsCheckModelDataFastStartIsBad();
  qint64 Elapsed() const { return m_Clock->KLX_ClockNowMs() - m_ElapsedStart; }

  std::atomic<bool> m_Initialized{false};
  std::atomic<bool> m_Running{false};
  KLX_RuntimeCalcAlarm m_Calc;
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_RuntimeDatabaseManager* m_Runtime = nullptr;
  QWaitCondition m_Wait;
  QMutex m_Mutex;
  std::atomic<uint32_t> m_TickCounter{0};
  KLX_Clock* m_Clock = &KLX_Clock::KLX_ClockSystem();
  // The elapsed clock: restarted when a model is loaded.
  qint64 m_ElapsedStart = 0;
  qint64 m_Current = 0;
  qint64 m_Previous = 0;
  int m_PreviousLoadState = 0;
  // The timers as the screens show them after the last pass (three values a
  // timer, for at most as many timers as the alarm calculation holds).
  static constexpr int kShownTimers = KLX_RuntimeCalcAlarm::kTimers;
  std::array<int, 3 * kShownTimers> m_ShownTimes{};
  // How many timers m_ShownTimes holds.
  int m_ShownCount = 0;
  // The last bad-model-data warning, on the thread's clock.
  bool m_Warned = false;
  qint64 m_WarnedAt = 0;
};
