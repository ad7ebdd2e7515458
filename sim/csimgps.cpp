#include "sim/csimgps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include "frame/klx_clock.h"

namespace {
constexpr unsigned char kSync1 = 0xB5, kSync2 = 0x62;
constexpr int kClassCfg = 0x06, kClassAck = 0x05, kIdAck = 0x01;
constexpr int kIdCfgMsg = 0x01;
constexpr int kClassNav = 0x01, kIdPvt = 0x07;
constexpr int kPvtBytes = 92;
constexpr int kPollMs = 5;
constexpr double kPi = 3.14159265358979323846;
constexpr double kMetresPerDegree = 111320.0;
// The model goes round once a minute; its distance swings between 90 and
// 210 m every 90 s, so that the finder's map changes its scale.
constexpr qint64 kLapMs = 60000;
constexpr qint64 kSwingMs = 90000;
constexpr double kRadius = 150.0, kSwing = 60.0;

qint64 RealUs() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Put16(QByteArray& b, int at, int v) {
  b[at] = char(v & 0xFF);
  b[at + 1] = char((v >> 8) & 0xFF);
}
void Put32(QByteArray& b, int at, qint64 v) {
  for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xFF);
}

// East and north of the centre, in metres.
void ModelOffset(qint64 ms, double* east, double* north) {
  const double angle = 2 * kPi * double(ms % kLapMs) / kLapMs;
  const double radius = kRadius + kSwing * std::sin(2 * kPi * double(ms % kSwingMs) / kSwingMs);
  *east = radius * std::cos(angle);
  *north = radius * std::sin(angle);
}
}  // namespace

CSimGps::CSimGps(KLX_Clock* clock) : m_Clock(clock) {}

CSimGps::~CSimGps() { Close(); }

void CSimGps::SetClock(KLX_Clock* clock) { m_Clock = clock; }

qint64 CSimGps::ClockMs() const {
  KLX_Clock* clock = m_Clock.load();
  return (clock ? *clock : KLX_Clock::KLX_ClockSystem()).KLX_ClockNowMs();
}

bool CSimGps::Open(const QString& linkPath) {
  Close();
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master < 0) return false;
  char name[128] = {};
  if (::grantpt(master) != 0 || ::unlockpt(master) != 0 || ::ptsname_r(master, name, sizeof(name)) != 0) {
    ::close(master);
    return false;
  }
  // Held open, in raw mode: the line stands before the program opens it
  // and after it closed it, and nothing is echoed.
  m_Slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  termios raw{};
  if (m_Slave < 0 || ::tcgetattr(m_Slave, &raw) != 0) {
    if (m_Slave >= 0) ::close(m_Slave);
    m_Slave = -1;
    ::close(master);
    return false;
  }
  ::cfmakeraw(&raw);
  ::tcsetattr(m_Slave, TCSANOW, &raw);
  ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
  // The link replaces whatever an earlier run left there, in one step.
  QDir().mkpath(QFileInfo(linkPath).absolutePath());
  const QString temporary = linkPath + QStringLiteral(".new");
  QFile::remove(temporary);
  if (::symlink(name, QFile::encodeName(temporary).constData()) != 0 ||
      ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(linkPath).constData()) != 0) {
    ::close(m_Slave);
    m_Slave = -1;
    ::close(master);
    return false;
  }
  m_Master = master;
  m_Link = linkPath;
  m_Stop = false;
  m_Thread = std::thread([this] { Loop(); });
  return true;
}

void CSimGps::Close() {
  if (m_Thread.joinable()) {
    m_Stop = true;
    m_Thread.join();
  }
  if (!m_Link.isEmpty()) QFile::remove(m_Link);
  m_Link.clear();
  if (m_Master >= 0) ::close(m_Master);
  if (m_Slave >= 0) ::close(m_Slave);
  m_Master = m_Slave = -1;
}

