#include "sim/csimsensors.h"
#include "sim/csimgps.h"

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
// Sensor-bus commands (the high half of a command frame's first byte) and
// the answers they get, which carry the command at offset 1.
constexpr int kCommandStructure = 3;
constexpr int kCommandName = 4;
constexpr int kCommandValue = 5;
constexpr int kCommandAddress = 6;
constexpr int kCommandFrameSize = 5;
constexpr int kResetAddressBit = 0x80;
constexpr int kMenus = 8;
constexpr int kMenuItems = 15;
constexpr int kLabelSize = 10;
constexpr int kUnitSize = 6;
// Byte 3 of a command: bits 2-4 the language (0 German), bit 1 imperial, bit 0 up.
constexpr int kLanguageGerman = 0;
// Byte 2 of a value description.
constexpr int kDescribesStatus = 0x04;
constexpr int kDescribesGps = 0x08;
// The flags of a menu entry's name answer.
constexpr int kEntryToggle = 0x04;
constexpr int kEntryDisplay = 0x08;
constexpr int kEntryContinuous = 0x80;
constexpr int kLongitudeOffset = 4;
constexpr int kLatitudeOffset = 6;

QByteArray Field(const QByteArray& text, int size) {
  QByteArray out = text.left(size);
  out.append(QByteArray(size - out.size(), '\0'));
  return out;
}

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
  Sensor& s = m_Sensors[address];
  s.name = name;
  if (s.factoryAddress < 0) s.factoryAddress = address;
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
  QList<int> on;
  for (auto it = m_Sensors.constBegin(); it != m_Sensors.constEnd(); ++it)
    if (!it->offBus) on << it.key();
  return on;
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
    if (s.absent || s.offBus) continue;
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
      if (s.onTrack) CSimGps::ModelOnTrack(nowMs, &s.longitude, &s.latitude);
      int values[4];
      for (int i = 0; i < 4; ++i) values[i] = s.values.value(s.gpsFirst + i).value;
      out.append({SimTransceiverSensorFrame, GpsFrame(address, s.gpsFirst, values, s.longitude, s.latitude, s.alarm)});
    }
    if (s.statusIndex >= 0)
      out.append({SimTransceiverSensorFrame, StatusFrame(address, s.statusIndex, s.status, s.alarm)});
  }
  return out;
}

namespace {
CSimSensors::MenuItem Number(const char* label, const char* labelDe, int value, int min, int max, int decimals,
                             const char* unit, int stepCode) {
  CSimSensors::MenuItem item;
  item.label = label;
  item.labelDe = labelDe;
  item.value = value;
  item.min = min;
  item.max = max;
  item.decimals = decimals;
  item.unit = unit;
  item.stepCode = stepCode;
  return item;
}

CSimSensors::MenuItem Toggle(const char* label, const char* labelDe, bool on) {
  CSimSensors::MenuItem item;
  item.kind = CSimSensors::MenuItem::Toggle;
  item.label = label;
  item.labelDe = labelDe;
  item.value = on ? 1 : 0;
  item.max = 1;
  return item;
}

CSimSensors::MenuItem Shows(const char* label, const char* labelDe, int value, int decimals, const char* unit) {
  CSimSensors::MenuItem item;
  item.kind = CSimSensors::MenuItem::Display;
  item.label = label;
  item.labelDe = labelDe;
  item.followValue = value;
  item.decimals = decimals;
  item.unit = unit;
  item.continuous = true;
  return item;
}

CSimSensors::MenuItem InFeet(CSimSensors::MenuItem item, const char* unit) {
  item.imperialUnit = unit;
  item.imperialFactor = 3.28084;
  return item;
}
}  // namespace

