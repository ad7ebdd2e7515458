// The telemetry of a model: the display pages ("TELEMETRIEPAGE", one per
// page, with widgets, their sensors and values and each value's limits),
// the aliases of sensors and values ("TELEMETRYALIASES") and the telemetry
// controls ("TELEMETRYCONTROL").
//
// The aliases go into the telemetry store, which keeps them across a sensor
// rescan, whether or not a page shows the sensor, and onto every widget
// that shows it; a page read after the aliases takes them from the store.
#include <QXmlStreamReader>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_utf8.h"
#include "frame/klx_xmltextwriter.h"
#include "model/klx_databasemanager.h"
#include "telemetry/klx_guitelemetrie.h"
#include "modelfile/klx_xmlmodel.h"
#include "modelfile/klx_xmlsectionio.h"
#include "modelfile/klx_xmlsections.h"

namespace {
using KLX_XMLIO::Field;
using KLX_XMLIO::ReadField;
using KLX_XMLIO::Report;
using KLX_XMLIO::Skip;
using C = KLX_XMLCheck;
using D = KLX_DataBaseManager;

constexpr unsigned kSkipCode = 0x515A0;
const char kSkipText[] = "telemetrie skip error";
constexpr unsigned kGlobalCode = 0x515B0;
const char kGlobalText[] = "telemetrie global index error";
const QLatin1String kIndex("Index");
const QLatin1String kName("Name");
constexpr int kTimerWidget = 1;
constexpr int kOwnSensor = 4;
constexpr int kMaxSensorAddress = 254;


const KLX_XMLField kPageIndex = Field("Index", C::UpToMax, true, 0x21599, "telemetrie page Index error", 9);
const KLX_XMLField kPageUsed = Field("IsUsed", C::Boolean, false, 0x215A1, "telemetrie IsUsed error");
const KLX_XMLField kElementIndex = Field("Index", C::UpToMax, true, 0x21599, "telemetrie element Index error", 19);
const KLX_XMLField kSensorIndex = Field("Index", C::UpToMax, true, 0x21599, "telemetrie SETUP Index error", 31);
const KLX_XMLField kValueIndex = Field("Index", C::UpToMax, true, 0x21599, "telemetrie Slave Index error", 31);

// An element's numbers, in the order of the staged record, with their
// accessors.
const KLX_XMLField kElementFields[8] = {
    Field("IsUsed", C::Boolean, false, 0x215A2, "telemetrie element IsUsed error"),
    Field("Type", C::Uint16, false, 0x215A2, "telemetrie element Type error"),
    Field("XPos", C::Uint16, false, 0x215A2, "telemetrie element XPos error"),
    Field("YPos", C::Uint16, false, 0x215A2, "telemetrie element YPos error"),
    Field("Size", C::Uint16, false, 0x215A2, "telemetrie element Size error"),
    Field("Presentation", C::Uint8, false, 0x215A2, "telemetrie element Presentation error"),
    Field("TimerID", C::Uint16, false, 0x215A2, "telemetrie element TimerID error"),
    Field("ServoID", C::Uint16, false, 0x215A2, "telemetrie element ServoID error")};
using ElementNumber = int (D::*)(int, int, int, int);
const ElementNumber kElementDoors[8] = {&D::KLX_DataBaseManagerGUITelemetrieGetSet_Element_IsUsed,
                                        &D::KLX_DataBaseManagerGUITelemetrieGetSet_Element_Typ,
                                        &D::KLX_DataBaseManagerGUITelemetrieGetSet_Element_XPos,
                                        &D::KLX_DataBaseManagerGUITelemetrieGetSet_Element_YPos,
                                        &D::KLX_DataBaseManagerGUITelemetrieGetSet_Element_Size,
                                        &D::KLX_DataBaseManagerGUITelemetrieGetSet_Element_Presentation,
                                        &D::KLX_DataBaseManagerGUITelemetrieGetSet_Element_TimerID,
                                        &D::KLX_DataBaseManagerGUITelemetrieGetSet_Element_ServoID};
const QLatin1String kElementTexts[3] = {QLatin1String("QuickLinkWidgetEntry"), QLatin1String("QuickLinkWidgetIcon"),
                                        QLatin1String("LabelText")};
using ElementText = QString (D::*)(int, int, QString, int);
const ElementText kElementTextDoors[3] = {&D::KLX_DataBaseManagerGUITelemetrieGetSet_Element_QuickLinkWidgetEntry,
                                          &D::KLX_DataBaseManagerGUITelemetrieGetSet_Element_QuickLinkWidgetIcon,
                                          &D::KLX_DataBaseManagerGUITelemetrieGetSet_Element_LabelText};

const KLX_XMLField kSensorUsed = Field("IsUsed", C::Boolean, false, 0x215A2, "telemetrie IsUsed error");
const KLX_XMLField kSensorAddress =
    Field("SensorMainAdress", C::Uint16, false, 0x215A2, "telemetrie SensorMainAdress error");
const KLX_XMLField kValueUsed = Field("IsUsed", C::Boolean, false, 0x215A2, "telemetrie Slave IsUsed error");
const KLX_XMLField kValueAddress =
    Field("SensorSlaveAdress", C::Uint16, false, 0x215A7, "telemetrie SensorSlaveAdress error");

// A value's numbers and texts, in the order the file writes them.
const KLX_XMLField kValueNumbers[10] = {
    Field("RedAlertAbove", C::Sint16, false, 0x215A8, "telemetrie RedAlertAbove error"),
    Field("RedAlertBelow", C::Sint16, false, 0x215A9, "telemetrie RedAlertBelow error"),
    Field("RedAlertAboveTyp", C::Uint8, false, 0x215AA, "telemetrie RedAlertAboveTyp error"),
    Field("RedAlertBelowTyp", C::Uint8, false, 0x215AB, "telemetrie RedAlertBelowTyp error"),
    Field("YellowAlertAbove", C::Sint16, false, 0x215AC, "telemetrie YellowAlertAbove error"),
    Field("YellowAlertBelow", C::Sint16, false, 0x215AD, "telemetrie YellowAlertBelow error"),
    Field("YellowAlertAboveTyp", C::Uint8, false, 0x215AE, "telemetrie YellowAlertAboveTyp error"),
    Field("YellowAlertBelowTyp", C::Uint8, false, 0x215AF, "telemetrie YellowAlertBelowTyp error"),
    Field("AlertSlaveTyp", C::Uint8, false, 0x215B1, "telemetrie AlertSlaveTyp error"),
    Field("AlertSignalTyp", C::Uint8, false, 0x215B2, "telemetrie AlertSignalTyp error")};
using ValueNumber = int (D::*)(int, int, int, int, int, int);
const ValueNumber kValueNumberDoors[10] = {&D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove,
                                           &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelow,
                                           &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveType,
                                           &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelowType,
                                           &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAbove,
                                           &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelow,
                                           &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAboveType,
                                           &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelowType,
                                           &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertType,
                                           &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertSignalType};
const QLatin1String kValueTexts[8] = {QLatin1String("RedAlertAboveSound"),    QLatin1String("RedAlertBelowSound"),
                                      QLatin1String("RedAlertAboveText"),     QLatin1String("RedAlertBelowText"),
                                      QLatin1String("YellowAlertAboveSound"), QLatin1String("YellowAlertBelowSound"),
                                      QLatin1String("YellowAlertAboveText"),  QLatin1String("YellowAlertBelowText")};
using ValueText = QString (D::*)(int, int, int, int, QString, int);
const ValueText kValueTextDoors[8] = {&D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveSound,
                                      &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelowSound,
                                      &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveText,
                                      &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelowText,
                                      &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAboveSound,
                                      &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelowSound,
                                      &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAboveText,
                                      &D::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelowText};

template <int N>
int FindIn(const KLX_XMLField (&fields)[N], const QStringRef& name) {
  for (int i = 0; i < N; ++i)
    if (name == fields[i].name) return i;
  return -1;
}
template <int N>
int FindIn(const QLatin1String (&names)[N], const QStringRef& name) {
  for (int i = 0; i < N; ++i)
    if (name == names[i]) return i;
  return -1;
}

// Reads one page: each "ELEMENT", "SENSOR" and "SLAVE" needs its own number
// and those of the elements around it before it is filed.
class PageReader {
 public:
  PageReader(QXmlStreamReader* r, KLX_XMLTelePage* page) : m_R(r), m_Page(page) {}

