#include "update/klx_update_httpreq.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QMutexLocker>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "update/cfilelist.h"
#include "update/klx_md5.h"

namespace {
constexpr int kHttpPort = 80;

QString ListName() { return KLX_FileNameHandler::UPDATE_MD5FileNameWithFolders; }

QString RemotePath() {
  if (!Board::IsInitialized()) Board::Init();
  return Board::m_Instance->RemoteUpdatePathGet();
}
}  // namespace

const QString KLX_Update_HttpReq::kAllDownloaded = QStringLiteral("All is downloaded!");
const QString KLX_Update_HttpReq::kDownloadAborted = QStringLiteral("Downloading aborted!");
const QString KLX_Update_HttpReq::kMutexLocked = QStringLiteral("HTTP mutex locked!");
std::atomic<bool> KLX_Update_HttpReq::m_userAbortRequest{false};

KLX_Update_HttpReq::KLX_Update_HttpReq(QObject* parent) : QObject(parent) {
  m_Manager = new QNetworkAccessManager(this);
  connect(this, &KLX_Update_HttpReq::KLX_Update_HttpReq_startRequest, this,
          &KLX_Update_HttpReq::KLX_Update_HttpReq_OnRequested, Qt::QueuedConnection);
  connect(&m_Watch, &CTransferWatch::sigStalled, this, &KLX_Update_HttpReq::GiveUp);
}

KLX_Update_HttpReq::~KLX_Update_HttpReq() {
  ReleaseReply();
  DropTarget(true);
}

QUrl KLX_Update_HttpReq::KLX_Update_HttpReqFileUrl(const QString& base, const QString& name) {
  QUrl url(base);
  QString path = url.path();
  if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
  // The name is a path of the list, taken literally ("#" or "?" are part of it).
  url.setPath(path + name, QUrl::DecodedMode);
  if (url.port() == -1) url.setPort(kHttpPort);
  return url;
}

int KLX_Update_HttpReq::KLX_Update_HttpReq_MakeNewRequest(const QUrl& url) {
  m_Busy = true;
  {
    QMutexLocker lock(&m_StateMutex);
    m_Url = url;
    if (url.fileName() == ListName()) {
      m_CardFull = false;
      m_Failed = false;
      // An abort pressed since the task began is kept: the task's start
      // forgot those of earlier downloads.
      m_Downloaded = 0;
      m_Pending = QStringList{ListName()};
      m_Sizes.clear();
    }
  }
  if (m_NameMutex.tryLock()) {
    m_CurrentName.clear();
    m_NameMutex.unlock();
  }
  emit KLX_Update_HttpReq_startRequest();
  return KLX_Ok;
}

int KLX_Update_HttpReq::KLX_Update_HttpReqContinueDownload() {
  if (m_Failed) {
    {
      QMutexLocker lock(&m_StateMutex);
      m_Pending.clear();
    }
    m_Busy = false;
    m_Failed = false;
    return KLX_Error;
  }
  return m_Busy ? int(KLX_Ok) : int(KLX_Trigger);
}

QString KLX_Update_HttpReq::KLX_Update_HttpGetDownloadingFilename() {
  if (!m_Busy) return kAllDownloaded;
  if (m_Failed) return kDownloadAborted;
  if (!m_NameMutex.tryLock()) return kMutexLocked;
  // The reply belongs to the transfers' thread: the abort is carried there.
  if (m_userAbortRequest.exchange(false)) QMetaObject::invokeMethod(this, "AbortRequested", Qt::QueuedConnection);
  const QString name = m_CurrentName;
  m_NameMutex.unlock();
  return name;
}

int KLX_Update_HttpReq::KLX_Update_httpKeepDownloadingFilename() {
  QString name;
  {
    QMutexLocker lock(&m_StateMutex);
    name = m_Pending.value(0);
  }
  qInfo("File %s is downloading...", qUtf8Printable(m_File ? m_File->fileName() : name));
  if (m_NameMutex.tryLock()) {
    m_CurrentName = name;
    m_NameMutex.unlock();
  }
  return KLX_Ok;
}

