#include "tasks/klx_vornhandler.h"

#include "frame/klx_board.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_guicommandhandler.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "update/klx_filefunctions.h"

namespace {
constexpr unsigned kErrInitialize = 0x1FE01;
constexpr int kNone = KLX_VornTask::KLX_TASK_PARA_NONE;
constexpr int kReady = 1;
constexpr int kBootLoader = 2;
using SM = KLX_VornStateMachine;
using VT = KLX_VornTask;

bool Failed(int result) { return result <= KLX_Error || result == KLX_Timeout; }

// What the GUI hears of a model load: a failure code stays a failure (its low
// three bits would read as done), every result that ends the load as done
// is 0, the rest keeps its low three bits (2 time-out, 1 running ...).
int GuiResultOfModelLoad(int result) {
  if (result <= KLX_Error) return result;
  if (KLX_TaskResultEnd(result) == KLX_TaskEnd::Done) return KLX_Done;
  return result & 7;
}

const char* PhaseName(int phase) {
  switch (phase) {
    case VT::KLX_PHASE_ERROR: return "error";
    case VT::KLX_PHASE_SYNC: return "synchronisation";
    case VT::KLX_PHASE_LOAD_MODEL: return "model load";
    case VT::KLX_PHASE_UPDATE: return "firmware update";
    case VT::KLX_PHASE_BIND_CONFIG: return "binding configuration";
    case VT::KLX_PHASE_SYSTEM_UP: return "system up";
    case VT::KLX_PHASE_MODEL_PREFL: return "preflight check";
    default: return "not valid";
  }
}
}  // namespace

KLX_VornHandler::KLX_VornHandler(QObject* parent) : QObject(parent) {}

KLX_VornHandler::~KLX_VornHandler() {
  m_Engine.KLX_ProcessVornStop();
  m_Db = nullptr;
  m_Runtime = nullptr;
  m_Gui = nullptr;
}

int KLX_VornHandler::KLX_VornHandlerInitialize(KLX_DataBaseManager* db, KLX_Protocol* protocol,
                                               KLX_GuiCommandHandler* gui, KLX_RuntimeDatabaseManager* runtime) {
  if (!db || !protocol || !gui || !runtime) {
    KLXErrorHandler.RegisterError(kErrInitialize, QStringLiteral("Initialization of KLX_VornHandler went wrong"));
    return KLX_Error;
  }
  m_Db = db;
  m_Gui = gui;
  m_Runtime = runtime;
  m_StateMachine.KLX_VornStateMachineInitialize();
  if (m_Engine.KLX_ProcessVornInitialize(db, protocol, this, runtime) != KLX_Ok) return KLX_Error;
  return m_Engine.KLX_ProcessVornStart();
}

int KLX_VornHandler::KLX_VornHandlerStop() {
  m_Engine.KLX_ProcessVornStop();
  return KLX_Ok;
}

int KLX_VornHandler::KLX_VornHandlerStartVorn() {
  if (!m_Db || m_Db->KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet) != VT::KLX_PHASE_NOTVALID)
    return KLX_Error;
  SetPhase(VT::KLX_PHASE_SYNC);
  Task_Data_T sync;
  sync.task = VT::KLX_TASK_SYNC;
  sync.timeout = 2000;
  sync.repeat = 3;
  sync.requeueDelay = 0;
  sync.source = VT::KLX_TASK_SOURCE_VORN;
  return KLX_VornHandlerQueueProcessTask(sync);
}

int KLX_VornHandler::KLX_VornHandlerQueueProcessTask(const Task_Data_T& task) {
  return m_Engine.KLX_ProcessVornQueueTask(task);
}

int KLX_VornHandler::KLX_VornHandlerUpdateProcessTask(const TaskUpdate_Data_T& update) {
  return m_Engine.KLX_ProcessVornUpdateTask(update);
}

int KLX_VornHandler::KLX_VornHandlerResponseProcessTask(const TaskUpdate_Data_T& update) {
  return m_Engine.KLX_ProcessVornResponseTask(update);
}

int KLX_VornHandler::KLX_VornHandlerUpdateSelfProcessTask(const TaskUpdate_Data_T& update) {
  return m_Engine.KLX_ProcessVornSelfTask(update);
}

void KLX_VornHandler::KLX_ProtocolBaseCallback() { m_Engine.KLX_ProcessVornProtocolTask(); }

int KLX_VornHandler::KLX_VornHandlerRequestTask(int task) {
  return m_StateMachine.KLX_VornStateMachineRequestTask(task);
}

