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
    // Every point is blended when flight modes change faster than they fade.
    // A loop over a multiple of the vector width with only adds, shifts and
    // one multiply lets the compiler use vector code; the last point alone.
    const int32_t level = cs.blendLevel;
    constexpr int kVectorPoints = KL_CURVE_POINTS - 1;
    int16_t from[kVectorPoints];  // a local copy: no overlap to check for
    std::memcpy(from, old, sizeof from);
    for (int p = 0; p < kVectorPoints; ++p) {
      const int32_t x = from[p];
      cs.fadeFrom[p] = static_cast<int16_t>(x - kl_div2047(level * (x - cs.fadeFrom[p])));
    }
    cs.fadeFrom[kVectorPoints] =
        static_cast<int16_t>(kl_blend(old[kVectorPoints], cs.fadeFrom[kVectorPoints], level));
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
  const KlIndex* x;
  uint32_t now;
  uint8_t fm;
  int32_t level;
  int servoCount, curveCount, vsCount;
};

// The travel-time steps of set-up block `from`, worked out again only when
// the block in force changes.
inline void SetSteps(KlSlew& s, unsigned from, uint16_t up, uint16_t down) {
  if (s.stepsFrom == from) return;
  s.stepsFrom = static_cast<uint8_t>(from);
  s.stepUp = StepFromDuration(up);
  s.stepDown = StepFromDuration(down);
}

int32_t MixerContribution(const PassCtx& c, const KlIdxMixer& mx, int f) {
  const int j = mx.j;
  const T_Mixer& m = c.setup->Mixer[j];
  KlMixerInfo& mi = E.MixerInfo[j];

  const bool dep = (m.Mixer_FM_Mask >> c.fm) & 1u;
  const unsigned setupIdx = dep ? c.fm : 0;
  const T_MixerSetup& blk = m.Setup[setupIdx];
  SetSteps(mi.slew, setupIdx, blk.DelayUp, blk.DelayDown);

  const int16_t* gd = E.FunctionCurrentData[mx.from];
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

  int32_t gain = kl_interpolate(kl_source_value(mx.gain, &mi.bookmark), blk.GainLo,
                                blk.GainCenter, blk.GainHi);
  if (fading) gain = kl_blend(gain, mi.prevGain, c.level);
  mi.gain = gain;
  E.trivalMixer[j] = static_cast<int16_t>(gain);
  return cv * gain / 2047;
}

void BuildPowTable(KlPowTable& t, double d, double base) {
  t.lo[0] = t.mid[0] = t.hi[0] = 1.0;
  for (int i = 1; i < 16; ++i) t.lo[i] = t.lo[i - 1] * base;
  t.mid[1] = t.lo[15] * base;
  for (int i = 2; i < 16; ++i) t.mid[i] = t.mid[i - 1] * t.mid[1];
  t.hi[1] = t.mid[15] * t.mid[1];
  for (int i = 2; i < 9; ++i) t.hi[i] = t.hi[i - 1] * t.hi[1];
  t.d = d;
}

// centre + (value - centre) x b^power, truncated, with b from the expo d:
// exactly what std::pow gives. pow is the costliest step of a pass, so once
// d holds still a table of b's powers stands in for it: a product of three
// entries is within 2300 units in the last place of b^power (each of the 38
// products that built the entries adds at most one), far inside the margin
// below, and when the margin still straddles an integer boundary, or the
// value sits at the centre, pow decides.
int32_t ExpoValue(KlFunctionInfo& fi, KlPowTable& t, double d, int power, int32_t centre,
                  int32_t value) {
  const bool cached = d == fi.powBase && power == fi.powExponent;
  if (!cached && !E.uncached && power >= 0 && power <= 2048) {
    if (t.d != d && d == fi.powBase) {
      const double base = 1.0 - d / (3600000.0 - 500.0 * d);
      // An expo within the control range gives 0.998..1.002; the bound keeps
      // b^2048 far from overflow and denormals whatever d is.
      if (base > 0.9 && base < 1.1) BuildPowTable(t, d, base);
    }
    if (t.d == d) {
      if (value == centre) return centre;
      const double p = t.lo[power & 15] * t.mid[(power >> 4) & 15] * t.hi[power >> 8];
      const double span = value - centre;
      const double y = centre + span * p;
      const double margin = (std::fabs(span) * p + std::fabs(static_cast<double>(centre)) + 1.0) * 1e-9;
      const int32_t below = static_cast<int32_t>(y - margin);
      if (below == static_cast<int32_t>(y + margin)) return below;
    }
  }
  if (!cached) {
    fi.powBase = d;
    fi.powExponent = power;
    fi.powResult = std::pow(1.0 - d / (3600000.0 - 500.0 * d), power);
  }
  return static_cast<int32_t>(centre + (value - centre) * fi.powResult);
}

