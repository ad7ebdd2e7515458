#pragma once
// The local socket on which the outside audio-loop process reports underruns
// and overruns of the headset's PCM: a server that keeps its clients, and the
// gatherer that turns each received chunk into one report signal.
#include <QList>
#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QString>

class UnixSocketServer : public QObject {
  Q_OBJECT
 public:
  UnixSocketServer(const QString& name, QObject* parent = nullptr);
  ~UnixSocketServer() override;
  bool isListening() const { return m_Server.isListening(); }

 public slots:
  void newConnection();
  virtual void readSocket() {}
  void discardSocket();

 protected:
  QLocalServer m_Server;
  QList<QLocalSocket*> m_Clients;
};

class AlsaLoopGather : public UnixSocketServer {
  Q_OBJECT
 public:
  using UnixSocketServer::UnixSocketServer;

 public slots:
  void readSocket() override;

 signals:
  void bluealsaDeviceUnderrun(QString macAddr);
  void bluealsaDeviceOverrun();
};
