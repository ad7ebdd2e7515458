#include "tasks/klx_binding.h"

#include "frame/klx_errorhandler.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"

namespace {
using VT = KLX_VornTask;
constexpr unsigned kErrInit = 0x22701;
constexpr unsigned kErrNoStep = 0x22702;
constexpr unsigned kErrBinding = 0x22703;
constexpr unsigned kErrTimeoutState = 0x22704;
constexpr unsigned kErrRequest = 0x22707;
constexpr unsigned kErrSlot = 0x22708;
constexpr unsigned kErrRefused = 0x22709;

// The transceiver handler's sub-codes: message 17 (a receiver bound) and
// message 18 (an error, or the answer to a configuration).
constexpr unsigned char kBindResult = 3;
constexpr unsigned char kErrorOrSet = 4;
// A receiver's mask bit beyond the byte the binding start carries.
constexpr int kMaskBits = 32;

unsigned Le16(const unsigned char* p) { return unsigned(p[0]) | (unsigned(p[1]) << 8); }
unsigned Le32(const unsigned char* p) { return Le16(p) | (Le16(p + 2) << 16); }
}  // namespace

int KLX_Binding::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                  KLX_RuntimeDatabaseManager* runtime) {
  if (!m_Links.Take(db, protocol, handler, runtime, kErrInit, "Initializing of task binding went wrong"))
    return KLX_Error;
  KLX_DataBaseTransmitterInitialize(protocol);
  m_State = KLX_BINDING_IDLE;
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

int KLX_Binding::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_ModelHeld = m_Links.db->KLX_DataBaseManagerHoldModelChanges();
  m_ModelChanged = false;
  m_State = KLX_BINDING_START;
  return Decide();
}

int KLX_Binding::KLX_VornBaseCleanUp() {
  qInfo("Binding: KLX_VornBaseCleanUp");
  m_Links.Forget();
  m_Protocol = nullptr;
  m_Task.task = VT::KLX_TASK_NONE;
  m_Update.para = 0;
  m_State = KLX_BINDING_IDLE;
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

int KLX_Binding::End(int result) {
  m_State = KLX_BINDING_IDLE;
  m_Links.db->KLX_DataBaseManagerGiveBackModelChanges(m_ModelHeld);
  if (m_ModelChanged) m_Links.db->KLX_DataBaseManagerSetModelModifyFlag(true);
  return result;
}

int KLX_Binding::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  switch (m_State) {
    case KLX_BINDING_START: return Decide();
    case KLX_BINDING_CONFIG_NEW_RESP: return NewConfigurationAnswer();
    case KLX_BINDING_START_RESP: return BindingAnswer();
    case KLX_BIND_CONFIG_SET_RESP: return SetAnswer();
    default:
      KLXErrorHandler.RegisterError(kErrNoStep, QString());
      return End(KLX_Error);
  }
}

int KLX_Binding::Decide() {
  KLX_DataBaseManager* db = m_Links.db;
  const quint64 configuration = db->KLX_DataBaseManagerReceiverGetSetBindConfig(0, AtomicDirGet);
  switch (m_Task.paraint2) {
    case VT::KLX_TASK_PARA_FORCE:
      return RequestNewConfiguration();
    case VT::KLX_TASK_PARA_DELETE: {
      if (configuration == 0) return End(KLX_Done);
      // A delete of all receivers (the R-Ediv slot) empties the list and fails.
      m_ModelChanged = true;
      const int deleted = db->KLX_DataBaseManagerDeleteReceiver(unsigned(Slot()));
      if (deleted <= KLX_Error) return End(deleted);
      return SendConfiguration();
    }
    case VT::KLX_TASK_PARA_NEW: {
      // A slot the screens never give changes nothing, not even the configuration.
      if (!IsOwnSlot() && !IsREdiv()) break;
      if (configuration == 0) return RequestNewConfiguration();
      bool fresh;
      if (IsREdiv()) {
        const int pair = m_Task.paraint3;
        fresh = !db->KLX_DataBaseManagerIsReceiverModeREdiv() ||
                (pair == 0 && db->KLX_DataBaseManagerIsReceiverModeREdiv_14()) ||
                (pair == 1 && db->KLX_DataBaseManagerIsReceiverModeREdiv_21()) || pair == 2 || pair == 3;
      } else {
        fresh = db->KLX_DataBaseManagerIsReceiverModeREdiv() || !db->KLX_DataBaseManagerIsAnyReceiverUsed();
      }
      return fresh ? RequestNewConfiguration() : StartBinding();
    }
    default:
      break;
  }
  KLXErrorHandler.RegisterError(kErrRequest, QString());
  return End(KLX_Error);
}

int KLX_Binding::RequestNewConfiguration() {
  // An R-Ediv pair names its kind: 1 for R-Ediv 21 (even), 2 for R-Ediv 14.
  const unsigned char pair = IsREdiv() ? ((m_Task.paraint3 & 1) ? 2 : 1) : 0;
  m_Common.KLX_BindingConfiguration_Request(m_Protocol, 0, m_Links.db, pair);
  m_State = KLX_BINDING_CONFIG_NEW_RESP;
  return KLX_Ok;
}

