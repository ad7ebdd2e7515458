#include "telemetry/klx_guitelemetrie.h"

#include <QMutexLocker>

#include <cstring>
#include <type_traits>

#include "frame/klx_errorhandler.h"

namespace {
// Reports of the store (class 5, module 0x1C).
constexpr unsigned kErrPage = 0x51C01;
constexpr unsigned kErrElement = 0x51C02;
constexpr unsigned kErrSensor = 0x51C03;
constexpr unsigned kErrSlave = 0x51C04;
constexpr unsigned kErrFull = 0x51C05;
constexpr unsigned kErrElementNotUsed = 0x51C06;
constexpr unsigned kErrSensorNotUsed = 0x51C07;
constexpr unsigned kErrSize = 0x51C08;

// Limits by field id; ids 1 and 4 belong to no field.
struct Limit {
  int id;
  int min;
  int max;
};
constexpr Limit kLimits[] = {
    {0, 0, 1},   {2, 0, 1},       {3, 0, 6},      {5, 0, 470},  {6, 0, 237},  {7, 1, 4},
    {8, 0, 15},  {9, 0, 26},      {10, 0, 254},   {11, 0, 31},  {12, 0, 1},   {13, 0, 1},
    {14, 0, 1},  {15, 0, 15},     {16, -32768, 32767},          {17, 0, 1},   {18, 0, 2},
};
constexpr int kPageIsUsedId = 0;
constexpr int kSensorIsUsedId = 12;
constexpr int kMainAddressId = 10;

template <typename T>
T Cut(int value) {
  return static_cast<T>(value);
}
}  // namespace

KLX_GUITelemetrie::KLX_GUITelemetrie(QObject* parent) : QObject(parent) {
  std::memset(&m_Border, 0, sizeof(m_Border));
  for (const Limit& l : kLimits) {
    m_Border.Min[l.id] = l.min;
    m_Border.Max[l.id] = l.max;
  }
  m_Border.IndexMax[0] = kPages;
  m_Border.IndexMax[1] = kElements;
  m_Border.IndexMax[2] = kSensors;
  m_Border.IndexMax[3] = kValues;
}

KLX_GUITelemetrie::~KLX_GUITelemetrie() = default;

// ---- checks and helpers -------------------------------------------------------------------

bool KLX_GUITelemetrie::Ok(unsigned code, int page, const int* element, const int* sensor, const int* slave) const {
  if (KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &page, element, sensor, slave)) return true;
  KLXErrorHandler.RegisterError(code, QString());
  return false;
}

int KLX_GUITelemetrie::Clamp(int fieldId, int value) const {
  if (fieldId < 0) return value;
  if (value < m_Border.Min[fieldId]) return static_cast<int>(m_Border.Min[fieldId]);
  if (value > m_Border.Max[fieldId]) return static_cast<int>(m_Border.Max[fieldId]);
  return value;
}

const KLX_GUITelemetrie::Sensor& KLX_GUITelemetrie::ReadSensor(int page, int element, int sensor) const {
  static const Sensor kCleared;
  const Element& e = m_Pages[page].elements[element];
  return e.sensors ? e.sensors[sensor] : kCleared;
}

KLX_GUITelemetrie::Sensor& KLX_GUITelemetrie::WriteSensor(int page, int element, int sensor) {
  Element& e = m_Pages[page].elements[element];
  if (!e.sensors) e.sensors.reset(new Sensor[kSensors]);
  Sensor& s = e.sensors[sensor];
  s.touched = true;
  return s;
}

void KLX_GUITelemetrie::ClearValue(Value& v) {
  // The alias and the blink flag stay as they are.
  const QString alias = v.slaveAlias;
  const uint8_t blinking = v.isBlinking;
  v = Value();
  v.slaveAlias = alias;
  v.isBlinking = blinking;
}

void KLX_GUITelemetrie::ClearSensor(Sensor& s) {
  // The names stay as they are.
  s.isUsed = 0;
  s.mainAddress = 0;
  if (!s.touched) return;
  for (Value& v : s.values) ClearValue(v);
  s.touched = false;
}

void KLX_GUITelemetrie::ClearElement(Element& e) {
  std::unique_ptr<Sensor[]> sensors = std::move(e.sensors);
  e = Element();
  if (sensors)
    for (int s = 0; s < kSensors; ++s) ClearSensor(sensors[s]);
  e.sensors = std::move(sensors);
}

