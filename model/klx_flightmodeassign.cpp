#include "model/klx_flightmodeassign.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "model/klx_switch.h"

namespace {
constexpr unsigned kErrDelete = 0x23C01;
constexpr unsigned kErrImageBuffer = 0x13C03;
constexpr unsigned kErrImageIndex = 0x53C02;
}  // namespace

const KLX_Field KLX_FlightmodeAssign::kFields[KLX_FmAssignRow::Count] = {KLX_FMASSIGN_FIELDS(KLX_FIELD_DESC)};

KLX_FlightmodeAssign::KLX_FlightmodeAssign(QObject* parent)
    : QObject(parent), KLX_RecordArray(-1, 73, kl_engine_init_fmassignments, nullptr) {
  m_SingleRecord = true;
  SetBounds(kFields, KLX_FmAssignRow::Count, {KL_MAX_FM_SWITCH_SLOTS, KL_FM_LUT_ENTRIES, 0, 0, 0});
  ResetAll();
}

int KLX_FlightmodeAssign::KLX_FlightmodeAssignInitialize(KLX_Protocol* protocol, KLX_Switch* switches) {
  if (switches) m_Switch = switches;
  return KLX_DataBaseTransmitterInitialize(protocol);
}

int KLX_FlightmodeAssign::KLX_FlightmodeAssignGetSet_Control(int slot, int control, int get, bool transmit) {
  return FieldAccess(kFields[KLX_FmAssignRow::Control], 0, slot, control, get != 0, transmit);
}

int KLX_FlightmodeAssign::KLX_FlightmodeAssignGetSet_FlightModeLUT(int entry, int flightmode, int get,
                                                                  bool transmit) {
  return FieldAccess(kFields[KLX_FmAssignRow::FlightModeLUT], 0, entry, flightmode, get != 0, transmit);
}

int KLX_FlightmodeAssign::KLX_FlightmodeAssignDeleteControl(int slot, bool transmit) {
  if (slot < 0 || slot >= KL_MAX_FM_SWITCH_SLOTS) {
    KLXErrorHandler.RegisterError(kErrDelete, QString());
    return KLX_Error;
  }
  KLX_FlightmodeAssignGetSet_Control(slot, kFreeControl, 0, transmit);
  return KLX_Ok;
}

int KLX_FlightmodeAssign::KLX_FlightmodeAssignDeleteFlightmode(int entry, bool transmit) {
  if (entry < 0 || entry >= KL_FM_LUT_ENTRIES) {
    KLXErrorHandler.RegisterError(kErrDelete, QString());
    return KLX_Error;
  }
  KLX_FlightmodeAssignGetSet_FlightModeLUT(entry, 0, 0, transmit);
  return KLX_Ok;
}

int KLX_FlightmodeAssign::KLX_FlightmodeAssGetNextFreeIndexControl() const {
  const KLX_ModelLock lock;
  for (int k = 0; k < KLX_BoardCount(EngineCfgFmSwitchSlots); ++k)
    if (m_Records[0].Control[k] == kFreeControl) return k;
  return Max_Flightmode_Cont_Number_Reached;
}

int KLX_FlightmodeAssign::KLX_FlightmodeAssGetNextFreeIndexFlightmode() const {
  const KLX_ModelLock lock;
  for (int n = 0; n < KLX_BoardCount(EngineCfgFlightModes); ++n)
    if (m_Records[0].Flightmode[n] == kFreeFlightmode) return n;
  return Max_Flightmode_Ass_Number_Reached;
}

int KLX_FlightmodeAssign::KLX_FlightmodeAssignSet_FlightmodeAssignUnit(const T_FlightModeControlAssignment* record) {
  if (record) CopyRecordIn(0, record);
  return KLX_Ok;
}

int KLX_FlightmodeAssign::KLX_FlightmodeAssignCopySingleUnit(T_FlightModeControlAssignment* out) const {
  if (out) CopyRecordOut(0, out);
  return KLX_Ok;
}

int KLX_FlightmodeAssign::KLX_FlightmodeAssignCopyUnit(unsigned char* buffer) const {
  return CopyUnitImage(0, buffer, kErrImageBuffer, kErrImageIndex);
}

void KLX_FlightmodeAssign::KLX_FlightmodeAssignSetToDefaultValues(T_FlightModeControlAssignment* record) {
  if (record) Defaults(record, kl_engine_init_fmassignments);
}

int KLX_FlightmodeAssign::KLX_FlightmodeAssign_GetAllUsedPhyControls(QQueue<int>* controls) {
  const KLX_ModelLock lock;
  if (!controls || !m_Switch) return KLX_Error;
  const int switches = KLX_BoardCount(EngineCfgVirtualSwitches);
  for (int k = 0; k < KLX_BoardCount(EngineCfgFmSwitchSlots); ++k) {
    const int n = m_Records[0].Control[k] - KLX_CONTROL_VS_FIRST;
    if (n < 0 || n >= switches || !m_Switch->IsUsed(n)) continue;
    for (int control : m_Switch->KLX_SwitchGet_AllPhysiscalInputsOfVSchain(n, false))
      if (!controls->contains(control)) controls->enqueue(control);
  }
  return KLX_Ok;
}
