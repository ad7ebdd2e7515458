// The audio thread: its pass, the speech queue, the voice choice and the
// sound files.
#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "audio/cwavefile.h"
#include "audio/klx_audiohandler.h"
#include "audio/klx_tts.h"
#include "frame/klx_debuglog.h"
#include "frame/klx_errorhandler.h"
#include "model/klx_databasemanager.h"
#include "platform/klx_audio.h"

namespace {
constexpr unsigned kErrNotInitialised = 0x14401;
constexpr int kCommandMax = 510;
// A ".pcm" copy gives up when the pipe's reader takes nothing for this long.
constexpr int kPipeStallMs = 1000;
// What a player takes beyond its sound: its start, the device's opening,
// the silence it pads its last period with.
constexpr int kPlayerStartMs = 5000;
}  // namespace

// ---- The queue --------------------------------------------------------------------------

namespace AudioHandler {

void CQueue::Append(phrase_t phrase) {
  QMutexLocker lock(&m_Mutex);
  phrase.serial = ++m_Serial;
  m_List.append(std::move(phrase));
}

bool CQueue::First(phrase_t* phrase) const {
  QMutexLocker lock(&m_Mutex);
  if (m_List.isEmpty()) return false;
  *phrase = m_List.first();
  return true;
}

void CQueue::RemoveFirst(const phrase_t& phrase) {
  QMutexLocker lock(&m_Mutex);
  if (!m_List.isEmpty() && m_List.first().serial == phrase.serial) m_List.removeFirst();
}

template <typename Match>
int CQueue::RemoveIf(Match match) {
  QMutexLocker lock(&m_Mutex);
  const int before = m_List.size();
  m_List.erase(std::remove_if(m_List.begin(), m_List.end(), match), m_List.end());
  return before - m_List.size();
}

int CQueue::RemoveAlarm(int alarmIndex) {
  return RemoveIf([alarmIndex](const phrase_t& p) { return p.alarmIndex == alarmIndex; });
}

int CQueue::RemoveAnnouncements() {
  return RemoveIf([](const phrase_t& p) { return p.announcement; });
}

void CQueue::Clear() {
  QMutexLocker lock(&m_Mutex);
  m_List.clear();
}

int CQueue::Count() const {
  QMutexLocker lock(&m_Mutex);
  return m_List.size();
}

QList<phrase_t> CQueue::Phrases() const {
  QMutexLocker lock(&m_Mutex);
  return m_List;
}

}  // namespace AudioHandler

// ---- Producers --------------------------------------------------------------------------

void KLX_AudioHandler::Wake() {
  QMutexLocker lock(&m_ThreadMutex);
  m_WakePending = true;
  m_Clock->KLX_ClockWake(m_Wake);
}

int KLX_AudioHandler::PutInSpeechQueue(const QString& text, const QString& language, const QString& voice,
                                       int alarmIndex, bool announcement) {
  if (text.isEmpty()) {
    qDebug("PutInSpeechQueue(ERROR): text string is null or empty");
    return 0;
  }
  AudioHandler::phrase_t phrase{text.left(kSpeechTextMax), language, voice, alarmIndex};
  phrase.announcement = announcement;
  m_Queue.Append(std::move(phrase));
  // Speech never waits behind a sound file a user picked.
  KLX_AudioHandlerStopSoundFile();
  Wake();
  return 0;
}

// The list speaks the item it shows now: an item still waiting from an
// earlier step (or from before its text was changed) is not spoken after it.
void KLX_AudioHandler::onTtslindexChanged(QString text, QString lang, QString voice) {
  m_Queue.RemoveAnnouncements();
  if (!text.isEmpty()) PutInSpeechQueue(text, lang, voice, -1, true);
}

void KLX_AudioHandler::KLX_AudioHandlerThinQueueByAlrmIdx(int alarmIndex) {
  QMutexLocker lock(&m_ThreadMutex);
  m_Queue.RemoveAlarm(alarmIndex);
}

void KLX_AudioHandler::KLX_AudioHandlerClearQueue() { m_Queue.Clear(); }

