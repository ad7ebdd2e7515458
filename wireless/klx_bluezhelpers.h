#pragma once
// What every Bluetooth part shares: BlueZ's object tree as D-Bus containers,
// object paths and MAC addresses, the Class of Device tests, the selection of
// device objects and the connected test. All of it runs on the main thread
// and keeps no state; the bus names are the manager's static members.
#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QMap>
#include <QMetaType>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

// Interface name to that interface's properties (a{sa{sv}}): one object of
// "InterfacesAdded".
using InterfaceList = QMap<QString, QVariantMap>;
// Object path to its interfaces (a{oa{sa{sv}}}): the reply of "GetManagedObjects".
using ManagedObjectList = QMap<QDBusObjectPath, InterfaceList>;
// Selected objects by path text, in path order.
using SelectedObjects = QMap<QString, InterfaceList>;

Q_DECLARE_METATYPE(InterfaceList)
Q_DECLARE_METATYPE(ManagedObjectList)

QString getObjectPath(const QString& mac);
QString getBlueAlsaObjectPath(const QString& mac);
// The first MAC address in text (six hexadecimal pairs joined by `found`),
// written with `wanted`; empty when there is none.
QString getMAC(const QString& text, const QString& found, const QString& wanted);
// (display name, address): "Name", else "Alias", else the address.
QPair<QString, QString> getNameAddress(const QVariantMap& properties);
bool isMajorClass_AUDIOVIDEO(quint32 classOfDevice);
// Bits 2 to 7 of the class equal the row (bit 2 first).
bool isMinorValidFor_AUDIOVIDEO(quint32 classOfDevice, const int (&row)[6]);
// The objects BlueZ manages whose path holds a string of `include`, none of
// `exclude`, and (unless empty) the interface.
SelectedObjects selectIListsFromManagedObjects(const QStringList& include, const QStringList& exclude,
                                               const QString& interface);
// The device objects of the adapter (all, or the one of mac), without sub-objects.
SelectedObjects selectFromManagedObjects(const QString& mac);
bool isBtDeviceConnected(const QString& mac);

// A property of a BlueZ object, read and written with the Properties
// interface's own Get and Set (synchronous), never through what the object's
// introspection data says of it: a property that data types loosely or
// leaves out is still read and written. An error reply gives an invalid
// value, or false.
QVariant getBtProperty(const QString& path, const QString& interface, const QString& name);
bool setBtProperty(const QString& path, const QString& interface, const QString& name, const QVariant& value);

// A pending call that carries one flag back to its finisher (the manager
// marks a connect of the head-up glasses with it).
class DBusBTAsyncWatcher : public QDBusPendingCallWatcher {
  Q_OBJECT
 public:
  DBusBTAsyncWatcher(bool flag, const QDBusPendingCall& call, QObject* parent = nullptr)
      : QDBusPendingCallWatcher(call, parent), m_Flag(flag) {}
  bool flag() const { return m_Flag; }

 private:
  bool m_Flag;
};
