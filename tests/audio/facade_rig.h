#pragma once
// The facade with its own audio handler on the recording devices of
// audio_fixture.h and the scripted speech engine, on the bus with the
// simulated controllers (their sensors and stick controller streaming on
// `clock`), and the engine run pass by pass. The audio thread waits on
// `audioClock`, the vario device plays by `pcmClock`.
#include <QTemporaryDir>
#include <QtTest>

#include "audio/klx_audiohandler.h"
#include "audio/klx_tts.h"
#include "audio_fixture.h"
#include "model/klx_functionalcalculation.h"
#include "sim/csimmessageids.h"
#include "sim/csimsensors.h"
#include "vorn_fixture.h"
#include "vorn_speechfake.h"

struct AudioParts {
  KLX_ManualClock audioClock;
  KLX_ManualClock pcmClock;
  std::shared_ptr<FakePcm::Shared> pcm = std::make_shared<FakePcm::Shared>();
  FakeMixerLog mixers;
  QTemporaryDir captures;
  FakePlayer player{captures.path()};

  KLX_AudioDevices Devices() {
    KLX_AudioDevices d;
    d.newMixerElement = [this] { return std::make_unique<FakeMixerElement>(&mixers); };
    d.newPcmDevice = [this] { return std::make_unique<FakePcm>(pcmClock, pcm); };
    d.startPlayer = player.Launcher();
    d.threadClock = &audioClock;
    d.speechEngine = VornSpeechFake::Engine();
    d.runPlayer = [](const QStringList&, int, const std::function<bool()>&) { return 0; };
    return d;
  }
  // Channel 0 of the vario's frames from `from` on.
  std::vector<int> VarioSamples(long from = 0) const {
    QMutexLocker lock(&pcm->mutex);
    std::vector<int> left;
    for (size_t i = size_t(from) * 2; i + 1 < pcm->samples.size(); i += 2) left.push_back(pcm->samples[i]);
    return left;
  }
  long VarioFrames() const {
    QMutexLocker lock(&pcm->mutex);
    return long(pcm->samples.size() / 2);
  }
};

struct FacadeRig : AudioParts, VornFixture {
  CSimControllers& sim{Controllers()};
  KLX_FunctionalCalculation& engine{*runtime.KLX_RuntimeDatabaseManagerEngine()};
  int marker = 900;

  explicit FacadeRig(CSimBoard::Variant variant = CSimBoard::Vorn) : VornFixture(variant, Devices()) {}
  ~FacadeRig() {
    sim.Detach();
    runtime.KLX_RuntimeDatabaseManagerStop();
    KLX_DataBaseManager::m_MySelf = nullptr;
  }
  // Up with these voices installed; the engine's passes are the test's.
  bool Start(const QList<VornSpeechFake::Voice>& voices) {
    VornSpeechFake::Get().Reset(voices);
    if (!UpOnBus(WithControllers)) return false;
    KLX_DataBaseManager::m_MySelf = &db;
    if (runtime.KLX_RuntimeDatabaseManagerInitialize(&db, &protocol, nullptr) != KLX_Ok) return false;
    for (QDeadlineTimer up(kVornHangMs); !KLX_TTS::is_TTS_Ready() && !up.hasExpired();) QThread::msleep(2);
    return KLX_TTS::is_TTS_Ready();
  }
  // Lets `ms` pass for the controllers and waits until the program has all
  // they sent (a marker in the stick controller's system data behind it).
  bool Step(int ms) {
    if (!clock.KLX_ManualClockRun(ms)) return false;
    const int m = ++marker;
    sim.Send(CSimControllers::Stick, SimStickSystemData, Le16s({m, 0, 0, 0}));
    return QTest::qWaitFor([&] { return db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(0, 1) == m; }, kVornHangMs);
  }
  // A data pass and a calculation pass: what came in reaches the engine's
  // outputs and published controls.
  void Passes() {
    for (int i = 0; i < 2; ++i) engine.KLX_FunctionalCalculationPass();
    if (engine.KLX_FunctionalCalculationPhase() != 1) engine.KLX_FunctionalCalculationPass();
  }
  // The sensor table as the capture of descriptions leaves it.
  void DescribeValue(int address, int value, const char* name, const char* label, const char* unit, int decimals) {
    KLX_Telemetrie* t = db.KLX_DataBaseManagerGetTelemetrieObject();
    t->KLX_TelemetrieLock();
    t->KLX_TelemetrieGetSet_SensorIsUsed(address, 1, AtomicDirSet);
    t->KLX_TelemetrieGetSet_SensorMainAdress(address, address, AtomicDirSet);
    t->KLX_TelemetrieGetSet_SensorName(address, name, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_IsUsed(address, value, 1, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_SlaveLabel(address, value, label, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_SlaveUnit(address, value, unit, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_DecPoint(address, value, decimals, AtomicDirSet);
    t->KLX_TelemetrieUnlock();
  }
};
