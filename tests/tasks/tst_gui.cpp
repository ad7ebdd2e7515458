// The GUI command layer as QML uses it: a request returns at once, the GUI
// command thread polls every 155 ms while idle and every 35 ms while busy,
// times a request out after twice its task's time unless the task reports
// progress, and tells the screen each state through guiInformer. Scripted
// tasks stand in the engine's table; every thread runs on the test clock.
#include "tasks/tasks_fixture.h"

namespace {
using VT = KLX_VornTask;
constexpr int kWorking = VT::GUI_TASK_RESULT_Working;
constexpr int kDone = VT::GUI_TASK_RESULT_Done;
constexpr int kError = VT::GUI_TASK_RESULT_Error;
constexpr int kTimeout = VT::GUI_TASK_RESULT_Timeout;
constexpr int kTrigger = VT::GUI_TASK_RESULT_Trigger;
constexpr qint64 kFirstLook = KLX_GUICommander::kIdleWaitMs;
constexpr qint64 kPass = KLX_GUICommander::kBusyWaitMs;

int DoTask(TaskRig& r, int task) {
  return r.link.gui.KLX_GuiCommandHandlerDoTask(task, 17, 17, 17, QString(), QString(), QString());
}

// In normal operation, `scripted` stands for `task`; QML asks for it and the
// GUI command thread takes the request on its first look.
bool Request(TaskRig& r, int task, ScriptedTask* scripted) {
  r.Vorn().KLX_VornHandlerEngine().KLX_ProcessVornSetTaskObject(task, scripted);
  r.ToNormalMode();
  r.StartProcessing();
  return DoTask(r, task) == KLX_Ok && r.Run(kFirstLook);
}

// The fatal, error and warning reports taken from `errors`: the lines
// only logged (a thread that started late on a busy machine, a failed read
// of the bus at its close) are no outcome of a request.
QList<QPair<unsigned, QString>> Failures(VornErrorWatch& errors) {
  QList<QPair<unsigned, QString>> out;
  for (const auto& report : errors.TakeReports())
    if (VornErrorWatch::IsFailure(report.first)) out << report;
  return out;
}

QList<unsigned> FailureCodes(VornErrorWatch& errors) {
  QList<unsigned> out;
  for (const auto& report : Failures(errors)) out << report.first;
  return out;
}

// Lets the GUI command thread pass until the screen has heard an end.
bool RunToEnd(TaskRig& r, InformerLog& log) {
  for (int pass = 0; pass < 100; ++pass) {
    QCoreApplication::processEvents();
    for (int s : log.states)
      if (s == kDone || s == kError || s == kTimeout || s < KLX_Error + 1) return true;
    if (!r.Run(kPass)) return false;
  }
  return false;
}
}  // namespace

class GuiTest : public QObject {
  Q_OBJECT

 private slots:
  void requestsThatNeverRun() {
    VornErrorWatch errors;
    errors.Expect({0x22902, 0x12902, 0x22903, 0x12B03});
    KLX_GuiCommandHandler loose;
    QCOMPARE(loose.KLX_GuiCommandHandlerDoTask(8, 17, 17, 17, "", "", ""), int(KLX_Error));
    QCOMPARE(loose.KLX_GuiCommandHandlerUserDialogInput(VT::GUI_USER_Yes), int(KLX_Error));
    QCOMPARE(FailureCodes(errors), (QList<unsigned>{0x22902, 0x12902}));

    TaskRig r(true);
    QVERIFY(r.Start());
    InformerLog log(&r.link.gui);
    r.ToNormalMode();
    r.StartProcessing();
    QCOMPARE(DoTask(r, VT::KLX_TASK_NONE), int(KLX_Error));
    QCOMPARE(FailureCodes(errors), QList<unsigned>{0x22903});
    // The binding configuration is no task of the GUI's: taken, dropped, unheard.
    QCOMPARE(DoTask(r, VT::KLX_TASK_BIND_CONFIG), int(KLX_Ok));
    QVERIFY(r.Run(kFirstLook - 1));
    QCOMPARE(FailureCodes(errors), QList<unsigned>{});
    QVERIFY(r.Run(1 + 10 * kPass));
    QCOMPARE(Failures(errors), (QList<QPair<unsigned, QString>>{{0x12B03, "unknown task in gui commander"}}));
    QCOMPARE(log.Changes(), QList<int>{});
  }

  void outcomesReachTheScreen_data() {
    QTest::addColumn<int>("task");
    QTest::addColumn<int>("init");
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("states");
    QTest::newRow("a new model done") << 8 << 1 << 0 << QList<int>{kWorking, kDone};
    QTest::newRow("a new model failed") << 8 << 1 << int(KLX_Error) << QList<int>{kWorking, kError};
    QTest::newRow("a deletion failed: its own code") << 9 << 1 << -70010 << QList<int>{kWorking, -70010};
    QTest::newRow("a model load failed: an error, not done") << 2 << 1 << int(KLX_Error) << QList<int>{kWorking, kError};
    QTest::newRow("a model load half done: done") << 2 << 1 << int(KLX_DoneHalf) << QList<int>{kWorking, kDone};
    QTest::newRow("a task that cannot start: an error at once") << 8 << int(KLX_Error) << 0
                                                                << QList<int>{kWorking, kError};
  }
  void outcomesReachTheScreen() {
    QFETCH(int, task);
    QFETCH(int, init);
    QFETCH(int, start);
    QFETCH(QList<int>, states);
    // Declared first: the rig's engine holds the task until its stop.
    ScriptedTask scripted;
    TaskRig r(true);
    QVERIFY(r.Start());
    scripted.initResults = {init};
    scripted.startResults = {start};
    InformerLog log(&r.link.gui);
    QVERIFY(Request(r, task, &scripted));
    QVERIFY(RunToEnd(r, log));
    QCOMPARE(log.Changes(), states);
    QCOMPARE(scripted.Starts(), init == KLX_Ok ? 1 : 0);
    QCOMPARE(scripted.CleanUps(), 1);
    // The state machine is free for the next task.
    QTRY_COMPARE_WITH_TIMEOUT(r.Vorn().KLX_VornHandlerGetState(), int(KLX_VornStateMachine::KLX_VORN_STATE_IDLE),
                              TaskRig::kHangMs);
  }

