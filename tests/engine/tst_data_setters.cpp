// The engine's data setters write records and control fields into a set-up
// block; flight-mode writes reset that mode's set-ups and trims.
#include <QtTest>

#include "engine_fixture.h"

using namespace enginetest;

namespace {

// Function 0 and mixer 0 in use with their own flight-mode 3 block; function
// 1 and mixer 1 unused with the same; all trims hold 500 in mode 3.
void ModeThreeSetUps(Engine& e) {
  e.UseFunction(0, kStick0);
  e.Put16(FunctionSetup(0, 3) + 2, 100);
  e.Put16(FunctionSetup(1, 3) + 2, 100);
  e.Put8(Mixer(0), 1);
  e.Put16(MixerSetup(0, 3), 100);
  e.Put16(MixerSetup(1, 3), 100);
  for (int t = 0; t < 6; ++t) e.Put16(Trim(t) + 4 + 2 * 3, 500);
}

}  // namespace

class EngineDataSetters : public QObject {
  Q_OBJECT

 private slots:
  void recordsAndControlFields();
  void indicesBeyondTheBoardAreIgnored();
  void flightModeWriteResetsItsSetUps_data();
  void flightModeWriteResetsItsSetUps();
};

void EngineDataSetters::recordsAndControlFields() {
  Engine e;
  T_Function f{};
  kl_engine_init_function(&f);
  f.IsUsed = 1;
  f.Control = kStick1;
  QCOMPARE(kl_engine_function_set(e.write().get(), &f, 2), 1);
  QCOMPARE(e.Get16u(Function(2) + 2), int(kStick1));
  e.Stick(kStick1, 1000);
  e.Stick(kStick2, -1000);
  e.Pass();
  QCOMPARE(Engine::Fn(2), 999);
  kl_engine_function_control_set(e.write().get(), 2, kStick2);
  e.Pass();
  QCOMPARE(Engine::Fn(2), -1001);

  kl_engine_function_control_rate_set(e.write().get(), 2, 0x8100);
  kl_engine_function_control_expo_set(e.write().get(), 2, 0x8200);
  kl_engine_function_control_diff_set(e.write().get(), 2, 0x8300);
  kl_engine_function_trimcontrol_diff_set(e.write().get(), 2, 513);
  kl_engine_function_control_trim_set(e.write().get(), 2, 514);
  QCOMPARE(e.Get16u(Function(2) + 4), 0x8100);
  QCOMPARE(e.Get16u(Function(2) + 6), 0x8200);
  QCOMPARE(e.Get16u(Function(2) + 8), 0x8300);
  QCOMPARE(e.Get16u(Function(2) + 10), 513);
  QCOMPARE(e.Get16u(Function(2) + 12), 514);

  T_Mixer m{};
  kl_engine_init_mixer(&m);
  m.IsUsed = 1;
  QCOMPARE(kl_engine_mixer_set(e.write().get(), &m, 7), 1);
  QCOMPARE(e.Get8(Mixer(7)), 1);
  kl_engine_mixer_control_set(e.write().get(), 7, kStick3);
  QCOMPARE(e.Get16u(Mixer(7) + 8), int(kStick3));

  T_Limiter l{};
  kl_engine_init_limiter(&l);
  l.FuncIdx = 2;
  QCOMPARE(kl_engine_limiter_set(e.write().get(), &l, 4), 1);
  QCOMPARE(e.Get16u(Limiter(4) + 2), 2);
  kl_engine_limiter_control_above_set(e.write().get(), 4, kOn);
  kl_engine_limiter_control_below_set(e.write().get(), 4, kOff);
  QCOMPARE(e.Get16u(Limiter(4) + 4), int(kOn));
  QCOMPARE(e.Get16u(Limiter(4) + 6), int(kOff));
  QCOMPARE(kl_engine_limiter_set(e.write().get(), nullptr, 4), 0);
  QCOMPARE(kl_engine_function_set(nullptr, &f, 2), 0);
}

