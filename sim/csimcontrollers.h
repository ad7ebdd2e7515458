#pragma once
// The simulated transceiver controller (node 1) and stick controller (node 2)
// on the CAN stand-in. Each controller's answers to the program's requests
// live in a class of its own (CSimTransceiver, CSimStick) with knobs per
// request (delay, silence, refusal, an answer only from the n-th try); this
// object is the bus between them and the program: it streams the control
// values, reports trims and toggle switches when they change, and keeps
// what a real controller keeps across power cycles (versions, serial number,
// the direction word, the binding configuration) in
// "<root>/sim/controllers.json" (the transceiver's model in a file of its
// own). Fault knobs, counters and calls that push unsolicited messages serve
// the tests and the console.
//
// In-process: Attach() one end of a socketpair. Desktop run: Serve() the
// stand-in server at "<root>/run/can0"; each new connection replaces the last.
// On the larger board Serve() also opens the GPS receiver's line at
// "<root>/dev/ttymxc2", the receiver quiet until a test or the console
// switches it on (Gps().SetSilent(false)).
// The streaming thread takes its time from a KLX_Clock (SetClock before
// Attach), so a test steps through seconds of streaming without sleeping.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QString>
#include <QWaitCondition>

#include <atomic>
#include <deque>
#include <thread>

#include "sim/csimcodec.h"
#include "sim/csimmessageids.h"
#include "sim/csimgps.h"
#include "sim/csimsensors.h"
#include "sim/csimstick.h"
#include "sim/csimtransceiver.h"
#include "sim/csimupdatepeers.h"

class KLX_Clock;

class CSimControllers {
 public:
  enum Node { Transceiver = SimNodeTransceiver, Stick = SimNodeStick };

  // What a controller keeps across power cycles.
  struct Persistent {
    int transceiverMajor = 1;
    int transceiverMinor = 0;
    int stickMajor = 1;
    int stickMinor = 0;
    quint32 stickSerial = 100200;
    quint32 directions = 0;    // bit set: the control reports inverted
    quint64 bindConfig = 0;    // the transceiver's binding configuration
    int receiverMask = 0;      // bit n: receiver slot n bound under it
    int receiverMajor = 2;     // the receiver's firmware, as it reports it at binding
    int receiverMinor = 4;
    bool stickApplication = true;        // false once erased and not yet whole again
    bool transceiverApplication = true;
  };

  explicit CSimControllers(const QString& root);
  ~CSimControllers();

  void SetClock(KLX_Clock* clock);  // before Attach; default the system's clock
  bool Attach(int fd);  // takes the descriptor over
  void Detach();
  bool Serve(const QString& socketPath);
  void StopServing();
  bool IsAttached() const { return m_Fd >= 0; }

