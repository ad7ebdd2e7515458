#include "update/creceiversupdatedownloader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "frame/klx_board.h"
#include "frame/klx_debuglog.h"
#include "frame/klx_filecalls.h"
#include "frame/klx_filenamehandler.h"
#include "update/cupdateurl.h"
#include "update/klx_md5.h"

namespace {
const char kEntryStart[] = "<td><a href=\"";
const char kEntryMiddle[] = "\">";
const char kEntryEnd[] = "</a></td>";
constexpr int kStartLength = 13;
constexpr int kMiddleLength = 2;
constexpr int kEndLength = 9;

QString ReceiversFolder() {
  const QByteArray folder = Board::m_Instance ? Board::m_Instance->ReceiversFolderGet() : Board().ReceiversFolderGet();
  return KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QString::fromUtf8(folder));
}

QString ReceiversListName() {
  return QString::fromUtf8(Board::m_Instance ? Board::m_Instance->ReceiversListGet() : Board().ReceiversListGet());
}

// A bare file name from a listing or a catalogue: it is joined to our
// folders, so it must not name another folder.
bool IsPlainFileName(const QString& name) {
  return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
         !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

// Writes `to` as a whole copy of `from` or leaves it as it was.
bool ReplaceWithCopy(const QString& from, const QString& to) {
  QFile source(from);
  if (!source.open(QIODevice::ReadOnly)) return false;
  return KLX_FileCallsWriteWhole(to, source.readAll());
}
}  // namespace

// ---- the listing parser -----------------------------------------------------------------------

void CHTTPParser::Reset() {
  m_State = st_Start;
  m_Position = 0;
  m_Name.clear();
}

void CHTTPParser::AppendChar(char c) {
  switch (m_State) {
    case st_Start:
      if (c == kEntryStart[m_Position]) {
        if (++m_Position == kStartLength) {
          m_State = st_Name;
          m_Position = 0;
        }
      } else {
        m_Position = 0;
      }
      break;
    case st_Name:
      if (c == kEntryMiddle[m_Position]) {
        if (++m_Position == kMiddleLength) {
          m_State = st_Repeat;
          m_Position = 0;
        }
      } else {
        m_Name.append(c);
        m_Position = 0;
      }
      break;
    case st_Repeat: {
      const int length = m_Name.size();
      const bool match = m_Position < length ? c == m_Name.at(m_Position)
                                             : c == kEntryEnd[m_Position - length];
      if (!match) {
        Reset();
        break;
      }
      if (++m_Position == length + kEndLength) m_State = st_Complete;
      break;
    }
    default:
      break;
  }
}

// ---- the download sequence --------------------------------------------------------------------

CFileListDownloaderBase::CFileListDownloaderBase(const QString& remoteBase, const QString& tmpFolder,
                                                 QObject* parent)
    : CUpdateDownloaderBase(parent),
      m_RemoteBase(remoteBase),
      m_TmpFolder(KLX_FileNameHandler::KLX_FileNameHandlerMapPath(tmpFolder)) {
  connect(this, &CDownloaderTsk::sigComplete, this, &CFileListDownloaderBase::onFileDownloadComplete);
  connect(this, &CDownloaderTsk::Progress, this, &CFileListDownloaderBase::onProgress);
}

bool CFileListDownloaderBase::selectForDownload(permissions_t permissions) {
  qCDebug(lcVornDebug, "selectForDownload()");
  return CUpdateDownloaderBase::selectForDownload(m_RemoteBase, permissions);
}

bool CFileListDownloaderBase::_downloadUpdate(QNetworkAccessManager* nam) {
  if (m_ListState != ls_Idle) return false;
  m_Result = 0;
  m_UserDecisionRequired = false;
  QString name;
  bool toFile = true;
  if (!getListFileName(name, toFile)) return false;
  onDownloadStarted();
  if (!beginDownload(nam, name, toFile, ls_List)) {
    m_ListState = ls_Idle;
    return false;
  }
  return true;
}

