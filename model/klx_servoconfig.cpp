#include "model/klx_servoconfig.h"

#include <cstring>

#include "frame/klx_errorhandler.h"
#include "model/engine/kl_engine.h"
#include "model/klx_switch.h"

namespace {
// Error codes of module 0x11 that have no field row.
constexpr unsigned kErrDelete = 0x21101;
constexpr unsigned kErrReverse = 0x51103;
constexpr unsigned kErrResetAmplitude = 0x51104;
constexpr unsigned kErrName = 0x51105;
constexpr unsigned kErrDefaults = 0x51111;
constexpr unsigned kErrImageBuffer = 0x11118;
constexpr unsigned kErrImageIndex = 0x51119;
// Element id of a written hundredth.
constexpr int kHundredthsElement = 20;
constexpr int kMaxPercent = 200;

void InitServoConfig(T_ServoConfig* record) { kl_engine_init_servoconfig(record); }
}  // namespace

const KLX_Field KLX_ServoConfig::kFields[KLX_ServoConfigRow::Count] = {KLX_SERVOCONFIG_FIELDS(KLX_FIELD_DESC)};

#define KLX_SERVO_POINT_DESC(W, H, FW, FH, shape, id, LOC, whole, hund, err) \
  {KLX_FieldOf(id, id, LOC, (shape) == 2 ? 1 : 0, 0, KLX_Conv::Plain, -kMaxPercent, kMaxPercent, err), whole, hund},
const KLX_ServoPoint KLX_ServoConfig::kPoints[PointCount] = {KLX_SERVOCONFIG_POINTS(KLX_SERVO_POINT_DESC)};
#undef KLX_SERVO_POINT_DESC

#define KLX_SERVOCONFIG_STORE_DEF(S, F, SS, ...) KLX_STORE_DEF_##SS(KLX_ServoConfig, KLX_ServoConfigRow, S)
KLX_SERVOCONFIG_FIELDS(KLX_SERVOCONFIG_STORE_DEF)
#undef KLX_SERVOCONFIG_STORE_DEF

#define KLX_SERVOCONFIG_POINT_DEF(W, H, ...)                                                                     \
  int KLX_ServoConfig::KLX_ServoConfigGetSet_##W(int index, int value, int get, bool transmit) {                 \
    return PointWhole(P_##W, index, 0, value, get != 0, transmit);                                               \
  }                                                                                                              \
  int KLX_ServoConfig::KLX_ServoConfigGetSet_##W(int index, int sub, int value, int get, bool transmit) {        \
    return PointWhole(P_##W, index, sub, value, get != 0, transmit);                                             \
  }                                                                                                              \
  int KLX_ServoConfig::KLX_ServoConfigGetSet_##H(int index, int value, int get, bool transmit) {                 \
    return PointHundredths(P_##W, index, 0, value, get != 0, transmit);                                          \
  }                                                                                                              \
  int KLX_ServoConfig::KLX_ServoConfigGetSet_##H(int index, int sub, int value, int get, bool transmit) {        \
    return PointHundredths(P_##W, index, sub, value, get != 0, transmit);                                        \
  }
KLX_SERVOCONFIG_POINTS(KLX_SERVOCONFIG_POINT_DEF)
#undef KLX_SERVOCONFIG_POINT_DEF

KLX_ServoConfig::KLX_ServoConfig(QObject* parent)
    : QObject(parent), KLX_RecordArray(EngineCfgServos, 70, InitServoConfig, "servo") {
  SetBounds(kFields, KLX_ServoConfigRow::Count, {KL_MAX_SERVOS, KL_MIXERS_PER_SERVO, 0, 0, 0});
  BorderData_T* border = const_cast<BorderData_T*>(Border());
  for (const KLX_ServoPoint& p : kPoints) {
    border->Max[p.field.clampId] = p.field.max;
    border->Min[p.field.clampId] = p.field.min;
  }
  border->Max[kHundredthsElement] = 100;
  border->Min[kHundredthsElement] = -100;
  KLX_ServoConfigClearAll();
}

int KLX_ServoConfig::KLX_ServoConfigInitialize(KLX_Protocol* protocol, KLX_Switch* switches) {
  if (switches) m_Switch = switches;
  return KLX_DataBaseTransmitterInitialize(protocol);
}

int16_t& KLX_ServoConfig::Whole(Point p, int index, int sub) {
  return m_Percent[index].Value[kPoints[p].wholeSlot + (kPoints[p].field.subPos ? sub : 0)];
}

int16_t& KLX_ServoConfig::Hundredths(Point p, int index, int sub) {
  return m_Percent[index].Value[kPoints[p].hundredthsSlot + (kPoints[p].field.subPos ? sub : 0)];
}

