// Sequencers: up to six servos moved along timed waypoint tracks, forward and
// backward, started by a control crossing its thresholds.
#include <unistd.h>

#include <cstdio>

#include "model/engine/kl_engine_state.h"

namespace {

KlEngineState& E = g_klEngine;

// A diagnostic line on standard output without stdio's lock: it can come from
// inside a pass.
void Say(const char* text) {
  size_t n = 0;
  while (text[n]) ++n;
  ssize_t ignored = ::write(STDOUT_FILENO, text, n);
  (void)ignored;
}

bool IsValue(int v) { return v >= -2047 && v <= 2047; }

const uint16_t* Times(const T_SequencerServo& s, int d) {
  return d == 0 ? s.TimeValueFwd : s.TimeValueBwd;
}
const int16_t* Positions(const T_SequencerServo& s, int d) {
  return d == 0 ? s.PositionFwd : s.PositionBwd;
}

// Moves a position toward a waypoint by at most `step`; a position without a
// value takes the waypoint at once.
int16_t MoveToward(int16_t pos, int16_t target, int step) {
  if (!IsValue(target)) return KL_CV_NONE;
  if (!IsValue(pos)) return target;
  if (pos < target) return static_cast<int16_t>(pos + step >= target ? target : pos + step);
  if (pos > target) return static_cast<int16_t>(pos - step <= target ? target : pos - step);
  return pos;
}

// Position of one servo at run time t on its track: between the first
// waypoint after t and the one with a value before it. Past the last
// waypoint with a value it holds that one.
int16_t TrackPosition(const uint16_t* T, const int16_t* P, int32_t t) {
  int w = -1;
  for (int i = 0; i < KL_SEQ_WAYPOINTS; ++i) {
    if (T[i] > t && IsValue(P[i])) {
      w = i;
      break;
    }
  }
  if (w < 0) {
    for (int i = KL_SEQ_WAYPOINTS - 1; i >= 0; --i)
      if (IsValue(P[i])) return P[i];
    return KL_CV_NONE;
  }
  int a = 0;
  for (int i = w - 1; i >= 0; --i) {
    if (IsValue(P[i])) {
      a = i;
      break;
    }
  }
  double p = P[a];
  if (T[w] != T[a])
    p = P[a] + static_cast<double>(P[w] - P[a]) * (t - static_cast<int32_t>(T[a])) /
                   (static_cast<int32_t>(T[w]) - static_cast<int32_t>(T[a]));
  if (p > 2047.0) p = 2047.0;
  if (p < -2047.0) p = -2047.0;
  return static_cast<int16_t>(p);  // toward zero
}

// Where a sequencer's control stands against its thresholds.
struct SeqControl {
  bool above, below;
  bool inverted;
  // The side that runs direction 1 forward, and the one that runs direction 2.
  bool side1, side2;
};

SeqControl ReadSeqControl(const T_Sequencer& r, KlSequencerInfo& si) {
  const int c = kl_control_value(r.ControlID, &si.bookmark);
  si.value = static_cast<int16_t>(c);
  int upper;
  int lower;
  bool inverted;
  if (r.ControlID >= KLX_CONTROL_VS_FIRST &&
      r.ControlID < KLX_ControlOfVirtualSwitch(kl_cfg(EngineCfgVirtualSwitches))) {
    upper = 511;
    lower = -511;
    inverted = false;
  } else {
    upper = r.ThldAbove > r.ThldBelow ? r.ThldAbove : r.ThldBelow;
    lower = r.ThldAbove > r.ThldBelow ? r.ThldBelow : r.ThldAbove;
    inverted = r.ThldAbove < r.ThldBelow;
  }
  SeqControl k;
  k.above = c > upper;
  k.below = c < lower;
  k.inverted = inverted;
  k.side1 = inverted ? k.below : k.above;
  k.side2 = inverted ? k.above : k.below;
  return k;
}

// A run in direction s (1 or 2), step one: the track lengths, and while
// the sequencer is locked, its unlocking; else how far the run time moves.
void AdvanceRunTime(const T_Sequencer& r, KlSequencerInfo& si, int q, int s, bool loop, const SeqControl& k,
                    int32_t elapsed) {
  const int d = s - 1;
  si.prevDir = static_cast<uint8_t>(s);
  if (si.runState < 3)
    for (int16_t& p : si.pos) p = KL_CV_NONE;
  for (int dd = 0; dd < 2; ++dd) {
    int32_t total = 0;
    for (const T_SequencerServo& sv : r.Servo) {
      const int32_t last = Times(sv, dd)[KL_SEQ_WAYPOINTS - 1];
      if (last > total) total = last;
    }
    si.total[dd] = total;
  }

  if (si.locked) {
    si.runState = static_cast<uint8_t>(s);
    if ((s == 2 && k.side1) || (s == 1 && k.side2)) {
      si.runState = s == 2 ? 1 : 2;
      si.locked = 0;
      si.completed = 1;
      char line[96];
      std::snprintf(line, sizeof line,
                    k.inverted ? "Sequencer %d unlocked, control inverted, state = %d\n"
                               : "Sequencer %d unlocked, state = %d\n",
                    q, si.runState);
      Say(line);
    }
  } else if (!loop) {
    const bool advance = s == 1 ? k.side1 : k.side2;
    const bool windBack = s == 1 ? k.side2 : k.side1;
    if (advance) {
      if (si.elapsed < si.total[d]) si.elapsed += elapsed;
    } else if (windBack) {
      si.elapsed = si.elapsed > elapsed ? si.elapsed - elapsed : 0;
    }
  } else if ((k.above || k.below) && si.elapsed < si.total[d]) {
    si.elapsed += elapsed;
  }
}

// Parking after a preview: back to waypoint 0 at a bounded speed.
void ParkServos(const T_Sequencer& r, KlSequencerInfo& si, int s, int32_t elapsed) {
  const int d = s - 1;
  const int servoCount = kl_cfg(EngineCfgServos);
  const int step = elapsed & 0xFF;
  bool arrived = true;
  for (int k = 0; k < KL_SERVOS_PER_SEQUENCER; ++k) {
    const T_SequencerServo& sv = r.Servo[k];
    if (sv.SEQChannel >= servoCount) continue;
    const int16_t target = Positions(sv, d)[0];
    si.pos[k] = MoveToward(si.pos[k], target, step);
    if (si.pos[k] != (IsValue(target) ? target : int16_t(KL_CV_NONE))) arrived = false;
  }
  if (arrived) {
    si.completed = 1;
    si.runState = s == 1 ? 2 : 1;
    Say("Servos have been parked!\n");
  }
}

// A run in direction s, step two: the servos at the run time; at the end the
// direction turns. True when it wrote the direction into the record.
bool PlaceRunServos(T_Sequencer& r, KlSequencerInfo& si, int s, bool loop, const SeqControl& k,
                    int32_t elapsed) {
  const int d = s - 1;
  const int servoCount = kl_cfg(EngineCfgServos);
  const int32_t t = si.elapsed;
  if (t > 0) {
    const bool end = t >= si.total[d];
    for (int n = 0; n < KL_SERVOS_PER_SEQUENCER; ++n) {
      const T_SequencerServo& sv = r.Servo[n];
      if (sv.SEQChannel >= servoCount) continue;
      si.pos[n] = end ? Positions(sv, d)[KL_SEQ_WAYPOINTS - 1] : TrackPosition(Times(sv, d), Positions(sv, d), t);
    }
    // A run under way is not completed; a direction written now would be
    // lost, so the setters wait for the flag.
    if (!end) {
      si.completed = 0;
      return false;
    }
    si.elapsed = 0;
    r.IsUsed = static_cast<uint8_t>((s == 1 ? 2 : 1) | (loop ? 4 : 0));
    const bool beyondNew = s == 1 ? k.side2 : k.side1;
    if (!loop || beyondNew) si.completed = 1;
    return true;
  }
  if (si.runState < 3) {
    for (int n = 0; n < KL_SERVOS_PER_SEQUENCER; ++n) {
      const T_SequencerServo& sv = r.Servo[n];
      if (sv.SEQChannel < servoCount) si.pos[n] = Positions(sv, d)[0];
    }
  } else {
    ParkServos(r, si, s, elapsed);
  }
  return false;
}

// Waypoint preview (states 88 to 255): one servo moves to one waypoint.
// Four bands of 42 values, each counting servo and waypoint down from its
// top. The servo stays at the waypoint for as long as the code stands: the
// waypoint editor wrote it, and the transceiver controller holds the servo
// there until the editor writes the run mode back. Handing a direction back
// on arrival would end the editing at once and leave the store and the
// controller with different mode bytes.
void PreviewWaypoint(const T_Sequencer& r, KlSequencerInfo& si, int s, int32_t elapsed) {
  si.runState = static_cast<uint8_t>(s);
  int top;
  int d;
  if (s <= 129) {
    top = 129;
    d = 1;
  } else if (s <= 171) {
    top = 171;
    d = 0;
  } else if (s <= 213) {
    top = 213;
    d = 1;
  } else {
    top = 255;
    d = 0;
  }
  const int n = (top - s) / 7;
  const int w = (top - s) % 7;
  const T_SequencerServo& sv = r.Servo[n];
  if (sv.SEQChannel < kl_cfg(EngineCfgServos)) si.pos[n] = MoveToward(si.pos[n], Positions(sv, d)[w], elapsed & 0xFF);
}

// One sequencer; true when it wrote its direction state into the record.
bool RunSequencer(T_SetupData* setup, int q) {
  T_Sequencer& r = setup->Sequencer[q];
  KlSequencerInfo& si = E.SequencerInfo[q];
  const uint32_t now = E.tick_count;
  const int32_t elapsed = static_cast<int32_t>(now - si.lastTime);
  si.lastTime = now;
  const SeqControl k = ReadSeqControl(r, si);

  // The mode byte: 0 not running, 1 and 2 the run directions with the loop
  // flag in bit 2, 7..87 a reset, 88..255 a waypoint preview.
  int s = r.IsUsed;
  const bool loop = s < 7 && (s & 4) != 0;
  if (s < 7) s &= ~4;

  if (s == 1 || s == 2) {
    AdvanceRunTime(r, si, q, s, loop, k, elapsed);
    return PlaceRunServos(r, si, s, loop, k, elapsed);
  }
  if (s == 0) {
    si.runState = 0;
    si.locked = 1;
    si.completed = 1;
    for (int16_t& p : si.pos) p = KL_CV_NONE;
    return false;
  }
  if (s <= 87) {
    si.locked = 1;
    si.runState = 0;
    r.IsUsed = 1;
    return true;
  }
  PreviewWaypoint(r, si, s, elapsed);
  return false;
}

bool SequencerInRange(int q) { return q >= 0 && q < kl_cfg(EngineCfgSequencers); }

}  // namespace

