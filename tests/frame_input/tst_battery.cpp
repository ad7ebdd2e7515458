// The battery thread on a manual clock: the charge in percent from the cells'
// discharge curve, the undervoltage guard, the display brightness sent as
// message 241, the inactivity alarm and the settings clock. The facade's
// settings are the doors: the stick controller writes the voltages there,
// the thread writes the percentages and the brightness there.
#include <QtTest>

#include "audio/klx_audiohandler.h"
#include "frame/klx_batteryhandler.h"
#include "frame/klx_clock.h"
#include "frame/klx_onoffhandler.h"
#include "link/klx_messageids.h"
#include "settings/settings_fixture.h"

namespace {
constexpr qint64 kCycle = KLX_BatteryHandler::kPeriodMs;
// The first calculation of the charge comes with the ninth cycle, then one
// every second.
constexpr qint64 kFirstReading = 9 * kCycle;
constexpr qint64 kReading = 8 * kCycle;
constexpr unsigned kVoltageDifference = 0x31703;
constexpr unsigned kNotInitialized = 0x11701;
constexpr unsigned kNotRunning = 0x11702;
constexpr qint64 kMinute = 60000;

struct BatteryRig : QObject {
  SettingsFixture fx;
  KLX_DataBaseManager& db = fx.db;
  KLX_OnOffHandler onOff;
  KLX_ManualClock clock;
  KLX_BatteryHandler battery;
  // The warning signal comes from the battery thread: counted in this one.
  int minExceeded = 0;

  explicit BatteryRig(E_BoardType type = E_BoardVorn)
      : fx(type == E_BoardFenk ? CSimBoard::Fenk : CSimBoard::Vorn) {
    if (type == E_BoardUndefined) {
      Board::Free();
      Board::Init(E_BoardUndefined);
    }
    connect(&battery, &KLX_BatteryHandler::voltageMinExceeded, this, [this] { ++minExceeded; }, Qt::QueuedConnection);
  }
  ~BatteryRig() override { battery.KLX_BatteryHandlerStop(); }
  bool Start() {
    battery.KLX_BatteryHandlerSetClock(&clock);
    battery.KLX_BatteryHandlerStartProcessing();
    return battery.KLX_BatteryHandlerInitialize(&db, &onOff) == KLX_Ok && battery.KLX_BatteryHandlerStart() == KLX_Ok;
  }
  bool Run(qint64 ms) {
    const bool ok = clock.KLX_ManualClockRun(ms);
    QCoreApplication::processEvents();
    return ok;
  }
  void SetCells(int centivolts1, int centivolts2) {
    db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(centivolts1, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetSystemProperties_Akku2Voltage(centivolts2, AtomicDirSet);
  }
  QPair<int, int> Percent() {
    return {db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Percent(0, AtomicDirGet),
            db.KLX_DataBaseManagerGetSetSystemProperties_Akku2Percent(0, AtomicDirGet)};
  }
  // The vibration messages sent since the last call, their data bytes.
  QList<QByteArray> Vibrations() {
    QList<QByteArray> sent;
    for (const KLX_Message& m : fx.Sent())
      if (m.id == KLX_MSG_VIBRATION) sent.append(m.data);
    return sent;
  }
  // The brightness bytes sent to the transceiver controller since the last call.
  QList<int> Brightness() {
    QList<int> sent;
    for (const KLX_Message& m : fx.Sent()) {
      if (m.id != KLX_MSG_BRIGHTNESS) continue;
      if (m.node != 3 || m.data.size() != 1) return {-1};
      sent.append(quint8(m.data.at(0)));
    }
    return sent;
  }
};
}  // namespace

class TestBattery : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { Board::Free(); }

