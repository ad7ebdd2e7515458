// vorn-sim: the simulated board and controllers beside the desktop program.
#include "platform/klx_platform.h"
#include "sim/csimboard.h"
#include "sim/csimsounds.h"
#include "sim/csimvoices.h"
#include "sim/csimconsole.h"
#include "sim/csimcontrollers.h"
#include "sim/csimcontrols.h"
#include "sim/csimpanel.h"
#include "sim/csimupdatepackage.h"
#include "sim/csimupdateserver.h"
#include "sim/csimwlan.h"
#include "sim/simwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQuickView>
#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>

#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <memory>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {
const char kUsage[] =
    "usage: vorn-sim COMMAND [OPTIONS]\n"
    "commands:\n"
    "  prepare   lay down the files of a factory-fresh board under the root: board name,\n"
    "            GPIO lines, SD card with Timezones.xml, application folder with the\n"
    "            translation catalogues, USB mount points, the voices of the eight\n"
    "            languages (where the card has no voices folder yet); the WLAN\n"
    "            networks in range (where none were set yet), the WLAN interface down\n"
    "            --model-demo: also the model \"Demo\" as the current model, and fast\n"
    "            start on (where the card has no model, process state or settings yet)\n"
    "            --firmware-update: also a package with newer firmware for both\n"
    "            controllers on USB stick 1 (usb0), and staged on the card as installed\n"
    "            (the update pending): the program's next start writes it in\n"
    "            --update-server: also the update server's folder <root>/updateserver\n"
    "            with an application package one version above the program's\n"
    "            --receiver-firmware: also a receiver firmware file one version above\n"
    "            the simulated receiver's on the card (<root>/Vorn/Update/Receiver)\n"
    "  update-server  serve <root>/updateserver on the loopback at the update server's\n"
    "            address of this build (" VORN_UPDATE_SERVER "), requests logged in\n"
    "            <root>/run/updateserver.log, until the process --pid names ends;\n"
    "            <root>/run/updateserver.port holds the port once it listens\n"
    "  console   serve the CAN stand-in <root>/run/can0 with the transceiver and stick\n"
    "            controllers, open the control window and read keys (? lists them)\n"
    "  press | release | hold   one action on the power button, then exit (hold: 6 s)\n"
    "options:\n"
    "  --board vorn|fenk|none   the board variant (default vorn)\n"
    "  --root DIR               the desktop root (default: root beside the bin folder)\n"
    "  --pid PID                console: the program's pid; q switches it off in order,\n"
    "                           and the console ends when the program ends\n"
    "  --script FILE            console: send scripted messages, lines of\n"
    "                           \"<delay ms> <node> <id> <hex bytes>\"\n"
    "  --no-window              console: keys only, no control window\n"
    "  --grab FILE              console: save a picture of the control window to FILE\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return 2;
}

struct Options {
  QString command;
  QString root = KLX_Platform::Root();
  CSimBoard::Variant variant = CSimBoard::Vorn;
  qint64 pid = 0;
  QString script;
  QString grab;
  bool window = true;
  bool demo = false;
  bool firmware = false;
  bool updateServer = false;
  bool receiverFirmware = false;
};

bool Parse(int argc, char* argv[], Options* o) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  if (args.isEmpty()) return false;
  o->command = args.takeFirst();
  while (!args.isEmpty()) {
    const QString opt = args.takeFirst();
    if (opt == "--no-window") {
      o->window = false;
      continue;
    }
    if (opt == "--model-demo") {
      o->demo = true;
      continue;
    }
    if (opt == "--firmware-update") {
      o->firmware = true;
      continue;
    }
    if (opt == "--update-server") {
      o->updateServer = true;
      continue;
    }
    if (opt == "--receiver-firmware") {
      o->receiverFirmware = true;
      continue;
    }
    if (args.isEmpty()) return false;
    const QString value = args.takeFirst();
    bool ok = true;
    if (opt == "--board")
      o->variant = CSimBoard::VariantFromName(value, &ok);
    else if (opt == "--root")
      o->root = QFileInfo(value).absoluteFilePath();
    else if (opt == "--pid")
      o->pid = value.toLongLong(&ok);
    else if (opt == "--script")
      o->script = QFileInfo(value).absoluteFilePath();
    else if (opt == "--grab")
      o->grab = QFileInfo(value).absoluteFilePath();
    else
      ok = false;
    if (!ok) return false;
  }
  return true;
}

