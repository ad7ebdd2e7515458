#include "tasks/klx_vornhandler.h"

#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr int kPhaseNone = 0;
constexpr int kPhaseSynchronisation = 1;
}  // namespace

int KLX_VornHandler::KLX_VornHandlerInitialize(KLX_DataBaseManager* db, KLX_Protocol* protocol,
                                               KLX_GuiCommandHandler* gui,
                                               KLX_RuntimeDatabaseManager* runtime) {
  if (!db || !protocol || !gui || !runtime) return KLX_Error;
  m_Db = db;
  m_Initialized = true;
  return KLX_Ok;
}

int KLX_VornHandler::KLX_VornHandlerStartVorn() {
  if (!m_Db || m_Db->KLX_DataBaseManagerGetSetStartupPhases(0, 1) != kPhaseNone) return KLX_Error;
  m_Db->KLX_DataBaseManagerGetSetStartupPhases(kPhaseSynchronisation, 0);
  Task_Data_T sync;
  sync.task = KLX_TASK_SYNC;
  sync.timeout = 2000;
  sync.retries = 3;
  sync.source = KLX_TASK_SOURCE_SYSTEM;
  return KLX_VornHandlerQueueProcessTask(sync);
}

int KLX_VornHandler::KLX_VornHandlerQueueProcessTask(const Task_Data_T& task) {
  QMutexLocker lock(&m_QueueMutex);
  m_Queue.enqueue(task);
  return KLX_Ok;
}

bool KLX_VornHandler::KLX_VornHandlerTakeTask(Task_Data_T* task) {
  QMutexLocker lock(&m_QueueMutex);
  if (m_Queue.isEmpty()) return false;
  *task = m_Queue.dequeue();
  return true;
}

namespace {
// Until the task engine takes them, answers wait here; a bounded queue keeps
// a chatty controller from growing it without end.
constexpr int kMaxQueuedUpdates = 256;

int PutInto(QMutex* mutex, QQueue<TaskUpdate_Data_T>* queue, const TaskUpdate_Data_T& update) {
  QMutexLocker lock(mutex);
  if (queue->size() >= kMaxQueuedUpdates) return KLX_Error;
  queue->enqueue(update);
  return KLX_Ok;
}

bool TakeFrom(QMutex* mutex, QQueue<TaskUpdate_Data_T>* queue, TaskUpdate_Data_T* update) {
  QMutexLocker lock(mutex);
  if (queue->isEmpty()) return false;
  *update = queue->dequeue();
  return true;
}
}  // namespace

int KLX_VornHandler::KLX_VornHandlerUpdateProcessTask(const TaskUpdate_Data_T& update) {
  return PutInto(&m_UpdateMutex, &m_Updates, update);
}

int KLX_VornHandler::KLX_VornHandlerResponseProcessTask(const TaskUpdate_Data_T& update) {
  return PutInto(&m_ResponseMutex, &m_Responses, update);
}

void KLX_VornHandler::KLX_ProtocolBaseCallback() {
  TaskUpdate_Data_T sent;
  sent.para = 0;
  sent.updateKind = KLX_UPDATE_KIND_LONG_SENT;
  PutInto(&m_ProtocolMutex, &m_ProtocolUpdates, sent);
}

bool KLX_VornHandler::KLX_VornHandlerTakeUpdate(TaskUpdate_Data_T* update) {
  return TakeFrom(&m_UpdateMutex, &m_Updates, update);
}

bool KLX_VornHandler::KLX_VornHandlerTakeResponse(TaskUpdate_Data_T* update) {
  return TakeFrom(&m_ResponseMutex, &m_Responses, update);
}

bool KLX_VornHandler::KLX_VornHandlerTakeProtocolUpdate(TaskUpdate_Data_T* update) {
  return TakeFrom(&m_ProtocolMutex, &m_ProtocolUpdates, update);
}
