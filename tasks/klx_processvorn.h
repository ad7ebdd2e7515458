#pragma once
// The task engine: the worker thread that runs the long operations against
// the controllers, one at a time. It owns one object of every task class, a
// table from task id to object, time-out and retries, the queue of requests
// and four queues of update records for the running task (self, response,
// protocol, update, looked at in that order). It starts a queued task once
// the task handler admits it, feeds it one update record per pass, counts
// its time-out in passes, and hands every step result to the task handler.
//
// A pass waits 50 ms while idle and 10 ms while a task runs, on a clock that
// a test may replace; a queue operation ends the wait early, and the
// time-out still counts the full wait period per pass.
#include <QMutex>
#include <QQueue>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"
#include "tasks/klx_binding.h"
#include "tasks/klx_bindingconfiguration.h"
#include "tasks/klx_calibration.h"
#include "tasks/klx_copymodeldata.h"
#include "tasks/klx_modelcopy.h"
#include "tasks/klx_modeldelete.h"
#include "tasks/klx_modelloader.h"
#include "tasks/klx_modelnew.h"
#include "tasks/klx_modelreceiver.h"
#include "tasks/klx_modelrename.h"
#include "tasks/klx_sync.h"
#include "tasks/klx_taskrecords.h"
#include "tasks/klx_unitdeleter.h"
#include "tasks/klx_unitloader.h"
#include "tasks/klx_vornbase.h"
#include "telemetry/klx_captmencont.h"
#include "telemetry/klx_captureteleinfo.h"
#include "telemetry/klx_capturemenudata.h"
#include "telemetry/klx_setmenudata.h"
#include "telemetry/klx_setsensoradress.h"
#include "update/klx_firmwareupdate.h"
#include "update/klx_update.h"
#include "update/klx_update_httpreq.h"

class KLX_DataBaseManager;
class KLX_Protocol;
class KLX_VornHandler;
class KLX_RuntimeDatabaseManager;

class KLX_ProcessVorn : public CNoDebugBase<QThread>, public KLX_BaseClassThread {
  Q_OBJECT
 public:
  static constexpr int kIdleWaitMs = 50;
  static constexpr int kBusyWaitMs = 10;
  // What a stop waits at most for the thread or for a step under way.
  static constexpr int kStopWaitMs = 3000;
  static constexpr int kTableSize = KLX_VornTask::KLX_TASK_COUNT;

  explicit KLX_ProcessVorn(QObject* parent = nullptr);
  ~KLX_ProcessVorn() override;

  int KLX_ProcessVornInitialize(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                KLX_RuntimeDatabaseManager* runtime);
  int KLX_ProcessVornStart();
  int KLX_ProcessVornStop();
  void KLX_ProcessVornStartProcessing() { KLX_BaseClassThreadStartProcessing(); }
  // The switch-off: once it returns no step runs. A step under way is
  // waited for as long as any thread's stop (on the engine's clock); an
  // application install in it is asked to stop at its next step first.
  // False when the step did not end in time (the engine still runs it).
  bool KLX_ProcessVornStopProcessing();
  // The transmitter switches off: a task that asked to run again (the
  // sensor capture waiting for the scan) is not queued again, also when it
  // asks from now on.
  void KLX_ProcessVornStopRepeating();
  // The clock the passes wait on (the system's by default); set before the start.
  void KLX_ProcessVornSetClock(KLX_Clock* clock) {
    m_Clock = clock ? clock : &KLX_Clock::KLX_ClockSystem();
    m_ModelLoader.KLX_ModelLoaderSetClock(m_Clock);
    m_FirmwareUpdate.KLX_FirmwareUpdateSetClock(m_Clock);
  }

  // Any thread: 1 when queued, KLX_Error when the engine is not initialised.
  int KLX_ProcessVornQueueTask(const Task_Data_T& task);
  int KLX_ProcessVornResponseTask(const TaskUpdate_Data_T& update);
  int KLX_ProcessVornUpdateTask(const TaskUpdate_Data_T& update);
  int KLX_ProcessVornSelfTask(const TaskUpdate_Data_T& update);
  // The last frame of a long message is on its way.
  void KLX_ProcessVornProtocolTask();

  // Time-out and retries of the table's last entry for the task (2000, 0
  // when it has none).
  void KLX_ProcessVornGetTimeoutAndRepeat(int task, int* timeout, int* repeat) const;
  int KLX_ProcessVornGetTaskProgressRate(bool overall) const;
  // A sensor-menu task or the firmware update is at work, waits in the
  // queue, or waits to run again.
  bool KLX_ProcessVornCheckMenuDataWorkNow() const;

  // Tests: the oldest request or update waiting in a queue (false when
  // empty), taken as the engine would while its processing is off.
  bool KLX_ProcessVornTakeTask(Task_Data_T* task);
  bool KLX_ProcessVornTakeUpdate(TaskUpdate_Data_T* update);
  bool KLX_ProcessVornTakeResponse(TaskUpdate_Data_T* update);
  bool KLX_ProcessVornTakeProtocolUpdate(TaskUpdate_Data_T* update);
  // Tests: puts another object in a task's table entry (before the start);
  // null gives the entry its own object back.
  void KLX_ProcessVornSetTaskObject(int task, KLX_VornBase* object);
  // The task running now (0 when idle).
  int KLX_ProcessVornCurrentTask() const { return m_CurrentTask; }