void KLX_VornHandler::KLX_VornHandlerInformGui(int state, int result) {
  if (m_Gui) m_Gui->KLX_GuiCommandHandlerSetTaskUpdateFromVorn(state, result);
}

void KLX_VornHandler::SetPhase(int phase) {
  if (!m_Db) return;
  m_Db->KLX_DataBaseManagerGetSetStartupPhases(phase, AtomicDirSet);
  qInfo("  ->   start-up phase: %s", PhaseName(phase));
}

bool KLX_VornHandler::PreflightOn() { return m_Db->KLX_DataBaseManagerPreflightGetSet_IsUsed(false, AtomicDirGet); }

int KLX_VornHandler::QueueOwn(int task, const int (&paraint)[6], int requeueDelay, const QString& text1,
                              const QString& text3) {
  Task_Data_T request;
  request.task = task;
  for (int n = 1; n <= 6; ++n) request.SetParaInt(n, paraint[n - 1]);
  KLX_TaskSetText(request.parastr1, text1);
  KLX_TaskSetText(request.parastr3, text3);
  m_Engine.KLX_ProcessVornGetTimeoutAndRepeat(task, &request.timeout, &request.repeat);
  request.requeueDelay = requeueDelay;
  request.source = VT::KLX_TASK_SOURCE_VORN;
  return KLX_VornHandlerQueueProcessTask(request);
}

int KLX_VornHandler::QueueBindConfig(int paraint2) {
  return QueueOwn(VT::KLX_TASK_BIND_CONFIG, {kNone, paraint2, kNone, kNone, kNone, kNone});
}

int KLX_VornHandler::QueueTeleCapture() {
  // The capture asked for again after a put-back waits 5 s.
  constexpr int kCaptureRequeueMs = 5000;
  return QueueOwn(VT::KLX_TASK_CAPTURE_TELEINFO, {kNone, kNone, kNone, kNone, kNone, VT::KLX_TASK_PARA_FORCE},
                  kCaptureRequeueMs);
}

int KLX_VornHandler::KLX_VornHandlerSetResultTask(int result, int task, int source) {
  const int state = m_StateMachine.KLX_VornStateMachineGetState();
  if (!m_Db || task != KLX_VornStateMachine::KLX_VornStateMachineTaskOfState(state)) {
    m_StateMachine.KLX_VornStateMachineSetResultAndGetState(result, task);
    return KLX_Ok;
  }
  m_StateMachine.KLX_VornStateMachineSetResultAndGetState(result, task);
  switch (state) {
    case SM::KLX_VORN_STATE_SYNC: return SyncEnded(result);
    case SM::KLX_VORN_STATE_STARTUP_MODEL_LOAD: return StartupModelLoadEnded(result);
    case SM::KLX_VORN_STATE_BIND_CONFIG: return BindConfigEnded(result);
    case SM::KLX_VORN_STATE_BINDING: return BindingEnded(result, source);
    case SM::KLX_VORN_STATE_MODEL_LOAD: return ModelLoadEnded(result, source);
    case SM::KLX_VORN_STATE_CAPTURE_TELEINFO:
      if (result == KLX_Done && source == VT::KLX_TASK_SOURCE_GUI) KLX_VornHandlerInformGui(state, result);
      return KLX_Ok;
    case SM::KLX_VORN_STATE_UPDATE_FIRMWARE: return StartupFirmwareEnded(result);
    case SM::KLX_VORN_STATE_MOD_SYNC: return KLX_Ok;
    case SM::KLX_VORN_STATE_UPDATE_FW_ONBOARD:
      if (source == VT::KLX_TASK_SOURCE_VORN) KLX_VornHandlerInformGui(state, result);
      return KLX_Ok;
    default:
      if (source == VT::KLX_TASK_SOURCE_GUI) KLX_VornHandlerInformGui(state, result);
      return KLX_Ok;
  }
}

