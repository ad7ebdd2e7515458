// The vario tone on a PCM device that plays by a simulated clock: the
// pattern of bursts and pauses with their rise and fall, the continuous tone
// and its faded end, a repeated request that leaves the pattern alone, the
// glides of volume and mute, and a device that does not pace at all.
#include <QtTest>

#include <cmath>
#include <functional>

#include "audio/cbuzzer.h"
#include "audio_fixture.h"

namespace {

constexpr int kRate = 48000;
constexpr long kPeriod = 4800;  // 100 ms
constexpr long kBuffer = 24000;  // 500 ms

struct Rig {
  KLX_ManualClock clock;
  std::shared_ptr<FakePcm::Shared> pcm = std::make_shared<FakePcm::Shared>();
  std::unique_ptr<CBuzzer> buzzer;

  explicit Rig(bool paces = true, bool hold = false) {
    pcm->hold = hold;
    buzzer = std::make_unique<CBuzzer>(std::make_unique<FakePcm>(clock, pcm, paces, kPeriod, kBuffer), &clock);
  }
  ~Rig() { buzzer.reset(); }  // stops the feeder before the clock goes

  bool Init() { return buzzer->Init("vario", kRate, 2, 3); }
  // Lets ms of the clock pass for the feeder.
  bool Run(qint64 ms) { return clock.KLX_ManualClockRun(ms, 1); }
  long Frames() const {
    QMutexLocker lock(&pcm->mutex);
    return long(pcm->samples.size() / 2);
  }
  // Channel 0 of every frame so far; channel 1 must carry the same.
  std::vector<int> Tone() const {
    QMutexLocker lock(&pcm->mutex);
    std::vector<int> left;
    for (size_t i = 0; i + 1 < pcm->samples.size(); i += 2) {
      if (pcm->samples[i] != pcm->samples[i + 1]) return {};
      left.push_back(pcm->samples[i]);
    }
    return left;
  }
};

double Square(double x) { return x * x; }

// The burst envelope: a square-law rise over the first 100 frames and fall
// over the last 100 of `on` frames; c is the frame within the burst.
double Burst(long c, long on) {
  double e = c < 100 ? Square(c / 100.0) : 1.0;
  const long left = on - 1 - c;
  if (left < 100) e = std::min(e, Square(left / 100.0));
  return e;
}

double Sine(long toneFrame, int freq) { return std::sin(double(toneFrame) * freq * 2.0 * M_PI / kRate); }

// A continuous tone from `start` on, with its one rise, before truncation.
double Continuous(long start, long t, int freq, double level = 1.0) {
  return t < start ? 0 : 32767.0 * Sine(t - start, freq) * std::min(1.0, Square((t - start) / 100.0)) * level;
}

// Where a stream of bursts of `on` frames every `cycle` frames begins, found
// as the start whose model the first cycles match: -1 when none does.
long FindStart(const std::vector<int>& got, const std::function<double(long start, long t)>& model, long cycle) {
  long first = 0;
  while (first < long(got.size()) && std::abs(got[size_t(first)]) < 2) ++first;
  for (long start = std::max(0L, first - 200); start <= first; ++start) {
    bool fits = true;
    for (long t = start; t < std::min(long(got.size()), start + 2 * cycle) && fits; ++t)
      fits = std::abs(got[size_t(t)] - model(start, t)) <= 1;
    if (fits) return start;
  }
  return -1;
}

// Sample by sample from `from`; the first mismatch, or -1.
long Mismatch(const std::vector<int>& got, long from, long to, const std::function<double(long t)>& want,
              int tolerance) {
  for (long t = from; t < to; ++t)
    if (std::abs(got[size_t(t)] - want(t)) > tolerance) return t;
  return -1;
}

}  // namespace

class TstVario : public QObject {
  Q_OBJECT

