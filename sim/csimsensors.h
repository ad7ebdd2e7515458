#pragma once
// The sensors on the sensor bus behind the simulated receiver. Each has an
// address, a name and up to 32 values: numbers (with a label, unit and
// decimal places), a status text, a GPS position. The transceiver polls them
// every kCycleMs: a sensor answers with its live frames (message 51, command
// 0), a silent one is reported with message 52. A test sets the values; a
// value may also move by itself: a ramp towards a limit, or following one
// of the panel's controls.
//
// Frames are built here, from the bus layout, apart from the program's parser.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QPair>

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

  // One message of a poll cycle.
  struct Message {
    int id;
    QByteArray data;
  };

  explicit CSimSensors(CSimControllers& bus) : m_Bus(bus) {}

  void Add(int address, const QByteArray& name);
  void Remove(int address);
  void Clear();
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
  // A battery voltage that sinks, a vario that follows the right stick, a status sensor.
  void AddDefaultSet();

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
    QByteArray name;
    QMap<int, Reading> values;
    int statusIndex = -1;
    QByteArray status;
    int gpsFirst = -1;
    qint32 longitude = 0;
    qint32 latitude = 0;
    bool alarm = false;
    bool silent = false;
  };

  Sensor* Find(int address);
  // Under m_Mutex: the moving values at `nowMs`.
  void Move(qint64 nowMs);

  CSimControllers& m_Bus;
  mutable QMutex m_Mutex;
  QMap<int, Sensor> m_Sensors;
};