  int Read() {
    while (m_R->readNextStartElement()) {
      const QStringRef name = m_R->name();
      bool ok = true;
      if (name == kIndex) {
        ok = ReadField(m_R, kPageIndex, &m_Page->index);
      } else if (name == kPageUsed.name) {
        ok = ReadField(m_R, kPageUsed, &m_Page->used);
      } else if (name == QLatin1String("ELEMENT")) {
        ok = Element() == KLX_Ok;
      } else {
        Skip(m_R, kSkipCode, kSkipText);
      }
      if (!ok || m_R->hasError()) return KLX_Error;
    }
    return m_R->hasError() ? KLX_Error : KLX_Ok;
  }

 private:
  bool Failed() const { return m_R->hasError(); }

  int Element() {
    m_Element = -1;
    KLX_XMLTeleElement element;
    m_Type = element.numbers[1];
    while (m_R->readNextStartElement()) {
      const QStringRef name = m_R->name();
      bool ok = true;
      int f = -1;
      int t = -1;
      if (name == kIndex) {
        ok = ReadField(m_R, kElementIndex, &m_Element);
      } else if ((f = FindIn(kElementFields, name)) >= 0) {
        ok = ReadField(m_R, kElementFields[f], &element.numbers[f]);
        if (f == 1) m_Type = element.numbers[f];
      } else if ((t = FindIn(kElementTexts, name)) >= 0) {
        element.texts[t] = KLX_XMLIO::Text(m_R);
      } else if (name == QLatin1String("SENSOR")) {
        ok = Sensor() == KLX_Ok;
      } else {
        Skip(m_R, kSkipCode, kSkipText);
      }
      if (!ok || Failed()) return KLX_Error;
    }
    if (Failed()) return KLX_Error;
    if (m_Element < 0) {
      Report(kGlobalCode, kGlobalText);
      return KLX_Error;
    }
    // The sensors were filed while they were read.
    KLX_XMLTeleElement& staged = m_Page->elements[m_Element];
    std::copy(std::begin(element.numbers), std::end(element.numbers), std::begin(staged.numbers));
    std::copy(std::begin(element.texts), std::end(element.texts), std::begin(staged.texts));
    return KLX_Ok;
  }

