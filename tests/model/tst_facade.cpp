// The facade's central part: bring-up and freeing of the stores, marks and
// modify flags, the update bracket, limits, control ids and values, the
// published controls, the live-control layer and the model checksum.
#include <QSignalSpy>

#include <thread>

#include "model/model_fixture.h"

namespace {
using K = KLX_UnitKind;
}

class TestFacade : public QObject {
  Q_OBJECT

 private slots:
  void freeIsRefusedWhileInitialised() {
    ModelFixture fx;
    fx.db.KLX_DataBaseManagerFree();
    QVERIFY(fx.db.KLX_DataBaseManagerFunctionStore());
    fx.db.KLX_DataBaseManagerStop();
    fx.db.KLX_DataBaseManagerFree();
    QVERIFY(!fx.db.KLX_DataBaseManagerFunctionStore());
    QVERIFY(!fx.db.KLX_DataBaseManagerTrimStore());
    fx.db.KLX_DataBaseManagerFree();
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 1, AtomicDirSet), int(KLX_Error));
  }

  void initialiseWithoutRuntimeFailsAndDeletesTheStores() {
    VornTestRoot root;
    CSimBoard(root.Path(), CSimBoard::Vorn).Prepare(0);
    KLX_Protocol protocol;
    KLX_VornHandler vorn;
    KLX_DataBaseManager db;
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerInitialize(&protocol, &vorn, &KLXlanguageHandler, nullptr), int(KLX_Error));
    QCOMPARE(watch.TakeReports(),
             (QList<QPair<unsigned, QString>>{{0x10301u, QString("KLX_DataBaseManagerInitialize() gone wrong")}}));
    QVERIFY(!db.KLX_DataBaseManagerIsInitialized());
    QVERIFY(!db.KLX_DataBaseManagerFunctionStore());
    QVERIFY(!db.KLX_DataBaseManagerCurveStore());
  }

  void markWithoutModifiedFlagsOnlyTheUnit() {
    ModelFixture fx;
    fx.db.KLX_DataBaseManagerFunctionMarkCurve(7, false);
    QVERIFY(fx.Marked(K::Curve, 7));
    QVERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
    fx.db.KLX_DataBaseManagerMarkTrim(2, true);
    QVERIFY(fx.Marked(K::Trim, 2));
    QVERIFY(fx.db.KLX_DataBaseManagerGetModelModifyFlag());
    fx.db.KLX_DataBaseManagerFunctionMarkFlightmodeAssign(false);
    QVERIFY(fx.Marked(K::FlightmodeAss, 0));
    // Teacher/pupil settings belong to the settings file.
    fx.db.KLX_DataBaseManagerSetModelModifyFlag(false);
    fx.db.KLX_DataBaseManagerSetSystemModifyFlag(false);
    fx.db.KLX_DataBaseManagerTutorPupilMarkTutorPupil(true);
    QVERIFY(fx.db.KLX_DataBaseManagerGetSystemModifyFlag());
    QVERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
    // A mark outside the kind's count is ignored.
    fx.db.KLX_DataBaseManagerFunctionMarkFunction(48, false);
    QVERIFY(!fx.Marked(K::Function, 48));
  }

  void modifyFlagsAreSharedWithTheSaverThread() {
    ModelFixture fx;
    // Written on another thread, seen here: process-wide and atomic.
    std::thread writer([&] { fx.db.KLX_DataBaseManagerSetModelModifyFlag(true); });
    writer.join();
    QVERIFY(KLX_DataBaseManager::m_modeldatamodified.load());
    QVERIFY(KLX_DataBaseManager::m_modeldatamodified.is_always_lock_free);
  }

  void updateBracket() {
    ModelFixture fx;
    VornErrorWatch watch;
    fx.db.KLX_DataBaseManagerGetSetStartupPhases(3, AtomicDirSet);
    fx.db.KLX_DataBaseManagerSetModelModifyFlag(true);
    fx.runtime.KLX_RuntimeDatabaseManagerStartProcessing(false);
    fx.db.KLX_DataBaseManagerUpdateBegin();
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet), 7);
    QVERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
    QVERIFY(!fx.runtime.KLX_RuntimeDatabaseManagerIsProcessing());
    fx.db.KLX_DataBaseManagerUpdateEnd();
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet), 3);
    QVERIFY(fx.runtime.KLX_RuntimeDatabaseManagerIsProcessing());
    // The mark was held, not dropped: the change waits to be saved again.
    QVERIFY(fx.db.KLX_DataBaseManagerGetModelModifyFlag());
    // Without a begin the phase and the mark stay and processing still restarts.
    fx.runtime.KLX_RuntimeDatabaseManagerStopProcessing();
    fx.db.KLX_DataBaseManagerGetSetStartupPhases(5, AtomicDirSet);
    fx.db.KLX_DataBaseManagerSetModelModifyFlag(false);
    fx.db.KLX_DataBaseManagerUpdateEnd();
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet), 5);
    QVERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
    QVERIFY(fx.runtime.KLX_RuntimeDatabaseManagerIsProcessing());
    // Each start and stop of the engine's processing is logged.
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x33901, 0x33902, 0x33901, 0x33902, 0x33901}));
  }

  void limitsFollowTheBoard_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<QList<int>>("limits");  // functions, servos, FM, FM switches, VS, sequencers, tele, timers
    QTest::newRow("larger") << int(KL_BOARD_VORN) << QList<int>{48, 26, 27, 8, 128, 2, 16};
    QTest::newRow("smaller") << int(KL_BOARD_FENK) << QList<int>{32, 18, 9, 7, 80, 1, 4};
  }

  void limitsFollowTheBoard() {
    QFETCH(int, board);
    QFETCH(QList<int>, limits);
    ModelFixture fx(board);
    const char* names[] = {"KLX_DataBaseManagerGetMaxFunctions", "KLX_DataBaseManagerGetMaxServos",
                           "KLX_DataBaseManagerGetMaxFlightmodes", "KLX_DataBaseManagerGetMaxFMControls",
                           "KLX_DataBaseManagerGetMaxVirualSwitches", "KLX_DataBaseManagerGetMaxSequncer",
                           "KLX_DataBaseManagerGetMaxTeleControls"};
    for (int i = 0; i < limits.size(); ++i) QCOMPARE(InvokeInt(&fx.db, names[i], {}), limits[i]);
    QCOMPARE(InvokeInt(&fx.db, "KLX_DataBaseManagerGetMaxCurves", {}), 255);
    QCOMPARE(InvokeInt(&fx.db, "KLX_DataBaseManagerGetMaxServosPerFunction", {}), 10);
    // As the board descriptor and the model file count them.
    QCOMPARE(InvokeInt(&fx.db, "KLX_DataBaseManagerGetMaxSpecialSwitch", {}), 4);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetMaxTimer(true), 8);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetMaxTimer(false), Board::m_Instance->TimerCountMax());
  }

  void controlIds() {
    ModelFixture fx(KL_BOARD_FENK);
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerGetControlForConstValuePercent(150), 0x8000 | 2047);
    QCOMPARE(db.KLX_DataBaseManagerGetControlForConstValuePercent(100), 0x8000 | 2047);
    QCOMPARE(db.KLX_DataBaseManagerGetControlForConstValuePercent(-100), 0x8000 | 0x801);
    QCOMPARE(db.KLX_DataBaseManagerGetValueOfControl(0x8000 | 0x801), -2047);
    QCOMPARE(db.KLX_DataBaseManagerGetValueOfControl(db.KLX_DataBaseManagerGetControlForConstValuePercent(50)), 1024);
    QCOMPARE(db.KLX_DataBaseManagerGetControlForVirtualSwitch(127), 0x57F);
    QCOMPARE(db.KLX_DataBaseManagerGetControlForVirtualSwitch(128), int(Indexes_Out_Of_Range));
    QCOMPARE(db.KLX_DataBaseManagerGetControlForVirtualSwitchInv(3), 0x803);
    QCOMPARE(db.KLX_DataBaseManagerGetControlForFlightmode(8), 0x908);
    QCOMPARE(db.KLX_DataBaseManagerGetControlForFlightmode(9), int(Indexes_Out_Of_Range));
    QCOMPARE(db.KLX_DataBaseManagerGetControlForFlightmodeInv(2), 0xA02);
    QCOMPARE(db.KLX_DataBaseManagerGetControlForTelemetryControl(3), 0x603);
    QCOMPARE(db.KLX_DataBaseManagerGetControlForTelemetryControl(4), int(Indexes_Out_Of_Range));
    QCOMPARE(db.KLX_DatabaseBaseCalcRealByPercent(150), 3071);
    QCOMPARE(db.KLX_DataBaseManagerGetNameOfControlByID(256), QString("ST-A"));
    QCOMPARE(db.KLX_DataBaseManagerGetNameOfControlByID(1013), QString("SW-H"));
    QCOMPARE(db.KLX_DataBaseManagerGetNameOfControlByID(65535), QString("---"));
    QCOMPARE(db.KLX_DataBaseManagerGetNameOfControlByID(0x8123), QString("Constant"));
    QCOMPARE(db.KLX_DataBaseManagerGetNameOfControlByID(1280), QString());
    QCOMPARE(db.KLX_DataBaseManagerGetNameOfControlByID(0x901), QString());
    QCOMPARE(db.KLX_DataBaseManagerGetStickControlIDbyControl(1025), 4);
    QCOMPARE(db.KLX_DataBaseManagerGetStickControlIDbyControl(773), 20);
    QCOMPARE(db.KLX_DataBaseManagerGetStickControlIDbyControl(512), 255);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGet_SwitchIdByContorlID(1407), 127);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGet_SwitchIdByContorlID(1408), int(KLX_Error));
  }

  void controlValues() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerGetValueOfControl(2), 2047);
    QCOMPARE(db.KLX_DataBaseManagerGetValueOfControl(3), -2047);
    QCOMPARE(db.KLX_DataBaseManagerGetValueOfControl(0x703), 0);
    QCOMPARE(db.KLX_DataBaseManagerGetValueOfControl(0xA01), 0);
    // A live value of a physical control, read under the live-control lock.
    QCOMPARE(db.KLX_DataBaseManagerGetSet_StickLeftUpDown(500, AtomicDirSet), 500);
    QCOMPARE(db.KLX_DataBaseManagerGetValueOfControl(256), 500);
    QCOMPARE(db.KLX_DataBaseManagerGetValueOfControlPercent(256), 24);
    QCOMPARE(db.KLX_DataBaseManagerGetSet_Switch(-2047, 768, AtomicDirSet), -2047);
    QCOMPARE(db.KLX_DataBaseManagerGetValueOfControlPercent(768), -100);
    // Virtual switches that do not exist: the inverted one reads off, the plain one 0.
    QCOMPARE(db.KLX_DataBaseManagerGetValueOfControl(0x800 + 200), -2047);
    QCOMPARE(db.KLX_DataBaseManagerGetValueOfControl(0x500 + 200), 0);
    const int vs = kl_engine_get_virtual_switch_outputbySwitchID(5);
    QCOMPARE(db.KLX_DataBaseManagerGetValueOfControl(0x505), vs);
    QCOMPARE(db.KLX_DataBaseManagerGetValueOfControl(0x805), vs < 0 ? 2047 : -2047);
  }

  void publishedControlSignals() {
    CControl c;
    QSignalSpy changed(&c, &CControl::OnValueChanged);
    QSignalSpy enabled(&c, &CControl::OnEnabled);
    QSignalSpy disabled(&c, &CControl::OnDisabled);
    c.SetValue(5);
    QCOMPARE(changed.count(), 0);  // not active before an id
    c.SetID(768);
    c.SetValue(-2047);
    c.SetValue(-2047);
    QCOMPARE(changed.count(), 1);
    c.SetValue(2047);
    QCOMPARE(enabled.count(), 1);
    c.SetValue(2046);
    QCOMPARE(disabled.count(), 1);
    c.SetValue(2045);
    QCOMPARE(changed.count(), 4);
    QCOMPARE(enabled.count() + disabled.count(), 2);
    // Id 0 silences without forgetting; the same id again re-activates and keeps subscribers.
    c.SetID(0);
    c.SetValue(100);
    QCOMPARE(changed.count(), 4);
    c.SetID(768);
    QCOMPARE(c.ID(), 768);
    c.SetValue(100);
    QCOMPARE(changed.count(), 5);
    // A new id drops every subscriber and starts again from no value.
    c.SetID(769);
    QCOMPARE(int(c.Value()), -2048);
    c.SetValue(100);
    QCOMPARE(changed.count(), 5);
    QSignalSpy again(&c, &CControl::OnValueChanged);
    c.SetValue(101);
    QCOMPARE(again.count(), 1);
    QCOMPARE(again.at(0).at(0).value<CControlVal>(), CControlVal(101));
    QVERIFY(QMetaType::type("CControlVal") != QMetaType::UnknownType);
  }

  void publishedControlsByIdOrSlot() {
    ModelFixture fx;
    QVERIFY(fx.db.KLX_DataBaseManagerGetControl(175));
    QVERIFY(!fx.db.KLX_DataBaseManagerGetControl(176));
    fx.db.KLX_DataBaseManagerGetControl(12)->SetID(256);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetControlByID(256), fx.db.KLX_DataBaseManagerGetControl(12));
    QVERIFY(!fx.db.KLX_DataBaseManagerGetControlByID(257));
    // A virtual switch's control sits in its own slot, 32 + n, whatever ids the slots carry.
    QCOMPARE(fx.db.KLX_DataBaseManagerGetControlByID(1281), fx.db.KLX_DataBaseManagerGetControl(33));
  }

  void watchingMovementLocksAndReleasesTheTrims() {
    ModelFixture fx;
    fx.db.KLX_DataBaseManager_StickdataStartWatchingMovement(true);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSet_StickMovement(0, AtomicDirGet), 1);
    fx.db.KLX_DataBaseManager_StickdataStopWatchingMovement();
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSet_StickMovement(0, AtomicDirGet), 0);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 2);
    QCOMPARE(int(sent[0].id), 32);
    QCOMPARE(sent[0].data, QByteArray(1, '\x01'));
    QCOMPARE(sent[1].data, QByteArray(1, '\x00'));
    QCOMPARE(fx.db.KLX_DataBaseManager_LockTrimControls(), 1);
    QCOMPARE(fx.Sent().at(0).data, QByteArray(1, '\x01'));
  }

  void trimClickDirection() {
    ModelFixture fx;
    fx.db.KLX_DataBaseManagerSet_StickTrimDirectionClicked(2, 5);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetAndClear_StickTrimDirection(2, true), 1);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetAndClear_StickTrimDirection(2, true), 0);
    QCOMPARE(fx.db.KLX_DataBaseManagerSet_StickTrimDirectionClicked(6, 1), int(KLX_Error));
  }

  void checksumOfOneBuffer() {
    const unsigned char abc[] = {'a', 'b', 'c'};
    QCOMPARE(crc32_calc_buf(abc, 3), 0x364B3FB7u);
  }

  void storesAndEngineAgreeOnTheChecksum_data() {
    AddBoardRows();
  }

  void storesAndEngineAgreeOnTheChecksum() {
    QFETCH(int, board);
    EngineFixture fx(board);
    KLX_DataBaseManager& db = fx.db;
    const unsigned empty = db.KLX_DataBaseManagerCalculateModelCRC(false);
    QCOMPARE(db.KLX_DataBaseManagerCalculateModelCRC(true), empty);

    // A small model written through the facade.
    db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 1, AtomicDirSet);
    db.KLX_DataBaseManagerFunctionGetSet_Control(0, 256, AtomicDirSet);
    db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateHi(0, 0, 80, AtomicDirSet);
    db.KLX_DataBaseManagerFunctionGetSet_IsUsed(5, 1, AtomicDirSet);
    db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(3, 1, AtomicDirSet);
    db.KLX_DataBaseManagerServoConfigGetSet_Centre(3, 12, AtomicDirSet);
    db.KLX_DataBaseManagerServoConfigGetSet_BsPtsCentreAdd(3, 40, AtomicDirSet);
    db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(0, 1, AtomicDirSet);
    db.KLX_DataBaseManagerFlightmodeGetSet_FadeIn(0, 15, AtomicDirSet);
    db.KLX_DataBaseManagerCurveGetSet_IsUsed(4, 1, AtomicDirSet);
    db.KLX_DataBaseManagerCurveGetSet_CurveValue(4, 16, 300, AtomicDirSet);
    db.KLX_DataBaseManagerTrimGetSetTrimValue(1, 0, 77, AtomicDirSet);
    db.KLX_DataBaseManagerFlightmodeAssignGetSet_Control(0, 768, AtomicDirSet);
    const unsigned fromStores = db.KLX_DataBaseManagerCalculateModelCRC(false);
    QVERIFY(fromStores != empty);

    // The engine's block holds the edits once a data pass has copied them.
    QCOMPARE(db.KLX_DataBaseManagerCalculateModelCRC(true), empty);
    fx.DataPass();
    QCOMPARE(db.KLX_DataBaseManagerCalculateModelCRC(true), fromStores);
    QCOMPARE(db.KLX_DataBaseManagerModelCRCGetOwnCRC(), fromStores);

    // An unused function does not count; an unused trim does.
    db.KLX_DataBaseManagerFunctionGetSet_Control(9, 300, AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerCalculateModelCRC(false), fromStores);
    db.KLX_DataBaseManagerTrimGetSetTrimValue(5, 3, 1, AtomicDirSet);
    QVERIFY(db.KLX_DataBaseManagerCalculateModelCRC(false) != fromStores);
  }

  void checksumParts() {
    ModelFixture fx;
    QVERIFY(!fx.db.KLX_DataBaseManagerGetCRCValidityAtStart(true));
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetCRCpart(true, 0xDEADBEEF, AtomicDirSet), 0xDEADBEEFu);
    QVERIFY(fx.db.KLX_DataBaseManagerGetCRCValidityAtStart(true));
    QVERIFY(!fx.db.KLX_DataBaseManagerGetCRCValidityAtStart(false));
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetCRCpart(true, 0, AtomicDirGet), 0xDEADBEEFu);
    fx.db.KLX_DataBaseManagerModeCRCSetTransCRC(42);
    QCOMPARE(fx.db.KLX_DataBaseManagerModeCRCGetTransCRC(), 42u);
  }

  void rescanDoneTellsWhetherTheModelWasKeptInTheController() {
    ModelFixture fx;
    QSignalSpy done(&fx.db, &KLX_DataBaseManager::teleRescanDone);
    fx.db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(true, AtomicDirSet);
    fx.db.KLX_DataBaseManagerEmitTeleRescanDone(3);
    fx.db.KLX_DataBaseManagerEmitTeleRescanDone(2);
    QCOMPARE(done.count(), 2);
    QCOMPARE(done.at(0), (QList<QVariant>{3, true}));
    QCOMPARE(done.at(1), (QList<QVariant>{2, false}));
    QSignalSpy gps(&fx.db, &KLX_DataBaseManager::gpsDataReceived);
    fx.db.KLX_DataBaseManagerOnGpsDataReceived(4, 0, 1, 2);
    fx.db.KLX_DataBaseManagerOnGpsDataReceived(7, 0, 1, 2);
    QCOMPARE(gps.count(), 1);
  }

  void resetClearsTheModel() {
    ModelFixture fx;
    fx.db.KLX_DataBaseManagerFunctionGetSet_IsUsed(3, 1, AtomicDirSet);
    fx.db.KLX_DataBaseManagerFunctionSetDisplayedOrder({3, 1});
    fx.db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(1, 1, AtomicDirSet);
    fx.db.KLX_DataBaseManagerCurveGetSet_IsUsed(9, 1, AtomicDirSet);
    fx.db.KLX_DataBaseManagerGetSetTransRSSI1(-40, AtomicDirSet);
    fx.db.KLX_DataBaseManagerResetAllModelData();
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetNumber(), 0);
    QVERIFY(fx.db.KLX_DataBaseManagerFunctionGetDisplayedOrder().isEmpty());
    QCOMPARE(fx.db.KLX_DataBaseManagerServoConfigGetNumber(), 0);
    QCOMPARE(fx.db.KLX_DataBaseManagerCurveGetNumber(), 0);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetTransRSSI1(), -129);
    QVERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
  }
};

QTEST_GUILESS_MAIN(TestFacade)
#include "tst_facade.moc"
