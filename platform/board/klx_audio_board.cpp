// Board build: the devices come from the board's own ALSA configuration.
#include "platform/klx_alsaconfig.h"
#include "platform/klx_audio.h"

namespace KLX_Platform {

std::shared_ptr<snd_config_t> AlsaConfiguration() { return nullptr; }
bool AlsaDevicesPace() { return true; }
QStringList PlayerEnvironment() { return {}; }
QString SoundCaptureFolder() { return QString(); }
void NoteSpokenText(const QString&) {}

}  // namespace KLX_Platform
