#pragma once
// GATT client proxies over BlueZ: one service object of a connected device
// with the characteristics below it, addressed by UUID. The program only
// writes; reading and notifications are offered for completeness.
#include <QByteArray>
#include <QDBusInterface>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class QBLECharacteristic : public QObject {
  Q_OBJECT
 public:
  QBLECharacteristic(const QString& path, QObject* parent = nullptr);
  ~QBLECharacteristic() override;
  QString uuid() const { return m_Uuid; }

  void writeValue(const QByteArray& bytes) const;
  QByteArray readValue() const;
  void startNotify() const;
  void stopNotify() const;

 public slots:
  void onPropertiesChanged(QString interface, QVariantMap map, QStringList list);

 signals:
  void characteristicChanged(QString uuid, QByteArray value);

 private:
  QString m_Path;
  QDBusInterface* m_Interface = nullptr;
  QString m_Uuid;
};

class QBLEService : public QObject {
  Q_OBJECT
 public:
  QBLEService(const QString& uuid, const QString& path, QObject* parent = nullptr);
  ~QBLEService() override;

  void introspect();
  QString serviceUUID() const { return m_Uuid; }
  QBLECharacteristic* characteristic(const QString& uuid) const { return m_Characteristics.value(uuid, nullptr); }
  // Safe from any thread: nothing that a write changes is kept here.
  void writeValue(const QString& uuid, const QByteArray& bytes);
  QByteArray readValue(const QString& uuid);
  void enableNotification(const QString& uuid);
  void disableNotification(const QString& uuid);

 public slots:
  void characteristicChangedInt(QString characteristic, QByteArray value);
  void characteristicReadInt(QString characteristic, QByteArray value);
  void onPropertiesChanged(QString interface, QVariantMap map, QStringList list);

 signals:
  void characteristicChanged(QString c, QByteArray value);
  void characteristicRead(QString c, QByteArray value);
  void propertiesChanged(QString, QVariantMap, QStringList);

 private:
  QString m_Uuid;
  QString m_Path;
  QDBusInterface* m_Interface = nullptr;
  QMap<QString, QBLECharacteristic*> m_Characteristics;
};
