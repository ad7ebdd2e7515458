// The settings side of the database facade: the system settings accessors
// with their side effects, the current-model properties, the version and
// update bookkeeping, and the stores behind them.
#include <QDebug>
#include <QFile>
#include <QTextStream>

#include <cmath>

#include "frame/klx_databasevalues.h"
#include "frame/klx_debuglog.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_languagehandler.h"
#include "frame/klx_xmlfilehandler.h"
#include "model/klx_databasemanager.h"
#include "platform/klx_commandrunner.h"
#include "tasks/klx_vorntask.h"

namespace {
constexpr unsigned kClockChanged = 0x21604;
constexpr unsigned kErrNoSystemStore = 0x203F1;
constexpr unsigned kErrNoVersionStore = 0x203F2;
constexpr unsigned kErrNoVornStore = 0x203F3;
constexpr int kPauseLastSave = 14;
constexpr int kPauseClockSynchronised = 2;
}  // namespace

// ---- the stores ------------------------------------------------------------------

// The store, or the failure answer when it is released (the getter reports it).
#define KLX_STORE_OR(var, getter, failed) \
  auto* const var = getter();             \
  if (!var) return failed

// The stores are created once, by Initialize; after Free a late call finds
// none, is reported and answers as a failure.
KLX_SystemProperties* KLX_DataBaseManager::SystemStore() {
  KLX_SystemProperties* const store = m_SystemProperties;
  if (!store) KLXErrorHandler.RegisterError(kErrNoSystemStore, QStringLiteral("settings store used while released"));
  return store;
}

KLX_Version* KLX_DataBaseManager::VersionStore() {
  KLX_Version* const store = m_Version;
  if (!store) KLXErrorHandler.RegisterError(kErrNoVersionStore, QStringLiteral("version store used while released"));
  return store;
}

KLX_VornProperties* KLX_DataBaseManager::VornStore() {
  KLX_VornProperties* const store = m_VornProperties;
  if (!store) KLXErrorHandler.RegisterError(kErrNoVornStore, QStringLiteral("model state store used while released"));
  return store;
}

int KLX_DataBaseManager::InitializeSettingsStores() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  KLX_STORE_OR(versions, VersionStore, KLX_Error);
  KLX_STORE_OR(model, VornStore, KLX_Error);
  Info::Instance().Init();
  int rc = settings->KLX_SystemPropertiesInitialize(m_Protocol);
  if (rc != KLX_Ok) return rc;
  rc = versions->KLX_VersionInitialize(m_Protocol);
  if (rc != KLX_Ok) return rc;
  rc = model->KLX_VornPropertiesInitialize(m_Protocol);
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

// ---- the accessors of the settings table ---------------------------------------------

