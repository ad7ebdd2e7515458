// One calculation pass: control stages, flight mode, the function value chain
// with mixers and limiters, sequencers, and the servo stage. Integer divisions
// truncate toward zero; the curve look-ups shift as the controllers do.
#include <cmath>
#include <cstring>

#include "model/engine/kl_engine_state.h"

namespace {

KlEngineState& E = g_klEngine;

inline int32_t Abs(int32_t v) { return v < 0 ? -v : v; }

inline int16_t Sat16(int32_t v) { return static_cast<int16_t>(kl_clamp(v, -32768, 32767)); }

// Travel time D (tenths of a second) as a step in 1/256 units per millisecond.
inline int32_t StepFromDuration(uint16_t d) { return d ? 0x100000 / (d * 100) : 0; }

// Moves the slewed value toward the target at the rising or falling step; a
// direction without a step, or the first run, jumps. Limited to -4094..4094.
int32_t Slew(KlSlew& s, int32_t target, uint32_t now) {
  if (s.lastTime != 0) {
    const int64_t dt = static_cast<uint32_t>(now - s.lastTime);
    if (target > s.current && s.stepUp != 0) {
      int64_t acc = s.stepUp * dt + s.remainder;
      const int64_t cap = s.remainder + static_cast<int64_t>(target - s.current) * 256;
      if (acc > cap) acc = cap;
      s.remainder = static_cast<uint8_t>(acc & 0xFF);
      s.current += static_cast<int32_t>(acc / 256);
    } else if (target < s.current && s.stepDown != 0) {
      int64_t acc = s.stepDown * dt + s.remainder;
      const int64_t cap = s.remainder + static_cast<int64_t>(s.current - target) * 256;
      if (acc > cap) acc = cap;
      s.remainder = static_cast<uint8_t>(acc & 0xFF);
      s.current -= static_cast<int32_t>(acc / 256);
    } else {
      s.current = target;
    }
  } else {
    s.current = target;
  }
  s.lastTime = now;
  s.current = kl_clamp(s.current, -4094, 4094);
  return s.current;
}

// A curve read over -2047..2047 in 33 points. The input is clamped first:
// mixer sources reach +/-4094 and a missing control reads -2048, which would
// index past the last point. While fading, only the two points read are
// blended from the fade-from curve (the same numbers as blending all 33).
inline int32_t CurveRead(const int16_t* p, const int16_t* from, int32_t level, int32_t x) {
  x = kl_clamp(x, -2047, 2047);
  const int32_t u = x + 2047;
  const int32_t seg = u >> 7;
  const int32_t frac = u & 127;
  int32_t a = p[seg];
  int32_t b = p[seg + 1];
  if (from) {
    a = kl_blend(a, from[seg], level);
    b = kl_blend(b, from[seg + 1], level);
  }
  return a + ((frac * (b - a)) >> 7);
}

// The servo curve over -4096..4096: 256 input units per segment.
inline int32_t ServoCurveRead(const int16_t* p, int32_t v) {
  v = kl_clamp(v, -4096, 4095);
  const int32_t u = v + 4096;
  const int32_t seg = u >> 8;
  const int32_t frac = u & 255;
  return p[seg] + ((frac * (p[seg + 1] - p[seg])) >> 8);
}

// v x (-FuncTravelMin) / 2047 below 0, v x FuncTravelMax / 2047 above
// (0 gives 0 either way); a select rather than a branch, as the sign of v
// changes with the sticks.
inline int32_t Travel(const T_ServoMixer& m, int32_t v) {
  const int32_t travel = v < 0 ? -m.FuncTravelMin : m.FuncTravelMax;
  return v * travel / 2047;
}

void MaterialiseCopy(KlCurveState& cs, int32_t level) {
  for (int p = 0; p < KL_CURVE_POINTS; ++p)
    cs.copy[p] = static_cast<int16_t>(kl_blend(cs.points[p], cs.fadeFrom[p], level));
}

// Curve state at the start of an element's pass: the first copy of its curve.
void CurveStart(KlCurveState& cs, const int16_t* points, unsigned index) {
  if (!cs.stale) return;
  cs.stale = 0;
  std::memcpy(cs.copy, points, sizeof cs.copy);
  cs.index = static_cast<uint16_t>(index);
  cs.points = points;
}

// At a flight-mode change: the curve to fade from is what the element read
// last, blended if it was itself still fading.
void CaptureFadeFrom(KlCurveState& cs, const T_SetupData* setup, bool wasFading) {
  const int16_t* old = setup->Curve[cs.index].Point;
  if (wasFading) {
    for (int p = 0; p < KL_CURVE_POINTS; ++p)
      cs.fadeFrom[p] = static_cast<int16_t>(kl_blend(old[p], cs.fadeFrom[p], cs.blendLevel));
  } else {
    std::memcpy(cs.fadeFrom, old, sizeof cs.fadeFrom);
  }
}

// After the read: remember what was read and offer the blended copy to the
// screen when this element is the one shown.
void CurveEnd(KlCurveState& cs, const int16_t* points, unsigned index, bool fading,
              int32_t level, bool shown) {
  cs.index = static_cast<uint16_t>(index);
  cs.points = points;
  cs.blendLevel = fading ? level : 0;
  if (!shown) return;
  if (fading) {
    MaterialiseCopy(cs, level);
    E.pFadingCurve = cs.copy;
  } else {
    E.pFadingCurve = nullptr;
  }
}

struct PassCtx {
  T_SetupData* setup;
  uint32_t now;
  uint8_t fm;
  int32_t level;
  int fnCount, mxCount, lmCount, servoCount, curveCount, vsCount;
};

int32_t MixerContribution(const PassCtx& c, int j, int f) {
  const T_Mixer& m = c.setup->Mixer[j];
  KlMixerInfo& mi = E.MixerInfo[j];
  const unsigned g = m.FromFuncIdx;
  if (g >= static_cast<unsigned>(c.fnCount)) return 0;

  const bool dep = (m.Mixer_FM_Mask >> c.fm) & 1u;
  const T_MixerSetup& blk = m.Setup[dep ? c.fm : 0];
  mi.slew.stepUp = StepFromDuration(blk.DelayUp);
  mi.slew.stepDown = StepFromDuration(blk.DelayDown);

  const int16_t* gd = E.FunctionCurrentData[g];
  int32_t src = gd[FcdBeforeMixers] + (m.IsTrimIncluded ? gd[FcdTrim] : 0);
  if (src > gd[FcdUpper]) src = gd[FcdUpper];
  if (src < gd[FcdLower]) src = gd[FcdLower];
  const int32_t slewed = Slew(mi.slew, src, c.now);

  unsigned curveIdx = dep ? blk.CurveIdx : m.GlobalCurveIdx;
  if (curveIdx >= static_cast<unsigned>(c.curveCount)) curveIdx = 0;
  const int16_t* points = c.setup->Curve[curveIdx].Point;
  CurveStart(mi.curve, points, curveIdx);

  // A mixer fades with the function it feeds.
  if (mi.lastFm != c.fm) {
    const bool wasFading = mi.fading;
    mi.fading = E.FunctionInfo[f].fading;
    mi.prevGain = mi.gain;
    if (mi.fading) CaptureFadeFrom(mi.curve, c.setup, wasFading);
    mi.lastFm = c.fm;
  }
  if (c.level == 0) mi.fading = 0;
  const bool fading = mi.fading;

  const int32_t cv = CurveRead(points, fading ? mi.curve.fadeFrom : nullptr, c.level, slewed);
  CurveEnd(mi.curve, points, curveIdx, fading, c.level,
           E.shownKind == KL_SHOWN_MIXER && E.shownIndex == j);

  int32_t gain = kl_interpolate(kl_control_value(m.Control, &mi.bookmark), blk.GainLo,
                                blk.GainCenter, blk.GainHi);
  if (fading) gain = kl_blend(gain, mi.prevGain, c.level);
  mi.gain = gain;
  E.trivalMixer[j] = static_cast<int16_t>(gain);
  return cv * gain / 2047;
}

void CalcFunction(const PassCtx& c, int f, const uint8_t* mixers, int mixerCount, int limiter) {
  const T_Function& r = c.setup->Function[f];
  KlFunctionInfo& fi = E.FunctionInfo[f];
  int16_t* cd = E.FunctionCurrentData[f];
  const uint8_t fm = c.fm;
  const int32_t level = c.level;
  const bool shown = E.shownKind == KL_SHOWN_FUNCTION && E.shownIndex == f;

  // 1. The flight mode's set-up block when the function has its own there.
  const bool fmDep = (r.Function_FM_Mask >> fm) & 1u;
  const T_FunctionSetup& blk = r.Setup[fmDep ? fm : 0];
  unsigned curveIdx = fmDep ? blk.CurveIdx : r.GlobalCurveIdx;
  if (curveIdx >= static_cast<unsigned>(c.curveCount)) curveIdx = 0;
  const int16_t* points = c.setup->Curve[curveIdx].Point;

  // 2. Input.
  CurveStart(fi.curve, points, curveIdx);
  const int32_t x = kl_control_value(r.Control, &fi.bmInput);

  // 3. Travel-time steps.
  fi.slew.stepUp = StepFromDuration(blk.DurationFromLeft);
  fi.slew.stepDown = StepFromDuration(blk.DurationFromRight);

  // 4. Fail-safe contributions of the servo assignments.
  const unsigned assigned = r.ServoUseMask & ((1u << KL_SERVOS_PER_FUNCTION) - 1);
  for (unsigned bits = assigned; bits; bits &= bits - 1) {
    const int s = __builtin_ctz(bits);
    const unsigned n = r.Servo[s].ServoIdx;
    const unsigned m = r.Servo[s].ServoMixerIdx;
    if (n >= static_cast<unsigned>(c.servoCount)) continue;
    int32_t contribution = 0;
    if (m < KL_MIXERS_PER_SERVO) {
      const T_ServoMixer& sm = c.setup->ServoConfig[n].Mixer[m];
      const int32_t p = r.FailSafePosValue;
      if (p < 0)
        contribution = p * -sm.FuncTravelMin / 2047;
      else if (p > 0)
        contribution = sm.FuncTravelMax * p / 2047;
    }
    fi.servoFailsafe[s] = Sat16(contribution);
    fi.servoBase[s] = 0;
  }

  // 5. Flight-mode change: remember what to fade from.
  if (fi.lastFm != fm) {
    const T_FlightMode& fmr = c.setup->FlightMode[fm];
    bool noFade = false;
    const int num = fmr.FunctionNum < KL_MAX_FUNCTIONS ? int(fmr.FunctionNum) : int(KL_MAX_FUNCTIONS);
    for (int k = 0; k < num && !noFade; ++k) noFade = fmr.NoFadeInFuncIdxs[k] == f;
    const bool wasFading = fi.fading;
    fi.fading = !noFade;
    fi.prevRate = fi.rate;
    fi.prevExpo[0] = fi.expo[0];
    fi.prevExpo[1] = fi.expo[1];
    fi.prevDiff = fi.diff;
    fi.prevTrim = fi.trim;
    if (fi.fading) CaptureFadeFrom(fi.curve, c.setup, wasFading);
    fi.lastFm = fm;
  }
  if (level == 0) fi.fading = 0;
  const bool fading = fi.fading;

  // 6. Trim.
  int32_t trim = 0;
  if (r.TrimMode < 5 && r.TrimControl >= 1 && r.TrimControl <= 65534) {
    const T_TrimControlCfg& tc = c.setup->TrimControl[kl_engine_get_trimindex_by_control(r.TrimControl)];
    const int32_t tv = ((tc.Trim_FM_Mask >> fm) & 1u) ? tc.TrimValue[fm] : tc.TrimValue[0];
    int32_t t = tv * r.TrimRange / 2047;
    switch (r.TrimMode) {
      case 1: t = t * (2047 - Abs(x)) / 2047; break;
      case 2: t = x < 0 ? -(x * t) / 2047 : 0; break;
      case 3: t = x > 0 ? x * t / 2047 : 0; break;
      case 4: break;
      default: t = 0; break;
    }
    if (r.TrimIsReverse) t = -t;
    if (fading) t = kl_blend(t, fi.prevTrim, level);
    trim = t;
  }
  fi.trim = trim;
  if (shown) {
    E.TrimInstant[0] = Sat16(x);
    E.TrimInstant[1] = Sat16(trim);
  }

  // 7. Curve.
  const int16_t* from = fading ? fi.curve.fadeFrom : nullptr;
  const int32_t cv = CurveRead(points, from, level, x);
  fi.curveCentre = Sat16(CurveRead(points, from, level, 0));
  CurveEnd(fi.curve, points, curveIdx, fading, level, shown);

  // 8. Rate.
  int32_t rate = kl_interpolate(kl_control_value(r.ControlRate, &fi.bmRate), blk.FlexRateLo,
                                blk.FlexRateCenter, blk.FlexRateHi);
  if (fading) rate = kl_blend(rate, fi.prevRate, level);
  fi.rate = rate;
  int32_t value = cv * rate / 2047;

  // 9. Expo, per side of the input.
  const int32_t ce = kl_control_value(r.ControlExpo, &fi.bmExpo);
  double e[2] = {
      kl_interpolate(ce, blk.FlexExpoLo, blk.FlexExpoCenter, blk.FlexExpoHi) * 1.75,
      kl_interpolate(ce, blk.FlexExpoNegLo, blk.FlexExpoNegCenter, blk.FlexExpoNegHi) * 1.75};
  KlTrival& tv = E.trivalvalue[f];
  if (fading) {
    for (int s = 0; s < 2; ++s) {
      e[s] = e[s] - level * (e[s] - fi.prevExpo[s]) / 2047.0;
      tv.expo[s] = static_cast<int16_t>(e[s] / 1.75);
    }
  } else {
    // e / 1.75 is the interpolated point again, exactly.
    tv.expo[0] = static_cast<int16_t>(kl_interpolate(ce, blk.FlexExpoLo, blk.FlexExpoCenter, blk.FlexExpoHi));
    tv.expo[1] = static_cast<int16_t>(kl_interpolate(ce, blk.FlexExpoNegLo, blk.FlexExpoNegCenter, blk.FlexExpoNegHi));
  }
  fi.expo[0] = e[0];
  fi.expo[1] = e[1];
  const double d = e[x < 0 ? 1 : 0];
  if (d != 0.0) {
    const int32_t centre = fi.curveCentre * rate / 2047;
    const int power = 2048 - Abs(x);
    // pow is the costliest step; sticks often rest, so the last result is
    // kept for the same arguments.
    if (d != fi.powBase || power != fi.powExponent) {
      fi.powBase = d;
      fi.powExponent = power;
      fi.powResult = std::pow(1.0 - d / (3600000.0 - 500.0 * d), power);
    }
    value = static_cast<int32_t>(centre + (value - centre) * fi.powResult);
  }

  // 10. Mixers feeding this function, in index order.
  int32_t before = value;
  cd[FcdTrim] = Sat16(trim);
  cd[FcdBeforeMixers] = Sat16(kl_clamp(before, -4094, 4094));
  int32_t sum = value + trim;
  int32_t mixTotal = 0;
  for (int i = 0; i < mixerCount; ++i) {
    const int j = mixers[i];
    const int32_t contribution = MixerContribution(c, j, f);
    sum += contribution;
    mixTotal += contribution;
    if (c.setup->Mixer[j].InheritForNext) {
      before += contribution;
      cd[FcdBeforeMixers] = Sat16(kl_clamp(before, -4094, 4094));
    }
  }

  // 11. Limits.
  before = kl_clamp(before, -4094, 4094);
  int32_t upper = 4094;
  int32_t lower = -4094;
  if (limiter >= 0) {
    const T_Limiter& l = c.setup->Limiter[limiter];
    const T_LimiterPoints& a = l.Above[fm];
    const T_LimiterPoints& b = l.Below[fm];
    upper = 2 * kl_interpolate(kl_control_value(l.ControlAbove, &E.LimiterBookmarks[limiter][0]),
                               a.Lo, a.Center, a.Hi);
    lower = 2 * kl_interpolate(kl_control_value(l.ControlBelow, &E.LimiterBookmarks[limiter][1]),
                               b.Lo, b.Center, b.Hi);
  }
  if (sum > upper) sum = upper;
  if (sum < lower) sum = lower;

  // 12. Travel time.
  const int32_t final = Slew(fi.slew, sum, c.now);

  // 13. Differential.
  const bool diffDep = (r.Function_FM_DiffMask >> fm) & 1u;
  const T_FunctionSetup& db = r.Setup[diffDep ? fm : 0];
  int32_t diff = kl_interpolate(kl_control_value(r.ControlDifferential, &fi.bmDiff),
                                db.FlexDifferentialLo, db.FlexDifferentialCenter,
                                db.FlexDifferentialHi);
  if (fading) diff = kl_blend(diff, fi.prevDiff, level);
  fi.diff = diff;

  // 14. Servo distribution.
  for (unsigned bits = assigned; bits; bits &= bits - 1) {
    const int s = __builtin_ctz(bits);
    const unsigned n = r.Servo[s].ServoIdx;
    const unsigned m = r.Servo[s].ServoMixerIdx;
    // A servo-mixer index beyond the servo's eight names no mixer.
    if (n >= static_cast<unsigned>(c.servoCount) || m >= KL_MIXERS_PER_SERVO) continue;
    const T_ServoConfig& sc = c.setup->ServoConfig[n];
    int32_t out = 0;
    if (sc.Mixer[m].SourceType == 3) {
      for (const T_ServoMixer& sm : sc.Mixer) {
        if (sm.FuncTravelFuncIndex != f) continue;
        out = sm.ServoCurveIndex < c.curveCount
                  ? ServoCurveRead(c.setup->Curve[sm.ServoCurveIndex].Point, final)
                  : Travel(sm, final);
        break;
      }
    } else {
      out = Travel(sc.Mixer[m], final);
    }
    // The reduced side is scaled by (2047 - |differential|) / 2047; the other
    // by 2047 / 2047, which leaves it exactly as it is.
    const int32_t dv = diff * final;
    const bool reduce = (dv > 0 && sc.FunctionServoType == 3) || (dv < 0 && sc.FunctionServoType == 4);
    const int32_t scale = reduce ? 2047 - Abs(diff) : 2047;
    out = out * scale / 2047;
    const int32_t fs = fi.servoFailsafe[s] * scale / 2047;
    out = kl_clamp(out, -2047, 2047);
    E.ShadowServoPosition[n] += out;
    E.ShadowFailsafePosition[n] += r.FailSafePosMode == 2 ? fs : out;
  }

  // 15. Publish.
  cd[FcdTrim] = Sat16(trim);
  cd[FcdTrimPrev] = Sat16(fi.prevTrim);
  cd[FcdFinal] = static_cast<int16_t>(final);
  cd[FcdBeforeMixers] = static_cast<int16_t>(before);
  cd[FcdMixerSum] = Sat16(mixTotal);
  cd[FcdUpper] = static_cast<int16_t>(upper);
  cd[FcdLower] = static_cast<int16_t>(lower);
  E.FunctionValues[1 + f] = static_cast<int16_t>(final);
  E.PureFunctionValues[1 + f] = Sat16(before + trim);
  E.MixersAdditives[1 + f] = Sat16(mixTotal);
  tv.rate = static_cast<int16_t>(rate);
  tv.limMin = static_cast<int16_t>(lower);
  tv.limMax = static_cast<int16_t>(upper);
  tv.diff = static_cast<int16_t>(diff);
}

void CalcFunctions(const PassCtx& c) {
  // Gather the used elements first in short loops, so the scattered used
  // flags load side by side; then group the mixers by the function they feed
  // (each group in index order) and find each function's first used limiter.
  const T_SetupData* b = c.setup;
  uint8_t usedFn[KL_MAX_FUNCTIONS];
  int nFn = 0;
  for (int f = 0; f < c.fnCount; ++f)
    if (b->Function[f].IsUsed) usedFn[nFn++] = static_cast<uint8_t>(f);
  uint8_t usedMx[KL_MAX_MIXERS];
  uint8_t usedMxTo[KL_MAX_MIXERS];
  int nMx = 0;
  for (int j = 0; j < c.mxCount; ++j) {
    const T_Mixer& m = b->Mixer[j];
    if (m.IsUsed && m.ToFuncIdx < c.fnCount) {
      usedMx[nMx] = static_cast<uint8_t>(j);
      usedMxTo[nMx++] = static_cast<uint8_t>(m.ToFuncIdx);
    }
  }
  int8_t firstLimiter[KL_MAX_FUNCTIONS];
  std::memset(firstLimiter, -1, sizeof firstLimiter);
  for (int l = c.lmCount - 1; l >= 0; --l) {
    const T_Limiter& lim = b->Limiter[l];
    if (lim.IsUsed && lim.FuncIdx < c.fnCount) firstLimiter[lim.FuncIdx] = static_cast<int8_t>(l);
  }
  uint8_t mixStart[KL_MAX_FUNCTIONS + 1] = {};
  uint8_t mixList[KL_MAX_MIXERS];
  for (int i = 0; i < nMx; ++i) ++mixStart[usedMxTo[i] + 1];
  for (int f = 0; f < c.fnCount; ++f) mixStart[f + 1] = static_cast<uint8_t>(mixStart[f + 1] + mixStart[f]);
  uint8_t fill[KL_MAX_FUNCTIONS];
  std::memcpy(fill, mixStart, sizeof fill);
  for (int i = 0; i < nMx; ++i) mixList[fill[usedMxTo[i]]++] = usedMx[i];

  if (nFn > 0 && E.FunctionValues[0] < usedFn[nFn - 1] + 1) {
    // Raised to the highest used function + 1; never lowered here.
    E.FunctionValues[0] = E.PureFunctionValues[0] = E.MixersAdditives[0] =
        static_cast<int16_t>(usedFn[nFn - 1] + 1);
  }
  for (int i = 0; i < nFn; ++i) {
    const int f = usedFn[i];
    CalcFunction(c, f, mixList + mixStart[f], mixStart[f + 1] - mixStart[f], firstLimiter[f]);
  }
}

void ServoStage(const PassCtx& c, T_ServoOutputs* out) {
  int32_t pos[KL_MAX_SERVOS];
  int32_t fsv[KL_MAX_SERVOS];
  bool shown[KL_MAX_SERVOS];  // used, or driven by a sequencer
  uint8_t group[KL_MAX_SERVOS];
  const T_ServoConfig* sc = c.setup->ServoConfig;
  const int servoCount = c.servoCount;
  for (int n = 0; n < servoCount; ++n) {
    shown[n] = sc[n].IsUsed != 0;
    group[n] = sc[n].Group;
  }

  // 1. Ungrouped servos and group masters.
  for (int n = 0; n < servoCount; ++n) {
    if (!shown[n] || !((group[n] & 0x1F) == 0 || (group[n] & 0x80))) continue;
    const T_ServoConfig& s = sc[n];
    int32_t p = s.Centre + E.ShadowServoPosition[n];
    int32_t fs = s.Centre + E.ShadowFailsafePosition[n];
    if (s.CutOffVirtSwitchId < c.vsCount &&
        E.ControlValues.values[KL_VS_SLOT0 + s.CutOffVirtSwitchId] == 2047)
      p = s.CutOffValue;
    if (p > s.MaxValue) p = s.MaxValue;
    if (p < s.MinValue) p = s.MinValue;
    if (fs > s.MaxValue) fs = s.MaxValue;
    if (fs < s.MinValue) fs = s.MinValue;
    pos[n] = p;
    fsv[n] = fs;
  }

  // 2. Unused servos and group slaves.
  for (int n = 0; n < servoCount; ++n) {
    if (!shown[n]) {
      pos[n] = fsv[n] = KL_CV_NONE;
      continue;
    }
    const int g = group[n] & 0x1F;
    if (g == 0 || (group[n] & 0x80)) continue;
    auto isMaster = [&](unsigned m) {
      return m < KL_MAX_SERVOS && (sc[m].Group & 0x80) && (sc[m].Group & 0x1F) == g;
    };
    unsigned master = E.SlaveMaster[n];
    if (!isMaster(master)) {
      master = KL_NO_SERVO;
      for (unsigned m = 0; m < KL_MAX_SERVOS; ++m) {
        if (isMaster(m)) {
          master = m;
          break;
        }
      }
      E.SlaveMaster[n] = static_cast<uint8_t>(master);
    }
    // A master beyond the board's servos, or unused, has no position.
    if (master < static_cast<unsigned>(servoCount) && shown[master]) {
      int32_t p = pos[master];
      if ((group[n] & 0xE0) == 0x40) p = -p;
      pos[n] = fsv[n] = kl_clamp(p, -2047, 2047);
    } else {
      pos[n] = fsv[n] = 0;
    }
  }

  // 3. Unused servos that a sequencer drives.
  for (int q = 0; q < kl_cfg(EngineCfgSequencers); ++q) {
    const KlSequencerInfo& si = E.SequencerInfo[q];
    for (int k = 0; k < KL_SERVOS_PER_SEQUENCER; ++k) {
      if (si.pos[k] < -2047 || si.pos[k] > 2047) continue;
      const unsigned ch = c.setup->Sequencer[q].Servo[k].SEQChannel;
      if (ch > 25 || ch >= static_cast<unsigned>(servoCount) || pos[ch] != KL_CV_NONE) continue;
      pos[ch] = si.pos[k];
      shown[ch] = true;
    }
  }

  // 4. The output block.
  for (int n = 0; n < servoCount; ++n) out->value[n] = shown[n] ? static_cast<int16_t>(pos[n]) : 0;
  for (int n = servoCount; n < KL_MAX_SERVOS; ++n) out->value[n] = 0;
  out->count = static_cast<int16_t>(servoCount);
}

// Steps 1 to 3 of the pass.
void ControlStages(const T_SetupData* setup) {
  E.ControlValues.count = KL_PHYS_SLOTS;
  kl_engine_step_telemetry_controls(setup);
  kl_engine_step_virtual_switches(setup);
}

}  // namespace

