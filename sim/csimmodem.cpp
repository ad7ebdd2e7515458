#include "sim/csimmodem.h"

#include <QMutexLocker>

#include "sim/csimcontrollers.h"
#include "sim/csimfirmware.h"

namespace {
constexpr int kModemMode = SimModemMode;
constexpr int kModemData = SimModemData;
constexpr int kSensorBus = SimSensorBusCommand;
constexpr unsigned char kSensorUpdate = 0x71;  // "q"

enum ModemMode { ModeOff = 0, ModeOn = 1, ModeInformation = 2 };
enum Kind { KindInformation = 1, KindAck = 2, KindReceiver = 128 };
enum Remote { RemoteEnd = 1, RemoteState = 2, RemoteStart = 3, RemoteRow = 5, RemotePart = 6, RemoteWrite = 8,
              RemoteInformation = 9 };
constexpr int kEndAnswer = 129;
constexpr int kStateAnswer = 130;
constexpr int kFlagRefused = 0x01;
constexpr int kFlagRowBad = 0x02;
constexpr int kFlagNotWhole = 0x08;
constexpr int kEndFlag = 0x80;

int Get16(const QByteArray& b, int at) {
  return at + 1 < b.size() ? quint8(b[at]) | (quint8(b[at + 1]) << 8) : -1;
}
QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray b;
  for (int v : values) b.append(char(v & 0xFF));
  return b;
}
}  // namespace

void CSimModem::Send(const QByteArray& data) {
  m_Bus.QueueAnswer(CSimControllers::Transceiver, kAnswerId, data, 0);
}

bool CSimModem::Handle(const CSimMessage& m) {
  if (m.node != SimNodeApplication || m.remote) return false;
  QList<QByteArray> out;
  int restarted = -1;
  {
    QMutexLocker lock(&m_Mutex);
    if (m.id == kSensorBus) {
      // Only the update commands for the receiver are its own.
      if (m.data.size() < 4 || quint8(m.data[0]) != kSensorUpdate) return false;
      const int type = quint8(m.data[3]);
      if (type == RemoteState) {
        ++m_Counters.stateRequests;
        if (!m_ReceiverSilent) out << Bytes({kStateAnswer, m_State});
      } else if (type == RemoteStart && m.data.size() > 4) {
        const int mode = quint8(m.data[4]);
        if (mode == BootLoader || mode == UpdateMode) m_State = mode;
      }
    } else if (m.id == kModemMode) {
      const int mode = m.data.isEmpty() ? -1 : quint8(m.data[0]);
      if (mode == ModeOn || mode == ModeOff) {
        m_On = mode == ModeOn;
        ++(m_On ? m_Counters.modemOn : m_Counters.modemOff);
        out << Bytes({0, KindAck, m_On ? 1 : 0});
      } else if (mode == ModeInformation) {
        ++m_Counters.informationRequests;
        out << Bytes({0, KindInformation, m_On ? 1 : 0, m_MaxLength});
      }
    } else if (m.id == kModemData) {
      if (!m_On || m.data.isEmpty()) return true;
      ++m_Counters.forwarded;
      out << Bytes({0, KindAck, 1});
      const QByteArray answer = Receiver(m.data, &restarted);
      if (!answer.isEmpty() && !m_ReceiverSilent) out << answer;
    } else {
      return false;
    }
    if (m_Silent) out.clear();
  }
  // The new firmware runs: the receiver reports it from now on, across runs.
  if (restarted >= 0) m_Bus.SetReceiverVersion(restarted / 256, restarted % 256);
  for (const QByteArray& a : out) Send(a);
  return true;
}

QByteArray CSimModem::MaskAnswer(int flags) const {
  QByteArray a = Bytes({0, KindReceiver, 0, m_State, flags});
  a += Bytes({m_Row < 0 ? 0 : m_Row, (m_Row < 0 ? 0 : m_Row) >> 8, m_Received, m_Received >> 8});
  return a;
}

bool CSimModem::ImageWhole(int* major, int* minor) const {
  CSimImageHeader header;
  if (m_Rows.isEmpty() || !CSimFirmware::ReadHeader(m_Rows[0], &header) || m_Rows.size() != header.rows) return false;
  for (int r = 0; r < m_Rows.size(); ++r)
    if (!CSimFirmware::RowValid(m_Rows[r], r)) return false;
  *major = m_RestartMajor >= 0 ? m_RestartMajor : header.major;
  *minor = m_RestartMinor >= 0 ? m_RestartMinor : header.minor;
  return true;
}

