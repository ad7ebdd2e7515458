#include "frame/klx_systemproperties.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"

#include <QFile>
#include <QLocale>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_utf8.h"
#include "frame/simplecrypt.h"
#include "link/klx_protocol.h"

namespace {
constexpr unsigned kErrInitialize = 0x11301;
constexpr unsigned kErrTempFile = 0x11901;
constexpr unsigned kErrNotInitialized = 0x21301;
constexpr unsigned kErrControlGet = 0x21302;
constexpr unsigned kErrControlSet = 0x21303;
constexpr unsigned kErrUserMenu = 0x21305;


// Fixed keys: stored enciphered credentials must decipher with them.
constexpr quint64 kKeyPortalLogin = Q_UINT64_C(0x5A17C3E04B9D2F61);
constexpr quint64 kKeyUserPassw = Q_UINT64_C(0x2E8B71D4A6F0935C);

constexpr int kLastCountryCode = 257;
constexpr int kUserMenuValueMax = 255;
constexpr unsigned char kFrontPlugUnknown = 255;
// Servo signals (PWM): the front plug's mode until the controller says otherwise.
constexpr unsigned char kFrontPlugServo = 0;

QString TempFilePath() {
  return KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QStringLiteral("/sys/class/thermal/thermal_zone0/temp"));
}

int Toggle(std::atomic<uint8_t>* flag, int value, int dir) {
  if (dir) return *flag;
  // 0 and 1 are stored; anything else flips the flag.
  if (value == 0 || value == 1)
    *flag = static_cast<uint8_t>(value);
  else
    *flag = *flag ? 0 : 1;
  return *flag;
}

// The write range of each row, for the accessors written by hand.
#define KLX_SETTING_RANGE(name, type, def, min, max, ...) \
  constexpr long long kMin_##name = min;                   \
  constexpr long long kMax_##name = max;
KLX_SYSTEM_SETTINGS(KLX_SETTING_RANGE)
#undef KLX_SETTING_RANGE

template <typename T>
int ReadOrStore(std::atomic<T>* field, int dir, int stored) {
  if (dir) return *field;
  *field = static_cast<T>(stored);
  return *field;
}
}  // namespace

KLX_SystemProperties::KLX_SystemProperties() : QObject(nullptr) {
  for (auto& i : m_Border.IndexMax) i = 0;
  m_Border.IndexMax[0] = kControlTypes;
  m_Border.IndexMax[1] = kUserMenuEntries;

  m_AmbientFactor = std::log(81.0) / 100.0;
  KLX_SystemPropertiesClearAll();

  QFile temp(TempFilePath());
  if (!temp.open(QIODevice::ReadOnly))
    KLXErrorHandler.RegisterError(kErrTempFile, QStringLiteral("could not open CPU temperature file"));

  for (int code = 1; code <= kLastCountryCode; ++code)
    m_Countries.append({QLocale::countryToString(static_cast<QLocale::Country>(code)), code});
  std::stable_sort(m_Countries.begin(), m_Countries.end(), [](const Country_struct_t& a, const Country_struct_t& b) {
    return a.Name.toLower() < b.Name.toLower();
  });
  m_Countries.prepend({QStringLiteral("Not specified"), 0});
}

KLX_SystemProperties::~KLX_SystemProperties() = default;

int KLX_SystemProperties::KLX_SystemPropertiesInitialize(KLX_Protocol* protocol) {
  if (!protocol) {
    KLXErrorHandler.RegisterError(kErrInitialize, QStringLiteral("KLX_SystemProperties gone wrong"));
    return KLX_Error;
  }
  const int rc = KLX_DataBaseTransmitterInitialize(protocol);
  const bool fenk = Board::m_Instance && Board::m_Instance->IsFenk();
  m_BaseFactor = fenk ? std::log(101.0) / 100.0 : std::log(71.0) / 100.0;
  return rc;
}

int KLX_SystemProperties::KLX_SystemPropertiesLock() {
  m_Mutex.lock();
  return KLX_Ok;
}

