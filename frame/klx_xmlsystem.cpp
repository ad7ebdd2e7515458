#include "frame/klx_xmlsystem.h"

#include <QDebug>
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_utf8.h"
#include "frame/klx_xmlsafefile.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr unsigned kErrInitialize = 75909;
constexpr unsigned kErrOpenRead = 141322;
constexpr unsigned kErrOpenWrite = 141325;
constexpr unsigned kErrFlush = 141331;
constexpr unsigned kErrWriter = 141447;
constexpr unsigned kErrRoot = 141448;
constexpr unsigned kErrControlIndex = 141465;
constexpr unsigned kErrControlTyp = 141467;
constexpr unsigned kErrControl = 141468;
constexpr unsigned kErrTPIndex = 141501;
constexpr unsigned kErrTPControl = 141514;
constexpr unsigned kErrTPChannel = 141515;
constexpr unsigned kSkipped = 338054;

const QString kSkipText = QStringLiteral("skip unknown element in System.xml");
constexpr int kReaderTextBytes = 47;
constexpr int kTutorPupilSlots = 8;
constexpr int kNoStickIndex = 24;

bool IsFenk() { return Board::m_Instance && Board::m_Instance->IsFenk(); }

void Skip(QXmlStreamReader* reader, const QString& text) {
  KLXErrorHandler.RegisterError(kSkipped, text);
  reader->skipCurrentElement();
}

enum class Conv { Signed, Unsigned, Text };
enum class Check { None, Uint8, Uint16, Sint16, Boolean };

bool Passes(Check check, int value) {
  switch (check) {
    case Check::Uint8: return KLX_XMLModelBase::KLX_XMLModelBaseCheckUint8(value);
    case Check::Uint16: return KLX_XMLModelBase::KLX_XMLModelBaseCheckUint16(value);
    case Check::Sint16: return KLX_XMLModelBase::KLX_XMLModelBaseCheckSint16(value);
    case Check::Boolean: return KLX_XMLModelBase::KLX_XMLModelBaseCheckBoolean(value);
    case Check::None: return true;
  }
  return true;
}

// One setting element: how it is written, converted, checked and set.
struct Setting {
  const char* name;
  Conv conv;
  Check check;
  qint64 fallback;  // set when the text is bad; < -0xFFFFFFFF: set nothing
  unsigned code;
  const char* text;
  std::function<QString(KLX_DataBaseManager*)> write;
  std::function<void(KLX_DataBaseManager*, qint64)> set;
  std::function<void(KLX_DataBaseManager*, const QString&)> setText;
};

constexpr qint64 kNoFallback = -0x1FFFFFFFFLL;

QString Num(qint64 v) { return QString::number(v); }

int Volume(int packed) { return packed & 0xFF; }
int VolumeControl(int packed) { return (packed >> 8) & 0xFFFF; }

