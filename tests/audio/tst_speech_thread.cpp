// The speech thread on the scripted engine: the voice scan and its defaults,
// the voice queries, the answers to a text offered, an engine call failing
// at start, and the rescan after a voice-pack update.
#include <QtTest>

#include "speech_fixture.h"

namespace {
using Voice = VornSpeechFake::Voice;

const QList<Voice> kVoices = {{"ca_laia", "Laia", "Catalan"},      {"de_anna", "Anna", "German"},
                              {"us_joe", "Joe", "American English"}, {"en_emma", "Emma", "British English"},
                              {"es_jorge", "Jorge", "Spanish"},      {"fr_zoe", "Zo\u00e9", "Fran\u00e7ais"}};

struct ThreadRig {
  VornTestRoot root;
  FakePlayer player{root.Path()};
  VornSpeechFake& engine = VornSpeechFake::Get();
  ~ThreadRig() { KLX_TTS::Stop(5000); }
  int Start() {
    CAplayFifo pipe("/tmp/tts_out", "ch1", 22050, player.Launcher());
    return KLX_TTS::Start(pipe, "/Vorn/Sound/Voices/", VornSpeechFake::Engine());
  }
  // The thread has scanned (or given up).
  static bool Settled() {
    for (QDeadlineTimer late(kVornHangMs); !late.hasExpired(); QThread::msleep(2))
      if (KLX_TTS::is_TTS_initFailed() || KLX_TTS::is_TTS_Ready()) return true;
    return KLX_TTS::is_TTS_initFailed() || KLX_TTS::is_TTS_Ready();
  }
};
}  // namespace

class TstSpeechThread : public QObject {
  Q_OBJECT

 private slots:
  void voiceQueries() {
    ThreadRig rig;
    rig.engine.Reset(kVoices);
    QCOMPARE(rig.Start(), 0);
    QVERIFY(ThreadRig::Settled());
    QCOMPARE(KLX_TTS::GetVoicesCount(), 6);
    QVERIFY(KLX_TTS::is_TTS_Voiceable());
    // "British" before "English": the default voice is Emma.
    QCOMPARE(KLX_TTS::GetDefVoiceIndex("en"), 2);
    QCOMPARE(KLX_TTS::GetVoiceIndex(QString("en"), 3), 3);
    QCOMPARE(KLX_TTS::GetVoiceIndex(QString("xx"), 0), -2);
    QCOMPARE(KLX_TTS::GetVoiceIndex(QString("en"), 6), -1);
    QCOMPARE(KLX_TTS::GetVoiceIndex(QString("fr"), 0), 5);
    QCOMPARE(KLX_TTS::GetDefVoiceIndex("es"), 4);
    QCOMPARE(KLX_TTS::GetVoiceIndex(QString::fromUtf8("Fran\u00e7ais"), QString::fromUtf8("Zo\u00e9")), 5);
    QCOMPARE(KLX_TTS::GetFirstDialectVoiceIndex("German"), 1);
    QCOMPARE(KLX_TTS::GetFirstDialectVoiceIndex("Germ"), -1);
    QCOMPARE(KLX_TTS::GetVoiceFilePath(3), QString("en_emma"));
    QVERIFY(KLX_TTS::GetVoiceDisplayName(6).isNull());
    QVERIFY(KLX_TTS::GetVoiceLanguage(-1).isNull());
    // A second start in the same run is refused.
    QCOMPARE(rig.Start(), int(KLX_TTS::TTS_Busy));
  }