int KLX_SystemProperties::KLX_SystemPropertiesUnlock() {
  m_Mutex.unlock();
  return KLX_Ok;
}

void KLX_SystemProperties::KLX_SystemPropertiesClearAll() { KLX_SystemPropertiesSetToDefaultValues(); }

void KLX_SystemProperties::KLX_SystemPropertiesSetToDefaultValues() {
#define KLX_SETTING_RESET(name, type, def, ...) KLX_SettingReset(m_##name, def);
  KLX_SYSTEM_SETTINGS(KLX_SETTING_RESET)
#undef KLX_SETTING_RESET
  m_FrontPlugAsked = kFrontPlugUnknown;
  QMutexLocker lock(&m_TableMutex);
  for (auto& c : m_ControlTypes) c = ControlType();
  for (auto& u : m_UserMenu) u = UserMenuEntry();
}

// ---- the accessors of the settings table ----------------------------------------

#define KLX_SETTING_STORE_DEF(name, type, def, min, max, store, ...) KLX_SETTING_STORE_DEF_##store(name, min, max)
#define KLX_SETTING_STORE_DEF_Clamp(name, min, max)                                 \
  int KLX_SystemProperties::KLX_SystemPropertiesGetSet_##name(int value, int dir) { \
    return ReadOrStore(&m_##name, dir, qBound(int(min), value, int(max)));          \
  }
#define KLX_SETTING_STORE_DEF_ClampU(name, min, max)                                                     \
  unsigned int KLX_SystemProperties::KLX_SystemPropertiesGetSet_##name(unsigned int value, int dir) {  \
    if (!dir) m_##name = qBound(unsigned(min), value, unsigned(max));                                    \
    return m_##name;                                                                                     \
  }
#define KLX_SETTING_STORE_DEF_Given(name, min, max)                                 \
  int KLX_SystemProperties::KLX_SystemPropertiesGetSet_##name(int value, int dir) { \
    return ReadOrStore(&m_##name, dir, value);                                      \
  }
#define KLX_SETTING_STORE_DEF_Range(name, min, max)                                 \
  int KLX_SystemProperties::KLX_SystemPropertiesGetSet_##name(int value, int dir) { \
    if (!dir && value >= int(min) && value <= int(max)) ReadOrStore(&m_##name, dir, value); \
    return m_##name;                                                                \
  }
#define KLX_SETTING_STORE_DEF_Toggle(name, min, max)                                      \
  int KLX_SystemProperties::KLX_SystemPropertiesGetSetToggle_##name(int value, int dir) { \
    return Toggle(&m_##name, value, dir);                                                 \
  }
#define KLX_SETTING_STORE_DEF_Text(name, min, max)                                          \
  QString KLX_SystemProperties::KLX_SystemPropertiesGetSet_##name(QString value, int dir) { \
    if (!dir) m_##name = KLX_Utf8Cut(value.left(max), max);                                \
    return QString::fromUtf8(m_##name.Get());                                               \
  }
#define KLX_SETTING_STORE_DEF_Hand(name, min, max)
#define KLX_SETTING_STORE_DEF_Field(name, min, max)
KLX_SYSTEM_SETTINGS(KLX_SETTING_STORE_DEF)
#undef KLX_SETTING_STORE_DEF

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_Brightness_Out(int value, int dir) {
  if (dir) return m_Brightness_Out;
  m_Brightness_Out = static_cast<uint16_t>(qBound(int(kMin_Brightness_Out), value, int(kMax_Brightness_Out)));
  const char data[1] = {static_cast<char>(m_Brightness_Out.load())};
  if (m_Protocol)
    m_Protocol->KLX_ProtocolSendMessage(1, data, KLX_MSG_BRIGHTNESS, KLX_NODE_APPLICATION);
  else
    KLXErrorHandler.RegisterError(kErrNotInitialized, QStringLiteral("Call to KLX_SystemPropertiesInitialize() not done"));
  return m_Brightness_Out;
}

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_DateTime(QDateTime& dt, int dir) {
  int result = KLX_Ok;
  if (!dir) {
    if (!dt.isValid()) {
      result = KLX_Error;
    } else {
      const QDate d = dt.date();
      const QTime t = dt.time();
      const bool same = m_Day == d.day() && m_Month == d.month() && m_Year == d.year() && m_Hour == t.hour() &&
                        m_Minute == t.minute() && m_Second == t.second();
      KLX_SystemPropertiesSet_DateTime(dt);
      result = same ? 1 : 0;
    }
  }
  dt = QDateTime(QDate(m_Year, m_Month, m_Day), QTime(m_Hour, m_Minute, m_Second, 0));
  return result;
}

