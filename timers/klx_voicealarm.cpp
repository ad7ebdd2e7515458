#include "timers/klx_voicealarm.h"

#include <QMutexLocker>

#include <cmath>
#include <cstdlib>

#include "frame/klx_board.h"
#include "frame/klx_errorhandler.h"
#include "model/klx_databasemanager.h"
#include "timers/klx_complextimer.h"

namespace {
constexpr unsigned kErrNullRecord = 0x54C01;
constexpr unsigned kErrBadRecord = 0x54C02;
constexpr unsigned kErrBadIndex = 0x54C03;
constexpr int kRefused = -70010;
constexpr int kNoValue = -32768;
constexpr int kModeFree = 192;
constexpr int kTimerSimple = 8;
constexpr int kTimerRunning = 1;

int CountMax() {
  if (!Board::IsInitialized()) Board::Init();
  return Board::m_Instance->VoiceAlarmsCountMax();
}

bool IsTimerType(int type) {
  return type == KLX_DatabaseValues::VALARM_Timer || type == KLX_DatabaseValues::VALARM_TimerShort;
}
}  // namespace

KLX_VoiceAlarm::KLX_VoiceAlarm() { Reset(); }

KLX_VoiceAlarm::~KLX_VoiceAlarm() = default;

T_VoiceAlarm KLX_VoiceAlarm::FMAlarm() {
  T_VoiceAlarm a;
  a.typeMode = KLX_DatabaseValues::VALARM_Flightmode;
  a.valueStep = 1;
  return a;
}

bool KLX_VoiceAlarm::IsNumberType(int type) {
  return type == KLX_DatabaseValues::VALARM_TelemetryValueShort ||
         type == KLX_DatabaseValues::VALARM_TelemetryValueFull ||
         type == KLX_DatabaseValues::VALARM_TeleShortNoUnits || type == KLX_DatabaseValues::VALARM_Individual;
}

int KLX_VoiceAlarm::GetDecimalDevider(int decPoint) {
  switch (decPoint) {
    case 1: return 10;
    case 2: return 100;
    case 3: return 1000;
    case 4: return 10000;
    default: return 1;
  }
}

int KLX_VoiceAlarm::KLX_VoiceAlarmInitialize(KLX_DataBaseManager* db, KLX_ComplexTimer* timers) {
  m_Db = db;
  m_Timers = timers;
  return db && timers ? KLX_Ok : KLX_Error;
}

bool KLX_VoiceAlarm::IndexOk(int index) const {
  if (index >= 0 && index < kAlarms) return true;
  KLXErrorHandler.RegisterError(kErrBadIndex, QString());
  return false;
}

void KLX_VoiceAlarm::Reset() {
  QMutexLocker lock(&m_Mutex);
  m_Alarms[0] = FMAlarm();
  for (int i = 1; i < kAlarms; ++i) m_Alarms[i] = EmptyAlarm();
  for (int i = 0; i < kAlarms; ++i) {
    m_StaticMessage[i].clear();
    m_Status[i].clear();
    m_ValueStepFloat[i] = i == 0 ? 1.0f : 0.0f;
    m_LastFloat[i] = 0;
    m_Armed[i] = true;
  }
  m_OnMask = 0;
  m_Output.clear();
}

void KLX_VoiceAlarm::KLX_VoiceAlarmClearAll() {
  Reset();
  ++m_Clears;
}

int KLX_VoiceAlarm::KLX_VoiceAlarmClear(int index) {
  if (index < 0 || index >= kAlarms) return index;
  QMutexLocker lock(&m_Mutex);
  m_Alarms[index] = index == 0 ? FMAlarm() : EmptyAlarm();
  m_StaticMessage[index].clear();
  m_Status[index].clear();
  m_ValueStepFloat[index] = float(m_Alarms[index].valueStep);
  m_LastFloat[index] = 0;
  m_Armed[index] = true;
  m_OnMask &= ~(uint64_t(1) << index);
  return index;
}

T_VoiceAlarm KLX_VoiceAlarm::KLX_VoiceAlarm_GetVAlarmParams(int index) const {
  if (!IndexOk(index)) return EmptyAlarm();
  QMutexLocker lock(&m_Mutex);
  return m_Alarms[index];
}

