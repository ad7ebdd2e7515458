#include "model/klx_trim.h"

#include <QtGlobal>

int KLX_Trim::KLX_TrimGetSet_Trim_RotaryValue(int t, int fm, int value, int get) {
  if (t < 0 || t >= kTrims || fm < 0 || fm >= kFlightModes) return -70010;
  QMutexLocker lock(&m_Mutex);
  if (get) return m_Value[t][fm];
  m_Value[t][fm] = static_cast<int16_t>(qBound(-2047, value, 2047));
  return m_Value[t][fm];
}

int KLX_Trim::KLX_Trim_IsFlightModeDependent(int t, int fm) const {
  if (t < 0 || t >= kTrims || fm < 0 || fm >= 32) return 0;
  QMutexLocker lock(&m_Mutex);
  return (m_Mask[t] >> fm) & 1u;
}

int KLX_Trim::KLX_Trim_SetFlightModeDependent(int t, int fm, bool dependent, bool) {
  if (t < 0 || t >= kTrims || fm <= 0 || fm >= kFlightModes) return -70000;
  QMutexLocker lock(&m_Mutex);
  if (dependent) m_Mask[t] |= 1u << fm; else m_Mask[t] &= ~(1u << fm);
  return 1;
}