void KLX_SystemProperties::KLX_SystemPropertiesSet_DateTime(QDateTime dt) {
  const QDate d = dt.date();
  const QTime t = dt.time();
  m_Hour = static_cast<uint8_t>(t.hour());
  m_Minute = static_cast<uint8_t>(t.minute());
  m_Second = static_cast<uint8_t>(t.second());
  m_Year = static_cast<uint16_t>(d.year());
  m_Month = static_cast<uint8_t>(d.month());
  m_Day = static_cast<uint8_t>(d.day());
}

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_TimeOffsetMinutes(int minutes, int dir, bool check) {
  if (dir) return m_TimeOffsetMinutes;
  if (check && QTimeZone::availableTimeZoneIds(minutes * 60).isEmpty()) return m_TimeOffsetMinutes;
  m_TimeOffsetMinutes = static_cast<int16_t>(minutes);
  return m_TimeOffsetMinutes;
}

int KLX_SystemProperties::GetSetVolumePair(std::atomic<uint8_t>* volume, std::atomic<uint16_t>* control,
                                           int volumeMax, int controlMax, int newVolume, int newControl,
                                           int dir) {
  if (!dir) {
    // A real control id replaces the control only; the unassigned id sets the volume.
    if (newControl >= 0 && newControl <= controlMax)
      *control = static_cast<uint16_t>(newControl);
    else
      *volume = static_cast<uint8_t>(qBound(0, newVolume, volumeMax));
  }
  return PairOf(*volume, *control);
}

#define KLX_VOLUME_PAIR(name)                                                                                \
  int KLX_SystemProperties::KLX_SystemPropertiesGetSet_##name(int volume, int control, int dir) {           \
    return GetSetVolumePair(&m_##name, &m_##name##Ctrl, int(kMax_##name), int(kMax_##name##Ctrl), volume,   \
                            control, dir);                                                                  \
  }
KLX_VOLUME_PAIR(VolumeKeyTrims)
KLX_VOLUME_PAIR(VolumeTelemetry)
KLX_VOLUME_PAIR(VolumeTimer)
KLX_VOLUME_PAIR(VolumeVario)
KLX_VOLUME_PAIR(VolumeBT)
#undef KLX_VOLUME_PAIR

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_VolumeMasterCtrl(int value, int dir) {
  // Negative values count as the largest: no control.
  const unsigned v = static_cast<unsigned>(value);
  return ReadOrStore(&m_VolumeMasterCtrl, dir, static_cast<int>(qMin(v, unsigned(kMax_VolumeMasterCtrl))));
}

