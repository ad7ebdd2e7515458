// The Bluetooth and head-up part of the database facade's class body: the
// Bluetooth doors of the screens and the head-up item list with its page
// switches. Included inside class KLX_DataBaseManager (klx_databasemanager.h)
// so that moc sees every invokable. No include guard: part of one class body.

 public:
  // ---- Bluetooth ----------------------------------------------------------------------
  Q_INVOKABLE int KLX_DataBaseManagerBTTurnON();
  Q_INVOKABLE int KLX_DataBaseManagerBTTurnOFF();
  Q_INVOKABLE int KLX_DataBaseManagerBTPowerStatus() { return m_Bluetooth.powerStatus() ? 1 : 0; }
  Q_INVOKABLE QStringList getDevicesList() { return m_Bluetooth.getDevicesList(); }
  Q_INVOKABLE int removeDev(QString mac) { return m_Bluetooth.removeDev(mac) ? 1 : 0; }
  Q_INVOKABLE void connectDev(QString mac) { m_Bluetooth.connectDev(mac); }
  Q_INVOKABLE QString getActiveALSADeviceMac() { return m_Bluetooth.getActiveALSADeviceMac(); }

  // ---- Head-up item list --------------------------------------------------------------
  KLX_HeadupWindow* KLX_HeadupPtr() { return m_HeadupWindow; }
  KLX_Headup* KLX_HeadupContainerPtr() { return m_Headup; }
  void KLX_DatabaseMangerSetHeadup(KLX_Headup* container);
  Q_INVOKABLE bool CreateHeadupItem(int type);
  Q_INVOKABLE void DeleteHeadupItemAt(int index);
  Q_INVOKABLE int GetHeadupItemTypeAt(int index);
  Q_INVOKABLE void SetHeadupItemTypeAt(int index, int type);
  Q_INVOKABLE QString GetHeadupItemTypeString(int type);
  Q_INVOKABLE void KLX_DatabaseMangerHeadupSetTeleMainAddr(int index, int address);
  Q_INVOKABLE void KLX_DatabaseMangerHeadupSetTeleSlaveAddr(int index, int address);
  Q_INVOKABLE void KLX_DatabaseMangerHeadupSetServoIndex(int index, int servo);
  Q_INVOKABLE void KLX_DatabaseMangerHeadupSetTimerIndex(int index, int timer);
  Q_INVOKABLE int KLX_DatabaseMangerHeadupGetTeleMainAddr(int index);
  Q_INVOKABLE int KLX_DatabaseMangerHeadupGetTeleSlaveAddr(int index);
  Q_INVOKABLE int KLX_DatabaseMangerHeadupGetServoIndex(int index);
  Q_INVOKABLE int KLX_DatabaseMangerHeadupGetTimerIndex(int index);
  Q_INVOKABLE bool KLX_DataBaseManagerHeadupIsInvalidAddress(int address) { return address == 65535; }
  Q_INVOKABLE int KLX_DataBaseManagerHeadupGetServoValue(int servo);
  CHeadupItem* KLX_DataBaseManagerHeadupGetItemAt(int index);
  Q_INVOKABLE int KLX_DatabaseMangerHeadupGetMaxItems() { return KLX_Headup::kSlots; }
  Q_INVOKABLE int KLX_DatabaseMangerHeadupGetItemCount() { return m_Headup ? m_Headup->CountItems() : 0; }
  Q_INVOKABLE void KLX_SubscribeHeadupForwardControl(int control);
  Q_INVOKABLE void KLX_SubscribeHeadupBackwardControl(int control);
  Q_INVOKABLE int KLX_GetHeadupForwardControl();
  Q_INVOKABLE int KLX_GetHeadupBackwardControl();
  Q_INVOKABLE int KLX_GetHeadupIndex() { return m_HeadupWindow ? m_HeadupWindow->GetIndex() : 0; }
  Q_INVOKABLE void KLX_SetHeadupIndex(int index);
  Q_INVOKABLE int KLX_DataBaseManagerHeadupGetTimerInterval();
  Q_INVOKABLE void KLX_DataBaseManagerHeadupSetTimerInterval(int ms);

 private:
  // One 16-bit field of the item at index (low 16 bits) through set; the
  // model is marked modified whatever happens.
  void HeadupSetField(int index, const std::function<void(CHeadupItem&)>& set);
  int HeadupGetField(int index, const std::function<int(const CHeadupItem&)>& get);
  // Binds a page switch: only a virtual switch with a published control.
  void HeadupSubscribe(int control, bool forward);

 public:
