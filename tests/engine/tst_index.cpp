// The index of used elements and the caches a pass keeps (travel-time steps,
// expo power tables, unused control slots) must never change a result. Each
// case runs the same passes twice, once as the program does and once with
// every pass rebuilding the index from the block and keeping nothing between
// passes, and compares everything a pass leaves for its readers.
#include <QtTest>

#include <cstring>
#include <vector>

#include "engine_random.h"
#include "model/engine/kl_engine_state.h"

using namespace enginetest;

namespace {

struct Mismatch {
  int pass = -1;
  int entry = -1;
};

// Compares the two runs pass by pass; entries per pass are equal in number.
Mismatch FirstMismatch(const std::vector<int64_t>& a, const std::vector<int64_t>& b, int passes) {
  Mismatch m;
  if (a.size() != b.size() || passes == 0) return {0, -1};
  const size_t per = a.size() / passes;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) {
      m.pass = static_cast<int>(i / per);
      m.entry = static_cast<int>(i % per);
      break;
    }
  }
  return m;
}

constexpr int kModels = 200;
constexpr int kVsSlot0 = 32;  // control slot of virtual switch 0
constexpr int kPasses = 80;

// One random model run with random sticks, edits written straight into the
// block through its door (no refresh call anywhere) and setter calls.
std::vector<int64_t> RandomRun(int model, bool uncached) {
  Rng r(0x1DE7000ull + static_cast<uint64_t>(model));
  Engine e(r.Chance(25) ? KL_BOARD_FENK : KL_BOARD_VORN);
  kl_engine_set_uncached_passes(uncached);
  RandomModel(r, *e.write());
  std::vector<int64_t> trace;
  for (int pass = 0; pass < kPasses; ++pass) {
    for (uint16_t id : kPhysical)
      if (r.Chance(30)) e.Stick(id, r.In(-2047, 2047));
    if (r.Chance(8)) RandomEdit(r, *e.write());
    switch (r.Below(40)) {
      case 0: kl_engine_function_control_set(e.write().get(), r.Below(48), RandomControl(r)); break;
      case 1: kl_engine_mixer_control_set(e.write().get(), r.Below(48), RandomControl(r)); break;
      case 2: kl_engine_limiter_control_above_set(e.write().get(), r.Below(48), RandomControl(r)); break;
      case 3:
        kl_engine_flight_mode_used_set(e.write().get(), r.Below(27), static_cast<uint8_t>(r.Below(2)));
        break;
      case 4: {
        T_FlightMode fm;
        kl_engine_init_flightmode(&fm);
        fm.IsUsed = 1;
        fm.FadeIn = static_cast<int16_t>(r.In(0, 30));
        kl_engine_flight_mode_set(e.write().get(), &fm, r.Below(27));
        break;
      }
      case 5: {
        // A whole record inside an update bracket, with no refresh after it.
        T_Function f = e.read()->Function[r.Below(48)];
        f.IsUsed = 1;
        f.Control = RandomControl(r);
        kl_engine_update_begin();
        kl_engine_function_set(e.write().get(), &f, r.Below(48));
        kl_engine_update_end();
        break;
      }
      case 6: kl_engine_get_fadeincurve_pointer(r.Below(48)); break;
      case 7: {
        int16_t point = 0;
        kl_engine_get_fadeincurve_value(r.Below(48), r.Below(33), &point);
        break;
      }
      case 8:
        kl_engine_telecontrol_set_resp_value_decpos(r.Below(16), r.Chance(70),
                                                    static_cast<int16_t>(r.In(-300, 300)),
                                                    static_cast<uint8_t>(r.Below(3)));
        break;
      default: break;
    }
    e.Pass(static_cast<uint32_t>(r.In(1, 120)));
    Record(e.out(), *e.read(), trace);
  }
  kl_engine_set_uncached_passes(false);
  return trace;
}

