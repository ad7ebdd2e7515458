#pragma once
// The runtime read-outs the screens poll (published as "RuntimeDatabase").
// It owns the engine thread: brings it up, switches its processing, passes
// the marks of changed elements to it and hands on what it publishes.
#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>

#include "frame/klx_databasevalues.h"
#include "model/klx_ccontrol.h"
#include "model/klx_functionalcalculation.h"
#include "model/klx_unitkind.h"
#include "timers/klx_runtimecalcalarm.h"

class KLX_DataBaseManager;
class KLX_Protocol;
class KLX_System;

class KLX_RuntimeDatabaseManager : public QObject {
  Q_OBJECT
 public:
  explicit KLX_RuntimeDatabaseManager(QObject* parent = nullptr) : QObject(parent) {}
  ~KLX_RuntimeDatabaseManager() override;

  int KLX_RuntimeDatabaseManagerInitialize(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_System* system);
  void KLX_RuntimeDatabaseManagerStartProcessing(bool reset);
  void KLX_RuntimeDatabaseManagerStopProcessing();
  bool KLX_RuntimeDatabaseManagerIsProcessing() const { return m_Processing; }
  int KLX_RuntimeDatabaseManagerStop();
  // The level of the power-button line seen at start (set when non-zero dir).
  int KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(int value, bool set) {
    if (set) m_PwrPinAtStart = value;
    return m_PwrPinAtStart;
  }
  KLX_RuntimeCalcAlarm* KLX_RuntimeDatabaseManagerGetRuntimeCalcPtr() { return &m_Calc; }
  KLX_FunctionalCalculation* KLX_RuntimeDatabaseManagerEngine() { return &m_Engine; }

  // Marks: a marked unit is copied into the engine's set-up block on the
  // engine's next data pass, which clears the mark. An index outside the
  // kind's count is ignored.
  int KLX_RuntimeDatabaseManagerMarkUnit(KLX_UnitKind kind, int index) { return m_Engine.Mark(kind, index); }
  int KLX_RuntimeDatabaseManagerMarkFunction(int n) { return m_Engine.KLX_FunctionalCalculationMarkFunction(n); }
  int KLX_RuntimeDatabaseManagerMarkFlightmode(int n) { return m_Engine.KLX_FunctionalCalculationMarkFlightmode(n); }
  int KLX_RuntimeDatabaseManagerMarkFlightmodeAss() { return m_Engine.KLX_FunctionalCalculationMarkFlightmodeAss(); }
  int KLX_RuntimeDatabaseManagerMarkSwitch(int n) { return m_Engine.KLX_FunctionalCalculationMarkSwitch(n); }
  int KLX_RuntimeDatabaseManagerMarkLimiter(int n) { return m_Engine.KLX_FunctionalCalculationMarkLimiter(n); }
  int KLX_RuntimeDatabaseManagerMarkMixer(int n) { return m_Engine.KLX_FunctionalCalculationMarkMixer(n); }
  int KLX_RuntimeDatabaseManagerMarkSequencer(int n) { return m_Engine.KLX_FunctionalCalculationMarkSequencer(n); }
  int KLX_RuntimeDatabaseManagerMarkServoConfig(int n) { return m_Engine.KLX_FunctionalCalculationMarkServoConfig(n); }
  int KLX_RuntimeDatabaseManagerMarkCurve(int n) { return m_Engine.KLX_FunctionalCalculationMarkCurve(n); }
  int KLX_RuntimeDatabaseManagerMarkTrim(int n) { return m_Engine.KLX_FunctionalCalculationMarkTrim(n); }
  int KLX_RuntimeDatabaseManagerMarkTeleControl(int n) {
    return m_Engine.KLX_FunctionalCalculationMarkTelemetryControl(n);
  }
  int KLX_RuntimeDatabaseManagerMarkSpecialSwitch() { return m_Engine.KLX_FunctionalCalculationMarkSpecialSwitch(); }
  int KLX_RuntimeDatabaseManagerResetFunctionData() {
    m_Engine.KLX_FunctionalCalculationResetFunctionData();
    return KLX_Ok;
  }
  bool KLX_RuntimeDatabaseManagerIsMarked(KLX_UnitKind kind, int index) const { return m_Engine.IsMarked(kind, index); }
  // What the data pass does: reads and clears one mark.
  bool KLX_RuntimeDatabaseManagerTakeMark(KLX_UnitKind kind, int index) { return m_Engine.TakeMark(kind, index); }

