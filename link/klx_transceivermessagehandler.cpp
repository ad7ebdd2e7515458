#include "link/klx_transceivermessagehandler.h"

#include "frame/klx_errorhandler.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_vornhandler.h"

#include <cstring>

namespace {
constexpr unsigned kInitFailed = 0x10901;
constexpr unsigned kTrimLength = 0x10804;
constexpr unsigned kSpecialSwitchLength = 0x10807;
constexpr unsigned short kDefaultBootId = 153;

struct TrimRow {
  unsigned char low, high;
  int fmTrim, trim;
  unsigned short control;
};
// Messages 35 (rows 0-2) and 36 (rows 3-5).
constexpr TrimRow kTrimRows[6] = {
    {0, 1, 0, 0, 512}, {2, 3, 1, 1, 513}, {4, 5, 2, 2, 752},
    {0, 1, 3, 3, 753}, {2, 3, 4, 4, 514}, {4, 5, 5, 5, 754},
};
constexpr unsigned short kSpecialSwitchControls[4] = {774, 775, 1014, 1015};

// Element kind of the unit read-back messages 80 to 92 (-1: none).
int UnitKind(unsigned id) {
  switch (id) {
    case 80: return 0;
    case 81: return 3;
    case 82: return 2;
    case 83: return 1;
    case 84: return 6;
    case 85: return 4;
    case 86: return 5;
    case 88: return 7;
    case 89: return 8;
    case 90: return 9;
    case 91: return 10;
    case 92: return 11;
    default: return -1;
  }
}
}  // namespace

KLX_TransceiverMessageHandler::KLX_TransceiverMessageHandler(QObject* parent) : QObject(parent) {}

int KLX_TransceiverMessageHandler::KLX_TransceiverMessageHandlerInitialize(KLX_DataBaseManager* database,
                                                                           KLX_VornHandler* handler) {
  if (!database || !handler) {
    KLXErrorHandler.RegisterError(kInitFailed, "KLX_TransceiverMessageHandlerInitialize gone wrong");
    return -70000;
  }
  m_Db = database;
  m_Vorn = handler;
  return 1;
}

void KLX_TransceiverMessageHandler::KLX_TransceiverMessageHandlerSet_UpdateCAN_ID(unsigned short id) {
  m_UpdateId = id == 65535 ? kDefaultBootId : id;
}

int KLX_TransceiverMessageHandler::KLX_TransceiverMessageHandlerRcvMsg(const KLX_ProtLongData_t* message) {
  if (!message || message->remoteFlag || !m_Db) return -70000;
  if (!message->longFlag && (message->id == 254 || message->id == 255)) {
    KLXErrorHandler.RegisterError(KLX_ProtUint32(message, 0), QString());
    return -70000;
  }
  const int result = message->longFlag ? LongMessage(message) : ShortMessage(message);
  if (message->id == m_UpdateId) Answer(message);
  return result;
}

int KLX_TransceiverMessageHandler::LongMessage(const KLX_ProtLongData_t* message) {
  switch (message->id) {
    case 16: return Update(message, 1, 2);
    case 17: return Update(message, 1, 3);
    case 48: return UpdateSingle(message, 11);
    case 49: return UpdateSingle(message, 12);
    case 51: return Z2BusData(message);
    case 112: return Update(message, 0, 128, true);
    default: break;
  }
  const int kind = UnitKind(message->id);
  return kind >= 0 ? Update(message, 2, kind) : -70000;
}

