// Beeps and clicks as the players receive them: every block sample by sample
// against its own computation, the players started with their exact command
// lines on the first block, replaced when they die, and never a writer hung
// on a player that does not read.
#include <QtTest>

#include <sys/prctl.h>
#include <sys/stat.h>

#include <cmath>
#include <thread>

#include "audio/caplayfifo.h"
#include "audio/klx_audiohandler.h"
#include "audio_fixture.h"
#include "frame/klx_filenamehandler.h"
#include "platform/klx_audio.h"
#include "vorn_testroot.h"

namespace {

// Half a sine period over 24000 steps, peak 32760.
int Entry(long i) { return int(32760.0 * std::sin(double(i) * M_PI / 24000.0)); }

// Sample k of a tone of f Hz at 48000 samples a second.
int Oscillator(long k, int f) {
  const long step = (k * f) % 48000;
  return step < 24000 ? Entry(step) : -Entry(step - 24000);
}

QByteArray Bytes(const std::vector<int16_t>& samples) {
  return QByteArray(reinterpret_cast<const char*>(samples.data()), int(samples.size() * 2));
}

// The plain form: the tone at level percent, ended by silence up to whole
// blocks of 3000 samples, or led by silence when shorter than one block.
std::vector<int16_t> Plain(int f, int ms, int level) {
  const long n = std::min(48L * ms, 48000L);
  std::vector<int16_t> tone;
  for (long k = 0; k < n; ++k) tone.push_back(int16_t(qBound(-32767, Oscillator(k, f) * level / 100, 32767)));
  if (n < 3000) {
    std::vector<int16_t> block(size_t(3000 - n), 0);
    block.insert(block.end(), tone.begin(), tone.end());
    return block;
  }
  tone.resize(size_t((n + 2999) / 3000 * 3000), 0);
  return tone;
}

// The alarm form: full level on the odd positions, square-law fades over
// L = 4 x clamp(n / 8, 32, 64) positions at both ends.
std::vector<int16_t> Alarm(int f, int ms) {
  const long full = std::min(48L * ms, 48000L);
  const double L = 4 * qBound(32L, full / 8, 64L);
  const long n = full % 32768;
  if (n == 0) return {0};
  std::vector<int16_t> block(size_t(2 * n), 0);
  for (long i = 0; i < 2 * n; i += 2) {
    double v = Oscillator(i / 2, f);
    if (i < L) v *= (i / L) * (i / L);
    if (i >= 2 * n - L) v *= ((2 * n - i) / L) * ((2 * n - i) / L);
    block[size_t(i + 1)] = int16_t(std::trunc(v));
  }
  block.resize(size_t((2 * n + 2999) / 3000 * 3000), 0);
  return block;
}

struct Rig {
  VornTestRoot root;
  FakePlayer player{root.Path()};
  FakeMixerLog mixers;
  std::shared_ptr<FakePcm::Shared> pcm = std::make_shared<FakePcm::Shared>();
  KLX_ManualClock pcmClock;
  KLX_AudioHandler audio{Devices()};

  KLX_AudioDevices Devices() {
    KLX_AudioDevices d;
    d.newMixerElement = [this] { return std::make_unique<FakeMixerElement>(&mixers); };
    d.newPcmDevice = [this] { return std::make_unique<FakePcm>(pcmClock, pcm); };
    d.startPlayer = player.Launcher();
    return d;
  }
  static QString Trim() { return KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/tmp/trimclicks"); }
  static QString Beeps() { return KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/tmp/beeps"); }
};

bool ProcessIsZombie(pid_t pid) {
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return false;
  const QByteArray text = stat.readAll();
  return text.mid(text.lastIndexOf(')') + 2, 1) == "Z";
}

}  // namespace

class TstTones : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // Players orphaned by their shell become this process's children, as
    // they do under a program that is the first process of its container:
    // a killed one stays a zombie until someone reaps it.
    QCOMPARE(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  }