void EngineDataSetters::indicesBeyondTheBoardAreIgnored() {
  Engine e(KL_BOARD_FENK);
  T_Function f{};
  f.IsUsed = 1;
  T_Mixer m{};
  m.IsUsed = 1;
  T_Limiter l{};
  l.IsUsed = 1;
  T_FlightMode fm{};
  fm.IsUsed = 1;
  QCOMPARE(kl_engine_function_set(e.write().get(), &f, 32), 0);
  QCOMPARE(kl_engine_function_set(e.write().get(), &f, -1), 0);
  QCOMPARE(kl_engine_mixer_set(e.write().get(), &m, 32), 0);
  QCOMPARE(kl_engine_limiter_set(e.write().get(), &l, 32), 0);
  QCOMPARE(kl_engine_flight_mode_set(e.write().get(), &fm, 9), 0);
  kl_engine_function_control_set(e.write().get(), 40, kStick1);
  kl_engine_flight_mode_used_set(e.write().get(), 9, 1);
  kl_engine_sequencer_direction_set(e.write().get(), 1, 2);
  QCOMPARE(e.Get8(Function(32)), 0);
  QCOMPARE(e.Get8(Mixer(32)), 0);
  QCOMPARE(e.Get8(Limiter(32)), 0);
  QCOMPARE(e.Get8(FlightMode(9)), 0);
  QCOMPARE(e.Get16u(Function(40) + 2), 0);
  QCOMPARE(e.Get8(Sequencer(1)), 0);
}

void EngineDataSetters::flightModeWriteResetsItsSetUps_data() {
  QTest::addColumn<int>("how");  // 0 record, 1 record inside an update, 2 used 1, 3 used 0
  QTest::addColumn<bool>("reset");
  QTest::newRow("record written") << 0 << true;
  QTest::newRow("record inside an update") << 1 << false;
  QTest::newRow("switched on") << 2 << false;
  QTest::newRow("switched off") << 3 << true;
  QTest::newRow("switched off inside an update") << 4 << false;
}

void EngineDataSetters::flightModeWriteResetsItsSetUps() {
  QFETCH(int, how);
  QFETCH(bool, reset);
  Engine e;
  ModeThreeSetUps(e);
  T_FlightMode fm{};
  kl_engine_init_flightmode(&fm);
  fm.IsUsed = 1;
  fm.FadeIn = 7;
  switch (how) {
    case 0: QCOMPARE(kl_engine_flight_mode_set(e.write().get(), &fm, 3), 1); break;
    case 1:
      kl_engine_update_begin();
      QCOMPARE(kl_engine_flight_mode_set(e.write().get(), &fm, 3), 1);
      kl_engine_update_end();
      break;
    case 2: kl_engine_flight_mode_used_set(e.write().get(), 3, 1); break;
    case 3: kl_engine_flight_mode_used_set(e.write().get(), 3, 0); break;
    case 4:
      kl_engine_update_begin();
      kl_engine_flight_mode_used_set(e.write().get(), 3, 0);
      kl_engine_update_end();
      break;
  }
  if (how <= 1) QCOMPARE(e.Get16s(FlightMode(3) + 2), 7);
  QCOMPARE(e.Get8(FlightMode(3)), how == 3 || how == 4 ? 0 : 1);
  QCOMPARE(e.Get16s(FunctionSetup(0, 3) + 2), reset ? 2047 : 100);
  QCOMPARE(e.Get16s(MixerSetup(0, 3)), reset ? 1024 : 100);
  QCOMPARE(e.Get16s(Trim(5) + 4 + 2 * 3), reset ? 0 : 500);
  // Unused elements and other flight modes stay as they were.
  QCOMPARE(e.Get16s(FunctionSetup(1, 3) + 2), 100);
  QCOMPARE(e.Get16s(MixerSetup(1, 3)), 100);
  QCOMPARE(e.Get16s(FunctionSetup(0, 2) + 2), 2047);
}

QTEST_APPLESS_MAIN(EngineDataSetters)
#include "tst_data_setters.moc"
