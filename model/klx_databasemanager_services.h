// The services part of the database facade's class body: teacher/pupil
// control, the model's receivers, run-time counter and metadata, the vario
// settings accessors, the service invokables and the neighbours' objects the
// facade owns. Included inside class KLX_DataBaseManager
// (klx_databasemanager.h) so that moc sees every invokable.
// No include guard: it is part of one class body.

 public:
  // ---- Teacher/pupil control: its settings live in "System.xml" ----------------
  Q_INVOKABLE int KLX_DataBaseManagerTutorPupilGetMaxChannelsCount() const { return KLX_TutorPupilCtrl::kChannels; }
  Q_INVOKABLE int KLX_DataBaseManagerTutorPupilGetUsedChannelsCount() const { return KLX_TutorPupilCtrl::kItems; }
  Q_INVOKABLE void KLX_DataBaseManagerTutorPupilClearAll();
  Q_INVOKABLE void KLX_DataBaseManagerTutorPupilClearActivator();
  Q_INVOKABLE void KLX_DataBaseManagerTutorPupilDefault();
  Q_INVOKABLE int KLX_DataBaseManagerTutorPupilGetNextFreeIndex();
  Q_INVOKABLE int KLX_DataBaseManagerTutorPupilCheckControlIDamongChannelsInput(int control, int item);
  Q_INVOKABLE int KLX_DataBaseManagerTutorPupilConvertCtrlToChIndex(int control);
  Q_INVOKABLE int KLX_DataBaseManagerTutorPupilGetSetItemAwaitingForExtChannelChanged(int value, int get);
  Q_INVOKABLE int KLX_DataBaseManagerTutorPupilGlobalEnable(bool allow = true, int dir = 0);
  Q_INVOKABLE int KLX_DataBaseManagerTutorPupilCtrl_SendExternalConf(bool allow, bool withoutActivator);
  Q_INVOKABLE int KLX_DataBaseManagerTutorPupilClearAt(int item, bool update = true);
#define KLX_TUTORPUPIL_MARKED_DECL(name, type, call) \
  Q_INVOKABLE int KLX_DataBaseManagerTutorPupil##name(int item, type value, int dir, bool update = true);
  KLX_TUTORPUPIL_MARKED(KLX_TUTORPUPIL_MARKED_DECL)
