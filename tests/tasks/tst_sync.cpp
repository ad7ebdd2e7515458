// The synchronisation at start: the exact frames on the bus and what the
// program stores, the start-up chain's decision after it, and each recovery
// path of a controller that is late, silent, refuses, or answers only the
// second time.
#include "tasks/tasks_fixture.h"

namespace {
constexpr unsigned kSyncRetries = 0x22503;
constexpr unsigned kUnexpectedRecord = 0x23208;
constexpr unsigned kLoadStartRefused = 0x22004;
constexpr unsigned kPowerPinLow = 0x11909;
// A start without a current model: its file cannot be read.
using VT = KLX_VornTask;

QByteArray Frame(const KLX_CanFrame& f) { return QByteArray(reinterpret_cast<const char*>(f.data), f.can_dlc); }
}  // namespace

class SyncTest : public QObject {
  Q_OBJECT

 private slots:
  // The program's requests and the controllers' answers byte by byte, from
  // a peer that speaks raw frames; then what the chain does with the states.
  void exactFramesAndTheChainsDecision_data() {
    QTest::addColumn<int>("power");        // the power input at start
    QTest::addColumn<int>("updateFlag");
    QTest::addColumn<int>("transceiver");  // the states the controllers report
    QTest::addColumn<int>("stick");
    QTest::addColumn<int>("phase");
    QTest::addColumn<int>("boot");
    QTest::addColumn<int>("mode");
    QTest::newRow("both ready: the model load follows")
        << 1 << 0 << 1 << 1 << int(VT::KLX_PHASE_SYSTEM_UP) << int(VT::KLX_BOOT_STATUS_NORMAL) << 2;
    QTest::newRow("stick in its boot loader")
        << 1 << 0 << 1 << 2 << int(VT::KLX_PHASE_ERROR) << int(VT::KLX_BOOT_STATUS_NORMAL) << 1;
    QTest::newRow("transceiver in its boot loader")
        << 1 << 0 << 2 << 1 << int(VT::KLX_PHASE_ERROR) << int(VT::KLX_BOOT_STATUS_NORMAL) << 1;
    QTest::newRow("both in their boot loaders: the phase stays")
        << 1 << 0 << 2 << 2 << int(VT::KLX_PHASE_SYNC) << int(VT::KLX_BOOT_STATUS_NORMAL) << 1;
    // The firmware update finds no update folder: it fails, the update
    // stays pending for the next start, and the model load follows.
    QTest::newRow("update pending, nothing to update from")
        << 1 << 1 << 1 << 1 << int(VT::KLX_PHASE_SYSTEM_UP) << int(VT::KLX_BOOT_STATUS_NORMAL) << 2;
    QTest::newRow("power input not set at start: nothing follows")
        << 0 << 0 << 1 << 1 << int(VT::KLX_PHASE_SYNC) << int(VT::KLX_BOOT_STATUS_POWERDOWN) << 1;
  }
  void exactFramesAndTheChainsDecision() {
    QFETCH(int, power);
    QFETCH(int, updateFlag);
    QFETCH(int, transceiver);
    QFETCH(int, stick);
    QFETCH(int, phase);
    QFETCH(int, boot);
    QFETCH(int, mode);
    KLX_ManualClock clock;
    LinkRig rig;
    // The peer never answers the model load the chain starts; a power input
    // not set at start is reported.
    rig.errors.Expect({kLoadStartRefused, kPowerPinLow});
    // With an update pending the firmware update runs, finds no update
    // folder on this card and ends, starting the runtime read-outs again.
    if (updateFlag) rig.errors.Expect({0x22807, 0x23610, 0x33901, 0x33902});
    rig.taskClock = &clock;
    QVERIFY(rig.Start());
    rig.runtime.KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(power, true);
    rig.db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(updateFlag, AtomicDirSet);
    rig.db.KLX_DataBaseManagerSetModelModifyFlag(true);
    rig.db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet);
    rig.vorn.KLX_VornHandlerStartProcessing();
    QCOMPARE(rig.vorn.KLX_VornHandlerStartVorn(), int(KLX_Ok));
    QCOMPARE(rig.vorn.KLX_VornHandlerStartVorn(), int(KLX_Error));  // once only

