#include "audio/klx_audiohandler.h"
#include "frame/klx_debuglog.h"

#include <QDebug>
#include <QFile>

#include <cstdio>
#include <utility>

#include "audio/klx_tts.h"
#include "model/klx_databasemanager.h"
#include "platform/klx_commandrunner.h"
#include "update/klx_filefunctions.h"

KLX_AudioHandler::KLX_AudioHandler(const KLX_AudioDevices& devices, QObject* parent)
    : CNoDebugBase<QThread>(parent),
      KLX_BaseClassThread("AudioHandler", false),
      m_Clock(devices.threadClock ? devices.threadClock
              : devices.clock     ? devices.clock
                                  : &KLX_Clock::KLX_ClockSystem()),
      m_PipeClock(devices.clock ? devices.clock : &KLX_Clock::KLX_ClockSystem()),
      m_SpeechEngine(devices.speechEngine),
      m_StartPlayer(devices.startPlayer),
      m_RunPlayer(devices.runPlayer),
      m_StopPlayer(devices.stopPlayer),
      m_StopChosen(devices.stopChosen),
      m_BeepPipe("/tmp/beeps", "ch2", CToneSynth::kRate, devices.startPlayer, devices.clock),
      m_TrimPipe("/tmp/trimclicks", "ch3", CToneSynth::kRate, devices.startPlayer, devices.clock),
      m_Buzzer(devices.newPcmDevice(), devices.clock),
      m_Speaker("SpeakerCtl", devices.newMixerElement()),
      m_Bluetooth("BtA2dpCtl", devices.newMixerElement()),
      m_Ch3("ch3Ctl", devices.newMixerElement()),
      m_Ch2("ch2Ctl", devices.newMixerElement()),
      m_Ch1("ch1Ctl", devices.newMixerElement()) {
  m_Level.fill(255);
  if (!m_RunPlayer) {
    // A player that outlives its sound (a device that takes nothing) is
    // ended and counts as failed.
    m_RunPlayer = [this](const QStringList& args, int limitMs, const std::function<bool()>& cancelled) {
      return m_Player.Run(QStringLiteral("aplay"), args, KLX_Platform::PlayerEnvironment(), cancelled, limitMs);
    };
    m_StopPlayer = [this] { m_Player.Stop(); };
  }
  if (!m_StopPlayer) m_StopPlayer = [] {};
}

KLX_AudioHandler::~KLX_AudioHandler() {
  // A facade dropped without its stop still ends both threads first.
  if (m_Initialised) KLX_AudioHandlerStop();
  // A thread run late may still be on its way out after the stop's wait.
  // Destroying a running thread ends the process: wait for it, however long.
  wait();
  m_Ch1.Close();
  m_Ch2.Close();
  m_Ch3.Close();
  m_Bluetooth.Close();
  m_Speaker.Close();
}

int KLX_AudioHandler::KLX_AudioHandlerInitialize(KLX_DataBaseManager* db) {
  m_Db = db;
  if (!db) return KLX_Error;
  m_Initialised = true;
  {
    // The speech thread keeps a copy; this one's end removes a pipe file
    // left from an earlier run.
    CAplayFifo speech("/tmp/tts_out", "ch1", 22050, m_StartPlayer, m_PipeClock);
    // A voice that a cut install left aside is in its place before the
    // speech engine looks for voices.
    KLX_FileFunctions::KLX_FileFunctionsRecoverVoices(m_Names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath());
    const QByteArray voices = QFile::encodeName(m_Names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath());
    const int started = KLX_TTS::Start(speech, voices.constData(), m_SpeechEngine);
    if (started == 0)
      qDebug("  ->   TTS started successfully!");
    else
      qDebug("  ->   TTS start error: %d", started);
  }
  KLX_AudioHandlerOpenMixers();
  // The levels the settings hold now: a fresh settings file has no volumes,
  // and reading one applies only those it holds.
  const std::pair<E_VolumeKey, int> stored[] = {
      {Volume_TimerBeeps, db->get_Timer_Control_Value()}, {Volume_Speech, db->get_Telemetry_Control_Value()},
      {Volume_TrimClicks, db->get_Trims_Control_Value()}, {Volume_Bluetooth, db->get_BT_Control_Value()},
      {Volume_Vario, db->get_Vario_Control_Value()},      {Volume_Master, db->get_MasterVolume_Control_Value()}};
  for (const auto& [key, level] : stored)
    if (level >= 0) Keep(key, level);
  KLX_AudioHandlerStartProcessing();
  // Set before the thread runs: a stop made while it sets up is never
  // overwritten (the thread would run on past the stop's wait).
  m_Running = true;
  // Up to 200 ms on the thread's clock for it to come up. It opens the vario
  // device first: a slow device or a busy processor makes it late, not
  // failed; only a thread that does not run (or a stop meanwhile) fails.
  return KLX_ThreadControl::Start(this, *m_Clock) && m_Running ? KLX_Ok : KLX_Error;
}

void KLX_AudioHandler::KLX_AudioHandlerOpenMixers() {
  QMutexLocker lock(&m_VolumeMutex);
  for (CAlsaMixer* m : {&m_Speaker, &m_Bluetooth, &m_Ch3, &m_Ch2, &m_Ch1}) m->Open();
}

int KLX_AudioHandler::KLX_AudioHandlerStop() {
  Log("stop...");
  m_Running = false;
  // A sound that plays, or is about to start, ends now: the thread is
  // waited for below, and a sound file may be long.
  {
    QMutexLocker lock(&m_playlock);
    m_PendingSound = SoundCommand();
    ++m_StopSerial;
    PublishFileSoundLocked();
  }
  m_StopPlayer();
  Wake();
  if (isRunning() && QThread::currentThread() != this) wait(3000);
  KLX_TTS::Stop(500);
  m_Buzzer.Enable(false);
  m_Initialised = false;
  Log("stoped");
  return KLX_Ok;
}

