#pragma once
// Polling the continuous items of the sensor menu the GUI shows (task
// KLX_TASK_GET_MENU_DATA_CONT): the menu and sensor come from the runtime
// database; each pass asks every continuous item's value once and then puts
// itself back into the queue, until the GUI leaves the menu.
#include "telemetry/klx_sensorbustask.h"

class KLX_CaptMenCont : public KLX_SensorBusTask {
 public:
  enum State {
    KLX_CaptMenCont_KLX_CAPT_MENCONTERROR_IDLE = 1,
    KLX_CaptMenCont_KLX_CAPT_MENCONTERROR_START = 2,
    KLX_CaptMenCont_KLX_CAPT_MENCONTERROR_REQ = 3,
    KLX_CaptMenCont_KLX_CAPT_MENCONTERROR_RESP = 4,
  };
  static constexpr int kNoSensor = 255;
  static constexpr int kNoMenu = 8;
  static constexpr int kNoItem = 16;

  KLX_CaptMenCont();
  ~KLX_CaptMenCont() override;

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseCleanUp() override;

 private:
  int KLX_CaptMenContHandleProgress();
  int Start();
  int Request();
  int Answer();
  // The GUI has left the menu (or shows none).
  bool MenuClosed() const;

  int m_Sensor = kNoSensor;
  int m_Language = 0;
  int m_Measure = 0;
  int m_Menu = kNoMenu;
  int m_Position = 0;
  int m_Items[16];
};
