// Every store's fields through the facade's published accessors, as QML
// calls them: the value is clamped and converted, the exact single-field
// update reaches the message layer, the unit is marked for the engine and the
// model counts as modified; a bad index is reported and sends nothing.
#include "model_fixture.h"

Q_DECLARE_METATYPE(KLX_UnitKind)

namespace {
using K = KLX_UnitKind;
}

class TestFields : public QObject {
  Q_OBJECT

 private:
  void addRow(const char* tag, const char* accessor, QList<int> args, int expected, int msgId, QByteArray bytes,
              K kind, unsigned error = 0) {
    for (int board : {KL_BOARD_VORN, KL_BOARD_FENK})
      QTest::newRow(qPrintable(QString("%1/%2").arg(board == KL_BOARD_VORN ? "larger" : "smaller", tag)))
          << board << QByteArray(accessor) << args << expected << msgId << bytes << kind << error;
  }

 private slots:
  void writeThroughTheFacade_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<QByteArray>("accessor");
    QTest::addColumn<QList<int>>("args");  // indices, then the value
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("msgId");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<KLX_UnitKind>("kind");
    QTest::addColumn<unsigned>("error");

    const char* f = "KLX_DataBaseManagerFunctionGetSet_";
    auto F = [&](const char* field) { return QByteArray(f) + field; };
    addRow("function used, any non-zero", F("IsUsed"), {0, 5}, 1, 64, Update(1, 0, 0, 0, 1, 1), K::Function);
    addRow("function control clamped", F("Control"), {1, 70000}, 65535, 64, Update(2, 1, 0, 0, 65535, 2), K::Function);
    addRow("trim differential: clamp id 6, message id 28", F("TrimControlDifferential"), {2, 1010}, 514, 64,
           Update(28, 2, 0, 0, 514, 2), K::Function);
    addRow("trim control 773 stands for 754", F("Trim_Control"), {3, 773}, 754, 64, Update(6, 3, 0, 0, 754, 2),
           K::Function);
    addRow("trim control 512 stays", F("Trim_Control"), {3, 512}, 512, 64, Update(6, 3, 0, 0, 512, 2), K::Function);
    addRow("trim range 50 %", F("Trim_Range"), {4, 50}, 50, 64, Update(7, 4, 0, 0, 1024, 2), K::Function);
    addRow("trim range above 100 %", F("Trim_Range"), {4, 150}, 100, 64, Update(7, 4, 0, 0, 2047, 2), K::Function);
    addRow("trim range below 0 %", F("Trim_Range"), {4, -50}, 0, 64, Update(7, 4, 0, 0, 0, 2), K::Function);
    addRow("trim mode at least 1", F("Trim_Mode"), {5, 0}, 1, 64, Update(9, 5, 0, 0, 1, 1), K::Function);
    addRow("fail-safe mode at most 2", F("FailSafePosMode"), {6, 7}, 2, 64, Update(10, 6, 0, 0, 2, 1), K::Function);
    addRow("fail-safe position", F("FailSafePosValue"), {7, -3000}, -2047, 64, Update(11, 7, 0, 0, -2047, 2),
           K::Function);
    addRow("global curve", F("GlobalCurveIdx"), {8, 300}, 255, 64, Update(12, 8, 0, 0, 255, 2), K::Function);
    addRow("set-up curve of flight mode 26", F("Setup_CurveIdx"), {9, 26, 256}, 255, 64, Update(13, 9, 26, 0, 255, 2),
           K::Function);
    addRow("rate 150 % stores +2047", F("Setup_FlexRateHi"), {10, 3, 150}, 100, 64, Update(15, 10, 3, 0, 2047, 2),
           K::Function);
    addRow("rate -50 % stores -1024", F("Setup_FlexRateCenter"), {10, 3, -50}, -50, 64,
           Update(14, 10, 3, 0, -1024, 2), K::Function);
    addRow("rate low", F("Setup_FlexRateLo"), {10, 1, 33}, 33, 64, Update(16, 10, 1, 0, 676, 2), K::Function);
    addRow("expo -60 % stores -50 %", F("Setup_FlexExpoLo"), {11, 0, -60}, -50, 64, Update(19, 11, 0, 0, -1024, 2),
           K::Function);
    addRow("negative expo side: third index 1", F("Setup_FlexExpoNegHi"), {11, 1, 100}, 100, 64,
           Update(18, 11, 1, 1, 2047, 2), K::Function);
    addRow("negative expo centre", F("Setup_FlexExpoNegCenter"), {11, 2, 10}, 10, 64, Update(17, 11, 2, 1, 205, 2),
           K::Function);
    addRow("differential 1 %", F("Setup_FlexDiffCenter"), {12, 26, 1}, 1, 64, Update(20, 12, 26, 0, 20, 2),
           K::Function);
    addRow("transition time at most 200", F("Setup_DurationFromLeft"), {12, 0, 500}, 200, 64,
           Update(23, 12, 0, 0, 200, 2), K::Function);
    addRow("transition from the right", F("Setup_DurationFromRight"), {12, 0, -1}, 0, 64, Update(24, 12, 0, 0, 0, 2),
           K::Function);
    addRow("servo mixer of a slot at most 7", F("ServoAssignment_ServoMixId"), {13, 9, 9}, 7, 64,
           Update(29, 13, 9, 0, 7, 2), K::Function);
    addRow("function index 48 refused", F("IsUsed"), {48, 1}, -70010, 64, QByteArray(), K::Function, 0x50C07);
    addRow("flight mode 27 refused", F("Setup_CurveIdx"), {0, 27, 1}, -70010, 64, QByteArray(), K::Function, 0x50C12);
    addRow("slot 10 refused", F("ServoAssignment_ServoIdx"), {0, 10, 1}, -70010, 64, QByteArray(), K::Function,
           0x50C1F);

