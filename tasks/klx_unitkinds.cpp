#include "tasks/klx_unitkinds.h"

#include <cstring>

#include "frame/klx_databasevalues.h"
#include "link/klx_messageids.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_taskrecords.h"
#include "tasks/klx_vorntask.h"
#include "telemetry/klx_telecontrol.h"

namespace {
using VT = KLX_VornTask;

constexpr unsigned kErrTeleImage = 0x22312;
constexpr unsigned kErrTeleIndex = 0x22313;

KLX_TeleControl* Tele(KLX_DataBaseManager* db, int index) {
  KLX_TeleControl* store = db->KLX_DataBaseManagerGetTeleControlObject();
  return store && index >= 0 && index < store->BoardCount() ? store : nullptr;
}

int TeleDefaults(KLX_DataBaseManager* db, int index) {
  KLX_TeleControl* store = Tele(db, index);
  if (!store) return KLX_Error;
  T_TelemetryControl record;
  std::memset(&record, 0, sizeof(record));
  kl_engine_init_telecontrol(&record);
  store->CopyRecordIn(index, &record);
  db->KLX_DataBaseManagerTeleControlMarkTeleContol(index, true);
  return KLX_Ok;
}
}  // namespace

namespace KLX_UnitKinds {

int BoardCount(KLX_DataBaseManager* db, int kind) {
  switch (kind) {
    case VT::KLX_TASK_PARA_MODEL_Function: return db->KLX_DataBaseManagerGetMaxFunctions();
    case VT::KLX_TASK_PARA_MODEL_Flightmode: return db->KLX_DataBaseManagerGetMaxFlightmodes();
    case VT::KLX_TASK_PARA_MODEL_Limiter: return db->KLX_DataBaseManagerGetMaxLimiter();
    case VT::KLX_TASK_PARA_MODEL_Mixer: return db->KLX_DataBaseManagerGetMaxMixer();
    case VT::KLX_TASK_PARA_MODEL_Sequencer: return db->KLX_DataBaseManagerGetMaxSequncer();
    case VT::KLX_TASK_PARA_MODEL_ServoConfig: return db->KLX_DataBaseManagerGetMaxServos();
    case VT::KLX_TASK_PARA_MODEL_Curve: return db->KLX_DataBaseManagerGetMaxCurves();
    case VT::KLX_TASK_PARA_MODEL_VirtSwitch: return db->KLX_DataBaseManagerGetMaxVirualSwitches();
    case VT::KLX_TASK_PARA_MODEL_FmAssign: return 1;
    case VT::KLX_TASK_PARA_MODEL_TeleControl: return db->KLX_DataBaseManagerGetMaxTeleControls();
    default: return 0;
  }
}

int NextFreeIndex(KLX_DataBaseManager* db, int kind) {
  switch (kind) {
    case VT::KLX_TASK_PARA_MODEL_Function: return db->KLX_DataBaseManagerFunctionGetNextFreeIndex();
    case VT::KLX_TASK_PARA_MODEL_Flightmode: return db->KLX_DataBaseManagerFlightmodeGetNextFreeIndex();
    case VT::KLX_TASK_PARA_MODEL_Limiter: return db->KLX_DataBaseManagerLimiterGetNextFreeIndex();
    case VT::KLX_TASK_PARA_MODEL_Mixer: return db->KLX_DataBaseManagerMixerGetNextFreeIndex();
    case VT::KLX_TASK_PARA_MODEL_Sequencer: return db->KLX_DataBaseManagerSequencerGetNextFreeIndex();
    case VT::KLX_TASK_PARA_MODEL_Curve: return db->KLX_DataBaseManagerCurveGetNextFreeIndex();
    case VT::KLX_TASK_PARA_MODEL_VirtSwitch: return db->KLX_DataBaseManagerSwitchGetNextFreeIndex();
    case VT::KLX_TASK_PARA_MODEL_TeleControl: {
      KLX_TeleControl* store = db->KLX_DataBaseManagerGetTeleControlObject();
      return store ? store->NextFreeIndex(0, Max_TeleControl_Number_Reached) : int(KLX_Error);
    }
    default: return KLX_Error;
  }
}

int Clear(KLX_DataBaseManager* db, int kind, int index) {
  switch (kind) {
    case VT::KLX_TASK_PARA_MODEL_Function: return db->KLX_DataBaseManagerFunctionClear(index);
    case VT::KLX_TASK_PARA_MODEL_Flightmode: return db->KLX_DataBaseManagerFlightmodeClear(index);
    case VT::KLX_TASK_PARA_MODEL_Limiter: return db->KLX_DataBaseManagerLimiterClear(index);
    case VT::KLX_TASK_PARA_MODEL_Mixer: return db->KLX_DataBaseManagerMixerClear(index);
    case VT::KLX_TASK_PARA_MODEL_Sequencer: return db->KLX_DataBaseManagerSequencerClear(index);
    case VT::KLX_TASK_PARA_MODEL_ServoConfig: return db->KLX_DataBaseManagerServoConfigClear(index);
    case VT::KLX_TASK_PARA_MODEL_Curve: return db->KLX_DataBaseManagerCurveClear(index);
    case VT::KLX_TASK_PARA_MODEL_VirtSwitch: return db->KLX_DataBaseManagerSwitchClear(index);
    case VT::KLX_TASK_PARA_MODEL_TeleControl: return TeleDefaults(db, index);
    default: return KLX_Error;
  }
}

namespace {
int UsedAccess(KLX_DataBaseManager* db, int kind, int index, int value, int dir) {
  switch (kind) {
    case VT::KLX_TASK_PARA_MODEL_Function: return db->KLX_DataBaseManagerFunctionGetSet_IsUsed(index, value, dir, true);
    case VT::KLX_TASK_PARA_MODEL_Flightmode:
      return db->KLX_DataBaseManagerFlightmodeGetSet_IsUsed(index, value, dir, true);
    case VT::KLX_TASK_PARA_MODEL_Limiter: return db->KLX_DataBaseManagerLimiterGetSet_IsUsed(index, value, dir, true);
    case VT::KLX_TASK_PARA_MODEL_Mixer: return db->KLX_DataBaseManagerMixerGetSet_IsUsed(index, value, dir, true);
    case VT::KLX_TASK_PARA_MODEL_Sequencer:
      return db->KLX_DataBaseManagerSequencerGetSet_IsUsed(index, value, dir, true);
    case VT::KLX_TASK_PARA_MODEL_ServoConfig:
      return db->KLX_DataBaseManagerServoConfigGetSet_IsUsed(index, value, dir, true);
    case VT::KLX_TASK_PARA_MODEL_Curve: return db->KLX_DataBaseManagerCurveGetSet_IsUsed(index, value, dir, true);
    case VT::KLX_TASK_PARA_MODEL_VirtSwitch: return db->KLX_DataBaseManagerSwitchGetSet_IsUsed(index, value, dir, true);
    case VT::KLX_TASK_PARA_MODEL_TeleControl: {
      KLX_TeleControl* store = Tele(db, index);
      if (!store) return KLX_Error;
      if (dir != AtomicDirSet) return store->IsUsed(index);
      store->KLX_TeleControlGetSet_IsUsed(index, value, AtomicDirSet, true);
      db->KLX_DataBaseManagerTeleControlMarkTeleContol(index, true);
      return store->IsUsed(index);
    }
    default: return KLX_Error;
  }
}
}  // namespace

int IsUsed(KLX_DataBaseManager* db, int kind, int index) { return UsedAccess(db, kind, index, 0, AtomicDirGet); }

int SetUsed(KLX_DataBaseManager* db, int kind, int index) { return UsedAccess(db, kind, index, 1, AtomicDirSet); }

int CopyUnit(KLX_DataBaseManager* db, int kind, int index, unsigned char* buffer) {
  switch (kind) {
    case VT::KLX_TASK_PARA_MODEL_Function: return db->KLX_DataBaseManagerFunctionCopyUnit(index, buffer);
    case VT::KLX_TASK_PARA_MODEL_Flightmode: return db->KLX_DataBaseManagerFlightmodeCopyUnit(index, buffer);
    case VT::KLX_TASK_PARA_MODEL_Limiter: return db->KLX_DataBaseManagerLimiterCopyUnit(index, buffer);
    case VT::KLX_TASK_PARA_MODEL_Mixer: return db->KLX_DataBaseManagerMixerCopyUnit(index, buffer);
    case VT::KLX_TASK_PARA_MODEL_Sequencer: return db->KLX_DataBaseManagerSequencerCopyUnit(index, buffer);
    case VT::KLX_TASK_PARA_MODEL_ServoConfig: return db->KLX_DataBaseManagerServoConfigCopyUnit(index, buffer);
    case VT::KLX_TASK_PARA_MODEL_Curve: return db->KLX_DataBaseManagerCurveCopyUnit(index, buffer);
    case VT::KLX_TASK_PARA_MODEL_VirtSwitch: return db->KLX_DataBaseManagerSwitchCopyUnit(index, buffer);
    case VT::KLX_TASK_PARA_MODEL_TeleControl: {
      KLX_TeleControl* store = Tele(db, index);
      return store ? store->CopyUnitImage(index, buffer, kErrTeleImage, kErrTeleIndex) : int(KLX_Error);
    }
    default: return KLX_Error;
  }
}

unsigned char UnitMessage(int kind) {
  switch (kind) {
    case VT::KLX_TASK_PARA_MODEL_Function: return KLX_MSG_UNIT_FUNCTION;
    case VT::KLX_TASK_PARA_MODEL_Flightmode: return KLX_MSG_UNIT_FLIGHTMODE;
    case VT::KLX_TASK_PARA_MODEL_Limiter: return KLX_MSG_UNIT_LIMITER;
    case VT::KLX_TASK_PARA_MODEL_Mixer: return KLX_MSG_UNIT_MIXER;
    case VT::KLX_TASK_PARA_MODEL_Sequencer: return KLX_MSG_UNIT_SEQUENCER;
    case VT::KLX_TASK_PARA_MODEL_ServoConfig: return KLX_MSG_UNIT_SERVOCONFIG;
    case VT::KLX_TASK_PARA_MODEL_Curve: return KLX_MSG_UNIT_CURVE;
    case VT::KLX_TASK_PARA_MODEL_VirtSwitch: return KLX_MSG_UNIT_VSWITCH;
    case VT::KLX_TASK_PARA_MODEL_TeleControl: return KLX_MSG_UNIT_TELECONTROL;
    default: return 0;
  }
}

int DeleteTeleControl(KLX_DataBaseManager* db, int index) { return TeleDefaults(db, index); }

int SendControl(KLX_Protocol* protocol, unsigned char sub, unsigned char b2, unsigned char b3, unsigned char b4) {
  const char message[8] = {1, char(sub), char(b2), char(b3), char(b4), 0, 0, 0};
  return protocol ? protocol->KLX_ProtocolSendMessage(sizeof(message), message, KLX_MSG_LOADER, KLX_NODE_APPLICATION)
                  : int(KLX_Error);
}

bool IsControlAnswer(const TaskUpdate_Data_T& update, unsigned char what) {
  return update.para == 1 && update.updateKind == KLX_UPDATE_KIND_TRANSCEIVER && update.data[0] == what;
}

}  // namespace KLX_UnitKinds
