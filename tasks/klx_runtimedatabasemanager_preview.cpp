// The runtime read-outs of the set-up screens: value caches in percent, the
// engine's mixer and trim read-outs, the sampled previews of curves and of a
// function's output, the radio test and the power pass-throughs.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "frame/klx_errorhandler.h"
#include "frame/klx_system.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"
#include "link/klx_protocol.h"
#include "model/engine/kl_engine.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vorntask.h"

namespace {
constexpr unsigned kErrPowerPinLow = 0x11909;
constexpr int kFull = 2047;
// Expo factors: no expo control, and an expo of 0.
constexpr double kNoExpo = 0.9999999972222183;
constexpr double kZeroExpo = 0.999999995138877;

// A control curve's 33 points lie 128 apart from -2047.
int CurveAt(int x, const int16_t* p) {
  const int t = qBound(-kFull, x, kFull) + kFull;
  const int i = t >> 7;
  const int f = t & 127;
  return static_cast<int16_t>(f == 0 ? p[i] : p[i] + ((f * (p[i + 1] - p[i])) >> 7));
}

// A servo curve's 33 points lie 256 apart from -4096.
int ServoCurveAt(int x, const int16_t* p) {
  const int clamped = qBound(-4096, x, 4095);
  const int i = (clamped + 4096) >> 8;
  const int f = clamped & 255;
  return static_cast<int16_t>(f == 0 ? p[i] : p[i] + ((f * (p[i + 1] - p[i])) >> 8));
}

// Percent to the control scale, rounded half away from zero.
int FromPercent(int percent) { return int(std::lround(percent * double(kFull) / 100.0)); }

// The servo scale sampled at 230 points from -4094 in steps of 8190 / 230.
template <typename T>
void SampleServoCurve(const int16_t* points, T* table) {
  float x = -4094.0f;
  for (int i = 0; i < KLX_RuntimeDatabaseManager::kPreviewPoints; ++i, x += 35.608696f)
    table[i] = static_cast<T>(ServoCurveAt(static_cast<int>(x), points));
}
}  // namespace

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(int value, bool set) {
  if (set) {
    m_PwrPinAtStart = value;
    if (value <= 0) KLXErrorHandler.RegisterError(kErrPowerPinLow, QStringLiteral("Power pin is LOW!"));
  }
  return m_PwrPinAtStart;
}

int KLX_RuntimeDatabaseManager::KLX_TriValMixerValue(int get, int value, int mixer) {
  if (mixer < 0 || mixer >= kl_engine_cfg_count(EngineCfgMixers) || mixer >= KL_MAX_MIXERS) return KLX_Error;
  if (!get) m_MixerValues[mixer] = value;
  return static_cast<int>(std::lround(m_MixerValues[mixer] * 100.0 / kFull));
}

