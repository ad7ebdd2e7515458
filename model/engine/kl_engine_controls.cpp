// The first stages of a pass: the control table, the telemetry controls, the
// virtual switches and the flight-mode selection with its fade.
#include <cmath>
#include <cstring>
#include <limits>

#include "model/engine/kl_engine_state.h"

namespace {

KlEngineState& E = g_klEngine;

// Physical controls in their fixed slots 0..31: sticks, trims, rotaries and
// sliders, switches.
constexpr uint16_t kPhysicalIds[KL_PHYS_SLOTS] = {
    CONTROLID_Stick_STA_GUI, CONTROLID_Stick_STB_GUI, CONTROLID_Stick_STC_GUI, CONTROLID_Stick_STD_GUI,
    CONTROLID_RE_TRA_GUI,    CONTROLID_RE_TRB_GUI,    CONTROLID_RE_TRC_GUI,    CONTROLID_RE_TRD_GUI,
    CONTROLID_RE_TRE_GUI,    CONTROLID_RE_TRF_GUI,    CONTROLID_Poti_ROA_GUI,  CONTROLID_Poti_SLA_GUI,
    CONTROLID_Poti_ROB_GUI,  CONTROLID_Poti_SLB_GUI,  CONTROLID_SW_A_GUI,      CONTROLID_SW_B_GUI,
    CONTROLID_SW_C_GUI,      CONTROLID_SW_D_GUI,      CONTROLID_SW_E_GUI,      CONTROLID_SW_F_GUI,
    CONTROLID_SW_G_GUI,      CONTROLID_SW_H_GUI,      CONTROLID_SW_I_GUI,      CONTROLID_SW_J_GUI,
    CONTROLID_SW_K_GUI,      CONTROLID_SW_L_GUI,      CONTROLID_SW_M_GUI,      CONTROLID_SW_N_GUI,
    CONTROLID_SW_CTO_GUI,    CONTROLID_SW_GTO_GUI,    CONTROLID_SW_LTO_GUI,    CONTROLID_SW_HTO_GUI};

bool IsControlValue(int v) { return v >= -2047 && v <= 2047; }

uint16_t SearchSlot(uint16_t id) {
  const KlControlTable& t = E.ControlValues;
  for (unsigned i = 0; i < t.count && i < KL_CONTROL_SLOTS; ++i)
    if (t.ids[i] == id) return static_cast<uint16_t>(i);
  return KL_NO_BOOKMARK;
}

}  // namespace

// --- Control values ------------------------------------------------------------

int16_t Get_ControlValue(uint16_t id, uint16_t* bookmark) { return kl_control_value(id, bookmark); }

int16_t Get_FM_SwitchControl(uint16_t id, uint16_t* bookmark) {
  // An unassigned slot is off here, although a plain read gives 0.
  if (!bookmark || id == CONTROLID_None_GUI || id == CONTROLID_FIXSWITCH_OFF_GUI || id == CONTROLID_Invalid_GUI)
    return -2047;
  if (id == CONTROLID_FIXSWITCH_ON_GUI) return 2047;
  // Virtual switches, telemetry controls and inverted switches.
  if ((id >= KLX_CONTROL_KIND_VS && id < KLX_CONTROL_KIND_FuncOut) || KLX_ControlKind(id) == KLX_CONTROL_KIND_VSInv) {
    int16_t v = kl_control_value(id, bookmark);
    return v == KL_CV_NONE ? -2047 : v;
  }
  bool found;
  int16_t v = kl_table_lookup(id, bookmark, &found);
  return (!found || v == KL_CV_NONE) ? -2047 : v;
}

void kl_engine_setup_controls_vorn() {
  KlControlTable& t = E.ControlValues;
  std::memcpy(t.ids, kPhysicalIds, sizeof kPhysicalIds);
  t.count = KL_PHYS_SLOTS;
  for (int i = KL_PHYS_SLOTS; i < KL_CONTROL_SLOTS; ++i) t.ids[i] = 0;
  E.index.fullControlPass = 1;
}

void kl_engine_setup_control_values(int value, uint16_t id) {
  if (!IsControlValue(value)) return;
  for (int i = 0; i < KL_PHYS_SLOTS; ++i) {
    if (kPhysicalIds[i] == id) {
      E.ControlValues.values[i] = static_cast<int16_t>(value);
      return;
    }
  }
}

