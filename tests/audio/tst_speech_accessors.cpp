// The facade's speech, voice and vibration accessors as QML and the alarms
// call them: vibration schemes as the simulated transceiver receives them,
// the announcement voices set, read and cleared, a voice alarm's voice on
// its phrases, and the voice lists of the screens.
#include <QtTest>

#include "speech_fixture.h"
#include "sim/csimvoices.h"

namespace {
QString VoicesFolder() { return KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/Vorn/Sound/Voices"); }
using Pattern = CSimVibration::Pattern;
}  // namespace

class TstSpeechAccessors : public QObject {
  Q_OBJECT

 private slots:
  void vibrationSchemesAtTheTransceiver_data() {
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("v1");
    QTest::addColumn<int>("v2");
    QTest::addColumn<int>("v3");
    QTest::newRow("model loaded") << 1 << 50 << 950 << 1;
    QTest::newRow("timer end") << 2 << 100 << 150 << 2;
    QTest::newRow("trim centre") << 3 << 20 << 980 << 1;
    QTest::newRow("yellow") << 4 << 250 << 750 << 1;
    QTest::newRow("red") << 5 << 350 << 650 << 1;
    QTest::newRow("inactive") << 6 << 80 << 420 << 1;
    QTest::newRow("none") << 0 << 0 << 0 << 0;
    QTest::newRow("unknown") << 7 << 0 << 0 << 0;
  }
  void vibrationSchemesAtTheTransceiver() {
    QFETCH(int, scheme);
    QFETCH(int, v1);
    QFETCH(int, v2);
    QFETCH(int, v3);
    VornFixture fx;
    QVERIFY(fx.UpOnBus(VornFixture::WithControllers));
    fx.db.KLX_DataBaseManagerActivateVibrationScheme(scheme);
    const CSimVibration& seen = fx.Controllers().TransceiverController().Vibration();
    QTRY_COMPARE(seen.Seen().size(), 1);
    QCOMPARE(seen.Seen().first(), (Pattern{v1, v2, v3}));
    QCOMPARE(seen.WrongLength(), 0);
    // Values beyond one byte go low byte first.
    QCOMPARE(fx.db.KLX_DataBaseManagerActivateVibration(0x1234, 0xABCD, 7), int(KLX_Ok));
    QTRY_COMPARE(seen.Seen().size(), 2);
    QCOMPARE(seen.Seen().last(), (Pattern{0x1234, 0xABCD, 7}));
  }

  void vibrationWithoutMessageLayer() {
    VornFixture fx;
    QCOMPARE(fx.db.KLX_DataBaseManagerActivateVibration(1, 2, 3), 0);
  }

