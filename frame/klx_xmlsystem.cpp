#include "frame/klx_xmlsystem.h"

#include <QDebug>
#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_debuglog.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_utf8.h"
#include "frame/klx_xmlsafefile.h"
#include "frame/klx_xmltextwriter.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr unsigned kErrInitialize = 0x12885;
constexpr unsigned kErrOpenRead = 0x2280A;
constexpr unsigned kErrOpenWrite = 0x2280D;
constexpr unsigned kErrFlush = 0x22813;
constexpr unsigned kErrWriter = 0x22887;
constexpr unsigned kErrRoot = 0x22888;
constexpr unsigned kErrControlIndex = 0x22899;
constexpr unsigned kErrControlTyp = 0x2289B;
constexpr unsigned kErrControl = 0x2289C;
constexpr unsigned kErrTPIndex = 0x228BD;
constexpr unsigned kErrTPControl = 0x228CA;
constexpr unsigned kErrTPChannel = 0x228CB;
constexpr unsigned kSkipped = 0x52886;

const QString kSkipText = QStringLiteral("skip unknown element in System.xml");
constexpr int kReaderTextBytes = 47;
// The control argument of a volume accessor that sets the volume part.
constexpr int kNoControl = CONTROLID_Invalid_GUI;
constexpr int kTutorPupilSlots = 8;
constexpr int kNoStickIndex = 24;

bool IsFenk() { return Board::m_Instance && Board::m_Instance->IsFenk(); }

void Skip(QXmlStreamReader* reader, const QString& text) {
  KLXErrorHandler.RegisterError(kSkipped, text);
  reader->skipCurrentElement();
}

enum class Conv { Signed, Unsigned, Text };
enum class Check { NoCheck, Uint8, Uint16, Sint16, Boolean };

bool Passes(Check check, int value) {
  switch (check) {
    case Check::Uint8: return KLX_XMLModelBase::KLX_XMLModelBaseCheckUint8(value);
    case Check::Uint16: return KLX_XMLModelBase::KLX_XMLModelBaseCheckUint16(value);
    case Check::Sint16: return KLX_XMLModelBase::KLX_XMLModelBaseCheckSint16(value);
    case Check::Boolean: return KLX_XMLModelBase::KLX_XMLModelBaseCheckBoolean(value);
    case Check::NoCheck: return true;
  }
  return true;
}

using DB = KLX_DataBaseManager;

// One setting element: how it is written, converted, checked and set.
struct Setting {
  const char* name;
  Conv conv;
  Check check;
  qint64 fallback;  // set when the text is bad, unless KLX_NO_FALLBACK
  unsigned code;
  const char* text;
  QString (*write)(DB*);
  void (*set)(DB*, qint64);
  void (*setText)(DB*, const QString&);
};

QString Num(qint64 v) { return QString::number(v); }

int Volume(int packed) { return packed & 0xFF; }
int VolumeControl(int packed) { return (packed >> 8) & 0xFFFF; }

void SetLastUsedBle(DB* d, const QString& t) {
  if (t.size() < 19) {
    qCDebug(lcVornDebug).noquote() << "LAST USED BLE " + t;
    d->SetAndSearchLastUsedBLEDevice(t, true);
  } else {
    qCDebug(lcVornDebug) << "ERROR NO BLE MAC ADRESS";
    d->SetAndSearchLastUsedBLEDevice(QString(), false);
  }
}

