#pragma once
// The GUI command of the copy task and of the system update check: queues
// the task, passes the user's answers on to it and reports its results as
// they come; a successful update check is followed by the update it found
// (the receiver's or the controllers' recovery).
#include "tasks/klx_guicommands.h"

class KLX_GuiCommandCopyModel : public KLX_BaseClassGuiCommand {
 public:
  enum E_CmdState { CmdConstructed = 0, CmdInitialised = 1, CmdToQueue = 2, CmdRunning = 3, CmdFollowUp = 4 };

  int KLX_GuiCmdBaseInit(KLX_DataBaseManager* db, KLX_VornHandler* handler) override;
  int KLX_GuiCmdBaseStartTask(Task_Data_T task) override;
  int KLX_GuiCmdBaseTimeout() override { return KLX_Timeout; }
  int KLX_GuiCmdBaseUpdateRunningTask(TaskUpdate_Data_T update) override;
  void KLX_GuiCmdBaseCleanUp() override;
  int KLX_KLX_GuiCommandCopyModelHandleProgress();
  int KLX_GuiCmdState() const { return m_CmdState; }

 private:
  int Running();
  // The task that follows a successful update check, queued; its result.
  int FollowUp();

  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_CmdState = CmdConstructed;
  KLX_VornHandler* m_Handler = nullptr;
  KLX_DataBaseManager* m_Db = nullptr;
};
