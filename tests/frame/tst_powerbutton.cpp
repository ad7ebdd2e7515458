// The power button: a press asks the GUI to show the switch-off, an early
// release cancels it, holding it switches off in order. The sampling periods
// are shortened for the test; the counts are the product's.
#include <QtTest>

#include "frame/klx_board.h"
#include "frame/klx_languagehandler.h"
#include "frame/klx_system.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "sim/csimboard.h"
#include "vorn_testroot.h"

namespace {
KLX_OnOffHandler::Timing FastTiming() {
  KLX_OnOffHandler::Timing t;
  t.firstMs = 20;
  t.idleMs = 10;
  t.heldMs = 5;
  t.goingDownSamples = 900;
  return t;
}
}  // namespace

class TestPowerButton : public QObject {
  Q_OBJECT

  struct Rig {
    VornTestRoot root;
    CSimBoard board{root.Path(), CSimBoard::Vorn};
    KLX_RuntimeDatabaseManager runtime;
    KLX_System system;
    QSignalSpy readyToGoDown{&system, &KLX_System::onGuiReadyToGoDown};
    QSignalSpy clearGoDown{&system, &KLX_System::onGuiClearGoDown};
    QSignalSpy stop{&system, &KLX_System::onGuiStop};
    QSignalSpy noCard{&system, &KLX_System::noSDcardDetected};

    explicit Rig(CSimBoard::Variant variant = CSimBoard::Vorn, KLX_OnOffHandler::Timing timing = FastTiming())
        : board(root.Path(), variant) {
      Board::Free();
      board.Prepare();
      Board::Init();
      system.OnOffHandler().KLX_OnOffHandlerSetTiming(timing);
    }
    ~Rig() { Board::Free(); }
    bool Start() {
      return system.OnOffHandler().KLX_OnOffHandlerInitialize(&system) == 1 &&
             KLX_ThreadControl::Start(&system.OnOffHandler());
    }
    // The settings live in the database's stores, which exist once it is up.
    bool StartDatabase() {
      return system.Database().KLX_DataBaseManagerInitialize(&system.Protocol(), &system.VornHandler(),
                                                             &KLXlanguageHandler, &runtime) == 1;
    }
  };

 private slots:
  void linesFollowTheBoard() {
    for (auto variant : {CSimBoard::Vorn, CSimBoard::Fenk}) {
      Rig rig(variant);
      QVERIFY(rig.Start());
      const bool fenk = variant == CSimBoard::Fenk;
      QCOMPARE(rig.system.OnOffHandler().KLX_OnOffHandlerInputGpio(), fenk ? 22 : 48);
      QCOMPARE(rig.system.OnOffHandler().KLX_OnOffHandlerOutputGpio(), fenk ? 23 : 43);
      // The power-hold output is driven to 1 and the level at start recorded.
      QCOMPARE(rig.board.PowerHoldValue(), QString("1"));
      QCOMPARE(rig.system.KLX_SystemGetSetPowerPinAtStart(0, false), 1);
      QCOMPARE(rig.system.OnOffHandler().KLX_OnOffHandlerGetPwrPin(), 1);
    }
  }

  void earlyReleaseCancels() {
    Rig rig;
    QVERIFY(rig.Start());
    rig.board.SetPowerButtonPressed(true);
    QTRY_COMPARE(rig.readyToGoDown.count(), 1);
    QTest::qWait(60);  // well below 40 samples of 5 ms
    rig.board.SetPowerButtonPressed(false);
    QTRY_COMPARE(rig.clearGoDown.count(), 1);
    QTest::qWait(300);
    QCOMPARE(rig.stop.count(), 0);
    QVERIFY(!rig.system.KLX_SystemIsTurningOff());
    QVERIFY(rig.system.OnOffHandler().isRunning());
    // A second press is seen again from the idle state.
    rig.board.SetPowerButtonPressed(true);
    QTRY_COMPARE(rig.readyToGoDown.count(), 2);
  }

  void holdingSwitchesOff() {
    Rig rig;
    QVERIFY(rig.Start());
    rig.board.SetPowerButtonPressed(true);
    QTRY_COMPARE(rig.stop.count(), 1);
    QCOMPARE(rig.readyToGoDown.count(), 1);
    QCOMPARE(rig.clearGoDown.count(), 0);
    QTRY_VERIFY(rig.system.OnOffHandler().isFinished());
    // The switch-off records that the model is not kept in the transceiver
    // controller and forces a final save.
    QCOMPARE(rig.system.Database().KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(true, 1), false);
    QCOMPARE(rig.system.Database().KLX_DatabaseManagerXMLFileSaverPtr()->KLX_XMLFileSaverForcedPasses(), 1);
    // KLX_SystemDown clears the turning-off flag again.
    QVERIFY(!rig.system.KLX_SystemIsTurningOff());
    // With a card present the no-card signal never comes.
    QCOMPARE(rig.noCard.count(), 0);
  }

