#include "sim/csimbluez.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QFileInfo>

#include <atomic>

const QString CSimBluez::kHeadsetMac = QStringLiteral("00:1A:7D:DA:71:13");
const QString CSimBluez::kGlassesMac = QStringLiteral("C4:4F:33:5E:21:07");

namespace {
const QString kFakeBus = QStringLiteral("org.bluez");
const QString kFakePath = QStringLiteral("/vorn");
const QString kFakeIface = QStringLiteral("org.vorn.FakeBluez");
// python3-dbus belongs to the system's interpreter.
const QString kPython = QStringLiteral("/usr/bin/python3");

QString Script(const QString& name) { return QStringLiteral(VORN_SIM_BLUEZ_DIR) + "/" + name; }

// The process's one bus: started on first use, ended with the process.
struct PrivateBus {
  QProcess daemon;
  QString address;
  PrivateBus() {
    daemon.setProgram(QStringLiteral("dbus-daemon"));
    daemon.setArguments({"--config-file=" + Script(QStringLiteral("bus.conf")), QStringLiteral("--address=unix:tmpdir=/tmp"),
                         QStringLiteral("--print-address"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                         QStringLiteral("--nosyslog")});
    daemon.setProcessChannelMode(QProcess::SeparateChannels);
    daemon.start();
    if (!daemon.waitForStarted(5000)) return;
    QElapsedTimer t;
    t.start();
    while (!daemon.canReadLine() && t.elapsed() < 5000) daemon.waitForReadyRead(100);
    address = QString::fromLatin1(daemon.readLine()).trimmed();
    // Qt D-Bus takes the system bus from here; the program reads nothing itself.
    if (!address.isEmpty()) qputenv("DBUS_SYSTEM_BUS_ADDRESS", address.toLatin1());
  }
  ~PrivateBus() {
    daemon.terminate();
    if (!daemon.waitForFinished(2000)) daemon.kill();
    daemon.waitForFinished(1000);
  }
};

PrivateBus& Bus() {
  static PrivateBus bus;
  return bus;
}

std::atomic<int> g_Connections{0};
}  // namespace

QString CSimBluez::BusAddress() { return Bus().address; }

QString CSimBluez::Headset(const QString& name) {
  // Class 0x240404: major Audio/Video, minor wearable headset.
  return QStringLiteral(R"({"kind":"headset","name":"%1","class":2360324,)"
                        R"("uuids":["0000110b-0000-1000-8000-00805f9b34fb","0000111e-0000-1000-8000-00805f9b34fb"]})")
      .arg(name);
}

QString CSimBluez::Glasses(const QString& name) {
  return QStringLiteral(R"({"kind":"glasses","name":"%1","manufacturer":{"56058":[8,0,1,2]},)"
                        R"("uuids":["0000fef5-0000-1000-8000-00805f9b34fb","0783b03e-8535-b5a0-7140-a304d2495cb7"]})")
      .arg(name);
}

CSimBluez::CSimBluez(const QStringList& devices, Introspection introspection)
    : m_Control(QDBusConnection::connectToBus(BusAddress(),
                                              QStringLiteral("vorn-sim-bluez-%1").arg(g_Connections++))) {
  if (BusAddress().isEmpty() || !QFileInfo::exists(kPython)) return;
  m_Fake.setProgram(kPython);
  QStringList arguments{Script(QStringLiteral("fake_bluez.py")), BusAddress()};
  if (introspection == Loose) arguments << QStringLiteral("--loose");
  m_Fake.setArguments(arguments + devices);
  m_Fake.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  m_Fake.start();
  if (!m_Fake.waitForStarted(5000)) return;
  QElapsedTimer t;
  t.start();
  while (!m_Fake.canReadLine() && t.elapsed() < 10000) m_Fake.waitForReadyRead(100);
  m_Ok = m_Fake.readLine().trimmed() == "ready" && m_Control.isConnected();
}

CSimBluez::~CSimBluez() {
  const QString name = m_Control.name();
  if (m_Fake.state() != QProcess::NotRunning) {
    m_Fake.terminate();
    if (!m_Fake.waitForFinished(3000)) m_Fake.kill();
    m_Fake.waitForFinished(1000);
  }
  QDBusConnection::disconnectFromBus(name);
}

bool CSimBluez::Call(const QString& method, const QVariantList& args, QVariant* result) {
  QDBusMessage call = QDBusMessage::createMethodCall(kFakeBus, kFakePath, kFakeIface, method);
  call.setArguments(args);
  const QDBusMessage reply = m_Control.call(call);
  if (reply.type() != QDBusMessage::ReplyMessage) return false;
  if (result && !reply.arguments().isEmpty()) *result = reply.arguments().first();
  return true;
}

bool CSimBluez::AddDevice(const QString& mac, const QString& description) {
  return Call(QStringLiteral("AddDevice"), {mac, description});
}
bool CSimBluez::AddDiscoverable(const QString& mac, const QString& description) {
  return Call(QStringLiteral("AddDiscoverable"), {mac, description});
}
bool CSimBluez::RemoveDevice(const QString& mac) { return Call(QStringLiteral("RemoveDevice"), {mac}); }
bool CSimBluez::ChangeDevice(const QString& mac, const QString& changesJson) {
  return Call(QStringLiteral("ChangeDevice"), {mac, changesJson});
}
bool CSimBluez::ComeUp(const QString& mac) { return Call(QStringLiteral("ComeUp"), {mac}); }
bool CSimBluez::GoDown(const QString& mac) { return Call(QStringLiteral("GoDown"), {mac}); }
bool CSimBluez::SetError(const QString& method, const QString& name, const QString& message) {
  return Call(QStringLiteral("SetError"), {method, name, message});
}
bool CSimBluez::SetDelay(const QString& method, int ms) { return Call(QStringLiteral("SetDelay"), {method, ms}); }
bool CSimBluez::Clear() { return Call(QStringLiteral("Clear"), {}); }

QList<QByteArray> CSimBluez::Frames() {
  QVariant v;
  QList<QByteArray> frames;
  if (!Call(QStringLiteral("Frames"), {}, &v)) return frames;
  const QDBusArgument arg = v.value<QDBusArgument>();
  arg.beginArray();
  while (!arg.atEnd()) {
    QByteArray frame;
    arg >> frame;
    frames << frame;
  }
  arg.endArray();
  return frames;
}

int CSimBluez::FrameCount() {
  QVariant v;
  return Call(QStringLiteral("FrameCount"), {}, &v) ? v.toInt() : -1;
}

QStringList CSimBluez::Calls() {
  QVariant v;
  return Call(QStringLiteral("Calls"), {}, &v) ? v.toStringList() : QStringList();
}

bool CSimBluez::Powered() {
  QVariant v;
  return Call(QStringLiteral("Powered"), {}, &v) && v.toBool();
}
