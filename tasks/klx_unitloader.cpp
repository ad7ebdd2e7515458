#include "tasks/klx_unitloader.h"

#include "frame/klx_errorhandler.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_unitkinds.h"

namespace {
using VT = KLX_VornTask;
constexpr unsigned kErrInit = 0x22301;
constexpr unsigned kErrRetries = 0x22302;
constexpr unsigned kErrTimeoutState = 0x22303;
constexpr unsigned kErrStartRefused = 0x22304;
constexpr unsigned kErrNoStep = 0x22305;
constexpr unsigned kErrHeaderRefused = 0x22306;
constexpr unsigned kErrNotSent = 0x22309;
constexpr unsigned kErrPrepare = 0x2230A;
constexpr unsigned kErrCopy = 0x2230B;
constexpr unsigned kErrNotNew = 0x2230F;
constexpr unsigned kErrPrepareOther = 0x22311;

const char* const kRetriesText = "Unitloading went wrong after retries";

using KLX_UnitKinds::kStatusOk;
using KLX_UnitKinds::kStatusRefused;
constexpr unsigned char kSubStart = KLX_UnitKinds::kUnitStart;
constexpr unsigned char kSubEnd = KLX_UnitKinds::kEnd;
constexpr unsigned char kSubStop = KLX_UnitKinds::kStop;
constexpr unsigned char kSubHeader = KLX_UnitKinds::kHeader;
// One unit is announced, and the controller counts one received.
constexpr unsigned char kOneUnit = 1;

void Report(unsigned code, const char* text = nullptr) {
  KLXErrorHandler.RegisterError(code, text ? QString::fromLatin1(text) : QString());
}
}  // namespace

int KLX_UnitLoader::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                     KLX_RuntimeDatabaseManager* runtime) {
  if (!m_Links.Take(db, protocol, handler, runtime, kErrInit, "Initializing of unitloader went wrong"))
    return KLX_Error;
  KLX_DataBaseTransmitterInitialize(protocol);
  m_State = KLX_UNITLOADER_IDLE;
  for (int& job : m_Jobs) job = 0;
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

int KLX_UnitLoader::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_Pending.NewRun();
  m_State = KLX_UNITLOADER_START;
  return StartStep();
}

int KLX_UnitLoader::KLX_VornBaseCleanUp() {
  m_State = KLX_UNITLOADER_IDLE;
  m_Links.Forget();
  m_Protocol = nullptr;
  m_Task.task = VT::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

bool KLX_UnitLoader::IsNew() const { return m_Task.paraint3 == VT::KLX_TASK_PARA_NEW; }

// A late answer is passed over in every state: taken for a wrong one, it
// would stop and start the load again and leave one more answer on its way
// each time, and the load would go round in circles without end. The
// time-out still restarts a step whose own answer does not come.
int KLX_UnitLoader::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  if (m_Pending.PassOver(m_Update, Awaited())) return KLX_Ok;
  switch (m_State) {
    case KLX_UNITLOADER_START: return StartStep();
    case KLX_UNITLOADER_START_RESP: return StartAnswer();
    case KLX_UNITLOADER_END_RESP: return EndAnswer();
    case KLX_UNITLOADER_END_END_RESP: return EndAnswerWithoutTransfer();
    case KLX_UNITLOADER_TRANSFER_UNIT_HEADER_RESP: return HeaderAnswer();
    case KLX_UNITLOADER_TRANSFER_UNIT_RESP: return UnitAnswer();
    case KLX_UNITLOADER_TRANSFER_UNIT_DATA_SEND_RESP: return SentNotice();
    default:
      SendStop();
      Report(kErrNoStep);
      return KLX_Error;
  }
}

// ---- messages ------------------------------------------------------------------------------

void KLX_UnitLoader::SendStop() { KLX_UnitKinds::SendControl(m_Protocol, kSubStop); }

void KLX_UnitLoader::SendAsked(unsigned char sub, unsigned char b2, unsigned char b3, unsigned char b4) {
  m_Pending.Asked(KLX_AnswerKey::Control(sub));
  KLX_UnitKinds::SendControl(m_Protocol, sub, b2, b3, b4);
}

int KLX_UnitLoader::SendHeader() {
  const int kind = Kind();
  const int count = kind >= 0 && kind < kJobs ? m_Jobs[kind] : 0;
  SendAsked(kSubHeader, static_cast<unsigned char>(kind), kOneUnit, static_cast<unsigned char>(count & 0xFF));
  m_State = KLX_UNITLOADER_TRANSFER_UNIT_HEADER_RESP;
  return KLX_Ok;
}

