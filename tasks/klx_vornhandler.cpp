#include "tasks/klx_vornhandler.h"

#include "model/klx_databasemanager.h"

namespace {
constexpr int kPhaseNone = 0;
constexpr int kPhaseSynchronisation = 1;
}  // namespace

int KLX_VornHandler::KLX_VornHandlerInitialize(KLX_DataBaseManager* db, KLX_Protocol* protocol,
                                               KLX_GuiCommandHandler* gui,
                                               KLX_RuntimeDatabaseManager* runtime) {
  if (!db || !protocol || !gui || !runtime) return -70000;
  m_Db = db;
  m_Initialized = true;
  return 1;
}

int KLX_VornHandler::KLX_VornHandlerStartVorn() {
  if (!m_Db || m_Db->KLX_DataBaseManagerGetSetStartupPhases(0, 1) != kPhaseNone) return -70000;
  m_Db->KLX_DataBaseManagerGetSetStartupPhases(kPhaseSynchronisation, 0);
  Task_Data_T sync;
  sync.task = KLX_TASK_SYNCHRONISATION;
  sync.timeout = 2000;
  sync.retries = 3;
  sync.source = KLX_TASK_SOURCE_SYSTEM;
  return KLX_VornHandlerQueueProcessTask(sync);
}

int KLX_VornHandler::KLX_VornHandlerQueueProcessTask(const Task_Data_T& task) {
  QMutexLocker lock(&m_QueueMutex);
  m_Queue.enqueue(task);
  return 1;
}

bool KLX_VornHandler::KLX_VornHandlerTakeTask(Task_Data_T* task) {
  QMutexLocker lock(&m_QueueMutex);
  if (m_Queue.isEmpty()) return false;
  *task = m_Queue.dequeue();
  return true;
}
