#pragma once
// The application object: owns every long-lived handler, brings them up in a
// fixed order, publishes them to QML and brings them down at switch-off.
#include <QObject>

#include <atomic>

#include "frame/klx_batteryhandler.h"
#include "frame/klx_keyboardhandler.h"
#include "frame/klx_onoffhandler.h"
#include "frame/klx_xmlfilehandler.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_guicommandhandler.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"
#include "telemetry/klx_gpshandler.h"
#include "update/cupdatemanager.h"

class QQmlApplicationEngine;
class QQuickWindow;
class QGuiTouchHandlerApplication;

class KLX_System : public QObject {
  Q_OBJECT
 public:
  explicit KLX_System(QObject* parent = nullptr);
  ~KLX_System() override;

  int KLX_SystemStart(QQmlApplicationEngine* engine, QGuiTouchHandlerApplication* app);
  void KLX_SystemDown();
  void KLX_SystemStopProcessing();
  void KLX_SystemTurnOff(bool storedInTC);
  void KLX_SystemSave();
  void KLX_SystemReadyToGoDown();
  void KLX_SystemClearGoDown();
  void KLX_SystemResetInactivityTimer();
  void KLX_SystemSignalSDcardNotFound();
  int KLX_SystemGetSetPowerPinAtStart(int value, bool set);
  // Hands over the main window (for screenshots); closing it switches off.
  void KLX_SystemSetQuickWindow(QQuickWindow* window);
  // The switch-off of a held power button, asked for by a stop signal or a
  // closed window; the button thread carries it out.
  void KLX_SystemRequestSwitchOff();
  // The database and the board descriptor; the database stays while a
  // thread that reads it is still running (the error log says which).
  void KLX_SystemFree();
  void KLX_SystemDatabaseFree();
  // A thread that did not stop within the switch-off's wait still uses the
  // system's parts: they must not be taken down under it.
  bool KLX_SystemPartsInUse() const;
  bool KLX_SystemIsTurningOff() const { return m_TurningOff; }
  Q_INVOKABLE bool KLX_SystemIsDebuggingEnable() const { return false; }
  // The card start-up found is there but smaller than 256 MiB: it counts as
  // no card (noSDcardDetected), and the screens say why.
  Q_INVOKABLE bool KLX_SystemSDCardTooSmall() const { return m_SDCardTooSmall; }
  int exit_klx_error(unsigned code, const char* text);

  int KLX_SystemBringDownOnOffHandler();

  // The handlers, for the program's own wiring and for tests.
  KLX_Protocol& Protocol() { return m_Protocol; }
  KLX_DataBaseManager& Database() { return m_DataBase; }
  KLX_OnOffHandler& OnOffHandler() { return m_OnOff; }
  KLX_VornHandler& VornHandler() { return m_Vorn; }
  KLX_GPSHandler& GPSHandler() { return m_GPS; }
  KLX_BatteryHandler& BatteryHandler() { return m_Battery; }
  KLX_RuntimeDatabaseManager& RuntimeDatabase() { return m_Runtime; }
  KLX_GuiCommandHandler& GuiCommandHandler() { return m_GuiCommand; }
  CUpdateManager& UpdateManager() { return m_UpdateManager; }

 public slots:
  void KLX_SystemStop(int state = 2);

 signals:
  void onGuiStop();
  void onGuiReadyToGoDown();
  void onGuiClearGoDown();
  void modelFastStarted();
  void noSDcardDetected();

 private:
  int KLX_SystemBringUpLanguageHandler();
  // Where the platform starts another program than this build (the
  // desktop after its package update), the start is that program's.
  void KLX_SystemTakeInstalledVersion();
  int KLX_SystemBringUpKeyboardHandler();
  int KLX_SystemBringUpOnOffHandler();
  int KLX_SystemBringupDatabase();
  int KLX_SystemBringUpCommunication();
  int KLX_SystemBringUpBatteryHandler();
  int KLX_SystemBringUpXMLFileHandler();
  int KLX_SystemBringUpVornHandler();
  int KLX_SystemBringUpGuiCommandHandler();
  int KLX_SystemBringupRuntimeDatabase();

  int KLX_SystemBringDownCommunication();
  int KLX_SystemBringDownGuiCommandHandler();
  int KLX_SystemBringDownGPS();
  int KLX_SystemBringDownXMLFileHandler();
  int KLX_SystemBringDownKeyboardHandler();
  int KLX_SystemBringDownBatteryHandler();
  int KLX_SystemBringDownLanguageHandler();
  int KLX_SystemBringDownVornHandler();
  int KLX_SystemBringDownRuntimeDatabase();
  int KLX_SystemBringDownDatabase();

  void PublishToQml(QQmlApplicationEngine* engine);
  bool eventFilter(QObject* watched, QEvent* event) override;

  KLX_Protocol m_Protocol;
  KLX_DataBaseManager m_DataBase;
  KLX_GPSHandler m_GPS;
  KLX_KeyboardHandler m_Keyboard;
  KLX_OnOffHandler m_OnOff;
  KLX_BatteryHandler m_Battery;
  KLX_XMLFileHandler m_XMLFileHandler;
  KLX_VornHandler m_Vorn;
  KLX_GuiCommandHandler m_GuiCommand;
  KLX_RuntimeDatabaseManager m_Runtime;
  CUpdateManager m_UpdateManager;

  QGuiTouchHandlerApplication* m_App = nullptr;
  // Written by the button thread or the task thread, read by the button thread.
  std::atomic<bool> m_TurningOff{false};
  std::atomic<bool> m_SuppressSDcardSignal{true};
  bool m_SDCardTooSmall = false;

 public:
  using BringUp = int (KLX_System::*)();
  static const BringUp BringUpTable[9];
};
