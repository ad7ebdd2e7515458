#include "sim/csimsensors.h"

#include <QMutexLocker>
#include <QSet>

#include <algorithm>

#include "sim/csimcontrollers.h"
#include "sim/csimcontrols.h"
#include "sim/csimmessageids.h"

namespace {
constexpr int kCommandLive = 0;
constexpr int kFrameSize = 19;
constexpr int kTextSize = 16;

QByteArray Header(int address, int kind) {
  QByteArray frame;
  frame.append(char(address)).append(char(kCommandLive)).append(char(kind));
  return frame;
}

void BigEndian16(QByteArray& out, int v) { out.append(char((v >> 8) & 0xFF)).append(char(v & 0xFF)); }

void LittleEndian32(QByteArray& out, qint32 v) {
  for (int i = 0; i < 4; ++i) out.append(char((quint32(v) >> (8 * i)) & 0xFF));
}
}  // namespace

QByteArray CSimSensors::ValueFrame(int address, int first, const int values[8], bool alarm) {
  QByteArray frame = Header(address, (first & 0x1F) | (alarm ? kAlarmBit : 0));
  for (int i = 0; i < 8; ++i) BigEndian16(frame, values[i]);
  return frame;
}

QByteArray CSimSensors::GpsFrame(int address, int first, const int values[4], qint32 longitude, qint32 latitude,
                                 bool alarm) {
  QByteArray frame = Header(address, (first & 0x1F) | kGpsBit | (alarm ? kAlarmBit : 0));
  for (int i = 0; i < 4; ++i) BigEndian16(frame, values[i]);
  LittleEndian32(frame, longitude);
  LittleEndian32(frame, latitude);
  return frame;
}

QByteArray CSimSensors::StatusFrame(int address, int index, const QByteArray& text, bool alarm) {
  QByteArray frame = Header(address, (index & 0x1F) | kStatusBit | (alarm ? kAlarmBit : 0));
  frame.append(text.left(kTextSize));
  frame.append(QByteArray(kFrameSize - frame.size(), '\0'));
  return frame;
}

CSimSensors::Sensor* CSimSensors::Find(int address) {
  auto it = m_Sensors.find(address);
  return it == m_Sensors.end() ? nullptr : &it.value();
}

void CSimSensors::Add(int address, const QByteArray& name) {
  QMutexLocker lock(&m_Mutex);
  m_Sensors[address].name = name;
}

void CSimSensors::Remove(int address) {
  QMutexLocker lock(&m_Mutex);
  m_Sensors.remove(address);
}

void CSimSensors::Clear() {
  QMutexLocker lock(&m_Mutex);
  m_Sensors.clear();
}

QList<int> CSimSensors::Addresses() const {
  QMutexLocker lock(&m_Mutex);
  return m_Sensors.keys();
}

void CSimSensors::SetValue(int address, int index, int value) {
  if (index < 0 || index >= kValues) return;
  QMutexLocker lock(&m_Mutex);
  Reading& v = m_Sensors[address].values[index];
  v.value = value;
  // A moving value moves on from the value set.
  v.motion.startMs = -1;
}

int CSimSensors::Value(int address, int index) const {
  QMutexLocker lock(&m_Mutex);
  auto sensor = m_Sensors.constFind(address);
  if (sensor == m_Sensors.constEnd()) return 0;
  return sensor->values.value(index).value;
}

void CSimSensors::Describe(int address, int index, const QByteArray& label, const QByteArray& unit, int decimals) {
  if (index < 0 || index >= kValues) return;
  QMutexLocker lock(&m_Mutex);
  Reading& v = m_Sensors[address].values[index];
  v.label = label;
  v.unit = unit;
  v.decimals = decimals;
}

void CSimSensors::SetStatus(int address, int index, const QByteArray& text) {
  QMutexLocker lock(&m_Mutex);
  Sensor& s = m_Sensors[address];
  s.statusIndex = index;
  s.status = text;
}

void CSimSensors::SetGps(int address, int first, qint32 longitude, qint32 latitude) {
  QMutexLocker lock(&m_Mutex);
  Sensor& s = m_Sensors[address];
  s.gpsFirst = first;
  s.longitude = longitude;
  s.latitude = latitude;
}

void CSimSensors::SetAlarm(int address, bool on) {
  QMutexLocker lock(&m_Mutex);
  m_Sensors[address].alarm = on;
}

void CSimSensors::SetSilent(int address, bool silent) {
  QMutexLocker lock(&m_Mutex);
  if (Sensor* s = Find(address)) s->silent = silent;
}

