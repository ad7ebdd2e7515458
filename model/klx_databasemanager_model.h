// The model part of the database facade's class body: the element stores'
// doors, marks, modify flags, control ids and the model checksum. Included
// inside class KLX_DataBaseManager (klx_databasemanager.h), so that moc sees
// every invokable; the generated accessors expand from klx_fields.h.
// No include guard: it is part of one class body.

 public:
  // ---- Modify flags: the XML file saver thread reads them ----------------
  static std::atomic<bool> m_modeldatamodified;
  static std::atomic<bool> m_systemdatamodified;
  static std::atomic<bool> m_vorndatamodified;
  // What kind of change is not yet saved: the pilot's own edits, or only
  // what the program keeps by itself (the run time). A save that fails is
  // told in the words of what was lost.
  enum ModelChangeKind { ModelChangeEdit = 1, ModelChangeOwn = 2 };
  static std::atomic<int> m_modelchangekinds;
  // Set: an edit of the model. Cleared: nothing unsaved of any kind.
  void KLX_DataBaseManagerSetModelModifyFlag(bool modified) {
    if (modified) {
      m_modelchangekinds |= ModelChangeEdit;
    } else {
      m_modelchangekinds = 0;
    }
    m_modeldatamodified = modified;
  }
  // A change the program made by itself (a counted minute of run time).
  void KLX_DataBaseManagerMarkModelOwnChange() {
    m_modelchangekinds |= ModelChangeOwn;
    m_modeldatamodified = true;
  }
  // A task that must see what it changes itself takes what was unsaved
  // before it (the kinds, or an edit where a mark came without one) and
  // gives it back as it was at its end: the run time a task held is not
  // made the pilot's edit by it.
  int KLX_DataBaseManagerHoldModelChanges() {
    const int kinds = m_modelchangekinds.exchange(0);
    const bool modified = m_modeldatamodified.exchange(false);
    return modified && kinds == 0 ? int(ModelChangeEdit) : modified ? kinds : 0;
  }
  void KLX_DataBaseManagerGiveBackModelChanges(int kinds) {
    if (kinds == 0) return;
    m_modelchangekinds |= kinds;
    m_modeldatamodified = true;
  }
  // The model menu saves the current model before it loads or makes another.
  Q_INVOKABLE bool KLX_DataBaseManagerGetModelModifyFlag() const { return m_modeldatamodified; }
  // Reads and clears it in one step (the saver before it writes the file).
  bool KLX_DataBaseManagerTakeModelModifyFlag() { return m_modeldatamodified.exchange(false); }
  // The kinds of change marked since they were last taken (ModelChangeKind
  // bits), cleared in one step; the saver takes them after the flag.
  int KLX_DataBaseManagerTakeModelChangeKinds() { return m_modelchangekinds.exchange(0); }

  // ---- Marks: flag a unit for the engine's next data pass; with modified
  // set, also the model modify flag -----------------------------------------
#define KLX_FACADE_MARK_DECL(name, kind) void KLX_DataBaseManager##name(int index, bool modified);
  KLX_FACADE_MARKS(KLX_FACADE_MARK_DECL)
#undef KLX_FACADE_MARK_DECL
  void KLX_DataBaseManagerFunctionMarkFlightmodeAssign(bool modified);
  void KLX_DataBaseManagerFunctionMarkSpecialSwitch(bool modified);
  void KLX_DataBaseManagerTelemetrieMarkTelemetry(bool modified);
  void KLX_DataBaseManagerTutorPupilMarkTutorPupil(bool modified);

  // ---- Model replacement in the transceiver controller, forced saving,
  // model reset ---------------------------------------------------------------
  // The model's mark is held from the begin to the end, not dropped: a
  // change the card could not take yet is saved after the update as ever.
  void KLX_DataBaseManagerUpdateBegin();
  void KLX_DataBaseManagerUpdateEnd();
  Q_INVOKABLE void KLX_DataBaseManagerForceSavingXMLFiles(bool stopForever);
  void KLX_DataBaseManagerForceModelFileSaveInDebug(bool dumpTimers);
  void KLX_DataBaseManagerResetAllModelData();

  // ---- Emitters -------------------------------------------------------------
  void KLX_DataBaseManagerEmitUpdateStatus(int state) {
    m_LastUpdateStatus = state;
    emit updateStatus(state);
  }
  // The last update status sent (0 before any), for a screen that was not
  // there to hear it: a firmware update at start may end before the first
  // screen is shown.
  Q_INVOKABLE int KLX_DataBaseManagerGetLastUpdateStatus() const { return m_LastUpdateStatus; }
  void KLX_DataBaseManagerEmitBootStatus(int state) { emit bootStatus(state); }
  void KLX_DataBaseManagerEmitAutoTeleRescanStart(unsigned char attempt) { emit autoRescanStarted(attempt); }
  void KLX_DataBaseManagerEmitTeleRescanDone(unsigned char sensors);
  void KLX_DataBaseManagerEmitTaskSetDataDone(int menu) { emit taskSetDataDone(menu); }
  int KLX_DataBaseManagerSetSystemProperties_LockTimeoutEvent(int value);
  int KLX_DataBaseManagerOnGpsDataReceived(unsigned char sensor, unsigned char slave, int lon, int lat);

  // ---- Limits ---------------------------------------------------------------
