#pragma once
// The model checksum check at switch-off (task KLX_TASK_MOD_SYNC): the
// transceiver controller reports the checksum of the model it holds; when
// it equals the program's own, the controller is told to power off with the
// model kept, so that the next start can skip the load. Every end lets the
// switch-off go on with the model file saved.
#include "tasks/klx_tasklinks.h"
#include "tasks/klx_vornbase.h"

class KLX_ModelReceiver : public KLX_VornBase {
 public:
  enum State {
    KLX_MODELRECEIVER_IDLE = 1,
    KLX_MODELRECEIVER_REQUEST_CRC = 2,
    KLX_MODELRECEIVER_REQUEST_CRC_RESP = 3,
  };

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseCleanUp() override;

  int KLX_ModelReceiverGetState() const { return m_State; }

 private:
  int KLX_MODELRECEIVER_REQUEST_CRC_Step();
  int KLX_MODELRECEIVER_REQUEST_CRC_RESP_Step();
  // An end without a comparison: the model counts as not kept by the
  // controller, and the model file is saved before the switch-off goes on.
  int EndUncompared(int result);

  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_State = KLX_MODELRECEIVER_IDLE;
  char m_SendBuffer[8] = {};
  KLX_TaskLinks m_Links;
};
