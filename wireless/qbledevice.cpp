#include "wireless/qbledevice.h"

#include <QDBusConnection>
#include <QDebug>

#include <new>

#include "frame/klx_debuglog.h"
#include "wireless/klx_bluetooth.h"
#include "wireless/klx_bluezhelpers.h"

QBLEDevice::QBLEDevice(const QString& path, QObject* parent) : QObject(parent), m_Path(path) {
  qCDebug(lcVornDebug) << "___________________ CONSTRUCTOR(BLE_DEVICE)";
  m_Interface = new (std::nothrow)
      QDBusInterface(KLX_Bluetooth::org_bluez, m_Path, KLX_Bluetooth::iface_Device1, QDBusConnection::systemBus());
  QDBusConnection::systemBus().connect(KLX_Bluetooth::org_bluez, m_Path, KLX_Bluetooth::iface_Properties,
                                       QStringLiteral("PropertiesChanged"), {KLX_Bluetooth::iface_Device1}, QString(),
                                       this, SLOT(onPropertiesChangedInt(QString, QVariantMap, QStringList)));
  connect(this, &QBLEDevice::servicesResolved, this, &QBLEDevice::OnServicesResolved);
}

QBLEDevice::~QBLEDevice() {
  qCDebug(lcVornDebug).noquote() << "___________________ DESTRUCTOR(BLE_DEVICE):" << m_Path;
  QDBusConnection::systemBus().disconnect(KLX_Bluetooth::org_bluez, m_Path, KLX_Bluetooth::iface_Properties,
                                          QStringLiteral("PropertiesChanged"), {KLX_Bluetooth::iface_Device1},
                                          QString(), this,
                                          SLOT(onPropertiesChangedInt(QString, QVariantMap, QStringList)));
  m_Services.clear();
  delete m_Interface;
}

void QBLEDevice::addService(const QString& uuid, QBLEService* service) {
  // Freed in the main thread even when a writer thread lets go of it last.
  m_Services.insert(uuid, QSharedPointer<QBLEService>(service, &QObject::deleteLater));
}

void QBLEDevice::ConnectionLost() {
  const QString mac = getMAC(m_Path, QStringLiteral("_"), QStringLiteral(":"));
  emit deviceDisconnected(mac);
  emit deviceReconnectRequest(mac);
}

void QBLEDevice::onPropertiesChangedInt(QString interface, QVariantMap map, QStringList) {
  if (interface != KLX_Bluetooth::iface_Device1 || map.isEmpty()) return;
  const QString resolved = QStringLiteral("ServicesResolved");
  const QString connected = QStringLiteral("Connected");
  if (map.contains(resolved)) {
    if (map.value(resolved).toBool()) {
      emit servicesResolved(map);
      return;
    }
    if (!map.contains(connected)) return;
    if (map.value(connected).toBool()) {
      qCDebug(lcVornDebug) << "Connected but no service resolved";
      return;
    }
    qCDebug(lcVornDebug) << "ERROOOOOOOOOOOOOOOOOOOR CONNECTION LOST";
    ConnectionLost();
    return;
  }
  if (map.contains(connected) && map.size() == 1) {
    if (map.value(connected).toBool()) {
      emit deviceConnected(getMAC(m_Path, QStringLiteral("_"), QStringLiteral(":")));
      return;
    }
    qCDebug(lcVornDebug) << "Error CONNECTION LOST";
    ConnectionLost();
  }
}

void QBLEDevice::OnServicesResolved(QVariantMap map) {
  qCDebug(lcVornDebug) << "Resolve Service";
  if (!m_Services.isEmpty()) return;
  if (map.contains(QStringLiteral("UUIDs"))) {
    m_Uuids = map.value(QStringLiteral("UUIDs")).toStringList();
    return;
  }
  const QVariant uuids = getBtProperty(m_Path, KLX_Bluetooth::iface_Device1, QStringLiteral("UUIDs"));
  if (uuids.isValid()) m_Uuids = uuids.toStringList();
}
