// Raw controller frames in, store values and task records out: the two
// message handlers through the socket.
#include "link/link_fixture.h"

#include <QSignalSpy>

// The control search announces its finds on the receiver thread; the spies
// watch this relay, which lives in the test's thread and gets them queued.
class SearchRelay : public QObject {
  Q_OBJECT

 public:
  explicit SearchRelay(KLX_DataBaseManager* db) {
    connect(db, &KLX_DataBaseManager::controlSelected, this, &SearchRelay::controlSelected, Qt::QueuedConnection);
    connect(db, &KLX_DataBaseManager::controlRepeated, this, &SearchRelay::controlRepeated, Qt::QueuedConnection);
  }

 signals:
  void controlSelected(int control);
  void controlRepeated(int control);
};

class LiveValuesTest : public QObject {
  Q_OBJECT

 private slots:
  void positionMessagesReachTheLiveStore() {
    LinkRig rig;
    QVERIFY(rig.Start());
    VornErrorWatch watch;
    watch.Expect({0x10803u, 0x10805u, 0x10806u, 0x10802u});
    QVERIFY(rig.FromStick(KLX_MSG_SC_STICKS, Le16s({-2047, 3000, 0x7FFF, -5})));  // sticks, clamped
    QVERIFY(rig.FromStick(KLX_MSG_SC_ENCODERS, Le16s({11, 12, 13, 14})));  // SL-A RO-A SL-B RO-B
    QVERIFY(rig.FromStick(KLX_MSG_SC_SWITCHES_4, Le16s({21, 22, 23, 24})));  // G, H; the rest unused
    QVERIFY(rig.FromStick(KLX_MSG_SC_SWITCHES_5, Le16s({31, 32, 33, 34})));  // 1712..1714
    QVERIFY(rig.Sync(600));
    const QList<QPair<int, int>> expected = {
        {256, -2047}, {257, 2047}, {496, 2047}, {497, -5}, {1025, 11}, {1024, 12},
        {1265, 13},   {1264, 14},  {773, 21},   {1013, 22}, {1712, 31}, {1713, 32},
        {1714, 33},   {1715, -2048}, {776, -2048}, {1016, -2048}};
    for (const auto& e : expected) QCOMPARE(rig.Control(e.first), e.second);
    QVERIFY(watch.TakeReports().isEmpty());

    // Wrong lengths are reported and change nothing.
    QVERIFY(rig.Write(ShortId(KLX_NODE_STICK, KLX_MSG_SC_STICKS), Le16s({1, 1, 1, 1}), 7));
    QVERIFY(rig.Write(ShortId(KLX_NODE_STICK, KLX_MSG_SC_ENCODERS), Le16s({1, 1, 1, 1}), 6));
    QVERIFY(rig.Write(ShortId(KLX_NODE_STICK, KLX_MSG_SC_SWITCHES_2), Le16s({1, 1, 1, 1}), 0));
    QVERIFY(rig.Write(ShortId(KLX_NODE_STICK, KLX_MSG_SC_SYSTEM_DATA), Le16s({1, 1, 1, 1}), 4));
    QVERIFY(rig.Sync(601));
    QCOMPARE(rig.Control(256), -2047);
    QCOMPARE(rig.Control(1025), 11);
    QCOMPARE(rig.Control(772), -2048);
    QCOMPARE(watch.Codes(), (QList<unsigned>{0x10803u, 0x10805u, 0x10806u, 0x10802u}));
    QCOMPARE(watch.TakeReports()[0].second, QString("wrong length in KLX_StickMessageHandlerMainStickData"));
  }

  void movedSticksRestartTheInactivityTimer() {
    LinkRig rig;
    QVERIFY(rig.Start());
    // The first value after start never counts; a change of 20 does not,
    // one of 21 does.
    const int steps[4] = {500, 520, 541, 541};
    for (int v : steps) QVERIFY(rig.FromStick(KLX_MSG_SC_STICKS, Le16s({0, 0, v, 0})));
    QVERIFY(rig.FromStick(KLX_MSG_SC_STICKS, Le16s({0, 0, 541, 0})));
    QVERIFY(rig.Sync(615));
    QCOMPARE(rig.db.KLX_DataBaseManagerInactivityRestarts(), 1);
  }