QString BoardName(CSimBoard::Variant v) {
  return v == CSimBoard::Fenk ? QStringLiteral("Fenk") : (v == CSimBoard::Vorn ? QStringLiteral("Vorn") : QStringLiteral("unknown"));
}

void Print(const QString& text) {
  std::printf("%s\n", qPrintable(text));
  std::fflush(stdout);
}

// Single keys without Enter and without echo while the console runs.
class RawKeys {
 public:
  RawKeys() {
    if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &m_Saved) != 0) return;
    termios raw = m_Saved;
    raw.c_lflag &= tcflag_t(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    m_Active = tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0;
  }
  ~RawKeys() {
    if (m_Active) tcsetattr(STDIN_FILENO, TCSANOW, &m_Saved);
  }

 private:
  termios m_Saved{};
  bool m_Active = false;
};

// Ctrl-C, SIGTERM and a closed terminal reach the event loop through a pipe.
int g_SignalPipe[2] = {-1, -1};
void OnSignal(int) {
  const char c = 'q';
  (void)!::write(g_SignalPipe[1], &c, 1);
}

// The card of a transmitter set up for a first try: one model, "Demo", as
// the current model, fast start switched on (the larger board only; the
// smaller one has none), and the control types of the factory's calibration.
bool PrepareDemo(const QString& root) {
  QFile demo(QStringLiteral(":/factory/Demo.xml"));
  if (!demo.open(QIODevice::ReadOnly)) return false;
  const QByteArray state =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<vornstate version=\"1.0\">\n    <VORNSTATE>\n"
      "        <Modelname>Demo</Modelname>\n        <ModelTyp>1</ModelTyp>\n"
      "        <ModelStoredInTC>0</ModelStoredInTC>\n    </VORNSTATE>\n</vornstate>\n";
  const QByteArray settings =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<systemfile version=\"1.0\">\n    <SYSTEM>\n"
      "        <FastStartEnabled>1</FastStartEnabled>\n" +
      CSimControls::FactoryControlTypes() + "    </SYSTEM>\n</systemfile>\n";
  const QString card = root + QStringLiteral("/Vorn");
  return CSimBoard::WriteIfMissing(card + "/Model/Plane/Demo.xml", demo.readAll()) &&
         CSimBoard::WriteIfMissing(card + "/Vornstate/Vornstate.xml", state) &&
         CSimBoard::WriteIfMissing(card + "/System/System.xml", settings);
}

