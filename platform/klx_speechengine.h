#pragma once
// The speech engine as the speech thread calls it: C functions named nsc*,
// every one answering 0 for success unless said otherwise. On the board they
// come from the engine's own libraries; the desktop build links a stand-in of
// ours that speaks through libespeak-ng. Tests hand the speech thread a table
// of their own functions (a scripted engine) instead.
#include <cstddef>
#include <cstdint>

extern "C" {

typedef void* NscHandle;

// What the server tells of itself; word 3 is the number of installed voices.
struct NscServerInfo {
  uint32_t words[16];
};

// One voice as the engine describes it: 1560 bytes, of which the program
// reads four zero-terminated texts at fixed offsets.
struct NscVoiceRecord {
  enum : size_t {
    kSpeakerName = 24,
    kDisplayName = 279,
    kVoiceName = 534,  // the name a channel is opened with
    kLanguage = 1299,  // the language or dialect description
    kTextMax = 255,    // room of each text, its terminating zero included
    kSize = 1560
  };
  char bytes[kSize];
};

// Speech comes back through these, on the engine's own thread.
typedef int (*NscSpeechDataCallback)(const void* samples, uint32_t byteCount, void* soundData, void* user);
typedef int (*NscSpeechEventCallback)(int event, int value, void* eventData, void* user);
enum { NscEventSpeechEnd = 1 };

struct NscCallbacks {
  NscSpeechDataCallback data;
  NscSpeechEventCallback event;
  int options[4];  // 1, 1, 0, 0
  void* user;
};

int nscCreateDispatcher(NscHandle* dispatcher);
int nscCreateServerContext(int mode, int port, const char* host, NscHandle* context);
int nscSetVoicesPaths(NscHandle context, const char* folder);
int nscGetServerInfo(NscHandle context, NscServerInfo* info);
int nscFindFirstVoice(NscHandle context, const char* language, int a, int b, int c, NscVoiceRecord* record,
                      NscHandle* search);
int nscFindNextVoice(NscHandle search, NscVoiceRecord* record);
int nscCloseFindVoice(NscHandle search);
// An unknown voice answers 1 and opens nothing.
int nscInitChannel(NscHandle context, const char* voiceName, int a, int b, NscHandle dispatcher, NscHandle* channel,
                   const char* options);
int nscLockChannel(NscHandle context, NscHandle channel, NscHandle dispatcher, NscHandle* lock);
// 0 or 10 for success.
int nscStartChannel(NscHandle lock, NscCallbacks* callbacks);
int nscAddTextEx(NscHandle lock, const char* encoding, const char* text, size_t bytes, void* options);
int nscUnlockChannel(NscHandle lock);
int nscCloseChannel(NscHandle context, NscHandle channel);
int nscReleaseServerContext(NscHandle context);

}  // extern "C"

// The engine calls the speech thread makes, as one table.
struct KLX_SpeechEngine {
  decltype(&nscCreateDispatcher) createDispatcher;
  decltype(&nscCreateServerContext) createServerContext;
  decltype(&nscSetVoicesPaths) setVoicesPaths;
  decltype(&nscGetServerInfo) getServerInfo;
  decltype(&nscFindFirstVoice) findFirstVoice;
  decltype(&nscFindNextVoice) findNextVoice;
  decltype(&nscCloseFindVoice) closeFindVoice;
  decltype(&nscInitChannel) initChannel;
  decltype(&nscLockChannel) lockChannel;
  decltype(&nscStartChannel) startChannel;
  decltype(&nscAddTextEx) addTextEx;
  decltype(&nscUnlockChannel) unlockChannel;
  decltype(&nscCloseChannel) closeChannel;
  decltype(&nscReleaseServerContext) releaseServerContext;
};

namespace KLX_Platform {
// The engine this build links.
const KLX_SpeechEngine& SpeechEngine();
}  // namespace KLX_Platform