int KLX_Binding::StartBinding() {
  if (!IsOwnSlot() && !IsREdiv()) {
    KLXErrorHandler.RegisterError(kErrRequest, QString());
    return End(KLX_Error);
  }
  unsigned char mask = 0;
  if (IsOwnSlot()) {
    const int bit = m_Links.db->KLX_DataBaseManagerGetReceiverSlot(Slot());
    mask = bit >= 0 && bit < kMaskBits ? static_cast<unsigned char>((1u << bit) & 0xFF) : 0;
  }
  const unsigned window = unsigned(m_Task.timeout) & 0xFFFF;
  const char message[7] = {char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(mask), char(window & 0xFF),
                           char(window >> 8)};
  m_Protocol->KLX_ProtocolSendMessage(sizeof(message), message, KLX_MSG_BIND_START, KLX_NODE_APPLICATION);
  m_State = KLX_BINDING_START_RESP;
  return KLX_Ok;
}

int KLX_Binding::SendConfiguration() {
  if (!IsOwnSlot() && !IsREdiv()) {
    KLXErrorHandler.RegisterError(kErrSlot, QString());
    return End(KLX_Error);
  }
  // The configuration with the receivers left after the delete.
  m_Common.KLX_BindingConfiguration_Request(
      m_Protocol, m_Links.db->KLX_DataBaseManagerReceiverGetSetBindConfig(0, AtomicDirGet), m_Links.db, 0);
  m_State = KLX_BIND_CONFIG_SET_RESP;
  return KLX_Ok;
}

int KLX_Binding::NewConfigurationAnswer() {
  if (m_Common.KLX_BindingConfiguration_New_Response(m_Update, m_Links.db) != KLX_Ok) return KLX_Ok;
  m_ModelChanged = true;
  KLX_VornBaseResetErrorCount();
  return StartBinding();
}

int KLX_Binding::BindingAnswer() {
  const bool fromTransceiver = m_Update.para == 1 && m_Update.updateKind == KLX_UPDATE_KIND_TRANSCEIVER;
  const unsigned char* d = m_Update.data;
  if (fromTransceiver && d[0] == kBindResult) {
    KLX_DataBaseManager* db = m_Links.db;
    if (IsREdiv()) {
      db->KLX_DataBaseManagerReceiverModeSet((m_Task.paraint3 & 1) ? KLX_Receiver::RX_MODE_REDIV_14
                                                                   : KLX_Receiver::RX_MODE_REDIV_21);
      m_ModelChanged = true;
      return End(KLX_Done);
    }
    // The message's bytes follow the sub-code.
    const unsigned char* m = d + 1;
    if (m[10] == 0) {
      KLXErrorHandler.RegisterError(kErrBinding, QString());
      return End(KLX_Error);
    }
    KLX_VornBaseResetErrorCount();
    db->KLX_DataBaseManagerReceiverModeSet(KLX_Receiver::RX_MODE_NONE);
    CReceiver receiver;
    receiver.type = Le16(m);
    receiver.features = Le16(m + 2);
    receiver.serialNumber = Le32(m + 4);
    receiver.version.Set(m[8], m[9]);
    receiver.mask = m[10];
    receiver.used = 1;
    db->KLX_DataBaseManagerSetReceiver(receiver);
    m_ModelChanged = true;
    return End(KLX_Done);
  }
  if (fromTransceiver && d[0] == kErrorOrSet) {
    KLXErrorHandler.RegisterError(kErrBinding, QString());
    qInfo("binding of receiver responded Error %d", int(kErrorOrSet));
    return End(KLX_Error);
  }
  qInfo("Binding result %d", int(d[0]));
  return KLX_Ok;
}

int KLX_Binding::SetAnswer() {
  if (m_Update.para != 1 || m_Update.updateKind != KLX_UPDATE_KIND_TRANSCEIVER) return KLX_Ok;
  switch (m_Common.KLX_BindingConfiguration_Set_Response(m_Update)) {
    case KLX_Done:
      // The last receiver gone: the model binds under no configuration.
      if (!m_Links.db->KLX_DataBaseManagerIsAnyReceiverUsed())
        m_Links.db->KLX_DataBaseManagerReceiverGetSetBindConfig(0, AtomicDirSet);
      return End(KLX_Done);
    case KLX_Error:
      KLXErrorHandler.RegisterError(kErrRefused, QString());
      return End(KLX_Error);
    default:
      return KLX_Ok;
  }
}

int KLX_Binding::KLX_VornBaseTimeout() {
  KLX_VornBaseIncErrorCount();
  if (KLX_VornBaseCheckForMaxError()) {
    KLXErrorHandler.RegisterError(kErrBinding, QStringLiteral("binding went wrong after retries"));
    return End(KLX_Timeout);
  }
  switch (m_State) {
    case KLX_BINDING_START_RESP: return StartBinding();
    case KLX_BIND_CONFIG_SET_RESP: return SendConfiguration();
    case KLX_BINDING_CONFIG_NEW_RESP: return Decide();
    default:
      KLXErrorHandler.RegisterError(kErrTimeoutState, QStringLiteral("timeout in unknown state"));
      return End(KLX_Error);
  }
}
