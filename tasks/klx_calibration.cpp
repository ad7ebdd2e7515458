#include "tasks/klx_calibration.h"

#include "frame/klx_errorhandler.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"

namespace {
using VT = KLX_VornTask;
constexpr unsigned kErrInit = 0x23201;
constexpr unsigned kErrState = 0x23202;
constexpr unsigned kErrStatus = 0x23203;
constexpr unsigned kErrTimeoutState = 0x23204;
constexpr unsigned kErrControl = 0x23206;
constexpr unsigned kLogUnexpected = 0x53203;

// The stick controller's reports as the stick handler hands them on.
constexpr int kStepReport = 1;
constexpr int kEndReport = 2;
// The first byte of a user's answer from a question box.
constexpr unsigned char kDialogInput = 2;
// No stick index: the stick controller does not know the control.
constexpr int kNoStickIndex = 255;

// The statuses of the step reports.
constexpr int kStarted = 0;
constexpr int kCentreStarted = 1;
constexpr int kEndsMoving = 2;
constexpr int kEndsReached = 5;
constexpr int kCentreReached = 6;
constexpr int kCancelled = 8;
constexpr int kEndGood = 0;
}  // namespace

int KLX_Calibration::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                      KLX_RuntimeDatabaseManager* runtime) {
  KLX_VornBaseCleanUp();
  if (!m_Links.Take(db, protocol, handler, runtime, kErrInit, "Initializing of KLX_Calibration went wrong"))
    return KLX_Error;
  KLX_DataBaseTransmitterInitialize(protocol);
  m_State = KLX_CALIBRATION_IDLE;
  return KLX_Ok;
}

int KLX_Calibration::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_State = KLX_CALIBRATION_START;
  return Progress();
}

int KLX_Calibration::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  return Progress();
}

