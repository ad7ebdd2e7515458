#pragma once
// The settings file "System.xml" (written from and read into the settings
// store through the facade) and the time-zone list "Timezones.xml".
#include <QList>
#include <QString>

#include <cstdint>

#include "frame/klx_timezone.h"
#include "frame/klx_xmlmodelbase.h"

class KLX_DataBaseManager;
class KLX_XMLTextWriter;
class QXmlStreamReader;

class KLX_XMLSystem : public KLX_XMLModelBase {
  Q_OBJECT
 public:
  KLX_XMLSystem() = default;

  int KLX_XMLSystemInitialize(KLX_DataBaseManager* db);
  int KLX_XMLSystemWriteSysFile(const QString& path);
  int KLX_XMLSystemReadSysFile(const QString& path);
  void KLX_XMLSystemWriteTutorPupilModeSection(KLX_XMLTextWriter* writer);
  void KLX_XMLSystemReadTutorPupilModeSection(QXmlStreamReader* reader);

  void KLX_XMLSystemReadTzFile(const QString& path);
  bool KLX_XMLSystemIsCountryNumberMismatch() const { return m_Countries.size() != m_AnnouncedCountries + 1; }
  const QList<CountryTZ_struct>& KLX_XMLSystemCountries() const { return m_Countries; }

 private:
  void WriteSettings(KLX_XMLTextWriter* writer);
  // False ends the reading (a bad CONTROLS or USERMENU entry).
  bool ReadSystemSection(QXmlStreamReader* reader);
  bool ReadSetting(const QString& name, const QString& text);
  bool ReadControls(QXmlStreamReader* reader);
  bool ReadUserMenu(QXmlStreamReader* reader);

  KLX_DataBaseManager* m_Db = nullptr;
  uint16_t m_LastControl = 0;
  uint8_t m_LastControlTyp = 0;
  QList<CountryTZ_struct> m_Countries;
  int m_AnnouncedCountries = -1;
};
