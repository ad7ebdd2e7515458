#include "tasks/klx_modelloader.h"

#include <QDateTime>

#include <algorithm>
#include <cstring>
#include <memory>

#include "frame/klx_errorhandler.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"

namespace {
constexpr unsigned kErrInit = 0x22001;
constexpr unsigned kErrRetries = 0x22002;
constexpr unsigned kErrTimeoutState = 0x22003;
constexpr unsigned kErrStartRefused = 0x22004;
constexpr unsigned kErrNoStep = 0x22005;
constexpr unsigned kErrHeaderRefused = 0x22006;
constexpr unsigned kErrRead = 0x22008;
constexpr unsigned kErrNotSent = 0x22009;
constexpr unsigned kErrCrcPart = 0x2200D;
constexpr unsigned kErrNoUnlock = 0x2200E;
constexpr unsigned kErrTeleImage = 0x22010;
constexpr unsigned kErrTeleIndex = 0x22011;
constexpr unsigned kHintLoaded = 0x4200A;
constexpr unsigned kHintFastStarted = 0x4200B;
constexpr unsigned kHintCrc = 0x42603;
constexpr unsigned kHintCrcTc = 0x42604;

const QString kRetriesText = QStringLiteral("Modelloading went wrong after retries");

// Sub-commands of the loader control message, and the first byte of the
// controller's answer to each.
constexpr unsigned char kControl = 1;
constexpr unsigned char kSubEnd = 2;
constexpr unsigned char kSubStop = 3;
constexpr unsigned char kSubHeader = 4;
constexpr unsigned char kSubStart = 8;
constexpr unsigned char kAnswerStart = 1;
constexpr unsigned char kStatusOk = 0;
constexpr unsigned char kStatusRefused = 3;
// The transceiver handler's sub-codes for the checksum part and the controls answer.
constexpr unsigned char kCrcPartAnswer = 6;
constexpr unsigned char kControlsAnswer = 9;
// A sensor notice (transceiver message 5) reaches every task.
constexpr int kSensorNotice = 14;
// The file reader's own notices: the functions are in, the read has ended.
// `para` of the record is this marker, data 0 the stage, data 1-4 the read.
constexpr int kReadNotice = 0x4C52;
constexpr unsigned char kFunctionsIn = 1;
constexpr unsigned char kReadEnded = 2;

// One kind of element: its count on this board, its used query (none: every
// index counts), its unit image and the message that carries one unit.
struct CModelUnits {
  int (*count)(KLX_DataBaseManager*);
  int (*used)(KLX_DataBaseManager*, int);
  int (*image)(KLX_DataBaseManager*, int, unsigned char*);
  unsigned char message;
};

// clang-format off
#define KLX_UNIT_ROW(K, Max, Msg)                                                                    \
  {[](KLX_DataBaseManager* d) { return d->KLX_DataBaseManager##Max(); },                             \
   [](KLX_DataBaseManager* d, int i) { return d->KLX_DataBaseManager##K##GetSet_IsUsed(i, 0, AtomicDirGet, true); }, \
   [](KLX_DataBaseManager* d, int i, unsigned char* b) { return d->KLX_DataBaseManager##K##CopyUnit(i, b); }, \
   Msg}
// clang-format on

// In the order of the element kinds the controller reports back.
const CModelUnits kUnits[KLX_ModelLoader::kJobs] = {
    KLX_UNIT_ROW(Function, GetMaxFunctions, KLX_MSG_UNIT_FUNCTION),
    KLX_UNIT_ROW(Flightmode, GetMaxFlightmodes, KLX_MSG_UNIT_FLIGHTMODE),
    KLX_UNIT_ROW(Limiter, GetMaxLimiter, KLX_MSG_UNIT_LIMITER),
    KLX_UNIT_ROW(Mixer, GetMaxMixer, KLX_MSG_UNIT_MIXER),
    KLX_UNIT_ROW(Sequencer, GetMaxSequncer, KLX_MSG_UNIT_SEQUENCER),
    KLX_UNIT_ROW(ServoConfig, GetMaxServos, KLX_MSG_UNIT_SERVOCONFIG),
    KLX_UNIT_ROW(Curve, GetMaxCurves, KLX_MSG_UNIT_CURVE),
    KLX_UNIT_ROW(Switch, GetMaxVirualSwitches, KLX_MSG_UNIT_VSWITCH),
    {[](KLX_DataBaseManager* d) { return d->KLX_DataBaseManagerGetFlightmodeAssign(); }, nullptr,
     [](KLX_DataBaseManager* d, int i, unsigned char* b) {
       return d->KLX_DataBaseManagerFlightmodeAssignCopyUnit_A(i, b);
     },
     KLX_MSG_UNIT_FMASSIGN},
    {[](KLX_DataBaseManager* d) { return d->KLX_DataBaseManagerGetMaxTrim(); }, nullptr,
     [](KLX_DataBaseManager* d, int i, unsigned char* b) { return d->KLX_DataBaseManagerTrimCopyUnit(i, b); },
     KLX_MSG_UNIT_TRIM},
    // The four special switches travel as one record.
    {[](KLX_DataBaseManager*) { return 1; }, nullptr,
     [](KLX_DataBaseManager* d, int i, unsigned char* b) {
       return d->KLX_DataBaseManagerSpecialSwitchCopyUnit_A(i, b);
     },
     KLX_MSG_UNIT_SPECIALSWITCH},
    // The telemetry controls' store carries no facade accessors yet: its own
    // used flag and unit image.
    {[](KLX_DataBaseManager* d) { return d->KLX_DataBaseManagerGetMaxTeleControls(); },
     [](KLX_DataBaseManager* d, int i) {
       KLX_TeleControl* t = d->KLX_DataBaseManagerGetTeleControlObject();
       return t ? t->IsUsed(i) : int(KLX_Error);
     },
     [](KLX_DataBaseManager* d, int i, unsigned char* b) {
       KLX_TeleControl* t = d->KLX_DataBaseManagerGetTeleControlObject();
       return t ? t->CopyUnitImage(i, b, kErrTeleImage, kErrTeleIndex) : int(KLX_Error);
     },
     KLX_MSG_UNIT_TELECONTROL},
};
#undef KLX_UNIT_ROW

// Reading threads that have not ended, of every loader.
std::atomic<int> g_ReadersAlive{0};

QString Hex8(unsigned value) { return QStringLiteral("%1").arg(value, 8, 16, QChar('0')).toUpper(); }

QString Now() { return QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss,zzz")); }

unsigned Le32(const unsigned char* p) {
  return unsigned(p[0]) | (unsigned(p[1]) << 8) | (unsigned(p[2]) << 16) | (unsigned(p[3]) << 24);
}
}  // namespace

// What a reading thread works with, kept alive by the thread as long as it runs.
struct KLX_ModelLoader::ReadJob {
  KLX_XMLFileHandler files{QStringLiteral("KLX_ModelLoader")};
  std::shared_ptr<KLX_XMLReadGate> gate = std::make_shared<KLX_XMLReadGate>();
  // The section after the functions has not come yet since theirs (the reading thread's own).
  bool functionsSeen = false;
};

// The gate held for a scope, where taken.
class KLX_ReadHold {
 public:
  explicit KLX_ReadHold(KLX_XMLReadGate& gate) : m_Gate(gate), m_Held(gate.Enter()) {}
  ~KLX_ReadHold() {
    if (m_Held) m_Gate.Leave();
  }
  KLX_ReadHold(const KLX_ReadHold&) = delete;
  KLX_ReadHold& operator=(const KLX_ReadHold&) = delete;
  explicit operator bool() const { return m_Held; }

 private:
  KLX_XMLReadGate& m_Gate;
  const bool m_Held;
};

KLX_ModelLoader::KLX_ModelLoader(QObject* parent) : QObject(parent) { KLX_VornBaseCleanUp(); }

KLX_ModelLoader::~KLX_ModelLoader() { StopReading(); }

int KLX_ModelLoader::KLX_ModelLoaderReadersAlive() { return g_ReadersAlive; }

void KLX_ModelLoader::KLX_ModelLoaderInitialize() {
  m_State = KLX_MODELLOADER_IDLE;
  m_JobIndex = 0;
  for (KLX_Modelloader_JobList& job : m_Jobs) job = KLX_Modelloader_JobList();
  m_JobListEmpty = true;
  KLX_VornBaseResetErrorCount();
}

int KLX_ModelLoader::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                      KLX_RuntimeDatabaseManager* runtime) {
  if (!m_Links.Take(db, protocol, handler, runtime, kErrInit, "Initializing of modelloader went wrong"))
    return KLX_Error;
  KLX_DataBaseTransmitterInitialize(protocol);
  KLX_ModelLoaderInitialize();
  return m_Checker.KLX_ModelCheckerInitialize(db, runtime);
}

int KLX_ModelLoader::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_Pending.NewRun();
  m_Retries = 0;
  m_StartMs = m_Clock->KLX_ClockNowMs();
  m_ControlsLocked = false;
  m_Links.db->KLX_DataBaseManagerGetSet_ControlsLocked(false, AtomicDirSet);
  m_State = KLX_TRIM_MODIFY_FREEZE_CONTROLS;
  if (m_Task.paraint3 != KLX_VornTask::KLX_TASK_PARA_TRIM_MODIFY) {
    m_ModelName.clear();
    m_ModelFolder.clear();
    m_ModelType = 0;
    m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirSet);
    m_Links.db->KLX_DataBaseManagerModelCRCGetSet_AlarmBadModelDataFlag(false, AtomicDirSet);
    m_Links.runtime->KLX_RuntimeDatabaseManagerStopProcessing();
    m_State = KLX_MODELLOADER_START;
  }
  qInfo("_______________________________ START LOADING MODEL: %s", qPrintable(Now()));
  return EndAfterRead(KLX_ModelLoaderHandleProgress());
}

int KLX_ModelLoader::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  return EndAfterRead(KLX_ModelLoaderHandleProgress());
}

