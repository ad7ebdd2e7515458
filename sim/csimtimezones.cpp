#include "sim/csimtimezones.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSaveFile>
#include <QTimeZone>
#include <QVector>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {
struct Zone {
  QString continent;
  QString city;
  int winter;
  int summer;
};

struct Country {
  QString name;
  QString abbreviation;
  int code;
  QVector<Zone> zones;
};

// Zone id to country code from the time-zone database's own table, for the
// few countries Qt has no locale of (Antarctica and some islands).
QHash<QByteArray, QString> ZoneTable() {
  QHash<QByteArray, QString> table;
  QFile f(QStringLiteral("/usr/share/zoneinfo/zone.tab"));
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return table;
  while (!f.atEnd()) {
    const QByteArray line = f.readLine().trimmed();
    if (line.startsWith('#')) continue;
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() >= 3) table.insert(fields[2], QString::fromLatin1(fields[0]));
  }
  return table;
}

QString Abbreviation(QLocale::Country country, const QList<QByteArray>& ids, const QHash<QByteArray, QString>& table) {
  const QList<QLocale> locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, country);
  if (!locales.isEmpty()) {
    const QString name = locales.first().name();  // "de_DE"
    const int at = name.indexOf('_');
    if (at > 0) return name.mid(at + 1);
  }
  for (const QByteArray& id : ids)
    if (table.contains(id)) return table.value(id);
  return QString();
}

// The zone's offsets in minutes in the middle of January and of July: the
// smaller is its winter time, the larger its summer time, on either half of
// the world (and for a zone whose legal standard time is its summer time).
bool ZoneOf(const QByteArray& id, int year, Zone* out) {
  const int slash = id.indexOf('/');
  if (slash <= 0) return false;
  const QTimeZone zone(id);
  if (!zone.isValid()) return false;
  const int january = zone.offsetFromUtc(QDateTime(QDate(year, 1, 15), QTime(12, 0), Qt::UTC)) / 60;
  const int july = zone.offsetFromUtc(QDateTime(QDate(year, 7, 15), QTime(12, 0), Qt::UTC)) / 60;
  out->continent = QString::fromLatin1(id.left(slash));
  out->city = QString::fromLatin1(id.mid(slash + 1)).replace('_', ' ');
  out->winter = std::min(january, july);
  out->summer = std::max(january, july);
  return true;
}

QVector<Country> Countries(int year) {
  const QHash<QByteArray, QString> table = ZoneTable();
  QVector<Country> countries;
  for (int code = 1; code <= CSimTimezones::kLastStorableCountry; ++code) {
    const auto country = static_cast<QLocale::Country>(code);
    const QList<QByteArray> ids = QTimeZone::availableTimeZoneIds(country);
    Country c{QLocale::countryToString(country), Abbreviation(country, ids, table), code, {}};
    for (const QByteArray& id : ids) {
      Zone z;
      if (!ZoneOf(id, year, &z)) continue;
      // An old name of a zone the list already has adds nothing.
      const bool known = std::any_of(c.zones.begin(), c.zones.end(), [&](const Zone& k) { return k.city == z.city; });
      if (!known) c.zones.append(z);
    }
    if (!c.zones.isEmpty()) countries.append(c);
  }
  std::stable_sort(countries.begin(), countries.end(),
                   [](const Country& a, const Country& b) { return a.name.toLower() < b.name.toLower(); });
  return countries;
}
}  // namespace

QByteArray CSimTimezones::Generate(int year) {
  const QVector<Country> countries = Countries(year);
  QByteArray text;
  QXmlStreamWriter w(&text);
  w.setAutoFormatting(true);
  w.writeStartDocument();
  w.writeStartElement("CommonTimeZones");
  w.writeTextElement("TotalCountries", QString::number(countries.size()));
  for (const Country& c : countries) {
    w.writeStartElement("COUNTRY");
    w.writeTextElement("Name", c.name);
    w.writeTextElement("Abbr", c.abbreviation);
    w.writeTextElement("CountryCodeQt", QString::number(c.code));
    w.writeTextElement("Zones", QString::number(c.zones.size()));
    for (const Zone& z : c.zones) {
      w.writeStartElement("TimeZone");
      w.writeTextElement("Continent", z.continent);
      w.writeTextElement("City", z.city);
      w.writeTextElement("DayLightSaving", z.winter != z.summer ? "1" : "0");
      w.writeTextElement("OffsetWinter", QString::number(z.winter));
      w.writeTextElement("OffsetSummer", QString::number(z.summer));
      w.writeEndElement();
    }
    w.writeEndElement();
  }
  w.writeEndElement();
  w.writeEndDocument();
  return text;
}

bool CSimTimezones::Write(const QString& path, int year) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  const QByteArray text = Generate(year);
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  if (f.write(text) != text.size()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}