// The stages of one function's value, in the order a pass runs them. Each
// is called once, so the compiler folds them back into CalcFunction.

// 4. At a flight-mode change, what the function fades from; whether it fades.
bool FunctionFadeStart(const PassCtx& c, const KlIdxFunction& e, KlFunctionInfo& fi) {
  const int f = e.f;
  const uint8_t fm = c.fm;
  if (fi.lastFm != fm) {
    const bool noFade = (c.x->noFade[fm] >> f) & 1u;
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
  if (c.level == 0) fi.fading = 0;
  return fi.fading;
}

// 5. The trim of input x, by the function's trim mode.
int32_t FunctionTrim(const PassCtx& c, const KlIdxFunction& e, const T_Function& r, KlFunctionInfo& fi,
                     int32_t x, bool fading) {
  int32_t trim = 0;
  if (e.trim >= 0) {
    const uint8_t fm = c.fm;
    const T_TrimControlCfg& tc = c.setup->TrimControl[e.trim];
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
    if (fading) t = kl_blend(t, fi.prevTrim, c.level);
    trim = t;
  }
  fi.trim = trim;
  return trim;
}

// 7. The rate at its control's position.
int32_t FunctionRate(const PassCtx& c, const KlIdxFunction& e, const T_FunctionSetup& blk, KlFunctionInfo& fi,
                     bool fading) {
  int32_t rate = kl_interpolate(kl_source_value(e.rate, &fi.bmRate), blk.FlexRateLo, blk.FlexRateCenter,
                                blk.FlexRateHi);
  if (fading) rate = kl_blend(rate, fi.prevRate, c.level);
  fi.rate = rate;
  return rate;
}

// 8. Expo, per side of input x, applied to the rated curve value.
int32_t FunctionExpo(const PassCtx& c, const KlIdxFunction& e, const T_FunctionSetup& blk, KlFunctionInfo& fi,
                     int32_t x, int32_t rate, int32_t value, bool fading) {
  const int f = e.f;
  const int32_t level = c.level;
  const int32_t ce = kl_source_value(e.expo, &fi.bmExpo);
  const int32_t ep[2] = {kl_interpolate(ce, blk.FlexExpoLo, blk.FlexExpoCenter, blk.FlexExpoHi),
                         kl_interpolate(ce, blk.FlexExpoNegLo, blk.FlexExpoNegCenter, blk.FlexExpoNegHi)};
  double ex[2] = {ep[0] * 1.75, ep[1] * 1.75};
  KlTrival& tv = E.trivalvalue[f];
  for (int s = 0; s < 2; ++s) {
    // A side equal to the one faded from stays as it is (the blend moves it
    // by level x 0), and e / 1.75 is the interpolated point again, exactly.
    if (fading && ex[s] != fi.prevExpo[s]) {
      ex[s] = ex[s] - level * (ex[s] - fi.prevExpo[s]) / 2047.0;
      tv.expo[s] = static_cast<int16_t>(ex[s] / 1.75);
    } else {
      tv.expo[s] = static_cast<int16_t>(ep[s]);
    }
  }
  fi.expo[0] = ex[0];
  fi.expo[1] = ex[1];
  const int side = x < 0 ? 1 : 0;
  const double d = ex[side];
  if (d == 0.0) return value;
  const int32_t centre = fi.curveCentre * rate / 2047;
  return ExpoValue(fi, E.powTable[f][side], d, 2048 - Abs(x), centre, value);
}

// 9. The mixers feeding the function, in index order: their sum, and the
// value before the limits with the contributions of the inheriting mixers.
struct MixedValue {
  int32_t sum;
  int32_t before;
  int32_t mixTotal;
};
MixedValue FunctionMixers(const PassCtx& c, const KlIdxFunction& e, int32_t value, int32_t trim) {
  int16_t* cd = E.FunctionCurrentData[e.f];
  MixedValue m{value + trim, value, 0};
  cd[FcdTrim] = Sat16(trim);
  cd[FcdBeforeMixers] = Sat16(kl_clamp(m.before, -4094, 4094));
  for (int i = e.mixBegin; i < e.mixEnd; ++i) {
    const KlIdxMixer& mx = c.x->mixers[i];
    const int32_t contribution = MixerContribution(c, mx, e.f);
    m.sum += contribution;
    m.mixTotal += contribution;
    if (mx.inherit) {
      m.before += contribution;
      cd[FcdBeforeMixers] = Sat16(kl_clamp(m.before, -4094, 4094));
    }
  }
  m.before = kl_clamp(m.before, -4094, 4094);
  return m;
}

// 10. The limits of the function's first limiter, or the full range.
struct Limits {
  int32_t upper;
  int32_t lower;
};
Limits FunctionLimits(const PassCtx& c, const KlIdxFunction& e) {
  if (e.limiter < 0) return {4094, -4094};
  const T_Limiter& l = c.setup->Limiter[e.limiter];
  const T_LimiterPoints& a = l.Above[c.fm];
  const T_LimiterPoints& b = l.Below[c.fm];
  return {2 * kl_interpolate(kl_source_value(e.limitAbove, &E.LimiterBookmarks[e.limiter][0]), a.Lo, a.Center, a.Hi),
          2 * kl_interpolate(kl_source_value(e.limitBelow, &E.LimiterBookmarks[e.limiter][1]), b.Lo, b.Center, b.Hi)};
}

// 12. The differential at its control's position.
int32_t FunctionDifferential(const PassCtx& c, const KlIdxFunction& e, const T_Function& r, KlFunctionInfo& fi,
                             bool fading) {
  const uint8_t fm = c.fm;
  const bool diffDep = (r.Function_FM_DiffMask >> fm) & 1u;
  const T_FunctionSetup& db = r.Setup[diffDep ? fm : 0];
  int32_t diff = kl_interpolate(kl_source_value(e.diff, &fi.bmDiff), db.FlexDifferentialLo,
                                db.FlexDifferentialCenter, db.FlexDifferentialHi);
  if (fading) diff = kl_blend(diff, fi.prevDiff, c.level);
  fi.diff = diff;
  return diff;
}

// 13. Servo distribution. A servo of type 3 is reduced while differential
// x value > 0, one of type 4 while it is < 0, by (2047 - |differential|) /
// 2047; every other scale is 2047 / 2047, which leaves the value as it is.
void DistributeToServos(const PassCtx& c, const KlIdxFunction& e, int32_t final, int32_t diff) {
  const int32_t dv = diff * final;
  const int reduceSide = dv > 0 ? 1 : (dv < 0 ? 2 : 3);
  const int32_t reduced = 2047 - Abs(diff);
  // The fail-safe sum differs from the position sum only by what functions
  // with their own fail-safe value put in instead (added up after the
  // functions), so the common case accumulates one sum. The travel
  // assignments come grouped by side: the run on the reduced side is scaled,
  // the others are added as they are (a scale of 2047 / 2047 would give the
  // same numbers: |value| x 2047 stays far inside 32 bits).
  const KlIdxTravels& tr = c.x->travels;
  const int32_t* const travel = final < 0 ? tr.neg : tr.pos;
  const int32_t* const failsafe = tr.failsafe;
  const uint8_t* const servo = tr.servo;
  // Side 1 comes first and side 2 last, so what is added as it is forms one
  // run [pb, pe) and the reduced run [rb, re) is the rest (or nothing).
  int pb = e.travelBegin;
  int pe = pb + e.travelCount;
  int rb = pe, re = pe;
  if (reduceSide == 1) {
    rb = pb;
    re = pb = e.travelSide0;
  } else if (reduceSide == 2) {
    rb = pe = e.travelSide2;
    re = e.travelBegin + e.travelCount;
  }
  int32_t* const shadow = E.ShadowServoPosition;
  int32_t* const shadowFs = E.ShadowFailsafePosition;
  for (int k = pb; k < pe; ++k)
    shadow[servo[k]] += kl_clamp(final * travel[k] / 2047, -2047, 2047);
  if (e.ownFailsafe)
    for (int k = pb; k < pe; ++k)
      shadowFs[servo[k]] += failsafe[k] - kl_clamp(final * travel[k] / 2047, -2047, 2047);
  for (int k = rb; k < re; ++k) {
    const int32_t out = kl_clamp(final * travel[k] / 2047 * reduced / 2047, -2047, 2047);
    shadow[servo[k]] += out;
    if (e.ownFailsafe) shadowFs[servo[k]] += failsafe[k] * reduced / 2047 - out;
  }
  // Assignments through a servo curve.
  for (int i = e.curveBegin; i < e.curveEnd; ++i) {
    const KlIdxAssign& a = c.x->curveAssigns[i];
    int32_t out = ServoCurveRead(a.curve, final);
    int32_t fs = a.failsafe;
    if (a.reduceSide == reduceSide) {
      out = out * reduced / 2047;
      fs = fs * reduced / 2047;
    }
    out = kl_clamp(out, -2047, 2047);
    shadow[a.servo] += out;
    if (e.ownFailsafe) shadowFs[a.servo] += fs - out;
  }
}

// 14. What the pass publishes of the function.
void PublishFunction(int f, const KlFunctionInfo& fi, int32_t trim, int32_t final, const MixedValue& m,
                     const Limits& lim, int32_t rate, int32_t diff) {
  int16_t* cd = E.FunctionCurrentData[f];
  cd[FcdTrim] = Sat16(trim);
  cd[FcdTrimPrev] = Sat16(fi.prevTrim);
  cd[FcdFinal] = static_cast<int16_t>(final);
  cd[FcdBeforeMixers] = static_cast<int16_t>(m.before);
  cd[FcdMixerSum] = Sat16(m.mixTotal);
  cd[FcdUpper] = static_cast<int16_t>(lim.upper);
  cd[FcdLower] = static_cast<int16_t>(lim.lower);
  E.FunctionValues[1 + f] = static_cast<int16_t>(final);
  E.PureFunctionValues[1 + f] = Sat16(m.before + trim);
  E.MixersAdditives[1 + f] = Sat16(m.mixTotal);
  KlTrival& tv = E.trivalvalue[f];
  tv.rate = static_cast<int16_t>(rate);
  tv.limMin = static_cast<int16_t>(lim.lower);
  tv.limMax = static_cast<int16_t>(lim.upper);
  tv.diff = static_cast<int16_t>(diff);
}

void CalcFunction(const PassCtx& c, const KlIdxFunction& e) {
  const int f = e.f;
  const T_Function& r = c.setup->Function[f];
  KlFunctionInfo& fi = E.FunctionInfo[f];
  const uint8_t fm = c.fm;
  const int32_t level = c.level;
  const bool shown = E.shownKind == KL_SHOWN_FUNCTION && E.shownIndex == f;

  // 1. The flight mode's set-up block when the function has its own there.
  const bool fmDep = (r.Function_FM_Mask >> fm) & 1u;
  const unsigned setupIdx = fmDep ? fm : 0;
  const T_FunctionSetup& blk = r.Setup[setupIdx];
  unsigned curveIdx = fmDep ? blk.CurveIdx : r.GlobalCurveIdx;
  if (curveIdx >= static_cast<unsigned>(c.curveCount)) curveIdx = 0;
  const int16_t* points = c.setup->Curve[curveIdx].Point;

  // 2. Input.
  CurveStart(fi.curve, points, curveIdx);
  const int32_t x = kl_source_value(e.input, &fi.bmInput);

  // 3. Travel-time steps.
  SetSteps(fi.slew, setupIdx, blk.DurationFromLeft, blk.DurationFromRight);

  const bool fading = FunctionFadeStart(c, e, fi);
  const int32_t trim = FunctionTrim(c, e, r, fi, x, fading);
  if (shown) {
    E.TrimInstant[0] = Sat16(x);
    E.TrimInstant[1] = Sat16(trim);
  }

  // 6. Curve.
  const int16_t* from = fading ? fi.curve.fadeFrom : nullptr;
  const int32_t cv = CurveRead(points, from, level, x);
  fi.curveCentre = Sat16(CurveRead(points, from, level, 0));
  CurveEnd(fi.curve, points, curveIdx, fading, level, shown);

  const int32_t rate = FunctionRate(c, e, blk, fi, fading);
  const int32_t value = FunctionExpo(c, e, blk, fi, x, rate, cv * rate / 2047, fading);
  MixedValue m = FunctionMixers(c, e, value, trim);
  const Limits lim = FunctionLimits(c, e);
  if (m.sum > lim.upper) m.sum = lim.upper;
  if (m.sum < lim.lower) m.sum = lim.lower;

  // 11. Travel time.
  const int32_t final = Slew(fi.slew, m.sum, c.now);

  const int32_t diff = FunctionDifferential(c, e, r, fi, fading);
  DistributeToServos(c, e, final, diff);
  PublishFunction(f, fi, trim, final, m, lim, rate, diff);
}

void CalcFunctions(const PassCtx& c) {
  const KlIndex& x = *c.x;
  if (x.nFunctions > 0 && E.FunctionValues[0] < x.functionCount) {
    // Raised to the highest used function + 1; never lowered here.
    E.FunctionValues[0] = E.PureFunctionValues[0] = E.MixersAdditives[0] = x.functionCount;
  }
  for (int i = 0; i < x.nFunctions; ++i) CalcFunction(c, x.functions[i]);
  for (int n = 0; n < KL_MAX_SERVOS; ++n) E.ShadowFailsafePosition[n] += E.ShadowServoPosition[n];
}

void ServoStage(const PassCtx& c, T_ServoOutputs* out) {
  // A servo shows its position when it is used or a sequencer drives it,
  // and 0 otherwise: the output starts at 0 and takes each position as it
  // is worked out.
  int32_t pos[KL_MAX_SERVOS];
  int16_t* const value = out->value;
  const KlIndex& x = *c.x;
  const T_ServoConfig* sc = c.setup->ServoConfig;
  const int servoCount = c.servoCount;
  for (int n = 0; n < KL_MAX_SERVOS; ++n) value[n] = 0;
  for (int n = 0; n < servoCount; ++n) pos[n] = KL_CV_NONE;

  // 1. Ungrouped servos and group masters.
  for (int i = 0; i < x.nMasters; ++i) {
    const int n = x.masters[i];
    const T_ServoConfig& s = sc[n];
    int32_t p = s.Centre + E.ShadowServoPosition[n];
    if (s.CutOffVirtSwitchId < c.vsCount &&
        E.ControlValues.values[KL_VS_SLOT0 + s.CutOffVirtSwitchId] == 2047)
      p = s.CutOffValue;
    if (p > s.MaxValue) p = s.MaxValue;
    if (p < s.MinValue) p = s.MinValue;
    pos[n] = p;
    value[n] = static_cast<int16_t>(p);
  }

  // 2. Group slaves follow their master.
  for (int i = 0; i < x.nSlaves; ++i) {
    const int n = x.slaves[i];
    const uint8_t group = sc[n].Group;
    const int g = group & 0x1F;
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
    int32_t p = 0;
    if (master < static_cast<unsigned>(servoCount) && x.servoUsed[master]) {
      p = pos[master];
      if ((group & 0xE0) == 0x40) p = -p;
      p = kl_clamp(p, -2047, 2047);
    }
    pos[n] = p;
    value[n] = static_cast<int16_t>(p);
  }

  // 3. Unused servos that a sequencer drives.
  for (int q = 0; q < kl_cfg(EngineCfgSequencers); ++q) {
    const KlSequencerInfo& si = E.SequencerInfo[q];
    for (int k = 0; k < KL_SERVOS_PER_SEQUENCER; ++k) {
      if (si.pos[k] < -2047 || si.pos[k] > 2047) continue;
      const unsigned ch = c.setup->Sequencer[q].Servo[k].SEQChannel;
      if (ch > 25 || ch >= static_cast<unsigned>(servoCount) || pos[ch] != KL_CV_NONE) continue;
      pos[ch] = si.pos[k];
      value[ch] = si.pos[k];
    }
  }
  out->count = static_cast<int16_t>(servoCount);
}

// Steps 1 to 3 of the pass.
void ControlStages(const T_SetupData* setup, const KlIndex& x) {
  E.ControlValues.count = KL_PHYS_SLOTS;
  kl_engine_step_telemetry_controls(setup, x);
  kl_engine_step_virtual_switches(setup, x);
  E.index.fullControlPass = 0;
}

}  // namespace

