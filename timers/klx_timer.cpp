#include "timers/klx_timer.h"

#include <QMutexLocker>

#include <cstring>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_utf8.h"
#include "timers/klx_timerrules.h"

namespace {
constexpr unsigned kErrNullRecord = 0x53D0B;

// Element ids of the limit table.
enum : unsigned char {
  kElemName = 0,
  kElemUsed = 1,
  kElemStored = 3,
  kElemHours = 11,
  kElemMinutes = 12,
  kElemSeconds = 13,
  kElemAlarm = 14,
};

constexpr int16_t kOn = 2047;
constexpr int16_t kOff = -2047;

int32_t Clamp(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }
}  // namespace

KLX_Timer::KLX_Timer(QObject* parent) : QObject(parent) {
  KLX_TimerLimits(&m_Border, {{kElemName, 0, kNameBytes},
                              {kElemUsed, 0, 1},
                              {kElemStored, 0, kStoredMax},
                              {kElemHours, 0, 8},
                              {kElemMinutes, 0, 59},
                              {kElemSeconds, 0, 59},
                              {kElemAlarm, 0, 1}});
  for (auto& last : m_Last) last = CControl::kNoValue;
  KLX_TimerSetToDefaultValues(&m_Data);
  m_Name = QByteArrayLiteral("timer");
}

KLX_Timer::~KLX_Timer() = default;

QByteArray KLX_Timer::KLX_TimerNameBytes(const QString& text) { return KLX_Utf8ValidCut(text.toUtf8(), kNameBytes); }

// ---- Settings ------------------------------------------------------------------------

QString KLX_Timer::KLX_TimerGetSet_Name(const QString& name, int get) {
  QMutexLocker lock(&m_Mutex);
  if (!get) m_Name = KLX_TimerNameBytes(name);
  return QString::fromUtf8(m_Name);
}

int KLX_Timer::KLX_TimerGetSet_IsUsed(int value, int get) {
  QMutexLocker lock(&m_Mutex);
  if (!get) {
    KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemUsed, &value, &m_Border);
    m_Data.IsUsed = value ? 1 : 0;
  }
  return m_Data.IsUsed;
}

int KLX_Timer::KLX_TimerGetSet_AlarmFlag(int value, int get) {
  QMutexLocker lock(&m_Mutex);
  if (!get) {
    KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemAlarm, &value, &m_Border);
    m_Data.AlarmFlag = value ? 1 : 0;
  }
  return m_Data.AlarmFlag;
}

int KLX_Timer::TimeField(int16_t T_Timer::*field, unsigned char element, int value, int get) {
  if (get) {
    QMutexLocker lock(&m_Mutex);
    return m_Data.*field;
  }
  KLX_BaseClassDatabaseCheckBorderAtomicElement(element, &value, &m_Border);
  QMutexLocker lock(&m_Mutex);
  m_Negative = false;
  m_Data.*field = static_cast<int16_t>(value);
  RemainingTimeLocked(true);
  return m_Data.*field;
}

int KLX_Timer::KLX_TimerGetSet_StartTimeHour(int value, int get) {
  return TimeField(&T_Timer::StartHour, kElemHours, value, get);
}
int KLX_Timer::KLX_TimerGetSet_StartTimeMinute(int value, int get) {
  return TimeField(&T_Timer::StartMinute, kElemMinutes, value, get);
}
int KLX_Timer::KLX_TimerGetSet_StartTimeSecond(int value, int get) {
  return TimeField(&T_Timer::StartSecond, kElemSeconds, value, get);
}
int KLX_Timer::KLX_TimerGetSet_StopTimeHour(int value, int get) {
  return TimeField(&T_Timer::StopHour, kElemHours, value, get);
}
int KLX_Timer::KLX_TimerGetSet_StopTimeMinute(int value, int get) {
  return TimeField(&T_Timer::StopMinute, kElemMinutes, value, get);
}
int KLX_Timer::KLX_TimerGetSet_StopTimeSecond(int value, int get) {
  return TimeField(&T_Timer::StopSecond, kElemSeconds, value, get);
}

int KLX_Timer::KLX_TimerGetSet_ValueStart(int value, int get) {
  QMutexLocker lock(&m_Mutex);
  if (!get) m_Data.ValueStart = value;
  return m_Data.ValueStart;
}

