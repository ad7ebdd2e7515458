#include "frame/klx_system.h"

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_languagehandler.h"
#include "frame/klx_xmlprocessstate.h"
#include "frame/qguitouchhandlerapplication.h"
#include "link/klx_messageids.h"
#include "platform/klx_platform.h"
#include "tasks/klx_vorntask.h"
#include "update/cfilemanager.h"
#include "update/creceivers.h"
#include "update/klx_appinstall.h"
#include "update/klx_filefunctions.h"

#include <QDebug>
#include <QEvent>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QQmlContext>
#include <QtQml>

namespace {
constexpr unsigned kStartupFailed = 0x11601;    // fatal
constexpr unsigned kStartingVersion = 0x41606;  // hint
constexpr unsigned kNoSDCard = 0x31603;         // warning
constexpr unsigned kSDCardTooSmall = 0x31608;   // warning
constexpr unsigned kPartsInUse = 0x21609;       // error

// Says how many staged files that writes cut short left `where` the start
// removed, when it removed any.
void TellRemoved(int removed, const char* where) {
  if (removed > 0) qInfo("  ->   %d file(s) that interrupted writes left %s removed", removed, where);
}
}  // namespace

const KLX_System::BringUp KLX_System::BringUpTable[9] = {
    &KLX_System::KLX_SystemBringUpKeyboardHandler,  &KLX_System::KLX_SystemBringUpOnOffHandler,
    &KLX_System::KLX_SystemBringupDatabase,         &KLX_System::KLX_SystemBringUpCommunication,
    &KLX_System::KLX_SystemBringUpBatteryHandler,   &KLX_System::KLX_SystemBringUpXMLFileHandler,
    &KLX_System::KLX_SystemBringUpVornHandler,      &KLX_System::KLX_SystemBringUpGuiCommandHandler,
    &KLX_System::KLX_SystemBringupRuntimeDatabase,
};

KLX_System::KLX_System(QObject* parent) : QObject(parent), m_XMLFileHandler("KLX_System") {}

KLX_System::~KLX_System() {
  // The button thread calls into the other members: it ends before they go.
  if (m_OnOff.isRunning()) m_OnOff.KLX_OnOffHandlerStop();
  // So do the GUI command and task engine threads, which reach the runtime
  // read-outs declared after them.
  m_GuiCommand.KLX_GuiCommandHandlerStop();
  m_Vorn.KLX_VornHandlerStop();
}

int KLX_System::exit_klx_error(unsigned code, const char* text) {
  KLXErrorHandler.RegisterError(code, QString::fromLatin1(text));
  // The button thread, up from the first step, switches off through the
  // parts this stop frees: it ends before them.
  if (m_OnOff.isRunning()) m_OnOff.KLX_OnOffHandlerStop();
  KLX_SystemStop(1);
  return KLX_Error;
}