  // Both cells alike. The charge is filtered: the first reading shows about
  // a quarter of it, and the filter settles on the curve's value.
  void chargeFollowsTheDischargeCurve_data() {
    QTest::addColumn<int>("centivolts");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("settled");
    QTest::newRow("0 V, below the curve") << 0 << 0 << 1;
    QTest::newRow("6.40 V") << 640 << 2 << 7;
    QTest::newRow("7.00 V") << 700 << 7 << 32;
    QTest::newRow("7.50 V, a point of the curve") << 750 << 15 << 66;
    QTest::newRow("8.00 V") << 800 << 22 << 96;
    QTest::newRow("10.00 V, above the curve") << 1000 << 23 << 100;
  }
  void chargeFollowsTheDischargeCurve() {
    QFETCH(int, centivolts);
    QFETCH(int, first);
    QFETCH(int, settled);
    BatteryRig rig;
    rig.SetCells(centivolts, centivolts);
    QVERIFY(rig.Start());
    QVERIFY(rig.Run(kFirstReading - kCycle));
    QCOMPARE(rig.Percent(), qMakePair(50, 50));
    QVERIFY(rig.Run(kCycle));
    QCOMPARE(rig.Percent(), qMakePair(first, first));
    QVERIFY(rig.Run(30 * kReading));
    QCOMPARE(rig.Percent(), qMakePair(settled, settled));
  }

  // Cells more than 0.3 V apart are reported every second and not judged;
  // the guard's count (3 after three low readings) stays.
  void cellsApartAreNotJudged_data() {
    QTest::addColumn<int>("cell1");
    QTest::addColumn<int>("cell2");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<int>("count");
    QTest::newRow("0.40 V apart") << 630 << 670 << 3 << 3;
    QTest::newRow("0.31 V apart") << 609 << 640 << 3 << 3;
    QTest::newRow("0.30 V apart, one cell good") << 610 << 640 << 0 << 0;
  }
  void cellsApartAreNotJudged() {
    QFETCH(int, cell1);
    QFETCH(int, cell2);
    QFETCH(int, warnings);
    QFETCH(int, count);
    BatteryRig rig;
    VornErrorWatch errors;
    errors.Expect(kVoltageDifference);
    rig.SetCells(630, 630);
    QVERIFY(rig.Start());
    QVERIFY(rig.Run(kFirstReading + 2 * kReading));
    QCOMPARE(rig.battery.KLX_BatteryHandlerUndervoltageCount(), 3);
    rig.SetCells(cell1, cell2);
    QVERIFY(rig.Run(3 * kReading));
    QCOMPARE(errors.TakeCodes(), QVector<unsigned>(warnings, kVoltageDifference).toList());
    QCOMPARE(rig.battery.KLX_BatteryHandlerUndervoltageCount(), count);
    QCOMPARE(rig.minExceeded, 0);
  }

  // Both cells at 6.3 V: the 8th to 11th low readings warn with the display at
  // brightness 1, from the 12th it is dark, the 16th forces the switch-off.
  // Past the 7th, good cells no longer stop it, and the display stays as the
  // guard set it.
  void undervoltageDimsThenSwitchesOff_data() {
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("good");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<int>("brightness");  // the last sent; -1 when it follows the settings
    QTest::addColumn<bool>("forced");
    QTest::newRow("7 low, then good again") << 7 << 7 << 0 << 0 << -1 << false;
    QTest::newRow("11 low") << 11 << 0 << 11 << 4 << 1 << false;
    QTest::newRow("12 low") << 12 << 0 << 12 << 4 << 0 << false;
    QTest::newRow("16 low") << 16 << 0 << 16 << 4 << 0 << true;
    QTest::newRow("8 low, then 7 good") << 8 << 7 << 15 << 1 << 1 << false;
    QTest::newRow("8 low, then 8 good") << 8 << 8 << 16 << 1 << 0 << true;
  }
  void undervoltageDimsThenSwitchesOff() {
    QFETCH(int, low);
    QFETCH(int, good);
    QFETCH(int, count);
    QFETCH(int, warnings);
    QFETCH(int, brightness);
    QFETCH(bool, forced);
    BatteryRig rig;
    rig.SetCells(630, 630);
    QVERIFY(rig.Start());
    QVERIFY(rig.Run(kFirstReading + (low - 1) * kReading));
    rig.SetCells(800, 800);
    QVERIFY(rig.Run(good * kReading));
    QCOMPARE(rig.battery.KLX_BatteryHandlerUndervoltageCount(), count);
    QCOMPARE(rig.minExceeded, warnings);
    QCOMPARE(rig.onOff.KLX_OnOffHandlerIsShutDownForced(), forced);
    const QList<int> sent = rig.Brightness();
    QVERIFY(!sent.isEmpty());
    if (brightness >= 0) {
      QCOMPARE(sent.last(), brightness);
      QCOMPARE(rig.db.KLX_DataBaseManagerGetSetSystemProperties_Brightness_Out(0, AtomicDirGet), brightness);
    } else {
      // Sent every cycle, settling on the setting's 49.
      QCOMPARE(sent.size(), int((kFirstReading + (low + good - 1) * kReading) / kCycle));
      QVERIFY(sent.last() > 1);
    }
  }

