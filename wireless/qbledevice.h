#pragma once
// One BLE device that BlueZ manages: follows its connection and the moment
// its GATT services are resolved, learns its service UUIDs and keeps the
// service proxies a subclass creates. It never connects or disconnects.
#include <QDBusInterface>
#include <QMap>
#include <QObject>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include "wireless/qbleservice.h"

class QBLEDevice : public QObject {
  Q_OBJECT
 public:
  QBLEDevice(const QString& path, QObject* parent = nullptr);
  ~QBLEDevice() override;

  QString devicePath() const { return m_Path; }
  QBLEService* service(const QString& uuid) const { return m_Services.value(uuid).data(); }
  // The service with shared ownership, for threads that write through it
  // and may outlive this device.
  QSharedPointer<QBLEService> sharedService(const QString& uuid) const { return m_Services.value(uuid); }
  // Takes the service; an earlier one under the same UUID is let go (freed
  // once no writer holds it any more).
  void addService(const QString& uuid, QBLEService* service);
  QStringList uuids() const { return m_Uuids; }

 public slots:
  virtual void OnServicesResolved(QVariantMap map);
  void onPropertiesChangedInt(QString interface, QVariantMap map, QStringList list);

 signals:
  void servicesResolved(QVariantMap map);
  void glassesOutputReady();
  void deviceConnected(QString macAddr);
  void deviceDisconnected(QString macAddr);
  void deviceReconnectRequest(QString macAddr);

 protected:
  QString m_Path;
  QDBusInterface* m_Interface = nullptr;
  QMap<QString, QSharedPointer<QBLEService>> m_Services;
  QStringList m_Uuids;

 private:
  void ConnectionLost();
};
