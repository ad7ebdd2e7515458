#pragma once
// The engine thread: keeps the engine's set-up block in step with the element
// stores, feeds it the live control values and runs the mixing engine for the
// screens, timers and alarms. A calculation pass and a data pass alternate
// every period, so the model is computed every second period.
#include <QElapsedTimer>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <cstdint>

#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"
#include "model/engine/kl_engine.h"
#include "model/klx_ccontrol.h"
#include "model/klx_unitkind.h"

class KLX_DataBaseManager;
class KLX_RuntimeDatabaseManager;

class KLX_FunctionalCalculation : public CNoDebugBase<QThread>, public KLX_BaseClassThread {
  Q_OBJECT
 public:
  static constexpr int kPeriodMs = 20;
  static constexpr int kControlSlots = 176;
  static constexpr int kPhyControls = 32;
  // The transceiver controller is asked for the sequencer state about once a second.
  static constexpr uint32_t kSequencerInfoMs = 1000;
  // How the thread asks for time-critical scheduling; false when refused.
  using PriorityRequest = bool (*)();

  explicit KLX_FunctionalCalculation(QObject* parent = nullptr);
  ~KLX_FunctionalCalculation() override;

  int KLX_FunctionalCalculationInitialize(KLX_DataBaseManager* database, KLX_RuntimeDatabaseManager* runtime);
  int KLX_FunctionalCalculationStart();
  int KLX_FunctionalCalculationStop();
  void KLX_FunctionalCalculationStartProcessing();
  void KLX_FunctionalCalculationStopProcessing();

  int KLX_FunctionalCalculationMarkFunction(int n) { return Mark(KLX_UnitKind::Function, n); }
  int KLX_FunctionalCalculationMarkMixer(int n) { return Mark(KLX_UnitKind::Mixer, n); }
  int KLX_FunctionalCalculationMarkLimiter(int n) { return Mark(KLX_UnitKind::Limiter, n); }
  int KLX_FunctionalCalculationMarkSequencer(int n) { return Mark(KLX_UnitKind::Sequencer, n); }
  int KLX_FunctionalCalculationMarkFlightmode(int n) { return Mark(KLX_UnitKind::Flightmode, n); }
  int KLX_FunctionalCalculationMarkCurve(int n) { return Mark(KLX_UnitKind::Curve, n); }
  int KLX_FunctionalCalculationMarkServoConfig(int n) { return Mark(KLX_UnitKind::ServoConfig, n); }
  int KLX_FunctionalCalculationMarkSwitch(int n) { return Mark(KLX_UnitKind::Switch, n); }
  int KLX_FunctionalCalculationMarkTrim(int n) { return Mark(KLX_UnitKind::Trim, n); }
  int KLX_FunctionalCalculationMarkTelemetryControl(int n) { return Mark(KLX_UnitKind::TeleControl, n); }
  int KLX_FunctionalCalculationMarkFlightmodeAss() { return Mark(KLX_UnitKind::FlightmodeAss, 0); }
  int KLX_FunctionalCalculationMarkSpecialSwitch() { return Mark(KLX_UnitKind::SpecialSwitch, 0); }
  // Any kind by its enumeration (the facade's marks come this way).
  int Mark(KLX_UnitKind kind, int n);
  bool IsMarked(KLX_UnitKind kind, int n) const;
  // Reads and clears one mark, as the data pass does.
  bool TakeMark(KLX_UnitKind kind, int n);

  void KLX_FunctionalCalculationResetFunctionData();
  void KLX_FunctionalCalculationResetRuntimeData();
  // The model checksum over the set-up block, and a copy of the block, both
  // taken under the thread's lock: never half way through a data pass.
  unsigned int KLX_FunctionalCalculationModelCRC() const;
  void KLX_FunctionalCalculationCopySetup(T_SetupData* out) const;
  // Reads what a pass writes (flight mode, function values, switch outputs,
  // the fading curve) as of the end of a pass: on another thread it holds
  // the engine's lock, which a pass holds throughout; the thread that runs
  // a pass (the engine's, or a test's) reads as it is.
  // The flight mode of the last calculation pass, without a lock: the model
  // file's writer asks it while it holds the model data's guard.
  int KLX_FunctionalCalculationFlightMode() const { return m_LastFlightMode; }
  class StateReader {
   public:
    explicit StateReader(const KLX_FunctionalCalculation& engine)
        : m_Held(engine.m_PassThread.load() == QThread::currentThreadId() ? nullptr : &engine.m_Mutex) {
      if (m_Held) m_Held->lock();
    }
    ~StateReader() {
      if (m_Held) m_Held->unlock();
    }
    StateReader(const StateReader&) = delete;
    StateReader& operator=(const StateReader&) = delete;

   private:
    QMutex* m_Held;
  };

