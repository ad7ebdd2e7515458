#pragma once
// Every control id of the transmitter, named once. An id is 16 bits: the high
// byte gives the kind, the low byte numbers the control within it (physical
// controls of the left side from 0x00, those of the right side from 0xF0).
// The engine, the stores, the link and the screens take their ids from here:
// the screens through `E_ControlGui` (KLX_VornTask, "GuiCmdData") and
// `E_ControlMasks` (KLX_DatabaseValues, "DatabaseValue"), which expand from
// these rows. Plain C++, so the engine can use it without Qt.
//
// The simulated controllers keep a list of their own on purpose: a wrong id
// here then shows as a difference, not as a shared mistake.
#include <cstdint>

// The kinds: X(name after "ControlType_", first id of the kind).
#define KLX_CONTROL_KINDS(X) \
  X(Stick, 0x100)            \
  X(RE, 0x200)               \
  X(SW, 0x300)               \
  X(Poti, 0x400)             \
  X(VS, 0x500)               \
  X(TeleControl, 0x600)      \
  X(FuncOut, 0x700)          \
  X(VSInv, 0x800)            \
  X(FM, 0x900)               \
  X(FMInv, 0xA00)            \
  X(Const, 0x8000)

// The controls with a name of their own: X(name between "CONTROLID_" and
// "_GUI", id, display name, channel of the stick controller or
// KLX_CONTROL_NO_CHANNEL). The trims are levers that only click; the
// tip switches (CTO, GTO, LTO, HTO) are second positions of C, G, L and H.
#define KLX_NAMED_CONTROL_IDS(X)                     \
  X(None, 0, "---", KLX_CONTROL_NO_CHANNEL)          \
  X(Invalid, 65535, "---", KLX_CONTROL_NO_CHANNEL)   \
  X(FIXSWITCH_ON, 2, "On", KLX_CONTROL_NO_CHANNEL)   \
  X(FIXSWITCH_OFF, 3, "Off", KLX_CONTROL_NO_CHANNEL) \
  X(Stick_STA, 0x100, "ST-A", 0)                     \
  X(Stick_STB, 0x101, "ST-B", 1)                     \
  X(Stick_STC, 0x1F0, "ST-C", 2)                     \
  X(Stick_STD, 0x1F1, "ST-D", 3)                     \
  X(RE_TRA, 0x200, "TR-A", KLX_CONTROL_NO_CHANNEL)   \
  X(RE_TRB, 0x201, "TR-B", KLX_CONTROL_NO_CHANNEL)   \
  X(RE_TRE, 0x202, "TR-E", KLX_CONTROL_NO_CHANNEL)   \
  X(RE_TRC, 0x2F0, "TR-C", KLX_CONTROL_NO_CHANNEL)   \
  X(RE_TRD, 0x2F1, "TR-D", KLX_CONTROL_NO_CHANNEL)   \
  X(RE_TRF, 0x2F2, "TR-F", KLX_CONTROL_NO_CHANNEL)   \
  X(Poti_ROA, 0x400, "RO-A", 5)                      \
  X(Poti_SLA, 0x401, "SL-A", 4)                      \
  X(Poti_ROB, 0x4F0, "RO-B", 7)                      \
  X(Poti_SLB, 0x4F1, "SL-B", 6)                      \
  X(SW_A, 0x300, "SW-A", 8)                          \
  X(SW_B, 0x301, "SW-B", 9)                          \
  X(SW_C, 0x302, "SW-C", 10)                         \
  X(SW_D, 0x303, "SW-D", 11)                         \
  X(SW_E, 0x304, "SW-E", 12)                         \
  X(SW_G, 0x305, "SW-G", 20)                         \
  X(SW_CTO, 0x306, "SW-CT", KLX_CONTROL_NO_CHANNEL)  \
  X(SW_GTO, 0x307, "SW-GT", KLX_CONTROL_NO_CHANNEL)  \
  X(SW_F, 0x308, "SW-F", 18)                         \
  X(SW_N, 0x3F0, "SW-N", 17)                         \
  X(SW_M, 0x3F1, "SW-M", 15)                         \
  X(SW_L, 0x3F2, "SW-L", 16)                         \
  X(SW_K, 0x3F3, "SW-K", 14)                         \
  X(SW_J, 0x3F4, "SW-J", 13)                         \
  X(SW_H, 0x3F5, "SW-H", 21)                         \
  X(SW_LTO, 0x3F6, "SW-LT", KLX_CONTROL_NO_CHANNEL)  \
  X(SW_HTO, 0x3F7, "SW-HT", KLX_CONTROL_NO_CHANNEL)  \
  X(SW_I, 0x3F8, "SW-I", 19)

