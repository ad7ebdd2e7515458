#include "platform/desktop/klx_cardcount.h"

#include <QFile>
#include <QMutex>

#include <dirent.h>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace KLX_Platform {

namespace {
// Tests: every watch of a card folder fails while set.
std::atomic<bool> g_WatchesFail{false};

// The changes that alter what a folder holds or how large a file is. The
// kernel notes them as they happen, in the writer's own call, so a count
// that reads them before it answers is exact after every write done.
constexpr uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY | IN_ONLYDIR |
                              IN_EXCL_UNLINK;
// A file's own watch: a name it gets or loses anywhere (a hard link made or
// removed outside the card too) changes its link count, which the kernel
// tells the file's watches alone, never its folder's.
constexpr uint32_t kFileChanges = IN_ATTRIB;

struct Entry {
  qint64 held = 0;     // what it adds to the count; 0 for a file of several names
  int folder = 0;      // a folder's own key in the count, 0 for anything else
  bool named = false;  // a file of several names, counted through its inode
  int watch = 0;       // a file's own watch, 0 for anything else
  dev_t device = 0;    // the file it names
  ino_t inode = 0;
};

// A file of more than one name, counted once however many of its names lie
// on the card. A write through another name (in another folder, or outside
// the card) is noted there, not here, so it is looked at afresh at each
// question.
struct Named {
  qint64 held = 0;
  std::vector<std::pair<int, std::string>> names;  // its names on the card: folder and name
};

// A FAT folder holds a record of 32 bytes for each entry (and for "." and
// ".."), one more per 13 characters of a long name; it grows by whole
// clusters as they fill and never gives one back.
constexpr qint64 kRecordBytes = 32;
constexpr qint64 kOwnRecords = 2 * kRecordBytes;
constexpr int kLongNamePart = 13;
qint64 RecordBytes(const std::string& name) {
  const qint64 units = QString::fromUtf8(name.data(), int(name.size())).size();
  return kRecordBytes * (1 + (units + kLongNamePart - 1) / kLongNamePart);
}

struct Folder {
  std::string path;
  int parent = 0;  // 0: the card
  std::string name;
  dev_t device = 0;
  ino_t inode = 0;
  std::unordered_map<std::string, Entry> entries;
  qint64 records = kOwnRecords;  // of the entries it holds now
  qint64 held = 0;               // the most it took
};

class CardCount {
 public:
  qint64 Held(const QString& card, qint64 block);

 private:
  bool Count(const std::string& card, qint64 block);
  void Forget();
  void AddTree(const std::string& path, int parent, const std::string& name);
  int Watch(int fd);
  bool Look(int at, const char* name, struct stat* st, int* watch);
  void Follow(Entry& entry, int key, const std::string& name, int watch);
  void ChangedFile(int watch, bool gone);
  void Put(Entry& entry, int key, const std::string& name, const struct stat& st);
  void Take(Entry& entry, int key, const std::string& name);
  void LookAtNamed();
  void Refresh(int key, const std::string& name);
  void DropTree(int key, bool keepWatch);
  bool ReadChanges();
  // The count follows the card by its notes alone.
  bool Following() const { return m_Watched && !m_Afresh; }
  // The folder `key` takes the clusters its records fill, at least as many
  // as it ever took; its entry in the folder above counts them.
  void Grow(int key);
  Entry& Add(Folder* folder, const std::string& name) {
    if (folder->entries.count(name) == 0) folder->records += RecordBytes(name);
    return folder->entries[name];
  }
  qint64 HeldBy(const struct stat& st) const {
    if (!S_ISREG(st.st_mode)) return m_Block;
    return (qMax<qint64>(st.st_size, 0) + m_Block - 1) / m_Block * m_Block;
  }

