#include "sim/csimbootloader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSaveFile>

#include "sim/csimcontrollers.h"
#include "sim/csimfirmware.h"

namespace {
enum Command { CmdState = 2, CmdMode = 3, CmdRow = 5, CmdPart = 6, CmdWrite = 8, CmdErase = 9 };
constexpr int kStateAnswer = 130;
constexpr int kWriteAnswer = 132;

int Get16(const QByteArray& b, int at) {
  return at + 1 < b.size() ? quint8(b[at]) | (quint8(b[at + 1]) << 8) : -1;
}
QByteArray Le16(int v) {
  QByteArray b;
  b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
  return b;
}
}  // namespace

QString CSimBootLoader::ImageFile() const {
  return m_Bus.Root() + (m_Device == Stick ? "/sim/stick-firmware.bin" : "/sim/transceiver-firmware.bin");
}

void CSimBootLoader::PowerUp() {
  const CSimControllers::Persistent p = m_Bus.State();
  const bool whole = m_Device == Stick ? p.stickApplication : p.transceiverApplication;
  QMutexLocker lock(&m_Mutex);
  SetState(whole ? Application : BootLoader);
}

void CSimBootLoader::SetState(int state) {
  m_State = state;
  // The synchronisation answer tells the application from the boot loader.
  const int reported = state == Application ? 1 : BootLoader;
  if (m_Device == Stick)
    m_Bus.StickController().SetState(reported);
  else
    m_Bus.TransceiverController().SetState(reported);
}

QByteArray CSimBootLoader::StateAnswer() const {
  QByteArray a;
  a.append(char(kStateAnswer)).append(char(m_State));
  return a;
}

void CSimBootLoader::Answer(int command, const QByteArray& data) {
  const CSimAnswerPlan plan = m_Answers.Next(command);
  if (!plan.answer) return;
  m_Bus.QueueAnswer(m_Device == Stick ? CSimControllers::Stick : CSimControllers::Transceiver,
                    CSimFirmware::kAnswerId, data, plan.delayMs);
}

bool CSimBootLoader::Handle(const CSimMessage& m) {
  const int id = m_Device == Stick ? CSimFirmware::kStickPacketId : CSimFirmware::kTransceiverPacketId;
  if (m.id != id || m.node != CSimFirmware::kPacketNode || m.remote || m.data.isEmpty()) return false;
  const QByteArray d = m.data.mid(1);
  const int command = quint8(m.data[0]);
  QByteArray answer;
  bool answers = false;
  {
    QMutexLocker lock(&m_Mutex);
    ++m_Counters.packets;
    switch (command) {
      case CmdState:
        ++m_Counters.stateRequests;
        answer = StateAnswer();
        answers = true;
        break;
      case CmdMode: {
        ++m_Counters.modeSwitches;
        const int mode = d.isEmpty() ? 0 : quint8(d[0]);
        if (mode == Application) {
          // The controller restarts; a restart says nothing on the bus.
          Restart();
        } else if (mode == BootLoader || mode == UpdateMode) {
          SetState(mode);
          answer = StateAnswer();
          answers = true;
        }
        break;
      }
      case CmdErase:
        if (m_State == UpdateMode) {
          ++m_Counters.erases;
          m_Rows.clear();
          m_Row = -1;
          QFile::remove(ImageFile());
          m_Bus.SetApplicationWhole(m_Device == Stick ? CSimControllers::Stick : CSimControllers::Transceiver, false);
        }
        answer = StateAnswer();
        answers = true;
        break;
      case CmdRow:
        if (m_State == UpdateMode && Get16(d, 0) >= 0) {
          m_Row = Get16(d, 0);
          m_Received = 0;
          m_RowBuffer.clear();
        }
        break;
      case CmdPart: {
        if (m_State != UpdateMode || d.size() < 4) break;
        const int part = quint8(d[0]) & 0x0F;
        const int offset = Get16(d, 1);
        const int length = quint8(d[3]);
        if (d.size() < 4 + length) break;
        const auto lose = m_Lose.find(m_Row);
        if (lose != m_Lose.end() && (*lose & (1 << part))) {
          *lose &= ~(1 << part);
          ++m_Counters.partsLost;
          break;
        }
        if (m_RowBuffer.size() < offset + length) m_RowBuffer.resize(offset + length);
        m_RowBuffer.replace(offset, length, d.mid(4, length));
        m_Received |= 1 << part;
        break;
      }
      case CmdWrite:
        if (m_State != UpdateMode) break;
        answer = WriteRow(Get16(d, 0), Get16(d, 2));
        answers = true;
        break;
      default: break;
    }
  }
  if (answers) Answer(command, answer);
  return true;
}

