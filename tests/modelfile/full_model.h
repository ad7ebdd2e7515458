#pragma once
// A model with every element of the board in use and a distinct value in
// every field the model file carries, made through the facade's accessors.
// Two seeds give two models that differ in every section. Used by the model
// file's tests, its save-and-kill child and its benchmark.
#include <QList>
#include <QString>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"

// Values wrap around inside their range so that every one is kept as given.
inline int KLX_TestSpread(int n, int lo, int hi) { return lo + ((n % (hi - lo + 1)) + (hi - lo + 1)) % (hi - lo + 1); }

inline void KLX_TestBuildFullModelRest(KLX_DataBaseManager* db, int seed);
inline void KLX_TestBuildFullModelAlarms(KLX_DataBaseManager* db, int seed);

inline void KLX_TestBuildFullModel(KLX_DataBaseManager* db, int seed) {
  const int S = AtomicDirSet;
  const int functions = db->KLX_DataBaseManagerGetMaxFunctions();
  const int servos = db->KLX_DataBaseManagerGetMaxServos();
  const int fms = db->KLX_DataBaseManagerGetMaxFlightmodes();
  const auto spread = KLX_TestSpread;
  db->KLX_DataBaseManagerRuntimeGetSet_Runtime(123456 + seed, S, false);
  db->KLX_DataBaseManagerGetSetModelSilentMode(1 + seed % 2, S);
  db->KLX_DataBaseManagerModelmetadataGetSet_Modelinfo(QStringLiteral("Glider <%1> & \"info\"").arg(seed), S, false);

  QList<int> order;
  for (int f = 0; f < functions; ++f) {
    const int k = f * 7 + seed;
    order.prepend(f);
    db->KLX_DataBaseManagerFunctionGetSet_Name(f, QStringLiteral("Fn%1-%2\u00e4").arg(f).arg(seed), S, false);
    db->KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 1, S, false);
    db->KLX_DataBaseManagerFunctionGetSet_Control(f, 256 + spread(k, 0, 1000), S, false);
    db->KLX_DataBaseManagerFunctionGetSet_ControlRate(f, spread(k + 1, 0, 1500), S, false);
    db->KLX_DataBaseManagerFunctionGetSet_ControlExpo(f, spread(k + 2, 0, 1500), S, false);
    db->KLX_DataBaseManagerFunctionGetSet_ControlDifferential(f, spread(k + 3, 0, 1500), S, false);
    db->KLX_DataBaseManagerFunctionGetSet_TrimControlDifferential(f, 600 + spread(k, 0, 100), S, false);
    db->KLX_DataBaseManagerFunctionGetSet_Trim_Control(f, 512 + spread(k, 0, 200), S, false);
    db->KLX_DataBaseManagerFunctionGetSet_Trim_Range(f, spread(k, 0, 100), S, false);
    db->KLX_DataBaseManagerFunctionGetSet_Trim_IsReverse(f, k % 2, S, false);
    db->KLX_DataBaseManagerFunctionGetSet_Trim_Mode(f, spread(k, 1, 255), S, false);
    db->KLX_DataBaseManagerFunctionGetSet_FailSafePosMode(f, spread(k, 0, 2), S, false);
    db->KLX_DataBaseManagerFunctionGetSet_FailSafePosValue(f, spread(k * 83, -2047, 2047), S, false);
    db->KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx(f, spread(k, 0, 254), S, false);
    db->KLX_DataBaseManagerFunctionGetSet_FunctionFlags(f, 0x80000000u + unsigned(k) * 2654435761u, S, false);
    db->KLX_DataBaseManagerFunctionGetSet_FunctionSingleMask(f, (unsigned(k) * 40503u) << 1, S, false);
    db->KLX_DataBaseManagerFunctionGetSet_FunctionDiffSingleMask(f, (unsigned(k) * 9973u) << 1, S, false);
    for (int fm = 0; fm < fms; ++fm) {
      const int m = k + fm * 13;
      db->KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(f, fm, spread(m, 0, 254), S, false);
      db->KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateHi(f, fm, spread(m, -100, 100), S, false);
      db->KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateCenter(f, fm, spread(m + 1, -100, 100), S, false);
      db->KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateLo(f, fm, spread(m + 2, -100, 100), S, false);
      db->KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoHi(f, fm, spread(m + 3, -50, 100), S, false);
      db->KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoCenter(f, fm, spread(m + 4, -50, 100), S, false);
      db->KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoLo(f, fm, spread(m + 5, -50, 100), S, false);
      db->KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoNegHi(f, fm, spread(m + 6, -50, 100), S, false);
      db->KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoNegCenter(f, fm, spread(m + 7, -50, 100), S, false);
      db->KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoNegLo(f, fm, spread(m + 8, -50, 100), S, false);
      db->KLX_DataBaseManagerFunctionGetSet_Setup_FlexDiffHi(f, fm, spread(m + 9, -100, 100), S, false);
      db->KLX_DataBaseManagerFunctionGetSet_Setup_FlexDiffCenter(f, fm, spread(m + 10, -100, 100), S, false);
      db->KLX_DataBaseManagerFunctionGetSet_Setup_FlexDiffLo(f, fm, spread(m + 11, -100, 100), S, false);
      db->KLX_DataBaseManagerFunctionGetSet_Setup_DurationFromLeft(f, fm, spread(m + 12, 0, 200), S, false);
      db->KLX_DataBaseManagerFunctionGetSet_Setup_DurationFromRight(f, fm, spread(m + 13, 0, 200), S, false);
    }
    for (int slot = 0; slot < 10; ++slot) {
      db->KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(f, slot, (f + slot) % servos, S, false);
      db->KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoMixId(f, slot, (slot + seed) % 8, S, false);
    }
  }
  db->KLX_DataBaseManagerFunctionSetDisplayedOrder(order);

  for (int s = 0; s < servos; ++s) {
    const int k = s * 11 + seed;
    db->KLX_DataBaseManagerServoConfigGetSet_Name(s, QStringLiteral("Servo%1-%2").arg(s).arg(seed), S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_IsUsed(s, 1, S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_Connector(s, spread(k, 0, 128), S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_Group(s, spread(k, 0, 255), S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_Centre(s, spread(k, -50, 50), S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_BsPtsCentreAdd(s, spread(k, 1, 99), S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_MinValue(s, -100 - spread(k, 0, 90), S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_BsPtsMinValueAdd(s, spread(k + 5, 1, 99), S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_MaxValue(s, 100 + spread(k, 0, 90), S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_BsPtsMaxValueAdd(s, spread(k + 9, 1, 99), S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_FrameRate(s, spread(k, 0, 9), S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_FunctionServoType(s, spread(k, 0, 4), S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_FailSafePosMode(s, spread(k, 0, 2), S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_FailSafePosValue(s, spread(k * 37, -2047, 2047), S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffVirtSwitch(s, spread(k, 0, 127), S, false);
    db->KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffValue(s, spread(k * 3, -200, 200), S, false);
    for (int slot = 0; slot < 8; ++slot) {
      const int m = k + slot * 5;
      db->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_SourceType(s, slot, spread(m, 0, 5), S, false);
      db->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMin(s, slot, -spread(m, 10, 150), S, false);
      db->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_BsPtsFuncTravelMinAdd(s, slot, spread(m, 1, 99), S, false);
      db->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMax(s, slot, spread(m + 3, 10, 150), S, false);
      db->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_BsPtsFuncTravelMaxAdd(s, slot, spread(m + 7, 1, 99), S, false);
      db->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelFuncIndex(s, slot, (s + slot) % functions, S, false);
      db->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_ServoCurveIndex(s, slot, spread(m, 0, 255), S, false);
    }
  }

  for (int x = 0; x < db->KLX_DataBaseManagerGetMaxMixer(); ++x) {
    const int k = x * 5 + seed;
    db->KLX_DataBaseManagerMixerGetSet_Name(x, QStringLiteral("Mixer%1-%2").arg(x).arg(seed), S, false);
    db->KLX_DataBaseManagerMixerGetSet_IsUsed(x, 1, S, false);
    db->KLX_DataBaseManagerMixerGetSet_InheritForNext(x, k % 2, S, false);
    db->KLX_DataBaseManagerMixerGetSet_FromFuncIdx(x, spread(k, 0, 48), S, false);
    db->KLX_DataBaseManagerMixerGetSet_ToFuncIdx(x, spread(k + 1, 0, 48), S, false);
    db->KLX_DataBaseManagerMixerGetSet_IsTrimIncluded(x, (k / 2) % 2, S, false);
    db->KLX_DataBaseManagerMixerGetSet_Control(x, 1280 + spread(k, 0, 127), S, false);
    db->KLX_DataBaseManagerMixerGetSet_GlobalCurveIdx(x, spread(k, 0, 254), S, false);
    db->KLX_DataBaseManagerMixerGetSet_SetupUseMask(x, spread(k * 997, 0, 65535), S, false);
    db->KLX_DataBaseManagerMixerGetSet_MixerFlags(x, unsigned(k) * 2246822519u, S, false);
    db->KLX_DataBaseManagerMixerGetSet_SingleMask(x, (unsigned(k) * 3266489917u) & ~1u, S, false);
    for (int fm = 0; fm < fms; ++fm) {
      const int m = k + fm * 17;
      db->KLX_DataBaseManagerMixerGetSet_Setup_GainCenter(x, fm, spread(m, -100, 100), S, false);
      db->KLX_DataBaseManagerMixerGetSet_Setup_GainHi(x, fm, spread(m + 1, -100, 100), S, false);
      db->KLX_DataBaseManagerMixerGetSet_Setup_GainLo(x, fm, spread(m + 2, -100, 100), S, false);
      db->KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(x, fm, spread(m, 0, 254), S, false);
      db->KLX_DataBaseManagerMixerGetSet_Setup_DelayUp(x, fm, spread(m + 3, 0, 200), S, false);
      db->KLX_DataBaseManagerMixerGetSet_Setup_DelayDown(x, fm, spread(m + 4, 0, 200), S, false);
    }
  }

  for (int l = 0; l < db->KLX_DataBaseManagerGetMaxLimiter(); ++l) {
    const int k = l * 3 + seed;
    db->KLX_DataBaseManagerLimiterGetSet_Name(l, QStringLiteral("Limiter%1-%2").arg(l).arg(seed), S, false);
    db->KLX_DataBaseManagerLimiterGetSet_IsUsed(l, 1, S, false);
    db->KLX_DataBaseManagerLimiterGetSet_FuncIdx(l, spread(k, 0, 48), S, false);
    db->KLX_DataBaseManagerLimiterGetSet_ControlAbove(l, 256 + spread(k, 0, 1000), S, false);
    db->KLX_DataBaseManagerLimiterGetSet_ControlBelow(l, 256 + spread(k + 9, 0, 1000), S, false);
    db->KLX_DataBaseManagerLimiterGetSet_LimitMask(l, spread(k * 131, 0, 65535), S, false);
    for (int fm = 0; fm < fms; ++fm) {
      const int m = k * 29 + fm * 101;
      db->KLX_DataBaseManagerLimiterGetSet_Above_Center(l, fm, spread(m, -2047, 2047), S, false);
      db->KLX_DataBaseManagerLimiterGetSet_Above_Hi(l, fm, spread(m + 1, -2047, 2047), S, false);
      db->KLX_DataBaseManagerLimiterGetSet_Above_Lo(l, fm, spread(m + 2, -2047, 2047), S, false);
      db->KLX_DataBaseManagerLimiterGetSet_Below_Center(l, fm, spread(m + 3, -2047, 2047), S, false);
      db->KLX_DataBaseManagerLimiterGetSet_Below_Hi(l, fm, spread(m + 4, -2047, 2047), S, false);
      db->KLX_DataBaseManagerLimiterGetSet_Below_Lo(l, fm, spread(m + 5, -2047, 2047), S, false);
    }
  }

  for (int fm = 0; fm < fms; ++fm) {
    const int k = fm * 19 + seed;
    db->KLX_DataBaseManagerFlightmodeGetSet_Name(fm, QStringLiteral("Mode%1-%2").arg(fm).arg(seed), S, false);
    db->KLX_DataBaseManagerFlightmodeGetSet_IsUsed(fm, 1, S, false);
    db->KLX_DataBaseManagerFlightmodeGetSet_FadeIn(fm, spread(k, 0, 200), S, false);
    db->KLX_DataBaseManagerFlightmodeGetSet_FunctionNum(fm, spread(k, 0, 48), S, false);
    for (int slot = 0; slot < functions; ++slot)
      db->KLX_DataBaseManagerFlightmodeGetSet_NoFadeInFuncIdxs(fm, slot, (slot + k) % functions, S, false);
  }

  for (int c = 0; c < db->KLX_DataBaseManagerGetMaxCurves(); ++c) {
    const int k = c * 23 + seed;
    db->KLX_DataBaseManagerCurveGetSet_IsUsed(c, 1, S, false);
    db->KLX_DataBaseManagerCurveGetSet_IsSmoothed(c, k % 2, S, false);
    db->KLX_DataBaseManagerCurveGetSet_RealPoints(c, spread(k, 0, 33), S, false);
    for (int p = 0; p < 33; ++p)
      db->KLX_DataBaseManagerCurveGetSet_CurveValue(c, p, spread(k * 7 + p * 127, -2047, 2047), S, false);
  }

  for (int v = 0; v < db->KLX_DataBaseManagerGetMaxVirualSwitches(); ++v) {
    const int k = v * 13 + seed;
    db->KLX_DataBaseManagerSwitchGetSet_Name(v, QStringLiteral("Switch%1-%2").arg(v).arg(seed), S, false);
    db->KLX_DataBaseManagerSwitchGetSet_IsUsed(v, 1, S, false);
    db->KLX_DataBaseManagerSwitchGetSet_IsVisible(v, k % 2, S, false);
    db->KLX_DataBaseManagerSwitchGetSet_LogicalOperator(v, spread(k, 0, 4), S, false);
    for (int in = 0; in < 2; ++in) {
      const int m = k + in * 7;
      db->KLX_DataBaseManagerSwitchGetSet_SwitchControl(v, in, 256 + spread(m, 0, 1000), S, false);
      db->KLX_DataBaseManagerSwitchGetSet_SwitchTrigger(v, in, spread(m, -90, 90), S, false);
      db->KLX_DataBaseManagerSwitchGetSet_SwitchIsInverted(v, in, m % 2, S, false);
      db->KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(v, in, spread(m + 1, -95, 95), S, false);
      db->KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(v, in, spread(m + 2, -95, 95), S, false);
    }
  }

  for (int i = 0; i < 4; ++i)
    db->KLX_DataBaseManagerSpecialSwitchGetSet_Value(i, spread(i * 1000 + seed, -2047, 2047), S, false);

  for (int slot = 0; slot < db->KLX_DataBaseManagerGetMaxFMControls(); ++slot)
    db->KLX_DataBaseManagerFlightmodeAssignGetSet_Control(slot, 1280 + spread(slot * 9 + seed, 0, 127), S, false);
  for (int e = 0; e < fms; ++e)
    db->KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(e, spread(e * 5 + seed, 0, fms - 1), S, false);

  for (int t = 0; t < db->KLX_DataBaseManagerGetMaxTrim(); ++t) {
    const int k = t * 17 + seed;
    db->KLX_DataBaseManagerTrimGetSetTrimStepsPerDelta(t, spread(k, 1, 100), S, false);
    db->KLX_DataBaseManagerTrimGetSetTrimRotaryFlags(t, spread(k, 0, 7), S, false);
    db->KLX_DataBaseManagerTrimGetSet_SingleMask(t, (unsigned(k) * 40503u) << 1, S);
    for (int fm = 0; fm < fms; ++fm)
      db->KLX_DataBaseManagerTrimGetSetTrimValue(t, fm, spread(k * 31 + fm * 211, -2047, 2047), S, false);
  }

  // Every track drives a servo; waypoint 3 has no position on either run
  // (not written), waypoint 4 none on the forward run.
  for (int q = 0; q < db->KLX_DataBaseManagerGetMaxSequncer(); ++q) {
    const int k = q * 41 + seed;
    db->KLX_DataBaseManagerSequencerGetSet_Name(q, QStringLiteral("Seq%1-%2").arg(q).arg(seed), S, false);
    db->KLX_DataBaseManagerSequencerGetSet_IsUsed(q, 1 + k % 2, S, false);
    db->KLX_DataBaseManagerSequencerGetSet_Control(q, 256 + spread(k, 0, 1000), S, false);
    db->KLX_DataBaseManagerSequencerGetSet_Threshold(q, false, spread(k, -95, 0), S, false);
    db->KLX_DataBaseManagerSequencerGetSet_Threshold(q, true, spread(k, 0, 95), S, false);
    for (int t = 0; t < 6; ++t) {
      db->KLX_DataBaseManagerSequencerGetSet_Servo(q, t, (q * 6 + t) % servos, S, false);
      for (int run = 0; run < 2; ++run)
        for (int w = 0; w < 7; ++w) {
          const int m = k + t * 7 + w * 3 + run;
          const bool none = w == 3 || (w == 4 && run == 0);
          db->KLX_DataBaseManagerSequencerGetSet_TimePoint(q, t, run, w, w == 3 ? 0 : spread(m * 97, 0, 6000), S, false);
          db->KLX_DataBaseManagerSequencerGetSet_SrvPosition(q, t, run, w, none ? -2048 : spread(m * 13, -200, 200), S,
                                                            false);
        }
    }
  }

  // The receivers the board keeps, in R-Ediv 21 mode for odd seeds.
  db->KLX_DataBaseManagerReceiverModeSet(seed % 2 ? KLX_Receiver::RX_MODE_REDIV_21 : KLX_Receiver::RX_MODE_NONE);
  db->KLX_DataBaseManagerReceiverGetSetBindConfig(0x8000000000000000ULL + quint64(seed) * 12345u, S);
  const int receivers = Board::IsInitialized() ? Board::m_Instance->ReceiversCountMax() : 0;
  for (int r = 0; r < receivers; ++r) {
    CReceiver receiver;
    receiver.mask = static_cast<uint8_t>(1u << r);
    receiver.used = 1;
    receiver.serialNumber = 4000000000u - unsigned(r * 7 + seed);
    receiver.type = 1000u + unsigned(r + seed);
    receiver.features = 0xF000u | unsigned(r);
    receiver.version.Set(static_cast<unsigned char>(1 + r), static_cast<unsigned char>(2 + seed % 50));
    db->KLX_DataBaseManagerSetReceiver(receiver);
  }
  KLX_TestBuildFullModelRest(db, seed);
}

// Timers, complex timers with all their alarms, ten full telemetry pages,
// aliases and controls, the vario and the announcement list binding.
inline void KLX_TestBuildFullModelRest(KLX_DataBaseManager* db, int seed) {
  const int S = AtomicDirSet;
  const auto spread = KLX_TestSpread;
  const int timers = db->KLX_DataBaseManagerGetMaxTimer(false);
  const int switches = db->KLX_DataBaseManagerGetMaxVirualSwitches();
  for (int t = 0; t < timers; ++t) {
    const int k = t * 5 + seed;
    db->KLX_DataBaseManagerTimerGetSet_Name(t, QStringLiteral("Tm%1-%2").arg(t).arg(seed), S, false);
    db->KLX_DataBaseManagerTimerGetSet_IsUsed(t, 1, S, false);
    db->KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(t, spread(k, 0, switches - 1), S, false);
    db->KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw(t, t == 1 ? 65535 : spread(k + 1, 0, switches - 1), S, false);
    db->KLX_DataBaseManagerTimerGetSet_SwitchResetVirtSw(t, spread(k + 2, 0, switches - 1), S, false);
    db->KLX_DataBaseManagerTimerGetSet_StartTimeHour(t, spread(k, 0, 8), S, false);
    db->KLX_DataBaseManagerTimerGetSet_StartTimeMinute(t, spread(k, 0, 59), S, false);
    db->KLX_DataBaseManagerTimerGetSet_StartTimeSecond(t, spread(k + 7, 0, 59), S, false);
    db->KLX_DataBaseManagerTimerGetSet_StopTimeMinute(t, spread(k + 3, 0, 59), S, false);
    db->KLX_DataBaseManagerTimerGetSet_LastValueKeep(t, k % 2, S, false);

    db->KLX_DataBaseManagerCmplxTimerGetSet_Name(t, QStringLiteral("Cx%1-%2\u00f6").arg(t).arg(seed), S, false);
    db->KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(t, 1, S, false);
    db->KLX_DataBaseManagerCmplxTimerGetSet_ControlStart(t, 1280 + spread(k, 0, switches - 1), S, false);
    db->KLX_DataBaseManagerCmplxTimerGetSet_ControlStop(t, 1280 + spread(k + 1, 0, switches - 1), S, false);
    db->KLX_DataBaseManagerCmplxTimerGetSet_ControlReset(t, 1280 + spread(k + 2, 0, switches - 1), S, false);
    HMStime_struct end;
    end.hours = 1 + t % 3;
    end.minutes = static_cast<int8_t>(spread(k, 0, 59));
    db->KLX_DataBaseManagerCmplxTimerLoad_Time(t, true, end);
    for (int a = 0; a < KLX_ComplexTimer::kAlarms; ++a) {
      const int m = k + a * 3;
      // In use first: an alarm coming into use takes its timer's times and name.
      db->KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(t, a, (a + 1) | ((m % 2) << 3), S, false);
      HMStime_struct at;
      at.minutes = static_cast<int8_t>(spread(m, 0, 59));
      at.seconds = static_cast<int8_t>(spread(m + 1, 0, 59));
      db->KLX_DataBaseManagerCmplxTimerLoad_AlarmTime(t, a, false, at);
      db->KLX_DataBaseManagerCmplxTimerLoad_AlarmTime(t, a, true, at);
      db->KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(t, a, spread(m, 1, 60), S, false);
      db->KLX_DataBaseManagerCmplxTimerGetSet_Alarm_BeepTone(t, a, spread(m * 37, 300, 1000), S, false);
      db->KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(t, a, QStringLiteral("Alarm %1 of %2 \u00e9").arg(a).arg(t), S,
                                                          false);
    }
  }

  // Every page with widgets of each kind; value widgets with sensors and values.
  for (int p = 0; p < 10; ++p) {
    db->KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(p, 1, S);
    db->KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(p, 10, 20 + p, 2, p % 8);
    db->KLX_DataBaseManagerGUITelemetrieCreateNewServoWidgetOnPage(p, 30, 40, 1, p);
    db->KLX_DataBaseManagerGUITelemetrieCreateNewLinkWidgetOnPage(p, 50, 60, 1, QStringLiteral("timers"),
                                                                   QStringLiteral("icon%1.png").arg(p));
    // The page full: value widgets up to its last element.
    for (int w = 0; w < KLX_GUITelemetrie::kElements - 3; ++w) {
      const int e = db->KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(p, 100 + w, 110, 3);
      db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_LabelText(p, e, QStringLiteral("Label %1/%2").arg(p).arg(w), S);
      for (int n = 0; n < 2; ++n) {
        const int address = 10 + p * 3 + w + n;
        const int s = db->KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(p, e, address);
        for (int v = 0; v < 3; ++v) {
          const int slot = db->KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(p, e, s, address, v * 2 + n);
          const int m = p * 31 + w * 7 + n * 3 + v + seed;
          db->KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(p, e, s, slot, spread(m * 101, 0, 30000), S);
          db->KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelow(p, e, s, slot, -spread(m * 53, 0, 30000), S);
          db->KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAbove(p, e, s, slot, spread(m * 7, 0, 20000), S);
          db->KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveType(p, e, s, slot, m % 16, S);
          db->KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelowType(p, e, s, slot, (m + 5) % 16, S);
          db->KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertSignalType(p, e, s, slot, m % 3, S);
          db->KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveText(p, e, s, slot,
                                                                            QStringLiteral("too high %1").arg(m), S);
          db->KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelowSound(p, e, s, slot,
                                                                                QStringLiteral("beep%1").arg(m % 4), S);
        }
      }
    }
  }
  // Aliases of shown sensors and of one no page shows.
  for (int a : {10, 12, 200}) {
    db->KLX_DataBaseManagerTelemetrieGetSetSensorAlias(a, QStringLiteral("Alias%1-%2").arg(a).arg(seed), S, false);
    db->KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(a, 2, QStringLiteral("V%1").arg(seed), S, false);
  }

  for (int c = 0; c < db->KLX_DataBaseManagerGetMaxTeleControls(); ++c) {
    const int k = c * 13 + seed;
    db->KLX_DataBaseManagerTeleControlGetSet_Name(c, QStringLiteral("Tc%1-%2").arg(c).arg(seed), S);
    db->KLX_DataBaseManagerTeleControlGetSet_IsUsed(c, 1, S, false);
    db->KLX_DataBaseManagerTeleControlGetSet_SimulOn(c, k % 2, S, false);
    db->KLX_DataBaseManagerTeleControlGetSet_InvOutput(c, (k / 2) % 2, S, false);
    db->KLX_DataBaseManagerTeleControlGetSet_FullAddr(c, spread(k, 1, 200) + 256 * spread(k, 0, 31), S, false);
    db->KLX_DataBaseManagerTeleControlGetSet_DecPoint(c, spread(k, 0, 3), S, false);
    db->KLX_DataBaseManagerTeleControlGetSet_SimulValue(c, spread(k * 17, -1000, 1000), S, false);
    db->KLX_DataBaseManagerTeleControlGetSet_Limit(c, true, 2000 + k, S, false);
    db->KLX_DataBaseManagerTeleControlGetSet_Limit(c, false, -2000 - k, S, false);
    db->KLX_DataBaseManagerTeleControlGetSet_DfltOutVal(c, spread(k, -100, 100), S, false);
    db->KLX_DataBaseManagerTeleControlGetSet_OutControl(c, 1280 + spread(k, 0, switches - 1), S, false);
  }

  db->KLX_DataBaseManagerGetSetVarioActivationControlId(1280 + seed % switches, S, false);
  db->KLX_DataBaseManagerGetSetVarioSingleFmMask(0x0Au, S, false);
  for (int fm : {0, 1, 3}) {
    db->KLX_DataBaseManagerVarioGetSetStartToneHz(300 + fm * 10 + seed, fm, 0, false);
    db->KLX_DataBaseManagerVarioGetSetClimbingGain(100 + fm + seed, fm, 0, false);
    db->KLX_DataBaseManagerVarioGetSetDescendGain(20 + fm + seed, fm, 0, false);
  }
  db->KLX_SubscribeTTSLForwardControl(1281);
  db->KLX_SubscribeTTSLRestartControl(1280 + switches - 1);
  KLX_TestBuildFullModelAlarms(db, seed);
}

// Every voice alarm of the board, the preflight list with every control it
// takes (the check on for even seeds), and the 24 head-up items.
inline void KLX_TestBuildFullModelAlarms(KLX_DataBaseManager* db, int seed) {
  const int S = AtomicDirSet;
  const auto spread = KLX_TestSpread;
  for (int a = 0; a < db->KLX_DataBaseManagerVAlarmGetCount(); ++a) {
    const int k = a * 7 + seed;
    // Switched by a control: silent while the model is only built and saved.
    db->KLX_DataBaseManagerVAlarmGetSetType(a, KLX_DatabaseValues::VALARM_ModeControlled | spread(k, 0, 8), S, false);
    // Every third alarm by a virtual switch, which keeps the default hysteresis.
    const bool byVirtualSwitch = a % 3 == 0;
    db->KLX_DataBaseManagerVAlarmGetSetActivator(a, byVirtualSwitch ? 1280 + spread(k, 0, 127) : 256 + spread(k, 0, 1000),
                                                 S, false);
    if (!byVirtualSwitch) {
      db->KLX_DataBaseManagerVAlarmGetSetActivatorHystAbove(a, spread(k * 3, -1900, 1900), S, false);
      db->KLX_DataBaseManagerVAlarmGetSetActivatorHystBelow(a, spread(k * 5, -1900, 1900), S, false);
    }
    db->KLX_DataBaseManagerVAlarmGetSetValueStep(a, spread(k * 11, -32768, 32767), spread(k, 0, 4), S, false);
    db->KLX_DataBaseManagerVAlarmGetSetTimeStep(a, spread(k * 13, -32768, 32767), S, false);
    db->KLX_DataBaseManagerVAlarmGetSetTeleSourceMain(a, spread(k, 0, 255), S, false);
    db->KLX_DataBaseManagerVAlarmGetSetTeleSourceSlave(a, spread(k + 1, 0, 255), S, false);
    db->KLX_DataBaseManagerVAlarmGetSetStaticMsgByAlrmIdx(a, QStringLiteral("Say %1-%2 \u00fc").arg(a).arg(seed), S, false);
    // Timer bits 0-4 and 6-7 (bit 5 is not carried); none for every fifth.
    db->KLX_DataBaseManagerVAlarmGetSetTimer(a, a % 5 == 0 ? 255 : spread(k, 0, 31) | ((a % 4) << 6), S, false);
    db->KLX_DataBaseManagerVAlarmGetSetIndividualBit(a, spread(k * 3, 0, 255), S, false);
    // Odd alarms speak with a voice of their own, even ones with none.
    if (a % 2) db->KLX_DataBaseManagerVAlarmSetVoiceTextParams(a, "de", QStringLiteral("Voice%1").arg(seed), false);
  }

  db->KLX_DataBaseManagerPreflightGetSet_IsUsed(seed % 2 == 0, S, false);
  db->KLX_DataBaseManagerPreflightGetSet_Accuracy(spread(seed, 1, 25), S, false);
  for (int id = 0, n = 0; id < 4096; ++id) {
    if (!db->KLX_DataBaseManagerPreflightCheckControl(id)) continue;
    db->KLX_DataBaseManagerPreflightGetSet_PhyControlID(id, true, S, false);
    db->KLX_DataBaseManagerPreflightGetSet_ControlPosition(id, spread(++n * 97 + seed, -2047, 2047), S, false);
  }

  // Telemetry values, timers, servos and placeholders in turn.
  for (int i = 0; i < KLX_Headup::kSlots; ++i) {
    const int type = i % 4;
    db->CreateHeadupItem(type);
    if (type == HeadupType_Telemetry) {
      db->KLX_DatabaseMangerHeadupSetTeleMainAddr(i, 10 + i + seed);
      db->KLX_DatabaseMangerHeadupSetTeleSlaveAddr(i, spread(i + seed, 0, 31));
    } else if (type == HeadupType_Timer) {
      db->KLX_DatabaseMangerHeadupSetTimerIndex(i, spread(i + seed, 0, 15));
    } else if (type == HeadupType_Servo) {
      db->KLX_DatabaseMangerHeadupSetServoIndex(i, spread(i + seed, 0, db->KLX_DataBaseManagerGetMaxServos() - 1));
    }
  }
}

// Two info texts for saves that alternate: the files they give differ in size.
inline QString KLX_TestInfo(int turn) {
  return turn % 2 ? QStringLiteral("short") : QString(100000, QLatin1Char('L'));
}