int16_t kl_engine_curve_value(const int16_t* points, int32_t x) {
  return static_cast<int16_t>(CurveRead(points, nullptr, 0, x));
}

int kl_engine_calculate(T_SetupData* setup, T_ServoOutputs* outputs) {
  if (!setup || !outputs) return 0;

  ControlStages(setup);
  if (E.flightmode >= KL_NO_FLIGHTMODE) {
    // First pass after initialisation: let chained switches settle before
    // the first selection.
    do {
      ++E.flightmode;
      ControlStages(setup);
    } while (static_cast<uint8_t>(E.flightmode - KL_NO_FLIGHTMODE) != 128);
  }

  std::memset(E.ShadowServoPosition, 0, sizeof E.ShadowServoPosition);
  std::memset(E.ShadowFailsafePosition, 0, sizeof E.ShadowFailsafePosition);

  kl_engine_step_flightmode(setup);

  PassCtx c;
  c.setup = setup;
  c.now = E.tick_count;
  c.fm = E.flightmode;
  c.level = E.FlightModeInfo.level;
  c.fnCount = kl_cfg(EngineCfgFunctions);
  c.mxCount = kl_cfg(EngineCfgMixers);
  c.lmCount = kl_cfg(EngineCfgLimiters);
  c.servoCount = kl_cfg(EngineCfgServos);
  c.curveCount = kl_cfg(EngineCfgCurves);
  c.vsCount = kl_cfg(EngineCfgVirtualSwitches);
  CalcFunctions(c);

  kl_engine_step_sequencers(setup);
  ServoStage(c, outputs);
  return 1;
}