#define KLX_SETTING_FACADE_DEF(name, type, def, min, max, store, facade, file) \
  KLX_SETTING_FACADE_DEF_APPLY(KLX_SETTING_STORE_CALL_##store(name), KLX_SETTING_FACADE_ARGS_##facade)
#define KLX_SETTING_FACADE_ARGS_Pub(accessor, shape) shape, accessor
#define KLX_SETTING_FACADE_ARGS_NoFacade Hand, NoFacade
#define KLX_SETTING_FACADE_DEF_APPLY(...) KLX_SETTING_FACADE_DEF_SHAPE(__VA_ARGS__)
#define KLX_SETTING_FACADE_DEF_SHAPE(call, shape, accessor) KLX_SETTING_FACADE_DEF_##shape(accessor, call)
#define KLX_SETTING_FACADE_DEF_Fwd(accessor, call)           \
  int KLX_DataBaseManager::accessor(int value, int dir) {    \
    KLX_STORE_OR(settings, SystemStore, KLX_Error);          \
    return settings->call(value, dir);                       \
  }
#define KLX_SETTING_FACADE_DEF_FwdM(accessor, call)                \
  int KLX_DataBaseManager::accessor(int value, int dir, bool) {    \
    KLX_STORE_OR(settings, SystemStore, KLX_Error);                \
    return settings->call(value, dir);                             \
  }
#define KLX_SETTING_FACADE_DEF_Mark(accessor, call)                         \
  int KLX_DataBaseManager::accessor(int value, int dir, bool modify) {      \
    KLX_STORE_OR(settings, SystemStore, KLX_Error);                         \
    return MarkSystemModified(dir, modify, settings->call(value, dir));     \
  }
// Every real colour has its top bit set: the write is marked whatever its value.
#define KLX_SETTING_FACADE_DEF_MarkU(accessor, call)                                         \
  unsigned int KLX_DataBaseManager::accessor(unsigned int value, int dir, bool modify) {    \
    KLX_STORE_OR(settings, SystemStore, static_cast<unsigned int>(KLX_Error));               \
    const unsigned int result = settings->call(value, dir);                                  \
    MarkSystemModified(dir, modify, 0);                                                      \
    return result;                                                                           \
  }
#define KLX_SETTING_FACADE_DEF_MarkText(accessor, call)                       \
  QString KLX_DataBaseManager::accessor(QString text, int dir, bool modify) { \
    KLX_STORE_OR(settings, SystemStore, QString());                           \
    const QString result = settings->call(text, dir);                         \
    MarkSystemModified(dir, modify, 0);                                       \
    return result;                                                            \
  }
#define KLX_SETTING_FACADE_DEF_Hand(accessor, call)
KLX_SYSTEM_SETTINGS(KLX_SETTING_FACADE_DEF)

// ---- forwarders ----------------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerGetCPUTemp(int frmNum) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->KLX_SystemPropertiesGet_CPUTemp(static_cast<unsigned char>(frmNum));
}
double KLX_DataBaseManager::KLX_DataBaseManagerGetSystemProperties_SliderSensorBrightness(bool base) {
  KLX_STORE_OR(settings, SystemStore, 0.0);
  return settings->KLX_SystemPropertiesGet_SliderSensorBrightness(base, false);
}
double KLX_DataBaseManager::KLX_DataBaseManagerGetSystemProperties_CalcBrightnessInLogScale(int value) {
  KLX_STORE_OR(settings, SystemStore, 0.0);
  return settings->KLX_SystemPropertiesGet_BrightnessInLogScale(value);
}
int KLX_DataBaseManager::KLX_DataBaseManagerSystemPropertiesGet_ControlTypByControl(int control) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->KLX_SystemPropertiesGet_ControlTypByControl(control);
}
int KLX_DataBaseManager::KLX_DataBaseManagerSystemPropertiesGet_ControlAndControlTypByIndex(int index, int* control,
                                                                                           int* type) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->KLX_SystemPropertiesGet_ControlAndControlTypByIndex(index, control, type);
}
void KLX_DataBaseManager::KLX_DataBaseManagerSetCountryListPtr(const QList<CountryTZ_struct>* list) {
  KLX_STORE_OR(settings, SystemStore, );
  settings->KLX_SystemPropertiesSetCountryListPtr(list);
}
int KLX_DataBaseManager::KLX_SystemPropertiesGetSystemProperties_GetCountryCountInTZoneFile() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->KLX_SystemPropertiesGetXMLCountryListLength();
}
int KLX_DataBaseManager::KLX_SystemPropertiesGet_QtCountryCount() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->KLX_SystemPropertiesGet_QtCountryCount();
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSystemPropertiesGet_ListIndexByCode(int country_code) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->KLX_SystemPropertiesGet_UltimateListIdx(country_code);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerGetSystemPropertiesGet_CountryName(int country_code) {
  KLX_STORE_OR(settings, SystemStore, QString());
  return settings->KLX_SystemPropertiesGet_UltimateCountryName(country_code);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerGetSystemPropertiesGet_CountryNameInList(int idx) {
  KLX_STORE_OR(settings, SystemStore, QString());
  return settings->KLX_SystemPropertiesGet_CountryNameInAnyList(idx);
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSystemPropertiesGet_CountryCodeInList(int idx) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->KLX_SystemPropertiesGet_CountryCodeInAnyList(idx);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGet_FullDescrInXMLList(int list_idx, int tz_idx) {
  KLX_STORE_OR(settings, SystemStore, QString());
  return settings->KLX_SystemPropertiesGet_TimeZoneDescription(list_idx, tz_idx);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGet_TimeZonesList(int country_code) {
  KLX_STORE_OR(settings, SystemStore, QString());
  return settings->KLX_SystemPropertiesGet_TimeZonesList(country_code);
}
QDateTime KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGet_DateTime() {
  KLX_STORE_OR(settings, SystemStore, QDateTime());
  QDateTime dt;
  settings->KLX_SystemPropertiesGetSet_DateTime(dt, AtomicDirGet);
  return dt;
}
int KLX_DataBaseManager::get_BT_Control_Value() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->get_BT_Control_Value();
}
int KLX_DataBaseManager::get_Trims_Control_Value() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->get_Trims_Control_Value();
}
int KLX_DataBaseManager::get_Telemetry_Control_Value() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->get_Telemetry_Control_Value();
}
int KLX_DataBaseManager::get_Timer_Control_Value() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->get_Timer_Control_Value();
}
int KLX_DataBaseManager::get_Vario_Control_Value() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->get_Vario_Control_Value();
}
int KLX_DataBaseManager::get_MasterVolume_Control_Value() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->get_MasterVolume_Control_Value();
}
int KLX_DataBaseManager::get_BT_Control_ID() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->get_BT_Control_ID();
}
int KLX_DataBaseManager::get_Trims_Control_ID() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->get_Trims_Control_ID();
}
int KLX_DataBaseManager::get_Telemetry_Control_ID() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->get_Telemetry_Control_ID();
}
int KLX_DataBaseManager::get_Timer_Control_ID() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->get_Timer_Control_ID();
}
int KLX_DataBaseManager::get_Vario_Control_ID() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->get_Vario_Control_ID();
}
int KLX_DataBaseManager::get_MasterVolume_Control_ID() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->get_MasterVolume_Control_ID();
}
int KLX_DataBaseManager::KLX_DataBaseManager_SystemPropertiesLock() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->KLX_SystemPropertiesLock();
}
int KLX_DataBaseManager::KLX_DataBaseManager_SystemPropertiesUnlock() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->KLX_SystemPropertiesUnlock();
}
int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemProperties_ClearAll() {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  settings->KLX_SystemPropertiesClearAll();
  return KLX_Ok;
}

