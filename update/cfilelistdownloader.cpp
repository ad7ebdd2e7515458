#include "update/cfilelistdownloader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "frame/klx_debuglog.h"
#include "frame/klx_filecalls.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_version.h"
#include "update/klx_appinstall.h"
#include "update/klx_md5.h"
#include "update/cupdateurl.h"

namespace {
// A file not yet downloaded is the usual case, not worth a warning.
bool Present(const QString& path, const QString& digest) {
  return QFileInfo::exists(path) && CDownloaderTsk::CheckFile(path, digest);
}
}  // namespace

CFileListDownloader::CFileListDownloader(const QString& listName, const QString& remotePath,
                                         const QString& finalFolder, const QString& tmpFolder,
                                         QNetworkAccessManager* nam, QObject* parent)
    : CUpdateDownloaderBase(parent),
      m_ListName(listName),
      m_TmpFolder(KLX_FileNameHandler::KLX_FileNameHandlerMapPath(tmpFolder + "/")),
      m_RemotePath(remotePath + "/"),
      m_FinalFolder(KLX_FileNameHandler::KLX_FileNameHandlerMapPath(finalFolder + "/")) {
  Q_UNUSED(nam)
  connect(this, &CDownloaderTsk::sigComplete, this, &CFileListDownloader::onFileDownloadComplete);
  connect(this, &CDownloaderTsk::Progress, this, &CFileListDownloader::onProgress);
}

CFileListDownloader::~CFileListDownloader() { deleteFileListObj(m_List); }

bool CFileListDownloader::selectForDownload(permissions_t permissions) {
  qCDebug(lcVornDebug, "selectForDownload()");
  return CUpdateDownloaderBase::selectForDownload(m_RemotePath, permissions);
}

void CFileListDownloader::deleteFileListObj(CFileList*& list) {
  delete list;
  list = nullptr;
}

void CFileListDownloader::DeleteTmpFolder() { QDir(m_TmpFolder).removeRecursively(); }

bool CFileListDownloader::_downloadUpdate(QNetworkAccessManager* nam) {
  if (m_ListState != ls_Idle) return false;
  deleteFileListObj(m_List);
  m_List = createFileListObj();
  m_BytesDone = 0;
  m_CurrentSize = 0;
  m_ListTotal = 0;
  m_ListState = ls_List;
  const QUrl url = UpdateFileUrl(source(), m_ListName);
  m_ListFile = m_TmpFolder + url.fileName();
  m_CurrentTarget = m_ListFile;
  // A card too small counts as none: nothing is copied onto it and nothing
  // asked, and the pilot is told why at once. The run ends in its own
  // thread, as every run does.
  if (KLX_UpdateCardTooSmall(QStringLiteral("update ") + m_ListName)) {
    QMetaObject::invokeMethod(this, [this] { refuseSmallCard(); }, Qt::QueuedConnection);
    return true;
  }
  if (!beginDownload(nam, url, m_ListFile, QString(), CTransferWatch::kListBytesMax)) {
    m_ListState = ls_Idle;
    return false;
  }
  return true;
}

void CFileListDownloader::refuseSmallCard() {
  // An abort ended the run already.
  if (m_ListState != ls_List) return;
  m_ListState = ls_Idle;
  deleteFileListObj(m_List);
  taskComplete(m_ListFile, Err_CardTooSmall, false);
}

