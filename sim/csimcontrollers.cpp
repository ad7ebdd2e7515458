#include "sim/csimcontrollers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringList>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kApplication = 3;
// Periods of the streamed values.
constexpr milliseconds kStickPeriod{20};
constexpr milliseconds kGroupPeriod{100};
constexpr milliseconds kLinkPeriod{200};
constexpr milliseconds kSystemPeriod{500};
}  // namespace

CSimControllers::CSimControllers(const QString& root) : m_Root(root) {
  if (!LoadState()) SaveState();
}

CSimControllers::~CSimControllers() {
  StopServing();
  Detach();
}

QString CSimControllers::StateFile() const { return m_Root + "/sim/controllers.json"; }

bool CSimControllers::LoadState() {
  QFile f(StateFile());
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
  if (o.isEmpty()) return false;
  const QJsonObject t = o.value("transceiver").toObject();
  const QJsonObject s = o.value("stick").toObject();
  std::lock_guard<std::mutex> lock(m_Mutex);
  m_State.transceiverState = t.value("state").toInt(m_State.transceiverState);
  m_State.transceiverMajor = t.value("major").toInt(m_State.transceiverMajor);
  m_State.transceiverMinor = t.value("minor").toInt(m_State.transceiverMinor);
  m_State.stickState = s.value("state").toInt(m_State.stickState);
  m_State.stickMajor = s.value("major").toInt(m_State.stickMajor);
  m_State.stickMinor = s.value("minor").toInt(m_State.stickMinor);
  m_State.stickSerial = quint32(s.value("serial").toDouble(m_State.stickSerial));
  m_State.directions = quint32(s.value("directions").toDouble(m_State.directions));
  return true;
}

bool CSimControllers::SaveState() const {
  Persistent p = State();
  QJsonObject t{{"state", p.transceiverState}, {"major", p.transceiverMajor}, {"minor", p.transceiverMinor}};
  QJsonObject s{{"state", p.stickState},   {"major", p.stickMajor},
                {"minor", p.stickMinor},   {"serial", double(p.stickSerial)},
                {"directions", double(p.directions)}};
  QDir().mkpath(QFileInfo(StateFile()).absolutePath());
  QSaveFile f(StateFile());
  if (!f.open(QIODevice::WriteOnly)) return false;
  f.write(QJsonDocument(QJsonObject{{"transceiver", t}, {"stick", s}}).toJson());
  return f.commit();
}

CSimControllers::Persistent CSimControllers::State() const {
  std::lock_guard<std::mutex> lock(m_Mutex);
  return m_State;
}

// ---- the bus ------------------------------------------------------------------

bool CSimControllers::Attach(int fd) {
  if (fd < 0) return false;
  Detach();
  m_Stop = false;
  m_Fd = fd;
  m_Reader = std::thread([this, fd] { ReaderLoop(fd); });
  m_Writer = std::thread([this] { WriterLoop(); });
  return true;
}

void CSimControllers::Detach() {
  const int fd = m_Fd;
  if (fd < 0) return;
  m_Stop = true;
  ::shutdown(fd, SHUT_RDWR);
  m_Wake.notify_all();
  if (m_Reader.joinable()) m_Reader.join();
  if (m_Writer.joinable()) m_Writer.join();
  ::close(fd);
  m_Fd = -1;
  std::lock_guard<std::mutex> lock(m_Mutex);
  m_Out.clear();
}

void CSimControllers::ReaderLoop(int fd) {
  unsigned char buf[64];
  while (!m_Stop) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 100) <= 0) continue;
    const ssize_t n = ::recv(fd, buf, sizeof(buf), 0);
    if (n == 0) break;  // the program went away
    if (n < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      break;
    }
    CSimFrame frame;
    if (n != 16 || buf[4] > 8) {
      std::lock_guard<std::mutex> lock(m_Mutex);
      ++m_BadFrames;
      continue;
    }
    std::memcpy(&frame, buf, sizeof(frame));
    ++m_FramesReceived;
    CSimMessage message;
    bool complete;
    {
      std::lock_guard<std::mutex> lock(m_Mutex);
      complete = m_Reassembler.Feed(frame, &message);
      if (complete) {
        m_BytesReceived += quint64(message.data.size());
        ++m_ReceivedCount[message.id];
        // Keep the recent messages only: bursts are counted, not kept.
        if (m_Received.size() < 4096) m_Received.append(message);
      }
    }
    if (complete) Handle(message);
  }
}

