#include "frame/klx_systemproperties.h"

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
constexpr unsigned kErrInitialize = 70401;
constexpr unsigned kErrTempFile = 71937;
constexpr unsigned kErrNotInitialized = 135937;
constexpr unsigned kErrControlGet = 135938;
constexpr unsigned kErrControlSet = 135939;
constexpr unsigned kErrUserMenu = 135941;

constexpr unsigned short kMsgBrightness = 241;
constexpr unsigned short kMsgFrontPlug = 229;
constexpr unsigned char kNode = 3;

// Fixed keys: stored enciphered credentials must decipher with them.
constexpr quint64 kKeyPortalLogin = Q_UINT64_C(0x5A17C3E04B9D2F61);
constexpr quint64 kKeyUserPassw = Q_UINT64_C(0x2E8B71D4A6F0935C);

constexpr int kLastCountryCode = 257;

// Limit table entries.
enum : unsigned char {
  LAkku1 = 0, LAkku2 = 1, LCurrent = 2, LBrightIn = 3, LBrightOut = 4, LAkku1Pct = 5, LAkku2Pct = 6,
  LFallback = 7, LBaseBright = 8, LDependBright = 9, LTouchTimeout = 10, LTimeoutBright = 11,
  LLockTimeout = 12, LContrast = 13, LDisplayColour = 14, LBorderColour = 15, LText = 16, LAutoDate = 17,
  LDay = 18, LMonth = 19, LYear = 20, LHour = 21, LMinute = 22, LDisplay24h = 23, LLanguage = 24,
  LKeySound = 25, L26 = 26, LVolume = 27, LVolumeTimer = 28, LVolumeVario = 29, L30 = 30, L31 = 31,
  L32 = 32, LStickState = 33, LStickSub = 34, LTransState = 35, LTransSub = 36, LIntroVideo = 37,
  LIdleTimeout = 38, LUserMenu = 39, LMeasure = 40
};

QString TempFilePath() {
  return KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QStringLiteral("/sys/class/thermal/thermal_zone0/temp"));
}

template <typename T>
int ReadOrStore(std::atomic<T>* field, int dir, int stored) {
  if (dir) return *field;
  *field = static_cast<T>(stored);
  return *field;
}
}  // namespace

