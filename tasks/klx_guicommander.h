#pragma once
// The GUI command thread: takes one request from QML at a time, hands it to
// the GUI command object its table names, watches it with a time-out of
// twice the task's own, counted in 35 ms steps, feeds it the task handler's
// reports and the user's answers, and turns each result into a guiInformer
// state. It is never woken by a request: it looks every 155 ms while idle and
// every 35 ms while a request runs, on a clock that a test may replace.
#include <QMutex>
#include <QQueue>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"
#include "tasks/klx_guicommandcopymodel.h"
#include "tasks/klx_guicommands.h"
#include "tasks/klx_taskrecords.h"

class KLX_DataBaseManager;
class KLX_VornHandler;
class KLX_GuiCommandHandler;

class KLX_GUICommander : public CNoDebugBase<QThread>, public KLX_BaseClassThread {
  Q_OBJECT
 public:
  static constexpr int kIdleWaitMs = 155;
  static constexpr int kBusyWaitMs = 35;
  // A task that reports progress gets this much more time at each time-out.
  static constexpr int kExtensionMs = 35000;
  // From this time-out on a request times out whatever its progress.
  static constexpr int kLongestTimeoutMs = 7200000;
  static constexpr int kTableSize = KLX_VornTask::KLX_TASK_COUNT;
  // The time-out of a task without an entry of its own.
  static constexpr int kDefaultTimeoutMs = 2000;

  explicit KLX_GUICommander(QObject* parent = nullptr);
  ~KLX_GUICommander() override;

  int KLX_GUICommanderInitialize(KLX_DataBaseManager* db, KLX_VornHandler* handler, KLX_GuiCommandHandler* gui);
  int KLX_GUICommanderStart();
  int KLX_GUICommanderStop();
  void KLX_GUICommanderSetClock(KLX_Clock* clock) { m_Clock = clock ? clock : &KLX_Clock::KLX_ClockSystem(); }

  // Any thread: 1 when queued, KLX_Error when not initialised.
  int KLX_GUICommanderQueueTask(const Task_Data_T& task);
  int KLX_GUICommanderUpdateTask(const TaskUpdate_Data_T& update);
  void KLX_GUICommanderGetTimeoutAndRepeat(int task, int* timeout, int* repeat, int* extra) const;
  int KLX_GUIUpdateQueueLength() const;
  // Tests: the oldest waiting update (false when none), taken as the thread
  // would while its processing is off.
  bool KLX_GUICommanderTakeUpdate(TaskUpdate_Data_T* update);
  // The time-out of the running request's command (0 when idle).
  int KLX_GUICommanderCurrentTimeout() const { return m_CurrentTimeout; }

 protected:
  void run() override;

 private:
  enum State { StateConstructed = 1, StateIdle = 2, StateBusy = 3 };
  struct Entry {
    KLX_BaseClassGuiCommand* command = nullptr;
    int task = KLX_VornTask::KLX_TASK_NONE;
    int timeout = kDefaultTimeoutMs;
    int repeat = 0;
    int extra = 0;
  };

  void FillTable();
  void KLX_GUICommanderRun();
  // True when the request ended at once.
  bool KLX_GUICommanderNextTaskHandler();
  bool KLX_GUICommanderSetResultGetEndFlag(int result);
  KLX_BaseClassGuiCommand* Command() const;
  void SetIdle();

  std::atomic<bool> m_Initialized{false};
  std::atomic<bool> m_Running{false};
  int m_CurrentIndex = 0;
  int m_State = StateConstructed;
  int m_Elapsed = 0;
  QWaitCondition m_Wake;
  QMutex m_LoopMutex;
  mutable QMutex m_TaskMutex;
  QQueue<Task_Data_T> m_Tasks;
  mutable QMutex m_UpdateMutex;
  QQueue<TaskUpdate_Data_T> m_Updates;
  int m_WaitMs = kIdleWaitMs;
  Entry m_Table[kTableSize];
  KLX_VornHandler* m_Handler = nullptr;
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_GuiCommandHandler* m_Gui = nullptr;
  KLX_GuiCommandSimple m_Simple;
  KLX_GuiCommandCalibration m_Calibration;
  KLX_GuiCommandCopyModel m_CopyModel;
  std::atomic<KLX_Clock*> m_Clock{&KLX_Clock::KLX_ClockSystem()};
  std::atomic<int> m_CurrentTimeout{0};
};
