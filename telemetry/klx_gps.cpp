#include "telemetry/klx_gps.h"

KLX_GPS::KLX_GPS(QObject* parent) : QObject(parent) { KLX_GPSClearAll(); }

int KLX_GPS::KLX_GPSLock() {
  m_Mutex.lock();
  return 1;
}

int KLX_GPS::KLX_GPSUnlock() {
  m_Mutex.unlock();
  return 1;
}

void KLX_GPS::KLX_GPSClearAll() {
  m_Satellites = 0;
  m_Fix = 0;
  m_Latitude = 0;
  m_Longitude = 0;
  m_RawHeight = 0;
  m_RawSpeed = 0;
  m_RawHeading = 0;
  m_Status = 0;
}
