// The curve editor's stored values after an edit, a smoothing and in
// three-point mode; the control selector's choices as the stores keep them
// (hidden virtual switches made and removed), a control moved on the
// simulated stick controller, and the switch-point editor.
#include "qml_frame/qml_frame_fixture.h"
#include "sim/csimmodel.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
constexpr int kCurve = 3;
const QString kSelector = QStringLiteral("qrc:/Frontend/QML/36_ControlSelector.qml");
const QString kEditor = QStringLiteral("qrc:/Frontend/QML/ControlConfigLinear.qml");
constexpr int kSwitchA = 768;
constexpr int kStickA = 256;
constexpr int kFixedOn = 2;
constexpr int kVirtual0 = 1280;

QVector<int> Stored(QmlFrame& f, int curve) {
  QVector<int> v;
  for (int i = 0; i < 33; ++i) v << f.Db().KLX_DataBaseManagerCurveGetSet_CurveValue(curve, i, 0, AtomicDirGet, false);
  return v;
}

// The selector made anew for a caller.
bool OpenSelector(QmlFrame& f, const QVariantMap& args) {
  f.Call("", "openScreen", {kHome, QVariant()});
  f.Call("", "openScreen", {kSelector, args});
  return f.WaitShown(kSelector);
}

// Moves a control and confirms it in the selector shown; true once the
// task that follows has ended and the editor is shown.
bool MoveAndConfirm(QmlFrame& f, int control) {
  if (!f.Controllers().SetControl(control, f.Controllers().Control(control) == 2047 ? -2047 : 2047)) return false;
  if (!QTest::qWaitFor([&] { return f.Property("controlSelector", "chosenControl").toInt() == control; }, kVornHangMs)) return false;
  return f.Tap("selectorOk") && f.WaitShown(kEditor);
}
// A virtual switch's record as the program holds it and as the simulated
// transceiver holds it (unit image without index and check bytes).
QByteArray ProgramSwitch(QmlFrame& f, int s) {
  unsigned char image[200];
  const int n = f.Db().KLX_DataBaseManagerSwitchCopyUnit(s, image);
  return n > 3 ? QByteArray(reinterpret_cast<const char*>(image) + 1, n - 3) : QByteArray();
}
QByteArray TransceiverSwitch(QmlFrame& f, int s) {
  return f.Controllers().TransceiverController().HeldModel().Record(CSimModel::VSwitch, s);
}

struct SwitchState {
  QString name;
  int used, visible, inputA, inputB, op;
};
SwitchState Switch(QmlFrame& f, int s) {
  auto& db = f.Db();
  return {db.KLX_DataBaseManagerSwitchGetSet_Name(s, "", AtomicDirGet),
          db.KLX_DataBaseManagerSwitchGetSet_IsUsed(s, 0, AtomicDirGet, false),
          db.KLX_DataBaseManagerSwitchGetSet_IsVisible(s, 0, AtomicDirGet, false),
          db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(s, 0, 0, AtomicDirGet, false),
          db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(s, 1, 0, AtomicDirGet, false),
          db.KLX_DataBaseManagerSwitchGetSet_LogicalOperator(s, 0, AtomicDirGet, false)};
}
}  // namespace

