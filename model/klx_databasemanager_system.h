// The settings part of the database facade's class body: the system
// settings accessors, the current-model properties, the version and update
// bookkeeping. Included inside class KLX_DataBaseManager
// (klx_databasemanager.h) so that moc sees every invokable.
// No include guard: it is part of one class body.

 public:
  // ---- System settings: the accessors of the settings table --------------------
  KLX_SYSTEM_SETTINGS(KLX_SETTING_FACADE_DECL)

  // ---- System settings: forwarders --------------------------------------------
  Q_INVOKABLE int KLX_DataBaseManagerGetCPUTemp(int frmNum);
  Q_INVOKABLE double KLX_DataBaseManagerGetSystemProperties_SliderSensorBrightness(bool base);
  Q_INVOKABLE double KLX_DataBaseManagerGetSystemProperties_CalcBrightnessInLogScale(int value);
  Q_INVOKABLE int KLX_DataBaseManagerSystemPropertiesGet_ControlTypByControl(int control);
  int KLX_DataBaseManagerSystemPropertiesGet_ControlAndControlTypByIndex(int index, int* control, int* type);
  void KLX_DataBaseManagerSetCountryListPtr(const QList<CountryTZ_struct>* list);
  Q_INVOKABLE int KLX_SystemPropertiesGetSystemProperties_GetCountryCountInTZoneFile();
  Q_INVOKABLE int KLX_SystemPropertiesGet_QtCountryCount();
  Q_INVOKABLE int KLX_DataBaseManagerGetSystemPropertiesGet_ListIndexByCode(int country_code);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSystemPropertiesGet_CountryName(int country_code = -1);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSystemPropertiesGet_CountryNameInList(int idx);
  Q_INVOKABLE int KLX_DataBaseManagerGetSystemPropertiesGet_CountryCodeInList(int idx);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetSystemPropertiesGet_FullDescrInXMLList(int list_idx, int tz_idx);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetSystemPropertiesGet_TimeZonesList(int country_code = -1);
  Q_INVOKABLE QDateTime KLX_DataBaseManagerGetSetSystemPropertiesGet_DateTime();
  Q_INVOKABLE int get_BT_Control_Value();
  Q_INVOKABLE int get_Trims_Control_Value();
  Q_INVOKABLE int get_Telemetry_Control_Value();
  Q_INVOKABLE int get_Timer_Control_Value();
  Q_INVOKABLE int get_Vario_Control_Value();
  Q_INVOKABLE int get_MasterVolume_Control_Value();
  Q_INVOKABLE int get_BT_Control_ID();
  Q_INVOKABLE int get_Trims_Control_ID();
  Q_INVOKABLE int get_Telemetry_Control_ID();
  Q_INVOKABLE int get_Timer_Control_ID();
  Q_INVOKABLE int get_Vario_Control_ID();
  Q_INVOKABLE int get_MasterVolume_Control_ID();
  Q_INVOKABLE int KLX_DataBaseManager_SystemPropertiesLock();
  Q_INVOKABLE int KLX_DataBaseManager_SystemPropertiesUnlock();
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemProperties_ClearAll();

  // ---- System settings: a write with modify marks "System.xml" modified -------
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime(int value, int dir,
                                                                                    bool modify = true);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLogin(QString login, int dir,
                                                                                  bool modify = true);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserPassw(QString passw, int dir, bool modify = true);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLoginEncrptd(QString login, int dir,
                                                                                         bool modify = true);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserPasswEncrypted(QString passw, int dir,
                                                                                         bool modify = true);

  // ---- Control-type table and user menu -----------------------------------------
  Q_INVOKABLE int KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlType(int control, int typ, bool modify = true);
  Q_INVOKABLE int KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlTypByIndex(int index, int control, int type,
                                                                                     bool modify = true);
  Q_INVOKABLE int KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(int index, int value, QString menu, int dir,
                                                                         bool modify = true);
  Q_INVOKABLE bool SetUserMenuEntry(int value, QString type);
  Q_INVOKABLE bool ISUserMenuFull();
  Q_INVOKABLE QString GetUserMenuEntryType(int index);
  Q_INVOKABLE int GetMaxUserMenuEntries() const { return 10; }

  // ---- Settings screen, derived brightness --------------------------------------
  Q_INVOKABLE void KLX_DataBaseManagerSystemPropertiesEntry() { m_SettingsScreen = 1; }
  Q_INVOKABLE void KLX_DataBaseManagerSystemPropertiesLeave() { m_SettingsScreen = 0; }
  Q_INVOKABLE int KLX_DataBaseManagerSystemPropertiesGetState() const { return m_SettingsScreen; }
  Q_INVOKABLE int KLX_DataBaseManagerGetSystemProperties_FinalBrightness(bool logScale);
  Q_INVOKABLE int KLX_DataBaseManagerGet_ScreenBrightnessLimit(bool max) const { return max ? 100 : 1; }

  // ---- Volumes: the store's packed value goes on to the audio handler -------------
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlKeyTrims(
      int percent, int dir, bool modify = true, int control = CONTROLID_Invalid_GUI);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTelemetry(
      int percent, int dir, bool modify = true, int control = CONTROLID_Invalid_GUI);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTimer(
      int percent, int dir, bool modify = true, int control = CONTROLID_Invalid_GUI);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlVario(
      int percent, int dir, bool modify = true, int control = CONTROLID_Invalid_GUI);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT(
      int percent, int dir, bool modify = true, int control = CONTROLID_Invalid_GUI);
  Q_INVOKABLE int SystemPropertiesGetSet_VolumeMaster(int percent, int dir, bool modify = true,
                                                      int control = CONTROLID_Invalid_GUI);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemPropertiesGetSet_MasterVolumeCtl(int control, int dir,
                                                                                  bool modify = true);
  // The volumes that follow a control take its position (every 150 ms while
  // a model runs): a level that moved by more than one step is stored and
  // applied.
  void KLX_DataBaseManagerUpdateVolumes();

  // ---- Language and clock ----------------------------------------------------------
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemPropertiesChange_Language(QString language, bool modify = true);
  // Screenshots of the main window, kept by the language handler.
  Q_INVOKABLE bool KLX_DatabaseManagerGetScreenShot();
  Q_INVOKABLE QString KLX_DatabaseManagerSaveLastScreenShotAt(QString path = QString());
  void KLX_DataBaseManagerSetTimeToSystem(bool seconds);
  int KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DateTime(QDateTime& datetime, int dir, bool tosystem = false);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemPropertiesSet_DateTime(QDateTime datetime, bool tosystem = false);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(int display, int dir, bool modify = true,
                                                                             bool tosystem = false);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(int minutes, int dir,
                                                                                    bool tosystem = false,
                                                                                    bool tz_chk = false);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DayLightSaving(int daylightSave, int dir,
                                                                                 bool tosystem = false);
  void KLX_DataBaseManagerSystemProperties_SynchronizeDateTime();
  bool KLX_DataBaseManagerSystemProperties_IsDateTimeSync() const { return m_DateTimeSync; }

  // ---- Last used BLE device, front socket ---------------------------------------------
  Q_INVOKABLE QString KLX_DataBaseManagerGetLastUsedBLEDevice();
  Q_INVOKABLE void KLX_DataBaseManagerSetLastUsedBLEDevice(QString macAddr);
  Q_INVOKABLE void SetAndSearchLastUsedBLEDevice(QString macAddr, bool research);
  // The screens' access: a set is the pilot's choice, which the model keeps
  // (marked for saving when it asks for another mode than the model holds).
  Q_INVOKABLE int KLX_DatabaseManagerGetSetFrontPlugMode(int mode, int dir);
  // The model file's mode, asked of the controller: the model holds it already.
  int KLX_DatabaseManagerSetFrontPlugModeFromFile(int mode);
  // The controller's answer (flags 2) is stored; other flags are forwarded
  // to the settings' accessor as they are.
  int KLX_DatabaseManagerGetSetFrontPlugModeInSystemProp(int mode, int flags);
  // The mode a saved model keeps: never a failure code. Before the
  // transceiver has reported its mode it is asked, as by a read, and the
  // last mode known (asked of it, or reported) or the default is given.
  int KLX_DatabaseManagerGetFrontPlugModeForFile();

  // ---- Current-model properties ----------------------------------------------------------
  QString KLX_DataBaseManagerVornPropertiesGetSet_ModelName(QString name, int dir, bool save = true);
  // The model menu reads type and folder to find the current model in its lists.
  Q_INVOKABLE int KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(int type, int dir, bool save = true);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString folder, int dir,
                                                                                bool save = true);
  bool KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(bool stored, int dir, bool save = true);
  bool KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(bool value, int get);
  // Tests and takes the saver's permission in one step.
  bool KLX_DataBaseManagerTakeVornPropertiesSaveModelData();
  // The current model's file that could not be loaded; empty when none.
  void KLX_DataBaseManagerVornPropertiesSetFailedFile(const QString& path);
  Q_INVOKABLE QString KLX_DataBaseManagerVornPropertiesGetFailedFile();
  // The folder of the model file last read.
  void KLX_SetModelPath(const QString& path);
  Q_INVOKABLE QString KLX_GetModelPath();
  int KLX_DataBaseManagerVornPropertiesClearAll();
  Q_INVOKABLE QString KLX_DataBaseManagerVornPropertiesGetModelName();

  // ---- Versions and update bookkeeping --------------------------------------------------
  bool KLX_DataBaseManagerVornLinuxAppGetVersion(unsigned char* major, unsigned char* minor);
  // The version the start runs where the platform stands in for another
  // program than this build (the desktop after its package update).
  bool KLX_DataBaseManagerVornLinuxAppSetVersion(unsigned char major, unsigned char minor);
  Q_INVOKABLE QString KLX_DataBaseManagerVornTransAppGetVersion();
  Q_INVOKABLE QString KLX_DataBaseManagerVornStickAppGetVersion();
  bool KLX_DataBaseManagerVornTransAppSetVersion(unsigned char major, unsigned char minor);
  bool KLX_DataBaseManagerVornStickAppSetVersion(unsigned char major, unsigned char minor);
  Q_INVOKABLE QString KLX_DataBaseManagerLinuxGetVersion();
  Q_INVOKABLE QString KLX_DataBaseManagerVornStartScriptGetVersion();
  Q_INVOKABLE QString KLX_DataBaseManagerVersionReceiverGetVersion(int index);
  Q_INVOKABLE QString KLX_DataBaseManagerSerialStickGet();
  int KLX_DataBaseManagerSerialStickSet(unsigned int serial);
  QString KLX_DataBaseManagerUpdate_GetVersionOfUpdateXmlFile();
  int KLX_DataBaseManagerUpdate_SetGetVersion_Major_Updated(int value, int get);
  int KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Updated(int value, int get);
  int KLX_DataBaseManagerUpdate_SetGetVersion_Major_Installed(int value, int get);
  int KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(int value, int get);
  int KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(int value, int dir, bool save = true);
  QString KLX_DataBaseManagerUpdate_Set_Device_Name(QString name);
  QString KLX_DataBaseManagerUpdate_Get_DeviceNameAtIndex(int index);
  int KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Major(int value, QString name, int get);
  int KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Minor(int value, QString name, int get);
  QString KLX_DataBaseManagerUpdateSetGetDeviceFilename(QString file, QString name, int get);
  QString KLX_DataBaseManagerUpdate_InstalledSetGetDeviceFilename(QString file, QString name, int get);
  QString KLX_DataBaseManagerUpdate_InstalledSetGetUpdateDate(QString date, int get);
  // The application version ("major.minor") the pending update is for.
  QString KLX_DataBaseManagerUpdate_SetGetPendingFor(QString version, int get);
  int KLX_DataBaseManagerUpdateGetSetDeviceFilenameFlag(QString name, int get);
  int KLX_DataBaseManagerUpdateSetGetDeviceTyp(int value, QString name, int get);
  int KLX_DataBaseManagerUpdateSetGetForce(int value, int get);

  // ---- XML files: the saver and its requests -----------------------------------------------
  // A save that also writes the model when only its timers' kept values
  // changed: asked for before a model is replaced, and at the switch-off.
  Q_INVOKABLE void KLX_DataBaseManagerForceSavingXMLFilesDumpTimers(bool last);
  KLX_XMLFileHandler* KLX_DataBaseManagerXMLFileHandlerPtr() { return m_XMLFileHandler; }

  // ---- What the telemetry log and the voice alarms ask of the settings ------------------------
  int KLX_DataBaseManagerTelemetryPauseReason() const { return m_TelemetrieHandler.PauseReason(); }
  QChar KLX_DataBaseManagerVoiceAlarmDecimalSeparator() const { return m_DecimalSeparator; }

 private:
  int InitializeSettingsStores();
  // The stores Initialize created; null (and reported) before it and after
  // Free, so a late call fails instead of making a new store.
  KLX_SystemProperties* SystemStore();
  KLX_Version* VersionStore();
  KLX_VornProperties* VornStore();
  int MarkSystemModified(int dir, bool modify, int result);

  KLX_SystemProperties* m_SystemProperties = nullptr;
  KLX_Version* m_Version = nullptr;
  KLX_VornProperties* m_VornProperties = nullptr;
  KLX_XMLFileHandler* m_XMLFileHandler = nullptr;
  std::atomic<bool> m_DateTimeSync{false};
  std::atomic<int> m_SettingsScreen{0};
  std::atomic<int> m_CurrentVoiceIndex{0};
  QChar m_DecimalSeparator{'.'};
