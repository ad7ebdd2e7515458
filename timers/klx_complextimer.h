#pragma once
// The complex (newer kind of) model timers, least form: created,
// initialised and cleared by the database facade.
#include "frame/klx_databasevalues.h"

class KLX_ComplexTimer {
 public:
  int KLX_ComplexTimerInitialize() { return KLX_Ok; }
  void KLX_ComplexTimerClearAll() { ++m_Clears; }
  int Clears() const { return m_Clears; }

 private:
  int m_Clears = 0;
};
