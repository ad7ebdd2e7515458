#include "wireless/klx_bluezhelpers.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QDebug>
#include <QRegularExpression>

#include "frame/klx_debuglog.h"
#include "wireless/klx_bluetooth.h"

namespace {
// Before any D-Bus traffic: signal arguments of these signatures reach slots
// declared with these types.
const int kRegistered = [] {
  qRegisterMetaType<InterfaceList>("InterfaceList");
  qRegisterMetaType<ManagedObjectList>("ManagedObjectList");
  qDBusRegisterMetaType<InterfaceList>();
  qDBusRegisterMetaType<ManagedObjectList>();
  return 0;
}();
}  // namespace

QString getObjectPath(const QString& mac) {
  QString tail = mac;
  return KLX_Bluetooth::devPattern + tail.replace(':', '_');
}

QString getBlueAlsaObjectPath(const QString& mac) {
  // bluealsa writes the address in upper case in its paths; a report line
  // may carry it in lower case.
  QString path = QStringLiteral("/org/bluealsa/hci0/dev_") + mac.toUpper() + QStringLiteral("/a2dpsrc/sink");
  return path.replace(':', '_');
}

QString getMAC(const QString& text, const QString& found, const QString& wanted) {
  const QString sep = QRegularExpression::escape(found);
  const QRegularExpression pattern(QStringLiteral("([0-9A-Fa-f]{2}[%1]){5}([0-9A-Fa-f]{2})").arg(sep));
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) {
    qCDebug(lcVornDebug).noquote() << "ERROR: Source string" << text << "does not have a substring with valid MAC address";
    return QString();
  }
  QString mac = match.captured(0);
  return mac.replace(found, wanted, Qt::CaseSensitive);
}

QPair<QString, QString> getNameAddress(const QVariantMap& properties) {
  const QString address = properties.value(QStringLiteral("Address")).toString();
  const QString name = properties.value(QStringLiteral("Name")).toString();
  const QString alias = properties.value(QStringLiteral("Alias")).toString();
  if (!name.isEmpty()) return {name, address};
  if (!alias.isEmpty()) return {alias, address};
  return {address, address};
}

bool isMajorClass_AUDIOVIDEO(quint32 classOfDevice) { return ((classOfDevice >> 8) & 0x1F) == 4; }

bool isMinorValidFor_AUDIOVIDEO(quint32 classOfDevice, const int (&row)[6]) {
  for (int bit = 0; bit < 6; ++bit)
    if (int((classOfDevice >> (2 + bit)) & 1) != row[bit]) return false;
  return true;
}

SelectedObjects selectIListsFromManagedObjects(const QStringList& include, const QStringList& exclude,
                                               const QString& interface) {
  SelectedObjects selected;
  QDBusInterface manager(KLX_Bluetooth::org_bluez, KLX_Bluetooth::root_node, KLX_Bluetooth::ObjManager,
                         QDBusConnection::systemBus());
  const QDBusReply<ManagedObjectList> reply = manager.call(QStringLiteral("GetManagedObjects"));
  if (!reply.isValid()) return selected;
  const ManagedObjectList objects = reply.value();
  for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
    const QString path = it.key().path();
    bool included = false;
    for (const QString& s : include) included = included || path.contains(s);
    if (!included) continue;
    bool excluded = false;
    for (const QString& s : exclude) excluded = excluded || path.contains(s);
    if (excluded) continue;
    if (!interface.isEmpty() && !it.value().contains(interface)) continue;
    selected.insert(path, it.value());
  }
  return selected;
}

SelectedObjects selectFromManagedObjects(const QString& mac) {
  const QString include = mac.isEmpty() ? KLX_Bluetooth::devPattern : getObjectPath(mac);
  return selectIListsFromManagedObjects({include},
                                        {QStringLiteral("/fd"), QStringLiteral("/service"), QStringLiteral("/char"),
                                         QStringLiteral("/desc")},
                                        KLX_Bluetooth::iface_Device1);
}

bool isBtDeviceConnected(const QString& mac) {
  return getBtProperty(getObjectPath(mac), KLX_Bluetooth::iface_Device1, QStringLiteral("Connected")).toBool();
}

namespace {
QDBusMessage PropertiesCall(const QString& path, const QString& method) {
  return QDBusMessage::createMethodCall(KLX_Bluetooth::org_bluez, path, KLX_Bluetooth::iface_Properties, method);
}
}  // namespace

QVariant getBtProperty(const QString& path, const QString& interface, const QString& name) {
  QDBusMessage call = PropertiesCall(path, QStringLiteral("Get"));
  call << interface << name;
  const QDBusReply<QDBusVariant> reply = QDBusConnection::systemBus().call(call);
  return reply.isValid() ? reply.value().variant() : QVariant();
}

bool setBtProperty(const QString& path, const QString& interface, const QString& name, const QVariant& value) {
  QDBusMessage call = PropertiesCall(path, QStringLiteral("Set"));
  call << interface << name << QVariant::fromValue(QDBusVariant(value));
  return QDBusConnection::systemBus().call(call).type() == QDBusMessage::ReplyMessage;
}
