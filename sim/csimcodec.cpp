#include "sim/csimcodec.h"

#include <cstring>

CSimFrame CSimCodec::ShortFrame(int node, int id, const QByteArray& data, bool remote) {
  CSimFrame f;
  f.ident = uint32_t(id & 0xFF) + 256u * uint32_t(node & 0x7);
  if (remote) f.ident |= kSimRemote;
  f.len = static_cast<uint8_t>(data.size());
  std::memcpy(f.bytes, data.constData(), size_t(data.size()));
  return f;
}

CSimFrame CSimCodec::LongFrame(int node, int id, int sequence, const QByteArray& data, bool remote) {
  CSimFrame f;
  const uint32_t v = uint32_t(node & 0x3) * (1u << 24) + uint32_t(id & 0xFF) * (1u << 16) +
                     uint32_t(sequence & 0xFFFF);
  f.ident = (v * 4u) | kSimExtended;
  if (remote) f.ident |= kSimRemote;
  f.len = static_cast<uint8_t>(data.size());
  std::memcpy(f.bytes, data.constData(), size_t(data.size()));
  return f;
}

QVector<CSimFrame> CSimCodec::Encode(int node, int id, const QByteArray& data, bool remote, bool longGap) {
  QVector<CSimFrame> frames;
  if (data.size() <= 8) {
    frames.append(ShortFrame(node, id, data, remote));
    return frames;
  }
  const uint32_t total = uint32_t(data.size());
  QByteArray header(4, 0);
  for (int i = 0; i < 4; ++i) header[i] = char((total >> (8 * i)) & 0xFF);
  frames.append(LongFrame(node, id, 0, header, remote));
  int sequence = 1;
  for (int at = 0; at < data.size(); at += 8, ++sequence) {
    if (longGap && sequence == 2) continue;
    frames.append(LongFrame(node, id, sequence, data.mid(at, 8), remote));
  }
  return frames;
}

bool CSimReassembler::Feed(const CSimFrame& frame, CSimMessage* out) {
  if (!(frame.ident & kSimExtended)) {
    out->id = int(frame.ident & 0xFF);
    out->node = int((frame.ident >> 8) & 0x7);
    out->data = QByteArray(reinterpret_cast<const char*>(frame.bytes), frame.len);
    out->isLong = false;
    out->remote = (frame.ident & kSimRemote) != 0;
    return true;
  }
  const uint32_t v = (frame.ident >> 2) & 0x3FFFFFF;
  const int sequence = int(v & 0xFFFF);
  const int id = int((v >> 16) & 0xFF);
  const int node = int((v >> 24) & 0x3);
  if (sequence == 0) {
    if (m_Active) ++m_Errors;  // the message under way is dropped
    m_Total = 0;
    for (int i = 0; i < 4 && i < frame.len; ++i) m_Total |= uint32_t(frame.bytes[i]) << (8 * i);
    m_Active = frame.len == 4 && m_Total <= 1000;
    if (!m_Active) ++m_Errors;
    m_Id = id;
    m_Node = node;
    m_Remote = (frame.ident & kSimRemote) != 0;
    m_NextSequence = 1;
    m_Data.clear();
    return false;
  }
  if (!m_Active || id != m_Id || sequence != m_NextSequence ||
      uint32_t(m_Data.size()) + frame.len > m_Total) {
    ++m_Errors;
    m_Active = false;
    return false;
  }
  m_Data.append(reinterpret_cast<const char*>(frame.bytes), frame.len);
  ++m_NextSequence;
  if (uint32_t(m_Data.size()) < m_Total) return false;
  m_Active = false;
  out->id = m_Id;
  out->node = m_Node;
  out->data = m_Data;
  out->isLong = true;
  out->remote = m_Remote;
  return true;
}
