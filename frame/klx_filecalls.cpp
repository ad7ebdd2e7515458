#include "frame/klx_filecalls.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <vector>

#include "frame/klx_xmlsafefile.h"
#include "platform/klx_network.h"

namespace {
std::atomic<KLX_FileCalls*> g_Calls{nullptr};
// renameat2's flag, which older C libraries do not name.
constexpr unsigned kRenameExchange = 1u << 1;

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

int OpenForWriting(const QString& path, int flags) {
  int fd = -1;
  do {
    fd = ::open(Native(path).constData(), O_WRONLY | O_CLOEXEC | flags, 0644);
  } while (fd < 0 && errno == EINTR);
  return fd;
}
}  // namespace

int KLX_FileCalls::Create(const QString& path) { return OpenForWriting(path, O_CREAT | O_EXCL); }

int KLX_FileCalls::OpenAppend(const QString& path) { return OpenForWriting(path, O_CREAT | O_APPEND); }

bool KLX_FileCalls::Write(int fd, const char* data, qint64 size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= n;
  }
  return true;
}

void KLX_FileCalls::StartWriteback(int fd) { ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE); }

void KLX_FileCalls::FinishWriteback(int fd) {
  ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
}

bool KLX_FileCalls::SyncData(int fd) { return ::fdatasync(fd) == 0; }

