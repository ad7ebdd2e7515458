#include "audio/klx_tts.h"
#include "frame/klx_debuglog.h"

#include <QDebug>
#include <QReadLocker>
#include <QWriteLocker>

#include <cstdio>
#include <cstring>
#include <new>

const KLX_TTS::Language KLX_TTS::m_LanguagesList[8] = {
    {"en", {"British", "English"}},  {"de", {"German", "Deutsch"}},     {"fr", {"French", "Fran\xc3\xa7" "ais"}},
    {"es", {"Spanish", "Catalan"}},  {"it", {"Italian", "Italiano"}},   {"no", {"Norwegian", "Norsk"}},
    {"fi", {"Finnish", "Finland"}},  {"cn", {"Chinese", "China"}}};

std::atomic<KLX_TTS*> KLX_TTS::m_pTTS{nullptr};
std::atomic<bool> KLX_TTS::m_Started{false};
std::atomic<bool> KLX_TTS::m_ttsInitFailed{false};
QReadWriteLock KLX_TTS::s_InstanceLock;

namespace {
const KLX_TTS::Language* LanguageOf(const QString& code) {
  for (const KLX_TTS::Language& l : KLX_TTS::m_LanguagesList)
    if (code == QLatin1String(l.code)) return &l;
  return nullptr;
}

// One zero-terminated text of a record.
QByteArray RecordText(const NscVoiceRecord& r, size_t offset) {
  return QByteArray(r.bytes + offset, int(::strnlen(r.bytes + offset, NscVoiceRecord::kTextMax)));
}
}  // namespace

KLX_TTS::KLX_TTS(const KLX_SpeechEngine& engine) : m_Engine(engine) {}

KLX_TTS::~KLX_TTS() {
  FreeVoices();
  m_VoiceCount = 0;
  m_CurrentVoice = -1;
  m_RequestedVoice = -2;
  qDebug("  ->   TTS is destroyed");
  if (m_Pipe) m_Pipe->Close();
}

// ---- Start and stop -------------------------------------------------------------------

int KLX_TTS::Start(const CAplayFifo& pipe, const char* folder, const KLX_SpeechEngine* engine) {
  QWriteLocker instance(&s_InstanceLock);
  if (m_Started || m_pTTS) return TTS_Busy;
  KLX_TTS* tts = new (std::nothrow) KLX_TTS(engine ? *engine : KLX_Platform::SpeechEngine());
  if (!tts) return TTS_NoMemory;
  if (!folder || !*folder) {
    delete tts;
    return TTS_BadArgument;
  }
  tts->m_Folder = QByteArray(folder);
  m_pTTS = tts;
  return tts->StartThread(pipe, QThread::InheritPriority) == 1 ? TTS_Ok : TTS_NoMemory;
}

int KLX_TTS::StartThread(const CAplayFifo& pipe, QThread::Priority priority) {
  if (m_Started) return 0;
  m_Pipe = std::make_unique<CAplayFifo>(pipe);
  m_Running = true;
  m_Started = true;
  start(priority);
  return 1;
}

int KLX_TTS::Stop(unsigned long timeoutMs) {
  KLX_TTS* tts = m_pTTS;
  if (!tts) return 1;
  tts->Log("stop...");
  {
    QMutexLocker lock(&tts->m_RequestMutex);
    tts->m_Running = false;
    tts->m_Poke = true;
    tts->m_Wake.wakeAll();
  }
  const bool ended = tts->wait(timeoutMs);
  tts->Log("stoped");
  if (!ended) {
    qDebug("  ->  TTS thread NOT finished!");
    return 0;
  }
  QWriteLocker instance(&s_InstanceLock);
  m_pTTS = nullptr;
  delete tts;
  return 1;
}

void KLX_TTS::AllowRestart() {
  QWriteLocker instance(&s_InstanceLock);
  if (m_pTTS) return;
  m_Started = false;
  m_ttsInitFailed = false;
}

// ---- The thread -----------------------------------------------------------------------

