// The binding configuration and the checksum check at switch-off against the
// simulated transceiver controller: what goes over the bus, what each side
// keeps, and that every end keeps the edits made before the task for the
// next save.
#include "tasks_load/tasks_load_fixture.h"

namespace {
// The real-time bound of a wait for a condition: only a hang reaches it.
constexpr int kHangMs = LoadRig::kHangMs;
using VT = KLX_VornTask;
constexpr unsigned kNotSentHint = 0x42D05;
constexpr unsigned kBindRetries = 0x22D03;
constexpr unsigned kMatched = 0x42601;
constexpr unsigned kMismatch = 0x21605;
constexpr unsigned kOwnCrc = 0x42605;
constexpr unsigned kHeldCrc = 0x42606;
constexpr unsigned kCheckRetries = 0x22C02;
constexpr unsigned kRuntimeStarted = 0x33901;
constexpr unsigned kRuntimeStopped = 0x33902;
constexpr quint64 kConfig = 0x1122334455667788ULL;
const QString kSmallLoad =
    "S H0:1:48 U0.0 H5:1:26 U5.0 H8:1:1 U8.0 H9:6:6 U9.0 U9.1 U9.2 U9.3 U9.4 U9.5 H10:1:1 U10.0 E";

// The binding messages as words: "Q" state request, "N" new configuration
// (with its byte when it has one), "C" and the hexadecimal bytes of a
// configuration.
QString BindTrace(const QList<CSimMessage>& messages) {
  QStringList words;
  for (const CSimMessage& m : messages) {
    if (m.id == SimBindStateRequest) words << "Q";
    if (m.id == SimBindNewRequest) words << "N" + m.data.toHex();
    if (m.id == SimBindConfig) words << "C" + m.data.toHex();
  }
  return words.join(' ');
}

Task_Data_T Request(int task, int timeout, int paraint1 = VT::KLX_TASK_PARA_NONE,
                    int paraint2 = VT::KLX_TASK_PARA_NONE) {
  Task_Data_T t;
  t.task = task;
  t.paraint1 = paraint1;
  t.paraint2 = paraint2;
  t.timeout = timeout;
  t.repeat = 3;
  t.source = VT::KLX_TASK_SOURCE_VORN;
  return t;
}

QString Hex8(unsigned v) { return QStringLiteral("%1").arg(v, 8, 16, QChar('0')).toUpper(); }

// The update states the facade tells QML, as the test's thread hears them.
struct StatusLog : QObject {
  QList<int> states;
  explicit StatusLog(KLX_DataBaseManager* db) {
    connect(db, &KLX_DataBaseManager::updateStatus, this, [this](int s) { states << s; }, Qt::QueuedConnection);
  }
};
}  // namespace

class BindPowerOffTest : public QObject {
  Q_OBJECT

