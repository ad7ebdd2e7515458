// The control table and what reads it: control ids, virtual switches with
// their hysteresis, operators and chains, and telemetry controls.
#include <QtTest>

#include <cmath>
#include <limits>
#include <vector>

#include "engine_fixture.h"

using namespace enginetest;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

void Condition(Engine& e, int n, int c, uint16_t control, int above, int below,
               bool inverted = false) {
  const int off = VSwitch(n) + 4 + 10 * c;
  e.Put16(off, control);
  e.Put16(off + 4, above);
  e.Put16(off + 6, below);
  e.Put8(off + 8, inverted ? 1 : 0);
}

}  // namespace

class EngineVirtualSwitches : public QObject {
  Q_OBJECT

 private slots:
  void controlIds_data();
  void controlIds();
  void hysteresis_data();
  void hysteresis();
  void operators_data();
  void operators();
  void conditionWithoutValueIsFalse();
  void chainsSettleOnFirstPassThenLagUpward();
  void tableReadOuts();
  void telemetryControlKeepsAnswerThenFallsBack();
  void telemetryControlScaling_data();
  void telemetryControlScaling();
};

void EngineVirtualSwitches::controlIds_data() {
  QTest::addColumn<int>("id");
  QTest::addColumn<int>("value");
  QTest::addColumn<int>("fmSwitchValue");
  QTest::newRow("constant +2047") << 0x8000 + 0x7FF << 2047 << -2047;
  QTest::newRow("constant -2047") << 0x8000 + 0x801 << -2047 << -2047;
  QTest::newRow("constant 0") << 0x8000 << 0 << -2047;
  QTest::newRow("none") << 0 << 0 << -2047;
  QTest::newRow("id 1") << 1 << 0 << -2047;
  QTest::newRow("invalid") << 65535 << 0 << -2047;
  QTest::newRow("fixed on") << 2 << 2047 << 2047;
  QTest::newRow("fixed off") << 3 << -2047 << -2047;
  QTest::newRow("stick") << int(kStick2) << 600 << 600;
  QTest::newRow("trim lever keeps 0") << 513 << 0 << 0;
  QTest::newRow("absent id") << 0x0B00 << -2048 << -2047;
  QTest::newRow("flight mode 0 active") << 0x900 << 2047 << -2047;
  QTest::newRow("flight mode 1 inactive") << 0x901 << -2047 << -2047;
  QTest::newRow("not flight mode 0") << 0xA00 << -2047 << -2047;
  QTest::newRow("not flight mode 1") << 0xA01 << 2047 << -2047;
  QTest::newRow("virtual switch 0 on") << 0x500 << 2047 << 2047;
  QTest::newRow("virtual switch 0 inverted") << 0x800 << -2047 << -2047;
  QTest::newRow("unused switch inverted") << 0x801 << 2047 << 2047;
  QTest::newRow("function 0") << 0x700 << 2045 << -2047;
}

void EngineVirtualSwitches::controlIds() {
  QFETCH(int, id);
  QFETCH(int, value);
  QFETCH(int, fmSwitchValue);
  Engine e;
  e.Stick(kStick2, 600);
  e.UseVSwitch(0, kOn);
  e.UseFunction(0, kStick0);
  e.Stick(kStick0, 2047);
  e.Pass();
  uint16_t bookmark = 176;
  QCOMPARE(int(Get_ControlValue(uint16_t(id), &bookmark)), value);
  bookmark = 176;
  QCOMPARE(int(Get_FM_SwitchControl(uint16_t(id), &bookmark)), fmSwitchValue);
  QCOMPARE(int(Get_ControlValue(uint16_t(id), nullptr)), -2048);
  QCOMPARE(int(Get_FM_SwitchControl(uint16_t(id), nullptr)), -2047);
}

void EngineVirtualSwitches::hysteresis_data() {
  QTest::addColumn<int>("above");
  QTest::addColumn<int>("below");
  QTest::addColumn<bool>("inverted");
  QTest::addColumn<std::vector<int>>("inputs");
  QTest::addColumn<std::vector<int>>("outputs");
  QTest::newRow("on above +614, off below -614")
      << 614 << -614 << false << std::vector<int>{0, 614, 615, 0, -614, -615, 700}
      << std::vector<int>{-2047, -2047, 2047, 2047, 2047, -2047, 2047};
  QTest::newRow("reversed thresholds: on below -614")
      << -614 << 614 << false << std::vector<int>{0, -614, -615, 0, 614, 615, -700}
      << std::vector<int>{-2047, -2047, 2047, 2047, 2047, -2047, 2047};
  QTest::newRow("inverted condition")
      << 614 << -614 << true << std::vector<int>{0, 615, -615}
      << std::vector<int>{2047, -2047, 2047};
  // Folding the direction into the thresholds must not wrap at the ends.
  QTest::newRow("lowest threshold never met")
      << -32768 << 32767 << false << std::vector<int>{0, -2047, 2047, -2047}
      << std::vector<int>{-2047, -2047, -2047, -2047};
  QTest::newRow("lowest threshold, inverted")
      << -32768 << -32768 << true << std::vector<int>{-2047, 2047}
      << std::vector<int>{2047, 2047};
  QTest::newRow("equal thresholds")
      << 100 << 100 << false << std::vector<int>{200, 99, 100, 101, 99}
      << std::vector<int>{-2047, 2047, 2047, -2047, 2047};
}

