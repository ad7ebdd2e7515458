#include "platform/desktop/klx_cardcount.h"

#include <QFile>
#include <QMutex>

#include <dirent.h>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

namespace KLX_Platform {

namespace {
// The changes that alter what a folder holds or how large a file is. The
// kernel notes them as they happen, in the writer's own call, so a count
// that reads them before it answers is exact after every write done.
constexpr uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY | IN_ONLYDIR |
                              IN_EXCL_UNLINK;

struct Entry {
  qint64 held = 0;
  int folder = 0;  // a folder's own key in the count, 0 for anything else
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
  bool Count(const std::string& card, qint64 block, bool watched);
  void Forget();
  bool AddTree(const std::string& path, int parent, const std::string& name);
  int Watch(int fd);
  bool Refresh(int key, const std::string& name);
  void DropTree(int key, bool keepWatch);
  bool ReadChanges();
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
  bool m_Watched = false;  // the count follows the notes
  int m_NextKey = -1;      // an unwatched folder's key
  std::string m_Card;
  qint64 m_Block = 1;
  dev_t m_Device = 0;
  ino_t m_Inode = 0;
  qint64 m_Held = 0;
  std::unordered_map<int, Folder> m_Folders;  // by watch
  std::string m_Unwatchable;                  // a card whose changes could not be followed
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
  if (same && ReadChanges()) return m_Held;
  // A new card, or one whose notes were lost (more changes than the kernel
  // keeps): counted afresh. One that cannot be followed is walked each time.
  if (path != m_Unwatchable && Count(path, block, true)) return m_Held;
  m_Unwatchable = path;
  Count(path, block, false);
  const qint64 held = m_Held;
  Forget();
  return held;
}

// Walks `card` (watching each folder first where `watched`); false when a
// folder could not be watched.
bool CardCount::Count(const std::string& card, qint64 block, bool watched) {
  Forget();
  if (watched && m_Notes < 0) m_Notes = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (watched && m_Notes < 0) return false;
  // Notes of folders watched before are of no count now.
  char stale[4096];
  while (watched && (::read(m_Notes, stale, sizeof stale) > 0 || errno == EINTR)) {
  }
  m_Card = card;
  m_Block = qMax<qint64>(block, 1);
  m_Watched = watched;
  if (AddTree(card, 0, std::string())) return true;
  Forget();
  return false;
}

// Forgets the count and lets go of every watch.
void CardCount::Forget() {
  if (m_Watched)
    for (const auto& folder : m_Folders) ::inotify_rm_watch(m_Notes, folder.first);
  m_Folders.clear();
  m_Held = 0;
  m_Watched = false;
  m_NextKey = -1;
  m_Card.clear();
}

// A key for the folder open at `fd`: its watch (the very folder opened,
// not what its path names by now), or a number of its own unwatched; 0 when
// it cannot be watched.
int CardCount::Watch(int fd) {
  if (!m_Watched) return m_NextKey--;
  const std::string opened = "/proc/self/fd/" + std::to_string(fd);
  const int key = ::inotify_add_watch(m_Notes, opened.c_str(), kChanges);
  return key < 0 ? 0 : key;
}

// Counts the folder `path` and what lies in it, watched before it is read so
// that whatever changes meanwhile is noted. False when a folder could not
// be watched; one that is gone (or no folder) by now is left to the notes
// of its change.
bool CardCount::AddTree(const std::string& path, int parent, const std::string& name) {
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
    if (key == 0) {
      ::closedir(dir);
      return false;
    }
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
      if (::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
      Entry& entry = Add(&folder, e->d_name);
      m_Held += HeldBy(st) - entry.held;
      entry.held = HeldBy(st);
      if (S_ISDIR(st.st_mode)) unread.push_back({at.path + '/' + e->d_name, key, e->d_name});
    }
    ::closedir(dir);
    Grow(key);
  }
  return true;
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
    for (const auto& entry : folder->second.entries) {
      m_Held -= entry.second.held;
      if (entry.second.folder != 0) dropped.push_back(entry.second.folder);
    }
    if (at == key) {
      const auto up = m_Folders.find(folder->second.parent);
      if (up != m_Folders.end()) {
        const auto own = up->second.entries.find(folder->second.name);
        if (own != up->second.entries.end() && own->second.folder == key) own->second.folder = 0;
      }
    }
    if (m_Watched && !(keepWatch && at == key)) ::inotify_rm_watch(m_Notes, at);
    m_Folders.erase(folder);
  }
}

// Counts the entry `name` of a watched folder again, as it is now. False
// when a folder that came could not be watched.
bool CardCount::Refresh(int key, const std::string& name) {
  const auto folder = m_Folders.find(key);
  if (folder == m_Folders.end()) return true;
  const std::string path = folder->second.path + '/' + name;
  struct stat st {};
  const bool exists = ::lstat(path.c_str(), &st) == 0;
  auto entry = folder->second.entries.find(name);
  if (entry != folder->second.entries.end() && entry->second.folder != 0) {
    const auto sub = m_Folders.find(entry->second.folder);
    if (exists && S_ISDIR(st.st_mode) && sub != m_Folders.end() && sub->second.device == st.st_dev &&
        sub->second.inode == st.st_ino)
      return true;
    // Gone, or another in its place.
    DropTree(entry->second.folder, false);
  }
  if (!exists) {
    if (entry != folder->second.entries.end()) {
      m_Held -= entry->second.held;
      folder->second.records -= RecordBytes(name);
      folder->second.entries.erase(entry);
    }
    return true;
  }
  Entry& kept = Add(&folder->second, name);
  m_Held += HeldBy(st) - kept.held;
  kept.held = HeldBy(st);
  Grow(key);
  return !S_ISDIR(st.st_mode) || kept.folder != 0 || AddTree(path, key, name);
}

// Brings the count up to the changes noted since the last call. False when
// the count is lost: notes were dropped, the card itself went, or a folder
// that came could not be watched.
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
      const auto folder = m_Folders.find(note->wd);
      if (folder == m_Folders.end()) continue;
      if (note->mask & IN_IGNORED) {
        // The folder went (its watch with it); its parent's note follows.
        if (folder->second.parent == 0) return false;
        const int parent = folder->second.parent;
        const std::string name = folder->second.name;
        DropTree(note->wd, true);
        if (!Refresh(parent, name)) return false;
        continue;
      }
      if (note->len > 0 && !Refresh(note->wd, std::string(note->name))) return false;
    }
  }
}

CardCount& TheCardCount() {
  static CardCount count;
  return count;
}
}  // namespace

qint64 CardBytesHeld(const QString& card, qint64 block) { return TheCardCount().Held(card, block); }

}  // namespace KLX_Platform
