#include "tasks/klx_runtimedatabasemanager.h"

#include "frame/klx_errorhandler.h"
#include "frame/klx_system.h"
#include "model/engine/kl_engine.h"

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerStartProcessing(bool) {
  if (m_Processing.exchange(true)) return;
  KLXErrorHandler.RegisterError(211201, "Runtime DB processing started");
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerStopProcessing() {
  if (!m_Processing.exchange(false)) return;
  KLXErrorHandler.RegisterError(211202, "Runtime DB processing stopped");
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerMarkUnit(KLX_UnitKind kind, int index) {
  if (index >= 0 && index < KLX_UnitKindCount(kind) && index < kMaxUnits)
    m_Marks[static_cast<int>(kind)][index] = 1;
  return 1;
}

bool KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerIsMarked(KLX_UnitKind kind, int index) const {
  if (index < 0 || index >= kMaxUnits) return false;
  return m_Marks[static_cast<int>(kind)][index] != 0;
}

bool KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerTakeMark(KLX_UnitKind kind, int index) {
  if (index < 0 || index >= kMaxUnits) return false;
  return m_Marks[static_cast<int>(kind)][index].exchange(0) != 0;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetServoData(int servo) const {
  if (servo < 0 || servo >= 26) return 0;
  return m_ServoData[servo];
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerSetServoData(int servo, int value) {
  if (servo >= 0 && servo < 26) m_ServoData[servo] = value;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetVSOutputByVSId(int n) const {
  if (n < 0 || n >= kl_engine_cfg_count(EngineCfgVirtualSwitches)) return -2047;
  return kl_engine_get_virtual_switch_outputbySwitchID(static_cast<uint16_t>(n));
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetTelemetryControlOutput(int index,
                                                                                bool) const {
  if (index < 0 || index >= kl_engine_cfg_count(EngineCfgTelemetryControls)) return 0;
  return kl_engine_telecontrol_get_output_value(index);
}

CControl* KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetControl(int slot) {
  return (slot >= 0 && slot < kControlSlots) ? &m_Controls[slot] : nullptr;
}

CControl* KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetControlByID(unsigned short id) {
  for (CControl& c : m_Controls)
    if (c.ID() == id) return &c;
  return nullptr;
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManager_ResetInactivityTimer() {
  if (m_System) m_System->KLX_SystemResetInactivityTimer();
}