void KLX_TTS::run() {
  m_Ready = false;
  m_Status = TTS_Ok;
  qDebug("  ->   TTS thread started");
  QMutexLocker request(&m_RequestMutex);
  if (!m_Context) {
    FreeVoices();
    bool ok = m_Engine.createDispatcher(&m_Dispatcher) == 0;
    if (!ok) {
      m_Dispatcher = nullptr;
      m_Status = TTS_DispatcherFailed;
    } else if (m_Engine.createServerContext(1, 0, "127.0.0.1", &m_Context) != 0) {
      m_Context = nullptr;
      m_Status = TTS_ContextFailed;
      ok = false;
    } else {
      qDebug("  ->   TTS connected\n");
    }
    m_Running = ok && m_Running;
  }
  if (m_Running && !HasRecords()) {
    const int scan = InitVoices();
    const bool ok = scan == TTS_Ok || scan == TTS_NoVoice;
    if (!ok) m_Status = scan;
    m_Running = ok;
    m_Ready = ok;
  }
  if (m_Status != TTS_Ok) {
    qDebug("  TTS: init error %d", int(m_Status));
    m_ttsInitFailed = true;
    request.unlock();
    Exit();
    return;
  }
  while (m_Running) {
    Log("pause");
    while (m_Running && !m_HasText && !m_Poke) m_Wake.wait(&m_RequestMutex);
    m_Poke = false;
    if (!m_Ready || !m_Running) continue;
    Log("resume");
    if (!HasRecords()) {
      // The voices were updated (or none were installed): scan again.
      const int scan = InitVoices();
      m_Running = scan == TTS_Ok || scan == TTS_NoVoice;
      if (!m_Running) m_Status = scan;
      if (!HasRecords()) continue;
    }
    if (m_RequestedVoice != m_CurrentVoice) {
      const int count = m_VoiceCount;
      if (m_RequestedVoice >= 0 && m_RequestedVoice < count)
        m_CurrentVoice = m_RequestedVoice;
      else if (m_CurrentVoice < 0 || m_CurrentVoice >= count)
        m_CurrentVoice = m_DefaultVoice;
      if (m_CurrentVoice < 0) {
        qCDebug(lcVornDebug, "++++++++++++++++++++ GREAT_PROBLEM: m_CurrentVoiceId is (-1)!!! +++++++++++++++");
      } else {
        const NscVoiceRecord& r = m_Records[size_t(m_CurrentVoice)];
        const QByteArray name = RecordText(r, NscVoiceRecord::kVoiceName);
        qCDebug(lcVornDebug, "++++++++++ m_CurrentVoiceId: %d, cVoiceName: %s", m_CurrentVoice, name.constData());
        qCDebug(lcVornDebug, "           cSpeakerName: %s", RecordText(r, NscVoiceRecord::kSpeakerName).constData());
        qCDebug(lcVornDebug, "           cDisplayName: %s", RecordText(r, NscVoiceRecord::kDisplayName).constData());
        qCDebug(lcVornDebug, "           cVoiceLanguage: %s", RecordText(r, NscVoiceRecord::kLanguage).constData());
        const int set = SetVoice(name.constData());
        m_Status = set;
        m_Running = set == TTS_Ok;
        if (set != TTS_Ok) {
          qDebug("TTS error: SetVoice(%s) == %d", name.constData(), set);
          m_Busy = false;
        }
      }
    }
    if (m_Running && m_HasText) {
      const QByteArray text = m_Text;
      m_Text.clear();
      m_HasText = false;
      if (!m_Lock || m_Engine.addTextEx(m_Lock, "UTF-8", text.constData(), size_t(text.size()), nullptr) != 0) {
        m_Status = TTS_AddTextFailed;
        m_Busy = false;
      }
    }
  }
  // A text that was offered and never reached the engine ends here.
  if (m_HasText) {
    m_HasText = false;
    m_Busy = false;
  }
  request.unlock();
  Exit();
}

