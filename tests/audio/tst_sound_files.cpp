// Sound files as the audio thread plays them: the player's exact arguments
// (a name with blanks and shell characters is one argument, never a
// command), a ".pcm" file copied into the speech pipe byte for byte, a pipe
// nobody reads costing a bounded wait, and producers never waiting for a
// sound's length.
#include <QtTest>

#include <sys/stat.h>

#include <atomic>
#include <thread>

#include "speech_fixture.h"

namespace {
QString Sounds() { return KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/Vorn/Sound/"); }
QString SpeechPipe() { return KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/tmp/tts_out"); }
const QList<VornSpeechFake::Voice> kVoices = {{"en_emma", "Emma", "British English"}};
// The head of a RIFF/WAVE file and a little of its data.
const QByteArray kWave = QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16) + QByteArray(24, '\x01');
}  // namespace

class TstSoundFiles : public QObject {
  Q_OBJECT

 private slots:
  void playerArguments_data() {
    QTest::addColumn<QString>("file");  // laid down under the root
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("args");  // with <root> for the root
    QTest::newRow("sound folder") << "/Vorn/Sound/Popup_Error.wav" << kWave << "Popup_Error" << 0
                                  << QStringList{"-N", "<root>/Vorn/Sound/Popup_Error.wav", "-q"};
    const QString odd = "/media/usb0/my song; $(touch pwned) `id` 'x'.wav";
    QTest::newRow("full path with shell characters, at most 30 s")
        << odd << kWave << odd << 256 << QStringList{"-N", "-d", "30", "<root>" + odd, "-q"};
    QTest::newRow("full path to a RIFF file of another kind")
        << "/media/usb0/clip.wav" << QByteArray("RIFF\x24\x00\x00\x00AVI LIST", 16) << "/media/usb0/clip.wav"
        << 256 << QStringList();
    QTest::newRow("full path to bytes of no sound") << "/media/usb0/random.wav" << QByteArray(4096, '\xA7')
                                                    << "/media/usb0/random.wav" << 256 << QStringList();
    QTest::newRow("other type") << "/media/usb1/tune.wav" << kWave << "/media/usb1/tune" << 7
                                << QStringList{"-N", "<root>/media/usb1/tune.wav"};
    QTest::newRow("missing file") << "/Vorn/Sound/Other.wav" << kWave << "Missing" << 0 << QStringList();
  }
  void playerArguments() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(QStringList, args);
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    const QString root = rig.fx.root.Path();
    QVERIFY(WriteFile(root + file, bytes));
    QCOMPARE(rig.audio->KLX_AudioHandlerPlay(name, "de", type), 1);
    QVERIFY(rig.Passes());
    args.replaceInStrings("<root>", root);
    QCOMPARE(rig.Played(), args.isEmpty() ? QList<QStringList>() : QList<QStringList>{args});
    QVERIFY(!QFileInfo::exists(root + "/pwned") && !QFileInfo::exists("pwned"));
  }

  // The newest request replaces one that waits; alarm beeps pick their file.
  void latestRequestAndAlarmSounds() {
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    for (const char* f : {"Block.wav", "One.wav", "Two.wav", "Alarm_Telemetry_A.wav", "Alarm_Telemetry_B.wav"})
      QVERIFY(WriteFile(Sounds() + f, kWave));
    // While a sound plays, two requests: the second replaces the first.
    rig.gateFile = "Block.wav";
    rig.audio->KLX_AudioHandlerPlay("Block", "", 0);
    QVERIFY(rig.gateReached.tryAcquire(1, 5000));
    rig.audio->KLX_AudioHandlerPlay("One", "", 0);
    rig.audio->KLX_AudioHandlerPlay("Two", "", 0);
    rig.gate.release();
    QVERIFY(rig.Passes(2));
    rig.audio->KLX_AudioHandlerAlarmBeep(0x6123, 500, false, true);
    QVERIFY(rig.Passes());
    rig.audio->KLX_AudioHandlerAlarmBeep(0x5000, 500, false, false);
    QVERIFY(rig.Passes());
    QStringList files;
    for (const QStringList& a : rig.Played()) files << a.value(1).section('/', -1);
    QCOMPARE(files, (QStringList{"Block.wav", "Two.wav", "Alarm_Telemetry_B.wav", "Alarm_Telemetry_A.wav"}));
  }

