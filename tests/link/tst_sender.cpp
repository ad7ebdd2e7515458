// The sender under load and the socket's edges: concurrent senders lose and
// reorder nothing, a lone message never waits for a later one, a dead socket
// paces the receiver by its clock, a stop asked before a late thread runs
// holds, and the desktop stand-in takes only whole frames and joins the
// simulator whenever it comes up.
#include "link/link_fixture.h"

#include "link/klx_backbonereceiver.h"
#include "link/klx_backbonesender.h"
#include "platform/klx_cansocket.h"
#include "sim/csimcontrollers.h"

#include <QDir>
#include <QSemaphore>
#include <QThread>

#include <cerrno>

namespace {
constexpr unsigned kLogNotYetEntered = 0x51607;

// A thread whose run() begins only when the gate opens: one the processor
// gets to late.
template <typename T>
struct LateThread : T {
  explicit LateThread(QSemaphore* g) : gate(g) {}
  QSemaphore* gate;
  void run() override {
    gate->acquire();
    T::run();
  }
};

// The thread's clock: a stop wakes the thread through it, and that wake
// opens the gate, so that the late run() begins just after the stop.
struct StopOpensGate : KLX_ManualClock {
  explicit StopOpensGate(QSemaphore* g) : gate(g) {}
  QSemaphore* gate;
  void KLX_ClockWake(QWaitCondition& wake) override {
    KLX_ManualClock::KLX_ClockWake(wake);
    gate->release();
  }
};
}  // namespace

class SenderTest : public QObject {
  Q_OBJECT

 private slots:
  void concurrentSendersLoseNothing() {
    LinkRig rig;
    QVERIFY(rig.Start());
    constexpr int kThreads = 4;
    constexpr int kEach = 300;
    QList<QThread*> threads;
    for (int t = 0; t < kThreads; ++t) {
      threads << QThread::create([&rig, t] {
        for (int i = 0; i < kEach; ++i) {
          // Every seventh message is long; each carries its thread and number.
          QByteArray d(i % 7 == 0 ? 40 : 6, char(0x55));
          d[0] = char(t);
          d[1] = char(i & 0xFF);
          d[2] = char(i >> 8);
          rig.protocol.KLX_ProtocolSendMessage(unsigned(d.size()), d.constData(), 100 + t, KLX_NODE_APPLICATION);
        }
      });
      threads.last()->start();
    }
    // Reassemble what arrives, by hand.
    QVector<int> nextShort(kThreads, 0), nextLong(kThreads, 0);
    int received = 0;
    QByteArray longData;
    int longTotal = 0;
    KLX_CanFrame f;
    while (received < kThreads * kEach) {
      QVERIFY2(rig.Read(&f, 3000), qPrintable(QString("only %1 messages arrived").arg(received)));
      QByteArray payload(reinterpret_cast<const char*>(f.data), f.can_dlc);
      if (!(f.can_id & 0x80000000u)) {
        const int t = int(f.can_id & 0xFF) - 100;
        QCOMPARE(int(f.can_id >> 8), 3);
        const int i = uchar(payload[1]) | (uchar(payload[2]) << 8);
        QCOMPARE(i % 7 == 0, false);
        QVERIFY(i > nextShort[t] - 1);
        nextShort[t] = i + 1;
        ++received;
        continue;
      }
      const int seq = int((f.can_id >> 2) & 0xFFFF);
      if (seq == 0) {
        QCOMPARE(longData.size(), 0);
        longTotal = uchar(payload[0]);
        continue;
      }
      longData += payload;
      if (longData.size() == longTotal) {
        const int t = uchar(longData[0]);
        const int i = uchar(longData[1]) | (uchar(longData[2]) << 8);
        QCOMPARE(int((f.can_id >> 18) & 0xFF), 100 + t);
        QVERIFY(i >= nextLong[t]);
        nextLong[t] = i + 1;
        longData.clear();
        ++received;
      }
    }
    for (QThread* t : threads) {
      t->wait();
      delete t;
    }
    QVERIFY(rig.NothingMoreSent());
  }

  void aLoneMessageIsSentAtOnce() {
    LinkRig rig;
    QVERIFY(rig.Start());
    KLX_CanFrame f;
    for (int i = 0; i < 300; ++i) {
      const char b = char(i);
      QCOMPARE(rig.protocol.KLX_ProtocolSendMessage(1, &b, KLX_MSG_RADIO_TEST_GAIN, KLX_NODE_APPLICATION), KLX_Ok);
      QVERIFY2(rig.Read(&f, 500), qPrintable(QString("message %1 waited").arg(i)));
      QCOMPARE(int(f.data[0]), i & 0xFF);
      // Now and then the next message finds the sender asleep.
      if (i % 50 == 0) QVERIFY(rig.clock.KLX_ManualClockAwaitWaiters(1));
    }
  }

  // A peer that went away makes every read fail at once; the receiver pauses
  // 20 ms on its clock after each, and reports each.
  void aDeadSocketDoesNotSpin() {
    LinkRig rig;
    QVERIFY(rig.Start());
    VornErrorWatch watch;
    ::close(rig.TakePeer());
    // The sender waits for messages, the receiver in its first pause.
    QVERIFY(rig.clock.KLX_ManualClockAwaitWaiters(2));
    QCOMPARE(watch.Codes(), QList<unsigned>{0x50103u});
    QVERIFY(rig.clock.KLX_ManualClockRun(600, 2));
    // One more failed read at each 20 ms: 30 in 600 ms.
    QList<QPair<unsigned, QString>> failedReads;
    for (int i = 0; i < 31; ++i) failedReads.append({0x50103u, QString()});
    QCOMPARE(watch.TakeReports(), failedReads);
  }

