#include "link/klx_tcdevstate.h"

void KLX_TCDevState::KLX_TCDevStateUpdateData(const char* data) {
  if (!data) return;
  const auto* d = reinterpret_cast<const unsigned char*>(data);
  const uint32_t first = uint32_t(d[0]) | (uint32_t(d[1]) << 8);
  const uint32_t second = uint32_t(d[2]) | (uint32_t(d[3]) << 8);
  m_States = first | (second << 16);
}

unsigned KLX_TCDevState::KLX_TCDevStateGetDeviceEngineStates() const { return m_States; }

unsigned KLX_TCDevState::KLX_TCDevStateGetREdivHfFlag() const { return ((m_States & 0xFFFF) >> 10) & 3; }

unsigned char KLX_TCDevState::KLX_TCFrontPlugUpdateData(const char* data) {
  if (!data) return m_FrontPlugMode;
  m_FrontPlugMode = static_cast<unsigned char>(data[0]);
  return m_FrontPlugMode;
}