  int Sensor() {
    m_Sensor = -1;
    KLX_XMLTeleSensor sensor;
    m_SensorAddress = 0;
    while (m_R->readNextStartElement()) {
      const QStringRef name = m_R->name();
      bool ok = true;
      if (name == kIndex) {
        ok = ReadField(m_R, kSensorIndex, &m_Sensor);
      } else if (name == kSensorUsed.name) {
        ok = ReadField(m_R, kSensorUsed, &sensor.used);
      } else if (name == kSensorAddress.name) {
        ok = ReadField(m_R, kSensorAddress, &sensor.address);
        // A timer widget shows no sensor.
        if (m_Type == kTimerWidget) sensor.address = 0;
        m_SensorAddress = sensor.address;
      } else if (name == kName) {
        sensor.name = KLX_XMLIO::Text(m_R);
      } else if (name == QLatin1String("SLAVE")) {
        ok = Value() == KLX_Ok;
      } else {
        Skip(m_R, kSkipCode, kSkipText);
      }
      if (!ok || Failed()) return KLX_Error;
    }
    if (Failed()) return KLX_Error;
    if (m_Sensor < 0 || m_Element < 0) {
      Report(kGlobalCode, kGlobalText);
      return KLX_Error;
    }
    KLX_XMLTeleSensor& staged = m_Page->elements[m_Element].sensors[m_Sensor];
    staged.used = sensor.used;
    staged.address = sensor.address;
    staged.name = sensor.name;
    return KLX_Ok;
  }

