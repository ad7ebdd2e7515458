#pragma once
// Every field of the element stores, described once. Each row names the
// store accessor and the facade accessor (after "GetSet_"), the shapes of
// both, the second index's bounds position, the constant third index of the
// update message, the element id that clamps a write and the one the update
// carries, the field's place in the record, its conversion, its write range
// in interface units and the error code of a bad index.
//
// Store shapes: P1 (index, value, get, transmit), P2 (index, sub, value, get,
// transmit), PU (index, unsigned value, get, transmit), PH (written by hand).
// Facade shapes: F1 (index1, value, dir, update), F2 (index1, index2, value,
// dir, update), FU as F1 with an unsigned value and not published to QML,
// FUI the same published, FH (written by hand). Published accessors have an
// overload without update that transmits.
#include "frame/klx_controlids.h"
#include "model/engine/kl_engine_types.h"
#include "model/klx_recordstore.h"

// A file row's start value when an element keeps what the model reset left
// unless the file gives a value.
constexpr int KLX_FILE_GIVEN = -2147483647 - 1;

// Single-field updates of the functions: message 64.
#define KLX_FUNCTION_FIELDS(X)                                                                       \
  X(IsUsed, IsUsed, P1, F1, 0, 0, 1, 1, KLX_AT(T_Function, IsUsed), Flag, 0, 1, 0x50C07)              \
  X(Control, Control, P1, F1, 0, 0, 2, 2, KLX_AT(T_Function, Control), Plain, 0, 65535, 0x50C08)      \
  X(ControlRate, ControlRate, P1, F1, 0, 0, 3, 3, KLX_AT(T_Function, ControlRate), Plain, 0, 65535,   \
    0x50C09)                                                                                          \
  X(ControlExpo, ControlExpo, P1, F1, 0, 0, 4, 4, KLX_AT(T_Function, ControlExpo), Plain, 0, 65535,   \
    0x50C0A)                                                                                          \
  X(ControlDifferential, ControlDifferential, P1, F1, 0, 0, 5, 5,                                     \
    KLX_AT(T_Function, ControlDifferential), Plain, 0, 65535, 0x50C0B)                                \
  X(TrmCtrlDifferential, TrimControlDifferential, P1, F1, 0, 0, 6, 28,                                \
    KLX_AT(T_Function, TrimDifferential), TrimControl, 0, 65535, 0x50C0C)                             \
  X(Trim_Control, Trim_Control, P1, F1, 0, 0, 6, 6, KLX_AT(T_Function, TrimControl), TrimControl, 0,  \
    65535, 0x50C0C)                                                                                   \
  X(Trim_Range, Trim_Range, P1, F1, 0, 0, 7, 7, KLX_AT(T_Function, TrimRange), AbsPercent, 0, 100,    \
    0x50C0D)                                                                                          \
  X(Trim_IsReverse, Trim_IsReverse, P1, F1, 0, 0, 8, 8, KLX_AT(T_Function, TrimIsReverse), Flag, 0,   \
    1, 0x50C0E)                                                                                       \
  X(Trim_Mode, Trim_Mode, P1, F1, 0, 0, 9, 9, KLX_AT(T_Function, TrimMode), Plain, 1, 255, 0x50C0F)   \
  X(FailSafePosMode, FailSafePosMode, P1, F1, 0, 0, 10, 10, KLX_AT(T_Function, FailSafePosMode),      \
    Plain, 0, 2, 0x50C10)                                                                             \
  X(FailSafePosValue, FailSafePosValue, P1, F1, 0, 0, 11, 11, KLX_AT(T_Function, FailSafePosValue),   \
    Plain, -2047, 2047, 0x50C22)                                                                      \
  X(GlobalCurveIdx, GlobalCurveIdx, P1, F1, 0, 0, 12, 12, KLX_AT(T_Function, GlobalCurveIdx), Plain,  \
    0, 255, 0x50C11)                                                                                  \
  X(Setup_CurveIdx, Setup_CurveIdx, P2, F2, 1, 0, 13, 13, KLX_AT_IN(T_Function, Setup, CurveIdx),     \
    Plain, 0, 255, 0x50C12)                                                                           \
  X(Setup_FlexRateHi, Setup_FlexRateHi, P2, F2, 1, 0, 15, 15,                                         \
    KLX_AT_IN(T_Function, Setup, FlexRateHi), Percent, -100, 100, 0x50C14)                            \
  X(Setup_FlexRateCenter, Setup_FlexRateCenter, P2, F2, 1, 0, 14, 14,                                 \
    KLX_AT_IN(T_Function, Setup, FlexRateCenter), Percent, -100, 100, 0x50C13)                        \
  X(Setup_FlexRateLo, Setup_FlexRateLo, P2, F2, 1, 0, 16, 16,                                         \
    KLX_AT_IN(T_Function, Setup, FlexRateLo), Percent, -100, 100, 0x50C15)                            \
  X(Setup_FlexExpoHi, Setup_FlexExpoHi, PH, F2, 1, 0, 18, 18,                                         \
    KLX_AT_IN(T_Function, Setup, FlexExpoHi), Percent, -50, 100, 0x50C17)                             \
  X(Setup_FlexExpoCenter, Setup_FlexExpoCenter, PH, F2, 1, 0, 17, 17,                                 \
    KLX_AT_IN(T_Function, Setup, FlexExpoCenter), Percent, -50, 100, 0x50C16)                         \
  X(Setup_FlexExpoLo, Setup_FlexExpoLo, PH, F2, 1, 0, 19, 19,                                         \
    KLX_AT_IN(T_Function, Setup, FlexExpoLo), Percent, -50, 100, 0x50C18)                             \
  X(Setup_FlexExpoNegHi, Setup_FlexExpoNegHi, PH, F2, 1, 1, 18, 18,                                   \
    KLX_AT_IN(T_Function, Setup, FlexExpoNegHi), Percent, -50, 100, 0x50C17)                          \
  X(Setup_FlexExpoNegCenter, Setup_FlexExpoNegCenter, PH, F2, 1, 1, 17, 17,                           \
    KLX_AT_IN(T_Function, Setup, FlexExpoNegCenter), Percent, -50, 100, 0x50C16)                      \
  X(Setup_FlexExpoNegLo, Setup_FlexExpoNegLo, PH, F2, 1, 1, 19, 19,                                   \
    KLX_AT_IN(T_Function, Setup, FlexExpoNegLo), Percent, -50, 100, 0x50C18)                          \
  X(Setup_FlexDiffHi, Setup_FlexDiffHi, P2, F2, 1, 0, 21, 21,                                         \
    KLX_AT_IN(T_Function, Setup, FlexDifferentialHi), Percent, -100, 100, 0x50C1A)                    \
  X(Setup_FlexDiffCenter, Setup_FlexDiffCenter, P2, F2, 1, 0, 20, 20,                                 \
    KLX_AT_IN(T_Function, Setup, FlexDifferentialCenter), Percent, -100, 100, 0x50C19)                \
  X(Setup_FlexDiffLo, Setup_FlexDiffLo, P2, F2, 1, 0, 22, 22,                                         \
    KLX_AT_IN(T_Function, Setup, FlexDifferentialLo), Percent, -100, 100, 0x50C1B)                    \
  X(Setup_DurationFromLeft, Setup_DurationFromLeft, P2, F2, 1, 0, 23, 23,                             \
    KLX_AT_IN(T_Function, Setup, DurationFromLeft), Plain, 0, 200, 0x50C1C)                           \
  X(Setup_DurationFromRight, Setup_DurationFromRight, P2, F2, 1, 0, 24, 24,                           \
    KLX_AT_IN(T_Function, Setup, DurationFromRight), Plain, 0, 200, 0x50C1D)                          \
  X(ServoUseMask, ServoUseMask, P1, F1, 0, 0, 25, 25, KLX_AT(T_Function, ServoUseMask), Plain, 0,     \
    65535, 0x50C1E)                                                                                   \
  X(ServoAssignment_ServoIdx, ServoAssignment_ServoIdx, P2, F2, 2, 0, 26, 26,                         \
    KLX_AT_IN(T_Function, Servo, ServoIdx), Plain, 0, 26, 0x50C1F)                                    \
  X(ServoAssignment_ServoMixerIdx, ServoAssignment_ServoMixId, P2, F2, 2, 0, 29, 29,                  \
    KLX_AT_IN(T_Function, Servo, ServoMixerIdx), Plain, 0, 7, 0x50C23)                                \
  X(FunctionFlags, FunctionFlags, PU, FUI, 0, 0, 27, 27, KLX_AT(T_Function, FunctionFlags),           \
    Unsigned32, 0, 0xFFFFFFFFLL, 0x50C20)                                                             \
  X(FunctionSingleMask, FunctionSingleMask, PU, FU, 0, 0, 30, 30,                                     \
    KLX_AT(T_Function, Function_FM_Mask), Mask, 0, 0xFFFFFFFFLL, 0x50C20)                             \
  X(FunctionDiffSingleMask, FunctionDiffSingleMask, PU, FU, 0, 0, 31, 31,                             \
    KLX_AT(T_Function, Function_FM_DiffMask), Mask, 0, 0xFFFFFFFFLL, 0x50C20)

