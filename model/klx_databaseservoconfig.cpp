// The facade's servo-configuration operations: the points with 1/100 %
// resolution, resets, reversal, and adding and removing servos of functions.
#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr unsigned kErrName = 0x51105;
}  // namespace

int KLX_DataBaseManager::ServoPoint(bool hundredths, int point, int index1, int index2, int value, int dir,
                                    bool update) {
  if (!m_ServoConfig) return KLX_Error;
  const auto p = static_cast<KLX_ServoConfig::Point>(point);
  const int result = hundredths ? m_ServoConfig->PointHundredths(p, index1, index2, value, dir != 0, update)
                                : m_ServoConfig->PointWhole(p, index1, index2, value, dir != 0, update);
  if (!dir && result > KLX_Error) KLX_DataBaseManagerFunctionMarkServoConfig(index1, true);
  return result;
}

#define KLX_SERVOPOINT_DEF_1(F, fine, p)                                                                       \
  int KLX_DataBaseManager::KLX_DataBaseManagerServoConfigGetSet_##F(int index1, int value, int dir, bool update) { \
    return ServoPoint(fine, KLX_ServoConfig::p, index1, 0, value, dir, update);                                \
  }
#define KLX_SERVOPOINT_DEF_2(F, fine, p)                                                                     \
  int KLX_DataBaseManager::KLX_DataBaseManagerServoConfigGetSet_##F(int index1, int index2, int value, int dir, \
                                                                    bool update) {                           \
    return ServoPoint(fine, KLX_ServoConfig::p, index1, index2, value, dir, update);                         \
  }
#define KLX_SERVOPOINT_FACADE_DEF(W, H, FW, FH, shape, ...) \
  KLX_SERVOPOINT_DEF_##shape(FW, false, P_##W) KLX_SERVOPOINT_DEF_##shape(FH, true, P_##W)
KLX_SERVOCONFIG_POINTS(KLX_SERVOPOINT_FACADE_DEF)
#undef KLX_SERVOPOINT_FACADE_DEF

QString KLX_DataBaseManager::KLX_DataBaseManagerServoConfigGetSet_Name(int index1, QString setname, int dir, bool) {
  return ModelName(KLX_UnitKind::ServoConfig, m_ServoConfig, kErrName, index1, setname, dir);
}

int KLX_DataBaseManager::KLX_DataBaseManagerServoConfigGetNumber() {
  return m_ServoConfig ? m_ServoConfig->KLX_ServoConfigGetNumber() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerServoConfigGet_CentreAbs(int index1) {
  return m_ServoConfig ? m_ServoConfig->KLX_ServoConfigGet_CentreAbs(index1) : KLX_Error;
}

#define KLX_SERVO_RESET_DEF(name, params, args)                                     \
  int KLX_DataBaseManager::KLX_DataBaseManagerServoConfig##name params {           \
    if (!m_ServoConfig) return KLX_Error;                                          \
    const int result = m_ServoConfig->KLX_ServoConfig##name args;                  \
    if (result > KLX_Error) KLX_DataBaseManagerFunctionMarkServoConfig(index1, true); \
    return result;                                                                 \
  }
KLX_SERVO_RESET_DEF(Reset_Centre, (int index1), (index1))
KLX_SERVO_RESET_DEF(Reset_MaxValue, (int index1), (index1))
KLX_SERVO_RESET_DEF(Reset_MinValue, (int index1), (index1))
KLX_SERVO_RESET_DEF(Reset_ServoMixer_FuncTravelMin, (int index1, int index2), (index1, index2))
KLX_SERVO_RESET_DEF(Reset_ServoMixer_FuncTravelMax, (int index1, int index2), (index1, index2))
#undef KLX_SERVO_RESET_DEF

int KLX_DataBaseManager::KLX_DataBaseManagerServoConfigResetCenterLimitAmplitude(int index) {
  if (KLX_DataBaseManagerServoConfigGetSet_IsUsed(index, 0, AtomicDirGet, false) != 1) return Servo_Not_In_Use;
  const int result = m_ServoConfig->KLX_ServoConfigResetCenterLimitAmplitude(index);
  if (result > KLX_Error) KLX_DataBaseManagerFunctionMarkServoConfig(index, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerServoMixerReverse(int configindex, int funcindex) {
  if (!m_ServoConfig) return KLX_Error;
  const int result = m_ServoConfig->KLX_ServoMixerReverse(configindex, funcindex);
  if (result > KLX_Error) KLX_DataBaseManagerSetModelModifyFlag(true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerServoConfigNew(int servo, int function) {
  if (KLX_DataBaseManagerFunctionGetSet_IsUsed(function, 0, AtomicDirGet, false) != 1) return Function_Not_Existing;
  if (m_SerFuncMatrix.KLX_SerFuncMatrixServoAlreadyInFunction(function, servo, this)) return Servo_Already_In_Use;
  if (m_SerFuncMatrix.KLX_SerFuncMatrixGetFreeServoInFunction(function, this) == KLX_Error)
    return Max_Servos_PerFunc_Reached;
  if (m_SerFuncMatrix.KLX_SerFuncMatrixGetFreeServoMixerIndex(servo, this) == KLX_Error)
    return Max_ServoMixer_Servoconfig_Reached;
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerServoConfigDelete(int servo, int function, bool update) {
  return m_SerFuncMatrix.KLX_SerFuncMatrixDeleteServoConfiguration(servo, function, update, this);
}

int KLX_DataBaseManager::KLX_DataBaseManagerServoConfigClear(int index) {
  if (m_ServoConfig) m_ServoConfig->KLX_ServoConfigDelete(index);
  KLX_DataBaseManagerFunctionMarkServoConfig(index, true);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerServoConfigClear(T_ServoConfig* record) {
  if (m_ServoConfig) m_ServoConfig->KLX_ServoConfigSetToDefaultValues(record, nullptr);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerServoConfigClearAll() {
  if (m_ServoConfig) m_ServoConfig->KLX_ServoConfigClearAll();
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerServoConfigGetNextFreeIndex() {
  return m_ServoConfig ? m_ServoConfig->KLX_ServoConfigGetNextFreeIndex() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerServoConfigSet_ServoConfigUnit(int index, T_ServoConfig* record) {
  return m_ServoConfig ? m_ServoConfig->KLX_ServoConfigSet_ServoConfigUnit(index, record) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerServoConfigCopySingleUnit(int index, T_ServoConfig* record) {
  if (!m_ServoConfig) return KLX_Error;
  const int result = m_ServoConfig->KLX_ServoConfigCopySingleUnit(index, record);
  // Marked again so that changes made without a mark (the reverse) still reach the engine.
  if (result == KLX_Ok) KLX_DataBaseManagerFunctionMarkServoConfig(index, false);
  return result;
}
