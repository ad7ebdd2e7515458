// The sound devices through alsa-lib, the same on both builds; only the
// configuration they are opened with differs (klx_alsaconfig.h).
#include "platform/klx_alsaconfig.h"
#include "platform/klx_audio.h"

#include <QDebug>

#include <algorithm>
#include <cstdint>

namespace {

class AlsaPcm final : public KLX_PcmDevice {
 public:
  ~AlsaPcm() override { Close(); }

  bool Configure(const QString& name, Params* p) override {
    Close();
    m_Config = KLX_Platform::AlsaConfiguration();
    m_Paces = KLX_Platform::AlsaDevicesPace();
    const QByteArray device = name.toLocal8Bit();
    int err = m_Config ? snd_pcm_open_lconf(&m_Pcm, device.constData(), SND_PCM_STREAM_PLAYBACK, 0, m_Config.get())
                       : snd_pcm_open(&m_Pcm, device.constData(), SND_PCM_STREAM_PLAYBACK, 0);
    if (err < 0) {
      m_Pcm = nullptr;
      qWarning("\n  Buzzer:  playback open error: %s", snd_strerror(err));
      return Fail();
    }
    if (!SetHardware(p) || !SetSoftware(*p)) return Fail();
    m_Name = name;
    m_Params = *p;
    m_CapturedFrames = 0;
    m_SilentFrames = 0;
    return true;
  }

  bool IsOpen() const override { return m_Pcm; }

  State GetState() override {
    if (!m_Pcm) return Disconnected;
    switch (snd_pcm_state(m_Pcm)) {
      case SND_PCM_STATE_OPEN: return Open;
      case SND_PCM_STATE_SETUP: return Setup;
      case SND_PCM_STATE_PREPARED: return Prepared;
      case SND_PCM_STATE_RUNNING: return Running;
      case SND_PCM_STATE_XRUN: return Xrun;
      case SND_PCM_STATE_DRAINING: return Draining;
      case SND_PCM_STATE_PAUSED: return Paused;
      case SND_PCM_STATE_SUSPENDED: return Suspended;
      default: return Disconnected;
    }
  }

  long Avail() override { return m_Pcm ? snd_pcm_avail_update(m_Pcm) : -EBADFD; }
  long WriteInterleaved(const void* data, long frames) override {
    if (!m_Pcm) return -EBADFD;
    if (!m_Paces) return WriteCapture(static_cast<const int16_t*>(data), frames);
    return snd_pcm_writei(m_Pcm, data, static_cast<snd_pcm_uframes_t>(frames));
  }
  int Start() override { return m_Pcm ? snd_pcm_start(m_Pcm) : -EBADFD; }
  int Prepare() override { return m_Pcm ? snd_pcm_prepare(m_Pcm) : -EBADFD; }
  int Resume() override { return m_Pcm ? snd_pcm_resume(m_Pcm) : -EBADFD; }
  int Recover(int err) override { return m_Pcm ? snd_pcm_recover(m_Pcm, err, 1) : -EBADFD; }
  const char* ErrorText(int err) const override { return snd_strerror(err); }
  int Wait(int timeoutMs) override { return m_Pcm ? snd_pcm_wait(m_Pcm, timeoutMs) : -EBADFD; }
  bool Paces() const override { return m_Paces; }

