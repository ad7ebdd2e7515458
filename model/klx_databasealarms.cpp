// The facade's voice-alarm and preflight doors.
#include "frame/klx_board.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr int kRefused = -70010;
constexpr int kSimpleTimers = KLX_DataBaseManager::kSimpleTimers;
constexpr int kComplexTimers = 8;
constexpr int kMaxUnsignedId = 65536;
}  // namespace

// ---- Voice alarms -----------------------------------------------------------------------

template <typename Field>
int KLX_DataBaseManager::VoiceAlarmField(int index, int value, int dir, bool mark, Field field) {
  if (!m_VoiceAlarm) return kRefused;
  T_VoiceAlarm record = m_VoiceAlarm->KLX_VoiceAlarm_GetVAlarmParams(index);
  if (index < 0 || index >= KLX_VoiceAlarm::kAlarms) return kRefused;
  if (dir == AtomicDirSet) {
    field(record) = static_cast<std::remove_reference_t<decltype(field(record))>>(value);
    if (m_VoiceAlarm->KLX_VoiceAlarm_SetVAlarmParams(index, record, mark) < 0) return kRefused;
    KLX_DataBaseManagerVAlarmMarkVoiceAlarm(mark);
    record = m_VoiceAlarm->KLX_VoiceAlarm_GetVAlarmParams(index);
  }
  return field(record);
}

#define KLX_VALARM_FIELD(name, member)                                                              \
  int KLX_DataBaseManager::KLX_DataBaseManagerVAlarmGetSet##name(int index, int value, int dir, bool mark) { \
    return VoiceAlarmField(index, value, dir, mark, [](T_VoiceAlarm& r) -> auto& { return r.member; });  \
  }
KLX_VALARM_FIELD(Type, typeMode)
KLX_VALARM_FIELD(Activator, activator)
KLX_VALARM_FIELD(ActivatorHystAbove, hystAbove)
KLX_VALARM_FIELD(ActivatorHystBelow, hystBelow)
KLX_VALARM_FIELD(TimeStep, timeStep)
KLX_VALARM_FIELD(TeleSourceMain, teleMain)
KLX_VALARM_FIELD(TeleSourceSlave, teleSlave)
#undef KLX_VALARM_FIELD

int KLX_DataBaseManager::KLX_DataBaseManagerVAlarmGetSetValueStep(int index, int value, int decPoint, int dir,
                                                                 bool mark) {
  if (!m_VoiceAlarm || index < 0 || index >= KLX_VoiceAlarm::kAlarms) return kRefused;
  T_VoiceAlarm record = m_VoiceAlarm->KLX_VoiceAlarm_GetVAlarmParams(index);
  if (dir == AtomicDirSet) {
    record.valueStep = static_cast<int16_t>(value);
    record.valueStepDecPoint = static_cast<uint8_t>(decPoint);
    if (m_VoiceAlarm->KLX_VoiceAlarm_SetVAlarmParams(index, record, mark) < 0) return kRefused;
    KLX_DataBaseManagerVAlarmMarkVoiceAlarm(mark);
    record = m_VoiceAlarm->KLX_VoiceAlarm_GetVAlarmParams(index);
  }
  return record.valueStep;
}

