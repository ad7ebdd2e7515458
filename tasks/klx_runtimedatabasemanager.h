#pragma once
// The runtime read-outs the screens poll (published as "RuntimeDatabase").
#include <QObject>

#include <atomic>

#include "timers/klx_runtimecalcalarm.h"

class KLX_DataBaseManager;
class KLX_Protocol;
class KLX_System;

class KLX_RuntimeDatabaseManager : public QObject {
  Q_OBJECT
 public:
  explicit KLX_RuntimeDatabaseManager(QObject* parent = nullptr) : QObject(parent) {}
  int KLX_RuntimeDatabaseManagerInitialize(KLX_DataBaseManager* db, KLX_Protocol* protocol,
                                           KLX_System* system) {
    m_Db = db;
    m_Protocol = protocol;
    m_System = system;
    return (db && protocol && system) ? 1 : -70000;
  }
  void KLX_RuntimeDatabaseManagerStartProcessing(bool reset);
  void KLX_RuntimeDatabaseManagerStopProcessing();
  bool KLX_RuntimeDatabaseManagerIsProcessing() const { return m_Processing; }
  int KLX_RuntimeDatabaseManagerStop() { m_Processing = false; return 1; }
  // The level of the power-button line seen at start (set when non-zero dir).
  int KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(int value, bool set) {
    if (set) m_PwrPinAtStart = value;
    return m_PwrPinAtStart;
  }
  KLX_RuntimeCalcAlarm* KLX_RuntimeDatabaseManagerGetRuntimeCalcPtr() { return &m_Calc; }
 private:
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_Protocol* m_Protocol = nullptr;
  KLX_System* m_System = nullptr;
  std::atomic<int> m_PwrPinAtStart{0};
  std::atomic<bool> m_Processing{false};
  KLX_RuntimeCalcAlarm m_Calc;
};