    const char* m = "KLX_DataBaseManagerFlightmodeGetSet_";
    auto M = [&](const char* field) { return QByteArray(m) + field; };
    addRow("flight mode used", M("IsUsed"), {1, 9}, 1, 67, Update(1, 1, 0, 0, 1, 1), K::Flightmode);
    addRow("fade-in 250 stores 200", M("FadeIn"), {2, 250}, 200, 67, Update(2, 2, 0, 0, 200, 2), K::Flightmode);
    addRow("fade-in below 0", M("FadeIn"), {2, -5}, 0, 67, Update(2, 2, 0, 0, 0, 2), K::Flightmode);
    addRow("function count at most 48", M("FunctionNum"), {3, 49}, 48, 67, Update(3, 3, 0, 0, 48, 2), K::Flightmode);
    addRow("no-fade-in entry 47", M("NoFadeInFuncIdxs"), {4, 47, 60}, 48, 67, Update(4, 4, 47, 0, 48, 2),
           K::Flightmode);
    addRow("no-fade-in entry 48 refused", M("NoFadeInFuncIdxs"), {4, 48, 1}, -70010, 67, QByteArray(), K::Flightmode,
           0x50B06);
    addRow("flight mode 27 refused", M("IsUsed"), {27, 1}, -70010, 67, QByteArray(), K::Flightmode, 0x50B04);

