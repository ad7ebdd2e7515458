#include "wireless/klx_bluetooth.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <new>

#include "frame/klx_debuglog.h"
#include "frame/klx_filenamehandler.h"
#include "model/klx_databasemanager.h"
#include "wireless/activelookglasses.h"
#include "wireless/guard.h"
#include "wireless/klx_headupwindow.h"

const QString KLX_Bluetooth::org_bluez = QStringLiteral("org.bluez");
const QString KLX_Bluetooth::org_bluealsa = QStringLiteral("org.bluealsa");
const QString KLX_Bluetooth::root_node = QStringLiteral("/");
const QString KLX_Bluetooth::path_bluealsa = QStringLiteral("/org/bluealsa");
const QString KLX_Bluetooth::hci0_path = QStringLiteral("/org/bluez/hci0");
const QString KLX_Bluetooth::devPattern = QStringLiteral("/org/bluez/hci0/dev_");
const QString KLX_Bluetooth::ObjManager = QStringLiteral("org.freedesktop.DBus.ObjectManager");
const QString KLX_Bluetooth::iface_Properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString KLX_Bluetooth::iface_Introspect = QStringLiteral("org.freedesktop.DBus.Introspectable");
const QString KLX_Bluetooth::iface_Adapter1 = QStringLiteral("org.bluez.Adapter1");
const QString KLX_Bluetooth::iface_Device1 = QStringLiteral("org.bluez.Device1");
const QString KLX_Bluetooth::iface_GattService1 = QStringLiteral("org.bluez.GattService1");
const QString KLX_Bluetooth::iface_GattChar1 = QStringLiteral("org.bluez.GattCharacteristic1");
const QString KLX_Bluetooth::iface_MediaTransport1 = QStringLiteral("org.bluez.MediaTransport1");
const QString KLX_Bluetooth::iface_MediaControl1 = QStringLiteral("org.bluez.MediaControl1");
const QString KLX_Bluetooth::iface_BLUEALSA_PCM1 = QStringLiteral("org.bluealsa.PCM1");
const QString KLX_Bluetooth::kReportSocket = QStringLiteral("/tmp/alsaloop_socket");

namespace {
constexpr int kOk = 1;
constexpr int kScanStartFailed = -70051;
constexpr int kScanStopFailed = -70052;
constexpr int kRemoveFailed = -70053;
constexpr int kConnectFailed = -70054;
constexpr int kMaxDevicesReached = -70055;
constexpr quint16 kGlassesCompany = 0xDAFA;
// Minor classes of an Audio/Video device that carry audio to the pilot:
// wearable headset, hands-free, loudspeaker, headphones.
constexpr int kAudioMinors[4][6] = {{1, 0, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 0}, {1, 0, 1, 0, 0, 0}, {0, 1, 1, 0, 0, 0}};

// An object added or removed whole carries the two standard interfaces and
// its own; BlueZ lists them in an order of its own, and a device may carry
// more (a headset's battery or media control). An interface dropped from a
// living object (media control at a disconnect) comes without the standard
// two, and the object stays.
bool Carries(const QStringList& interfaces, const QStringList& row) {
  for (const QString& name : row)
    if (!interfaces.contains(name)) return false;
  return true;
}
}  // namespace

namespace {
// The socket's folder, where the desktop's root may not have it yet.
QString ReportSocketPath() {
  const QString path = KLX_FileNameHandler::KLX_FileNameHandlerMapPath(KLX_Bluetooth::kReportSocket);
  QDir().mkpath(QFileInfo(path).absolutePath());
  return path;
}
}  // namespace

