// The facade's function operations: names, trims across flight modes,
// flight-mode dependency with curve release and set-up copies, fail-safe
// propagation, deletion and the helpers of the element load task.
#include <QDebug>
#include <QVector>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"

namespace {
constexpr unsigned kErrFailSafeIndex = 0x20C1C;
constexpr unsigned kErrName = 0x50C06;
constexpr int kFailSafeValue = 2;

// The set-up fields of one flight mode in the order a copy reads and writes
// them; the curve follows last.
const int kSetupCopyOrder[] = {
    KLX_FunctionRow::Setup_FlexRateLo,       KLX_FunctionRow::Setup_FlexRateHi,
    KLX_FunctionRow::Setup_FlexRateCenter,   KLX_FunctionRow::Setup_FlexExpoLo,
    KLX_FunctionRow::Setup_FlexExpoHi,       KLX_FunctionRow::Setup_FlexExpoCenter,
    KLX_FunctionRow::Setup_FlexExpoNegLo,    KLX_FunctionRow::Setup_FlexExpoNegHi,
    KLX_FunctionRow::Setup_FlexExpoNegCenter, KLX_FunctionRow::Setup_FlexDiffLo,
    KLX_FunctionRow::Setup_FlexDiffHi,       KLX_FunctionRow::Setup_FlexDiffCenter,
    KLX_FunctionRow::Setup_DurationFromRight, KLX_FunctionRow::Setup_DurationFromLeft,
};

// Trim lever of a trim control id, or -1.
int TrimLever(int control) {
  const int trim = kl_engine_get_trimindex_by_control(static_cast<uint16_t>(control));
  return (trim != 0 || control == CONTROLID_RE_TRA_GUI) ? trim : -1;
}
}  // namespace

