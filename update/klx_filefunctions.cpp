#include "update/klx_filefunctions.h"

#include "frame/klx_board.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filecalls.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmlsafefile.h"
#include "platform/klx_commandrunner.h"
#include "platform/klx_platform.h"
#include "platform/klx_storage.h"
#include "update/klx_md5.h"
#include "update/klx_ziplisting.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QSet>

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <vector>

namespace {
constexpr unsigned kDriveInfoError = 0x50501;
constexpr qint64 kPartBytes = 0x40000;
constexpr qint64 kMaxWholeCopyFileBytes = 199999999;
constexpr qint64 kMaxWholeCopyTotalBytes = 4999999999LL;
constexpr qint64 kMaxPartCopyBytes = 5000000000LL;
constexpr int kDone = 100;
constexpr int kStepFailed = KLX_FileFunctions::kPartCopyFailed;
constexpr int kNoSpace = KLX_FileFunctions::kPartCopyNoSpace;
constexpr int kTooLarge = KLX_FileFunctions::kPartCopyTooLarge;
const char* const kInstallSourceFile = "/installsrczip.txt";
const char* const kUnpackFolder = "/.unpacking";
// An installed voice set aside for its new version, in the unpack folder.
const char* const kAsideSuffix = ".aside";
// A folder that stood in the place of a voice set aside, being no whole voice.
const char* const kStraySuffix = ".stray";
// What a copy's staged file adds to its name.
const char* const kTemporarySuffix = KLX_XMLSafeFile::kStagedSuffixForm;
// unzip is given a minute, and as long again as a slow card (half a MB a
// second) takes to write what the pack unpacks to.
constexpr qint64 kUnzipBaseMs = 60000;
constexpr qint64 kUnzipCardBytesPerMs = 512;
// An unpacked pack leaves the card the room a model save asks for.
constexpr qint64 kKeepFreeBytes = KLX_FileFunctions::kModelSaveKiB * 1024;
// How often the unpack folder is measured while unzip writes it: before
// unzip, writing as fast as it ever may (1 GiB/s, five times what it writes
// on a desktop's disk), has filled the room the card has beyond what the
// pack needs; at least every 200 ms and at most every 1 ms.
constexpr quint64 kUnzipFastestBytesPerMs = 1024 * 1024;
constexpr quint64 kUnzipLookMs = 200;
// A voice pack holds its checksum list and at most the files a list names.
constexpr quint64 kMaxPackFiles = KLX_MD5::kMaxEntries + 1;

// unzip takes a member's name as a pattern, in which "[" opens a set of
// characters, "*" and "?" stand for others, and "\" takes the next one as
// it is.
bool PatternSign(QChar c) { return c == QLatin1Char('[') || c == QLatin1Char('*') || c == QLatin1Char('?'); }

// A pattern that matches `name` alone: each sign set apart, and a "-" it
// begins with too, which unzip would read as an option ("-dw/..." as "-d").
QString UnzipPattern(const QString& name) {
  QString pattern;
  pattern.reserve(name.size());
  for (const QChar c : name) {
    if (c == QLatin1Char('\\'))
      pattern += QStringLiteral("\\\\");
    else if (PatternSign(c) || (pattern.isEmpty() && c == QLatin1Char('-')))
      pattern += QStringLiteral("[%1]").arg(c);
    else
      pattern += c;
  }
  return pattern;
}

// unzip takes the archive's own name as a pattern too when its path holds
// one of "[", "*" or "?" (its folder as it stands): "x[1].zip" would read
// "x1.zip" beside it. Such a name goes as a pattern that matches it alone.
// A path that is not absolute goes from "./", never read as an option.
QString UnzipArchive(const QString& archive) {
  const QString path = archive.startsWith(QLatin1Char('/')) ? archive : QStringLiteral("./") + archive;
  if (std::none_of(path.begin(), path.end(), PatternSign)) return path;
  const int slash = path.lastIndexOf(QLatin1Char('/'));
  return path.left(slash + 1) + UnzipPattern(path.mid(slash + 1));
}

// Whether the checksum list in the pack's folder names more files than a
// list may, or cannot be read from the pack (then it would fail its check
// all the same). Read by unzip to its output, of which about a MB is kept
// at most: far more than the entries a list may have.
bool ListNamesTooMany(const QString& archive) {
  const QString member =
      UnzipPattern(QFileInfo(archive).completeBaseName() + QLatin1Char('/') + KLX_FileFunctions::kVoiceListName);
  QByteArray list;
  const int read = KLX_Platform::RunFor(QStringLiteral("unzip"), {QStringLiteral("-p"), UnzipArchive(archive), member},
                                        KLX_Platform::kQuickToolMs, &list);
  return read != 0 || KLX_MD5::KLX_MD5CountEntries(list) > KLX_MD5::kMaxEntries;
}

// Sums over what a directory declares, which may be anything up to 2^64 - 1,
// saturate: a pack that claims that much never fits.
quint64 AddSaturated(quint64 a, quint64 b) { return a > ULLONG_MAX - b ? ULLONG_MAX : a + b; }
quint64 InBlocks(quint64 bytes, quint64 block) {
  const quint64 blocks = bytes / block + (bytes % block ? 1 : 0);
  return blocks > ULLONG_MAX / block ? ULLONG_MAX : blocks * block;
}

// An entry's records in a FAT folder, every name taken as a long one.
quint64 FatRecords(const QString& name) { return KLX_ZipListingFolderRecords(quint64(name.size())); }
constexpr quint64 kOwnRecords = 2 * kZipListingRecordBytes;  // "." and ".."

enum class EntryKind { File, Folder, Other };
// Calls `visit(path, kind, bytes)` for every entry under `folder`, its path
// relative to the folder and a file's bytes (0 unless `sizes`); links are
// not followed. One folder is open at a time, so that no depth runs out of
// descriptors, and what is kept grows with the entries alone. False when a
// folder could not be read (an entry gone meanwhile is passed over).
template <typename Visit>
bool WalkFolder(const QString& folder, bool sizes, Visit&& visit) {
  const int top = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (top < 0) return false;
  bool whole = true;
  std::vector<QByteArray> unread{QByteArray()};
  while (!unread.empty()) {
    const QByteArray at = std::move(unread.back());
    unread.pop_back();
    const int fd = ::openat(top, at.isEmpty() ? "." : at.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    DIR* const dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!dir) {
      if (fd >= 0) ::close(fd);
      whole = false;
      continue;
    }
    while (const dirent* e = ::readdir(dir)) {
      if (qstrcmp(e->d_name, ".") == 0 || qstrcmp(e->d_name, "..") == 0) continue;
      const QByteArray path = at.isEmpty() ? QByteArray(e->d_name) : at + '/' + e->d_name;
      EntryKind kind = e->d_type == DT_REG ? EntryKind::File : e->d_type == DT_DIR ? EntryKind::Folder : EntryKind::Other;
      quint64 bytes = 0;
      if (e->d_type == DT_UNKNOWN || (kind == EntryKind::File && sizes)) {
        struct stat st {};
        if (::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        kind = S_ISREG(st.st_mode) ? EntryKind::File : S_ISDIR(st.st_mode) ? EntryKind::Folder : EntryKind::Other;
        if (kind == EntryKind::File && sizes) bytes = quint64(qMax<off_t>(st.st_size, 0));
      }
      if (kind == EntryKind::Folder) unread.push_back(path);
      visit(path, kind, bytes);
    }
    ::closedir(dir);
  }
  ::close(top);
  return whole;
}

// What unzip made in a folder: the regular files' bytes together, the
// largest, what they take on a card of `block` bytes a block, and whether
// it made anything else than files and folders (a link may lead anywhere).
struct FilesUnder {
  quint64 bytes = 0;
  quint64 largest = 0;
  quint64 cardBytes = 0;
  bool onlyFilesAndFolders = true;
};
FilesUnder MeasureFiles(const QString& folder, quint64 block) {
  FilesUnder files;
  const bool read = WalkFolder(folder, true, [&](const QByteArray&, EntryKind kind, quint64 bytes) {
    if (kind == EntryKind::Other) files.onlyFilesAndFolders = false;
    files.bytes += bytes;
    files.largest = qMax(files.largest, bytes);
    files.cardBytes += (bytes + block - 1) / block * block;
  });
  // What cannot be read cannot be vouched for.
  if (!read) files.onlyFilesAndFolders = false;
  return files;
}

// The volume of `path`; one that cannot be queried is reported.
KLX_Platform::VolumeInfo QueryVolume(const QString& path) {
  const KLX_Platform::VolumeInfo volume = KLX_Platform::Volume(path);
  if (!volume.valid) KLXErrorHandler.RegisterError(kDriveInfoError, "KLX_FileChecker(): drive info not accessable");
  return volume;
}

// The destination appears complete or not at all: written to a temporary
// file beside it, every write checked, synced and renamed over it (a link in
// its place is replaced, not written through). A source that holds more than
// `most` bytes (when not negative) is not copied. `noRoom`, when given, tells
// whether the copy failed for want of room on the destination; `stopped`,
// when given, ends the copy (failed) between two pieces.
bool CopyFileSafely(const QString& source, const QString& destination, bool replace, qint64 most = -1,
                    bool* noRoom = nullptr, const std::function<bool()>& stopped = {}) {
  if (noRoom) *noRoom = false;
  if (!replace && QFileInfo::exists(destination)) return false;
  if (!KLX_FileCallsIsPlainFile(source)) return false;
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) return false;
  KLX_XMLSafeFile out(destination);
  bool copied = out.Open();
  qint64 total = 0;
  while (copied && !in.atEnd()) {
    if (stopped && stopped()) return false;
    const QByteArray chunk = in.read(kPartBytes);
    total += chunk.size();
    copied = !chunk.isEmpty() && (most < 0 || total <= most) && out.Write(chunk.constData(), chunk.size());
  }
  copied = copied && out.Commit();
  if (noRoom) *noRoom = out.NoRoom();
  return copied;
}

// What a folder copy takes: no links, since one on a stick may lead anywhere
// on the system, and no entry that no text names (said in the log).
QList<QFileInfo> ListEntries(const QString& folder, const QString& filter) {
  QDir dir(folder);
  if (!filter.isEmpty()) dir.setNameFilters({filter});
  KLX_FileFunctions::KLX_FileFunctionsTellUnnamed(folder, filter);
  return dir.entryInfoList(QDir::AllEntries | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Unsorted);
}

// A name's bytes as text, when they are UTF-8 (else no text names them).
bool AsText(const QByteArray& bytes, QString* text) {
  *text = QFile::decodeName(bytes);
  return QFile::encodeName(*text) == bytes;
}

// Leaves in `folder` exactly the files that `files` names (paths inside
// it) and the folders they lie in: whatever else unzip made there goes, so
// that the install makes no folder of its own; a name that is no UTF-8 is
// never named, and goes by its bytes. False when a name leads outside, a
// named file is not there as a file, the folder cannot be read whole or
// something cannot be removed.
bool KeepOnly(const QString& folder, const QStringList& files) {
  QSet<QString> named, namedFolders;
  for (const QString& file : files) {
    if (!KLX_MD5::KLX_MD5NameStaysInside(file)) return false;
    const QString name = QDir::cleanPath(file);
    named.insert(name);
    for (QString in = QFileInfo(name).path(); in != QLatin1String("."); in = QFileInfo(in).path()) namedFolders.insert(in);
  }
  // An entry is met after the folder it lies in: one in a folder that goes,
  // goes with it.
  QSet<QByteArray> goneFolders;
  std::vector<QByteArray> gone;
  int kept = 0;
  const bool read = WalkFolder(folder, false, [&](const QByteArray& bytes, EntryKind kind, quint64) {
    QString path;
    const bool text = AsText(bytes, &path);
    const int slash = bytes.lastIndexOf('/');
    const bool inGone = slash >= 0 && goneFolders.contains(bytes.left(slash));
    const bool keep = text && !inGone &&
                      (kind == EntryKind::File     ? named.contains(path)
                       : kind == EntryKind::Folder ? namedFolders.contains(path)
                                                   : false);
    if (keep) {
      if (kind == EntryKind::File) ++kept;
      return;
    }
    if (kind == EntryKind::Folder) goneFolders.insert(bytes);
    if (!inGone) gone.push_back(bytes);
  });
  if (!read || kept != named.size()) return false;
  const QByteArray top = QFile::encodeName(folder) + '/';
  for (const QByteArray& path : gone)
    if (!KLX_FileCallsRemoveNativeTree(top + path)) return false;
  return true;
}

// A whole voice of its name stands in the voice folder, as an install
// leaves one: a folder with the marker written into it last, before it moved
// in, and every file its checksum list names, each of its listed sum. An
// empty folder, or one with a part of a voice (a copy cut short, by hand or
// by a tool, the marker with it or not, a listed file shorter than listed),
// is none.
bool VoiceInPlace(const QString& destinationFolder, const QString& voice) {
  const QString place = destinationFolder + voice + QLatin1Char('/');
  const QFileInfo folder(place);
  KLX_MD5 list;
  return !folder.isSymLink() && folder.isDir() && KLX_FileCallsIsPlainFile(place + kInstallSourceFile) &&
         list.KLX_MD5ReadFile(place + KLX_FileFunctions::kVoiceListName) &&
         KLX_MD5ListMatches(list, place, QLatin1String(KLX_FileFunctions::kVoiceListName));
}

// The names in `folder` by their bytes ("." and ".." aside); false when it
// cannot be read (a missing one holds none).
bool NamesIn(const QString& folder, std::vector<QByteArray>* names) {
  DIR* const dir = ::opendir(QFile::encodeName(folder).constData());
  if (!dir) return errno == ENOENT || errno == ENOTDIR;
  while (const dirent* e = ::readdir(dir))
    if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0) names->push_back(QByteArray(e->d_name));
  ::closedir(dir);
  return true;
}