 private:
  bool SetHardware(Params* p) {
    snd_pcm_hw_params_t* hw;
    snd_pcm_hw_params_alloca(&hw);
    int err = snd_pcm_hw_params_any(m_Pcm, hw);
    if (err < 0) {
      qWarning("Broken configuration for playback: no configurations available: %s", snd_strerror(err));
      return false;
    }
    if ((err = snd_pcm_hw_params_set_access(m_Pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED)) < 0) {
      qWarning("Access type not available for playback: %s", snd_strerror(err));
      return false;
    }
    if ((err = snd_pcm_hw_params_set_format(m_Pcm, hw, SND_PCM_FORMAT_S16_LE)) < 0) {
      qWarning("Sample format not available for playback: %s", snd_strerror(err));
      return false;
    }
    if ((err = snd_pcm_hw_params_set_channels(m_Pcm, hw, p->channels)) < 0) {
      qWarning("Channels count (%u) not available for playbacks: %s", p->channels, snd_strerror(err));
      return false;
    }
    unsigned rate = p->rate;
    if ((err = snd_pcm_hw_params_set_rate_near(m_Pcm, hw, &rate, nullptr)) < 0) {
      qWarning("Rate %uHz not available for playback: %s", p->rate, snd_strerror(err));
      return false;
    }
    if (rate != p->rate) {
      qWarning("Rate doesn't match (requested %uHz, get %iHz)", p->rate, int(rate));
      return false;
    }
    unsigned bufferTime = p->bufferTimeUs;
    int dir = 0;
    if ((err = snd_pcm_hw_params_set_buffer_time_near(m_Pcm, hw, &bufferTime, &dir)) < 0) {
      qWarning("Unable to set buffer time %u for playback: %s", p->bufferTimeUs, snd_strerror(err));
      return false;
    }
    snd_pcm_uframes_t size = 0;
    if ((err = snd_pcm_hw_params_get_buffer_size(hw, &size)) < 0) {
      qWarning("Unable to get buffer size for playback: %s", snd_strerror(err));
      return false;
    }
    p->bufferFrames = static_cast<long>(size);
    unsigned periodTime = p->periodTimeUs;
    if ((err = snd_pcm_hw_params_set_period_time_near(m_Pcm, hw, &periodTime, &dir)) < 0) {
      qWarning("Unable to set period time %u for playback: %s", p->periodTimeUs, snd_strerror(err));
      return false;
    }
    if ((err = snd_pcm_hw_params_get_period_size(hw, &size, &dir)) < 0) {
      qWarning("Unable to get period size for playback: %s", snd_strerror(err));
      return false;
    }
    p->periodFrames = static_cast<long>(size);
    if ((err = snd_pcm_hw_params(m_Pcm, hw)) < 0) {
      qWarning("---> Unable to set hw params for playback: %s", snd_strerror(err));
      return false;
    }
    return true;
  }

  bool SetSoftware(const Params& p) {
    snd_pcm_sw_params_t* sw;
    snd_pcm_sw_params_alloca(&sw);
    int err = snd_pcm_sw_params_current(m_Pcm, sw);
    if (err < 0) {
      qWarning("Unable to determine current swparams for playback: %s", snd_strerror(err));
      return false;
    }
    const snd_pcm_uframes_t start =
        static_cast<snd_pcm_uframes_t>((p.bufferFrames / p.periodFrames) * p.periodFrames);
    if ((err = snd_pcm_sw_params_set_start_threshold(m_Pcm, sw, start)) < 0) {
      qWarning("Unable to set start threshold mode for playback: %s", snd_strerror(err));
      return false;
    }
    if ((err = snd_pcm_sw_params_set_avail_min(m_Pcm, sw, static_cast<snd_pcm_uframes_t>(p.periodFrames))) < 0) {
      qWarning("Unable to set avail min for playback: %s", snd_strerror(err));
      return false;
    }
    if ((err = snd_pcm_sw_params(m_Pcm, sw)) < 0) {
      qWarning("Unable to set sw params for playback: %s", snd_strerror(err));
      return false;
    }
    return true;
  }

