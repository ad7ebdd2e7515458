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

// One sequencer; true when it wrote its direction state into the record.
bool RunSequencer(T_SetupData* setup, int q) {
  T_Sequencer& r = setup->Sequencer[q];
  KlSequencerInfo& si = E.SequencerInfo[q];
  const uint32_t now = E.tick_count;
  const int32_t elapsed = static_cast<int32_t>(now - si.lastTime);
  si.lastTime = now;
  const int servoCount = kl_cfg(EngineCfgServos);

  const int c = kl_control_value(r.ControlID, &si.bookmark);
  si.value = static_cast<int16_t>(c);
  int upper;
  int lower;
  bool inverted;
  if (r.ControlID >= 0x500 && r.ControlID < 0x500 + kl_cfg(EngineCfgVirtualSwitches)) {
    upper = 511;
    lower = -511;
    inverted = false;
  } else {
    upper = r.ThldAbove > r.ThldBelow ? r.ThldAbove : r.ThldBelow;
    lower = r.ThldAbove > r.ThldBelow ? r.ThldBelow : r.ThldAbove;
    inverted = r.ThldAbove < r.ThldBelow;
  }
  const bool above = c > upper;
  const bool below = c < lower;
  // The side that runs direction 1 forward, and the one that runs direction 2.
  const bool side1 = inverted ? below : above;
  const bool side2 = inverted ? above : below;

  int s = r.IsUsed;
  bool held;
  if (s < 7) {
    held = (s & 4) != 0;
    s &= ~4;
  } else {
    held = s >= 88 && s <= 171;
  }

  if (s == 1 || s == 2) {
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
      if ((s == 2 && side1) || (s == 1 && side2)) {
        si.runState = s == 2 ? 1 : 2;
        si.locked = 0;
        si.completed = 1;
        char line[96];
        std::snprintf(line, sizeof line,
                      inverted ? "Sequencer %d unlocked, control inverted, state = %d\n"
                               : "Sequencer %d unlocked, state = %d\n",
                      q, si.runState);
        Say(line);
      }
    } else if (!held) {
      const bool advance = s == 1 ? side1 : side2;
      const bool windBack = s == 1 ? side2 : side1;
      if (advance) {
        if (si.elapsed < si.total[d]) si.elapsed += elapsed;
      } else if (windBack) {
        si.elapsed = si.elapsed > elapsed ? si.elapsed - elapsed : 0;
      }
    } else if ((above || below) && si.elapsed < si.total[d]) {
      si.elapsed += elapsed;
    }

    const int32_t t = si.elapsed;
    bool wrote = false;
    if (t > 0) {
      const bool end = t >= si.total[d];
      for (int k = 0; k < KL_SERVOS_PER_SEQUENCER; ++k) {
        const T_SequencerServo& sv = r.Servo[k];
        if (sv.SEQChannel >= servoCount) continue;
        si.pos[k] = end ? Positions(sv, d)[KL_SEQ_WAYPOINTS - 1]
                        : TrackPosition(Times(sv, d), Positions(sv, d), t);
      }
      // A run under way is not completed; a direction written now would be
      // lost, so the setters wait for the flag.
      if (!end) si.completed = 0;
      if (end) {
        si.elapsed = 0;
        r.IsUsed = static_cast<uint8_t>((s == 1 ? 2 : 1) | (held ? 4 : 0));
        wrote = true;
        const bool beyondNew = s == 1 ? side2 : side1;
        if (!held || beyondNew) si.completed = 1;
      }
    } else if (si.runState < 3) {
      for (int k = 0; k < KL_SERVOS_PER_SEQUENCER; ++k) {
        const T_SequencerServo& sv = r.Servo[k];
        if (sv.SEQChannel < servoCount) si.pos[k] = Positions(sv, d)[0];
      }
    } else {
      // Parking after a preview: back to waypoint 0 at a bounded speed.
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
    return wrote;
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

  // Waypoint preview: one servo moves to one waypoint. Four bands of 42
  // values, each counting servo and waypoint down from its top.
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
  const int k = (top - s) / 7;
  const int w = (top - s) % 7;
  const T_SequencerServo& sv = r.Servo[k];
  const int16_t target = Positions(sv, d)[w];
  bool arrived = true;
  if (sv.SEQChannel < servoCount) {
    si.pos[k] = MoveToward(si.pos[k], target, elapsed & 0xFF);
    arrived = !IsValue(target) || si.pos[k] == target;
  }
  if (!arrived) return false;
  // Once there, hand back a run direction that matches where the control
  // stands: a finished forward run (2) on direction 1's side, a finished
  // backward run (1) on direction 2's side, else the last direction.
  int dir = si.prevDir == 2 ? 2 : 1;
  if (side1)
    dir = 2;
  else if (side2)
    dir = 1;
  r.IsUsed = static_cast<uint8_t>(dir | (held ? 4 : 0));
  return true;
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