int KLX_VornHandler::SyncEnded(int result) {
  int boot = m_Db->KLX_DataBaseManagerGetSetBootStatus(0, AtomicDirGet) == VT::KLX_BOOT_STATUS_FASTSTART
                 ? VT::KLX_BOOT_STATUS_FASTSTART
                 : VT::KLX_BOOT_STATUS_NORMAL;
  if (result == KLX_Done) {
    int rc = KLX_Ok;
    if (m_Runtime->KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(0, false) <= 0) {
      boot = VT::KLX_BOOT_STATUS_POWERDOWN;
    } else if (m_Db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet) == 1) {
      m_Db->KLX_DataBaseManagerSetModelModifyFlag(false);
      m_Db->KLX_DataBaseManagerSetSystemModifyFlag(false);
      m_Db->KLX_DataBaseManagerSetVornModifyFlag(false);
      m_Db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(true, AtomicDirSet);
      m_Db->KLX_DatabaseManagerWlanStopProcessing();
      SetPhase(VT::KLX_PHASE_UPDATE);
      // No first screen yet: the firmware task brings its own once it has
      // found something to write, and with nothing the start goes on to
      // the model and the home screen.
      return QueueOwn(VT::KLX_TASK_UPDATE_FIRMWARE, {kNone, 0, kNone, kNone, kNone, kNone});
    } else {
      rc = LoadStartupModel();
    }
    m_Db->KLX_DataBaseManagerGetSetBootStatus(boot, AtomicDirSet);
    return rc;
  }
  if (Failed(result)) {
    m_Db->KLX_DataBaseManagerVornPropertiesGetSet_ModelName(QString::fromLatin1(kBadStartModelName), AtomicDirSet, true);
    SetPhase(VT::KLX_PHASE_ERROR);
    m_Db->KLX_DataBaseManagerGetSetBootStatus(boot, AtomicDirSet);
    return KLX_Error;
  }
  return KLX_Ok;
}

int KLX_VornHandler::LoadStartupModel() {
  const int transceiver = m_Db->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TransceiverState(0, AtomicDirGet);
  const int stick = m_Db->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_StickState(0, AtomicDirGet);
  if (transceiver == kReady && stick == kReady && m_Db->KLX_DataBaseManagerVornPropertiesGetModelName().isEmpty()) {
    // No current model (a fresh card, or the last load failed): there is
    // no file to read, so the start goes on as after a failed load,
    // without reporting a load that was never possible.
    StartWithoutModel();
    m_StateMachine.KLX_VornStateMachineStartupEnded();
    return KLX_Ok;
  }
  if (transceiver == kReady && stick == kReady) {
    const int type = m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet);
    const int rc = QueueOwn(VT::KLX_TASK_MOD_LOAD, {type, VT::KLX_TASK_PARA_MODEL_FastStart, kNone, kNone, kNone, kNone},
                            0, m_Db->KLX_DataBaseManagerVornPropertiesGetModelName(),
                            m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet));
    SetPhase(VT::KLX_PHASE_LOAD_MODEL);
    return rc;
  }
  if ((transceiver == kReady && stick == kBootLoader) || (transceiver == kBootLoader && stick == kReady))
    SetPhase(VT::KLX_PHASE_ERROR);
  return KLX_Ok;
}

bool KLX_VornHandler::ControllerRewritten() {
  const QString stick = Board::IsInitialized() ? Board::m_Instance->SCName() : QString();
  for (const QString& name : {stick, QStringLiteral("TC")})
    if (!name.isEmpty() && m_Db->KLX_DataBaseManagerUpdateGetSetDeviceFilenameFlag(name, AtomicDirGet) == 1) return true;
  return false;
}

int KLX_VornHandler::StartupFirmwareEnded(int result) {
  if (m_Db->KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet) != VT::KLX_PHASE_UPDATE) return KLX_Ok;
  if (result != KLX_Done && !Failed(result)) return KLX_Ok;
  // Controllers that took their new firmware run it from the next power-on:
  // the start stays here and the update screen asks for the restart.
  if (ControllerRewritten() && m_Db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet) == 0)
    return KLX_Ok;
  // The package brings no firmware the controllers lack, or the update
  // failed, its pending flag kept so that the next start tries again: the
  // start goes on to the model with the firmware the controllers run.
  m_Db->KLX_DataBaseManagerGetSetBootStatus(VT::KLX_BOOT_STATUS_NORMAL, AtomicDirSet);
  return LoadStartupModel();
}

