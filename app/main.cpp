// The transmitter program: splash, start-up, main window, event loop, and the
// switch-off that follows it.
#include "app/klx_stopsignals.h"
#include "app/klx_unmount.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_debuglog.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_system.h"
#include "frame/qguitouchhandlerapplication.h"
#include "platform/klx_commandrunner.h"
#include "platform/klx_platform.h"
#include "platform/klx_storage.h"

#include <QEventLoop>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <system_error>
#include <thread>

namespace {
// Start-up holds the GUI thread: the splash must be on the screen before it
// begins. A platform that never draws is waited for no longer than this.
constexpr int kFirstFrameLimitMs = 2000;

void DrawFirstFrame(QQuickWindow* window) {
  QEventLoop loop;
  QObject::connect(window, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit, Qt::QueuedConnection);
  QTimer::singleShot(kFirstFrameLimitMs, &loop, &QEventLoop::quit);
  loop.exec();
  qInfo("  ->   splash on screen");
}

// The card's room is counted once (on the desktop by a walk of the card)
// and then kept: the count begins beside the application's set-up, so that
// the error handler's first look at the card finds it done. Without a
// thread the first look counts.
std::thread CountCard() {
  try {
    return std::thread(
        [] { KLX_Platform::Volume(KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QStringLiteral("/Vorn"))); });
  } catch (const std::system_error&) {
    return std::thread();
  }
}
}  // namespace

int main(int argc, char* argv[]) {
  KLX_StopSignals::Install();
  std::thread cardCount = CountCard();
  auto* app = new QGuiTouchHandlerApplication(argc, argv);
  const QString backend = KLX_Platform::SceneGraphBackend();
  if (!backend.isEmpty()) QQuickWindow::setSceneGraphBackend(backend);
  auto* system = new KLX_System;
  auto* engine = new QQmlApplicationEngine;
  KLXErrorHandler.KLX_ErrorHandler_Initialize();
  if (cardCount.joinable()) cardCount.join();
  std::signal(SIGPIPE, SIG_IGN);

  QQuickView* splash = new (std::nothrow) QQuickView;
  if (splash) {
    splash->setSource(QUrl(QStringLiteral("qrc:/Frontend/QML/FastMain.qml")));
    if (QQuickItem* root = splash->rootObject()) {
      if (QObject* fast = root->findChild<QObject*>(QStringLiteral("rect_FastWindow")))
        QObject::connect(system, SIGNAL(modelFastStarted()), fast, SLOT(getSignal()));
    }
    splash->show();
    DrawFirstFrame(splash);
  }

  const int rc = system->KLX_SystemStart(engine, app);
  if (rc == KLX_Ok) {
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
    if (window) {
      // For the developers: when the main window is first drawn.
      auto* drawn = new QMetaObject::Connection;
      *drawn = QObject::connect(window, &QQuickWindow::frameSwapped, [drawn] {
        QObject::disconnect(*drawn);
        delete drawn;
        qCInfo(lcVornDebug, "  ->   main window on screen");
      });
    }
    {
      // Stop signals that came during start-up are read as the loop begins.
      KLX_StopSignalWatch stopSignals(system);
      QGuiApplication::exec();
    }
    system->KLX_SystemFree();
    KLXErrorHandler.KLX_ErrorHandler_Stop(true);
  }

  if (KLX_Platform::System(QStringLiteral("sync"), KLX_Platform::kSyncMs) != 0) qWarning("sync did not complete");
  KLX_UnmountAll();
  // The last screen (a failed save's message on it) stays on the display
  // while the card is synced and unmounted.
  delete engine;
  delete splash;
  if (rc == KLX_Ok) system->KLX_SystemBringDownOnOffHandler();
  if (KLX_Platform::System(QStringLiteral("poweroff&"), KLX_Platform::kQuickToolMs) != 0) qWarning("poweroff could not be started");
  if (rc == KLX_Ok && system->KLX_SystemPartsInUse()) {
    // An update that did not stop within the switch-off's wait still uses
    // the program's parts: the process ends without taking them down under
    // it (the error log said so).
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
  }
  delete system;
  delete app;
  // A start that failed still went down in order, but it is no switch-off:
  // whoever started the program (./run.sh, a test) is told so, in its last
  // words and its status.
  if (rc != KLX_Ok) qInfo("  ->   The start failed: the program ends with exit status 1.");
  return rc == KLX_Ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
