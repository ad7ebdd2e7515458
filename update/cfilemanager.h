#pragma once
// The file manager's engine: copies and deletes the selected files and
// folders of one source folder on a worker thread of its own, reports
// progress, and asks the screen what to do when a file to be copied exists
// already (the worker waits for the answer). QML knows the type
// ("FileManagerBackend" 1.0 "FileManager") for its enumerations only.
//
//   CFileManager fm(QThread::NormalPriority);
//   fm.setSourceFolder("/Vorn/Model/Plane");
//   fm.selectSource("Glider.xml");
//   fm.beginCopy("/media/usb0", CFileManagerBase::Behavior_AskTheUser);
//   ... sigUserDecisionRequired -> fm.resume(Behavior_Overwrite) ...
//   ... sigComplete(Result_CopyComplete)
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <memory>

class CFileManagerBase : public QObject {
  Q_OBJECT
 public:
  // The answer to a conflict, and the standing rule of an operation.
  enum Behavior {
    Behavior_AskTheUser = 0,
    Behavior_Skip = 1,
    Behavior_SkipAll = 2,
    Behavior_Rename = 3,
    Behavior_RenameAll = 4,
    Behavior_Overwrite = 5,
    Behavior_OverwriteAll = 6,
    Behavior_Abort = 7
  };
  Q_ENUM(Behavior)
  using behavior_t = Behavior;
  enum Result {
    Result_CopyComplete = 0,
    Result_DelComplete = 1,
    Result_CanceledByUser = 2,
    Result_CanNotDelete = 3,
    Result_CanNotCreate = 4,
    Result_Skipped = 5,
    Result_SourceNotAvailable = 6,
    Result_ReadError = 7,
    Result_WriteError = 8,
    Result_DestinationNotAvailable = 9,
    Result_NotEnoughMemory = 10,
    Result_SourceNotFound = 11,
    Result_NewFileNameNotFound = 12,
    Result_SubfolderError = 13,
    Result_SameFolder = 14
  };
  Q_ENUM(Result)
  enum Conflict { Conflict_FileExists = 0 };
  Q_ENUM(Conflict)

  static constexpr int kBufferSize = 1024;
  // How long ThreadStop waits for the worker.
  static constexpr unsigned long kStopWaitMs = 500;

  explicit CFileManagerBase(QThread::Priority priority = QThread::InheritPriority);
  ~CFileManagerBase() override;

  // GUI thread. Each is refused (false, nothing changed) after an abort,
  // and, but for resume, while an operation runs.
  // The folder whose entries are selected; true when it is not empty.
  bool setSourceFolder(const QString& folder);
  // A name of an entry in the source folder (no "/" and no ".." part).
  bool selectSource(const QString& name);
  bool deselectSource(const QString& name);
  // Copies the selection into `destination`, conflicts handled by `behavior`.
  bool beginCopy(const QString& destination, Behavior behavior);
  bool beginDelete();
  // Deletes one entry of `folder` (it becomes the source folder).
  bool beginDelete(const QString& folder, const QString& item);
  // The user's answer to sigUserDecisionRequired; Behavior_Abort also ends
  // the operation and refuses every later call.
  void resume(Behavior behavior);
  // Ends the running operation and refuses every later call; a worker
  // waiting for an answer is answered with Behavior_Abort.
  void abort();

  bool IsAbortRequested() const;
  bool IsBusy() const { return m_Busy.load(); }
  QStringList Selection() const;
  QString SourceFolder() const;
  // Asks the worker thread to end and waits up to kStopWaitMs for it.
  void ThreadStop();

 signals:
  void sigCopy(QString to, int behavior);
  void sigDelete();
  void sigComplete(int result);
  void sigProgress(QString fname, int count, int index, int progress);
  void sigUserDecisionRequired(QString fname, int conflict);

 public slots:
  void slotCopy(QString to, int behavior);
  void slotDelete();
  void slotTreadComplete();

 protected:
  // Worker thread: one entry `name` of `source` (both folders end in "/").
  virtual Result Copy(const QString& source, const QString& destination, const QString& name, int index,
                      Behavior& behavior, bool recursive) = 0;
  virtual Result Delete(const QString& source, const QString& name, int index) = 0;

  // Worker thread: asks the screen and waits for resume(); Behavior_Abort
  // when the manager is aborted or stopped meanwhile.
  Behavior getUserDecision(const QString& name, Conflict conflict);
  char* Buffer() const { return m_Buffer.get(); }
  // Aborts, stops the worker and waits for it to end; the destructor of
  // the class that implements Copy and Delete calls it first.
  void StopWorker();
  // The selection's size when the running operation began.
  int StartCount() const { return m_StartCount; }

 private:
  // The busy flag is taken by the GUI thread when an operation begins and
  // given back by the worker when it ends; every other call only tries it.
  bool TryTakeBusy();
  void GiveBackBusy() { m_Busy.store(false); }
  void Finish(int result);
  QString TakeFirst();

  std::unique_ptr<char[]> m_Buffer;
  mutable QMutex m_SelectionMutex;
  QStringList m_Selection;
  int m_StartCount = 0;
  QMutex m_DecisionMutex;
  QWaitCondition m_Decision;
  bool m_DecisionPending = false;
  Behavior m_Answer = Behavior_AskTheUser;
  std::atomic<bool> m_Busy{false};
  std::unique_ptr<QThread> m_Thread;
  QString m_SourceFolder;
  Behavior m_Behavior = Behavior_AskTheUser;
  std::atomic<bool> m_Abort{false};
};

// The file manager on the file system.
class CFileManager : public CFileManagerBase {
  Q_OBJECT
 public:
  explicit CFileManager(QThread::Priority priority = QThread::InheritPriority) : CFileManagerBase(priority) {}
  ~CFileManager() override;

 protected:
  Result Copy(const QString& source, const QString& destination, const QString& name, int index, Behavior& behavior,
              bool recursive) override;
  Result Delete(const QString& source, const QString& name, int index) override;

 private:
  Result CopyFile(const QString& source, const QString& destination, const QString& name, int index,
                  Behavior& behavior);
  Result CopyDir(const QString& source, const QString& destination, const QString& name, int index,
                 Behavior& behavior, bool recursive);
  // "<name> (<c>)<extension>" in `folder` with the first free counter
  // character; empty when every one is taken.
  static QString FreeName(const QString& folder, const QString& name);
};