int KLX_UnitLoader::SendEnd() {
  SendAsked(kSubEnd);
  return KLX_Ok;
}

int KLX_UnitLoader::SendUnit() {
  const unsigned char message = KLX_UnitKinds::UnitMessage(Kind());
  if (!message) {
    Report(kErrNoStep);
    return KLX_Error;
  }
  const int length = KLX_UnitKinds::CopyUnit(m_Links.db, Kind(), Index(), m_Buffer);
  if (length <= 0) {
    Report(kErrCopy);
    return KLX_Error;
  }
  m_State = KLX_UNITLOADER_TRANSFER_UNIT_DATA_SEND_RESP;
  m_Pending.Asked(KLX_AnswerKey::Unit(Kind(), Index() & 0xFF));
  m_Protocol->KLX_ProtocolSendMessage(unsigned(length), reinterpret_cast<const char*>(m_Buffer), message,
                                      KLX_NODE_APPLICATION);
  return KLX_Ok;
}

// ---- the steps -----------------------------------------------------------------------------

int KLX_UnitLoader::PrepareUnit() {
  KLX_DataBaseManager* db = m_Links.db;
  const int kind = Kind();
  switch (kind) {
    case VT::KLX_TASK_PARA_MODEL_ServoConfig: {
      // The servo comes from the screen: one the board lacks is none.
      if (Index() < 0 || Index() >= KLX_UnitKinds::BoardCount(db, kind)) return Indexes_Out_Of_Range;
      const int checked = db->KLX_DataBaseManagerServoConfigNew(Index(), m_Task.paraint3);
      return checked <= KLX_Error ? checked : int(KLX_Ok);
    }
    case VT::KLX_TASK_PARA_MODEL_Function:
    case VT::KLX_TASK_PARA_MODEL_Flightmode:
    case VT::KLX_TASK_PARA_MODEL_Limiter:
    case VT::KLX_TASK_PARA_MODEL_Mixer:
    case VT::KLX_TASK_PARA_MODEL_Sequencer:
    case VT::KLX_TASK_PARA_MODEL_Curve:
    case VT::KLX_TASK_PARA_MODEL_VirtSwitch:
    case VT::KLX_TASK_PARA_MODEL_TeleControl: {
      const int free = KLX_UnitKinds::NextFreeIndex(db, kind);
      if (free < 0) return kind == VT::KLX_TASK_PARA_MODEL_Limiter || free > KLX_Error ? int(KLX_Error) : free;
      m_Task.paraint2 = free;
      return KLX_UnitKinds::Clear(db, kind, free);
    }
    default:
      return KLX_Error;
  }
}

int KLX_UnitLoader::PrepareFailed(int result) {
  SendStop();
  Report(result == KLX_Error ? kErrPrepare : kErrPrepareOther);
  return KLX_Error;
}

int KLX_UnitLoader::StartStep() {
  for (int kind = 0; kind < kJobs; ++kind) m_Jobs[kind] = KLX_UnitKinds::BoardCount(m_Links.db, kind);
  const int prepared = PrepareUnit();
  if (prepared != KLX_Ok) return prepared <= KLX_Error ? prepared : int(KLX_Error);
  SendAsked(kSubStart);
  m_State = KLX_UNITLOADER_START_RESP;
  return KLX_Ok;
}

int KLX_UnitLoader::StartAgain() {
  KLX_VornBaseIncErrorCount();
  SendStop();
  if (KLX_VornBaseCheckForMaxError()) {
    Report(kErrRetries);
    return KLX_Error;
  }
  return StartStep();
}

KLX_AnswerKey KLX_UnitLoader::Awaited() const {
  switch (m_State) {
    case KLX_UNITLOADER_START_RESP: return KLX_AnswerKey::Control(kSubStart);
    case KLX_UNITLOADER_TRANSFER_UNIT_HEADER_RESP: return KLX_AnswerKey::Control(kSubHeader);
    // The unit's answer repeats its kind and index, and counts the unit:
    // unit 0 of a flight mode, a limiter or a sequencer begins as the
    // answer to a start, an end or a header does.
    case KLX_UNITLOADER_TRANSFER_UNIT_RESP: return KLX_AnswerKey::Unit(Kind(), Index() & 0xFF);
    case KLX_UNITLOADER_END_RESP:
    case KLX_UNITLOADER_END_END_RESP:
      return KLX_AnswerKey::Control(kSubEnd);
    default: return {};
  }
}

