// The task engine's own rules: a task that asks to run again is queued
// again once the engine has idled for the request's delay, and a request it
// cannot start is reported and leaves the engine free.
#include "tasks/tasks_fixture.h"

namespace {
using VT = KLX_VornTask;

Task_Data_T Capture() {
  Task_Data_T t;
  t.task = VT::KLX_TASK_CAPTURE_TELEINFO;
  t.paraint6 = VT::KLX_TASK_PARA_FORCE;
  t.timeout = 3000;
  t.repeat = 1;
  t.requeueDelay = 5000;
  t.source = VT::KLX_TASK_SOURCE_VORN;
  return t;
}
}  // namespace

class EngineTest : public QObject {
  Q_OBJECT

 private slots:
  void putBackRunsAgainAfterItsDelay() {
    // Declared first: the rig's engine holds the task until its stop.
    ScriptedTask scripted;
    TaskRig r;
    QVERIFY(r.Start());
    scripted.startResults = {KLX_Reminder, KLX_Done};
    r.Vorn().KLX_VornHandlerEngine().KLX_ProcessVornSetTaskObject(VT::KLX_TASK_CAPTURE_TELEINFO, &scripted);
    r.ToNormalMode();
    r.StartProcessing();
    QCOMPARE(r.Vorn().KLX_VornHandlerQueueProcessTask(Capture()), int(KLX_Ok));
    QTRY_COMPARE_WITH_TIMEOUT(scripted.Starts(), 1, TaskRig::kHangMs);
    // Idle passes of 50 ms count the delay; the 100th queues it, the next starts it.
    QVERIFY(r.Run(5049));
    QCOMPARE(scripted.Starts(), 1);
    QVERIFY(r.Run(1));
    QCOMPARE(scripted.Starts(), 2);
    const QList<Task_Data_T> started = scripted.Started();
    QCOMPARE(started[0].paraint6, int(VT::KLX_TASK_PARA_FORCE));
    // Asked again, the capture no longer forces a rescan.
    QCOMPARE(started[1].paraint6, int(VT::KLX_TASK_PARA_NONE));
    QCOMPARE(started[1].requeueDelay, 5000);
    // Done with the same id: the request to run again is gone.
    QVERIFY(r.Run(20000));
    QCOMPARE(scripted.Starts(), 2);
    QCOMPARE(r.Vorn().KLX_VornHandlerGetState(), int(KLX_VornStateMachine::KLX_VORN_STATE_IDLE));
  }

  void requestsThatCannotStart_data() {
    QTest::addColumn<bool>("normal");
    QTest::addColumn<int>("task");
    QTest::addColumn<unsigned>("code");
    QTest::addColumn<QString>("text");
    // 14 names no task.
    QTest::newRow("a task the engine does not know") << true << 14 << 0x21905u << "unknown task in processorevorn: 14";
    QTest::newRow("refused: a new model during start-up")
        << false << int(VT::KLX_TASK_MOD_NEW) << 0x21903u << "queuing task in this state is not possible, task: 8";
  }
  void requestsThatCannotStart() {
    QFETCH(bool, normal);
    QFETCH(int, task);
    QFETCH(unsigned, code);
    QFETCH(QString, text);
    // Declared first: the rig's engine holds the task until its stop.
    ScriptedTask scripted;
    TaskRig r;
    QVERIFY(r.Start());
    VornErrorWatch errors;
    errors.Expect(code);
    r.Vorn().KLX_VornHandlerEngine().KLX_ProcessVornSetTaskObject(VT::KLX_TASK_MOD_NEW, &scripted);
    if (normal) r.ToNormalMode();
    r.StartProcessing();
    Task_Data_T request;
    request.task = task;
    request.timeout = 2000;
    QCOMPARE(r.Vorn().KLX_VornHandlerQueueProcessTask(request), int(KLX_Ok));
    QTRY_VERIFY_WITH_TIMEOUT(errors.Has(code), TaskRig::kHangMs);
    QCOMPARE(errors.TakeReports(), (QList<QPair<unsigned, QString>>{{code, text}}));
    QCOMPARE(scripted.Starts(), 0);
    QCOMPARE(r.Vorn().KLX_VornHandlerGetState(), int(KLX_VornStateMachine::KLX_VORN_STATE_IDLE));
    QCOMPARE(r.Vorn().KLX_VornHandlerEngine().KLX_ProcessVornCurrentTask(), 0);
  }
};

QTEST_GUILESS_MAIN(EngineTest)
#include "tst_engine.moc"