int KLX_ModelLoader::EndAfterRead(int result) {
  if (!KLX_TaskResultIsFinal(result)) return result;
  // A late answer of the load has the form of answers the next task waits
  // for (the end's that of the binding configuration): coming after the
  // end, it would be taken as that task's. The load waits for it first.
  // The end reaches the task handler and the screens, which may clear the
  // model or show it: the file's reader must have stopped writing into the
  // stores by then, leaving them whole as read (or empty, had the read
  // failed), never filling. The load waits for the read's end, up to its
  // own deadline.
  const bool late = result == KLX_Done && m_Pending.LateOwed();
  const bool reading = m_ReadStage == ReadRunning;
  if (m_State != KLX_MODELLOADER_ENDING && (late || (reading && !TimeIsUp()))) {
    m_EndResult = result;
    m_State = KLX_MODELLOADER_ENDING;
    m_EndingSinceMs = m_Clock->KLX_ClockNowMs();
    return KLX_Ok;
  }
  StopReading();
  // A read that never ended (a card that hangs) was called off part way:
  // nothing half read stays.
  if (reading) m_Links.db->KLX_DataBaseManagerResetAllModelData();
  return result;
}

int KLX_ModelLoader::EndingStep() {
  if (IsReadNotice()) {
    int generation = 0;
    std::memcpy(&generation, m_Update.data + 1, sizeof(generation));
    if (generation == m_ReadGeneration && m_Update.data[0] == kReadEnded && m_ReadStage == ReadRunning) {
      StopReading();
      m_ReadStage = ReadDone;
    }
  } else {
    // Whatever comes meanwhile is no answer of the next task's: it waits.
    m_Pending.PassOver(m_Update, KLX_AnswerKey());
  }
  if (m_ReadStage == ReadRunning) return TimeIsUp() ? m_EndResult : int(KLX_Ok);
  if (m_Pending.LateOwed() && m_Clock->KLX_ClockNowMs() - m_EndingSinceMs < KLX_VornBaseGetTimeout()) return KLX_Ok;
  return m_EndResult;
}

int KLX_ModelLoader::KLX_VornBaseCleanUp() {
  StopReading();
  m_ReadStage = ReadIdle;
  m_EarlyFunctions = false;
  m_Prepared = PreparedUnit();
  m_FunctionSnapshot.clear();
  m_State = KLX_MODELLOADER_IDLE;
  m_ModelName.clear();
  m_ModelFolder.clear();
  m_ModelType = 0;
  m_Task.task = KLX_VornTask::KLX_TASK_NONE;
  m_Update.para = 0;
  m_JobCount = 0;
  return KLX_Ok;
}

