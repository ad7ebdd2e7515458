#include "model/klx_function.h"

#include <QtGlobal>

#include <cstring>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "model/engine/kl_engine.h"

namespace {
// Error codes of module 0x0C that have no field row.
constexpr unsigned kErrFullList = 0x20C02;
constexpr unsigned kErrDelete = 0x20C01;
constexpr unsigned kErrDeleteSetup = 0x20C20;
constexpr unsigned kErrCopySetup = 0x20C21;
constexpr unsigned kErrNoTrim = 0x20C1F;
constexpr unsigned kErrServoCount = 0x50C03;
constexpr unsigned kErrName = 0x50C06;
constexpr unsigned kErrMaskIndex = 0x50C20;
constexpr unsigned kErrDefaults = 0x50C21;
constexpr unsigned kErrImageBuffer = 0x10C25;
constexpr unsigned kErrImageIndex = 0x50C26;
}  // namespace

const KLX_Field KLX_Function::kFields[KLX_FunctionRow::Count] = {KLX_FUNCTION_FIELDS(KLX_FIELD_DESC)};

#define KLX_FUNCTION_STORE_DEF(S, F, SS, ...) KLX_STORE_DEF_##SS(KLX_Function, KLX_FunctionRow, S)
KLX_FUNCTION_FIELDS(KLX_FUNCTION_STORE_DEF)
#undef KLX_FUNCTION_STORE_DEF

KLX_Function::KLX_Function(QObject* parent)
    : QObject(parent),
      KLX_RecordArray(EngineCfgFunctions, 64, kl_engine_init_function, "function") {
  SetBounds(kFields, KLX_FunctionRow::Count, {KL_MAX_FUNCTIONS, KL_MAX_FLIGHTMODES, KL_SERVOS_PER_FUNCTION, 0, 0});
  KLX_FunctionClearAll();
}

int KLX_Function::KLX_FunctionInitialize(KLX_Protocol* protocol, KLX_Trim* trim) {
  if (!trim) {
    KLXErrorHandler.RegisterError(kErrNoTrim, QString());
    return KLX_Error;
  }
  m_Trim = trim;
  return KLX_DataBaseTransmitterInitialize(protocol);
}

int KLX_Function::KLX_FunctionGetSet_Setup_FlexExpoHi(int index, int fm, bool negative, int value, int get,
                                                      bool transmit) {
  const int row = negative ? KLX_FunctionRow::Setup_FlexExpoNegHi : KLX_FunctionRow::Setup_FlexExpoHi;
  return FieldAccess(kFields[row], index, fm, value, get != 0, transmit);
}

int KLX_Function::KLX_FunctionGetSet_Setup_FlexExpoCenter(int index, int fm, bool negative, int value, int get,
                                                          bool transmit) {
  const int row = negative ? KLX_FunctionRow::Setup_FlexExpoNegCenter : KLX_FunctionRow::Setup_FlexExpoCenter;
  return FieldAccess(kFields[row], index, fm, value, get != 0, transmit);
}

int KLX_Function::KLX_FunctionGetSet_Setup_FlexExpoLo(int index, int fm, bool negative, int value, int get,
                                                      bool transmit) {
  const int row = negative ? KLX_FunctionRow::Setup_FlexExpoNegLo : KLX_FunctionRow::Setup_FlexExpoLo;
  return FieldAccess(kFields[row], index, fm, value, get != 0, transmit);
}

QString KLX_Function::KLX_FunctionGetSet_Name(int index, QString name, int get, bool) {
  return NameAccess(index, name, get != 0, kErrName);
}

int KLX_Function::MaskBit(int row, int index, int fm) {
  if (!KLX_BaseClassDatabaseCheckBorderIndex(Border(), &index, &fm)) {
    KLXErrorHandler.RegisterError(kErrMaskIndex, QString());
    return Indexes_Out_Of_Range;
  }
  return static_cast<int>((FieldRaw(kFields[row], index, 0) >> fm) & 1u);
}

