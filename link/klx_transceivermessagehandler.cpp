#include "link/klx_transceivermessagehandler.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "link/klx_messageids.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_vornhandler.h"

#include <cstring>

namespace {
constexpr unsigned kInitFailed = 0x10901;
constexpr unsigned kTrimLength = 0x10804;
constexpr unsigned kSpecialSwitchLength = 0x10807;

struct TrimRow {
  unsigned char low, high;
  int fmTrim, trim;
  unsigned short control;
};
// Trims A, B, C (rows 0-2) and D, E, F (rows 3-5).
constexpr TrimRow kTrimRows[6] = {
    {0, 1, 0, 0, CONTROLID_RE_TRA_GUI}, {2, 3, 1, 1, CONTROLID_RE_TRB_GUI}, {4, 5, 2, 2, CONTROLID_RE_TRC_GUI},
    {0, 1, 3, 3, CONTROLID_RE_TRD_GUI}, {2, 3, 4, 4, CONTROLID_RE_TRE_GUI}, {4, 5, 5, 5, CONTROLID_RE_TRF_GUI},
};
constexpr unsigned short kSpecialSwitchControls[4] = {CONTROLID_SW_CTO_GUI, CONTROLID_SW_GTO_GUI,
                                                      CONTROLID_SW_LTO_GUI, CONTROLID_SW_HTO_GUI};

// Element kind of the unit read-back messages (-1: none).
int UnitKind(unsigned id) {
  switch (id) {
    case KLX_MSG_UNIT_FUNCTION: return 0;
    case KLX_MSG_UNIT_MIXER: return 3;
    case KLX_MSG_UNIT_LIMITER: return 2;
    case KLX_MSG_UNIT_FLIGHTMODE: return 1;
    case KLX_MSG_UNIT_CURVE: return 6;
    case KLX_MSG_UNIT_SEQUENCER: return 4;
    case KLX_MSG_UNIT_SERVOCONFIG: return 5;
    case KLX_MSG_UNIT_VSWITCH: return 7;
    case KLX_MSG_UNIT_FMASSIGN: return 8;
    case KLX_MSG_UNIT_TRIM: return 9;
    case KLX_MSG_UNIT_SPECIALSWITCH: return 10;
    case KLX_MSG_UNIT_TELECONTROL: return 11;
    default: return -1;
  }
}
}  // namespace

KLX_TransceiverMessageHandler::KLX_TransceiverMessageHandler(QObject* parent) : QObject(parent) {}

int KLX_TransceiverMessageHandler::KLX_TransceiverMessageHandlerInitialize(KLX_DataBaseManager* database,
                                                                           KLX_VornHandler* handler) {
  if (!database || !handler) {
    KLXErrorHandler.RegisterError(kInitFailed, "KLX_TransceiverMessageHandlerInitialize gone wrong");
    return KLX_Error;
  }
  m_Db = database;
  m_Vorn = handler;
  return KLX_Ok;
}

void KLX_TransceiverMessageHandler::KLX_TransceiverMessageHandlerSet_UpdateCAN_ID(unsigned short id) {
  m_UpdateId = id == 65535 ? static_cast<unsigned short>(KLX_MSG_BOOT_ANSWER_DEFAULT) : id;
}

int KLX_TransceiverMessageHandler::KLX_TransceiverMessageHandlerRcvMsg(const KLX_ProtLongData_t* message) {
  if (!message || message->remoteFlag || !m_Db) return KLX_Error;
  if (!message->longFlag && (message->id == KLX_MSG_ERROR_REPORT || message->id == KLX_MSG_ERROR_REPORT_2)) {
    KLXErrorHandler.RegisterError(KLX_ProtUint32(message, 0), QString());
    return KLX_Error;
  }
  const int result = message->longFlag ? LongMessage(message) : ShortMessage(message);
  if (message->id == m_UpdateId) Answer(message);
  return result;
}

int KLX_TransceiverMessageHandler::LongMessage(const KLX_ProtLongData_t* message) {
  switch (message->id) {
    case KLX_MSG_TC_BIND_CONFIG: return Update(message, 1, 2);
    case KLX_MSG_TC_BIND_RESULT: return Update(message, 1, 3);
    case KLX_MSG_TC_SENSOR_INFO: return UpdateSingle(message, 11);
    case KLX_MSG_TC_SENSOR_VALUE_INFO: return UpdateSingle(message, 12);
    case KLX_MSG_TC_SENSOR_FRAME: return Z2BusData(message);
    case KLX_MSG_TC_RESPONSE_LONG: return Update(message, 0, 128, true);
    default: break;
  }
  const int kind = UnitKind(message->id);
  return kind >= 0 ? Update(message, 2, kind) : int(KLX_Error);
}

