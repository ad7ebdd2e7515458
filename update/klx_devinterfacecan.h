#pragma once
// How the firmware update reaches the device it writes: a controller
// directly on the CAN link, under the message id and node its firmware
// file's interface entry names, or a receiver in the model ("RCV") through
// the transceiver controller, whose embedded receiver interface wraps each
// packet into a sensor-bus update command. Modem messages for a receiver go
// to the transceiver controller as they are.
#include <QString>

#include <cstdint>

#include "link/klx_devinterfacecc2500.h"

class KLX_Protocol;
class CDevInterfaceInfo;

class KLX_DevInterfaceCAN {
 public:
  static constexpr unsigned kMaxData = 1999;
  static constexpr const char* kReceiver = "RCV";

  // 0 without a message layer, else the receiver interface's result.
  int KLX_DevInterfaceCAN_Initialize(KLX_Protocol* protocol);
  int KLX_DevInterfaceCAN_SetDevice(const QString& name, unsigned char receiverAddress, unsigned char hwType,
                                    unsigned char version0, unsigned char version1);
  bool KLX_DevInterfaceCAN_SetInfo(CDevInterfaceInfo* info);

  QString KLX_DevInterfaceCAN_GetName() const { return m_Name; }
  bool KLX_DevInterfaceCAN_IsReceiver() const { return m_Name == QLatin1String(kReceiver); }
  unsigned char KLX_DevInterfaceCAN_GetRcvAddr() const { return KLX_DevInterfaceCAN_IsReceiver() ? m_RcvAddress : 255; }
  uint32_t KLX_DevInterfaceCAN_GetHostID() const { return m_HostId; }
  uint32_t KLX_DevInterfaceCAN_GetHTargetID() const { return m_TargetId; }
  unsigned char KLX_DevInterfaceCAN_GetPacketNode() const { return m_PacketNode; }

  // A boot-loader packet: the command byte and `length` data bytes.
  bool KLX_DevInterfaceCAN_PacketSend(unsigned char command, unsigned length, const unsigned char* data);
  // Receivers only: data byte 0 is the message id, the rest its data.
  bool KLX_DevInterfaceCAN_SendViaModem(unsigned length, const unsigned char* data);

 private:
  QString m_Name;
  unsigned char m_RcvAddress = 0;
  unsigned char m_HwType = 0;
  KLX_DevInterfaceCC2500 m_Receiver;
  uint32_t m_TargetId = 0;
  uint32_t m_HostId = 0;
  uint32_t m_Stored1 = 0;
  uint32_t m_Stored2 = 0;
  unsigned char m_PacketId = 0;
  unsigned char m_PacketNode = 3;
  bool m_EntryRead = false;
  KLX_Protocol* m_Protocol = nullptr;
  unsigned char m_Buffer[1 + kMaxData] = {};
};
