#include "platform/klx_speechengine.h"

namespace KLX_Platform {

const KLX_SpeechEngine& SpeechEngine() {
  static const KLX_SpeechEngine engine = {
      nscCreateDispatcher, nscCreateServerContext, nscSetVoicesPaths, nscGetServerInfo,   nscFindFirstVoice,
      nscFindNextVoice,    nscCloseFindVoice,      nscInitChannel,    nscLockChannel,     nscStartChannel,
      nscAddTextEx,        nscUnlockChannel,       nscCloseChannel,   nscReleaseServerContext};
  return engine;
}

}  // namespace KLX_Platform
