#include "model/klx_modelchecker.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr int kNoServo = 26;
constexpr int kLastServoMixer = 7;
constexpr int kNoCurve = 255;
constexpr int kRead = AtomicDirGet;
}  // namespace

int KLX_ModelChecker::KLX_ModelCheckerInitialize(KLX_DataBaseManager* db, KLX_RuntimeDatabaseManager* runtime) {
  if (!db || !runtime) {
    KLXErrorHandler.RegisterError(0x14901, QStringLiteral("KLX_ModelCheckerInitialize() gone wrong"));
    return KLX_Error;
  }
  m_Db = db;
  m_Runtime = runtime;
  return KLX_Ok;
}

int KLX_ModelChecker::KLX_ModelCheckerCheckLoadedModel() {
  if (!m_Db || !m_Runtime) return KLX_Ok;
  KLX_ModelCheckerCheckGetAllCounts();
  const int result = KLX_ModelCheckerCheckFunctionAndServoConfig();
  return result == KLX_Ok ? KLX_ModelCheckerCheckFlightmode() : result;
}

int KLX_ModelChecker::Finding(unsigned code, const char* text) {
  KLXErrorHandler.RegisterError(code, QString::fromLatin1(text));
  return KLX_Error;
}

int KLX_ModelChecker::SetupsWithCurve(bool mixer, int index) {
  int n = 0;
  for (int fm = 0; fm < m_Db->KLX_DataBaseManagerGetMaxFlightmodes(); ++fm) {
    const int curve = mixer ? m_Db->KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(index, fm, 0, kRead, false)
                            : m_Db->KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(index, fm, 0, kRead, false);
    if (curve != kNoCurve) ++n;
  }
  return n;
}

void KLX_ModelChecker::KLX_ModelCheckerCheckGetAllCounts() {
  m_UsedFunctions = 0;
  m_UsedFlightmodes = 0;
  for (int i = 0; i < kMaxUnits; ++i) m_FunctionSetups[i] = m_MixerSetups[i] = 0;
  for (int f = 0; f < m_Db->KLX_DataBaseManagerGetMaxFunctions() && f < kMaxUnits; ++f) {
    if (m_Db->KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, kRead, false) != 1) continue;
    ++m_UsedFunctions;
    m_FunctionSetups[f] = SetupsWithCurve(false, f);
  }
  for (int j = 0; j < m_Db->KLX_DataBaseManagerGetMaxMixer() && j < kMaxUnits; ++j)
    if (m_Db->KLX_DataBaseManagerMixerGetSet_IsUsed(j, 0, kRead, false) == 1) m_MixerSetups[j] = SetupsWithCurve(true, j);
  for (int fm = 0; fm < m_Db->KLX_DataBaseManagerGetMaxFlightmodes(); ++fm)
    if (m_Db->KLX_DataBaseManagerFlightmodeGetSet_IsUsed(fm, 0, kRead, false) == 1) ++m_UsedFlightmodes;
}

int KLX_ModelChecker::KLX_ModelCheckerCheckFunctionAndServoConfig() {
  for (int f = 0; f < m_Db->KLX_DataBaseManagerGetMaxFunctions(); ++f) {
    if (m_Db->KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, kRead, false) != 1) continue;
    for (int k = 0; k < KL_SERVOS_PER_FUNCTION; ++k) {
      const int servo = m_Db->KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(f, k, 0, kRead, false);
      const int mixer = m_Db->KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoMixId(f, k, 0, kRead, false);
      if (servo == kNoServo) continue;
      if (servo > kNoServo || mixer > kLastServoMixer)
        return Finding(0x14902, "model data not consistent, servoindex or servomixer index wrong");
      if (m_Db->KLX_DataBaseManagerServoConfigGetSet_IsUsed(servo, 0, kRead, false) != 1)
        return Finding(0x14903, "model data not consistent, servoindex not used");
      if (m_Db->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelFuncIndex(servo, mixer, 0, kRead, false) != f)
        return Finding(0x14904, "model data not consistent, function index not correct");
    }
  }
  return KLX_Ok;
}

int KLX_ModelChecker::KLX_ModelCheckerCheckFlightmode() {
  for (int fm = 0; fm < m_Db->KLX_DataBaseManagerGetMaxFlightmodes(); ++fm) {
    if (m_Db->KLX_DataBaseManagerFlightmodeGetSet_IsUsed(fm, 0, kRead, false) != 1) continue;
    if (m_Db->KLX_DataBaseManagerFlightmodeGetSet_FunctionNum(fm, 0, kRead, false) != m_UsedFunctions)
      return Finding(0x14905, "model data not consistent, count of functions not correct in flightmode");
  }
  for (int f = 0; f < m_Db->KLX_DataBaseManagerGetMaxFunctions() && f < kMaxUnits; ++f)
    if (m_Db->KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, kRead, false) == 1 &&
        m_FunctionSetups[f] != m_UsedFlightmodes)
      return Finding(0x14906, "model data not consistent, count of setup in functions not correct");
  for (int j = 0; j < m_Db->KLX_DataBaseManagerGetMaxMixer() && j < kMaxUnits; ++j)
    if (m_Db->KLX_DataBaseManagerMixerGetSet_IsUsed(j, 0, kRead, false) == 1 && m_MixerSetups[j] != m_UsedFlightmodes)
      return Finding(0x14907, "model data not consistent, count of setup in mixers not correct");
  return KLX_Ok;
}
