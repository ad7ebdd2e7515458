// The function, servo, cut-off and differential screens on the real facade
// and the simulated controllers: what they store, what the simulated
// transceiver receives from their tasks, the servo monitor following a
// stick, and every screen on both boards (screenshots kept for a look).
#include "qml_frame/qml_frame_fixture.h"
#include "vorn_fixture.h"
#include "model/engine/kl_engine.h"
#include "sim/csimmodel.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kFolder = QStringLiteral("qrc:/Frontend/QML/");
constexpr unsigned kRuntimeStarted = 0x33901;  // the engine's processing started
constexpr unsigned kRuntimeStopped = 0x33902;  // and stopped at the switch-off

// A used function on a control, named, with its servos (each with its own
// servo-mixer slot), as the unit loader leaves them.
void MakeFunction(KLX_DataBaseManager& db, int f, const QString& name, int control, const QList<int>& servos) {
  db.KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 1, AtomicDirSet, false);
  db.KLX_DataBaseManagerFunctionGetSet_Name(f, name, AtomicDirSet, false);
  db.KLX_DataBaseManagerFunctionGetSet_Control(f, control, AtomicDirSet, false);
  db.KLX_DataBaseManagerFunctionSetSetup(f);
  KLX_SerFuncMatrix* matrix = db.KLX_DataBaseManagerSerFuncMatrix();
  for (int servo : servos) {
    db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(servo, 1, AtomicDirSet, false);
    const int slot = matrix->KLX_SerFuncMatrixAddServoMixerToServoConfig(servo, f, &db);
    QVERIFY(slot >= 0);
    QCOMPARE(matrix->KLX_SerFuncMatrixSetIndexToFunction(f, servo, slot, &db), int(KLX_Ok));
  }
}

#define QTRY_HELD_LIKE_PROGRAM(f, kind, index)                                                       \
  QTRY_COMPARE((f).Controllers().TransceiverController().HeldModel().Record(kind, index),            \
               ProgramRecord((f).Db(), kind, index))

// The number of rows a screen lists (its "rows" array).
int RowCount(QmlFrame& f, const QString& screen) {
  const QVariant rows = f.Property(screen, "rows");
  return rows.canConvert<QJSValue>() ? rows.value<QJSValue>().property("length").toInt() : rows.toList().size();
}


bool Open(QmlFrame& f, const QString& url, const QVariantMap& args = {}) {
  f.Call("", "openScreen", {kFolder + "2_Home.qml", QVariant()});
  f.Call("", "openScreen", {url, args});
  return f.WaitShown(url);
}
}  // namespace