// Releases what the thread created, under the request mutex.
void KLX_TTS::Exit() {
  QMutexLocker request(&m_RequestMutex);
  Log("exit...");
  auto record = [this](int failure) {
    if (m_Status == TTS_Ok) m_Status = failure;
  };
  if (m_Lock) {
    if (m_Engine.unlockChannel(m_Lock) != 0) record(TTS_UnlockFailed);
    m_Lock = nullptr;
  }
  if (m_Channel) {
    if (m_Engine.closeChannel(m_Context, m_Channel) != 0) record(TTS_CloseFailed);
    m_Channel = nullptr;
  }
  if (m_Context && m_Dispatcher) {
    NscHandle empty = nullptr;
    if (m_Engine.initChannel(m_Context, "EmtyvoiceForexit", 0, 0, m_Dispatcher, &empty, "") >= 2)
      record(TTS_InitChannelFailed);
    if (empty) m_Engine.closeChannel(m_Context, empty);
  }
  if (m_Context) {
    if (m_Engine.releaseServerContext(m_Context) != 0) record(TTS_ReleaseFailed);
    m_Context = nullptr;
  }
  FreeVoices();
  m_Ready = false;
  std::fputs("  ->   exit TTS thread.\n", stderr);
  Log("exit");
}

int KLX_TTS::InitVoices() {
  m_DefaultVoice = -1;
  m_VoicesScanned = false;
  if (!m_Context || m_Folder.isEmpty()) return TTS_BadArgument;
  if (m_Engine.setVoicesPaths(m_Context, m_Folder.constData()) != 0) return TTS_SetPathFailed;
  NscServerInfo info;
  std::memset(&info, 0, sizeof(info));
  if (m_Engine.getServerInfo(m_Context, &info) != 0) return TTS_ServerInfoFailed;
  const int count = int(info.words[3]);
  QWriteLocker records(&m_RecordsLock);
  m_VoiceCount = count < 0 ? 0 : count;
  if (count < 1) {
    m_Records.clear();
    return TTS_NoVoice;
  }
  m_Records.clear();
  m_CurrentVoice = -1;
  try {
    m_Records.resize(size_t(count));
  } catch (const std::bad_alloc&) {
    m_VoiceCount = 0;
    return TTS_NoMemory;
  }
  qCDebug(lcVornDebug, " TTS: Voice searching...\n");
  int filled = 0;
  NscHandle search = nullptr;
  if (m_Engine.findFirstVoice(m_Context, nullptr, 0, 0, 0, &m_Records[0], &search) == 0) {
    filled = 1;
    while (filled < count && m_Engine.findNextVoice(search, &m_Records[size_t(filled)]) == 0) ++filled;
  }
  m_Records.resize(size_t(filled));
  m_VoiceCount = filled;
  qCDebug(lcVornDebug, " TTS: Found %d voice(s)\n", filled);
  if (search) m_Engine.closeFindVoice(search);
  int def = -1;
  for (const char* word : {"British", "English"}) {
    for (int i = 0; i < filled && def < 0; ++i)
      if (RecordText(m_Records[size_t(i)], NscVoiceRecord::kLanguage).contains(word)) def = i;
    if (def >= 0) break;
  }
  if (def < 0 && filled > 0) def = 0;
  m_DefaultVoice = def;
  qCDebug(lcVornDebug, " TTS: Default voice: %s",
          def >= 0 ? RecordText(m_Records[size_t(def)], NscVoiceRecord::kVoiceName).constData() : "NONE");
  m_VoicesScanned = true;
  return TTS_Ok;
}

int KLX_TTS::SetVoice(const char* voiceName) {
  int released = 0;
  if (m_Lock) {
    released = m_Engine.unlockChannel(m_Lock);
    m_Lock = nullptr;
  }
  if (m_Channel) {
    released = m_Engine.closeChannel(m_Context, m_Channel);
    m_Channel = nullptr;
  }
  if (released != 0 || !m_Running) return TTS_NotReady;
  if (m_Engine.initChannel(m_Context, voiceName, 0, 0, m_Dispatcher, &m_Channel, "") != 0) {
    m_Channel = nullptr;
    return TTS_InitChannelFailed;
  }
  if (!m_Running) return TTS_InitChannelFailed;
  if (m_Engine.lockChannel(m_Context, m_Channel, m_Dispatcher, &m_Lock) != 0) {
    m_Lock = nullptr;
    return TTS_LockFailed;
  }
  if (!m_Running) return TTS_LockFailed;
  NscCallbacks callbacks{CallBackSpeechData, CallBackSpeechEvent, {1, 1, 0, 0}, this};
  const int started = m_Engine.startChannel(m_Lock, &callbacks);
  return started == 0 || started == 10 ? TTS_Ok : TTS_StartChannelFailed;
}