void CSimGps::SetSilent(bool silent) {
  QMutexLocker lock(&m_Mutex);
  m_Silent = silent;
  if (silent) m_Out.clear();
}
void CSimGps::SetBadChecksums(int frames) {
  QMutexLocker lock(&m_Mutex);
  m_BadChecksums = frames;
}
void CSimGps::SetStrayBytes(const QByteArray& bytes) {
  QMutexLocker lock(&m_Mutex);
  m_Stray = bytes;
}
void CSimGps::SetPieces(int pieces) {
  QMutexLocker lock(&m_Mutex);
  m_Pieces = qMax(1, pieces);
}
void CSimGps::SetNoFix(bool noFix) {
  QMutexLocker lock(&m_Mutex);
  m_NoFix = noFix;
}
void CSimGps::SetSolution(const Solution& solution) {
  QMutexLocker lock(&m_Mutex);
  m_Solution = solution;
  m_HasSolution = true;
}
void CSimGps::ClearSolution() {
  QMutexLocker lock(&m_Mutex);
  m_HasSolution = false;
}
void CSimGps::SendRaw(const QByteArray& bytes) {
  QMutexLocker lock(&m_Mutex);
  m_Out.append({RealUs(), bytes});
}

QList<QByteArray> CSimGps::Received() const {
  QMutexLocker lock(&m_Mutex);
  return m_Received;
}

void CSimGps::ModelOnTrack(qint64 ms, qint32* longitude, qint32* latitude) {
  double east, north;
  ModelOffset(ms, &east, &north);
  const double centreLat = kCentreLatitude / 1e7;
  *latitude = kCentreLatitude + qint32(std::lround(north / kMetresPerDegree * 1e7));
  *longitude = kCentreLongitude + qint32(std::lround(east / (kMetresPerDegree * std::cos(centreLat * kPi / 180)) * 1e7));
}

CSimGps::Solution CSimGps::TransmitterOnTrack(qint64 ms) {
  Solution s;
  s.utc = QDateTime::currentDateTimeUtc();
  double east, north;
  ModelOffset(ms, &east, &north);
  // The pilot turns to face the model: its bearing, clockwise from north.
  double bearing = std::atan2(east, north) * 180 / kPi;
  if (bearing < 0) bearing += 360;
  s.heading = qint32(std::lround(bearing * 1e5));
  return s;
}

QByteArray CSimGps::Frame(int cls, int id, const QByteArray& payload) {
  QByteArray f;
  f.append(char(kSync1)).append(char(kSync2)).append(char(cls)).append(char(id));
  f.append(char(payload.size() & 0xFF)).append(char((payload.size() >> 8) & 0xFF)).append(payload);
  unsigned char a = 0, b = 0;
  for (int i = 2; i < f.size(); ++i) {
    a = static_cast<unsigned char>(a + quint8(f[i]));
    b = static_cast<unsigned char>(b + a);
  }
  return f.append(char(a)).append(char(b));
}

QByteArray CSimGps::NavPvt(const Solution& s) {
  QByteArray p(kPvtBytes, '\0');
  const QDate d = s.utc.date();
  const QTime t = s.utc.time();
  Put32(p, 0, qint64(t.msecsSinceStartOfDay()));  // time of week, near enough for the program
  Put16(p, 4, d.year());
  p[6] = char(d.month());
  p[7] = char(d.day());
  p[8] = char(t.hour());
  p[9] = char(t.minute());
  p[10] = char(t.second());
  p[11] = char(s.valid);
  Put32(p, 12, 50);  // time accuracy, ns
  p[20] = char(s.fixType);
  p[21] = char(s.flags);
  p[23] = char(s.satellites);
  Put32(p, 24, s.longitude);
  Put32(p, 28, s.latitude);
  Put32(p, 32, s.heightMm + 47000);  // above the ellipsoid
  Put32(p, 36, s.heightMm);
  Put32(p, 40, 2500);  // horizontal accuracy, mm
  Put32(p, 44, 3500);
  Put32(p, 60, s.speedMmS);
  Put32(p, 64, s.heading);
  Put16(p, 76, 130);  // position DOP 1.30
  return Frame(kClassNav, kIdPvt, p);
}

