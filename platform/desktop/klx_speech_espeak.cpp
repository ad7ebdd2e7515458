// The speech engine's stand-in: a small shared library exporting the nsc*
// calls the speech thread makes, speaking through libespeak-ng.
//
// Installed voices: each sub-folder of the voices folder is one voice, named
// by its folder and described by the file "voice.conf" inside it, lines of
// key=value:
//   espeak=en+m3              the espeak-ng voice (required)
//   language=British English   the language or dialect description (required)
//   name=Oliver                the name shown (default: the folder's name)
//   speaker=oliver             the speaker (default: the name shown)
// A folder without a usable description is no voice. The folder is read
// again whenever the server is asked for its information, so voices added
// or removed by an update are found at the next scan.
//
// Texts are spoken one at a time on the dispatcher's own thread: the samples
// (signed 16-bit mono at 22050 Hz) reach the data callback in chunks, and
// every text ends with the end-of-speech event, also when it gave no sound
// or failed. A channel closed or unlocked drops its texts; no callback of
// that channel comes after the call returns.
#include "platform/klx_speechengine.h"

#include <espeak-ng/speak_lib.h>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#define NSC_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

enum Result { Ok = 0, NoSuchVoice = 1, BadHandle = 2, NotStarted = 3, BadArgument = 4, NoFolder = 5 };

struct Voice {
  std::string folder;
  std::string espeak;
  std::string language;
  std::string display;
  std::string speaker;
};

std::string Trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool ReadVoice(const std::string& folder, const std::string& name, Voice* voice) {
  std::ifstream in(folder + "/" + name + "/voice.conf");
  if (!in) return false;
  Voice v;
  v.folder = name;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = Trimmed(line.substr(0, eq));
    const std::string value = Trimmed(line.substr(eq + 1));
    if (key == "espeak") v.espeak = value;
    else if (key == "language") v.language = value;
    else if (key == "name") v.display = value;
    else if (key == "speaker") v.speaker = value;
  }
  if (v.espeak.empty() || v.language.empty()) return false;
  if (v.display.empty()) v.display = name;
  if (v.speaker.empty()) v.speaker = v.display;
  *voice = v;
  return true;
}

// The voices of a folder, in the order of their folder names.
std::vector<Voice> Scan(const std::string& folder) {
  std::vector<std::string> names;
  if (DIR* dir = ::opendir(folder.c_str())) {
    while (const dirent* e = ::readdir(dir)) {
      const std::string name = e->d_name;
      if (name == "." || name == "..") continue;
      struct stat st;
      if (::stat((folder + "/" + name).c_str(), &st) == 0 && S_ISDIR(st.st_mode)) names.push_back(name);
    }
    ::closedir(dir);
  }
  std::sort(names.begin(), names.end());
  std::vector<Voice> voices;
  for (const std::string& name : names) {
    Voice v;
    if (ReadVoice(folder, name, &v)) voices.push_back(v);
  }
  return voices;
}

void Put(NscVoiceRecord* record, size_t offset, const std::string& text) {
  std::strncpy(record->bytes + offset, text.c_str(), NscVoiceRecord::kTextMax - 1);
  record->bytes[offset + NscVoiceRecord::kTextMax - 1] = '\0';
}

void Fill(NscVoiceRecord* record, const Voice& v) {
  std::memset(record->bytes, 0, sizeof(record->bytes));
  Put(record, NscVoiceRecord::kSpeakerName, v.speaker);
  Put(record, NscVoiceRecord::kDisplayName, v.display);
  Put(record, NscVoiceRecord::kVoiceName, v.folder);
  Put(record, NscVoiceRecord::kLanguage, v.language);
}

struct Context {
  std::mutex mutex;
  std::string folder;
  std::vector<Voice> voices;
};

struct Search {
  std::vector<Voice> voices;
  size_t next = 0;
};

class Dispatcher;

struct Channel {
  Dispatcher* dispatcher = nullptr;
  Voice voice;
  bool locked = false;
  bool started = false;
  NscCallbacks callbacks{};
};

struct Lock {
  Channel* channel = nullptr;
};

struct Job {
  Channel* channel;
  std::string espeakVoice;
  std::string text;
  NscCallbacks callbacks;
};

// espeak-ng keeps one synthesiser per process.
std::mutex g_Espeak;
bool g_EspeakUp = false;
bool g_EspeakFailed = false;

struct Speaking {
  const Job* job;
  const std::atomic<bool>* cancel;
};