  // A deletion (2 s in the GUI table) that never reports: the screen hears
  // "time-out" once twice its time has passed in 35 ms steps, unless the
  // task shows progress, which buys it 35 s more each time.
  void timeOutAfterTwiceTheTaskTime_data() {
    QTest::addColumn<bool>("progress");
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<int>("timeout");  // the request's time-out afterwards
    QTest::newRow("no progress") << false << QList<int>{kWorking, kTimeout} << 0;
    QTest::newRow("progress") << true << QList<int>{kWorking} << 39000;
  }
  void timeOutAfterTwiceTheTaskTime() {
    QFETCH(bool, progress);
    QFETCH(QList<int>, states);
    QFETCH(int, timeout);
    // Declared first: the rig's engine holds the task, still running, until
    // its stop, which cleans it up.
    ScriptedTask scripted;
    TaskRig r(true);
    QVERIFY(r.Start());
    if (progress) scripted.startProgress = {{10, 1000}, {30, 3000}};
    InformerLog log(&r.link.gui);
    QVERIFY(Request(r, VT::KLX_TASK_MOD_DELETE, &scripted));
    QCOMPARE(r.link.gui.KLX_GuiCommandHandlerCommander().KLX_GUICommanderCurrentTimeout(), 4000);
    // 115 passes of 35 ms reach 4000 ms.
    QVERIFY(r.Run(115 * kPass - 1));
    QCOMPARE(log.Changes(), QList<int>{kWorking});
    QVERIFY(r.Run(1));
    QCOMPARE(log.Changes(), states);
    QCOMPARE(r.link.gui.KLX_GuiCommandHandlerCommander().KLX_GUICommanderCurrentTimeout(), timeout);
    // The engine's own time-outs asked the task, which goes on.
    QVERIFY(scripted.Timeouts() >= 1);
    QCOMPARE(r.Vorn().KLX_VornHandlerGetState(), int(KLX_VornStateMachine::KLX_VORN_STATE_MOD_DELETE));
  }

  // The calibration asks the user; the answer reaches the running task as a
  // user-input record, and its end reaches the screen.
  void calibrationPassesTheAnswerOn() {
    // Declared first: the rig's engine holds the task until its stop.
    ScriptedTask scripted;
    TaskRig r(true);
    QVERIFY(r.Start());
    scripted.startResults = {KLX_Trigger};
    scripted.updateResults = {KLX_Done};
    InformerLog log(&r.link.gui);
    QVERIFY(Request(r, VT::KLX_TASK_CALIBRATION, &scripted));
    for (int pass = 0; pass < 20 && !log.Changes().contains(kTrigger); ++pass) QVERIFY(r.Run(kPass));
    QCOMPARE(log.Changes(), (QList<int>{kWorking, kTrigger}));
    QCOMPARE(r.link.gui.KLX_GuiCommandHandlerUserDialogInput(VT::GUI_USER_Yes), int(KLX_Ok));
    QVERIFY(RunToEnd(r, log));
    QCOMPARE(log.Changes(), (QList<int>{kWorking, kTrigger, kWorking, kDone}));
    const QList<TaskUpdate_Data_T> answers = scripted.Updates();
    QCOMPARE(answers.size(), 1);
    QCOMPARE(answers[0].updateKind, int(KLX_UPDATE_KIND_USER));
    QCOMPARE(answers[0].para, 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(answers[0].data), 3), QByteArray::fromHex("020100"));
  }

  // A firmware check reports that it still runs on every step; the GUI
  // command thread hears it while at most ten reports wait, a final result
  // always.
  void runningReportsAreCapped() {
    TaskRig r(true);
    QVERIFY(r.Start());
    KLX_GuiCommandHandler& gui = r.link.gui;
    const int check = KLX_VornStateMachine::KLX_VORN_STATE_UPDATE_CHECK_FIRMWARE;
    for (int i = 0; i < 12; ++i) QCOMPARE(gui.KLX_GuiCommandHandlerSetTaskUpdateFromVorn(check, KLX_Ok), int(KLX_Ok));
    QCOMPARE(gui.KLX_GuiCommandHandlerCommander().KLX_GUIUpdateQueueLength(), 11);
    QCOMPARE(gui.KLX_GuiCommandHandlerSetTaskUpdateFromVorn(check, KLX_Done), int(KLX_Ok));
    QCOMPARE(gui.KLX_GuiCommandHandlerCommander().KLX_GUIUpdateQueueLength(), 12);
  }
};

QTEST_GUILESS_MAIN(GuiTest)
#include "tst_gui.moc"
