#pragma once
// The synchronisation with the controllers, the first task of every start:
// it asks the transceiver controller and then the stick controller for their
// state and firmware version (the stick controller also for its serial
// number), then for the direction bits of the controls, and stores every
// answer.
#include "tasks/klx_vornbase.h"

class KLX_Sync : public KLX_VornBase {
 public:
  enum State {
    KLX_SYNC_STATE_IDLE = 1,
    KLX_SYNC_STATE_STARTED = 2,
    KLX_SYNC_STATE_TRANS_SENT = 3,
    KLX_SYNC_STATE_STICK_SENT = 5,
    KLX_SYNC_STATE_DIRECTIONS_SENT = 6,
  };

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseCleanUp() override;

  int KLX_SyncGetState() const { return m_State; }

 private:
  int KLX_SyncHandleProgress();
  int KLX_SYNC_REQ_TRANS();
  int KLX_SYNC_REQ_TRANS_RESP();
  int KLX_SYNC_REQ_STICK();
  int KLX_SYNC_REQ_STICK_RESP();
  int KLX_CALIBRATION_CONTROL_DIRECTION();
  int KLX_CALIBRATION_CONTROL_DIRECTION_RESP();
  // Sends a request (its first `length` bytes of 0x01 and zeros), moves to
  // `state` and shows `percent` progress.
  int Request(unsigned short id, unsigned length, int state, int percent);
  // A bad answer: at the maximum the task fails, below it the transceiver
  // request goes out again.
  int BadAnswer();

  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_State = KLX_SYNC_STATE_IDLE;
  // A bad stick answer started the round again: the transceiver's good
  // answer in it keeps the count, or a refusing stick controller would be
  // asked for ever.
  bool m_StickRetry = false;
  char m_SendBuffer[8] = {};
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_VornHandler* m_Handler = nullptr;
  KLX_RuntimeDatabaseManager* m_Runtime = nullptr;
};