int16_t kl_engine_curve_value(const int16_t* points, int32_t x) {
  return static_cast<int16_t>(CurveRead(points, nullptr, 0, x));
}

namespace {

int Calculate(T_SetupData* setup, const KlIndex& x, T_ServoOutputs* outputs) {
  ControlStages(setup, x);
  if (E.flightmode >= KL_NO_FLIGHTMODE) {
    // First pass after initialisation: let chained switches settle before
    // the first selection.
    do {
      ++E.flightmode;
      ControlStages(setup, x);
    } while (static_cast<uint8_t>(E.flightmode - KL_NO_FLIGHTMODE) != 128);
  }

  std::memset(E.ShadowServoPosition, 0, sizeof E.ShadowServoPosition);
  std::memset(E.ShadowFailsafePosition, 0, sizeof E.ShadowFailsafePosition);

  kl_engine_step_flightmode(setup);

  PassCtx c;
  c.setup = setup;
  c.x = &x;
  c.now = E.tick_count;
  c.fm = E.flightmode;
  c.level = E.FlightModeInfo.level;
  c.servoCount = kl_cfg(EngineCfgServos);
  c.curveCount = kl_cfg(EngineCfgCurves);
  c.vsCount = kl_cfg(EngineCfgVirtualSwitches);
  CalcFunctions(c);

  kl_engine_step_sequencers(setup);
  ServoStage(c, outputs);
  return 1;
}

}  // namespace

KlSetupBlock::KlSetupBlock() { kl_engine_init_setupdata(&block_); }

int kl_engine_calculate(KlSetupBlock& setup, T_ServoOutputs* outputs) {
  if (!outputs) return 0;
  const KlIndex& x = kl_engine_index_for(setup);
  // The pass's own writes (the sequencers' direction states) change nothing
  // the index holds: they need no door.
  return Calculate(&setup.block_, x, outputs);
}

int kl_engine_calculate(T_SetupData* setup, T_ServoOutputs* outputs) {
  if (!setup || !outputs) return 0;
  kl_engine_rebuild_index(setup);
  return Calculate(setup, E.index, outputs);
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
    case CONTROLID_RE_TRA_GUI: return 0;
    case CONTROLID_RE_TRB_GUI: return 1;
    case CONTROLID_RE_TRC_GUI: return 2;
    case CONTROLID_RE_TRD_GUI: return 3;
    case CONTROLID_RE_TRE_GUI: return 4;
    case CONTROLID_RE_TRF_GUI: return 5;
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
