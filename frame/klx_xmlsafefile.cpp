#include "frame/klx_xmlsafefile.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filecalls.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmltextwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {
constexpr int kSuffixLength = 6;
constexpr int kOpenAttempts = 16;
const char kSuffixCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// Carried by every staged file's name, before its random part: no name of
// the pilot's has it, so a cleanup can never take one of his files. Short,
// as each 13 characters of a long name cost the card's folder a record.
const char kStagedMarker[] = ".~vn";

// The staged files being written now, by name (with how many writers hold
// it: two folders may hold the same), and the folders cleared of what cut
// saves left in this run.
struct Staging {
  QMutex mutex;
  QHash<QString, int> live;
  QSet<QString> cleared;
};

Staging& TheStaging() {
  static Staging staging;
  return staging;
}

QString StagedName(const QString& path) {
  QString suffix = QLatin1String(kStagedMarker);
  for (int i = 0; i < kSuffixLength; ++i)
    suffix += QLatin1Char(kSuffixCharacters[QRandomGenerator::global()->bounded(int(sizeof(kSuffixCharacters) - 1))]);
  return path + suffix;
}

QString NameOf(const QString& path) { return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1); }

const QRegularExpression& StagedPattern() {
  static const QRegularExpression pattern(
      QStringLiteral("^.+%1[A-Za-z0-9]{%2}$").arg(QRegularExpression::escape(QLatin1String(kStagedMarker))).arg(kSuffixLength));
  return pattern;
}

// Removes the names of `folder` that `own` matches, but those being
// written now; with the staging locked.
int RemoveMatching(const QString& folder, const QRegularExpression& own, const Staging& staging) {
  int removed = 0;
  const QDir dir(folder);
  for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
    if (own.match(name).hasMatch() && !staging.live.contains(name) &&
        KLX_FileCalls::Instance().Remove(dir.filePath(name)))
      ++removed;
  return removed;
}

// Clears `folder` before its first write of the run; a stick's before each,
// as another stick may stand in its place under the same name.
void ClearOnce(const QString& folder) {
  const QString key = QDir::cleanPath(folder);
  Staging& staging = TheStaging();
  QMutexLocker lock(&staging.mutex);
  if (staging.cleared.contains(key)) return;
  RemoveMatching(key, StagedPattern(), staging);
  const QString media = QDir::cleanPath(KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QStringLiteral("/media")));
  if (key != media && !key.startsWith(media + QLatin1Char('/'))) staging.cleared.insert(key);
}
}  // namespace

KLX_XMLSafeFile::~KLX_XMLSafeFile() {
  // A save that was not committed leaves nothing, unless it stands for a cut.
  KLX_FileCalls& calls = KLX_FileCalls::Instance();
  if (m_Fd >= 0) calls.Close(m_Fd);
  if (!m_Cut && !m_Temporary.isEmpty()) calls.Remove(m_Temporary);
  Unlist();
}

void KLX_XMLSafeFile::Unlist() {
  if (m_Temporary.isEmpty()) return;
  Staging& staging = TheStaging();
  QMutexLocker lock(&staging.mutex);
  const auto held = staging.live.find(NameOf(m_Temporary));
  if (held != staging.live.end() && --held.value() <= 0) staging.live.erase(held);
}

bool KLX_XMLSafeFile::Failed() {
  m_NoRoom = m_NoRoom || errno == ENOSPC || errno == EDQUOT;
  return false;
}

bool KLX_XMLSafeFile::Open() {
  m_Buffer.open(QIODevice::WriteOnly);
  ClearOnce(KLX_FileCalls::FolderOf(m_Path));
  errno = 0;
  for (int attempt = 0; attempt < kOpenAttempts && m_Fd < 0; ++attempt) {
    m_Temporary = StagedName(m_Path);
    // Named as being written before it exists: no cleanup takes it.
    {
      QMutexLocker lock(&TheStaging().mutex);
      ++TheStaging().live[NameOf(m_Temporary)];
    }
    m_Fd = KLX_FileCalls::Instance().Create(m_Temporary);
    if (m_Fd >= 0) break;
    const int error = errno;
    Unlist();
    errno = error;
  }
  if (m_Fd >= 0) return true;
  m_Temporary.clear();
  return Failed();
}

bool KLX_XMLSafeFile::Write(const char* data, qint64 size) {
  if (m_Fd < 0 || m_Failed) return false;
  errno = 0;
  m_Failed = !KLX_FileCalls::Instance().Write(m_Fd, data, size);
  return m_Failed ? Failed() : true;
}

void KLX_XMLSafeFile::StartWriteback() {
  if (m_Fd >= 0 && !m_Failed) KLX_FileCalls::Instance().StartWriteback(m_Fd);
}

void KLX_XMLSafeFile::FinishWriteback() {
  if (m_Fd >= 0 && !m_Failed) KLX_FileCalls::Instance().FinishWriteback(m_Fd);
}

