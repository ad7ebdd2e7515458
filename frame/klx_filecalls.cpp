#include "frame/klx_filecalls.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

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

bool KLX_FileCallsRemoveTree(const QString& path) {
  // Without a final "/", which would make the link's folder the one asked about.
  const QString clean = QDir::cleanPath(path);
  const QFileInfo info(clean);
  if (info.isSymLink() || !info.isDir()) return KLX_FileCalls::Instance().Remove(clean);
  bool removed = true;
  const QStringList entries =
      QDir(clean).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
  for (const QString& entry : entries) removed = KLX_FileCallsRemoveTree(clean + QLatin1Char('/') + entry) && removed;
  return removed && ::rmdir(Native(clean).constData()) == 0;
}

bool KLX_FileCallsIsPlainFile(const QString& path) {
  const QFileInfo info(QDir::cleanPath(path));
  return !info.isSymLink() && info.isFile();
}