  // The layer's close stops a thread that has not begun its run() yet (it
  // was started late) and clears what it works on: the stop holds, the
  // late run() ends at once, and the thread's destructor returns. Nothing
  // but the late start is logged.
  void aStopBeforeALateRunHolds_data() {
    QTest::addColumn<bool>("sender");
    QTest::newRow("sender") << true;
    QTest::newRow("receiver") << false;
  }
  void aStopBeforeALateRunHolds() {
    QFETCH(bool, sender);
    int fds[2];
    QCOMPARE(::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, fds), 0);
    ::close(fds[1]);
    KLX_Protocol protocol;
    QSemaphore gate;
    StopOpensGate clock(&gate);
    VornErrorWatch watch;
    LateThread<KLX_BackboneSender> out(&gate);
    LateThread<KLX_BackboneReceiver> in(&gate);
    QThread& thread = sender ? static_cast<QThread&>(out) : in;
    if (sender) {
      out.KLX_BackboneSenderSetClock(clock);
      QCOMPARE(out.KLX_BackboneSenderInitialize(fds[0], &protocol), int(KLX_Ok));
      QVERIFY(out.KLX_BackboneSenderStart());
    } else {
      in.KLX_BackboneReceiverSetClock(clock);
      QCOMPARE(in.KLX_BackboneReceiverInitializeOnSocket(&protocol, fds[0]), fds[0]);
      QVERIFY(in.KLX_BackboneReceiverStart());
    }
    const QString name = sender ? "BackBoneSender" : "BackBoneReceiver";
    QCOMPARE(watch.TakeReports(),
             (QList<QPair<unsigned, QString>>{
                 {kLogNotYetEntered, "thread " + name + " did not report entering its run within 200 ms"}}));
    if (sender) {
      out.KLX_BackboneSenderStop();
      out.KLX_BackboneSenderClose();
      ::close(fds[0]);
    } else {
      in.KLX_BackboneReceiverStop();
      in.KLX_BackboneReceiverClose();
    }
    QTRY_VERIFY(thread.isFinished());
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{}));
  }

  void desktopStandInTakesOnlyWholeFrames() {
    int fds[2];
    QCOMPARE(::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, fds), 0);
    KLX_CanFrame f;
    f.can_dlc = 9;
    QCOMPARE(KLX_Platform::CanWrite(fds[0], f), ssize_t(-1));
    QCOMPARE(errno, EINVAL);
    const char fifteen[15] = {};
    QCOMPARE(::send(fds[1], fifteen, 15, 0), ssize_t(15));
    QVERIFY(KLX_Platform::CanRead(fds[0], &f) != 16);
    QCOMPARE(errno, EBADMSG);
    char seventeen[17] = {};
    QCOMPARE(::send(fds[1], seventeen, 17, 0), ssize_t(17));
    QVERIFY(KLX_Platform::CanRead(fds[0], &f) != 16);
    KLX_CanFrame nine;
    nine.can_dlc = 9;
    QCOMPARE(::send(fds[1], &nine, 16, 0), ssize_t(16));
    QCOMPARE(KLX_Platform::CanRead(fds[0], &f), ssize_t(-1));
    ::close(fds[0]);
    ::close(fds[1]);
  }

  void programJoinsTheSimulatorLateOrAtOpen() {
    VornTestRoot root;
    QVERIFY(QDir().mkpath(root.Path() + "/run"));
    const QString path = root.Path() + "/run/can0";
    KLX_Platform::CanOpenStep step;
    // No folder, no interface.
    QCOMPARE(KLX_Platform::CanOpen(root.Path() + "/none/can0", &step), -1);
    QCOMPARE(int(step), int(KLX_Platform::CanOpenStep::Interface));
    const int fd = KLX_Platform::CanOpen(path, &step);
    QVERIFY(fd >= 0);
    CSimControllers sim(root.Path());
    sim.SetStreaming(false);
    QVERIFY(sim.Serve(path));
    // The stand-in joins within its retry period; frames then cross.
    KLX_CanFrame request;
    request.can_id = ShortId(KLX_NODE_APPLICATION, KLX_MSG_DIRECTIONS_REQUEST);
    QVERIFY(QTest::qWaitFor([&] {
      KLX_Platform::CanWrite(fd, request);
      return KLX_Platform::CanWaitReadable(fd, 50);
    }, kVornHangMs));
    KLX_CanFrame answer;
    QCOMPARE(KLX_Platform::CanRead(fd, &answer), ssize_t(16));
    QCOMPARE(answer.can_id, ShortId(KLX_NODE_STICK, KLX_MSG_SC_DIRECTIONS));
    QCOMPARE(int(answer.can_dlc), 4);
    KLX_Platform::CanClose(fd);
    // A server already listening is joined by the open itself: the very
    // first frame crosses, with no retry.
    const int joined = KLX_Platform::CanOpen(path, &step);
    QVERIFY(joined >= 0);
    QCOMPARE(KLX_Platform::CanWrite(joined, request), ssize_t(16));
    QVERIFY(KLX_Platform::CanWaitReadable(joined, 3000));
    QCOMPARE(KLX_Platform::CanRead(joined, &answer), ssize_t(16));
    QCOMPARE(answer.can_id, ShortId(KLX_NODE_STICK, KLX_MSG_SC_DIRECTIONS));
    KLX_Platform::CanClose(joined);
  }
};

QTEST_GUILESS_MAIN(SenderTest)
#include "tst_sender.moc"