// Removes what an unpack left in `unpacking`, each entry by its bytes, but a
// voice set aside while no whole folder of its name stands in
// `destinationFolder`: it stays until it can be put back. False, and the
// log names what stays, when anything else cannot be removed.
bool ClearUnpackFolder(const QString& unpacking, const QString& destinationFolder) {
  bool kept = false;
  std::vector<QByteArray> entries;
  QByteArray left;
  bool cleared = NamesIn(unpacking, &entries);
  if (!cleared) left = QFile::encodeName(unpacking);
  for (const QByteArray& entry : entries) {
    QString name;
    const QString path = unpacking + QLatin1Char('/') + QFile::decodeName(entry);
    const QFileInfo info(path);
    if (AsText(entry, &name) && name.endsWith(QLatin1String(kAsideSuffix)) && info.isDir() && !info.isSymLink() &&
        !VoiceInPlace(destinationFolder, name.chopped(int(qstrlen(kAsideSuffix))))) {
      kept = true;
      continue;
    }
    if (!KLX_FileCallsRemoveNativeTree(QFile::encodeName(unpacking) + '/' + entry, left.isEmpty() ? &left : nullptr))
      cleared = false;
  }
  if (cleared && !kept && !KLX_FileCallsRemoveNativeTree(QFile::encodeName(unpacking), &left)) cleared = false;
  if (!cleared)
    qWarning("the unpack folder %s cannot be cleared: %s stays", qUtf8Printable(unpacking),
             qUtf8Printable(QFile::decodeName(left)));
  return cleared;
}
}  // namespace

