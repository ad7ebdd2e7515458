#pragma once
// Inside the platform layer only: the ALSA configuration the sound devices
// are opened with, chosen by the build.
#include <alsa/asoundlib.h>

#include <memory>

namespace KLX_Platform {

// The configuration tree to open the devices with; null means ALSA's own
// (the board's). A device keeps the tree while it is open.
std::shared_ptr<snd_config_t> AlsaConfiguration();

// False when the devices are capture files that take every write at once.
bool AlsaDevicesPace();

}  // namespace KLX_Platform
