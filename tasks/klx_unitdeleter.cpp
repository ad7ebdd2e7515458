#include "tasks/klx_unitdeleter.h"

#include "frame/klx_errorhandler.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_unitkinds.h"

namespace {
using VT = KLX_VornTask;
constexpr unsigned kErrInit = 0x22401;
constexpr unsigned kErrRetries = 0x22402;
constexpr unsigned kErrTimeoutState = 0x22403;
constexpr unsigned kErrNoStep = 0x22404;
constexpr unsigned kErrRefused = 0x22405;

constexpr unsigned char kSubDelete = KLX_UnitKinds::kUnitDelete;
constexpr unsigned char kDeleted = KLX_UnitKinds::kStatusOk;
}  // namespace

int KLX_UnitDeleter::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                      KLX_RuntimeDatabaseManager* runtime) {
  if (!m_Links.Take(db, protocol, handler, runtime, kErrInit, "Initializing of unitdeleter went wrong"))
    return KLX_Error;
  KLX_DataBaseTransmitterInitialize(protocol);
  m_State = KLX_UNITDELETER_IDLE;
  m_DeleteInController = 0;
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

int KLX_UnitDeleter::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_Pending.NewRun();
  m_State = KLX_UNITDELETER_CHECK;
  // The saver waits while the element goes; the edits made before stay
  // marked for it (End).
  m_ModelHeld = m_Links.db->KLX_DataBaseManagerHoldModelChanges();
  m_ModelChanged = false;
  return Check();
}

int KLX_UnitDeleter::KLX_VornBaseCleanUp() {
  m_State = KLX_UNITDELETER_IDLE;
  m_Links.Forget();
  m_Protocol = nullptr;
  m_Task.task = VT::KLX_TASK_NONE;
  m_Update.para = 0;
  m_Servos.clear();
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

int KLX_UnitDeleter::End(int result) {
  m_Links.db->KLX_DataBaseManagerGiveBackModelChanges(m_ModelHeld);
  if (m_ModelChanged) m_Links.db->KLX_DataBaseManagerSetModelModifyFlag(true);
  return result;
}

int KLX_UnitDeleter::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  // The late answer to a delete asked before is no answer for another unit.
  if (m_Pending.PassOver(m_Update, Awaited())) return KLX_Ok;
  switch (m_State) {
    case KLX_UNITDELETER_CHECK: return Check();
    case KLX_UNITDELETER_START: return SendRequest();
    case KLX_UNITDELETER_START_RESP: return Answer();
    default:
      KLXErrorHandler.RegisterError(kErrNoStep, QString());
      return End(KLX_Error);
  }
}

int KLX_UnitDeleter::Check() {
  KLX_DataBaseManager* db = m_Links.db;
  // The index comes from the screen: one beyond the kind's count is none.
  const int count = Kind() == VT::KLX_TASK_PARA_MODEL_FmAssign ? db->KLX_DataBaseManagerGetMaxFMControls()
                                                              : KLX_UnitKinds::BoardCount(db, Kind());
  if (count > 0 && (Index() < 0 || Index() >= count)) return End(Indexes_Out_Of_Range);
  // A servo leaves one of the board's functions.
  if (Kind() == VT::KLX_TASK_PARA_MODEL_ServoConfig &&
      (m_Task.paraint3 < 0 || m_Task.paraint3 >= db->KLX_DataBaseManagerGetMaxFunctions()))
    return End(Indexes_Out_Of_Range);
  m_DeleteInController = 1;
  if (Kind() == VT::KLX_TASK_PARA_MODEL_ServoConfig &&
      m_Matrix.KLX_SerFuncMatrixOtherFunctionsUseThisServo(m_Task.paraint3, Index(), db)) {
    // Another function keeps the servo: it only leaves this function.
    m_DeleteInController = 0;
    DeleteInDatabase();
    m_ModelChanged = true;
    m_State = KLX_UNITDELETER_IDLE;
    return End(KLX_Done);
  }
  if (Kind() == VT::KLX_TASK_PARA_MODEL_Function)
    m_Matrix.KLX_SerFuncMatrixGetAllServosFromFunction(Index(), &m_Servos, db);
  return SendRequest();
}

KLX_AnswerKey KLX_UnitDeleter::Awaited() const {
  if (m_State != KLX_UNITDELETER_START_RESP) return {};
  return {kSubDelete, Kind() & 0xFF, Index() & 0xFF};
}

int KLX_UnitDeleter::SendRequest() {
  m_Pending.Asked({kSubDelete, Kind() & 0xFF, Index() & 0xFF});
  KLX_UnitKinds::SendControl(m_Protocol, kSubDelete, static_cast<unsigned char>(Kind() & 0xFF),
                             static_cast<unsigned char>(Index() & 0xFF));
  m_State = KLX_UNITDELETER_START_RESP;
  return KLX_Ok;
}