class TestFunctionScreens : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;
  std::unique_ptr<QmlFrame> m_Frame;

  // One main window for the cases that need no fresh start: a model of
  // Aileron on stick A with servos 1 and 2, Elevator on stick B with servo 3;
  // the stick controller reports its controls all along.
  QmlFrame& Frame() {
    if (!m_Frame) {
      SharedFrame(g_app, m_Frame);
      MakeFunction(m_Frame->Db(), 0, "Aileron", KLX_VornTask::CONTROLID_Stick_STA_GUI, {0, 1});
      MakeFunction(m_Frame->Db(), 1, "Elevator", KLX_VornTask::CONTROLID_Stick_STB_GUI, {2});
      m_Frame->Controllers().SetStreaming(true);
      // The engine computes the outputs, as after a model load.
      m_Frame->Errors().Expect({kRuntimeStarted, kRuntimeStopped});
      m_Frame->System().RuntimeDatabase().KLX_RuntimeDatabaseManagerStartProcessing(true);
    }
    return *m_Frame;
  }

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() {
    m_Warnings.Verify();
    if (m_Frame) m_Frame->Call("", "popupClose");
  }
  void cleanupTestCase() { m_Frame.reset(); }

  // The monitor's bars follow stick A moved on the simulated stick
  // controller: servo 1 of Aileron with it, servo 3 of Elevator not.
  void servoMonitorFollowsStick_data() {
    QTest::addColumn<int>("stick");
    QTest::addColumn<int>("servo1");
    // Ways of 50 %: the output is a quarter of full scale (2047 = 200 %).
    QTest::newRow("full left") << -2047 << -50;
    QTest::newRow("half right") << 1024 << 25;
    QTest::newRow("full right") << 2047 << 50;
    QTest::newRow("centre") << 0 << 0;
  }
  void servoMonitorFollowsStick() {
    QFETCH(int, stick);
    QFETCH(int, servo1);
    QmlFrame& f = Frame();
    if (f.Shown() != kFolder + "7.qml") {
      // As the touch key below the display opens it.
      f.Key(KLX_DatabaseValues::EventServo);
      QVERIFY(f.WaitShown(kFolder + "7.qml"));
    }
    QVERIFY(f.Controllers().SetControl(KLX_VornTask::CONTROLID_Stick_STA_GUI, stick));
    QTRY_COMPARE(f.Db().KLX_DataBaseManagerGetValueOfControl(KLX_VornTask::CONTROLID_Stick_STA_GUI), stick);
    QTRY_COMPARE(f.Property("monitorBar_0", "percent").toInt(), servo1);
    QCOMPARE(f.Property("monitorBar_0", "controlValue").toInt(), stick);
    QCOMPARE(f.Property("monitorBar_2", "percent").toInt(), 0);
    QCOMPARE(f.Property("monitorName_0", "text").toString(), QString("1 servo"));
  }

  // The overview's rows: an empty stored order lists the used functions by
  // index; an order that lacks a used function lists it last and is stored
  // extended. A name of 17 characters shows its first 14, one of 16 whole.
  void overviewOrderAndNames_data() {
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QList<int>>("storedAfter");
    QTest::newRow("empty order") << QList<int>{} << QList<int>{0, 1} << QList<int>{};
    QTest::newRow("order lacks 0") << QList<int>{1} << QList<int>{1, 0} << QList<int>{1, 0};
    QTest::newRow("whole order") << QList<int>{1, 0} << QList<int>{1, 0} << QList<int>{1, 0};
  }
  void overviewOrderAndNames() {
    QFETCH(QList<int>, stored);
    QFETCH(QList<int>, rows);
    QFETCH(QList<int>, storedAfter);
    QmlFrame& f = Frame();
    f.Db().KLX_DataBaseManagerFunctionGetSet_Name(0, "Aileron 17 chars", AtomicDirSet, false);  // 16
    f.Db().KLX_DataBaseManagerFunctionGetSet_Name(1, "Elevator 17 chars", AtomicDirSet, false);
    f.Db().KLX_DataBaseManagerFunctionSetDisplayedOrder(stored);
    QVERIFY(Open(f, kFolder + "4_0.qml"));
    QList<int> shown;
    for (const QVariant& v : f.Property("functionOverview", "rows").toList()) shown << v.toInt();
    QCOMPARE(shown, rows);
    QCOMPARE(f.Db().KLX_DataBaseManagerFunctionGetDisplayedOrder(), storedAfter);
    const int elevatorRow = rows.indexOf(1);
    QCOMPARE(f.Property("functionName_" + QString::number(elevatorRow), "gp_text").toString(), QString("Elevator 17 ch"));
    QCOMPARE(f.Property("functionName_" + QString::number(1 - elevatorRow), "gp_text").toString(),
             QString("Aileron 17 chars"));
    QCOMPARE(f.Property("functionServos_" + QString::number(1 - elevatorRow), "gp_text").toString(), QString("1,2"));
    f.Db().KLX_DataBaseManagerFunctionGetSet_Name(0, "Aileron", AtomicDirSet, false);
    f.Db().KLX_DataBaseManagerFunctionGetSet_Name(1, "Elevator", AtomicDirSet, false);
  }

  // A way of 100 % with hundredths of -10 shows 99.9; the basis-point step
  // up stores 0 hundredths and shows 100.0; a whole step down 99.0.
  void servoWayBasisPoints() {
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    const int mixer = db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoMixId(0, 0, 0, AtomicDirGet, false);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMax(0, mixer, 100, AtomicDirSet, false), 100);
    // The store keeps the hundredths positive: 99 % and 90.
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_BsPtsFuncTravelMaxAdd(0, mixer, -10, AtomicDirSet, false), 90);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMax(0, mixer, 0, AtomicDirGet, false), 99);
    QVERIFY(Open(f, kFolder + "27_FunctionServos.qml", {{"functionId", 0}}));
    f.Settle();
    QCOMPARE(f.Property("servo_0_wayMax", "gp_text").toString(), QString("99.9"));
    QVERIFY(f.Tap("servo_0_wayMax"));
    QTRY_COMPARE(f.Property("servoFlyin", "y").toReal(), f.Item("servoFlyin")->parentItem()->height() - 44);
    QVERIFY(f.Tap("flyin_+0.1"));
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_BsPtsFuncTravelMaxAdd(0, mixer, 0, AtomicDirGet, false), 0);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMax(0, mixer, 0, AtomicDirGet, false), 100);
    QCOMPARE(f.Property("servo_0_wayMax", "gp_text").toString(), QString("100.0"));
    QVERIFY(f.Tap("flyin_-"));
    QCOMPARE(f.Property("servo_0_wayMax", "gp_text").toString(), QString("99.0"));
    QCOMPARE(f.Property("servoDirection_0", "gp_text").toString(), QString("Norm"));
    db.KLX_DataBaseManagerServoConfigReset_ServoMixer_FuncTravelMax(0, mixer);
  }

  // Expo right edits the field its control's live position picks: at or
  // below -20 % "Lo", from -19 % "Center", at or above 20 % "Hi".
  void expoFieldByControlPosition_data() {
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("field");
    QTest::newRow("-20 %") << -409 << "Lo";
    QTest::newRow("-19 %") << -389 << "Center";
    QTest::newRow("+20 %") << 409 << "Hi";
  }
  void expoFieldByControlPosition() {
    QFETCH(int, slider);
    QFETCH(QString, field);
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    db.KLX_DataBaseManagerFunctionGetSet_ControlExpo(0, KLX_VornTask::CONTROLID_Poti_SLA_GUI, AtomicDirSet, false);
    QVERIFY(f.Controllers().SetControl(KLX_VornTask::CONTROLID_Poti_SLA_GUI, slider));
    QTRY_COMPARE(db.KLX_DataBaseManagerGetValueOfControl(KLX_VornTask::CONTROLID_Poti_SLA_GUI), slider);
    // Function 0, flight mode 0: a band's value read (dir get) or written.
    auto expo = [&](const QString& band, int value = 0, int dir = AtomicDirGet) {
      if (band == "Lo") return db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoLo(0, 0, value, dir, false);
      if (band == "Hi") return db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoHi(0, 0, value, dir, false);
      return db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoCenter(0, 0, value, dir, false);
    };
    const QMap<QString, int> before{{"Lo", expo("Lo")}, {"Center", expo("Center")}, {"Hi", expo("Hi")}};
    QVERIFY(Open(f, kFolder + "5.qml", {{"functionId", 0}}));
    QCOMPARE(f.Property("controlExpo", "gp_text").toString(), QString("SL-A"));
    QVERIFY(f.Tap("expoRight"));
    QTRY_COMPARE(f.Property("setupFlyin", "y").toReal(), f.Item("setupFlyin")->parentItem()->height() - 44);
    QVERIFY(f.Tap("flyin_++"));
    for (const QString& band : before.keys())
      QCOMPARE(expo(band), before[band] + (band == field ? 10 : 0));
    expo(field, before[field], AtomicDirSet);
  }

  // The trim chooser takes only a trim lever moved on the simulated stick
  // controller; OK stores it as the function's trim control, leaves the
  // chooser out of the history and returns to the trim set-up.
  void trimChooserTakesMovedTrim() {
    QmlFrame& f = Frame();
    f.Db().KLX_DataBaseManagerFunctionGetSet_Trim_Control(0, KLX_VornTask::CONTROLID_None_GUI, AtomicDirSet, false);
    QVERIFY(Open(f, kFolder + "22.qml", {{"functionId", 0}}));
    QCOMPARE(f.Property("trimControl", "gp_text").toString(), QString("---"));
    QVERIFY(f.Tap("trimControl"));
    QVERIFY(f.WaitShown(kFolder + "29.qml"));
    QVERIFY(f.Controllers().SetControl(KLX_VornTask::CONTROLID_Stick_STB_GUI, 1500));
    QTRY_COMPARE(f.Db().KLX_DataBaseManagerGetValueOfControl(KLX_VornTask::CONTROLID_Stick_STB_GUI), 1500);
    QCOMPARE(f.Property("trimChooser", "choice").toInt(), int(KLX_VornTask::CONTROLID_None_GUI));
    QVERIFY(f.Controllers().SetControl(KLX_VornTask::CONTROLID_RE_TRD_GUI, 60));
    QTRY_COMPARE(f.Property("trimChooser", "choice").toInt(), int(KLX_VornTask::CONTROLID_RE_TRD_GUI));
    QCOMPARE(f.Property("chosenTrim", "text").toString(), QString("TR-D"));
    QVERIFY(f.Tap("trimOk"));
    QVERIFY(f.WaitShown(kFolder + "22.qml"));
    QCOMPARE(f.Db().KLX_DataBaseManagerFunctionGetSet_Trim_Control(0, 0, AtomicDirGet, false),
             int(KLX_VornTask::CONTROLID_RE_TRD_GUI));
    QVERIFY(!f.History().contains(kFolder + "29.qml"));
    QCOMPARE(f.Property("trimControl", "gp_text").toString(), QString("TR-D"));
    f.Controllers().SetControl(KLX_VornTask::CONTROLID_Stick_STB_GUI, 0);
  }

  // "+" adds a function through the unit loader: the simulated transceiver
  // takes the unit, both sides hold the same model, the row is appended and
  // the order stored; the touch keys are free again.
  void addFunctionFromOverview() {
    QmlFrame& f = Frame();
    f.Db().KLX_DataBaseManagerFunctionSetDisplayedOrder({0, 1});
    QVERIFY(Open(f, kFolder + "4_0.qml"));
    const int loads = f.Controllers().TransceiverController().Seen().unitLoadsEnded;
    QVERIFY(f.Tap("addFunction"));
    QTRY_COMPARE(RowCount(f, "functionOverview"), 3);
    QCOMPARE(f.Property("functionOverview", "rows").toList().last().toInt(), 2);
    QCOMPARE(f.Db().KLX_DataBaseManagerFunctionGetSet_IsUsed(2, 0, AtomicDirGet, false), int(KLX_True));
    QCOMPARE(f.Db().KLX_DataBaseManagerFunctionGetDisplayedOrder(), (QList<int>{0, 1, 2}));
    QCOMPARE(f.Controllers().TransceiverController().Seen().unitLoadsEnded, loads + 1);
    QTRY_HELD_LIKE_PROGRAM(f, CSimModel::Function, 2);
    QVERIFY(!f.Property("rootwindow", "smartKeyLock").toBool());
    f.Settle();
    f.Grab("4_0-added.png");
  }

  // The servo chooser of a function offers the servos it does not drive and
  // lets no more be selected than fit; the servo chosen is created through
  // the unit loader and listed.
  void addServoFromFunctionServos() {
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    QVERIFY(Open(f, kFolder + "27_FunctionServos.qml", {{"functionId", 1}}));
    QCOMPARE(RowCount(f, "functionServos"), 1);
    QVERIFY(f.Tap("addServo"));
    QTRY_VERIFY(f.Item("servoChooser")->isVisible());
    QVERIFY(!f.Named("choose_0_2"));  // servo 3 is Elevator's already
    // Elevator has one servo: nine more fit, a tenth stays unselected.
    const int room = db.KLX_DataBaseManagerGetMaxServosPerFunction() - 1;
    QCOMPARE(room, 9);
    QVERIFY(f.Tap("choose_0_3"));
    for (int servo = 4; servo < 3 + room; ++servo)
      QCOMPARE(f.Call("servoChooser", "toggle", {0, servo}).toBool(), true);
    QCOMPARE(f.Call("servoChooser", "toggle", {0, 3 + room}).toBool(), false);
    QCOMPARE(f.Property("servoChooser", "selected").toList().value(0).toList().size(), room);
    for (int servo = 4; servo < 3 + room; ++servo) f.Call("servoChooser", "toggle", {0, servo});
    QCOMPARE(f.Property("servoChooser", "selected").toList().value(0).toList(), (QVariantList{3}));
    const int loads = f.Controllers().TransceiverController().Seen().unitLoadsEnded;
    f.Settle();  // OK shows once chosen; its row is laid out anew
    f.Grab("chooser-servos.png");
    QVERIFY(f.Tap("chooserOk"));
    QTRY_COMPARE(RowCount(f, "functionServos"), 2);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(3, 0, AtomicDirGet, false), int(KLX_True));
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(1, 1, 0, AtomicDirGet, false), 3);
    QCOMPARE(f.Controllers().TransceiverController().Seen().unitLoadsEnded, loads + 1);
    QTRY_HELD_LIKE_PROGRAM(f, CSimModel::ServoConfig, 3);
    f.Settle();
    f.Grab("27_FunctionServos-added.png");
  }

  // A function on the permanent curve 0 gets a copy of it before the first
  // edit: exactly one new curve, with curve 0's points, that the edit then
  // changes; opening the editor again edits that curve without a task.
  void curveCopiedOnWrite() {
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx(0, 0, AtomicDirGet, false), 0);
    const int curves = db.KLX_DataBaseManagerCurveGetNumber();
    QVector<int> zero;
    for (int p = 0; p < 33; ++p) zero << db.KLX_DataBaseManagerCurveGetSet_CurveValue(0, p, 0, AtomicDirGet, false);
    const int loads = f.Controllers().TransceiverController().Seen().unitLoadsEnded;
    QVERIFY(Open(f, kFolder + "25_FunctionCurveEditor.qml", {{"functionId", 0}, {"fmStore", 0}}));
    QTRY_VERIFY(f.Property("functionCurveEditor", "curve").toInt() > 0);
    const int copy = f.Property("functionCurveEditor", "curve").toInt();
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx(0, 0, AtomicDirGet, false), copy);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetNumber(), curves + 1);
    QCOMPARE(f.Controllers().TransceiverController().Seen().unitLoadsEnded, loads + 1);
    for (int p = 0; p < 33; ++p) QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_CurveValue(copy, p, 0, AtomicDirGet, false), zero[p]);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_RealPoints(copy, 0, AtomicDirGet, false),
             db.KLX_DataBaseManagerCurveGetSet_RealPoints(0, 0, AtomicDirGet, false));

    // The first point up by 10 %: 205 of 2047 on the copy, curve 0 untouched.
    QVERIFY(f.Tap("curveValue"));
    QTRY_COMPARE(f.Property("curveFlyin", "y").toReal(), f.Item("curveFlyin")->parentItem()->height() - 44);
    QVERIFY(f.Tap("flyin_++"));
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_CurveValue(copy, 0, 0, AtomicDirGet, false), zero[0] + 205);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_CurveValue(0, 0, 0, AtomicDirGet, false), zero[0]);
    f.Settle();
    f.Grab("25_FunctionCurveEditor-vorn.png");

    QVERIFY(Open(f, kFolder + "25_FunctionCurveEditor.qml", {{"functionId", 0}, {"fmStore", 0}}));
    QCOMPARE(f.Property("functionCurveEditor", "curve").toInt(), copy);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetNumber(), curves + 1);
    QCOMPARE(f.Controllers().TransceiverController().Seen().unitLoadsEnded, loads + 1);
    QTRY_HELD_LIKE_PROGRAM(f, CSimModel::Curve, copy);
  }

  // A servo cut-off is a new virtual switch made the servo's cut-off switch,
  // named "VSi" + index + "Srv." + servo, at position 0.
  void addServoCutoff() {
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    const int none = db.KLX_DataBaseManagerGetMaxVirualSwitches();
    QVERIFY(db.KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffVirtSwitch(1, 0, AtomicDirGet, false) >= none);
    QVERIFY(Open(f, kFolder + "CutoffSettings.qml"));
    QVERIFY(f.Tap("addCutoff"));
    QTRY_VERIFY(f.Item("cutoffServoChooser")->isVisible());
    QVERIFY(f.Tap("choose_0_1"));
    f.Settle();  // OK shows once chosen; its row is laid out anew
    QVERIFY(f.Tap("chooserOk"));
    QTRY_COMPARE(RowCount(f, "cutoffSettings"), 1);
    const int vs = db.KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffVirtSwitch(1, 0, AtomicDirGet, false);
    QVERIFY(vs >= 0 && vs < none);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_Name(vs, QString(), AtomicDirGet, false), QStringLiteral("VSi%1Srv.1").arg(vs));
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffValue(1, 0, AtomicDirGet, false), 0);
    QTRY_HELD_LIKE_PROGRAM(f, CSimModel::VSwitch, vs);
    f.Settle();
    f.Grab("CutoffSettings-added.png");
  }

  // Clearing a differential zeroes its values and makes the active sides
  // remembered again, except a servo that another function's differential
  // on a physical control also drives; setting it up again on fixed on
  // makes the remembered sides active. Without a differential the list
  // says how to give a function one.
  void differentialClearedAndSetUpAgain() {
    QmlFrame& f = Frame();
    KLX_DataBaseManager& db = f.Db();
    for (int function = 0; function < 2; ++function)
      db.KLX_DataBaseManagerFunctionGetSet_ControlDifferential(function, KLX_VornTask::CONTROLID_None_GUI, AtomicDirSet,
                                                               false);
    QVERIFY(Open(f, kFolder + "DifferentialsList.qml"));
    QCOMPARE(RowCount(f, "differentialsList"), 0);
    QCOMPARE(f.Property("differentialHint", "visible").toBool(), true);
    // Aileron: servo 1 left, servo 2 right, differential on slider A;
    // Elevator also drives servo 1 with its differential on slider B.
    db.KLX_DataBaseManagerFunctionGetSet_ControlDifferential(0, KLX_VornTask::CONTROLID_Poti_SLA_GUI, AtomicDirSet, false);
    db.KLX_DataBaseManagerFunctionGetSet_ControlDifferential(1, KLX_VornTask::CONTROLID_Poti_SLB_GUI, AtomicDirSet, false);
    db.KLX_DataBaseManagerServoConfigGetSet_FunctionServoType(0, FuncServoType_ActiveLeft, AtomicDirSet, false);
    db.KLX_DataBaseManagerServoConfigGetSet_FunctionServoType(1, FuncServoType_ActiveRight, AtomicDirSet, false);
    KLX_SerFuncMatrix* matrix = db.KLX_DataBaseManagerSerFuncMatrix();
    const int slot = matrix->KLX_SerFuncMatrixAddServoMixerToServoConfig(0, 1, &db);
    QCOMPARE(matrix->KLX_SerFuncMatrixSetIndexToFunction(1, 0, slot, &db), int(KLX_Ok));
    db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexDiffHi(0, 0, 30, AtomicDirSet, false);

    QVERIFY(Open(f, kFolder + "DifferentialsList.qml"));
    QCOMPARE(f.Property("differentialsList", "rows").toList(), (QVariantList{0, 1}));
    QCOMPARE(f.Property("differentialHint", "visible").toBool(), false);
    QCOMPARE(f.Property("diffServos_0", "gp_text").toString(), QString("L: 1\nR: 2"));
    f.Hold(f.Centre(f.Item("diffName_0")), 1000);
    QVERIFY(f.Tap("clearDifferential"));
    QCOMPARE(f.PopupText(), QString("Do you really want to clear this differential?"));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_ControlDifferential(0, 0, AtomicDirGet, false),
             int(KLX_VornTask::CONTROLID_None_GUI));
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexDiffHi(0, 0, 0, AtomicDirGet, false), 0);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_FunctionServoType(0, 0, AtomicDirGet, false), int(FuncServoType_ActiveLeft));
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_FunctionServoType(1, 0, AtomicDirGet, false), int(FuncServoType_Right));
    QCOMPARE(f.Property("differentialsList", "rows").toList(), (QVariantList{1}));

    QVERIFY(f.Tap("addDifferential"));
    QTRY_VERIFY(f.Item("differentialChooser")->isVisible());
    QVERIFY(f.Tap("choose_0_0"));
    f.Settle();  // OK shows once chosen; its row is laid out anew
    QVERIFY(f.Tap("chooserOk"));
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_ControlDifferential(0, 0, AtomicDirGet, false),
             int(KLX_VornTask::CONTROLID_FIXSWITCH_ON_GUI));
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_FunctionServoType(1, 0, AtomicDirGet, false), int(FuncServoType_ActiveRight));
    QCOMPARE(f.Property("differentialsList", "rows").toList(), (QVariantList{0, 1}));
    db.KLX_DataBaseManagerFunctionGetSet_ControlDifferential(1, KLX_VornTask::CONTROLID_None_GUI, AtomicDirSet, false);
  }

  // After a reset of the engine's data (a model load, a voice install) the
  // engine names no flight mode (one past the last) until its next pass. A
  // screen shown when the engine tells of that, opened then, or played then
  // asks the stores for nothing of that flight mode, so they log nothing.
  void noFlightModeAfterAnEngineReset_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QVariantMap>("args");
    QTest::addColumn<QString>("touched");  // by the pilot then, if anything
    QTest::newRow("expo page") << "5.qml" << QVariantMap{{"functionId", 0}} << QString();
    QTest::newRow("trim") << "22.qml" << QVariantMap{{"functionId", 0}} << QString();
    QTest::newRow("differential") << "FuncDiffSettings.qml" << QVariantMap{{"functionId", 0}} << QString();
    QTest::newRow("function curve") << "25_FunctionCurveEditor.qml" << QVariantMap{{"functionId", 1}, {"fmStore", 0}}
                                    << QString();
    QTest::newRow("flight-mode voice alarm played") << "VoiceSettings.qml" << QVariantMap{} << "voiceAlarmPlay_0";
  }
  void noFlightModeAfterAnEngineReset() {
    QFETCH(QString, screen);
    QFETCH(QVariantMap, args);
    QFETCH(QString, touched);
    QmlFrame& f = Frame();
    KLX_RuntimeDatabaseManager& runtime = f.System().RuntimeDatabase();
    // An alarm that speaks the flight mode's name, listed but switched off.
    const int alarm = f.Db().KLX_DataBaseManagerVAlarmGetSetType(0, 0, AtomicDirGet, false);
    f.Db().KLX_DataBaseManagerVAlarmGetSetType(0, VALARM_Flightmode, AtomicDirSet, false);
    const auto open = [&] {
      if (!Open(f, kFolder + screen, args)) return false;
      // The curve editor first copies its curve.
      QObject* shown = f.Root()->findChild<QObject*>("mainLoader")->property("item").value<QObject*>();
      return shown && (!shown->property("curve").isValid() ||
                       QTest::qWaitFor([&] { return shown->property("curve").toInt() > 0; }, kHangMs));
    };
    QVERIFY(open());
    // The engine has chosen its flight mode since the last reset.
    QTRY_VERIFY(runtime.KLX_RuntimeDatabaseManagerGetActualFlightMode() != int(KL_MAX_FLIGHTMODES));
    VornErrorWatch errors;
    errors.Expect({kRuntimeStarted, kRuntimeStopped});
    // The reset, the engine's passes held until the case has looked: the
    // screen shown hears of the change. A pass begun before the hold may
    // still end after the reset: the reset and what follows come again then.
    runtime.KLX_RuntimeDatabaseManagerStopProcessing();
    KLX_FunctionalCalculation& engine = *runtime.KLX_RuntimeDatabaseManagerEngine();
    int mode = 0;
    bool done = true;
    for (int passes = -1; passes != engine.KLX_FunctionalCalculationPasses();) {
      passes = engine.KLX_FunctionalCalculationPasses();
      engine.KLX_FunctionalCalculationResetRuntimeData();
      mode = runtime.KLX_RuntimeDatabaseManagerGetActualFlightMode();
      done = open() && (touched.isEmpty() || f.Tap(touched)) && done;
      f.Settle();
    }
    // What the stores of flight modes, functions and trims report (their
    // module in the code's middle byte), such as a flight mode out of range.
    QStringList asked;
    for (unsigned code : errors.TakeCodes())
      if (QList<unsigned>{0x0B, 0x0C, 0x0E}.contains((code >> 8) & 0xFF)) asked << QString::number(code, 16).toUpper();
    runtime.KLX_RuntimeDatabaseManagerStartProcessing(false);
    f.Db().KLX_DataBaseManagerVAlarmGetSetType(0, alarm, AtomicDirSet, false);
    QCOMPARE(mode, int(KL_MAX_FLIGHTMODES));
    QVERIFY(done);
    QCOMPARE(asked.join(' '), QString());
  }

  // Every screen on each board with a model of two functions and three servos.
  void everyScreenOnBothBoards_data() {
    BoardRows();
  }
  void everyScreenOnBothBoards() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    // One system at a time: the engine's state is the process's.
    m_Frame.reset();
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    QVERIFY(f.StartAtHome());
    MakeFunction(f.Db(), 0, "Aileron", KLX_VornTask::CONTROLID_Stick_STA_GUI, {0, 1});
    MakeFunction(f.Db(), 1, "Elevator with a long name", KLX_VornTask::CONTROLID_Stick_STB_GUI, {2});
    // Aileron with a differential on a slider, servo 1 left and 2 right.
    f.Db().KLX_DataBaseManagerFunctionGetSet_ControlDifferential(0, KLX_VornTask::CONTROLID_Poti_SLA_GUI, AtomicDirSet, false);
    f.Db().KLX_DataBaseManagerServoConfigGetSet_FunctionServoType(0, FuncServoType_ActiveLeft, AtomicDirSet, false);
    f.Db().KLX_DataBaseManagerServoConfigGetSet_FunctionServoType(1, FuncServoType_ActiveRight, AtomicDirSet, false);
    const QList<QPair<QString, QVariantMap>> screens = {
        {"4_0.qml", {}},
        {"5.qml", {{"functionId", 0}}},
        {"22.qml", {{"functionId", 0}}},
        {"27_FunctionServos.qml", {{"functionId", 0}, {"functionLabel", "Aileron"}}},
        {"29.qml", {{"parentId", "trim"}, {"functionId", 0}, {"initialControlId", KLX_VornTask::CONTROLID_RE_TRB_GUI}}},
        {"26.qml", {}},
        {"7.qml", {}},
        {"ServoCurveSettings.qml", {{"funcId", 0}, {"servoId", 1}, {"mixerId", 0}}},
        {"CutoffSettings.qml", {}},
        {"DifferentialsList.qml", {}},
        {"FuncDiffSettings.qml", {{"functionId", 0}}},
        {"25_FunctionCurveEditor.qml", {{"functionId", 1}, {"fmStore", 0}}},
        {"ServoCurveEditor.qml", {{"functionId", 0}, {"servoIndex", 0}, {"servoMxrIndex", 0}}},
    };
    for (const auto& screen : screens) {
      QVERIFY2(Open(f, kFolder + screen.first, screen.second), qPrintable(screen.first));
      // The curve editors first copy or make their curve.
      QObject* shown = f.Root()->findChild<QObject*>("mainLoader")->property("item").value<QObject*>();
      if (shown && shown->property("curve").isValid()) QTRY_VERIFY(shown->property("curve").toInt() > 0);
      f.Settle();
      f.Grab(QString(screen.first).replace(".qml", "") + "-" + tag + ".png");
      m_Warnings.Verify();
    }
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestFunctionScreens test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_screens.moc"
