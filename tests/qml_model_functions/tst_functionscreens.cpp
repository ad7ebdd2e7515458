// The function, servo, cut-off and differential screens on the real facade
// and the simulated controllers: what they store, what the simulated
// transceiver receives from their tasks, the servo monitor following a
// stick, and every screen on both boards (screenshots kept for a look).
#include "../qml_frame/qml_frame_fixture.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kFolder = QStringLiteral("qrc:/Frontend/QML/");

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

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

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