  int KLX_FunctionalCalculationGetServoOutput(int n) const;
  int KLX_FunctionalCalculationResetServoOutput(int n);
  // Puts a value into the published servo outputs, as a pass would (tests
  // of the fail-safe set-ups, which store the current outputs).
  void KLX_FunctionalCalculationSetServoOutput(int n, int value);
  int KLX_FunctionalCalcGetSequencerTotalRuntime(int q);
  int KLX_FunctionalCalcGetSequencerActualDirection(int q);
  int KLX_FunctionalCalcGetTeleControlInputRawValue(int t);
  int KLX_FunctionalCalcGetTeleControlActualDecPosResp(int t);
  int KLX_FunctionalCalcGetTeleControlOutValue(int t, bool inPercent);
  // What the last telemetry-control calculation kept for the screens.
  float KLX_FunctionalCalcGetTeleControlLimitedValue() const { return m_TeleLimited; }
  float KLX_FunctionalCalcGetTeleControlCalcOutValue() const { return m_TeleCalcOut; }

  CControl* GetControlByID(unsigned short id);
  CControl* GetControl(int slot) { return (slot >= 0 && slot < kControlSlots) ? &m_Controls[slot] : nullptr; }
  void check_fm();

  // One pass of the loop (calculation or data, whichever is due), as the
  // thread runs it; tests step the thread's work with it.
  void KLX_FunctionalCalculationPass();
  // 1 after a calculation pass, 2 after a data pass.
  int KLX_FunctionalCalculationPhase() const { return m_Phase; }
  uint32_t KLX_FunctionalCalculationEngineClock() const { return m_Clock; }
  int KLX_FunctionalCalculationPasses() const { return m_Passes; }
  bool KLX_FunctionalCalculationIsInitialized() const { return m_Initialized; }
  // The clock the thread's period runs on (a test steps a manual one); set
  // before the thread starts.
  void KLX_FunctionalCalculationSetClock(KLX_Clock* clock) { m_WaitClock = clock; }
  void KLX_FunctionalCalculationSetPriorityRequest(PriorityRequest request) { m_PriorityRequest = request; }
  // Whether the running thread got time-critical scheduling.
  bool KLX_FunctionalCalculationHasTimeCriticalPriority() const { return m_TimeCritical; }

 protected:
  void run() override;

 private:
  void CalculationPass();
  void DataPass();
  // Copies the live values and the marked elements; true when a virtual
  // switch or telemetry control was copied.
  bool DataRefresh();
  void CopyMarked();
  void TrimDifferentialAdjustment();
  void VarioTone();
  void PublishTriValues();

  KLX_DataBaseManager* m_Db = nullptr;
  KLX_RuntimeDatabaseManager* m_Runtime = nullptr;

  QWaitCondition m_Wait;
  // Held for a whole pass; the read-outs of the set-up block take it too.
  mutable QMutex m_Mutex;
  // The thread running a pass while it holds the lock.
  std::atomic<Qt::HANDLE> m_PassThread{nullptr};
  // The start waits on it until the thread has entered its loop.
  QWaitCondition m_Started;
  bool m_Entered = false;
  std::atomic<bool> m_Running{false};
  std::atomic<bool> m_Initialized{false};
  std::atomic<bool> m_TimeCritical{false};
  PriorityRequest m_PriorityRequest;
  std::atomic<KLX_Clock*> m_WaitClock;
  std::atomic<int> m_Phase{0};
  std::atomic<int> m_Passes{0};

  QElapsedTimer m_VarioTimer;
  QElapsedTimer m_VarioInterval;
  uint16_t m_VarioState1 = 0;
  uint16_t m_VarioState2 = 0;
  int m_VarioTone = 0;

  // Written by the GUI and task threads, read and cleared by the data pass.
  static constexpr int kMaxUnits = KL_MAX_CURVES;
  std::atomic<uint8_t> m_Marks[static_cast<int>(KLX_UnitKind::Count)][kMaxUnits] = {};
  bool m_ControlIdsStale = true;

  T_ServoOutputs m_Output{};
  // The servo outputs as the screens read them, published after each calculation.
  std::atomic<int16_t> m_PublishedOutput[KL_MAX_SERVOS] = {};
  // Written only through its door (KlSetupWrite), under m_Mutex.
  KlSetupBlock m_Setup;

  std::atomic<uint32_t> m_Clock{0};
  uint32_t m_SequencerRequestClock = 0;
  int m_NextSequencer = 0;

  std::atomic<int> m_LastFlightMode{0};
  short m_PhyValues[kPhyControls] = {};
  unsigned short m_PhyIds[kPhyControls] = {};
  std::atomic<float> m_TeleLimited{0.0f};
  std::atomic<float> m_TeleCalcOut{0.0f};

  CControl m_Controls[kControlSlots];
};