  // ---- each controller's answers to requests, with their knobs ----
  CSimTransceiver& TransceiverController() { return m_TransceiverController; }
  CSimStick& StickController() { return m_StickController; }
  // The sensors behind the receiver, polled while streaming.
  CSimSensors& Sensors() { return m_Sensors; }
  // The larger board's GPS receiver on its serial line.
  CSimGps& Gps() { return m_Gps; }
  // The boot loaders and the modem a firmware update reaches.
  CSimUpdatePeers& UpdatePeers() { return m_UpdatePeers; }
  // ---- fault knobs ----
  void SetSilent(Node node, bool silent);        // no answers, no stream
  void SetStreaming(bool on);                    // periodic and changed values (default on)
  void SetWrongLengths(bool on);                 // position messages one byte short
  void SetRemoteFrames(bool on);                 // every frame with the RTR bit
  void SetSequenceGap(bool on);                  // long messages lose data frame 2
  // Frames take the time they take on a bus of this many bits per second
  // (0: no pacing). Real time only: false while a test's clock is set.
  bool SetBusPacing(int bitsPerSecond);
  // The nominal length in bits of a frame on the bus (without stuff bits):
  // 47 + 8 per data byte for a standard frame, 67 + 8 per byte for an extended one.
  static int FrameBits(const CSimFrame& frame);
  // Bits of all frames both ways since the counters were cleared.
  quint64 BusBits() const { return m_BusBits; }
  // Where a paced bus stood idle (microseconds): before the program's first
  // frame of a message (its turnaround), between the frames of one of its
  // long messages (its frames came late), and before the controllers' answers.
  enum BusGap { GapProgramTurnaround, GapProgramWithinMessage, GapControllers, GapKinds };
  quint64 BusIdleUs(BusGap gap) const { return m_BusIdleUs[gap]; }
  // ---- unsolicited messages ----
  void Send(Node node, int id, const QByteArray& data);
  void SendRawFrame(const CSimFrame& frame);
  void SendOversizeHeader(Node node, int id);    // a header announcing 1001 bytes
  void SendErrorReport(Node node, quint32 code, int id = SimErrorReport);
  // ---- the values the controllers report ----
  void SetSticks(int a, int b, int c, int d);
  void SetEncoders(int sla, int roa, int slb, int rob);
  void SetSwitchGroup(int message, int v1, int v2, int v3, int v4);  // messages 4 to 8
  void SetTrims(const int values[6], int flightMode);
  void SetSpecialSwitches(int v1, int v2, int v3, int v4);
  void SetSystemData(int akku1, int akku2, int current, int brightness);
  void SetLinkQuality(int lqi1, int lqi2, int rssi1, int rssi2);
  void SetDirections(quint32 directions);        // kept in the state file
  void SetTransceiverVersion(int major, int minor);  // kept in the state file
  void SetStickVersion(int major, int minor);        // kept in the state file
  void SetStickSerial(quint32 serial);               // kept in the state file
  void SetBinding(quint64 configuration, int receiverMask);  // kept in the state file
  void SetReceiverVersion(int major, int minor);             // kept in the state file
  void SetApplicationWhole(Node node, bool whole);            // kept in the state file
  // The trims and toggles as the transceiver's model sets them: nothing is
  // reported for them (the program has just sent them).
  void SetLiveTrimsAndToggles(const int trims[6], const int toggles[4]);
  int FlightMode() const;
  // One physical control by its id (see CSimControls), as a hand moves it:
  // the value is snapped to the control's positions; pressing a two-position
  // switch flips its toggle. False for an id the controllers do not have.
  bool SetControl(int id, int value);
  // The control's physical position (before the direction word), -2048 unknown.
  int Control(int id) const;
  // The value the program hears of it (after the direction word), -2048 unknown.
  int ReportedControl(int id) const;
  // The controllers' clock, in milliseconds.
  qint64 ClockNowMs() const;
  // A click of trim 0..5 (A to F) up (+1) or down (-1): the stick controller
  // reports the click, the transceiver controller moves the trim one step.
  bool ClickTrim(int trim, int direction);

  // ---- counters ----
  int Received(int id) const;
  QList<CSimMessage> ReceivedMessages() const;
  int Sent(Node node, int id) const;
  int BadFrames() const;
  quint64 FramesReceived() const { return m_FramesReceived; }
  quint64 BytesReceived() const { return m_BytesReceived; }
  // Frames queued for the program since the start (never cleared).
  quint64 FramesQueued() const { return m_FramesQueued; }
  // Every frame the program sent has been read and handled, the answers it
  // asked for at once are sent and the delayed ones kept.
  bool AllRead() const;
  void ClearCounters();

  Persistent State() const;
  QString StateFile() const;
  QString Root() const { return m_Root; }
  // For the controllers' answers: an answer goes out after `delayMs` on the
  // controllers' clock (at once for 0), unless its controller is silent then.
  void QueueAnswer(Node node, int id, const QByteArray& data, int delayMs);
  // The trims and toggles go out once more (after a synchronisation).
  void ReportTrimsAndTogglesOnce();
  // Console: scripted messages "<delay ms> <node> <id> <hex bytes>", one a line.
  bool RunScript(const QString& file);

 private:
  enum Stream { SticksStream, GroupsStream, LinkStream, SystemStream, SensorStream, StreamCount };

