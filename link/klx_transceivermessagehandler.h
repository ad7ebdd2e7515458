#pragma once
// Acts on every message of the transceiver controller (node 1): live values
// into the stores, sensor-bus frames to the telemetry, error reports to the
// error log, answers to the running task.
#include <QObject>

#include <atomic>

#include "link/klx_protdata.h"
#include "link/klx_tcdevstate.h"
#include "telemetry/klx_z2bus.h"

class KLX_DataBaseManager;
class KLX_VornHandler;

class KLX_TransceiverMessageHandler : public QObject {
  Q_OBJECT

 public:
  explicit KLX_TransceiverMessageHandler(QObject* parent = nullptr);

  int KLX_TransceiverMessageHandlerInitialize(KLX_DataBaseManager* database, KLX_VornHandler* handler);
  int KLX_TransceiverMessageHandlerRcvMsg(const KLX_ProtLongData_t* message);
  // The boot loader's answer id during a firmware update; 65535 gives 153.
  void KLX_TransceiverMessageHandlerSet_UpdateCAN_ID(unsigned short id);
  const KLX_TCDevState& KLX_TransceiverMessageHandlerDevState() const { return m_DevState; }

 private:
  int ShortMessage(const KLX_ProtLongData_t* message);
  int LongMessage(const KLX_ProtLongData_t* message);
  int Answer(const KLX_ProtLongData_t* message);
  int Update(const KLX_ProtLongData_t* message, int a, int b, bool response = false);
  int UpdateSingle(const KLX_ProtLongData_t* message, int a);
  int TrimData(const KLX_ProtLongData_t* message, int firstRow);
  int SpecialSwitch(const KLX_ProtLongData_t* message);
  int Z2BusData(const KLX_ProtLongData_t* message);

  KLX_Z2Bus m_Z2Bus;
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_VornHandler* m_Vorn = nullptr;
  KLX_TCDevState m_DevState;
  // Starts at 0 like the stick handler's; set during firmware updates.
  std::atomic<unsigned short> m_UpdateId{0};
};
