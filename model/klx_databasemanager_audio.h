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

  // ---- Announcement list ------------------------------------------------------------
  // The list and its file: names are plain file names inside
  // "/Vorn/Announcements/"; paths may lie anywhere under the board's root.
  Q_INVOKABLE void KLX_SaveTTSList();
  // Writes the list onto the first USB stick: true when one was found and
  // the file written.
  Q_INVOKABLE bool KLX_ExportTTSList();
  Q_INVOKABLE QString KLX_OpenTTSList(QString fullPathName);
  Q_INVOKABLE bool KLX_TTSListExists(QString fileName);
  Q_INVOKABLE bool KLX_DataBaseManagerDeleteTTSList(QString filename);
  Q_INVOKABLE bool KLX_DataBaseManagerCopyTTSList(QString fullPathName);
  // 1 when the name was taken (updateXML marks the model modified), 0 for an
  // empty name that is no new list, "New list" and a name that is no plain
  // file name.
  Q_INVOKABLE int KLX_DataBaseManagerSetLastUsedTTSList(QString filename, bool updateXML, bool newList);
  Q_INVOKABLE int KLX_DataBaseManagerSetLastUsedTTSList(QString filename, bool updateXML) {
    return KLX_DataBaseManagerSetLastUsedTTSList(filename, updateXML, false);
  }
  Q_INVOKABLE int KLX_DataBaseManagerSetLastUsedTTSList(QString filename) {
    return KLX_DataBaseManagerSetLastUsedTTSList(filename, true, false);
  }
  Q_INVOKABLE QString KLX_DataBaseManagerGetLastUsedTTSList() { return m_TTSList.ListName(); }
  // Only a virtual switch's control id subscribes; any other is ignored. 0.
  Q_INVOKABLE int KLX_SubscribeTTSLForwardControl(int ctrl);
  Q_INVOKABLE int KLX_SubscribeTTSLBackwardControl(int ctrl);
  Q_INVOKABLE int KLX_SubscribeTTSLRestartControl(int ctrl);
  Q_INVOKABLE int KLX_GetTTSLForwardControl() { return m_TTSList.ForwardControlId(); }
  Q_INVOKABLE int KLX_GetTTSLBackwardControl() { return m_TTSList.BackwardControlId(); }
  Q_INVOKABLE int KLX_GetTTSLRestartControl() { return m_TTSList.RestartControlId(); }
  Q_INVOKABLE int KLX_GetTTSLIndex() { return m_TTSList.getTTSLIndex(); }
  Q_INVOKABLE void KLX_IncrementTTSLIndex() { m_TTSList.incrementTTSLIndex(); }
  Q_INVOKABLE void KLX_DecrementTTSLIndex() { m_TTSList.decrementTTSLIndex(); }
  Q_INVOKABLE void KLX_SetTTSListIndex(int index) { m_TTSList.setTTSLIndex(index); }
  Q_INVOKABLE void KLX_ResetTTSListIndex() { m_TTSList.setTTSLIndex(-1); }
  Q_INVOKABLE QJsonArray KLX_GetTTSList() { return m_TTSList.getListinQml(); }
  Q_INVOKABLE QString KLX_TTSLJSONTagText() const { return CTTSList::kText; }
  Q_INVOKABLE QString KLX_TTSLJSONTagVoiceId() const { return CTTSList::kVoiceId; }
  Q_INVOKABLE QString KLX_TTSLJSONTagLang() const { return CTTSList::kLang; }
  Q_INVOKABLE QString KLX_TTSLJSONTagVoice() const { return CTTSList::kVoice; }
  Q_INVOKABLE void KLX_SetTTSLTextAt(int index, QString text) { m_TTSList.setTextAt(index, text); }
  Q_INVOKABLE void KLX_SetTTSLLangAt(int index, QString lang) { m_TTSList.setLangAt(index, lang); }
  Q_INVOKABLE void KLX_SetTTSLVoiceAt(int index, QString voice) { m_TTSList.setVoiceAt(index, voice); }
  Q_INVOKABLE void KLX_SetTTSLVoiceIdAt(int index, int voiceId) { m_TTSList.setVoiceIdAt(index, voiceId); }
  Q_INVOKABLE void KLX_AppendTTSLNewItem(QString language) { m_TTSList.appendNewItem(language); }
  Q_INVOKABLE void KLX_AppendTTSLNewItem() { m_TTSList.appendNewItem(QString()); }
  Q_INVOKABLE bool KLX_DeleteTTSLItemAt(int index) { return m_TTSList.deleteItemAt(index); }
  Q_INVOKABLE void KLX_ClearTTSL() { m_TTSList.clearListJson(); }
  Q_INVOKABLE void KLX_TTSListBuild() { m_TTSList.FileToList(); }
  // When all model data is reset: items, switches and name gone.
  void KLX_DataBaseManagerTTSLClearAll() { m_TTSList.ResetToDefault(); }

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
