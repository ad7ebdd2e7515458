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
#include "frame/klx_settingsfields.h"
#include "frame/klx_timezone.h"

class KLX_Protocol;

class KLX_SystemProperties : public QObject, public KLX_DataBaseTransmitter, public KLX_BaseClassDatabase {
  Q_OBJECT
 public:
  static constexpr int kControlTypes = 176;
  static constexpr int kUserMenuEntries = 10;

  KLX_SystemProperties();
  ~KLX_SystemProperties() override;

  int KLX_SystemPropertiesInitialize(KLX_Protocol* protocol);
  int KLX_SystemPropertiesLock();
  int KLX_SystemPropertiesUnlock();
  void KLX_SystemPropertiesClearAll();
  void KLX_SystemPropertiesSetToDefaultValues();

  // The accessors of the settings table (klx_settingsfields.h); dir
  // non-zero reads.
  KLX_SYSTEM_SETTINGS(KLX_SETTING_STORE_DECL)
  int KLX_SystemPropertiesGetSet_Brightness_Out(int value, int dir);
  int KLX_SystemPropertiesGetSet_DateTime(QDateTime& dt, int dir);
  void KLX_SystemPropertiesSet_DateTime(QDateTime dt);
  int KLX_SystemPropertiesGetSet_TimeOffsetMinutes(int minutes, int dir, bool check);
  // Volume + 256 * control id of the stored pair.
  int KLX_SystemPropertiesGetSet_VolumeKeyTrims(int volume, int control, int dir);
  int KLX_SystemPropertiesGetSet_VolumeTelemetry(int volume, int control, int dir);
  int KLX_SystemPropertiesGetSet_VolumeTimer(int volume, int control, int dir);
  int KLX_SystemPropertiesGetSet_VolumeVario(int volume, int control, int dir);
  int KLX_SystemPropertiesGetSet_VolumeBT(int volume, int control, int dir);
  int KLX_SystemPropertiesGetSet_VolumeMasterCtrl(int value, int dir);
  // op 0 set (asks the controller), 1 get, 2 the controller's answer, 3 query.
  int KLX_SystemPropertiesGetSet_FrontPlugMode(int mode, int op);
  // The mode a model file keeps, without asking the controller: the one last
  // asked of it and not answered yet, else the one it reported, else servo
  // (0), its own default.
  int KLX_SystemPropertiesGet_LastFrontPlugMode() const;
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
  // The length of the built-in list ("Not specified" and the countries 1 to 257).
  int KLX_SystemPropertiesGet_QtCountryCount() const { return m_Countries.size(); }
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
  int SendFrontPlugMessage(unsigned char op, unsigned char mode);
  int PairOf(uint8_t volume, uint16_t control) const { return volume + control * 256; }
  int GetSetVolumePair(std::atomic<uint8_t>* volume, std::atomic<uint16_t>* control, int volumeMax,
                       int controlMax, int newVolume, int newControl, int dir);
  const CountryTZ_struct* CountryByCode(int code) const;

  QMutex m_Mutex;
  BorderData_T m_Border;
  QList<Country_struct_t> m_Countries;
  const QList<CountryTZ_struct>* m_CountryList = nullptr;
  double m_BaseFactor = 0.0;
  double m_AmbientFactor = 0.0;
  int16_t m_CPUTemp = -999;
  // The front-plug mode asked of the controller and not answered yet; 255 none.
  std::atomic<uint8_t> m_FrontPlugAsked{255};

  // The settings of the table. Numbers are atomic: the battery, stick-data
  // and GUI threads use them without the store's mutex; texts lock themselves.
  KLX_SYSTEM_SETTINGS(KLX_SETTING_FIELD)

  // Guards the control-type table and the user menu.
  mutable QMutex m_TableMutex;
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