  int Value() {
    int number = -1;
    KLX_XMLTeleValue value;
    while (m_R->readNextStartElement()) {
      const QStringRef name = m_R->name();
      bool ok = true;
      int f = -1;
      if (name == kIndex) {
        ok = ReadField(m_R, kValueIndex, &number);
      } else if (name == kValueUsed.name) {
        ok = ReadField(m_R, kValueUsed, &value.used);
      } else if (name == kName) {
        value.name = KLX_XMLIO::Text(m_R);
      } else if (name == kValueAddress.name) {
        ok = ReadField(m_R, kValueAddress, &value.address);
        // The smaller board's own sensor has no values 12 and 14.
        if (ok && (value.address == 12 || value.address == 14) && m_SensorAddress == kOwnSensor &&
            Board::IsInitialized() && Board::m_Instance->IsFenk())
          value.used = 0;
      } else if ((f = FindIn(kValueNumbers, name)) >= 0) {
        ok = ReadField(m_R, kValueNumbers[f], &value.numbers[f]);
      } else if ((f = FindIn(kValueTexts, name)) >= 0) {
        value.texts[f] = KLX_XMLIO::Text(m_R);
      } else {
        Skip(m_R, kSkipCode, kSkipText);
      }
      if (!ok || Failed()) return KLX_Error;
    }
    if (Failed()) return KLX_Error;
    if (number < 0 || m_Sensor < 0 || m_Element < 0) {
      Report(kGlobalCode, kGlobalText);
      return KLX_Error;
    }
    m_Page->elements[m_Element].sensors[m_Sensor].values[number] = std::move(value);
    return KLX_Ok;
  }

  QXmlStreamReader* m_R;
  KLX_XMLTelePage* m_Page;
  int m_Element = -1;
  int m_Sensor = -1;
  int m_Type = 0;
  int m_SensorAddress = 0;
};

// The widget slots that show a sensor, as the facade holds the pages.
template <typename Visit>
void ForEachShownSensor(D* db, int address, Visit visit) {
  const int G = AtomicDirGet;
  for (int p = 0; p < KLX_GUITelemetrie::kPages; ++p) {
    if (db->KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(p, 0, G) != 1) continue;
    for (int e = 0; e < KLX_GUITelemetrie::kElements; ++e) {
      if (db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_IsUsed(p, e, 0, G) != 1) continue;
      for (int s = 0; s < KLX_GUITelemetrie::kSensors; ++s) {
        if (db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(p, e, s, 0, G) != 1) continue;
        const int main = db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(p, e, s, 0, G);
        if (main == address) visit(p, e, s);
      }
    }
  }
}
}  // namespace

// ---- Display pages --------------------------------------------------------------------------

void KLX_XMLModel::KLX_XMLModelWriteModelTelemetrie(KLX_XMLTextWriter* w) {
  D* db = m_Db;
  const int G = AtomicDirGet;
  for (int p = 0; p < KLX_GUITelemetrie::kPages; ++p) {
    if (db->KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(p, 0, G) != 1) continue;
    w->StartElement(QLatin1String("TELEMETRIEPAGE"));
    w->TextElement(kIndex, p);
    w->TextElement(kPageUsed.name, 1);
    for (int e = 0; e < KLX_GUITelemetrie::kElements; ++e) {
      if (db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_IsUsed(p, e, 0, G) != 1) continue;
      w->StartElement(QLatin1String("ELEMENT"));
      w->TextElement(kIndex, e);
      for (int f = 0; f < 8; ++f) w->TextElement(kElementFields[f].name, (db->*kElementDoors[f])(p, e, 0, G));
      for (int t = 0; t < 3; ++t) w->TextElement(kElementTexts[t], (db->*kElementTextDoors[t])(p, e, QString(), G));
      for (int s = 0; s < KLX_GUITelemetrie::kSensors; ++s) {
        if (db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(p, e, s, 0, G) != 1) continue;
        bool open = false;
        for (int v = 0; v < KLX_GUITelemetrie::kValues; ++v) {
          if (db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(p, e, s, v, 0, G) != 1) continue;
          if (!open) {
            // A sensor without a value in use is not written.
            open = true;
            w->StartElement(QLatin1String("SENSOR"));
            w->TextElement(kIndex, s);
            w->TextElement(kSensorUsed.name, 1);
            w->TextElement(kSensorAddress.name,
                           db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(p, e, s, 0, G));
            w->TextElement(kName, db->KLX_DataBaseManagerGUITelemetrieGetSet_SensorName(p, e, s, QString(), G));
          }
          w->StartElement(QLatin1String("SLAVE"));
          w->TextElement(kIndex, v);
          w->TextElement(kValueUsed.name, 1);
          w->TextElement(kValueAddress.name,
                         db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(p, e, s, v, 0, G));
          w->TextElement(kName, db->KLX_DataBaseManagerGUITelemetrieGetSet_Slave_SlaveName(p, e, s, v, QString(), G));
          // Limits and kinds first, then sounds and texts, as the file lays them out.
          const int order[] = {0, 1, 2, 3};
          for (int k : order) w->TextElement(kValueNumbers[k].name, (db->*kValueNumberDoors[k])(p, e, s, v, 0, G));
          for (int k : order) w->TextElement(kValueTexts[k], (db->*kValueTextDoors[k])(p, e, s, v, QString(), G));
          for (int k : order)
            w->TextElement(kValueNumbers[4 + k].name, (db->*kValueNumberDoors[4 + k])(p, e, s, v, 0, G));
          for (int k : order)
            w->TextElement(kValueTexts[4 + k], (db->*kValueTextDoors[4 + k])(p, e, s, v, QString(), G));
          for (int k = 8; k < 10; ++k)
            w->TextElement(kValueNumbers[k].name, (db->*kValueNumberDoors[k])(p, e, s, v, 0, G));
          w->EndElement();
        }
        if (open) w->EndElement();
      }
      w->EndElement();
    }
    w->EndElement();
    HandOver(w);
  }
}

