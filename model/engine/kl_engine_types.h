#pragma once
// The model element records in the controllers' byte layout. The same bytes
// live in the element stores, in the engine's set-up block and on the CAN
// link, so every size and offset is pinned below. Multi-byte fields are
// little-endian; records keep natural alignment and their pad bytes are zero.
#include <cstddef>
#include <cstdint>

#if !defined(__BYTE_ORDER__) || (__BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__)
#error "The record layouts are little-endian; a big-endian build needs byte swapping"
#endif

// Counts that are the same on both boards.
enum : int {
  KL_MAX_SERVOS = 26,
  KL_MAX_FUNCTIONS = 48,
  KL_MAX_MIXERS = 48,
  KL_MAX_LIMITERS = 48,
  KL_MAX_FLIGHTMODES = 27,
  KL_MAX_FM_SWITCH_SLOTS = 8,
  KL_MAX_VSWITCHES = 128,
  KL_MAX_SEQUENCERS = 2,
  KL_MAX_CURVES = 255,
  KL_MAX_TELECONTROLS = 16,
  KL_TRIM_CONTROLS = 6,
  KL_SERVOS_PER_FUNCTION = 10,
  KL_MIXERS_PER_SERVO = 8,
  KL_SERVOS_PER_SEQUENCER = 6,
  KL_SEQ_WAYPOINTS = 7,
  KL_CURVE_POINTS = 33,
  KL_FM_LUT_ENTRIES = 27,
};

// Control values: -2047..+2047, -2048 no value.
enum : int16_t { KL_CV_MAX = 2047, KL_CV_MIN = -2047, KL_CV_NONE = -2048 };

// Index fields that name another element use the count of that kind for "none".
enum : uint16_t { KL_NO_FUNCTION = 48, KL_NO_SERVO = 26, KL_NO_CURVE = 255 };

struct T_ServoMixer {
  uint8_t SourceType;
  uint8_t pad1;
  int16_t FuncTravelMin;
  int16_t FuncTravelMax;
  uint16_t FuncTravelFuncIndex;
  uint16_t ServoCurveIndex;
};

struct T_ServoConfig {
  uint8_t IsUsed;
  uint8_t Connector;
  uint8_t Group;
  uint8_t pad3;
  int16_t Centre;
  int16_t MinValue;
  int16_t MaxValue;
  uint8_t FrameRate;
  uint8_t FunctionServoType;
  uint8_t FailSafePosMode;
  uint8_t pad13;
  int16_t FailSafePosValue;
  uint8_t CutOffVirtSwitchId;
  uint8_t pad17;
  int16_t CutOffValue;
  T_ServoMixer Mixer[KL_MIXERS_PER_SERVO];
};

struct T_FunctionSetup {
  uint16_t CurveIdx;
  int16_t FlexRateHi;
  int16_t FlexRateCenter;
  int16_t FlexRateLo;
  int16_t FlexExpoHi;
  int16_t FlexExpoCenter;
  int16_t FlexExpoLo;
  int16_t FlexExpoNegHi;
  int16_t FlexExpoNegCenter;
  int16_t FlexExpoNegLo;
  int16_t FlexDifferentialHi;
  int16_t FlexDifferentialCenter;
  int16_t FlexDifferentialLo;
  uint16_t DurationFromLeft;
  uint16_t DurationFromRight;
};

struct T_FunctionServo {
  uint16_t ServoIdx;
  uint16_t ServoMixerIdx;
};

struct T_Function {
  uint8_t IsUsed;
  uint8_t pad1;
  uint16_t Control;
  uint16_t ControlRate;
  uint16_t ControlExpo;
  uint16_t ControlDifferential;
  uint16_t TrimDifferential;
  uint16_t TrimControl;
  int16_t TrimRange;
  uint8_t TrimIsReverse;
  uint8_t TrimMode;
  uint8_t FailSafePosMode;
  uint8_t pad19;
  int16_t FailSafePosValue;
  uint16_t GlobalCurveIdx;
  T_FunctionSetup Setup[KL_MAX_FLIGHTMODES];
  uint16_t ServoUseMask;
  T_FunctionServo Servo[KL_SERVOS_PER_FUNCTION];
  uint32_t FunctionFlags;  // 1 global, 2 automatic, 4 servo fixed, 8 own differential per mode
  uint32_t Function_FM_Mask;
  uint32_t Function_FM_DiffMask;
};