int KLX_Timer::KLX_TimerGetSet_ValueStop(int value, int get) {
  QMutexLocker lock(&m_Mutex);
  if (!get) m_Data.ValueStop = value;
  return m_Data.ValueStop;
}

int KLX_Timer::KLX_TimerGetSet_ValueCurrent(int value, int get) {
  QMutexLocker lock(&m_Mutex);
  if (!get) m_Data.ValueCurrent = value;
  return m_Data.ValueCurrent;
}

int KLX_Timer::KLX_TimerGetSet_StoredValue(int value, int mode) {
  QMutexLocker lock(&m_Mutex);
  if (mode == AtomicDirSet) KLX_BaseClassDatabaseCheckBorderAtomicElement(kElemStored, &value, &m_Border);
  return KLX_TimerStoredValueRule(&m_Data.ValueStored, &m_Data.ValueCurrent, m_Data.LastValueKeep, value, mode);
}

int KLX_Timer::KLX_TimerGetSet_LastValueKeep(int value, int get) {
  QMutexLocker lock(&m_Mutex);
  if (!get) m_Data.LastValueKeep = value ? 1 : 0;
  return m_Data.LastValueKeep;
}

int KLX_Timer::KLX_TimerNeedAnyTimerLastValueDump() {
  QMutexLocker lock(&m_Mutex);
  return m_Data.IsUsed ? m_Data.LastValueKeep : 0;
}

// ---- Switches ------------------------------------------------------------------------

int KLX_Timer::KLX_TimerGetSet_SwitchStartVirtSw(int number, CControl* control, int get) {
  return SwitchAssign(RoleStart, number, control, get);
}
int KLX_Timer::KLX_TimerGetSet_SwitchStopVirtSw(int number, CControl* control, int get) {
  return SwitchAssign(RoleStop, number, control, get);
}
int KLX_Timer::KLX_TimerGetSet_SwitchResetVirtSw(int number, CControl* control, int get) {
  return SwitchAssign(RoleReset, number, control, get);
}

namespace {
uint16_t T_Timer::*const kSwitchFields[] = {&T_Timer::StartSwitch, &T_Timer::StopSwitch, &T_Timer::ResetSwitch};
}  // namespace

void (KLX_Timer::*const KLX_Timer::kSlots[RoleCount])(CControlVal) = {
    &KLX_Timer::OnStartControlChanged, &KLX_Timer::OnStopControlChanged, &KLX_Timer::OnResetControlChanged};

void KLX_Timer::Disconnect(Role role) {
  CControl* old = m_Control[role];
  if (!old) return;
  {
    QMutexLocker lock(&m_Mutex);
    m_Data.*kSwitchFields[role] = kDisconnected;
    m_Control[role] = nullptr;
  }
  m_Last[role] = CControl::kNoValue;
  // Only this role's slot: one switch may drive two roles.
  disconnect(old, &CControl::OnValueChanged, this, kSlots[role]);
}

int KLX_Timer::SwitchAssign(Role role, int number, CControl* control, int get) {
  uint16_t T_Timer::*const* fields = kSwitchFields;
  if (get) {
    QMutexLocker lock(&m_Mutex);
    return m_Data.*fields[role];
  }
  Disconnect(role);
  {
    QMutexLocker lock(&m_Mutex);
    m_Control[role] = control;
    m_Data.*fields[role] = static_cast<uint16_t>(number);
  }
  if (control) {
    m_Last[role] = control->Value();
    connect(control, &CControl::OnValueChanged, this, kSlots[role], Qt::AutoConnection);
  }
  UpdateState();
  QMutexLocker lock(&m_Mutex);
  return m_Data.*fields[role];
}

void KLX_Timer::OnStartControlChanged(CControlVal value) {
  m_Last[RoleStart] = value;
  UpdateState();
}

void KLX_Timer::OnStopControlChanged(CControlVal value) {
  m_Last[RoleStop] = value;
  UpdateState();
}

void KLX_Timer::OnResetControlChanged(CControlVal value) {
  m_Last[RoleReset] = value;
  UpdateState();
}

// ---- Run state -----------------------------------------------------------------------

