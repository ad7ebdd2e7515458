#include "tasks/klx_guicommander.h"

#include <QMutexLocker>

#include "frame/klx_errorhandler.h"
#include "tasks/klx_guicommandhandler.h"
#include "tasks/klx_vornhandler.h"

namespace {
constexpr unsigned kErrNotInitialized = 0x12B01;
constexpr unsigned kErrNotRunning = 0x12B02;
constexpr unsigned kErrUnknownTask = 0x12B03;

bool IsTaskIndex(int index) { return index >= 1 && index < KLX_GUICommander::kTableSize; }
}  // namespace

KLX_GUICommander::KLX_GUICommander(QObject* parent)
    : CNoDebugBase<QThread>(parent), KLX_BaseClassThread("GUICommander", false) {}

KLX_GUICommander::~KLX_GUICommander() {
  if (isRunning()) KLX_GUICommanderStop();
  // Destroying a running thread ends the process: wait for it, however long.
  wait();
}

void KLX_GUICommander::FillTable() {
  struct Row {
    int task;
    KLX_BaseClassGuiCommand* command;
    int timeout;
    int repeat;
    int extra;
  };
  const Row rows[] = {
      {KLX_VornTask::KLX_TASK_MOD_LOAD, &m_Simple, 15000, 3, 0},
      {KLX_VornTask::KLX_TASK_LOAD_UNIT, &m_Simple, 5000, 3, 0},
      {KLX_VornTask::KLX_TASK_DELETE_UNIT, &m_Simple, 2000, 3, 0},
      {KLX_VornTask::KLX_TASK_BINDING, &m_Simple, 12000, 0, 0},
      {KLX_VornTask::KLX_TASK_CALIBRATION, &m_Calibration, 60000, 0, 0},
      {KLX_VornTask::KLX_TASK_MOD_NEW, &m_Simple, 5000, 0, 0},
      {KLX_VornTask::KLX_TASK_MOD_DELETE, &m_Simple, 2000, 0, 0},
      {KLX_VornTask::KLX_TASK_MOD_RENAME, &m_Simple, 2000, 0, 0},
      {KLX_VornTask::KLX_TASK_UPDATE_CHECK_FIRMWARE, &m_CopyModel, 900000, 0, 0},
      {KLX_VornTask::KLX_TASK_MOD_COPY, &m_Simple, 2000, 0, 0},
      {KLX_VornTask::KLX_TASK_CAPTURE_MENU_INFO, &m_Simple, 5000, 3, 0},
      {KLX_VornTask::KLX_TASK_SET_MENU_DATA, &m_Simple, 1000, 0, 0},
      {KLX_VornTask::KLX_TASK_SET_MENU_ADR, &m_Simple, 3000, 0, 0},
      {KLX_VornTask::KLX_TASK_COPY_MOD_EXTERNAL, &m_CopyModel, 60000, 0, 0},
      {KLX_VornTask::KLX_TASK_CAPTURE_TELEINFO, &m_Simple, 3000, 1, 5000},
  };
  for (Entry& e : m_Table) e = Entry();
  for (const Row& r : rows) m_Table[r.task] = Entry{r.command, r.task, r.timeout, r.repeat, r.extra};
}

int KLX_GUICommander::KLX_GUICommanderInitialize(KLX_DataBaseManager* db, KLX_VornHandler* handler,
                                                 KLX_GuiCommandHandler* gui) {
  {
    QMutexLocker lock(&m_TaskMutex);
    m_Tasks.clear();
  }
  {
    QMutexLocker lock(&m_UpdateMutex);
    m_Updates.clear();
  }
  if (!db || !handler || !gui) return KLX_Error;
  m_Db = db;
  m_Handler = handler;
  m_Gui = gui;
  m_CurrentIndex = 0;
  m_Elapsed = 0;
  m_WaitMs = kIdleWaitMs;
  FillTable();
  m_State = StateIdle;
  m_Initialized = true;
  return KLX_Ok;
}

