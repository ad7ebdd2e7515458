#pragma once
// The mixing engine: plain functions over the set-up block, the inputs and one
// state struct. Control values run from -2047 to +2047 (-100 %..+100 %, servo
// travel -200 %..+200 %); -2048 means no value.
//
// One engine per process. Its process-wide state (the board's size table, the
// control table, the value tables, the hooks) sits in one struct behind these
// functions; kl_engine_reset_state() puts it back to how a fresh process sees it.
// Nothing here allocates or locks; the sequencer hooks are the caller's locks.
#include <cstdint>

#include "model/engine/kl_engine_types.h"

// --- Half-away-from-zero rounding and percent conversion -------------------

// Half away from zero, saturating to 16 bits.
int16_t kl_engine_pseudo_round(double x);

// Control value <-> percent (toPercent set: control value to percent).
// A value outside -2047..+2047 gives -2048 in both directions.
int16_t kl_engine_calc_in100percentRange(int value, bool toPercent);
int16_t kl_engine_calc_servo_in200percentRange(int value, bool toPercent);

// --- Board size table ------------------------------------------------------

// Entries of the size table, in table order.
enum E_EngineCfg : int {
  EngineCfgServos = 0,
  EngineCfgFunctions = 1,
  EngineCfgMixers = 2,
  EngineCfgLimiters = 3,
  EngineCfgFlightModes = 4,
  EngineCfgFmSwitchSlots = 5,
  EngineCfgVirtualSwitches = 6,
  EngineCfgSequencers = 7,
  EngineCfgCurves = 8,
  EngineCfgTelemetryControls = 9,
  EngineCfgFmPriorityBase = 10,
  EngineCfgEntries = 11,
};

// Board types as the frame reports them (1 larger board, 2 smaller board).
enum : int { KL_BOARD_UNDEFINED = 0, KL_BOARD_VORN = 1, KL_BOARD_FENK = 2 };

extern const int32_t kl_engine_cfg_Vorn[EngineCfgEntries];
extern const int32_t kl_engine_cfg_Fenk[EngineCfgEntries];

// The table in force (pEngineCfg). Until kl_engine_init_parameters runs it is
// the larger board's, whose counts fit every array of the set-up block, so
// stores built before the board is known never index past it.
const int32_t* kl_engine_get_cfg();
int kl_engine_cfg_count(E_EngineCfg entry);

// Prints the board type and points the size table at the board's.
void kl_engine_init_parameters(int board);
void kl_engine_init_params_init_runtimedata(T_ServoOutputs* runtime, int board);

// Back to the state of a fresh process: larger board's table, tables zeroed,
// hooks cleared. For tests; the program never needs it.
void kl_engine_reset_state();

// --- Record defaults -------------------------------------------------------

void kl_engine_init_setupdata(T_SetupData* block);
void kl_engine_init_servoconfig(T_ServoConfig* record, int* endPercentOut = nullptr,
                                int* travelPercentOut = nullptr);
void kl_engine_init_function(T_Function* record);
void kl_engine_init_mixer(T_Mixer* record);
void kl_engine_init_sequencer(T_Sequencer* record);
void kl_engine_init_limiter(T_Limiter* record);
void kl_engine_init_flightmode(T_FlightMode* record);
void kl_engine_init_curve(T_Curve* record);
void kl_engine_init_vswitch(T_VSwitch* record);
void kl_engine_init_trimcontrol(T_TrimControlCfg* record);
void kl_engine_init_fmassignments(T_FlightModeControlAssignment* record);
void kl_engine_init_specialswitches(T_SpecialSwitch* record);
void kl_engine_init_telecontrol(T_TelemetryControl* record);
void kl_engine_reset_functionsetup(T_Function* record, int flightMode);
void kl_engine_reset_mixersetup(T_Mixer* record, int flightMode);

// --- Checksum (CRC-32C, reflected 0x82F63B78) ------------------------------

// One buffer with start value and final complement; length 0 gives 0.
uint32_t crc32_calc_buf(const unsigned char* data, unsigned int length);
// Continues a running value: no start value, no final complement. The stores
// chain their records through it.
uint32_t crc32_update_buf(uint32_t crc, const unsigned char* data, unsigned int length);
// The model checksum over the set-up block; 0 for a null block.
uint32_t kl_engine_calc_model_crc32(const T_SetupData* block);

