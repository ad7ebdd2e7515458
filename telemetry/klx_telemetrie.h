#pragma once
// The table of sensors in the model, least form: its lock, the captured
// flag and the sensor values the facade stores (GPS positions) and reads.
// Sensor descriptions, extremes and alarms come with the telemetry.
#include <QMutex>

#include <cstring>

#include "frame/klx_basedatabase.h"
#include "frame/klx_databasevalues.h"

class KLX_Telemetrie : public KLX_DataBaseTransmitter {
 public:
  static constexpr int kSensors = 255;
  static constexpr int kValues = 32;

  KLX_Telemetrie() { Clear(); }
  int KLX_TelemetrieInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }
  int KLX_TelemetrieLock() {
    m_Mutex.lock();
    return KLX_Ok;
  }
  int KLX_TelemetrieUnlock() {
    m_Mutex.unlock();
    return KLX_Ok;
  }
  // keepCapture: a rescan keeps nothing, a model reset clears the data too.
  void KLX_TelemetrieClearAllData(bool) {
    QMutexLocker lock(&m_Mutex);
    Clear();
  }
  int KLX_TelemetrieGetSet_IsCaptured(int value, int dir) {
    if (!dir) m_Captured = value != 0;
    return m_Captured ? 1 : 0;
  }
  // A value of a sensor (address 0..254, index 0..31); Indexes_Out_Of_Range outside.
  int KLX_TelemetrieGetSet_SlaveValue(int sensor, int index, int value, int dir) {
    if (!Valid(sensor, index)) return Indexes_Out_Of_Range;
    if (!dir) m_Values[sensor][index] = value;
    return m_Values[sensor][index];
  }
  int KLX_TelemetrieGetSet_Slave_Longtitude(int sensor, int index, int value, int dir) {
    return KLX_TelemetrieGetSet_SlaveValue(sensor, index, value, dir);
  }
  int KLX_TelemetrieGetSet_Slave_Latitude(int sensor, int index, int value, int dir) {
    return KLX_TelemetrieGetSet_SlaveValue(sensor, index, value, dir);
  }
  int KLX_TelemetrieGetSet_Slave_HasGPS(int sensor, int index, int value, int dir) {
    if (!Valid(sensor, index)) return Indexes_Out_Of_Range;
    if (!dir) m_HasGps[sensor][index] = value != 0;
    return m_HasGps[sensor][index] ? 1 : 0;
  }

 private:
  static bool Valid(int sensor, int index) { return sensor >= 0 && sensor < kSensors && index >= 0 && index < kValues; }
  void Clear() {
    m_Captured = false;
    std::memset(m_Values, 0, sizeof m_Values);
    std::memset(m_HasGps, 0, sizeof m_HasGps);
  }

  QMutex m_Mutex;
  bool m_Captured = false;
  int m_Values[kSensors][kValues];
  bool m_HasGps[kSensors][kValues];
};
