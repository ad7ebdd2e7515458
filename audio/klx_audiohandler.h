#pragma once
// The audio thread (published as "AudioHandler"). It owns the speech queue
// and feeds the speech thread one phrase at a time in the voice it chooses,
// runs the sound files asked for, and dims the vario tone while other sounds
// play. Beside it, on the callers' threads: the tone pipes with their beeps
// and clicks, the six volume levels with their mixer elements, and the vario
// tone generator.
//
// Locks: the thread mutex guards the wait (and is taken before the queue's
// own mutex where both are held); m_playlock guards the pending sound. The
// thread lets its mutex go while a sound plays, so producers never wait for
// a sound's length.
#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>

#include <array>
#include <atomic>
#include <functional>
#include <memory>

#include "audio/calsamixer.h"
#include "audio/caplayfifo.h"
#include "audio/cbuzzer.h"
#include "audio/ctonesynth.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"
#include "frame/klx_databasevalues.h"
#include "platform/klx_audio.h"
#include "platform/klx_commandrunner.h"
#include "platform/klx_speechengine.h"

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
  // The clock the audio thread's passes wait on; null: `clock`.
  KLX_Clock* threadClock = nullptr;
  // The speech engine; null: the one this build links.
  const KLX_SpeechEngine* speechEngine = nullptr;
  // Plays a sound file in the foreground: `aplay` with these arguments,
  // answering its exit code (-1 when it did not start, or was stopped);
  // it does not start when `cancelled` answers true just before the start.
  // `limitMs` is the time the sound needs, the player's start included.
  // `stopPlayer` ends the one playing now (from any thread; nothing when
  // none plays). Empty: the real player with the players' environment.
  std::function<int(const QStringList& args, int limitMs, const std::function<bool()>& cancelled)> runPlayer;
  std::function<void()> stopPlayer;
  // Tests: called by the sound file's stop after it chose the run it ends
  // and before it ends it (that run may end meanwhile).
  std::function<void()> stopChosen;
};

namespace AudioHandler {
// One queued phrase: text (at most 127 characters), language and voice as
// the caller named them, the voice alarm that queued it (-1 for none).
struct phrase_t {
  QString text;
  QString language;
  QString voice;
  int alarmIndex = -1;
  quint64 serial = 0;  // tells a phrase from an equal one queued later
  bool announcement = false;  // an item of the announcement list
};

// The phrases in arrival order, under a mutex of their own.
class CQueue {
 public:
  void Append(phrase_t phrase);
  bool First(phrase_t* phrase) const;
  // Removes the first phrase when it is still `phrase`.
  void RemoveFirst(const phrase_t& phrase);
  int RemoveAlarm(int alarmIndex);
  int RemoveAnnouncements();
  void Clear();
  int Count() const;
  QList<phrase_t> Phrases() const;

 private:
  template <typename Match>
  int RemoveIf(Match match);

  mutable QMutex m_Mutex;
  QList<phrase_t> m_List;
  quint64 m_Serial = 0;
};
}  // namespace AudioHandler

class KLX_AudioHandler : public CNoDebugBase<QThread>, public KLX_BaseClassThread {
  Q_OBJECT
  // A sound file of the file manager waits or plays.
  Q_PROPERTY(bool soundFilePlaying READ KLX_AudioHandlerSoundFilePlaying NOTIFY soundFilePlayingChanged)
 public:
  static constexpr unsigned long kPassMs = 150;
  static constexpr int kSpeechTextMax = 127;
  // More phrases than this waiting while the speech thread is busy: the
  // queue is given up.
  static constexpr int kQueueWaitMax = 8;
  // How long a ".pcm" copy waits for the speech pipe's player to read.
  static constexpr int kPipeCopyWaitMs = 1000;
  // A sound file named by its path plays at most this long.
  static constexpr int kSoundFileMaxSeconds = 30;