const QList<Setting>& Settings() {
  using DB = KLX_DataBaseManager;
  static const QList<Setting> table = {
      {"Locktimeout", Conv::Signed, Check::None, 5, 206985, "default value for System: Locktimeout",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(int(v), AtomicDirSet, false); }, nullptr},
      {"Idletimeout", Conv::Signed, Check::None, 15, 207053, "default value for System: Idletimeout",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemProperties_IdleTimeout(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemProperties_IdleTimeout(int(v), AtomicDirSet, false); }, nullptr},
      {"Dimbrightness", Conv::Signed, Check::None, 20, 206986, "default value for System: Dimbrightness",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemProperties_TimeoutBrigntness(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemProperties_TimeoutBrigntness(int(v), AtomicDirSet, false); }, nullptr},
      {"Brightness", Conv::Signed, Check::None, 70, 206987, "default value for System: Brightness",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(int(v), AtomicDirSet, false); }, nullptr},
      {"Brightnessdimtime", Conv::Signed, Check::None, 5, 206988, "default value for System: Brightnessdimtime",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemProperties_Fallbacktime(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemProperties_Fallbacktime(int(v), AtomicDirSet, false); }, nullptr},
      {"Displaycontrast", Conv::Signed, Check::None, 1, 206989, "default value for System: Displaycontrast",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemProperties_DisplayContrast(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemProperties_DisplayContrast(int(v), AtomicDirSet, false); }, nullptr},
      {"Displaycolour", Conv::Unsigned, Check::None, 0xFFFBFBFBLL, 206990, "default value for System: Displaycolour",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemProperties_DisplayColour(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemProperties_DisplayColour(unsigned(v), AtomicDirSet, false); }, nullptr},
      {"Bordercolour", Conv::Unsigned, Check::None, 0xFFFBFBFBLL, 206991, "default value for System: Bordercolour",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemProperties_DisplayBorderColour(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemProperties_DisplayBorderColour(unsigned(v), AtomicDirSet, false); }, nullptr},
      {"MeasureSystem", Conv::Unsigned, Check::Uint8, 1, 207019, "default value for System: MeasureSystem",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSet_SystemPropertiesMeasureSystem(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSet_SystemPropertiesMeasureSystem(int(v), AtomicDirSet, false); }, nullptr},
      {"TeleLoggingEnabled", Conv::Unsigned, Check::Uint8, kNoFallback, 207097, "default value for System: TeleLoggingEnabled",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled(v ? 1 : 0, AtomicDirSet, false); }, nullptr},
      {"FastStartEnabled", Conv::Unsigned, Check::Uint8, 0, 207020, "default value for System: FastStartEnabled",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled(0, AtomicDirGet)); },
       [](DB* d, qint64 v) {
         d->KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled(v && !IsFenk() ? 1 : 0, AtomicDirSet, false);
       }, nullptr},
      {"UserName", Conv::Text, Check::None, 0, 0, "",
       [](DB* d) { return d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName(QString(), AtomicDirGet); }, nullptr,
       [](DB* d, const QString& t) {
         d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName(QString::fromUtf8(KLX_Utf8Cut(t, kReaderTextBytes)), AtomicDirSet, false);
       }},
      {"PortalLogin", Conv::Text, Check::None, 0, 0, "",
       [](DB* d) { return d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLoginEncrptd(QString(), AtomicDirGet); }, nullptr,
       [](DB* d, const QString& t) { d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLoginEncrptd(t, AtomicDirSet, false); }},
      {"UserPassw", Conv::Text, Check::None, 0, 0, "",
       [](DB* d) { return d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserPasswEncrypted(QString(), AtomicDirGet); }, nullptr,
       [](DB* d, const QString& t) { d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserPasswEncrypted(t, AtomicDirSet, false); }},
      {"AutomaticDateTime", Conv::Signed, Check::Boolean, 1, 206992, "default value for System: AutomaticDateTime",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime(0, AtomicDirGet)); },
       [](DB* d, qint64 v) {
         d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime(IsFenk() ? 0 : int(v), AtomicDirSet, false);
       }, nullptr},
      {"Display24h", Conv::Signed, Check::Boolean, 0, 206993, "default value for System: Display24h",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(int(v), AtomicDirSet, false); }, nullptr},
      {"DayLightSaving", Conv::Unsigned, Check::Uint16, 0, 207052, "default value for System: Daylight saving flag",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DayLightSaving(0, AtomicDirGet) ? 1 : 0); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DayLightSaving(v ? 1 : 0, AtomicDirSet); }, nullptr},
      {"CountryCode", Conv::Unsigned, Check::Uint16, 0, 207052, "default value for System: Country code",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_CountryCode(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_CountryCode(int(v), AtomicDirSet, false); }, nullptr},
      {"TimezoneLocation", Conv::Text, Check::None, 0, 0, "",
       [](DB* d) { return d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeZoneLocation(QString(), AtomicDirGet); }, nullptr,
       [](DB* d, const QString& t) { d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeZoneLocation(t, AtomicDirSet, false); }},
      {"TimeOffset", Conv::Signed, Check::Sint16, 1, 207053, "default value for System: time zone offset",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(int(v), AtomicDirSet, false, false); }, nullptr},
      {"Language", Conv::Text, Check::None, 0, 0, "",
       [](DB* d) { return d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language(QString(), AtomicDirGet); }, nullptr,
       [](DB* d, const QString& t) {
         d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language(QString::fromUtf8(KLX_Utf8Cut(t, kReaderTextBytes)), AtomicDirSet, false);
       }},
      {"LastUsedBLE", Conv::Text, Check::None, 0, 0, "",
       [](DB* d) { return d->KLX_DataBaseManagerGetLastUsedBLEDevice(); }, nullptr,
       [](DB* d, const QString& t) {
         if (t.size() < 19) {
           qDebug().noquote() << "LAST USED BLE " + t;
           d->SetAndSearchLastUsedBLEDevice(t, true);
         } else {
           qDebug() << "ERROR NO BLE MAC ADRESS";
           d->SetAndSearchLastUsedBLEDevice(QString(), false);
         }
       }},
