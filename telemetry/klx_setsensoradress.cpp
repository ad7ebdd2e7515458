#include "telemetry/klx_setsensoradress.h"

#include "model/klx_databasemanager.h"
#include "telemetry/klx_telemetrie.h"

namespace {
constexpr unsigned kErrInit = 0x24301;
constexpr unsigned kErrState = 0x24302;
constexpr unsigned kErrAddress = 0x24303;
}  // namespace

KLX_SetSensorAdress::KLX_SetSensorAdress() { KLX_VornBaseCleanUp(); }

KLX_SetSensorAdress::~KLX_SetSensorAdress() { KLX_VornBaseCleanUp(); }

int KLX_SetSensorAdress::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                          KLX_RuntimeDatabaseManager* runtime) {
  return TakeLinks(db, protocol, handler, runtime, kErrInit, "Initializing of KLX_SetSensorAdress went wrong")
             ? int(KLX_Ok)
             : int(KLX_Error);
}

int KLX_SetSensorAdress::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_State = KLX_SET_SENSOR_ADRESS_SET;
  return KLX_SetSensorAdress_HandleProgress();
}

int KLX_SetSensorAdress::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  return KLX_SetSensorAdress_HandleProgress();
}

int KLX_SetSensorAdress::KLX_VornBaseTimeout() { return KLX_Timeout; }

int KLX_SetSensorAdress::KLX_VornBaseCleanUp() {
  m_State = KLX_SET_SENSOR_ADRESS_IDLE;
  ForgetLinks();
  m_Task.task = KLX_VornTask::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

int KLX_SetSensorAdress::KLX_SetSensorAdress_HandleProgress() {
  switch (m_State) {
    case KLX_SET_SENSOR_ADRESS_SET: return KLX_SetSensorAdress_KLX_SET_SENSOR_ADRESS_SET();
    case KLX_SET_SENSOR_ADRESS_SET_RESP: return KLX_SetSensorAdress_KLX_SET_SENSOR_ADRESS_SET_RESP();
    default:
      KLXErrorHandler.RegisterError(kErrState, QString());
      return KLX_Error;
  }
}

int KLX_SetSensorAdress::KLX_SetSensorAdress_KLX_SET_SENSOR_ADRESS_SET() {
  const unsigned char sensor = static_cast<unsigned char>(m_Task.paraint1);
  const int language = Language();
  const int measure = Measure();
  int length;
  if (m_Task.paraint2 == KLX_VornTask::KLX_TASK_PARA_RESET_KL2_ADRESS) {
    length = KLX_Z2Bus::KLX_Z2BusGetCommandSensorResetAdress(m_Buffer, sensor, language, measure);
  } else {
    int address = kFirstAddress;
    while (address <= kLastAddress && m_Links.db->KLX_DataBaseManagerTelemetrieGetSensorIsUsed(address) == 1) ++address;
    if (address > kLastAddress) {
      KLXErrorHandler.RegisterError(kErrAddress, QString());
      return KLX_Error;
    }
    length = KLX_Z2Bus::KLX_Z2BusGetCommandSensorNewAdress(m_Buffer, sensor, language, measure,
                                                           static_cast<unsigned char>(address));
  }
  m_State = KLX_SET_SENSOR_ADRESS_SET_RESP;
  return SendCommand(length);
}

int KLX_SetSensorAdress::KLX_SetSensorAdress_KLX_SET_SENSOR_ADRESS_SET_RESP() {
  if (!IsAnswer(m_Update, AnswerAddress)) return KLX_Ok;
  m_Z2Bus.KLX_Z2BusSetSensorMenuAdrChng(m_Update.data);
  KLX_Z2Bus::AddressChange change;
  m_Z2Bus.KLX_Z2BusGetSensorMenuAdrChng(&change);
  if (change.oldAddress != m_Task.paraint1) {
    KLXErrorHandler.RegisterError(kErrAddress, QString());
    return KLX_Error;
  }
  if (change.oldAddress == change.newAddress) return KLX_Done;
  int moved;
  {
    LockedTable t(m_Links.db);
    moved = t ? t->KLX_TelemetrieSet_SensorMove(change.oldAddress, change.newAddress) : int(KLX_Error);
  }
  if (moved != KLX_Ok) return moved;
  if (m_Links.db->KLX_DataBaseManagerTelemetrieMoveSensor(change.oldAddress, change.newAddress) == KLX_Ok)
    return KLX_Done;
  KLXErrorHandler.RegisterError(kErrAddress, QString());
  return KLX_Error;
}
