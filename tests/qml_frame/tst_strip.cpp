// The status strip's values: the two packs with their bars and low flags,
// the reception levels, the clock in both modes, the flight mode, WLAN, GPS
// and the task indicator, and what its sliders write.
#include "qml_frame/qml_frame_fixture.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;

void SetOwnSensor(KLX_DataBaseManager& db, int value, int slave) {
  KLX_Telemetrie* telemetry = db.KLX_DataBaseManagerGetTelemetrieObject();
  telemetry->KLX_TelemetrieLock();
  telemetry->KLX_TelemetrieGetSet_Slave_SlaveValue(4, slave, value, AtomicDirSet);
  telemetry->KLX_TelemetrieUnlock();
}
}  // namespace

class TestStrip : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;
  // The strip cases that need no fresh start share one main window.
  std::unique_ptr<QmlFrame> m_Shared;

  QmlFrame& Shared() { return SharedFrame(g_app, m_Shared); }

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }
  void cleanupTestCase() { m_Shared.reset(); }

  // The packs as the settings hold them when the strip first reads them.
  void packs_data() {
    QTest::addColumn<int>("pack1");
    QTest::addColumn<int>("pack2");
    QTest::addColumn<int>("lit1");
    QTest::addColumn<double>("last1");
    QTest::addColumn<int>("lit2");
    QTest::addColumn<double>("last2");
    QTest::addColumn<QString>("colour1");
    QTest::addColumn<bool>("low1");  // battlowpointer_2 (pack 1's flag)
    QTest::addColumn<bool>("low2");  // battlowpointer_1 (pack 2's flag)
    QTest::newRow("half and full") << 50 << 100 << 3 << 0.5 << 5 << 1.0 << "#009c00" << false << false;
    QTest::newRow("10 % is low, 11 % is not") << 10 << 11 << 1 << 0.5 << 1 << 0.55 << "#e10000" << true << false;
    QTest::newRow("empty and one percent") << 0 << 1 << 0 << 0.0 << 1 << 0.05 << "#e10000" << true << true;
    QTest::newRow("orange from 21 to 40") << 40 << 21 << 2 << 1.0 << 2 << 0.05 << "#f58c00" << false << false;
  }
  void packs() {
    QFETCH(int, pack1);
    QFETCH(int, pack2);
    QFETCH(int, lit1);
    QFETCH(double, last1);
    QFETCH(int, lit2);
    QFETCH(double, last2);
    QFETCH(QString, colour1);
    QFETCH(bool, low1);
    QFETCH(bool, low2);
    // One system at a time: the engine's state is the process's.
    m_Shared.reset();
    QmlFrame f(g_app);
    QVERIFY(f.Start());
    f.Db().KLX_DataBaseManagerGetSetSystemProperties_Akku1Percent(pack1, AtomicDirSet);
    f.Db().KLX_DataBaseManagerGetSetSystemProperties_Akku2Percent(pack2, AtomicDirSet);
    f.Db().KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_NORMAL, AtomicDirSet);
    QVERIFY(f.WaitShown(kHome));
    QTRY_COMPARE(f.Property("upperFrame", "akku1").toInt(), pack1);
    QTRY_COMPARE(f.Property("upperFrame", "akku2").toInt(), pack2);
    QCOMPARE(f.Property("pack1", "litBars").toInt(), lit1);
    QCOMPARE(f.Property("pack1", "lastBarFraction").toDouble(), last1);
    QCOMPARE(f.Property("pack2", "litBars").toInt(), lit2);
    QCOMPARE(f.Property("pack2", "lastBarFraction").toDouble(), last2);
    QCOMPARE(f.Property("pack1", "barColour").value<QColor>().name(), colour1);
    QCOMPARE(f.Property("rootwindow", "battlowpointer_2").toBool(), low1);
    QCOMPARE(f.Property("rootwindow", "battlowpointer_1").toBool(), low2);
    if (QByteArray(QTest::currentDataTag()) == "10 % is low, 11 % is not") {
      QTest::qWait(300);  // the battery-low picture fading in front
      f.Grab("battery-low.png");
    }
  }

  void receptionLevels_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("level");
    QTest::newRow("85") << 85 << 100;
    QTest::newRow("80") << 80 << 80;
    QTest::newRow("61") << 61 << 80;
    QTest::newRow("41") << 41 << 60;
    QTest::newRow("40") << 40 << 40;
    QTest::newRow("11") << 11 << 20;
    QTest::newRow("10") << 10 << 10;
    QTest::newRow("0") << 0 << 10;
    QTest::newRow("negative") << -1 << 0;
    QTest::newRow("above 100") << 101 << 0;
  }
  void receptionLevels() {
    QFETCH(int, value);
    QFETCH(int, level);
    QmlFrame& f = Shared();
    SetOwnSensor(f.Db(), value, 4);
    SetOwnSensor(f.Db(), 100 - qAbs(value) % 100, 5);
    QTRY_COMPARE(f.Property("reception1", "level").toInt(), level);
  }

  void clock_data() {
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("display24h");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<bool>("markerLow");
    QTest::newRow("24 hours") << QTime(13, 7) << 1 << "13:07" << "" << false;
    QTest::newRow("afternoon in 12 hours") << QTime(13, 7) << 0 << "01:07" << "PM" << false;
    QTest::newRow("morning in 12 hours") << QTime(9, 30) << 0 << "09:30" << "AM" << true;
  }
  void clock() {
    QFETCH(QTime, time);
    QFETCH(int, display24h);
    QFETCH(QString, shown);
    QFETCH(QString, marker);
    QFETCH(bool, markerLow);
    QmlFrame& f = Shared();
    f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(display24h, AtomicDirSet, false);
    // The strip reads the clock on timeChanged (a changed clock emits it; the
    // 24-hour switch alone does not).
    f.Db().KLX_DataBaseManagerGetSetSystemPropertiesSet_DateTime(QDateTime(QDate(2024, 5, 6), time));
    emit f.Db().timeChanged();
    QTRY_COMPARE(f.Property("upperFrame", "clockText").toString(), shown);
    QCOMPARE(f.Property("upperFrame", "clockMarker").toString(), marker);
    if (!marker.isEmpty()) QCOMPARE(f.Property("upperFrame", "clockMarkerLow").toBool(), markerLow);
  }

  // A new flight mode glows 1500 ms; a curve editor can hold one mode.
  void flightMode() {
    QmlFrame& f = Shared();
    emit f.Db().flightModeChanged(0, 2);
    QTRY_COMPARE(f.Property("upperFrame", "shownMode").toInt(), 2);
    QCOMPARE(f.Property("upperFrame", "modeGlow").toBool(), true);
    QTRY_COMPARE(f.Property("upperFrame", "modeGlow").toBool(), false);
    f.Call("upperFrame", "lockFightMode", {3});
    QObject* frame = qvariant_cast<QObject*>(f.Property("flightMode", "border"));
    QVERIFY(frame);
    QCOMPARE(frame->property("color").value<QColor>(), QColor("darkorange"));
    emit f.Db().flightModeChanged(2, 1);
    QTRY_COMPARE(f.Property("upperFrame", "shownMode").toInt(), 3);
    QCOMPARE(f.Property("upperFrame", "modeGlow").toBool(), true);
    f.Call("upperFrame", "unlockFightMode");
    QCOMPARE(f.Property("upperFrame", "fixedMode").toBool(), false);
    QCOMPARE(f.Property("upperFrame", "shownMode").toInt(), f.System().RuntimeDatabase().KLX_RuntimeDatabaseManagerGetActualFlightMode());
  }

  void wlanLevels_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("level");
    QTest::newRow("connected, full") << 2 << 100 << 5;
    QTest::newRow("enabled, 64 %") << 1 << 64 << 4;
    QTest::newRow("63 %") << 2 << 63 << 3;
    QTest::newRow("37 %") << 2 << 37 << 2;
    QTest::newRow("28 %") << 2 << 28 << 1;
    QTest::newRow("27 %") << 2 << 27 << 0;
  }
  void wlanLevels() {
    QFETCH(int, state);
    QFETCH(int, percent);
    QFETCH(int, level);
    QmlFrame& f = Shared();
    KLX_WlanConnect* wlan = f.Db().KLX_DatabaseManagerWlanConnPointer();
    emit wlan->stateChanged(state);
    emit wlan->signalStrengthChanged(percent);
    QTRY_COMPARE(f.Property("wlan", "level").toInt(), level);
    QCOMPARE(f.Property("wlan", "wlanState").toInt(), state);
  }

  // GPS (larger board): the satellites, the colour of the fix, grey after
  // 1500 ms of silence; the task arrow while a task runs.
  void gpsAndTask() {
    QmlFrame& f = Shared();
    QCOMPARE(f.Property("gps", "visible").toBool(), true);
    emit f.Db().gpsState(3, 7);
    QTRY_COMPARE(f.Property("upperFrame", "gpsSatellites").toInt(), 7);
    QCOMPARE(f.Property("upperFrame", "gpsColour").value<QColor>(), QColor("#ff009c00"));
    emit f.Db().gpsState(10, 2);
    QTRY_COMPARE(f.Property("upperFrame", "gpsColour").value<QColor>(), QColor("red"));
    QTRY_COMPARE(f.Property("upperFrame", "gpsColour").value<QColor>(), QColor("grey"));
    QCOMPARE(f.Property("taskIndicator", "visible").toBool(), false);
    emit f.System().VornHandler().taskStatusSent(true);
    QTRY_COMPARE(f.Property("taskIndicator", "visible").toBool(), true);
    emit f.System().VornHandler().taskStatusSent(false);
    QTRY_COMPARE(f.Property("taskIndicator", "visible").toBool(), false);
  }

  // The volume is written only once the system is up and while no control
  // steers it; the brightness is written as the slider shows it.
  void sliders() {
    m_Shared.reset();
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    // The chain is up already: the phase goes back to the model load.
    db.KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_LOAD_MODEL, AtomicDirSet);
    QVERIFY(f.OpenStrip());
    f.Grab("strip-open.png");
    QQuickItem* volume = f.Item("volumeSlider");
    QVERIFY(volume);
    // A quarter of the track (the knob is 22 wide): 25 %; three quarters: 75 %.
    const auto along = [&](int quarters) {
      return volume->mapToScene(QPointF(11 + (volume->width() - 22) * quarters / 4, 15)).toPoint();
    };
    const int before = db.SystemPropertiesGetSet_VolumeMaster(0, AtomicDirGet, false, 0);
    QVERIFY(before != 25);
    f.Tap(along(1));
    // Each tap is seen through (let go) before the next, or before anything
    // is said about what it stored.
    const auto released = [&] { return !volume->property("pressed").toBool(); };
    QTRY_COMPARE(qRound(volume->property("value").toReal()), 25);
    QTRY_VERIFY(released());
    QCOMPARE(db.SystemPropertiesGetSet_VolumeMaster(0, AtomicDirGet, false, 0), before);
    db.KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_SYSTEM_UP, AtomicDirSet);
    // A pixel on, so that the value moves again: 25.3, stored as 25.
    f.Tap(along(1) + QPoint(1, 0));
    QTRY_VERIFY(released());
    QTRY_COMPARE(db.SystemPropertiesGetSet_VolumeMaster(0, AtomicDirGet, false, 0), 25);
    f.Tap(along(3));
    QTRY_VERIFY(released());
    QTRY_COMPARE(db.SystemPropertiesGetSet_VolumeMaster(0, AtomicDirGet, false, 0), 75);

    // A control takes the volume over: the slider writes nothing.
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_MasterVolumeCtl(768, AtomicDirSet, false);
    emit db.masterVolumeControlChanged(768);
    QTRY_COMPARE(volume->isEnabled(), false);
    QCOMPARE(db.KLX_DatabaseManagerGetSetSystemProperties_MainMastVolmIsControlled(0, AtomicDirGet, false), 1);

    db.KLX_DataBaseManagerSetSystemModifyFlag(false);
    QQuickItem* brightness = f.Item("brightnessSlider");
    // Half way from 1 to 100 is 50.5, written as 51.
    f.Tap(brightness->mapToScene(QPointF(11 + (brightness->width() - 22) / 2, 15)).toPoint());
    QCOMPARE(brightness->property("value").toReal(), 50.5);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(0, AtomicDirGet, false), 51);
    QVERIFY(db.KLX_DataBaseManagerGetSystemModifyFlag());

    QVERIFY(f.Tap("stripMinMaxReset"));
    QTRY_COMPARE(f.PopupText(),
                 QString("Do you really want to clear Max/Min values and all alerts for all widgets?"));
    QCOMPARE(f.Popup()->property("buttons").toString(), QString("OkAbort"));
  }

  // A failed save's message that comes while the strip is open shows above
  // it: a touch where the message covers the brightness slider moves no
  // slider, the message's "Ok" answers it, and the strip then closes as ever.
  void aBoxShowsAboveTheOpenStrip() {
    m_Shared.reset();
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    QVERIFY(f.OpenStrip());
    KLX_DataBaseManager& db = f.Db();
    emit db.KLX_DatabaseManagerXMLFileSaverPtr()->modelSaveFailed(KLX_DatabaseValues::ModelSaveFailure_CardFull);
    QTRY_COMPARE(f.PopupText(), QString("Your changes to the model were not saved: the SD card is full."));
    f.Settle();
    f.Grab("strip-open-with-a-box.png");
    auto* box = qobject_cast<QQuickItem*>(f.Popup());
    QQuickItem* slider = f.Item("brightnessSlider");
    const QRectF both = box->mapRectToScene(QRectF(0, 0, box->width(), box->height())) &
                        slider->mapRectToScene(QRectF(0, 0, slider->width(), slider->height()));
    QVERIFY(!both.isEmpty());
    const qreal brightness = slider->property("value").toReal();
    db.KLX_DataBaseManagerSetSystemModifyFlag(false);
    f.Tap(both.center().toPoint());
    QCOMPARE(slider->property("value").toReal(), brightness);
    QVERIFY(!db.KLX_DataBaseManagerGetSystemModifyFlag());
    QCOMPARE(f.PopupText(), QString("Your changes to the model were not saved: the SD card is full."));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_VERIFY(!f.Popup());
    f.Swipe(QPoint(240, 160), QPoint(240, 40));
    QVERIFY(f.WaitStripClosed());
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestStrip test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_strip.moc"