KLX_Bluetooth::KLX_Bluetooth(QObject* parent) : QObject(parent), m_Gather(ReportSocketPath()) {
  m_AudioSinkUuid = QStringLiteral("0000110b-0000-1000-8000-00805f9b34fb");
  m_TransportList = QStringList{iface_Properties, iface_Introspect, iface_MediaTransport1};
  m_ControlList = QStringList{iface_Properties, iface_Introspect, iface_MediaControl1};
  m_DeviceList = QStringList{iface_Properties, iface_Introspect, iface_Device1};
  m_Removal.insert(m_DeviceList, &KLX_Bluetooth::onRemoved_Device1);
  m_Removal.insert(m_TransportList, &KLX_Bluetooth::onRemoved_MediaTransport1);
  m_Removal.insert(m_ControlList, &KLX_Bluetooth::onRemoved_MediaControl1);

  QDBusConnection bus = QDBusConnection::systemBus();
  m_Adapter = new (std::nothrow) QDBusInterface(org_bluez, hci0_path, iface_Adapter1, bus, this);
  bus.connect(org_bluez, root_node, ObjManager, QStringLiteral("InterfacesRemoved"), this,
              SLOT(interfaceRemoved(QDBusObjectPath, QStringList)));
  bus.connect(org_bluez, root_node, ObjManager, QStringLiteral("InterfacesAdded"), this,
              SLOT(interfaceAdded(QDBusObjectPath, InterfaceList)));
  bus.connect(org_bluealsa, path_bluealsa, ObjManager, QStringLiteral("InterfacesRemoved"), this,
              SLOT(ifaceBlueAlsaRemoved(QDBusObjectPath, QStringList)));
  bus.connect(org_bluealsa, path_bluealsa, ObjManager, QStringLiteral("InterfacesAdded"), this,
              SLOT(ifaceBlueAlsaAdded(QDBusObjectPath, InterfaceList)));

  connect(&m_Gather, &AlsaLoopGather::bluealsaDeviceUnderrun, this, &KLX_Bluetooth::bluealsaUnderrun);
  connect(&m_Gather, &AlsaLoopGather::bluealsaDeviceOverrun, this, &KLX_Bluetooth::bluealsaOverrun);
  connect(this, &KLX_Bluetooth::searchForKnownDevice_sig, this, &KLX_Bluetooth::searchForKnownDevice_slot);
}

KLX_Bluetooth::~KLX_Bluetooth() {
  qDeleteAll(m_Guards);
  m_Guards.clear();
  delete m_Glasses;
  m_Glasses = nullptr;
}

void KLX_Bluetooth::SetPeriods(int decayMs, int recoveryMs, int searchMs) {
  m_DecayMs = decayMs;
  m_RecoveryMs = recoveryMs;
  m_SearchMs = searchMs;
}

// ---- device counter ---------------------------------------------------------------------------

void KLX_Bluetooth::setDevCount(int n) { m_DevCount = n < 0 ? 0 : qMin(n, m_MaxDevices); }
void KLX_Bluetooth::incDevCount() {
  if (m_DevCount < m_MaxDevices) ++m_DevCount;
}
void KLX_Bluetooth::decDevCount() {
  if (m_DevCount > 0) --m_DevCount;
}

// ---- adapter ----------------------------------------------------------------------------------

bool KLX_Bluetooth::powerStatus() {
  return getBtProperty(hci0_path, iface_Adapter1, QStringLiteral("Powered")).toBool();
}

bool KLX_Bluetooth::powerON() {
  if (powerStatus()) return true;
  setBtProperty(hci0_path, iface_Adapter1, QStringLiteral("Powered"), true);
  if (m_Db) emit searchForKnownDevice_sig(m_Db->KLX_DataBaseManagerGetLastUsedBLEDevice());
  return true;
}

bool KLX_Bluetooth::powerOFF() {
  if (powerStatus()) setBtProperty(hci0_path, iface_Adapter1, QStringLiteral("Powered"), false);
  return true;
}

void KLX_Bluetooth::Discovery(const QString& what, int failure) {
  if (!m_Adapter) {
    emit sendResult(failure);
    return;
  }
  const QDBusMessage reply = m_Adapter->call(what + QStringLiteral("Discovery"));
  if (reply.type() == QDBusMessage::ErrorMessage) {
    qWarning().noquote() << "Failed do DISCOVERY: " + reply.errorName() + " " + reply.errorMessage();
    emit sendResult(failure);
  }
}

