#include "tasks/klx_modelnew.h"

#include <QDir>

#include "frame/klx_errorhandler.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_unitkinds.h"

namespace {
using VT = KLX_VornTask;
constexpr unsigned kErrInit = 0x22F01;
constexpr unsigned kErrRetries = 0x22F02;
constexpr unsigned kErrExists = 0x22F04;
constexpr unsigned kErrTimeoutState = 0x22F07;
constexpr unsigned kErrState = 0x22F08;
constexpr unsigned kErrUnsave = 0x22F09;
constexpr unsigned kErrPath = 0x22F0A;

constexpr unsigned char kSubEnd = KLX_UnitKinds::kEnd;
constexpr unsigned char kSubModelStart = KLX_UnitKinds::kModelStart;
constexpr unsigned char kAnswerStart = KLX_UnitKinds::kUnitStart;
constexpr unsigned char kStatusOk = KLX_UnitKinds::kStatusOk;
}  // namespace

int KLX_ModelNew::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                   KLX_RuntimeDatabaseManager* runtime) {
  if (!m_Links.Take(db, protocol, handler, runtime, kErrInit, "Initializing of KLX_ModelNew went wrong"))
    return KLX_Error;
  KLX_DataBaseTransmitterInitialize(protocol);
  m_State = KLX_MODELNEW_IDLE;
  return m_Receiver.KLX_VornBaseInit(db, protocol, handler, runtime);
}

int KLX_ModelNew::KLX_VornBaseCleanUp() {
  m_Receiver.KLX_VornBaseCleanUp();
  m_Links.Forget();
  m_Protocol = nullptr;
  m_State = KLX_MODELNEW_IDLE;
  m_Task.task = VT::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

int KLX_ModelNew::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_Pending.NewRun();
  KLX_DataBaseManager* db = m_Links.db;
  // The permission guards a held model while the saver writes it. Without
  // one (a fresh card, a failed load) the saver writes no model, and the
  // transmitter must be able to make its first.
  const bool held =
      db->KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet) == VT::KLX_MODELLLOAD_STATUS_READY;
  m_Permission = db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet);
  if (held && !m_Permission) {
    KLXErrorHandler.RegisterError(kErrUnsave, QStringLiteral("Could not generate a new model due unsave model state"));
    return KLX_Error;
  }
  // The file is looked for before the controller hears of a new model, so a
  // name that is taken leaves both sides with the model they hold.
  const QString name = KLX_TaskText(m_Task.parastr1);
  const QString folder = m_Names.KLX_FileNameHandlerCheckModelPath(m_Task.paraint1, KLX_TaskText(m_Task.parastr3), name);
  if (folder.isEmpty()) {
    KLXErrorHandler.RegisterError(kErrPath, QStringLiteral("Model path outside the model area"));
    return KLX_Error;
  }
  if (m_Files.KLX_FileFileFunctionsCheckFile(name + QStringLiteral(".xml"), folder, false)) {
    KLXErrorHandler.RegisterError(kErrExists, QString());
    return KLX_Error;
  }
  // The type folders are named without their closing "/".
  const QString placed = QDir::cleanPath(folder);
  m_Type = m_Names.KLX_FileNameHandlerGetModelTypeByPath(placed);
  m_Folder = KLX_FileFunctions::KLX_FileFunctionsBoardPath(placed);

  // A held model's permission is taken in one step with its test: the saver
  // may have taken it since.
  if (held) {
    if (!db->KLX_DataBaseManagerTakeVornPropertiesSaveModelData()) {
      KLXErrorHandler.RegisterError(kErrUnsave, QStringLiteral("Could not generate a new model due unsave model state"));
      return KLX_Error;
    }
  } else {
    db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirSet);
  }
  db->KLX_DataBaseManagerModelCRCGetSet_AlarmBadModelDataFlag(false, AtomicDirSet);
  db->KLX_DataBaseManagerGetSet_ControlsLocked(false, AtomicDirSet);
  m_State = KLX_MODELNEW_START;
  m_Links.runtime->KLX_RuntimeDatabaseManagerStopProcessing();
  return Progress();
}

int KLX_ModelNew::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  // A late answer to a start or end asked before is no bad answer.
  if (m_Pending.PassOver(m_Update, Awaited())) return KLX_Ok;
  return Progress();
}

KLX_AnswerKey KLX_ModelNew::Awaited() const {
  switch (m_State) {
    case KLX_MODELNEW_START_RESP: return {kAnswerStart};
    case KLX_MODELNEW_END_RESP: return {kSubEnd};
    default: return {};
  }
}

