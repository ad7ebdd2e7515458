// The curve editor's stored values after an edit, a smoothing and in
// three-point mode; the control selector's choices as the stores keep them
// (hidden virtual switches made and removed), a control moved on the
// simulated stick controller, and the switch-point editor.
#include "../qml_frame/qml_frame_fixture.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
constexpr int kCurve = 3;

QVector<int> Stored(QmlFrame& f, int curve) {
  QVector<int> v;
  for (int i = 0; i < 33; ++i) v << f.Db().KLX_DataBaseManagerCurveGetSet_CurveValue(curve, i, 0, AtomicDirGet, false);
  return v;
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
  void initTestCase() { m_Warnings.Install(); }
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
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestModelSelect test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_model_select.moc"
