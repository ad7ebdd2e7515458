#include "timers/ccomplextimer.h"

#include <QMutexLocker>

#include "frame/klx_controlids.h"
#include "model/engine/kl_engine.h"

namespace {
constexpr int16_t kOn = 2047;
// A stretch's end is reached by a tick up to this many ms past it.
constexpr int32_t kEndReach = 74;
// Type bits.
constexpr uint8_t kBeep = 0x08;
constexpr uint8_t kVibrate = 0x10;
constexpr uint8_t kSpeakTime = 0x60;
constexpr uint8_t kSpeakShort = 0x20;
constexpr uint8_t kSpeakNamed = 0x60;
constexpr uint8_t kSpeakMessage = 0x80;
constexpr uint16_t kLongBeep = 0x1000;

bool IsVirtualSwitchOfBoard(uint16_t id) {
  return id >= KLX_CONTROL_VS_FIRST && id < KLX_CONTROL_VS_FIRST + kl_engine_cfg_count(EngineCfgVirtualSwitches);
}
}  // namespace

void (CComplexTimer::*const CComplexTimer::kSlots[RoleCount])(CControlVal) = {
    &CComplexTimer::OnStartControlChanged, &CComplexTimer::OnStopControlChanged,
    &CComplexTimer::OnResetControlChanged};

CComplexTimer::CComplexTimer(QObject* parent) : QObject(parent) {
  for (auto& last : m_Last) last = CControl::kNoValue;
}

void CComplexTimer::Clear() {
  for (int role = 0; role < RoleCount; ++role) ControlSet(static_cast<Role>(role), 65535, nullptr);
  QMutexLocker lock(&m_Mutex);
  m_IsUsed = 0;
  m_State = Stopped;
  m_Start = m_End = m_Actual = HMStime_struct();
  m_Stored = m_Current = m_WholeSeconds = 0;
  m_LastValueKeep = 0;
  for (CmplxAlarm_struct& a : m_Alarm) a.Clear();
  m_AlarmFlags = kRestartAlarms;
  m_Name = QByteArrayLiteral("timer");
  m_StartValue = m_EndValue = 0;
}

// ---- Controls ------------------------------------------------------------------------

void CComplexTimer::StartControlSet(uint16_t id, CControl* control) { ControlSet(RoleStart, id, control); }
void CComplexTimer::StopControlSet(uint16_t id, CControl* control) { ControlSet(RoleStop, id, control); }
void CComplexTimer::ResetControlSet(uint16_t id, CControl* control) { ControlSet(RoleReset, id, control); }

void CComplexTimer::ControlSet(Role role, uint16_t id, CControl* control) {
  if (CControl* old = m_Control[role]) {
    m_Last[role] = CControl::kNoValue;
    // Only this role's slot: one switch may drive two roles.
    disconnect(old, &CControl::OnValueChanged, this, kSlots[role]);
  }
  {
    QMutexLocker lock(&m_Mutex);
    m_ControlId[role] = id;
    m_Control[role] = control;
  }
  if (!control) return;
  (this->*kSlots[role])(control->Value());
  connect(control, &CControl::OnValueChanged, this, kSlots[role], Qt::AutoConnection);
}

void CComplexTimer::OnStartControlChanged(CControlVal value) {
  m_Last[RoleStart] = value;
  UpdateState();
}

void CComplexTimer::OnStopControlChanged(CControlVal value) {
  m_Last[RoleStop] = value;
  UpdateState();
}

void CComplexTimer::OnResetControlChanged(CControlVal value) {
  m_Last[RoleReset] = value;
  UpdateState();
}

void CComplexTimer::UpdateState() {
  QMutexLocker lock(&m_Mutex);
  if (m_Last[RoleReset] == kOn) {
    if (m_State != Reset) {
      m_AlarmFlags |= kRestartAlarms;
      m_Current = m_StartValue;
      ActualTimeLocked();
    }
    m_State = Reset;
    return;
  }
  if (m_State == 0) return;
  // Stop before start; nothing depends on a switch being off.
  if (m_Last[RoleStop] == kOn)
    m_State = Stopped;
  else if (m_Last[RoleStart] == kOn)
    m_State = Running;
}

// ---- The tick ------------------------------------------------------------------------

void CComplexTimer::UpdateActualTime() {
  QMutexLocker lock(&m_Mutex);
  ActualTimeLocked();
}

void CComplexTimer::ActualTimeLocked() {
  int32_t s = m_Current / 1000;
  // A count-down shows the second it is in.
  if (m_StartValue > m_EndValue && m_Current % 1000 > 0) ++s;
  m_WholeSeconds = s;
  m_Actual.hours = s / 3600;
  m_Actual.minutes = static_cast<int8_t>((s % 3600) / 60);
  m_Actual.seconds = static_cast<int8_t>(s % 60);
  if (m_DisplayLock) m_DisplayLock->lock();
  m_Shown = m_Actual;
  if (m_DisplayLock) m_DisplayLock->unlock();
}

