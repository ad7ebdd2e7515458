// The timers on their own: how a value is split and spoken, the state
// machine of a simple timer, the interval table and the names of a complex
// timer, and the facade's doors refusing indices with their codes.
#include <QTranslator>

#include "frame/klx_utf8.h"
#include "model/model_fixture.h"
#include "timers/ccomplextimer.h"
#include "timers/klx_complextimer.h"
#include "timers/klx_timer.h"

namespace {
constexpr int W = AtomicDirSet;
constexpr int R = AtomicDirGet;
constexpr int kOn = 2047;
constexpr int kOff = -2047;
constexpr int kNone = -2048;

// A simple timer in use with the given start and stop minutes.
void Setup(KLX_Timer& t, int startMin, int stopMin) {
  t.KLX_TimerGetSet_IsUsed(1, W);
  t.KLX_TimerGetSet_StartTimeMinute(startMin, W);
  t.KLX_TimerGetSet_StopTimeMinute(stopMin, W);
}

QString Chars(KLX_Timer& t) {
  char buffer[64] = "";
  t.KLX_TimerGet_ActualTimeChars(buffer, sizeof buffer);
  return QString::fromUtf8(buffer);
}
}  // namespace

class TimerTexts : public QObject {
  Q_OBJECT

 private slots:
  // A value split as the display shows it: a negative one shows the next
  // whole second away from zero, the carry stopping at the minutes.
  void displayedTime_data() {
    QTest::addColumn<int>("ms");
    QTest::addColumn<QList<int>>("hms");
    QTest::newRow("599.85 s") << 599850 << QList<int>{0, 9, 59};
    QTest::newRow("-0.1 s") << -100 << QList<int>{0, 0, 1};
    QTest::newRow("-1.0 s") << -1000 << QList<int>{0, 0, 2};
    QTest::newRow("-59.5 s") << -59500 << QList<int>{0, 1, 0};
    QTest::newRow("-3599.5 s") << -3599500 << QList<int>{0, 60, 0};
    QTest::newRow("8:59:59") << 32399000 << QList<int>{8, 59, 59};
  }
  void displayedTime() {
    QFETCH(int, ms);
    QFETCH(QList<int>, hms);
    ModelFixture fx;
    fx.db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(2, ms, W);
    QCOMPARE(fx.db.KLX_DataBaseManagerTimerCalculateRemainingTime(2), 1);
    QCOMPARE((QList<int>{fx.db.KLX_DataBaseManagerTimerGet_ActualTimeHour(2),
                         fx.db.KLX_DataBaseManagerTimerGet_ActualTimeMinute(2),
                         fx.db.KLX_DataBaseManagerTimerGet_ActualTimeSecond(2)}),
             hms);
    // Writing the running value never marks the model.
    QVERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  void spokenTime_data() {
    QTest::addColumn<QList<int>>("hms");
    QTest::addColumn<QString>("text");
    QTest::newRow("1:05:00") << QList<int>{1, 5, 0} << "1hour 05";
    QTest::newRow("2:10:30") << QList<int>{2, 10, 30} << "2hours 10";
    QTest::newRow("0:03:00") << QList<int>{0, 3, 0} << "3minutes";
    QTest::newRow("0:01:00") << QList<int>{0, 1, 0} << "1minute";
    QTest::newRow("0:04:30") << QList<int>{0, 4, 30} << "4 30";
    QTest::newRow("0:04:05") << QList<int>{0, 4, 5} << "4 05";
    QTest::newRow("0:00:01") << QList<int>{0, 0, 1} << "1second";
    QTest::newRow("0:00:42") << QList<int>{0, 0, 42} << "42seconds";
    QTest::newRow("negative parts") << QList<int>{0, -2, -7} << "2 07";
    QTest::newRow("0:00:00") << QList<int>{0, 0, 0} << "";
  }
  void spokenTime() {
    QFETCH(QList<int>, hms);
    QFETCH(QString, text);
    QCOMPARE(KLX_Timer::KLX_TimerHMStoString(int16_t(hms[0]), int16_t(hms[1]), int16_t(hms[2])), text);
  }

  // A count-down from 0:10:00 at its end: two passes showing 0:00:00 set
  // the negative flag, and below zero the text says "minus".
  void countDownPastZero() {
    KLX_Timer t;
    Setup(t, 10, 0);
    t.OnStartControlChanged(kOn);
    t.OnStopControlChanged(kOff);
    QCOMPARE(t.State(), int(KLX_Timer::Running));
    t.KLX_TimerUpdate(150);
    QCOMPARE(Chars(t), QString("9 59"));
    t.KLX_TimerGetSet_ValueCurrent(1000, W);
    QStringList texts;
    QList<bool> negative;
    for (int dt : {150, 150, 1000, 1000}) {
      t.KLX_TimerUpdate(dt);
      texts << Chars(t);
      negative << t.IsNegative();
    }
    QCOMPARE(texts, (QStringList{"0", "0", "minus1second", "minus2seconds"}));
    QCOMPARE(negative, (QList<bool>{false, true, true, true}));
    QCOMPARE(t.KLX_TimerGetSet_ValueCurrent(0, R), -1300);
  }

  // Counting up goes on past the stop time to 8:59:59 and holds there;
  // equal start and stop hold the stop value.
  void countUpAndEqual() {
    KLX_Timer up;
    Setup(up, 0, 5);
    up.OnStartControlChanged(kOn);
    up.OnStopControlChanged(kOff);
    up.KLX_TimerGetSet_ValueCurrent(299900, W);
    up.KLX_TimerUpdate(200);
    QCOMPARE(up.KLX_TimerGetSet_ValueCurrent(0, R), 300100);
    up.KLX_TimerGetSet_ValueCurrent(32398900, W);
    up.KLX_TimerUpdate(500);
    up.KLX_TimerUpdate(500);
    QCOMPARE(up.KLX_TimerGetSet_ValueCurrent(0, R), 32399000);
    QCOMPARE(Chars(up), QString("8hours 59"));
    QVERIFY(!up.IsNegative());

    KLX_Timer same;
    Setup(same, 1, 1);
    same.OnStartControlChanged(kOn);
    same.OnStopControlChanged(kOff);
    same.KLX_TimerGetSet_ValueCurrent(12345, W);
    same.KLX_TimerUpdate(150);
    QCOMPARE(same.KLX_TimerGetSet_ValueCurrent(0, R), 60000);
  }

  // The switches' last values in turn (role s/t/r, value) and the state
  // after each; a reset puts the value back to the start time.
  void stateMachine_data() {
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QList<int>>("states");
    QTest::newRow("start on, stop off runs") << QStringList{"s+", "t-"} << QList<int>{2, 1};
    QTest::newRow("no stop switch never starts") << QStringList{"s+"} << QList<int>{2};
    QTest::newRow("stop on stops") << QStringList{"s+", "t-", "t+"} << QList<int>{2, 1, 2};
    QTest::newRow("start between keeps running") << QStringList{"s+", "t-", "s0", "sx"} << QList<int>{2, 1, 1, 1};
    QTest::newRow("reset held, released with start on") << QStringList{"r+", "s+", "t-", "r-"}
                                                        << QList<int>{3, 3, 3, 1};
    QTest::newRow("reset state, stop on stops") << QStringList{"r+", "r-", "s-", "t+"} << QList<int>{3, 3, 3, 2};
    QTest::newRow("running reset") << QStringList{"s+", "t-", "r+"} << QList<int>{2, 1, 3};
  }
  void stateMachine() {
    QFETCH(QStringList, moves);
    QFETCH(QList<int>, states);
    KLX_Timer t;
    Setup(t, 2, 0);
    t.KLX_TimerGetSet_ValueCurrent(5000, W);
    QList<int> seen;
    for (const QString& m : moves) {
      const int v = m[1] == '+' ? kOn : m[1] == '-' ? kOff : m[1] == '0' ? 0 : kNone;
      if (m[0] == 's') t.OnStartControlChanged(CControlVal(v));
      if (m[0] == 't') t.OnStopControlChanged(CControlVal(v));
      if (m[0] == 'r') t.OnResetControlChanged(CControlVal(v));
      seen << t.State();
    }
    QCOMPARE(seen, states);
    const bool wasReset = moves.contains("r+");
    QCOMPARE(t.KLX_TimerGetSet_ValueCurrent(0, R), wasReset ? 120000 : 5000);
    if (wasReset) QCOMPARE(t.KLX_TimerGetSet_AlarmFlag(0, R), 0);
  }

  // What an alarm speaks of its timer's time, by form and interval.
  void alarmSpokenTime_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("ms");
    QTest::addColumn<bool>("down");
    QTest::addColumn<QString>("text");
    QTest::newRow("short, 60 s, 0:05:00") << 0x20 << 60 << 300000 << true << "5minutes";
    QTest::newRow("short, 60 s, 0:04:30") << 0x20 << 60 << 270000 << true << "4 30";
    QTest::newRow("short, 60 s, started second") << 0x20 << 60 << 269100 << true << "4 30";
    QTest::newRow("long, 10 s, 1:02:03") << 0x40 << 10 << 3723000 << false << "1hour 2minutes 3seconds";
    QTest::newRow("named, 60 s") << 0x60 << 60 << 300000 << true << "Flight 5minutes ";
    QTest::newRow("named, 5 s: no name") << 0x60 << 5 << 61000 << false << "1minute 1second";
    QTest::newRow("short, 1 s") << 0x20 << 1 << 7000 << false << "7";
    QTest::newRow("long, 1 s: no word") << 0x40 << 1 << 7000 << false << "7";
    QTest::newRow("short, 5 s, 1:00:00") << 0x20 << 5 << 3600000 << false << "1hour";
    QTest::newRow("short, 5 s, 1:00:07") << 0x20 << 5 << 3607000 << false << "1 0 07";
    QTest::newRow("long, 5 s, below zero") << 0x40 << 5 << -5000 << true << "minus5seconds";
  }
  void alarmSpokenTime() {
    QFETCH(int, type);
    QFETCH(int, interval);
    QFETCH(int, ms);
    QFETCH(bool, down);
    QFETCH(QString, text);
    CComplexTimer t;
    t.m_Name = "Flight";
    t.m_StartValue = down ? 36000000 : 0;
    t.m_EndValue = down ? 0 : 36000000;
    t.m_Current = ms;
    t.UpdateActualTime();
    CmplxAlarm_struct a;
    a.type = uint8_t(type | 1);
    a.interval = interval;
    QCOMPARE(t.AlarmSpokenTime(a), text);
  }