int KLX_RuntimeDatabaseManager::KLX_GetMixerFadingGainValue(int mixer) {
  if (mixer < 0 || mixer >= kl_engine_cfg_count(EngineCfgMixers)) return KLX_Error;
  const KLX_FunctionalCalculation::StateReader lock(m_Engine);
  return KLX_UnitCRC::Calc_in100percentRange(kl_engine_get_trival_mixer(mixer), true);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetTrimVal(int function, T_TrimMomentum* trim) {
  if (!trim) return KLX_Error;
  if (function < 0 || function >= kl_engine_cfg_count(EngineCfgFunctions)) {
    trim->Input = trim->Trim = 0;
    return KLX_Error;
  }
  const KLX_FunctionalCalculation::StateReader lock(m_Engine);
  const uint32_t pair = kl_engine_get_fading_trimvalue(function);
  trim->Input = static_cast<int16_t>(pair & 0xFFFF);
  trim->Trim = static_cast<int16_t>(pair >> 16);
  return KLX_Ok;
}

int KLX_RuntimeDatabaseManager::KLX_FunctionGetValue(int index, bool withDifferential) const {
  if (index < 0 || index >= kPreviewPoints) return 0;
  return withDifferential ? m_FunctionPreviewDifferential[index] : m_FunctionPreview[index];
}

int KLX_RuntimeDatabaseManager::KLX_ServoTravelCurveGetValue(int index) const {
  return index >= 0 && index < kPreviewPoints ? m_TravelPreview[index] : 0;
}

int KLX_RuntimeDatabaseManager::KLX_ServoCurveGetValue(int index) const {
  return index >= 0 && index < kPreviewPoints ? m_ServoCurvePreview[index] : 0;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGet_CurveValue(int x, const T_Curve* curve) {
  return curve ? CurveAt(x, curve->Point) : 0;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGet_ServoCurveValue(int x, const T_Curve* curve) {
  return curve ? ServoCurveAt(x, curve->Point) : 0;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGet_ControlTriValue(int x, int low, int centre, int high) {
  int value = centre;
  // Integer division truncates toward zero.
  if (x > 0) value = centre + x * (high - centre) / kFull;
  if (x < 0) value = centre + x * (centre - low) / kFull;
  return qBound(-kFull, value, kFull);
}

int KLX_RuntimeDatabaseManager::KLX_CalculateServoCurve(int function, int servo) {
  constexpr int kDone = 2;
  if (!m_Db || function < 0 || function >= kl_engine_cfg_count(EngineCfgFunctions) || servo < 0 ||
      servo >= kl_engine_cfg_count(EngineCfgServos))
    return kDone;
  for (int k = 0; k < KL_SERVOS_PER_FUNCTION; ++k) {
    if (m_Db->KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(function, k, 0, AtomicDirGet, false) != servo)
      continue;
    const int slot = m_Db->KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoMixId(function, k, 0, AtomicDirGet, false);
    if (slot < 0 || slot >= KL_MIXERS_PER_SERVO) return kDone;
    int index = m_Db->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_ServoCurveIndex(servo, slot, 0, AtomicDirGet, false);
    if (index < 0 || index >= kl_engine_cfg_count(EngineCfgCurves)) index = 0;
    if (const T_Curve* curve = m_Db->KLX_DataBaseManagerCurveGetCurvePointer(index))
      SampleServoCurve(curve->Point, m_ServoCurvePreview);
    return kDone;
  }
  return kDone;
}

int KLX_RuntimeDatabaseManager::KLX_TravelServoCurveCalc() {
  SampleServoCurve(m_Curve, m_TravelPreview);
  return 2;
}

int KLX_RuntimeDatabaseManager::PreviewTrim(int function, int x, bool fading) {
  using VT = KLX_VornTask;
  const int mode = m_Db->KLX_DataBaseManagerFunctionGetSet_Trim_Mode(function, 0, AtomicDirGet, false);
  if (mode < VT::TRIMMODE_Center_Gui || mode > VT::TRIMMODE_Offset_Gui) return 0;
  // The trim lever's value times the trim range, unshaped.
  const int lever = m_Db->KLX_DataBaseManagerGetValueOfControl(
      m_Db->KLX_DataBaseManagerFunctionGetSet_Trim_Control(function, 0, AtomicDirGet, false));
  const int range = m_Db->KLX_DataBaseManagerFunctionGetSet_Trim_Range(function, 0, AtomicDirGet, false);
  const int product = lever == KL_CV_NONE ? 0 : lever * range / 100;

  T_TrimMomentum pair{0, 0};
  if (fading && KLX_RuntimeDatabaseManagerGetTrimVal(function, &pair) != KLX_Ok) return product;
  if (fading) {
    // The engine's pair while fading: the input v and the trim w, as an
    // offset and one slope on either side of the centre.
    const double v = pair.Input;
    const double w = pair.Trim;
    double offset = 0.0, above = 0.0, below = 0.0;
    if (mode == VT::TRIMMODE_Center_Gui) {
      if (v > 0 && v < kFull) {
        above = -w / (kFull - v);
        below = -above;
        offset = kFull * below;
      } else if (v < 0 && v > -kFull) {
        below = w / (v + kFull);
        above = -below;
        offset = kFull * below;
      } else if (v == 0) {
        offset = w;
        above = w / kFull;
        below = -above;
      }
    } else if (mode == VT::TRIMMODE_Left_Gui && v < 0) {
      below = w / v;
    } else if (mode == VT::TRIMMODE_Right_Gui && v > 0) {
      above = w / v;
    } else if (mode == VT::TRIMMODE_Offset_Gui) {
      offset = w;
    }
    const double slope = x > 0 ? above : x < 0 ? below : 0.0;
    return static_cast<int>(std::trunc(offset + x * slope));
  }

  int share = product;
  switch (mode) {
    case VT::TRIMMODE_Center_Gui: share = share * (kFull - std::abs(x)) / kFull; break;
    case VT::TRIMMODE_Left_Gui: share = x < 0 ? std::abs(x) * share / kFull : 0; break;
    // Like the left trim and the fading preview: nothing on the inactive side.
    case VT::TRIMMODE_Right_Gui: share = x > 0 ? share * x / kFull : 0; break;
    default: break;
  }
  if (m_Db->KLX_DataBaseManagerFunctionGetSet_Trim_IsReverse(function, 0, AtomicDirGet, false) == 1) share = -share;
  return share;
}

int KLX_RuntimeDatabaseManager::KLX_FunctionCalcCalculate(int function, int flightmode, bool withDifferential) {
  if (!m_Db) return 1;
  constexpr int kOwnCurve = 2;
  if (function < 0 || function >= kl_engine_cfg_count(EngineCfgFunctions) || flightmode < 0 ||
      flightmode >= kl_engine_cfg_count(EngineCfgFlightModes))
    return kOwnCurve;
  // The points as a copy: the fading curve is the engine's own, blended by
  // its passes, and copied under its lock; a curve of the model under the
  // model data's guard.
  T_Curve copy;
  bool fading = false;
  {
    const KLX_FunctionalCalculation::StateReader lock(m_Engine);
    const int16_t* blended = m_Db->KLX_DataBaseManagerCurveGetFadingPtr(function);
    fading = blended != nullptr;
    if (fading) std::copy(blended, blended + KL_CURVE_POINTS, copy.Point);
  }
  if (!fading) {
    int index = m_Db->KLX_DataBaseManager_IsFunctionFlightModeDependent(function, flightmode) == 1
                    ? m_Db->KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(function, flightmode, 0, AtomicDirGet, false)
                    : m_Db->KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx(function, 0, AtomicDirGet, false);
    if (index < 0 || index >= kl_engine_cfg_count(EngineCfgCurves)) index = 0;
    if (m_Db->KLX_DataBaseManagerCurveCopySingleUnit(index, &copy) != KLX_Ok) return kOwnCurve;
  }
  const int16_t* points = copy.Point;
  const int c0 = CurveAt(0, points);

  // Rate and expo from their controls: the set-up's flexible values of the
  // flight mode (kept in the caches), or while fading what the engine keeps.
  const int rateControl = m_Db->KLX_DataBaseManagerGetValueOfControl(
      m_Db->KLX_DataBaseManagerFunctionGetSet_ControlRate(function, 0, AtomicDirGet, false));
  const int expoControl = m_Db->KLX_DataBaseManagerGetValueOfControl(
      m_Db->KLX_DataBaseManagerFunctionGetSet_ControlExpo(function, 0, AtomicDirGet, false));
  auto setup = [&](auto getter) { return FromPercent((m_Db->*getter)(function, flightmode, 0, AtomicDirGet, false)); };
  int rate = 0;
  if (rateControl != KL_CV_NONE) {
    if (fading) {
      rate = FromPercent(KLX_TriValRateValue(1, 0, function));
    } else {
      rate = KLX_RuntimeDatabaseManagerGet_ControlTriValue(
          rateControl, setup(&KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateLo),
          setup(&KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateCenter),
          setup(&KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateHi));
      m_TriValues[TriRate][function] = rate;
    }
  }
  int expo[2] = {0, 0};  // positive and negative side
  if (expoControl != KL_CV_NONE) {
    if (fading) {
      expo[0] = FromPercent(KLX_TriValExpoValue(1, 0, function, 0));
      expo[1] = FromPercent(KLX_TriValExpoValue(1, 0, function, 1));
    } else {
      expo[0] = KLX_RuntimeDatabaseManagerGet_ControlTriValue(
          expoControl, setup(&KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoLo),
          setup(&KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoCenter),
          setup(&KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoHi));
      expo[1] = KLX_RuntimeDatabaseManagerGet_ControlTriValue(
          expoControl, setup(&KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoNegLo),
          setup(&KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoNegCenter),
          setup(&KLX_DataBaseManager::KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoNegHi));
      m_TriValues[TriExpo0][function] = expo[0];
      m_TriValues[TriExpo1][function] = expo[1];
    }
  }
  const int differential = m_TriValues[TriDifferential][function];

  float input = -2047.0f;
  for (int i = 0; i < kPreviewPoints; ++i, input += 17.8f) {
    const int x = static_cast<int>(input);
    const int trim = PreviewTrim(function, x, fading);
    const int c = CurveAt(x, points);
    const int a = rateControl == KL_CV_NONE ? 0 : c * rate / kFull;
    const int b = rateControl == KL_CV_NONE ? 0 : c0 * rate / kFull;
    double k = kNoExpo;
    if (expoControl != KL_CV_NONE) {
      const int e = expo[x < 0 ? 1 : 0];
      k = e == 0 ? kZeroExpo : 1.0 - 1.75 * e / (3600000.0 - 875.0 * e);
    }
    const int out = trim + static_cast<int>(std::trunc((a - b) * std::pow(k, kFull + 1 - std::abs(x)))) + b;
    m_FunctionPreview[i] = out;
    if (!withDifferential) continue;
    const bool shortened = (out >= 1 && differential > 0) || (out < 0 && differential < 0);
    m_FunctionPreviewDifferential[i] =
        shortened ? static_cast<int>(std::trunc((1.0 - std::abs(differential / double(kFull))) * out)) : out;
  }
  return fading ? 1 : kOwnCurve;
}

int KLX_RuntimeDatabaseManager::RadioTest(int channel, int mode) {
  if (!m_Protocol) return KLX_Error;
  const char data[2] = {static_cast<char>(channel), static_cast<char>(mode)};
  return m_Protocol->KLX_ProtocolSendMessage(sizeof(data), data, KLX_MSG_RADIO_TEST, KLX_NODE_APPLICATION);
}

int KLX_RuntimeDatabaseManager::KLX_DataBaseManagerFCCBandwith(int value) {
  if (!m_Protocol) return KLX_Error;
  const char data = static_cast<char>(value);
  return m_Protocol->KLX_ProtocolSendMessage(1, &data, KLX_MSG_RADIO_TEST_BANDWIDTH, KLX_NODE_APPLICATION);
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManager_SystemStopProcessing() {
  if (m_System) m_System->KLX_SystemStopProcessing();
}