int KLX_ModelLoader::KLX_ModelLoaderHandleProgress() {
  // Before the sensor notices: with them coming all the time the waits
  // must still end. Each of them restarts the engine's time-out, which then
  // never comes: the load's deadline is looked at on every record.
  if (m_State == KLX_MODELLOADER_ENDING) return EndingStep();
  if (PastDeadline()) return GiveUp();
  if (m_Update.para == kSensorNotice && m_Update.data[0] == 0 && m_Update.data[1] == 0) return KLX_Ok;
  // A late answer to a request asked before: the load goes on where it is.
  if (m_Pending.PassOver(m_Update, Awaited())) return KLX_Ok;
  int result;
  if (IsReadNotice()) {
    result = ReadNotice();
    if (result == KLX_Error) emit m_Links.db->error_model_loading();
    return result;
  }
  switch (m_State) {
    case KLX_MODELLOADER_START:
      result = KLX_MODELLOADER_START_Step();
      break;
    case KLX_MODELLOADER_START_RESP:
      result = KLX_MODELLOADER_START_RESP_Step();
      break;
    case KLX_MODELLOADER_END_RESP:
      result = KLX_MODELLOADER_END_RESP_Step();
      break;
    case KLX_MODELLOADER_TRANSFER_UNIT_HEADER_RESP:
      result = KLX_MODELLOADER_TRANSFER_UNIT_HEADER_RESP_Step();
      break;
    case KLX_MODELLOADER_TRANSFER_UNIT:
      result = KLX_MODELLOADER_TRANSFER_UNIT_Step();
      break;
    case KLX_MODELLOADER_TRANSFER_UNIT_RESP:
      result = KLX_MODELLOADER_TRANSFER_UNIT_RESP_Step();
      break;
    case KLX_MODELLOADER_TRANSFER_UNIT_DATA_SEND_RESP:
      result = KLX_MODELLOADER_TRANSFER_UNIT_DATA_SEND_RESP_Step();
      break;
    case KLX_MODELLOADER_FASTSTART_CRC_RESP:
      result = KLX_MODELLOADER_FASTSTART_CRC_RESP_Step();
      break;
    case KLX_MODELLOADER_FASTSTART_UNLOCKCTRL_RESP:
      result = KLX_MODELLOADER_FASTSTART_UNLOCKCTRL_RESP_Step();
      break;
    case KLX_TRIM_MODIFY_FREEZE_CONTROLS:
      result = KLX_TRIM_MODIFY_FREEZE_CONTROLS_Step(true);
      break;
    case KLX_TRIM_MODIFY_FREEZE_CONTROLS_RESP_NEWTRIMS:
      result = KLX_TRIM_MODIFY_FREEZE_CONTROLS_RESP_NEWTRIMS_Step();
      break;
    case KLX_TRIM_MODIFY_UNFREEZE_CONTROLS_RESP_DONE:
      result = KLX_TRIM_MODIFY_UNFREEZE_CONTROLS_RESP_DONE_Step();
      break;
    case KLX_MODELLOADER_READING:
      // Nothing is awaited from the controller while the file is read.
      result = KLX_Ok;
      break;
    default:
      SendStop();
      KLXErrorHandler.RegisterError(kErrNoStep, QString());
      result = KLX_Error;
      break;
  }
  if (result == KLX_Error) emit m_Links.db->error_model_loading();
  return result;
}

// ---- messages ------------------------------------------------------------------------------

int KLX_ModelLoader::SendControl(unsigned char sub, unsigned char b2, unsigned char b3, unsigned char b4) {
  const char message[8] = {char(kControl), char(sub), char(b2), char(b3), char(b4), 0, 0, 0};
  // A start of either kind is answered under the units' start; a stop is not answered.
  if (sub != kSubStop) m_Pending.Asked(KLX_AnswerKey::Control(sub == kSubStart ? kAnswerStart : sub));
  return m_Protocol
             ? m_Protocol->KLX_ProtocolSendMessage(sizeof(message), message, KLX_MSG_LOADER, KLX_NODE_APPLICATION)
             : int(KLX_Error);
}

int KLX_ModelLoader::SendStop() { return SendControl(kSubStop); }

bool KLX_ModelLoader::IsLoaderAnswer() const {
  return m_Update.updateKind == KLX_UPDATE_KIND_TRANSCEIVER && m_Update.para == kControl;
}

KLX_AnswerKey KLX_ModelLoader::Awaited() const {
  switch (m_State) {
    case KLX_MODELLOADER_START_RESP: return KLX_AnswerKey::Control(kAnswerStart);
    case KLX_MODELLOADER_TRANSFER_UNIT_HEADER_RESP: return KLX_AnswerKey::Control(kSubHeader);
    case KLX_MODELLOADER_TRANSFER_UNIT_RESP:
      // The unit's answer repeats its kind and index.
      return KLX_AnswerKey::Unit(m_Jobs[m_JobIndex].kind, m_UnitIndex & 0xFF);
    case KLX_MODELLOADER_END_RESP: return KLX_AnswerKey::Control(kSubEnd);
    case KLX_MODELLOADER_FASTSTART_CRC_RESP: return {kCrcPartAnswer, m_CrcPartRequested};
    case KLX_MODELLOADER_FASTSTART_UNLOCKCTRL_RESP:
    case KLX_TRIM_MODIFY_FREEZE_CONTROLS_RESP_NEWTRIMS:
    case KLX_TRIM_MODIFY_UNFREEZE_CONTROLS_RESP_DONE:
      return {kControlsAnswer};
    default: return {};
  }
}

bool KLX_ModelLoader::IsControlsAnswer() const {
  return m_Update.updateKind == KLX_UPDATE_KIND_TRANSCEIVER && m_Update.para == 1 &&
         m_Update.data[0] == kControlsAnswer;
}

// ---- the normal load -----------------------------------------------------------------------

int KLX_ModelLoader::KLX_MODELLOADER_START_Step() {
  // Texts in requests are UTF-8, as every part of the program writes them.
  m_ModelName = KLX_TaskText(m_Task.parastr1);
  m_ModelFolder = KLX_TaskText(m_Task.parastr3);
  if (m_Task.paraint3 != KLX_VornTask::KLX_TASK_PARA_TRIM_MODIFY) m_ModelType = m_Task.paraint1;
  if (m_Task.paraint2 == KLX_VornTask::KLX_TASK_PARA_MODEL_FastStart &&
      m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirGet, true))
    return KLX_ModelLoader_GET_CRC_BY_FASTSTART();
  m_Links.db->KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_NOTVALID, AtomicDirSet);
  m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirSet, true);
  SendControl(kSubStart);
  m_State = KLX_MODELLOADER_START_RESP;
  KLX_VornBaseSetPercent(0, 0, 0);
  return KLX_Ok;
}

int KLX_ModelLoader::KLX_MODELLOADER_START_RESP_Step() {
  if (!IsLoaderAnswer() || m_Update.data[0] != kAnswerStart) return try2reload_all_model();
  const int status = m_Update.data[1];
  if (status == kStatusRefused) {
    SendStop();
    KLXErrorHandler.RegisterError(kErrStartRefused, QString());
    return KLX_Error;
  }
  if (status != kStatusOk) return try2reload_all_model();
  KLX_VornBaseResetErrorCount();
  return StartReading(false);
}

// ---- the file read beside the load ---------------------------------------------------------

