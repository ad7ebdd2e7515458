#pragma once
// The voice telemetry settings, least form: created and cleared by the
// database facade.
class KLX_VoiceTelemetry {
 public:
  void KLX_VoiceTelemetryClear() { ++m_Clears; }
  int Clears() const { return m_Clears; }

 private:
  int m_Clears = 0;
};
