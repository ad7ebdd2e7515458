// The splash and the main window load without a warning, react to the
// switch-off signals, and are captured as screenshots for a look.
#include <QtTest>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>

#include "frame/klx_board.h"
#include "frame/klx_system.h"
#include "frame/qguitouchhandlerapplication.h"
#include "sim/csimboard.h"
#include "vorn_testroot.h"

namespace {
QStringList g_warnings;
QtMessageHandler g_previous = nullptr;

void CollectWarnings(QtMsgType type, const QMessageLogContext& ctx, const QString& msg) {
  if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) g_warnings << msg;
  if (g_previous) g_previous(type, ctx, msg);
}

QString ScreenshotPath(const QString& name) {
  const QByteArray base = qgetenv("VORN_TEST_TMP");
  const QString dir = (base.isEmpty() ? QDir::tempPath() : QString::fromLocal8Bit(base)) + "/../screenshots";
  QDir().mkpath(dir);
  return QDir(dir).absoluteFilePath(name);
}

QImage Grab(QQuickWindow* window, const QString& name) {
  QImage image = window->grabWindow();
  image.save(ScreenshotPath(name));
  return image;
}
}  // namespace

class TestQml : public QObject {
  Q_OBJECT
  QGuiTouchHandlerApplication* m_App = nullptr;

 public:
  explicit TestQml(QGuiTouchHandlerApplication* app) : m_App(app) {}

 private slots:
  void init() { g_warnings.clear(); }
  void cleanup() {
    QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join('\n')));
    Board::Free();
  }

  void splash() {
    KLX_System system;
    QQuickView view;
    view.setSource(QUrl("qrc:/Frontend/QML/FastMain.qml"));
    QCOMPARE(view.status(), QQuickView::Ready);
    QObject* fast = view.rootObject()->findChild<QObject*>("rect_FastWindow");
    QVERIFY(fast);
    QVERIFY(connect(&system, SIGNAL(modelFastStarted()), fast, SLOT(getSignal())));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.size(), QSize(480, 272));
    Grab(&view, "splash.png");
    emit system.modelFastStarted();
    QCOMPARE(fast->property("fastStarted").toBool(), true);
  }

  void mainWindowFollowsTheSwitchOff() {
    VornTestRoot root;
    CSimBoard board(root.Path(), CSimBoard::Vorn);
    board.Prepare();
    QQmlApplicationEngine engine;
    KLX_System system;
    KLX_OnOffHandler::Timing t;
    t.firstMs = 60000;
    system.OnOffHandler().KLX_OnOffHandlerSetTiming(t);
    QCOMPARE(system.KLX_SystemStart(&engine, m_App), 1);
    engine.load(QUrl("qrc:/main.qml"));
    QCOMPARE(engine.rootObjects().size(), 1);
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    QVERIFY(window);
    system.KLX_SystemSetQuickWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->size(), QSize(480, 272));
    Grab(window, "main.png");

    QObject* goingDown = window->findChild<QObject*>("goingDownScreen");
    QVERIFY(goingDown);
    QCOMPARE(goingDown->property("visible").toBool(), false);
    emit system.onGuiReadyToGoDown();
    QTRY_COMPARE(goingDown->property("visible").toBool(), true);
    Grab(window, "main-going-down.png");
    emit system.onGuiClearGoDown();
    QTRY_COMPARE(goingDown->property("visible").toBool(), false);

    // The stop signal ends the event loop.
    QSignalSpy quit(&engine, &QQmlEngine::quit);
    emit system.onGuiStop();
    QTRY_COMPARE(quit.count(), 1);
    system.KLX_SystemBringDownOnOffHandler();
    system.KLX_SystemStop(1);
    system.KLX_SystemFree();
  }
};

int main(int argc, char* argv[]) {
  g_previous = qInstallMessageHandler(CollectWarnings);
  QGuiTouchHandlerApplication app(argc, argv);
  TestQml test(&app);
  return QTest::qExec(&test, argc, argv);
}
#include "tst_qml.moc"