int KLX_ModelLoader::StartReading(bool fast) {
  StopReading();
  const int generation = ++m_ReadGeneration;
  {
    QMutexLocker lock(&m_ReadMutex);
    m_ReadResult = KLX_Error;
    m_ReadPosted = false;
    m_FunctionSnapshot.clear();
    m_SnapshotTaken = false;
  }
  m_EarlyFunctions = false;
  m_Prepared = PreparedUnit();
  m_ReadStage = ReadRunning;
  m_ReadFast = fast;
  m_State = KLX_MODELLOADER_READING;
  auto job = std::make_shared<ReadJob>();
  job->files.KLX_XMLFileHandlerInitialize(m_Links.db);
  job->files.Model().KLX_XMLModelSetReadGate(job->gate);
  // The job holds its file handler, which holds this hook: a plain pointer
  // back, or the job would hold itself.
  ReadJob* own = job.get();
  job->files.Model().KLX_XMLModelSetSectionHook([this, own, fast, generation, hook = m_ReadHook](const QString& element) {
    {
      const KLX_ReadHold hold(*own->gate);
      if (!hold) return;
      if (!fast) TakeFunctions(element, &own->functionsSeen, generation);
    }
    if (hook) hook(element);
  });
  m_Read = job;
  ++g_ReadersAlive;
  m_Reader = std::thread([this, job, generation, name = m_ModelName, folder = m_ModelFolder,
                          type = m_ModelType]() mutable {
    const int result = job->files.KLX_XMLFileHandlerReadModelFile(name + QStringLiteral(".xml"), name, type, folder);
    {
      // Called off, the loader may be gone: nothing of it is touched.
      const KLX_ReadHold hold(*job->gate);
      if (hold) {
        {
          QMutexLocker lock(&m_ReadMutex);
          m_ReadResult = result;
          m_ReadBytes = job->files.KLX_XMLFileHandlerLastReadBytes();
          m_ReadPosted = true;
        }
        PostReadNotice(kReadEnded, generation);
        ++m_ReadsEnded;
      }
    }
    job.reset();
    --g_ReadersAlive;
  });
  return KLX_Ok;
}

void KLX_ModelLoader::TakeFunctions(const QString& element, bool* functionsSeen, int generation) {
  // Once the section after the functions is in, the functions are as the
  // file has them (for a file of this board); their images are taken here,
  // before later sections go on.
  if (element == QLatin1String("FUNCTION")) {
    *functionsSeen = true;
    return;
  }
  // Once per read: a corrected file read again brings its functions twice.
  if (!*functionsSeen || m_SnapshotTaken) return;
  *functionsSeen = false;
  QVector<QPair<int, QByteArray>> images;
  const CModelUnits& unit = kUnits[KLX_VornTask::KLX_TASK_PARA_MODEL_Function];
  unsigned char buffer[sizeof(m_SendBuffer)];
  for (int i = 0; i < unit.count(m_Links.db); ++i) {
    if (unit.used(m_Links.db, i) != 1) continue;
    const int length = unit.image(m_Links.db, i, buffer);
    images.append({i, length > 0 ? QByteArray(reinterpret_cast<const char*>(buffer), length) : QByteArray()});
  }
  {
    QMutexLocker lock(&m_ReadMutex);
    m_FunctionSnapshot = images;
    m_SnapshotTaken = true;
  }
  PostReadNotice(kFunctionsIn, generation);
}

void KLX_ModelLoader::StopReading() {
  if (!m_Read) return;
  // Once the gate is shut the reader touches neither the stores nor the
  // loader: it may be left to end by itself.
  m_Read->gate->Stop();
  bool posted;
  {
    QMutexLocker lock(&m_ReadMutex);
    posted = m_ReadPosted;
  }
  if (posted) {
    m_Reader.join();
  } else {
    m_Reader.detach();
    ++m_ReadsEnded;
  }
  m_Read.reset();
}

void KLX_ModelLoader::PostReadNotice(int stage, int generation) {
  TaskUpdate_Data_T notice;
  notice.para = kReadNotice;
  notice.updateKind = KLX_UPDATE_KIND_RESULT;
  notice.data[0] = static_cast<unsigned char>(stage);
  std::memcpy(notice.data + 1, &generation, sizeof(generation));
  if (m_Links.handler) m_Links.handler->KLX_VornHandlerUpdateSelfProcessTask(notice);
}

bool KLX_ModelLoader::IsReadNotice() const {
  return m_Update.updateKind == KLX_UPDATE_KIND_RESULT && m_Update.para == kReadNotice;
}

int KLX_ModelLoader::ReadNotice() {
  int generation = 0;
  std::memcpy(&generation, m_Update.data + 1, sizeof(generation));
  // A notice of a read that a restart left behind.
  if (generation != m_ReadGeneration || m_ReadStage != ReadRunning) return KLX_Ok;
  if (m_Update.data[0] == kFunctionsIn) {
    if (m_State != KLX_MODELLOADER_READING) return KLX_Ok;
    {
      QMutexLocker lock(&m_ReadMutex);
      if (m_FunctionSnapshot.isEmpty()) return KLX_Ok;
      m_Jobs[0] = {KLX_VornTask::KLX_TASK_PARA_MODEL_Function, int(m_FunctionSnapshot.size()),
                   kUnits[KLX_VornTask::KLX_TASK_PARA_MODEL_Function].count(m_Links.db)};
    }
    m_JobCount = 1;
    m_JobIndex = 0;
    m_UnitIndex = 0;
    m_Acknowledged = 0;
    m_EarlyFunctions = true;
    return KLX_MODELLOADER_TRANSFER_UNIT_HEADER_Step();
  }
  StopReading();
  m_ReadStage = ReadDone;
  int read;
  {
    QMutexLocker lock(&m_ReadMutex);
    read = m_ReadResult;
  }
  if (m_ReadFast) return FastStartRead(read);
  if (read != KLX_Ok) {
    SendStop();
    m_Links.db->KLX_DataBaseManagerResetAllModelData();
    KLXErrorHandler.RegisterError(kErrRead, QString());
    return KLX_Error;
  }
  m_Links.db->KLX_DataBaseManagerSetSilentModeViaCAN(m_Links.db->KLX_DataBaseManagerGetSetModelSilentMode(0, AtomicDirGet));
  if (m_EarlyFunctions) {
    // The function job goes on as announced; the full list waits for its end.
    const KLX_Modelloader_JobList announced = m_Jobs[0];
    const int announcedCount = m_JobCount;
    KLX_Modelloader_JobList running[kJobs];
    std::copy(m_Jobs, m_Jobs + kJobs, running);
    KLX_ModelLoader_GenerateJobList();
    std::copy(m_Jobs, m_Jobs + kJobs, m_FinalJobs);
    m_FinalJobCount = m_JobCount;
    std::copy(running, running + kJobs, m_Jobs);
    m_Jobs[0] = announced;
    m_JobCount = announcedCount;
    KLX_ModelLoader_Calculate_Percent();
    if (m_State == KLX_MODELLOADER_READING) return AfterEarlyFunctions();
    return KLX_Ok;
  }
  KLX_ModelLoader_GenerateJobList();
  KLX_ModelLoader_Calculate_Percent();
  if (m_JobCount < 1) return KLX_MODELLOADER_END_Step();
  m_JobIndex = 0;
  m_UnitIndex = 0;
  m_Acknowledged = 0;
  return KLX_MODELLOADER_TRANSFER_UNIT_HEADER_Step();
}