void CSimGps::Queue(QByteArray frame, int delayMs) {
  if (m_BadChecksums > 0) {
    --m_BadChecksums;
    frame[frame.size() - 1] = char(frame[frame.size() - 1] ^ 0x5A);
  }
  frame.prepend(m_Stray);
  qint64 due = RealUs() + qint64(delayMs) * 1000;
  const int pieces = qMin(m_Pieces, frame.size());
  const int size = (frame.size() + pieces - 1) / pieces;
  for (int at = 0; at < frame.size(); at += size) {
    m_Out.append({due, frame.mid(at, size)});
    due += kPiecePauseMs * 1000;
  }
}

void CSimGps::Take(const QByteArray& bytes) {
  m_In.append(bytes);
  for (;;) {
    const int start = m_In.indexOf(char(kSync1));
    if (start < 0) {
      m_In.clear();
      return;
    }
    m_In.remove(0, start);
    if (m_In.size() < 2) return;
    if (quint8(m_In[1]) != kSync2) {
      m_In.remove(0, 1);
      continue;
    }
    if (m_In.size() < 6) return;
    const int length = quint8(m_In[4]) | quint8(m_In[5]) << 8;
    if (m_In.size() < length + 8) return;
    const QByteArray frame = m_In.left(length + 8);
    m_In.remove(0, length + 8);
    if (Frame(quint8(frame[2]), quint8(frame[3]), frame.mid(6, length)) != frame) continue;  // bad checksum: ignored
    m_Received.append(frame);
    if (m_Silent || quint8(frame[2]) != kClassCfg) continue;
    // CFG-MSG switching NAV-PVT on for port 1 (its rate for port 1 in byte 3).
    if (quint8(frame[3]) == kIdCfgMsg && length >= 8 && quint8(frame[6]) == kClassNav && quint8(frame[7]) == kIdPvt)
      m_PvtOn = quint8(frame[9]) != 0;
    QByteArray ack;
    ack.append(frame[2]).append(frame[3]);
    // The answer follows once the question has passed the line.
    Queue(Frame(kClassAck, kIdAck, ack), int((frame.size() + 10) * kByteUs / 1000) + 10);
    ++m_AcksSent;
  }
}

void CSimGps::WriteDue() {
  const qint64 now = RealUs();
  while (!m_Out.isEmpty() && m_Out.first().dueUs <= now) {
    QByteArray& bytes = m_Out.first().bytes;
    const ssize_t n = ::write(m_Master, bytes.constData(), size_t(bytes.size()));
    if (n < 0) return;  // the line is full: later
    if (n < bytes.size()) {
      bytes.remove(0, int(n));
      return;
    }
    m_Out.removeFirst();
  }
}

void CSimGps::Loop() {
  char buffer[256];
  while (!m_Stop) {
    pollfd p{m_Master, POLLIN, 0};
    ::poll(&p, 1, kPollMs);
    QMutexLocker lock(&m_Mutex);
    if (p.revents & POLLIN) {
      const ssize_t n = ::read(m_Master, buffer, sizeof(buffer));
      if (n > 0) Take(QByteArray(buffer, int(n)));
    }
    if (m_Silent || !m_PvtOn) {
      m_NextSolutionMs = -1;
    } else {
      const qint64 now = ClockMs();
      if (m_NextSolutionMs < 0) m_NextSolutionMs = now + kPeriodMs;
      if (now >= m_NextSolutionMs) {
        m_NextSolutionMs += kPeriodMs;
        if (m_NextSolutionMs <= now) m_NextSolutionMs = now + kPeriodMs;
        Solution s = m_HasSolution ? m_Solution : TransmitterOnTrack(now);
        if (m_NoFix) {
          s.fixType = 0;
          s.flags = 0;
          s.valid = 0;
          s.satellites = 2;
        }
        Queue(NavPvt(s), 0);
        ++m_SolutionsSent;
      }
    }
    WriteDue();
  }
}