    const char* s = "KLX_DataBaseManagerServoConfigGetSet_";
    auto S = [&](const char* field) { return QByteArray(s) + field; };
    addRow("servo used", S("IsUsed"), {0, 2}, 1, 70, Update(1, 0, 0, 0, 1, 1), K::ServoConfig);
    addRow("connector at most 128", S("Connector"), {1, 200}, 128, 70, Update(2, 1, 0, 0, 128, 1), K::ServoConfig);
    addRow("group", S("Group"), {2, 256}, 255, 70, Update(3, 2, 0, 0, 255, 1), K::ServoConfig);
    addRow("frame rate at most 9", S("FrameRate"), {3, 10}, 9, 70, Update(7, 3, 0, 0, 9, 1), K::ServoConfig);
    addRow("servo role at most 4", S("FunctionServoType"), {4, 5}, 4, 70, Update(10, 4, 0, 0, 4, 1), K::ServoConfig);
    addRow("fail-safe mode", S("FailSafePosMode"), {5, -1}, 0, 70, Update(15, 5, 0, 0, 0, 1), K::ServoConfig);
    addRow("fail-safe position", S("FailSafePosValue"), {5, 2100}, 2047, 70, Update(16, 5, 0, 0, 2047, 2),
           K::ServoConfig);
    addRow("cut-off switch 255 kept", S("SwitchCutOffVirtSwitch"), {6, 255}, 255, 70, Update(17, 6, 0, 0, 255, 1),
           K::ServoConfig);
    addRow("cut-off switch 200 stores 128", S("SwitchCutOffVirtSwitch"), {6, 200}, 128, 70,
           Update(17, 6, 0, 0, 128, 1), K::ServoConfig);
    addRow("cut-off position 250 %", S("SwitchCutOffValue"), {7, 250}, 200, 70, Update(18, 7, 0, 0, 2047, 2),
           K::ServoConfig);
    addRow("servo mixer source", S("ServoMixer_SourceType"), {8, 7, 9}, 5, 70, Update(11, 8, 7, 0, 5, 1),
           K::ServoConfig);
    addRow("servo mixer function", S("ServoMixer_FuncTravelFuncIndex"), {9, 0, 50}, 48, 70,
           Update(14, 9, 0, 0, 48, 2), K::ServoConfig);
    addRow("servo mixer curve", S("ServoMixer_ServoCurveIndex"), {9, 1, 255}, 255, 70, Update(19, 9, 1, 0, 255, 2),
           K::ServoConfig);
    addRow("centre 250 % stores 200 %", S("Centre"), {10, 250}, 200, 70, Update(4, 10, 0, 0, 2047, 2),
           K::ServoConfig);
    addRow("minimum -125 %", S("MinValue"), {11, -125}, -125, 70, Update(5, 11, 0, 0, -1279, 2), K::ServoConfig);
    addRow("maximum", S("MaxValue"), {11, 100}, 100, 70, Update(6, 11, 0, 0, 1024, 2), K::ServoConfig);
    addRow("mixer travel at the minimum", S("ServoMixer_FuncTravelMin"), {12, 3, -50}, -50, 70,
           Update(12, 12, 3, 0, -512, 2), K::ServoConfig);
    addRow("mixer travel at the maximum", S("ServoMixer_FuncTravelMax"), {12, 3, 50}, 50, 70,
           Update(13, 12, 3, 0, 512, 2), K::ServoConfig);
    addRow("servo 26 refused", S("IsUsed"), {26, 1}, -70010, 70, QByteArray(), K::ServoConfig, 0x51106);
    addRow("servo mixer 8 refused", S("ServoMixer_FuncTravelMax"), {0, 8, 1}, -70010, 70, QByteArray(),
           K::ServoConfig, 0x51114);

    const char* c = "KLX_DataBaseManagerCurveGetSet_";
    auto C = [&](const char* field) { return QByteArray(c) + field; };
    addRow("curve used", C("IsUsed"), {3, 1}, 1, 68, Update(1, 3, 0, 0, 1, 1), K::Curve);
    addRow("real points 40 stores 33", C("RealPoints"), {1, 40}, 33, 68, Update(2, 1, 0, 0, 33, 4), K::Curve);
    addRow("curve point", C("CurveValue"), {2, 32, 3000}, 2047, 68, Update(3, 2, 32, 0, 2047, 2), K::Curve);
    addRow("curve point 33 refused", C("CurveValue"), {2, 33, 1}, -70010, 68, QByteArray(), K::Curve, 330245);