int KLX_ModelNew::Progress() {
  switch (m_State) {
    case KLX_MODELNEW_START: return SendModelStart();
    case KLX_MODELNEW_START_RESP: return StartAnswer();
    case KLX_MODELNEW_END_RESP: return EndAnswer();
    default:
      KLXErrorHandler.RegisterError(kErrState, QString());
      return Fail(KLX_Error);
  }
}

int KLX_ModelNew::Fail(int result) {
  m_State = KLX_MODELNEW_IDLE;
  m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(m_Permission, AtomicDirSet);
  m_Links.runtime->KLX_RuntimeDatabaseManagerStartProcessing(false);
  return result;
}

int KLX_ModelNew::SendModelStart() {
  m_State = KLX_MODELNEW_START_RESP;
  m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirSet, true);
  // A model start is answered under the units' start.
  m_Pending.Asked({kAnswerStart});
  return KLX_UnitKinds::SendControl(m_Protocol, kSubModelStart);
}

int KLX_ModelNew::SendModelEnd() {
  m_State = KLX_MODELNEW_END_RESP;
  m_Pending.Asked({kSubEnd});
  return KLX_UnitKinds::SendControl(m_Protocol, kSubEnd);
}

int KLX_ModelNew::Again(int (KLX_ModelNew::*step)()) {
  if (KLX_VornBaseCheckForMaxError()) {
    KLXErrorHandler.RegisterError(kErrRetries, QString());
    return Fail(KLX_Error);
  }
  KLX_VornBaseIncErrorCount();
  return (this->*step)();
}

int KLX_ModelNew::StartAnswer() {
  if (KLX_UnitKinds::IsControlAnswer(m_Update, kAnswerStart) && m_Update.data[1] == kStatusOk) {
    KLX_VornBaseResetErrorCount();
    return SendModelEnd();
  }
  return Again(&KLX_ModelNew::SendModelStart);
}

int KLX_ModelNew::EndAnswer() {
  if (!KLX_UnitKinds::IsControlAnswer(m_Update, kSubEnd) || m_Update.data[1] != kStatusOk)
    return Again(&KLX_ModelNew::SendModelEnd);
  MakeNewModel();
  return KLX_Done;
}

// Both sides start from an empty model; flight mode 0 and curve 0 are the
// controller's as well.
void KLX_ModelNew::MakeNewModel() {
  KLX_DataBaseManager* db = m_Links.db;
  qInfo("KLX_DataBaseManagerResetAllModelData");
  db->KLX_DataBaseManagerResetAllModelData();
  db->KLX_DataBaseManagerFlightmodeGetSet_IsUsed(0, 1, AtomicDirSet, true);
  db->KLX_DataBaseManagerFlightmodeGetSet_Name(0, QStringLiteral("Standard"), AtomicDirSet, true);
  db->KLX_DataBaseManagerFlightmodeGetSet_FadeIn(0, 0, AtomicDirSet, true);
  db->KLX_DataBaseManagerFlightmodeGetSet_FunctionNum(0, 0, AtomicDirSet, true);
  db->KLX_DataBaseManagerCurveGetSet_IsUsed(0, 1, AtomicDirSet, true);
  db->KLX_DataBaseManagerVornPropertiesGetSet_ModelName(KLX_TaskText(m_Task.parastr1), AtomicDirSet, true);
  db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(m_Type, AtomicDirSet, true);
  db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(m_Folder, AtomicDirSet, true);
  // The new model is the current one: a file that failed to load before is
  // no longer kept from being written.
  db->KLX_DataBaseManagerVornPropertiesSetFailedFile(QString());
  db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(true, AtomicDirSet);
  // Both sides hold the new model: it is the current model as a loaded one is.
  db->KLX_DataBaseManagerGetSetModelLoadState(VT::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
  db->KLX_DataBaseManagerSetModelModifyFlag(true);
  db->KLX_DataBaseManagerSetVornModifyFlag(true);
  db->KLX_DataBaseManagerVarioInitComplete();
  m_Links.runtime->KLX_RuntimeDatabaseManagerStartProcessing(true);
  m_State = KLX_MODELNEW_IDLE;
}

int KLX_ModelNew::KLX_VornBaseTimeout() {
  KLX_VornBaseIncErrorCount();
  if (KLX_VornBaseCheckForMaxError()) {
    KLXErrorHandler.RegisterError(kErrRetries, QStringLiteral("Modell new went wrong after retries"));
    return Fail(KLX_Timeout);
  }
  switch (m_State) {
    case KLX_MODELNEW_START_RESP: return SendModelStart();
    case KLX_MODELNEW_END_RESP: return SendModelEnd();
    default:
      KLXErrorHandler.RegisterError(kErrTimeoutState, QStringLiteral("timeout in unknown state"));
      return Fail(KLX_Error);
  }
}