struct T_MixerSetup {
  int16_t GainHi;
  int16_t GainCenter;
  int16_t GainLo;
  uint16_t CurveIdx;
  uint16_t DelayUp;
  uint16_t DelayDown;
};

struct T_Mixer {
  uint8_t IsUsed;
  uint8_t InheritForNext;
  uint16_t FromFuncIdx;
  uint16_t ToFuncIdx;
  uint8_t IsTrimIncluded;
  uint8_t pad7;
  uint16_t Control;
  uint16_t GlobalCurveIdx;
  uint16_t SetupUseMask;
  T_MixerSetup Setup[KL_MAX_FLIGHTMODES];
  uint8_t pad338[2];
  uint32_t MixerFlags;  // 1 global, 2 automatic
  uint32_t Mixer_FM_Mask;
};

// Per servo of a sequencer: direction 0 (forward) and 1 (backward) tracks.
struct T_SequencerServo {
  uint16_t SEQChannel;
  uint16_t TimeValueFwd[KL_SEQ_WAYPOINTS];
  int16_t PositionFwd[KL_SEQ_WAYPOINTS];
  uint16_t TimeValueBwd[KL_SEQ_WAYPOINTS];
  int16_t PositionBwd[KL_SEQ_WAYPOINTS];
};

struct T_Sequencer {
  uint8_t IsUsed;  // 0 unused, 1/2 direction (+4 held), 3..87 reset, 88..255 preview
  uint8_t pad1;
  uint16_t ControlID;
  int16_t ThldAbove;
  int16_t ThldBelow;
  T_SequencerServo Servo[KL_SERVOS_PER_SEQUENCER];
};

// A sequencer's mode byte: below KL_SEQ_MODE_FIRST_CODE a run mode (a
// direction, with KL_SEQ_MODE_LOOP_FLAG for a loop); from
// KL_SEQ_MODE_FIRST_PREVIEW up a servo held at a waypoint, in a loop up to
// KL_SEQ_MODE_LAST_LOOP_PREVIEW.
enum : int {
  KL_SEQ_MODE_LOOP_FLAG = 4,
  KL_SEQ_MODE_FIRST_CODE = 7,
  KL_SEQ_MODE_FIRST_PREVIEW = 88,
  KL_SEQ_MODE_LAST_LOOP_PREVIEW = 171,
};

struct T_LimiterPoints {
  int16_t Hi;
  int16_t Center;
  int16_t Lo;
};

struct T_Limiter {
  uint8_t IsUsed;
  uint8_t pad1;
  uint16_t FuncIdx;
  uint16_t ControlAbove;
  uint16_t ControlBelow;
  uint16_t LimitMask;
  T_LimiterPoints Above[KL_MAX_FLIGHTMODES];
  T_LimiterPoints Below[KL_MAX_FLIGHTMODES];
};

struct T_FlightMode {
  uint8_t IsUsed;
  uint8_t pad1;
  int16_t FadeIn;  // tenths of a second, magnitude used
  uint16_t FunctionNum;
  uint16_t NoFadeInFuncIdxs[KL_MAX_FUNCTIONS];
};

struct T_Curve {
  uint8_t IsUsed;
  uint8_t pad1;
  int16_t Point[KL_CURVE_POINTS];
  uint32_t RealPoints;
};

struct T_TrimControlCfg {
  uint16_t TrimSteps;
  uint8_t TrimFlags;
  uint8_t pad3;
  int16_t TrimValue[KL_MAX_FLIGHTMODES];
  uint8_t pad58[2];
  uint32_t Trim_FM_Mask;
};

struct T_VSwitchCondition {
  uint16_t Control;
  uint16_t Trigger;
  int16_t AboveHys;
  int16_t BelowHys;
  uint8_t IsInverted;
  uint8_t pad9;
};

struct T_VSwitch {
  uint8_t IsUsed;
  uint8_t IsVisible;
  uint8_t LogicalOperator;
  uint8_t pad3;
  T_VSwitchCondition Condition[2];
};

struct T_SpecialSwitch {
  int16_t Value[4];
};

