#pragma once
// The new model (task KLX_TASK_MOD_NEW): tells the transceiver controller
// that a new model begins and ends, then makes the database a fresh model
// with one flight mode and curve 0, names it, gives it its type and folder
// and marks it for the XML file saver, which writes its file. The runtime
// processing pauses while the task runs; the name is checked against the
// files of the folder before the controller hears anything, and a task that
// fails gives the permission to save the old model back and lets the
// runtime processing go on with it.
#include "frame/klx_filenamehandler.h"
#include "tasks/klx_modelreceiver.h"
#include "tasks/klx_pendinganswers.h"
#include "tasks/klx_tasklinks.h"
#include "tasks/klx_vornbase.h"
#include "update/klx_filefunctions.h"

class KLX_ModelNew : public KLX_VornBase {
 public:
  enum State {
    KLX_MODELNEW_IDLE = 1,
    KLX_MODELNEW_START = 2,
    KLX_MODELNEW_START_RESP = 3,
    KLX_MODELNEW_END_RESP = 5,
  };

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseCleanUp() override;

  int KLX_ModelNewGetState() const { return m_State; }

 private:
  int Progress();
  int SendModelStart();
  int SendModelEnd();
  int StartAnswer();
  int EndAnswer();
  // The controller did not answer as asked: the same step again, or, with
  // the retries used up, the failure.
  int Again(int (KLX_ModelNew::*step)());
  void MakeNewModel();
  // Every failure after the start: the old model is kept and runs on.
  int Fail(int result);
  // The answer the state waits for: the start's or the end's.
  KLX_AnswerKey Awaited() const;

  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_State = KLX_MODELNEW_IDLE;
  // The new model's folder in the board's form, and its type.
  QString m_Folder;
  int m_Type = 0;
  // The saver's permission found at the start, given back as it was on a
  // failure (withheld without a model, so no empty model is saved).
  bool m_Permission = true;
  KLX_TaskLinks m_Links;
  KLX_FileFunctions m_Files;
  KLX_FileNameHandler m_Names;
  KLX_ModelReceiver m_Receiver;
  // Without retries of its own the task is asked again by the pilot: the
  // answers to the run before may come while the next one waits.
  KLX_PendingAnswers m_Pending;
};