int KLX_SystemProperties::SendFrontPlugMessage(unsigned char op, unsigned char mode) {
  if (!m_Protocol) {
    KLXErrorHandler.RegisterError(kErrNotInitialized, QStringLiteral("Call to KLX_SystemPropertiesInitialize() not done"));
    return KLX_Error;
  }
  const char data[2] = {static_cast<char>(op), static_cast<char>(mode)};
  m_Protocol->KLX_ProtocolSendMessage(2, data, KLX_MSG_FRONT_PLUG_MODE, KLX_NODE_APPLICATION);
  return KLX_MustPollAgain;
}

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_FrontPlugMode(int mode, int op) {
  switch (op) {
    case 0: {
      // The controller answers with the mode it took; that answer is stored.
      const auto wanted = static_cast<unsigned char>(qBound(int(kMin_FrontPlugMode), mode, int(kMax_FrontPlugMode)));
      // Noted before the request goes out: the answer may be taken on the
      // receiving thread before this one goes on, and must find it asked.
      const uint8_t before = m_FrontPlugAsked.exchange(wanted);
      const int result = SendFrontPlugMessage(1, wanted);
      uint8_t noted = wanted;
      if (result != KLX_MustPollAgain) m_FrontPlugAsked.compare_exchange_strong(noted, before);
      return result;
    }
    case 1:
      if (m_FrontPlugMode != kFrontPlugUnknown) return m_FrontPlugMode;
      return SendFrontPlugMessage(0, 0);
    case 2:
      m_FrontPlugMode = static_cast<uint8_t>(mode);
      m_FrontPlugAsked = kFrontPlugUnknown;
      return m_FrontPlugMode;
    case 3:
      return SendFrontPlugMessage(0, 0);
    default:
      return KLX_Error;
  }
}

int KLX_SystemProperties::KLX_SystemPropertiesGet_LastFrontPlugMode() const {
  const uint8_t asked = m_FrontPlugAsked;
  if (asked != kFrontPlugUnknown) return asked;
  const uint8_t reported = m_FrontPlugMode;
  return reported != kFrontPlugUnknown ? reported : kFrontPlugServo;
}

QString KLX_SystemProperties::KLX_SystemPropertiesGet_LastUsedBLEDevice() const {
  return QString::fromLatin1(m_LastUsedBLE.Get());
}

void KLX_SystemProperties::KLX_SystemPropertiesSet_LastUsedBLEDevice(QString address) {
  // An address has 17 characters; one of 19 or more is no address.
  if (address.size() >= int(kMax_LastUsedBLE) + 2)
    m_LastUsedBLE = QByteArray();
  else
    m_LastUsedBLE = address.toUtf8().left(int(kMax_LastUsedBLE));
}

int KLX_SystemProperties::KLX_SystemPropertiesGet_CPUTemp(unsigned char cached) {
  if (cached) return m_CPUTemp;
  FILE* f = std::fopen(TempFilePath().toLocal8Bit().constData(), "r");
  if (!f) return m_CPUTemp;
  if (std::fseek(f, 0, SEEK_SET) != 0) {
    m_CPUTemp = -999;
  } else {
    int raw = 0;
    if (std::fscanf(f, "%d", &raw) == 1) m_CPUTemp = static_cast<int16_t>(raw / 100 - 100);
  }
  std::fclose(f);
  return m_CPUTemp;
}

double KLX_SystemProperties::KLX_SystemPropertiesGet_SliderSensorBrightness(bool base, bool logScale) const {
  const double x = base ? m_BaseBrightness.load() : m_Brightness_In.load();
  if (!logScale) return base ? x * 70.0 / 100.0 : x * 80.0 / 100.0;
  return std::exp(x * (base ? m_BaseFactor : m_AmbientFactor)) - 1.0;
}

double KLX_SystemProperties::KLX_SystemPropertiesGet_BrightnessInLogScale(int value) const {
  const double v = value < 1 ? m_BaseBrightness.load() : value;
  return std::exp(v * m_BaseFactor) - 1.0;
}

int KLX_SystemProperties::KLX_SystemPropertiesGet_ControlTypByControl(int control) const {
  QMutexLocker lock(&m_TableMutex);
  for (const auto& c : m_ControlTypes)
    if (c.control == control) return c.type;
  return Unknown_Control;
}

