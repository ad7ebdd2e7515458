#include "sim/csimcontrollers.h"

#include "frame/klx_clock.h"
#include "sim/csimcontrols.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <limits>
#include <array>
#include <thread>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
using CSimControls::kMax;

// Periods of the streamed values in milliseconds, by stream.
constexpr qint64 kPeriod[] = {20, 100, 1000, 500, CSimSensors::kCycleMs};
// While streaming is off the writer looks again this often.
constexpr qint64 kIdleMs = 1000;
constexpr char kClickUp = 0x02;
constexpr char kClickDown = char(0xFE);

bool PositionMessage(int message) { return message >= SimStickPositions && message <= SimStickSwitchesLast; }

// The direction bit of each value slot of the position messages, -1 none.
int DirectionBit(int message, int slot) {
  static const auto table = [] {
    std::array<std::array<int, 4>, SimStickSwitchesLast + 1> bits;
    for (auto& row : bits) row.fill(-1);
    for (const CSimControl& c : CSimControls::All())
      if (c.directionBit >= 0 && PositionMessage(c.message)) bits[c.message][c.slot] = c.directionBit;
    return bits;
  }();
  return PositionMessage(message) && slot >= 0 && slot < 4 ? table[message][slot] : -1;
}

// What the controller reports for a value slot: inverted when its direction bit is set.
int Reported(int message, int slot, int value, quint32 directions) {
  const int bit = DirectionBit(message, slot);
  return bit >= 0 && (directions >> bit) & 1u ? -value : value;
}
}  // namespace

CSimControllers::CSimControllers(const QString& root) : m_Root(root) {
  // Every switch starts in its back position.
  for (auto& group : m_Switches) std::fill(std::begin(group), std::end(group), -kMax);
  if (!LoadState()) SaveState();
  // The transceiver's model and the live trims and toggles it sets.
  m_TransceiverController.PowerUp();
  m_UpdatePeers.PowerUp();
}

CSimControllers::~CSimControllers() {
  StopServing();
  Detach();
}

QString CSimControllers::StateFile() const { return m_Root + "/sim/controllers.json"; }

KLX_Clock& CSimControllers::Clock() const {
  KLX_Clock* clock = m_Clock;
  return clock ? *clock : KLX_Clock::KLX_ClockSystem();
}

void CSimControllers::SetClock(KLX_Clock* clock) {
  m_Clock = clock;
  m_Gps.SetClock(clock);
}

bool CSimControllers::LoadState() {
  QFile f(StateFile());
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
  if (o.isEmpty()) return false;
  const QJsonObject t = o.value("transceiver").toObject();
  const QJsonObject s = o.value("stick").toObject();
  const QJsonObject r = o.value("receiver").toObject();
  QMutexLocker lock(&m_Mutex);
  m_State.transceiverMajor = t.value("major").toInt(m_State.transceiverMajor);
  m_State.transceiverMinor = t.value("minor").toInt(m_State.transceiverMinor);
  m_State.stickMajor = s.value("major").toInt(m_State.stickMajor);
  m_State.stickMinor = s.value("minor").toInt(m_State.stickMinor);
  m_State.stickSerial = quint32(s.value("serial").toDouble(m_State.stickSerial));
  m_State.directions = quint32(s.value("directions").toDouble(m_State.directions));
  // 64 bits do not fit a JSON number: kept as hexadecimal text.
  bool ok = false;
  const quint64 config = t.value("bindConfig").toString().toULongLong(&ok, 16);
  if (ok) m_State.bindConfig = config;
  m_State.receiverMask = t.value("receiverMask").toInt(m_State.receiverMask) & 0xFF;
  m_State.transceiverApplication = t.value("application").toBool(m_State.transceiverApplication);
  m_State.stickApplication = s.value("application").toBool(m_State.stickApplication);
  m_State.receiverMajor = r.value("major").toInt(m_State.receiverMajor);
  m_State.receiverMinor = r.value("minor").toInt(m_State.receiverMinor);
  return true;
}

