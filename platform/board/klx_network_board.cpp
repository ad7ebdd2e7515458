// Board build: the interfaces are the system's own.
#include "platform/klx_network.h"

#include <QAbstractSocket>
#include <QNetworkInterface>

namespace KLX_Platform {

QStringList InterfaceIPv4Addresses(const QString& interface) {
  QStringList addresses;
  for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
    if (i.name() != interface) continue;
    for (const QNetworkAddressEntry& entry : i.addressEntries())
      if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) addresses << entry.ip().toString();
  }
  return addresses;
}

// The board runs its commands: nothing is ever answered for them.
int RecordedCommandAnswer(const QString&, const QStringList&, QByteArray* standardOutput) {
  if (standardOutput) standardOutput->clear();
  return 0;
}

void SetWholeFileWriter(WholeFileWriter) {}

}  // namespace KLX_Platform