int Console(QCoreApplication& app, CSimBoard& board, const Options& o, bool window) {
  CSimControllers controllers(o.root);
  if (!controllers.Serve(o.root + "/run/can0")) {
    std::fprintf(stderr, "vorn-sim: cannot serve the CAN stand-in at %s/run/can0\n", qPrintable(o.root));
    return 1;
  }
  // A few sensors behind the receiver for the telemetry to show.
  controllers.Sensors().AddDefaultSet();
  if (o.variant == CSimBoard::Vorn) {
    // The board's own GPS receiver has a fix; the model's GPS sensor circles it.
    controllers.Gps().SetSilent(false);
    controllers.Sensors().AddGps(CSimConsole::kGpsAddress);
    controllers.Sensors().FollowTrack(CSimConsole::kGpsAddress, true);
  }
  CSimConsole console(controllers, board, o.pid, Print);
  QObject::connect(&console, &CSimConsole::Finished, &app, [&app](int code) { app.exit(code); });

  CSimPanel panel(controllers, BoardName(o.variant));
  std::unique_ptr<QQuickView> view;
  if (window) {
    static_cast<QGuiApplication&>(app).setQuitOnLastWindowClosed(false);
    view = SimWindow::Open(&panel);
    if (view && !o.grab.isEmpty()) SimWindow::GrabWhenShown(view.get(), o.grab);
  }
  Print(QStringLiteral("vorn-sim: the %1 board's transceiver and stick controllers serve %2/run/can0")
            .arg(BoardName(o.variant), o.root));
  if (view)
    Print(QStringLiteral("vorn-sim: control window \"%1\" open (%2)")
              .arg(view->title(), qEnvironmentVariableIsSet("DISPLAY")
                                      ? "display " + QString::fromLocal8Bit(qgetenv("DISPLAY"))
                                      : "platform " + QGuiApplication::platformName()));
  else
    Print(QStringLiteral("vorn-sim: no control window (%1); the keys move the controls")
              .arg(window ? "it did not load" : (o.window ? "no display" : "--no-window")));
  if (o.pid > 0)
    Print(QStringLiteral("vorn-sim: q switches the transmitter program (pid %1) off in order, then ends this console")
              .arg(o.pid));
  if (o.variant == CSimBoard::Vorn)
    Print(QStringLiteral("vorn-sim: the GPS receiver answers on %1/dev/ttymxc2: the transmitter stands in a field "
                         "near Goettingen, the model's GPS sensor (address %2) circles it 90 to 210 m away "
                         "(main menu, \"GPS Compass\")")
              .arg(o.root)
              .arg(CSimConsole::kGpsAddress));
  Print(CSimConsole::Help());
  Print(QStringLiteral("vorn-sim: ") + CSimWlan(o.root).Summary());

  std::thread scriptThread;
  if (!o.script.isEmpty())
    scriptThread = std::thread([&controllers, &o]() {
      if (!controllers.RunScript(o.script)) std::fprintf(stderr, "vorn-sim: script %s failed\n", qPrintable(o.script));
    });

  RawKeys raw;
  QSocketNotifier keys(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&keys, &QSocketNotifier::activated, [&]() {
    char buffer[64];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof(buffer));
    if (n <= 0) {
      keys.setEnabled(false);  // no more input: the window and the pid watch go on
      return;
    }
    for (ssize_t i = 0; i < n; ++i) console.Key(buffer[i]);
  });

  if (::pipe2(g_SignalPipe, O_CLOEXEC) != 0) return 1;
  QSocketNotifier stopSignals(g_SignalPipe[0], QSocketNotifier::Read);
  QObject::connect(&stopSignals, &QSocketNotifier::activated, [&]() {
    char c;
    if (::read(g_SignalPipe[0], &c, 1) == 1) console.Quit();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  for (int s : {SIGINT, SIGTERM, SIGHUP}) sigaction(s, &action, nullptr);

  const int rc = app.exec();
  if (scriptThread.joinable()) scriptThread.join();
  view.reset();
  controllers.StopServing();
  controllers.Detach();
  return rc;
}
}  // namespace

