#include "vorn_speechfake.h"

#include <QElapsedTimer>

#include <cmath>
#include <cstring>
#include <thread>

#include "audio/klx_tts.h"

struct VornSpeechFake::Channel {
  Voice voice;
  NscCallbacks callbacks{};
  bool started = false;
  bool closed = false;
};

namespace {
struct Search {
  QList<VornSpeechFake::Voice> voices;
  int next = 1;
};

void Put(NscVoiceRecord* r, size_t offset, const QString& text) {
  const QByteArray b = text.toUtf8().left(int(NscVoiceRecord::kTextMax) - 1);
  std::memcpy(r->bytes + offset, b.constData(), size_t(b.size()));
}

void Fill(NscVoiceRecord* r, const VornSpeechFake::Voice& v) {
  std::memset(r->bytes, 0, sizeof(r->bytes));
  Put(r, NscVoiceRecord::kSpeakerName, v.display);
  Put(r, NscVoiceRecord::kDisplayName, v.display);
  Put(r, NscVoiceRecord::kVoiceName, v.name);
  Put(r, NscVoiceRecord::kLanguage, v.language);
}

VornSpeechFake& F() { return VornSpeechFake::Get(); }
int dispatcherToken = 0;
int contextToken = 0;

int CreateDispatcher(NscHandle* d) {
  if (const int r = F().Call("nscCreateDispatcher")) return r;
  *d = &dispatcherToken;
  return 0;
}
int CreateContext(int, int, const char*, NscHandle* c) {
  if (const int r = F().Call("nscCreateServerContext")) return r;
  *c = &contextToken;
  return 0;
}
int SetPaths(NscHandle, const char*) { return F().Call("nscSetVoicesPaths"); }
int ServerInfo(NscHandle, NscServerInfo* info) {
  if (const int r = F().Call("nscGetServerInfo")) return r;
  QMutexLocker lock(&F().mutex);
  std::memset(info, 0, sizeof(*info));
  info->words[3] = uint32_t(F().voices.size());
  return 0;
}
int FindFirst(NscHandle, const char*, int, int, int, NscVoiceRecord* r, NscHandle* search) {
  QMutexLocker lock(&F().mutex);
  if (F().voices.isEmpty() || F().failFindAt == 0) return 1;
  Fill(r, F().voices.first());
  *search = new Search{F().voices, 1};
  return 0;
}
int FindNext(NscHandle search, NscVoiceRecord* r) {
  Search* s = static_cast<Search*>(search);
  QMutexLocker lock(&F().mutex);
  if (s->next >= s->voices.size() || s->next == F().failFindAt) return 1;
  Fill(r, s->voices.at(s->next++));
  return 0;
}
int CloseFind(NscHandle search) {
  delete static_cast<Search*>(search);
  return 0;
}
int InitChannel(NscHandle, const char* name, int, int, NscHandle, NscHandle* channel, const char*) {
  *channel = nullptr;
  if (const int r = F().Call("nscInitChannel")) return r;
  QMutexLocker lock(&F().mutex);
  for (const VornSpeechFake::Voice& v : F().voices)
    if (v.name == QString::fromUtf8(name)) {
      auto* c = new VornSpeechFake::Channel;
      c->voice = v;
      *channel = c;
      return 0;
    }
  return 1;
}
int LockChannel(NscHandle, NscHandle channel, NscHandle, NscHandle* lock) {
  if (const int r = F().Call("nscLockChannel")) return r;
  *lock = channel;
  return 0;
}
int StartChannel(NscHandle lock, NscCallbacks* callbacks) {
  const int r = F().Call("nscStartChannel");
  if (r != 0 && r != 10) return r;
  auto* c = static_cast<VornSpeechFake::Channel*>(lock);
  c->callbacks = *callbacks;
  c->started = true;
  return r;
}
int AddText(NscHandle lock, const char* encoding, const char* text, size_t bytes, void*) {
  auto* c = static_cast<VornSpeechFake::Channel*>(lock);
  if (!c || !c->started || std::strcmp(encoding, "UTF-8") != 0) return 3;
  const QByteArray t(text, int(bytes));
  {
    QMutexLocker l(&F().mutex);
    F().spoken.append(c->voice.name + '|' + QString::fromUtf8(t));
    F().changed.wakeAll();
  }
  if (const int r = F().Call("nscAddTextEx")) return r;
  VornSpeechFake::Job job{c, t};
  {
    QMutexLocker l(&F().mutex);
    if (F().hold) {
      F().held.append(job);
      F().changed.wakeAll();
      return 0;
    }
  }
  F().Deliver(job);
  return 0;
}
// No callback of a channel comes after it is closed.
void Quiet(VornSpeechFake::Channel* c) {
  QMutexLocker l(&F().mutex);
  c->closed = true;
  for (int i = F().held.size() - 1; i >= 0; --i)
    if (F().held[i].channel == c) F().held.removeAt(i);
  while (F().inFlight > 0) F().changed.wait(&F().mutex);
}
int UnlockChannel(NscHandle lock) {
  Quiet(static_cast<VornSpeechFake::Channel*>(lock));
  return F().Call("nscUnlockChannel");
}
int CloseChannel(NscHandle, NscHandle channel) {
  auto* c = static_cast<VornSpeechFake::Channel*>(channel);
  Quiet(c);
  delete c;
  return F().Call("nscCloseChannel");
}
int Release(NscHandle) { return F().Call("nscReleaseServerContext"); }
}  // namespace

