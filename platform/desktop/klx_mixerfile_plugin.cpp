// An ALSA control plugin for a desktop without a sound card: it offers the
// board's mixer elements as plain integer controls whose values live in a
// text file, one "name value" line each, so that the volumes the program sets
// can be read there (and with amixer through the same configuration).
//
//   ctl.name { type vornfile file "/path/mixer" elements [ "A" "B" ] max 255 }
//
// The desktop's generated configuration loads it with `ctl_type.vornfile`.
#include <alsa/asoundlib.h>
#include <alsa/control_external.h>

#include <fcntl.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

struct MixerFile {
  snd_ctl_ext_t ext{};
  std::string path;
  std::vector<std::string> names;
  long maximum = 255;
};

// Every handle of the process reads and rewrites the one file under this
// lock, so two handles never write back each other's stale values.
std::mutex g_FileLock;

std::map<std::string, long> ReadValues(const std::string& path) {
  std::map<std::string, long> values;
  FILE* f = std::fopen(path.c_str(), "r");
  if (!f) return values;
  char name[64];
  long value = 0;
  while (std::fscanf(f, "%63s %ld", name, &value) == 2) values[name] = value;
  std::fclose(f);
  return values;
}

// Through a temporary file, synced and renamed: a reader never sees half.
int WriteValues(const MixerFile& m, const std::map<std::string, long>& values) {
  const std::string temp = m.path + ".new";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return -errno;
  std::string text;
  for (const std::string& name : m.names) {
    auto it = values.find(name);
    text += name + " " + std::to_string(it == values.end() ? m.maximum : it->second) + "\n";
  }
  const ssize_t n = ::write(fd, text.data(), text.size());
  const bool ok = n == static_cast<ssize_t>(text.size()) && ::fsync(fd) == 0;
  ::close(fd);
  if (!ok || ::rename(temp.c_str(), m.path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return -EIO;
  }
  return 0;
}

MixerFile* Of(snd_ctl_ext_t* ext) { return static_cast<MixerFile*>(ext->private_data); }

void Close(snd_ctl_ext_t* ext) {
  MixerFile* m = Of(ext);
  if (ext->poll_fd >= 0) ::close(ext->poll_fd);
  delete m;
}

int ElemCount(snd_ctl_ext_t* ext) { return static_cast<int>(Of(ext)->names.size()); }

int ElemList(snd_ctl_ext_t* ext, unsigned int offset, snd_ctl_elem_id_t* id) {
  MixerFile* m = Of(ext);
  if (offset >= m->names.size()) return -EINVAL;
  snd_ctl_elem_id_set_interface(id, SND_CTL_ELEM_IFACE_MIXER);
  snd_ctl_elem_id_set_name(id, m->names[offset].c_str());
  return 0;
}

snd_ctl_ext_key_t FindElem(snd_ctl_ext_t* ext, const snd_ctl_elem_id_t* id) {
  MixerFile* m = Of(ext);
  const unsigned numid = snd_ctl_elem_id_get_numid(id);
  if (numid > 0 && numid <= m->names.size()) return numid - 1;
  const char* name = snd_ctl_elem_id_get_name(id);
  for (size_t i = 0; i < m->names.size(); ++i)
    if (m->names[i] == name) return i;
  return SND_CTL_EXT_KEY_NOT_FOUND;
}

int GetAttribute(snd_ctl_ext_t*, snd_ctl_ext_key_t, int* type, unsigned int* acc, unsigned int* count) {
  *type = SND_CTL_ELEM_TYPE_INTEGER;
  *acc = SND_CTL_EXT_ACCESS_READWRITE;
  *count = 1;
  return 0;
}

int GetIntegerInfo(snd_ctl_ext_t* ext, snd_ctl_ext_key_t, long* imin, long* imax, long* istep) {
  *imin = 0;
  *imax = Of(ext)->maximum;
  *istep = 1;
  return 0;
}

int ReadInteger(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, long* value) {
  MixerFile* m = Of(ext);
  if (key >= m->names.size()) return -EINVAL;
  std::lock_guard<std::mutex> lock(g_FileLock);
  const auto values = ReadValues(m->path);
  auto it = values.find(m->names[key]);
  *value = it == values.end() ? m->maximum : it->second;
  return 0;
}

// Answers 1 when the value changed, as ALSA expects.
int WriteInteger(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, long* value) {
  MixerFile* m = Of(ext);
  if (key >= m->names.size() || *value < 0 || *value > m->maximum) return -EINVAL;
  std::lock_guard<std::mutex> lock(g_FileLock);
  auto values = ReadValues(m->path);
  auto it = values.find(m->names[key]);
  if (it != values.end() && it->second == *value) return 0;
  values[m->names[key]] = *value;
  const int err = WriteValues(*m, values);
  return err < 0 ? err : 1;
}

void SubscribeEvents(snd_ctl_ext_t*, int) {}

// Nobody else changes the values behind the program's back: no events.
int ReadEvent(snd_ctl_ext_t*, snd_ctl_elem_id_t*, unsigned int*) { return -EAGAIN; }

const snd_ctl_ext_callback_t kCallbacks = [] {
  snd_ctl_ext_callback_t c{};
  c.close = Close;
  c.elem_count = ElemCount;
  c.elem_list = ElemList;
  c.find_elem = FindElem;
  c.get_attribute = GetAttribute;
  c.get_integer_info = GetIntegerInfo;
  c.read_integer = ReadInteger;
  c.write_integer = WriteInteger;
  c.subscribe_events = SubscribeEvents;
  c.read_event = ReadEvent;
  return c;
}();

}  // namespace