int KLX_ModelLoader::AfterEarlyFunctions() {
  if (m_ReadStage != ReadDone) {
    m_State = KLX_MODELLOADER_READING;
    return KLX_Ok;
  }
  m_EarlyFunctions = false;
  QVector<QPair<int, QByteArray>> sent;
  {
    QMutexLocker lock(&m_ReadMutex);
    sent.swap(m_FunctionSnapshot);
  }
  std::copy(m_FinalJobs, m_FinalJobs + kJobs, m_Jobs);
  m_JobCount = m_FinalJobCount;
  m_JobIndex = 0;
  m_UnitIndex = 0;
  m_Acknowledged = 0;
  const bool functions = m_JobCount > 0 && m_Jobs[0].kind == KLX_VornTask::KLX_TASK_PARA_MODEL_Function;
  if (!functions) {
    // The finished read holds no function: the controller has units it must not keep.
    return try2reload_all_model();
  }
  // The functions as the whole file left them, against what went out.
  bool same = sent.size() == m_Jobs[0].used;
  for (int i = 0, from = 0; same && i < sent.size(); ++i) {
    int index = -1;
    QByteArray image;
    same = FindUnit(from, &index, &image) && index == sent[i].first && image == sent[i].second;
    from = index + 1;
  }
  if (!same) return KLX_MODELLOADER_TRANSFER_UNIT_HEADER_Step();
  m_JobIndex = 1;
  if (m_JobIndex >= m_JobCount) return KLX_MODELLOADER_END_Step();
  return KLX_MODELLOADER_TRANSFER_UNIT_HEADER_Step();
}

// ---- retries and time from the task's start ----------------------------------------------------

bool KLX_ModelLoader::RetryFromStart() { return ++m_Retries > KLX_VornBaseGetMaxErrorCount(); }

bool KLX_ModelLoader::PastDeadline() const { return m_State != KLX_MODELLOADER_IDLE && TimeIsUp(); }

bool KLX_ModelLoader::TimeIsUp() const {
  if (m_Task.paraint3 == KLX_VornTask::KLX_TASK_PARA_TRIM_MODIFY) return false;
  // Every try of the load with its full time-out, counted from the start.
  const qint64 limit = qint64(KLX_VornBaseGetTimeout()) * (KLX_VornBaseGetMaxErrorCount() + 1);
  return m_Clock->KLX_ClockNowMs() - m_StartMs >= limit;
}

int KLX_ModelLoader::GiveUp() {
  SendStop();
  m_State = KLX_MODELLOADER_IDLE;
  KLXErrorHandler.RegisterError(kErrRetries, kRetriesText);
  return KLX_Timeout;
}

void KLX_ModelLoader::KLX_ModelLoader_GenerateJobList() {
  if (!m_JobListEmpty)
    for (KLX_Modelloader_JobList& job : m_Jobs) job = KLX_Modelloader_JobList();
  m_TotalUnits = 0;
  m_ProgressUnits = 0;
  m_JobCount = 0;
  for (int kind = 0; kind < kJobs; ++kind) {
    const CModelUnits& unit = kUnits[kind];
    int used = 0;
    // The count is asked before every index, as the store may answer it.
    for (int i = 0; i < unit.count(m_Links.db); ++i)
      if (!unit.used || unit.used(m_Links.db, i) != 0) ++used;
    if (used > 0 && m_JobCount < kJobs) m_Jobs[m_JobCount++] = {kind, used, unit.count(m_Links.db)};
    m_TotalUnits += used;
  }
  m_JobListEmpty = m_TotalUnits == 0;
}

void KLX_ModelLoader::KLX_ModelLoader_Calculate_Percent() {
  int overall = 0;
  if (m_TotalUnits >= 1) overall = int(float(double(m_ProgressUnits) / double(m_TotalUnits)) * 100.0f);
  KLX_VornBaseSetPercent(overall, 0, 0);
}

int KLX_ModelLoader::KLX_MODELLOADER_TRANSFER_UNIT_HEADER_Step() {
  const KLX_Modelloader_JobList& job = m_Jobs[m_JobIndex];
  SendControl(kSubHeader, static_cast<unsigned char>(job.kind), static_cast<unsigned char>(job.used),
              static_cast<unsigned char>(job.count));
  m_State = KLX_MODELLOADER_TRANSFER_UNIT_HEADER_RESP;
  PrepareUnit(0);
  return KLX_Ok;
}

int KLX_ModelLoader::KLX_MODELLOADER_TRANSFER_UNIT_HEADER_RESP_Step() {
  if (!IsLoaderAnswer() || m_Update.data[0] != kSubHeader) return try2reload_all_model();
  const int status = m_Update.data[1];
  if (status == kStatusRefused) {
    SendStop();
    KLXErrorHandler.RegisterError(kErrHeaderRefused, QString());
    return KLX_Error;
  }
  if (status != kStatusOk) return try2reload_all_model();
  KLX_VornBaseResetErrorCount();
  return KLX_MODELLOADER_TRANSFER_UNIT_Step();
}

int KLX_ModelLoader::KLX_MODELLOADER_TRANSFER_UNIT_Step() {
  if (m_Jobs[m_JobIndex].kind >= kJobs) return try2reload_all_model();
  int result = KLX_Ok;
  if (transfer_unit(&result)) return result;
  move2next_unit();
  return KLX_Done;
}

bool KLX_ModelLoader::transfer_unit(int* result) {
  bool found;
  int index = -1;
  QByteArray image;
  if (m_Prepared.job == m_JobIndex && m_Prepared.from == m_UnitIndex) {
    found = m_Prepared.found;
    index = m_Prepared.index;
    image.swap(m_Prepared.image);
  } else {
    found = FindUnit(m_UnitIndex, &index, &image);
  }
  m_Prepared = PreparedUnit();
  if (!found) return false;
  m_UnitIndex = index;
  if (!image.isEmpty()) {
    m_State = KLX_MODELLOADER_TRANSFER_UNIT_DATA_SEND_RESP;
    m_Pending.Asked(KLX_AnswerKey::Unit(m_Jobs[m_JobIndex].kind, index & 0xFF));
    m_Protocol->KLX_ProtocolSendMessage(unsigned(image.size()), image.constData(), kUnits[m_Jobs[m_JobIndex].kind].message,
                                        KLX_NODE_APPLICATION);
  }
  *result = KLX_Ok;
  return true;
}

