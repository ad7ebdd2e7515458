// The sensor menu screen as the binding menu opens it (a sensor address
// alone), against the simulated sensors behind the transceiver: the menus
// read, turned, an item stepped and toggled in the sensor, an arrow held,
// and a sensor that does not answer; and the binding menu itself, binding
// and deleting a receiver and opening its menus and the transmitter's.
#include "qml_frame/qml_frame_fixture.h"
#include "sim/csimsensors.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kMenu = QStringLiteral("qrc:/Frontend/QML/TelemetrySensorMainMenu.qml");
const QString kBinding = QStringLiteral("qrc:/Frontend/QML/9_BindingMenu.qml");
constexpr int kVario = CSimSensors::kVarioAddress;
constexpr int kBattery = CSimSensors::kBatteryAddress;

bool OpenMenu(QmlFrame& f, int sensorId) {
  f.Call("", "openScreen", {kMenu, QVariantMap{{"sensorId", sensorId}}});
  return f.WaitShown(kMenu);
}
// A row of a frame and a button in it.
QQuickItem* Row(QmlFrame& f, int frame, int item) {
  return f.Item(QStringLiteral("menuItem_%1_%2").arg(frame).arg(item));
}
QQuickItem* Button(QmlFrame& f, int frame, int item, const char* name) {
  return qobject_cast<QQuickItem*>(FindNamed(Row(f, frame, item), QString::fromLatin1(name)));
}
QString Value(QmlFrame& f, int frame, int item) {
  QQuickItem* row = Row(f, frame, item);
  return row ? row->property("value").toString() : QStringLiteral("<no row>");
}
// The default sensors, the vario's menus read and its first menu shown.
bool VarioShown(QmlFrame& f) {
  f.Controllers().Sensors().AddDefaultSet();
  return f.StartAtHome() && OpenMenu(f, kVario) &&
         QTest::qWaitFor([&] { return Value(f, 1, 2) == QLatin1String("120 m"); }, kHangMs);
}
}  // namespace

