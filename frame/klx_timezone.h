#pragma once
// The country and time-zone records read from "Timezones.xml"; offsets are
// in minutes.
#include <QList>
#include <QString>

struct Timezone_struct {
  QString Continent;
  QString City;
  qint16 OffsetWinter = 0;
  qint16 OffsetSummer = 0;
};

struct CountryTZ_struct {
  QString Name;
  QString Abbr;
  quint16 CountryCodeQt = 0;
  quint8 Zones = 0;
  QList<Timezone_struct> TimeZones;
};

// One entry of the built-in country list (Qt's country numbering).
struct Country_struct_t {
  QString Name;
  int Code = 0;
};