bool CSimSensors::Silent(int address) const {
  QMutexLocker lock(&m_Mutex);
  auto sensor = m_Sensors.constFind(address);
  return sensor != m_Sensors.constEnd() && sensor->silent;
}

void CSimSensors::Ramp(int address, int index, int perSecond, int limit) {
  if (index < 0 || index >= kValues) return;
  QMutexLocker lock(&m_Mutex);
  Motion& m = m_Sensors[address].values[index].motion;
  m = Motion{};
  m.kind = Motion::Ramp;
  m.perSecond = perSecond;
  m.limit = limit;
}

void CSimSensors::Follow(int address, int index, int controlId, int fullScale) {
  if (index < 0 || index >= kValues) return;
  QMutexLocker lock(&m_Mutex);
  Motion& m = m_Sensors[address].values[index].motion;
  m = Motion{};
  m.kind = Motion::Follow;
  m.control = controlId;
  m.fullScale = fullScale;
}

QList<CSimSensors::Message> CSimSensors::Cycle(qint64 nowMs) {
  // The followed controls are read first: the bus has a lock of its own.
  QSet<int> followed;
  {
    QMutexLocker lock(&m_Mutex);
    for (const Sensor& s : m_Sensors)
      for (const Reading& v : s.values)
        if (v.motion.kind == Motion::Follow) followed.insert(v.motion.control);
  }
  QMap<int, int> positions;
  for (int id : followed) positions[id] = m_Bus.Control(id);

  QList<Message> out;
  QMutexLocker lock(&m_Mutex);
  for (auto it = m_Sensors.begin(); it != m_Sensors.end(); ++it) {
    const int address = it.key();
    Sensor& s = it.value();
    if (s.silent) {
      out.append({SimTransceiverSensorSilent, QByteArray(1, char(address))});
      continue;
    }
    // Moving values first.
    for (Reading& v : s.values) {
      Motion& m = v.motion;
      if (m.kind == Motion::Follow) {
        const int position = positions.value(m.control);
        v.value = position <= -2048 ? 0 : position * m.fullScale / CSimControls::kMax;
      } else if (m.kind == Motion::Ramp) {
        if (m.startMs < 0) {
          m.startMs = nowMs;
          m.startValue = v.value;
        }
        const qint64 moved = qint64(m.perSecond) * (nowMs - m.startMs) / 1000;
        const qint64 value = m.startValue + moved;
        v.value = int(m.perSecond < 0 ? qMax<qint64>(value, m.limit) : qMin<qint64>(value, m.limit));
      }
    }
    // Numbers by groups of eight, the position and the status text in frames of their own.
    QSet<int> groups;
    for (auto v = s.values.constBegin(); v != s.values.constEnd(); ++v) {
      const int index = v.key();
      if (index == s.statusIndex) continue;
      if (s.gpsFirst >= 0 && index >= s.gpsFirst && index < s.gpsFirst + 8) continue;
      groups.insert(index / 8);
    }
    QList<int> ordered = groups.values();
    std::sort(ordered.begin(), ordered.end());
    for (int g : ordered) {
      int values[8];
      for (int i = 0; i < 8; ++i) values[i] = s.values.value(g * 8 + i).value;
      out.append({SimTransceiverSensorFrame, ValueFrame(address, g * 8, values, s.alarm)});
    }
    if (s.gpsFirst >= 0) {
      int values[4];
      for (int i = 0; i < 4; ++i) values[i] = s.values.value(s.gpsFirst + i).value;
      out.append({SimTransceiverSensorFrame, GpsFrame(address, s.gpsFirst, values, s.longitude, s.latitude, s.alarm)});
    }
    if (s.statusIndex >= 0)
      out.append({SimTransceiverSensorFrame, StatusFrame(address, s.statusIndex, s.status, s.alarm)});
  }
  return out;
}

void CSimSensors::AddDefaultSet() {
  Add(kBatteryAddress, "Battery");
  Describe(kBatteryAddress, 0, "Voltage", "V", 2);
  SetValue(kBatteryAddress, 0, 1260);
  // 12.60 V sinking by 0.01 V a second, down to 10.50 V.
  Ramp(kBatteryAddress, 0, -1, 1050);

  Add(kVarioAddress, "Vario");
  Describe(kVarioAddress, 0, "Climb", "m/s", 1);
  // The right stick up and down: -10.0 .. +10.0 m/s.
  Follow(kVarioAddress, 0, CSimControls::kStickC, 100);

  Add(kStatusAddress, "Status");
  SetStatus(kStatusAddress, 24, "Ready");
}
