#pragma once
// The engine's process-wide state, private to model/engine. Everything the
// engine keeps between passes is in KlEngineState, so one assignment resets it.
#include <atomic>
#include <cstdint>

#include "frame/klx_controlids.h"
#include "model/engine/kl_engine.h"

enum : int {
  KL_CONTROL_SLOTS = 176,
  KL_PHYS_SLOTS = 32,
  KL_VS_SLOT0 = 32,
  KL_TELE_SLOT0 = 160,
  KL_NO_BOOKMARK = 176,
  KL_NO_FLIGHTMODE = 27,
};

struct KlControlTable {
  uint16_t count;
  int16_t values[KL_CONTROL_SLOTS];
  uint16_t ids[KL_CONTROL_SLOTS];
};

struct KlFlightModeInfo {
  uint32_t lastTime;
  uint8_t lastSelected;
  int32_t step;
  int32_t level;  // 2047 at a change, falling to 0
  uint8_t remainder;
  uint16_t bookmarks[KL_MAX_FM_SWITCH_SLOTS];
};

struct KlTelemetryControlInfo {
  uint16_t id;
  uint16_t fullAddress;
  uint8_t valid;
  int16_t rawValue;
  uint8_t decPosSettings;
  uint8_t decPosResp;
  float physical;
  float scaled;
  float scale;
  uint32_t lastTime;
  int32_t countdown;
  int32_t reload;
  uint16_t bookmark;
};

// Travel-time slew shared by functions and mixers.
struct KlSlew {
  uint32_t lastTime;
  int32_t stepUp;    // 1/256 units per millisecond
  int32_t stepDown;
  int32_t current;
  uint8_t remainder;
  // Set-up block (flight mode) the steps were worked out from, so the
  // division runs only when it changes; 0xFF until the first pass and after
  // every index rebuild.
  uint8_t stepsFrom = 0xFF;
};

// Curve state shared by functions and mixers: the copy blended during a fade
// and the curve it fades from.
struct KlCurveState {
  uint8_t stale;
  uint16_t index;           // curve read in the last pass
  const int16_t* points;    // its points in the set-up block
  int32_t blendLevel;       // fade level of that read, 0 when not fading
  int16_t copy[KL_CURVE_POINTS];      // blended copy, filled for the screen
  int16_t fadeFrom[KL_CURVE_POINTS];
};

struct KlFunctionInfo {
  KlSlew slew;
  uint16_t bmInput, bmRate, bmExpo, bmDiff;
  int16_t curveCentre;
  uint8_t fading;
  uint8_t lastFm;
  int32_t rate, prevRate;
  double expo[2], prevExpo[2];
  double powBase;  // last expo power: its arguments and result
  int32_t powExponent;
  double powResult;
  int32_t diff, prevDiff;
  int32_t trim, prevTrim;
  KlCurveState curve;
};

// FunctionCurrentData columns.
enum : int {
  FcdTrim = 0,
  FcdTrimPrev = 1,
  FcdFinal = 2,
  FcdBeforeMixers = 3,
  FcdMixerSum = 4,
  FcdUpper = 5,
  FcdLower = 6,
  FcdColumns = 7,
};

struct KlMixerInfo {
  KlSlew slew;
  uint16_t bookmark;
  uint8_t fading;
  uint8_t lastFm;
  int32_t gain, prevGain;
  KlCurveState curve;
};

struct KlSequencerInfo {
  uint8_t locked;  // synchronisation flag
  int16_t value;
  int16_t pos[KL_SERVOS_PER_SEQUENCER];
  uint8_t runState;
  uint8_t prevDir;
  int32_t total[2];
  int32_t elapsed;
  uint8_t completed;
  uint32_t lastTime;
  uint16_t bookmark;
};

struct KlTrival {
  int16_t rate;
  int16_t expo[2];
  int16_t limMin;
  int16_t limMax;
  int16_t diff;
};


// --- The index of the used elements -----------------------------------------
// A pass would otherwise walk some 300 used flags spread over the 100 KB
// set-up block and decode every control id again. The index holds compact
// lists of the used elements of each kind, with their control ids sorted by
// kind and what else follows from the set-up alone. A pass over a
// KlSetupBlock keeps it while no write came through the block's door since
// it was built; a pass over a bare block always builds it anew. It is also
// dropped by kl_engine_invalidate_index (the setters inside an update
// bracket, the record initialisers) and rebuilt by
// kl_engine_update_control_bookmarks, and never serves another block or board.

