#include "tasks/klx_sync.h"

#include "frame/klx_errorhandler.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"

namespace {
constexpr unsigned kErrInit = 0x22501;
constexpr unsigned kErrState = 0x22502;
constexpr unsigned kErrRetries = 0x22503;
constexpr unsigned kErrTimeout = 0x22504;
constexpr unsigned kErrDirections = 0x23208;

// The answers' first message byte: 1 is a controller's answer to the request.
constexpr int kAnswer = 1;
constexpr int kDirectionsAnswer = 0;

uint32_t Le32(const unsigned char* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
}  // namespace

int KLX_Sync::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                               KLX_RuntimeDatabaseManager* runtime) {
  if (!db || !protocol || !handler || !runtime) {
    KLXErrorHandler.RegisterError(kErrInit, QStringLiteral("Initializing of sync went wrong"));
    return KLX_Error;
  }
  m_Db = db;
  KLX_DataBaseTransmitterInitialize(protocol);
  m_Handler = handler;
  m_Runtime = runtime;
  return KLX_Ok;
}

int KLX_Sync::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_State = KLX_SYNC_STATE_STARTED;
  m_StickRetry = false;
  return KLX_SyncHandleProgress();
}

int KLX_Sync::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  return KLX_SyncHandleProgress();
}

int KLX_Sync::KLX_VornBaseTimeout() {
  KLX_VornBaseIncErrorCount();
  if (KLX_VornBaseCheckForMaxError()) {
    KLXErrorHandler.RegisterError(kErrRetries, QStringLiteral("sync went wrong after retries"));
    return KLX_Timeout;
  }
  switch (m_State) {
    case KLX_SYNC_STATE_TRANS_SENT: return KLX_SYNC_REQ_TRANS();
    case KLX_SYNC_STATE_STICK_SENT: return KLX_SYNC_REQ_STICK();
    case KLX_SYNC_STATE_DIRECTIONS_SENT: return KLX_CALIBRATION_CONTROL_DIRECTION();
    default:
      KLXErrorHandler.RegisterError(kErrTimeout, QStringLiteral("timeout in task sync"));
      return KLX_Error;
  }
}

int KLX_Sync::KLX_VornBaseCleanUp() {
  m_State = KLX_SYNC_STATE_IDLE;
  m_Db = nullptr;
  m_Protocol = nullptr;
  m_Handler = nullptr;
  m_Task.task = KLX_VornTask::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

int KLX_Sync::KLX_SyncHandleProgress() {
  switch (m_State) {
    case KLX_SYNC_STATE_STARTED: return KLX_SYNC_REQ_TRANS();
    case KLX_SYNC_STATE_TRANS_SENT: return KLX_SYNC_REQ_TRANS_RESP();
    case KLX_SYNC_STATE_STICK_SENT: return KLX_SYNC_REQ_STICK_RESP();
    case KLX_SYNC_STATE_DIRECTIONS_SENT: return KLX_CALIBRATION_CONTROL_DIRECTION_RESP();
    default:
      KLXErrorHandler.RegisterError(kErrState, QString());
      return KLX_Error;
  }
}

int KLX_Sync::Request(unsigned short id, unsigned length, int state, int percent) {
  // A synchronisation request is 0x01 and seven zero bytes.
  std::fill(std::begin(m_SendBuffer), std::end(m_SendBuffer), 0);
  m_SendBuffer[0] = 1;
  if (m_Protocol) m_Protocol->KLX_ProtocolSendMessage(length, m_SendBuffer, id, KLX_NODE_APPLICATION);
  m_State = state;
  KLX_VornBaseSetPercent(percent, percent, 0);
  return KLX_Ok;
}

int KLX_Sync::KLX_SYNC_REQ_TRANS() {
  if (m_Db) {
    qInfo("%s", "");
    qInfo("  ->   Application Version is     : %s",
          m_Db->KLX_DataBaseManagerVornLinuxAppGetVersion().toLatin1().constData());
  }
  return Request(KLX_MSG_SYNC_TRANSCEIVER, sizeof(m_SendBuffer), KLX_SYNC_STATE_TRANS_SENT, 0);
}

int KLX_Sync::BadAnswer() {
  KLX_VornBaseIncErrorCount();
  if (KLX_VornBaseCheckForMaxError()) {
    KLXErrorHandler.RegisterError(kErrRetries, QString());
    return KLX_Error;
  }
  return KLX_SYNC_REQ_TRANS();
}

int KLX_Sync::KLX_SYNC_REQ_TRANS_RESP() {
  if (m_Update.updateKind != KLX_UPDATE_KIND_TRANSCEIVER || m_Update.para != kAnswer) return BadAnswer();
  const int major = m_Update.data[1];
  const int minor = m_Update.data[2];
  m_Db->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TransceiverState(m_Update.data[0], AtomicDirSet);
  m_Db->KLX_DataBaseManagerVornTransAppSetVersion(static_cast<unsigned char>(major), static_cast<unsigned char>(minor));
  qInfo("  ->   Transceiver Version is     : %d.%d", major, minor);
  if (!m_StickRetry) KLX_VornBaseResetErrorCount();
  return KLX_SYNC_REQ_STICK();
}

int KLX_Sync::KLX_SYNC_REQ_STICK() {
  return Request(KLX_MSG_SYNC_STICK, sizeof(m_SendBuffer), KLX_SYNC_STATE_STICK_SENT, 33);
}

int KLX_Sync::KLX_SYNC_REQ_STICK_RESP() {
  if (m_Update.updateKind != KLX_UPDATE_KIND_STICK || m_Update.para != kAnswer) {
    m_StickRetry = true;
    return BadAnswer();
  }
  const int major = m_Update.data[1];
  const int minor = m_Update.data[2];
  // Message bytes 4 (lowest) to 7 (highest).
  const uint32_t serial = Le32(m_Update.data + 3);
  m_Db->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_StickState(m_Update.data[0], AtomicDirSet);
  m_Db->KLX_DataBaseManagerVornStickAppSetVersion(static_cast<unsigned char>(major), static_cast<unsigned char>(minor));
  m_Db->KLX_DataBaseManagerSerialStickSet(serial);
  qInfo("  ->   Stickcontroller Version is : %d.%d", major, minor);
  qInfo("  ->   Stickcontroller Serial is  : %d", static_cast<int>(serial));
  qInfo("%s", "");
  return KLX_CALIBRATION_CONTROL_DIRECTION();
}

int KLX_Sync::KLX_CALIBRATION_CONTROL_DIRECTION() {
  // The directions request carries no data.
  return Request(KLX_MSG_DIRECTIONS_REQUEST, 0, KLX_SYNC_STATE_DIRECTIONS_SENT, 66);
}

int KLX_Sync::KLX_CALIBRATION_CONTROL_DIRECTION_RESP() {
  if (m_Update.updateKind != KLX_UPDATE_KIND_STICK || m_Update.para != kDirectionsAnswer) {
    KLXErrorHandler.RegisterError(kErrDirections, QString());
    return KLX_Error;
  }
  m_Runtime->KLX_SetDirectionOfControls(Le32(m_Update.data));
  KLX_VornBaseSetPercent(100, 100, 0);
  return KLX_Done;
}