void KLX_Timer::KLX_TimerSetToDefaultValues(T_Timer* record) {
  if (!record) {
    KLXErrorHandler.RegisterError(kErrNullRecord, QString());
    return;
  }
  std::memset(record, 0, sizeof *record);
  record->AlarmFlag = 1;
  record->StartSwitch = record->StopSwitch = record->ResetSwitch = kNoSwitch;
  record->State = Stopped;
}

void KLX_Timer::Clear() {
  for (int role = 0; role < RoleCount; ++role) Disconnect(static_cast<Role>(role));
  for (auto& last : m_Last) last = CControl::kNoValue;
  QMutexLocker lock(&m_Mutex);
  m_Name = QByteArrayLiteral("timer");
  m_Negative = false;
  m_FirstUpdate = true;
  KLX_TimerSetToDefaultValues(&m_Data);
}

void KLX_Timer::SetCurrentTime(int32_t ms) { m_Data.ValueCurrent = Clamp(ms, -kValueLimit, kValueLimit); }

void KLX_Timer::Reload() {
  SetCurrentTime(m_Data.ValueStart);
  m_Data.AlarmFlag = 0;
  m_Negative = false;
  m_Data.State = Reset;
}

void KLX_Timer::UpdateState() {
  QMutexLocker lock(&m_Mutex);
  UpdateStateLocked();
}

void KLX_Timer::UpdateStateLocked() {
  // Exactly +2047 is on and exactly -2047 off; no value and anything
  // between are neither.
  const int16_t start = m_Last[RoleStart], stop = m_Last[RoleStop], reset = m_Last[RoleReset];
  const bool startOn = start == kOn, startOff = start == kOff;
  const bool stopOn = stop == kOn, stopOff = stop == kOff;
  const bool resetOn = reset == kOn;
  switch (m_Data.State) {
    case Running:
      if (resetOn)
        Reload();
      else if ((startOn || startOff) && stopOn)
        m_Data.State = Stopped;
      break;
    case Stopped:
      if (resetOn)
        Reload();
      else if (startOn && stopOff)
        m_Data.State = Running;
      break;
    case Reset:
      if (resetOn) break;
      if (startOn && stopOff)
        m_Data.State = Running;
      else if ((startOn || startOff) && stopOn)
        m_Data.State = Stopped;
      break;
    default:
      m_Data.State = Stopped;
      break;
  }
}

void KLX_Timer::KLX_TimerUpdate(int dt) {
  QMutexLocker lock(&m_Mutex);
  if (!m_Data.IsUsed) return;
  int64_t next = m_Data.ValueCurrent;
  if (m_Data.State == Running) {
    if (m_Data.ValueStart > m_Data.ValueStop)
      next -= dt;
    else if (m_Data.ValueStart < m_Data.ValueStop)
      next += dt;
    else
      next = m_Data.ValueStop;
  }
  SetCurrentTime(static_cast<int32_t>(qBound<int64_t>(-kValueLimit, next, kValueLimit)));
  RemainingTimeLocked(false);
}

int KLX_Timer::KLX_TimerCalculateRemainingTime(bool recalculate) {
  QMutexLocker lock(&m_Mutex);
  RemainingTimeLocked(recalculate);
  return KLX_Ok;
}

void KLX_Timer::RemainingTimeLocked(bool recalculate) {
  T_Timer& d = m_Data;
  if (recalculate) {
    d.ValueStart = (d.StartHour * 3600 + d.StartMinute * 60 + d.StartSecond) * 1000;
    d.ValueCurrent = d.ValueStart;
    d.ValueStop = (d.StopHour * 3600 + d.StopMinute * 60 + d.StopSecond) * 1000;
  }
  const int32_t c = d.ValueCurrent;
  int16_t h, m, s;
  if (c >= 0) {
    h = static_cast<int16_t>(c / 3600000);
    m = static_cast<int16_t>((c % 3600000) / 60000);
    s = static_cast<int16_t>((c % 60000) / 1000);
  } else {
    // A negative value shows the next whole second away from zero; the
    // carry stops at the minutes.
    const int32_t a = -c;
    h = static_cast<int16_t>(a / 3600000);
    m = static_cast<int16_t>((a % 3600000) / 60000);
    s = static_cast<int16_t>((a % 60000) / 1000 + 1);
    if (s == 60) {
      s = 0;
      ++m;
    }
  }
  if (KLX_TimerZeroDetection(h, m, s, d.ActualHour, d.ActualMinute, d.ActualSecond) && !m_Negative) m_Negative = true;
  d.ActualHour = h;
  d.ActualMinute = m;
  d.ActualSecond = s;
}

