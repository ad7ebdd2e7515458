// The transmitter program: splash, start-up, main window, event loop, and the
// switch-off that follows it.
#include "app/klx_unmount.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_system.h"
#include "frame/qguitouchhandlerapplication.h"
#include "platform/klx_commandrunner.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>

#include <csignal>
#include <new>

int main(int argc, char* argv[]) {
  auto* app = new QGuiTouchHandlerApplication(argc, argv);
  auto* system = new KLX_System;
  auto* engine = new QQmlApplicationEngine;
  KLXErrorHandler.KLX_ErrorHandler_Initialize();
  std::signal(SIGPIPE, SIG_IGN);

  QQuickView* splash = new (std::nothrow) QQuickView;
  if (splash) {
    splash->setSource(QUrl(QStringLiteral("qrc:/Frontend/QML/FastMain.qml")));
    if (QQuickItem* root = splash->rootObject()) {
      if (QObject* fast = root->findChild<QObject*>(QStringLiteral("rect_FastWindow")))
        QObject::connect(system, SIGNAL(modelFastStarted()), fast, SLOT(getSignal()));
    }
    splash->show();
  }

  const int rc = system->KLX_SystemStart(engine, app);
  if (rc == 1) {
    if (splash) {
      splash->destroy();
      delete splash;
      splash = nullptr;
    }
    engine->load(QUrl(QStringLiteral("qrc:/main.qml")));
    QQuickWindow* window = nullptr;
    if (!engine->rootObjects().isEmpty())
      window = qobject_cast<QQuickWindow*>(engine->rootObjects().constFirst());
    system->KLX_SystemSetQuickWindow(window);
    QGuiApplication::exec();
    system->KLX_SystemFree();
    KLXErrorHandler.KLX_ErrorHandler_Stop(true);
  }

  delete engine;
  delete splash;
  KLX_Platform::System(QStringLiteral("sync"));
  KLX_UnmountAll();
  if (rc == 1) system->KLX_SystemBringDownOnOffHandler();
  KLX_Platform::System(QStringLiteral("poweroff&"));
  delete system;
  delete app;
  return 0;
}