// The model file's "FUNCTION", in the file's order: X(element as the file
// writes it, field row, conversion of its text (Signed, Unsigned), check of
// the value, the value it starts with (KLX_FILE_GIVEN: the model reset's,
// unless the file gives one), report code and text of a value that fails).
#define KLX_FUNCTION_FILE(X)                                                                                \
  X("IsUsed", IsUsed, Signed, Boolean, KLX_FILE_GIVEN, 0x21537, "function IsUsed error")                    \
  X("Control", Control, Signed, TControl, KLX_FILE_GIVEN, 0x21538, "function Control error")                \
  X("ControlRate", ControlRate, Signed, TControl, KLX_FILE_GIVEN, 0x2153A, "function ControlRate error")    \
  X("ControlExpo", ControlExpo, Signed, TControl, KLX_FILE_GIVEN, 0x2153B, "function ControlExpo error")    \
  X("ControlDifferential", ControlDifferential, Signed, TControl, KLX_FILE_GIVEN, 0x2153C,                  \
    "function ControlDifferential error")                                                                   \
  X("TrimDifferential", TrmCtrlDifferential, Signed, TControl, KLX_FILE_GIVEN, 0x2153C,                     \
    "function TrimDifferential error")                                                                      \
  X("TrimControl", Trim_Control, Signed, TControl, KLX_FILE_GIVEN, 0x2153D, "function TrimControl error")   \
  X("TrimRange", Trim_Range, Signed, Sint16, KLX_FILE_GIVEN, 0x2153E, "function TrimRange error")           \
  X("TrimIsReverse", Trim_IsReverse, Signed, Boolean, KLX_FILE_GIVEN, 0x2153F,                              \
    "function TrimIsReverse error")                                                                         \
  X("TrimMode", Trim_Mode, Signed, Uint8, KLX_FILE_GIVEN, 0x21540, "function TrimMode error")               \
  X("FailSafePosMode", FailSafePosMode, Signed, Uint8, KLX_FILE_GIVEN, 0x21541,                             \
    "function FailSafePosMode error")                                                                       \
  X("FailSafePosValue", FailSafePosValue, Signed, Sint16, KLX_FILE_GIVEN, 0x21542,                          \
    "function FailSafePosValue error")                                                                      \
  X("GlobalCurveIdx", GlobalCurveIdx, Signed, TIndex, KLX_FILE_GIVEN, 0x21543,                              \
    "function GlobalCurveIdx error")                                                                        \
  X("FunctionFlags", FunctionFlags, Unsigned, Any, KLX_FILE_GIVEN, 0x21545,                                 \
    "function FunctionFlags error")                                                                         \
  X("Function_FM_Mask", FunctionSingleMask, Unsigned, Any, KLX_FILE_GIVEN, 0x21545,                         \
    "function FM_Mask error")                                                                               \
  X("Function_FM_DiffMask", FunctionDiffSingleMask, Unsigned, Any, KLX_FILE_GIVEN, 0x21545,                 \
    "function FM_DiffMask error")

