#include "link/klx_devinterfacecc2500.h"

#include "frame/klx_databasevalues.h"
#include "link/cdevinterfaceinfo.h"
#include "link/klx_messageids.h"
#include "link/klx_protocol.h"

#include <cstring>

namespace {
constexpr unsigned char kPacketStart = 3;
constexpr unsigned kStartPacketSize = 44;
}  // namespace

int KLX_DevInterfaceCC2500::KLX_DevInterfaceCC2500_Initialize(KLX_Protocol* protocol) {
  if (!protocol) return KLX_False;
  m_Protocol = protocol;
  m_Info1 = 0;
  m_Info2 = m_Info3 = m_Info4 = 0;
  m_Node = KLX_NODE_APPLICATION;
  return KLX_Ok;
}

bool KLX_DevInterfaceCC2500::KLX_DevInterfaceCC2500_SetInfo(CDevInterfaceInfo* info) {
  if (!info) return false;
  info->CDevInterfaceInfo_ReadBegin();
  unsigned char b[4];
  if (!info->CDevInterfaceInfo_Read(b, 4)) return false;
  m_Info1 = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
  for (uint16_t* word : {&m_Info2, &m_Info3, &m_Info4, &m_Info5}) {
    if (!info->CDevInterfaceInfo_Read(b, 2)) return false;
    *word = static_cast<uint16_t>(b[0] | (b[1] << 8));
  }
  return true;
}

void KLX_DevInterfaceCC2500::KLX_DevInterfaceCC2500_SetHwTypeVersion(unsigned char type,
                                                                     unsigned char version,
                                                                     unsigned char third) {
  m_HwType = type;
  m_HwVersion = version;
  m_Third = third;
}

bool KLX_DevInterfaceCC2500::UsesStoredInfo() const {
  // "Above" (major, minor): a higher hardware version, or the same and a higher third byte.
  auto above = [&](unsigned char major, unsigned char minor) {
    return m_HwVersion > major || (m_HwVersion == major && m_Third > minor);
  };
  if (m_HwType == 28 || m_HwType == 29 || m_HwType == 31) return above(2, 0);
  if (m_HwType == 30) return above(1, 1);
  return false;
}

bool KLX_DevInterfaceCC2500::KLX_DevInterfaceCC2500_PacketCANSend(unsigned char packetType,
                                                                  unsigned length,
                                                                  unsigned char address,
                                                                  const unsigned char* data) {
  if (!m_Protocol) return false;
  std::memset(m_Buffer, 0, sizeof(m_Buffer));
  KLX_Z2Bus::KLX_Z2BusGetCommandSensorUpdate(m_Buffer, address);
  m_Buffer[2] = static_cast<unsigned char>(length);
  m_Buffer[3] = packetType;
  unsigned total = 0;
  if (!data || length == 0) {
    m_Buffer[4] = 0;
    total = 5;
  } else if (packetType != kPacketStart) {
    if (length + 4 > kBufferSize) return false;
    std::memcpy(m_Buffer + 4, data, length);
    total = length + 4;
  } else {
    m_Buffer[4] = data[0];
    if (UsesStoredInfo()) {
      m_Buffer[5] = m_Info5 & 0xFF;
      m_Buffer[6] = m_Info2 & 0xFF;
      m_Buffer[7] = (m_Info2 >> 8) & 0xFF;
      m_Buffer[8] = m_Info3 & 0xFF;
      m_Buffer[9] = m_Info4 & 0xFF;
    } else {
      const unsigned char defaults[5] = {0x00, 0x01, 0x00, 0x02, 0x00};
      std::memcpy(m_Buffer + 5, defaults, sizeof(defaults));
      m_Info2 = 1;
      m_Info3 = 2;
    }
    total = kStartPacketSize;
  }
  return m_Protocol->KLX_ProtocolSendMessage(total, reinterpret_cast<const char*>(m_Buffer), KLX_MSG_SENSOR_BUS,
                                             m_Node) == KLX_Ok;
}
