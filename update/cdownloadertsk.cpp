#include "update/cdownloadertsk.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>

#include "frame/klx_filecalls.h"

CDownloaderTsk::CDownloaderTsk(QObject* parent) : CTaskBase(parent) {
  connect(&m_Watch, &CTransferWatch::sigStalled, this, [this] { giveUp(Err_Failed); });
}

CDownloaderTsk::~CDownloaderTsk() {
  if (m_Reply) {
    m_Reply->disconnect(this);
    m_Reply->abort();
    m_Reply->deleteLater();
  }
  delete m_File;
}

void CDownloaderTsk::initConnections() {
  // Every transfer starts in the thread the task lives in.
  connect(this, &CDownloaderTsk::sigDownload, this, &CDownloaderTsk::onDownload, Qt::QueuedConnection);
  connect(this, &CTaskBase::sigAbortRequested, this, &CDownloaderTsk::onAbortRequested);
  // The thread may end with a transfer running (the manager ended in the
  // middle of a download, its abort not served yet): the transfer is ended
  // there, as the thread finishes. The watch's timer and the reply can be
  // stopped in their thread only, and the task is deleted from another.
  if (QThread* own = thread())
    connect(own, &QThread::finished, this, &CDownloaderTsk::endTransfer, Qt::DirectConnection);
}

bool CDownloaderTsk::beginDownload(QNetworkAccessManager* nam, const QUrl& url, const QString& fname,
                                   const QString& md5, qint64 maxBytes) {
  m_Md5 = md5;
  if (m_Busy) return false;
  m_MaxBytes = maxBytes > 0 ? maxBytes : fname.isEmpty() ? CTransferWatch::kListBytesMax : CTransferWatch::kFileBytesMax;
  if (nam) m_Nam = nam;
  if (!m_Nam) return false;
  m_Busy = true;
  m_Aborted = false;
  emit sigDownload(url, fname);
  return true;
}

void CDownloaderTsk::onDownload(QUrl url, QString fname) {
  if (m_File) {
    m_File->close();
    delete m_File;
    m_File = nullptr;
  }
  if (m_Aborted) {
    m_Busy = false;
    return;
  }
  m_ToFile = !fname.isEmpty();
  if (m_ToFile) {
    const QFileInfo info(fname);
    if (QDir().mkpath(info.absolutePath())) {
      if (info.exists()) QFile::remove(fname);
      m_File = new QFile(fname);
      if (!m_File->open(QIODevice::WriteOnly)) {
        delete m_File;
        m_File = nullptr;
      }
    }
  }
  m_Reply = m_Nam ? m_Nam->get(QNetworkRequest(url)) : nullptr;
  if (!m_Reply) {
    qWarning("CDownloaderTsk::onDownload() error (%s)", qUtf8Printable(url.toString()));
    m_Busy = false;
    onComplete(Err_Failed);
    return;
  }
  connect(m_Reply, &QNetworkReply::readyRead, this, &CDownloaderTsk::slotOnDataReceived);
  connect(m_Reply, &QNetworkReply::finished, this, &CDownloaderTsk::slotOnDataReceptionCompleted);
  connect(m_Reply, &QNetworkReply::downloadProgress, this, &CDownloaderTsk::Progress);
  m_Watch.Begin(m_Reply, m_MaxBytes);
}

void CDownloaderTsk::slotOnDataReceived() {
  // Piece by piece, all that came: the reply reads no more from the
  // connection while its buffer is full.
  while (m_Reply && m_Reply->bytesAvailable() > 0) {
    const QByteArray data = m_Reply->read(m_Watch.ReadLimit(m_Reply->bytesAvailable()));
    if (data.isEmpty()) break;
    if (!m_Watch.Take(data.size())) {
      qWarning("CDownloaderTsk: %s is longer than expected: cut", qUtf8Printable(m_Reply->url().toString()));
      giveUp(Err_Failed);
      return;
    }
    // The body of an answer other than 200 is no file of the update.
    if (!CTransferWatch::AnswerTaken(m_Reply)) continue;
    if (m_File) {
      const CTransferWatch::Stored stored = m_Watch.Keep(*m_File, data);
      if (stored != CTransferWatch::Stored_All)
        giveUp(stored == CTransferWatch::Stored_CardFull ? Err_NotEnoughMemory : Err_Failed);
    } else if (!m_ToFile) {
      onDataReceived(reinterpret_cast<const unsigned char*>(data.constData()), unsigned(data.size()));
    }
    // A target that did not open takes nothing: the download fails at its end.
  }
}

