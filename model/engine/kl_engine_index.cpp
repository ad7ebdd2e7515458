// The index of the used elements (see KlIndex) and the control-id decoding
// the pass reads it through.
#include <cstring>
#include <initializer_list>

#include "model/engine/kl_engine_state.h"

namespace {

KlEngineState& E = g_klEngine;

}  // namespace

int16_t kl_table_search(uint16_t id, uint16_t* bookmark, bool* found) {
  const KlControlTable& t = E.ControlValues;
  const unsigned count = t.count;
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

KlSource kl_resolve_source(uint16_t id) {
  KlSource s{id, KL_SRC_TABLE, 0, 0};
  auto constant = [&](int v) {
    s.kind = KL_SRC_CONST;
    s.constant = static_cast<int16_t>(v);
  };
  if (KLX_ControlIsConstant(id) || id <= CONTROLID_FIXSWITCH_OFF_GUI || id == CONTROLID_Invalid_GUI) {
    constant(kl_fixed_control_value(id));
    return s;
  }
  const unsigned n = id & KLX_CONTROL_NUMBER_MASK;
  switch (KLX_ControlKind(id)) {
    case KLX_CONTROL_KIND_FuncOut:
      if (n >= static_cast<unsigned>(kl_cfg(EngineCfgFunctions))) {
        constant(0);
      } else {
        s.kind = KL_SRC_FUNCTION;
        s.arg = static_cast<uint8_t>(n);
      }
      break;
    case KLX_CONTROL_KIND_VSInv:
      s.kind = KL_SRC_VS_NEGATIVE;
      s.id = static_cast<uint16_t>(KLX_ControlOfVirtualSwitch(n));
      break;
    case KLX_CONTROL_KIND_FM:
      s.kind = KL_SRC_FM_ACTIVE;
      s.arg = static_cast<uint8_t>(n);
      break;
    case KLX_CONTROL_KIND_FMInv:
      s.kind = KL_SRC_FM_INACTIVE;
      s.arg = static_cast<uint8_t>(n);
      break;
    default: break;
  }
  return s;
}

namespace {

// The servo-mixer an assignment reads, as the servo stage of a pass would
// pick it: travel, servo curve or nothing.
void ResolveAssign(const T_SetupData* b, const T_Function& r, int f, int s, KlIdxAssign& a) {
  const unsigned n = r.Servo[s].ServoIdx;
  const unsigned m = r.Servo[s].ServoMixerIdx;
  const T_ServoConfig& sc = b->ServoConfig[n];
  a.servo = static_cast<uint8_t>(n);
  a.reduceSide = sc.FunctionServoType == 3 ? 1 : (sc.FunctionServoType == 4 ? 2 : 0);
  a.curve = nullptr;
  a.travelNeg = a.travelPos = 0;
  const T_ServoMixer* pick = &sc.Mixer[m];
  if (sc.Mixer[m].SourceType == 3) {
    // The first servo-mixer that names this function; none gives 0.
    pick = nullptr;
    for (const T_ServoMixer& sm : sc.Mixer) {
      if (sm.FuncTravelFuncIndex != f) continue;
      if (sm.ServoCurveIndex < kl_cfg(EngineCfgCurves))
        a.curve = b->Curve[sm.ServoCurveIndex].Point;
      else
        pick = &sm;
      break;
    }
  }
  if (pick) {
    a.travelNeg = -pick->FuncTravelMin;
    a.travelPos = pick->FuncTravelMax;
  }
  // Fail-safe: the fail-safe value through the assignment's own servo-mixer.
  const T_ServoMixer& sm = sc.Mixer[m];
  const int32_t p = r.FailSafePosValue;
  int32_t contribution = 0;
  if (p < 0)
    contribution = p * -sm.FuncTravelMin / 2047;
  else if (p > 0)
    contribution = sm.FuncTravelMax * p / 2047;
  a.failsafe = static_cast<int16_t>(kl_clamp(contribution, -32768, 32767));
}

// The stages of an index rebuild, each over one kind of element.

// Mixers grouped by the function they feed, in index order within each
// group; a mixer from no function adds nothing and keeps no state.
// mixStart[f] .. mixStart[f + 1] are function f's.
void IndexMixers(const T_SetupData* b, KlIndex& x, uint8_t (&mixStart)[KL_MAX_FUNCTIONS + 1]) {
  const int fnCount = kl_cfg(EngineCfgFunctions);
  const int mxCount = kl_cfg(EngineCfgMixers);
  for (int j = 0; j < mxCount; ++j) {
    const T_Mixer& m = b->Mixer[j];
    if (m.IsUsed && m.ToFuncIdx < fnCount && m.FromFuncIdx < fnCount) ++mixStart[m.ToFuncIdx + 1];
  }
  for (int f = 0; f < fnCount; ++f) mixStart[f + 1] = static_cast<uint8_t>(mixStart[f + 1] + mixStart[f]);
  uint8_t fill[KL_MAX_FUNCTIONS];
  std::memcpy(fill, mixStart, sizeof fill);
  x.nMixers = mixStart[fnCount];
  for (int j = 0; j < mxCount; ++j) {
    const T_Mixer& m = b->Mixer[j];
    if (!m.IsUsed || m.ToFuncIdx >= fnCount || m.FromFuncIdx >= fnCount) continue;
    KlIdxMixer& mx = x.mixers[fill[m.ToFuncIdx]++];
    mx.j = static_cast<uint8_t>(j);
    mx.from = static_cast<uint8_t>(m.FromFuncIdx);
    mx.inherit = m.InheritForNext;
    mx.gain = kl_resolve_source(m.Control);
  }
}

// The first used limiter of each function, -1 none.
void FirstLimiters(const T_SetupData* b, int8_t (&firstLimiter)[KL_MAX_FUNCTIONS]) {
  const int fnCount = kl_cfg(EngineCfgFunctions);
  std::memset(firstLimiter, -1, sizeof firstLimiter);
  for (int l = kl_cfg(EngineCfgLimiters) - 1; l >= 0; --l) {
    const T_Limiter& lim = b->Limiter[l];
    if (lim.IsUsed && lim.FuncIdx < fnCount) firstLimiter[lim.FuncIdx] = static_cast<int8_t>(l);
  }
}

// A function's servo assignments: those through a servo curve to
// x.curveAssigns, the travels to x.travels grouped by reduceSide.
void IndexServoAssignments(const T_SetupData* b, const T_Function& r, int f, KlIdxFunction& e, KlIndex& x) {
  const int servoCount = kl_cfg(EngineCfgServos);
  e.travelBegin = x.nTravels;
  e.curveBegin = x.nCurveAssigns;
  KlIdxAssign travels[KL_SERVOS_PER_FUNCTION];
  int nTravels = 0;
  const unsigned assigned = r.ServoUseMask & ((1u << KL_SERVOS_PER_FUNCTION) - 1);
  for (unsigned bits = assigned; bits; bits &= bits - 1) {
    const int s = __builtin_ctz(bits);
    // A servo-mixer index beyond the servo's eight names no mixer.
    if (r.Servo[s].ServoIdx >= static_cast<unsigned>(servoCount) ||
        r.Servo[s].ServoMixerIdx >= KL_MIXERS_PER_SERVO)
      continue;
    KlIdxAssign a;
    ResolveAssign(b, r, f, s, a);
    if (a.curve)
      x.curveAssigns[x.nCurveAssigns++] = a;
    else
      travels[nTravels++] = a;
  }
  // Grouped by reduceSide: the servo sums do not depend on the order of
  // their terms.
  KlIdxTravels& tr = x.travels;
  for (const int side : {1, 0, 2}) {
    if (side == 0) e.travelSide0 = x.nTravels;
    if (side == 2) e.travelSide2 = x.nTravels;
    for (int k = 0; k < nTravels; ++k) {
      const KlIdxAssign& a = travels[k];
      if (a.reduceSide != side) continue;
      const int i = x.nTravels++;
      tr.neg[i] = a.travelNeg;
      tr.pos[i] = a.travelPos;
      tr.failsafe[i] = a.failsafe;
      tr.servo[i] = a.servo;
    }
  }
  e.travelCount = static_cast<uint16_t>(x.nTravels - e.travelBegin);
  e.curveEnd = x.nCurveAssigns;
}

// The used functions in index order, with their sources, trim, mixers,
// limiter and servo assignments.
void IndexFunctions(const T_SetupData* b, KlIndex& x) {
  uint8_t mixStart[KL_MAX_FUNCTIONS + 1] = {};
  IndexMixers(b, x, mixStart);
  int8_t firstLimiter[KL_MAX_FUNCTIONS];
  FirstLimiters(b, firstLimiter);

  x.nFunctions = 0;
  x.nTravels = 0;
  x.nCurveAssigns = 0;
  x.functionCount = 0;
  const int fnCount = kl_cfg(EngineCfgFunctions);
  for (int f = 0; f < fnCount; ++f) {
    const T_Function& r = b->Function[f];
    if (!r.IsUsed) continue;
    KlIdxFunction& e = x.functions[x.nFunctions++];
    e.f = static_cast<uint8_t>(f);
    x.functionCount = static_cast<int16_t>(f + 1);
    e.input = kl_resolve_source(r.Control);
    e.rate = kl_resolve_source(r.ControlRate);
    e.expo = kl_resolve_source(r.ControlExpo);
    e.diff = kl_resolve_source(r.ControlDifferential);
    e.trim = (r.TrimMode < 5 && r.TrimControl >= 1 && r.TrimControl <= 65534)
                 ? static_cast<int8_t>(kl_engine_get_trimindex_by_control(r.TrimControl))
                 : -1;
    e.mixBegin = mixStart[f];
    e.mixEnd = mixStart[f + 1];
    e.limiter = firstLimiter[f];
    if (e.limiter >= 0) {
      e.limitAbove = kl_resolve_source(b->Limiter[e.limiter].ControlAbove);
      e.limitBelow = kl_resolve_source(b->Limiter[e.limiter].ControlBelow);
    }
    e.ownFailsafe = r.FailSafePosMode == 2;
    IndexServoAssignments(b, r, f, e, x);
  }
}

// Per flight mode, the functions a change into it does not fade.
void IndexNoFade(const T_SetupData* b, KlIndex& x) {
  for (int fm = 0; fm < KL_MAX_FLIGHTMODES; ++fm) {
    const T_FlightMode& fmr = b->FlightMode[fm];
    const int num = fmr.FunctionNum < KL_MAX_FUNCTIONS ? int(fmr.FunctionNum) : int(KL_MAX_FUNCTIONS);
    uint64_t mask = 0;
    for (int k = 0; k < num; ++k)
      if (fmr.NoFadeInFuncIdxs[k] < KL_MAX_FUNCTIONS) mask |= uint64_t(1) << fmr.NoFadeInFuncIdxs[k];
    x.noFade[fm] = mask;
  }
}

// A virtual switch's logical operator as a truth table over
// a | b << 1 | wasOn << 2.
uint8_t TruthTable(uint8_t op) {
  uint8_t truth = 0;
  for (int bits = 0; bits < 8; ++bits) {
    const bool a = bits & 1, h = bits & 2, wasOn = bits & 4;
    bool on;
    switch (op) {
      case 0: on = a && h; break;
      case 1: on = a || h; break;
      case 2: on = a != h; break;
      case 3: on = wasOn ? a : (a && !h); break;
      case 4: on = wasOn ? (h || !a) : !a; break;
      default: on = false; break;
    }
    truth = static_cast<uint8_t>(truth | (on << bits));
  }
  return truth;
}

// The used virtual switches, in slot order.
void IndexVSwitches(const T_SetupData* b, KlIndex& x) {
  x.nVSwitches = 0;
  x.lastUsedVsSlot = -1;
  for (int n = 0; n < kl_cfg(EngineCfgVirtualSwitches); ++n) {
    const T_VSwitch& vs = b->VSwitch[n];
    if (!vs.IsUsed) continue;
    KlIdxVSwitch& e = x.vswitches[x.nVSwitches++];
    e.n = static_cast<uint8_t>(n);
    for (int c = 0; c < 2; ++c) {
      const T_VSwitchCondition& vc = vs.Condition[c];
      KlIdxCondition& ic = e.c[c];
      const uint16_t id = vc.Control;
      ic.unassigned = id == CONTROLID_None_GUI || id == CONTROLID_Invalid_GUI;
      ic.src = kl_resolve_source(id);
      ic.inverted = vc.IsInverted != 0;
      // Above the upper threshold turns on and below the lower one turns
      // off; with the thresholds the other way round, both directions swap.
      const int a = vc.AboveHys;
      const int h = vc.BelowHys;
      ic.sign = a > h ? 1 : -1;
      ic.on = ic.sign * a;
      ic.off = ic.sign * h;
    }
    e.truth = TruthTable(vs.LogicalOperator);
    x.lastUsedVsSlot = static_cast<int16_t>(KL_VS_SLOT0 + n);
  }
}

// Servos: ungrouped ones and group masters first, then the slaves.
void IndexServos(const T_SetupData* b, KlIndex& x) {
  x.nMasters = x.nSlaves = 0;
  for (int n = 0; n < kl_cfg(EngineCfgServos); ++n) {
    const T_ServoConfig& sc = b->ServoConfig[n];
    x.servoUsed[n] = sc.IsUsed != 0;
    if (!sc.IsUsed) continue;
    if ((sc.Group & 0x1F) == 0 || (sc.Group & 0x80))
      x.masters[x.nMasters++] = static_cast<uint8_t>(n);
    else
      x.slaves[x.nSlaves++] = static_cast<uint8_t>(n);
  }
}

}  // namespace

std::atomic<const T_SetupData*> g_klIndexedBlock{nullptr};

void kl_engine_rebuild_index(const T_SetupData* b) {
  KlIndex& x = E.index;
  x.valid = 0;
  x.owner = nullptr;
  if (!b) return;
  x.block = b;
  g_klIndexedBlock.store(b, std::memory_order_relaxed);
  x.cfg = E.pEngineCfg;
  IndexFunctions(b, x);
  IndexNoFade(b, x);
  IndexVSwitches(b, x);
  for (int i = 0; i < kl_cfg(EngineCfgTelemetryControls); ++i) {
    x.teleUsed[i] = b->TelemetryControl[i].IsUsed != 0;
    x.teleOutput[i] = kl_resolve_source(b->TelemetryControl[i].OutputControl);
  }
  IndexServos(b, x);

  // The caches that follow from the set-up start again.
  for (KlFunctionInfo& fi : E.FunctionInfo) fi.slew.stepsFrom = 0xFF;
  for (KlMixerInfo& mi : E.MixerInfo) mi.slew.stepsFrom = 0xFF;
  x.fullControlPass = 1;
  x.valid = 1;
}

void kl_engine_invalidate_index() { E.index.valid = 0; }

void kl_engine_set_uncached_passes(bool on) {
  E.uncached = on;
  E.index.valid = 0;
}
