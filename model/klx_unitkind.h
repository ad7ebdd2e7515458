#pragma once
// The kinds of model units the engine copies from the stores when they are
// marked, with the entry of the engine's size table that counts each (-1: a
// fixed count).
#include "model/engine/kl_engine.h"

#define KLX_UNIT_KINDS(X)                          \
  X(Function, EngineCfgFunctions, 0)               \
  X(Mixer, EngineCfgMixers, 0)                     \
  X(Limiter, EngineCfgLimiters, 0)                 \
  X(Flightmode, EngineCfgFlightModes, 0)           \
  X(Curve, EngineCfgCurves, 0)                     \
  X(Sequencer, EngineCfgSequencers, 0)             \
  X(ServoConfig, EngineCfgServos, 0)               \
  X(Switch, EngineCfgVirtualSwitches, 0)           \
  X(Trim, EngineCfgEntries, KL_TRIM_CONTROLS)      \
  X(TeleControl, EngineCfgTelemetryControls, 0)    \
  X(FlightmodeAss, EngineCfgEntries, 1)            \
  X(SpecialSwitch, EngineCfgEntries, 1)

#define KLX_UNIT_KIND_ENUM(name, entry, fixed) name,
enum class KLX_UnitKind : int { KLX_UNIT_KINDS(KLX_UNIT_KIND_ENUM) Count };
#undef KLX_UNIT_KIND_ENUM

// How many units of a kind the board has.
inline int KLX_UnitKindCount(KLX_UnitKind kind) {
#define KLX_UNIT_KIND_COUNT(name, entry, fixed) \
  case KLX_UnitKind::name:                      \
    return (fixed) ? (fixed) : kl_engine_cfg_count(entry);
  switch (kind) {
    KLX_UNIT_KINDS(KLX_UNIT_KIND_COUNT)
    default:
      return 0;
  }
#undef KLX_UNIT_KIND_COUNT
}
