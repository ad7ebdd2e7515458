// Flight-mode selection from the switch slots and the look-up table on each
// board, and the fade from the old flight mode's values into the new one's.
#include <QtTest>

#include <vector>

#include "engine_fixture.h"

using namespace enginetest;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

constexpr int kLut = kFmAssign + 16;

// Slot k of the assignment reads switch kSwitch[k]; the table entries hold
// distinct modes so the entry taken shows.
void AssignSlots(Engine& e, const std::vector<int>& lut) {
  for (int k = 0; k < 8; ++k) e.Put16(kFmAssign + 2 * k, kSwitch[k]);
  for (size_t i = 0; i < lut.size(); ++i) e.Put8(kLut + int(i), lut[i]);
}

// Function 0 at full throw: rate +100 % in flight mode 0, -100 % in mode 1.
// Within a fade the rate is 2 x level - 2047 and the value 2045 x rate / 2047.
void RateByFlightMode(Engine& e, int fadeIn) {
  e.UseFunction(0, kStick0);
  e.Stick(kStick0, 2047);
  e.Put32(Function(0) + 880, 1u << 1);
  e.Put16(FunctionSetup(0, 1) + 2, -2047);
  e.Put16(kFmAssign, kSwitch[0]);
  e.Put8(kLut + 12, 1);
  e.Put16(FlightMode(1) + 2, fadeIn);
}

}  // namespace

class EngineFlightModes : public QObject {
  Q_OBJECT

 private slots:
  void selection_data();
  void selection();
  void fadeCourseInTime_data();
  void fadeCourseInTime();
  void firstSelectionNeverFades();
  void noFadeListSwitchesAtOnce_data();
  void noFadeListSwitchesAtOnce();
  void curveFadesPointByPoint();
  void trimPerFlightModeAndFadingTrimReadOut();
  void overlongFadeStillEnds();
};