// ---- accessors that mark "System.xml" modified ------------------------------------------

#define KLX_TEXT_MARKED(facade, call)                                       \
  QString KLX_DataBaseManager::facade(QString text, int dir, bool modify) { \
    KLX_STORE_OR(settings, SystemStore, QString());                         \
    const QString result = settings->call;                                  \
    MarkSystemModified(dir, modify, 0);                                     \
    return result;                                                          \
  }
KLX_TEXT_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLogin,
                KLX_SystemPropertiesGetSet_PortalLogin(text, dir))
KLX_TEXT_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserPassw, KLX_SystemPropertiesGetSet_UserPassw(text, dir))
KLX_TEXT_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLoginEncrptd,
                KLX_SystemPropertiesGetSet_PhraseEncrptd(false, text, dir))
KLX_TEXT_MARKED(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserPasswEncrypted,
                KLX_SystemPropertiesGetSet_PhraseEncrptd(true, text, dir))
#undef KLX_TEXT_MARKED

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime(int value, int dir,
                                                                                          bool modify) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  const int result = settings->KLX_SystemPropertiesGetSet_AutomaticDateTime(value, dir);
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
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  const int result = settings->KLX_SystemPropertiesSet_ControlAndControlTyp(control, typ);
  return result > KLX_Error ? MarkSystemModified(AtomicDirSet, modify, result) : result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlTypByIndex(int index, int control,
                                                                                           int type, bool modify) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  const int result = settings->KLX_SystemPropertiesSet_ControlAndControlTypByIndex(index, control, type);
  return result > KLX_Error ? MarkSystemModified(AtomicDirSet, modify, result) : result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(int index, int value, QString menu,
                                                                               int dir, bool modify) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  const int result = settings->KLX_SystemPropertiesGetSetUserMenuEntry(index, value, menu, dir);
  return result > KLX_Error ? MarkSystemModified(dir, modify, result) : result;
}

bool KLX_DataBaseManager::SetUserMenuEntry(int value, QString type) {
  KLX_STORE_OR(settings, SystemStore, false);
  for (int i = 0; i < GetMaxUserMenuEntries(); ++i) {
    if (settings->KLX_SystemPropertiesGetSetUserMenuEntry(i, 0, QString(), AtomicDirGet) != 0) continue;
    settings->KLX_SystemPropertiesGetSetUserMenuEntry(i, value, type, AtomicDirSet);
    qCDebug(lcVornDebug).noquote() << QStringLiteral("SET new entry in USERMENU %1 : %2").arg(value).arg(type);
    KLX_DataBaseManagerSetSystemModifyFlag(true);
    return true;
  }
  return false;
}

bool KLX_DataBaseManager::ISUserMenuFull() {
  KLX_STORE_OR(settings, SystemStore, false);
  for (int i = 0; i < GetMaxUserMenuEntries(); ++i)
    if (settings->KLX_SystemPropertiesGetSetUserMenuEntry(i, 0, QString(), AtomicDirGet) == 0) return false;
  return true;
}

QString KLX_DataBaseManager::GetUserMenuEntryType(int index) {
  KLX_STORE_OR(settings, SystemStore, QString());
  return settings->GetUserMenuEntryType(index);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSystemProperties_FinalBrightness(bool logScale) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  const double sum = settings->KLX_SystemPropertiesGet_SliderSensorBrightness(true, logScale) +
                     settings->KLX_SystemPropertiesGet_SliderSensorBrightness(false, logScale);
  const int whole = static_cast<int>(sum);
  return sum - whole >= 0.5 ? whole + 1 : whole;
}