void EngineVirtualSwitches::hysteresis() {
  QFETCH(int, above);
  QFETCH(int, below);
  QFETCH(bool, inverted);
  QFETCH(std::vector<int>, inputs);
  QFETCH(std::vector<int>, outputs);
  Engine e;
  e.UseVSwitch(3, 0);
  Condition(e, 3, 0, kStick0, above, below, inverted);
  for (size_t i = 0; i < inputs.size(); ++i) {
    e.Stick(kStick0, inputs[i]);
    e.Pass();
    QCOMPARE(Engine::Vs(3), outputs[i]);
  }
}

void EngineVirtualSwitches::operators_data() {
  QTest::addColumn<int>("op");
  QTest::addColumn<std::vector<int>>("a");
  QTest::addColumn<std::vector<int>>("b");
  QTest::addColumn<std::vector<int>>("outputs");
  const std::vector<int> a4{0, 0, 1, 1}, b4{0, 1, 0, 1};
  QTest::newRow("and") << 0 << a4 << b4 << std::vector<int>{0, 0, 0, 1};
  QTest::newRow("or") << 1 << a4 << b4 << std::vector<int>{0, 1, 1, 1};
  QTest::newRow("xor") << 2 << a4 << b4 << std::vector<int>{0, 1, 1, 0};
  // 3: on by a and not b, then held while a holds.
  QTest::newRow("latch a not b") << 3 << std::vector<int>{1, 1, 1, 0, 0}
                                 << std::vector<int>{1, 0, 1, 1, 0}
                                 << std::vector<int>{0, 1, 1, 0, 0};
  // 4: on once a is false, then held while b holds or a is false.
  QTest::newRow("latch not a") << 4 << std::vector<int>{1, 0, 1, 1, 0}
                               << std::vector<int>{0, 0, 1, 0, 1}
                               << std::vector<int>{0, 1, 1, 0, 1};
  QTest::newRow("unknown operator") << 5 << a4 << b4 << std::vector<int>{0, 0, 0, 0};
}

void EngineVirtualSwitches::operators() {
  QFETCH(int, op);
  QFETCH(std::vector<int>, a);
  QFETCH(std::vector<int>, b);
  QFETCH(std::vector<int>, outputs);
  Engine e;
  e.UseVSwitch(0, 0, op);
  Condition(e, 0, 0, kStick0, 614, -614);
  Condition(e, 0, 1, kStick1, 614, -614);
  for (size_t i = 0; i < a.size(); ++i) {
    e.Stick(kStick0, a[i] ? 2047 : -2047);
    e.Stick(kStick1, b[i] ? 2047 : -2047);
    e.Pass();
    QCOMPARE(Engine::Vs(0), outputs[i] ? 2047 : -2047);
  }
}

void EngineVirtualSwitches::conditionWithoutValueIsFalse() {
  // No control, or a control without a value, is false even when inverted,
  // and its latch drops.
  Engine e;
  e.UseVSwitch(0, 0);
  Condition(e, 0, 0, 0, 614, -614, true);
  e.UseVSwitch(1, 0);
  Condition(e, 1, 0, kStick0, 614, -614);
  e.Stick(kStick0, 2047);
  e.Pass();
  QCOMPARE(Engine::Vs(0), -2047);
  QCOMPARE(Engine::Vs(1), 2047);
  QCOMPARE(int(kl_engine_get_vs_hys_value(1, 0)), 2047);
  Condition(e, 1, 0, 0x0B00, 614, -614, true);  // absent: -2048
  e.Pass();
  QCOMPARE(Engine::Vs(1), -2047);
  QCOMPARE(int(kl_engine_get_vs_hys_value(1, 0)), -2047);
  QCOMPARE(int(kl_engine_get_vs_hys_value(1, 2)), -2047);
  QCOMPARE(int(kl_engine_get_vs_hys_value(128, 0)), -2047);
}

