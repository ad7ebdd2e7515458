#pragma once
// The Bluetooth world around the board: a private dbus-daemon that stands in
// for the system bus, and the scripted BlueZ and bluealsa on it
// (sim/bluez/fake_bluez.py, python3-dbus). The bus is started once per
// process and named to Qt D-Bus as the system bus (the address Qt reads);
// each CSimBluez starts a fresh fake on it and stops it when it goes.
//
//   CSimBluez bt;                                  // before the facade exists
//   bt.AddDevice(CSimBluez::kHeadsetMac, CSimBluez::Headset());
//   ... the program connects ...
//   QCOMPARE(bt.Frames().size(), 4);
#include <QByteArray>
#include <QDBusConnection>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

class CSimBluez {
 public:
  static const QString kHeadsetMac;
  static const QString kGlassesMac;
  // Device descriptions (JSON) of the fake: a stereo headset (Audio/Video,
  // wearable headset, AudioSink) and ActiveLook glasses (maker 0xDAFA,
  // the firmware-update UUID, the command service).
  static QString Headset(const QString& name = QStringLiteral("Pilot Headset"));
  static QString Glasses(const QString& name = QStringLiteral("ActiveLook"));

  // How the fake's introspection data types properties: as they are, or
  // loosely (the adapter's left out, the others as variants), as some
  // services do; their Get and Set answer alike.
  enum Introspection { Typed, Loose };

  // Starts the bus if this process has none yet, and a fresh fake with
  // these devices ("mac=json"); Ok() tells whether both run.
  explicit CSimBluez(const QStringList& devices = {}, Introspection introspection = Typed);
  ~CSimBluez();
  CSimBluez(const CSimBluez&) = delete;
  CSimBluez& operator=(const CSimBluez&) = delete;

  bool Ok() const { return m_Ok; }
  static QString BusAddress();

  // The control interface of the fake (see fake_bluez.py).
  bool AddDevice(const QString& mac, const QString& description);
  bool AddDiscoverable(const QString& mac, const QString& description);
  bool RemoveDevice(const QString& mac);
  bool ChangeDevice(const QString& mac, const QString& changesJson);
  bool ComeUp(const QString& mac);
  bool GoDown(const QString& mac);
  bool SetError(const QString& method, const QString& name, const QString& message = QStringLiteral("Failed"));
  bool SetDelay(const QString& method, int ms);
  QList<QByteArray> Frames();
  int FrameCount();
  QStringList Calls();
  bool Clear();
  bool Powered();

 private:
  bool Call(const QString& method, const QVariantList& args, QVariant* result = nullptr);

  QProcess m_Fake;
  QDBusConnection m_Control;
  bool m_Ok = false;
};
