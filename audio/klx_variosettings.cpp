#include "audio/klx_variosettings.h"

#include <QMutexLocker>

#include <algorithm>
#include <cmath>
#include <limits>

#include "frame/klx_databasevalues.h"
#include "model/engine/kl_engine.h"
#include "model/klx_databasemanager.h"
#include "model/klx_switch.h"

namespace {
constexpr int kDefaultStartTone = 270;
constexpr int kDefaultThldPos = 1;
constexpr int kDefaultThldNeg = -2;
constexpr int kDefaultKPos = 150;
constexpr int kDefaultKNeg = 30;
constexpr int kDefaultAddress = 61;
constexpr int kMinTone = 200;
constexpr int kMaxTone = 500;
constexpr int kMinGain = 5;
constexpr int kMaxGainMetric = 200;
constexpr float kMaxRateMetric = 3.0001f;
constexpr int kLowestTone = 50;
constexpr int kHighestTone = 1000;

// Decimal positions 1 to 3 divide by 10, 100, 1000; 0 and 4 by 1.
int Divider(int position) {
  static const int kDividers[5] = {1, 10, 100, 1000, 1};
  return (position >= 0 && position < 5) ? kDividers[position] : 1;
}

bool BadFm(int fm) { return fm < 0 || fm >= KLX_VarioSettings::kFlightModes; }

// Half up for the non-negative values, truncated toward zero below.
int32_t RoundHalfUp(double v) { return v < 0 ? static_cast<int32_t>(v) : static_cast<int32_t>(std::floor(v + 0.5)); }
// Half away from zero for negative values, truncated above.
int32_t RoundNegative(double v) { return v < 0 ? static_cast<int32_t>(std::ceil(v - 0.5)) : static_cast<int32_t>(v); }
}  // namespace

KLX_VarioSettings::KLX_VarioSettings() { KLX_VarioSettingsSetDefaultParams(); }

void KLX_VarioSettings::KLX_VarioClearSettings(TVarioSettings& s) {
  KLX_VarioSettingsSetDefaultCoefficients(s);
  s.DecPosition = 1;
  s.UnitsImperial = 0;
  s.ActivationCtrl = 0;
  s.Address = kDefaultAddress;
  s.SlaveAddress = 0;
  s.FmMask = 0;
}

void KLX_VarioSettings::KLX_VarioSettingsSetDefaultCoefficients(TVarioSettings& s) {
  for (TVarioFlightMode& r : s.Fm) r = {kDefaultStartTone, kDefaultThldPos, kDefaultThldNeg, kDefaultKPos, kDefaultKNeg};
}

void KLX_VarioSettings::KLX_VarioSettingsSetDefaultParams() {
  QMutexLocker lock(&m_Mutex);
  m_InitComplete = false;
  m_Active = false;
  KLX_VarioClearSettings(m_Settings);
}

int KLX_VarioSettings::KLX_VarioInitialize(KLX_DataBaseManager* db, KLX_Switch* switches) {
  m_Db = db;
  m_Switch = switches;
  if (!db) return 0;
  return KLX_VarioChangeUnitsSystemCalculate(db->KLX_DataBaseManagerGetSet_SystemPropertiesMeasureSystem(0, AtomicDirGet) != 0);
}

void KLX_VarioSettings::KLX_VarioInitComplete() {
  QMutexLocker lock(&m_Mutex);
  if (m_InitComplete) return;
  Recalculate(m_RequestedFm);
  m_InitComplete = true;
}

void KLX_VarioSettings::KLX_VarioUpdate(unsigned char fm) {
  QMutexLocker lock(&m_Mutex);
  if (ServingRecord(fm) != m_ActiveFm) Recalculate(fm);
}

int KLX_VarioSettings::ServingRecord(int fm) const {
  return (!BadFm(fm) && (m_Settings.FmMask & (1u << fm))) ? fm : 0;
}

void KLX_VarioSettings::Recalculate(int fm) {
  const int served = ServingRecord(fm);
  const TVarioFlightMode& r = m_Settings.Fm[served];
  m_Divider = Divider(m_Settings.DecPosition);
  m_StartTone = r.StartTone;
  m_PosThreshold = float(r.ThldPos) / m_Divider;
  m_NegThreshold = float(r.ThldNeg) / m_Divider;
  m_PosGain = float(r.KPos);
  m_NegGain = float(r.KNeg);
  m_InvPosGain = r.KPos ? 1.0f / r.KPos : 0.0f;
  m_InvNegGain = r.KNeg ? 1.0f / r.KNeg : 0.0f;
  m_RateAt1000 = m_PosThreshold + (kHighestTone - m_StartTone) * m_InvPosGain;
  m_RateAt50 = m_NegThreshold + (kLowestTone - m_StartTone) * m_InvNegGain;
  m_RequestedFm = static_cast<uint8_t>(BadFm(fm) ? 0 : fm);
  m_ActiveFm = static_cast<uint8_t>(served);
}