void kl_engine_set_sequencer_hooks(KlSeqLockHook lock, KlSeqLockHook unlock, KlSeqSyncHook sync) {
  E.funcPtrSeqDirectionLock = lock;
  E.funcPtrSeqDirectionUnLock = unlock;
  E.funcPtrSeqDirectionSyncDatabase = sync;
}

void kl_engine_step_sequencers(T_SetupData* setup) {
  if (E.funcPtrSeqDirectionLock) E.funcPtrSeqDirectionLock();
  bool wrote = false;
  for (int q = 0; q < kl_cfg(EngineCfgSequencers); ++q) wrote |= RunSequencer(setup, q);
  if (wrote && E.funcPtrSeqDirectionSyncDatabase) E.funcPtrSeqDirectionSyncDatabase(setup);
  if (E.funcPtrSeqDirectionUnLock) E.funcPtrSeqDirectionUnLock();
}

int32_t kl_engine_get_sequencer_active_time(int q) {
  return SequencerInRange(q) ? E.SequencerInfo[q].elapsed : 0;
}

int32_t kl_engine_sequencer_time_get(int q) { return kl_engine_get_sequencer_active_time(q); }

int32_t kl_engine_get_sequencer_total_runtime(const T_SetupData* setup, int q) {
  if (!setup || !SequencerInRange(q)) return 0;
  const T_Sequencer& r = setup->Sequencer[q];
  int s = r.IsUsed;
  if (s < 7) s &= ~4;
  if (s != 1 && s != 2) return 0;
  int32_t total = 0;
  for (const T_SequencerServo& sv : r.Servo) {
    const int32_t last = Times(sv, s - 1)[KL_SEQ_WAYPOINTS - 1];
    if (last > total) total = last;
  }
  return s == 2 ? -total : total;
}