int SynthChunk(short* wav, int samples, espeak_EVENT* events) {
  const Speaking* s = events ? static_cast<const Speaking*>(events->user_data) : nullptr;
  if (!s) return 0;
  if (*s->cancel) return 1;
  if (wav && samples > 0 && s->job->callbacks.data)
    s->job->callbacks.data(wav, uint32_t(samples) * sizeof(short), nullptr, s->job->callbacks.user);
  return 0;
}

class Dispatcher {
 public:
  Dispatcher() : m_Worker([this] { Run(); }) {}
  // The program keeps its dispatcher for the whole run; the thread ends with
  // the process.
  ~Dispatcher() {
    {
      std::lock_guard<std::mutex> lock(m_Mutex);
      m_Quit = true;
    }
    m_Wake.notify_all();
    if (m_Worker.joinable()) m_Worker.join();
  }

  void Queue(Job job) {
    {
      std::lock_guard<std::mutex> lock(m_Mutex);
      m_Jobs.push_back(std::move(job));
    }
    m_Wake.notify_all();
  }

  // Drops the channel's texts and waits until none of them is being spoken.
  void Drop(const Channel* channel) {
    std::unique_lock<std::mutex> lock(m_Mutex);
    m_Jobs.erase(std::remove_if(m_Jobs.begin(), m_Jobs.end(), [&](const Job& j) { return j.channel == channel; }),
                 m_Jobs.end());
    if (m_Speaking == channel) m_Cancel = true;
    m_Wake.wait(lock, [&] { return m_Speaking != channel; });
  }

 private:
  void Run() {
    std::unique_lock<std::mutex> lock(m_Mutex);
    while (true) {
      m_Wake.wait(lock, [this] { return m_Quit || !m_Jobs.empty(); });
      if (m_Quit) return;
      Job job = std::move(m_Jobs.front());
      m_Jobs.pop_front();
      m_Speaking = job.channel;
      m_Cancel = false;
      lock.unlock();
      Speak(job);
      lock.lock();
      const bool cancelled = m_Cancel;
      if (!cancelled && job.callbacks.event) {
        // The end event while the channel still counts as speaking: its
        // closing waits for it.
        lock.unlock();
        job.callbacks.event(NscEventSpeechEnd, 0, nullptr, job.callbacks.user);
        lock.lock();
      }
      m_Speaking = nullptr;
      m_Cancel = false;
      m_Wake.notify_all();
    }
  }

  void Speak(const Job& job) {
    std::lock_guard<std::mutex> espeak(g_Espeak);
    if (!g_EspeakUp && !g_EspeakFailed) {
      // 50 ms chunks: the first sound is ready soon.
      const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 50, nullptr, espeakINITIALIZE_DONT_EXIT);
      g_EspeakUp = rate == 22050;
      g_EspeakFailed = !g_EspeakUp;
      if (g_EspeakFailed) std::fprintf(stderr, "speech stand-in: espeak-ng did not start (rate %d)\n", rate);
    }
    if (!g_EspeakUp || job.text.empty()) return;
    espeak_SetSynthCallback(SynthChunk);
    if (espeak_SetVoiceByName(job.espeakVoice.c_str()) != EE_OK) {
      std::fprintf(stderr, "speech stand-in: no espeak-ng voice \"%s\"\n", job.espeakVoice.c_str());
      return;
    }
    Speaking s{&job, &m_Cancel};
    espeak_Synth(job.text.c_str(), job.text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &s);
  }

  std::mutex m_Mutex;
  std::condition_variable m_Wake;
  std::deque<Job> m_Jobs;
  const Channel* m_Speaking = nullptr;
  // Set by a closing channel, read by the synthesis callback on the worker.
  std::atomic<bool> m_Cancel{false};
  bool m_Quit = false;
  std::thread m_Worker;
};

}  // namespace

NSC_EXPORT int nscCreateDispatcher(NscHandle* dispatcher) {
  if (!dispatcher) return BadArgument;
  *dispatcher = new Dispatcher;
  return Ok;
}

NSC_EXPORT int nscCreateServerContext(int, int, const char*, NscHandle* context) {
  if (!context) return BadArgument;
  *context = new Context;
  return Ok;
}

NSC_EXPORT int nscSetVoicesPaths(NscHandle context, const char* folder) {
  if (!context || !folder) return BadHandle;
  Context* c = static_cast<Context*>(context);
  std::lock_guard<std::mutex> lock(c->mutex);
  c->folder = folder;
  while (c->folder.size() > 1 && c->folder.back() == '/') c->folder.pop_back();
  return Ok;
}