KLX_SystemProperties::KLX_SystemProperties() : QObject(nullptr) {
  for (int i = 0; i < 41; ++i) {
    m_Border.Min[i] = 0;
    m_Border.Max[i] = 255;
  }
  const struct {
    unsigned char id;
    int64_t min, max;
  } limits[] = {
      {LAkku1, 0, 1000},      {LAkku2, 0, 1000},        {LCurrent, 0, 3000},      {LBrightIn, 0, 100},
      {LBrightOut, 0, 100},   {LAkku1Pct, 0, 100},      {LAkku2Pct, 0, 100},      {LFallback, 0, 10},
      {LBaseBright, 1, 100},  {LDependBright, 0, 80},   {LTouchTimeout, 0, 1},    {LTimeoutBright, 40, 100},
      {LLockTimeout, 0, 10},  {LContrast, 0, 1},        {LDisplayColour, 0, 0xFFFBFBFB},
      {LBorderColour, 0, 0xFFFBFBFB},                   {LText, 0, kTextBytes},   {LAutoDate, 0, 1},
      {LDay, 1, 31},          {LMonth, 1, 12},          {LYear, 2001, 65535},     {LHour, 0, 23},
      {LMinute, 0, 59},       {LDisplay24h, 0, 1},      {LLanguage, 0, 2},        {LKeySound, 0, 1},
      {L26, 0, 50},           {LVolume, 0, 100},        {LVolumeTimer, 0, 100},   {LVolumeVario, 0, 100},
      {L30, 0, 90},           {L31, 0, 46},             {L32, 0, 255},            {LStickState, 0, 255},
      {LStickSub, 0, 255},    {LTransState, 0, 255},    {LTransSub, 0, 255},      {LIntroVideo, 0, 1},
      {LIdleTimeout, 0, 60},  {LUserMenu, 0, 255},      {LMeasure, 0, 1},
  };
  for (const auto& l : limits) {
    m_Border.Min[l.id] = l.min;
    m_Border.Max[l.id] = l.max;
  }
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
  // Fields without a default (seconds, summer time, idle time-out, the switch
  // ids, login and password) keep what they hold.
  m_Akku1Voltage = 800;
  m_Akku2Voltage = 800;
  m_Current = 0;
  m_BrightnessIn = 0;
  m_BrightnessOut = 100;
  m_Akku1Percent = 50;
  m_Akku2Percent = 50;
  m_Fallbacktime = 10;
  m_BaseBrightness = 70;
  m_DependBrightness = 80;
  m_TouchTimeoutEvent = 0;
  m_TimeoutBrightness = 10;
  m_LockTimeout = 5;
  m_DisplayContrast = 1;
  m_DisplayColour = 0xFFFBFBFBu;
  m_BorderColour = 0xFFFBFBFBu;
  m_AutomaticDateTime = 1;
  m_Day = 1;
  m_Month = 1;
  m_Year = 2000;
  m_Hour = 0;
  m_Minute = 0;
  m_Display24h = 0;
  m_TimeOffsetMinutes = 0;
  m_CountryCode = 0;
  m_SummerAuto = 0;
  m_MeasureSystem = 0;
  m_TeleLogEna = 1;
  m_FastStartEna = 0;
  m_KeySound = 100;
  m_MainMasterVolumeControlled = 0;
  m_VolumeKeyTrims = 100;
  m_VolumeKeyTrimsCtrl = 0;
  m_VolumeTelemetry = 100;
  m_VolumeTelemetryCtrl = 0;
  m_VolumeTimer = 100;
  m_VolumeTimerCtrl = 0;
  m_VolumeVario = 100;
  m_VolumeVarioCtrl = 0;
  m_VolumeBT = 100;
  m_VolumeBTCtrl = 0;
  m_VolumeMaster = 100;
  m_VolumeMasterCtrl = 0;
  m_BTPowerStatus = 0;
  m_StickState = 0;
  m_StickSubState = 0;
  m_TransceiverState = 0;
  m_TransceiverSubState = 0;
  m_IntroVideo = 1;
  m_FrontPlugMode = 255;
  QMutexLocker lock(&m_TextMutex);
  m_UserName = QByteArrayLiteral("OstrelVorn");
  m_TimeZoneLocation.clear();
  m_Language = QByteArrayLiteral("en");
  m_LastUsedBLE.clear();
  for (auto& c : m_ControlTypes) c = ControlType();
  for (auto& u : m_UserMenu) u = UserMenuEntry();
}

