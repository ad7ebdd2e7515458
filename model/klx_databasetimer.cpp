// The facade's doors to the simple and complex timers and their alarms, and
// the hand-out of a tick's alarms to the beeper, the vibration and the
// speech queue.
#include <QDebug>

#include "audio/klx_tts.h"
#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr unsigned kErrTimerName = 0x53D03;
constexpr unsigned kErrTimer = 0x53D04;
constexpr unsigned kErrTimerStored = 0x53D18;
constexpr unsigned kErrTimerKeep = 0x53D1E;
constexpr int kSimpleTimers = KLX_DataBaseManager::kSimpleTimers;
constexpr int kComplexBase = KLX_DataBaseManager::kSimpleTimers;
// Published controls: virtual switch n sits at this slot plus n.
constexpr int kVirtualSwitchSlot = 32;
constexpr int kShortBeepMs = 200;
constexpr int kLongBeepMs = 1000;
constexpr int kHighestVoice = 254;

int TimerCount() {
  if (!Board::IsInitialized()) Board::Init();
  return qMin(kSimpleTimers, Board::m_Instance->TimerCountMax());
}

const char* TrueFalse(bool b) { return b ? "true" : "false"; }
}  // namespace

// ---- Simple timers -------------------------------------------------------------------

bool KLX_DataBaseManager::TimerIndexOk(int index, unsigned code) {
  if (index >= 0 && index < kSimpleTimers) return true;
  KLXErrorHandler.RegisterError(code, QString());
  return false;
}

void KLX_DataBaseManager::KLX_DataBaseManagerTimerMarkTimer(bool mark) {
  if (mark) KLX_DataBaseManagerSetModelModifyFlag(true);
}

int KLX_DataBaseManager::KLX_TimerCheckForSameName(const QString& name) {
  const QString wanted = name.toLower();
  for (int t = 0; t < TimerCount(); ++t) {
    if (!m_Timers[t].KLX_TimerGetSet_IsUsed(0, AtomicDirGet)) continue;
    if (m_Timers[t].KLX_TimerGetSet_Name(QString(), AtomicDirGet).toLower() == wanted) return 1;
  }
  return 0;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_Name(int index, QString name, int dir, bool update) {
  Q_UNUSED(update);
  if (!TimerIndexOk(index, kErrTimerName)) return QString("");
  KLX_Timer& timer = m_Timers[index];
  const QString current = timer.KLX_TimerGetSet_Name(QString(), AtomicDirGet);
  if (dir != AtomicDirSet || name == current) return current;
  if (KLX_TimerCheckForSameName(name)) return QString("");
  const QString stored = timer.KLX_TimerGetSet_Name(name, AtomicDirSet);
  KLX_DataBaseManagerTimerMarkTimer(true);
  return stored;
}

// One simple-timer field: the index checked, the timer's operation, and the
// model marked on a write always (mark 2), with update (1) or never (0).
#define KLX_TIMER_FIELDS(X)                                            \
  X(IsUsed, KLX_TimerGetSet_IsUsed, kErrTimer, 2)                      \
  X(AlarmIsTriggered, KLX_TimerGetSet_AlarmFlag, kErrTimer, 1)         \
  X(StartTimeHour, KLX_TimerGetSet_StartTimeHour, kErrTimer, 2)        \
  X(StartTimeMinute, KLX_TimerGetSet_StartTimeMinute, kErrTimer, 2)    \
  X(StartTimeSecond, KLX_TimerGetSet_StartTimeSecond, kErrTimer, 2)    \
  X(StopTimeHour, KLX_TimerGetSet_StopTimeHour, kErrTimer, 2)          \
  X(StopTimeMinute, KLX_TimerGetSet_StopTimeMinute, kErrTimer, 2)      \
  X(StopTimeSecond, KLX_TimerGetSet_StopTimeSecond, kErrTimer, 2)      \
  X(ValueStart, KLX_TimerGetSet_ValueStart, kErrTimer, 0)              \
  X(ValueStop, KLX_TimerGetSet_ValueStop, kErrTimer, 0)                \
  X(ValueCurrent, KLX_TimerGetSet_ValueCurrent, kErrTimer, 0)          \
  X(ValueStored, KLX_TimerGetSet_StoredValue, kErrTimerStored, 1)      \
  X(LastValueKeep, KLX_TimerGetSet_LastValueKeep, kErrTimerKeep, 1)

#define KLX_TIMER_FIELD_DEF(name, call, code, mark)                                                      \
  int KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_##name(int index, int value, int dir, bool update) { \
    if (!TimerIndexOk(index, code)) return Indexes_Out_Of_Range;                                         \
    const int result = m_Timers[index].call(value, dir);                                                 \
    if (dir == AtomicDirSet) KLX_DataBaseManagerTimerMarkTimer(mark == 2 || (mark == 1 && update));      \
    return result;                                                                                       \
  }