bool CFileListDownloaderBase::beginDownload(QNetworkAccessManager* nam, const QString& name, bool toFile,
                                            int newState) {
  m_CurrentTarget = toFile ? m_TmpFolder + name : QString();
  // The list is a catalogue, however it is named.
  const qint64 maxBytes = newState == ls_List ? CTransferWatch::kListBytesMax : 0;
  if (!CDownloaderTsk::beginDownload(nam, UpdateFileUrl(source(), name), m_CurrentTarget, QString(), maxBytes))
    return false;
  m_ListState = newState;
  return true;
}

bool CFileListDownloaderBase::beginDownloadNextFile() {
  QString name;
  bool toFile = true;
  if (!getNextFileName(name, toFile)) return false;
  return beginDownload(nullptr, name, toFile, ls_Files);
}

void CFileListDownloaderBase::nextOrEnd() {
  if (!beginDownloadNextFile()) downloadComplete(source(), -int(m_Result));
}

void CFileListDownloaderBase::onFileDownloadComplete(int error) {
  const int state = m_ListState;
  if (state == ls_List) {
    if (error != Err_NoErrors) {
      downloadComplete(source(), error == Err_NotFound || error == Err_NotEnoughMemory ? error : Err_Failed);
    } else if (!onListDownloaded(m_CurrentTarget)) {
      downloadComplete(source(), Err_ListUnreadable);
    } else if (m_ListState != ls_WaitUser) {
      nextOrEnd();
    }
    return;
  }
  if (state == ls_Files || state == ls_WaitUser) {
    const error_t mapped = error == Err_Md5 ? Err_Transfer
                           : (error == Err_NoErrors || error == Err_NotEnoughMemory || error == Err_NotFound ||
                              error == Err_Failed)
                               ? error
                               : -int(m_Result);
    // A full card takes no further file either: the run ends and says so.
    if (mapped == Err_NotEnoughMemory) {
      downloadComplete(source(), Err_NotEnoughMemory);
      return;
    }
    if (!onDownloaded(m_CurrentTarget, mapped)) {
      downloadComplete(source(), Err_ListUnreadable);
      return;
    }
    nextOrEnd();
    return;
  }
  downloadComplete(source(), Err_Failed);
}

void CFileListDownloaderBase::downloadComplete(const QString& name, error_t error) {
  m_ListState = ls_Idle;
  onDownloadComplete(error);
  taskComplete(name, error, true);
}

void CFileListDownloaderBase::onAborted(bool aborted) {
  CUpdateDownloaderBase::onAborted(aborted);
  // An aborted transfer may have ended the run already.
  if (m_ListState != ls_Idle) downloadComplete(source(), aborted ? Err_Aborted : Err_Failed);
}

void CFileListDownloaderBase::UserDecisionRequired(reason_t reason) {
  m_UserDecisionRequired = true;
  m_ListState = ls_WaitUser;
  emit sigUserDecisionRequired(reason);
}

void CFileListDownloaderBase::Resume(reason_t reason) {
  Q_UNUSED(reason)
  Resume();
}

void CFileListDownloaderBase::Resume() {
  if (m_ListState != ls_WaitUser) return;
  m_UserDecisionRequired = false;
  nextOrEnd();
}

void CFileListDownloaderBase::onProgress(qlonglong bytesReceived, qlonglong bytesTotal) {
  emit sigProgress(m_CurrentTarget, bytesReceived, bytesTotal);
}

void CFileListDownloaderBase::Progress(QString txt) { emit sigProgress(txt, 0, 0); }

// ---- the receivers ----------------------------------------------------------------------------

CReceiversUpdateDownloader::CReceiversUpdateDownloader(const QString& remoteBase, const QString& listPath,
                                                       const QString& tmpFolder, QNetworkAccessManager* nam,
                                                       QObject* parent)
    : CFileListDownloaderBase(remoteBase, tmpFolder, parent),
      m_Tmp(KLX_FileNameHandler::KLX_FileNameHandlerMapPath(tmpFolder)),
      m_ListPath(listPath),
      m_UpdateFolder(KLX_FileNameHandler().KLX_FileNameHandlerGetReceiverUpdateFilePath()) {
  Q_UNUSED(nam)
}

bool CReceiversUpdateDownloader::getListFileName(QString& name, bool& toFile) {
  name = m_ListPath;
  toFile = true;
  return true;
}