void CSimSensors::AddDefaultSet() {
  Add(kBatteryAddress, "Battery");
  Describe(kBatteryAddress, 0, "Voltage", "V", 2);
  SetValue(kBatteryAddress, 0, 1260);
  // 12.60 V sinking by 0.01 V a second, down to 10.50 V.
  Ramp(kBatteryAddress, 0, -1, 1050);
  AddMenu(kBatteryAddress, {"Battery", "Akku",
                            {Number("Cells", "Zellen", 3, 1, 12, 0, "", 0),
                             Number("Cell warning", "Zellenwarnung", 350, 300, 420, 2, "V", 1),
                             Toggle("Alarm", "Alarm", true), Shows("Voltage", "Spannung", 0, 2, "V")}});

  Add(kVarioAddress, "Vario");
  Describe(kVarioAddress, 0, "Climb", "m/s", 1);
  // The right stick up and down: -10.0 .. +10.0 m/s.
  Follow(kVarioAddress, 0, CSimControls::kStickC, 100);
  AddMenu(kVarioAddress, {"Vario", "Vario",
                          {Number("Sensitivity", "Empfindlichkeit", 5, 1, 10, 0, "", 0),
                           InFeet(Number("Altitude limit", "H\xF6henlimit", 120, 0, 2000, 0, "m", 2), "ft"),
                           Toggle("Beep", "Ton", true)}});
  AddMenu(kVarioAddress, {"Climb", "Steigen",
                          {InFeet(Shows("Climb", "Steigen", 0, 1, "m/s"), "ft/s"),
                           Toggle("Zero altitude", "H\xF6he nullen", false)}});

  Add(kStatusAddress, "Status");
  SetStatus(kStatusAddress, 24, "Ready");
  MenuItem message = Shows("Message", "Meldung", -1, 0, "");
  message.followStatus = true;
  AddMenu(kStatusAddress, {"Status", "Status", {message, Toggle("Standby", "Bereitschaft", false)}});
  AddDeviceMenus();
}

void CSimSensors::AddDeviceMenus() {
  const Menu receiver{"Receiver", "Empf\xE4nger",
                      {Number("Fail-safe delay", "Failsafe-Verz.", 10, 1, 50, 1, "s", 1),
                       Number("Servo frame", "Servorahmen", 14, 7, 28, 0, "ms", 0),
                       Toggle("Telemetry", "Telemetrie", true)}};
  const Menu own{"Transmitter", "Sender",
                 {Number("Battery warning", "Akkuwarnung", 20, 5, 50, 0, "%", 1),
                  Number("Temp. alarm", "Temp.-Alarm", 60, 40, 85, 0, "\xB0" "C", 1),
                  Toggle("Vibration", "Vibration", true)}};
  QMutexLocker lock(&m_Mutex);
  auto add = [&](int address, const QByteArray& name, int slot, const Menu& menu) {
    Sensor& s = m_Sensors[address];
    s.name = name;
    s.offBus = true;
    s.receiverSlot = slot;
    s.menus = {menu};
  };
  for (int slot = 0; slot < kReceiverSlots; ++slot) add(slot, "Receiver", slot, receiver);
  add(kOwnSensorAddress, "Transmitter", -1, own);
}

void CSimSensors::FollowTrack(int address, bool on) {
  QMutexLocker lock(&m_Mutex);
  if (Sensor* s = Find(address)) s->onTrack = on;
}

void CSimSensors::AddGps(int address) {
  Add(address, "GPS");
  Describe(address, 0, "Speed", "km/h", 0);
  Describe(address, 1, "Altitude", "m", 0);
  Describe(address, 2, "Satellites", "", 0);
  Describe(address, 3, "Heading", "\xB0", 0);
  SetValue(address, 0, 42);
  SetValue(address, 1, 118);
  SetValue(address, 2, 9);
  SetValue(address, 3, 270);
  // A field near Göttingen.
  SetGps(address, 0, 99345000, 515420000);
  AddMenu(address, {"GPS", "GPS", {Toggle("Home here", "Heimat hier", false), Shows("Satellites", "Satelliten", 2, 0, "")}});
}

// ---- descriptions and commands ------------------------------------------------------------

void CSimSensors::AddMenu(int address, const Menu& menu) {
  QMutexLocker lock(&m_Mutex);
  Sensor& s = m_Sensors[address];
  if (s.menus.size() < kMenus) s.menus.append(menu);
}

int CSimSensors::MenuValue(int address, int menu, int entry) const {
  QMutexLocker lock(&m_Mutex);
  auto sensor = m_Sensors.constFind(address);
  if (sensor == m_Sensors.constEnd() || menu < 0 || menu >= sensor->menus.size()) return 0;
  const QList<MenuItem>& items = sensor->menus.at(menu).items;
  return entry >= 1 && entry <= items.size() ? items.at(entry - 1).value : 0;
}

void CSimSensors::SetAbsent(int address, bool absent) {
  QMutexLocker lock(&m_Mutex);
  if (Sensor* s = Find(address)) s->absent = absent;
}

void CSimSensors::SetMissingDescription(int address, int index) {
  QMutexLocker lock(&m_Mutex);
  if (Sensor* s = Find(address)) s->missing.insert(index);
}

