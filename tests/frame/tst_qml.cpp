// The splash and the main window load without a warning, react to the
// switch-off signals, and are captured as screenshots for a look.
#include <QtTest>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>

#include "frame/klx_board.h"
#include "frame/klx_clock.h"
#include "frame/klx_system.h"
#include "frame/qguitouchhandlerapplication.h"
#include "sim/csimboard.h"
#include "sim/csimgps.h"
#include "vorn_display.h"
#include "vorn_testroot.h"

namespace {
QImage Grab(QQuickWindow* window, const QString& name) {
  QImage image = window->grabWindow();
  image.save(VornScreenshotPath(name));
  return image;
}
}  // namespace

class TestQml : public QObject {
  Q_OBJECT
  QGuiTouchHandlerApplication* m_App = nullptr;
  VornQmlWarnings m_Warnings;

 public:
  explicit TestQml(QGuiTouchHandlerApplication* app) : m_App(app) {}

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() {
    m_Warnings.Verify();
    Board::Free();
  }

  // The check itself: a warning from QML reaches it once the test framework
  // runs (the framework's own handler replaced an earlier one).
  void aPlantedWarningIsCaught() {
    QQmlEngine engine;
    QQmlComponent planted(&engine);
    planted.setData("import QtQuick 2.15\nItem { Component.onCompleted: console.warn(\"planted warning\") }",
                    QUrl("qrc:/planted.qml"));
    QScopedPointer<QObject> item(planted.create());
    QVERIFY(item);
    const QStringList caught = m_Warnings.Take();
    QCOMPARE(caught.size(), 1);
    QVERIFY2(caught.first().contains("planted warning"), qPrintable(caught.first()));
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
    QVERIFY(QTest::qWaitForWindowExposed(&view, kVornHangMs));
    QCOMPARE(view.size(), QSize(480, 272));
    Grab(&view, "splash.png");
    emit system.modelFastStarted();
    QCOMPARE(fast->property("fastStarted").toBool(), true);
  }

  void mainWindowFollowsTheSwitchOff() {
    VornTestRoot root;
    CSimBoard board(root.Path(), CSimBoard::Vorn);
    board.Prepare();
    // The larger board's start-up opens its GPS receiver's line.
    CSimGps gps;
    QVERIFY(gps.Open(root.Path() + "/dev/ttymxc2"));
    QQmlApplicationEngine engine;
    KLX_ManualClock clock;
    KLX_System system;
    system.OnOffHandler().KLX_OnOffHandlerSetClock(&clock);
    QCOMPARE(system.KLX_SystemStart(&engine, m_App), KLX_Ok);
    engine.load(QUrl("qrc:/main.qml"));
    QCOMPARE(engine.rootObjects().size(), 1);
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    QVERIFY(window);
    system.KLX_SystemSetQuickWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(window, kVornHangMs));
    QCOMPARE(window->size(), QSize(480, 272));
    Grab(window, "main.png");

    // The switch-off screen comes with the press and goes with the release.
    QObject* loader = window->findChild<QObject*>("mainLoader");
    QVERIFY(loader);
    const QUrl outro("qrc:/Frontend/QML/EmptyOutroStop.qml");
    QCOMPARE(window->property("shutdown").toBool(), false);
    emit system.onGuiReadyToGoDown();
    QTRY_COMPARE(loader->property("source").toUrl(), outro);
    QCOMPARE(window->property("shutdown").toBool(), true);
    Grab(window, "main-going-down.png");
    emit system.onGuiClearGoDown();
    QTRY_COMPARE(window->property("shutdown").toBool(), false);
    QCOMPARE(loader->property("source").toUrl(), QUrl());

    // Closing the window switches off in order, as holding the power button
    // does: the window stays, shows the switch-off, and the stop signal of
    // the switch-off ends the event loop.
    QSignalSpy quit(&engine, &QQmlEngine::quit);
    QVERIFY(clock.KLX_ManualClockAwaitWaiters(1));
    window->close();
    QVERIFY(window->isVisible());
    QTRY_COMPARE(loader->property("source").toUrl(), outro);
    QVERIFY(clock.KLX_ManualClockRun(KLX_OnOffHandler::kHeldSampleMs));
    QVERIFY(system.KLX_SystemIsTurningOff());
    QCOMPARE(quit.count(), 0);
    clock.KLX_ManualClockAdvance(KLX_OnOffHandler::kHeldSampleMs);
    QVERIFY(system.OnOffHandler().wait(kVornHangMs));
    QTRY_COMPARE(quit.count(), 1);
    QCOMPARE(system.Database().KLX_DatabaseManagerXMLFileSaverPtr()->KLX_XMLFileSaverForcedPasses(), 1);
    system.KLX_SystemBringDownOnOffHandler();
    system.KLX_SystemStop(1);
    system.KLX_SystemFree();
  }
};

int main(int argc, char* argv[]) {
  VornOwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  TestQml test(&app);
  return QTest::qExec(&test, argc, argv);
}
#include "tst_qml.moc"
