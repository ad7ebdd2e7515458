#include "telemetry/klx_captureteleinfo.h"

#include <cstring>

#include "frame/klx_board.h"
#include "frame/klx_debuglog.h"
#include "link/klx_messageids.h"
#include "model/klx_databasemanager.h"
#include "telemetry/klx_telemetrie.h"

namespace {
constexpr unsigned kErrInit = 0x23701;
constexpr unsigned kErrRetries = 0x23702;
constexpr unsigned kHintTrimsLocked = 0x5200C;

constexpr int kOwn = KLX_Telemetrie::kOwnSensor;
constexpr int kOwnValues = 16;
// Decimal places the vario takes from its sensor value; more are not kept.
constexpr int kVarioMaxDecimals = 5;

struct OwnValue {
  const char* label;
  const char* unit;
  int decimals;
};
// The transmitter's own values 0 to 11; the larger board adds its position.
constexpr OwnValue kOwnValueTable[] = {
    {"Battery 1", "V", 2}, {"Battery 2", "V", 2}, {"Current", "A", 3}, {"CPU Temp.", "\xB0" "C", 1},
    {"LQI 1", "%", 0},     {"LQI 2", "%", 0},     {"RSSI 1", "dBm", 0}, {"RSSI 2", "dBm", 0},
    {"Control A", "", 0},  {"Control B", "", 0},  {"Control C", "", 0}, {"Control D", "", 0},
};
constexpr int kOwnGpsFirst = 8;
constexpr int kOwnLongitude = 12;
constexpr int kOwnLatitude = 14;

// A text field of a frame as a terminated string of at most n characters.
template <int N>
struct FrameText {
  char text[N + 1] = {};
  explicit FrameText(const char* field) { std::memcpy(text, field, N); }
};
}  // namespace

KLX_CaptureTeleInfo::KLX_CaptureTeleInfo() { KLX_VornBaseCleanUp(); }

KLX_CaptureTeleInfo::~KLX_CaptureTeleInfo() { KLX_VornBaseCleanUp(); }

int KLX_CaptureTeleInfo::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                          KLX_RuntimeDatabaseManager* runtime) {
  if (!TakeLinks(db, protocol, handler, runtime, kErrInit, "Initializing of KLX_CaptureTeleInfo went wrong"))
    return KLX_Error;
  m_State = KLX_TELEMETRIE_IDLE;
  return KLX_Ok;
}

int KLX_CaptureTeleInfo::KLX_VornBaseStartTask(Task_Data_T task) {
  // A forced start begins the collection anew; a start put back into the
  // queue goes on with what it has.
  if (task.paraint6 == KLX_VornTask::KLX_TASK_PARA_FORCE) m_Z2Bus.KLX_Z2BusStartCollectingTeleinfo();
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_State = KLX_TELEMETRIE_START;
  m_ScanPending = false;
  // A table still to be made is searched for until this run or a later one completes it.
  m_Links.db->KLX_DataBaseManagerTelemetrieSetSearching(m_Links.db->KLX_DataBaseManagerTelemetrieGetIsCaptured() == 0);
  return Report(KLX_CaptureTeleInfoHandleProgress());
}

int KLX_CaptureTeleInfo::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  return Report(KLX_CaptureTeleInfoHandleProgress());
}

int KLX_CaptureTeleInfo::Report(int result) {
  if (result == KLX_Ok || (result == KLX_Reminder && m_ScanPending)) return result;
  m_Links.db->KLX_DataBaseManagerTelemetrieSetSearching(false);
  return result;
}

