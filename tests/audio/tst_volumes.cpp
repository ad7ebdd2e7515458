// The six volume levels: from a setting or a control position to the raw
// value of the mixer element and the level's signal, with the step the
// polling ignores, and through the desktop's own mixer configuration.
#include <QtTest>

#include "audio/calsamixer.h"
#include "audio/klx_audiohandler.h"
#include "audio_fixture.h"
#include "platform/klx_audio.h"
#include "tasks/klx_vorntask.h"
#include "vorn_fixture.h"
#include "vorn_testroot.h"

namespace {

struct Rig {
  VornTestRoot root;
  FakePlayer player{root.Path()};
  FakeMixerLog mixers;
  KLX_ManualClock pcmClock;
  std::shared_ptr<FakePcm::Shared> pcm = std::make_shared<FakePcm::Shared>();
  std::unique_ptr<KLX_AudioHandler> audio;

  explicit Rig(long minimum = 0, long maximum = 255, QStringList present = {}) {
    mixers.minimum = minimum;
    mixers.maximum = maximum;
    if (!present.isEmpty()) mixers.present = present;
    KLX_AudioDevices d;
    d.newMixerElement = [this] { return std::make_unique<FakeMixerElement>(&mixers); };
    d.newPcmDevice = [this] { return std::make_unique<FakePcm>(pcmClock, pcm); };
    d.startPlayer = player.Launcher();
    audio = std::make_unique<KLX_AudioHandler>(d);
    audio->KLX_AudioHandlerOpenMixers();
  }
};

const char* const kSignals[Volume_Count] = {SIGNAL(beepVolumeChanged(int)),      SIGNAL(voiceVolumeChanged(int)),
                                            SIGNAL(trimVolumeChanged(int)),      SIGNAL(bluetoothVolumeChanged(int)),
                                            SIGNAL(varioVolumeChanged(int)),     SIGNAL(speakerVolumeChanged(int))};

void Keep(KLX_AudioHandler& a, int key, int packed) {
  switch (key) {
    case Volume_TimerBeeps: a.KLX_AudioHandlerKeepTmrAlarmVolume(packed); break;
    case Volume_Speech: a.KLX_AudioHandlerKeepTeleAlarmVolume(packed); break;
    case Volume_TrimClicks: a.KLX_AudioHandlerKeepTrimClickVolume(packed); break;
    case Volume_Bluetooth: a.KLX_AudioHandlerKeepBTVolume(packed); break;
    case Volume_Vario: a.KLX_AudioHandlerKeepVarioVolume(packed); break;
    case Volume_Master: a.KLX_AudioHandlerKeepMasterVolume(packed); break;
  }
}

// "name value" lines of the desktop's mixer file.
QMap<QString, int> MixerFile() {
  QMap<QString, int> values;
  QFile f(KLX_Platform::SoundCaptureFolder() + "/mixer");
  if (!f.open(QIODevice::ReadOnly)) return values;
  for (const QString& line : QString::fromLatin1(f.readAll()).split('\n', Qt::SkipEmptyParts))
    values.insert(line.section(' ', 0, 0), line.section(' ', 1).toInt());
  return values;
}

}  // namespace

class TstVolumes : public QObject {
  Q_OBJECT

