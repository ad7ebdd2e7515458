#pragma once
// The audio thread and its playback pipes (published as "AudioHandler").
// Least form until the audio thread comes: it already carries the thread's
// label and processing switch, which the facade and the switch-off use.
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>

#include "frame/klx_basethread.h"
#include "frame/klx_databasevalues.h"

class KLX_DataBaseManager;

class KLX_AudioHandler : public QObject, public KLX_BaseClassThread {
  Q_OBJECT
 public:
  explicit KLX_AudioHandler(QObject* parent = nullptr) : QObject(parent), KLX_BaseClassThread("AudioHandler", false) {}
  // Keeps the facade and switches processing on; KLX_Error without a facade.
  int KLX_AudioHandlerInitialize(KLX_DataBaseManager* db);
  int KLX_AudioHandlerStop() { return KLX_Ok; }
  void KLX_AudioHandlerStartProcessing() { KLX_BaseClassThreadStartProcessing(); }
  void KLX_AudioHandlerStopProcessing() { KLX_BaseClassThreadStopProcessing(); }
  // The settings' volumes (percent + 256 * control id). Kept until the mixer
  // elements come with the audio thread.
  void KLX_AudioHandlerKeepTrimClickVolume(int packed) { m_Kept[0] = packed; }
  void KLX_AudioHandlerKeepTeleAlarmVolume(int packed) { m_Kept[1] = packed; }
  void KLX_AudioHandlerKeepTmrAlarmVolume(int packed) { m_Kept[2] = packed; }
  void KLX_AudioHandlerKeepVarioVolume(int packed) { m_Kept[3] = packed; }
  void KLX_AudioHandlerKeepBTVolume(int packed) { m_Kept[4] = packed; }
  void KLX_AudioHandlerKeepMasterVolume(int packed) { m_Kept[5] = packed; }
  // In the order trim clicks, telemetry, timer, vario, Bluetooth, master; -1 never set.
  int KeptVolume(int which) const { return m_Kept[which]; }
  // Trim feedback: a beep per step, another at the centre; a vibration scheme
  // (E_VibrationScheme). Counted until the pipes and the motor come.
  void KLX_AudioHandlerTrimBeep(bool centre) { ++m_TrimBeeps[centre ? 1 : 0]; }
  void KLX_AudioHandlerActivateVibrationScheme(int scheme) { m_LastVibration = scheme; }
  int TrimBeeps(bool centre) const { return m_TrimBeeps[centre ? 1 : 0]; }
  int LastVibrationScheme() const { return m_LastVibration; }
  // The inactivity alarm (kept until the pipes come); raised again at each
  // check while it is due.
  void KLX_AudioHandlerSetIdleAlarm(bool on) { m_IdleAlarm = on; }
  bool IdleAlarm() const { return m_IdleAlarm; }
  // The speech queue: a phrase (text cut to 127 characters), its language,
  // voice and alarm index. Kept in order until the speech thread comes.
  int PutInSpeechQueue(const QString& text, const QString& language, const QString& voice, int index) {
    QMutexLocker lock(&m_SpeechMutex);
    m_Speech.append({text.left(kSpeechTextMax), language, voice, index});
    return KLX_Ok;
  }
  struct Phrase {
    QString text;
    QString language;
    QString voice;
    int index;
  };
  QList<Phrase> QueuedPhrases() const {
    QMutexLocker lock(&m_SpeechMutex);
    return m_Speech;
  }
 public slots:
  void onTtslindexChanged() {}
 signals:
  void speakerVolumeChanged(int volume);
 private:
  KLX_DataBaseManager* m_Db = nullptr;
  int m_Kept[6] = {-1, -1, -1, -1, -1, -1};
  int m_TrimBeeps[2] = {0, 0};
  // Set from the battery and engine threads, read by others.
  std::atomic<int> m_LastVibration{0};
  std::atomic<bool> m_IdleAlarm{false};
  static constexpr int kSpeechTextMax = 127;
  mutable QMutex m_SpeechMutex;
  QList<Phrase> m_Speech;
};

inline int KLX_AudioHandler::KLX_AudioHandlerInitialize(KLX_DataBaseManager* db) {
  m_Db = db;
  if (!db) return KLX_Error;
  KLX_AudioHandlerStartProcessing();
  return KLX_Ok;
}
