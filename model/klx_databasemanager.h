#pragma once
// The database facade: the one door through which QML and the rest of the
// program read and change the model and the settings (published as "Database").
#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

#include "audio/cttslist.h"
#include "audio/klx_audiohandler.h"
#include "audio/klx_variosettings.h"
#include "audio/klx_voicetelemetry.h"
#include "frame/klx_basedatabase.h"
#include "frame/klx_livevalues.h"
#include "frame/klx_systemproperties.h"
#include "frame/klx_timezone.h"
#include "frame/klx_version.h"
#include "frame/klx_xmlfilesaver.h"
#include "model/klx_modelmetadata.h"
#include "model/klx_modelruntime.h"
#include "model/klx_modelstores.h"
#include "model/klx_receiver.h"
#include "model/klx_specialswitch.h"
#include "model/klx_stickdata.h"
#include "model/klx_trim.h"
#include "model/klx_tutorpupilctrl.h"
#include "tasks/klx_vornproperties.h"
#include "telemetry/klx_gps.h"
#include "telemetry/klx_guitelemetrie.h"
#include "telemetry/klx_telemetrie.h"
#include "telemetry/klx_telemetriehandler.h"
#include "timers/klx_complextimer.h"
#include "timers/klx_preflightsettings.h"
#include "timers/klx_timer.h"
#include "timers/klx_voicealarm.h"
#include "wireless/klx_bluetooth.h"
#include "wireless/klx_headup.h"
#include "wireless/klx_headupwindow.h"
#include "wireless/klx_wlanconnect.h"

class KLX_Protocol;
class KLX_VornHandler;
class KLX_LanguageHandler;
class KLX_XMLFileHandler;
class KLX_RuntimeDatabaseManager;

class KLX_DataBaseManager : public QObject, public KLX_UnitCRC {
  Q_OBJECT
 public:
  explicit KLX_DataBaseManager(QObject* parent = nullptr);
  // With the sound devices and speech engine given (tests' recording fakes).
  explicit KLX_DataBaseManager(const KLX_AudioDevices& audio, QObject* parent = nullptr);
  ~KLX_DataBaseManager() override;

  static KLX_DataBaseManager* m_MySelf;
  // The simple timers; in the timer accessors the complex timers' indices
  // follow theirs.
  static constexpr int kSimpleTimers = 8;

  int KLX_DataBaseManagerInitialize(KLX_Protocol* protocol, KLX_VornHandler* vorn,
                                    KLX_LanguageHandler* language,
                                    KLX_RuntimeDatabaseManager* runtime);
  int KLX_DataBaseManagerStop();
  void KLX_DataBaseManagerFree();
  // At switch-off: the audio handler stops its processing; nothing else of
  // the facade has a processing switch.
  void KLX_DatabaseManagerStopProcessing() { m_AudioHandler.KLX_AudioHandlerStopProcessing(); }
  bool KLX_DataBaseManagerIsInitialized() const { return m_Initialized; }
  // How many of the 31 objects the facade owns exist now.
  int KLX_DataBaseManagerOwnedObjects() const;