 private slots:
  void bindingConfiguration_data() {
    QTest::addColumn<quint64>("config");  // the model's
    QTest::addColumn<int>("mode");        // receiver mode, with the R-Ediv antenna state in its second byte
    QTest::addColumn<bool>("kept");       // the model is kept in the controller, its checksum valid
    QTest::addColumn<int>("paraint1");
    QTest::addColumn<int>("paraint2");
    QTest::addColumn<bool>("refuse");
    QTest::addColumn<int>("modified");  // unsaved before the task: kinds of change (an edit, the run time)
    QTest::addColumn<QString>("trace");
    QTest::addColumn<quint64>("held");  // the controller's afterwards (1: a new one)
    QTest::addColumn<int>("modifiedAfter");
    QTest::addColumn<QList<unsigned>>("codes");
    const int none = VT::KLX_TASK_PARA_NONE, fast = VT::KLX_TASK_PARA_MODEL_FastStart, force = VT::KLX_TASK_PARA_FORCE;
    const QString sent = "Q C887766554433221100";
    const int edit = KLX_DataBaseManager::ModelChangeEdit, own = KLX_DataBaseManager::ModelChangeOwn;
    QTest::newRow("none in the model: a hint, the edits kept") << quint64(0) << 0 << false << none << none << false
                                                              << edit << "Q Q" << quint64(0) << edit
                                                              << QList<unsigned>{kNotSentHint};
    // The run time counted before the task stays the program's own, not an edit.
    QTest::newRow("none in the model, a run-time minute unsaved: kept as it was")
        << quint64(0) << 0 << false << none << none << false << own << "Q Q" << quint64(0) << own
        << QList<unsigned>{kNotSentHint};
    QTest::newRow("the run time and an edit unsaved, sent: both kept")
        << kConfig << 0 << false << none << none << false << (own | edit) << sent << kConfig << (own | edit)
        << QList<unsigned>{};
    QTest::newRow("sent with the receiver mask, taken") << kConfig << 0 << false << none << none << false << 0
                                                        << sent << kConfig << 0 << QList<unsigned>{};
    QTest::newRow("refused every time: fails, the edits kept")
        << kConfig << 0 << false << none << none << true << edit << sent + " C887766554433221100 C887766554433221100"
           " C887766554433221100" << quint64(0) << edit << QList<unsigned>{kBindRetries};
    QTest::newRow("fast start, kept by the controller: nothing sent")
        << kConfig << 0 << true << none << fast << false << 0 << "Q Q" << quint64(0) << 0 << QList<unsigned>{};
    QTest::newRow("kept, but a normal start: sent") << kConfig << 0 << true << none << none << false << 0 << sent
                                                    << kConfig << 0 << QList<unsigned>{};
    QTest::newRow("R-Ediv pair with its antenna ready: without the mask")
        << kConfig << (64 | 1 << 8) << false << none << none << false << 0 << "Q C8877665544332211" << kConfig
        << 0 << QList<unsigned>{};
    QTest::newRow("R-Ediv pair, antenna not ready: not sent, done")
        << kConfig << 64 << false << none << none << false << 0 << "Q Q" << quint64(0) << 0
        << QList<unsigned>{kNotSentHint};
    QTest::newRow("forced without one: the controller's new one is the model's, to be saved")
        << quint64(0) << 0 << false << force << none << false << 0 << "Q N" << quint64(1) << edit
        << QList<unsigned>{};
  }
  void bindingConfiguration() {
    QFETCH(quint64, config);
    QFETCH(int, mode);
    QFETCH(bool, kept);
    QFETCH(int, paraint1);
    QFETCH(int, paraint2);
    QFETCH(bool, refuse);
    QFETCH(int, modified);
    QFETCH(QString, trace);
    QFETCH(quint64, held);
    QFETCH(int, modifiedAfter);
    QFETCH(QList<unsigned>, codes);
    LoadRig r;
    QVERIFY(r.Up());
    VornErrorWatch errors;
    errors.Expect(kBindRetries);
    KLX_DataBaseManager& db = r.Db();
    db.KLX_DataBaseManagerReceiverGetSetBindConfig(config, AtomicDirSet);
    db.KLX_DataBaseManagerReceiverModeSet(KLX_Receiver::rx_mode_t(mode & 0xFF));
    // The antenna state travels in the controller's device state, bits 10 and 11.
    db.KLX_DatabaseManagerSetTCDeviceState(unsigned(mode >> 8) << 10);
    if (kept) {
      db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(true, AtomicDirSet);
      db.KLX_DataBaseManagerGetSetCRCpart(true, 0x0BADF00D, AtomicDirSet);
    }
    db.KLX_DataBaseManagerSetModelModifyFlag(modified & KLX_DataBaseManager::ModelChangeEdit);
    if (modified & KLX_DataBaseManager::ModelChangeOwn) db.KLX_DataBaseManagerMarkModelOwnChange();
    if (refuse) r.sim.TransceiverController().Answers().Set(CSimTransceiver::KeyBindSet, {0, false, true, 1});
    errors.Clear();
    r.Mark();
    r.Vorn().KLX_VornHandlerQueueProcessTask(Request(VT::KLX_TASK_BIND_CONFIG, 2000, paraint1, paraint2));
    QTRY_COMPARE_WITH_TIMEOUT(BindTrace(r.sim.ReceivedMessages().mid(r.mark)), trace, kHangMs);
    QVERIFY(r.Idle());
    QVERIFY(r.Flushed());
    QCOMPARE(BindTrace(r.sim.ReceivedMessages().mid(r.mark)), trace);
    QCOMPARE(errors.TakeCodes(), codes);
    const quint64 controller = r.sim.State().bindConfig;
    if (held == 1) {
      QVERIFY(controller != 0);
      QCOMPARE(db.KLX_DataBaseManagerReceiverGetSetBindConfig(0, AtomicDirGet), controller);
    } else {
      QCOMPARE(controller, held);
    }
    if (held == kConfig) QCOMPARE(r.sim.State().receiverMask, 0);
    QCOMPARE(db.KLX_DataBaseManagerGetModelModifyFlag(), modifiedAfter != 0);
    QCOMPARE(db.KLX_DataBaseManagerTakeModelChangeKinds(), modifiedAfter);
  }

