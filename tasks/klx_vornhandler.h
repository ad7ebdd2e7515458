#pragma once
// The task handler (published as "VornTasks"): the one door into the task
// engine. Every request, every controller answer for the running task and
// every step result passes through it. It holds the state machine that
// admits one task at a time, runs the start-up chain (synchronisation, then
// the firmware update or the start-up model load, then the binding
// configuration and the telemetry capture, recording the start-up phase and
// boot status in the facade), and reports the end of tasks started from the
// GUI to the GUI command handler.
#include <QObject>

#include "frame/klx_databasevalues.h"
#include "tasks/klx_processvorn.h"
#include "tasks/klx_taskrecords.h"
#include "tasks/klx_vornstatemachine.h"

class KLX_DataBaseManager;
class KLX_Protocol;
class KLX_GuiCommandHandler;
class KLX_RuntimeDatabaseManager;

class KLX_VornHandler : public QObject {
  Q_OBJECT
 public:
  // The model name that marks a start whose synchronisation failed.
  static constexpr const char* kBadStartModelName = "model_badstart";

  explicit KLX_VornHandler(QObject* parent = nullptr);
  ~KLX_VornHandler() override;

  int KLX_VornHandlerInitialize(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_GuiCommandHandler* gui,
                                KLX_RuntimeDatabaseManager* runtime);
  void KLX_VornHandlerStartProcessing() { m_Engine.KLX_ProcessVornStartProcessing(); }
  bool KLX_VornHandlerStopProcessing() { return m_Engine.KLX_ProcessVornStopProcessing(); }
  // The transmitter switches off: no task asks to run again from now on.
  void KLX_VornHandlerSwitchingOff() { m_Engine.KLX_ProcessVornStopRepeating(); }
  bool KLX_VornHandlerIsProcessing() const { return m_Engine.KLX_BaseClassThreadIsProcessing(); }
  int KLX_VornHandlerStop();
  // The clock the engine's passes wait on; before the initialisation.
  void KLX_VornHandlerSetClock(KLX_Clock* clock) { m_Engine.KLX_ProcessVornSetClock(clock); }

  // Queues the synchronisation once, at the end of start-up; KLX_Error when
  // start-up has already begun.
  int KLX_VornHandlerStartVorn();
  int KLX_VornHandlerQueueProcessTask(const Task_Data_T& task);
  // Controller answers (CAN receiver thread) and answers of the user for the
  // running task; a running task's records to itself.
  int KLX_VornHandlerUpdateProcessTask(const TaskUpdate_Data_T& update);
  int KLX_VornHandlerResponseProcessTask(const TaskUpdate_Data_T& update);
  int KLX_VornHandlerUpdateSelfProcessTask(const TaskUpdate_Data_T& update);
  // The message layer prepared the last frame of a long message.
  void KLX_ProtocolBaseCallback();

  // Engine thread: whether a queued task may start, and each step result.
  int KLX_VornHandlerRequestTask(int task);
  int KLX_VornHandlerSetResultTask(int result, int task, int source);
  void KLX_VornHandlerInformGui(int state, int result);
  void KLX_VornHandlerEmitTaskStatus(bool taskrunning) { emit taskStatusSent(taskrunning); }

  Q_INVOKABLE int KLX_VornHandlerGetTaskProgressRate(bool overall) const {
    return m_Engine.KLX_ProcessVornGetTaskProgressRate(overall);
  }
  // A sensor-menu task or the firmware update is at work: a telemetry
  // rescan waits for it.
  Q_INVOKABLE bool KLX_VornHandlerCheckMenuDataActiveWork() const {
    return m_Engine.KLX_ProcessVornCheckMenuDataWorkNow();
  }

  int KLX_VornHandlerGetState() const { return m_StateMachine.KLX_VornStateMachineGetState(); }
  int KLX_VornHandlerGetMode() const { return m_StateMachine.KLX_VornStateMachineGetMode(); }
  KLX_ProcessVorn& KLX_VornHandlerEngine() { return m_Engine; }
  bool KLX_VornHandlerEngineRunning() const { return m_Engine.isRunning(); }

  // Tests: what waits in the engine's queues, taken while its processing is off.
  bool KLX_VornHandlerTakeTask(Task_Data_T* task) { return m_Engine.KLX_ProcessVornTakeTask(task); }
  bool KLX_VornHandlerTakeUpdate(TaskUpdate_Data_T* update) { return m_Engine.KLX_ProcessVornTakeUpdate(update); }
  bool KLX_VornHandlerTakeResponse(TaskUpdate_Data_T* update) { return m_Engine.KLX_ProcessVornTakeResponse(update); }
  bool KLX_VornHandlerTakeProtocolUpdate(TaskUpdate_Data_T* update) {
    return m_Engine.KLX_ProcessVornTakeProtocolUpdate(update);
  }

 signals:
  void taskStatusSent(bool taskrunning);

 private:
  int SyncEnded(int result);
  // After the synchronisation, or a firmware update that leaves the
  // controllers as they were: the current model is loaded, or the start
  // goes on without one.
  int LoadStartupModel();
  int StartupFirmwareEnded(int result);
  // A controller's firmware was written in this run.
  bool ControllerRewritten();
  void StartWithoutModel();
  void StartWithUnloadedModel();
  int StartupModelLoadEnded(int result);
  int BindConfigEnded(int result);
  int BindingEnded(int result, int source);
  int ModelLoadEnded(int result, int source);
  // Queues a request of the handler's own with the engine's time-out and
  // retries for the task and source 1.
  int QueueOwn(int task, const int (&paraint)[6], int requeueDelay = 0, const QString& text1 = QString(),
               const QString& text3 = QString());
  int QueueBindConfig(int paraint2);
  int QueueTeleCapture();
  void SetPhase(int phase);
  bool PreflightOn();

  KLX_VornStateMachine m_StateMachine;
  KLX_ProcessVorn m_Engine;
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_RuntimeDatabaseManager* m_Runtime = nullptr;
  KLX_GuiCommandHandler* m_Gui = nullptr;
};