void EngineVirtualSwitches::chainsSettleOnFirstPassThenLagUpward() {
  // Switch 0 reads switch 1 (a later slot), switch 2 reads switch 1 (an
  // earlier slot); switch 1 reads the stick.
  Engine e;
  e.UseVSwitch(0, 0);
  Condition(e, 0, 0, 0x501, 614, -614);
  e.UseVSwitch(1, 0);
  Condition(e, 1, 0, kStick0, 614, -614);
  e.UseVSwitch(2, 0);
  Condition(e, 2, 0, 0x501, 614, -614);
  e.Stick(kStick0, 2047);
  e.Pass();  // the first pass repeats the switches until the chain settles
  QCOMPARE(Engine::Vs(0), 2047);
  QCOMPARE(Engine::Vs(1), 2047);
  QCOMPARE(Engine::Vs(2), 2047);
  e.Stick(kStick0, -2047);
  e.Pass();
  QCOMPARE(Engine::Vs(1), -2047);
  QCOMPARE(Engine::Vs(2), -2047);
  QCOMPARE(Engine::Vs(0), 2047);  // saw switch 1 of the previous pass
  e.Pass();
  QCOMPARE(Engine::Vs(0), -2047);
}

void EngineVirtualSwitches::tableReadOuts() {
  Engine e(KL_BOARD_FENK);
  e.UseVSwitch(2, kOn);
  e.UseVSwitch(79, kOn);
  e.Stick(kStick0, 1234);
  e.Stick(kStick0, 3000);   // out of range: ignored
  e.Stick(0x0B00, 100);     // not a physical control: ignored
  e.Pass();
  QCOMPARE(int(kl_engine_get_control_value(0)), 1234);
  QCOMPARE(int(kl_engine_get_control_ID(0)), int(kStick0));
  QCOMPARE(int(kl_engine_get_control_ID(34)), 0x502);
  QCOMPARE(int(kl_engine_get_control_value(34)), 2047);
  QCOMPARE(int(kl_engine_get_control_ID(33)), 65535);   // unused switch
  QCOMPARE(int(kl_engine_get_control_value(33)), -2048);
  QCOMPARE(int(kl_engine_get_control_ID(111)), 0x54F);  // switch 79 is the last
  QCOMPARE(int(kl_engine_get_control_ID(112)), 0);      // beyond the count
  QCOMPARE(int(kl_engine_get_control_value(112)), -2048);
  QCOMPARE(int(kl_engine_get_control_value(-1)), -2048);
  QCOMPARE(int(kl_engine_get_virtual_switch_outputbySwitchID(79)), 2047);
  QCOMPARE(int(kl_engine_get_virtual_switch_outputbySwitchID(80)), -2047);
  QCOMPARE(int(kl_engine_get_virtual_switch_outputbyControl(0x502)), 2047);
  QCOMPARE(int(kl_engine_get_virtual_switch_outputbyControl(0x503)), -2047);
  QCOMPARE(int(kl_engine_get_virtual_switch_outputbyControl(0x600)), -2047);
}

void EngineVirtualSwitches::telemetryControlKeepsAnswerThenFallsBack() {
  // Limits 0..2047 make the scale exactly 2: output = 2 x raw - 2047.
  Engine e;
  e.Put8(Tele(0), 1);
  e.Put8(Tele(0) + 3, 1);    // main address
  e.Put8(Tele(0) + 4, 0);    // slave address
  e.Put16(Tele(0) + 8, 100);  // fail-safe value
  e.Put16(Tele(0) + 10, 0);
  e.Put16(Tele(0) + 12, 2047);
  e.UseFunction(0, 0x600);
  e.Pass();  // clock 0, no answer yet
  QCOMPARE(int(kl_engine_telecontrol_get_output_value(0)), 2 * 100 - 2047);
  QCOMPARE(int(kl_engine_telecontrol_get_fulladdr(0)), 1);
  kl_engine_telecontrol_set_resp_value_decpos(0, true, 1000, 0);
  QCOMPARE(int(kl_engine_telecontrol_get_input_rawval(e.read(), 0)), 1000);
  for (uint32_t t = 40; t <= 1960; t += 40) {
    e.Pass();
    QCOMPARE(int(kl_engine_telecontrol_get_output_value(0)), 2 * 1000 - 2047);
  }
  QCOMPARE(Engine::Fn(0), -48);  // default curve at -47: -128 + 80
  e.Pass();  // 2000 ms after the answer
  QCOMPARE(int(kl_engine_telecontrol_get_output_value(0)), 2 * 100 - 2047);
  QCOMPARE(int(kl_engine_telecontrol_get_actualdec_pos_resp(0)), 0x80);
  QCOMPARE(int(kl_engine_telecontrol_get_input_rawval(e.read(), 0)), 100);
  // A control beyond the count answers nothing.
  kl_engine_telecontrol_set_resp_value_decpos(16, true, 5, 0);
  QCOMPARE(int(kl_engine_telecontrol_get_output_value(16)), 0);
  QCOMPARE(int(kl_engine_telecontrol_get_fulladdr(16)), 65535);
  QCOMPARE(int(kl_engine_telecontrol_get_dec_point_from_settings(16)), 255);
}