// --- The set-up block and its one write door --------------------------------
//
// A pass walks an index of the used elements that it builds from the block
// and keeps while the block holds still. A host keeps its block in a
// KlSetupBlock: anyone may read it, but writing takes a KlSetupWrite, which
// counts the write when it opens and again when it closes. A pass rebuilds
// the index when the block was written since the index was built, or while a
// write is open, so no write can be missed, whatever field it changed.
// One thread at a time: the host's own lock guards the block and its count.

class KlSetupWrite;

class KlSetupBlock {
 public:
  KlSetupBlock();
  KlSetupBlock(const KlSetupBlock&) = delete;
  KlSetupBlock& operator=(const KlSetupBlock&) = delete;

  const T_SetupData& Read() const { return block_; }
  const T_SetupData* operator->() const { return &block_; }
  // Opened and closed writes, each counted once at either end.
  uint32_t Writes() const { return writes_; }
  bool WriteOpen() const { return open_ != 0; }

 private:
  friend class KlSetupWrite;
  friend int kl_engine_calculate(KlSetupBlock& setup, T_ServoOutputs* outputs);
  T_SetupData block_;
  uint32_t writes_ = 0;
  int open_ = 0;
};

// The write door: while it lives, the block may be written through it.
class KlSetupWrite {
 public:
  explicit KlSetupWrite(KlSetupBlock& setup) : setup_(setup) {
    ++setup_.open_;
    ++setup_.writes_;
  }
  ~KlSetupWrite() {
    --setup_.open_;
    ++setup_.writes_;
  }
  KlSetupWrite(const KlSetupWrite&) = delete;
  KlSetupWrite& operator=(const KlSetupWrite&) = delete;

  T_SetupData* get() const { return &setup_.block_; }
  T_SetupData* operator->() const { return &setup_.block_; }
  T_SetupData& operator*() const { return setup_.block_; }

 private:
  KlSetupBlock& setup_;
};

// --- Calculation cycle -----------------------------------------------------

void kl_engine_init_runtimedata(T_ServoOutputs* outputs);
void kl_engine_set_tick_count(uint32_t ms);
// One pass over a block behind its write door: the index is kept from pass
// to pass while no write came through the door. 0 when outputs is null, else 1.
int kl_engine_calculate(KlSetupBlock& setup, T_ServoOutputs* outputs);
// One pass over a bare block, which anyone may have written: the pass builds
// the index from what the block holds now. 0 when a pointer is null, else 1.
int kl_engine_calculate(T_SetupData* setup, T_ServoOutputs* outputs);

// Control table.
int16_t Get_ControlValue(uint16_t id, uint16_t* bookmark);
int16_t Get_FM_SwitchControl(uint16_t id, uint16_t* bookmark);
void kl_engine_setup_controls_vorn();
void kl_engine_setup_control_values(int value, uint16_t id);
// Also rebuilds the index of the used elements (all kinds, whatever the
// flags). A block behind its write door needs no such call: the door tells
// the next pass.
void kl_engine_update_control_bookmarks(bool functions, bool mixers, bool limiters,
                                        const T_SetupData* setup);
// Drops the index; the next pass rebuilds it from its block.
void kl_engine_invalidate_index();
// On: every pass rebuilds the index and keeps no cache between passes (the
// travel-time steps, the expo power tables, the unused control slots). The
// reference the ordinary passes are tested against; the program never needs it.
void kl_engine_set_uncached_passes(bool on);
int16_t kl_engine_get_control_value(int slot);
uint16_t kl_engine_get_control_ID(int slot);

// Virtual switches and flight mode.
int16_t kl_engine_get_virtual_switch_outputbySwitchID(int n);
int16_t kl_engine_get_virtual_switch_outputbyControl(uint16_t id);
int16_t kl_engine_get_vs_hys_value(int n, int condition);
uint8_t kl_engine_get_flightmode();

// Telemetry controls.
void kl_engine_telecontrol_set_resp_value_decpos(int t, bool valid, int16_t value,
                                                 uint8_t decimalPosition);