void EngineFlightModes::selection_data() {
  QTest::addColumn<int>("board");
  QTest::addColumn<std::vector<int>>("lut");
  QTest::addColumn<std::vector<int>>("switchesOn");
  QTest::addColumn<int>("expected");
  using S = std::vector<int>;
  // Larger board, priority base 12: slots 0..4 take entries 12..8, else
  // entry 4 x slot5 + 2 x slot6 + slot7. Entry i holds mode 13 - i.
  const int V = KL_BOARD_VORN;
  const S vorn{13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
  QTest::newRow("vorn none") << V << vorn << S{} << 13;
  QTest::newRow("vorn slot 0 beats all") << V << vorn << S{0, 1, 4, 5, 6, 7} << 1;
  QTest::newRow("vorn slot 1 beats 2") << V << vorn << S{1, 2} << 2;
  QTest::newRow("vorn slot 2") << V << vorn << S{2} << 3;
  QTest::newRow("vorn slot 3 beats 7") << V << vorn << S{3, 7} << 4;
  QTest::newRow("vorn slot 4") << V << vorn << S{4} << 5;
  QTest::newRow("vorn slot 7") << V << vorn << S{7} << 12;
  QTest::newRow("vorn slot 6") << V << vorn << S{6} << 11;
  QTest::newRow("vorn slot 5") << V << vorn << S{5} << 9;
  QTest::newRow("vorn slots 5 6 7") << V << vorn << S{5, 6, 7} << 6;
  QTest::newRow("vorn entry 26 is a mode") << V << S{26} << S{} << 26;
  QTest::newRow("vorn entry 27 gives 0") << V << S{27} << S{} << 0;
  // Smaller board, base 8, seven slots: slots 0..4 take entries 8..4, else
  // 2 x slot5 + slot6; slot 7 is not read; entries beyond its 9 modes give 0.
  const int F = KL_BOARD_FENK;
  const S fenk{1, 2, 3, 4, 5, 6, 7, 8, 30};
  QTest::newRow("fenk none") << F << fenk << S{} << 1;
  QTest::newRow("fenk slot 0, entry 30") << F << fenk << S{0} << 0;
  QTest::newRow("fenk slot 1") << F << fenk << S{1, 4} << 8;
  QTest::newRow("fenk slot 4") << F << fenk << S{4} << 5;
  QTest::newRow("fenk slot 6") << F << fenk << S{6} << 2;
  QTest::newRow("fenk slot 5") << F << fenk << S{5} << 3;
  QTest::newRow("fenk slots 5 6") << F << fenk << S{5, 6} << 4;
  QTest::newRow("fenk slot 7 not read") << F << fenk << S{7} << 1;
  QTest::newRow("fenk entry 9 gives 0") << F << S{9} << S{} << 0;
}

void EngineFlightModes::selection() {
  QFETCH(int, board);
  QFETCH(std::vector<int>, lut);
  QFETCH(std::vector<int>, switchesOn);
  QFETCH(int, expected);
  Engine e(board);
  AssignSlots(e, lut);
  e.Stick(kSwitch[3], 2046);  // only exactly +2047 counts as on
  for (int k : switchesOn) e.Stick(kSwitch[k], 2047);
  e.Pass();
  QCOMPARE(int(kl_engine_get_flightmode()), expected);
  uint16_t bookmark = 176;
  QCOMPARE(int(Get_ControlValue(uint16_t(0x900 + expected), &bookmark)), 2047);
  QCOMPARE(int(Get_ControlValue(uint16_t(0xA00 + expected), &bookmark)), -2047);
}

void EngineFlightModes::fadeCourseInTime_data() {
  QTest::addColumn<int>("fadeIn");
  QTest::newRow("fade 1 s") << 10;
  QTest::newRow("negative fade 1 s") << -10;
}

void EngineFlightModes::fadeCourseInTime() {
  // FadeIn 10: step 0x7FF00 / 1000 = 524, so the level falls by
  // (524 x 40 + remainder) / 256 per 40 ms: 2047, 1966, 1884, 1802, ...
  QFETCH(int, fadeIn);
  Engine e;
  RateByFlightMode(e, fadeIn);
  kl_engine_get_fadeincurve_pointer(0);  // show function 0
  e.Passes(3);
  QCOMPARE(Engine::Fn(0), 2045);
  e.Stick(kSwitch[0], 2047);
  struct Point {
    int pass, value;
  };
  const Point course[] = {{1, 1883}, {2, 1719}, {3, 1555}, {13, -80}, {25, -2043}, {26, -2045}};
  int pass = 0;
  for (const Point& p : course) {
    while (pass < p.pass) {
      e.Pass();
      ++pass;
    }
    QCOMPARE(int(kl_engine_get_flightmode()), 1);
    QCOMPARE(Engine::Fn(0), p.value);
    const bool fading = p.pass < 26;
    const uint32_t trim = kl_engine_get_fading_trimvalue(0);
    QCOMPARE(trim == 0xF800F800u, !fading);
  }
  // Back to mode 0: the new mode's FadeIn counts, and mode 0 has none.
  e.Stick(kSwitch[0], 0);
  e.Pass();
  QCOMPARE(int(kl_engine_get_flightmode()), 0);
  QCOMPARE(Engine::Fn(0), 2045);
  QCOMPARE(kl_engine_get_fading_trimvalue(0), 0xF800F800u);
}

void EngineFlightModes::firstSelectionNeverFades() {
  Engine e;
  RateByFlightMode(e, 10);
  e.Stick(kSwitch[0], 2047);
  e.Pass();
  QCOMPARE(int(kl_engine_get_flightmode()), 1);
  QCOMPARE(Engine::Fn(0), -2045);
}

void EngineFlightModes::noFadeListSwitchesAtOnce_data() {
  QTest::addColumn<int>("functionNum");
  QTest::addColumn<int>("entry");
  QTest::addColumn<int>("listed");
  QTest::addColumn<int>("expected");
  // Fading, the first pass gives 1883; switching at once, -2045.
  QTest::newRow("listed") << 1 << 0 << 0 << -2045;
  QTest::newRow("listed further down") << 3 << 2 << 0 << -2045;
  QTest::newRow("listed past the count") << 2 << 2 << 0 << 1883;
  QTest::newRow("other function listed") << 1 << 0 << 5 << 1883;
  QTest::newRow("list switched off") << 0 << 0 << 0 << 1883;
  QTest::newRow("count beyond the list") << 60 << 47 << 0 << -2045;
}

void EngineFlightModes::noFadeListSwitchesAtOnce() {
  QFETCH(int, functionNum);
  QFETCH(int, entry);
  QFETCH(int, listed);
  QFETCH(int, expected);
  Engine e;
  RateByFlightMode(e, 10);
  e.Put16(FlightMode(1) + 4, functionNum);
  e.Put16(FlightMode(1) + 6 + 2 * entry, listed);
  e.Passes(2);
  e.Stick(kSwitch[0], 2047);
  e.Pass();
  QCOMPARE(Engine::Fn(0), expected);
}

void EngineFlightModes::curveFadesPointByPoint() {
  // Mode 1 has its own curve 1, flat at 500; at centre stick the value moves
  // from the straight line's -1 toward 500 as the points blend.
  Engine e;
  e.UseFunction(0, kStick0);
  e.Put32(Function(0) + 880, 1u << 1);
  e.Put16(FunctionSetup(0, 1) + 0, 1);
  e.Put16(FunctionSetup(0, 1) + 2, 2047);
  for (int p = 0; p < 33; ++p) e.Put16(Curve(1) + 2 + 2 * p, 500);
  e.Put16(kFmAssign, kSwitch[0]);
  e.Put8(kLut + 12, 1);
  e.Put16(FlightMode(1) + 2, 10);
  e.Passes(2);
  QCOMPARE(Engine::Fn(0), -1);
  QVERIFY(kl_engine_get_fadeincurve_pointer(0) == nullptr);
  e.Stick(kSwitch[0], 2047);
  // Point p blends as 500 - level x (500 - old p) / 2047; at centre stick
  // the read is between points 15 (-128) and 16 (0), fraction 127.
  const int level[] = {1966, 1884, 1802};
  const int values[] = {19, 39, 59};
  for (int i = 0; i < 3; ++i) {
    e.Pass();
    QCOMPARE(Engine::Fn(0), values[i]);
    const int16_t* curve = kl_engine_get_fadeincurve_pointer(0);
    QVERIFY(curve != nullptr);
    QCOMPARE(int(curve[16]), 500 - level[i] * 500 / 2047);
    QCOMPARE(int(curve[0]), 500 - level[i] * 2547 / 2047);
    QCOMPARE(int(curve[32]), 500 + level[i] * 1547 / 2047);
  }
  e.Passes(23);
  QCOMPARE(Engine::Fn(0), 500);
  QVERIFY(kl_engine_get_fadeincurve_pointer(0) == nullptr);
}

void EngineFlightModes::trimPerFlightModeAndFadingTrimReadOut() {
  // Trim lever 0 has its own value in mode 1 (-2047) and 1000 in mode 0;
  // offset trim t = value x 1024 / 2047.
  Engine e;
  e.UseFunction(0, kStick0);
  e.Put16(Function(0) + 12, kTrim0);
  e.Put16(Trim(0) + 4, 1000);
  e.Put16(Trim(0) + 4 + 2, -2047);
  e.Put32(Trim(0) + 60, 1u << 1);
  e.Put16(kFmAssign, kSwitch[0]);
  e.Put8(kLut + 12, 1);
  e.Put16(FlightMode(1) + 2, 10);
  kl_engine_get_fadeincurve_pointer(0);
  e.Passes(2);
  QCOMPARE(Engine::Fn(0), -1 + 1000 * 1024 / 2047);
  e.Stick(kSwitch[0], 2047);
  e.Pass();
  // Blend from 500 toward -1024 at level 1966: -1024 - 1966 x (-1524) / 2047.
  const int trim = -1024 + 1966 * 1524 / 2047;
  QCOMPARE(Engine::Fn(0), -1 + trim);
  const uint32_t packed = kl_engine_get_fading_trimvalue(0);
  QCOMPARE(int(int16_t(packed & 0xFFFF)), 0);  // the input
  QCOMPARE(int(int16_t(packed >> 16)), trim);
  QCOMPARE(kl_engine_get_fading_trimvalue(48), 0xF800F800u);
  e.Passes(25);
  QCOMPARE(Engine::Fn(0), -1 - 1024);
}

void EngineFlightModes::overlongFadeStillEnds() {
  // FadeIn 6000 would give the step 0x7FF00 / 600000 = 0 and a fade that
  // never ends; the slowest step (1) ends it after 2047 x 256 ms.
  Engine e;
  RateByFlightMode(e, 6000);
  e.Passes(2);
  e.Stick(kSwitch[0], 2047);
  e.Passes(13100);  // level 2047 - 524000 / 256 = 1
  QCOMPARE(Engine::Fn(0), 2045 * (2 * 1 - 2047) / 2047);
  e.Pass();
  QCOMPARE(Engine::Fn(0), -2045);
}

QTEST_APPLESS_MAIN(EngineFlightModes)
#include "tst_flightmodes.moc"
