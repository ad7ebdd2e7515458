#pragma once
// The voices of the three classes of telemetry announcements, kept with the
// model: status alarms (id -1), alarms (-2) and warnings (-3). The facade's
// voice accessors reach them by these negative ids.
#include <QMap>
#include <QString>

struct VoiceRecord_struct {
  QString language;
  QString voice;
  int index = -1;
  // An empty text is kept as a null text.
  void SetObjectData(const QString& lang, const QString& name, int voiceIndex) {
    language = lang.isEmpty() ? QString() : lang;
    voice = name.isEmpty() ? QString() : name;
    index = voiceIndex;
  }
};

class KLX_VoiceTelemetry {
 public:
  KLX_VoiceTelemetry();

  // Every slot to no language, no voice, index -1.
  void KLX_VoiceTelemetryClear();
  // 1, or -70000 for an id without a slot (nothing changes).
  int KLX_VoiceTelemetrySetVoiceParams(int id, const QString& lang, const QString& voice, int index);
  int KLX_VoiceTelemetrySetVoiceParams(int id, const QString& lang, const QString& voice) {
    return KLX_VoiceTelemetrySetVoiceParams(id, lang, voice, -1);
  }
  // The slot's language, a tab and its voice name; empty for an id without
  // a slot.
  QString KLX_VoiceTelemetryGetVoiceParams(int id) const;
  // The caption shown for no voice.
  QString KLX_VoiceTelemetryGetEmptyCaption() const { return QStringLiteral("None"); }
  // The slot of an id, -1 when it has none.
  int GetArrayIndex(int id) const { return m_Slots.value(id, -1); }

 private:
  QMap<int, int> m_Slots;
  VoiceRecord_struct m_Voices[3];
};