int KLX_UnitLoader::StartAnswer() {
  if (!KLX_UnitKinds::IsControlAnswer(m_Update, kSubStart)) return StartAgain();
  const int status = m_Update.data[1];
  if (status == kStatusRefused) {
    SendStop();
    Report(kErrStartRefused);
    return KLX_Error;
  }
  if (status != kStatusOk) return StartAgain();
  KLX_VornBaseResetErrorCount();
  m_State = KLX_UNITLOADER_TRANSFER_UNIT_HEADER_RESP;
  if (Kind() == VT::KLX_TASK_PARA_MODEL_ServoConfig) {
    if (KLX_UnitKinds::IsUsed(m_Links.db, Kind(), Index()) == 1) {
      // The controller holds the servo's configuration already: it only
      // hears the new servo mixer and the function's new slot as fields.
      const int setup = SetupUnit();
      if (setup != KLX_Ok) {
        SendStop();
        return setup;
      }
      m_State = KLX_UNITLOADER_END_END_RESP;
      return SendEnd();
    }
    const int cleared = m_Links.db->KLX_DataBaseManagerServoConfigClear(Index());
    if (cleared != KLX_Ok) return PrepareFailed(cleared);
  } else if (IsNew()) {
    const int prepared = PrepareUnit();
    if (prepared != KLX_Ok) return PrepareFailed(prepared);
  }
  return SendHeader();
}

int KLX_UnitLoader::HeaderAnswer() {
  if (!KLX_UnitKinds::IsControlAnswer(m_Update, kSubHeader)) return StartAgain();
  const int status = m_Update.data[1];
  if (status == kStatusRefused) {
    SendStop();
    Report(kErrHeaderRefused);
    return KLX_Error;
  }
  if (status != kStatusOk) return StartAgain();
  KLX_VornBaseResetErrorCount();
  return SendUnit();
}

int KLX_UnitLoader::SentNotice() {
  if (m_Update.para == 0 && m_Update.updateKind == KLX_UPDATE_KIND_LONG_SENT) {
    m_State = KLX_UNITLOADER_TRANSFER_UNIT_RESP;
    return KLX_RestartTimer;
  }
  Report(kErrNotSent);
  return KLX_Error;
}

int KLX_UnitLoader::UnitAnswer() {
  if (m_Update.para != 1 || m_Update.updateKind != KLX_UPDATE_KIND_TRANSCEIVER) return StartAgain();
  const unsigned char* d = m_Update.data;
  if (d[0] == Kind() && d[1] == (Index() & 0xFF) && d[2] == kOneUnit && d[3] == 0) {
    KLX_VornBaseResetErrorCount();
    m_State = KLX_UNITLOADER_END_RESP;
    return SendEnd();
  }
  // The controller did not take this unit: the same unit once more.
  KLX_VornBaseIncErrorCount();
  if (KLX_VornBaseCheckForMaxError()) {
    Report(kErrRetries, kRetriesText);
    return KLX_Error;
  }
  return SendUnit();
}

int KLX_UnitLoader::EndAgain(bool forgetNew) {
  KLX_VornBaseIncErrorCount();
  if (!KLX_VornBaseCheckForMaxError()) return SendEnd();
  if (forgetNew) ForgetNewUnit();
  SendStop();
  Report(kErrRetries);
  return KLX_Error;
}

int KLX_UnitLoader::EndAnswer() {
  if (!KLX_UnitKinds::IsControlAnswer(m_Update, kSubEnd) || m_Update.data[1] != kStatusOk) return EndAgain(true);
  KLX_VornBaseResetErrorCount();
  if (!IsNew() && Kind() != VT::KLX_TASK_PARA_MODEL_ServoConfig) {
    Report(kErrNotNew);
    return KLX_Error;
  }
  if (SetupUnit() != KLX_Ok) {
    Report(kErrRetries);
    return KLX_Error;
  }
  m_State = KLX_UNITLOADER_IDLE;
  return KLX_Done;
}

int KLX_UnitLoader::EndAnswerWithoutTransfer() {
  if (!KLX_UnitKinds::IsControlAnswer(m_Update, kSubEnd) || m_Update.data[1] != kStatusOk) return EndAgain(false);
  KLX_VornBaseResetErrorCount();
  m_State = KLX_UNITLOADER_IDLE;
  return KLX_Done;
}