template <typename Op>
int KLX_VarioSettings::SetParameter(unsigned char fm, Op op) {
  // Before the model is complete the working parameters wait for it.
  if (!m_InitComplete) return op();
  QMutexLocker lock(&m_Mutex);
  const int result = op();
  Recalculate(fm);
  return result;
}

int KLX_VarioSettings::ThresholdRule(int value) const {
  if (value < 0) value = 0;
  // The stored decimal position, not the working divider: that one is only
  // computed once the model is complete, and a write before would be capped
  // at 3 units whatever the decimals.
  const int divider = Divider(m_Settings.DecPosition);
  const float limit = m_Settings.UnitsImperial ? kMaxRateMetric / kFootInMetres : kMaxRateMetric;
  if (float(value) / divider > limit)
    return static_cast<int>(m_Settings.UnitsImperial ? divider * 3 / kFootInMetres : divider * 3);
  return value;
}

int KLX_VarioSettings::GainRule(int gain) const {
  const int max = m_Settings.UnitsImperial ? static_cast<int>(kMaxGainMetric / kFootInMetres) : kMaxGainMetric;
  if (gain < kMinGain) return kMinGain;
  return gain > max ? max : gain;
}

int KLX_VarioSettings::KLX_VarioSetZeroTone(int hz, unsigned char fm) {
  if (BadFm(fm)) return 0;
  return SetParameter(fm, [&] { return m_Settings.Fm[fm].StartTone = qBound(kMinTone, hz, kMaxTone); });
}

int KLX_VarioSettings::KLX_VarioSetPositiveThreshold(int value, unsigned char fm) {
  if (BadFm(fm)) return KLX_Error;
  return SetParameter(fm, [&] { return m_Settings.Fm[fm].ThldPos = ThresholdRule(value); });
}

int KLX_VarioSettings::KLX_VarioSetNegativeThreshold(int magnitude, unsigned char fm) {
  if (BadFm(fm)) return KLX_Error;
  return SetParameter(fm, [&] { return m_Settings.Fm[fm].ThldNeg = -ThresholdRule(magnitude); });
}

int KLX_VarioSettings::KLX_VarioSetPosCoeff(int gain, unsigned char fm) {
  if (BadFm(fm)) return KLX_Error;
  return SetParameter(fm, [&] { return m_Settings.Fm[fm].KPos = GainRule(gain); });
}

int KLX_VarioSettings::KLX_VarioSetNegCoeff(int gain, unsigned char fm) {
  if (BadFm(fm)) return KLX_Error;
  return SetParameter(fm, [&] { return m_Settings.Fm[fm].KNeg = GainRule(gain); });
}

void KLX_VarioSettings::KLX_VarioSetDecPosition(int position) {
  if (position < 0 || position >= 5 || position == m_Settings.DecPosition) return;
  SetParameter(m_RequestedFm, [&] { return m_Settings.DecPosition = static_cast<uint8_t>(position); });
}

int KLX_VarioSettings::KLX_VarioSetAddress(short address, unsigned char index, int decPos, bool reset) {
  // Taken as 16 bits without sign: "no sensor" (-1) is above every address.
  if (static_cast<unsigned short>(address) < 255) {
    m_Settings.Address = static_cast<uint8_t>(address);
    m_Settings.SlaveAddress = index == 255 ? 0 : index;
  } else {
    m_Settings.Address = kDefaultAddress;
    m_Settings.SlaveAddress = 0;
  }
  if (reset) {
    QMutexLocker lock(&m_Mutex);
    if (decPos >= 0 && decPos < 5) m_Settings.DecPosition = static_cast<uint8_t>(decPos);
    KLX_VarioSettingsSetDefaultCoefficients(m_Settings);
    Recalculate(m_RequestedFm);
  } else {
    KLX_VarioSetDecPosition(decPos);
  }
  return (m_Settings.SlaveAddress << 8) | m_Settings.Address;
}

