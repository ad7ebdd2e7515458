// The alarms part of the database facade's class body: the voice alarms'
// accessors and their hand-over to speech, and the preflight check of
// control positions, as QML, the model file, the engine thread and the
// timers-and-alarms thread reach them. Included inside class
// KLX_DataBaseManager (klx_databasemanager.h), so that moc sees every
// invokable. No include guard: it is part of one class body.
//
// The voice-alarm accessors take (index, value, dir[, mark]): dir 0 writes
// the field through the store (which re-arms the alarm) and, with mark, marks
// the model modified; every call answers the field read back.

 public:
  // ---- Voice alarms ------------------------------------------------------------------
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetSetType(int index, int value, int dir, bool mark = true);
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetSetActivator(int index, int value, int dir, bool mark = true);
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetSetActivatorHystAbove(int index, int value, int dir, bool mark = true);
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetSetActivatorHystBelow(int index, int value, int dir, bool mark = true);
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetSetTimeStep(int index, int value, int dir, bool mark = true);
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetSetValueStep(int index, int value, int decPoint, int dir,
                                                           bool mark = true);
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetValueStepDecPoint(int index);
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetSetTeleSourceMain(int index, int value, int dir, bool mark = true);
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetSetTeleSourceSlave(int index, int value, int dir, bool mark = true);
  // A set stores the UTF-8 text when shorter than 512 bytes; the stored text.
  Q_INVOKABLE QString KLX_DataBaseManagerVAlarmGetSetStaticMsgByAlrmIdx(int index, QString text, int dir,
                                                                       bool mark = true);
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmClear(int index);
  void KLX_DataBaseManagerVAlarmClearAll();
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetNextFree();
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetCount();
  T_VoiceAlarm KLX_DataBaseManagerVAlarmGetVAlarmParams(int index);
  int KLX_DataBaseManagerVAlarmSetAlarmParams(int index, const T_VoiceAlarm& record, bool mark);
  int KLX_DataBaseManagerVAlarmGetDefault(T_VoiceAlarm* record);
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmSwitchOff(int index);
  // Decides for one alarm and tick and hands what it says to speech: the
  // decision (0 silent). A decimal point of 254 or more (sensor offline)
  // decides nothing.
  int VoiceAlarmPlayMessage(int index, int control, int value, int decPoint, uint32_t tick, const QByteArray& sentence,
                            const QByteArray& unit);

  // ---- Timers as the voice alarms read them --------------------------------------------
  // The whole displayed time of timer 0..15 (8..15 the complex timers) in
  // seconds, without its sign; -70010 for a bad index.
  int KLX_DataBaseManagerTimerGet_ActualTimeWholeSeconds(int index);

  // ---- Preflight check -------------------------------------------------------------
  int KLX_DataBaseManagerPreflightIsChecked();
  int KLX_DatabaseManagerPreflightSettingsCheck(const short* values, const unsigned short* ids, int count, int boot);
  void KLX_DataBaseManagerPreflightSettingsClearAll();
  void KLX_DataBaseManagerPreflightSettingsClear(PreflSettings_struct* buffer);
  Q_INVOKABLE int KLX_DataBaseManagerPreflightCheckControl(int id);
  // A set without mark (the model file) re-arms the check when switched on
  // and releases it when switched off; with mark (the screens) it marks the
  // model modified and leaves the check as it stands.
  Q_INVOKABLE bool KLX_DataBaseManagerPreflightGetSet_IsUsed(bool value, int get, bool mark = true);
  Q_INVOKABLE int KLX_DataBaseManagerPreflightGetSet_Accuracy(int value, int get, bool mark = true);
  Q_INVOKABLE int KLX_DataBaseManagerPreflightGetSet_PhyControlID(int control, bool add, int get, bool mark = true);
  Q_INVOKABLE int KLX_DataBaseManagerPreflightGetSet_ControlPosition(int id, int value, int get, bool mark = true);
  Q_INVOKABLE int KLX_DataBaseManagerPreflightIgnore(bool flag = true);
  Q_INVOKABLE int KLX_DataBaseManagerPreflightGetControlStatus(int entry);
  Q_INVOKABLE int KLX_DataBaseManagerPreflightGetUsedControls();

 private:
  // Writes one field of a voice alarm's record: the field read back.
  template <typename Field>
  int VoiceAlarmField(int index, int value, int dir, bool mark, Field field);