int KLX_Calibration::KLX_VornBaseCleanUp() {
  m_Links.Forget();
  m_Protocol = nullptr;
  m_State = KLX_CALIBRATION_IDLE;
  m_Task.task = VT::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

int KLX_Calibration::StickIndex() const {
  return m_Links.db->KLX_DataBaseManagerGetStickControlIDbyControl(static_cast<unsigned short>(m_Task.paraint1 & 0xFFFF));
}

bool KLX_Calibration::IsStep(bool anyIndex) const {
  return m_Update.para == kStepReport && m_Update.updateKind == KLX_UPDATE_KIND_STICK &&
         (anyIndex || m_Update.data[0] == StickIndex());
}

bool KLX_Calibration::IsEndReport() const {
  return m_Update.para == kEndReport && m_Update.updateKind == KLX_UPDATE_KIND_STICK;
}

int KLX_Calibration::UserAnswer() const {
  if (m_Update.updateKind != KLX_UPDATE_KIND_USER || m_Update.data[0] != kDialogInput) return -1;
  return m_Update.data[1];
}

int KLX_Calibration::Send(unsigned char id, bool withIndex) {
  m_Buffer[0] = static_cast<char>(StickIndex() & 0xFF);
  m_Protocol->KLX_ProtocolSendMessage(withIndex ? 1 : 0, m_Buffer, id, KLX_NODE_APPLICATION);
  return KLX_Ok;
}

int KLX_Calibration::SendCancel() {
  m_State = KLX_CALIBRATION_CANCEL_SENT;
  return Send(KLX_MSG_CALIBRATION_CANCEL, false);
}

int KLX_Calibration::SendEnd() {
  m_State = KLX_CALIBRATION_END_SENT;
  return Send(KLX_MSG_CALIBRATION_END, false);
}

int KLX_Calibration::Unexpected() {
  KLXErrorHandler.RegisterError(kLogUnexpected, QString());
  return KLX_Ok;
}

int KLX_Calibration::BadStatus() {
  KLXErrorHandler.RegisterError(kErrStatus, QString());
  return KLX_Error;
}

int KLX_Calibration::Progress() {
  const int status = m_Update.data[1];
  const int answer = UserAnswer();
  switch (m_State) {
    case KLX_CALIBRATION_START: {
      const int type = m_Task.paraint2;
      const bool known = type == VT::KLX_TASK_PARA_CONT_2POL_SWITCH || type == VT::KLX_TASK_PARA_CONT_3POL_SWITCH ||
                         type == VT::KLX_TASK_PARA_CONT_LINEAR;
      if (StickIndex() >= kNoStickIndex || StickIndex() < 0 || !known) {
        KLXErrorHandler.RegisterError(kErrControl, QString());
        return KLX_Error;
      }
      m_Links.db->KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlType(m_Task.paraint1 & 0xFFFF, type, true);
      m_State = KLX_CALIBRATION_START_RESP;
      return Send(KLX_MSG_CALIBRATION_START, true);
    }
    case KLX_CALIBRATION_START_RESP:
      if (IsStep()) {
        if (status != kStarted) return BadStatus();
        m_State = KLX_CALIBRATION_END_POSITIONS;
        return KLX_Trigger;
      }
      if (answer == VT::GUI_USER_Cancel) return SendCancel();
      return Unexpected();
    case KLX_CALIBRATION_END_POSITIONS:
      // The reports follow the control: the question stands once both ends were reached.
      if (IsStep()) return status == kEndsReached ? KLX_Trigger : KLX_ReTrigger;
      if (answer == VT::GUI_USER_Yes) {
        if (m_Task.paraint2 == VT::KLX_TASK_PARA_CONT_2POL_SWITCH) return SendEnd();
        m_State = KLX_CALIBRATION_CENTRE_START_RESP;
        return Send(KLX_MSG_CALIBRATION_VALUES, true);
      }
      if (answer >= 0) return SendCancel();
      return KLX_Ok;
    case KLX_CALIBRATION_CENTRE_START_RESP:
      if (IsStep()) {
        // The control may still move while the user confirms its ends: such a
        // report, sent before the controller heard of the centre step, comes
        // ahead of the answer to it and is stale.
        if (status == kEndsMoving || status == kEndsReached) return KLX_Ok;
        if (status != kCentreStarted) return BadStatus();
        m_State = KLX_CALIBRATION_CENTRE_POSITION;
        return KLX_Ok;
      }
      if (answer == VT::GUI_USER_Cancel) return SendCancel();
      return Unexpected();
    case KLX_CALIBRATION_CENTRE_POSITION:
      if (IsStep()) return status == kCentreReached ? KLX_Trigger : KLX_ReTrigger;
      if (answer == VT::GUI_USER_Yes) return SendEnd();
      if (answer >= 0) return SendCancel();
      return Unexpected();
    case KLX_CALIBRATION_CANCEL_SENT:
      if (IsStep(true) && status == kCancelled) {
        m_State = KLX_CALIBRATION_IDLE;
        return KLX_Done;
      }
      return Unexpected();
    case KLX_CALIBRATION_END_SENT:
      if (IsEndReport()) {
        if (m_Update.data[0] != kEndGood) return BadStatus();
        m_State = KLX_CALIBRATION_IDLE;
        return KLX_Done;
      }
      return Unexpected();
    default:
      KLXErrorHandler.RegisterError(kErrState, QString());
      return KLX_Error;
  }
}

int KLX_Calibration::KLX_VornBaseTimeout() {
  KLX_VornBaseIncErrorCount();
  const bool calibrating = m_State >= KLX_CALIBRATION_START_RESP && m_State <= KLX_CALIBRATION_CENTRE_POSITION;
  if (KLX_VornBaseCheckForMaxError()) {
    // The stick controller must not stay calibrating once the task is gone.
    if (calibrating) SendCancel();
    m_State = KLX_CALIBRATION_IDLE;
    KLXErrorHandler.RegisterError(kErrStatus, QStringLiteral("calibration went wrong after retries"));
    return KLX_Timeout;
  }
  if (calibrating) return SendCancel();
  KLXErrorHandler.RegisterError(kErrTimeoutState, QStringLiteral("timeout in unknown state"));
  return KLX_Error;
}