void kl_engine_update_control_bookmarks(bool functions, bool mixers, bool limiters,
                                        const T_SetupData* setup) {
  if (!setup) return;
  if (functions) {
    for (int f = 0; f < kl_cfg(EngineCfgFunctions); ++f) {
      const T_Function& r = setup->Function[f];
      if (!r.IsUsed) continue;
      KlFunctionInfo& fi = E.FunctionInfo[f];
      fi.bmInput = SearchSlot(r.Control);
      fi.bmRate = SearchSlot(r.ControlRate);
      fi.bmExpo = SearchSlot(r.ControlExpo);
      fi.bmDiff = SearchSlot(r.ControlDifferential);
    }
  }
  if (mixers) {
    for (int j = 0; j < kl_cfg(EngineCfgMixers); ++j)
      if (setup->Mixer[j].IsUsed) E.MixerInfo[j].bookmark = SearchSlot(setup->Mixer[j].Control);
  }
  if (limiters) {
    for (int l = 0; l < kl_cfg(EngineCfgLimiters); ++l) {
      const T_Limiter& r = setup->Limiter[l];
      if (!r.IsUsed) continue;
      E.LimiterBookmarks[l][0] = SearchSlot(r.ControlAbove);
      E.LimiterBookmarks[l][1] = SearchSlot(r.ControlBelow);
    }
  }
  kl_engine_rebuild_index(setup);
}

int16_t kl_engine_get_control_value(int slot) {
  const KlControlTable& t = E.ControlValues;
  if (slot < 0 || slot >= t.count || slot >= KL_CONTROL_SLOTS) return KL_CV_NONE;
  if (t.ids[slot] == CONTROLID_None_GUI || t.ids[slot] == CONTROLID_Invalid_GUI) return KL_CV_NONE;
  return t.values[slot];
}

uint16_t kl_engine_get_control_ID(int slot) {
  const KlControlTable& t = E.ControlValues;
  if (slot < 0 || slot >= t.count || slot >= KL_CONTROL_SLOTS) return 0;
  return t.ids[slot];
}

// --- Virtual switches ------------------------------------------------------

int16_t kl_engine_get_virtual_switch_outputbySwitchID(int n) {
  if (n < 0 || n >= kl_cfg(EngineCfgVirtualSwitches)) return -2047;
  return E.ControlValues.values[KL_VS_SLOT0 + n];
}

int16_t kl_engine_get_virtual_switch_outputbyControl(uint16_t id) {
  if (KLX_ControlKind(id) != KLX_CONTROL_KIND_VS) return -2047;
  const int n = id - KLX_CONTROL_KIND_VS;
  if (n >= kl_cfg(EngineCfgVirtualSwitches) || E.ControlValues.ids[KL_VS_SLOT0 + n] != id)
    return -2047;
  return E.ControlValues.values[KL_VS_SLOT0 + n];
}

int16_t kl_engine_get_vs_hys_value(int n, int condition) {
  if (n < 0 || n >= kl_cfg(EngineCfgVirtualSwitches) || condition < 0 || condition > 1)
    return -2047;
  return E.HysteresisState[n][condition];
}

namespace {

// One condition of a virtual switch: the latch with its hysteresis. The
// latch is written only when it turns, as it may hold another value before
// the first turn.
inline bool EvalCondition(const KlIdxCondition& ic, int16_t& latch, uint16_t& bookmark) {
  if (ic.unassigned) {
    latch = -2047;
    return false;
  }
  const int v = kl_source_value(ic.src, &bookmark);
  if (!IsControlValue(v)) {
    latch = -2047;
    return false;
  }
  const int d = ic.sign * v;
  const bool wasOn = latch == 2047;
  if (!wasOn && d > ic.on) latch = 2047;
  if (wasOn && d < ic.off) latch = -2047;
  return (latch == 2047) != (ic.inverted != 0);
}

}  // namespace

