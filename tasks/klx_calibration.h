#pragma once
// The calibration of one physical control with the stick controller (task
// KLX_TASK_CALIBRATION): the user moves the control to its end positions and
// confirms, then (not for a two-position switch) to its centre and confirms;
// the stick controller reports each step and the end. Every question to the
// user is a trigger (4) or, while the control moves, a re-trigger (5); the
// answers come back through the GUI command layer as user input.
#include "tasks/klx_tasklinks.h"
#include "tasks/klx_vornbase.h"

class KLX_Calibration : public KLX_VornBase {
 public:
  enum State {
    KLX_CALIBRATION_IDLE = 1,
    KLX_CALIBRATION_START = 4,
    KLX_CALIBRATION_START_RESP = 5,
    KLX_CALIBRATION_END_POSITIONS = 6,
    KLX_CALIBRATION_CENTRE_START_RESP = 7,
    KLX_CALIBRATION_CENTRE_POSITION = 8,
    KLX_CALIBRATION_CANCEL_SENT = 9,
    KLX_CALIBRATION_END_SENT = 10,
  };

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseCleanUp() override;

  int KLX_CalibrationGetState() const { return m_State; }

 private:
  int Progress();
  int StickIndex() const;
  // A step report of the stick controller for this control (any control
  // with `anyIndex`).
  bool IsStep(bool anyIndex = false) const;
  bool IsEndReport() const;
  // The user's answer (E_UserInput), or -1 when the update is none.
  int UserAnswer() const;
  int SendCancel();
  int SendEnd();
  int Send(unsigned char id, bool withIndex);
  // An update that does not fit the state: logged, the task goes on.
  int Unexpected();
  int BadStatus();

  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_State = KLX_CALIBRATION_IDLE;
  char m_Buffer[1] = {};
  KLX_TaskLinks m_Links;
};