bool KLX_ServoConfig::PointIndexOk(Point p, int index, int sub) const {
  return KLX_BaseClassDatabaseCheckBorderIndex(Border(), &index, kPoints[p].field.subPos ? &sub : nullptr);
}

void KLX_ServoConfig::StoreServoValue(Point p, int index, int sub, double percent, bool transmit) {
  WriteRaw(kPoints[p].field, index, sub, CalcServoIn_200percentRangeFractional(percent, false), transmit);
}

int KLX_ServoConfig::PointWhole(Point p, int index, int sub, int value, bool get, bool transmit) {
  if (!PointIndexOk(p, index, sub)) {
    KLXErrorHandler.RegisterError(kPoints[p].field.errCode, QString());
    return Indexes_Out_Of_Range;
  }
  int16_t& whole = Whole(p, index, sub);
  int16_t& hundredths = Hundredths(p, index, sub);
  if (get) return whole;
  int clamped = value;
  KLX_BaseClassDatabaseCheckBorderAtomicElement(kPoints[p].field.clampId, &clamped, Border());
  whole = static_cast<int16_t>(clamped);
  if (clamped == kMaxPercent || (clamped == -kMaxPercent && value < -kMaxPercent)) {
    hundredths = 0;
  } else if (hundredths < 0) {
    // A negative fine part is held as the next lower whole percent.
    if (whole > -kMaxPercent) {
      hundredths = static_cast<int16_t>(hundredths + 100);
      --whole;
    } else {
      hundredths = 0;
    }
  }
  StoreServoValue(p, index, sub, whole + hundredths / 100.0, transmit);
  return whole;
}

int KLX_ServoConfig::PointHundredths(Point p, int index, int sub, int value, bool get, bool transmit) {
  if (!PointIndexOk(p, index, sub)) {
    KLXErrorHandler.RegisterError(kPoints[p].field.errCode, QString());
    return Indexes_Out_Of_Range;
  }
  int16_t& whole = Whole(p, index, sub);
  int16_t& hundredths = Hundredths(p, index, sub);
  if (get) return hundredths;
  int h = value;
  KLX_BaseClassDatabaseCheckBorderAtomicElement(kHundredthsElement, &h, Border());
  if (h == 0 || h == 100 || h == -100) {
    // A whole step: the whole-percent path recomputes and sends the field.
    hundredths = 0;
    PointWhole(p, index, sub, whole + h / 100, false, transmit);
    return hundredths;
  }
  if (h > 0) {
    hundredths = static_cast<int16_t>(whole == kMaxPercent ? 0 : h);
  } else if (whole >= -kMaxPercent + 1) {
    --whole;
    hundredths = static_cast<int16_t>(h + 100);
  } else {
    whole = -kMaxPercent;
    hundredths = 0;
  }
  StoreServoValue(p, index, sub, whole + hundredths / 100.0, transmit);
  return hundredths;
}

int KLX_ServoConfig::KLX_ServoConfigGet_CentreAbs(int index) {
  const KLX_ModelLock lock;
  if (!PointIndexOk(P_Centre, index, 0)) {
    KLXErrorHandler.RegisterError(kPoints[P_Centre].field.errCode, QString());
    return 0;
  }
  return m_Records[index].Centre;
}

int KLX_ServoConfig::KLX_ServoConfigReset_Centre(int index) { return PointWhole(P_Centre, index, 0, 0, false, true); }

int KLX_ServoConfig::KLX_ServoConfigReset_MinValue(int index) {
  return PointWhole(P_MinValue, index, 0, -150, false, true);
}

int KLX_ServoConfig::KLX_ServoConfigReset_MaxValue(int index) {
  return PointWhole(P_MaxValue, index, 0, 150, false, true);
}

int KLX_ServoConfig::KLX_ServoConfigReset_ServoMixer_FuncTravelMin(int index, int mixer) {
  return PointWhole(P_ServoMixer_FuncTravelMin, index, mixer, -50, false, true);
}

int KLX_ServoConfig::KLX_ServoConfigReset_ServoMixer_FuncTravelMax(int index, int mixer) {
  return PointWhole(P_ServoMixer_FuncTravelMax, index, mixer, 50, false, true);
}

int KLX_ServoConfig::KLX_ServoConfigResetCenterLimitAmplitude(int index) {
  if (!PointIndexOk(P_Centre, index, 0)) {
    KLXErrorHandler.RegisterError(kErrResetAmplitude, QString());
    return Indexes_Out_Of_Range;
  }
  PointWhole(P_Centre, index, 0, 0, false, true);
  PointWhole(P_MinValue, index, 0, -100, false, true);
  PointWhole(P_MaxValue, index, 0, 100, false, true);
  return KLX_Ok;
}