bool KLX_XMLSafeFile::Prepare() {
  if (m_Fd < 0) return false;
  KLX_FileCalls& calls = KLX_FileCalls::Instance();
  if (!m_Text.isEmpty() && !Write(m_Text.constData(), m_Text.size())) return false;
  if (s_BeforeRename && !s_BeforeRename(m_Path)) {
    calls.Close(m_Fd);
    m_Fd = -1;
    m_Cut = true;
    return false;
  }
  // One sync of the data before the name points at it; the folder's sync
  // after the rename makes the new name last. Either may be the first to
  // learn that the medium has no room for what was written.
  errno = 0;
  const bool synced = !m_Failed && (calls.SyncData(m_Fd) || Failed());
  const bool closed = calls.Close(m_Fd) || Failed();
  m_Fd = -1;
  m_Prepared = synced && closed;
  return m_Prepared;
}

bool KLX_XMLSafeFile::Place() {
  if (!m_Prepared) return false;
  m_Prepared = false;
  KLX_FileCalls& calls = KLX_FileCalls::Instance();
  // The file replaced stays open across the rename: its blocks are freed
  // only when the last hold on it goes, and freeing a model file's blocks
  // can take milliseconds (a card mounted with discard trims each of them).
  // A thread of its own lets go of it once the new file lasts, so the save
  // does not wait for it.
  // A link in its place is replaced, not what it names: that is not held.
  const int replaced = ::open(QFile::encodeName(m_Path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
  const auto release = [replaced] {
    if (replaced < 0) return;
    ++s_Releasing;
    const auto letGo = [replaced] {
      ::close(replaced);
      --s_Releasing;
    };
    try {
      std::thread(letGo).detach();
    } catch (const std::system_error&) {
      letGo();  // no thread to be had: the save waits after all
    }
  };
  // Either step may find no room: a FAT folder whose clusters are full
  // takes no further name record when the card has no cluster left.
  errno = 0;
  if (!calls.Rename(m_Temporary, m_Path)) {
    Failed();
    release();
    return false;
  }
  Unlist();
  m_Temporary.clear();
  errno = 0;
  const bool lasts = calls.SyncFolder(KLX_FileCalls::FolderOf(m_Path)) || Failed();
  release();
  return lasts;
}

int KLX_XMLSafeFile::RemoveLeftovers(const QString& path) {
  const QFileInfo target(path);
  const QRegularExpression own(QStringLiteral("^%1(%2)[A-Za-z0-9]{%3}$")
                                   .arg(QRegularExpression::escape(target.fileName()),
                                        QRegularExpression::escape(QLatin1String(kStagedMarker)) + QStringLiteral("|\\."))
                                   .arg(kSuffixLength));
  Staging& staging = TheStaging();
  QMutexLocker lock(&staging.mutex);
  return RemoveMatching(target.absolutePath(), own, staging);
}

bool KLX_XMLSafeFile::IsStaged(const QString& fileName) { return StagedPattern().match(fileName).hasMatch(); }

int KLX_XMLSafeFile::RemoveStaged(const QString& folder) {
  const QString key = QDir::cleanPath(folder);
  Staging& staging = TheStaging();
  QMutexLocker lock(&staging.mutex);
  staging.cleared.insert(key);
  return RemoveMatching(key, StagedPattern(), staging);
}

int KLX_XMLSaveDeviceFile(const QString& path, bool ready, const KLX_XMLSaveReports& reports,
                          const std::function<void(KLX_XMLTextWriter*)>& build) {
  KLX_XMLSafeFile file(path);
  const int prepared = KLX_XMLPrepareDeviceFile(file, ready, reports, build);
  return prepared == KLX_Ok ? KLX_XMLPlaceDeviceFile(file, reports) : prepared;
}

namespace {
// The old file stays; the save counts as failed.
int FlushFailed(const KLX_XMLSaveReports& reports) {
  const QString name = QString::fromLatin1(reports.fileName);
  KLXErrorHandler.RegisterError(reports.flushCode,
                                name + QStringLiteral(" file buffer could not be flushed and isn't closed"));
  return KLX_Error;
}
}  // namespace

int KLX_XMLPrepareDeviceFile(KLX_XMLSafeFile& file, bool ready, const KLX_XMLSaveReports& reports,
                             const std::function<void(KLX_XMLTextWriter*)>& build) {
  if (!ready || !file.Open()) {
    const QString name = QString::fromLatin1(reports.fileName);
    KLXErrorHandler.RegisterError(reports.openCode, name + QStringLiteral(" file could not be open for writing"));
    return KLX_Error;
  }
  KLX_XMLTextWriter writer;
  build(&writer);
  writer.EndDocument();
  if (!file.Write(writer.Data(), writer.Size())) {
    KLXErrorHandler.RegisterError(reports.writeCode, QStringLiteral("vorn writer has an error"));
    return KLX_Error;
  }
  return file.Prepare() ? int(KLX_Ok) : FlushFailed(reports);
}

int KLX_XMLPlaceDeviceFile(KLX_XMLSafeFile& file, const KLX_XMLSaveReports& reports) {
  return file.Place() ? int(KLX_Ok) : FlushFailed(reports);
}