extern "C" {

SND_CTL_PLUGIN_DEFINE_FUNC(vornfile) {
  (void)root;
  auto* m = new MixerFile;
  snd_config_iterator_t i, next;
  snd_config_for_each(i, next, conf) {
    snd_config_t* n = snd_config_iterator_entry(i);
    const char* id = nullptr;
    if (snd_config_get_id(n, &id) < 0) continue;
    const std::string key = id;
    if (key == "comment" || key == "type" || key == "hint") continue;
    if (key == "file") {
      const char* s = nullptr;
      if (snd_config_get_string(n, &s) < 0) goto bad;
      m->path = s;
    } else if (key == "max") {
      long v = 0;
      if (snd_config_get_integer(n, &v) < 0 || v <= 0) goto bad;
      m->maximum = v;
    } else if (key == "elements") {
      snd_config_iterator_t j, jnext;
      snd_config_for_each(j, jnext, n) {
        const char* s = nullptr;
        if (snd_config_get_string(snd_config_iterator_entry(j), &s) < 0) goto bad;
        m->names.push_back(s);
      }
    } else {
      SNDERR("Unknown field %s", id);
      goto bad;
    }
  }
  if (m->path.empty() || m->names.empty()) {
    SNDERR("vornfile: file and elements are required");
    goto bad;
  }
  {
    // Every element is listed from the start, at its maximum.
    std::lock_guard<std::mutex> lock(g_FileLock);
    if (::access(m->path.c_str(), F_OK) != 0) WriteValues(*m, {});
  }
  m->ext.version = SND_CTL_EXT_VERSION;
  m->ext.card_idx = 0;
  std::strncpy(m->ext.id, "vornfile", sizeof m->ext.id - 1);
  std::strncpy(m->ext.driver, "vornfile", sizeof m->ext.driver - 1);
  std::strncpy(m->ext.name, "Vorn mixer file", sizeof m->ext.name - 1);
  std::strncpy(m->ext.longname, "Mixer elements kept in a file", sizeof m->ext.longname - 1);
  std::strncpy(m->ext.mixername, "vornfile", sizeof m->ext.mixername - 1);
  // Never readable: there are no events to wait for.
  m->ext.poll_fd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  m->ext.callback = &kCallbacks;
  m->ext.private_data = m;
  {
    const int err = snd_ctl_ext_create(&m->ext, name, mode);
    if (err < 0) {
      if (m->ext.poll_fd >= 0) ::close(m->ext.poll_fd);
      delete m;
      return err;
    }
  }
  *handlep = m->ext.handle;
  return 0;
bad:
  delete m;
  return -EINVAL;
}

SND_CTL_PLUGIN_SYMBOL(vornfile)

}  // extern "C"
