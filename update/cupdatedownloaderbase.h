#pragma once
// A download task of the update manager: selection, the run's state,
// abort, the user's decisions and the completion report. The manager
// selects, starts, aborts and resumes it from the GUI thread; the run
// itself goes on in the manager's thread.
#include <QMutex>
#include <QString>

#include <atomic>

#include "update/cdownloadertsk.h"

class CUpdateDownloaderBase : public CDownloaderTsk {
  Q_OBJECT
 public:
  using error_t = int;
  // A run's result when the user aborted it.
  static constexpr error_t Err_Aborted = -4;
  // The user's answers, the update manager's Reason values.
  enum reason_t : int { reason_AlreadyInstalled = 0, reason_AlreadyDownloaded = 1, reason_ReadyToInstall = 2 };
  enum permissions_t : int { perm_Download = 1 };
  enum State : int { st_Constructed = 0, st_Ready = 1, st_Running = 2, st_Aborting = 4, st_Completed = 5 };

  explicit CUpdateDownloaderBase(QObject* parent = nullptr);

  // False when already selected; else the task runs from `source` (a base
  // URL that file names are appended to) when the manager reaches it.
  virtual bool selectForDownload(permissions_t permissions);
  virtual bool selectForDownload(const QString& source, permissions_t permissions);
  virtual bool isSelectedForDownload() const { return m_Selected; }
  virtual void Abort();
  virtual void Resume(reason_t reason) { Q_UNUSED(reason) }
  // The manager's way to Resume: queued into the task's own thread, where
  // its downloads and network replies live (the user answers on the GUI's).
  Q_INVOKABLE void ResumeHere(int reason) { Resume(reason_t(reason)); }
  // Starts a run (state ready or completed); the selection is used up.
  virtual bool downloadUpdate(QNetworkAccessManager* nam);

  int state() const { return m_State; }
  QString source() const;

 signals:
  // vname: a path of the run; present: the receivers task's runs.
  void Complete(QString vname, int err, bool present);
  void sigProgress(QString fname, qlonglong bytesReceived, qlonglong bytesTotal);
  void sigAbort();
  void sigUserDecisionRequired(int user_decision);

 public slots:
  virtual void onAborted(bool aborted);

 protected:
  virtual void taskComplete(QString vname, error_t error, bool present);
  virtual bool _downloadUpdate(QNetworkAccessManager* nam) = 0;
  virtual bool isUserDecisionRequired() { return false; }
  virtual void UserDecisionRequired(reason_t reason) { emit sigUserDecisionRequired(reason); }
  virtual void onFileDownloadComplete(int error) = 0;

  // The run's state, read by the GUI thread's calls.
  std::atomic<int> m_State{st_Ready};
  int m_Permissions = perm_Download;
  std::atomic<bool> m_Selected{false};

 private:
  // A selection may come while the task runs from the previous one.
  mutable QMutex m_SourceMutex;
  QString m_Source;
};
