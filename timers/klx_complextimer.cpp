#include "timers/klx_complextimer.h"

#include <QMutexLocker>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_utf8.h"
#include "timers/klx_timer.h"
#include "timers/klx_timerrules.h"

namespace {
// Reports are 0x53D00 plus the operation's number.
constexpr unsigned kErrBase = 0x53D00;
enum : int {
  kOpDelete = 1,
  kOpName = 3,
  kOpIsUsed = 4,
  kOpState = 9,
  kOpSetToDefault = 11,
  kOpAlarmControl = 12,
  kOpMinSec = 13,
  kOpHour = 14,
  kOpAlarmType = 15,
  kOpMessageFlag = 16,
  kOpAlarmMessage = 17,
  kOpBeepTone = 18,
  kOpAlarmHour = 19,
  kOpAlarmMinSec = 20,
  kOpControl = 21,
  kOpInterval = 22,
  kOpTimeString = 23,
  kOpStoredValue = 24,
  kOpAlarmDelete = 26,
  kOpOneShot = 27,
  kOpCountDown = 28,
  kOpAlarmVoice = 29,
  kOpLastValueKeep = 30,
};

// Element ids of the limit table.
enum : unsigned char {
  kElemName = 0,
  kElemUsed = 1,
  kElemStored = 3,
  kElemType = 5,
  kElemMessageFlag = 6,
  kElemInterval = 7,
  kElemControl = 8,
  kElemTone = 10,
  kElemHours = 11,
  kElemMinutes = 12,
  kElemSeconds = 13,
};

constexpr int kIntervals[] = {0, 1, 2, 3, 5, 10, 15, 20, 30, 60, 120, 180, 300, 600, 900, 1200, 1800, 2700, 3600, 3610};
constexpr int kMessageChars = 127;
// An alarm's message taken from its timer's name keeps at most this much.
constexpr int kNameAsMessageBytes = 48;
constexpr uint16_t kToneBits = 0x1FFF;
constexpr int kRecalcTimer = 7;

QString TwoDigits(int v) { return QStringLiteral("%1").arg(qAbs(v), 2, 10, QLatin1Char('0')); }

// One part of a timer's or an alarm's time: a set is clamped, stored under
// the timer's mutex and recalculated; answers the part now held.
template <typename Part, typename Clamp, typename Recalc>
int TimePart(CComplexTimer& t, Part& part, int value, int get, Clamp clamp, Recalc recalc) {
  if (!get) {
    clamp(&value);
    {
      QMutexLocker lock(&t.m_Mutex);
      part = static_cast<Part>(value);
    }
    recalc();
  }
  QMutexLocker lock(&t.m_Mutex);
  return part;
}
}  // namespace

KLX_ComplexTimer::KLX_ComplexTimer(QObject* parent) : QObject(parent) {
  KLX_TimerLimits(&m_Border, {{kElemName, 0, CComplexTimer::kNameBytes},
                              {kElemUsed, 0, 1},
                              {kElemStored, -1800000000, 1800000000},
                              {kElemType, 0, 255},
                              {kElemMessageFlag, 0, 1},
                              {kElemInterval, 1, 3610},
                              {kElemControl, 0, 65535},
                              {kElemTone, 100, 8168},
                              {kElemHours, 0, 499},
                              {kElemMinutes, 0, 59},
                              {kElemSeconds, 0, 59}});
  m_Border.IndexMax[0] = kTimers;
  m_Border.IndexMax[1] = kAlarms;
  m_Border.IndexMax[2] = 255;
  for (CComplexTimer& t : m_Timer) t.SetDisplayLock(&m_DisplayLock);
}

KLX_ComplexTimer::~KLX_ComplexTimer() = default;

bool KLX_ComplexTimer::Check(int n, const int* timer, const int* alarm, const int* voice) {
  if (KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, timer, alarm, voice)) return true;
  KLXErrorHandler.RegisterError(kErrBase + unsigned(n), QString());
  return false;
}