struct T_FlightModeControlAssignment {
  uint16_t Control[KL_MAX_FM_SWITCH_SLOTS];
  uint8_t Flightmode[KL_FM_LUT_ENTRIES];
  uint8_t pad43;
};

struct T_TelemetryControl {
  uint8_t IsUsed;
  uint8_t IsSimulating;
  uint8_t IsInverted;
  uint8_t MainAddress;
  uint8_t SlaveAddress;
  uint8_t DecimalPosition;
  int16_t SimulationValue;
  int16_t FailSafeValue;
  int16_t LowerLimit;
  int16_t UpperLimit;
  uint16_t OutputControl;
  int16_t DefaultOutputValue;
};

// The engine's flat copy of a whole model, always laid out for the larger
// board; the smaller board uses the first entries of each array.
struct T_SetupData {
  T_ServoConfig ServoConfig[KL_MAX_SERVOS];
  T_Function Function[KL_MAX_FUNCTIONS];
  T_Mixer Mixer[KL_MAX_MIXERS];
  T_Sequencer Sequencer[KL_MAX_SEQUENCERS];
  T_Limiter Limiter[KL_MAX_LIMITERS];
  T_FlightMode FlightMode[KL_MAX_FLIGHTMODES];
  uint8_t pad81426[2];
  T_Curve Curve[KL_MAX_CURVES];
  T_TrimControlCfg TrimControl[KL_TRIM_CONTROLS];
  T_VSwitch VSwitch[KL_MAX_VSWITCHES];
  T_SpecialSwitch SpecialSwitch[1];
  T_FlightModeControlAssignment FlightModeAssignment;
  T_TelemetryControl TelemetryControl[KL_MAX_TELECONTROLS];
};

// What one calculation pass hands back: the count and the servo outputs.
struct T_ServoOutputs {
  int16_t count;
  int16_t value[KL_MAX_SERVOS];
};

// --- Layout pins -----------------------------------------------------------
#define KL_PIN(type, field, off) static_assert(offsetof(type, field) == (off), #type "." #field)

static_assert(sizeof(T_ServoMixer) == 10, "T_ServoMixer");
KL_PIN(T_ServoMixer, SourceType, 0);
KL_PIN(T_ServoMixer, FuncTravelMin, 2);
KL_PIN(T_ServoMixer, FuncTravelMax, 4);
KL_PIN(T_ServoMixer, FuncTravelFuncIndex, 6);
KL_PIN(T_ServoMixer, ServoCurveIndex, 8);

static_assert(sizeof(T_ServoConfig) == 100, "T_ServoConfig");
KL_PIN(T_ServoConfig, IsUsed, 0);
KL_PIN(T_ServoConfig, Connector, 1);
KL_PIN(T_ServoConfig, Group, 2);
KL_PIN(T_ServoConfig, Centre, 4);
KL_PIN(T_ServoConfig, MinValue, 6);
KL_PIN(T_ServoConfig, MaxValue, 8);
KL_PIN(T_ServoConfig, FrameRate, 10);
KL_PIN(T_ServoConfig, FunctionServoType, 11);
KL_PIN(T_ServoConfig, FailSafePosMode, 12);
KL_PIN(T_ServoConfig, FailSafePosValue, 14);
KL_PIN(T_ServoConfig, CutOffVirtSwitchId, 16);
KL_PIN(T_ServoConfig, CutOffValue, 18);
KL_PIN(T_ServoConfig, Mixer, 20);

static_assert(sizeof(T_FunctionSetup) == 30, "T_FunctionSetup");
KL_PIN(T_FunctionSetup, CurveIdx, 0);
KL_PIN(T_FunctionSetup, FlexRateHi, 2);
KL_PIN(T_FunctionSetup, FlexRateCenter, 4);
KL_PIN(T_FunctionSetup, FlexRateLo, 6);
KL_PIN(T_FunctionSetup, FlexExpoHi, 8);
KL_PIN(T_FunctionSetup, FlexExpoCenter, 10);
KL_PIN(T_FunctionSetup, FlexExpoLo, 12);
KL_PIN(T_FunctionSetup, FlexExpoNegHi, 14);
KL_PIN(T_FunctionSetup, FlexExpoNegCenter, 16);
KL_PIN(T_FunctionSetup, FlexExpoNegLo, 18);
KL_PIN(T_FunctionSetup, FlexDifferentialHi, 20);
KL_PIN(T_FunctionSetup, FlexDifferentialCenter, 22);
KL_PIN(T_FunctionSetup, FlexDifferentialLo, 24);
KL_PIN(T_FunctionSetup, DurationFromLeft, 26);
KL_PIN(T_FunctionSetup, DurationFromRight, 28);