int KLX_VarioSettings::KLX_VarioSetSingleFMMask(unsigned int mask) {
  SetParameter(m_RequestedFm, [&] {
    m_Settings.FmMask = mask;
    return int(KLX_Ok);
  });
  return KLX_Ok;
}

int KLX_VarioSettings::KLX_Vario_SetFlightModeDependent(int fm, int on) {
  if (fm < 1 || fm >= kFlightModes) return KLX_Error;
  SetParameter(static_cast<unsigned char>(fm), [&] {
    const uint32_t bit = 1u << fm;
    if (on == 1 && !(m_Settings.FmMask & bit)) {
      m_Settings.FmMask |= bit;
      m_Settings.Fm[fm] = m_Settings.Fm[0];
    } else if (on != 1) {
      m_Settings.FmMask &= ~bit;
    }
    return int(KLX_Ok);
  });
  return KLX_Ok;
}

int KLX_VarioSettings::KLX_Vario_IsFlightModeDependent(int fm) const {
  if (BadFm(fm)) return KLX_Error;
  return (m_Settings.FmMask >> fm) & 1u;
}

int KLX_VarioSettings::KLX_VarioSetActivationCtrlId(int id) {
  const int switches = kl_engine_cfg_count(EngineCfgVirtualSwitches);
  const int teleControls = kl_engine_cfg_count(EngineCfgTelemetryControls);
  const bool ok = id == CONTROLID_None_GUI || id == CONTROLID_FIXSWITCH_ON_GUI || id == CONTROLID_FIXSWITCH_OFF_GUI ||
                  (id >= KLX_CONTROL_VS_FIRST && id < KLX_ControlOfVirtualSwitch(switches)) ||
                  (id >= KLX_CONTROL_TELE_FIRST && id < KLX_ControlOfTelemetryControl(teleControls));
  if (!ok) return KLX_Error;
  m_Settings.ActivationCtrl = static_cast<uint16_t>(id);
  return m_Settings.ActivationCtrl;
}

int KLX_VarioSettings::KLX_VarioChangeUnitsSystemCalculate(bool imperial) {
  if (bool(m_Settings.UnitsImperial) == imperial) return 0;
  QMutexLocker lock(&m_Mutex);
  const double factor = imperial ? 1.0 / kFootInMetres : kFootInMetres;
  for (int fm = 0; fm < kFlightModes; ++fm) {
    if (fm != 0 && !(m_Settings.FmMask & (1u << fm))) continue;
    TVarioFlightMode& r = m_Settings.Fm[fm];
    r.ThldPos = RoundHalfUp(factor * r.ThldPos);
    r.KPos = RoundHalfUp(factor * r.KPos);
    r.KNeg = RoundHalfUp(factor * r.KNeg);
    r.ThldNeg = RoundNegative(factor * r.ThldNeg);
  }
  m_Settings.UnitsImperial = imperial ? 1 : 0;
  // The working parameters follow, or the tone would keep the old units'
  // thresholds and gains until some other change.
  if (m_InitComplete) Recalculate(m_RequestedFm);
  return 1;
}

bool KLX_VarioSettings::KLX_Vario_GetAllUsedPhyControls(QQueue<int>* controls) const {
  const int sw = m_Settings.ActivationCtrl - KLX_CONTROL_VS_FIRST;
  if (!controls || !m_Switch || sw < 0 || sw >= kl_engine_cfg_count(EngineCfgVirtualSwitches)) return false;
  if (m_Switch->KLX_SwitchGetSet_IsUsed(sw, 0, 1, false) != 1) return false;
  bool added = false;
  for (int control : m_Switch->KLX_SwitchGet_AllPhysiscalInputsOfVSchain(sw, false)) {
    if (controls->contains(control)) continue;
    controls->enqueue(control);
    added = true;
  }
  return added;
}

// ---- Beep parameters ----------------------------------------------------------------

bool KLX_VarioSettings::ActivationOn() const {
  const int control = m_Settings.ActivationCtrl;
  if (control == CONTROLID_FIXSWITCH_ON_GUI) return true;
  const int switches = kl_engine_cfg_count(EngineCfgVirtualSwitches);
  if (!m_Db || control < KLX_CONTROL_VS_FIRST || control >= KLX_ControlOfVirtualSwitch(switches)) return false;
  return m_Db->KLX_DataBaseManagerSwitchGet_SwitchOutputValue(
             m_Db->KLX_DataBaseManagerSwitchGet_SwitchIdByContorlID(control)) > 0;
}

