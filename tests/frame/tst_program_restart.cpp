// What the real program keeps from one start to the next: a changed
// setting, and a model file that a start without a change leaves as it was.
#include "program_run.h"

class TestProgramRestart : public QObject {
  Q_OBJECT

 private slots:
  // Two starts on a fresh card. The first creates the settings file empty
  // (a fresh transmitter keeps its defaults until a setting changes) and
  // saves the process state; a setting changed in the file before the
  // second start is read without a report, used, and not overwritten at its
  // switch-off. Neither start reports an error but that its card holds no
  // model to load. The display brightness sent
  // to the transceiver controller settles on 70 % of the base brightness
  // (no ambient light is reported): 49 of the default 70, 21 of the changed 30,
  // never above.
  void aChangedSettingSurvivesARestart() {
    ProgramRun run(CSimBoard::Vorn);
    QVERIFY(QFileInfo::exists(run.root + "/Vorn/System/Timezones.xml"));
    const QString changed =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<systemfile version=\"1.0\">\n"
        "    <SYSTEM>\n        <Brightness>30</Brightness>\n    </SYSTEM>\n</systemfile>\n";
    for (int start = 1; start <= 2; ++start) {
      run.controllers.ClearCounters();
      run.Start();
      QVERIFY2(run.WaitFor("OSTREL VORN IS UP AND STARTING...", kStartMs), qPrintable(run.output));
      const QList<int> brightness = run.Brightness(40, kStartMs);
      QVERIFY2(brightness.size() >= 40, qPrintable(run.output));
      const int settled = start == 1 ? 49 : 21;
      QCOMPARE(brightness.last(), settled);
      QCOMPARE(*std::max_element(brightness.begin(), brightness.end()), settled);
      QVERIFY(run.Signal(SIGTERM));
      QVERIFY2(run.Finish(kSwitchOffMs), qPrintable(run.output));
      QVERIFY2(QFileInfo::exists(run.StateFile()), qPrintable(run.output));
      // A card without a model starts without one: nothing to report.
      const QStringList errors = run.ReportedErrors();
      QVERIFY2(errors.isEmpty(), qPrintable(QString("start %1 is not quiet:\n").arg(start) + errors.join('\n')));
      if (start == 1) {
        QVERIFY(QFileInfo::exists(run.SystemFile()));
        QCOMPARE(ReadText(run.SystemFile()), QString());
        QVERIFY(WriteText(run.SystemFile(), changed));
      } else {
        QCOMPARE(ReadText(run.SystemFile()), changed);
      }
    }
  }

  // A start that changes nothing in the model leaves its file as it was, to
  // the byte and its time: the transceiver's reports of what the model
  // holds (its trims after a load), the sensors described, the clock set
  // from the GPS, a timer widget's red limit that the file holds otherwise
  // than where its timer stops (as the Demo comes) and a switch-off with no
  // timer value to keep write nothing.
  void aStartWithNothingChangedLeavesTheModelFile_data() {
    QTest::addColumn<bool>("fast");
    QTest::newRow("normal start") << false;
    QTest::newRow("fast start") << true;
  }
  void aStartWithNothingChangedLeavesTheModelFile() {
    QFETCH(bool, fast);
    ProgramRun run(CSimBoard::Vorn, true);
    const QString model = run.root + "/Vorn/Model/Plane/Demo.xml";
    QVERIFY(WriteText(model, ReadText(model).replace("<KeepLastValue>1</KeepLastValue>",
                                                     "<KeepLastValue>0</KeepLastValue>")));
    run.controllers.SetStreaming(true);
    run.controllers.Sensors().AddDefaultSet();
    run.controllers.Gps().SetSilent(false);
    QByteArray bytes;
    QDateTime modified;
    // The first start writes the card's file as the program writes it.
    for (int start = 1; start <= 2; ++start) {
      if (start == 2) {
        // The Demo's flight timer stops at ten minutes, its widget's limit in the file is another.
        const QString limit = "<RedAlertAbove>600</RedAlertAbove>";
        QCOMPARE(ReadText(model).count(limit), 1);
        QVERIFY(WriteText(model, ReadText(model).replace(limit, "<RedAlertAbove>32767</RedAlertAbove>")));
        bytes = ReadText(model).toUtf8();
        modified = QFileInfo(model).lastModified();
        if (!fast) {
          QVERIFY(QFile::remove(run.controllers.TransceiverController().ModelFile()));
          run.controllers.TransceiverController().PowerUp();
        }
      }
      run.Start();
      QVERIFY2(run.WaitFor("Telemetry captured", kStartMs), qPrintable(run.output));
      QVERIFY2(run.WaitFor("Set GPS UTC", kStartMs), qPrintable(run.output));
      QVERIFY(run.Signal(SIGTERM));
      QVERIFY2(run.Finish(kSwitchOffMs), qPrintable(run.output));
    }
    QVERIFY2(run.output.contains(fast ? "FAST START!" : "is loaded successfully!"), qPrintable(run.output));
    QCOMPARE(ReadText(model).toUtf8(), bytes);
    QCOMPARE(QFileInfo(model).lastModified(), modified);
  }
};

int main(int argc, char* argv[]) { return VornProgramTestMain<TestProgramRestart>(argc, argv, false); }
#include "tst_program_restart.moc"