void KLX_TTS::FreeVoices() {
  QWriteLocker records(&m_RecordsLock);
  m_Records.clear();
  m_Records.shrink_to_fit();
}

// ---- Speaking -------------------------------------------------------------------------

int KLX_TTS::SayThisText(const char* text, int voiceIndex) {
  QReadLocker instance(&s_InstanceLock);
  KLX_TTS* tts = m_pTTS;
  if (!tts || !tts->m_Ready) return TTS_NotReady;
  if (!tts->m_RequestMutex.tryLock()) return TTS_Busy;
  const int answer = tts->Offer(text, voiceIndex);
  tts->m_RequestMutex.unlock();
  return answer;
}

// Under the request mutex.
int KLX_TTS::Offer(const char* text, int voiceIndex) {
  if (m_Busy) return TTS_Busy;
  if (!text || voiceIndex < 0 || voiceIndex >= m_VoiceCount) return TTS_BadArgument;
  try {
    m_Text = QByteArray(text);
  } catch (const std::bad_alloc&) {
    return TTS_NoMemory;
  }
  m_HasText = true;
  m_RequestedVoice = voiceIndex;
  m_Busy = true;
  m_Wake.wakeAll();
  return TTS_Ok;
}

void KLX_TTS::WriteSpeechData(const void* data, size_t count) {
  if (!m_WriteMutex.tryLock()) return;
  if (data && count > 0 && m_Pipe && !m_Pipe->Write(data, count)) qDebug("KLX_TTS: pipe write error!");
  m_WriteMutex.unlock();
}

int KLX_TTS::CallBackSpeechData(const void* samples, uint32_t byteCount, void*, void* user) {
  if (user) static_cast<KLX_TTS*>(user)->WriteSpeechData(samples, byteCount);
  return 0;
}

int KLX_TTS::CallBackSpeechEvent(int event, int, void*, void* user) {
  if (user && event == NscEventSpeechEnd) static_cast<KLX_TTS*>(user)->m_Busy = false;
  return 0;
}

// ---- Flags ----------------------------------------------------------------------------

bool KLX_TTS::is_TTS_initFailed() { return m_ttsInitFailed; }

bool KLX_TTS::is_TTS_Operable() {
  QReadLocker instance(&s_InstanceLock);
  const KLX_TTS* tts = m_pTTS;
  return tts && tts->m_Ready && !tts->m_Busy && tts->m_Running && tts->m_VoicesScanned;
}

bool KLX_TTS::is_TTS_Voiceable() {
  QReadLocker instance(&s_InstanceLock);
  const KLX_TTS* tts = m_pTTS;
  if (!tts) return false;
  QReadLocker records(&tts->m_RecordsLock);
  return tts->HasRecords() && tts->m_VoiceCount >= 1 && tts->m_DefaultVoice >= 0;
}

bool KLX_TTS::is_TTS_Ready() {
  QReadLocker instance(&s_InstanceLock);
  const KLX_TTS* tts = m_pTTS;
  return tts && tts->m_Ready && tts->m_Running;
}

int KLX_TTS::GetStatus() {
  QReadLocker instance(&s_InstanceLock);
  const KLX_TTS* tts = m_pTTS;
  return tts ? int(tts->m_Status) : 0;
}

void KLX_TTS::BeginVoicesUpdate() {
  QReadLocker instance(&s_InstanceLock);
  KLX_TTS* tts = m_pTTS;
  if (!tts || !tts->m_Ready) return;
  QMutexLocker request(&tts->m_RequestMutex);
  tts->m_SavedReady = tts->m_Ready;
  tts->m_Ready = false;
}

