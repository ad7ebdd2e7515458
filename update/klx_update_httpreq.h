#pragma once
// The package update's download from the update server: first the package's
// checksum list with folders ("KLX32MD5fold.txt"), then, one after the other,
// only the listed files that are missing in the network update folder or
// whose digest differs. The package update task starts it and polls it from
// the task engine's thread; the transfers run on the event loop of the
// thread the object lives in (the one that built the task engine).
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <atomic>
#include <memory>

#include "frame/klx_filenamehandler.h"
#include "update/ctransferwatch.h"

class QNetworkAccessManager;
class QNetworkReply;

class KLX_Update_HttpReq : public QObject {
  Q_OBJECT
 public:
  static const QString kAllDownloaded;
  static const QString kDownloadAborted;
  static const QString kMutexLocked;

  // Asks the running download to stop; served at the next look at the name.
  // The package update task clears it as it starts: a press before that was
  // for an earlier download.
  static std::atomic<bool> m_userAbortRequest;

  explicit KLX_Update_HttpReq(QObject* parent = nullptr);
  ~KLX_Update_HttpReq() override;

  // A file of the server's package folder: `base` (the board's remote update
  // path) and the relative name joined with "/". Without a port in the base
  // the request goes to port 80.
  static QUrl KLX_Update_HttpReqFileUrl(const QString& base, const QString& name);

  // Any thread. A request for the checksum list starts a new package.
  // Result 1.
  int KLX_Update_HttpReq_MakeNewRequest(const QUrl& url);
  // Any thread: -70000 once after a failure or an abort (and the getter is
  // reset), 1 while files are on their way, 4 when the package is complete.
  int KLX_Update_HttpReqContinueDownload();
  // Any thread: the name of the file on its way, or what the download came
  // to; serves a pending abort.
  QString KLX_Update_HttpGetDownloadingFilename();
  int KLX_Update_httpKeepDownloadingFilename();
  // Opens the target of the file on its way; -70000 when it cannot be.
  int KLX_Update_httpGetFile();

  // How many files the running package fetched so far.
  int KLX_Update_HttpReqDownloadedCount() const { return m_Downloaded; }
  // The running or last package failed because the card had no room for it.
  bool KLX_Update_HttpReqCardFull() const { return m_CardFull; }
  // The clock a stalled transfer is timed on, looked at every `checkMs`
  // (tests); from the next transfer on.
  void KLX_Update_HttpReqSetClock(KLX_Clock* clock, int checkMs = CTransferWatch::kCheckMs) {
    m_Watch.SetClock(clock, checkMs);
  }

 signals:
  void KLX_Update_HttpReq_startRequest();

 private slots:
  void KLX_Update_HttpReq_OnRequested();
  void KLX_Update_HttpReq_ReadyRead();
  void KLX_Update_HttpReq_DownloadFinished();
  // The abort asked for, carried into the thread the reply lives in.
  void AbortRequested();
  // The transfer broke its limits (too long, stalled): the package fails.
  void GiveUp();

 private:
  // Reads the list just fetched and queues what is missing or changed;
  // false when the list cannot serve as a package.
  bool QueueListedFiles();
  void DropTarget(bool remove);
  // Writes bytes of the running file's body to its target; false when they
  // did not all go there (the card noted when it is full).
  bool Keep(const QByteArray& bytes);
  void ReleaseReply();
  // How long the body of a file of the package may be.
  qint64 BytesMax(const QString& name) const;

  std::atomic<bool> m_Failed{false};
  // Set before m_Failed, so that a failure seen is told rightly.
  std::atomic<bool> m_CardFull{false};
  std::atomic<bool> m_Busy{false};
  QNetworkReply* m_Reply = nullptr;
  QNetworkAccessManager* m_Manager = nullptr;
  // The URL and the pending names are shared by the caller's thread and
  // the transfers' thread.
  mutable QMutex m_StateMutex;
  QUrl m_Url;
  std::unique_ptr<QFile> m_File;
  // Guarded by m_NameMutex, which is only ever tried.
  QString m_CurrentName;
  QStringList m_Pending;
  // The sizes the list gives for its files.
  QHash<QString, qint64> m_Sizes;
  KLX_FileNameHandler m_Names;
  QMutex m_NameMutex;
  std::atomic<int> m_Downloaded{0};
  CTransferWatch m_Watch{this};
};