// --- Read-outs -------------------------------------------------------------

int16_t* kl_engine_get_funcvalues_pointer() { return E.FunctionValues; }
int16_t* kl_engine_get_purefuncvalues_pointer() { return E.PureFunctionValues; }
int16_t* kl_engine_get_mixersadditives_pointer() { return E.MixersAdditives; }

void kl_engine_setup_function_values(int count) {
  const int16_t v = static_cast<int16_t>(kl_clamp(count, 0, KL_MAX_FUNCTIONS));
  E.FunctionValues[0] = E.PureFunctionValues[0] = E.MixersAdditives[0] = v;
}

int kl_engine_get_trimindex_by_control(uint16_t id) {
  switch (id) {
    case 512: return 0;
    case 513: return 1;
    case 752: return 2;
    case 753: return 3;
    case 514: return 4;
    case 754: return 5;
    default: return 0;
  }
}

namespace {
bool FunctionInRange(int f) { return f >= 0 && f < kl_cfg(EngineCfgFunctions); }
}  // namespace

int kl_engine_get_trival_rate(int f) { return FunctionInRange(f) ? E.trivalvalue[f].rate : 0; }
int kl_engine_get_trival_expo(int f, int side) {
  return FunctionInRange(f) && (side == 0 || side == 1) ? E.trivalvalue[f].expo[side] : 0;
}
int kl_engine_get_trival_limitermin(int f) {
  return FunctionInRange(f) ? E.trivalvalue[f].limMin : 0;
}
int kl_engine_get_trival_limitermax(int f) {
  return FunctionInRange(f) ? E.trivalvalue[f].limMax : 0;
}
int kl_engine_get_trival_differential(int f) {
  return FunctionInRange(f) ? E.trivalvalue[f].diff : 0;
}
int kl_engine_get_trival_mixer(int j) {
  return (j >= 0 && j < kl_cfg(EngineCfgMixers)) ? E.trivalMixer[j] : 0;
}

