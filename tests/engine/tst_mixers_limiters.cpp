// Mixers add a curve of one function's value, scaled by a gain, to another
// function; limiters cap a function's sum. Default curve 0 is the straight
// line, so curve(2045) = 1919 + 124 = 2043 and a 50 % gain gives 1021.
#include <QtTest>

#include "engine_fixture.h"

using namespace enginetest;

namespace {

void UseMixer(Engine& e, int j, int from, int to, uint16_t control = kOn) {
  e.Put8(Mixer(j), 1);
  e.Put16(Mixer(j) + 2, from);
  e.Put16(Mixer(j) + 4, to);
  e.Put16(Mixer(j) + 8, control);
}

void UseLimiter(Engine& e, int l, int f) {
  e.Put8(Limiter(l), 1);
  e.Put16(Limiter(l) + 2, f);
}

// Function 0 at full throw with an offset trim of +1024: sum 2045 + 1024.
void FullThrowWithTrim(Engine& e, int trimValue = 2047) {
  e.UseFunction(0, kStick0);
  e.Put16(Function(0) + 12, kTrim0);
  e.Put16(Trim(0) + 4, trimValue);
  e.Stick(kStick0, 2047);
}

}  // namespace

class EngineMixersLimiters : public QObject {
  Q_OBJECT

 private slots:
  void mixerFromLowerFunctionActsInSamePass();
  void mixerFromHigherFunctionLagsOnePass();
  void inheritedContributionFeedsLaterMixers_data();
  void inheritedContributionFeedsLaterMixers();
  void trimIncludedSourceIsClampedForTheCurve();
  void gainFollowsItsControl();
  void mixerFromFunctionBeyondCountAddsNothing();
  void mixerDelaySlewsItsSource();
  void limiters_data();
  void limiters();
  void sumSaturatesWithoutLimiter();
};

void EngineMixersLimiters::mixerFromLowerFunctionActsInSamePass() {
  Engine e;
  e.UseFunction(0, kStick0);
  e.UseFunction(1, kStick1);
  UseMixer(e, 0, 0, 1);
  e.Stick(kStick0, 2047);
  e.Pass();
  QCOMPARE(Engine::Fn(1), -1 + 1021);
  QCOMPARE(Engine::MixSum(1), 1021);
  QCOMPARE(Engine::Pure(1), -1);  // before mixers
  QCOMPARE(kl_engine_get_trival_mixer(0), 1024);
}

void EngineMixersLimiters::mixerFromHigherFunctionLagsOnePass() {
  Engine e;
  e.UseFunction(0, kStick0);
  e.UseFunction(1, kStick1);
  UseMixer(e, 0, 1, 0);
  e.Stick(kStick1, 2047);
  e.Pass();
  QCOMPARE(Engine::Fn(0), -1);  // function 1 not computed yet: source 0
  e.Pass();
  QCOMPARE(Engine::Fn(0), -1 + 1021);
}

void EngineMixersLimiters::inheritedContributionFeedsLaterMixers_data() {
  QTest::addColumn<bool>("inherit");
  QTest::addColumn<int>("pure1");
  QTest::addColumn<int>("f2");
  // f1 = -1 + 1021; the mixer into f2 reads f1's value before its mixers.
  QTest::newRow("inherited") << true << 1020 << -1 + 509;   // curve(1020) = 1019
  QTest::newRow("not inherited") << false << -1 << -1 - 1;  // curve(-1) = -2
}

void EngineMixersLimiters::inheritedContributionFeedsLaterMixers() {
  QFETCH(bool, inherit);
  QFETCH(int, pure1);
  QFETCH(int, f2);
  Engine e;
  e.UseFunction(0, kStick0);
  e.UseFunction(1, kStick1);
  e.UseFunction(2, kStick2);
  UseMixer(e, 0, 0, 1);
  e.Put8(Mixer(0) + 1, inherit ? 1 : 0);
  UseMixer(e, 1, 1, 2);
  e.Stick(kStick0, 2047);
  e.Pass();
  QCOMPARE(Engine::Fn(1), 1020);
  QCOMPARE(Engine::Pure(1), pure1);
  QCOMPARE(Engine::Fn(2), f2);
}

void EngineMixersLimiters::trimIncludedSourceIsClampedForTheCurve() {
  // Source 2045 + 1024 = 3069 reads the curve at 2047 (2045), not past its
  // last point; a gain of 100 % passes it on whole.
  Engine e;
  FullThrowWithTrim(e);
  e.UseFunction(1, kStick1);
  UseMixer(e, 0, 0, 1);
  e.Put8(Mixer(0) + 6, 1);
  e.Put16(MixerSetup(0, 0) + 0, 2047);
  e.Pass();
  QCOMPARE(Engine::Fn(0), 3069);
  QCOMPARE(Engine::Fn(1), -1 + 2045);
}

void EngineMixersLimiters::gainFollowsItsControl() {
  // GainHi 100 %, GainCenter 0, control at 1024: gain 1024.
  Engine e;
  e.UseFunction(0, kStick0);
  e.UseFunction(1, kStick1);
  UseMixer(e, 0, 0, 1, kStick3);
  e.Put16(MixerSetup(0, 0) + 0, 2047);
  e.Stick(kStick0, 2047);
  e.Stick(kStick3, 1024);
  e.Pass();
  QCOMPARE(kl_engine_get_trival_mixer(0), 1024);
  QCOMPARE(Engine::MixSum(1), 1021);
  // The default gain control (none) reads 0: GainCenter, no contribution.
  e.Put16(Mixer(0) + 8, 0);
  e.Pass();
  QCOMPARE(Engine::MixSum(1), 0);
}

