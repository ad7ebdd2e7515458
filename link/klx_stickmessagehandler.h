#pragma once
// Acts on every message of the stick controller (node 2): control positions
// into the live control store, battery and light readings into the settings,
// answers to the running task, error reports to the error log.
#include <QObject>

#include <atomic>

#include "link/klx_protdata.h"

class KLX_DataBaseManager;
class KLX_VornHandler;

class KLX_StickMessageHandler : public QObject {
  Q_OBJECT

 public:
  explicit KLX_StickMessageHandler(QObject* parent = nullptr);

  int KLX_StickMessageHandlerInitialize(KLX_DataBaseManager* database, KLX_VornHandler* handler);
  int KLX_StickMessageHandlerRcvMsg(const KLX_ProtLongData_t* message);
  void KLX_StickMessageHandlerSet_UpdateCAN_ID(unsigned short id);

 private:
  int StickData(const KLX_ProtLongData_t* message);
  int TrimClicks(const KLX_ProtLongData_t* message);
  int PositionData(const KLX_ProtLongData_t* message, const unsigned short* controls, unsigned error,
                   const char* text);
  int SystemData(const KLX_ProtLongData_t* message);
  int Answer(const KLX_ProtLongData_t* message);
  int Update(const KLX_ProtLongData_t* message, int a);

  KLX_DataBaseManager* m_Db = nullptr;
  KLX_VornHandler* m_Vorn = nullptr;
  // Receiver thread only.
  unsigned m_MovementCounter = 0;
  unsigned m_MovementLimit = 10;
  std::atomic<unsigned short> m_UpdateId{0};
};
