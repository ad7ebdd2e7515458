#include "tasks/klx_bindingconfiguration.h"

#include <cstring>

#include "frame/klx_errorhandler.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr unsigned kErrInit = 0x22D01;
constexpr unsigned kErrNoStep = 0x22D02;
constexpr unsigned kErrRetries = 0x22D03;
constexpr unsigned kErrTimeoutState = 0x22D04;
constexpr unsigned kHintNotSent = 0x42D05;

// The transceiver handler's sub-codes: message 16 and message 18.
constexpr unsigned char kNewConfiguration = 2;
constexpr unsigned char kSetResult = 4;
// The R-Ediv pair's antenna state that lets the configuration be sent.
constexpr int kREdivAntennaReady = 1;

bool FromTransceiver(const TaskUpdate_Data_T& u, unsigned char sub) {
  return u.para == 1 && u.updateKind == KLX_UPDATE_KIND_TRANSCEIVER && u.data[0] == sub;
}
}  // namespace

// ---- the messages ---------------------------------------------------------------------------

int KLX_BindingConfigCommon::KLX_BindingConfiguration_GetState_Request(KLX_Protocol* protocol) {
  if (protocol) protocol->KLX_ProtocolSendMessage(0, nullptr, KLX_MSG_BIND_CONFIG_STATE_REQUEST, KLX_NODE_APPLICATION);
  return KLX_Ok;
}

int KLX_BindingConfigCommon::KLX_BindingConfiguration_Request(KLX_Protocol* protocol, quint64 configuration,
                                                              KLX_DataBaseManager* db, unsigned char byte) {
  if (!protocol) return KLX_Ok;
  if (configuration == 0) {
    m_Buffer[0] = static_cast<char>(byte);
    protocol->KLX_ProtocolSendMessage(byte ? 1 : 0, m_Buffer, KLX_MSG_BIND_CONFIG_REQUEST, KLX_NODE_APPLICATION);
    return KLX_Ok;
  }
  for (int i = 0; i < 8; ++i) m_Buffer[i] = static_cast<char>((configuration >> (8 * i)) & 0xFF);
  unsigned length = 8;
  if (!db || !db->KLX_DataBaseManagerIsReceiverModeREdiv()) {
    m_Buffer[8] = static_cast<char>(db ? db->KLX_DataBaseManagerGetReceiverMask() : 0);
    length = 9;
  }
  protocol->KLX_ProtocolSendMessage(length, m_Buffer, KLX_MSG_BIND_CONFIG, KLX_NODE_APPLICATION);
  return KLX_Ok;
}

int KLX_BindingConfigCommon::KLX_BindingConfiguration_New_Response(const TaskUpdate_Data_T& update,
                                                                   KLX_DataBaseManager* db) {
  if (!FromTransceiver(update, kNewConfiguration) || !db) return KLX_Stay;
  quint64 configuration = 0;
  for (int i = 0; i < 8; ++i) configuration |= quint64(update.data[1 + i]) << (8 * i);
  db->KLX_DataBaseManagerClearReceivers();
  db->KLX_DataBaseManagerReceiverGetSetBindConfig(configuration, AtomicDirSet);
  return KLX_Ok;
}

int KLX_BindingConfigCommon::KLX_BindingConfiguration_Set_Response(const TaskUpdate_Data_T& update) {
  if (FromTransceiver(update, kSetResult)) return update.data[1] == 0 ? int(KLX_Done) : int(KLX_Error);
  if (update.para == 0 && update.updateKind == KLX_UPDATE_KIND_LONG_SENT) return KLX_Ok;
  return KLX_Stay;
}

// ---- the task ---------------------------------------------------------------------------------

int KLX_BindingConfiguration::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol,
                                               KLX_VornHandler* handler, KLX_RuntimeDatabaseManager* runtime) {
  if (!m_Links.Take(db, protocol, handler, runtime, kErrInit, "Initializing of task binding configuration went wrong"))
    return KLX_Error;
  return KLX_DataBaseTransmitterInitialize(protocol);
}

int KLX_BindingConfiguration::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_ModelHeld = m_Links.db->KLX_DataBaseManagerHoldModelChanges();
  m_ModelChanged = false;
  m_Common.KLX_BindingConfiguration_GetState_Request(m_Protocol);
  m_State = KLX_BINDING_CONFIGURATION_START;
  return KLX_Ok;
}