bool KLX_ComplexTimer::Valid(int timer, int alarm) const {
  return timer >= 0 && timer < kTimers && alarm >= 0 && alarm < kAlarms;
}

int KLX_ComplexTimer::TimerCount() const {
  if (!Board::IsInitialized()) Board::Init();
  return std::min(int(kTimers), Board::m_Instance->TimerCountMax());
}

void KLX_ComplexTimer::Recalc(int timer, int which) {
  QMutexLocker data(&m_DataLock);
  CComplexTimer& t = m_Timer[timer];
  QMutexLocker lock(&t.m_Mutex);
  if (which >= kAlarms) {
    // A new timer time puts it back to its start and restarts the alarms.
    t.m_StartValue = t.m_Start.Milliseconds();
    t.m_Current = t.m_StartValue;
    t.m_EndValue = t.m_End.Milliseconds();
    t.m_AlarmFlags |= CComplexTimer::kRestartAlarms;
    t.ActualTimeLocked();
  } else {
    CmplxAlarm_struct& a = t.m_Alarm[which];
    a.startValue = a.start.Milliseconds();
    a.endValue = a.end.Milliseconds();
    t.m_AlarmFlags &= static_cast<uint8_t>(~(1u << which));
  }
}

// ---- Set-up --------------------------------------------------------------------------

int KLX_ComplexTimer::KLX_ComplexTimerInitialize() {
  KLX_ComplexTimerClearAll();
  return KLX_Ok;
}

void KLX_ComplexTimer::KLX_ComplexTimerClearAll() {
  for (CComplexTimer& t : m_Timer) KLX_ComplexTimerSetToDefaultValues(&t);
  QMutexLocker lock(&m_OutputLock);
  m_Signals = 0;
  m_Tone = 0;
  m_Messages.clear();
}

int KLX_ComplexTimer::KLX_ComplexTimerSetToDefaultValues(CComplexTimer* timer) {
  if (!timer) {
    KLXErrorHandler.RegisterError(kErrBase + kOpSetToDefault, QString());
    return KLX_Error;
  }
  QMutexLocker data(&m_DataLock);
  timer->Clear();
  QMutexLocker display(&m_DisplayLock);
  timer->m_Shown = timer->m_Actual;
  return 1;
}

int KLX_ComplexTimer::KLX_ComplexTimerDelete(int timer) {
  if (!Check(kOpDelete, &timer)) return Indexes_Out_Of_Range;
  KLX_ComplexTimerSetToDefaultValues(&m_Timer[timer]);
  return 1;
}

int KLX_ComplexTimer::KLX_ComplexTimerGetSet_IsUsed(int timer, int value, int get) {
  if (!Check(kOpIsUsed, &timer)) return Indexes_Out_Of_Range;
  CComplexTimer& t = m_Timer[timer];
  if (!get) KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemUsed, &value, &m_Border);
  QMutexLocker lock(&t.m_Mutex);
  if (!get) t.m_IsUsed = static_cast<uint8_t>(value);
  return t.m_IsUsed;
}

QString KLX_ComplexTimer::KLX_ComplexTimerGetSet_Name(int timer, const QString& name, int get) {
  if (!Check(kOpName, &timer)) return QString();
  CComplexTimer& t = m_Timer[timer];
  if (get) {
    QMutexLocker lock(&t.m_Mutex);
    return QString::fromUtf8(t.m_Name);
  }
  const QByteArray bytes = KLX_Timer::KLX_TimerNameBytes(name);
  const QString stored = QString::fromUtf8(bytes);
  for (int other = 0; other < TimerCount(); ++other) {
    if (other == timer) continue;
    QMutexLocker lock(&m_Timer[other].m_Mutex);
    if (m_Timer[other].m_IsUsed &&
        QString::fromUtf8(m_Timer[other].m_Name).compare(stored, Qt::CaseInsensitive) == 0)
      return QString();
  }
  QMutexLocker lock(&t.m_Mutex);
  // Messages that say the timer's name go on saying it.
  for (CmplxAlarm_struct& a : t.m_Alarm)
    if (a.IsUsed() && a.message == t.m_Name) a.message = bytes;
  t.m_Name = bytes;
  return stored;
}

