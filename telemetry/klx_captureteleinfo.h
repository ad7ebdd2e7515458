#pragma once
// The capture of the sensors' descriptions (task KLX_TASK_CAPTURE_TELEINFO),
// the last link of the start-up chain and the work of every rescan: it asks
// the transceiver controller which sensors are on the sensor bus (message
// 195, answered by the status and the sensor count), asks for every
// description (192) and writes each sensor's main information and each
// value's description into the sensor table as they arrive, sets up the
// transmitter's own sensor at address 4, and once every announced sensor is
// complete tells the rest of the system and rebinds the display pages.
//
// With an R-Ediv receiver the capture ends by asking to run again, so that
// a sensor that appears later is found; each run then starts over only when
// more sensors are announced than last time.
//
// While the transceiver has not finished its sensor scan (or does not say),
// the capture asks again later, and the sensor table tells the screens that
// sensors are being searched for, until a run completes the table or ends
// without asking again.
#include "telemetry/klx_sensorbustask.h"

class KLX_CaptureTeleInfo : public KLX_SensorBusTask {
 public:
  enum State {
    KLX_TELEMETRIE_IDLE = 0,
    KLX_TELEMETRIE_START = 1,
    KLX_TELEMETRIE_GET_STATUS_RESP = 2,
    KLX_TELEMETRIE_GET_TELEMETRIE_DATA = 3,
    KLX_TELEMETRIE_GET_TELEMETRIE_DATA_RESP = 4,
  };
  // The status the transceiver answers when its sensor scan is complete.
  static constexpr int kStatusReady = 6;

  KLX_CaptureTeleInfo();
  ~KLX_CaptureTeleInfo() override;

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseCleanUp() override;
  // The capture no longer waits for the transceiver's sensor scan.
  void KLX_VornBaseRepeatDropped(KLX_DataBaseManager* db) override;

  int KLX_CaptureTeleInfoGetState() const { return m_State; }

 private:
  int KLX_CaptureTeleInfoHandleProgress();
  int KLX_CaptureTeleInfo_KLX_TELEMETRIE_START();
  int KLX_CaptureTeleInfo_KLX_TELEMETRIE_GET_STATUS_RESP();
  int KLX_CaptureTeleInfo_KLX_TELEMETRIE_GET_TELEMETRIE_DATA();
  int KLX_CaptureTeleInfo_KLX_TELEMETRIE_GET_TELEMETRIE_DATA_RESP();
  int KLX_CaptureTeleInfo_KLX_MakeRenew_SensorsInfo();
  void KLX_CaptureTeleInfo_SetSensorMainInfoToDB();
  void KLX_CaptureTeleInfo_SetSensorValueInfoToDB();
  void KLX_CaptureTeleInfo_InstanceVornTele();
  // Every description is in: the rest of the system hears of it.
  int Captured();
  // The result of a step as it goes to the engine; a run that ends without
  // asking again for the scan ends the search.
  int Report(int result);

  bool m_FirstSetUp = true;
  // This run found the scan not done, or got no answer about it.
  bool m_ScanPending = false;
};