void kl_engine_step_virtual_switches(const T_SetupData* setup, const KlIndex& x) {
  KlControlTable& t = E.ControlValues;
  if (x.fullControlPass) {
    const int vsCount = kl_cfg(EngineCfgVirtualSwitches);
    for (int n = 0; n < vsCount && t.count <= KL_CONTROL_SLOTS; ++n) {
      const int slot = KL_VS_SLOT0 + n;
      if (setup->VSwitch[n].IsUsed) {
        t.ids[slot] = static_cast<uint16_t>(KLX_ControlOfVirtualSwitch(n));
        if (t.count < slot + 1) t.count = static_cast<uint16_t>(slot + 1);
      } else {
        t.ids[slot] = CONTROLID_Invalid_GUI;
        t.values[slot] = KL_CV_NONE;
      }
    }
  } else if (t.count < x.lastUsedVsSlot + 1) {
    // The slots keep their ids from the last full pass.
    t.count = static_cast<uint16_t>(x.lastUsedVsSlot + 1);
  }
  // Slot order, each result stored at once: a switch that names a later one
  // sees that one's value of the previous pass.
  for (int i = 0; i < x.nVSwitches; ++i) {
    const KlIdxVSwitch& e = x.vswitches[i];
    const int n = e.n;
    const int slot = KL_VS_SLOT0 + n;
    const unsigned a = EvalCondition(e.c[0], E.HysteresisState[n][0], E.VirtualSwitchBookmarkCtrl[n][0]);
    const unsigned b = EvalCondition(e.c[1], E.HysteresisState[n][1], E.VirtualSwitchBookmarkCtrl[n][1]);
    const unsigned wasOn = t.values[slot] == 2047;
    const bool on = (e.truth >> (a | b << 1 | wasOn << 2)) & 1u;
    t.values[slot] = on ? 2047 : -2047;
  }
}

// --- Telemetry controls ----------------------------------------------------

void kl_engine_step_telemetry_controls(const T_SetupData* setup, const KlIndex& x) {
  KlControlTable& t = E.ControlValues;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (int i = 0; i < kl_cfg(EngineCfgTelemetryControls); ++i) {
    KlTelemetryControlInfo& info = E.TelemetryControlInfo[i];
    const int slot = KL_TELE_SLOT0 + i;
    const uint32_t elapsed = E.tick_count - info.lastTime;
    info.lastTime = E.tick_count;
    if (!x.teleUsed[i]) {
      // What an unused control writes stays until the next full pass.
      if (!x.fullControlPass) continue;
      info.physical = nan;
      info.scaled = nan;
      info.valid = 0;
      info.id = 0;
      t.ids[slot] = 0;
      info.fullAddress = 65535;
      t.values[slot] = 0;
      continue;
    }
    const T_TelemetryControl& r = setup->TelemetryControl[i];
    info.physical = nan;
    info.scaled = nan;
    info.fullAddress = static_cast<uint16_t>(r.MainAddress | (r.SlaveAddress << 8));
    info.decPosSettings = r.DecimalPosition;
    if (t.count < slot + 1) t.count = static_cast<uint16_t>(slot + 1);
    t.ids[slot] = info.id = static_cast<uint16_t>(KLX_ControlOfTelemetryControl(i));
    if (info.fullAddress == 65535) {
      t.values[slot] = KL_CV_NONE;
      info.valid = 0;
      continue;
    }
    const int64_t left = static_cast<int64_t>(info.countdown) - elapsed;
    if (left <= 0) {
      info.countdown = 0;
      info.valid = 0;
    } else {
      info.countdown = static_cast<int32_t>(left);
    }
    if (kl_source_value(x.teleOutput[i], &info.bookmark) == -2047) {
      t.values[slot] = r.DefaultOutputValue;
      continue;
    }
    int raw = r.IsSimulating ? r.SimulationValue : (info.valid ? info.rawValue : r.FailSafeValue);
    if (info.decPosSettings != info.decPosResp) continue;  // keeps its previous value
    if (raw < r.LowerLimit) raw = r.LowerLimit;
    if (raw > r.UpperLimit) raw = r.UpperLimit;
    static const float kDivisor[5] = {1.0f, 10.0f, 100.0f, 1000.0f, 10000.0f};
    info.physical = raw / (info.decPosSettings <= 4 ? kDivisor[info.decPosSettings] : 1.0f);
    if (r.UpperLimit == r.LowerLimit) continue;
    float scale = 4094.0f / static_cast<float>(r.UpperLimit - r.LowerLimit);
    if (r.IsInverted) scale = -scale;
    info.scale = scale;
    const int base = r.IsInverted ? r.UpperLimit : r.LowerLimit;
    info.scaled = static_cast<float>(raw - base) * scale - 2047.0f;
    t.values[slot] =
        static_cast<int16_t>(kl_clamp(kl_engine_pseudo_round(info.scaled), -2047, 2047));
  }
}

void kl_engine_telecontrol_set_resp_value_decpos(int t, bool valid, int16_t value,
                                                 uint8_t decimalPosition) {
  if (t < 0 || t >= kl_cfg(EngineCfgTelemetryControls)) return;
  KlTelemetryControlInfo& info = E.TelemetryControlInfo[t];
  if (info.id != KLX_ControlOfTelemetryControl(t)) return;
  info.valid = valid ? 1 : 0;
  if (valid) {
    info.rawValue = value;
    info.decPosResp = decimalPosition;
    info.countdown = info.reload;
  } else {
    info.countdown = 0;
  }
}

