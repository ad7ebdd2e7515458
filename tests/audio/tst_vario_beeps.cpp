// The vario's beep parameters for each sensor value, through the facade as
// the engine asks for them: climbing beeps, the dead band and the sinking
// tone, per flight mode, after the units change, with the switch off and
// for the special decimal-point bytes; and the vario sounding on the
// recording PCM device as a simulated sensor climbs and sinks; a vario
// device slow to open never fails the start.
#include <QtTest>

#include <cmath>
#include <thread>

#include "facade_rig.h"

namespace {
struct Beep {
  int tone;
  int on;
  int off;
};

// The row's expected tone, on and off times.
QList<int> Expected() {
  QFETCH(int, tone);
  QFETCH(int, on);
  QFETCH(int, off);
  return {tone, on, off};
}
QList<int> AsList(const Beep& b) { return {b.tone, b.on, b.off}; }

Beep Ask(KLX_DataBaseManager& db, int value, int decimalPoint, int fm) {
  uint16_t on = 7, off = 7;
  const int tone = db.KLX_DatabaseManagerGetVarioBeepParams(value, decimalPoint, &on, &off, fm);
  return {tone, on, off};
}

// A burst of the vario's channel 0: where it starts, how long it sounds,
// and its sign changes (between the first and the last one).
struct Run {
  long start;
  long length;
  int crossings;
  long firstCrossing;
  long lastCrossing;
};

// The sounding stretches from `from` on, split where at least `gap` frames
// in a row are silent. Silent frames inside a burst (the ramps round to 0
// near a crossing) neither count nor hide a change of sign.
QList<Run> Runs(const std::vector<int>& s, long from, int gap = 24) {
  QList<Run> runs;
  long quiet = gap;
  int sign = 0;
  for (long t = from; t < long(s.size()); ++t) {
    const int v = s[size_t(t)];
    if (v == 0) {
      ++quiet;
      continue;
    }
    if (quiet >= gap) {
      runs.append({t, 0, 0, -1, -1});
      sign = 0;
    }
    quiet = 0;
    Run& r = runs.last();
    const int now = v > 0 ? 1 : -1;
    if (sign != 0 && now != sign) {
      if (r.firstCrossing < 0) r.firstCrossing = t;
      r.lastCrossing = t;
      ++r.crossings;
    }
    sign = now;
    r.length = t - r.start + 1;
  }
  return runs;
}

// A vario device that opens only once the test lets it.
class GatedPcm : public FakePcm {
 public:
  GatedPcm(KLX_Clock& clock, std::shared_ptr<Shared> shared, QSemaphore* gate)
      : FakePcm(clock, std::move(shared)), m_Gate(gate) {}
  bool Configure(const QString& name, Params* p) override {
    m_Gate->acquire();
    m_Gate->release();
    return FakePcm::Configure(name, p);
  }

 private:
  QSemaphore* m_Gate;
};

// Half a period between neighbouring sign changes.
double Hz(const Run& r) {
  if (r.crossings < 2) return 0;
  return (r.crossings - 1) * 48000.0 / 2.0 / double(r.lastCrossing - r.firstCrossing);
}
}  // namespace

class TstVarioBeeps : public QObject {
  Q_OBJECT

