#pragma once
// The records in which messages wait to be framed and in which received
// messages reach the handlers.
#include <cstdint>

// Type of a message-id argument: only the low byte is used.
typedef unsigned short KLX_16BituByteValue_t;

constexpr unsigned KLX_PROT_MAX_DATA = 1000;   // largest message accepted on receipt
constexpr unsigned KLX_PROT_SHORT_MAX = 8;     // longest message of one standard frame

constexpr unsigned char KLX_NODE_TRANSCEIVER = 1;
constexpr unsigned char KLX_NODE_STICK = 2;
constexpr unsigned char KLX_NODE_APPLICATION = 3;

// A queued message of 0 to 8 bytes.
struct KLX_RawProtShortData_t {
  unsigned char data[8];
  unsigned char id;
  unsigned char node;
  unsigned char length;
};

// A queued message of 9 to 999 bytes.
struct KLX_RawProtLongData_t {
  unsigned char data[KLX_PROT_MAX_DATA];
  unsigned short id;
  unsigned char node;
  unsigned int length;
};

// A received message as the handlers see it.
struct KLX_ProtLongData_t {
  unsigned char data[KLX_PROT_MAX_DATA];
  unsigned short id;
  unsigned char node;
  unsigned int length;
  unsigned char longFlag;    // 1 when it came as extended frames
  unsigned char remoteFlag;  // RTR bit of the (header) frame
};

// Byte i of a received message; bytes beyond its length read as 0, so that a
// short message never shows bytes of an earlier one.
inline unsigned char KLX_ProtByte(const KLX_ProtLongData_t* m, unsigned i) {
  return i < m->length && i < KLX_PROT_MAX_DATA ? m->data[i] : 0;
}

// Signed 16-bit little-endian value at bytes i, i+1.
inline int KLX_ProtInt16(const KLX_ProtLongData_t* m, unsigned i) {
  return static_cast<int16_t>(static_cast<uint16_t>(KLX_ProtByte(m, i) | (KLX_ProtByte(m, i + 1) << 8)));
}

// Unsigned 16-bit little-endian value at bytes i, i+1.
inline int KLX_ProtUint16(const KLX_ProtLongData_t* m, unsigned i) {
  return KLX_ProtByte(m, i) | (KLX_ProtByte(m, i + 1) << 8);
}

// Unsigned 32-bit little-endian value at bytes i to i+3.
inline uint32_t KLX_ProtUint32(const KLX_ProtLongData_t* m, unsigned i) {
  return uint32_t(KLX_ProtByte(m, i)) | (uint32_t(KLX_ProtByte(m, i + 1)) << 8) |
         (uint32_t(KLX_ProtByte(m, i + 2)) << 16) | (uint32_t(KLX_ProtByte(m, i + 3)) << 24);
}
