// The facade's life cycle with every object it owns: Initialize makes all
// 31, a failed Initialize and Free delete them in their order, and the
// model reset clears every store.
#include <QMutex>
#include <QSemaphore>

#include <atomic>

#include "model/model_fixture.h"

namespace {
QMutex g_LinesMutex;
QStringList g_Lines;
void Collect(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type != QtDebugMsg || !text.contains("database class")) return;
  QMutexLocker lock(&g_LinesMutex);
  g_Lines.append(text);
}
// Debug lines of the deletions while `run` runs.
template <typename F>
QStringList Deletions(F run) {
  g_Lines.clear();
  // The developers' lines, off by default.
  QLoggingCategory::setFilterRules(QStringLiteral("vorn.developer=true"));
  QtMessageHandler previous = qInstallMessageHandler(Collect);
  run();
  qInstallMessageHandler(previous);
  QLoggingCategory::setFilterRules(QString());
  return g_Lines;
}
QStringList FreeOrder() {
  const char* names[] = {"headup", "headupwindow", "function", "mixer", "limiter", "flightmode", "curve",
                         "sequencer", "GPS", "Stickhandler", "Servo Config", "Telemetrie", "Receiver", "Version",
                         "vornproperties", "GUI Telemetrie", "Switch", "Flightmode Assigenmnet", "TelemetryControl",
                         "Voice Alarms", "Voice Telemetry", "ComplexTimer", "Trim", "Model Runtime",
                         "Special Switch", "Modelmetadata", "Trainer cord", "Vario", "System Property"};
  QStringList lines;
  for (const char* name : names) lines << QStringLiteral("  ->   Del %1 database class").arg(name);
  return lines;
}
}  // namespace

class TestLifecycle : public QObject {
  Q_OBJECT

 private slots:
  void initializeMakesEveryObject_data() {
    AddBoardRows();
  }
  void initializeMakesEveryObject() {
    QFETCH(int, board);
    ModelFixture fx(board);
    QCOMPARE(fx.initialized, 1);
    QCOMPARE(fx.db.KLX_DataBaseManagerOwnedObjects(), 31);
    QVERIFY(fx.db.KLX_HeadupPtr());
    QVERIFY(fx.db.KLX_DatabaseManagerTutorPupilPointer());
  }

  void stopProcessingStopsTheAudioHandlerOnly() {
    ModelFixture fx;
    KLX_AudioHandler* audio = fx.db.KLX_DatabaseManagerAudioHandlerPointer();
    KLX_XMLFileSaver* saver = fx.db.KLX_DatabaseManagerXMLFileSaverPtr();
    QVERIFY(audio->KLX_BaseClassThreadIsProcessing());
    QVERIFY(saver->KLX_BaseClassThreadIsProcessing());
    fx.db.KLX_DatabaseManagerStopProcessing();
    QVERIFY(!audio->KLX_BaseClassThreadIsProcessing());
    QVERIFY(saver->KLX_BaseClassThreadIsProcessing());
    QVERIFY(fx.db.KLX_DataBaseManagerIsInitialized());
  }

  // The switch-off asks for the final save and stops the saver 100 ms
  // later; on a busy processor the stop can take the saver's lock first:
  // before the asked pass has begun (the gate holds the saver in its wait
  // until the stop wakes it), or, when the final save was asked while a
  // periodic pass ran, in the instant between that pass's end and the
  // saver's look at whether it goes on (the gate holds it there until the
  // stop wakes it). The final pass is made either way.
  void aFinalSaveAskedBeforeTheStopIsMade_data() {
    QTest::addColumn<bool>("duringAPass");
    QTest::addColumn<int>("passes");
    QTest::newRow("asked while the saver waits") << false << 1;
    QTest::newRow("asked during a pass, the stop at its end") << true << 2;
  }
  void aFinalSaveAskedBeforeTheStopIsMade() {
    QFETCH(bool, duringAPass);
    QFETCH(int, passes);
    struct GateClock : KLX_Clock {
      QSemaphore release;
      std::atomic<bool> open{false};
      std::atomic<int> waiting{0};
      qint64 KLX_ClockNowMs() const override { return 0; }
      bool KLX_ClockWait(QWaitCondition&, QMutex& mutex, unsigned long) override {
        ++waiting;
        mutex.unlock();
        release.acquire();
        mutex.lock();
        --waiting;
        return true;
      }
      void KLX_ClockWake(QWaitCondition&) override {
        if (open) release.release();
      }
    } gate;
    // Made before the saver, which may still call its hooks as a failed
    // case ends.
    std::atomic<bool> asked{false};
    QSemaphore ended;
    std::atomic<int> ends{0};
    ModelFixture fx;
    KLX_XMLFileSaver* saver = fx.db.KLX_DatabaseManagerXMLFileSaverPtr();
    saver->KLX_XMLFileSaverSetClock(&gate);
    QTRY_COMPARE(gate.waiting.load(), 1);
    // Asked from inside a periodic pass, which holds the saver's lock.
    const QMetaObject::Connection asking = connect(
        saver, &KLX_XMLFileSaver::xmlSaveIsDone, saver,
        [&, saver] {
          if (duringAPass && !asked.exchange(true)) saver->KLX_XMLFileSaverSavingFiles(true, false);
        },
        Qt::DirectConnection);
    saver->KLX_XMLFileSaverSetPassEndHook([&] {
      if (!duringAPass || ends++ > 0) return;
      ended.release();
      gate.release.acquire();
    });
    if (duringAPass) {
      gate.open = true;
      saver->KLX_XMLFileSaverForceModelFileSave(false);
      QVERIFY(ended.tryAcquire(1, kVornHangMs));
    } else {
      saver->KLX_XMLFileSaverSavingFiles(true, false);
      gate.open = true;
    }
    QCOMPARE(fx.db.KLX_DataBaseManagerStop(), int(KLX_Ok));
    disconnect(asking);
    saver->KLX_XMLFileSaverSetPassEndHook(nullptr);
    QCOMPARE(saver->KLX_XMLFileSaverPasses(), passes);
    QCOMPARE(saver->KLX_XMLFileSaverForcedPasses(), 1);
    saver->KLX_XMLFileSaverSetClock(nullptr);
  }

