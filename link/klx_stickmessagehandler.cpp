#include "link/klx_stickmessagehandler.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "link/klx_messageids.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_vornhandler.h"

#include <cstring>

namespace {
constexpr unsigned kInitFailed = 0x10801;
constexpr unsigned kSystemLength = 0x10802;
constexpr unsigned kStickLength = 0x10803;
constexpr unsigned kEncoderLength = 0x10805;
constexpr unsigned kSwitchLength = 0x10806;
constexpr unsigned kCheckLimit = 10;
constexpr unsigned kLimitAfterFind = 25;

// Control ids of the four values of each position message; 0 is unused.
constexpr unsigned short kSticks[4] = {CONTROLID_Stick_STA_GUI, CONTROLID_Stick_STB_GUI, CONTROLID_Stick_STC_GUI,
                                       CONTROLID_Stick_STD_GUI};
constexpr unsigned short kEncoders[4] = {CONTROLID_Poti_SLA_GUI, CONTROLID_Poti_ROA_GUI, CONTROLID_Poti_SLB_GUI,
                                         CONTROLID_Poti_ROB_GUI};
// One row per switch group, from KLX_MSG_SC_SWITCHES_1 on.
constexpr unsigned short kSwitches[5][4] = {
    {CONTROLID_SW_A_GUI, CONTROLID_SW_B_GUI, CONTROLID_SW_C_GUI, CONTROLID_SW_D_GUI},
    {CONTROLID_SW_E_GUI, CONTROLID_SW_J_GUI, CONTROLID_SW_K_GUI, CONTROLID_SW_M_GUI},
    {CONTROLID_SW_L_GUI, CONTROLID_SW_N_GUI, CONTROLID_SW_F_GUI, CONTROLID_SW_I_GUI},
    {CONTROLID_SW_G_GUI, CONTROLID_SW_H_GUI, CONTROLID_None_GUI, CONTROLID_None_GUI},
    {KLX_CONTROL_EXTRA_FIRST, KLX_CONTROL_EXTRA_FIRST + 1, KLX_CONTROL_EXTRA_FIRST + 2, CONTROLID_None_GUI},
};
constexpr unsigned short kTrimControls[6] = {CONTROLID_RE_TRA_GUI, CONTROLID_RE_TRB_GUI, CONTROLID_RE_TRC_GUI,
                                             CONTROLID_RE_TRD_GUI, CONTROLID_RE_TRE_GUI, CONTROLID_RE_TRF_GUI};
}  // namespace

KLX_StickMessageHandler::KLX_StickMessageHandler(QObject* parent) : QObject(parent) {}

int KLX_StickMessageHandler::KLX_StickMessageHandlerInitialize(KLX_DataBaseManager* database,
                                                               KLX_VornHandler* handler) {
  if (!database || !handler) {
    KLXErrorHandler.RegisterError(kInitFailed, "KLX_ProtocolStickInitialize gone wrong");
    return KLX_Error;
  }
  m_Db = database;
  m_Vorn = handler;
  return KLX_Ok;
}

void KLX_StickMessageHandler::KLX_StickMessageHandlerSet_UpdateCAN_ID(unsigned short id) {
  m_UpdateId = id == 65535 ? static_cast<unsigned short>(KLX_MSG_BOOT_ANSWER_DEFAULT) : id;
}

int KLX_StickMessageHandler::KLX_StickMessageHandlerRcvMsg(const KLX_ProtLongData_t* message) {
  if (!message || message->remoteFlag || !m_Db) return KLX_Error;
  if (message->longFlag) {
    if (message->id == m_UpdateId) Answer(message);
    return KLX_Error;
  }
  if (message->id == KLX_MSG_ERROR_REPORT || message->id == KLX_MSG_ERROR_REPORT_2) {
    KLXErrorHandler.RegisterError(KLX_ProtUint32(message, 0), QString());
    return KLX_Error;
  }
  int result = KLX_Ok;
  switch (message->id) {
    case KLX_MSG_SC_STICKS: result = StickData(message); break;
    case KLX_MSG_SC_TRIM_CLICKS: result = TrimClicks(message); break;
    case KLX_MSG_SC_ENCODERS:
      result = PositionData(message, kEncoders, kEncoderLength, "wrong length in KLX_StickMessageHandlerEncoderData");
      break;
    case KLX_MSG_SC_SWITCHES_1:
    case KLX_MSG_SC_SWITCHES_2:
    case KLX_MSG_SC_SWITCHES_3:
    case KLX_MSG_SC_SWITCHES_4:
    case KLX_MSG_SC_SWITCHES_5:
      result = PositionData(message, kSwitches[message->id - KLX_MSG_SC_SWITCHES_1], kSwitchLength,
                            "wrong length in KLX_StickMessageHandlerSwitchData");
      break;
    case KLX_MSG_SC_SYSTEM_DATA: result = SystemData(message); break;
    case KLX_MSG_SC_CALIBRATION_STEP: result = Update(message, 1); break;
    case KLX_MSG_SC_CALIBRATION_END: result = Update(message, 2); break;
    case KLX_MSG_SC_DIRECTIONS: result = Update(message, 0); break;
    case KLX_MSG_SYNC_STICK: Answer(message); break;
    default: result = KLX_Error; break;
  }
  if (message->id == m_UpdateId) Answer(message);
  return result;
}