// Its "SETUP" of a flight mode. A flight mode's own setting starts as a new
// function's: no curve, full rates (in percent, as the accessors speak),
// nothing else.
#define KLX_FUNCTION_SETUP_FILE(X)                                                                          \
  X("CurveIdx", Setup_CurveIdx, Signed, TIndex, 255, 0x21527, "function SETUP CurveIdx error")              \
  X("FlexRateHi", Setup_FlexRateHi, Signed, Sint16, 100, 0x21528, "function SETUP FlexRateHi error")        \
  X("FlexRateCenter", Setup_FlexRateCenter, Signed, Sint16, 100, 0x2152A,                                   \
    "function SETUP FlexRateCenter error")                                                                  \
  X("FlexRateLo", Setup_FlexRateLo, Signed, Sint16, 100, 0x2152B, "function SETUP FlexRateLo error")        \
  X("FlexExpoHi", Setup_FlexExpoHi, Signed, Sint16, 0, 0x2152C, "function SETUP Flex expo high error")      \
  X("FlexExpoCenter", Setup_FlexExpoCenter, Signed, Sint16, 0, 0x2152D,                                     \
    "function SETUP Flex expo center error")                                                                \
  X("FlexExpoLo", Setup_FlexExpoLo, Signed, Sint16, 0, 0x2152E, "function SETUP Flex expo lo error")        \
  X("FlexExpoNegHi", Setup_FlexExpoNegHi, Signed, Sint16, 0, 0x2152C,                                       \
    "function SETUP Flexexpo neg. high error")                                                              \
  X("FlexExpoNegCenter", Setup_FlexExpoNegCenter, Signed, Sint16, 0, 0x2152D,                               \
    "function SETUP Flex expo neg center error")                                                            \
  X("FlexExpoNegLo", Setup_FlexExpoNegLo, Signed, Sint16, 0, 0x2152E,                                       \
    "function SETUP Flex expo neg lo error")                                                                \
  X("FlexDifferentialHi", Setup_FlexDiffHi, Signed, Sint16, 0, 0x2152F, "function SETUP FlexDiffHi error")  \
  X("FlexDifferentialCenter", Setup_FlexDiffCenter, Signed, Sint16, 0, 0x21530,                             \
    "function SETUP FlexDiffCe error")                                                                      \
  X("FlexDifferentialLo", Setup_FlexDiffLo, Signed, Sint16, 0, 0x21531, "function SETUP FlexDiffLo error")  \
  X("DurationFromLeft", Setup_DurationFromLeft, Signed, Sint16, 0, 0x21532,                                 \
    "function SETUP DurationFromLeft error")                                                                \
  X("DurationFromRight", Setup_DurationFromRight, Signed, Sint16, 0, 0x21533,                               \
    "function SETUP DurationFromRight error")

// Its "SERVOASSIGENMENT" (so spelt) of a servo slot: no servo until the
// file names one.
#define KLX_FUNCTION_SERVO_FILE(X)                                                                          \
  X("Value", ServoAssignment_ServoIdx, Signed, Sint16, 26, 0x21535,                                         \
    "function SERVOASSIGENMENT Value error")                                                                \
  X("ServoMixerIdx", ServoAssignment_ServoMixerIdx, Unsigned, Uint16, 0, 0x21539,                           \
    "function SERVOASSIGENMENT ServoMixerIdx error")

// Single-field updates of the flight modes: message 67.
#define KLX_FLIGHTMODE_FIELDS(X)                                                                     \
  X(IsUsed, IsUsed, P1, F1, 0, 0, 1, 1, KLX_AT(T_FlightMode, IsUsed), Flag, 0, 1, 0x50B04)            \
  X(FadeIn, FadeIn, P1, F1, 0, 0, 2, 2, KLX_AT(T_FlightMode, FadeIn), Plain, 0, 200, 0x50B05)         \
  X(FunctionNum, FunctionNum, P1, F1, 0, 0, 3, 3, KLX_AT(T_FlightMode, FunctionNum), Plain, 0, 48,    \
    0x50B07)                                                                                          \
  X(NoFadeInFuncIdxs, NoFadeInFuncIdxs, P2, F2, 1, 0, 4, 4,                                           \
    KLX_AT_ARR(T_FlightMode, NoFadeInFuncIdxs), Plain, 0, 48, 0x50B06)

// The model file's "FLIGHTMODE" (columns as KLX_FUNCTION_FILE).
#define KLX_FLIGHTMODE_FILE(X)                                                                              \
  X("IsUsed", IsUsed, Signed, Boolean, KLX_FILE_GIVEN, 0x51521, "flightmode IsUsed error")                  \
  X("FadeIn", FadeIn, Signed, Sint16, KLX_FILE_GIVEN, 0x51522, "flightmode FadeIn error")                   \
  X("FunctionNum", FunctionNum, Signed, Uint16, KLX_FILE_GIVEN, 0x51523, "flightmode FunctionNum error")

// Its "NOFADEINFUNCTIONS" entry: no function (48) until the file names one.
#define KLX_FLIGHTMODE_NOFADE_FILE(X)                                                                       \
  X("Function", NoFadeInFuncIdxs, Signed, Sint16, 48, 0x5151F,                                              \
    "flightmode NOFADEINFUNCTIONS Function error")

// Single-field updates of the servo configurations: message 70. The five
// points with 1/100 % resolution are in KLX_SERVOCONFIG_POINTS.
#define KLX_SERVOCONFIG_FIELDS(X)                                                                    \
  X(IsUsed, IsUsed, P1, F1, 0, 0, 1, 1, KLX_AT(T_ServoConfig, IsUsed), Flag, 0, 1, 0x51106)           \
  X(Connector, Connector, P1, F1, 0, 0, 2, 2, KLX_AT(T_ServoConfig, Connector), Plain, 0, 128,        \
    0x51107)                                                                                          \
  X(Group, Group, P1, F1, 0, 0, 3, 3, KLX_AT(T_ServoConfig, Group), Plain, 0, 255, 0x51108)           \
  X(FrameRate, FrameRate, P1, F1, 0, 0, 7, 7, KLX_AT(T_ServoConfig, FrameRate), Plain, 0, 9, 0x5110C) \
  X(FunctionServoType, FunctionServoType, P1, F1, 0, 0, 10, 10,                                       \
    KLX_AT(T_ServoConfig, FunctionServoType), Plain, 0, 4, 0x5110F)                                   \
  X(FailSafePosMode, FailSafePosMode, P1, F1, 0, 0, 15, 15, KLX_AT(T_ServoConfig, FailSafePosMode),   \
    Plain, 0, 2, 0x5111A)                                                                             \
  X(FailSafePosValue, FailSafePosValue, P1, F1, 0, 0, 16, 16,                                         \
    KLX_AT(T_ServoConfig, FailSafePosValue), Plain, -2047, 2047, 0x5111B)                             \
  X(SwitchCutOffVirtSwitch, SwitchCutOffVirtSwitch, P1, F1, 0, 0, 17, 17,                             \
    KLX_AT(T_ServoConfig, CutOffVirtSwitchId), CutOffSwitch, 0, 128, 0x51121)                         \
  X(SwitchCutOffValue, SwitchCutOffValue, P1, F1, 0, 0, 18, 18, KLX_AT(T_ServoConfig, CutOffValue),   \
    ServoPercent, -200, 200, 0x51122)                                                                 \
  X(ServoMixer_SourceType, ServoMixer_SourceType, P2, F2, 1, 0, 11, 11,                               \
    KLX_AT_IN(T_ServoConfig, Mixer, SourceType), Plain, 0, 5, 0x51112)                                \
  X(ServoMixer_FuncTravelFunctionIndex, ServoMixer_FuncTravelFuncIndex, P2, F2, 1, 0, 14, 14,         \
    KLX_AT_IN(T_ServoConfig, Mixer, FuncTravelFuncIndex), Plain, 0, 48, 0x51115)                      \
  X(ServoMixer_ServoCurveIndex, ServoMixer_ServoCurveIndex, P2, F2, 1, 0, 19, 19,                     \
    KLX_AT_IN(T_ServoConfig, Mixer, ServoCurveIndex), Plain, 0, 255, 0x51115)