int KLX_GUICommander::KLX_GUICommanderStart() {
  if (m_Initialized) {
    m_Running = true;
    if (KLX_ThreadControl::Start(this)) return KLX_Ok;
    m_Running = false;
  }
  KLXErrorHandler.RegisterError(kErrNotRunning, QStringLiteral("gui commander thread not running"));
  return KLX_Error;
}

int KLX_GUICommander::KLX_GUICommanderStop() {
  m_Running = false;
  {
    QMutexLocker lock(&m_LoopMutex);
    m_Clock.load()->KLX_ClockWake(m_Wake);
  }
  if (isRunning() && QThread::currentThread() != this) wait(3000);
  {
    QMutexLocker lock(&m_UpdateMutex);
    m_Updates.clear();
  }
  QMutexLocker lock(&m_TaskMutex);
  m_Tasks.clear();
  return KLX_Ok;
}

int KLX_GUICommander::KLX_GUICommanderQueueTask(const Task_Data_T& task) {
  if (!m_Initialized) return KLX_Error;
  QMutexLocker lock(&m_TaskMutex);
  m_Tasks.enqueue(task);
  return KLX_Ok;
}

int KLX_GUICommander::KLX_GUICommanderUpdateTask(const TaskUpdate_Data_T& update) {
  if (!m_Initialized) return KLX_Error;
  QMutexLocker lock(&m_UpdateMutex);
  m_Updates.enqueue(update);
  return KLX_Ok;
}

int KLX_GUICommander::KLX_GUIUpdateQueueLength() const {
  QMutexLocker lock(&m_UpdateMutex);
  return m_Updates.size();
}

bool KLX_GUICommander::KLX_GUICommanderTakeUpdate(TaskUpdate_Data_T* update) {
  QMutexLocker lock(&m_UpdateMutex);
  if (m_Updates.isEmpty()) return false;
  *update = m_Updates.dequeue();
  return true;
}

void KLX_GUICommander::KLX_GUICommanderGetTimeoutAndRepeat(int task, int* timeout, int* repeat, int* extra) const {
  if (!timeout || !repeat || !extra) return;
  *timeout = kDefaultTimeoutMs;
  *repeat = 0;
  *extra = 0;
  if (!m_Initialized) return;
  for (const Entry& e : m_Table) {
    if (e.task != task) continue;
    *timeout = e.timeout;
    *repeat = e.repeat;
    *extra = e.extra;
  }
}

void KLX_GUICommander::run() {
  if (!m_Initialized) {
    KLXErrorHandler.RegisterError(kErrNotInitialized, QStringLiteral("did not call KLX_GUICommanderInitialize()"));
    return;
  }
  qInfo("  ->   starting KLX_GUICommander thread");
  KLX_ThreadControl::Entered();
  while (m_Running) {
    Log("pause");
    QMutexLocker lock(&m_LoopMutex);
    if (!m_Running) break;
    m_Clock.load()->KLX_ClockWait(m_Wake, m_LoopMutex, unsigned(m_WaitMs));
    Log("resume");
    if (m_Running && KLX_BaseClassThreadIsProcessing()) {
      Log("run...");
      KLX_GUICommanderRun();
    }
  }
  Log("exit");
  qInfo("  ->   exit KLX_GUICommander thread");
}

KLX_BaseClassGuiCommand* KLX_GUICommander::Command() const {
  return IsTaskIndex(m_CurrentIndex) ? m_Table[m_CurrentIndex].command : nullptr;
}

void KLX_GUICommander::SetIdle() {
  m_WaitMs = kIdleWaitMs;
  m_CurrentIndex = 0;
  m_Elapsed = 0;
  m_CurrentTimeout = 0;
  m_State = StateIdle;
}