void KLX_UnitLoader::ForgetNewUnit() {
  if (IsNew()) m_Links.runtime->KLX_RuntimeDatabaseSetUnitNewIndex(KLX_Error, KLX_Error);
}

// Every write goes to the controller as one field, so both sides hold the
// element in use with the same set-up.
int KLX_UnitLoader::SetupUnit() {
  KLX_DataBaseManager* db = m_Links.db;
  KLX_RuntimeDatabaseManager* runtime = m_Links.runtime;
  const int kind = Kind();
  const int index = Index();
  if (index < 0) return KLX_Error;
  if (kind != VT::KLX_TASK_PARA_MODEL_ServoConfig && KLX_UnitKinds::SetUsed(db, kind, index) <= KLX_Error)
    return KLX_Error;
  switch (kind) {
    case VT::KLX_TASK_PARA_MODEL_Function:
      db->KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(index, 0, 0, AtomicDirSet, true);
      db->KLX_DataBaseManagerFlightmodeSetFunctionNum(db->KLX_DataBaseManagerFunctionGetNumber());
      db->KLX_DataBaseManagerFunctionSetSetup(index);
      runtime->KLX_RuntimeDatabaseManagerMarkFunction(index);
      break;
    case VT::KLX_TASK_PARA_MODEL_Flightmode:
      db->KLX_DataBaseManagerFlightmodeSetFunctionNum(db->KLX_DataBaseManagerFunctionGetNumber());
      db->KLX_DataBaseManagerFunctionSetSetupAll(index, true);
      db->KLX_DataBaseManagerMixerSetSetupAll(index, true);
      runtime->KLX_RuntimeDatabaseManagerMarkFlightmode(index);
      break;
    case VT::KLX_TASK_PARA_MODEL_Limiter:
      runtime->KLX_RuntimeDatabaseManagerMarkLimiter(index);
      break;
    case VT::KLX_TASK_PARA_MODEL_Mixer:
      db->KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(index, 0, 0, AtomicDirSet, true);
      db->KLX_DataBaseManagerMixerSetSetup(index);
      runtime->KLX_RuntimeDatabaseManagerMarkMixer(index);
      break;
    case VT::KLX_TASK_PARA_MODEL_Sequencer:
      runtime->KLX_RuntimeDatabaseManagerMarkSequencer(index);
      break;
    case VT::KLX_TASK_PARA_MODEL_ServoConfig: {
      const int function = m_Task.paraint3;
      if (db->KLX_DataBaseManagerServoConfigGetSet_IsUsed(index, 1, AtomicDirSet, true) <= KLX_Error) return KLX_Error;
      const int slot = m_Matrix.KLX_SerFuncMatrixAddServoMixerToServoConfig(index, function, db);
      if (slot == KLX_Error) return KLX_Error;
      if (m_Matrix.KLX_SerFuncMatrixSetIndexToFunction(function, index, slot, db) != KLX_Ok) return KLX_Error;
      break;
    }
    case VT::KLX_TASK_PARA_MODEL_Curve:
    case VT::KLX_TASK_PARA_MODEL_VirtSwitch:
      break;
    case VT::KLX_TASK_PARA_MODEL_TeleControl:
      runtime->KLX_RuntimeDatabaseManagerMarkTeleControl(index);
      break;
    default:
      return KLX_Error;
  }
  runtime->KLX_RuntimeDatabaseSetUnitNewIndex(kind, index);
  return KLX_Ok;
}

// ---- time-out ------------------------------------------------------------------------------

int KLX_UnitLoader::KLX_VornBaseTimeout() {
  KLX_VornBaseIncErrorCount();
  if (KLX_VornBaseCheckForMaxError()) {
    ForgetNewUnit();
    SendStop();
    Report(kErrRetries, kRetriesText);
    return KLX_Timeout;
  }
  switch (m_State) {
    case KLX_UNITLOADER_START_RESP:
    case KLX_UNITLOADER_END_RESP:
    case KLX_UNITLOADER_END_END_RESP:
    case KLX_UNITLOADER_TRANSFER_UNIT_HEADER_RESP:
    case KLX_UNITLOADER_TRANSFER_UNIT_RESP:
    case KLX_UNITLOADER_TRANSFER_UNIT_DATA_SEND_RESP:
      SendStop();
      return StartStep();
    default:
      ForgetNewUnit();
      SendStop();
      Report(kErrTimeoutState, "timeout in unknown state");
      return KLX_Error;
  }
}