int KLX_DataBaseManager::KLX_DataBaseManagerVAlarmGetValueStepDecPoint(int index) {
  return m_VoiceAlarm ? m_VoiceAlarm->KLX_VoiceAlarm_GetVAlarmParams(index).valueStepDecPoint : 0;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerVAlarmGetSetStaticMsgByAlrmIdx(int index, QString text, int dir,
                                                                              bool mark) {
  if (!m_VoiceAlarm) return QString();
  if (dir == AtomicDirSet && m_VoiceAlarm->KLX_VoiceAlarm_SetStaticMessageByAlrmIdx(index, text.toUtf8(), mark) >= 0)
    KLX_DataBaseManagerVAlarmMarkVoiceAlarm(mark);
  return QString::fromUtf8(m_VoiceAlarm->KLX_VoiceAlarm_GetStaticMessageByAlrmIdx(index));
}

int KLX_DataBaseManager::KLX_DataBaseManagerVAlarmClear(int index) {
  if (!m_VoiceAlarm) return index;
  const int result = m_VoiceAlarm->KLX_VoiceAlarmClear(index);
  if (index >= 0 && index < KLX_VoiceAlarm::kAlarms) KLX_DataBaseManagerVAlarmMarkVoiceAlarm(true);
  return result;
}

void KLX_DataBaseManager::KLX_DataBaseManagerVAlarmClearAll() {
  if (m_VoiceAlarm) m_VoiceAlarm->KLX_VoiceAlarmClearAll();
}

int KLX_DataBaseManager::KLX_DataBaseManagerVAlarmGetNextFree() {
  return m_VoiceAlarm ? m_VoiceAlarm->KLX_VoiceAlarm_GetNextFree() : KLX_DataBaseManagerVAlarmGetCount();
}

int KLX_DataBaseManager::KLX_DataBaseManagerVAlarmGetCount() {
  if (!Board::IsInitialized()) Board::Init();
  return Board::m_Instance->VoiceAlarmsCountMax();
}

T_VoiceAlarm KLX_DataBaseManager::KLX_DataBaseManagerVAlarmGetVAlarmParams(int index) {
  return m_VoiceAlarm ? m_VoiceAlarm->KLX_VoiceAlarm_GetVAlarmParams(index) : KLX_VoiceAlarm::EmptyAlarm();
}

int KLX_DataBaseManager::KLX_DataBaseManagerVAlarmSetAlarmParams(int index, const T_VoiceAlarm& record, bool mark) {
  if (!m_VoiceAlarm) return kRefused;
  const int result = m_VoiceAlarm->KLX_VoiceAlarm_SetVAlarmParams(index, record, mark);
  if (result >= 0) KLX_DataBaseManagerVAlarmMarkVoiceAlarm(mark);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerVAlarmGetDefault(T_VoiceAlarm* record) {
  if (record) *record = KLX_VoiceAlarm::EmptyAlarm();
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerVAlarmSwitchOff(int index) {
  if (m_VoiceAlarm) m_VoiceAlarm->AlarmSwitchOff(index);
  return index;
}

int KLX_DataBaseManager::VoiceAlarmPlayMessage(int index, int control, int value, int decPoint, uint32_t tick,
                                               const QByteArray& sentence, const QByteArray& unit) {
  if (!m_VoiceAlarm || decPoint >= KLX_VoiceAlarm::kDecPointOffline) return 0;
  int decision = m_VoiceAlarm->KLX_VoiceAlarm_isAlarmOn(index, control, value, decPoint, tick, unit);
  if (decision & KLX_VoiceAlarm::kDecisionSwitchedOff) {
    // What it still had to say is no longer wanted.
    m_AudioHandler.KLX_AudioHandlerThinQueueByAlrmIdx(index);
    decision &= ~KLX_VoiceAlarm::kDecisionSwitchedOff;
  }
  const int type = m_VoiceAlarm->getVAmode(index);
  const bool number = KLX_VoiceAlarm::IsNumberType(type);
  const int said = KLX_VoiceAlarm::DecisionType(decision);
  QByteArray speech = sentence;
  if (index > 0 && !speech.isEmpty() && !speech.endsWith(' ')) speech += ' ';
  if (decision && (said == KLX_DatabaseValues::VALARM_Timer || said == KLX_DatabaseValues::VALARM_TimerShort)) {
    char time[64] = "";
    KLX_DataBaseManagerTimerGet_ActualTimeChars(KLX_VoiceAlarm::DecisionTimer(decision), time, sizeof time);
    speech += time;
  } else if (decision && said != KLX_DatabaseValues::VALARM_DoNothingOrInvalid) {
    speech += m_VoiceAlarm->KLX_VoiceAlarm_GetOutputMessage().trimmed();
  }
  if (!unit.isEmpty()) speech += ' ' + unit;
  QByteArray display = sentence;
  if (number) display += ' ' + m_VoiceAlarm->integer2string(value, decPoint) + ' ';
  display += unit;
  if (decision) VoiceAlarm_SayText(QString::fromUtf8(speech.trimmed()), index);
  if (decision && said >= KLX_DatabaseValues::VALARM_TelemetryValueShort && said <= KLX_DatabaseValues::VALARM_TeleShortNoUnits)
    m_VoiceAlarm->KLX_VoiceAlarm_SetStaticMessageByAlrmIdx(index, speech.trimmed().isEmpty() ? sentence + unit : speech.trimmed(), false);
  else if (number)
    m_VoiceAlarm->KLX_VoiceAlarm_SetStaticMessageByAlrmIdx(index, display, false);
  return decision;
}

// ---- Timers -------------------------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerTimerGet_ActualTimeWholeSeconds(int index) {
  if (index >= 0 && index < kSimpleTimers) return m_Timers[index].ActualWholeSeconds();
  if (index >= kSimpleTimers && index < kSimpleTimers + kComplexTimers && m_ComplexTimer)
    return m_ComplexTimer->KLX_ComplexTimerGetActualWholeSeconds(index - kSimpleTimers);
  return kRefused;
}

// ---- Preflight check ----------------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerPreflightIsChecked() {
  return m_Preflight ? m_Preflight->KLX_isPreflightListChecked() : 1;
}

int KLX_DataBaseManager::KLX_DatabaseManagerPreflightSettingsCheck(const short* values, const unsigned short* ids,
                                                                  int count, int boot) {
  return m_Preflight ? m_Preflight->KLX_PreflightSettingsCheckControls(values, ids, count, boot) : 1;
}

void KLX_DataBaseManager::KLX_DataBaseManagerPreflightSettingsClearAll() {
  if (m_Preflight) m_Preflight->KLX_PreflightSettingsClearAll();
}

void KLX_DataBaseManager::KLX_DataBaseManagerPreflightSettingsClear(PreflSettings_struct* buffer) {
  KLX_PreflightSettings::KLX_PreflightSettingsClear(buffer);
}

int KLX_DataBaseManager::KLX_DataBaseManagerPreflightCheckControl(int id) {
  if (id < 0 || id >= kMaxUnsignedId) return 0;
  return KLX_PreflightSettings::KLX_CheckControlInFixedList(id) ? 1 : 0;
}

bool KLX_DataBaseManager::KLX_DataBaseManagerPreflightGetSet_IsUsed(bool value, int get, bool mark) {
  if (!m_Preflight) return false;
  const bool used = m_Preflight->KLX_PreflightSettingsGetSet_IsUsed(value, get, !mark);
  if (!get && mark) KLX_DataBaseManagerSetModelModifyFlag(true);
  return used;
}

int KLX_DataBaseManager::KLX_DataBaseManagerPreflightGetSet_Accuracy(int value, int get, bool mark) {
  if (!m_Preflight) return KLX_Error;
  const int result = m_Preflight->KLX_PreflightSettingsGetSet_Accuracy(value, get);
  if (!get && mark) KLX_DataBaseManagerSetModelModifyFlag(true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerPreflightGetSet_PhyControlID(int control, bool add, int get, bool mark) {
  if (!m_Preflight) return KLX_Error;
  const int result = m_Preflight->KLX_PreflightSettingsGetSet_PhyControlID(control, add, get);
  if (!get && mark && result > KLX_Error) KLX_DataBaseManagerSetModelModifyFlag(true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerPreflightGetSet_ControlPosition(int id, int value, int get, bool mark) {
  if (!m_Preflight) return KLX_Error;
  const int result = m_Preflight->KLX_PreflightSettingsGetSet_ControlPosition(id & 0xFFFF, value, get);
  if (!get && mark && result > KLX_Error) KLX_DataBaseManagerSetModelModifyFlag(true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerPreflightIgnore(bool flag) {
  if (m_Preflight) m_Preflight->KLX_PreflightSetIgnore(flag);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerPreflightGetControlStatus(int entry) {
  return m_Preflight ? m_Preflight->KLX_PreflightGetControlStatus(entry) : 1;
}

int KLX_DataBaseManager::KLX_DataBaseManagerPreflightGetUsedControls() {
  return m_Preflight ? m_Preflight->KLX_PreflightSettingsGetUsedControls() : 0;
}