int KLX_SystemProperties::ClampSigned(unsigned char entry, int value) const {
  KLX_BaseClassDatabaseCheckBorderAtomicElement(entry, &value, &m_Border);
  return value;
}

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_Akku1Voltage(int value, int dir) {
  return ReadOrStore(&m_Akku1Voltage, dir, ClampSigned(LAkku1, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_Akku2Voltage(int value, int dir) {
  return ReadOrStore(&m_Akku2Voltage, dir, ClampSigned(LAkku2, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_Current(int value, int dir) {
  return ReadOrStore(&m_Current, dir, ClampSigned(LCurrent, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_Brightness_In(int value, int dir) {
  return ReadOrStore(&m_BrightnessIn, dir, ClampSigned(LBrightIn, value));
}

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_Brightness_Out(int value, int dir) {
  if (dir) return m_BrightnessOut;
  m_BrightnessOut = static_cast<uint16_t>(ClampSigned(LBrightOut, value));
  const char data[1] = {static_cast<char>(m_BrightnessOut.load())};
  if (m_Protocol)
    m_Protocol->KLX_ProtocolSendMessage(1, data, kMsgBrightness, kNode);
  else
    KLXErrorHandler.RegisterError(kErrNotInitialized, QStringLiteral("Call to KLX_SystemPropertiesInitialize() not done"));
  return m_BrightnessOut;
}

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_Akku1Percent(int value, int dir) {
  return ReadOrStore(&m_Akku1Percent, dir, ClampSigned(LAkku1Pct, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_Akku2Percent(int value, int dir) {
  return ReadOrStore(&m_Akku2Percent, dir, ClampSigned(LAkku2Pct, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_Fallbacktime(int value, int dir) {
  return ReadOrStore(&m_Fallbacktime, dir, ClampSigned(LFallback, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_BaseBrightness(int value, int dir) {
  return ReadOrStore(&m_BaseBrightness, dir, ClampSigned(LBaseBright, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_DependBrightness(int value, int dir) {
  return ReadOrStore(&m_DependBrightness, dir, ClampSigned(LDependBright, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_TouchTimeoutEvent(int value, int dir) {
  return ReadOrStore(&m_TouchTimeoutEvent, dir, ClampSigned(LTouchTimeout, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_TimeoutBrigntness(int value, int dir) {
  return ReadOrStore(&m_TimeoutBrightness, dir, ClampSigned(LTimeoutBright, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_LockTimeout(int value, int dir) {
  return ReadOrStore(&m_LockTimeout, dir, ClampSigned(LLockTimeout, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_IdleTimeout(int value, int dir) {
  return ReadOrStore(&m_IdleTimeout, dir, ClampSigned(LIdleTimeout, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_DisplayContrast(int value, int dir) {
  return ReadOrStore(&m_DisplayContrast, dir, ClampSigned(LContrast, value));
}

unsigned int KLX_SystemProperties::KLX_SystemPropertiesGetSet_DisplayColour(unsigned int value, int dir) {
  if (dir) return m_DisplayColour;
  KLX_BaseClassDatabaseCheckBorderAtomicElement(LDisplayColour, &value, &m_Border);
  m_DisplayColour = value;
  return value;
}

unsigned int KLX_SystemProperties::KLX_SystemPropertiesGetSet_BorderColour(unsigned int value, int dir) {
  if (dir) return m_BorderColour;
  KLX_BaseClassDatabaseCheckBorderAtomicElement(LBorderColour, &value, &m_Border);
  m_BorderColour = value;
  return value;
}

QString KLX_SystemProperties::KLX_SystemPropertiesGetSet_UserName(QString value, int dir) {
  QMutexLocker lock(&m_TextMutex);
  if (!dir) m_UserName = KLX_Utf8Cut(value, kTextBytes);
  return TextOf(m_UserName);
}

QString KLX_SystemProperties::KLX_SystemPropertiesGetSet_PortalLogin(QString value, int dir) {
  QMutexLocker lock(&m_TextMutex);
  if (!dir) m_PortalLogin = KLX_Utf8Cut(value, kTextBytes);
  return TextOf(m_PortalLogin);
}

QString KLX_SystemProperties::KLX_SystemPropertiesGetSet_UserPassw(QString value, int dir) {
  QMutexLocker lock(&m_TextMutex);
  if (!dir) m_UserPassw = KLX_Utf8Cut(value, kTextBytes);
  return TextOf(m_UserPassw);
}

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_AutomaticDateTime(int value, int dir) {
  return ReadOrStore(&m_AutomaticDateTime, dir, ClampSigned(LAutoDate, value));
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

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_Display24h(int value, int dir) {
  return ReadOrStore(&m_Display24h, dir, ClampSigned(LDisplay24h, value));
}

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_TimeOffsetMinutes(int minutes, int dir, bool check) {
  if (dir) return m_TimeOffsetMinutes;
  if (check && QTimeZone::availableTimeZoneIds(minutes * 60).isEmpty()) return m_TimeOffsetMinutes;
  m_TimeOffsetMinutes = static_cast<int16_t>(minutes);
  return m_TimeOffsetMinutes;
}

QString KLX_SystemProperties::KLX_SystemPropertiesGetSet_TimeZoneLocation(QString value, int dir) {
  QMutexLocker lock(&m_TextMutex);
  if (!dir) m_TimeZoneLocation = KLX_Utf8Cut(value, kTextBytes);
  return TextOf(m_TimeZoneLocation);
}

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_CountryCode(int value, int dir) {
  if (!dir && value >= 0 && value <= kLastCountryCode) m_CountryCode = static_cast<uint16_t>(value);
  return m_CountryCode;
}

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_SummerAuto(int value, int dir) {
  return ReadOrStore(&m_SummerAuto, dir, value);
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_DayLightSaving(int value, int dir) {
  return ReadOrStore(&m_DayLightSaving, dir, value);
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_MeasureSystem(int value, int dir) {
  return ReadOrStore(&m_MeasureSystem, dir, ClampSigned(LMeasure, value));
}

namespace {
int Toggle(std::atomic<uint8_t>* flag, int value, int dir) {
  if (dir) return *flag;
  // 0 and 1 are stored; anything else flips the flag.
  if (value == 0 || value == 1)
    *flag = static_cast<uint8_t>(value);
  else
    *flag = *flag ? 0 : 1;
  return *flag;
}
}  // namespace

int KLX_SystemProperties::KLX_SystemPropertiesGetSetToggle_TeleLogEna(int value, int dir) {
  return Toggle(&m_TeleLogEna, value, dir);
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSetToggle_FastStartEna(int value, int dir) {
  return Toggle(&m_FastStartEna, value, dir);
}

QString KLX_SystemProperties::KLX_SystemPropertiesGetSet_Language(QString value, int dir) {
  QMutexLocker lock(&m_TextMutex);
  if (!dir) m_Language = KLX_Utf8Cut(value.left(2), 2);
  return TextOf(m_Language);
}

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_KeySound(int value, int dir) {
  return ReadOrStore(&m_KeySound, dir, ClampSigned(LKeySound, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_MainMasterVolumeControlled(int value, int dir) {
  return ReadOrStore(&m_MainMasterVolumeControlled, dir, value);
}

int KLX_SystemProperties::GetSetVolumePair(std::atomic<uint8_t>* volume, std::atomic<uint16_t>* control,
                                           unsigned char entry, int newVolume, int newControl, int dir) {
  if (!dir) {
    // A real control id replaces the control only; 65535 sets the volume.
    if (newControl >= 0 && newControl < 65535)
      *control = static_cast<uint16_t>(newControl);
    else
      *volume = static_cast<uint8_t>(ClampSigned(entry, newVolume));
  }
  return PairOf(*volume, *control);
}

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_VolumeKeyTrims(int volume, int control, int dir) {
  return GetSetVolumePair(&m_VolumeKeyTrims, &m_VolumeKeyTrimsCtrl, LVolume, volume, control, dir);
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_VolumeTelemetry(int volume, int control, int dir) {
  return GetSetVolumePair(&m_VolumeTelemetry, &m_VolumeTelemetryCtrl, LVolume, volume, control, dir);
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_VolumeTimer(int volume, int control, int dir) {
  return GetSetVolumePair(&m_VolumeTimer, &m_VolumeTimerCtrl, LVolumeTimer, volume, control, dir);
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_VolumeVario(int volume, int control, int dir) {
  return GetSetVolumePair(&m_VolumeVario, &m_VolumeVarioCtrl, LVolumeVario, volume, control, dir);
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_VolumeBT(int volume, int control, int dir) {
  return GetSetVolumePair(&m_VolumeBT, &m_VolumeBTCtrl, LVolume, volume, control, dir);
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_VolumeMaster(int value, int dir) {
  return ReadOrStore(&m_VolumeMaster, dir, ClampSigned(LVolume, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_VolumeMasterCtrl(int value, int dir) {
  const unsigned v = static_cast<unsigned>(value);
  return ReadOrStore(&m_VolumeMasterCtrl, dir, static_cast<int>(v > 65534u ? 65535u : v));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_BTPowerStatus(int value, int dir) {
  return ReadOrStore(&m_BTPowerStatus, dir, ClampSigned(LContrast, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_StickState(int value, int dir) {
  return ReadOrStore(&m_StickState, dir, ClampSigned(LStickState, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_StickSubState(int value, int dir) {
  return ReadOrStore(&m_StickSubState, dir, ClampSigned(LStickSub, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_TransceiverState(int value, int dir) {
  return ReadOrStore(&m_TransceiverState, dir, ClampSigned(LTransState, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_TransceiverSubState(int value, int dir) {
  return ReadOrStore(&m_TransceiverSubState, dir, ClampSigned(LTransSub, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_IntroVideo(int value, int dir) {
  return ReadOrStore(&m_IntroVideo, dir, ClampSigned(LIntroVideo, value));
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_ForwardSwId(int value, int dir) {
  return ReadOrStore(&m_ForwardSwId, dir, value);
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_BackwardSwId(int value, int dir) {
  return ReadOrStore(&m_BackwardSwId, dir, value);
}
int KLX_SystemProperties::KLX_SystemPropertiesGetSet_RestartSwId(int value, int dir) {
  return ReadOrStore(&m_RestartSwId, dir, value);
}

int KLX_SystemProperties::SendFrontPlugMessage(unsigned char op, unsigned char mode) {
  if (!m_Protocol) {
    KLXErrorHandler.RegisterError(kErrNotInitialized, QStringLiteral("Call to KLX_SystemPropertiesInitialize() not done"));
    return KLX_Error;
  }
  const char data[2] = {static_cast<char>(op), static_cast<char>(mode)};
  m_Protocol->KLX_ProtocolSendMessage(2, data, kMsgFrontPlug, kNode);
  return KLX_MustPollAgain;
}

int KLX_SystemProperties::KLX_SystemPropertiesGetSet_FrontPlugMode(int mode, int op) {
  switch (op) {
    case 0:
      // The controller answers with the mode it took; that answer is stored.
      return SendFrontPlugMessage(1, static_cast<unsigned char>(qBound(0, mode, 1)));
    case 1:
      if (m_FrontPlugMode != 255) return m_FrontPlugMode;
      return SendFrontPlugMessage(0, 0);
    case 2:
      m_FrontPlugMode = static_cast<uint8_t>(mode);
      return m_FrontPlugMode;
    case 3:
      return SendFrontPlugMessage(0, 0);
    default:
      return KLX_Error;
  }
}

QString KLX_SystemProperties::KLX_SystemPropertiesGet_LastUsedBLEDevice() const {
  QMutexLocker lock(&m_TextMutex);
  return QString::fromLatin1(m_LastUsedBLE);
}

void KLX_SystemProperties::KLX_SystemPropertiesSet_LastUsedBLEDevice(QString address) {
  QMutexLocker lock(&m_TextMutex);
  if (address.size() >= 19)
    m_LastUsedBLE.clear();
  else
    m_LastUsedBLE = address.toUtf8().left(17);
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
  const double x = base ? m_BaseBrightness.load() : m_BrightnessIn.load();
  if (!logScale) return base ? x * 70.0 / 100.0 : x * 80.0 / 100.0;
  return std::exp(x * (base ? m_BaseFactor : m_AmbientFactor)) - 1.0;
}

double KLX_SystemProperties::KLX_SystemPropertiesGet_BrightnessInLogScale(int value) const {
  const double v = value < 1 ? m_BaseBrightness.load() : value;
  return std::exp(v * m_BaseFactor) - 1.0;
}

int KLX_SystemProperties::KLX_SystemPropertiesGet_ControlTypByControl(int control) const {
  QMutexLocker lock(&m_TextMutex);
  for (const auto& c : m_ControlTypes)
    if (c.control == control) return c.type;
  return Unknown_Control;
}

int KLX_SystemProperties::KLX_SystemPropertiesSet_ControlAndControlTyp(int control, int type) {
  QMutexLocker lock(&m_TextMutex);
  for (auto& c : m_ControlTypes) {
    if (c.control == control) {
      c.type = static_cast<uint8_t>(type);
      return KLX_Ok;
    }
  }
  for (auto& c : m_ControlTypes) {
    if (c.control == 0) {
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
  QMutexLocker lock(&m_TextMutex);
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
  QMutexLocker lock(&m_TextMutex);
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
  QMutexLocker lock(&m_TextMutex);
  if (!dir) {
    m_UserMenu[index].value = static_cast<uint8_t>(ClampSigned(LUserMenu, value));
    m_UserMenu[index].menu = menu;
  }
  return m_UserMenu[index].value;
}

QString KLX_SystemProperties::GetUserMenuEntryType(int index) const {
  if (index < 0 || index >= kUserMenuEntries) return QString();
  QMutexLocker lock(&m_TextMutex);
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
  QString location;
  {
    QMutexLocker lock(&m_TextMutex);
    location = TextOf(m_TimeZoneLocation);
  }
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
