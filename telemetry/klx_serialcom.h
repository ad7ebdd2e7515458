#pragma once
// A serial line in raw mode: 8 data bits, no parity, no echo, no line
// editing; a read returns what has arrived, or nothing after `vtime` tenths
// of a second.
#include <QString>

#include <termios.h>

class KLX_SerialCom {
 public:
  KLX_SerialCom() = default;
  ~KLX_SerialCom() { KLX_SerialComClose(); }
  KLX_SerialCom(const KLX_SerialCom&) = delete;
  KLX_SerialCom& operator=(const KLX_SerialCom&) = delete;

  // 1, or KLX_Error with the failing step reported.
  int KLX_SerialComOpen(const QString& path, speed_t speed, int vtime);
  // One read: the bytes read, 0 after the time-out, -1 on an error or when closed.
  int KLX_SerialComRead(unsigned char* buffer, int length);
  // One write: the bytes written; 0 when closed.
  int KLX_SerialComWrite(const unsigned char* buffer, int length);
  // Drops what was received and not yet read.
  int KLX_SerialComFlush();
  int KLX_SerialComClose();
  bool KLX_SerialComIsOpened() const { return m_Opened; }

 private:
  int Fail(unsigned code);

  int m_Fd = -1;
  termios m_Settings{};
  bool m_Opened = false;
};
