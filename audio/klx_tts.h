#pragma once
// The speech thread: one per process, its operations static. It brings the
// speech engine up, scans the installed voices ("/Vorn/Sound/Voices/"),
// speaks one text at a time in the voice the audio thread chose, and hands
// the engine's samples (16-bit mono, 22050 Hz) to the speech pipe
// "/tmp/tts_out", whose player starts with the first chunk.
//
// Three threads meet here: the audio thread offers texts (SayThisText, never
// waiting), this thread sets up voices and hands texts on, and the engine's
// own thread delivers the samples and the end of each text. The voice
// queries (any thread) read the records under a lock of their own, so a
// rescan never pulls them from under a reader.
#include <QByteArray>
#include <QMutex>
#include <QReadWriteLock>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <memory>
#include <vector>

#include "audio/caplayfifo.h"
#include "frame/klx_basethread.h"
#include "platform/klx_speechengine.h"

class KLX_TTS : public CNoDebugBase<QThread> {
 public:
  // Results and the last status of the thread.
  enum Status {
    TTS_Ok = 0,
    TTS_NotReady = -1,
    TTS_Busy = -2,
    TTS_NoMemory = -4,
    TTS_BadArgument = -5,
    TTS_NoVoice = -6,
    TTS_SetPathFailed = -10,
    TTS_ServerInfoFailed = -11,
    TTS_UnlockFailed = -13,
    TTS_CloseFailed = -14,
    TTS_InitChannelFailed = -15,
    TTS_LockFailed = -16,
    TTS_StartChannelFailed = -17,
    TTS_ContextFailed = -18,
    TTS_DispatcherFailed = -19,
    TTS_AddTextFailed = -20,
    TTS_ReleaseFailed = -22,
  };

  // A language code of the screens and the two words its voices' language
  // field carries (either one).
  struct Language {
    const char* code;
    const char* words[2];
  };
  static const Language m_LanguagesList[8];

  // Creates the one speech thread and starts it on a copy of `pipe`:
  // 0, -2 (already started in this run), -4, -5 (no folder). `engine`: the
  // engine calls to make, the build's engine when null.
  static int Start(const CAplayFifo& pipe, const char* folder, const KLX_SpeechEngine* engine = nullptr);
  // Offers a text for the voice `voiceIndex`: 0 accepted; -1 no thread or
  // not ready, -2 busy, -5 no text or no such voice, -4 not stored.
  static int SayThisText(const char* text, int voiceIndex);
  // Ends the thread (waiting up to `timeoutMs`) and destroys it: 1, or 0
  // when it did not end in time (then it stays).
  static int Stop(unsigned long timeoutMs);

  static bool is_TTS_initFailed();
  // Ready for a text: running, voices scanned and usable, not speaking.
  static bool is_TTS_Operable();
  // Has voices and a default voice.
  static bool is_TTS_Voiceable();
  // Up and past its first voice scan, voices or none.
  static bool is_TTS_Ready();

  // ---- Voice queries (any thread) ----
  // Number of scanned voices; -1 without thread.
  static int GetVoicesCount();
  // The first voice from `start` whose language field carries a word of the
  // language code: -2 for a code not in the list, -1 for none.
  static int GetVoiceIndex(const QString& code, int start);
  // The voice with this language field and display name; -1 for none.
  static int GetVoiceIndex(const QString& language, const QString& displayName);
  // The first voice whose language field is `language`; -1 for none.
  static int GetFirstDialectVoiceIndex(const QString& language);
  // The language's first voice; for "es" a voice named "Laia" (Catalan)
  // gives way to the next voice of the code when there is one.
  static int GetDefVoiceIndex(const QString& code);
  // The fields of a voice; null text without thread or for a bad index.
  static QString GetVoiceDisplayName(int index);
  static QString GetVoiceLanguage(int index);
  static QString GetVoiceDialect(int index);
  static QString GetVoiceFilePath(int index);

  // Around a voice-pack update: texts are refused meanwhile, and the voices
  // are scanned again afterwards.
  static void BeginVoicesUpdate();
  static void EndVoicesUpdate();

  // The thread's last status (0 without thread).
  static int GetStatus();
  // A process starts the speech thread once; a test process starts one
  // per case and calls this between them (no thread may exist).
  static void AllowRestart();

 protected:
  void run() override;

 private:
  explicit KLX_TTS(const KLX_SpeechEngine& engine);
  ~KLX_TTS() override;

  int StartThread(const CAplayFifo& pipe, QThread::Priority priority);
  int Offer(const char* text, int voiceIndex);
  int InitVoices();
  int SetVoice(const char* voiceName);
  void FreeVoices();
  void Exit();
  bool HasRecords() const { return !m_Records.empty(); }
  QString Field(int index, size_t offset) const;
  int FindLanguage(const Language& language, int start) const;
  void WriteSpeechData(const void* data, size_t count);
  static int CallBackSpeechData(const void* samples, uint32_t byteCount, void* soundData, void* user);
  static int CallBackSpeechEvent(int event, int value, void* eventData, void* user);

  static std::atomic<KLX_TTS*> m_pTTS;
  static std::atomic<bool> m_Started;
  static std::atomic<bool> m_ttsInitFailed;
  // Held for reading while an operation uses the instance; Stop destroys
  // it only under the write lock.
  static QReadWriteLock s_InstanceLock;

  const KLX_SpeechEngine m_Engine;
  std::atomic<bool> m_Running{false};
  std::atomic<bool> m_Ready{false};
  bool m_SavedReady = false;
  // Set by the audio thread, cleared by the engine's end-of-speech event.
  std::atomic<bool> m_Busy{false};
  std::unique_ptr<CAplayFifo> m_Pipe;
  NscHandle m_Context = nullptr;
  NscHandle m_Dispatcher = nullptr;
  NscHandle m_Lock = nullptr;
  NscHandle m_Channel = nullptr;
  QByteArray m_Folder;
  std::atomic<int> m_VoiceCount{0};
  std::vector<NscVoiceRecord> m_Records;
  int m_CurrentVoice = -1;
  std::atomic<int> m_DefaultVoice{-1};
  int m_RequestedVoice = -2;
  QByteArray m_Text;
  bool m_HasText = false;
  // Something for the thread to look at (a stop, a voice update): a wake
  // that comes while it is not waiting is not lost.
  bool m_Poke = false;
  QWaitCondition m_Wake;
  QMutex m_RequestMutex;
  QMutex m_WriteMutex;
  mutable QReadWriteLock m_RecordsLock;
  std::atomic<int> m_Status{0};
  std::atomic<bool> m_VoicesScanned{false};
};
