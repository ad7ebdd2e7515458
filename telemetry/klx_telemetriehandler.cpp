#include "telemetry/klx_telemetriehandler.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_filenamehandler.h"
#include "model/klx_databasemanager.h"

namespace {
// Where the own sensor's values sit.
enum OwnValue : int {
  kBattery1 = 0,
  kBattery2 = 1,
  kCurrent = 2,
  kCpuTemperature = 3,
  kLqi1 = 4,
  kLqi2 = 5,
  kRssi1 = 6,
  kRssi2 = 7,
  kSticks = 8,
};
constexpr int kStickIds[4] = {CONTROLID_Stick_STA_GUI, CONTROLID_Stick_STB_GUI, CONTROLID_Stick_STC_GUI,
                               CONTROLID_Stick_STD_GUI};
}  // namespace

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerHandleSensorData(const unsigned char* frame,
                                                                 KLX_DataBaseManager* db) {
  if (!frame || !db) return KLX_Error;
  {
    QMutexLocker lock(&m_Mutex);
    m_LastFrame = QByteArray(reinterpret_cast<const char*>(frame), kFrameSize);
  }
  ++m_SensorFrames;
  KLX_TelemetrieHandlerHandleVornData(db);
  // Telemetry arriving keeps the model's run-time counter going.
  db->ModelRuntimeTimerEnable();
  return frame[0];
}

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerNoRespFromSensor(unsigned char address,
                                                                 KLX_DataBaseManager* db) {
  if (!db) return KLX_Error;
  KLX_TelemetrieHandlerHandleVornData(db);
  m_LastNoResponse = address;
  return KLX_Ok;
}

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerHandleVornSlavesData(KLX_DataBaseManager* db,
                                                                     unsigned char firstIndex) {
  if (!db) return KLX_Error;
  const int group = firstIndex / 8;
  if (group < 4) ++m_GroupRefreshes[group];
  return KLX_Ok;
}

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerHandleVornData(KLX_DataBaseManager* db) {
  KLX_Telemetrie* store = db ? db->KLX_DataBaseManagerGetTelemetrieObject() : nullptr;
  if (!store) return KLX_Error;
  int values[kSticks + 4];
  values[kBattery1] = db->KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(0, AtomicDirGet);
  values[kBattery2] = db->KLX_DataBaseManagerGetSetSystemProperties_Akku2Voltage(0, AtomicDirGet);
  values[kCurrent] = db->KLX_DataBaseManagerGetSetSystemProperties_Current(0, AtomicDirGet);
  // The log's record counter decides how often the temperature is read
  // anew; until the log comes, every refresh reads it.
  values[kCpuTemperature] = db->KLX_DataBaseManagerGetCPUTemp(0);
  values[kLqi1] = db->KLX_DataBaseManagerGetTransLQI1();
  values[kLqi2] = db->KLX_DataBaseManagerGetTransLQI2();
  values[kRssi1] = db->KLX_DataBaseManagerGetTransRSSI1();
  values[kRssi2] = db->KLX_DataBaseManagerGetTransRSSI2();
  for (int k = 0; k < 4; ++k)
    values[kSticks + k] = db->KLX_DataBaseManagerGetSet_ControlValueByControl(kStickIds[k], 0, AtomicDirGet);
  // The readers (screens, engine thread) take the store's lock; so does the writer.
  store->KLX_TelemetrieLock();
  for (int i = 0; i < kSticks + 4; ++i) store->KLX_TelemetrieGetSet_SlaveValue(kOwnSensor, i, values[i], AtomicDirSet);
  store->KLX_TelemetrieUnlock();
  ++m_OwnRefreshes;
  return KLX_Ok;
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
  return KLX_Ok;
}

QString KLX_TelemetrieHandler::KLX_TelemetrieHandlerGetTeleLogFolder() const {
  QMutexLocker lock(&m_Mutex);
  return m_LogFolder;
}

QString KLX_TelemetrieHandler::KLX_TelemetrieHandlerGetTeleLogFileName() const {
  QMutexLocker lock(&m_Mutex);
  return m_LogFileName;
}
