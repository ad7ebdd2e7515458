#include "telemetry/klx_gpsdata.h"

#include <cstring>

namespace {
// Port 1 at 9600 baud, 8N1, UBX only in and out.
const unsigned char kCfgPrt[] = {0x06, 0x00, 20,   0,    0x01, 0x00, 0x00, 0x00, 0xD0, 0x08, 0x00, 0x00,
                                 0x80, 0x25, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00};
// The navigation solution (NAV-PVT) once per solution on port 1 only.
const unsigned char kCfgMsg[] = {0x06, 0x01, 8, 0, 0x01, 0x07, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00};
// Navigation engine: dynamic model 3, 2D or 3D fix, 5 degrees minimum
// elevation, DOP masks 25.0, accuracy masks 100 m and 300 m.
const unsigned char kCfgNav5[] = {0x06, 0x24, 36,   0,    0xFF, 0xFF, 0x03, 0x03, 0x00, 0x00, 0x00, 0x00,
                                  0x10, 0x27, 0x00, 0x00, 0x05, 0x00, 0xFA, 0x00, 0xFA, 0x00, 0x64, 0x00,
                                  0x2C, 0x01, 0x00, 0x00, 0x00, 0x00, 0x10, 0x27, 0x00, 0x00, 0x00, 0x00,
                                  0x00, 0x00, 0x00, 0x00};
}  // namespace

KLX_GPSData::KLX_GPSData() {
  std::memset(m_Messages, 0, sizeof(m_Messages));
  std::memcpy(m_Messages[0], kCfgPrt, sizeof(kCfgPrt));
  std::memcpy(m_Messages[1], kCfgMsg, sizeof(kCfgMsg));
  std::memcpy(m_Messages[2], kCfgNav5, sizeof(kCfgNav5));
}

const unsigned char* KLX_GPSData::KLX_GPSDataMessage(int index) const {
  return index >= 0 && index < kMessages ? m_Messages[index] : nullptr;
}
