// The saver thread: passes on its period and on request, the final pass,
// failed saves retried, and a stop that cannot end the thread in time.
#include "frame/klx_basethread.h"
#include "settings_fixture.h"

class TestSaver : public QObject {
  Q_OBJECT

 private slots:
  void periodicPassWritesWhatIsModified() {
    SettingsFixture fx;
    KLX_XMLFileSaver* saver = fx.db.KLX_DatabaseManagerXMLFileSaverPtr();
    QSignalSpy done(saver, SIGNAL(xmlSaveIsDone()));
    // No flag set: a pass still pauses the telemetry and signals.
    saver->KLX_XMLFileSaverSetPeriodForTest(50);
    QVERIFY(done.wait(2000));
    QCOMPARE(fx.db.KLX_DataBaseManagerTelemetryPauseReason(), 8);
    QVERIFY(!QFileInfo::exists(SettingsFixture::SystemFile()));
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(7, AtomicDirSet);
    fx.db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Heli", AtomicDirSet);
    QTRY_VERIFY(QFileInfo::exists(SettingsFixture::SystemFile()) && QFileInfo::exists(SettingsFixture::StateFile()));
    QTRY_VERIFY(!fx.db.KLX_DataBaseManagerGetSystemModifyFlag() && !fx.db.KLX_DataBaseManagerGetVornModifyFlag());
    QVERIFY(SettingsFixture::Read(SettingsFixture::SystemFile()).contains("<Locktimeout>7</Locktimeout>"));
    // The model: written under its name once it is modified.
    fx.db.KLX_DataBaseManagerSetModelModifyFlag(true);
    QTRY_VERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(fx.db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model().KLX_XMLModelWrites(), 1);
    QVERIFY(fx.db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet));
  }

  void requestedPassRunsAtOnceAndTheLastOneEndsSaving() {
    SettingsFixture fx;
    KLX_XMLFileSaver* saver = fx.db.KLX_DatabaseManagerXMLFileSaverPtr();
    QSignalSpy done(saver, SIGNAL(xmlSaveIsDone()));
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(3, AtomicDirSet);
    fx.db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    QVERIFY(done.wait(2000));
    QVERIFY(QFileInfo::exists(SettingsFixture::SystemFile()));
    fx.db.KLX_DataBaseManagerForceSavingXMLFilesDumpTimers(true);
    QTRY_VERIFY(!saver->KLX_BaseClassThreadIsProcessing());
    QCOMPARE(saver->KLX_XMLFileSaverForcedPasses(), 1);
    const int passes = saver->KLX_XMLFileSaverPasses();
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(4, AtomicDirSet);
    saver->KLX_XMLFileSaverSavingFiles(false, false);
    QTest::qWait(200);
    QCOMPARE(saver->KLX_XMLFileSaverPasses(), passes);
    QVERIFY(fx.db.KLX_DataBaseManagerGetSystemModifyFlag());
  }

  void aFailedSaveIsTriedAgain() {
    SettingsFixture fx;
    KLX_XMLFileSaver* saver = fx.db.KLX_DatabaseManagerXMLFileSaverPtr();
    QSignalSpy done(saver, SIGNAL(xmlSaveIsDone()));
    // A file in the folder's place: the settings folder cannot be made.
    QDir(SettingsFixture::SystemFolder()).removeRecursively();
    QVERIFY(SettingsFixture::Write(KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/Vorn/System"), "x"));
    VornErrorWatch watch;
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(6, AtomicDirSet);
    fx.db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    QVERIFY(done.wait(2000));
    QCOMPARE(watch.Codes(), (QList<unsigned>{141316, 0x00031308}));
    QVERIFY(fx.db.KLX_DataBaseManagerGetSystemModifyFlag());
    QFile::remove(KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/Vorn/System"));
    saver->KLX_XMLFileSaverSetPeriodForTest(50);
    QTRY_VERIFY(QFileInfo::exists(SettingsFixture::SystemFile()));
    QTRY_VERIFY(!fx.db.KLX_DataBaseManagerGetSystemModifyFlag());
  }

  void aLateFinalRequestGetsOneMoreFullPass() {
    SettingsFixture fx;
    KLX_XMLFileSaver* saver = fx.db.KLX_DatabaseManagerXMLFileSaverPtr();
    // Hold the card so the requested pass waits inside its steps.
    QCOMPARE(MtxSDShareWrite.KLX_Critical_Enter(), 0);
    fx.db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    QTest::qWait(100);
    // Made while that pass runs: it cannot take the saver's lock.
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(8, AtomicDirSet);
    fx.db.KLX_DataBaseManagerForceSavingXMLFilesDumpTimers(true);
    MtxSDShareWrite.KLX_Critical_Leave();
    QTRY_VERIFY(!saver->KLX_BaseClassThreadIsProcessing());
    QVERIFY(saver->KLX_XMLFileSaverPasses() >= 2);
    QVERIFY(SettingsFixture::Read(SettingsFixture::SystemFile()).contains("<Locktimeout>8</Locktimeout>"));
    QVERIFY(!fx.db.KLX_DataBaseManagerGetSystemModifyFlag());
  }

  void aStopThatTimesOutKeepsTheStores() {
    auto* fx = new SettingsFixture;
    KLX_XMLFileSaver* saver = fx->db.KLX_DatabaseManagerXMLFileSaverPtr();
    QCOMPARE(MtxSDShareWrite.KLX_Critical_Enter(), 0);
    fx->db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    QTest::qWait(100);
    VornErrorWatch watch;
    QCOMPARE(fx->db.KLX_DataBaseManagerStop(), int(KLX_Error));
    QCOMPARE(watch.Codes(), QList<unsigned>{0x00013E03});
    QVERIFY(saver->isRunning());
    fx->db.KLX_DataBaseManagerFree();
    // The stores the running pass uses are still there.
    QVERIFY(fx->db.KLX_DataBaseManagerXMLFileHandlerPtr() != nullptr);
    MtxSDShareWrite.KLX_Critical_Leave();
    QCOMPARE(saver->KLX_XMLFileSaverStop(), 1);
    QTRY_VERIFY(!saver->isRunning());
    fx->db.KLX_DataBaseManagerFree();
    QVERIFY(fx->db.KLX_DataBaseManagerXMLFileHandlerPtr() == nullptr);
    delete fx;
  }
};

QTEST_GUILESS_MAIN(TestSaver)
#include "tst_saver.moc"
