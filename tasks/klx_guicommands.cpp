#include "tasks/klx_guicommands.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "tasks/klx_vornhandler.h"

namespace {
constexpr unsigned kErrSimpleInit = 0x22E01;
constexpr unsigned kErrSimpleState = 0x22E02;
constexpr unsigned kErrCalibrationInit = 0x23101;
constexpr unsigned kErrCalibrationState = 0x23102;
}  // namespace

int KLX_BaseClassGuiCommand::KLX_GuiCmdBaseInit(KLX_DataBaseManager*, KLX_VornHandler*) {
  m_ErrorCount = 0;
  return KLX_Ok;
}
int KLX_BaseClassGuiCommand::KLX_GuiCmdBaseStartTask(Task_Data_T) { return KLX_Ok; }
int KLX_BaseClassGuiCommand::KLX_GuiCmdBaseTimeout() { return KLX_Ok; }
int KLX_BaseClassGuiCommand::KLX_GuiCmdBaseUpdateRunningTask(TaskUpdate_Data_T) { return KLX_Ok; }
void KLX_BaseClassGuiCommand::KLX_GuiCmdBaseCleanUp() {}

int KLX_GuiCommandSimple::InitWith(KLX_DataBaseManager* db, KLX_VornHandler* handler, unsigned error,
                                   const char* text) {
  if (!db || !handler) {
    KLXErrorHandler.RegisterError(error, QString::fromLatin1(text));
    return KLX_Error;
  }
  m_Db = db;
  m_Handler = handler;
  m_CmdState = CmdInitialised;
  return KLX_Ok;
}

int KLX_GuiCommandSimple::KLX_GuiCmdBaseInit(KLX_DataBaseManager* db, KLX_VornHandler* handler) {
  return InitWith(db, handler, kErrSimpleInit, "KLX_GuiCommandSimple::KLX_GuiCmdBaseInit() gone wrong");
}

int KLX_GuiCommandSimple::KLX_GuiCmdBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_GuiCmdSetErrorMaxCount(task.repeat);
  KLX_GuiCmdResetErrorCount();
  m_CmdState = CmdToQueue;
  return Progress();
}

int KLX_GuiCommandSimple::KLX_GuiCmdBaseUpdateRunningTask(TaskUpdate_Data_T update) {
  m_Update = update;
  return Progress();
}

void KLX_GuiCommandSimple::KLX_GuiCmdBaseCleanUp() {
  m_CmdState = CmdConstructed;
  m_Handler = nullptr;
  m_Db = nullptr;
  m_Task.task = KLX_VornTask::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_GuiCmdResetErrorCount();
}

int KLX_GuiCommandSimple::QueueTask() {
  if (m_Handler->KLX_VornHandlerQueueProcessTask(m_Task) != KLX_Ok) return KLX_Error;
  m_CmdState = CmdRunning;
  return KLX_Ok;
}

int KLX_GuiCommandSimple::ReportedResult() const {
  const unsigned char* d = m_Update.data;
  return static_cast<int>(uint32_t(d[0]) | (uint32_t(d[1]) << 8) | (uint32_t(d[2]) << 16) | (uint32_t(d[3]) << 24));
}

int KLX_GuiCommandSimple::Progress() {
  switch (m_CmdState) {
    case CmdToQueue: return QueueTask();
    case CmdRunning: return ReportedResult();
    default:
      KLXErrorHandler.RegisterError(kErrSimpleState, QString());
      return KLX_Error;
  }
}

int KLX_GuiCommandCalibration::KLX_GuiCmdBaseInit(KLX_DataBaseManager* db, KLX_VornHandler* handler) {
  return InitWith(db, handler, kErrCalibrationInit, "KLX_GuiCommandCalibration::KLX_GuiCmdBaseInit() gone wrong");
}

int KLX_GuiCommandCalibration::Progress() {
  switch (m_CmdState) {
    case CmdToQueue: return QueueTask();
    case CmdRunning:
      if (m_Update.updateKind == KLX_UPDATE_KIND_RESULT) return ReportedResult();
      if (m_Update.updateKind == KLX_UPDATE_KIND_USER) return m_Handler->KLX_VornHandlerUpdateProcessTask(m_Update);
      return KLX_Ok;
    default:
      KLXErrorHandler.RegisterError(kErrCalibrationState, QString());
      return KLX_Error;
  }
}