  // A load's end answered late (past the load's time-out, 1 s here, so the
  // end was asked again and its second answer ended the load): the late
  // answer has the form of the controller's binding configuration (1, 2),
  // and lands while the binding configuration that follows the load waits
  // for its state request's answer, or for its configuration's. It is the
  // load's, passed over: the configuration is sent once, after the state's
  // answer, and taken; nothing reaches the task after it (a stand-in for the
  // telemetry capture that asks nothing).
  void aLoadsLateEndAnswerIsNotTheBindingConfigurations_data() {
    QTest::addColumn<int>("stateMs");  // the state request's answer
    QTest::addColumn<int>("setMs");    // the configuration's answer
    QTest::newRow("while the state is asked") << 500 << 20;
    QTest::newRow("while the configuration is sent") << 20 << 500;
  }
  void aLoadsLateEndAnswerIsNotTheBindingConfigurations() {
    QFETCH(int, stateMs);
    QFETCH(int, setMs);
    KLX_ModelLoader loader;
    ScriptedTask capture;
    capture.timeoutResults = {KLX_Done};
    LoadRig r;
    QVERIFY(r.Up());
    VornErrorWatch errors;
    errors.Expect({kRuntimeStarted, kRuntimeStopped, kBindRetries});
    r.UseLoader(&loader);
    r.Vorn().KLX_VornHandlerEngine().KLX_ProcessVornSetTaskObject(VT::KLX_TASK_CAPTURE_TELEINFO, &capture);
    QVERIFY(r.SaveModel("Glider", QString(), [](KLX_DataBaseManager& db) {
      db.KLX_DataBaseManagerReceiverGetSetBindConfig(kConfig, AtomicDirSet);
    }));
    CSimAnswerBook& book = r.sim.TransceiverController().Answers();
    using T = CSimTransceiver;
    for (int k : {T::KeyLoadStart, T::KeyUnitHeader, T::KeyUnit}) book.Set(k, {20, false, false, 1});
    // The end asked again 1 s after the first, answered 20 ms later; the first answered 1.2 s after it.
    book.Set(T::KeyLoadEnd, {20, false, false, 1, 1, 1200});
    book.Set(T::KeyBindState, {stateMs, false, false, 1});
    book.Set(T::KeyBindSet, {setMs, false, false, 1});
    errors.Clear();
    QVERIFY(r.AtRest());
    r.Mark();
    r.QueueLoad("Glider", false, QString(), 1000);
    // Up to the capture's end, by its time-out.
    for (int ms = 0; capture.CleanUps() == 0; ms += 10) {
      QVERIFY(ms < 10000);
      QVERIFY(r.Steps({10}));
    }
    QVERIFY(r.AtRest());
    QCOMPARE(r.Trace(), kSmallLoad + " E");
    QCOMPARE(BindTrace(r.sim.ReceivedMessages().mid(r.mark)), QString("Q C887766554433221100"));
    QCOMPARE(r.sim.State().bindConfig, kConfig);
    QCOMPARE(capture.Updates().size(), 0);
    QList<unsigned> failures;
    for (unsigned code : errors.TakeCodes())
      if (VornErrorWatch::IsFailure(code) && code != kRuntimeStarted && code != kRuntimeStopped) failures << code;
    QCOMPARE(failures, QList<unsigned>{});
    // Set in the engine's thread before the capture it queued could begin,
    // whose end was waited for: no wait here.
    QCOMPARE(r.Phase(), int(VT::KLX_PHASE_SYSTEM_UP));
  }