  // Read-outs of what the engine thread publishes.
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetServoData(int servo) const {
    return m_Engine.KLX_FunctionalCalculationGetServoOutput(servo);
  }
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerResetServoData(int servo) {
    return m_Engine.KLX_FunctionalCalculationResetServoOutput(servo);
  }
  // Puts a servo output in place as a pass would (tests of the fail-safe set-ups).
  void KLX_RuntimeDatabaseManagerSetServoData(int servo, int value) {
    m_Engine.KLX_FunctionalCalculationSetServoOutput(servo, value);
  }
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetVSOutputByVSId(int n) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetVSOutputByControl(int id) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetActualFlightMode() const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetFunctionData(int n) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetMixersAddData(int n) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetPureFunctionData(int n) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerIsSequencerCompleted(int n) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerIsSequencerLocked(int n) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetSequencerActiveTime(int n) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetSequencerTotalRunTime(int n) {
    return m_Engine.KLX_FunctionalCalcGetSequencerTotalRuntime(n);
  }
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetSequencerDirectionState(int n) {
    return m_Engine.KLX_FunctionalCalcGetSequencerActualDirection(n);
  }
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetTelemetryControlInputValue(int n) {
    return m_Engine.KLX_FunctionalCalcGetTeleControlInputRawValue(n);
  }
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetTelemetryControlDecPoint(int n) {
    return m_Engine.KLX_FunctionalCalcGetTeleControlActualDecPosResp(n);
  }
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetTelemetryControlOutput(int n, bool percent) {
    return m_Engine.KLX_FunctionalCalcGetTeleControlOutValue(n, percent);
  }
  Q_INVOKABLE float KLX_RuntimeDatabaseManagerGetTelemetryControlLimitedValue() const {
    return m_Engine.KLX_FunctionalCalcGetTeleControlLimitedValue();
  }
  Q_INVOKABLE float KLX_RuntimeDatabaseManagerGetTelemetryControlCalcOutValue() const {
    return m_Engine.KLX_FunctionalCalcGetTeleControlCalcOutValue();
  }

  // The engine's per-function values in percent for the set-up screens:
  // get 0 stores the control value first; KLX_Error beyond the function count.
  Q_INVOKABLE int KLX_TriValRateValue(int get, int value, int function);
  Q_INVOKABLE int KLX_TriValDifferentialValue(int get, int value, int function);
  Q_INVOKABLE int KLX_TriValExpoValue(int get, int value, int function, int side);
  Q_INVOKABLE int KLX_TriValLimiterValueMax(int get, int value, int function);
  Q_INVOKABLE int KLX_TriValLimiterValueMin(int get, int value, int function);

  Q_INVOKABLE QString KLX_RuntimeDatabaseManagerGetSetDialogText(QString text, int dir);
  // The running task's overall progress in percent: dir 0 stores (a
  // negative value as -1), any other dir reads; the stored value either way.
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetSetOverallPercent(int value, int dir) {
    if (dir == AtomicDirSet) m_OverallPercent = value < 0 ? -1 : value;
    return m_OverallPercent;
  }

  // Restarts the system's inactivity timer when the system object is known.
  void KLX_RuntimeDatabaseManager_ResetInactivityTimer();
  static constexpr int kControlSlots = KLX_FunctionalCalculation::kControlSlots;
  CControl* KLX_RuntimeDatabaseManagerGetControl(int slot) { return m_Engine.GetControl(slot); }
  CControl* KLX_RuntimeDatabaseManagerGetControlByID(unsigned short id) { return m_Engine.GetControlByID(id); }

 private:
  enum TriValue { TriRate, TriDifferential, TriExpo0, TriExpo1, TriLimiterMax, TriLimiterMin, TriCount };
  int TriValue(int which, int get, int value, int function);

  KLX_FunctionalCalculation m_Engine;
  // Written by the engine thread after each calculation, read by QML.
  std::atomic<int> m_TriValues[TriCount][KL_MAX_FUNCTIONS] = {};
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_Protocol* m_Protocol = nullptr;
  KLX_System* m_System = nullptr;
  std::atomic<int> m_PwrPinAtStart{0};
  std::atomic<bool> m_Processing{false};
  std::atomic<int> m_OverallPercent{-1};
  QString m_DialogText;
  KLX_RuntimeCalcAlarm m_Calc;
};
