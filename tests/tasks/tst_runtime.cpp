// The runtime read-outs the screens poll and set: the servo travel curve,
// the direction word of the controls and what goes to the controller when
// one changes, the colour blend of the limit lines.
#include "model/model_fixture.h"

namespace {
// The read-outs brought up on the fixture's facade and message layer; the
// engine thread they start ends before the facade goes.
struct RuntimeUp {
  explicit RuntimeUp(ModelFixture& f) : fx(f) {
    ok = fx.runtime.KLX_RuntimeDatabaseManagerInitialize(&fx.db, &fx.protocol, nullptr) == KLX_Ok;
  }
  ~RuntimeUp() { fx.runtime.KLX_RuntimeDatabaseManagerStop(); }
  ModelFixture& fx;
  bool ok = false;
};
}  // namespace

class RuntimeTest : public QObject {
  Q_OBJECT

 private slots:
  void servoTravelCurve_data() {
    QTest::addColumn<int>("negative");
    QTest::addColumn<int>("positive");
    QTest::addColumn<int>("centre");
    QTest::addColumn<int>("realPoints");
    QTest::addColumn<QList<int>>("points");  // 0, 1, 15, 16, 17, 31, 32
    QTest::newRow("-100 % to +100 %") << -100 << 100 << 0 << 3 << QList<int>{-2047, -1919, -128, 0, 128, 1919, 2047};
    QTest::newRow("-200 % to +200 %") << -200 << 200 << 0 << 3 << QList<int>{-4094, -3838, -256, 0, 256, 3838, 4094};
    // Reversed travel; 1023.5 rounds away from zero.
    QTest::newRow("+50 % to -50 %") << 50 << -50 << 0 << 3 << QList<int>{1024, 960, 64, 0, -64, -960, -1024};
    QTest::newRow("a centre beyond 200 % is refused") << -100 << 100 << 201 << 0 << QList<int>{};
  }
  void servoTravelCurve() {
    QFETCH(int, negative);
    QFETCH(int, positive);
    QFETCH(int, centre);
    QFETCH(int, realPoints);
    QFETCH(QList<int>, points);
    KLX_RuntimeDatabaseManager runtime;
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerCreateTravelServoCurve(-100, 100, 0), true);
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerCreateTravelServoCurve(negative, positive, centre), realPoints == 3);
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerGetCreatedServoCurve_RealPoints(), realPoints);
    QList<int> got;
    if (realPoints)
      for (int k : {0, 1, 15, 16, 17, 31, 32}) got << runtime.KLX_RuntimeDatabaseManagerGetCreatedServoCurveVal(k);
    QCOMPARE(got, points);
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerGetCreatedServoCurveVal(33), int(KLX_Error));
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerGetCreatedServoCurveVal(-1), int(KLX_Error));
  }

  void directionOfOneControl_data() {
    QTest::addColumn<quint32>("before");
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("invers");
    QTest::addColumn<bool>("update");
    QTest::addColumn<quint32>("after");
    QTest::addColumn<int>("inverted");     // the control's bit afterwards
    QTest::addColumn<QByteArray>("sent");  // message 151, empty for none
    QTest::newRow("switch A inverted") << 0u << 768 << 1 << true << 0x100u << 1 << QByteArray::fromHex("00010000");
    QTest::newRow("switch A back") << 0x101u << 768 << 0 << true << 0x1u << 0 << QByteArray::fromHex("01000000");
    QTest::newRow("any value but 1 clears")
        << 0x200000u << 1013 << 2 << true << 0u << 0 << QByteArray::fromHex("00000000");
    QTest::newRow("slider B, kept here only") << 0u << 1265 << 1 << false << 0x40u << 1 << QByteArray();
    QTest::newRow("a control without a bit") << 0x5u << 999 << 1 << true << 0x5u << 0 << QByteArray();
  }
  void directionOfOneControl() {
    QFETCH(quint32, before);
    QFETCH(int, control);
    QFETCH(int, invers);
    QFETCH(bool, update);
    QFETCH(quint32, after);
    QFETCH(int, inverted);
    QFETCH(QByteArray, sent);
    ModelFixture fx;
    RuntimeUp up(fx);
    QVERIFY(up.ok);
    fx.Drop();
    KLX_RuntimeDatabaseManager& runtime = fx.runtime;
    QCOMPARE(runtime.KLX_SetDirectionOfControls(before), int(KLX_Ok));
    QCOMPARE(runtime.KLX_SetDirectionOfControl(control, invers, update), int(KLX_Ok));
    QCOMPARE(runtime.KLX_GetDirectionOfControls(), after);
    QCOMPARE(runtime.KLX_IsDirectionOfControlInvers(control), inverted);
    const QList<KLX_Message> messages = fx.Sent();
    QCOMPARE(messages.size(), sent.isEmpty() ? 0 : 1);
    if (!sent.isEmpty()) {
      QCOMPARE(int(messages[0].id), 151);
      QCOMPARE(int(messages[0].node), 3);
      QCOMPARE(messages[0].data, sent);
    }
  }

  void colourBlend_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<float>("ratio");
    QTest::addColumn<QString>("colours");
    QTest::newRow("black to white, a quarter") << "#000000" << "#ffffff" << 0.25f << "#404040;#bfbfbf";
    QTest::newRow("small components keep two digits") << "#000000" << "#102030" << 0.5f << "#081018;#081018";
    QTest::newRow("downwards") << "#ff0000" << "#00ff00" << 0.0f << "#ff0000;#00ff00";
  }
  void colourBlend() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(float, ratio);
    QFETCH(QString, colours);
    KLX_RuntimeDatabaseManager runtime;
    QCOMPARE(runtime.GetRGBcomponents(from, to, ratio), colours);
  }
};

QTEST_GUILESS_MAIN(RuntimeTest)
#include "tst_runtime.moc"
