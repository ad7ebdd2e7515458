// The saver thread on a manual clock: passes on its period and on request,
// the final pass, failed saves retried, and a stop that cannot end the thread
// in time.
#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"
#include "settings/settings_fixture.h"

namespace {
// A fixture whose saver waits on the manual clock.
struct SaverFixture : SettingsFixture {
  KLX_XMLFileSaver* saver = db.KLX_DatabaseManagerXMLFileSaverPtr();
  SaverFixture() {
    saver->KLX_XMLFileSaverSetClock(&clock);
    // The thread waits on the manual clock from now on.
    clock.KLX_ManualClockAwaitWaiters(1);
  }
  // Back on the system clock before the thread is stopped: a stop that
  // meets a running pass waits for it on the saver's clock.
  ~SaverFixture() {
    saver->KLX_XMLFileSaverSetClock(nullptr);
    db.KLX_DataBaseManagerStop();
  }
  // Lets `ms` pass; the thread is back in its wait when it returns.
  bool Run(qint64 ms) { return clock.KLX_ManualClockRun(ms, 1); }
};

// Waits until the saver thread has left its wait (it runs a pass or is
// blocked inside one).
bool LeftItsWait(KLX_ManualClock& clock) {
  QElapsedTimer t;
  t.start();
  while (clock.KLX_ManualClockWaiters() != 0 && t.elapsed() < kVornHangMs) QThread::yieldCurrentThread();
  return clock.KLX_ManualClockWaiters() == 0;
}
}  // namespace

class TestSaver : public QObject {
  Q_OBJECT

 private slots:
  void periodicPassWritesWhatIsModified() {
    SaverFixture fx;
    VornErrorWatch watch;
    QVERIFY(fx.Run(KLX_XMLFileSaver::kPeriodMs - 1));
    QCOMPARE(fx.saver->KLX_XMLFileSaverPasses(), 0);
    // No flag set: a pass still pauses the telemetry.
    QVERIFY(fx.Run(1));
    QCOMPARE(fx.saver->KLX_XMLFileSaverPasses(), 1);
    QCOMPARE(fx.db.KLX_DataBaseManagerTelemetryPauseReason(), 8);
    QVERIFY(!QFileInfo::exists(SettingsFixture::SystemFile()));
    // No current model: nothing is written, the model stays marked, and the
    // permission to save it is given back for the model that comes later.
    fx.db.KLX_DataBaseManagerSetModelModifyFlag(true);
    QVERIFY(fx.Run(KLX_XMLFileSaver::kPeriodMs));
    QVERIFY(fx.db.KLX_DataBaseManagerGetModelModifyFlag());
    QVERIFY(fx.db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet));
    QCOMPARE(fx.db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model().KLX_XMLModelWrites(), 0);