  void blocksSampleBySample_data() {
    QTest::addColumn<bool>("timerBeep");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("alarm");
    QTest::addColumn<int>("samples");
    // 3840 tone samples and 2160 of silence.
    QTest::newRow("trim click 80 ms") << false << 1650 << 80 << 70 << false << 6000;
    // 2040 of silence, then 960 tone samples.
    QTest::newRow("click 20 ms") << false << 1050 << 20 << 100 << false << 3000;
    QTest::newRow("lowest level and frequency") << true << 50 << 100 << 2 << false << 6000;
    QTest::newRow("0 ms is one block of silence") << true << 1000 << 0 << 50 << false << 3000;
    // Cut to one second; the sign flips every 24 samples.
    QTest::newRow("2000 ms beep") << true << 1000 << 2000 << 100 << false << 48000;
    QTest::newRow("level 120 saturates") << true << 440 << 70 << 120 << false << 6000;
    // n = 3840, F = 64, L = 256: 7680 positions, padded to 9000.
    QTest::newRow("idle alarm 80 ms") << false << 1050 << 80 << 100 << true << 9000;
    // n = 96, L = 128: the fades overlap on all 192 positions.
    QTest::newRow("alarm 2 ms") << false << 1050 << 2 << 100 << true << 3000;
    // n = 48000 mod 32768 = 15232.
    QTest::newRow("alarm 1000 ms") << false << 3000 << 1000 << 100 << true << 33000;
  }
  void blocksSampleBySample() {
    QFETCH(bool, timerBeep);
    QFETCH(int, frequency);
    QFETCH(int, ms);
    QFETCH(int, level);
    QFETCH(bool, alarm);
    QFETCH(int, samples);
    Rig rig;
    const std::vector<int16_t> expected = alarm ? Alarm(frequency, ms) : Plain(frequency, ms, level);
    QCOMPARE(int(expected.size()), samples);
    if (timerBeep)
      rig.audio.AlarmTimerPlayBeep(uint16_t(frequency), uint16_t(ms), uint8_t(level), alarm);
    else
      rig.audio.PlayTrimClicks(uint16_t(frequency), uint16_t(ms), uint8_t(level), alarm);
    const QString pipe = timerBeep ? Rig::Beeps() : Rig::Trim();
    QTRY_COMPARE(rig.player.Captured(pipe).size(), samples * 2);
    const QByteArray got = rig.player.Captured(pipe);
    const QByteArray want = Bytes(expected);
    for (int i = 0; i < samples; ++i) {
      const int16_t g = reinterpret_cast<const int16_t*>(got.constData())[i];
      const int16_t w = reinterpret_cast<const int16_t*>(want.constData())[i];
      if (g != w) QFAIL(qPrintable(QStringLiteral("sample %1: %2, expected %3").arg(i).arg(g).arg(w)));
    }
  }

  void levelsAndFrequenciesThatWriteNothing_data() {
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("level");
    QTest::newRow("level 1") << 1000 << 1;
    QTest::newRow("level 0") << 1000 << 0;
    QTest::newRow("49 Hz") << 49 << 100;
  }
  void levelsAndFrequenciesThatWriteNothing() {
    QFETCH(int, frequency);
    QFETCH(int, level);
    Rig rig;
    rig.audio.PlayTrimClicks(uint16_t(frequency), 80, uint8_t(level), false);
    rig.audio.AlarmTimerPlayBeep(uint16_t(frequency), 80, uint8_t(level), false);
    QVERIFY(rig.player.Commands().isEmpty());
    QVERIFY(!QFileInfo::exists(Rig::Trim()));
    QVERIFY(!QFileInfo::exists(Rig::Beeps()));
  }