#define KLX_VOLUME_ROWS(elem, accessor, vcode, ccode, vname, cname)                                          \
  {elem, Conv::Unsigned, Check::None, vname[0] == 'B' ? 88 : 80, vcode, "default value for System: " vname,  \
   [](DB* d) { return Num(Volume(d->accessor(0, AtomicDirGet))); },                                          \
   [](DB* d, qint64 v) { d->accessor(int(v), AtomicDirSet, false, 65535); }, nullptr},                      \
  {elem "Control", Conv::Unsigned, Check::None, 0, ccode, "default value for System: " cname,                \
   [](DB* d) { return Num(VolumeControl(d->accessor(0, AtomicDirGet))); },                                   \
   [](DB* d, qint64 v) { d->accessor(0, AtomicDirSet, false, int(v)); }, nullptr}
      KLX_VOLUME_ROWS("VolumeKey", KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlKeyTrims, 206995, 206995,
                      "VolumeKey", "VolumeKeyControl"),
      KLX_VOLUME_ROWS("VolumeAlarm", KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTelemetry, 206996, 206996,
                      "VolumeAlarm", "VolumeAlarmControl"),
      KLX_VOLUME_ROWS("VolumeTimer", KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTimer, 206997, 206996,
                      "VolumeTimer", "VolumeTimerControl"),
      KLX_VOLUME_ROWS("VolumeBT", KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT, 206998, 206996,
                      "VolumeBT", "VolumeBTControl"),
      {"BTPowerStatus", Conv::Unsigned, Check::None, 0, 206998, "default value for System: BTPowerStatus",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_BTPowerStatus(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_BTPowerStatus(int(v), AtomicDirSet, false); }, nullptr},
      KLX_VOLUME_ROWS("VolumeTemeletry", KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlVario, 206998, 206996,
                      "VolumeVario", "VolumeVarioControl"),
#undef KLX_VOLUME_ROWS
      {"VolumeMaster", Conv::Unsigned, Check::None, 80, 206999, "default value for System: VolumeMaster",
       [](DB* d) { return Num(d->SystemPropertiesGetSet_VolumeMaster(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->SystemPropertiesGetSet_VolumeMaster(int(v), AtomicDirSet, false); }, nullptr},
      {"isMasterVolumeControlled", Conv::Unsigned, Check::None, 0, 206999,
       "default property for System: Volume master controlled set to FALSE",
       [](DB* d) { return Num(d->KLX_DatabaseManagerGetSetSystemProperties_MainMastVolmIsControlled(0, AtomicDirGet) ? 1 : 0); },
       [](DB* d, qint64 v) { d->KLX_DatabaseManagerGetSetSystemProperties_MainMastVolmIsControlled(v ? 1 : 0, AtomicDirSet, false); },
       nullptr},
      {"MasterVolumeControl", Conv::Unsigned, Check::None, 0, 206999, "default control for System: Volume master control BAD",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_MasterVolumeCtl(0, AtomicDirGet) & 0xFFFF); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_MasterVolumeCtl(int(v), AtomicDirSet, false); }, nullptr},
      {"IntroVideo", Conv::Signed, Check::Boolean, 1, 207000, "default value for System: IntroVideo",
       [](DB* d) { return Num(d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_IntroVideo(0, AtomicDirGet)); },
       [](DB* d, qint64 v) { d->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_IntroVideo(int(v), AtomicDirSet, false); }, nullptr},
  };
  return table;
}

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
  KLX_XMLSafeFile file(path);
  if (!m_Db || !file.Open()) {
    KLXErrorHandler.RegisterError(kErrOpenWrite, QStringLiteral("System.xml file could not be open for writing"));
    return KLX_Error;
  }
  QXmlStreamWriter writer(file.Device());
  KLX_XMLStartDeviceFile(&writer, QStringLiteral("systemfile"));
  writer.writeStartElement(QStringLiteral("SYSTEM"));
  WriteSettings(&writer);
  KLX_XMLSystemWriteTutorPupilModeSection(&writer);
  writer.writeEndElement();
  writer.writeEndElement();
  writer.writeEndDocument();

  int result = KLX_Ok;
  if (writer.hasError()) {
    KLXErrorHandler.RegisterError(kErrWriter, QStringLiteral("vorn writer has an error"));
    result = KLX_Error;
  } else if (!file.Commit()) {
    // The old file stays; the save counts as failed.
    KLXErrorHandler.RegisterError(kErrFlush, QStringLiteral("System.xml file buffer could not be flushed and isn't closed"));
    result = KLX_Error;
  }
  qDebug() << "   ...system file saved!";
  return result;
}