// The rows of the settings table that have an element, in the file's order;
// each reaches its setting through the facade accessor of its row, a read
// from the file without marking the file modified.
#define KLX_SETTING_XML(name, type, def, min, max, store, facade, file) \
  KLX_SETTING_XML_APPLY(KLX_SETTING_FACADE_NAME_##facade, KLX_SETTING_XML_ARGS_##file)
#define KLX_SETTING_XML_ARGS_Xml(conv, element, check, fallback, code, text) \
  conv, element, check, fallback, code, text
#define KLX_SETTING_XML_ARGS_NoXml NoXml, nullptr, NoCheck, 0, 0, ""
#define KLX_SETTING_XML_APPLY(...) KLX_SETTING_XML_ROW(__VA_ARGS__)
#define KLX_SETTING_XML_ROW(a, conv, element, check, fallback, code, text) \
  KLX_SETTING_XML_ROW_##conv(a, element, Check::check, fallback, code, text)
#define KLX_SETTING_XML_NUMBER(element, conv, check, fallback, code, text, write, set) \
  {element, Conv::conv, check, fallback, code, text, [](DB* d) { return Num(write); },  \
   [](DB* d, qint64 v) { set; }, nullptr},
#define KLX_SETTING_XML_TEXT(element, write, set) \
  {element, Conv::Text, Check::NoCheck, 0, 0, "", [](DB* d) { return write; }, nullptr, set},
#define KLX_SETTING_XML_ROW_NoXml(...)
#define KLX_SETTING_XML_ROW_Signed(a, e, check, fallback, code, text)            \
  KLX_SETTING_XML_NUMBER(e, Signed, check, fallback, code, text, d->a(0, AtomicDirGet), \
                         d->a(int(v), AtomicDirSet, false))
#define KLX_SETTING_XML_ROW_SignedLarger(a, e, check, fallback, code, text)      \
  KLX_SETTING_XML_NUMBER(e, Signed, check, fallback, code, text, d->a(0, AtomicDirGet), \
                         d->a(IsFenk() ? 0 : int(v), AtomicDirSet, false))
#define KLX_SETTING_XML_ROW_Unsigned(a, e, check, fallback, code, text)          \
  KLX_SETTING_XML_NUMBER(e, Unsigned, check, fallback, code, text, d->a(0, AtomicDirGet), \
                         d->a(static_cast<unsigned int>(v), AtomicDirSet, false))
#define KLX_SETTING_XML_ROW_Flag(a, e, check, fallback, code, text)                        \
  KLX_SETTING_XML_NUMBER(e, Unsigned, check, fallback, code, text, d->a(0, AtomicDirGet) ? 1 : 0, \
                         d->a(v ? 1 : 0, AtomicDirSet, false))
#define KLX_SETTING_XML_ROW_FlagLarger(a, e, check, fallback, code, text)                  \
  KLX_SETTING_XML_NUMBER(e, Unsigned, check, fallback, code, text, d->a(0, AtomicDirGet) ? 1 : 0, \
                         d->a(v && !IsFenk() ? 1 : 0, AtomicDirSet, false))
#define KLX_SETTING_XML_ROW_Volume(a, e, check, fallback, code, text)                           \
  KLX_SETTING_XML_NUMBER(e, Unsigned, check, fallback, code, text, Volume(d->a(0, AtomicDirGet)), \
                         d->a(int(v), AtomicDirSet, false, kNoControl))
#define KLX_SETTING_XML_ROW_VolumeControl(a, e, check, fallback, code, text)                           \
  KLX_SETTING_XML_NUMBER(e, Unsigned, check, fallback, code, text, VolumeControl(d->a(0, AtomicDirGet)), \
                         d->a(0, AtomicDirSet, false, int(v)))
#define KLX_SETTING_XML_ROW_Text(a, e, check, fallback, code, text) \
  KLX_SETTING_XML_TEXT(e, d->a(QString(), AtomicDirGet), [](DB* d, const QString& t) { d->a(t, AtomicDirSet, false); })
#define KLX_SETTING_XML_ROW_Text47(a, e, check, fallback, code, text)                  \
  KLX_SETTING_XML_TEXT(e, d->a(QString(), AtomicDirGet), [](DB* d, const QString& t) { \
    d->a(QString::fromUtf8(KLX_Utf8Cut(t, kReaderTextBytes)), AtomicDirSet, false);    \
  })
#define KLX_SETTING_XML_ROW_Ble(a, e, check, fallback, code, text) \
  KLX_SETTING_XML_TEXT(e, d->KLX_DataBaseManagerGetLastUsedBLEDevice(), SetLastUsedBle)

const Setting kSettings[] = {KLX_SYSTEM_SETTINGS(KLX_SETTING_XML)};

// An unsigned number of base 10 (no sign) or a signed one; empty text fails.
bool ToNumber(const QString& text, bool isSigned, qint64* value) {
  bool ok = false;
  if (isSigned) {
    const int v = text.toInt(&ok, 10);
    *value = v;
  } else {
    const unsigned v = text.toUInt(&ok, 10);
    *value = v;
  }
  return ok;
}
// Reads one element's text as an unsigned number that must be at most
// `limit`; otherwise reports the code and text and answers false.
bool ReadUnsignedUpTo(QXmlStreamReader* reader, unsigned limit, unsigned code, const char* text,
                      unsigned* value) {
  bool ok = false;
  const unsigned v = reader->readElementText().toUInt(&ok, 10);
  if (!ok || v > limit) {
    KLXErrorHandler.RegisterError(code, QString::fromLatin1(text));
    return false;
  }
  *value = v;
  return true;
}

constexpr unsigned kLastControlIndex = 175;

// The "Index" of a "CONTROLS" or "USERMENU" entry: 0..175, else reported.
bool ReadEntryIndex(QXmlStreamReader* reader, int* index) {
  unsigned v = 0;
  if (!ReadUnsignedUpTo(reader, kLastControlIndex, kErrControlIndex, "default value for System: Control Index", &v))
    return false;
  *index = int(v);
  return true;
}
}  // namespace

