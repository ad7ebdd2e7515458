#pragma once
// A scripted speech engine behind the nsc* calls: the voices a test lays
// down, every text it is handed logged ("<voice name>|<text>"), and each
// text answered from a thread of its own with a tone burst (100 ms of a
// sine whose pitch follows the text's length) and the end-of-speech event.
// While held, texts wait until the test finishes them one by one. A call can
// be made to fail with a chosen answer.
//
//   VornSpeechFake& engine = VornSpeechFake::Get();
//   engine.Reset({{"en_a", "Anna", "British English"}});
//   KLX_AudioDevices d; d.speechEngine = VornSpeechFake::Engine();
#include <QList>
#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QWaitCondition>

#include <cstdint>
#include <vector>

#include "platform/klx_speechengine.h"
#include "vorn_testroot.h"

class VornSpeechFake {
 public:
  struct Voice {
    QString name;  // the voice name (a channel is opened with it)
    QString display;
    QString language;
  };
  static constexpr int kBurstSamples = 2205;  // 100 ms at 22050 Hz

  static VornSpeechFake& Get();
  static const KLX_SpeechEngine* Engine();
  // The samples of the burst a text gives.
  static std::vector<int16_t> Burst(const QByteArray& text);

  // Installed voices, no failures, not held, an empty log. Also lets the
  // speech thread start once more in this process.
  void Reset(const QList<Voice>& voices);
  void SetVoices(const QList<Voice>& voices);
  void SetHold(bool hold);
  // Answers `result` to the call named (e.g. "nscAddTextEx") from now on.
  void Fail(const QString& call, int result);
  // nscFindNextVoice fails for record `index` (counted from 0).
  void FailFindAt(int index);

  // Finishes the oldest held text (burst and end event). False when none
  // waited within `realMs`.
  bool FinishOne(int realMs = kVornHangMs);
  // Waits until `count` texts were handed to the engine.
  bool AwaitSpoken(int count, int realMs = kVornHangMs);
  QStringList Spoken() const;
  // Ends delivered so far.
  int Ends() const;

  // The engine calls (the fake's side of them).
  int Call(const char* name) const;
  struct Channel;
  struct Job {
    Channel* channel;
    QByteArray text;
  };
  QMutex mutex;
  QWaitCondition changed;
  QList<Voice> voices;
  QMap<QString, int> failures;
  int failFindAt = -1;
  bool hold = false;
  QStringList spoken;
  QList<Job> held;
  int inFlight = 0;
  int ends = 0;
  void Deliver(Job job);
};