  void announcementVoices() {
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerGetAlarmVoiceTextParams(-2), QString("\t"));
    QCOMPARE(db.KLX_DataBaseManagerVAlarmSetVoiceTextParams(-1, "German", "Anna"), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManagerVAlarmSetVoiceTextParams(-3, "", "Emma"), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManagerVAlarmSetVoiceTextParams(-4, "German", "Anna"), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerGetAlarmVoiceTextParams(-1), QString("German\tAnna"));
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetVoiceTextParams(-3), QString("\tEmma"));
    QCOMPARE(db.KLX_DataBaseManagerGetAlarmVoiceTextParams(-2), QString("\t"));
    QCOMPARE(db.KLX_DataBaseManagerGetAlarmVoiceTextParams(0), QString());
    QCOMPARE(db.KLX_DataBaseManagerGetEmptyTelemetryVoice(), QString("None"));
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    // A telemetry alarm speaks in its class's voice.
    db.VoiceAlarm_SayText("Altitude", -1);
    const AudioHandler::phrase_t p = db.KLX_DatabaseManagerAudioHandlerPointer()->QueuedPhrases().last();
    QCOMPARE(QStringList({p.text, p.language, p.voice, QString::number(p.alarmIndex)}),
             (QStringList{"Altitude", "German", "Anna", "-1"}));
    // A new model starts without them.
    db.KLX_DataBaseManagerResetAllModelData();
    QCOMPARE(db.KLX_DataBaseManagerGetAlarmVoiceTextParams(-1), QString("\t"));
  }

  // Without voices the phrases wait in the queue, as the facade put them.
  void voiceAlarmFields() {
    VornFixture fx(CSimBoard::Fenk);
    QCOMPARE(fx.Up(), int(KLX_Ok));
    KLX_DataBaseManager& db = fx.db;
    // A free alarm keeps nothing written to it: these two are in use.
    db.KLX_DataBaseManagerVAlarmGetSetType(5, KLX_DatabaseValues::VALARM_ModeAlwaysOn, AtomicDirSet);
    db.KLX_DataBaseManagerVAlarmGetSetType(6, KLX_DatabaseValues::VALARM_ModeAlwaysOn, AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmSetVoiceTextParams(5, QString::fromUtf8("Fran\u00e7ais"), "Zoe"), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetVoiceTextParams(5), QString::fromUtf8("Fran\u00e7ais\tZoe"));
    // Language without voice stores nothing; the smaller board has 32 alarms.
    QCOMPARE(db.KLX_DataBaseManagerVAlarmSetVoiceTextParams(6, "German", ""), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetVoiceTextParams(6), QString(""));
    QCOMPARE(db.KLX_DataBaseManagerVAlarmSetVoiceTextParams(32, "German", "Anna"), int(KLX_Error));
    db.SayText("Deutsch", "de");
    db.VoiceAlarm_SayText(QString::fromUtf8("H\u00f6he"), 5);
    db.VoiceAlarm_SayText("Speed", 6);
    QStringList queued;
    for (const AudioHandler::phrase_t& p : db.KLX_DatabaseManagerAudioHandlerPointer()->QueuedPhrases())
      queued << QStringList{p.text, p.language, p.voice, QString::number(p.alarmIndex)}.join('/');
    QCOMPARE(queued, (QStringList{"Deutsch/de//-1", QString::fromUtf8("H\u00f6he/Fran\u00e7ais/Zoe/5"), "Speed///6"}));

    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetTimer(5, 0x49, AtomicDirSet), 0x49);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetIndividualBit(5, 1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetIndividualBit(5, 8, AtomicDirSet), 9);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetUnsetIndividualBit(5, 1, AtomicDirSet), 8);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetTimer(5, 0, AtomicDirGet), 0x49);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetVoiceTextParams(5), QString::fromUtf8("Fran\u00e7ais\tZoe"));
  }

  void voiceListsForTheScreens() {
    VornFixture fx;
    QVERIFY(CSimVoices::Write(VoicesFolder(), {"de_anna", "German", "Anna", "de+f3"}));
    QVERIFY(CSimVoices::Write(VoicesFolder(), {"en_emma", "British English", "Emma", "en+f3"}));
    KLX_TTS::AllowRestart();
    QCOMPARE(fx.Up(), int(KLX_Ok));
    KLX_DataBaseManager& db = fx.db;
    QTRY_COMPARE(db.KLX_DataBaseManagerGetVoicesCount(), 2);
    QCOMPARE(db.KLX_DataBaseManagerGetVoicesList("all"),
             QString("0\nAnna(German)|German\t1\nEmma(British English)|British English\t"));
    QCOMPARE(db.KLX_DataBaseManagerGetVoicesList("en"), QString("1\nEmma|British English\t"));
    QCOMPARE(db.KLX_DataBaseManagerGetVoicesList("fr"), QString(""));
    QCOMPARE(db.KLX_DataBaseManagerGetVoicePath(1), QString("en_emma"));
    QCOMPARE(db.KLX_DataBaseManagerGetVoicePath(2), QString(""));
    QCOMPARE(db.KLX_DataBaseManagerGetVoiceDisplay(0), QString("Anna"));
    QCOMPARE(db.KLX_DataBaseManagerFindFirstVoiceInList("de"), 0);
    QCOMPARE(db.KLX_DataBaseManagerGetVoiceTextParamsFromList(1), QString("British English\tEmma"));
    QCOMPARE(db.KLX_DataBaseManagerGetVoiceTextParamsFromList(5), QString(""));
    // The voice selector stores a voice of the list in an alarm.
    db.KLX_DataBaseManagerVAlarmGetSetType(3, KLX_DatabaseValues::VALARM_ModeAlwaysOn, AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetVoiceParams(3, 1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetVoiceTextParams(3), QString("British English\tEmma"));
    db.KLX_DataBaseManagerStop();
  }
};

QTEST_MAIN(TstSpeechAccessors)
#include "tst_speech_accessors.moc"
