#include "wireless/unixsocketserver.h"

#include <QDebug>

#include "frame/klx_debuglog.h"
#include "wireless/klx_bluezhelpers.h"

UnixSocketServer::UnixSocketServer(const QString& name, QObject* parent) : QObject(parent) {
  QLocalServer::removeServer(name);
  if (!m_Server.listen(name)) {
    qCDebug(lcVornDebug).noquote() << "UnixSocketServer(" + name + ") Fail...";
    return;
  }
  qCDebug(lcVornDebug).noquote() << "UnixSocketServer(" + name + ") Ready!";
  connect(&m_Server, &QLocalServer::newConnection, this, &UnixSocketServer::newConnection);
}

UnixSocketServer::~UnixSocketServer() {
  for (QLocalSocket* client : m_Clients) {
    client->disconnect(this);
    client->close();
    client->deleteLater();
  }
  m_Clients.clear();
  m_Server.close();
}

void UnixSocketServer::newConnection() {
  while (m_Server.hasPendingConnections()) {
    QLocalSocket* client = m_Server.nextPendingConnection();
    if (!client) continue;
    m_Clients.append(client);
    connect(client, &QLocalSocket::readyRead, this, &UnixSocketServer::readSocket);
    connect(client, &QLocalSocket::disconnected, this, &UnixSocketServer::discardSocket);
  }
}

void UnixSocketServer::discardSocket() {
  auto* client = qobject_cast<QLocalSocket*>(sender());
  if (!client) return;
  m_Clients.removeOne(client);
  client->close();
  client->deleteLater();
}

void AlsaLoopGather::readSocket() {
  auto* client = qobject_cast<QLocalSocket*>(sender());
  if (!client) return;
  QByteArray chunk = client->readAll();
  const int nul = chunk.indexOf('\0');
  if (nul >= 0) chunk.truncate(nul);
  const QString text = QString::fromLatin1(chunk);
  // One read is one report, whatever it holds.
  if (text.contains(QLatin1String("UNDERRUN ")))
    emit bluealsaDeviceUnderrun(getMAC(text, QStringLiteral(":"), QStringLiteral(":")));
  else if (text.contains(QLatin1String("OVERRUN ")))
    emit bluealsaDeviceOverrun();
}
