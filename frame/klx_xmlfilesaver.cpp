#include "frame/klx_xmlfilesaver.h"

#include <QDebug>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_xmlfilehandler.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_vorntask.h"

namespace {
constexpr unsigned kErrNotInitialized = 0x13E01;
constexpr unsigned kErrNotRunning = 0x13E02;
constexpr unsigned kErrStop = 0x13E03;
constexpr unsigned kErrUnsaveModel = 0x51304;
constexpr unsigned kErrModelSave = 0x31307;
constexpr unsigned kErrSystemSave = 0x31308;
constexpr unsigned kErrVornSave = 0x31309;
}  // namespace

KLX_XMLFileSaver::KLX_XMLFileSaver(QObject* parent)
    : CNoDebugBase<QThread>(parent), KLX_BaseClassThread("XMLFileSaver", false) {}

KLX_XMLFileSaver::~KLX_XMLFileSaver() {
  // The thread must never outlive the object it runs in.
  if (isRunning()) {
    m_Running = false;
    {
      QMutexLocker lock(&m_WakeMutex);
      // No pass while the facade around it is taken down.
      m_Pending = false;
      m_Clock.load()->KLX_ClockWake(m_Wake);
    }
    wait();
  }
}

int KLX_XMLFileSaver::KLX_XMLFileSaverInitialize(KLX_DataBaseManager* database, KLX_XMLFileHandler* files) {
  if (!database || !files) return KLX_Error;
  m_Db = database;
  m_Files = files;
  m_Running = false;
  m_LastPass = false;
  m_Initialized = true;
  MtxSDShareWrite.KLX_Critical_Init();
  return KLX_XMLFileSaverStart();
}

int KLX_XMLFileSaver::KLX_XMLFileSaverStart() {
  if (m_Initialized && KLX_ThreadControl::Start(this, &m_Running)) return KLX_Ok;
  KLXErrorHandler.RegisterError(kErrNotRunning, QStringLiteral("xml file saver thread not running"));
  return KLX_Error;
}

void KLX_XMLFileSaver::Wake(const char* text) {
  if (m_Mutex.tryLock()) {
    qDebug() << text;
    {
      QMutexLocker lock(&m_WakeMutex);
      m_Pending = true;
      m_Clock.load()->KLX_ClockWake(m_Wake);
    }
    m_Mutex.unlock();
    return;
  }
  qDebug() << "---> Cannot lock XMLFileSaver!";
  // A pass is running and may be past its steps: one more full pass follows
  // it, so a change or a final save asked for now is not lost.
  QMutexLocker lock(&m_WakeMutex);
  m_Pending = true;
}

void KLX_XMLFileSaver::KLX_XMLFileSaverSetClock(KLX_Clock* clock) {
  QMutexLocker lock(&m_WakeMutex);
  // A thread waiting now waits on the clock it had.
  KLX_Clock* old = m_Clock.exchange(clock ? clock : &KLX_Clock::KLX_ClockSystem());
  old->KLX_ClockWake(m_Wake);
}

void KLX_XMLFileSaver::KLX_XMLFileSaverSetPassEndHook(std::function<void()> hook) {
  QMutexLocker lock(&m_WakeMutex);
  m_PassEndHook = std::move(hook);
}

bool KLX_XMLFileSaver::FinalAsked() {
  QMutexLocker lock(&m_WakeMutex);
  return m_Pending && m_LastPass;
}

bool KLX_XMLFileSaver::WaitForPass() {
  QMutexLocker lock(&m_WakeMutex);
  KLX_Clock* clock = m_Clock;
  qint64 due = clock->KLX_ClockNowMs() + qint64(kPeriodMs);
  while (m_Running && !m_Pending) {
    if (clock != m_Clock) {
      clock = m_Clock;
      due = clock->KLX_ClockNowMs() + qint64(kPeriodMs);
    }
    const qint64 now = clock->KLX_ClockNowMs();
    if (now >= due) break;
    clock->KLX_ClockWait(m_Wake, m_WakeMutex, static_cast<unsigned long>(due - now));
  }
  const bool asked = m_Pending;
  m_Pending = false;
  return asked;
}

void KLX_XMLFileSaver::KLX_XMLFileSaverSavingFiles(bool last, bool dumpTimers) {
  m_LastPass = last;
  // A plain request that follows does not take back a dump not yet made.
  if (dumpTimers) m_DumpTimers = true;
  if (last) ++m_ForcedPasses;
  Wake("  ->   forced saving");
}

void KLX_XMLFileSaver::KLX_XMLFileSaverForceModelFileSave(bool dumpTimers) {
  if (dumpTimers) m_DumpTimers = true;
  Wake("  ->   forced saving in DEBUG");
}

