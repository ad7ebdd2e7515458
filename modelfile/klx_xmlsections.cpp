#include "modelfile/klx_xmlsections.h"

#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"

namespace {
using DB = KLX_DataBaseManager;
using C = KLX_XMLCheck;

// Facade accessors in the common form; a write never goes to the controller.
#define KLX_XML_ACC1(A) [](DB* d, int u, int, int v, int dir) { return d->KLX_DataBaseManager##A(u, v, dir, false); }
#define KLX_XML_ACC2(A) \
  [](DB* d, int u, int s, int v, int dir) { return d->KLX_DataBaseManager##A(u, s, v, dir, false); }
#define KLX_XML_ACCU(A)                                                                \
  [](DB* d, int u, int, int v, int dir) {                                              \
    return d->KLX_DataBaseManager##A(u, static_cast<unsigned>(v), dir, false);         \
  }
#define KLX_XML_NAME(A) \
  [](DB* d, int u, const QString& n, int dir) { return d->KLX_DataBaseManager##A(u, n, dir, false); }

KLX_XMLField F(const char* name, C check, unsigned code, const char* text, KLX_XMLAccess access) {
  return {QLatin1String(name), check, false, 0, code, text, access};
}
// Converted as an unsigned number, then checked.
KLX_XMLField U(const char* name, C check, unsigned code, const char* text, KLX_XMLAccess access) {
  return {QLatin1String(name), check, true, 0, code, text, access};
}
KLX_XMLField UpTo(const char* name, bool isUnsigned, int max, unsigned code, const char* text,
                  KLX_XMLAccess access) {
  return {QLatin1String(name), C::UpToMax, isUnsigned, max, code, text, access};
}

template <int N>
void SetFields(KLX_XMLGroup* g, const KLX_XMLField (&fields)[N]) {
  g->fields = fields;
  g->fieldCount = N;
}

KLX_XMLGroup Group(const char* element, const char* prefix, unsigned skipCode, const char* skipText) {
  KLX_XMLGroup g{};
  g.element = QLatin1String(element);
  g.prefix = QLatin1String(prefix);
  g.indexMax = -1;
  g.skipCode = skipCode;
  g.skipText = skipText;
  g.usedField = -1;
  return g;
}

void SetIndex(KLX_XMLGroup* g, bool isSigned, int max, unsigned code, const char* text) {
  g->indexSigned = isSigned;
  g->indexMax = max;
  g->indexCode = code;
  g->indexText = text;
}

// A part of a record: "Index" converted signed or unsigned up to max, and
// the report at its end tag when that index is missing or negative.
KLX_XMLGroup Part(const char* element, const char* prefix, bool isSigned, int max, unsigned code,
                  const char* text, unsigned endCode, const char* endText, unsigned skipCode,
                  const char* skipText) {
  KLX_XMLGroup g = Group(element, prefix, skipCode, skipText);
  SetIndex(&g, isSigned, max, code, text);
  g.endCode = endCode;
  g.endText = endText;
  return g;
}

bool Always(DB*, int, int) { return true; }
bool CopyAlways(DB*, int, const int*) { return true; }

// ---- Run time and silent mode ----------------------------------------------------

const KLX_XMLField kRuntimeFields[] = {
    F("Runtime", C::Any, 0x515EE, "runtime data error",
      [](DB* d, int, int, int v, int dir) { return d->KLX_DataBaseManagerRuntimeGetSet_Runtime(v, dir, false); }),
};
const KLX_XMLField kSilentModeFields[] = {
    F("SilentMode", C::Any, 0x515EE, "SilentMode data error",
      [](DB* d, int, int, int v, int dir) { return d->KLX_DataBaseManagerGetSetModelSilentMode(v, dir); }),
};
const int kZero[] = {0};

// ---- Functions ---------------------------------------------------------------------

enum FunctionField { FnFlags = 13, FnMask = 14, FnDiffMask = 15 };
const KLX_XMLField kFunctionFields[] = {
    F("IsUsed", C::Boolean, 0x21537, "function IsUsed error", KLX_XML_ACC1(FunctionGetSet_IsUsed)),
    F("Control", C::TControl, 0x21538, "function Control error", KLX_XML_ACC1(FunctionGetSet_Control)),
    F("ControlRate", C::TControl, 0x2153A, "function ControlRate error", KLX_XML_ACC1(FunctionGetSet_ControlRate)),
    F("ControlExpo", C::TControl, 0x2153B, "function ControlExpo error", KLX_XML_ACC1(FunctionGetSet_ControlExpo)),
    F("ControlDifferential", C::TControl, 0x2153C, "function ControlDifferential error",
      KLX_XML_ACC1(FunctionGetSet_ControlDifferential)),
    F("TrimDifferential", C::TControl, 0x2153C, "function TrimDifferential error",
      KLX_XML_ACC1(FunctionGetSet_TrimControlDifferential)),
    F("TrimControl", C::TControl, 0x2153D, "function TrimControl error", KLX_XML_ACC1(FunctionGetSet_Trim_Control)),
    F("TrimRange", C::Sint16, 0x2153E, "function TrimRange error", KLX_XML_ACC1(FunctionGetSet_Trim_Range)),
    F("TrimIsReverse", C::Boolean, 0x2153F, "function TrimIsReverse error",
      KLX_XML_ACC1(FunctionGetSet_Trim_IsReverse)),
    F("TrimMode", C::Uint8, 0x21540, "function TrimMode error", KLX_XML_ACC1(FunctionGetSet_Trim_Mode)),
    F("FailSafePosMode", C::Uint8, 0x21541, "function FailSafePosMode error",
      KLX_XML_ACC1(FunctionGetSet_FailSafePosMode)),
    F("FailSafePosValue", C::Sint16, 0x21542, "function FailSafePosValue error",
      KLX_XML_ACC1(FunctionGetSet_FailSafePosValue)),
    F("GlobalCurveIdx", C::TIndex, 0x21543, "function GlobalCurveIdx error",
      KLX_XML_ACC1(FunctionGetSet_GlobalCurveIdx)),
    U("FunctionFlags", C::Any, 0x21545, "function FunctionFlags error", KLX_XML_ACCU(FunctionGetSet_FunctionFlags)),
    U("Function_FM_Mask", C::Any, 0x21545, "function FM_Mask error", KLX_XML_ACCU(FunctionGetSet_FunctionSingleMask)),
    U("Function_FM_DiffMask", C::Any, 0x21545, "function FM_DiffMask error",
      KLX_XML_ACCU(FunctionGetSet_FunctionDiffSingleMask)),
};

enum SetupField { SuCurve = 0, SuExpoHi = 4, SuExpoNegHi = 7 };
const KLX_XMLField kFunctionSetupFields[] = {
    F("CurveIdx", C::TIndex, 0x21527, "function SETUP CurveIdx error", KLX_XML_ACC2(FunctionGetSet_Setup_CurveIdx)),
    F("FlexRateHi", C::Sint16, 0x21528, "function SETUP FlexRateHi error",
      KLX_XML_ACC2(FunctionGetSet_Setup_FlexRateHi)),
    F("FlexRateCenter", C::Sint16, 0x2152A, "function SETUP FlexRateCenter error",
      KLX_XML_ACC2(FunctionGetSet_Setup_FlexRateCenter)),
    F("FlexRateLo", C::Sint16, 0x2152B, "function SETUP FlexRateLo error",
      KLX_XML_ACC2(FunctionGetSet_Setup_FlexRateLo)),
    F("FlexExpoHi", C::Sint16, 0x2152C, "function SETUP Flex expo high error",
      KLX_XML_ACC2(FunctionGetSet_Setup_FlexExpoHi)),
    F("FlexExpoCenter", C::Sint16, 0x2152D, "function SETUP Flex expo center error",
      KLX_XML_ACC2(FunctionGetSet_Setup_FlexExpoCenter)),
    F("FlexExpoLo", C::Sint16, 0x2152E, "function SETUP Flex expo lo error",
      KLX_XML_ACC2(FunctionGetSet_Setup_FlexExpoLo)),
    F("FlexExpoNegHi", C::Sint16, 0x2152C, "function SETUP Flexexpo neg. high error",
      KLX_XML_ACC2(FunctionGetSet_Setup_FlexExpoNegHi)),
    F("FlexExpoNegCenter", C::Sint16, 0x2152D, "function SETUP Flex expo neg center error",
      KLX_XML_ACC2(FunctionGetSet_Setup_FlexExpoNegCenter)),
    F("FlexExpoNegLo", C::Sint16, 0x2152E, "function SETUP Flex expo neg lo error",
      KLX_XML_ACC2(FunctionGetSet_Setup_FlexExpoNegLo)),
    F("FlexDifferentialHi", C::Sint16, 0x2152F, "function SETUP FlexDiffHi error",
      KLX_XML_ACC2(FunctionGetSet_Setup_FlexDiffHi)),
    F("FlexDifferentialCenter", C::Sint16, 0x21530, "function SETUP FlexDiffCe error",
      KLX_XML_ACC2(FunctionGetSet_Setup_FlexDiffCenter)),
    F("FlexDifferentialLo", C::Sint16, 0x21531, "function SETUP FlexDiffLo error",
      KLX_XML_ACC2(FunctionGetSet_Setup_FlexDiffLo)),
    F("DurationFromLeft", C::Sint16, 0x21532, "function SETUP DurationFromLeft error",
      KLX_XML_ACC2(FunctionGetSet_Setup_DurationFromLeft)),
    F("DurationFromRight", C::Sint16, 0x21533, "function SETUP DurationFromRight error",
      KLX_XML_ACC2(FunctionGetSet_Setup_DurationFromRight)),
};
// A flight mode's own setting starts as a new function's: no curve, full
// rates (in percent, as the accessors speak), nothing else.
const int kFunctionSetupStart[] = {255, 100, 100, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

const KLX_XMLField kServoAssignmentFields[] = {
    F("Value", C::Sint16, 0x21535, "function SERVOASSIGENMENT Value error",
      KLX_XML_ACC2(FunctionGetSet_ServoAssignment_ServoIdx)),
    U("ServoMixerIdx", C::Uint16, 0x21539, "function SERVOASSIGENMENT ServoMixerIdx error",
      KLX_XML_ACC2(FunctionGetSet_ServoAssignment_ServoMixId)),
};
const int kServoAssignmentStart[] = {26, 0};

bool IsCurve(DB* d, int curve) { return curve >= 0 && curve < d->KLX_DataBaseManagerGetMaxCurves(); }
bool IsServo(DB* d, int servo) { return servo >= 0 && servo < d->KLX_DataBaseManagerGetMaxServos(); }
bool IsFunction(DB* d, int function) { return function >= 0 && function < d->KLX_DataBaseManagerGetMaxFunctions(); }
bool IsFlightMode(DB* d, int fm) { return fm >= 0 && fm < d->KLX_DataBaseManagerGetMaxFlightmodes(); }

const KLX_XMLGroup kFunctionSetup = [] {
  KLX_XMLGroup g = Part("SETUP", "function SETUP", true, 26, 0x21526, "function SETUP Index error", 0x51526,
                        "function setupindex error", 0x51525, "function setup skip error");
  SetFields(&g, kFunctionSetupFields);
  g.start = kFunctionSetupStart;
  g.writeIf = [](DB* d, int f, int fm) {
    return IsFlightMode(d, fm) && IsCurve(d, d->KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(f, fm, 0, AtomicDirGet));
  };
  g.copyIf = [](DB* d, int, const int* v) { return IsCurve(d, v[SuCurve]); };
  // Without negative expo values a setting takes the positive ones.
  g.complete = [](int* v, unsigned given) {
    for (int k = 0; k < 3; ++k)
      if (!(given & (1u << (SuExpoNegHi + k)))) v[SuExpoNegHi + k] = v[SuExpoHi + k];
  };
  return g;
}();

const KLX_XMLGroup kServoAssignment = [] {
  KLX_XMLGroup g = Part("SERVOASSIGENMENT", "function SERVOASSIGENMENT", false, 9, 0x21534,
                        "function SERVOASSIGENMENT Index error", 0x51534, "function servoassigenment index error",
                        0x51525, "function skip error");
  SetFields(&g, kServoAssignmentFields);
  g.start = kServoAssignmentStart;
  g.writeIf = [](DB* d, int f, int slot) {
    return IsServo(d, d->KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(f, slot, 0, AtomicDirGet));
  };
  g.copyIf = [](DB* d, int, const int* v) { return IsServo(d, v[0]); };
  return g;
}();

const KLX_XMLGroup* const kFunctionParts[] = {&kFunctionSetup, &kServoAssignment, nullptr};

// ---- Servo configurations ------------------------------------------------------------

const KLX_XMLField kServoFields[] = {
    F("IsUsed", C::Boolean, 0x51578, "servoconfig IsUsed error", KLX_XML_ACC1(ServoConfigGetSet_IsUsed)),
    F("Connector", C::Uint8, 0x51579, "servoconfig Connector error", KLX_XML_ACC1(ServoConfigGetSet_Connector)),
    F("Group", C::Uint8, 0x5157A, "servoconfig Group error", KLX_XML_ACC1(ServoConfigGetSet_Group)),
    F("Centre", C::Sint16, 0x5157B, "servoconfig Centre error", KLX_XML_ACC1(ServoConfigGetSet_Centre)),
    F("CenBsPtsAdd", C::Sint16, 0x5157B, "servoconfig Centre bsptsadd error",
      KLX_XML_ACC1(ServoConfigGetSet_BsPtsCentreAdd)),
    F("MinValue", C::Sint16, 0x5157C, "servoconfig MinValue error", KLX_XML_ACC1(ServoConfigGetSet_MinValue)),
    F("MinValBsPtsAdd", C::Sint16, 0x5157C, "servoconfig MinValue bsptsadd error",
      KLX_XML_ACC1(ServoConfigGetSet_BsPtsMinValueAdd)),
    F("MaxValue", C::Sint16, 0x5157D, "servoconfig MaxValue error", KLX_XML_ACC1(ServoConfigGetSet_MaxValue)),
    F("MaxValBsPtsAdd", C::Sint16, 0x5157D, "servoconfig MaxValue bsptsadd error",
      KLX_XML_ACC1(ServoConfigGetSet_BsPtsMaxValueAdd)),
    F("FrameRate", C::Uint8, 0x5157E, "servoconfig FrameRate error", KLX_XML_ACC1(ServoConfigGetSet_FrameRate)),
    F("FunctionServoType", C::Uint8, 0x51581, "servoconfig FunctionServoType error",
      KLX_XML_ACC1(ServoConfigGetSet_FunctionServoType)),
    F("FailSafePosMode", C::Uint8, 0x21586, "servoconfig FailSafePosMode error",
      KLX_XML_ACC1(ServoConfigGetSet_FailSafePosMode)),
    F("FailSafePosValue", C::Sint16, 0x21587, "servoconfig FailSafePosValue error",
      KLX_XML_ACC1(ServoConfigGetSet_FailSafePosValue)),
    F("CutOffVirtSwitchId", C::Uint8, 0x21588, "servoconfig CutOffVirtSwitchId error",
      KLX_XML_ACC1(ServoConfigGetSet_SwitchCutOffVirtSwitch)),
    F("CutOffValue", C::Sint16, 0x21589, "servoconfig CutOffValue error",
      KLX_XML_ACC1(ServoConfigGetSet_SwitchCutOffValue)),
};

enum ServoMixerField { SmFunction = 5 };
const KLX_XMLField kServoMixerFields[] = {
    UpTo("SourceType", true, 5, 0x21582, "servoconfig SERVOMIXER SourceType error",
         KLX_XML_ACC2(ServoConfigGetSet_ServoMixer_SourceType)),
    F("FuncTravelMin", C::Sint16, 0x21584, "servoconfig SERVOMIXER FuncTravelMin error",
      KLX_XML_ACC2(ServoConfigGetSet_ServoMixer_FuncTravelMin)),
    F("FuncTrvlMinBsPtsAdd", C::Sint16, 0x21584, "servoconfig SERVOMIXER FuncTravelMin bsptsadd error",
      KLX_XML_ACC2(ServoConfigGetSet_ServoMixer_BsPtsFuncTravelMinAdd)),
    F("FuncTravelMax", C::Sint16, 0x21584, "servoconfig SERVOMIXER FuncTravelMax error",
      KLX_XML_ACC2(ServoConfigGetSet_ServoMixer_FuncTravelMax)),
    F("FuncTrvlMaxBsPtsAdd", C::Sint16, 0x21584, "servoconfig SERVOMIXER FuncTravelMax bsptsadd error",
      KLX_XML_ACC2(ServoConfigGetSet_ServoMixer_BsPtsFuncTravelMaxAdd)),
    F("FuncTravelFuncIndex", C::Uint16, 0x21585, "servoconfig SERVOMIXER FuncTravelFuncIndex error",
      KLX_XML_ACC2(ServoConfigGetSet_ServoMixer_FuncTravelFuncIndex)),
    F("ServoCurveIndex", C::Uint16, 0x2158A, "servoconfig SERVOMIXER ServoCurveIndex error",
      KLX_XML_ACC2(ServoConfigGetSet_ServoMixer_ServoCurveIndex)),
};
// A new servo's slot: the function's full travel (percent of the servo
// scale), no function, no curve.
const int kServoMixerStart[] = {2, -100, 0, 100, 0, 48, 255};

const KLX_XMLGroup kServoMixer = [] {
  KLX_XMLGroup g = Part("SERVOMIXER", "servoconfig SERVOMIXER", true, 7, 0x21583,
                        "servoconfig SERVOMIXER Index error", 0x51583, "servoconfig mixerindex error", 0x51576,
                        "servoconfig skip error");
  SetFields(&g, kServoMixerFields);
  g.start = kServoMixerStart;
  g.writeIf = [](DB* d, int s, int slot) {
    return IsFunction(d, d->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelFuncIndex(s, slot, 0, AtomicDirGet));
  };
  g.copyIf = [](DB* d, int, const int* v) { return IsFunction(d, v[SmFunction]); };
  return g;
}();

const KLX_XMLGroup* const kServoParts[] = {&kServoMixer, nullptr};

// ---- Mixers ------------------------------------------------------------------------------

enum MixerField { MxFlags = 8, MxMask = 9 };
const KLX_XMLField kMixerFields[] = {
    F("IsUsed", C::Boolean, 0x51561, "mixer IsUsed error", KLX_XML_ACC1(MixerGetSet_IsUsed)),
    F("InheritForNext", C::Boolean, 0x51562, "mixer InheritForNext error", KLX_XML_ACC1(MixerGetSet_InheritForNext)),
    F("FromFuncIdx", C::TIndex, 0x51563, "mixer FromFuncIdx error", KLX_XML_ACC1(MixerGetSet_FromFuncIdx)),
    F("ToFuncIdx", C::TIndex, 0x51564, "mixer ToFuncIdx error", KLX_XML_ACC1(MixerGetSet_ToFuncIdx)),
    F("IsTrimIncluded", C::Boolean, 0x51565, "mixer IsTrimIncluded error", KLX_XML_ACC1(MixerGetSet_IsTrimIncluded)),
    F("Control", C::TControl, 0x51566, "mixer Control error", KLX_XML_ACC1(MixerGetSet_Control)),
    F("GlobalCurveIdx", C::TIndex, 0x51567, "mixer GlobalCurveIdx error", KLX_XML_ACC1(MixerGetSet_GlobalCurveIdx)),
    F("SetupUseMask", C::Uint16, 0x51568, "mixer SetupUseMask error", KLX_XML_ACC1(MixerGetSet_SetupUseMask)),
    U("MixerFlags", C::Any, 0x5156A, "mixer MixerFlags error", KLX_XML_ACCU(MixerGetSet_MixerFlags)),
    U("Mixer_FM_Mask", C::Any, 0x5156A, "mixer FM_Mask error", KLX_XML_ACCU(MixerGetSet_SingleMask)),
};

enum MixerSetupField { MsCurve = 3 };
const KLX_XMLField kMixerSetupFields[] = {
    F("GainCenter", C::Sint16, 0x5155A, "mixer SETUP GainCenter error", KLX_XML_ACC2(MixerGetSet_Setup_GainCenter)),
    F("GainHi", C::Sint16, 0x5155B, "mixer SETUP GainHi error", KLX_XML_ACC2(MixerGetSet_Setup_GainHi)),
    F("GainLo", C::Sint16, 0x5155C, "mixer SETUP GainLo error", KLX_XML_ACC2(MixerGetSet_Setup_GainLo)),
    F("CurveIdx", C::TIndex, 0x5155D, "mixer SETUP CurveIdx error", KLX_XML_ACC2(MixerGetSet_Setup_CurveIdx)),
    F("DelayUp", C::Sint16, 0x5155E, "mixer SETUP DelayUp error", KLX_XML_ACC2(MixerGetSet_Setup_DelayUp)),
    F("DelayDown", C::Sint16, 0x5155F, "mixer SETUP DelayDown error", KLX_XML_ACC2(MixerGetSet_Setup_DelayDown)),
};
// A new mixer's setting: half gain either side (percent), no curve, no delay.
const int kMixerSetupStart[] = {0, 50, -50, 255, 0, 0};

const KLX_XMLGroup kMixerSetup = [] {
  KLX_XMLGroup g = Part("SETUP", "mixer SETUP", false, 26, 0x51558, "mixer SETUP Index error", 0x51558,
                        "mixer mixersetupindex error", 0x51557, "mixer skip error");
  SetFields(&g, kMixerSetupFields);
  g.start = kMixerSetupStart;
  g.writeIf = [](DB* d, int m, int fm) {
    return IsFlightMode(d, fm) && IsCurve(d, d->KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(m, fm, 0, AtomicDirGet));
  };
  g.copyIf = [](DB* d, int, const int* v) { return IsCurve(d, v[MsCurve]); };
  return g;
}();

const KLX_XMLGroup* const kMixerParts[] = {&kMixerSetup, nullptr};

// ---- Limiters ----------------------------------------------------------------------------

const KLX_XMLField kLimiterFields[] = {
    F("IsUsed", C::Boolean, 0x51551, "limiter IsUsed error", KLX_XML_ACC1(LimiterGetSet_IsUsed)),
    F("FuncIdx", C::TIndex, 0x51552, "limiter FuncIdx error", KLX_XML_ACC1(LimiterGetSet_FuncIdx)),
    F("ControlAbove", C::TIndex, 0x51553, "limiter ControlAbove error", KLX_XML_ACC1(LimiterGetSet_ControlAbove)),
    F("ControlBelow", C::TIndex, 0x51554, "limiter ControlBelow error", KLX_XML_ACC1(LimiterGetSet_ControlBelow)),
    F("LimitMask", C::Uint16, 0x51555, "limiter LimitMask error", KLX_XML_ACC1(LimiterGetSet_LimitMask)),
};
const KLX_XMLField kAboveBelowFields[] = {
    F("AboveCenter", C::Sint16, 0x5154B, "limiter ABOVEBELOW AboveCenter error",
      KLX_XML_ACC2(LimiterGetSet_Above_Center)),
    F("AboveHi", C::Sint16, 0x5154C, "limiter ABOVEBELOW AboveHi error", KLX_XML_ACC2(LimiterGetSet_Above_Hi)),
    F("AboveLo", C::Sint16, 0x5154D, "limiter ABOVEBELOW AboveLo error", KLX_XML_ACC2(LimiterGetSet_Above_Lo)),
    F("BelowCenter", C::Sint16, 0x5154E, "limiter ABOVEBELOW BelowCenter error",
      KLX_XML_ACC2(LimiterGetSet_Below_Center)),
    F("BelowHi", C::Sint16, 0x5154F, "limiter ABOVEBELOW BelowHi error", KLX_XML_ACC2(LimiterGetSet_Below_Hi)),
    F("BelowLo", C::Sint16, 0x51550, "limiter ABOVEBELOW BelowLo error", KLX_XML_ACC2(LimiterGetSet_Below_Lo)),
};
const int kAboveBelowStart[] = {0, 2047, -2047, 0, 2047, -2047};

const KLX_XMLGroup kAboveBelow = [] {
  KLX_XMLGroup g = Part("ABOVEBELOW", "limiter ABOVEBELOW", false, 26, 0x5154A, "limiter ABOVEBELOW Index error",
                        0x5154A, "limiter abovebelowindex error", 0x51549, "limiter skip error");
  SetFields(&g, kAboveBelowFields);
  g.start = kAboveBelowStart;
  g.writeIf = [](DB* d, int, int fm) { return IsFlightMode(d, fm); };
  g.copyIf = [](DB* d, int fm, const int*) { return IsFlightMode(d, fm); };
  return g;
}();

const KLX_XMLGroup* const kLimiterParts[] = {&kAboveBelow, nullptr};

// ---- Flight modes ------------------------------------------------------------------------

const KLX_XMLField kFlightModeFields[] = {
    F("IsUsed", C::Boolean, 0x51521, "flightmode IsUsed error", KLX_XML_ACC1(FlightmodeGetSet_IsUsed)),
    F("FadeIn", C::Sint16, 0x51522, "flightmode FadeIn error", KLX_XML_ACC1(FlightmodeGetSet_FadeIn)),
    F("FunctionNum", C::Uint16, 0x51523, "flightmode FunctionNum error", KLX_XML_ACC1(FlightmodeGetSet_FunctionNum)),
};
const KLX_XMLField kNoFadeInFields[] = {
    F("Function", C::Sint16, 0x5151F, "flightmode NOFADEINFUNCTIONS Function error",
      KLX_XML_ACC2(FlightmodeGetSet_NoFadeInFuncIdxs)),
};
const int kNoFadeInStart[] = {48};

const KLX_XMLGroup kNoFadeIn = [] {
  KLX_XMLGroup g = Part("NOFADEINFUNCTIONS", "flightmode NOFADEINFUNCTIONS", false, 47, 0x5151E,
                        "flightmode NOFADEINFUNCTIONS Index error", 0x5151E, "flightmode nofasefunctions error",
                        0x5151C, "flightmode skip error");
  SetFields(&g, kNoFadeInFields);
  g.start = kNoFadeInStart;
  g.writeIf = [](DB* d, int fm, int slot) {
    return IsFunction(d, slot) && IsFunction(d, d->KLX_DataBaseManagerFlightmodeGetSet_NoFadeInFuncIdxs(fm, slot, 0, AtomicDirGet));
  };
  // The entry is kept in 16 bits: -1 stands for 65535, no function.
  g.copyIf = [](DB* d, int slot, const int* v) { return IsFunction(d, slot) && IsFunction(d, v[0] & 0xFFFF); };
  return g;
}();

const KLX_XMLGroup* const kFlightModeParts[] = {&kNoFadeIn, nullptr};

// ---- Curves ------------------------------------------------------------------------------

enum CurveField { CvUsed = 0 };
const KLX_XMLField kCurveFields[] = {
    F("IsUsed", C::Boolean, 0x21517, "curve IsUsed error", KLX_XML_ACC1(CurveGetSet_IsUsed)),
    F("IsSmoothed", C::Boolean, 0x21517, "curve IsSmoothed error", KLX_XML_ACC1(CurveGetSet_IsSmoothed)),
    U("RealPoints", C::Any, 0x21518, "curve RealPoints error", KLX_XML_ACC1(CurveGetSet_RealPoints)),
};
// A curve element is copied whole: not in use, not smoothed, all 33 points
// real unless it says otherwise.
const int kCurveStart[] = {0, 0, 33};
const KLX_XMLField kPointFields[] = {
    F("Point", C::Sint16, 0x21515, "curve Point error", KLX_XML_ACC2(CurveGetSet_CurveValue)),
};

const KLX_XMLGroup kPoint = [] {
  KLX_XMLGroup g = Part("POINT", "curve POINT", false, 32, 0x21514, "curve POINT Index error", 0x51514,
                        "curve curveindex error", 0x5151A, "curve skip error");
  SetFields(&g, kPointFields);
  g.start = kZero;
  g.writeIf = Always;
  g.copyIf = CopyAlways;
  return g;
}();

const KLX_XMLGroup* const kCurveParts[] = {&kPoint, nullptr};

// ---- Virtual switches ----------------------------------------------------------------------

const KLX_XMLField kSwitchFields[] = {
    F("IsUsed", C::Boolean, 0x515C2, "switch IsUsed error", KLX_XML_ACC1(SwitchGetSet_IsUsed)),
    F("IsVisible", C::Boolean, 0x515F6, "switch IsSingle error", KLX_XML_ACC1(SwitchGetSet_IsVisible)),
    UpTo("LogicalOperator", false, 4, 0x515C3, "switch LogicalOperator error",
         KLX_XML_ACC1(SwitchGetSet_LogicalOperator)),
};
const KLX_XMLField kSwitchDataFields[] = {
    F("Control", C::Uint16, 0x515BF, "virtualswitch SWITCHDATA Control error", KLX_XML_ACC2(SwitchGetSet_SwitchControl)),
    F("Trigger", C::Sint16, 0x515C0, "virtualswitch SWITCHDATA Value error", KLX_XML_ACC2(SwitchGetSet_SwitchTrigger)),
    F("IsInverted", C::Boolean, 0x515C0, "virtualswitch SWITCHDATA IsInverted error",
      KLX_XML_ACC2(SwitchGetSet_SwitchIsInverted)),
    F("AboveHys", C::Sint16, 0x515F7, "virtualswitch SWITCHDATA AboveHys error",
      KLX_XML_ACC2(SwitchGetSet_SwitchAboveHys)),
    F("BelowHys", C::Sint16, 0x515F8, "virtualswitch SWITCHDATA BelowHys error",
      KLX_XML_ACC2(SwitchGetSet_SwitchBelowHys)),
};
// An input given in the file starts without control, at 0 with a
// hysteresis of 30 % either side.
const int kSwitchDataStart[] = {CONTROLID_Invalid_GUI, 0, 0, 30, -30};

const KLX_XMLGroup kSwitchData = [] {
  KLX_XMLGroup g = Part("SWITCHDATA", "virtualswitch SWITCHDATA", false, 1, 0x515BE,
                        "virtualswitch SWITCHDATA Index error", 0x515BE, "switch switch index error", 0x515C1,
                        "virtualswitch SWITCHDATA skip error");
  SetFields(&g, kSwitchDataFields);
  g.start = kSwitchDataStart;
  g.writeIf = Always;
  g.copyIf = CopyAlways;
  return g;
}();

const KLX_XMLGroup* const kSwitchParts[] = {&kSwitchData, nullptr};

// ---- Special switches ----------------------------------------------------------------------

const KLX_XMLField kControlsFields[] = {
    F("Value", C::Sint16, 0x215F0, "special switch value error",
      [](DB* d, int, int s, int v, int dir) { return d->KLX_DataBaseManagerSpecialSwitchGetSet_Value(s, v, dir, false); }),
};

const KLX_XMLGroup kControls = [] {
  KLX_XMLGroup g = Part("CONTROLS", "special switch CONTROLS", false, 3, 0x215F3, "special switch Index error",
                        0x515F3, "switch controlindex error", 0x515F5, "special switch skip error");
  SetFields(&g, kControlsFields);
  g.start = kZero;
  g.writeIf = [](DB*, int, int s) { return s < KLX_SpecialSwitch::kCount; };
  g.copyIf = CopyAlways;
  return g;
}();

const KLX_XMLGroup* const kSpecialSwitchParts[] = {&kControls, nullptr};

// ---- Flight-mode assignment ----------------------------------------------------------------

const KLX_XMLField kAssignControlFields[] = {
    F("Control", C::Uint16, 0x515C7, "flightmode assign CONTROLS Control error",
      [](DB* d, int, int slot, int v, int dir) {
        return d->KLX_DataBaseManagerFlightmodeAssignGetSet_Control(slot, v, dir, false);
      }),
};
const int kNoControl[] = {CONTROLID_Invalid_GUI};
const KLX_XMLField kAssignTableFields[] = {
    F("Flightmode", C::Uint8, 0x515D0, "flightmode assign FLIGHTMODES Flightmode error",
      [](DB* d, int, int entry, int v, int dir) {
        return d->KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(entry, v, dir, false);
      }),
};

const KLX_XMLGroup kAssignControls = [] {
  KLX_XMLGroup g = Part("CONTROLS", "flightmode assign CONTROLS", false, 7, 0x515C6,
                        "flightmode assign CONTROLS Index error", 0x515C6, "switch controlindex error", 0x515C9,
                        "flightmode assign skip error");
  SetFields(&g, kAssignControlFields);
  g.start = kNoControl;
  g.writeIf = [](DB* d, int, int slot) { return slot < d->KLX_DataBaseManagerGetMaxFMControls(); };
  g.copyIf = CopyAlways;
  return g;
}();

const KLX_XMLGroup kAssignTable = [] {
  KLX_XMLGroup g = Part("FLIGHTMODES", "flightmode assign FLIGHTMODES", false, 26, 0x515C6,
                        "flightmode assign FLIGHTMODES Index error", 0x515C6, "switch FMModeLUT index error", 0x515C9,
                        "flightmode assign skip error");
  SetFields(&g, kAssignTableFields);
  g.start = kZero;
  g.writeIf = [](DB* d, int, int entry) { return IsFlightMode(d, entry); };
  g.copyIf = CopyAlways;
  return g;
}();

const KLX_XMLGroup* const kFlightModeAssignParts[] = {&kAssignControls, &kAssignTable, nullptr};

// ---- Trims ---------------------------------------------------------------------------------

enum TrimField { TrFlags = 1, TrMask = KLX_XMLSections::TrimMaskField };
const KLX_XMLField kTrimFields[] = {
    F("TrimSteps", C::Uint16, 0x215E7, "trim TrimSteps error",
      [](DB* d, int t, int, int v, int dir) { return d->KLX_DataBaseManagerTrimGetSetTrimStepsPerDelta(t, v, dir, false); }),
    F("TrimFlags", C::Uint8, 0x215E8, "trim TrimFlags error",
      [](DB* d, int t, int, int v, int dir) { return d->KLX_DataBaseManagerTrimGetSetTrimRotaryFlags(t, v, dir, false); }),
    F("Trim_FM_Mask", C::Any, 0x215E8, "trim FM_Mask error",
      [](DB* d, int t, int, int v, int dir) {
        return d->KLX_DataBaseManagerTrimGetSet_SingleMask(t, static_cast<unsigned>(v), dir);
      }),
};
// A trim element starts as a cleared trim: steps of 2 % (41 of 2047), no
// flags, no flight mode of its own.
const int kTrimStart[] = {2, 0, 0};
const KLX_XMLField kTrimValueFields[] = {
    F("TrimValue", C::Sint16, 0x215EC, "trim TRIMVALUE TrimValue error",
      [](DB* d, int t, int fm, int v, int dir) { return d->KLX_DataBaseManagerTrimGetSetTrimValue(t, fm, v, dir, false); }),
};

const KLX_XMLGroup kTrimValue = [] {
  KLX_XMLGroup g = Part("TRIMVALUE", "trim TRIMVALUE", true, 26, 0x215EA, "trim TRIMVALUE Index error", 0x515E6,
                        "trim index error", 0x515EB, "trim skip error");
  SetFields(&g, kTrimValueFields);
  // The value goes to the flight mode named before it.
  g.valuesNeedIndex = true;
  g.start = kZero;
  g.writeIf = [](DB* d, int, int fm) { return IsFlightMode(d, fm); };
  // The trim store keeps every flight mode's value on either board.
  g.copyIf = CopyAlways;
  return g;
}();

const KLX_XMLGroup* const kTrimParts[] = {&kTrimValue, nullptr};

// A field of a staged record: as the file gives it, else as the store holds it.
unsigned StagedOrStored(DB* d, const KLX_XMLStaged& st, const KLX_XMLField* fields, int field) {
  if (st.given & (1u << field)) return static_cast<unsigned>(st.values[field]);
  return static_cast<unsigned>(fields[field].access(d, st.index, 0, 0, AtomicDirGet));
}

// A flight-mode mask the file leaves out becomes flight modes 1 to 12 where
// `applies`.
void DefaultMask(DB* d, const KLX_XMLStaged& st, const KLX_XMLField* fields, int field, bool applies) {
  constexpr int kModes1To12 = 0x1FFE;
  if (!(st.given & (1u << field)) && applies) fields[field].access(d, st.index, 0, kModes1To12, AtomicDirSet);
}

// A record's "Index", "Name" and in-use field (the first of its fields).
KLX_XMLGroup Record(const char* element, const char* prefix, int indexMax, unsigned indexCode,
                    const char* indexText, unsigned skipCode, const char* skipText, int (*count)(DB*)) {
  KLX_XMLGroup g = Group(element, prefix, skipCode, skipText);
  SetIndex(&g, false, indexMax, indexCode, indexText);
  g.count = count;
  g.usedField = 0;
  return g;
}
}  // namespace

namespace KLX_XMLSections {

const KLX_XMLGroup kRuntime = [] {
  KLX_XMLGroup g = Group("RUNTIME", "runtime", 0x515EF, "runtime skip error");
  SetFields(&g, kRuntimeFields);
  g.start = kZero;
  return g;
}();

const KLX_XMLGroup kSilentMode = [] {
  KLX_XMLGroup g = Group("SILENT_MODE", "SilentMode", 0x515EF, "SilentMode skip error");
  SetFields(&g, kSilentModeFields);
  g.start = kZero;
  return g;
}();

const KLX_XMLGroup kFunction = [] {
  KLX_XMLGroup g = Record("FUNCTION", "function", 47, 0x21536, "function Index error", 0x51525, "function skip error",
                          [](DB* d) { return d->KLX_DataBaseManagerGetMaxFunctions(); });
  SetFields(&g, kFunctionFields);
  g.name = KLX_XML_NAME(FunctionGetSet_Name);
  g.parts = kFunctionParts;
  // Masks the file does not give follow the flag word: a function that is
  // not global gets flight modes 1 to 12, and so does the differential mask
  // of one with its own differential per flight mode.
  g.afterCopy = [](DB* d, const KLX_XMLStaged& st) {
    const unsigned flags = StagedOrStored(d, st, kFunctionFields, FnFlags);
    DefaultMask(d, st, kFunctionFields, FnMask, !(flags & 1u));
    DefaultMask(d, st, kFunctionFields, FnDiffMask, (flags & 8u) != 0);
  };
  return g;
}();

const KLX_XMLGroup kServoConfig = [] {
  KLX_XMLGroup g = Record("SERVOCONFIG", "servoconfig", 25, 0x51577, "servoconfig Index error", 0x51576,
                          "servoconfig skip error", [](DB* d) { return d->KLX_DataBaseManagerGetMaxServos(); });
  SetFields(&g, kServoFields);
  g.name = KLX_XML_NAME(ServoConfigGetSet_Name);
  g.parts = kServoParts;
  return g;
}();

const KLX_XMLGroup kMixer = [] {
  KLX_XMLGroup g = Record("MIXER", "mixer", 47, 0x51560, "mixer Index error", 0x51557, "mixer skip error",
                          [](DB* d) { return d->KLX_DataBaseManagerGetMaxMixer(); });
  SetFields(&g, kMixerFields);
  g.name = KLX_XML_NAME(MixerGetSet_Name);
  g.parts = kMixerParts;
  // A mixer that is not global and whose file gives no mask acts in flight
  // modes 1 to 12.
  g.afterCopy = [](DB* d, const KLX_XMLStaged& st) {
    DefaultMask(d, st, kMixerFields, MxMask, !(StagedOrStored(d, st, kMixerFields, MxFlags) & 1u));
  };
  return g;
}();

const KLX_XMLGroup kLimiter = [] {
  KLX_XMLGroup g = Record("LIMITER", "limiter", 47, 0x51550, "limiter Index error", 0x51549, "limiter skip error",
                          [](DB* d) { return d->KLX_DataBaseManagerGetMaxLimiter(); });
  SetFields(&g, kLimiterFields);
  g.name = KLX_XML_NAME(LimiterGetSet_Name);
  g.parts = kLimiterParts;
  return g;
}();

const KLX_XMLGroup kFlightMode = [] {
  KLX_XMLGroup g = Record("FLIGHTMODE", "flightmode", 26, 0x51520, "flightmode Index error", 0x5151C,
                          "flightmode skip error", [](DB* d) { return d->KLX_DataBaseManagerGetMaxFlightmodes(); });
  SetFields(&g, kFlightModeFields);
  g.name = KLX_XML_NAME(FlightmodeGetSet_Name);
  g.parts = kFlightModeParts;
  // The flight-mode store holds all of them on either board, and so many are copied.
  g.copyCount = [](DB*) { return int(KL_MAX_FLIGHTMODES); };
  return g;
}();

const KLX_XMLGroup kCurve = [] {
  KLX_XMLGroup g = Record("CURVE", "curve", 254, 0x21516, "curve Index error", 0x5151A, "curve skip error",
                          [](DB* d) { return d->KLX_DataBaseManagerGetMaxCurves(); });
  SetFields(&g, kCurveFields);
  g.start = kCurveStart;
  g.parts = kCurveParts;
  // A curve not in use can drive no servo: the servo-mixer slots that name
  // it fall back to their plain source.
  g.afterCopy = [](DB* d, const KLX_XMLStaged& st) {
    if (st.values[CvUsed] != 0) return;
    constexpr int kPlainSource = 2;
    for (int s = 0; s < d->KLX_DataBaseManagerGetMaxServos(); ++s)
      for (int k = 0; k < d->KLX_DataBaseManagerGetMaxServoConfigServoMixer(); ++k)
        if (d->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_ServoCurveIndex(s, k, 0, AtomicDirGet, false) == st.index)
          d->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_SourceType(s, k, kPlainSource, AtomicDirSet, false);
  };
  return g;
}();

const KLX_XMLGroup kSwitch = [] {
  KLX_XMLGroup g = Record("VIRTSWITCH", "switch", 127, 0x215C4, "switch Index error", 0x515C1, "switch skip error",
                          [](DB* d) { return d->KLX_DataBaseManagerGetMaxVirualSwitches(); });
  SetFields(&g, kSwitchFields);
  g.name = KLX_XML_NAME(SwitchGetSet_Name);
  g.parts = kSwitchParts;
  return g;
}();

const KLX_XMLGroup kSpecialSwitch = [] {
  KLX_XMLGroup g = Group("SWITCHCONFIGURATION", "special switch", 0x515F5, "special switch skip error");
  g.parts = kSpecialSwitchParts;
  return g;
}();

// Read and written by the table; copied by a transfer of its own, which
// first converts a file of the other board.
const KLX_XMLGroup kFlightModeAssign = [] {
  KLX_XMLGroup g = Group("FLIGHTMODEASSIGN", "flightmode assign", 0x515C9, "flightmode assign skip error");
  g.parts = kFlightModeAssignParts;
  return g;
}();

const KLX_XMLGroup kTrim = [] {
  KLX_XMLGroup g = Record("TRIM", "trim", 5, 0x215E6, "trim Index error", 0x515EB, "trim skip error",
                          [](DB* d) { return d->KLX_DataBaseManagerGetMaxTrim(); });
  SetFields(&g, kTrimFields);
  g.start = kTrimStart;
  g.parts = kTrimParts;
  // All six are written, used by a function or not.
  g.usedField = -1;
  // A trim with flight modes of its own (flag bit 0) whose file gives no
  // mask has its own value in the flight modes 1 to 12 in use.
  g.afterCopy = [](DB* d, const KLX_XMLStaged& st) {
    if ((st.given & (1u << TrMask)) || !(st.values[TrFlags] & 1)) return;
    unsigned mask = 0;
    for (int fm = 1; fm <= 12; ++fm)
      if (d->KLX_DataBaseManagerFlightmodeGetSet_IsUsed(fm, 0, AtomicDirGet) > 0) mask |= 1u << fm;
    d->KLX_DataBaseManagerTrimGetSet_SingleMask(st.index, mask, AtomicDirSet);
  };
  return g;
}();

const KLX_XMLGroup kReceiver = [] {
  static const KLX_XMLField fields[] = {
      F("IsUsed", C::Boolean, 0x5156E, "receiver IsUsed error", nullptr),
      U("SerialNumber", C::Any, 0x515B0, "receiver serail number error", nullptr),
      U("Typ", C::Uint16, 0x515B2, "receiver typ error", nullptr),
      U("Features", C::Uint16, 0x515B3, "receiver features error", nullptr),
      U("SwVerMajor", C::Uint8, 0x515B4, "receiver software version error", nullptr),
      U("SwVerMinor", C::Uint8, 0x515B4, "receiver software version error", nullptr),
  };
  static_assert(sizeof fields / sizeof fields[0] == RxFieldCount, "one field per staged receiver value");
  // Read by the table; written and copied by the receiver sections themselves.
  KLX_XMLGroup g = Record("RECEIVER", "receiver", 3, 0x5156D, "receiver Index error", 0x5156C, "receiver skip error",
                          nullptr);
  SetFields(&g, fields);
  return g;
}();

}  // namespace KLX_XMLSections
