#pragma once
// The sound devices: ALSA PCM playback streams and simple-mixer elements. The
// board opens its own ALSA configuration; the desktop build writes one under
// the root that defines the same names ("ch1".."ch3", "vario", the mixer
// elements of the card "default"): on the desktop's sound card when it has
// one, otherwise as capture files under "<root>/run/sound" and a mixer whose
// values live in "<root>/run/sound/mixer". Tests put recording fakes behind
// the same two interfaces.
#include <QString>
#include <QStringList>

#include <memory>

// One PCM playback stream, interleaved, in blocking mode. The operations
// answer what ALSA answers: frame counts, 0, or a negative errno value.
class KLX_PcmDevice {
 public:
  enum State { Open, Setup, Prepared, Running, Xrun, Draining, Paused, Suspended, Disconnected };

  // What Configure asks for and what the device granted.
  struct Params {
    unsigned rate = 48000;
    unsigned channels = 2;
    unsigned bufferTimeUs = 500000;
    unsigned periodTimeUs = 100000;
    long bufferFrames = 0;  // granted
    long periodFrames = 0;  // granted
  };

  virtual ~KLX_PcmDevice() = default;

  // Opens the device for playback and sets it up for S16_LE: hardware
  // parameters (rate granted exactly, buffer and period near the times
  // asked), then start threshold = whole periods of the buffer and room
  // reported per period. On failure the device is closed again, a warning
  // names the step, and the answer is false.
  virtual bool Configure(const QString& name, Params* params) = 0;
  virtual bool IsOpen() const = 0;
  virtual State GetState() = 0;
  // Frames the device can take now (may exceed the buffer after an underrun).
  virtual long Avail() = 0;
  virtual long WriteInterleaved(const void* data, long frames) = 0;
  virtual int Start() = 0;
  virtual int Prepare() = 0;
  virtual int Resume() = 0;
  // ALSA's own recovery of an underrun, interruption or suspend.
  virtual int Recover(int err) = 0;
  virtual const char* ErrorText(int err) const = 0;
  // Waits until the device can take a period, at most timeoutMs. Answers 1
  // when it can, 0 on time-out, negative on error.
  virtual int Wait(int timeoutMs) = 0;
  // Ends a Wait in progress early (its writer is stopping); a device whose
  // waits are short anyway may leave it.
  virtual void Interrupt() {}
  // False for a device that takes every write at once (a capture file):
  // its writer has to keep time itself.
  virtual bool Paces() const = 0;
};

// One simple-mixer element's playback volume.
class KLX_MixerElement {
 public:
  virtual ~KLX_MixerElement() = default;
  // Opens a mixer on `card`, finds the element `name` with index 0 and reads
  // its raw playback range. False (and closed) when it is not there.
  virtual bool Open(const QString& card, const QString& name, long* minimum, long* maximum) = 0;
  virtual void Close() = 0;
  // Sets every playback channel; false when the mixer refused.
  virtual bool SetPlaybackVolumeAll(long raw) = 0;
};

namespace KLX_Platform {

// The devices of this build.
std::unique_ptr<KLX_PcmDevice> NewPcmDevice();
std::unique_ptr<KLX_MixerElement> NewMixerElement();

// Settings a player started through the shell needs in its environment to
// find the devices (none on the board).
QStringList PlayerEnvironment();

// Where the desktop's capture files lie ("<root>/run/sound"), empty when the
// devices play on a sound card (and on the board).
QString SoundCaptureFolder();

// What the speech engine was given to say, one line each, in "speech.txt"
// beside the capture files: raw samples alone do not tell a listener (or a
// test) which words they hold. Nothing where the sound plays.
void NoteSpokenText(const QString& text);

}  // namespace KLX_Platform