// ---- volumes -----------------------------------------------------------------------------

#define KLX_VOLUME_ACCESSOR(facade, store, keep)                                                     \
  int KLX_DataBaseManager::facade(int percent, int dir, bool modify, int control) {                  \
    KLX_STORE_OR(settings, SystemStore, KLX_Error);                                                  \
    const int result = settings->store(percent, control, dir);                                       \
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
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  const int result = settings->KLX_SystemPropertiesGetSet_VolumeMaster(percent, dir);
  if (dir == AtomicDirSet) {
    m_AudioHandler.KLX_AudioHandlerKeepMasterVolume(result);
    MarkSystemModified(dir, modify, result);
  }
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_MasterVolumeCtl(int control, int dir,
                                                                                        bool modify) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  const int result = settings->KLX_SystemPropertiesGetSet_VolumeMasterCtrl(control, dir);
  if (dir == AtomicDirSet) {
    MarkSystemModified(dir, modify, result);
    emit masterVolumeControlChanged(control);
  }
  return result;
}

void KLX_DataBaseManager::KLX_DataBaseManagerUpdateVolumes() {
  // Getter of the assigned control and the setting to store a level in, by
  // the audio handler's volume key.
  using Getter = int (KLX_DataBaseManager::*)();
  using Setter = int (KLX_DataBaseManager::*)(int, int, bool, int);
  static const struct {
    Getter control;
    Setter store;
  } kKeys[Volume_Count] = {
      {&KLX_DataBaseManager::get_Timer_Control_ID,
       &KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTimer},
      {&KLX_DataBaseManager::get_Telemetry_Control_ID,
       &KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTelemetry},
      {&KLX_DataBaseManager::get_Trims_Control_ID,
       &KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlKeyTrims},
      {&KLX_DataBaseManager::get_BT_Control_ID,
       &KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT},
      {&KLX_DataBaseManager::get_Vario_Control_ID,
       &KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlVario},
      {&KLX_DataBaseManager::get_MasterVolume_Control_ID, &KLX_DataBaseManager::SystemPropertiesGetSet_VolumeMaster},
  };
  QMap<int, int> positions;
  for (int key = 0; key < Volume_Count; ++key) {
    const int control = (this->*kKeys[key].control)();
    if (control <= KLX_VornTask::CONTROLID_None_GUI) continue;
    // The vario follows the fixed switches and the physical controls only.
    if (key == Volume_Vario &&
        (control < KLX_VornTask::CONTROLID_FIXSWITCH_ON_GUI || control > KLX_VornTask::CONTROLID_Poti_SLB_GUI))
      continue;
    const int value = KLX_DataBaseManagerGetSet_ControlValueByControl(control, 0, 1);
    if (value == -2048) continue;
    positions.insert(key, value);
  }
  for (const auto& change : m_AudioHandler.UpdateVolumeControls(positions))
    (this->*kKeys[change.first].store)(change.second, AtomicDirSet, true, CONTROLID_Invalid_GUI);
}

// ---- language ------------------------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesChange_Language(QString language, bool modify) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  const QString stored = settings->KLX_SystemPropertiesGetSet_Language(QString(), AtomicDirGet);
  if (stored == language && modify) return KLX_Done;
  const QString code = settings->KLX_SystemPropertiesGetSet_Language(language, AtomicDirSet);
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

bool KLX_DataBaseManager::KLX_DatabaseManagerGetScreenShot() {
  return (m_LanguageHandler ? m_LanguageHandler : &KLXlanguageHandler)->KLX_LanguageHandlerGetScreenShot();
}

QString KLX_DataBaseManager::KLX_DatabaseManagerSaveLastScreenShotAt(QString path) {
  return (m_LanguageHandler ? m_LanguageHandler : &KLXlanguageHandler)->KLX_LanguageHandlerSaveScreenShot(path);
}

// ---- clock ----------------------------------------------------------------------------------

