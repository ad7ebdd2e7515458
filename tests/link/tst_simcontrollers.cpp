// The program and the simulated controllers on one socketpair: the
// synchronisation answers, the streamed values reaching the stores, trims and
// toggles reported only when they change, the direction word kept across
// power cycles, and each fault knob as the program sees it.
#include "link/link_fixture.h"

class SimControllersTest : public QObject {
  Q_OBJECT

  static QByteArray Request() { return QByteArray::fromHex("0100000000000000"); }

 private slots:
  void synchronisationAnswers() {
    LinkRig rig;
    QVERIFY(rig.Start());
    {
      CSimControllers first(rig.root.Path());
      first.SetDirections(0x80000005u);  // kept across power cycles
    }
    CSimControllers sim(rig.root.Path());
    sim.SetStreaming(false);
    // States and versions a test chooses; the versions and the serial
    // number are kept, the states belong to this power-up.
    sim.TransceiverController().SetState(2);
    sim.TransceiverController().SetVersion(3, 7);
    sim.StickController().SetVersion(2, 5);
    sim.StickController().SetSerial(0x01020304u);
    QVERIFY(sim.Attach(rig.TakePeer()));
    QCOMPARE(rig.protocol.KLX_ProtocolSendMessage(8, Request().constData(), SimRequestTransceiverSync, SimNodeApplication), 1);
    QCOMPARE(rig.protocol.KLX_ProtocolSendMessage(8, Request().constData(), SimRequestStickSync, SimNodeApplication), 1);
    QCOMPARE(rig.protocol.KLX_ProtocolSendMessage(0, nullptr, SimRequestDirections, SimNodeApplication), 1);
    QList<TaskUpdate_Data_T> u;
    QVERIFY(QTest::qWaitFor([&] { u += rig.Updates(); return u.size() >= 3; }, kVornHangMs));
    QCOMPARE(u.size(), 3);
    QCOMPARE(u[0].updateKind, 2);
    QCOMPARE(u[0].para, 1);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(u[0].data), 3), QByteArray::fromHex("020307"));
    QCOMPARE(u[1].updateKind, 1);
    QCOMPARE(u[1].para, 1);
    // Ready, version 2.5, the serial number lowest byte first.
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(u[1].data), 7), QByteArray::fromHex("01020504030201"));
    const CSimControllers::Persistent p = CSimControllers(rig.root.Path()).State();
    QCOMPARE(p.transceiverMajor, 3);
    QCOMPARE(p.stickSerial, 0x01020304u);
    QCOMPARE(u[2].para, 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(u[2].data), 4), QByteArray::fromHex("05000080"));
    QCOMPARE(sim.Received(SimRequestTransceiverSync), 1);
    QCOMPARE(sim.Received(SimRequestStickSync), 1);
    QCOMPARE(sim.Received(SimRequestDirections), 1);
    QCOMPARE(sim.BadFrames(), 0);
  }

  void requestsTheControllersMustNotAnswer() {
    LinkRig rig;
    QVERIFY(rig.Start());
    CSimControllers sim(rig.root.Path());
    sim.SetStreaming(false);
    QVERIFY(sim.Attach(rig.TakePeer()));
    sim.SetSilent(CSimControllers::Transceiver, true);
    QCOMPARE(rig.protocol.KLX_ProtocolSendMessage(8, Request().constData(), SimRequestTransceiverSync, SimNodeApplication), 1);
    const QByteArray shortRequest = QByteArray::fromHex("01000000");
    QCOMPARE(rig.protocol.KLX_ProtocolSendMessage(4, shortRequest.constData(), SimRequestStickSync, SimNodeApplication), 1);
    QCOMPARE(rig.protocol.KLX_ProtocolSendMessage(8, Request().constData(), SimRequestStickSync, SimNodeApplication), 1);
    // Answered after whatever the requests before it brought.
    QCOMPARE(rig.protocol.KLX_ProtocolSendMessage(0, nullptr, SimRequestDirections, SimNodeApplication), 1);
    QList<TaskUpdate_Data_T> u;
    QVERIFY(QTest::qWaitFor([&] { u += rig.Updates(); return !u.isEmpty() && u.last().para == 0; }, kVornHangMs));
    QCOMPARE(sim.Received(SimRequestStickSync), 2);
    QCOMPARE(u.size(), 2);  // only the well-formed stick request, and the directions
    QCOMPARE(u[0].updateKind, 1);
    QCOMPARE(u[0].para, 1);
  }

  void streamedValuesReachTheStores() {
    SimRig r;
    r.sim.SetSticks(100, -200, 300, -400);
    r.sim.SetEncoders(1, 2, 3, 4);
    r.sim.SetSwitchGroup(SimStickSwitchesABCD, 2047, -2047, 0, 2047);
    const int trims[6] = {10, 20, 30, 40, 50, 60};
    r.sim.SetTrims(trims, 0);
    r.sim.SetSpecialSwitches(-2047, -2047, 2047, 0);
    r.sim.SetSystemData(777, 766, 250, 42);
    // Everything streams at once on attaching; the system data come last.
    QVERIFY(r.Start());
    VornErrorWatch watch;
    watch.Expect(0x02050101u);
    QTRY_COMPARE(r.link.db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(0, 1), 777);
    const QList<QPair<int, int>> expected = {{256, 100}, {257, -200}, {496, 300}, {497, -400},
                                             {1025, 1},  {1024, 2},   {1265, 3},   {1264, 4},
                                             {768, 2047}, {769, -2047}, {512, 10}, {754, 60},
                                             {774, -2047}, {1014, 2047}, {1015, 0}};
    for (const auto& e : expected) QCOMPARE(r.link.Control(e.first), e.second);
    QCOMPARE(r.link.db.KLX_DataBaseManagerGetTransRSSI1(), -40);
    // The sticks go out every 20 ms.
    r.sim.SetSticks(5, 5, 5, 5);
    QVERIFY(r.Step(19, 704));
    QCOMPARE(r.link.Control(256), 100);
    QVERIFY(r.Step(1, 705));
    QCOMPARE(r.link.Control(256), 5);

    // An error report from the transceiver controller lands in the log.
    r.sim.SendErrorReport(CSimControllers::Transceiver, 0x02050101u);
    QTRY_VERIFY(watch.Has(0x02050101u));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x02050101u});
  }

  // Trims and toggles mark the program's model as modified: the transceiver
  // reports them once after a synchronisation and then only when they change.
  void trimsAndTogglesOnlyWhenTheyChange_data() {
    QTest::addColumn<int>("moved");     // the control a hand moves
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("message");   // the one message that reports it
    QTest::addColumn<int>("reported");  // the control the program then holds
    QTest::addColumn<int>("value");
    QTest::newRow("trim A") << 512 << 300 << int(SimTransceiverTrimsABC) << 512 << 300;
    QTest::newRow("trim F") << 754 << -300 << int(SimTransceiverTrimsDEF) << 754 << -300;
    QTest::newRow("switch C pressed") << 770 << 2047 << int(SimTransceiverSpecialSwitches) << 774 << -2047;
  }
  void trimsAndTogglesOnlyWhenTheyChange() {
    QFETCH(int, moved);
    QFETCH(int, position);
    QFETCH(int, message);
    QFETCH(int, reported);
    QFETCH(int, value);
    SimRig r;
    QVERIFY(r.Start());
    const QList<int> reports = {SimTransceiverTrimsABC, SimTransceiverTrimsDEF, SimTransceiverSpecialSwitches};
    auto sent = [&] {
      QList<int> n;
      for (int id : reports) n << r.sim.Sent(CSimControllers::Transceiver, id);
      return n;
    };

    QCOMPARE(r.link.protocol.KLX_ProtocolSendMessage(8, Request().constData(), SimRequestTransceiverSync, SimNodeApplication), 1);
    QList<TaskUpdate_Data_T> u;
    QVERIFY(QTest::qWaitFor([&] { u += r.link.Updates(); return !u.isEmpty(); }, kVornHangMs));
    QVERIFY(r.Step(100, 701));
    QCOMPARE(sent(), (QList<int>{1, 1, 1}));
    QCOMPARE(r.link.Control(774), 2047);

    // Ten quiet seconds: 500 stick messages more, not one trim or toggle.
    r.link.db.KLX_DataBaseManagerSetModelModifyFlag(false);
    QVERIFY(r.Step(10000, 702));
    QCOMPARE(r.sim.Sent(CSimControllers::Stick, SimStickPositions), 506);
    QCOMPARE(sent(), (QList<int>{1, 1, 1}));
    QVERIFY(!r.link.db.KLX_DataBaseManagerGetModelModifyFlag());

    // One move: its message goes out once, with the new value.
    QVERIFY(r.sim.SetControl(moved, position));
    QVERIFY(r.Step(1000, 703));
    QList<int> expected{1, 1, 1};
    expected[reports.indexOf(message)] = 2;
    QCOMPARE(sent(), expected);
    QCOMPARE(r.link.Control(reported), value);
    QVERIFY(r.link.db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  // The word the program sends with message 151 is what the controllers
  // apply and what they answer after the next power-up.
  void directionWordIsKeptAcrossPowerCycles() {
    LinkRig rig;
    QVERIFY(rig.Start());
    {
      CSimControllers sim(rig.root.Path());
      QVERIFY(sim.Attach(rig.TakePeer()));
      QTRY_COMPARE(rig.Control(768), -2047);
      // Three bytes are no direction word.
      const QByteArray shortWord = QByteArray::fromHex("ffffff");
      QCOMPARE(rig.protocol.KLX_ProtocolSendMessage(3, shortWord.constData(), SimSetDirections, SimNodeApplication), 1);
      // Switch A (bit 8) inverted.
      const QByteArray word = QByteArray::fromHex("00010000");
      QCOMPARE(rig.protocol.KLX_ProtocolSendMessage(4, word.constData(), SimSetDirections, SimNodeApplication), 1);
      QTRY_COMPARE(rig.Control(768), 2047);
      QCOMPARE(sim.Received(SimSetDirections), 2);
      QCOMPARE(sim.Control(768), -2047);  // the hand did not move it
    }
    int fds[2];
    QCOMPARE(::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, fds), 0);
    CSimControllers next(rig.root.Path());
    next.SetStreaming(false);
    QVERIFY(next.Attach(fds[1]));
    KLX_CanFrame f{};
    f.can_id = ShortId(SimNodeApplication, SimRequestDirections);
    QCOMPARE(::send(fds[0], &f, sizeof(f), MSG_NOSIGNAL), ssize_t(sizeof(f)));
    pollfd p{fds[0], POLLIN, 0};
    QCOMPARE(::poll(&p, 1, 3000), 1);
    QCOMPARE(::recv(fds[0], &f, sizeof(f), 0), ssize_t(sizeof(f)));
    QCOMPARE(f.can_id, ShortId(SimNodeStick, SimStickDirections));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(f.data), f.can_dlc), QByteArray::fromHex("00010000"));
    next.Detach();
    ::close(fds[0]);
  }

  void faultKnobs() {
    LinkRig rig;
    QVERIFY(rig.Start());
    VornErrorWatch watch;
    watch.Expect({0x10802u, 0x10803u, 0x10804u, 0x10805u, 0x10806u, 0x10807u, 0x52102u, 0x50103u});
    CSimControllers sim(rig.root.Path());
    sim.SetStreaming(false);
    QVERIFY(sim.Attach(rig.TakePeer()));

    // Remote frames: nothing reaches the handlers.
    sim.SetRemoteFrames(true);
    sim.Send(CSimControllers::Stick, SimStickPositions, Le16s({9, 9, 9, 9}));
    sim.SetRemoteFrames(false);
    QVERIFY(Settled(sim, rig, 700));
    QCOMPARE(rig.Control(256), -2048);

    // Wrong lengths: the stick message arrives with DLC 7 and is refused.
    sim.SetWrongLengths(true);
    sim.SetSticks(50, 50, 50, 50);
    sim.SetStreaming(true);
    QTRY_VERIFY(watch.Has(0x10803u));
    sim.SetStreaming(false);
    sim.SetWrongLengths(false);
    QCOMPARE(rig.Control(256), -2048);

    // A sequence gap drops the long message; the next one arrives.
    sim.SetSequenceGap(true);
    sim.Send(CSimControllers::Transceiver, SimTransceiverTaskData, QByteArray(30, 7));
    sim.SetSequenceGap(false);
    sim.Send(CSimControllers::Transceiver, SimTransceiverTaskData, QByteArray(20, 8));
    // Read after whatever came before it.
    sim.Send(CSimControllers::Transceiver, SimTransceiverTaskData, QByteArray(20, 9));
    QList<TaskUpdate_Data_T> u;
    QVERIFY(QTest::qWaitFor([&] { u += rig.Updates(); return u.size() >= 2; }, kVornHangMs));
    QCOMPARE(u.size(), 2);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(u[0].data + 1), 21), QByteArray(20, 8) + QByteArray(1, 0));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(u[1].data + 1), 21), QByteArray(20, 9) + QByteArray(1, 0));

    // A header announcing 1001 bytes is refused with the receive code.
    sim.SendOversizeHeader(CSimControllers::Transceiver, SimTransceiverTaskData);
    QTRY_VERIFY(watch.Has(0x52102u));
  }
};

QTEST_GUILESS_MAIN(SimControllersTest)
#include "tst_simcontrollers.moc"