  // A device that does not pace is a capture file (the desktop without a
  // sound card), written as fast as its writer keeps time: the vario's runs
  // all the time. Past a second of silence, silence is not kept; a file that
  // holds kCaptureSecondsMax of sound starts over (the configuration
  // truncates it at each open), so a long run keeps only its last minutes.
  static constexpr long kCaptureSecondsMax = 120;
  long WriteCapture(const int16_t* data, long frames) {
    const long samples = frames * long(m_Params.channels);
    const bool silent = std::all_of(data, data + samples, [](int16_t v) { return v == 0; });
    m_SilentFrames = silent ? m_SilentFrames + frames : 0;
    if (silent && m_SilentFrames > long(m_Params.rate)) return frames;
    if (m_CapturedFrames + frames > kCaptureSecondsMax * long(m_Params.rate)) {
      Params again = m_Params;
      if (!Configure(m_Name, &again)) return -EBADFD;
      m_SilentFrames = silent ? frames : 0;
    }
    const long written = snd_pcm_writei(m_Pcm, data, static_cast<snd_pcm_uframes_t>(frames));
    if (written > 0) m_CapturedFrames += written;
    return written;
  }

  bool Fail() {
    Close();
    return false;
  }

  void Close() {
    if (m_Pcm) snd_pcm_close(m_Pcm);
    m_Pcm = nullptr;
    m_Config.reset();
  }

  snd_pcm_t* m_Pcm = nullptr;
  std::shared_ptr<snd_config_t> m_Config;
  bool m_Paces = true;
  QString m_Name;
  Params m_Params;
  long m_CapturedFrames = 0;
  long m_SilentFrames = 0;
};

class AlsaMixerElement final : public KLX_MixerElement {
 public:
  ~AlsaMixerElement() override { Close(); }

  bool Open(const QString& card, const QString& name, long* minimum, long* maximum) override {
    Close();
    if (snd_mixer_open(&m_Mixer, 0) < 0) {
      m_Mixer = nullptr;
      return false;
    }
    m_Config = KLX_Platform::AlsaConfiguration();
    const QByteArray cardName = card.toLocal8Bit();
    if (m_Config) {
      snd_ctl_t* ctl = nullptr;
      snd_hctl_t* hctl = nullptr;
      if (snd_ctl_open_lconf(&ctl, cardName.constData(), 0, m_Config.get()) >= 0) {
        if (snd_hctl_open_ctl(&hctl, ctl) < 0)
          snd_ctl_close(ctl);
        else if (snd_mixer_attach_hctl(m_Mixer, hctl) < 0)
          snd_hctl_close(hctl);
      }
    } else {
      snd_mixer_attach(m_Mixer, cardName.constData());
    }
    snd_mixer_selem_register(m_Mixer, nullptr, nullptr);
    snd_mixer_load(m_Mixer);
    snd_mixer_selem_id_t* sid;
    snd_mixer_selem_id_alloca(&sid);
    snd_mixer_selem_id_set_index(sid, 0);
    const QByteArray elementName = name.toLocal8Bit();
    snd_mixer_selem_id_set_name(sid, elementName.constData());
    m_Element = snd_mixer_find_selem(m_Mixer, sid);
    if (!m_Element) {
      Close();
      return false;
    }
    snd_mixer_selem_get_playback_volume_range(m_Element, minimum, maximum);
    return true;
  }

  void Close() override {
    if (m_Mixer) snd_mixer_close(m_Mixer);
    m_Mixer = nullptr;
    m_Element = nullptr;
    m_Config.reset();
  }

  bool SetPlaybackVolumeAll(long raw) override {
    return m_Element && snd_mixer_selem_set_playback_volume_all(m_Element, raw) >= 0;
  }

 private:
  snd_mixer_t* m_Mixer = nullptr;
  snd_mixer_elem_t* m_Element = nullptr;
  std::shared_ptr<snd_config_t> m_Config;
};

}  // namespace

namespace KLX_Platform {

std::unique_ptr<KLX_PcmDevice> NewPcmDevice() { return std::make_unique<AlsaPcm>(); }
std::unique_ptr<KLX_MixerElement> NewMixerElement() { return std::make_unique<AlsaMixerElement>(); }

}  // namespace KLX_Platform
