#pragma once
// A simple model timer, least form: the facade holds eight and clears them;
// the counting, switches and alarms come with the timers.
class KLX_Timer {
 public:
  void Clear() { ++m_Clears; }
  int Clears() const { return m_Clears; }

 private:
  int m_Clears = 0;
};