int KLX_XMLSystem::KLX_XMLSystemInitialize(KLX_DataBaseManager* db) {
  if (!db) {
    KLXErrorHandler.RegisterError(kErrInitialize, QStringLiteral("KLX_XMLSystemInitialize() went wrong"));
    return KLX_Error;
  }
  m_Db = db;
  return KLX_Ok;
}

// ---- writing -----------------------------------------------------------------

int KLX_XMLSystem::KLX_XMLSystemWriteSysFile(const QString& path) {
  const KLX_XMLSaveReports reports{"System.xml", kErrOpenWrite, kErrWriter, kErrFlush};
  const int result = KLX_XMLSaveDeviceFile(path, m_Db != nullptr, reports, [this](KLX_XMLTextWriter* w) {
    w->StartDeviceFile(QLatin1String("systemfile"));
    w->StartElement(QLatin1String("SYSTEM"));
    WriteSettings(w);
    KLX_XMLSystemWriteTutorPupilModeSection(w);
  });
  qDebug() << "   ...system file saved!";
  return result;
}

void KLX_XMLSystem::WriteSettings(KLX_XMLTextWriter* writer) {
  for (const Setting& s : kSettings) writer->TextElement(QLatin1String(s.name), s.write(m_Db));

  for (int i = 0; i < 176; ++i) {
    int control = 0;
    int type = 0;
    if (m_Db->KLX_DataBaseManagerSystemPropertiesGet_ControlAndControlTypByIndex(i, &control, &type) != KLX_Ok) continue;
    if (control == CONTROLID_None_GUI) continue;
    writer->StartElement(QLatin1String("CONTROLS"));
    writer->TextElement(QLatin1String("Index"), i);
    writer->TextElement(QLatin1String("Control"), control);
    writer->TextElement(QLatin1String("Typ"), type);
    writer->EndElement();
  }
  for (int i = 0; i < 10; ++i) {
    writer->StartElement(QLatin1String("USERMENU"));
    writer->TextElement(QLatin1String("Index"), i);
    const int data = m_Db->KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(i, 0, QString(), AtomicDirGet, false);
    writer->TextElement(QLatin1String("Data"), data);
    writer->TextElement(QLatin1String("Type"), m_Db->GetUserMenuEntryType(i));
    writer->EndElement();
  }
}