  explicit KLX_AudioHandler(QObject* parent = nullptr) : KLX_AudioHandler(KLX_AudioDevices(), parent) {}
  explicit KLX_AudioHandler(const KLX_AudioDevices& devices, QObject* parent = nullptr);
  ~KLX_AudioHandler() override;

  // Keeps the facade, starts the speech thread, opens the mixer elements,
  // switches processing on and starts the audio thread: KLX_Ok when it runs,
  // KLX_Error without a facade or when it does not start.
  int KLX_AudioHandlerInitialize(KLX_DataBaseManager* db);
  // Ends the audio thread and the speech thread, switches the vario tone off.
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
  // 80 ms at the trim-click level, the vario dimmed meanwhile.
  void KLX_AudioHandlerTrimBeep(bool centre);
  // An alarm beep: a timer alarm's tone (Hz) and length (ms) on the beep
  // pipe; a telemetry alarm plays the sound "Alarm_Telemetry_B" (tone >> 12
  // == 6) or "Alarm_Telemetry_A".
  void KLX_AudioHandlerAlarmBeep(uint16_t tone, uint16_t length, bool isTimerAlarm, bool priority);

  // ---- Speech ----
  // Queues a phrase (an item of the announcement list when `announcement`)
  // and wakes the thread; an empty text is refused. 0.
  int PutInSpeechQueue(const QString& text, const QString& language, const QString& voice, int alarmIndex,
                       bool announcement = false);
  // Removes the queued phrases of a voice alarm (before it queues anew).
  void KLX_AudioHandlerThinQueueByAlrmIdx(int alarmIndex);
  void KLX_AudioHandlerClearQueue();
  QList<AudioHandler::phrase_t> QueuedPhrases() const { return m_Queue.Phrases(); }
  // The voice for a phrase's language and voice name, with the fallbacks:
  // the language's default voice, the system language's, voice 0; -1 none.
  int getVoiceIndexStrategy(const QString& language, const QString& voice);
  int KLX_AudioHandlerGetVoicesCount() const;
  QString KLX_AudioHandlerGetVoicePath(int index) const;
  // The voices of a language code (index, newline, name, "|", language,
  // tab each), or of every voice for any other text (the name followed by
  // its language in parentheses).
  QString KLX_AudioHandlerGetVoiceList(const QString& language) const;

  // ---- Sound files ----
  // Schedules a sound file for the thread's next pass (the language is not
  // used): type 0 "<sound folder><name>.wav", 1 "<sound folder><name>.pcm"
  // copied into the speech pipe, 256 the path `name`, any other
  // "<name>.wav". A missing file is ignored; the newest request replaces
  // one still waiting. 1.
  // A file of type 256 (any file a user picked) plays only when it is a
  // RIFF/WAVE file the player plays (IsWaveFile), read again just before it
  // starts, for at most kSoundFileMaxSeconds, and gives way: a phrase or
  // another sound stops it, and so does the handler's stop. When it cannot
  // be played after all, or its player fails, soundFileFailed tells.
  int KLX_AudioHandlerPlay(const QString& name, const QString& language, int type);
  // The file at `path` as type 256: false (nothing played) when it is no
  // RIFF/WAVE file the player plays.
  Q_INVOKABLE bool KLX_AudioHandlerPlaySoundFile(const QString& path);
  // Ends the type-256 sound that waits or plays, and never a sound that
  // starts after it.
  Q_INVOKABLE void KLX_AudioHandlerStopSoundFile();
  bool KLX_AudioHandlerSoundFilePlaying() const { return m_FileSoundShown; }
  // A regular file in a WAVE format the player plays, with samples to play
  // (CWaveFile); a pipe or a device is refused without waiting on it.
  static bool IsWaveFile(const QString& path);
  // Dims the vario to (100 - level) % and restores it after `ms`.
  void VarioMute(uint8_t level, int ms);
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

  // What the trim path and the idle alarm asked for (tests, diagnostics).
  int TrimBeeps(bool centre) const { return m_TrimBeeps[centre ? 1 : 0]; }
  bool IdleAlarm() const { return m_IdleAlarm; }
  // The alarm beeps asked for, oldest first: tone, length, timer flag.
  QList<QList<int>> AlarmBeeps() const {
    QMutexLocker lock(&m_AlarmBeepsMutex);
    return m_AlarmBeeps;
  }

