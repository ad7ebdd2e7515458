#include "frame/klx_batteryhandler.h"

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_onoffhandler.h"
#include "model/klx_databasemanager.h"

#include <QDateTime>
#include <QDebug>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr unsigned kErrNotInitialized = 0x11701;
constexpr unsigned kErrNotRunning = 0x11702;
constexpr unsigned kErrVoltageDifference = 0x31703;

// The cell voltages come in units of 10 mV.
constexpr int kCentivoltsPerVolt = 100;
// Cells further apart than 0.3 V are not judged for undervoltage.
constexpr int kMaxDifferenceCentivolts = 30;
// Both cells below 6.4 V count as one low reading.
constexpr int kLowCentivolts = 640;
// The guard's counter: low readings 8 to 11 warn with the display at
// brightness 1, from 12 the display is dark, above 15 the switch-off is forced.
// From 8 on the guard owns the display brightness.
constexpr int kGuardWarnFirst = 7;
constexpr int kGuardWarnLast = 10;
constexpr int kGuardDarkAbove = 11;
constexpr int kGuardShutDownAbove = 15;
constexpr int kGuardOwnsDisplay = 8;

constexpr int kVibrationInactive = KLX_VIB_INACTIVE_TIME;
constexpr qint64 kMsPerMinute = 60000;

// One cell of the pack in use: volts and charge at 32 points of its discharge.
constexpr float kCellVolts[T_Interpolation::kMaxPoints] = {
    0.0f,   5.935f, 6.165f, 6.385f, 6.57f,  6.69f,  6.765f, 6.82f, 6.88f,  6.94f,  6.99f,
    7.035f, 7.08f,  7.12f,  7.17f,  7.22f,  7.275f, 7.325f, 7.395f, 7.445f, 7.5f,  7.55f,
    7.595f, 7.64f,  7.685f, 7.74f,  7.805f, 7.88f,  7.95f,  8.005f, 8.15f,  9.5f};
constexpr float kCellPercent[T_Interpolation::kMaxPoints] = {
    1.0f,   1.0f,   3.44f,  6.89f,  10.34f, 13.79f, 17.24f, 20.68f, 24.13f, 27.58f, 31.03f,
    34.48f, 37.93f, 41.37f, 44.82f, 48.27f, 51.72f, 55.17f, 58.62f, 62.06f, 65.51f, 68.96f,
    72.41f, 75.86f, 79.31f, 82.75f, 86.2f,  89.65f, 93.1f,  96.55f, 100.0f, 100.0f};

// y = (x + x_prev) / A + B * y_prev: a gain of 1 for a constant input.
constexpr float kLowPassA[KLX_BatteryHandler::LowPassKinds] = {51.923038f, 4.4420228f, 4.4420228f, 13.706204f};
constexpr float kLowPassB[KLX_BatteryHandler::LowPassKinds] = {0.96148145f, 0.54975468f, 0.54975468f, 0.85408068f};
}  // namespace

KLX_BatteryHandler::KLX_BatteryHandler(QObject* parent)
    : CNoDebugBase<QThread>(parent), KLX_BaseClassThread("BatteryHandler", true) {
  KLX_BatteryHandlerSetUpSamsung3500(0);
  KLX_BatteryHandlerSetUpSamsung3500(1);
}

KLX_BatteryHandler::~KLX_BatteryHandler() {
  // The thread must never outlive the object it runs in.
  if (isRunning()) KLX_BatteryHandlerStop();
  wait();
}

int KLX_BatteryHandler::KLX_BatteryHandlerInitialize(KLX_DataBaseManager* db, KLX_OnOffHandler* onOff) {
  if (!db) {
    KLXErrorHandler.RegisterError(kErrNotInitialized,
                                  QStringLiteral("KLX_BatteryHandlerInitialize() went wrong: No Database is connected"));
    return KLX_Error;
  }
  if (!onOff) {
    KLXErrorHandler.RegisterError(kErrNotInitialized,
                                  QStringLiteral("KLX_BatteryHandlerInitialize() went wrong: OnOff handler is void"));
    return KLX_Error;
  }
  m_Db = db;
  m_OnOff = onOff;
  m_Initialized = true;
  return KLX_Ok;
}