KLX_CopyingFile::KLX_CopyingFile() = default;
KLX_CopyingFile::~KLX_CopyingFile() = default;

qint64 KLX_CopyingFile::KLX_CopyingFileCopyByPart(const QString& source, const QString& destination) {
  if (!m_Open) {
    m_Failed = false;
    m_NoRoom = false;
    m_Copied = 0;
    m_Source.setFileName(source);
    if (!KLX_FileCallsIsPlainFile(source) || !m_Source.open(QIODevice::ReadOnly)) return 0;
    m_Destination.reset(new KLX_XMLSafeFile(destination));
    if (!m_Destination->Open()) {
      m_NoRoom = m_Destination->NoRoom();
      m_Source.close();
      m_Destination.reset();
      return 0;
    }
    m_SourceSize = m_Source.size();
    m_Open = true;
  }
  if (m_Copied >= m_SourceSize) return 0;
  const QByteArray chunk = m_Source.read(kPartBytes);
  if (chunk.isEmpty()) return 0;
  // A short write is a failed step: the rest of the chunk is gone.
  if (!m_Destination->Write(chunk.constData(), chunk.size())) {
    m_NoRoom = m_Destination->NoRoom();
    return 0;
  }
  m_Copied += chunk.size();
  return chunk.size();
}

bool KLX_CopyingFile::KLX_CopyingFileIsFullyCopied(int* percent) {
  if (percent) *percent = m_SourceSize > 0 ? int(m_Copied * 100 / m_SourceSize) : (m_Open ? 100 : 0);
  if (!m_Open || m_Copied != m_SourceSize) return false;
  const bool committed = m_Destination->Commit();
  m_NoRoom = !committed && m_Destination->NoRoom();
  m_Source.close();
  m_Destination.reset();
  m_Open = false;
  m_Copied = 0;
  m_Failed = !committed;
  return committed;
}

void KLX_CopyingFile::KLX_CopyingFileCancel() {
  // Its temporary file goes with it.
  m_Destination.reset();
  m_Source.close();
  m_Open = false;
  m_Copied = 0;
}

KLX_FileFunctions::~KLX_FileFunctions() { KLX_FileFunctionsDropUnzipped(); }

bool KLX_FileFunctions::KLX_FileFunctionsCheckForSDCard(bool full) const {
  if (full) return KLX_FileFunctionsSDCard() == SDCardReady;
  if (!Board::m_Instance) Board::Init();
  const QString device = Board::m_Instance->SDCardDevPathGet();
  return !device.isEmpty() && QFileInfo::exists(KLX_FileNameHandler::KLX_FileNameHandlerMapPath(device));
}

KLX_FileFunctions::SDCard KLX_FileFunctions::KLX_FileFunctionsSDCard() const {
  if (!KLX_FileFunctionsCheckForSDCard(false)) return SDCardMissing;
  const KLX_Platform::VolumeInfo volume =
      KLX_Platform::Volume(KLX_FileNameHandler().KLX_FileNameHandlerGetVornPath());
  if (!volume.valid || !volume.mounted) return SDCardMissing;
  if (volume.bytesTotal < kMinCardBytes) return SDCardTooSmall;
  return volume.fileSystemType == QLatin1String("vfat") ? SDCardReady : SDCardMissing;
}

QString KLX_FileFunctions::KLX_FileFunctionsSDCardText(SDCard card) {
  return card == SDCardTooSmall ? QStringLiteral("SD card smaller than 256 MiB")
                                : QStringLiteral("no SD card inserted");
}

bool KLX_FileFunctions::KLX_FileFileFunctionsCheckFolder(QString folder, bool create) const {
  if (QFileInfo(folder).isDir()) return true;
  return create && QDir().mkpath(folder);
}

