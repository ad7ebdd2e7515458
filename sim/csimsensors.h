#pragma once
// The sensors on the sensor bus behind the simulated receiver. Each has an
// address, a name and up to 32 values: numbers (with a label, unit and
// decimal places), a status text, a GPS position. The transceiver polls them
// every kCycleMs: a sensor answers with its live frames (message 51, command
// 0), a silent one is reported with message 52. A test sets the values; a
// value may also move by itself: a ramp towards a limit, or following one
// of the panel's controls.
//
// Asked by the transceiver, the sensors describe themselves (one main
// information per sensor, message 48, and one description per value,
// message 49: the numbers, the GPS coordinates and the status text), answer
// the commands the program sends through the transceiver (message 194:
// their menu structure, each entry's label and value, a changed toggle or
// value, a new address, the factory address on a reset) with sensor-bus
// frames (message 51, commands 3 to 6). Menu labels and values follow the
// language and measure system each command carries (German or English;
// metric or imperial).
//
// Knobs: a silent sensor, an absent one (a sensor that appears later), a
// description left out, answers that name another sensor.
//
// Frames are built here, from the bus layout, apart from the program's parser.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QPair>
#include <QSet>

class CSimControllers;

class CSimSensors {
 public:
  static constexpr int kCycleMs = 100;
  static constexpr int kValues = 32;
  // Byte 2 of a live frame.
  static constexpr int kStatusBit = 0x20;
  static constexpr int kGpsBit = 0x40;
  static constexpr int kAlarmBit = 0x80;
  // The default set of the desktop run.
  static constexpr int kBatteryAddress = 16;
  static constexpr int kVarioAddress = 17;
  static constexpr int kStatusAddress = 18;

  // One message of a poll cycle or an answer.
  struct Message {
    int id;
    QByteArray data;
  };
  // An item of a sensor's menu; labels and units are Latin-1, at most 16
  // characters. A value item steps between min and max (the step the
  // command gives); its text shows it with its decimals and unit, in the
  // imperial unit (value x factor) when the command asks for that. A display
  // item shows a live value of the sensor (followValue) or its status text.
  struct MenuItem {
    enum Kind { Number, Toggle, Display };
    Kind kind = Number;
    QByteArray label;
    QByteArray labelDe;
    int value = 0;
    int min = 0;
    int max = 0;
    int decimals = 0;
    QByteArray unit;
    QByteArray imperialUnit;
    double imperialFactor = 1.0;
    int stepCode = 0;  // the largest step: 0 gives 1, 1 gives 10, 2 gives 100
    bool continuous = false;
    int followValue = -1;
    bool followStatus = false;
  };
  struct Menu {
    QByteArray head;
    QByteArray headDe;
    QList<MenuItem> items;  // at most 15
  };
  // What the sensors were asked.
  struct Counters {
    int descriptionRequests = 0;
    int descriptionsSent = 0;  // main information and value descriptions
    int structureRequests = 0;
    int nameRequests = 0;
    int valueRequests = 0;
    int changes = 0;  // toggles and steps taken
    int addressChanges = 0;
  };

  explicit CSimSensors(CSimControllers& bus) : m_Bus(bus) {}

  void Add(int address, const QByteArray& name);
  void Remove(int address);
  void Clear();
  // The sensors on the bus (not the receivers' and own sensor's menus).
  QList<int> Addresses() const;

  // A number at value index 0..31 (its group of eight goes out together).
  void SetValue(int address, int index, int value);
  int Value(int address, int index) const;
  void Describe(int address, int index, const QByteArray& label, const QByteArray& unit, int decimals);
  // The status text at value index (sent as a frame of its own).
  void SetStatus(int address, int index, const QByteArray& text);
  // A position: values first..first+3 and the coordinates (1e-7 degree)
  // that belong to first+4 (longitude) and first+6 (latitude).
  void SetGps(int address, int first, qint32 longitude, qint32 latitude);
  // The position follows the GPS receiver's track around the transmitter (CSimGps).
  void FollowTrack(int address, bool on);
  void SetAlarm(int address, bool on);
  // A silent sensor is reported as not answering.
  void SetSilent(int address, bool silent);
  bool Silent(int address) const;