int KLX_ComplexTimer::KLX_ComplexTimerGetSet_Hour(int timer, bool start, int value, int get) {
  if (!Check(kOpHour, &timer)) return Indexes_Out_Of_Range;
  CComplexTimer& t = m_Timer[timer];
  HMStime_struct& time = start ? t.m_Start : t.m_End;
  return TimePart(
      t, time.hours, value, get, [&](int* v) { KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemHours, v, &m_Border); },
      [&] { Recalc(timer, kRecalcTimer); });
}

int KLX_ComplexTimer::KLX_ComplexTimerGetSet_Min_Sec(int timer, bool start, bool seconds, int value, int get) {
  if (!Check(kOpMinSec, &timer)) return Indexes_Out_Of_Range;
  CComplexTimer& t = m_Timer[timer];
  HMStime_struct& time = start ? t.m_Start : t.m_End;
  const unsigned char element = seconds ? kElemSeconds : kElemMinutes;
  return TimePart(
      t, seconds ? time.seconds : time.minutes, value, get,
      [&](int* v) { KLX_BaseClassDatabaseCheckBorderAtomicElement(element, v, &m_Border); },
      [&] { Recalc(timer, kRecalcTimer); });
}

int KLX_ComplexTimer::KLX_ComplexTimerGetSet_Control(int timer, int role, int id, CControl* control, int get) {
  if (!Check(kOpControl, &timer)) return Indexes_Out_Of_Range;
  if (role < TimerStatusStart || role > TimerStatusReset) return KLX_Error;
  CComplexTimer& t = m_Timer[timer];
  if (!get) {
    KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemControl, &id, &m_Border);
    const uint16_t value = static_cast<uint16_t>(id);
    if (role == TimerStatusStart)
      t.StartControlSet(value, control);
    else if (role == TimerStatusStop)
      t.StopControlSet(value, control);
    else
      t.ResetControlSet(value, control);
  }
  QMutexLocker lock(&t.m_Mutex);
  return t.m_ControlId[role - 1];
}

int KLX_ComplexTimer::KLX_ComplexTimerGetSet_StoredValue(int timer, int value, int mode) {
  if (!Check(kOpStoredValue, &timer)) return Indexes_Out_Of_Range;
  CComplexTimer& t = m_Timer[timer];
  QMutexLocker data(&m_DataLock);
  QMutexLocker lock(&t.m_Mutex);
  if (mode == AtomicDirSet) KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemStored, &value, &m_Border);
  return KLX_TimerStoredValueRule(&t.m_Stored, &t.m_Current, t.m_LastValueKeep, value, mode);
}

int KLX_ComplexTimer::KLX_ComplexTimerGetSet_LastValueKeep(int timer, int value, int get) {
  if (!Check(kOpLastValueKeep, &timer)) return Indexes_Out_Of_Range;
  CComplexTimer& t = m_Timer[timer];
  QMutexLocker data(&m_DataLock);
  QMutexLocker lock(&t.m_Mutex);
  if (!get) t.m_LastValueKeep = value ? 1 : 0;
  return t.m_LastValueKeep;
}

int KLX_ComplexTimer::KLX_ComplexTimerGet_State(int timer) {
  if (!Check(kOpState, &timer)) return Indexes_Out_Of_Range;
  QMutexLocker lock(&m_Timer[timer].m_Mutex);
  return m_Timer[timer].m_State;
}

int KLX_ComplexTimer::KLX_ComplexTimerGet_CountDownFlag(int timer) {
  if (!Check(kOpCountDown, &timer)) return Indexes_Out_Of_Range;
  QMutexLocker lock(&m_Timer[timer].m_Mutex);
  return m_Timer[timer].m_StartValue > m_Timer[timer].m_EndValue ? 1 : 0;
}

int KLX_ComplexTimer::KLX_ComplexTimerGetActualTimeSecond(int timer) {
  if (!Valid(timer)) return Max_Timer_Reached;
  QMutexLocker lock(&m_Timer[timer].m_Mutex);
  return m_Timer[timer].m_WholeSeconds % 60;
}