QByteArray CSimBootLoader::WriteRow(int row, int mask) {
  int flags = m_NotWholeBit ? FlagAppNotWhole : 0;
  if (row != m_Row || mask != m_Received) {
    ++m_Counters.writesRefused;
    flags |= FlagRefused;
  } else if (m_Refuse.value(row) > 0) {
    --m_Refuse[row];
    ++m_Counters.writesRefused;
    flags |= FlagRefused;
  } else if (!CSimFirmware::RowValid(m_RowBuffer, row)) {
    ++m_Counters.writesRefused;
    flags |= FlagRowBad;
  } else {
    if (m_Rows.size() <= row) m_Rows.resize(row + 1);
    m_Rows[row] = m_RowBuffer;
    ++m_Counters.rowsWritten;
  }
  QByteArray a;
  a.append(char(kWriteAnswer)).append(char(m_State)).append(char(flags));
  a += Le16(m_Row < 0 ? 0 : m_Row) + Le16(m_Received);
  return a;
}

bool CSimBootLoader::Restart() {
  CSimImageHeader header;
  bool whole = !m_Rows.isEmpty() && CSimFirmware::ReadHeader(m_Rows[0], &header) && m_Rows.size() == header.rows;
  for (int r = 0; whole && r < m_Rows.size(); ++r) whole = CSimFirmware::RowValid(m_Rows[r], r);
  if (!whole) {
    // Nothing to start: the boot loader stays.
    SetState(BootLoader);
    return false;
  }
  QByteArray image;
  for (const QByteArray& row : m_Rows) image += row;
  QDir().mkpath(QFileInfo(ImageFile()).absolutePath());
  QSaveFile f(ImageFile());
  if (f.open(QIODevice::WriteOnly)) {
    f.write(image);
    f.commit();
  }
  const int major = m_RestartMajor >= 0 ? m_RestartMajor : header.major;
  const int minor = m_RestartMinor >= 0 ? m_RestartMinor : header.minor;
  const CSimControllers::Node node = m_Device == Stick ? CSimControllers::Stick : CSimControllers::Transceiver;
  if (m_Device == Stick)
    m_Bus.SetStickVersion(major, minor);
  else
    m_Bus.SetTransceiverVersion(major, minor);
  m_Bus.SetApplicationWhole(node, true);
  ++m_Counters.restarts;
  SetState(Application);
  return true;
}

void CSimBootLoader::LoseParts(int row, quint16 mask) {
  QMutexLocker lock(&m_Mutex);
  m_Lose[row] = mask;
}

void CSimBootLoader::RefuseRow(int row, int times) {
  QMutexLocker lock(&m_Mutex);
  m_Refuse[row] = times;
}

void CSimBootLoader::SetAppNotWholeBit(bool on) {
  QMutexLocker lock(&m_Mutex);
  m_NotWholeBit = on;
}

void CSimBootLoader::SetVersionAfterRestart(int major, int minor) {
  QMutexLocker lock(&m_Mutex);
  m_RestartMajor = major;
  m_RestartMinor = minor;
}

CSimBootLoader::Counters CSimBootLoader::Seen() const {
  QMutexLocker lock(&m_Mutex);
  return m_Counters;
}

int CSimBootLoader::State() const {
  QMutexLocker lock(&m_Mutex);
  return m_State;
}

QVector<QByteArray> CSimBootLoader::Rows() const {
  QMutexLocker lock(&m_Mutex);
  return m_Rows;
}