void KLX_XMLSystem::KLX_XMLSystemWriteTutorPupilModeSection(KLX_XMLTextWriter* writer) {
  bool opened = false;
  for (int slot = 0; slot < kTutorPupilSlots; ++slot) {
    if (m_Db->KLX_DataBaseManagerTutorPupilGetSetIsUsed(slot, false, AtomicDirGet, false) != 1) continue;
    if (!opened) {
      writer->StartElement(QLatin1String("TEACHERPUPILSETTINGS"));
      opened = true;
    }
    writer->StartElement(QLatin1String("TeacherPupilItem"));
    writer->TextElement(QLatin1String("Index"), slot);
    writer->TextElement(QLatin1String("InUse"),
                        m_Db->KLX_DataBaseManagerTutorPupilGetSetIsEnabled(slot, false, AtomicDirGet, false) ? 1 : 0);
    writer->TextElement(QLatin1String("VornControlID"),
                        m_Db->KLX_DataBaseManagerTutorPupilGetSetVornControl(slot, 0, AtomicDirGet, false));
    writer->TextElement(QLatin1String("ExtChannelIndex"),
                        m_Db->KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(slot, 0, AtomicDirGet, false));
    writer->EndElement();
  }
  if (!opened) return;
  const bool on = m_Db->KLX_DatabaseManagerGetSetFrontPlugMode(0, AtomicDirGet) == 2;
  writer->TextElement(QLatin1String("OnOffState"), on ? QStringLiteral("ON") : QStringLiteral("OFF"));
  writer->EndElement();
}

// ---- reading -----------------------------------------------------------------

int KLX_XMLSystem::KLX_XMLSystemReadSysFile(const QString& path) {
  QFile file(path);
  if (!m_Db || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    KLXErrorHandler.RegisterError(kErrOpenRead, QStringLiteral("System.xml file could not be open for reading"));
    return KLX_Error;
  }
  m_Db->KLX_DataBaseManager_SystemPropertiesLock();
  m_Db->KLX_DataBaseManagerGetSetSystemProperties_ClearAll();
  int result = KLX_Ok;
  QXmlStreamReader reader(&file);
  while (!reader.atEnd() && !reader.isStartElement()) reader.readNext();
  if (reader.isStartElement()) {
    if (reader.name() != QLatin1String("systemfile") ||
        reader.attributes().value(QLatin1String("version")) != QLatin1String("1.0")) {
      KLXErrorHandler.RegisterError(kErrRoot, kSkipText);
      result = KLX_Error;
    } else {
      while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("SYSTEM")) {
          if (!ReadSystemSection(&reader)) {
            result = KLX_Error;
            break;
          }
        } else {
          Skip(&reader, kSkipText);
        }
      }
    }
  }
  m_Db->KLX_DataBaseManager_SystemPropertiesUnlock();
  file.close();
  return result;
}

bool KLX_XMLSystem::ReadSystemSection(QXmlStreamReader* reader) {
  while (reader->readNextStartElement()) {
    const QString name = reader->name().toString();
    if (name == QLatin1String("CONTROLS")) {
      if (!ReadControls(reader)) return false;
    } else if (name == QLatin1String("USERMENU")) {
      if (!ReadUserMenu(reader)) return false;
    } else if (name == QLatin1String("TEACHERPUPILSETTINGS")) {
      KLX_XMLSystemReadTutorPupilModeSection(reader);
    } else {
      const auto it = std::find_if(std::begin(kSettings), std::end(kSettings),
                                   [&](const Setting& s) { return name == QLatin1String(s.name); });
      if (it == std::end(kSettings)) {
        Skip(reader, kSkipText);
        continue;
      }
      const QString text = reader->readElementText();
      if (reader->hasError()) return true;
      ReadSetting(name, text);
    }
  }
  return true;
}

bool KLX_XMLSystem::ReadSetting(const QString& name, const QString& text) {
  for (const Setting& s : kSettings) {
    if (name != QLatin1String(s.name)) continue;
    if (s.conv == Conv::Text) {
      s.setText(m_Db, text);
      return true;
    }
    qint64 value = 0;
    const bool good = ToNumber(text, s.conv == Conv::Signed, &value) && Passes(s.check, int(value));
    if (good) {
      s.set(m_Db, value);
      return true;
    }
    KLXErrorHandler.RegisterError(s.code, QLatin1String(s.text));
    if (s.fallback != KLX_NO_FALLBACK) s.set(m_Db, s.fallback);
    return true;
  }
  return false;
}