NSC_EXPORT int nscGetServerInfo(NscHandle context, NscServerInfo* info) {
  if (!context || !info) return BadHandle;
  Context* c = static_cast<Context*>(context);
  std::lock_guard<std::mutex> lock(c->mutex);
  if (c->folder.empty()) return NoFolder;
  // A missing folder is a system without voices.
  c->voices = Scan(c->folder);
  std::memset(info, 0, sizeof(*info));
  info->words[0] = sizeof(*info);
  info->words[3] = uint32_t(c->voices.size());
  return Ok;
}

NSC_EXPORT int nscFindFirstVoice(NscHandle context, const char*, int, int, int, NscVoiceRecord* record,
                                 NscHandle* search) {
  if (!context || !record || !search) return BadHandle;
  Context* c = static_cast<Context*>(context);
  std::lock_guard<std::mutex> lock(c->mutex);
  if (c->voices.empty()) return NoSuchVoice;
  Search* s = new Search{c->voices, 1};
  Fill(record, s->voices[0]);
  *search = s;
  return Ok;
}

NSC_EXPORT int nscFindNextVoice(NscHandle search, NscVoiceRecord* record) {
  Search* s = static_cast<Search*>(search);
  if (!s || !record) return BadHandle;
  if (s->next >= s->voices.size()) return NoSuchVoice;
  Fill(record, s->voices[s->next++]);
  return Ok;
}

NSC_EXPORT int nscCloseFindVoice(NscHandle search) {
  delete static_cast<Search*>(search);
  return Ok;
}

NSC_EXPORT int nscInitChannel(NscHandle context, const char* voiceName, int, int, NscHandle dispatcher,
                              NscHandle* channel, const char*) {
  if (!channel) return BadArgument;
  *channel = nullptr;
  if (!context || !dispatcher || !voiceName) return BadHandle;
  Context* c = static_cast<Context*>(context);
  std::lock_guard<std::mutex> lock(c->mutex);
  // Read from its folder now: a voice removed since the scan is gone.
  Voice v;
  if (std::strchr(voiceName, '/') || !ReadVoice(c->folder, voiceName, &v)) return NoSuchVoice;
  Channel* ch = new Channel;
  ch->dispatcher = static_cast<Dispatcher*>(dispatcher);
  ch->voice = v;
  *channel = ch;
  return Ok;
}

NSC_EXPORT int nscLockChannel(NscHandle, NscHandle channel, NscHandle, NscHandle* lock) {
  if (!lock) return BadArgument;
  *lock = nullptr;
  Channel* ch = static_cast<Channel*>(channel);
  if (!ch || ch->locked) return BadHandle;
  ch->locked = true;
  *lock = new Lock{ch};
  return Ok;
}

NSC_EXPORT int nscStartChannel(NscHandle lock, NscCallbacks* callbacks) {
  Lock* l = static_cast<Lock*>(lock);
  if (!l || !callbacks) return BadHandle;
  l->channel->callbacks = *callbacks;
  l->channel->started = true;
  return Ok;
}

NSC_EXPORT int nscAddTextEx(NscHandle lock, const char* encoding, const char* text, size_t bytes, void*) {
  Lock* l = static_cast<Lock*>(lock);
  if (!l) return BadHandle;
  if (!l->channel->started) return NotStarted;
  if (!encoding || std::strcmp(encoding, "UTF-8") != 0 || (!text && bytes > 0)) return BadArgument;
  Channel* ch = l->channel;
  ch->dispatcher->Queue(Job{ch, ch->voice.espeak, std::string(text ? text : "", bytes), ch->callbacks});
  return Ok;
}

NSC_EXPORT int nscUnlockChannel(NscHandle lock) {
  Lock* l = static_cast<Lock*>(lock);
  if (!l) return BadHandle;
  l->channel->dispatcher->Drop(l->channel);
  l->channel->locked = false;
  l->channel->started = false;
  delete l;
  return Ok;
}

NSC_EXPORT int nscCloseChannel(NscHandle, NscHandle channel) {
  Channel* ch = static_cast<Channel*>(channel);
  if (!ch) return BadHandle;
  ch->dispatcher->Drop(ch);
  delete ch;
  return Ok;
}

NSC_EXPORT int nscReleaseServerContext(NscHandle context) {
  if (!context) return BadHandle;
  delete static_cast<Context*>(context);
  return Ok;
}
