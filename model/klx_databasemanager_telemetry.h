// The telemetry part of the database facade's class body: the sensor table
// as QML and the other threads read it, the telemetry controls, and the GPS
// fields of the sensors. Included inside class KLX_DataBaseManager
// (klx_databasemanager.h), so that moc sees every invokable.
// No include guard: it is part of one class body.
//
// Every sensor-table accessor is one call into the sensor store made under
// the store's lock; bad indices are reported and answered by the store.

 public:
  // ---- The sensor table ------------------------------------------------------------
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetSensorIsUsed(int sensoradr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetSensorMainAdress(int sensoradr);
  Q_INVOKABLE QString KLX_DataBaseManagerTelemetrieGetSensorName(int sensoradr);
  // dir 0 writes; with update an alias that was stored as given marks the model modified.
  Q_INVOKABLE QString KLX_DataBaseManagerTelemetrieGetSetSensorAlias(int sensoradr, QString newalias, int dir,
                                                                     bool update = true);
  Q_INVOKABLE QString KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(int sensoradr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetNumberOfSensorValues(int sensoradr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetHasSensorStatus(int sensoradr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetHasSensorGPS(int sensoradr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetHasSensorMenu(int sensoradr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetSensorIsOffline(int sensoradr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetSlave_IsUsed(int sensoradr, int slaveadr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGet_Slave_HasGPS(int sensoradr, int slaveadr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGet_Slave_HasStatus(int sensoradr, int slaveadr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(int sensoradr, int slaveadr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetSlaveAdress(int sensoradr, int slaveadr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetSlavePriority(int sensoradr, int slaveadr);
  // KLX_Error before the database is initialised.
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetSlaveValue(int sensoradr, int slaveadr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetLatitude(int sensoradr, int slaveadr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetLongtitude(int sensoradr, int slaveadr);
  Q_INVOKABLE QString KLX_DataBaseManagerTelemetrieGetSlaveLabel(int sensoradr, int slaveadr);
  Q_INVOKABLE QString KLX_DataBaseManagerTelemetrieGetSlaveUnit(int sensoradr, int slaveadr);
  Q_INVOKABLE QString KLX_DataBaseManagerTelemetrieGetSlaveStatus(int sensoradr, int slaveadr);
  Q_INVOKABLE QString KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(int sensoradr, int slaveadr, QString newalias,
                                                                    int dir, bool update = true);
  Q_INVOKABLE QString KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(int sensoradr, int slaveadr);
  // The stored label itself, read without the lock; null for a bad index.
  const char* KLX_DataBaseManagerTelemetrieGetSlaveLabelChar(int sensoradr, int slaveadr);
  // dir 0 writes 0 into the flag; dir 3 reads and clears its changed bit.
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGet_Slave_Alarm(int sensoradr, int slaveadr, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetSetSlaveMinValue(int sensoradr, int slaveadr, int value, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetSetSlaveMaxValue(int sensoradr, int slaveadr, int value, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieResetSlaveMinValue(int sensoradr, int slaveadr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieResetSlaveMaxValue(int sensoradr, int slaveadr);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetMenueIsUsed(int sensoradr, int menu);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetMenueDepth(int sensoradr, int menu);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetMenueMaxSteps(int sensoradr, int menu, int menuitem);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetMenueToggle(int sensoradr, int menu, int menuitem);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetMenueDisplay(int sensoradr, int menu, int menuitem);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetMenueContinuous(int sensoradr, int menu, int menuitem);
  Q_INVOKABLE QString KLX_DataBaseManagerTelemetrieGuiGetMenueLabel(int sensoradr, int menu, int menuitem);
  Q_INVOKABLE QString KLX_DataBaseManagerTelemetrieGuiGetMenueValue(int sensoradr, int menu, int menuitem);
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetIsCaptured();
  // 1 while the sensor capture waits for the transceiver's sensor scan (the
  // screens say that sensors are being searched for), else 0.
  Q_INVOKABLE int KLX_DataBaseManagerTelemetrieGetIsSearching();
  void KLX_DataBaseManagerTelemetrieSetSearching(bool searching);
  // Whether automatic sensor rescans are allowed (dir 0 sets it): 1 or 0.
  int KLX_DataBaseManagerTelemetrieGetSet_AutoRescanAllowed(int value, int dir);

  // ---- GPS fields of the sensors --------------------------------------------------------
  // The last position a sensor other than the transmitter's own reported.
  Q_INVOKABLE int KLX_DataBaseManagerGPSSensorGetLongitude();
  Q_INVOKABLE int KLX_DataBaseManagerGPSSensorGetLatitude();
  // True for 0 and for the invalid marker 0x7FFFFFFF.
  Q_INVOKABLE bool KLX_DataBaseManagerGPSIsInvalid(int value) const {
    return value == 0 || value == KLX_Telemetrie::kGpsInvalid;
  }
  Q_INVOKABLE int KLX_DataBaseManagerGPSMarkInvalid() const { return KLX_Telemetrie::kGpsInvalid; }

  // ---- The transmitter's own GPS receiver (the GPS store) -------------------------------
  // dir 0 stores, any other reads; each returns the field. The status store
  // also tells the screens through gpsState.
  Q_INVOKABLE int KLX_DataBaseManagerGPSGetSet_Latitude(int latitude, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGPSGetSet_Longitude(int longitude, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGPSGetSet_RawHight(int rawhight, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGPSGetSet_RawHeading(int rawhead, int dir);
  Q_INVOKABLE uint KLX_DataBaseManagerGPSGetSet_RawSpeed(uint rawspeed, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGPSGetSet_GpsFix(int fix, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGPSGetSet_CountSatelite(int count, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGPSGetSet_Year(int year, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGPSGetSet_Month(int month, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGPSGetSet_Day(int day, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGPSGetSet_Hour(int hour, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGPSGetSet_Minute(int minute, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGPSGetSet_Second(int second, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGPSGetSet_TimeValidFlags(int flags, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGPSGetSet_Status(int status, int dir);
  // One consistent solution: the GPS thread holds the same lock while it writes one.
  Q_INVOKABLE int KLX_DataBaseManager_GPSLock();
  Q_INVOKABLE int KLX_DataBaseManager_GPSUnlock();

  // ---- Telemetry controls ----------------------------------------------------------------
  // A set that succeeded marks the control for the engine and, with update,
  // the model modified; with update the field also goes to the transceiver.
  Q_INVOKABLE int KLX_DataBaseManagerTeleControlGetSet_IsUsed(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTeleControlGetSet_SimulOn(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTeleControlGetSet_InvOutput(int index, int value, int dir, bool update = true);
  // Main address in bits 0-7, value index in bits 8-15; negative: KLX_Error.
  Q_INVOKABLE int KLX_DataBaseManagerTeleControlGetSet_FullAddr(int index, int full, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTeleControlGetSet_DecPoint(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTeleControlGetSet_SimulValue(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTeleControlGetSet_FSafeValue(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTeleControlGetSet_Limit(int index, bool upper, int value, int dir,
                                                             bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTeleControlGetSet_DfltOutVal(int index, int value, int dir, bool update = true);
  Q_INVOKABLE int KLX_DataBaseManagerTeleControlGetSet_OutControl(int index, int value, int dir, bool update = true);
  Q_INVOKABLE QString KLX_DataBaseManagerTeleControlGetSet_Name(int index, QString name, int dir);
  int KLX_DataBaseManagerTeleControlCopyUnit(int index, unsigned char* buffer);
  int KLX_DataBaseManagerTeleControlCopySingleUnit(int index, T_TelemetryControl* record);
  // By index: the control is deleted; by record: the record takes the defaults.
  Q_INVOKABLE int KLX_DataBaseManagerTeleControlClear(int index);
  int KLX_DataBaseManagerTeleControlClear(T_TelemetryControl* record);
  Q_INVOKABLE int KLX_DataBaseManagerTeleControlGetNextFreeIndex();
  // The raw sensor value the control last received (the engine thread).
  int KLX_DataBaseManagerGetTeleControlRawValue(int index);
  // Deletes the control and takes its control id out of the model.
  Q_INVOKABLE int KLX_DataBaseManagerTeleControlDelete(int index);
  // The control of a control id, KLX_Error for an id of none.
  Q_INVOKABLE int KLX_DataBaseManagerTeleControlGet_ByControlID(int id);
  Q_INVOKABLE int KLX_DataBaseManagerTelecontrolGet_OutputValue(int index, bool percent);
  Q_INVOKABLE int KLX_DataBaseManagerTelecontrolIsVSOutputControl(int vs);

 private:
  // Runs `read` under the sensor store's lock; `none` without a store.
  template <typename Result, typename Read>
  Result TelemetrieLocked(Result none, Read read) {
    if (!m_Telemetrie) return none;
    m_Telemetrie->KLX_TelemetrieLock();
    const Result result = read(*m_Telemetrie);
    m_Telemetrie->KLX_TelemetrieUnlock();
    return result;
  }
  // Forwards a control's field and marks it after a set that succeeded.
  int TeleControlField(int index, int dir, bool update, int result);
