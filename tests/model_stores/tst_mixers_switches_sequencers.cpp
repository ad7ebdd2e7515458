// Mixers, limiters, virtual switches, sequencers and special switches: the
// clamp and conversion of each field and the exact bytes of its update.
#include "model/model_fixture.h"

namespace {
constexpr int W = 0;  // write
constexpr int R = 1;  // read
}  // namespace

class TestMixersSwitchesSequencers : public QObject {
  Q_OBJECT
 private slots:
  // ---- Mixers -------------------------------------------------------------------
  void mixerFieldWrites_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("fm");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("readBack");
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("width");
    QTest::newRow("used 5 stores 1") << "IsUsed" << -1 << 5 << 1 << 1 << 1 << 1;
    QTest::newRow("used -3 stores 0") << "IsUsed" << -1 << -3 << 0 << 1 << 0 << 1;
    QTest::newRow("global curve 255 stores 254") << "GlobalCurveIdx" << -1 << 255 << 254 << 7 << 254 << 2;
    QTest::newRow("set-up curve keeps 255") << "Setup_CurveIdx" << 3 << 255 << 255 << 12 << 255 << 2;
    QTest::newRow("delay up 300 stores 200") << "Setup_DelayUp" << 2 << 300 << 200 << 13 << 200 << 2;
    QTest::newRow("gain hi 100 %") << "Setup_GainHi" << 1 << 100 << 100 << 10 << 2047 << 2;
    QTest::newRow("gain lo -150 % clamps") << "Setup_GainLo" << 0 << -150 << -100 << 11 << -2047 << 2;
    QTest::newRow("source function 60 clamps to none") << "FromFuncIdx" << -1 << 60 << 48 << 3 << 48 << 2;
  }
  void mixerFieldWrites() {
    QFETCH(QString, field);
    QFETCH(int, fm);
    QFETCH(int, written);
    QFETCH(int, readBack);
    QFETCH(int, element);
    QFETCH(int, raw);
    QFETCH(int, width);
    ModelFixture fx;
    const QByteArray name = ("KLX_DataBaseManagerMixerGetSet_" + field).toLatin1();
    const QList<int> args = fm < 0 ? QList<int>{5, written, W} : QList<int>{5, fm, written, W};
    QCOMPARE(InvokeInt(&fx.db, name.constData(), args), readBack);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(sent[0].id), 65);
    QCOMPARE(sent[0].data, Update(element, 5, fm < 0 ? 0 : fm, 0, raw, width));
    QVERIFY(fx.Marked(KLX_UnitKind::Mixer, 5));
    QVERIFY(fx.db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  void mixerMaskNeverHoldsFlightModeZero() {
    ModelFixture fx;
    QCOMPARE(fx.db.KLX_DataBaseManagerMixerGetSet_SingleMask(2, 0x0Fu, W, false), 0x0E);
    QCOMPARE(fx.db.KLX_DataBaseManager_SetMixerFlightModeDependent(2, 0, 1), int(KLX_Error));
    QCOMPARE(fx.db.KLX_DataBaseManager_IsMixerFlightModeDependent(2, 40), 0);
  }

  void mixerCopyFromFlightModeZeroTakesTheGlobalCurve() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerMixerGetSet_GlobalCurveIdx(4, 9, W, false);
    db.KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(4, 0, 17, W, false);
    db.KLX_DataBaseManagerMixerGetSet_Setup_GainHi(4, 0, 33, W, false);
    QCOMPARE(db.KLX_DataBaseManager_MixerFlightModeCopyTo(4, 0, 3, false), 9);
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(4, 3, 0, R), 9);
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_Setup_GainHi(4, 3, 0, R),
             db.KLX_DataBaseManagerMixerGetSet_Setup_GainHi(4, 0, 0, R));
  }

  void mixerOnTheSmallerBoardCountsOnly32() {
    ModelFixture fx(KL_BOARD_FENK);
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_IsUsed(40, 1, W, false), 1);
    QCOMPARE(db.KLX_DataBaseManagerMixerGetNumber(), 0);
    const unsigned before = db.KLX_DataBaseManagerMixerStore()->KLX_MixerCalcCRC(0);
    QCOMPARE(before, 0u);
    for (int j = 0; j < 32; ++j) db.KLX_DataBaseManagerMixerGetSet_IsUsed(j, 1, W, false);
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerMixerGetNextFreeIndex(), int(Max_Mixer_Number_Reached));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x20E02});
  }

  void mixerNamesAreUniqueIgnoringCase() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerMixerGetSet_IsUsed(0, 1, W, false);
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_Name(0, "Flap", W), QString("Flap"));
    fx.ClearMarks();
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_Name(0, "flap", W), QString());
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_Name(0, "Flap", W), QString("Flap"));
    QVERIFY(!fx.Marked(KLX_UnitKind::Mixer, 0));
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_Name(1, QString(60, 'a'), W), QString(46, 'a'));
  }

  void mixerPhysicalControlsThroughSwitchChains() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerSwitchGetSet_IsUsed(2, 1, W, false);
    db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(2, 0, 1024, W, false);
    db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(2, 1, 512, W, false);  // a trim: not physical
    db.KLX_DataBaseManagerMixerGetSet_IsUsed(0, 1, W, false);
    db.KLX_DataBaseManagerMixerGetSet_Control(0, 1282, W, false);
    db.KLX_DataBaseManagerMixerGetSet_IsUsed(1, 1, W, false);
    db.KLX_DataBaseManagerMixerGetSet_Control(1, 768, W, false);
    db.KLX_DataBaseManagerMixerGetSet_Control(2, 257, W, false);  // mixer 2 unused
    QQueue<int> list;
    QCOMPARE(db.KLX_DataBaseManagerMixerStore()->KLX_Mixer_GetAllUsedPhyMixerControls(&list), 1);
    QCOMPARE(list, (QQueue<int>() << 1024 << 768));
    QCOMPARE(db.KLX_DataBaseManagerMixerStore()->KLX_Mixer_GetAllUsedPhyMixerControls(&list), 0);
  }

  void mixerDeleteReleasesOnlyRealCurves() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    VornErrorWatch watch;
    // Global curve 0 (permanent) and set-up curve 255 (none): nothing to give back.
    db.KLX_DataBaseManagerMixerGetSet_IsUsed(3, 1, W, false);
    QCOMPARE(db.KLX_DataBaseManagerMixerClear(3), int(KLX_Ok));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>());
    QVERIFY(fx.Sent().isEmpty());
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_IsUsed(3, 0, R), 0);
    QVERIFY(fx.Marked(KLX_UnitKind::Mixer, 3));
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());

    // Curves 7 (global) and 9 (flight mode 2, dependent) are given back;
    // 11 sits in a flight mode the mixer does not depend on and stays.
    for (int c : {7, 9, 11}) db.KLX_DataBaseManagerCurveGetSet_IsUsed(c, 1, W, false);
    db.KLX_DataBaseManagerMixerGetSet_IsUsed(4, 1, W, false);
    db.KLX_DataBaseManagerMixerGetSet_Name(4, "Butterfly", W);
    db.KLX_DataBaseManagerMixerGetSet_GlobalCurveIdx(4, 7, W, false);
    db.KLX_DataBaseManager_SetMixerFlightModeDependent(4, 2, 1, false);
    db.KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(4, 2, 9, W, false);
    db.KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(4, 4, 11, W, false);
    fx.Drop();
    QCOMPARE(db.KLX_DataBaseManagerMixerClear(4), int(KLX_Ok));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>());
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 2);
    QCOMPARE(int(sent[0].id), 68);
    QCOMPARE(sent[0].data, Update(1, 7, 0, 0, 0, 1));
    QCOMPARE(sent[1].data, Update(1, 9, 0, 0, 0, 1));
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsUsed(7, 0, R), 0);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsUsed(9, 0, R), 0);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsUsed(11, 0, R), 1);
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_Name(4, "", R), QString("mixer"));
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_GlobalCurveIdx(4, 0, R), 0);

    // A mixer index that names no mixer deletes nothing: the failed reads are the answer.
    QCOMPARE(db.KLX_DataBaseManagerMixerClear(48), int(Indexes_Out_Of_Range));
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x50E0B, 0x50E10}));
    QVERIFY(fx.Sent().isEmpty());
  }

  // ---- Limiters -------------------------------------------------------------------
  void limiterValuesStayOnTheControlScale() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerLimiterGetSet_Above_Hi(3, 2, 3000, W), 2047);
    QCOMPARE(db.KLX_DataBaseManagerLimiterGetSet_Below_Lo(3, 2, -3000, W), -2047);
    QCOMPARE(db.KLX_DataBaseManagerLimiterGetSet_Below_Center(3, 26, 100, W), 100);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 3);
    QCOMPARE(int(sent[0].id), 66);
    QCOMPARE(sent[0].data, Update(7, 3, 2, 0, 2047, 2));
    QCOMPARE(sent[1].data, Update(11, 3, 2, 0, -2047, 2));
    QCOMPARE(sent[2].data, Update(9, 3, 26, 0, 100, 2));
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerLimiterGetSet_Above_Hi(3, 27, 0, W), int(Indexes_Out_Of_Range));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x50D0B});
    QVERIFY(fx.Sent().isEmpty());
  }

  void fullLimiterListIsAnsweredWithoutReport() {
    ModelFixture fx(KL_BOARD_FENK);
    KLX_DataBaseManager& db = fx.db;
    for (int l = 0; l < 32; ++l) db.KLX_DataBaseManagerLimiterGetSet_IsUsed(l, 1, W, false);
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerLimiterGetNextFreeIndex(), int(Max_Limiter_Number_Reached));
    QVERIFY(watch.TakeCodes().isEmpty());
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    QCOMPARE(db.KLX_DataBaseManagerLimiterClear(48), 1);
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x20D01});
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  // ---- Virtual switches --------------------------------------------------------------
  void switchFieldsClampAndConvert() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_SwitchTrigger(6, 1, 120, W), 90);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_SwitchTrigger(6, 0, -120, W), -90);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_LogicalOperator(6, 7, W), 4);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 3);
    QCOMPARE(int(sent[0].id), 72);
    QCOMPARE(sent[0].data, Update(5, 6, 1, 0, 1842, 2));
    QCOMPARE(sent[1].data, Update(5, 6, 0, 0, -1842, 2));
    QCOMPARE(sent[2].data, Update(3, 6, 0, 0, 4, 1));
  }

  void singleSwitchFollowsInputZero() {
    ModelFixture fx;
    QCOMPARE(fx.db.KLX_DataBaseManagerSwitchSwitch_As_TimerSwitch(9), 1);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 5);
    QCOMPARE(sent[0].data, Update(2, 9, 0, 0, 0, 1));
    QCOMPARE(sent[1].data, Update(3, 9, 0, 0, 0, 1));
    QCOMPARE(sent[2].data, Update(4, 9, 1, 0, 2, 2));
    QCOMPARE(sent[3].data, Update(6, 9, 1, 0, 205, 2));
    QCOMPARE(sent[4].data, Update(7, 9, 1, 0, -205, 2));
    VornErrorWatch watch;
    QCOMPARE(fx.db.KLX_DataBaseManagerSwitchSwitch_As_SingleSwitch(128), int(Indexes_Out_Of_Range));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x53812});
  }

  void switchChainsEndAtCycles() {
    ModelFixture fx;
    KLX_Switch* s = fx.db.KLX_DataBaseManagerSwitchStore();
    s->KLX_SwitchGetSet_SwitchControl(0, 0, 1281, 0, false);
    s->KLX_SwitchGetSet_SwitchControl(1, 0, 1280, 0, false);
    s->KLX_SwitchGetSet_SwitchControl(1, 1, 770, 0, false);
    // Switch 0 reaches itself through switch 1: input 0 of switch 1, so 1.
    QCOMPARE(s->KLX_SwitchIsGivenVSinInputChainsOf(0, 0), 1);
    QCOMPARE(s->KLX_SwitchIsGivenVSinInputChainsOf(0, 7), 0);
    QCOMPARE(s->KLX_SwitchGet_AllPhysiscalInputsOfVSchain(0, false), QList<int>{770});
    // A switch type (768) is found on input 1 of switch 1; a virtual switch
    // at once on input 0 of switch 0.
    QCOMPARE(s->KLX_SwitchContains_InputOfGivenControlType(0, 768), 2);
    QCOMPARE(s->KLX_SwitchContains_InputOfGivenControlType(0, 1280), 1);
    QCOMPARE(s->KLX_SwitchContains_InputOfGivenControlType(0, 1536), 0);
    QCOMPARE(s->KLX_SwitchContains_InputOfGivenControlType(0, 0), 0);
  }

  void physicalInputsInWalkOrder() {
    ModelFixture fx;
    KLX_Switch* s = fx.db.KLX_DataBaseManagerSwitchStore();
    s->KLX_SwitchGetSet_SwitchControl(3, 0, 256, 0, false);
    s->KLX_SwitchGetSet_SwitchControl(3, 1, 1285, 0, false);
    s->KLX_SwitchGetSet_SwitchControl(5, 0, 768, 0, false);
    s->KLX_SwitchGetSet_SwitchControl(5, 1, 256, 0, false);
    QCOMPARE(s->KLX_SwitchGet_AllPhysiscalInputsOfVSchain(3, false), (QList<int>{256, 768}));
  }

  void switchIdsUseTheFixedRange() {
    ModelFixture fx(KL_BOARD_FENK);
    QCOMPARE(fx.db.KLX_DataBaseManagerSwitchGet_SwitchIdByContorlID(1407), 127);
    QCOMPARE(fx.db.KLX_DataBaseManagerSwitchGet_SwitchIdByContorlID(1408), int(KLX_Error));
    fx.db.KLX_DataBaseManagerSwitchGetSet_Name(0, "gear", W);
    QCOMPARE(fx.db.KLX_DataBaseManagerSwitchGetSet_Name(1, "gear", W), QString("gear"));
  }

  // ---- Sequencers ------------------------------------------------------------------
  void sequencerUpdatesCarryTheWaypointFirst() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_TimePoint(1, 4, 1, 6, 6000, W), 6000);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_TimePoint(1, 4, 1, 5, 6001, W), 6000);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_SrvPosition(0, 2, 0, 3, 100, W), 100);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_SrvPosition(0, 2, 0, 4, -2048, W), -2048);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_Servo(0, 5, 3, W), 3);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_Control(0, 2000, W), 1551);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 300, W), 255);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_Threshold(0, true, 40, W), 40);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_Threshold(0, false, -40, W), -40);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 9);
    for (const KLX_Message& m : sent) QCOMPARE(int(m.id), 69);
    QCOMPARE(sent[0].data, SeqUpdate(3, 1, 4, 1, 6, 60000, 2));
    QCOMPARE(sent[1].data, SeqUpdate(3, 1, 4, 1, 5, 60000, 2));
    QCOMPARE(sent[2].data, SeqUpdate(4, 0, 2, 0, 3, 1024, 2));
    QCOMPARE(sent[3].data, SeqUpdate(4, 0, 2, 0, 4, -2048, 2));
    QCOMPARE(sent[4].data, SeqUpdate(5, 0, 5, 0, 0, 3, 2));
    QCOMPARE(sent[5].data, SeqUpdate(2, 0, 0, 0, 0, 1551, 2));
    QCOMPARE(sent[6].data, SeqUpdate(1, 0, 0, 0, 0, 255, 1));
    QCOMPARE(sent[7].data, SeqUpdate(6, 0, 1, 0, 0, 819, 2));
    QCOMPARE(sent[8].data, SeqUpdate(6, 0, 0, 0, 0, -819, 2));
  }

  void thresholdWriteIsMarkedAndSaved() {
    ModelFixture fx;
    fx.db.KLX_DataBaseManagerSequencerGetSet_Threshold(1, true, 30, W);
    QVERIFY(fx.Marked(KLX_UnitKind::Sequencer, 1));
    QVERIFY(fx.db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  void thresholdOfASwitchDrivenSequencerReadsFixed() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerSequencerGetSet_Control(0, 1290, W);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_Threshold(0, true, 40, W), 25);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_Threshold(0, false, 0, R), -25);
    T_Sequencer rec[2];
    db.KLX_DataBaseManagerSequencerCopySingleUnit(0, rec);
    QCOMPARE(int(rec[0].ThldAbove), 819);
  }

  void badSequencerIndicesAreRefused_data() {
    QTest::addColumn<int>("seq");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("point");
    QTest::newRow("direction 2") << 0 << 0 << 2 << 0;
    QTest::newRow("slot 6") << 0 << 6 << 0 << 0;
    QTest::newRow("waypoint 7") << 0 << 0 << 1 << 7;
    QTest::newRow("sequencer 2") << 2 << 0 << 0 << 0;
  }
  void badSequencerIndicesAreRefused() {
    QFETCH(int, seq);
    QFETCH(int, slot);
    QFETCH(int, direction);
    QFETCH(int, point);
    ModelFixture fx;
    T_Sequencer before[2];
    fx.db.KLX_DataBaseManagerSequencerCopySingleUnit(0, before);
    VornErrorWatch watch;
    QCOMPARE(fx.db.KLX_DataBaseManagerSequencerGetSet_TimePoint(seq, slot, direction, point, 50, W), int(Indexes_Out_Of_Range));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x51004});
    QVERIFY(fx.Sent().isEmpty());
    T_Sequencer after[2];
    fx.db.KLX_DataBaseManagerSequencerCopySingleUnit(0, after);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(&after[0]), sizeof(T_Sequencer)),
             QByteArray(reinterpret_cast<char*>(&before[0]), sizeof(T_Sequencer)));
  }

  void servoListAndLoopFlag() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerSequencerGet_ServoList(0, true), QString());
    QCOMPARE(db.KLX_DataBaseManagerSequencerGet_ServoList(0, false), QString("---"));
    QCOMPARE(db.KLX_DataBaseManagerSequencerGet_ServoList(5, false), QString());
    db.KLX_DataBaseManagerSequencerGetSet_Servo(0, 0, 3, W);
    db.KLX_DataBaseManagerSequencerGetSet_Servo(0, 2, 7, W);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGet_ServoList(0, true), QString("3,7"));
    QCOMPARE(db.KLX_DataBaseManagerSequencerGet_ServoList(0, false), QString("4,8"));
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetFirstFreeChnl(0), 1);
    db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 1, W);
    fx.Drop();
    QCOMPARE(db.KLX_DataBaseManagerSequencerToggleLoopMode(0), 1);
    QCOMPARE(fx.Sent().last().data, SeqUpdate(1, 0, 0, 0, 0, 5, 1));
    QCOMPARE(db.KLX_DataBaseManagerSequencerToggleLoopMode(0), 0);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 0, R), 1);
  }

  void stateReportIsTakenOverOnce() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 1, W, false);
    const unsigned value = 1234;
    QCOMPARE(db.KLX_DataBaseManagerSequencerUpdateInfo(0, true, 2, &value), 1);
    QVERIFY(db.KLX_DataBaseManagerSequencerSynchronize(0) > KLX_Error);
    QCOMPARE(db.KLX_DataBaseManagerSequencerSynchronize(0), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerSequencerUpdateInfo(2, true, 2, &value), int(KLX_Error));
  }

  void stateRequestGoesOutForUsedSequencers() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerSequencerRequestCurrentInfo(1), int(KLX_Error));
    db.KLX_DataBaseManagerSequencerGetSet_IsUsed(1, 2, W, false);
    QCOMPARE(db.KLX_DataBaseManagerSequencerRequestCurrentInfo(1), 1);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(sent[0].id), 244);
    QCOMPARE(sent[0].data, QByteArray(1, '\x01'));
  }

  void synchronisationTouchesOnlyTheBoardsSequencers() {
    ModelFixture fx(KL_BOARD_FENK);
    KLX_DataBaseManager::m_MySelf = &fx.db;
    T_SetupData* block = new T_SetupData;
    kl_engine_init_setupdata(block);
    block->Sequencer[0].IsUsed = 2;
    block->Sequencer[1].IsUsed = 1;
    KLX_DataBaseManager::KLX_DataBaseManagerSequencerDataSyncronize(block);
    QCOMPARE(fx.db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 0, R), 2);
    QCOMPARE(fx.db.KLX_DataBaseManagerSequencerGetSet_IsUsed(1, 0, R), 0);
    QVERIFY(fx.Sent().isEmpty());
    QVERIFY(fx.db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(fx.db.KLX_DataBaseManagerSequencerGetNextFreeIndex(), int(Max_Sequencer_Number_Reached));
    delete block;
    KLX_DataBaseManager::m_MySelf = nullptr;
  }

  void modeWritesWaitForTheEnginesLock() {
    ModelFixture fx;
    KLX_DataBaseManager::KLX_DataBaseManagerSequencerDataLock();
    std::atomic<int> result{0};
    QThread* writer = QThread::create([&] { result = fx.db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 1, W, false); });
    writer->start();
    QVERIFY(!writer->wait(100));
    QCOMPARE(result.load(), 0);
    KLX_DataBaseManager::KLX_DataBaseManagerSequencerDataUnLock();
    QVERIFY(writer->wait(2000));
    QCOMPARE(result.load(), 1);
    delete writer;
  }

  // ---- Special switches -------------------------------------------------------------
  void specialSwitchValues() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerSpecialSwitchGetSet_Value(2, 3000, W), 2047);
    QCOMPARE(db.KLX_DataBaseManagerSpecialSwitchGetSet_Value(2, -3000, W), -2047);
    QVERIFY(fx.Marked(KLX_UnitKind::SpecialSwitch, 0));
    QVERIFY(fx.Sent().isEmpty());
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerSpecialSwitchGetSet_Value(4, 0, W), int(Indexes_Out_Of_Range));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x54504});
    unsigned char image[16] = {0xAA};
    QCOMPARE(db.KLX_DataBaseManagerSpecialSwitchCopyUnit_A(7, image), 11);
    QCOMPARE(int(image[0]), 0);
    QCOMPARE(int(static_cast<int16_t>(image[5] | (image[6] << 8))), -2047);
    db.KLX_DataBaseManagerSpecialSwitchClearAll();
    for (int i = 0; i < 4; ++i) QCOMPARE(db.KLX_DataBaseManagerSpecialSwitchGetSet_Value(i, 0, R), 2047);
    QCOMPARE(db.KLX_DataBaseManagerSpecialSwitchGetNumber(), 4);
  }
};

QTEST_GUILESS_MAIN(TestMixersSwitchesSequencers)
#include "tst_mixers_switches_sequencers.moc"
