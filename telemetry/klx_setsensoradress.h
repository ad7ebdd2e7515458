#pragma once
// Giving a sensor on the sensor bus a new main address (task
// KLX_TASK_SET_MENU_ADR): the first address from 200 upwards that no sensor
// of the table uses, or its factory address when parameter 2 asks for a
// reset. When the sensor confirms, its entry in the sensor table and every
// widget that shows it move to the address now in effect. Parameter 1 is the
// sensor's present address.
#include "telemetry/klx_sensorbustask.h"

class KLX_SetSensorAdress : public KLX_SensorBusTask {
 public:
  enum State {
    KLX_SET_SENSOR_ADRESS_IDLE = 1,
    KLX_SET_SENSOR_ADRESS_SET = 2,
    KLX_SET_SENSOR_ADRESS_SET_RESP = 3,
  };
  static constexpr int kFirstAddress = 200;
  static constexpr int kLastAddress = 254;

  KLX_SetSensorAdress();
  ~KLX_SetSensorAdress() override;

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseCleanUp() override;

 private:
  int KLX_SetSensorAdress_HandleProgress();
  int KLX_SetSensorAdress_KLX_SET_SENSOR_ADRESS_SET();
  int KLX_SetSensorAdress_KLX_SET_SENSOR_ADRESS_SET_RESP();
};