bool KLX_FileFunctions::KLX_FileFileFunctionsCheckFile(QString file, QString folder, bool create) const {
  const QString path = folder + file;
  if (QFileInfo::exists(path)) return true;
  if (!create) return false;
  QFile created(path);
  return created.open(QIODevice::ReadWrite | QIODevice::Text);
}

bool KLX_FileFunctions::KLX_FileFunctionsGetAvailSpaceOnFolder(QString path, long minimumKiB) const {
  const KLX_Platform::VolumeInfo volume = QueryVolume(path);
  return volume.valid && volume.bytesAvailable / 1024 >= minimumKiB;
}

void KLX_FileFunctions::KLX_FileFunctionsGetFolderContentFiles(QString folder, QString filter) {
  m_ListedFolder = folder;
  m_FileListing = QDir(folder).entryList({filter}, QDir::Files, QDir::Unsorted);
  KLX_FileFunctionsTellUnnamed(folder, filter);
}

void KLX_FileFunctions::KLX_FileFunctionsGetFolderContentFiles(QString folder) {
  KLX_FileFunctionsGetFolderContentFiles(folder, QStringLiteral("*.*"));
}

void KLX_FileFunctions::KLX_FileFunctionsGetFolderContentDirs(QString folder) {
  m_FolderListing = QDir(folder).entryList({QStringLiteral("*")}, QDir::Dirs, QDir::Unsorted);
  KLX_FileFunctionsTellUnnamed(folder);
}

int KLX_FileFunctions::KLX_FileFunctionsGetEntryCountFiles() const { return m_FileListing.size(); }
int KLX_FileFunctions::KLX_FileFunctionsGetEntryCountFolders() const { return m_FolderListing.size(); }

QString KLX_FileFunctions::KLX_FileFunctionsGetFileEntrybyIndex(int index) const {
  return m_FileListing.value(index);
}

QString KLX_FileFunctions::KLX_FileFunctionsGetFolderEntrybyIndex(int index) const {
  return m_FolderListing.value(index);
}

bool KLX_FileFunctions::KLX_FileFunctionsDeleteFileInFolder(QString name, QString folder) const {
  const QString path = folder + name;
  if (!QFileInfo::exists(path)) return true;
  return KLX_FileCallsRemove(path);
}

bool KLX_FileFunctions::KLX_FileFunctionsDeleteFolder(const QString& path, bool onlyIfEmpty) const {
  if (onlyIfEmpty) {
    const QStringList entries =
        QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Unsorted);
    if (entries.size() != 2 || !entries.contains(".") || !entries.contains("..")) return false;
    return QDir().rmdir(path);
  }
  return KLX_FileCallsRemoveTree(path);
}

bool KLX_FileFunctions::KLX_FileFunctionsClearFolder(QString folder, bool removeFolder, QString filter) const {
  QDir dir(folder);
  if (!filter.isEmpty()) dir.setNameFilters({filter});
  const QList<QFileInfo> entries =
      dir.entryInfoList(QDir::AllEntries | QDir::Drives | QDir::NoDotAndDotDot, QDir::Unsorted);
  KLX_FileFunctionsTellUnnamed(folder, filter);
  for (const QFileInfo& entry : entries) {
    if (entry.isDir()) continue;
    if (!QFile::remove(entry.absoluteFilePath())) return false;
  }
  if (removeFolder) return QDir().rmdir(folder);
  return true;
}

bool KLX_FileFunctions::KLX_FileFunctionsCopyFileToFolder(QString sourceName, QString sourceFolder,
                                                          QString destinationName,
                                                          QString destinationFolder,
                                                          const std::function<bool()>& stopped) const {
  // An existing destination is replaced only by a complete copy.
  return CopyFileSafely(sourceFolder + sourceName, destinationFolder + destinationName, true, -1, &m_LastCopyNoRoom,
                        stopped);
}

bool KLX_FileFunctions::KLX_FileFunctionsCopyFolderContent(QString sourceFolder, QString destinationFolder,
                                                           QString filter, bool replace) {
  m_EntryInfos = ListEntries(sourceFolder, filter);
  m_LastCopyNoRoom = false;
  bool whole = true;
  QList<QFileInfo> copied;
  qint64 total = 0;
  for (const QFileInfo& entry : qAsConst(m_EntryInfos)) {
    // Regular files only: a device or a pipe never ends.
    if (!entry.isFile()) continue;
    // Each file is judged on its own: one that does not fit leaves the
    // room to those after it.
    const qint64 size = entry.size();
    const bool tooLarge = size > kMaxWholeCopyFileBytes || total + size > kMaxWholeCopyTotalBytes;
    if (tooLarge || !KLX_FileFunctionsGetAvailSpaceOnFolder(destinationFolder, long(size / 1024 + 1))) {
      m_LastCopyNoRoom = m_LastCopyNoRoom || !tooLarge;
      whole = false;
      continue;
    }
    bool noRoom = false;
    if (!CopyFileSafely(sourceFolder + entry.fileName(), destinationFolder + entry.fileName(), replace, -1, &noRoom)) {
      m_LastCopyNoRoom = m_LastCopyNoRoom || noRoom;
      whole = false;
      continue;
    }
    copied.append(entry);
    total += size;
  }
  m_EntryInfos = copied;
  return whole;
}

void KLX_FileFunctions::ResetPartCopy() {
  m_TotalBytes = 0;
  m_EntryIndex = 0;
  m_Copying = false;
  m_PartCopier.KLX_CopyingFileCancel();
}

int KLX_FileFunctions::PartCopyFailed() {
  // A medium that filled during the copy is told as such, like one that had
  // too little room before it.
  const bool noRoom = m_PartCopier.KLX_CopyingFileNoRoom();
  ResetPartCopy();
  return noRoom ? kNoSpace : kStepFailed;
}

int KLX_FileFunctions::ProgressOf(qint64 copied, qint64 total) const {
  if (total <= 0) return 0;
  const float ratio = float(copied) / float(total);
  int progress = int(ratio * 100.0f);
  if (ratio > 0.0f && ratio <= 0.01f) progress = 1;
  // 100 is kept for the step that completes the copy.
  if (progress >= 100) progress = 99;
  return progress;
}

