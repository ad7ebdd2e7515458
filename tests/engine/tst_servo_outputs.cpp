// The servo stage: travels, differential, servo curves, end points, cut-off
// switches, groups and the output block. Function 0 follows stick 0 through
// the default curve: full throw 2045, low end -2047, centre -1.
#include <QtTest>

#include "engine_fixture.h"

using namespace enginetest;

namespace {

constexpr int kMixerBlock = 20;  // servo mixer m at 20 + 10 m

void DriveServo0(Engine& e, int x) {
  e.UseFunction(0, kStick0);
  e.AssignServo(0, 0, 0);
  e.UseServo(0);
  e.Stick(kStick0, x);
}

}  // namespace

class EngineServoOutputs : public QObject {
  Q_OBJECT

 private slots:
  void travelAndEndPoints_data();
  void travelAndEndPoints();
  void differential_data();
  void differential();
  void servoCurveAndSourceType3_data();
  void servoCurveAndSourceType3();
  void servoIndicesOutOfRangeAreNone();
  void cutOff_data();
  void cutOff();
  void groups();
};

void EngineServoOutputs::travelAndEndPoints_data() {
  QTest::addColumn<int>("x");
  QTest::addColumn<int>("trim");
  QTest::addColumn<int>("centre");
  QTest::addColumn<int>("travelMin");
  QTest::addColumn<int>("travelMax");
  QTest::addColumn<int>("maxValue");
  QTest::addColumn<int>("expected");
  // Default travels +/-1024: v x 1024 / 2047, truncated toward zero.
  QTest::newRow("centre") << 0 << 0 << 0 << -1024 << 1024 << 1279 << 0;
  QTest::newRow("full throw") << 2047 << 0 << 0 << -1024 << 1024 << 1279 << 1022;
  QTest::newRow("low end") << -2047 << 0 << 0 << -1024 << 1024 << 1279 << -1024;
  QTest::newRow("centre offset") << 2047 << 0 << 300 << -1024 << 1024 << 2047 << 1322;
  QTest::newRow("trimmed past end point") << 2047 << 2047 << 0 << -1024 << 1024 << 1279 << 1279;
  QTest::newRow("trimmed past low end point") << -2047 << -2047 << 0 << -1024 << 1024 << 1279 << -1279;
  QTest::newRow("asymmetric travel high") << 2047 << 0 << 0 << -512 << 2047 << 2047 << 2045;
  QTest::newRow("asymmetric travel low") << -2047 << 0 << 0 << -512 << 2047 << 2047 << -512;
  // 3069 x 2047 / 2047 is limited to 2047 before the end points.
  QTest::newRow("output limited to 2047") << 2047 << 2047 << 0 << -1024 << 2047 << 2047 << 2047;
}

void EngineServoOutputs::travelAndEndPoints() {
  QFETCH(int, x);
  QFETCH(int, trim);
  QFETCH(int, centre);
  QFETCH(int, travelMin);
  QFETCH(int, travelMax);
  QFETCH(int, maxValue);
  QFETCH(int, expected);
  Engine e;
  DriveServo0(e, x);
  e.Put16(Function(0) + 12, kTrim0);
  e.Put16(Trim(0) + 4, trim);
  e.Put16(Servo(0) + 4, centre);
  e.Put16(Servo(0) + 8, maxValue);
  e.Put16(Servo(0) + kMixerBlock + 2, travelMin);
  e.Put16(Servo(0) + kMixerBlock + 4, travelMax);
  e.Pass();
  QCOMPARE(e.ServoOut(0), expected);
  QCOMPARE(int(e.out().count), 26);
}

void EngineServoOutputs::differential_data() {
  QTest::addColumn<int>("servoType");
  QTest::addColumn<int>("x");
  QTest::addColumn<int>("expected");
  // Differential 1024: the reduced side is scaled by (2047 - 1024) / 2047.
  QTest::newRow("type 3, high side reduced") << 3 << 2047 << 1022 * 1023 / 2047;
  QTest::newRow("type 3, low side whole") << 3 << -2047 << -1024;
  QTest::newRow("type 4, high side whole") << 4 << 2047 << 1022;
  QTest::newRow("type 4, low side reduced") << 4 << -2047 << -1024 * 1023 / 2047;
  QTest::newRow("type 0, no differential") << 0 << -2047 << -1024;
}

void EngineServoOutputs::differential() {
  QFETCH(int, servoType);
  QFETCH(int, x);
  QFETCH(int, expected);
  Engine e;
  DriveServo0(e, x);
  e.Put16(Function(0) + 8, kOn);             // ControlDifferential
  e.Put16(FunctionSetup(0, 0) + 20, 1024);   // FlexDifferentialHi
  e.Put8(Servo(0) + 11, servoType);
  e.Pass();
  QCOMPARE(kl_engine_get_trival_differential(0), 1024);
  QCOMPARE(e.ServoOut(0), expected);
}

void EngineServoOutputs::servoCurveAndSourceType3_data() {
  QTest::addColumn<int>("foundAt");  // servo mixer naming function 0, -1 none
  QTest::addColumn<int>("curve");
  QTest::addColumn<int>("expected");
  // Curve 1: point p = 10 p - 160. At v = 2045: (2045 + 4096) / 256 = segment
  // 23, fraction 253: 70 + 253 x 10 / 256 = 79.
  QTest::newRow("servo curve") << 2 << 1 << 79;
  QTest::newRow("found without curve uses its travel") << 2 << 255 << 2045;
  QTest::newRow("not found gives nothing") << -1 << 1 << 0;
  // Curve 2: point p = 160 - 10 p: -70 + (253 x -10 >> 8) = -70 - 10.
  QTest::newRow("falling servo curve") << 2 << 2 << -80;
}