#undef KLX_TUTORPUPIL_MARKED_DECL
  Q_INVOKABLE int KLX_DataBaseManagerTutorPupilCheckControlIDamongCriticalVS(int control);
  Q_INVOKABLE int KLX_DataBaseManagerTutorPupilGetSetVornControl(int item, int control, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTutorPupilGetSetActivator(int control, int dir, bool update = true);

  // ---- Receivers of the model ---------------------------------------------------
  void KLX_DataBaseManagerSetReceiver(const CReceiver& receiver);
  int KLX_DataBaseManagerDeleteReceiver(unsigned int index);
  int KLX_DataBaseManagerClearReceivers();
  void KLX_DataBaseManagerCutReceivers();
  Q_INVOKABLE bool KLX_DataBaseManagerIsReceiverUsed(int index);
  bool KLX_DataBaseManagerIsAnyReceiverUsed();
  int KLX_DataBaseManagerGetReceiverMask();
  // The slot (mask-bit number) behind a receiver list position, or -1.
  int KLX_DataBaseManagerGetReceiverSlot(int index);
  Q_INVOKABLE qint64 KLX_DataBaseManagerGetReceiverSerialNumber(int index);
  Q_INVOKABLE qint64 KLX_DataBaseManagerGetMyReceiverType(int index);
  qint64 KLX_DataBaseManagerGetReceiverFeatures(unsigned int index);
  Q_INVOKABLE bool KLX_DataBaseManagerIsReceiverModeREdiv();
  Q_INVOKABLE bool KLX_DataBaseManagerIsReceiverModeREdiv_14();
  Q_INVOKABLE bool KLX_DataBaseManagerIsReceiverModeREdiv_21();
  int KLX_DataBaseManagerGetReceiverMode();
  void KLX_DataBaseManagerReceiverModeSet(KLX_Receiver::rx_mode_t mode);
  CVersion KLX_DataBaseManagerGetReceiverVersion(int index);
  void KLX_DataBaseManagerSetReceiverVersion(unsigned int index, const CVersion& version);
  void KLX_DataBaseManagerClearReceiverVersion(unsigned int index);
  Q_INVOKABLE QString KLX_DataBaseManagerGetReceiverImage(int index);
  Q_INVOKABLE int KLX_DataBaseManagerGetReceiverTypesCount();
  Q_INVOKABLE int KLX_DataBaseManagerGetReceiverType(int entry);
  Q_INVOKABLE QString KLX_DataBaseManagerGetReceiverTypeName(int type);
  Q_INVOKABLE QString KLX_DataBaseManagerGetReceiverTypeImage(int type);
  Q_INVOKABLE int KLX_DatabaseManagerReceiverGetREdivAntennaState();
  quint64 KLX_DataBaseManagerReceiverGetSetBindConfig(quint64 config, int dir);

  // ---- Run-time counter, silent mode, dialog text ----------------------------------
  Q_INVOKABLE int KLX_DataBaseManagerRuntimeGetSet_Runtime(int value, int dir, bool update = true);
  void ModelRuntimeRun();
  void ModelRuntimeTimerEnable();
  int KLX_DataBaseManagerRuntimeClearAll();
  void OnModelTimeChanged(int minutes);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetModelSilentMode(int value, int dir);
  Q_INVOKABLE QString KLX_DatabaseManagerGetSetDialogText(QString text, int dir);

  // ---- Model metadata: marks nothing, leaves the modify flag alone ----------------
  Q_INVOKABLE QString KLX_DataBaseManagerModelmetadataGetSet_Modelinfo(QString info, int dir, bool update = true);
  Q_INVOKABLE void KLX_DataBaseManagerModelmetadataClearAll();

  // ---- Vario settings ---------------------------------------------------------------
#define KLX_VARIO_FM_DECL(name, dirType, setter, field, sign) \
  Q_INVOKABLE int KLX_DataBaseManagerVarioGetSet##name(int value, int fm, dirType dir, bool update = true);
  KLX_VARIO_FM_FIELDS(KLX_VARIO_FM_DECL)
#undef KLX_VARIO_FM_DECL
  unsigned int KLX_DataBaseManagerGetSetVarioSingleFmMask(unsigned int mask, int dir, bool modify);
  Q_INVOKABLE int KLX_DataBaseManager_SetVarioFlightModeDependent(int fm_index, int value, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManager_IsVarioFlightModeDependent(int fm_index);
  Q_INVOKABLE int KLX_DataBaseManagerGetSetVarioActivationControlId(int ctrl, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerSetVarioAddress(int addr = -1, int slaveaddr = 255, bool update = true);
  int KLX_DataBaseManagerVarioSetDecimalPosition(int pos, bool modify);
  Q_INVOKABLE int KLX_DataBaseManagerVarioGetDecimalPosition();
  Q_INVOKABLE int KLX_DataBaseManagerVarioGetUnitsSystem();
  int KLX_DataBaseManagerVarioSetUnitsSystem(bool imperial, bool modify);
  Q_INVOKABLE int KLX_DataBaseManagerVarioSwitchUnitsSystem(bool newUnits);
  // Takes the settings' measure system (0 metric, 1 imperial; any other
  // is refused).
  Q_INVOKABLE int KLX_DataBaseManagerVarioUpdateMeasureFromSystemSettings();
  void KLX_DataBaseManagerVarioParamsClear();
  void KLX_DataBaseManagerVarioInitComplete();
  Q_INVOKABLE void KLX_DataBaseManager_VarioUpdate(int fm_index);
#define KLX_VARIO_READOUT_DECL(name, type, call) Q_INVOKABLE type KLX_DataBaseManagerVarioGet##name();
  KLX_VARIO_READOUTS(KLX_VARIO_READOUT_DECL)
#undef KLX_VARIO_READOUT_DECL
  Q_INVOKABLE int KLX_DataBaseManagerVarioGetLowestToneHz() const { return 50; }
  Q_INVOKABLE int KLX_DataBaseManagerVarioGetHighestToneHz() const { return 1000; }
  KLX_VarioSettings* KLX_DataBaseManagerVarioSettings() { return m_Vario; }

  // ---- Service invokables -----------------------------------------------------------
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetLQI1(int value, int dir, int rcvindex);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetLQI2(int value, int dir, int rcvindex);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetRSSI1(int value, int dir, int rcvindex);
  Q_INVOKABLE QString KLX_DataBaseManagerGetSetRSSI2(int value, int dir, int rcvindex);
  Q_INVOKABLE int KLX_DataBaseManagerSetGainValueFCC(int value);
  Q_INVOKABLE int KLX_DataBaseManagerGetGainValueFCC() const { return m_GainFCC; }
  Q_INVOKABLE int KLX_DataBaseManagerSetSilentModeViaCAN(int value);
  Q_INVOKABLE int KLX_DataBaseManagerVornStart();
  Q_INVOKABLE int KLX_DataBaseManagerBindingInfoSend();
  Q_INVOKABLE int KLX_DataBaseManagerMenuDataSet(int saddr, int menu, int item, int step, int dir, int datatype);
  Q_INVOKABLE int KLX_DataBaseManagerRescanTelemetry();
  Q_INVOKABLE int KLX_DataBaseManagerCaptureMenuContinious();
  Q_INVOKABLE void KLX_DataBaseManagerPauseTelemetrie(int pauseReason);
  Q_INVOKABLE void KLX_DataBaseManagerResumeTelemetrie();
  Q_INVOKABLE QString KLX_DataBaseManagerGetTeleLogFolder();
  Q_INVOKABLE QString KLX_DataBaseManagerGetTeleLogAbsFilePath();
  int KLX_DataBaseManagerStartTelemetry();
  Q_INVOKABLE int KLX_DataBaseManagerUpdateModelMetaData();
  Q_INVOKABLE QString KLX_DataBaseManagerGetModelMetaLastModi();
  Q_INVOKABLE QString KLX_DataBaseManagerGetModelMetaCreate();
  void KLX_DataBaseManagerSetModelMetaCreate(const QString& date);
  Q_INVOKABLE bool KLX_DataBaseManagerFileWrite(QString fullPathName, QString input);
  Q_INVOKABLE bool KLX_DataBaseManagerCreateTextFile(QString pathName, QString fileName, QString input);
  Q_INVOKABLE bool KLX_DataBaseManagerExportTextFile(QString fileName, QString input);
  // Why the last of the three writes above failed (E_ModelSaveFailure of the
  // database values: ModelSaveFailure_CardFull when the card or stick had no
  // room for it; ModelSaveFailure_None after one that succeeded).
  Q_INVOKABLE int KLX_DataBaseManagerTextFileFailure() const { return m_TextFileFailure; }
  Q_INVOKABLE bool KLX_DataBaseManagerDeleteTextFile(QString pathName, QString fileName);
  Q_INVOKABLE QString KLX_DataBaseManagerReadTextFile(QString fullPathName);
  Q_INVOKABLE QString KLX_DataBaseManagerReadTextFile(QString pathName, QString fileName);
  Q_INVOKABLE QString KLX_DataBaseManagerGetImageExt(QString filename);
  Q_INVOKABLE int KLX_DataBaseManagerIsPacketUpdateDifferent(bool running);
  Q_INVOKABLE int KLX_DataBaseManagerIsDeviceUpdateDifferent(QString device, unsigned char index);
  // Failures of a scan reach the screen as the manager's sendResult.
  Q_INVOKABLE bool scanStart() {
    m_Bluetooth.scanStart();
    return true;
  }
  Q_INVOKABLE bool scanStop() {
    m_Bluetooth.scanStop();
    return true;
  }
  Q_INVOKABLE bool isBTConnectAllowed() { return m_Bluetooth.isConnectAllowed(); }

  // ---- The neighbours' objects the facade owns -------------------------------------
  void KLX_DataBaseManagerHeadupClearAll();
  void KLX_DataBaseManagerTelemetrieClearAllData(bool keepAliases);
  void KLX_DataBaseManagerTimerClearAll();
  void KLX_DataBaseManagerTeleControlClearAll();
  KLX_Telemetrie* KLX_DataBaseManagerGetTelemetrieObject() { return m_Telemetrie; }
  KLX_TeleControl* KLX_DataBaseManagerGetTeleControlObject() { return m_TeleControl; }
  KLX_Receiver* KLX_DataBaseManagerReceiverStore() { return m_Receiver; }
  KLX_ModelRuntime* KLX_DataBaseManagerModelRuntimeStore() { return m_ModelRuntime; }
  KLX_GUITelemetrie* KLX_DataBaseManagerGUITelemetrieStore() { return m_GUITelemetrie; }
  KLX_ComplexTimer* KLX_DataBaseManagerComplexTimerStore() { return m_ComplexTimer; }
  KLX_PreflightSettings* KLX_DataBaseManagerPreflightStore() { return m_Preflight; }
  KLX_VoiceAlarm* KLX_DataBaseManagerVoiceAlarmStore() { return m_VoiceAlarm; }
  const KLX_Timer& KLX_DataBaseManagerTimer(int index) const { return m_Timers[index & 7]; }

 private:
  // Sends one controller message to node 3; nothing without a message layer.
  int SendToTransceiver(unsigned short id, const QByteArray& data);
  int QueueTask(int task, const QList<int>& para, int timeout, int retries, int extra, int source);
  int TutorPupilMarked(int dir, bool update, int result);
  // The physical controls the model's other parts already use.
  QList<int> CriticalControls();
  int VarioModified(bool modify, int result);
  QString LinkValue(std::atomic<int>* values, int value, int dir, int rcvindex);
  // A text file's path under the root, or empty (reported) when it would leave it.
  QString TextFilePath(const QString& path, const QString& name = QString());
  bool WriteText(const QString& path, const QString& input);
  void ClearLinkQuality();

  KLX_GPS* m_GPS = nullptr;
  KLX_Telemetrie* m_Telemetrie = nullptr;
  KLX_Receiver* m_Receiver = nullptr;
  KLX_GUITelemetrie* m_GUITelemetrie = nullptr;
  KLX_ComplexTimer* m_ComplexTimer = nullptr;
  KLX_PreflightSettings* m_Preflight = nullptr;
  KLX_VoiceAlarm* m_VoiceAlarm = nullptr;
  KLX_VoiceTelemetry* m_VoiceTelemetry = nullptr;
  KLX_VarioSettings* m_Vario = nullptr;
  KLX_ModelRuntime* m_ModelRuntime = nullptr;
  KLX_Modelmetadata* m_Modelmetadata = nullptr;
  KLX_Headup* m_Headup = nullptr;
  KLX_HeadupWindow* m_HeadupWindow = nullptr;

  // Per receiver: two link-quality indicators and two signal strengths.
  std::atomic<int> m_RcvLQI1[4] = {};
  std::atomic<int> m_RcvLQI2[4] = {};
  std::atomic<int> m_RcvRSSI1[4] = {};
  std::atomic<int> m_RcvRSSI2[4] = {};
  std::atomic<int> m_ModelSilentMode{0};
  int m_TextFileFailure = KLX_DatabaseValues::ModelSaveFailure_None;
  QMutex m_MetaMutex;
  QString m_MetaLastModified;
  QString m_MetaCreated;