uint32_t kl_engine_get_fading_trimvalue(int f) {
  const uint16_t none = static_cast<uint16_t>(KL_CV_NONE);
  if (!FunctionInRange(f) || !E.FunctionInfo[f].fading) return (uint32_t(none) << 16) | none;
  return (uint32_t(static_cast<uint16_t>(E.TrimInstant[1])) << 16) |
         static_cast<uint16_t>(E.TrimInstant[0]);
}

const int16_t* kl_engine_get_fadeincurve_pointer(int f) {
  if (!FunctionInRange(f)) return nullptr;
  E.shownKind = KL_SHOWN_FUNCTION;
  E.shownIndex = static_cast<uint8_t>(f);
  KlFunctionInfo& fi = E.FunctionInfo[f];
  if (!fi.fading || !fi.curve.points) {
    E.pFadingCurve = nullptr;
    return nullptr;
  }
  MaterialiseCopy(fi.curve, fi.curve.blendLevel);
  E.pFadingCurve = fi.curve.copy;
  return E.pFadingCurve;
}

int kl_engine_get_fadeincurve_value(int j, int point, int16_t* out) {
  if (j < 0 || j >= kl_cfg(EngineCfgMixers)) return 0;
  E.shownKind = KL_SHOWN_MIXER;
  E.shownIndex = static_cast<uint8_t>(j);
  KlMixerInfo& mi = E.MixerInfo[j];
  if (point < 0 || point >= KL_CURVE_POINTS || !out || !mi.fading || !mi.curve.points) return 0;
  *out = static_cast<int16_t>(kl_blend(mi.curve.points[point], mi.curve.fadeFrom[point],
                                       mi.curve.blendLevel));
  return 1;
}
