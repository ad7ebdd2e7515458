#pragma once
// Bluetooth device management (published as "BTConnection").
#include <QObject>
#include <QString>

class KLX_DataBaseManager;

class KLX_Bluetooth : public QObject {
  Q_OBJECT
 public:
  explicit KLX_Bluetooth(QObject* parent = nullptr) : QObject(parent) {}
  void initDBM(KLX_DataBaseManager* db) { m_Db = db; }
  bool isPoweredOn() const { return m_On; }
  void turnOn() { m_On = true; }
  // Looks for the device with this address until it is found. Least form:
  // the address is remembered until the Bluetooth manager comes.
  void initSearchLoop(const QString& macAddr) { m_SearchedAddress = macAddr; }
  QString searchedAddress() const { return m_SearchedAddress; }
  // Scanning and the connect permission come with the Bluetooth manager.
  bool scanStart() { return m_Scanning = true; }
  bool scanStop() {
    m_Scanning = false;
    return true;
  }
  bool isScanning() const { return m_Scanning; }
  bool isConnectAllowed() const { return m_On; }
 private:
  KLX_DataBaseManager* m_Db = nullptr;
  bool m_On = false;
  bool m_Scanning = false;
  QString m_SearchedAddress;
};
