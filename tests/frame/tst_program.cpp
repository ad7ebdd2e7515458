// The real program switches off in order: when the power button is held,
// when a stop signal comes, and at once when the power is low at its start.
#include "program_run.h"

class TestProgram : public QObject {
  Q_OBJECT

 private slots:
  void holdingThePowerButtonSwitchesOff_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("board");
    QTest::newRow("larger board") << int(CSimBoard::Vorn) << "Found board: Vorn";
    QTest::newRow("smaller board") << int(CSimBoard::Fenk) << "Found board: Fenk";
  }
  void holdingThePowerButtonSwitchesOff() {
    QFETCH(int, variant);
    QFETCH(QString, board);
    const bool vorn = variant == CSimBoard::Vorn;
    ProgramRun run(static_cast<CSimBoard::Variant>(variant), true);
    // A stick is in the second port: its unmount succeeds.
    QVERIFY(run.board.SetUsbStickInserted(1, true));
    run.Start();
    QVERIFY2(run.WaitFor("OSTREL VORN IS UP AND STARTING...", kStartMs), qPrintable(run.output));
    QCOMPARE(run.board.PowerHoldValue(), QString("1"));
    QVERIFY(run.output.contains(board));
    // The end of start-up reaches the controllers: message 246 with one zero byte.
    QVERIFY(run.Received(246, QByteArray(1, '\0'), kStartMs));
    // The program asked the controllers for their states, versions, serial
    // number and directions once, and its start-up chain reached its end.
    QVERIFY2(run.WaitFor("start-up phase: system up", kStartMs), qPrintable(run.output));
    for (int request : {SimRequestTransceiverSync, SimRequestStickSync, SimRequestDirections})
      QCOMPARE(run.controllers.Received(request), 1);
    VerifyInOrder(run.output, {"Transceiver Version is     : 1.0", "Stickcontroller Version is : 1.0",
                               "Stickcontroller Serial is  : 100200", "start-up phase: model load",
                               "Demo.xml (", " bytes) is loaded successfully!",
                               "start-up phase: binding configuration", "start-up phase: system up"});
    QVERIFY(run.controllers.TransceiverController().HoldsModel());

    run.board.SetPowerButtonPressed(true);
    QVERIFY2(run.Finish(kSwitchOffMs), qPrintable(run.output));
    QCOMPARE(run.process.exitCode(), 0);
    QCOMPARE(run.board.RecordedCommands(), SwitchOffCommands());
    QCOMPARE(run.board.PowerHoldValue(), QString("0"));
    VerifyInOrder(run.output, {"SYSTEM GOES DOWN HERE!", "exit KLX_OnOffHandler thread", "umount2 /media/usb0 error!",
                               "umount2 /media/usb1 ok", "umount -r of /Vorn ok",
                               "umount -r of /app ok", "Good bye!"});
    // With fast start on (the larger board only) the transceiver controller
    // compared checksums and was told to power off with the model kept.
    QCOMPARE(run.output.contains("Power-off command has been sent to TC..."), vorn);
    QCOMPARE(run.controllers.Received(SimPowerOff), vorn ? 1 : 0);
    if (vorn) {
      // The next start finds the model there: nothing of it is sent again.
      run.controllers.ClearCounters();
      run.controllers.TransceiverController().ClearCounters();
      run.board.SetPowerButtonPressed(false);
      run.Start();
      QVERIFY2(run.WaitFor("start-up phase: system up", kStartMs), qPrintable(run.output));
      QVERIFY2(run.output.contains("Demo.xml (") && run.output.contains("is started from TC memory - FAST START!"),
               qPrintable(run.output));
      QCOMPARE(run.controllers.TransceiverController().Seen().units, 0);
      QCOMPARE(run.controllers.TransceiverController().Seen().checksumPartRequests, 2);
      QVERIFY(run.Signal(SIGTERM));
      QVERIFY2(run.Finish(kSwitchOffMs), qPrintable(run.output));
    }
    // QML loads without a single warning.
    QVERIFY2(!run.output.contains("qrc:/"), qPrintable(run.output));
    QVERIFY2(!run.output.contains("QML"), qPrintable(run.output));
    // The developers' lines stay out of the terminal.
    for (const char* line :
         {"opened succesfully", " TTS: ", ": set volume ", "GPS config messages count", "Stop Everything NOW!"})
      QVERIFY2(!run.output.contains(line), line);
  }

  // Ctrl-C and SIGTERM take the way of the held button; a second signal in
  // the middle of the switch-off does not cut it short.
  void aStopSignalSwitchesOffInOrder_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("Ctrl-C") << int(SIGINT);
  }
  void aStopSignalSwitchesOffInOrder() {
    QFETCH(int, signal);
    ProgramRun run(CSimBoard::Vorn);
    run.Start();
    QVERIFY2(run.WaitFor("OSTREL VORN IS UP AND STARTING...", kStartMs), qPrintable(run.output));
    QVERIFY(run.Signal(signal));
    QVERIFY2(run.WaitFor("SYSTEM GOES DOWN HERE!", kStartMs), qPrintable(run.output));
    QVERIFY(run.Signal(signal));
    QVERIFY2(run.Finish(kSwitchOffMs), qPrintable(run.output));
    QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process.exitCode(), 0);
    VerifyInOrder(run.output, {"stop signal received: switching off", "forced saving", "SYSTEM GOES DOWN HERE!",
                               "umount -r of /app ok", "Good bye!"});
    QVERIFY(run.output.contains("no more xml file-saving"));
    // The process state is saved, the card unmounted, the power-hold line
    // released, each command recorded with its time.
    QVERIFY2(ReadText(run.StateFile()).contains("<vornstate version=\"1.0\">"), qPrintable(run.StateFile()));
    QCOMPARE(run.board.RecordedCommands(), SwitchOffCommands());
    const QStringList log = ReadText(run.root + "/run/commands.log").split('\n', Qt::SkipEmptyParts);
    QCOMPARE(log.size(), SwitchOffCommands().size());
    const QRegularExpression timed("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\t");
    for (const QString& line : log) QVERIFY2(timed.match(line).hasMatch(), qPrintable(line));
    QCOMPARE(run.board.PowerHoldValue(), QString("0"));
  }

  void powerLowAtStartGoesStraightToPowerOff() {
    ProgramRun run(CSimBoard::Vorn);
    run.board.SetPowerButtonPressed(true);
    run.Start();
    QVERIFY2(run.Finish(kSwitchOffMs), qPrintable(run.output));
    QVERIFY(run.output.contains("OSTREL VORN IS GOING DOWN..."));
    QCOMPARE(run.board.RecordedCommands(), SwitchOffCommands());
    // The power-hold line is released only after a successful start.
    QCOMPARE(run.board.PowerHoldValue(), QString("1"));
    QVERIFY(!run.output.contains("Good bye!"));
  }
};

int main(int argc, char* argv[]) { return VornProgramTestMain<TestProgram>(argc, argv, false); }
#include "tst_program.moc"