bool KLX_ModelLoader::FindUnit(int from, int* index, QByteArray* image) {
  const KLX_Modelloader_JobList& job = m_Jobs[m_JobIndex];
  if (job.kind < 0 || job.kind >= kJobs) return false;
  if (m_EarlyFunctions && job.kind == KLX_VornTask::KLX_TASK_PARA_MODEL_Function) {
    // The function images taken on the reading thread.
    QMutexLocker lock(&m_ReadMutex);
    for (const auto& unit : m_FunctionSnapshot) {
      if (unit.first < from) continue;
      *index = unit.first;
      *image = unit.second;
      return true;
    }
    return false;
  }
  const CModelUnits& unit = kUnits[job.kind];
  for (int i = from; i < unit.count(m_Links.db); ++i) {
    if (unit.used) {
      const int used = unit.used(m_Links.db, i);
      // A sequencer's used byte also carries its run direction.
      if (job.kind == KLX_VornTask::KLX_TASK_PARA_MODEL_Sequencer ? used == 0 : used != 1) continue;
    }
    *index = i;
    unsigned char buffer[sizeof(m_SendBuffer)];
    const int length = unit.image(m_Links.db, i, buffer);
    *image = length > 0 ? QByteArray(reinterpret_cast<const char*>(buffer), length) : QByteArray();
    return true;
  }
  return false;
}

void KLX_ModelLoader::PrepareUnit(int from) {
  if (m_JobIndex >= m_JobCount || m_Jobs[m_JobIndex].kind >= kJobs) return;
  m_Prepared = PreparedUnit();
  m_Prepared.job = m_JobIndex;
  m_Prepared.from = from;
  m_Prepared.found = FindUnit(from, &m_Prepared.index, &m_Prepared.image);
}

void KLX_ModelLoader::move2next_unit() {
  ++m_JobIndex;
  m_UnitIndex = 0;
  m_Acknowledged = 0;
  KLX_VornBaseResetErrorCount();
}

int KLX_ModelLoader::KLX_MODELLOADER_TRANSFER_UNIT_DATA_SEND_RESP_Step() {
  if (m_Update.para == 0 && m_Update.updateKind == KLX_UPDATE_KIND_LONG_SENT) {
    m_State = KLX_MODELLOADER_TRANSFER_UNIT_RESP;
    PrepareUnit(m_UnitIndex + 1);
    return KLX_RestartTimer;
  }
  KLXErrorHandler.RegisterError(kErrNotSent, QString());
  return KLX_Error;
}

int KLX_ModelLoader::KLX_MODELLOADER_TRANSFER_UNIT_RESP_Step() {
  if (!IsLoaderAnswer()) return try2reload_all_model();
  if (m_Update.data[0] != m_Jobs[m_JobIndex].kind) return KLX_MODELLOADER_TRANSFER_UNIT_AGAIN();
  return KLX_ModelLoader_CheckForCorrectUnitTransmission();
}

int KLX_ModelLoader::KLX_MODELLOADER_TRANSFER_UNIT_AGAIN() {
  qInfo("+++++++++++++ TRANSFER_UNIT_AGAIN");
  const int counted = next_try_on_error(kRetriesText);
  if (counted == KLX_Error) return counted;
  return KLX_MODELLOADER_TRANSFER_UNIT_Step();
}

int KLX_ModelLoader::KLX_ModelLoader_CheckForCorrectUnitTransmission() {
  const int index = m_Update.data[1];
  const int received = m_Update.data[2];
  const int errorFlag = m_Update.data[3];
  const KLX_Modelloader_JobList& job = m_Jobs[m_JobIndex];
  if (index != m_UnitIndex) {
    // The controller has lost its place in the kind: the whole job again,
    // from its first unit, as a fresh header starts its count anew.
    if (RetryFromStart()) return GiveUp();
    const int counted = next_try_on_error(QString());
    if (counted == KLX_Error) return counted;
    m_UnitIndex = 0;
    m_Acknowledged = 0;
    return KLX_MODELLOADER_TRANSFER_UNIT_HEADER_Step();
  }
  if (errorFlag != 0) return KLX_MODELLOADER_TRANSFER_UNIT_AGAIN();
  KLX_VornBaseResetErrorCount();
  ++m_Acknowledged;
  ++m_UnitIndex;
  auto wholeKindAgain = [this]() {
    m_UnitIndex = 0;
    m_Acknowledged = 0;
    if (RetryFromStart()) return GiveUp();
    const int counted = next_try_on_error(QString());
    if (counted == KLX_Error) return counted;
    return KLX_MODELLOADER_TRANSFER_UNIT_HEADER_Step();
  };
  if (m_Acknowledged == job.used) {
    if (m_Acknowledged != received) return wholeKindAgain();
    move2next_unit();
    if (m_EarlyFunctions) return AfterEarlyFunctions();
    if (m_JobIndex >= m_JobCount) return KLX_MODELLOADER_END_Step();
    return KLX_MODELLOADER_TRANSFER_UNIT_HEADER_Step();
  }
  if (job.used == received) return wholeKindAgain();
  if (m_ProgressUnits < m_TotalUnits) ++m_ProgressUnits;
  KLX_ModelLoader_Calculate_Percent();
  m_State = KLX_MODELLOADER_TRANSFER_UNIT;
  int result = KLX_Ok;
  if (transfer_unit(&result)) return result;
  KLX_VornBaseResetErrorCount();
  return KLX_MODELLOADER_END_Step();
}

int KLX_ModelLoader::KLX_MODELLOADER_END_Step() {
  m_State = KLX_MODELLOADER_END;
  SendControl(kSubEnd);
  m_State = KLX_MODELLOADER_END_RESP;
  return KLX_Ok;
}

int KLX_ModelLoader::KLX_MODELLOADER_END_RESP_Step() {
  if (IsLoaderAnswer() && m_Update.data[0] == kSubEnd && m_Update.data[1] == kStatusOk) {
    KLX_ModelLoader_SetDataAfterLoad();
    KLXErrorHandler.RegisterError(kHintCrc, QStringLiteral("Model CRC on NORMAL start-up, linux side: 0x") +
                                                Hex8(m_Links.db->KLX_DataBaseManagerCalculateModelCRC(false)));
    KLX_ModelLoader_Load_Final_Data(false);
    qInfo("_______________________________ STOP LOADING MODEL: %s", qPrintable(Now()));
    return KLX_Done;
  }
  SendStop();
  const int counted = next_try_on_error(QString());
  if (counted == KLX_Error) return counted;
  return KLX_MODELLOADER_END_Step();
}