int KLX_Update_HttpReq::KLX_Update_httpGetFile() {
  QString name;
  {
    QMutexLocker lock(&m_StateMutex);
    if (m_Pending.isEmpty()) return KLX_Ok;
    name = m_Pending.first();
  }
  const QString path = m_Names.KLX_FileNameHandlerGetNetworkUpdateFilePath() + name;
  if (QFileInfo::exists(path)) QFile::remove(path);
  QDir().mkpath(QFileInfo(path).absolutePath());
  m_File = std::make_unique<QFile>(path);
  if (!m_File->open(QIODevice::WriteOnly)) {
    m_File.reset();
    m_Failed = true;
    return KLX_Error;
  }
  return KLX_Update_httpKeepDownloadingFilename();
}

void KLX_Update_HttpReq::KLX_Update_HttpReq_OnRequested() {
  // An abort that came between two files ends the package here.
  if (m_Failed) return;
  QUrl url;
  {
    QMutexLocker lock(&m_StateMutex);
    url = m_Url;
  }
  qInfo("url: <%s>", qUtf8Printable(url.toString()));
  ReleaseReply();
  DropTarget(true);
  m_Reply = m_Manager->get(QNetworkRequest(url));
  connect(m_Reply, &QNetworkReply::readyRead, this, &KLX_Update_HttpReq::KLX_Update_HttpReq_ReadyRead);
  connect(m_Reply, &QNetworkReply::finished, this, &KLX_Update_HttpReq::KLX_Update_HttpReq_DownloadFinished);
  {
    QMutexLocker lock(&m_StateMutex);
    m_Watch.Begin(m_Reply, BytesMax(m_Pending.value(0)));
  }
  // Without a file to take the bytes the transfer has nowhere to go.
  if (KLX_Update_httpGetFile() != KLX_Ok) ReleaseReply();
}

void KLX_Update_HttpReq::KLX_Update_HttpReq_ReadyRead() {
  if (!m_Reply || sender() != m_Reply) return;
  // Piece by piece, all that came: the reply reads no more from the
  // connection while its buffer is full.
  while (m_Reply && m_Reply->bytesAvailable() > 0) {
    const QByteArray bytes = m_Reply->read(m_Watch.ReadLimit(m_Reply->bytesAvailable()));
    if (bytes.isEmpty()) break;
    if (!m_Watch.Take(bytes.size())) {
      qWarning("%s is longer than its list says: cut", qUtf8Printable(m_Reply->url().toString()));
      GiveUp();
      return;
    }
    // The body of an answer other than 200 is no file of the package.
    if (!m_File || m_Failed || !CTransferWatch::AnswerTaken(m_Reply)) continue;
    // A file that cannot take the bytes (a full card) fails the package.
    if (!Keep(bytes)) GiveUp();
  }
}

bool KLX_Update_HttpReq::Keep(const QByteArray& bytes) {
  const CTransferWatch::Stored stored = m_Watch.Keep(*m_File, bytes);
  if (stored == CTransferWatch::Stored_CardFull) m_CardFull = true;
  return stored == CTransferWatch::Stored_All;
}

void KLX_Update_HttpReq::KLX_Update_HttpReq_DownloadFinished() {
  if (!m_Reply || sender() != m_Reply) return;
  if (m_Failed || !m_File) {
    m_Failed = true;
    DropTarget(true);
    ReleaseReply();
    return;
  }
  // Only a 200 answer brings the file (a redirect's body is none).
  const bool answered = CTransferWatch::AnswerTaken(m_Reply);
  // What arrived with the end of the transfer, piece by piece.
  bool written = true;
  while (written && m_Reply->bytesAvailable() > 0) {
    const QByteArray rest = m_Reply->read(m_Watch.ReadLimit(m_Reply->bytesAvailable()));
    if (rest.isEmpty()) break;
    written = m_Watch.Take(rest.size()) && (!answered || Keep(rest));
  }
  // A cut transfer is none, even when the reply reports no error (it does
  // so now and then).
  const bool whole = m_Watch.Whole(m_Reply);
  m_File->close();
  if (m_Reply->error() != QNetworkReply::NoError || !written || !whole || !answered) {
    qInfo("Downloading file %s error!\n", qUtf8Printable(m_File->fileName()));
    m_Failed = true;
    DropTarget(true);
    ReleaseReply();
    return;
  }
  qInfo("File %s successfully downloaded!\n", qUtf8Printable(m_File->fileName()));
  ReleaseReply();
  ++m_Downloaded;
  QString done;
  {
    QMutexLocker lock(&m_StateMutex);
    if (!m_Pending.isEmpty()) done = m_Pending.takeFirst();
  }
  m_File.reset();
  if (done == ListName() && !QueueListedFiles()) {
    m_Failed = true;
    m_Downloaded = 0;
    return;
  }
  QString next;
  {
    QMutexLocker lock(&m_StateMutex);
    next = m_Pending.value(0);
  }
  if (next.isEmpty()) {
    m_Busy = false;
    return;
  }
  KLX_Update_HttpReq_MakeNewRequest(KLX_Update_HttpReqFileUrl(RemotePath(), next));
}