int KLX_FileFunctions::KLX_FileFunctionsCopyFileToFolderByParts(QString sourceName, QString sourceFolder,
                                                                QString destinationName,
                                                                QString destinationFolder) {
  const QString source = sourceFolder + sourceName;
  const QString destination = destinationFolder + destinationName;
  if (!m_Copying) {
    m_CopiedBytes = 0;
    m_EntryIndex = 0;
    qint64 size = 0;
    long needKiB = 1;
    const QFileInfo info(source);
    if (info.exists()) {
      size = info.size();
      if (size > kMaxPartCopyBytes) return kTooLarge;
      needKiB = long(size / 1024 + 1);
    }
    if (!KLX_FileFunctionsGetAvailSpaceOnFolder(destinationFolder, needKiB)) return kNoSpace;
    m_TotalBytes = size;
    m_Copying = true;
  }

  const qint64 written = m_PartCopier.KLX_CopyingFileCopyByPart(source, destination);
  if (written >= 1) {
    m_CopiedBytes += written;
    m_Progress = qint8(ProgressOf(m_CopiedBytes, m_TotalBytes));
  }
  // An empty source is complete without a byte written.
  if (m_PartCopier.KLX_CopyingFileIsFullyCopied()) {
    m_Progress = kDone;
    ResetPartCopy();
    return kDone;
  }
  if (written < 1 || m_PartCopier.KLX_CopyingFileFailed()) return PartCopyFailed();
  return m_Progress;
}

int KLX_FileFunctions::KLX_FileFunctionsCopyFolderContentByParts(QString sourceFolder, QString destinationFolder,
                                                                 QString filter) {
  if (!m_Copying) {
    m_EntryIndex = 0;
    m_CopiedBytes = 0;
    m_EntryInfos = ListEntries(sourceFolder, filter);
    qint64 sum = 0;
    for (int i = m_EntryIndex; i < m_EntryInfos.size(); ++i) {
      if (!m_EntryInfos.at(i).isDir()) sum += m_EntryInfos.at(i).size();
    }
    if (sum > kMaxPartCopyBytes) return kTooLarge;
    // Room for the whole folder, so that a copy is not refused half-way.
    if (!KLX_FileFunctionsGetAvailSpaceOnFolder(destinationFolder, long(sum / 1024 + 1))) return kNoSpace;
    m_TotalBytes = sum;
    m_Copying = true;
  }

  while (m_EntryIndex < m_EntryInfos.size() && m_EntryInfos.at(m_EntryIndex).isDir()) ++m_EntryIndex;
  if (m_EntryIndex >= m_EntryInfos.size()) {
    m_Progress = kDone;
    ResetPartCopy();
    return kDone;
  }

  const QString name = m_EntryInfos.at(m_EntryIndex).fileName();
  const qint64 written =
      m_PartCopier.KLX_CopyingFileCopyByPart(sourceFolder + name, destinationFolder + name);
  if (written >= 1) m_CopiedBytes += written;
  if (m_PartCopier.KLX_CopyingFileIsFullyCopied()) {
    ++m_EntryIndex;
  } else if (written < 1 || m_PartCopier.KLX_CopyingFileFailed()) {
    return PartCopyFailed();
  }
  m_Progress = qint8(ProgressOf(m_CopiedBytes, m_TotalBytes));
  return m_Progress;
}

bool KLX_FileFunctions::StartUnpack(const QString& destinationFolder) {
  KLX_FileFunctionsDropUnzipped();
  m_UnzipDestination = destinationFolder;
  // Beside the destination, on its file system, so that installing is a
  // rename; what a power cut left there goes first, but a voice set aside
  // that cannot be put back.
  m_Unpacking = KLX_FileFunctionsUnpackFolder(destinationFolder);
  KLX_FileFunctionsRecoverVoices(destinationFolder);
  return ClearUnpackFolder(m_Unpacking, destinationFolder);
}

void KLX_FileFunctions::AddPack(const QString& name, const QString& archive, UnzipRefusal refusal) {
  m_UnzipRefusals.append(refusal);
  m_UnzippedNames.append(name);
  m_UnzippedArchives.append(archive);
  m_UnzipInstalled.append(false);
}

bool KLX_FileFunctions::KLX_FileFunctionsBeginPacks(const QString& destinationFolder) {
  if (StartUnpack(destinationFolder)) return true;
  // Nothing is unpacked beside what an earlier unpack left.
  m_Unpacking.clear();
  return false;
}

int KLX_FileFunctions::KLX_FileFunctionsCopyPack(const QString& sourceFolder, const QString& name,
                                                 const QString& archiveFolder) {
  const QString source = sourceFolder + name;
  const QFileInfo entry(source);
  const QString base = entry.completeBaseName();
  // The name becomes a folder of the destination: never "." or "..".
  if (entry.completeSuffix() != QLatin1String("zip") || !KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(base)) {
    qWarning("voice pack %s is not named like a voice (<name>.zip): left out", qUtf8Printable(source));
    return -1;
  }
  const int index = m_UnzippedNames.size();
  // Only a regular file: a link may lead anywhere, a device or a pipe never ends.
  if (m_Unpacking.isEmpty() || !KLX_FileCallsIsPlainFile(source)) {
    qWarning("voice pack %s cannot be copied onto the card: refused", qUtf8Printable(source));
    AddPack(base, QString(), UnzipFailed);
    return index;
  }
  // Each pack is judged on the room the card has now, what the packs before
  // it left there included: no total over the packs bounds it.
  const qint64 size = entry.size();
  if (size > kMaxWholeCopyFileBytes) {
    qWarning("voice pack %s does not fit on the card (it takes %lld KiB): refused", qUtf8Printable(source),
             size / 1024 + 1);
    AddPack(base, QString(), UnzipNoRoom);
    return index;
  }
  // Judged whole before a byte of it is written: the copy and what it
  // unpacks to never take the card below the room a model save asks for,
  // and a pack that cannot be unpacked takes none of the next one's.
  const KLX_Platform::VolumeInfo card = QueryVolume(m_UnzipDestination);
  const quint64 block = quint64(qMax<qint64>(card.blockSize, 1));
  const UnzipRefusal refusal = Judge(source, UnzipFolder(index), KLX_ZipListingRead(source, card.blockSize),
                                     InBlocks(quint64(size), block), card);
  if (refusal != UnzipUnpacked) {
    AddPack(base, QString(), refusal);
    return index;
  }
  // The stick's pack replaces one of its name kept there (an installed
  // voice's, or what a power cut left). A pack that grew on the stick since
  // it was judged is not copied.
  const QString copy = archiveFolder + name;
  bool noRoom = false;
  if (!CopyFileSafely(source, copy, true, size, &noRoom)) {
    qWarning(noRoom ? "voice pack %s does not fit on the card (it filled during the copy): refused"
                    : "voice pack %s cannot be copied onto the card: refused",
             qUtf8Printable(source));
    AddPack(base, QString(), noRoom ? UnzipNoRoom : UnzipFailed);
    return index;
  }
  AddPack(base, copy, UnzipUnpacked);
  return index;
}