int kl_engine_get_sequencer_actual_dirstate(const T_SetupData* setup, int q) {
  if (!setup || !SequencerInRange(q)) return -1;
  return setup->Sequencer[q].IsUsed;
}

int kl_engine_get_is_sequencer_locked(int q) {
  return SequencerInRange(q) ? E.SequencerInfo[q].locked : 1;
}

int kl_engine_sequencer_locked_get(int q) {
  return SequencerInRange(q) ? E.SequencerInfo[q].locked : 0;
}

int kl_is_sequencer_run_completed(int q) {
  return SequencerInRange(q) ? E.SequencerInfo[q].completed : 0;
}

int kl_engine_sequencer_synchronize(int q, bool locked, int state, int32_t time) {
  if (!SequencerInRange(q) || state < 0 || state > 6) return -1;
  const int dir = state & ~4;
  if (dir != 1 && dir != 2) return -1;
  const bool held = (state & 4) != 0;
  KlSequencerInfo& si = E.SequencerInfo[q];
  si.locked = locked ? 1 : 0;
  si.elapsed = time;
  // A run whose time has reached the end of its direction is completed, in
  // a loop too: a loop stands there between two of its runs, and its
  // waypoints can be edited then.
  (void)held;
  si.completed = time < si.total[dir - 1] ? 0 : 1;
  si.runState = (dir == 1 && si.completed) ? 2 : 1;
  return state;
}
