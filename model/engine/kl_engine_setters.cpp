// Writes into a set-up block that keep the control bookmarks in step. While an
// update is open (kl_engine_update_begin) the follow-up work is the caller's.
#include <cstring>

#include "model/engine/kl_engine_state.h"

namespace {

KlEngineState& E = g_klEngine;

bool InRange(const T_SetupData* block, int i, E_EngineCfg kind) {
  return block && i >= 0 && i < kl_cfg(kind);
}

void RefreshFunctions(const T_SetupData* b) { kl_engine_update_control_bookmarks(true, false, false, b); }
void RefreshMixers(const T_SetupData* b) { kl_engine_update_control_bookmarks(false, true, false, b); }
void RefreshLimiters(const T_SetupData* b) { kl_engine_update_control_bookmarks(false, false, true, b); }

// A write with no bookmark to follow still changes what the index holds.
void RefreshIndex(const T_SetupData* b) { kl_engine_rebuild_index(b); }

// Inside an update the caller refreshes when done; until then no pass may
// walk an index of what the block held before.
void Deferred() { kl_engine_invalidate_index(); }

// A flight mode written anew or switched off starts from default set-ups and
// zero trims everywhere.
void on_flight_mode_updated(T_SetupData* block, int m) {
  for (int f = 0; f < kl_cfg(EngineCfgFunctions); ++f)
    if (block->Function[f].IsUsed) kl_engine_reset_functionsetup(&block->Function[f], m);
  for (int j = 0; j < kl_cfg(EngineCfgMixers); ++j)
    if (block->Mixer[j].IsUsed) kl_engine_reset_mixersetup(&block->Mixer[j], m);
  for (T_TrimControlCfg& t : block->TrimControl) t.TrimValue[m] = 0;
}

}  // namespace

void kl_engine_update_begin() { E.update = true; }
void kl_engine_update_end() {
  E.update = false;
  kl_engine_invalidate_index();
}

int kl_engine_function_set(T_SetupData* block, const T_Function* record, int f) {
  if (!record || !InRange(block, f, EngineCfgFunctions)) return 0;
  std::memcpy(&block->Function[f], record, sizeof *record);
  if (!E.update)
    RefreshFunctions(block);
  else
    Deferred();
  return 1;
}

void kl_engine_function_control_set(T_SetupData* block, int f, uint16_t id) {
  if (!InRange(block, f, EngineCfgFunctions)) return;
  block->Function[f].Control = id;
  RefreshFunctions(block);
}

void kl_engine_function_control_rate_set(T_SetupData* block, int f, uint16_t id) {
  if (!InRange(block, f, EngineCfgFunctions)) return;
  block->Function[f].ControlRate = id;
  RefreshFunctions(block);
}

void kl_engine_function_control_expo_set(T_SetupData* block, int f, uint16_t id) {
  if (!InRange(block, f, EngineCfgFunctions)) return;
  block->Function[f].ControlExpo = id;
  RefreshFunctions(block);
}

void kl_engine_function_control_diff_set(T_SetupData* block, int f, uint16_t id) {
  if (!InRange(block, f, EngineCfgFunctions)) return;
  block->Function[f].ControlDifferential = id;
  RefreshFunctions(block);
}

void kl_engine_function_trimcontrol_diff_set(T_SetupData* block, int f, uint16_t id) {
  if (!InRange(block, f, EngineCfgFunctions)) return;
  block->Function[f].TrimDifferential = id;
  RefreshIndex(block);
}

void kl_engine_function_control_trim_set(T_SetupData* block, int f, uint16_t id) {
  if (!InRange(block, f, EngineCfgFunctions)) return;
  block->Function[f].TrimControl = id;
  RefreshFunctions(block);
}

int kl_engine_mixer_set(T_SetupData* block, const T_Mixer* record, int j) {
  if (!record || !InRange(block, j, EngineCfgMixers)) return 0;
  std::memcpy(&block->Mixer[j], record, sizeof *record);
  if (!E.update)
    RefreshMixers(block);
  else
    Deferred();
  return 1;
}

void kl_engine_mixer_control_set(T_SetupData* block, int j, uint16_t id) {
  if (!InRange(block, j, EngineCfgMixers)) return;
  block->Mixer[j].Control = id;
  RefreshMixers(block);
}

int kl_engine_limiter_set(T_SetupData* block, const T_Limiter* record, int l) {
  if (!record || !InRange(block, l, EngineCfgLimiters)) return 0;
  std::memcpy(&block->Limiter[l], record, sizeof *record);
  if (!E.update)
    RefreshLimiters(block);
  else
    Deferred();
  return 1;
}

void kl_engine_limiter_control_above_set(T_SetupData* block, int l, uint16_t id) {
  if (!InRange(block, l, EngineCfgLimiters)) return;
  block->Limiter[l].ControlAbove = id;
  RefreshLimiters(block);
}

void kl_engine_limiter_control_below_set(T_SetupData* block, int l, uint16_t id) {
  if (!InRange(block, l, EngineCfgLimiters)) return;
  block->Limiter[l].ControlBelow = id;
  RefreshLimiters(block);
}

void kl_engine_sequencer_direction_set(T_SetupData* block, int q, uint8_t state) {
  if (!InRange(block, q, EngineCfgSequencers)) return;
  // A direction written while the run is still going would be lost mid-run.
  if (kl_is_sequencer_run_completed(q)) block->Sequencer[q].IsUsed = state;
}

int kl_engine_flight_mode_set(T_SetupData* block, const T_FlightMode* record, int m) {
  if (!record || !InRange(block, m, EngineCfgFlightModes)) return 0;
  std::memcpy(&block->FlightMode[m], record, sizeof *record);
  if (E.update) {
    Deferred();
    return 1;
  }
  on_flight_mode_updated(block, m);
  RefreshIndex(block);
  return 1;
}

void kl_engine_flight_mode_used_set(T_SetupData* block, int m, uint8_t used) {
  if (!InRange(block, m, EngineCfgFlightModes)) return;
  block->FlightMode[m].IsUsed = used;
  if (E.update) {
    Deferred();
    return;
  }
  if (used == 0) on_flight_mode_updated(block, m);
  RefreshIndex(block);
}
