// The timer part of the database facade's class body: the simple timers
// (held here by value) and the complex timers with their alarms, as QML, the
// model file and the timers-and-alarms thread reach them. Included inside
// class KLX_DataBaseManager (klx_databasemanager.h), so that moc sees every
// invokable.
// No include guard: it is part of one class body.
//
// Accessors take (index[, alarm], value, dir[, update]): dir 0 writes, any
// other value reads; update asks that a write marks the model modified.

 public:
  // ---- Simple timers (index 0..7; a bad index is reported and answered
  // with -70010, a text with the empty text) --------------------------------------------
  Q_INVOKABLE QString KLX_DataBaseManagerTimerGetSet_Name(int index, QString name, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_IsUsed(int index, int value, int dir, bool update = true);
  int KLX_DataBaseManagerTimerGetSet_AlarmIsTriggered(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_StartTimeHour(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_StartTimeMinute(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_StartTimeSecond(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_StopTimeHour(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_StopTimeMinute(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_StopTimeSecond(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_ValueStart(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_ValueStop(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_ValueCurrent(int index, int value, int dir, bool update = true);
  // dir is the stored value's mode: 3 takes the running value when the timer keeps it.
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_ValueStored(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_LastValueKeep(int index, int value, int dir, bool update = true);
  // A virtual switch number (128 none); only a switch the board has is connected.
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetSet_SwitchResetVirtSw(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGet_ActualTimeHour(int index);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGet_ActualTimeMinute(int index);
  // 8..15: the complex timers'.
  Q_INVOKABLE int KLX_DataBaseManagerTimerGet_ActualTimeSecond(int index);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGet_ActualIsNegative(int index);
  // The spoken time appended to the buffer's text; 8..15 the complex timers'.
  int KLX_DataBaseManagerTimerGet_ActualTimeChars(int index, char* buffer, int size);
  int KLX_TimerGetState(int index);
  void KLX_DataBaseManagerTimerUpdate(int index, int dt);
  int KLX_DataBaseManagerTimerCalculateRemainingTime(int index);
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetNumber();
  Q_INVOKABLE int KLX_DataBaseManagerTimerGetNextFreeIndex();
  int KLX_DataBaseManagerTimerClear(int index);
  Q_INVOKABLE int KLX_DataBaseManagerTimerDelete(int index);
  // The defaults into a record (the model file's staging).
  int KLX_DataBaseManagerTimerClear(T_Timer* record);
  int KLX_DataBaseManagerNeedAnyLastTimerValueDump();
  void KLX_DataBaseManagerTimerMarkTimer(bool mark);
  // 1 when a timer in use (this one too) has the name, in any capitalisation.
  int KLX_TimerCheckForSameName(const QString& name);

  // ---- Complex timers (index 0..7, alarm 0..6; the store checks, reports
  // and answers) ----------------------------------------------------------------------------
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(int index, int value, int dir, bool update = true);
  Q_INVOKABLE QString KLX_DataBaseManagerCmplxTimerGetSet_Name(int index, QString name, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_StartHour(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_StopHour(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_StartMinute(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_StartSecond(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_StopMinute(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_StopSecond(int index, int value, int dir, bool update = true);
  // A control id; only a virtual switch the board has is connected.
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_ControlStart(int index, int control, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_ControlStop(int index, int control, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_ControlReset(int index, int control, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_ValueStored(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_LastValueKeep(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_AlarmStart_Hour(int index, int alarm, int value, int dir,
                                                                      bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_AlarmStop_Hour(int index, int alarm, int value, int dir,
                                                                     bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_AlarmStart_Min(int index, int alarm, int value, int dir,
                                                                     bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_AlarmStart_Sec(int index, int alarm, int value, int dir,
                                                                     bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_AlarmStop_Min(int index, int alarm, int value, int dir,
                                                                    bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_AlarmStop_Sec(int index, int alarm, int value, int dir,
                                                                    bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Control(int index, int alarm, int value, int dir,
                                                                    bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(int index, int alarm, int value, int dir,
                                                                     bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_Alarm_BeepTone(int index, int alarm, int value, int dir,
                                                                     bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(int index, int alarm, int value, int dir,
                                                                 bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_MessageFlag(int index, int alarm, int flag, int dir,
                                                                  bool update = true);
  // A write makes the alarm one-shot (its end time its start time).
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_Alarm_OneShot(int index, int alarm, int dir, bool update = true);
  Q_INVOKABLE QString KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(int index, int alarm, QString text, int dir,
                                                                       bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimer_AlarmDelete(int index, int alarm);
  int KLX_DataBaseManagerCmplxTimerClear(int index);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerDelete(int index);
  int KLX_DataBaseManagerCmplxTimerClear(CComplexTimer* timer);
  void KLX_DataBaseManagerCmplxTimerClearAll();
  int KLX_DataBaseManagerCmplxTimerLoad_Time(int index, bool end, HMStime_struct time);
  int KLX_DataBaseManagerCmplxTimerLoad_AlarmTime(int index, int alarm, bool end, HMStime_struct time);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetNumber();
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetNextFreeIndex();
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetNextFreeAlarmIndex(int index);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGet_CountDownFlag(int index);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetMaxAlarms() const { return KLX_ComplexTimer::kAlarms; }
  Q_INVOKABLE QString KLX_DataBaseManagerCmplxTimerGetActualTime_String(int index, bool hours);
  Q_INVOKABLE QString KLX_DataBaseManagerCmplxTimerGetAlarmRange_String(int index, int alarm);
  // The tick of one complex timer, and the tick's alarms handed to the
  // beeper, the vibration and the speech queue.
  void KLX_DataBaseManagerComplexTimerCalculate(int index, int dt);
  void KLX_DataBaseManagerComplexTimerManageAlarmSignals();

  // ---- Speech of the complex timers' alarms ---------------------------------------------
  Q_INVOKABLE QString CmplxTimerGetSet_TimerAlarm_ValueVoice(int index, int alarm, QString text, int dir,
                                                             bool update = true);
  Q_INVOKABLE QString CmplxTimerGetSet_TimerAlarm_ValueLanguage(int index, int alarm, QString text, int dir,
                                                                bool update = true);
  Q_INVOKABLE QString CmplxTimerGetSet_TimerAlarm_TextVoice(int index, int alarm, QString text, int dir,
                                                            bool update = true);
  Q_INVOKABLE QString CmplxTimerGetSet_TimerAlarm_TextLanguage(int index, int alarm, QString text, int dir,
                                                               bool update = true);
  // A voice number above 254 stands for the system language's default voice.
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_AlarmTextVoice(int index, int alarm, int voice, int dir,
                                                                     bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_AlarmValueVoice(int index, int alarm, int voice, int dir,
                                                                      bool update = true);
  // Language and voice name of the message: answers both, tab-joined.
  Q_INVOKABLE QString KLX_DataBaseManagerCmplxTimerSet_AlarmTextVoice(int index, int alarm, QString language,
                                                                      QString voice, bool update = true);
  // Language and voice name of the spoken time, and the voice's number:
  // answers its language and display name, tab-joined (empty: no such voice).
  Q_INVOKABLE QString KLX_DataBaseManagerCmplxTimerSet_AlarmValueVoice(int index, int alarm, QString language,
                                                                       QString voice, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_SpeakAlarmText(int index, int alarm);
  Q_INVOKABLE int KLX_DataBaseManagerCmplxTimerGetSet_SpeakAlarmValue(int index, int alarm);

 private:
  QString KLX_DataBaseManagerCmplxTimerSet_AlarmVoice(int index, int alarm, const QString& language,
                                                      const QString& voice, bool update);
  // The voice number, a number above 254 replaced by the system language's
  // default voice; -70000 when that is none either.
  int CmplxTimerVoiceNumber(int voice);
  // The published control of virtual switch n; null for a number the board has no switch for.
  CControl* TimerSwitchControl(int n);
  bool TimerIndexOk(int index, unsigned code);
  int CmplxMarked(int result, int dir, bool update);
  QString CmplxMarkedText(const QString& result, int dir, bool update);
