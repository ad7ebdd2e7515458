#pragma once
// The audio handler (published as "AudioHandler"): the tone pipes with their
// beeps and clicks, the six volume levels with their mixer elements, and the
// vario tone. The audio thread and the speech queue come later; until then
// this object keeps the thread's label and processing switch, which the
// facade and the switch-off use, and records the speech and vibration asked
// of it.
#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QString>

#include <array>
#include <atomic>
#include <functional>
#include <memory>

#include "audio/calsamixer.h"
#include "audio/caplayfifo.h"
#include "audio/cbuzzer.h"
#include "audio/ctonesynth.h"
#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"
#include "frame/klx_databasevalues.h"
#include "platform/klx_audio.h"

class KLX_DataBaseManager;

// The six volume levels, by the key the volume polling uses.
enum E_VolumeKey {
  Volume_TimerBeeps = 0,  // "ch2Ctl"
  Volume_Speech = 1,      // "ch1Ctl"
  Volume_TrimClicks = 2,  // "ch3Ctl"
  Volume_Bluetooth = 3,   // "BtA2dpCtl"
  Volume_Vario = 4,       // the vario tone generator
  Volume_Master = 5,      // "SpeakerCtl"
  Volume_Count = 6
};

// Where the handler's sound goes: the platform's devices and players, or a
// test's recording fakes.
struct KLX_AudioDevices {
  std::function<std::unique_ptr<KLX_MixerElement>()> newMixerElement = KLX_Platform::NewMixerElement;
  std::function<std::unique_ptr<KLX_PcmDevice>()> newPcmDevice = KLX_Platform::NewPcmDevice;
  // Starts a player; empty: through the shell (exec).
  CAplayFifo::Launcher startPlayer;
  KLX_Clock* clock = nullptr;
};

class KLX_AudioHandler : public QObject, public KLX_BaseClassThread {
  Q_OBJECT
 public:
  explicit KLX_AudioHandler(QObject* parent = nullptr) : KLX_AudioHandler(KLX_AudioDevices(), parent) {}
  explicit KLX_AudioHandler(const KLX_AudioDevices& devices, QObject* parent = nullptr);
  ~KLX_AudioHandler() override;

  // Keeps the facade, opens the mixer elements, starts the vario tone
  // generator and switches processing on; KLX_Error without a facade.
  int KLX_AudioHandlerInitialize(KLX_DataBaseManager* db);
  // Switches the vario tone off.
  int KLX_AudioHandlerStop();
  // Opens the five mixer elements ("SpeakerCtl", "BtA2dpCtl", "ch3Ctl",
  // "ch2Ctl", "ch1Ctl"); an element the card lacks stays closed.
  void KLX_AudioHandlerOpenMixers();
  void KLX_AudioHandlerStartProcessing() { KLX_BaseClassThreadStartProcessing(); }
  void KLX_AudioHandlerStopProcessing() { KLX_BaseClassThreadStopProcessing(); }

  // ---- Tone pipes ----
  // One block of a beep into "/tmp/trimclicks" (trim clicks, the idle alarm)
  // or "/tmp/beeps" (timer alarms), synthesised on the caller's thread.
  // alarmForm: full level, the tone on every second sample, faded in and out.
  void PlayTrimClicks(uint16_t frequency, uint16_t milliseconds, uint8_t level, bool alarmForm);
  void AlarmTimerPlayBeep(uint16_t frequency, uint16_t milliseconds, uint8_t level, bool alarmForm);
  // Trim feedback: the centre beep high (1650 Hz), a step beep low (1050 Hz),
  // 80 ms at the trim-click level.
  void KLX_AudioHandlerTrimBeep(bool centre);
  // The inactivity alarm: loudspeaker and clicks at full volume, the vario
  // lowered, one alarm burst per call; Disable restores the levels.
  void KLX_AudioHandlerIdleAlarmEnable();
  void KLX_AudioHandlerIdleAlarmDisable();

  // ---- Volumes ----
  // Each takes a setting's packed value (level in bits 0..7, the assigned
  // control above) and applies a changed level (at most 120): its mixer
  // element, then its signal.
  void KLX_AudioHandlerKeepTmrAlarmVolume(int packed) { Keep(Volume_TimerBeeps, packed); }
  void KLX_AudioHandlerKeepTeleAlarmVolume(int packed) { Keep(Volume_Speech, packed); }
  void KLX_AudioHandlerKeepTrimClickVolume(int packed) { Keep(Volume_TrimClicks, packed); }
  void KLX_AudioHandlerKeepBTVolume(int packed) { Keep(Volume_Bluetooth, packed); }
  void KLX_AudioHandlerKeepVarioVolume(int packed) { Keep(Volume_Vario, packed); }
  void KLX_AudioHandlerKeepMasterVolume(int packed) { Keep(Volume_Master, packed); }
  // The current level of a key; 255 before the first.
  int KLX_AudioHandlerGetVolume(int key) const;
  // A control position (-2047..2047) as a level 0..scale, rounded up from a
  // fraction above 0.4999; -1 outside the range.
  static int KLX_AudioHandlerCalcVolumeValue(int position, int scale);
  // The levels of the given control positions (key -> position) that differ
  // from the current ones by more than one step.
  QList<QPair<int, int>> UpdateVolumeControls(const QMap<int, int>& positions) const;

  // ---- Vario ----
  CBuzzer* KLX_AudioHandlerBuzzer() { return &m_Buzzer; }
  // A tone of the vario at the vario level.
  void KLX_AudioHandlerVarioBeep(unsigned frequency, unsigned onMs, unsigned offMs);

  // ---- Recorded until their parts come ----
  void KLX_AudioHandlerActivateVibrationScheme(int scheme) { m_LastVibration = scheme; }
  int TrimBeeps(bool centre) const { return m_TrimBeeps[centre ? 1 : 0]; }
  int LastVibrationScheme() const { return m_LastVibration; }
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
  void bluetoothVolumeChanged(int volume);
  void voiceVolumeChanged(int volume);
  void beepVolumeChanged(int volume);
  void trimVolumeChanged(int volume);
  void varioVolumeChanged(int volume);

 private:
  void Keep(E_VolumeKey key, int packed);
  void PlayTone(CAplayFifo& pipe, uint16_t frequency, uint16_t milliseconds, uint8_t level, bool alarmForm,
                const char* failure);
  CAlsaMixer* MixerOf(E_VolumeKey key);

  KLX_DataBaseManager* m_Db = nullptr;
  // The levels and the mixer elements are set from the timers thread and the
  // GUI thread.
  mutable QMutex m_VolumeMutex;
  std::array<uint8_t, Volume_Count> m_Level;
  CToneSynth m_Tones;
  CAplayFifo m_BeepPipe;
  CAplayFifo m_TrimPipe;
  CBuzzer m_Buzzer;
  // In the order they are opened.
  CAlsaMixer m_Speaker;
  CAlsaMixer m_Bluetooth;
  CAlsaMixer m_Ch3;
  CAlsaMixer m_Ch2;
  CAlsaMixer m_Ch1;

  std::atomic<int> m_TrimBeeps[2] = {0, 0};
  // Set from the battery and engine threads, read by others.
  std::atomic<int> m_LastVibration{0};
  std::atomic<bool> m_IdleAlarm{false};
  static constexpr int kSpeechTextMax = 127;
  mutable QMutex m_SpeechMutex;
  QList<Phrase> m_Speech;
};