int KLX_StickMessageHandler::StickData(const KLX_ProtLongData_t* message) {
  m_Db->KLX_DataBaseManager_StickdataLock();
  m_Db->KLX_DataBaseManager_CheckLittleStickMovement();
  if (message->length == 8) {
    for (int i = 0; i < 4; ++i)
      m_Db->KLX_DataBaseManagerGetSet_ControlValueByControl(kSticks[i], KLX_ProtInt16(message, 2 * i), 0);
    m_Db->KLX_DataBaseManagerHandleVornTelemetrieData(8, 4);
  } else {
    KLXErrorHandler.RegisterError(kStickLength, "wrong length in KLX_StickMessageHandlerMainStickData");
  }
  // While the GUI searches a control, every eleventh message looks for it.
  if (m_Db->KLX_DataBaseManagerGetSet_StickMovement(0, 1) == 1) {
    if (m_MovementCounter < m_MovementLimit) {
      ++m_MovementCounter;
    } else {
      m_MovementCounter = 0;
      m_MovementLimit = kCheckLimit;
      unsigned short id = 0;
      if (m_Db->KLX_DataBaseManager_CheckControlMovement(&id) == KLX_Ok) {
        m_Db->KLX_DataBaseManager_StickdataFreezeMovement();
        if (id != CONTROLID_None_GUI) {
          if (id != m_Db->KLX_DataBaseManager_StickdataGetSet_LastControl(0, 1)) {
            m_Db->KLX_DataBaseManager_FoundControl(id);
            m_Db->KLX_DataBaseManager_StickdataGetSet_LastControl(id, 0);
            m_MovementLimit = kLimitAfterFind;
          } else {
            m_Db->KLX_DataBaseManager_RepeatControl(id);
          }
        }
      }
    }
  }
  m_Db->KLX_DataBaseManager_StickdataUnlock();
  return KLX_Ok;
}

int KLX_StickMessageHandler::TrimClicks(const KLX_ProtLongData_t* message) {
  // A click message shorter than six bytes clicks nothing beyond its length;
  // the read-modify-write of a search runs under the store's lock.
  m_Db->KLX_DataBaseManager_StickdataLock();
  const bool searching = m_Db->KLX_DataBaseManagerGetSet_StickMovement(0, 1) == 1;
  for (int trim = 0; trim < 6; ++trim) {
    const unsigned char click = KLX_ProtByte(message, trim);
    if (searching) {
      if (click == 0) continue;
      const int value = m_Db->KLX_DataBaseManagerGetSet_ControlValueByControl(kTrimControls[trim], 0, 1);
      if (click == 0xFE)
        m_Db->KLX_DataBaseManagerGetSet_ControlValueByControl(kTrimControls[trim], value + 1, 0);
      else if (click == 0x02)
        m_Db->KLX_DataBaseManagerGetSet_ControlValueByControl(kTrimControls[trim], value - 1, 0);
    } else if (click == 0xFE) {
      m_Db->KLX_DataBaseManagerSet_StickTrimDirectionClicked(trim, -1);
    } else if (click == 0x02) {
      m_Db->KLX_DataBaseManagerSet_StickTrimDirectionClicked(trim, 1);
    }
  }
  m_Db->KLX_DataBaseManager_StickdataUnlock();
  return KLX_Ok;
}

int KLX_StickMessageHandler::PositionData(const KLX_ProtLongData_t* message, const unsigned short* controls,
                                          unsigned error, const char* text) {
  if (message->length != 8) {
    KLXErrorHandler.RegisterError(error, QString::fromLatin1(text));
    return KLX_Ok;
  }
  m_Db->KLX_DataBaseManager_StickdataLock();
  for (int i = 0; i < 4; ++i)
    if (controls[i]) m_Db->KLX_DataBaseManagerGetSet_ControlValueByControl(controls[i], KLX_ProtInt16(message, 2 * i), 0);
  m_Db->KLX_DataBaseManager_StickdataUnlock();
  return KLX_Ok;
}

int KLX_StickMessageHandler::SystemData(const KLX_ProtLongData_t* message) {
  if (message->length != 8) {
    KLXErrorHandler.RegisterError(kSystemLength, "wrong length in KLX_StickMessageHandlerSystemData");
    return KLX_Ok;
  }
  m_Db->KLX_DataBaseManager_SystemPropertiesLock();
  m_Db->KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(KLX_ProtUint16(message, 0), 0);
  m_Db->KLX_DataBaseManagerGetSetSystemProperties_Akku2Voltage(KLX_ProtUint16(message, 2), 0);
  m_Db->KLX_DataBaseManagerGetSetSystemProperties_Current(KLX_ProtUint16(message, 4), 0);
  m_Db->KLX_DataBaseManagerGetSetSystemProperties_Brightness_In(KLX_ProtUint16(message, 6), 0, true);
  m_Db->KLX_DataBaseManager_SystemPropertiesUnlock();
  m_Db->KLX_DataBaseManagerHandleVornTelemetrieData(0, 4);
  return KLX_Ok;
}

int KLX_StickMessageHandler::Answer(const KLX_ProtLongData_t* message) {
  if (!m_Vorn) return KLX_Error;
  TaskUpdate_Data_T update;
  update.updateKind = KLX_UPDATE_KIND_STICK;
  // A message of length 0 carries no first byte: the answer is 0.
  update.para = KLX_ProtByte(message, 0);
  if (message->length > 1) std::memcpy(update.data, message->data + 1, message->length - 1);
  return m_Vorn->KLX_VornHandlerUpdateProcessTask(update);
}

int KLX_StickMessageHandler::Update(const KLX_ProtLongData_t* message, int a) {
  if (!m_Vorn) return KLX_Ok;
  TaskUpdate_Data_T update;
  update.updateKind = KLX_UPDATE_KIND_STICK;
  update.para = a;
  const unsigned n = message->length < sizeof(update.data) ? message->length : sizeof(update.data);
  std::memcpy(update.data, message->data, n);
  m_Vorn->KLX_VornHandlerUpdateProcessTask(update);
  return KLX_Ok;
}
