#pragma once
// Rules both kinds of timer follow.
#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "frame/klx_basedatabase.h"
#include "frame/klx_databasevalues.h"

// The stored value, the one kept for the next model load. Mode 0 stores
// `value` (already clamped) and a value not 0 also becomes the current one;
// mode 3 first takes the current value when the timer keeps it. Answers the
// stored value. The caller holds the timer's lock.
inline int32_t KLX_TimerStoredValueRule(int32_t* stored, int32_t* current, bool keep, int value, int mode) {
  if (mode == AtomicDirSet) {
    *stored = value;
    if (value != 0) *current = value;
  } else if (mode == AtomicDirGetForcibly && keep) {
    *stored = *current;
  }
  return *stored;
}

// A limit table that bounds only the elements listed.
struct KLX_TimerLimit {
  unsigned char id;
  int64_t min, max;
};
inline void KLX_TimerLimits(BorderData_T* border, std::initializer_list<KLX_TimerLimit> limits) {
  std::memset(border, 0, sizeof *border);
  for (const KLX_TimerLimit& l : limits) {
    border->Min[l.id] = l.min;
    border->Max[l.id] = l.max;
  }
}
