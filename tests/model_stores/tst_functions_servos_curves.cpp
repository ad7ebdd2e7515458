// The stores' own rules: names, flight mode 0 as the global set-up, set-up
// copies, the 1/100 % servo points, curves, trims and the flight-mode
// assignment, on both boards where they differ.
#include "link/klx_messageids.h"
#include "model/model_fixture.h"

namespace {
using K = KLX_UnitKind;
constexpr int W = AtomicDirSet;
constexpr int R = AtomicDirGet;

void UseFunctions(KLX_DataBaseManager& db, int count) {
  for (int f = 0; f < count; ++f) db.KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 1, W, false);
}
}  // namespace

class TestFunctionsServosCurves : public QObject {
  Q_OBJECT

 private slots:
  void namesAreUniqueIgnoringCase() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    UseFunctions(db, 2);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Name(0, "Aileron", W), QString("Aileron"));
    QVERIFY(fx.Marked(K::Function, 0));
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Name(1, "AILERON", W), QString());
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Name(1, "", R), QString("function"));
    // The check includes the function itself: a change of case alone is refused.
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Name(0, "aileron", W), QString());
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Name(0, "Aileron", W), QString("Aileron"));
    // Names of unused functions do not count.
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Name(5, "Elevator", W), QString("Elevator"));
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Name(1, "elevator", W), QString("elevator"));
    // Servo and flight-mode names follow the same rule; names are never sent.
    db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(0, 1, W, false);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_Name(0, "Left", W), QString("Left"));
    db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(1, 1, W, false);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_Name(1, "left", W), QString());
    QVERIFY(fx.Sent().isEmpty());
  }

  void longNamesAreCutOnAWholeCharacter() {
    ModelFixture fx;
    const QString ascii(60, QChar('x'));
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_Name(0, ascii, W), QString(46, QChar('x')));
    // 45 bytes and a two-byte character: the character does not fit and is left out.
    const QString wide = QString(45, QChar('a')) + QString::fromUtf8("\xC3\xA9");
    QCOMPARE(fx.db.KLX_DataBaseManagerFlightmodeGetSet_Name(0, wide, W), QString(45, QChar('a')));
    VornErrorWatch watch;
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_Name(48, "x", W), QString());
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x50C06});
  }

  void flightModeZeroIsGlobal() {
    ModelFixture fx;
    KLX_Function* store = fx.db.KLX_DataBaseManagerFunctionStore();
    QCOMPARE(store->KLX_Function_SetFlightModeDependent(2, 0, 1, true), int(KLX_Error));
    QCOMPARE(store->KLX_Function_SetDiffFlightModeDependent(2, 0, 1, true), int(KLX_Error));
    QCOMPARE(store->KLX_Function_SetFlightModeDependent(2, 0, 0, false), 1);
    QCOMPARE(store->KLX_FunctionGetSet_FunctionSingleMask(2, 0u, R, false), 0);
    QCOMPARE(fx.db.KLX_DataBaseManager_SetFunctionFlightModeDependent(2, 0, 1, true), int(KLX_Error));
    QCOMPARE(store->KLX_Function_SetFlightModeDependent(2, 4, 1, true), 1);
    QCOMPARE(fx.Sent().value(0).data, Update(30, 2, 0, 0, 16, 4));
    QCOMPARE(store->KLX_Function_IsFlightModeDependent(2, 4), 1);
    VornErrorWatch watch;
    QCOMPARE(store->KLX_Function_IsFlightModeDependent(2, 27), int(Indexes_Out_Of_Range));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x50C20});
    // Trims: flight mode 0 cannot become dependent either.
    QCOMPARE(fx.db.KLX_DataBaseManager_SetTrimFlightModeDependent(1, 0, true, true), int(KLX_Error));
  }

  void independentFlightModeTakesFlightModeZero() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx(1, 6, W, false);
    db.KLX_DataBaseManagerCurveGetSet_IsUsed(6, 1, W, false);
    db.KLX_DataBaseManagerCurveGetSet_IsUsed(9, 1, W, false);
    db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateHi(1, 0, 40, W, false);
    db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoNegLo(1, 0, 20, W, false);
    db.KLX_DataBaseManagerFunctionGetSet_Setup_DurationFromRight(1, 0, 12, W, false);
    QCOMPARE(db.KLX_DataBaseManager_SetFunctionFlightModeDependent(1, 3, 1, false), 1);
    db.KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(1, 3, 9, W, false);
    db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateHi(1, 3, 90, W, false);
    // Back to global: its own curve is released and flight mode 0's set-up copied in.
    QCOMPARE(db.KLX_DataBaseManager_FunctionFlightModeDel(1, 3, false), 1);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsUsed(9, 0, R), 0);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsUsed(6, 0, R), 1);
    QCOMPARE(db.KLX_DataBaseManager_IsFunctionFlightModeDependent(1, 3), 0);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateHi(1, 3, 0, R), 40);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoNegLo(1, 3, 0, R), 20);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Setup_DurationFromRight(1, 3, 0, R), 12);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(1, 3, 0, R), 6);
    fx.Drop();
    QCOMPARE(db.KLX_DataBaseManager_FunctionFlightModeCopyTo(1, 2, 2, true), 1);
    QVERIFY(fx.Sent().isEmpty());
  }

  void differentialStep() {
    ModelFixture fx;
    KLX_Function* store = fx.db.KLX_DataBaseManagerFunctionStore();
    QCOMPARE(store->KLX_FunctionIncDec_Setup_FlexDiffLo(3, 2, 5), 0);
    QCOMPARE(fx.Sent().value(0).data, Update(22, 3, 2, 0, 102, 2));
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionIncDec_Setup_FlexDiffLo(3, 2, 100), 102);
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexDiffLo(3, 2, 0, R), 100);
    QVERIFY(fx.Marked(K::Function, 3));
    QCOMPARE(store->KLX_FunctionIncDec_Setup_FlexDiffLo(48, 0, 1), int(KLX_Error));
  }

  void fullListsAnswerTheirCode_data() {
    AddBoardRows();
  }

  void fullListsAnswerTheirCode() {
    QFETCH(int, board);
    ModelFixture fx(board);
    KLX_DataBaseManager& db = fx.db;
    UseFunctions(db, db.KLX_DataBaseManagerGetMaxFunctions());
    for (int s = 0; s < db.KLX_DataBaseManagerGetMaxServos(); ++s) db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(s, 1, W, false);
    for (int m = 0; m < db.KLX_DataBaseManagerGetMaxFlightmodes(); ++m)
      db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(m, 1, W, false);
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetNextFreeIndex(), int(Max_Flightmode_Number_Reached));
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetNextFreeIndex(), int(Max_ServoConfig_Number_Reached));
    QVERIFY(watch.TakeCodes().isEmpty());
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetNextFreeIndex(), int(Max_Function_Number_Reached));
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{{0x20C02, "Function list is full"}}));
  }

  void everyFunctionInUseCountsInTheFlightModes_data() { fullListsAnswerTheirCode_data(); }

  void everyFunctionInUseCountsInTheFlightModes() {
    QFETCH(int, board);
    ModelFixture fx(board);
    KLX_DataBaseManager& db = fx.db;
    const int functions = db.KLX_DataBaseManagerGetMaxFunctions();
    db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(0, 1, W, false);
    db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(2, 1, W, false);
    // The count reaches the board's function count itself (all functions in use).
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeSetFunctionNum(functions), functions);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_FunctionNum(2, 0, R), functions);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_FunctionNum(1, 0, R), 0);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent[1].data, Update(3, 2, 0, 0, functions, 2));
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeSetFunctionNum(functions + 1), 1);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeSetFunctionNum(-1), 1);
    QVERIFY(fx.Sent().isEmpty());
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_FunctionNum(2, 0, R), functions);
  }

  void flightModeRemovalAndCopies() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeDel(0), int(KLX_Error));
    QVERIFY(fx.Sent().isEmpty());
    db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(1, 1, W, false);
    db.KLX_DataBaseManagerFlightmodeGetSet_Name(1, "Speed", W);
    db.KLX_DataBaseManagerFlightmodeGetSet_FadeIn(1, 30, W, false);
    db.KLX_DataBaseManagerFlightmodeGetSet_NoFadeInFuncIdxs(1, 2, 7, W, false);
    UseFunctions(db, 1);
    db.KLX_DataBaseManager_SetFunctionFlightModeDependent(0, 1, 1, false);
    db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateLo(0, 1, 55, W, false);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeClone(1, 4, false), KLX_Ok);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_Name(4, "", R), QString("Speed 4"));
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_FadeIn(4, 0, R), 30);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_NoFadeInFuncIdxs(4, 2, 0, R), 7);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateLo(0, 4, 0, R), 55);
    QCOMPARE(db.KLX_DataBaseManager_IsFunctionFlightModeDependent(0, 4), 1);
    // A copy whose name is taken keeps the slot's old name and still copies.
    db.KLX_DataBaseManagerFlightmodeGetSet_Name(5, "x", W);
    db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(6, 1, W, false);
    db.KLX_DataBaseManagerFlightmodeGetSet_Name(6, "Speedcpy5", W);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeCopy(1, 5, false), KLX_Ok);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_Name(5, "", R), QString("x"));
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_FadeIn(5, 0, R), 30);
    // The fade-in of a function in the no-fade-in list is 0.
    QCOMPARE(db.KLX_DataBaseManager_GetFunctionFadeInDuration(7, 1), 0);
    QCOMPARE(db.KLX_DataBaseManager_GetFunctionFadeInDuration(0, 1), 30);
    // Removing the flight mode makes the function follow flight mode 0 again.
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeDel(1), KLX_Ok);
    QCOMPARE(db.KLX_DataBaseManager_IsFunctionFlightModeDependent(0, 1), 0);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateLo(0, 1, 0, R), 100);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(1, 0, R), 1);
  }

  void servoPointsKeepHundredths() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerServoConfigGetSet_Centre(0, 10, W, false);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_BsPtsCentreAdd(0, -25, W, true), 75);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_Centre(0, 0, R), 9);
    // 9.75 % on the servo scale: 99.8 rounds to 100.
    QCOMPARE(fx.Sent().value(0).data, Update(4, 0, 0, 0, 100, 2));
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGet_CentreAbs(0), 100);
    db.KLX_DataBaseManagerServoConfigGetSet_Centre(1, 10, W, false);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_BsPtsCentreAdd(1, 100, W, false), 0);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_Centre(1, 0, R), 11);
    db.KLX_DataBaseManagerServoConfigGetSet_MaxValue(2, 200, W, false);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_BsPtsMaxValueAdd(2, 50, W, false), 0);
    // Above the range the hundredths go; exactly -200 % keeps them.
    db.KLX_DataBaseManagerServoConfigGetSet_BsPtsCentreAdd(3, 30, W, false);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_Centre(3, 250, W, false), 200);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_BsPtsCentreAdd(3, 0, R), 0);
    db.KLX_DataBaseManagerServoConfigGetSet_Centre(4, -150, W, false);
    db.KLX_DataBaseManagerServoConfigGetSet_BsPtsCentreAdd(4, 30, W, false);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_Centre(4, -200, W, false), -200);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_BsPtsCentreAdd(4, 0, R), 30);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_Centre(4, -250, W, false), -200);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_BsPtsCentreAdd(4, 0, R), 0);
    // A fine value below -200 % stops at -200 %.
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_BsPtsCentreAdd(4, -40, W, false), 0);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_Centre(4, 0, R), -200);
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_BsPtsFuncTravelMaxAdd(0, 8, 1, W), int(Indexes_Out_Of_Range));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x51114});
  }

  void servoMixerReverseNegatesTheEndPoints() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMin(2, 1, -100, W, false);
    db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMax(2, 1, 60, W, false);
    db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_BsPtsFuncTravelMaxAdd(2, 1, 50, W, false);
    fx.Drop();
    QCOMPARE(db.KLX_DataBaseManagerServoMixerReverse(2, 1), 1);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMin(2, 1, 0, R), 100);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMax(2, 1, 0, R), -61);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_BsPtsFuncTravelMaxAdd(2, 1, 0, R), 50);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent[0].data, Update(12, 2, 1, 0, 1024, 2));
    QCOMPARE(sent[1].data, Update(13, 2, 1, 0, -619, 2));  // -60.5 %
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerServoMixerReverse(2, 8), int(Indexes_Out_Of_Range));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x51103});
  }

  void servoResets() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerServoConfigResetCenterLimitAmplitude(3), int(Servo_Not_In_Use));
    QVERIFY(fx.Sent().isEmpty());
    db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(3, 1, W, false);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigResetCenterLimitAmplitude(3), 1);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_MinValue(3, 0, R), -100);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigReset_MaxValue(3), 150);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigReset_ServoMixer_FuncTravelMin(3, 7), -50);
    QCOMPARE(fx.Sent().size(), 5);
    // A deleted servo holds the engine's defaults and the default percentages.
    db.KLX_DataBaseManagerServoConfigClear(3);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_MaxValue(3, 0, R), 125);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMax(3, 5, 0, R), 100);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_Name(3, "", R), QString("servo"));
  }

  void curves() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerCurveGetNextFreeIndex(), 1);
    db.KLX_DataBaseManagerCurveGetSet_IsUsed(0, 1, W, false);
    db.KLX_DataBaseManagerCurveGetSet_IsUsed(1, 1, W, false);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsUsed(0, 0, W), 1);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsUsed(1, 0, W), 0);
    db.KLX_DataBaseManagerCurveGetSet_IsUsed(2, 1, W, false);
    QCOMPARE(db.KLX_DataBaseManagerCurveSetValuesWithGain(2, 50), 1);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_CurveValue(2, 0, 0, R), -1024);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_CurveValue(2, 16, 0, R), 0);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_CurveValue(2, 32, 0, R), 1024);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsUsed(2, 0, R), 1);
    // A default curve written field by field: used flag, real points, 33 points.
    fx.Drop();
    QCOMPARE(db.KLX_DataBaseManagerCurveSetCurveToDefault(5), 2047);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 35);
    QCOMPARE(sent[1].data, Update(2, 5, 0, 0, 5, 4));
    QCOMPARE(sent[3].data, Update(3, 5, 1, 0, -1919, 2));
    db.KLX_DataBaseManagerCurveGetSet_IsSmoothed(5, 3, W);
    QCOMPARE(db.KLX_DataBaseManager_CurveCopyTo(5, 6, false), 5);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsSmoothed(6, 0, R), 1);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_CurveValue(6, 31, 0, R), 1919);
    QVERIFY(fx.Sent().isEmpty());
  }

  void trimFlightModes() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerTrimGetSetTrimValue(2, 0, 300, W);
    QCOMPARE(db.KLX_DataBaseManager_SetTrimFlightModeDependent(2, 3, true, true), 1);
    QCOMPARE(db.KLX_DataBaseManagerTrimGetSetTrimValue(2, 3, 0, R), 300);
    QCOMPARE(db.KLX_DataBaseManager_IsTrimFlightModeDependent(2, 3), 1);
    QCOMPARE(db.KLX_DataBaseManagerTrimGetValue(2, 3), 15);
    QCOMPARE(db.KLX_DataBaseManagerTrimGetSet_SingleMask(2, 0xFFFFFFFFu, W), -2);
    db.KLX_DataBaseManager_TrimFlightModeDel(2, 3, false);
    QCOMPARE(db.KLX_DataBaseManager_IsTrimFlightModeDependent(2, 3), 0);
    // A function's trim lever by its trim control id: 753 is lever 3.
    db.KLX_DataBaseManagerFunctionGetSet_Trim_Control(4, 753, W, false);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGet_TrimIndex(4), 3);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Trim_Steps(4, 0, W, false), 0);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Trim_StepsGUI(4, 0, R), 200);
    db.KLX_DataBaseManagerTrimGetSetTrimValue(3, 0, -99, W);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_GlobalTrimValues(4, W), -99);
    QCOMPARE(db.KLX_DataBaseManagerTrimGetSetTrimValue(3, 8, 0, R), -99);
    QCOMPARE(db.KLX_DataBaseManagerGetValueOfControl(753), -99);
    db.KLX_DataBaseManagerFunctionGetSet_Trim_Control(5, 768, W, false);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_GlobalTrimValues(5, R), int(Indexes_Out_Of_Range));
  }

  void trimStepFeedback() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    KLX_AudioHandler* audio = db.KLX_DatabaseManagerAudioHandlerPointer();
    db.KLX_DataBaseManagerTrimGetSetTrimRotaryFlags(1, 6, W, false);
    db.KLX_DataBaseManagerTrimGetSetTrimValueBeep(1, 0, 10, W);
    QCOMPARE(audio->TrimBeeps(false), 0);  // no model loaded yet
    db.KLX_DataBaseManagerGetSetModelLoadState(1, W);
    db.KLX_DataBaseManagerTrimGetSetTrimValueBeep(1, 0, 20, W);
    QCOMPARE(audio->TrimBeeps(false), 1);
    db.KLX_DataBaseManagerTrimGetSetTrimValueBeep(1, 0, 20, W);
    QCOMPARE(audio->TrimBeeps(false), 1);  // unchanged value: no beep
    db.KLX_DataBaseManagerTrimGetSetTrimValueBeep(1, 0, 0, W);
    QCOMPARE(audio->TrimBeeps(true), 1);
    QList<QByteArray> vibrations;
    for (const KLX_Message& m : fx.Sent())
      if (m.id == KLX_MSG_VIBRATION) vibrations.append(m.data);
    // The trim-centre scheme: 20, 980, 1.
    QCOMPARE(vibrations, QList<QByteArray>{Le16s({20, 980, 1})});
    QVERIFY(fx.Marked(K::Trim, 1));
  }

  void flightModeAssignment_data() { fullListsAnswerTheirCode_data(); }

  void flightModeAssignment() {
    QFETCH(int, board);
    ModelFixture fx(board);
    KLX_DataBaseManager& db = fx.db;
    const int switchSlots = db.KLX_DataBaseManagerGetMaxFMControls();
    for (int k = 0; k < switchSlots; ++k) {
      QCOMPARE(db.KLX_DataBaseManagerFlightmodeAssignGetNextFreeIndexControl(), k);
      db.KLX_DataBaseManagerFlightmodeAssignGetSet_Control(k, 768 + k, W, false);
    }
    // The smaller board never offers slot 7.
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeAssignGetNextFreeIndexControl(), int(Max_Flightmode_Cont_Number_Reached));
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeAssignGetNextFreeIndexFlightmode(), int(Max_Flightmode_Ass_Number_Reached));
    db.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(5, 27, W, false);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeAssignGetNextFreeIndexFlightmode(), 5);
    fx.Drop();
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeAssignDeleteControl(3), 1);
    QCOMPARE(fx.Sent().value(0).data, Update(1, 3, 0, 0, 65535, 2));
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeAssignGetNextFreeIndexControl(), 3);
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeAssignDeleteFlightmode(27), int(KLX_Error));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x23C01});
    unsigned char image[47];
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeAssignCopyUnit(image), 47);
    QCOMPARE(int(image[0]), 0);
    QCOMPARE(int(image[1 + 6]), 0xFF);  // slot 3 free again
  }

  void physicalControlsBehindTheSwitches() {
    ModelFixture fx;
    KLX_DataBaseManager& db = fx.db;
    // Switch 1: stick 256 and switch 5; switch 5: 768 and 256 again.
    db.KLX_DataBaseManagerSwitchGetSet_IsUsed(1, 1, W, false);
    db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(1, 0, 256, W, false);
    db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(1, 1, 1280 + 5, W, false);
    db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(5, 0, 768, W, false);
    db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(5, 1, 256, W, false);
    QCOMPARE(db.KLX_DataBaseManagerSwitchStore()->KLX_SwitchGet_AllPhysiscalInputsOfVSchain(1, false),
             (QList<int>{256, 768}));
    db.KLX_DataBaseManagerFlightmodeAssignGetSet_Control(2, 1281, W, false);
    db.KLX_DataBaseManagerFlightmodeAssignGetSet_Control(3, 1024, W, false);
    QQueue<int> controls;
    controls.enqueue(768);
    db.KLX_DataBaseManagerFlightmodeAssignStore()->KLX_FlightmodeAssign_GetAllUsedPhyControls(&controls);
    QCOMPARE(QList<int>(controls), (QList<int>{768, 256}));
    QQueue<int> cutoff;
    db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(0, 1, W, false);
    db.KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffVirtSwitch(0, 1, W, false);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigStore()->KLX_ServoConfig_GetAllUsedPhyCutoffControls(&cutoff), 1);
    QCOMPARE(QList<int>(cutoff), (QList<int>{256, 768}));
  }

  void unitImagesCarryTheirCheckBytes() {
    ModelFixture fx;
    unsigned char image[900];
    fx.db.KLX_DataBaseManagerFunctionGetSet_IsUsed(7, 1, W, false);
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionCopyUnit(7, image), 891);
    unsigned char s1 = 0, s2 = 0;
    KLX_UnitCRC::KLX_UnitCRCCalculateCRC(&s1, &s2, image, 889);
    QCOMPARE(int(image[0]), 7);
    QCOMPARE(int(image[1]), 1);
    QCOMPARE(int(image[889]), int(s1));
    QCOMPARE(int(image[890]), int(s2));
    VornErrorWatch watch;
    QCOMPARE(fx.db.KLX_DataBaseManagerCurveCopyUnit(0, nullptr), int(KLX_Error));
    QCOMPARE(fx.db.KLX_DataBaseManagerServoConfigCopyUnit(26, image), int(Indexes_Out_Of_Range));
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{{0x10A0A, "Buffer overrun"}, {0x51119, ""}}));
    QCOMPARE(fx.db.KLX_DataBaseManagerTrimCopyUnit(5, image), 67);
    QCOMPARE(fx.db.KLX_DataBaseManagerFlightmodeCopyUnit(26, image), 105);
    QCOMPARE(fx.db.KLX_DataBaseManagerSwitchCopyUnit(127, image), 27);
  }
};

QTEST_GUILESS_MAIN(TestFunctionsServosCurves)
#include "tst_functions_servos_curves.moc"
