// Sequencers: a switch runs servo 5 along its forward track (-1000 to +1000
// in 400 ms) and back along its backward track, 40 ms per pass.
#include <QtTest>

#include <vector>

#include "engine_fixture.h"

using namespace enginetest;

namespace {

constexpr int kSeqServo = 5;
constexpr int kFwdT = 2, kFwdP = 16, kBwdT = 30, kBwdP = 44;

int locks, unlocks, syncs;
const T_SetupData* syncedBlock;
void CountLock() { ++locks; }
void CountUnlock() { ++unlocks; }
void CountSync(const T_SetupData* b) {
  ++syncs;
  syncedBlock = b;
}

void Waypoint(Engine& e, int k, int table, int w, int time, int pos) {
  const int t = table == 0 ? kFwdT : kBwdT;
  const int p = table == 0 ? kFwdP : kBwdP;
  e.Put16(SeqServo(0, k) + t + 2 * w, time);
  e.Put16(SeqServo(0, k) + p + 2 * w, pos);
}

void SwitchSequencer(Engine& e, int state = 1) {
  e.Put8(Sequencer(0), state);
  e.Put16(Sequencer(0) + 2, kSwitch[0]);
  e.Put16(SeqServo(0, 0), kSeqServo);
  Waypoint(e, 0, 0, 0, 0, -1000);
  Waypoint(e, 0, 0, 6, 400, 1000);
  Waypoint(e, 0, 1, 0, 0, 1000);
  Waypoint(e, 0, 1, 6, 400, -1000);
}

int Byte0(Engine& e) { return e.Get8(Sequencer(0)); }

}  // namespace

class EngineSequencers : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    locks = unlocks = syncs = 0;
    syncedBlock = nullptr;
  }
  void runsForwardAndBack();
  void waypointsInBetween();
  void loopRunsWhileHeld();
  void resetAndOff();
  void hooksBracketTheStep();
  void synchronizeFromController_data();
  void synchronizeFromController();
  void directionWrittenWhileRunningIsDropped();
  void previewHoldsUntilTheModeIsBack();
  void readOutsBeyondCount();
};

void EngineSequencers::runsForwardAndBack() {
  Engine e;
  SwitchSequencer(e);
  struct Step {
    int control, out, byte0, time;
  };
  const Step steps[] = {
      {0, -1000, 1, 0},        // locked after initialisation: waypoint 0
      {-2047, -1000, 1, 0},    // the wind-back side unlocks it
      {2047, -800, 1, 40},     // -1000 + 2000 x 40 / 400
      {2047, -600, 1, 80},
      {0, -600, 1, 80},        // between the thresholds the time stands
      {-2047, -800, 1, 40},    // winds back
      {2047, -600, 1, 80},
      {2047, -400, 1, 120}, {2047, -200, 1, 160}, {2047, 0, 1, 200}, {2047, 200, 1, 240},
      {2047, 400, 1, 280},  {2047, 600, 1, 320},  {2047, 800, 1, 360},
      {2047, 1000, 2, 0},      // the end: waypoint 6, direction 2
      {2047, 1000, 2, 0},      // backward track's waypoint 0; this side winds back
      {-2047, 800, 2, 40},
  };
  int i = 0;
  for (const Step& s : steps) {
    e.Stick(kSwitch[0], s.control);
    e.Pass();
    QVERIFY2(e.ServoOut(kSeqServo) == s.out, qPrintable(QString("step %1").arg(i)));
    QCOMPARE(Byte0(e), s.byte0);
    QCOMPARE(int(kl_engine_get_sequencer_active_time(0)), s.time);
    ++i;
  }
  QCOMPARE(kl_engine_get_is_sequencer_locked(0), 0);
  QCOMPARE(int(kl_engine_get_sequencer_total_runtime(e.read(), 0)), -400);
  // A used servo keeps its own output.
  e.UseServo(kSeqServo);
  e.Put16(Servo(kSeqServo) + 4, 300);
  e.Pass();
  QCOMPARE(e.ServoOut(kSeqServo), 300);
}