void KLX_TTS::EndVoicesUpdate() {
  QReadLocker instance(&s_InstanceLock);
  KLX_TTS* tts = m_pTTS;
  if (!tts) return;
  QMutexLocker request(&tts->m_RequestMutex);
  if (!tts->m_SavedReady) return;
  tts->m_VoicesScanned = false;
  tts->FreeVoices();
  tts->m_CurrentVoice = -1;
  tts->m_Ready = tts->m_SavedReady;
  tts->m_SavedReady = false;
  tts->m_Poke = true;
  tts->m_Wake.wakeAll();
}

// ---- Voice queries --------------------------------------------------------------------

QString KLX_TTS::Field(int index, size_t offset) const {
  QReadLocker records(&m_RecordsLock);
  if (index < 0 || index >= int(m_Records.size())) return QString();
  return QString::fromUtf8(RecordText(m_Records[size_t(index)], offset));
}

int KLX_TTS::FindLanguage(const Language& language, int start) const {
  QReadLocker records(&m_RecordsLock);
  const int count = int(m_Records.size());
  if (start < 0 || start >= count) return -1;
  for (int i = start; i < count; ++i) {
    const QByteArray field = RecordText(m_Records[size_t(i)], NscVoiceRecord::kLanguage);
    if (field.contains(language.words[0]) || field.contains(language.words[1])) return i;
  }
  return -1;
}

int KLX_TTS::GetVoicesCount() {
  QReadLocker instance(&s_InstanceLock);
  const KLX_TTS* tts = m_pTTS;
  return tts ? int(tts->m_VoiceCount) : -1;
}

int KLX_TTS::GetVoiceIndex(const QString& code, int start) {
  const Language* language = LanguageOf(code);
  if (!language) return -2;
  QReadLocker instance(&s_InstanceLock);
  const KLX_TTS* tts = m_pTTS;
  return tts ? tts->FindLanguage(*language, start) : -1;
}

int KLX_TTS::GetVoiceIndex(const QString& language, const QString& displayName) {
  QReadLocker instance(&s_InstanceLock);
  const KLX_TTS* tts = m_pTTS;
  if (!tts) return -1;
  QReadLocker records(&tts->m_RecordsLock);
  for (size_t i = 0; i < tts->m_Records.size(); ++i) {
    const NscVoiceRecord& r = tts->m_Records[i];
    if (QString::fromUtf8(RecordText(r, NscVoiceRecord::kLanguage)) == language &&
        QString::fromUtf8(RecordText(r, NscVoiceRecord::kDisplayName)) == displayName)
      return int(i);
  }
  return -1;
}

int KLX_TTS::GetFirstDialectVoiceIndex(const QString& language) {
  QReadLocker instance(&s_InstanceLock);
  const KLX_TTS* tts = m_pTTS;
  if (!tts) return -1;
  QReadLocker records(&tts->m_RecordsLock);
  for (size_t i = 0; i < tts->m_Records.size(); ++i)
    if (QString::fromUtf8(RecordText(tts->m_Records[i], NscVoiceRecord::kLanguage)) == language) return int(i);
  return -1;
}

int KLX_TTS::GetDefVoiceIndex(const QString& code) {
  const int first = GetVoiceIndex(code, 0);
  if (code != QLatin1String("es") || first < 0 || GetVoiceDisplayName(first) != QLatin1String("Laia")) return first;
  const int next = GetVoiceIndex(code, first + 1);
  return next >= 0 ? next : first;
}

QString KLX_TTS::GetVoiceDisplayName(int index) {
  QReadLocker instance(&s_InstanceLock);
  const KLX_TTS* tts = m_pTTS;
  return tts ? tts->Field(index, NscVoiceRecord::kDisplayName) : QString();
}

QString KLX_TTS::GetVoiceLanguage(int index) {
  QReadLocker instance(&s_InstanceLock);
  const KLX_TTS* tts = m_pTTS;
  return tts ? tts->Field(index, NscVoiceRecord::kLanguage) : QString();
}

QString KLX_TTS::GetVoiceDialect(int index) { return GetVoiceLanguage(index); }

QString KLX_TTS::GetVoiceFilePath(int index) {
  QReadLocker instance(&s_InstanceLock);
  const KLX_TTS* tts = m_pTTS;
  return tts ? tts->Field(index, NscVoiceRecord::kVoiceName) : QString();
}
