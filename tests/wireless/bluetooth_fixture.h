#pragma once
// The Bluetooth manager as the facade holds it, beside the scripted BlueZ
// and bluealsa on the private bus (CSimBluez): the bus and the fake come
// first, so that the manager's first look at its system bus finds them.
#include <QtTest>

#include <QLocalSocket>

#include "sim/csimbluez.h"
#include "vorn_fixture.h"
#include "wireless/activelookglasses.h"
#include "wireless/guard.h"
#include "wireless/klx_bluetooth.h"

namespace wireless {

struct BluezFirst {
  BluezFirst(const QStringList& devices, CSimBluez::Introspection introspection) : bluez(devices, introspection) {}
  CSimBluez bluez;
};

// The manager's signals as QML gets them, one line each: "result 1",
// "new Pilot Headset 00:1A:..", "del ..", "on ..", "off ..".
class BtSignals : public QObject {
 public:
  explicit BtSignals(KLX_Bluetooth* bt) {
    connect(bt, &KLX_Bluetooth::sendResult, this, [this](int r) { m_Lines << QStringLiteral("result %1").arg(r); });
    connect(bt, &KLX_Bluetooth::btNewDevice, this,
            [this](const QString& n, const QString& m) { m_Lines << "new " + n + " " + m; });
    connect(bt, &KLX_Bluetooth::btDelDevice, this, [this](const QString& m) { m_Lines << "del " + m; });
    connect(bt, &KLX_Bluetooth::btA2DP_DeviceON, this, [this](const QString& m) { m_Lines << "on " + m; });
    connect(bt, &KLX_Bluetooth::btA2DP_DeviceOFF, this, [this](const QString& m) { m_Lines << "off " + m; });
  }
  // Waits until the line has come (bus signals arrive through the event loop).
  bool WaitFor(const QString& line, int ms = 5000) {
    return QTest::qWaitFor([&] { return m_Lines.contains(line); }, ms);
  }
  QStringList Take() {
    QCoreApplication::processEvents();
    const QStringList lines = m_Lines;
    m_Lines.clear();
    return lines;
  }

 private:
  QStringList m_Lines;
};

class BtFixture : public BluezFirst, public VornFixture {
 public:
  explicit BtFixture(const QStringList& devices = {}, CSimBluez::Introspection introspection = CSimBluez::Typed)
      : BluezFirst(devices, introspection), bt(*db.KLX_DatabaseManagerBTConnPointer()), heard(&bt) {}

  KLX_Bluetooth& bt;
  BtSignals heard;

  // The facade up with the adapter switched on.
  bool UpAndOn() { return VornFixture::Up() == KLX_Ok && db.KLX_DataBaseManagerBTTurnON() == KLX_Ok && bluez.Powered(); }
  // Connected as the screen connects: sendResult(1) and the device's own
  // signal ("on <mac>").
  bool Connect(const QString& mac) {
    db.connectDev(mac);
    return heard.WaitFor(QStringLiteral("result 1")) && heard.WaitFor("on " + mac);
  }
  // One report of the audio-loop process: one connection, one write.
  bool Report(const QByteArray& text) {
    QLocalSocket s;
    s.connectToServer(root.Path() + KLX_Bluetooth::kReportSocket);
    if (!s.waitForConnected(kVornHangMs)) return false;
    s.write(text);
    const bool written = s.waitForBytesWritten(kVornHangMs);
    s.disconnectFromServer();
    QTest::qWait(20);
    return written;
  }
  Guard* GuardOf(const QString& mac) { return bt.guards().value(getBlueAlsaObjectPath(mac), nullptr); }
};

}  // namespace wireless