  // The brightness follows the board's target and the dim state smoothly:
  // one message 241 per cycle, settled after ten seconds.
  void brightnessFollowsTheSettings_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("ambient");
    QTest::addColumn<int>("dimmed");
    QTest::addColumn<int>("dimBrightness");
    QTest::addColumn<int>("settled");
    QTest::newRow("larger board") << int(E_BoardVorn) << 70 << 0 << 0 << 40 << 49;
    QTest::newRow("larger board, ambient light") << int(E_BoardVorn) << 70 << 50 << 0 << 40 << 89;
    QTest::newRow("larger board, above 100") << int(E_BoardVorn) << 100 << 80 << 0 << 40 << 100;
    QTest::newRow("larger board, dimmed") << int(E_BoardVorn) << 70 << 50 << 1 << 40 << 40;
    QTest::newRow("larger board, dimmed above the target") << int(E_BoardVorn) << 70 << 0 << 1 << 60 << 49;
    QTest::newRow("smaller board, logarithmic") << int(E_BoardFenk) << 70 << 50 << 0 << 40 << 24;
    QTest::newRow("plain board") << int(E_BoardUndefined) << 70 << 50 << 0 << 40 << 1;
  }
  void brightnessFollowsTheSettings() {
    QFETCH(int, board);
    QFETCH(int, base);
    QFETCH(int, ambient);
    QFETCH(int, dimmed);
    QFETCH(int, dimBrightness);
    QFETCH(int, settled);
    BatteryRig rig(static_cast<E_BoardType>(board));
    rig.db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(base, AtomicDirSet, false);
    rig.db.KLX_DataBaseManagerGetSetSystemProperties_Brightness_In(ambient, AtomicDirSet, false);
    rig.db.KLX_DataBaseManagerGetSetSystemProperties_TimeoutBrigntness(dimBrightness, AtomicDirSet, false);
    rig.db.KLX_DataBaseManagerGetSetSystemProperties_TouchTimeoutEvent(dimmed, AtomicDirSet, false);
    rig.Brightness();
    QVERIFY(rig.Start());
    QVERIFY(rig.Run(80 * kCycle));
    const QList<int> sent = rig.Brightness();
    QCOMPARE(sent.size(), 80);
    QCOMPARE(sent.last(), settled);
    QCOMPARE(rig.db.KLX_DataBaseManagerGetSetSystemProperties_Brightness_Out(0, AtomicDirGet), settled);
    // Without processing nothing more is sent.
    rig.battery.KLX_BatteryHandlerStopProcessing();
    QVERIFY(rig.Run(8 * kCycle));
    QCOMPARE(rig.Brightness(), QList<int>());
  }

  // Checked every 375 ms: the alarm after the idle time, the vibration after
  // twice that, both cleared by the next touch.
  void inactivityAlarmsAfterTheIdleTime() {
    BatteryRig rig;
    KLX_AudioHandler* audio = rig.db.KLX_DatabaseManagerAudioHandlerPointer();
    rig.db.KLX_DataBaseManagerGetSetSystemProperties_IdleTimeout(1, AtomicDirSet, false);
    QVERIFY(rig.Start());
    // The first check (375 ms) starts the time.
    QVERIFY(rig.Run(375 + kMinute));
    QCOMPARE(audio->IdleAlarm(), false);
    QVERIFY(rig.Run(375));
    QCOMPARE(audio->IdleAlarm(), true);
    QCOMPARE(rig.Vibrations(), QList<QByteArray>());
    QVERIFY(rig.Run(kMinute - 375));
    QCOMPARE(rig.Vibrations(), QList<QByteArray>());
    QVERIFY(rig.Run(375));
    // The inactivity scheme: 80, 420, 1.
    QCOMPARE(rig.Vibrations(), QList<QByteArray>{Le16s({80, 420, 1})});

    rig.battery.KLX_BatteryHandlerResetInactivityTimer();
    QVERIFY(rig.Run(375));
    QCOMPARE(audio->IdleAlarm(), false);
    QCOMPARE(rig.battery.KLX_BatteryHandlerIdleAlarmActive(), false);

    // An idle time of 0 never raises it.
    rig.db.KLX_DataBaseManagerGetSetSystemProperties_IdleTimeout(0, AtomicDirSet, false);
    QVERIFY(rig.Run(10 * kMinute));
    QCOMPARE(audio->IdleAlarm(), false);
  }

  // The settings clock follows the system's every 375 ms, except while the
  // settings screen is open.
  void settingsClockFollowsTheSystemClock() {
    BatteryRig rig;
    const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
    rig.db.KLX_DataBaseManagerGetSetSystemPropertiesSet_DateTime(old);
    rig.db.KLX_DataBaseManagerSystemPropertiesEntry();
    QVERIFY(rig.Start());
    QVERIFY(rig.Run(10 * 375));
    QCOMPARE(rig.db.KLX_DataBaseManagerGetSetSystemPropertiesGet_DateTime(), old);
    rig.db.KLX_DataBaseManagerSystemPropertiesLeave();
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    QVERIFY(rig.Run(375));
    QVERIFY(rig.db.KLX_DataBaseManagerGetSetSystemPropertiesGet_DateTime() >= before);
  }

  void startWithoutTheirPartsFails() {
    BatteryRig rig;
    VornErrorWatch errors;
    errors.Expect({kNotInitialized, kNotRunning});
    QCOMPARE(rig.battery.KLX_BatteryHandlerInitialize(nullptr, &rig.onOff), int(KLX_Error));
    QCOMPARE(rig.battery.KLX_BatteryHandlerInitialize(&rig.db, nullptr), int(KLX_Error));
    // Never initialised: the thread ends at once and the start says so.
    QCOMPARE(rig.battery.KLX_BatteryHandlerStart(), int(KLX_Error));
    const auto reports = errors.TakeReports();
    QCOMPARE(reports.size(), 4);
    QCOMPARE(reports.at(0),
             qMakePair(kNotInitialized, QString("KLX_BatteryHandlerInitialize() went wrong: No Database is connected")));
    QCOMPARE(reports.at(1),
             qMakePair(kNotInitialized, QString("KLX_BatteryHandlerInitialize() went wrong: OnOff handler is void")));
    QVERIFY(reports.contains(qMakePair(kNotInitialized, QString("did not call KLX_BatteryHandlerInitialize()"))));
    QCOMPARE(reports.last(), qMakePair(kNotRunning, QString("battery thread not running")));
  }
};

QTEST_GUILESS_MAIN(TestBattery)
#include "tst_battery.moc"