void EngineMixersLimiters::mixerFromFunctionBeyondCountAddsNothing() {
  Engine e(KL_BOARD_FENK);
  e.UseFunction(1, kStick1);
  UseMixer(e, 0, 40, 1);  // the smaller board has 32 functions
  UseMixer(e, 1, 48, 1);  // none
  e.Pass();
  QCOMPARE(Engine::Fn(1), -1);
  QCOMPARE(Engine::MixSum(1), 0);
}

void EngineMixersLimiters::mixerDelaySlewsItsSource() {
  Engine e;
  e.UseFunction(0, kStick0);
  e.UseFunction(1, kStick1);
  UseMixer(e, 0, 0, 1);
  e.Put16(MixerSetup(0, 0) + 8, 10);  // DelayUp 1 s
  e.Passes(2);
  e.Stick(kStick0, 2047);
  // Source 162, 326, 490 (1048/256 per ms); curve(162) = 161 -> 161 x 1024 / 2047.
  const int expected[] = {79, 161, 243};
  for (int v : expected) {
    e.Pass();
    QCOMPARE(Engine::Fn(1), v);
  }
  QCOMPARE(Engine::Fn(0), 2045);  // the function itself does not wait
}

void EngineMixersLimiters::limiters_data() {
  QTest::addColumn<int>("x");
  QTest::addColumn<int>("aboveHi");
  QTest::addColumn<int>("belowLo");
  QTest::addColumn<int>("limiterIndex");
  QTest::addColumn<bool>("used");
  QTest::addColumn<int>("expected");
  QTest::addColumn<int>("upper");
  QTest::addColumn<int>("lower");
  // Upper: 2 x AboveHi under a control at +2047; lower: 2 x BelowLo at -2047.
  QTest::newRow("cap at 2 x 1024") << 2047 << 1024 << -2047 << 0 << true << 2048 << 2048 << -4094;
  QTest::newRow("default limits pass") << 2047 << 2047 << -2047 << 0 << true << 3069 << 4094 << -4094;
  QTest::newRow("unused limiter ignored") << 2047 << 1024 << -2047 << 0 << false << 3069 << 4094 << -4094;
  QTest::newRow("floor at 2 x -500") << -2047 << 2047 << -500 << 0 << true << -1000 << 4094 << -1000;
  QTest::newRow("any limiter index") << 2047 << 1024 << -2047 << 47 << true << 2048 << 2048 << -4094;
}

void EngineMixersLimiters::limiters() {
  QFETCH(int, x);
  QFETCH(int, aboveHi);
  QFETCH(int, belowLo);
  QFETCH(int, limiterIndex);
  QFETCH(bool, used);
  QFETCH(int, expected);
  QFETCH(int, upper);
  QFETCH(int, lower);
  Engine e;
  FullThrowWithTrim(e, x > 0 ? 2047 : 0);
  e.Stick(kStick0, x);
  UseLimiter(e, limiterIndex, 0);
  e.Put8(Limiter(limiterIndex), used ? 1 : 0);
  e.Put16(Limiter(limiterIndex) + 4, kOn);
  e.Put16(Limiter(limiterIndex) + 6, kOff);
  e.Put16(Limiter(limiterIndex) + 10, aboveHi);       // flight mode 0 AboveHi
  e.Put16(Limiter(limiterIndex) + 172 + 4, belowLo);  // flight mode 0 BelowLo
  e.Pass();
  QCOMPARE(Engine::Fn(0), expected);
  QCOMPARE(kl_engine_get_trival_limitermax(0), upper);
  QCOMPARE(kl_engine_get_trival_limitermin(0), lower);
}

void EngineMixersLimiters::sumSaturatesWithoutLimiter() {
  Engine e;
  FullThrowWithTrim(e);
  e.UseFunction(1, kStick1);
  UseMixer(e, 0, 1, 0);
  e.Put16(MixerSetup(0, 0) + 0, 2047);
  e.Stick(kStick1, 2047);
  e.Passes(2);
  QCOMPARE(Engine::Fn(0), 4094);  // 2045 + 1024 + 2043
  QCOMPARE(Engine::Pure(0), 2045 + 1024);

  // The first used limiter of the function wins.
  UseLimiter(e, 3, 0);
  e.Put16(Limiter(3) + 4, kOn);
  e.Put16(Limiter(3) + 10, 1024);
  UseLimiter(e, 5, 0);
  e.Put16(Limiter(5) + 4, kOn);
  e.Put16(Limiter(5) + 10, 500);
  e.Pass();
  QCOMPARE(Engine::Fn(0), 2048);

  // Low side.
  Engine low;
  FullThrowWithTrim(low, -2047);
  low.Stick(kStick0, -2047);
  low.UseFunction(1, kStick1);
  UseMixer(low, 0, 1, 0);
  low.Put16(MixerSetup(0, 0) + 0, 2047);
  low.Stick(kStick1, -2047);
  low.Passes(2);
  QCOMPARE(Engine::Fn(0), -4094);  // -2047 - 1024 - 2047
}

QTEST_APPLESS_MAIN(EngineMixersLimiters)
#include "tst_mixers_limiters.moc"
