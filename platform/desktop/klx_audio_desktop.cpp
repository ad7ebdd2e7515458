// Desktop build: the board's sound devices come from an ALSA configuration
// that the program writes under the root ("/etc/asound.conf" mapped) the
// first time a device is opened for that root. The program opens its devices
// with that file merged into ALSA's own configuration (it never sets or reads
// ALSA_CONFIG_PATH itself); the players it starts get both files in their
// ALSA_CONFIG_PATH.
//
// With a sound card, "ch1".."ch3" and "vario" play through the desktop's
// default output, and the mixer elements are soft volumes on that card. With
// none (or with VORN_SOUND_CAPTURE set), every device is a capture file of raw samples under
// "<root>/run/sound", and the mixer elements are kept by a small control
// plugin of ours in "<root>/run/sound/mixer".
#include "platform/klx_alsaconfig.h"
#include "platform/klx_audio.h"
#include "platform/klx_platform.h"

#include <QDir>
#include <QFile>
#include <QMutex>

#include <fcntl.h>
#include <unistd.h>

namespace {

const char* const kMixerElements[] = {"SpeakerCtl", "BtA2dpCtl", "ch1Ctl", "ch2Ctl", "ch3Ctl"};
// The players' devices and the vario PCM, with what each carries.
// The players' captures get a new numbered file per player; the vario's,
// written by the program all the time, starts over at each open.
struct Device {
  const char* name;
  const char* what;
  bool truncate;
};
const Device kDevices[] = {{"ch1", "mono 22050 Hz", false},
                           {"ch2", "mono 48000 Hz", false},
                           {"ch3", "mono 48000 Hz", false},
                           {"vario", "stereo 48000 Hz", true},
                           {"vorn_default", "as the file says", false}};

QString Quoted(const QString& text) {
  QString q = text;
  q.replace('\\', "\\\\").replace('"', "\\\"");
  return '"' + q + '"';
}

QString CaptureText(const QString& folder) {
  QString t;
  t += "# The transmitter's sound devices on this desktop, written by the program when\n"
       "# it first opens one. There is no sound card: each device is captured in files\n"
       "# of raw signed 16-bit little-endian samples, a new numbered file for each\n"
       "# start of a player (ch2.raw, ch2.raw.0001, ...); the vario keeps only its last\n"
       "# two minutes of sound and no long silence. Sound files played on the default\n"
       "# device are captured as vorn_default.raw. Listen with e.g.\n"
       "#   aplay -t raw -f S16_LE -r 48000 -c 1 " + folder + "/ch2.raw\n"
       "# The mixer elements keep their raw values (0..255) in " + folder + "/mixer.\n\n";
  t += "pcm.vorn_discard { type null }\n";
  for (const Device& d : kDevices)
    t += QStringLiteral("pcm.%1 { type file slave.pcm \"vorn_discard\" file %2 format \"raw\" truncate %4 }  # %3\n")
             .arg(d.name, Quoted(folder + '/' + d.name + ".raw"), d.what, d.truncate ? "true" : "false");
  t += "pcm.!default { type plug slave.pcm \"vorn_default\" }\n";
  t += QStringLiteral("\nctl_type.vornfile { lib %1 }\n").arg(Quoted(VORN_ALSA_MIXER_PLUGIN));
  t += QStringLiteral("ctl.!default { type vornfile file %1 max 255 elements [").arg(Quoted(folder + "/mixer"));
  for (const char* e : kMixerElements) t += ' ' + Quoted(e);
  t += " ] }\n";
  return t;
}

QString CardText(int card) {
  const QString c = QString::number(card);
  QString t;
  t += "# The transmitter's sound devices on this desktop, written by the program when\n"
       "# it first opens one: the players' devices and the vario tone play through the\n"
       "# desktop's default output; the mixer elements are soft volumes on card " + c + ".\n\n";
  t += "pcm.vorn_out { type plug slave.pcm \"default\" }\n";
  t += "pcm.vorn_speaker { type softvol slave.pcm \"vorn_out\" control { name \"SpeakerCtl\" card " + c + " } }\n";
  for (int ch = 1; ch <= 3; ++ch)
    t += QStringLiteral("pcm.ch%1 { type softvol slave.pcm \"vorn_speaker\" control { name \"ch%1Ctl\" card %2 } }\n")
             .arg(ch)
             .arg(c);
  t += "pcm.vario { type plug slave.pcm \"vorn_speaker\" }\n";
  t += "pcm.vorn_bluetooth { type softvol slave.pcm \"vorn_out\" control { name \"BtA2dpCtl\" card " + c + " } }\n";
  t += "ctl.!default { type hw card " + c + " }\n";
  return t;
}

// Through a temporary file, synced and renamed.
bool WriteFile(const QString& path, const QByteArray& bytes) {
  const QByteArray temp = QFile::encodeName(path + ".new");
  const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size() && ::fsync(fd) == 0;
  ::close(fd);
  if (!ok || ::rename(temp.constData(), QFile::encodeName(path).constData()) != 0) {
    ::unlink(temp.constData());
    return false;
  }
  return true;
}

struct Loaded {
  QString root;
  std::shared_ptr<snd_config_t> config;
  bool paces = false;
};

QMutex g_Mutex;
Loaded g_Loaded;

QString ConfigPath(const QString& root) { return root + "/etc/asound.conf"; }
QString CaptureFolder(const QString& root) { return root + "/run/sound"; }

// ALSA's own configuration with ours read over it.
std::shared_ptr<snd_config_t> Load(const QString& path) {
  snd_config_t* system = nullptr;
  if (snd_config_update_ref(&system) < 0) return nullptr;
  snd_config_t* merged = nullptr;
  const int copied = snd_config_copy(&merged, system);
  snd_config_unref(system);
  if (copied < 0) return nullptr;
  snd_input_t* in = nullptr;
  if (snd_input_stdio_open(&in, QFile::encodeName(path).constData(), "r") < 0) {
    snd_config_delete(merged);
    return nullptr;
  }
  const int err = snd_config_load(merged, in);
  snd_input_close(in);
  if (err < 0) {
    snd_config_delete(merged);
    return nullptr;
  }
  return std::shared_ptr<snd_config_t>(merged, [](snd_config_t* c) { snd_config_delete(c); });
}

// A soft volume's element appears on the card when its device is first
// opened; the mixer looks for them before any player has run.
void CreateSoftVolumes(snd_config_t* config) {
  for (const char* name : {"ch1", "ch2", "ch3", "vorn_bluetooth"}) {
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open_lconf(&pcm, name, SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK, config) >= 0) snd_pcm_close(pcm);
  }
}

