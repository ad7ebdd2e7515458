#pragma once
// The receivers' firmware from the update server: the server's receiver
// catalogue "Receivers/list.txt", then the HTML listing of each receiver
// type's folder and every listed file the transmitter does not have yet,
// into "/Vorn/Update/Receiver/". When the server's catalogue is new, its
// pictures are fetched and it replaces the installed one.
#include <QByteArray>
#include <QStringList>

#include "update/creceivers.h"
#include "update/cupdatedownloaderbase.h"

// Picks the file names out of a folder listing: only table cells holding a
// link whose target and text are the same name,
//   <td><a href="NAME">NAME</a></td>
// fed one byte at a time, so an entry may arrive in several blocks.
class CHTTPParser {
 public:
  enum State { st_Start = 0, st_Name = 1, st_Repeat = 2, st_Complete = 3 };
  virtual ~CHTTPParser() = default;
  void AppendChar(char c);
  bool IsComplete() const { return m_State == st_Complete; }
  QByteArray Name() const { return m_Name; }
  void Reset();

 private:
  int m_State = st_Start;
  int m_Position = 0;
  QByteArray m_Name;
};

// A download sequence whose names come from two hooks: the list first,
// then each next name until there is none.
class CFileListDownloaderBase : public CUpdateDownloaderBase {
  Q_OBJECT
 public:
  enum ListState : int { ls_Idle = 0, ls_List = 1, ls_Files = 2, ls_WaitUser = 3 };
  // A list that cannot be read.
  static constexpr error_t Err_ListUnreadable = -10;

  // `remoteBase` ends in "/"; `tmpFolder` is a board path ending in "/".
  CFileListDownloaderBase(const QString& remoteBase, const QString& tmpFolder, QObject* parent = nullptr);

  bool selectForDownload(permissions_t permissions) override;
  using CUpdateDownloaderBase::selectForDownload;
  void Resume(reason_t reason) override;
  int listState() const { return m_ListState; }

 public slots:
  void onAborted(bool aborted) override;
  void onFileDownloadComplete(int error) override;
  void onProgress(qlonglong bytesReceived, qlonglong bytesTotal);
  void Progress(QString txt);

 protected:
  virtual bool getListFileName(QString& name, bool& toFile) = 0;
  virtual bool getNextFileName(QString& name, bool& toFile) = 0;
  virtual void onDownloadStarted() {}
  virtual bool onDownloaded(const QString& path, error_t error) = 0;
  virtual void onDownloadComplete(error_t error) { Q_UNUSED(error) }
  virtual bool onListDownloaded(const QString& path) = 0;
  virtual void Resume();

  bool _downloadUpdate(QNetworkAccessManager* nam) override;
  bool isUserDecisionRequired() override { return m_UserDecisionRequired; }
  void UserDecisionRequired(reason_t reason) override;
  bool beginDownload(QNetworkAccessManager* nam, const QString& name, bool toFile, int newState);
  bool beginDownloadNextFile();
  void downloadComplete(const QString& name, error_t error);
  // Continues with the next name, ending the run when none is left.
  void nextOrEnd();

  std::atomic<int> m_ListState{ls_Idle};
  bool m_UserDecisionRequired = false;
  QString m_CurrentTarget;
  unsigned char m_Result = 0;
  QString m_RemoteBase;
  QString m_TmpFolder;
};

class CReceiversUpdateDownloader : public CFileListDownloaderBase {
  Q_OBJECT
 public:
  CReceiversUpdateDownloader(const QString& remoteBase, const QString& listPath, const QString& tmpFolder,
                             QNetworkAccessManager* nam, QObject* parent = nullptr);

  // Counts of the last run, for the log.
  quint32 firmwareQueued() const { return m_FwQueued; }
  quint32 firmwareStored() const { return m_FwStored; }
  quint32 picturesQueued() const { return m_PicQueued; }
  quint32 picturesStored() const { return m_PicStored; }

 protected:
  bool getListFileName(QString& name, bool& toFile) override;
  bool getNextFileName(QString& name, bool& toFile) override;
  void onDownloadStarted() override;
  bool onDownloaded(const QString& path, error_t error) override;
  void onDownloadComplete(error_t error) override;
  bool onListDownloaded(const QString& path) override;
  void onDataReceived(const unsigned char* data, unsigned int size) override;
  void onDataReceptionCompleted() override;

 private:
  int m_Mode = 0;  // 0 firmware files, 1 catalogue pictures
  QString m_Tmp;
  QStringList m_Pending;
  QString m_ListPath;
  QString m_NamePrefix;
  QString m_UpdateFolder;
  CReceiversList m_List;
  int m_Walk = 0;
  CHTTPParser m_Parser;
  quint32 m_FwQueued = 0;
  quint32 m_FwStored = 0;
  quint32 m_PicQueued = 0;
  quint32 m_PicStored = 0;
};