int KLX_System::KLX_SystemStart(QQmlApplicationEngine* engine, QGuiTouchHandlerApplication* app) {
  m_App = app;
  if (!Board::Init()) {
    m_App = nullptr;
    return exit_klx_error(kStartupFailed, "board initialization gone wrong");
  }
  const bool isVorn = Board::m_Instance->IsVorn();
  CReceivers::Instance().CreateList();
  KLX_DataBaseManager::m_MySelf = &m_DataBase;

  if (KLX_SystemBringUpLanguageHandler() != KLX_Ok)
    return exit_klx_error(kStartupFailed, "startup gone wrong");
  for (BringUp step : BringUpTable) {
    if ((this->*step)() != KLX_Ok) return exit_klx_error(kStartupFailed, "startup gone wrong");
  }
  if (isVorn && m_GPS.KLX_GPSHandlerInitialize(&m_DataBase) != KLX_Ok)
    return exit_klx_error(kStartupFailed, "startup gone wrong");

  // What an install cut short left beside the program takes the room the
  // next one needs.
  TellRemoved(KLX_AppInstall::RemoveStaged(), "in the application folder");
  KLX_SystemTakeInstalledVersion();
  KLXErrorHandler.RegisterError(kStartingVersion,
                                "starting version " + m_DataBase.KLX_DataBaseManagerVornLinuxAppGetVersion());

  if (!m_UpdateManager.Init(&m_DataBase)) return exit_klx_error(kStartupFailed, "startup gone wrong");

  qmlRegisterType<KLX_DatabaseValues>("DBValues", 1, 0, "DatabaseValue");
  qmlRegisterType<KLX_VornTask>("GuiData", 1, 0, "GuiCmdData");
  qmlRegisterType<CUpdateManager>("UpdateManager", 1, 0, "CUpdateManager");
  // For its enumerations only: the one manager belongs to the runtime read-outs.
  qmlRegisterUncreatableType<CFileManager>("FileManagerBackend", 1, 0, "FileManager",
                                           QStringLiteral("the file manager is reached through RuntimeDatabase"));

  if (m_App) m_App->QGuiTouchHandlerApplicationSetDatabasePtr(&m_DataBase);
  if (engine) PublishToQml(engine);

  const bool powerOn = KLX_SystemGetSetPowerPinAtStart(0, false) >= 1;
  if (powerOn) {
    const KLX_FileFunctions::SDCard card = KLX_FileFunctions().KLX_FileFunctionsSDCard();
    if (card == KLX_FileFunctions::SDCardReady) {
      // What saves and copies cut short left gives its room back.
      TellRemoved(m_XMLFileHandler.KLX_XMLFileHandlerRemoveStagedFiles(), "on the card");
      if (m_XMLFileHandler.KLX_XMLFileHandlerReadSystemFile() == KLX_Ok)
        m_DataBase.KLX_DataBaseManagerSetSystemModifyFlag(false);
      if (m_XMLFileHandler.KLX_XMLFileHandlerReadSysProcessStateFile() == KLX_Ok) {
        // An update pending for another program than this one is dropped,
        // and the file saved without it now (else by the saver).
        unsigned char major = 0;
        unsigned char minor = 0;
        m_DataBase.KLX_DataBaseManagerVornLinuxAppGetVersion(&major, &minor);
        const bool dropped = KLX_XMLProcessState::KLX_XMLProcessStateDropForeignMark(&m_DataBase, major, minor);
        if (m_DataBase.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirGet) &&
            m_DataBase.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet) == 0)
          m_DataBase.KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_FASTSTART, AtomicDirSet);
        m_DataBase.KLX_DataBaseManagerSetVornModifyFlag(
            dropped && m_XMLFileHandler.KLX_XMLFileHandlerSaveSysProcessStateFileNow() != KLX_Ok);
      }
    } else {
      // A card too small is there: the pilot is told that, not that it is missing.
      m_SDCardTooSmall = card == KLX_FileFunctions::SDCardTooSmall;
      KLXErrorHandler.RegisterError(m_SDCardTooSmall ? kSDCardTooSmall : kNoSDCard,
                                    KLX_FileFunctions::KLX_FileFunctionsSDCardText(card));
      m_SuppressSDcardSignal = false;
    }
  }

  if (m_App) m_App->QGuiTouchHandlerApplicationStartTimer();

  int result = KLX_Error;
  if (powerOn) {
    const QString language =
        m_DataBase.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language(QString(), AtomicDirGet);
    m_DataBase.KLX_DataBaseManagerGetSetSystemPropertiesChange_Language(language, false);

    m_Protocol.KLX_ProtocolStartProcessing();
    m_GPS.KLX_GPSHandlerStartProcessing();
    m_Vorn.KLX_VornHandlerStartProcessing();
    m_Battery.KLX_BatteryHandlerStartProcessing();
    m_GuiCommand.KLX_GuiCommandHandlerStartProcessing();
    if (isVorn &&
        m_DataBase.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_BTPowerStatus(0, AtomicDirGet) == 1)
      m_DataBase.KLX_DataBaseManagerBTTurnON();

    result = m_Vorn.KLX_VornHandlerStartVorn();
  }

  if (result == KLX_Ok) {
    qInfo("  ->   OSTREL VORN IS UP AND STARTING...");
  } else {
    qInfo("  ->   OSTREL VORN IS GOING DOWN...");
    result = KLX_Error;
  }
  const char startupDone[1] = {0x00};
  m_Protocol.KLX_ProtocolSendMessage(1, startupDone, KLX_MSG_STARTUP_DONE, KLX_NODE_APPLICATION);
  return result;
}