 private slots:
  // Bursts of on ms and pauses of off ms, for ever; each burst rises and
  // falls over 100 frames; the volume sets the level; the phase runs on
  // from burst to burst.
  void burstsAndPauses_data() {
    QTest::addColumn<int>("freq");
    QTest::addColumn<int>("on");
    QTest::addColumn<int>("off");
    QTest::addColumn<int>("volume");
    QTest::addColumn<double>("gain");
    // 1536 frames of tone, 4608 of silence.
    QTest::newRow("1000 Hz 32/96 ms") << 1000 << 32 << 96 << 100 << 1.0;
    QTest::newRow("270 Hz 118/356 ms at half volume") << 270 << 118 << 356 << 50 << 0.5;
    QTest::newRow("volume 255 is full") << 285 << 112 << 337 << 255 << 1.0;
  }
  void burstsAndPauses() {
    QFETCH(int, freq);
    QFETCH(int, on);
    QFETCH(int, off);
    QFETCH(int, volume);
    QFETCH(double, gain);
    Rig rig;
    QVERIFY(rig.Init());
    QVERIFY(rig.Run(300));
    rig.buzzer->Beep(unsigned(freq), unsigned(on), unsigned(off), uint8_t(volume));
    QVERIFY(rig.Run(3000));
    const std::vector<int> got = rig.Tone();
    QVERIFY(!got.empty());
    const long onLen = 48L * on, cycle = 48L * (on + off);
    auto model = [&](long start, long t) -> double {
      if (t < start) return 0;
      const long c = (t - start) % cycle;
      if (c >= onLen) return 0;
      const long toneFrame = (t - start) / cycle * onLen + c;
      return std::trunc(32767.0 * Sine(toneFrame, freq) * Burst(c, onLen) * gain);
    };
    const long start = FindStart(got, model, cycle);
    QVERIFY2(start >= 0, "no start fits the pattern");
    QVERIFY(long(got.size()) - start > 5 * cycle);
    const long bad = Mismatch(got, 0, long(got.size()), [&](long t) { return model(start, t); }, 1);
    QVERIFY2(bad < 0, qPrintable(QStringLiteral("frame %1 (%2 into the pattern): %3, expected %4")
                                     .arg(bad)
                                     .arg(bad - start)
                                     .arg(bad < 0 ? 0 : got[size_t(bad)])
                                     .arg(bad < 0 ? 0 : model(start, bad))));
  }

  // Unbroken tone in cycles of two periods; switched off, it plays the cycle
  // in progress, then one more that fades over its last 100 frames, then
  // silence.
  void aContinuousToneFadesWhenStopped() {
    Rig rig;
    QVERIFY(rig.Init());
    QVERIFY(rig.Run(200));
    rig.buzzer->Beep(126, 0, 0, 100);
    QVERIFY(rig.Run(1500));
    const long stoppedAt = rig.Frames();
    rig.buzzer->Beep(0, 0, 0, 100);
    QVERIFY(!rig.buzzer->isEnabled());
    QVERIFY(rig.Run(1500));
    const std::vector<int> got = rig.Tone();
    const long cycle = 2 * kPeriod;
    auto tone = [&](long start, long t) -> double {
      return std::trunc(Continuous(start, t, 126));
    };
    const long start = FindStart(got, tone, cycle);
    QVERIFY(start >= 0);
    const long end = start + ((stoppedAt - start + cycle - 1) / cycle + 1) * cycle;
    auto faded = [&](long t) -> double {
      if (t < start || t >= end) return 0;
      const double v = Continuous(start, t, 126);
      return std::trunc(end - 1 - t < 100 ? v * Square((end - 1 - t) / 100.0) : v);
    };
    QVERIFY(long(got.size()) > end + kPeriod);
    QCOMPARE(Mismatch(got, 0, long(got.size()), faded, 1), -1L);
  }

  // The same request again and again (the engine asks every cycle) leaves
  // the pattern running; a new volume alone glides to its level from the
  // next cycle on, by 0.00005 a frame of tone.
  void aRepeatedRequestRunsOnAndANewVolumeGlides() {
    Rig rig;
    QVERIFY(rig.Init());
    QVERIFY(rig.Run(300));
    for (int i = 0; i < 60; ++i) {
      rig.buzzer->Beep(1000, 32, 96, 100);
      QVERIFY(rig.Run(20));
    }
    const long changedAt = rig.Frames();
    rig.buzzer->Beep(1000, 32, 96, 50);
    QVERIFY(rig.Run(3000));
    const std::vector<int> got = rig.Tone();
    const long onLen = 1536, cycle = 6144;
    auto plain = [&](long start, long t) -> double {
      if (t < start || (t - start) % cycle >= onLen) return 0;
      const long c = (t - start) % cycle;
      return std::trunc(32767.0 * Sine((t - start) / cycle * onLen + c, 1000) * Burst(c, onLen));
    };
    const long start = FindStart(got, plain, cycle);
    QVERIFY(start >= 0);
    const long boundary = start + (changedAt - start + cycle - 1) / cycle * cycle;
    QCOMPARE(Mismatch(got, 0, boundary, [&](long t) { return plain(start, t); }, 1), -1L);
    auto gliding = [&](long t) -> double {
      const long c = (t - start) % cycle;
      if (c >= onLen) return 0;
      const long sinceChange = (t - boundary) / cycle * onLen + c + 1;
      const double gain = std::max(0.5, 1.0 - 0.00005 * double(sinceChange));
      return std::trunc(32767.0 * Sine((t - start) / cycle * onLen + c, 1000) * Burst(c, onLen) * gain);
    };
    // The gain is a float stepped per frame: a few steps of the sample off.
    QCOMPARE(Mismatch(got, boundary, long(got.size()), gliding, 4), -1L);
    QVERIFY(long(got.size()) > boundary + 7 * cycle);  // 0.5 is reached in the seventh burst
  }

