#pragma once
// The database facade: the one door through which QML and the rest of the
// program read and change the model and the settings (published as "Database").
#include <QObject>
#include <QString>

#include <atomic>

#include "audio/cttslist.h"
#include "audio/klx_audiohandler.h"
#include "frame/klx_basedatabase.h"
#include "frame/klx_xmlfilesaver.h"
#include "model/klx_tutorpupilctrl.h"
#include "wireless/klx_bluetooth.h"
#include "wireless/klx_headup.h"
#include "wireless/klx_wlanconnect.h"

class KLX_Protocol;
class KLX_VornHandler;
class KLX_LanguageHandler;
class KLX_RuntimeDatabaseManager;

class KLX_DataBaseManager : public QObject, public KLX_UnitCRC {
  Q_OBJECT
 public:
  explicit KLX_DataBaseManager(QObject* parent = nullptr);
  ~KLX_DataBaseManager() override;

  static KLX_DataBaseManager* m_MySelf;

  int KLX_DataBaseManagerInitialize(KLX_Protocol* protocol, KLX_VornHandler* vorn,
                                    KLX_LanguageHandler* language,
                                    KLX_RuntimeDatabaseManager* runtime);
  int KLX_DataBaseManagerStop();
  void KLX_DataBaseManagerFree();
  void KLX_DataBaseManagerStopProcessing() { m_Processing = false; }
  bool KLX_DataBaseManagerIsInitialized() const { return m_Initialized; }

  // Start-up state.
  Q_INVOKABLE int KLX_DataBaseManagerGetSetStartupPhases(int value, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetBootStatus(int value, int dir);

  // Modify flags that drive the saver.
  void KLX_DataBaseManagerSetSystemModifyFlag(bool modified) { m_SystemModified = modified; }
  bool KLX_DataBaseManagerGetSystemModifyFlag() const { return m_SystemModified; }
  void KLX_DataBaseManagerSetVornModifyFlag(bool modified) { m_VornModified = modified; }
  bool KLX_DataBaseManagerGetVornModifyFlag() const { return m_VornModified; }

  // Current-model properties and version bookkeeping.
  bool KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(bool stored, int dir,
                                                                    bool save = true);
  int KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(int value, int dir, bool save = true);
  Q_INVOKABLE QString KLX_DataBaseManagerVornLinuxAppGetVersion() const;

  // System settings used by start-up and switch-off.
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language(QString value, int dir,
                                                                               bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemPropertiesChange_Language(QString language,
                                                                           bool modify = true);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemPropertiesGetSet_BTPowerStatus(int value, int dir,
                                                                                bool save = true);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled(int value, int dir);
  void KLX_DataBaseManagerBTTurnON();
  void KLX_DataBaseManagerForceSavingXMLFilesDumpTimers(bool last);

  // Objects published beside the facade.
  CTTSList* KLX_TTSListPtr() { return &m_TTSList; }
  KLX_Headup* KLX_HeadupPtr() { return &m_Headup; }
  KLX_Bluetooth* KLX_DatabaseManagerBTConnPointer() { return &m_Bluetooth; }
  KLX_AudioHandler* KLX_DatabaseManagerAudioHandlerPointer() { return &m_AudioHandler; }
  KLX_WlanConnect* KLX_DatabaseManagerWlanConnPointer() { return &m_Wlan; }
  KLX_TutorPupilCtrl* KLX_DatabaseManagerTutorPupilPointer() { return m_TutorPupil; }
  KLX_XMLFileSaver* KLX_DatabaseManagerXMLFileSaverPtr() { return &m_XMLFileSaver; }

 private:
  KLX_XMLFileSaver m_XMLFileSaver;
  KLX_AudioHandler m_AudioHandler;
  CTTSList m_TTSList;
  KLX_WlanConnect m_Wlan;
  KLX_Bluetooth m_Bluetooth;
  KLX_Headup m_Headup;
  KLX_TutorPupilCtrl* m_TutorPupil = nullptr;

  KLX_Protocol* m_Protocol = nullptr;
  KLX_VornHandler* m_Vorn = nullptr;
  KLX_LanguageHandler* m_LanguageHandler = nullptr;
  KLX_RuntimeDatabaseManager* m_Runtime = nullptr;
  bool m_Initialized = false;
  std::atomic<bool> m_Processing{false};

  std::atomic<int> m_StartupPhase{0};
  std::atomic<int> m_BootStatus{0};
  std::atomic<bool> m_SystemModified{false};
  std::atomic<bool> m_VornModified{false};
  std::atomic<bool> m_ModelSavedInTC{false};
  std::atomic<int> m_UpdateFlag{0};
  QString m_Language = QStringLiteral("en");
  int m_BTPowerStatus = 0;
  int m_FastStartEnabled = 0;
};
