#pragma once
// The telemetry display pages, least form: created, initialised and cleared
// by the database facade; the pages and widgets come with the telemetry.
#include "frame/klx_basedatabase.h"

class KLX_GUITelemetrie : public KLX_DataBaseTransmitter {
 public:
  int KLX_GUITelemetrieInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }
  void KLX_GUITelemetrieClearAll() { ++m_Clears; }
  // How often the pages were cleared (their content comes later).
  int Clears() const { return m_Clears; }

 private:
  int m_Clears = 0;
};