// How a control id is read.
enum : uint8_t {
  KL_SRC_TABLE = 0,       // looked up in the control table
  KL_SRC_CONST = 1,       // fixed by the id alone
  KL_SRC_FUNCTION = 2,    // a function's value
  KL_SRC_VS_NEGATIVE = 3, // inverted switch n: on while switch n reads below zero
  KL_SRC_FM_ACTIVE = 4,   // flight mode n active
  KL_SRC_FM_INACTIVE = 5, // flight mode n inactive
};

struct KlSource {
  uint16_t id;  // the id looked up (switch n itself for KL_SRC_VS_NEGATIVE)
  uint8_t kind;
  uint8_t arg;       // function number or flight mode
  int16_t constant;  // KL_SRC_CONST
};

struct KlIdxFunction {
  uint8_t f;
  int8_t limiter;  // first used limiter of the function, -1 none
  int8_t trim;     // its trim control record, -1 no trim
  uint8_t mixBegin, mixEnd;  // its mixers in KlIndex::mixers
  uint8_t ownFailsafe;  // FailSafePosMode 2: its servos take the fail-safe value
  // Its travel assignments in KlIndex::travels and its curve assignments in
  // KlIndex::curveAssigns. The travel assignments come grouped by reduceSide
  // in the order 1, 0, 2 (assignment order within a group): those of side 0
  // start at travelSide0, those of side 2 at travelSide2, so a pass scales
  // one run at either end and adds the others, one run, as they are.
  uint16_t travelBegin, travelCount;
  uint16_t travelSide0, travelSide2;
  uint16_t curveBegin, curveEnd;
  KlSource input, rate, expo, diff;
  KlSource limitAbove, limitBelow;
};

struct KlIdxMixer {
  uint8_t j;
  uint8_t from;
  uint8_t inherit;
  KlSource gain;
};

// One servo assignment of a function: the servo-mixer travel (or the servo
// curve) already picked, so a pass does no search. Travel assignments live
// in KlIdxTravels; this record is kept for those with a servo curve.
struct KlIdxAssign {
  uint8_t servo;
  uint8_t reduceSide;  // 1 type 3 (reduced when differential x value > 0), 2 type 4 (< 0), 0
  int16_t failsafe;    // the assignment's fail-safe contribution
  int32_t travelNeg;   // -FuncTravelMin, FuncTravelMax (0 when no mixer matches)
  int32_t travelPos;
  const int16_t* curve;  // servo curve, or null for the travel
};

// A condition's hysteresis with its direction folded in: with v' = sign x v
// the latch turns on when v' > on and stays on while v' >= off.
struct KlIdxCondition {
  KlSource src;
  uint8_t unassigned;  // no control, or the unassigned id
  uint8_t inverted;
  int8_t sign;
  int32_t on, off;
};

struct KlIdxVSwitch {
  uint8_t n;
  // The logical operator as a truth table over a | b << 1 | wasOn << 2.
  uint8_t truth;
  KlIdxCondition c[2];
};

// Travel assignments as parallel arrays, so the servo stage runs tight
// loops without a branch per assignment.
enum : int { KL_TRAVEL_SLOTS = KL_MAX_FUNCTIONS * KL_SERVOS_PER_FUNCTION };
struct KlIdxTravels {
  alignas(16) int32_t neg[KL_TRAVEL_SLOTS];  // -FuncTravelMin
  alignas(16) int32_t pos[KL_TRAVEL_SLOTS];  // FuncTravelMax
  alignas(16) int32_t failsafe[KL_TRAVEL_SLOTS];
  uint8_t servo[KL_TRAVEL_SLOTS];
};

struct KlIndex {
  uint8_t valid;
  // The door-kept block it was built from and that block's write count then;
  // null when built from a bare block.
  const KlSetupBlock* owner;
  uint32_t ownerWrites;
  // The unused control slots of virtual switches and telemetry controls
  // keep what the last full pass wrote until the table is set up again or
  // the index changes; until then a pass writes only the used ones.
  uint8_t fullControlPass;
  const T_SetupData* block;
  const int32_t* cfg;

  uint8_t nFunctions, nMixers, nVSwitches, nMasters, nSlaves;
  uint16_t nTravels, nCurveAssigns;
  uint64_t noFade[KL_MAX_FLIGHTMODES];  // functions that a change into the mode does not fade
  int16_t functionCount;  // highest used function + 1
  int16_t lastUsedVsSlot;  // -1 none
  KlIdxFunction functions[KL_MAX_FUNCTIONS];
  KlIdxMixer mixers[KL_MAX_MIXERS];
  KlIdxTravels travels;
  KlIdxAssign curveAssigns[KL_MAX_FUNCTIONS * KL_SERVOS_PER_FUNCTION];
  KlIdxVSwitch vswitches[KL_MAX_VSWITCHES];
  uint8_t teleUsed[KL_MAX_TELECONTROLS];
  KlSource teleOutput[KL_MAX_TELECONTROLS];
  uint8_t masters[KL_MAX_SERVOS];  // used servos without a group, or group masters
  uint8_t slaves[KL_MAX_SERVOS];   // used group slaves
  uint8_t servoUsed[KL_MAX_SERVOS];
};