void KLX_AudioHandler::VarioMute(uint8_t level, int ms) {
  m_Buzzer.Mute(level);
  m_UnmuteDue = m_Clock->KLX_ClockNowMs() + qMax(ms, 0);
  // The thread restores it: its wait ends at the due time. From another
  // thread it is woken so that it sees the new time at once.
  if (QThread::currentThread() != this && m_ThreadMutex.tryLock()) {
    m_WakePending = true;
    m_Clock->KLX_ClockWake(m_Wake);
    m_ThreadMutex.unlock();
  }
}

void KLX_AudioHandler::UnmuteVarioSlot() { m_Buzzer.Mute(0); }

// ---- Sound files ------------------------------------------------------------------------

int KLX_AudioHandler::KLX_AudioHandlerPlay(const QString& name, const QString& language, int type) {
  Q_UNUSED(language);
  ScheduleSound(name, type);
  return 1;
}

bool KLX_AudioHandler::ScheduleSound(const QString& name, int type) {
  const QString sounds = m_Names.KLX_FileNameHandlerGetSoundPath();
  // A full path from the file manager may already lie under the desktop's
  // root; a board path is placed there.
  auto placed = [](const QString& path) {
    return QFileInfo::exists(path) ? path : KLX_FileNameHandler::KLX_FileNameHandlerMapPath(path);
  };
  SoundCommand command;
  QString file;
  switch (type) {
    case 0:
      file = sounds + name + ".wav";
      command.playerArgs = QStringList{"-N", file, "-q"};
      break;
    case 1:
      file = sounds + name + ".pcm";
      command.pipeCopy = file;
      command.length = QStringLiteral("cat %1>>/tmp/tts_out").arg(file).size();
      break;
    case 256:
      file = placed(name);
      // Any file may carry the name: one in a format the player does not
      // play would play nothing, one of no sound as noise for its size.
      if (!IsWaveFile(file)) {
        qDebug("KLX_AudioHandlerPlay: %s is no RIFF/WAVE file the player plays, not played", qPrintable(file));
        return false;
      }
      command.playerArgs = QStringList{"-N", "-d", QString::number(kSoundFileMaxSeconds), file, "-q"};
      command.fileSound = true;
      command.cutSeconds = kSoundFileMaxSeconds;
      break;
    default:
      file = placed(name + ".wav");
      command.playerArgs = QStringList{"-N", file};
      break;
  }
  if (!command.playerArgs.isEmpty()) command.length = ("aplay " + command.playerArgs.join(' ')).size();
  if (!QFileInfo(file).isFile()) return true;
  command.file = file;
  if (!m_playlock.tryLock()) {
    qDebug("Cannot lock m_playlock - playWAV");
    return true;
  }
  m_PendingSound = command;
  PublishFileSoundLocked();
  m_playlock.unlock();
  // Another sound (an alarm's) does not wait behind a sound file either.
  if (!command.fileSound) KLX_AudioHandlerStopSoundFile();
  if (m_ThreadMutex.tryLock()) {
    m_WakePending = true;
    m_Clock->KLX_ClockWake(m_Wake);
    m_ThreadMutex.unlock();
  }
  return true;
}

bool KLX_AudioHandler::IsWaveFile(const QString& path) { return CWaveFile().Read(path); }

bool KLX_AudioHandler::KLX_AudioHandlerPlaySoundFile(const QString& path) { return ScheduleSound(path, 256); }

void KLX_AudioHandler::KLX_AudioHandlerStopSoundFile() {
  quint64 run;
  {
    QMutexLocker lock(&m_playlock);
    if (m_PendingSound.fileSound) m_PendingSound = SoundCommand();
    run = m_FileRun;
    if (run != 0) ++m_StopSerial;
    PublishFileSoundLocked();
  }
  if (run == 0) return;
  if (m_StopChosen) m_StopChosen();
  // The file may have ended meanwhile and the next sound begun: the player
  // is ended only while it still plays the file's run. The next run cannot
  // start while the lock is held.
  QMutexLocker lock(&m_playlock);
  if (m_FileRun == run) m_StopPlayer();
}