static_assert(sizeof(T_FunctionServo) == 4, "T_FunctionServo");
static_assert(sizeof(T_Function) == 888, "T_Function");
KL_PIN(T_Function, IsUsed, 0);
KL_PIN(T_Function, Control, 2);
KL_PIN(T_Function, ControlRate, 4);
KL_PIN(T_Function, ControlExpo, 6);
KL_PIN(T_Function, ControlDifferential, 8);
KL_PIN(T_Function, TrimDifferential, 10);
KL_PIN(T_Function, TrimControl, 12);
KL_PIN(T_Function, TrimRange, 14);
KL_PIN(T_Function, TrimIsReverse, 16);
KL_PIN(T_Function, TrimMode, 17);
KL_PIN(T_Function, FailSafePosMode, 18);
KL_PIN(T_Function, FailSafePosValue, 20);
KL_PIN(T_Function, GlobalCurveIdx, 22);
KL_PIN(T_Function, Setup, 24);
KL_PIN(T_Function, ServoUseMask, 834);
KL_PIN(T_Function, Servo, 836);
KL_PIN(T_Function, FunctionFlags, 876);
KL_PIN(T_Function, Function_FM_Mask, 880);
KL_PIN(T_Function, Function_FM_DiffMask, 884);

static_assert(sizeof(T_MixerSetup) == 12, "T_MixerSetup");
KL_PIN(T_MixerSetup, GainHi, 0);
KL_PIN(T_MixerSetup, GainCenter, 2);
KL_PIN(T_MixerSetup, GainLo, 4);
KL_PIN(T_MixerSetup, CurveIdx, 6);
KL_PIN(T_MixerSetup, DelayUp, 8);
KL_PIN(T_MixerSetup, DelayDown, 10);

static_assert(sizeof(T_Mixer) == 348, "T_Mixer");
KL_PIN(T_Mixer, IsUsed, 0);
KL_PIN(T_Mixer, InheritForNext, 1);
KL_PIN(T_Mixer, FromFuncIdx, 2);
KL_PIN(T_Mixer, ToFuncIdx, 4);
KL_PIN(T_Mixer, IsTrimIncluded, 6);
KL_PIN(T_Mixer, Control, 8);
KL_PIN(T_Mixer, GlobalCurveIdx, 10);
KL_PIN(T_Mixer, SetupUseMask, 12);
KL_PIN(T_Mixer, Setup, 14);
KL_PIN(T_Mixer, MixerFlags, 340);
KL_PIN(T_Mixer, Mixer_FM_Mask, 344);

static_assert(sizeof(T_SequencerServo) == 58, "T_SequencerServo");
KL_PIN(T_SequencerServo, SEQChannel, 0);
KL_PIN(T_SequencerServo, TimeValueFwd, 2);
KL_PIN(T_SequencerServo, PositionFwd, 16);
KL_PIN(T_SequencerServo, TimeValueBwd, 30);
KL_PIN(T_SequencerServo, PositionBwd, 44);
static_assert(sizeof(T_Sequencer) == 356, "T_Sequencer");
KL_PIN(T_Sequencer, IsUsed, 0);
KL_PIN(T_Sequencer, ControlID, 2);
KL_PIN(T_Sequencer, ThldAbove, 4);
KL_PIN(T_Sequencer, ThldBelow, 6);
KL_PIN(T_Sequencer, Servo, 8);

static_assert(sizeof(T_LimiterPoints) == 6, "T_LimiterPoints");
static_assert(sizeof(T_Limiter) == 334, "T_Limiter");
KL_PIN(T_Limiter, IsUsed, 0);
KL_PIN(T_Limiter, FuncIdx, 2);
KL_PIN(T_Limiter, ControlAbove, 4);
KL_PIN(T_Limiter, ControlBelow, 6);
KL_PIN(T_Limiter, LimitMask, 8);
KL_PIN(T_Limiter, Above, 10);
KL_PIN(T_Limiter, Below, 172);