void KLX_Bluetooth::scanStart() { Discovery(QStringLiteral("Start"), kScanStartFailed); }
void KLX_Bluetooth::scanStop() { Discovery(QStringLiteral("Stop"), kScanStopFailed); }

// ---- recognition ------------------------------------------------------------------------------

bool KLX_Bluetooth::isDeviceBTHeadset(const InterfaceList& interfaces) const {
  if (!interfaces.contains(iface_Device1)) return false;
  const QVariantMap props = interfaces.value(iface_Device1);
  if (!props.contains(QStringLiteral("Class"))) return false;
  const bool sink = props.value(QStringLiteral("UUIDs")).toStringList().contains(m_AudioSinkUuid);
  const quint32 cod = props.value(QStringLiteral("Class")).toUInt();
  if (!isMajorClass_AUDIOVIDEO(cod)) return sink;
  for (const auto& row : kAudioMinors)
    if (isMinorValidFor_AUDIOVIDEO(cod, row)) return true;
  return false;
}

bool KLX_Bluetooth::isDeviceBTGlasses(const QString& path, const InterfaceList& interfaces) const {
  if (!interfaces.contains(iface_Device1)) {
    qCDebug(lcVornDebug) << "GLASSES_CHECK: no device";
    return false;
  }
  const QVariantMap props = interfaces.value(iface_Device1);
  if (props.value(QStringLiteral("Address")).toString().isEmpty()) {
    qCDebug(lcVornDebug) << "GLASSES_CHECK: no address";
    return false;
  }
  if (props.contains(QStringLiteral("ManufacturerData"))) {
    const QVariant value = getBtProperty(path, iface_Device1, QStringLiteral("ManufacturerData"));
    if (!value.isValid()) {
      qCDebug(lcVornDebug) << "GLASSES_CHECK: manufacturer data unreadable";
      return false;
    }
    QMap<quint16, QDBusVariant> data;
    if (value.canConvert<QDBusArgument>()) value.value<QDBusArgument>() >> data;
    if (!data.contains(kGlassesCompany)) {
      qCDebug(lcVornDebug) << "GLASSES_CHECK: not the glasses' maker";
      return false;
    }
    const QByteArray bytes = data.value(kGlassesCompany).variant().toByteArray();
    if (bytes.size() < 2 || (quint8(bytes.at(0)) != 0x08 && quint8(bytes.at(1)) != 0xF2)) {
      qCDebug(lcVornDebug) << "GLASSES_CHECK: manufacturer bytes do not match";
      return false;
    }
  }
  if (!props.contains(QStringLiteral("UUIDs"))) {
    qCDebug(lcVornDebug) << "GLASSES_CHECK: no UUIDs";
    return false;
  }
  if (!props.value(QStringLiteral("UUIDs")).toStringList().contains(ActiveLookGlasses::FWU_Service)) {
    qCDebug(lcVornDebug) << "GLASSES_CHECK: no glasses service";
    return false;
  }
  qCDebug(lcVornDebug) << "SUCCESS(GLASSES_CHECK): found ActiveLook device!";
  return true;
}

// ---- device list ------------------------------------------------------------------------------

QStringList KLX_Bluetooth::getDevicesList() {
  QStringList list;
  const SelectedObjects devices = selectFromManagedObjects(QString());
  for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
    if (!isDeviceBTHeadset(it.value()) && !isDeviceBTGlasses(it.key(), it.value())) continue;
    const auto nameAddress = getNameAddress(it.value().value(iface_Device1));
    list << nameAddress.first + "," + nameAddress.second;
  }
  setDevCount(list.size());
  return list;
}

// ---- objects added and removed ----------------------------------------------------------------

void KLX_Bluetooth::btDeviceAdd(const InterfaceList& interfaces) {
  const auto nameAddress = getNameAddress(interfaces.value(iface_Device1));
  if (!nameAddress.first.isEmpty() && !nameAddress.second.isEmpty())
    emit btNewDevice(nameAddress.first, nameAddress.second);
}

