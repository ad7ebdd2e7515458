// Sound files as the audio thread plays them: the player's exact arguments
// (a name with blanks and shell characters is one argument, never a
// command) and time limit, the WAVE formats the real player plays and those
// refused before it, a pipe named like a sound file refused at once, a
// failed player reported, a stop that ends only its own file, a ".pcm" file
// copied into the speech pipe byte for byte, a pipe nobody reads costing a
// bounded wait, and producers never waiting for a sound's length.
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "speech_fixture.h"

namespace {
QString Sounds() { return KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/Vorn/Sound/"); }
QString SpeechPipe() { return KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/tmp/tts_out"); }
const QList<VornSpeechFake::Voice> kVoices = {{"en_emma", "Emma", "British English"}};

// ---- WAVE files byte by byte ----
QByteArray Le16(quint16 v) { return QByteArray(1, char(v & 0xFF)) + char(v >> 8); }
QByteArray Le32(quint32 v) { return Le16(quint16(v & 0xFFFF)) + Le16(quint16(v >> 16)); }
// A chunk with its size and, after an odd size, its pad byte.
QByteArray Chunk(const char* id, const QByteArray& body) {
  return QByteArray(id, 4) + Le32(quint32(body.size())) + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}
QByteArray FmtBody(quint16 coding, quint16 channels, quint32 rate, quint16 bits, quint16 align) {
  return Le16(coding) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) + Le16(bits);
}
QByteArray Fmt(quint16 coding, quint16 channels, quint32 rate, quint16 bits, quint16 align = 0) {
  return Chunk("fmt ", FmtBody(coding, channels, rate, bits, align ? align : quint16(channels * bits / 8)));
}
// A coding other than PCM carries the size of its extra bytes.
QByteArray FmtEx(quint16 coding, quint16 channels, quint32 rate, quint16 bits, quint16 align, const QByteArray& extra) {
  return Chunk("fmt ", FmtBody(coding, channels, rate, bits, align) + Le16(quint16(extra.size())) + extra);
}
// WAVE_FORMAT_EXTENSIBLE with its sub-format GUID (`tail` after the coding).
QByteArray Extensible(quint16 coding, quint16 channels, quint16 bits, quint16 validBits,
                      const QByteArray& tail = QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14)) {
  const QByteArray extra = Le16(validBits) + Le32(channels == 2 ? 3 : 4) + Le16(coding) + tail;
  return FmtEx(0xFFFE, channels, 8000, bits, quint16(channels * bits / 8), extra);
}
QByteArray Data(const QByteArray& samples) { return Chunk("data", samples); }
QByteArray Riff(const QByteArray& chunks) { return "RIFF" + Le32(quint32(4 + chunks.size())) + "WAVE" + chunks; }
// `frames` frames of the bytes `hexFrame` spells.
QByteArray Samples(const char* hexFrame, int frames) { return QByteArray::fromHex(hexFrame).repeated(frames); }
// 16-bit mono at 8000 Hz, `frames` frames.
QByteArray Wave16(int frames) { return Riff(Fmt(1, 1, 8000, 16) + Data(Samples("1002", frames))); }
// Of 100 ms.
const QByteArray kWave = Wave16(800);

// What the desktop's default device captured of the players under the root.
QByteArray Captured() {
  QByteArray bytes;
  const QDir folder(KLX_Platform::SoundCaptureFolder());
  for (const QString& name : folder.entryList({"vorn_default.raw*"}, QDir::Files, QDir::Name))
    bytes += ReadFile(folder.filePath(name));
  return bytes;
}
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
    QTest::addColumn<int>("limitMs");  // the player's time: the sound's and 5 s for its start
    QTest::newRow("sound folder") << "/Vorn/Sound/Popup_Error.wav" << kWave << "Popup_Error" << 0
                                  << QStringList{"-N", "<root>/Vorn/Sound/Popup_Error.wav", "-q"} << 5100;
    QTest::newRow("sound folder, a length that cannot be read")
        << "/Vorn/Sound/Popup_Error.wav" << QByteArray(64, '\xA7') << "Popup_Error" << 0
        << QStringList{"-N", "<root>/Vorn/Sound/Popup_Error.wav", "-q"} << 35000;
    // A head of 1 Hz claims hours for these samples: the program's own
    // sounds are held to the most a picked file may take, too.
    const QByteArray slow = Riff(Fmt(1, 1, 1, 16) + Data(Samples("1002", 800)));
    QTest::newRow("sound folder, a head that claims hours, at most 30 s")
        << "/Vorn/Sound/Popup_Error.wav" << slow << "Popup_Error" << 0
        << QStringList{"-N", "<root>/Vorn/Sound/Popup_Error.wav", "-q"} << 35000;
    QTest::newRow("other type, a head that claims hours, at most 30 s")
        << "/media/usb1/tune.wav" << slow << "/media/usb1/tune" << 7
        << QStringList{"-N", "<root>/media/usb1/tune.wav"} << 35000;
    const QString odd = "/media/usb0/my song; $(touch pwned) `id` 'x'.wav";
    QTest::newRow("full path with shell characters, at most 30 s")
        << odd << kWave << odd << 256 << QStringList{"-N", "-d", "30", "<root>" + odd, "-q"} << 5100;
    QTest::newRow("full path to a sound of 45 s, cut at 30 s")
        << "/media/usb0/long.wav" << Wave16(45 * 8000) << "/media/usb0/long.wav" << 256
        << QStringList{"-N", "-d", "30", "<root>/media/usb0/long.wav", "-q"} << 35000;
    QTest::newRow("full path to a RIFF file of another kind")
        << "/media/usb0/clip.wav" << QByteArray("RIFF\x24\x00\x00\x00AVI LIST", 16) << "/media/usb0/clip.wav"
        << 256 << QStringList() << 0;
    QTest::newRow("full path to bytes of no sound") << "/media/usb0/random.wav" << QByteArray(4096, '\xA7')
                                                    << "/media/usb0/random.wav" << 256 << QStringList() << 0;
    QTest::newRow("other type") << "/media/usb1/tune.wav" << Wave16(8001) << "/media/usb1/tune" << 7
                                << QStringList{"-N", "<root>/media/usb1/tune.wav"} << 6001;
    QTest::newRow("missing file") << "/Vorn/Sound/Other.wav" << kWave << "Missing" << 0 << QStringList() << 0;
  }
  void playerArguments() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(QStringList, args);
    QFETCH(int, limitMs);
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    const QString root = rig.fx.root.Path();
    QVERIFY(WriteFile(root + file, bytes));
    QCOMPARE(rig.audio->KLX_AudioHandlerPlay(name, "de", type), 1);
    QVERIFY(rig.Passes());
    args.replaceInStrings("<root>", root);
    QCOMPARE(rig.Played(), args.isEmpty() ? QList<QStringList>() : QList<QStringList>{args});
    QCOMPARE(rig.Limits(), args.isEmpty() ? QList<int>() : QList<int>{limitMs});
    QVERIFY(!QFileInfo::exists(root + "/pwned") && !QFileInfo::exists("pwned"));
  }

  // A file the user picks on the real player on the desktop's devices: the
  // formats it plays reach the device sample for sample; those it refuses,
  // or plays as nothing, are refused before it (the screen says "no WAVE
  // sound file") and it never runs. Each refused row is checked against
  // the player itself too: run on the file, it plays nothing.
  void formatsThePlayerPlays_data() {
    QTest::addColumn<QByteArray>("wave");
    QTest::addColumn<QByteArray>("samples");  // what the device gets; empty: refused
    const QByteArray s8 = Samples("9070", 400);
    const QByteArray s24 = Samples("102030f0e0d0", 400);
    const QByteArray s24in32 = Samples("0010203000f0e0d0", 400);
    const QByteArray s32 = Samples("10203040", 800);
    const QByteArray f32 = Samples("0000803e000080be", 400);  // 0.25, -0.25
    const QByteArray s16 = Samples("1002", 800);
    const QByteArray list = Chunk("LIST", "INFOx");  // 5 bytes and a pad byte
    QTest::newRow("8-bit PCM") << Riff(Fmt(1, 1, 8000, 8) + Data(s8)) << s8;
    QTest::newRow("24-bit PCM") << Riff(Fmt(1, 2, 8000, 24) + Data(s24)) << s24;
    QTest::newRow("24-bit PCM in 4 bytes") << Riff(Fmt(1, 1, 8000, 24, 4) + Data(s24in32)) << s24in32;
    QTest::newRow("32-bit PCM") << Riff(Fmt(1, 1, 8000, 32) + Data(s32)) << s32;
    QTest::newRow("32-bit float") << Riff(FmtEx(3, 1, 8000, 32, 4, {}) + Data(f32)) << f32;
    QTest::newRow("extensible 24-bit PCM") << Riff(Extensible(1, 2, 24, 24) + Data(s24)) << s24;
    QTest::newRow("extensible 24 bits in 32") << Riff(Extensible(1, 2, 32, 24) + Data(s24in32)) << s24in32;
    QTest::newRow("extensible float") << Riff(Extensible(3, 2, 32, 32) + Data(f32)) << f32;
    QTest::newRow("format after a list of odd size, more data claimed than held")
        << Riff(list + Fmt(1, 1, 8000, 16) + "data" + Le32(0xFFFFFFF0u) + s16) << s16;
    const QByteArray none;
    QTest::newRow("mu-law") << Riff(FmtEx(7, 1, 8000, 8, 1, {}) + Data(s8)) << none;
    QTest::newRow("A-law") << Riff(FmtEx(6, 1, 8000, 8, 1, {}) + Data(s8)) << none;
    QTest::newRow("IMA ADPCM") << Riff(FmtEx(0x11, 1, 8000, 4, 256, Le16(505)) + Data(QByteArray(512, 1))) << none;
    QTest::newRow("MS ADPCM") << Riff(FmtEx(2, 1, 8000, 4, 256, Le16(500) + Le16(7) + QByteArray(28, 0)) +
                                      Data(QByteArray(512, 1)))
                              << none;
    QTest::newRow("GSM 6.10") << Riff(FmtEx(0x31, 1, 8000, 0, 65, Le16(320)) + Data(QByteArray(650, 1))) << none;
    QTest::newRow("MP3 inside WAVE") << Riff(FmtEx(0x55, 1, 8000, 0, 1, QByteArray(12, 0)) + Data(Samples("fffb", 200)))
                                     << none;
    QTest::newRow("64-bit float") << Riff(FmtEx(3, 1, 8000, 64, 8, {}) + Data(QByteArray(6400, 0))) << none;
    QTest::newRow("extensible mu-law") << Riff(Extensible(7, 1, 8, 8) + Data(s8)) << none;
    QTest::newRow("extensible of a foreign sub-format")
        << Riff(Extensible(1, 1, 16, 16, QByteArray(14, '\x01')) + Data(s16)) << none;
    QTest::newRow("24 bits in 5 bytes") << Riff(Fmt(1, 1, 8000, 24, 5) + Data(QByteArray(4000, 1))) << none;
    QTest::newRow("no channels") << Riff(Fmt(1, 0, 8000, 16, 2) + Data(s16)) << none;
    QTest::newRow("no rate") << Riff(Fmt(1, 1, 0, 16) + Data(s16)) << none;
    QTest::newRow("no fmt chunk") << Riff(Data(s16)) << none;
    QTest::newRow("data before the format") << Riff(Data(s16) + Fmt(1, 1, 8000, 16)) << none;
    QTest::newRow("a format too short") << Riff(Chunk("fmt ", FmtBody(1, 1, 8000, 16, 2).left(14)) + Data(s16)) << none;
    QTest::newRow("empty data chunk") << Riff(Fmt(1, 1, 8000, 16) + Data({})) << none;
    QTest::newRow("data chunk of no size, samples after it")
        << Riff(Fmt(1, 1, 8000, 16) + "data" + Le32(0) + s16) << none;
    QTest::newRow("less than a frame") << Riff(Fmt(1, 2, 8000, 16) + Data("\x10\x02\x10")) << none;
    QTest::newRow("a chunk claiming more than the file holds")
        << Riff("JUNK" + Le32(0xFFFFFFFEu) + Fmt(1, 1, 8000, 16) + Data(s16)) << none;
    // Each encoding sox writes into WAVE, as a user brings it: what it plays
    // is the data chunk as written.
    QTemporaryDir made;
    const QString sox = QStandardPaths::findExecutable("sox");
    const struct {
      const char* encoding;
      const char* bits;
      bool plays;
    } soxRows[] = {{"unsigned-integer", "8", true},  {"signed-integer", "16", true}, {"signed-integer", "24", true},
                   {"signed-integer", "32", true},   {"floating-point", "32", true}, {"floating-point", "64", false},
                   {"u-law", "8", false},            {"a-law", "8", false},         {"ima-adpcm", "4", false},
                   {"ms-adpcm", "4", false},         {"gsm-full-rate", "", false}};
    for (const auto& row : soxRows) {
      if (sox.isEmpty()) break;
      const QString name = QStringLiteral("sox: %1 %2").arg(row.encoding, row.bits).trimmed();
      const QString path = made.filePath("sox.wav");
      QStringList args{"-n", "-r", "8000", "-c", "1", "-e", QString::fromLatin1(row.encoding)};
      if (*row.bits) args << "-b" << row.bits;
      if (KLX_Platform::Run(sox, args << path << "synth" << "0.2" << "sine" << "440") != 0) continue;
      const QByteArray wave = ReadFile(path);
      QTest::newRow(qPrintable(name)) << wave << (row.plays ? wave.mid(wave.indexOf("data") + 8) : none);
    }
  }
  void formatsThePlayerPlays() {
    QFETCH(QByteArray, wave);
    QFETCH(QByteArray, samples);
    if (QStandardPaths::findExecutable("aplay").isEmpty()) QSKIP("aplay is not installed");
    SpeechRig rig;
    rig.realPlayer = true;
    QVERIFY(rig.Up(kVoices));
    if (KLX_Platform::SoundCaptureFolder().isEmpty()) QSKIP("this desktop plays on a sound card");
    QSignalSpy failed(rig.audio.get(), &KLX_AudioHandler::soundFileFailed);
    const QString path = rig.fx.root.Path() + "/media/usb0/Sound.wav";
    QVERIFY(WriteFile(path, wave));
    QCOMPARE(rig.audio->KLX_AudioHandlerPlaySoundFile(path), !samples.isEmpty());
    if (samples.isEmpty()) {
      QVERIFY(rig.Passes());
      QVERIFY(!rig.audio->KLX_AudioHandlerSoundFilePlaying());
      QCOMPARE(Captured(), QByteArray());
      // The player itself makes no sound of it either: nothing, or the
      // silence it pads a period with.
      QVERIFY(KLX_Platform::Run("aplay", {"-N", "-d", "30", path, "-q"}, KLX_Platform::kDefaultToolMs, nullptr,
                                KLX_Platform::PlayerEnvironment()) >= 0);
      QCOMPARE(Captured().count('\0'), Captured().size());
      return;
    }
    // The real player takes its time: one pass starts it.
    rig.fx.clock.KLX_ManualClockAdvance(KLX_AudioHandler::kPassMs);
    QTRY_VERIFY(!rig.audio->KLX_AudioHandlerSoundFilePlaying());
    QCOMPARE(Captured().left(samples.size()), samples);
    QCOMPARE(failed.size(), 0);
  }

  // A pipe named like a sound file is refused at once, never read: opening
  // it for reading would wait for a writer, holding the screen's thread.
  void aPipeNamedLikeASoundIsRefusedAtOnce() {
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    const QString pipe = rig.fx.root.Path() + "/media/usb0/x.wav";
    QVERIFY(QDir().mkpath(QFileInfo(pipe).path()));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0666) == 0);
    QSemaphore done;
    std::atomic<bool> played{true};
    std::thread picker([&] {
      played = rig.audio->KLX_AudioHandlerPlaySoundFile(pipe);
      done.release();
    });
    const bool returned = done.tryAcquire(1, kVornHangMs);
    if (!returned) {
      // A writer lets the reader go, so that the case ends.
      const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) ::close(fd);
    }
    picker.join();
    QVERIFY2(returned, "the check waited on the pipe");
    QVERIFY(!played);
    QVERIFY(rig.Passes());
    QCOMPARE(rig.Played(), QList<QStringList>());
  }

  // A file that does not play after all is reported (the screen says so);
  // a stopped one is not.
  void aFailedPlayIsReported_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("played");
    QTest::addColumn<bool>("reported");
    const QStringList song{"Song.wav"};
    QTest::newRow("the player fails") << "exit 1" << song << true;
    QTest::newRow("the player does not start") << "no start" << song << true;
    QTest::newRow("no longer a WAVE file when its turn comes") << "replaced" << QStringList{"Block.wav"} << true;
    QTest::newRow("the player plays it") << "exit 0" << song << false;
    QTest::newRow("stopped") << "stop" << song << false;
  }
  void aFailedPlayIsReported() {
    QFETCH(QString, how);
    QFETCH(QStringList, played);
    QFETCH(bool, reported);
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    rig.playerResult = how == "exit 1" ? 1 : how == "no start" ? -1 : 0;
    QSignalSpy failed(rig.audio.get(), &KLX_AudioHandler::soundFileFailed);
    const QString song = rig.fx.root.Path() + "/media/usb0/Song.wav";
    QVERIFY(WriteFile(song, kWave));
    if (how == "replaced") {
      // A sound of the program's own plays while the file waits its turn.
      QVERIFY(WriteFile(Sounds() + "Block.wav", kWave));
      rig.gateFiles = QStringList{"Block.wav"};
      rig.audio->KLX_AudioHandlerPlay("Block", "", 0);
      rig.fx.clock.KLX_ManualClockAdvance(KLX_AudioHandler::kPassMs);
      QVERIFY(rig.gateReached.tryAcquire(1, kVornHangMs));
    }
    if (how == "stop") rig.gateFiles = QStringList{"Song.wav"};
    QVERIFY(rig.audio->KLX_AudioHandlerPlaySoundFile(song));
    if (how == "replaced") {
      QVERIFY(WriteFile(song, "RIFF"));
      rig.gate.release();
    }
    if (how == "stop") {
      rig.fx.clock.KLX_ManualClockAdvance(KLX_AudioHandler::kPassMs);
      QVERIFY(rig.gateReached.tryAcquire(1, kVornHangMs));
      rig.audio->KLX_AudioHandlerStopSoundFile();
    }
    QVERIFY(rig.Passes(2));
    QStringList files;
    for (const QStringList& a : rig.Played()) files << a.value(a.size() - 2).section('/', -1);
    QCOMPARE(files, played);
    QTRY_VERIFY(!rig.audio->KLX_AudioHandlerSoundFilePlaying());
    QCoreApplication::processEvents();
    QCOMPARE(failed.size(), reported ? 1 : 0);
    if (reported) QCOMPARE(failed.first().value(0).toString(), song);
  }

  // A stop that comes as the file ends, chosen before the end and carried
  // out after the next sound (an alarm's) has begun, leaves that sound
  // playing: it ends the file's own run only.
  void aLateStopLeavesTheNextSound() {
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    const QString song = rig.fx.root.Path() + "/media/usb0/Song.wav";
    QVERIFY(WriteFile(song, kWave));
    QVERIFY(WriteFile(Sounds() + "Alarm_Telemetry_B.wav", kWave));
    rig.gateFiles = QStringList{"Song.wav", "Alarm_Telemetry_B.wav"};
    QVERIFY(rig.audio->KLX_AudioHandlerPlaySoundFile(song));
    rig.fx.clock.KLX_ManualClockAdvance(KLX_AudioHandler::kPassMs);
    QVERIFY(rig.gateReached.tryAcquire(1, kVornHangMs));
    bool alarmBegun = false;
    rig.stopChosen = [&] {
      // The file ends; the thread takes the alarm at once (the alarm's
      // dimming of the vario woke it) or at its next pass.
      rig.gate.release();
      QElapsedTimer t;
      t.start();
      while (!alarmBegun && t.elapsed() < kVornHangMs) {
        if (rig.fx.clock.KLX_ManualClockWaiters() > 0) rig.fx.clock.KLX_ManualClockAdvance(KLX_AudioHandler::kPassMs);
        alarmBegun = rig.gateReached.tryAcquire(1, 10);
      }
    };
    // The alarm's sound stops the file as it is queued.
    rig.audio->KLX_AudioHandlerAlarmBeep(0x6123, 500, false, true);
    QVERIFY(alarmBegun);
    QCOMPARE(rig.stops.load(), 0);
    QVERIFY(!rig.audio->KLX_AudioHandlerSoundFilePlaying());
    rig.gate.release();
    QVERIFY(rig.Passes());
    QStringList files;
    for (const QStringList& a : rig.Played()) files << a.value(a.size() - 2).section('/', -1);
    QCOMPARE(files, (QStringList{"Song.wav", "Alarm_Telemetry_B.wav"}));
    QCOMPARE(rig.Results(), (QList<int>{0, 0}));
  }

  // The newest request replaces one that waits; alarm beeps pick their file.
  void latestRequestAndAlarmSounds() {
    SpeechRig rig;
    QVERIFY(rig.Up(kVoices));
    for (const char* f : {"Block.wav", "One.wav", "Two.wav", "Alarm_Telemetry_A.wav", "Alarm_Telemetry_B.wav"})
      QVERIFY(WriteFile(Sounds() + f, kWave));
    // While a sound plays, two requests: the second replaces the first.
    rig.gateFiles = QStringList{"Block.wav"};
    rig.audio->KLX_AudioHandlerPlay("Block", "", 0);
    QVERIFY(rig.gateReached.tryAcquire(1, kVornHangMs));
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
    rig.gateFiles = QStringList{"Song.wav"};
    QVERIFY(rig.audio->KLX_AudioHandlerPlaySoundFile(song));
    rig.fx.clock.KLX_ManualClockAdvance(KLX_AudioHandler::kPassMs);
    QVERIFY(rig.gateReached.tryAcquire(1, kVornHangMs));
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
    QVERIFY(rig.engine.AwaitSpoken(spoken.size()));
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
    QTRY_VERIFY((run.Stop(), result != 1));
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
    QVERIFY(rig.engine.AwaitSpoken(1));
    QVERIFY(t.elapsed() >= 700);
    QCOMPARE(rig.engine.Spoken(), QStringList{"en_emma|Still here"});
  }
};

QTEST_MAIN(TstSoundFiles)
#include "tst_sound_files.moc"
