#include "telemetry/klx_sensorbustask.h"

#include "link/klx_messageids.h"
#include "link/klx_protdata.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_vornhandler.h"
#include "telemetry/klx_telemetrie.h"

bool KLX_SensorBusTask::TakeLinks(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                  KLX_RuntimeDatabaseManager* runtime, unsigned code, const char* text) {
  if (!m_Links.Take(db, protocol, handler, runtime, code, text)) return false;
  KLX_DataBaseTransmitterInitialize(protocol);
  return true;
}

void KLX_SensorBusTask::ForgetLinks() {
  m_Links.Forget();
  m_Protocol = nullptr;
}

int KLX_SensorBusTask::Language() const {
  return KLX_Z2Bus::KLX_Z2BusGetLanguageByString(
      m_Links.db->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language(QString(), AtomicDirGet, false));
}

int KLX_SensorBusTask::Measure() const {
  return m_Links.db->KLX_DataBaseManagerGetSet_SystemPropertiesMeasureSystem(0, AtomicDirGet, false) & 0xFF;
}

int KLX_SensorBusTask::Send(int length, unsigned short id) {
  if (!m_Protocol) return KLX_Error;
  return m_Protocol->KLX_ProtocolSendMessage(unsigned(length), reinterpret_cast<const char*>(m_Buffer), id,
                                             KLX_NODE_APPLICATION);
}

int KLX_SensorBusTask::SendCommand(int length) { return Send(length, KLX_MSG_SENSOR_BUS); }

void KLX_SensorBusTask::PostSelf() {
  TaskUpdate_Data_T self;
  self.para = 0;
  self.updateKind = KLX_UPDATE_KIND_RESULT;
  m_Links.handler->KLX_VornHandlerUpdateSelfProcessTask(self);
}

KLX_SensorBusTask::LockedTable::LockedTable(KLX_DataBaseManager* db)
    : m_Table(db ? db->KLX_DataBaseManagerGetTelemetrieObject() : nullptr) {
  if (m_Table) m_Table->KLX_TelemetrieLock();
}

KLX_SensorBusTask::LockedTable::~LockedTable() {
  if (m_Table) m_Table->KLX_TelemetrieUnlock();
}