// The servo points kept as whole percent plus hundredths beside the record:
// X(whole-percent store name, hundredths store name, facade whole, facade
// hundredths, shape, element id, location, slot of the whole percent and of
// the hundredths in the percent record, error code).
#define KLX_SERVOCONFIG_POINTS(X)                                                                    \
  X(Centre, BsPtsCentreAdd, Centre, BsPtsCentreAdd, 1, 4, KLX_AT(T_ServoConfig, Centre), 0, 3,        \
    0x51109)                                                                                          \
  X(MinValue, BsPtsMinValueAdd, MinValue, BsPtsMinValueAdd, 1, 5, KLX_AT(T_ServoConfig, MinValue), 1, \
    4, 0x5110A)                                                                                       \
  X(MaxValue, BsPtsMaxValueAdd, MaxValue, BsPtsMaxValueAdd, 1, 6, KLX_AT(T_ServoConfig, MaxValue), 2, \
    5, 0x5110B)                                                                                       \
  X(ServoMixer_FuncTravelMin, ServoMixer_BsPtsFuncTrvlMinAdd, ServoMixer_FuncTravelMin,               \
    ServoMixer_BsPtsFuncTravelMinAdd, 2, 12, KLX_AT_IN(T_ServoConfig, Mixer, FuncTravelMin), 6, 22,    \
    0x51113)                                                                                          \
  X(ServoMixer_FuncTravelMax, ServoMixer_BsPtsFuncTrvlMaxAdd, ServoMixer_FuncTravelMax,               \
    ServoMixer_BsPtsFuncTravelMaxAdd, 2, 13, KLX_AT_IN(T_ServoConfig, Mixer, FuncTravelMax), 14, 30,   \
    0x51114)

// The model file's "SERVOCONFIG" (columns as KLX_FUNCTION_FILE); a point's
// hundredths follow its whole percent.
#define KLX_SERVOCONFIG_FILE(X)                                                                             \
  X("IsUsed", IsUsed, Signed, Boolean, KLX_FILE_GIVEN, 0x51578, "servoconfig IsUsed error")                 \
  X("Connector", Connector, Signed, Uint8, KLX_FILE_GIVEN, 0x51579, "servoconfig Connector error")          \
  X("Group", Group, Signed, Uint8, KLX_FILE_GIVEN, 0x5157A, "servoconfig Group error")                      \
  X("Centre", Centre, Signed, Sint16, KLX_FILE_GIVEN, 0x5157B, "servoconfig Centre error")                  \
  X("CenBsPtsAdd", BsPtsCentreAdd, Signed, Sint16, KLX_FILE_GIVEN, 0x5157B,                                 \
    "servoconfig Centre bsptsadd error")                                                                    \
  X("MinValue", MinValue, Signed, Sint16, KLX_FILE_GIVEN, 0x5157C, "servoconfig MinValue error")            \
  X("MinValBsPtsAdd", BsPtsMinValueAdd, Signed, Sint16, KLX_FILE_GIVEN, 0x5157C,                            \
    "servoconfig MinValue bsptsadd error")                                                                  \
  X("MaxValue", MaxValue, Signed, Sint16, KLX_FILE_GIVEN, 0x5157D, "servoconfig MaxValue error")            \
  X("MaxValBsPtsAdd", BsPtsMaxValueAdd, Signed, Sint16, KLX_FILE_GIVEN, 0x5157D,                            \
    "servoconfig MaxValue bsptsadd error")                                                                  \
  X("FrameRate", FrameRate, Signed, Uint8, KLX_FILE_GIVEN, 0x5157E, "servoconfig FrameRate error")          \
  X("FunctionServoType", FunctionServoType, Signed, Uint8, KLX_FILE_GIVEN, 0x51581,                         \
    "servoconfig FunctionServoType error")                                                                  \
  X("FailSafePosMode", FailSafePosMode, Signed, Uint8, KLX_FILE_GIVEN, 0x21586,                             \
    "servoconfig FailSafePosMode error")                                                                    \
  X("FailSafePosValue", FailSafePosValue, Signed, Sint16, KLX_FILE_GIVEN, 0x21587,                          \
    "servoconfig FailSafePosValue error")                                                                   \
  X("CutOffVirtSwitchId", SwitchCutOffVirtSwitch, Signed, Uint8, KLX_FILE_GIVEN, 0x21588,                   \
    "servoconfig CutOffVirtSwitchId error")                                                                 \
  X("CutOffValue", SwitchCutOffValue, Signed, Sint16, KLX_FILE_GIVEN, 0x21589,                              \
    "servoconfig CutOffValue error")

// Its "SERVOMIXER" of a slot. A new servo's slot: the function's full
// travel (percent of the servo scale), no function, no curve.
#define KLX_SERVOCONFIG_MIXER_FILE(X)                                                                       \
  X("SourceType", ServoMixer_SourceType, Unsigned, UpToMax, 2, 0x21582,                                     \
    "servoconfig SERVOMIXER SourceType error")                                                              \
  X("FuncTravelMin", ServoMixer_FuncTravelMin, Signed, Sint16, -100, 0x21584,                               \
    "servoconfig SERVOMIXER FuncTravelMin error")                                                           \
  X("FuncTrvlMinBsPtsAdd", ServoMixer_BsPtsFuncTrvlMinAdd, Signed, Sint16, 0, 0x21584,                      \
    "servoconfig SERVOMIXER FuncTravelMin bsptsadd error")                                                  \
  X("FuncTravelMax", ServoMixer_FuncTravelMax, Signed, Sint16, 100, 0x21584,                                \
    "servoconfig SERVOMIXER FuncTravelMax error")                                                           \
  X("FuncTrvlMaxBsPtsAdd", ServoMixer_BsPtsFuncTrvlMaxAdd, Signed, Sint16, 0, 0x21584,                      \
    "servoconfig SERVOMIXER FuncTravelMax bsptsadd error")                                                  \
  X("FuncTravelFuncIndex", ServoMixer_FuncTravelFunctionIndex, Signed, Uint16, 48, 0x21585,                 \
    "servoconfig SERVOMIXER FuncTravelFuncIndex error")                                                     \
  X("ServoCurveIndex", ServoMixer_ServoCurveIndex, Signed, Uint16, 255, 0x2158A,                            \
    "servoconfig SERVOMIXER ServoCurveIndex error")

