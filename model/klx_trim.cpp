#include "model/klx_trim.h"

#include <QtGlobal>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"

namespace {
constexpr unsigned kErrDefaults = 0x53F03;
constexpr unsigned kErrDependent = 0x50E13;
constexpr unsigned kErrImageBuffer = 0x13F0A;
constexpr unsigned kErrImageIndex = 0x53F0B;
constexpr unsigned kErrDelete = 0x23F0C;
}  // namespace

const KLX_Field KLX_Trim::kFields[KLX_TrimRow::Count] = {KLX_TRIM_FIELDS(KLX_FIELD_DESC)};

KLX_Trim::KLX_Trim(QObject* parent) : QObject(parent), KLX_RecordArray(-1, 74, kl_engine_init_trimcontrol, nullptr) {
  SetBounds(kFields, KLX_TrimRow::Count, {kTrims, kFlightModes, 0, 0, 0});
  ResetAll();
}

int KLX_Trim::Access(int row, int t, int sub, int value, bool get, bool transmit) {
  const KLX_ModelLock lock;
  return FieldAccess(kFields[row], t, sub, value, get, transmit);
}

int KLX_Trim::KLX_TrimGetSet_Trim_StepsPerDelta(int t, int percent, int get, bool transmit) {
  return Access(KLX_TrimRow::Trim_StepsPerDelta, t, 0, percent, get != 0, transmit);
}

int KLX_Trim::KLX_TrimGetSet_Trim_RotaryFlags(int t, int flags, int get, bool transmit) {
  return Access(KLX_TrimRow::Trim_RotaryFlags, t, 0, flags, get != 0, transmit);
}

int KLX_Trim::KLX_TrimGetSet_Trim_RotaryValue(int t, int fm, int value, int get) {
  return Access(KLX_TrimRow::Trim_RotaryValue, t, fm, value, get != 0, false);
}

int KLX_Trim::KLX_TrimGetSet_Trim_RotaryValueSend(int t, int fm, int value) {
  return Access(KLX_TrimRow::Trim_RotaryValue, t, fm, value, false, true);
}

int KLX_Trim::KLX_TrimGetSet_Trim_SingleMask(int t, unsigned int mask, int get) {
  return Access(KLX_TrimRow::Trim_SingleMask, t, 0, static_cast<int>(mask), get != 0, false);
}

int KLX_Trim::KLX_Trim_IsFlightModeDependent(int t, int fm) const {
  if (t < 0 || t >= kTrims || fm < 0 || fm >= 32) return 0;
  const KLX_ModelLock lock;
  return (m_Records[t].Trim_FM_Mask >> fm) & 1u;
}

int KLX_Trim::KLX_Trim_IsFlightModeDependent(int t) const {
  return KLX_Trim_IsFlightModeDependent(t, kl_engine_get_flightmode());
}

int KLX_Trim::KLX_Trim_SetFlightModeDependent(int t, int fm, bool dependent, bool transmit) {
  if (fm == 0 && dependent) {
    qDebug("KLX_Trim_SetFlightModeDependent error: FM0 is global!");
    return KLX_Error;
  }
  if (t < 0 || t >= kTrims || fm < 0 || fm >= kFlightModes) {
    KLXErrorHandler.RegisterError(kErrDependent, QString());
    return KLX_Error;
  }
  const KLX_ModelLock lock;
  const unsigned bit = 1u << fm;
  const unsigned mask = dependent ? (m_Records[t].Trim_FM_Mask | bit) : (m_Records[t].Trim_FM_Mask & ~bit);
  FieldAccess(kFields[KLX_TrimRow::Trim_SingleMask], t, 0, static_cast<int>(mask), false, transmit);
  return KLX_Ok;
}

int KLX_Trim::KLX_TrimSet_TrimUnit(int t, const T_TrimControlCfg* record) {
  const KLX_ModelLock lock;
  return CopyRecordIn(t, record);
}

int KLX_Trim::KLX_TrimCopySingleUnit(int t, T_TrimControlCfg* out) const {
  const KLX_ModelLock lock;
  return CopyRecordOut(t, out);
}

int KLX_Trim::KLX_TrimCopyUnit(int t, unsigned char* buffer) const {
  const KLX_ModelLock lock;
  return CopyUnitImage(t, buffer, kErrImageBuffer, kErrImageIndex);
}

void KLX_Trim::KLX_TrimSetToDefaultValues(T_TrimControlCfg* record) {
  if (!record) {
    KLXErrorHandler.RegisterError(kErrDefaults, QString());
    return;
  }
  Defaults(record, kl_engine_init_trimcontrol);
}

int KLX_Trim::KLX_TrimDelete(int t) {
  const KLX_ModelLock lock;
  return DeleteUnit(t, kErrDelete);
}

void KLX_Trim::KLX_TrimClearAll() {
  const KLX_ModelLock lock;
  ResetAll();
}

unsigned int KLX_Trim::KLX_TrimCalcCRC(unsigned int crc) const {
  const KLX_ModelLock lock;
  return CalcCRC(crc, false);
}