void EngineServoOutputs::servoCurveAndSourceType3() {
  QFETCH(int, foundAt);
  QFETCH(int, curve);
  QFETCH(int, expected);
  Engine e;
  DriveServo0(e, 2047);
  e.Put16(Servo(0) + 8, 2047);
  e.Put8(Servo(0) + kMixerBlock, 3);  // the assigned mixer 0 searches
  for (int p = 0; p < 33; ++p) {
    e.Put16(Curve(1) + 2 + 2 * p, 10 * p - 160);
    e.Put16(Curve(2) + 2 + 2 * p, 160 - 10 * p);
  }
  if (foundAt >= 0) {
    const int m = Servo(0) + kMixerBlock + 10 * foundAt;
    e.Put16(m + 4, 2047);   // FuncTravelMax
    e.Put16(m + 6, 0);      // FuncTravelFuncIndex: function 0
    e.Put16(m + 8, curve);  // ServoCurveIndex
  }
  e.Pass();
  QCOMPARE(e.ServoOut(0), expected);
}

void EngineServoOutputs::servoIndicesOutOfRangeAreNone() {
  Engine e(KL_BOARD_FENK);
  e.UseFunction(0, kStick0);
  e.Stick(kStick0, 2047);
  e.UseServo(0);
  e.Put16(Servo(0) + 4, 300);
  e.AssignServo(0, 0, 0, 9);  // servo mixer 9: a servo has eight
  e.UseServo(20);
  e.AssignServo(0, 1, 20);  // servo 20: the smaller board has 18
  e.UseServo(1);
  e.AssignServo(0, 2, 1);
  e.Put16(Function(0) + 834, 0x0407);  // bit 10 is no assignment slot
  e.Pass();
  QCOMPARE(e.ServoOut(0), 300);  // centre only
  QCOMPARE(e.ServoOut(1), 1022);
  QCOMPARE(e.ServoOut(20), 0);
  QCOMPARE(int(e.out().count), 18);
  // A used servo without a function stays at its centre; an unused one is 0.
  e.UseServo(2);
  e.Put16(Servo(2) + 4, -200);
  e.Put8(Servo(1), 0);
  e.Pass();
  QCOMPARE(e.ServoOut(2), -200);
  QCOMPARE(e.ServoOut(1), 0);
}

void EngineServoOutputs::cutOff_data() {
  QTest::addColumn<int>("switchIndex");
  QTest::addColumn<bool>("switchOn");
  QTest::addColumn<int>("cutOffValue");
  QTest::addColumn<int>("expected");
  QTest::newRow("switch on") << 0 << true << -500 << -500;
  QTest::newRow("switch off") << 0 << false << -500 << 1022;
  QTest::newRow("limited by end point") << 0 << true << -2000 << -1279;
  QTest::newRow("no switch") << 255 << true << -500 << 1022;
  QTest::newRow("switch beyond count") << 200 << true << -500 << 1022;
}

void EngineServoOutputs::cutOff() {
  QFETCH(int, switchIndex);
  QFETCH(bool, switchOn);
  QFETCH(int, cutOffValue);
  QFETCH(int, expected);
  Engine e;
  DriveServo0(e, 2047);
  e.UseVSwitch(0, switchOn ? kOn : kOff);  // +2047 is above the 614 threshold
  e.Put8(Servo(0) + 16, switchIndex);
  e.Put16(Servo(0) + 18, cutOffValue);
  e.Pass();
  QCOMPARE(e.ServoOut(0), expected);
}

void EngineServoOutputs::groups() {
  Engine e;
  DriveServo0(e, 2047);
  e.Put8(Servo(0) + 2, 0x81);  // master of group 1
  e.UseServo(1);
  e.Put8(Servo(1) + 2, 0x01);  // slave
  e.UseServo(2);
  e.Put8(Servo(2) + 2, 0x41);  // slave, opposite
  e.UseServo(3);
  e.Put8(Servo(3) + 2, 0x02);  // group 2 has no master
  e.UseServo(4);
  e.Put8(Servo(4) + 2, 0x01);
  e.UseFunction(1, kStick1);  // a slave ignores its own functions
  e.AssignServo(1, 0, 4);
  e.Stick(kStick1, 2047);
  e.Pass();
  QCOMPARE(e.ServoOut(0), 1022);
  QCOMPARE(e.ServoOut(1), 1022);
  QCOMPARE(e.ServoOut(2), -1022);
  QCOMPARE(e.ServoOut(3), 0);
  QCOMPARE(e.ServoOut(4), 1022);

  // The master's cut-off reaches its slaves.
  e.UseVSwitch(0, kOn);
  e.Put8(Servo(0) + 16, 0);
  e.Put16(Servo(0) + 18, 700);
  e.Pass();
  QCOMPARE(e.ServoOut(1), 700);
  QCOMPARE(e.ServoOut(2), -700);

  // A new master found once the old one leaves the group.
  e.Put8(Servo(0) + 2, 0x80);
  e.UseServo(5);
  e.Put8(Servo(5) + 2, 0x81);
  e.Put16(Servo(5) + 4, 250);
  e.Pass();
  QCOMPARE(e.ServoOut(1), 250);
  QCOMPARE(e.ServoOut(0), 700);

  // On the smaller board a master beyond its 18 servos counts as none.
  Engine fenk(KL_BOARD_FENK);
  fenk.UseServo(20);
  fenk.Put8(Servo(20) + 2, 0x83);
  fenk.Put16(Servo(20) + 4, 500);
  fenk.UseServo(4);
  fenk.Put8(Servo(4) + 2, 0x03);
  fenk.Pass();
  QCOMPARE(fenk.ServoOut(4), 0);
}

QTEST_APPLESS_MAIN(EngineServoOutputs)
#include "tst_servo_outputs.moc"
