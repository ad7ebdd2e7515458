// One calculation pass of the mixing engine: a typical glider, and a model
// with every element of the larger board in use while two flight modes fade
// into each other on every pass.
#include <benchmark/benchmark.h>

#include <memory>

#include "frame/klx_controlids.h"
#include "model/engine/kl_engine.h"

namespace {

constexpr uint16_t kSticks[4] = {CONTROLID_Stick_STA_GUI, CONTROLID_Stick_STB_GUI, CONTROLID_Stick_STC_GUI,
                                 CONTROLID_Stick_STD_GUI};
constexpr uint16_t kTrims[6] = {CONTROLID_RE_TRA_GUI, CONTROLID_RE_TRB_GUI, CONTROLID_RE_TRC_GUI,
                                CONTROLID_RE_TRD_GUI, CONTROLID_RE_TRE_GUI, CONTROLID_RE_TRF_GUI};
constexpr uint16_t kSwitches[8] = {CONTROLID_SW_A_GUI, CONTROLID_SW_B_GUI, CONTROLID_SW_C_GUI, CONTROLID_SW_D_GUI,
                                   CONTROLID_SW_E_GUI, CONTROLID_SW_F_GUI, CONTROLID_SW_G_GUI, CONTROLID_SW_H_GUI};

// The block behind its write door, as the program keeps it.
struct Model {
  std::unique_ptr<KlSetupBlock> setup{new KlSetupBlock};
  T_ServoOutputs out{};
  uint32_t tick = 0;
};

void StartEngine(Model& m) {
  kl_engine_reset_state();
  kl_engine_init_parameters(KL_BOARD_VORN);
  kl_engine_init_runtimedata(&m.out);
  kl_engine_setup_controls_vorn();
}

void UseFunction(T_Function& f, uint16_t control, uint16_t trim, int expo) {
  f.IsUsed = 1;
  f.Control = control;
  f.TrimControl = trim;
  for (T_FunctionSetup& s : f.Setup) s.FlexExpoHi = s.FlexExpoNegHi = static_cast<int16_t>(expo);
}

void Assign(T_Function& f, int slot, int servo) {
  f.ServoUseMask = static_cast<uint16_t>(f.ServoUseMask | (1u << slot));
  f.Servo[slot].ServoIdx = static_cast<uint16_t>(servo);
  f.Servo[slot].ServoMixerIdx = 0;
}

void UseMixer(T_Mixer& m, int from, int to, uint16_t control) {
  m.IsUsed = 1;
  m.FromFuncIdx = static_cast<uint16_t>(from);
  m.ToFuncIdx = static_cast<uint16_t>(to);
  m.Control = control;
}

// Aileron, elevator, rudder, flaps, butterfly, throttle, two auxiliaries;
// two ailerons, elevator, rudder, two flaps; the usual glider mixers.
void BuildGlider(Model& m) {
  KlSetupWrite w(*m.setup);
  T_SetupData& b = *w;
  kl_engine_init_setupdata(&b);
  for (int n = 0; n < 6; ++n) b.ServoConfig[n].IsUsed = 1;
  const uint16_t controls[8] = {kSticks[3],          kSticks[2], kSticks[0],         CONTROLID_Poti_ROA_GUI,
                                kSticks[1],          CONTROLID_Poti_SLA_GUI, kSwitches[0], kSwitches[1]};
  for (int f = 0; f < 8; ++f)
    UseFunction(b.Function[f], controls[f], f < 4 ? kTrims[f] : 0, f < 3 ? 600 : 0);
  Assign(b.Function[0], 0, 0);
  Assign(b.Function[0], 1, 1);
  Assign(b.Function[1], 0, 2);
  Assign(b.Function[2], 0, 3);
  Assign(b.Function[3], 0, 4);
  Assign(b.Function[3], 1, 5);
  b.Function[0].ControlDifferential = 2;
  b.Function[0].Setup[0].FlexDifferentialHi = 600;
  b.ServoConfig[1].FunctionServoType = 3;
  // 12 mixers: aileron->rudder, aileron->flaps, flaps->aileron, flaps->elevator,
  // butterfly->aileron/flaps/elevator, elevator->flaps, throttle->elevator, ...
  const int mix[12][2] = {{0, 2}, {0, 3}, {3, 0}, {3, 1}, {4, 0}, {4, 3},
                          {4, 1}, {1, 3}, {5, 1}, {6, 0}, {7, 3}, {2, 0}};
  for (int j = 0; j < 12; ++j)
    UseMixer(b.Mixer[j], mix[j][0], mix[j][1], j % 2 ? kSwitches[2] : uint16_t(CONTROLID_FIXSWITCH_ON_GUI));
  // Four flight modes on two switches; two virtual switches.
  for (int fm = 0; fm < 4; ++fm) {
    b.FlightMode[fm].IsUsed = 1;
    b.FlightMode[fm].FadeIn = 5;
  }
  b.FlightModeAssignment.Control[5] = kSwitches[2];
  b.FlightModeAssignment.Control[6] = kSwitches[3];
  for (int i = 0; i < 4; ++i) b.FlightModeAssignment.Flightmode[2 * i] = static_cast<uint8_t>(i);
  b.Function[0].Function_FM_Mask = 0x0E;
  b.Function[1].Function_FM_Mask = 0x0E;
  b.Mixer[4].Mixer_FM_Mask = 0x0E;
  for (int n = 0; n < 2; ++n) {
    b.VSwitch[n].IsUsed = 1;
    b.VSwitch[n].Condition[0].Control = kSticks[1];
  }
  b.ServoConfig[5].CutOffVirtSwitchId = 0;
  StartEngine(m);
}

// Every element of the larger board: 48 functions, 48 mixers, 48 limiters,
// 27 flight modes, 26 servos, 128 virtual switches, 2 sequencers, 16
// telemetry controls, 8 switch slots, 255 curves.
void BuildFull(Model& m) {
  KlSetupWrite w(*m.setup);
  T_SetupData& b = *w;
  kl_engine_init_setupdata(&b);
  for (int n = 0; n < 26; ++n) {
    b.ServoConfig[n].IsUsed = 1;
    b.ServoConfig[n].CutOffVirtSwitchId = static_cast<uint8_t>(n);
    b.ServoConfig[n].FunctionServoType = static_cast<uint8_t>(n % 2 ? 3 : 4);
  }
  for (int f = 0; f < 48; ++f) {
    T_Function& fn = b.Function[f];
    UseFunction(fn, f < 32 ? (f % 2 ? kSticks[f % 4] : kSwitches[f % 8]) : 0x600 + f % 16,
                kTrims[f % 6], 300 + f * 10);
    fn.TrimMode = static_cast<uint8_t>(1 + f % 4);
    fn.ControlRate = kSwitches[(f + 1) % 8];
    fn.ControlDifferential = kSticks[f % 4];
    fn.Function_FM_Mask = 0x6;  // own set-ups in modes 1 and 2
    fn.Function_FM_DiffMask = 0x6;
    fn.GlobalCurveIdx = static_cast<uint16_t>(f);
    for (int fm = 0; fm < 27; ++fm) {
      fn.Setup[fm].CurveIdx = static_cast<uint16_t>((f + fm) % 255);
      fn.Setup[fm].FlexRateHi = static_cast<int16_t>(fm == 2 ? -1500 : 1800);
      fn.Setup[fm].FlexDifferentialHi = 300;
      fn.Setup[fm].DurationFromLeft = 5;
    }
    for (int s = 0; s < 10; ++s) Assign(fn, s, (f + s) % 26);
  }
  for (int j = 0; j < 48; ++j) {
    UseMixer(b.Mixer[j], (j + 7) % 48, j, kSwitches[j % 8]);
    b.Mixer[j].InheritForNext = static_cast<uint8_t>(j % 3 == 0);
    b.Mixer[j].IsTrimIncluded = static_cast<uint8_t>(j % 2);
    b.Mixer[j].Mixer_FM_Mask = 0x6;
    b.Mixer[j].GlobalCurveIdx = static_cast<uint16_t>(100 + j);
    for (int fm = 0; fm < 27; ++fm) {
      b.Mixer[j].Setup[fm].CurveIdx = static_cast<uint16_t>(150 + (j + fm) % 100);
      b.Mixer[j].Setup[fm].GainHi = static_cast<int16_t>(fm == 2 ? 700 : 1200);
      b.Mixer[j].Setup[fm].DelayUp = 3;
    }
  }
  for (int l = 0; l < 48; ++l) {
    b.Limiter[l].IsUsed = 1;
    b.Limiter[l].FuncIdx = static_cast<uint16_t>(l);
    b.Limiter[l].ControlAbove = kSticks[l % 4];
    b.Limiter[l].ControlBelow = kSticks[(l + 1) % 4];
  }
  for (int fm = 0; fm < 27; ++fm) {
    b.FlightMode[fm].IsUsed = 1;
    b.FlightMode[fm].FadeIn = 20;
    b.FlightMode[fm].FunctionNum = 48;
  }
  for (int c = 0; c < 255; ++c) {
    b.Curve[c].IsUsed = 1;
    for (int p = 0; p < 33; ++p) b.Curve[c].Point[p] = static_cast<int16_t>(-2047 + p * 127 + c % 7);
  }
  for (int k = 0; k < 8; ++k) b.FlightModeAssignment.Control[k] = kSwitches[k];
  for (int i = 0; i < 27; ++i) b.FlightModeAssignment.Flightmode[i] = static_cast<uint8_t>(i % 3);
  b.FlightModeAssignment.Flightmode[12] = 1;  // slot 0 on: mode 1
  b.FlightModeAssignment.Flightmode[0] = 2;   // all off: mode 2
  for (int n = 0; n < 128; ++n) {
    T_VSwitch& v = b.VSwitch[n];
    v.IsUsed = 1;
    v.LogicalOperator = static_cast<uint8_t>(n % 5);
    v.Condition[0].Control = n == 0 ? kSticks[0] : static_cast<uint16_t>(KLX_ControlOfVirtualSwitch(n - 1));
    v.Condition[1].Control = kSticks[n % 4];
  }
  for (int q = 0; q < 2; ++q) {
    T_Sequencer& s = b.Sequencer[q];
    s.IsUsed = 1;
    s.ControlID = kSwitches[4 + q];
    for (int k = 0; k < 6; ++k) {
      s.Servo[k].SEQChannel = static_cast<uint16_t>(k);
      s.Servo[k].TimeValueFwd[6] = s.Servo[k].TimeValueBwd[6] = 4000;
      s.Servo[k].PositionFwd[0] = s.Servo[k].PositionBwd[6] = -1000;
      s.Servo[k].PositionFwd[6] = s.Servo[k].PositionBwd[0] = 1000;
    }
  }
  for (int t = 0; t < 16; ++t) {
    b.TelemetryControl[t].IsUsed = 1;
    b.TelemetryControl[t].MainAddress = static_cast<uint8_t>(t + 1);
    b.TelemetryControl[t].SlaveAddress = 0;
    b.TelemetryControl[t].LowerLimit = -100;
    b.TelemetryControl[t].UpperLimit = 100;
  }
  StartEngine(m);
  for (int t = 0; t < 16; ++t) kl_engine_telecontrol_set_resp_value_decpos(t, true, 10, 0);
}

void MoveSticks(uint32_t pass) {
  for (int i = 0; i < 4; ++i)
    kl_engine_setup_control_values(static_cast<int>((pass * 37 + i * 500) % 4095) - 2047, kSticks[i]);
}

void Pass(Model& m) {
  kl_engine_set_tick_count(m.tick);
  kl_engine_calculate(*m.setup, &m.out);
  m.tick += 40;
}

void BM_GliderPass(benchmark::State& state) {
  Model m;
  BuildGlider(m);
  kl_engine_setup_control_values(2047, kSwitches[2]);  // one flight mode throughout
  for (int i = 0; i < 10; ++i) Pass(m);
  uint32_t pass = 0;
  for (auto _ : state) {
    MoveSticks(++pass);
    Pass(m);
    benchmark::DoNotOptimize(m.out);
  }
}
BENCHMARK(BM_GliderPass);

// The full model with the flight-mode switch set by pass number.
template <typename SwitchAt>
void RunFullModel(benchmark::State& state, SwitchAt switchAt) {
  Model m;
  BuildFull(m);
  for (int i = 0; i < 10; ++i) Pass(m);
  uint32_t pass = 0;
  for (auto _ : state) {
    ++pass;
    kl_engine_setup_control_values(switchAt(pass), kSwitches[0]);
    MoveSticks(pass);
    Pass(m);
    benchmark::DoNotOptimize(m.out);
  }
}

// The flight-mode switch flips every pass, so every pass starts a new fade
// from the blend the previous pass left: the heaviest work a pass can do.
void BM_FullModelFadingEveryPass(benchmark::State& state) {
  RunFullModel(state, [](uint32_t pass) { return pass % 2 ? 2047 : -2047; });
}
BENCHMARK(BM_FullModelFadingEveryPass);

// The same model with a fade always running (2 s fades, switch flipped every
// 25 passes): blending without a new change each pass.
void BM_FullModelFadeRunning(benchmark::State& state) {
  RunFullModel(state, [](uint32_t pass) { return (pass / 25) % 2 ? 2047 : -2047; });
}
BENCHMARK(BM_FullModelFadeRunning);

}  // namespace

BENCHMARK_MAIN();