void KLX_System::PublishToQml(QQmlApplicationEngine* engine) {
  QQmlContext* ctx = engine->rootContext();
  ctx->setContextProperty("TouchHandler", m_App);
  ctx->setContextProperty("Database", &m_DataBase);
  ctx->setContextProperty("RuntimeDatabase", &m_Runtime);
  ctx->setContextProperty("VornKeyboard", &m_Keyboard);
  ctx->setContextProperty("Language", &KLXlanguageHandler);
  ctx->setContextProperty("VornTasks", &m_Vorn);
  ctx->setContextProperty("Command", &m_GuiCommand);
  ctx->setContextProperty("ErrorHndlr", &KLXErrorHandler);
  ctx->setContextProperty("Battery", &m_Battery);
  ctx->setContextProperty("TTSList", m_DataBase.KLX_TTSListPtr());
  ctx->setContextProperty("Headup", m_DataBase.KLX_HeadupPtr());
  ctx->setContextProperty("TimersAlarms", m_Runtime.KLX_RuntimeDatabaseManagerGetRuntimeCalcPtr());
  ctx->setContextProperty("BTConnection", m_DataBase.KLX_DatabaseManagerBTConnPointer());
  ctx->setContextProperty("AudioHandler", m_DataBase.KLX_DatabaseManagerAudioHandlerPointer());
  ctx->setContextProperty("WlanConnection", m_DataBase.KLX_DatabaseManagerWlanConnPointer());
  ctx->setContextProperty("TeacherPupil", m_DataBase.KLX_DatabaseManagerTutorPupilPointer());
  ctx->setContextProperty("XMLFileSaver", m_DataBase.KLX_DatabaseManagerXMLFileSaverPtr());
  ctx->setContextProperty("UpdateManager", &m_UpdateManager);
  ctx->setContextProperty("System", this);
  ctx->setContextProperty("DEBUG_MODE_QML", false);
  ctx->setContextProperty("QML_LOGGING", false);
  ctx->setContextProperty("QML_TIME_ELAPSE", false);
  ctx->setContextProperty("QML_FASTSTART", false);
}

void KLX_System::KLX_SystemStop(int state) {
  // An install under way stops at its next step; a thread that does not
  // come back within the wait is left with what it reads (see
  // KLX_SystemDatabaseFree), and the switch-off goes on.
  m_UpdateManager.free(CUpdateManager::kStopWaitMs);
  // A running task takes no further step: the link goes down first, and a
  // task's request after it would go nowhere.
  m_Vorn.KLX_VornHandlerStopProcessing();
  KLX_SystemBringDownCommunication();
  KLX_SystemBringDownGuiCommandHandler();
  KLX_SystemBringDownGPS();
  KLX_SystemBringDownXMLFileHandler();
  KLX_SystemBringDownKeyboardHandler();
  KLX_SystemBringDownBatteryHandler();
  KLX_SystemBringDownLanguageHandler();
  KLX_SystemBringDownVornHandler();
  KLX_SystemBringDownRuntimeDatabase();
  KLX_SystemBringDownDatabase();
  if (state != 2) KLX_SystemDatabaseFree();
}

void KLX_System::KLX_SystemDown() {
  qInfo("  ->   ------===------ SYSTEM GOES DOWN HERE! ------===------");
  KLX_SystemStop(2);
  m_TurningOff = false;
  emit onGuiStop();
}

void KLX_System::KLX_SystemStopProcessing() {
  m_Vorn.KLX_VornHandlerStopProcessing();
  m_Protocol.KLX_ProtocolStopProcessing();
  m_GPS.KLX_GPSHandlerStopProcessing();
  m_GuiCommand.KLX_GuiCommandHandlerStopProcessing();
  m_Runtime.KLX_RuntimeDatabaseManagerStopProcessing();
  m_Battery.KLX_BatteryHandlerStopProcessing();
  m_DataBase.KLX_DatabaseManagerStopProcessing();
}

void KLX_System::KLX_SystemTurnOff(bool storedInTC) {
  m_Vorn.KLX_VornHandlerSwitchingOff();
  m_DataBase.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(storedInTC, AtomicDirSet);
  m_Runtime.KLX_RuntimeDatabaseManagerStopProcessing();
  m_DataBase.KLX_DataBaseManagerForceSavingXMLFilesDumpTimers(true);
  m_TurningOff = true;
}

