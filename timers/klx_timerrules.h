#pragma once
// Rules both kinds of timer follow.
#include <cstdint>

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