int KLX_ComplexTimer::KLX_ComplexTimerGetActualWholeSeconds(int timer) {
  if (!Valid(timer)) return Max_Timer_Reached;
  QMutexLocker lock(&m_Timer[timer].m_Mutex);
  return qAbs(m_Timer[timer].m_WholeSeconds);
}

QString KLX_ComplexTimer::TimeText(const HMStime_struct& t, bool hours) const {
  QString text;
  if (hours) text += TwoDigits(t.hours) + ':';
  return text + TwoDigits(t.minutes) + ':' + TwoDigits(t.seconds);
}

QString KLX_ComplexTimer::KLX_ComplexTimerGet_ActualTimeString(int timer, bool hours) {
  if (!Check(kOpTimeString, &timer)) return QString();
  HMStime_struct shown;
  {
    QMutexLocker display(&m_DisplayLock);
    shown = m_Timer[timer].m_Shown;
  }
  const bool negative = shown.hours < 0 || shown.minutes < 0 || shown.seconds < 0;
  return (negative ? QStringLiteral("-") : QString()) + TimeText(shown, shown.hours != 0 || hours);
}

int KLX_ComplexTimer::KLX_ComplexTimerGet_ActualTimeChars(int timer, char* buffer, int size) {
  if (!Valid(timer)) return Indexes_Out_Of_Range;
  HMStime_struct shown;
  {
    QMutexLocker display(&m_DisplayLock);
    shown = m_Timer[timer].m_Shown;
  }
  QString text;
  if (shown.hours == 0 && shown.minutes == 0 && shown.seconds == 0) {
    text = QStringLiteral("0");
  } else {
    const bool negative = shown.hours < 0 || shown.minutes < 0 || shown.seconds < 0;
    text = (negative ? CComplexTimer::tr("minus") : QString()) +
           KLX_Timer::KLX_TimerHMStoString(int16_t(shown.hours), shown.minutes, shown.seconds);
  }
  KLX_Timer::KLX_TimerAppendChars(buffer, size, text);
  return timer;
}

// ---- Alarms --------------------------------------------------------------------------

int KLX_ComplexTimer::KLX_ComplexTimerGetSet_AlarmType(int timer, int alarm, int value, int get) {
  if (!Check(kOpAlarmType, &timer, &alarm)) return Indexes_Out_Of_Range;
  CComplexTimer& t = m_Timer[timer];
  QMutexLocker lock(&t.m_Mutex);
  CmplxAlarm_struct& a = t.m_Alarm[alarm];
  if (get) return a.type;
  KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemType, &value, &m_Border);
  if (!a.IsUsed()) {
    // A new alarm starts as its timer stands.
    a.start = t.m_Start;
    a.startValue = t.m_StartValue;
    a.end = t.m_End;
    a.endValue = t.m_EndValue;
    a.message = KLX_Utf8Cut(t.m_Name, kNameAsMessageBytes);
  }
  a.type = static_cast<uint8_t>((value & ~7) | (alarm + 1));
  return a.type;
}

int KLX_ComplexTimer::KLX_ComplexTimerGetSet_MessageFlag(int timer, int alarm, int flag, int get) {
  if (!Check(kOpMessageFlag, &timer, &alarm)) return Indexes_Out_Of_Range;
  CComplexTimer& t = m_Timer[timer];
  QMutexLocker lock(&t.m_Mutex);
  CmplxAlarm_struct& a = t.m_Alarm[alarm];
  if (!get) {
    KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemMessageFlag, &flag, &m_Border);
    const int type = flag ? (a.type | 0x80) : (a.type & 0x7F);
    a.type = static_cast<uint8_t>((type & ~7) | (alarm + 1));
  }
  return a.type;
}