// Function 0 on stick 0 (at 1000) through servo 0 at 100 % travel; stick 1
// stands at -600.
void StickZeroOnServoZero(Engine& e) {
  e.UseFunction(0, kStick0);
  e.UseServo(0);
  e.AssignServo(0, 0, 0);
  e.Stick(kStick0, 1000);
  e.Stick(kStick1, -600);
}

// Function 0 with expo on stick 0, swept through every stick position.
std::vector<int64_t> ExpoSweep(int expo, int expoNeg, bool uncached, bool moveExpo) {
  Engine e;
  kl_engine_set_uncached_passes(uncached);
  e.UseFunction(0, kStick0);
  e.UseServo(0);
  e.AssignServo(0, 0, 0);
  e.Put16(Function(0) + 6, kStick1);  // expo control
  e.Put16(FunctionSetup(0, 0) + 8, expo);
  e.Put16(FunctionSetup(0, 0) + 10, expo);
  e.Put16(FunctionSetup(0, 0) + 14, expoNeg);
  e.Put16(FunctionSetup(0, 0) + 16, expoNeg);
  e.Put16(FunctionSetup(0, 0) + 12, -expo);
  std::vector<int64_t> trace;
  e.Stick(kStick1, 0);
  for (int x = -2047; x <= 2047; ++x) {
    e.Stick(kStick0, x);
    if (moveExpo && x % 7 == 0) e.Stick(kStick1, (x * 13) % 2047);
    e.Pass();
    trace.push_back(Engine::Fn(0));
    trace.push_back(e.ServoOut(0));
  }
  kl_engine_set_uncached_passes(false);
  return trace;
}

}  // namespace

class EngineIndex : public QObject {
  Q_OBJECT

 private slots:
  void randomModelsMatchUncachedPasses();
  void expoTableMatchesPowAtEveryStickPosition_data();
  void expoTableMatchesPowAtEveryStickPosition();
  void anotherBlockOrBoardRebuildsTheIndex();
  void updateBracketLeavesNoStaleIndex();
  void unusedSlotsStayAsTheLastFullPassLeftThem();
  void shiftDivisionMatchesDivisionOverItsRange();
  void noFadeListFollowsEveryWrite();
  void aFieldWrittenWithoutARefreshCallTakesEffect_data();
  void aFieldWrittenWithoutARefreshCallTakesEffect();
};

void EngineIndex::randomModelsMatchUncachedPasses() {
  for (int model = 0; model < kModels; ++model) {
    const std::vector<int64_t> cached = RandomRun(model, false);
    const std::vector<int64_t> reference = RandomRun(model, true);
    const Mismatch m = FirstMismatch(cached, reference, kPasses);
    if (m.pass >= 0)
      qWarning("model %d differs at pass %d, entry %d", model, m.pass, m.entry);
    QCOMPARE(m.pass, -1);
  }
}

void EngineIndex::expoTableMatchesPowAtEveryStickPosition_data() {
  QTest::addColumn<int>("expo");
  QTest::addColumn<int>("expoNeg");
  QTest::addColumn<bool>("moveExpo");
  QTest::newRow("soft") << 300 << 300 << false;
  QTest::newRow("full") << 2047 << -2047 << false;
  QTest::newRow("odd") << 1 << -1999 << false;
  QTest::newRow("expo control moving") << 1500 << 800 << true;
}

void EngineIndex::expoTableMatchesPowAtEveryStickPosition() {
  QFETCH(int, expo);
  QFETCH(int, expoNeg);
  QFETCH(bool, moveExpo);
  const std::vector<int64_t> cached = ExpoSweep(expo, expoNeg, false, moveExpo);
  const std::vector<int64_t> reference = ExpoSweep(expo, expoNeg, true, moveExpo);
  QCOMPARE(FirstMismatch(cached, reference, 4095).pass, -1);
  // The curve does bend: the value at +50 % is not half the full throw.
  QVERIFY(cached[2 * (2047 + 1023)] != cached[2 * (2047 + 2047)] / 2);
}