int KLX_Function::SetMaskBit(int row, int index, int fm, int value, bool transmit, const char* refusal) {
  const KLX_ModelLock lock;
  if (value == 1 && fm == 0) {
    qDebug("%s", refusal);
    return KLX_Error;
  }
  if (!KLX_BaseClassDatabaseCheckBorderIndex(Border(), &index, &fm)) {
    KLXErrorHandler.RegisterError(kErrMaskIndex, QString());
    return Indexes_Out_Of_Range;
  }
  const unsigned before = static_cast<unsigned>(FieldRaw(kFields[row], index, 0));
  const unsigned bit = 1u << fm;
  const unsigned after = value == 1 ? (before | bit) : (before & ~bit);
  FieldAccess(kFields[row], index, 0, static_cast<int>(after), false, transmit);
  if (row == KLX_FunctionRow::FunctionSingleMask && before != after)
    qDebug("KLX_Function_SetFlightModeDependent(%d, %d, %d, ...): mask changed from 0x%08X to 0x%08X", index, fm,
           value, before, after);
  return KLX_Ok;
}

int KLX_Function::KLX_Function_IsFlightModeDependent(int index, int fm) {
  return MaskBit(KLX_FunctionRow::FunctionSingleMask, index, fm);
}

int KLX_Function::KLX_Function_IsFlightModeDependent(int index) {
  return KLX_Function_IsFlightModeDependent(index, kl_engine_get_flightmode());
}

int KLX_Function::KLX_Function_IsDiffFlightModeDependent(int index, int fm) {
  return MaskBit(KLX_FunctionRow::FunctionDiffSingleMask, index, fm);
}

int KLX_Function::KLX_Function_IsDiffFlightModeDependent(int index) {
  return KLX_Function_IsDiffFlightModeDependent(index, kl_engine_get_flightmode());
}

int KLX_Function::KLX_Function_SetFlightModeDependent(int index, int fm, int value, bool transmit) {
  return SetMaskBit(KLX_FunctionRow::FunctionSingleMask, index, fm, value, transmit,
                    "KLX_Function_SetFlightModeDependent error: FM0 is global!");
}

int KLX_Function::KLX_Function_SetFlightModeDependent(int index, int value, bool transmit) {
  return KLX_Function_SetFlightModeDependent(index, kl_engine_get_flightmode(), value, transmit);
}

int KLX_Function::KLX_Function_SetDiffFlightModeDependent(int index, int fm, int value, bool transmit) {
  return SetMaskBit(KLX_FunctionRow::FunctionDiffSingleMask, index, fm, value, transmit,
                    "KLX_Function_SetDiffFlightModeDependent error: FM0 is global!");
}

int KLX_Function::KLX_Function_SetDiffFlightModeDependent(int index, int value, bool transmit) {
  return KLX_Function_SetDiffFlightModeDependent(index, kl_engine_get_flightmode(), value, transmit);
}

int KLX_Function::KLX_FunctionGetNextFreeIndex() {
  const int index = NextFreeIndex(0, Max_Function_Number_Reached);
  if (index == Max_Function_Number_Reached)
    KLXErrorHandler.RegisterError(kErrFullList, QStringLiteral("Function list is full"));
  return index;
}

int KLX_Function::KLX_FunctionGetServoNumberForFunction(int index) {
  const KLX_ModelLock lock;
  if (index < 0 || index >= KL_MAX_FUNCTIONS) {
    KLXErrorHandler.RegisterError(kErrServoCount, QString());
    return 0;
  }
  int n = 0;
  for (unsigned mask = m_Records[index].ServoUseMask; mask; mask &= mask - 1) ++n;
  return n;
}

T_Function* KLX_Function::KLX_FunctionGetPtrByIndex(int index) {
  return (index >= 0 && index < BoardCount()) ? &m_Records[index] : nullptr;
}

int KLX_Function::KLX_FunctionReplace_ControlAll(int oldControl, int newControl) {
  const KLX_ModelLock lock;
  if (oldControl == newControl) return 0;
  int replaced = 0;
  for (int i = 0; i < BoardCount(); ++i) {
    if (!IsUsed(i)) continue;
    if (m_Records[i].Control == oldControl) KLX_FunctionGetSet_Control(i, newControl, 0, true);
    if (m_Records[i].Control == newControl) ++replaced;
  }
  return replaced;
}

void KLX_Function::KLX_FunctionSetToDefaultValues(T_Function* record) {
  if (!record) {
    KLXErrorHandler.RegisterError(kErrDefaults, QString());
    return;
  }
  Defaults(record, kl_engine_init_function);
}