int KLX_CaptureTeleInfo::KLX_VornBaseCleanUp() {
  ForgetLinks();
  m_State = KLX_TELEMETRIE_IDLE;
  m_Task.task = KLX_VornTask::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

void KLX_CaptureTeleInfo::KLX_VornBaseRepeatDropped(KLX_DataBaseManager* db) {
  db->KLX_DataBaseManagerTelemetrieSetSearching(false);
}

int KLX_CaptureTeleInfo::KLX_VornBaseTimeout() {
  qInfo("timeout in capture telemetrie data in state %d", m_State);
  KLX_VornBaseIncErrorCount();
  // Without the transceiver's answer the capture is tried again later.
  if (m_State == KLX_TELEMETRIE_GET_STATUS_RESP) {
    m_ScanPending = true;
    return Report(KLX_Reminder);
  }
  if (!KLX_VornBaseCheckForMaxError()) {
    if (m_State == KLX_TELEMETRIE_GET_TELEMETRIE_DATA_RESP)
      return Report(KLX_CaptureTeleInfo_KLX_TELEMETRIE_GET_TELEMETRIE_DATA());
    return Report(KLX_Timeout);
  }
  KLXErrorHandler.RegisterError(kErrRetries, QStringLiteral("to many retries in task capture telemtrie info"));
  return Report(KLX_Timeout);
}

int KLX_CaptureTeleInfo::KLX_CaptureTeleInfoHandleProgress() {
  switch (m_State) {
    case KLX_TELEMETRIE_START: return KLX_CaptureTeleInfo_KLX_TELEMETRIE_START();
    case KLX_TELEMETRIE_GET_STATUS_RESP: return KLX_CaptureTeleInfo_KLX_TELEMETRIE_GET_STATUS_RESP();
    case KLX_TELEMETRIE_GET_TELEMETRIE_DATA: return KLX_CaptureTeleInfo_KLX_TELEMETRIE_GET_TELEMETRIE_DATA();
    case KLX_TELEMETRIE_GET_TELEMETRIE_DATA_RESP: return KLX_CaptureTeleInfo_KLX_TELEMETRIE_GET_TELEMETRIE_DATA_RESP();
    default: return KLX_Error;
  }
}

// ---- the steps ---------------------------------------------------------------------------------

int KLX_CaptureTeleInfo::KLX_CaptureTeleInfo_KLX_TELEMETRIE_START() {
  m_Buffer[0] = static_cast<unsigned char>(Language());
  m_Buffer[1] = static_cast<unsigned char>(Measure());
  KLX_CaptureTeleInfo_InstanceVornTele();
  m_State = KLX_TELEMETRIE_GET_STATUS_RESP;
  Send(2, KLX_MSG_TELEMETRY_CAPTURE_START);
  return KLX_Ok;
}

int KLX_CaptureTeleInfo::KLX_CaptureTeleInfo_KLX_TELEMETRIE_GET_STATUS_RESP() {
  if (!IsAnswer(m_Update, AnswerStatus)) return KLX_Ok;
  const int status = m_Update.data[0];
  const int sensors = m_Update.data[1];
  // The transceiver has not finished looking for sensors: later.
  if (status != kStatusReady) {
    m_ScanPending = true;
    return KLX_Reminder;
  }
  // R-Ediv repeats the capture: only more sensors than last time start it over.
  if (m_Links.db->KLX_DataBaseManagerIsReceiverModeREdiv() && sensors <= m_Z2Bus.KLX_Z2BusGetSensorCount())
    return KLX_Reminder;
  return KLX_CaptureTeleInfo_KLX_MakeRenew_SensorsInfo();
}

int KLX_CaptureTeleInfo::KLX_CaptureTeleInfo_KLX_MakeRenew_SensorsInfo() {
  m_Z2Bus.KLX_Z2BusStartCollectingTeleinfo();
  m_Z2Bus.KLX_Z2BusSetSesnorCount(m_Update.data[1]);
  qCDebug(lcVornDebug, "collecting telemetrie data for %d sensor(s)", int(m_Update.data[1]));
  if (m_Update.data[1] == 0) {
    // No sensor on the bus: no description will come. The empty table is
    // complete, so that the user hears of it and the automatic rescans,
    // which follow a captured table only, can find sensors that come later.
    m_Links.db->KLX_DataBaseManagerTelemetrieClearAllData(true);
    return Captured();
  }
  return KLX_CaptureTeleInfo_KLX_TELEMETRIE_GET_TELEMETRIE_DATA();
}

int KLX_CaptureTeleInfo::KLX_CaptureTeleInfo_KLX_TELEMETRIE_GET_TELEMETRIE_DATA() {
  m_Links.db->KLX_DataBaseManagerTelemetrieClearAllData(true);
  m_State = KLX_TELEMETRIE_GET_TELEMETRIE_DATA_RESP;
  Send(0, KLX_MSG_TELEMETRY_REQUEST);
  return KLX_Ok;
}

int KLX_CaptureTeleInfo::KLX_CaptureTeleInfo_KLX_TELEMETRIE_GET_TELEMETRIE_DATA_RESP() {
  if (m_Update.updateKind != KLX_UPDATE_KIND_TRANSCEIVER) return KLX_Ok;
  if (m_Update.para == AnswerMainInfo) {
    m_Z2Bus.KLX_Z2BusSetSensorMainInfo(m_Update.data);
    KLX_CaptureTeleInfo_SetSensorMainInfoToDB();
    return KLX_Ok;
  }
  if (m_Update.para != AnswerValueInfo) return KLX_Ok;
  if (m_Z2Bus.KLX_Z2BusSetSensorValueInfo(m_Update.data)) KLX_CaptureTeleInfo_SetSensorValueInfoToDB();
  if (!m_Z2Bus.KLX_Z2BusAllDataCollected(m_Links.db->KLX_DataBaseManagerGetReceiverMask() & 0xFF)) return KLX_Ok;
  return Captured();
}

int KLX_CaptureTeleInfo::Captured() {
  KLX_DataBaseManager* db = m_Links.db;
  // The request cleared the table, the own sensor with it.
  KLX_CaptureTeleInfo_InstanceVornTele();
  if (db->KLX_DataBaseManagerGetSet_ControlsLocked(false, AtomicDirGet))
    KLXErrorHandler.RegisterError(kHintTrimsLocked, QStringLiteral("Trims have not been unlocked after fast start!"));
  db->KLX_DataBaseManagerEmitTeleRescanDone(static_cast<unsigned char>(m_Z2Bus.KLX_Z2BusGetSensorCount()));
  const int vario = db->KLX_DataBaseManagerGetVarioAddress();
  if (db->KLX_DataBaseManagerTelemetrieGetSensorIsUsed(vario) == 1) {
    const int decimals =
        db->KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(vario, db->KLX_DataBaseManagerGetVarioSlaveAddress());
    if (decimals >= 0 && decimals < kVarioMaxDecimals) db->KLX_DataBaseManagerVarioSetDecimalPosition(decimals, true);
  }
  db->KLX_DataBaseManagerGUITelemetryUpdateWidgetList(false);
  return db->KLX_DataBaseManagerIsReceiverModeREdiv() ? int(KLX_Reminder) : int(KLX_Done);
}

// ---- the sensor table ---------------------------------------------------------------------------

void KLX_CaptureTeleInfo::KLX_CaptureTeleInfo_SetSensorMainInfoToDB() {
  KLX_Z2Bus::MainInfo info;
  const int sensor = m_Z2Bus.KLX_Z2BusGetSensorMainInfo(&info);
  const FrameText<16> name(info.name);
  KLX_Telemetrie* t = m_Links.db->KLX_DataBaseManagerGetTelemetrieObject();
  if (!t) return;
  // Readers see a sensor whole or not at all.
  t->KLX_TelemetrieLock();
  t->KLX_TelemetrieGetSet_SensorMainAdress(sensor, sensor, AtomicDirSet);
  t->KLX_TelemetrieGetSet_SensorIsUsed(sensor, 1, AtomicDirSet);
  t->KLX_TelemetrieGetSet_NumberOfSensorValues(sensor, info.numberOfValues, AtomicDirSet);
  t->KLX_TelemetrieGetSet_HasSensorStatus(sensor, info.hasStatus, AtomicDirSet);
  t->KLX_TelemetrieGetSet_HasSensorMenu(sensor, info.hasMenu, AtomicDirSet);
  t->KLX_TelemetrieGetSet_HasSensorGPS(sensor, info.hasGps, AtomicDirSet);
  t->KLX_TelemetrieGetSet_SensorName(sensor, name.text, AtomicDirSet);
  t->KLX_TelemetrieUnlock();
  qCDebug(lcVornDebug, "got maininfo for sensor %d", sensor);
}

void KLX_CaptureTeleInfo::KLX_CaptureTeleInfo_SetSensorValueInfoToDB() {
  KLX_Z2Bus::ValueInfo info;
  const int sensor = m_Z2Bus.KLX_Z2BusGetSensorValueInfo(&info);
  const int value = info.index;
  const FrameText<10> label(info.label);
  const FrameText<6> unit(info.unit);
  KLX_Telemetrie* t = m_Links.db->KLX_DataBaseManagerGetTelemetrieObject();
  if (!t) return;
  t->KLX_TelemetrieLock();
  t->KLX_TelemetrieGetSet_Slave_SlaveAdress(sensor, value, value, AtomicDirSet);
  t->KLX_TelemetrieGetSet_Slave_IsUsed(sensor, value, 1, AtomicDirSet);
  t->KLX_TelemetrieGetSet_Slave_SlavePriority(sensor, value, info.priority, AtomicDirSet);
  t->KLX_TelemetrieGetSet_Slave_DecPoint(sensor, value, info.decimals, AtomicDirSet);
  t->KLX_TelemetrieGetSet_Slave_HasGPS(sensor, value, info.isGps, AtomicDirSet);
  t->KLX_TelemetrieGetSet_Slave_HasStatus(sensor, value, info.isStatus, AtomicDirSet);
  t->KLX_TelemetrieGetSet_Slave_SlaveLabel(sensor, value, label.text, AtomicDirSet);
  t->KLX_TelemetrieGetSet_Slave_SlaveUnit(sensor, value, unit.text, AtomicDirSet);
  t->KLX_TelemetrieUnlock();
}

void KLX_CaptureTeleInfo::KLX_CaptureTeleInfo_InstanceVornTele() {
  KLX_Telemetrie* t = m_Links.db->KLX_DataBaseManagerGetTelemetrieObject();
  if (!t) return;
  const QByteArray name = Board::IsInitialized() ? Board::m_Instance->Name().toUtf8() : QByteArray();
  const bool larger = Board::IsInitialized() && Board::m_Instance->IsVorn();
  t->KLX_TelemetrieLock();
  t->KLX_TelemetrieGetSet_SensorIsUsed(kOwn, 1, AtomicDirSet);
  t->KLX_TelemetrieGetSet_SensorIsOffline(kOwn, 0, AtomicDirSet);
  t->KLX_TelemetrieGetSet_SensorMainAdress(kOwn, kOwn, AtomicDirSet);
  t->KLX_TelemetrieGetSet_SensorName(kOwn, name.constData(), AtomicDirSet);
  t->KLX_TelemetrieGetSet_NumberOfSensorValues(kOwn, kOwnValues, AtomicDirSet);
  t->KLX_TelemetrieGetSet_HasSensorStatus(kOwn, 0, AtomicDirSet);
  t->KLX_TelemetrieGetSet_HasSensorMenu(kOwn, 0, AtomicDirSet);
  for (int v = 0; v < kOwnValues; ++v) {
    t->KLX_TelemetrieGetSet_Slave_IsUsed(kOwn, v, 1, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_HasGPS(kOwn, v, 0, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_HasStatus(kOwn, v, 0, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_SlaveAdress(kOwn, v, v, AtomicDirSet);
  }
  // The first live value sets both, once per run: a rescan keeps what was seen.
  if (m_FirstSetUp) {
    for (int v = 0; v < kOwnValues; ++v) {
      t->KLX_TelemetrieGetSet_Slave_SlaveMaxValue(kOwn, v, -32768, AtomicDirSet);
      t->KLX_TelemetrieGetSet_Slave_SlaveMinValue(kOwn, v, 32767, AtomicDirSet);
    }
    m_FirstSetUp = false;
  }
  t->KLX_TelemetrieGetSet_HasSensorGPS(kOwn, 1, AtomicDirSet);
  int v = 0;
  for (const OwnValue& row : kOwnValueTable) {
    t->KLX_TelemetrieGetSet_Slave_SlaveLabel(kOwn, v, row.label, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_SlaveUnit(kOwn, v, row.unit, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_DecPoint(kOwn, v, row.decimals, AtomicDirSet);
    ++v;
  }
  if (larger) {
    // A position takes two value slots: 12-13 and 14-15.
    t->KLX_TelemetrieGetSet_Slave_HasGPS(kOwn, kOwnGpsFirst, 1, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_SlaveLabel(kOwn, kOwnLongitude, "Longitude", AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_HasGPS(kOwn, kOwnLongitude, 1, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_IsUsed(kOwn, kOwnLongitude + 1, 0, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_SlaveLabel(kOwn, kOwnLatitude, "Latitude", AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_HasGPS(kOwn, kOwnLatitude, 1, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_IsUsed(kOwn, kOwnLatitude + 1, 0, AtomicDirSet);
  } else {
    for (int slot = kOwnLongitude; slot < kOwnValues; ++slot) t->KLX_TelemetrieGetSet_Slave_IsUsed(kOwn, slot, 0, AtomicDirSet);
  }
  t->KLX_TelemetrieUnlock();
}