void CFileListDownloader::onFileDownloadComplete(int error) {
  const int state = m_ListState;
  if (state == ls_List) {
    if (error != Err_NoErrors || !m_List) {
      qWarning("    Error: %d%s", error, m_List ? "" : ", m_List == nullptr!");
      downloadComplete(m_ListFile, error == Err_NotFound || error == Err_NotEnoughMemory ? error : Err_Failed, false);
      return;
    }
    QFile file(m_ListFile);
    bool loaded = file.open(QIODevice::ReadOnly) && m_List->Load(&file, m_ListName);
    file.close();
    if (!loaded) {
      qWarning("    Error: the list not loaded, m_List->Load() returned false");
    } else {
      // Every name is joined to the temporary and the final folder: one
      // that would leave them makes the whole list unusable.
      for (CFileListItem* item = m_List->First(); item; item = m_List->Next()) {
        if (!KLX_MD5::KLX_MD5NameStaysInside(item->path)) {
          qWarning("    Error: the list names a file outside its folder: %s", qUtf8Printable(item->path));
          loaded = false;
          break;
        }
      }
    }
    if (!loaded) {
      downloadComplete(m_ListFile, Err_NotFound, false);
      return;
    }
    m_ListTotal = m_List->TotalSize();
    if (isUserDecisionRequired())
      UserDecisionRequired(reason_AlreadyInstalled);
    else
      beginListDownload();
    return;
  }
  if (state == ls_Files || state == ls_WaitUser) {
    if (error == Err_NoErrors) {
      m_BytesDone = CFileList::AddSizes(m_BytesDone, m_CurrentSize);
      if (!beginDownloadNext(false)) downloadComplete(m_ListFile, m_StartFailed ? Err_Failed : Err_NoErrors, false);
      return;
    }
    downloadComplete(m_ListFile,
                     error == Err_NotEnoughMemory ? Err_NotEnoughMemory : error == Err_Md5 ? Err_Transfer : Err_Failed,
                     false);
    return;
  }
  downloadComplete(m_ListFile, Err_Failed, false);
}

qint64 CFileListDownloader::takeStock() {
  qint64 missing = 0;
  for (CFileListItem* item = m_List ? m_List->First() : nullptr; item; item = m_List->Next()) {
    item->installed = Present(m_FinalFolder + item->path, item->digest);
    item->fetched = !item->installed && Present(m_TmpFolder + item->path, item->digest);
    if (!item->installed && !item->fetched) missing = CFileList::AddSizes(missing, item->size);
  }
  return missing;
}

void CFileListDownloader::beginListDownload() {
  // The card takes what the list announces, or nothing of it is fetched:
  // a card that fills on the way holds a broken half of the update.
  const qint64 missing = takeStock();
  if (missing > 0 && !CTransferWatch::CardTakes(m_TmpFolder, missing)) {
    qWarning("no room on the card for the %lld bytes of the update", missing);
    downloadComplete(m_ListFile, Err_NotEnoughMemory, false);
    return;
  }
  if (!beginDownloadNext(true)) {
    downloadComplete(m_ListFile, m_StartFailed ? Err_Failed : Err_NoErrors, false);
    return;
  }
  m_ListState = ls_Files;
  // How far, from the start of the files on: a first file that brings
  // nothing for a while is still a download under way.
  if (m_ListTotal != 0) emit sigProgress(QString(), m_BytesDone, m_ListTotal);
}

bool CFileListDownloader::beginDownloadNext(bool first) {
  m_StartFailed = false;
  if (!m_List) return false;
  for (CFileListItem* item = first ? m_List->First() : m_List->Next(); item; item = m_List->Next()) {
    // Found by the stock taken before the first file: each file is hashed once.
    if (item->installed || item->fetched) {
      m_BytesDone = CFileList::AddSizes(m_BytesDone, item->size);
      continue;
    }
    const QString target = m_TmpFolder + item->path;
    QFile::remove(target);
    m_CurrentTarget = target;
    m_CurrentSize = item->size;
    // A body longer than the list's size for it is no file of the update.
    if (beginDownload(nullptr, UpdateFileUrl(source(), item->path), target, item->digest, item->size)) return true;
    m_StartFailed = true;
    return false;
  }
  return false;
}

void CFileListDownloader::downloadComplete(QString name, error_t error, bool present) {
  const int state = m_ListState;
  m_ListState = ls_Idle;
  error_t result = error;
  if (error != Err_NoErrors && !(error == Err_Aborted && state == ls_WaitUser)) {
    // What arrived stays: the next run finds it by its digest. The file
    // named is the one whose transfer ended it, the list or a listed file.
    qWarning("download %s completed with an error: %d", qUtf8Printable(m_CurrentTarget), error);
  } else {
    result = moveFolderContent(m_TmpFolder, m_FinalFolder);
    if (result == Err_NoErrors) DeleteTmpFolder();
  }
  deleteFileListObj(m_List);
  if (result == Err_NoErrors && beginUpdate()) return;
  taskComplete(name, result, present);
}

