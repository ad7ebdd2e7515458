#pragma once
// The task pipeline in the test's process: facade, message layer on a
// socketpair, task handler and GUI command handler, the task engine, the GUI
// command thread and the simulated controllers all waiting on one manual
// clock that the test steps. A scripted task can stand in any table entry.
#include <QDeadlineTimer>
#include <QMutex>

#include "link/link_fixture.h"
#include "sim/csimcontrollers.h"
#include "sim/csimmessageids.h"
#include "tasks/klx_vornbase.h"

// A task whose results the test chooses: one per call of each kind (the last
// one repeats), and what it was given.
class ScriptedTask : public KLX_VornBase {
 public:
  QList<int> initResults{KLX_Ok};
  QList<int> startResults{KLX_Ok};
  QList<int> updateResults{KLX_Ok};
  QList<int> timeoutResults{KLX_Ok};
  // Progress to report at the start (a time of 0 leaves the rates at 0).
  QList<QPair<int, qint64>> startProgress;

  int KLX_VornBaseInit(KLX_DataBaseManager*, KLX_Protocol*, KLX_VornHandler*, KLX_RuntimeDatabaseManager*) override {
    return Next(initResults, &m_Inits);
  }
  int KLX_VornBaseStartTask(Task_Data_T task) override {
    {
      QMutexLocker lock(&m_Mutex);
      m_Started.append(task);
    }
    for (const auto& p : startProgress) KLX_VornBaseSetPercent(p.first, p.first, p.second);
    return Next(startResults, &m_Starts);
  }
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) override {
    {
      QMutexLocker lock(&m_Mutex);
      m_Updates.append(update);
    }
    return Next(updateResults, &m_UpdateCalls);
  }
  int KLX_VornBaseTimeout() override { return Next(timeoutResults, &m_Timeouts); }
  int KLX_VornBaseCleanUp() override {
    QMutexLocker lock(&m_Mutex);
    ++m_CleanUps;
    return KLX_Ok;
  }

  int Starts() const { return Count(m_Starts); }
  int Timeouts() const { return Count(m_Timeouts); }
  int CleanUps() const { return Count(m_CleanUps); }
  QList<Task_Data_T> Started() const {
    QMutexLocker lock(&m_Mutex);
    return m_Started;
  }
  QList<TaskUpdate_Data_T> Updates() const {
    QMutexLocker lock(&m_Mutex);
    return m_Updates;
  }

 private:
  int Next(const QList<int>& results, int* calls) {
    QMutexLocker lock(&m_Mutex);
    const int n = (*calls)++;
    return results.value(qMin(n, results.size() - 1), KLX_Ok);
  }
  int Count(const int& calls) const {
    QMutexLocker lock(&m_Mutex);
    return calls;
  }
  mutable QMutex m_Mutex;
  int m_Inits = 0, m_Starts = 0, m_UpdateCalls = 0, m_Timeouts = 0, m_CleanUps = 0;
  QList<Task_Data_T> m_Started;
  QList<TaskUpdate_Data_T> m_Updates;
};

// guiInformer states as the test's thread receives them.
struct InformerLog : QObject {
  QList<int> states;
  explicit InformerLog(KLX_GuiCommandHandler* gui) {
    connect(gui, &KLX_GuiCommandHandler::guiInformer, this, [this](int s) { states << s; }, Qt::QueuedConnection);
  }
  // The states with each run of one state shown once (running is reported
  // on every pass of the GUI command thread).
  QList<int> Changes() {
    QCoreApplication::processEvents();
    QList<int> out;
    for (int s : states)
      if (out.isEmpty() || out.last() != s) out << s;
    return out;
  }
};

struct TaskRig : LinkRig {
  // The real time a wait for a condition is given before the case fails: a
  // guard against a hang only, never reached on a busy machine.
  static constexpr int kHangMs = kVornHangMs;