int KLX_ModelLoader::try2reload_all_model() {
  // An accepted start clears the error counter: the restarts themselves
  // are counted from the task's start, or a controller that answers badly
  // after each start would have the load begin again for ever.
  if (RetryFromStart()) return GiveUp();
  SendStop();
  const int counted = next_try_on_error(QString());
  if (counted == KLX_Error) return counted;
  // The saved-in-transceiver flag is false by now: always a normal start.
  return KLX_MODELLOADER_START_Step();
}

int KLX_ModelLoader::next_try_on_error(const QString& text) {
  KLX_VornBaseIncErrorCount();
  if (!KLX_VornBaseCheckForMaxError()) return KLX_Ok;
  KLXErrorHandler.RegisterError(kErrRetries, text);
  return KLX_Error;
}

void KLX_ModelLoader::KLX_ModelLoader_SetDataAfterLoad() {
  m_Checker.KLX_ModelCheckerCheckLoadedModel();
  m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(m_ModelType, AtomicDirSet, true);
  m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(m_ModelFolder, AtomicDirSet, true);
  m_Links.db->KLX_DataBaseManagerVornPropertiesGetSet_ModelName(m_ModelName, AtomicDirSet, true);
  m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(true, AtomicDirSet);
  m_Links.db->KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
  m_Links.db->KLX_DataBaseManagerSetModelModifyFlag(false);
  m_Links.db->KLX_DataBaseManagerSetVornModifyFlag(true);
  if (m_Links.runtime) m_Links.runtime->KLX_RuntimeDatabaseManagerStartProcessing(true);
  m_Links.db->KLX_DataBaseManagerActivateVibrationScheme(1);
}

QString KLX_ModelLoader::ModelFileText() const {
  const QString path = m_ModelFolder.isEmpty() ? m_ModelName : m_ModelFolder + QLatin1Char('/') + m_ModelName;
  return path + QStringLiteral(".xml (") + QString::number(m_ReadBytes);
}

void KLX_ModelLoader::KLX_ModelLoader_Load_Final_Data(bool fast) {
  KLX_VornBaseResetErrorCount();
  KLX_VornBaseSetPercent(100, 100, 0);
  if (fast)
    KLXErrorHandler.RegisterError(kHintFastStarted,
                                  ModelFileText() + QStringLiteral(" bytes) is started from TC memory - FAST START!"));
  else
    KLXErrorHandler.RegisterError(kHintLoaded, ModelFileText() + QStringLiteral(" bytes) is loaded successfully!"));
  m_Links.db->KLX_DataBaseManagerTutorPupilCtrl_SendExternalConf(false, false);
}

// ---- time-out ---------------------------------------------------------------------------------

int KLX_ModelLoader::KLX_VornBaseTimeout() { return EndAfterRead(TimeoutStep()); }

int KLX_ModelLoader::TimeoutStep() {
  // The file is being read: nothing was asked of the controller. A read
  // that never ends (a card that hangs) ends the load at its deadline.
  if (m_State == KLX_MODELLOADER_READING) return TimeIsUp() ? GiveUp() : int(KLX_RestartTimer);
  // Loaded: a late answer that did not come in a time-out is let go; the
  // read is waited for up to the deadline.
  if (m_State == KLX_MODELLOADER_ENDING)
    return m_ReadStage == ReadRunning && !TimeIsUp() ? int(KLX_RestartTimer) : m_EndResult;
  KLX_VornBaseIncErrorCount();
  qInfo(" Model loader state in TIMEOUT handler: %d", m_State);
  const bool trimCopy = m_State == KLX_TRIM_MODIFY_FREEZE_CONTROLS_RESP_NEWTRIMS ||
                        m_State == KLX_TRIM_MODIFY_UNFREEZE_CONTROLS_RESP_DONE;
  if (KLX_VornBaseCheckForMaxError() && m_State != KLX_MODELLOADER_FASTSTART_UNLOCKCTRL_RESP) {
    if (trimCopy) {
      // A trim copy changed no model data the controller lacks: the controls
      // are released and the model stays as it is, so a later save keeps it.
      KLX_TRIM_MODIFY_FREEZE_CONTROLS_Step(false);
      m_State = KLX_MODELLOADER_IDLE;
      m_ControlsLocked = false;
      KLXErrorHandler.RegisterError(kErrRetries, kRetriesText);
      return KLX_Timeout;
    }
    SendStop();
    // Cleared once the read beside the load writes no more: it would fill
    // the stores again after the clearing.
    StopReading();
    m_ReadStage = ReadIdle;
    m_Links.db->KLX_DataBaseManagerResetAllModelData();
    KLXErrorHandler.RegisterError(kErrRetries, kRetriesText);
    return KLX_Timeout;
  }
  // Asked again below: the answer to the request before may still come.
  m_Pending.Late(Awaited());
  switch (m_State) {
    case KLX_MODELLOADER_START_RESP:
      return KLX_MODELLOADER_START_Step();
    case KLX_MODELLOADER_END_RESP:
      return KLX_MODELLOADER_END_Step();
    case KLX_MODELLOADER_TRANSFER_UNIT_HEADER_RESP:
      return KLX_MODELLOADER_TRANSFER_UNIT_HEADER_Step();
    case KLX_MODELLOADER_TRANSFER_UNIT_RESP:
    case KLX_MODELLOADER_TRANSFER_UNIT_DATA_SEND_RESP:
      return KLX_MODELLOADER_TRANSFER_UNIT_Step();
    case KLX_MODELLOADER_FASTSTART_CRC_RESP:
      return KLX_ModelLoader_GET_CRC_BY_FASTSTART_Again();
    case KLX_MODELLOADER_FASTSTART_UNLOCKCTRL_RESP:
      if (KLX_VornBaseCheckForMaxError()) {
        qInfo("++++++++++++++++++ CHECKER_1 +++++++++++++++++++");
        KLX_ModelLoader_SetDataAfterLoad();
        KLX_ModelLoader_Load_Final_Data(true);
        return KLX_Done;
      }
      KLXErrorHandler.RegisterError(kErrNoUnlock, QStringLiteral("No Trims unlocked response, resent again"));
      return KLX_ModelLoader_SendLinuxReadyNotification();
    case KLX_TRIM_MODIFY_FREEZE_CONTROLS_RESP_NEWTRIMS:
      return KLX_TRIM_MODIFY_FREEZE_CONTROLS_Step(true);
    case KLX_TRIM_MODIFY_UNFREEZE_CONTROLS_RESP_DONE:
      return KLX_TRIM_MODIFY_FREEZE_CONTROLS_Step(false);
    default:
      SendStop();
      KLXErrorHandler.RegisterError(kErrTimeoutState, QStringLiteral("timeout in unknown state %1").arg(m_State));
      return KLX_Error;
  }
}

// ---- fast start ----------------------------------------------------------------------------------