int KLX_SystemProperties::KLX_SystemPropertiesSet_ControlAndControlTyp(int control, int type) {
  QMutexLocker lock(&m_TableMutex);
  for (auto& c : m_ControlTypes) {
    if (c.control == control) {
      c.type = static_cast<uint8_t>(type);
      return KLX_Ok;
    }
  }
  for (auto& c : m_ControlTypes) {
    if (c.control == CONTROLID_None_GUI) {
      c.control = static_cast<uint16_t>(control);
      c.type = static_cast<uint8_t>(type);
      return KLX_Ok;
    }
  }
  return KLX_Error;
}

int KLX_SystemProperties::KLX_SystemPropertiesSet_ControlAndControlTypByIndex(int index, int control, int type) {
  if (!KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &index)) {
    KLXErrorHandler.RegisterError(kErrControlSet, QString());
    return KLX_Error;
  }
  QMutexLocker lock(&m_TableMutex);
  m_ControlTypes[index].control = static_cast<uint16_t>(control);
  m_ControlTypes[index].type = static_cast<uint8_t>(type);
  return KLX_Ok;
}

int KLX_SystemProperties::KLX_SystemPropertiesGet_ControlAndControlTypByIndex(int index, int* control,
                                                                              int* type) const {
  if (!control || !type || !KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &index)) {
    KLXErrorHandler.RegisterError(kErrControlGet, QString());
    return KLX_Error;
  }
  QMutexLocker lock(&m_TableMutex);
  *control = m_ControlTypes[index].control;
  *type = m_ControlTypes[index].type;
  return KLX_Ok;
}

int KLX_SystemProperties::KLX_SystemPropertiesGetSetUserMenuEntry(int index, int value, QString menu, int dir) {
  const int unused = 0;
  if (!KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &unused, &index)) {
    KLXErrorHandler.RegisterError(kErrUserMenu, QString());
    return KLX_Error;
  }
  QMutexLocker lock(&m_TableMutex);
  if (!dir) {
    m_UserMenu[index].value = static_cast<uint8_t>(qBound(0, value, kUserMenuValueMax));
    m_UserMenu[index].menu = menu;
  }
  return m_UserMenu[index].value;
}

QString KLX_SystemProperties::GetUserMenuEntryType(int index) const {
  if (index < 0 || index >= kUserMenuEntries) return QString();
  QMutexLocker lock(&m_TableMutex);
  return m_UserMenu[index].menu;
}

QString KLX_SystemProperties::KLX_SystemPropertiesGetSet_PhraseEncrptd(bool which, QString phrase, int dir) {
  SimpleCrypt crypt(which ? kKeyUserPassw : kKeyPortalLogin);
  if (!dir) {
    const QString plain = crypt.decryptToString(phrase);
    if (which)
      KLX_SystemPropertiesGetSet_UserPassw(plain, AtomicDirSet);
    else
      KLX_SystemPropertiesGetSet_PortalLogin(plain, AtomicDirSet);
  }
  const QString stored = which ? KLX_SystemPropertiesGetSet_UserPassw(QString(), AtomicDirGet)
                               : KLX_SystemPropertiesGetSet_PortalLogin(QString(), AtomicDirGet);
  if (stored.isEmpty()) return QString();
  return crypt.encryptToString(stored);
}

int KLX_SystemProperties::KLX_SystemPropertiesGetXMLCountryListLength() const {
  return m_CountryList ? m_CountryList->size() : KLX_Error;
}

QString KLX_SystemProperties::KLX_SystemPropertiesGet_CountryNameInAnyList(int index) const {
  if (m_CountryList) return (index >= 0 && index < m_CountryList->size()) ? m_CountryList->at(index).Name : QString();
  return (index >= 0 && index < m_Countries.size()) ? m_Countries.at(index).Name : QString();
}

int KLX_SystemProperties::KLX_SystemPropertiesGet_CountryCodeInAnyList(int index) const {
  if (m_CountryList) return (index >= 0 && index < m_CountryList->size()) ? m_CountryList->at(index).CountryCodeQt : 0;
  return (index >= 0 && index < m_Countries.size()) ? m_Countries.at(index).Code : 0;
}