  // Intervals land on the table: upwards, or downwards for a negative value.
  void intervals_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::newRow("11") << 11 << 15;
    QTest::newRow("-14") << -14 << 10;
    QTest::newRow("60") << 60 << 60;
    QTest::newRow("4000") << 4000 << 3610;
    QTest::newRow("-3605") << -3605 << 3600;
    QTest::newRow("0") << 0 << 1;
  }
  void intervals() {
    QFETCH(int, value);
    QFETCH(int, stored);
    ModelFixture fx;
    QCOMPARE(fx.db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(3, 6, value, W), stored);
    QCOMPARE(fx.db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(3, 6, 0, R), stored);
    QVERIFY(fx.db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  // Names keep whole characters (16 Chinese characters are 48 bytes: 15
  // stay), bad bytes are left out, and a name taken by another timer in use
  // is refused in any capitalisation; an alarm saying the old name follows.
  void names() {
    ModelFixture fx;
    const QString chinese = QString("计时器").repeated(6).left(16);
    QCOMPARE(fx.db.KLX_DataBaseManagerTimerGetSet_Name(0, chinese, W), chinese.left(15));
    QCOMPARE(fx.db.KLX_DataBaseManagerCmplxTimerGetSet_Name(1, chinese, W), chinese.left(15));
    QCOMPARE(KLX_Utf8ValidCut(QByteArray("ab\xC3(c\xC0\xAF\xED\xA0\x80" "d\xE8\xAE"), 46), QByteArray("ab(cd"));

    auto& db = fx.db;
    db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, W);
    db.KLX_DataBaseManagerTimerGetSet_Name(0, "Timer", W);
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_Name(0, "Timer", W), QString("Timer"));
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_Name(0, "TIMER", W), QString(""));
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_Name(0, "", R), QString("Timer"));

    db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(5, 1, W);
    db.KLX_DataBaseManagerCmplxTimerGetSet_Name(5, "abc", W);
    db.KLX_DataBaseManagerCmplxTimerGetSet_Name(2, "Glide", W);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(2, 0, 0, W), 1);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(2, 0, "", R), QString("Glide"));
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_Name(2, "ABC", W), QString(""));
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_Name(2, "Soar", W), QString("Soar"));
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(2, 0, "", R), QString("Soar"));
  }

  // The time text appended to what a buffer holds, cut on a whole
  // character to fit with its zero.
  void appendChars_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("fits") << QByteArray("T1: ") << 20 << "minus2seconds" << QByteArray("T1: minus2seconds");
    QTest::newRow("cut") << QByteArray("T1: ") << 10 << "minus2seconds" << QByteArray("T1: minus");
    QTest::newRow("whole characters") << QByteArray("") << 6 << QString::fromUtf8("3分钟") << QByteArray("3\xE5\x88\x86");
    QTest::newRow("already full") << QByteArray("abcdefgh") << 4 << "5" << QByteArray("abc");
  }
  void appendChars() {
    QFETCH(QByteArray, before);
    QFETCH(int, size);
    QFETCH(QString, text);
    QFETCH(QByteArray, after);
    QByteArray buffer = before;
    buffer.append(QByteArray(32, 'Z'));
    buffer[before.size()] = '\0';
    KLX_Timer::KLX_TimerAppendChars(buffer.data(), size, text);
    QCOMPARE(QByteArray(buffer.constData()), after);
  }

  // Indices out of range answer -70010 (a text the empty text) and are
  // reported with the operation's code.
  void indicesOutOfRange() {
    ModelFixture fx;
    VornErrorWatch watch;
    auto& db = fx.db;
    char buffer[8] = "";
    const QList<int> results{db.KLX_DataBaseManagerTimerGetSet_IsUsed(8, 0, R),
                             db.KLX_DataBaseManagerTimerGetSet_ValueStored(-1, 0, R),
                             db.KLX_DataBaseManagerTimerGetSet_LastValueKeep(9, 1, W),
                             db.KLX_DataBaseManagerTimerGet_ActualTimeSecond(16),
                             db.KLX_DataBaseManagerTimerGet_ActualTimeChars(16, buffer, 8),
                             db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(8, 1, W),
                             db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(0, 7, 8, W),
                             db.KLX_DataBaseManagerCmplxTimerGetSet_ControlStart(-1, 1280, W)};
    QCOMPARE(results, (QList<int>{-70010, -70010, -70010, -70010, -70010, -70010, -70010, -70010}));
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_Name(8, "x", W), QString(""));
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetActualTime_String(8, true), QString(""));
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x53D04, 0x53D18, 0x53D1E, 0x53D04, 0x53D04, 0x53D04, 0x53D0F,
                                                 0x53D15, 0x53D03, 0x53D17}));
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
    // The speech voice is an index: 255 fails.
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmValueVoice(0, 0, 254, W), 254);
    QCOMPARE(db.KLX_DataBaseManagerComplexTimerStore()->KLX_ComplexTimerGetSet_AlarmVoice(0, 0, false, 255, W), -70010);
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x53D1D});
  }

  // The smaller board counts four timers of each kind; all eight are kept.
  void smallerBoardCounts() {
    ModelFixture fx(KL_BOARD_FENK);
    auto& db = fx.db;
    for (int t = 0; t < 4; ++t) {
      QCOMPARE(db.KLX_DataBaseManagerTimerGetNextFreeIndex(), t);
      db.KLX_DataBaseManagerTimerGetSet_IsUsed(t, 1, W);
      QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetNextFreeIndex(), t);
      db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(t, 1, W);
    }
    db.KLX_DataBaseManagerTimerGetSet_IsUsed(6, 1, W);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetNextFreeIndex(), -70027);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetNextFreeIndex(), -70027);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetNumber(), 4);
    QCOMPARE(db.KLX_TimerGetState(3), 2);
    QCOMPARE(db.KLX_TimerGetState(5), -70000);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_IsUsed(6, 0, R), 1);
  }

  // The words come from the translation contexts of the timers.
  void germanWords() {
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(VORN_TRANSLATIONS_DIR "/KLX32_de.qm")));
    QCoreApplication::installTranslator(&german);
    const QString simple = KLX_Timer::KLX_TimerHMStoString(1, 5, 0) + '|' + KLX_Timer::KLX_TimerHMStoString(0, 3, 0);
    CComplexTimer t;
    t.m_StartValue = 0;
    t.m_EndValue = 7200000;
    t.m_Current = 3723000;
    t.UpdateActualTime();
    CmplxAlarm_struct a;
    a.type = 0x41;
    a.interval = 10;
    const QString alarm = t.AlarmSpokenTime(a);
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(simple, QString("1Stunde 05|3Minuten"));
    QCOMPARE(alarm, QString("1Stunde 2Minuten 3Sekunden"));
  }
};

QTEST_GUILESS_MAIN(TimerTexts)
#include "tst_texts.moc"