void KLX_DataBaseManager::KLX_DataBaseManagerSetTimeToSystem(bool seconds) {
  KLX_STORE_OR(settings, SystemStore, );
  QDateTime dt;
  settings->KLX_SystemPropertiesGetSet_DateTime(dt, AtomicDirGet);
  KLXErrorHandler.RegisterError(kClockChanged, QStringLiteral("System time/date is changed!"));
  const QDate d = dt.date();
  const QTime t = dt.time();
  QString when = QStringLiteral("%1-%2-%3 ").arg(d.year()).arg(d.month()).arg(d.day()) +
                 QStringLiteral("%1:%2").arg(t.hour()).arg(t.minute());
  if (seconds) when += QStringLiteral(":%1").arg(t.second());
  // Each tool's answer is logged when it is not 0 (-1: it did not start, or
  // was killed at its limit); the log's last line says what became of the
  // clock.
  const auto run = [](const QString& program, const QString& argument) {
    const int result = KLX_Platform::Run(program, {argument}, KLX_Platform::kQuickToolMs);
    if (result != 0) qWarning("%s %s answered %d", qUtf8Printable(program), qUtf8Printable(argument), result);
    return result;
  };
  const int set = run(QStringLiteral("date"), when);
  const bool h24 = settings->KLX_SystemPropertiesGetSet_Display24h(0, AtomicDirGet) != 0;
  run(QStringLiteral("date"), h24 ? QStringLiteral("+%R") : QStringLiteral("+%r"));
  const int kept = run(QStringLiteral("hwclock"), QStringLiteral("-w"));
  if (set != 0)
    KLXErrorHandler.RegisterError(kClockChanged, QStringLiteral("System time/date is not changed: date %1 answered %2")
                                                     .arg(when)
                                                     .arg(set));
  else if (kept != 0)
    KLXErrorHandler.RegisterError(
        kClockChanged, QStringLiteral("System time/date is changed, the hardware clock is not: hwclock -w answered %1").arg(kept));
  else
    KLXErrorHandler.RegisterError(kClockChanged, QStringLiteral("System time/date is changed!"));
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DateTime(QDateTime& datetime, int dir,
                                                                                  bool tosystem) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  const int result = settings->KLX_SystemPropertiesGetSet_DateTime(datetime, dir);
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
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  const int result = settings->KLX_SystemPropertiesGetSet_Display24h(display, dir);
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
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  const int old = settings->KLX_SystemPropertiesGetSet_TimeOffsetMinutes(0, AtomicDirGet, false);
  const int result = settings->KLX_SystemPropertiesGetSet_TimeOffsetMinutes(minutes, dir, tz_chk);
  if (dir == AtomicDirSet && tosystem && result > KLX_Error) {
    const int difference = result - old;
    qDebug("Time difference: %d minutes", difference);
    settings->KLX_SystemPropertiesSet_DateTime(QDateTime::currentDateTime().addSecs(qint64(difference) * 60));
    emit timeChanged();
    KLX_DataBaseManagerSetTimeToSystem(false);
  }
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DayLightSaving(int daylightSave, int dir,
                                                                                       bool tosystem) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  const int result = settings->KLX_SystemPropertiesGetSet_DayLightSaving(daylightSave, dir);
  if (dir == AtomicDirSet && tosystem && settings->KLX_SystemPropertiesGetXMLCountryListLength() >= 1) {
    // Without a stored zone of the list there is no offset to take: the
    // failure code is no offset and the clock stays.
    const int offset = settings->KLX_SystemPropertiesGet_TimeZoneOffsetInXML(result != 0);
    if (offset > KLX_Error) KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(offset, AtomicDirSet, true, false);
  }
  return result;
}

void KLX_DataBaseManager::KLX_DataBaseManagerSystemProperties_SynchronizeDateTime() {
  KLX_STORE_OR(settings, SystemStore, );
  QDateTime gps(QDate(KLX_DataBaseManagerGPSGetSet_Year(0, AtomicDirGet), KLX_DataBaseManagerGPSGetSet_Month(0, AtomicDirGet),
                      KLX_DataBaseManagerGPSGetSet_Day(0, AtomicDirGet)),
                QTime(KLX_DataBaseManagerGPSGetSet_Hour(0, AtomicDirGet), KLX_DataBaseManagerGPSGetSet_Minute(0, AtomicDirGet),
                      KLX_DataBaseManagerGPSGetSet_Second(0, AtomicDirGet)));
  if (!gps.isValid()) return;
  const int offset = settings->KLX_SystemPropertiesGetSet_TimeOffsetMinutes(0, AtomicDirGet, false);
  settings->KLX_SystemPropertiesSet_DateTime(gps.addSecs(qint64(offset) * 60));
  emit timeChanged();
  KLX_DataBaseManagerSetTimeToSystem(true);
  KLX_DataBaseManagerPauseTelemetrie(kPauseClockSynchronised);
  m_DateTimeSync = true;
}

// ---- last used BLE device, front socket -------------------------------------------------------