    KLX_CanFrame f;
    QVERIFY(rig.Read(&f));
    QCOMPARE(f.can_id, ShortId(KLX_NODE_APPLICATION, 128));
    QCOMPARE(Frame(f), QByteArray::fromHex("0100000000000000"));
    QVERIFY(rig.FromTransceiver(128, QByteArray::fromHex("01") + char(transceiver) + QByteArray::fromHex("0307")));
    QVERIFY(rig.Read(&f));
    QCOMPARE(f.can_id, ShortId(KLX_NODE_APPLICATION, 129));
    QCOMPARE(Frame(f), QByteArray::fromHex("0100000000000000"));
    QVERIFY(rig.FromStick(129, QByteArray::fromHex("01") + char(stick) + QByteArray::fromHex("020978563412")));
    QVERIFY(rig.Read(&f));
    QCOMPARE(f.can_id, ShortId(KLX_NODE_APPLICATION, 150));
    QCOMPARE(int(f.can_dlc), 0);
    QVERIFY(rig.FromStick(64, QByteArray::fromHex("05000080")));
    if (phase == VT::KLX_PHASE_SYSTEM_UP) {
      // The model load starts; a controller that refuses it leaves the
      // program without a model, up all the same.
      QVERIFY(rig.Read(&f));
      QCOMPARE(f.can_id, ShortId(KLX_NODE_APPLICATION, 96));
      QCOMPARE(Frame(f), QByteArray::fromHex("0108000000000000"));
      QVERIFY(rig.FromTransceiver(96, QByteArray::fromHex("0101030000000000")));
      QVERIFY(rig.Read(&f));
      QCOMPARE(Frame(f), QByteArray::fromHex("0103000000000000"));
    }

