#include "update/klx_devinterfacecan.h"

#include <cstring>

#include "frame/klx_databasevalues.h"
#include "link/cdevinterfaceinfo.h"
#include "link/klx_protdata.h"
#include "link/klx_protocol.h"

namespace {
// Receivers are hardware types 28 to 31.
bool IsReceiverType(unsigned char type) { return type >= 28 && type <= 31; }

uint32_t Le32(const unsigned char* b) {
  return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
}
}  // namespace

int KLX_DevInterfaceCAN::KLX_DevInterfaceCAN_Initialize(KLX_Protocol* protocol) {
  if (!protocol) return KLX_False;
  m_Protocol = protocol;
  m_TargetId = m_HostId = m_Stored1 = m_Stored2 = 0;
  m_PacketId = 0;
  m_PacketNode = KLX_NODE_APPLICATION;
  m_EntryRead = false;
  return m_Receiver.KLX_DevInterfaceCC2500_Initialize(protocol);
}

int KLX_DevInterfaceCAN::KLX_DevInterfaceCAN_SetDevice(const QString& name, unsigned char receiverAddress,
                                                      unsigned char hwType, unsigned char version0,
                                                      unsigned char version1) {
  m_Name = name;
  m_RcvAddress = receiverAddress;
  m_HwType = hwType;
  // Another device's entry does not address this one.
  m_EntryRead = false;
  if (IsReceiverType(hwType)) m_Receiver.KLX_DevInterfaceCC2500_SetHwTypeVersion(hwType, version0, version1);
  return KLX_Ok;
}

bool KLX_DevInterfaceCAN::KLX_DevInterfaceCAN_SetInfo(CDevInterfaceInfo* info) {
  if (!info) return false;
  if (KLX_DevInterfaceCAN_IsReceiver()) return m_Receiver.KLX_DevInterfaceCC2500_SetInfo(info);
  // Six 4-byte fields after the id: not used, host, target, not used, two stored.
  unsigned char b[24];
  info->CDevInterfaceInfo_ReadBegin();
  if (!info->CDevInterfaceInfo_Read(b, sizeof(b))) return false;
  m_HostId = Le32(b + 4);
  m_TargetId = Le32(b + 8);
  m_Stored1 = Le32(b + 16);
  m_Stored2 = Le32(b + 20);
  m_PacketId = static_cast<unsigned char>(m_HostId & 0xFF);
  m_PacketNode = static_cast<unsigned char>((m_HostId >> 8) & 0xFF);
  m_EntryRead = true;
  return true;
}

bool KLX_DevInterfaceCAN::KLX_DevInterfaceCAN_PacketSend(unsigned char command, unsigned length,
                                                        const unsigned char* data) {
  if (KLX_DevInterfaceCAN_IsReceiver())
    return m_Receiver.KLX_DevInterfaceCC2500_PacketCANSend(command, length & 0xFF, m_RcvAddress, data);
  if (!m_Protocol || !m_EntryRead || length > kMaxData) return false;
  m_Buffer[0] = command;
  unsigned total = 1;
  if (data && length > 0) {
    std::memcpy(m_Buffer + 1, data, length);
    total += length;
  }
  return m_Protocol->KLX_ProtocolSendMessage(total, reinterpret_cast<const char*>(m_Buffer), m_PacketId,
                                             m_PacketNode) == KLX_Ok;
}

bool KLX_DevInterfaceCAN::KLX_DevInterfaceCAN_SendViaModem(unsigned length, const unsigned char* data) {
  if (!KLX_DevInterfaceCAN_IsReceiver() || length == 0 || !data || !m_Protocol) return false;
  return m_Protocol->KLX_ProtocolSendMessage(length - 1, reinterpret_cast<const char*>(data + 1), data[0],
                                             m_PacketNode) == KLX_Ok;
}