 public slots:
  // An item of an announcement list to speak.
  void onTtslindexChanged(QString text, QString lang, QString voice);
  void UnmuteVarioSlot();
 signals:
  void speakerVolumeChanged(int volume);
  void bluetoothVolumeChanged(int volume);
  void voiceVolumeChanged(int volume);
  void beepVolumeChanged(int volume);
  void trimVolumeChanged(int volume);
  void varioVolumeChanged(int volume);
  void soundFilePlayingChanged();
  // A type-256 sound file did not play: it was no longer a file the player
  // plays when its turn came, or the player failed (a stop is no failure).
  void soundFileFailed(const QString& path);

 protected:
  void run() override;

 private:
  // A sound to play: the player with its arguments, or a file copied into
  // the speech pipe.
  struct SoundCommand {
    QStringList playerArgs;
    QString pipeCopy;
    QString file;  // the one the player plays
    int length = 0;  // of the command line it stands for
    bool fileSound = false;  // type 256: gives way to other sounds
    int cutSeconds = 0;  // the player's "-d"; 0 none
    bool Empty() const { return playerArgs.isEmpty() && pipeCopy.isEmpty(); }
  };
  // KLX_AudioHandlerPlay's work: false when a type-256 file is no WAVE
  // file the player plays.
  bool ScheduleSound(const QString& name, int type);
  void RunPendingSound();
  void CopyIntoSpeechPipe(const QString& file, const std::function<bool()>& cancelled);
  // Under m_playlock: whether a type-256 sound waits or plays now, told
  // to the property's readers in the object's own thread.
  void PublishFileSoundLocked();
  void SpeakNext();
  int SystemDefaultVoice() const;
  void Wake();
  void Keep(E_VolumeKey key, int packed);
  void PlayTone(CAplayFifo& pipe, uint16_t frequency, uint16_t milliseconds, uint8_t level, bool alarmForm,
                const char* failure);
  CAlsaMixer* MixerOf(E_VolumeKey key);

  KLX_DataBaseManager* m_Db = nullptr;
  KLX_Clock* m_Clock;      // the passes
  KLX_Clock* m_PipeClock;  // the pipes' waits for their players
  const KLX_SpeechEngine* m_SpeechEngine;
  CAplayFifo::Launcher m_StartPlayer;
  KLX_Platform::KLX_StoppableRun m_Player;
  std::function<int(const QStringList& args, int limitMs, const std::function<bool()>& cancelled)> m_RunPlayer;
  std::function<void()> m_StopPlayer;
  std::function<void()> m_StopChosen;
  QWaitCondition m_Wake;
  QMutex m_ThreadMutex;
  bool m_WakePending = false;  // under m_ThreadMutex
  QMutex m_playlock;
  SoundCommand m_PendingSound;  // under m_playlock
  // The type-256 sound that plays: the number of its run, 0 for none. Under
  // m_playlock; a stop ends the player only while its run is still this.
  quint64 m_FileRun = 0;
  quint64 m_Runs = 0;  // under m_playlock
  // Raised (under m_playlock) to stop what plays or is about to start; the
  // sound taken last keeps the value it saw.
  std::atomic<quint64> m_StopSerial{0};
  std::atomic<bool> m_FileSoundShown{false};
  std::atomic<bool> m_Initialised{false};
  std::atomic<bool> m_Running{false};
  KLX_FileNameHandler m_Names;
  AudioHandler::CQueue m_Queue;
  // When the vario is restored (clock ms), -1 for not dimmed.
  std::atomic<qint64> m_UnmuteDue{-1};
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
  std::atomic<bool> m_IdleAlarm{false};
  mutable QMutex m_AlarmBeepsMutex;
  QList<QList<int>> m_AlarmBeeps;
};
