#pragma once
// The download of an update described by a checksum file list: first the
// list from the source, then every listed file that is not already in
// place into a temporary folder, each checked by its digest, and at the end
// all of them moved into the final folder. Files already fetched stay in
// the temporary folder after a failed run and are not fetched again.
#include "update/cfilelist.h"
#include "update/cupdatedownloaderbase.h"

class CFileListDownloader : public CUpdateDownloaderBase {
  Q_OBJECT
 public:
  enum ListState : int { ls_Idle = 0, ls_List = 1, ls_Files = 2, ls_WaitUser = 3 };

  // The three paths get a "/" appended; the folders are board paths.
  CFileListDownloader(const QString& listName, const QString& remotePath, const QString& finalFolder,
                      const QString& tmpFolder, QNetworkAccessManager* nam, QObject* parent = nullptr);
  ~CFileListDownloader() override;

  bool selectForDownload(permissions_t permissions) override;
  using CUpdateDownloaderBase::selectForDownload;
  void Resume(reason_t reason) override;
  void DeleteTmpFolder();

  QString tmpFolder() const { return m_TmpFolder; }
  QString finalFolder() const { return m_FinalFolder; }
  int listState() const { return m_ListState; }

 public slots:
  void onAborted(bool aborted) override;
  void onFileDownloadComplete(int error) override;
  void onProgress(qlonglong bytesReceived, qlonglong bytesTotal);
  void Progress(QString txt);

 protected:
  bool _downloadUpdate(QNetworkAccessManager* nam) override;
  void UserDecisionRequired(reason_t reason) override;
  virtual bool beginDownloadNext(bool first);
  virtual void downloadComplete(QString name, error_t error, bool present);
  // Called with all files in place; true when the task goes on by itself.
  virtual bool beginUpdate() { return false; }
  virtual error_t moveFolderContent(const QString& from, const QString& to);
  virtual CFileList* createFileListObj() { return new CFileList; }
  virtual void deleteFileListObj(CFileList*& list);
  void beginListDownload();
  // Ends the run at its start for a card too small.
  void refuseSmallCard();
  // Looks once for each listed file in the final and the temporary folder
  // (by its digest), marks the ones found, and answers the listed bytes of
  // the files in neither.
  qint64 takeStock();

  std::atomic<int> m_ListState{ls_Idle};
  QString m_ListName;
  QString m_TmpFolder;
  QString m_CurrentTarget;
  CFileList* m_List = nullptr;
  qint64 m_ListTotal = 0;
  qint64 m_BytesDone = 0;
  qint64 m_CurrentSize = 0;
  QString m_RemotePath;
  QString m_FinalFolder;
  // The local file of the list of the running run.
  QString m_ListFile;
  // The walk stopped because a download could not start.
  bool m_StartFailed = false;
};

// The system update: asks the user first when the list carries the Linux
// and application versions already installed.
class CSystemUpdateDownloader : public CFileListDownloader {
  Q_OBJECT
 public:
  using CFileListDownloader::CFileListDownloader;

 protected:
  CFileList* createFileListObj() override { return new CSysUpdateFileList; }
  bool isUserDecisionRequired() override;
};
