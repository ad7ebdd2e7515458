#include "audio/klx_voicetelemetry.h"

#include "frame/klx_databasevalues.h"

KLX_VoiceTelemetry::KLX_VoiceTelemetry() : m_Slots{{-1, 0}, {-2, 1}, {-3, 2}} {}

void KLX_VoiceTelemetry::KLX_VoiceTelemetryClear() {
  for (VoiceRecord_struct& v : m_Voices) v.SetObjectData(QString(), QString(), -1);
}

int KLX_VoiceTelemetry::KLX_VoiceTelemetrySetVoiceParams(int id, const QString& lang, const QString& voice,
                                                         int index) {
  const int slot = GetArrayIndex(id);
  if (slot < 0) return KLX_Error;
  m_Voices[slot].SetObjectData(lang, voice, index);
  return KLX_Ok;
}

QString KLX_VoiceTelemetry::KLX_VoiceTelemetryGetVoiceParams(int id) const {
  const int slot = GetArrayIndex(id);
  if (slot < 0) return QString();
  // Both parts joined by a tab whatever they hold, so that a screen can
  // always split the answer in two.
  return m_Voices[slot].language + '\t' + m_Voices[slot].voice;
}
