#include "tasks/klx_runtimedatabasemanager.h"

#include <QColor>
#include <QMutexLocker>

#include <cmath>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_system.h"
#include "model/engine/kl_engine.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "model/klx_sequencer.h"
#include "tasks/klx_vorntask.h"

namespace {
constexpr unsigned kErrInitialize = 0x23301;
constexpr unsigned kProcessingStarted = 0x33901;
constexpr unsigned kProcessingStopped = 0x33902;

bool IsFunction(int n) { return n >= 0 && n < kl_engine_cfg_count(EngineCfgFunctions) && n < KL_MAX_FUNCTIONS; }
bool IsSequencer(int n) { return n >= 0 && n < kl_engine_cfg_count(EngineCfgSequencers); }

// The control of each bit of the direction word.
constexpr int kDirectionControls[] = {
    KLX_VornTask::CONTROLID_Stick_STA_GUI, KLX_VornTask::CONTROLID_Stick_STB_GUI, KLX_VornTask::CONTROLID_Stick_STC_GUI,
    KLX_VornTask::CONTROLID_Stick_STD_GUI, KLX_VornTask::CONTROLID_Poti_SLA_GUI,  KLX_VornTask::CONTROLID_Poti_ROA_GUI,
    KLX_VornTask::CONTROLID_Poti_SLB_GUI,  KLX_VornTask::CONTROLID_Poti_ROB_GUI,  KLX_VornTask::CONTROLID_SW_A_GUI,
    KLX_VornTask::CONTROLID_SW_B_GUI,      KLX_VornTask::CONTROLID_SW_C_GUI,      KLX_VornTask::CONTROLID_SW_D_GUI,
    KLX_VornTask::CONTROLID_SW_E_GUI,      KLX_VornTask::CONTROLID_SW_J_GUI,      KLX_VornTask::CONTROLID_SW_K_GUI,
    KLX_VornTask::CONTROLID_SW_M_GUI,      KLX_VornTask::CONTROLID_SW_L_GUI,      KLX_VornTask::CONTROLID_SW_N_GUI,
    KLX_VornTask::CONTROLID_SW_F_GUI,      KLX_VornTask::CONTROLID_SW_I_GUI,      KLX_VornTask::CONTROLID_SW_G_GUI,
    KLX_VornTask::CONTROLID_SW_H_GUI,
};

QString SetText(QMutex* mutex, QString* stored, const QString& text, int dir) {
  QMutexLocker lock(mutex);
  if (!dir) *stored = text;
  return *stored;
}

// One colour component at `ratio` of the way, rounded half away from zero.
int Blend(int from, int to, float ratio) { return int(std::round(float(from) + float(to - from) * ratio)); }
}  // namespace

