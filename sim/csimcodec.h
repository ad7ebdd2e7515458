#pragma once
// The simulated controllers' own framing of the bus messages, written from
// the frame table and kept apart from the program's: a standard frame
// carries 0 to 8 bytes (identifier = id + 256 x node); a longer message is a
// header (sequence 0, length 4, total length little-endian) and data frames
// of 8 bytes, identifier bits 2-17 sequence, 18-25 id, 26-27 node, bit 31 set.
#include <QByteArray>
#include <QVector>

#include <cstdint>

struct CSimFrame {
  uint32_t ident = 0;
  uint8_t len = 0;
  uint8_t pad[3] = {0, 0, 0};
  uint8_t bytes[8] = {};
};
static_assert(sizeof(CSimFrame) == 16, "the stand-in moves 16-byte frames");

constexpr uint32_t kSimExtended = 0x80000000u;
constexpr uint32_t kSimRemote = 0x40000000u;

struct CSimMessage {
  int id = 0;
  int node = 0;
  QByteArray data;
  bool isLong = false;
  bool remote = false;
};

class CSimCodec {
 public:
  // The frames of one message from `node`; longGap leaves out data frame 2.
  static QVector<CSimFrame> Encode(int node, int id, const QByteArray& data, bool remote = false,
                                   bool longGap = false);
  static CSimFrame ShortFrame(int node, int id, const QByteArray& data, bool remote = false);
  static CSimFrame LongFrame(int node, int id, int sequence, const QByteArray& data, bool remote = false);
};

// Reassembles the program's messages. Counts what it cannot accept.
class CSimReassembler {
 public:
  // True when `frame` completed a message, which is then in *out.
  bool Feed(const CSimFrame& frame, CSimMessage* out);
  int Errors() const { return m_Errors; }

 private:
  bool m_Active = false;
  int m_Id = 0;
  int m_Node = 0;
  bool m_Remote = false;
  uint32_t m_Total = 0;
  int m_NextSequence = 0;
  QByteArray m_Data;
  int m_Errors = 0;
};
