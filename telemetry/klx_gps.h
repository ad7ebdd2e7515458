#pragma once
// The store of the transmitter's own GPS position, least form: created and
// initialised by the database facade; of its fields only the position,
// which the transmitter's own sensor shows (until the GPS receiver comes,
// tests set it).
#include <atomic>

#include "frame/klx_basedatabase.h"
#include "frame/klx_databasevalues.h"

class KLX_GPS : public KLX_DataBaseTransmitter {
 public:
  // Coordinates in units of 10^-7 degree; the invalid marker until a fix.
  static constexpr int kInvalid = 0x7FFFFFFF;

  int KLX_GPSInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }
  int KLX_GPSGetSet_Longitude(int value, int dir) { return Field(m_Longitude, value, dir); }
  int KLX_GPSGetSet_Latitude(int value, int dir) { return Field(m_Latitude, value, dir); }

 private:
  static int Field(std::atomic<int>& field, int value, int dir) {
    if (dir == KLX_DatabaseValues::AtomicDirSet) field = value;
    return field;
  }
  std::atomic<int> m_Longitude{kInvalid};
  std::atomic<int> m_Latitude{kInvalid};
};
