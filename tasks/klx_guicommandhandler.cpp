#include "tasks/klx_guicommandhandler.h"

#include <cstring>

#include "frame/klx_errorhandler.h"
#include "frame/klx_utf8.h"
#include "tasks/klx_vornstatemachine.h"
#include "update/klx_filefunctions.h"

namespace {
constexpr unsigned kErrInitialize = 0x12901;
constexpr unsigned kErrNotInitialized = 0x12902;
constexpr unsigned kErrDoTaskNotInitialized = 0x22902;
constexpr unsigned kErrNoTask = 0x22903;
const char kNotCalled[] = "KLX_GuiCommandHandlerInitialize() not called";

// Data byte 0 of a user-input record: what the answer is.
constexpr unsigned char kDataInput = 1;
constexpr unsigned char kDialogInput = 2;
}  // namespace

KLX_GuiCommandHandler::KLX_GuiCommandHandler(QObject* parent) : QObject(parent) {}

KLX_GuiCommandHandler::~KLX_GuiCommandHandler() { m_Commander.KLX_GUICommanderStop(); }

int KLX_GuiCommandHandler::KLX_GuiCommandHandlerInitialize(KLX_DataBaseManager* db, KLX_VornHandler* vorn) {
  if (!vorn) {
    KLXErrorHandler.RegisterError(kErrInitialize, QStringLiteral("KLX_GuiCommandHandlerInitialize() gone wrong"));
    return KLX_Error;
  }
  m_Vorn = vorn;
  m_Initialized = true;
  m_Commander.KLX_GUICommanderInitialize(db, vorn, this);
  const int rc = m_Commander.KLX_GUICommanderStart();
  if (rc != KLX_Ok)
    KLXErrorHandler.RegisterError(kErrInitialize, QStringLiteral("KLX_GuiCommandHandlerInitialize() gone wrong"));
  return rc;
}

int KLX_GuiCommandHandler::KLX_GuiCommandHandlerStop() {
  m_Commander.KLX_GUICommanderStop();
  return KLX_Ok;
}

int KLX_GuiCommandHandler::KLX_GuiCommandHandlerForcedStop() {
  m_Commander.KLX_GUICommanderStop();
  return KLX_Ok;
}

int KLX_GuiCommandHandler::KLX_GuiCommandHandlerDoTask(int task, int paraint1, int paraint2, int paraint3,
                                                       int paraint4, int paraint5, int paraint6, QString parastr1,
                                                       QString parastr2, QString parastr3) {
  if (!m_Initialized) {
    KLXErrorHandler.RegisterError(kErrDoTaskNotInitialized, QString::fromLatin1(kNotCalled));
    return KLX_Error;
  }
  if (task == KLX_VornTask::KLX_TASK_NONE) {
    KLXErrorHandler.RegisterError(kErrNoTask, QString());
    return KLX_Error;
  }
  Task_Data_T request;
  request.task = task;
  request.paraint1 = paraint1;
  request.paraint2 = paraint2;
  request.paraint3 = paraint3;
  request.paraint4 = paraint4;
  request.paraint5 = paraint5;
  request.paraint6 = paraint6;
  // Screens know files by the paths they show them from; one under the
  // desktop root goes in the board's own form, which the tasks place under
  // the root again and which fits the record's text field.
  KLX_TaskSetText(request.parastr1, KLX_FileFunctions::KLX_FileFunctionsBoardPath(parastr1));
  KLX_TaskSetText(request.parastr2, KLX_FileFunctions::KLX_FileFunctionsBoardPath(parastr2));
  KLX_TaskSetText(request.parastr3, KLX_FileFunctions::KLX_FileFunctionsBoardPath(parastr3));
  m_Commander.KLX_GUICommanderGetTimeoutAndRepeat(task, &request.timeout, &request.repeat, &request.requeueDelay);
  request.source = KLX_VornTask::KLX_TASK_SOURCE_GUI;
  return m_Commander.KLX_GUICommanderQueueTask(request);
}

