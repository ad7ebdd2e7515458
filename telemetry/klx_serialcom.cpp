#include "telemetry/klx_serialcom.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include "frame/klx_errorhandler.h"
#include "frame/klx_databasevalues.h"

namespace {
constexpr unsigned kErrOpen = 0x11401;
constexpr unsigned kErrNotATerminal = 0x11402;
constexpr unsigned kErrGetSettings = 0x11403;
constexpr unsigned kErrInputSpeed = 0x11404;
constexpr unsigned kErrOutputSpeed = 0x11405;
constexpr unsigned kErrApplySettings = 0x51406;
constexpr unsigned kErrReadClosed = 0x21407;
constexpr unsigned kErrWriteClosed = 0x21408;
}  // namespace

int KLX_SerialCom::Fail(unsigned code) {
  KLXErrorHandler.RegisterError(code, QStringLiteral("KLX_SerialComOpen() gone wrong"));
  if (m_Fd >= 0 && code != kErrOpen) ::close(m_Fd);
  m_Fd = -1;
  return KLX_Error;
}

int KLX_SerialCom::KLX_SerialComOpen(const QString& path, speed_t speed, int vtime) {
  KLX_SerialComClose();
  m_Fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (m_Fd < 0) return Fail(kErrOpen);
  if (!::isatty(m_Fd)) return Fail(kErrNotATerminal);
  if (::tcgetattr(m_Fd, &m_Settings) != 0) return Fail(kErrGetSettings);
  m_Settings.c_iflag &= tcflag_t(~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | ICRNL | IXON | INPCK));
  m_Settings.c_oflag = 0;
  m_Settings.c_lflag &= tcflag_t(~(ECHO | ECHONL | ICANON | ISIG | IEXTEN));
  m_Settings.c_cflag &= tcflag_t(~(CSIZE | PARENB));
  m_Settings.c_cflag |= CS8;
  m_Settings.c_cc[VMIN] = 0;
  m_Settings.c_cc[VTIME] = cc_t(vtime);
  if (::cfsetispeed(&m_Settings, speed) != 0) return Fail(kErrInputSpeed);
  if (::cfsetospeed(&m_Settings, speed) != 0) return Fail(kErrOutputSpeed);
  if (::tcsetattr(m_Fd, TCSAFLUSH, &m_Settings) != 0) return Fail(kErrApplySettings);
  m_Opened = true;
  return 1;
}

int KLX_SerialCom::KLX_SerialComRead(unsigned char* buffer, int length) {
  if (!m_Opened) {
    KLXErrorHandler.RegisterError(kErrReadClosed, QStringLiteral("serial port not opened for read"));
    return -1;
  }
  return int(::read(m_Fd, buffer, size_t(length)));
}

int KLX_SerialCom::KLX_SerialComWrite(const unsigned char* buffer, int length) {
  if (!m_Opened) {
    KLXErrorHandler.RegisterError(kErrWriteClosed, QStringLiteral("serial port not opened for write"));
    return 0;
  }
  const ssize_t written = ::write(m_Fd, buffer, size_t(length));
  return written < 0 ? 0 : int(written);
}

int KLX_SerialCom::KLX_SerialComFlush() {
  if (m_Opened) ::tcflush(m_Fd, TCIFLUSH);
  return 1;
}

int KLX_SerialCom::KLX_SerialComClose() {
  if (m_Fd >= 0) ::close(m_Fd);
  m_Fd = -1;
  m_Opened = false;
  return 1;
}