  // One player per pipe, started by its first block with the exact command.
  void playersStartOnTheFirstBlock() {
    Rig rig;
    rig.audio.PlayTrimClicks(1050, 80, 100, false);
    rig.audio.PlayTrimClicks(1650, 80, 100, false);
    rig.audio.AlarmTimerPlayBeep(2000, 200, 100, false);
    QCOMPARE(rig.player.Commands(),
             QStringList({"aplay -D ch3 -t raw -f S16_LE -r 48000 " + Rig::Trim() + "  & echo $!",
                          "aplay -D ch2 -t raw -f S16_LE -r 48000 " + Rig::Beeps() + "  & echo $!"}));
    struct stat made;
    QVERIFY(::stat(QFile::encodeName(Rig::Trim()).constData(), &made) == 0 && S_ISFIFO(made.st_mode));
    QTRY_COMPARE(rig.player.Captured(Rig::Trim()), Bytes(Plain(1050, 80, 100)) + Bytes(Plain(1650, 80, 100)));
    QTRY_COMPARE(rig.player.Captured(Rig::Beeps()), Bytes(Plain(2000, 200, 100)));
  }

  // A killed player is still a process until reaped; the next block starts a
  // new one and plays.
  void aKilledPlayerIsReplaced() {
    Rig rig;
    rig.audio.PlayTrimClicks(1050, 80, 100, false);
    QTRY_COMPARE(rig.player.Captured(Rig::Trim()).size(), 12000);
    const pid_t first = rig.player.LastPid();
    rig.player.KillLast();
    QTRY_VERIFY(ProcessIsZombie(first));
    rig.audio.PlayTrimClicks(1650, 80, 100, false);
    QCOMPARE(rig.player.Commands().size(), 2);
    QVERIFY(rig.player.LastPid() != first);
    QTRY_COMPARE(rig.player.Captured(Rig::Trim()), Bytes(Plain(1050, 80, 100)) + Bytes(Plain(1650, 80, 100)));
    QVERIFY(!QFileInfo::exists(QStringLiteral("/proc/%1").arg(first)));  // reaped
  }

  // A player that closed its pipe but lives on: the write fails, the stream
  // is closed, and the next block starts a new player. The closing is told
  // in the developers' lines, not on the terminal.
  void aFailedWriteRestartsTheNextTime() {
    Rig rig;
    VornTerminalLines lines;
    // It reads the first click whole: that write is done before it closes.
    rig.player.SetMode(FakePlayer::Deaf, int(Plain(1050, 80, 100).size() * 2));
    rig.audio.PlayTrimClicks(1050, 80, 100, false);
    QTRY_VERIFY(QFileInfo::exists(rig.root.Path() + "/deaf"));
    rig.player.SetMode(FakePlayer::Copy);
    rig.audio.PlayTrimClicks(1050, 80, 100, false);  // no reader: fails
    QCOMPARE(rig.player.Commands().size(), 1);
    rig.audio.PlayTrimClicks(1650, 80, 100, false);
    QCOMPARE(rig.player.Commands().size(), 2);
    QTRY_COMPARE(rig.player.Captured(Rig::Trim()), Bytes(Plain(1650, 80, 100)));
    QCOMPARE(lines.TerminalWithAny({"CAplayFifo::Close()"}), QStringList());
    const QStringList closed = lines.Developer().filter("CAplayFifo::Close()");
    QVERIFY2(closed.contains("CAplayFifo::Close() -> fclose(m_fOutput)") &&
                 closed.contains("CAplayFifo::Close() -> QFile::remove(m_FifoName)"),
             qPrintable(closed.join('\n')));
  }

  // A player that dies while a block is written (one longer than the pipe
  // holds, so that the writer waits on it) is replaced at once, and the new
  // one gets the block whole, also when the write fails before /proc shows
  // the old one dead.
  void aPlayerThatDiesWhileABlockIsWrittenIsReplaced() {
    VornTestRoot root;
    FakePlayer player(root.Path());
    player.SetMode(FakePlayer::Stuck, 1000);
    CAplayFifo pipe("/tmp/trimclicks", "ch3", 48000, player.Launcher());
    const std::vector<int16_t> block = Plain(1000, 1000, 100);
    QCOMPARE(block.size() * 2, size_t(96000));
    bool written = false;
    std::thread writer([&] { written = pipe.Write(block.data(), block.size() * 2); });
    const bool stuck = QTest::qWaitFor([&] { return QFileInfo::exists(root.Path() + "/stuck"); }, kVornHangMs);
    player.SetMode(FakePlayer::Copy);
    player.KillLast();
    writer.join();
    QVERIFY(stuck);
    QVERIFY(written);
    QCOMPARE(player.Commands().size(), 2);
    QTRY_COMPARE(player.Captured(pipe.FifoName()), Bytes(block));
  }

