#pragma once
// The device settings that are not part of a model: display, clock, country
// and time zone, language, volumes, credentials, controller states, the
// control-type table and the user menu. Reached only through the facade.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>

#include "frame/klx_basedatabase.h"
#include "frame/klx_timezone.h"

class KLX_Protocol;

class KLX_SystemProperties : public QObject, public KLX_DataBaseTransmitter, public KLX_BaseClassDatabase {
  Q_OBJECT
 public:
  static constexpr int kTextBytes = 46;
  static constexpr int kControlTypes = 176;
  static constexpr int kUserMenuEntries = 10;

  KLX_SystemProperties();
  ~KLX_SystemProperties() override;

  int KLX_SystemPropertiesInitialize(KLX_Protocol* protocol);
  int KLX_SystemPropertiesLock();
  int KLX_SystemPropertiesUnlock();
  void KLX_SystemPropertiesClearAll();
  void KLX_SystemPropertiesSetToDefaultValues();

  int KLX_SystemPropertiesGetSet_Akku1Voltage(int value, int dir);
  int KLX_SystemPropertiesGetSet_Akku2Voltage(int value, int dir);
  int KLX_SystemPropertiesGetSet_Current(int value, int dir);
  int KLX_SystemPropertiesGetSet_Brightness_In(int value, int dir);
  int KLX_SystemPropertiesGetSet_Brightness_Out(int value, int dir);
  int KLX_SystemPropertiesGetSet_Akku1Percent(int value, int dir);
  int KLX_SystemPropertiesGetSet_Akku2Percent(int value, int dir);
  int KLX_SystemPropertiesGetSet_Fallbacktime(int value, int dir);
  int KLX_SystemPropertiesGetSet_BaseBrightness(int value, int dir);
  int KLX_SystemPropertiesGetSet_DependBrightness(int value, int dir);
  int KLX_SystemPropertiesGetSet_TouchTimeoutEvent(int value, int dir);
  int KLX_SystemPropertiesGetSet_TimeoutBrigntness(int value, int dir);
  int KLX_SystemPropertiesGetSet_LockTimeout(int value, int dir);
  int KLX_SystemPropertiesGetSet_IdleTimeout(int value, int dir);
  int KLX_SystemPropertiesGetSet_DisplayContrast(int value, int dir);
  unsigned int KLX_SystemPropertiesGetSet_DisplayColour(unsigned int value, int dir);
  unsigned int KLX_SystemPropertiesGetSet_BorderColour(unsigned int value, int dir);
  QString KLX_SystemPropertiesGetSet_UserName(QString value, int dir);
  QString KLX_SystemPropertiesGetSet_PortalLogin(QString value, int dir);
  QString KLX_SystemPropertiesGetSet_UserPassw(QString value, int dir);
  int KLX_SystemPropertiesGetSet_AutomaticDateTime(int value, int dir);
  int KLX_SystemPropertiesGetSet_DateTime(QDateTime& dt, int dir);
  void KLX_SystemPropertiesSet_DateTime(QDateTime dt);
  int KLX_SystemPropertiesGetSet_Display24h(int value, int dir);
  int KLX_SystemPropertiesGetSet_TimeOffsetMinutes(int minutes, int dir, bool check);
  QString KLX_SystemPropertiesGetSet_TimeZoneLocation(QString value, int dir);
  int KLX_SystemPropertiesGetSet_CountryCode(int value, int dir);
  int KLX_SystemPropertiesGetSet_SummerAuto(int value, int dir);
  int KLX_SystemPropertiesGetSet_DayLightSaving(int value, int dir);
  int KLX_SystemPropertiesGetSet_MeasureSystem(int value, int dir);
  int KLX_SystemPropertiesGetSetToggle_TeleLogEna(int value, int dir);
  int KLX_SystemPropertiesGetSetToggle_FastStartEna(int value, int dir);
  QString KLX_SystemPropertiesGetSet_Language(QString value, int dir);
  int KLX_SystemPropertiesGetSet_KeySound(int value, int dir);
  int KLX_SystemPropertiesGetSet_MainMasterVolumeControlled(int value, int dir);
  // Volume + 256 * control id of the stored pair.
  int KLX_SystemPropertiesGetSet_VolumeKeyTrims(int volume, int control, int dir);
  int KLX_SystemPropertiesGetSet_VolumeTelemetry(int volume, int control, int dir);
  int KLX_SystemPropertiesGetSet_VolumeTimer(int volume, int control, int dir);
  int KLX_SystemPropertiesGetSet_VolumeVario(int volume, int control, int dir);
  int KLX_SystemPropertiesGetSet_VolumeBT(int volume, int control, int dir);
  int KLX_SystemPropertiesGetSet_VolumeMaster(int value, int dir);
  int KLX_SystemPropertiesGetSet_VolumeMasterCtrl(int value, int dir);
  int KLX_SystemPropertiesGetSet_BTPowerStatus(int value, int dir);
  int KLX_SystemPropertiesGetSet_StickState(int value, int dir);
  int KLX_SystemPropertiesGetSet_StickSubState(int value, int dir);
  int KLX_SystemPropertiesGetSet_TransceiverState(int value, int dir);
  int KLX_SystemPropertiesGetSet_TransceiverSubState(int value, int dir);
  int KLX_SystemPropertiesGetSet_IntroVideo(int value, int dir);
  int KLX_SystemPropertiesGetSet_ForwardSwId(int value, int dir);
  int KLX_SystemPropertiesGetSet_BackwardSwId(int value, int dir);
  int KLX_SystemPropertiesGetSet_RestartSwId(int value, int dir);
  // op 0 set (asks the controller), 1 get, 2 the controller's answer, 3 query.
  int KLX_SystemPropertiesGetSet_FrontPlugMode(int mode, int op);
  // The stored mode as it stands, without asking the controller.
  QString KLX_SystemPropertiesGet_LastUsedBLEDevice() const;
  void KLX_SystemPropertiesSet_LastUsedBLEDevice(QString address);
  int KLX_SystemPropertiesGet_CPUTemp(unsigned char cached);

