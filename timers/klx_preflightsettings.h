#pragma once
// The preflight check of control positions, least form: created,
// initialised and cleared by the database facade.
#include "frame/klx_databasevalues.h"

class KLX_PreflightSettings {
 public:
  int KLX_PreflightSettingsInitialize() { return KLX_Ok; }
  void KLX_PreflightSettingsClearAll() { ++m_Clears; }
  int Clears() const { return m_Clears; }

 private:
  int m_Clears = 0;
};
