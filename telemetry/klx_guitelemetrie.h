#pragma once
// The telemetry display pages of the current model: 10 pages of up to 20
// widgets placed at pixel positions. A value widget carries up to 32 sensors
// (by sensor main address), each up to 32 of its values (by value index),
// and every value its own red and yellow limits above and below with their
// alert kinds, sounds, texts and run-time states, its blink flag and the
// sensor's and value's names and aliases as they were when it was placed.
//
// Accessors take the indices, a value and `dir`: 0 writes (clamped into the
// field's limits, then cut to the field's width), any other value reads. A
// bad index is reported (class 5) and answered with Indexes_Out_Of_Range, a
// text accessor with an empty text.
//
// The GUI, the timers-and-alarms thread, the task engine and the model file
// all use the store; every operation holds its lock for that one operation.
#include <QMutex>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

#include "frame/klx_basedatabase.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_livevalues.h"

// Numeric fields of an element: (accessor name, member, field id).
#define KLX_GUITELE_ELEMENT_NUMBERS(X) \
  X(IsUsed, isUsed, 2)                 \
  X(Typ, typ, 3)                       \
  X(XPos, xPos, 5)                     \
  X(YPos, yPos, 6)                     \
  X(Size, size, 7)                     \
  X(TimerID, timerId, 8)               \
  X(ServoID, servoId, 9)               \
  X(Presentation, presentation, 14)

// Text fields of an element: (accessor name, member).
#define KLX_GUITELE_ELEMENT_TEXTS(X) \
  X(LabelText, labelText)            \
  X(QuickLinkWidgetEntry, quickLinkEntry) \
  X(QuickLinkWidgetIcon, quickLinkIcon)

// Numeric fields of a widget value: (store name, facade name, member, field
// id, error code of a bad index, whether a write belongs in the model file).
#define KLX_GUITELE_VALUE_NUMBERS(X)                                                                       \
  X(Element_SensorData_SensorSlaveAdress, Element_SensorData_SensorSlaveAdress, slaveAddress, 11, 0x51C04, true) \
  X(Element_SensorData_SensorData, Element_SensorData_SensorData, sensorData, -1, 0x51C04, true)               \
  X(Element_Slave_IsUsed, Element_Slave_IsUsed, isUsed, 13, 0x51C03, true)                                    \
  X(Element_Slave_RedAlertAbove, Slave_RedAlertAbove, redAbove, 16, 0x51C03, true)                            \
  X(Element_Slave_RedAlertBelow, Slave_RedAlertBelow, redBelow, 16, 0x51C03, true)                            \
  X(Element_Slave_YellowAlertAbove, Slave_YellowAlertAbove, yellowAbove, 16, 0x51C03, true)                   \
  X(Element_Slave_YellowAlertBelow, Slave_YellowAlertBelow, yellowBelow, 16, 0x51C03, true)                   \
  X(Element_Slave_RedAlertAboveType, Slave_RedAlertAboveType, redAboveType, 15, 0x51C03, true)                \
  X(Element_Slave_RedAlertBelowType, Slave_RedAlertBelowType, redBelowType, 15, 0x51C03, true)                \
  X(Element_Slave_YellowAlertAboveType, Slave_YellowAlertAboveType, yellowAboveType, 15, 0x51C03, true)       \
  X(Element_Slave_YellowAlertBelowType, Slave_YellowAlertBelowType, yellowBelowType, 15, 0x51C03, true)       \
  X(Element_Slave_AlertType, Slave_AlertType, alertType, 15, 0x51C18, true)                                   \
  X(Element_Slave_AlertSignalType, Slave_AlertSignalType, alertSignalType, 18, 0x51C18, true)                 \
  X(Element_Slave_RedAlertAboveState, Slave_RedAlertAboveState, redAboveState, 17, 0x51C03, false)            \
  X(Element_Slave_RedAlertBelowState, Slave_RedAlertBelowState, redBelowState, 17, 0x51C03, false)            \
  X(Element_Slave_YellowAlertAboveState, Slave_YellowAlertAboveState, yellowAboveState, 17, 0x51C03, false)   \
  X(Element_Slave_YellowAlertBelowState, Slave_YellowAlertBelowState, yellowBelowState, 17, 0x51C03, false)