int KLX_TransceiverMessageHandler::ShortMessage(const KLX_ProtLongData_t* message) {
  switch (message->id) {
    case KLX_MSG_TC_DEVICE_STATE: {
      char state[4];
      for (unsigned i = 0; i < 4; ++i) state[i] = static_cast<char>(KLX_ProtByte(message, i));
      m_DevState.KLX_TCDevStateUpdateData(state);
      m_Db->KLX_DatabaseManagerSetTCDeviceState(m_DevState.KLX_TCDevStateGetDeviceEngineStates());
      return KLX_Ok;
    }
    case KLX_MSG_TC_TELEMETRY_STATUS: return UpdateSingle(message, 14);
    case KLX_MSG_TC_BIND_CONFIG: return Update(message, 1, 2);
    case KLX_MSG_TC_BIND_SET_RESULT: return Update(message, 1, 4);
    case KLX_MSG_TC_CONTROLS_ANSWER: return Update(message, 1, 9);
    case KLX_MSG_TC_TRIMS_ABC: return TrimData(message, 0);
    case KLX_MSG_TC_TRIMS_DEF: return TrimData(message, 3);
    case KLX_MSG_TC_SPECIAL_SWITCHES: return SpecialSwitch(message);
    case KLX_MSG_TC_SENSOR_FRAME: return Z2BusData(message);
    case KLX_MSG_TC_SENSOR_NO_ANSWER: return m_Db->KLX_DataBaseManagerHandleTelemetrieNoResp(KLX_ProtByte(message, 0));
    case KLX_MSG_TC_LINK_QUALITY:
      m_Db->KLX_DataBaseManagerGetSetTransLQI1(KLX_ProtByte(message, 0), 0);
      m_Db->KLX_DataBaseManagerGetSetTransLQI2(KLX_ProtByte(message, 1), 0);
      m_Db->KLX_DataBaseManagerGetSetTransRSSI1(static_cast<signed char>(KLX_ProtByte(message, 2)), 0);
      m_Db->KLX_DataBaseManagerGetSetTransRSSI2(static_cast<signed char>(KLX_ProtByte(message, 3)), 0);
      m_Db->KLX_DataBaseManagerHandleVornTelemetrieData(4, 4);
      return KLX_Ok;
    case KLX_MSG_TC_RADIO_TEST_GAIN:
      m_Db->KLX_DataBaseManagerSetGainValueFCC_CAN(KLX_ProtByte(message, 0));
      return KLX_Error;
    case KLX_MSG_LOADER:
    case KLX_MSG_SYNC_TRANSCEIVER:
      Answer(message);
      return KLX_Ok;
    case KLX_MSG_TC_RESPONSE: return Update(message, 0, 2, true);
    case KLX_MSG_TC_UPDATE: return Update(message, 0, 1);
    case KLX_MSG_TC_FRONT_PLUG_MODE: {
      const char mode = static_cast<char>(KLX_ProtByte(message, 0));
      m_DevState.KLX_TCFrontPlugUpdateData(&mode);
      m_Db->KLX_DatabaseManagerGetSetFrontPlugModeInSystemProp(static_cast<unsigned char>(mode), 2);
      return KLX_Ok;
    }
    case KLX_MSG_TC_EXT_CHANNEL:
      m_Db->KLX_DataBaseManagerTutorPupilGetSetItemAwaitingForExtChannelChanged(KLX_ProtByte(message, 0), 0);
      return KLX_Error;
    case KLX_MSG_TC_CHECKSUM_PART: return Update(message, 1, 6);
    case KLX_MSG_TC_SEQUENCER_INFO: {
      // The words behind byte 3, aligned; bytes beyond the message read as 0.
      unsigned int words[2] = {0, 0};
      unsigned char raw[sizeof(words)] = {};
      for (unsigned i = 0; i < sizeof(raw); ++i) raw[i] = KLX_ProtByte(message, 3 + i);
      std::memcpy(words, raw, sizeof(words));
      return m_Db->KLX_DataBaseManagerSequencerUpdateInfo(KLX_ProtByte(message, 0),
                                                          KLX_ProtByte(message, 1) != 0,
                                                          KLX_ProtByte(message, 2), words);
    }
    default: return KLX_Error;
  }
}

