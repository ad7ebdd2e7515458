// The function, servo, cut-off and differential screens on the real facade
// and the simulated controllers: what they store, what the simulated
// transceiver receives from their tasks, the servo monitor following a
// stick, and every screen on both boards (screenshots kept for a look).
#include "../qml_frame/qml_frame_fixture.h"

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

  // Every screen on each board with a model of two functions and three servos.
  void everyScreenOnBothBoards_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("tag");
    QTest::newRow("Vorn") << int(CSimBoard::Vorn) << "vorn";
    QTest::newRow("Fenk") << int(CSimBoard::Fenk) << "fenk";
  }
  void everyScreenOnBothBoards() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
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
    };
    for (const auto& screen : screens) {
      QVERIFY2(Open(f, kFolder + screen.first, screen.second), qPrintable(screen.first));
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
#include "tst_functionscreens.moc"