// Expo powers b^n for n = 0..2048 of one base, in three steps of the
// exponent: b^i, b^16i, b^256i. Built only once the base holds still.
struct KlPowTable {
  double d;  // the expo the base came from; 0 none
  double lo[16], mid[16], hi[9];
};

struct KlEngineState {
  const int32_t* pEngineCfg = kl_engine_cfg_Vorn;

  KlControlTable ControlValues;
  uint8_t flightmode;
  KlFlightModeInfo FlightModeInfo;
  int16_t HysteresisState[KL_MAX_VSWITCHES][2];
  uint16_t VirtualSwitchBookmarkCtrl[KL_MAX_VSWITCHES][2];
  KlTelemetryControlInfo TelemetryControlInfo[KL_MAX_TELECONTROLS];

  int16_t FunctionValues[KL_MAX_FUNCTIONS + 1];
  int16_t PureFunctionValues[KL_MAX_FUNCTIONS + 1];
  int16_t MixersAdditives[KL_MAX_FUNCTIONS + 1];
  KlFunctionInfo FunctionInfo[KL_MAX_FUNCTIONS];
  int16_t FunctionCurrentData[KL_MAX_FUNCTIONS][FcdColumns];
  KlMixerInfo MixerInfo[KL_MAX_MIXERS];
  uint16_t LimiterBookmarks[KL_MAX_LIMITERS][2];
  KlSequencerInfo SequencerInfo[KL_MAX_SEQUENCERS];
  int32_t ShadowServoPosition[KL_MAX_SERVOS];
  int32_t ShadowFailsafePosition[KL_MAX_SERVOS];
  uint8_t SlaveMaster[KL_MAX_SERVOS];
  int16_t TrimInstant[2];  // input, trim of the shown function
  const int16_t* pFadingCurve;
  int8_t shownKind;  // 0 none, 1 function, 2 mixer
  uint8_t shownIndex;
  KlTrival trivalvalue[KL_MAX_FUNCTIONS];
  int16_t trivalMixer[KL_MAX_MIXERS];

  uint32_t tick_count;
  bool update;
  bool uncached;  // reference passes for the tests: see kl_engine_set_uncached_passes

  KlIndex index;
  KlPowTable powTable[KL_MAX_FUNCTIONS][2];

  KlSeqLockHook funcPtrSeqDirectionLock;
  KlSeqLockHook funcPtrSeqDirectionUnLock;
  KlSeqSyncHook funcPtrSeqDirectionSyncDatabase;
};

enum : int8_t { KL_SHOWN_NONE = 0, KL_SHOWN_FUNCTION = 1, KL_SHOWN_MIXER = 2 };

// The one engine of the process; constant-initialised, so code that runs
// before main already sees a valid size table.
extern KlEngineState g_klEngine;
// The block the index was last built from, for the record writers of other
// threads (KlIndex::block belongs to the pass).
extern std::atomic<const T_SetupData*> g_klIndexedBlock;

inline int kl_cfg(int entry) { return g_klEngine.pEngineCfg[entry]; }

inline int32_t kl_clamp(int32_t v, int32_t lo, int32_t hi) {
  return v < lo ? lo : (v > hi ? hi : v);
}

// Interpolates by control c between lo, center and hi; limited to -2047..2047.
inline int32_t kl_interpolate(int32_t c, int32_t lo, int32_t center, int32_t hi) {
  int32_t r;
  if (c < 0)
    r = center + c * (center - lo) / 2047;
  else if (c > 0)
    r = center + c * (hi - center) / 2047;
  else
    r = center;
  return kl_clamp(r, -2047, 2047);
}

// n / 2047 truncated toward zero, exact for |n| < 2^28, in adds, shifts and
// compares only, which vectorise where a division by a constant does not.
// (a + a/2^11 + a/2^22) / 2^11 is at most one short of a / 2047; the
// remainder shows when.
inline int32_t kl_div2047(int32_t n) {
  const int32_t s = n >> 31;  // 0, or -1 below zero
  const int32_t a = (n ^ s) - s;
  int32_t q = (a + (a >> 11) + (a >> 22)) >> 11;
  const int32_t r = a - ((q << 11) - q);
  q += r >= 2047 ? 1 : 0;
  return (q ^ s) - s;
}

// Moves x from its value at the flight-mode change towards its new value.
inline int32_t kl_blend(int32_t x, int32_t previous, int32_t level) {
  return x - level * (x - previous) / 2047;
}