bool CSimControllers::SaveState() const {
  Persistent p = State();
  QJsonObject t{{"major", p.transceiverMajor},
                {"minor", p.transceiverMinor},
                {"bindConfig", QString::number(p.bindConfig, 16)},
                {"receiverMask", p.receiverMask},
                {"application", p.transceiverApplication}};
  QJsonObject s{{"major", p.stickMajor},
                {"minor", p.stickMinor},
                {"serial", double(p.stickSerial)},
                {"directions", double(p.directions)},
                {"application", p.stickApplication}};
  QJsonObject r{{"major", p.receiverMajor}, {"minor", p.receiverMinor}};
  QDir().mkpath(QFileInfo(StateFile()).absolutePath());
  QSaveFile f(StateFile());
  if (!f.open(QIODevice::WriteOnly)) return false;
  f.write(QJsonDocument(QJsonObject{{"transceiver", t}, {"stick", s}, {"receiver", r}}).toJson());
  return f.commit();
}

CSimControllers::Persistent CSimControllers::State() const {
  QMutexLocker lock(&m_Mutex);
  return m_State;
}

// ---- the bus ------------------------------------------------------------------

bool CSimControllers::Attach(int fd) {
  if (fd < 0) return false;
  Detach();
  {
    QMutexLocker lock(&m_Mutex);
    m_Stop = false;
    const qint64 now = Clock().KLX_ClockNowMs();
    std::fill(std::begin(m_Next), std::end(m_Next), now);
  }
  m_Fd = fd;
  m_Reader = std::thread([this, fd] { ReaderLoop(fd); });
  m_Writer = std::thread([this, fd] { WriterLoop(fd); });
  return true;
}

void CSimControllers::Detach() {
  const int fd = m_Fd;
  if (fd < 0) return;
  {
    QMutexLocker lock(&m_Mutex);
    m_Stop = true;
    Clock().KLX_ClockWake(m_Wake);
  }
  ::shutdown(fd, SHUT_RDWR);
  if (m_Reader.joinable()) m_Reader.join();
  if (m_Writer.joinable()) m_Writer.join();
  ::close(fd);
  m_Fd = -1;
  QMutexLocker lock(&m_Mutex);
  m_Out.clear();
  m_Delayed.clear();
}

namespace {
// The reader thread sends the answers it makes itself, at once, as a
// controller answers as soon as the request has crossed the bus.
thread_local bool t_ReaderSends = false;
}  // namespace

void CSimControllers::ReaderLoop(int fd) {
  unsigned char buf[64];
  while (!m_Stop) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 100) <= 0) continue;
    // A frame is taken, handled and answered under one lock, so that a look
    // at what is left finds it still on the socket or done with.
    QMutexLocker reading(&m_ReadMutex);
    const ssize_t n = ::recv(fd, buf, sizeof(buf), 0);
    if (n == 0) break;  // the program went away
    if (n < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      break;
    }
    CSimFrame frame;
    if (n != 16 || buf[4] > 8) {
      QMutexLocker lock(&m_Mutex);
      ++m_BadFrames;
      continue;
    }
    std::memcpy(&frame, buf, sizeof(frame));
    ++m_FramesReceived;
    const qint64 onBus = ReserveBus(frame, true);
    CSimMessage message;
    bool complete;
    {
      QMutexLocker lock(&m_Mutex);
      complete = m_Reassembler.Feed(frame, &message);
      if (complete) {
        m_BytesReceived += quint64(message.data.size());
        ++m_ReceivedCount[message.id];
        // Keep the recent messages only: bursts are counted, not kept.
        if (m_Received.size() < 4096) m_Received.append(message);
      }
    }
    if (complete) {
      // A message is whole once its last frame has crossed the bus.
      if (onBus > 0) WaitUntilUs(onBus);
      t_ReaderSends = true;
      Handle(message);
      t_ReaderSends = false;
      FlushOut(fd);
    }
  }
}