    // Stored before the chain goes on.
    QTRY_COMPARE_WITH_TIMEOUT(rig.db.KLX_DataBaseManagerGetSetBootStatus(0, AtomicDirGet), boot, TaskRig::kHangMs);
    QTRY_COMPARE_WITH_TIMEOUT(rig.vorn.KLX_VornHandlerGetState(), int(KLX_VornStateMachine::KLX_VORN_STATE_IDLE), TaskRig::kHangMs);
    QCOMPARE(rig.db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TransceiverState(0, AtomicDirGet), transceiver);
    QCOMPARE(rig.db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_StickState(0, AtomicDirGet), stick);
    QCOMPARE(rig.db.KLX_DataBaseManagerVornTransAppGetVersion(), QString("3.7"));
    QCOMPARE(rig.db.KLX_DataBaseManagerVornStickAppGetVersion(), QString("2.9"));
    QCOMPARE(rig.db.KLX_DataBaseManagerSerialStickGet(), QString::number(0x12345678));
    QCOMPARE(rig.runtime.KLX_GetDirectionOfControls(), 0x80000005u);
    QTRY_COMPARE_WITH_TIMEOUT(rig.db.KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet), phase, TaskRig::kHangMs);
    QCOMPARE(rig.vorn.KLX_VornHandlerGetMode(), mode);
    // A pending update is installed on a clean slate, and a refused load
    // leaves no model: nothing is saved.
    QCOMPARE(rig.db.KLX_DataBaseManagerGetModelModifyFlag(), updateFlag == 0 && phase != VT::KLX_PHASE_SYSTEM_UP);
    QCOMPARE(rig.db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet), updateFlag);
    QVERIFY(rig.NothingMoreSent());
  }

  // A transceiver controller that never answers: the request goes out four
  // times, 2 s apart on the engine's clock, then the start is marked bad and
  // the state machine holds.
  void silentTransceiverMarksABadStart() {
    TaskRig r;
    QVERIFY(r.Start());
    VornErrorWatch errors;
    errors.Expect(kSyncRetries);
    r.link.runtime.KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(1, true);
    r.Db().KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet);
    r.sim.TransceiverController().Answers().Set(SimRequestTransceiverSync, CSimAnswerKnobs{0, true, false, 1});
    r.StartProcessing();
    QCOMPARE(r.Vorn().KLX_VornHandlerStartVorn(), int(KLX_Ok));
    QTRY_COMPARE_WITH_TIMEOUT(r.sim.Received(SimRequestTransceiverSync), 1, TaskRig::kHangMs);
    for (int sent = 1; sent <= 4; ++sent) {
      QVERIFY(r.Run(1999));
      QVERIFY(r.Flushed());
      QCOMPARE(r.sim.Received(SimRequestTransceiverSync), sent);
      QCOMPARE(r.Phase(), int(VT::KLX_PHASE_SYNC));
      QVERIFY(r.Run(1));
      if (sent < 4) QTRY_COMPARE_WITH_TIMEOUT(r.sim.Received(SimRequestTransceiverSync), sent + 1, TaskRig::kHangMs);
    }
    QTRY_COMPARE_WITH_TIMEOUT(r.Phase(), int(VT::KLX_PHASE_ERROR), TaskRig::kHangMs);
    QVERIFY(r.Flushed());
    QCOMPARE(r.SyncRequests(), (QList<int>{4, 0, 0}));
    QCOMPARE(errors.TakeReports(), (QList<QPair<unsigned, QString>>{{kSyncRetries, "sync went wrong after retries"}}));
    QCOMPARE(r.Db().KLX_DataBaseManagerVornPropertiesGetModelName(), QString("model_badstart"));
    QVERIFY(r.Db().KLX_DataBaseManagerGetVornModifyFlag());
    QCOMPARE(r.Db().KLX_DataBaseManagerGetSetBootStatus(0, AtomicDirGet), int(VT::KLX_BOOT_STATUS_NORMAL));
    QCOMPARE(r.Vorn().KLX_VornHandlerGetState(), int(KLX_VornStateMachine::KLX_VORN_STATE_SYNC));
    QCOMPARE(r.Vorn().KLX_VornHandlerGetMode(), int(KLX_VornStateMachine::KLX_VORN_MODE_STARTUP));
  }

  // Each way a controller can answer badly, and where the synchronisation
  // ends: the steps are the clock's moves after the program's requests
  // have reached the controllers.
  void recoveryPaths_data() {
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("delay");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("refuse");
    QTest::addColumn<int>("answerFrom");
    QTest::addColumn<bool>("interject");  // another controller message while the directions are awaited
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QList<int>>("requests");  // 128, 129, 150 received
    QTest::addColumn<int>("phase");
    QTest::addColumn<QList<unsigned>>("codes");
    const int up = VT::KLX_PHASE_SYSTEM_UP;
    const int error = VT::KLX_PHASE_ERROR;
    QTest::newRow("transceiver answers the second try")
        << 128 << 0 << false << false << 2 << false << QList<int>{2000} << QList<int>{2, 1, 1} << up << QList<unsigned>{};
    QTest::newRow("stick answers the second try: its own request again")
        << 129 << 0 << false << false << 2 << false << QList<int>{2000} << QList<int>{1, 2, 1} << up << QList<unsigned>{};
    QTest::newRow("directions 1.5 s late: within the time-out")
        << 150 << 1500 << false << false << 1 << false << QList<int>{1500} << QList<int>{1, 1, 1} << up
        << QList<unsigned>{};
    QTest::newRow("directions 2.5 s late: asked again, the first answer counts")
        << 150 << 2500 << false << false << 1 << false << QList<int>{2000, 500} << QList<int>{1, 1, 2} << up
        << QList<unsigned>{};
    QTest::newRow("transceiver refuses: four tries at once")
        << 128 << 0 << false << true << 1 << false << QList<int>{} << QList<int>{4, 0, 0} << error
        << QList<unsigned>{kSyncRetries};
    QTest::newRow("stick refuses: each round starts with the transceiver, four rounds")
        << 129 << 0 << false << true << 1 << false << QList<int>{} << QList<int>{4, 4, 0} << error
        << QList<unsigned>{kSyncRetries};
    QTest::newRow("stick silent: its request four times")
        << 129 << 0 << true << false << 1 << false << QList<int>{2000, 2000, 2000, 2000} << QList<int>{1, 4, 0}
        << error << QList<unsigned>{kSyncRetries};
    QTest::newRow("another message instead of the directions: no retry")
        << 150 << 0 << true << false << 1 << true << QList<int>{} << QList<int>{1, 1, 1} << error
        << QList<unsigned>{kUnexpectedRecord};
  }
  void recoveryPaths() {
    QFETCH(int, request);
    QFETCH(int, delay);
    QFETCH(bool, silent);
    QFETCH(bool, refuse);
    QFETCH(int, answerFrom);
    QFETCH(bool, interject);
    QFETCH(QList<int>, steps);
    QFETCH(QList<int>, requests);
    QFETCH(int, phase);
    QFETCH(QList<unsigned>, codes);
    TaskRig r;
    QVERIFY(r.Start());
    VornErrorWatch errors;
    errors.Expect({kSyncRetries, kUnexpectedRecord});
    r.link.runtime.KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(1, true);
    CSimAnswerBook& book = request == SimRequestTransceiverSync ? r.sim.TransceiverController().Answers()
                                                                : r.sim.StickController().Answers();
    book.Set(request, CSimAnswerKnobs{delay, silent, refuse, answerFrom});
    r.StartProcessing();
    QCOMPARE(r.Vorn().KLX_VornHandlerStartVorn(), int(KLX_Ok));
    QTRY_VERIFY_WITH_TIMEOUT(r.sim.Received(request) >= 1, TaskRig::kHangMs);
    if (interject) {
      QVERIFY(r.Flushed());
      r.sim.Send(CSimControllers::Transceiver, 114, QByteArray(1, '\x01'));
    }
    for (int ms : steps) {
      QVERIFY(r.Flushed());
      QVERIFY(r.Run(ms));
    }
    QTRY_COMPARE_WITH_TIMEOUT(r.Phase(), phase, TaskRig::kHangMs);
    QTRY_COMPARE(r.Vorn().KLX_VornHandlerGetState(),
                 int(phase == VT::KLX_PHASE_ERROR ? KLX_VornStateMachine::KLX_VORN_STATE_SYNC
                                                  : KLX_VornStateMachine::KLX_VORN_STATE_IDLE));
    QVERIFY(r.Flushed());
    QCOMPARE(r.SyncRequests(), requests);
    QCOMPARE(errors.TakeCodes(), codes);
  }
};

QTEST_GUILESS_MAIN(SyncTest)
#include "tst_sync.moc"
