#pragma once
// The message layer with its threads on one end of a socketpair. LinkRig:
// the test holds the other end and speaks raw 16-byte frames, the threads
// wait on the clock the test steps. SimRig: the simulated controllers hold
// it and stream on the clock the test steps.
#include <QByteArray>
#include <QtTest>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "link/klx_messageids.h"
#include "sim/csimmessageids.h"
#include "vorn_fixture.h"

// Identifiers spelt out as the frame table gives them, not through the codec.
inline uint32_t ShortId(int node, int id) { return uint32_t(id) + 256u * uint32_t(node); }
inline uint32_t LongId(int node, int id, int sequence) {
  return ((uint32_t(node) * 16777216u + uint32_t(id) * 65536u + uint32_t(sequence)) * 4u) | 0x80000000u;
}

struct LinkRig : VornFixture {
  LinkRig() { linkOnClock = true; }
  // The layer on the socketpair, the other end kept in `peer`.
  bool Start() { return UpOnBus(RawPeer); }
  // The other end, for controllers of the test's own.
  int TakePeer() {
    const int fd = peer;
    peer = -1;
    return fd;
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
    return QTest::qWaitFor([&] { return db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(0, 1) == marker; }, kVornHangMs);
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

// Every message the simulator sent before has passed the program's handlers
// once a system data message carrying `marker` has.
inline bool Settled(CSimControllers& sim, LinkRig& rig, int marker) {
  sim.Send(CSimControllers::Stick, SimStickSystemData, Le16s({marker, 0, 0, 0}));
  return QTest::qWaitFor(
      [&] { return rig.db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(0, 1) == marker; }, kVornHangMs);
}

struct SimRig : LinkRig {
  LinkRig& link{*this};
  CSimControllers& sim{Controllers()};

  SimRig() { linkOnClock = false; }
  // The controllers start streaming at once, at the clock's present time.
  bool Start() { return UpOnBus(WithControllers); }
  // Lets `ms` pass for the controllers and waits until the program has all they sent.
  bool Step(int ms, int marker) { return clock.KLX_ManualClockRun(ms) && Settled(sim, link, marker); }
};
