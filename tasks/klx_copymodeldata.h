#pragma once
// The file work QML asks for through the copy command: model and log files
// copied between the SD card and a USB stick in parts (a follow-up record
// to itself after each part), single files and folders deleted, a new model
// folder made, the system information exported to the stick. A question to
// the user is a state that waits for the answer.
#include <QElapsedTimer>
#include <QList>
#include <QString>

#include "frame/klx_filenamehandler.h"
#include "tasks/klx_vornbase.h"
#include "update/klx_filefunctions.h"

// One work entry.
struct CopyData {
  QString sourceFolder;  // full path of the file's folder, or the folder worked on
  QString name;          // the file name, or the folder's last path part
  QString destination;   // full path; empty means the USB stick
};

class KLX_CopyModelData : public KLX_VornBase {
 public:
  enum E_State {
    KLX_COPYMODELDATA_IDLE = 1,
    KLX_COPYMODELDATA_START = 2,
    KLX_COPYMODELDATA_TRY_TO_COPYDELETE = 3,
    KLX_COPYMODELDATA_WAIT_FOR_USER_INPUT = 4,
  };
  // para3: what is done with each entry.
  enum E_Action { ActionCopyFile = 0, ActionDeleteFile = 1, ActionDeleteFolder = 127, ActionCopyLogs = 128 };
  // The most voices the system information lists.
  static constexpr int kMaxListedVoices = 500;

  KLX_CopyModelData();
  ~KLX_CopyModelData() override;

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseCleanUp() override;

  int KLX_CopyModelDataHandleProgress();
  int KLX_CopyModelData_GenerateToUSBList();
  // Writes the settings, the process state, the file-system report and the
  // voice list below the stick path; 0 or KLX_Error.
  int KLX_CopySystemData_GenerateToUSBList(QString stickPath);
  int KLX_CopyModelDataState() const { return m_State; }

 private:
  int StartStep();
  int NewFolderStep();
  int CopyOrDeleteStep();
  int WaitStep();
  int CopyFile();
  int DeleteFile();
  int DeleteFolder();
  int CopyLogs();
  // What a part copy's percentage means for the copy into `destination`:
  // done, failed (a medium without room told as such) or one more step.
  int AfterPart(int percent, const QString& destination);
  // Makes `folder` with the folders above it that are missing, after
  // asking the medium's room for `bytes` where it begins: a medium without
  // it is told as such (NoRoom), and nothing is made on it. The folders
  // made go again when the copy fails (RemoveMadeFolders).
  enum class Made { Yes, NoRoom, Failed };
  Made MakeFolders(const QString& folder, qint64 bytes);
  void RemoveMadeFolders();
  // Reports the medium of `destination` without room; KLX_Error.
  int NoRoom(const QString& destination);
  // Asks the user: the dialog texts, the entry kept for the answer.
  int Ask(const char* question, const QString& parameter);
  int PostFollowUp(int mark);
  // The copy's destination folder of the current entry (the stick keeps the
  // SD card's paths); empty when the stick it needs is not there or the
  // folder lies outside the allowed areas.
  QString Destination(bool* onStick);
  bool IsLoggingFolder(const QString& folder);
  // The loaded model's file (empty without one), and whether a file or a
  // folder holds it or one of the settings files the program keeps.
  QString LoadedModelFile() const;
  bool HoldsKeptFile(const QString& path) const;
  QString Text(int n) const;

  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_State = KLX_COPYMODELDATA_IDLE;
  QElapsedTimer m_Timer;
  QList<CopyData> m_List;
  KLX_FileNameHandler m_Names;
  KLX_FileFunctions m_Files;
  CopyData m_Current;
  // The folders the current entry's copy made: the deepest and the first.
  QString m_MadeBottom;
  QString m_MadeTop;
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_Protocol* m_Protocol = nullptr;
  KLX_VornHandler* m_Handler = nullptr;
  KLX_RuntimeDatabaseManager* m_Runtime = nullptr;
};
