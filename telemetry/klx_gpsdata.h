#pragma once
// The three configuration messages the GPS receiver gets at every start, in
// the order they are sent: byte 0 class, 1 id, 2-3 payload length
// (little-endian), then the payload; the rest of an entry is zero.
class KLX_GPSData {
 public:
  static constexpr int kMessages = 3;
  static constexpr int kEntryBytes = 50;

  KLX_GPSData();
  // The entry of message 0..2, null for another index.
  const unsigned char* KLX_GPSDataMessage(int index) const;

 private:
  unsigned char m_Messages[kMessages][kEntryBytes];
};