void EngineIndex::anotherBlockOrBoardRebuildsTheIndex() {
  auto run = [](bool uncached) {
    Rng r(77);
    Engine e;
    kl_engine_set_uncached_passes(uncached);
    KlSetupBlock other;
    RandomModel(r, *e.write());
    RandomModel(r, *KlSetupWrite(other));
    std::vector<int64_t> trace;
    T_ServoOutputs out{};
    for (int pass = 0; pass < 60; ++pass) {
      e.Stick(kStick0, r.In(-2047, 2047));
      // Nothing written: the pass sees the block (or board) is not the indexed one.
      if (pass == 40) kl_engine_init_parameters(KL_BOARD_FENK);
      kl_engine_set_tick_count(static_cast<uint32_t>(pass * 40));
      kl_engine_calculate(pass % 3 == 2 ? other : e.setup(), &out);
      Record(out, *e.read(), trace);
    }
    kl_engine_set_uncached_passes(false);
    return trace;
  };
  QCOMPARE(FirstMismatch(run(false), run(true), 60).pass, -1);
}

void EngineIndex::updateBracketLeavesNoStaleIndex() {
  // Inside an update the setters leave the refresh to the caller; a caller
  // that forgets it still gets passes over what the block holds.
  Engine e;
  StickZeroOnServoZero(e);
  e.Pass();
  QCOMPARE(e.ServoOut(0), 499);
  T_Function f = e.read()->Function[0];
  f.Control = kStick1;
  kl_engine_update_begin();
  kl_engine_function_set(e.write().get(), &f, 0);
  kl_engine_update_end();
  e.Pass();
  QCOMPARE(e.ServoOut(0), -300);
}

void EngineIndex::unusedSlotsStayAsTheLastFullPassLeftThem() {
  // A switch going out of use shows no value from the next pass on; a table
  // set up again shows its ids again after one pass.
  Engine e;
  e.UseVSwitch(3, kStick0);
  e.Stick(kStick0, 2047);
  e.Pass();
  QCOMPARE(Engine::Vs(3), 2047);
  QCOMPARE(int(kl_engine_get_control_ID(kVsSlot0 + 3)), 0x503);
  e.Put8(VSwitch(3), 0);
  e.Pass();
  QCOMPARE(Engine::Vs(3), -2048);
  QCOMPARE(int(kl_engine_get_control_ID(kVsSlot0 + 3)), 0);
  e.Passes(3);
  QCOMPARE(Engine::Vs(3), -2048);
  e.Put8(VSwitch(3), 1);
  e.Pass();
  kl_engine_setup_controls_vorn();
  QCOMPARE(int(kl_engine_get_control_ID(kVsSlot0 + 3)), 0);
  e.Pass();
  QCOMPARE(int(kl_engine_get_control_ID(kVsSlot0 + 3)), 0x503);
  QCOMPARE(Engine::Vs(3), 2047);
}

void EngineIndex::shiftDivisionMatchesDivisionOverItsRange() {
  // The fade capture divides level x difference (|n| < 2047 x 65536) this way.
  int32_t bad = 0;
  int32_t first = 0;
  for (int32_t n = -(1 << 28) + 1; n < (1 << 28); ++n) {
    if (kl_div2047(n) != n / 2047 && bad++ == 0) first = n;
  }
  if (bad) qWarning("first difference at %d", first);
  QCOMPARE(bad, 0);
}