void KLX_AudioHandler::PublishFileSoundLocked() {
  const bool now = m_PendingSound.fileSound || m_FileRun != 0;
  if (m_FileSoundShown.exchange(now) == now) return;
  // Bindings on the property live in the object's thread. Queued by name:
  // the call event is then made and freed inside Qt, a hand-over that the
  // thread checker sees whole (a functor is allocated here and freed there).
  QMetaObject::invokeMethod(this, "soundFilePlayingChanged", Qt::QueuedConnection);
}

// Under the thread mutex, which it lets go while the sound plays.
void KLX_AudioHandler::RunPendingSound() {
  SoundCommand command;
  quint64 serial;
  {
    QMutexLocker lock(&m_playlock);
    if (m_PendingSound.Empty()) return;
    command = m_PendingSound;
    m_PendingSound = SoundCommand();
    serial = m_StopSerial;
    m_FileRun = command.fileSound && command.length >= 1 && command.length <= kCommandMax ? ++m_Runs : 0;
    PublishFileSoundLocked();
  }
  if (command.length < 1 || command.length > kCommandMax) return;
  // A stop raised the serial: what has not started yet does not.
  const auto cancelled = [this, serial] { return m_StopSerial != serial; };
  m_ThreadMutex.unlock();
  bool played = true;
  if (!command.pipeCopy.isEmpty()) {
    CopyIntoSpeechPipe(command.pipeCopy, cancelled);
  } else {
    // Read again: a user's file may have changed since it was picked, and
    // the player opens the path itself. Its length is the player's time, at
    // most what a picked file may take: a sound of the program's own whose
    // head claims hours (damaged, or replaced on the card) holds speech back
    // no longer than a user's file, and one whose length cannot be read
    // gets that most.
    CWaveFile wave;
    const bool readable = wave.Read(command.file);
    qint64 ms = qint64(kSoundFileMaxSeconds) * 1000;
    if (readable) ms = qMin(ms, wave.PlayMs());
    if (command.cutSeconds > 0) ms = qMin(ms, qint64(command.cutSeconds) * 1000);
    const int limitMs = int(qMin(ms, qint64(std::numeric_limits<int>::max() - kPlayerStartMs))) + kPlayerStartMs;
    played = (readable || !command.fileSound) && m_RunPlayer(command.playerArgs, limitMs, cancelled) == 0;
  }
  {
    QMutexLocker lock(&m_playlock);
    m_FileRun = 0;
    PublishFileSoundLocked();
  }
  if (!played && command.fileSound && !cancelled()) {
    qDebug("KLX_AudioHandlerPlay: %s did not play", qPrintable(command.file));
    QMetaObject::invokeMethod(this, "soundFileFailed", Qt::QueuedConnection, Q_ARG(QString, command.file));
  }
  m_ThreadMutex.lock();
}

// The raw samples of a ".pcm" file appended to the speech pipe, as its
// player reads them; a pipe nobody reads, or a reader that stops, costs a
// bounded wait.
void KLX_AudioHandler::CopyIntoSpeechPipe(const QString& file, const std::function<bool()>& cancelled) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) return;
  const QString pipe = KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QStringLiteral("/tmp/tts_out"));
  const int fd = CAplayFifo::OpenWriterEnd(pipe, *m_PipeClock, kPipeCopyWaitMs);
  if (fd < 0) {
    qDebug("KLX_AudioHandlerPlay: no player reads /tmp/tts_out, %s not played", qPrintable(file));
    return;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
  char chunk[4096];
  bool going = true;
  while (going && !cancelled()) {
    const qint64 got = in.read(chunk, sizeof(chunk));
    if (got <= 0) break;
    qint64 done = 0;
    qint64 stallSince = m_PipeClock->KLX_ClockNowMs();
    while (done < got) {
      const ssize_t n = ::write(fd, chunk + done, size_t(got - done));
      if (n > 0) {
        done += n;
        stallSince = m_PipeClock->KLX_ClockNowMs();
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno == EAGAIN && m_PipeClock->KLX_ClockNowMs() - stallSince < kPipeStallMs) {
        m_PipeClock->KLX_ClockSleep(5);
        continue;
      }
      qDebug("KLX_AudioHandlerPlay: the speech pipe took no more of %s", qPrintable(file));
      going = false;
      break;
    }
  }
  ::close(fd);
}

