// A function turns its input into a value through curve, rate, expo, trim and
// travel time. Expected values are worked out from the default curve points
// (-2047 + round(p x 127.9375)) and the chain's integer arithmetic.
#include <QtTest>

#include "engine_fixture.h"

using namespace enginetest;

class EngineFunctionChain : public QObject {
  Q_OBJECT

 private slots:
  void curveRateExpo_data();
  void curveRateExpo();
  void rateFollowsItsControl();
  void trimModes_data();
  void trimModes();
  void travelTimeSlewsUpAndJumpsWithoutStep();
  void missingControlReadsTheCurveEnd();
  void fallingCurveSegmentShiftsDown();
  void functionValuesAsInputs();
  void publishedCountFollowsHighestUsedFunction();
};

void EngineFunctionChain::curveRateExpo_data() {
  QTest::addColumn<int>("rateHi");
  QTest::addColumn<int>("expoHi");
  QTest::addColumn<int>("expoNegHi");
  QTest::addColumn<int>("x");
  QTest::addColumn<int>("expected");
  // Default curve: the input is offset by 2047 before the segment is taken.
  QTest::newRow("centre") << 2047 << 0 << 0 << 0 << -1;
  QTest::newRow("full throw") << 2047 << 0 << 0 << 2047 << 2045;
  QTest::newRow("full throw low") << 2047 << 0 << 0 << -2047 << -2047;
  QTest::newRow("x 1000") << 2047 << 0 << 0 << 1000 << 999;
  QTest::newRow("x -1000") << 2047 << 0 << 0 << -1000 << -1001;
  QTest::newRow("half rate at full throw") << 1024 << 0 << 0 << 2047 << 1022;
  // Expo 50 %: e = 1024 x 1.75, k = 1 - e / (3600000 - 500 e).
  QTest::newRow("expo +50 % at 1000") << 2047 << 1024 << 0 << 1000 << 498;
  QTest::newRow("expo +50 % at 500") << 2047 << 1024 << 0 << 500 << 178;
  QTest::newRow("expo +50 % at end point") << 2047 << 1024 << 0 << 2047 << 2043;
  QTest::newRow("expo at centre keeps centre") << 2047 << 1024 << 1024 << 0 << -1;
  QTest::newRow("positive expo leaves low side") << 2047 << 1024 << 0 << -1000 << -1001;
  QTest::newRow("negative-side expo") << 2047 << 0 << 1024 << -1000 << -500;
  QTest::newRow("expo -50 % steepens") << 2047 << -1024 << 0 << 1000 << 1517;
  // Reversed rate: the value is negative but the input's side picks the expo.
  QTest::newRow("side follows input, not value") << -2047 << 1024 << 0 << 1000 << -498;
}

void EngineFunctionChain::curveRateExpo() {
  QFETCH(int, rateHi);
  QFETCH(int, expoHi);
  QFETCH(int, expoNegHi);
  QFETCH(int, x);
  QFETCH(int, expected);
  Engine e;
  e.UseFunction(0, kStick0);
  e.Put16(FunctionSetup(0, 0) + 2, rateHi);
  e.Put16(FunctionSetup(0, 0) + 8, expoHi);
  e.Put16(FunctionSetup(0, 0) + 14, expoNegHi);
  e.Stick(kStick0, x);
  e.Pass();
  QCOMPARE(Engine::Fn(0), expected);
  QCOMPARE(kl_engine_get_trival_rate(0), rateHi);
  QCOMPARE(kl_engine_get_trival_expo(0, 0), expoHi);
  QCOMPARE(kl_engine_get_trival_expo(0, 1), expoNegHi);
}

void EngineFunctionChain::rateFollowsItsControl() {
  // Rate between Lo 50 % and Centre 100 %, control at -1024:
  // 2047 + (-1024 x 1023) / 2047 = 1536 (truncated toward zero).
  Engine e;
  e.UseFunction(0, kStick0);
  e.Put16(Function(0) + 4, kStick1);
  e.Put16(FunctionSetup(0, 0) + 6, 1024);
  e.Stick(kStick0, 2047);
  e.Stick(kStick1, -1024);
  e.Pass();
  QCOMPARE(kl_engine_get_trival_rate(0), 1536);
  QCOMPARE(Engine::Fn(0), 2045 * 1536 / 2047);
}