  LinkRig& link{*this};
  CSimControllers& sim{Controllers()};
  // The threads on `clock`: the task engine, the simulator's writer, and
  // the GUI command thread when it is up.
  int waiters = 2;
  // The files' saver waits on a clock nobody steps: its period never lands
  // in the middle of a case, which asks for a save where it wants one (or
  // puts the saver on a clock of its own).
  KLX_ManualClock saverClock;

  explicit TaskRig(bool gui = false) {
    linkOnClock = false;
    taskClock = &clock;
    guiUp = gui;
    waiters = gui ? 3 : 2;
    sim.SetStreaming(false);
    db.KLX_DatabaseManagerXMLFileSaverPtr()->KLX_XMLFileSaverSetClock(&saverClock);
  }
  ~TaskRig() override { db.KLX_DatabaseManagerXMLFileSaverPtr()->KLX_XMLFileSaverSetClock(nullptr); }
  bool Start() { return UpOnBus(WithControllers); }

  KLX_VornHandler& Vorn() { return vorn; }
  KLX_DataBaseManager& Db() { return db; }
  int Phase() { return db.KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet); }
  bool Run(qint64 ms) { return clock.KLX_ManualClockRun(ms, waiters, kHangMs); }
  // Every message the program sent so far has reached the controllers (a
  // marker that no controller answers, an empty radio-test bandwidth, is
  // the last to arrive), and every frame they answered with was read and
  // handed on by the program: an answer still on its way would reach the
  // next task a case starts. The task engine woken for it no longer counts
  // as waiting, so the next clock step waits for its pass.
  bool Flushed() {
    const int before = sim.Received(KLX_MSG_RADIO_TEST_BANDWIDTH);
    return protocol.KLX_ProtocolSendMessage(0, nullptr, KLX_MSG_RADIO_TEST_BANDWIDTH, KLX_NODE_APPLICATION) ==
               KLX_Ok &&
           QTest::qWaitFor(
               [&] {
                 return sim.Received(KLX_MSG_RADIO_TEST_BANDWIDTH) > before &&
                        sim.FramesQueued() == protocol.KLX_ProtocolFramesRead();
               },
               kHangMs);
  }
  // Nothing moves: every thread on the clock waits, the program has nothing
  // left to send and the controllers have read and answered all it sent,
  // and the program has handled all they sent. A clock step taken then
  // starts where the one before left off, however long the messages took
  // in real time. The program's sending is looked at before the
  // controllers' reading, the frames the program read before the frames the
  // controllers sent, and the clock's changes around all of it: whatever
  // moves meanwhile shows in a later look.
  bool Settled(int realMs = kHangMs) {
    QDeadlineTimer deadline(realMs);
    do {
      const quint64 changes = clock.KLX_ManualClockChanges();
      if (clock.KLX_ManualClockAwaitWaiters(waiters, 0) && protocol.KLX_ProtocolQueuedCount() == 0 &&
          linkClock.KLX_ManualClockAwaitWaiters(1, 0) && sim.AllRead()) {
        const quint64 read = protocol.KLX_ProtocolFramesRead();
        if (read == sim.FramesQueued() && clock.KLX_ManualClockChanges() == changes) return true;
      }
      QThread::usleep(100);
    } while (!deadline.hasExpired());
    return false;
  }
  // The requests of the synchronisation that reached the controllers.
  QList<int> SyncRequests() {
    return {sim.Received(SimRequestTransceiverSync), sim.Received(SimRequestStickSync),
            sim.Received(SimRequestDirections)};
  }
  void StartProcessing() {
    vorn.KLX_VornHandlerStartProcessing();
    gui.KLX_GuiCommandHandlerStartProcessing();
  }
  // Normal operation, as after a start-up whose model load failed: the
  // model is emptied and the phase is system up.
  void ToNormalMode() {
    vorn.KLX_VornHandlerRequestTask(KLX_VornTask::KLX_TASK_MOD_LOAD);
    vorn.KLX_VornHandlerSetResultTask(KLX_Error, KLX_VornTask::KLX_TASK_MOD_LOAD, KLX_VornTask::KLX_TASK_SOURCE_VORN);
  }
};
