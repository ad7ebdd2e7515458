#include "telemetry/klx_telecontrol.h"

#include <cstddef>
#include <cstring>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "model/klx_switch.h"

namespace {
// Bad-index reports of the store (module 0x1F), by field.
constexpr unsigned kErrName = 0x51F04;
constexpr unsigned kErrUsed = 0x51F05;
constexpr unsigned kErrFlags = 0x51F06;
constexpr unsigned kErrMain = 0x51F07;
constexpr unsigned kErrSlave = 0x51F08;
constexpr unsigned kErrLimit = 0x51F09;
constexpr unsigned kErrSimulation = 0x51F0A;
constexpr unsigned kErrUnitIndex = 0x51F0D;
constexpr unsigned kErrFailSafe = 0x51F10;
constexpr unsigned kErrOutput = 0x51F11;
constexpr unsigned kErrUnitBuffer = 0x11F0E;
constexpr unsigned kErrDelete = 0x20E01;
constexpr unsigned kErrFull = 0x21F0F;

// The limits are sent as four bytes whatever their width in the record.
constexpr unsigned char kLimitBytes = 4;
}  // namespace

#define KLX_TC(F) offsetof(T_TelemetryControl, F), sizeof(T_TelemetryControl::F), \
                  std::is_signed<decltype(T_TelemetryControl::F)>::value, 0, 0, 0
const KLX_Field KLX_TeleControl::kFields[RowCount] = {
    KLX_FieldOf(1, 1, KLX_TC(IsUsed), KLX_Conv::Flag, 0, 1, kErrUsed),
    KLX_FieldOf(2, 2, KLX_TC(IsSimulating), KLX_Conv::Flag, 0, 1, kErrFlags),
    KLX_FieldOf(12, 12, KLX_TC(IsInverted), KLX_Conv::Flag, 0, 1, kErrFlags),
    KLX_FieldOf(3, 3, KLX_TC(MainAddress), KLX_Conv::Plain, 0, 255, kErrMain),
    KLX_FieldOf(4, 4, KLX_TC(SlaveAddress), KLX_Conv::Plain, 0, 255, kErrSlave),
    KLX_FieldOf(5, 5, KLX_TC(DecimalPosition), KLX_Conv::Plain, 0, 4, kErrOutput),
    KLX_FieldOf(8, 8, KLX_TC(SimulationValue), KLX_Conv::Plain, -32768, 32767, kErrSimulation),
    KLX_FieldOf(11, 11, KLX_TC(FailSafeValue), KLX_Conv::Plain, -32768, 32767, kErrFailSafe),
    KLX_FieldOf(6, 6, KLX_TC(LowerLimit), KLX_Conv::Plain, -32768, 32767, kErrLimit),
    KLX_FieldOf(7, 7, KLX_TC(UpperLimit), KLX_Conv::Plain, -32768, 32767, kErrLimit),
    KLX_FieldOf(9, 9, KLX_TC(OutputControl), KLX_Conv::Plain, 0, kLastVirtualSwitchId, kErrOutput),
    KLX_FieldOf(10, 10, KLX_TC(DefaultOutputValue), KLX_Conv::Percent, -100, 100, kErrOutput),
};
#undef KLX_TC

KLX_TeleControl::KLX_TeleControl(QObject* parent)
    : QObject(parent),
      KLX_RecordArray(EngineCfgTelemetryControls, kElementKind, kl_engine_init_telecontrol, "telecontrol") {
  SetBounds(kFields, RowCount, {KL_MAX_TELECONTROLS, 0, 0, 0, 0});
  ResetAll();
  for (auto& sensor : m_Raw)
    for (auto& value : sensor) value.store(0, std::memory_order_relaxed);
}

int KLX_TeleControl::KLX_TeleControlInitialize(KLX_Protocol* protocol, KLX_Switch* switches) {
  if (switches) m_Switches = switches;
  return KLX_DataBaseTransmitterInitialize(protocol);
}

int KLX_TeleControl::KLX_TeleControlGetSet_IsUsed(int index, int value, int dir, bool update) {
  return FieldAccess(kFields[RowUsed], index, 0, value, dir != AtomicDirSet, update);
}

int KLX_TeleControl::KLX_TeleControlGetSet_IsSimulating(int index, int value, int dir, bool update) {
  return FieldAccess(kFields[RowSimulating], index, 0, value, dir != AtomicDirSet, update);
}

int KLX_TeleControl::KLX_TeleControlGetSet_InvOutput(int index, int value, int dir, bool update) {
  return FieldAccess(kFields[RowInverted], index, 0, value, dir != AtomicDirSet, update);
}

int KLX_TeleControl::Address(Row row, int index, int value, int dir, bool update) {
  const KLX_Field& f = kFields[row];
  const bool validIndex = index >= 0 && index < Capacity();
  if (dir == AtomicDirSet && validIndex && (value < f.min || value > f.max)) return KLX_Error;
  return FieldAccess(f, index, 0, value, dir != AtomicDirSet, update);
}

int KLX_TeleControl::KLX_TeleControlGetSet_MainAddr(int index, int value, int dir, bool update) {
  return Address(RowMain, index, value, dir, update);
}

int KLX_TeleControl::KLX_TeleControlGetSet_SlaveAddr(int index, int value, int dir, bool update) {
  return Address(RowSlave, index, value, dir, update);
}

