// What the task handler does with a task's result: the next link of the
// start-up chain it queues, the start-up phase it records, and what the GUI
// command layer hears. The engine and the GUI command thread run with their
// processing off, so what is queued waits where the test takes it.
#include "tasks/tasks_fixture.h"

namespace {
using VT = KLX_VornTask;
constexpr int kSame = -1;

QList<int> Words(const Task_Data_T& t) {
  QList<int> w = {t.task};
  for (int n = 1; n <= 6; ++n) w << t.ParaInt(n);
  w << t.timeout << t.repeat << t.requeueDelay << t.source;
  return w;
}

QList<int> Queued(KLX_VornHandler& vorn) {
  Task_Data_T t;
  if (!vorn.KLX_VornHandlerTakeTask(&t)) return {};
  return Words(t);
}

QList<int> ToGui(KLX_GuiCommandHandler& gui) {
  TaskUpdate_Data_T u;
  if (!gui.KLX_GuiCommandHandlerCommander().KLX_GUICommanderTakeUpdate(&u)) return {};
  const int result = int(uint32_t(u.data[0]) | (uint32_t(u.data[1]) << 8) | (uint32_t(u.data[2]) << 16) |
                         (uint32_t(u.data[3]) << 24));
  return {u.para, result, u.updateKind};
}
}  // namespace

class ChainTest : public QObject {
  Q_OBJECT

 private slots:
  void resultsOfTheLaterLinks_data() {
    QTest::addColumn<bool>("normal");  // in normal operation (else start-up)
    QTest::addColumn<bool>("preflight");
    QTest::addColumn<bool>("inTransceiver");
    QTest::addColumn<int>("task");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("rc");
    QTest::addColumn<QList<int>>("queued");
    QTest::addColumn<int>("phase");
    QTest::addColumn<QList<int>>("gui");  // busy state, result, kind 5
    const QList<int> bindAfterLoad{5, 17, 9, 17, 17, 17, 17, 2000, 3, 0, 1};
    const QList<int> bind{5, 17, 17, 17, 17, 17, 17, 2000, 3, 0, 1};
    const QList<int> capture{24, 17, 17, 17, 17, 17, 18, 3000, 1, 5000, 1};
    const QList<int> nothing;
    const int gui = VT::KLX_TASK_SOURCE_GUI, own = VT::KLX_TASK_SOURCE_VORN;
    QTest::newRow("start-up load done: binding configuration")
        << false << false << false << 2 << 0 << own << 1 << bindAfterLoad << int(VT::KLX_PHASE_BIND_CONFIG) << nothing;
    QTest::newRow("start-up load done, preflight on: the check comes first")
        << false << true << false << 2 << 0 << own << 0 << nothing << int(VT::KLX_PHASE_MODEL_PREFL) << nothing;
    QTest::newRow("start-up load done, preflight on, model kept in the transceiver")
        << false << true << true << 2 << 0 << own << 1 << bindAfterLoad << int(VT::KLX_PHASE_BIND_CONFIG) << nothing;
    QTest::newRow("start-up load failed: the model kept, not loaded, system up")
        << false << false << false << 2 << int(KLX_Error) << own << 1 << nothing << int(VT::KLX_PHASE_SYSTEM_UP) << nothing;
    QTest::newRow("binding configuration done: telemetry capture, system up")
        << true << false << false << 5 << 0 << own << 1 << capture << int(VT::KLX_PHASE_SYSTEM_UP) << nothing;
    QTest::newRow("binding configuration timed out")
        << true << false << false << 5 << int(KLX_Timeout) << own << int(KLX_Error) << nothing << int(VT::KLX_PHASE_ERROR)
        << nothing;
    QTest::newRow("binding from the GUI done: capture follows, the GUI hears it")
        << true << false << false << 6 << 0 << gui << 1 << capture << kSame << QList<int>{7, 0, 5};
    QTest::newRow("model load from the GUI done: binding configuration")
        << true << false << false << 2 << 0 << gui << 1 << bind << int(VT::KLX_PHASE_BIND_CONFIG)
        << QList<int>{11, 0, 5};
    QTest::newRow("model load from the GUI failed: the GUI hears the failure, not done")
        << true << false << false << 2 << int(KLX_Error) << gui << 1 << nothing << kSame << QList<int>{11, int(KLX_Error), 5};
    QTest::newRow("model load from the GUI ended half done: done, no binding configuration")
        << true << false << false << 2 << int(KLX_DoneHalf) << gui << 1 << nothing << kSame << QList<int>{11, 0, 5};
    QTest::newRow("model load from the GUI timed out")
        << true << false << false << 2 << int(KLX_Timeout) << gui << 1 << nothing << kSame << QList<int>{11, 2, 5};
    QTest::newRow("telemetry capture of the pipeline: nobody to tell")
        << true << false << false << 24 << 0 << own << 1 << nothing << kSame << nothing;
    QTest::newRow("model deletion from the GUI: its failure code")
        << true << false << false << 9 << -70010 << gui << 1 << nothing << kSame << QList<int>{10, -70010, 5};
    QTest::newRow("a deletion still running is not reported")
        << true << false << false << 9 << int(KLX_Ok) << gui << 1 << nothing << kSame << nothing;
    QTest::newRow("a firmware check still running is reported")
        << true << false << false << 13 << int(KLX_Ok) << gui << 1 << nothing << kSame << QList<int>{17, 1, 5};
  }
  void resultsOfTheLaterLinks() {
    QFETCH(bool, normal);
    QFETCH(bool, preflight);
    QFETCH(bool, inTransceiver);
    QFETCH(int, task);
    QFETCH(int, result);
    QFETCH(int, source);
    QFETCH(int, rc);
    QFETCH(QList<int>, queued);
    QFETCH(int, phase);
    QFETCH(QList<int>, gui);
    TaskRig r(true);
    QVERIFY(r.Start());
    KLX_DataBaseManager& db = r.Db();
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet);
    if (normal) r.ToNormalMode();
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(1, AtomicDirSet);
    db.KLX_DataBaseManagerVornPropertiesSetFailedFile(QString());
    db.KLX_DataBaseManagerPreflightGetSet_IsUsed(preflight, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(inTransceiver, AtomicDirSet);
    db.KLX_DataBaseManagerSetModelModifyFlag(true);
    const int before = r.Phase();
    QCOMPARE(r.Vorn().KLX_VornHandlerRequestTask(task), int(KLX_Ok));
    QCOMPARE(r.Vorn().KLX_VornHandlerSetResultTask(result, task, source), rc);
    QCOMPARE(Queued(r.Vorn()), queued);
    QCOMPARE(Queued(r.Vorn()), QList<int>{});
    QCOMPARE(r.Phase(), phase == kSame ? before : phase);
    QCOMPARE(ToGui(r.link.gui), gui);
    QCOMPARE(ToGui(r.link.gui), QList<int>{});
    // A failed start-up load keeps the current model (the next start tries
    // it again) and names its file as not loaded, so that nothing is saved
    // over it; "Vornstate.xml" is left as it is.
    const bool failed = !normal && result == KLX_Error;
    QCOMPARE(db.KLX_DataBaseManagerVornPropertiesGetModelName(), QString("Glider"));
    QCOMPARE(db.KLX_DataBaseManagerVornPropertiesGetFailedFile(),
             failed ? QString("/Vorn/Model/Plane/Glider.xml") : QString());
    QCOMPARE(db.KLX_DataBaseManagerGetModelModifyFlag(), !failed);
    // Every final result frees the state machine.
    if (result != KLX_Ok)
      QCOMPARE(r.Vorn().KLX_VornHandlerGetState(), int(KLX_VornStateMachine::KLX_VORN_STATE_IDLE));
  }

