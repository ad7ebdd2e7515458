#pragma once
// The preflight check of control positions, least form: created,
// initialised and cleared by the database facade.
class KLX_PreflightSettings {
 public:
  int KLX_PreflightSettingsInitialize() { return 1; }
  void KLX_PreflightSettingsClearAll() { ++m_Clears; }
  int Clears() const { return m_Clears; }

 private:
  int m_Clears = 0;
};