bool KLX_Timer::KLX_TimerZeroDetection(int16_t h, int16_t m, int16_t s, int16_t ph, int16_t pm, int16_t ps) {
  if (m_FirstUpdate) {
    m_FirstUpdate = false;
    return false;
  }
  const T_Timer& d = m_Data;
  if (d.StartHour <= d.StopHour && d.StartMinute <= d.StopMinute && d.StartSecond <= d.StopSecond) return false;
  return ph == 0 && pm == 0 && ps == 0 && h <= ph && m <= pm && s <= ps;
}

// ---- Spoken time ---------------------------------------------------------------------

QString KLX_Timer::KLX_TimerHMStoString(int16_t h, int16_t m, int16_t s) {
  const int H = qAbs(int(h)), M = qAbs(int(m)), S = qAbs(int(s));
  const auto zeroBelow10 = [](int v) { return v <= 9 ? QStringLiteral("0") : QString(); };
  if (H != 0) return QString::number(H) + (H == 1 ? tr("hour") : tr("hours")) + ' ' + zeroBelow10(M) + QString::number(M);
  if (M != 0) {
    if (S != 0) return QString::number(M) + ' ' + zeroBelow10(S) + QString::number(S);
    return QString::number(M) + (M == 1 ? tr("minute") : tr("minutes"));
  }
  if (S != 0) return QString::number(S) + (S == 1 ? tr("second") : tr("seconds"));
  return QString();
}

void KLX_Timer::KLX_TimerGet_ActualTimeChars(char* buffer, int size) {
  if (!buffer || size <= 0) return;
  QString text;
  {
    QMutexLocker lock(&m_Mutex);
    const T_Timer& d = m_Data;
    if (d.ActualHour == 0 && d.ActualMinute == 0 && d.ActualSecond == 0)
      text = QStringLiteral("0");
    else
      text = (m_Negative ? tr("minus") : QString()) + KLX_TimerHMStoString(d.ActualHour, d.ActualMinute, d.ActualSecond);
  }
  KLX_TimerAppendChars(buffer, size, text);
}

void KLX_Timer::KLX_TimerAppendChars(char* buffer, int size, const QString& text) {
  if (!buffer || size <= 0) return;
  const int used = int(strnlen(buffer, size_t(size)));
  if (used >= size) {
    buffer[size - 1] = '\0';
    return;
  }
  const QByteArray add = KLX_Utf8Cut(text.toUtf8(), size - 1 - used);
  std::memcpy(buffer + used, add.constData(), size_t(add.size()));
  buffer[used + add.size()] = '\0';
}

// ---- Read-outs -----------------------------------------------------------------------

int KLX_Timer::State() const {
  QMutexLocker lock(&m_Mutex);
  return m_Data.State;
}

int KLX_Timer::ActualHour() const {
  QMutexLocker lock(&m_Mutex);
  return qAbs(int(m_Data.ActualHour));
}

int KLX_Timer::ActualMinute() const {
  QMutexLocker lock(&m_Mutex);
  return qAbs(int(m_Data.ActualMinute));
}

int KLX_Timer::ActualSecond() const {
  QMutexLocker lock(&m_Mutex);
  return m_Data.ActualSecond;
}

int KLX_Timer::ActualWholeSeconds() const {
  QMutexLocker lock(&m_Mutex);
  return qAbs(int(m_Data.ActualHour)) * 3600 + qAbs(int(m_Data.ActualMinute)) * 60 + qAbs(int(m_Data.ActualSecond));
}

bool KLX_Timer::IsNegative() const {
  QMutexLocker lock(&m_Mutex);
  return m_Negative;
}

T_Timer KLX_Timer::Record() const {
  QMutexLocker lock(&m_Mutex);
  return m_Data;
}
