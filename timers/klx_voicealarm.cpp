#include "timers/klx_voicealarm.h"

#include <cstdlib>

#include "frame/klx_errorhandler.h"

namespace {
constexpr unsigned kErrBadRecord = 0x54C02;
constexpr unsigned kErrBadIndex = 0x54C03;
constexpr int kRefused = -70010;
}  // namespace

T_VoiceAlarm KLX_VoiceAlarm::FMAlarm() {
  T_VoiceAlarm a;
  a.typeMode = 4;
  a.valueStep = 1;
  return a;
}

void KLX_VoiceAlarm::Reset() {
  QMutexLocker lock(&m_Mutex);
  m_Alarms[0] = FMAlarm();
  for (int i = 1; i < kAlarms; ++i) m_Alarms[i] = EmptyAlarm();
}

void KLX_VoiceAlarm::KLX_VoiceAlarmClearAll() {
  Reset();
  ++m_Clears;
}

T_VoiceAlarm KLX_VoiceAlarm::KLX_VoiceAlarm_GetVAlarmParams(int index) const {
  if (index < 0 || index >= kAlarms) {
    KLXErrorHandler.RegisterError(kErrBadIndex, QStringLiteral("voice alarm index out of range"));
    return EmptyAlarm();
  }
  QMutexLocker lock(&m_Mutex);
  return m_Alarms[index];
}

int KLX_VoiceAlarm::KLX_VoiceAlarm_SetVAlarmParams(int index, const T_VoiceAlarm& record, bool) {
  if (index < 0 || index >= kAlarms || std::abs(record.hystAbove) >= 1945 || std::abs(record.hystBelow) >= 1945 ||
      record.typeMode >= 193) {
    KLXErrorHandler.RegisterError(kErrBadRecord, QStringLiteral("voice alarm record refused"));
    return kRefused;
  }
  QMutexLocker lock(&m_Mutex);
  m_Alarms[index] = record;
  return index;
}
