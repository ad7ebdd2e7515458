// What the pilot changes on the real program's screen and controls
// reaches the model file with the switch-off, and the next start finds it.
#include "program_run.h"

class TestProgramPilot : public QObject {
  Q_OBJECT

 private slots:
  // What the pilot changes reaches the model file with the switch-off, also
  // when nothing else changed: the front socket's mode chosen on Settings >
  // System (the transceiver's answer brings the asked mode), a trim clicked
  // and a special switch flipped. The next start asks the transceiver for
  // the file's mode and finds its model equal to the file's (fast start),
  // and the screen shows the mode: its touch asks for the other one. On a
  // model whose switch-off writes nothing by itself (no timer keeps its
  // value: a start without a change leaves the file as it was), so that
  // each change is saved by its own mark.
  void whatThePilotChangesIsKeptForTheNextStart() {
    if (g_Display.isEmpty()) QSKIP("no display of the test's own: Xvfb could not be started");
    ProgramRun run(CSimBoard::Vorn, true);
    const QString model = run.root + "/Vorn/Model/Plane/Demo.xml";
    const QRegularExpression keeps("<KeepLastValue>[^<]*</KeepLastValue>");
    QVERIFY(WriteText(model, ReadText(model).replace(keeps, "<KeepLastValue>0</KeepLastValue>")));
    QVERIFY(ReadText(model).contains("<SERVOPPMMODE>0</SERVOPPMMODE>"));
    // No intro: the home screen comes with the end of start-up.
    QVERIFY(WriteText(run.SystemFile(), ReadText(run.SystemFile()).replace("<SYSTEM>\n",
                                                                         "<SYSTEM>\n<IntroVideo>0</IntroVideo>\n")));
    run.controllers.SetStreaming(true);
    CSimTransceiver& transceiver = run.controllers.TransceiverController();
    int from = 0;
    // The modes the program asked the transceiver for since `from`.
    const auto asked = [&] {
      QList<int> modes;
      for (const CSimMessage& m : run.controllers.ReceivedMessages().mid(from))
        if (m.id == SimFrontPlugMode && m.data.size() == 2 && m.data[0] == 1) modes << quint8(m.data[1]);
      return modes;
    };
    // Up, and past the start's description of the sensors, where a first
    // start may change the model (their names taken as aliases): what the
    // start changes is saved by its own switch-off, not by a later one.
    const auto up = [&](bool onDisplay) {
      from = run.controllers.ReceivedMessages().size();
      if (onDisplay && !run.StartOnDisplay(g_Display)) return false;
      if (!onDisplay) run.Start();
      return run.WaitFor("start-up phase: system up", kStartMs) && run.WaitFor("vorn: task ended: 24", kStartMs);
    };
    // Switched off in order, the model file keeping `mode`.
    const auto off = [&](const QByteArray& mode) {
      return run.Signal(SIGTERM) && run.Finish(kSwitchOffMs) &&
             ReadText(model).contains("<SERVOPPMMODE>" + mode + "</SERVOPPMMODE>");
    };
    // A start that changes nothing writes nothing.
    const QByteArray edited = ReadText(model).toUtf8();
    QVERIFY2(up(false), qPrintable(run.output));
    QVERIFY2(off("0"), qPrintable(run.output));
    QCOMPARE(ReadText(model).toUtf8(), edited);
    const int trim = transceiver.HeldModel().TrimValue(0, 0);
    const int toggle = transceiver.HeldModel().SpecialValue(0);

    // The mode alone.
    QVERIFY2(up(true), qPrintable(run.output));
    QCOMPARE(run.TouchFrontSocket(), 1);
    QVERIFY2(off("1"), qPrintable(run.output));

    QVERIFY2(up(true), qPrintable(run.output));
    QCOMPARE(asked(), QList<int>{1});
    QCOMPARE(transceiver.FrontPlugMode(), 1);
    QCOMPARE(run.TouchFrontSocket(), 0);
    const int trims = run.controllers.Sent(CSimControllers::Transceiver, SimTransceiverTrimsABC);
    const int toggles = run.controllers.Sent(CSimControllers::Transceiver, SimTransceiverSpecialSwitches);
    QVERIFY(run.controllers.ClickTrim(0, 1));
    QVERIFY(run.controllers.SetControl(770, 2047));  // SW-C pressed: its toggle flips
    QVERIFY(run.controllers.SetControl(770, -2047));
    // Reported before the switch-off's checksum request is answered.
    QVERIFY(run.SentMoreThan(SimTransceiverTrimsABC, trims, kStartMs));
    QVERIFY(run.SentMoreThan(SimTransceiverSpecialSwitches, toggles, kStartMs));
    QVERIFY2(off("0"), qPrintable(run.output));

    const QByteArray bytes = ReadText(model).toUtf8();
    const QDateTime modified = QFileInfo(model).lastModified();
    QVERIFY2(up(false), qPrintable(run.output));
    QVERIFY2(run.output.contains("FAST START!") && !run.output.contains("Model CRC on start-up, TC side"),
             qPrintable(run.output));
    QCOMPARE(transceiver.HeldModel().TrimValue(0, 0), trim + CSimControls::kTrimStep);
    QCOMPARE(transceiver.HeldModel().SpecialValue(0), -toggle);
    QCOMPARE(asked(), QList<int>{0});
    QVERIFY2(off("0"), qPrintable(run.output));
    // Nothing changed in this start: nothing else saves the model.
    QCOMPARE(ReadText(model).toUtf8(), bytes);
    QCOMPARE(QFileInfo(model).lastModified(), modified);
  }
};

int main(int argc, char* argv[]) { return VornProgramTestMain<TestProgramPilot>(argc, argv, true); }
#include "tst_program_pilot.moc"