// The numbered ranges: X(name between "CONTROLID_" and "_GUI", id).
// Virtual switch n is 0x500 + n (the screens name the first 32, the
// larger board has 128); telemetry control n is 0x600 + n.
#define KLX_CONTROL_ID_RANGES(X)                 \
  X(Virtual_NOT_INIT, -1)                        \
  X(Virtual_00, KLX_CONTROL_VS_FIRST + 0)        \
  X(Virtual_01, KLX_CONTROL_VS_FIRST + 1)        \
  X(Virtual_02, KLX_CONTROL_VS_FIRST + 2)        \
  X(Virtual_03, KLX_CONTROL_VS_FIRST + 3)        \
  X(Virtual_04, KLX_CONTROL_VS_FIRST + 4)        \
  X(Virtual_05, KLX_CONTROL_VS_FIRST + 5)        \
  X(Virtual_06, KLX_CONTROL_VS_FIRST + 6)        \
  X(Virtual_07, KLX_CONTROL_VS_FIRST + 7)        \
  X(Virtual_08, KLX_CONTROL_VS_FIRST + 8)        \
  X(Virtual_09, KLX_CONTROL_VS_FIRST + 9)        \
  X(Virtual_10, KLX_CONTROL_VS_FIRST + 10)       \
  X(Virtual_11, KLX_CONTROL_VS_FIRST + 11)       \
  X(Virtual_12, KLX_CONTROL_VS_FIRST + 12)       \
  X(Virtual_13, KLX_CONTROL_VS_FIRST + 13)       \
  X(Virtual_14, KLX_CONTROL_VS_FIRST + 14)       \
  X(Virtual_15, KLX_CONTROL_VS_FIRST + 15)       \
  X(Virtual_16, KLX_CONTROL_VS_FIRST + 16)       \
  X(Virtual_17, KLX_CONTROL_VS_FIRST + 17)       \
  X(Virtual_18, KLX_CONTROL_VS_FIRST + 18)       \
  X(Virtual_19, KLX_CONTROL_VS_FIRST + 19)       \
  X(Virtual_20, KLX_CONTROL_VS_FIRST + 20)       \
  X(Virtual_21, KLX_CONTROL_VS_FIRST + 21)       \
  X(Virtual_22, KLX_CONTROL_VS_FIRST + 22)       \
  X(Virtual_23, KLX_CONTROL_VS_FIRST + 23)       \
  X(Virtual_24, KLX_CONTROL_VS_FIRST + 24)       \
  X(Virtual_25, KLX_CONTROL_VS_FIRST + 25)       \
  X(Virtual_26, KLX_CONTROL_VS_FIRST + 26)       \
  X(Virtual_27, KLX_CONTROL_VS_FIRST + 27)       \
  X(Virtual_28, KLX_CONTROL_VS_FIRST + 28)       \
  X(Virtual_29, KLX_CONTROL_VS_FIRST + 29)       \
  X(Virtual_30, KLX_CONTROL_VS_FIRST + 30)       \
  X(Virtual_31, KLX_CONTROL_VS_FIRST + 31)       \
  X(Virtual_Last, KLX_CONTROL_VS_LAST)           \
  X(Telemetry_00, KLX_CONTROL_TELE_FIRST)        \
  X(Telemetry_Last, KLX_CONTROL_TELE_LAST)

enum : int {
  KLX_CONTROL_NO_CHANNEL = 255,
#define KLX_CONTROL_KIND_ROW(name, first) KLX_CONTROL_KIND_##name = first,
  KLX_CONTROL_KINDS(KLX_CONTROL_KIND_ROW)
#undef KLX_CONTROL_KIND_ROW
  // The kind of an id is its high byte; a constant keeps its value in the
  // low 12 bits below the top four bits 1000.
  KLX_CONTROL_KIND_MASK = 0xFF00,
  KLX_CONTROL_NUMBER_MASK = 0x00FF,
  KLX_CONTROL_CONST_MASK = 0xF000,
  KLX_CONTROL_CONST_VALUE = 0x0FFF,
  // Id 1 reads 0 wherever it stands; no screen offers it.
  KLX_CONTROL_FIXED_ZERO = 1,
  KLX_CONTROL_VS_FIRST = KLX_CONTROL_KIND_VS,
  KLX_CONTROL_VS_LAST = KLX_CONTROL_KIND_VS + 127,
  KLX_CONTROL_TELE_FIRST = KLX_CONTROL_KIND_TeleControl,
  KLX_CONTROL_TELE_LAST = KLX_CONTROL_KIND_TeleControl + 15,
  // Eight further inputs of the stick controller; its eighth switch message
  // carries the first three.
  KLX_CONTROL_EXTRA_FIRST = 0x6B0,
  KLX_CONTROL_EXTRA_COUNT = 8,
};

// The ids by their names, for C++; the screens see the same names in
// `E_ControlGui`.
enum KLX_ControlId : int {
#define KLX_CONTROL_NAMED_ROW(name, id, display, channel) CONTROLID_##name##_GUI = id,
#define KLX_CONTROL_RANGE_ROW(name, id) CONTROLID_##name##_GUI = id,
  KLX_NAMED_CONTROL_IDS(KLX_CONTROL_NAMED_ROW) KLX_CONTROL_ID_RANGES(KLX_CONTROL_RANGE_ROW)
#undef KLX_CONTROL_NAMED_ROW
#undef KLX_CONTROL_RANGE_ROW
};

// Derived ids of element n.
constexpr int KLX_ControlOfVirtualSwitch(int n) { return KLX_CONTROL_KIND_VS + n; }
constexpr int KLX_ControlOfTelemetryControl(int n) { return KLX_CONTROL_KIND_TeleControl + n; }
constexpr int KLX_ControlKind(int id) { return id & KLX_CONTROL_KIND_MASK; }
constexpr bool KLX_ControlIsConstant(int id) { return (id & KLX_CONTROL_CONST_MASK) == KLX_CONTROL_KIND_Const; }
constexpr bool KLX_ControlIsVirtualSwitch(int id) { return id >= KLX_CONTROL_VS_FIRST && id <= KLX_CONTROL_VS_LAST; }
constexpr bool KLX_ControlIsTelemetryControl(int id) {
  return id >= KLX_CONTROL_TELE_FIRST && id <= KLX_CONTROL_TELE_LAST;
}