// Text fields of a widget value: (store name, facade name, member, whether a
// write belongs in the model file).
#define KLX_GUITELE_VALUE_TEXTS(X)                                                                \
  X(Element_Slave_RedAlertAboveSound, Slave_RedAlertAboveSound, redAboveSound, true)             \
  X(Element_Slave_RedAlertBelowSound, Slave_RedAlertBelowSound, redBelowSound, true)             \
  X(Element_Slave_RedAlertAboveText, Slave_RedAlertAboveText, redAboveText, true)                \
  X(Element_Slave_RedAlertBelowText, Slave_RedAlertBelowText, redBelowText, true)                \
  X(Element_Slave_YellowAlertAboveSound, Slave_YellowAlertAboveSound, yellowAboveSound, true)    \
  X(Element_Slave_YellowAlertBelowSound, Slave_YellowAlertBelowSound, yellowBelowSound, true)    \
  X(Element_Slave_YellowAlertAboveText, Slave_YellowAlertAboveText, yellowAboveText, true)       \
  X(Element_Slave_YellowAlertBelowText, Slave_YellowAlertBelowText, yellowBelowText, true)       \
  X(Element_Slave_SlaveName, Slave_SlaveName, slaveName, true)                                   \
  X(Element_Slave_SlaveAlias, Slave_SlaveAlias, slaveAlias, false)

class KLX_GUITelemetrie : public QObject, public KLX_BaseClassDatabase {
  Q_OBJECT
 public:
  static constexpr int kPages = 10;
  static constexpr int kElements = 20;
  static constexpr int kSensors = 32;
  static constexpr int kValues = 32;

  explicit KLX_GUITelemetrie(QObject* parent = nullptr);
  ~KLX_GUITelemetrie() override;

  int KLX_GUITelemetrieInitialize() { return KLX_Ok; }
  void KLX_GUITelemetrieClearAll();

  int KLX_GUITelemetrieGetNumberPagesInUse();
  // KLX_Error for a bad page.
  int KLX_GUITelemetrieGetNumberTelemetieElementsInUse(int page);

  // ---- Widgets: the new element's index; Max_Gui_Elements_Reached when the
  // page is full, KLX_Error for a size outside 1..4 ----
  int KLX_GUITelemetrieCreateNewTimerWidgetOnPage(int page, int xpos, int ypos, int size, int timerID);
  int KLX_GUITelemetrieCreateNewServoWidgetOnPage(int page, int xpos, int ypos, int size, int servoID);
  int KLX_GUITelemetrieCreateQuickLinkWidgetOnPage(int page, int xpos, int ypos, int size, const QString& entry,
                                                   const QString& icon);
  int KLX_GUITelemetrieCreateNewValueWidgetOnPage(int page, int xpos, int ypos, int size);
  int KLX_GUITelemetrieCreateNewMInfoWidgetOnPage(int page, int xpos, int ypos, int size, const QString& filename);
  int KLX_GUITelemetrieCreateModelImageOnPage(int page, int xpos, int ypos);
  // The new slot's index; Max_Gui_Sensors_Reached when none is free.
  int KLX_GUITelemetrieCreateNewSensorOnWidget(int page, int element, int mainadress);
  int KLX_GUITelemetrieCreateNewSlaveOnWidget(int page, int element, int sensor, int slaveadress);

  // Deletes clear and do not renumber; 1.
  int KLX_GUITelemetrieDeletePage(int page);
  int KLX_GUITelemetrieDeleteElement(int page, int element);
  int KLX_GUITelemetrieDeleteSensor(int page, int element, int sensor);
  int KLX_GUITelemetrieDeleteSlave(int page, int element, int sensor, int slave);
  // Every widget sensor in use on address `from` moves to `to`; 1.
  int KLX_GUITelemetrieMoveSensor(unsigned char from, unsigned char to);

  // ---- Fields ----
  int KLX_GUITelemetrieGetSet_PageIsUsed(int page, int value, int dir);
#define KLX_GUITELE_ELEMENT_NUMBER_DECL(name, member, id) \
  int KLX_GUITelemetrieGetSet_Element_##name(int page, int element, int value, int dir);
  KLX_GUITELE_ELEMENT_NUMBERS(KLX_GUITELE_ELEMENT_NUMBER_DECL)
#undef KLX_GUITELE_ELEMENT_NUMBER_DECL
#define KLX_GUITELE_ELEMENT_TEXT_DECL(name, member) \
  QString KLX_GUITelemetrieGetSet_Element_##name(int page, int element, const QString& text, int dir);
  KLX_GUITELE_ELEMENT_TEXTS(KLX_GUITELE_ELEMENT_TEXT_DECL)
#undef KLX_GUITELE_ELEMENT_TEXT_DECL
  int KLX_GUITelemetrieGetSet_Element_WidgetData_IsUsed(int page, int element, int sensor, int value, int dir);
  int KLX_GUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(int page, int element, int sensor, int value,
                                                                  int dir);
  int KLX_GUITelemetrieGet_Element_Sensor_IsUsed(int page, int element, int sensor);
  QString KLX_GUITelemetrieGetSet_Element_SensorName(int page, int element, int sensor, const QString& text, int dir);
  QString KLX_GUITelemetrieGetSet_Element_SensorAlias(int page, int element, int sensor, const QString& text,
                                                      int dir);
#define KLX_GUITELE_VALUE_NUMBER_DECL(store, facade, member, id, err, mark) \
  int KLX_GUITelemetrieGetSet_##store(int page, int element, int sensor, int slave, int value, int dir);
  KLX_GUITELE_VALUE_NUMBERS(KLX_GUITELE_VALUE_NUMBER_DECL)
#undef KLX_GUITELE_VALUE_NUMBER_DECL
#define KLX_GUITELE_VALUE_TEXT_DECL(store, facade, member, mark)                                              \
  QString KLX_GUITelemetrieGetSet_##store(int page, int element, int sensor, int slave, const QString& text, \
                                          int dir);
  KLX_GUITELE_VALUE_TEXTS(KLX_GUITELE_VALUE_TEXT_DECL)
