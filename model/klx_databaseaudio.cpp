// The facade's sound, speech, voice and vibration accessors.
#include <QDebug>

#include "audio/klx_tts.h"
#include "frame/klx_debuglog.h"
#include "frame/klx_board.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"

namespace {
// Three vibration values per scheme (E_VibrationScheme 1..6).
struct VibrationValues {
  int v1, v2, v3;
};
constexpr VibrationValues kVibrationSchemes[] = {
    {0, 0, 0}, {50, 950, 1}, {100, 150, 2}, {20, 980, 1}, {250, 750, 1}, {350, 650, 1}, {80, 420, 1}};

int VoiceAlarmCount() {
  if (!Board::IsInitialized()) Board::Init();
  return Board::m_Instance->VoiceAlarmsCountMax();
}
}  // namespace

// ---- Speech -----------------------------------------------------------------------------

int KLX_DataBaseManager::SayText(QString text, QString lang, QString voice, int idx) {
  return m_AudioHandler.PutInSpeechQueue(text, lang, voice, idx);
}

int KLX_DataBaseManager::VoiceAlarm_SayText(QString phrase, int index) {
  const QStringList parts = KLX_DataBaseManagerVAlarmGetVoiceTextParams(index).split('\t', Qt::KeepEmptyParts);
  return SayText(phrase, parts.value(0), parts.value(1), index);
}

// ---- Voices -----------------------------------------------------------------------------

