#pragma once
// The speech tests' rig: the audio handler on the recording devices of
// audio_fixture.h and the scripted speech engine, beside a facade.
#include <QSemaphore>
#include <QTest>
#include <QThread>

#include "audio/klx_audiohandler.h"
#include "audio/klx_tts.h"
#include "audio_fixture.h"
#include "vorn_fixture.h"
#include "vorn_speechfake.h"

// An audio handler of its own on recording devices and the scripted speech
// engine, its passes on the fixture's manual clock, brought up beside a
// facade (whose own handler is stopped first: one speech thread per
// process). Sound files go to `played` instead of a player, unless the case
// asks for the real one.
struct SpeechRig {
  VornFixture fx;
  FakePlayer player{fx.root.Path()};
  FakeMixerLog mixers;
  std::shared_ptr<FakePcm::Shared> pcm = std::make_shared<FakePcm::Shared>();
  KLX_ManualClock pcmClock;
  VornSpeechFake& engine = VornSpeechFake::Get();
  QMutex playedMutex;
  QList<QStringList> played;
  QList<int> limits;  // the players' time limits (ms), under playedMutex
  // A sound file of one of these names plays until `gate` is released or
  // the player is stopped.
  QStringList gateFiles;
  QSemaphore gate;
  QSemaphore gateReached;
  bool gated = false;  // under playedMutex
  // What the player answers; each answer it gave, -1 for one stopped
  // (under playedMutex).
  int playerResult = 0;
  QList<int> results;
  std::atomic<int> stops{0};
  // Sound files go to the real player instead (the desktop's devices).
  bool realPlayer = false;
  // Runs where the sound file's stop has chosen the run it ends.
  std::function<void()> stopChosen;
  std::unique_ptr<KLX_AudioHandler> audio;

  bool Up(const QList<VornSpeechFake::Voice>& voices) {
    if (fx.Up() != KLX_Ok) return false;
    fx.db.KLX_DatabaseManagerAudioHandlerPointer()->KLX_AudioHandlerStop();
    engine.Reset(voices);
    return Start();
  }
  // Starts the handler (the engine as the case left it).
  bool Start() {
    KLX_AudioDevices d;
    d.newMixerElement = [this] { return std::make_unique<FakeMixerElement>(&mixers); };
    d.newPcmDevice = [this] { return std::make_unique<FakePcm>(pcmClock, pcm); };
    d.startPlayer = player.Launcher();
    d.threadClock = &fx.clock;
    d.speechEngine = VornSpeechFake::Engine();
    d.stopChosen = [this] {
      if (stopChosen) stopChosen();
    };
    if (!realPlayer) FakeSoundFilePlayer(d);
    audio = std::make_unique<KLX_AudioHandler>(d);
    return audio->KLX_AudioHandlerInitialize(&fx.db) == KLX_Ok;
  }
  // The player recording its arguments and limit into `played`, `limits`.
  void FakeSoundFilePlayer(KLX_AudioDevices& d) {
    d.runPlayer = [this](const QStringList& args, int limitMs, const std::function<bool()>& cancelled) {
      bool gating = false;
      for (const QString& file : qAsConst(gateFiles)) gating = gating || !args.filter(file).isEmpty();
      bool stopped = false;
      {
        QMutexLocker lock(&playedMutex);
        if (cancelled()) return -1;
        played.append(args);
        limits.append(limitMs);
        gated = gating;
      }
      if (gating) {
        gateReached.release();
        gate.acquire();
        QMutexLocker lock(&playedMutex);
        stopped = !gated;
        gated = false;
      }
      QMutexLocker lock(&playedMutex);
      results.append(stopped ? -1 : playerResult);
      return results.last();
    };
    d.stopPlayer = [this] {
      ++stops;
      QMutexLocker lock(&playedMutex);
      if (gated) gate.release();
      gated = false;
    };
  }
  // Lets `n` passes of the audio thread run.
  bool Passes(int n = 1) { return fx.clock.KLX_ManualClockRun(qint64(n) * KLX_AudioHandler::kPassMs); }
  QList<QStringList> Played() {
    QMutexLocker lock(&playedMutex);
    return played;
  }
  QList<int> Limits() {
    QMutexLocker lock(&playedMutex);
    return limits;
  }
  QList<int> Results() {
    QMutexLocker lock(&playedMutex);
    return results;
  }
  // The speech thread waits for a voice scan after its start.
  bool Ready() {
    for (QDeadlineTimer up(kVornHangMs); !KLX_TTS::is_TTS_Operable() && !up.hasExpired();) QThread::msleep(2);
    return KLX_TTS::is_TTS_Operable();
  }
};

// Offers `text` until the speech thread takes it. In the instant the thread
// still holds its requests (it ends a scan or a sentence) a text is told
// busy, as the speech queue expects; each offer is made once, so a taken
// text is never offered again.
inline bool SpeechTakes(const char* text, int voiceIndex) {
  return QTest::qWaitFor([&] { return KLX_TTS::SayThisText(text, voiceIndex) == 0; }, kVornHangMs);
}