uint16_t kl_engine_telecontrol_get_fulladdr(int t);
uint8_t kl_engine_telecontrol_get_dec_point_from_settings(int t);
uint8_t kl_engine_telecontrol_get_actualdec_pos_resp(int t);
int16_t kl_engine_telecontrol_get_output_value(int t);
float kl_engine_telecontrol_get_calculated_value(int t, float* scaledOut);
int16_t kl_engine_telecontrol_get_input_rawval(const T_SetupData* setup, int t);

// --- Function values, mixers, limiters, servo outputs ----------------------

// Element 0 the published count, element 1 + f function f.
int16_t* kl_engine_get_funcvalues_pointer();
int16_t* kl_engine_get_purefuncvalues_pointer();
int16_t* kl_engine_get_mixersadditives_pointer();
void kl_engine_setup_function_values(int count);

// Trim lever of a trim control id: trims A to F give 0..5, anything else 0.
int kl_engine_get_trimindex_by_control(uint16_t id);

int kl_engine_get_trival_rate(int f);
int kl_engine_get_trival_expo(int f, int side);
int kl_engine_get_trival_limitermin(int f);
int kl_engine_get_trival_limitermax(int f);
int kl_engine_get_trival_differential(int f);
int kl_engine_get_trival_mixer(int j);

// Input (low half) and trim (high half) while function f fades, else both -2048.
uint32_t kl_engine_get_fading_trimvalue(int f);
// Selects function f as the one whose fading curve the screen shows; its
// 33 points while it fades, else null.
const int16_t* kl_engine_get_fadeincurve_pointer(int f);
// Selects mixer j; writes point 0..32 of its fading curve. 0 when not fading.
int kl_engine_get_fadeincurve_value(int j, int point, int16_t* out);

// --- Sequencers ------------------------------------------------------------

// The hooks around the sequencer step (set by the database facade). A null
// hook is skipped.
typedef void (*KlSeqLockHook)();
typedef void (*KlSeqSyncHook)(const T_SetupData*);
void kl_engine_set_sequencer_hooks(KlSeqLockHook lock, KlSeqLockHook unlock, KlSeqSyncHook sync);

int32_t kl_engine_get_sequencer_active_time(int q);
int32_t kl_engine_sequencer_time_get(int q);
int32_t kl_engine_get_sequencer_total_runtime(const T_SetupData* setup, int q);
int kl_engine_get_sequencer_actual_dirstate(const T_SetupData* setup, int q);
int kl_engine_get_is_sequencer_locked(int q);
int kl_engine_sequencer_locked_get(int q);
int kl_is_sequencer_run_completed(int q);
int kl_engine_sequencer_synchronize(int q, bool locked, int state, int32_t time);

// --- Data setters ----------------------------------------------------------

void kl_engine_update_begin();
void kl_engine_update_end();
int kl_engine_function_set(T_SetupData* block, const T_Function* record, int f);
void kl_engine_function_control_set(T_SetupData* block, int f, uint16_t id);
void kl_engine_function_control_rate_set(T_SetupData* block, int f, uint16_t id);
void kl_engine_function_control_expo_set(T_SetupData* block, int f, uint16_t id);
void kl_engine_function_control_diff_set(T_SetupData* block, int f, uint16_t id);
void kl_engine_function_trimcontrol_diff_set(T_SetupData* block, int f, uint16_t id);
void kl_engine_function_control_trim_set(T_SetupData* block, int f, uint16_t id);
int kl_engine_mixer_set(T_SetupData* block, const T_Mixer* record, int j);
void kl_engine_mixer_control_set(T_SetupData* block, int j, uint16_t id);
int kl_engine_limiter_set(T_SetupData* block, const T_Limiter* record, int l);
void kl_engine_limiter_control_above_set(T_SetupData* block, int l, uint16_t id);
void kl_engine_limiter_control_below_set(T_SetupData* block, int l, uint16_t id);
void kl_engine_sequencer_direction_set(T_SetupData* block, int q, uint8_t state);
int kl_engine_flight_mode_set(T_SetupData* block, const T_FlightMode* record, int m);
void kl_engine_flight_mode_used_set(T_SetupData* block, int m, uint8_t used);