void EngineSequencers::waypointsInBetween() {
  // Waypoint 3 at 100 ms / 0; waypoints without a position are skipped.
  Engine e;
  SwitchSequencer(e);
  Waypoint(e, 0, 0, 3, 100, 0);
  Waypoint(e, 0, 0, 4, 50, -2048);
  e.Stick(kSwitch[0], -2047);
  e.Pass();
  e.Stick(kSwitch[0], 2047);
  // t = 40, 80: -1000 + 1000 t / 100; from t = 120 between waypoint 3 and 6:
  // 1000 (t - 100) / 300, truncated.
  const int expected[] = {-600, -200, 66, 200, 333, 466};
  for (int v : expected) {
    e.Pass();
    QCOMPARE(e.ServoOut(kSeqServo), v);
  }
}

void EngineSequencers::loopRunsWhileHeld() {
  // Direction 1 with the held flag (5): at the end it turns to 6 and keeps
  // running backward while the switch stays on.
  Engine e;
  SwitchSequencer(e, 5);
  e.Stick(kSwitch[0], -2047);
  e.Pass();  // unlock
  e.Stick(kSwitch[0], 2047);
  e.Passes(10);
  QCOMPARE(Byte0(e), 6);
  QCOMPARE(e.ServoOut(kSeqServo), 1000);
  QCOMPARE(kl_is_sequencer_run_completed(0), 0);  // held, switch not on the new side
  e.Pass();
  QCOMPARE(e.ServoOut(kSeqServo), 800);
  e.Passes(9);
  QCOMPARE(Byte0(e), 5);
  QCOMPARE(e.ServoOut(kSeqServo), -1000);
}

void EngineSequencers::resetAndOff() {
  Engine e;
  SwitchSequencer(e, 40);  // 3..87 asks for a reset
  kl_engine_set_sequencer_hooks(CountLock, CountUnlock, CountSync);
  e.Pass();
  QCOMPARE(Byte0(e), 1);
  QCOMPARE(kl_engine_get_is_sequencer_locked(0), 1);
  QCOMPARE(syncs, 1);
  QVERIFY(syncedBlock == e.read());
  e.Put8(Sequencer(0), 0);
  e.Pass();
  QCOMPARE(e.ServoOut(kSeqServo), 0);  // no position: the unused servo stays 0
  QCOMPARE(kl_is_sequencer_run_completed(0), 1);
  QCOMPARE(int(kl_engine_get_sequencer_total_runtime(e.read(), 0)), 0);
  QCOMPARE(syncs, 1);
}

void EngineSequencers::hooksBracketTheStep() {
  Engine e;
  SwitchSequencer(e);
  e.Pass();  // no hooks set: nothing happens
  kl_engine_set_sequencer_hooks(CountLock, CountUnlock, CountSync);
  e.Passes(3);
  QCOMPARE(locks, 3);
  QCOMPARE(unlocks, 3);
  QCOMPARE(syncs, 0);
  kl_engine_set_sequencer_hooks(nullptr, nullptr, nullptr);
  e.Put8(Sequencer(0), 7);
  e.Pass();
  QCOMPARE(Byte0(e), 1);
  QCOMPARE(syncs, 0);
}

void EngineSequencers::synchronizeFromController_data() {
  QTest::addColumn<int>("board");
  QTest::addColumn<int>("q");
  QTest::addColumn<int>("state");
  QTest::addColumn<int>("time");
  QTest::addColumn<int>("result");
  QTest::addColumn<int>("completed");
  QTest::newRow("direction 1 at its end") << int(KL_BOARD_VORN) << 0 << 1 << 400 << 1 << 1;
  QTest::newRow("direction 1 mid-run") << int(KL_BOARD_VORN) << 0 << 1 << 100 << 1 << 0;
  QTest::newRow("direction 2 at its end") << int(KL_BOARD_VORN) << 0 << 2 << 400 << 2 << 1;
  QTest::newRow("loop at its end") << int(KL_BOARD_VORN) << 0 << 5 << 400 << 5 << 1;
  QTest::newRow("loop mid-run") << int(KL_BOARD_VORN) << 0 << 6 << 100 << 6 << 0;
  QTest::newRow("state above 6") << int(KL_BOARD_VORN) << 0 << 7 << 0 << -1 << -1;
  QTest::newRow("no direction") << int(KL_BOARD_VORN) << 0 << 4 << 0 << -1 << -1;
  QTest::newRow("beyond the count") << int(KL_BOARD_FENK) << 1 << 1 << 0 << -1 << -1;
}

