// The main window's navigation: the first screen by the boot status, the
// history that the back, home and forward keys and the menus walk, the
// arguments a screen keeps in it, and the switch-off screen.
#include "qml_frame/qml_frame_fixture.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
}

class TestNavigation : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

  // One user action of a history walk.
  static void Act(QmlFrame& f, const QString& step) {
    if (step == "back") f.Key(KLX_DatabaseValues::EventLeft);
    else if (step == "forward") f.Key(KLX_DatabaseValues::EventRight);
    else if (step == "home") f.Key(KLX_DatabaseValues::EventHome);
    else if (step == "user") f.Key(KLX_DatabaseValues::EventSettings);
    else if (step == "strip") OpenStrip(f);
    else if (step == "menu") {
      OpenStrip(f);
      QVERIFY(f.Tap("stripMainMenu"));
      WaitStripClosed(f);
    } else if (step == "models") {
      OpenStrip(f);
      QVERIFY(f.Tap("stripModelMenu"));
      WaitStripClosed(f);
    } else if (step.startsWith("tap:")) {
      QTRY_VERIFY(f.Item(step.mid(4)));
      QVERIFY(f.Tap(step.mid(4)));
    } else {
      QFAIL(qPrintable("unknown step " + step));
    }
  }
  static void WaitStripClosed(QmlFrame& f) { QVERIFY(f.WaitStripClosed()); }
  static void OpenStrip(QmlFrame& f) { QVERIFY(f.OpenStrip()); }

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  void firstScreenByBootStatus_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("statusAfter");
    QTest::addColumn<QString>("popup");
    QTest::newRow("normal") << int(KLX_VornTask::KLX_BOOT_STATUS_NORMAL) << kHome
                            << int(KLX_VornTask::KLX_BOOT_STATUS_NORMAL) << QString();
    QTest::newRow("fast start") << int(KLX_VornTask::KLX_BOOT_STATUS_FASTSTART) << kHome
                                << int(KLX_VornTask::KLX_BOOT_STATUS_NORMAL) << QString();
    QTest::newRow("update") << int(KLX_VornTask::KLX_BOOT_STATUS_UPDATE) << kUpdate
                            << int(KLX_VornTask::KLX_BOOT_STATUS_UPDATE) << QString();
  }
  void firstScreenByBootStatus() {
    QFETCH(int, status);
    QFETCH(QString, shown);
    QFETCH(int, statusAfter);
    QFETCH(QString, popup);
    QmlFrame f(g_app);
    QVERIFY(f.Start());
    QCOMPARE(f.Property("upperFrame", "visible").toBool(), false);
    // The start-up chain holds at the firmware update for its boot status.
    if (status == KLX_VornTask::KLX_BOOT_STATUS_UPDATE)
      f.Db().KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_UPDATE, AtomicDirSet);
    f.Db().KLX_DataBaseManagerGetSetBootStatus(status, AtomicDirSet);
    QTRY_COMPARE(f.Property("bootTimer", "running").toBool(), false);
    QCOMPARE(f.Shown(), shown);
    QCOMPARE(f.PopupText(), popup);
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetBootStatus(0, AtomicDirGet), statusAfter);
    // The update screen hides the strip: its menus would leave the update.
    QCOMPARE(f.Property("upperFrame", "visible").toBool(), status != KLX_VornTask::KLX_BOOT_STATUS_UPDATE);
    if (status == KLX_VornTask::KLX_BOOT_STATUS_NORMAL) f.Grab("home.png");
  }

  // The firmware update at start shows the task's progress, keeps the keys
  // from leaving it, and at its end asks for the restart.
  void theUpdateScreenFollowsTheFirmwareUpdate_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("heading");
    QTest::newRow("finished") << int(KLX_VornTask::KLX_UPDATE_STATUS_SWITCH_OFF)
                              << "The firmware update is finished.";
    QTest::newRow("failed") << int(KLX_VornTask::KLX_UPDATE_STATUS_ERROR) << "The firmware update failed.";
  }
  void theUpdateScreenFollowsTheFirmwareUpdate() {
    QFETCH(int, status);
    QFETCH(QString, heading);
    QmlFrame f(g_app);
    QVERIFY(f.Start());
    KLX_RuntimeDatabaseManager& runtime = f.System().RuntimeDatabase();
    runtime.KLX_RuntimeDatabaseManagerGetSetOverallPercent(50, AtomicDirSet);
    runtime.KLX_RuntimeDatabaseManagerGetSetDetailPercent(25, AtomicDirSet);
    runtime.KLX_RuntimeDatabaseManagerGetSetPercentName("Onboard firmware update", AtomicDirSet);
    runtime.KLX_RuntimeDatabaseManagerGetSetDetailName("TC", AtomicDirSet);
    f.Db().KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_UPDATE, AtomicDirSet);
    f.Db().KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_UPDATE, AtomicDirSet);
    QVERIFY(f.WaitShown(kUpdate));
    QTRY_COMPARE(f.Property("overallBar", "shownText").toString(), QString("Onboard firmware update 50 %"));
    QCOMPARE(f.Property("detailBar", "shownText").toString(), QString("TC 25 %"));
    for (int key : {KLX_DatabaseValues::EventHome, KLX_DatabaseValues::EventSettings, KLX_DatabaseValues::EventLeft})
      f.Key(key);
    QCOMPARE(f.Shown(), kUpdate);
    f.Db().KLX_DataBaseManagerEmitUpdateStatus(status);
    QCOMPARE(f.Property("updateHeading", "text").toString(), heading);
    QCOMPARE(f.Property("overallBar", "visible").toBool(), false);
    f.Grab("update_" + QString(QTest::currentDataTag()) + ".png");
    // The power button released in time brings the screen back as it ended.
    emit f.System().onGuiReadyToGoDown();
    QTRY_COMPARE(f.Shown(), kOutro);
    emit f.System().onGuiClearGoDown();
    QTRY_COMPARE(f.Shown(), kUpdate);
    QCOMPARE(f.Property("updateHeading", "text").toString(), heading);
    QCOMPARE(f.Property("upperFrame", "visible").toBool(), false);
  }

  // The start goes on past a firmware update that wrote nothing: a failure,
  // even one that ended before the first screen, is shown until the user
  // takes note of it; else the home screen follows at once.
  void theStartGoesOnPastAFirmwareUpdateThatWroteNothing_data() {
    QTest::addColumn<bool>("failed");
    QTest::newRow("failed before the first screen") << true;
    QTest::newRow("no firmware to write") << false;
  }
  void theStartGoesOnPastAFirmwareUpdateThatWroteNothing() {
    QFETCH(bool, failed);
    QmlFrame f(g_app);
    QVERIFY(f.Start());
    KLX_DataBaseManager& db = f.Db();
    if (failed) {
      db.KLX_DataBaseManagerEmitUpdateStatus(KLX_VornTask::KLX_UPDATE_STATUS_ERROR);
      db.KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_NORMAL, AtomicDirSet);
      QVERIFY(f.WaitShown(kUpdate));
      QCOMPARE(f.Property("updateHeading", "text").toString(), QString("The firmware update failed."));
      QCOMPARE(f.Property("updateAdvice", "text").toString(),
               QString("The transmitter starts with the controllers' present firmware. "
                       "The update is repeated at the next start."));
      f.Key(KLX_DatabaseValues::EventHome);
      QCOMPARE(f.Shown(), kUpdate);
      f.Grab("update_failed_start_goes_on.png");
      QVERIFY(f.Tap("updateTakenNote"));
    } else {
      db.KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_UPDATE, AtomicDirSet);
      db.KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_UPDATE, AtomicDirSet);
      QVERIFY(f.WaitShown(kUpdate));
      // The task's end heard after the start went on.
      db.KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_SYSTEM_UP, AtomicDirSet);
      db.KLX_DataBaseManagerEmitUpdateStatus(KLX_VornTask::KLX_UPDATE_STATUS_SWITCH_OFF);
    }
    QVERIFY(f.WaitShown(kHome));
    QCOMPARE(f.Property("upperFrame", "visible").toBool(), true);
    QCOMPARE(f.Root()->property("smartKeyLock").toBool(), false);
  }

  // Not valid: the frame keeps polling and shows nothing, not even the strip.
  // The polls are the timer's own, made here as it makes them: screen timers
  // run on the animation clock, which a slow machine (the thread checker's
  // build beside load) can hold back for many seconds.
  void aBootStatusNotValidShowsNothing() {
    QmlFrame f(g_app);
    QVERIFY(f.Start());
    QObject* timer = f.Named("bootTimer");
    QVERIFY(timer);
    QCOMPARE(timer->property("interval").toInt(), 100);
    QCOMPARE(timer->property("repeat").toBool(), true);
    for (int poll = 0; poll < 3; ++poll) {
      QVERIFY(QMetaObject::invokeMethod(timer, "triggered"));
      QCOMPARE(timer->property("running").toBool(), true);
    }
    QCOMPARE(f.Shown(), QString());
    QCOMPARE(f.Property("upperFrame", "visible").toBool(), false);
    f.Grab("frame-before-first-screen.png");
  }

  void historyWalks_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("history");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    // Main menu -> model menu (its "Model" button) -> main menu again.
    const QString modelMenu = "tap:menuButton_8";
    QTest::newRow("A, B, A leaves A") << QStringList{"menu", modelMenu, "menu"}
                                      << QStringList{"", kHome, kMainMenu} << 2 << kMainMenu;
    QTest::newRow("back and forward") << QStringList{"menu", modelMenu, "back"}
                                      << QStringList{"", kHome, kMainMenu, kModelMenu} << 2 << kMainMenu;
    // The entry's line under its button takes the touch as well.
    QTest::newRow("the line of an entry opens it") << QStringList{"menu", "tap:menuLine_8"}
                                                   << QStringList{"", kHome, kMainMenu, kModelMenu} << 3 << kModelMenu;
    QTest::newRow("forward after back") << QStringList{"menu", modelMenu, "back", "forward"}
                                        << QStringList{"", kHome, kMainMenu, kModelMenu} << 3 << kModelMenu;
    QTest::newRow("forward at the last entry does nothing")
        << QStringList{"menu", modelMenu, "forward"} << QStringList{"", kHome, kMainMenu, kModelMenu} << 3
        << kModelMenu;
    QTest::newRow("a new screen drops the entries ahead")
        << QStringList{"menu", modelMenu, "back", "user"} << QStringList{"", kHome, kMainMenu, kUserMenu} << 3
        << kUserMenu;
    QTest::newRow("back at the first screen does nothing")
        << QStringList{"user", "back", "back"} << QStringList{"", kHome, kUserMenu} << 1 << kHome;
    QTest::newRow("home cuts the history back to home")
        << QStringList{"menu", modelMenu, "home", "forward"} << QStringList{"", kHome} << 1 << kHome;
    QTest::newRow("home on the home screen changes nothing") << QStringList{"home"} << QStringList{"", kHome} << 1
                                                             << kHome;
    QTest::newRow("the model menu from the strip") << QStringList{"models"} << QStringList{"", kHome, kModelMenu} << 2
                                                   << kModelMenu;
    QTest::newRow("back with the strip open only closes it")
        << QStringList{"menu", "strip", "back"} << QStringList{"", kHome, kMainMenu} << 2 << kMainMenu;
  }
  void historyWalks() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, history);
    QFETCH(int, index);
    QFETCH(QString, shown);
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    for (const QString& step : steps) {
      Act(f, step);
      if (QTest::currentTestFailed()) return;
    }
    QTRY_COMPARE(f.Property("upperFrame", "isOpen").toBool(), false);
    QCOMPARE(f.History(), history);
    QCOMPARE(f.HistoryIndex(), index);
    QCOMPARE(f.Shown(), shown);
  }

  // The main menu keeps its scroll position as its argument and gets it back
  // when the history returns to it; further arguments after the end mark and
  // changes of arguments it does not have are ignored.
  void aScreenKeepsItsArguments() {
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    Act(f, "menu");
    QTRY_VERIFY(f.Item("menuGrid"));
    QCOMPARE(f.Args(2), (QVariantList{-1, "EndOfArgs"}));
    // Swiped up to the grid's end, where its last entry shows: how far one
    // swipe moves it depends on how fast the flick is.
    QQuickItem* grid = f.Item("menuGrid");
    for (int swipe = 0; swipe < 10 && !grid->property("atYEnd").toBool(); ++swipe)
      QVERIFY(f.SwipeToRest(grid, QPoint(240, 230), QPoint(240, 60)));
    QVERIFY(grid->property("atYEnd").toBool());
    const int scrolled = qRound(f.Property("menuGrid", "contentY").toReal());
    QVERIFY2(scrolled > 0, qPrintable(QString::number(scrolled)));
    QCOMPARE(f.Args(2), (QVariantList{scrolled, "EndOfArgs"}));
    f.Grab("main-menu-scrolled.png");

    f.Call("systemHistory", "addArg", {7});
    f.Call("systemHistory", "chgArg", {5, 9});
    QCOMPARE(f.Args(2), (QVariantList{scrolled, "EndOfArgs"}));

    Act(f, "tap:menuButton_21");
    QTRY_COMPARE(f.Shown(), kSettingsMenu);
    f.Grab("settings-menu.png");
    f.Key(KLX_DatabaseValues::EventLeft);
    QTRY_COMPARE(f.Shown(), kMainMenu);
    QTRY_VERIFY(f.Item("menuGrid"));
    QCOMPARE(qRound(f.Property("menuGrid", "contentY").toReal()), scrolled);
    QCOMPARE(f.Args(2), (QVariantList{scrolled, "EndOfArgs"}));
  }

  // A press-and-hold adds a main-menu entry to the user menu once, says so
  // (or that it is there already), and the user menu lists it and removes
  // it when held 2000 ms longer.
  void theUserMenuTakesAndDropsFavourites() {
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    f.Key(KLX_DatabaseValues::EventSettings);
    QTRY_COMPARE(f.Shown(), kUserMenu);
    QTRY_VERIFY(f.Item("noFavorites"));
    QCOMPARE(f.Property("noFavorites", "visible").toBool(), true);
    f.Grab("user-menu-empty.png");

    Act(f, "menu");
    QTRY_VERIFY(f.Item("menuButton_6"));
    f.Hold(f.Centre(f.Item("menuButton_6")), 1000);
    QCOMPARE(f.PopupText(), QString("\"Mixer\" is now in the user menu."));
    f.Grab("user-menu-added.png");
    QVERIFY(f.TapInPopup("popupButton_0"));
    QCOMPARE(f.Db().KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(0, 0, QString(), AtomicDirGet), 6);
    QCOMPARE(f.Db().GetUserMenuEntryType(0), QString("Main"));
    QVERIFY(f.Db().KLX_DataBaseManagerGetSystemModifyFlag());
    // Held again: it is there already, and stays there once.
    f.Hold(f.Centre(f.Item("menuButton_6")), 1000);
    QCOMPARE(f.PopupText(), QString("\"Mixer\" is already in the user menu."));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QCOMPARE(f.Db().KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(1, 0, QString(), AtomicDirGet), 0);

    f.Key(KLX_DatabaseValues::EventSettings);
    QTRY_COMPARE(f.Shown(), kUserMenu);
    QTRY_VERIFY(f.Item("menuButton_6"));
    QCOMPARE(f.Property("noFavorites", "visible").toBool(), false);
    f.Grab("user-menu.png");
    QVERIFY(f.HoldUntil(f.Centre(f.Item("menuButton_6")), [&] { return f.Property("noFavorites", "visible").toBool(); }));
    QCOMPARE(f.Db().KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(0, 0, QString(), AtomicDirGet), 0);
  }

  // The menus of each board, in the scheme the settings ask for: the smaller
  // board has no GPS compass, head-up display or Bluetooth; the dark scheme
  // draws light icons.
  void menusOfEachBoard_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("contrast");
    QTest::addColumn<int>("mainEntries");
    QTest::addColumn<int>("settingsEntries");
    QTest::newRow("larger board, dark") << int(CSimBoard::Vorn) << 0 << 21 << 5;
    QTest::newRow("smaller board, light") << int(CSimBoard::Fenk) << 1 << 19 << 4;
  }
  void menusOfEachBoard() {
    QFETCH(int, variant);
    QFETCH(int, contrast);
    QFETCH(int, mainEntries);
    QFETCH(int, settingsEntries);
    const bool large = variant == CSimBoard::Vorn;
    const QString tag = large ? "vorn-dark" : "fenk-light";
    QmlFrame f(g_app, static_cast<CSimBoard::Variant>(variant));
    QVERIFY(f.Start());
    f.Db().KLX_DataBaseManagerGetSetSystemProperties_DisplayContrast(contrast, AtomicDirSet, false);
    f.Call("", "setContrast");
    QCOMPARE(f.Property("rootwindow", "iconSuffix").toString(), QString(contrast == 0 ? "_dunkel" : "_hell"));
    f.Db().KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_NORMAL, AtomicDirSet);
    QVERIFY(f.WaitShown(kHome));
    QCOMPARE(f.Property("gps", "visible").toBool(), large);
    f.Grab("home-" + tag + ".png");
    Act(f, "menu");
    QTRY_VERIFY(f.Item("menuGrid"));
    QCOMPARE(f.Property("menuGrid", "count").toInt(), mainEntries);
    QList<int> values;
    for (const QVariant& entry : f.Property("menuGrid", "entries").toList()) values << entry.toMap()["value"].toInt();
    QCOMPARE(values.contains(17), large);
    QCOMPARE(values.contains(18), large);
    f.Grab("main-menu-" + tag + ".png");
    OpenStrip(f);
    f.Grab("strip-open-" + tag + ".png");
    f.Key(KLX_DatabaseValues::EventHome);
    QTRY_COMPARE(f.Shown(), kHome);
    WaitStripClosed(f);
    f.Call("", "openScreen", {kSettingsMenu, QVariant()});
    QTRY_VERIFY(f.Item("menuGrid"));
    QCOMPARE(f.Property("menuGrid", "count").toInt(), settingsEntries);
    f.Grab("settings-menu-" + tag + ".png");
    f.Call("", "openScreen", {kModelMenu, QVariant()});
    QTRY_COMPARE(f.Shown(), kModelMenu);
    f.Grab("model-menu-" + tag + ".png");
  }

  // The power button held: the switch-off screen; released in time: the
  // screen before, and no way forward to the switch-off screen.
  void theSwitchOffScreenComesAndGoes() {
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    Act(f, "menu");
    QTRY_COMPARE(f.Shown(), kMainMenu);
    emit f.System().noSDcardDetected();
    QTRY_VERIFY(f.Popup());
    emit f.System().onGuiReadyToGoDown();
    QTRY_COMPARE(f.Shown(), kOutro);
    QCOMPARE(f.Property("rootwindow", "shutdown").toBool(), true);
    QCOMPARE(f.Property("upperFrame", "visible").toBool(), false);
    QTRY_VERIFY(!f.Popup());
    f.Grab("switch-off.png");
    emit f.System().onGuiClearGoDown();
    QTRY_COMPARE(f.Shown(), kMainMenu);
    QCOMPARE(f.History(), (QStringList{"", kHome, kMainMenu}));
    QCOMPARE(f.Property("rootwindow", "shutdown").toBool(), false);
    QCOMPARE(f.Property("upperFrame", "visible").toBool(), true);
    f.Key(KLX_DatabaseValues::EventRight);
    QCOMPARE(f.Shown(), kMainMenu);
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestNavigation test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_navigation.moc"