uint16_t kl_engine_telecontrol_get_fulladdr(int t) {
  if (t < 0 || t >= kl_cfg(EngineCfgTelemetryControls)) return 65535;
  return E.TelemetryControlInfo[t].fullAddress;
}

uint8_t kl_engine_telecontrol_get_dec_point_from_settings(int t) {
  if (t < 0 || t >= kl_cfg(EngineCfgTelemetryControls)) return 255;
  return E.TelemetryControlInfo[t].decPosSettings;
}

uint8_t kl_engine_telecontrol_get_actualdec_pos_resp(int t) {
  if (t < 0 || t >= kl_cfg(EngineCfgTelemetryControls)) return 255;
  const KlTelemetryControlInfo& info = E.TelemetryControlInfo[t];
  return static_cast<uint8_t>(info.decPosResp | (info.valid ? 0 : 0x80));
}

int16_t kl_engine_telecontrol_get_output_value(int t) {
  if (t < 0 || t >= kl_cfg(EngineCfgTelemetryControls)) return 0;
  return E.ControlValues.values[KL_TELE_SLOT0 + t];
}

float kl_engine_telecontrol_get_calculated_value(int t, float* scaledOut) {
  if (t < 0 || t >= kl_cfg(EngineCfgTelemetryControls)) {
    if (scaledOut) *scaledOut = 0.0f;
    return 0.0f;
  }
  if (scaledOut) *scaledOut = E.TelemetryControlInfo[t].scaled;
  return E.TelemetryControlInfo[t].physical;
}

int16_t kl_engine_telecontrol_get_input_rawval(const T_SetupData* setup, int t) {
  if (!setup || t < 0 || t >= kl_cfg(EngineCfgTelemetryControls)) return 0;
  const T_TelemetryControl& r = setup->TelemetryControl[t];
  const KlTelemetryControlInfo& info = E.TelemetryControlInfo[t];
  if (r.IsSimulating) return r.SimulationValue;
  return info.valid ? info.rawValue : r.FailSafeValue;
}

// --- Flight mode -----------------------------------------------------------

uint8_t kl_engine_get_flightmode() { return E.flightmode; }

void kl_engine_set_tick_count(uint32_t ms) { E.tick_count = ms; }

void kl_engine_step_flightmode(const T_SetupData* setup) {
  const T_FlightModeControlAssignment& a = setup->FlightModeAssignment;
  KlFlightModeInfo& fmi = E.FlightModeInfo;
  auto on = [&](int k) { return Get_FM_SwitchControl(a.Control[k], &fmi.bookmarks[k]) == 2047; };

  const int p = kl_cfg(EngineCfgFmPriorityBase);
  int lut = -1;
  for (int k = 0; k < 5; ++k) {
    if (on(k)) {
      lut = p - k;
      break;
    }
  }
  if (lut < 0) {
    const int s6 = on(6);
    const int s5 = on(5);
    lut = s6 + 2 * s5;
    if (kl_cfg(EngineCfgFmSwitchSlots) == 8) lut = 2 * lut + on(7);
  }
  int selected = (lut >= 0 && lut < KL_FM_LUT_ENTRIES) ? a.Flightmode[lut] : 0;
  if (selected >= kl_cfg(EngineCfgFlightModes)) selected = 0;

  if (selected != fmi.lastSelected) {
    const int fadeIn = setup->FlightMode[selected].FadeIn;
    if (fadeIn == 0 || fmi.lastSelected > 26) {
      fmi.step = 0;
      fmi.level = 0;
    } else {
      const int mag = fadeIn < 0 ? -fadeIn : fadeIn;
      fmi.step = 0x7FF00 / (mag * 100);
      // A fade longer than the step can express would never end; take the
      // slowest step instead.
      if (fmi.step == 0) fmi.step = 1;
      fmi.level = 2047;
    }
    fmi.remainder = 0;
    fmi.lastSelected = static_cast<uint8_t>(selected);
  }
  if (fmi.level != 0 && fmi.step != 0) {
    const int64_t acc =
        static_cast<int64_t>(fmi.step) * static_cast<uint32_t>(E.tick_count - fmi.lastTime) +
        fmi.remainder;
    fmi.remainder = static_cast<uint8_t>(acc & 0xFF);
    const int64_t down = acc / 256;
    fmi.level = down >= fmi.level ? 0 : static_cast<int32_t>(fmi.level - down);
  }
  fmi.lastTime = E.tick_count;
  E.flightmode = static_cast<uint8_t>(selected);
}

