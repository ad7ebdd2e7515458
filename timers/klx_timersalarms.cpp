#include "timers/klx_timersalarms.h"

#include <QDebug>
#include <QMutexLocker>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vorntask.h"

namespace {
constexpr unsigned kErrNotInitialized = 0x14A01;
constexpr unsigned kErrNotRunning = 0x14A05;
constexpr int kSimpleTimers = 8;
}  // namespace

KLX_TimersAlarms::KLX_TimersAlarms(QObject* parent)
    : CNoDebugBase<QThread>(parent), KLX_BaseClassThread("Timers_Alarms", false) {}

KLX_TimersAlarms::~KLX_TimersAlarms() {
  // The thread never outlives the object it runs in.
  if (isRunning()) KLX_TimersAlarmsStop();
  wait();
}

int KLX_TimersAlarms::KLX_TimersAlarmsInitialize(KLX_DataBaseManager* db, KLX_RuntimeDatabaseManager* runtime) {
  if (db && runtime) {
    m_Db = db;
    m_Runtime = runtime;
    m_Initialized = true;
    m_Running = false;
    m_TickCounter = 0;
    m_ElapsedStart = m_Clock->KLX_ClockNowMs();
    m_Calc.KLX_RuntimeCalcAlarmSetEngine(runtime->KLX_RuntimeDatabaseManagerEngine());
    KLX_TimersAlarmsStart();
  }
  return m_Calc.KLX_RuntimeCalcAlarmInitialize(db);
}

int KLX_TimersAlarms::KLX_TimersAlarmsStart() {
  if (!m_Initialized) {
    KLXErrorHandler.RegisterError(kErrNotInitialized, QStringLiteral("timers&alarms thread has not been initialized"));
    return KLX_Error;
  }
  if (KLX_ThreadControl::Start(this, &m_Running)) return KLX_Ok;
  KLXErrorHandler.RegisterError(kErrNotRunning, QStringLiteral("timers&alarms thread is not running"));
  return KLX_Error;
}

void KLX_TimersAlarms::KLX_TimersAlarmsClearAll() {
  if (!m_Db) return;
  for (int t = 0; t < kSimpleTimers; ++t) m_Db->KLX_DataBaseManagerTimerGetSet_AlarmIsTriggered(t, 0, AtomicDirSet, false);
}

void KLX_TimersAlarms::KLX_TimersAlarmsStartProcessing() {
  KLX_TimersAlarmsClearAll();
  {
    // A pass may be running (processing is switched on again after an
    // update or a recovery without being switched off by this thread).
    QMutexLocker lock(&m_Mutex);
    m_Calc.KLX_RuntimeCalcAlarmClearAll();
  }
  KLX_BaseClassThreadStartProcessing();
}

void KLX_TimersAlarms::KLX_TimersAlarmsStopProcessing() {
  KLX_TimersAlarmsClearAll();
  KLX_BaseClassThreadStopProcessing();
}

int KLX_TimersAlarms::KLX_TimersAlarmsStop() {
  KLX_ThreadControl::Stop(this, *m_Clock, &m_Mutex, &m_Wait, &m_Running);
  return 0;
}

void KLX_TimersAlarms::run() {
  if (!m_Initialized) {
    KLXErrorHandler.RegisterError(kErrNotInitialized, QStringLiteral("did not call KLX_TimersAlarmsInitialize()"));
    return;
  }
  qDebug("  ->   starting KLX_TimersAlarms thread");
  KLX_ThreadControl::Entered();
  QMutexLocker lock(&m_Mutex);
  while (m_Running) {
    Log("pause");
    m_Clock->KLX_ClockWait(m_Wait, m_Mutex, kPeriodMs);
    Log("resume");
    // The pass runs under the mutex: a stop waits for it to end.
    if (m_Running && KLX_BaseClassThreadIsProcessing()) Pass();
  }
  Log("exit");
  qDebug("  ->   exit KLX_TimersAlarms thread");
}

void KLX_TimersAlarms::Pass() {
  const int load = m_Db->KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet);
  if (load != KLX_VornTask::KLX_MODELLLOAD_STATUS_READY) {
    m_PreviousLoadState = load;
    return;
  }
  if (m_PreviousLoadState != KLX_VornTask::KLX_MODELLLOAD_STATUS_READY) {
    // No time spent loading counts.
    m_ElapsedStart = m_Clock->KLX_ClockNowMs();
    m_Current = m_Previous = 0;
  }
  // The timers go by the time really passed, so a late pass does not slow them.
  m_Current = Elapsed();
  const int step = static_cast<int32_t>(static_cast<uint32_t>(m_Current) - static_cast<uint32_t>(m_Previous));
  if (!Board::IsInitialized()) Board::Init();
  for (int t = 0; t < Board::m_Instance->TimerCountMax(); ++t) {
    m_Db->KLX_DataBaseManagerTimerUpdate(t, step);
    m_Db->KLX_DataBaseManagerComplexTimerCalculate(t, step);
  }
  m_Db->KLX_DataBaseManagerComplexTimerManageAlarmSignals();
  m_Previous = m_Current;
  TellShownTimes();
  KLX_TimersAlarmsCheckModelDataFastStartIsBad();
  m_Calc.KLX_RuntimeCalcTelemetryAlarmsCalculate();
  m_Calc.KLX_RuntimeCalcAlarmCalculateVoiceAlarms(m_TickCounter, m_Runtime->KLX_RuntimeDatabaseManagerGetActualFlightMode());
  m_Db->KLX_DataBaseManagerUpdateVolumes();
  m_TickCounter += kPeriodMs;
  m_PreviousLoadState = KLX_VornTask::KLX_MODELLLOAD_STATUS_READY;
}

void KLX_TimersAlarms::TellShownTimes() {
  // A running timer changes what the screens show once a second, not once a pass.
  const int timers = qMin(Board::m_Instance->TimerCountMax(), kShownTimers);
  bool changed = timers != m_ShownCount;
  int* at = m_ShownTimes.data();
  const auto keep = [&changed, &at](int value) {
    if (*at != value) {
      *at = value;
      changed = true;
    }
    ++at;
  };
  for (int t = 0; t < timers; ++t) {
    keep(m_Db->KLX_DataBaseManagerTimerGet_ActualTimeWholeSeconds(t));
    keep(m_Db->KLX_DataBaseManagerTimerGet_ActualIsNegative(t));
    keep(m_Db->KLX_DataBaseManagerTimerGet_ActualTimeWholeSeconds(KLX_DataBaseManager::kSimpleTimers + t));
  }
  if (!changed) return;
  m_ShownCount = timers;
  m_Db->KLX_DataBaseManagerLiveValuesChanged(KLX_DatabaseValues::LIVE_Timers);
}

void KLX_TimersAlarms::KLX_TimersAlarmsCheckModelDataFastStartIsBad() {
  if (!m_Db->KLX_DataBaseManagerModelCRCGetSet_AlarmBadModelDataFlag(false, AtomicDirGet)) return;
  // On the thread's own clock, not the elapsed clock that a model load
  // restarts: a reading of 0 on the first pass after a load is a warning
  // given, and a reload does not hold the next one back.
  const qint64 now = m_Clock->KLX_ClockNowMs();
  if (m_Warned && now - m_WarnedAt <= kWarningRepeatMs) return;
  m_Warned = true;
  m_WarnedAt = now;
  m_Db->SayText(tr("Attention:data synchronization failed!Please land your aircraft!"), QString(""), QString(""), -1);
}