void KLX_XMLFileSaver::run() {
  if (!m_Initialized) {
    KLXErrorHandler.RegisterError(kErrNotInitialized, QStringLiteral("did not call KLX_XMLFileSaverInitialize()"));
    return;
  }
  qDebug() << "  ->   starting KLX_XMLFileSaver thread";
  KLX_ThreadControl::Entered();
  // A final save asked for is made even when the stop took the lock first,
  // before the wait or between a pass's end and this test: the pilot's last
  // changes are not dropped.
  while (m_Running || FinalAsked()) {
    Log("pause");
    const bool asked = WaitForPass();
    Log("resume");
    {
      QMutexLocker pass(&m_Mutex);
      if ((m_Running || (asked && m_LastPass)) && KLX_BaseClassThreadIsProcessing()) {
        Pass();
      } else {
        qDebug() << "  ->   no more processing by XML_FileSaver thread!";
      }
    }
    std::function<void()> hook;
    {
      QMutexLocker lock(&m_WakeMutex);
      hook = m_PassEndHook;
    }
    if (hook) hook();
  }
  Log("exit");
  qDebug() << "  ->   exit KLX_XMLFileSaver thread";
}

void KLX_XMLFileSaver::Pass() {
  Log("run...");
  m_Db->KLX_DataBaseManagerPauseTelemetrie(kPauseReasonSaving);
  if (MtxSDShareWrite.KLX_Critical_Enter() != 0) {
    qDebug() << " ... cannot lock SD-card mutex!";
    return;
  }
  KLX_XMLFileSaverSaveModelFileToSD();
  m_Settings = SettingsOutcome();
  KLX_XMLFileSaverSaveSystemFileToSD();
  KLX_XMLFileSaverSaveVornFileToSD();
  if (m_Settings.tried && m_SettingsTold.Tell(m_Settings.failure, m_LastPass))
    emit settingsSaveFailed(m_Settings.failure);
  MtxSDShareWrite.KLX_Critical_Leave();
  ++m_Passes;
  emit xmlSaveIsDone();
  bool pending = false;
  {
    QMutexLocker lock(&m_WakeMutex);
    pending = m_Pending;
  }
  // A request that came during this pass gets its own pass first.
  if (m_LastPass && !pending) {
    qDebug() << "  ->   no more xml file-saving";
    KLX_BaseClassThreadStopProcessing();
  }
}

int KLX_XMLFileSaver::KLX_XMLFileSaverSaveModelFileToSD() {
  // The flag is taken and cleared in one step: an edit made while the file
  // is written sets it again and is saved by the next pass. Where nothing is
  // written it is set again.
  const bool modified = m_Db->KLX_DataBaseManagerTakeModelModifyFlag();
  // Taken only with the flag: kinds held back with it (through an update) stay.
  const int kinds = modified ? m_Db->KLX_DataBaseManagerTakeModelChangeKinds() : 0;
  bool needed = modified;
  if (m_DumpTimers.exchange(false) && !needed) needed = m_Db->KLX_DataBaseManagerNeedAnyLastTimerValueDump() != 0;
  if (!needed) return KLX_Ok;
  // A change of unknown kind counts as the pilot's.
  const bool edited = modified && ((kinds & KLX_DataBaseManager::ModelChangeEdit) || kinds == 0);
  // What the program keeps by itself: the run time, or the timers' values
  // when nothing else changed.
  const bool own = (kinds & KLX_DataBaseManager::ModelChangeOwn) || !modified;
  const auto keep = [&] {
    if (edited) m_Db->KLX_DataBaseManagerSetModelModifyFlag(true);
    if (modified && (kinds & KLX_DataBaseManager::ModelChangeOwn)) m_Db->KLX_DataBaseManagerMarkModelOwnChange();
  };
  // Tested and taken in one step: a file task cannot take it in between.
  if (!m_Db->KLX_DataBaseManagerTakeVornPropertiesSaveModelData()) {
    keep();
    KLXErrorHandler.RegisterError(kErrUnsaveModel, QStringLiteral("Unsave model to store"));
    return KLX_Error;
  }
  const QString model = m_Db->KLX_DataBaseManagerVornPropertiesGetSet_ModelName(QString(), AtomicDirGet, false);
  // No current model: nothing to write, and the modified flag stays set.
  // The permission is given back: kept taken, it would refuse every later
  // save and every model file task for the rest of the run.
  if (model.isEmpty()) {
    keep();
    m_Db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(true, AtomicDirSet);
    return KLX_Ok;
  }
  // What is in memory is not the current model's file: its load failed, is
  // under way, or never came (a start held by the controllers' firmware
  // update). The file stays as it is; edits to what is in memory are not kept.
  const bool failed = !m_Db->KLX_DataBaseManagerVornPropertiesGetFailedFile().isEmpty();
  if (failed || m_Db->KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet) !=
                    KLX_VornTask::KLX_MODELLLOAD_STATUS_READY) {
    m_Db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(true, AtomicDirSet);
    if (!failed) {
      qDebug() << "...model not loaded, its file is not saved";
      return KLX_Ok;
    }
    KLXErrorHandler.RegisterError(kErrUnsaveModel, QStringLiteral("Model file not loaded, not saved"));
    return KLX_Error;
  }
  const int type = m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet, false);
  const QString folder = m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet, false);
  qDebug() << "...saving model file";
  Log("mod wr begin");
  const int rc = m_Files->KLX_XMLFileHandlerWriteModelFile(model + QStringLiteral(".xml"), model, type, folder);
  Log("mod wr end");
  m_Db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(true, AtomicDirSet);
  int failure = KLX_DatabaseValues::ModelSaveFailure_None;
  if (rc == KLX_Error) {
    // The flag is set again so that the next pass tries again.
    keep();
    KLXErrorHandler.RegisterError(kErrModelSave, QStringLiteral("Model saving gone wrong"));
    failure = m_Files->KLX_XMLFileHandlerWriteFailure();
  }
  // The pilot's edits are told again at the final save, after which they
  // are lost for good; what the program keeps by itself is told once.
  if ((edited || failure == KLX_DatabaseValues::ModelSaveFailure_None) && m_ModelTold.Tell(failure, m_LastPass))
    emit modelSaveFailed(failure);
  if ((own || failure == KLX_DatabaseValues::ModelSaveFailure_None) && m_OwnTold.Tell(failure, false))
    emit modelValuesSaveFailed(failure);
  return rc;
}

