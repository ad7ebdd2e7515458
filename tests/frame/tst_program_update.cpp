// A change the pilot makes on the real program after an application
// update is installed is kept.
#include "program_run.h"
#include "sim/csimupdateserver.h"

class TestProgramUpdate : public QObject {
  Q_OBJECT

 private slots:
  // A change the pilot makes after an application update is installed (the
  // touch keys stay locked until the restart, the trims still move the
  // model) is saved at the switch-off, on either board, whether the
  // switch-off first compares the transceiver's checksum (fast start) or
  // not: saving was held only while the files were replaced. On a model
  // whose switch-off writes nothing by itself, so that the trim's own mark
  // saves it.
  void aChangeAfterAnInstalledUpdateIsKept_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("fast");
    // Where "Settings" stands at the end of the main menu, and the
    // software's "Check" at the end of the system screen.
    QTest::addColumn<QPoint>("settings");
    QTest::addColumn<QPoint>("software");
    const QPoint vornSettings(55, 200), vornSoftware(220, 41), fenkSettings(331, 200), fenkSoftware(220, 76);
    QTest::newRow("larger board, fast start") << int(CSimBoard::Vorn) << true << vornSettings << vornSoftware;
    QTest::newRow("larger board, normal start") << int(CSimBoard::Vorn) << false << vornSettings << vornSoftware;
    // The smaller board starts normally whatever its settings say.
    QTest::newRow("smaller board, fast start set") << int(CSimBoard::Fenk) << true << fenkSettings << fenkSoftware;
  }
  void aChangeAfterAnInstalledUpdateIsKept() {
    QFETCH(int, variant);
    QFETCH(bool, fast);
    QFETCH(QPoint, settings);
    QFETCH(QPoint, software);
    if (g_Display.isEmpty()) QSKIP("no display of the test's own: Xvfb could not be started");
    const bool vorn = variant == CSimBoard::Vorn;
    ProgramRun run(static_cast<CSimBoard::Variant>(variant), true);
    const QString model = run.root + "/Vorn/Model/Plane/Demo.xml";
    const QRegularExpression keeps("<KeepLastValue>[^<]*</KeepLastValue>");
    QVERIFY(WriteText(model, ReadText(model).replace(keeps, "<KeepLastValue>0</KeepLastValue>")));
    QVERIFY(WriteText(run.SystemFile(),
                      ReadText(run.SystemFile())
                          .replace("<SYSTEM>\n", "<SYSTEM>\n<IntroVideo>0</IntroVideo>\n")
                          .replace("<FastStartEnabled>1</FastStartEnabled>",
                                   QString("<FastStartEnabled>%1</FastStartEnabled>").arg(fast ? 1 : 0))));
    CSimAppPackage package;
    package.board = vorn ? "Vorn" : "Fenk";
    package.program = "the new program";
    QVERIFY(run.board.SetUsbStickInserted(0, true));
    QVERIFY(CSimUpdateServer::WriteFiles(run.root + "/media/usb0", package.ServerFiles()));
    run.controllers.SetStreaming(true);
    QVERIFY2(run.StartOnDisplay(g_Display) && run.WaitFor("start-up phase: system up", kStartMs),
             qPrintable(run.output));
    const QRegularExpression firstTrim("<TrimValue>(-?\\d+)</TrimValue>");
    const int trim = firstTrim.match(ReadText(model)).captured(1).toInt();

    // Home, the strip, the main menu to its end, "Settings", "System", to
    // its end, the software's "Check", "Update": again until the update
    // begins (a touch before the home screen is up is lost).
    const auto tap = [](const QPoint& at) {
      return QStringList{"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1", "sleep", "0.7"};
    };
    const QStringList toTheEnd{"mousemove", "240", "150", "click", "--repeat", "30",
                               "--delay",   "30",  "5",   "sleep", "0.7"};
    QStringList way{"key", "F5", "sleep", "0.7", "mousemove", "240", "3", "mousedown", "1"};
    for (int y = 30; y <= 190; y += 20) way << "sleep" << "0.03" << "mousemove" << "240" << QString::number(y);
    way << "mouseup" << "1" << "sleep" << "0.7";
    way << tap({83, 27}) << toTheEnd << tap(settings) << tap({55, 72}) << toTheEnd << tap(software) << tap({397, 75});
    for (int attempt = 0; attempt < 5 && !run.WaitFor("begin update", 2000); ++attempt) QVERIFY(run.Fingers(way));
    QVERIFY2(run.WaitFor("begin update", kStartMs), qPrintable(run.output));
    // "The update is ready. Install it now?" Ok.
    for (int attempt = 0; attempt < 10 && !run.WaitFor("installation is complete", 1000); ++attempt)
      QVERIFY(run.Fingers(tap({180, 198})));
    QVERIFY2(run.WaitFor("application installation is complete (err = 0)", kStartMs), qPrintable(run.output));

    const int trims = run.controllers.Sent(CSimControllers::Transceiver, SimTransceiverTrimsABC);
    QVERIFY(run.controllers.ClickTrim(0, 1));
    QVERIFY(run.SentMoreThan(SimTransceiverTrimsABC, trims, kStartMs));
    QVERIFY(run.Signal(SIGTERM));
    QVERIFY2(run.Finish(kSwitchOffMs), qPrintable(run.output));
    QCOMPARE(run.output.contains("Power-off command has been sent to TC..."), vorn && fast);
    QCOMPARE(firstTrim.match(ReadText(model)).captured(1).toInt(), trim + CSimControls::kTrimStep);
  }
};

int main(int argc, char* argv[]) { return VornProgramTestMain<TestProgramUpdate>(argc, argv, true); }
#include "tst_program_update.moc"
