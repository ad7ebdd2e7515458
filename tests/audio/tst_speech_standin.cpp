// The speech engine's stand-in (libespeak-ng behind the nsc* calls) under the
// speech thread: the card's voices found from their folders, real speech at
// the "ch1" player within a bounded time, the end of every text also when it
// gives no sound, and the rescan after a voice-pack update.
#include <QtTest>

#include "speech_fixture.h"
#include "sim/csimvoices.h"

namespace {
QString VoicesFolder() { return KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/Vorn/Sound/Voices"); }

// Samples not all silent, at least `seconds` of them at 22050 Hz.
bool IsSpeech(const QByteArray& pcm, double seconds) {
  if (pcm.size() < int(seconds * 22050) * 2) return false;
  const int16_t* s = reinterpret_cast<const int16_t*>(pcm.constData());
  int loud = 0;
  for (int i = 0; i < pcm.size() / 2; ++i)
    if (qAbs(int(s[i])) > 1000) ++loud;
  return loud > pcm.size() / 20;
}

struct StandInRig {
  VornTestRoot root;
  FakePlayer player{root.Path()};
  StandInRig() {
    CSimVoices::Prepare(VoicesFolder());
    KLX_TTS::AllowRestart();
  }
  ~StandInRig() { KLX_TTS::Stop(5000); }
  int Start() {
    CAplayFifo pipe("/tmp/tts_out", "ch1", 22050, player.Launcher());
    return KLX_TTS::Start(pipe, QFile::encodeName(VoicesFolder() + '/').constData());
  }
  QByteArray Captured() const {
    return player.Captured(KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/tmp/tts_out"));
  }
};
}  // namespace

class TstSpeechStandIn : public QObject {
  Q_OBJECT

 private slots:
  void speaksTheCardsVoices() {
    StandInRig rig;
    QCOMPARE(rig.Start(), 0);
    QTRY_VERIFY(KLX_TTS::is_TTS_Operable());
    QCOMPARE(KLX_TTS::GetVoicesCount(), CSimVoices::Factory().size());
    // Folder order: ca_laia, cn_mei, de_anna, en_emma, ...
    QCOMPARE(KLX_TTS::GetDefVoiceIndex("en"), 3);
    QCOMPARE(KLX_TTS::GetVoiceDisplayName(3), QString("Emma"));
    QCOMPARE(KLX_TTS::GetVoiceLanguage(3), QString("British English"));
    QCOMPARE(KLX_TTS::GetDefVoiceIndex("es"), 5);
    for (const char* code : {"en", "de", "fr", "es", "it", "no", "fi", "cn"})
      QVERIFY2(KLX_TTS::GetDefVoiceIndex(code) >= 0, code);

    QElapsedTimer t;
    t.start();
    QVERIFY(SpeechTakes("Landing gear down", 3));
    QTRY_VERIFY(IsSpeech(rig.Captured(), 0.5));
    QTRY_VERIFY(KLX_TTS::is_TTS_Operable());
    qInfo("spoken and ended after %lld ms", t.elapsed());

    // No sound, still an end: the next text is taken.
    const int before = rig.Captured().size();
    QVERIFY(SpeechTakes("", 3));
    QTRY_VERIFY(KLX_TTS::is_TTS_Operable());
    QCOMPARE(rig.Captured().size(), before);
  }

  // A voice whose espeak-ng voice is missing speaks nothing and ends; a
  // voice pack that takes a voice away is noticed by the rescan.
  void brokenVoiceAndUpdate() {
    StandInRig rig;
    QVERIFY(CSimVoices::Write(VoicesFolder(), {"aa_none", "British English", "Broken", "xx-nonexistent"}));
    QCOMPARE(rig.Start(), 0);
    QTRY_VERIFY(KLX_TTS::is_TTS_Operable());
    QCOMPARE(KLX_TTS::GetDefVoiceIndex("en"), 0);
    QVERIFY(SpeechTakes("Nothing to hear", 0));
    QTRY_VERIFY(KLX_TTS::is_TTS_Operable());
    QCOMPARE(rig.Captured(), QByteArray());

    const int count = KLX_TTS::GetVoicesCount();
    KLX_TTS::BeginVoicesUpdate();
    QVERIFY(QDir(VoicesFolder() + "/aa_none").removeRecursively());
    KLX_TTS::EndVoicesUpdate();
    QTRY_VERIFY(KLX_TTS::is_TTS_Operable());
    QCOMPARE(KLX_TTS::GetVoicesCount(), count - 1);
    QCOMPARE(KLX_TTS::GetVoiceFilePath(0), QString("ca_laia"));
  }

  // The whole road: a phrase given to the facade is heard at the "ch1"
  // player of this desktop (its capture file when there is no sound card).
  void facadePhraseReachesTheChannel() {
    VornFixture fx;
    CSimVoices::Prepare(VoicesFolder());
    KLX_TTS::AllowRestart();
    QCOMPARE(fx.Up(), int(KLX_Ok));
    const QString captures = KLX_Platform::SoundCaptureFolder();
    if (captures.isEmpty()) QSKIP("this desktop plays on its sound card: nothing to read back");
    QTRY_VERIFY(KLX_TTS::is_TTS_Operable());
    QCOMPARE(fx.db.SayText("Battery low", "en"), 0);
    KLX_AudioHandler* audio = fx.db.KLX_DatabaseManagerAudioHandlerPointer();
    QTRY_VERIFY(audio->QueuedPhrases().isEmpty() && KLX_TTS::is_TTS_Operable());
    // The player keeps the tail of its stream until the pipe closes.
    fx.db.KLX_DataBaseManagerStop();
    QTRY_VERIFY(IsSpeech(ReadFile(captures + "/ch1.raw"), 0.5));
  }
};

QTEST_MAIN(TstSpeechStandIn)
#include "tst_speech_standin.moc"
