#pragma once
// WLAN connection (published as "WlanConnection").
#include <QObject>

class KLX_WlanConnect : public QObject {
  Q_OBJECT
 public:
  explicit KLX_WlanConnect(QObject* parent = nullptr) : QObject(parent) {}
  int KLX_WlanConnectInitialize() { return 1; }
  int KLX_WlanConnectStop() { return 1; }
};