#define KLX_BOARD_LIMIT_DECL(name, entry) \
  Q_INVOKABLE int KLX_DataBaseManager##name() const { return kl_engine_cfg_count(entry); }
  KLX_BOARD_LIMITS(KLX_BOARD_LIMIT_DECL)
#undef KLX_BOARD_LIMIT_DECL
#define KLX_FIXED_LIMIT_DECL(name, value) \
  Q_INVOKABLE int KLX_DataBaseManager##name() const { return value; }
  KLX_FIXED_LIMITS(KLX_FIXED_LIMIT_DECL)
#undef KLX_FIXED_LIMIT_DECL
  // The board's special-switch count, as the model file and the store use it.
  Q_INVOKABLE int KLX_DataBaseManagerGetMaxSpecialSwitch() const { return KLX_SpecialSwitch::BoardCount(); }
  // 8 with all set, else the board's timer count.
  Q_INVOKABLE int KLX_DataBaseManagerGetMaxTimer(bool all);
#define KLX_DEBUG_HOOK_DECL(n) \
  Q_INVOKABLE int KLX_DataBaseManagerTest##n() { return KLX_Ok; }
  KLX_DEBUG_HOOKS(KLX_DEBUG_HOOK_DECL)
#undef KLX_DEBUG_HOOK_DECL

  // ---- Whole units and deletions for the engine thread and the tasks -------
#define KLX_UNIT_IMAGE_DECL(K) int KLX_DataBaseManager##K##CopyUnit(int index, unsigned char* buffer);
  KLX_UNIT_IMAGES(KLX_UNIT_IMAGE_DECL)
#undef KLX_UNIT_IMAGE_DECL
  int KLX_DataBaseManagerFlightmodeAssignCopyUnit(unsigned char* buffer);
  int KLX_DataBaseManagerFlightmodeAssignCopyUnit_A(int index, unsigned char* buffer);
  int KLX_DataBaseManagerCurveDelete(int index);
  int KLX_DataBaseManagerFlightmodeDelete(int index);
  int KLX_DataBaseManagerLimiterDelete(int index);
  int KLX_DataBaseManagerMixerDelete(int index);
  int KLX_DataBaseManagerSequencerDelete(int index);
  int KLX_DataBaseManagerFunctionDelete(int index, QList<int>* servos);

  // ---- Control ids and values -----------------------------------------------
  Q_INVOKABLE int KLX_DataBaseManagerGetControlForConstValuePercent(int percent);
  Q_INVOKABLE int KLX_DataBaseManagerGetControlForVirtualSwitch(int n);
  Q_INVOKABLE int KLX_DataBaseManagerGetControlForVirtualSwitchInv(int n);
  Q_INVOKABLE int KLX_DataBaseManagerGetControlForFlightmode(int n);
  Q_INVOKABLE int KLX_DataBaseManagerGetControlForFlightmodeInv(int n);
  Q_INVOKABLE int KLX_DataBaseManagerGetControlForTelemetryControl(int n);
  Q_INVOKABLE int KLX_DataBaseManagerGetControlForFixSwitchOn() { return CONTROLID_FIXSWITCH_ON_GUI; }
  Q_INVOKABLE int KLX_DataBaseManagerGetControlForFixSwitchOff() { return CONTROLID_FIXSWITCH_OFF_GUI; }
  Q_INVOKABLE int KLX_DataBaseManagerGetValueOfControl(int id);
  Q_INVOKABLE int KLX_DataBaseManagerGetValueOfControlPercent(int id);
  Q_INVOKABLE int KLX_DatabaseBaseCalcRealByPercent(int percent);
  // In the language chosen: "On", "Off" and "Constant"; a telemetry
  // control by its name as shown.
  Q_INVOKABLE QString KLX_DataBaseManagerGetNameOfControlByID(int id);
  // A text of the stores as a screen shows it: the name a new element gets
  // ("mixer", "sequencer", "servo", "telecontrol") and the caption of no
  // voice ("None") in the language chosen, any other text as it stands. The
  // stores and the model file keep the text itself.
  Q_INVOKABLE QString KLX_DataBaseManagerShownText(const QString& text) const;
  int KLX_DataBaseManagerGetAllPhyControlValues(short* values, unsigned short* ids);
  int KLX_DataBaseManagerGetStickControlIDbyControl(unsigned short id);
  CControl* KLX_DataBaseManagerGetControl(unsigned char slot);
  CControl* KLX_DataBaseManagerGetControlByID(unsigned short id);

  // ---- Live control values ----------------------------------------------------
  Q_INVOKABLE void KLX_DataBaseManager_StickDataClearAll();