KLX_TIMER_FIELDS(KLX_TIMER_FIELD_DEF)
#undef KLX_TIMER_FIELD_DEF

CControl* KLX_DataBaseManager::TimerSwitchControl(int n) {
  // Only a switch the board has: 128 (none), 65535 (disconnected) and the
  // numbers past the smaller board's switches would name other controls.
  if (n < 0 || n >= KLX_DataBaseManagerGetMaxVirualSwitches()) return nullptr;
  return KLX_DataBaseManagerGetControl(static_cast<unsigned char>(kVirtualSwitchSlot + n));
}

#define KLX_TIMER_SWITCH_DEF(role)                                                                            \
  int KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_Switch##role##VirtSw(int index, int value, int dir,   \
                                                                               bool update) {                 \
    Q_UNUSED(update);                                                                                         \
    if (!TimerIndexOk(index, kErrTimer)) return Indexes_Out_Of_Range;                                         \
    if (dir != AtomicDirSet) return m_Timers[index].KLX_TimerGetSet_Switch##role##VirtSw(value, nullptr, dir); \
    const int result = m_Timers[index].KLX_TimerGetSet_Switch##role##VirtSw(value, TimerSwitchControl(value), dir); \
    KLX_DataBaseManagerTimerMarkTimer(true);                                                                  \
    return result;                                                                                            \
  }
KLX_TIMER_SWITCH_DEF(Start)
KLX_TIMER_SWITCH_DEF(Stop)
KLX_TIMER_SWITCH_DEF(Reset)
#undef KLX_TIMER_SWITCH_DEF

int KLX_DataBaseManager::KLX_DataBaseManagerTimerGet_ActualTimeHour(int index) {
  return TimerIndexOk(index, kErrTimer) ? m_Timers[index].ActualHour() : int(Indexes_Out_Of_Range);
}

int KLX_DataBaseManager::KLX_DataBaseManagerTimerGet_ActualTimeMinute(int index) {
  return TimerIndexOk(index, kErrTimer) ? m_Timers[index].ActualMinute() : int(Indexes_Out_Of_Range);
}