void EngineFunctionChain::trimModes_data() {
  QTest::addColumn<int>("mode");
  QTest::addColumn<bool>("reverse");
  QTest::addColumn<int>("trimControl");
  QTest::addColumn<int>("x");
  QTest::addColumn<int>("expected");
  // Trim lever 0 at +2047 with TrimRange 50 %: t = 2047 x 1024 / 2047 = 1024.
  QTest::newRow("offset at centre") << 4 << false << 512 << 0 << -1 + 1024;
  QTest::newRow("offset at full throw") << 4 << false << 512 << 2047 << 2045 + 1024;
  QTest::newRow("offset reversed") << 4 << true << 512 << 0 << -1 - 1024;
  QTest::newRow("centre trim, centre") << 1 << false << 512 << 0 << 1023;
  QTest::newRow("centre trim, high end") << 1 << false << 512 << 2047 << 2045;
  QTest::newRow("centre trim, low end") << 1 << false << 512 << -2047 << -2047;
  QTest::newRow("centre trim, 1000") << 1 << false << 512 << 1000 << 999 + 523;
  QTest::newRow("low side, low end") << 2 << false << 512 << -2047 << -2047 + 1024;
  QTest::newRow("low side, -1000") << 2 << false << 512 << -1000 << -1001 + 500;
  QTest::newRow("low side, high half") << 2 << false << 512 << 1000 << 999;
  QTest::newRow("high side, high end") << 3 << false << 512 << 2047 << 2045 + 1024;
  QTest::newRow("high side, 1000") << 3 << false << 512 << 1000 << 999 + 500;
  QTest::newRow("high side, low half") << 3 << false << 512 << -1000 << -1001;
  QTest::newRow("mode 0 gives none") << 0 << false << 512 << 0 << -1;
  QTest::newRow("mode 5 gives none") << 5 << false << 512 << 0 << -1;
  QTest::newRow("no trim control") << 4 << false << 0 << 0 << -1;
  QTest::newRow("invalid trim control") << 4 << false << 65535 << 0 << -1;
  // An id that is no trim lever reads lever 0.
  QTest::newRow("other id reads lever 0") << 4 << false << 1000 << 0 << -1 + 1024;
}

void EngineFunctionChain::trimModes() {
  QFETCH(int, mode);
  QFETCH(bool, reverse);
  QFETCH(int, trimControl);
  QFETCH(int, x);
  QFETCH(int, expected);
  Engine e;
  e.UseFunction(0, kStick0);
  e.Put16(Function(0) + 12, trimControl);
  e.Put8(Function(0) + 16, reverse ? 1 : 0);
  e.Put8(Function(0) + 17, mode);
  e.Put16(Trim(0) + 4, 2047);  // lever 0, flight mode 0
  e.Put16(Trim(1) + 4, -700);  // another lever, must not be read
  e.Stick(kStick0, x);
  e.Pass();
  QCOMPARE(Engine::Fn(0), expected);
}

void EngineFunctionChain::travelTimeSlewsUpAndJumpsWithoutStep() {
  // DurationFromLeft 10 (1 s): step 0x100000 / 1000 = 1048/256 units per ms,
  // 41920 per 40 ms pass with the low byte carried.
  Engine e;
  e.UseFunction(0, kStick0);
  e.Put16(FunctionSetup(0, 0) + 26, 10);
  e.Stick(kStick0, 0);
  e.Pass();  // clock 0: the function has not run before, so it jumps
  e.Pass();
  QCOMPARE(Engine::Fn(0), -1);
  e.Stick(kStick0, 2047);
  const int expected[] = {162, 326, 490, 654, 817, 981, 1145, 1309, 1472, 1636, 1800, 1964, 2045};
  for (int v : expected) {
    e.Pass();
    QCOMPARE(Engine::Fn(0), v);
  }
  // No falling time: straight back down.
  e.Stick(kStick0, -2047);
  e.Pass();
  QCOMPARE(Engine::Fn(0), -2047);
}

void EngineFunctionChain::missingControlReadsTheCurveEnd() {
  // A control id absent from the table reads -2048; the curve look-up clamps
  // it to -2047 instead of reading before the first point.
  Engine e;
  e.UseFunction(0, 0x0B00);
  e.Put16(Curve(0) + 2, -1500);  // point 0
  e.Pass();
  QCOMPARE(Engine::Fn(0), -1500);
}

void EngineFunctionChain::fallingCurveSegmentShiftsDown() {
  // Curve 1: point p = 1000 - 127 p. At x = 1000: segment 23 (-1921),
  // fraction 103: 103 x -127 = -13081, shifted by 7 gives -103 (a division
  // would give -102).
  Engine e;
  e.UseFunction(0, kStick0);
  e.Put16(Function(0) + 22, 1);
  for (int p = 0; p < 33; ++p) e.Put16(Curve(1) + 2 + 2 * p, 1000 - 127 * p);
  e.Stick(kStick0, 1000);
  e.Pass();
  QCOMPARE(Engine::Fn(0), -1921 - 103);
}

void EngineFunctionChain::functionValuesAsInputs() {
  Engine e(KL_BOARD_FENK);
  e.UseFunction(0, kStick0);
  e.UseFunction(1, 0x700);        // function 0's value
  e.UseFunction(2, 0x700 + 40);   // beyond the smaller board's 32 functions
  e.UseFunction(3, 0x700 + 200);  // beyond any board
  e.Stick(kStick0, 1000);
  e.Pass();
  QCOMPARE(Engine::Fn(0), 999);
  QCOMPARE(Engine::Fn(1), 998);  // curve at 999: 896 + 102
  QCOMPARE(Engine::Fn(2), -1);   // counts as no function: input 0
  QCOMPARE(Engine::Fn(3), -1);
}

void EngineFunctionChain::publishedCountFollowsHighestUsedFunction() {
  Engine e;
  e.UseFunction(5, kStick0);
  e.Pass();
  QCOMPARE(int(kl_engine_get_funcvalues_pointer()[0]), 6);
  kl_engine_setup_function_values(3);
  QCOMPARE(int(kl_engine_get_funcvalues_pointer()[0]), 3);
  e.Pass();
  QCOMPARE(int(kl_engine_get_funcvalues_pointer()[0]), 6);
}

QTEST_APPLESS_MAIN(EngineFunctionChain)
#include "tst_function_chain.moc"