void KLX_FileFunctions::KLX_FileFunctionsUnzipPack(int index) {
  if (index < 0 || index >= m_UnzippedNames.size() || m_UnzipRefusals.at(index) != UnzipUnpacked ||
      m_UnzippedArchives.at(index).isEmpty())
    return;
  m_UnzipRefusals[index] = Unpack(m_UnzippedArchives.at(index), UnzipFolder(index));
  // Its room is the next pack's.
  if (m_UnzipRefusals.at(index) != UnzipUnpacked) RemoveArchiveCopy(m_UnzippedArchives.at(index));
}

void KLX_FileFunctions::KLX_FileFunctionsReleasePack(int index) {
  if (index < 0 || index >= m_UnzippedNames.size() || m_Unpacking.isEmpty()) return;
  if (!m_UnzipInstalled.at(index)) {
    RemoveArchiveCopy(m_UnzippedArchives.at(index));
    m_UnzippedArchives[index].clear();
  }
  // What it unpacked, and the old version its new one replaced; one that
  // could not be put back stays.
  QStringList gone{UnzipFolder(index), UnzipFolder(index) + QStringLiteral(".new")};
  const QString voice = m_UnzippedNames.at(index);
  // Whether the voice in place is whole is read (each file's sum) only
  // when an old version was set aside.
  const QString aside = AsideFolder(m_Unpacking, voice);
  const QFileInfo asideEntry(aside);
  if ((asideEntry.exists() || asideEntry.isSymLink()) && VoiceInPlace(m_UnzipDestination, voice)) gone << aside;
  for (const QString& folder : qAsConst(gone)) {
    QString left;
    if (!KLX_FileCallsRemoveTree(folder, &left))
      qWarning("what voice pack %s.zip left in %s cannot be removed: %s stays", qUtf8Printable(voice),
               qUtf8Printable(folder), qUtf8Printable(left));
  }
}

void KLX_FileFunctions::RemoveArchiveCopy(const QString& archive) const {
  if (archive.isEmpty()) return;
  if (!KLX_FileCallsRemove(archive)) qWarning("voice pack %s cannot be removed from the card", qUtf8Printable(archive));
}

KLX_FileFunctions::UnzipRefusal KLX_FileFunctions::Judge(const QString& archive, const QString& into,
                                                          const KLX_ZipListing& listing, quint64 more,
                                                          const KLX_Platform::VolumeInfo& card) const {
  const QByteArray pack = archive.toUtf8();
  switch (listing.verdict) {
    case KLX_ZipListing::Unreadable:
      qWarning("voice pack %s is no zip archive that can be read: refused", pack.constData());
      return UnzipUnreadable;
    case KLX_ZipListing::Encrypted:
      qWarning("voice pack %s is encrypted: refused", pack.constData());
      return UnzipEncrypted;
    case KLX_ZipListing::UnknownMethod:
      qWarning("voice pack %s is packed with compression method %d, which unzip cannot read: refused",
               pack.constData(), listing.method);
      return UnzipUnknownMethod;
    case KLX_ZipListing::OtherArchive:
      qWarning("voice pack %s is a %s archive, which unzip cannot read: refused", pack.constData(), listing.kind);
      return UnzipOtherArchive;
    case KLX_ZipListing::Readable:
      break;
  }
  // Its list could not name them all: it would be refused after unpacking.
  // Files its list does not name are never installed (an archiver's own,
  // such as __MACOSX/): only then is the list itself read from the pack.
  if (listing.files > kMaxPackFiles && ListNamesTooMany(archive)) {
    qWarning("voice pack %s holds %llu files, more than its checksum list may name (%d): refused", pack.constData(),
             listing.files, KLX_MD5::kMaxEntries);
    return UnzipTooManyFiles;
  }
  const quint64 needed = Needed(listing, archive, into, more, card);
  const quint64 available = quint64(qMax<qint64>(card.bytesAvailable, 0));
  if (!card.valid || available < needed) {
    qWarning("voice pack %s does not fit on the card (it needs %llu KiB, %llu KiB are free): refused",
             pack.constData(), needed / 1024, available / 1024);
    return UnzipNoRoom;
  }
  return UnzipUnpacked;
}

quint64 KLX_FileFunctions::Needed(const KLX_ZipListing& listing, const QString& archive, const QString& into,
                                  quint64 more, const KLX_Platform::VolumeInfo& card) const {
  const quint64 block = quint64(qMax<qint64>(card.blockSize, 1));
  const QFileInfo pack(archive);
  const QString voice = pack.completeBaseName();
  // Each card folder the install adds entries to may grow by the clusters
  // their records take: what room a FAT folder has left cannot be seen (a
  // removed entry's records stay, and a new entry needs its own in one
  // run), so each is counted as full. The voice's folder in the voices,
  // and the marker in it (the listing counts what the pack puts there).
  quint64 growth = InBlocks(FatRecords(voice), block) + InBlocks(FatRecords(kInstallSourceFile + 1), block);
  // The archive's copy and the staged file it is written to
  // ("<name>.~vnXXXXXX") while it is still to come.
  if (more > 0)
    growth += InBlocks(FatRecords(pack.fileName()) + FatRecords(pack.fileName() + kTemporarySuffix), block);
  // In the unpack folder: the folder it is unpacked into, the new voice
  // built in its ".new", and an installed voice set aside. A new unpack
  // folder takes the clusters they fill with its own "." and "..", and an
  // entry in the folder above (what the folder unpacked into holds is the
  // listing's).
  const QString unpacked = QFileInfo(into).fileName();
  quint64 unpacking = FatRecords(unpacked) + FatRecords(unpacked + QStringLiteral(".new"));
  if (QFileInfo::exists(m_UnzipDestination + voice)) unpacking += FatRecords(voice + kAsideSuffix);
  growth += QFileInfo(m_Unpacking).isDir()
                ? InBlocks(unpacking, block)
                : InBlocks(kOwnRecords + unpacking, block) + InBlocks(FatRecords(kUnpackFolder + 1), block);
  // A block for the marker file's own data.
  return AddSaturated(AddSaturated(AddSaturated(listing.cardBytes, more), block + growth), quint64(kKeepFreeBytes));
}

