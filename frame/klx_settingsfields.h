#pragma once
// Every device setting described once: the store's field and its write rule,
// the facade accessor that publishes it, and its element of "System.xml".
// The store, the facade and the settings file are expanded from these rows.
//
// X(name, type, default, min, max, store rule, facade, file)
//   name     the store's field m_<name> and accessor KLX_SystemPropertiesGetSet_<name>
//   type     U8, U16, I16, U32 or Text (UTF-8 bytes)
//   default  the value the defaults operation writes; KLX_KEPT: it keeps its value
//   min, max the write range; for texts the number of bytes kept (min 0)
//   store    Clamp (into min..max), ClampU (the same, compared unsigned),
//            Given (as given, cut to the type's width), Range (only values in
//            min..max are stored, others leave it), Toggle (0 and 1 stored,
//            other values flip it; accessor KLX_SystemPropertiesGetSetToggle_<name>),
//            Text (cut to max bytes on a whole character), Hand (accessor
//            written by hand), Field (no accessor of its own)
//   facade   Pub(accessor, shape) or NoFacade. Shapes: Fwd (value, dir),
//            FwdM (value, dir, modify; modify unused), Mark (value, dir,
//            modify: a write with modify marks "System.xml" modified), MarkU
//            (the same unsigned; every write with modify marks), MarkText (the
//            same with a text), Hand (written by hand)
//   file     Xml(conversion, element, check, value on bad text, code, text) or NoXml.
//            Conversions: Signed, Unsigned, Flag (unsigned, any non-zero is 1),
//            SignedLarger and FlagLarger (0 on the smaller board), Volume and
//            VolumeControl (the two parts of a volume accessor), Text, Text47
//            (cut to 47 bytes by the reader), Ble (the last used BLE device).
//            Checks: NoCheck, Uint8, Uint16, Sint16, Boolean. KLX_NO_FALLBACK:
//            a bad text sets nothing.
//
// Rows with an element are in the file's order.
#include <QByteArray>
#include <QMutex>

#include <atomic>
#include <cstdint>