int KLX_XMLModel::KLX_XMLModelReadModelTelemetrieData(QXmlStreamReader* r) {
  m_Data->telePage = KLX_XMLTelePage();
  return PageReader(r, &m_Data->telePage).Read();
}

int KLX_XMLModel::KLX_XMLModelTransferTelemetrieDataToDB() {
  D* db = m_Db;
  const KLX_XMLTelePage& page = m_Data->telePage;
  if (page.index < 0) return KLX_Error;
  const int S = AtomicDirSet;
  const int p = page.index;
  db->KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(p, page.used, S);
  for (auto e = page.elements.cbegin(); e != page.elements.cend(); ++e) {
    const KLX_XMLTeleElement& element = e.value();
    if (element.numbers[0] != 1) continue;
    for (int f = 0; f < 8; ++f) (db->*kElementDoors[f])(p, e.key(), element.numbers[f], S);
    for (int t = 0; t < 3; ++t) (db->*kElementTextDoors[t])(p, e.key(), element.texts[t], S);
    for (auto s = element.sensors.cbegin(); s != element.sensors.cend(); ++s) {
      const KLX_XMLTeleSensor& sensor = s.value();
      if (sensor.used != 1) continue;
      db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(p, e.key(), s.key(), 1, S);
      db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(p, e.key(), s.key(), sensor.address, S);
      db->KLX_DataBaseManagerGUITelemetrieGetSet_SensorName(p, e.key(), s.key(), sensor.name, S);
      // The widget shows the alias the telemetry store holds for the
      // sensor, else its name.
      QString alias;
      if (m_Data->aliasesRead && sensor.address <= kMaxSensorAddress)
        alias = db->KLX_DataBaseManagerTelemetrieGetSetSensorAlias(sensor.address, QString(), AtomicDirGet, false);
      db->KLX_DataBaseManagerGUITelemetrieGetSet_SensorAlias(p, e.key(), s.key(), alias.isEmpty() ? sensor.name : alias, S);
      for (auto v = sensor.values.cbegin(); v != sensor.values.cend(); ++v) {
        const KLX_XMLTeleValue& value = v.value();
        if (value.used != 1) continue;
        const int slot = v.key();
        db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(p, e.key(), s.key(), slot, 1, S);
        db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(p, e.key(), s.key(), slot,
                                                                                         value.address, S);
        db->KLX_DataBaseManagerGUITelemetrieGetSet_Slave_SlaveName(p, e.key(), s.key(), slot, value.name, S);
        QString valueAlias;
        if (m_Data->aliasesRead && sensor.address <= kMaxSensorAddress && value.address < 32)
          valueAlias = db->KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(sensor.address, value.address, QString(),
                                                                         AtomicDirGet, false);
        db->KLX_DataBaseManagerGUITelemetrieGetSet_Slave_SlaveAlias(p, e.key(), s.key(), slot,
                                                                    valueAlias.isEmpty() ? value.name : valueAlias, S);
        for (int k = 0; k < 10; ++k) (db->*kValueNumberDoors[k])(p, e.key(), s.key(), slot, value.numbers[k], S);
        for (int k = 0; k < 8; ++k) (db->*kValueTextDoors[k])(p, e.key(), s.key(), slot, value.texts[k], S);
      }
    }
  }
  return KLX_Ok;
}