void KLX_GUICommander::KLX_GUICommanderRun() {
  if (m_State == StateIdle) {
    bool empty;
    {
      QMutexLocker lock(&m_TaskMutex);
      empty = m_Tasks.isEmpty();
    }
    if (empty) {
      SetIdle();
      return;
    }
    if (!KLX_GUICommanderNextTaskHandler()) {
      m_Elapsed = 0;
      m_WaitMs = kBusyWaitMs;
      m_State = StateBusy;
      return;
    }
    if (KLX_BaseClassGuiCommand* command = Command()) command->KLX_GuiCmdBaseCleanUp();
    SetIdle();
    return;
  }
  if (m_State != StateBusy) return;
  KLX_BaseClassGuiCommand* command = Command();
  if (!command) {
    SetIdle();
    return;
  }
  m_Elapsed += kBusyWaitMs;
  TaskUpdate_Data_T update;
  bool have = false;
  {
    QMutexLocker lock(&m_UpdateMutex);
    if (!m_Updates.isEmpty()) {
      update = m_Updates.dequeue();
      have = true;
    }
  }
  bool ended;
  if (have) {
    const int result = command->KLX_GuiCmdBaseUpdateRunningTask(update);
    m_Elapsed = 0;
    ended = KLX_GUICommanderSetResultGetEndFlag(result);
  } else if (m_Elapsed < command->KLX_GuiCmdGetTimeout()) {
    ended = KLX_GUICommanderSetResultGetEndFlag(KLX_Ok);
  } else if (m_Handler->KLX_VornHandlerGetTaskProgressRate(false) == 0 ||
             command->KLX_GuiCmdGetTimeout() >= kLongestTimeoutMs) {
    const int result = command->KLX_GuiCmdBaseTimeout();
    ended = KLX_GUICommanderSetResultGetEndFlag(result);
    m_Elapsed = 0;
  } else {
    // The task moves on: it gets more time.
    ended = KLX_GUICommanderSetResultGetEndFlag(KLX_Ok);
    command->KLX_GuiCmdSetTimeout(command->KLX_GuiCmdGetTimeout() + kExtensionMs);
    m_CurrentTimeout = command->KLX_GuiCmdGetTimeout();
  }
  if (!ended) {
    m_WaitMs = kBusyWaitMs;
    return;
  }
  command->KLX_GuiCmdBaseCleanUp();
  SetIdle();
}

bool KLX_GUICommander::KLX_GUICommanderNextTaskHandler() {
  m_CurrentIndex = kTableSize;
  Task_Data_T request;
  {
    QMutexLocker lock(&m_TaskMutex);
    request = m_Tasks.dequeue();
  }
  for (int i = 0; i < kTableSize; ++i) {
    if (m_Table[i].task == request.task) {
      m_CurrentIndex = i;
      break;
    }
  }
  {
    // Answers left from an earlier request are not for this one.
    QMutexLocker lock(&m_UpdateMutex);
    m_Updates.clear();
  }
  KLX_BaseClassGuiCommand* command = Command();
  if (!command) {
    KLXErrorHandler.RegisterError(kErrUnknownTask, QStringLiteral("unknown task in gui commander"));
    return true;
  }
  command->KLX_GuiCmdSetTimeout(2 * request.timeout);
  m_CurrentTimeout = command->KLX_GuiCmdGetTimeout();
  if (command->KLX_GuiCmdBaseInit(m_Db, m_Handler) != KLX_Ok) return true;
  qInfo("gui: task started: %d", m_CurrentIndex);
  return KLX_GUICommanderSetResultGetEndFlag(command->KLX_GuiCmdBaseStartTask(request));
}

bool KLX_GUICommander::KLX_GUICommanderSetResultGetEndFlag(int result) {
  bool ended = false;
  if (result == KLX_Done) {
    qInfo("gui: task %d ended", m_CurrentIndex);
    ended = true;
  } else if (result <= KLX_Error) {
    qInfo("gui: task %d error: %d", m_CurrentIndex, result);
    ended = true;
  } else if (result == KLX_Timeout) {
    qInfo("gui: task %d timeout: %dms", m_CurrentIndex, m_Elapsed);
    ended = true;
  }
  m_Gui->KLX_GuiCommandHandlerSetTaskResult(result);
  return ended;
}
