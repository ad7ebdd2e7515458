// The real program on a desktop board of its own, as ./run.sh runs it: the
// Demo model on the card, the simulated controllers streaming their values,
// a virtual display (Xvfb) of its own.
//
// Idle: the program's processor time (all its threads) per second of
// wall-clock time while it stands on the home screen, the Demo's telemetry
// page showing the sensors' values as they change (the simulator's sensors
// and GPS as ./run.sh serves them: the GPS sensor circling, ten reports a
// second), beside an empty window's (a Qt Quick window with nothing in it, drawn the
// same way) measured in the same run. "cpu_percent" is of one core; the
// program's GUI thread and the rest (its floor) are told apart.
//
// Start-up: from the program's start to the first frame of its main window.
// A worker thread's start waits up to 200 ms for the thread to run, and ends
// as soon as it does: that wait is part of the time, not a fixed pause.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QMap>
#include <QProcess>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <memory>

#include "qml_frame_fixture.h"
#include "sim/csimconsole.h"
#include "sim/csimcontrollers.h"

namespace {
constexpr int kSettleMs = 3000;
constexpr int kIdleSecondsPerIteration = 5;

// Processor time of each thread of a process so far, in seconds, by the
// thread's name (threads of one name summed); the process's first thread,
// the GUI thread, as "GUI".
QMap<QString, double> ThreadSeconds(qint64 pid) {
  QMap<QString, double> seconds;
  for (const QString& task : QDir(QStringLiteral("/proc/%1/task").arg(pid)).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile stat(QStringLiteral("/proc/%1/task/%2/schedstat").arg(pid).arg(task));
    QFile comm(QStringLiteral("/proc/%1/task/%2/comm").arg(pid).arg(task));
    if (!stat.open(QIODevice::ReadOnly)) continue;
    const double ns = stat.readAll().split(' ').value(0).toDouble();
    const QString name = task.toLongLong() == pid ? QStringLiteral("GUI")
                         : comm.open(QIODevice::ReadOnly) ? QString::fromUtf8(comm.readAll()).trimmed()
                                                          : task;
    seconds[name] += ns / 1e9;
  }
  return seconds;
}

double Total(const QMap<QString, double>& seconds) {
  double total = 0;
  for (double s : seconds) total += s;
  return total;
}

// A process measured idle for `seconds`: each thread's processor time per
// second of wall-clock time.
QMap<QString, double> IdleShares(qint64 pid, int seconds) {
  QElapsedTimer wall;
  const QMap<QString, double> before = ThreadSeconds(pid);
  wall.start();
  QThread::sleep(static_cast<unsigned long>(seconds));
  const QMap<QString, double> after = ThreadSeconds(pid);
  const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
  QMap<QString, double> shares;
  for (auto it = after.begin(); it != after.end(); ++it) shares[it.key()] = (it.value() - before.value(it.key())) / elapsed;
  return shares;
}

double IdleShare(qint64 pid, int seconds) {
  return Total(IdleShares(pid, seconds));
}

struct Program {
  QTemporaryDir dir{QDir::tempPath() + "/vorn-bench-program-XXXXXX"};
  QString root = dir.path() + "/root";
  std::unique_ptr<CSimControllers> sim;
  QProcess process;
  QElapsedTimer sinceStart;
  qint64 splashMs = -1;
  qint64 mainWindowMs = -1;
  qint64 systemUpMs = -1;
  QByteArray pending;