void CReceiversUpdateDownloader::onDownloadStarted() {
  m_List.Clear();
  m_Mode = 0;
  m_FwQueued = m_FwStored = m_PicQueued = m_PicStored = 0;
  m_Parser.Reset();
  QDir().mkpath(m_UpdateFolder);
  QDir().mkpath(ReceiversFolder());
}

bool CReceiversUpdateDownloader::onListDownloaded(const QString& path) {
  const bool loaded = m_List.LoadFrom(path, m_List.Header());
  m_Walk = 0;
  m_Pending.clear();
  return loaded;
}

bool CReceiversUpdateDownloader::getNextFileName(QString& name, bool& toFile) {
  if (m_Pending.isEmpty()) {
    const QVector<CReceiverInfo>& entries = m_List.Entries();
    while (m_Walk < entries.size()) {
      const QString folder = QString::fromUtf8(entries.at(m_Walk++).text);
      if (folder.isEmpty()) continue;
      // The folder is joined to our temporary folder as well.
      if (!KLX_MD5::KLX_MD5NameStaysInside(folder)) {
        qWarning("receiver folder refused: %s", qUtf8Printable(folder));
        continue;
      }
      m_NamePrefix = folder + "/";
      name = m_NamePrefix;
      toFile = false;
      return true;
    }
    if (m_Mode != 0) return false;
    m_Mode = 1;
    if (m_List.Header() == CReceivers::Instance().Header()) return false;
    m_NamePrefix = QFileInfo(m_ListPath).path() + "/";
    for (const CReceiverInfo& info : entries) {
      const QString picture = QString::fromUtf8(info.image).section('/', -1);
      if (info.image.isEmpty() || !IsPlainFileName(picture)) continue;
      m_Pending << picture;
      ++m_PicQueued;
    }
    if (m_Pending.isEmpty()) return false;
  }
  name = m_NamePrefix + m_Pending.takeFirst();
  toFile = true;
  return true;
}

void CReceiversUpdateDownloader::onDataReceived(const unsigned char* data, unsigned int size) {
  for (unsigned int i = 0; i < size; ++i) {
    m_Parser.AppendChar(char(data[i]));
    if (!m_Parser.IsComplete()) continue;
    const QString name = QString::fromUtf8(m_Parser.Name());
    m_Parser.Reset();
    if (!IsPlainFileName(name)) {
      qWarning("listed name refused: %s", qUtf8Printable(name));
      continue;
    }
    if (m_Mode == 0 && QFileInfo::exists(m_UpdateFolder + name)) continue;
    m_Pending << name;
    if (m_Mode == 0) ++m_FwQueued; else ++m_PicQueued;
  }
}

void CReceiversUpdateDownloader::onDataReceptionCompleted() { m_Parser.Reset(); }

bool CReceiversUpdateDownloader::onDownloaded(const QString& path, error_t error) {
  // A listing that did not arrive whole (cut, or beyond its size) names
  // nothing to fetch.
  if (path.isEmpty() && error != Err_NoErrors) m_Pending.clear();
  if (path.isEmpty() || error != Err_NoErrors) return true;
  const QString name = QFileInfo(path).fileName();
  if (m_Mode == 0) {
    ++m_FwStored;
    // A file already there stays as it is.
    const QString target = m_UpdateFolder + name;
    if (!QFileInfo::exists(target)) ReplaceWithCopy(path, target);
  } else {
    if (ReplaceWithCopy(path, ReceiversFolder() + "/" + name)) ++m_PicStored;
  }
  return true;
}

void CReceiversUpdateDownloader::onDownloadComplete(error_t error) {
  qDebug("receivers: firmware %u of %u stored, pictures %u of %u", m_FwStored, m_FwQueued, m_PicStored, m_PicQueued);
  if (error == Err_NoErrors && !m_List.Header().isEmpty() && m_List.Header() != CReceivers::Instance().Header()) {
    if (ReplaceWithCopy(m_Tmp + m_ListPath, ReceiversFolder() + "/" + ReceiversListName()))
      CReceivers::Instance().Reload();
  }
  QDir(m_Tmp).removeRecursively();
}
