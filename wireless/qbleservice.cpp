#include "wireless/qbleservice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDebug>
#include <QDomDocument>

#include <new>

#include "frame/klx_debuglog.h"
#include "wireless/klx_bluetooth.h"
#include "wireless/klx_bluezhelpers.h"

namespace {
const QString kNoCharacteristic = QStringLiteral("-------------------------------------------Unable to get characteristic");
}

// ---- characteristic ---------------------------------------------------------------------------

QBLECharacteristic::QBLECharacteristic(const QString& path, QObject* parent) : QObject(parent), m_Path(path) {
  m_Interface = new (std::nothrow)
      QDBusInterface(KLX_Bluetooth::org_bluez, m_Path, KLX_Bluetooth::iface_GattChar1, QDBusConnection::systemBus());
  m_Uuid = getBtProperty(m_Path, KLX_Bluetooth::iface_GattChar1, QStringLiteral("UUID")).toString();
  qCDebug(lcVornDebug).noquote() << "_____ CONSTRUCTOR(Characteristic):" << m_Path << m_Uuid;
  QDBusConnection::systemBus().connect(KLX_Bluetooth::org_bluez, m_Path, KLX_Bluetooth::iface_Properties,
                                       QStringLiteral("PropertiesChanged"), {KLX_Bluetooth::iface_GattChar1},
                                       QString(), this,
                                       SLOT(onPropertiesChanged(QString, QVariantMap, QStringList)));
}

QBLECharacteristic::~QBLECharacteristic() {
  qCDebug(lcVornDebug).noquote() << "_____ ~DESTRUCTOR(Characteristic):" << m_Path << m_Uuid;
  delete m_Interface;
}

void QBLECharacteristic::writeValue(const QByteArray& bytes) const {
  // A message of its own rather than the interface: writers call this from
  // their threads, and the interface object belongs to the main thread.
  QDBusMessage call = QDBusMessage::createMethodCall(KLX_Bluetooth::org_bluez, m_Path, KLX_Bluetooth::iface_GattChar1,
                                                     QStringLiteral("WriteValue"));
  call << bytes << QVariantMap();
  QDBusConnection::systemBus().call(call);
}

QByteArray QBLECharacteristic::readValue() const {
  if (!m_Interface) return QByteArray();
  const QDBusReply<QByteArray> reply = m_Interface->call(QStringLiteral("ReadValue"), QVariantMap());
  if (!reply.isValid()) {
    qWarning() << "Unable to readValue():" << reply.error();
    return QByteArray();
  }
  return reply.value();
}

void QBLECharacteristic::startNotify() const {
  if (m_Interface) m_Interface->call(QStringLiteral("StartNotify"));
}

void QBLECharacteristic::stopNotify() const {
  if (m_Interface) m_Interface->call(QStringLiteral("StopNotify"));
}

void QBLECharacteristic::onPropertiesChanged(QString, QVariantMap map, QStringList) {
  if (map.contains(QStringLiteral("Value")))
    emit characteristicChanged(m_Uuid, map.value(QStringLiteral("Value")).toByteArray());
}

// ---- service ----------------------------------------------------------------------------------

QBLEService::QBLEService(const QString& uuid, const QString& path, QObject* parent)
    : QObject(parent), m_Uuid(uuid), m_Path(path) {
  m_Interface = new (std::nothrow) QDBusInterface(KLX_Bluetooth::org_bluez, m_Path, KLX_Bluetooth::iface_GattService1,
                                                  QDBusConnection::systemBus());
  qCDebug(lcVornDebug).noquote() << "___________________ CONSTRUCTOR(BLE_SERVICE): (" + m_Uuid + "|" + m_Path + " )";
  introspect();
}

QBLEService::~QBLEService() {
  qCDebug(lcVornDebug).noquote() << "___________________ ~DESTRUCTOR(BLE_SERVICE): (" + m_Uuid + "|" + m_Path + " )";
  for (QBLECharacteristic* c : qAsConst(m_Characteristics)) {
    disconnect(c, &QBLECharacteristic::characteristicChanged, this, &QBLEService::characteristicChangedInt);
    delete c;
  }
  m_Characteristics.clear();
  delete m_Interface;
}

void QBLEService::introspect() {
  QDBusInterface introspectable(KLX_Bluetooth::org_bluez, m_Path, KLX_Bluetooth::iface_Introspect,
                                QDBusConnection::systemBus());
  const QDBusReply<QString> reply = introspectable.call(QStringLiteral("Introspect"));
  if (reply.isValid()) {
    QDomDocument doc;
    doc.setContent(reply.value());
    const QDomNodeList nodes = doc.elementsByTagName(QStringLiteral("node"));
    for (int i = 0; i < nodes.size(); ++i) {
      const QString name = nodes.at(i).toElement().attribute(QStringLiteral("name"));
      if (!name.startsWith(QLatin1String("char"))) continue;
      // Filed under the UUID it read; an unreadable one under the empty text.
      auto* c = new (std::nothrow) QBLECharacteristic(m_Path + "/" + name, this);
      if (c) m_Characteristics.insert(c->uuid(), c);
    }
    for (QBLECharacteristic* c : qAsConst(m_Characteristics))
      connect(c, &QBLECharacteristic::characteristicChanged, this, &QBLEService::characteristicChangedInt);
    qCDebug(lcVornDebug).noquote() << "void QBLEService::introspect()"
                                   << "characteristics"
                                   << "(" + QStringList(m_Characteristics.keys()).join(", ") + ")";
  }
  qCDebug(lcVornDebug) << "Introspect done";
}

void QBLEService::writeValue(const QString& uuid, const QByteArray& bytes) {
  QBLECharacteristic* c = characteristic(uuid);
  if (!c) {
    qCDebug(lcVornDebug).noquote() << kNoCharacteristic << uuid;
    return;
  }
  c->writeValue(bytes);
}

QByteArray QBLEService::readValue(const QString& uuid) {
  qCDebug(lcVornDebug).noquote() << "Reading from " + uuid;
  QBLECharacteristic* c = characteristic(uuid);
  if (!c) {
    qCDebug(lcVornDebug) << "Unable to get characteristic";
    return QByteArray();
  }
  return c->readValue();
}

void QBLEService::enableNotification(const QString& uuid) {
  qCDebug(lcVornDebug).noquote() << "Starting notify for " + uuid;
  QBLECharacteristic* c = characteristic(uuid);
  if (!c) {
    qCDebug(lcVornDebug) << "Unable to get characteristic";
    return;
  }
  c->startNotify();
}

void QBLEService::disableNotification(const QString& uuid) {
  qCDebug(lcVornDebug).noquote() << "Stopping notify for " + uuid;
  QBLECharacteristic* c = characteristic(uuid);
  if (!c) {
    qCDebug(lcVornDebug) << "Unable to get characteristic";
    return;
  }
  c->stopNotify();
}

void QBLEService::characteristicChangedInt(QString characteristic, QByteArray value) {
  qCDebug(lcVornDebug) << "characteristicChangedInt:" << characteristic << value.size() << value.toHex();
  emit characteristicChanged(characteristic, value);
}

void QBLEService::characteristicReadInt(QString characteristic, QByteArray value) {
  qCDebug(lcVornDebug) << "characteristicReadInt:" << characteristic << value.size() << value.toHex();
  emit characteristicRead(characteristic, value);
}

void QBLEService::onPropertiesChanged(QString interface, QVariantMap map, QStringList list) {
  emit propertiesChanged(interface, map, list);
}
