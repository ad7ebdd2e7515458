// vorn-sim: the simulated board beside the desktop program.
//   vorn-sim prepare [--board vorn|fenk|none] [--root DIR]   writes the board's files
//   vorn-sim console [--board ...] [--pid PID]               keys: p press, r release,
//                                                            h hold 5 s, q quit
//   vorn-sim press|release|hold [--board ...]                one action, then exit
#include "platform/klx_platform.h"
#include "sim/csimboard.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {
int Usage() {
  std::fprintf(stderr,
               "usage: vorn-sim prepare|console|press|release|hold [--board vorn|fenk|none] "
               "[--root DIR] [--pid PID]\n");
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
    else
      ok = false;
    if (!ok) return Usage();
  }
  // The board variant of an existing root follows its board-name file.
  CSimBoard board(root, variant);

  if (command == "prepare") {
    if (!board.Prepare()) {
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

  const bool interactive = isatty(STDIN_FILENO);
  if (interactive)
    std::printf("vorn-sim: p press the power button, r release it, h hold it (switch off), q quit\n");
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
  return app.exec();
}
