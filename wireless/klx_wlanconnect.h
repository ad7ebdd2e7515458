#pragma once
// WLAN connection (published as "WlanConnection").
#include <QObject>

#include <atomic>

#include "frame/klx_databasevalues.h"

class KLX_WlanConnect : public QObject {
  Q_OBJECT
 public:
  explicit KLX_WlanConnect(QObject* parent = nullptr) : QObject(parent) {}
  int KLX_WlanConnectInitialize() { return KLX_Ok; }
  int KLX_WlanConnectStop() { return KLX_Ok; }
  void KLX_WlanConnectStopProcessing() { m_Processing = false; }
  bool KLX_WlanConnectIsProcessing() const { return m_Processing; }
  // The connection state (E_WlanState) the status strip shows; disabled
  // until the connection thread comes.
  Q_INVOKABLE int getState() const { return KLX_DatabaseValues::Wlan_Disabled; }
 signals:
  void stateChanged(int state);
  void signalStrengthChanged(int value_percent);

 private:
  // Switched off by the task engine thread.
  std::atomic<bool> m_Processing{true};
};
