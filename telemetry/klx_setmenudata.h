#pragma once
// Changing one item of a sensor's menu (task KLX_TASK_SET_MENU_DATA): a
// toggle item flips, a value item steps up or down; the sensor answers with
// the item's new value text, which is stored and announced with the facade's
// taskSetDataDone. Parameters: 1 sensor main address, 2 menu, 3 item, 4 step,
// 5 direction (bit 0: 1 up), 6 KLX_TASK_PARA_MENU_DATA_TOGGLE or _VAL.
//
// Only the sensor's own answer ends the change; a missing one ends it with
// the time-out, so that the screen shows that nothing changed.
#include "telemetry/klx_sensorbustask.h"

class KLX_SetMenuData : public KLX_SensorBusTask {
 public:
  enum State {
    KLX_SetMenu_KLX_SET_MENU_IDLE = 1,
    KLX_SetMenu_KLX_SET_MENU_DATA_SET = 2,
    KLX_SetMenu_KLX_SET_MENU_DATA_SET_RESP = 3,
  };

  KLX_SetMenuData();
  ~KLX_SetMenuData() override;

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseCleanUp() override;

 private:
  int KLX_SetMenuDataHandleProgress();
  int Set();
  int SetAnswer();
};