int KLX_VoiceAlarm::KLX_VoiceAlarm_SetVAlarmParams(int index, const T_VoiceAlarm& record, bool) {
  if (index < 0 || index >= kAlarms || std::abs(record.hystAbove) >= 1945 || std::abs(record.hystBelow) >= 1945 ||
      record.typeMode >= 193) {
    KLXErrorHandler.RegisterError(kErrBadRecord, QString());
    return kRefused;
  }
  if ((record.typeMode & KLX_DatabaseValues::VALARM_ModeSettings) == kModeFree) {
    KLX_VoiceAlarmClear(index);
    return index;
  }
  QMutexLocker lock(&m_Mutex);
  m_Alarms[index] = record;
  m_ValueStepFloat[index] = float(record.valueStep) / float(GetDecimalDevider(record.valueStepDecPoint));
  m_Status[index].clear();
  Rearm(index);
  return index;
}

int KLX_VoiceAlarm::KLX_VoiceAlarm_SetToDefaultValues(T_VoiceAlarm* record) {
  if (!record) {
    KLXErrorHandler.RegisterError(kErrNullRecord, QString());
    return KLX_Error;
  }
  *record = EmptyAlarm();
  return KLX_Ok;
}

int KLX_VoiceAlarm::KLX_VoiceAlarm_GetNextFree() const {
  const int count = CountMax();
  QMutexLocker lock(&m_Mutex);
  for (int i = 0; i < count && i < kAlarms; ++i)
    if ((m_Alarms[i].typeMode & KLX_DatabaseValues::VALARM_ModeSettings) == kModeFree) return i;
  return count;
}

int KLX_VoiceAlarm::KLX_VoiceAlarm_SetStaticMessageByAlrmIdx(int index, const QByteArray& text, bool) {
  if (!IndexOk(index)) return -1;
  if (text.size() >= kMessageSize) return index;
  QMutexLocker lock(&m_Mutex);
  m_StaticMessage[index] = text;
  return index;
}

QByteArray KLX_VoiceAlarm::KLX_VoiceAlarm_GetStaticMessageByAlrmIdx(int index) const {
  if (!IndexOk(index)) return QByteArray();
  QMutexLocker lock(&m_Mutex);
  return m_StaticMessage[index];
}

void KLX_VoiceAlarm::KLX_VoiceAlarmStoreStatusValue(int index, const QByteArray& text) {
  if (!IndexOk(index)) return;
  QMutexLocker lock(&m_Mutex);
  m_Status[index] = text.left(kStatusSize);
}

char KLX_VoiceAlarm::KLX_VoiceAlarmSetDecimalSeparator(char separator) {
  if (separator == ',' || separator == '.') m_Separator = separator;
  return m_Separator;
}

int KLX_VoiceAlarm::KLX_VoiceAlarmReplace_ActivatorAll(int oldId, int newId) {
  if (oldId == newId) return 0;
  const int count = CountMax();
  QMutexLocker lock(&m_Mutex);
  int replaced = 0;
  for (int i = 0; i < count && i < kAlarms; ++i) {
    T_VoiceAlarm& a = m_Alarms[i];
    if ((a.typeMode & KLX_DatabaseValues::VALARM_ModeSettings) == kModeFree || a.activator != oldId) continue;
    a.activator = static_cast<uint16_t>(newId);
    ++replaced;
  }
  return replaced;
}

void KLX_VoiceAlarm::Rearm(int index) {
  m_Alarms[index].lastTime = 0;
  m_Alarms[index].lastValue = kNoValue;
  m_Alarms[index].lastDecPoint = 0;
  m_Armed[index] = true;
}

void KLX_VoiceAlarm::AlarmSwitchOff(int index) {
  if (!IndexOk(index)) return;
  QMutexLocker lock(&m_Mutex);
  Rearm(index);
}

int KLX_VoiceAlarm::getVAmode(int index) const {
  if (!IndexOk(index)) return KLX_Error;
  QMutexLocker lock(&m_Mutex);
  return m_Alarms[index].typeMode & 0x3F;
}

QByteArray KLX_VoiceAlarm::KLX_VoiceAlarm_GetOutputMessage() const {
  QMutexLocker lock(&m_Mutex);
  return m_Output;
}

QByteArray KLX_VoiceAlarm::integer2string(int value, int decPoint) const {
  if (decPoint >= 5 || decPoint < 0) return QByteArray();
  QByteArray digits = QByteArray::number(std::abs(value));
  // At least five digits, so that the separator always has digits before it.
  if (digits.size() < 5) digits.prepend(QByteArray(5 - digits.size(), '0'));
  int integers = digits.size() - decPoint;
  if (decPoint > 0) digits.insert(integers, m_Separator);
  int cut = 0;
  while (integers - cut > 1 && digits.at(cut) == '0') ++cut;
  return (value < 0 ? QByteArray("-") : QByteArray(" ")) + digits.mid(cut);
}