  // The value moves by perSecond each second from its present value, and stops at limit.
  void Ramp(int address, int index, int perSecond, int limit);
  // The value follows a control of the panel: -2047..2047 becomes -fullScale..fullScale.
  void Follow(int address, int index, int controlId, int fullScale);

  // What one poll at `nowMs` sends, sensors in address order.
  QList<Message> Cycle(qint64 nowMs);
  // A battery voltage that sinks, a vario that follows the right stick, a
  // status sensor; each with a menu. Beside them the menus of the receivers
  // and of the transmitter's own sensor (AddDeviceMenus).
  void AddDefaultSet();
  // The receiver bound in slot n answers its menu at address n (0 to 3),
  // the transmitter's own sensor at 4. Neither is found by a sensor scan
  // nor polled: they answer menu commands only.
  void AddDeviceMenus();
  static constexpr int kOwnSensorAddress = 4;
  static constexpr int kReceiverSlots = 4;
  // A GPS receiver (speed, altitude, satellites and its position) at `address`.
  void AddGps(int address);

  // ---- Descriptions and commands ----
  void AddMenu(int address, const Menu& menu);
  // The menu item's value as the sensor holds it (entry 1 is item 0).
  int MenuValue(int address, int menu, int entry) const;
  // The sensors the transceiver finds on the bus.
  int Present() const;
  // Every present sensor's descriptions, in address order.
  QList<Message> Descriptions();
  // The answers to one command frame (none when no sensor answers it).
  QList<Message> Command(const QByteArray& frame);
  // An absent sensor is not on the bus: not found, not polled, no answers.
  void SetAbsent(int address, bool absent);
  // A description left out: the main information (index -1) or a value's.
  void SetMissingDescription(int address, int index);
  // The sensor's answers to commands carry `other` as their address (-1: its own).
  void SetAnswerAddress(int address, int other);
  // Where the sensor at `address` was first put (a reset brings it back there).
  int FactoryAddress(int address) const;
  Counters Seen() const;

  static QByteArray ValueFrame(int address, int first, const int values[8], bool alarm = false);
  static QByteArray GpsFrame(int address, int first, const int values[4], qint32 longitude, qint32 latitude,
                             bool alarm = false);
  static QByteArray StatusFrame(int address, int index, const QByteArray& text, bool alarm = false);

 private:
  struct Motion {
    enum Kind { None, Ramp, Follow } kind = None;
    int perSecond = 0;
    int limit = 0;
    int control = 0;
    int fullScale = 0;
    qint64 startMs = -1;
    int startValue = 0;
  };
  struct Reading {
    int value = 0;
    QByteArray label;
    QByteArray unit;
    int decimals = 0;
    Motion motion;
  };
  struct Sensor {
    int factoryAddress = -1;
    QByteArray name;
    QMap<int, Reading> values;
    int statusIndex = -1;
    QByteArray status;
    int gpsFirst = -1;
    qint32 longitude = 0;
    qint32 latitude = 0;
    bool onTrack = false;
    bool alarm = false;
    bool silent = false;
    bool absent = false;
    QSet<int> missing;  // descriptions left out, -1 the main information
    int answerAddress = -1;
    QList<Menu> menus;
    // Menus only, off the bus: the own sensor, or a receiver (its slot),
    // which answers only while bound.
    bool offBus = false;
    int receiverSlot = -1;
  };

  Sensor* Find(int address);
  // Under m_Mutex: on the bus and answering.
  static bool Answers(const Sensor& s) { return !s.silent && !s.absent && !s.offBus; }
  // Under m_Mutex: the number of values the main information announces.
  static int NumberOfValues(const Sensor& s);
  QByteArray ItemText(const Sensor& s, const MenuItem& item, bool imperial, bool german) const;
  // Under m_Mutex: the moving values at `nowMs`.
  void Move(qint64 nowMs);

  CSimControllers& m_Bus;
  mutable QMutex m_Mutex;
  QMap<int, Sensor> m_Sensors;
  Counters m_Counters;
};