// Looks an id up in the control table: bookmark first, then from slot 0.
int16_t kl_table_search(uint16_t id, uint16_t* bookmark, bool* found);
inline int16_t kl_table_lookup(uint16_t id, uint16_t* bookmark, bool* found) {
  const KlControlTable& t = g_klEngine.ControlValues;
  const unsigned b = *bookmark;
  if (b < t.count && t.ids[b] == id) {
    *found = true;
    return t.values[b];
  }
  return kl_table_search(id, bookmark, found);
}

// The value of an id fixed by the id alone: a constant, none, on, off or
// the unassigned id.
inline int16_t kl_fixed_control_value(uint16_t id) {
  if (KLX_ControlIsConstant(id)) {
    // A 12-bit two's-complement constant.
    const int v = id & KLX_CONTROL_CONST_VALUE;
    return static_cast<int16_t>(v >= 0x800 ? v - 0x1000 : v);
  }
  return id == CONTROLID_FIXSWITCH_ON_GUI ? 2047 : (id == CONTROLID_FIXSWITCH_OFF_GUI ? -2047 : 0);
}

// The value of a control id (Get_ControlValue).
inline int16_t kl_control_value(uint16_t id, uint16_t* bookmark) {
  if (!bookmark) return KL_CV_NONE;
  if (KLX_ControlIsConstant(id)) return kl_fixed_control_value(id);
  if (id <= CONTROLID_FIXSWITCH_OFF_GUI)
    return id == CONTROLID_FIXSWITCH_ON_GUI ? 2047 : (id == CONTROLID_FIXSWITCH_OFF_GUI ? -2047 : 0);
  if (id == CONTROLID_Invalid_GUI) return 0;
  const unsigned n = id & KLX_CONTROL_NUMBER_MASK;
  bool found;
  switch (KLX_ControlKind(id)) {
    case KLX_CONTROL_KIND_FuncOut:
      // A function number beyond the board's count names no function.
      if (n >= static_cast<unsigned>(kl_cfg(EngineCfgFunctions))) return 0;
      return g_klEngine.FunctionValues[n + 1];
    case KLX_CONTROL_KIND_VSInv:
      return kl_table_lookup(static_cast<uint16_t>(KLX_ControlOfVirtualSwitch(n)), bookmark, &found) < 0
                 ? 2047
                 : -2047;
    case KLX_CONTROL_KIND_FM: return g_klEngine.flightmode == n ? 2047 : -2047;
    case KLX_CONTROL_KIND_FMInv: return g_klEngine.flightmode == n ? -2047 : 2047;
    default: return kl_table_lookup(id, bookmark, &found);
  }
}

// A control id sorted by kind for the index; reads as kl_control_value does.
KlSource kl_resolve_source(uint16_t id);

inline int16_t kl_source_value(const KlSource& s, uint16_t* bookmark) {
  bool found;
  // The two common kinds first, by compare rather than through the table
  // of the switch.
  if (s.kind == KL_SRC_TABLE) return kl_table_lookup(s.id, bookmark, &found);
  if (s.kind == KL_SRC_CONST) return s.constant;
  switch (s.kind) {
    case KL_SRC_FUNCTION: return g_klEngine.FunctionValues[s.arg + 1];
    case KL_SRC_VS_NEGATIVE: return kl_table_lookup(s.id, bookmark, &found) < 0 ? 2047 : -2047;
    case KL_SRC_FM_ACTIVE: return g_klEngine.flightmode == s.arg ? 2047 : -2047;
    default: return g_klEngine.flightmode == s.arg ? -2047 : 2047;
  }
}

// Builds the index from a block; it then belongs to no door-kept block.
void kl_engine_rebuild_index(const T_SetupData* setup);
// The index for a door-kept block, rebuilt first unless it was built from
// this block, on this board, and no write came through the door since.
inline const KlIndex& kl_engine_index_for(const KlSetupBlock& setup) {
  KlIndex& x = g_klEngine.index;
  if (!x.valid || x.owner != &setup || x.ownerWrites != setup.Writes() || setup.WriteOpen() ||
      x.cfg != g_klEngine.pEngineCfg || g_klEngine.uncached) {
    kl_engine_rebuild_index(&setup.Read());
    x.owner = &setup;
    x.ownerWrites = setup.Writes();
  }
  return x;
}

// Internal steps shared between the engine's source files.
void kl_engine_step_telemetry_controls(const T_SetupData* setup, const KlIndex& x);
void kl_engine_step_virtual_switches(const T_SetupData* setup, const KlIndex& x);
void kl_engine_step_flightmode(const T_SetupData* setup);
void kl_engine_step_sequencers(T_SetupData* setup);
int16_t kl_engine_curve_value(const int16_t* points, int32_t x);