int KLX_GuiCommandHandler::KLX_GuiCommandHandlerDoTask(int task, int paraint1, int paraint2, int paraint3,
                                                       QString parastr1, QString parastr2, QString parastr3) {
  constexpr int kNone = KLX_VornTask::KLX_TASK_PARA_NONE;
  return KLX_GuiCommandHandlerDoTask(task, paraint1, paraint2, paraint3, kNone, kNone, kNone, parastr1, parastr2,
                                     parastr3);
}

int KLX_GuiCommandHandler::UserInput(unsigned char kind, const QByteArray& bytes) {
  if (!m_Initialized) {
    KLXErrorHandler.RegisterError(kErrNotInitialized, QString::fromLatin1(kNotCalled));
    return KLX_Error;
  }
  TaskUpdate_Data_T update;
  update.para = 0;
  update.data[0] = kind;
  std::memcpy(update.data + 1, bytes.constData(), size_t(qMin<int>(bytes.size(), sizeof(update.data) - 1)));
  update.updateKind = KLX_UPDATE_KIND_USER;
  return m_Commander.KLX_GUICommanderUpdateTask(update);
}

int KLX_GuiCommandHandler::KLX_GuiCommandHandlerUserDialogInput(int dialoginput) {
  return UserInput(kDialogInput, QByteArray(1, static_cast<char>(dialoginput & 0xFF)));
}

int KLX_GuiCommandHandler::KLX_GuiCommandHandlerUserDataInput(int intdata) {
  return UserInput(kDataInput, QByteArray(1, static_cast<char>(intdata & 0xFF)));
}

int KLX_GuiCommandHandler::KLX_GuiCommandHandlerUserDataInput(QString parastr) {
  // The text and its zero byte fill the data behind the first byte at most.
  constexpr int kRoom = int(sizeof(TaskUpdate_Data_T::data)) - 2;
  QByteArray text = KLX_Utf8Cut(parastr, kRoom);
  text.append('\0');
  return UserInput(kDataInput, text);
}

int KLX_GuiCommandHandler::KLX_GuiCommandHandlerSetTaskUpdateFromVorn(int state, int result) {
  if (!m_Initialized) {
    KLXErrorHandler.RegisterError(kErrNotInitialized, QString::fromLatin1(kNotCalled));
    return KLX_Error;
  }
  if (result == KLX_Ok) {
    // Only the long tasks report that they still run, and only while the
    // queue is short: a busy firmware update must not flood it.
    const bool longTask = state == KLX_VornStateMachine::KLX_VORN_STATE_UPDATE_CHECK_FIRMWARE ||
                          state == KLX_VornStateMachine::KLX_VORN_STATE_UPDATE_FW_ONBOARD;
    if (!longTask || m_Commander.KLX_GUIUpdateQueueLength() > kRunningReportsQueued) return KLX_Ok;
  }
  TaskUpdate_Data_T update;
  update.para = state;
  const uint32_t value = static_cast<uint32_t>(result);
  for (int i = 0; i < 4; ++i) update.data[i] = static_cast<unsigned char>((value >> (8 * i)) & 0xFF);
  update.updateKind = KLX_UPDATE_KIND_RESULT;
  return m_Commander.KLX_GUICommanderUpdateTask(update);
}

void KLX_GuiCommandHandler::KLX_GuiCommandHandlerSetTaskResult(int result) {
  switch (result) {
    case KLX_Done: emit guiInformer(KLX_VornTask::GUI_TASK_RESULT_Done); return;
    case KLX_Ok:
    case KLX_RestartTimer: emit guiInformer(KLX_VornTask::GUI_TASK_RESULT_Working); return;
    case KLX_Timeout: emit guiInformer(KLX_VornTask::GUI_TASK_RESULT_Timeout); return;
    case KLX_Trigger: emit guiInformer(KLX_VornTask::GUI_TASK_RESULT_Trigger); return;
    case KLX_ReTrigger: emit guiInformer(KLX_VornTask::GUI_TASK_RESULT_ReTrigger); return;
    case KLX_Error: emit guiInformer(KLX_VornTask::GUI_TASK_RESULT_Error); return;
    default:
      // Other failure codes reach the screen as they are.
      if (result < KLX_Error) emit guiInformer(result);
      return;
  }
}