  bool Start() {
    QDir().mkpath(dir.path() + "/bin");
    // The program finds its board beside the folder it runs from.
    // VORN_BENCH_PROGRAM: another build of the program, to compare.
    const QString program = qEnvironmentVariable("VORN_BENCH_PROGRAM", VORN_PROGRAM);
    if (!QFile::copy(program, dir.path() + "/bin/vorn")) return false;
    QFile(dir.path() + "/bin/vorn").setPermissions(QFileDevice::ExeOwner | QFileDevice::ReadOwner);
    QProcess prepare;
    prepare.start(VORN_SIM, {"prepare", "--root", root, "--board", "vorn", "--model-demo"});
    if (!prepare.waitForFinished(20000) || prepare.exitCode() != 0) return false;
    for (const QFileInfo& qm : QDir(VORN_TRANSLATIONS).entryInfoList({"*.qm"})) {
      QFile::remove(root + "/app/" + qm.fileName());
      QFile::copy(qm.absoluteFilePath(), root + "/app/" + qm.fileName());
    }
    sim = std::make_unique<CSimControllers>(root);
    if (!sim->Serve(root + "/run/can0")) return false;
    // As the console serves the larger board: the sensors behind the
    // receiver, the board's GPS receiver with a fix, the GPS sensor circling.
    sim->Sensors().AddDefaultSet();
    sim->Gps().SetSilent(false);
    sim->Sensors().AddGps(CSimConsole::kGpsAddress);
    sim->Sensors().FollowTrack(CSimConsole::kGpsAddress, true);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The developers' lines tell when the main window is drawn.
    env.insert("QT_LOGGING_RULES", "vorn.developer=true");
    env.insert("XDG_RUNTIME_DIR", dir.path());
    env.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QObject::connect(&process, &QProcess::readyRead, [this] { Read(); });
    sinceStart.start();
    process.start(dir.path() + "/bin/vorn", QStringList());
    return process.waitForStarted(10000);
  }
  void Read() {
    pending += process.readAll();
    int end;
    while ((end = pending.indexOf('\n')) >= 0) {
      const QByteArray line = pending.left(end);
      pending.remove(0, end + 1);
      const qint64 now = sinceStart.elapsed();
      if (splashMs < 0 && line.contains("splash on screen")) splashMs = now;
      if (mainWindowMs < 0 && line.contains("main window on screen")) mainWindowMs = now;
      if (systemUpMs < 0 && line.contains("start-up phase: system up")) systemUpMs = now;
    }
  }
  bool WaitFor(const qint64& ms, int limitMs) {
    QElapsedTimer t;
    t.start();
    while (ms < 0 && t.elapsed() < limitMs) {
      process.waitForReadyRead(50);
      Read();
    }
    return ms >= 0;
  }
  ~Program() {
    if (process.state() != QProcess::NotRunning) {
      process.terminate();
      // The switch-off keeps the prescribed wait between sync and the unmounts.
      if (!process.waitForFinished(30000)) process.kill();
    }
    process.waitForFinished(5000);
  }
};

// The whole program ("cpu_percent"), its GUI thread ("gui_percent") and the
// floor: the same program with its GUI thread's time left out, as if that
// thread stood idle ("floor_percent"); every thread's share goes to stderr.
void BM_IdleHomeScreen(benchmark::State& state) {
  Program p;
  if (!p.Start() || !p.WaitFor(p.systemUpMs, 60000)) {
    state.SkipWithError("the program did not come up");
    return;
  }
  QThread::msleep(kSettleMs);
  QMap<QString, double> shares;
  for (auto _ : state) {
    const QMap<QString, double> once = IdleShares(p.process.processId(), kIdleSecondsPerIteration);
    for (auto it = once.begin(); it != once.end(); ++it) shares[it.key()] += it.value();
    state.SetIterationTime(kIdleSecondsPerIteration);
  }
  const double runs = static_cast<double>(state.iterations());
  const double total = Total(shares) / runs * 100;
  const double gui = shares.value(QStringLiteral("GUI")) / runs * 100;
  state.counters["cpu_percent"] = total;
  state.counters["gui_percent"] = gui;
  state.counters["floor_percent"] = total - gui;
  for (auto it = shares.begin(); it != shares.end(); ++it)
    if (it.value() > 0) std::fprintf(stderr, "  %-28s %6.3f %%\n", qPrintable(it.key()), it.value() / runs * 100);
}

void BM_IdleEmptyWindow(benchmark::State& state) {
  QProcess window;
  window.start(QCoreApplication::applicationFilePath(), {"--empty-window"});
  if (!window.waitForStarted(10000)) {
    state.SkipWithError("no window");
    return;
  }
  QThread::msleep(kSettleMs);
  double share = 0;
  for (auto _ : state) {
    share += IdleShare(window.processId(), kIdleSecondsPerIteration);
    state.SetIterationTime(kIdleSecondsPerIteration);
  }
  state.counters["cpu_percent"] = share / static_cast<double>(state.iterations()) * 100;
  window.kill();
  window.waitForFinished(5000);
}

// The floor of the start-up: a process of Qt Quick to its first frame, with
// an empty window drawn the same way.
void BM_StartUpEmptyWindow(benchmark::State& state) {
  for (auto _ : state) {
    QProcess window;
    QElapsedTimer sinceStart;
    sinceStart.start();
    window.start(QCoreApplication::applicationFilePath(), {"--empty-window"});
    QByteArray out;
    while (!out.contains("window on screen") && sinceStart.elapsed() < 30000 && window.waitForReadyRead(30000))
      out += window.readAllStandardOutput();
    const qint64 ms = sinceStart.elapsed();
    window.kill();
    window.waitForFinished(5000);
    if (!out.contains("window on screen")) {
      state.SkipWithError("no window");
      return;
    }
    state.SetIterationTime(static_cast<double>(ms) / 1000.0);
  }
}

void BM_StartUpToMainWindow(benchmark::State& state) {
  for (auto _ : state) {
    Program p;
    if (!p.Start() || !p.WaitFor(p.mainWindowMs, 60000)) {
      state.SkipWithError("no main window");
      return;
    }
    state.SetIterationTime(static_cast<double>(p.mainWindowMs) / 1000.0);
  }
}

BENCHMARK(BM_IdleEmptyWindow)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(3);
BENCHMARK(BM_StartUpEmptyWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_IdleHomeScreen)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(4);
BENCHMARK(BM_StartUpToMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The floor's window: nothing in it, drawn as the program draws its own.
int EmptyWindow(int argc, char** argv) {
  QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
  QGuiApplication app(argc, argv);
  QQuickWindow window;
  window.resize(480, 272);
  // Its first frame, for the start-up floor.
  QObject::connect(&window, &QQuickWindow::frameSwapped, &window, [] {
    static bool told = false;
    if (told) return;
    told = true;
    std::printf("window on screen\n");
    std::fflush(stdout);
  });
  window.show();
  return app.exec();
}
}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && QByteArray(argv[1]) == "--empty-window") return EmptyWindow(argc, argv);
  // Both processes draw on a display of their own.
  qmlframe::OwnDisplay();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
  std::signal(SIGPIPE, SIG_IGN);
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