void KLX_System::KLX_SystemSave() {
  if (m_DataBase.KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet) == KLX_VornTask::KLX_PHASE_SYSTEM_UP &&
      m_DataBase.KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled(0, AtomicDirGet) != 0) {
    // The sensor capture waiting for the scan would otherwise come back between
    // the switch-off's own tasks (the turn-off below does the same first).
    m_Vorn.KLX_VornHandlerSwitchingOff();
    qInfo("  ->   Model CRC request for next fast start...");
    Task_Data_T task;
    task.task = KLX_VornTask::KLX_TASK_MOD_SYNC;
    task.timeout = 15000;
    task.repeat = 3;
    task.requeueDelay = 0;
    task.source = KLX_VornTask::KLX_TASK_SOURCE_VORN;
    m_Vorn.KLX_VornHandlerQueueProcessTask(task);
    return;
  }
  KLX_SystemTurnOff(false);
}

void KLX_System::KLX_SystemReadyToGoDown() {
  KLX_SystemResetInactivityTimer();
  if (m_App) m_App->QGuiTouchHandlerApplicationSetRunFlag(false);
  emit onGuiReadyToGoDown();
}

void KLX_System::KLX_SystemClearGoDown() {
  if (m_App) m_App->QGuiTouchHandlerApplicationSetRunFlag(true);
  emit onGuiClearGoDown();
}

void KLX_System::KLX_SystemResetInactivityTimer() { m_Battery.KLX_BatteryHandlerResetInactivityTimer(); }

void KLX_System::KLX_SystemSignalSDcardNotFound() {
  if (!m_SuppressSDcardSignal) emit noSDcardDetected();
}

int KLX_System::KLX_SystemGetSetPowerPinAtStart(int value, bool set) {
  return m_Runtime.KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(value, set);
}

void KLX_System::KLX_SystemSetQuickWindow(QQuickWindow* window) {
  KLXlanguageHandler.KLX_LanguageHandlerSetQuickWindow(window);
  // Closing the window (on the desktop) switches off in order instead of
  // ending the event loop under the running parts.
  if (window) window->installEventFilter(this);
}

void KLX_System::KLX_SystemRequestSwitchOff() {
  qInfo("  ->   switch-off requested");
  m_OnOff.KLX_OnOffHandlerRequestSwitchOff();
}

