#pragma once
// One download of the update manager: a URL on the update server or a
// "file://" address on a USB stick, fetched into a file (its MD5 digest
// checked when one is expected) or into memory. The task lives in the
// manager's thread; beginDownload may be called from any thread and the
// transfer itself always starts in the task's own thread.
#include <QFile>
#include <QObject>
#include <QString>
#include <QUrl>

#include <atomic>

#include "update/ctransferwatch.h"

class KLX_Clock;
class QNetworkAccessManager;
class QNetworkReply;

// The root of every task the update manager runs.
class CTaskBase : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  // Called when the manager adopts the task (in the manager's thread).
  virtual void initConnections() {}

 signals:
  void sigAbortRequested();
};

class CDownloaderTsk : public CTaskBase {
  Q_OBJECT
 public:
  // The numbers of the update manager's results.
  enum error_t : int {
    Err_NoErrors = 0,
    Err_Failed = -1,
    Err_NotFound = -2,
    Err_NotEnoughMemory = -3,
    Err_Md5 = -4,
    Err_Transfer = -5,
    Err_AlreadyInstalled = -6,
    Err_CopyingFiles = -7,
    Err_Installing = -8,
    Err_Unsuitable = -9,
    Err_CardTooSmall = -10,
    Err_NoRoomForProgram = -11,
  };

  explicit CDownloaderTsk(QObject* parent = nullptr);
  ~CDownloaderTsk() override;

  void initConnections() override;

  // Starts one download of `url` into `fname` (memory when empty), checked
  // against `md5` when given, its body at most `maxBytes` long (0: what a
  // file or a listing in memory may be at most). False when busy or without
  // any network access manager.
  bool beginDownload(QNetworkAccessManager* nam, const QUrl& url, const QString& fname, const QString& md5,
                     qint64 maxBytes = 0);
  bool isBusy() const { return m_Busy; }
  // The clock a stalled transfer is timed on, looked at every `checkMs`
  // (tests); from the next download on.
  void setTransferClock(KLX_Clock* clock, int checkMs = CTransferWatch::kCheckMs) { m_Watch.SetClock(clock, checkMs); }

  // The file's lower-case hexadecimal MD5 equals `md5` exactly.
  static bool CheckFile(QFile& file, const QString& md5);
  static bool CheckFile(const QString& path, const QString& md5);

 signals:
  void sigComplete(int error);
  void sigAborted(bool aborted);
  void Progress(qlonglong bytesReceived, qlonglong bytesTotal);
  void sigDownload(QUrl url, QString fname);

 public slots:
  void onDownload(QUrl url, QString fname);
  void onAbortRequested();
  void slotOnDataReceived();
  void slotOnDataReceptionCompleted();

 protected:
  virtual void onComplete(CDownloaderTsk::error_t error);
  // The bytes of a download into memory.
  virtual void onDataReceived(const unsigned char* data, unsigned int size);
  virtual void onDataReceptionCompleted() {}
  bool wasAborted() const { return m_Aborted; }

 private:
  void releaseReply();
  // Stops the running transfer, if any, in the task's thread; its result
  // is told to no one.
  void endTransfer();
  // Ends the download with the reply's result: the target kept, or
  // removed unless the result is good.
  void finish(error_t reply);
  // A transfer that broke its limits (too long, stalled, beyond the card's
  // room, a write that failed) ends with `error`, its part removed.
  void giveUp(error_t error);

  // Set by beginDownload in the caller's thread, cleared in the task's.
  std::atomic<bool> m_Busy{false};
  std::atomic<bool> m_Aborted{false};
  QNetworkAccessManager* m_Nam = nullptr;
  QNetworkReply* m_Reply = nullptr;
  QFile* m_File = nullptr;
  // The target named by the running download, whether or not it opened.
  bool m_ToFile = false;
  QString m_Md5;
  std::atomic<qint64> m_MaxBytes{0};
  CTransferWatch m_Watch{this};
};