  // The start-up model load asks for the current model by type, name and
  // folder; texts are cut to 39 bytes on a whole character.
  void modelLoadRequestCarriesTheCurrentModel() {
    TaskRig r;
    QVERIFY(r.Start());
    KLX_DataBaseManager& db = r.Db();
    r.link.runtime.KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(1, true);
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TransceiverState(1, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_StickState(1, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetBootStatus(VT::KLX_BOOT_STATUS_FASTSTART, AtomicDirSet);
    // 38 ASCII bytes, then a two-byte letter across the 39-byte limit.
    const QString name = QString(38, 'M') + QString::fromUtf8("\xC3\xBC\xC3\xBC");
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName(name, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(3, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString::fromUtf8("Segler/F\xC3\xB6hn"), AtomicDirSet);
    QCOMPARE(r.Vorn().KLX_VornHandlerStartVorn(), int(KLX_Ok));
    Task_Data_T sync;
    QVERIFY(r.Vorn().KLX_VornHandlerTakeTask(&sync));
    QCOMPARE(Words(sync), (QList<int>{1, 17, 17, 17, 17, 17, 17, 2000, 3, 0, 1}));
    QCOMPARE(r.Vorn().KLX_VornHandlerRequestTask(VT::KLX_TASK_SYNC), int(KLX_Ok));
    QCOMPARE(r.Vorn().KLX_VornHandlerSetResultTask(KLX_Done, VT::KLX_TASK_SYNC, VT::KLX_TASK_SOURCE_VORN), int(KLX_Ok));
    Task_Data_T load;
    QVERIFY(r.Vorn().KLX_VornHandlerTakeTask(&load));
    QCOMPARE(Words(load), (QList<int>{2, 3, 9, 17, 17, 17, 17, 15000, 3, 0, 1}));
    QCOMPARE(QByteArray(load.parastr1, sizeof(load.parastr1)),
             QByteArray(38, 'M') + QByteArray(2, '\0'));
    QCOMPARE(QByteArray(load.parastr2, sizeof(load.parastr2)), QByteArray(40, '\0'));
    QCOMPARE(KLX_TaskText(load.parastr3), QString::fromUtf8("Segler/F\xC3\xB6hn"));
    QCOMPARE(r.Phase(), int(VT::KLX_PHASE_LOAD_MODEL));
    // A fast start stays one.
    QCOMPARE(db.KLX_DataBaseManagerGetSetBootStatus(0, AtomicDirGet), int(VT::KLX_BOOT_STATUS_FASTSTART));
  }
};

QTEST_GUILESS_MAIN(ChainTest)
#include "tst_chain.moc"
