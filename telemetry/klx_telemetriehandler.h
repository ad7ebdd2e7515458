#pragma once
// The telemetry handler, least form: its live-path entries count what
// arrives and keep the last of it; the sensor store, log and own sensor come
// with the telemetry.
#include <QByteArray>
#include <QMutex>

#include <atomic>

class KLX_DataBaseManager;

class KLX_TelemetrieHandler {
 public:
  static constexpr int kFrameSize = 19;

  // A live sensor frame (19 bytes); the frame's sensor address, or -70000.
  int KLX_TelemetrieHandlerHandleSensorData(const unsigned char* frame, KLX_DataBaseManager* db);
  int KLX_TelemetrieHandlerNoRespFromSensor(unsigned char address, KLX_DataBaseManager* db);
  // Own-sensor values firstIndex .. firstIndex+7.
  int KLX_TelemetrieHandlerHandleVornSlavesData(KLX_DataBaseManager* db, unsigned char firstIndex);

  QByteArray LastSensorFrame() const;
  int SensorFrames() const { return m_SensorFrames; }
  int LastNoResponse() const { return m_LastNoResponse; }
  int OwnSensorGroupRefreshes(int group) const;

 private:
  mutable QMutex m_Mutex;
  QByteArray m_LastFrame;
  std::atomic<int> m_SensorFrames{0};
  std::atomic<int> m_LastNoResponse{-1};
  std::atomic<int> m_GroupRefreshes[4] = {};
};