// The update server's stand-in for the program of this build: the port of
// the build's address, the root's folder. It takes this process's place.
int ServeUpdates(const Options& o) {
  const QUrl base(QStringLiteral(VORN_UPDATE_SERVER));
  if (base.host() != QLatin1String("127.0.0.1") && base.host() != QLatin1String("localhost")) {
    std::fprintf(stderr, "vorn-sim: this build's update server (%s) is not on the loopback\n", VORN_UPDATE_SERVER);
    return 1;
  }
  QByteArray port = QByteArray::number(base.port(80));
  QByteArray folder = (o.root + "/updateserver").toLocal8Bit();
  QByteArray log = (o.root + "/run/updateserver.log").toLocal8Bit();
  // Written once the server listens: who started it knows it is its own.
  QByteArray portFile = (o.root + "/run/updateserver.port").toLocal8Bit();
  QByteArray parent = QByteArray::number(o.pid > 0 ? o.pid : qint64(getppid()));
  QByteArray script(VORN_UPDATE_SERVER_SCRIPT);
  char python[] = "python3";
  char* argv[] = {python, script.data(), const_cast<char*>("--folder"), folder.data(), const_cast<char*>("--port"),
                  port.data(), const_cast<char*>("--port-file"), portFile.data(), const_cast<char*>("--log"), log.data(),
                  const_cast<char*>("--parent"), parent.data(), nullptr};
  QDir().mkpath(o.root + "/run");
  QFile::remove(QString::fromLocal8Bit(portFile));
  Print(QStringLiteral("vorn-sim: the update server's stand-in serves %1 at %2 (requests in %3)")
            .arg(QString::fromLocal8Bit(folder), base.toString(), QString::fromLocal8Bit(log)));
  execvp(python, argv);
  std::fprintf(stderr, "vorn-sim: cannot start python3 for the update server\n");
  return 1;
}

int main(int argc, char* argv[]) {
  Options o;
  if (!Parse(argc, argv, &o)) return Usage();
  const bool display = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                       qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
  const bool window = o.command == "console" && o.window && display;
  std::unique_ptr<QCoreApplication> app(window ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));
  CSimBoard board(o.root, o.variant);

  if (o.command == "prepare") {
    // The controllers' state file is written once and then kept across runs.
    CSimControllers controllers(o.root);
    // The card's voices, for the eight languages of the screens.
    const bool card = o.variant != CSimBoard::Unknown;
    if (!board.Prepare() || !QFileInfo::exists(controllers.StateFile()) || (o.demo && !PrepareDemo(o.root)) ||
        (o.firmware && !CSimUpdatePackage::Prepare(o.root, BoardName(o.variant))) ||
        (o.updateServer && !CSimUpdateServer::Prepare(o.root, BoardName(o.variant))) ||
        (card && !CSimVoices::Prepare(o.root + "/Vorn/Sound/Voices")) ||
        (card && !CSimSounds::Prepare(o.root + "/Vorn/Sound")) || !CSimWlan(o.root).Prepare()) {
      std::fprintf(stderr, "vorn-sim: cannot write the board's files under %s\n", qPrintable(o.root));
      return 1;
    }
    Print(QStringLiteral("vorn-sim: board %1 prepared under %2").arg(BoardName(o.variant), o.root));
    if (o.receiverFirmware) {
      const QString file = CSimUpdatePackage::PrepareReceiver(o.root);
      if (file.isEmpty()) {
        std::fprintf(stderr, "vorn-sim: cannot write the receiver firmware under %s\n", qPrintable(o.root));
        return 1;
      }
      Print(QStringLiteral("vorn-sim: receiver firmware %1/Vorn/Update/Receiver/%2; bind a receiver (main menu, "
                           "\"Receivers\") and write it from \"Receiver firmware\"")
                .arg(o.root, file));
    }
    if (o.firmware)
      Print(QStringLiteral("vorn-sim: newer controller firmware on %1/media/usb0 and pending on the card; "
                           "the program's next start writes it in")
                .arg(o.root));
    return 0;
  }
  if (o.command == "update-server") return ServeUpdates(o);
  if (o.command == "press") return board.SetPowerButtonPressed(true) ? 0 : 1;
  if (o.command == "release") return board.SetPowerButtonPressed(false) ? 0 : 1;
  if (o.command == "hold") {
    if (!board.SetPowerButtonPressed(true)) return 1;
    QTimer::singleShot(CSimConsole::kHoldMs, app.get(), [&]() { app->exit(board.SetPowerButtonPressed(false) ? 0 : 1); });
    return app->exec();
  }
  if (o.command != "console") return Usage();
  return Console(*app, board, o, window);
}