static_assert(sizeof(T_FlightMode) == 102, "T_FlightMode");
KL_PIN(T_FlightMode, IsUsed, 0);
KL_PIN(T_FlightMode, FadeIn, 2);
KL_PIN(T_FlightMode, FunctionNum, 4);
KL_PIN(T_FlightMode, NoFadeInFuncIdxs, 6);

static_assert(sizeof(T_Curve) == 72, "T_Curve");
KL_PIN(T_Curve, IsUsed, 0);
KL_PIN(T_Curve, Point, 2);
KL_PIN(T_Curve, RealPoints, 68);

static_assert(sizeof(T_TrimControlCfg) == 64, "T_TrimControlCfg");
KL_PIN(T_TrimControlCfg, TrimSteps, 0);
KL_PIN(T_TrimControlCfg, TrimFlags, 2);
KL_PIN(T_TrimControlCfg, TrimValue, 4);
KL_PIN(T_TrimControlCfg, Trim_FM_Mask, 60);

static_assert(sizeof(T_VSwitchCondition) == 10, "T_VSwitchCondition");
KL_PIN(T_VSwitchCondition, Control, 0);
KL_PIN(T_VSwitchCondition, Trigger, 2);
KL_PIN(T_VSwitchCondition, AboveHys, 4);
KL_PIN(T_VSwitchCondition, BelowHys, 6);
KL_PIN(T_VSwitchCondition, IsInverted, 8);
static_assert(sizeof(T_VSwitch) == 24, "T_VSwitch");
KL_PIN(T_VSwitch, IsUsed, 0);
KL_PIN(T_VSwitch, IsVisible, 1);
KL_PIN(T_VSwitch, LogicalOperator, 2);
KL_PIN(T_VSwitch, Condition, 4);

static_assert(sizeof(T_SpecialSwitch) == 8, "T_SpecialSwitch");

static_assert(sizeof(T_FlightModeControlAssignment) == 44, "T_FlightModeControlAssignment");
KL_PIN(T_FlightModeControlAssignment, Control, 0);
KL_PIN(T_FlightModeControlAssignment, Flightmode, 16);

static_assert(sizeof(T_TelemetryControl) == 18, "T_TelemetryControl");
KL_PIN(T_TelemetryControl, IsUsed, 0);
KL_PIN(T_TelemetryControl, IsSimulating, 1);
KL_PIN(T_TelemetryControl, IsInverted, 2);
KL_PIN(T_TelemetryControl, MainAddress, 3);
KL_PIN(T_TelemetryControl, SlaveAddress, 4);
KL_PIN(T_TelemetryControl, DecimalPosition, 5);
KL_PIN(T_TelemetryControl, SimulationValue, 6);
KL_PIN(T_TelemetryControl, FailSafeValue, 8);
KL_PIN(T_TelemetryControl, LowerLimit, 10);
KL_PIN(T_TelemetryControl, UpperLimit, 12);
KL_PIN(T_TelemetryControl, OutputControl, 14);
KL_PIN(T_TelemetryControl, DefaultOutputValue, 16);

static_assert(sizeof(T_SetupData) == 103584, "T_SetupData");
KL_PIN(T_SetupData, ServoConfig, 0);
KL_PIN(T_SetupData, Function, 2600);
KL_PIN(T_SetupData, Mixer, 45224);
KL_PIN(T_SetupData, Sequencer, 61928);
KL_PIN(T_SetupData, Limiter, 62640);
KL_PIN(T_SetupData, FlightMode, 78672);
KL_PIN(T_SetupData, pad81426, 81426);
KL_PIN(T_SetupData, Curve, 81428);
KL_PIN(T_SetupData, TrimControl, 99788);
KL_PIN(T_SetupData, VSwitch, 100172);
KL_PIN(T_SetupData, SpecialSwitch, 103244);
KL_PIN(T_SetupData, FlightModeAssignment, 103252);
KL_PIN(T_SetupData, TelemetryControl, 103296);

static_assert(sizeof(T_ServoOutputs) == 54, "T_ServoOutputs");

#undef KL_PIN