class TestSensorMenus : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  void varioMenus_data() { BoardRows(); }
  // The vario's two menus: the first with its arrows to the right, the
  // second after "Next" with its arrows to the left; the shown menu is the
  // one the continuous task polls.
  void varioMenus() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    f.Controllers().Sensors().AddDefaultSet();
    QVERIFY(f.StartAtHome());
    QVERIFY(OpenMenu(f, kVario));
    QTRY_VERIFY(f.Property("sensorMainMenu", "framesReady").toBool());
    QTRY_COMPARE(f.Property("menuHead_1", "text").toString(), QString("Vario   >>>>>>"));
    QCOMPARE(f.Property("sensorMenuOverlay", "visible").toBool(), false);
    QCOMPARE(Row(f, 1, 1)->property("label").toString(), QString("Sensitivity"));
    QCOMPARE(Value(f, 1, 2), QString("120 m"));
    QCOMPARE(Row(f, 1, 3)->property("toggle").toBool(), true);
    QVERIFY(!Row(f, 1, 4));
    KLX_RuntimeDatabaseManager& runtime = f.System().RuntimeDatabase();
    QTRY_COMPARE(runtime.KLX_RuntimeDatabaseManagerGetSetMenuSensor(0, AtomicDirGet), kVario);
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerGetSetMenuIndex(0, AtomicDirGet), 0);
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerGetSetLeaveMenu(0, AtomicDirGet), 0);
    QCOMPARE(f.History().last(), kMenu);
    QCOMPARE(f.Args(f.HistoryIndex()), QVariantList({-1, -1, kVario, "EndOfArgs"}));
    f.Settle();
    f.Grab("sensor-menu-" + tag + ".png");

    // "Prev." has no menu before the first; "Next" turns to the second.
    QVERIFY(f.Tap("sensorMenuPrev"));
    QCOMPARE(f.Property("sensorMainMenu", "activeFrame").toInt(), 1);
    QVERIFY(f.Tap("sensorMenuNext"));
    QTRY_COMPARE(f.Property("menuHead_2", "text").toString(), QString("<<<<<<   Climb"));
    QTRY_COMPARE(runtime.KLX_RuntimeDatabaseManagerGetSetMenuIndex(0, AtomicDirGet), 1);
    QTRY_COMPARE(f.Item("sensorMenuFrame_2")->x(), 0.0);
    QCOMPARE(Row(f, 2, 2)->property("label").toString(), QString("Zero altitude"));
    f.Settle();
    f.Grab("sensor-menu-second-" + tag + ".png");

    // Leaving the screen ends the polling.
    f.Call("", "openScreen", {kHome, QVariant()});
    QVERIFY(f.WaitShown(kHome));
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerGetSetLeaveMenu(0, AtomicDirGet), 1);
  }

  void bindingMenu_data() { BoardRows(); }
  // The binding menu (main menu, "Receivers"): one row per receiver slot of
  // the board; "Bind" binds the receiver through the transceiver into its
  // slot, which then names it; its "Menu" opens the sensor menus at the
  // slot's sensor address, the transmitter's button at the own address 4;
  // "Delete" asks and deletes it in the transceiver too.
  void bindingMenu() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    f.Controllers().Sensors().AddDefaultSet();
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    f.Call("", "openScreen", {kBinding, QVariant()});
    QVERIFY(f.WaitShown(kBinding));
    const int rows = variant == CSimBoard::Vorn ? 4 : 2;
    QVERIFY(f.Item(QStringLiteral("receiverRow_%1").arg(rows - 1)));
    QVERIFY(!f.Item(QStringLiteral("receiverRow_%1").arg(rows)));
    QVERIFY(f.Tap("receiverBind_1"));
    QTRY_VERIFY(f.Item("receiverDelete_1"));
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverMask(), 2);
    QCOMPARE(f.Controllers().State().receiverMask, 2);
    QCOMPARE(f.Property("bindingBusy", "visible").toBool(), false);
    // The simulated receiver of slot 1: type 515, serial 0x5A000002, firmware 2.4.
    QCOMPARE(f.Property("receiverText_1", "text").toString(), QString("Type 515  S/N 1509949442  2.4"));
    f.Settle();
    f.Grab("binding-menu-" + tag + ".png");

    QVERIFY(f.Tap("receiverDelete_1"));
    QTRY_VERIFY(f.Popup());
    QCOMPARE(f.PopupText(), QString("Do you really want to delete receiver 2?"));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_VERIFY(f.Item("receiverBind_1"));
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverMask(), 0);
    QCOMPARE(f.Controllers().State().receiverMask, 0);

    // Bound again, its menus and the transmitter's, each a menu of its own.
    QVERIFY(f.Tap("receiverBind_1"));
    QTRY_VERIFY(f.Item("receiverDelete_1"));
    // The row makes room for "Menu" on its next layout; a tap before it hits "Delete".
    QTRY_VERIFY(f.Item("receiverMenu_1")->x() + f.Item("receiverMenu_1")->width() <= f.Item("receiverDelete_1")->x());
    QVERIFY(f.Tap("receiverMenu_1"));
    QVERIFY(f.WaitShown(kMenu));
    QCOMPARE(f.Args(f.HistoryIndex()), QVariantList({-1, -1, 1, "EndOfArgs"}));
    QTRY_VERIFY(f.Property("sensorMainMenu", "framesReady").toBool());
    QTRY_COMPARE(f.Property("menuHead_1", "text").toString(), QString("Receiver"));
    QCOMPARE(Row(f, 1, 1)->property("label").toString(), QString("Fail-safe delay"));
    QCOMPARE(Value(f, 1, 1), QString("1.0 s"));
    f.Settle();
    f.Grab("sensor-menu-receiver-" + tag + ".png");
    f.Call("", "openScreen", {kBinding, QVariant()});
    QVERIFY(f.WaitShown(kBinding));
    QVERIFY(f.Tap("transmitterMenu"));
    QVERIFY(f.WaitShown(kMenu));
    QCOMPARE(f.Args(f.HistoryIndex()), QVariantList({-1, -1, 4, "EndOfArgs"}));
    QTRY_VERIFY(f.Property("sensorMainMenu", "framesReady").toBool());
    QTRY_COMPARE(f.Property("menuHead_1", "text").toString(), QString("Transmitter"));
    QCOMPARE(Row(f, 1, 1)->property("label").toString(), QString("Battery warning"));
    QCOMPARE(Value(f, 1, 1), QString("20 %"));
  }

  // A tap on an arrow steps the value in the sensor, and the answer ends the
  // change at once: the next tap is taken without waiting for the guard. A
  // toggle flips; its button says what a tap will do.
  void stepAndToggle() {
    QmlFrame f(g_app);
    QVERIFY(VarioShown(f));
    CSimSensors& sensors = f.Controllers().Sensors();
    for (int expected : {121, 122}) {
      f.Tap(Button(f, 1, 2, "menuItemRight"));
      QTRY_COMPARE(Value(f, 1, 2), QString("%1 m").arg(expected));
      QCOMPARE(sensors.MenuValue(kVario, 0, 2), expected);
    }
    f.Tap(Button(f, 1, 2, "menuItemLeft"));
    QTRY_COMPARE(Value(f, 1, 2), QString("121 m"));

    QCOMPARE(Button(f, 1, 3, "menuItemToggle")->property("gp_text").toString(), QString("Deactivate"));
    f.Tap(Button(f, 1, 3, "menuItemToggle"));
    QTRY_COMPARE(Value(f, 1, 3), QString());
    QCOMPARE(sensors.MenuValue(kVario, 0, 3), 0);
    QCOMPARE(Button(f, 1, 3, "menuItemToggle")->property("gp_text").toString(), QString("Activate"));
    QCOMPARE(f.Property("sensorMenuOverlay", "visible").toBool(), false);
  }

  // Held, the arrow repeats; the step grows tenfold after every ten repeats
  // up to the item's largest step (100 for the altitude limit), and falls
  // back to 1 when the arrow is let go.
  void heldArrowGrowsItsStep() {
    QmlFrame f(g_app);
    QVERIFY(VarioShown(f));
    QQuickItem* row = Row(f, 1, 2);
    QCOMPARE(row->property("maxStep").toInt(), 100);
    const QPoint at = f.Centre(Button(f, 1, 2, "menuItemRight"));
    QTest::touchEvent(f.Window(), QmlFrame::Device()).press(0, at, f.Window());
    QList<int> steps;
    for (int repeats : {9, 10, 20, 30}) {
      QTRY_VERIFY(row->property("repeats").toInt() >= repeats);
      steps << row->property("currentStep").toInt();
    }
    QTest::touchEvent(f.Window(), QmlFrame::Device()).release(0, at, f.Window());
    QCOMPARE(steps, QList<int>({1, 10, 100, 100}));
    QTRY_COMPARE(row->property("currentStep").toInt(), 1);
    // The sensor took steps of 1, 10 and 100 (one change at a time), within its limit.
    QTRY_VERIFY(sensors(f) > 200 && sensors(f) <= 2000);
  }

  // A sensor that does not answer: the reading times out, the screen says
  // so without frames and without a box of its own, and its one "OK" leads
  // back to where it was opened.
  void silentSensor() {
    QmlFrame f(g_app);
    f.Controllers().Sensors().AddDefaultSet();
    QVERIFY(f.StartAtHome());
    f.Controllers().Sensors().SetSilent(kBattery, true);
    QVERIFY(OpenMenu(f, kBattery));
    QCOMPARE(f.Property("sensorMenuOverlayText", "text").toString(), QString("Scanning for menu..."));
    QTRY_COMPARE(f.Property("sensorMenuOverlayText", "text").toString(), QString("Getting menu timeout!"));
    QCOMPARE(f.Property("sensorMainMenu", "framesReady").toBool(), false);
    QCOMPARE(f.Property("sensorMenuNext", "enabled").toBool(), false);
    f.Settle();
    f.Grab("sensor-menu-silent.png");
    QCOMPARE(f.Property("sensorMenuCancel", "gp_text").toString(), QString("OK"));
    QVERIFY(!f.Popup());
    QVERIFY(f.Tap("sensorMenuCancel"));
    QVERIFY(f.WaitShown(kHome));
  }

 private:
  static int sensors(QmlFrame& f) { return f.Controllers().Sensors().MenuValue(kVario, 0, 2); }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestSensorMenus test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_sensor_menus.moc"