#undef KLX_GUITELE_VALUE_TEXT_DECL
  // A write of 0 clears the flag, a positive value is ORed into it, a
  // negative one changes nothing; the flag (0 for a bad index).
  int KLX_GUITelemetrieGetSet_ElementAtPage_IsBlinking(int page, int element, int sensor, int slave, int value,
                                                       int dir);

  // The screens hear of changed alarm marks and states through this.
  void KLX_GUITelemetrieSetLiveValues(KLX_LiveValues* live) { m_Live = live; }

 private:
  struct Value {
    uint8_t isUsed = 0;
    uint16_t slaveAddress = 0;
    int32_t sensorData = 0;
    int16_t redAbove = 32767;
    int16_t redBelow = -32768;
    int16_t yellowAbove = 32767;
    int16_t yellowBelow = -32768;
    uint8_t redAboveState = 0;
    uint8_t redBelowState = 0;
    uint8_t yellowAboveState = 0;
    uint8_t yellowBelowState = 0;
    uint8_t redAboveType = 0;
    uint8_t redBelowType = 0;
    uint8_t yellowAboveType = 0;
    uint8_t yellowBelowType = 0;
    uint8_t alertType = 0;
    uint8_t alertSignalType = 0;
    uint8_t isBlinking = 0;
    QString redAboveSound, redBelowSound, redAboveText, redBelowText;
    QString yellowAboveSound, yellowBelowSound, yellowAboveText, yellowBelowText;
    QString slaveName;
    QString slaveAlias;
  };
  struct Sensor {
    uint8_t isUsed = 0;
    uint16_t mainAddress = 0;
    // Handed out for writing since its values were last cleared; a clear
    // passes over the values of one that was not (a reset before each
    // model load meets mostly those).
    bool touched = false;
    QString name;
    QString alias;
    Value values[kValues];
  };
  struct Element {
    uint8_t isUsed = 0;
    uint16_t typ = KLX_WIDGET_TYPE_NONE;
    uint16_t xPos = 0;
    uint16_t yPos = 0;
    uint16_t size = TELEGUISIZE_Small;
    uint8_t presentation = TELEGUISIZE_Single;
    uint16_t timerId = 0;
    uint16_t servoId = KLX_WIDGET_SERVO_NONE;
    QString labelText;
    QString quickLinkEntry;
    QString quickLinkIcon;
    // Made when the element's sensors are first written: most widgets have none.
    std::unique_ptr<Sensor[]> sensors;
  };
  struct Page {
    uint8_t isUsed = 0;
    Element elements[kElements];
  };

  bool Ok(unsigned code, int page, const int* element = nullptr, const int* sensor = nullptr,
          const int* slave = nullptr) const;
  int Clamp(int fieldId, int value) const;
  // Under the lock: what reads see of a sensor slot (the cleared slot when
  // the element has none yet), and the slot a write changes.
  const Sensor& ReadSensor(int page, int element, int sensor) const;
  Sensor& WriteSensor(int page, int element, int sensor);
  static void ClearValue(Value& v);
  static void ClearSensor(Sensor& s);
  static void ClearElement(Element& e);
  int CreateWidget(int page, int xpos, int ypos, int size, int kind, bool sizeChecked);
  void CheckSetForMultipleSensors(int page, int element);

  // A shown mark or alarm state got a new value.
  void Note(bool changed) {
    if (changed && m_Live) m_Live->KLX_LiveValuesChanged(KLX_DatabaseValues::LIVE_Marks);
  }

  mutable QMutex m_Mutex;
  BorderData_T m_Border;
  Page m_Pages[kPages];
  KLX_LiveValues* m_Live = nullptr;
};