VornSpeechFake& VornSpeechFake::Get() {
  static VornSpeechFake fake;
  return fake;
}

const KLX_SpeechEngine* VornSpeechFake::Engine() {
  static const KLX_SpeechEngine engine = {CreateDispatcher, CreateContext, SetPaths,    ServerInfo,  FindFirst,
                                          FindNext,         CloseFind,     InitChannel, LockChannel, StartChannel,
                                          AddText,          UnlockChannel, CloseChannel, Release};
  return &engine;
}

std::vector<int16_t> VornSpeechFake::Burst(const QByteArray& text) {
  const double hz = 200.0 + 10.0 * text.size();
  std::vector<int16_t> s(kBurstSamples);
  for (int i = 0; i < kBurstSamples; ++i) s[size_t(i)] = int16_t(std::lround(8000.0 * std::sin(2 * M_PI * hz * i / 22050)));
  return s;
}

void VornSpeechFake::Deliver(Job job) {
  {
    QMutexLocker l(&mutex);
    ++inFlight;
  }
  std::thread([this, job] {
    const std::vector<int16_t> burst = Burst(job.text);
    const NscCallbacks cb = job.channel->callbacks;
    cb.data(burst.data(), uint32_t(burst.size() * 2), nullptr, cb.user);
    cb.event(NscEventSpeechEnd, 0, nullptr, cb.user);
    QMutexLocker l(&mutex);
    ++ends;
    --inFlight;
    changed.wakeAll();
  }).detach();
}

void VornSpeechFake::Reset(const QList<Voice>& v) {
  KLX_TTS::AllowRestart();
  QMutexLocker l(&mutex);
  voices = v;
  failures.clear();
  failFindAt = -1;
  hold = false;
  spoken.clear();
  held.clear();
  ends = 0;
}

void VornSpeechFake::SetVoices(const QList<Voice>& v) {
  QMutexLocker l(&mutex);
  voices = v;
}

void VornSpeechFake::SetHold(bool h) {
  QMutexLocker l(&mutex);
  hold = h;
}

void VornSpeechFake::Fail(const QString& call, int result) {
  QMutexLocker l(&mutex);
  failures[call] = result;
}

void VornSpeechFake::FailFindAt(int index) {
  QMutexLocker l(&mutex);
  failFindAt = index;
}

int VornSpeechFake::Call(const char* name) const {
  QMutexLocker l(&const_cast<VornSpeechFake*>(this)->mutex);
  return failures.value(QString::fromLatin1(name), 0);
}

bool VornSpeechFake::FinishOne(int realMs) {
  QElapsedTimer t;
  t.start();
  Job job;
  {
    QMutexLocker l(&mutex);
    while (held.isEmpty()) {
      const qint64 left = realMs - t.elapsed();
      if (left <= 0) return false;
      changed.wait(&mutex, QDeadlineTimer(left));
    }
    job = held.takeFirst();
  }
  Deliver(job);
  return true;
}

bool VornSpeechFake::AwaitSpoken(int count, int realMs) {
  QElapsedTimer t;
  t.start();
  QMutexLocker l(&mutex);
  while (spoken.size() < count) {
    const qint64 left = realMs - t.elapsed();
    if (left <= 0) return false;
    changed.wait(&mutex, QDeadlineTimer(left));
  }
  return true;
}

QStringList VornSpeechFake::Spoken() const {
  QMutexLocker l(&const_cast<VornSpeechFake*>(this)->mutex);
  return spoken;
}

int VornSpeechFake::Ends() const {
  QMutexLocker l(&const_cast<VornSpeechFake*>(this)->mutex);
  return ends;
}