bool KLX_FileCalls::SyncFile(const QString& path) {
  int fd = -1;
  do {
    fd = ::open(Native(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

bool KLX_FileCalls::Close(int fd) { return ::close(fd) == 0; }

bool KLX_FileCalls::SyncFileSystem(const QString& path) {
  int fd = -1;
  do {
    fd = ::open(Native(path).constData(), O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return false;
  const bool synced = ::syncfs(fd) == 0;
  ::close(fd);
  return synced;
}

bool KLX_FileCalls::Rename(const QString& from, const QString& to) {
  return std::rename(Native(from).constData(), Native(to).constData()) == 0;
}

KLX_FileCalls::ExchangeResult KLX_FileCalls::Exchange(const QString& a, const QString& b) {
#ifdef SYS_renameat2
  if (::syscall(SYS_renameat2, AT_FDCWD, Native(a).constData(), AT_FDCWD, Native(b).constData(), kRenameExchange) == 0)
    return Exchanged;
  return errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP ? ExchangeUnsupported : ExchangeFailed;
#else
  return ExchangeUnsupported;
#endif
}

bool KLX_FileCalls::Remove(const QString& path) { return ::unlink(Native(path).constData()) == 0 || errno == ENOENT; }

bool KLX_FileCalls::SyncFolder(const QString& folder) {
  const int fd = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

QString KLX_FileCalls::FolderOf(const QString& path) { return QFileInfo(path).absolutePath(); }

KLX_FileCalls& KLX_FileCalls::Instance() {
  static KLX_FileCalls system;
  KLX_FileCalls* calls = g_Calls.load();
  return calls ? *calls : system;
}

void KLX_FileCalls::Set(KLX_FileCalls* calls) { g_Calls.store(calls); }

bool KLX_FileCallsWriteWhole(const QString& path, const QByteArray& content, bool* noRoom) {
  KLX_XMLSafeFile file(path);
  const bool written = file.Open() && file.Write(content.constData(), content.size()) && file.Commit();
  if (noRoom) *noRoom = file.NoRoom();
  return written;
}

namespace {
// The platform's own files (the desktop's simulated network state) are
// written whole through the program's writer too.
[[maybe_unused]] const bool g_HandedToPlatform = [] {
  KLX_Platform::SetWholeFileWriter([](const QString& path, const QByteArray& content) {
    return KLX_FileCallsWriteWhole(path, content);
  });
  return true;
}();
}  // namespace

bool KLX_FileCallsRemove(const QString& path) {
  KLX_FileCalls& calls = KLX_FileCalls::Instance();
  return calls.Remove(path) && calls.SyncFolder(KLX_FileCalls::FolderOf(path));
}

namespace {
// A folder being emptied: which it is (to know it again on the way back up),
// its name in the folder above, and its folders still to empty.
struct Emptying {
  dev_t device = 0;
  ino_t inode = 0;
  QByteArray name;
  std::vector<QByteArray> folders;
};

int OpenFolderAt(int at, const char* name) {
  return ::openat(at, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// Removes one entry that is no folder of the folder open at `fd`, whose
// path is `path`: through the calls in use where a text names it, else (its
// bytes are no UTF-8, or its path is too long for one call) by its name's
// bytes in that folder.
bool RemoveEntry(int fd, const QByteArray& name, const QByteArray& path) {
  const QString text = QFile::decodeName(path);
  if (path.size() < PATH_MAX && QFile::encodeName(text) == path) return KLX_FileCalls::Instance().Remove(text);
  return ::unlinkat(fd, name.constData(), 0) == 0 || errno == ENOENT;
}

// Removes what the folder open at `fd` holds but folders (a link as a
// link), and keeps its folders to be emptied. Names that no text can give
// (bytes that are no UTF-8) go like any other. The first entry that stays
// is named in `left` (a path below `base`, the folder `at` lies in).
bool EmptyOfFiles(int fd, const QByteArray& base, const QByteArray& at, Emptying* folder, QByteArray* left) {
  struct stat self {};
  const int listing = ::fstat(fd, &self) == 0 ? ::dup(fd) : -1;
  DIR* const dir = listing < 0 ? nullptr : ::fdopendir(listing);
  if (!dir) {
    if (listing >= 0) ::close(listing);
    if (left->isEmpty()) *left = at;
    return false;
  }
  folder->device = self.st_dev;
  folder->inode = self.st_ino;
  std::vector<QByteArray> files;
  while (const dirent* e = ::readdir(dir)) {
    if (qstrcmp(e->d_name, ".") == 0 || qstrcmp(e->d_name, "..") == 0) continue;
    bool isFolder = e->d_type == DT_DIR;
    struct stat st {};
    if (e->d_type == DT_UNKNOWN && ::fstatat(fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0)
      isFolder = S_ISDIR(st.st_mode);
    (isFolder ? folder->folders : files).push_back(QByteArray(e->d_name));
  }
  ::closedir(dir);
  bool whole = true;
  for (const QByteArray& file : files) {
    if (RemoveEntry(fd, file, base + '/' + at + '/' + file)) continue;
    if (left->isEmpty()) *left = at + '/' + file;
    whole = false;
  }
  return whole;
}

// Removes the folder `name` of the folder open at `parent` with all it
// holds, each entry by its name's bytes relative to its folder's descriptor:
// no name is decoded, no path grows with the depth, and one folder is open
// at a time. A folder that moved meanwhile is not followed up.
bool RemoveFolderAt(int parent, const QByteArray& base, const QByteArray& name, QByteArray* left) {
  int fd = OpenFolderAt(parent, name.constData());
  if (fd < 0) {
    if (errno == ENOENT) return true;
    // Became a link or a file meanwhile: it goes as that.
    if ((errno == ELOOP || errno == ENOTDIR) && ::unlinkat(parent, name.constData(), 0) == 0) return true;
    *left = name;
    return false;
  }
  bool whole = true;
  std::vector<Emptying> levels(1);
  levels.back().name = name;
  QByteArray at = name;
  whole = EmptyOfFiles(fd, base, at, &levels.back(), left) && whole;
  while (levels.size() > 1 || !levels.back().folders.empty()) {
    if (!levels.back().folders.empty()) {
      const QByteArray sub = levels.back().folders.back();
      levels.back().folders.pop_back();
      const int below = OpenFolderAt(fd, sub.constData());
      if (below < 0) {
        // Gone meanwhile, or a link or a file by now: it goes as that.
        if (errno == ENOENT || ((errno == ELOOP || errno == ENOTDIR) && ::unlinkat(fd, sub.constData(), 0) == 0))
          continue;
        if (left->isEmpty()) *left = at + '/' + sub;
        whole = false;
        continue;
      }
      ::close(fd);
      fd = below;
      at += '/' + sub;
      levels.emplace_back();
      levels.back().name = sub;
      whole = EmptyOfFiles(fd, base, at, &levels.back(), left) && whole;
      continue;
    }
    // Emptied: back up, where it is removed.
    const QByteArray done = levels.back().name;
    levels.pop_back();
    const int up = OpenFolderAt(fd, "..");
    struct stat st {};
    ::close(fd);
    fd = up;
    if (up < 0 || ::fstat(up, &st) != 0 || st.st_dev != levels.back().device || st.st_ino != levels.back().inode) {
      if (left->isEmpty()) *left = at;
      if (up >= 0) ::close(up);
      return false;
    }
    at.chop(done.size() + 1);
    if (::unlinkat(fd, done.constData(), AT_REMOVEDIR) != 0 && errno != ENOENT) {
      if (left->isEmpty()) *left = at + '/' + done;
      whole = false;
    }
  }
  ::close(fd);
  if (!whole) return false;
  if (::unlinkat(parent, name.constData(), AT_REMOVEDIR) == 0 || errno == ENOENT) return true;
  *left = name;
  return false;
}
}  // namespace

bool KLX_FileCallsRemoveTree(const QString& path, QString* left) {
  // Without a final "/", which would make the link's folder the one asked about.
  const QString clean = QDir::cleanPath(path);
  const QFileInfo info(clean);
  if (!info.isSymLink() && info.isDir()) {
    QByteArray below;
    if (KLX_FileCallsRemoveNativeTree(Native(clean), &below)) return true;
    // The bytes that no text can give show as the replacement character.
    if (left) *left = QFile::decodeName(below);
    return false;
  }
  if (KLX_FileCalls::Instance().Remove(clean)) return true;
  if (left) *left = clean;
  return false;
}

bool KLX_FileCallsRemoveNativeTree(const QByteArray& path, QByteArray* left) {
  QByteArray ignored;
  QByteArray& stays = left ? *left : ignored;
  QByteArray clean = path;
  while (clean.size() > 1 && clean.endsWith('/')) clean.chop(1);
  const int slash = clean.lastIndexOf('/');
  const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : clean.left(slash);
  const QByteArray name = clean.mid(slash + 1);
  if (name.isEmpty() || name == "." || name == "..") {
    stays = clean;
    return false;
  }
  const int parent = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (parent < 0) {
    if (errno == ENOENT) return true;
    stays = clean;
    return false;
  }
  struct stat st {};
  bool removed = true;
  QByteArray below;
  if (::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
    removed = errno == ENOENT;
  else if (S_ISDIR(st.st_mode))
    removed = RemoveFolderAt(parent, folder, name, &below);
  else
    removed = RemoveEntry(parent, name, clean);
  ::close(parent);
  if (!removed) stays = below.isEmpty() ? clean : folder + '/' + below;
  return removed;
}

bool KLX_FileCallsIsPlainFile(const QString& path) {
  const QFileInfo info(QDir::cleanPath(path));
  return !info.isSymLink() && info.isFile();
}
