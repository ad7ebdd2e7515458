#include "tasks/klx_guicommandcopymodel.h"

#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "tasks/klx_vornhandler.h"
#include "update/klx_filefunctions.h"

namespace {
constexpr unsigned kErrInit = 0x24701;
constexpr unsigned kErrState = 0x24702;
constexpr int kNone = KLX_VornTask::KLX_TASK_PARA_NONE;
// What the firmware tasks chained here get.
constexpr int kChainedTimeoutMs = 2000;
constexpr int kChainedRetries = 7;
// para3 of a recovery: the transceiver (bit 2) or the stick controller (bit 3).
constexpr int kRecoveryTargets =
    KLX_VornTask::KLX_UPDATE_RECOVER_TRANSCEIVER | KLX_VornTask::KLX_UPDATE_RECOVER_STICK;
using VT = KLX_VornTask;

int ResultOf(const TaskUpdate_Data_T& update) {
  const unsigned char* d = update.data;
  return static_cast<int>(uint32_t(d[0]) | (uint32_t(d[1]) << 8) | (uint32_t(d[2]) << 16) | (uint32_t(d[3]) << 24));
}

Task_Data_T Chained(const Task_Data_T& from, int task, int target) {
  Task_Data_T next;
  next.task = task;
  next.paraint1 = from.paraint1;
  next.paraint2 = target;
  next.paraint3 = from.paraint3;
  next.paraint4 = next.paraint5 = next.paraint6 = kNone;
  next.timeout = kChainedTimeoutMs;
  next.repeat = kChainedRetries;
  next.requeueDelay = 0;
  next.source = VT::KLX_TASK_SOURCE_VORN;
  return next;
}
}  // namespace

int KLX_GuiCommandCopyModel::KLX_GuiCmdBaseInit(KLX_DataBaseManager* db, KLX_VornHandler* handler) {
  if (!db || !handler) {
    KLXErrorHandler.RegisterError(kErrInit, QStringLiteral("KLX_GuiCommandCopyModel::KLX_GuiCmdBaseInit() gone wrong"));
    return KLX_Error;
  }
  m_Db = db;
  m_Handler = handler;
  m_CmdState = CmdInitialised;
  return KLX_Ok;
}

int KLX_GuiCommandCopyModel::KLX_GuiCmdBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_GuiCmdSetErrorMaxCount(task.repeat);
  KLX_GuiCmdResetErrorCount();
  m_CmdState = CmdToQueue;
  return KLX_KLX_GuiCommandCopyModelHandleProgress();
}

int KLX_GuiCommandCopyModel::KLX_GuiCmdBaseUpdateRunningTask(TaskUpdate_Data_T update) {
  m_Update = update;
  return KLX_KLX_GuiCommandCopyModelHandleProgress();
}

void KLX_GuiCommandCopyModel::KLX_GuiCmdBaseCleanUp() {
  m_CmdState = CmdConstructed;
  m_Handler = nullptr;
  m_Db = nullptr;
  m_Task.task = VT::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_GuiCmdResetErrorCount();
}

int KLX_GuiCommandCopyModel::KLX_KLX_GuiCommandCopyModelHandleProgress() {
  switch (m_CmdState) {
    case CmdToQueue:
      if (m_Handler->KLX_VornHandlerQueueProcessTask(m_Task) != KLX_Ok) return KLX_Error;
      m_CmdState = CmdRunning;
      return KLX_Ok;
    case CmdRunning: return Running();
    case CmdFollowUp:
      // The chained task's result; the user has nothing to answer it.
      return m_Update.updateKind == KLX_UPDATE_KIND_RESULT ? ResultOf(m_Update) : int(KLX_Ok);
    default:
      KLXErrorHandler.RegisterError(kErrState, QString());
      return KLX_Error;
  }
}

int KLX_GuiCommandCopyModel::Running() {
  if (m_Update.updateKind == KLX_UPDATE_KIND_USER) return m_Handler->KLX_VornHandlerUpdateProcessTask(m_Update);
  if (m_Update.updateKind != KLX_UPDATE_KIND_RESULT) return KLX_Ok;
  const int result = ResultOf(m_Update);
  if (m_Task.task != VT::KLX_TASK_UPDATE_CHECK_FIRMWARE || result != KLX_Done) return result;
  return FollowUp();
}

int KLX_GuiCommandCopyModel::FollowUp() {
  if (m_Task.paraint2 == VT::KLX_UPDATE_ONBOARD) {
    Task_Data_T next = Chained(m_Task, VT::KLX_TASK_UPDATE_FW_ONBOARD, VT::KLX_UPDATE_ONBOARD);
    std::memcpy(next.parastr1, m_Task.parastr1, sizeof(next.parastr1));
    // The board's own form of the folder: it fits the request's text field.
    KLX_TaskSetText(next.parastr2, KLX_FileFunctions::KLX_FileFunctionsBoardPath(
                                       KLX_FileNameHandler().KLX_FileNameHandlerGetReceiverUpdateFilePath()));
    std::memcpy(next.parastr3, m_Task.parastr3, sizeof(next.parastr3));
    m_CmdState = CmdFollowUp;
    return m_Handler->KLX_VornHandlerQueueProcessTask(next);
  }
  if (m_Task.paraint2 == VT::KLX_FWVORN_RECOVERY) {
    m_CmdState = CmdFollowUp;
    if (!(m_Task.paraint3 & kRecoveryTargets)) return KLX_Done;
    const int queued =
        m_Handler->KLX_VornHandlerQueueProcessTask(Chained(m_Task, VT::KLX_TASK_UPDATE_FIRMWARE, VT::KLX_FWVORN_RECOVERY));
    return queued == KLX_Ok ? int(KLX_Done) : queued;
  }
  return KLX_Done;
}
