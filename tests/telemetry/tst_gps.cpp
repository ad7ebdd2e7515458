// The larger board's GPS receiver: the handler against the simulated u-blox
// receiver on a pseudo-terminal, as the program opens it at start-up. The
// receiver's one-second cadence runs on the test's clock; the line itself
// runs in real time (an answer follows its question by the time the bytes
// take at 9600 baud).
#include <QtTest>

#include "sim/csimgps.h"
#include "telemetry/klx_gpshandler.h"
#include "vorn_fixture.h"

namespace {
constexpr unsigned kFraming = 0x51809;
constexpr unsigned kOverrun = 0x5180A;
constexpr unsigned kChecksum = 0x51808;
constexpr unsigned kRestart = 0x51807;
constexpr unsigned kClockChanged = 0x21604;

struct GpsRig : VornFixture {
  CSimGps gps{&clock};
  KLX_GPSHandler handler;
  QObject relay;
  // gpsState as the GUI thread hears it.
  QList<QPair<int, int>> states;

  GpsRig() {
    // Automatic date and time is on: the first valid time sets the clock.
    errors.Expect(kClockChanged);
    QObject::connect(&db, &KLX_DataBaseManager::gpsState, &relay,
                     [this](int fix, int satellites) { states << qMakePair(fix, satellites); }, Qt::QueuedConnection);
  }
  ~GpsRig() override {
    handler.KLX_GPSHandlerStop();
    handler.KLX_GPSHandlerClose();
    gps.Close();
  }
  bool Start() {
    if (Up() != KLX_Ok || !gps.Open(root.Path() + "/dev/ttymxc2")) return false;
    if (handler.KLX_GPSHandlerInitialize(&db) != 1) return false;
    handler.KLX_GPSHandlerStartProcessing();
    return QTest::qWaitFor([&] { return handler.KLX_GPSHandlerState() == KLX_GPSHandler::StateWaitData; }, kVornHangMs);
  }
  // One second of the receiver's clock: the next solution goes out; true
  // once gpsState told of it.
  bool Second() {
    const int before = states.size();
    clock.KLX_ManualClockAdvance(CSimGps::kPeriodMs);
    return QTest::qWaitFor([&] { return states.size() > before; }, kVornHangMs);
  }
  int Get(int (KLX_DataBaseManager::*field)(int, int)) { return (db.*field)(0, AtomicDirGet); }
};

CSimGps::Solution Solution() {
  CSimGps::Solution s;
  s.utc = QDateTime(QDate(2026, 12, 7), QTime(21, 5, 9), Qt::UTC);
  s.longitude = 99351234;
  s.latitude = -335420077;
  s.heightMm = 151234;
  s.speedMmS = 4321;
  s.heading = 27012345;
  s.satellites = 11;
  return s;
}
}  // namespace

class TestGps : public QObject {
  Q_OBJECT

 private slots:
  // Three messages in this order, each sent once its predecessor was
  // acknowledged; the receiver then sends its solutions.
  void configuresTheReceiver() {
    GpsRig rig;
    QVERIFY(rig.Start());
    QStringList frames;
    for (const QByteArray& f : rig.gps.Received()) frames << QString::fromLatin1(f.toHex(' '));
    QCOMPARE(frames, QStringList({
                         "b5 62 06 00 14 00 01 00 00 00 d0 08 00 00 80 25 00 00 01 00 01 00 00 00 00 00 9a 79",
                         "b5 62 06 01 08 00 01 07 00 01 00 00 00 00 18 e1",
                         "b5 62 06 24 24 00 ff ff 03 03 00 00 00 00 10 27 00 00 05 00 fa 00 fa 00 64 00 2c 01 "
                         "00 00 00 00 10 27 00 00 00 00 00 00 00 00 4a 75",
                     }));
    QCOMPARE(rig.gps.AcknowledgementsSent(), 3);
    QVERIFY(rig.Second());
    QCOMPARE(rig.states.last(), qMakePair(3, 9));
  }