  void ReaderLoop(int fd);
  void WriterLoop(int fd);
  // Sends what is queued, in order, at the bus's pace (until the peer is gone).
  void FlushOut(int fd);
  void ServerLoop(int listenFd);
  void Handle(const CSimMessage& message);
  void Queue(const QVector<CSimFrame>& frames);
  void QueueMessage(Node node, int id, const QByteArray& data);
  // Queues what is due at `now`; returns when the next stream is due.
  qint64 StreamDue(qint64 now);
  // Queues the delayed answers due at `now`; returns when the next is due.
  qint64 AnswersDue(qint64 now);
  const int* PositionSlot(int message, int slot) const;  // under the lock
  bool LoadState();
  bool SaveState() const;
  // Changes the kept state under the lock, then writes the state file.
  template <typename Change>
  void ChangeState(Change change) {
    {
      QMutexLocker lock(&m_Mutex);
      change(m_State);
    }
    SaveState();
  }
  KLX_Clock& Clock() const;
  static QByteArray Le16(std::initializer_list<int> values);
  // The transceiver's model follows its own moves of the trims and toggles.
  void TrimsMoved();
  void TogglesMoved();
  // Pacing: the bus is busy until `m_BusFree` (steady clock, microseconds);
  // a frame takes its bits' time from when the bus is free.
  qint64 ReserveBus(const CSimFrame& frame, bool fromProgram);
  static qint64 NowUs();
  static void WaitUntilUs(qint64 at);

  struct Delayed {
    qint64 due;
    Node node;
    int id;
    QByteArray data;
  };

  QString m_Root;
  mutable QMutex m_Mutex;  // state, values, counters, queue, delayed answers
  QWaitCondition m_Wake;
  QMutex m_WriteMutex;  // one thread at a time sends the queued frames
  mutable QMutex m_ReadMutex;  // the reader from taking a frame to its answers
  std::deque<CSimFrame> m_Out;
  quint64 m_Changes = 0;  // what the writer's wait depends on changed
  std::atomic<bool> m_Stop{false};  // set under the lock, read by the reader without
  Persistent m_State;
  int m_Sticks[4] = {0, 0, 0, 0};
  int m_Encoders[4] = {0, 0, 0, 0};
  int m_Switches[5][4] = {};
  int m_Trims[6] = {};
  int m_FlightMode = 0;
  int m_Special[4] = {2047, 2047, 2047, 2047};
  int m_System[4] = {800, 790, 120, 50};
  int m_Link[4] = {100, 100, -40, -45};
  // Trims (messages 35, 36) and toggles (37) go out when they change and
  // once after a synchronisation, never periodically: each of them marks
  // the program's model as modified.
  bool m_TrimsDue[2] = {false, false};
  bool m_SpecialDue = false;
  qint64 m_Next[StreamCount] = {};
  QMap<int, int> m_ReceivedCount;
  QMap<int, int> m_SentCount;  // node x 256 + id
  QList<CSimMessage> m_Received;
  int m_BadFrames = 0;
  CSimReassembler m_Reassembler;
  QList<Delayed> m_Delayed;
  CSimTransceiver m_TransceiverController{*this};
  CSimStick m_StickController{*this};
  CSimSensors m_Sensors{*this};
  CSimGps m_Gps;
  CSimUpdatePeers m_UpdatePeers{*this};

  std::atomic<KLX_Clock*> m_Clock{nullptr};
  std::atomic<bool> m_SilentTransceiver{false};
  std::atomic<bool> m_SilentStick{false};
  std::atomic<bool> m_Streaming{true};
  std::atomic<bool> m_WrongLengths{false};
  std::atomic<bool> m_RemoteFrames{false};
  std::atomic<bool> m_SequenceGap{false};
  std::atomic<quint64> m_FramesReceived{0};
  std::atomic<quint64> m_BytesReceived{0};
  std::atomic<quint64> m_FramesQueued{0};
  std::atomic<quint64> m_BusBits{0};
  std::atomic<quint64> m_BusIdleUs[GapKinds] = {};
  std::atomic<int> m_BitsPerSecond{0};
  QMutex m_BusMutex;
  qint64 m_BusFree = 0;

  std::atomic<int> m_Fd{-1};
  std::thread m_Reader;
  std::thread m_Writer;
  int m_ListenFd = -1;
  std::atomic<bool> m_StopServing{false};
  std::thread m_Server;
  QString m_SocketPath;
};