int KLX_DataBaseManager::KLX_DataBaseManagerTimerGet_ActualTimeSecond(int index) {
  if (index >= 0 && index < kSimpleTimers) return m_Timers[index].ActualSecond();
  if (index >= kComplexBase && index < kComplexBase + KLX_ComplexTimer::kTimers && m_ComplexTimer)
    return m_ComplexTimer->KLX_ComplexTimerGetActualTimeSecond(index - kComplexBase);
  KLXErrorHandler.RegisterError(kErrTimer, QString());
  return Indexes_Out_Of_Range;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTimerGet_ActualIsNegative(int index) {
  return index >= 0 && index < kSimpleTimers && m_Timers[index].IsNegative() ? 1 : 0;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTimerGet_ActualTimeChars(int index, char* buffer, int size) {
  if (index >= 0 && index < kSimpleTimers) {
    m_Timers[index].KLX_TimerGet_ActualTimeChars(buffer, size);
    return index;
  }
  if (index >= kComplexBase && index < kComplexBase + KLX_ComplexTimer::kTimers && m_ComplexTimer)
    return m_ComplexTimer->KLX_ComplexTimerGet_ActualTimeChars(index - kComplexBase, buffer, size);
  KLXErrorHandler.RegisterError(kErrTimer, QString());
  return Indexes_Out_Of_Range;
}

int KLX_DataBaseManager::KLX_TimerGetState(int index) {
  if (index < 0 || index >= TimerCount()) return KLX_Error;
  return m_Timers[index].State();
}

void KLX_DataBaseManager::KLX_DataBaseManagerTimerUpdate(int index, int dt) {
  if (index >= 0 && index < TimerCount()) m_Timers[index].KLX_TimerUpdate(dt);
}

int KLX_DataBaseManager::KLX_DataBaseManagerTimerCalculateRemainingTime(int index) {
  if (index < 0 || index >= kSimpleTimers) return KLX_Error;
  return m_Timers[index].KLX_TimerCalculateRemainingTime(false);
}

int KLX_DataBaseManager::KLX_DataBaseManagerTimerGetNumber() {
  int used = 0;
  for (int t = 0; t < TimerCount(); ++t) used += m_Timers[t].KLX_TimerGetSet_IsUsed(0, AtomicDirGet) ? 1 : 0;
  return used;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTimerGetNextFreeIndex() {
  for (int t = 0; t < TimerCount(); ++t)
    if (!m_Timers[t].KLX_TimerGetSet_IsUsed(0, AtomicDirGet)) return t;
  return Max_Timer_Reached;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTimerClear(int index) {
  if (!TimerIndexOk(index, kErrTimer)) return Indexes_Out_Of_Range;
  m_Timers[index].Clear();
  KLX_DataBaseManagerTimerMarkTimer(true);
  return 1;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTimerDelete(int index) { return KLX_DataBaseManagerTimerClear(index); }

int KLX_DataBaseManager::KLX_DataBaseManagerTimerClear(T_Timer* record) {
  KLX_Timer::KLX_TimerSetToDefaultValues(record);
  return 1;
}

int KLX_DataBaseManager::KLX_DataBaseManagerNeedAnyLastTimerValueDump() {
  if (m_ComplexTimer && m_ComplexTimer->KLX_ComplexTimerNeedAnyTimerLastValueDump()) return 1;
  for (int t = 0; t < TimerCount(); ++t)
    if (m_Timers[t].KLX_TimerNeedAnyTimerLastValueDump()) return 1;
  return 0;
}

// ---- Complex timers ------------------------------------------------------------------

int KLX_DataBaseManager::CmplxMarked(int result, int dir, bool update) {
  if (dir == AtomicDirSet && update && result > KLX_Error) KLX_DataBaseManagerTimerMarkTimer(true);
  return result;
}

QString KLX_DataBaseManager::CmplxMarkedText(const QString& result, int dir, bool update) {
  if (dir == AtomicDirSet && update && !result.isEmpty()) KLX_DataBaseManagerTimerMarkTimer(true);
  return result;
}

#define KLX_CMPLX_OR(fallback) \
  if (!m_ComplexTimer) return fallback

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(int index, int value, int dir, bool update) {
  KLX_CMPLX_OR(KLX_Error);
  return CmplxMarked(m_ComplexTimer->KLX_ComplexTimerGetSet_IsUsed(index, value, dir), dir, update);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_Name(int index, QString name, int dir, bool update) {
  KLX_CMPLX_OR(QString(""));
  return CmplxMarkedText(m_ComplexTimer->KLX_ComplexTimerGetSet_Name(index, name, dir), dir, update);
}

// The timer's times: X(accessor name, start, minutes/seconds: -1 hours, 0 minutes, 1 seconds).
#define KLX_CMPLX_TIMES(X)   \
  X(StartHour, true, -1)     \
  X(StopHour, false, -1)     \
  X(StartMinute, true, 0)    \
  X(StartSecond, true, 1)    \
  X(StopMinute, false, 0)    \
  X(StopSecond, false, 1)
#define KLX_CMPLX_TIME_DEF(name, start, part)                                                                   \
  int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_##name(int index, int value, int dir, bool update) { \
    KLX_CMPLX_OR(KLX_Error);                                                                                     \
    const int result = part < 0 ? m_ComplexTimer->KLX_ComplexTimerGetSet_Hour(index, start, value, dir)          \
                                : m_ComplexTimer->KLX_ComplexTimerGetSet_Min_Sec(index, start, part == 1, value, dir); \
    return CmplxMarked(result, dir, update);                                                                     \
  }
KLX_CMPLX_TIMES(KLX_CMPLX_TIME_DEF)
#undef KLX_CMPLX_TIME_DEF

#define KLX_CMPLX_ALARM_TIME_DEF(name, start, part)                                                            \
  int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_Alarm##name(int index, int alarm, int value, int dir, \
                                                                         bool update) {                       \
    KLX_CMPLX_OR(KLX_Error);                                                                                    \
    const int result = part < 0 ? m_ComplexTimer->KLX_ComplexTimerGetSet_Alarm_Hour(index, alarm, start, value, dir) \
                                : m_ComplexTimer->KLX_ComplexTimerGetSet_Alarm_Min_Sec(index, alarm, start, part == 1, \
                                                                                       value, dir);           \
    return CmplxMarked(result, dir, update);                                                                    \
  }
KLX_CMPLX_ALARM_TIME_DEF(Start_Hour, true, -1)
KLX_CMPLX_ALARM_TIME_DEF(Stop_Hour, false, -1)
KLX_CMPLX_ALARM_TIME_DEF(Start_Min, true, 0)
KLX_CMPLX_ALARM_TIME_DEF(Start_Sec, true, 1)
KLX_CMPLX_ALARM_TIME_DEF(Stop_Min, false, 0)
KLX_CMPLX_ALARM_TIME_DEF(Stop_Sec, false, 1)
#undef KLX_CMPLX_ALARM_TIME_DEF

#define KLX_CMPLX_CONTROL_DEF(name, role)                                                                      \
  int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_Control##name(int index, int control, int dir,  \
                                                                           bool update) {                    \
    KLX_CMPLX_OR(KLX_Error);                                                                                   \
    /* Only a virtual switch the board has is connected; any other id is kept. */                             \
    CControl* c = dir == AtomicDirSet && KLX_ControlIsVirtualSwitch(control) &&                                \
                          control - KLX_CONTROL_VS_FIRST < KLX_DataBaseManagerGetMaxVirualSwitches()            \
                      ? KLX_DataBaseManagerGetControlByID(static_cast<unsigned short>(control))                 \
                      : nullptr;                                                                               \
    return CmplxMarked(m_ComplexTimer->KLX_ComplexTimerGetSet_Control(index, role, control, c, dir), dir, update); \
  }
KLX_CMPLX_CONTROL_DEF(Start, TimerStatusStart)
KLX_CMPLX_CONTROL_DEF(Stop, TimerStatusStop)
KLX_CMPLX_CONTROL_DEF(Reset, TimerStatusReset)
#undef KLX_CMPLX_CONTROL_DEF

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_ValueStored(int index, int value, int dir, bool update) {
  KLX_CMPLX_OR(KLX_Error);
  return CmplxMarked(m_ComplexTimer->KLX_ComplexTimerGetSet_StoredValue(index, value, dir), dir, update);
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_LastValueKeep(int index, int value, int dir,
                                                                          bool update) {
  KLX_CMPLX_OR(KLX_Error);
  return CmplxMarked(m_ComplexTimer->KLX_ComplexTimerGetSet_LastValueKeep(index, value, dir), dir, update);
}

#define KLX_CMPLX_ALARM_FIELDS(X)                  \
  X(Alarm_Control, KLX_ComplexTimerGetSet_AlarmControl) \
  X(Alarm_Interval, KLX_ComplexTimerGetSet_Interval)    \
  X(Alarm_BeepTone, KLX_ComplexTimerGetSet_BeepTone)    \
  X(Alarm_Type, KLX_ComplexTimerGetSet_AlarmType)       \
  X(MessageFlag, KLX_ComplexTimerGetSet_MessageFlag)
#define KLX_CMPLX_ALARM_FIELD_DEF(name, call)                                                                   \
  int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_##name(int index, int alarm, int value, int dir, \
                                                                      bool update) {                           \
    KLX_CMPLX_OR(KLX_Error);                                                                                    \
    return CmplxMarked(m_ComplexTimer->call(index, alarm, value, dir), dir, update);                            \
  }
KLX_CMPLX_ALARM_FIELDS(KLX_CMPLX_ALARM_FIELD_DEF)
#undef KLX_CMPLX_ALARM_FIELD_DEF

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_Alarm_OneShot(int index, int alarm, int dir, bool update) {
  KLX_CMPLX_OR(KLX_Error);
  return CmplxMarked(m_ComplexTimer->KLX_ComplexTimerGet_AlarmStartStopEqual(index, alarm, dir), dir, update);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(int index, int alarm, QString text,
                                                                             int dir, bool update) {
  KLX_CMPLX_OR(QString(""));
  return CmplxMarkedText(m_ComplexTimer->KLX_ComplexTimerGetSet_AlarmMessage(index, alarm, text, dir), dir, update);
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimer_AlarmDelete(int index, int alarm) {
  KLX_CMPLX_OR(KLX_Error);
  return CmplxMarked(m_ComplexTimer->KLX_ComplexTimer_AlarmDelete(index, alarm), AtomicDirSet, true);
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerClear(int index) {
  KLX_CMPLX_OR(KLX_Error);
  const int result = m_ComplexTimer->KLX_ComplexTimerDelete(index);
  KLX_DataBaseManagerTimerMarkTimer(true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerDelete(int index) {
  return KLX_DataBaseManagerCmplxTimerClear(index);
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerClear(CComplexTimer* timer) {
  KLX_CMPLX_OR(KLX_Error);
  return m_ComplexTimer->KLX_ComplexTimerSetToDefaultValues(timer);
}

void KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerClearAll() {
  if (m_ComplexTimer) m_ComplexTimer->KLX_ComplexTimerClearAll();
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerLoad_Time(int index, bool end, HMStime_struct time) {
  KLX_CMPLX_OR(KLX_Error);
  return m_ComplexTimer->KLX_ComplexTimerLoadTime(index, end, time);
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerLoad_AlarmTime(int index, int alarm, bool end,
                                                                    HMStime_struct time) {
  KLX_CMPLX_OR(KLX_Error);
  return m_ComplexTimer->KLX_ComplexTimerLoadAlarmTime(index, alarm, end, time);
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetNumber() {
  KLX_CMPLX_OR(0);
  return m_ComplexTimer->KLX_ComplexTimerGetNumber();
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetNextFreeIndex() {
  KLX_CMPLX_OR(Max_Timer_Reached);
  return m_ComplexTimer->KLX_ComplexTimerGetNextFreeIndex();
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetNextFreeAlarmIndex(int index) {
  KLX_CMPLX_OR(KLX_Error);
  return m_ComplexTimer->KLX_ComplexTimerGetNextAlarmFreeIndex(index);
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGet_CountDownFlag(int index) {
  KLX_CMPLX_OR(KLX_Error);
  return m_ComplexTimer->KLX_ComplexTimerGet_CountDownFlag(index);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetActualTime_String(int index, bool hours) {
  KLX_CMPLX_OR(QString(""));
  return m_ComplexTimer->KLX_ComplexTimerGet_ActualTimeString(index, hours);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetAlarmRange_String(int index, int alarm) {
  KLX_CMPLX_OR(QString(""));
  return m_ComplexTimer->KLX_ComplexTimerGet_AlarmTimeRange(index, alarm);
}

void KLX_DataBaseManager::KLX_DataBaseManagerComplexTimerCalculate(int index, int dt) {
  if (m_ComplexTimer) m_ComplexTimer->KLX_ComplexTimerCalculate(index, dt);
}

void KLX_DataBaseManager::KLX_DataBaseManagerComplexTimerManageAlarmSignals() {
  if (!m_ComplexTimer) return;
  uint8_t alarmSignals = 0;
  uint16_t tone = 0;
  m_ComplexTimer->KLX_ComplexTimerGetAllAlarmSignals(&alarmSignals, &tone);
  const QList<VoiceMsg_struct> messages = m_ComplexTimer->KLX_ComplexTimerTakeAlarmMessages();
  if (alarmSignals == 0) return;
  if (alarmSignals & 0x02)
    KLX_DataBaseManagerAlarmBeep(tone, kLongBeepMs, true, false);
  else if (alarmSignals & 0x01)
    KLX_DataBaseManagerAlarmBeep(tone, kShortBeepMs, true, false);
  if (alarmSignals & 0x0C) KLX_DataBaseManagerActivateVibrationScheme(KLX_VIB_TIMER_END);
  // The newest 32, in the order they came.
  for (int i = qMax(0, messages.size() - KLX_ComplexTimer::kMessagesPerTick); i < messages.size(); ++i)
    SayText(messages[i].text, messages[i].language, messages[i].voice, -1);
}

// ---- Speech of the complex timers' alarms ----------------------------------------------

#define KLX_CMPLX_SPEECH_DEF(name, call)                                                                     \
  QString KLX_DataBaseManager::CmplxTimerGetSet_TimerAlarm_##name(int index, int alarm, QString text, int dir, \
                                                                  bool update) {                            \
    KLX_CMPLX_OR(QString(""));                                                                               \
    const QString result = m_ComplexTimer->call(index, alarm, text, dir);                                    \
    if (dir == AtomicDirSet && update && !result.isEmpty()) KLX_DataBaseManagerVAlarmMarkVoiceAlarm(true);    \
    return result;                                                                                           \
  }
KLX_CMPLX_SPEECH_DEF(ValueVoice, KLX_ComplexTimerGetSet_Alarm_ValueVoice)
KLX_CMPLX_SPEECH_DEF(ValueLanguage, KLX_ComplexTimerGetSet_Alarm_ValueLang)
KLX_CMPLX_SPEECH_DEF(TextVoice, KLX_ComplexTimerGetSet_Alarm_TextVoice)
KLX_CMPLX_SPEECH_DEF(TextLanguage, KLX_ComplexTimerGetSet_Alarm_TextLang)
#undef KLX_CMPLX_SPEECH_DEF

int KLX_DataBaseManager::CmplxTimerVoiceNumber(int voice) {
  if (voice <= kHighestVoice) return voice;
  const QString language = KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language(QString(), AtomicDirGet, false);
  const int fallback = KLX_DataBaseManagerFindFirstVoiceInList(language);
  return fallback > kHighestVoice ? int(KLX_Error) : fallback;
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_AlarmTextVoice(int index, int alarm, int voice, int dir,
                                                                           bool update) {
  KLX_CMPLX_OR(KLX_Error);
  const int number = CmplxTimerVoiceNumber(voice);
  if (number == KLX_Error) return KLX_Error;
  const int result = m_ComplexTimer->KLX_ComplexTimerGetSet_AlarmVoice(index, alarm, true, number, dir);
  if (dir == AtomicDirSet && update && result > KLX_Error) KLX_DataBaseManagerVAlarmMarkVoiceAlarm(true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_AlarmValueVoice(int index, int alarm, int voice, int dir,
                                                                            bool update) {
  KLX_CMPLX_OR(KLX_Error);
  const int number = CmplxTimerVoiceNumber(voice);
  if (number == KLX_Error) return KLX_Error;
  const int result = m_ComplexTimer->KLX_ComplexTimerGetSet_AlarmVoice(index, alarm, false, number, dir);
  if (dir == AtomicDirSet && update && result > KLX_Error) KLX_DataBaseManagerVAlarmMarkVoiceAlarm(true);
  return result;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerSet_AlarmTextVoice(int index, int alarm, QString language,
                                                                            QString voice, bool update) {
  qDebug() << "SET_ALARM_TEXT_SETTINGS: L=" << language << " V=" << voice << "UPD=" << TrueFalse(update);
  CmplxTimerGetSet_TimerAlarm_TextLanguage(index, alarm, language, AtomicDirSet, update);
  CmplxTimerGetSet_TimerAlarm_TextVoice(index, alarm, voice, AtomicDirSet, update);
  return ConcatTwoStringsWithTab(language, voice);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerSet_AlarmValueVoice(int index, int alarm, QString language,
                                                                             QString voice, bool update) {
  qDebug() << "SET_ALARM_VALUE_VOICE: index=" << index << " alm_idx=" << alarm << " voiceLang=" << language
           << " update=" << TrueFalse(update);
  CmplxTimerGetSet_TimerAlarm_ValueLanguage(index, alarm, language, AtomicDirSet, update);
  CmplxTimerGetSet_TimerAlarm_ValueVoice(index, alarm, voice, AtomicDirSet, update);
  const QString result = KLX_DataBaseManagerCmplxTimerSet_AlarmVoice(index, alarm, language, voice, update);
  qDebug() << "SET_ALARM_VALUE_SETTINGS: L=" << language << " V=" << voice << " X=" << result
           << " UPD=" << TrueFalse(update);
  return result;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerSet_AlarmVoice(int index, int alarm, const QString& language,
                                                                        const QString& voice, bool update) {
  if (!m_ComplexTimer) return QString("");
  const int number = CmplxTimerVoiceNumber(KLX_TTS::GetVoiceIndex(language, voice));
  if (number < 0 || number > kHighestVoice) return QString("");
  if (m_ComplexTimer->KLX_ComplexTimerGetSet_AlarmVoice(index, alarm, false, number, AtomicDirSet) <= KLX_Error)
    return QString("");
  if (update) KLX_DataBaseManagerVAlarmMarkVoiceAlarm(true);
  return KLX_DataBaseManagerGetVoiceTextParamsFromList(number);
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_SpeakAlarmText(int index, int alarm) {
  KLX_CMPLX_OR(KLX_Error);
  if (index < 0 || index >= KLX_ComplexTimer::kTimers || alarm < 0 || alarm >= KLX_ComplexTimer::kAlarms)
    return KLX_Error;
  const CmplxAlarm_struct a = m_ComplexTimer->KLX_ComplexTimerGetAlarm(index, alarm);
  return SayText(QString::fromUtf8(a.message), a.textLanguage, a.textVoice, -1);
}

int KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_SpeakAlarmValue(int index, int alarm) {
  KLX_CMPLX_OR(KLX_Error);
  if (index < 0 || index >= KLX_ComplexTimer::kTimers || alarm < 0 || alarm >= KLX_ComplexTimer::kAlarms)
    return KLX_Error;
  const CmplxAlarm_struct a = m_ComplexTimer->KLX_ComplexTimerGetAlarm(index, alarm);
  // A sample of the voice: the alarm's number.
  return SayText(QString::number(alarm), a.valueLanguage, a.valueVoice, -1);
}