bool CSimControllers::AllRead() const {
  QMutexLocker reading(&m_ReadMutex);
  const int fd = m_Fd;
  int unread = 0;
  return fd < 0 || (::ioctl(fd, FIONREAD, &unread) == 0 && unread == 0);
}

void CSimControllers::WriterLoop(int fd) {
  while (true) {
    quint64 changes;
    {
      QMutexLocker lock(&m_Mutex);
      changes = m_Changes;
    }
    const qint64 at = Clock().KLX_ClockNowMs();
    const qint64 next = qMin(StreamDue(at), AnswersDue(at));
    {
      QMutexLocker lock(&m_Mutex);
      if (m_Stop) return;
      // A delayed answer or a knob that came while `next` was worked out
      // needs it worked out again, not a wait.
      if (m_Out.empty() && changes == m_Changes) {
        const qint64 now = Clock().KLX_ClockNowMs();
        if (next > now) Clock().KLX_ClockWait(m_Wake, m_Mutex, static_cast<unsigned long>(next - now));
        if (m_Stop) return;
      }
    }
    FlushOut(fd);
  }
}

void CSimControllers::FlushOut(int fd) {
  QMutexLocker writing(&m_WriteMutex);
  std::deque<CSimFrame> out;
  {
    QMutexLocker lock(&m_Mutex);
    out.swap(m_Out);
  }
  for (const CSimFrame& f : out) {
    const qint64 onBus = ReserveBus(f, false);
    if (onBus > 0) WaitUntilUs(onBus);
    // A send a signal interrupts has sent nothing: it is sent again, never
    // skipped.
    ssize_t sent;
    do {
      sent = ::send(fd, &f, sizeof(f), MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    if (sent != ssize_t(sizeof(f))) return;
  }
}

void CSimControllers::Queue(const QVector<CSimFrame>& frames) {
  {
    QMutexLocker lock(&m_Mutex);
    for (CSimFrame f : frames) {
      if (m_RemoteFrames) f.ident |= kSimRemote;
      m_Out.push_back(f);
    }
  }
  m_FramesQueued += quint64(frames.size());
  if (!t_ReaderSends) Clock().KLX_ClockWake(m_Wake);
}

void CSimControllers::QueueMessage(Node node, int id, const QByteArray& data) {
  if ((node == Transceiver && m_SilentTransceiver) || (node == Stick && m_SilentStick)) return;
  {
    QMutexLocker lock(&m_Mutex);
    ++m_SentCount[node * 256 + id];
  }
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
  if (m.node != SimNodeApplication || m.remote) return;
  if (m_UpdatePeers.Handle(m)) return;
  if (!m_TransceiverController.Handle(m)) m_StickController.Handle(m);
}

void CSimControllers::QueueAnswer(Node node, int id, const QByteArray& data, int delayMs) {
  if (delayMs <= 0) {
    QueueMessage(node, id, data);
    return;
  }
  QMutexLocker lock(&m_Mutex);
  m_Delayed.append({Clock().KLX_ClockNowMs() + delayMs, node, id, data});
  ++m_Changes;
  Clock().KLX_ClockWake(m_Wake);
}

qint64 CSimControllers::AnswersDue(qint64 now) {
  QList<Delayed> due;
  qint64 next = std::numeric_limits<qint64>::max();
  {
    QMutexLocker lock(&m_Mutex);
    for (auto it = m_Delayed.begin(); it != m_Delayed.end();) {
      if (it->due <= now) {
        due.append(*it);
        it = m_Delayed.erase(it);
      } else {
        next = qMin(next, it->due);
        ++it;
      }
    }
  }
  for (const Delayed& d : due) QueueMessage(d.node, d.id, d.data);
  return next;
}

void CSimControllers::ReportTrimsAndTogglesOnce() {
  QMutexLocker lock(&m_Mutex);
  m_TrimsDue[0] = m_TrimsDue[1] = m_SpecialDue = true;
}

qint64 CSimControllers::StreamDue(qint64 now) {
  if (!m_Streaming) return now + kIdleMs;
  // A wrong length is one byte short of the message's length.
  const int cut = m_WrongLengths ? 1 : 0;
  struct Out {
    Node node;
    int id;
    QByteArray data;
  };
  QVector<Out> out;
  qint64 next;
  bool due[StreamCount];
  {
    QMutexLocker lock(&m_Mutex);
    for (int s = 0; s < StreamCount; ++s) {
      due[s] = now >= m_Next[s];
      if (due[s]) m_Next[s] = now + kPeriod[s];
    }
    next = *std::min_element(std::begin(m_Next), std::end(m_Next));
    const quint32 dir = m_State.directions;
    auto positions = [&](int message, const int* v) {
      return Le16({Reported(message, 0, v[0], dir), Reported(message, 1, v[1], dir),
                   Reported(message, 2, v[2], dir), Reported(message, 3, v[3], dir)})
          .left(8 - cut);
    };
    if (due[SticksStream]) out.append({Stick, SimStickPositions, positions(SimStickPositions, m_Sticks)});
    if (due[GroupsStream]) {
      out.append({Stick, SimStickEncoders, positions(SimStickEncoders, m_Encoders)});
      for (int g = 0; g < 5; ++g)
        out.append({Stick, SimStickSwitchesFirst + g, positions(SimStickSwitchesFirst + g, m_Switches[g])});
      for (int half = 0; half < 2; ++half) {
        if (!m_TrimsDue[half]) continue;
        m_TrimsDue[half] = false;
        const int* t = m_Trims + 3 * half;
        QByteArray trims = Le16({t[0], t[1], t[2]});
        trims.append(char(m_FlightMode));
        out.append({Transceiver, half == 0 ? SimTransceiverTrimsABC : SimTransceiverTrimsDEF, trims.left(7 - cut)});
      }
      if (m_SpecialDue) {
        m_SpecialDue = false;
        out.append({Transceiver, SimTransceiverSpecialSwitches,
                    Le16({m_Special[0], m_Special[1], m_Special[2], m_Special[3]}).left(8 - cut)});
      }
    }
    if (due[LinkStream]) {
      QByteArray link;
      for (int v : m_Link) link.append(char(v));
      out.append({Transceiver, SimTransceiverLinkQuality, link});
    }
    if (due[SystemStream])
      out.append({Stick, SimStickSystemData, Le16({m_System[0], m_System[1], m_System[2], m_System[3]}).left(8 - cut)});
  }
  // The sensors read the panel's controls: polled outside the lock.
  if (due[SensorStream])
    for (const CSimSensors::Message& m : m_Sensors.Cycle(now)) out.append({Transceiver, m.id, m.data});
  for (const Out& o : out) QueueMessage(o.node, o.id, o.data);
  return next;
}

// ---- knobs, values, unsolicited messages ---------------------------------------------

void CSimControllers::SetSilent(Node node, bool silent) {
  (node == Transceiver ? m_SilentTransceiver : m_SilentStick) = silent;
}
void CSimControllers::SetStreaming(bool on) {
  m_Streaming = on;
  QMutexLocker lock(&m_Mutex);
  ++m_Changes;
  Clock().KLX_ClockWake(m_Wake);
}
void CSimControllers::SetWrongLengths(bool on) { m_WrongLengths = on; }
void CSimControllers::SetRemoteFrames(bool on) { m_RemoteFrames = on; }
void CSimControllers::SetSequenceGap(bool on) { m_SequenceGap = on; }

bool CSimControllers::SetBusPacing(int bitsPerSecond) {
  if (bitsPerSecond > 0 && m_Clock.load()) return false;
  m_BitsPerSecond = qMax(0, bitsPerSecond);
  QMutexLocker lock(&m_BusMutex);
  m_BusFree = 0;
  return true;
}

int CSimControllers::FrameBits(const CSimFrame& frame) {
  const int bytes = qMin<int>(frame.len, 8);
  return (frame.ident & kSimExtended ? 67 : 47) + 8 * bytes;
}

qint64 CSimControllers::NowUs() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

qint64 CSimControllers::ReserveBus(const CSimFrame& frame, bool fromProgram) {
  const int bits = FrameBits(frame);
  m_BusBits += quint64(bits);
  const int rate = m_BitsPerSecond;
  if (rate <= 0) return 0;
  QMutexLocker lock(&m_BusMutex);
  // Frames queue behind each other; an idle bus starts the frame now.
  const qint64 now = NowUs();
  // A pause of more than a second is a quiet bus between two exchanges,
  // not a stall within one.
  if (m_BusFree > 0 && now > m_BusFree && now - m_BusFree < 1000000) {
    // A data frame of a long message (sequence above 0) continues one.
    const bool within = (frame.ident & kSimExtended) && ((frame.ident >> 2) & 0xFFFF) != 0;
    const BusGap gap = !fromProgram ? GapControllers : within ? GapProgramWithinMessage : GapProgramTurnaround;
    m_BusIdleUs[gap] += quint64(now - m_BusFree);
  }
  m_BusFree = qMax(m_BusFree, now) + qint64(bits) * 1000000 / rate;
  return m_BusFree;
}

void CSimControllers::WaitUntilUs(qint64 at) {
  // The wire's own timing, in microseconds, finer than the clock that
  // waiting threads share (pacing is refused while a test's clock is set):
  // a sleep to just before the frame's end, then a short spin, so that
  // sleeps do not stretch the bus.
  constexpr qint64 kSpinUs = 200;
  const qint64 now = NowUs();
  if (at - now > kSpinUs) std::this_thread::sleep_for(std::chrono::microseconds(at - now - kSpinUs));
  while (NowUs() < at) std::this_thread::yield();
}

void CSimControllers::Send(Node node, int id, const QByteArray& data) {
  {
    QMutexLocker lock(&m_Mutex);
    ++m_SentCount[node * 256 + id];
  }
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
  QMutexLocker lock(&m_Mutex);
  m_Sticks[0] = a; m_Sticks[1] = b; m_Sticks[2] = c; m_Sticks[3] = d;
}

void CSimControllers::SetEncoders(int sla, int roa, int slb, int rob) {
  QMutexLocker lock(&m_Mutex);
  m_Encoders[0] = sla; m_Encoders[1] = roa; m_Encoders[2] = slb; m_Encoders[3] = rob;
}

void CSimControllers::SetSwitchGroup(int message, int v1, int v2, int v3, int v4) {
  if (message < SimStickSwitchesFirst || message > SimStickSwitchesLast) return;
  QMutexLocker lock(&m_Mutex);
  int* g = m_Switches[message - SimStickSwitchesFirst];
  g[0] = v1; g[1] = v2; g[2] = v3; g[3] = v4;
}

void CSimControllers::SetTrims(const int values[6], int flightMode) {
  {
    QMutexLocker lock(&m_Mutex);
    for (int half = 0; half < 2; ++half) {
      const bool changed =
          m_FlightMode != flightMode || !std::equal(values + 3 * half, values + 3 * half + 3, m_Trims + 3 * half);
      m_TrimsDue[half] = m_TrimsDue[half] || changed;
    }
    std::copy(values, values + 6, m_Trims);
    m_FlightMode = flightMode;
  }
  TrimsMoved();
}

void CSimControllers::SetSpecialSwitches(int v1, int v2, int v3, int v4) {
  {
    QMutexLocker lock(&m_Mutex);
    const int values[4] = {v1, v2, v3, v4};
    m_SpecialDue = m_SpecialDue || !std::equal(values, values + 4, m_Special);
    std::copy(values, values + 4, m_Special);
  }
  TogglesMoved();
}

void CSimControllers::SetLiveTrimsAndToggles(const int trims[6], const int toggles[4]) {
  QMutexLocker lock(&m_Mutex);
  std::copy(trims, trims + 6, m_Trims);
  std::copy(toggles, toggles + 4, m_Special);
}

int CSimControllers::FlightMode() const {
  QMutexLocker lock(&m_Mutex);
  return m_FlightMode;
}

// Called without the lock: the transceiver takes its own.
void CSimControllers::TrimsMoved() {
  int trims[6];
  int flightMode;
  {
    QMutexLocker lock(&m_Mutex);
    std::copy(m_Trims, m_Trims + 6, trims);
    flightMode = m_FlightMode;
  }
  m_TransceiverController.LiveTrimsMoved(trims, flightMode);
}

void CSimControllers::TogglesMoved() {
  int toggles[4];
  {
    QMutexLocker lock(&m_Mutex);
    std::copy(m_Special, m_Special + 4, toggles);
  }
  m_TransceiverController.LiveTogglesMoved(toggles);
}

void CSimControllers::SetSystemData(int akku1, int akku2, int current, int brightness) {
  QMutexLocker lock(&m_Mutex);
  m_System[0] = akku1; m_System[1] = akku2; m_System[2] = current; m_System[3] = brightness;
}

void CSimControllers::SetLinkQuality(int lqi1, int lqi2, int rssi1, int rssi2) {
  QMutexLocker lock(&m_Mutex);
  m_Link[0] = lqi1; m_Link[1] = lqi2; m_Link[2] = rssi1; m_Link[3] = rssi2;
}

void CSimControllers::SetDirections(quint32 directions) {
  ChangeState([&](Persistent& state) { state.directions = directions; });
}

void CSimControllers::SetTransceiverVersion(int major, int minor) {
  ChangeState([&](Persistent& state) {
    state.transceiverMajor = major;
    state.transceiverMinor = minor;
  });
}

void CSimControllers::SetStickVersion(int major, int minor) {
  ChangeState([&](Persistent& state) {
    state.stickMajor = major;
    state.stickMinor = minor;
  });
}

void CSimControllers::SetStickSerial(quint32 serial) {
  ChangeState([&](Persistent& state) { state.stickSerial = serial; });
}

void CSimControllers::SetBinding(quint64 configuration, int receiverMask) {
  ChangeState([&](Persistent& state) {
    state.bindConfig = configuration;
    state.receiverMask = receiverMask & 0xFF;
  });
}

void CSimControllers::SetReceiverVersion(int major, int minor) {
  ChangeState([&](Persistent& state) {
    state.receiverMajor = major;
    state.receiverMinor = minor;
  });
}

void CSimControllers::SetApplicationWhole(Node node, bool whole) {
  ChangeState([&](Persistent& state) { (node == Stick ? state.stickApplication : state.transceiverApplication) = whole; });
}

const int* CSimControllers::PositionSlot(int message, int slot) const {
  if (slot < 0 || slot > 3) return nullptr;
  if (message == SimStickPositions) return &m_Sticks[slot];
  if (message == SimStickEncoders) return &m_Encoders[slot];
  if (message >= SimStickSwitchesFirst && message <= SimStickSwitchesLast)
    return &m_Switches[message - SimStickSwitchesFirst][slot];
  return nullptr;
}

bool CSimControllers::SetControl(int id, int value) {
  const CSimControl* c = CSimControls::ById(id);
  if (!c) return false;
  // The sequencers ran with the control where it stood until now.
  m_TransceiverController.ControlMoving();
  const int v = CSimControls::Snap(*c, value);
  bool toggled = false;
  {
    QMutexLocker lock(&m_Mutex);
    if (c->kind == CSimControlKind::Trim) {
      m_TrimsDue[c->slot / 3] = m_TrimsDue[c->slot / 3] || m_Trims[c->slot] != v;
      m_Trims[c->slot] = v;
    } else if (c->kind == CSimControlKind::Toggle) {
      m_SpecialDue = m_SpecialDue || m_Special[c->slot] != v;
      m_Special[c->slot] = v;
      toggled = true;
    } else {
      int* at = const_cast<int*>(PositionSlot(c->message, c->slot));
      if (!at) return false;
      const bool pressed = c->kind == CSimControlKind::Switch2 && *at != kMax && v == kMax;
      *at = v;
      if (pressed) {
        // The transceiver controller turns each press into a flip of the toggle.
        for (const CSimControl& t : CSimControls::All()) {
          if (t.toggleOf != id) continue;
          m_Special[t.slot] = m_Special[t.slot] == kMax ? -kMax : kMax;
          m_SpecialDue = true;
          toggled = true;
        }
      }
    }
  }
  if (c->kind == CSimControlKind::Trim) TrimsMoved();
  if (toggled) TogglesMoved();
  m_StickController.ControlMoved(*c, v);
  return true;
}

int CSimControllers::Control(int id) const {
  const CSimControl* c = CSimControls::ById(id);
  if (!c) return -2048;
  QMutexLocker lock(&m_Mutex);
  if (c->kind == CSimControlKind::Trim) return m_Trims[c->slot];
  if (c->kind == CSimControlKind::Toggle) return m_Special[c->slot];
  const int* at = PositionSlot(c->message, c->slot);
  return at ? *at : -2048;
}

int CSimControllers::ReportedControl(int id) const {
  const CSimControl* c = CSimControls::ById(id);
  if (!c || c->kind == CSimControlKind::Trim || c->kind == CSimControlKind::Toggle) return Control(id);
  const int v = Control(id);
  if (v == -2048) return v;
  QMutexLocker lock(&m_Mutex);
  return Reported(c->message, c->slot, v, m_State.directions);
}

qint64 CSimControllers::ClockNowMs() const { return Clock().KLX_ClockNowMs(); }

bool CSimControllers::ClickTrim(int trim, int direction) {
  if (trim < 0 || trim > 5 || direction == 0) return false;
  QByteArray clicks(6, '\0');
  clicks[trim] = direction > 0 ? kClickUp : kClickDown;
  QueueMessage(Stick, SimStickTrimClicks, clicks);
  {
    QMutexLocker lock(&m_Mutex);
    const int v = qBound(-kMax, m_Trims[trim] + (direction > 0 ? 1 : -1) * CSimControls::kTrimStep, kMax);
    m_TrimsDue[trim / 3] = m_TrimsDue[trim / 3] || v != m_Trims[trim];
    m_Trims[trim] = v;
  }
  TrimsMoved();
  return true;
}

int CSimControllers::Received(int id) const {
  QMutexLocker lock(&m_Mutex);
  return m_ReceivedCount.value(id);
}

QList<CSimMessage> CSimControllers::ReceivedMessages() const {
  QMutexLocker lock(&m_Mutex);
  return m_Received;
}

int CSimControllers::Sent(Node node, int id) const {
  QMutexLocker lock(&m_Mutex);
  return m_SentCount.value(node * 256 + id);
}

int CSimControllers::BadFrames() const {
  QMutexLocker lock(&m_Mutex);
  return m_BadFrames + m_Reassembler.Errors();
}

void CSimControllers::ClearCounters() {
  QMutexLocker lock(&m_Mutex);
  m_ReceivedCount.clear();
  m_SentCount.clear();
  m_Received.clear();
  m_BadFrames = 0;
  m_FramesReceived = 0;
  m_BytesReceived = 0;
  m_BusBits = 0;
  for (auto& idle : m_BusIdleUs) idle = 0;
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
  // The larger board names itself without a trailing blank.
  QFile board(m_Root + QStringLiteral("/sys/bdinfo/board_name"));
  if (board.open(QIODevice::ReadOnly) && board.readAll() == "efusa9x\n") {
    m_Gps.SetSilent(true);
    return m_Gps.Open(m_Root + QStringLiteral("/dev/ttymxc2"));
  }
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
  m_Gps.Close();
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
    Clock().KLX_ClockSleep(static_cast<unsigned long>(qMax(0, delay)));
    Send(Node(node), id, data);
  }
  return true;
}