  void freeDeletesInItsOrderOnce() {
    ModelFixture fx;
    // Refused while the services run.
    QVERIFY(Deletions([&] { fx.db.KLX_DataBaseManagerFree(); }).isEmpty());
    QCOMPARE(fx.db.KLX_DataBaseManagerOwnedObjects(), 31);
    fx.db.KLX_DataBaseManagerStop();
    QCOMPARE(Deletions([&] { fx.db.KLX_DataBaseManagerFree(); }), FreeOrder());
    QCOMPARE(fx.db.KLX_DataBaseManagerOwnedObjects(), 0);
    QVERIFY(Deletions([&] { fx.db.KLX_DataBaseManagerFree(); }).isEmpty());
    // Accessors of freed stores fail instead of touching freed memory.
    QCOMPARE(fx.db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(0, true, AtomicDirSet), int(KLX_Error));
    QVERIFY(!fx.db.KLX_DataBaseManagerIsReceiverUsed(0));
    QCOMPARE(fx.db.KLX_DataBaseManagerRuntimeGetSet_Runtime(5, AtomicDirSet), int(KLX_Error));
    QCOMPARE(fx.db.KLX_DataBaseManagerGetVarioAddress(), int(KLX_Error));
  }

  void aFailedInitializeDeletesEverything_data() {
    QTest::addColumn<int>("missing");
    QTest::newRow("message layer") << 0;
    QTest::newRow("task handler") << 1;
    QTest::newRow("runtime read-outs") << 2;
  }
  void aFailedInitializeDeletesEverything() {
    QFETCH(int, missing);
    VornTestRoot root;
    CSimBoard(root.Path(), CSimBoard::Vorn).Prepare(0);
    KLX_Protocol protocol;
    KLX_VornHandler vorn;
    KLX_RuntimeDatabaseManager runtime;
    KLX_DataBaseManager db;
    VornErrorWatch watch;
    int result = 0;
    const QStringList lines = Deletions([&] {
      result = db.KLX_DataBaseManagerInitialize(missing == 0 ? nullptr : &protocol, missing == 1 ? nullptr : &vorn,
                                                &KLXlanguageHandler, missing == 2 ? nullptr : &runtime);
    });
    QCOMPARE(result, int(KLX_Error));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x10301});
    QCOMPARE(lines, FreeOrder());
    QCOMPARE(db.KLX_DataBaseManagerOwnedObjects(), 0);
    QVERIFY(!db.KLX_DataBaseManagerIsInitialized());
  }

  void modelResetClearsEveryStore() {
    ModelFixture fx;
    auto& db = fx.db;
    const int set = AtomicDirSet;
    const int specialDefault = db.KLX_DataBaseManagerSpecialSwitchGetSet_Value(0, 0, AtomicDirGet);
    db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 1, set);
    db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(0, 1, set);
    db.KLX_DataBaseManagerMixerGetSet_IsUsed(0, 1, set);
    db.KLX_DataBaseManagerLimiterGetSet_IsUsed(0, 1, set);
    db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(1, 1, set);
    db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 1, set);
    db.KLX_DataBaseManagerCurveGetSet_IsUsed(0, 1, set);
    db.KLX_DataBaseManagerFlightmodeAssignGetSet_Control(0, 768, set);
    db.KLX_DataBaseManagerSwitchGetSet_IsUsed(0, 1, set);
    CReceiver receiver;
    receiver.mask = 1;
    receiver.used = 1;
    db.KLX_DataBaseManagerSetReceiver(receiver);
    db.KLX_DataBaseManagerReceiverGetSetBindConfig(0x1234, set);
    db.KLX_DataBaseManagerGetTelemetrieObject()->KLX_TelemetrieGetSet_IsCaptured(1, set);
    db.KLX_DataBaseManagerTrimGetSetTrimValue(0, 0, 300, set);
    db.KLX_DataBaseManagerRuntimeGetSet_Runtime(90, set);
    QVERIFY(db.KLX_DataBaseManagerSpecialSwitchGetSet_Value(0, 5, set) != specialDefault);
    db.KLX_DataBaseManagerModelmetadataGetSet_Modelinfo("info", set);
    db.KLX_DataBaseManagerVarioGetSetStartToneHz(400, 0, set);
    db.KLX_DataBaseManagerSwitchGetSet_IsUsed(1, 1, set);
    db.KLX_DataBaseManagerTutorPupilGetSetActivator(1281, set);
    db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(2, true, set);
    db.KLX_DataBaseManagerTeleControlGetSet_Name(0, "Alt", set);
    db.KLX_DataBaseManagerGetSetTransLQI1(80, set);
    QVERIFY(db.CreateHeadupItem(HeadupType_Servo));
    db.KLX_SetHeadupIndex(1);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(3, 10, 10, TELEGUISIZE_Small), 0);
    QCOMPARE(db.KLX_DataBaseManagerSetLastUsedTTSList("Field.txt"), 1);
    db.KLX_AppendTTSLNewItem();
    db.KLX_IncrementTTSLIndex();
    db.KLX_DataBaseManagerTimerGetSet_IsUsed(7, 1, set);
    db.KLX_DataBaseManagerTimerGetSet_Name(7, "Flight", set);
    db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(3, 1, set);
    db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(3, 2, 0x08, set);

    db.KLX_DataBaseManagerResetAllModelData();

    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(0, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_IsUsed(0, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerLimiterGetSet_IsUsed(0, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(1, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsUsed(0, 0, AtomicDirGet), 0);
    QVERIFY(db.KLX_DataBaseManagerFlightmodeAssignGetSet_Control(0, 0, AtomicDirGet) != 768);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsUsed(0, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerGetLastUsedTTSList(), QString());
    QVERIFY(db.KLX_GetTTSList().isEmpty());
    QCOMPARE(db.KLX_GetTTSLIndex(), -1);
    QCOMPARE(db.KLX_DatabaseMangerHeadupGetItemCount(), 0);
    QCOMPARE(db.KLX_GetHeadupIndex(), 0);
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverMask(), 0);
    QCOMPARE(db.KLX_DataBaseManagerReceiverGetSetBindConfig(0, AtomicDirGet), 0ull);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetNumberPagesInUse(), 0);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_IsUsed(3, 0, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerGetTelemetrieObject()->KLX_TelemetrieGetSet_IsCaptured(0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_IsUsed(7, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_Name(7, "", AtomicDirGet), QString("timer"));
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(3, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(3, 2, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerPreflightStore()->Clears(), 1);
    QCOMPARE(db.KLX_DataBaseManagerTrimGetSetTrimValue(0, 0, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerRuntimeGetSet_Runtime(0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerSpecialSwitchGetSet_Value(0, 0, AtomicDirGet), specialDefault);
    QCOMPARE(db.KLX_DataBaseManagerModelmetadataGetSet_Modelinfo(QString(), AtomicDirGet), QString());
    QCOMPARE(db.KLX_DataBaseManagerVoiceAlarmStore()->Clears(), 1);
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetStartToneHz(0, 0, AtomicDirGet), 270);
    // The activator goes with the model; the items belong to the settings.
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetActivator(0, AtomicDirGet), 65535);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(2, false, AtomicDirGet), 1);
    QVERIFY(db.KLX_DataBaseManagerTeleControlGetSet_Name(0, QString(), AtomicDirGet) != QString("Alt"));
    QCOMPARE(db.KLX_DataBaseManagerGetSetTransLQI1(0, AtomicDirGet), QString("0"));
    QCOMPARE(db.KLX_DataBaseManagerGetSetTransRSSI2(0, AtomicDirGet), QString("-129"));
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
  }
};

QTEST_GUILESS_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