  // Start-up state.
  Q_INVOKABLE int KLX_DataBaseManagerGetSetStartupPhases(int value, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetBootStatus(int value, int dir);

  // Modify flags that drive the saver.
  void KLX_DataBaseManagerSetSystemModifyFlag(bool modified) { m_systemdatamodified = modified; }
  bool KLX_DataBaseManagerGetSystemModifyFlag() const { return m_systemdatamodified; }
  void KLX_DataBaseManagerSetVornModifyFlag(bool modified) { m_vorndatamodified = modified; }
  bool KLX_DataBaseManagerGetVornModifyFlag() const { return m_vorndatamodified; }
  // Read and cleared in one step.
  bool KLX_DataBaseManagerTakeSystemModifyFlag() { return m_systemdatamodified.exchange(false); }
  bool KLX_DataBaseManagerTakeVornModifyFlag() { return m_vorndatamodified.exchange(false); }

  // Current-model properties and version bookkeeping.
  Q_INVOKABLE QString KLX_DataBaseManagerVornLinuxAppGetVersion();

  // Objects published beside the facade.
  CTTSList* KLX_TTSListPtr() { return &m_TTSList; }
  KLX_Bluetooth* KLX_DatabaseManagerBTConnPointer() { return &m_Bluetooth; }
  KLX_AudioHandler* KLX_DatabaseManagerAudioHandlerPointer() { return &m_AudioHandler; }
  KLX_TutorPupilCtrl* KLX_DatabaseManagerTutorPupilPointer() { return m_TutorPupil; }
  KLX_XMLFileSaver* KLX_DatabaseManagerXMLFileSaverPtr() { return &m_XMLFileSaver; }

  // ---- Live controls and what the controllers report (written on the CAN
  // receiver thread by the message handlers) ----
  KLX_Stickdata* KLX_DataBaseManagerGetStickdata() { return m_Stickdata; }
  Q_INVOKABLE int KLX_DataBaseManagerGetSet_ControlValueByControl(int control, int value, int dir);
  Q_INVOKABLE int KLX_DataBaseManager_StickdataLock();
  Q_INVOKABLE int KLX_DataBaseManager_StickdataUnlock();
  int KLX_DataBaseManagerSet_StickTrimDirectionClicked(int trim, int direction);
  int KLX_DataBaseManagerGetAndClear_StickTrimDirection(int trim, bool clear);
  int KLX_DataBaseManagerGetSet_StickMovement(int value, int dir);
  int KLX_DataBaseManager_CheckControlMovement(unsigned short* id);
  int KLX_DataBaseManager_StickdataFreezeMovement();
  int KLX_DataBaseManager_StickdataGetSet_LastControl(int id, int dir);
  int KLX_DataBaseManager_FoundControl(unsigned short control);
  void KLX_DataBaseManager_RepeatControl(unsigned short control);
  void KLX_DataBaseManager_CheckLittleStickMovement();
  // How often a moved stick restarted the inactivity timer.
  int KLX_DataBaseManagerInactivityRestarts() const { return m_InactivityRestarts; }

  int KLX_DataBaseManager_IsTrimFlightModeDependent(int trim, int flightmode);
  Q_INVOKABLE int KLX_DataBaseManagerSpecialSwitchGetSet_Value(int index, int value, int dir,
                                                               bool transmit = true);

  Q_INVOKABLE QString KLX_DataBaseManagerGetSetTransLQI1(int value, int dir);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetTransLQI2(int value, int dir);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetTransRSSI1(int value, int dir);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetTransRSSI2(int value, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGetTransLQI1() const { return m_LQI1; }
  Q_INVOKABLE int KLX_DataBaseManagerGetTransLQI2() const { return m_LQI2; }
  Q_INVOKABLE int KLX_DataBaseManagerGetTransRSSI1() const { return m_RSSI1; }
  Q_INVOKABLE int KLX_DataBaseManagerGetTransRSSI2() const { return m_RSSI2; }
  void KLX_DataBaseManagerSetGainValueFCC_CAN(unsigned char gain) { m_GainFCC = gain; }
  int KLX_DataBaseManagerGetGainValueFCC_CAN() const { return m_GainFCC; }
  void KLX_DatabaseManagerSetTCDeviceState(unsigned int states) { m_TCDeviceState = states; }
  unsigned int KLX_DatabaseManagerGetTCDeviceState() const { return m_TCDeviceState; }
  int KLX_DataBaseManagerSequencerUpdateInfo(unsigned char sequencer, bool flag, unsigned char value,
                                             const unsigned int* data);

  int KLX_DataBaseManagerHandleTelemetrieData(const unsigned char* frame);
  int KLX_DataBaseManagerHandleTelemetrieNoResp(unsigned char address);
  // Refreshes the transmitter's own sensor (the timers-and-alarms thread, once a second).
  int KLX_DataBaseManagerHandleTelemetrieVornData();
  int KLX_DataBaseManagerHandleVornTelemetrieData(unsigned char firstIndex, unsigned char count);
  KLX_TelemetrieHandler* KLX_DataBaseManagerGetTelemetrieHandler() { return &m_TelemetrieHandler; }

  // Any thread: a value the screens show live has changed, `kinds` the
  // KLX_DatabaseValues::E_LiveValue bits (liveValuesChanged follows on the
  // GUI thread).
  void KLX_DataBaseManagerLiveValuesChanged(unsigned kinds) { m_LiveValues.KLX_LiveValuesChanged(kinds); }
  KLX_LiveValues* KLX_DataBaseManagerLiveValues() { return &m_LiveValues; }
  // A view begins or ends showing a sensor's values: only shown sensors'
  // changes reach the screens.
  Q_INVOKABLE void KLX_DataBaseManagerLiveValuesShowSensor(int address, bool shown) {
    m_LiveValues.KLX_LiveValuesShowSensor(address, shown);
  }

 signals:
  void controlSelected(int control);
  void controlRepeated(int oldcontrol);
  // The screens read what they show live when this comes, not on timers:
  // only what shows the kinds named (E_LiveValue bits), and with LIVE_Sensors
  // only the sensors listed (addresses).
  void liveValuesChanged(int kinds, const QVariantList& sensors);

 private:
  KLX_LiveValues m_LiveValues;
  KLX_XMLFileSaver m_XMLFileSaver;
  KLX_AudioHandler m_AudioHandler;
  KLX_TelemetrieHandler m_TelemetrieHandler;
  KLX_Timer m_Timers[kSimpleTimers];
  CTTSList m_TTSList;
  KLX_WlanConnect m_Wlan;
  KLX_Bluetooth m_Bluetooth;
  KLX_TutorPupilCtrl* m_TutorPupil = nullptr;

  // Stores created with the database.
  KLX_Stickdata* m_Stickdata = nullptr;
  KLX_Trim* m_Trim = nullptr;
  KLX_SpecialSwitch* m_SpecialSwitch = nullptr;

  // Values the controllers report.
  std::atomic<int> m_LQI1{0};
  std::atomic<int> m_LQI2{0};
  std::atomic<int> m_RSSI1{0};
  std::atomic<int> m_RSSI2{0};
  std::atomic<int> m_GainFCC{0};
  std::atomic<unsigned int> m_TCDeviceState{0};
  std::atomic<int> m_InactivityRestarts{0};

  KLX_Protocol* m_Protocol = nullptr;
  KLX_VornHandler* m_Vorn = nullptr;
  KLX_LanguageHandler* m_LanguageHandler = nullptr;
  KLX_RuntimeDatabaseManager* m_Runtime = nullptr;
  bool m_Initialized = false;

  std::atomic<int> m_StartupPhase{0};
  std::atomic<int> m_BootStatus{0};

#include "model/klx_databasemanager_model.h"
#include "model/klx_databasemanager_system.h"
#include "model/klx_databasemanager_services.h"
#include "model/klx_databasemanager_telemetry.h"
#include "model/klx_databasemanager_pages.h"
#include "model/klx_databasemanager_wlan.h"
#include "model/klx_databasemanager_audio.h"
#include "model/klx_databasemanager_timers.h"
#include "model/klx_databasemanager_alarms.h"
#include "model/klx_databasemanager_headup.h"
};
