#pragma once
// The GUI command objects: for a request from QML the GUI command thread
// hands the task record to the command its table names; the command asks
// the task handler to queue the task and then turns every update that
// reaches it into a result for the GUI command thread (0 done, 1 and 3
// running, 2 time-out, 4 trigger, 5 re-trigger, -70000 or below error).
#include "frame/klx_databasevalues.h"
#include "tasks/klx_taskrecords.h"

class KLX_DataBaseManager;
class KLX_VornHandler;

class KLX_BaseClassGuiCommand {
 public:
  KLX_BaseClassGuiCommand() = default;
  virtual ~KLX_BaseClassGuiCommand() = default;

  virtual int KLX_GuiCmdBaseInit(KLX_DataBaseManager* db, KLX_VornHandler* handler);
  virtual int KLX_GuiCmdBaseStartTask(Task_Data_T task);
  virtual int KLX_GuiCmdBaseTimeout();
  virtual int KLX_GuiCmdBaseUpdateRunningTask(TaskUpdate_Data_T update);
  virtual void KLX_GuiCmdBaseCleanUp();

  bool KLX_GuiCmdCheckForMaxError() const { return m_ErrorCount > m_ErrorMax; }
  void KLX_GuiCmdIncErrorCount() { ++m_ErrorCount; }
  void KLX_GuiCmdDecErrorCount() {
    if (m_ErrorCount > 0) --m_ErrorCount;
  }
  void KLX_GuiCmdResetErrorCount() { m_ErrorCount = 0; }
  // A maximum below 1 is taken as 3.
  void KLX_GuiCmdSetErrorMaxCount(int n) { m_ErrorMax = n < 1 ? 3 : n; }
  void KLX_GuiCmdSetTimeout(int ms) { m_Timeout = ms; }
  int KLX_GuiCmdGetTimeout() const { return m_Timeout; }

 private:
  int m_ErrorCount = 0;
  int m_Timeout = 0;
  int m_ErrorMax = 0;
};

// Most tasks: queue the task, then pass on the task's result that the task
// handler reports.
class KLX_GuiCommandSimple : public KLX_BaseClassGuiCommand {
 public:
  enum E_CmdState { CmdConstructed = 0, CmdInitialised = 1, CmdToQueue = 2, CmdRunning = 3 };

  int KLX_GuiCmdBaseInit(KLX_DataBaseManager* db, KLX_VornHandler* handler) override;
  int KLX_GuiCmdBaseStartTask(Task_Data_T task) override;
  // A time-out is always a time-out, whatever the state.
  int KLX_GuiCmdBaseTimeout() override { return KLX_Timeout; }
  int KLX_GuiCmdBaseUpdateRunningTask(TaskUpdate_Data_T update) override;
  void KLX_GuiCmdBaseCleanUp() override;
  int KLX_GuiCmdState() const { return m_CmdState; }

 protected:
  // The step after a start or an update.
  virtual int Progress();
  int QueueTask();
  int InitWith(KLX_DataBaseManager* db, KLX_VornHandler* handler, unsigned error, const char* text);
  // The task's result, bytes 0-3 of the last update's data.
  int ReportedResult() const;

  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_CmdState = CmdConstructed;
  KLX_VornHandler* m_Handler = nullptr;
  KLX_DataBaseManager* m_Db = nullptr;
};

// The calibration also passes the user's answers on to the running task.
class KLX_GuiCommandCalibration : public KLX_GuiCommandSimple {
 public:
  int KLX_GuiCmdBaseInit(KLX_DataBaseManager* db, KLX_VornHandler* handler) override;

 protected:
  int Progress() override;
};