void KLX_GUITelemetrie::CheckSetForMultipleSensors(int page, int element) {
  Element& e = m_Pages[page].elements[element];
  int used = 0;
  if (e.sensors)
    for (int s = 0; s < kSensors; ++s) used += e.sensors[s].isUsed ? 1 : 0;
  e.presentation = used < 2 ? TELEGUISIZE_Single : TELEGUISIZE_Multiple;
}

// ---- pages and widgets ------------------------------------------------------------------

void KLX_GUITelemetrie::KLX_GUITelemetrieClearAll() {
  QMutexLocker lock(&m_Mutex);
  for (Page& p : m_Pages) {
    for (Element& e : p.elements) ClearElement(e);
    p.isUsed = 0;
  }
}

int KLX_GUITelemetrie::KLX_GUITelemetrieGetNumberPagesInUse() {
  QMutexLocker lock(&m_Mutex);
  int count = 0;
  for (const Page& p : m_Pages) count += p.isUsed == 1 ? 1 : 0;
  return count;
}

int KLX_GUITelemetrie::KLX_GUITelemetrieGetNumberTelemetieElementsInUse(int page) {
  QMutexLocker lock(&m_Mutex);
  if (!Ok(kErrPage, page)) return KLX_Error;
  int count = 0;
  for (const Element& e : m_Pages[page].elements) count += e.isUsed == 1 ? 1 : 0;
  return count;
}

int KLX_GUITelemetrie::CreateWidget(int page, int xpos, int ypos, int size, int kind, bool sizeChecked) {
  if (!Ok(kErrElement, page)) return Indexes_Out_Of_Range;
  // A size the pages do not draw would leave the caller editing an element
  // that was never made.
  if (sizeChecked && (size < TELEGUISIZE_Small || size > TELEGUISIZE_Huge)) {
    KLXErrorHandler.RegisterError(kErrSize, QStringLiteral("widget size %1 outside 1..4").arg(size));
    return KLX_Error;
  }
  Page& p = m_Pages[page];
  for (int i = 0; i < kElements; ++i) {
    Element& e = p.elements[i];
    if (e.isUsed) continue;
    p.isUsed = 1;
    e.isUsed = 1;
    e.typ = Cut<uint16_t>(kind);
    e.xPos = Cut<uint16_t>(xpos);
    e.yPos = Cut<uint16_t>(ypos);
    e.size = Cut<uint16_t>(size);
    return i;
  }
  KLXErrorHandler.RegisterError(kErrFull, QStringLiteral("max gui elements reached"));
  return Max_Gui_Elements_Reached;
}

int KLX_GUITelemetrie::KLX_GUITelemetrieCreateNewTimerWidgetOnPage(int page, int xpos, int ypos, int size,
                                                                  int timerID) {
  QMutexLocker lock(&m_Mutex);
  const int i = CreateWidget(page, xpos, ypos, size, KLX_WIDGET_TYPE_TIMER, true);
  if (i >= 0) m_Pages[page].elements[i].timerId = Cut<uint16_t>(timerID);
  return i;
}

int KLX_GUITelemetrie::KLX_GUITelemetrieCreateNewServoWidgetOnPage(int page, int xpos, int ypos, int size,
                                                                  int servoID) {
  QMutexLocker lock(&m_Mutex);
  const int i = CreateWidget(page, xpos, ypos, size, KLX_WIDGET_TYPE_SERVO, true);
  if (i >= 0) m_Pages[page].elements[i].servoId = Cut<uint16_t>(servoID);
  return i;
}

int KLX_GUITelemetrie::KLX_GUITelemetrieCreateQuickLinkWidgetOnPage(int page, int xpos, int ypos, int size,
                                                                   const QString& entry, const QString& icon) {
  QMutexLocker lock(&m_Mutex);
  const int i = CreateWidget(page, xpos, ypos, size, KLX_WIDGET_TYPE_QUICK, true);
  if (i >= 0) {
    m_Pages[page].elements[i].quickLinkEntry = entry;
    m_Pages[page].elements[i].quickLinkIcon = icon;
  }
  return i;
}

int KLX_GUITelemetrie::KLX_GUITelemetrieCreateNewValueWidgetOnPage(int page, int xpos, int ypos, int size) {
  QMutexLocker lock(&m_Mutex);
  return CreateWidget(page, xpos, ypos, size, KLX_WIDGET_TYPE_VALUE, true);
}