void KLX_Bluetooth::interfaceAdded(QDBusObjectPath path, InterfaceList iList) {
  const QString text = path.path();
  const QString mac = getMAC(text, QStringLiteral("_"), QStringLiteral(":"));
  if (mac.isEmpty()) return;
  const QStringList interfaces = iList.keys();
  if (Carries(interfaces, m_DeviceList)) {
    if (isDeviceBTHeadset(iList)) {
      btDeviceAdd(iList);
    } else if (isDeviceBTGlasses(text, iList)) {
      btDeviceAdd(iList);
      createActiveLookGlasses(text);
    }
    return;
  }
  if (Carries(interfaces, m_TransportList) && text.contains(QLatin1String("/fd"), Qt::CaseInsensitive))
    activeAudioDeviceMacHandler(mac, On);
}

void KLX_Bluetooth::activeAudioDeviceMacHandler(const QString& mac, State state) {
  if (state == On) {
    if (!m_ActiveAudioDevice.isEmpty()) return;
    m_ActiveAudioDevice = mac;
    emit btA2DP_DeviceON(mac);
    return;
  }
  if (mac != m_ActiveAudioDevice) return;
  m_ActiveAudioDevice.clear();
  emit btA2DP_DeviceOFF(mac);
}

void KLX_Bluetooth::interfaceRemoved(QDBusObjectPath path, QStringList iList) {
  // One row at most: a device removed with its media control is one removal.
  auto handler = m_Removal.constBegin();
  while (handler != m_Removal.constEnd() && !Carries(iList, handler.key())) ++handler;
  if (handler == m_Removal.constEnd()) return;
  const QString mac = getMAC(path.path(), QStringLiteral("_"), QStringLiteral(":"));
  if (mac.isEmpty()) return;
  (this->*handler.value())(mac);
}

void KLX_Bluetooth::onRemoved_Device1(const QString& mac) {
  if (m_Glasses && mac == getMAC(m_Glasses->devicePath(), QStringLiteral("_"), QStringLiteral(":")))
    deleteActiveLookGlasses();
  emit btDelDevice(mac);
}

void KLX_Bluetooth::onRemoved_MediaControl1(const QString& mac) { onRemoved_Device1(mac); }

void KLX_Bluetooth::onRemoved_MediaTransport1(const QString& mac) { activeAudioDeviceMacHandler(mac, Off); }

// ---- glasses ----------------------------------------------------------------------------------

void KLX_Bluetooth::createActiveLookGlasses(const QString& path) {
  if (m_Glasses) return;
  m_Glasses = new (std::nothrow) ActiveLookGlasses(path);
  if (!m_Glasses) return;
  if (m_Db && m_Db->KLX_HeadupPtr())
    connect(m_Db->KLX_HeadupPtr(), &KLX_HeadupWindow::freshHeadupData, this, &KLX_Bluetooth::onHeadupFreshData);
  connect(m_Glasses, &QBLEDevice::deviceDisconnected, this, &KLX_Bluetooth::btA2DP_DeviceOFF);
  connect(m_Glasses, &QBLEDevice::deviceConnected, this, &KLX_Bluetooth::btA2DP_DeviceON);
  connect(m_Glasses, &QBLEDevice::deviceConnected, this, &KLX_Bluetooth::btSafeBLEDevice);
  connect(m_Glasses, &QBLEDevice::glassesOutputReady, this, &KLX_Bluetooth::onGlassesOuputReady);
  connect(m_Glasses, &QBLEDevice::deviceReconnectRequest, this, &KLX_Bluetooth::searchForKnownDevice_sig);
}

void KLX_Bluetooth::deleteActiveLookGlasses() {
  if (m_Db && m_Db->KLX_HeadupPtr())
    disconnect(m_Db->KLX_HeadupPtr(), &KLX_HeadupWindow::freshHeadupData, this, &KLX_Bluetooth::onHeadupFreshData);
  m_Glasses->disconnect(this);
  delete m_Glasses;
  m_Glasses = nullptr;
}

void KLX_Bluetooth::btSafeBLEDevice(QString macAddr) {
  if (m_Db) m_Db->SetAndSearchLastUsedBLEDevice(macAddr, false);
}