int KLX_BatteryHandler::KLX_BatteryHandlerStart() {
  if (KLX_ThreadControl::Start(this, &m_Running)) return KLX_Ok;
  KLXErrorHandler.RegisterError(kErrNotRunning, QStringLiteral("battery thread not running"));
  return KLX_Error;
}

int KLX_BatteryHandler::KLX_BatteryHandlerStop() {
  KLX_ThreadControl::Stop(this, *m_Clock, &m_Mutex, &m_Wake, &m_Running);
  return KLX_Ok;
}

void KLX_BatteryHandler::KLX_BatteryHandlerSetUpSamsung3500(int cell) {
  if (cell < 0 || cell > 1) return;
  T_Interpolation& table = m_Table[cell];
  table.count = T_Interpolation::kMaxPoints;
  std::copy(std::begin(kCellVolts), std::end(kCellVolts), table.volts);
  std::copy(std::begin(kCellPercent), std::end(kCellPercent), table.percent);
}

float KLX_BatteryHandler::KLX_BatteryHandlerExtrapolation1D(const T_Interpolation* table, float x) {
  const int n = table->count;
  if (n < 2) return n == 1 ? table->percent[0] : 0.0f;
  // The first point at or above x among 1..n-2; the last segment beyond them.
  const float* first = table->volts + 1;
  const float* last = table->volts + n - 1;
  const int k = int(std::lower_bound(first, last, x) - table->volts);
  const float dv = table->volts[k] - table->volts[k - 1];
  if (dv == 0.0f) return table->percent[k];
  return table->percent[k - 1] + (x - table->volts[k - 1]) / dv * (table->percent[k] - table->percent[k - 1]);
}

float KLX_BatteryHandler::KLX_BatteryHandlerCalculateLowPass(float x, int kind) {
  const bool known = kind >= 0 && kind < LowPassKinds;
  const int state = known ? kind : LowPassUnused;
  const float a = known ? kLowPassA[kind] : 1.0f;
  const float b = known ? kLowPassB[kind] : 0.0f;
  const float y = (x + m_FilterInput[state]) / a + b * m_FilterOutput[state];
  m_FilterInput[state] = x;
  m_FilterOutput[state] = y;
  return y;
}

void KLX_BatteryHandler::run() {
  if (!m_Initialized) {
    KLXErrorHandler.RegisterError(kErrNotInitialized, QStringLiteral("did not call KLX_BatteryHandlerInitialize()"));
    return;
  }
  qInfo("  ->   starting KLX_BatteryHandler thread");
  KLX_ThreadControl::Entered();
  QMutexLocker lock(&m_Mutex);
  while (m_Running) {
    Log("pause");
    m_Clock->KLX_ClockWait(m_Wake, m_Mutex, kPeriodMs);
    Log("resume");
    if (!m_Running) break;
    // The work runs without the mutex: a forced switch-off waits for the
    // button thread's lock, and the button thread, switching off, takes this
    // mutex to stop the thread.
    lock.unlock();
    Cycle();
    lock.relock();
  }
  Log("exit");
  qInfo("  ->   exit KLX_BatteryHandler thread");
}

void KLX_BatteryHandler::Cycle() {
  if (++m_CycleCounter >= kInactivityCycles) {
    ManageInactivity();
    // The settings clock follows the system's, except while the settings
    // screen edits it.
    if (m_Db->KLX_DataBaseManagerSystemPropertiesGetState() == 0) {
      QDateTime now = QDateTime::currentDateTime();
      m_Db->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DateTime(now, AtomicDirSet);
    }
    m_CycleCounter = 0;
  }
  if (!KLX_BaseClassThreadIsProcessing()) return;
  // The first calculation in the ninth cycle, then every eighth.
  if (++m_BatteryCounter > kBatteryCycles) {
    CalculateBattery();
    m_BatteryCounter = 1;
  }
  if (m_Undervoltage < kGuardOwnsDisplay) CalculateBrightness();
}