int KLX_GUITelemetrie::KLX_GUITelemetrieCreateNewMInfoWidgetOnPage(int page, int xpos, int ypos, int size,
                                                                  const QString&) {
  QMutexLocker lock(&m_Mutex);
  return CreateWidget(page, xpos, ypos, size, KLX_WIDGET_TYPE_MINFO, true);
}

int KLX_GUITelemetrie::KLX_GUITelemetrieCreateModelImageOnPage(int page, int xpos, int ypos) {
  QMutexLocker lock(&m_Mutex);
  const int i = CreateWidget(page, xpos, ypos, TELEGUISIZE_Huge, KLX_WIDGET_TYPE_MIMG, false);
  if (i >= 0) qDebug("New ModelImage %i", i);
  return i;
}

int KLX_GUITelemetrie::KLX_GUITelemetrieCreateNewSensorOnWidget(int page, int element, int mainadress) {
  QMutexLocker lock(&m_Mutex);
  if (!Ok(kErrElement, page, &element)) return Indexes_Out_Of_Range;
  if (!m_Pages[page].elements[element].isUsed) {
    KLXErrorHandler.RegisterError(kErrElementNotUsed, QString());
    return KLX_Error;
  }
  for (int s = 0; s < kSensors; ++s) {
    if (ReadSensor(page, element, s).isUsed) continue;
    Sensor& sensor = WriteSensor(page, element, s);
    sensor.mainAddress = Cut<uint16_t>(mainadress);
    sensor.isUsed = 1;
    CheckSetForMultipleSensors(page, element);
    return s;
  }
  KLXErrorHandler.RegisterError(kErrFull, QStringLiteral("max gui elements reached"));
  return Max_Gui_Sensors_Reached;
}

int KLX_GUITelemetrie::KLX_GUITelemetrieCreateNewSlaveOnWidget(int page, int element, int sensor, int slaveadress) {
  QMutexLocker lock(&m_Mutex);
  if (!Ok(kErrElement, page, &element, &sensor)) return Indexes_Out_Of_Range;
  if (!m_Pages[page].elements[element].isUsed) {
    KLXErrorHandler.RegisterError(kErrElementNotUsed, QString());
    return KLX_Error;
  }
  if (!ReadSensor(page, element, sensor).isUsed) {
    KLXErrorHandler.RegisterError(kErrSensorNotUsed, QString());
    return KLX_Error;
  }
  Sensor& s = WriteSensor(page, element, sensor);
  for (int i = 0; i < kValues; ++i) {
    Value& v = s.values[i];
    if (v.isUsed) continue;
    // States, alert kind and signalling, the free number, the names and the
    // blink flag stay as they are.
    const Value cleared;
    v.isUsed = 1;
    v.slaveAddress = Cut<uint16_t>(slaveadress);
    v.redAbove = v.yellowAbove = cleared.redAbove;
    v.redBelow = v.yellowBelow = cleared.redBelow;
    v.redAboveType = v.redBelowType = v.yellowAboveType = v.yellowBelowType = 0;
    v.redAboveSound = v.redBelowSound = v.redAboveText = v.redBelowText = QString();
    v.yellowAboveSound = v.yellowBelowSound = v.yellowAboveText = v.yellowBelowText = QString();
    return i;
  }
  KLXErrorHandler.RegisterError(kErrFull, QStringLiteral("max gui elements reached"));
  return Max_Gui_Sensors_Reached;
}

int KLX_GUITelemetrie::KLX_GUITelemetrieDeletePage(int page) {
  QMutexLocker lock(&m_Mutex);
  if (!Ok(kErrPage, page)) return Indexes_Out_Of_Range;
  for (Element& e : m_Pages[page].elements) ClearElement(e);
  m_Pages[page].isUsed = 0;
  return KLX_Ok;
}

int KLX_GUITelemetrie::KLX_GUITelemetrieDeleteElement(int page, int element) {
  QMutexLocker lock(&m_Mutex);
  if (!Ok(kErrElement, page, &element)) return Indexes_Out_Of_Range;
  // The page stays in use, also without widgets.
  ClearElement(m_Pages[page].elements[element]);
  return KLX_Ok;
}