KLX_FileFunctions::UnzipRefusal KLX_FileFunctions::Unpack(const QString& archive, const QString& into) const {
  const KLX_Platform::VolumeInfo card = QueryVolume(m_UnzipDestination);
  // What the pack unpacks to, from its own directory, before anything is
  // written: unzip would ask a terminal for a password, or fill the card
  // and ask whether to go on. Read again from the card's copy, which is
  // what unzip reads: a stick's file that changed after it was judged
  // cannot bring more than this listing allows.
  const KLX_ZipListing listing = KLX_ZipListingRead(archive, card.blockSize);
  const UnzipRefusal judged = Judge(archive, into, listing, 0, card);
  if (judged != UnzipUnpacked) return judged;
  const QByteArray pack = archive.toUtf8();
  const quint64 block = quint64(qMax<qint64>(card.blockSize, 1));
  const quint64 needed = Needed(listing, archive, into, 0, card);
  const quint64 available = quint64(qMax<qint64>(card.bytesAvailable, 0));
  const qint64 limitMs =
      qint64(qMin<quint64>(INT_MAX, quint64(kUnzipBaseMs) + listing.cardBytes / quint64(kUnzipCardBytesPerMs)));
  // Unzip writes what an entry holds, whatever the directory says of it.
  // No file may grow beyond the largest the directory declares: an entry
  // that lies is stopped at its first byte too many. Lying entries that
  // each stay within that size are ended by the watch once their files
  // together outgrow what the directory declares; it looks before unzip
  // can have filled the room the card has beyond what the pack needs (on a
  // card with less room than unzip writes in a millisecond, a look may come
  // late).
  KLX_Platform::RunOptions limits;
  limits.fileSizeLimit = qint64(qMin<quint64>(listing.largestFileBytes, quint64(LLONG_MAX) - 1)) + 1;
  // In bytes, or in the card's blocks: files just over a block's size
  // where the directory declares one file of their bytes together would
  // take twice its room.
  const auto beyondListing = [&listing](const FilesUnder& files) {
    return files.bytes > listing.unpackedBytes || files.largest > listing.largestFileBytes ||
           files.cardBytes > listing.fileCardBytes;
  };
  limits.lookMs = int(qBound<quint64>(1, (available - needed) / kUnzipFastestBytesPerMs, kUnzipLookMs));
  bool overran = false;
  const auto withinListing = [&] {
    overran = beyondListing(MeasureFiles(into, block));
    return !overran;
  };
  // Unzip starts in a folder emptied here: anything left in it would be
  // counted as the pack's.
  QString left;
  if (!KLX_FileCallsRemoveTree(into, &left) || !QDir().mkpath(into)) {
    qWarning("voice pack %s cannot be unpacked: %s cannot be cleared", pack.constData(),
             qUtf8Printable(left.isEmpty() ? into : left));
    return UnzipUncleared;
  }
  // Unzip's options come first: the archive name must not be read as a
  // member to extract.
  const int unzipped = KLX_Platform::RunWatched(QStringLiteral("unzip"), {"-o", UnzipArchive(archive), "-d", into},
                                                int(limitMs), withinListing, limits);
  const FilesUnder unpacked = MeasureFiles(into, block);
  overran = overran || beyondListing(unpacked);
  if (overran || unzipped != 0) {
    if (overran)
      qWarning("voice pack %s unpacks to more than its directory says: refused", pack.constData());
    else
      qWarning("voice pack %s cannot be unpacked: refused", pack.constData());
    KLX_FileCallsRemoveTree(into);
    return UnzipFailed;
  }
  if (!unpacked.onlyFilesAndFolders) {
    qWarning("voice pack %s holds a link: refused", pack.constData());
    KLX_FileCallsRemoveTree(into);
    return UnzipHoldsLink;
  }
  return UnzipUnpacked;
}

KLX_FileFunctions::UnzipRefusal KLX_FileFunctions::KLX_FileFunctionGetUnzipRefusal(int index) const {
  return m_UnzipRefusals.value(index, UnzipUnpacked);
}

QString KLX_FileFunctions::UnzipFolder(int index) const {
  return m_Unpacking.isEmpty() ? QString() : m_Unpacking + QLatin1Char('/') + QString::number(index);
}

QString KLX_FileFunctions::KLX_FileFunctionGetUnzippedFolder(int index) const {
  if (m_Unpacking.isEmpty() || index < 0 || index >= m_UnzippedNames.size()) return QString();
  return UnzipFolder(index) + QLatin1Char('/') + m_UnzippedNames.at(index);
}

bool KLX_FileFunctions::KLX_FileFunctionsInstallUnzipped(int index, const QStringList& files) {
  const QString unpacked = KLX_FileFunctionGetUnzippedFolder(index);
  if (unpacked.isEmpty() || KLX_FileFunctionGetUnzipRefusal(index) != UnzipUnpacked) return false;
  KLX_FileCalls& calls = KLX_FileCalls::Instance();
  // The new folder is what unzip made, less what the list does not name;
  // it takes the old one's place in one step.
  const QString built = UnzipFolder(index) + QStringLiteral(".new");
  if (!KeepOnly(unpacked, files) || !calls.Rename(unpacked, built)) return false;
  const QString marker = built + kInstallSourceFile;
  const QByteArray archive = m_UnzippedArchives.at(index).toUtf8();
  const int fd = calls.Remove(marker) ? calls.Create(marker) : -1;
  if (fd < 0) return false;
  const bool written = calls.Write(fd, archive.constData(), archive.size());
  if (!calls.Close(fd) || !written) return false;
  // unzip never syncs: every file and every folder of the new voice is on
  // the card before it takes the old one's place, with one flush of the
  // card's file system for all their data and every folder's entries.
  if (!calls.SyncFileSystem(built)) return false;
  const QString target = m_UnzipDestination + m_UnzippedNames.at(index);
  const QFileInfo old(target);
  if (!old.exists() && !old.isSymLink()) {
    if (!calls.Rename(built, target)) return false;
  } else {
    // A power cut leaves the old voice or the new one: the two folders are
    // exchanged in one step (the old one then goes with the unpack folder).
    switch (calls.Exchange(built, target)) {
      case KLX_FileCalls::Exchanged: break;
      case KLX_FileCalls::ExchangeFailed: return false;
      case KLX_FileCalls::ExchangeUnsupported: {
        // Without that step (vfat) the old one goes aside, on the card
        // before the new one moves in; a cut in between leaves it aside,
        // where the next start finds it and puts it back.
        const QString aside = AsideFolder(m_Unpacking, m_UnzippedNames.at(index));
        if (!calls.Rename(target, aside)) return false;
        if (!calls.SyncFolder(m_UnzipDestination) || !calls.SyncFolder(m_Unpacking) || !calls.Rename(built, target)) {
          if (calls.Rename(aside, target))
            calls.SyncFolder(m_UnzipDestination);
          else
            qWarning("voice %s cannot be put back from %s: it stays there", qUtf8Printable(m_UnzippedNames.at(index)),
                     qUtf8Printable(m_Unpacking));
          return false;
        }
        break;
      }
    }
    qDebug("  -> Deleted voice folder %s", qUtf8Printable(target));
  }
  // In its place: its archive stays, to go with it.
  m_UnzipInstalled[index] = true;
  return calls.SyncFolder(m_UnzipDestination);
}

