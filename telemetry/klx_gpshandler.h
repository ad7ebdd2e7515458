#pragma once
// The transmitter's own GPS receiver (larger board only).
#include <QObject>

#include "frame/klx_basethread.h"
#include "frame/klx_databasevalues.h"

class KLX_DataBaseManager;

class KLX_GPSHandler : public QObject, public KLX_BaseClassThread {
  Q_OBJECT
 public:
  explicit KLX_GPSHandler(QObject* parent = nullptr)
      : QObject(parent), KLX_BaseClassThread("GPS_Handler", true) {}
  int KLX_GPSHandlerInitialize(KLX_DataBaseManager* db) {
    m_Db = db;
    m_Initialized = db != nullptr;
    return m_Initialized ? KLX_Ok : KLX_Error;
  }
  bool KLX_GPSHandlerIsInitialized() const { return m_Initialized; }
  void KLX_GPSHandlerStartProcessing() { KLX_BaseClassThreadStartProcessing(); }
  void KLX_GPSHandlerStopProcessing() { KLX_BaseClassThreadStopProcessing(); }
  int KLX_GPSHandlerStop() { return KLX_Ok; }
  int KLX_GPSHandlerClose() {
    m_Initialized = false;
    return KLX_Ok;
  }
 private:
  KLX_DataBaseManager* m_Db = nullptr;
  bool m_Initialized = false;
};