    const char* a = "KLX_DataBaseManagerFlightmodeAssignGetSet_";
    auto A = [&](const char* field) { return QByteArray(a) + field; };
    addRow("switch slot 3", A("Control"), {3, 770}, 770, 73, Update(1, 3, 0, 0, 770, 2), K::FlightmodeAss);
    addRow("look-up entry at most 27", A("FlightModeLUT"), {26, 40}, 27, 73, Update(2, 26, 0, 0, 27, 1),
           K::FlightmodeAss);
    addRow("switch slot 8 refused", A("Control"), {8, 1}, -70010, 73, QByteArray(), K::FlightmodeAss, 343042);
  }

  void writeThroughTheFacade() {
    QFETCH(int, board);
    QFETCH(QByteArray, accessor);
    QFETCH(QList<int>, args);
    QFETCH(int, expected);
    QFETCH(int, msgId);
    QFETCH(QByteArray, bytes);
    QFETCH(KLX_UnitKind, kind);
    QFETCH(unsigned, error);
    ModelFixture fx(board);
    QCOMPARE(fx.initialized, 1);
    VornErrorWatch watch;

    // The QML overload without the update flag transmits.
    QCOMPARE(InvokeInt(&fx.db, accessor.constData(), args + QList<int>{AtomicDirSet}), expected);
    const QList<KLX_Message> sent = fx.Sent();
    const bool single = kind == K::FlightmodeAss;
    if (error) {
      QCOMPARE(watch.Codes(), QList<unsigned>{error});
      QVERIFY(sent.isEmpty());
      QVERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
      return;
    }
    QVERIFY(watch.Codes().isEmpty());
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(sent[0].id), msgId);
    QCOMPARE(int(sent[0].node), 3);
    QCOMPARE(sent[0].data.toHex(' '), bytes.toHex(' '));
    QVERIFY(fx.Marked(kind, single ? 0 : args[0]));
    QVERIFY(fx.db.KLX_DataBaseManagerGetModelModifyFlag());

    // Reading back gives the same value in the same units and sends nothing.
    QList<int> read = args;
    read.last() = 0;
    QCOMPARE(InvokeInt(&fx.db, accessor.constData(), read + QList<int>{AtomicDirGet}, 0), expected);
    QVERIFY(fx.Sent().isEmpty());
  }

  void writeWithoutUpdateSendsNothing() {
    ModelFixture fx;
    QCOMPARE(InvokeInt(&fx.db, "KLX_DataBaseManagerFunctionGetSet_Control", {0, 256, AtomicDirSet}, 0), 256);
    QVERIFY(fx.Sent().isEmpty());
    QVERIFY(fx.Marked(K::Function, 0));
  }

  void servoAssignmentSendsTheUseMaskAfterIt() {
    ModelFixture fx;
    fx.db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(4, 2, 3, AtomicDirSet, true);
    fx.db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(4, 0, 26, AtomicDirSet, true);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 4);
    QCOMPARE(sent[0].data, Update(26, 4, 2, 0, 3, 2));
    QCOMPARE(sent[1].data, Update(25, 4, 0, 0, 4, 2));
    QCOMPARE(sent[3].data, Update(25, 4, 0, 0, 4, 2));
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetServoNumberForFunction(4), 1);
  }

  void smallerBoardDoesNotCountServosAboveItsOwn() {
    ModelFixture fx(KL_BOARD_FENK);
    // Servo 20 exists on the larger board only: the slot holds it, the mask does not count it.
    fx.db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(0, 1, 20, AtomicDirSet, false);
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_ServoUseMask(0, 0, AtomicDirGet, false), 0);
  }

  void thirtyTwoBitFields() {
    ModelFixture fx;
    VornErrorWatch watch;
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_FunctionFlags(14, 0xFFFFFFFFu, AtomicDirSet, true), -1);
    QCOMPARE(fx.Sent().at(0).data, Update(27, 14, 0, 0, 0xFFFFFFFFLL, 4));
    // Bit 0 (flight mode 0) never enters a flight-mode mask.
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_FunctionSingleMask(15, 0xFFFFFFFFu, AtomicDirSet, true), -2);
    QCOMPARE(fx.Sent().at(0).data, Update(30, 15, 0, 0, 0xFFFFFFFELL, 4));
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_FunctionDiffSingleMask(15, 5u, AtomicDirSet, false), 4);
    // The failure code's bit pattern is refused like a bad index.
    fx.ClearMarks();
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_FunctionSingleMask(15, 4294897296u, AtomicDirSet, true),
             -70000);
    QCOMPARE(watch.Codes(), QList<unsigned>{0x50C20});
    QVERIFY(fx.Sent().isEmpty());
    QVERIFY(!fx.Marked(K::Function, 15));
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_FunctionSingleMask(15, 0, AtomicDirGet, false), -2);
  }

  void trimFields_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("stored");
    QTest::newRow("0 % keeps 10 units") << 0 << 0 << Update(1, 0, 0, 0, 10, 2) << 10;
    QTest::newRow("2 % stores 41") << 1 << 2 << Update(1, 1, 0, 0, 41, 2) << 41;
    QTest::newRow("flags at most 7") << 2 << 7 << Update(2, 2, 0, 0, 7, 1) << 7;
    QTest::newRow("value sent with its flight mode") << 3 << -2047 << Update(3, 4, 26, 0, -2047, 2) << -2047;
  }

  void trimFields() {
    QFETCH(int, row);
    QFETCH(int, expected);
    QFETCH(QByteArray, bytes);
    QFETCH(int, stored);
    ModelFixture fx;
    KLX_Trim* trims = fx.db.KLX_DataBaseManagerTrimStore();
    T_TrimControlCfg r;
    int result = 0;
    switch (row) {
      case 0: result = fx.db.KLX_DataBaseManagerTrimGetSetTrimStepsPerDelta(0, 0, AtomicDirSet, true); break;
      case 1: result = fx.db.KLX_DataBaseManagerTrimGetSetTrimStepsPerDelta(1, 2, AtomicDirSet, true); break;
      case 2: result = fx.db.KLX_DataBaseManagerTrimGetSetTrimRotaryFlags(2, 9, AtomicDirSet, true); break;
      default: result = trims->KLX_TrimGetSet_Trim_RotaryValueSend(4, 26, -3000); break;
    }
    QCOMPARE(result, expected);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(sent[0].id), 74);
    QCOMPARE(sent[0].data.toHex(' '), bytes.toHex(' '));
    const int trim = bytes[1];
    trims->KLX_TrimCopySingleUnit(trim, &r);
    const int raw = row == 3 ? r.TrimValue[26] : row == 2 ? r.TrimFlags : r.TrimSteps;
    QCOMPARE(raw, stored);
  }

  void trimMaskAndValuesAreNotSent() {
    ModelFixture fx;
    QCOMPARE(fx.db.KLX_DataBaseManagerTrimGetSet_SingleMask(3, 0xFFFFFFFFu, AtomicDirSet), -2);
    QCOMPARE(fx.db.KLX_DataBaseManagerTrimGetSetTrimValue(3, 2, 5000, AtomicDirSet, true), 2047);
    QVERIFY(fx.Sent().isEmpty());
    QVERIFY(fx.Marked(K::Trim, 3));
  }

  void namesOfThePublishedAccessorsAreExact() {
    // A sample of the names QML and the model file call, with their overloads.
    ModelFixture fx;
    const QMetaObject* mo = fx.db.metaObject();
    const char* signatures[] = {
        "KLX_DataBaseManagerFunctionGetSet_IsUsed(int,int,int,bool)",
        "KLX_DataBaseManagerFunctionGetSet_IsUsed(int,int,int)",
        "KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoNegLo(int,int,int,int,bool)",
        "KLX_DataBaseManagerFunctionGetSet_FunctionFlags(int,uint,int,bool)",
        "KLX_DataBaseManagerFunctionGetSet_Name(int,QString,int)",
        "KLX_DataBaseManagerServoConfigGetSet_ServoMixer_BsPtsFuncTravelMinAdd(int,int,int,int)",
        "KLX_DataBaseManagerServoConfigGetSet_BsPtsCentreAdd(int,int,int,bool)",
        "KLX_DataBaseManagerFlightmodeGetSet_NoFadeInFuncIdxs(int,int,int,int)",
        "KLX_DataBaseManagerCurveGetSet_IsSmoothed(int,int,int)",
        "KLX_DataBaseManagerFlightmodeAssignDeleteControl(int)",
        "KLX_DataBaseManagerGetMaxVirualSwitches()",
        "KLX_DataBaseManagerGetMaxCurevPoints()",
        "KLX_DataBaseManagerGetSet_StickRightLeftRight(int,int)",
        "KLX_DataBaseManagerGetNameOfControlByID(int)",
        "KLX_DataBaseManagerFlightmodeClone(int,int)",
        "KLX_DataBaseManager_SetFunctionFlightModeDependent(int,int,int,bool)",
        "KLX_DataBaseManagerTrimGetValue(int)",
        "KLX_DataBaseManagerTest10()",
    };
    for (const char* sig : signatures) QVERIFY2(mo->indexOfMethod(sig) >= 0, sig);
    QVERIFY(mo->indexOfMethod("KLX_DataBaseManagerFunctionGetSet_FunctionSingleMask(int,uint,int,bool)") < 0);
  }
};

QTEST_GUILESS_MAIN(TestFields)
#include "tst_fields.moc"
