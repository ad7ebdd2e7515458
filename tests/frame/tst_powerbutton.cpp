// The power button: a press asks the GUI to show the switch-off, an early
// release cancels it, holding it switches off in order. The thread runs on a
// manual clock that the test steps through the product's own periods.
#include <QtTest>

#include "frame/klx_board.h"
#include "frame/klx_clock.h"
#include "frame/klx_languagehandler.h"
#include "frame/klx_system.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "sim/csimboard.h"
#include "vorn_testroot.h"

namespace {
constexpr qint64 kFirst = KLX_OnOffHandler::kFirstSampleMs;
constexpr qint64 kIdle = KLX_OnOffHandler::kIdleSampleMs;
constexpr qint64 kHeld = KLX_OnOffHandler::kHeldSampleMs;

// The system's signals come from the button thread: counted here, in the
// test's thread, through queued connections.
struct SignalCounts : QObject {
  int ready = 0, clear = 0, stop = 0, noCard = 0;
  explicit SignalCounts(KLX_System* s) {
    connect(s, &KLX_System::onGuiReadyToGoDown, this, [this] { ++ready; }, Qt::QueuedConnection);
    connect(s, &KLX_System::onGuiClearGoDown, this, [this] { ++clear; }, Qt::QueuedConnection);
    connect(s, &KLX_System::onGuiStop, this, [this] { ++stop; }, Qt::QueuedConnection);
    connect(s, &KLX_System::noSDcardDetected, this, [this] { ++noCard; }, Qt::QueuedConnection);
  }
};
}  // namespace

class TestPowerButton : public QObject {
  Q_OBJECT

  struct Rig {
    VornTestRoot root;
    CSimBoard board;
    KLX_ManualClock clock;
    KLX_RuntimeDatabaseManager runtime;
    KLX_System system;
    SignalCounts counts{&system};

    explicit Rig(CSimBoard::Variant variant = CSimBoard::Vorn) : board(root.Path(), variant) {
      Board::Free();
      board.Prepare();
      Board::Init();
      system.OnOffHandler().KLX_OnOffHandlerSetClock(&clock);
    }
    ~Rig() { Board::Free(); }
    KLX_OnOffHandler& Button() { return system.OnOffHandler(); }
    bool Start() {
      return Button().KLX_OnOffHandlerInitialize(&system) == KLX_Ok && Button().KLX_OnOffHandlerStart();
    }
    // Lets `ms` pass for the button thread, which waits again at the end.
    bool Run(qint64 ms) {
      const bool ok = clock.KLX_ManualClockRun(ms);
      QCoreApplication::processEvents();
      return ok;
    }
    // The last sample: the thread switches off and ends.
    bool RunToEnd() {
      clock.KLX_ManualClockAdvance(kHeld);
      const bool ended = Button().wait(kVornHangMs);
      QCoreApplication::processEvents();
      return ended;
    }
    int ForcedSaves() { return system.Database().KLX_DatabaseManagerXMLFileSaverPtr()->KLX_XMLFileSaverForcedPasses(); }
    // The settings live in the database's stores, which exist once it is up.
    bool StartDatabase() {
      return system.Database().KLX_DataBaseManagerInitialize(&system.Protocol(), &system.VornHandler(),
                                                             &KLXlanguageHandler, &runtime) == KLX_Ok;
    }
  };

