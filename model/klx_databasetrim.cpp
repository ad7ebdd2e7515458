// The facade's trim operations: values in percent, flight-mode dependency,
// copies across flight modes and the feedback of a trim step.
#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"

namespace {
constexpr int kNoValue = -2048;
constexpr int kFlagBeep = 2;
constexpr int kFlagVibrate = 4;
constexpr int kStepsShownForZero = 200;

int TrimPercent(int value) {
  if (value == kNoValue || value <= KLX_Error) return value;
  return KLX_UnitCRC::KL_engine_pseudo_round(value * 100.0 / 2047.0);
}
}  // namespace

int KLX_DataBaseManager::KLX_DataBaseManagerTrimGetValue(int trim_idx, int fm) {
  return m_Trim ? TrimPercent(m_Trim->KLX_TrimGetSet_Trim_RotaryValue(trim_idx, fm, 0, AtomicDirGet)) : KLX_Error;
}

int KLX_DataBaseManager::CurrentFlightMode() const {
  if (!m_Runtime) return kl_engine_get_flightmode();
  if (m_Runtime->KLX_RuntimeDatabaseManagerIsProcessing()) return m_Runtime->KLX_RuntimeDatabaseManagerGetActualFlightMode();
  // The engine's own value, under its lock: a model load's end resets the
  // engine from the task thread while a screen asks.
  const KLX_FunctionalCalculation::StateReader lock(*m_Runtime->KLX_RuntimeDatabaseManagerEngine());
  return kl_engine_get_flightmode();
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimGetValue(int trim_control) {
  if (!m_Trim) return KLX_Error;
  const int trim = kl_engine_get_trimindex_by_control(static_cast<uint16_t>(trim_control));
  const int current = CurrentFlightMode();
  const int fm = m_Trim->KLX_Trim_IsFlightModeDependent(trim, current) ? current : 0;
  return KLX_DataBaseManagerTrimGetValue(trim, fm);
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimGetTrimValueByControlGui(int control) {
  return TrimPercent(KLX_DataBaseManagerGetValueOfControl(control));
}

int KLX_DataBaseManager::KLX_DataBaseManager_IsTrimFlightModeDependentGui(int fncindx, int fm_index) {
  return KLX_DataBaseManager_IsTrimFlightModeDependent(TrimIndexOfFunction(fncindx, true), fm_index);
}

int KLX_DataBaseManager::KLX_DataBaseManager_SetTrimFlightModeDependentGui(int fncindx, int fm_index, int value,
                                                                          bool update) {
  return KLX_DataBaseManager_SetTrimFlightModeDependent(TrimIndexOfFunction(fncindx, true), fm_index, value != 0,
                                                        update);
}

int KLX_DataBaseManager::KLX_DataBaseManager_IsTrimFlightModeDependent(int trim) {
  return m_Trim ? m_Trim->KLX_Trim_IsFlightModeDependent(trim, CurrentFlightMode()) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManager_TrimFlightModeCopyTo(int trim, int from, int to, bool transmit) {
  if (!m_Trim) return KLX_Error;
  m_Trim->KLX_Trim_SetFlightModeDependent(trim, to, m_Trim->KLX_Trim_IsFlightModeDependent(trim, from) == 1, transmit);
  const int value = m_Trim->KLX_TrimGetSet_Trim_RotaryValue(trim, from, 0, AtomicDirGet);
  if (value <= KLX_Error) return value;
  const int result = transmit ? m_Trim->KLX_TrimGetSet_Trim_RotaryValueSend(trim, to, value)
                              : m_Trim->KLX_TrimGetSet_Trim_RotaryValue(trim, to, value, AtomicDirSet);
  if (result <= KLX_Error) return result;
  KLX_DataBaseManagerMarkTrim(trim, true);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManager_SetTrimFlightModeDependent(int trim, int fm, bool dependent,
                                                                       bool transmit) {
  if (!m_Trim) return KLX_Error;
  // Flight mode 0's value is where a newly dependent flight mode starts from.
  KLX_DataBaseManager_TrimFlightModeCopyTo(trim, 0, fm, transmit);
  const int result = m_Trim->KLX_Trim_SetFlightModeDependent(trim, fm, dependent, transmit);
  if (result > KLX_Error) KLX_DataBaseManagerMarkTrim(trim, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManager_SetTrimFlightModeDependent(int trim, bool dependent, bool transmit) {
  return KLX_DataBaseManager_SetTrimFlightModeDependent(trim, CurrentFlightMode(), dependent, transmit);
}

int KLX_DataBaseManager::KLX_DataBaseManager_TrimFlightModeDel(int trim, int fm, bool transmit) {
  return KLX_DataBaseManager_SetTrimFlightModeDependent(trim, fm, false, transmit);
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimGetSetTrimValue(int trim, int fm, int value, int get, bool transmit) {
  if (!m_Trim) return KLX_Error;
  // A value written with the transmit flag reaches the transceiver controller.
  const int result = !get && transmit ? m_Trim->KLX_TrimGetSet_Trim_RotaryValueSend(trim, fm, value)
                                      : m_Trim->KLX_TrimGetSet_Trim_RotaryValue(trim, fm, value, get);
  if (!get && result > KLX_Error) KLX_DataBaseManagerMarkTrim(trim, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimGetSetTrimValueBeep(int trim, int fm, int value, int get, bool) {
  if (!m_Trim) return KLX_Error;
  const int before = m_Trim->KLX_TrimGetSet_Trim_RotaryValue(trim, fm, 0, AtomicDirGet);
  if (get || before <= KLX_Error) return before;
  const int after = m_Trim->KLX_TrimGetSet_Trim_RotaryValue(trim, fm, value, AtomicDirSet);
  if (after != before && m_ModelLoadState == 1) {
    const int flags = m_Trim->KLX_TrimGetSet_Trim_RotaryFlags(trim, 0, AtomicDirGet, false);
    if (after == 0 && (flags & kFlagVibrate)) KLX_DataBaseManagerActivateVibrationScheme(3);
    if (flags & kFlagBeep) KLX_DataBaseManagerTrimBeep(after == 0);
  }
  // The engine takes the trim again either way; the model changed only
  // when the value did (a controller reports the values it holds).
  KLX_DataBaseManagerMarkTrim(trim, after != before);
  return after;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimsSetTrimValueZeros(int fm) {
  int result = KLX_Ok;
  for (int t = 0; t < KLX_DataBaseManagerGetMaxTrim(); ++t)
    result = KLX_DataBaseManagerTrimGetSetTrimValue(t, fm, 0, AtomicDirSet);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimGetSetTrimRotaryFlags(int trim, int flags, int get, bool transmit) {
  if (!m_Trim) return KLX_Error;
  const int result = m_Trim->KLX_TrimGetSet_Trim_RotaryFlags(trim, flags, get, transmit);
  if (!get && result > KLX_Error) KLX_DataBaseManagerMarkTrim(trim, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimGetSet_SingleMask(int trim, unsigned int mask, int get) {
  if (!m_Trim) return KLX_Error;
  const int result = m_Trim->KLX_TrimGetSet_Trim_SingleMask(trim, mask, get);
  if (!get && result != KLX_Error && result != Indexes_Out_Of_Range) KLX_DataBaseManagerMarkTrim(trim, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimGetSetTrimStepsPerDelta(int trim, int steps, int get, bool transmit) {
  if (!m_Trim) return KLX_Error;
  const int result = m_Trim->KLX_TrimGetSet_Trim_StepsPerDelta(trim, steps, get, transmit);
  if (!get && result > KLX_Error) KLX_DataBaseManagerMarkTrim(trim, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimGetSetTrimStepsPerDeltaGui(int function, int steps, int get,
                                                                          bool transmit) {
  const int result =
      KLX_DataBaseManagerTrimGetSetTrimStepsPerDelta(TrimIndexOfFunction(function, true), steps, get, transmit);
  return (get && result == 0) ? kStepsShownForZero : result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimGetSetTrimRotaryFlagsGui(int function, int flags, int get,
                                                                        bool transmit) {
  return KLX_DataBaseManagerTrimGetSetTrimRotaryFlags(TrimIndexOfFunction(function, true), flags, get, transmit);
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimClear(int trim) {
  if (!m_Trim) return KLX_Error;
  const int result = m_Trim->KLX_TrimDelete(trim);
  KLX_DataBaseManagerMarkTrim(trim, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimClearAll() {
  if (m_Trim) m_Trim->KLX_TrimClearAll();
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimClear(T_TrimControlCfg* record) {
  if (m_Trim) m_Trim->KLX_TrimSetToDefaultValues(record);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimSet_TrimUnit(int trim, T_TrimControlCfg* record) {
  return m_Trim ? m_Trim->KLX_TrimSet_TrimUnit(trim, record) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTrimCopySingleUnit(int trim, T_TrimControlCfg* record) {
  if (!m_Trim) return KLX_Error;
  const int result = m_Trim->KLX_TrimCopySingleUnit(trim, record);
  // The values change with every trim step, so the engine copies the trims on every pass.
  if (result == KLX_Ok) KLX_DataBaseManagerMarkTrim(trim, false);
  return result;
}