  QMutex m_Mutex;
  int m_Notes = -1;        // the file system's notes of changes
  bool m_Watched = false;  // every folder counted is watched
  bool m_Counted = false;  // the card has been walked
  bool m_Afresh = false;   // a note showed what only a walk counts
  int m_NextKey = -1;      // an unwatched folder's key
  std::string m_Card;
  qint64 m_Block = 1;
  dev_t m_Device = 0;
  ino_t m_Inode = 0;
  qint64 m_Held = 0;
  std::unordered_map<int, Folder> m_Folders;        // by watch
  // The names on the card (folder and name) of each file, by its own watch.
  std::unordered_map<int, std::vector<std::pair<int, std::string>>> m_Files;
  std::map<std::pair<dev_t, ino_t>, Named> m_Named;  // files of several names
};

qint64 CardCount::Held(const QString& card, qint64 block) {
  QMutexLocker lock(&m_Mutex);
  const std::string path = QFile::encodeName(card).toStdString();
  struct stat top {};
  if (::lstat(path.c_str(), &top) != 0 || !S_ISDIR(top.st_mode)) {
    Forget();
    return 0;
  }
  const bool same = m_Watched && path == m_Card && block == m_Block && top.st_dev == m_Device && top.st_ino == m_Inode;
  if (same && ReadChanges()) {
    LookAtNamed();
    return m_Held;
  }
  // A new card, one whose notes were lost (more changes than the kernel
  // keeps), or one whose changes could not be followed (a folder could not
  // be watched, the user's watches ran out): counted afresh and followed
  // again. Where it still cannot be followed, that count is the answer and
  // the next question tries again.
  if (Count(path, block)) return m_Held;
  const qint64 held = m_Held;
  Forget();
  return held;
}

// Walks `card`, each folder watched before it is read; false when a folder
// could not be watched (the count is exact all the same, but cannot follow
// the card).
bool CardCount::Count(const std::string& card, qint64 block) {
  Forget();
  if (m_Notes < 0) m_Notes = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  // Notes of folders watched before are of no count now.
  char stale[4096];
  while (m_Notes >= 0 && (::read(m_Notes, stale, sizeof stale) > 0 || errno == EINTR)) {
  }
  m_Card = card;
  m_Block = qMax<qint64>(block, 1);
  m_Watched = m_Notes >= 0;
  AddTree(card, 0, std::string());
  m_Counted = true;
  return m_Watched;
}

// Forgets the count and lets go of every watch.
void CardCount::Forget() {
  if (m_Notes >= 0) {
    for (const auto& folder : m_Folders)
      if (folder.first > 0) ::inotify_rm_watch(m_Notes, folder.first);
    for (const auto& file : m_Files) ::inotify_rm_watch(m_Notes, file.first);
  }
  m_Files.clear();
  m_Folders.clear();
  m_Named.clear();
  m_Held = 0;
  m_Watched = false;
  m_Counted = false;
  m_Afresh = false;
  m_NextKey = -1;
  m_Card.clear();
}

// A key for the folder open at `fd`: its watch (the very folder opened,
// not what its path names by now), or, once a folder could not be watched,
// a number of its own below 0.
int CardCount::Watch(int fd) {
  if (m_Watched) {
    const std::string opened = "/proc/self/fd/" + std::to_string(fd);
    const int key = g_WatchesFail.load() ? -1 : ::inotify_add_watch(m_Notes, opened.c_str(), kChanges);
    if (key > 0) return key;
    m_Watched = false;
  }
  return m_NextKey--;
}

// Looks at the entry `name` of the folder open at `at` (AT_FDCWD: a path)
// as it is now; a file is watched first (its watch in *watch, 0 for
// anything else or where none can be had), so that every name it gets
// from this look on is noted. False when it is gone.
bool CardCount::Look(int at, const char* name, struct stat* st, int* watch) {
  *watch = 0;
  const int fd = ::openat(at, name, O_PATH | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  bool seen = ::fstat(fd, st) == 0;
  if (seen && S_ISREG(st->st_mode) && m_Watched) {
    const std::string opened = "/proc/self/fd/" + std::to_string(fd);
    const int key = g_WatchesFail.load() ? -1 : ::inotify_add_watch(m_Notes, opened.c_str(), kFileChanges);
    if (key > 0) {
      *watch = key;
      // A name it got before the watch is counted now.
      seen = ::fstat(fd, st) == 0;
    } else {
      m_Watched = false;
    }
  }
  ::close(fd);
  return seen;
}

// Has `entry`, the name `name` in the folder `key`, followed by the file
// watch `watch` (0: none); a watch that follows no name any more goes.
void CardCount::Follow(Entry& entry, int key, const std::string& name, int watch) {
  if (entry.watch == watch) return;
  const auto file = m_Files.find(entry.watch);
  if (file != m_Files.end()) {
    auto& names = file->second;
    names.erase(std::remove(names.begin(), names.end(), std::make_pair(key, name)), names.end());
    if (names.empty()) {
      ::inotify_rm_watch(m_Notes, file->first);
      m_Files.erase(file);
    }
  }
  entry.watch = watch;
  if (watch > 0) m_Files[watch].emplace_back(key, name);
}

// The file of the watch `watch` changed (or is `gone`, its watch with it):
// each of its names on the card is counted again.
void CardCount::ChangedFile(int watch, bool gone) {
  const auto file = m_Files.find(watch);
  if (file == m_Files.end()) return;
  const std::vector<std::pair<int, std::string>> names = file->second;
  if (gone) {
    m_Files.erase(file);
    for (const auto& name : names) {
      const auto folder = m_Folders.find(name.first);
      if (folder == m_Folders.end()) continue;
      const auto entry = folder->second.entries.find(name.second);
      if (entry != folder->second.entries.end() && entry->second.watch == watch) entry->second.watch = 0;
    }
  }
  for (const auto& name : names) Refresh(name.first, name.second);
}

// Counts the folder `path` and what lies in it, watched before it is read so
// that whatever changes meanwhile is noted. One that is gone (or no folder)
// by now is left to the notes of its change.
void CardCount::AddTree(const std::string& path, int parent, const std::string& name) {
  struct Unread {
    std::string path;
    int parent;
    std::string name;
  };
  std::vector<Unread> unread{{path, parent, name}};
  while (!unread.empty()) {
    const Unread at = std::move(unread.back());
    unread.pop_back();
    const int fd = ::open(at.path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat self {};
    DIR* const dir = fd < 0 || ::fstat(fd, &self) != 0 ? nullptr : ::fdopendir(fd);
    if (!dir) {
      if (fd >= 0) ::close(fd);
      continue;
    }
    const int key = Watch(fd);
    // The same folder met under a new name before the note of its move.
    if (m_Folders.count(key) != 0) DropTree(key, true);
    Folder& folder = m_Folders[key];
    folder.path = at.path;
    folder.parent = at.parent;
    folder.name = at.name;
    folder.device = self.st_dev;
    folder.inode = self.st_ino;
    if (at.parent == 0) {
      m_Device = self.st_dev;
      m_Inode = self.st_ino;
    } else {
      const auto up = m_Folders.find(at.parent);
      if (up != m_Folders.end()) up->second.entries[at.name].folder = key;
    }
    while (const dirent* e = ::readdir(dir)) {
      if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
      struct stat st {};
      int watch = 0;
      if (!Look(::dirfd(dir), e->d_name, &st, &watch)) continue;
      Entry& entry = Add(&folder, e->d_name);
      Follow(entry, key, e->d_name, watch);
      Put(entry, key, e->d_name, st);
      if (S_ISDIR(st.st_mode)) unread.push_back({at.path + '/' + e->d_name, key, e->d_name});
    }
    ::closedir(dir);
    Grow(key);
  }
}

void CardCount::Grow(int key) {
  const auto folder = m_Folders.find(key);
  if (folder == m_Folders.end()) return;
  const qint64 fills = (folder->second.records + m_Block - 1) / m_Block * m_Block;
  folder->second.held = qMax(qMax(folder->second.held, fills), m_Block);
  const auto up = m_Folders.find(folder->second.parent);
  if (up == m_Folders.end()) return;
  const auto own = up->second.entries.find(folder->second.name);
  if (own == up->second.entries.end() || own->second.folder != key) return;
  m_Held += folder->second.held - own->second.held;
  own->second.held = folder->second.held;
}

// Counts `entry`, the name `name` in the folder `key`, as `st` shows it now:
// a file of several names once for all its names on the card.
void CardCount::Put(Entry& entry, int key, const std::string& name, const struct stat& st) {
  const bool named = !S_ISDIR(st.st_mode) && st.st_nlink > 1;
  if (named && entry.named && entry.device == st.st_dev && entry.inode == st.st_ino) {
    Named& file = m_Named[{st.st_dev, st.st_ino}];
    m_Held += HeldBy(st) - file.held;
    file.held = HeldBy(st);
    return;
  }
  Take(entry, key, name);
  entry.device = st.st_dev;
  entry.inode = st.st_ino;
  if (!named) {
    entry.held = HeldBy(st);
    m_Held += entry.held;
    return;
  }
  // Met in a note: its other names may lie on the card, counted as files
  // of one name before it had more, where only a walk finds them.
  if (m_Counted && m_Named.count({st.st_dev, st.st_ino}) == 0) m_Afresh = true;
  Named& file = m_Named[{st.st_dev, st.st_ino}];
  m_Held += HeldBy(st) - file.held;
  file.held = HeldBy(st);
  file.names.emplace_back(key, name);
  entry.named = true;
}

// Takes `entry`, the name `name` in the folder `key`, out of the count; a
// file of several names stays counted while another of them lies on the
// card.
void CardCount::Take(Entry& entry, int key, const std::string& name) {
  m_Held -= entry.held;
  entry.held = 0;
  if (!entry.named) return;
  entry.named = false;
  const auto file = m_Named.find({entry.device, entry.inode});
  if (file == m_Named.end()) return;
  auto& names = file->second.names;
  names.erase(std::remove(names.begin(), names.end(), std::make_pair(key, name)), names.end());
  if (!names.empty()) return;
  m_Held -= file->second.held;
  m_Named.erase(file);
}

// The files of several names, as they are now: a write through a name
// elsewhere was noted there.
void CardCount::LookAtNamed() {
  for (auto& file : m_Named) {
    for (const auto& name : file.second.names) {
      const auto folder = m_Folders.find(name.first);
      struct stat st {};
      if (folder == m_Folders.end() || ::lstat((folder->second.path + '/' + name.second).c_str(), &st) != 0 ||
          st.st_dev != file.first.first || st.st_ino != file.first.second)
        continue;
      m_Held += HeldBy(st) - file.second.held;
      file.second.held = HeldBy(st);
      break;
    }
  }
}

// Takes a folder and all in it out of the count (its own entry in its
// parent stays, as no folder), and lets go of their watches; the top one's
// stays with `keepWatch`.
void CardCount::DropTree(int key, bool keepWatch) {
  std::vector<int> dropped{key};
  while (!dropped.empty()) {
    const int at = dropped.back();
    dropped.pop_back();
    const auto folder = m_Folders.find(at);
    if (folder == m_Folders.end()) continue;
    for (auto& entry : folder->second.entries) {
      Take(entry.second, at, entry.first);
      Follow(entry.second, at, entry.first, 0);
      if (entry.second.folder != 0) dropped.push_back(entry.second.folder);
    }
    if (at == key) {
      const auto up = m_Folders.find(folder->second.parent);
      if (up != m_Folders.end()) {
        const auto own = up->second.entries.find(folder->second.name);
        if (own != up->second.entries.end() && own->second.folder == key) own->second.folder = 0;
      }
    }
    if (at > 0 && !(keepWatch && at == key)) ::inotify_rm_watch(m_Notes, at);
    m_Folders.erase(folder);
  }
}

// Counts the entry `name` of a watched folder again, as it is now.
void CardCount::Refresh(int key, const std::string& name) {
  const auto folder = m_Folders.find(key);
  if (folder == m_Folders.end()) return;
  const std::string path = folder->second.path + '/' + name;
  struct stat st {};
  bool exists = ::lstat(path.c_str(), &st) == 0;
  auto entry = folder->second.entries.find(name);
  // A file not followed yet is watched before it is counted.
  int watch = entry != folder->second.entries.end() ? entry->second.watch : 0;
  const bool followed = watch > 0 && entry->second.device == st.st_dev && entry->second.inode == st.st_ino;
  if (exists && S_ISREG(st.st_mode) && !followed) exists = Look(AT_FDCWD, path.c_str(), &st, &watch);
  if (exists && !S_ISREG(st.st_mode)) watch = 0;
  if (entry != folder->second.entries.end() && entry->second.folder != 0) {
    const auto sub = m_Folders.find(entry->second.folder);
    if (exists && S_ISDIR(st.st_mode) && sub != m_Folders.end() && sub->second.device == st.st_dev &&
        sub->second.inode == st.st_ino)
      return;
    // Gone, or another in its place.
    DropTree(entry->second.folder, false);
  }
  if (!exists) {
    if (entry != folder->second.entries.end()) {
      Take(entry->second, key, name);
      Follow(entry->second, key, name, 0);
      folder->second.records -= RecordBytes(name);
      folder->second.entries.erase(entry);
    }
    return;
  }
  Entry& kept = Add(&folder->second, name);
  Follow(kept, key, name, watch);
  Put(kept, key, name, st);
  Grow(key);
  if (S_ISDIR(st.st_mode) && kept.folder == 0) AddTree(path, key, name);
}

// Brings the count up to the changes noted since the last call. False when
// the count is lost: notes were dropped, the card itself went, a folder
// that came could not be watched, or a file of several names came.
bool CardCount::ReadChanges() {
  alignas(inotify_event) char notes[16 << 10];
  for (;;) {
    const ssize_t n = ::read(m_Notes, notes, sizeof notes);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) return true;
    if (n <= 0) return false;
    for (const char* at = notes; at < notes + n;) {
      const auto* note = reinterpret_cast<const inotify_event*>(at);
      at += sizeof(inotify_event) + note->len;
      if (note->mask & IN_Q_OVERFLOW) return false;
      if (m_Files.count(note->wd) != 0) {
        ChangedFile(note->wd, note->mask & IN_IGNORED);
        if (!Following()) return false;
        continue;
      }
      const auto folder = m_Folders.find(note->wd);
      if (folder == m_Folders.end()) continue;
      if (note->mask & IN_IGNORED) {
        // The folder went (its watch with it); its parent's note follows.
        if (folder->second.parent == 0) return false;
        const int parent = folder->second.parent;
        const std::string name = folder->second.name;
        DropTree(note->wd, true);
        Refresh(parent, name);
      } else if (note->len > 0) {
        Refresh(note->wd, std::string(note->name));
      }
      if (!Following()) return false;
    }
  }
}

CardCount& TheCardCount() {
  static CardCount count;
  return count;
}
}  // namespace

qint64 CardBytesHeld(const QString& card, qint64 block) { return TheCardCount().Held(card, block); }

bool SetCardWatchesFail(bool on) { return g_WatchesFail.exchange(on); }

}  // namespace KLX_Platform