  // A slow line delivers a frame in pieces, after noise: the pieces are
  // gathered, noise and a false start are dropped, an oversized length is
  // refused before its payload is read.
  void fixFromPiecesAfterStrayBytes() {
    GpsRig rig;
    rig.errors.Expect({kFraming, kOverrun});
    QVERIFY(rig.Start());
    rig.errors.Clear();
    // A header announcing 143 bytes of payload, then nothing of it: refused
    // once the handler has read it.
    rig.gps.SendRaw(QByteArray::fromHex("b5620107" "8f00"));
    QVERIFY(QTest::qWaitFor([&] { return rig.errors.Has(kOverrun); }, kVornHangMs));
    rig.gps.SetStrayBytes(QByteArray::fromHex("0013b5a7"));
    rig.gps.SetPieces(5);
    rig.gps.SetSolution(Solution());
    QVERIFY(rig.Second());
    QCOMPARE(rig.states.last(), qMakePair(3, 11));
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_Longitude), 99351234);
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_Latitude), -335420077);
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_RawHight), 151234);
    QCOMPARE(rig.db.KLX_DataBaseManagerGPSGetSet_RawSpeed(0, AtomicDirGet), 4321u);
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_RawHeading), 27012345);
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_GpsFix), 3);
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_CountSatelite), 11);
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_Year), 2026);
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_Second), 9);
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_TimeValidFlags), 7);
    // The oversized header and the 0xB5 that a false second sync byte
    // followed (then the clock set from the first valid time; the handler
    // may tell of a configuration restarted while it waited).
    QList<QPair<unsigned, QString>> framing;
    for (const auto& report : rig.errors.TakeReports())
      if (report.first == kOverrun || report.first == kFraming) framing << report;
    QCOMPARE(framing.mid(0, 2), (QList<QPair<unsigned, QString>>{{kOverrun, "buffer overrun protection"},
                                                                  {kFraming, QString()}}));
  }

  // Fix lost (position kept, status and gpsState told), a frame damaged on
  // the line (status 10, no satellites), a 3D solution without its valid
  // flag (fix 0), the fix found again.
  void fixLostAndFound() {
    GpsRig rig;
    rig.errors.Expect(kChecksum);
    QVERIFY(rig.Start());
    CSimGps::Solution s = Solution();
    rig.gps.SetSolution(s);
    QVERIFY(rig.Second());
    rig.gps.SetNoFix(true);
    s.longitude = 1;
    rig.gps.SetSolution(s);
    QVERIFY(rig.Second());
    QCOMPARE(rig.states.last(), qMakePair(0, 0));
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_Status), 0);
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_Longitude), 99351234);
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_CountSatelite), 11);
    rig.gps.SetNoFix(false);
    rig.gps.SetBadChecksums(1);
    QVERIFY(rig.Second());
    QCOMPARE(rig.states.last(), qMakePair(10, 0));
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_Longitude), 99351234);
    s.flags = 0;
    s.satellites = 4;
    rig.gps.SetSolution(s);
    QVERIFY(rig.Second());
    QCOMPARE(rig.states.last(), qMakePair(3, 4));
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_GpsFix), 0);
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_Longitude), 1);
    s.flags = 1;
    rig.gps.SetSolution(s);
    QVERIFY(rig.Second());
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_GpsFix), 3);
  }

  // With automatic date and time on, the first solution whose date and
  // time are both valid sets the clock, once: the commands go to the
  // command log, never to the host's clock.
  void clockSetOnceFromAValidTime() {
    GpsRig rig;
    QVERIFY(rig.Start());
    QCOMPARE(rig.db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime(0, AtomicDirGet), 1);
    const int offset = rig.db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(0, AtomicDirGet);
    CSimGps::Solution s = Solution();
    s.valid = 0x01;  // the date alone
    rig.gps.SetSolution(s);
    QVERIFY(rig.Second());
    QVERIFY(!rig.db.KLX_DataBaseManagerSystemProperties_IsDateTimeSync());
    QCOMPARE(rig.board.RecordedCommands(), QStringList());
    s.valid = 0x07;
    rig.gps.SetSolution(s);
    QTest::ignoreMessage(QtInfoMsg, "Set GPS UTC: Mon Dec  7 21:05:09 2026");
    QVERIFY(rig.Second());
    QVERIFY(rig.db.KLX_DataBaseManagerSystemProperties_IsDateTimeSync());
    const QDateTime local = QDateTime(QDate(2026, 12, 7), QTime(21, 5, 9)).addSecs(offset * 60);
    const QString when = QStringLiteral("%1-%2-%3 %4:%5:%6")
                             .arg(local.date().year()).arg(local.date().month()).arg(local.date().day())
                             .arg(local.time().hour()).arg(local.time().minute()).arg(local.time().second());
    const bool h24 = rig.db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(0, AtomicDirGet) != 0;
    const QStringList once{"date " + when, h24 ? "date +%R" : "date +%r", "hwclock -w"};
    QCOMPARE(rig.board.RecordedCommands(), once);
    s.utc = s.utc.addSecs(1);
    rig.gps.SetSolution(s);
    QVERIFY(rig.Second());
    QCOMPARE(rig.Get(&KLX_DataBaseManager::KLX_DataBaseManagerGPSGetSet_Second), 10);
    QCOMPARE(rig.board.RecordedCommands(), once);
  }

  // A receiver that falls silent is configured anew from the first message
  // once it answers again.
  void silenceSendsTheConfigurationAgain() {
    GpsRig rig;
    QVERIFY(rig.Start());
    rig.errors.Clear();
    rig.gps.SetSilent(true);
    QVERIFY(QTest::qWaitFor([&] { return rig.errors.Has(kRestart); }, kVornHangMs));
    rig.gps.SetSilent(false);
    QVERIFY(QTest::qWaitFor([&] { return rig.handler.KLX_GPSHandlerState() == KLX_GPSHandler::StateWaitData; }, kVornHangMs));
    const QList<QByteArray> frames = rig.gps.Received();
    QVERIFY(frames.size() >= 6);
    // The last three: the whole configuration, from its first message.
    QCOMPARE(frames.mid(frames.size() - 3), rig.gps.Received().mid(0, 3));
  }
};

QTEST_GUILESS_MAIN(TestGps)
#include "tst_gps.moc"