  double KLX_SystemPropertiesGet_SliderSensorBrightness(bool base, bool logScale) const;
  double KLX_SystemPropertiesGet_BrightnessInLogScale(int value) const;

  int get_BT_Control_Value() const { return m_VolumeBT; }
  int get_Trims_Control_Value() const { return m_VolumeKeyTrims; }
  int get_Telemetry_Control_Value() const { return m_VolumeTelemetry; }
  int get_Timer_Control_Value() const { return m_VolumeTimer; }
  int get_Vario_Control_Value() const { return m_VolumeVario; }
  int get_MasterVolume_Control_Value() const { return m_VolumeMaster; }
  int get_BT_Control_ID() const { return m_VolumeBTCtrl; }
  int get_Trims_Control_ID() const { return m_VolumeKeyTrimsCtrl; }
  int get_Telemetry_Control_ID() const { return m_VolumeTelemetryCtrl; }
  int get_Timer_Control_ID() const { return m_VolumeTimerCtrl; }
  int get_Vario_Control_ID() const { return m_VolumeVarioCtrl; }
  int get_MasterVolume_Control_ID() const { return m_VolumeMasterCtrl; }

  int KLX_SystemPropertiesGet_ControlTypByControl(int control) const;
  int KLX_SystemPropertiesSet_ControlAndControlTyp(int control, int type);
  int KLX_SystemPropertiesSet_ControlAndControlTypByIndex(int index, int control, int type);
  int KLX_SystemPropertiesGet_ControlAndControlTypByIndex(int index, int* control, int* type) const;

  int KLX_SystemPropertiesGetSetUserMenuEntry(int index, int value, QString menu, int dir);
  QString GetUserMenuEntryType(int index) const;

  // which: false the portal login, true the user password.
  QString KLX_SystemPropertiesGetSet_PhraseEncrptd(bool which, QString phrase, int dir);

  void KLX_SystemPropertiesSetCountryListPtr(const QList<CountryTZ_struct>* list) { m_CountryList = list; }
  int KLX_SystemPropertiesGetXMLCountryListLength() const;
  QString KLX_SystemPropertiesGet_CountryNameInAnyList(int index) const;
  int KLX_SystemPropertiesGet_CountryCodeInAnyList(int index) const;
  int KLX_SystemPropertiesGet_QtIdxByCountryCode(int code) const;
  int KLX_SystemPropertiesGet_XmlIdxByCountryCode(int code) const;
  int KLX_SystemPropertiesGet_UltimateListIdx(int code) const;
  QString KLX_SystemPropertiesGet_UltimateCountryName(int code) const;
  int KLX_SystemPropertiesGet_TimeZoneOffsetInXML(bool summer) const;
  QString KLX_SystemPropertiesGet_TimeZoneDescription(int countryIndex, int zoneIndex) const;
  QString KLX_SystemPropertiesGet_TimeZonesList(int code) const;

 private:
  int ClampSigned(unsigned char entry, int value) const;
  int SendFrontPlugMessage(unsigned char op, unsigned char mode);
  static QString TextOf(const QByteArray& slot) { return QString::fromUtf8(slot); }
  int PairOf(uint8_t volume, uint16_t control) const { return volume + control * 256; }
  int GetSetVolumePair(std::atomic<uint8_t>* volume, std::atomic<uint16_t>* control, unsigned char entry,
                       int newVolume, int newControl, int dir);
  const CountryTZ_struct* CountryByCode(int code) const;