void KLX_Bluetooth::onGlassesOuputReady() {
  if (!m_Glasses) {
    qCDebug(lcVornDebug) << "GLASSES NOT SET";
    return;
  }
  if (!isBtDeviceConnected(getMAC(m_Glasses->devicePath(), QStringLiteral("_"), QStringLiteral(":")))) {
    qCDebug(lcVornDebug) << "BtDevice not connected";
    return;
  }
  m_Glasses->prepareHeadupScreen();
}

void KLX_Bluetooth::onHeadupFreshData(HeadupWindowData list) {
  if (m_Glasses) m_Glasses->showHeadupWindow(list);
}

// ---- connect, search, remove ------------------------------------------------------------------

void KLX_Bluetooth::connectDev(QString mac) {
  // A reconnect a guard asked for is answered to the guards whichever way it ends.
  const auto answerGuard = [this, &mac](bool res) {
    if (m_GuardReconnects.removeOne(mac)) emit reconnectDeviceReply(res);
  };
  if (isBtDeviceConnected(mac)) {
    emit sendResult(kOk);
    answerGuard(true);
    return;
  }
  if (!isConnectAllowed()) {
    emit sendResult(kMaxDevicesReached);
    answerGuard(false);
    return;
  }
  bool glassesConnect = false;
  const SelectedObjects device = selectFromManagedObjects(mac);
  for (auto it = device.cbegin(); it != device.cend(); ++it) {
    if (!isDeviceBTGlasses(it.key(), it.value())) continue;
    createActiveLookGlasses(it.key());
    glassesConnect = true;
  }
  setBtProperty(getObjectPath(mac), iface_Device1, QStringLiteral("Trusted"), true);
  const QDBusPendingCall call = QDBusConnection::systemBus().asyncCall(
      QDBusMessage::createMethodCall(org_bluez, getObjectPath(mac), iface_Device1, QStringLiteral("Connect")));
  auto* watcher = new DBusBTAsyncWatcher(glassesConnect, call, this);
  watcher->setProperty("mac", mac);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, &KLX_Bluetooth::handleReply);
}

void KLX_Bluetooth::handleReply(QDBusPendingCallWatcher* watcher) {
  auto* own = qobject_cast<DBusBTAsyncWatcher*>(watcher);
  if (!own) {
    qWarning() << "CALLWATCHER NULL";
    return;
  }
  const QString mac = own->property("mac").toString();
  const bool forGuard = m_GuardReconnects.removeOne(mac);
  const QDBusPendingReply<> reply = *own;
  bool searchAgain = true;
  if (!reply.isError()) {
    incDevCount();
    emit sendResult(kOk);
    if (own->flag()) {
      if (m_Glasses) emit m_Glasses->glassesOutputReady();
      searchAgain = false;
    }
  } else {
    const QDBusError error = reply.error();
    qWarning().noquote() << "Unable to connect IFACE:" << error.name() << error.message();
    if (error.type() == QDBusError::Other || error.type() == QDBusError::UnknownObject) {
      if (error.message().contains(QLatin1String("Operation already in progress")))
        qCDebug(lcVornDebug) << "Connect already in progress";
    } else {
      emit sendResult(kConnectFailed);
    }
  }
  if (forGuard) emit reconnectDeviceReply(!reply.isError());
  if (searchAgain && m_Db) {
    const QString last = m_Db->KLX_DataBaseManagerGetLastUsedBLEDevice();
    if (!last.isEmpty()) emit searchForKnownDevice_sig(last);
  }
  own->deleteLater();
}

void KLX_Bluetooth::searchForKnownDevice_slot(QString macAddr) {
  if (!powerStatus()) {
    qCDebug(lcVornDebug) << "PowerOFF";
    return;
  }
  if (macAddr.isEmpty()) {
    qWarning() << "MAC-Address is empty";
    return;
  }
  QTimer::singleShot(m_SearchMs, this, [this, macAddr] { connectDev(macAddr); });
}

