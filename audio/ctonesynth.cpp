#include "audio/ctonesynth.h"

#include <algorithm>
#include <cmath>
#include <cstring>

CToneSynth::CToneSynth() {
  for (int i = 0; i < kTableSize; ++i) m_Table[i] = int16_t(32760.0 * std::sin(i * M_PI / kTableSize));
}

namespace {
int RoundUpToBlocks(int samples) {
  return (samples + CToneSynth::kBlockUnit - 1) / CToneSynth::kBlockUnit * CToneSynth::kBlockUnit;
}
}  // namespace

int CToneSynth::Render(uint16_t frequency, uint16_t milliseconds, uint8_t level, bool alarmForm, int16_t* out) const {
  if (level < 2 || frequency < 50) return 0;
  int n = std::min(48 * int(milliseconds), kCapacity);
  const int fade = std::clamp(n / 8, 32, 64);

  // The oscillator walks the half-period table and flips the sign each time
  // it wraps: `frequency` steps of 1/48000 period per sample.
  int p = 0;
  bool negative = false;
  auto next = [&](int gainPercent) {
    // The table entry times the level, truncated toward zero; levels above
    // 100 saturate at the 16-bit limit.
    const int magnitude = std::min(int(m_Table[p]) * gainPercent / 100, 32767);
    const int value = negative ? -magnitude : magnitude;
    const int q = p + frequency;
    if (q > kTableSize - 1) negative = !negative;
    p = q % kTableSize;
    return int16_t(value);
  };

  if (!alarmForm) {
    if (n < kBlockUnit) {
      const int lead = kBlockUnit - n;
      std::memset(out, 0, sizeof(int16_t) * size_t(lead));
      for (int i = 0; i < n; ++i) out[lead + i] = next(level);
      return kBlockUnit;
    }
    for (int i = 0; i < n; ++i) out[i] = next(level);
    const int total = RoundUpToBlocks(n);
    std::memset(out + n, 0, sizeof(int16_t) * size_t(total - n));
    return total;
  }

  n %= 32768;
  if (n == 0) {
    out[0] = 0;
    return 1;
  }
  const int positions = 2 * n;
  const int64_t L = 4 * fade;
  std::memset(out, 0, sizeof(int16_t) * size_t(positions));
  for (int i = 0; i < positions; i += 2) {
    // Fade in over the first L positions and out over the last L, each a
    // square law, applied exactly (both where they overlap).
    int64_t v = next(100);
    int64_t divisor = 1;
    if (i < L) {
      v *= int64_t(i) * i;
      divisor *= L * L;
    }
    if (i >= positions - L) {
      v *= int64_t(positions - i) * (positions - i);
      divisor *= L * L;
    }
    out[i + 1] = int16_t(v / divisor);
  }
  const int total = RoundUpToBlocks(positions);
  std::memset(out + positions, 0, sizeof(int16_t) * size_t(total - positions));
  return total;
}