  // Mute(80) lowers a running tone to 20 % over 1600 frames; Mute(0) brings
  // it back the same way.
  void muteGlides() {
    Rig rig;
    QVERIFY(rig.Init());
    QVERIFY(rig.Run(300));
    rig.buzzer->Beep(1000, 0, 0, 100);
    QVERIFY(rig.Run(1000));
    const long mutedAt = rig.Frames();
    rig.buzzer->Mute(80);
    QVERIFY(rig.Run(1000));
    const long restoredAt = rig.Frames();
    rig.buzzer->Mute(0);
    QVERIFY(rig.Run(1000));
    const std::vector<int> got = rig.Tone();
    auto tone = [&](long start, long t) -> double {
      return std::trunc(Continuous(start, t, 1000));
    };
    const long start = FindStart(got, tone, 2 * kPeriod);
    QVERIFY(start >= 0);
    // A mute is taken up at the next piece the generator renders: a period
    // boundary at or after the frames written when it was asked.
    auto glideStart = [&](long askedAt) {
      for (long b = askedAt; b < long(got.size()); ++b)
        if ((b - start) % kPeriod == 0) return b;
      return -1L;
    };
    const long down = glideStart(mutedAt), up = glideStart(restoredAt);
    auto level = [&](long t) {
      if (t >= up) return std::min(1.0, 0.2 + 0.0005 * double(t - up + 1));
      if (t >= down) return std::max(0.2, 1.0 - 0.0005 * double(t - down + 1));
      return 1.0;
    };
    auto want = [&](long t) -> double {
      return std::trunc(Continuous(start, t, 1000, level(t)));
    };
    QCOMPARE(Mismatch(got, 0, long(got.size()), want, 4), -1L);
    QCOMPARE(level(down + 1599), 0.2);
  }

  // A request while the stream stands (the device has not asked for data
  // yet) starts it with one period of silence; the pattern follows.
  void aStandingStreamStartsWithAPeriodOfSilence() {
    Rig rig(true, true);
    QVERIFY(rig.Init());
    rig.buzzer->Beep(1000, 32, 96, 100);
    QCOMPARE(rig.Frames(), kPeriod);
    {
      QMutexLocker lock(&rig.pcm->mutex);
      QCOMPARE(rig.pcm->starts, 1);
      QVERIFY(std::all_of(rig.pcm->samples.begin(), rig.pcm->samples.end(), [](int16_t s) { return s == 0; }));
      rig.pcm->hold = false;
    }
    QVERIFY(rig.Run(1000));
    const std::vector<int> got = rig.Tone();
    // The first burst follows the silence at once.
    for (long c = 0; c < 1536; ++c)
      QVERIFY(std::abs(got[size_t(kPeriod + c)] - std::trunc(32767.0 * Sine(c, 1000) * Burst(c, 1536))) <= 1);
    QCOMPARE(rig.pcm->underruns, 0);
  }

  // A device that takes every write at once (a capture file) is fed by the
  // clock: never more than a buffer ahead of it, never behind.
  void aDeviceThatDoesNotPaceIsFedByTheClock() {
    Rig rig(false);
    QVERIFY(rig.Init());
    rig.buzzer->Beep(500, 50, 50, 100);
    for (int second = 1; second <= 10; ++second) {
      QVERIFY(rig.Run(1000));
      const long due = long(second) * kRate;
      QVERIFY2(rig.Frames() >= due && rig.Frames() <= due + kBuffer,
               qPrintable(QStringLiteral("%1 frames after %2 s").arg(rig.Frames()).arg(second)));
    }
  }
};

QTEST_GUILESS_MAIN(TstVario)
#include "tst_vario.moc"