class TestModelSelect : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;
  std::unique_ptr<QmlFrame> m_Frame;

  QmlFrame& Frame() { return SharedFrame(g_app, m_Frame); }

  // A curve editor over the screen area on a straight default curve.
  QQuickItem* Editor(QmlFrame& f, int points, bool threePoint) {
    f.Db().KLX_DataBaseManagerCurveSetCurveToDefault(kCurve, false);
    f.Db().KLX_DataBaseManagerCurveGetSet_RealPoints(kCurve, points, AtomicDirSet, false);
    QQuickItem* e = f.Create(QStringLiteral("import QtQuick 2.15\nRectangle { objectName: \"editorHost\"; width: 480; "
                                            "height: 247; color: rootwindow.backColour\n Coords_CurveEditor { "
                                            "objectName: \"curveEditor\"; x: 60; y: 10; width: 360; height: 227; "
                                            "special3PointsMode: %1 } }")
                                 .arg(threePoint ? "true" : "false"));
    if (e) f.Call("curveEditor", "refreshCurve", {kCurve, false, false});
    return e;
  }

 private slots:
  // The stick controller reports its controls all along, as on the
  // transmitter; the selector then finds the one that moves.
  void initTestCase() {
    m_Warnings.Install();
    QmlFrame& f = Frame();
    f.Controllers().SetStreaming(true);
    QTRY_VERIFY(f.Db().KLX_DataBaseManagerGetValueOfControl(1265) != -2048);
  }
  void cleanup() {
    m_Warnings.Verify();
    if (m_Frame) {
      m_Frame->Call("", "popupClose");
      delete m_Frame->Item("editorHost");
    }
  }
  void cleanupTestCase() { m_Frame.reset(); }

  // Raising the middle point of five by 5 % (102 of 2047) changes the
  // stored values 9 to 23 along straight lines; 0, 8, 24 and 32 stay.
  void fivePointEdit() {
    QmlFrame& f = Frame();
    QVERIFY(Editor(f, 5, false));
    const QVector<int> before = Stored(f, kCurve);
    QCOMPARE(before[8], -1023);
    QCOMPARE(before[16], 0);
    QCOMPARE(before[24], 1024);
    f.Call("curveEditor", "selectPoint", {2});
    QCOMPARE(f.Property("curveEditor", "calculationPoint").toInt(), 16);
    QCOMPARE(f.Call("curveEditor", "storePointPercent", {5}).toInt(), int(KLX_Ok));
    const QVector<int> after = Stored(f, kCurve);
    QCOMPARE(after[16], 102);
    // (102 + 1023) / 8 = 140.625 per index below, (1024 - 102) / 8 = 115.25 above.
    QCOMPARE(after.mid(8, 17), (QVector<int>{-1023, -882, -742, -601, -461, -320, -179, -39, 102, 217, 333, 448,
                                             563, 678, 794, 909, 1024}));
    // The outer stretches are pulled straight too: the default's own rounding
    // (1151 at 25) gives way to the line's (1152).
    QCOMPARE(after.mid(0, 9), before.mid(0, 9));
    QCOMPARE(after.mid(24), (QVector<int>{1024, 1152, 1280, 1408, 1536, 1663, 1791, 1919, 2047}));
    f.Settle();
    f.Grab("curve-editor-five-points.png");
  }

  // Smooth writes the spline through the real points into all 33 values;
  // raw afterwards keeps them.
  void smoothThenRaw() {
    QmlFrame& f = Frame();
    QVERIFY(Editor(f, 5, false));
    f.Call("curveEditor", "selectPoint", {2});
    QCOMPARE(f.Call("curveEditor", "storePointPercent", {50}).toInt(), int(KLX_Ok));
    QCOMPARE(f.Call("curveEditor", "storeSmoothed", {true}).toInt(), int(KLX_Ok));
    QCOMPARE(f.Db().KLX_DataBaseManagerCurveGetSet_IsSmoothed(kCurve, 0, AtomicDirGet), 1);
    const QVector<int> smooth = Stored(f, kCurve);
    // Through -2047, -1023, 1024, 1024, 2047: it overshoots between the two equal points.
    QCOMPARE(smooth, (QVector<int>{-2047, -1975, -1887, -1783, -1663, -1527, -1375, -1207, -1023, -802, -535,
                                   -240,  65,    361,   632,   859,   1024,  1115,  1144,  1129,  1088,  1039,
                                   1000,  989,   1024,  1096,  1184,  1288,  1408,  1543,  1695,  1863,  2047}));
    QCOMPARE(f.Call("curveEditor", "storeSmoothed", {false}).toInt(), int(KLX_Ok));
    QCOMPARE(Stored(f, kCurve), smooth);
  }

  // In three-point mode the first point is index 8; lowering it to -25 %
  // carries 0 to 7 along the slope from 8 to 16.
  void threePointMode() {
    QmlFrame& f = Frame();
    QVERIFY(Editor(f, 3, true));
    QCOMPARE(f.Property("curveEditor", "calculationPoint").toInt(), 8);
    QCOMPARE(f.Property("curveEditor", "minLimit").toBool(), true);
    QCOMPARE(f.Call("curveEditor", "storePointPercent", {-25}).toInt(), int(KLX_Ok));
    const QVector<int> after = Stored(f, kCurve);
    // -512 at 8, 0 at 16: 64 per index.
    QCOMPARE(after.mid(0, 17), (QVector<int>{-1024, -960, -896, -832, -768, -704, -640, -576, -512, -448, -384, -320,
                                             -256, -192, -128, -64, 0}));
    f.Settle();
    f.Grab("curve-editor-three-points.png");
  }

  // The trim graph negates the trim unless reversed and moves the end or
  // middle its mode names; the mixer plot scales the curve by the gain.
  void plots_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("reversed");
    QTest::addColumn<QVariantList>("line");
    QTest::newRow("Center") << "Center" << false << QVariantList{-100, -20, 100};
    QTest::newRow("Left") << "Left" << false << QVariantList{-120, 0, 100};
    QTest::newRow("Right reversed") << "Right" << true << QVariantList{-100, 0, 120};
    QTest::newRow("Offset") << "Offset" << false << QVariantList{-120, -20, 80};
  }
  void plots() {
    QFETCH(QString, mode);
    QFETCH(bool, reversed);
    QFETCH(QVariantList, line);
    QmlFrame& f = Frame();
    f.Db().KLX_DataBaseManagerCurveSetCurveToDefault(kCurve, false);
    QVERIFY(f.Create(QStringLiteral(
        "import QtQuick 2.15\nRectangle { objectName: \"editorHost\"; width: 480; height: 247; "
        "color: rootwindow.backColour\n Coords_trim { objectName: \"trimGraph\"; x: 10; y: 10; width: 200; "
        "height: 150; trim: 20; range: 50; mode: \"%1\"; reversed: %2 }\n Coords_Mixer { objectName: \"mixerPlot\"; "
        "x: 230; y: 10; width: 200; height: 150; mixer: 0; curve: %3; gain: 50 }\n TrimmHorizontal { x: 10; y: 180; "
        "value: 20 }\n TrimmVertikalLinks { x: 440; y: 10; height: 150; value: -40 }\n TrimmVertikalRechts { x: 460; "
        "y: 10; height: 150; value: 60 } }")
                         .arg(mode, reversed ? "true" : "false")
                         .arg(kCurve)));
    QCOMPARE(f.Property("trimGraph", "line").toList(), line);
    QCOMPARE(f.Call("mixerPlot", "refresh").toInt(), int(KLX_Ok));
    const QVariantList mixed = f.Property("mixerPlot", "values").toList();
    QCOMPARE(mixed.size(), 33);
    QCOMPARE(mixed.value(32).toDouble(), 1023.5);
    if (mode == "Left") {
      f.Settle();
      f.Grab("plots.png");
    }
  }

  // A switch moved on the simulated stick controller is the chosen control;
  // OK writes it as the function's input.
  void movedControlIsChosen() {
    QmlFrame& f = Frame();
    QVERIFY(OpenSelector(f, {{"parentId", "control"}, {"funcId", 0}, {"initialControlId", kStickA}}));
    QCOMPARE(f.Property("chosenName", "text").toString(), QString("ST-A"));
    QVERIFY(f.Controllers().SetControl(kSwitchA, 2047));
    QTRY_COMPARE(f.Property("controlSelector", "chosenControl").toInt(), kSwitchA);
    QCOMPARE(f.Property("chosenName", "text").toString(), QString("SW-A"));
    f.Settle();
    f.Grab("selector-moved.png");
    QVERIFY(f.Tap("selectorOk"));
    QCOMPARE(f.Db().KLX_DataBaseManagerFunctionGetSet_Control(0, 0, AtomicDirGet, false), kSwitchA);
  }

  // The switch-point editor fills an invisible switch by the input's kind
  // and the positions set on: both thresholds of inputs A and B, input B
  // and the operator (0 AND, 1 OR).
  void switchPoints_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<QStringList>("taps");
    QTest::addColumn<QVector<int>>("stored");  // A above, A below, B above, B below, input B, operator
    QTest::newRow("stick: the two thresholds") << kStickA << QStringList{"thresholdUpper", "step_10", "step_-1"}
                                               << QVector<int>{29, -10, 10, -10, kFixedOn, 0};
    QTest::newRow("switch: upper position") << kSwitchA << QStringList{} << QVector<int>{40, 30, 5, -5, kFixedOn, 0};
    QTest::newRow("switch: middle only") << kSwitchA << QStringList{"position_1", "position_0"}
                                         << QVector<int>{30, 40, -30, -40, kSwitchA, 0};
    // All three off: the middle button turns the two ends on instead.
    QTest::newRow("switch: middle pressed with all off") << kSwitchA << QStringList{"position_0", "position_1"}
                                                         << QVector<int>{40, 30, -40, -30, kSwitchA, 1};
    QTest::newRow("switch: both ends") << kSwitchA << QStringList{"position_2"}
                                       << QVector<int>{40, 30, -40, -30, kSwitchA, 1};
    QTest::newRow("switch: lower and middle") << kSwitchA << QStringList{"position_1", "position_0", "position_2"}
                                              << QVector<int>{30, 40, 5, -5, kFixedOn, 0};
    QTest::newRow("fixed on") << kFixedOn << QStringList{} << QVector<int>{5, -5, 5, -5, kFixedOn, 0};
  }
  void switchPoints() {
    QFETCH(int, control);
    QFETCH(QStringList, taps);
    QFETCH(QVector<int>, stored);
    QmlFrame& f = Frame();
    constexpr int s = 5;
    f.Db().KLX_DataBaseManagerSwitchClear(s);
    f.Db().KLX_DataBaseManagerSwitchGetSet_IsUsed(s, 1, AtomicDirSet, false);
    f.Db().KLX_DataBaseManagerSwitchGetSet_IsVisible(s, 0, AtomicDirSet, false);
    f.Db().KLX_DataBaseManagerSwitchGetSet_SwitchControl(s, 0, control, AtomicDirSet, false);
    f.Call("", "openScreen", {kHome, QVariant()});
    f.Call("", "openScreen", {kEditor, QVariantMap{{"sourceOptionNumber", 6}, {"switchId", s}, {"control", control},
                                                   {"percentageHystUpper", 20}, {"percentageHystLower", -10}}});
    QVERIFY(f.WaitShown(kEditor));
    for (const QString& tap : taps) QVERIFY2(f.Tap(tap), qPrintable(tap));
    if (QTest::currentDataTag() == QLatin1String("switch: middle only")) {
      f.Settle();
      f.Grab("switch-points-switch.png");
    }
    if (control == kStickA) {
      f.Settle();
      f.Grab("switch-points-stick.png");
    }
    QVERIFY(f.Tap("editorOk"));
    auto& db = f.Db();
    const QVector<int> got{db.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(s, 0, 0, AtomicDirGet, false),
                           db.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(s, 0, 0, AtomicDirGet, false),
                           db.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(s, 1, 0, AtomicDirGet, false),
                           db.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(s, 1, 0, AtomicDirGet, false),
                           db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(s, 1, 0, AtomicDirGet, false),
                           db.KLX_DataBaseManagerSwitchGetSet_LogicalOperator(s, 0, AtomicDirGet, false)};
    QVERIFY2(got == stored, qPrintable(QStringLiteral("stored %1 %2 %3 %4 %5 %6")
                                                  .arg(got[0]).arg(got[1]).arg(got[2]).arg(got[3]).arg(got[4]).arg(got[5])));
    QVERIFY(f.WaitShown(QStringLiteral("qrc:/Frontend/QML/CutoffSettings.qml")));
  }

  // A visible switch's input takes the control moved; its thresholds follow.
  void switchInput() {
    QmlFrame& f = Frame();
    constexpr int s = 6;
    f.Db().KLX_DataBaseManagerSwitchClear(s);
    f.Db().KLX_DataBaseManagerSwitchGetSet_IsUsed(s, 1, AtomicDirSet, false);
    QVERIFY(OpenSelector(f, {{"parentId", "ctrl2"}, {"funcId", s}, {"initialControlId", 0}}));
    QCOMPARE(f.Property("sourceVSwitch", "visible").toBool(), true);
    QVERIFY(f.Controllers().SetControl(1025, 2047));  // slider A
    QTRY_COMPARE(f.Property("controlSelector", "chosenControl").toInt(), 1025);
    QVERIFY(f.Tap("selectorOk"));
    QVERIFY(f.WaitShown(kEditor));
    QCOMPARE(f.Db().KLX_DataBaseManagerSwitchGetSet_SwitchControl(s, 1, 0, AtomicDirGet, false), 1025);
    QCOMPARE(f.Property("switchPointEditor", "sourceOptionNumber").toInt(), 5);
    QCOMPARE(f.Property("thresholdBar", "visible").toBool(), true);
    QVERIFY(f.Tap("thresholdLower"));
    QVERIFY(f.Tap("step_-10"));
    QVERIFY(f.Tap("editorOk"));
    QCOMPARE(f.Db().KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(s, 1, 0, AtomicDirGet, false), 30);
    QCOMPARE(f.Db().KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(s, 1, 0, AtomicDirGet, false), -40);
  }

  // Fixed on for the vario is stored as it is, with no switch.
  void varioFixedOn() {
    QmlFrame& f = Frame();
    QVERIFY(OpenSelector(f, {{"parentId", "varioControl"}, {"funcId", -1}, {"initialControlId", 0}}));
    const int used = f.Db().KLX_DataBaseManagerSwitchGetNumber();
    QVERIFY(f.Tap("sourceFixed"));
    QCOMPARE(f.Property("chosenName", "text").toString(), QString("On"));
    QVERIFY(f.Tap("selectorOk"));
    QVERIFY(f.WaitShown(kEditor));
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetVarioActivationControlId(0, AtomicDirGet), kFixedOn);
    QCOMPARE(f.Property("fixedControl", "visible").toBool(), true);
    QCOMPARE(f.Db().KLX_DataBaseManagerSwitchGetNumber(), used);
  }

  // A visible switch from the list goes straight into the flight-mode slot;
  // the editor then shows it by name only.
  void visibleSwitchForSlot() {
    QmlFrame& f = Frame();
    constexpr int s = 7;
    f.Db().KLX_DataBaseManagerSwitchClear(s);
    f.Db().KLX_DataBaseManagerSwitchGetSet_IsUsed(s, 1, AtomicDirSet, false);
    f.Db().KLX_DataBaseManagerSwitchGetSet_Name(s, "Gear", AtomicDirSet);
    QVERIFY(OpenSelector(f, {{"parentId", "fmcontrol"}, {"funcId", -1}, {"funcId2", 1}, {"initialControlId", 0}}));
    const int used = f.Db().KLX_DataBaseManagerSwitchGetNumber();
    QVERIFY(f.Tap("sourceVSwitch"));
    f.Settle();
    f.Grab("selector-switch-list.png");
    QVERIFY(f.Tap("switchRow_7"));
    QCOMPARE(f.Property("chosenName", "text").toString(), QString("Gear"));
    QVERIFY(f.Tap("selectorOk"));
    QVERIFY(f.WaitShown(kEditor));
    QCOMPARE(f.Db().KLX_DataBaseManagerFlightmodeAssignGetSet_Control(1, 0, AtomicDirGet, false), kVirtual0 + s);
    QCOMPARE(f.Property("switchPointEditor", "switchId").toInt(), s);
    QCOMPARE(f.Property("fixedControl", "text").toString(), QString("Gear"));
    QCOMPARE(f.Db().KLX_DataBaseManagerSwitchGetNumber(), used);
  }

  // A control for a flight-mode slot makes the slot's hidden switch; a
  // visible switch chosen later, from the editor's input, takes its place
  // and the hidden one goes.
  void hiddenSwitchOfSlot() {
    QmlFrame& f = Frame();
    const int hidden = f.Db().KLX_DataBaseManagerSwitchGetNextFreeIndex();
    QVERIFY(OpenSelector(f, {{"parentId", "fmcontrol"}, {"funcId", -1}, {"funcId2", 0}, {"initialControlId", 0}}));
    QVERIFY(MoveAndConfirm(f, 769));
    const SwitchState made = Switch(f, hidden);
    QCOMPARE(made.name, QString("VSi%1FMctl0").arg(hidden));
    QCOMPARE((QVector<int>{made.used, made.visible, made.inputA, made.inputB, made.op}),
             (QVector<int>{1, 0, 769, kFixedOn, 0}));
    QCOMPARE(f.Db().KLX_DataBaseManagerFlightmodeAssignGetSet_Control(0, 0, AtomicDirGet, false), kVirtual0 + hidden);
    QCOMPARE(f.Property("switchPointEditor", "switchId").toInt(), hidden);
    QCOMPARE(f.Property("rootwindow", "smartKeyLock").toBool(), false);
    QTRY_COMPARE(TransceiverSwitch(f, hidden), ProgramSwitch(f, hidden));

    constexpr int visible = 8;
    f.Db().KLX_DataBaseManagerSwitchClear(visible);
    f.Db().KLX_DataBaseManagerSwitchGetSet_IsUsed(visible, 1, AtomicDirSet, false);
    // The editor's input leads back to the selector for the same slot.
    QVERIFY(f.Tap("editorInput"));
    QVERIFY(f.WaitShown(kSelector));
    QCOMPARE(f.Property("chosenName", "text").toString(), QString("SW-B"));  // the control behind the hidden switch
    QVERIFY(f.Tap("sourceVSwitch"));
    QVERIFY(f.Tap(QString("switchRow_%1").arg(visible)));
    QVERIFY(f.Tap("selectorOk"));
    QVERIFY(f.WaitShown(kEditor));
    QCOMPARE(f.Db().KLX_DataBaseManagerFlightmodeAssignGetSet_Control(0, 0, AtomicDirGet, false), kVirtual0 + visible);
    QCOMPARE(Switch(f, hidden).used, 0);
    QTRY_COMPARE(TransceiverSwitch(f, hidden), QByteArray(ProgramSwitch(f, hidden).size(), '\0'));
  }

  // A field without a control (here the vario's on/off) opens the editor
  // saying how to get one, and its "Input" leads there.
  void noControlYetSaysWhatToDo() {
    QmlFrame& f = Frame();
    f.Call("", "openScreen", {kEditor, QVariantMap{{"sourceOptionNumber", 9}, {"switchId", -1},
                                                   {"control", int(CONTROLID_Invalid_GUI)}}});
    QVERIFY(f.WaitShown(kEditor));
    QVERIFY(f.Property("noInputHint", "visible").toBool());
    f.Settle();
    f.Grab("switch-points-no-input.png");
    QVERIFY(f.Tap("editorInput"));
    QVERIFY(f.WaitShown(kSelector));
    QCOMPARE(f.Property("controlSelector", "parentId").toString(), QString("varioControl"));
  }

  // A selector reopened from the history (the back key after the switch-point
  // editor) comes back with every argument of its caller: the slot too.
  void reopenedFromTheHistory() {
    QmlFrame& f = Frame();
    f.Db().KLX_DataBaseManagerSequencerGetSet_Name(1, "Gear door", AtomicDirSet);
    QVERIFY(OpenSelector(f, {{"parentId", "sequencerControl"}, {"funcId", -1}, {"funcId2", 1},
                             {"initialControlId", 0}, {"controlMask", 3}}));
    const QString menu = QStringLiteral("qrc:/Frontend/QML/3.qml");
    f.Call("", "openScreen", {menu, QVariant()});
    QVERIFY(f.WaitShown(menu));
    f.Key(KLX_DatabaseValues::EventLeft);
    QVERIFY(f.WaitShown(kSelector));
    QCOMPARE(f.Property("controlSelector", "parentId").toString(), QString("sequencerControl"));
    QCOMPARE(f.Property("controlSelector", "funcId2").toInt(), 1);
    QCOMPARE(f.Property("controlSelector", "controlMask").toInt(), 3);
    QCOMPARE(f.Property("selectorHeading", "text").toString(), QString("Sequencer: Gear door"));
  }

  // Fixed on for the vario goes in directly and removes its hidden switch.
  void varioFixedOnRemovesHiddenSwitch() {
    QmlFrame& f = Frame();
    const int hidden = f.Db().KLX_DataBaseManagerSwitchGetNextFreeIndex();
    QVERIFY(OpenSelector(f, {{"parentId", "varioControl"}, {"funcId", -1}, {"initialControlId", 0}}));
    QVERIFY(MoveAndConfirm(f, 771));
    QCOMPARE(Switch(f, hidden).name, QString("VSi%1Vario").arg(hidden));
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetVarioActivationControlId(0, AtomicDirGet), kVirtual0 + hidden);
    QVERIFY(OpenSelector(f, {{"parentId", "varioControl"}, {"funcId", hidden}, {"initialControlId", kVirtual0 + hidden}}));
    QVERIFY(f.Tap("sourceFixed"));
    QVERIFY(f.Tap("selectorOk"));
    QVERIFY(f.WaitShown(kEditor));
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetVarioActivationControlId(0, AtomicDirGet), kFixedOn);
    QCOMPARE(Switch(f, hidden).used, 0);
  }

  // The smaller board: the selector on its own outline with a two-position
  // switch's mode, and the editor.
  void smallerBoard() {
    m_Frame.reset();
    QmlFrame f(g_app, CSimBoard::Fenk);
    QVERIFY(f.StartAtHome());
    f.Controllers().SetStreaming(true);
    QTRY_VERIFY(f.Db().KLX_DataBaseManagerGetValueOfControl(kSwitchA) != -2048);
    QVERIFY(OpenSelector(f, {{"parentId", "mixercontrol"}, {"funcId", 0}, {"initialControlId", kStickA}}));
    QVERIFY(f.Controllers().SetControl(770, 2047));  // switch C, two positions
    QTRY_COMPARE(f.Property("controlSelector", "chosenControl").toInt(), 770);
    QVERIFY(f.Tap("modeToggle"));
    QCOMPARE(f.Property("controlSelector", "chosenControl").toInt(), 774);
    f.Settle();
    f.Grab("selector-smaller-board.png");
    f.Call("", "openScreen", {kEditor, QVariantMap{{"sourceOptionNumber", 7}, {"switchId", -1}, {"control", 774}}});
    QVERIFY(f.WaitShown(kEditor));
    QCOMPARE(f.Item("position_1")->isVisible(), false);
    f.Settle();
    f.Grab("switch-points-smaller-board.png");
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestModelSelect test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_editors.moc"