QString KLX_DataBaseManager::KLX_DataBaseManagerGetLastUsedBLEDevice() {
  KLX_STORE_OR(settings, SystemStore, QString());
  const QString address = settings->KLX_SystemPropertiesGet_LastUsedBLEDevice();
  qCDebug(lcVornDebug).noquote() << "Get Last used MAC ADRESS: " + address + "\n";
  return address;
}

void KLX_DataBaseManager::KLX_DataBaseManagerSetLastUsedBLEDevice(QString macAddr) {
  KLX_STORE_OR(settings, SystemStore, );
  qCDebug(lcVornDebug).noquote() << "Set Last used MAC ADRESS: " + macAddr;
  settings->KLX_SystemPropertiesSet_LastUsedBLEDevice(macAddr);
}

void KLX_DataBaseManager::SetAndSearchLastUsedBLEDevice(QString macAddr, bool research) {
  KLX_STORE_OR(settings, SystemStore, );
  qCDebug(lcVornDebug).noquote() << "Set Last used MAC ADRESS and Search: " + macAddr;
  settings->KLX_SystemPropertiesSet_LastUsedBLEDevice(macAddr);
  if (research) {
    qCDebug(lcVornDebug) << "Init search with Address";
    m_Bluetooth.initSearchLoop(macAddr);
  }
}

int KLX_DataBaseManager::KLX_DatabaseManagerGetSetFrontPlugMode(int mode, int dir) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  if (dir != 0 && dir != 1 && dir != 3) return KLX_Error;
  const int before = settings->KLX_SystemPropertiesGet_LastFrontPlugMode();
  const int result = settings->KLX_SystemPropertiesGetSet_FrontPlugMode(mode, dir);
  // The pilot's choice changes the model when it is asked for: the answer
  // brings the asked mode and looks unchanged, and a switch-off before the
  // answer saves the asked mode.
  const bool asked = dir == AtomicDirSet && result == KLX_MustPollAgain;
  if (asked && settings->KLX_SystemPropertiesGet_LastFrontPlugMode() != before) KLX_DataBaseManagerSetModelModifyFlag(true);
  return result;
}

int KLX_DataBaseManager::KLX_DatabaseManagerSetFrontPlugModeFromFile(int mode) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  return settings->KLX_SystemPropertiesGetSet_FrontPlugMode(mode, AtomicDirSet);
}

int KLX_DataBaseManager::KLX_DatabaseManagerGetFrontPlugModeForFile() {
  // Without the store: servo, the transceiver's own default.
  KLX_STORE_OR(settings, SystemStore, 0);
  settings->KLX_SystemPropertiesGetSet_FrontPlugMode(0, AtomicDirGet);
  return settings->KLX_SystemPropertiesGet_LastFrontPlugMode();
}

int KLX_DataBaseManager::KLX_DatabaseManagerGetSetFrontPlugModeInSystemProp(int mode, int flags) {
  KLX_STORE_OR(settings, SystemStore, KLX_Error);
  const int before = settings->KLX_SystemPropertiesGet_LastFrontPlugMode();
  const int result = settings->KLX_SystemPropertiesGetSet_FrontPlugMode(flags == 2 ? (mode & 0xFF) : mode, flags);
  // The model file keeps the mode: the controller's answer changes the model
  // only when it is not the mode the model holds, asked for by the file or
  // by the pilot (whose asking marked the model already).
  if (flags == 2 && result >= KLX_Error && settings->KLX_SystemPropertiesGet_LastFrontPlugMode() != before)
    KLX_DataBaseManagerSetModelModifyFlag(true);
  return result;
}

// ---- current-model properties ---------------------------------------------------------------