bool KLX_XMLSystem::ReadControls(QXmlStreamReader* reader) {
  int index = -1;
  while (reader->readNextStartElement()) {
    const QString name = reader->name().toString();
    if (name == QLatin1String("Index")) {
      if (!ReadEntryIndex(reader, &index)) return false;
    } else if (name == QLatin1String("Control")) {
      unsigned v = 0;
      if (!ReadUnsignedUpTo(reader, 0xFFFF, kErrControl, "default value for System: Control", &v)) return false;
      m_LastControl = static_cast<uint16_t>(v);
    } else if (name == QLatin1String("Typ")) {
      unsigned v = 0;
      if (!ReadUnsignedUpTo(reader, ~0u, kErrControlTyp, "default value for System: Control Typ", &v)) return false;
      m_LastControlTyp = static_cast<uint8_t>(v);
    } else {
      Skip(reader, kSkipText);
    }
  }
  if (index < 0)
    KLXErrorHandler.RegisterError(kSkipped, QStringLiteral("index menu entry error"));
  else
    m_Db->KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlTypByIndex(index, m_LastControl, m_LastControlTyp, false);
  return true;
}

bool KLX_XMLSystem::ReadUserMenu(QXmlStreamReader* reader) {
  int index = -1;
  int data = 0;
  QString type;
  while (reader->readNextStartElement()) {
    const QString name = reader->name().toString();
    if (name == QLatin1String("Index")) {
      if (!ReadEntryIndex(reader, &index)) return false;
    } else if (name == QLatin1String("Data")) {
      unsigned v = 0;
      if (!ReadUnsignedUpTo(reader, 0xFF, kErrControl, "default value for System: Control", &v)) return false;
      data = int(v);
    } else if (name == QLatin1String("Type")) {
      type = reader->readElementText();
    } else {
      Skip(reader, kSkipText);
    }
  }
  if (index < 0) {
    KLXErrorHandler.RegisterError(kSkipped, QStringLiteral("index menu entry error"));
    return true;
  }
  qCDebug(lcVornDebug).noquote() << "Type: " + type;
  if (type.isEmpty()) type = QStringLiteral("Main");
  m_Db->KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(index, data, type, AtomicDirSet, false);
  return true;
}

void KLX_XMLSystem::KLX_XMLSystemReadTutorPupilModeSection(QXmlStreamReader* reader) {
  while (reader->readNextStartElement()) {
    const QString name = reader->name().toString();
    if (name == QLatin1String("OnOffState")) {
      m_Db->KLX_DataBaseManagerTutorPupilGlobalEnable(reader->readElementText() == QLatin1String("ON"), 2);
    } else if (name == QLatin1String("TeacherPupilItem")) {
      int slot = -1;
      int control = CONTROLID_Invalid_GUI;
      int channel = 255;
      bool enabled = false;
      while (reader->readNextStartElement()) {
        const QString child = reader->name().toString();
        bool ok = false;
        if (child == QLatin1String("Index")) {
          const unsigned v = reader->readElementText().toUInt(&ok, 10);
          if (ok && v <= 7)
            slot = int(v);
          else
            KLXErrorHandler.RegisterError(kErrTPIndex, QStringLiteral("bad value of Tutor-Pupil item index"));
        } else if (child == QLatin1String("InUse")) {
          enabled = reader->readElementText() == QLatin1String("1");
        } else if (child == QLatin1String("VornControlID")) {
          const unsigned v = reader->readElementText().toUInt(&ok, 10);
          if (ok && v <= 0xFFFFu && m_Db->KLX_DataBaseManagerTutorPupilConvertCtrlToChIndex(int(v)) != kNoStickIndex)
            control = int(v);
          else
            KLXErrorHandler.RegisterError(kErrTPControl, QStringLiteral("bad value of Tutor-Pupil item contol"));
        } else if (child == QLatin1String("ExtChannelIndex")) {
          const unsigned v = reader->readElementText().toUInt(&ok, 10);
          if (ok && v <= 17)
            channel = int(v);
          else
            KLXErrorHandler.RegisterError(kErrTPChannel, QStringLiteral("bad value of Tutor-Pupil external channel"));
        } else {
          Skip(reader, kSkipText);
        }
      }
      if (slot >= 0) {
        m_Db->KLX_DataBaseManagerTutorPupilGetSetIsUsed(slot, true, AtomicDirSet, false);
        m_Db->KLX_DataBaseManagerTutorPupilGetSetVornControl(slot, control, AtomicDirGotten, false);
        m_Db->KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(slot, channel, AtomicDirGotten, false);
        m_Db->KLX_DataBaseManagerTutorPupilGetSetIsEnabled(slot, enabled, AtomicDirGotten, false);
      }
    } else {
      Skip(reader, kSkipText);
    }
  }
}

