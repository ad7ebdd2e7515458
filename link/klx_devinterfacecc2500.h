#pragma once
// Wraps one firmware-update packet for a device with a CC2500 radio into the
// sensor-bus update command and sends it to the transceiver controller as
// a sensor-bus message.
#include <cstdint>

#include "link/klx_protdata.h"
#include "telemetry/klx_z2bus.h"

class KLX_Protocol;
class CDevInterfaceInfo;

class KLX_DevInterfaceCC2500 {
 public:
  int KLX_DevInterfaceCC2500_Initialize(KLX_Protocol* protocol);
  bool KLX_DevInterfaceCC2500_SetInfo(CDevInterfaceInfo* info);
  void KLX_DevInterfaceCC2500_SetHwTypeVersion(unsigned char type, unsigned char version,
                                               unsigned char third);
  bool KLX_DevInterfaceCC2500_PacketCANSend(unsigned char packetType, unsigned length,
                                            unsigned char address, const unsigned char* data);

 private:
  static constexpr unsigned kBufferSize = 2000;

  bool UsesStoredInfo() const;

  unsigned char m_Node = KLX_NODE_APPLICATION;
  KLX_Protocol* m_Protocol = nullptr;
  uint32_t m_Info1 = 0;
  uint16_t m_Info2 = 0, m_Info3 = 0, m_Info4 = 0, m_Info5 = 0;
  unsigned char m_HwType = 0, m_HwVersion = 0, m_Third = 0;
  KLX_Z2Bus m_Z2Bus;
  unsigned char m_Buffer[kBufferSize] = {};
};