  void systemDataAndLinkQuality() {
    LinkRig rig;
    QVERIFY(rig.Start());
    QVERIFY(rig.FromStick(KLX_MSG_SC_SYSTEM_DATA, Le16s({812, 795, 4000, 64})));
    QVERIFY(rig.FromTransceiver(KLX_MSG_TC_LINK_QUALITY, QByteArray::fromHex("6455d8c4")));
    QVERIFY(rig.FromTransceiver(KLX_MSG_TC_DEVICE_STATE, QByteArray::fromHex("000c3412")));
    QVERIFY(rig.FromTransceiver(KLX_MSG_TC_FRONT_PLUG_MODE, QByteArray::fromHex("02")));
    QVERIFY(QTest::qWaitFor([&] { return rig.db.KLX_DatabaseManagerGetSetFrontPlugMode(0, 1) == 2; }, kVornHangMs));
    QCOMPARE(rig.db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(0, 1), 812);
    QCOMPARE(rig.db.KLX_DataBaseManagerGetSetSystemProperties_Akku2Voltage(0, 1), 795);
    QCOMPARE(rig.db.KLX_DataBaseManagerGetSetSystemProperties_Current(0, 1), 3000);
    QCOMPARE(rig.db.KLX_DataBaseManagerGetSetSystemProperties_Brightness_In(0, 1), 64);
    QCOMPARE(rig.db.KLX_DataBaseManagerGetTransLQI1(), 100);
    QCOMPARE(rig.db.KLX_DataBaseManagerGetTransLQI2(), 85);
    QCOMPARE(rig.db.KLX_DataBaseManagerGetTransRSSI1(), -40);
    QCOMPARE(rig.db.KLX_DataBaseManagerGetTransRSSI2(), -60);
    QCOMPARE(rig.db.KLX_DatabaseManagerGetTCDeviceState(), 0x12340C00u);
    // Both reach the transmitter's own sensor: batteries, current, link quality.
    QList<int> own;
    for (int v = 0; v < 8; ++v) own << rig.db.KLX_DataBaseManagerTelemetrieGetSlaveValue(4, v);
    QCOMPARE(own.mid(0, 3), (QList<int>{812, 795, 3000}));
    QCOMPARE(own.mid(4), (QList<int>{100, 85, -40, -60}));
  }

