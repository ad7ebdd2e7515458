// The settings side of the database facade: the system settings accessors
// with their side effects, the current-model properties, the version and
// update bookkeeping, and the stores behind them.
#include <QDebug>
#include <QFile>
#include <QTextStream>

#include <cmath>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_languagehandler.h"
#include "frame/klx_xmlfilehandler.h"
#include "model/klx_databasemanager.h"
#include "platform/klx_commandrunner.h"

namespace {
constexpr unsigned kClockChanged = 136708;
constexpr int kPauseLastSave = 14;
constexpr int kPauseClockSynchronised = 2;
}  // namespace

// ---- the stores ------------------------------------------------------------------

KLX_SystemProperties* KLX_DataBaseManager::SystemStore() {
  if (!m_SystemProperties) m_SystemProperties = new KLX_SystemProperties;
  return m_SystemProperties;
}

KLX_Version* KLX_DataBaseManager::VersionStore() {
  if (!m_Version) m_Version = new KLX_Version;
  return m_Version;
}

KLX_VornProperties* KLX_DataBaseManager::VornStore() {
  if (!m_VornProperties) m_VornProperties = new KLX_VornProperties;
  return m_VornProperties;
}

int KLX_DataBaseManager::InitializeSettingsStores() {
  Info::Instance().Init();
  int rc = SystemStore()->KLX_SystemPropertiesInitialize(m_Protocol);
  if (rc != KLX_Ok) return rc;
  rc = VersionStore()->KLX_VersionInitialize(m_Protocol);
  if (rc != KLX_Ok) return rc;
  rc = VornStore()->KLX_VornPropertiesInitialize(m_Protocol);
  if (rc != KLX_Ok) return rc;
  rc = m_XMLFileHandler->KLX_XMLFileHandlerInitialize(this);
  if (rc != KLX_Ok) return rc;
  if (m_XMLFileSaver.isRunning()) return KLX_Ok;
  return m_XMLFileSaver.KLX_XMLFileSaverInitialize(this, m_XMLFileHandler);
}

int KLX_DataBaseManager::MarkSystemModified(int dir, bool modify, int result) {
  if (dir == AtomicDirSet && modify) KLX_DataBaseManagerSetSystemModifyFlag(true);
  return result;
}

