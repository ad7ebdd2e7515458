// The facade's vario settings accessors: they forward to the vario settings,
// set the model modify flag on request and read back what is stored. Nothing
// here reaches the controllers or the engine.
#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"

namespace {
bool VarioFm(int fm) { return fm >= 0 && fm < KLX_VarioSettings::kFlightModes; }
}  // namespace

int KLX_DataBaseManager::VarioModified(bool modify, int result) {
  if (result > KLX_Error && modify) KLX_DataBaseManagerSetModelModifyFlag(true);
  return result;
}

#define KLX_VARIO_FM_DEF(name, dirType, setter, field, sign)                                                   \
  int KLX_DataBaseManager::KLX_DataBaseManagerVarioGetSet##name(int value, int fm, dirType dir, bool update) { \
    if (!m_Vario || !VarioFm(fm)) return 0;                                                                    \
    if (!dir) {                                                                                                \
      const int result = m_Vario->setter(value, static_cast<unsigned char>(fm));                               \
      if (result <= KLX_Error) return result;                                                                  \
      VarioModified(update, result);                                                                           \
    }                                                                                                          \
    return sign * m_Vario->Record(fm).field;                                                                   \
  }
KLX_VARIO_FM_FIELDS(KLX_VARIO_FM_DEF)
#undef KLX_VARIO_FM_DEF

unsigned int KLX_DataBaseManager::KLX_DataBaseManagerGetSetVarioSingleFmMask(unsigned int mask, int dir, bool modify) {
  if (!m_Vario) return 0;
  if (dir == 0) VarioModified(modify, m_Vario->KLX_VarioSetSingleFMMask(mask));
  return m_Vario->FmMask();
}

int KLX_DataBaseManager::KLX_DataBaseManager_SetVarioFlightModeDependent(int fm_index, int value, bool update) {
  if (!m_Vario) return KLX_Error;
  const int result = m_Vario->KLX_Vario_SetFlightModeDependent(fm_index, value);
  if (result <= KLX_Error) return result;
  VarioModified(update, result);
  return m_Vario->KLX_Vario_IsFlightModeDependent(fm_index);
}

int KLX_DataBaseManager::KLX_DataBaseManager_VarioFlightModeDel(int fm, bool update) {
  // A deleted flight mode has no block of its own: success, not the bit.
  const int result = KLX_DataBaseManager_SetVarioFlightModeDependent(fm, 0, update);
  return result <= KLX_Error ? result : KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManager_IsVarioFlightModeDependent(int fm_index) {
  return m_Vario ? m_Vario->KLX_Vario_IsFlightModeDependent(fm_index) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetVarioActivationControlId(int ctrl, int dir, bool update) {
  if (!m_Vario) return KLX_Error;
  if (dir == 0) {
    const int result = m_Vario->KLX_VarioSetActivationCtrlId(ctrl);
    if (result <= KLX_Error) return result;
    VarioModified(update, result);
  }
  return m_Vario->ActivationControl();
}

int KLX_DataBaseManager::KLX_DataBaseManagerSetVarioAddress(int addr, int slaveaddr, bool update) {
  if (!m_Vario) return KLX_Error;
  const int decimals = KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(addr, slaveaddr);
  const int result = m_Vario->KLX_VarioSetAddress(static_cast<short>(addr),
                                                  static_cast<unsigned char>(slaveaddr & 0xFF), decimals, update);
  return VarioModified(true, result);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetVarioAddress() { return m_Vario ? m_Vario->Address() : KLX_Error; }

int KLX_DataBaseManager::KLX_DataBaseManagerGetVarioSlaveAddress() {
  return m_Vario ? m_Vario->SlaveAddress() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerVarioSetDecimalPosition(int pos, bool modify) {
  if (!m_Vario) return KLX_Error;
  m_Vario->KLX_VarioSetDecPosition(pos);
  return VarioModified(modify, KLX_Ok);
}

int KLX_DataBaseManager::KLX_DataBaseManagerVarioGetDecimalPosition() {
  return m_Vario ? m_Vario->DecPosition() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerVarioGetUnitsSystem() {
  return m_Vario ? int(m_Vario->UnitsImperial()) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerVarioSetUnitsSystem(bool imperial, bool modify) {
  if (!m_Vario) return KLX_Error;
  return VarioModified(modify, m_Vario->KLX_VarioSetUnitsSystem(imperial));
}

int KLX_DataBaseManager::KLX_DataBaseManagerVarioUpdateMeasureFromSystemSettings() {
  const int measure = KLX_DataBaseManagerGetSet_SystemPropertiesMeasureSystem(0, AtomicDirGet);
  if (!m_Vario || (measure != 0 && measure != 1)) return KLX_Error;
  return m_Vario->KLX_VarioChangeUnitsSystemCalculate(measure == 1);
}

int KLX_DataBaseManager::KLX_DatabaseManagerGetVarioBeepParams(int value, int decimalPoint, uint16_t* onMs,
                                                               uint16_t* offMs, int flightMode) {
  // The sensor's lower 16 bits are the value, with its sign.
  if (!m_Vario) return 0;
  return m_Vario->KLX_VarioCalculateBeepParams(static_cast<short>(value & 0xFFFF),
                                               static_cast<unsigned char>(decimalPoint), onMs, offMs,
                                               static_cast<unsigned char>(flightMode));
}

int KLX_DataBaseManager::KLX_DataBaseManagerVarioSwitchUnitsSystem(bool newUnits) {
  return m_Vario ? m_Vario->KLX_VarioChangeUnitsSystemCalculate(newUnits) : KLX_Error;
}

void KLX_DataBaseManager::KLX_DataBaseManagerVarioParamsClear() {
  if (m_Vario) m_Vario->KLX_VarioSettingsSetDefaultParams();
}

void KLX_DataBaseManager::KLX_DataBaseManagerVarioInitComplete() {
  if (m_Vario) m_Vario->KLX_VarioInitComplete();
}

void KLX_DataBaseManager::KLX_DataBaseManager_VarioUpdate(int fm_index) {
  if (m_Vario && VarioFm(fm_index)) m_Vario->KLX_VarioUpdate(static_cast<unsigned char>(fm_index));
}

#define KLX_VARIO_READOUT_DEF(name, type, call) \
  type KLX_DataBaseManager::KLX_DataBaseManagerVarioGet##name() { return m_Vario ? m_Vario->call() : type(0); }
KLX_VARIO_READOUTS(KLX_VARIO_READOUT_DEF)
#undef KLX_VARIO_READOUT_DEF