void KLX_BatteryHandler::ManageInactivity() {
  const qint64 now = m_Clock->KLX_ClockNowMs();
  if (m_InactivityReset.exchange(false)) {
    m_InactiveSinceMs = now;
    if (m_IdleAlarmActive.exchange(false)) m_Db->KLX_DataBaseManagerIdleAlarmDisable();
    return;
  }
  const qint64 minutes = m_Db->KLX_DataBaseManagerGetSetSystemProperties_IdleTimeout(0, AtomicDirGet, false);
  if (minutes <= 0) return;
  const qint64 inactive = now - m_InactiveSinceMs;
  if (inactive > minutes * kMsPerMinute) {
    m_IdleAlarmActive = true;
    m_Db->KLX_DataBaseManagerIdleAlarmEnable();
  }
  if (inactive > 2 * minutes * kMsPerMinute) m_Db->KLX_DataBaseManagerActivateVibrationScheme(kVibrationInactive);
}

void KLX_BatteryHandler::CalculateBattery() {
  const int raw[2] = {m_Db->KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(0, AtomicDirGet),
                      m_Db->KLX_DataBaseManagerGetSetSystemProperties_Akku2Voltage(0, AtomicDirGet)};
  if (std::abs(raw[0] - raw[1]) > kMaxDifferenceCentivolts)
    KLXErrorHandler.RegisterError(kErrVoltageDifference, QStringLiteral("diff in battery voltage to high"));
  else
    UndervoltageGuard(raw[0], raw[1]);

  for (int cell = 0; cell < 2; ++cell) {
    const float volts = float(raw[cell]) / kCentivoltsPerVolt;
    const float percent = std::min(KLX_BatteryHandlerExtrapolation1D(&m_Table[cell], volts), 100.0f);
    const int filtered = int(std::lround(KLX_BatteryHandlerCalculateLowPass(percent, cell == 0 ? LowPassCell1 : LowPassCell2)));
    if (cell == 0)
      m_Db->KLX_DataBaseManagerGetSetSystemProperties_Akku1Percent(filtered, AtomicDirSet);
    else
      m_Db->KLX_DataBaseManagerGetSetSystemProperties_Akku2Percent(filtered, AtomicDirSet);
  }
}

// Counts low readings up and good ones down; once the count has passed 7 the
// switch-off goes on whatever the cells read later.
void KLX_BatteryHandler::UndervoltageGuard(int centivolts1, int centivolts2) {
  const int count = m_Undervoltage;
  if (centivolts1 < kLowCentivolts && centivolts2 < kLowCentivolts) {
    if (count > kGuardShutDownAbove) {
      ForceShutDown();
      return;
    }
    m_Undervoltage = count + 1;
    if (count >= kGuardWarnFirst && count <= kGuardWarnLast) {
      OutputBrightness(1, false);
      emit voltageMinExceeded();
    } else if (count + 1 > kGuardDarkAbove) {
      OutputBrightness(0, false);
    }
  } else if (count >= 1 && count <= kGuardWarnFirst) {
    m_Undervoltage = count - 1;
  } else {
    m_Undervoltage = count + 1;
  }
  if (m_Undervoltage > kGuardShutDownAbove) ForceShutDown();
}

void KLX_BatteryHandler::ForceShutDown() {
  OutputBrightness(0, false);
  m_OnOff->KLX_OnOffForceShutDown();
}

void KLX_BatteryHandler::CalculateBrightness() {
  const bool dimmed = m_Db->KLX_DataBaseManagerGetSetSystemProperties_TouchTimeoutEvent(0, AtomicDirGet, false) == 1;
  double target = 1.0;
  if (Board::m_Instance && Board::m_Instance->IsVorn())
    target = m_Db->KLX_DataBaseManagerGetSystemProperties_FinalBrightness(false);
  else if (Board::m_Instance && Board::m_Instance->IsFenk())
    target = m_Db->KLX_DataBaseManagerGetSystemProperties_CalcBrightnessInLogScale(0);
  if (dimmed) {
    const int dim = m_Db->KLX_DataBaseManagerGetSetSystemProperties_TimeoutBrigntness(0, AtomicDirGet, false);
    if (target > dim) target = dim;
  }
  target = std::clamp(target, 1.0, 100.0);
  OutputBrightness(int(std::lround(KLX_BatteryHandlerCalculateLowPass(float(target), LowPassBrightness))), true);
}

void KLX_BatteryHandler::OutputBrightness(int value, bool modify) {
  m_Db->KLX_DataBaseManagerGetSetSystemProperties_Brightness_Out(value, AtomicDirSet, modify);
}