int KLX_XMLFileSaver::KLX_XMLFileSaverSaveSystemFileToSD() {
  if (!m_Db->KLX_DataBaseManagerGetSystemModifyFlag()) return KLX_Ok;
  qDebug() << "...saving system file";
  Log("sys wr begin");
  // Cleared before writing: a change made while the file is written marks
  // it again and is saved by the next pass.
  m_Db->KLX_DataBaseManagerSetSystemModifyFlag(false);
  const int rc = m_Files->KLX_XMLFileHandlerWriteSystemFile();
  Log("sys wr end");
  if (rc == KLX_Error) {
    m_Db->KLX_DataBaseManagerSetSystemModifyFlag(true);
    KLXErrorHandler.RegisterError(kErrSystemSave, QStringLiteral("System saving gone wrong"));
  }
  NoteSettings(&m_Settings, rc);
  return rc;
}

int KLX_XMLFileSaver::KLX_XMLFileSaverSaveVornFileToSD() {
  if (!m_Db->KLX_DataBaseManagerGetVornModifyFlag()) return KLX_Ok;
  qDebug() << "...saving vorn file";
  Log("vorn wr begin");
  m_Db->KLX_DataBaseManagerSetVornModifyFlag(false);
  const int rc = m_Files->KLX_XMLFileHandlerWriteSysProcessStateFile();
  Log("vorn wr end");
  if (rc == KLX_Error) {
    m_Db->KLX_DataBaseManagerSetVornModifyFlag(true);
    KLXErrorHandler.RegisterError(kErrVornSave, QStringLiteral("Vorn saving gone wrong"));
  }
  // The pilot is told of his own changes only; of this file's, the model he
  // chose. The rest is the program's own state, written after every start
  // whether or not he changed anything: tried again at each pass, and not
  // his to be told of (a card too small is named at the start already).
  if (rc != KLX_Error || m_Files->KLX_XMLFileHandlerStateModelChanged()) NoteSettings(&m_Settings, rc);
  return rc;
}

void KLX_XMLFileSaver::NoteSettings(SettingsOutcome* outcome, int result) {
  outcome->tried = true;
  if (result == KLX_Error && outcome->failure == KLX_DatabaseValues::ModelSaveFailure_None)
    outcome->failure = m_Files->KLX_XMLFileHandlerWriteFailure();
}

bool KLX_XMLFileSaver::Told::Tell(int failure, bool last) {
  if (failure == KLX_DatabaseValues::ModelSaveFailure_None) {
    m_Failure = failure;
    return false;
  }
  if (failure == m_Failure && (!last || m_Final)) return false;
  m_Failure = failure;
  m_Final = m_Final || last;
  return true;
}

int KLX_XMLFileSaver::KLX_XMLFileSaverStop() {
  Log("stop...");
  // The thread holds its mutex for a whole pass.
  KLX_Clock* clock = m_Clock;
  const qint64 end = clock->KLX_ClockNowMs() + qint64(kStopLockMs);
  while (!m_Mutex.tryLock()) {
    if (clock->KLX_ClockNowMs() >= end) {
      KLXErrorHandler.RegisterError(kErrStop, QStringLiteral("xml file saver thread writes longer than 6 seconds"));
      return KLX_Error;
    }
    clock->KLX_ClockSleep(kStopPollMs);
  }
  m_Running = false;
  {
    QMutexLocker lock(&m_WakeMutex);
    m_Clock.load()->KLX_ClockWake(m_Wake);
  }
  m_Mutex.unlock();
  wait(kStopWaitMs);
  Log("stoped");
  return KLX_Ok;
}
