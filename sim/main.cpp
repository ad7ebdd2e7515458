// vorn-sim: the simulated board beside the desktop program.
//   vorn-sim prepare [--board vorn|fenk|none] [--root DIR]   writes the board's files
//   vorn-sim console [--board ...] [--pid PID] [--script F]  serves the CAN stand-in at
//                                                            <root>/run/can0 with the
//                                                            transceiver and stick
//                                                            controllers; keys: p press,
//                                                            r release, h hold 5 s,
//                                                            e/E error report from the
//                                                            transceiver/stick, s silence,
//                                                            l wrong lengths, x remote
//                                                            frames, g sequence gaps,
//                                                            o 1001-byte header,
//                                                            c counters, q quit
//   vorn-sim press|release|hold [--board ...]                one action, then exit
#include "platform/klx_platform.h"
#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace {
int Usage() {
  std::fprintf(stderr,
               "usage: vorn-sim prepare|console|press|release|hold [--board vorn|fenk|none] "
               "[--root DIR] [--pid PID] [--script FILE]\n");
  return 2;
}

void Hold(CSimBoard& board) {
  board.SetPowerButtonPressed(true);
  // The program switches off after about four seconds of holding.
  QThread::sleep(6);
  board.SetPowerButtonPressed(false);
}
}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  if (args.isEmpty()) return Usage();
  const QString command = args.takeFirst();
  QString root = KLX_Platform::Root();
  CSimBoard::Variant variant = CSimBoard::Vorn;
  qint64 pid = 0;
  QString script;
  while (!args.isEmpty()) {
    const QString opt = args.takeFirst();
    if (args.isEmpty()) return Usage();
    const QString value = args.takeFirst();
    bool ok = true;
    if (opt == "--board")
      variant = CSimBoard::VariantFromName(value, &ok);
    else if (opt == "--root")
      root = QFileInfo(value).absoluteFilePath();
    else if (opt == "--pid")
      pid = value.toLongLong(&ok);
    else if (opt == "--script")
      script = QFileInfo(value).absoluteFilePath();
    else
      ok = false;
    if (!ok) return Usage();
  }
  // The board variant of an existing root follows its board-name file.
  CSimBoard board(root, variant);

  if (command == "prepare") {
    // The controllers' state file is written once and then kept across runs.
    CSimControllers controllers(root);
    if (!board.Prepare() || !QFileInfo::exists(controllers.StateFile())) {
      std::fprintf(stderr, "vorn-sim: cannot write the board's files under %s\n", qPrintable(root));
      return 1;
    }
    std::printf("vorn-sim: board %s prepared under %s\n",
                variant == CSimBoard::Fenk ? "Fenk" : (variant == CSimBoard::Vorn ? "Vorn" : "unknown"),
                qPrintable(root));
    return 0;
  }
  if (command == "press") return board.SetPowerButtonPressed(true) ? 0 : 1;
  if (command == "release") return board.SetPowerButtonPressed(false) ? 0 : 1;
  if (command == "hold") {
    Hold(board);
    return 0;
  }
  if (command != "console") return Usage();

  // The controllers serve the bus; the program joins whenever it comes up.
  CSimControllers controllers(root);
  if (!controllers.Serve(root + "/run/can0")) {
    std::fprintf(stderr, "vorn-sim: cannot serve the CAN stand-in at %s/run/can0\n", qPrintable(root));
    return 1;
  }
  std::thread scriptThread;
  if (!script.isEmpty())
    scriptThread = std::thread([&controllers, script]() {
      if (!controllers.RunScript(script)) std::fprintf(stderr, "vorn-sim: script %s failed\n", qPrintable(script));
    });
  bool silent = false, wrongLengths = false, remote = false, gaps = false;

  const bool interactive = isatty(STDIN_FILENO);
  if (interactive)
    std::printf("vorn-sim: p press the power button, r release it, h hold it (switch off), "
                "e/E error report, s silence, l wrong lengths, x remote frames, g sequence gaps, "
                "o 1001-byte header, c counters, q quit\n");
  std::fflush(stdout);

  QSocketNotifier keys(STDIN_FILENO, QSocketNotifier::Read);
  keys.setEnabled(interactive);
  QObject::connect(&keys, &QSocketNotifier::activated, [&]() {
    char c = 0;
    if (::read(STDIN_FILENO, &c, 1) != 1) {
      keys.setEnabled(false);
      return;
    }
    switch (c) {
      case 'p': board.SetPowerButtonPressed(true); std::printf("power button pressed\n"); break;
      case 'r': board.SetPowerButtonPressed(false); std::printf("power button released\n"); break;
      case 'h': std::printf("holding the power button...\n"); std::fflush(stdout); Hold(board); break;
      case 'e': controllers.SendErrorReport(CSimControllers::Transceiver, 0x02050101u, 254); std::printf("error report sent\n"); break;
      case 'E': controllers.SendErrorReport(CSimControllers::Stick, 0x02060101u, 255); std::printf("error report sent\n"); break;
      case 's':
        silent = !silent;
        controllers.SetSilent(CSimControllers::Transceiver, silent);
        controllers.SetSilent(CSimControllers::Stick, silent);
        std::printf("silence %s\n", silent ? "on" : "off");
        break;
      case 'l': wrongLengths = !wrongLengths; controllers.SetWrongLengths(wrongLengths); std::printf("wrong lengths %s\n", wrongLengths ? "on" : "off"); break;
      case 'x': remote = !remote; controllers.SetRemoteFrames(remote); std::printf("remote frames %s\n", remote ? "on" : "off"); break;
      case 'g': gaps = !gaps; controllers.SetSequenceGap(gaps); std::printf("sequence gaps %s\n", gaps ? "on" : "off"); break;
      case 'o': controllers.SendOversizeHeader(CSimControllers::Transceiver, 17); std::printf("1001-byte header sent\n"); break;
      case 'c':
        std::printf("frames %llu, bad frames %d, sync requests %d/%d, directions requests %d\n",
                    static_cast<unsigned long long>(controllers.FramesReceived()), controllers.BadFrames(),
                    controllers.Received(128), controllers.Received(129), controllers.Received(150));
        break;
      case 'q': app.quit(); break;
      default: break;
    }
    std::fflush(stdout);
  });
  QTimer watch;
  if (pid > 0) {
    QObject::connect(&watch, &QTimer::timeout, [&]() {
      if (::kill(static_cast<pid_t>(pid), 0) != 0) app.quit();
    });
    watch.start(200);
  }
  const int rc = app.exec();
  if (scriptThread.joinable()) scriptThread.join();
  controllers.StopServing();
  controllers.Detach();
  return rc;
}