int KLX_ComplexTimer::KLX_ComplexTimerGetSet_AlarmControl(int timer, int alarm, int id, int get) {
  if (!Check(kOpAlarmControl, &timer, &alarm)) return Indexes_Out_Of_Range;
  CComplexTimer& t = m_Timer[timer];
  if (!get) KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemControl, &id, &m_Border);
  QMutexLocker lock(&t.m_Mutex);
  if (!get) t.m_Alarm[alarm].control = static_cast<uint16_t>(id);
  return t.m_Alarm[alarm].control;
}

int KLX_ComplexTimer::KLX_ComplexTimerGetSet_BeepTone(int timer, int alarm, int value, int get) {
  if (!Check(kOpBeepTone, &timer, &alarm)) return Indexes_Out_Of_Range;
  CComplexTimer& t = m_Timer[timer];
  if (!get) KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemTone, &value, &m_Border);
  QMutexLocker lock(&t.m_Mutex);
  uint16_t& tone = t.m_Alarm[alarm].tone;
  if (!get) tone = static_cast<uint16_t>((tone & ~kToneBits) | (value & kToneBits));
  return tone & kToneBits;
}

int KLX_ComplexTimer::KLX_ComplexTimerGetSet_Interval(int timer, int alarm, int value, int get) {
  if (!Check(kOpInterval, &timer, &alarm)) return Indexes_Out_Of_Range;
  CComplexTimer& t = m_Timer[timer];
  if (!get) {
    // The magnitude onto the table; the sign says which way to round.
    int magnitude = qAbs(value);
    KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemInterval, &magnitude, &m_Border);
    const int* end = std::end(kIntervals);
    const int* at = std::lower_bound(std::begin(kIntervals), end, magnitude);
    if (at == end) at = end - 1;
    if (*at != magnitude && value < 0) --at;
    QMutexLocker lock(&t.m_Mutex);
    t.m_Alarm[alarm].interval = *at;
  }
  QMutexLocker lock(&t.m_Mutex);
  return t.m_Alarm[alarm].interval;
}

int KLX_ComplexTimer::KLX_ComplexTimerGetSet_Alarm_Hour(int timer, int alarm, bool start, int value, int get) {
  if (!Check(kOpAlarmHour, &timer, &alarm)) return Indexes_Out_Of_Range;
  CComplexTimer& t = m_Timer[timer];
  HMStime_struct& time = start ? t.m_Alarm[alarm].start : t.m_Alarm[alarm].end;
  return TimePart(
      t, time.hours, value, get, [&](int* v) { KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemHours, v, &m_Border); },
      [&] { Recalc(timer, alarm); });
}

int KLX_ComplexTimer::KLX_ComplexTimerGetSet_Alarm_Min_Sec(int timer, int alarm, bool start, bool seconds, int value,
                                                           int get) {
  if (!Check(kOpAlarmMinSec, &timer, &alarm)) return Indexes_Out_Of_Range;
  CComplexTimer& t = m_Timer[timer];
  HMStime_struct& time = start ? t.m_Alarm[alarm].start : t.m_Alarm[alarm].end;
  const unsigned char element = seconds ? kElemSeconds : kElemMinutes;
  return TimePart(
      t, seconds ? time.seconds : time.minutes, value, get,
      [&](int* v) { KLX_BaseClassDatabaseCheckBorderAtomicElement(element, v, &m_Border); },
      [&] { Recalc(timer, alarm); });
}

int KLX_ComplexTimer::KLX_ComplexTimerGet_AlarmStartStopEqual(int timer, int alarm, int get) {
  if (!Check(kOpOneShot, &timer, &alarm)) return Indexes_Out_Of_Range;
  CComplexTimer& t = m_Timer[timer];
  if (!get) {
    {
      QMutexLocker lock(&t.m_Mutex);
      t.m_Alarm[alarm].end = t.m_Alarm[alarm].start;
    }
    Recalc(timer, alarm);
  }
  QMutexLocker lock(&t.m_Mutex);
  return t.m_Alarm[alarm].start == t.m_Alarm[alarm].end ? 1 : 0;
}

