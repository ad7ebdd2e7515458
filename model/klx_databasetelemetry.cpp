// The facade's doors to the telemetry: the sensor table under the store's
// lock, the GPS fields, and the telemetry controls with their marks for the
// engine.
#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"

namespace {
using Store = KLX_Telemetrie;

bool Failed(int result) { return result == KLX_DatabaseValues::KLX_Error || result == KLX_DatabaseValues::Indexes_Out_Of_Range; }
}  // namespace

// ---- The sensor table ---------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSensorIsUsed(int sensoradr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_SensorIsUsed(sensoradr, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSensorMainAdress(int sensoradr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_SensorMainAdress(sensoradr, 0, AtomicDirGet); });
}

QString KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSensorName(int sensoradr) {
  return TelemetrieLocked(QString(), [&](Store& t) { return t.KLX_TelemetrieGetSet_SensorName(sensoradr, nullptr, AtomicDirGet); });
}

QString KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSetSensorAlias(int sensoradr, QString newalias, int dir,
                                                                          bool update) {
  const QByteArray latin1 = newalias.toLatin1();
  const QString stored = TelemetrieLocked(QString(), [&](Store& t) {
    return t.KLX_TelemetrieGetSet_SensorAlias(sensoradr, latin1.constData(), dir);
  });
  // An alias is model data. One cut to the store's length is what the model
  // keeps now: it is marked too, or the cut would be lost with the next load.
  if (dir == AtomicDirSet && update && m_Telemetrie) KLX_DataBaseManagerTelemetrieMarkTelemetry(true);
  return stored;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(int sensoradr) {
  return TelemetrieLocked(QString(), [&](Store& t) {
    const QString alias = t.KLX_TelemetrieGetSet_SensorAlias(sensoradr, nullptr, AtomicDirGet);
    return alias.isEmpty() ? t.KLX_TelemetrieGetSet_SensorName(sensoradr, nullptr, AtomicDirGet) : alias;
  });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetNumberOfSensorValues(int sensoradr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_NumberOfSensorValues(sensoradr, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetHasSensorStatus(int sensoradr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_HasSensorStatus(sensoradr, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetHasSensorGPS(int sensoradr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_HasSensorGPS(sensoradr, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetHasSensorMenu(int sensoradr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_HasSensorMenu(sensoradr, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSensorIsOffline(int sensoradr) {
  // Without a sensor table every sensor is offline.
  return TelemetrieLocked(1, [&](Store& t) { return t.KLX_TelemetrieGetSet_SensorIsOffline(sensoradr, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSlave_IsUsed(int sensoradr, int slaveadr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_IsUsed(sensoradr, slaveadr, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGet_Slave_HasGPS(int sensoradr, int slaveadr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_HasGPS(sensoradr, slaveadr, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGet_Slave_HasStatus(int sensoradr, int slaveadr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_HasStatus(sensoradr, slaveadr, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(int sensoradr, int slaveadr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_DecPoint(sensoradr, slaveadr, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSlaveAdress(int sensoradr, int slaveadr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_SlaveAdress(sensoradr, slaveadr, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSlavePriority(int sensoradr, int slaveadr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_SlavePriority(sensoradr, slaveadr, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSlaveValue(int sensoradr, int slaveadr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_SlaveValue(sensoradr, slaveadr, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetLatitude(int sensoradr, int slaveadr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_Latitude(sensoradr, slaveadr, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetLongtitude(int sensoradr, int slaveadr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_Longtitude(sensoradr, slaveadr, 0, AtomicDirGet); });
}

QString KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSlaveLabel(int sensoradr, int slaveadr) {
  return TelemetrieLocked(QString(), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_SlaveLabel(sensoradr, slaveadr, nullptr, AtomicDirGet); });
}

QString KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSlaveUnit(int sensoradr, int slaveadr) {
  return TelemetrieLocked(QString(), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_SlaveUnit(sensoradr, slaveadr, nullptr, AtomicDirGet); });
}

QString KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSlaveStatus(int sensoradr, int slaveadr) {
  return TelemetrieLocked(QString(), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_SlaveStatus(sensoradr, slaveadr, nullptr, AtomicDirGet); });
}

QString KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(int sensoradr, int slaveadr, QString newalias,
                                                                         int dir, bool update) {
  const QByteArray latin1 = newalias.toLatin1();
  const QString stored = TelemetrieLocked(QString(), [&](Store& t) {
    return t.KLX_TelemetrieGetSet_Slave_SlaveAlias(sensoradr, slaveadr, latin1.constData(), dir);
  });
  if (dir == AtomicDirSet && update && m_Telemetrie) KLX_DataBaseManagerTelemetrieMarkTelemetry(true);
  return stored;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(int sensoradr, int slaveadr) {
  return TelemetrieLocked(QString(), [&](Store& t) {
    const QString alias = t.KLX_TelemetrieGetSet_Slave_SlaveAlias(sensoradr, slaveadr, nullptr, AtomicDirGet);
    return alias.isEmpty() ? t.KLX_TelemetrieGetSet_Slave_SlaveLabel(sensoradr, slaveadr, nullptr, AtomicDirGet) : alias;
  });
}

const char* KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSlaveLabelChar(int sensoradr, int slaveadr) {
  return m_Telemetrie ? m_Telemetrie->KLX_TelemetrieGet_Slave_SlaveLabel(sensoradr, slaveadr) : nullptr;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGet_Slave_Alarm(int sensoradr, int slaveadr, int dir) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_Alarm(sensoradr, slaveadr, 0, dir); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSetSlaveMinValue(int sensoradr, int slaveadr, int value, int dir) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_SlaveMinValue(sensoradr, slaveadr, value, dir); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSetSlaveMaxValue(int sensoradr, int slaveadr, int value, int dir) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Slave_SlaveMaxValue(sensoradr, slaveadr, value, dir); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieResetSlaveMinValue(int sensoradr, int slaveadr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_Telemetrie_Reset_Slave_SlaveMinValue(sensoradr, slaveadr); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieResetSlaveMaxValue(int sensoradr, int slaveadr) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_Telemetrie_Reset_Slave_SlaveMaxValue(sensoradr, slaveadr); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetMenueIsUsed(int sensoradr, int menu) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Menue_IsUsed(sensoradr, menu, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetMenueDepth(int sensoradr, int menu) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Menue_NumberOfMenus(sensoradr, menu, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetMenueMaxSteps(int sensoradr, int menu, int menuitem) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Menue_MaxSteps(sensoradr, menu, menuitem, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetMenueToggle(int sensoradr, int menu, int menuitem) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Menue_Toggle(sensoradr, menu, menuitem, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetMenueDisplay(int sensoradr, int menu, int menuitem) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Menue_Display(sensoradr, menu, menuitem, 0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetMenueContinuous(int sensoradr, int menu, int menuitem) {
  return TelemetrieLocked(int(KLX_Error), [&](Store& t) { return t.KLX_TelemetrieGetSet_Menue_Continious(sensoradr, menu, menuitem, 0, AtomicDirGet); });
}

QString KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGuiGetMenueLabel(int sensoradr, int menu, int menuitem) {
  return TelemetrieLocked(QString(), [&](Store& t) { return t.KLX_TelemetrieGetSet_Menue_Label(sensoradr, menu, menuitem, nullptr, AtomicDirGet); });
}

QString KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGuiGetMenueValue(int sensoradr, int menu, int menuitem) {
  return TelemetrieLocked(QString(), [&](Store& t) { return t.KLX_TelemetrieGetSet_Menue_Value(sensoradr, menu, menuitem, nullptr, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetIsCaptured() {
  return TelemetrieLocked(0, [](Store& t) { return t.KLX_TelemetrieGetSet_IsCaptured(0, AtomicDirGet); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetIsSearching() {
  return TelemetrieLocked(0, [](Store& t) { return t.KLX_TelemetrieGetSet_IsSearching(false, AtomicDirGet) ? 1 : 0; });
}

void KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieSetSearching(bool searching) {
  TelemetrieLocked(0, [searching](Store& t) { return t.KLX_TelemetrieGetSet_IsSearching(searching, AtomicDirSet) ? 1 : 0; });
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieGetSet_AutoRescanAllowed(int value, int dir) {
  return TelemetrieLocked(0, [&](Store& t) { return t.KLX_TelemetrieGetSet_AutoRescanAllowed(value != 0, dir) ? 1 : 0; });
}

// ---- GPS fields ------------------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerGPSSensorGetLongitude() {
  return TelemetrieLocked(int(KLX_Telemetrie::kGpsInvalid), [](Store& t) { return t.KLX_TelemetrieGetLastSensorLongitude(); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerGPSSensorGetLatitude() {
  return TelemetrieLocked(int(KLX_Telemetrie::kGpsInvalid), [](Store& t) { return t.KLX_TelemetrieGetLastSensorLatitude(); });
}

// Without the store (before Initialize, after Free) every field reads 0.
#define KLX_GPS_FIELD(type, facade, store)                                   \
  type KLX_DataBaseManager::facade(type value, int dir) {                    \
    return m_GPS ? m_GPS->store(value, dir) : type(0);                       \
  }
KLX_GPS_FIELD(int, KLX_DataBaseManagerGPSGetSet_Latitude, KLX_GPSGetSet_Latitude)
KLX_GPS_FIELD(int, KLX_DataBaseManagerGPSGetSet_Longitude, KLX_GPSGetSet_Longitude)
KLX_GPS_FIELD(int, KLX_DataBaseManagerGPSGetSet_RawHight, KLX_GPSGetSet_RawHight)
KLX_GPS_FIELD(int, KLX_DataBaseManagerGPSGetSet_RawHeading, KLX_GPSGetSet_RawHeading)
KLX_GPS_FIELD(uint, KLX_DataBaseManagerGPSGetSet_RawSpeed, KLX_GPSGetSet_RawSpeed)
KLX_GPS_FIELD(int, KLX_DataBaseManagerGPSGetSet_GpsFix, KLX_GPSGetSet_GpsFix)
KLX_GPS_FIELD(int, KLX_DataBaseManagerGPSGetSet_CountSatelite, KLX_GPSGetSet_CountSatelite)
KLX_GPS_FIELD(int, KLX_DataBaseManagerGPSGetSet_Year, KLX_GPSGetSet_Year)
KLX_GPS_FIELD(int, KLX_DataBaseManagerGPSGetSet_Month, KLX_GPSGetSet_Month)
KLX_GPS_FIELD(int, KLX_DataBaseManagerGPSGetSet_Day, KLX_GPSGetSet_Day)
KLX_GPS_FIELD(int, KLX_DataBaseManagerGPSGetSet_Hour, KLX_GPSGetSet_Hour)
KLX_GPS_FIELD(int, KLX_DataBaseManagerGPSGetSet_Minute, KLX_GPSGetSet_Minute)
KLX_GPS_FIELD(int, KLX_DataBaseManagerGPSGetSet_Second, KLX_GPSGetSet_Second)
KLX_GPS_FIELD(int, KLX_DataBaseManagerGPSGetSet_TimeValidFlags, KLX_GPSGetSet_ValidityFlags)
#undef KLX_GPS_FIELD

int KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_Status(int status, int dir) {
  if (!m_GPS) return 0;
  const int stored = m_GPS->KLX_GPSGetSet_Status(status, dir);
  if (dir == AtomicDirSet) {
    // Satellites count only with a fix type the receiver reports (1 to 9).
    const int satellites = stored >= 1 && stored <= 9 ? m_GPS->KLX_GPSGetSet_CountSatelite(0, AtomicDirGet) : 0;
    emit gpsState(stored, satellites);
  }
  return stored;
}

int KLX_DataBaseManager::KLX_DataBaseManager_GPSLock() { return m_GPS ? m_GPS->KLX_GPSLock() : KLX_Error; }
int KLX_DataBaseManager::KLX_DataBaseManager_GPSUnlock() { return m_GPS ? m_GPS->KLX_GPSUnlock() : KLX_Error; }

// ---- Telemetry controls ------------------------------------------------------------------

int KLX_DataBaseManager::TeleControlField(int index, int dir, bool update, int result) {
  if (dir == AtomicDirSet && !Failed(result)) KLX_DataBaseManagerTeleControlMarkTeleContol(index, update);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlGetSet_IsUsed(int index, int value, int dir, bool update) {
  if (!m_TeleControl) return KLX_Error;
  return TeleControlField(index, dir, update, m_TeleControl->KLX_TeleControlGetSet_IsUsed(index, value, dir, update));
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlGetSet_SimulOn(int index, int value, int dir, bool update) {
  if (!m_TeleControl) return KLX_Error;
  return TeleControlField(index, dir, update, m_TeleControl->KLX_TeleControlGetSet_IsSimulating(index, value, dir, update));
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlGetSet_InvOutput(int index, int value, int dir, bool update) {
  if (!m_TeleControl) return KLX_Error;
  return TeleControlField(index, dir, update, m_TeleControl->KLX_TeleControlGetSet_InvOutput(index, value, dir, update));
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlGetSet_FullAddr(int index, int full, int dir, bool update) {
  if (!m_TeleControl) return KLX_Error;
  if (dir == AtomicDirSet) {
    if (full < 0) return KLX_Error;
    const int main = m_TeleControl->KLX_TeleControlGetSet_MainAddr(index, full & 0xFF, dir, update);
    if (Failed(main)) return main;
    const int slave = m_TeleControl->KLX_TeleControlGetSet_SlaveAddr(index, (full >> 8) & 0xFF, dir, update);
    if (Failed(slave)) return slave;
    KLX_DataBaseManagerTeleControlMarkTeleContol(index, update);
    return slave * 256 + main;
  }
  const int main = m_TeleControl->KLX_TeleControlGetSet_MainAddr(index, 0, dir, false);
  if (Failed(main)) return main;
  return m_TeleControl->KLX_TeleControlGetSet_SlaveAddr(index, 0, dir, false) * 256 + main;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlGetSet_DecPoint(int index, int value, int dir, bool update) {
  if (!m_TeleControl) return KLX_Error;
  return TeleControlField(index, dir, update, m_TeleControl->KLX_TeleControlGetSet_DecPoint(index, value, dir, update));
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlGetSet_SimulValue(int index, int value, int dir, bool update) {
  if (!m_TeleControl) return KLX_Error;
  return TeleControlField(index, dir, update, m_TeleControl->KLX_TeleControlGetSet_SimulValue(index, value, dir, update));
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlGetSet_FSafeValue(int index, int value, int dir, bool update) {
  if (!m_TeleControl) return KLX_Error;
  return TeleControlField(index, dir, update, m_TeleControl->KLX_TeleControlGetSet_FSafeValue(index, value, dir, update));
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlGetSet_Limit(int index, bool upper, int value, int dir,
                                                                   bool update) {
  if (!m_TeleControl) return KLX_Error;
  return TeleControlField(index, dir, update,
                          m_TeleControl->KLX_TeleControlGetSet_ValueLimit(index, upper, value, dir, update));
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlGetSet_DfltOutVal(int index, int value, int dir, bool update) {
  if (!m_TeleControl) return KLX_Error;
  return TeleControlField(index, dir, update, m_TeleControl->KLX_TeleControlGetSet_DfltOutValue(index, value, dir, update));
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlGetSet_OutControl(int index, int value, int dir, bool update) {
  if (!m_TeleControl) return KLX_Error;
  // A negative output changes nothing: nothing to mark.
  if (dir == AtomicDirSet && value < 0) dir = AtomicDirGet;
  return TeleControlField(index, dir, update, m_TeleControl->KLX_TeleControlGetSet_OutputCtrl(index, value, dir, update));
}

QString KLX_DataBaseManager::KLX_DataBaseManagerTeleControlGetSet_Name(int index, QString name, int dir) {
  if (!m_TeleControl) return QString();
  const QString stored = m_TeleControl->KLX_TeleControlGetSet_Name(index, name, dir);
  // Names are model data, kept in the model file.
  if (dir == AtomicDirSet && !stored.isEmpty()) KLX_DataBaseManagerTeleControlMarkTeleContol(index, true);
  return stored;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlCopyUnit(int index, unsigned char* buffer) {
  return m_TeleControl ? m_TeleControl->KLX_TeleControlCopyUnit(index, buffer) : int(KLX_Error);
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlCopySingleUnit(int index, T_TelemetryControl* record) {
  // The engine thread copies a marked record this way: marking it again here
  // would have it copied on every pass.
  return m_TeleControl ? m_TeleControl->KLX_TeleControlCopySingleUnit(index, record) : int(KLX_Error);
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlClear(int index) {
  if (!m_TeleControl || m_TeleControl->KLX_TeleControlDelete(index) != KLX_Ok) return KLX_Error;
  KLX_DataBaseManagerTeleControlMarkTeleContol(index, true);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlClear(T_TelemetryControl* record) {
  if (!m_TeleControl || !record) return KLX_Error;
  m_TeleControl->KLX_TeleControlSetToDefaultValues(record);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlGetNextFreeIndex() {
  return m_TeleControl ? m_TeleControl->KLX_TeleControlGetNextFreeIndex() : int(KLX_Error);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetTeleControlRawValue(int index) {
  return m_TeleControl ? m_TeleControl->KLX_TeleControlGetRawSensorValue(index) : 0;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlDelete(int index) {
  if (!m_TeleControl || m_TeleControl->KLX_TeleControlDelete(index) != KLX_Ok) return KLX_Error;
  // The control's id stands nowhere in the model any more.
  const int control = KLX_ControlOfTelemetryControl(index);
  if (m_Function && m_Function->KLX_FunctionReplace_ControlAll(control, 0))
    for (int i = 0; i < KLX_DataBaseManagerGetMaxFunctions(); ++i) KLX_DataBaseManagerFunctionMarkFunction(i, true);
  if (m_Mixer && m_Mixer->KLX_MixerReplace_ControlAll(control, 0))
    for (int i = 0; i < KLX_DataBaseManagerGetMaxMixer(); ++i) KLX_DataBaseManagerFunctionMarkMixer(i, true);
  if (m_Switch && m_Switch->KLX_SwitchReplace_InputControlAll(control, 0))
    for (int i = 0; i < KLX_DataBaseManagerGetMaxVirualSwitches(); ++i) KLX_DataBaseManagerSwitchMarkSwitch(i, true);
  if (m_Sequencer && m_Sequencer->KLX_SequencerReplace_ControlAll(control, 0))
    for (int i = 0; i < KLX_DataBaseManagerGetMaxSequncer(); ++i) KLX_DataBaseManagerFunctionMarkSequencer(i, true);
  // The vario is switched by this control no more; another activation is kept.
  if (KLX_DataBaseManagerGetSetVarioActivationControlId(0, AtomicDirGet) == control)
    KLX_DataBaseManagerGetSetVarioActivationControlId(0, AtomicDirSet, true);
  KLX_DataBaseManagerTeleControlMarkTeleContol(index, true);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTeleControlGet_ByControlID(int id) {
  const int index = id - KLX_TeleControl::kFirstControlId;
  return index >= 0 && index < KLX_DataBaseManagerGetMaxTeleControls() ? index : int(KLX_Error);
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelecontrolGet_OutputValue(int index, bool percent) {
  return m_Runtime ? m_Runtime->KLX_RuntimeDatabaseManagerGetTelemetryControlOutput(index, percent) : int(KLX_Error);
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelecontrolIsVSOutputControl(int vs) {
  return m_TeleControl ? m_TeleControl->KLX_TeleControl_IsVSwAsAnyOfOutputControls(vs) : int(KLX_Error);
}
