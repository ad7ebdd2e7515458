#pragma once
// The unit deleter (task KLX_TASK_DELETE_UNIT): deletes one model element in
// the transceiver controller and, once the controller has confirmed it, in
// the database. A servo that another function still drives is only taken
// from this function, in the database alone. Edits made before the task,
// and the task's own change, stay marked for the next save at every end.
#include <QList>

#include "model/klx_serfuncmatrix.h"
#include "tasks/klx_pendinganswers.h"
#include "tasks/klx_tasklinks.h"
#include "tasks/klx_vornbase.h"

class KLX_UnitDeleter : public KLX_VornBase {
 public:
  enum State {
    KLX_UNITDELETER_IDLE = 1,
    KLX_UNITDELETER_CHECK = 2,
    KLX_UNITDELETER_START = 3,
    KLX_UNITDELETER_START_RESP = 4,
  };

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseCleanUp() override;

  int KLX_UnitDeleterGetState() const { return m_State; }

 private:
  int Kind() const { return m_Task.paraint1; }
  int Index() const { return m_Task.paraint2; }
  int Check();
  int SendRequest();
  int Answer();
  void DeleteInDatabase();
  int End(int result);
  // The answer to this run's delete: it repeats the kind and the index.
  KLX_AnswerKey Awaited() const;

  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_State = KLX_UNITDELETER_IDLE;
  // 1: the controller deletes the unit too; 0: only the database changes.
  unsigned char m_DeleteInController = 0;
  QList<int> m_Servos;
  // What was unsaved before the task (change kinds), given back at its end.
  int m_ModelHeld = 0;
  bool m_ModelChanged = false;
  KLX_SerFuncMatrix m_Matrix;
  KLX_TaskLinks m_Links;
  // A delete asked again leaves the first answer on its way, which may come
  // after this run ended, while the next delete waits for its own.
  KLX_PendingAnswers m_Pending;
};
