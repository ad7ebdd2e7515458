// The audio thread's speech queue on the scripted engine: the voice each
// phrase gets with its fallbacks, a backlog given up while a phrase is
// spoken, the thinning by alarm index, an announcement that replaces the one
// still waiting, a refused text that does not stop the next, and what is
// spoken at all when the engine is missing or has no voice.
#include <QtTest>

#include "speech_fixture.h"

namespace {
using Voice = VornSpeechFake::Voice;

const QList<Voice> kVoices = {{"ca_laia", "Laia", "Catalan"},
                              {"es_jorge", "Jorge", "Spanish"},
                              {"en_emma", "Emma", "British English"},
                              {"de_anna", "Anna", "German"},
                              {"de_max", "Max", "German"}};
}  // namespace

class TstSpeechQueue : public QObject {
  Q_OBJECT

 private slots:
  void voiceByLanguageAndName_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("spokenBy");  // empty: dropped
    QTest::newRow("nothing named: the system language's") << "de" << "" << "" << "de_anna";
    QTest::newRow("system language without voice: voice 0") << "fi" << "" << "" << "ca_laia";
    QTest::newRow("a voice without language") << "de" << "" << "Emma" << "";
    QTest::newRow("None") << "de" << "none" << "" << "";
    QTest::newRow("NONE with a voice") << "de" << "NONE" << "Emma" << "";
    QTest::newRow("code: Laia gives way") << "de" << "es" << "" << "es_jorge";
    QTest::newRow("code without voices") << "de" << "fr" << "" << "";
    QTest::newRow("dialect") << "en" << "German" << "" << "de_anna";
    QTest::newRow("dialect and name") << "en" << "German" << "Max" << "de_max";
    QTest::newRow("unknown name: the dialect's first") << "en" << "German" << "Nobody" << "de_anna";
    QTest::newRow("unknown name, no French: the system's") << "de" << "fr" << "Nobody" << "de_anna";
    QTest::newRow("unknown dialect: the system's") << "en" << "Klingon" << "X" << "en_emma";
  }
  void voiceByLanguageAndName() {
    QFETCH(QString, system);
    QFETCH(QString, language);
    QFETCH(QString, voice);
    QFETCH(QString, spokenBy);
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    rig.fx.db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language(system, AtomicDirSet, false);
    QVERIFY(rig.Ready());
    rig.audio->PutInSpeechQueue("Altitude", language, voice, -1);
    QVERIFY(rig.Passes());
    if (spokenBy.isEmpty()) {
      QVERIFY(!rig.engine.AwaitSpoken(1, 200));
    } else {
      QVERIFY(rig.engine.AwaitSpoken(1));
      QCOMPARE(rig.engine.Spoken(), QStringList{spokenBy + "|Altitude"});
    }
    QCOMPARE(rig.audio->QueuedPhrases().size(), 0);
  }

  // While a phrase is spoken the rest wait; more than eight are given up.
  void backlogWhileSpeaking_data() {
    QTest::addColumn<int>("waiting");
    QTest::addColumn<int>("kept");
    QTest::newRow("eight wait") << 8 << 8;
    QTest::newRow("nine are given up") << 9 << 0;
  }
  void backlogWhileSpeaking() {
    QFETCH(int, waiting);
    QFETCH(int, kept);
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    QVERIFY(rig.Ready());
    rig.engine.SetHold(true);
    rig.audio->PutInSpeechQueue("A long first phrase", "en", "", -1);
    QVERIFY(rig.Passes());
    QVERIFY(rig.engine.AwaitSpoken(1));
    for (int i = 0; i < waiting; ++i) rig.audio->PutInSpeechQueue(QString("phrase %1").arg(i), "en", "", -1);
    QVERIFY(rig.Passes(2));
    QCOMPARE(rig.audio->QueuedPhrases().size(), kept);
    // Its end lets the next one go at the next pass.
    QVERIFY(rig.engine.FinishOne());
    QTRY_VERIFY(KLX_TTS::is_TTS_Operable());
    QVERIFY(rig.Passes());
    QCOMPARE(rig.engine.AwaitSpoken(2, kept ? kVornHangMs : 200), kept > 0);
    if (kept) QCOMPARE(rig.engine.Spoken().last(), QString("en_emma|phrase 0"));
  }

  void thinningByAlarmIndex() {
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    QVERIFY(rig.Ready());
    rig.engine.SetHold(true);
    rig.audio->PutInSpeechQueue("speaking", "", "", 3);
    QVERIFY(rig.Passes());
    QVERIFY(rig.engine.AwaitSpoken(1));
    for (int alarm : {3, 5, 3, -1}) rig.audio->PutInSpeechQueue(QString::number(alarm), "", "", alarm);
    rig.audio->KLX_AudioHandlerThinQueueByAlrmIdx(3);
    QStringList left;
    for (const AudioHandler::phrase_t& p : rig.audio->QueuedPhrases()) left << p.text;
    QCOMPARE(left, (QStringList{"5", "-1"}));
    // A phrase is cut to 127 characters; an empty one is refused.
    rig.audio->PutInSpeechQueue(QString(200, 'x'), "", "", -1);
    rig.audio->PutInSpeechQueue(QString(), "", "", -1);
    QCOMPARE(rig.audio->QueuedPhrases().size(), 3);
    QCOMPARE(rig.audio->QueuedPhrases().last().text, QString(127, 'x'));
  }

  // The announcement list speaks the item it shows: a step (or the reset)
  // drops its item still waiting; other phrases stay.
  void anAnnouncementReplacesTheOneWaiting() {
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    QVERIFY(rig.Ready());
    rig.engine.SetHold(true);
    rig.audio->PutInSpeechQueue("speaking", "", "", -1);
    QVERIFY(rig.Passes());
    QVERIFY(rig.engine.AwaitSpoken(1));
    auto left = [&rig] {
      QStringList texts;
      for (const AudioHandler::phrase_t& p : rig.audio->QueuedPhrases()) texts << p.text;
      return texts;
    };
    rig.audio->onTtslindexChanged("Gear up", "en", "");
    rig.audio->PutInSpeechQueue("Battery low", "", "", 5);
    rig.audio->onTtslindexChanged("Gear down", "en", "");
    QCOMPARE(left(), (QStringList{"Battery low", "Gear down"}));
    rig.audio->onTtslindexChanged("", "", "");
    QCOMPARE(left(), QStringList{"Battery low"});
  }

  // A text the engine refuses ends its request: the next one is offered.
  void refusedTextFreesTheSpeechThread() {
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    QVERIFY(rig.Ready());
    rig.engine.Fail("nscAddTextEx", 7);
    rig.audio->PutInSpeechQueue("one", "", "", -1);
    rig.audio->PutInSpeechQueue("two", "", "", -1);
    QVERIFY(rig.Passes());
    QVERIFY(rig.engine.AwaitSpoken(1));
    QTRY_VERIFY(KLX_TTS::is_TTS_Operable());
    QVERIFY(rig.Passes());
    QVERIFY(rig.engine.AwaitSpoken(2));
    QCOMPARE(rig.engine.Spoken(), (QStringList{"en_emma|one", "en_emma|two"}));
    QCOMPARE(KLX_TTS::GetStatus(), int(KLX_TTS::TTS_AddTextFailed));
    QTRY_VERIFY(KLX_TTS::is_TTS_Operable());
  }

  // Without an engine every phrase goes at the next pass; without a voice
  // they wait, as while speaking.
  void withoutEngineOrVoice_data() {
    QTest::addColumn<bool>("engine");
    QTest::addColumn<int>("phrases");
    QTest::addColumn<int>("kept");
    QTest::newRow("no engine") << false << 1 << 0;
    QTest::newRow("no voice, two") << true << 2 << 2;
    QTest::newRow("no voice, nine") << true << 9 << 0;
  }
  void withoutEngineOrVoice() {
    QFETCH(bool, engine);
    QFETCH(int, phrases);
    QFETCH(int, kept);
    SpeechRig rig;
    QVERIFY(rig.fx.Up() == KLX_Ok);
    rig.fx.db.KLX_DatabaseManagerAudioHandlerPointer()->KLX_AudioHandlerStop();
    rig.engine.Reset({});
    if (!engine) rig.engine.Fail("nscCreateServerContext", 1);
    QVERIFY(rig.Start());
    QTRY_VERIFY(KLX_TTS::is_TTS_initFailed() == !engine);
    if (engine) QTRY_COMPARE(KLX_TTS::GetVoicesCount(), 0);
    for (int i = 0; i < phrases; ++i) rig.audio->PutInSpeechQueue("x", "", "", -1);
    QVERIFY(rig.Passes());
    QCOMPARE(rig.audio->QueuedPhrases().size(), kept);
    QCOMPARE(rig.engine.Spoken(), QStringList());
  }

  // Processing switched off ends the thread at its next pass; the speaker
  // and the headset go to their minimum.
  void processingOffEndsTheThread() {
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    rig.mixers.writes.clear();
    // The thread is in its wait before the pass it waits for comes.
    QVERIFY(rig.fx.clock.KLX_ManualClockAwaitWaiters(1));
    rig.audio->KLX_AudioHandlerStopProcessing();
    rig.fx.clock.KLX_ManualClockAdvance(KLX_AudioHandler::kPassMs);
    QVERIFY(rig.audio->wait(kVornHangMs));
    QCOMPARE(rig.mixers.writes, (QStringList{"SpeakerCtl=0", "BtA2dpCtl=0"}));
  }
};

QTEST_MAIN(TstSpeechQueue)
#include "tst_speech_queue.moc"
