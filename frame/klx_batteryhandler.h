#pragma once
// Battery charge, display brightness and the inactivity alarm (published as
// "Battery").
#include <QObject>

#include "frame/klx_basethread.h"

class KLX_DataBaseManager;
class KLX_OnOffHandler;

class KLX_BatteryHandler : public QObject, public KLX_BaseClassThread {
  Q_OBJECT
 public:
  explicit KLX_BatteryHandler(QObject* parent = nullptr)
      : QObject(parent), KLX_BaseClassThread("BatteryHandler", true) {}
  int KLX_BatteryHandlerInitialize(KLX_DataBaseManager* db, KLX_OnOffHandler* onOff) {
    m_Db = db;
    m_OnOff = onOff;
    return (db && onOff) ? 1 : -70000;
  }
  int KLX_BatteryHandlerStart() { return 1; }
  int KLX_BatteryHandlerStop() { return 1; }
  void KLX_BatteryHandlerStartProcessing() { KLX_BaseClassThreadStartProcessing(); }
  void KLX_BatteryHandlerStopProcessing() { KLX_BaseClassThreadStopProcessing(); }
  void KLX_BatteryHandlerResetInactivityTimer() { ++m_InactivityResets; }
  int KLX_BatteryHandlerInactivityResets() const { return m_InactivityResets; }
 signals:
  // The packs fell below the switch-off voltage: the GUI says so before the
  // transmitter goes down.
  void voltageMinExceeded();
 private:
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_OnOffHandler* m_OnOff = nullptr;
  int m_InactivityResets = 0;
};