  // A player that never opens its pipe costs the writer a bounded wait on
  // its clock, not the rest of its life.
  void aPlayerThatNeverReadsCostsABoundedWait() {
    VornTestRoot root;
    FakePlayer player(root.Path());
    player.SetMode(FakePlayer::NeverReads);
    KLX_ManualClock clock;
    CAplayFifo pipe("/tmp/beeps", "ch2", 48000, player.Launcher(), &clock);
    const std::vector<int16_t> block = Plain(1000, 80, 100);
    bool written = true;
    std::thread writer([&] { written = pipe.Write(block.data(), block.size() * 2); });
    QVERIFY(clock.KLX_ManualClockRun(CAplayFifo::kReaderWaitMs - 10));
    QVERIFY(writer.joinable() && clock.KLX_ManualClockWaiters() == 1);  // still waiting
    clock.KLX_ManualClockAdvance(20);
    writer.join();
    QVERIFY(!written);
    QCOMPARE(player.Commands().size(), 1);
  }

  // Clicks and the idle alarm come from different threads: each block
  // reaches the player whole.
  void blocksFromTwoThreadsStayWhole() {
    Rig rig;
    constexpr int kEach = 12;
    auto play = [&](uint16_t f, bool alarm) {
      for (int i = 0; i < kEach; ++i) rig.audio.PlayTrimClicks(f, 80, 100, alarm);
    };
    std::thread a(play, 1050, false);
    std::thread b(play, 1650, true);
    a.join();
    b.join();
    const QByteArray click = Bytes(Plain(1050, 80, 100));
    const QByteArray alarm = Bytes(Alarm(1650, 80));
    QTRY_COMPARE(rig.player.Captured(Rig::Trim()).size(), kEach * (click.size() + alarm.size()));
    QByteArray rest = rig.player.Captured(Rig::Trim());
    int clicks = 0, alarms = 0;
    while (!rest.isEmpty()) {
      if (rest.startsWith(click)) {
        ++clicks;
        rest.remove(0, click.size());
      } else if (rest.startsWith(alarm)) {
        ++alarms;
        rest.remove(0, alarm.size());
      } else {
        QFAIL("a block was cut by another");
      }
    }
    QCOMPARE(clicks, kEach);
    QCOMPARE(alarms, kEach);
  }

  // The real player on the desktop's own configuration: without a sound card
  // the device captures what it plays.
  void theRealPlayerCapturesItsDevice() {
    if (QStandardPaths::findExecutable("aplay").isEmpty()) QSKIP("aplay is not installed");
    VornTestRoot root;
    if (KLX_Platform::SoundCaptureFolder().isEmpty()) QSKIP("this desktop plays on a sound card");
    const std::vector<int16_t> block = Plain(1650, 80, 100);
    {
      CAplayFifo pipe("/tmp/trimclicks", "ch3", 48000);
      QVERIFY(pipe.Write(block.data(), block.size() * 2));
      QVERIFY(pipe.Write(block.data(), block.size() * 2));
    }  // closed: the player plays the rest and ends
    const QString capture = KLX_Platform::SoundCaptureFolder() + "/ch3.raw";
    QTRY_VERIFY(QFileInfo(capture).size() >= 24000);
    QFile f(capture);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray got = f.readAll();
    QCOMPARE(got.left(24000), Bytes(block) + Bytes(block));
    // aplay fills its last period with silence.
    QCOMPARE(got.mid(24000), QByteArray(got.size() - 24000, '\0'));
  }
};

QTEST_GUILESS_MAIN(TstTones)
#include "tst_tones.moc"
