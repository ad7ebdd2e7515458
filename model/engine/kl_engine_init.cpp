// Board size tables, the engine's state, and the defaults of every record.
#include <cstdio>
#include <cstring>

#include "model/engine/kl_engine_state.h"

const int32_t kl_engine_cfg_Vorn[EngineCfgEntries] = {26, 48, 48, 48, 27, 8, 128, 2, 255, 16, 12};
const int32_t kl_engine_cfg_Fenk[EngineCfgEntries] = {18, 32, 32, 32, 9, 7, 80, 1, 255, 4, 8};

KlEngineState g_klEngine{};

const int32_t* kl_engine_get_cfg() { return g_klEngine.pEngineCfg; }

int kl_engine_cfg_count(E_EngineCfg entry) {
  if (entry < 0 || entry >= EngineCfgEntries) return 0;
  return g_klEngine.pEngineCfg[entry];
}

void kl_engine_init_parameters(int board) {
  std::printf(" PARAMS LOADING FOR BOARD: %d\n", board);
  std::fflush(stdout);
  // Written only when it changes (the first load): every later start of the
  // processing finds the table in force, while the alarm pass reads it.
  const int32_t* table = (board == KL_BOARD_FENK) ? kl_engine_cfg_Fenk : kl_engine_cfg_Vorn;
  if (g_klEngine.pEngineCfg != table) g_klEngine.pEngineCfg = table;
}

void kl_engine_init_params_init_runtimedata(T_ServoOutputs* runtime, int board) {
  kl_engine_init_parameters(board);
  kl_engine_init_runtimedata(runtime);
}

void kl_engine_reset_state() { g_klEngine = KlEngineState{}; }

// --- Record defaults -------------------------------------------------------

void kl_engine_init_servoconfig(T_ServoConfig* r, int* endPercentOut, int* travelPercentOut) {
  if (!r) return;
  r->Group = 128;
  r->MinValue = -1279;  // -125 %
  r->MaxValue = 1279;  // +125 %
  r->FrameRate = 9;
  r->FailSafePosMode = 1;
  r->CutOffVirtSwitchId = 255;
  for (T_ServoMixer& m : r->Mixer) {
    m.SourceType = 2;
    m.FuncTravelMin = -1024;  // -100 %
    m.FuncTravelMax = 1024;  // +100 %
    m.FuncTravelFuncIndex = KL_NO_FUNCTION;
    m.ServoCurveIndex = KL_NO_CURVE;
  }
  if (endPercentOut) *endPercentOut = 125;
  if (travelPercentOut) *travelPercentOut = 100;
}

namespace {

// A record written in the block the index was built from leaves the index
// behind it; the next pass rebuilds it.
// The stores make their records' defaults with the same functions on other
// threads: the block is read from its own atomic copy, never from the index
// a pass may be rebuilding.
void NoteWrite(const void* p) {
  const unsigned char* b = reinterpret_cast<const unsigned char*>(g_klIndexedBlock.load(std::memory_order_relaxed));
  const unsigned char* q = static_cast<const unsigned char*>(p);
  if (b && q >= b && q < b + sizeof(T_SetupData)) kl_engine_invalidate_index();
}

}  // namespace

void kl_engine_reset_functionsetup(T_Function* r, int fm) {
  if (!r || fm < 0 || fm >= kl_cfg(EngineCfgFlightModes)) return;
  NoteWrite(r);
  T_FunctionSetup& s = r->Setup[fm];
  std::memset(&s, 0, sizeof s);
  s.CurveIdx = KL_NO_CURVE;
  s.FlexRateHi = 2047;
  s.FlexRateCenter = 2047;
  s.FlexRateLo = 2047;
}

void kl_engine_init_function(T_Function* r) {
  if (!r) return;
  r->ControlRate = 2;
  r->ControlExpo = 2;
  r->TrimRange = 1024;  // 50 %
  r->TrimMode = 4;
  r->FailSafePosMode = 1;
  for (int fm = 0; fm < KL_MAX_FLIGHTMODES; ++fm) kl_engine_reset_functionsetup(r, fm);
  for (T_FunctionServo& s : r->Servo) s.ServoIdx = KL_NO_SERVO;
}

void kl_engine_reset_mixersetup(T_Mixer* r, int fm) {
  if (!r || fm < 0 || fm >= kl_cfg(EngineCfgFlightModes)) return;
  NoteWrite(r);
  T_MixerSetup& s = r->Setup[fm];
  std::memset(&s, 0, sizeof s);
  s.GainHi = 1024;  // 50 %
  s.GainLo = -1024;  // -50 %
  s.CurveIdx = KL_NO_CURVE;
}