 private slots:
  void linesFollowTheBoard_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("output");
    QTest::newRow("larger board") << int(CSimBoard::Vorn) << 48 << 43;
    QTest::newRow("smaller board") << int(CSimBoard::Fenk) << 22 << 23;
  }
  void linesFollowTheBoard() {
    QFETCH(int, variant);
    QFETCH(int, input);
    QFETCH(int, output);
    Rig rig(static_cast<CSimBoard::Variant>(variant));
    QVERIFY(rig.Start());
    QCOMPARE(rig.Button().KLX_OnOffHandlerInputGpio(), input);
    QCOMPARE(rig.Button().KLX_OnOffHandlerOutputGpio(), output);
    // The power-hold output is driven to 1 and the level at start recorded.
    QCOMPARE(rig.board.PowerHoldValue(), QString("1"));
    QCOMPARE(rig.system.KLX_SystemGetSetPowerPinAtStart(0, false), 1);
    QCOMPARE(rig.Button().KLX_OnOffHandlerGetPwrPin(), 1);
  }

  // The press is seen at the first sample (3002 ms), then 41 held samples of
  // 100 ms switch off; a release at any of them cancels.
  void holdingSwitchesOffAtTheFortyFirstHeldSample_data() {
    QTest::addColumn<int>("heldSamples");
    QTest::addColumn<bool>("switchesOff");
    QTest::newRow("released at the first held sample") << 0 << false;
    QTest::newRow("released at the 41st held sample") << 40 << false;
    QTest::newRow("held for 41 samples") << 41 << true;
  }
  void holdingSwitchesOffAtTheFortyFirstHeldSample() {
    QFETCH(int, heldSamples);
    QFETCH(bool, switchesOff);
    Rig rig;
    QVERIFY(rig.Start());
    rig.board.SetPowerButtonPressed(true);
    QVERIFY(rig.Run(kFirst - 1));
    QCOMPARE(rig.counts.ready, 0);
    QVERIFY(rig.Run(1));
    QCOMPARE(rig.counts.ready, 1);
    QVERIFY(rig.Run(heldSamples * kHeld));
    QCOMPARE(rig.system.KLX_SystemIsTurningOff(), switchesOff);
    rig.board.SetPowerButtonPressed(false);
    if (switchesOff) {
      QVERIFY(rig.RunToEnd());
      QCOMPARE(rig.counts.stop, 1);
      QCOMPARE(rig.counts.clear, 0);
      // The switch-off records that the model is not kept in the transceiver
      // controller and forces a final save; KLX_SystemDown clears the flag.
      QCOMPARE(rig.system.Database().KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(true, 1), false);
      QCOMPARE(rig.ForcedSaves(), 1);
      QVERIFY(!rig.system.KLX_SystemIsTurningOff());
      // With a card present the no-card signal never comes.
      QCOMPARE(rig.counts.noCard, 0);
      return;
    }
    QVERIFY(rig.Run(kHeld));
    QCOMPARE(rig.counts.clear, 1);
    QVERIFY(rig.Run(10 * kIdle));
    QCOMPARE(rig.counts.stop, 0);
    QCOMPARE(rig.ForcedSaves(), 0);
    // A second press is seen again from the idle state.
    rig.board.SetPowerButtonPressed(true);
    QVERIFY(rig.Run(kIdle));
    QCOMPARE(rig.counts.ready, 2);
  }

  void forcedShutDownSkipsTheHoldTime() {
    Rig rig;
    QVERIFY(rig.Start());
    rig.Button().KLX_OnOffForceShutDown();
    QVERIFY(rig.Run(kFirst));
    QCOMPARE(rig.counts.ready, 1);
    QVERIFY(!rig.system.KLX_SystemIsTurningOff());
    QVERIFY(rig.Run(kHeld));
    QVERIFY(rig.system.KLX_SystemIsTurningOff());
    QVERIFY(rig.RunToEnd());
    QCOMPARE(rig.counts.stop, 1);
    QCOMPARE(rig.ForcedSaves(), 1);
  }

  // A stop signal or a closed window: no waiting for the next idle sample,
  // then the path of a completed hold.
  void requestedSwitchOffStartsAtOnce() {
    Rig rig;
    QVERIFY(rig.Start());
    QVERIFY(rig.clock.KLX_ManualClockAwaitWaiters(1));
    rig.system.KLX_SystemRequestSwitchOff();
    QTRY_COMPARE(rig.counts.ready, 1);
    QCOMPARE(rig.clock.KLX_ClockNowMs(), 0);
    QVERIFY(rig.Run(kHeld));
    QVERIFY(rig.system.KLX_SystemIsTurningOff());
    QVERIFY(rig.RunToEnd());
    QCOMPARE(rig.counts.stop, 1);
    QCOMPARE(rig.ForcedSaves(), 1);
    QCOMPARE(rig.system.Database().KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(true, 1), false);
  }

  void unreadableButtonNeverSwitchesOff() {
    Rig rig;
    QVERIFY(rig.Start());
    QFile value(rig.board.GpioValuePath(rig.board.InputGpio()));
    QVERIFY(value.open(QIODevice::WriteOnly | QIODevice::Truncate));
    value.write("x");
    value.close();
    QVERIFY(rig.Run(kFirst + 10 * kIdle));
    QCOMPARE(rig.counts.ready, 0);
    QCOMPARE(rig.Button().KLX_OnOffHandlerGetPwrPin(), KLX_GPIOHandler::kUnreadable);
  }

  void fastStartWaitsForTheChecksumAnswer_data() {
    QTest::addColumn<bool>("answered");
    QTest::newRow("answer: the model stays in the transceiver controller") << true;
    QTest::newRow("no answer within 900 samples") << false;
  }
  void fastStartWaitsForTheChecksumAnswer() {
    QFETCH(bool, answered);
    Rig rig;
    KLX_DataBaseManager& db = rig.system.Database();
    QVERIFY(rig.StartDatabase());
    // The task engine takes requests once it is up; with its processing off
    // the request waits in its queue.
    QCOMPARE(rig.system.VornHandler().KLX_VornHandlerInitialize(&db, &rig.system.Protocol(),
                                                                &rig.system.GuiCommandHandler(), &rig.runtime),
             int(KLX_Ok));
    db.KLX_DataBaseManagerGetSetStartupPhases(6, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled(1, AtomicDirSet);
    QVERIFY(rig.Start());
    rig.board.SetPowerButtonPressed(true);
    QVERIFY(rig.Run(kFirst + 41 * kHeld));
    Task_Data_T task;
    QVERIFY(rig.system.VornHandler().KLX_VornHandlerTakeTask(&task));
    QCOMPARE(task.task, 10);
    for (int n = 1; n <= 6; ++n) QCOMPARE(task.ParaInt(n), 17);
    QCOMPARE(task.timeout, 15000);
    QCOMPARE(task.repeat, 3);
    QCOMPARE(task.requeueDelay, 0);
    QCOMPARE(task.source, 1);
    // Until the answer sets the turning-off flag, the button thread keeps
    // waiting, 90 s at most.
    QVERIFY(rig.Run((KLX_OnOffHandler::kGoingDownSamples - 1) * kHeld));
    QCOMPARE(rig.counts.stop, 0);
    QVERIFY(!rig.system.KLX_SystemIsTurningOff());
    QCOMPARE(rig.ForcedSaves(), 0);
    if (answered) rig.system.KLX_SystemTurnOff(true);
    QVERIFY(rig.RunToEnd());
    QCOMPARE(rig.counts.stop, 1);
    QCOMPARE(db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirGet), answered);
    QCOMPARE(rig.ForcedSaves(), 1);
  }

  void stopEndsAWaitingThread() {
    Rig rig;
    QVERIFY(rig.Start());
    QVERIFY(rig.clock.KLX_ManualClockAwaitWaiters(1));
    QCOMPARE(rig.Button().KLX_OnOffHandlerStop(), KLX_Ok);
    QVERIFY(rig.Button().isFinished());
    QCOMPARE(rig.clock.KLX_ClockNowMs(), 0);
  }
};

QTEST_GUILESS_MAIN(TestPowerButton)
#include "tst_powerbutton.moc"
