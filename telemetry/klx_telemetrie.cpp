#include "telemetry/klx_telemetrie.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>

#include "frame/klx_errorhandler.h"

namespace {
// Bad-index reports of the store (class 5, module 0x1D), by field.
constexpr unsigned kErrSensorUsed = 0x51D01;
constexpr unsigned kErrMainAddress = 0x51D02;
constexpr unsigned kErrName = 0x51D03;
constexpr unsigned kErrNumberOfValues = 0x51D04;
constexpr unsigned kErrHasStatus = 0x51D05;
constexpr unsigned kErrHasMenu = 0x51D06;
constexpr unsigned kErrSlaveUsed = 0x51D07;
constexpr unsigned kErrSlaveAddress = 0x51D08;
constexpr unsigned kErrPriority = 0x51D09;
constexpr unsigned kErrLabel = 0x51D0A;
constexpr unsigned kErrValue = 0x51D0B;
constexpr unsigned kErrUnit = 0x51D0C;
constexpr unsigned kErrLatitude = 0x51D0D;
constexpr unsigned kErrLongitude = 0x51D0E;
constexpr unsigned kErrStatus = 0x51D0F;
constexpr unsigned kErrMenuUsed = 0x51D10;
constexpr unsigned kErrMenuItems = 0x51D11;
constexpr unsigned kErrMaxSteps = 0x51D12;
constexpr unsigned kErrToggle = 0x51D13;  // also the item label
constexpr unsigned kErrSlaveFlags = 0x51D14;
constexpr unsigned kErrDecPoint = 0x51D15;
constexpr unsigned kErrResetMin = 0x51D16;
constexpr unsigned kErrResetMax = 0x51D17;
constexpr unsigned kErrAlarm = 0x51D18;
constexpr unsigned kErrMenuValue = 0x51D19;
constexpr unsigned kErrMenusRead = 0x51D1A;
constexpr unsigned kErrMove = 0x51D1B;
constexpr unsigned kErrHasGps = 0x51D1C;
constexpr unsigned kErrDisplay = 0x51D1D;
constexpr unsigned kErrContinuous = 0x51D1E;
constexpr unsigned kErrNoResponse = 0x51D1F;
constexpr unsigned kErrOffline = 0x51D20;

constexpr uint8_t kAlarmChanged = 0x80;
constexpr uint8_t kNoDecimalPoint = 255;
constexpr int kNoResponseLimit = 25;
constexpr int kNoResponseLimitFast = 10;
// The own sensor keeps its descriptions through a clear; only its link
// figures (values 4 to 7) start again from 0.
constexpr int kOwnLinkFirst = 4;
constexpr int kOwnLinkLast = 7;
}  // namespace

KLX_Telemetrie::KLX_Telemetrie(QObject* parent) : QObject(parent), m_Sensors(new Sensor[kSensors]) {
  std::memset(&m_Border, 0, sizeof(m_Border));
  auto limit = [this](Element e, int64_t min, int64_t max) {
    m_Border.Min[e] = min;
    m_Border.Max[e] = max;
  };
  limit(ElCaptured, 0, 1);
  limit(ElFlag, 0, 1);
  limit(ElMainAddress, 0, 254);
  limit(ElNumberOfValues, 0, 31);
  limit(ElSlaveAddress, 0, 31);
  limit(ElByte, 0, 255);
  limit(ElValue, -32768, 32767);
  limit(ElMenuItems, 0, 127);
  limit(ElSteps, 0, 127);
  limit(ElRescanFlag, 0, 255);
  m_Border.IndexMax[0] = kSensors;
  m_Border.IndexMax[1] = kValues;
  m_Border.IndexMax[2] = kMenus;
  m_Border.IndexMax[3] = kMenuItems;
  for (int s = 0; s < kSensors; ++s) KLX_TelemetrieSetSensorToDefaultValues(s, false);
}

KLX_Telemetrie::~KLX_Telemetrie() { delete[] m_Sensors; }

// ---- checks and helpers ------------------------------------------------------------

