// What a user sees while the real program comes up.
#include "program_run.h"

#include <QQuickView>

class TestProgramSplash : public QObject {
  Q_OBJECT

 private slots:
  // What a user sees while the program comes up: the splash, drawn before
  // start-up holds the GUI thread. The program is stopped while its screen
  // is taken, so the picture is of the start-up and nothing later.
  void theSplashIsOnTheScreenDuringStartUp() {
    if (g_Display.isEmpty()) QSKIP("no display of the test's own: Xvfb could not be started");
    ProgramRun run(CSimBoard::Vorn);
    QVERIFY2(run.StartOnDisplay(g_Display), qPrintable(run.output));
    QVERIFY2(run.WaitFor("splash on screen", kStartMs), qPrintable(run.output));
    QVERIFY(run.Signal(SIGSTOP));
    const bool upBeforeTheShot = run.output.contains("OSTREL VORN IS UP");
    QProcess shot;
    shot.setProcessEnvironment(run.display);
    const QString path = VornScreenshotPath("program-splash.png");
    shot.start(VORN_SCREENSHOT, {path});
    const bool shotTaken = shot.waitForFinished(kStartMs) && shot.exitCode() == 0;
    QVERIFY(run.Signal(SIGCONT));
    QVERIFY2(shotTaken, shot.readAllStandardError().constData());
    QVERIFY(!upBeforeTheShot);

    // The splash as the screen file draws it, beside the window's place on
    // the screen (the top left corner: there is no window manager).
    QQuickView splash;
    splash.setSource(QUrl("qrc:/Frontend/QML/FastMain.qml"));
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash, kVornHangMs));
    const QImage expected = splash.grabWindow().convertToFormat(QImage::Format_RGB32);
    const QImage screen = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(expected.size(), QSize(480, 272));
    // The program draws in software, this reference through OpenGL (the
    // offscreen platform on the display): the edges of the text blend
    // differently. A screen without the splash
    // differs in nearly every pixel.
    const QImage shown = screen.copy(0, 0, 480, 272);
    int apart = 0;
    for (int y = 0; y < expected.height(); ++y)
      for (int x = 0; x < expected.width(); ++x) {
        const QRgb a = shown.pixel(x, y), b = expected.pixel(x, y);
        if (qAbs(qRed(a) - qRed(b)) > 2 || qAbs(qGreen(a) - qGreen(b)) > 2 || qAbs(qBlue(a) - qBlue(b)) > 2) ++apart;
      }
    QVERIFY2(apart < expected.width() * expected.height() / 50, qPrintable(QString::number(apart)));

    QVERIFY2(run.WaitFor("OSTREL VORN IS UP AND STARTING...", kStartMs), qPrintable(run.output));
    QVERIFY(run.Signal(SIGTERM));
    QVERIFY2(run.Finish(kSwitchOffMs), qPrintable(run.output));
  }
};

int main(int argc, char* argv[]) { return VornProgramTestMain<TestProgramSplash>(argc, argv, true); }
#include "tst_program_splash.moc"
