// The real program against a root of its own: it comes up beside the
// simulated board and switches off in order when the power button is held.
#include <QtTest>

#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"
#include "vorn_testroot.h"

namespace {
struct ProgramRun {
  QTemporaryDir dir{QDir::tempPath() + "/vorn-program-XXXXXX"};
  CSimBoard board;
  CSimControllers controllers;
  QProcess process;
  QString output;

  explicit ProgramRun(CSimBoard::Variant variant)
      : board(dir.path() + "/root", variant), controllers(dir.path() + "/root") {
    // The program keeps its board next to the folder of its executable.
    QDir().mkpath(dir.path() + "/bin");
    QFile::copy(VORN_PROGRAM, dir.path() + "/bin/vorn");
    QFile(dir.path() + "/bin/vorn").setPermissions(QFileDevice::ExeOwner | QFileDevice::ReadOwner);
    board.Prepare();
    controllers.SetStreaming(false);
    controllers.Serve(board.Root() + "/run/can0");
  }
  bool Received(int id, const QByteArray& data, int ms) {
    QElapsedTimer t;
    t.start();
    do {
      for (const CSimMessage& m : controllers.ReceivedMessages())
        if (m.id == id && m.node == 3 && m.data == data) return true;
      QTest::qWait(20);
    } while (t.elapsed() < ms);
    return false;
  }
  void Start() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(dir.path() + "/bin/vorn", QStringList());
  }
  bool WaitFor(const QString& text, int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
      process.waitForReadyRead(100);
      output += QString::fromLocal8Bit(process.readAll());
      if (output.contains(text)) return true;
      if (process.state() == QProcess::NotRunning) break;
    }
    return output.contains(text);
  }
  bool Finish(int ms) {
    const bool ok = process.waitForFinished(ms);
    output += QString::fromLocal8Bit(process.readAll());
    return ok;
  }
  ~ProgramRun() {
    if (process.state() != QProcess::NotRunning) {
      process.kill();
      process.waitForFinished(3000);
    }
  }
};

QStringList SwitchOffCommands() {
  QStringList c{"sync"};
  for (int n = 0; n < 8; ++n) c << QString("umount2 /media/usb%1 1").arg(n);
  c << "umount -r /Vorn" << "umount -r /app" << "poweroff&";
  return c;
}

void VerifyInOrder(const QString& output, const QStringList& lines) {
  int at = 0;
  for (const QString& line : lines) {
    const int found = output.indexOf(line, at);
    QVERIFY2(found >= 0, qPrintable("missing or out of order: " + line + "\n" + output));
    at = found + line.size();
  }
}
}  // namespace

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
    ProgramRun run(static_cast<CSimBoard::Variant>(variant));
    // A stick is in the second port: its unmount succeeds.
    QVERIFY(run.board.SetUsbStickInserted(1, true));
    run.Start();
    QVERIFY2(run.WaitFor("OSTREL VORN IS UP AND STARTING...", 20000), qPrintable(run.output));
    QCOMPARE(run.board.PowerHoldValue(), QString("1"));
    QVERIFY(run.output.contains(board));
    // The end of start-up reaches the controllers: message 246 with one zero byte.
    QVERIFY(run.Received(246, QByteArray(1, '\0'), 3000));

    run.board.SetPowerButtonPressed(true);
    QVERIFY2(run.Finish(40000), qPrintable(run.output));
    QCOMPARE(run.process.exitCode(), 0);
    QCOMPARE(run.board.RecordedCommands(), SwitchOffCommands());
    QCOMPARE(run.board.PowerHoldValue(), QString("0"));
    VerifyInOrder(run.output, {"Stop Everything NOW!", "SYSTEM GOES DOWN HERE!",
                               "exit KLX_OnOffHandler thread", "umount2 /media/usb0 error!",
                               "umount2 /media/usb1 ok", "umount -r of /Vorn ok",
                               "umount -r of /app ok", "Good bye!"});
    // QML loads without a single warning.
    QVERIFY2(!run.output.contains("qrc:/"), qPrintable(run.output));
    QVERIFY2(!run.output.contains("QML"), qPrintable(run.output));
  }

  void powerLowAtStartGoesStraightToPowerOff() {
    ProgramRun run(CSimBoard::Vorn);
    run.board.SetPowerButtonPressed(true);
    run.Start();
    QVERIFY2(run.Finish(30000), qPrintable(run.output));
    QVERIFY(run.output.contains("OSTREL VORN IS GOING DOWN..."));
    QCOMPARE(run.board.RecordedCommands(), SwitchOffCommands());
    // The power-hold line is released only after a successful start.
    QCOMPARE(run.board.PowerHoldValue(), QString("1"));
    QVERIFY(!run.output.contains("Good bye!"));
  }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