// Single-field updates of the curves: message 68. The smoothing flag is kept
// outside the record.
#define KLX_CURVE_FIELDS(X)                                                                          \
  X(IsUsed, IsUsed, PH, FH, 0, 0, 1, 1, KLX_AT(T_Curve, IsUsed), Flag, 0, 1, 0x50A03)                  \
  X(RealPoints, RealPoints, P1, F1, 0, 0, 2, 2, KLX_AT(T_Curve, RealPoints), Plain, 0, 33, 0x50A04)    \
  X(CurveValue, CurveValue, P2, F2, 1, 0, 3, 3, KLX_AT_ARR(T_Curve, Point), Plain, -2047, 2047,       \
    0x50A05)

// The model file's "CURVE" (columns as KLX_FUNCTION_FILE), copied whole:
// not in use, not smoothed, all 33 points real unless it says otherwise.
// The smoothing flag has no field row; the file names its accessor.
#define KLX_CURVE_FILE(X)                                                                                   \
  X("IsUsed", IsUsed, Signed, Boolean, 0, 0x21517, "curve IsUsed error")                                    \
  X("IsSmoothed", IsSmoothed, Signed, Boolean, 0, 0x21517, "curve IsSmoothed error")                        \
  X("RealPoints", RealPoints, Unsigned, Any, 33, 0x21518, "curve RealPoints error")

// Its "POINT".
#define KLX_CURVE_POINT_FILE(X)                                                                             \
  X("Point", CurveValue, Signed, Sint16, 0, 0x21515, "curve Point error")

// Single-field updates of the trim levers: message 74 (accessors by hand,
// their signatures differ).
#define KLX_TRIM_FIELDS(X)                                                                           \
  X(Trim_StepsPerDelta, TrimStepsPerDelta, PH, FH, 0, 0, 1, 1, KLX_AT(T_TrimControlCfg, TrimSteps),   \
    TrimSteps, 0, 100, 0x53F06)                                                                        \
  X(Trim_RotaryFlags, TrimRotaryFlags, PH, FH, 0, 0, 2, 2, KLX_AT(T_TrimControlCfg, TrimFlags),       \
    Plain, 0, 7, 0x53F07)                                                                              \
  X(Trim_RotaryValue, TrimValue, PH, FH, 1, 0, 3, 3, KLX_AT_ARR(T_TrimControlCfg, TrimValue), Plain,  \
    -2047, 2047, 0x53F08)                                                                              \
  X(Trim_SingleMask, SingleMask, PH, FH, 0, 0, 4, 4, KLX_AT(T_TrimControlCfg, Trim_FM_Mask), Mask, 0, \
    0xFFFFFFFFLL, 0x53F09)

// The model file's "TRIM" (columns as KLX_FUNCTION_FILE). A trim element
// starts as a cleared trim: steps of 2 % (41 of 2047), no flags, no flight
// mode of its own.
#define KLX_TRIM_FILE(X)                                                                                    \
  X("TrimSteps", Trim_StepsPerDelta, Signed, Uint16, 2, 0x215E7, "trim TrimSteps error")                    \
  X("TrimFlags", Trim_RotaryFlags, Signed, Uint8, 0, 0x215E8, "trim TrimFlags error")                       \
  X("Trim_FM_Mask", Trim_SingleMask, Signed, Any, 0, 0x215E8, "trim FM_Mask error")

// Its "TRIMVALUE" of a flight mode.
#define KLX_TRIM_VALUE_FILE(X)                                                                              \
  X("TrimValue", Trim_RotaryValue, Signed, Sint16, 0, 0x215EC, "trim TRIMVALUE TrimValue error")

// The single flight-mode assignment record: message 73; the entry is the
// index (slot 0..7 at bounds position 0, look-up entry 0..26 at position 1).
#define KLX_FMASSIGN_FIELDS(X)                                                                       \
  X(Control, Control, PH, FH, 0, 0, 1, 1, KLX_AT_ARR(T_FlightModeControlAssignment, Control), Plain,  \
    0, 65535, 0x53C02)                                                                                 \
  X(FlightModeLUT, FlightModeLUT, PH, FH, 1, 0, 2, 2,                                                 \
    KLX_AT_ARR(T_FlightModeControlAssignment, Flightmode), Plain, 0, 27, 0x53C02)

// The model file's "FLIGHTMODEASSIGN": its "CONTROLS" of a switch slot
// (unassigned until the file names a control) and its "FLIGHTMODES" of a
// look-up entry (columns as KLX_FUNCTION_FILE).
#define KLX_FMASSIGN_CONTROL_FILE(X)                                                                        \
  X("Control", Control, Signed, Uint16, CONTROLID_Invalid_GUI, 0x515C7,                                     \
    "flightmode assign CONTROLS Control error")

#define KLX_FMASSIGN_TABLE_FILE(X)                                                                          \
  X("Flightmode", FlightModeLUT, Signed, Uint8, 0, 0x515D0,                                                 \
    "flightmode assign FLIGHTMODES Flightmode error")