void CSimControllers::WriterLoop() {
  const int fd = m_Fd;
  Clock::time_point next = Clock::now();
  while (!m_Stop) {
    std::deque<CSimFrame> out;
    {
      std::unique_lock<std::mutex> lock(m_Mutex);
      m_Wake.wait_until(lock, next, [this] { return m_Stop || !m_Out.empty(); });
      out.swap(m_Out);
    }
    if (m_Stop) break;
    const Clock::time_point now = Clock::now();
    if (now >= next) {
      StreamDue(now);
      next = now + milliseconds(5);
      std::lock_guard<std::mutex> lock(m_Mutex);
      while (!m_Out.empty()) {
        out.push_back(m_Out.front());
        m_Out.pop_front();
      }
    }
    for (const CSimFrame& f : out) {
      if (::send(fd, &f, sizeof(f), MSG_NOSIGNAL) != sizeof(f) && errno != EINTR) break;
    }
  }
}

void CSimControllers::Queue(const QVector<CSimFrame>& frames) {
  {
    std::lock_guard<std::mutex> lock(m_Mutex);
    for (CSimFrame f : frames) {
      if (m_RemoteFrames) f.ident |= kSimRemote;
      m_Out.push_back(f);
    }
  }
  m_Wake.notify_all();
}

void CSimControllers::QueueMessage(Node node, int id, const QByteArray& data) {
  if ((node == Transceiver && m_SilentTransceiver) || (node == Stick && m_SilentStick)) return;
  Queue(CSimCodec::Encode(node, id, data, false, m_SequenceGap));
}

QByteArray CSimControllers::Le16(std::initializer_list<int> values) {
  QByteArray out;
  for (int v : values) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
  }
  return out;
}

// ---- the two controllers ---------------------------------------------------------

void CSimControllers::Handle(const CSimMessage& m) {
  // Only the program's requests are answered, never a remote frame.
  if (m.node != kApplication || m.remote) return;
  const Persistent p = State();
  if (m.id == 128 && m.data.size() == 8 && m.data[0] == 1) {
    QByteArray a;
    a.append(char(1)).append(char(p.transceiverState)).append(char(p.transceiverMajor)).append(char(p.transceiverMinor));
    QueueMessage(Transceiver, 128, a);
  } else if (m.id == 129 && m.data.size() == 8 && m.data[0] == 1) {
    QByteArray a;
    a.append(char(1)).append(char(p.stickState)).append(char(p.stickMajor)).append(char(p.stickMinor));
    for (int i = 0; i < 4; ++i) a.append(char((p.stickSerial >> (8 * i)) & 0xFF));
    QueueMessage(Stick, 129, a);
  } else if (m.id == 150 && m.data.isEmpty()) {
    QByteArray a;
    for (int i = 0; i < 4; ++i) a.append(char((p.directions >> (8 * i)) & 0xFF));
    QueueMessage(Stick, 64, a);
  }
}

