#pragma once
// Random models and random runs for the tests that compare two ways of
// computing the same passes. Every choice comes from one 64-bit generator
// with a fixed seed, so a failing model can be replayed by its number.
#include <cstdint>
#include <vector>

#include "engine_fixture.h"

namespace enginetest {

class Rng {
 public:
  explicit Rng(uint64_t seed) : s_(seed) {}
  uint64_t Next() {
    // splitmix64
    uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
  int In(int lo, int hi) { return lo + Below(hi - lo + 1); }
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  uint64_t s_;
};

constexpr uint16_t kSticksAll[4] = {kStick0, kStick1, kStick2, kStick3};
constexpr uint16_t kTrimIds[6] = {512, 513, 752, 753, 514, 754};
// Every physical control id, in slot order.
constexpr uint16_t kPhysical[32] = {256, 257, 496, 497, 512, 513, 752, 753, 514, 754, 1024,
                                    1025, 1264, 1265, 768, 769, 770, 771, 772, 776, 773, 1013,
                                    1016, 1012, 1011, 1010, 1009, 1008, 774, 775, 1014, 1015};

// A control id of any kind a set-up can name, the odd ones included.
inline uint16_t RandomControl(Rng& r) {
  switch (r.Below(14)) {
    case 0: case 1: case 2: return kSticksAll[r.Below(4)];
    case 3: return kPhysical[r.Below(32)];
    case 4: return static_cast<uint16_t>(0x8000 + r.Below(0x1000));  // constant
    case 5: return static_cast<uint16_t>(r.Below(4));                // 0..3
    case 6: return 65535;
    case 7: return static_cast<uint16_t>(0x700 + r.Below(56));  // function value
    case 8: return static_cast<uint16_t>(0x800 + r.Below(132));  // switch below zero
    case 9: return static_cast<uint16_t>(0x900 + r.Below(30));  // flight mode active
    case 10: return static_cast<uint16_t>(0xA00 + r.Below(30));
    case 11: return static_cast<uint16_t>(0x500 + r.Below(132));  // virtual switch
    case 12: return static_cast<uint16_t>(0x600 + r.Below(18));   // telemetry control
    default: return static_cast<uint16_t>(r.In(4, 3000));          // anything
  }
}

inline int16_t RandomValue(Rng& r, int lo = -2047, int hi = 2047) {
  return static_cast<int16_t>(r.Chance(5) ? r.In(-4000, 4000) : r.In(lo, hi));
}

inline void RandomServo(Rng& r, T_SetupData& b, int n) {
  T_ServoConfig& s = b.ServoConfig[n];
  s.IsUsed = r.Chance(70);
  s.Group = static_cast<uint8_t>(r.Chance(60) ? 0 : (r.Below(4) | (r.Below(4) << 5)));
  s.Centre = RandomValue(r, -300, 300);
  s.MinValue = RandomValue(r, -2400, -500);
  s.MaxValue = RandomValue(r, 500, 2400);
  s.FunctionServoType = static_cast<uint8_t>(r.Below(6));
  s.FailSafePosMode = static_cast<uint8_t>(r.Below(3));
  s.FailSafePosValue = RandomValue(r);
  s.CutOffVirtSwitchId = static_cast<uint8_t>(r.Chance(70) ? 255 : r.Below(132));
  s.CutOffValue = RandomValue(r);
  for (T_ServoMixer& m : s.Mixer) {
    m.SourceType = static_cast<uint8_t>(r.Chance(30) ? 3 : 2);
    m.FuncTravelMin = RandomValue(r, -2047, 0);
    m.FuncTravelMax = RandomValue(r, 0, 2047);
    m.FuncTravelFuncIndex = static_cast<uint16_t>(r.Below(50));
    m.ServoCurveIndex = static_cast<uint16_t>(r.Chance(50) ? 255 : r.Below(255));
  }
}

inline void RandomFunctionSetup(Rng& r, T_FunctionSetup& s) {
  s.CurveIdx = static_cast<uint16_t>(r.Chance(30) ? 255 : r.Below(260));
  s.FlexRateHi = RandomValue(r);
  s.FlexRateCenter = RandomValue(r);
  s.FlexRateLo = RandomValue(r);
  s.FlexExpoHi = RandomValue(r);
  s.FlexExpoCenter = static_cast<int16_t>(r.Chance(30) ? 0 : RandomValue(r));
  s.FlexExpoLo = RandomValue(r);
  s.FlexExpoNegHi = RandomValue(r);
  s.FlexExpoNegCenter = static_cast<int16_t>(r.Chance(30) ? 0 : RandomValue(r));
  s.FlexExpoNegLo = RandomValue(r);
  s.FlexDifferentialHi = RandomValue(r);
  s.FlexDifferentialCenter = RandomValue(r);
  s.FlexDifferentialLo = RandomValue(r);
  s.DurationFromLeft = static_cast<uint16_t>(r.Chance(60) ? 0 : r.In(1, 60));
  s.DurationFromRight = static_cast<uint16_t>(r.Chance(60) ? 0 : r.In(1, 60));
}

inline void RandomFunction(Rng& r, T_SetupData& b, int f) {
  T_Function& fn = b.Function[f];
  fn.IsUsed = r.Chance(75);
  fn.Control = RandomControl(r);
  fn.ControlRate = r.Chance(50) ? 2 : RandomControl(r);
  fn.ControlExpo = r.Chance(50) ? 2 : RandomControl(r);
  fn.ControlDifferential = r.Chance(50) ? 2 : RandomControl(r);
  fn.TrimControl = r.Chance(30) ? 0 : (r.Chance(80) ? kTrimIds[r.Below(6)] : RandomControl(r));
  fn.TrimRange = RandomValue(r, 0, 2047);
  fn.TrimIsReverse = r.Chance(20);
  fn.TrimMode = static_cast<uint8_t>(r.Below(7));
  fn.FailSafePosMode = static_cast<uint8_t>(r.Below(3));
  fn.FailSafePosValue = RandomValue(r);
  fn.GlobalCurveIdx = static_cast<uint16_t>(r.Chance(40) ? 255 : r.Below(256));
  for (T_FunctionSetup& s : fn.Setup) RandomFunctionSetup(r, s);
  fn.ServoUseMask = static_cast<uint16_t>(r.Next() & (r.Chance(10) ? 0xFFFF : 0x3FF));
  for (T_FunctionServo& s : fn.Servo) {
    s.ServoIdx = static_cast<uint16_t>(r.Below(30));
    s.ServoMixerIdx = static_cast<uint16_t>(r.Chance(90) ? r.Below(8) : r.Below(12));
  }
  fn.Function_FM_Mask = static_cast<uint32_t>(r.Next());
  fn.Function_FM_DiffMask = static_cast<uint32_t>(r.Next());
}

inline void RandomMixer(Rng& r, T_SetupData& b, int j) {
  T_Mixer& m = b.Mixer[j];
  m.IsUsed = r.Chance(70);
  m.InheritForNext = r.Chance(30);
  m.FromFuncIdx = static_cast<uint16_t>(r.Below(52));
  m.ToFuncIdx = static_cast<uint16_t>(r.Below(52));
  m.IsTrimIncluded = r.Chance(50);
  m.Control = r.Chance(40) ? 2 : RandomControl(r);
  m.GlobalCurveIdx = static_cast<uint16_t>(r.Chance(40) ? 255 : r.Below(256));
  for (T_MixerSetup& s : m.Setup) {
    s.GainHi = RandomValue(r);
    s.GainCenter = RandomValue(r);
    s.GainLo = RandomValue(r);
    s.CurveIdx = static_cast<uint16_t>(r.Chance(30) ? 255 : r.Below(256));
    s.DelayUp = static_cast<uint16_t>(r.Chance(60) ? 0 : r.In(1, 60));
    s.DelayDown = static_cast<uint16_t>(r.Chance(60) ? 0 : r.In(1, 60));
  }
  m.Mixer_FM_Mask = static_cast<uint32_t>(r.Next());
}

inline void RandomLimiter(Rng& r, T_SetupData& b, int l) {
  T_Limiter& lim = b.Limiter[l];
  lim.IsUsed = r.Chance(40);
  lim.FuncIdx = static_cast<uint16_t>(r.Below(52));
  lim.ControlAbove = RandomControl(r);
  lim.ControlBelow = RandomControl(r);
  for (int fm = 0; fm < KL_MAX_FLIGHTMODES; ++fm) {
    lim.Above[fm] = {RandomValue(r), RandomValue(r), RandomValue(r)};
    lim.Below[fm] = {RandomValue(r), RandomValue(r), RandomValue(r)};
  }
}

inline void RandomFlightMode(Rng& r, T_SetupData& b, int m) {
  T_FlightMode& fm = b.FlightMode[m];
  fm.IsUsed = r.Chance(70);
  fm.FadeIn = static_cast<int16_t>(r.Chance(30) ? 0 : r.In(-40, 40));
  fm.FunctionNum = static_cast<uint16_t>(r.Below(52));
  for (uint16_t& f : fm.NoFadeInFuncIdxs) f = static_cast<uint16_t>(r.Below(60));
}

inline void RandomVSwitch(Rng& r, T_SetupData& b, int n) {
  T_VSwitch& v = b.VSwitch[n];
  v.IsUsed = r.Chance(50);
  v.LogicalOperator = static_cast<uint8_t>(r.Below(6));
  for (T_VSwitchCondition& c : v.Condition) {
    c.Control = r.Chance(10) ? 0 : RandomControl(r);
    c.AboveHys = RandomValue(r);
    c.BelowHys = RandomValue(r);
    c.IsInverted = r.Chance(30);
  }
}

inline void RandomTelemetry(Rng& r, T_SetupData& b, int t) {
  T_TelemetryControl& c = b.TelemetryControl[t];
  c.IsUsed = r.Chance(50);
  c.IsSimulating = r.Chance(30);
  c.IsInverted = r.Chance(30);
  c.MainAddress = static_cast<uint8_t>(r.Chance(10) ? 255 : r.Below(16));
  c.SlaveAddress = static_cast<uint8_t>(r.Chance(10) ? 255 : 0);
  c.DecimalPosition = static_cast<uint8_t>(r.Below(3));
  c.SimulationValue = RandomValue(r, -200, 200);
  c.FailSafeValue = RandomValue(r, -200, 200);
  c.LowerLimit = RandomValue(r, -200, 0);
  c.UpperLimit = static_cast<int16_t>(r.Chance(5) ? c.LowerLimit : RandomValue(r, 0, 200));
  c.OutputControl = r.Chance(50) ? 2 : RandomControl(r);
  c.DefaultOutputValue = RandomValue(r);
}

inline void RandomSequencer(Rng& r, T_SetupData& b, int q) {
  T_Sequencer& s = b.Sequencer[q];
  s.IsUsed = static_cast<uint8_t>(r.Chance(50) ? r.In(1, 2) | (r.Chance(20) ? 4 : 0) : 0);
  s.ControlID = RandomControl(r);
  s.ThldAbove = RandomValue(r);
  s.ThldBelow = RandomValue(r);
  for (T_SequencerServo& sv : s.Servo) {
    sv.SEQChannel = static_cast<uint16_t>(r.Below(30));
    int t = 0;
    for (int w = 0; w < KL_SEQ_WAYPOINTS; ++w) {
      t += r.Below(300);
      sv.TimeValueFwd[w] = sv.TimeValueBwd[w] = static_cast<uint16_t>(t);
      sv.PositionFwd[w] = static_cast<int16_t>(r.Chance(20) ? int16_t(KL_CV_NONE) : RandomValue(r));
      sv.PositionBwd[w] = static_cast<int16_t>(r.Chance(20) ? int16_t(KL_CV_NONE) : RandomValue(r));
    }
  }
}

inline void RandomCurve(Rng& r, T_SetupData& b, int c) {
  for (int16_t& p : b.Curve[c].Point) p = RandomValue(r);
}

// A whole model: the engine's defaults, then every element drawn at random.
inline void RandomModel(Rng& r, T_SetupData& b) {
  kl_engine_init_setupdata(&b);
  for (int n = 0; n < KL_MAX_SERVOS; ++n) RandomServo(r, b, n);
  for (int f = 0; f < KL_MAX_FUNCTIONS; ++f) RandomFunction(r, b, f);
  for (int j = 0; j < KL_MAX_MIXERS; ++j) RandomMixer(r, b, j);
  for (int l = 0; l < KL_MAX_LIMITERS; ++l) RandomLimiter(r, b, l);
  for (int m = 0; m < KL_MAX_FLIGHTMODES; ++m) RandomFlightMode(r, b, m);
  for (int n = 0; n < KL_MAX_VSWITCHES; ++n) RandomVSwitch(r, b, n);
  for (int t = 0; t < KL_MAX_TELECONTROLS; ++t) RandomTelemetry(r, b, t);
  for (int q = 0; q < KL_MAX_SEQUENCERS; ++q) RandomSequencer(r, b, q);
  for (int c = 0; c < 40; ++c) RandomCurve(r, b, r.Below(KL_MAX_CURVES));
  for (T_TrimControlCfg& t : b.TrimControl) {
    for (int16_t& v : t.TrimValue) v = RandomValue(r, -300, 300);
    t.Trim_FM_Mask = static_cast<uint32_t>(r.Next());
  }
  T_FlightModeControlAssignment& a = b.FlightModeAssignment;
  for (uint16_t& c : a.Control) c = r.Chance(40) ? 65535 : RandomControl(r);
  for (uint8_t& m : a.Flightmode) m = static_cast<uint8_t>(r.Below(30));
}

// Redraws one element of a running model, as an edit on the screens would.
inline void RandomEdit(Rng& r, T_SetupData& b) {
  switch (r.Below(10)) {
    case 0: RandomServo(r, b, r.Below(KL_MAX_SERVOS)); break;
    case 1: case 2: RandomFunction(r, b, r.Below(KL_MAX_FUNCTIONS)); break;
    case 3: RandomMixer(r, b, r.Below(KL_MAX_MIXERS)); break;
    case 4: RandomLimiter(r, b, r.Below(KL_MAX_LIMITERS)); break;
    case 5: RandomFlightMode(r, b, r.Below(KL_MAX_FLIGHTMODES)); break;
    case 6: RandomVSwitch(r, b, r.Below(KL_MAX_VSWITCHES)); break;
    case 7: RandomTelemetry(r, b, r.Below(KL_MAX_TELECONTROLS)); break;
    case 8: RandomCurve(r, b, r.Below(KL_MAX_CURVES)); break;
    default: {
      // One used flag flipped.
      switch (r.Below(4)) {
        case 0: b.Function[r.Below(KL_MAX_FUNCTIONS)].IsUsed ^= 1; break;
        case 1: b.Mixer[r.Below(KL_MAX_MIXERS)].IsUsed ^= 1; break;
        case 2: b.VSwitch[r.Below(KL_MAX_VSWITCHES)].IsUsed ^= 1; break;
        default: b.ServoConfig[r.Below(KL_MAX_SERVOS)].IsUsed ^= 1; break;
      }
    }
  }
}

// Everything a pass leaves for its readers, one value after the other.
inline void Record(const T_ServoOutputs& out, const T_SetupData& b, std::vector<int64_t>& v) {
  v.push_back(out.count);
  for (int16_t x : out.value) v.push_back(x);
  const int16_t* fv = kl_engine_get_funcvalues_pointer();
  const int16_t* pv = kl_engine_get_purefuncvalues_pointer();
  const int16_t* mv = kl_engine_get_mixersadditives_pointer();
  for (int i = 0; i <= KL_MAX_FUNCTIONS; ++i) {
    v.push_back(fv[i]);
    v.push_back(pv[i]);
    v.push_back(mv[i]);
  }
  for (int f = 0; f < KL_MAX_FUNCTIONS; ++f) {
    v.push_back(kl_engine_get_trival_rate(f));
    v.push_back(kl_engine_get_trival_expo(f, 0));
    v.push_back(kl_engine_get_trival_expo(f, 1));
    v.push_back(kl_engine_get_trival_limitermin(f));
    v.push_back(kl_engine_get_trival_limitermax(f));
    v.push_back(kl_engine_get_trival_differential(f));
    v.push_back(kl_engine_get_trival_mixer(f));
    v.push_back(kl_engine_get_fading_trimvalue(f));
  }
  for (int s = 0; s < 176; ++s) {
    v.push_back(kl_engine_get_control_value(s));
    v.push_back(kl_engine_get_control_ID(s));
  }
  for (int n = 0; n < KL_MAX_VSWITCHES; ++n) {
    v.push_back(kl_engine_get_vs_hys_value(n, 0));
    v.push_back(kl_engine_get_vs_hys_value(n, 1));
  }
  for (int t = 0; t < KL_MAX_TELECONTROLS; ++t) {
    float scaled = 0.0f;
    const float physical = kl_engine_telecontrol_get_calculated_value(t, &scaled);
    uint32_t bits[2];
    std::memcpy(&bits[0], &physical, 4);
    std::memcpy(&bits[1], &scaled, 4);
    v.push_back(bits[0]);
    v.push_back(bits[1]);
    v.push_back(kl_engine_telecontrol_get_fulladdr(t));
    v.push_back(kl_engine_telecontrol_get_actualdec_pos_resp(t));
  }
  for (int q = 0; q < KL_MAX_SEQUENCERS; ++q) {
    v.push_back(kl_engine_get_sequencer_active_time(q));
    v.push_back(kl_engine_get_is_sequencer_locked(q));
    v.push_back(kl_is_sequencer_run_completed(q));
    v.push_back(kl_engine_get_sequencer_actual_dirstate(&b, q));
  }
  v.push_back(kl_engine_get_flightmode());
}

}  // namespace enginetest