// ---- Tone pipes -------------------------------------------------------------------------

void KLX_AudioHandler::PlayTone(CAplayFifo& pipe, uint16_t frequency, uint16_t milliseconds, uint8_t level,
                                bool alarmForm, const char* failure) {
  int16_t block[CToneSynth::kBlockMax];
  const int samples = m_Tones.Render(frequency, milliseconds, level, alarmForm, block);
  if (samples == 0) return;
  if (!pipe.Write(block, size_t(samples) * sizeof(int16_t))) std::fputs(failure, stderr);
}

void KLX_AudioHandler::PlayTrimClicks(uint16_t frequency, uint16_t milliseconds, uint8_t level, bool alarmForm) {
  PlayTone(m_TrimPipe, frequency, milliseconds, level, alarmForm, "=====> FAILED_TRIM_CLICKS_PLAY...\n");
}

void KLX_AudioHandler::AlarmTimerPlayBeep(uint16_t frequency, uint16_t milliseconds, uint8_t level, bool alarmForm) {
  PlayTone(m_BeepPipe, frequency, milliseconds, level, alarmForm, "=====> FAILED_TIMER_ALARM_BEEP_PLAY...\n");
}

void KLX_AudioHandler::KLX_AudioHandlerTrimBeep(bool centre) {
  ++m_TrimBeeps[centre ? 1 : 0];
  VarioMute(25, 480);
  PlayTrimClicks(centre ? 1650 : 1050, 80, uint8_t(KLX_AudioHandlerGetVolume(Volume_TrimClicks)), false);
}

void KLX_AudioHandler::KLX_AudioHandlerIdleAlarmEnable() {
  m_IdleAlarm = true;
  {
    QMutexLocker lock(&m_VolumeMutex);
    m_Speaker.SetVolumePercent(100);
    m_Ch3.SetVolumePercent(100);
  }
  m_Buzzer.Mute(80);
  PlayTrimClicks(1050, 80, 100, true);
}

void KLX_AudioHandler::KLX_AudioHandlerIdleAlarmDisable() {
  m_IdleAlarm = false;
  {
    QMutexLocker lock(&m_VolumeMutex);
    m_Speaker.SetVolumePercent(m_Level[Volume_Master]);
    m_Ch3.SetVolumePercent(m_Level[Volume_TrimClicks]);
  }
  m_Buzzer.Mute(0);
}

// ---- Volumes ----------------------------------------------------------------------------

CAlsaMixer* KLX_AudioHandler::MixerOf(E_VolumeKey key) {
  switch (key) {
    case Volume_TimerBeeps: return &m_Ch2;
    case Volume_Speech: return &m_Ch1;
    case Volume_TrimClicks: return &m_Ch3;
    case Volume_Bluetooth: return &m_Bluetooth;
    case Volume_Master: return &m_Speaker;
    default: return nullptr;
  }
}

void KLX_AudioHandler::Keep(E_VolumeKey key, int packed) {
  const uint8_t level = uint8_t(qMin(packed & 0xFF, 120));
  {
    QMutexLocker lock(&m_VolumeMutex);
    if (m_Level[key] == level) return;
    m_Level[key] = level;
    if (key == Volume_Master) qCDebug(lcVornDebug, "KLX_AudioHandlerKeepMasterVolume(%d)", level);
    if (CAlsaMixer* mixer = MixerOf(key)) mixer->SetVolumePercent(level);
  }
  switch (key) {
    case Volume_TimerBeeps: emit beepVolumeChanged(level); break;
    case Volume_Speech: emit voiceVolumeChanged(level); break;
    case Volume_TrimClicks: emit trimVolumeChanged(level); break;
    case Volume_Bluetooth: emit bluetoothVolumeChanged(level); break;
    case Volume_Vario: emit varioVolumeChanged(level); break;
    case Volume_Master: emit speakerVolumeChanged(level); break;
    default: break;
  }
}

int KLX_AudioHandler::KLX_AudioHandlerGetVolume(int key) const {
  if (key < 0 || key >= Volume_Count) return -1;
  QMutexLocker lock(&m_VolumeMutex);
  return m_Level[size_t(key)];
}

int KLX_AudioHandler::KLX_AudioHandlerCalcVolumeValue(int position, int scale) {
  if (position < -2047 || position > 2047) return -1;
  const float exact = float(scale) * (float(position + 2047) / 4094.0f);
  const int whole = int(exact);
  return exact - float(whole) > 0.4999f ? whole + 1 : whole;
}

QList<QPair<int, int>> KLX_AudioHandler::UpdateVolumeControls(const QMap<int, int>& positions) const {
  QList<QPair<int, int>> changes;
  for (auto it = positions.constBegin(); it != positions.constEnd(); ++it) {
    const int level = KLX_AudioHandlerCalcVolumeValue(it.value(), 100);
    const int current = KLX_AudioHandlerGetVolume(it.key());
    // A position out of range is no level; a step of one is ignored, so
    // that a control resting between two levels does not flicker.
    if (level < 0 || current < 0) continue;
    if (qAbs(level - current) > 1) changes.append({it.key(), level});
  }
  return changes;
}

// ---- Vario ------------------------------------------------------------------------------

void KLX_AudioHandler::KLX_AudioHandlerVarioBeep(unsigned frequency, unsigned onMs, unsigned offMs) {
  m_Buzzer.Beep(frequency, onMs, offMs, uint8_t(KLX_AudioHandlerGetVolume(Volume_Vario)));
}
