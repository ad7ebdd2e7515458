#pragma once
// The preflight check of control positions, least form: created,
// initialised and cleared by the database facade.
#include <atomic>

#include "frame/klx_databasevalues.h"

class KLX_PreflightSettings {
 public:
  int KLX_PreflightSettingsInitialize() { return KLX_Ok; }
  void KLX_PreflightSettingsClearAll() {
    ++m_Clears;
    m_IsUsed = false;
  }
  int Clears() const { return m_Clears; }
  // The check switched on (get 0 writes); off until a model switches it on.
  bool KLX_PreflightSettingsGetSet_IsUsed(bool value, int get) {
    if (!get) m_IsUsed = value;
    return m_IsUsed;
  }

 private:
  int m_Clears = 0;
  // Set by the GUI or a model load, read by the task engine.
  std::atomic<bool> m_IsUsed{false};
};