bool KLX_System::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close && qobject_cast<QQuickWindow*>(watched)) {
    event->ignore();
    KLX_SystemRequestSwitchOff();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void KLX_System::KLX_SystemFree() {
  KLX_SystemDatabaseFree();
  if (Board::IsInitialized()) Board::Free();
}

void KLX_System::KLX_SystemDatabaseFree() {
  if (KLX_SystemPartsInUse()) {
    const QString thread = m_UpdateManager.isRunning() ? QStringLiteral("the update manager's thread")
                                                       : QStringLiteral("the task engine");
    KLXErrorHandler.RegisterError(kPartsInUse, thread + QStringLiteral(" did not stop within %1 ms at the switch-off: "
                                                                       "the database is kept")
                                                            .arg(CUpdateManager::kStopWaitMs));
    return;
  }
  m_DataBase.KLX_DataBaseManagerFree();
}

bool KLX_System::KLX_SystemPartsInUse() const {
  return m_UpdateManager.isRunning() || m_Vorn.KLX_VornHandlerEngineRunning();
}

// Bring-up steps: each answers 1 on success.
void KLX_System::KLX_SystemTakeInstalledVersion() {
  const KLX_FileNameHandler names;
  int major = 0;
  int minor = 0;
  if (!KLX_Platform::InstalledProgramVersion(
          names.KLX_FileNameHandlerGetLinuxAppPath() + names.KLX_FileNameHandlerGetLinuxAppFileName(), &major, &minor))
    return;
  m_DataBase.KLX_DataBaseManagerVornLinuxAppSetVersion(static_cast<unsigned char>(major), static_cast<unsigned char>(minor));
  qInfo("the desktop starts build/bin/vorn in the place of the installed application %d.%d, and runs as that version",
        major, minor);
}

int KLX_System::KLX_SystemBringUpLanguageHandler() {
  return KLXlanguageHandler.KLX_LanguageHandlerInitialize(m_App);
}

int KLX_System::KLX_SystemBringUpKeyboardHandler() { return KLX_Ok; }

int KLX_System::KLX_SystemBringUpOnOffHandler() {
  const int rc = m_OnOff.KLX_OnOffHandlerInitialize(this);
  if (rc != KLX_Ok) return rc;
  return m_OnOff.KLX_OnOffHandlerStart() ? KLX_Ok : KLX_Error;
}

int KLX_System::KLX_SystemBringupDatabase() {
  return m_DataBase.KLX_DataBaseManagerInitialize(&m_Protocol, &m_Vorn, &KLXlanguageHandler, &m_Runtime);
}

int KLX_System::KLX_SystemBringUpCommunication() {
  return m_Protocol.KLX_ProtocolInitialize(&m_DataBase, &m_Vorn);
}

int KLX_System::KLX_SystemBringUpBatteryHandler() {
  const int rc = m_Battery.KLX_BatteryHandlerInitialize(&m_DataBase, &m_OnOff);
  if (rc != KLX_Ok) return rc;
  return m_Battery.KLX_BatteryHandlerStart();
}

int KLX_System::KLX_SystemBringUpXMLFileHandler() {
  const int rc = m_XMLFileHandler.KLX_XMLFileHandlerInitialize(&m_DataBase);
  if (m_App)
    connect(m_App, &QGuiTouchHandlerApplication::iconEvent, &m_XMLFileHandler,
            &KLX_XMLFileHandler::iconEvent, Qt::UniqueConnection);
  return rc;
}

int KLX_System::KLX_SystemBringUpVornHandler() {
  return m_Vorn.KLX_VornHandlerInitialize(&m_DataBase, &m_Protocol, &m_GuiCommand, &m_Runtime);
}

int KLX_System::KLX_SystemBringUpGuiCommandHandler() {
  return m_GuiCommand.KLX_GuiCommandHandlerInitialize(&m_DataBase, &m_Vorn);
}

int KLX_System::KLX_SystemBringupRuntimeDatabase() {
  return m_Runtime.KLX_RuntimeDatabaseManagerInitialize(&m_DataBase, &m_Protocol, this);
}

// Bring-down steps: each is safe on a handler that never started.
int KLX_System::KLX_SystemBringDownCommunication() { return m_Protocol.KLX_ProtocolClose(); }
int KLX_System::KLX_SystemBringDownGuiCommandHandler() { return m_GuiCommand.KLX_GuiCommandHandlerStop(); }
int KLX_System::KLX_SystemBringDownGPS() {
  m_GPS.KLX_GPSHandlerStop();
  m_GPS.KLX_GPSHandlerClose();
  return KLX_Ok;
}
int KLX_System::KLX_SystemBringDownXMLFileHandler() { return KLX_Ok; }
int KLX_System::KLX_SystemBringDownKeyboardHandler() { return KLX_Ok; }
int KLX_System::KLX_SystemBringDownBatteryHandler() { return m_Battery.KLX_BatteryHandlerStop(); }
int KLX_System::KLX_SystemBringDownLanguageHandler() { return KLXlanguageHandler.KLX_LanguageHandlerStop(); }
int KLX_System::KLX_SystemBringDownVornHandler() { return m_Vorn.KLX_VornHandlerStop(); }
int KLX_System::KLX_SystemBringDownRuntimeDatabase() { return m_Runtime.KLX_RuntimeDatabaseManagerStop(); }
int KLX_System::KLX_SystemBringDownDatabase() { return m_DataBase.KLX_DataBaseManagerStop(); }

int KLX_System::KLX_SystemBringDownOnOffHandler() {
  if (m_OnOff.isRunning()) m_OnOff.KLX_OnOffHandlerStop();
  m_OnOff.KLX_OnOffSetOutput(0);
  m_OnOff.KLX_OnOffHandlerClose();
  qInfo("  ->   ==========================================");
  qInfo("  ->   ==   The transmitter switches off now.  ==");
  qInfo("  ->   ==             Good bye!                ==");
  qInfo("  ->   ==========================================");
  return KLX_Ok;
}
