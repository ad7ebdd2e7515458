#pragma once
// The time-zone list a transmitter leaves the factory with ("Timezones.xml"
// in the settings folder of its card), generated from the host's time-zone
// database: every country of Qt's numbering that the program can store (codes
// 1 to 257) and that has a zone, with its zones and their winter and summer
// offsets in minutes in the given year.
#include <QByteArray>
#include <QString>

class CSimTimezones {
 public:
  static constexpr int kLastStorableCountry = 257;

  static QByteArray Generate(int year);
  // Written whole (temporary file, then renamed); false on any failure.
  static bool Write(const QString& path, int year);
};