QString KLX_FileFunctions::AsideFolder(const QString& unpacking, const QString& voice) {
  return unpacking + QLatin1Char('/') + voice + kAsideSuffix;
}

void KLX_FileFunctions::KLX_FileFunctionsRecoverVoices(const QString& destinationFolder) {
  const QString unpacking = KLX_FileFunctionsUnpackFolder(destinationFolder);
  const QStringList aside = QDir(unpacking).entryList({QStringLiteral("*") + kAsideSuffix},
                                                      QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
  KLX_FileCalls& calls = KLX_FileCalls::Instance();
  for (const QString& folder : aside) {
    const QString voice = folder.chopped(int(qstrlen(kAsideSuffix)));
    const QByteArray name = voice.toUtf8();
    const QFileInfo place(destinationFolder + voice);
    // Its new version took its place: the old one goes with the unpack folder.
    if (!KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(voice) || VoiceInPlace(destinationFolder, voice)) continue;
    const bool strayFolder = place.isDir() && !place.isSymLink();
    // Anything else than a folder (a file, a link) may be the pilot's: the
    // voice stays aside, for the next try.
    if (!strayFolder && (place.exists() || place.isSymLink())) {
      qWarning("voice %s cannot be put back from %s: something else stands in its place; it stays there",
               name.constData(), qUtf8Printable(unpacking));
      continue;
    }
    // A folder that is no whole voice (made after the cut: empty, or a part
    // of one) goes first into the unpack folder, so that a cut in between
    // leaves the voice aside and nothing in its place.
    const QString stray = unpacking + QLatin1Char('/') + voice + kStraySuffix;
    const int entries =
        strayFolder ? QDir(place.filePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size()
                    : 0;
    if (strayFolder && (!KLX_FileCallsRemoveTree(stray) || !calls.Rename(place.filePath(), stray))) {
      qWarning("voice %s cannot be put back from %s: the folder in its place cannot be moved; it stays there",
               name.constData(), qUtf8Printable(unpacking));
      continue;
    }
    if (calls.Rename(unpacking + QLatin1Char('/') + folder, place.filePath()) && calls.SyncFolder(destinationFolder))
      qInfo("voice %s put back: the install of its new version was cut short", name.constData());
    else
      qWarning("voice %s cannot be put back from %s: it stays there", name.constData(), qUtf8Printable(unpacking));
    if (!strayFolder) continue;
    if (KLX_FileCallsRemoveTree(stray))
      qInfo("voice %s: the folder that stood in its place held no whole voice (%d entries) and is removed",
            name.constData(), entries);
    else
      qWarning("voice %s: the folder that stood in its place held no whole voice and is left in %s", name.constData(),
               qUtf8Printable(stray));
  }
}

void KLX_FileFunctions::KLX_FileFunctionsDropUnzipped() {
  for (int i = 0; i < m_UnzippedArchives.size(); ++i)
    if (!m_UnzipInstalled.at(i)) RemoveArchiveCopy(m_UnzippedArchives.at(i));
  // Forgotten, so that the next unpack's copies are its own.
  m_UnzippedNames.clear();
  m_UnzippedArchives.clear();
  m_UnzipRefusals.clear();
  m_UnzipInstalled.clear();
  if (m_Unpacking.isEmpty()) return;
  ClearUnpackFolder(m_Unpacking, m_UnzipDestination);
  m_Unpacking.clear();
}

QString KLX_FileFunctions::KLX_FileFunctionGetUnzippedName(int index) const {
  return m_UnzippedNames.value(index);
}

QString KLX_FileFunctions::KLX_FileFunctionsUnpackFolder(const QString& destinationFolder) {
  return QFileInfo(QDir::cleanPath(destinationFolder)).path() + kUnpackFolder;
}

int KLX_FileFunctions::KLX_FileFunctionsTellUnnamed(const QString& folder, const QString& filter) {
  std::vector<QByteArray> names;
  NamesIn(folder, &names);
  const QByteArray pattern = QFile::encodeName(filter);
  int told = 0;
  for (const QByteArray& name : names) {
    QString text;
    const bool matches = filter.isEmpty() || ::fnmatch(pattern.constData(), name.constData(), FNM_CASEFOLD) == 0;
    if (AsText(name, &text) || !matches) continue;
    // Its bytes shown as they are where they are plain ASCII.
    QByteArray shown;
    for (const char c : name)
      shown += c > ' ' && c < 0x7F ? QByteArray(1, c)
                                   : "\\x" + QByteArray::number(quint8(c), 16).rightJustified(2, '0');
    qWarning("%s holds an entry whose name is no UTF-8 text (%s): left out", qUtf8Printable(folder),
             shown.constData());
    ++told;
  }
  return told;
}

QString KLX_FileFunctions::KLX_FileFunctionsBoardPath(const QString& path) {
  const QString root = KLX_Platform::Root();
  return !root.isEmpty() && path.startsWith(root + QLatin1Char('/')) ? path.mid(root.size()) : path;
}

QString KLX_FileFunctions::KLX_FileFileFunctionsGetTimeSuffix() const {
  const QDateTime now = QDateTime::currentDateTime();
  auto two = [](int value) { return QString::number(value).rightJustified(2, QLatin1Char('0')); };
  return QStringLiteral("_%1%2%3_%4%5%6")
      .arg(two(now.time().hour()), two(now.time().minute()), two(now.time().second()),
           two(now.date().day()), two(now.date().month()), two(now.date().year() % 100));
}