int KLX_GUITelemetrie::KLX_GUITelemetrieDeleteSensor(int page, int element, int sensor) {
  QMutexLocker lock(&m_Mutex);
  if (!Ok(kErrSensor, page, &element, &sensor)) return Indexes_Out_Of_Range;
  if (m_Pages[page].elements[element].sensors) ClearSensor(WriteSensor(page, element, sensor));
  CheckSetForMultipleSensors(page, element);
  return KLX_Ok;
}

int KLX_GUITelemetrie::KLX_GUITelemetrieDeleteSlave(int page, int element, int sensor, int slave) {
  QMutexLocker lock(&m_Mutex);
  if (!Ok(kErrSlave, page, &element, &sensor, &slave)) return Indexes_Out_Of_Range;
  if (m_Pages[page].elements[element].sensors) ClearValue(WriteSensor(page, element, sensor).values[slave]);
  return KLX_Ok;
}

int KLX_GUITelemetrie::KLX_GUITelemetrieMoveSensor(unsigned char from, unsigned char to) {
  QMutexLocker lock(&m_Mutex);
  for (Page& p : m_Pages) {
    if (!p.isUsed) continue;
    for (Element& e : p.elements) {
      if (!e.isUsed || !e.sensors) continue;
      for (int s = 0; s < kSensors; ++s)
        if (e.sensors[s].isUsed && e.sensors[s].mainAddress == from) e.sensors[s].mainAddress = to;
    }
  }
  return KLX_Ok;
}

// ---- fields ---------------------------------------------------------------------------------

int KLX_GUITelemetrie::KLX_GUITelemetrieGetSet_PageIsUsed(int page, int value, int dir) {
  QMutexLocker lock(&m_Mutex);
  if (!Ok(kErrPage, page)) return Indexes_Out_Of_Range;
  if (dir == AtomicDirSet) m_Pages[page].isUsed = Cut<uint8_t>(Clamp(kPageIsUsedId, value));
  return m_Pages[page].isUsed;
}

#define KLX_GUITELE_ELEMENT_NUMBER_DEF(name, member, id)                                                  \
  int KLX_GUITelemetrie::KLX_GUITelemetrieGetSet_Element_##name(int page, int element, int value, int dir) { \
    QMutexLocker lock(&m_Mutex);                                                                          \
    if (!Ok(kErrElement, page, &element)) return Indexes_Out_Of_Range;                                    \
    auto& field = m_Pages[page].elements[element].member;                                                 \
    if (dir == AtomicDirSet) field = Cut<std::remove_reference_t<decltype(field)>>(Clamp(id, value));     \
    return field;                                                                                         \
  }
KLX_GUITELE_ELEMENT_NUMBERS(KLX_GUITELE_ELEMENT_NUMBER_DEF)
#undef KLX_GUITELE_ELEMENT_NUMBER_DEF

#define KLX_GUITELE_ELEMENT_TEXT_DEF(name, member)                                                      \
  QString KLX_GUITelemetrie::KLX_GUITelemetrieGetSet_Element_##name(int page, int element,               \
                                                                   const QString& text, int dir) {      \
    QMutexLocker lock(&m_Mutex);                                                                        \
    if (!Ok(kErrElement, page, &element)) return QString();                                             \
    QString& field = m_Pages[page].elements[element].member;                                            \
    if (dir == AtomicDirSet) field = text;                                                              \
    return field;                                                                                       \
  }
KLX_GUITELE_ELEMENT_TEXTS(KLX_GUITELE_ELEMENT_TEXT_DEF)
#undef KLX_GUITELE_ELEMENT_TEXT_DEF

int KLX_GUITelemetrie::KLX_GUITelemetrieGetSet_Element_WidgetData_IsUsed(int page, int element, int sensor, int value,
                                                                        int dir) {
  QMutexLocker lock(&m_Mutex);
  if (!Ok(kErrSensor, page, &element, &sensor)) return Indexes_Out_Of_Range;
  if (dir != AtomicDirSet) return ReadSensor(page, element, sensor).isUsed;
  Sensor& s = WriteSensor(page, element, sensor);
  s.isUsed = Cut<uint8_t>(Clamp(kSensorIsUsedId, value));
  return s.isUsed;
}