void CDownloaderTsk::releaseReply() {
  m_Watch.End();
  if (!m_Reply) return;
  m_Reply->disconnect(this);
  m_Reply->deleteLater();
  m_Reply = nullptr;
}

void CDownloaderTsk::endTransfer() {
  QNetworkReply* reply = m_Reply;
  releaseReply();
  if (reply) reply->abort();
}

void CDownloaderTsk::giveUp(error_t error) {
  QNetworkReply* reply = m_Reply;
  releaseReply();
  if (!reply) return;
  // Disconnected first: its end reaches no slot of ours.
  reply->abort();
  finish(error);
}

void CDownloaderTsk::slotOnDataReceptionCompleted() {
  if (!m_Reply) {
    qWarning("CDownloaderTsk::onDataReceptionCompleted(): m_pNAMReply == nullptr");
    m_Busy = false;
    onComplete(Err_Failed);
    return;
  }
  // What is left unread belongs to the file as well.
  if (m_Reply->bytesAvailable() > 0) slotOnDataReceived();
  // Those last bytes went beyond the body's size, or the card: the download
  // has ended.
  if (!m_Reply) return;
  const QNetworkReply::NetworkError replyError = m_Reply->error();
  error_t reply = replyError == QNetworkReply::NoError               ? Err_NoErrors
                  : replyError == QNetworkReply::ContentNotFoundError ? Err_NotFound
                                                                      : Err_Failed;
  // A cut transfer is no file, whatever the reply says; a redirect is none
  // either.
  if (reply == Err_NoErrors && !m_Watch.Whole(m_Reply)) reply = Err_Failed;
  if (reply == Err_NoErrors && !CTransferWatch::AnswerTaken(m_Reply)) {
    qWarning("CDownloaderTsk: %s answered %d", qUtf8Printable(m_Reply->url().toString()),
             m_Reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
    reply = Err_Failed;
  }
  releaseReply();
  finish(reply);
}

void CDownloaderTsk::finish(error_t reply) {
  error_t result = Err_Failed;
  if (!m_ToFile) {
    qWarning("CDownloaderTsk::onDataReceptionCompleted(): m_pFile == nullptr");
    onDataReceptionCompleted();
    result = reply;
  } else if (m_File) {
    result = reply;
    // Its way to the card starts now; the move into place waits for it.
    if (result == Err_NoErrors) KLX_FileCalls::Instance().StartWriteback(m_File->handle());
    m_File->close();
    if (result == Err_NoErrors && !m_Md5.isEmpty() && !CheckFile(m_File->fileName(), m_Md5)) result = Err_Md5;
    if (result != Err_NoErrors) m_File->remove();
    delete m_File;
    m_File = nullptr;
  } else {
    qWarning("CDownloaderTsk::onDataReceptionCompleted(): can not open the file");
    result = reply == Err_NoErrors ? Err_Failed : reply;
  }
  m_Busy = false;
  onComplete(result);
}

void CDownloaderTsk::onAbortRequested() {
  m_Aborted = true;
  if (m_Busy && m_Reply) {
    // The reply finishes at once with an error, which ends the download.
    m_Reply->abort();
    m_Busy = false;
    emit sigAborted(true);
  } else {
    m_Busy = false;
    emit sigAborted(false);
  }
}

void CDownloaderTsk::onComplete(CDownloaderTsk::error_t error) { emit sigComplete(error); }

void CDownloaderTsk::onDataReceived(const unsigned char*, unsigned int) {}

bool CDownloaderTsk::CheckFile(QFile& file, const QString& md5) {
  const bool wasOpen = file.isOpen();
  if (!wasOpen && !file.open(QIODevice::ReadOnly)) {
    qWarning("    the file not found!");
    return false;
  }
  if (wasOpen) file.seek(0);
  QCryptographicHash hash(QCryptographicHash::Md5);
  if (!hash.addData(&file)) {
    qWarning("    the MD5 cannot be calculated!");
    if (!wasOpen) file.close();
    return false;
  }
  if (!wasOpen) file.close();
  return QString::fromLatin1(hash.result().toHex()) == md5;
}

bool CDownloaderTsk::CheckFile(const QString& path, const QString& md5) {
  QFile file(path);
  return CheckFile(file, md5);
}