int KLX_TransceiverMessageHandler::ShortMessage(const KLX_ProtLongData_t* message) {
  switch (message->id) {
    case 4: {
      char state[4];
      for (unsigned i = 0; i < 4; ++i) state[i] = static_cast<char>(KLX_ProtByte(message, i));
      m_DevState.KLX_TCDevStateUpdateData(state);
      m_Db->KLX_DatabaseManagerSetTCDeviceState(m_DevState.KLX_TCDevStateGetDeviceEngineStates());
      return 1;
    }
    case 5: return UpdateSingle(message, 14);
    case 16: return Update(message, 1, 2);
    case 18: return Update(message, 1, 4);
    case 32: return Update(message, 1, 9);
    case 35: return TrimData(message, 0);
    case 36: return TrimData(message, 3);
    case 37: return SpecialSwitch(message);
    case 51: return Z2BusData(message);
    case 52: return m_Db->KLX_DataBaseManagerHandleTelemetrieNoResp(KLX_ProtByte(message, 0));
    case 64:
      m_Db->KLX_DataBaseManagerGetSetTransLQI1(KLX_ProtByte(message, 0), 0);
      m_Db->KLX_DataBaseManagerGetSetTransLQI2(KLX_ProtByte(message, 1), 0);
      m_Db->KLX_DataBaseManagerGetSetTransRSSI1(static_cast<signed char>(KLX_ProtByte(message, 2)), 0);
      m_Db->KLX_DataBaseManagerGetSetTransRSSI2(static_cast<signed char>(KLX_ProtByte(message, 3)), 0);
      m_Db->KLX_DataBaseManagerHandleVornTelemetrieData(4, 4);
      return 1;
    case 80:
      m_Db->KLX_DataBaseManagerSetGainValueFCC_CAN(KLX_ProtByte(message, 0));
      return -70000;
    case 96:
    case 128:
      Answer(message);
      return 1;
    case 113: return Update(message, 0, 2, true);
    case 114: return Update(message, 0, 1);
    case 144: {
      const char mode = static_cast<char>(KLX_ProtByte(message, 0));
      m_DevState.KLX_TCFrontPlugUpdateData(&mode);
      m_Db->KLX_DatabaseManagerGetSetFrontPlugModeInSystemProp(static_cast<unsigned char>(mode), 2);
      return 1;
    }
    case 160:
      m_Db->KLX_DataBaseManagerTutorPupilGetSetItemAwaitingForExtChannelChanged(KLX_ProtByte(message, 0), 0);
      return -70000;
    case 176: return Update(message, 1, 6);
    case 192: {
      // The words behind byte 3, aligned; bytes beyond the message read as 0.
      unsigned int words[2] = {0, 0};
      unsigned char raw[sizeof(words)] = {};
      for (unsigned i = 0; i < sizeof(raw); ++i) raw[i] = KLX_ProtByte(message, 3 + i);
      std::memcpy(words, raw, sizeof(words));
      return m_Db->KLX_DataBaseManagerSequencerUpdateInfo(KLX_ProtByte(message, 0),
                                                          KLX_ProtByte(message, 1) != 0,
                                                          KLX_ProtByte(message, 2), words);
    }
    default: return -70000;
  }
}

int KLX_TransceiverMessageHandler::Answer(const KLX_ProtLongData_t* message) {
  if (!m_Vorn) return -70000;
  TaskUpdate_Data_T update;
  update.updateKind = KLX_UPDATE_KIND_TRANSCEIVER;
  // A message of length 0 carries no first byte: the answer is 0.
  update.para = KLX_ProtByte(message, 0);
  if (message->length > 1) std::memcpy(update.data, message->data + 1, message->length - 1);
  return m_Vorn->KLX_VornHandlerUpdateProcessTask(update);
}

int KLX_TransceiverMessageHandler::Update(const KLX_ProtLongData_t* message, int a, int b, bool response) {
  if (!m_Vorn) return 1;
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
  return 1;
}

int KLX_TransceiverMessageHandler::UpdateSingle(const KLX_ProtLongData_t* message, int a) {
  if (!m_Vorn) return 1;
  TaskUpdate_Data_T update;
  update.updateKind = KLX_UPDATE_KIND_TRANSCEIVER;
  update.para = a;
  const unsigned n = message->length < sizeof(update.data) ? message->length : sizeof(update.data);
  std::memcpy(update.data, message->data, n);
  m_Vorn->KLX_VornHandlerUpdateProcessTask(update);
  return 1;
}

int KLX_TransceiverMessageHandler::TrimData(const KLX_ProtLongData_t* message, int firstRow) {
  if (message->length != 7) {
    KLXErrorHandler.RegisterError(kTrimLength, "wrong length in KLX_StickMessageHandlerTrimData");
    return 1;
  }
  const int flightMode = message->data[6];
  m_Db->KLX_DataBaseManager_StickdataLock();
  for (int r = firstRow; r < firstRow + 3; ++r) {
    const TrimRow& row = kTrimRows[r];
    const int value = KLX_ProtInt16(message, row.low);
    const int fm = m_Db->KLX_DataBaseManager_IsTrimFlightModeDependent(row.fmTrim, flightMode) == 1 ? flightMode : 0;
    m_Db->KLX_DataBaseManagerTrimGetSetTrimValueBeep(row.trim, fm, value, 0, false);
    m_Db->KLX_DataBaseManagerGetSet_ControlValueByControl(row.control, value, 0);
  }
  m_Db->KLX_DataBaseManager_StickdataUnlock();
  return 1;
}

int KLX_TransceiverMessageHandler::SpecialSwitch(const KLX_ProtLongData_t* message) {
  if (message->length != 8) {
    KLXErrorHandler.RegisterError(kSpecialSwitchLength,
                                  "wrong length in KLX_TransceiverMessageHandlerSpecialSwitch");
    return 1;
  }
  // The live values are shared with the GUI: written under the store's lock.
  m_Db->KLX_DataBaseManager_StickdataLock();
  for (int i = 0; i < 4; ++i) {
    const int value = KLX_ProtInt16(message, 2 * i);
    m_Db->KLX_DataBaseManagerSpecialSwitchGetSet_Value(i, value, 0, false);
    m_Db->KLX_DataBaseManagerGetSet_ControlValueByControl(kSpecialSwitchControls[i], value, 0);
  }
  m_Db->KLX_DataBaseManager_StickdataUnlock();
  return 1;
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
  return 1;
}