void CComplexTimer::UpdateTime(int dt, uint8_t* alarmSignals, QList<VoiceMsg_struct>* messages, uint16_t* tone) {
  QMutexLocker lock(&m_Mutex);
  if (!m_IsUsed) return;
  if (m_State == Running) {
    ActualTimeLocked();
    AlarmsCalculate(alarmSignals, messages, tone);
    // Not limited: a complex timer counts on past its end.
    m_Current = m_StartValue > m_EndValue ? m_Current - dt : m_Current + dt;
  } else if (m_State == Stopped) {
    ActualTimeLocked();
  }
}

// ---- Alarms --------------------------------------------------------------------------

void CComplexTimer::AlarmsCalculate(uint8_t* alarmSignals, QList<VoiceMsg_struct>* messages, uint16_t* tone) {
  if (m_AlarmFlags & kRestartAlarms) {
    m_AlarmFlags = 0;
    for (CmplxAlarm_struct& a : m_Alarm) a.lastSecond = m_WholeSeconds;
  }
  for (int n = 0; n < kAlarms; ++n) {
    CmplxAlarm_struct& a = m_Alarm[n];
    if (!a.IsUsed()) continue;
    a.type = static_cast<uint8_t>((a.type & ~7) | (n + 1));
    if (a.interval == 0 || !IsVirtualSwitchOfBoard(a.control) || (a.type & 0xF8) == 0) continue;
    if (kl_engine_get_virtual_switch_outputbyControl(a.control) != kOn) continue;
    const uint8_t bit = static_cast<uint8_t>(1u << n);
    const int32_t from = a.startValue, to = a.endValue, c = m_Current;
    if (from != to) {
      const bool inside = from < to ? (from <= c && c <= to + kEndReach) : (to - kEndReach <= c && c <= from);
      if (!inside) continue;
      if (m_WholeSeconds % a.interval != 0) continue;
      if (m_AlarmFlags & bit) {
        if (m_WholeSeconds == a.lastSecond) continue;
      } else {
        m_AlarmFlags |= bit;
      }
    } else {
      // One shot: when the actual time reads the alarm's time.
      if ((m_AlarmFlags & bit) || m_Actual != a.start) continue;
      m_AlarmFlags |= bit;
    }
    a.lastSecond = m_WholeSeconds;
    if (!alarmSignals || !messages || !tone) continue;
    if (a.type & kBeep) {
      *alarmSignals |= 0x01;
      if (a.tone & kLongBeep) *alarmSignals |= 0x02;
      *tone = a.tone & 0x3FF;
    }
    if (a.type & kVibrate) *alarmSignals |= 0x04;
    *alarmSignals |= static_cast<uint8_t>((a.type & kSpeakTime) >> 1);
    if (a.type & kSpeakTime)
      messages->append({AlarmSpokenTime(a), a.valueVoiceIndex, a.valueLanguage, a.valueVoice});
    if (a.type & kSpeakMessage) {
      *alarmSignals |= 0x80;
      messages->append({QString::fromUtf8(a.message), a.textVoiceIndex, a.textLanguage, a.textVoice});
    }
  }
}

QString CComplexTimer::AlarmSpokenTime(const CmplxAlarm_struct& alarm) const {
  const int H = qAbs(m_Actual.hours), M = qAbs(int(m_Actual.minutes)), S = qAbs(int(m_Actual.seconds));
  const int I = alarm.interval;
  const int T = alarm.type & kSpeakTime;
  const bool shortForm = T == kSpeakShort;
  const auto hourWord = [H] { return H == 1 ? tr("hour") : tr("hours"); };
  const auto minuteWord = [M] { return M == 1 ? tr("minute") : tr("minutes"); };
  QString text;
  if (T == kSpeakNamed && I > 9) text += QString::fromUtf8(m_Name) + ' ';
  if (m_WholeSeconds < 0) text += tr("minus");
  bool hoursSpoken = false;
  if (H != 0 && I >= 5) {
    text += QString::number(H);
    if (shortForm) {
      if (M == 0 && S == 0) return text + hourWord();
      text += ' ';
    } else {
      text += hourWord() + ' ';
    }
    hoursSpoken = true;
  }
  if (shortForm) {
    if (I <= 2) {
      if (S <= 9 && hoursSpoken) text += '0';
      return text + QString::number(S);
    }
    if (S == 0) {
      text += QString::number(M);
      if (M >= 1) text += minuteWord();
      return text;
    }
    if (M <= 9 && hoursSpoken) text += '0';
    if (M != 0) text += QString::number(M);
    text += ' ';
    if (S <= 9) text += '0';
    return text + QString::number(S);
  }
  if (I >= 3 && M != 0) text += QString::number(M) + minuteWord() + ' ';
  if (S != 0) {
    text += QString::number(S);
    if (I >= 2) text += S == 1 ? tr("second") : tr("seconds");
  }
  return text;
}