// ---- Aliases --------------------------------------------------------------------------------

void KLX_XMLModel::KLX_XMLModelWriteModelTelemetrieAlias(KLX_XMLTextWriter* w) {
  D* db = m_Db;
  const int G = AtomicDirGet;
  w->StartElement(QLatin1String("TELEMETRYALIASES"));
  for (int a = 0; a <= kMaxSensorAddress; ++a) {
    const QString alias = db->KLX_DataBaseManagerTelemetrieGetSetSensorAlias(a, QString(), G, false);
    QString values[KLX_GUITelemetrie::kValues];
    bool any = !alias.isEmpty();
    for (int v = 0; v < KLX_GUITelemetrie::kValues; ++v) {
      values[v] = db->KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(a, v, QString(), G, false);
      any = any || !values[v].isEmpty();
    }
    if (!any) continue;
    w->StartElement(QLatin1String("Sensor"));
    w->TextElement(QLatin1String("MainAddr"), a);
    if (!alias.isEmpty()) w->TextElement(QLatin1String("SensorAlias"), alias);
    for (int v = 0; v < KLX_GUITelemetrie::kValues; ++v) {
      if (values[v].isEmpty()) continue;
      w->StartElement(QLatin1String("Slave"));
      w->TextElement(QLatin1String("SlaveAddr"), v);
      w->TextElement(QLatin1String("SlaveAlias"), values[v]);
      w->EndElement();
    }
    w->EndElement();
  }
  w->EndElement();
}

int KLX_XMLModel::KLX_XMLModelReadModelTelemetrieAliasData(QXmlStreamReader* r) {
  const KLX_XMLField mainAddr = Field("MainAddr", C::UpToMax, true, 0x21597, "telemetrie sensor mainaddr error",
                                      kMaxSensorAddress);
  const KLX_XMLField slaveAddr = Field("SlaveAddr", C::UpToMax, true, 0x215A7, "telemetrie sensor slave addr error", 31);
  while (r->readNextStartElement()) {
    if (r->name() != QLatin1String("Sensor")) {
      // Passed over without a report; the sensors after it are still read.
      r->skipCurrentElement();
      continue;
    }
    int address = -1;
    QString sensorAlias;
    QString values[KLX_GUITelemetrie::kValues];
    while (r->readNextStartElement()) {
      const QStringRef name = r->name();
      if (name == mainAddr.name) {
        if (!ReadField(r, mainAddr, &address)) return KLX_Error;
      } else if (name == QLatin1String("SensorAlias")) {
        sensorAlias = KLX_XMLIO::Text(r);
      } else if (name == QLatin1String("Slave")) {
        int slave = -1;
        while (r->readNextStartElement()) {
          if (r->name() == slaveAddr.name) {
            if (!ReadField(r, slaveAddr, &slave)) return KLX_Error;
          } else if (r->name() == QLatin1String("SlaveAlias")) {
            // An alias before its address has nowhere to go.
            const QString text = KLX_XMLIO::Text(r);
            if (slave >= 0) values[slave] = text;
          } else {
            Skip(r, kSkipCode, kSkipText);
          }
        }
      } else {
        Skip(r, kSkipCode, kSkipText);
      }
      if (r->hasError()) return KLX_Error;
    }
    if (r->hasError()) return KLX_Error;
    // A sensor without its address is dropped.
    if (address >= 0 && KLX_XMLModelTransferTelemetryAliasDataToDB(address, sensorAlias, values) == KLX_Error)
      return KLX_Error;
  }
  return r->hasError() ? KLX_Error : KLX_Ok;
}