// --- Run-time state --------------------------------------------------------

void kl_engine_init_runtimedata(T_ServoOutputs* outputs) {
  E.index.fullControlPass = 1;
  E.flightmode = KL_NO_FLIGHTMODE;
  E.tick_count = 0;
  const int vsCount = kl_cfg(EngineCfgVirtualSwitches);
  for (int n = 0; n < vsCount; ++n) {
    for (int c = 0; c < 2; ++c) {
      E.HysteresisState[n][c] = -2047;
      E.VirtualSwitchBookmarkCtrl[n][c] = KL_NO_BOOKMARK;
    }
  }
  for (uint16_t& b : E.FlightModeInfo.bookmarks) b = KL_NO_BOOKMARK;
  for (int f = 0; f < kl_cfg(EngineCfgFunctions); ++f) {
    KlFunctionInfo& fi = E.FunctionInfo[f];
    fi.bmInput = fi.bmRate = fi.bmExpo = fi.bmDiff = KL_NO_BOOKMARK;
  }
  for (int j = 0; j < kl_cfg(EngineCfgMixers); ++j) E.MixerInfo[j].bookmark = KL_NO_BOOKMARK;
  for (int l = 0; l < kl_cfg(EngineCfgLimiters); ++l)
    E.LimiterBookmarks[l][0] = E.LimiterBookmarks[l][1] = KL_NO_BOOKMARK;
  for (int i = 0; i < kl_cfg(EngineCfgTelemetryControls); ++i)
    E.TelemetryControlInfo[i].bookmark = KL_NO_BOOKMARK;
  for (int q = 0; q < kl_cfg(EngineCfgSequencers); ++q)
    E.SequencerInfo[q].bookmark = KL_NO_BOOKMARK;
  if (!outputs) return;

  KlControlTable& t = E.ControlValues;
  for (int i = 0; i < KL_CONTROL_SLOTS; ++i) t.values[i] = i < KL_PHYS_SLOTS ? 0 : KL_CV_NONE;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (int i = 0; i < kl_cfg(EngineCfgTelemetryControls); ++i) {
    KlTelemetryControlInfo& info = E.TelemetryControlInfo[i];
    info = KlTelemetryControlInfo{};
    info.fullAddress = 65535;
    info.reload = 2000;
    info.physical = info.scaled = info.scale = nan;
    info.bookmark = KL_NO_BOOKMARK;
  }
  E.FlightModeInfo.lastTime = 0;
  E.FlightModeInfo.lastSelected = KL_NO_FLIGHTMODE;
  E.FlightModeInfo.step = 0;
  E.FlightModeInfo.level = 0;
  E.FlightModeInfo.remainder = 0;
  for (int f = 0; f < kl_cfg(EngineCfgFunctions); ++f) {
    KlFunctionInfo& fi = E.FunctionInfo[f];
    fi = KlFunctionInfo{};
    fi.bmInput = fi.bmRate = fi.bmExpo = fi.bmDiff = KL_NO_BOOKMARK;
    fi.lastFm = KL_NO_FLIGHTMODE;
    fi.curve.stale = 1;
    for (int16_t& v : E.FunctionCurrentData[f]) v = 0;
    E.trivalvalue[f] = KlTrival{};
  }
  for (int i = 0; i <= KL_MAX_FUNCTIONS; ++i)
    E.FunctionValues[i] = E.PureFunctionValues[i] = E.MixersAdditives[i] = 0;
  for (int j = 0; j < kl_cfg(EngineCfgMixers); ++j) {
    KlMixerInfo& mi = E.MixerInfo[j];
    mi = KlMixerInfo{};
    mi.bookmark = KL_NO_BOOKMARK;
    mi.lastFm = KL_NO_FLIGHTMODE;
    mi.curve.stale = 1;
    E.trivalMixer[j] = 0;
  }
  for (int q = 0; q < kl_cfg(EngineCfgSequencers); ++q) {
    KlSequencerInfo& si = E.SequencerInfo[q];
    si = KlSequencerInfo{};
    si.locked = 1;  // a sequencer waits for the controller after a reset
    si.bookmark = KL_NO_BOOKMARK;
    for (int16_t& p : si.pos) p = KL_CV_NONE;
  }
  for (int n = 0; n < KL_MAX_SERVOS; ++n) E.SlaveMaster[n] = KL_NO_SERVO;
  E.TrimInstant[0] = E.TrimInstant[1] = KL_CV_NONE;
  E.pFadingCurve = nullptr;
  outputs->count = 0;
  for (int16_t& v : outputs->value) v = 0;
}