QString KLX_ComplexTimer::KLX_ComplexTimerGetSet_AlarmMessage(int timer, int alarm, const QString& text, int get) {
  if (!Check(kOpAlarmMessage, &timer, &alarm)) return QString();
  CComplexTimer& t = m_Timer[timer];
  QMutexLocker lock(&t.m_Mutex);
  CmplxAlarm_struct& a = t.m_Alarm[alarm];
  if (!get) {
    QString cut = text.left(kMessageChars);
    // Never half a surrogate pair.
    if (!cut.isEmpty() && cut.at(cut.size() - 1).isHighSurrogate()) cut.chop(1);
    a.message = KLX_Utf8ValidCut(cut.toUtf8(), CmplxAlarm_struct::kMessageBytes - 1);
  }
  return QString::fromUtf8(a.message);
}

int KLX_ComplexTimer::KLX_ComplexTimerGetSet_AlarmVoice(int timer, int alarm, bool text, int voice, int get) {
  if (!Check(kOpAlarmVoice, &timer, &alarm, &voice)) return Indexes_Out_Of_Range;
  CComplexTimer& t = m_Timer[timer];
  QMutexLocker lock(&t.m_Mutex);
  uint8_t& index = text ? t.m_Alarm[alarm].textVoiceIndex : t.m_Alarm[alarm].valueVoiceIndex;
  if (!get) index = static_cast<uint8_t>(voice);
  return index;
}

template <typename F>
QString KLX_ComplexTimer::SpeechText(int timer, int alarm, const QString& text, int get, F field) {
  if (!Valid(timer, alarm)) return QString();
  CComplexTimer& t = m_Timer[timer];
  QMutexLocker lock(&t.m_Mutex);
  QString& stored = field(t.m_Alarm[alarm]);
  if (!get) stored = text;
  return stored;
}

QString KLX_ComplexTimer::KLX_ComplexTimerGetSet_Alarm_ValueVoice(int timer, int alarm, const QString& text, int get) {
  return SpeechText(timer, alarm, text, get, [](CmplxAlarm_struct& a) -> QString& { return a.valueVoice; });
}

QString KLX_ComplexTimer::KLX_ComplexTimerGetSet_Alarm_ValueLang(int timer, int alarm, const QString& text, int get) {
  return SpeechText(timer, alarm, text, get, [](CmplxAlarm_struct& a) -> QString& { return a.valueLanguage; });
}

QString KLX_ComplexTimer::KLX_ComplexTimerGetSet_Alarm_TextVoice(int timer, int alarm, const QString& text, int get) {
  return SpeechText(timer, alarm, text, get, [](CmplxAlarm_struct& a) -> QString& { return a.textVoice; });
}

QString KLX_ComplexTimer::KLX_ComplexTimerGetSet_Alarm_TextLang(int timer, int alarm, const QString& text, int get) {
  return SpeechText(timer, alarm, text, get, [](CmplxAlarm_struct& a) -> QString& { return a.textLanguage; });
}

CmplxAlarm_struct KLX_ComplexTimer::KLX_ComplexTimerGetAlarm(int timer, int alarm) const {
  if (!Valid(timer, alarm)) return CmplxAlarm_struct();
  QMutexLocker lock(&m_Timer[timer].m_Mutex);
  return m_Timer[timer].m_Alarm[alarm];
}

int KLX_ComplexTimer::KLX_ComplexTimer_AlarmDelete(int timer, int alarm) {
  if (!Check(kOpAlarmDelete, &timer, &alarm)) return Indexes_Out_Of_Range;
  QMutexLocker data(&m_DataLock);
  QMutexLocker lock(&m_Timer[timer].m_Mutex);
  m_Timer[timer].m_Alarm[alarm].Clear();
  return alarm;
}

QString KLX_ComplexTimer::KLX_ComplexTimerGet_AlarmTimeRange(int timer, int alarm) {
  if (!Valid(timer, alarm)) return QString();
  QMutexLocker lock(&m_Timer[timer].m_Mutex);
  const CmplxAlarm_struct& a = m_Timer[timer].m_Alarm[alarm];
  const bool hours = a.start.hours != 0 || a.end.hours != 0;
  QString text = TimeText(a.start, hours);
  if (a.end != a.start) text += QStringLiteral("...") + TimeText(a.end, hours);
  return text;
}