int KLX_VarioSettings::KLX_VarioCalculateBeepParams(short value, unsigned char special, unsigned short* onMs,
                                                    unsigned short* offMs, unsigned char fm) {
  constexpr unsigned char kNoValue = 255;
  constexpr unsigned char kTestTone = 254;
  constexpr int kTestToneLow = 896;
  constexpr int kTestToneMs = 90;
  constexpr int kTopOnMs = 32;
  constexpr int kTopOffMs = 96;
  // A beep period of 128 cycles of the tone, a quarter of it sounding.
  constexpr unsigned kPeriodCycles = 128000;
  if (!m_InitComplete) {
    *onMs = *offMs = 0;
    return 0;
  }
  if (!ActivationOn()) {
    m_Active = false;
    *onMs = *offMs = 0;
    m_CurrentTone = Vario_Is_Off;
    m_InputValue = std::numeric_limits<float>::quiet_NaN();
    return 0;
  }
  m_Active = true;
  if (special == kNoValue) {
    *onMs = *offMs = 0;
    return 0;
  }
  if (special == kTestTone) {
    *onMs = *offMs = kTestToneMs;
    const int tone = m_TestToneHigh ? kHighestTone : kTestToneLow;
    m_TestToneHigh = !m_TestToneHigh;
    return tone;
  }
  int startTone, divider;
  float posThreshold, negThreshold, posGain, negGain, rateAt50, rateAt1000;
  {
    QMutexLocker lock(&m_Mutex);
    if (ServingRecord(fm) != m_ActiveFm) Recalculate(fm);
    startTone = m_StartTone;
    divider = m_Divider;
    posThreshold = m_PosThreshold;
    negThreshold = m_NegThreshold;
    posGain = m_PosGain;
    negGain = m_NegGain;
    rateAt50 = m_RateAt50;
    rateAt1000 = m_RateAt1000;
  }
  m_TestToneHigh = false;
  // Single precision throughout, as the working parameters are held.
  const float v = float(value) / float(divider);
  unsigned tone = 0;
  *onMs = *offMs = 0;
  if (value >= 0) {
    if (v > rateAt1000) {
      tone = kHighestTone;
      *onMs = kTopOnMs;
      *offMs = kTopOffMs;
    } else if (v >= posThreshold) {
      const float exact = float(startTone) + (v - posThreshold) * posGain;
      tone = std::min(unsigned(exact), unsigned(kHighestTone));
      const unsigned period = kPeriodCycles / tone;
      *onMs = static_cast<unsigned short>(period / 4);
      *offMs = static_cast<unsigned short>(period - period / 4);
    }
  } else if (v < rateAt50) {
    tone = kLowestTone;
  } else if (v <= negThreshold) {
    const float exact = float(startTone) - (negThreshold - v) * negGain;
    tone = exact > 0.0f ? unsigned(exact) : 0u;
    if (tone < unsigned(kLowestTone)) tone = kLowestTone;
  }
  m_CurrentTone = int(tone);
  m_InputValue = v;
  return int(tone);
}

TVarioFlightMode KLX_VarioSettings::Record(int fm) const {
  if (BadFm(fm)) return TVarioFlightMode{0, 0, 0, 0, 0};
  QMutexLocker lock(&m_Mutex);
  return m_Settings.Fm[fm];
}

unsigned int KLX_VarioSettings::FmMask() const { return m_Settings.FmMask; }
int KLX_VarioSettings::ActivationControl() const { return m_Settings.ActivationCtrl; }
int KLX_VarioSettings::Address() const { return m_Settings.Address; }
int KLX_VarioSettings::SlaveAddress() const { return m_Settings.SlaveAddress; }
int KLX_VarioSettings::DecPosition() const { return m_Settings.DecPosition; }
bool KLX_VarioSettings::UnitsImperial() const { return m_Settings.UnitsImperial != 0; }
int KLX_VarioSettings::CurrentTone() const { return m_CurrentTone; }
float KLX_VarioSettings::InputValue() const { return m_InputValue; }

float KLX_VarioSettings::PositiveThreshold() const {
  QMutexLocker lock(&m_Mutex);
  return m_PosThreshold;
}
float KLX_VarioSettings::NegativeThreshold() const {
  QMutexLocker lock(&m_Mutex);
  return m_NegThreshold;
}
float KLX_VarioSettings::MaxClimbSpeed() const {
  QMutexLocker lock(&m_Mutex);
  return m_RateAt1000;
}
float KLX_VarioSettings::MaxDescendSpeed() const {
  QMutexLocker lock(&m_Mutex);
  return m_RateAt50;
}
