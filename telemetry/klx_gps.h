#pragma once
// The store of the transmitter's own GPS position, least form: created and
// initialised by the database facade; its fields come with the telemetry.
#include "frame/klx_basedatabase.h"

class KLX_GPS : public KLX_DataBaseTransmitter {
 public:
  int KLX_GPSInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }
};
