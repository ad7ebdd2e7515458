// What the engine thread asks of the facade beyond the stores: the sequencer
// hooks, the binding information
// after the preflight check, and the telemetry, preflight and vario answers
// in least form until their subsystems come.
#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_taskrecords.h"
#include "tasks/klx_vornhandler.h"

namespace {
constexpr int kTaskBindConfig = 5;
constexpr int kBindTimeoutMs = 2000;
constexpr int kBindRetries = 3;
// With no sensor store every sensor is offline.
constexpr int kSensorOffline = 1;
constexpr int kNoDecimalPoint = -1;
}  // namespace

void KLX_DataBaseManager::SetSequencerHooks() {
  kl_engine_set_sequencer_hooks(KLX_DataBaseManagerSequencerDataLock, KLX_DataBaseManagerSequencerDataUnLock,
                                KLX_DataBaseManagerSequencerDataSyncronize);
}

int KLX_DataBaseManager::KLX_DataBaseManagerBindingInfoSend() {
  if (!m_Vorn) return KLX_Error;
  Task_Data_T task;
  task.task = kTaskBindConfig;
  task.timeout = kBindTimeoutMs;
  task.retries = kBindRetries;
  task.extra = 0;
  task.source = 0;
  return m_Vorn->KLX_VornHandlerQueueProcessTask(task);
}

// ---- Least forms of the neighbours ------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerPreflightIsChecked() {
  // No preflight list yet: there is nothing to check.
  return 1;
}

int KLX_DataBaseManager::KLX_DatabaseManagerPreflightSettingsCheck(const short*, const unsigned short*, int, int) {
  return 1;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSensorIsOffline(int) { return kSensorOffline; }

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSlaveValue(int, int) { return KLX_Error; }

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(int, int) { return kNoDecimalPoint; }

int KLX_DataBaseManager::KLX_DataBaseManagerGetTeleControlRawValue(int) { return 0; }

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlCopySingleUnit(int index, T_TelemetryControl* record) {
  return m_TeleControl ? m_TeleControl->KLX_TeleControlCopySingleUnit(index, record) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DatabaseManagerGetVarioBeepParams(int, int, uint16_t*, uint16_t*, int) { return 0; }

void KLX_DataBaseManager::KLX_DataBaseManagerVarioBeep(int tone, uint16_t, uint16_t) { m_Buzzer.Beep(tone); }

void KLX_DataBaseManager::KLX_DataBaseManagerVarioStopBeep() { m_Buzzer.Enable(false); }

// The vario's sensor until the vario settings come: none (address 61, slave 0).
int KLX_DataBaseManager::KLX_DataBaseManagerGetVarioAddress() { return 61; }

int KLX_DataBaseManager::KLX_DataBaseManagerGetVarioSlaveAddress() { return 0; }