CUpdateDownloaderBase::error_t CFileListDownloader::moveFolderContent(const QString& from, const QString& to) {
  error_t result = Err_NoErrors;
  if (!m_List) return Err_Failed;
  KLX_FileCalls& calls = KLX_FileCalls::Instance();
  QStringList folders;
  for (CFileListItem* item = m_List->First(); item; item = m_List->Next()) {
    if (item->installed) continue;
    // The file's data is on the card before its new name is; the rename
    // replaces an older file in one step.
    const QString target = to + item->path;
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(from + item->path);
    const bool synced = file.open(QIODevice::ReadOnly) && calls.SyncData(file.handle());
    file.close();
    if (!synced || !calls.Rename(from + item->path, target)) {
      qCritical("        the file %s cannot be movied!", qUtf8Printable(item->path));
      result = Err_Failed;
      continue;
    }
    const QString folder = KLX_FileCalls::FolderOf(target);
    if (!folders.contains(folder)) folders << folder;
  }
  for (const QString& folder : folders)
    if (!calls.SyncFolder(folder)) result = Err_Failed;
  return result;
}

void CFileListDownloader::Resume(reason_t reason) {
  if (m_ListState == ls_WaitUser && reason == reason_AlreadyInstalled) beginListDownload();
}

void CFileListDownloader::UserDecisionRequired(reason_t reason) {
  m_ListState = ls_WaitUser;
  CUpdateDownloaderBase::UserDecisionRequired(reason);
}

void CFileListDownloader::onAborted(bool aborted) {
  CUpdateDownloaderBase::onAborted(aborted);
  if (m_ListState == ls_WaitUser) {
    // The pilot's answer to the question before the install: no transfer
    // went wrong.
    qInfo("update %s: the pilot aborted it at the question before its install", qUtf8Printable(m_ListName));
    downloadComplete(m_ListFile, Err_Aborted, false);
    return;
  }
  // An aborted transfer may have ended the run already.
  if (m_ListState != ls_Idle) downloadComplete(m_ListFile, aborted ? Err_Aborted : Err_Failed, false);
}

void CFileListDownloader::onProgress(qlonglong bytesReceived, qlonglong bytesTotal) {
  Q_UNUSED(bytesTotal)
  if (m_ListTotal != 0) {
    emit sigProgress(QString(), CFileList::AddSizes(m_BytesDone, bytesReceived), m_ListTotal);
  } else if (m_ListState == ls_Files) {
    Progress(QFileInfo(m_CurrentTarget).fileName());
  } else {
    emit sigProgress(QString(), 0, 0);
  }
}

void CFileListDownloader::Progress(QString txt) { emit sigProgress(txt, 0, 0); }

bool CSystemUpdateDownloader::isUserDecisionRequired() {
  auto* list = dynamic_cast<CSysUpdateFileList*>(m_List);
  if (!list || list->Count() == 0) return false;
  if (!list->LinuxVersion().IsValid()) {
    qDebug("linux version is invalid!");
    return false;
  }
  const Info& info = Info::Instance();
  CVersion linux;
  if (info.LinuxVersionValid()) linux.Set(info.LinuxMajor(), info.LinuxMinor());
  CVersion app;
  if (!info.AppVersionText().isEmpty()) app.Set(info.AppMajor(), info.AppMinor());
  qDebug("sys version new: %s, installed: %s", qUtf8Printable(list->LinuxVersion().toString()),
         qUtf8Printable(linux.toString()));
  qDebug("app version new: %s, installed: %s", qUtf8Printable(list->AppVersion().toString()),
         qUtf8Printable(app.toString()));
  return linux.IsValid() && linux == list->LinuxVersion() && list->AppVersion().IsValid() &&
         list->AppVersion() == app;
}