  void holdCountIsFortyOneSamples() {
    // With a long held period the press must still be there at the 41st sample.
    KLX_OnOffHandler::Timing t = FastTiming();
    t.heldMs = 20;
    Rig rig(CSimBoard::Vorn, t);
    QVERIFY(rig.Start());
    QElapsedTimer clock;
    rig.board.SetPowerButtonPressed(true);
    QTRY_COMPARE(rig.readyToGoDown.count(), 1);
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(rig.stop.count(), 1, 5000);
    // 40 counted samples plus the switching one, then one more to go down.
    QVERIFY2(clock.elapsed() >= 40 * 20, qPrintable(QString::number(clock.elapsed())));
  }

  void forcedShutDownSkipsTheHoldTime() {
    Rig rig;
    QVERIFY(rig.Start());
    rig.system.OnOffHandler().KLX_OnOffForceShutDown();
    QTRY_COMPARE(rig.stop.count(), 1);
    QCOMPARE(rig.readyToGoDown.count(), 1);
    QCOMPARE(rig.system.Database().KLX_DatabaseManagerXMLFileSaverPtr()->KLX_XMLFileSaverForcedPasses(), 1);
  }

  void unreadableButtonNeverSwitchesOff() {
    Rig rig;
    QVERIFY(rig.Start());
    QFile value(rig.board.GpioValuePath(rig.board.InputGpio()));
    QVERIFY(value.open(QIODevice::WriteOnly | QIODevice::Truncate));
    value.write("x");
    value.close();
    QTest::qWait(300);
    QCOMPARE(rig.readyToGoDown.count(), 0);
    QCOMPARE(rig.system.OnOffHandler().KLX_OnOffHandlerGetPwrPin(), -2);
  }

  void fastStartWaitsForTheChecksumAnswer() {
    Rig rig;
    KLX_DataBaseManager& db = rig.system.Database();
    QVERIFY(rig.StartDatabase());
    db.KLX_DataBaseManagerGetSetStartupPhases(6, 0);
    db.KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled(1, 0);
    QVERIFY(rig.Start());
    rig.board.SetPowerButtonPressed(true);
    Task_Data_T task;
    bool queued = false;
    QTRY_VERIFY(queued || (queued = rig.system.VornHandler().KLX_VornHandlerTakeTask(&task)));
    QCOMPARE(task.task, 10);
    for (int p : task.para) QCOMPARE(p, 17);
    QCOMPARE(task.timeout, 15000);
    QCOMPARE(task.retries, 3);
    QCOMPARE(task.extra, 0);
    QCOMPARE(task.source, 1);
    // Until the answer sets the turning-off flag, the button thread keeps waiting.
    QTest::qWait(200);
    QCOMPARE(rig.stop.count(), 0);
    QVERIFY(rig.system.OnOffHandler().isRunning());
    // The checksum answer: the model stays in the transceiver controller.
    rig.system.KLX_SystemTurnOff(true);
    QTRY_COMPARE(rig.stop.count(), 1);
    QCOMPARE(db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, 1), true);
  }

  void fastStartWithoutAnswerStillSwitchesOff() {
    KLX_OnOffHandler::Timing t = FastTiming();
    t.goingDownSamples = 10;
    Rig rig(CSimBoard::Vorn, t);
    QVERIFY(rig.StartDatabase());
    rig.system.Database().KLX_DataBaseManagerGetSetStartupPhases(6, 0);
    rig.system.Database().KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled(1, 0);
    QVERIFY(rig.Start());
    rig.board.SetPowerButtonPressed(true);
    QTRY_COMPARE(rig.stop.count(), 1);
    QCOMPARE(rig.system.Database().KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(true, 1), false);
    QCOMPARE(rig.system.Database().KLX_DatabaseManagerXMLFileSaverPtr()->KLX_XMLFileSaverForcedPasses(), 1);
  }

  void stopEndsAWaitingThread() {
    KLX_OnOffHandler::Timing t = FastTiming();
    t.firstMs = 60000;
    Rig rig(CSimBoard::Vorn, t);
    QVERIFY(rig.Start());
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(rig.system.OnOffHandler().KLX_OnOffHandlerStop(), 1);
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(rig.system.OnOffHandler().isFinished());
  }
};

QTEST_GUILESS_MAIN(TestPowerButton)
#include "tst_powerbutton.moc"