QString KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetSet_Name(int index1, QString setname, int dir, bool) {
  return ModelName(KLX_UnitKind::Function, m_Function, kErrName, index1, setname, dir);
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetNumber() {
  return m_Function ? m_Function->KLX_FunctionGetNumber() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetMaxServoPerFunction() {
  return KLX_Function::kMaxServoPerFunction;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetServoNumberForFunction(int index1) {
  return m_Function ? m_Function->KLX_FunctionGetServoNumberForFunction(index1) : KLX_Error;
}

int KLX_DataBaseManager::TrimIndexOfFunction(int function, bool anyControl) {
  const int control = KLX_DataBaseManagerFunctionGetSet_Trim_Control(function, 0, AtomicDirGet, false);
  if (control <= KLX_Error) return control;
  const int trim = TrimLever(control);
  if (trim >= 0) return trim;
  return anyControl ? 0 : Indexes_Out_Of_Range;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionGet_TrimIndex(int funcindex) {
  return TrimIndexOfFunction(funcindex, true);
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetSet_Trim_Steps(int index1, int value, int dir, bool update) {
  return KLX_DataBaseManagerTrimGetSetTrimStepsPerDeltaGui(index1, value, dir, update);
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetSet_Trim_StepsGUI(int index1, int value, int dir,
                                                                        bool update) {
  return KLX_DataBaseManagerTrimGetSetTrimStepsPerDeltaGui(index1, value, dir, update);
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetSet_Trim_Flags(int index1, int value, int dir, bool update) {
  return KLX_DataBaseManagerTrimGetSetTrimRotaryFlagsGui(index1, value, dir, update);
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetSet_GlobalTrimValues(int index1, int dir) {
  const int trim = TrimIndexOfFunction(index1, false);
  if (trim < 0 || !m_Trim) return trim < 0 ? trim : KLX_Error;
  const int value = m_Trim->KLX_TrimGetSet_Trim_RotaryValue(trim, 0, 0, AtomicDirGet);
  if (dir) return value;
  for (int fm = 1; fm < KLX_DataBaseManagerGetMaxFlightmodes(); ++fm)
    m_Trim->KLX_TrimGetSet_Trim_RotaryValueSend(trim, fm, value);
  const int control = KLX_DataBaseManagerFunctionGetSet_Trim_Control(index1, 0, AtomicDirGet, false);
  KLX_DataBaseManagerGetSet_ControlValueByControl(control, value, AtomicDirSet);
  return value;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionCopy_TrimValuesFromFM(int index1, int toFMidx, int fromFMidx) {
  const int trim = TrimIndexOfFunction(index1, false);
  if (trim < 0 || !m_Trim) return trim < 0 ? trim : KLX_Error;
  const int value = m_Trim->KLX_TrimGetSet_Trim_RotaryValue(trim, fromFMidx, 0, AtomicDirGet);
  return m_Trim->KLX_TrimGetSet_Trim_RotaryValueSend(trim, toFMidx, value);
}

// ---- Flight-mode dependency ------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManager_IsFunctionFlightModeDependent(int index, int fm_index) {
  return m_Function ? m_Function->KLX_Function_IsFlightModeDependent(index, fm_index) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManager_IsFunctionFlightModeDependent(int index) {
  return m_Function ? m_Function->KLX_Function_IsFlightModeDependent(index) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManager_IsFunctionDiffFlightModeDependent(int index, int fm_index) {
  return m_Function ? m_Function->KLX_Function_IsDiffFlightModeDependent(index, fm_index) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManager_IsFunctionDiffFlightModeDependent(int index) {
  return m_Function ? m_Function->KLX_Function_IsDiffFlightModeDependent(index) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManager_SetFunctionDiffFlightModeDependent(int index, int fm_index, int value,
                                                                               bool update) {
  return m_Function ? m_Function->KLX_Function_SetDiffFlightModeDependent(index, fm_index, value, update)
                    : KLX_Error;
}

int KLX_DataBaseManager::ReleaseCurve(int curve, bool update) {
  // Curve 0 is permanent and the curve count itself means "no curve": only
  // the curves in between are ever released.
  if (curve <= 0 || curve >= KLX_DataBaseManagerGetMaxCurves()) return KLX_Ok;
  const int result = KLX_DataBaseManagerCurveGetSet_IsUsed(curve, 0, AtomicDirSet, update);
  return result <= KLX_Error ? result : KLX_Ok;
}

int KLX_DataBaseManager::ReleaseHeldCurves(int global, const std::function<int(int)>& setupCurve,
                                           bool* released) {
  *released = false;
  // Every set-up curve is read before anything is given back: an element
  // whose curves cannot be read keeps them all and stays.
  QVector<int> held;
  if (global > KLX_Error) held.append(global);
  for (int fm = 0; fm < KLX_DataBaseManagerGetMaxFlightmodes(); ++fm) {
    const int curve = setupCurve(fm);
    if (curve == kCurveNotHeld) continue;
    if (curve <= KLX_Error) return curve;
    held.append(curve);
  }
  int result = KLX_Ok;
  for (int curve : held) {
    const int r = ReleaseCurve(curve, true);
    if (r <= KLX_Error) result = r;
  }
  *released = true;
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManager_SetFunctionFlightModeDependent(int index, int fm_index, int value,
                                                                           bool update) {
  if (fm_index == 0 || !m_Function) return KLX_Error;
  const int global = KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx(index, 0, AtomicDirGet, false);
  const int curve = KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(index, fm_index, 0, AtomicDirGet, false);
  if (curve != global) {
    const int released = ReleaseCurve(curve, update);
    if (released <= KLX_Error) return released;
  }
  if (value == 0) {
    const int copied = KLX_DataBaseManager_FunctionFlightModeCopyTo(index, 0, fm_index, update);
    if (copied <= KLX_Error) return copied;
  }
  return m_Function->KLX_Function_SetFlightModeDependent(index, fm_index, value, true);
}

int KLX_DataBaseManager::KLX_DataBaseManager_SetFunctionFlightModeDependent(int index, int value, bool update) {
  return KLX_DataBaseManager_SetFunctionFlightModeDependent(index, CurrentFlightMode(), value, update);
}

int KLX_DataBaseManager::KLX_DataBaseManager_FunctionFlightModeDel(int index, int fm, bool update) {
  return KLX_DataBaseManager_SetFunctionFlightModeDependent(index, fm, 0, update);
}

int KLX_DataBaseManager::KLX_DataBaseManager_FunctionFlightModeCopyTo(int index, int fm_from, int fm_to,
                                                                     bool update) {
  if (fm_from == fm_to) return KLX_Ok;
  if (!m_Function) return KLX_Error;
  m_Function->KLX_Function_SetFlightModeDependent(
      index, fm_to, m_Function->KLX_Function_IsFlightModeDependent(index, fm_from), true);
  m_Function->KLX_Function_SetDiffFlightModeDependent(
      index, fm_to, m_Function->KLX_Function_IsDiffFlightModeDependent(index, fm_from), true);
  if (fm_from < 0 || fm_from >= KLX_DataBaseManagerGetMaxFlightmodes()) return KLX_Error;
  const KLX_Field* rows = KLX_Function::kFields;
  int values[sizeof(kSetupCopyOrder) / sizeof(kSetupCopyOrder[0])];
  int n = 0;
  for (int row : kSetupCopyOrder) values[n++] = ModelField(KLX_UnitKind::Function, m_Function, rows[row], index,
                                                           fm_from, 0, AtomicDirGet, false);
  // Flight mode 0's curve is the function's global curve.
  const int curve = fm_from == 0
                        ? KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx(index, 0, AtomicDirGet, false)
                        : KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(index, fm_from, 0, AtomicDirGet, false);
  n = 0;
  for (int row : kSetupCopyOrder)
    ModelField(KLX_UnitKind::Function, m_Function, rows[row], index, fm_to, values[n++], AtomicDirSet, update);
  return KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(index, fm_to, curve, AtomicDirSet, update);
}

int KLX_DataBaseManager::KLX_DataBaseManager_GetFunctionFadeInDuration(int f_index, int fm_index) {
  const int fade = KLX_DataBaseManagerFlightmodeGetSet_FadeIn(fm_index, 0, AtomicDirGet, false);
  if (fade <= 0) return fade;
  for (int k = 0; k < KLX_DataBaseManagerGetMaxFunctions(); ++k)
    if (KLX_DataBaseManagerFlightmodeGetSet_NoFadeInFuncIdxs(fm_index, k, 0, AtomicDirGet, false) == f_index)
      return 0;
  return fade;
}

// ---- Fail-safe propagation ---------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionSetFailSafeConfigurationKLX(int funcindex) {
  const int functions = KLX_DataBaseManagerGetMaxFunctions();
  const int servos = KLX_DataBaseManagerGetMaxServos();
  if (funcindex < 0 || funcindex >= functions) {
    KLXErrorHandler.RegisterError(kErrFailSafeIndex, QString());
    return KLX_Error;
  }
  const int mode = KLX_DataBaseManagerFunctionGetSet_FailSafePosMode(funcindex, 0, AtomicDirGet, false);
  auto servosOf = [&](int f) {
    QList<int> list;
    for (int k = 0; k < KL_SERVOS_PER_FUNCTION; ++k) {
      const int s = KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(f, k, 0, AtomicDirGet, false);
      if (s >= 0 && s < servos) list.append(s);
    }
    return list;
  };
  // Every function that shares a servo, directly or through others, follows.
  QVector<bool> reached(functions, false);
  reached[funcindex] = true;
  QList<int> queue{funcindex};
  while (!queue.isEmpty()) {
    const QList<int> shared = servosOf(queue.takeFirst());
    for (int g = 0; g < functions; ++g) {
      if (reached[g] || KLX_DataBaseManagerFunctionGetSet_IsUsed(g, 0, AtomicDirGet, false) != 1) continue;
      for (int s : servosOf(g)) {
        if (!shared.contains(s)) continue;
        reached[g] = true;
        queue.append(g);
        break;
      }
    }
  }
  int result = KLX_Ok;
  QVector<bool> handled(servos, false);
  for (int g = 0; g < functions; ++g) {
    result = KLX_DataBaseManagerFunctionGetSet_IsUsed(g, 0, AtomicDirGet, false);
    if (result != 1 || !reached[g]) continue;
    KLX_DataBaseManagerFunctionGetSet_FailSafePosMode(g, mode, AtomicDirSet, true);
    KLX_DataBaseManagerFunctionGetSet_FailSafePosValue(g, 0, AtomicDirSet, true);
    for (int s : servosOf(g)) {
      if (handled[s]) continue;
      handled[s] = true;
      const bool hold = mode == kFailSafeValue;
      const int position = hold && m_Runtime ? m_Runtime->KLX_RuntimeDatabaseManagerGetServoData(s) : 0;
      KLX_DataBaseManagerServoConfigGetSet_FailSafePosValue(s, position, AtomicDirSet, true);
      result = KLX_DataBaseManagerServoConfigGetSet_FailSafePosMode(s, mode, AtomicDirSet, true);
    }
  }
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionSetFailSafeConfigurationREdiv() {
  const int servos = KLX_DataBaseManagerGetMaxServos();
  int result = KLX_Ok;
  for (int f = 0; f < KLX_DataBaseManagerGetMaxFunctions(); ++f) {
    result = KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, AtomicDirGet, false);
    if (result != 1) continue;
    KLX_DataBaseManagerFunctionGetSet_FailSafePosMode(f, kFailSafeValue, AtomicDirSet, true);
    KLX_DataBaseManagerFunctionGetSet_FailSafePosValue(f, 0, AtomicDirSet, true);
    for (int k = 0; k < KL_SERVOS_PER_FUNCTION; ++k) {
      const int s = KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(f, k, 0, AtomicDirGet, false);
      if (s < 0 || s >= servos) continue;
      const int position = m_Runtime ? m_Runtime->KLX_RuntimeDatabaseManagerGetServoData(s) : 0;
      KLX_DataBaseManagerServoConfigGetSet_FailSafePosValue(s, position, AtomicDirSet, true);
      result = KLX_DataBaseManagerServoConfigGetSet_FailSafePosMode(s, kFailSafeValue, AtomicDirSet, true);
    }
  }
  return result;
}

// ---- Order, clearing and whole units -------------------------------------------------

QList<int> KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetDisplayedOrder() {
  return m_Function ? m_Function->KLX_FunctionGet_DisplayedOrder() : QList<int>();
}

void KLX_DataBaseManager::KLX_DataBaseManagerFunctionSetDisplayedOrder(QList<int> order) {
  if (!m_Function) return;
  m_Function->KLX_FunctionSet_DisplayedOrder(order);
  KLX_DataBaseManagerSetModelModifyFlag(true);
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionDisplayedOrderClearAll() {
  if (m_Function) m_Function->KLX_FunctionDisplayedOrderClearAll();
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionClearAll() {
  if (m_Function) m_Function->KLX_FunctionClearAll();
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionClear(T_Function* record) {
  if (m_Function) m_Function->KLX_FunctionSetToDefaultValues(record);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionClear(int index) {
  if (!m_Function) return KLX_Error;
  const int global = KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx(index, 0, AtomicDirGet, false);
  bool released = false;
  const int result = ReleaseHeldCurves(global, [&](int fm) {
    if (fm != 0 && m_Function->KLX_Function_IsFlightModeDependent(index, fm) != 1) return kCurveNotHeld;
    return KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(index, fm, 0, AtomicDirGet, false);
  }, &released);
  if (!released) return result;
  m_Function->KLX_FunctionDelete(index);
  KLX_DataBaseManagerFunctionMarkFunction(index, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetNextFreeIndex() {
  return m_Function ? m_Function->KLX_FunctionGetNextFreeIndex() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionCopySingleUnit(int index, T_Function* record) {
  return m_Function ? m_Function->KLX_FunctionCopySingleUnit(index, record) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionSet_FunctionUnit(int index, T_Function* record) {
  if (!m_Function) return KLX_Error;
  const int result = m_Function->KLX_FunctionSet_FunctionUnit(index, record);
  if (result > KLX_Error) KLX_DataBaseManagerFunctionMarkFunction(index, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionCopyFlightmode_Setup_FromTo(int index, int from, int to) {
  if (!m_Function) return KLX_Error;
  const int result = m_Function->KLX_FunctionCopySingleSetupUnit(index, from, to);
  if (result == KLX_Ok) KLX_DataBaseManagerFunctionMarkFunction(index, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionClearFlightmode_Setup(int index, int fm) {
  if (!m_Function) return KLX_Error;
  const int result = m_Function->KLX_FunctionDeleteSetup(index, fm);
  if (result == KLX_Ok) KLX_DataBaseManagerFunctionMarkFunction(index, true);
  return result;
}

#define KLX_FUNCTION_INCDEC_DEF(point)                                                                        \
  int KLX_DataBaseManager::KLX_DataBaseManagerFunctionIncDec_Setup_##point(int index, int fm, int delta) {    \
    if (!m_Function) return KLX_Error;                                                                       \
    const int result = m_Function->KLX_FunctionIncDec_Setup_##point(                                        \
        static_cast<unsigned char>(index), static_cast<unsigned char>(fm), static_cast<signed char>(delta)); \
    if (result > KLX_Error) KLX_DataBaseManagerFunctionMarkFunction(index, true);                            \
    return result;                                                                                          \
  }
KLX_FUNCTION_INCDEC_DEF(FlexDiffLo)
KLX_FUNCTION_INCDEC_DEF(FlexDiffHi)
KLX_FUNCTION_INCDEC_DEF(FlexDiffCenter)
#undef KLX_FUNCTION_INCDEC_DEF

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionSetSetup(int index) {
  for (int fm = 0; fm < KLX_DataBaseManagerGetMaxFlightmodes(); ++fm)
    if (KLX_DataBaseManagerFlightmodeGetSet_IsUsed(fm, 0, AtomicDirGet, false) == 1)
      KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(index, fm, 0, AtomicDirSet, true);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionSetSetupAll(int fm, bool withCurve) {
  if (!m_Function) return KLX_Error;
  for (int f = 0; f < KLX_DataBaseManagerGetMaxFunctions(); ++f) {
    if (!m_Function->IsUsed(f)) continue;
    m_Function->KLX_FunctionDeleteSetup(f, fm);
    if (withCurve) KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(f, fm, 0, AtomicDirSet, true);
    KLX_DataBaseManagerFunctionMarkFunction(f, true);
  }
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManager_CurveCopyTo(int from, int to, bool update) {
  int result = KLX_Ok;
  for (int k = 0; k < KLX_DataBaseManagerGetMaxCurevPoints(); ++k) {
    result = KLX_DataBaseManagerCurveGetSet_CurveValue(from, k, 0, AtomicDirGet, false);
    if (result > KLX_Error) result = KLX_DataBaseManagerCurveGetSet_CurveValue(to, k, result, AtomicDirSet, update);
    if (result <= KLX_Error) return result;
  }
  result = KLX_DataBaseManagerCurveGetSet_IsSmoothed(from, 0, AtomicDirGet, false);
  if (result > KLX_Error) result = KLX_DataBaseManagerCurveGetSet_IsSmoothed(to, result, AtomicDirSet, update);
  if (result <= KLX_Error) return result;
  result = KLX_DataBaseManagerCurveGetSet_RealPoints(from, 0, AtomicDirGet, false);
  if (result <= KLX_Error) return result;
  return KLX_DataBaseManagerCurveGetSet_RealPoints(to, result, AtomicDirSet, update);
}