int KLX_XMLModel::KLX_XMLModelTransferTelemetryAliasDataToDB(int address, const QString& sensorAlias,
                                                             const QString* valueAliases) {
  D* db = m_Db;
  const int S = AtomicDirSet;
  // Into the telemetry store whether or not a page shows the sensor: the
  // store keeps aliases across a rescan, and a page placed later finds them.
  if (!sensorAlias.isEmpty()) db->KLX_DataBaseManagerTelemetrieGetSetSensorAlias(address, sensorAlias, S, true);
  for (int v = 0; v < KLX_GUITelemetrie::kValues; ++v)
    if (!valueAliases[v].isEmpty()) db->KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(address, v, valueAliases[v], S, false);
  ForEachShownSensor(db, address, [&](int p, int e, int s) {
    if (!sensorAlias.isEmpty()) db->KLX_DataBaseManagerGUITelemetrieGetSet_SensorAlias(p, e, s, sensorAlias, S);
    for (int slot = 0; slot < KLX_GUITelemetrie::kValues; ++slot) {
      if (db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(p, e, s, slot, 0, AtomicDirGet) != 1) continue;
      const int v = db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(p, e, s, slot, 0,
                                                                                                    AtomicDirGet);
      if (v >= 0 && v < KLX_GUITelemetrie::kValues && !valueAliases[v].isEmpty())
        db->KLX_DataBaseManagerGUITelemetrieGetSet_Slave_SlaveAlias(p, e, s, slot, valueAliases[v], S);
    }
  });
  return KLX_Ok;
}

// ---- Telemetry controls ---------------------------------------------------------------------

namespace {
// The staged values in the order of the file's elements.
enum TeleControlValue { TcUsed, TcSimulation, TcInverted, TcMain, TcSlave, TcDecimal, TcSimValue, TcFailsafe,
                        TcHigh, TcLow, TcDefault, TcOutput, TcCount };
const KLX_XMLField kTeleControlFields[TcCount] = {
    Field("IsUsed", C::Boolean, true, 0x5158F, "telecontrol IsUsed error"),
    Field("OnSimulation", C::Boolean, true, 0x5159B, "telecontrol onSimulation error"),
    Field("Inverted", C::Boolean, true, 0x5159C, "telecontrol Inverted error"),
    Field("MainAddr", C::Uint8, true, 0x51590, "telecontrol main addr error"),
    Field("SlaveAddr", C::Uint8, true, 0x51591, "telecontrol slave addr error"),
    Field("DecimalDot", C::Uint8, true, 0x51592, "telecontrol decimal dot position error"),
    Field("SimulateValue", C::Sint16, false, 0x51593, "telecontrol simulation value error"),
    Field("FailsafeValue", C::Sint16, false, 0x51594, "telecontrol failsafe value error"),
    Field("LimitHigh", C::Sint16, false, 0x51595, "telecontrol upper limit value error"),
    Field("LimitLow", C::Sint16, false, 0x51596, "telecontrol lower limit value error"),
    Field("DfltOutputVal", C::Sint16, false, 0x5159A, "telecontrol default out value error"),
    Field("OutputControl", C::Uint16, true, 0x5159D, "telecontrol output control error")};
const KLX_XMLField kTeleControlIndex = Field("Index", C::UpToMax, true, 0x5158E, "telecontrol Index error", 15);
}  // namespace

void KLX_XMLModel::KLX_XMLModelWriteModelTelemetryControl(KLX_XMLTextWriter* w) {
  D* db = m_Db;
  const int G = AtomicDirGet;
  for (int i = 0; i < db->KLX_DataBaseManagerGetMaxTeleControls(); ++i) {
    if (db->KLX_DataBaseManagerTeleControlGetSet_IsUsed(i, 0, G, false) != 1) continue;
    const int full = db->KLX_DataBaseManagerTeleControlGetSet_FullAddr(i, 0, G, false);
    int v[TcCount];
    v[TcUsed] = 1;
    v[TcSimulation] = db->KLX_DataBaseManagerTeleControlGetSet_SimulOn(i, 0, G, false);
    v[TcInverted] = db->KLX_DataBaseManagerTeleControlGetSet_InvOutput(i, 0, G, false);
    v[TcMain] = full < 0 ? 255 : full & 0xFF;
    v[TcSlave] = full < 0 ? 255 : (full >> 8) & 0xFF;
    v[TcDecimal] = db->KLX_DataBaseManagerTeleControlGetSet_DecPoint(i, 0, G, false);
    v[TcSimValue] = db->KLX_DataBaseManagerTeleControlGetSet_SimulValue(i, 0, G, false);
    v[TcFailsafe] = db->KLX_DataBaseManagerTeleControlGetSet_FSafeValue(i, 0, G, false);
    v[TcHigh] = db->KLX_DataBaseManagerTeleControlGetSet_Limit(i, true, 0, G, false);
    v[TcLow] = db->KLX_DataBaseManagerTeleControlGetSet_Limit(i, false, 0, G, false);
    v[TcDefault] = db->KLX_DataBaseManagerTeleControlGetSet_DfltOutVal(i, 0, G, false);
    v[TcOutput] = db->KLX_DataBaseManagerTeleControlGetSet_OutControl(i, 0, G, false);
    w->StartElement(QLatin1String("TELEMETRYCONTROL"));
    w->TextElement(kIndex, i);
    w->TextElement(kName, db->KLX_DataBaseManagerTeleControlGetSet_Name(i, QString(), G));
    for (int k = 0; k < TcCount; ++k) w->TextElement(kTeleControlFields[k].name, v[k]);
    w->EndElement();
  }
}