int KLX_TransceiverMessageHandler::Answer(const KLX_ProtLongData_t* message) {
  if (!m_Vorn) return KLX_Error;
  TaskUpdate_Data_T update;
  update.updateKind = KLX_UPDATE_KIND_TRANSCEIVER;
  // A message of length 0 carries no first byte: the answer is 0.
  update.para = KLX_ProtByte(message, 0);
  if (message->length > 1) std::memcpy(update.data, message->data + 1, message->length - 1);
  return m_Vorn->KLX_VornHandlerUpdateProcessTask(update);
}

int KLX_TransceiverMessageHandler::Update(const KLX_ProtLongData_t* message, int a, int b, bool response) {
  if (!m_Vorn) return KLX_Ok;
  TaskUpdate_Data_T update;
  update.updateKind = KLX_UPDATE_KIND_TRANSCEIVER;
  update.para = a;
  update.data[0] = static_cast<unsigned char>(b);
  // The record holds 999 message bytes behind the sub-code.
  const unsigned n = message->length < sizeof(update.data) - 1 ? message->length : sizeof(update.data) - 1;
  std::memcpy(update.data + 1, message->data, n);
  if (response)
    m_Vorn->KLX_VornHandlerResponseProcessTask(update);
  else
    m_Vorn->KLX_VornHandlerUpdateProcessTask(update);
  return KLX_Ok;
}

int KLX_TransceiverMessageHandler::UpdateSingle(const KLX_ProtLongData_t* message, int a) {
  if (!m_Vorn) return KLX_Ok;
  TaskUpdate_Data_T update;
  update.updateKind = KLX_UPDATE_KIND_TRANSCEIVER;
  update.para = a;
  const unsigned n = message->length < sizeof(update.data) ? message->length : sizeof(update.data);
  std::memcpy(update.data, message->data, n);
  m_Vorn->KLX_VornHandlerUpdateProcessTask(update);
  return KLX_Ok;
}

int KLX_TransceiverMessageHandler::TrimData(const KLX_ProtLongData_t* message, int firstRow) {
  if (message->length != 7) {
    KLXErrorHandler.RegisterError(kTrimLength, "wrong length in KLX_StickMessageHandlerTrimData");
    return KLX_Ok;
  }
  const int flightMode = message->data[6];
  m_Db->KLX_DataBaseManager_StickdataLock();
  for (int r = firstRow; r < firstRow + 3; ++r) {
    const TrimRow& row = kTrimRows[r];
    const int value = KLX_ProtInt16(message, row.low);
    const int fm = m_Db->KLX_DataBaseManager_IsTrimFlightModeDependent(row.fmTrim, flightMode) == KLX_True ? flightMode : 0;
    m_Db->KLX_DataBaseManagerTrimGetSetTrimValueBeep(row.trim, fm, value, 0, false);
    m_Db->KLX_DataBaseManagerGetSet_ControlValueByControl(row.control, value, 0);
  }
  m_Db->KLX_DataBaseManager_StickdataUnlock();
  return KLX_Ok;
}

int KLX_TransceiverMessageHandler::SpecialSwitch(const KLX_ProtLongData_t* message) {
  if (message->length != 8) {
    KLXErrorHandler.RegisterError(kSpecialSwitchLength,
                                  "wrong length in KLX_TransceiverMessageHandlerSpecialSwitch");
    return KLX_Ok;
  }
  // The live values are shared with the GUI: written under the store's lock.
  m_Db->KLX_DataBaseManager_StickdataLock();
  for (int i = 0; i < 4; ++i) {
    const int value = KLX_ProtInt16(message, 2 * i);
    m_Db->KLX_DataBaseManagerSpecialSwitchGetSet_Value(i, value, 0, false);
    m_Db->KLX_DataBaseManagerGetSet_ControlValueByControl(kSpecialSwitchControls[i], value, 0);
  }
  m_Db->KLX_DataBaseManager_StickdataUnlock();
  return KLX_Ok;
}

int KLX_TransceiverMessageHandler::Z2BusData(const KLX_ProtLongData_t* message) {
  const unsigned char command = KLX_Z2Bus::KLX_Z2BusGetZ2BusCommand(message->data, message->length);
  if (command == 0) {
    // The parser reads a whole frame: bytes beyond the message are 0.
    unsigned char frame[KLX_PROT_MAX_DATA] = {};
    std::memcpy(frame, message->data, message->length);
    return m_Db->KLX_DataBaseManagerHandleTelemetrieData(frame);
  }
  if (command >= 3 && command <= 7) return UpdateSingle(message, 12 + command);
  return KLX_Ok;
}
