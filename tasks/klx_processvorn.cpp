#include "tasks/klx_processvorn.h"

#include <QCoreApplication>
#include <QMutexLocker>

#include "frame/klx_errorhandler.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"

namespace {
constexpr unsigned kErrNotInitialized = 0x11901;
constexpr unsigned kErrNotRunning = 0x11902;
constexpr unsigned kErrUnknownState = 0x11906;
constexpr unsigned kErrRefused = 0x21903;
constexpr unsigned kErrUnknownTask = 0x21905;
constexpr unsigned kErrStepNotEnded = 0x21907;

struct TableRow {
  int task;
  int timeout;
  int repeat;
  const char* name;
};

// Every task id the engine knows, with its time-out, retries and the name
// the progress screens show; an id without a row is refused as unknown.
const TableRow kRows[] = {
    {KLX_VornTask::KLX_TASK_SYNC, 2000, 3, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "System synchronization")},
    {KLX_VornTask::KLX_TASK_MOD_LOAD, 15000, 3, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Loading model")},
    {KLX_VornTask::KLX_TASK_LOAD_UNIT, 5000, 3, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Loading unit")},
    {KLX_VornTask::KLX_TASK_DELETE_UNIT, 2000, 3, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Deleting unit")},
    {KLX_VornTask::KLX_TASK_BIND_CONFIG, 2000, 3,
     QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Sending binding configuration")},
    {KLX_VornTask::KLX_TASK_BINDING, 12000, 0, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Binding")},
    {KLX_VornTask::KLX_TASK_CALIBRATION, 60000, 0, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Calibrating controls")},
    {KLX_VornTask::KLX_TASK_MOD_NEW, 5000, 0, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Generating new model")},
    {KLX_VornTask::KLX_TASK_MOD_DELETE, 2000, 0, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Deleting model")},
    {KLX_VornTask::KLX_TASK_MOD_SYNC, 15000, 3, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Receiving modeldata")},
    {KLX_VornTask::KLX_TASK_MOD_RENAME, 2000, 0, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Renaming model")},
    {KLX_VornTask::KLX_TASK_UPDATE_FIRMWARE, 2000, 7, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Onboard firmware update")},
    {KLX_VornTask::KLX_TASK_UPDATE_CHECK_FIRMWARE, 900000, 0, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "System update")},
    {KLX_VornTask::KLX_TASK_MOD_COPY, 2000, 0, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Copy model")},
    {KLX_VornTask::KLX_TASK_CAPTURE_MENU_INFO, 5000, 3,
     QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Capture sensor menue data")},
    {KLX_VornTask::KLX_TASK_SET_MENU_DATA, 1000, 0, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Set sensor data")},
    {KLX_VornTask::KLX_TASK_SET_MENU_ADR, 3000, 0, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Set sensor mainadress")},
    {KLX_VornTask::KLX_TASK_COPY_MOD_EXTERNAL, 60000, 0,
     QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Copy model data to external device")},
    {KLX_VornTask::KLX_TASK_GET_MENU_DATA_CONT, 2000, 0,
     QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Read menu data continiously")},
    {KLX_VornTask::KLX_TASK_UPDATE_FW_ONBOARD, 2000, 7, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Onboard firmware update")},
    {KLX_VornTask::KLX_TASK_CAPTURE_TELEINFO, 3000, 1, QT_TRANSLATE_NOOP("KLX_ProcessVorn", "Capture telemetrie data")},
};

bool IsMenuWork(int task) {
  switch (task) {
    case KLX_VornTask::KLX_TASK_GET_MENU_DATA_CONT:
    case KLX_VornTask::KLX_TASK_SET_MENU_DATA:
    case KLX_VornTask::KLX_TASK_CAPTURE_MENU_INFO:
    case KLX_VornTask::KLX_TASK_SET_MENU_ADR:
    case KLX_VornTask::KLX_TASK_UPDATE_FIRMWARE:
      return true;
    default:
      return false;
  }
}

bool IsTaskIndex(int index) { return index >= 1 && index < KLX_ProcessVorn::kTableSize; }
}  // namespace

KLX_ProcessVorn::KLX_ProcessVorn(QObject* parent)
    : CNoDebugBase<QThread>(parent), KLX_BaseClassThread("ProcessVorn", false) {
  KLX_ProcessVornInitOwnMembers();
}

KLX_ProcessVorn::~KLX_ProcessVorn() {
  if (isRunning()) KLX_ProcessVornStop();
  // Destroying a running thread ends the process: wait for it, however long.
  wait();
}

void KLX_ProcessVorn::KLX_ProcessVornInitOwnMembers() {
  for (Entry& e : m_Table) e = Entry();
  m_WaitMs = kIdleWaitMs;
  m_State = StateConstructed;
}

void KLX_ProcessVorn::FillTable() {
  for (Entry& e : m_Table) e = Entry();
  m_Table[0].timeout = 0;
  for (const TableRow& row : kRows) {
    Entry& e = m_Table[row.task];
    e.task = row.task;
    e.timeout = row.timeout;
    e.repeat = row.repeat;
  }
  for (int task = 0; task < kTableSize; ++task) m_Table[task].object = OwnObject(task);
  for (const TableRow& row : kRows) NameObject(row.task);
}

void KLX_ProcessVorn::NameObject(int task) {
  for (const TableRow& row : kRows)
    if (row.task == task && m_Table[task].object)
      m_Table[task].object->KLX_VornBaseSetTaskName(QCoreApplication::translate("KLX_ProcessVorn", row.name));
}

KLX_VornBase* KLX_ProcessVorn::OwnObject(int task) {
  switch (task) {
    case KLX_VornTask::KLX_TASK_SYNC: return &m_Sync;
    case KLX_VornTask::KLX_TASK_MOD_LOAD: return &m_ModelLoader;
    case KLX_VornTask::KLX_TASK_LOAD_UNIT: return &m_UnitLoader;
    case KLX_VornTask::KLX_TASK_DELETE_UNIT: return &m_UnitDeleter;
    case KLX_VornTask::KLX_TASK_BIND_CONFIG: return &m_BindingConfiguration;
    case KLX_VornTask::KLX_TASK_BINDING: return &m_Binding;
    case KLX_VornTask::KLX_TASK_CALIBRATION: return &m_Calibration;
    case KLX_VornTask::KLX_TASK_MOD_NEW: return &m_ModelNew;
    case KLX_VornTask::KLX_TASK_MOD_SYNC: return &m_ModelReceiver;
    case KLX_VornTask::KLX_TASK_UPDATE_FIRMWARE:
    case KLX_VornTask::KLX_TASK_UPDATE_FW_ONBOARD: return &m_FirmwareUpdate;
    case KLX_VornTask::KLX_TASK_UPDATE_CHECK_FIRMWARE: return &m_PackageUpdate;
    case KLX_VornTask::KLX_TASK_CAPTURE_TELEINFO: return &m_CaptureTeleInfo;
    case KLX_VornTask::KLX_TASK_CAPTURE_MENU_INFO: return &m_CaptureMenuData;
    case KLX_VornTask::KLX_TASK_SET_MENU_DATA: return &m_SetMenuData;
    case KLX_VornTask::KLX_TASK_GET_MENU_DATA_CONT: return &m_CaptMenCont;
    case KLX_VornTask::KLX_TASK_SET_MENU_ADR: return &m_SetSensorAdress;
    case KLX_VornTask::KLX_TASK_MOD_DELETE: return &m_ModelDelete;
    case KLX_VornTask::KLX_TASK_MOD_RENAME: return &m_ModelRename;
    case KLX_VornTask::KLX_TASK_MOD_COPY: return &m_ModelCopy;
    case KLX_VornTask::KLX_TASK_COPY_MOD_EXTERNAL: return &m_CopyModelData;
    default: return nullptr;
  }
}

void KLX_ProcessVorn::KLX_ProcessVornSetTaskObject(int task, KLX_VornBase* object) {
  if (!IsTaskIndex(task) || m_Table[task].task != task) return;
  // Null gives the entry its own object back.
  m_Table[task].object = object ? object : OwnObject(task);
  // The progress read-outs show the entry's name, whichever object serves it.
  NameObject(task);
}

int KLX_ProcessVorn::KLX_ProcessVornInitialize(KLX_DataBaseManager* db, KLX_Protocol* protocol,
                                               KLX_VornHandler* handler, KLX_RuntimeDatabaseManager* runtime) {
  clear_queues(true);
  if (!db || !protocol || !handler || !runtime) return KLX_Error;
  m_Db = db;
  m_Protocol = protocol;
  m_Handler = handler;
  m_Runtime = runtime;
  m_Initialized = true;
  set_to_idle_state();
  m_Repeat = Task_Data_T();
  m_Repeat.task = KLX_VornTask::KLX_TASK_NONE;
  m_Repeat.timeout = m_Repeat.repeat = m_Repeat.requeueDelay = 0;
  m_RepeatTask = 0;
  m_RepeatIdle = 0;
  m_NoRepeats = false;
  FillTable();
  return KLX_Ok;
}

int KLX_ProcessVorn::KLX_ProcessVornStart() {
  if (m_Initialized) {
    // Set before the thread runs, so an early stop is never overwritten.
    m_Running = true;
    if (KLX_ThreadControl::Start(this)) return KLX_Ok;
    m_Running = false;
  }
  KLXErrorHandler.RegisterError(kErrNotRunning, QStringLiteral("process vorn thread not running"));
  return KLX_Error;
}

int KLX_ProcessVorn::KLX_ProcessVornStop() {
  Log("stop...");
  m_Running = false;
  Wake();
  if (isRunning() && QThread::currentThread() != this) wait(kStopWaitMs);
  // A task cut off by the stop ends here: a model load's file reader fills
  // the stores beside it, and the database frees them after the engine.
  if (!isRunning() && m_State == StateBusy) processEndOfTask();
  clear_queues(true);
  Log("stoped");
  return KLX_Ok;
}

bool KLX_ProcessVorn::KLX_ProcessVornStopProcessing() {
  KLX_BaseClassThreadStopProcessing();
  // An application install takes no further step: the pass ends soon.
  m_PackageUpdate.KLX_UpdateStopInstall();
  if (QThread::currentThread() == this) return true;
  // A task's step holds the thread mutex for the whole pass; one that is
  // under way may still send, so the caller waits for its end, as long as
  // for any thread's stop.
  KLX_Clock* clock = m_Clock;
  const qint64 end = clock->KLX_ClockNowMs() + kStopWaitMs;
  QMutexLocker lock(&m_PassEndMutex);
  while (!m_ThreadMutex.tryLock()) {
    const qint64 left = end - clock->KLX_ClockNowMs();
    if (left <= 0) {
      KLXErrorHandler.RegisterError(kErrStepNotEnded,
                                    QStringLiteral("the task engine's step did not end within %1 ms").arg(kStopWaitMs));
      return false;
    }
    clock->KLX_ClockWait(m_PassEnd, m_PassEndMutex, static_cast<unsigned long>(left));
  }
  m_ThreadMutex.unlock();
  return true;
}

void KLX_ProcessVorn::PassEnded() {
  QMutexLocker lock(&m_PassEndMutex);
  m_Clock.load()->KLX_ClockWake(m_PassEnd);
}

void KLX_ProcessVorn::KLX_ProcessVornStopRepeating() {
  m_NoRepeats = true;
  // The put-back record belongs to the engine thread between its passes.
  const bool other = QThread::currentThread() != this;
  if (other) m_ThreadMutex.lock();
  const int task = m_Repeat.task;
  if (task != KLX_VornTask::KLX_TASK_NONE) {
    // A copy queued again but not yet taken goes too.
    QMutexLocker lock(&m_TaskMutex);
    for (int i = m_Tasks.size() - 1; i >= 0; --i)
      if (m_Tasks.at(i).task == task) m_Tasks.removeAt(i);
  }
  DropRepeat();
  if (other) m_ThreadMutex.unlock();
}

void KLX_ProcessVorn::DropRepeat() {
  const int task = m_Repeat.task;
  if (IsTaskIndex(task) && m_Table[task].object && m_Db) m_Table[task].object->KLX_VornBaseRepeatDropped(m_Db);
  m_Repeat.task = KLX_VornTask::KLX_TASK_NONE;
  m_RepeatTask = 0;
  m_RepeatIdle = 0;
}

void KLX_ProcessVorn::run() {
  if (!m_Initialized) {
    KLXErrorHandler.RegisterError(kErrNotInitialized, QStringLiteral("did not call KLX_ProcessVornInitialize()"));
    return;
  }
  qInfo("  ->   starting KLX_ProcessVorn thread");
  KLX_ThreadControl::Entered();
  while (m_Running) {
    Log("pause");
    {
      // A queue operation between two passes is kept as pending, so its
      // wake-up is never lost while a step runs.
      QMutexLocker lock(&m_WakeMutex);
      if (!m_WakePending && m_Running) m_Clock.load()->KLX_ClockWait(m_Wake, m_WakeMutex, unsigned(m_WaitMs));
      m_WakePending = false;
    }
    Log("resume");
    const bool going = Pass();
    // A stop waiting for the pass's end goes on.
    PassEnded();
    if (!going) break;
  }
  Log("exit");
  qInfo("  ->   exit KLX_ProcessVorn thread");
}

bool KLX_ProcessVorn::Pass() {
  QMutexLocker lock(&m_ThreadMutex);
  if (!m_Running) return false;
  if (KLX_BaseClassThreadIsProcessing()) {
    Log("run 1");
    m_Critical.KLX_Critical_Enter();
    KLX_ProcessVornRun();
    m_Critical.KLX_Critical_Leave();
    // One record per pass: a record that came with the one just handled
    // gets the next pass at once, not after a wait.
    if (m_State == StateBusy && RecordsWaiting()) {
      QMutexLocker wake(&m_WakeMutex);
      m_WakePending = true;
    }
  }
  if (m_Db) {
    Log("run 2");
    m_Db->ModelRuntimeRun();
  }
  return true;
}

bool KLX_ProcessVorn::RecordsWaiting() {
  for (auto [mutex, queue] : {std::make_pair(&m_SelfMutex, &m_Self), std::make_pair(&m_ResponseMutex, &m_Responses),
                              std::make_pair(&m_ProtocolMutex, &m_ProtocolUpdates),
                              std::make_pair(&m_UpdateMutex, &m_Updates)}) {
    QMutexLocker lock(mutex);
    if (!queue->isEmpty()) return true;
  }
  return false;
}

void KLX_ProcessVorn::Wake() {
  {
    QMutexLocker lock(&m_WakeMutex);
    m_WakePending = true;
  }
  // After the lock is given back: the thread would otherwise wake only to
  // wait for it.
  m_Clock.load()->KLX_ClockWake(m_Wake);
}

// ---- queues -------------------------------------------------------------------------------

int KLX_ProcessVorn::KLX_ProcessVornQueueTask(const Task_Data_T& task) {
  if (!m_Initialized) return KLX_Error;
  {
    QMutexLocker lock(&m_TaskMutex);
    m_Tasks.enqueue(task);
  }
  Wake();
  return KLX_Ok;
}

int KLX_ProcessVorn::Queue(QMutex* mutex, QQueue<TaskUpdate_Data_T>* queue, const TaskUpdate_Data_T& update) {
  if (!m_Initialized) return KLX_Error;
  {
    QMutexLocker lock(mutex);
    queue->enqueue(update);
  }
  Wake();
  return KLX_Ok;
}

bool KLX_ProcessVorn::Take(QMutex* mutex, QQueue<TaskUpdate_Data_T>* queue, TaskUpdate_Data_T* update) {
  QMutexLocker lock(mutex);
  if (queue->isEmpty()) return false;
  *update = queue->dequeue();
  return true;
}

int KLX_ProcessVorn::KLX_ProcessVornResponseTask(const TaskUpdate_Data_T& update) {
  return Queue(&m_ResponseMutex, &m_Responses, update);
}

int KLX_ProcessVorn::KLX_ProcessVornUpdateTask(const TaskUpdate_Data_T& update) {
  return Queue(&m_UpdateMutex, &m_Updates, update);
}

int KLX_ProcessVorn::KLX_ProcessVornSelfTask(const TaskUpdate_Data_T& update) {
  return Queue(&m_SelfMutex, &m_Self, update);
}

void KLX_ProcessVorn::KLX_ProcessVornProtocolTask() {
  TaskUpdate_Data_T sent;
  sent.para = 0;
  sent.updateKind = KLX_UPDATE_KIND_LONG_SENT;
  Queue(&m_ProtocolMutex, &m_ProtocolUpdates, sent);
}

bool KLX_ProcessVorn::KLX_ProcessVornTakeTask(Task_Data_T* task) {
  QMutexLocker lock(&m_TaskMutex);
  if (m_Tasks.isEmpty()) return false;
  *task = m_Tasks.dequeue();
  return true;
}

bool KLX_ProcessVorn::KLX_ProcessVornTakeUpdate(TaskUpdate_Data_T* update) {
  return Take(&m_UpdateMutex, &m_Updates, update);
}

bool KLX_ProcessVorn::KLX_ProcessVornTakeResponse(TaskUpdate_Data_T* update) {
  return Take(&m_ResponseMutex, &m_Responses, update);
}

bool KLX_ProcessVorn::KLX_ProcessVornTakeProtocolUpdate(TaskUpdate_Data_T* update) {
  return Take(&m_ProtocolMutex, &m_ProtocolUpdates, update);
}

void KLX_ProcessVorn::clear_queues(bool all) {
  if (all) {
    QMutexLocker lock(&m_TaskMutex);
    m_Tasks.clear();
  }
  {
    QMutexLocker lock(&m_ResponseMutex);
    m_Responses.clear();
  }
  {
    QMutexLocker lock(&m_UpdateMutex);
    m_Updates.clear();
  }
  {
    QMutexLocker lock(&m_SelfMutex);
    m_Self.clear();
  }
  protocolqueue_clear();
}

void KLX_ProcessVorn::protocolqueue_clear() {
  QMutexLocker lock(&m_ProtocolMutex);
  m_ProtocolUpdates.clear();
}

// ---- look-ups -------------------------------------------------------------------------------

void KLX_ProcessVorn::KLX_ProcessVornGetTimeoutAndRepeat(int task, int* timeout, int* repeat) const {
  if (!timeout || !repeat) return;
  *timeout = KLX_VornBase::kDefaultTimeoutMs;
  *repeat = 0;
  if (!m_Initialized) return;
  for (const Entry& e : m_Table) {
    if (e.task != task) continue;
    *timeout = e.timeout;
    *repeat = e.repeat;
  }
}

KLX_VornBase* KLX_ProcessVorn::CurrentObject() const {
  const int index = m_CurrentIndex;
  return index >= 0 && index < kTableSize ? m_Table[index].object : nullptr;
}

int KLX_ProcessVorn::KLX_ProcessVornGetTaskProgressRate(bool overall) const {
  if (KLX_VornBase* object = CurrentObject()) return object->KLX_VornBaseGetPercentRate(overall);
  qInfo("KLX_ProcessVornGetTaskProgressRate: ERROR!");
  return 0;
}

bool KLX_ProcessVorn::KLX_ProcessVornCheckMenuDataWorkNow() const {
  if (IsMenuWork(m_RepeatTask) || IsMenuWork(m_CurrentTask)) return true;
  // A request that waits for its turn counts as well: a rescan between its
  // queueing and its start would clear what it is about to read.
  QMutexLocker lock(&m_TaskMutex);
  for (const Task_Data_T& task : m_Tasks)
    if (IsMenuWork(task.task)) return true;
  return false;
}

// ---- the steps ------------------------------------------------------------------------------

void KLX_ProcessVorn::set_to_idle_state() {
  m_WaitMs = kIdleWaitMs;
  m_State = StateIdle;
  m_Elapsed = 0;
  m_CurrentIndex = 0;
}

void KLX_ProcessVorn::KLX_ProcessVornRun() {
  switch (m_State) {
    case StateIdle: {
      if (m_Repeat.task != KLX_VornTask::KLX_TASK_NONE) m_RepeatIdle += m_WaitMs;
      bool empty;
      {
        QMutexLocker lock(&m_TaskMutex);
        empty = m_Tasks.isEmpty();
        if (empty && m_Repeat.task != KLX_VornTask::KLX_TASK_NONE && m_RepeatIdle >= m_Repeat.requeueDelay) {
          m_Tasks.enqueue(m_Repeat);
          m_RepeatIdle = 0;
        }
      }
      if (empty) {
        set_to_idle_state();
        return;
      }
      m_RepeatIdle = 0;
      if (KLX_ProcessVornNextTaskHandler() == 0) {
        m_Elapsed = 0;
        m_WaitMs = kBusyWaitMs;
        m_State = StateBusy;
        KLX_ProcessVornSetGlobalPercentage();
      } else if (IsTaskIndex(m_CurrentIndex)) {
        processEndOfTask();
      }
      return;
    }
    case StateBusy:
      m_Elapsed += m_WaitMs;
      if (BusyStep() == 0) {
        KLX_ProcessVornSetGlobalPercentage();
        m_WaitMs = kBusyWaitMs;
      } else {
        processEndOfTask();
      }
      return;
    default:
      set_to_idle_state();
      KLXErrorHandler.RegisterError(kErrUnknownState, QStringLiteral("unknown state in vornhandler"));
      return;
  }
}

int KLX_ProcessVorn::KLX_ProcessVornNextTaskHandler() {
  Task_Data_T record;
  {
    QMutexLocker lock(&m_TaskMutex);
    if (m_Tasks.isEmpty()) return 1;
    record = m_Tasks.dequeue();
  }
  int index = kTableSize;
  for (int i = 0; i < kTableSize; ++i) {
    if (m_Table[i].task == record.task) {
      index = i;
      break;
    }
  }
  m_CurrentIndex = index;
  clear_queues(false);
  if (!IsTaskIndex(index) || !m_Table[index].object) {
    m_CurrentIndex = kTableSize;
    KLXErrorHandler.RegisterError(kErrUnknownTask, QStringLiteral("unknown task in processorevorn: %1").arg(record.task));
    return 1;
  }
  KLX_VornBase* task = m_Table[index].object;
  m_Handler->KLX_VornHandlerEmitTaskStatus(true);
  m_Current = record;
  m_CurrentTask = record.task;
  if (m_Handler->KLX_VornHandlerRequestTask(record.task) != KLX_Ok) {
    KLXErrorHandler.RegisterError(kErrRefused,
                                  QStringLiteral("queuing task in this state is not possible, task: %1").arg(record.task));
    return 1;
  }
  task->KLX_VornBaseSetTimeout(record.timeout);
  if (record.task == KLX_VornTask::KLX_TASK_UPDATE_CHECK_FIRMWARE) task->KLX_VornBaseSetObjectPointer(&m_HttpReq);
  if (task->KLX_VornBaseInit(m_Db, m_Protocol, m_Handler, m_Runtime) != KLX_Ok) {
    qInfo("%s", "");
    qInfo("vorn: task %d cannot be started", index);
    // The task was admitted: the handler hears that it failed, so that the
    // state machine does not stay busy with a task that never ran.
    m_Handler->KLX_VornHandlerSetResultTask(KLX_Error, record.task, record.source);
    return 1;
  }
  if (record.task == KLX_VornTask::KLX_TASK_UPDATE_FIRMWARE || record.task == KLX_VornTask::KLX_TASK_SYNC) DropRepeat();
  return KLX_ProcessVornSetResultGetEndFlag(task->KLX_VornBaseStartTask(m_Current));
}

int KLX_ProcessVorn::BusyStep() {
  KLX_VornBase* task = CurrentObject();
  if (!task) return 1;
  TaskUpdate_Data_T update;
  bool have = Take(&m_SelfMutex, &m_Self, &update);
  if (!have && Take(&m_ResponseMutex, &m_Responses, &update)) {
    // A response makes a long-message-sent notice before it stale.
    protocolqueue_clear();
    have = true;
  }
  if (!have) have = Take(&m_ProtocolMutex, &m_ProtocolUpdates, &update);
  if (!have) have = Take(&m_UpdateMutex, &m_Updates, &update);
  if (have) {
    const int result = task->KLX_VornBaseUpdateRunningTask(update, &m_Elapsed);
    m_Elapsed = 0;
    return KLX_ProcessVornSetResultGetEndFlag(result);
  }
  if (m_Elapsed < task->KLX_VornBaseGetTimeout()) return 0;
  const int result = task->KLX_VornBaseTimeout();
  m_Elapsed = 0;
  return KLX_ProcessVornSetResultGetEndFlag(result);
}

int KLX_ProcessVorn::KLX_ProcessVornSetResultGetEndFlag(int result) {
  const int index = m_CurrentIndex;
  int passed = result;
  bool ended = true;
  const KLX_TaskEnd end = KLX_TaskResultEnd(result);
  switch (end) {
    case KLX_TaskEnd::Done:
      qInfo("vorn: task ended: %d result=%d", index, result);
      break;
    case KLX_TaskEnd::Failed:
      qInfo("vorn: task %d error: %d", index, result);
      qInfo(" ");
      break;
    case KLX_TaskEnd::TimedOut:
      qInfo("vorn: task timeout: %d, %dms", index, m_Elapsed);
      break;
    case KLX_TaskEnd::PutBack:
      if (index == KLX_VornTask::KLX_TASK_CAPTURE_TELEINFO) m_Current.paraint6 = KLX_VornTask::KLX_TASK_PARA_NONE;
      m_Repeat = m_Current;
      m_RepeatTask = m_Repeat.task;
      passed = KLX_Done;
      if (m_NoRepeats) DropRepeat();
      break;
    case KLX_TaskEnd::Running:
      ended = false;
      break;
  }
  const int source = m_Current.source;
  if (ended) {
    if (end != KLX_TaskEnd::PutBack && m_Repeat.task == m_Current.task) {
      m_Repeat.task = KLX_VornTask::KLX_TASK_NONE;
      m_RepeatTask = 0;
    }
    m_Current.task = KLX_VornTask::KLX_TASK_NONE;
    m_CurrentTask = 0;
    m_RepeatIdle = 0;
  }
  m_Handler->KLX_VornHandlerEmitTaskStatus(!ended);
  m_Handler->KLX_VornHandlerSetResultTask(passed, IsTaskIndex(index) ? m_Table[index].task : 0, source);
  return ended ? 1 : 0;
}

void KLX_ProcessVorn::processEndOfTask() {
  if (KLX_VornBase* task = CurrentObject()) {
    task->KLX_VornBaseSetPercent(-1, -1, 0);
    KLX_ProcessVornSetGlobalPercentage();
    task->KLX_VornBaseCleanUp();
  }
  // A task that could not start leaves no record behind.
  m_Current.task = KLX_VornTask::KLX_TASK_NONE;
  m_CurrentTask = 0;
  set_to_idle_state();
}

void KLX_ProcessVorn::KLX_ProcessVornSetGlobalPercentage() {
  KLX_VornBase* task = CurrentObject();
  if (!m_Runtime || !IsTaskIndex(m_CurrentIndex) || !task) return;
  int overall = -1;
  int detail = -1;
  task->KLX_VornBaseGetPercent(&overall, &detail);
  m_Runtime->KLX_RuntimeDatabaseManagerGetSetOverallPercent(overall, AtomicDirSet);
  m_Runtime->KLX_RuntimeDatabaseManagerGetSetDetailPercent(detail, AtomicDirSet);
  m_Runtime->KLX_RuntimeDatabaseManagerGetSetPercentName(task->KLX_VornBaseGetTaskName(), AtomicDirSet);
  m_Runtime->KLX_RuntimeDatabaseManagerGetSetDetailName(task->KLX_VornBaseGetDetailName(), AtomicDirSet);
}
