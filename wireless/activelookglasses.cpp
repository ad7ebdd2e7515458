#include "wireless/activelookglasses.h"

#include <QDebug>
#include <QThread>

#include <new>

#include "frame/klx_debuglog.h"
#include "wireless/algoutput.h"
#include "wireless/klx_bluetooth.h"
#include "wireless/klx_bluezhelpers.h"

const QString ActiveLookGlasses::Commands_Server = QStringLiteral("0783b03e-8535-b5a0-7140-a304d2495cb7");
const QString ActiveLookGlasses::RX_Service = QStringLiteral("0783b03e-8535-b5a0-7140-a304d2495cba");
const QString ActiveLookGlasses::FWU_Service = QStringLiteral("0000fef5-0000-1000-8000-00805f9b34fb");

ActiveLookGlasses::ActiveLookGlasses(const QString& path, QObject* parent) : QBLEDevice(path, parent) {
  // Glasses that come back after a lost connection are set up again.
  connect(this, &QBLEDevice::deviceDisconnected, this, [this] { m_Prepared = false; });
}

void ActiveLookGlasses::OnServicesResolved(QVariantMap map) {
  QBLEDevice::OnServicesResolved(map);
  for (const QString& wanted : {Commands_Server}) {
    if (!m_Uuids.contains(wanted, Qt::CaseInsensitive)) continue;
    const SelectedObjects objects = selectIListsFromManagedObjects(
        {QStringLiteral("/service")}, {QStringLiteral("/char"), QStringLiteral("/desc")},
        KLX_Bluetooth::iface_GattService1);
    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
      if (it.value().value(KLX_Bluetooth::iface_GattService1).value(QStringLiteral("UUID")).toString() != wanted)
        continue;
      auto* service = new (std::nothrow) QBLEService(wanted, it.key());
      if (service) addService(wanted, service);
      break;
    }
  }
  if (m_Services.contains(Commands_Server)) emit glassesOutputReady();
}

void ActiveLookGlasses::prepareHeadupScreen() {
  qCDebug(lcVornDebug) << "Start preparing HeadupScreen";
  QBLEService* commands = service(Commands_Server);
  if (!commands || m_Prepared) return;
  m_Prepared = true;
  static const QByteArray frames[] = {
      QByteArray::fromHex("FF010005AA"),
      QByteArray::fromHex("FF09000900000000AA"),
      QByteArray::fromHex("FF20000601AA"),
      QByteArray::fromHex("FF1000060FAA"),
  };
  for (const QByteArray& frame : frames) commands->writeValue(RX_Service, frame);
}

void ActiveLookGlasses::showHeadupWindow(const HeadupWindowData& rows) {
  const QSharedPointer<QBLEService> commands = sharedService(Commands_Server);
  if (!commands) return;
  auto* writer = new (std::nothrow) ALGOutput(commands, rows);
  auto* thread = new (std::nothrow) QThread;
  if (!writer || !thread) {
    delete writer;
    delete thread;
    return;
  }
  writer->moveToThread(thread);
  connect(thread, &QThread::started, writer, &ALGOutput::show);
  connect(thread, &QThread::finished, thread, &QObject::deleteLater);
  connect(writer, &ALGOutput::finished, thread, &QThread::quit);
  connect(writer, &ALGOutput::finished, writer, &QObject::deleteLater);
  thread->start();
}
