#pragma once
// The message layer with its threads on one end of a socketpair; the test
// holds the other end and speaks raw 16-byte frames, or hands it to the
// simulated controllers. The threads wait on a manual clock that the test
// steps.
#include <QByteArray>
#include <QtTest>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "frame/klx_clock.h"
#include "frame/klx_languagehandler.h"
#include "link/klx_messageids.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "sim/csimboard.h"
#include "tasks/klx_guicommandhandler.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"
#include "vorn_testroot.h"

// Identifiers spelt out as the frame table gives them, not through the codec.
inline uint32_t ShortId(int node, int id) { return uint32_t(id) + 256u * uint32_t(node); }
inline uint32_t LongId(int node, int id, int sequence) {
  return ((uint32_t(node) * 16777216u + uint32_t(id) * 65536u + uint32_t(sequence)) * 4u) | 0x80000000u;
}

struct LinkRig {
  VornTestRoot root;
  // Outlives the threads that wait on it.
  KLX_ManualClock clock;
  KLX_RuntimeDatabaseManager runtime;
  KLX_DataBaseManager db;
  KLX_GuiCommandHandler gui;
  KLX_VornHandler vorn;
  KLX_Protocol protocol;
  int peer = -1;
  // The clock of the task engine and the GUI command thread, set before
  // Start (the system's when none); with guiUp the GUI command thread runs.
  KLX_Clock* taskClock = nullptr;
  bool guiUp = false;

  // Starts the layer on a socketpair; with keepPeer false the caller takes
  // the other end (for the simulated controllers).
  bool Start() {
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, fds) != 0) return false;
    peer = fds[1];
    // A board with all its files: the start reports nothing.
    if (!CSimBoard(root.Path(), CSimBoard::Vorn).Prepare()) return false;
    if (db.KLX_DataBaseManagerInitialize(&protocol, &vorn, &KLXlanguageHandler, &runtime) != KLX_Ok) return false;
    // The task engine is up with its processing off: the controllers'
    // answers for a task wait in its queues, where the test takes them.
    if (taskClock) {
      vorn.KLX_VornHandlerSetClock(taskClock);
      gui.KLX_GuiCommandHandlerSetClock(taskClock);
    }
    if (vorn.KLX_VornHandlerInitialize(&db, &protocol, &gui, &runtime) != KLX_Ok) return false;
    if (guiUp && gui.KLX_GuiCommandHandlerInitialize(&db, &vorn) != KLX_Ok) return false;
    protocol.KLX_ProtocolSetClock(clock);
    if (protocol.KLX_ProtocolInitializeOnSocket(&db, &vorn, fds[0]) != KLX_Ok) return false;
    protocol.KLX_ProtocolStartProcessing();
    return true;
  }
  int TakePeer() {
    const int fd = peer;
    peer = -1;
    return fd;
  }
  ~LinkRig() {
    // The GUI command thread asks the engine, the engine the link.
    gui.KLX_GuiCommandHandlerStop();
    vorn.KLX_VornHandlerStop();
    protocol.KLX_ProtocolClose();
    if (peer >= 0) ::close(peer);
  }

  bool Write(uint32_t ident, const QByteArray& data, int dlc = -1) {
    KLX_CanFrame f;
    f.can_id = ident;
    f.can_dlc = uint8_t(dlc < 0 ? data.size() : dlc);
    memcpy(f.data, data.constData(), size_t(qMin(8, data.size())));
    return ::send(peer, &f, sizeof(f), MSG_NOSIGNAL) == 16;
  }
  bool WriteShort(int node, int id, const QByteArray& data, bool remote = false) {
    return Write(ShortId(node, id) | (remote ? 0x40000000u : 0u), data);
  }
  bool FromStick(int id, const QByteArray& data) { return WriteShort(KLX_NODE_STICK, id, data); }
  bool FromTransceiver(int id, const QByteArray& data) { return WriteShort(KLX_NODE_TRANSCEIVER, id, data); }
  // A long message as header and data frames, built by hand.
  bool WriteLong(int node, int id, const QByteArray& data) {
    const uint32_t n = uint32_t(data.size());
    if (!Write(LongId(node, id, 0), QByteArray::fromRawData(reinterpret_cast<const char*>(&n), 4))) return false;
    int seq = 1;
    for (int at = 0; at < data.size(); at += 8) if (!Write(LongId(node, id, seq++), data.mid(at, 8))) return false;
    return true;
  }
  bool Read(KLX_CanFrame* f, int timeoutMs = 2000) {
    pollfd p{peer, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0) return false;
    return ::recv(peer, f, sizeof(*f), 0) == 16;
  }
  // Every frame sent so far has been read and none follows: a marker
  // message sent now is the next frame, and once the sender waits for work
  // again nothing is left behind it.
  bool NothingMoreSent() {
    if (protocol.KLX_ProtocolSendMessage(0, nullptr, KLX_MSG_APP_READY, KLX_NODE_APPLICATION) != KLX_Ok) return false;
    KLX_CanFrame f;
    if (!Read(&f) || f.can_id != ShortId(KLX_NODE_APPLICATION, KLX_MSG_APP_READY)) return false;
    return clock.KLX_ManualClockAwaitWaiters(1) && !Read(&f, 0);
  }
  // Waits until every frame written so far has passed the handlers: a system
  // data message with a marker value is the last to arrive.
  bool Sync(int marker) {
    QByteArray d(8, 0);
    d[0] = char(marker & 0xFF);
    d[1] = char(marker >> 8);
    if (!WriteShort(KLX_NODE_STICK, KLX_MSG_SC_SYSTEM_DATA, d)) return false;
    return QTest::qWaitFor([&] { return db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(0, 1) == marker; }, 3000);
  }
  int Control(int id) {
    db.KLX_DataBaseManager_StickdataLock();
    const int v = db.KLX_DataBaseManagerGetSet_ControlValueByControl(id, 0, 1);
    db.KLX_DataBaseManager_StickdataUnlock();
    return v;
  }
  QList<TaskUpdate_Data_T> Updates() {
    QList<TaskUpdate_Data_T> all;
    TaskUpdate_Data_T u;
    while (vorn.KLX_VornHandlerTakeUpdate(&u)) all.append(u);
    return all;
  }
};

inline QByteArray Le16s(std::initializer_list<int> values) {
  QByteArray out;
  for (int v : values) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
  }
  return out;
}