int KLX_VoiceAlarm::KLX_VoiceAlarm_isAlarmOn(int index, int control, int value, int decPoint, uint32_t tick,
                                             const QByteArray& status) {
  if (!IndexOk(index)) return 0;
  QMutexLocker lock(&m_Mutex);
  T_VoiceAlarm& a = m_Alarms[index];
  const int mode = a.typeMode & KLX_DatabaseValues::VALARM_ModeSettings;
  if (mode == 0 || mode == kModeFree) {
    Rearm(index);
    return 0;
  }
  const int type = a.typeMode & 0x3F;
  const uint64_t bit = uint64_t(1) << index;
  bool switchedOn = false;
  if (mode == KLX_DatabaseValues::VALARM_ModeControlled) {
    const bool wasOn = m_OnMask & bit;
    bool on = wasOn;
    if (a.hystAbove >= a.hystBelow) {
      if (control > a.hystAbove)
        on = true;
      else if (control < a.hystBelow)
        on = false;
    } else {
      if (control < a.hystAbove)
        on = true;
      else if (control > a.hystBelow)
        on = false;
    }
    if (!on) {
      Rearm(index);
      m_LastFloat[index] = 0;
      m_OnMask &= ~bit;
      m_Output.clear();
      return wasOn ? kDecisionSwitchedOff : 0;
    }
    m_OnMask |= bit;
    switchedOn = !wasOn;
  }
  if (!Speaks(index, a, value, decPoint, tick, status, switchedOn)) return 0;
  a.lastTime = tick;
  a.lastValue = static_cast<int16_t>(value);
  a.lastDecPoint = static_cast<uint8_t>(decPoint);
  m_LastFloat[index] = float(value) / float(GetDecimalDevider(decPoint));
  m_Armed[index] = false;
  if (type == KLX_DatabaseValues::VALARM_PlainText)
    m_Output = m_StaticMessage[index];
  else if (IsNumberType(type) && decPoint < 5)
    m_Output = integer2string(value, decPoint);
  else
    m_Output.clear();
  return kDecisionSpeaks | (type << 4) | (a.timerId & 0x0F);
}

bool KLX_VoiceAlarm::Speaks(int index, const T_VoiceAlarm& a, int value, int decPoint, uint32_t tick,
                            const QByteArray& status, bool switchedOn) {
  const int type = a.typeMode & 0x3F;
  const bool armed = m_Armed[index];
  const uint32_t step = uint32_t(a.timeStep) * 1000u;
  const bool stepPassed = armed || tick >= a.lastTime + step;
  if (IsTimerType(type)) {
    if (!m_Db || !m_Timers) return false;
    const int id = a.timerId & 0x0F;
    const int state = id < kTimerSimple ? m_Db->KLX_TimerGetState(id) : m_Timers->KLX_ComplexTimerGet_State(id - kTimerSimple);
    if (state != kTimerRunning) return switchedOn;
    // The value is the timer's whole displayed time in seconds, so that any
    // step, also one above a minute, falls on its own marks.
    if (a.timeStep) return armed || (value % a.timeStep == 0 && tick > a.lastTime + 1000u);
    return armed;
  }
  if (IsNumberType(type) && decPoint >= 5) {
    // A status: announced when its text changes, and again by the time step.
    const QByteArray text = status.left(kStatusSize);
    if (armed || text != m_Status[index]) {
      m_Status[index] = text;
      return true;
    }
    return a.timeStep && stepPassed;
  }
  if (armed) return true;
  if (value == a.lastValue && decPoint == a.lastDecPoint) return a.timeStep && stepPassed;
  if (a.timeStep && stepPassed) return true;
  if (!a.valueStep) return false;
  if (IsNumberType(type)) {
    if (decPoint == a.lastDecPoint && decPoint == a.valueStepDecPoint) return std::abs(value - a.lastValue) >= a.valueStep;
    return std::fabs(float(value) / float(GetDecimalDevider(decPoint)) - m_LastFloat[index]) > m_ValueStepFloat[index];
  }
  return std::abs(value - a.lastValue) >= a.valueStep;
}
