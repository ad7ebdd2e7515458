#pragma once
// The trim store, least form (shadow build only).
#include <QMutex>

#include <cstdint>

class KLX_Trim {
 public:
  static constexpr int kTrims = 6;
  static constexpr int kFlightModes = 27;
  int KLX_TrimGetSet_Trim_RotaryValue(int t, int fm, int value, int get);
  int KLX_Trim_IsFlightModeDependent(int t, int fm) const;
  int KLX_Trim_SetFlightModeDependent(int t, int fm, bool dependent, bool transmit);

 private:
  mutable QMutex m_Mutex;
  int16_t m_Value[kTrims][kFlightModes] = {};
  uint32_t m_Mask[kTrims] = {};
};