  void trimsFollowTheirFlightModeDependency() {
    LinkRig rig;
    QVERIFY(rig.Start());
    VornErrorWatch watch;
    watch.Expect(0x10804u);
    QCOMPARE(rig.db.KLX_DataBaseManager_SetTrimFlightModeDependent(1, 5, true, false), KLX_Ok);
    QByteArray m35 = Le16s({-100, 200, 300});
    m35.append(char(5));
    QVERIFY(rig.FromTransceiver(KLX_MSG_TC_TRIMS_ABC, m35));
    QByteArray m36 = Le16s({-7, 8, 9});
    m36.append(char(5));
    QVERIFY(rig.FromTransceiver(KLX_MSG_TC_TRIMS_DEF, m36));
    QVERIFY(rig.FromTransceiver(KLX_MSG_TC_TRIMS_ABC, Le16s({1, 1, 1})));  // 6 bytes: refused
    QVERIFY(rig.Sync(602));
    QCOMPARE(rig.db.KLX_DataBaseManagerTrimGetSetTrimValueBeep(0, 0, 0, 1), -100);
    QCOMPARE(rig.db.KLX_DataBaseManagerTrimGetSetTrimValueBeep(1, 5, 0, 1), 200);
    QCOMPARE(rig.db.KLX_DataBaseManagerTrimGetSetTrimValueBeep(1, 0, 0, 1), 0);
    QCOMPARE(rig.db.KLX_DataBaseManagerTrimGetSetTrimValueBeep(5, 0, 0, 1), 9);
    const QList<QPair<int, int>> controls = {{512, -100}, {513, 200}, {752, 300}, {753, -7}, {514, 8}, {754, 9}};
    for (const auto& c : controls) QCOMPARE(rig.Control(c.first), c.second);
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{
                                  {0x10804u, "wrong length in KLX_StickMessageHandlerTrimData"}}));
  }

  void specialSwitches() {
    LinkRig rig;
    QVERIFY(rig.Start());
    VornErrorWatch watch;
    watch.Expect(0x10807u);
    QVERIFY(rig.FromTransceiver(KLX_MSG_TC_SPECIAL_SWITCHES, Le16s({-2047, 0, 2047, 5000})));
    QVERIFY(rig.Write(ShortId(KLX_NODE_TRANSCEIVER, KLX_MSG_TC_SPECIAL_SWITCHES), Le16s({1, 1, 1, 1}), 7));
    QVERIFY(rig.Sync(603));
    const int expected[4] = {-2047, 0, 2047, 2047};
    const int ids[4] = {774, 775, 1014, 1015};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(rig.db.KLX_DataBaseManagerSpecialSwitchGetSet_Value(i, 0, 1), expected[i]);
      QCOMPARE(rig.Control(ids[i]), expected[i]);
    }
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x10807u});
  }

  // The transceiver reports again at every start what the model holds: a
  // report marks the model for saving only when it changes a value. The
  // front socket's mode is asked of it in between by the pilot (a change of
  // the model, whose answer then looks unchanged) or by the model file's load.
  void reportsMarkTheModelOnlyWhenTheyChangeIt_data() {
    QTest::addColumn<int>("message");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QString>("asker");  // "pilot", "file" or none: who asks for the mode `again` reports
    QTest::addColumn<QByteArray>("again");
    QTest::addColumn<bool>("marked");
    const QByteArray trims = Le16s({-100, 200, 300}) + QByteArray(1, 0);
    const QByteArray special = Le16s({-2047, 0, 2047, 5});
    const QByteArray servo("\x00", 1), data("\x01", 1), sbus("\x02", 1);
    QTest::newRow("trims, the same") << int(KLX_MSG_TC_TRIMS_ABC) << trims << "" << trims << false;
    QTest::newRow("trims, one moved") << int(KLX_MSG_TC_TRIMS_ABC) << trims << ""
                                      << Le16s({-100, 201, 300}) + QByteArray(1, 0) << true;
    QTest::newRow("special switches, the same") << int(KLX_MSG_TC_SPECIAL_SWITCHES) << special << "" << special
                                                << false;
    QTest::newRow("special switches, one moved")
        << int(KLX_MSG_TC_SPECIAL_SWITCHES) << special << "" << Le16s({-2047, 0, 2047, 6}) << true;
    QTest::newRow("front socket, the same") << int(KLX_MSG_TC_FRONT_PLUG_MODE) << sbus << "" << sbus << false;
    QTest::newRow("front socket, another") << int(KLX_MSG_TC_FRONT_PLUG_MODE) << sbus << "" << data << true;
    QTest::newRow("front socket, the pilot's choice")
        << int(KLX_MSG_TC_FRONT_PLUG_MODE) << data << "pilot" << servo << true;
    QTest::newRow("front socket, the model file's mode")
        << int(KLX_MSG_TC_FRONT_PLUG_MODE) << data << "file" << servo << false;
  }
  void reportsMarkTheModelOnlyWhenTheyChangeIt() {
    QFETCH(int, message);
    QFETCH(QByteArray, first);
    QFETCH(QString, asker);
    QFETCH(QByteArray, again);
    QFETCH(bool, marked);
    LinkRig rig;
    QVERIFY(rig.Start());
    QVERIFY(rig.FromTransceiver(message, first));
    QVERIFY(rig.Sync(616));
    QVERIFY(rig.db.KLX_DataBaseManagerGetModelModifyFlag());
    rig.db.KLX_DataBaseManagerSetModelModifyFlag(false);
    const int mode = quint8(again[0]);
    if (asker == "pilot")
      QCOMPARE(rig.db.KLX_DatabaseManagerGetSetFrontPlugMode(mode, AtomicDirSet), int(KLX_MustPollAgain));
    if (asker == "file") QCOMPARE(rig.db.KLX_DatabaseManagerSetFrontPlugModeFromFile(mode), int(KLX_MustPollAgain));
    QVERIFY(rig.FromTransceiver(message, again));
    QVERIFY(rig.Sync(617));
    QCOMPARE(rig.db.KLX_DataBaseManagerGetModelModifyFlag(), marked);
  }

  void errorReportsFromBothControllers() {
    LinkRig rig;
    QVERIFY(rig.Start());
    VornErrorWatch watch;
    watch.Expect({0x01020304u, 0x020c0b0au});
    QVERIFY(rig.FromTransceiver(KLX_MSG_ERROR_REPORT, QByteArray::fromHex("04030201")));
    QVERIFY(rig.FromStick(KLX_MSG_ERROR_REPORT_2, QByteArray::fromHex("0a0b0c02")));
    QVERIFY(rig.Sync(604));
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{{0x01020304u, QString()},
                                                               {0x020c0b0au, QString()}}));
  }

  void answersForTheRunningTask() {
    LinkRig rig;
    QVERIFY(rig.Start());
    QVERIFY(rig.FromTransceiver(KLX_MSG_SYNC_TRANSCEIVER, QByteArray::fromHex("01010302")));
    QVERIFY(rig.FromStick(KLX_MSG_SYNC_STICK, QByteArray::fromHex("0102010478563412")));
    QVERIFY(rig.FromStick(KLX_MSG_SC_DIRECTIONS, QByteArray::fromHex("0f000080")));
    QVERIFY(rig.FromTransceiver(KLX_MSG_LOADER, QByteArray()));  // length 0: answer 0
    QVERIFY(rig.FromTransceiver(KLX_MSG_UNIT_MIXER, QByteArray(3, 1)));  // short unit message: no path
    QVERIFY(rig.WriteLong(KLX_NODE_TRANSCEIVER, KLX_MSG_UNIT_MIXER, QByteArray(10, 2)));
    QVERIFY(rig.FromTransceiver(KLX_MSG_TC_SENSOR_FRAME, QByteArray::fromHex("0a04112233")));
    QVERIFY(rig.FromTransceiver(KLX_MSG_TC_RESPONSE, QByteArray::fromHex("77")));
    QVERIFY(rig.Sync(605));
    const QList<TaskUpdate_Data_T> u = rig.Updates();
    QCOMPARE(u.size(), 6);
    QCOMPARE(u[0].updateKind, int(KLX_UPDATE_KIND_TRANSCEIVER));
    QCOMPARE(u[0].para, 1);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(u[0].data), 4), QByteArray::fromHex("01030200"));
    QCOMPARE(u[1].updateKind, int(KLX_UPDATE_KIND_STICK));
    QCOMPARE(u[1].para, 1);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(u[1].data), 8), QByteArray::fromHex("0201047856341200"));
    QCOMPARE(u[2].para, 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(u[2].data), 4), QByteArray::fromHex("0f000080"));
    QCOMPARE(u[3].para, 0);
    QCOMPARE(int(u[3].data[0]), 0);
    QCOMPARE(u[4].para, 2);
    QCOMPARE(int(u[4].data[0]), 3);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(u[4].data + 1), 11), QByteArray(10, 2) + QByteArray(1, 0));
    QCOMPARE(u[5].para, 16);  // sensor-bus command 4
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(u[5].data), 5), QByteArray::fromHex("0a04112233"));
    TaskUpdate_Data_T r;
    QVERIFY(rig.vorn.KLX_VornHandlerTakeResponse(&r));
    QCOMPARE(r.para, 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(r.data), 3), QByteArray::fromHex("027700"));
  }

  void updateAnswerIdDeliversTwice() {
    LinkRig rig;
    QVERIFY(rig.Start());
    rig.protocol.KLX_ProtocolSet_Update_CANID_Transceiverontroller(KLX_MSG_LOADER);
    QCOMPARE(rig.protocol.KLX_ProtocolIsClearBootUpdateFlag(), 1);
    QCOMPARE(rig.protocol.KLX_ProtocolIsClearBootUpdateFlag(), 0);
    rig.protocol.KLX_ProtocolSet_Update_CANID_Stickcontroller(65535);
    QVERIFY(rig.FromTransceiver(KLX_MSG_LOADER, QByteArray::fromHex("0506")));
    QVERIFY(rig.WriteLong(KLX_NODE_STICK, KLX_MSG_BOOT_ANSWER_DEFAULT, QByteArray(12, 9)));  // boot loader, long
    QVERIFY(rig.Sync(606));
    const QList<TaskUpdate_Data_T> u = rig.Updates();
    QCOMPARE(u.size(), 3);
    QCOMPARE(u[0].para, 5);
    QCOMPARE(u[1].para, 5);
    QCOMPARE(u[2].updateKind, int(KLX_UPDATE_KIND_STICK));
    QCOMPARE(u[2].para, 9);
  }

  void trimClicks() {
    LinkRig rig;
    QVERIFY(rig.Start());
    // Outside a search: one pending direction per trim.
    QVERIFY(rig.FromStick(KLX_MSG_SC_TRIM_CLICKS, QByteArray::fromHex("fe02fe02fe02")));
    QVERIFY(rig.Sync(607));
    const int first[6] = {-1, 1, -1, 1, -1, 1};
    for (int t = 0; t < 6; ++t) QCOMPARE(rig.db.KLX_DataBaseManagerGetAndClear_StickTrimDirection(t, t != 1), first[t]);
    // A second click while one is pending changes nothing; a message shorter
    // than six bytes clicks nothing beyond its length.
    QVERIFY(rig.FromStick(KLX_MSG_SC_TRIM_CLICKS, QByteArray::fromHex("02fe")));
    QVERIFY(rig.Sync(608));
    QCOMPARE(rig.db.KLX_DataBaseManagerGetAndClear_StickTrimDirection(0, true), 1);
    QCOMPARE(rig.db.KLX_DataBaseManagerGetAndClear_StickTrimDirection(1, true), 1);
    for (int t = 2; t < 6; ++t) QCOMPARE(rig.db.KLX_DataBaseManagerGetAndClear_StickTrimDirection(t, false), 0);

    // During a search the clicks move the trim's control value.
    rig.db.KLX_DataBaseManager_StickdataLock();
    rig.db.KLX_DataBaseManagerGetSet_ControlValueByControl(753, 10, 0);
    rig.db.KLX_DataBaseManagerGetSet_StickMovement(1, 0);
    rig.db.KLX_DataBaseManager_StickdataUnlock();
    QVERIFY(rig.FromStick(KLX_MSG_SC_TRIM_CLICKS, QByteArray::fromHex("000000fe")));
    QVERIFY(rig.FromStick(KLX_MSG_SC_TRIM_CLICKS, QByteArray::fromHex("000000fefe")));
    QVERIFY(rig.Sync(609));
    QCOMPARE(rig.Control(753), 12);
    QCOMPARE(rig.Control(514), -2047);  // from no value (-2048), clamped
  }

  void controlSearchChecksEveryEleventhMessage() {
    LinkRig rig;
    QVERIFY(rig.Start());
    SearchRelay relay(&rig.db);
    QSignalSpy found(&relay, &SearchRelay::controlSelected);
    QSignalSpy repeated(&relay, &SearchRelay::controlRepeated);
    QVERIFY(rig.FromStick(KLX_MSG_SC_SWITCHES_1, Le16s({0, 0, 0, 0})));
    QVERIFY(rig.FromStick(KLX_MSG_SC_STICKS, Le16s({0, 0, 0, 0})));
    QVERIFY(rig.Sync(610));
    rig.db.KLX_DataBaseManager_StickdataLock();
    rig.db.KLX_DataBaseManager_StickdataFreezeMovement();
    rig.db.KLX_DataBaseManager_StickdataUnlock();
    // Stick A and switch A both moved: the switch wins.
    QVERIFY(rig.FromStick(KLX_MSG_SC_SWITCHES_1, Le16s({300, 0, 0, 0})));
    for (int i = 0; i < 10; ++i) QVERIFY(rig.FromStick(KLX_MSG_SC_STICKS, Le16s({300, 0, 0, 0})));
    QVERIFY(rig.Sync(611));
    QCoreApplication::processEvents();
    QCOMPARE(found.size(), 0);
    QVERIFY(rig.FromStick(KLX_MSG_SC_STICKS, Le16s({300, 0, 0, 0})));
    QVERIFY(rig.Sync(612));
    QTRY_COMPARE(found.size(), 1);
    QCOMPARE(found[0][0].toInt(), 768);
    QCOMPARE(rig.db.KLX_DataBaseManager_StickdataGetSet_LastControl(0, 1), 768);
    // The next check waits 26 messages; the same control then repeats.
    QVERIFY(rig.FromStick(KLX_MSG_SC_SWITCHES_1, Le16s({900, 0, 0, 0})));
    for (int i = 0; i < 25; ++i) QVERIFY(rig.FromStick(KLX_MSG_SC_STICKS, Le16s({300, 0, 0, 0})));
    QVERIFY(rig.Sync(613));
    QCoreApplication::processEvents();
    QCOMPARE(repeated.size(), 0);
    QVERIFY(rig.FromStick(KLX_MSG_SC_STICKS, Le16s({300, 0, 0, 0})));
    QVERIFY(rig.Sync(614));
    QTRY_COMPARE(repeated.size(), 1);
    QCOMPARE(repeated[0][0].toInt(), 768);
  }
};

QTEST_GUILESS_MAIN(LiveValuesTest)
#include "tst_livevalues.moc"