  // At switch-off: the controller's checksum against the program's. On a
  // match the controller is told to power off with the model kept; on a
  // mismatch or without an answer it is not, and the edits made since the
  // last save reach the model file before the switch-off goes on.
  void checksumBeforePowerOff_data() {
    QTest::addColumn<bool>("differs");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("poweredOff");
    QTest::addColumn<QList<unsigned>>("codes");
    QTest::newRow("same model: power off") << false << false << QList<int>{} << "F1 C O"
                                           << int(VT::KLX_MODEL_CRC_TC_LINUX_MATCHED) << 1
                                           << QList<unsigned>{kMatched};
    QTest::newRow("different model: no power off")
        << true << false << QList<int>{} << "F1 C" << int(VT::KLX_MODEL_CRC_TC_LINUX_NOTMATCHED) << 0
        << QList<unsigned>{kMismatch, kOwnCrc, kHeldCrc};
    QTest::newRow("no answer: asked four times, then the switch-off goes on")
        << false << true << QList<int>{15000, 15000, 15000, 15000} << "F1 C C C C" << -1 << 0
        << QList<unsigned>{kCheckRetries};
  }
  void checksumBeforePowerOff() {
    QFETCH(bool, differs);
    QFETCH(bool, silent);
    QFETCH(QList<int>, steps);
    QFETCH(QString, trace);
    QFETCH(int, status);
    QFETCH(int, poweredOff);
    QFETCH(QList<unsigned>, codes);
    LoadRig r;
    QVERIFY(r.Up());
    VornErrorWatch errors;
    errors.Expect({kRuntimeStarted, kRuntimeStopped, kMismatch, kCheckRetries});
    KLX_DataBaseManager& db = r.Db();
    // The saver writes only when it is told to: its clock never moves.
    KLX_ManualClock saverClock;
    struct SaverOnClock {
      KLX_XMLFileSaver* saver;
      ~SaverOnClock() { saver->KLX_XMLFileSaverSetClock(nullptr); }
    } saver{db.KLX_DatabaseManagerXMLFileSaverPtr()};
    saver.saver->KLX_XMLFileSaverSetClock(&saverClock);
    saver.saver->KLX_XMLFileSaverStartProcessing();
    QVERIFY(r.Loaded());
    // An edit since the last save, sent to the controller as it is made.
    db.KLX_DataBaseManagerFunctionGetSet_Trim_Range(0, 40, AtomicDirSet, true);
    QTRY_COMPARE_WITH_TIMEOUT(r.sim.TransceiverController().Seen().fieldUpdates, 1, kHangMs);
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    if (differs) r.sim.TransceiverController().SetChecksumOverride(true, 0x0BADF00D);
    if (silent) r.sim.TransceiverController().Answers().Set(CSimTransceiver::KeyModelChecksum, {0, true, false, 1});
    StatusLog statuses(&db);
    errors.Clear();
    const int writes = db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model().KLX_XMLModelWrites();
    r.Mark();
    r.Vorn().KLX_VornHandlerQueueProcessTask(Request(VT::KLX_TASK_MOD_SYNC, 15000));
    QTRY_VERIFY_WITH_TIMEOUT(r.Trace().contains("C"), kHangMs);
    QVERIFY(r.Steps(steps));
    QTRY_COMPARE_WITH_TIMEOUT(r.link.runtime.KLX_RuntimeDatabaseManager_GetSystemPowerOffFlag(), poweredOff, kHangMs);
    QVERIFY(r.Idle());
    QVERIFY(r.Flushed());
    QCOMPARE(r.Trace(), trace);
    QCOMPARE(r.sim.TransceiverController().Seen().powerOffs, poweredOff);

    const unsigned own = db.KLX_DataBaseManagerCalculateModelCRC(false);
    // The controller applied the edit: both sides still agree.
    QCOMPARE(r.sim.TransceiverController().HeldChecksum(), own);
    // The check's own reports, in order.
    const QList<unsigned> checkCodes{kMatched, kMismatch, kOwnCrc, kHeldCrc, kCheckRetries};
    QList<QPair<unsigned, QString>> reports;
    QList<unsigned> reported;
    for (const auto& report : errors.Reports())
      if (checkCodes.contains(report.first)) reports << report, reported << report.first;
    QCOMPARE(reported, codes);
    if (!silent) QCOMPARE(db.KLX_DataBaseManagerModeCRCGetTransCRC(), differs ? 0x0BADF00Du : own);
    if (poweredOff)
      QCOMPARE(reports.last().second, "Model  Glider.xml  CRC comparison between TC and Linux: 0x" + Hex8(own));
    if (differs) {
      QCOMPARE(reports.at(reports.size() - 3).second,
               QString("Model data CRC between Linux and TC does not match for Glider.xml"));
      QCOMPARE(reports.at(reports.size() - 2).second, "Model CRC on Linux side: 0x" + Hex8(own));
      QCOMPARE(reports.last().second, QString("Model CRC on TC side: 0x0BADF00D"));
    }
    QCoreApplication::processEvents();
    QCOMPARE(statuses.states, status < 0 ? QList<int>{} : QList<int>{status});
    // The saver holds the permission while a forced save runs.
    QTRY_VERIFY_WITH_TIMEOUT(db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet), kHangMs);
    if (silent) {
      // Forced at the end: the edit is in the file, and the model counts as
      // not kept by the controller.
      QTRY_VERIFY_WITH_TIMEOUT(db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model().KLX_XMLModelWrites() > writes,
                               kHangMs);
      QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
      QVERIFY(!db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirGet));
      db.KLX_DataBaseManagerResetAllModelData();
      QCOMPARE(r.files.KLX_XMLFileHandlerReadModelFile("Glider.xml", "Glider", 1, QString()), int(KLX_Ok));
      QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Trim_Range(0, 0, AtomicDirGet, false), 40);
    }
  }
};

QTEST_GUILESS_MAIN(BindPowerOffTest)
#include "tst_bindpoweroff.moc"