 private slots:
  void levelsReachTheirElements_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("packed");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("writes");
    QTest::newRow("master, 0..127 at 50 %") << int(Volume_Master) << 0 << 127 << 50 << 50 << QStringList{"SpeakerCtl=63"};
    QTest::newRow("trim clicks at 120: the maximum") << int(Volume_TrimClicks) << 0 << 255 << 120 << 120
                                                     << QStringList{"ch3Ctl=255"};
    QTest::newRow("timer beeps with a control: bits 0..7") << int(Volume_TimerBeeps) << -100 << 100 << 25 + 12 * 256
                                                           << 25 << QStringList{"ch2Ctl=-50"};
    QTest::newRow("speech beyond 8 bits keeps its steps") << int(Volume_Speech) << 0 << 1000 << 33 << 33
                                                          << QStringList{"ch1Ctl=330"};
    QTest::newRow("bluetooth above 120 is 120") << int(Volume_Bluetooth) << 0 << 255 << 200 << 120
                                                << QStringList{"BtA2dpCtl=255"};
    QTest::newRow("vario: no element") << int(Volume_Vario) << 0 << 255 << 70 << 70 << QStringList{};
  }
  void levelsReachTheirElements() {
    QFETCH(int, key);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, packed);
    QFETCH(int, level);
    QFETCH(QStringList, writes);
    Rig rig(minimum, maximum);
    QSignalSpy changed(rig.audio.get(), kSignals[key]);
    QCOMPARE(rig.audio->KLX_AudioHandlerGetVolume(key), 255);  // none yet
    Keep(*rig.audio, key, packed);
    QCOMPARE(rig.mixers.writes, writes);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), level);
    QCOMPARE(rig.audio->KLX_AudioHandlerGetVolume(key), level);
    // The same level again, with another control: nothing.
    Keep(*rig.audio, key, level + 7 * 256);
    QCOMPARE(rig.mixers.writes, writes);
    QCOMPARE(changed.size(), 1);
  }

  // A level change that gives the same raw value reaches QML, not ALSA.
  void theMixerIsWrittenOnlyWhenItsValueChanges() {
    Rig rig(0, 10);
    QSignalSpy changed(rig.audio.get(), SIGNAL(speakerVolumeChanged(int)));
    rig.audio->KLX_AudioHandlerKeepMasterVolume(50);
    rig.audio->KLX_AudioHandlerKeepMasterVolume(51);
    QCOMPARE(rig.mixers.writes, QStringList{"SpeakerCtl=5"});
    QCOMPARE(changed.size(), 2);
  }

  // A missing element leaves the level and its signal working.
  void aMissingElementKeepsTheLevel() {
    Rig rig(0, 255, {"SpeakerCtl", "BtA2dpCtl", "ch2Ctl", "ch3Ctl"});
    QSignalSpy changed(rig.audio.get(), SIGNAL(voiceVolumeChanged(int)));
    QTest::ignoreMessage(QtWarningMsg, "CAlsaMixer::SetVolumePercent error: not opened!");
    rig.audio->KLX_AudioHandlerKeepTeleAlarmVolume(40);
    QCOMPARE(rig.audio->KLX_AudioHandlerGetVolume(Volume_Speech), 40);
    QCOMPARE(changed.size(), 1);
    QVERIFY(rig.mixers.writes.isEmpty());
  }

  // A value ALSA refused is asked for again, not taken as set.
  void aRefusedValueIsTriedAgain() {
    FakeMixerLog log;
    CAlsaMixer mixer("SpeakerCtl", std::make_unique<FakeMixerElement>(&log));
    QVERIFY(!mixer.SetVolumeAbs(3));  // not open
    QVERIFY(mixer.Open());
    log.refuse = true;
    QVERIFY(!mixer.SetVolumePercent(50));
    log.refuse = false;
    QVERIFY(mixer.SetVolumePercent(50));
    QVERIFY(mixer.SetVolumeAbs(127));  // the same raw value: no call
    QVERIFY(mixer.SetVolumeAbs(255));
    QCOMPARE(log.writes, QStringList({"SpeakerCtl=127", "SpeakerCtl=255"}));
  }

  void controlPositionsAsLevels_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("level");
    QTest::newRow("bottom") << -2047 << 0;
    QTest::newRow("centre") << 0 << 50;
    QTest::newRow("top") << 2047 << 100;
    QTest::newRow("50.49 stays") << 20 << 50;
    QTest::newRow("50.51 rounds up") << 21 << 51;
    QTest::newRow("no value") << -2048 << -1;
    QTest::newRow("beyond the top") << 2048 << -1;
  }
  void controlPositionsAsLevels() {
    QFETCH(int, position);
    QFETCH(int, level);
    QCOMPARE(KLX_AudioHandler::KLX_AudioHandlerCalcVolumeValue(position, 100), level);
  }

  // From level 50, a control one step away changes nothing; two steps do.
  void oneStepIsIgnored_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("change");
    QTest::newRow("51") << 41 << -1;
    QTest::newRow("52") << 82 << 52;
    QTest::newRow("49") << -41 << -1;
    QTest::newRow("48") << -82 << 48;
    QTest::newRow("out of range") << 3000 << -1;
  }
  void oneStepIsIgnored() {
    QFETCH(int, position);
    QFETCH(int, change);
    Rig rig;
    rig.audio->KLX_AudioHandlerKeepVarioVolume(50);
    QList<QPair<int, int>> want;
    if (change >= 0) want.append({Volume_Vario, change});
    QCOMPARE(rig.audio->UpdateVolumeControls({{Volume_Vario, position}}), want);
  }

  // The idle alarm raises the loudspeaker and the clicks to full volume,
  // plays its burst, and gives the levels back.
  void theIdleAlarmRestoresTheLevels() {
    Rig rig;
    rig.audio->KLX_AudioHandlerKeepMasterVolume(40);
    rig.audio->KLX_AudioHandlerKeepTrimClickVolume(60);
    rig.audio->KLX_AudioHandlerIdleAlarmEnable();
    rig.audio->KLX_AudioHandlerIdleAlarmDisable();
    QCOMPARE(rig.mixers.writes, QStringList({"SpeakerCtl=102", "ch3Ctl=153", "SpeakerCtl=255", "ch3Ctl=255",
                                             "SpeakerCtl=102", "ch3Ctl=153"}));
    QTRY_COMPARE(rig.player.Captured("trimclicks").size(), 9000 * 2);
  }

  // The levels of the settings at the start, and the polling through the
  // facade: controls assigned in the settings, the levels stored back, and
  // the desktop's mixer elements (kept in a file when there is no sound
  // card) set from them.
  void thePollingStoresAndAppliesLevels() {
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    if (KLX_Platform::SoundCaptureFolder().isEmpty()) QSKIP("this desktop's mixer is a sound card's");
    auto& db = fx.db;
    // At the start the levels the settings hold (a fresh file holds none).
    KLX_AudioHandler* audio = db.KLX_DatabaseManagerAudioHandlerPointer();
    for (int key = 0; key < Volume_Count; ++key) QCOMPARE(audio->KLX_AudioHandlerGetVolume(key), 100);
    QCOMPARE(MixerFile().size(), 5);
    const int W = AtomicDirSet;
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTimer(0, W, false, KLX_VornTask::CONTROLID_FIXSWITCH_ON_GUI);
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlKeyTrims(0, W, false, KLX_VornTask::CONTROLID_Poti_SLB_GUI);
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT(30, W, false);
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT(0, W, false, KLX_VornTask::CONTROLID_Poti_ROA_GUI);
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlVario(30, W, false);
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlVario(0, W, false, KLX_VornTask::CONTROLID_Virtual_00_GUI);
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_MasterVolumeCtl(KLX_VornTask::CONTROLID_FIXSWITCH_OFF_GUI, W, false);
    db.SystemPropertiesGetSet_VolumeMaster(60, W, false);
    db.KLX_DataBaseManagerSetSystemModifyFlag(false);
    db.KLX_DataBaseManagerGetSet_EncoderRightDown(1024, W);  // the right slider at 75 %
    db.KLX_DataBaseManagerUpdateVolumes();
    QCOMPARE(db.get_Timer_Control_Value(), 100);
    QCOMPARE(db.get_Trims_Control_Value(), 75);
    QCOMPARE(db.get_BT_Control_Value(), 30);     // its slider has no value yet
    QCOMPARE(db.get_Vario_Control_Value(), 30);  // a virtual switch does not count
    QCOMPARE(db.get_MasterVolume_Control_Value(), 0);
    QCOMPARE(db.get_Trims_Control_ID(), int(KLX_VornTask::CONTROLID_Poti_SLB_GUI));  // kept
    QVERIFY(db.KLX_DataBaseManagerGetSystemModifyFlag());
    QMap<QString, int> mixer = MixerFile();
    QCOMPARE(mixer.value("ch2Ctl"), 255);
    QCOMPARE(mixer.value("ch3Ctl"), 191);
    QCOMPARE(mixer.value("SpeakerCtl"), 0);
    QCOMPARE(mixer.value("BtA2dpCtl"), 76);
    // The slider one level on: nothing; two: stored and applied.
    db.KLX_DataBaseManagerGetSet_EncoderRightDown(1065, W);
    db.KLX_DataBaseManagerUpdateVolumes();
    QCOMPARE(db.get_Trims_Control_Value(), 75);
    db.KLX_DataBaseManagerGetSet_EncoderRightDown(1106, W);
    db.KLX_DataBaseManagerUpdateVolumes();
    QCOMPARE(db.get_Trims_Control_Value(), 77);
    QCOMPARE(MixerFile().value("ch3Ctl"), 196);
  }
};

QTEST_GUILESS_MAIN(TstVolumes)
#include "tst_volumes.moc"
