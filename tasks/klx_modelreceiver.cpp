#include "tasks/klx_modelreceiver.h"

#include "frame/klx_errorhandler.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"

namespace {
constexpr unsigned kErrInit = 0x22C01;
constexpr unsigned kErrRetries = 0x22C02;
constexpr unsigned kErrTimeoutState = 0x22C03;
constexpr unsigned kErrNoStep = 0x22C05;
constexpr unsigned kHintMatched = 0x42601;
constexpr unsigned kErrMismatch = 0x21605;
constexpr unsigned kHintOwnCrc = 0x42605;
constexpr unsigned kHintTcCrc = 0x42606;

// The loader control's checksum request: byte 0 = 1, sub-command 6.
constexpr char kRequest = 1;
constexpr char kSubChecksum = 6;
// The transceiver handler's sub-code of the controls answer.
constexpr unsigned char kControlsAnswer = 9;

QString Hex8(unsigned value) { return QStringLiteral("%1").arg(value, 8, 16, QChar('0')).toUpper(); }
}  // namespace

int KLX_ModelReceiver::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                        KLX_RuntimeDatabaseManager* runtime) {
  if (!m_Links.Take(db, protocol, handler, runtime, kErrInit, "Initializing of modelreceiver went wrong"))
    return KLX_Error;
  m_State = KLX_MODELRECEIVER_IDLE;
  KLX_VornBaseResetErrorCount();
  return KLX_DataBaseTransmitterInitialize(protocol);
}

int KLX_ModelReceiver::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_State = KLX_MODELRECEIVER_REQUEST_CRC;
  m_Links.db->KLX_DataBaseManager_LockTrimControls();
  // No save while the controller is asked: the file is written once, at the end.
  m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirSet);
  return KLX_MODELRECEIVER_REQUEST_CRC_Step();
}

int KLX_ModelReceiver::KLX_VornBaseCleanUp() {
  m_State = KLX_MODELRECEIVER_IDLE;
  m_Links.Forget();
  m_Protocol = nullptr;
  m_Task.task = KLX_VornTask::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

int KLX_ModelReceiver::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  switch (m_State) {
    case KLX_MODELRECEIVER_REQUEST_CRC:
      return KLX_MODELRECEIVER_REQUEST_CRC_Step();
    case KLX_MODELRECEIVER_REQUEST_CRC_RESP:
      return KLX_MODELRECEIVER_REQUEST_CRC_RESP_Step();
    default:
      KLXErrorHandler.RegisterError(kErrNoStep, QString());
      return EndUncompared(KLX_Error);
  }
}

int KLX_ModelReceiver::KLX_MODELRECEIVER_REQUEST_CRC_Step() {
  std::fill(std::begin(m_SendBuffer), std::end(m_SendBuffer), 0);
  m_SendBuffer[0] = kRequest;
  m_SendBuffer[1] = kSubChecksum;
  m_Protocol->KLX_ProtocolSendMessage(sizeof(m_SendBuffer), m_SendBuffer, KLX_MSG_LOADER, KLX_NODE_APPLICATION);
  m_State = KLX_MODELRECEIVER_REQUEST_CRC_RESP;
  qInfo("  ->   MODEL CRC requested...");
  return KLX_Ok;
}

int KLX_ModelReceiver::KLX_MODELRECEIVER_REQUEST_CRC_RESP_Step() {
  const bool fromTransceiver = m_Update.para == 1 && m_Update.updateKind == KLX_UPDATE_KIND_TRANSCEIVER;
  // The controller confirms the freeze asked for at the start: expected,
  // and no reason to give up one of the tries.
  if (fromTransceiver && m_Update.data[0] == kControlsAnswer) return KLX_Ok;
  if (!fromTransceiver || m_Update.data[0] != kSubChecksum) {
    KLX_VornBaseIncErrorCount();
    if (!KLX_VornBaseCheckForMaxError()) return KLX_Ok;
    KLXErrorHandler.RegisterError(kErrRetries, QString());
    return EndUncompared(KLX_Error);
  }
  const unsigned char* b = m_Update.data + 1;
  const unsigned held = unsigned(b[0]) | (unsigned(b[1]) << 8) | (unsigned(b[2]) << 16) | (unsigned(b[3]) << 24);
  m_Links.db->KLX_DataBaseManagerModeCRCSetTransCRC(held);
  const unsigned own = m_Links.db->KLX_DataBaseManagerCalculateModelCRC(false);
  const QString file = m_Links.db->KLX_DataBaseManagerVornPropertiesGetModelName() + QStringLiteral(".xml");
  bool poweredOff = false;
  if (held == own) {
    KLXErrorHandler.RegisterError(
        kHintMatched,
        QStringLiteral("Model  ") + file + QStringLiteral("  CRC comparison between TC and Linux: 0x") + Hex8(own));
    if (m_Protocol->KLX_ProtocolSendMessage(0, nullptr, KLX_MSG_POWER_OFF, KLX_NODE_APPLICATION) == KLX_Ok) {
      qInfo("  ->   Power-off command has been sent to TC...");
      poweredOff = true;
    }
    m_Links.db->KLX_DataBaseManagerEmitUpdateStatus(KLX_VornTask::KLX_MODEL_CRC_TC_LINUX_MATCHED);
  } else {
    m_Links.db->KLX_DataBaseManagerEmitUpdateStatus(KLX_VornTask::KLX_MODEL_CRC_TC_LINUX_NOTMATCHED);
    KLXErrorHandler.RegisterError(kErrMismatch,
                                  QStringLiteral("Model data CRC between Linux and TC does not match for ") + file);
    KLXErrorHandler.RegisterError(kHintOwnCrc, QStringLiteral("Model CRC on Linux side: 0x") + Hex8(own));
    KLXErrorHandler.RegisterError(kHintTcCrc, QStringLiteral("Model CRC on TC side: 0x") + Hex8(held));
  }
  m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(true, AtomicDirSet);
  m_Links.runtime->KLX_RuntimeDatabaseManagerStopProcessing();
  m_Links.runtime->KLX_RuntimeDatabaseManager_SetSystemPowerOffFlag(poweredOff);
  m_State = KLX_MODELRECEIVER_IDLE;
  return KLX_Done;
}

int KLX_ModelReceiver::EndUncompared(int result) {
  m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirSet);
  // The save was withheld at the start: granted again, or the edits since
  // the last save would be dropped by the final save.
  m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(true, AtomicDirSet);
  m_Links.db->KLX_DataBaseManagerForceSavingXMLFiles(true);
  m_Links.runtime->KLX_RuntimeDatabaseManager_SetSystemPowerOffFlag(false);
  m_State = KLX_MODELRECEIVER_IDLE;
  return result;
}

int KLX_ModelReceiver::KLX_VornBaseTimeout() {
  KLX_VornBaseIncErrorCount();
  if (KLX_VornBaseCheckForMaxError()) {
    KLXErrorHandler.RegisterError(kErrRetries, QStringLiteral("Model receiving from TC went wrong after retries"));
    return EndUncompared(KLX_Timeout);
  }
  if (m_State == KLX_MODELRECEIVER_REQUEST_CRC_RESP) return KLX_MODELRECEIVER_REQUEST_CRC_Step();
  KLXErrorHandler.RegisterError(kErrTimeoutState, QStringLiteral("timeout in unknown state"));
  return EndUncompared(KLX_Error);
}
