// The runtime read-outs of the model screens: the model files of a folder,
// the model folders, a model's picture, the element the last unit-load task
// created, and the removal of an installed voice package.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <cstring>

#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_taskrecords.h"

#include "frame/klx_filecalls.h"
#include "update/klx_filefunctions.h"

namespace {
// A model folder as a task record carries it: "/Vorn/Model/" and its name.
const char kModelAreaBoardPath[] = "/Vorn/Model/";
// A listing is looked at only with 1 to 255 entries.
constexpr int kMaxListing = 255;
const char* const kPictureExtensions[] = {".png", ".gif", ".jpg", ".jpeg"};

// A name that is no UTF-8 names nothing to delete: the listing passes over
// it, the log says so.
QStringList Listing(const QString& folder, QDir::Filters filters) {
  const QStringList entries = QDir(folder).entryList(filters | QDir::NoDotAndDotDot, QDir::Unsorted);
  KLX_FileFunctions::KLX_FileFunctionsTellUnnamed(folder);
  return entries.size() <= kMaxListing ? entries : QStringList();
}

// The picture's bytes land in a temporary file of the folder first, which
// replaces the old picture in one step.
bool CopyWhole(const QString& source, const QString& target) {
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = in.readAll();
  return in.error() == QFileDevice::NoError && KLX_FileCallsWriteWhole(target, bytes);
}
}  // namespace

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseCreateModelList(int modeltyp) {
  return KLX_RuntimeDatabaseCreateModelList(modeltyp, QString());
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseCreateModelList(int modeltyp, QString fldrPath) {
  m_ModelEntries.clear();
  // A folder below the model root comes by its name there; one that the
  // screens already hold as a path is taken as it is.
  QString folder = fldrPath;
  if (modeltyp == 0 && !fldrPath.startsWith(QLatin1Char('/')))
    folder = fldrPath.isEmpty() ? QString() : m_Names.KLX_FileNameHandlerGetModelFilePath(0, fldrPath, true);
  const QString checked = m_Names.KLX_FileNameHandlerCheckModelFolder(modeltyp, modeltyp == 0 ? folder : QString());
  if (checked.isEmpty()) return KLX_Ok;
  m_ModelEntries = QDir(checked).entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
  return KLX_Ok;
}

bool KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseIsValidModelName(QString name, bool folder) const {
  // A longer text would be cut in the task record, on a name nobody chose.
  const int room = KLX_TASK_TEXT_BYTES - 1 - (folder ? int(std::strlen(kModelAreaBoardPath)) : 0);
  return KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(name) && name.toUtf8().size() <= room;
}

QString KLX_RuntimeDatabaseManager::KLX_FolderGetTopModelFilePath() const {
  return m_Names.KLX_FileNameHandlerGetTopModelFilePath();
}

QString KLX_RuntimeDatabaseManager::KLX_FolderGetModelFilePath(int modeltyp) const {
  return m_Names.KLX_FileNameHandlerGetModelFilePath(modeltyp, QString(), false);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseSetUnitNewIndex(int kind, int index) {
  QMutexLocker lock(&m_UnitMutex);
  m_NewUnitKind = kind;
  m_NewUnitIndex = index;
  return KLX_Ok;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseGetUnitNewIndex(int kind) const {
  QMutexLocker lock(&m_UnitMutex);
  return kind == m_NewUnitKind && m_NewUnitKind != KLX_Error ? m_NewUnitIndex : int(KLX_Error);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerAssignNewPictureToModel(QString imgFilePath, QString imgFile,
                                                                                   QString fldrPath,
                                                                                   QString modelName) {
  if (!KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(imgFile) ||
      !KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(modelName))
    return KLX_Error;
  const QString source = KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(imgFilePath + QLatin1Char('/') + imgFile);
  const QString folder = m_Names.KLX_FileNameHandlerCheckModelFolder(0, fldrPath);
  if (source.isEmpty() || folder.isEmpty()) return KLX_Error;
  const QString pictures = QDir::cleanPath(folder + m_Names.KLX_FileNameHandlerGetPicFolder());
  if (!QFileInfo(pictures).isDir()) QDir().mkpath(pictures);
  if (!QFileInfo(pictures).isDir()) return KLX_Error;

  const QFileInfo chosen(source);
  const QString extension = imgFile.mid(chosen.completeBaseName().size());
  const QString base = QFileInfo(pictures).absoluteFilePath() + QLatin1Char('/') + modelName;
  const QString target = base + extension;
  // The model's own picture chosen again: it stays as it is.
  const QFileInfo existing(target);
  const bool same = existing.exists() && chosen.canonicalFilePath() == existing.canonicalFilePath();
  // The model's pictures of other kinds go; the one of this kind is
  // replaced by the copy, never removed before it.
  for (const char* other : kPictureExtensions) {
    const QString path = base + QLatin1String(other);
    if (path == target || !QFileInfo::exists(path)) continue;
    KLX_FileCallsRemove(path);
  }
  if (same) return KLX_Ok;
  return CopyWhole(chosen.absoluteFilePath(), target) ? int(KLX_Ok) : int(KLX_Error);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseFindVoiceFolderAndDelete(QString filename) {
  if (!KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(filename)) return KLX_Error;
  const QString voices = m_Names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath();
  const QString wanted = filename + QStringLiteral(".inf");
  QString found;
  for (const QString& a : Listing(voices, QDir::Dirs)) {
    const QString folderA = voices + a;
    for (const QString& b : Listing(folderA, QDir::Dirs)) {
      if (Listing(folderA + QLatin1Char('/') + b, QDir::Files).contains(wanted)) {
        found = a;
        break;
      }
    }
    if (!found.isEmpty()) break;
  }
  if (found.isEmpty()) return KLX_Error;
  const QString folder = voices + found;
  // Its own package goes with it, nothing else: the marker file in the
  // folder names the archive, but whatever a pack unpacked may have written
  // it.
  const QString package = m_Names.KLX_FileNameHandlerGetVoicePackagesFilePath() + found + QStringLiteral(".zip");
  if (QFileInfo(package).isFile() && KLX_FileCallsRemove(package))
    qInfo("  -> Deleted voice file %s", qUtf8Printable(package));
  // A folder that is a link goes as a link; deleted once the voices
  // folder says so on the card.
  return KLX_FileCallsRemoveTree(folder) && KLX_FileCalls::Instance().SyncFolder(voices) ? int(KLX_Done)
                                                                                        : int(KLX_Error);
}
