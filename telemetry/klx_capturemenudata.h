#pragma once
// Reading a sensor's own menus (task KLX_TASK_CAPTURE_MENU_INFO): the menu
// structure, then every entry's label and flags one name request at a time,
// then every entry's value text one value request at a time, into the menu
// table of the sensor table. A sensor read before skips straight to the
// values. Parameter 1 of the request is the sensor's main address.
//
// Progress: the labels fill 0 to 50 %, the values 50 to 100 %.
#include "telemetry/klx_sensorbustask.h"

class KLX_CaptureMenuData : public KLX_SensorBusTask {
 public:
  enum State {
    KLX_CaptureMenu_KLX_CAPTURE_MENU_IDLE = 1,
    KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MAIN_MENUDATA = 2,
    KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MAIN_MENUDATA_RESP = 3,
    KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_NAME = 4,
    KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_NAME_RESP = 5,
    KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_DATA = 6,
    KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_DATA_RESP = 7,
  };

  KLX_CaptureMenuData();
  ~KLX_CaptureMenuData() override;

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseCleanUp() override;
  void KLX_VornBaseCalculatePercent() override;

 private:
  int KLX_CaptureMenuDataHandleProgress();
  int RequestStructure();
  int StructureAnswer();
  int RequestEntry(bool value);
  int EntryAnswer(bool value);
  // After an answer: the next entry of the menu, or the first of the next
  // menu (the table is locked by the caller).
  void NextEntry(KLX_Telemetrie* table);
  // The read ends with 0: automatic rescans would clear what was read.
  int Done();
  int WrongSensor();
  int Address() const { return m_Task.paraint1; }

  int m_Menu = 0;
  int m_Item = 0;
  int m_Total = 0;
  int m_Answers = 0;
  float m_Progress = 0.0f;
};