// ---- Voices -----------------------------------------------------------------------------

int KLX_AudioHandler::SystemDefaultVoice() const {
  const QString language =
      m_Db ? m_Db->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language(QString(), AtomicDirGet, false)
           : QString();
  const int voice = KLX_TTS::GetDefVoiceIndex(language);
  if (voice >= 0) return voice;
  return KLX_TTS::GetVoicesCount() >= 1 ? 0 : -1;
}

int KLX_AudioHandler::getVoiceIndexStrategy(const QString& language, const QString& voice) {
  if (language.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0) return -1;
  auto ofLanguage = [&language] {
    const int i = language.size() == 2 ? KLX_TTS::GetDefVoiceIndex(language)
                                       : KLX_TTS::GetFirstDialectVoiceIndex(language);
    return i < 0 ? -1 : i;
  };
  int index;
  if (language.isEmpty()) {
    index = voice.isEmpty() ? SystemDefaultVoice() : -1;
  } else if (voice.isEmpty()) {
    index = ofLanguage();
  } else {
    index = KLX_TTS::GetVoiceIndex(language, voice);
    if (index < 0) index = ofLanguage();
    if (index < 0) index = SystemDefaultVoice();
  }
  if (index < 0) {
    qCDebug(lcVornDebug, "VOICE_STRATEGY_OUTPUT( voiceIdx = -1)...");
    return -1;
  }
  qCDebug(lcVornDebug, "VOICE_STRATEGY_OUTPUT(%s,%s) IDX=%d", qPrintable(KLX_TTS::GetVoiceLanguage(index)),
         qPrintable(KLX_TTS::GetVoiceDisplayName(index)), index);
  return index;
}

int KLX_AudioHandler::KLX_AudioHandlerGetVoicesCount() const { return KLX_TTS::GetVoicesCount(); }

QString KLX_AudioHandler::KLX_AudioHandlerGetVoicePath(int index) const {
  const QString path = KLX_TTS::GetVoiceFilePath(index);
  return path.isNull() ? QString("") : path;
}

QString KLX_AudioHandler::KLX_AudioHandlerGetVoiceList(const QString& language) const {
  QString list;
  const bool code = KLX_TTS::GetVoiceIndex(language, 0) != -2;
  if (code) {
    for (int i = KLX_TTS::GetVoiceIndex(language, 0); i >= 0; i = KLX_TTS::GetVoiceIndex(language, i + 1))
      list += QStringLiteral("%1\n%2|%3\t").arg(i).arg(KLX_TTS::GetVoiceDisplayName(i), KLX_TTS::GetVoiceLanguage(i));
    return list;
  }
  const int count = KLX_TTS::GetVoicesCount();
  for (int i = 0; i < count; ++i) {
    const QString lang = KLX_TTS::GetVoiceLanguage(i);
    list += QStringLiteral("%1\n%2(%3)|%3\t").arg(i).arg(KLX_TTS::GetVoiceDisplayName(i), lang);
  }
  return list;
}

// ---- The thread -------------------------------------------------------------------------