// Single-field updates of the mixers: message 65. The flags hold 0 or 1 by
// their clamp; the gains speak percent.
#define KLX_MIXER_FIELDS(X)                                                                          \
  X(IsUsed, IsUsed, P1, F1, 0, 0, 1, 1, KLX_AT(T_Mixer, IsUsed), Plain, 0, 1, 0x50E05)                 \
  X(InheritForNext, InheritForNext, P1, F1, 0, 0, 2, 2, KLX_AT(T_Mixer, InheritForNext), Plain, 0, 1, \
    0x50E06)                                                                                           \
  X(FromFuncIdx, FromFuncIdx, P1, F1, 0, 0, 3, 3, KLX_AT(T_Mixer, FromFuncIdx), Plain, 0, 48, 0x50E07) \
  X(ToFuncIdx, ToFuncIdx, P1, F1, 0, 0, 4, 4, KLX_AT(T_Mixer, ToFuncIdx), Plain, 0, 48, 0x50E08)       \
  X(IsTrimIncluded, IsTrimIncluded, P1, F1, 0, 0, 5, 5, KLX_AT(T_Mixer, IsTrimIncluded), Plain, 0, 1, \
    0x50E09)                                                                                           \
  X(Control, Control, P1, F1, 0, 0, 6, 6, KLX_AT(T_Mixer, Control), Plain, 0, 65535, 0x50E0A)          \
  X(GlobalCurveIdx, GlobalCurveIdx, P1, F1, 0, 0, 7, 7, KLX_AT(T_Mixer, GlobalCurveIdx), Plain, 0,    \
    254, 0x50E0B)                                                                                      \
  X(SetupUseMask, SetupUseMask, P1, F1, 0, 0, 8, 8, KLX_AT(T_Mixer, SetupUseMask), Plain, 0, 65535,   \
    0x50E0C)                                                                                           \
  X(MixerFlags, MixerFlags, PU, FUI, 0, 0, 15, 15, KLX_AT(T_Mixer, MixerFlags), Unsigned32, 0,        \
    0xFFFFFFFFLL, 0x50E13)                                                                             \
  X(MixerSingleMask, SingleMask, PU, FU, 0, 0, 16, 16, KLX_AT(T_Mixer, Mixer_FM_Mask), Mask, 0,       \
    0xFFFFFFFFLL, 0x50E13)                                                                             \
  X(Setup_GainCenter, Setup_GainCenter, P2, F2, 1, 0, 9, 9, KLX_AT_IN(T_Mixer, Setup, GainCenter),    \
    Percent, -100, 100, 0x50E0D)                                                                       \
  X(Setup_GainHi, Setup_GainHi, P2, F2, 1, 0, 10, 10, KLX_AT_IN(T_Mixer, Setup, GainHi), Percent,     \
    -100, 100, 0x50E0E)                                                                                \
  X(Setup_GainLo, Setup_GainLo, P2, F2, 1, 0, 11, 11, KLX_AT_IN(T_Mixer, Setup, GainLo), Percent,     \
    -100, 100, 0x50E0F)                                                                                \
  X(Setup_CurveIdx, Setup_CurveIdx, P2, F2, 1, 0, 12, 12, KLX_AT_IN(T_Mixer, Setup, CurveIdx), Plain, \
    0, 255, 0x50E10)                                                                                   \
  X(Setup_DelayUp, Setup_DelayUp, P2, F2, 1, 0, 13, 13, KLX_AT_IN(T_Mixer, Setup, DelayUp), Plain, 0, \
    200, 0x50E11)                                                                                      \
  X(Setup_DelayDown, Setup_DelayDown, P2, F2, 1, 0, 14, 14, KLX_AT_IN(T_Mixer, Setup, DelayDown),     \
    Plain, 0, 200, 0x50E12)

// The model file's "MIXER" (columns as KLX_FUNCTION_FILE).
#define KLX_MIXER_FILE(X)                                                                                   \
  X("IsUsed", IsUsed, Signed, Boolean, KLX_FILE_GIVEN, 0x51561, "mixer IsUsed error")                       \
  X("InheritForNext", InheritForNext, Signed, Boolean, KLX_FILE_GIVEN, 0x51562,                             \
    "mixer InheritForNext error")                                                                           \
  X("FromFuncIdx", FromFuncIdx, Signed, TIndex, KLX_FILE_GIVEN, 0x51563, "mixer FromFuncIdx error")         \
  X("ToFuncIdx", ToFuncIdx, Signed, TIndex, KLX_FILE_GIVEN, 0x51564, "mixer ToFuncIdx error")               \
  X("IsTrimIncluded", IsTrimIncluded, Signed, Boolean, KLX_FILE_GIVEN, 0x51565,                             \
    "mixer IsTrimIncluded error")                                                                           \
  X("Control", Control, Signed, TControl, KLX_FILE_GIVEN, 0x51566, "mixer Control error")                   \
  X("GlobalCurveIdx", GlobalCurveIdx, Signed, TIndex, KLX_FILE_GIVEN, 0x51567,                              \
    "mixer GlobalCurveIdx error")                                                                           \
  X("SetupUseMask", SetupUseMask, Signed, Uint16, KLX_FILE_GIVEN, 0x51568, "mixer SetupUseMask error")      \
  X("MixerFlags", MixerFlags, Unsigned, Any, KLX_FILE_GIVEN, 0x5156A, "mixer MixerFlags error")             \
  X("Mixer_FM_Mask", MixerSingleMask, Unsigned, Any, KLX_FILE_GIVEN, 0x5156A, "mixer FM_Mask error")

// Its "SETUP" of a flight mode. A new mixer's setting: half gain either
// side (percent), no curve, no delay.
#define KLX_MIXER_SETUP_FILE(X)                                                                             \
  X("GainCenter", Setup_GainCenter, Signed, Sint16, 0, 0x5155A, "mixer SETUP GainCenter error")             \
  X("GainHi", Setup_GainHi, Signed, Sint16, 50, 0x5155B, "mixer SETUP GainHi error")                        \
  X("GainLo", Setup_GainLo, Signed, Sint16, -50, 0x5155C, "mixer SETUP GainLo error")                       \
  X("CurveIdx", Setup_CurveIdx, Signed, TIndex, 255, 0x5155D, "mixer SETUP CurveIdx error")                 \
  X("DelayUp", Setup_DelayUp, Signed, Sint16, 0, 0x5155E, "mixer SETUP DelayUp error")                      \
  X("DelayDown", Setup_DelayDown, Signed, Sint16, 0, 0x5155F, "mixer SETUP DelayDown error")

