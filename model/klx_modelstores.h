#pragma once
// The element stores the database facade creates and owns, and the lists
// from which the facade's accessors are generated.
#include <QList>
#include <QQueue>

#include "audio/cbuzzer.h"
#include "frame/klx_controlids.h"
#include "model/engine/kl_engine.h"
#include "model/klx_ccontrol.h"
#include "model/klx_curve.h"
#include "model/klx_fields.h"
#include "model/klx_flightmode.h"
#include "model/klx_flightmodeassign.h"
#include "model/klx_function.h"
#include "model/klx_limiter.h"
#include "model/klx_mixer.h"
#include "model/klx_sequencer.h"
#include "model/klx_serfuncmatrix.h"
#include "model/klx_servoconfig.h"
#include "model/klx_switch.h"
#include "model/klx_unitkind.h"
#include "telemetry/klx_telecontrol.h"

// Facade accessors by the facade shape of a field row (klx_fields.h).
// Published ones have a shorter overload for QML that transmits.
#define KLX_FACADE_DECL_F1(K, F) \
  Q_INVOKABLE int KLX_DataBaseManager##K##GetSet_##F(int index1, int value, int dir, bool update = true);
#define KLX_FACADE_DECL_F2(K, F)                                                                 \
  Q_INVOKABLE int KLX_DataBaseManager##K##GetSet_##F(int index1, int index2, int value, int dir, \
                                                     bool update = true);
#define KLX_FACADE_DECL_FU(K, F) \
  int KLX_DataBaseManager##K##GetSet_##F(int index1, unsigned int value, int dir, bool update = true);
#define KLX_FACADE_DECL_FUI(K, F) \
  Q_INVOKABLE int KLX_DataBaseManager##K##GetSet_##F(int index1, unsigned int value, int dir, bool update = true);
#define KLX_FACADE_DECL_FH(K, F)

#define KLX_FUNCTION_FACADE_DECL(S, F, SS, FS, ...) KLX_FACADE_DECL_##FS(Function, F)
#define KLX_FLIGHTMODE_FACADE_DECL(S, F, SS, FS, ...) KLX_FACADE_DECL_##FS(Flightmode, F)
#define KLX_SERVOCONFIG_FACADE_DECL(S, F, SS, FS, ...) KLX_FACADE_DECL_##FS(ServoConfig, F)
#define KLX_SERVOPOINT_FACADE_DECL(W, H, FW, FH, shape, ...) \
  KLX_FACADE_DECL_F##shape(ServoConfig, FW) KLX_FACADE_DECL_F##shape(ServoConfig, FH)
#define KLX_CURVE_FACADE_DECL(S, F, SS, FS, ...) KLX_FACADE_DECL_##FS(Curve, F)
#define KLX_MIXER_FACADE_DECL(S, F, SS, FS, ...) KLX_FACADE_DECL_##FS(Mixer, F)
#define KLX_SWITCH_FACADE_DECL(S, F, SS, FS, ...) KLX_FACADE_DECL_##FS(Switch, F)
#define KLX_LIMITER_FACADE_DECL(S, F, SS, FS, ...) KLX_FACADE_DECL_##FS(Limiter, F)

// The board's counts of the engine's size table, as QML asks for them.
#define KLX_BOARD_LIMITS(X)                      \
  X(GetMaxFunctions, EngineCfgFunctions)         \
  X(GetMaxServos, EngineCfgServos)               \
  X(GetMaxMixer, EngineCfgMixers)                \
  X(GetMaxLimiter, EngineCfgLimiters)            \
  X(GetMaxFlightmodes, EngineCfgFlightModes)     \
  X(GetMaxFMControls, EngineCfgFmSwitchSlots)    \
  X(GetMaxVirualSwitches, EngineCfgVirtualSwitches) \
  X(GetMaxSequncer, EngineCfgSequencers)         \
  X(GetMaxCurves, EngineCfgCurves)               \
  X(GetMaxTeleControls, EngineCfgTelemetryControls)

// Limits that are the same on both boards.
#define KLX_FIXED_LIMITS(X)                    \
  X(GetMinControlValue, -2047)                 \
  X(GetMaxControlValue, 2047)                  \
  X(GetMaxSequncerDuration, 6000)              \
  X(GetMaxServosPerFunction, 10)               \
  X(GetMaxSequencerWaypoints, 7)               \
  X(GetMaxServosPerSequncer, 6)                \
  X(GetMaxServoConfigServoMixer, 8)            \
  X(GetMaxTrim, 6)                             \
  X(GetMaxCurevPoints, 33)                     \
  X(GetFlightmodeAssign, 1)                    \
  X(GetMaxVirualSwitchesLogicalSwitches, 2)    \
  X(GetMaxTelemetryPages, 10)                  \
  X(GetSensors, 255)                           \
  X(GetMaxSlavesPerSensor, 32)                 \
  X(GetMaxElementsPerPage, 20)                 \
  X(GetMaxSensorPerPageElement, 32)            \
  X(GetMaxMenusPerSensor, 8)                   \
  X(GetMaxEntriesPerMenu, 16)                  \
  X(GetMaxTelemetryValue, 32767)               \
  X(GetFunctionsInvalidIdx, KL_NO_FUNCTION)

// The facade's mark operations with an index, by unit kind.
#define KLX_FACADE_MARKS(X)                   \
  X(FunctionMarkFunction, Function)           \
  X(FunctionMarkMixer, Mixer)                 \
  X(FunctionMarkLimiter, Limiter)             \
  X(FunctionMarkFlightmode, Flightmode)       \
  X(FunctionMarkCurve, Curve)                 \
  X(FunctionMarkSequencer, Sequencer)         \
  X(FunctionMarkServoConfig, ServoConfig)     \
  X(SwitchMarkSwitch, Switch)                 \
  X(MarkTrim, Trim)                           \
  X(TeleControlMarkTeleContol, TeleControl)

// Whole-unit images for the element load task, by store.
#define KLX_UNIT_IMAGES(X) \
  X(Function) X(Flightmode) X(Limiter) X(Mixer) X(Sequencer) X(ServoConfig) X(Curve) X(Switch) X(Trim)

// The named live controls of the sticks, rotaries and sliders.
#define KLX_NAMED_CONTROLS(X)                             \
  X(StickLeftUpDown, CONTROLID_Stick_STA_GUI)             \
  X(StickLeftLeftRight, CONTROLID_Stick_STB_GUI)          \
  X(StickRightUpDown, CONTROLID_Stick_STC_GUI)            \
  X(StickRightLeftRight, CONTROLID_Stick_STD_GUI)         \
  X(EncoderLeftUp, CONTROLID_Poti_ROA_GUI)                \
  X(EncoderLeftDown, CONTROLID_Poti_SLA_GUI)              \
  X(EncoderRightUp, CONTROLID_Poti_ROB_GUI)               \
  X(EncoderRightDown, CONTROLID_Poti_SLB_GUI)

#define KLX_DEBUG_HOOKS(X) X(01) X(02) X(03) X(04) X(05) X(06) X(07) X(08) X(09) X(10)