void EngineIndex::noFadeListFollowsEveryWrite() {
  // The no-fade list of a flight mode, written straight into the block,
  // decides at the next change; the uncached run reads the block.
  auto run = [](bool uncached) {
    Engine e;
    kl_engine_set_uncached_passes(uncached);
    e.UseFunction(0, kStick0);
    e.UseServo(0);
    e.AssignServo(0, 0, 0);
    {
      KlSetupWrite b = e.write();
      b->Function[0].Function_FM_Mask = 0x2;
      b->Function[0].Setup[1].FlexRateHi = -2047;
      for (int fm = 0; fm < 2; ++fm) {
        b->FlightMode[fm].IsUsed = 1;
        b->FlightMode[fm].FadeIn = 10;
        b->FlightMode[fm].NoFadeInFuncIdxs[0] = 0;
      }
      b->FlightModeAssignment.Control[0] = 768;
      b->FlightModeAssignment.Flightmode[kl_engine_get_cfg()[EngineCfgFmPriorityBase]] = 1;
    }
    e.Stick(kStick0, 1500);
    std::vector<int64_t> trace;
    for (int pass = 0; pass < 120; ++pass) {
      if (pass == 30 || pass == 90) {
        KlSetupWrite b = e.write();
        b->FlightMode[1].FunctionNum = static_cast<uint16_t>(pass == 30 ? 1 : 0);
        b->FlightMode[0].FunctionNum = static_cast<uint16_t>(pass == 30 ? 1 : 0);
      }
      e.Stick(768, (pass / 20) % 2 ? 2047 : -2047);
      e.Pass();
      trace.push_back(Engine::Fn(0));
      trace.push_back(e.ServoOut(0));
    }
    kl_engine_set_uncached_passes(false);
    return trace;
  };
  const std::vector<int64_t> cached = run(false);
  QCOMPARE(FirstMismatch(cached, run(true), 120).pass, -1);
  // Faded before the list names the function (a value between the two
  // modes one pass after a change), jumped while it does.
  auto between = [&](int pass) {
    const int64_t v = cached[2 * pass];
    return v != cached[2 * (pass - 2)] && v != cached[2 * (pass + 10)];
  };
  QVERIFY(between(21));
  QVERIFY(!between(41));
  QVERIFY(between(101));
}

void EngineIndex::aFieldWrittenWithoutARefreshCallTakesEffect_data() {
  QTest::addColumn<int>("edit");
  QTest::addColumn<int>("expected");
  // Stick 0 at 1000 through 100 % travel gives 499 before each edit.
  QTest::newRow("servo travel raised to 200 %") << 0 << 999;
  QTest::newRow("function input moved to stick 1") << 1 << -300;
  QTest::newRow("servo assignment dropped") << 2 << 0;
  QTest::newRow("write still open during the pass") << 3 << 999;
  QTest::newRow("bare block, no door") << 4 << 999;
}

void EngineIndex::aFieldWrittenWithoutARefreshCallTakesEffect() {
  QFETCH(int, edit);
  QFETCH(int, expected);
  Engine e;
  StickZeroOnServoZero(e);
  std::unique_ptr<T_SetupData> bare(new T_SetupData);
  std::memcpy(bare.get(), e.read(), sizeof(T_SetupData));
  T_ServoOutputs out{};
  auto pass = [&] {
    if (edit == 4) {
      kl_engine_set_tick_count(e.tick());
      kl_engine_calculate(bare.get(), &out);
      e.SetTick(e.tick() + 40);
    } else {
      e.Pass();
      out = e.out();
    }
  };
  pass();
  pass();
  QCOMPARE(int(out.value[0]), 499);
  switch (edit) {
    case 0: e.write()->ServoConfig[0].Mixer[0].FuncTravelMax = 2047; break;
    case 1: e.write()->Function[0].Control = kStick1; break;
    case 2: e.write()->Function[0].ServoUseMask = 0; break;
    case 3: {
      KlSetupWrite w = e.write();
      pass();
      w->ServoConfig[0].Mixer[0].FuncTravelMax = 2047;
      pass();
      break;
    }
    default: bare->ServoConfig[0].Mixer[0].FuncTravelMax = 2047; break;
  }
  pass();
  QCOMPARE(int(out.value[0]), expected);
}

QTEST_APPLESS_MAIN(EngineIndex)
#include "tst_index.moc"