 private slots:
  // Defaults, metric, one decimal (values in tenths of m/s): start tone
  // 270 Hz, climbing from 0.1 m/s at 150 Hz per m/s, sinking from -0.2 m/s
  // at 30 Hz per m/s, 1000 Hz beyond 4.97 m/s, 50 Hz below -7.53 m/s.
  void beepParameters_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("decimalPoint");
    QTest::addColumn<int>("tone");
    QTest::addColumn<int>("on");
    QTest::addColumn<int>("off");
    QTest::newRow("climb at the threshold") << 1 << 1 << 270 << 118 << 356;
    QTest::newRow("climb 0.2") << 2 << 1 << 285 << 112 << 337;
    QTest::newRow("climb 2.5") << 25 << 1 << 630 << 50 << 153;
    QTest::newRow("beyond 1000 Hz") << 60 << 1 << 1000 << 32 << 96;
    QTest::newRow("dead band: 0") << 0 << 1 << 0 << 0 << 0;
    QTest::newRow("dead band: -0.1") << -1 << 1 << 0 << 0 << 0;
    QTest::newRow("sink at the threshold") << -2 << 1 << 270 << 0 << 0;
    QTest::newRow("sink -0.3") << -3 << 1 << 267 << 0 << 0;
    QTest::newRow("sink -5.0") << -50 << 1 << 126 << 0 << 0;
    QTest::newRow("beyond 50 Hz") << -100 << 1 << 50 << 0 << 0;
    // The value is the sensor reading's lower 16 bits, with their sign.
    QTest::newRow("upper bits dropped") << 0x10000 + 20 << 1 << 555 << 57 << 173;
    QTest::newRow("negative in 16 bits") << 0x1FFF6 << 1 << 246 << 0 << 0;
    QTest::newRow("no value (255)") << 25 << 255 << 0 << 0 << 0;
  }
  void beepParameters() {
    QFETCH(int, value);
    QFETCH(int, decimalPoint);
    const QList<int> expected = Expected();
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerGetSetVarioActivationControlId(2, AtomicDirSet), 2);
    // Silent until the model is complete.
    QCOMPARE(Ask(db, 25, 1, 0).tone, 0);
    db.KLX_DataBaseManagerVarioInitComplete();
    QCOMPARE(AsList(Ask(db, value, decimalPoint, 0)), expected);
    if (decimalPoint == 255) return;
    QCOMPARE(db.KLX_DataBaseManagerVarioGetCurrentTone(), expected[0]);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetInputValue(), float(qint16(value & 0xFFFF)) / 10.0f);
  }

  // Flight mode 3 with a record of its own: start 300 Hz, climbing from
  // 0.5 m/s at 100 Hz per m/s; the other flight modes keep record 0. The
  // calculation follows the flight mode it is given.
  void eachFlightModeItsRecord() {
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerGetSetVarioActivationControlId(2, AtomicDirSet);
    db.KLX_DataBaseManagerVarioInitComplete();
    QCOMPARE(db.KLX_DataBaseManager_SetVarioFlightModeDependent(3, 1), 1);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetStartToneHz(300, 3, AtomicDirSet), 300);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetPositiveSpeedThreshold(5, 3, false), 5);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetClimbingGain(100, 3, AtomicDirSet), 100);
    const struct {
      int fm, value, tone, on, off;
    } rows[] = {{3, 10, 350, 91, 274}, {2, 10, 405, 79, 237}, {3, 4, 0, 0, 0}, {0, 4, 315, 101, 305},
                {3, 60, 850, 37, 113}, {3, 80, 1000, 32, 96}, {27, 10, 405, 79, 237}};
    for (const auto& r : rows) {
      const Beep b = Ask(db, r.value, 1, r.fm);
      QVERIFY2(b.tone == r.tone && b.on == r.on && b.off == r.off,
               qPrintable(QStringLiteral("fm %1 value %2: %3 %4/%5").arg(r.fm).arg(r.value).arg(b.tone).arg(b.on).arg(b.off)));
    }
    // Back to the global record: flight mode 3 sounds as the others.
    QCOMPARE(db.KLX_DataBaseManager_SetVarioFlightModeDependent(3, 0), 0);
    QCOMPARE(Ask(db, 10, 1, 3).tone, 405);
  }

  // Imperial (tenths of ft/s): record 0 becomes 0.3 ft/s and 492 Hz per
  // ft/s climbing, -0.7 ft/s and 98 Hz per ft/s sinking; the next value
  // already sounds by them.
  void afterTheUnitsChange_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("tone");
    QTest::addColumn<int>("on");
    QTest::addColumn<int>("off");
    QTest::newRow("climb 1.0") << 10 << 614 << 52 << 156;
    QTest::newRow("dead band 0.2") << 2 << 0 << 0 << 0;
    QTest::newRow("dead band -0.6") << -6 << 0 << 0 << 0;
    QTest::newRow("sink -0.8") << -8 << 260 << 0 << 0;
    QTest::newRow("beyond 1000 Hz") << 20 << 1000 << 32 << 96;
  }
  void afterTheUnitsChange() {
    QFETCH(int, value);
    const QList<int> expected = Expected();
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerGetSetVarioActivationControlId(2, AtomicDirSet);
    db.KLX_DataBaseManagerVarioInitComplete();
    QCOMPARE(Ask(db, 10, 1, 0).tone, 405);
    QCOMPARE(db.KLX_DataBaseManagerVarioSwitchUnitsSystem(true), 1);
    QCOMPARE(AsList(Ask(db, value, 1, 0)), expected);
    // The system's measure system brings it back to metric.
    db.KLX_DataBaseManagerGetSet_SystemPropertiesMeasureSystem(0, AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerVarioUpdateMeasureFromSystemSettings(), 1);
    QCOMPARE(Ask(db, 10, 1, 0).tone, 405);
  }

  // The switch: fixed on sounds, anything else is off (telemetry controls
  // included): no tone, the current tone "vario off" and no input value.
  // The test tone alternates 896 and 1000 Hz and starts over after a value.
  void offAndTheTestTone() {
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerVarioInitComplete();
    for (int control : {0, 3, KLX_CONTROL_TELE_FIRST + 2, KLX_CONTROL_VS_FIRST + 5}) {
      QCOMPARE(db.KLX_DataBaseManagerGetSetVarioActivationControlId(control, AtomicDirSet), control);
      const Beep b = Ask(db, 25, 1, 0);
      QCOMPARE(AsList(b), QList<int>({0, 0, 0}));
      QCOMPARE(db.KLX_DataBaseManagerVarioGetCurrentTone(), int(Vario_Is_Off));
      QVERIFY(std::isnan(db.KLX_DataBaseManagerVarioGetInputValue()));
    }
    db.KLX_DataBaseManagerGetSetVarioActivationControlId(2, AtomicDirSet);
    QList<int> tones;
    for (int i = 0; i < 3; ++i) {
      const Beep b = Ask(db, 0, 254, 0);
      QCOMPARE(QList<int>({b.on, b.off}), QList<int>({90, 90}));
      tones << b.tone;
    }
    Ask(db, 25, 1, 0);
    tones << Ask(db, 0, 254, 0).tone;
    QCOMPARE(tones, (QList<int>{896, 1000, 896, 896}));
  }

  // Sensor 17 (climb rate, one decimal) on the simulated receiver: what
  // the engine makes of its frames plays on the vario's device, beeps of
  // the climbing tone, a continuous sinking tone, then silence.
  void theVarioSoundsAsTheSensorClimbsAndSinks() {
    FacadeRig rig;
    QVERIFY(rig.Start({}));
    KLX_DataBaseManager& db = rig.db;
    CSimSensors& sensors = rig.sim.Sensors();
    sensors.Add(CSimSensors::kVarioAddress, "Vario");
    sensors.Describe(CSimSensors::kVarioAddress, 0, "Climb", "m/s", 1);
    rig.DescribeValue(CSimSensors::kVarioAddress, 0, "Vario", "Climb", "m/s", 1);
    QCOMPARE(db.KLX_DataBaseManagerSetVarioAddress(CSimSensors::kVarioAddress, 0, false), CSimSensors::kVarioAddress);
    db.KLX_DataBaseManagerGetSetVarioActivationControlId(2, AtomicDirSet);
    db.KLX_DataBaseManagerVarioInitComplete();
    // The audio thread opens the vario's device when it starts.
    QVERIFY(QTest::qWaitFor([&] {
      QMutexLocker lock(&rig.pcm->mutex);
      return rig.pcm->opened.contains("vario");
    }, kVornHangMs));

    // Climbing at 2.5 m/s: 630 Hz, 50 ms on in every 203 ms.
    sensors.SetValue(CSimSensors::kVarioAddress, 0, 25);
    QVERIFY(rig.Step(100));
    rig.Passes();
    QCOMPARE(db.KLX_DataBaseManagerVarioGetCurrentTone(), 630);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetInputValue(), 2.5f);
    long from = rig.VarioFrames();
    QVERIFY(rig.pcmClock.KLX_ManualClockRun(2000, 1));
    QList<Run> runs = Runs(rig.VarioSamples(), from + 48 * 500);
    QVERIFY2(runs.size() >= 6, qPrintable(QString::number(runs.size())));
    for (int i = 1; i + 1 < runs.size(); ++i) {
      // The bursts' phase runs on: a burst's first audible frame moves by a few.
      QVERIFY2(qAbs(runs[i].start - runs[i - 1].start - 48L * 203) <= 4,
               qPrintable(QString::number(runs[i].start - runs[i - 1].start)));
      QVERIFY2(qAbs(runs[i].length - 48 * 50) <= 12, qPrintable(QString::number(runs[i].length)));
      QVERIFY2(qAbs(Hz(runs[i]) - 630) < 12, qPrintable(QString::number(Hz(runs[i]))));
    }

    // Sinking at 5 m/s: an unbroken 126 Hz.
    sensors.SetValue(CSimSensors::kVarioAddress, 0, -50);
    QVERIFY(rig.Step(100));
    rig.Passes();
    QCOMPARE(db.KLX_DataBaseManagerVarioGetCurrentTone(), 126);
    from = rig.VarioFrames();
    QVERIFY(rig.pcmClock.KLX_ManualClockRun(2000, 1));
    runs = Runs(rig.VarioSamples(), from + 48 * 800);
    QCOMPARE(runs.size(), 1);
    QVERIFY2(runs[0].length > 48 * 1000, qPrintable(QString::number(runs[0].length)));
    QVERIFY2(qAbs(Hz(runs[0]) - 126) < 3, qPrintable(QString::number(Hz(runs[0]))));

    // Level flight: the dead band is silent.
    sensors.SetValue(CSimSensors::kVarioAddress, 0, 0);
    QVERIFY(rig.Step(100));
    rig.Passes();
    QCOMPARE(db.KLX_DataBaseManagerVarioGetCurrentTone(), 0);
    from = rig.VarioFrames();
    QVERIFY(rig.pcmClock.KLX_ManualClockRun(2000, 1));
    QCOMPARE(Runs(rig.VarioSamples(), from + 48 * 1000).size(), 0);
    QVERIFY(rig.VarioFrames() - from >= 48L * 1500);
  }

  // The audio thread opens the vario device before it reports that it runs:
  // a device still closed through the start's whole wait makes it late, not
  // failed, and it comes up when the device does.
  void aSlowVarioDeviceDoesNotFailTheStart() {
    AudioParts parts;
    QSemaphore gate;
    KLX_AudioDevices devices = parts.Devices();
    devices.newPcmDevice = [&] { return std::make_unique<GatedPcm>(parts.pcmClock, parts.pcm, &gate); };
    VornFixture fx(CSimBoard::Vorn, devices);
    std::thread stepper([&] {
      if (parts.audioClock.KLX_ManualClockAwaitWaiters(1)) parts.audioClock.KLX_ManualClockAdvance(200);
    });
    const int up = fx.Up();
    stepper.join();
    const QStringList openedAtStart = [&] {
      QMutexLocker lock(&parts.pcm->mutex);
      return parts.pcm->opened;
    }();
    gate.release();
    QCOMPARE(up, KLX_Ok);
    QCOMPARE(openedAtStart, QStringList());
    QVERIFY(QTest::qWaitFor([&] {
      QMutexLocker lock(&parts.pcm->mutex);
      return parts.pcm->opened == QStringList{"vario"};
    }, kVornHangMs));
  }
};

QTEST_GUILESS_MAIN(TstVarioBeeps)
#include "tst_vario_beeps.moc"
