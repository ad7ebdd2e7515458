// The state machine's admission rules: which task may start in start-up and
// in normal operation, and which results free it again. A failed
// synchronisation holds it; every other final result frees it.
#include <QtTest>

#include <limits>

#include "frame/klx_databasevalues.h"
#include "tasks/klx_vornstatemachine.h"
#include "tasks/klx_vorntask.h"

namespace {
using VT = KLX_VornTask;
using SM = KLX_VornStateMachine;
// A step of the set-up: the task is requested, then (unless kStays) its result comes.
constexpr int kStays = std::numeric_limits<int>::min();
struct Step {
  int task;
  int result;
};
}  // namespace
Q_DECLARE_METATYPE(QList<Step>)

class StateMachineTest : public QObject {
  Q_OBJECT

 private slots:
  void admission_data() {
    QTest::addColumn<QList<Step>>("before");
    QTest::addColumn<int>("task");
    QTest::addColumn<int>("admitted");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("mode");
    const QList<Step> none;
    const QList<Step> normal{{VT::KLX_TASK_MOD_LOAD, KLX_Done}};
    const QList<Step> failedSync{{VT::KLX_TASK_SYNC, KLX_Error}};
    const int ok = KLX_Ok, no = KLX_Error;
    QTest::newRow("start-up: synchronisation") << none << 1 << ok << int(SM::KLX_VORN_STATE_SYNC) << 1;
    QTest::newRow("start-up: model load") << none << 2 << ok << int(SM::KLX_VORN_STATE_STARTUP_MODEL_LOAD) << 1;
    QTest::newRow("start-up: firmware update") << none << 12 << ok << int(SM::KLX_VORN_STATE_UPDATE_FIRMWARE) << 1;
    QTest::newRow("start-up: a new model is refused") << none << 8 << no << int(SM::KLX_VORN_STATE_IDLE) << 1;
    QTest::newRow("start-up: the firmware check waits for a failed sync")
        << none << 13 << no << int(SM::KLX_VORN_STATE_IDLE) << 1;
    QTest::newRow("held by a failed sync: model load refused")
        << failedSync << 2 << no << int(SM::KLX_VORN_STATE_SYNC) << 1;
    QTest::newRow("held by a timed-out sync: firmware check, normal mode")
        << QList<Step>{{VT::KLX_TASK_SYNC, KLX_Timeout}} << 13 << ok << int(SM::KLX_VORN_STATE_UPDATE_CHECK_FIRMWARE)
        << 2;
    QTest::newRow("held by a failed sync: copy to an outside medium, normal mode")
        << failedSync << 19 << ok << int(SM::KLX_VORN_STATE_COPY_MOD_EXTERNAL) << 2;
    QTest::newRow("a synchronisation that ended well frees the machine")
        << QList<Step>{{VT::KLX_TASK_SYNC, KLX_Done}} << 2 << ok << int(SM::KLX_VORN_STATE_STARTUP_MODEL_LOAD) << 1;
    QTest::newRow("normal: model load") << normal << 2 << ok << int(SM::KLX_VORN_STATE_MODEL_LOAD) << 2;
    QTest::newRow("normal: binding") << normal << 6 << ok << int(SM::KLX_VORN_STATE_BINDING) << 2;
    QTest::newRow("normal: onboard update") << normal << 21 << ok << int(SM::KLX_VORN_STATE_UPDATE_FW_ONBOARD) << 2;
    QTest::newRow("normal: synchronisation returns to start-up")
        << normal << 1 << ok << int(SM::KLX_VORN_STATE_SYNC) << 1;
    QTest::newRow("normal: id 14 is never admitted") << normal << 14 << no << int(SM::KLX_VORN_STATE_IDLE) << 2;
    QTest::newRow("normal: busy with a new model, a deletion waits")
        << QList<Step>{{2, KLX_Done}, {8, kStays}} << 9 << no << int(SM::KLX_VORN_STATE_MOD_NEW) << 2;
    QTest::newRow("running and trigger keep it busy")
        << QList<Step>{{2, KLX_Done}, {7, KLX_Ok}, {7, KLX_Trigger}, {7, KLX_Stay}} << 8 << no
        << int(SM::KLX_VORN_STATE_CALIBRATION) << 2;
    QTest::newRow("another task's result changes nothing")
        << QList<Step>{{2, KLX_Done}, {8, kStays}, {9, KLX_Done}} << 9 << no << int(SM::KLX_VORN_STATE_MOD_NEW) << 2;
    // Final results that would have left it busy for ever.
    QTest::newRow("a deletion ending with -70010 frees it")
        << QList<Step>{{2, KLX_Done}, {9, -70010}} << 8 << ok << int(SM::KLX_VORN_STATE_MOD_NEW) << 2;
    QTest::newRow("a model load ending with 8 frees it")
        << QList<Step>{{2, KLX_Done}, {2, KLX_DoneHalf}} << 8 << ok << int(SM::KLX_VORN_STATE_MOD_NEW) << 2;
    QTest::newRow("a binding ending with -70010 frees it")
        << QList<Step>{{2, KLX_Done}, {6, -70010}} << 8 << ok << int(SM::KLX_VORN_STATE_MOD_NEW) << 2;
    QTest::newRow("a start-up model load ending with -70001 frees it in normal mode")
        << QList<Step>{{2, KLX_Unsuitable}} << 8 << ok << int(SM::KLX_VORN_STATE_MOD_NEW) << 2;
    QTest::newRow("a failed firmware update at start frees it, still start-up")
        << QList<Step>{{12, KLX_Error}} << 2 << ok << int(SM::KLX_VORN_STATE_STARTUP_MODEL_LOAD) << 1;
  }
  void admission() {
    QFETCH(QList<Step>, before);
    QFETCH(int, task);
    QFETCH(int, admitted);
    QFETCH(int, state);
    QFETCH(int, mode);
    KLX_VornStateMachine machine;
    QCOMPARE(machine.KLX_VornStateMachineRequestTask(VT::KLX_TASK_SYNC), int(KLX_Error));  // not initialised
    machine.KLX_VornStateMachineInitialize();
    for (const Step& s : before) {
      if (s.result == kStays || machine.KLX_VornStateMachineGetState() == SM::KLX_VORN_STATE_IDLE)
        machine.KLX_VornStateMachineRequestTask(s.task);
      if (s.result != kStays) machine.KLX_VornStateMachineSetResultAndGetState(s.result, s.task);
    }
    QCOMPARE(machine.KLX_VornStateMachineRequestTask(task), admitted);
    QCOMPARE(machine.KLX_VornStateMachineGetState(), state);
    QCOMPARE(machine.KLX_VornStateMachineGetMode(), mode);
  }
};

QTEST_APPLESS_MAIN(StateMachineTest)
#include "tst_statemachine.moc"
