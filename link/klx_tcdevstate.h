#pragma once
// The transceiver controller's last reported device state and front-plug mode.
#include <atomic>
#include <cstdint>

class KLX_TCDevState {
 public:
  // Data bytes 0-1 and 2-3 (little-endian) of the device-state message.
  void KLX_TCDevStateUpdateData(const char* data);
  // Both words, the first in the low half.
  unsigned KLX_TCDevStateGetDeviceEngineStates() const;
  // Bits 10-11 of the first word.
  unsigned KLX_TCDevStateGetREdivHfFlag() const;
  // Data byte 0 of the front-plug message; returns it.
  unsigned char KLX_TCFrontPlugUpdateData(const char* data);
  unsigned char KLX_TCDevGetFrontPlugMode() const { return m_FrontPlugMode; }

 private:
  // Written on the receiver thread, read by the rest of the program.
  std::atomic<uint32_t> m_States{0};
  std::atomic<unsigned char> m_FrontPlugMode{255};
};