void CSimSensors::SetAnswerAddress(int address, int other) {
  QMutexLocker lock(&m_Mutex);
  if (Sensor* s = Find(address)) s->answerAddress = other;
}

int CSimSensors::FactoryAddress(int address) const {
  QMutexLocker lock(&m_Mutex);
  auto sensor = m_Sensors.constFind(address);
  if (sensor == m_Sensors.constEnd()) return -1;
  return sensor->factoryAddress < 0 ? address : sensor->factoryAddress;
}

CSimSensors::Counters CSimSensors::Seen() const {
  QMutexLocker lock(&m_Mutex);
  return m_Counters;
}

int CSimSensors::Present() const {
  QMutexLocker lock(&m_Mutex);
  int n = 0;
  for (const Sensor& s : m_Sensors) n += Answers(s) ? 1 : 0;
  return n;
}

int CSimSensors::NumberOfValues(const Sensor& s) {
  int n = 0;
  for (auto v = s.values.constBegin(); v != s.values.constEnd(); ++v) {
    const int index = v.key();
    if (index == s.statusIndex) continue;
    // The coordinates have descriptions of their own.
    if (s.gpsFirst >= 0 && index >= s.gpsFirst + kLongitudeOffset && index < s.gpsFirst + 8) continue;
    n = qMax(n, index + 1);
  }
  return n;
}

QList<CSimSensors::Message> CSimSensors::Descriptions() {
  QMutexLocker lock(&m_Mutex);
  ++m_Counters.descriptionRequests;
  // Every sensor's main information comes first: the program judges the
  // capture complete once every sensor it has heard of has all its values.
  QList<Message> out;
  for (auto it = m_Sensors.constBegin(); it != m_Sensors.constEnd(); ++it) {
    const Sensor& s = it.value();
    if (!Answers(s) || s.missing.contains(-1)) continue;
    QByteArray main;
    main.append(char(it.key()))
        .append(char((NumberOfValues(s) & 0x1F) | (s.gpsFirst >= 0 ? 0x20 : 0) | (s.statusIndex >= 0 ? 0x40 : 0) |
                     (s.menus.isEmpty() ? 0 : 0x80)))
        .append(Field(s.name, kTextSize));
    out.append({SimTransceiverSensorInfo, main});
  }
  for (auto it = m_Sensors.constBegin(); it != m_Sensors.constEnd(); ++it) {
    const Sensor& s = it.value();
    if (!Answers(s)) continue;
    const int address = it.key();
    auto describe = [&](int index, int flags, const QByteArray& label, const QByteArray& unit) {
      if (s.missing.contains(index)) return;
      QByteArray d;
      d.append(char(address)).append(char(index & 0x1F)).append(char(flags));
      d.append(Field(label, kLabelSize)).append(Field(unit, kUnitSize));
      out.append({SimTransceiverSensorValueInfo, d});
    };
    const int values = NumberOfValues(s);
    const bool gps = s.gpsFirst >= 0;
    const int longitude = gps ? s.gpsFirst + kLongitudeOffset : -1;
    const int latitude = gps ? s.gpsFirst + kLatitudeOffset : -1;
    for (int index = 0; index < values; ++index) {
      if (index == longitude || index == latitude) {
        describe(index, kDescribesGps, index == longitude ? "Longitude" : "Latitude", "");
        continue;
      }
      const Reading r = s.values.value(index);
      describe(index, r.decimals & 3, r.label, r.unit);
    }
    if (gps && longitude >= values) describe(longitude, kDescribesGps, "Longitude", "");
    if (gps && latitude >= values) describe(latitude, kDescribesGps, "Latitude", "");
    if (s.statusIndex >= 0) describe(s.statusIndex, kDescribesStatus, "Status", "");
  }
  m_Counters.descriptionsSent += out.size();
  return out;
}

QByteArray CSimSensors::ItemText(const Sensor& s, const MenuItem& item, bool imperial, bool german) const {
  if (item.kind == MenuItem::Toggle) return item.value ? QByteArray(german ? "Ein" : "On") : QByteArray();
  if (item.followStatus) return s.status;
  const int raw = item.followValue >= 0 ? s.values.value(item.followValue).value : item.value;
  const bool converted = imperial && !item.imperialUnit.isEmpty();
  double value = raw;
  for (int d = 0; d < item.decimals; ++d) value /= 10.0;
  if (converted) value *= item.imperialFactor;
  QByteArray text = QByteArray::number(value, 'f', item.decimals);
  const QByteArray unit = converted ? item.imperialUnit : item.unit;
  if (!unit.isEmpty()) text += ' ' + unit;
  return text;
}