void KLX_Telemetrie::Report(unsigned code, int sensor, bool addressText) {
  KLXErrorHandler.RegisterError(code, addressText ? QStringLiteral("sensor addr: ") + QString::number(sensor)
                                                  : QString());
}

bool KLX_Telemetrie::SensorOk(int sensor, unsigned errCode, bool addressText) const {
  if (KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &sensor)) return true;
  Report(errCode, sensor, addressText);
  return false;
}

bool KLX_Telemetrie::ValueOk(int sensor, int slave, unsigned errCode) const {
  if (KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &sensor, &slave)) return true;
  Report(errCode, sensor, false);
  return false;
}

bool KLX_Telemetrie::MenuOk(int sensor, int menu, unsigned errCode) const {
  if (KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &sensor, nullptr, &menu)) return true;
  Report(errCode, sensor, false);
  return false;
}

bool KLX_Telemetrie::ItemOk(int sensor, int menu, int item, unsigned errCode) const {
  if (KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &sensor, nullptr, &menu, &item)) return true;
  Report(errCode, sensor, false);
  return false;
}

int KLX_Telemetrie::Clamp(Element element, int value) const {
  KLX_BaseClassDatabaseCheckBorderAtomicElement(element, &value, &m_Border);
  return value;
}

QString KLX_Telemetrie::Text(const char* field, int size) {
  return QString::fromLatin1(field, static_cast<int>(strnlen(field, static_cast<size_t>(size))));
}

bool KLX_Telemetrie::SetText(char* field, int size, const char* text) {
  // A field keeps size - 1 bytes of text and zeros behind them.
  const size_t keep = static_cast<size_t>(size) - 1;
  if (std::strncmp(field, text ? text : "", keep) == 0) return false;
  std::memset(field, 0, static_cast<size_t>(size));
  if (text) std::strncpy(field, text, keep);
  return true;
}

int KLX_Telemetrie::SensorByte(int sensor, uint8_t Sensor::*field, Element element, int value, int dir,
                               unsigned errCode, bool addressText) {
  if (!SensorOk(sensor, errCode, addressText)) return Indexes_Out_Of_Range;
  uint8_t& stored = m_Sensors[sensor].*field;
  if (dir == AtomicDirSet) {
    const uint8_t next = static_cast<uint8_t>(Clamp(element, value));
    Note(sensor, stored != next);
    stored = next;
  }
  return stored;
}

int KLX_Telemetrie::ValueByte(int sensor, int slave, uint8_t Value::*field, Element element, int value, int dir,
                              unsigned errCode) {
  if (!ValueOk(sensor, slave, errCode)) return Indexes_Out_Of_Range;
  uint8_t& stored = m_Sensors[sensor].values[slave].*field;
  if (dir == AtomicDirSet) {
    const uint8_t next = static_cast<uint8_t>(Clamp(element, value));
    Note(sensor, stored != next);
    stored = next;
  }
  return stored;
}

int KLX_Telemetrie::ItemByte(int sensor, int menu, int item, uint8_t MenuItem::*field, Element element, int value,
                             int dir, unsigned errCode) {
  if (!ItemOk(sensor, menu, item, errCode)) return Indexes_Out_Of_Range;
  uint8_t& stored = m_Sensors[sensor].menus[menu].items[item].*field;
  if (dir == AtomicDirSet) {
    const uint8_t next = static_cast<uint8_t>(Clamp(element, value));
    Note(sensor, stored != next);
    stored = next;
  }
  return stored;
}

// ---- store-wide fields -----------------------------------------------------------------

int KLX_Telemetrie::KLX_TelemetrieGetSet_IsCaptured(int value, int dir) {
  if (dir == AtomicDirSet) {
    const int next = Clamp(ElCaptured, value);
    if (m_Captured != next) NoteAll();
    m_Captured = next;
  }
  return m_Captured;
}

bool KLX_Telemetrie::KLX_TelemetrieGetSet_IsSearching(bool searching, int dir) {
  if (dir == AtomicDirSet) m_Searching = searching;
  return m_Searching;
}