void KLX_AudioHandler::SpeakNext() {
  if (KLX_TTS::is_TTS_initFailed()) {
    m_Queue.Clear();
    return;
  }
  if (!KLX_TTS::is_TTS_Operable()) {
    // Speaking the previous phrase, or no voices yet: a long backlog goes.
    if (m_Queue.Count() > kQueueWaitMax) m_Queue.Clear();
    return;
  }
  if (m_Queue.Count() == 0) return;
  if (!KLX_TTS::is_TTS_Voiceable()) {
    m_Queue.Clear();
    return;
  }
  AudioHandler::phrase_t phrase;
  if (!m_Queue.First(&phrase)) return;
  const int voice = getVoiceIndexStrategy(phrase.language, phrase.voice);
  if (voice == -1) {
    qDebug("ERROR: No acceptable voiceIndex from SPEECH_PAIR<%s,%s>", qPrintable(phrase.language),
           qPrintable(phrase.voice));
    m_Queue.RemoveFirst(phrase);
    return;
  }
  VarioMute(75, 200 * phrase.text.size());
  const QByteArray text = phrase.text.toUtf8();
  if (KLX_TTS::SayThisText(text.constData(), voice) == 0) {
    m_Queue.RemoveFirst(phrase);
    KLX_Platform::NoteSpokenText(phrase.text);
  }
}

void KLX_AudioHandler::run() {
  if (!m_Initialised) {
    KLXErrorHandler.RegisterError(kErrNotInitialised, QStringLiteral(" did not call KLX_AudioHandlerInitialize()"));
    return;
  }
  // A ".pcm" copy into a pipe whose reader went reports the broken pipe as
  // an error of the write, whatever the process does with the signal.
  sigset_t brokenPipe;
  sigemptyset(&brokenPipe);
  sigaddset(&brokenPipe, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &brokenPipe, nullptr);
  qDebug("  ->   starting KLX_AudioHandler thread");
  if (!m_Buzzer.Init("vario", 48000, 2, 3)) qWarning("  ->   KLX_AudioHandler: Buzzer not started!");
  KLX_ThreadControl::Entered();
  while (true) {
    Log("pause");
    m_ThreadMutex.lock();
    if (!m_WakePending) {
      unsigned long wait = kPassMs;
      const qint64 due = m_UnmuteDue;
      if (due >= 0) wait = qBound<qint64>(0, due - m_Clock->KLX_ClockNowMs(), qint64(kPassMs));
      m_Clock->KLX_ClockWait(m_Wake, m_ThreadMutex, wait);
    }
    m_WakePending = false;
    Log("resume");
    if (!m_Running || !KLX_BaseClassThreadIsProcessing()) {
      m_ThreadMutex.unlock();
      break;
    }
    Log("run...");
    const qint64 due = m_UnmuteDue;
    if (due >= 0 && m_Clock->KLX_ClockNowMs() >= due) {
      m_UnmuteDue = -1;
      UnmuteVarioSlot();
    }
    RunPendingSound();
    SpeakNext();
    m_ThreadMutex.unlock();
    if (!m_Running) break;
  }
  {
    QMutexLocker lock(&m_VolumeMutex);
    m_Speaker.SetVolumeAbs(0);
    m_Bluetooth.SetVolumeAbs(0);
  }
  Log("exit");
  m_Buzzer.Deinit();
  m_Running = false;
  qDebug("  ->   exit KLX_AudioHandler thread");
}

void KLX_AudioHandler::KLX_AudioHandlerAlarmBeep(uint16_t tone, uint16_t length, bool isTimerAlarm, bool priority) {
  qCDebug(lcVornDebug, "KLX_AudioHandlerAlarmBeep, alarmPriority: %c", priority ? 'y' : 'n');
  {
    QMutexLocker lock(&m_AlarmBeepsMutex);
    // Enough for any test or look at the last ones; never grows without end.
    if (m_AlarmBeeps.size() >= 64) m_AlarmBeeps.removeFirst();
    m_AlarmBeeps.append({tone, length, isTimerAlarm ? 1 : 0});
  }
  if (isTimerAlarm) {
    AlarmTimerPlayBeep(tone, length, uint8_t(KLX_AudioHandlerGetVolume(Volume_TimerBeeps)), false);
    return;
  }
  const bool b = (tone >> 12) == 6;
  VarioMute(75, b ? 2000 : 1600);
  KLX_AudioHandlerPlay(b ? QStringLiteral("Alarm_Telemetry_B") : QStringLiteral("Alarm_Telemetry_A"), QString(), 0);
}