void KLX_XMLSystem::WriteSettings(QXmlStreamWriter* writer) {
  for (const Setting& s : Settings()) writer->writeTextElement(QLatin1String(s.name), s.write(m_Db));

  for (int i = 0; i < 176; ++i) {
    int control = 0;
    int type = 0;
    if (m_Db->KLX_DataBaseManagerSystemPropertiesGet_ControlAndControlTypByIndex(i, &control, &type) != KLX_Ok) continue;
    if (control == 0) continue;
    writer->writeStartElement(QStringLiteral("CONTROLS"));
    writer->writeTextElement(QStringLiteral("Index"), QString::number(i));
    writer->writeTextElement(QStringLiteral("Control"), QString::number(control));
    writer->writeTextElement(QStringLiteral("Typ"), QString::number(type));
    writer->writeEndElement();
  }
  for (int i = 0; i < 10; ++i) {
    writer->writeStartElement(QStringLiteral("USERMENU"));
    writer->writeTextElement(QStringLiteral("Index"), QString::number(i));
    writer->writeTextElement(QStringLiteral("Data"),
                             QString::number(m_Db->KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(
                                 i, 0, QString(), AtomicDirGet, false)));
    writer->writeTextElement(QStringLiteral("Type"), m_Db->GetUserMenuEntryType(i));
    writer->writeEndElement();
  }
}

void KLX_XMLSystem::KLX_XMLSystemWriteTutorPupilModeSection(QXmlStreamWriter* writer) {
  bool opened = false;
  for (int slot = 0; slot < kTutorPupilSlots; ++slot) {
    if (m_Db->KLX_DataBaseManagerTutorPupilGetSetIsUsed(slot, false, AtomicDirGet, false) != 1) continue;
    if (!opened) {
      writer->writeStartElement(QStringLiteral("TEACHERPUPILSETTINGS"));
      opened = true;
    }
    writer->writeStartElement(QStringLiteral("TeacherPupilItem"));
    writer->writeTextElement(QStringLiteral("Index"), QString::number(slot));
    writer->writeTextElement(QStringLiteral("InUse"),
                             QString::number(m_Db->KLX_DataBaseManagerTutorPupilGetSetIsEnabled(slot, false, AtomicDirGet, false) ? 1 : 0));
    writer->writeTextElement(QStringLiteral("VornControlID"),
                             QString::number(m_Db->KLX_DataBaseManagerTutorPupilGetSetVornControl(slot, 0, AtomicDirGet, false)));
    writer->writeTextElement(QStringLiteral("ExtChannelIndex"),
                             QString::number(m_Db->KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(slot, 0, AtomicDirGet, false)));
    writer->writeEndElement();
  }
  if (!opened) return;
  const bool on = m_Db->KLX_DatabaseManagerGetSetFrontPlugMode(0, AtomicDirGet) == 2;
  writer->writeTextElement(QStringLiteral("OnOffState"), on ? QStringLiteral("ON") : QStringLiteral("OFF"));
  writer->writeEndElement();
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
      const auto& table = Settings();
      const auto it = std::find_if(table.begin(), table.end(),
                                   [&](const Setting& s) { return name == QLatin1String(s.name); });
      if (it == table.end()) {
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
  for (const Setting& s : Settings()) {
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
    if (s.fallback != kNoFallback) s.set(m_Db, s.fallback);
    return true;
  }
  return false;
}

bool KLX_XMLSystem::ReadControls(QXmlStreamReader* reader) {
  int index = -1;
  while (reader->readNextStartElement()) {
    const QString name = reader->name().toString();
    if (name == QLatin1String("Index")) {
      unsigned v = 0;
      if (!ReadUnsignedUpTo(reader, kLastControlIndex, kErrControlIndex, "default value for System: Control Index", &v))
        return false;
      index = int(v);
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
      unsigned v = 0;
      if (!ReadUnsignedUpTo(reader, kLastControlIndex, kErrControlIndex, "default value for System: Control Index", &v))
        return false;
      index = int(v);
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
  qDebug().noquote() << "Type: " + type;
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
      int control = 65535;
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
