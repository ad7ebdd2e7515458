#pragma once
// Battery charge, display brightness and the inactivity alarm (published as
// "Battery"). Eight times a second the thread turns the two cell voltages
// into a charge in percent, guards against undervoltage (dims, then forces
// the switch-off), lets the display brightness follow the settings and the
// dim state smoothly, and raises the inactivity alarm when nobody touched
// the transmitter for the set time.
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"

class KLX_DataBaseManager;
class KLX_OnOffHandler;

// A discharge curve: ascending voltages (volts) and the charge (percent) at each.
struct T_Interpolation {
  static constexpr int kMaxPoints = 32;
  int count = 0;
  float volts[kMaxPoints] = {};
  float percent[kMaxPoints] = {};
};

class KLX_BatteryHandler : public CNoDebugBase<QThread>, public KLX_BaseClassThread {
  Q_OBJECT
 public:
  static constexpr unsigned long kPeriodMs = 125;
  // Cycles per inactivity check (375 ms) and per battery calculation (1 s).
  static constexpr int kInactivityCycles = 3;
  static constexpr int kBatteryCycles = 8;
  // Low-pass filter kinds.
  enum E_LowPass { LowPassUnused = 0, LowPassCell1 = 1, LowPassCell2 = 2, LowPassBrightness = 3, LowPassKinds = 4 };

  explicit KLX_BatteryHandler(QObject* parent = nullptr);
  ~KLX_BatteryHandler() override;

  int KLX_BatteryHandlerInitialize(KLX_DataBaseManager* db, KLX_OnOffHandler* onOff);
  int KLX_BatteryHandlerStart();
  int KLX_BatteryHandlerStop();
  void KLX_BatteryHandlerStartProcessing() { KLX_BaseClassThreadStartProcessing(); }
  void KLX_BatteryHandlerStopProcessing() { KLX_BaseClassThreadStopProcessing(); }
  // Taken on the next inactivity check; called on every touch.
  void KLX_BatteryHandlerResetInactivityTimer() { m_InactivityReset = true; }

  void KLX_BatteryHandlerSetUpSamsung3500(int cell);
  static float KLX_BatteryHandlerExtrapolation1D(const T_Interpolation* table, float x);
  float KLX_BatteryHandlerCalculateLowPass(float x, int kind);

  // The clock the period and the inactivity time run on; set before the
  // thread starts (the system's by default).
  void KLX_BatteryHandlerSetClock(KLX_Clock* clock) { m_Clock = clock ? clock : &KLX_Clock::KLX_ClockSystem(); }
  int KLX_BatteryHandlerUndervoltageCount() const { return m_Undervoltage; }
  bool KLX_BatteryHandlerIdleAlarmActive() const { return m_IdleAlarmActive; }

 signals:
  void voltageMinExceeded();

 protected:
  void run() override;

 private:
  void Cycle();
  void ManageInactivity();
  void CalculateBattery();
  void UndervoltageGuard(int centivolts1, int centivolts2);
  void CalculateBrightness();
  void OutputBrightness(int value, bool modify);
  void ForceShutDown();

  QWaitCondition m_Wake;
  QMutex m_Mutex;
  std::atomic<bool> m_Initialized{false};
  std::atomic<bool> m_Running{false};
  T_Interpolation m_Table[2];
  float m_FilterInput[LowPassKinds] = {};
  float m_FilterOutput[LowPassKinds] = {};
  int m_CycleCounter = 0;
  int m_BatteryCounter = 0;
  std::atomic<int> m_Undervoltage{0};
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_OnOffHandler* m_OnOff = nullptr;
  qint64 m_InactiveSinceMs = 0;
  std::atomic<bool> m_InactivityReset{true};
  std::atomic<bool> m_IdleAlarmActive{false};
  KLX_Clock* m_Clock = &KLX_Clock::KLX_ClockSystem();
};