// Single-field updates of the limiters: message 66. The six limit values
// stay on the control-value scale.
#define KLX_LIMITER_FIELDS(X)                                                                        \
  X(IsUsed, IsUsed, P1, F1, 0, 0, 1, 1, KLX_AT(T_Limiter, IsUsed), Plain, 0, 1, 0x50D05)               \
  X(FuncIdx, FuncIdx, P1, F1, 0, 0, 2, 2, KLX_AT(T_Limiter, FuncIdx), Plain, 0, 48, 0x50D06)           \
  X(ControlAbove, ControlAbove, P1, F1, 0, 0, 3, 3, KLX_AT(T_Limiter, ControlAbove), Plain, 0, 65535, \
    0x50D07)                                                                                           \
  X(ControlBelow, ControlBelow, P1, F1, 0, 0, 4, 4, KLX_AT(T_Limiter, ControlBelow), Plain, 0, 65535, \
    0x50D08)                                                                                           \
  X(LimitMask, LimitMask, P1, F1, 0, 0, 5, 5, KLX_AT(T_Limiter, LimitMask), Plain, 0, 65535, 0x50D09)  \
  X(Above_Center, Above_Center, P2, F2, 1, 0, 6, 6, KLX_AT_IN(T_Limiter, Above, Center), Plain,       \
    -2047, 2047, 0x50D0A)                                                                              \
  X(Above_Hi, Above_Hi, P2, F2, 1, 0, 7, 7, KLX_AT_IN(T_Limiter, Above, Hi), Plain, -2047, 2047,      \
    0x50D0B)                                                                                           \
  X(Above_Lo, Above_Lo, P2, F2, 1, 0, 8, 8, KLX_AT_IN(T_Limiter, Above, Lo), Plain, -2047, 2047,      \
    0x50D0C)                                                                                           \
  X(Below_Center, Below_Center, P2, F2, 1, 0, 9, 9, KLX_AT_IN(T_Limiter, Below, Center), Plain,       \
    -2047, 2047, 0x50D0D)                                                                              \
  X(Below_Hi, Below_Hi, P2, F2, 1, 0, 10, 10, KLX_AT_IN(T_Limiter, Below, Hi), Plain, -2047, 2047,    \
    0x50D0E)                                                                                           \
  X(Below_Lo, Below_Lo, P2, F2, 1, 0, 11, 11, KLX_AT_IN(T_Limiter, Below, Lo), Plain, -2047, 2047,    \
    0x50D0F)

// The model file's "LIMITER" (columns as KLX_FUNCTION_FILE).
#define KLX_LIMITER_FILE(X)                                                                                 \
  X("IsUsed", IsUsed, Signed, Boolean, KLX_FILE_GIVEN, 0x51551, "limiter IsUsed error")                     \
  X("FuncIdx", FuncIdx, Signed, TIndex, KLX_FILE_GIVEN, 0x51552, "limiter FuncIdx error")                   \
  X("ControlAbove", ControlAbove, Signed, TIndex, KLX_FILE_GIVEN, 0x51553, "limiter ControlAbove error")    \
  X("ControlBelow", ControlBelow, Signed, TIndex, KLX_FILE_GIVEN, 0x51554, "limiter ControlBelow error")    \
  X("LimitMask", LimitMask, Signed, Uint16, KLX_FILE_GIVEN, 0x51555, "limiter LimitMask error")

// Its "ABOVEBELOW" of a flight mode: no limit until the file gives one.
#define KLX_LIMITER_POINTS_FILE(X)                                                                          \
  X("AboveCenter", Above_Center, Signed, Sint16, 0, 0x5154B, "limiter ABOVEBELOW AboveCenter error")        \
  X("AboveHi", Above_Hi, Signed, Sint16, 2047, 0x5154C, "limiter ABOVEBELOW AboveHi error")                 \
  X("AboveLo", Above_Lo, Signed, Sint16, -2047, 0x5154D, "limiter ABOVEBELOW AboveLo error")                \
  X("BelowCenter", Below_Center, Signed, Sint16, 0, 0x5154E, "limiter ABOVEBELOW BelowCenter error")        \
  X("BelowHi", Below_Hi, Signed, Sint16, 2047, 0x5154F, "limiter ABOVEBELOW BelowHi error")                 \
  X("BelowLo", Below_Lo, Signed, Sint16, -2047, 0x51550, "limiter ABOVEBELOW BelowLo error")

// Single-field updates of the virtual switches: message 72. Trigger and
// hysteresis speak percent; the trigger is a signed value in a field the
// record declares unsigned.
#define KLX_SWITCH_FIELDS(X)                                                                         \
  X(IsUsed, IsUsed, P1, F1, 0, 0, 1, 1, KLX_AT(T_VSwitch, IsUsed), Plain, 0, 1, 0x53803)               \
  X(IsVisible, IsVisible, P1, F1, 0, 0, 2, 2, KLX_AT(T_VSwitch, IsVisible), Plain, 0, 1, 0x5380F)      \
  X(LogicalOperator, LogicalOperator, P1, F1, 0, 0, 3, 3, KLX_AT(T_VSwitch, LogicalOperator), Plain,  \
    0, 4, 0x5380E)                                                                                     \
  X(SwitchControl, SwitchControl, P2, F2, 1, 0, 4, 4, KLX_AT_IN(T_VSwitch, Condition, Control), Plain, \
    0, 65535, 0x5380D)                                                                                 \
  X(SwitchTrigger, SwitchTrigger, P2, F2, 1, 0, 5, 5,                                                 \
    KLX_AT_IN_SIGNED(T_VSwitch, Condition, Trigger), Percent, -90, 90, 0x5380C)                        \
  X(SwitchAboveHys, SwitchAboveHys, P2, F2, 1, 0, 6, 6, KLX_AT_IN(T_VSwitch, Condition, AboveHys),    \
    Percent, -95, 95, 0x53810)                                                                         \
  X(SwitchBelowHys, SwitchBelowHys, P2, F2, 1, 0, 7, 7, KLX_AT_IN(T_VSwitch, Condition, BelowHys),    \
    Percent, -95, 95, 0x53811)                                                                         \
  X(SwitchIsInverted, SwitchIsInverted, P2, F2, 1, 0, 8, 8,                                           \
    KLX_AT_IN(T_VSwitch, Condition, IsInverted), Plain, 0, 1, 0x53805)

// The model file's "VIRTSWITCH" (columns as KLX_FUNCTION_FILE).
#define KLX_SWITCH_FILE(X)                                                                                  \
  X("IsUsed", IsUsed, Signed, Boolean, KLX_FILE_GIVEN, 0x515C2, "switch IsUsed error")                      \
  X("IsVisible", IsVisible, Signed, Boolean, KLX_FILE_GIVEN, 0x515F6, "switch IsSingle error")              \
  X("LogicalOperator", LogicalOperator, Signed, UpToMax, KLX_FILE_GIVEN, 0x515C3,                           \
    "switch LogicalOperator error")

// Its "SWITCHDATA" of an input. An input given in the file starts without
// control, at 0 with a hysteresis of 30 % either side.
#define KLX_SWITCH_INPUT_FILE(X)                                                                            \
  X("Control", SwitchControl, Signed, Uint16, CONTROLID_Invalid_GUI, 0x515BF,                               \
    "virtualswitch SWITCHDATA Control error")                                                               \
  X("Trigger", SwitchTrigger, Signed, Sint16, 0, 0x515C0, "virtualswitch SWITCHDATA Value error")           \
  X("IsInverted", SwitchIsInverted, Signed, Boolean, 0, 0x515C0,                                            \
    "virtualswitch SWITCHDATA IsInverted error")                                                            \
  X("AboveHys", SwitchAboveHys, Signed, Sint16, 30, 0x515F7, "virtualswitch SWITCHDATA AboveHys error")     \
  X("BelowHys", SwitchBelowHys, Signed, Sint16, -30, 0x515F8, "virtualswitch SWITCHDATA BelowHys error")