  QMutex m_Mutex;
  BorderData_T m_Border;
  QList<Country_struct_t> m_Countries;
  const QList<CountryTZ_struct>* m_CountryList = nullptr;
  double m_BaseFactor = 0.0;
  double m_AmbientFactor = 0.0;
  int16_t m_CPUTemp = -999;

  // Numbers are atomic: the battery, stick-data and GUI threads use them
  // without the store's mutex.
  std::atomic<uint16_t> m_Akku1Voltage{800};
  std::atomic<uint16_t> m_Akku2Voltage{800};
  std::atomic<uint16_t> m_Current{0};
  std::atomic<uint16_t> m_BrightnessIn{0};
  std::atomic<uint16_t> m_BrightnessOut{100};
  std::atomic<uint16_t> m_Akku1Percent{50};
  std::atomic<uint16_t> m_Akku2Percent{50};
  std::atomic<uint16_t> m_Fallbacktime{10};
  std::atomic<uint16_t> m_BaseBrightness{70};
  std::atomic<uint16_t> m_DependBrightness{80};
  std::atomic<uint8_t> m_TouchTimeoutEvent{0};
  std::atomic<uint16_t> m_TimeoutBrightness{10};
  std::atomic<uint16_t> m_LockTimeout{5};
  std::atomic<uint16_t> m_IdleTimeout{0};
  std::atomic<uint8_t> m_DisplayContrast{1};
  std::atomic<uint32_t> m_DisplayColour{0xFFFBFBFBu};
  std::atomic<uint32_t> m_BorderColour{0xFFFBFBFBu};
  std::atomic<uint8_t> m_AutomaticDateTime{1};
  std::atomic<uint8_t> m_Day{1};
  std::atomic<uint8_t> m_Month{1};
  std::atomic<uint16_t> m_Year{2000};
  std::atomic<uint8_t> m_Hour{0};
  std::atomic<uint8_t> m_Minute{0};
  std::atomic<uint8_t> m_Second{0};
  std::atomic<uint8_t> m_Display24h{0};
  std::atomic<int16_t> m_TimeOffsetMinutes{0};
  std::atomic<uint16_t> m_CountryCode{0};
  std::atomic<uint8_t> m_SummerAuto{0};
  std::atomic<uint8_t> m_DayLightSaving{0};
  std::atomic<uint8_t> m_MeasureSystem{0};
  std::atomic<uint8_t> m_TeleLogEna{1};
  std::atomic<uint8_t> m_FastStartEna{0};
  std::atomic<uint8_t> m_KeySound{100};
  std::atomic<uint8_t> m_MainMasterVolumeControlled{0};
  std::atomic<uint8_t> m_VolumeKeyTrims{100};
  std::atomic<uint16_t> m_VolumeKeyTrimsCtrl{0};
  std::atomic<uint8_t> m_VolumeTelemetry{100};
  std::atomic<uint16_t> m_VolumeTelemetryCtrl{0};
  std::atomic<uint8_t> m_VolumeTimer{100};
  std::atomic<uint16_t> m_VolumeTimerCtrl{0};
  std::atomic<uint8_t> m_VolumeVario{100};
  std::atomic<uint16_t> m_VolumeVarioCtrl{0};
  std::atomic<uint8_t> m_VolumeBT{100};
  std::atomic<uint16_t> m_VolumeBTCtrl{0};
  std::atomic<uint8_t> m_VolumeMaster{100};
  std::atomic<uint16_t> m_VolumeMasterCtrl{0};
  std::atomic<uint8_t> m_BTPowerStatus{0};
  std::atomic<uint8_t> m_StickState{0};
  std::atomic<uint8_t> m_StickSubState{0};
  std::atomic<uint8_t> m_TransceiverState{0};
  std::atomic<uint8_t> m_TransceiverSubState{0};
  std::atomic<uint8_t> m_IntroVideo{1};
  std::atomic<uint16_t> m_ForwardSwId{0};
  std::atomic<uint16_t> m_BackwardSwId{0};
  std::atomic<uint16_t> m_RestartSwId{0};
  std::atomic<uint8_t> m_FrontPlugMode{255};

  // Texts: UTF-8 of at most 46 bytes (the language 2), guarded by m_TextMutex.
  mutable QMutex m_TextMutex;
  QByteArray m_UserName;
  QByteArray m_PortalLogin;
  QByteArray m_UserPassw;
  QByteArray m_TimeZoneLocation;
  QByteArray m_Language;
  QByteArray m_LastUsedBLE;

  struct ControlType {
    uint16_t control = 0;
    uint8_t type = 0;
  };
  ControlType m_ControlTypes[kControlTypes];
  struct UserMenuEntry {
    uint8_t value = 0;
    QString menu;
  };
  UserMenuEntry m_UserMenu[kUserMenuEntries];
};