int KLX_ComplexTimer::KLX_ComplexTimerGetNextAlarmFreeIndex(int timer) {
  if (!Valid(timer)) return KLX_Error;
  QMutexLocker lock(&m_Timer[timer].m_Mutex);
  for (int n = 0; n < kAlarms; ++n)
    if (!m_Timer[timer].m_Alarm[n].IsUsed()) return n;
  return kAlarms;
}

HMStime_struct KLX_ComplexTimer::ScreenTime(HMStime_struct time) const {
  int parts[3] = {time.hours, time.minutes, time.seconds};
  KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemHours, &parts[0], &m_Border);
  KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemMinutes, &parts[1], &m_Border);
  KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemSeconds, &parts[2], &m_Border);
  time.hours = parts[0];
  time.minutes = static_cast<int8_t>(parts[1]);
  time.seconds = static_cast<int8_t>(parts[2]);
  return time;
}

int KLX_ComplexTimer::KLX_ComplexTimerLoadTime(int timer, bool end, const HMStime_struct& time) {
  if (!Valid(timer)) return KLX_Error;
  {
    QMutexLocker lock(&m_Timer[timer].m_Mutex);
    (end ? m_Timer[timer].m_End : m_Timer[timer].m_Start) = ScreenTime(time);
  }
  Recalc(timer, kRecalcTimer);
  return timer;
}

int KLX_ComplexTimer::KLX_ComplexTimerLoadAlarmTime(int timer, int alarm, bool end, const HMStime_struct& time) {
  if (!Valid(timer, alarm)) return KLX_Error;
  {
    QMutexLocker lock(&m_Timer[timer].m_Mutex);
    CmplxAlarm_struct& a = m_Timer[timer].m_Alarm[alarm];
    (end ? a.end : a.start) = ScreenTime(time);
  }
  Recalc(timer, alarm);
  return timer;
}

// ---- The store -----------------------------------------------------------------------

int KLX_ComplexTimer::KLX_ComplexTimerGetNumber() {
  int used = 0;
  for (int i = 0; i < TimerCount(); ++i) {
    QMutexLocker lock(&m_Timer[i].m_Mutex);
    used += m_Timer[i].m_IsUsed ? 1 : 0;
  }
  return used;
}

int KLX_ComplexTimer::KLX_ComplexTimerGetNextFreeIndex() {
  for (int i = 0; i < TimerCount(); ++i) {
    QMutexLocker lock(&m_Timer[i].m_Mutex);
    if (!m_Timer[i].m_IsUsed) return i;
  }
  return Max_Timer_Reached;
}

int KLX_ComplexTimer::KLX_ComplexTimerNeedAnyTimerLastValueDump() {
  for (CComplexTimer& t : m_Timer) {
    QMutexLocker lock(&t.m_Mutex);
    if (t.m_IsUsed && t.m_LastValueKeep) return 1;
  }
  return 0;
}

// ---- The tick ------------------------------------------------------------------------

void KLX_ComplexTimer::KLX_ComplexTimerCalculate(int timer, int dt) {
  if (!Valid(timer)) return;
  QMutexLocker lock(&m_OutputLock);
  m_Timer[timer].UpdateTime(dt, &m_Signals, &m_Messages, &m_Tone);
}

void KLX_ComplexTimer::KLX_ComplexTimerGetAllAlarmSignals(uint8_t* alarmSignals, uint16_t* tone) {
  QMutexLocker lock(&m_OutputLock);
  if (alarmSignals) {
    *alarmSignals = m_Signals;
    m_Signals = 0;
  }
  if (tone) {
    *tone = m_Tone;
    m_Tone = 0;
  }
}

QList<VoiceMsg_struct> KLX_ComplexTimer::KLX_ComplexTimerTakeAlarmMessages() {
  QMutexLocker lock(&m_OutputLock);
  QList<VoiceMsg_struct> out;
  out.swap(m_Messages);
  return out;
}
