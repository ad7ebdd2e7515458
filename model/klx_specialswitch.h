#pragma once
// The special switch store, least form: four values on the control scale,
// default 2047, as the transceiver controller reports them.
#include <atomic>

class KLX_SpecialSwitch {
 public:
  static constexpr int kCount = 4;
  KLX_SpecialSwitch() { KLX_SpecialSwitchClearAll(); }

  // Read, or write clamped to -2047..+2047; a bad index gives -70010.
  int KLX_SpecialSwitchGetSet_Value(int i, int value, int get);
  void KLX_SpecialSwitchClearAll();
  // Continues the model checksum over the record of the four values.
  unsigned int KLX_SpecialSwitchCalcCRC(unsigned int crc) const;

 private:
  std::atomic<int> m_Value[kCount];
};