 protected:
  void run() override;

 private:
  enum State { StateConstructed = 1, StateIdle = 2, StateBusy = 3 };
  struct Entry {
    KLX_VornBase* object = nullptr;
    int task = KLX_VornTask::KLX_TASK_NONE;
    int timeout = KLX_VornBase::kDefaultTimeoutMs;
    int repeat = 0;
  };

  void KLX_ProcessVornInitOwnMembers();
  void FillTable();
  // The task object of the engine's own for a task id (null for none).
  KLX_VornBase* OwnObject(int task);
  // Gives the entry's object the name of the task table.
  void NameObject(int task);
  void KLX_ProcessVornRun();
  // 0 when the task runs on, 1 when it ended or could not start.
  int KLX_ProcessVornNextTaskHandler();
  int BusyStep();
  int KLX_ProcessVornSetResultGetEndFlag(int result);
  void KLX_ProcessVornSetGlobalPercentage();
  void processEndOfTask();
  void clear_queues(bool all);
  void protocolqueue_clear();
  void set_to_idle_state();
  int Queue(QMutex* mutex, QQueue<TaskUpdate_Data_T>* queue, const TaskUpdate_Data_T& update);
  static bool Take(QMutex* mutex, QQueue<TaskUpdate_Data_T>* queue, TaskUpdate_Data_T* update);
  void Wake();
  bool RecordsWaiting();
  KLX_VornBase* CurrentObject() const;
  // One pass under the pass lock; false when the engine is to end.
  bool Pass();
  void PassEnded();

  // The wait between passes, and a wake-up that came while a step ran.
  QWaitCondition m_Wake;
  QMutex m_WakeMutex;
  bool m_WakePending = false;
  // Held for a whole pass.
  QMutex m_ThreadMutex;
  // Woken through the clock when a pass gives its lock back.
  QMutex m_PassEndMutex;
  QWaitCondition m_PassEnd;
  mutable QMutex m_TaskMutex;
  QQueue<Task_Data_T> m_Tasks;
  QMutex m_ResponseMutex;
  QQueue<TaskUpdate_Data_T> m_Responses;
  QMutex m_UpdateMutex;
  QQueue<TaskUpdate_Data_T> m_Updates;
  QMutex m_SelfMutex;
  QQueue<TaskUpdate_Data_T> m_Self;
  QMutex m_ProtocolMutex;
  QQueue<TaskUpdate_Data_T> m_ProtocolUpdates;
  KLX_Critical m_Critical;

  KLX_Sync m_Sync;
  KLX_ModelLoader m_ModelLoader;
  KLX_UnitLoader m_UnitLoader;
  KLX_UnitDeleter m_UnitDeleter;
  KLX_BindingConfiguration m_BindingConfiguration;
  KLX_Binding m_Binding;
  KLX_ModelNew m_ModelNew;
  KLX_Calibration m_Calibration;
  KLX_ModelReceiver m_ModelReceiver;
  KLX_FirmwareUpdate m_FirmwareUpdate;
  KLX_Update m_PackageUpdate;
  // The package update's download; its transfers run on the event loop of
  // the thread that built the engine.
  KLX_Update_HttpReq m_HttpReq;
  KLX_CaptureTeleInfo m_CaptureTeleInfo;
  KLX_CaptureMenuData m_CaptureMenuData;
  KLX_SetMenuData m_SetMenuData;
  KLX_CaptMenCont m_CaptMenCont;
  KLX_SetSensorAdress m_SetSensorAdress;
  KLX_ModelDelete m_ModelDelete;
  KLX_ModelRename m_ModelRename;
  KLX_ModelCopy m_ModelCopy;
  KLX_CopyModelData m_CopyModelData;

  Entry m_Table[kTableSize];
  // The engine thread, or a caller holding the pass lock: the task put back is not asked again.
  void DropRepeat();

  KLX_DataBaseManager* m_Db = nullptr;
  KLX_RuntimeDatabaseManager* m_Runtime = nullptr;
  KLX_Protocol* m_Protocol = nullptr;
  KLX_VornHandler* m_Handler = nullptr;

  std::atomic<bool> m_Initialized{false};
  std::atomic<bool> m_Running{false};
  std::atomic<KLX_Clock*> m_Clock{&KLX_Clock::KLX_ClockSystem()};
  int m_WaitMs = kIdleWaitMs;
  int m_Elapsed = 0;
  int m_RepeatIdle = 0;
  std::atomic<bool> m_NoRepeats{false};
  // Read by the GUI command thread (progress) and the facade (menu work).
  std::atomic<int> m_CurrentIndex{0};
  std::atomic<int> m_CurrentTask{0};
  std::atomic<int> m_RepeatTask{0};
  int m_State = StateConstructed;
  Task_Data_T m_Repeat;
  Task_Data_T m_Current;
};
