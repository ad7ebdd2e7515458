#pragma once
// What the model menu's three file tasks (delete, rename, copy) share: they
// work on files only, inside their start operation, and hold the saver's
// permission to write the model file while they work, so that the saver
// never writes a model file they are moving or removing.
#include "frame/klx_filenamehandler.h"
#include "tasks/klx_vornbase.h"
#include "update/klx_filefunctions.h"

class KLX_ModelFileTask : public KLX_VornBase {
 public:
  ~KLX_ModelFileTask() override;

  // All four services must be given; otherwise the task's own init error.
  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  // The task never waits: neither a time-out nor an update has a meaning.
  int KLX_VornBaseTimeout() override { return KLX_Ok; }
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T, int*) override { return KLX_Ok; }
  int KLX_VornBaseCleanUp() override;

 protected:
  struct Codes {
    unsigned init;
    const char* initText;
    unsigned unsave;
    const char* unsaveText;
  };
  explicit KLX_ModelFileTask(const Codes& codes);

  // Keeps the request, its retries as the error maximum, a fresh counter.
  void TakeRequest(const Task_Data_T& task);
  // Tests the permission (reported with the task's code when it is not
  // granted) and takes it; false leaves it as it was.
  bool TestAndTakePermission();
  void TakePermission();
  void GivePermissionBack();
  // The picture sub-folder of a model folder, both with a closing "/".
  QString PicturesOf(const QString& folder) const;

  QString Text1() const { return KLX_TaskText(m_Task.parastr1); }
  QString Text2() const { return KLX_TaskText(m_Task.parastr2); }
  QString Text3() const { return KLX_TaskText(m_Task.parastr3); }
  // Removes the file if it is there; true when it is gone.
  static bool RemoveFile(const QString& path);

  KLX_FileFunctions m_Files;
  KLX_FileNameHandler m_Names;
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_Protocol* m_Protocol = nullptr;
  KLX_VornHandler* m_Handler = nullptr;
  KLX_RuntimeDatabaseManager* m_Runtime = nullptr;
  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;

 private:
  void Clean();
  Codes m_Codes;
};