void CSimControllers::StreamDue(Clock::time_point now) {
  static thread_local Clock::time_point sticks, groups, link, system;
  if (!m_Streaming) return;
  // A wrong length is one byte short of the message's length.
  const int cut = m_WrongLengths ? 1 : 0;
  std::unique_lock<std::mutex> lock(m_Mutex);
  const auto sticksNow = Le16({m_Sticks[0], m_Sticks[1], m_Sticks[2], m_Sticks[3]});
  const auto encoders = Le16({m_Encoders[0], m_Encoders[1], m_Encoders[2], m_Encoders[3]});
  QByteArray switches[5];
  for (int g = 0; g < 5; ++g)
    switches[g] = Le16({m_Switches[g][0], m_Switches[g][1], m_Switches[g][2], m_Switches[g][3]});
  QByteArray trims35 = Le16({m_Trims[0], m_Trims[1], m_Trims[2]});
  trims35.append(char(m_FlightMode));
  QByteArray trims36 = Le16({m_Trims[3], m_Trims[4], m_Trims[5]});
  trims36.append(char(m_FlightMode));
  const auto special = Le16({m_Special[0], m_Special[1], m_Special[2], m_Special[3]});
  const auto systemData = Le16({m_System[0], m_System[1], m_System[2], m_System[3]});
  QByteArray linkData;
  for (int v : m_Link) linkData.append(char(v));
  lock.unlock();

  if (now >= sticks) {
    sticks = now + kStickPeriod;
    QueueMessage(Stick, 1, sticksNow.left(8 - cut));
  }
  if (now >= groups) {
    groups = now + kGroupPeriod;
    QueueMessage(Stick, 3, encoders.left(8 - cut));
    for (int g = 0; g < 5; ++g) QueueMessage(Stick, 4 + g, switches[g].left(8 - cut));
    QueueMessage(Transceiver, 35, trims35.left(7 - cut));
    QueueMessage(Transceiver, 36, trims36.left(7 - cut));
    QueueMessage(Transceiver, 37, special.left(8 - cut));
  }
  if (now >= link) {
    link = now + kLinkPeriod;
    QueueMessage(Transceiver, 64, linkData);
  }
  if (now >= system) {
    system = now + kSystemPeriod;
    QueueMessage(Stick, 16, systemData.left(8 - cut));
  }
}

// ---- knobs, values, unsolicited messages ---------------------------------------------

void CSimControllers::SetSilent(Node node, bool silent) {
  (node == Transceiver ? m_SilentTransceiver : m_SilentStick) = silent;
}
void CSimControllers::SetStreaming(bool on) { m_Streaming = on; }
void CSimControllers::SetWrongLengths(bool on) { m_WrongLengths = on; }
void CSimControllers::SetRemoteFrames(bool on) { m_RemoteFrames = on; }
void CSimControllers::SetSequenceGap(bool on) { m_SequenceGap = on; }

void CSimControllers::Send(Node node, int id, const QByteArray& data) {
  Queue(CSimCodec::Encode(node, id, data, false, m_SequenceGap));
}

void CSimControllers::SendRawFrame(const CSimFrame& frame) { Queue({frame}); }

void CSimControllers::SendOversizeHeader(Node node, int id) {
  Queue({CSimCodec::LongFrame(node, id, 0, QByteArray::fromHex("e9030000"))});
}

void CSimControllers::SendErrorReport(Node node, quint32 code, int id) {
  QByteArray data;
  for (int i = 0; i < 4; ++i) data.append(char((code >> (8 * i)) & 0xFF));
  Send(node, id, data);
}

void CSimControllers::SetSticks(int a, int b, int c, int d) {
  std::lock_guard<std::mutex> lock(m_Mutex);
  m_Sticks[0] = a; m_Sticks[1] = b; m_Sticks[2] = c; m_Sticks[3] = d;
}

void CSimControllers::SetEncoders(int sla, int roa, int slb, int rob) {
  std::lock_guard<std::mutex> lock(m_Mutex);
  m_Encoders[0] = sla; m_Encoders[1] = roa; m_Encoders[2] = slb; m_Encoders[3] = rob;
}

void CSimControllers::SetSwitchGroup(int message, int v1, int v2, int v3, int v4) {
  if (message < 4 || message > 8) return;
  std::lock_guard<std::mutex> lock(m_Mutex);
  int* g = m_Switches[message - 4];
  g[0] = v1; g[1] = v2; g[2] = v3; g[3] = v4;
}

void CSimControllers::SetTrims(const int values[6], int flightMode) {
  std::lock_guard<std::mutex> lock(m_Mutex);
  for (int i = 0; i < 6; ++i) m_Trims[i] = values[i];
  m_FlightMode = flightMode;
}

