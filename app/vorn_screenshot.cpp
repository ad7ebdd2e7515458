// vorn-screenshot FILE.png: saves the whole screen of the display in use
// ($DISPLAY), for a look at a desktop run under Xvfb.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: DISPLAY=:N vorn-screenshot FILE.png\n");
    return EXIT_FAILURE;
  }
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "vorn-screenshot: cannot grab the screen into %s\n", argv[1]);
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