int KLX_GUITelemetrie::KLX_GUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(int page, int element, int sensor,
                                                                                  int value, int dir) {
  QMutexLocker lock(&m_Mutex);
  if (!Ok(kErrSensor, page, &element, &sensor)) return Indexes_Out_Of_Range;
  if (dir != AtomicDirSet) return ReadSensor(page, element, sensor).mainAddress;
  Sensor& s = WriteSensor(page, element, sensor);
  s.mainAddress = Cut<uint16_t>(Clamp(kMainAddressId, value));
  return s.mainAddress;
}

int KLX_GUITelemetrie::KLX_GUITelemetrieGet_Element_Sensor_IsUsed(int page, int element, int sensor) {
  QMutexLocker lock(&m_Mutex);
  if (!Ok(kErrSensor, page, &element, &sensor)) return Indexes_Out_Of_Range;
  return ReadSensor(page, element, sensor).isUsed;
}

QString KLX_GUITelemetrie::KLX_GUITelemetrieGetSet_Element_SensorName(int page, int element, int sensor,
                                                                     const QString& text, int dir) {
  QMutexLocker lock(&m_Mutex);
  if (!Ok(kErrSensor, page, &element, &sensor)) return QString();
  if (dir != AtomicDirSet) return ReadSensor(page, element, sensor).name;
  return WriteSensor(page, element, sensor).name = text;
}

QString KLX_GUITelemetrie::KLX_GUITelemetrieGetSet_Element_SensorAlias(int page, int element, int sensor,
                                                                      const QString& text, int dir) {
  QMutexLocker lock(&m_Mutex);
  if (!Ok(kErrSensor, page, &element, &sensor)) return QString();
  if (dir != AtomicDirSet) return ReadSensor(page, element, sensor).alias;
  return WriteSensor(page, element, sensor).alias = text;
}

#define KLX_GUITELE_VALUE_NUMBER_DEF(store, facade, member, id, err, mark)                                         \
  int KLX_GUITelemetrie::KLX_GUITelemetrieGetSet_##store(int page, int element, int sensor, int slave, int value, \
                                                        int dir) {                                                \
    QMutexLocker lock(&m_Mutex);                                                                                   \
    if (!Ok(err, page, &element, &sensor, &slave)) return Indexes_Out_Of_Range;                                    \
    if (dir != AtomicDirSet) return ReadSensor(page, element, sensor).values[slave].member;                       \
    auto& field = WriteSensor(page, element, sensor).values[slave].member;                                         \
    const auto next = Cut<std::remove_reference_t<decltype(field)>>(Clamp(id, value));                             \
    Note(field != next);                                                                                           \
    field = next;                                                                                                  \
    return field;                                                                                                  \
  }
KLX_GUITELE_VALUE_NUMBERS(KLX_GUITELE_VALUE_NUMBER_DEF)
#undef KLX_GUITELE_VALUE_NUMBER_DEF

#define KLX_GUITELE_VALUE_TEXT_DEF(store, facade, member, mark)                                             \
  QString KLX_GUITelemetrie::KLX_GUITelemetrieGetSet_##store(int page, int element, int sensor, int slave, \
                                                            const QString& text, int dir) {                \
    QMutexLocker lock(&m_Mutex);                                                                            \
    if (!Ok(kErrSensor, page, &element, &sensor, &slave)) return QString();                                 \
    if (dir != AtomicDirSet) return ReadSensor(page, element, sensor).values[slave].member;                \
    return WriteSensor(page, element, sensor).values[slave].member = text;                                  \
  }
KLX_GUITELE_VALUE_TEXTS(KLX_GUITELE_VALUE_TEXT_DEF)
#undef KLX_GUITELE_VALUE_TEXT_DEF

int KLX_GUITelemetrie::KLX_GUITelemetrieGetSet_ElementAtPage_IsBlinking(int page, int element, int sensor, int slave,
                                                                       int value, int dir) {
  QMutexLocker lock(&m_Mutex);
  if (!Ok(kErrElement, page, &element, &sensor, &slave)) return 0;
  const uint8_t flag = ReadSensor(page, element, sensor).values[slave].isBlinking;
  if (dir != AtomicDirSet || value < 0) return flag;
  uint8_t& field = WriteSensor(page, element, sensor).values[slave].isBlinking;
  const uint8_t next = value == 0 ? 0 : static_cast<uint8_t>(field | (value & 0xFF));
  Note(field != next);
  field = next;
  return field;
}