void CSimControllers::SetSpecialSwitches(int v1, int v2, int v3, int v4) {
  std::lock_guard<std::mutex> lock(m_Mutex);
  m_Special[0] = v1; m_Special[1] = v2; m_Special[2] = v3; m_Special[3] = v4;
}

void CSimControllers::SetSystemData(int akku1, int akku2, int current, int brightness) {
  std::lock_guard<std::mutex> lock(m_Mutex);
  m_System[0] = akku1; m_System[1] = akku2; m_System[2] = current; m_System[3] = brightness;
}

void CSimControllers::SetLinkQuality(int lqi1, int lqi2, int rssi1, int rssi2) {
  std::lock_guard<std::mutex> lock(m_Mutex);
  m_Link[0] = lqi1; m_Link[1] = lqi2; m_Link[2] = rssi1; m_Link[3] = rssi2;
}

void CSimControllers::SetDirections(quint32 directions) {
  {
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_State.directions = directions;
  }
  SaveState();
}

int CSimControllers::Received(int id) const {
  std::lock_guard<std::mutex> lock(m_Mutex);
  return m_ReceivedCount.value(id);
}

QList<CSimMessage> CSimControllers::ReceivedMessages() const {
  std::lock_guard<std::mutex> lock(m_Mutex);
  return m_Received;
}

int CSimControllers::BadFrames() const {
  std::lock_guard<std::mutex> lock(m_Mutex);
  return m_BadFrames + m_Reassembler.Errors();
}

void CSimControllers::ClearCounters() {
  std::lock_guard<std::mutex> lock(m_Mutex);
  m_ReceivedCount.clear();
  m_Received.clear();
  m_BadFrames = 0;
  m_FramesReceived = 0;
  m_BytesReceived = 0;
}

// ---- console: server socket and scripts ---------------------------------------------

bool CSimControllers::Serve(const QString& socketPath) {
  StopServing();
  const QByteArray path = QFile::encodeName(socketPath);
  sockaddr_un addr;
  if (size_t(path.size()) >= sizeof(addr.sun_path)) return false;
  const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  std::memset(&addr, 0, sizeof(addr));
  addr.sun_family = AF_UNIX;
  std::memcpy(addr.sun_path, path.constData(), size_t(path.size()));
  QDir().mkpath(QFileInfo(socketPath).absolutePath());
  ::unlink(path.constData());
  if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0 || ::listen(fd, 4) != 0) {
    ::close(fd);
    return false;
  }
  m_ListenFd = fd;
  m_SocketPath = socketPath;
  m_StopServing = false;
  m_Server = std::thread([this, fd] { ServerLoop(fd); });
  return true;
}

void CSimControllers::ServerLoop(int listenFd) {
  while (!m_StopServing) {
    pollfd p{listenFd, POLLIN, 0};
    if (::poll(&p, 1, 100) <= 0) continue;
    const int client = ::accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (client >= 0) Attach(client);
  }
}

void CSimControllers::StopServing() {
  if (m_ListenFd < 0) return;
  m_StopServing = true;
  if (m_Server.joinable()) m_Server.join();
  ::close(m_ListenFd);
  m_ListenFd = -1;
  ::unlink(QFile::encodeName(m_SocketPath).constData());
}

bool CSimControllers::RunScript(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  while (!f.atEnd()) {
    const QString line = QString::fromUtf8(f.readLine()).trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    const QStringList parts = line.split(QRegExp("\\s+"));
    if (parts.size() < 3) return false;
    bool ok1 = false, ok2 = false, ok3 = false;
    const int delay = parts[0].toInt(&ok1);
    const int node = parts[1].toInt(&ok2);
    const int id = parts[2].toInt(&ok3);
    if (!ok1 || !ok2 || !ok3 || (node != Transceiver && node != Stick) || id < 0 || id > 255) return false;
    const QByteArray data = QByteArray::fromHex(parts.mid(3).join(QString()).toLatin1());
    if (data.size() > 999) return false;
    std::this_thread::sleep_for(milliseconds(delay));
    Send(Node(node), id, data);
  }
  return true;
}