int KLX_ModelLoader::KLX_ModelLoader_GET_CRC_BY_FASTSTART() {
  m_CrcPartRequested = 0;
  KLX_VornBaseSetPercent(0, 0, 0);
  return KLX_ModelLoader_GET_CRC_BY_FASTSTART_Again();
}

int KLX_ModelLoader::KLX_ModelLoader_GET_CRC_BY_FASTSTART_Again() {
  const char part = static_cast<char>(m_CrcPartRequested);
  m_Pending.Asked({kCrcPartAnswer, m_CrcPartRequested});
  m_Protocol->KLX_ProtocolSendMessage(1, &part, KLX_MSG_CHECKSUM_REQUEST, KLX_NODE_APPLICATION);
  m_State = KLX_MODELLOADER_FASTSTART_CRC_RESP;
  return KLX_Ok;
}

int KLX_ModelLoader::KLX_MODELLOADER_FASTSTART_CRC_RESP_Step() {
  if (m_Update.updateKind != KLX_UPDATE_KIND_TRANSCEIVER || m_Update.para != 1 || m_Update.data[0] != kCrcPartAnswer)
    return KLX_Error;
  // Message bytes: the part, a flag that a value follows, the value.
  const int part = m_Update.data[1];
  if (part > 1) {
    KLXErrorHandler.RegisterError(kErrCrcPart, QStringLiteral("Unexpected data part value"));
    return KLX_Error;
  }
  if (part != m_CrcPartRequested) return KLX_Error;
  if (m_Update.data[2] != 0) m_Links.db->KLX_DataBaseManagerGetSetCRCpart(part == 1, Le32(m_Update.data + 3), AtomicDirSet);
  if (part == 0) {
    m_CrcPartRequested = 1;
    return KLX_ModelLoader_GET_CRC_BY_FASTSTART_Again();
  }
  if (!m_Links.db->KLX_DataBaseManagerGetCRCValidityAtStart(false)) {
    // The controller holds no model: the normal load, in this same run.
    m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirSet, true);
    m_Links.db->KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_NORMAL, AtomicDirSet);
    return KLX_MODELLOADER_START_Step();
  }
  m_ControlsLocked = true;
  m_Links.db->KLX_DataBaseManagerGetSet_ControlsLocked(true, AtomicDirSet);
  // Read beside the load as a normal load's file, so that a card that
  // hangs holds neither the engine nor the load beyond its deadline.
  return StartReading(true);
}

int KLX_ModelLoader::FastStartRead(int read) {
  if (read != KLX_Ok) {
    m_Links.db->KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_NORMAL, AtomicDirSet);
    SendStop();
    m_Links.db->KLX_DataBaseManagerResetAllModelData();
    KLXErrorHandler.RegisterError(kErrRead, QString());
    return KLX_Error;
  }
  KLX_ModelLoader_SetDataAfterLoad();
  const unsigned held = m_Links.db->KLX_DataBaseManagerGetSetCRCpart(false, 0, AtomicDirGet);
  const unsigned own = m_Links.db->KLX_DataBaseManagerCalculateModelCRC(false);
  KLXErrorHandler.RegisterError(kHintCrc, QStringLiteral("Model CRC on FAST start-up, linux side: 0x") + Hex8(own));
  if (held != own) {
    m_Links.db->KLX_DataBaseManagerModelCRCGetSet_AlarmBadModelDataFlag(true, AtomicDirSet);
    KLXErrorHandler.RegisterError(kHintCrcTc, QStringLiteral("Model CRC on start-up, TC side: 0x") + Hex8(held));
  }
  KLX_ModelLoader_SendLinuxReadyNotification();
  KLX_ModelLoader_Load_Final_Data(true);
  return KLX_Ok;
}

int KLX_ModelLoader::KLX_ModelLoader_SendLinuxReadyNotification() {
  m_Protocol->KLX_ProtocolSendMessage(0, nullptr, KLX_MSG_APP_READY, KLX_NODE_APPLICATION);
  m_State = KLX_MODELLOADER_FASTSTART_UNLOCKCTRL_RESP;
  return KLX_Ok;
}

int KLX_ModelLoader::KLX_MODELLOADER_FASTSTART_UNLOCKCTRL_RESP_Step() {
  if (!IsControlsAnswer()) return KLX_Ok;
  m_ControlsLocked = false;
  m_Links.db->KLX_DataBaseManagerGetSet_ControlsLocked(false, AtomicDirSet);
  return KLX_Done;
}

// ---- trim copy --------------------------------------------------------------------------------

int KLX_ModelLoader::KLX_TRIM_MODIFY_FREEZE_CONTROLS_Step(bool freeze) {
  if (freeze) {
    m_State = KLX_TRIM_MODIFY_FREEZE_CONTROLS_RESP_NEWTRIMS;
    return m_Links.db->KLX_DataBaseManager_LockTrimControls();
  }
  const char release = 0;
  m_State = KLX_TRIM_MODIFY_UNFREEZE_CONTROLS_RESP_DONE;
  return m_Protocol->KLX_ProtocolSendMessage(1, &release, KLX_MSG_LOCK_TRIMS, KLX_NODE_APPLICATION);
}

int KLX_ModelLoader::KLX_TRIM_MODIFY_FREEZE_CONTROLS_RESP_NEWTRIMS_Step() {
  if (!IsControlsAnswer()) return KLX_Ok;
  m_ControlsLocked = true;
  const int modes = m_Links.db->KLX_DataBaseManagerGetMaxFlightmodes();
  const int a = m_Task.paraint1;
  const int b = m_Task.paraint2;
  if (a >= 0 && a < modes && b >= 0 && b < modes) {
    const int current = m_Links.runtime->KLX_RuntimeDatabaseManagerGetActualFlightMode();
    for (int f = 0; f < m_Links.db->KLX_DataBaseManagerGetMaxFunctions(); ++f) {
      if (m_Links.db->KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, AtomicDirGet, true) != 1) continue;
      if (m_Links.db->KLX_DataBaseManager_IsTrimFlightModeDependentGui(f, current) != 1) continue;
      m_Links.db->KLX_DataBaseManagerFunctionCopy_TrimValuesFromFM(f, b, a);
    }
  }
  qInfo("_______________________________________ SLEEP(262) ____________________");
  m_Clock->KLX_ClockSleep(kTrimSettleMs);
  return KLX_TRIM_MODIFY_FREEZE_CONTROLS_Step(false);
}

int KLX_ModelLoader::KLX_TRIM_MODIFY_UNFREEZE_CONTROLS_RESP_DONE_Step() {
  if (!IsControlsAnswer()) return KLX_Ok;
  m_State = KLX_MODELLOADER_IDLE;
  m_ControlsLocked = false;
  return KLX_DoneHalf;
}