// Under g_Mutex.
const Loaded& Current() {
  const QString root = KLX_Platform::Root();
  if (g_Loaded.config && g_Loaded.root == root) return g_Loaded;
  int card = -1;
  // VORN_SOUND_CAPTURE set: capture files even with a sound card. The tests
  // run so: a card's soft volumes are one set for every program on it,
  // while each root keeps a mixer file of its own.
  if (qEnvironmentVariableIsSet("VORN_SOUND_CAPTURE") || snd_card_next(&card) < 0) card = -1;
  const QString folder = CaptureFolder(root);
  QDir().mkpath(root + "/etc");
  QDir().mkpath(folder);
  if (card < 0) {
    // A run's captures start empty.
    QDir captures(folder);
    for (const QString& old :
         captures.entryList({"ch1.raw*", "ch2.raw*", "ch3.raw*", "vario.raw*", "vorn_default.raw*", "speech.txt"},
                            QDir::Files))
      captures.remove(old);
  }
  const QString path = ConfigPath(root);
  g_Loaded = Loaded();
  if (!WriteFile(path, (card < 0 ? CaptureText(folder) : CardText(card)).toUtf8())) return g_Loaded;
  g_Loaded.config = Load(path);
  g_Loaded.root = root;
  g_Loaded.paces = card >= 0;
  if (g_Loaded.config && card >= 0) CreateSoftVolumes(g_Loaded.config.get());
  return g_Loaded;
}

}  // namespace

namespace KLX_Platform {

std::shared_ptr<snd_config_t> AlsaConfiguration() {
  QMutexLocker lock(&g_Mutex);
  return Current().config;
}

bool AlsaDevicesPace() {
  QMutexLocker lock(&g_Mutex);
  return Current().paces;
}

QStringList PlayerEnvironment() {
  QMutexLocker lock(&g_Mutex);
  const Loaded& loaded = Current();
  if (!loaded.config) return {};
  return {QStringLiteral("ALSA_CONFIG_PATH=%1/alsa.conf:%2")
              .arg(QString::fromLocal8Bit(snd_config_topdir()), ConfigPath(loaded.root))};
}

QString SoundCaptureFolder() {
  QMutexLocker lock(&g_Mutex);
  const Loaded& loaded = Current();
  return loaded.config && !loaded.paces ? CaptureFolder(loaded.root) : QString();
}

void NoteSpokenText(const QString& text) {
  const QString folder = SoundCaptureFolder();
  if (folder.isEmpty()) return;
  QFile file(folder + "/speech.txt");
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  // One phrase a line, whatever line breaks it carried.
  QString line = text;
  line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
  file.write(line.toUtf8() + '\n');
}

}  // namespace KLX_Platform