QByteArray CSimModem::Receiver(const QByteArray& message, int* restarted) {
  const int command = quint8(message[0]);
  const QByteArray d = message.mid(1);
  switch (command) {
    case RemoteState: return Bytes({0, KindReceiver, m_State});
    case RemoteInformation:
      // The boot loader takes over: the application is about to go.
      m_State = UpdateMode;
      return Bytes({0, KindReceiver, 0, m_State, kFlagNotWhole});
    case RemoteRow:
      if (m_State == UpdateMode && Get16(d, 0) >= 0) {
        m_Row = Get16(d, 0);
        m_Received = 0;
        m_EndPart = -1;
        m_RowBuffer.clear();
      }
      return QByteArray();
    case RemotePart: {
      if (m_State != UpdateMode || d.size() < 4) return QByteArray();
      ++m_Counters.parts;
      const int part = quint8(d[0]) & 0x0F;
      const bool end = quint8(d[0]) & kEndFlag;
      const int offset = Get16(d, 1);
      const int length = quint8(d[3]);
      if (d.size() < 4 + length) return QByteArray();
      const auto lose = m_Lose.find(m_Row);
      if (lose != m_Lose.end() && (*lose & (1 << part))) {
        *lose &= ~(1 << part);
        ++m_Counters.partsLost;
        return QByteArray();
      }
      if (m_RowBuffer.size() < offset + length) m_RowBuffer.resize(offset + length);
      m_RowBuffer.replace(offset, length, d.mid(4, length));
      m_Received |= 1 << part;
      if (!end) return QByteArray();
      m_EndPart = qMax(m_EndPart, part);
      return MaskAnswer(0);
    }
    case RemoteWrite: {
      if (m_State != UpdateMode) return QByteArray();
      const int row = Get16(d, 0);
      const int mask = Get16(d, 2);
      const bool whole = m_EndPart >= 0 && m_Received == (1 << (m_EndPart + 1)) - 1;
      int flags = 0;
      if (row != m_Row || mask != m_Received || !whole) {
        flags = kFlagRefused;
        ++m_Counters.writesRefused;
      } else if (m_Refuse.value(row) > 0) {
        --m_Refuse[row];
        flags = kFlagRefused;
        ++m_Counters.writesRefused;
      } else if (!CSimFirmware::RowValid(m_RowBuffer, row)) {
        flags = kFlagRowBad;
        ++m_Counters.writesRefused;
      } else {
        if (m_Rows.size() <= row) m_Rows.resize(row + 1);
        m_Rows[row] = m_RowBuffer;
        ++m_Counters.rowsWritten;
        CSimImageHeader header;
        const bool last = !m_Rows.isEmpty() && CSimFirmware::ReadHeader(m_Rows[0], &header) && row == header.rows - 1;
        if (last && m_NotWholeTimes > 0) {
          --m_NotWholeTimes;
          flags |= kFlagNotWhole;
        }
      }
      return MaskAnswer(flags);
    }
    case RemoteEnd: {
      int major = 0;
      int minor = 0;
      QByteArray a = Bytes({0, KindReceiver, ImageWhole(&major, &minor) ? kEndAnswer : 0});
      a += QByteArray(10, '\0');
      a += Bytes({major, minor});
      return a;
    }
    case RemoteStart: {
      int major = 0;
      int minor = 0;
      if (ImageWhole(&major, &minor)) {
        *restarted = major * 256 + minor;
        m_State = Application;
        ++m_Counters.restarts;
      }
      return Bytes({0, KindReceiver, m_State});
    }
    default: return QByteArray();
  }
}

void CSimModem::SetMaxLength(int bytes) {
  QMutexLocker lock(&m_Mutex);
  m_MaxLength = bytes;
}
void CSimModem::SetSilent(bool silent) {
  QMutexLocker lock(&m_Mutex);
  m_Silent = silent;
}
void CSimModem::SetReceiverSilent(bool silent) {
  QMutexLocker lock(&m_Mutex);
  m_ReceiverSilent = silent;
}
void CSimModem::LoseParts(int row, quint16 mask) {
  QMutexLocker lock(&m_Mutex);
  m_Lose[row] = mask;
}
void CSimModem::RefuseRow(int row, int times) {
  QMutexLocker lock(&m_Mutex);
  m_Refuse[row] = times;
}
void CSimModem::SetAppNotWholeAfterLastRow(int times) {
  QMutexLocker lock(&m_Mutex);
  m_NotWholeTimes = times;
}
void CSimModem::SetVersionAfterRestart(int major, int minor) {
  QMutexLocker lock(&m_Mutex);
  m_RestartMajor = major;
  m_RestartMinor = minor;
}
CSimModem::Counters CSimModem::Seen() const {
  QMutexLocker lock(&m_Mutex);
  return m_Counters;
}
bool CSimModem::ModemOn() const {
  QMutexLocker lock(&m_Mutex);
  return m_On;
}
int CSimModem::ReceiverState() const {
  QMutexLocker lock(&m_Mutex);
  return m_State;
}
int CSimModem::ReceiverVersion() const {
  const CSimControllers::Persistent p = m_Bus.State();
  return p.receiverMajor * 256 + p.receiverMinor;
}
QVector<QByteArray> CSimModem::Rows() const {
  QMutexLocker lock(&m_Mutex);
  return m_Rows;
}