QList<CSimSensors::Message> CSimSensors::Command(const QByteArray& frame) {
  if (frame.size() < kCommandFrameSize) return {};
  const int command = quint8(frame[0]) >> 4;
  const int address = quint8(frame[1]);
  const int menuAddress = quint8(frame[2]);
  const int flags = quint8(frame[3]);
  const int argument = quint8(frame[4]);
  const bool german = ((flags >> 2) & 7) == kLanguageGerman;
  const bool imperial = (flags >> 1) & 1;
  const bool up = flags & 1;
  // The bus has a lock of its own: read before this one is taken.
  const int bound = m_Bus.State().receiverMask;
  QMutexLocker lock(&m_Mutex);
  Sensor* s = Find(address);
  if (!s || s->silent || s->absent) return {};
  if (s->receiverSlot >= 0 && !(bound & (1 << s->receiverSlot))) return {};
  const char from = char(s->answerAddress >= 0 ? s->answerAddress : address);
  QByteArray answer;
  answer.append(from).append(char(command));
  const int menu = (menuAddress & 0x7F) / 16;
  const int entry = (menuAddress & 0x7F) % 16;
  const Menu* m = menu < s->menus.size() ? &s->menus.at(menu) : nullptr;
  MenuItem* item = m && entry >= 1 && entry <= m->items.size() ? &s->menus[menu].items[entry - 1] : nullptr;
  switch (command) {
    case kCommandStructure: {
      ++m_Counters.structureRequests;
      answer.append('\0');
      for (int pair = 0; pair < kMenus / 2; ++pair) {
        auto count = [&](int i) { return i < s->menus.size() ? qMin<int>(s->menus.at(i).items.size(), kMenuItems) : 0; };
        answer.append(char(count(2 * pair) | (count(2 * pair + 1) << 4)));
      }
      break;
    }
    case kCommandName: {
      ++m_Counters.nameRequests;
      if (!m) return {};
      int entryFlags = 0;
      QByteArray label = german && !m->headDe.isEmpty() ? m->headDe : m->head;
      if (entry > 0) {
        if (!item) return {};
        label = german && !item->labelDe.isEmpty() ? item->labelDe : item->label;
        entryFlags = (item->kind == MenuItem::Toggle ? kEntryToggle : 0) |
                     (item->kind == MenuItem::Display ? kEntryDisplay : 0) | (item->continuous ? kEntryContinuous : 0) |
                     (item->kind == MenuItem::Number ? item->stepCode & 3 : 0);
      }
      answer.append(char(menuAddress & 0x7F)).append(char(entryFlags)).append(Field(label, kTextSize));
      break;
    }
    case kCommandValue: {
      if (!m || (entry > 0 && !item)) return {};
      // A command with a step or the up bit changes the item; one with
      // neither only asks for it.
      if ((argument != 0 || up) && item) {
        ++m_Counters.changes;
        if (item->kind == MenuItem::Toggle) {
          item->value = item->value ? 0 : 1;
          // The status sensor's standby switch changes what it says.
          if (s->statusIndex >= 0 && item->label == "Standby") s->status = item->value ? "Standby" : "Ready";
        } else if (item->kind == MenuItem::Number) {
          item->value = qBound(item->min, item->value + (up ? argument : -argument), item->max);
        }
      } else {
        ++m_Counters.valueRequests;
      }
      answer.append(char(menuAddress & 0x7F)).append('\0');
      answer.append(Field(item ? ItemText(*s, *item, imperial, german) : QByteArray(), kTextSize));
      break;
    }
    case kCommandAddress: {
      ++m_Counters.addressChanges;
      int wanted = menuAddress & kResetAddressBit ? (s->factoryAddress < 0 ? address : s->factoryAddress) : argument;
      // A receiver's and the own sensor's addresses are fixed.
      if (s->offBus) wanted = address;
      // An address another sensor uses, or none at all, is not taken.
      if (wanted < 1 || wanted > 254 || (wanted != address && m_Sensors.contains(wanted))) wanted = address;
      answer.append(char(wanted));
      if (wanted != address) {
        Sensor moved = *s;
        if (moved.factoryAddress < 0) moved.factoryAddress = address;
        m_Sensors.remove(address);
        m_Sensors.insert(wanted, moved);
      }
      break;
    }
    default:
      return {};
  }
  return {{SimTransceiverSensorFrame, answer}};
}
