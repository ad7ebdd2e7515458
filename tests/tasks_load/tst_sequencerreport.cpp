// The transceiver's sequencer reports: the simulated controller runs the
// sequencers of the model it holds with their controls, answers the
// engine's request with the run's state, and the engine takes it over, so
// that a sequencer (in a loop too) counts as completed when it stands at the
// end of a run, and its waypoints can be edited then. The screens read the
// run time in hundredths of a second, as they read the waypoint times.
#include "tasks_load/tasks_load_fixture.h"
#include "model/klx_functionalcalculation.h"

namespace {
// The real-time bound of a wait for a condition: only a hang reaches it.
constexpr int kHangMs = LoadRig::kHangMs;
constexpr unsigned kRuntimeStarted = 0x33901;
constexpr unsigned kRuntimeStopped = 0x33902;
constexpr int kSwitchA = 768;
constexpr int kLoopForward = 5;  // direction 1 with the loop flag
constexpr int kTrue = KLX_DatabaseValues::KLX_True;
constexpr int kFalse = KLX_DatabaseValues::KLX_False;
}  // namespace

class SequencerReportTest : public QObject {
  Q_OBJECT

  struct State {
    int completed;
    int locked;
    int time;
    bool operator==(const State& o) const { return completed == o.completed && locked == o.locked && time == o.time; }
  };
  static QString Text(const State& s) {
    return QStringLiteral("completed %1, locked %2, %3 hundredths").arg(s.completed).arg(s.locked).arg(s.time);
  }

  // Engine passes (20 ms of its clock each) until the sequencer's state is
  // `wanted`: a request goes out every second, the answer is taken over
  // on the sequencer's data pass. The answer takes real time to come, the
  // more on a busy machine.
  static bool Reported(LoadRig& r, const State& wanted, State* seen) {
    KLX_FunctionalCalculation* engine = r.link.runtime.KLX_RuntimeDatabaseManagerEngine();
    QDeadlineTimer deadline(kHangMs);
    do {
      engine->KLX_FunctionalCalculationPass();
      KLX_RuntimeDatabaseManager& rt = r.link.runtime;
      *seen = {rt.KLX_RuntimeDatabaseManagerIsSequencerCompleted(0), rt.KLX_RuntimeDatabaseManagerIsSequencerLocked(0),
               rt.KLX_RuntimeDatabaseManagerGetSequencerActiveTime(0)};
      if (*seen == wanted) return true;
      QTest::qWait(1);
    } while (!deadline.hasExpired());
    return false;
  }

 private slots:
  void aLoopRunReportedByTheController() {
    LoadRig r;
    QVERIFY(r.Up());
    // The engine's passes are the test's own, one call each.
    QCOMPARE(r.link.runtime.KLX_RuntimeDatabaseManagerEngine()->KLX_FunctionalCalculationInitialize(&r.Db(), &r.link.runtime),
             int(KLX_Ok));
    VornErrorWatch errors;
    // The sequencer stands alone: the checker finds the servo without a function.
    errors.Expect({kRuntimeStarted, kRuntimeStopped, 0x14905, 0x14906, 0x14907});
    const int S = AtomicDirSet;
    QVERIFY(r.SaveModel("Glider", QString(), [S](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, kLoopForward, S, false);
      d.KLX_DataBaseManagerSequencerGetSet_Control(0, kSwitchA, S, false);
      d.KLX_DataBaseManagerSequencerGetSet_Servo(0, 0, 3, S, false);
      // Waypoints at 0 and 6 s each way.
      d.KLX_DataBaseManagerSequencerSet_ServoStartEndRange(0, 0);
    }));
    r.QueueLoad("Glider");
    QTRY_VERIFY_WITH_TIMEOUT(r.sim.TransceiverController().Seen().loadsEnded == 1, kHangMs);
    QVERIFY(r.Idle());
    // The loop's switch in the middle: it stands still.
    QVERIFY(r.sim.SetControl(kSwitchA, 0));

    // Standing at the end of the backward run, ready to run forward: completed.
    State seen{};
    bool reported = Reported(r, {kTrue, kFalse, 600}, &seen);
    QVERIFY2(reported, qPrintable(Text(seen)));

    // Switch A up for 3 s: the forward run is half way.
    QVERIFY(r.sim.SetControl(kSwitchA, 2047));
    QVERIFY(r.Run(3000));
    reported = Reported(r, {kFalse, kFalse, 300}, &seen);
    QVERIFY2(reported, qPrintable(Text(seen)));
    // Three more seconds take it to its end, where the switch is put in the
    // middle: the loop stops there, completed.
    QVERIFY(r.Run(3000));
    QVERIFY(r.sim.SetControl(kSwitchA, 0));
    reported = Reported(r, {kTrue, kFalse, 600}, &seen);
    QVERIFY2(reported, qPrintable(Text(seen)));
  }
};

QTEST_GUILESS_MAIN(SequencerReportTest)
#include "tst_sequencerreport.moc"