int KLX_XMLModel::KLX_XMLModelReadModelTeleControlData(QXmlStreamReader* r) {
  KLX_XMLTeleControl& t = m_Data->teleControl;
  t.index = -1;
  t.name = QByteArrayLiteral("telecontrol");
  // A cleared control's values.
  T_TelemetryControl cleared;
  m_Db->KLX_DataBaseManagerTeleControlClear(&cleared);
  const int start[TcCount] = {cleared.IsUsed, cleared.IsSimulating, cleared.IsInverted, cleared.MainAddress,
                              cleared.SlaveAddress, cleared.DecimalPosition, cleared.SimulationValue,
                              cleared.FailSafeValue, cleared.UpperLimit, cleared.LowerLimit,
                              cleared.DefaultOutputValue, cleared.OutputControl};
  std::copy(std::begin(start), std::end(start), t.values);
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    bool ok = true;
    const int f = FindIn(kTeleControlFields, name);
    if (name == kIndex) {
      ok = ReadField(r, kTeleControlIndex, &t.index);
    } else if (name == kName) {
      t.name = KLX_Utf8Cut(KLX_XMLIO::Text(r), 46);
    } else if (f >= 0) {
      ok = ReadField(r, kTeleControlFields[f], &t.values[f]);
    } else {
      Skip(r, 0x5158D, "telecontrol skip error");
    }
    if (!ok || r->hasError()) return KLX_Error;
  }
  return r->hasError() ? KLX_Error : KLX_Ok;
}

int KLX_XMLModel::KLX_XMLModelTransferTeleControlDataToDB() {
  D* db = m_Db;
  const KLX_XMLTeleControl& t = m_Data->teleControl;
  if (t.index < 0 || t.index >= db->KLX_DataBaseManagerGetMaxTeleControls()) return KLX_Ok;
  const int S = AtomicDirSet;
  const int i = t.index;
  const int* v = t.values;
  db->KLX_DataBaseManagerTeleControlGetSet_Name(i, QString::fromUtf8(t.name), S);
  db->KLX_DataBaseManagerTeleControlGetSet_IsUsed(i, v[TcUsed], S, false);
  db->KLX_DataBaseManagerTeleControlGetSet_SimulOn(i, v[TcSimulation], S, false);
  db->KLX_DataBaseManagerTeleControlGetSet_InvOutput(i, v[TcInverted], S, false);
  db->KLX_DataBaseManagerTeleControlGetSet_FullAddr(i, v[TcMain] + 256 * v[TcSlave], S, false);
  db->KLX_DataBaseManagerTeleControlGetSet_DecPoint(i, v[TcDecimal], S, false);
  db->KLX_DataBaseManagerTeleControlGetSet_SimulValue(i, v[TcSimValue], S, false);
  db->KLX_DataBaseManagerTeleControlGetSet_FSafeValue(i, v[TcFailsafe], S, false);
  db->KLX_DataBaseManagerTeleControlGetSet_Limit(i, true, v[TcHigh], S, false);
  db->KLX_DataBaseManagerTeleControlGetSet_Limit(i, false, v[TcLow], S, false);
  db->KLX_DataBaseManagerTeleControlGetSet_DfltOutVal(i, v[TcDefault], S, false);
  db->KLX_DataBaseManagerTeleControlGetSet_OutControl(i, v[TcOutput], S, false);
  return KLX_Ok;
}
