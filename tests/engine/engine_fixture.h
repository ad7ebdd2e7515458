#pragma once
// A fresh engine per case: the engine's own initialisers build the set-up
// block, fields are patched as raw little-endian bytes at the record offsets
// of the controllers' layout (so the record structs are checked too), and
// passes run on a controlled engine clock. The block sits behind its write
// door, as the program keeps it: every write goes through write(), and
// nothing else tells the engine that the block changed.
#include <cstdint>
#include <cstring>
#include <memory>

#include "model/engine/kl_engine.h"

namespace enginetest {

// Offsets of the arrays in the set-up block and the record sizes.
constexpr int kServo = 0, kServoSize = 100;
constexpr int kFunction = 2600, kFunctionSize = 888;
constexpr int kMixer = 45224, kMixerSize = 348;
constexpr int kSequencer = 61928, kSequencerSize = 356;
constexpr int kLimiter = 62640, kLimiterSize = 334;
constexpr int kFlightMode = 78672, kFlightModeSize = 102;
constexpr int kCurve = 81428, kCurveSize = 72;
constexpr int kTrim = 99788, kTrimSize = 64;
constexpr int kVSwitch = 100172, kVSwitchSize = 24;
constexpr int kSpecial = 103244;
constexpr int kFmAssign = 103252;
constexpr int kTele = 103296, kTeleSize = 18;
constexpr int kBlockSize = 103584;

constexpr int Servo(int n) { return kServo + n * kServoSize; }
constexpr int Function(int f) { return kFunction + f * kFunctionSize; }
constexpr int FunctionSetup(int f, int fm) { return Function(f) + 24 + 30 * fm; }
constexpr int Mixer(int j) { return kMixer + j * kMixerSize; }
constexpr int MixerSetup(int j, int fm) { return Mixer(j) + 14 + 12 * fm; }
constexpr int Sequencer(int q) { return kSequencer + q * kSequencerSize; }
constexpr int SeqServo(int q, int k) { return Sequencer(q) + 8 + 58 * k; }
constexpr int Limiter(int l) { return kLimiter + l * kLimiterSize; }
constexpr int FlightMode(int m) { return kFlightMode + m * kFlightModeSize; }
constexpr int Curve(int c) { return kCurve + c * kCurveSize; }
constexpr int Trim(int t) { return kTrim + t * kTrimSize; }
constexpr int VSwitch(int n) { return kVSwitch + n * kVSwitchSize; }
constexpr int Tele(int t) { return kTele + t * kTeleSize; }

// Physical control ids used by the tests.
constexpr uint16_t kStick0 = 256, kStick1 = 257, kStick2 = 496, kStick3 = 497;
constexpr uint16_t kTrim0 = 512;
constexpr uint16_t kSwitch[8] = {768, 769, 770, 771, 772, 776, 773, 1013};
constexpr uint16_t kOn = 2, kOff = 3;

class Engine {
 public:
  explicit Engine(int board = KL_BOARD_VORN) {
    kl_engine_reset_state();
    kl_engine_init_parameters(board);
    setup_.reset(new KlSetupBlock);
    kl_engine_init_runtimedata(&out_);
    kl_engine_setup_controls_vorn();
  }

  const T_SetupData* read() const { return &setup_->Read(); }
  // A write through the door; a temporary closes at the end of its
  // statement: e.write()->Mixer[0].IsUsed = 1;
  KlSetupWrite write() { return KlSetupWrite(*setup_); }
  KlSetupBlock& setup() { return *setup_; }
  const T_ServoOutputs& out() const { return out_; }

  void Put8(int off, int v) { bytes(write())[off] = static_cast<unsigned char>(v); }
  void Put16(int off, int v) {
    KlSetupWrite w = write();
    bytes(w)[off] = static_cast<unsigned char>(v & 0xFF);
    bytes(w)[off + 1] = static_cast<unsigned char>((v >> 8) & 0xFF);
  }
  void Put32(int off, uint32_t v) {
    KlSetupWrite w = write();
    for (int i = 0; i < 4; ++i) bytes(w)[off + i] = static_cast<unsigned char>(v >> (8 * i));
  }
  const unsigned char* raw() const { return reinterpret_cast<const unsigned char*>(read()); }
  int Get8(int off) const { return raw()[off]; }
  int Get16s(int off) const { return static_cast<int16_t>(raw()[off] | (raw()[off + 1] << 8)); }
  int Get16u(int off) const { return raw()[off] | (raw()[off + 1] << 8); }
  uint32_t Get32(int off) const {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t(raw()[off + i]) << (8 * i);
    return v;
  }

  // A used function driven by `control`.
  void UseFunction(int f, uint16_t control) {
    Put8(Function(f), 1);
    Put16(Function(f) + 2, control);
  }
  // Function f drives servo n through assignment slot s and servo mixer m.
  void AssignServo(int f, int s, int n, int m = 0) {
    Put16(Function(f) + 834, Get16u(Function(f) + 834) | (1 << s));
    Put16(Function(f) + 836 + 4 * s, n);
    Put16(Function(f) + 838 + 4 * s, m);
  }
  void UseServo(int n) { Put8(Servo(n), 1); }
  void UseVSwitch(int n, uint16_t control0, int op = 1) {
    Put8(VSwitch(n), 1);
    Put8(VSwitch(n) + 2, op);
    Put16(VSwitch(n) + 4, control0);
  }

  void Stick(uint16_t id, int value) { kl_engine_setup_control_values(value, id); }

  // One pass at the current clock, then the clock moves on by `ms`.
  void Pass(uint32_t ms = 40) {
    kl_engine_set_tick_count(tick_);
    kl_engine_calculate(*setup_, &out_);
    tick_ += ms;
  }
  void Passes(int n, uint32_t ms = 40) {
    for (int i = 0; i < n; ++i) Pass(ms);
  }
  uint32_t tick() const { return tick_; }
  void SetTick(uint32_t t) { tick_ = t; }

  static int Fn(int f) { return kl_engine_get_funcvalues_pointer()[1 + f]; }
  static int Pure(int f) { return kl_engine_get_purefuncvalues_pointer()[1 + f]; }
  static int MixSum(int f) { return kl_engine_get_mixersadditives_pointer()[1 + f]; }
  static int Vs(int n) { return kl_engine_get_virtual_switch_outputbySwitchID(n); }
  int ServoOut(int n) const { return out_.value[n]; }

 private:
  static unsigned char* bytes(const KlSetupWrite& w) { return reinterpret_cast<unsigned char*>(w.get()); }

  std::unique_ptr<KlSetupBlock> setup_;
  T_ServoOutputs out_{};
  uint32_t tick_ = 0;
};

}  // namespace enginetest