void kl_engine_init_mixer(T_Mixer* r) {
  if (!r) return;
  r->FromFuncIdx = KL_NO_FUNCTION;
  r->ToFuncIdx = KL_NO_FUNCTION;
  r->MixerFlags = 1;  // global
  for (int fm = 0; fm < KL_MAX_FLIGHTMODES; ++fm) kl_engine_reset_mixersetup(r, fm);
}

void kl_engine_init_sequencer(T_Sequencer* r) {
  if (!r) return;
  r->ThldAbove = 512;  // 25 %
  r->ThldBelow = -512;  // -25 %
  for (T_SequencerServo& s : r->Servo) {
    s.SEQChannel = KL_NO_SERVO;
    for (int w = 0; w < KL_SEQ_WAYPOINTS; ++w) {
      s.PositionFwd[w] = KL_CV_NONE;
      s.PositionBwd[w] = KL_CV_NONE;
    }
  }
}

void kl_engine_init_limiter(T_Limiter* r) {
  if (!r) return;
  r->FuncIdx = KL_NO_FUNCTION;
  for (int fm = 0; fm < KL_MAX_FLIGHTMODES; ++fm) {
    r->Above[fm] = {2047, 0, -2047};
    r->Below[fm] = {2047, 0, -2047};
  }
}

void kl_engine_init_flightmode(T_FlightMode* r) {
  if (!r) return;
  for (uint16_t& f : r->NoFadeInFuncIdxs) f = KL_NO_FUNCTION;
}

void kl_engine_init_curve(T_Curve* r) {
  if (!r) return;
  // A straight line through 33 equally spaced points of -2047..2047.
  for (int p = 0; p < KL_CURVE_POINTS; ++p)
    r->Point[p] = static_cast<int16_t>(-2047 + kl_engine_pseudo_round(p * 127.9375));
  r->RealPoints = 5;
}

void kl_engine_init_vswitch(T_VSwitch* r) {
  if (!r) return;
  r->IsVisible = 1;
  r->LogicalOperator = 1;
  for (T_VSwitchCondition& c : r->Condition) {
    c.AboveHys = 614;  // 30 %
    c.BelowHys = -614;  // -30 %
  }
}

void kl_engine_init_trimcontrol(T_TrimControlCfg* r) {
  if (!r) return;
  r->TrimSteps = 41;  // 2 %
}

void kl_engine_init_fmassignments(T_FlightModeControlAssignment* r) {
  if (!r) return;
  for (uint16_t& c : r->Control) c = CONTROLID_Invalid_GUI;
}

void kl_engine_init_specialswitches(T_SpecialSwitch* r) {
  if (!r) return;
  for (int16_t& v : r->Value) v = 2047;
}

void kl_engine_init_telecontrol(T_TelemetryControl* r) {
  if (!r) return;
  r->MainAddress = 255;
  r->SlaveAddress = 255;
  r->LowerLimit = -10;
  r->UpperLimit = 10;
}

void kl_engine_init_setupdata(T_SetupData* b) {
  if (!b) return;
  NoteWrite(b);
  std::memset(b, 0, sizeof *b);
  for (T_ServoConfig& r : b->ServoConfig) kl_engine_init_servoconfig(&r);
  for (T_Function& r : b->Function) kl_engine_init_function(&r);
  for (T_Mixer& r : b->Mixer) kl_engine_init_mixer(&r);
  for (T_Sequencer& r : b->Sequencer) kl_engine_init_sequencer(&r);
  for (T_Limiter& r : b->Limiter) kl_engine_init_limiter(&r);
  for (T_FlightMode& r : b->FlightMode) kl_engine_init_flightmode(&r);
  for (T_Curve& r : b->Curve) kl_engine_init_curve(&r);
  for (T_VSwitch& r : b->VSwitch) kl_engine_init_vswitch(&r);
  for (T_TrimControlCfg& r : b->TrimControl) kl_engine_init_trimcontrol(&r);
  kl_engine_init_fmassignments(&b->FlightModeAssignment);
  kl_engine_init_specialswitches(b->SpecialSwitch);
  for (T_TelemetryControl& r : b->TelemetryControl) kl_engine_init_telecontrol(&r);
}