int KLX_Function::KLX_FunctionDelete(int index) { return DeleteUnit(index, kErrDelete); }

void KLX_Function::KLX_FunctionClearAll() {
  for (int i = 0; i < KL_MAX_FUNCTIONS; ++i) KLX_FunctionDelete(i);
}

int KLX_Function::KLX_FunctionDeleteSetup(int index, int fm) {
  const KLX_ModelLock lock;
  if (!KLX_BaseClassDatabaseCheckBorderIndex(Border(), &index, &fm)) {
    KLXErrorHandler.RegisterError(kErrDeleteSetup, QString());
    return KLX_Error;
  }
  // The engine's reset walks only the board's flight modes; one beyond them
  // (read from a file of the larger board, then moved) takes what a new
  // record holds there.
  T_Function fresh;
  Defaults(&fresh, m_Init);
  m_Records[index].Setup[fm] = fresh.Setup[fm];
  return KLX_Ok;
}

int KLX_Function::KLX_FunctionCopySingleSetupUnit(int index, int fromFm, int toFm) {
  const KLX_ModelLock lock;
  if (!KLX_BaseClassDatabaseCheckBorderIndex(Border(), &index, &fromFm)) {
    KLXErrorHandler.RegisterError(kErrCopySetup, QString());
    return KLX_Error;
  }
  if (toFm < 0 || toFm >= KL_MAX_FLIGHTMODES) return KLX_Error;
  m_Records[index].Setup[toFm] = m_Records[index].Setup[fromFm];
  return KLX_Ok;
}

int KLX_Function::KLX_FunctionSet_FunctionUnit(int index, const T_Function* record) {
  CopyRecordIn(index, record);
  return KLX_Ok;
}

int KLX_Function::KLX_FunctionCopyUnit(int index, unsigned char* buffer) const {
  return CopyUnitImage(index, buffer, kErrImageBuffer, kErrImageIndex);
}

int KLX_Function::KLX_FunctionIncDec_InPercentage(int raw, signed char delta, unsigned char elementId) {
  int percent = Calc_in100percentRange(raw, true) + delta;
  KLX_BaseClassDatabaseCheckBorderAtomicElement(elementId, &percent, Border());
  return Calc_in100percentRange(percent, false);
}

int KLX_Function::IncDec(int row, int index, int fm, signed char delta) {
  const KLX_ModelLock lock;
  if (index >= BoardCount() || fm >= KLX_BoardCount(EngineCfgFlightModes)) return KLX_Error;
  const KLX_Field& f = kFields[row];
  const int before = static_cast<int>(FieldRaw(f, index, fm));
  const int after = KLX_FunctionIncDec_InPercentage(before, delta, f.clampId);
  FieldAccess(f, index, fm, Calc_in100percentRange(after, true), false, true);
  return before;
}

int KLX_Function::KLX_FunctionIncDec_Setup_FlexDiffLo(unsigned char index, unsigned char fm, signed char delta) {
  return IncDec(KLX_FunctionRow::Setup_FlexDiffLo, index, fm, delta);
}

int KLX_Function::KLX_FunctionIncDec_Setup_FlexDiffHi(unsigned char index, unsigned char fm, signed char delta) {
  return IncDec(KLX_FunctionRow::Setup_FlexDiffHi, index, fm, delta);
}

int KLX_Function::KLX_FunctionIncDec_Setup_FlexDiffCenter(unsigned char index, unsigned char fm,
                                                          signed char delta) {
  return IncDec(KLX_FunctionRow::Setup_FlexDiffCenter, index, fm, delta);
}

void KLX_Function::AfterWrite(const KLX_Field& f, int unit, int, bool transmit) {
  if (&f != &kFields[KLX_FunctionRow::ServoAssignment_ServoIdx]) return;
  // The use mask follows the slots: a slot counts while it names a servo of the board.
  const int servos = KLX_BoardCount(EngineCfgServos);
  int mask = 0;
  for (int k = 0; k < KL_SERVOS_PER_FUNCTION; ++k)
    if (m_Records[unit].Servo[k].ServoIdx < servos) mask |= 1 << k;
  KLX_FunctionGetSet_ServoUseMask(unit, mask, 0, transmit);
}