  // A sound file a user picked plays until it gives way: a phrase, an
  // alarm's sound, the stop, and the handler's stop (the switch-off) end
  // its player, and what waited comes at once.
  void aSoundFileGivesWay_data() {
    QTest::addColumn<QString>("by");
    QTest::addColumn<QStringList>("played");
    QTest::addColumn<QStringList>("spoken");
    QTest::newRow("a phrase") << "phrase" << QStringList{"Song.wav"} << QStringList{"en_emma|Gear down"};
    QTest::newRow("an alarm sound") << "alarm" << QStringList{"Song.wav", "Alarm_Telemetry_B.wav"} << QStringList();
    QTest::newRow("the stop") << "stop" << QStringList{"Song.wav"} << QStringList();
    QTest::newRow("the handler's stop") << "switch-off" << QStringList{"Song.wav"} << QStringList();
  }
  void aSoundFileGivesWay() {
    QFETCH(QString, by);
    QFETCH(QStringList, played);
    QFETCH(QStringList, spoken);
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    QVERIFY(rig.Ready());
    const QString song = rig.fx.root.Path() + "/media/usb0/Song.wav";
    QVERIFY(WriteFile(song, kWave));
    QVERIFY(WriteFile(Sounds() + "Alarm_Telemetry_B.wav", kWave));
    QSignalSpy shown(rig.audio.get(), &KLX_AudioHandler::soundFilePlayingChanged);
    rig.gateFile = "Song.wav";
    QVERIFY(rig.audio->KLX_AudioHandlerPlaySoundFile(song));
    rig.fx.clock.KLX_ManualClockAdvance(KLX_AudioHandler::kPassMs);
    QVERIFY(rig.gateReached.tryAcquire(1, 5000));
    QVERIFY(rig.audio->KLX_AudioHandlerSoundFilePlaying());
    if (by == "phrase") rig.audio->PutInSpeechQueue("Gear down", "", "", 2);
    if (by == "alarm") rig.audio->KLX_AudioHandlerAlarmBeep(0x6123, 500, false, true);
    if (by == "stop") rig.audio->KLX_AudioHandlerStopSoundFile();
    if (by == "switch-off") {
      QCOMPARE(rig.audio->KLX_AudioHandlerStop(), int(KLX_Ok));
      QVERIFY(!rig.audio->isRunning());
    } else {
      QVERIFY(rig.Passes(2));
    }
    QCOMPARE(rig.stops.load(), 1);
    QVERIFY(rig.engine.AwaitSpoken(spoken.size(), 5000));
    QCOMPARE(rig.engine.Spoken(), spoken);
    QStringList files;
    for (const QStringList& a : rig.Played()) files << a.value(a.size() - 2).section('/', -1);
    QCOMPARE(files, played);
    QTRY_COMPARE(shown.size(), 2);
    QVERIFY(!rig.audio->KLX_AudioHandlerSoundFilePlaying());
  }

  // The real player's stop: a program that runs is ended at once; one whose
  // start was cancelled never starts.
  void theRealPlayerStops() {
    VornFixture fx;
    KLX_Platform::KLX_StoppableRun run;
    std::atomic<int> result{1};
    std::thread player([&] { result = run.Run("sleep", {"30"}, {}, [] { return false; }); });
    QElapsedTimer t;
    t.start();
    // Until the program is up, a stop finds nothing to end.
    QTRY_VERIFY_WITH_TIMEOUT((run.Stop(), result != 1), 10000);
    player.join();
    QCOMPARE(result.load(), -1);
    QVERIFY2(t.elapsed() < 10000, qPrintable(QString::number(t.elapsed())));
    const QString mark = fx.root.Path() + "/started";
    QCOMPARE(run.Run("touch", {mark}, {}, [] { return true; }), -1);
    QCOMPARE(run.Run("true", {}, {}, [] { return false; }), 0);
    QVERIFY(!QFileInfo::exists(mark));
  }

  // A ".pcm" file reaches the speech pipe's reader as it is.
  void pcmIntoTheSpeechPipe() {
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    QByteArray samples;
    for (int i = 0; i < 30000; ++i) samples.append(char(i * 7));
    QVERIFY(WriteFile(Sounds() + "Welcome.pcm", samples));
    QVERIFY(::mkfifo(QFile::encodeName(SpeechPipe()).constData(), 0666) == 0);
    QByteArray got;
    std::thread reader([&got] {
      QFile in(SpeechPipe());
      if (in.open(QIODevice::ReadOnly)) got = in.readAll();
    });
    rig.audio->KLX_AudioHandlerPlay("Welcome", "", 1);
    QVERIFY(rig.Passes());
    reader.join();
    QCOMPARE(got.size(), samples.size());
    QCOMPARE(got, samples);
    QCOMPARE(rig.Played(), QList<QStringList>());
  }

  // A pipe nobody reads holds the thread a bounded time, and meanwhile the
  // producers go on: the thread's lock is free while a sound runs.
  void soundsNeverHoldTheProducers() {
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    QVERIFY(rig.Ready());
    QVERIFY(WriteFile(Sounds() + "Long.pcm", QByteArray(1000, 'x')));
    QVERIFY(::mkfifo(QFile::encodeName(SpeechPipe()).constData(), 0666) == 0);
    rig.audio->KLX_AudioHandlerPlay("Long", "", 1);
    rig.fx.clock.KLX_ManualClockAdvance(KLX_AudioHandler::kPassMs);
    QElapsedTimer t;
    t.start();
    rig.audio->PutInSpeechQueue("Still here", "", "", 4);
    rig.audio->KLX_AudioHandlerThinQueueByAlrmIdx(9);
    QVERIFY2(t.elapsed() < 300, qPrintable(QString::number(t.elapsed())));
    // The copy gives up after a second; the phrase is spoken after it.
    QVERIFY(rig.engine.AwaitSpoken(1, 5000));
    QVERIFY(t.elapsed() >= 700);
    QCOMPARE(rig.engine.Spoken(), QStringList{"en_emma|Still here"});
  }
};

QTEST_MAIN(TstSoundFiles)
#include "tst_sound_files.moc"