#define KLX_SYSTEM_SETTINGS(X)                                                                                   \
  X(LockTimeout, U16, 5, 0, 10, Clamp, Pub(KLX_DataBaseManagerGetSetSystemProperties_LockTimeout, Mark),         \
    Xml(Signed, "Locktimeout", NoCheck, 5, 0x32889, "default value for System: Locktimeout"))                       \
  X(IdleTimeout, U16, KLX_KEPT, 0, 60, Clamp, Pub(KLX_DataBaseManagerGetSetSystemProperties_IdleTimeout, Mark),  \
    Xml(Signed, "Idletimeout", NoCheck, 15, 0x328CD, "default value for System: Idletimeout"))                      \
  X(TimeoutBrigntness, U16, 10, 40, 100, Clamp,                                                                  \
    Pub(KLX_DataBaseManagerGetSetSystemProperties_TimeoutBrigntness, Mark),                                      \
    Xml(Signed, "Dimbrightness", NoCheck, 20, 0x3288A, "default value for System: Dimbrightness"))                  \
  X(BaseBrightness, U16, 70, 1, 100, Clamp, Pub(KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness, Mark), \
    Xml(Signed, "Brightness", NoCheck, 70, 0x3288B, "default value for System: Brightness"))                        \
  X(Fallbacktime, U16, 10, 0, 10, Clamp, Pub(KLX_DataBaseManagerGetSetSystemProperties_Fallbacktime, Mark),      \
    Xml(Signed, "Brightnessdimtime", NoCheck, 5, 0x3288C, "default value for System: Brightnessdimtime"))           \
  X(DisplayContrast, U8, 1, 0, 1, Clamp, Pub(KLX_DataBaseManagerGetSetSystemProperties_DisplayContrast, Mark),   \
    Xml(Signed, "Displaycontrast", NoCheck, 1, 0x3288D, "default value for System: Displaycontrast"))               \
  X(DisplayColour, U32, 0xFFFBFBFBu, 0u, 0xFFFBFBFBu, ClampU,                                                    \
    Pub(KLX_DataBaseManagerGetSetSystemProperties_DisplayColour, MarkU),                                         \
    Xml(Unsigned, "Displaycolour", NoCheck, 0xFFFBFBFBLL, 0x3288E, "default value for System: Displaycolour"))      \
  X(BorderColour, U32, 0xFFFBFBFBu, 0u, 0xFFFBFBFBu, ClampU,                                                     \
    Pub(KLX_DataBaseManagerGetSetSystemProperties_DisplayBorderColour, MarkU),                                   \
    Xml(Unsigned, "Bordercolour", NoCheck, 0xFFFBFBFBLL, 0x3288F, "default value for System: Bordercolour"))        \
  X(MeasureSystem, U8, 0, 0, 1, Clamp, Pub(KLX_DataBaseManagerGetSet_SystemPropertiesMeasureSystem, Mark),       \
    Xml(Unsigned, "MeasureSystem", Uint8, 1, 0x328AB, "default value for System: MeasureSystem"))                \
  X(TeleLogEna, U8, 1, 0, 1, Toggle, Pub(KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled, Mark),  \
    Xml(Flag, "TeleLoggingEnabled", Uint8, KLX_NO_FALLBACK, 0x328F9,                                             \
        "default value for System: TeleLoggingEnabled"))                                                         \
  X(FastStartEna, U8, 0, 0, 1, Toggle,                                                                           \
    Pub(KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled, Mark),                                 \
    Xml(FlagLarger, "FastStartEnabled", Uint8, 0, 0x328AC, "default value for System: FastStartEnabled"))        \
  X(UserName, Text, "OstrelVorn", 0, 46, Text,                                                                   \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName, MarkText), Xml(Text47, "UserName", NoCheck, 0, 0, "")) \
  X(PortalLogin, Text, KLX_KEPT, 0, 46, Text,                                                                    \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLoginEncrptd, Hand),                               \
    Xml(Text, "PortalLogin", NoCheck, 0, 0, ""))                                                                    \
  X(UserPassw, Text, KLX_KEPT, 0, 46, Text,                                                                      \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserPasswEncrypted, Hand),                               \
    Xml(Text, "UserPassw", NoCheck, 0, 0, ""))                                                                      \
  X(AutomaticDateTime, U8, 1, 0, 1, Clamp,                                                                       \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime, Hand),                                \
    Xml(SignedLarger, "AutomaticDateTime", Boolean, 1, 0x32890, "default value for System: AutomaticDateTime"))  \
  X(Display24h, U8, 0, 0, 1, Clamp, Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h, Hand),       \
    Xml(Signed, "Display24h", Boolean, 0, 0x32891, "default value for System: Display24h"))                      \
  X(DayLightSaving, U8, KLX_KEPT, 0, 255, Given,                                                                 \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DayLightSaving, Hand),                                   \
    Xml(Flag, "DayLightSaving", Uint16, 0, 0x328CC, "default value for System: Daylight saving flag"))           \
  X(CountryCode, U16, 0, 0, 257, Range, Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_CountryCode, Mark),  \
    Xml(Unsigned, "CountryCode", Uint16, 0, 0x328CC, "default value for System: Country code"))                  \
  X(TimeZoneLocation, Text, "", 0, 46, Text,                                                                     \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeZoneLocation, MarkText),                             \
    Xml(Text, "TimezoneLocation", NoCheck, 0, 0, ""))                                                               \
  X(TimeOffsetMinutes, I16, 0, -32768, 32767, Hand,                                                              \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes, Hand),                                \
    Xml(Signed, "TimeOffset", Sint16, 1, 0x328CD, "default value for System: time zone offset"))                 \
  X(Language, Text, "en", 0, 2, Text, Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language, MarkText),   \
    Xml(Text47, "Language", NoCheck, 0, 0, ""))                                                                     \
  X(LastUsedBLE, Text, "", 0, 17, Hand, Pub(KLX_DataBaseManagerSetLastUsedBLEDevice, Hand),                      \
    Xml(Ble, "LastUsedBLE", NoCheck, 0, 0, ""))                                                                     \
  X(VolumeKeyTrims, U8, 100, 0, 100, Field,                                                                      \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlKeyTrims, Hand),                                \
    Xml(Volume, "VolumeKey", NoCheck, 80, 0x32893, "default value for System: VolumeKey"))                          \
  X(VolumeKeyTrimsCtrl, U16, 0, 0, 65534, Field,                                                                 \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlKeyTrims, Hand),                                \
    Xml(VolumeControl, "VolumeKeyControl", NoCheck, 0, 0x32893, "default value for System: VolumeKeyControl"))      \
  X(VolumeTelemetry, U8, 100, 0, 100, Field,                                                                     \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTelemetry, Hand),                               \
    Xml(Volume, "VolumeAlarm", NoCheck, 80, 0x32894, "default value for System: VolumeAlarm"))                      \
  X(VolumeTelemetryCtrl, U16, 0, 0, 65534, Field,                                                                \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTelemetry, Hand),                               \
    Xml(VolumeControl, "VolumeAlarmControl", NoCheck, 0, 0x32894, "default value for System: VolumeAlarmControl"))  \
  X(VolumeTimer, U8, 100, 0, 100, Field, Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTimer, Hand), \
    Xml(Volume, "VolumeTimer", NoCheck, 80, 0x32895, "default value for System: VolumeTimer"))                      \
  X(VolumeTimerCtrl, U16, 0, 0, 65534, Field,                                                                    \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTimer, Hand),                                   \
    Xml(VolumeControl, "VolumeTimerControl", NoCheck, 0, 0x32894, "default value for System: VolumeTimerControl"))  \
  X(VolumeBT, U8, 100, 0, 100, Field, Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT, Hand),    \
    Xml(Volume, "VolumeBT", NoCheck, 88, 0x32896, "default value for System: VolumeBT"))                            \
  X(VolumeBTCtrl, U16, 0, 0, 65534, Field, Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT, Hand), \
    Xml(VolumeControl, "VolumeBTControl", NoCheck, 0, 0x32894, "default value for System: VolumeBTControl"))        \
  X(BTPowerStatus, U8, 0, 0, 1, Clamp, Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_BTPowerStatus, Mark), \
    Xml(Unsigned, "BTPowerStatus", NoCheck, 0, 0x32896, "default value for System: BTPowerStatus"))                 \
  X(VolumeVario, U8, 100, 0, 100, Field, Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlVario, Hand), \
    Xml(Volume, "VolumeTemeletry", NoCheck, 80, 0x32896, "default value for System: VolumeVario"))                  \
  X(VolumeVarioCtrl, U16, 0, 0, 65534, Field,                                                                    \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlVario, Hand),                                   \
    Xml(VolumeControl, "VolumeTemeletryControl", NoCheck, 0, 0x32894, "default value for System: VolumeVarioControl")) \
  X(VolumeMaster, U8, 100, 0, 100, Clamp, Pub(SystemPropertiesGetSet_VolumeMaster, Hand),                        \
    Xml(Unsigned, "VolumeMaster", NoCheck, 80, 0x32897, "default value for System: VolumeMaster"))                  \
  X(MainMasterVolumeControlled, U8, 0, 0, 255, Given,                                                            \
    Pub(KLX_DatabaseManagerGetSetSystemProperties_MainMastVolmIsControlled, Mark),                               \
    Xml(Flag, "isMasterVolumeControlled", NoCheck, 0, 0x32897,                                                      \
        "default property for System: Volume master controlled set to FALSE"))                                   \
  X(VolumeMasterCtrl, U16, 0, 0, 65535, Hand,                                                                    \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_MasterVolumeCtl, Hand),                                  \
    Xml(Unsigned, "MasterVolumeControl", NoCheck, 0, 0x32897, "default control for System: Volume master control BAD")) \
  X(IntroVideo, U8, 1, 0, 1, Clamp, Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_IntroVideo, Mark),       \
    Xml(Signed, "IntroVideo", Boolean, 1, 0x32898, "default value for System: IntroVideo"))                      \
  X(Akku1Voltage, U16, 800, 0, 1000, Clamp, Pub(KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage, Fwd), NoXml) \
  X(Akku2Voltage, U16, 800, 0, 1000, Clamp, Pub(KLX_DataBaseManagerGetSetSystemProperties_Akku2Voltage, Fwd), NoXml) \
  X(Current, U16, 0, 0, 3000, Clamp, Pub(KLX_DataBaseManagerGetSetSystemProperties_Current, Fwd), NoXml)         \
  X(Brightness_In, U16, 0, 0, 100, Clamp, Pub(KLX_DataBaseManagerGetSetSystemProperties_Brightness_In, FwdM), NoXml) \
  X(Brightness_Out, U16, 100, 0, 100, Hand, Pub(KLX_DataBaseManagerGetSetSystemProperties_Brightness_Out, FwdM), \
    NoXml)                                                                                                       \
  X(Akku1Percent, U16, 50, 0, 100, Clamp, Pub(KLX_DataBaseManagerGetSetSystemProperties_Akku1Percent, Fwd), NoXml) \
  X(Akku2Percent, U16, 50, 0, 100, Clamp, Pub(KLX_DataBaseManagerGetSetSystemProperties_Akku2Percent, Fwd), NoXml) \
  X(DependBrightness, U16, 80, 0, 80, Clamp, Pub(KLX_DataBaseManagerGetSetSystemProperties_DependBrightness, FwdM), \
    NoXml)                                                                                                       \
  X(TouchTimeoutEvent, U8, 0, 0, 1, Clamp, Pub(KLX_DataBaseManagerGetSetSystemProperties_TouchTimeoutEvent, FwdM), \
    NoXml)                                                                                                       \
  X(SummerAuto, U8, 0, 0, 255, Given, Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutoSummerTime, Fwd), NoXml) \
  X(KeySound, U8, 100, 0, 1, Clamp, Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_KeySound, Mark), NoXml)  \
  X(StickState, U8, 0, 0, 255, Clamp, Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_StickState, Fwd), NoXml) \
  X(StickSubState, U8, 0, 0, 255, Clamp, Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_StickSubState, Fwd), \
    NoXml)                                                                                                       \
  X(TransceiverState, U8, 0, 0, 255, Clamp,                                                                      \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TransceiverState, Fwd), NoXml)                           \
  X(TransceiverSubState, U8, 0, 0, 255, Clamp,                                                                   \
    Pub(KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TransceiverSubState, Fwd), NoXml)                        \
  X(FrontPlugMode, U8, 255, 0, 1, Hand, Pub(KLX_DatabaseManagerGetSetFrontPlugMode, Hand), NoXml)                \
  X(Day, U8, 1, 1, 31, Field, NoFacade, NoXml)                                                                   \
  X(Month, U8, 1, 1, 12, Field, NoFacade, NoXml)                                                                 \
  X(Year, U16, 2000, 2001, 65535, Field, NoFacade, NoXml)                                                        \
  X(Hour, U8, 0, 0, 23, Field, NoFacade, NoXml)                                                                  \
  X(Minute, U8, 0, 0, 59, Field, NoFacade, NoXml)                                                                \
  X(Second, U8, KLX_KEPT, 0, 59, Field, NoFacade, NoXml)                                                         \
  X(ForwardSwId, U16, KLX_KEPT, 0, 65535, Given, NoFacade, NoXml)                                                \
  X(BackwardSwId, U16, KLX_KEPT, 0, 65535, Given, NoFacade, NoXml)                                               \
  X(RestartSwId, U16, KLX_KEPT, 0, 65535, Given, NoFacade, NoXml)

