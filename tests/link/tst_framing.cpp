// The wire format in both directions: exact identifiers, lengths and
// payloads of what the program sends, and what it makes of the frames it
// receives at the edges of the reassembly.
#include "link/link_fixture.h"

#include "link/cdevinterfaceinfo.h"
#include "link/klx_devinterfacecc2500.h"

class FramingTest : public QObject {
  Q_OBJECT

  static QByteArray Pattern(int n) {
    QByteArray d(n, 0);
    for (int i = 0; i < n; ++i) d[i] = char(i * 7 + 1);
    return d;
  }
  static QByteArray Payload(const KLX_CanFrame& f) {
    return QByteArray(reinterpret_cast<const char*>(f.data), f.can_dlc);
  }

 private slots:
  void sendBeforeInitialisationIsRefused() {
    KLX_Protocol protocol;
    VornErrorWatch watch;
    watch.Expect(0x22101u);
    QCOMPARE(protocol.KLX_ProtocolSendMessage(1, "x", KLX_MSG_RADIO_TEST_GAIN, KLX_NODE_APPLICATION), KLX_Error);
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x22101u});
    QCOMPARE(protocol.KLX_ProtocolQueuedCount(), 0);
  }

  void messagesBecomeExactFrames_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("dataFrames");
    QTest::addColumn<int>("lastLength");
    QTest::newRow("0 bytes, one standard frame") << 0 << 0 << 0;
    QTest::newRow("8 bytes, one standard frame") << 8 << 0 << 0;
    QTest::newRow("9 bytes, header and 8 + 1") << 9 << 2 << 1;
    QTest::newRow("16 bytes, header and two full frames") << 16 << 2 << 8;
    QTest::newRow("999 bytes, header and 125 frames") << 999 << 125 << 7;
  }
  void messagesBecomeExactFrames() {
    QFETCH(int, length);
    QFETCH(int, dataFrames);
    QFETCH(int, lastLength);
    LinkRig rig;
    QVERIFY(rig.Start());
    const QByteArray data = Pattern(length);
    QCOMPARE(rig.protocol.KLX_ProtocolSendMessage(unsigned(length), data.constData(), 0x1A5, KLX_NODE_APPLICATION),
             KLX_Ok);
    KLX_CanFrame f;
    QVERIFY(rig.Read(&f));
    if (length <= 8) {
      // Only the low byte of the id travels; node 3 in bits 8-10.
      QCOMPARE(f.can_id, 0xA5u + 3 * 256);
      QCOMPARE(int(f.can_dlc), length);
      QCOMPARE(Payload(f), data);
      return;
    }
    QCOMPARE(f.can_id, LongId(3, 0xA5, 0));
    QCOMPARE(int(f.can_dlc), 4);
    QCOMPARE(Payload(f), QByteArray::fromRawData(reinterpret_cast<const char*>(&length), 4));
    QByteArray received;
    for (int seq = 1; seq <= dataFrames; ++seq) {
      QVERIFY(rig.Read(&f));
      QCOMPARE(f.can_id, LongId(3, 0xA5, seq));
      QCOMPARE(int(f.can_dlc), seq == dataFrames ? lastLength : 8);
      received += Payload(f);
    }
    QCOMPARE(received, data);
    QVERIFY(rig.NothingMoreSent());
    // The task handler learns that the long message went out.
    TaskUpdate_Data_T sent;
    QVERIFY(rig.vorn.KLX_VornHandlerTakeProtocolUpdate(&sent));
    QCOMPARE(sent.updateKind, int(KLX_UPDATE_KIND_LONG_SENT));
    QCOMPARE(sent.para, 0);
  }

  void thousandBytesAreRefused() {
    LinkRig rig;
    QVERIFY(rig.Start());
    VornErrorWatch watch;
    watch.Expect(0x22103u);
    const QByteArray data = Pattern(1000);
    QCOMPARE(rig.protocol.KLX_ProtocolSendMessage(1000, data.constData(), KLX_MSG_UNIT_FUNCTION, KLX_NODE_APPLICATION),
             KLX_Error);
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{{0x22103u, "data to long to send"}}));
    QVERIFY(rig.NothingMoreSent());
  }

  void shortMessagesGoFirstLongOnesWhole() {
    // Queued without a running sender, then taken in the sender's order.
    KLX_Protocol protocol;
    QCOMPARE(protocol.KLX_ProtocolInitializeWithoutBus(), KLX_Ok);
    const QByteArray a = Pattern(12), b = Pattern(3), c = Pattern(20), d = Pattern(1);
    const unsigned char node = KLX_NODE_APPLICATION;
    QCOMPARE(protocol.KLX_ProtocolSendMessage(12, a.constData(), KLX_MSG_UNIT_MIXER, node), KLX_Ok);
    QCOMPARE(protocol.KLX_ProtocolSendMessage(3, b.constData(), KLX_MSG_ELEMENT_FUNCTION, node), KLX_Ok);
    QCOMPARE(protocol.KLX_ProtocolSendMessage(20, c.constData(), KLX_MSG_UNIT_LIMITER, node), KLX_Ok);
    QCOMPARE(protocol.KLX_ProtocolSendMessage(1, d.constData(), KLX_MSG_ELEMENT_MIXER, node), KLX_Ok);
    QList<uint32_t> ids;
    KLX_CanFrame f;
    while (protocol.KLX_ProtocolCheckForFurtherMessageToSend()) {
      while (protocol.KLX_ProtocolHandleSendingShortMessage(&f)) ids << f.can_id;
      while (protocol.KLX_ProtocolHandleSendingLongMessage(&f)) ids << f.can_id;
    }
    QCOMPARE(ids, (QList<uint32_t>{ShortId(node, KLX_MSG_ELEMENT_FUNCTION), ShortId(node, KLX_MSG_ELEMENT_MIXER),
                                   LongId(node, KLX_MSG_UNIT_MIXER, 0), LongId(node, KLX_MSG_UNIT_MIXER, 1),
                                   LongId(node, KLX_MSG_UNIT_MIXER, 2), LongId(node, KLX_MSG_UNIT_LIMITER, 0),
                                   LongId(node, KLX_MSG_UNIT_LIMITER, 1), LongId(node, KLX_MSG_UNIT_LIMITER, 2),
                                   LongId(node, KLX_MSG_UNIT_LIMITER, 3)}));
  }

  // Received long messages: the binding result of the transceiver controller
  // becomes an update record (1, 3) with all its bytes, so what arrives is
  // visible exactly.
  void reassemblyEdges() {
    auto Result = [](int seq) { return LongId(KLX_NODE_TRANSCEIVER, KLX_MSG_TC_BIND_RESULT, seq); };
    LinkRig rig;
    QVERIFY(rig.Start());
    VornErrorWatch watch;
    watch.Expect(0x52102u);
    const QByteArray full = Pattern(1000);

    // A header of exactly 1000 bytes is accepted and the message delivered
    // (999 of its bytes fit the record behind the sub-code).
    QVERIFY(rig.WriteLong(KLX_NODE_TRANSCEIVER, KLX_MSG_TC_BIND_RESULT, full));
    // 1001 is refused with the receive code and delivers nothing.
    quint32 big = 1001;
    QVERIFY(rig.Write(Result(0), QByteArray(reinterpret_cast<const char*>(&big), 4)));
    for (int seq = 1; seq <= 126; ++seq) QVERIFY(rig.Write(Result(seq), full.mid(0, 8)));
    // A skipped sequence drops the message.
    const QByteArray twenty = Pattern(20);
    quint32 n20 = 20;
    QVERIFY(rig.Write(Result(0), QByteArray(reinterpret_cast<const char*>(&n20), 4)));
    QVERIFY(rig.Write(Result(1), twenty.mid(0, 8)));
    QVERIFY(rig.Write(Result(3), twenty.mid(8, 8)));
    QVERIFY(rig.Write(Result(2), twenty.mid(16, 4)));
    // A second header drops the first message; the second arrives.
    QVERIFY(rig.Write(Result(0), QByteArray(reinterpret_cast<const char*>(&n20), 4)));
    QVERIFY(rig.Write(Result(1), QByteArray(8, 'x')));
    QVERIFY(rig.WriteLong(KLX_NODE_TRANSCEIVER, KLX_MSG_TC_BIND_RESULT, twenty));
    // Frames that pass the total without hitting it deliver nothing.
    quint32 n10 = 10;
    QVERIFY(rig.Write(Result(0), QByteArray(reinterpret_cast<const char*>(&n10), 4)));
    QVERIFY(rig.Write(Result(1), QByteArray(8, 'y')));
    QVERIFY(rig.Write(Result(2), QByteArray(8, 'y')));
    QVERIFY(rig.Sync(501));

    const QList<TaskUpdate_Data_T> updates = rig.Updates();
    QCOMPARE(updates.size(), 2);
    QCOMPARE(updates[0].para, 1);
    QCOMPARE(int(updates[0].data[0]), 3);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(updates[0].data + 1), 999), full.left(999));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(updates[1].data + 1), 20), twenty);
    QCOMPARE(watch.TakeReports(),
             (QList<QPair<unsigned, QString>>{{0x52102u, "data too long to receive over CAN"}}));
  }

  void foreignFramesInsideALongMessage() {
    auto Config = [](int seq) { return LongId(KLX_NODE_TRANSCEIVER, KLX_MSG_TC_BIND_CONFIG, seq); };
    auto SensorInfo = [](int seq) { return LongId(KLX_NODE_TRANSCEIVER, KLX_MSG_TC_SENSOR_INFO, seq); };
    LinkRig rig;
    QVERIFY(rig.Start());
    const QByteArray data = Pattern(16);
    quint32 n = 16;
    // 126 frames of another id are ignored...
    QVERIFY(rig.Write(Config(0), QByteArray(reinterpret_cast<const char*>(&n), 4)));
    QVERIFY(rig.Write(Config(1), data.mid(0, 8)));
    for (int i = 0; i < 126; ++i) QVERIFY(rig.Write(SensorInfo(1), QByteArray(8, 'z')));
    QVERIFY(rig.Write(Config(2), data.mid(8, 8)));
    // ...the 127th drops the message.
    QVERIFY(rig.Write(Config(0), QByteArray(reinterpret_cast<const char*>(&n), 4)));
    QVERIFY(rig.Write(Config(1), data.mid(0, 8)));
    for (int i = 0; i < 127; ++i) QVERIFY(rig.Write(SensorInfo(1), QByteArray(8, 'z')));
    QVERIFY(rig.Write(Config(2), data.mid(8, 8)));
    QVERIFY(rig.Sync(502));
    const QList<TaskUpdate_Data_T> updates = rig.Updates();
    QCOMPARE(updates.size(), 1);
    QCOMPARE(updates[0].para, 1);
    QCOMPARE(int(updates[0].data[0]), 2);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(updates[0].data + 1), 16), data);
  }

  void framesThatNoHandlerTakes() {
    LinkRig rig;
    QVERIFY(rig.Start());
    QVERIFY(rig.WriteShort(KLX_NODE_STICK, KLX_MSG_SC_STICKS, Le16s({100, 200, 300, 400})));
    QVERIFY(rig.Sync(503));
    // A remote frame, a frame from node 0 and one from node 3 change nothing.
    QVERIFY(rig.WriteShort(KLX_NODE_STICK, KLX_MSG_SC_STICKS, Le16s({1, 1, 1, 1}), true));
    QVERIFY(rig.Write(ShortId(0, KLX_MSG_SC_STICKS), Le16s({2, 2, 2, 2})));
    QVERIFY(rig.Write(ShortId(KLX_NODE_APPLICATION, KLX_MSG_SC_STICKS), Le16s({3, 3, 3, 3})));
    QVERIFY(rig.Write(LongId(KLX_NODE_APPLICATION, KLX_MSG_TC_BIND_CONFIG, 0), QByteArray::fromHex("09000000")));
    QVERIFY(rig.Write(LongId(KLX_NODE_APPLICATION, KLX_MSG_TC_BIND_CONFIG, 1), QByteArray(8, 1)));
    QVERIFY(rig.Write(LongId(KLX_NODE_APPLICATION, KLX_MSG_TC_BIND_CONFIG, 2), QByteArray(1, 1)));
    QVERIFY(rig.Sync(504));
    QCOMPARE(rig.Control(256), 100);
    QCOMPARE(rig.Control(497), 400);
    QVERIFY(rig.Updates().isEmpty());
  }

  // A CC2500 update packet travels as a sensor-bus message: "q", address,
  // length, type, then the packet; the start packet is 44 bytes.
  void cc2500UpdatePackets() {
    LinkRig rig;
    QVERIFY(rig.Start());
    KLX_DevInterfaceCC2500 device;
    VornErrorWatch watch;
    watch.Expect(0x22103u);
    QCOMPARE(device.KLX_DevInterfaceCC2500_Initialize(nullptr), KLX_False);
    QCOMPARE(device.KLX_DevInterfaceCC2500_PacketCANSend(1, 1, 7, reinterpret_cast<const unsigned char*>("x")), false);
    QCOMPARE(device.KLX_DevInterfaceCC2500_Initialize(&rig.protocol), KLX_Ok);
    CDevInterfaceInfo info;
    QVERIFY(info.CDevInterfaceInfo_Create(2 + 12));
    const unsigned char blob[14] = {1, 0, 0xA1, 0xA2, 0xA3, 0xA4, 0x22, 0x21, 0x33, 0x31, 0x44, 0x41, 0x55, 0x51};
    memcpy(info.CDevInterfaceInfo_GetWrPtr(), blob, sizeof(blob));
    QVERIFY(device.KLX_DevInterfaceCC2500_SetInfo(&info));
    const unsigned char first = 0x9C;

    auto readMessage = [&rig]() {
      KLX_CanFrame f;
      QByteArray out;
      if (!rig.Read(&f)) return QByteArray("none");
      if (!(f.can_id & 0x80000000u)) return QByteArray(reinterpret_cast<const char*>(f.data), f.can_dlc);
      const int total = f.data[0];
      while (out.size() < total && rig.Read(&f)) out += QByteArray(reinterpret_cast<const char*>(f.data), f.can_dlc);
      return out;
    };
    device.KLX_DevInterfaceCC2500_SetHwTypeVersion(30, 1, 1);
    QVERIFY(device.KLX_DevInterfaceCC2500_PacketCANSend(3, 10, 7, &first));
    QCOMPARE(readMessage(), QByteArray::fromHex("71070a039c0001000200") + QByteArray(34, 0));
    // The default start packet overwrote info words 2 and 3 with 1 and 2.
    device.KLX_DevInterfaceCC2500_SetHwTypeVersion(30, 1, 2);
    QVERIFY(device.KLX_DevInterfaceCC2500_PacketCANSend(3, 10, 7, &first));
    QCOMPARE(readMessage(), QByteArray::fromHex("71070a039c55010002") + QByteArray(1, 0x44) + QByteArray(34, 0));
    QVERIFY(device.KLX_DevInterfaceCC2500_SetInfo(&info));
    QVERIFY(device.KLX_DevInterfaceCC2500_PacketCANSend(3, 10, 7, &first));
    QCOMPARE(readMessage(), QByteArray::fromHex("71070a039c55222133") + QByteArray(1, 0x44) + QByteArray(34, 0));
    device.KLX_DevInterfaceCC2500_SetHwTypeVersion(27, 9, 9);
    const unsigned char packet[3] = {1, 2, 3};
    QVERIFY(device.KLX_DevInterfaceCC2500_PacketCANSend(5, 3, 7, packet));
    QCOMPARE(readMessage(), QByteArray::fromHex("71070305010203"));
    QVERIFY(device.KLX_DevInterfaceCC2500_PacketCANSend(5, 0, 7, nullptr));
    QCOMPARE(readMessage(), QByteArray::fromHex("7107000500"));
    // A packet beyond the message limit is refused, not cut.
    const QByteArray huge(1200, 1);
    QVERIFY(!device.KLX_DevInterfaceCC2500_PacketCANSend(5, 1200, 7, reinterpret_cast<const unsigned char*>(huge.constData())));
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{{0x22103u, "data to long to send"}}));
  }

  void transceiverDeviceState() {
    KLX_TCDevState state;
    QCOMPARE(int(state.KLX_TCDevGetFrontPlugMode()), 255);
    state.KLX_TCDevStateUpdateData("\x00\x0c\x34\x12");
    QCOMPARE(state.KLX_TCDevStateGetREdivHfFlag(), 3u);
    QCOMPARE(state.KLX_TCDevStateGetDeviceEngineStates(), 0x12340C00u);
    QCOMPARE(int(state.KLX_TCFrontPlugUpdateData("\x01")), 1);
  }

  void processingOffDiscardsButStillSends() {
    LinkRig rig;
    QVERIFY(rig.Start());
    rig.protocol.KLX_ProtocolStopProcessing();
    QVERIFY(rig.WriteShort(KLX_NODE_STICK, KLX_MSG_SC_STICKS, Le16s({5, 6, 7, 8})));
    QCOMPARE(rig.protocol.KLX_ProtocolSendMessage(1, "\x01", KLX_MSG_LOCK_TRIMS, KLX_NODE_APPLICATION), KLX_Ok);
    KLX_CanFrame f;
    QVERIFY(rig.Read(&f));
    QCOMPARE(f.can_id, ShortId(KLX_NODE_APPLICATION, KLX_MSG_LOCK_TRIMS));
    // The receiver has read and dropped the stick frame.
    QVERIFY(QTest::qWaitFor([&] { return rig.protocol.KLX_ProtocolFramesRead() == 1; }, kVornHangMs));
    rig.protocol.KLX_ProtocolStartProcessing();
    QVERIFY(rig.Sync(505));
    QCOMPARE(rig.Control(256), -2048);
  }
};

QTEST_GUILESS_MAIN(FramingTest)
#include "tst_framing.moc"