void EngineSequencers::synchronizeFromController() {
  QFETCH(int, board);
  QFETCH(int, q);
  QFETCH(int, state);
  QFETCH(int, time);
  QFETCH(int, result);
  QFETCH(int, completed);
  Engine e(board);
  SwitchSequencer(e);
  e.Pass();  // learns the total run times
  QCOMPARE(kl_engine_sequencer_synchronize(q, true, state, time), result);
  if (completed >= 0) {
    QCOMPARE(kl_is_sequencer_run_completed(q), completed);
    QCOMPARE(kl_engine_sequencer_locked_get(q), 1);
    QCOMPARE(int(kl_engine_sequencer_time_get(q)), time);
  }
}

void EngineSequencers::directionWrittenWhileRunningIsDropped() {
  Engine e;
  SwitchSequencer(e);
  e.Stick(kSwitch[0], -2047);
  e.Pass();
  e.Stick(kSwitch[0], 2047);
  e.Passes(2);
  QCOMPARE(kl_is_sequencer_run_completed(0), 0);
  kl_engine_sequencer_direction_set(e.write().get(), 0, 2);
  QCOMPARE(Byte0(e), 1);
  e.Passes(8);  // the run ends
  QCOMPARE(kl_is_sequencer_run_completed(0), 1);
  kl_engine_sequencer_direction_set(e.write().get(), 0, 1);
  QCOMPARE(Byte0(e), 1);
}

void EngineSequencers::previewHoldsUntilTheModeIsBack() {
  // 214..255 preview the forward track: 250 is servo 0, waypoint 5.
  Engine e;
  SwitchSequencer(e, 2);
  Waypoint(e, 0, 0, 5, 390, 900);
  e.Stick(kSwitch[0], 2047);
  e.Pass();
  QCOMPARE(e.ServoOut(kSeqServo), 1000);  // backward track, waypoint 0
  kl_engine_sequencer_synchronize(0, false, 2, 0);
  kl_engine_set_sequencer_hooks(CountLock, CountUnlock, CountSync);
  e.Put8(Sequencer(0), 250);
  // At most 40 per 40 ms pass, then held there while the code stands.
  const int toward[] = {960, 920, 900, 900, 900};
  for (int v : toward) {
    e.Pass();
    QCOMPARE(e.ServoOut(kSeqServo), v);
  }
  QCOMPARE(Byte0(e), 250);
  QCOMPARE(syncs, 0);
  // The editor writes the run mode back: the servo parks at waypoint 0.
  e.Put8(Sequencer(0), 2);
  const int back[] = {940, 980, 1000};
  for (int v : back) {
    e.Pass();
    QCOMPARE(e.ServoOut(kSeqServo), v);
  }
  QCOMPARE(kl_is_sequencer_run_completed(0), 1);
  QCOMPARE(Byte0(e), 2);
}

void EngineSequencers::readOutsBeyondCount() {
  Engine e(KL_BOARD_FENK);
  QCOMPARE(kl_engine_get_is_sequencer_locked(1), 1);
  QCOMPARE(kl_engine_sequencer_locked_get(1), 0);
  QCOMPARE(kl_is_sequencer_run_completed(1), 0);
  QCOMPARE(int(kl_engine_get_sequencer_active_time(1)), 0);
  QCOMPARE(kl_engine_get_sequencer_actual_dirstate(e.read(), 1), -1);
  QCOMPARE(int(kl_engine_get_sequencer_total_runtime(e.read(), 1)), 0);
  e.Put8(Sequencer(0), 6);
  Waypoint(e, 0, 1, 6, 700, 0);
  QCOMPARE(kl_engine_get_sequencer_actual_dirstate(e.read(), 0), 6);
  QCOMPARE(int(kl_engine_get_sequencer_total_runtime(e.read(), 0)), -700);
}

QTEST_APPLESS_MAIN(EngineSequencers)
#include "tst_sequencers.moc"
