#include "tasks/klx_runtimedatabasemanager.h"

#include "frame/klx_errorhandler.h"

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerStartProcessing(bool) {
  if (m_Processing.exchange(true)) return;
  KLXErrorHandler.RegisterError(211201, "Runtime DB processing started");
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerStopProcessing() {
  if (!m_Processing.exchange(false)) return;
  KLXErrorHandler.RegisterError(211202, "Runtime DB processing stopped");
}
