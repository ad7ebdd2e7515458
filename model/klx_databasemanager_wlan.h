// The WLAN part of the database facade's class body: the accessors QML and
// the update tasks use, each forwarding to the WLAN connection the facade
// holds. Included inside class KLX_DataBaseManager (klx_databasemanager.h)
// so that moc sees every invokable. No include guard: part of one class body.

 public:
  Q_INVOKABLE void KLX_DataBaseManagerWlanScanBegin() { m_Wlan.ScanBegin(); }
  Q_INVOKABLE void KLX_DataBaseManagerWlanBringUp() { m_Wlan.KLX_WlanConnectSetOnOff(true); }
  Q_INVOKABLE int KLX_DataBaseManagerWlanDisconnect() { return m_Wlan.KLX_WlanConnectWiFiDisconnect(false); }
  Q_INVOKABLE QString KLX_DataBaseManagerWlanGetIPAddr() { return m_Wlan.KLX_WlanConnectGetIPv4Address(); }
  Q_INVOKABLE QString KLX_DataBaseManagerWlanGetConnectedSSID() { return m_Wlan.KLX_WlanConnectGetSSID(); }
  Q_INVOKABLE int KLX_DataBaseManagerWlanConnectBySSIDPassw(QString ssid, QString passw) {
    return m_Wlan.KLX_WlanConnectWiFiConnectBySSIDPassw(ssid, passw);
  }
  // DHCP with the stored networks; the address and gateway are not used then.
  Q_INVOKABLE void KLX_DataBaseManagerWlanConnect(QString ipAddr, QString gateway, bool reconnect = false) {
    m_Wlan.KLX_WlanConnectWiFiConnect(true, ipAddr.toLatin1(), gateway.toLatin1(), reconnect, true);
  }
  Q_INVOKABLE void KLX_DataBaseManagerWlanSSIDpasswSet(QString ssid, QString passw) {
    m_Wlan.KLX_WlanConnectSetPassw(ssid, passw);
  }
  Q_INVOKABLE bool KLX_DataBaseManagerWlanPassphraseQuotable(QString passw) {
    return KLX_WlanConnect::PassphraseQuotable(passw);
  }
  Q_INVOKABLE QString KLX_DataBaseManagerWlanFindSSIDGetPassw(QString ssid) { return m_Wlan.KLX_WlanFindSSIDGetPassw(ssid); }
  Q_INVOKABLE int KLX_DataBaseManagerWlanForgetSSID(QString ssid) { return m_Wlan.KLX_WlanConnectForgetSSID(ssid); }
  Q_INVOKABLE bool KLX_DataBaseManagerWlanGetRunning() { return m_Wlan.KLX_WlanConnectIsRunning(); }
  Q_INVOKABLE bool KLX_DatabaseManagerIsWPAConfigExisting() { return m_Wlan.KLX_WlanConnectIsWPAConfigExisting(); }
  Q_INVOKABLE bool KLX_DatabaseManagerIsWlanConnected() {
    return m_Wlan.getState() == KLX_DatabaseValues::Wlan_Connected;
  }
  // The package update fetches over the network; a firmware update and an
  // update from a USB stick pause the polling.
  Q_INVOKABLE void KLX_DatabaseManagerWlanStartProcessing() { m_Wlan.KLX_WlanConnectStartProcessing(); }
  Q_INVOKABLE void KLX_DatabaseManagerWlanStopProcessing() { m_Wlan.KLX_WlanConnectStopProcessing(); }
  KLX_WlanConnect* KLX_DatabaseManagerWlanConnPointer() { return &m_Wlan; }
  // Asks the package update's running download to stop.
  Q_INVOKABLE void KLX_DataBaseManagerAbortDownload();
