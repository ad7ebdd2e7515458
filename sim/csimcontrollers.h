#pragma once
// The simulated transceiver controller (node 1) and stick controller (node 2)
// on the CAN stand-in. They answer the program's synchronisation requests,
// stream the control values, and keep what a real controller keeps across
// power cycles in "<root>/sim/controllers.json". Fault knobs, counters and
// calls that push unsolicited messages serve the tests and the console.
//
// In-process: Attach() one end of a socketpair. Desktop run: Serve() the
// stand-in server at "<root>/run/can0"; each new connection replaces the last.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "sim/csimcodec.h"

class CSimControllers {
 public:
  enum Node { Transceiver = 1, Stick = 2 };

  // What a controller keeps across power cycles.
  struct Persistent {
    int transceiverState = 1;  // 1: ready
    int transceiverMajor = 1;
    int transceiverMinor = 0;
    int stickState = 2;        // 2: ready
    int stickMajor = 1;
    int stickMinor = 0;
    quint32 stickSerial = 100200;
    quint32 directions = 0;
  };

  explicit CSimControllers(const QString& root);
  ~CSimControllers();

  bool Attach(int fd);  // takes the descriptor over
  void Detach();
  bool Serve(const QString& socketPath);
  void StopServing();
  bool IsAttached() const { return m_Fd >= 0; }

  // ---- fault knobs ----
  void SetSilent(Node node, bool silent);        // no answers, no stream
  void SetStreaming(bool on);                    // periodic values (default on)
  void SetWrongLengths(bool on);                 // position messages one byte short
  void SetRemoteFrames(bool on);                 // every frame with the RTR bit
  void SetSequenceGap(bool on);                  // long messages lose data frame 2
  // ---- unsolicited messages ----
  void Send(Node node, int id, const QByteArray& data);
  void SendRawFrame(const CSimFrame& frame);
  void SendOversizeHeader(Node node, int id);    // a header announcing 1001 bytes
  void SendErrorReport(Node node, quint32 code, int id = 254);
  // ---- the values the controllers stream ----
  void SetSticks(int a, int b, int c, int d);
  void SetEncoders(int sla, int roa, int slb, int rob);
  void SetSwitchGroup(int message, int v1, int v2, int v3, int v4);  // messages 4 to 8
  void SetTrims(const int values[6], int flightMode);
  void SetSpecialSwitches(int v1, int v2, int v3, int v4);
  void SetSystemData(int akku1, int akku2, int current, int brightness);
  void SetLinkQuality(int lqi1, int lqi2, int rssi1, int rssi2);
  void SetDirections(quint32 directions);        // kept in the state file

  // ---- counters ----
  int Received(int id) const;
  QList<CSimMessage> ReceivedMessages() const;
  int BadFrames() const;
  quint64 FramesReceived() const { return m_FramesReceived; }
  quint64 BytesReceived() const { return m_BytesReceived; }
  void ClearCounters();

  Persistent State() const;
  QString StateFile() const;
  // Console: scripted messages "<delay ms> <node> <id> <hex bytes>", one a line.
  bool RunScript(const QString& file);

 private:
  void ReaderLoop(int fd);
  void WriterLoop();
  void ServerLoop(int listenFd);
  void Handle(const CSimMessage& message);
  void Queue(const QVector<CSimFrame>& frames);
  void QueueMessage(Node node, int id, const QByteArray& data);
  void StreamDue(std::chrono::steady_clock::time_point now);
  bool LoadState();
  bool SaveState() const;
  static QByteArray Le16(std::initializer_list<int> values);

  QString m_Root;
  mutable std::mutex m_Mutex;  // state, values, counters, queue
  std::condition_variable m_Wake;
  std::deque<CSimFrame> m_Out;
  Persistent m_State;
  int m_Sticks[4] = {0, 0, 0, 0};
  int m_Encoders[4] = {0, 0, 0, 0};
  int m_Switches[5][4] = {};
  int m_Trims[6] = {};
  int m_FlightMode = 0;
  int m_Special[4] = {2047, 2047, 2047, 2047};
  int m_System[4] = {800, 790, 120, 50};
  int m_Link[4] = {100, 100, -40, -45};
  QMap<int, int> m_ReceivedCount;
  QList<CSimMessage> m_Received;
  int m_BadFrames = 0;
  CSimReassembler m_Reassembler;

  std::atomic<bool> m_SilentTransceiver{false};
  std::atomic<bool> m_SilentStick{false};
  std::atomic<bool> m_Streaming{true};
  std::atomic<bool> m_WrongLengths{false};
  std::atomic<bool> m_RemoteFrames{false};
  std::atomic<bool> m_SequenceGap{false};
  std::atomic<quint64> m_FramesReceived{0};
  std::atomic<quint64> m_BytesReceived{0};

  std::atomic<int> m_Fd{-1};
  std::atomic<bool> m_Stop{false};
  std::thread m_Reader;
  std::thread m_Writer;
  int m_ListenFd = -1;
  std::atomic<bool> m_StopServing{false};
  std::thread m_Server;
  QString m_SocketPath;
};
