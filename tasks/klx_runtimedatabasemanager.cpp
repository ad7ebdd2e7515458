#include "tasks/klx_runtimedatabasemanager.h"

#include <cmath>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_system.h"
#include "model/engine/kl_engine.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr unsigned kErrInitialize = 0x23301;
constexpr unsigned kProcessingStarted = 0x33901;
constexpr unsigned kProcessingStopped = 0x33902;

bool IsFunction(int n) { return n >= 0 && n < kl_engine_cfg_count(EngineCfgFunctions) && n < KL_MAX_FUNCTIONS; }
bool IsSequencer(int n) { return n >= 0 && n < kl_engine_cfg_count(EngineCfgSequencers); }
}  // namespace

KLX_RuntimeDatabaseManager::~KLX_RuntimeDatabaseManager() {
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
  m_Engine.KLX_FunctionalCalculationInitialize(db, this);
  if (!m_Engine.KLX_FunctionalCalculationIsInitialized()) {
    KLXErrorHandler.RegisterError(kErrInitialize, QString());
    return KLX_Error;
  }
  // The timers-and-alarms thread joins here with its issue.
  return m_Engine.KLX_FunctionalCalculationStart();
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerStartProcessing(bool reset) {
  if (m_Processing) return;
  if (reset) {
    m_Engine.KLX_FunctionalCalculationResetRuntimeData();
    m_Engine.KLX_FunctionalCalculationResetFunctionData();
  }
  m_Engine.KLX_FunctionalCalculationStartProcessing();
  m_Processing = true;
  KLXErrorHandler.RegisterError(kProcessingStarted, "Runtime DB processing started");
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerStopProcessing() {
  if (!m_Processing) return;
  m_Engine.KLX_FunctionalCalculationStopProcessing();
  m_Processing = false;
  KLXErrorHandler.RegisterError(kProcessingStopped, "Runtime DB processing stopped");
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerStop() {
  m_Processing = false;
  return m_Engine.KLX_FunctionalCalculationStop();
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetVSOutputByVSId(int n) const {
  if (n < 0 || n >= kl_engine_cfg_count(EngineCfgVirtualSwitches)) return -2047;
  return kl_engine_get_virtual_switch_outputbySwitchID(static_cast<uint16_t>(n));
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetVSOutputByControl(int id) const {
  return kl_engine_get_virtual_switch_outputbyControl(static_cast<uint16_t>(id & 0xFFFF));
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetActualFlightMode() const {
  return kl_engine_get_flightmode();
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetFunctionData(int n) const {
  const int16_t* values = kl_engine_get_funcvalues_pointer();
  return (values && IsFunction(n)) ? values[n + 1] : int(KLX_Error);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetMixersAddData(int n) const {
  const int16_t* values = kl_engine_get_mixersadditives_pointer();
  return (values && IsFunction(n)) ? values[n + 1] : int(KLX_Error);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetPureFunctionData(int n) const {
  const int16_t* values = kl_engine_get_purefuncvalues_pointer();
  return (values && IsFunction(n)) ? values[n + 1] : int(KLX_Error);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerIsSequencerCompleted(int n) const {
  return IsSequencer(n) ? kl_is_sequencer_run_completed(n) : KLX_Error;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerIsSequencerLocked(int n) const {
  return IsSequencer(n) ? kl_engine_get_is_sequencer_locked(n) : KLX_Error;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetSequencerActiveTime(int n) const {
  return IsSequencer(n) ? kl_engine_get_sequencer_active_time(n) : KLX_Error;
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
  if (!dir) m_DialogText = text;
  return m_DialogText;
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManager_ResetInactivityTimer() {
  if (m_System) m_System->KLX_SystemResetInactivityTimer();
}