// The sequencer fields: their limits and error codes. The sequencer's own
// path addresses them (servo slot, direction and waypoint) and packs its
// update with the waypoint in front of the value.
#define KLX_SEQUENCER_FIELDS(X)                                                                      \
  X(IsUsedMode, IsUsed, PH, FH, 0, 0, 1, 1, KLX_AT(T_Sequencer, IsUsed), Plain, 0, 255, 0x51004)       \
  X(Control, Control, PH, FH, 0, 0, 2, 2, KLX_AT(T_Sequencer, ControlID), Plain, 0,               \
    CONTROLID_Telemetry_Last_GUI, 0x51004)                                                             \
  X(TimePoint, TimePoint, PH, FH, 1, 0, 3, 3, KLX_AT_SEQ(TimeValueFwd), Plain, 0, 6000, 0x51004)       \
  X(ServoWaypoint, SrvPosition, PH, FH, 1, 0, 4, 4, KLX_AT_SEQ(PositionFwd), ServoPercent, -200, 200, \
    0x51004)                                                                                           \
  X(Servo, Servo, PH, FH, 1, 0, 5, 5, KLX_AT_SEQ(SEQChannel), Plain, 0, 26, 0x51004)                   \
  X(Threshold, Threshold, PH, FH, 0, 0, 6, 6, KLX_AT(T_Sequencer, ThldAbove), Percent, -95, 95, 0)

// Model file sections of values kept outside the element stores (columns as
// KLX_FUNCTION_FILE; the field rows name accessors of the model file).
#define KLX_RUNTIME_FILE(X)                                                                                 \
  X("Runtime", Runtime, Signed, Any, 0, 0x515EE, "runtime data error")
#define KLX_SILENTMODE_FILE(X)                                                                              \
  X("SilentMode", SilentMode, Signed, Any, 0, 0x515EE, "SilentMode data error")
// "SWITCHCONFIGURATION": its "CONTROLS" of a special switch.
#define KLX_SPECIALSWITCH_FILE(X)                                                                           \
  X("Value", Value, Signed, Sint16, 0, 0x215F0, "special switch value error")
// "RECEIVER": read from the file into the receiver store by the receiver
// section itself.
#define KLX_RECEIVER_FILE(X)                                                                                \
  X("IsUsed", IsUsed, Signed, Boolean, KLX_FILE_GIVEN, 0x5156E, "receiver IsUsed error")                    \
  X("SerialNumber", SerialNumber, Unsigned, Any, KLX_FILE_GIVEN, 0x515B0, "receiver serail number error")   \
  X("Typ", Type, Unsigned, Uint16, KLX_FILE_GIVEN, 0x515B2, "receiver typ error")                           \
  X("Features", Features, Unsigned, Uint16, KLX_FILE_GIVEN, 0x515B3, "receiver features error")             \
  X("SwVerMajor", SwVerMajor, Unsigned, Uint8, KLX_FILE_GIVEN, 0x515B4, "receiver software version error")  \
  X("SwVerMinor", SwVerMinor, Unsigned, Uint8, KLX_FILE_GIVEN, 0x515B4, "receiver software version error")

// Row numbers of each list, for the accessors that name a row.
struct KLX_FunctionRow { enum : int { KLX_FUNCTION_FIELDS(KLX_FIELD_ENUM) Count }; };
struct KLX_FlightmodeRow { enum : int { KLX_FLIGHTMODE_FIELDS(KLX_FIELD_ENUM) Count }; };
struct KLX_ServoConfigRow { enum : int { KLX_SERVOCONFIG_FIELDS(KLX_FIELD_ENUM) Count }; };
struct KLX_CurveRow { enum : int { KLX_CURVE_FIELDS(KLX_FIELD_ENUM) Count }; };
struct KLX_TrimRow { enum : int { KLX_TRIM_FIELDS(KLX_FIELD_ENUM) Count }; };
struct KLX_FmAssignRow { enum : int { KLX_FMASSIGN_FIELDS(KLX_FIELD_ENUM) Count }; };
struct KLX_MixerRow { enum : int { KLX_MIXER_FIELDS(KLX_FIELD_ENUM) Count }; };
struct KLX_SwitchRow { enum : int { KLX_SWITCH_FIELDS(KLX_FIELD_ENUM) Count }; };
struct KLX_LimiterRow { enum : int { KLX_LIMITER_FIELDS(KLX_FIELD_ENUM) Count }; };
struct KLX_SequencerRow { enum : int { KLX_SEQUENCER_FIELDS(KLX_FIELD_ENUM) Count }; };

// Teacher/pupil item accessors of the facade that forward and then mark the
// settings file modified: X(facade name after "TutorPupil", value type, store call).
#define KLX_TUTORPUPIL_MARKED(X)                                          \
  X(GetSetIsEnabled, bool, KLX_TutorPupilCtrl_GetSet_IsEnabled)           \
  X(GetSetIsUsed, bool, KLX_TutorPupilCtrl_GetSet_IsUsed)                 \
  X(GetSetExtChannelIndex, int, KLX_TutorPupilCtrl_GetSet_ExternalChIndex)

// The vario's per-flight-mode settings: X(facade name after "VarioGetSet",
// type of the direction, vario setter, record field, sign of the read-back).
#define KLX_VARIO_FM_FIELDS(X)                                                        \
  X(StartToneHz, int, KLX_VarioSetZeroTone, StartTone, 1)                             \
  X(ClimbingGain, int, KLX_VarioSetPosCoeff, KPos, 1)                                 \
  X(DescendGain, int, KLX_VarioSetNegCoeff, KNeg, 1)                                  \
  X(PositiveSpeedThreshold, bool, KLX_VarioSetPositiveThreshold, ThldPos, 1)          \
  X(NegativeSpeedThreshold, bool, KLX_VarioSetNegativeThreshold, ThldNeg, -1)

// The vario's current values: X(facade name after "VarioGet", type, vario reader).
#define KLX_VARIO_READOUTS(X)                             \
  X(Coefficient, float, Coefficient)                      \
  X(InputValue, float, InputValue)                        \
  X(PositiveSpeedThreshold, float, PositiveThreshold)     \
  X(NegativeSpeedThreshold, float, NegativeThreshold)     \
  X(MaxClimbingSpeed, float, MaxClimbSpeed)               \
  X(MaxDescendingSpeed, float, MaxDescendSpeed)           \
  X(CurrentTone, int, CurrentTone)
