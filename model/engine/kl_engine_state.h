#pragma once
// The engine's process-wide state, private to model/engine. Everything the
// engine keeps between passes is in KlEngineState, so one assignment resets it.
#include <cstdint>

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
  int32_t servoBase[KL_SERVOS_PER_FUNCTION];
  int16_t servoFailsafe[KL_SERVOS_PER_FUNCTION];
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

  KlSeqLockHook funcPtrSeqDirectionLock;
  KlSeqLockHook funcPtrSeqDirectionUnLock;
  KlSeqSyncHook funcPtrSeqDirectionSyncDatabase;
};

enum : int8_t { KL_SHOWN_NONE = 0, KL_SHOWN_FUNCTION = 1, KL_SHOWN_MIXER = 2 };

// The one engine of the process; constant-initialised, so code that runs
// before main already sees a valid size table.
extern KlEngineState g_klEngine;

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

// Moves x from its value at the flight-mode change towards its new value.
inline int32_t kl_blend(int32_t x, int32_t previous, int32_t level) {
  return x - level * (x - previous) / 2047;
}

// Looks an id up in the control table: bookmark first, then from slot 0.
inline int16_t kl_table_lookup(uint16_t id, uint16_t* bookmark, bool* found) {
  const KlControlTable& t = g_klEngine.ControlValues;
  const unsigned count = t.count;
  unsigned b = *bookmark;
  if (b < count && t.ids[b] == id) {
    *found = true;
    return t.values[b];
  }
  for (unsigned i = 0; i < count; ++i) {
    if (t.ids[i] == id) {
      *bookmark = static_cast<uint16_t>(i);
      *found = true;
      return t.values[i];
    }
  }
  *found = false;
  return KL_CV_NONE;
}

// The value of a control id (Get_ControlValue), inline for the pass.
inline int16_t kl_control_value(uint16_t id, uint16_t* bookmark) {
  if (!bookmark) return KL_CV_NONE;
  if ((id & 0xF000u) == 0x8000u) {
    // A 12-bit two's-complement constant.
    const int v = id & 0x0FFF;
    return static_cast<int16_t>(v >= 0x800 ? v - 0x1000 : v);
  }
  if (id <= 3) return id == 2 ? 2047 : (id == 3 ? -2047 : 0);
  if (id == 65535) return 0;
  const unsigned hi = id & 0xFF00u;
  const unsigned n = id & 0x00FFu;
  bool found;
  switch (hi) {
    case 0x700:
      // A function number beyond the board's count names no function.
      if (n >= static_cast<unsigned>(kl_cfg(EngineCfgFunctions))) return 0;
      return g_klEngine.FunctionValues[n + 1];
    case 0x800:
      return kl_table_lookup(static_cast<uint16_t>(0x500 + n), bookmark, &found) < 0 ? 2047
                                                                                   : -2047;
    case 0x900: return g_klEngine.flightmode == n ? 2047 : -2047;
    case 0xA00: return g_klEngine.flightmode == n ? -2047 : 2047;
    default: return kl_table_lookup(id, bookmark, &found);
  }
}

// Internal steps shared between the engine's source files.
void kl_engine_step_telemetry_controls(const T_SetupData* setup);
void kl_engine_step_virtual_switches(const T_SetupData* setup);
void kl_engine_step_flightmode(const T_SetupData* setup);
void kl_engine_step_sequencers(T_SetupData* setup);
int16_t kl_engine_curve_value(const int16_t* points, int32_t x);
