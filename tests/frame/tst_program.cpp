// The real program against a root of its own, prepared by the simulator as a
// user's run prepares it: it shows its splash while it comes up, and it
// switches off in order when the power button is held or a stop signal
// comes, keeping its settings for the next start.
#include <QtTest>
#include <QQuickView>

#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"
#include "sim/csimcontrols.h"
#include "sim/csimupdateserver.h"
#include "vorn_childprocess.h"
#include "vorn_display.h"
#include "vorn_testroot.h"

#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr int kStartMs = 20000;
constexpr int kSwitchOffMs = 40000;
// A card without a model: the start-up load has no file to read.

// The test's own X server (empty: none). The test draws its reference
// pictures through OpenGL, which the offscreen platform has only with a
// display; the program shows its splash there.
QString g_Display;

using ChildProcess = VornChildProcess;

struct ProgramRun {
  QTemporaryDir dir{QDir::tempPath() + "/vorn-program-XXXXXX"};
  QString root = dir.path() + "/root";
  CSimBoard board;
  CSimControllers controllers{root};
  ChildProcess process;
  QString output;
  qint64 pid = 0;
  // The display the program draws on when it has one.
  QProcessEnvironment display;

  // demo: the card carries the model "Demo" as the current model, fast start on.
  explicit ProgramRun(CSimBoard::Variant variant, bool demo = false) : board(root, variant) {
    // The program keeps its board next to the folder of its executable.
    QDir().mkpath(dir.path() + "/bin");
    QFile::copy(VORN_PROGRAM, dir.path() + "/bin/vorn");
    QFile(dir.path() + "/bin/vorn").setPermissions(QFileDevice::ExeOwner | QFileDevice::ReadOwner);
    QProcess prepare;
    QStringList args{"prepare", "--root", root, "--board", variant == CSimBoard::Fenk ? "fenk" : "vorn"};
    if (demo) args << "--model-demo";
    prepare.start(VORN_SIM, args);
    prepare.waitForFinished(10000);
    controllers.SetStreaming(false);
    controllers.Serve(root + "/run/can0");
  }
  // The display brightness the program sent (one byte each), once at least
  // `count` came.
  QList<int> Brightness(int count, int ms) {
    QElapsedTimer t;
    t.start();
    QList<int> values;
    do {
      values.clear();
      for (const CSimMessage& m : controllers.ReceivedMessages())
        if (m.id == SimBrightness && m.node == SimNodeApplication && m.data.size() == 1) values << quint8(m.data[0]);
      QTest::qWait(50);
    } while (values.size() < count && t.elapsed() < ms);
    return values;
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
  // The pilot's touch on "Servo/Data" of Settings > System: the mode it
  // asked the transceiver for, -1 when none. The way there is taken again
  // until a touch asks (one before the home screen is up is lost).
  int TouchFrontSocket() {
    const int from = controllers.ReceivedMessages().size();
    for (int attempt = 0; attempt < 5; ++attempt) {
      if (!Fingers(WayToTheFrontSocket())) return -1;
      QElapsedTimer t;
      t.start();
      do {
        for (const CSimMessage& m : controllers.ReceivedMessages().mid(from))
          if (m.id == SimFrontPlugMode && m.data.size() == 2 && m.data[0] == 1) return quint8(m.data[1]);
        QTest::qWait(20);
      } while (t.elapsed() < 10000);
    }
    return -1;
  }
  // xdotool's commands on the program's window (at the screen's top left
  // corner: there is no window manager), each step given time to be drawn.
  bool Fingers(const QStringList& commands) {
    QProcess fingers;
    fingers.setProcessEnvironment(display);
    fingers.start("xdotool", commands);
    return fingers.waitForFinished(60000) && fingers.exitCode() == 0;
  }
  // Home (F5), the status strip pulled down, "Main menu", the menu to its
  // end, "Settings", "System", the screen to its end, "Servo/Data".
  static QStringList WayToTheFrontSocket() {
    QStringList c{"key", "F5", "sleep", "0.7", "mousemove", "240", "3", "mousedown", "1"};
    for (int y = 30; y <= 190; y += 20) c << "sleep" << "0.03" << "mousemove" << "240" << QString::number(y);
    c << "mouseup" << "1" << "sleep" << "0.7";
    const auto tap = [&c](int x, int y) {
      c << "mousemove" << QString::number(x) << QString::number(y) << "click" << "1" << "sleep" << "0.7";
    };
    const auto toTheEnd = [&c] {
      c << "mousemove" << "240" << "150" << "click" << "--repeat" << "30" << "--delay" << "30" << "5" << "sleep" << "0.7";
    };
    tap(83, 27);
    toTheEnd();
    tap(55, 200);
    tap(55, 72);
    toTheEnd();
    tap(220, 76);
    return c;
  }
  // Waits until the transceiver has sent message `id` more than `count` times.
  bool SentMoreThan(int id, int count, int ms) {
    QElapsedTimer t;
    t.start();
    while (controllers.Sent(CSimControllers::Transceiver, id) <= count && t.elapsed() < ms) QTest::qWait(20);
    return controllers.Sent(CSimControllers::Transceiver, id) > count;
  }
  void Launch(const QString& platform, const QProcessEnvironment& extra = {}) {
    output.clear();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", platform);
    env.insert(extra);
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(dir.path() + "/bin/vorn", QStringList());
    process.waitForStarted(5000);
    pid = process.processId();
  }
  void Start() { Launch("offscreen"); }
  // On the test's own display, where no other test's window covers it.
  bool StartOnDisplay(const QString& number) {
    display.insert("DISPLAY", number);
    Launch("xcb", display);
    return pid > 0;
  }
  bool Signal(int signal) { return pid > 0 && ::kill(static_cast<pid_t>(pid), signal) == 0; }
  template <typename Text>
  bool WaitFor(const Text& text, int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
      if (output.contains(text)) return true;
      process.waitForReadyRead(50);
      output += QString::fromLocal8Bit(process.readAll());
      if (process.state() == QProcess::NotRunning) break;
    }
    return output.contains(text);
  }
  bool Finish(int ms) {
    const bool ok = process.Ended(ms);
    output += QString::fromLocal8Bit(process.readAll());
    return ok;
  }
  QString SystemFile() const { return root + "/Vorn/System/System.xml"; }
  QString StateFile() const { return root + "/Vorn/Vornstate/Vornstate.xml"; }
  // The lines of the error logs kept on the card whose codes are fatal,
  // error or warning reports.
  QStringList ReportedErrors() const {
    QStringList errors;
    QDirIterator it(root + "/Vorn/Error", {"*_Err.log"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QFile log(it.next());
      if (!log.open(QIODevice::ReadOnly)) continue;
      for (const QString& line : QString::fromUtf8(log.readAll()).split("\r\n", Qt::SkipEmptyParts))
        if (VornErrorWatch::IsFailure(line.section('\t', 0, 0).toUInt())) errors << line;
    }
    return errors;
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

QString ReadText(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool WriteText(const QString& path, const QString& text) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) == text.toUtf8().size();
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
    const bool vorn = variant == CSimBoard::Vorn;
    ProgramRun run(static_cast<CSimBoard::Variant>(variant), true);
    // A stick is in the second port: its unmount succeeds.
    QVERIFY(run.board.SetUsbStickInserted(1, true));
    run.Start();
    QVERIFY2(run.WaitFor("OSTREL VORN IS UP AND STARTING...", kStartMs), qPrintable(run.output));
    QCOMPARE(run.board.PowerHoldValue(), QString("1"));
    QVERIFY(run.output.contains(board));
    // The end of start-up reaches the controllers: message 246 with one zero byte.
    QVERIFY(run.Received(246, QByteArray(1, '\0'), 3000));
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
    QVERIFY2(run.WaitFor("begin update", 1000), qPrintable(run.output));
    // "The update is ready. Install it now?" Ok.
    for (int attempt = 0; attempt < 10 && !run.WaitFor("installation is complete", 1000); ++attempt)
      QVERIFY(run.Fingers(tap({180, 198})));
    QVERIFY2(run.output.contains("application installation is complete (err = 0)"), qPrintable(run.output));

    const int trims = run.controllers.Sent(CSimControllers::Transceiver, SimTransceiverTrimsABC);
    QVERIFY(run.controllers.ClickTrim(0, 1));
    QVERIFY(run.SentMoreThan(SimTransceiverTrimsABC, trims, kStartMs));
    QVERIFY(run.Signal(SIGTERM));
    QVERIFY2(run.Finish(kSwitchOffMs), qPrintable(run.output));
    QCOMPARE(run.output.contains("Power-off command has been sent to TC..."), vorn && fast);
    QCOMPARE(firstTrim.match(ReadText(model)).captured(1).toInt(), trim + CSimControls::kTrimStep);
  }

  // What a user sees while the program comes up: the splash, drawn before
  // start-up holds the GUI thread. The program is stopped while its screen
  // is taken, so the picture is of the start-up and nothing later.
  void theSplashIsOnTheScreenDuringStartUp() {
    if (g_Display.isEmpty()) QSKIP("no display of the test's own: Xvfb could not be started");
    ProgramRun run(CSimBoard::Vorn);
    QVERIFY2(run.StartOnDisplay(g_Display), qPrintable(run.output));
    QVERIFY2(run.WaitFor("splash on screen", kStartMs), qPrintable(run.output));
    QVERIFY(run.Signal(SIGSTOP));
    const bool upBeforeTheShot = run.output.contains("OSTREL VORN IS UP");
    QProcess shot;
    shot.setProcessEnvironment(run.display);
    const QString path = VornScreenshotPath("program-splash.png");
    shot.start(VORN_SCREENSHOT, {path});
    const bool shotTaken = shot.waitForFinished(10000) && shot.exitCode() == 0;
    QVERIFY(run.Signal(SIGCONT));
    QVERIFY2(shotTaken, shot.readAllStandardError().constData());
    QVERIFY(!upBeforeTheShot);

    // The splash as the screen file draws it, beside the window's place on
    // the screen (the top left corner: there is no window manager).
    QQuickView splash;
    splash.setSource(QUrl("qrc:/Frontend/QML/FastMain.qml"));
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    const QImage expected = splash.grabWindow().convertToFormat(QImage::Format_RGB32);
    const QImage screen = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(expected.size(), QSize(480, 272));
    // The program draws in software, this reference through OpenGL (the
    // offscreen platform on the display): the edges of the text blend
    // differently. A screen without the splash
    // differs in nearly every pixel.
    const QImage shown = screen.copy(0, 0, 480, 272);
    int apart = 0;
    for (int y = 0; y < expected.height(); ++y)
      for (int x = 0; x < expected.width(); ++x) {
        const QRgb a = shown.pixel(x, y), b = expected.pixel(x, y);
        if (qAbs(qRed(a) - qRed(b)) > 2 || qAbs(qGreen(a) - qGreen(b)) > 2 || qAbs(qBlue(a) - qBlue(b)) > 2) ++apart;
      }
    QVERIFY2(apart < expected.width() * expected.height() / 50, qPrintable(QString::number(apart)));

    QVERIFY2(run.WaitFor("OSTREL VORN IS UP AND STARTING...", kStartMs), qPrintable(run.output));
    QVERIFY(run.Signal(SIGTERM));
    QVERIFY2(run.Finish(kSwitchOffMs), qPrintable(run.output));
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

int main(int argc, char* argv[]) {
  pid_t server = 0;
  const std::string number = VornStartFreeXvfb(&server);
  if (!number.empty()) {
    setenv("DISPLAY", (":" + number).c_str(), 1);
    g_Display = QString::fromStdString(":" + number);
  }
  int result;
  {
    QGuiApplication app(argc, argv);
    TestProgram test;
    QTEST_SET_MAIN_SOURCE_PATH
    result = QTest::qExec(&test, argc, argv);
  }
  if (server != 0) {
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
  }
  return result;
}
#include "tst_program.moc"