QString KLX_DataBaseManager::ConcatTwoStringsWithTab(const QString& a, const QString& b) {
  if (a.isEmpty() || b.isEmpty()) return QString("");
  return a + '\t' + b;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetVoicesList(QString voiceName) {
  return m_AudioHandler.KLX_AudioHandlerGetVoiceList(voiceName);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetVoicesCount() { return KLX_TTS::GetVoicesCount(); }

QString KLX_DataBaseManager::KLX_DataBaseManagerGetVoicePath(int index) {
  return m_AudioHandler.KLX_AudioHandlerGetVoicePath(index);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetVoiceDisplay(int id) {
  const QString name = KLX_TTS::GetVoiceDisplayName(id);
  return name.isNull() ? QString("") : name;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFindFirstVoiceInList(QString langAbbr) {
  return KLX_TTS::GetDefVoiceIndex(langAbbr);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetVoiceTextParamsFromList(int index) {
  return ConcatTwoStringsWithTab(KLX_TTS::GetVoiceLanguage(index), KLX_TTS::GetVoiceDisplayName(index));
}

QString KLX_DataBaseManager::KLX_DataBaseManagerVAlarmGetVoiceTextParams(int index) {
  if (index < 0) return KLX_DataBaseManagerGetAlarmVoiceTextParams(index);
  if (!m_VoiceAlarm || index >= VoiceAlarmCount()) return QString("");
  return m_VoiceAlarm->KLX_VoiceAlarm_GetVAlarmParams(index).voiceParams;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetAlarmVoiceTextParams(int alarmType) {
  return m_VoiceTelemetry ? m_VoiceTelemetry->KLX_VoiceTelemetryGetVoiceParams(alarmType) : QString("");
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetEmptyTelemetryVoice() {
  return m_VoiceTelemetry ? m_VoiceTelemetry->KLX_VoiceTelemetryGetEmptyCaption() : QStringLiteral("None");
}

int KLX_DataBaseManager::KLX_DataBaseManagerVAlarmSetVoiceTextParams(int index, QString strLangName,
                                                                     QString strVName, bool update) {
  if (index >= VoiceAlarmCount()) return KLX_Error;
  if (index >= 0) return VoiceAlarmSetVoiceParams(index, strLangName, strVName, 0, update);
  if (!m_VoiceTelemetry) return KLX_Error;
  const int stored = m_VoiceTelemetry->KLX_VoiceTelemetrySetVoiceParams(index, strLangName, strVName);
  if (stored == KLX_Ok && update) KLX_DataBaseManagerVAlarmMarkVoiceAlarm(true);
  return stored;
}

template <typename Change>
T_VoiceAlarm KLX_DataBaseManager::ChangeVoiceAlarm(int index, bool update, Change change) {
  if (!m_VoiceAlarm) return T_VoiceAlarm();
  T_VoiceAlarm record = m_VoiceAlarm->KLX_VoiceAlarm_GetVAlarmParams(index);
  change(record);
  if (m_VoiceAlarm->KLX_VoiceAlarm_SetVAlarmParams(index, record, update) >= 0) {
    if (update) KLX_DataBaseManagerVAlarmMarkVoiceAlarm(true);
  }
  return m_VoiceAlarm->KLX_VoiceAlarm_GetVAlarmParams(index);
}

int KLX_DataBaseManager::VoiceAlarmSetVoiceParams(int index, const QString& language, const QString& voice, int dir,
                                                  bool update) {
  if (dir != AtomicDirSet) return KLX_Ok;
  const QString params = ConcatTwoStringsWithTab(language, voice);
  qCDebug(lcVornDebug) << "DataBaseManagerVAlarmGetSetVoiceParams: index = " << index << " voiceParams: " << params;
  ChangeVoiceAlarm(index, update, [&params](T_VoiceAlarm& r) { r.voiceParams = params; });
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerVAlarmGetSetVoiceParams(int index, int voiceIdx, int dir, bool update) {
  if (dir == AtomicDirSet) {
    const QString params = KLX_DataBaseManagerGetVoiceTextParamsFromList(voiceIdx);
    qCDebug(lcVornDebug, "KLX_DataBaseManagerVAlarmGetSetVoiceParams: index = %d, voiceIdx = %d, voiceParams: %s", index,
            voiceIdx, qPrintable(params));
    ChangeVoiceAlarm(index, update, [&params](T_VoiceAlarm& r) { r.voiceParams = params; });
  }
  return voiceIdx;
}

int KLX_DataBaseManager::KLX_DataBaseManagerVAlarmGetSetTimer(int index, int value, int dir, bool update) {
  if (dir != AtomicDirSet) return m_VoiceAlarm ? m_VoiceAlarm->KLX_VoiceAlarm_GetVAlarmParams(index).timerId : 0;
  return ChangeVoiceAlarm(index, update, [value](T_VoiceAlarm& r) { r.timerId = uint8_t(value); }).timerId;
}

int KLX_DataBaseManager::KLX_DataBaseManagerVAlarmGetSetIndividualBit(int index, int bits, int dir, bool update) {
  if (dir != AtomicDirSet)
    return m_VoiceAlarm ? m_VoiceAlarm->KLX_VoiceAlarm_GetVAlarmParams(index).individualBits : 0;
  return ChangeVoiceAlarm(index, update, [bits](T_VoiceAlarm& r) { r.individualBits |= uint8_t(bits); })
      .individualBits;
}

int KLX_DataBaseManager::KLX_DataBaseManagerVAlarmGetUnsetIndividualBit(int index, int bits, int dir, bool update) {
  if (dir != AtomicDirSet)
    return m_VoiceAlarm ? m_VoiceAlarm->KLX_VoiceAlarm_GetVAlarmParams(index).individualBits : 0;
  return ChangeVoiceAlarm(index, update, [bits](T_VoiceAlarm& r) { r.individualBits &= uint8_t(~bits); })
      .individualBits;
}

void KLX_DataBaseManager::KLX_DataBaseManagerVAlarmMarkVoiceAlarm(bool mark) {
  if (mark) KLX_DataBaseManagerSetModelModifyFlag(true);
}

// ---- Sounds -----------------------------------------------------------------------------

void KLX_DataBaseManager::KLX_DataBaseManagerPlayWAVPCMFile(QString filename, QString language, int soundtype) {
  m_AudioHandler.KLX_AudioHandlerPlay(filename, language, soundtype);
}

void KLX_DataBaseManager::KLX_DataBaseManagerAlarmBeep(int ftone, int duration_ms, bool timerBeep,
                                                       bool alarmPriority) {
  m_AudioHandler.KLX_AudioHandlerAlarmBeep(uint16_t(ftone), uint16_t(duration_ms), timerBeep, alarmPriority);
}

// ---- Vibration --------------------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerActivateVibration(int value1, int value2, int value3) {
  if (!m_Protocol) return 0;
  char data[6];
  int i = 0;
  for (int v : {value1, value2, value3}) {
    data[i++] = char(v & 0xFF);
    data[i++] = char((v >> 8) & 0xFF);
  }
  return m_Protocol->KLX_ProtocolSendMessage(sizeof(data), data, KLX_MSG_VIBRATION, KLX_NODE_APPLICATION);
}

void KLX_DataBaseManager::KLX_DataBaseManagerActivateVibrationScheme(int scheme) {
  const int known = int(sizeof(kVibrationSchemes) / sizeof(kVibrationSchemes[0]));
  const VibrationValues v = scheme > 0 && scheme < known ? kVibrationSchemes[scheme] : kVibrationSchemes[0];
  KLX_DataBaseManagerActivateVibration(v.v1, v.v2, v.v3);
}