  void textsOffered() {
    ThreadRig rig;
    rig.engine.Reset(kVoices);
    rig.engine.SetHold(true);
    // 10 from the channel start counts as success.
    rig.engine.Fail("nscStartChannel", 10);
    QCOMPARE(rig.Start(), 0);
    QVERIFY(ThreadRig::Settled());
    // Ready is set while the thread still holds its requests on its way to
    // waiting for one; until then every offer is busy.
    QTRY_COMPARE(KLX_TTS::SayThisText("x", -1), int(KLX_TTS::TTS_BadArgument));
    QCOMPARE(KLX_TTS::SayThisText("x", 6), int(KLX_TTS::TTS_BadArgument));
    QCOMPARE(KLX_TTS::SayThisText(nullptr, 0), int(KLX_TTS::TTS_BadArgument));
    QVERIFY(KLX_TTS::is_TTS_Operable());
    QCOMPARE(KLX_TTS::SayThisText("Gear down", 1), 0);
    QCOMPARE(KLX_TTS::SayThisText("again", 1), int(KLX_TTS::TTS_Busy));
    QVERIFY(!KLX_TTS::is_TTS_Operable());
    QVERIFY(rig.engine.AwaitSpoken(1));
    QVERIFY(rig.engine.FinishOne());
    QTRY_VERIFY(KLX_TTS::is_TTS_Operable());
    QCOMPARE(rig.engine.Spoken(), QStringList{"de_anna|Gear down"});
    // The burst reached the speech pipe's player.
    const std::vector<int16_t> burst = VornSpeechFake::Burst("Gear down");
    const QByteArray bytes(reinterpret_cast<const char*>(burst.data()), int(burst.size() * 2));
    const QString pipe = KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/tmp/tts_out");
    QTRY_COMPARE(rig.player.Captured(pipe), bytes);
    QVERIFY(rig.player.Commands().value(0).startsWith("aplay -D ch1 -t raw -f S16_LE -r 22050 "));
  }

  void engineFailsAtStart_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("status");
    QTest::newRow("dispatcher") << "nscCreateDispatcher" << int(KLX_TTS::TTS_DispatcherFailed);
    QTest::newRow("server context") << "nscCreateServerContext" << int(KLX_TTS::TTS_ContextFailed);
    QTest::newRow("voices folder") << "nscSetVoicesPaths" << int(KLX_TTS::TTS_SetPathFailed);
    QTest::newRow("server information") << "nscGetServerInfo" << int(KLX_TTS::TTS_ServerInfoFailed);
  }
  void engineFailsAtStart() {
    QFETCH(QString, call);
    QFETCH(int, status);
    ThreadRig rig;
    rig.engine.Reset(kVoices);
    rig.engine.Fail(call, 1);
    QCOMPARE(rig.Start(), 0);
    QTRY_VERIFY(KLX_TTS::is_TTS_initFailed());
    QTRY_COMPARE(KLX_TTS::GetStatus(), status);
    QCOMPARE(KLX_TTS::SayThisText("x", 0), int(KLX_TTS::TTS_NotReady));
  }

  // A scan that stops early keeps what it found; no voice at all leaves the
  // thread waiting for a voice-pack update, which scans again.
  void scanAndRescan() {
    {
      ThreadRig rig;
      rig.engine.Reset(kVoices);
      rig.engine.FailFindAt(2);
      QCOMPARE(rig.Start(), 0);
      QVERIFY(ThreadRig::Settled());
      QCOMPARE(KLX_TTS::GetVoicesCount(), 2);
    }
    ThreadRig rig;
    rig.engine.Reset({});
    QCOMPARE(rig.Start(), 0);
    QVERIFY(ThreadRig::Settled());
    QCOMPARE(KLX_TTS::GetVoicesCount(), 0);
    QVERIFY(!KLX_TTS::is_TTS_Operable());
    QVERIFY(!KLX_TTS::is_TTS_initFailed());
    KLX_TTS::BeginVoicesUpdate();
    rig.engine.SetVoices(kVoices.mid(3, 1));
    QCOMPARE(KLX_TTS::SayThisText("x", 0), int(KLX_TTS::TTS_NotReady));
    KLX_TTS::EndVoicesUpdate();
    QTRY_VERIFY(KLX_TTS::is_TTS_Operable());
    QCOMPARE(KLX_TTS::GetVoicesCount(), 1);
    // The thread still holds its requests while it sets the voice it found.
    QVERIFY(SpeechTakes("Welcome", 0));
    QVERIFY(rig.engine.AwaitSpoken(1));
    QCOMPARE(rig.engine.Spoken(), QStringList{"en_emma|Welcome"});
  }
};

QTEST_MAIN(TstSpeechThread)
#include "tst_speech_thread.moc"
