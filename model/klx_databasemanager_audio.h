// The sound, speech, voice and vibration part of the database facade's class
// body: what QML and the other subsystems reach speech and sound through.
// Included inside class KLX_DataBaseManager.
// No include guard: it is part of one class body.
 public:
  // ---- Speech ------------------------------------------------------------------------
  // Queues a phrase (language and voice as the voice parameters name them;
  // empty: the default voice). 0.
  Q_INVOKABLE int SayText(QString text, QString lang = QString(), QString voice = QString(), int idx = -1);
  // Speaks in the voice stored for a voice alarm (index 0 and up) or a
  // class of telemetry announcements (-1, -2, -3).
  Q_INVOKABLE int VoiceAlarm_SayText(QString phrase, int index);

  // ---- Voices ------------------------------------------------------------------------
  // "a" + tab + "b"; empty when either is empty.
  static QString ConcatTwoStringsWithTab(const QString& a, const QString& b);
  Q_INVOKABLE QString KLX_DataBaseManagerGetVoicesList(QString voiceName);
  Q_INVOKABLE int KLX_DataBaseManagerGetVoicesCount();
  Q_INVOKABLE QString KLX_DataBaseManagerGetVoicePath(int index);
  Q_INVOKABLE QString KLX_DataBaseManagerGetVoiceDisplay(int id);
  Q_INVOKABLE int KLX_DataBaseManagerFindFirstVoiceInList(QString langAbbr);
  Q_INVOKABLE QString KLX_DataBaseManagerGetVoiceTextParamsFromList(int index);
  Q_INVOKABLE QString KLX_DataBaseManagerVAlarmGetVoiceTextParams(int index);
  Q_INVOKABLE QString KLX_DataBaseManagerGetAlarmVoiceTextParams(int alarmType);
  Q_INVOKABLE QString KLX_DataBaseManagerGetEmptyTelemetryVoice();
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmSetVoiceTextParams(int index, QString strLangName, QString strVName,
                                                              bool update = true);
  int VoiceAlarmSetVoiceParams(int index, const QString& language, const QString& voice, int dir, bool update);
  // Stores voice `voiceIdx` of the list in voice alarm `index` (dir 0);
  // answers voiceIdx.
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetSetVoiceParams(int index, int voiceIdx, int dir, bool update = true);
  // The voice alarm fields the voice screens read and write (dir 0 writes);
  // each answers the field read back.
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetSetTimer(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetSetIndividualBit(int index, int bits, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerVAlarmGetUnsetIndividualBit(int index, int bits, int dir, bool update = true);
  void KLX_DataBaseManagerVAlarmMarkVoiceAlarm(bool mark);
  KLX_VoiceTelemetry* KLX_DataBaseManagerVoiceTelemetryStore() { return m_VoiceTelemetry; }

  // ---- Sounds ------------------------------------------------------------------------
  // Sound type 0 a ".wav" of the sound folder, 1 a ".pcm" of it into the
  // speech pipe, 256 a full path.
  Q_INVOKABLE void KLX_DataBaseManagerPlayWAVPCMFile(QString filename, QString language, int soundtype);
  Q_INVOKABLE void KLX_DataBaseManagerAlarmBeep(int ftone, int duration_ms, bool timerBeep, bool alarmPriority);

  // ---- Vibration ---------------------------------------------------------------------
  // Message 160 with the three values, 16 bits each, low byte first: the
  // send result, 0 without a message layer.
  Q_INVOKABLE int KLX_DataBaseManagerActivateVibration(int value1, int value2, int value3);
  // A scheme of E_VibrationScheme; any other sends three zeros.
  Q_INVOKABLE void KLX_DataBaseManagerActivateVibrationScheme(int scheme);

 private:
  // Reads a voice alarm's record, changes it and stores it; answers the
  // record as stored (or as it stands when the store refused).
  template <typename Change>
  T_VoiceAlarm ChangeVoiceAlarm(int index, bool update, Change change);