bool KLX_Bluetooth::removeDev(QString mac) {
  if (!m_Adapter) {
    emit sendResult(kRemoveFailed);
    return false;
  }
  const QDBusMessage reply =
      m_Adapter->call(QStringLiteral("RemoveDevice"), QVariant::fromValue(QDBusObjectPath(getObjectPath(mac))));
  if (reply.type() == QDBusMessage::ErrorMessage) {
    qWarning().noquote() << "Unable to remove IFACE:" << reply.errorName() << reply.errorMessage();
    emit sendResult(kRemoveFailed);
    return false;
  }
  decDevCount();
  return true;
}

// ---- audio supervision ------------------------------------------------------------------------

void KLX_Bluetooth::ifaceBlueAlsaAdded(QDBusObjectPath path, InterfaceList) {
  const QString text = path.path();
  if (!text.contains(QLatin1String("/a2dpsrc/sink")) || m_Guards.contains(text)) return;
  auto* guard = new Guard(text, nullptr, m_DecayMs, m_RecoveryMs);
  connect(guard, &Guard::emergencyDisconnect, this, &KLX_Bluetooth::onEmergencyDisconnect);
  connect(guard, &Guard::reconnectDeviceRequest, this, &KLX_Bluetooth::onReconnectDeviceRequest);
  connect(guard, &Guard::destroyGuard, this, &KLX_Bluetooth::onDestroyGuard);
  connect(this, &KLX_Bluetooth::reconnectDeviceReply, guard, &Guard::onReconnectDeviceReply);
  m_Guards.insert(text, guard);
}

void KLX_Bluetooth::ifaceBlueAlsaRemoved(QDBusObjectPath path, QStringList) {
  Guard* guard = m_Guards.value(path.path(), nullptr);
  if (!guard) return;
  switch (guard->getStatus()) {
    case Guard::Normal:
      qCDebug(lcVornDebug) << "BLUEALSA_EXIT_OK!";
      m_Guards.remove(path.path());
      delete guard;
      break;
    case Guard::Emergency:
      qCDebug(lcVornDebug) << "BLUEALSA_EXIT_EMERGENCY!";
      guard->startRecovery();
      break;
    default:
      break;
  }
}

void KLX_Bluetooth::bluealsaUnderrun(QString macAddr) {
  Guard* guard = m_Guards.value(getBlueAlsaObjectPath(macAddr), nullptr);
  if (guard) guard->updateUnderrun();
}

void KLX_Bluetooth::bluealsaOverrun() {
  // A guard that trips disconnects every headset; the table stays as it is
  // until bluealsa reports the PCMs gone.
  const QList<Guard*> guards = m_Guards.values();
  for (Guard* guard : guards) guard->updateOverrun();
}

void KLX_Bluetooth::onEmergencyDisconnect(QString macAddr) {
  if (!macAddr.isEmpty()) {
    doBtDeviceDisconnect(getObjectPath(macAddr));
    return;
  }
  const QList<Guard*> guards = m_Guards.values();
  for (Guard* guard : guards) doBtDeviceDisconnect(getObjectPath(guard->getMacAddr()));
}

void KLX_Bluetooth::doBtDeviceDisconnect(QString devicePath) {
  if (devicePath.isEmpty()) return;
  QDBusInterface dev(org_bluez, devicePath, iface_Device1, QDBusConnection::systemBus());
  const QDBusMessage reply = dev.call(QStringLiteral("Disconnect"));
  if (reply.type() == QDBusMessage::ErrorMessage) {
    qWarning().noquote() << "Unable to disconnect IFACE:" << reply.errorName() << reply.errorMessage();
    return;
  }
  decDevCount();
}

void KLX_Bluetooth::onReconnectDeviceRequest(QString mac) {
  m_GuardReconnects << mac;
  connectDev(mac);
}

void KLX_Bluetooth::onDestroyGuard(QString obj_path) {
  Guard* guard = m_Guards.take(obj_path);
  // Asked for from inside the guard's own slot.
  if (guard) guard->deleteLater();
}
