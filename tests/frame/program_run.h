#pragma once
// The real program against a root of its own, prepared by the simulator as a
// user's run prepares it, for the program tests: each test program proves
// one thing of the whole program (how it switches off, what a restart
// keeps, what the pilot changes, what it shows while it comes up).
#include <QtTest>

#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"
#include "sim/csimcontrols.h"
#include "vorn_childprocess.h"
#include "vorn_display.h"
#include "vorn_testroot.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// Bounds only a hang reaches: a start or a switch-off takes seconds on a
// busy machine.
constexpr int kStartMs = 60000;
constexpr int kSwitchOffMs = 60000;

// The test's own X server (empty: none). The test draws its reference
// pictures through OpenGL, which the offscreen platform has only with a
// display; the program shows its splash there.
inline QString g_Display;

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
    prepare.waitForFinished(kStartMs);
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
    process.waitForStarted(kStartMs);
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

inline QStringList SwitchOffCommands() {
  QStringList c{"sync"};
  for (int n = 0; n < 8; ++n) c << QString("umount2 /media/usb%1 1").arg(n);
  c << "umount -r /Vorn" << "umount -r /app" << "poweroff&";
  return c;
}

inline void VerifyInOrder(const QString& output, const QStringList& lines) {
  int at = 0;
  for (const QString& line : lines) {
    const int found = output.indexOf(line, at);
    QVERIFY2(found >= 0, qPrintable("missing or out of order: " + line + "\n" + output));
    at = found + line.size();
  }
}

inline QString ReadText(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

inline bool WriteText(const QString& path, const QString& text) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) == text.toUtf8().size();
}

// The main of a program test: with `display`, on an X server of its own
// where one can be started (g_Display).
template <typename Test>
int VornProgramTestMain(int argc, char* argv[], bool display) {
  pid_t server = 0;
  if (display) {
    const std::string number = VornStartFreeXvfb(&server);
    if (!number.empty()) {
      setenv("DISPLAY", (":" + number).c_str(), 1);
      g_Display = QString::fromStdString(":" + number);
    }
  }
  int result;
  {
    QGuiApplication app(argc, argv);
    Test test;
    QTEST_SET_MAIN_SOURCE_PATH
    result = QTest::qExec(&test, argc, argv);
  }
  if (server != 0) {
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
  }
  return result;
}