// ---- the time-zone list ----------------------------------------------------------

void KLX_XMLSystem::KLX_XMLSystemReadTzFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    KLXErrorHandler.RegisterError(kErrOpenRead, path + QStringLiteral(" file could not be open for reading"));
    return;
  }
  // Read once per run; a second read starts again instead of appending.
  m_Countries.clear();
  m_AnnouncedCountries = -1;
  QXmlStreamReader reader(&file);
  auto toSigned16 = [](const QString& t) {
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    return ok ? static_cast<qint16>(v) : qint16(0);
  };
  if (reader.readNextStartElement() && reader.name() == QLatin1String("CommonTimeZones")) {
    while (reader.readNextStartElement()) {
      if (reader.name() == QLatin1String("TotalCountries")) {
        bool ok = false;
        const int v = reader.readElementText().toInt(&ok, 10);
        m_AnnouncedCountries = ok ? v : -1;
      } else if (reader.name() == QLatin1String("COUNTRY")) {
        CountryTZ_struct country;
        while (reader.readNextStartElement()) {
          const QStringRef n = reader.name();
          bool ok = false;
          if (n == QLatin1String("Name")) {
            country.Name = reader.readElementText();
          } else if (n == QLatin1String("Abbr")) {
            country.Abbr = reader.readElementText();
          } else if (n == QLatin1String("CountryCodeQt")) {
            const unsigned v = reader.readElementText().toUShort(&ok, 10);
            country.CountryCodeQt = ok ? static_cast<quint16>(v) : quint16(65535);
          } else if (n == QLatin1String("Zones")) {
            const unsigned v = reader.readElementText().toUShort(&ok, 10);
            country.Zones = ok ? static_cast<quint8>(v) : quint8(0);
          } else if (n == QLatin1String("TimeZone")) {
            Timezone_struct zone;
            while (reader.readNextStartElement()) {
              const QStringRef z = reader.name();
              if (z == QLatin1String("Continent"))
                zone.Continent = reader.readElementText();
              else if (z == QLatin1String("City"))
                zone.City = reader.readElementText();
              else if (z == QLatin1String("DayLightSaving"))
                reader.readElementText();
              else if (z == QLatin1String("OffsetWinter"))
                zone.OffsetWinter = toSigned16(reader.readElementText());
              else if (z == QLatin1String("OffsetSummer"))
                zone.OffsetSummer = toSigned16(reader.readElementText());
              else
                Skip(&reader, QStringLiteral("skip unknown element in Timezones.xml:COUNTRY:TimeZone"));
            }
            if (!reader.hasError()) country.TimeZones.append(zone);
          } else {
            Skip(&reader, QStringLiteral("skip unknown element in Timezones.xml:COUNTRY"));
          }
        }
        if (!reader.hasError()) m_Countries.append(country);
      } else {
        Skip(&reader, QStringLiteral("skip unknown element in Timezones.xml"));
      }
    }
  }
  std::stable_sort(m_Countries.begin(), m_Countries.end(), [](const CountryTZ_struct& a, const CountryTZ_struct& b) {
    return a.Name.toLower() < b.Name.toLower();
  });
  if (!m_Countries.isEmpty()) {
    CountryTZ_struct any;
    any.Name = QStringLiteral("Not specified");
    any.Abbr = QStringLiteral("Any");
    m_Countries.prepend(any);
  }
  if (m_Db) m_Db->KLX_DataBaseManagerSetCountryListPtr(&m_Countries);
}
