// The model's run-time counter on a clock the test drives, the silent mode,
// and the model information text.
#include <QSignalSpy>

#include "model/model_fixture.h"

class TestRuntimeMetadata : public QObject {
  Q_OBJECT

  // Steps of the task engine every 50 ms from `from` to `to`; a telemetry
  // frame every second while `telemetry` is set.
  static void Drive(ModelFixture& fx, qint64& now, qint64 to, bool telemetry) {
    const unsigned char frame[KLX_TelemetrieHandler::kFrameSize] = {12};
    for (; now <= to; now += 50) {
      if (telemetry && now % 1000 == 0) fx.db.KLX_DataBaseManagerHandleTelemetrieData(frame);
      fx.db.ModelRuntimeRun();
    }
  }

 private slots:
  void minutesCountWhileTelemetryArrives() {
    ModelFixture fx;
    auto& db = fx.db;
    qint64 now = 0;
    db.KLX_DataBaseManagerModelRuntimeStore()->SetClock([&now] { return now; });
    QSignalSpy minutes(&db, SIGNAL(modelTimeChanged(int)));
    db.KLX_DataBaseManagerReceiverModeSet(KLX_Receiver::RX_MODE_REDIV_14);
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    Drive(fx, now, 125000, true);
    QCOMPARE(minutes.count(), 2);
    QCOMPARE(minutes[0][0].toInt(), 1);
    QCOMPARE(minutes[1][0].toInt(), 2);
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    // Telemetry ends: 10 s later counting stops and the partial minute is lost.
    Drive(fx, now, 200000, false);
    QCOMPARE(minutes.count(), 2);
    QVERIFY(!db.KLX_DataBaseManagerModelRuntimeStore()->IsCounting());
    // It comes back: a new minute boundary starts from here.
    Drive(fx, now, 260950, true);
    QCOMPARE(minutes.count(), 2);
    Drive(fx, now, 261000, true);
    QCOMPARE(minutes.count(), 3);
    QCOMPARE(db.KLX_DataBaseManagerRuntimeGetSet_Runtime(0, AtomicDirGet), 3);
  }

  void writesClampAndFollowTheReceiverMode() {
    ModelFixture fx;
    auto& db = fx.db;
    qint64 now = 5000;
    db.KLX_DataBaseManagerModelRuntimeStore()->SetClock([&now] { return now; });
    QSignalSpy minutes(&db, SIGNAL(modelTimeChanged(int)));
    QCOMPARE(db.KLX_DataBaseManagerRuntimeGetSet_Runtime(700000, AtomicDirSet), 599940);
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(minutes.count(), 1);
    QCOMPARE(minutes[0][0].toInt(), 599940);
    // Without a receiver mode a write does not count on.
    QVERIFY(!db.KLX_DataBaseManagerModelRuntimeStore()->IsCounting());
    now += 120000;
    db.ModelRuntimeRun();
    QCOMPARE(minutes.count(), 1);
    // With one it counts from the write, and never beyond 9999 hours.
    db.KLX_DataBaseManagerReceiverModeSet(KLX_Receiver::RX_MODE_REDIV_21);
    QCOMPARE(db.KLX_DataBaseManagerRuntimeGetSet_Runtime(599939, AtomicDirSet), 599939);
    now += 180000;
    db.ModelRuntimeRun();
    QCOMPARE(db.KLX_DataBaseManagerRuntimeGetSet_Runtime(0, AtomicDirGet), 599940);
    db.KLX_DataBaseManagerGetSetModelSilentMode(3, AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerGetSetModelSilentMode(0, AtomicDirGet), 3);
    QCOMPARE(db.KLX_DataBaseManagerRuntimeClearAll(), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManagerRuntimeGetSet_Runtime(0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerGetSetModelSilentMode(0, AtomicDirGet), 0);
    QVERIFY(!db.KLX_DataBaseManagerModelRuntimeStore()->IsCounting());
  }

  void dialogTextGoesToTheRuntimeReadOuts() {
    ModelFixture fx;
    fx.db.KLX_DatabaseManagerGetSetDialogText("Bind now", AtomicDirSet);
    QCOMPARE(fx.runtime.KLX_RuntimeDatabaseManagerGetSetDialogText(QString(), AtomicDirGet), QString("Bind now"));
  }

  void modelInfoKeepsWholeCharactersAndItsTerminator_data() {
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("stored");
    const QString a126(126, QChar('a'));
    QTest::newRow("short") << QString("Vorn 3m glider") << QString("Vorn 3m glider");
    QTest::newRow("200 ascii") << QString(200, QChar('x')) << QString(127, QChar('x'));
    QTest::newRow("127 bytes fit") << QString(125, QChar('a')) + QString::fromUtf8("é")
                                   << QString(125, QChar('a')) + QString::fromUtf8("é");
    QTest::newRow("cut character dropped") << a126 + QString::fromUtf8("é") << a126;
    QTest::newRow("three-byte characters") << QString::fromUtf8("€").repeated(50)
                                           << QString::fromUtf8("€").repeated(42);
  }
  void modelInfoKeepsWholeCharactersAndItsTerminator() {
    QFETCH(QString, info);
    QFETCH(QString, stored);
    ModelFixture fx;
    auto& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerModelmetadataGetSet_Modelinfo(info, AtomicDirSet), stored);
    QCOMPARE(db.KLX_DataBaseManagerModelmetadataGetSet_Modelinfo(QString(), AtomicDirGet), stored);
    QVERIFY(stored.toUtf8().size() <= 127);
    // Nothing sent, nothing marked.
    QVERIFY(fx.Sent().isEmpty());
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
    db.KLX_DataBaseManagerModelmetadataClearAll();
    QCOMPARE(db.KLX_DataBaseManagerModelmetadataGetSet_Modelinfo(QString(), AtomicDirGet), QString());
  }
};

QTEST_GUILESS_MAIN(TestRuntimeMetadata)
#include "tst_runtime_metadata.moc"