int KLX_ServoConfig::KLX_ServoConfigGetSet_ServoMixer_ServoCurveMarkAsUnused(int index, int mixer, bool transmit) {
  return KLX_ServoConfigGetSet_ServoMixer_ServoCurveIndex(index, mixer, 255, 0, transmit);
}

int KLX_ServoConfig::KLX_ServoMixerReverse(int index, int mixer) {
  if (!PointIndexOk(P_ServoMixer_FuncTravelMin, index, mixer)) {
    KLXErrorHandler.RegisterError(kErrReverse, QString());
    return Indexes_Out_Of_Range;
  }
  const int minimum = Whole(P_ServoMixer_FuncTravelMin, index, mixer);
  const int maximum = Whole(P_ServoMixer_FuncTravelMax, index, mixer);
  int16_t& minFine = Hundredths(P_ServoMixer_FuncTravelMin, index, mixer);
  int16_t& maxFine = Hundredths(P_ServoMixer_FuncTravelMax, index, mixer);
  minFine = static_cast<int16_t>(-minFine);
  maxFine = static_cast<int16_t>(-maxFine);
  PointWhole(P_ServoMixer_FuncTravelMin, index, mixer, -minimum, false, true);
  PointWhole(P_ServoMixer_FuncTravelMax, index, mixer, -maximum, false, true);
  return KLX_Ok;
}

int KLX_ServoConfig::KLX_ServoConfig_GetAllUsedPhyCutoffControls(QQueue<int>* controls) {
  const KLX_ModelLock lock;
  if (!controls || !m_Switch) return 0;
  int appended = 0;
  const int switches = KLX_BoardCount(EngineCfgVirtualSwitches);
  for (int i = 0; i < BoardCount(); ++i) {
    const int vs = m_Records[i].CutOffVirtSwitchId;
    if (!IsUsed(i) || vs >= switches || m_Switch->KLX_SwitchGetSet_IsUsed(vs, 0, 1, false) != 1) continue;
    for (int control : m_Switch->KLX_SwitchGet_AllPhysiscalInputsOfVSchain(vs, false)) {
      if (controls->contains(control)) continue;
      controls->enqueue(control);
      ++appended;
    }
  }
  return appended ? 1 : 0;
}

QString KLX_ServoConfig::KLX_ServoConfigGetSet_Name(int index, QString name, int get, bool) {
  return NameAccess(index, name, get != 0, kErrName);
}

void KLX_ServoConfig::KLX_ServoConfigSetToDefaultValues(T_ServoConfig* record, T_PercentPureAdds* percent) {
  if (!record) {
    KLXErrorHandler.RegisterError(kErrDefaults, QString());
    return;
  }
  int end = 0;
  int travel = 0;
  std::memset(record, 0, sizeof(*record));
  kl_engine_init_servoconfig(record, &end, &travel);
  if (!percent) return;
  std::memset(percent, 0, sizeof(*percent));
  percent->Value[kPoints[P_MinValue].wholeSlot] = static_cast<int16_t>(-end);
  percent->Value[kPoints[P_MaxValue].wholeSlot] = static_cast<int16_t>(end);
  for (int m = 0; m < KL_MIXERS_PER_SERVO; ++m) {
    percent->Value[kPoints[P_ServoMixer_FuncTravelMin].wholeSlot + m] = static_cast<int16_t>(-travel);
    percent->Value[kPoints[P_ServoMixer_FuncTravelMax].wholeSlot + m] = static_cast<int16_t>(travel);
  }
}

int KLX_ServoConfig::KLX_ServoConfigDelete(int index) {
  const KLX_ModelLock lock;
  const int result = DeleteUnit(index, kErrDelete);
  if (result == KLX_Ok) KLX_ServoConfigSetToDefaultValues(&m_Records[index], &m_Percent[index]);
  return result;
}

void KLX_ServoConfig::KLX_ServoConfigClearAll() {
  for (int i = 0; i < KL_MAX_SERVOS; ++i) KLX_ServoConfigDelete(i);
}

int KLX_ServoConfig::KLX_ServoConfigClearPuresAndAdditives(int index) {
  if (CheckUnit(index, kErrDelete) != KLX_Ok) return KLX_Error;
  std::memset(&m_Percent[index], 0, sizeof(m_Percent[index]));
  return KLX_Ok;
}

int KLX_ServoConfig::KLX_ServoConfigCopyUnit(int index, unsigned char* buffer) const {
  return CopyUnitImage(index, buffer, kErrImageBuffer, kErrImageIndex);
}