// A stored text: UTF-8 bytes under a lock of their own.
class KLX_SettingText {
 public:
  KLX_SettingText& operator=(const QByteArray& text) {
    QMutexLocker lock(&m_Mutex);
    m_Text = text;
    return *this;
  }
  QByteArray Get() const {
    QMutexLocker lock(&m_Mutex);
    return m_Text;
  }

 private:
  mutable QMutex m_Mutex;
  QByteArray m_Text;
};

// The default of a field that the defaults operation leaves as it is.
struct KLX_KeptValue {};
constexpr KLX_KeptValue KLX_KEPT{};
constexpr long long KLX_NO_FALLBACK = -0x1FFFFFFFFLL;

template <typename Field, typename Value>
void KLX_SettingReset(Field& field, const Value& value) {
  field = value;
}
template <typename Field>
void KLX_SettingReset(Field&, KLX_KeptValue) {}

#define KLX_SETTING_TYPE_U8 std::atomic<uint8_t>
#define KLX_SETTING_TYPE_U16 std::atomic<uint16_t>
#define KLX_SETTING_TYPE_I16 std::atomic<int16_t>
#define KLX_SETTING_TYPE_U32 std::atomic<uint32_t>
#define KLX_SETTING_TYPE_Text KLX_SettingText

// The store's fields and the declarations of its generated accessors.
#define KLX_SETTING_FIELD(name, type, ...) KLX_SETTING_TYPE_##type m_##name{};
#define KLX_SETTING_STORE_DECL(name, type, def, min, max, store, ...) KLX_SETTING_STORE_DECL_##store(name)
#define KLX_SETTING_STORE_DECL_Clamp(name) int KLX_SystemPropertiesGetSet_##name(int value, int dir);
#define KLX_SETTING_STORE_DECL_Given(name) int KLX_SystemPropertiesGetSet_##name(int value, int dir);
#define KLX_SETTING_STORE_DECL_Range(name) int KLX_SystemPropertiesGetSet_##name(int value, int dir);
#define KLX_SETTING_STORE_DECL_ClampU(name) \
  unsigned int KLX_SystemPropertiesGetSet_##name(unsigned int value, int dir);