void EngineVirtualSwitches::telemetryControlScaling_data() {
  QTest::addColumn<int>("raw");
  QTest::addColumn<bool>("inverted");
  QTest::addColumn<int>("settingsDec");
  QTest::addColumn<int>("reportedDec");
  QTest::addColumn<int>("outputControl");
  QTest::addColumn<int>("lower");
  QTest::addColumn<int>("upper");
  QTest::addColumn<int>("expected");
  QTest::addColumn<float>("physical");  // NaN: not computed this pass
  const float none = std::numeric_limits<float>::quiet_NaN();
  QTest::newRow("scaled") << 1000 << false << 0 << 0 << 0 << 0 << 2047 << -47 << 1000.0f;
  QTest::newRow("inverted") << 1000 << true << 0 << 0 << 0 << 0 << 2047 << 47 << 1000.0f;
  QTest::newRow("clamped to upper") << 5000 << false << 0 << 0 << 0 << 0 << 2047 << 2047 << 2047.0f;
  QTest::newRow("clamped to lower") << -5 << false << 0 << 0 << 0 << 0 << 2047 << -2047 << 0.0f;
  QTest::newRow("one decimal") << 1000 << false << 1 << 1 << 0 << 0 << 2047 << -47 << 100.0f;
  QTest::newRow("four decimals") << 1000 << false << 4 << 4 << 0 << 0 << 2047 << -47 << 0.1f;
  // Decimal positions that differ, or equal limits, keep the last output.
  QTest::newRow("decimals differ") << 1000 << false << 1 << 2 << 0 << 0 << 2047 << -1111 << none;
  QTest::newRow("equal limits") << 1000 << false << 0 << 0 << 0 << 5 << 5 << -1111 << 5.0f;
  // An output control at -2047 gives the default output value.
  QTest::newRow("output switched off") << 1000 << false << 0 << 0 << int(kOff) << 0 << 2047 << 333 << none;
}

void EngineVirtualSwitches::telemetryControlScaling() {
  QFETCH(int, raw);
  QFETCH(bool, inverted);
  QFETCH(int, settingsDec);
  QFETCH(int, reportedDec);
  QFETCH(int, outputControl);
  QFETCH(int, lower);
  QFETCH(int, upper);
  QFETCH(int, expected);
  QFETCH(float, physical);
  Engine e;
  const int t = 3;
  e.Put8(Tele(t), 1);
  e.Put8(Tele(t) + 1, 1);  // simulating: the simulation value is the input
  e.Put8(Tele(t) + 3, 7);
  e.Put8(Tele(t) + 5, 0);
  e.Put16(Tele(t) + 6, -1111);  // first pass: settings and report agree at 0
  e.Put16(Tele(t) + 10, -2047);
  e.Put16(Tele(t) + 12, 2047);
  e.Put16(Tele(t) + 16, 333);
  e.Pass();
  QCOMPARE(int(kl_engine_telecontrol_get_output_value(t)), -1111);
  kl_engine_telecontrol_set_resp_value_decpos(t, true, 0, uint8_t(reportedDec));
  e.Put8(Tele(t) + 2, inverted ? 1 : 0);
  e.Put8(Tele(t) + 5, settingsDec);
  e.Put16(Tele(t) + 6, raw);
  e.Put16(Tele(t) + 10, lower);
  e.Put16(Tele(t) + 12, upper);
  e.Put16(Tele(t) + 14, outputControl);
  e.Pass();
  QCOMPARE(int(kl_engine_telecontrol_get_output_value(t)), expected);
  QCOMPARE(int(kl_engine_get_control_ID(160 + t)), 0x600 + t);
  float scaled = 0;
  const float phys = kl_engine_telecontrol_get_calculated_value(t, &scaled);
  if (std::isnan(physical))
    QVERIFY(std::isnan(phys) && std::isnan(scaled));
  else
    QCOMPARE(phys, physical);
  QCOMPARE(int(kl_engine_telecontrol_get_dec_point_from_settings(t)), settingsDec);
}

QTEST_APPLESS_MAIN(EngineVirtualSwitches)
#include "tst_virtual_switches.moc"