bool KLX_Update_HttpReq::QueueListedFiles() {
  const QString folder = m_Names.KLX_FileNameHandlerGetNetworkUpdateFilePath();
  KLX_MD5 list;
  list.KLX_MD5ReadFile(folder + ListName());
  if (list.KLX_MD5GetCount() == 0) {
    qWarning("checksum list %s names no file", qUtf8Printable(ListName()));
    return false;
  }
  // The getter writes and removes files at the listed names: a list that
  // would reach outside the update folder is refused whole.
  for (int i = 0; i < list.KLX_MD5GetCount(); ++i) {
    if (!KLX_MD5::KLX_MD5NameStaysInside(list.KLX_MD5GetFileName(i))) {
      qWarning("checksum list %s names %s outside its folder: refused", qUtf8Printable(ListName()),
               qUtf8Printable(list.KLX_MD5GetFileName(i)));
      return false;
    }
  }
  // Its size lines bound each file's transfer; a size that is none breaks
  // the list.
  QHash<QString, qint64> sizes;
  CFileList sized;
  QFile listed(folder + ListName());
  if (!listed.open(QIODevice::ReadOnly) || !sized.Load(&listed, QString())) {
    qWarning("checksum list %s holds a size that is none: refused", qUtf8Printable(ListName()));
    return false;
  }
  for (CFileListItem* item = sized.First(); item; item = sized.Next())
    if (item->size > 0) sizes.insert(item->path, item->size);
  QStringList missing;
  qint64 missingBytes = 0;
  for (int i = 0; i < list.KLX_MD5GetCount(); ++i) {
    const QString name = list.KLX_MD5GetFileName(i);
    if (name == ListName()) continue;
    QString digest;
    const bool present = KLX_MD5::KLX_MD5OfFile(folder + name, &digest);
    if (present && digest == list.KLX_MD5GetCheckSum(i)) continue;
    if (present) QFile::remove(folder + name);
    missing << name;
    missingBytes = CFileList::AddSizes(missingBytes, sizes.value(name));
  }
  // The card takes what the list announces, or nothing of it is fetched.
  if (missingBytes > 0 && !CTransferWatch::CardTakes(folder, missingBytes)) {
    qWarning("no room on the card for the %lld bytes of the package", missingBytes);
    m_CardFull = true;
    return false;
  }
  QMutexLocker lock(&m_StateMutex);
  m_Pending += missing;
  m_Sizes = sizes;
  return true;
}

qint64 KLX_Update_HttpReq::BytesMax(const QString& name) const {
  if (name == ListName()) return CTransferWatch::kListBytesMax;
  const qint64 listed = m_Sizes.value(name);
  return listed > 0 ? listed : CTransferWatch::kFileBytesMax;
}

void KLX_Update_HttpReq::GiveUp() {
  if (!m_Reply) return;
  qInfo("Downloading file %s error!", qUtf8Printable(m_File ? m_File->fileName() : m_Reply->url().toString()));
  m_Failed = true;
  ReleaseReply();
  DropTarget(true);
}

void KLX_Update_HttpReq::AbortRequested() {
  if (m_Reply)
    m_Reply->abort();
  else
    m_Failed = true;
}

void KLX_Update_HttpReq::DropTarget(bool remove) {
  if (!m_File) return;
  m_File->close();
  if (remove) m_File->remove();
  m_File.reset();
}

void KLX_Update_HttpReq::ReleaseReply() {
  m_Watch.End();
  QNetworkReply* reply = m_Reply;
  if (!reply) return;
  m_Reply = nullptr;
  disconnect(reply, nullptr, this, nullptr);
  if (reply->isRunning()) reply->abort();
  reply->deleteLater();
}