#define KLX_SETTING_STORE_DECL_Toggle(name) int KLX_SystemPropertiesGetSetToggle_##name(int value, int dir);
#define KLX_SETTING_STORE_DECL_Text(name) QString KLX_SystemPropertiesGetSet_##name(QString value, int dir);
#define KLX_SETTING_STORE_DECL_Hand(name)
#define KLX_SETTING_STORE_DECL_Field(name)

// The store accessor a row's facade forwards to.
#define KLX_SETTING_STORE_CALL_Clamp(name) KLX_SystemPropertiesGetSet_##name
#define KLX_SETTING_STORE_CALL_Given(name) KLX_SystemPropertiesGetSet_##name
#define KLX_SETTING_STORE_CALL_Range(name) KLX_SystemPropertiesGetSet_##name
#define KLX_SETTING_STORE_CALL_ClampU(name) KLX_SystemPropertiesGetSet_##name
#define KLX_SETTING_STORE_CALL_Toggle(name) KLX_SystemPropertiesGetSetToggle_##name
#define KLX_SETTING_STORE_CALL_Text(name) KLX_SystemPropertiesGetSet_##name
#define KLX_SETTING_STORE_CALL_Hand(name) KLX_SystemPropertiesGetSet_##name

// The facade's generated accessors, by shape.
#define KLX_SETTING_FACADE_DECL(name, type, def, min, max, store, facade, file) KLX_SETTING_FACADE_DECL_##facade
#define KLX_SETTING_FACADE_DECL_NoFacade
#define KLX_SETTING_FACADE_DECL_Pub(accessor, shape) KLX_SETTING_FACADE_DECL_##shape(accessor)
#define KLX_SETTING_FACADE_DECL_Fwd(accessor) Q_INVOKABLE int accessor(int value, int dir);
#define KLX_SETTING_FACADE_DECL_FwdM(accessor) Q_INVOKABLE int accessor(int value, int dir, bool modify = true);
#define KLX_SETTING_FACADE_DECL_Mark(accessor) Q_INVOKABLE int accessor(int value, int dir, bool modify = true);
#define KLX_SETTING_FACADE_DECL_MarkU(accessor) \
  Q_INVOKABLE unsigned int accessor(unsigned int value, int dir, bool modify = true);
#define KLX_SETTING_FACADE_DECL_MarkText(accessor) \
  Q_INVOKABLE QString accessor(QString text, int dir, bool modify = true);
#define KLX_SETTING_FACADE_DECL_Hand(accessor)

// The accessor name of a row's facade column, for the file's doors.
#define KLX_SETTING_FACADE_NAME_Pub(accessor, shape) accessor
#define KLX_SETTING_FACADE_NAME_NoFacade NoFacade