QString KLX_DataBaseManager::KLX_DataBaseManagerVornPropertiesGetSet_ModelName(QString name, int dir, bool save) {
  KLX_STORE_OR(model, VornStore, QString());
  const QString result = model->KLX_VornPropertiesGetSet_ModelName(name, dir);
  if (!dir && save) KLX_DataBaseManagerSetVornModifyFlag(true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(int type, int dir, bool save) {
  KLX_STORE_OR(model, VornStore, KLX_Error);
  const int result = model->KLX_VornPropertiesGetSet_ModelTyp(type, dir);
  if (!dir && save) KLX_DataBaseManagerSetVornModifyFlag(true);
  return result;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString folder, int dir,
                                                                                      bool save) {
  KLX_STORE_OR(model, VornStore, QString());
  const QString result = model->KLX_VornPropertiesGetSet_ModelFolder(folder, dir);
  if (!dir && save) KLX_DataBaseManagerSetVornModifyFlag(true);
  return result;
}

bool KLX_DataBaseManager::KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(bool stored, int dir, bool save) {
  KLX_STORE_OR(model, VornStore, false);
  const bool result = model->KLX_VornPropertiesGetSet_ModelSavedinTC(stored, dir);
  if (!dir && save) KLX_DataBaseManagerSetVornModifyFlag(true);
  return result;
}

bool KLX_DataBaseManager::KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(bool value, int get) {
  KLX_STORE_OR(model, VornStore, false);
  return model->KLX_VornPropertiesSaveModelData(value, get);
}

bool KLX_DataBaseManager::KLX_DataBaseManagerTakeVornPropertiesSaveModelData() {
  KLX_STORE_OR(model, VornStore, false);
  return model->KLX_VornPropertiesTakeSaveModelData();
}

void KLX_DataBaseManager::KLX_DataBaseManagerVornPropertiesSetFailedFile(const QString& path) {
  KLX_STORE_OR(model, VornStore, );
  model->KLX_VornPropertiesSetFailedFile(path);
}

void KLX_DataBaseManager::KLX_SetModelPath(const QString& path) {
  KLX_STORE_OR(model, VornStore, );
  model->KLX_VornPropertiesSetModelPath(path);
}

QString KLX_DataBaseManager::KLX_GetModelPath() {
  KLX_STORE_OR(model, VornStore, QString());
  return model->KLX_VornPropertiesModelPath();
}

QString KLX_DataBaseManager::KLX_DataBaseManagerVornPropertiesGetFailedFile() {
  KLX_STORE_OR(model, VornStore, QString());
  return model->KLX_VornPropertiesFailedFile();
}

int KLX_DataBaseManager::KLX_DataBaseManagerVornPropertiesClearAll() {
  KLX_STORE_OR(versions, VersionStore, KLX_Error);
  KLX_STORE_OR(model, VornStore, KLX_Error);
  model->KLX_VornPropertiesClearAll();
  versions->KLX_UpdateSetGetVersion_UpdateFlag(0, AtomicDirSet);
  return KLX_Ok;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerVornPropertiesGetModelName() {
  KLX_STORE_OR(model, VornStore, QString());
  return model->KLX_VornPropertiesGetSet_ModelName(QString(), AtomicDirGet);
}

// ---- versions and update bookkeeping ------------------------------------------------------------

QString KLX_DataBaseManager::KLX_DataBaseManagerVornLinuxAppGetVersion() {
  KLX_STORE_OR(versions, VersionStore, QString());
  return versions->KLX_VersionVornLinuxAppGetVersion();
}

bool KLX_DataBaseManager::KLX_DataBaseManagerVornLinuxAppGetVersion(unsigned char* major, unsigned char* minor) {
  KLX_STORE_OR(versions, VersionStore, false);
  return versions->KLX_VersionVornLinuxAppGetVersion(major, minor);
}

bool KLX_DataBaseManager::KLX_DataBaseManagerVornLinuxAppSetVersion(unsigned char major, unsigned char minor) {
  KLX_STORE_OR(versions, VersionStore, false);
  return versions->KLX_VersionSetVersionRaw(major, minor, 0);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerVornTransAppGetVersion() {
  KLX_STORE_OR(versions, VersionStore, QString());
  return versions->KLX_VersionVornTransAppGetVersion();
}
QString KLX_DataBaseManager::KLX_DataBaseManagerVornStickAppGetVersion() {
  KLX_STORE_OR(versions, VersionStore, QString());
  return versions->KLX_VersionVornStickAppGetVersion();
}
bool KLX_DataBaseManager::KLX_DataBaseManagerVornTransAppSetVersion(unsigned char major, unsigned char minor) {
  KLX_STORE_OR(versions, VersionStore, false);
  return versions->KLX_VersionVornTransAppSetVersion(major, minor);
}
bool KLX_DataBaseManager::KLX_DataBaseManagerVornStickAppSetVersion(unsigned char major, unsigned char minor) {
  KLX_STORE_OR(versions, VersionStore, false);
  return versions->KLX_VersionVornStickAppSetVersion(major, minor);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerLinuxGetVersion() { return Info::Instance().LinuxVersionText(); }

QString KLX_DataBaseManager::KLX_DataBaseManagerVornStartScriptGetVersion() {
  const QString script = KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QStringLiteral("/app/VornStart/vornstart.sh"));
  const QString answer = KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QStringLiteral("/tmp/vornstartver.txt"));
  QByteArray output;
  const int rc = KLX_Platform::Run(QStringLiteral("sh"), {script, QStringLiteral("-v")}, KLX_Platform::kQuickToolMs, &output);
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

QString KLX_DataBaseManager::KLX_DataBaseManagerSerialStickGet() {
  KLX_STORE_OR(versions, VersionStore, QString());
  return versions->KLX_VersionSerialStickGet();
}
int KLX_DataBaseManager::KLX_DataBaseManagerSerialStickSet(unsigned int serial) {
  KLX_STORE_OR(versions, VersionStore, KLX_Error);
  return versions->KLX_VersionSerialStickSet(serial);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerUpdate_GetVersionOfUpdateXmlFile() {
  KLX_STORE_OR(versions, VersionStore, QString());
  return QStringLiteral("%1.%2")
      .arg(versions->KLX_UpdateSetGetVersion_Major_Updated(0, AtomicDirGet))
      .arg(versions->KLX_UpdateSetGetVersion_Minor_Updated(0, AtomicDirGet));
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetVersion_Major_Updated(int value, int get) {
  KLX_STORE_OR(versions, VersionStore, KLX_Error);
  return versions->KLX_UpdateSetGetVersion_Major_Updated(value, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Updated(int value, int get) {
  KLX_STORE_OR(versions, VersionStore, KLX_Error);
  return versions->KLX_UpdateSetGetVersion_Minor_Updated(value, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetVersion_Major_Installed(int value, int get) {
  KLX_STORE_OR(versions, VersionStore, KLX_Error);
  return versions->KLX_UpdateSetGetVersion_Major_Installed(value, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(int value, int get) {
  KLX_STORE_OR(versions, VersionStore, KLX_Error);
  return versions->KLX_UpdateSetGetVersion_Minor_Installed(value, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(int value, int dir, bool save) {
  KLX_STORE_OR(versions, VersionStore, KLX_Error);
  const int result = versions->KLX_UpdateSetGetVersion_UpdateFlag(value, dir);
  if (!dir && save) KLX_DataBaseManagerSetVornModifyFlag(true);
  return result;
}
QString KLX_DataBaseManager::KLX_DataBaseManagerUpdate_Set_Device_Name(QString name) {
  KLX_STORE_OR(versions, VersionStore, QString());
  return versions->KLX_UpdateSet_DeviceName(name);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerUpdate_Get_DeviceNameAtIndex(int index) {
  KLX_STORE_OR(versions, VersionStore, QString());
  return versions->KLX_UpdateGet_DeviceNameAtIndex(index);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Major(int value, QString name, int get) {
  KLX_STORE_OR(versions, VersionStore, KLX_Error);
  return versions->KLX_UpdateSetGetDeviceVersion_Major(value, name, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Minor(int value, QString name, int get) {
  KLX_STORE_OR(versions, VersionStore, KLX_Error);
  return versions->KLX_UpdateSetGetDeviceVersion_Minor(value, name, get);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerUpdateSetGetDeviceFilename(QString file, QString name, int get) {
  KLX_STORE_OR(versions, VersionStore, QString());
  return versions->KLX_UpdateSetGetDeviceFilename(file, name, get);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerUpdate_InstalledSetGetDeviceFilename(QString file, QString name,
                                                                                   int get) {
  KLX_STORE_OR(versions, VersionStore, QString());
  return versions->KLX_InstalledSetGetDeviceFilename(file, name, get);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerUpdate_InstalledSetGetUpdateDate(QString date, int get) {
  KLX_STORE_OR(versions, VersionStore, QString());
  return versions->KLX_InstalledSetGetUpdateDate(date, get);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetPendingFor(QString version, int get) {
  KLX_STORE_OR(versions, VersionStore, QString());
  return versions->KLX_UpdateSetGetPendingFor(version, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdateGetSetDeviceFilenameFlag(QString name, int get) {
  KLX_STORE_OR(versions, VersionStore, KLX_Error);
  return versions->KLX_UpdateSetGetDeviceFWRewrittenFlag(name, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdateSetGetDeviceTyp(int value, QString name, int get) {
  KLX_STORE_OR(versions, VersionStore, KLX_Error);
  return versions->KLX_UpdateSetGetDeviceTyp(value, name, get);
}
int KLX_DataBaseManager::KLX_DataBaseManagerUpdateSetGetForce(int value, int get) {
  KLX_STORE_OR(versions, VersionStore, KLX_Error);
  return versions->KLX_UpdateSetGetForceUpdate(value, get);
}

// ---- saving ----------------------------------------------------------------------------------------

void KLX_DataBaseManager::KLX_DataBaseManagerForceSavingXMLFilesDumpTimers(bool last) {
  if (last) KLX_DataBaseManagerPauseTelemetrie(kPauseLastSave);
  m_XMLFileSaver.KLX_XMLFileSaverSavingFiles(last, true);
}