KLX_RuntimeDatabaseManager::~KLX_RuntimeDatabaseManager() {
  // The timers thread asks this object for the flight mode.
  if (m_TimersAlarms.isRunning()) m_TimersAlarms.KLX_TimersAlarmsStop();
  if (m_Engine.isRunning()) m_Engine.KLX_FunctionalCalculationStop();
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerInitialize(KLX_DataBaseManager* db, KLX_Protocol* protocol,
                                                                     KLX_System* system) {
  if (!db || !protocol) {
    KLXErrorHandler.RegisterError(kErrInitialize, QString());
    return KLX_Error;
  }
  m_Db = db;
  m_Protocol = protocol;
  m_System = system;
  {
    QMutexLocker lock(&m_TextMutex);
    m_DialogText.clear();
    m_DialogParameter.clear();
    m_PercentName.clear();
    m_DetailName.clear();
  }
  m_OverallPercent = m_DetailPercent = -1;
  m_MenuIndex = 8;
  m_MenuSensor = 255;
  m_LeaveMenu = 1;
  m_Directions = 0;
  m_Engine.KLX_FunctionalCalculationInitialize(db, this);
  if (!m_Engine.KLX_FunctionalCalculationIsInitialized()) {
    KLXErrorHandler.RegisterError(kErrInitialize, QString());
    return KLX_Error;
  }
  const int engine = m_Engine.KLX_FunctionalCalculationStart();
  const int timers = m_TimersAlarms.KLX_TimersAlarmsInitialize(db, this);
  return engine != KLX_Ok ? engine : timers;
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerStartProcessing(bool reset) {
  if (m_Processing) return;
  if (reset) {
    m_Engine.KLX_FunctionalCalculationResetRuntimeData();
    m_Engine.KLX_FunctionalCalculationResetFunctionData();
  }
  m_Engine.KLX_FunctionalCalculationStartProcessing();
  m_TimersAlarms.KLX_TimersAlarmsStartProcessing();
  m_Processing = true;
  KLXErrorHandler.RegisterError(kProcessingStarted, "Runtime DB processing started");
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerStopProcessing() {
  if (!m_Processing) return;
  m_Engine.KLX_FunctionalCalculationStopProcessing();
  m_TimersAlarms.KLX_TimersAlarmsStopProcessing();
  m_Processing = false;
  KLXErrorHandler.RegisterError(kProcessingStopped, "Runtime DB processing stopped");
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerStop() {
  m_Processing = false;
  m_TimersAlarms.KLX_TimersAlarmsStop();
  return m_Engine.KLX_FunctionalCalculationStop();
}

// What the engine thread writes during its passes is read under its lock.
int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetVSOutputByVSId(int n) const {
  if (n < 0 || n >= kl_engine_cfg_count(EngineCfgVirtualSwitches)) return -2047;
  const KLX_FunctionalCalculation::StateReader lock(m_Engine);
  return kl_engine_get_virtual_switch_outputbySwitchID(static_cast<uint16_t>(n));
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetVSOutputByControl(int id) const {
  const KLX_FunctionalCalculation::StateReader lock(m_Engine);
  return kl_engine_get_virtual_switch_outputbyControl(static_cast<uint16_t>(id & 0xFFFF));
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetActualFlightMode() const {
  return m_Engine.KLX_FunctionalCalculationFlightMode();
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetFunctionData(int n) const {
  const KLX_FunctionalCalculation::StateReader lock(m_Engine);
  const int16_t* values = kl_engine_get_funcvalues_pointer();
  return (values && IsFunction(n)) ? values[n + 1] : int(KLX_Error);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetMixersAddData(int n) const {
  const KLX_FunctionalCalculation::StateReader lock(m_Engine);
  const int16_t* values = kl_engine_get_mixersadditives_pointer();
  return (values && IsFunction(n)) ? values[n + 1] : int(KLX_Error);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetPureFunctionData(int n) const {
  const KLX_FunctionalCalculation::StateReader lock(m_Engine);
  const int16_t* values = kl_engine_get_purefuncvalues_pointer();
  return (values && IsFunction(n)) ? values[n + 1] : int(KLX_Error);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerIsSequencerCompleted(int n) const {
  const KLX_FunctionalCalculation::StateReader lock(m_Engine);
  return IsSequencer(n) ? kl_is_sequencer_run_completed(n) : KLX_Error;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerIsSequencerLocked(int n) const {
  const KLX_FunctionalCalculation::StateReader lock(m_Engine);
  return IsSequencer(n) ? kl_engine_get_is_sequencer_locked(n) : KLX_Error;
}

// The engine counts a run in milliseconds, as the waypoint times stand in
// its records; the screens take hundredths of a second, as the waypoint
// times read through the facade.
int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetSequencerActiveTime(int n) const {
  const KLX_FunctionalCalculation::StateReader lock(m_Engine);
  return IsSequencer(n) ? kl_engine_get_sequencer_active_time(n) / KLX_Sequencer::kMsPerTimeUnit : KLX_Error;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetSequencerTotalRunTime(int n) {
  const int total = m_Engine.KLX_FunctionalCalcGetSequencerTotalRuntime(n);
  return total <= KLX_Error ? total : total / KLX_Sequencer::kMsPerTimeUnit;
}

int KLX_RuntimeDatabaseManager::TriValue(int which, int get, int value, int function) {
  if (!IsFunction(function)) return KLX_Error;
  if (!get) m_TriValues[which][function] = value;
  // Percent, rounded half away from zero.
  return static_cast<int>(std::lround(m_TriValues[which][function] * 100.0 / 2047.0));
}

int KLX_RuntimeDatabaseManager::KLX_TriValRateValue(int get, int value, int function) {
  return TriValue(TriRate, get, value, function);
}

int KLX_RuntimeDatabaseManager::KLX_TriValDifferentialValue(int get, int value, int function) {
  return TriValue(TriDifferential, get, value, function);
}

int KLX_RuntimeDatabaseManager::KLX_TriValExpoValue(int get, int value, int function, int side) {
  return TriValue(side ? TriExpo1 : TriExpo0, get, value, function);
}

int KLX_RuntimeDatabaseManager::KLX_TriValLimiterValueMax(int get, int value, int function) {
  return TriValue(TriLimiterMax, get, value, function);
}

int KLX_RuntimeDatabaseManager::KLX_TriValLimiterValueMin(int get, int value, int function) {
  return TriValue(TriLimiterMin, get, value, function);
}

QString KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetSetDialogText(QString text, int dir) {
  return SetText(&m_TextMutex, &m_DialogText, text, dir);
}

QString KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetSetDialogParameter(QString text, int dir) {
  return SetText(&m_TextMutex, &m_DialogParameter, text, dir);
}

QString KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetSetPercentName(QString text, int dir) {
  return SetText(&m_TextMutex, &m_PercentName, text, dir);
}

QString KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetSetDetailName(QString text, int dir) {
  return SetText(&m_TextMutex, &m_DetailName, text, dir);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetSetOverallPercent(int value, int dir) {
  if (!dir) m_OverallPercent = value < 0 ? -1 : value;
  return m_OverallPercent;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetSetDetailPercent(int value, int dir) {
  if (!dir) m_DetailPercent = value < 0 ? -1 : value;
  return m_DetailPercent;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetSetMenuIndex(int value, int dir) {
  if (!dir && value >= 0 && value < 8) m_MenuIndex = value;
  return m_MenuIndex;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetSetMenuSensor(int value, int dir) {
  if (!dir && value >= 0 && value < 255) m_MenuSensor = value;
  return m_MenuSensor;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetSetLeaveMenu(int value, int dir) {
  if (!dir && (value == 0 || value == 1)) m_LeaveMenu = value;
  return m_LeaveMenu;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerEnterMenu() {
  m_LeaveMenu = 0;
  return m_Db ? m_Db->KLX_DataBaseManagerCaptureMenuContinious() : int(KLX_Error);
}

int KLX_RuntimeDatabaseManager::KLX_DirectionBitOfControl(int control) {
  for (int bit = 0; bit < int(sizeof(kDirectionControls) / sizeof(kDirectionControls[0])); ++bit)
    if (kDirectionControls[bit] == control) return bit;
  return -1;
}

int KLX_RuntimeDatabaseManager::KLX_SetDirectionOfControls(quint32 word) {
  m_Directions = word;
  return KLX_Ok;
}

int KLX_RuntimeDatabaseManager::KLX_SetDirectionOfControl(int control, int invers, bool update) {
  const int bit = KLX_DirectionBitOfControl(control);
  if (bit < 0) return KLX_Ok;
  const quint32 mask = quint32(1) << bit;
  const quint32 word = invers == 1 ? (m_Directions.fetch_or(mask) | mask) : (m_Directions.fetch_and(~mask) & ~mask);
  if (update && m_Protocol) {
    const char data[4] = {char(word & 0xFF), char((word >> 8) & 0xFF), char((word >> 16) & 0xFF),
                          char((word >> 24) & 0xFF)};
    m_Protocol->KLX_ProtocolSendMessage(sizeof(data), data, KLX_MSG_DIRECTION, KLX_NODE_APPLICATION);
  }
  return KLX_Ok;
}

int KLX_RuntimeDatabaseManager::KLX_IsDirectionOfControlInvers(int control) const {
  const int bit = KLX_DirectionBitOfControl(control);
  return bit < 0 ? 0 : int((m_Directions >> bit) & 1u);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerStartStopRangeTest(int startstop) {
  if (!m_Protocol) return KLX_Error;
  const char on = startstop != 0 ? 1 : 0;
  return m_Protocol->KLX_ProtocolSendMessage(1, &on, KLX_MSG_RANGE_TEST, KLX_NODE_APPLICATION);
}

QString KLX_RuntimeDatabaseManager::GetRGBcomponents(QString col_from, QString col_to, float ratio) {
  const QColor from(col_from);
  const QColor to(col_to);
  auto colour = [&](float r) {
    return QStringLiteral("#%1%2%3")
        .arg(Blend(from.red(), to.red(), r), 2, 16, QLatin1Char('0'))
        .arg(Blend(from.green(), to.green(), r), 2, 16, QLatin1Char('0'))
        .arg(Blend(from.blue(), to.blue(), r), 2, 16, QLatin1Char('0'));
  };
  return colour(ratio) + QLatin1Char(';') + colour(1.0f - ratio);
}

bool KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerCreateTravelServoCurve(int wayNegPerc, int wayPosPerc,
                                                                                  int servoCenPerc) {
  m_CurveCreated = false;
  m_CurvePoints = 0;
  for (int v : {wayNegPerc, wayPosPerc, servoCenPerc})
    if (v < -200 || v > 200) return false;
  m_CurvePoints = 3;
  m_CurveCreated = true;
  // In single precision, as the display always drew it.
  const float a = float(qint16(wayNegPerc)) / (wayNegPerc < 0 ? -200.0f : 200.0f);
  const float f = (0.0f - a * (wayNegPerc < 0 ? -2047.0f : 2047.0f)) / 2047.0f;
  const float b = float(qint16(wayPosPerc)) / (wayPosPerc < 0 ? -200.0f : 200.0f);
  const float g = b * (wayPosPerc < 0 ? -2047.0f : 2047.0f) / 2047.0f;
  for (int k = 0; k < kCurvePoints; ++k) {
    float point = 0.0f;
    if (k < 16) point = f * (-4094.0f + 255.875f * float(k));
    if (k > 16) point = g * 255.875f * float(k - 16);
    m_Curve[k] = static_cast<qint16>(std::round(point));
  }
  return true;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetCreatedServoCurveVal(int k) const {
  return k >= 0 && k < kCurvePoints ? int(m_Curve[k]) : int(KLX_Error);
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManager_ResetInactivityTimer() {
  if (m_System) m_System->KLX_SystemResetInactivityTimer();
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseSetNameOfLastCreatedFolder(QString name) {
  SetText(&m_TextMutex, &m_LastCreatedFolder, name, AtomicDirSet);
}

QString KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseGetNameOfLastCreatedFolder() const {
  QMutexLocker lock(&m_TextMutex);
  return m_LastCreatedFolder;
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManager_SetSystemPowerOffFlag(bool poweredOff) {
  m_PowerOffFlag = poweredOff ? 1 : 0;
  if (m_System) m_System->KLX_SystemTurnOff(poweredOff);
}
