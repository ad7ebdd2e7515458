#include "sim/simwindow.h"

#include "sim/csimpanel.h"

#include <QImage>
#include <QQmlContext>
#include <QQmlError>
#include <QQuickView>
#include <QSGRendererInterface>
#include <QTimer>

#include <cstdio>

namespace SimWindow {

std::unique_ptr<QQuickView> Open(CSimPanel* panel) {
  // Drawn without OpenGL: the window opens on any display, Xvfb and remote
  // ones included, and beside the program's window without competing for it.
  QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
  auto view = std::make_unique<QQuickView>();
  view->rootContext()->setContextProperty(QStringLiteral("Sim"), panel);
  view->setSource(QUrl(QStringLiteral("qrc:/sim/SimPanel.qml")));
  if (view->status() != QQuickView::Ready) {
    for (const QQmlError& e : view->errors()) std::fprintf(stderr, "vorn-sim: %s\n", qPrintable(e.toString()));
    return nullptr;
  }
  view->setTitle(QStringLiteral("vorn-sim: %1 controls").arg(panel->Board()));
  view->setResizeMode(QQuickView::SizeViewToRootObject);
  view->setFlags(view->flags() & ~Qt::WindowMaximizeButtonHint);
  // Below the transmitter's 480 x 272 screen, which sits in the top left
  // corner where there is no window manager to place the windows.
  view->setPosition(0, 300);
  view->show();
  return view;
}

void GrabWhenShown(QQuickView* view, const QString& file) {
  // A frame after the first one: the polled positions are drawn by then.
  QObject::connect(view, &QQuickView::frameSwapped, view, [view, file]() {
    static bool done = false;
    if (done) return;
    done = true;
    QTimer::singleShot(300, view, [view, file]() {
      const bool saved = view->grabWindow().save(file);
      std::printf("vorn-sim: %s %s\n", saved ? "picture of the control window saved to" : "cannot save a picture to",
                  qPrintable(file));
      std::fflush(stdout);
    });
  });
}

}  // namespace SimWindow
