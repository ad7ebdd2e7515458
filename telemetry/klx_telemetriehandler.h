#pragma once
// The telemetry handler, least form: its live-path entries count what
// arrives and keep the last of it, and the own-sensor refresh writes the
// transmitter's values that exist already; sensor parsing, the log and the
// GPS position come with the telemetry.
#include <QByteArray>
#include <QMutex>
#include <QString>

#include <atomic>

#include "frame/klx_databasevalues.h"

class KLX_DataBaseManager;

class KLX_TelemetrieHandler {
 public:
  static constexpr int kFrameSize = 19;

  // A live sensor frame (19 bytes); the frame's sensor address, or KLX_Error.
  int KLX_TelemetrieHandlerHandleSensorData(const unsigned char* frame, KLX_DataBaseManager* db);
  int KLX_TelemetrieHandlerNoRespFromSensor(unsigned char address, KLX_DataBaseManager* db);
  // Own-sensor values firstIndex .. firstIndex+7.
  int KLX_TelemetrieHandlerHandleVornSlavesData(KLX_DataBaseManager* db, unsigned char firstIndex);
  // Refreshes the transmitter's own sensor (address 4) in the sensor store:
  // battery voltages, current, processor temperature, the transceiver's link
  // quality and signal strengths, the four sticks. KLX_Ok, or KLX_Error
  // without a facade or sensor store.
  int KLX_TelemetrieHandlerHandleVornData(KLX_DataBaseManager* db);
  static constexpr int kOwnSensor = 4;

  int KLX_TelemetrieHandlerIntialize();
  int KLX_TelemetrieHandlerStop() { return KLX_Ok; }
  // Recording pauses with a reason and resumes; -1 while recording runs.
  void KLX_TelemetrieHandler_HandlePauseAsyncRequest(int reason) { m_PauseReason = reason; }
  void KLX_TelemetrieHandler_ResumeRecording() { m_PauseReason = -1; }
  int PauseReason() const { return m_PauseReason; }
  // The log header is written by the log writer when it comes; counted until then.
  void KLX_TelemetrieHandlerStreamHeader(bool, bool) { ++m_Headers; }
  int Headers() const { return m_Headers; }
  QString KLX_TelemetrieHandlerGetTeleLogFolder() const;
  QString KLX_TelemetrieHandlerGetTeleLogFileName() const;

  QByteArray LastSensorFrame() const;
  int SensorFrames() const { return m_SensorFrames; }
  int LastNoResponse() const { return m_LastNoResponse; }
  int OwnSensorGroupRefreshes(int group) const;
  int OwnSensorRefreshes() const { return m_OwnRefreshes; }

 private:
  mutable QMutex m_Mutex;
  QByteArray m_LastFrame;
  std::atomic<int> m_SensorFrames{0};
  std::atomic<int> m_LastNoResponse{-1};
  std::atomic<int> m_GroupRefreshes[4] = {};
  std::atomic<int> m_OwnRefreshes{0};
  std::atomic<int> m_PauseReason{-1};
  std::atomic<int> m_Headers{0};
  QString m_LogFolder;
  QString m_LogFileName;
};