int KLX_BindingConfiguration::KLX_VornBaseCleanUp() {
  m_State = KLX_BINDING_CONFIGURATION_IDLE;
  m_Links.Forget();
  m_Protocol = nullptr;
  m_Task.task = KLX_VornTask::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

int KLX_BindingConfiguration::End(int result) {
  m_Links.db->KLX_DataBaseManagerGiveBackModelChanges(m_ModelHeld);
  if (m_ModelChanged) m_Links.db->KLX_DataBaseManagerSetModelModifyFlag(true);
  return result;
}

int KLX_BindingConfiguration::Decide() {
  const quint64 configuration = m_Links.db->KLX_DataBaseManagerReceiverGetSetBindConfig(0, AtomicDirGet);
  if (m_Task.paraint1 == KLX_VornTask::KLX_TASK_PARA_FORCE) {
    m_Common.KLX_BindingConfiguration_Request(m_Protocol, configuration, m_Links.db, 0);
    m_State = configuration ? KLX_BINDING_CONFIGURATION_SET_RESP : KLX_BINDING_CONFIGURATION_NEW_RESP;
    return KLX_Ok;
  }
  auto notSent = [this](const char* hint) {
    if (hint) KLXErrorHandler.RegisterError(kHintNotSent, QString::fromLatin1(hint));
    m_Common.KLX_BindingConfiguration_GetState_Request(m_Protocol);
    m_State = KLX_BINDING_CONFIGURATION_IDLE;
    return End(KLX_Done);
  };
  if (configuration == 0) return notSent("No bindingconfiguration is read and set");
  // A controller that kept the model keeps its configuration too.
  const int validity = m_Links.db->KLX_DataBaseManagerGetCRCValidityAtStart(true) ? 1 : 0;
  const int needed = m_Task.paraint2 == KLX_VornTask::KLX_TASK_PARA_MODEL_FastStart ? 0 : 1;
  if (m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirGet) && validity > needed)
    return notSent(nullptr);
  if (m_Links.db->KLX_DataBaseManagerIsReceiverModeREdiv() &&
      m_Links.db->KLX_DatabaseManagerReceiverGetREdivAntennaState() != kREdivAntennaReady)
    return notSent("REdiv bindingconfiguration is not applicable");
  m_Common.KLX_BindingConfiguration_Request(m_Protocol, configuration, m_Links.db, 0);
  m_State = KLX_BINDING_CONFIGURATION_SET_RESP;
  return KLX_Ok;
}

int KLX_BindingConfiguration::Retry() {
  KLX_VornBaseIncErrorCount();
  if (KLX_VornBaseCheckForMaxError()) {
    KLXErrorHandler.RegisterError(kErrRetries, QString());
    return End(KLX_Error);
  }
  // A decision that ends the task is its result; one that sends waits on.
  const int decided = Decide();
  return decided == KLX_Done ? decided : int(KLX_Stay);
}

int KLX_BindingConfiguration::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  switch (m_State) {
    case KLX_BINDING_CONFIGURATION_START:
      return Decide();
    case KLX_BINDING_CONFIGURATION_NEW_RESP:
      if (m_Common.KLX_BindingConfiguration_New_Response(m_Update, m_Links.db) == KLX_Ok) {
        m_ModelChanged = true;
        KLX_VornBaseResetErrorCount();
        m_State = KLX_BINDING_CONFIGURATION_IDLE;
        return End(KLX_Done);
      }
      return Retry();
    case KLX_BINDING_CONFIGURATION_SET_RESP:
      switch (m_Common.KLX_BindingConfiguration_Set_Response(m_Update)) {
        case KLX_Done:
          KLX_VornBaseResetErrorCount();
          m_State = KLX_BINDING_CONFIGURATION_IDLE;
          return End(KLX_Done);
        case KLX_Ok:
          return KLX_Ok;
        default:
          return Retry();
      }
    default:
      KLXErrorHandler.RegisterError(kErrNoStep, QString());
      return End(KLX_Error);
  }
}

int KLX_BindingConfiguration::KLX_VornBaseTimeout() {
  KLX_VornBaseIncErrorCount();
  if (KLX_VornBaseCheckForMaxError()) {
    KLXErrorHandler.RegisterError(kErrRetries, QStringLiteral("binding configuration went wrong after retries"));
    return End(KLX_Timeout);
  }
  switch (m_State) {
    case KLX_BINDING_CONFIGURATION_START:
    case KLX_BINDING_CONFIGURATION_NEW_RESP:
    case KLX_BINDING_CONFIGURATION_SET_RESP:
      return Decide();
    default:
      KLXErrorHandler.RegisterError(kErrTimeoutState, QStringLiteral("timeout in unknown state"));
      return End(KLX_Error);
  }
}