int KLX_SystemProperties::KLX_SystemPropertiesGet_QtIdxByCountryCode(int code) const {
  for (int i = 0; i < m_Countries.size(); ++i)
    if (m_Countries.at(i).Code == code) return i;
  return KLX_Error;
}

int KLX_SystemProperties::KLX_SystemPropertiesGet_XmlIdxByCountryCode(int code) const {
  if (!m_CountryList) return KLX_Error;
  for (int i = 0; i < m_CountryList->size(); ++i)
    if (m_CountryList->at(i).CountryCodeQt == code) return i;
  return KLX_Error;
}

int KLX_SystemProperties::KLX_SystemPropertiesGet_UltimateListIdx(int code) const {
  if (code > kLastCountryCode) return KLX_Error;
  const int xml = KLX_SystemPropertiesGet_XmlIdxByCountryCode(code);
  return xml > KLX_Error ? xml : KLX_SystemPropertiesGet_QtIdxByCountryCode(code);
}

const CountryTZ_struct* KLX_SystemProperties::CountryByCode(int code) const {
  const int idx = KLX_SystemPropertiesGet_XmlIdxByCountryCode(code);
  return idx > KLX_Error ? &m_CountryList->at(idx) : nullptr;
}

QString KLX_SystemProperties::KLX_SystemPropertiesGet_UltimateCountryName(int code) const {
  if (code < 0) code = m_CountryCode;
  if (code > kLastCountryCode) return QString();
  if (const CountryTZ_struct* c = CountryByCode(code)) return c->Name;
  return QLocale::countryToString(static_cast<QLocale::Country>(code));
}

int KLX_SystemProperties::KLX_SystemPropertiesGet_TimeZoneOffsetInXML(bool summer) const {
  const CountryTZ_struct* c = CountryByCode(m_CountryCode);
  if (!c) return KLX_Error;
  const QString location = QString::fromUtf8(m_TimeZoneLocation.Get());
  int result = KLX_Error;
  for (const Timezone_struct& z : c->TimeZones)
    if (z.City == location) result = summer ? z.OffsetSummer : z.OffsetWinter;
  return result;
}

QString KLX_SystemProperties::KLX_SystemPropertiesGet_TimeZoneDescription(int countryIndex, int zoneIndex) const {
  if (!m_CountryList || countryIndex < 0 || countryIndex >= m_CountryList->size()) return QString();
  const CountryTZ_struct& c = m_CountryList->at(countryIndex);
  if (zoneIndex < 0 || zoneIndex >= c.TimeZones.size()) return QString();
  const Timezone_struct& z = c.TimeZones.at(zoneIndex);
  const bool summer = m_DayLightSaving != 0;
  const int offset = summer ? z.OffsetSummer : z.OffsetWinter;
  const int a = std::abs(offset);
  QString text = c.Abbr + QStringLiteral(", ") + z.Continent + QStringLiteral(", UTC") +
                 (offset < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
                 QStringLiteral("%1:%2").arg(a / 60, 2, 10, QChar('0')).arg(a % 60, 2, 10, QChar('0'));
  if (summer && z.OffsetSummer != z.OffsetWinter) text += QStringLiteral(" (DST)");
  return text;
}

QString KLX_SystemProperties::KLX_SystemPropertiesGet_TimeZonesList(int code) const {
  QString text;
  if (!m_CountryList) {
    for (int offset = -50400; offset <= 50400; offset += 900) {
      const QList<QByteArray> ids = QTimeZone::availableTimeZoneIds(offset);
      if (!ids.isEmpty()) text += QString::fromLatin1(ids.last()) + ';' + QString::number(offset / 60) + '\n';
    }
    return text;
  }
  if (code < 0) code = m_CountryCode;
  const CountryTZ_struct* c = CountryByCode(code);
  if (!c) return text;
  const bool summer = m_DayLightSaving != 0;
  for (const Timezone_struct& z : c->TimeZones)
    text += z.City + ';' + QString::number(summer ? z.OffsetSummer : z.OffsetWinter) + '\n';
  return text;
}