// ---- forwarders ----------------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(int value, int dir) {
  return SystemStore()->KLX_SystemPropertiesGetSet_Akku1Voltage(value, dir);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemProperties_Akku2Voltage(int value, int dir) {
  return SystemStore()->KLX_SystemPropertiesGetSet_Akku2Voltage(value, dir);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemProperties_Current(int value, int dir) {
  return SystemStore()->KLX_SystemPropertiesGetSet_Current(value, dir);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemProperties_Akku1Percent(int value, int dir) {
  return SystemStore()->KLX_SystemPropertiesGetSet_Akku1Percent(value, dir);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemProperties_Akku2Percent(int value, int dir) {
  return SystemStore()->KLX_SystemPropertiesGetSet_Akku2Percent(value, dir);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetCPUTemp(int frmNum) {
  return SystemStore()->KLX_SystemPropertiesGet_CPUTemp(static_cast<unsigned char>(frmNum));
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemProperties_Brightness_In(int value, int dir, bool) {
  return SystemStore()->KLX_SystemPropertiesGetSet_Brightness_In(value, dir);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemProperties_Brightness_Out(int value, int dir, bool) {
  return SystemStore()->KLX_SystemPropertiesGetSet_Brightness_Out(value, dir);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemProperties_DependBrightness(int value, int dir, bool) {
  return SystemStore()->KLX_SystemPropertiesGetSet_DependBrightness(value, dir);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemProperties_TouchTimeoutEvent(int value, int dir, bool) {
  return SystemStore()->KLX_SystemPropertiesGetSet_TouchTimeoutEvent(value, dir);
}
double KLX_DataBaseManager::KLX_DataBaseManagerGetSystemProperties_SliderSensorBrightness(bool base) {
  return SystemStore()->KLX_SystemPropertiesGet_SliderSensorBrightness(base, false);
}
double KLX_DataBaseManager::KLX_DataBaseManagerGetSystemProperties_CalcBrightnessInLogScale(int value) {
  return SystemStore()->KLX_SystemPropertiesGet_BrightnessInLogScale(value);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutoSummerTime(int auto_summer, int dir) {
  return SystemStore()->KLX_SystemPropertiesGetSet_SummerAuto(auto_summer, dir);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_StickState(int value, int dir) {
  return SystemStore()->KLX_SystemPropertiesGetSet_StickState(value, dir);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_StickSubState(int value, int dir) {
  return SystemStore()->KLX_SystemPropertiesGetSet_StickSubState(value, dir);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TransceiverState(int value, int dir) {
  return SystemStore()->KLX_SystemPropertiesGetSet_TransceiverState(value, dir);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TransceiverSubState(int value, int dir) {
  return SystemStore()->KLX_SystemPropertiesGetSet_TransceiverSubState(value, dir);
}
int KLX_DataBaseManager::KLX_DataBaseManagerSystemPropertiesGet_ControlTypByControl(int control) {
  return SystemStore()->KLX_SystemPropertiesGet_ControlTypByControl(control);
}
int KLX_DataBaseManager::KLX_DataBaseManagerSystemPropertiesGet_ControlAndControlTypByIndex(int index, int* control,
                                                                                           int* type) {
  return SystemStore()->KLX_SystemPropertiesGet_ControlAndControlTypByIndex(index, control, type);
}
void KLX_DataBaseManager::KLX_DataBaseManagerSetCountryListPtr(const QList<CountryTZ_struct>* list) {
  SystemStore()->KLX_SystemPropertiesSetCountryListPtr(list);
}
int KLX_DataBaseManager::KLX_SystemPropertiesGetSystemProperties_GetCountryCountInTZoneFile() {
  return SystemStore()->KLX_SystemPropertiesGetXMLCountryListLength();
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSystemPropertiesGet_ListIndexByCode(int country_code) {
  return SystemStore()->KLX_SystemPropertiesGet_UltimateListIdx(country_code);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerGetSystemPropertiesGet_CountryName(int country_code) {
  return SystemStore()->KLX_SystemPropertiesGet_UltimateCountryName(country_code);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerGetSystemPropertiesGet_CountryNameInList(int idx) {
  return SystemStore()->KLX_SystemPropertiesGet_CountryNameInAnyList(idx);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSystemPropertiesGet_CountryCodeInList(int idx) {
  return SystemStore()->KLX_SystemPropertiesGet_CountryCodeInAnyList(idx);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGet_FullDescrInXMLList(int list_idx, int tz_idx) {
  return SystemStore()->KLX_SystemPropertiesGet_TimeZoneDescription(list_idx, tz_idx);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGet_TimeZonesList(int country_code) {
  return SystemStore()->KLX_SystemPropertiesGet_TimeZonesList(country_code);
}
QDateTime KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGet_DateTime() {
  QDateTime dt;
  SystemStore()->KLX_SystemPropertiesGetSet_DateTime(dt, AtomicDirGet);
  return dt;
}
int KLX_DataBaseManager::get_BT_Control_Value() { return SystemStore()->get_BT_Control_Value(); }
int KLX_DataBaseManager::get_Trims_Control_Value() { return SystemStore()->get_Trims_Control_Value(); }
int KLX_DataBaseManager::get_Telemetry_Control_Value() { return SystemStore()->get_Telemetry_Control_Value(); }
int KLX_DataBaseManager::get_Timer_Control_Value() { return SystemStore()->get_Timer_Control_Value(); }
int KLX_DataBaseManager::get_Vario_Control_Value() { return SystemStore()->get_Vario_Control_Value(); }
int KLX_DataBaseManager::get_MasterVolume_Control_Value() { return SystemStore()->get_MasterVolume_Control_Value(); }
int KLX_DataBaseManager::get_BT_Control_ID() { return SystemStore()->get_BT_Control_ID(); }
int KLX_DataBaseManager::get_Trims_Control_ID() { return SystemStore()->get_Trims_Control_ID(); }
int KLX_DataBaseManager::get_Telemetry_Control_ID() { return SystemStore()->get_Telemetry_Control_ID(); }
int KLX_DataBaseManager::get_Timer_Control_ID() { return SystemStore()->get_Timer_Control_ID(); }
int KLX_DataBaseManager::get_Vario_Control_ID() { return SystemStore()->get_Vario_Control_ID(); }
int KLX_DataBaseManager::get_MasterVolume_Control_ID() { return SystemStore()->get_MasterVolume_Control_ID(); }
int KLX_DataBaseManager::KLX_DataBaseManager_SystemPropertiesLock() { return SystemStore()->KLX_SystemPropertiesLock(); }
int KLX_DataBaseManager::KLX_DataBaseManager_SystemPropertiesUnlock() {
  return SystemStore()->KLX_SystemPropertiesUnlock();
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemProperties_ClearAll() {
  SystemStore()->KLX_SystemPropertiesClearAll();
  return KLX_Ok;
}

// ---- accessors that mark "System.xml" modified ------------------------------------------

#define KLX_SETTING_MARKED(facade, store)                                            \
  int KLX_DataBaseManager::facade(int value, int dir, bool modify) {                 \
    return MarkSystemModified(dir, modify, SystemStore()->store(value, dir));        \
  }
KLX_SETTING_MARKED(KLX_DataBaseManagerGetSetSystemProperties_Fallbacktime, KLX_SystemPropertiesGetSet_Fallbacktime)
KLX_SETTING_MARKED(KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness, KLX_SystemPropertiesGetSet_BaseBrightness)
KLX_SETTING_MARKED(KLX_DataBaseManagerGetSetSystemProperties_TimeoutBrigntness,
                   KLX_SystemPropertiesGetSet_TimeoutBrigntness)
KLX_SETTING_MARKED(KLX_DataBaseManagerGetSetSystemProperties_IdleTimeout, KLX_SystemPropertiesGetSet_IdleTimeout)
KLX_SETTING_MARKED(KLX_DataBaseManagerGetSetSystemProperties_LockTimeout, KLX_SystemPropertiesGetSet_LockTimeout)
KLX_SETTING_MARKED(KLX_DataBaseManagerGetSetSystemProperties_DisplayContrast,
                   KLX_SystemPropertiesGetSet_DisplayContrast)
KLX_SETTING_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_CountryCode, KLX_SystemPropertiesGetSet_CountryCode)
KLX_SETTING_MARKED(KLX_DataBaseManagerGetSet_SystemPropertiesMeasureSystem, KLX_SystemPropertiesGetSet_MeasureSystem)
KLX_SETTING_MARKED(KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled,
                   KLX_SystemPropertiesGetSetToggle_TeleLogEna)
KLX_SETTING_MARKED(KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled,
                   KLX_SystemPropertiesGetSetToggle_FastStartEna)
KLX_SETTING_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_KeySound, KLX_SystemPropertiesGetSet_KeySound)
KLX_SETTING_MARKED(KLX_DatabaseManagerGetSetSystemProperties_MainMastVolmIsControlled,
                   KLX_SystemPropertiesGetSet_MainMasterVolumeControlled)
KLX_SETTING_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_BTPowerStatus, KLX_SystemPropertiesGetSet_BTPowerStatus)
KLX_SETTING_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_IntroVideo, KLX_SystemPropertiesGetSet_IntroVideo)
#undef KLX_SETTING_MARKED

// Every real colour has its top bit set; the write is marked whatever its
// value, so colours reach the file.
unsigned int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemProperties_DisplayColour(unsigned int value, int dir,
                                                                                       bool modify) {
  const unsigned int result = SystemStore()->KLX_SystemPropertiesGetSet_DisplayColour(value, dir);
  MarkSystemModified(dir, modify, 0);
  return result;
}
unsigned int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemProperties_DisplayBorderColour(unsigned int value,
                                                                                             int dir, bool modify) {
  const unsigned int result = SystemStore()->KLX_SystemPropertiesGetSet_BorderColour(value, dir);
  MarkSystemModified(dir, modify, 0);
  return result;
}

#define KLX_TEXT_MARKED(facade, call)                                              \
  QString KLX_DataBaseManager::facade(QString text, int dir, bool modify) {        \
    const QString result = SystemStore()->call;                                    \
    MarkSystemModified(dir, modify, 0);                                            \
    return result;                                                                 \
  }
KLX_TEXT_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName, KLX_SystemPropertiesGetSet_UserName(text, dir))
KLX_TEXT_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLogin,
                KLX_SystemPropertiesGetSet_PortalLogin(text, dir))
KLX_TEXT_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserPassw, KLX_SystemPropertiesGetSet_UserPassw(text, dir))
KLX_TEXT_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeZoneLocation,
                KLX_SystemPropertiesGetSet_TimeZoneLocation(text, dir))
KLX_TEXT_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language, KLX_SystemPropertiesGetSet_Language(text, dir))
KLX_TEXT_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLoginEncrptd,
                KLX_SystemPropertiesGetSet_PhraseEncrptd(false, text, dir))
KLX_TEXT_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserPasswEncrypted,
                KLX_SystemPropertiesGetSet_PhraseEncrptd(true, text, dir))
#undef KLX_TEXT_MARKED

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime(int value, int dir,
                                                                                          bool modify) {
  const int result = SystemStore()->KLX_SystemPropertiesGetSet_AutomaticDateTime(value, dir);
  if (dir == AtomicDirSet && result > KLX_Error) {
    // The next valid GPS time sets the clock again.
    m_DateTimeSync = false;
    MarkSystemModified(dir, modify, result);
  }
  return result;
}

// ---- control-type table and user menu -------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlType(int control, int typ,
                                                                                     bool modify) {
  const int result = SystemStore()->KLX_SystemPropertiesSet_ControlAndControlTyp(control, typ);
  return result > KLX_Error ? MarkSystemModified(AtomicDirSet, modify, result) : result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlTypByIndex(int index, int control,
                                                                                           int type, bool modify) {
  const int result = SystemStore()->KLX_SystemPropertiesSet_ControlAndControlTypByIndex(index, control, type);
  return result > KLX_Error ? MarkSystemModified(AtomicDirSet, modify, result) : result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(int index, int value, QString menu,
                                                                               int dir, bool modify) {
  const int result = SystemStore()->KLX_SystemPropertiesGetSetUserMenuEntry(index, value, menu, dir);
  return result > KLX_Error ? MarkSystemModified(dir, modify, result) : result;
}

bool KLX_DataBaseManager::SetUserMenuEntry(int value, QString type) {
  for (int i = 0; i < GetMaxUserMenuEntries(); ++i) {
    if (SystemStore()->KLX_SystemPropertiesGetSetUserMenuEntry(i, 0, QString(), AtomicDirGet) != 0) continue;
    SystemStore()->KLX_SystemPropertiesGetSetUserMenuEntry(i, value, type, AtomicDirSet);
    qDebug().noquote() << QStringLiteral("SET new entry in USERMENU %1 : %2").arg(value).arg(type);
    KLX_DataBaseManagerSetSystemModifyFlag(true);
    return true;
  }
  return false;
}

bool KLX_DataBaseManager::ISUserMenuFull() {
  for (int i = 0; i < GetMaxUserMenuEntries(); ++i)
    if (SystemStore()->KLX_SystemPropertiesGetSetUserMenuEntry(i, 0, QString(), AtomicDirGet) == 0) return false;
  return true;
}

QString KLX_DataBaseManager::GetUserMenuEntryType(int index) { return SystemStore()->GetUserMenuEntryType(index); }

int KLX_DataBaseManager::KLX_DataBaseManagerGetSystemProperties_FinalBrightness(bool logScale) {
  const double sum = SystemStore()->KLX_SystemPropertiesGet_SliderSensorBrightness(true, logScale) +
                     SystemStore()->KLX_SystemPropertiesGet_SliderSensorBrightness(false, logScale);
  const int whole = static_cast<int>(sum);
  return sum - whole >= 0.5 ? whole + 1 : whole;
}

// ---- volumes -----------------------------------------------------------------------------

#define KLX_VOLUME_ACCESSOR(facade, store, keep)                                                     \
  int KLX_DataBaseManager::facade(int percent, int dir, bool modify, int control) {                  \
    const int result = SystemStore()->store(percent, control, dir);                                  \
    if (dir == AtomicDirSet && result > KLX_Error) {                                                 \
      m_AudioHandler.keep(result);                                                                   \
      MarkSystemModified(dir, modify, result);                                                       \
    }                                                                                                \
    return result;                                                                                   \
  }
KLX_VOLUME_ACCESSOR(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlKeyTrims,
                    KLX_SystemPropertiesGetSet_VolumeKeyTrims, KLX_AudioHandlerKeepTrimClickVolume)
KLX_VOLUME_ACCESSOR(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTelemetry,
                    KLX_SystemPropertiesGetSet_VolumeTelemetry, KLX_AudioHandlerKeepTeleAlarmVolume)
KLX_VOLUME_ACCESSOR(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTimer,
                    KLX_SystemPropertiesGetSet_VolumeTimer, KLX_AudioHandlerKeepTmrAlarmVolume)
KLX_VOLUME_ACCESSOR(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlVario,
                    KLX_SystemPropertiesGetSet_VolumeVario, KLX_AudioHandlerKeepVarioVolume)
KLX_VOLUME_ACCESSOR(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT, KLX_SystemPropertiesGetSet_VolumeBT,
                    KLX_AudioHandlerKeepBTVolume)
#undef KLX_VOLUME_ACCESSOR

int KLX_DataBaseManager::SystemPropertiesGetSet_VolumeMaster(int percent, int dir, bool modify, int) {
  const int result = SystemStore()->KLX_SystemPropertiesGetSet_VolumeMaster(percent, dir);
  if (dir == AtomicDirSet) {
    m_AudioHandler.KLX_AudioHandlerKeepMasterVolume(result);
    MarkSystemModified(dir, modify, result);
  }
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_MasterVolumeCtl(int control, int dir,
                                                                                        bool modify) {
  const int result = SystemStore()->KLX_SystemPropertiesGetSet_VolumeMasterCtrl(control, dir);
  if (dir == AtomicDirSet) {
    MarkSystemModified(dir, modify, result);
    emit masterVolumeControlChanged(control);
  }
  return result;
}

// ---- language ------------------------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesChange_Language(QString language, bool modify) {
  const QString stored = SystemStore()->KLX_SystemPropertiesGetSet_Language(QString(), AtomicDirGet);
  if (stored == language && modify) return 0;
  const QString code = SystemStore()->KLX_SystemPropertiesGetSet_Language(language, AtomicDirSet);
  const int selected = KLXlanguageHandler.KLX_LanguageHandlerSelectLanguage(code);
  if (selected != KLX_Ok) return selected;
  if (modify) KLX_DataBaseManagerSetSystemModifyFlag(true);
  const int voice = KLX_DataBaseManagerFindFirstVoiceInList(language);
  if (voice >= 0) m_CurrentVoiceIndex = voice;
  m_DecimalSeparator = (code == QLatin1String("en") || code == QLatin1String("cn")) ? QChar('.') : QChar(',');
  // Sensor menus are read again in the new language once the telemetry
  // store keeps them.
  return KLX_Ok;
}

// ---- clock ----------------------------------------------------------------------------------

void KLX_DataBaseManager::KLX_DataBaseManagerSetTimeToSystem(bool seconds) {
  QDateTime dt;
  SystemStore()->KLX_SystemPropertiesGetSet_DateTime(dt, AtomicDirGet);
  KLXErrorHandler.RegisterError(kClockChanged, QStringLiteral("System time/date is changed!"));
  const QDate d = dt.date();
  const QTime t = dt.time();
  QString when = QStringLiteral("%1-%2-%3 ").arg(d.year()).arg(d.month()).arg(d.day()) +
                 QStringLiteral("%1:%2").arg(t.hour()).arg(t.minute());
  if (seconds) when += QStringLiteral(":%1").arg(t.second());
  KLX_Platform::Run(QStringLiteral("date"), {when});
  const bool h24 = SystemStore()->KLX_SystemPropertiesGetSet_Display24h(0, AtomicDirGet) != 0;
  KLX_Platform::Run(QStringLiteral("date"), {h24 ? QStringLiteral("+%R") : QStringLiteral("+%r")});
  KLX_Platform::Run(QStringLiteral("hwclock"), {QStringLiteral("-w")});
  KLXErrorHandler.RegisterError(kClockChanged, QStringLiteral("System time/date is changed!"));
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DateTime(QDateTime& datetime, int dir,
                                                                                  bool tosystem) {
  const int result = SystemStore()->KLX_SystemPropertiesGetSet_DateTime(datetime, dir);
  if (dir == AtomicDirSet && result > KLX_Error) {
    if (result == 0) emit timeChanged();
    if (tosystem) KLX_DataBaseManagerSetTimeToSystem(false);
  }
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesSet_DateTime(QDateTime datetime, bool tosystem) {
  return KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DateTime(datetime, AtomicDirSet, tosystem);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(int display, int dir, bool modify,
                                                                                   bool tosystem) {
  const int result = SystemStore()->KLX_SystemPropertiesGetSet_Display24h(display, dir);
  if (dir == AtomicDirSet) {
    MarkSystemModified(dir, modify, result);
    if (tosystem) {
      emit timeChanged();
      KLX_DataBaseManagerSetTimeToSystem(false);
    }
  }
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(int minutes, int dir,
                                                                                          bool tosystem,
                                                                                          bool tz_chk) {
  const int old = SystemStore()->KLX_SystemPropertiesGetSet_TimeOffsetMinutes(0, AtomicDirGet, false);
  const int result = SystemStore()->KLX_SystemPropertiesGetSet_TimeOffsetMinutes(minutes, dir, tz_chk);
  if (dir == AtomicDirSet && tosystem && result > KLX_Error) {
    const int difference = result - old;
    qDebug("Time difference: %d minutes", difference);
    SystemStore()->KLX_SystemPropertiesSet_DateTime(QDateTime::currentDateTime().addSecs(qint64(difference) * 60));
    emit timeChanged();
    KLX_DataBaseManagerSetTimeToSystem(false);
  }
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DayLightSaving(int daylightSave, int dir,
                                                                                       bool tosystem) {
  const int result = SystemStore()->KLX_SystemPropertiesGetSet_DayLightSaving(daylightSave, dir);
  if (dir == AtomicDirSet && tosystem && SystemStore()->KLX_SystemPropertiesGetXMLCountryListLength() >= 1)
    KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(
        SystemStore()->KLX_SystemPropertiesGet_TimeZoneOffsetInXML(result != 0), AtomicDirSet, true, false);
  return result;
}

void KLX_DataBaseManager::KLX_DataBaseManagerSystemProperties_SynchronizeDateTime() {
  QDateTime gps(QDate(KLX_DataBaseManagerGPSGetSet_Year(0, AtomicDirGet), KLX_DataBaseManagerGPSGetSet_Month(0, AtomicDirGet),
                      KLX_DataBaseManagerGPSGetSet_Day(0, AtomicDirGet)),
                QTime(KLX_DataBaseManagerGPSGetSet_Hour(0, AtomicDirGet), KLX_DataBaseManagerGPSGetSet_Minute(0, AtomicDirGet),
                      KLX_DataBaseManagerGPSGetSet_Second(0, AtomicDirGet)));
  if (!gps.isValid()) return;
  const int offset = SystemStore()->KLX_SystemPropertiesGetSet_TimeOffsetMinutes(0, AtomicDirGet, false);
  SystemStore()->KLX_SystemPropertiesSet_DateTime(gps.addSecs(qint64(offset) * 60));
  emit timeChanged();
  KLX_DataBaseManagerSetTimeToSystem(true);
  KLX_DataBaseManagerPauseTelemetrie(kPauseClockSynchronised);
  m_DateTimeSync = true;
}

// ---- last used BLE device, front socket -------------------------------------------------------

QString KLX_DataBaseManager::KLX_DataBaseManagerGetLastUsedBLEDevice() {
  const QString address = SystemStore()->KLX_SystemPropertiesGet_LastUsedBLEDevice();
  qDebug().noquote() << "Get Last used MAC ADRESS: " + address + "\n";
  return address;
}

void KLX_DataBaseManager::KLX_DataBaseManagerSetLastUsedBLEDevice(QString macAddr) {
  qDebug().noquote() << "Set Last used MAC ADRESS: " + macAddr;
  SystemStore()->KLX_SystemPropertiesSet_LastUsedBLEDevice(macAddr);
}

void KLX_DataBaseManager::SetAndSearchLastUsedBLEDevice(QString macAddr, bool research) {
  qDebug().noquote() << "Set Last used MAC ADRESS and Search: " + macAddr;
  SystemStore()->KLX_SystemPropertiesSet_LastUsedBLEDevice(macAddr);
  if (research) {
    qDebug() << "Init search with Address";
    m_Bluetooth.initSearchLoop(macAddr);
  }
}

int KLX_DataBaseManager::KLX_DatabaseManagerGetSetFrontPlugMode(int mode, int dir) {
  if (dir != 0 && dir != 1 && dir != 3) return KLX_Error;
  return SystemStore()->KLX_SystemPropertiesGetSet_FrontPlugMode(mode, dir);
}

int KLX_DataBaseManager::KLX_DatabaseManagerGetSetFrontPlugModeInSystemProp(int mode, int flags) {
  const int result = SystemStore()->KLX_SystemPropertiesGetSet_FrontPlugMode(flags == 2 ? (mode & 0xFF) : mode, flags);
  if (flags == 2 && result >= KLX_Error) KLX_DataBaseManagerSetModelModifyFlag(true);
  return result;
}

// ---- current-model properties ---------------------------------------------------------------

QString KLX_DataBaseManager::KLX_DataBaseManagerVornPropertiesGetSet_ModelName(QString name, int dir, bool save) {
  const QString result = VornStore()->KLX_VornPropertiesGetSet_ModelName(name, dir);
  if (!dir && save) KLX_DataBaseManagerSetVornModifyFlag(true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(int type, int dir, bool save) {
  const int result = VornStore()->KLX_VornPropertiesGetSet_ModelTyp(type, dir);
  if (!dir && save) KLX_DataBaseManagerSetVornModifyFlag(true);
  return result;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString folder, int dir,
                                                                                      bool save) {
  const QString result = VornStore()->KLX_VornPropertiesGetSet_ModelFolder(folder, dir);
  if (!dir && save) KLX_DataBaseManagerSetVornModifyFlag(true);
  return result;
}

bool KLX_DataBaseManager::KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(bool stored, int dir, bool save) {
  const bool result = VornStore()->KLX_VornPropertiesGetSet_ModelSavedinTC(stored, dir);
  if (!dir && save) KLX_DataBaseManagerSetVornModifyFlag(true);
  return result;
}

bool KLX_DataBaseManager::KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(bool value, int get) {
  return VornStore()->KLX_VornPropertiesSaveModelData(value, get);
}

int KLX_DataBaseManager::KLX_DataBaseManagerVornPropertiesClearAll() {
  VornStore()->KLX_VornPropertiesClearAll();
  VersionStore()->KLX_UpdateSetGetVersion_UpdateFlag(0, AtomicDirSet);
  return KLX_Ok;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerVornPropertiesGetModelName() {
  return VornStore()->KLX_VornPropertiesGetSet_ModelName(QString(), AtomicDirGet);
}

// ---- versions and update bookkeeping ------------------------------------------------------------

QString KLX_DataBaseManager::KLX_DataBaseManagerVornLinuxAppGetVersion() {
  return VersionStore()->KLX_VersionVornLinuxAppGetVersion();
}

bool KLX_DataBaseManager::KLX_DataBaseManagerVornLinuxAppGetVersion(unsigned char* major, unsigned char* minor) {
  return VersionStore()->KLX_VersionVornLinuxAppGetVersion(major, minor);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerVornTransAppGetVersion() {
  return VersionStore()->KLX_VersionVornTransAppGetVersion();
}
QString KLX_DataBaseManager::KLX_DataBaseManagerVornStickAppGetVersion() {
  return VersionStore()->KLX_VersionVornStickAppGetVersion();
}
bool KLX_DataBaseManager::KLX_DataBaseManagerVornTransAppSetVersion(unsigned char major, unsigned char minor) {
  return VersionStore()->KLX_VersionVornTransAppSetVersion(major, minor);
}
bool KLX_DataBaseManager::KLX_DataBaseManagerVornStickAppSetVersion(unsigned char major, unsigned char minor) {
  return VersionStore()->KLX_VersionVornStickAppSetVersion(major, minor);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerLinuxGetVersion() { return Info::Instance().LinuxVersionText(); }

QString KLX_DataBaseManager::KLX_DataBaseManagerVornStartScriptGetVersion() {
  const QString script = KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QStringLiteral("/app/VornStart/vornstart.sh"));
  const QString answer = KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QStringLiteral("/tmp/vornstartver.txt"));
  QByteArray output;
  const int rc = KLX_Platform::Run(QStringLiteral("sh"), {script, QStringLiteral("-v")}, &output);
  if (rc != 0) {
    qDebug("sh /app/VornStart/vornstart.sh -v error %s\n", rc < 0 ? "not started" : "exit status");
    return QString();
  }
  QFile file(answer);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    file.write(output);
    file.close();
  }
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return QString();
  return QTextStream(&file).readLine();
}

QString KLX_DataBaseManager::KLX_DataBaseManagerSerialStickGet() { return VersionStore()->KLX_VersionSerialStickGet(); }
int KLX_DataBaseManager::KLX_DataBaseManagerSerialStickSet(unsigned int serial) {
  return VersionStore()->KLX_VersionSerialStickSet(serial);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerUpdate_GetVersionOfUpdateXmlFile() {
  return QStringLiteral("%1.%2")
      .arg(VersionStore()->KLX_UpdateSetGetVersion_Major_Updated(0, AtomicDirGet))
      .arg(VersionStore()->KLX_UpdateSetGetVersion_Minor_Updated(0, AtomicDirGet));
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetVersion_Major_Updated(int value, int get) {
  return VersionStore()->KLX_UpdateSetGetVersion_Major_Updated(value, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Updated(int value, int get) {
  return VersionStore()->KLX_UpdateSetGetVersion_Minor_Updated(value, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetVersion_Major_Installed(int value, int get) {
  return VersionStore()->KLX_UpdateSetGetVersion_Major_Installed(value, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(int value, int get) {
  return VersionStore()->KLX_UpdateSetGetVersion_Minor_Installed(value, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(int value, int dir, bool save) {
  const int result = VersionStore()->KLX_UpdateSetGetVersion_UpdateFlag(value, dir);
  if (!dir && save) KLX_DataBaseManagerSetVornModifyFlag(true);
  return result;
}
QString KLX_DataBaseManager::KLX_DataBaseManagerUpdate_Set_Device_Name(QString name) {
  return VersionStore()->KLX_UpdateSet_DeviceName(name);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerUpdate_Get_DeviceNameAtIndex(int index) {
  return VersionStore()->KLX_UpdateGet_DeviceNameAtIndex(index);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Major(int value, QString name, int get) {
  return VersionStore()->KLX_UpdateSetGetDeviceVersion_Major(value, name, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Minor(int value, QString name, int get) {
  return VersionStore()->KLX_UpdateSetGetDeviceVersion_Minor(value, name, get);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerUpdateSetGetDeviceFilename(QString file, QString name, int get) {
  return VersionStore()->KLX_UpdateSetGetDeviceFilename(file, name, get);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerUpdate_InstalledSetGetDeviceFilename(QString file, QString name,
                                                                                   int get) {
  return VersionStore()->KLX_InstalledSetGetDeviceFilename(file, name, get);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerUpdate_InstalledSetGetUpdateDate(QString date, int get) {
  return VersionStore()->KLX_InstalledSetGetUpdateDate(date, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdateGetSetDeviceFilenameFlag(QString name, int get) {
  return VersionStore()->KLX_UpdateSetGetDeviceFWRewrittenFlag(name, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdateSetGetDeviceTyp(int value, QString name, int get) {
  return VersionStore()->KLX_UpdateSetGetDeviceTyp(value, name, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdateSetGetForce(int value, int get) {
  return VersionStore()->KLX_UpdateSetGetForceUpdate(value, get);
}

// ---- saving ----------------------------------------------------------------------------------------

void KLX_DataBaseManager::KLX_DataBaseManagerForceSavingXMLFilesDumpTimers(bool last) {
  if (last) KLX_DataBaseManagerPauseTelemetrie(kPauseLastSave);
  m_XMLFileSaver.KLX_XMLFileSaverSavingFiles(last, true);
}
