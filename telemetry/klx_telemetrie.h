#pragma once
// The model's table of telemetry sensors: one record per sensor-bus address
// (0..254) with the sensor's description, up to 32 values with their
// descriptions and the last value received with its running maximum and
// minimum, and up to 8 remote menus of 16 items. A telemetry value is known
// everywhere by the pair (main address, value index).
//
// Accessors take the record indices, the value and `dir`: 0 sets (clamped
// into the field's limits, never refused), any other value gets. A bad index
// is reported and answered with Indexes_Out_Of_Range (a text accessor with an
// empty text). Texts are kept as 8-bit characters and read back as Latin-1.
//
// Readers take the store's lock (KLX_TelemetrieLock); so does the live path
// while it writes, briefly.
#include <QMutex>
#include <QObject>
#include <QString>

#include <cstdint>

#include <atomic>

#include "frame/klx_basedatabase.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_livevalues.h"

class KLX_Telemetrie : public QObject, public KLX_DataBaseTransmitter, public KLX_BaseClassDatabase {
  Q_OBJECT
 public:
  static constexpr int kSensors = 255;
  static constexpr int kValues = 32;
  static constexpr int kMenus = 8;
  static constexpr int kMenuItems = 16;
  // The transmitter's own sensor.
  static constexpr int kOwnSensor = 4;
  static constexpr int kGpsInvalid = 0x7FFFFFFF;

  struct Value {
    uint8_t isUsed;
    uint8_t firstValuePending;
    uint8_t slaveAddress;
    uint8_t priority;
    uint8_t alarm;  // the flag in bits 0-6, bit 7: changed and not yet read
    uint8_t decPoint;
    char label[11];
    char alias[11];
    char unit[7];
    uint8_t hasGps;
    int32_t latitude;
    int32_t longitude;
    uint8_t hasStatus;
    int16_t value;
    int16_t max;
    int16_t min;
    char status[17];
  };
  struct MenuItem {
    uint8_t maxSteps;
    uint8_t toggle;
    uint8_t display;
    uint8_t continuous;
    char label[17];
    char value[17];
  };
  struct Menu {
    uint8_t isUsed;
    uint8_t numberOfItems;
    MenuItem items[kMenuItems];
  };
  struct Sensor {
    uint8_t isUsed;
    uint8_t menusRead;
    uint16_t mainAddress;
    char name[17];
    char alias[17];
    uint8_t numberOfValues;
    uint8_t hasStatus;
    uint8_t hasMenu;
    uint8_t hasGps;
    uint8_t isOffline;
    uint8_t noResponseCount;
    Value values[kValues];
    Menu menus[kMenus];
  };

  explicit KLX_Telemetrie(QObject* parent = nullptr);
  ~KLX_Telemetrie() override;

