#pragma once
// Beeps and clicks for the tone pipes: one block of 16-bit samples at
// 48000 Hz from a table of half a sine period, in the plain form (level in
// percent, the tone padded with silence to 62.5 ms blocks) or the alarm form
// (full level, the tone on every second sample with a fade in and out).
#include <cstdint>

class CToneSynth {
 public:
  static constexpr int kRate = 48000;
  // Longest tone: one second.
  static constexpr int kCapacity = 48000;
  // A block holds up to twice the capacity (the alarm form's positions).
  static constexpr int kBlockMax = 2 * kCapacity;
  // Entries of the half period; the phase unit is 1/48000 of a period.
  static constexpr int kTableSize = 24000;
  // Every block is a whole number of these (62.5 ms).
  static constexpr int kBlockUnit = 3000;

  CToneSynth();

  // Entry i: 32760 x sin(i x pi / 24000), truncated.
  int16_t TableEntry(int i) const { return m_Table[i]; }

  // Renders one block into `out` (room for kBlockMax samples) and answers
  // its sample count; 0 when the level (below 2) or the frequency (below 50)
  // asks for nothing to be written.
  int Render(uint16_t frequency, uint16_t milliseconds, uint8_t level, bool alarmForm, int16_t* out) const;

 private:
  int16_t m_Table[kTableSize];
};