    // A current model whose file was not loaded (a start held by the
    // controllers' firmware update, a load under way): what is in memory is
    // not written over its file, and its marks are dropped.
    fx.db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Heli", AtomicDirSet);
    fx.db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(2, AtomicDirSet);
    QVERIFY(fx.Run(KLX_XMLFileSaver::kPeriodMs));
    QVERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(fx.db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model().KLX_XMLModelWrites(), 0);
    QVERIFY(fx.db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet));
    watch.Clear();

    fx.db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
    fx.db.KLX_DataBaseManagerSetModelModifyFlag(true);
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(7, AtomicDirSet);
    fx.db.KLX_DataBaseManagerSetVornModifyFlag(true);
    QVERIFY(fx.Run(KLX_XMLFileSaver::kPeriodMs));
    QCOMPARE(fx.saver->KLX_XMLFileSaverPasses(), 4);
    QVERIFY(SettingsFixture::Read(SettingsFixture::SystemFile()).contains("<Locktimeout>7</Locktimeout>"));
    QVERIFY(SettingsFixture::Read(SettingsFixture::StateFile()).contains("<Modelname>Heli</Modelname>"));
    QVERIFY(!fx.db.KLX_DataBaseManagerGetSystemModifyFlag() && !fx.db.KLX_DataBaseManagerGetVornModifyFlag());
    // The model, marked again: written under its name, in its type's folder,
    // once it is loaded.
    QVERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(fx.db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model().KLX_XMLModelWrites(), 1);
    QVERIFY(QFileInfo(KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/Vorn/Model/Helicopter")).isDir());
    QVERIFY(fx.db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet));
    // The first model save of a run logs its size and path; each state save
    // logs the checksum it belongs to.
    const QString model = KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/Vorn/Model/Helicopter/Heli.xml");
    const QList<QPair<unsigned, QString>> reports = watch.TakeReports();
    QCOMPARE(reports.size(), 2);
    QCOMPARE(reports[0], qMakePair(0x515CCu, QStringLiteral("written %1 bytes of modelfile %2")
                                                 .arg(QFileInfo(model).size()).arg(model)));
    QCOMPARE(reports[1].first, 0x42602u);
  }

  // A screen edits the model while the saver writes it: each save is the
  // model as of one moment, an edit made during a save is saved by the next
  // pass, and once the edits stop the file holds all of them.
  void aSaveWhileAScreenEdits() {
    SaverFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Heli", AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(2, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
    constexpr int kEdits = 48;
    for (int f = 0; f < kEdits; ++f) {
      db.KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 1, AtomicDirSet, false);
      db.KLX_DataBaseManagerFunctionGetSet_Name(f, QStringLiteral("F%1").arg(f), AtomicDirSet);
      db.KLX_DataBaseManagerFunctionGetSet_Trim_Range(f, f, AtomicDirSet, false);
      db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    }
    const QString model = KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/Vorn/Model/Helicopter/Heli.xml");
    QTRY_VERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag() &&
                SettingsFixture::Read(model).contains("<Name>F47</Name>"));
    // The last pass after the last edit: every edit is in the file.
    const int passes = fx.saver->KLX_XMLFileSaverPasses();
    db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    QTRY_VERIFY(fx.saver->KLX_XMLFileSaverPasses() > passes);
    const QByteArray text = SettingsFixture::Read(model);
    for (int f = 0; f < kEdits; ++f) QVERIFY2(text.contains(QStringLiteral("<Name>F%1</Name>").arg(f).toUtf8()), qPrintable(QString::number(f)));
  }

  void requestedPassRunsAtOnceAndTheLastOneEndsSaving() {
    SaverFixture fx;
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(3, AtomicDirSet);
    fx.db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    QTRY_COMPARE(fx.saver->KLX_XMLFileSaverPasses(), 1);
    QVERIFY(QFileInfo::exists(SettingsFixture::SystemFile()));
    fx.db.KLX_DataBaseManagerForceSavingXMLFilesDumpTimers(true);
    QTRY_VERIFY(!fx.saver->KLX_BaseClassThreadIsProcessing());
    QCOMPARE(fx.saver->KLX_XMLFileSaverForcedPasses(), 1);
    const int passes = fx.saver->KLX_XMLFileSaverPasses();
    // After the final pass neither a request nor the period saves.
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(4, AtomicDirSet);
    fx.saver->KLX_XMLFileSaverSavingFiles(false, false);
    QVERIFY(fx.Run(KLX_XMLFileSaver::kPeriodMs));
    QCOMPARE(fx.saver->KLX_XMLFileSaverPasses(), passes);
    QVERIFY(fx.db.KLX_DataBaseManagerGetSystemModifyFlag());
  }

  void aFailedSaveIsTriedAgain() {
    SaverFixture fx;
    // A file in the folder's place: the settings folder cannot be made.
    QDir(SettingsFixture::SystemFolder()).removeRecursively();
    QVERIFY(SettingsFixture::Write(KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/Vorn/System"), "x"));
    VornErrorWatch watch;
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(6, AtomicDirSet);
    fx.db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    QTRY_COMPARE(fx.saver->KLX_XMLFileSaverPasses(), 1);
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x22804, 0x31308}));
    QVERIFY(fx.db.KLX_DataBaseManagerGetSystemModifyFlag());
    QFile::remove(KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/Vorn/System"));
    QVERIFY(fx.Run(KLX_XMLFileSaver::kPeriodMs));
    QVERIFY(QFileInfo::exists(SettingsFixture::SystemFile()));
    QVERIFY(!fx.db.KLX_DataBaseManagerGetSystemModifyFlag());
  }

  void aLateFinalRequestGetsOneMoreFullPass() {
    SaverFixture fx;
    // Hold the card so the requested pass waits inside its steps.
    QCOMPARE(MtxSDShareWrite.KLX_Critical_Enter(), 0);
    fx.db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    QVERIFY(LeftItsWait(fx.clock));
    // The pass has taken the request (it marks the telemetry log first): a
    // request made before that would be one with it.
    QTRY_COMPARE(fx.db.KLX_DataBaseManagerGetTelemetrieHandler()->PauseReason(),
                 KLX_XMLFileSaver::kPauseReasonSaving);
    // Made while that pass runs: it cannot take the saver's lock.
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(8, AtomicDirSet);
    fx.db.KLX_DataBaseManagerForceSavingXMLFilesDumpTimers(true);
    MtxSDShareWrite.KLX_Critical_Leave();
    QTRY_VERIFY(!fx.saver->KLX_BaseClassThreadIsProcessing());
    QVERIFY(SettingsFixture::Read(SettingsFixture::SystemFile()).contains("<Locktimeout>8</Locktimeout>"));
    QVERIFY(!fx.db.KLX_DataBaseManagerGetSystemModifyFlag());
  }

  // The save before a model load asks for the timers' kept values; a plain
  // request that comes before the pass takes it does not take it back.
  void aDumpOfTheTimersIsNotTakenBackByAPlainRequest() {
    SaverFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Heli", AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(2, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_LastValueKeep(0, 1, AtomicDirSet), 1);
    QVERIFY(fx.Run(KLX_XMLFileSaver::kPeriodMs));
    const QString model = KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/Vorn/Model/Helicopter/Heli.xml");
    QVERIFY(SettingsFixture::Read(model).contains("<StoredValue>0</StoredValue>"));
    // The timer stood at 02:51 when it stopped; nothing else changed.
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(0, 171000, AtomicDirSet), 171000);
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
    // A pass holds the card in its steps; the dump and then a plain request
    // come while it waits.
    QCOMPARE(MtxSDShareWrite.KLX_Critical_Enter(), 0);
    db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    QVERIFY(LeftItsWait(fx.clock));
    QTRY_COMPARE(db.KLX_DataBaseManagerGetTelemetrieHandler()->PauseReason(), KLX_XMLFileSaver::kPauseReasonSaving);
    const int passes = fx.saver->KLX_XMLFileSaverPasses();
    db.KLX_DataBaseManagerForceSavingXMLFilesDumpTimers(false);
    QVERIFY(fx.saver->KLX_XMLFileSaverDumpPending());
    db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    MtxSDShareWrite.KLX_Critical_Leave();
    QTRY_VERIFY(fx.saver->KLX_XMLFileSaverPasses() >= passes + 2);
    QVERIFY(!fx.saver->KLX_XMLFileSaverDumpPending());
    QVERIFY(SettingsFixture::Read(model).contains("<StoredValue>171000</StoredValue>"));
  }

  void aStopThatTimesOutKeepsTheStores() {
    auto* fx = new SaverFixture;
    QCOMPARE(MtxSDShareWrite.KLX_Critical_Enter(), 0);
    fx->db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    QVERIFY(LeftItsWait(fx->clock));
    VornErrorWatch watch;
    std::atomic<int> stopped{0};
    QThread* stopper = QThread::create([&] { stopped = fx->db.KLX_DataBaseManagerStop(); });
    stopper->start();
    // The stop looks for the end of the pass for six seconds of its clock.
    QVERIFY(fx->clock.KLX_ManualClockRun(KLX_XMLFileSaver::kStopLockMs - KLX_XMLFileSaver::kStopPollMs, 1));
    QCOMPARE(stopped.load(), 0);
    fx->clock.KLX_ManualClockAdvance(KLX_XMLFileSaver::kStopPollMs);
    QVERIFY(stopper->wait(kVornHangMs));
    delete stopper;
    QCOMPARE(stopped.load(), int(KLX_Error));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x13E03});
    QVERIFY(fx->saver->isRunning());
    fx->db.KLX_DataBaseManagerFree();
    // The stores the running pass uses are still there.
    QVERIFY(fx->db.KLX_DataBaseManagerXMLFileHandlerPtr() != nullptr);
    MtxSDShareWrite.KLX_Critical_Leave();
    fx->saver->KLX_XMLFileSaverSetClock(nullptr);
    QCOMPARE(fx->saver->KLX_XMLFileSaverStop(), int(KLX_Ok));
    QTRY_VERIFY(!fx->saver->isRunning());
    fx->db.KLX_DataBaseManagerFree();
    QVERIFY(fx->db.KLX_DataBaseManagerXMLFileHandlerPtr() == nullptr);
    delete fx;
  }
};

QTEST_GUILESS_MAIN(TestSaver)
#include "tst_saver.moc"
