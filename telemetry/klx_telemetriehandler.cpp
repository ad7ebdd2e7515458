#include "telemetry/klx_telemetriehandler.h"

#include "frame/klx_filenamehandler.h"
#include "model/klx_databasemanager.h"

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerHandleSensorData(const unsigned char* frame,
                                                                 KLX_DataBaseManager* db) {
  if (!frame || !db) return -70000;
  {
    QMutexLocker lock(&m_Mutex);
    m_LastFrame = QByteArray(reinterpret_cast<const char*>(frame), kFrameSize);
  }
  ++m_SensorFrames;
  // Telemetry arriving keeps the model's run-time counter going.
  db->ModelRuntimeTimerEnable();
  return frame[0];
}

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerNoRespFromSensor(unsigned char address,
                                                                 KLX_DataBaseManager* db) {
  if (!db) return -70000;
  m_LastNoResponse = address;
  return 1;
}

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerHandleVornSlavesData(KLX_DataBaseManager* db,
                                                                     unsigned char firstIndex) {
  if (!db) return -70000;
  const int group = firstIndex / 8;
  if (group < 4) ++m_GroupRefreshes[group];
  return 1;
}

QByteArray KLX_TelemetrieHandler::LastSensorFrame() const {
  QMutexLocker lock(&m_Mutex);
  return m_LastFrame;
}

int KLX_TelemetrieHandler::OwnSensorGroupRefreshes(int group) const {
  return group >= 0 && group < 4 ? m_GroupRefreshes[group].load() : 0;
}

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerIntialize() {
  QMutexLocker lock(&m_Mutex);
  m_LogFolder = KLX_FileNameHandler().KLX_FileNameHandlerGetTelemetrieLogFilePath();
  if (m_LogFolder.endsWith('/')) m_LogFolder.chop(1);
  return 1;
}

QString KLX_TelemetrieHandler::KLX_TelemetrieHandlerGetTeleLogFolder() const {
  QMutexLocker lock(&m_Mutex);
  return m_LogFolder;
}

QString KLX_TelemetrieHandler::KLX_TelemetrieHandlerGetTeleLogFileName() const {
  QMutexLocker lock(&m_Mutex);
  return m_LogFileName;
}