int KLX_UnitDeleter::Answer() {
  if (KLX_UnitKinds::IsControlAnswer(m_Update, kSubDelete) && m_Update.data[1] == (Kind() & 0xFF) &&
      m_Update.data[2] == (Index() & 0xFF)) {
    if (m_Update.data[3] != kDeleted) {
      KLXErrorHandler.RegisterError(kErrRefused, QString());
      return End(KLX_Error);
    }
    KLX_VornBaseResetErrorCount();
    DeleteInDatabase();
    m_ModelChanged = true;
    m_State = KLX_UNITDELETER_IDLE;
    return End(KLX_Done);
  }
  // An answer for another unit, or none at all: the request once more.
  KLX_VornBaseIncErrorCount();
  if (KLX_VornBaseCheckForMaxError()) {
    KLXErrorHandler.RegisterError(kErrRetries, QString());
    return End(KLX_Error);
  }
  return SendRequest();
}

void KLX_UnitDeleter::DeleteInDatabase() {
  KLX_DataBaseManager* db = m_Links.db;
  KLX_RuntimeDatabaseManager* runtime = m_Links.runtime;
  const int index = Index();
  switch (Kind()) {
    case VT::KLX_TASK_PARA_MODEL_Function:
      db->KLX_DataBaseManagerFunctionDelete(index, &m_Servos);
      db->KLX_DataBaseManagerFlightmodeSetFunctionNum(db->KLX_DataBaseManagerFunctionGetNumber());
      runtime->KLX_RuntimeDatabaseManagerMarkFunction(index);
      break;
    case VT::KLX_TASK_PARA_MODEL_Flightmode:
      db->KLX_DataBaseManagerFlightmodeDelete(index);
      db->KLX_DataBaseManagerFlightmodeSetFunctionNum(db->KLX_DataBaseManagerFunctionGetNumber());
      db->KLX_DataBaseManagerFunctionSetSetupAll(index, false);
      db->KLX_DataBaseManagerMixerSetSetupAll(index, false);
      db->KLX_DataBaseManagerTrimsSetTrimValueZeros(index);
      runtime->KLX_RuntimeDatabaseManagerMarkFlightmode(index);
      break;
    case VT::KLX_TASK_PARA_MODEL_Limiter:
      db->KLX_DataBaseManagerLimiterDelete(index);
      runtime->KLX_RuntimeDatabaseManagerMarkLimiter(index);
      break;
    case VT::KLX_TASK_PARA_MODEL_Mixer:
      // The curves the mixer held go back with it, as a function's do.
      db->KLX_DataBaseManagerMixerClear(index);
      runtime->KLX_RuntimeDatabaseManagerMarkMixer(index);
      break;
    case VT::KLX_TASK_PARA_MODEL_Sequencer:
      db->KLX_DataBaseManagerSequencerDelete(index);
      runtime->KLX_RuntimeDatabaseManagerMarkSequencer(index);
      break;
    case VT::KLX_TASK_PARA_MODEL_ServoConfig:
      db->KLX_DataBaseManagerServoConfigDelete(index, m_Task.paraint3, m_DeleteInController != 0);
      runtime->KLX_RuntimeDatabaseManagerMarkServoConfig(index);
      break;
    case VT::KLX_TASK_PARA_MODEL_Curve:
      db->KLX_DataBaseManagerCurveDelete(index);
      runtime->KLX_RuntimeDatabaseManagerMarkCurve(index);
      break;
    case VT::KLX_TASK_PARA_MODEL_VirtSwitch:
      db->KLX_DataBaseManagerSwitchDelete(index);
      runtime->KLX_RuntimeDatabaseManagerMarkSwitch(index);
      break;
    case VT::KLX_TASK_PARA_MODEL_FmAssign:
      db->KLX_DataBaseManagerFlightmodeAssignDeleteControl(index, true);
      runtime->KLX_RuntimeDatabaseManagerMarkFlightmodeAss();
      break;
    case VT::KLX_TASK_PARA_MODEL_TeleControl:
      KLX_UnitKinds::DeleteTeleControl(db, index);
      runtime->KLX_RuntimeDatabaseManagerMarkTeleControl(index);
      break;
    default:
      break;
  }
}

int KLX_UnitDeleter::KLX_VornBaseTimeout() {
  KLX_VornBaseIncErrorCount();
  if (KLX_VornBaseCheckForMaxError()) {
    KLXErrorHandler.RegisterError(kErrRetries, QStringLiteral("Unitloading went wrong after retries"));
    return End(KLX_Timeout);
  }
  if (m_State == KLX_UNITDELETER_START_RESP) return SendRequest();
  KLXErrorHandler.RegisterError(kErrTimeoutState, QStringLiteral("timeout in unknown state"));
  return End(KLX_Error);
}