bool KLX_Telemetrie::KLX_TelemetrieGetSet_AutoRescanAllowed(bool allowed, int dir) {
  if (dir == AtomicDirSet) m_AutoRescanAllowed = allowed;
  return m_AutoRescanAllowed;
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_AutoRescanFlag(int flag, int value, int dir) {
  if (flag < 0 || flag > 1) return Indexes_Out_Of_Range;
  if (dir == AtomicDirSet) m_AutoRescanFlags[flag] = static_cast<uint8_t>(Clamp(ElRescanFlag, value));
  return m_AutoRescanFlags[flag];
}

// ---- sensor fields --------------------------------------------------------------------

int KLX_Telemetrie::KLX_TelemetrieGetSet_SensorIsOffline(int sensor, int value, int dir) {
  return SensorByte(sensor, &Sensor::isOffline, ElFlag, value, dir, kErrOffline, true);
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_SensorIsUsed(int sensor, int value, int dir) {
  return SensorByte(sensor, &Sensor::isUsed, ElFlag, value, dir, kErrSensorUsed, true);
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_SensorMainAdress(int sensor, int value, int dir) {
  if (!SensorOk(sensor, kErrMainAddress, false)) return Indexes_Out_Of_Range;
  if (dir == AtomicDirSet) m_Sensors[sensor].mainAddress = static_cast<uint16_t>(Clamp(ElMainAddress, value));
  return m_Sensors[sensor].mainAddress;
}

QString KLX_Telemetrie::KLX_TelemetrieGetSet_SensorName(int sensor, const char* name, int dir) {
  if (!SensorOk(sensor, kErrName, false)) return QString();
  Sensor& s = m_Sensors[sensor];
  if (dir == AtomicDirSet) Note(sensor, SetText(s.name, sizeof(s.name), name));
  return Text(s.name, sizeof(s.name));
}

QString KLX_Telemetrie::KLX_TelemetrieGetSet_SensorAlias(int sensor, const char* alias, int dir) {
  if (!SensorOk(sensor, kErrName, false)) return QString();
  Sensor& s = m_Sensors[sensor];
  if (dir == AtomicDirSet) Note(sensor, SetText(s.alias, sizeof(s.alias), alias));
  return Text(s.alias, sizeof(s.alias));
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_NumberOfSensorValues(int sensor, int value, int dir) {
  return SensorByte(sensor, &Sensor::numberOfValues, ElNumberOfValues, value, dir, kErrNumberOfValues);
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_HasSensorStatus(int sensor, int value, int dir) {
  return SensorByte(sensor, &Sensor::hasStatus, ElFlag, value, dir, kErrHasStatus);
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_HasSensorGPS(int sensor, int value, int dir) {
  return SensorByte(sensor, &Sensor::hasGps, ElFlag, value, dir, kErrHasGps);
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_HasSensorMenu(int sensor, int value, int dir) {
  return SensorByte(sensor, &Sensor::hasMenu, ElFlag, value, dir, kErrHasMenu);
}

// ---- value fields ---------------------------------------------------------------------

int KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_IsUsed(int sensor, int slave, int value, int dir) {
  return ValueByte(sensor, slave, &Value::isUsed, ElFlag, value, dir, kErrSlaveUsed);
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_HasGPS(int sensor, int slave, int value, int dir) {
  const int result = ValueByte(sensor, slave, &Value::hasGps, ElFlag, value, dir, kErrSlaveFlags);
  if (dir == AtomicDirSet && result >= 0) m_Sensors[sensor].values[slave].slaveAddress = static_cast<uint8_t>(slave);
  return result;
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_HasStatus(int sensor, int slave, int value, int dir) {
  return ValueByte(sensor, slave, &Value::hasStatus, ElFlag, value, dir, kErrSlaveFlags);
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_SlaveAdress(int sensor, int slave, int value, int dir) {
  return ValueByte(sensor, slave, &Value::slaveAddress, ElSlaveAddress, value, dir, kErrSlaveAddress);
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_DecPoint(int sensor, int slave, int value, int dir) {
  return ValueByte(sensor, slave, &Value::decPoint, ElByte, value, dir, kErrDecPoint);
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_SlavePriority(int sensor, int slave, int value, int dir) {
  return ValueByte(sensor, slave, &Value::priority, ElByte, value, dir, kErrPriority);
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_Alarm(int sensor, int slave, int value, int dir) {
  if (!ValueOk(sensor, slave, kErrAlarm)) return Indexes_Out_Of_Range;
  uint8_t& alarm = m_Sensors[sensor].values[slave].alarm;
  if (dir == AtomicDirSet) {
    const uint8_t flag = static_cast<uint8_t>(Clamp(ElFlag, value));
    // The same flag again, already read: nothing changed.
    if (!(alarm & kAlarmChanged) && alarm == flag) return flag;
    Note(sensor, (alarm & ~kAlarmChanged) != flag);
    alarm = flag | kAlarmChanged;
    return alarm;
  }
  const int read = alarm;
  if (dir == AtomicDirGetForcibly) alarm &= static_cast<uint8_t>(~kAlarmChanged);
  return read;
}

QString KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_SlaveLabel(int sensor, int slave, const char* label, int dir) {
  if (!ValueOk(sensor, slave, kErrLabel)) return QString();
  Value& v = m_Sensors[sensor].values[slave];
  if (dir == AtomicDirSet) Note(sensor, SetText(v.label, sizeof(v.label), label));
  return Text(v.label, sizeof(v.label));
}

QString KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_SlaveAlias(int sensor, int slave, const char* alias, int dir) {
  if (!ValueOk(sensor, slave, kErrLabel)) return QString();
  Value& v = m_Sensors[sensor].values[slave];
  if (dir == AtomicDirSet) Note(sensor, SetText(v.alias, sizeof(v.alias), alias));
  return Text(v.alias, sizeof(v.alias));
}

QString KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_SlaveUnit(int sensor, int slave, const char* unit, int dir) {
  if (!ValueOk(sensor, slave, kErrUnit)) return QString();
  Value& v = m_Sensors[sensor].values[slave];
  if (dir == AtomicDirSet) Note(sensor, SetText(v.unit, sizeof(v.unit), unit));
  return Text(v.unit, sizeof(v.unit));
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_Latitude(int sensor, int slave, int value, int dir) {
  if (!ValueOk(sensor, slave, kErrLatitude)) return Indexes_Out_Of_Range;
  Sensor& s = m_Sensors[sensor];
  if (dir == AtomicDirSet) {
    Note(sensor, s.values[slave].latitude != value);
    s.values[slave].latitude = value;
    MarkOnline(s);
    if (sensor != kOwnSensor) m_LastLatitude = value;
  }
  return s.values[slave].latitude;
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_Longtitude(int sensor, int slave, int value, int dir) {
  if (!ValueOk(sensor, slave, kErrLongitude)) return Indexes_Out_Of_Range;
  Sensor& s = m_Sensors[sensor];
  if (dir == AtomicDirSet) {
    Note(sensor, s.values[slave].longitude != value);
    s.values[slave].longitude = value;
    MarkOnline(s);
    if (sensor != kOwnSensor) m_LastLongitude = value;
  }
  return s.values[slave].longitude;
}

QString KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_SlaveStatus(int sensor, int slave, const char* status, int dir) {
  if (!ValueOk(sensor, slave, kErrStatus)) return QString();
  Sensor& s = m_Sensors[sensor];
  Value& v = s.values[slave];
  if (dir == AtomicDirSet) {
    Note(sensor, SetText(v.status, sizeof(v.status), status));
    MarkOnline(s);
  }
  return Text(v.status, sizeof(v.status));
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_SlaveValue(int sensor, int slave, int value, int dir) {
  if (!ValueOk(sensor, slave, kErrValue)) return Indexes_Out_Of_Range;
  Sensor& s = m_Sensors[sensor];
  Value& v = s.values[slave];
  if (dir != AtomicDirSet) return v.value;
  const int16_t next = static_cast<int16_t>(Clamp(ElValue, value));
  Note(sensor, v.value != next || v.firstValuePending);
  v.value = next;
  MarkOnline(s);
  if (v.firstValuePending) {
    v.max = v.min = v.value;
    v.firstValuePending = 0;
  }
  if (v.value > v.max) v.max = v.value;
  if (v.value < v.min) v.min = v.value;
  return v.value;
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_SlaveMaxValue(int sensor, int slave, int value, int dir) {
  if (!ValueOk(sensor, slave, kErrValue)) return Indexes_Out_Of_Range;
  Value& v = m_Sensors[sensor].values[slave];
  if (dir == AtomicDirSet) {
    Note(sensor, true);
    v.max = static_cast<int16_t>(qBound(-32768, value, 32767));
  }
  return v.max;
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Slave_SlaveMinValue(int sensor, int slave, int value, int dir) {
  if (!ValueOk(sensor, slave, kErrValue)) return Indexes_Out_Of_Range;
  Value& v = m_Sensors[sensor].values[slave];
  if (dir == AtomicDirSet) {
    Note(sensor, true);
    v.min = static_cast<int16_t>(qBound(-32768, value, 32767));
  }
  return v.min;
}

const char* KLX_Telemetrie::KLX_TelemetrieGet_Slave_SlaveLabel(int sensor, int slave) const {
  if (sensor < 0 || sensor >= kSensors || slave < 0 || slave >= kValues) return nullptr;
  return m_Sensors[sensor].values[slave].label;
}

int KLX_Telemetrie::KLX_Telemetrie_Reset_Slave_SlaveMaxValue(int sensor, int slave) {
  if (!ValueOk(sensor, slave, kErrResetMax)) return Indexes_Out_Of_Range;
  Value& v = m_Sensors[sensor].values[slave];
  Note(sensor, v.max != v.value);
  v.max = v.value;
  return KLX_Ok;
}

int KLX_Telemetrie::KLX_Telemetrie_Reset_Slave_SlaveMinValue(int sensor, int slave) {
  if (!ValueOk(sensor, slave, kErrResetMin)) return Indexes_Out_Of_Range;
  Value& v = m_Sensors[sensor].values[slave];
  Note(sensor, v.min != v.value);
  v.min = v.value;
  return KLX_Ok;
}

// ---- menus --------------------------------------------------------------------------------

int KLX_Telemetrie::KLX_TelemetrieGetSet_Menue_IsUsed(int sensor, int menu, int value, int dir) {
  if (!MenuOk(sensor, menu, kErrMenuUsed)) return Indexes_Out_Of_Range;
  uint8_t& stored = m_Sensors[sensor].menus[menu].isUsed;
  if (dir == AtomicDirSet) stored = static_cast<uint8_t>(Clamp(ElFlag, value));
  return stored;
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Menue_IsRead(int sensor, int value, int dir) {
  return SensorByte(sensor, &Sensor::menusRead, ElFlag, value, dir, kErrMenusRead);
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Menue_NumberOfMenus(int sensor, int menu, int value, int dir) {
  if (!MenuOk(sensor, menu, kErrMenuItems)) return Indexes_Out_Of_Range;
  uint8_t& stored = m_Sensors[sensor].menus[menu].numberOfItems;
  if (dir == AtomicDirSet) stored = static_cast<uint8_t>(Clamp(ElMenuItems, value));
  return stored;
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Menue_MaxSteps(int sensor, int menu, int item, int value, int dir) {
  return ItemByte(sensor, menu, item, &MenuItem::maxSteps, ElSteps, value, dir, kErrMaxSteps);
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Menue_Toggle(int sensor, int menu, int item, int value, int dir) {
  return ItemByte(sensor, menu, item, &MenuItem::toggle, ElFlag, value, dir, kErrToggle);
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Menue_Display(int sensor, int menu, int item, int value, int dir) {
  return ItemByte(sensor, menu, item, &MenuItem::display, ElFlag, value, dir, kErrDisplay);
}

int KLX_Telemetrie::KLX_TelemetrieGetSet_Menue_Continious(int sensor, int menu, int item, int value, int dir) {
  return ItemByte(sensor, menu, item, &MenuItem::continuous, ElFlag, value, dir, kErrContinuous);
}

QString KLX_Telemetrie::KLX_TelemetrieGetSet_Menue_Label(int sensor, int menu, int item, const char* label,
                                                         int dir) {
  if (!ItemOk(sensor, menu, item, kErrToggle)) return QString();
  MenuItem& i = m_Sensors[sensor].menus[menu].items[item];
  if (dir == AtomicDirSet) SetText(i.label, sizeof(i.label), label);
  return Text(i.label, sizeof(i.label));
}

QString KLX_Telemetrie::KLX_TelemetrieGetSet_Menue_Value(int sensor, int menu, int item, const char* value,
                                                         int dir) {
  if (!ItemOk(sensor, menu, item, kErrMenuValue)) return QString();
  MenuItem& i = m_Sensors[sensor].menus[menu].items[item];
  if (dir == AtomicDirSet) SetText(i.value, sizeof(i.value), value);
  return Text(i.value, sizeof(i.value));
}

// ---- whole records ------------------------------------------------------------------------

int KLX_Telemetrie::KLX_TelemetrieHandleNoResponseFromSensor(int sensor, bool fast) {
  if (!SensorOk(sensor, kErrNoResponse, true)) return Indexes_Out_Of_Range;
  Sensor& s = m_Sensors[sensor];
  const int limit = fast ? kNoResponseLimitFast : kNoResponseLimit;
  const uint8_t offline = s.noResponseCount < limit ? 0 : 1;
  if (!offline) ++s.noResponseCount;
  Note(sensor, s.isOffline != offline);
  s.isOffline = offline;
  return KLX_Ok;
}

void KLX_Telemetrie::KLX_TelemetrieSetSensorToDefaultValues(int sensor, bool keepAliases) {
  if (sensor < 0 || sensor >= kSensors) return;
  Sensor& s = m_Sensors[sensor];
  char alias[sizeof(s.alias)];
  char valueAliases[kValues][sizeof(Value::alias)];
  if (keepAliases) {
    std::memcpy(alias, s.alias, sizeof(alias));
    for (int v = 0; v < kValues; ++v) std::memcpy(valueAliases[v], s.values[v].alias, sizeof(valueAliases[v]));
  }
  std::memset(&s, 0, sizeof(s));
  Note(sensor, true);
  s.isOffline = 1;
  for (Value& v : s.values) {
    v.firstValuePending = 1;
    v.decPoint = kNoDecimalPoint;
  }
  if (keepAliases) {
    std::memcpy(s.alias, alias, sizeof(alias));
    for (int v = 0; v < kValues; ++v) std::memcpy(s.values[v].alias, valueAliases[v], sizeof(valueAliases[v]));
  }
}

void KLX_Telemetrie::KLX_TelemetrieClearAllData(bool keepAliases) {
  NoteAll();
  m_Captured = 0;
  if (keepAliases) {
    qInfo("  ->   Clear telemetry data, keeping aliases...");
  } else {
    qInfo("  ->   Clear all telemetry data...");
    m_AutoRescanAllowed = true;
    m_AutoRescanFlags[0] = m_AutoRescanFlags[1] = 0;
  }
  for (int s = 0; s < kSensors; ++s)
    if (s != kOwnSensor) KLX_TelemetrieSetSensorToDefaultValues(s, keepAliases);
  for (int v = kOwnLinkFirst; v <= kOwnLinkLast; ++v) {
    Value& value = m_Sensors[kOwnSensor].values[v];
    value.value = value.max = value.min = 0;
  }
}

int KLX_Telemetrie::KLX_TelemetrieSet_SensorMove(int from, int to) {
  if (!KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &from) || !KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &to)) {
    KLXErrorHandler.RegisterError(kErrMove, QString());
    return KLX_Error;
  }
  if (from == to) return KLX_Ok;
  NoteAll();
  m_Sensors[to] = m_Sensors[from];
  m_Sensors[to].mainAddress = static_cast<uint16_t>(to);
  KLX_TelemetrieSetSensorToDefaultValues(from, false);
  return KLX_Ok;
}