#define KLX_NAMED_CONTROL_DECL(name, id) \
  Q_INVOKABLE int KLX_DataBaseManagerGetSet_##name(int value, int dir);
  KLX_NAMED_CONTROLS(KLX_NAMED_CONTROL_DECL)
#undef KLX_NAMED_CONTROL_DECL
  Q_INVOKABLE int KLX_DataBaseManagerGetSet_Switch(int value, unsigned short control, int dir);
  Q_INVOKABLE void KLX_DataBaseManager_StickdataStartWatchingMovement(bool searchClass);
  Q_INVOKABLE void KLX_DataBaseManager_StickdataStopWatchingMovement();
  int KLX_DataBaseManager_LockTrimControls();
  Q_INVOKABLE void KLX_DataBaseManager_StickdataReset_Control();

  // ---- Model checksum ---------------------------------------------------------
  // fromEngine: over the engine thread's set-up block, under that thread's
  // lock (0 without the runtime read-outs); else chained over the stores.
  unsigned int KLX_DataBaseManagerCalculateModelCRC(bool fromEngine);
  Q_INVOKABLE unsigned int KLX_DataBaseManagerModelCRCGetOwnCRC() const { return m_OwnCRC; }
  void KLX_DataBaseManagerModeCRCSetTransCRC(unsigned int crc) { m_TransCRC = crc; }
  Q_INVOKABLE unsigned int KLX_DataBaseManagerModeCRCGetTransCRC() const { return m_TransCRC; }
  Q_INVOKABLE unsigned int KLX_DataBaseManagerGetSetCRCpart(bool part, unsigned int crc, int dir);
  Q_INVOKABLE bool KLX_DataBaseManagerGetCRCValidityAtStart(bool part) const { return m_CRCPartValid[part ? 1 : 0]; }
  bool KLX_DataBaseManagerModelCRCGetSet_AlarmBadModelDataFlag(bool flag, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGetSet_ControlsLocked(bool flag, int dir);

  // ---- Functions ----------------------------------------------------------------
  KLX_FUNCTION_FIELDS(KLX_FUNCTION_FACADE_DECL)
  Q_INVOKABLE QString KLX_DataBaseManagerFunctionGetSet_Name(int index1, QString setname, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerFunctionGetNumber();
  Q_INVOKABLE int KLX_DataBaseManagerFunctionGetMaxServoPerFunction();
  Q_INVOKABLE int KLX_DataBaseManagerFunctionGetServoNumberForFunction(int index1);
  Q_INVOKABLE int KLX_DataBaseManagerFunctionGet_TrimIndex(int funcindex);
  Q_INVOKABLE int KLX_DataBaseManagerFunctionGetSet_Trim_Steps(int index1, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerFunctionGetSet_Trim_StepsGUI(int index1, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerFunctionGetSet_Trim_Flags(int index1, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerFunctionGetSet_GlobalTrimValues(int index1, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerFunctionCopy_TrimValuesFromFM(int index1, int toFMidx, int fromFMidx);
  Q_INVOKABLE int KLX_DataBaseManager_IsFunctionFlightModeDependent(int index, int fm_index);
  Q_INVOKABLE int KLX_DataBaseManager_IsFunctionFlightModeDependent(int index);
  Q_INVOKABLE int KLX_DataBaseManager_IsFunctionDiffFlightModeDependent(int index, int fm_index);
  Q_INVOKABLE int KLX_DataBaseManager_IsFunctionDiffFlightModeDependent(int index);
  Q_INVOKABLE int KLX_DataBaseManager_SetFunctionDiffFlightModeDependent(int index, int fm_index, int value,
                                                                        bool update = true);
  Q_INVOKABLE int KLX_DataBaseManager_SetFunctionFlightModeDependent(int index, int fm_index, int value,
                                                                    bool update);
  Q_INVOKABLE int KLX_DataBaseManager_SetFunctionFlightModeDependent(int index, int value, bool update);
  int KLX_DataBaseManager_FunctionFlightModeDel(int index, int fm, bool update);
  Q_INVOKABLE int KLX_DataBaseManager_FunctionFlightModeCopyTo(int index, int fm_from, int fm_to, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManager_GetFunctionFadeInDuration(int f_index, int fm_index);
  Q_INVOKABLE int KLX_DataBaseManagerFunctionSetFailSafeConfigurationKLX(int funcindex);
  Q_INVOKABLE int KLX_DataBaseManagerFunctionSetFailSafeConfigurationREdiv();
  Q_INVOKABLE QList<int> KLX_DataBaseManagerFunctionGetDisplayedOrder();
  Q_INVOKABLE void KLX_DataBaseManagerFunctionSetDisplayedOrder(QList<int> order);
  int KLX_DataBaseManagerFunctionDisplayedOrderClearAll();
  int KLX_DataBaseManagerFunctionClearAll();
  int KLX_DataBaseManagerFunctionClear(T_Function* record);
  int KLX_DataBaseManagerFunctionClear(int index);
  int KLX_DataBaseManagerFunctionGetNextFreeIndex();
  int KLX_DataBaseManagerFunctionCopySingleUnit(int index, T_Function* record);
  int KLX_DataBaseManagerFunctionSet_FunctionUnit(int index, T_Function* record);
  int KLX_DataBaseManagerFunctionCopyFlightmode_Setup_FromTo(int index, int from, int to);
  int KLX_DataBaseManagerFunctionClearFlightmode_Setup(int index, int fm);
  int KLX_DataBaseManagerFunctionIncDec_Setup_FlexDiffLo(int index, int fm, int delta);
  int KLX_DataBaseManagerFunctionIncDec_Setup_FlexDiffHi(int index, int fm, int delta);
  int KLX_DataBaseManagerFunctionIncDec_Setup_FlexDiffCenter(int index, int fm, int delta);
  int KLX_DataBaseManagerFunctionSetSetup(int index);
  int KLX_DataBaseManagerFunctionSetSetupAll(int fm, bool withCurve);
  int KLX_DataBaseManager_CurveCopyTo(int from, int to, bool update);

  // ---- Flight modes -------------------------------------------------------------
  KLX_FLIGHTMODE_FIELDS(KLX_FLIGHTMODE_FACADE_DECL)
  Q_INVOKABLE QString KLX_DataBaseManagerFlightmodeGetSet_Name(int index1, QString setname, int dir,
                                                               bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerFlightmodeGetNumber();
  Q_INVOKABLE int KLX_DataBaseManagerFlightmodeDel(int fm_idx, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerFlightmodeCopy(int idx_from, int idx_to, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerFlightmodeClone(int idx_from, int idx_to, bool update = true);
  int KLX_DataBaseManagerFlightmodeClearAll();
  int KLX_DataBaseManagerFlightmodeClear(T_FlightMode* record);
  int KLX_DataBaseManagerFlightmodeClear(int index);
  int KLX_DataBaseManagerFlightmodeGetNextFreeIndex();
  int KLX_DataBaseManagerFlightmodeSetFunctionNum(int n);
  QString KLX_DataBaseManagerFlightmodeGet_Name(int index);
  int KLX_DataBaseManagerFlightmodeCopySingleUnit(int index, T_FlightMode* record);
  int KLX_DataBaseManagerFlightmodeSet_FlightmodeUnit(int index, T_FlightMode* record);
  int KLX_DataBaseManagerFlightmodeCopySingleUnitFromTo(int from, int to);
  void KLX_DataBaseManager_ResetInactivityTimer();
  // The mixer and vario sides of a flight-mode removal or copy.
  int KLX_DataBaseManager_MixerFlightModeDel(int index, int fm, bool update);
  int KLX_DataBaseManager_MixerFlightModeCopyTo(int index, int fromFm, int toFm, bool update);
  int KLX_DataBaseManager_VarioFlightModeDel(int fm, bool update);

  // ---- Servo configurations -------------------------------------------------------
  KLX_SERVOCONFIG_FIELDS(KLX_SERVOCONFIG_FACADE_DECL)
  KLX_SERVOCONFIG_POINTS(KLX_SERVOPOINT_FACADE_DECL)
  Q_INVOKABLE QString KLX_DataBaseManagerServoConfigGetSet_Name(int index1, QString setname, int dir,
                                                                bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerServoConfigGetNumber();
  Q_INVOKABLE int KLX_DataBaseManagerServoConfigGet_CentreAbs(int index1);
  Q_INVOKABLE int KLX_DataBaseManagerServoConfigReset_Centre(int index1);
  Q_INVOKABLE int KLX_DataBaseManagerServoConfigReset_MaxValue(int index1);
  Q_INVOKABLE int KLX_DataBaseManagerServoConfigReset_MinValue(int index1);
  Q_INVOKABLE int KLX_DataBaseManagerServoConfigReset_ServoMixer_FuncTravelMin(int index1, int index2);
  Q_INVOKABLE int KLX_DataBaseManagerServoConfigReset_ServoMixer_FuncTravelMax(int index1, int index2);
  Q_INVOKABLE int KLX_DataBaseManagerServoConfigResetCenterLimitAmplitude(int index);
  Q_INVOKABLE int KLX_DataBaseManagerServoMixerReverse(int configindex, int funcindex);
  int KLX_DataBaseManagerServoConfigNew(int servo, int function);
  int KLX_DataBaseManagerServoConfigDelete(int servo, int function, bool update);
  int KLX_DataBaseManagerServoConfigClear(int index);
  int KLX_DataBaseManagerServoConfigClear(T_ServoConfig* record);
  int KLX_DataBaseManagerServoConfigClearAll();
  int KLX_DataBaseManagerServoConfigGetNextFreeIndex();
  int KLX_DataBaseManagerServoConfigSet_ServoConfigUnit(int index, T_ServoConfig* record);
  int KLX_DataBaseManagerServoConfigCopySingleUnit(int index, T_ServoConfig* record);
  KLX_SerFuncMatrix* KLX_DataBaseManagerSerFuncMatrix() { return &m_SerFuncMatrix; }

  // ---- Curves -----------------------------------------------------------------------
  KLX_CURVE_FIELDS(KLX_CURVE_FACADE_DECL)
  Q_INVOKABLE int KLX_DataBaseManagerCurveGetSet_IsUsed(int index1, int isused, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCurveGetSet_IsSmoothed(int index1, int isused, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCurveSetCurveToDefault(int index1, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCurveSetValuesWithGain(int index, int percent);
  Q_INVOKABLE int KLX_DataBaseManagerCurveGetNextFreeIndex();
  Q_INVOKABLE int KLX_DataBaseManagerCurveGetNumber();
  Q_INVOKABLE int KLX_DataBaseManagerCurveGetFadingValue(int index, int point);
  int KLX_DataBaseManagerCurveClearAll();
  int KLX_DataBaseManagerCurveClear(T_Curve* record);
  int KLX_DataBaseManagerCurveClear(int index);
  int KLX_DataBaseManagerCurveCopySingleUnit(int index, T_Curve* record);
  T_Curve* KLX_DataBaseManagerCurveGetCurvePointer(int index);
  const int16_t* KLX_DataBaseManagerCurveGetFadingPtr(int index);
  int KLX_DataBaseManagerCurveSet_CurveUnit(int index, T_Curve* record);

  // ---- Trims --------------------------------------------------------------------------
  Q_INVOKABLE int KLX_DataBaseManagerTrimGetValue(int trim_idx, int fm);
  Q_INVOKABLE int KLX_DataBaseManagerTrimGetValue(int trim_control);
  Q_INVOKABLE int KLX_DataBaseManagerTrimGetTrimValueByControlGui(int control);
  Q_INVOKABLE int KLX_DataBaseManager_IsTrimFlightModeDependentGui(int fncindx, int fm_index);
  Q_INVOKABLE int KLX_DataBaseManager_SetTrimFlightModeDependentGui(int fncindx, int fm_index, int value,
                                                                   bool update = true);
  int KLX_DataBaseManager_IsTrimFlightModeDependent(int trim);
  int KLX_DataBaseManager_TrimFlightModeCopyTo(int trim, int from, int to, bool transmit);
  int KLX_DataBaseManager_SetTrimFlightModeDependent(int trim, bool dependent, bool transmit);
  int KLX_DataBaseManager_TrimFlightModeDel(int trim, int fm, bool transmit);
  int KLX_DataBaseManagerTrimGetSetTrimValue(int trim, int fm, int value, int get, bool transmit = false);
  int KLX_DataBaseManagerTrimsSetTrimValueZeros(int fm);
  int KLX_DataBaseManagerTrimGetSetTrimRotaryFlags(int trim, int flags, int get, bool transmit = true);
  int KLX_DataBaseManagerTrimGetSet_SingleMask(int trim, unsigned int mask, int get);
  int KLX_DataBaseManagerTrimGetSetTrimStepsPerDelta(int trim, int steps, int get, bool transmit = true);
  int KLX_DataBaseManagerTrimGetSetTrimStepsPerDeltaGui(int function, int steps, int get, bool transmit = true);
  int KLX_DataBaseManagerTrimGetSetTrimRotaryFlagsGui(int function, int flags, int get, bool transmit = true);
  int KLX_DataBaseManagerTrimClear(int trim);
  int KLX_DataBaseManagerTrimClearAll();
  int KLX_DataBaseManagerTrimClear(T_TrimControlCfg* record);
  int KLX_DataBaseManagerTrimSet_TrimUnit(int trim, T_TrimControlCfg* record);
  int KLX_DataBaseManagerTrimCopySingleUnit(int trim, T_TrimControlCfg* record);
  int KLX_DataBaseManager_SetTrimFlightModeDependent(int trim, int fm, bool dependent, bool transmit);
  // A trim step from the stick controller; while a model is loaded it gives
  // beep and vibration feedback.
  int KLX_DataBaseManagerTrimGetSetTrimValueBeep(int trim, int fm, int value, int get, bool transmit = false);
  void KLX_DataBaseManagerTrimBeep(bool centre) { m_AudioHandler.KLX_AudioHandlerTrimBeep(centre); }
  // The inactivity alarm, raised and cleared by the battery thread.
  void KLX_DataBaseManagerIdleAlarmEnable() { m_AudioHandler.KLX_AudioHandlerIdleAlarmEnable(); }
  void KLX_DataBaseManagerIdleAlarmDisable() { m_AudioHandler.KLX_AudioHandlerIdleAlarmDisable(); }
  // 1 while a model is loaded: trim writes then give beep and vibration feedback.
  Q_INVOKABLE int KLX_DataBaseManagerGetSetModelLoadState(int state, int dir);

  // ---- Flight-mode assignment ----------------------------------------------------------
  Q_INVOKABLE int KLX_DataBaseManagerFlightmodeAssignGetSet_Control(int index, int control, int dir,
                                                                   bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(int index, int flightmode, int dir,
                                                                         bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerFlightmodeAssignDeleteControl(int index, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerFlightmodeAssignDeleteFlightmode(int index, bool update = true);
  int KLX_DataBaseManagerFlightmodeAssignGetNextFreeIndexControl();
  int KLX_DataBaseManagerFlightmodeAssignGetNextFreeIndexFlightmode();
  int KLX_DataBaseManagerFlightmodeAssignClearAll();
  int KLX_DataBaseManagerFlightmodeAssignCopySingleUnit(T_FlightModeControlAssignment* record);
  int KLX_DataBaseManagerFlightmodeAssignSet_FlightmodeAssignUnit(T_FlightModeControlAssignment* record);
  Q_INVOKABLE int KLX_DatabaseManagerGet_BoardTypeInt();

  // ---- Mixers -------------------------------------------------------------------------
  KLX_MIXER_FIELDS(KLX_MIXER_FACADE_DECL)
  Q_INVOKABLE QString KLX_DataBaseManagerMixerGetSet_Name(int index1, QString setname, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerMixerGetNumber();
  Q_INVOKABLE int KLX_DataBaseManager_IsMixerFlightModeDependent(int index, int fm_index);
  Q_INVOKABLE int KLX_DataBaseManager_SetMixerFlightModeDependent(int index, int fm_index, int value,
                                                                 bool update = true);
  int KLX_DataBaseManagerMixerCopyFlightmode_Setup_FromTo(int index, int fromFm, int toFm);
  int KLX_DataBaseManagerMixerClearFlightmode_Setup(int index, int fm);
  int KLX_DataBaseManagerMixerSetSetup(int index);
  int KLX_DataBaseManagerMixerSetSetupAll(int fm, bool setCurve);
  int KLX_DataBaseManagerMixerClear(int index);
  int KLX_DataBaseManagerMixerClear(T_Mixer* record);
  int KLX_DataBaseManagerMixerClearAll();
  int KLX_DataBaseManagerMixerGetNextFreeIndex();
  int KLX_DataBaseManagerMixerSet_MixerUnit(int index, T_Mixer* record);
  int KLX_DataBaseManagerMixerCopySingleUnit(int index, T_Mixer* record);

  // ---- Limiters -----------------------------------------------------------------------
  KLX_LIMITER_FIELDS(KLX_LIMITER_FACADE_DECL)
  Q_INVOKABLE QString KLX_DataBaseManagerLimiterGetSet_Name(int index1, QString setname, int dir,
                                                            bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerLimiterGetNumber();
  int KLX_DataBaseManagerLimiterClear(int index);
  int KLX_DataBaseManagerLimiterClear(T_Limiter* record);
  int KLX_DataBaseManagerLimiterClearAll();
  int KLX_DataBaseManagerLimiterGetNextFreeIndex();
  int KLX_DataBaseManagerLimiterSet_LimiterUnit(int index, T_Limiter* record);
  int KLX_DataBaseManagerLimiterCopySingleUnit(int index, T_Limiter* record);

  // ---- Virtual switches ---------------------------------------------------------------
  KLX_SWITCH_FIELDS(KLX_SWITCH_FACADE_DECL)
  Q_INVOKABLE QString KLX_DataBaseManagerSwitchGetSet_Name(int index, QString setname, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerSwitchSwitch_As_TimerSwitch(int index);
  Q_INVOKABLE int KLX_DataBaseManagerSwitchSwitch_As_CutOffSwitch(int index);
  Q_INVOKABLE int KLX_DataBaseManagerSwitchSwitch_As_TutorActivator(int index);
  Q_INVOKABLE int KLX_DataBaseManagerSwitchSwitch_As_SingleSwitch(int index);
  Q_INVOKABLE int KLX_DataBaseManagerSwitchDelete(int index);
  Q_INVOKABLE int KLX_DataBaseManagerSwitchGetNextFreeIndex();
  Q_INVOKABLE int KLX_DataBaseManagerSwitchGetNumber();
  Q_INVOKABLE int KLX_DataBaseManagerSwitchGet_SwitchHystereseOut(int index, int indexswitch);
  Q_INVOKABLE int KLX_DataBaseManagerSwitchCheckInptCtrlMskContains(int vs_idx, unsigned int mask);
  Q_INVOKABLE int KLX_DataBaseManagerSwitchGet_SwitchIdByContorlID(int index);
  int KLX_DataBaseManagerSwitchGet_SwitchOutputValue(int index);
  int KLX_DataBaseManagerSwitchClear(int index);
  int KLX_DataBaseManagerSwitchClear(T_VSwitch* record);
  int KLX_DataBaseManagerSwitchClearAll();
  int KLX_DataBaseManagerSwitchSet_SwitchUnit(int index, T_VSwitch* record);
  int KLX_DataBaseManagerSwitchCopySingleUnit(int index, T_VSwitch* record);

  // ---- Sequencers and their data lock ---------------------------------------------------
  Q_INVOKABLE int KLX_DataBaseManagerSequencerGetSet_IsUsed(int index, int isused, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerSequencerGetSet_Control(int index, int control, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerSequencerGetSet_Threshold(int index, bool above, int thresValue, int dir,
                                                               bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerSequencerGetSet_Servo(int index, int output_idx, int servo, int dir,
                                                           bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerSequencerGetSet_TimePoint(int index, int output_idx, int direction_idx,
                                                               int point_idx, int time, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerSequencerGetSet_SrvPosition(int index, int output_idx, int direction_idx,
                                                                 int point_idx, int position, int dir,
                                                                 bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerSequencerClear_Servo(int index, int output_idx, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerSequencerSet_ServoStartEndRange(int index, int output_idx);
  Q_INVOKABLE int KLX_DataBaseManagerSequencerToggleLoopMode(int index);
  Q_INVOKABLE int KLX_DataBaseManagerSequencerGetLoopModeFlag(int index);
  Q_INVOKABLE QString KLX_DataBaseManagerSequencerGet_ServoList(int index, bool pureIdx = false);
  Q_INVOKABLE int KLX_DataBaseManagerSequencerGetFirstFreeChnl(int index);
  Q_INVOKABLE int KLX_DataBaseManagerSequencerGetNumber();
  Q_INVOKABLE QString KLX_DataBaseManagerSequencerGetSet_Name(int index, QString setname, int dir,
                                                              bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerSequencerRequestCurrentInfo(int index);
  int KLX_DataBaseManagerSequencerSet_UsedMode(int index, int mode);
  int KLX_DataBaseManagerSequencerSynchronize(unsigned char index);
  int KLX_DataBaseManagerSequencerClear(int index);
  int KLX_DataBaseManagerSequencerClear(T_Sequencer* records);
  int KLX_DataBaseManagerSequencerClearAll();
  int KLX_DataBaseManagerSequencerGetNextFreeIndex();
  int KLX_DataBaseManagerSequencerSet_SequencerUnit(int index, T_Sequencer* records);
  int KLX_DataBaseManagerSequencerCopySingleUnit(int index, T_Sequencer* records);
  static QMutex m_sequencermutex;
  static void KLX_DataBaseManagerSequencerDataLock();
  static void KLX_DataBaseManagerSequencerDataUnLock();
  static void KLX_DataBaseManagerSequencerDataSyncronize(const T_SetupData* setup);

  // ---- Special switches ---------------------------------------------------------------
  Q_INVOKABLE int KLX_DataBaseManagerSpecialSwitchGetNumber();
  int KLX_DataBaseManagerSpecialSwitchClearAll();
  int KLX_DataBaseManagerSpecialSwitchClearAll(T_SpecialSwitch* record);
  int KLX_DataBaseManagerSpecialSwitchSet_SpecialSwitchUnit(T_SpecialSwitch* record);
  int KLX_DataBaseManagerSpecialSwitchCopySingleUnit(T_SpecialSwitch* record);
  int KLX_DataBaseManagerSpecialSwitchCopyUnit_A(int index, unsigned char* buffer);

  // ---- What the engine thread asks of the neighbours (the vario's tone and
  // the flight-mode change the screens follow) -----------------------------
  void KLX_DataBaseManagerEmitFlightModeChanged(int from, int to) { emit flightModeChanged(from, to); }
  int KLX_DatabaseManagerGetVarioBeepParams(int value, int decimalPoint, uint16_t* state1, uint16_t* state2,
                                            int flightMode);
  void KLX_DataBaseManagerVarioBeep(int tone, uint16_t state1, uint16_t state2);
  void KLX_DataBaseManagerVarioStopBeep();
  CBuzzer* KLX_DataBaseManagerBuzzer() { return m_AudioHandler.KLX_AudioHandlerBuzzer(); }
  Q_INVOKABLE int KLX_DataBaseManagerGetVarioAddress();
  Q_INVOKABLE int KLX_DataBaseManagerGetVarioSlaveAddress();

  // ---- Test and tool access to the stores ------------------------------------------------
  KLX_Function* KLX_DataBaseManagerFunctionStore() { return m_Function; }
  KLX_Flightmode* KLX_DataBaseManagerFlightmodeStore() { return m_Flightmode; }
  KLX_ServoConfig* KLX_DataBaseManagerServoConfigStore() { return m_ServoConfig; }
  KLX_Curve* KLX_DataBaseManagerCurveStore() { return m_Curve; }
  KLX_Trim* KLX_DataBaseManagerTrimStore() { return m_Trim; }
  KLX_FlightmodeAssign* KLX_DataBaseManagerFlightmodeAssignStore() { return m_FlightmodeAssign; }
  KLX_Mixer* KLX_DataBaseManagerMixerStore() { return m_Mixer; }
  KLX_Switch* KLX_DataBaseManagerSwitchStore() { return m_Switch; }
  KLX_Limiter* KLX_DataBaseManagerLimiterStore() { return m_Limiter; }
  KLX_Sequencer* KLX_DataBaseManagerSequencerStore() { return m_Sequencer; }
  KLX_SpecialSwitch* KLX_DataBaseManagerSpecialSwitchStore() { return m_SpecialSwitch; }

 signals:
  void masterVolumeControlChanged(int control);
  void error_model_loading();
  void disable_touch_buttons();
  void gpsDataReceived();
  void gpsState(int fix_type, int sat_count);
  void lockTimeout(int value);
  void updateStatus(int state);
  void bootStatus(int state);
  void teleRescanDone(int sensorsNum, bool wasFastStarted);
  void autoRescanStarted(int attempt);
  void timeChanged();
  void timeZoneChanged();
  void taskSetDataDone(int mainmenu_idx);
  void flightModeChanged(int fm_from, int fm_to);
  void modelTimeChanged(int model_operating_time_minutes);

 private:
  // The path of every generated field accessor: forward, and mark the unit
  // after a write that succeeded.
  int ModelField(KLX_UnitKind kind, KLX_RecordStore* store, const KLX_Field& row, int index1, int index2,
                 int value, int dir, bool update);
  // Names must be unique among the used elements of a kind (letter case ignored).
  QString ModelName(KLX_UnitKind kind, KLX_RecordStore* store, unsigned errCode, int index1,
                    const QString& name, int dir);
  void MarkUnit(KLX_UnitKind kind, int index, bool modified);
  // Gives back one curve; curve 0 (permanent) and indices that name no
  // curve are not released. KLX_Ok or the release's failure.
  int ReleaseCurve(int curve, bool update);
  // Gives back the curves an element holds: its global curve (skipped when
  // it is a failure code) and the set-up curve of each flight mode that
  // setupCurve answers (kCurveNotHeld for a flight mode the element does not
  // depend on). A set-up curve that cannot be read is the result at once,
  // nothing released and *released false; else the last failed release or
  // KLX_Ok, *released true.
  static constexpr int kCurveNotHeld = -1;
  int ReleaseHeldCurves(int global, const std::function<int(int)>& setupCurve, bool* released);
  // A servo point with 1/100 % resolution: whole percent or hundredths.
  int ServoPoint(bool hundredths, int point, int index1, int index2, int value, int dir, bool update);
  int TrimIndexOfFunction(int function, bool anyControl);
  // The engine's flight mode as its last pass left it (the engine's own
  // value where no engine thread runs).
  int CurrentFlightMode() const;
  // A sequencer field's write path: forward and mark when it did not fail.
  int SequencerMarked(int index, int result);
  int FlightmodeCopy(int from, int to, const QString& suffix, bool update);
  int SendStickMessage(unsigned char lock);
  // Points the engine's sequencer hooks at the sequencer data lock.
  void SetSequencerHooks();
  // Every object the facade owns, created in one order and freed in another.
  void CreateObjects();
  int InitializeModelStores();
  void FreeObjects();

  KLX_Function* m_Function = nullptr;
  KLX_Mixer* m_Mixer = nullptr;
  KLX_Limiter* m_Limiter = nullptr;
  KLX_Flightmode* m_Flightmode = nullptr;
  KLX_Curve* m_Curve = nullptr;
  KLX_Sequencer* m_Sequencer = nullptr;
  KLX_ServoConfig* m_ServoConfig = nullptr;
  KLX_Switch* m_Switch = nullptr;
  KLX_FlightmodeAssign* m_FlightmodeAssign = nullptr;
  KLX_TeleControl* m_TeleControl = nullptr;
  KLX_SerFuncMatrix m_SerFuncMatrix;

  std::atomic<int> m_SavedStartupPhase{0};
  // The model's mark an update's begin took, for its end to give back.
  std::atomic<bool> m_UpdateHeldModelMark{false};
  std::atomic<int> m_ModelLoadState{0};
  std::atomic<int> m_LastUpdateStatus{0};
  std::atomic<bool> m_ControlsLocked{false};
  std::atomic<unsigned int> m_OwnCRC{0};
  std::atomic<unsigned int> m_TransCRC{0};
  std::atomic<unsigned int> m_CRCPart[2] = {};
  std::atomic<bool> m_CRCPartValid[2] = {};
  std::atomic<bool> m_AlarmBadModelData{false};
