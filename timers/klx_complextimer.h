#pragma once
// The complex (newer kind of) model timers, least form: created,
// initialised and cleared by the database facade.
class KLX_ComplexTimer {
 public:
  int KLX_ComplexTimerInitialize() { return 1; }
  void KLX_ComplexTimerClearAll() { ++m_Clears; }
  int Clears() const { return m_Clears; }

 private:
  int m_Clears = 0;
};