int KLX_TeleControl::KLX_TeleControlGetSet_ValueLimit(int index, bool upper, int value, int dir, bool update) {
  const KLX_Field& f = kFields[upper ? RowUpper : RowLower];
  if (dir != AtomicDirSet) return FieldAccess(f, index, 0, value, true, false);
  if (CheckUnit(index, kErrLimit) != KLX_Ok) return Indexes_Out_Of_Range;
  const T_TelemetryControl& r = m_Records[index];
  int v = qBound(-32768, value, 32767);
  if (upper && v <= r.LowerLimit) v = r.LowerLimit + 1;
  if (!upper && v >= r.UpperLimit) v = r.UpperLimit - 1;
  WriteRaw(f, index, 0, v, false);
  const int stored = static_cast<int>(FieldRaw(f, index, 0));
  if (update) {
    unsigned char bytes[kLimitBytes];
    for (unsigned i = 0; i < kLimitBytes; ++i) bytes[i] = static_cast<unsigned char>(uint32_t(stored) >> (8 * i));
    KLX_DataBaseTransmitterUpdateAtomicElement(static_cast<unsigned char>(index), 0, 0, f.msgId,
                                               reinterpret_cast<const char*>(bytes), kLimitBytes, kElementKind);
  }
  return stored;
}

int KLX_TeleControl::KLX_TeleControlGetSet_SimulValue(int index, int value, int dir, bool update) {
  return FieldAccess(kFields[RowSimulation], index, 0, value, dir != AtomicDirSet, update);
}

int KLX_TeleControl::KLX_TeleControlGetSet_FSafeValue(int index, int value, int dir, bool update) {
  return FieldAccess(kFields[RowFailSafe], index, 0, value, dir != AtomicDirSet, update);
}

int KLX_TeleControl::KLX_TeleControlGetSet_DecPoint(int index, int value, int dir, bool update) {
  return FieldAccess(kFields[RowDecPoint], index, 0, value, dir != AtomicDirSet, update);
}

int KLX_TeleControl::KLX_TeleControlGetSet_OutputCtrl(int index, int value, int dir, bool update) {
  const KLX_Field& f = kFields[RowOutput];
  if (dir != AtomicDirSet || value < 0) return FieldAccess(f, index, 0, value, true, false);
  if (value > kLastFixedOutput) value = qBound(kFirstVirtualSwitchId, value, kLastVirtualSwitchId);
  return FieldAccess(f, index, 0, value, false, update);
}

int KLX_TeleControl::KLX_TeleControlGetSet_DfltOutValue(int index, int value, int dir, bool update) {
  return FieldAccess(kFields[RowDefault], index, 0, value, dir != AtomicDirSet, update);
}

QString KLX_TeleControl::KLX_TeleControlGetSet_Name(int index, QString name, int dir) {
  if (dir == AtomicDirSet && index >= 0 && index < Capacity() && CheckForSameName(name)) return QString();
  return NameAccess(index, name, dir != AtomicDirSet, kErrName);
}

int KLX_TeleControl::KLX_TeleControlCopyUnit(int index, unsigned char* buffer) const {
  return CopyUnitImage(index, buffer, kErrUnitBuffer, kErrUnitIndex);
}

int KLX_TeleControl::KLX_TeleControlDelete(int index) { return DeleteUnit(index, kErrDelete); }

void KLX_TeleControl::KLX_TeleControlSetToDefaultValues(T_TelemetryControl* record) const {
  if (record) Defaults(record, kl_engine_init_telecontrol);
}

int KLX_TeleControl::KLX_TeleControlGetNextFreeIndex() const {
  const int index = NextFreeIndex(0, Max_TeleControl_Number_Reached);
  if (index == Max_TeleControl_Number_Reached)
    KLXErrorHandler.RegisterError(kErrFull, QStringLiteral("Telemetry controls list is full"));
  return index;
}

void KLX_TeleControl::KLX_TeleControlSetReceivedRawValue(int mainAddress, int slave, int value) {
  if (mainAddress < 0 || mainAddress >= kRawSensors || slave < 0 || slave >= kRawValues) return;
  m_Raw[mainAddress][slave].store(static_cast<int16_t>(value), std::memory_order_relaxed);
}

int KLX_TeleControl::KLX_TeleControlGetRawSensorValue(int index) const {
  if (index < 0 || index >= BoardCount()) return 0;
  const T_TelemetryControl& r = m_Records[index];
  if (r.MainAddress >= kRawSensors || r.SlaveAddress >= kRawValues) return 0;
  return m_Raw[r.MainAddress][r.SlaveAddress].load(std::memory_order_relaxed);
}

int KLX_TeleControl::KLX_TeleControl_IsVSwAsAnyOfOutputControls(int vs) const {
  const int switches = kl_engine_cfg_count(EngineCfgVirtualSwitches);
  if (vs < 0 || vs >= switches) return KLX_Error;
  for (int i = 0; i < BoardCount(); ++i) {
    const T_TelemetryControl& r = m_Records[i];
    if (!r.IsUsed || r.OutputControl < kFirstVirtualSwitchId || r.OutputControl >= kFirstVirtualSwitchId + switches)
      continue;
    const int output = r.OutputControl - kFirstVirtualSwitchId;
    if (output == vs) return 1;
    if (m_Switches && m_Switches->KLX_SwitchIsGivenVSinInputChainsOf(output, vs) != 0) return 1;
  }
  return 0;
}