  int KLX_TelemetrieInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }
  int KLX_TelemetrieLock() {
    m_Mutex.lock();
    return KLX_Ok;
  }
  // A writer's changes are told to the screens when it lets go.
  int KLX_TelemetrieUnlock() {
    m_Mutex.unlock();
    // With no screens to tell, what changed is forgotten.
    if (m_Live)
      m_Live->KLX_LiveValuesSensorsChanged(&m_Changed);
    else
      m_Changed.Clear();
    return KLX_Ok;
  }
  void KLX_TelemetrieSetLiveValues(KLX_LiveValues* live) { m_Live = live; }

  // ---- Store-wide fields ----
  int KLX_TelemetrieGetSet_IsCaptured(int value, int dir);
  bool KLX_TelemetrieGetSet_AutoRescanAllowed(bool allowed, int dir);
  // The capture waits for the transceiver's sensor scan and asks again
  // later; the table is not complete meanwhile.
  bool KLX_TelemetrieGetSet_IsSearching(bool searching, int dir);
  // The automatic-rescan flags of the alarm evaluation: 0 recording was
  // started, 1 the automatic rescans are used up.
  int KLX_TelemetrieGetSet_AutoRescanFlag(int flag, int value, int dir);
  int KLX_TelemetrieGetGPSInvalid() const { return kGpsInvalid; }
  int KLX_TelemetrieGetLastSensorLongitude() const { return m_LastLongitude; }
  int KLX_TelemetrieGetLastSensorLatitude() const { return m_LastLatitude; }

  // ---- Sensor fields ----
  int KLX_TelemetrieGetSet_SensorIsOffline(int sensor, int value, int dir);
  int KLX_TelemetrieGetSet_SensorIsUsed(int sensor, int value, int dir);
  int KLX_TelemetrieGetSet_SensorMainAdress(int sensor, int value, int dir);
  QString KLX_TelemetrieGetSet_SensorName(int sensor, const char* name, int dir);
  QString KLX_TelemetrieGetSet_SensorAlias(int sensor, const char* alias, int dir);
  int KLX_TelemetrieGetSet_NumberOfSensorValues(int sensor, int value, int dir);
  int KLX_TelemetrieGetSet_HasSensorStatus(int sensor, int value, int dir);
  int KLX_TelemetrieGetSet_HasSensorGPS(int sensor, int value, int dir);
  int KLX_TelemetrieGetSet_HasSensorMenu(int sensor, int value, int dir);

  // ---- Value fields ----
  int KLX_TelemetrieGetSet_Slave_IsUsed(int sensor, int slave, int value, int dir);
  int KLX_TelemetrieGetSet_Slave_HasGPS(int sensor, int slave, int value, int dir);
  int KLX_TelemetrieGetSet_Slave_HasStatus(int sensor, int slave, int value, int dir);
  int KLX_TelemetrieGetSet_Slave_SlaveAdress(int sensor, int slave, int value, int dir);
  int KLX_TelemetrieGetSet_Slave_DecPoint(int sensor, int slave, int value, int dir);
  int KLX_TelemetrieGetSet_Slave_SlavePriority(int sensor, int slave, int value, int dir);
  // dir 3 reads and clears the changed bit (the answer still has it).
  int KLX_TelemetrieGetSet_Slave_Alarm(int sensor, int slave, int value, int dir);
  QString KLX_TelemetrieGetSet_Slave_SlaveLabel(int sensor, int slave, const char* label, int dir);
  QString KLX_TelemetrieGetSet_Slave_SlaveAlias(int sensor, int slave, const char* alias, int dir);
  QString KLX_TelemetrieGetSet_Slave_SlaveUnit(int sensor, int slave, const char* unit, int dir);
  int KLX_TelemetrieGetSet_Slave_Latitude(int sensor, int slave, int value, int dir);
  int KLX_TelemetrieGetSet_Slave_Longtitude(int sensor, int slave, int value, int dir);
  QString KLX_TelemetrieGetSet_Slave_SlaveStatus(int sensor, int slave, const char* status, int dir);
  int KLX_TelemetrieGetSet_Slave_SlaveValue(int sensor, int slave, int value, int dir);
  int KLX_TelemetrieGetSet_Slave_SlaveMaxValue(int sensor, int slave, int value, int dir);
  int KLX_TelemetrieGetSet_Slave_SlaveMinValue(int sensor, int slave, int value, int dir);
  // The stored label itself (no copy), null for a bad index (not reported).
  const char* KLX_TelemetrieGet_Slave_SlaveLabel(int sensor, int slave) const;
  int KLX_Telemetrie_Reset_Slave_SlaveMaxValue(int sensor, int slave);
  int KLX_Telemetrie_Reset_Slave_SlaveMinValue(int sensor, int slave);

  // ---- Menus ----
  int KLX_TelemetrieGetSet_Menue_IsUsed(int sensor, int menu, int value, int dir);
  int KLX_TelemetrieGetSet_Menue_IsRead(int sensor, int value, int dir);
  int KLX_TelemetrieGetSet_Menue_NumberOfMenus(int sensor, int menu, int value, int dir);
  int KLX_TelemetrieGetSet_Menue_MaxSteps(int sensor, int menu, int item, int value, int dir);
  int KLX_TelemetrieGetSet_Menue_Toggle(int sensor, int menu, int item, int value, int dir);
  int KLX_TelemetrieGetSet_Menue_Display(int sensor, int menu, int item, int value, int dir);
  int KLX_TelemetrieGetSet_Menue_Continious(int sensor, int menu, int item, int value, int dir);
  QString KLX_TelemetrieGetSet_Menue_Label(int sensor, int menu, int item, const char* label, int dir);
  QString KLX_TelemetrieGetSet_Menue_Value(int sensor, int menu, int item, const char* value, int dir);

  // ---- Whole records ----
  // Counts a no-response report; the sensor goes offline once the count has
  // reached 25 reports (10 with fast set). 1, or Indexes_Out_Of_Range.
  int KLX_TelemetrieHandleNoResponseFromSensor(int sensor, bool fast);
  void KLX_TelemetrieSetSensorToDefaultValues(int sensor, bool keepAliases);
  void KLX_TelemetrieClearAllData(bool keepAliases);
  int KLX_TelemetrieSet_SensorMove(int from, int to);
  // The whole record of a sensor for readers that hold the lock (the log);
  // null for a bad address (not reported).
  const Sensor* KLX_TelemetrieSensorRecord(int sensor) const {
    return sensor >= 0 && sensor < kSensors ? &m_Sensors[sensor] : nullptr;
  }

 private:
  // Element ids of the limits table.
  enum Element : unsigned char {
    ElCaptured = 1,
    ElFlag,
    ElMainAddress,
    ElNumberOfValues,
    ElSlaveAddress,
    ElByte,
    ElValue,
    ElMenuItems,
    ElSteps,
    ElRescanFlag,
  };

  bool SensorOk(int sensor, unsigned errCode, bool addressText) const;
  bool ValueOk(int sensor, int slave, unsigned errCode) const;
  bool MenuOk(int sensor, int menu, unsigned errCode) const;
  bool ItemOk(int sensor, int menu, int item, unsigned errCode) const;
  int Clamp(Element element, int value) const;
  static void Report(unsigned code, int sensor, bool addressText);
  static QString Text(const char* field, int size);
  // Whether the field changed.
  static bool SetText(char* field, int size, const char* text);
  int SensorByte(int sensor, uint8_t Sensor::*field, Element element, int value, int dir, unsigned errCode,
                 bool addressText = false);
  int ValueByte(int sensor, int slave, uint8_t Value::*field, Element element, int value, int dir,
                unsigned errCode);
  int ItemByte(int sensor, int menu, int item, uint8_t MenuItem::*field, Element element, int value, int dir,
               unsigned errCode);
  void MarkOnline(Sensor& s) {
    Note(static_cast<int>(&s - m_Sensors), s.isOffline != 0);
    s.isOffline = 0;
    s.noResponseCount = 0;
  }
  // A shown field of the sensor at this address got a new value.
  void Note(int sensor, bool changed) {
    if (changed) m_Changed.Add(sensor);
  }
  // The table as a whole changed.
  void NoteAll() { m_Changed.AddAll(); }

  QMutex m_Mutex;
  BorderData_T m_Border;
  Sensor* m_Sensors;
  int m_Captured = 0;
  bool m_AutoRescanAllowed = true;
  bool m_Searching = false;
  uint8_t m_AutoRescanFlags[2] = {0, 0};
  int m_LastLongitude = kGpsInvalid;
  int m_LastLatitude = kGpsInvalid;
  KLX_SensorChanges m_Changed;
  KLX_LiveValues* m_Live = nullptr;
};