int KLX_VornHandler::StartupModelLoadEnded(int result) {
  if (result == KLX_Done) {
    int rc = KLX_Ok;
    if (!PreflightOn() || m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirGet)) {
      rc = QueueBindConfig(VT::KLX_TASK_PARA_MODEL_FastStart);
      SetPhase(VT::KLX_PHASE_BIND_CONFIG);
    } else {
      SetPhase(VT::KLX_PHASE_MODEL_PREFL);
      rc = KLX_Done;
    }
    m_Db->KLX_DataBaseManagerGetSetBootStatus(VT::KLX_BOOT_STATUS_NORMAL, AtomicDirSet);
    return rc;
  }
  if (Failed(result)) {
    if (m_Db->KLX_DataBaseManagerVornPropertiesGetModelName().isEmpty())
      StartWithoutModel();
    else
      StartWithUnloadedModel();
    return KLX_Ok;
  }
  const bool fast = m_Db->KLX_DataBaseManagerGetSetBootStatus(0, AtomicDirGet) == VT::KLX_BOOT_STATUS_FASTSTART;
  m_Db->KLX_DataBaseManagerGetSetBootStatus(fast ? VT::KLX_BOOT_STATUS_FASTSTART : VT::KLX_BOOT_STATUS_NORMAL,
                                            AtomicDirSet);
  return KLX_Ok;
}

void KLX_VornHandler::StartWithoutModel() {
  // No model in the transceiver controller: start without one, and say so
  // in the process-state file.
  m_Db->KLX_DataBaseManagerResetAllModelData();
  m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirSet, true);
  m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirSet, true);
  m_Db->KLX_DataBaseManagerVornPropertiesGetSet_ModelName(QString(), AtomicDirSet, true);
  m_Db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirSet);
  m_Db->KLX_DataBaseManagerGetSetModelLoadState(VT::KLX_MODELLLOAD_STATUS_NOTVALID, AtomicDirSet);
  m_Db->KLX_DataBaseManagerSetModelModifyFlag(false);
  SetPhase(VT::KLX_PHASE_SYSTEM_UP);
  m_Db->KLX_DataBaseManagerGetSetBootStatus(VT::KLX_BOOT_STATUS_NORMAL, AtomicDirSet);
}

void KLX_VornHandler::StartWithUnloadedModel() {
  // The current model could not be loaded. It stays the current model, its
  // name and folder as they are in "Vornstate.xml", so that the next start
  // tries its file again (repaired, or after a card was put back); its file
  // is named as not loaded, which the home screen shows and which keeps the
  // saver from writing the empty model in memory over it.
  if (m_Db->KLX_DataBaseManagerVornPropertiesGetFailedFile().isEmpty()) {
    const QString name = m_Db->KLX_DataBaseManagerVornPropertiesGetModelName();
    const QString folder = KLX_FileNameHandler().KLX_FileNameHandlerCheckModelPath(
        m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet),
        m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet), name);
    m_Db->KLX_DataBaseManagerVornPropertiesSetFailedFile(
        KLX_FileFunctions::KLX_FileFunctionsBoardPath(folder + name + QStringLiteral(".xml")));
  }
  m_Db->KLX_DataBaseManagerResetAllModelData();
  m_Db->KLX_DataBaseManagerGetSetModelLoadState(VT::KLX_MODELLLOAD_STATUS_NOTVALID, AtomicDirSet);
  m_Db->KLX_DataBaseManagerSetModelModifyFlag(false);
  SetPhase(VT::KLX_PHASE_SYSTEM_UP);
  m_Db->KLX_DataBaseManagerGetSetBootStatus(VT::KLX_BOOT_STATUS_NORMAL, AtomicDirSet);
}

int KLX_VornHandler::BindConfigEnded(int result) {
  if (result == KLX_Done) {
    const int rc = QueueTeleCapture();
    SetPhase(VT::KLX_PHASE_SYSTEM_UP);
    return rc;
  }
  if (Failed(result)) {
    SetPhase(VT::KLX_PHASE_ERROR);
    return KLX_Error;
  }
  return KLX_Ok;
}

int KLX_VornHandler::BindingEnded(int result, int source) {
  int rc = KLX_Ok;
  if (result == KLX_Done)
    rc = QueueTeleCapture();
  else if (Failed(result))
    rc = KLX_Error;
  if (source == VT::KLX_TASK_SOURCE_GUI) KLX_VornHandlerInformGui(SM::KLX_VORN_STATE_BINDING, result);
  return rc;
}

int KLX_VornHandler::ModelLoadEnded(int result, int source) {
  if (source == VT::KLX_TASK_SOURCE_GUI)
    KLX_VornHandlerInformGui(SM::KLX_VORN_STATE_MODEL_LOAD, GuiResultOfModelLoad(result));
  if (result != KLX_Done) return KLX_Ok;
  if (PreflightOn()) {
    SetPhase(VT::KLX_PHASE_MODEL_PREFL);
    return KLX_Done;
  }
  const int rc = QueueBindConfig(kNone);
  SetPhase(VT::KLX_PHASE_BIND_CONFIG);
  return rc;
}
