// The widget set-up screens against the simulated sensors behind the
// transceiver: widgets made from the chooser on an empty and a full page,
// a value widget set up end to end and kept across a save and a load, the
// alarm defaults from the reading, the value rows' slots, alias lengths,
// the timer widget's delete cascade and warning limits.
#include <QSignalSpy>

#include "qml_frame/qml_frame_fixture.h"
#include "modelfile/klx_xmlmodel.h"
#include "sim/csimmodel.h"
#include "sim/csimsensors.h"
#include "sim/csimtransceiver.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kQml = QStringLiteral("qrc:/Frontend/QML/");
constexpr int kMulti = 12;  // a sensor of our own: values 0, 2 and 5

bool Open(QmlFrame& f, const QString& screen, const QVariantMap& args) {
  f.Call("", "openScreen", {kQml + screen, args});
  return f.WaitShown(kQml + screen);
}
// Sensor 12 with three values: 120.0 V, 3.5 A, 42 %.
void AddMulti(CSimSensors& sensors) {
  sensors.Add(kMulti, "Multi");
  sensors.Describe(kMulti, 0, "Volt", "V", 1);
  sensors.SetValue(kMulti, 0, 1200);
  sensors.Describe(kMulti, 2, "Amp", "A", 1);
  sensors.SetValue(kMulti, 2, 35);
  sensors.Describe(kMulti, 5, "Fuel", "%", 0);
  sensors.SetValue(kMulti, 5, 42);
}
int Used(KLX_DataBaseManager& db, int page, int element, int sensor, int slave = -1) {
  return slave < 0 ? db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(page, element, sensor, 0, AtomicDirGet)
                   : db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(page, element, sensor, slave, 0, AtomicDirGet);
}
bool HoldName(QmlFrame& f, const QString& name) {
  QQuickItem* item = f.Item(name);
  if (!item) return false;
  f.Hold(f.Centre(item), 1100);
  return true;
}
bool Type(QmlFrame& f, const QString& keyboard, const QString& text) {
  QObject* field = FindNamed(f.Named(keyboard), "keyboardField");
  if (!field) return false;
  field->setProperty("text", text);
  f.Call(keyboard, "ok");
  // The keyboard slides away and takes taps until it has gone: a tap on what
  // lies under it before then would reach the keyboard instead.
  auto* item = qobject_cast<QQuickItem*>(f.Named(keyboard));
  return item && QTest::qWaitFor([&] { return !item->isVisible(); }, kHangMs);
}
}  // namespace

class TestWidgetSetup : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  // Each kind made small at the touched cell, its set-up shown with the new
  // element; on a full page the store's refusal is shown and nothing opens.
  void chooserMakesEachKind_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("typ");
    QTest::addColumn<QString>("setup");
    QTest::newRow("value") << "value" << int(KLX_WIDGET_TYPE_VALUE) << "TelemetryWidgetValueSetup.qml";
    QTest::newRow("servo") << "servo" << int(KLX_WIDGET_TYPE_SERVO) << "TelemetryWidgetServoSetup.qml";
    QTest::newRow("timer") << "timer" << int(KLX_WIDGET_TYPE_TIMER) << "TelemetryWidgetTimerSetup.qml";
    QTest::newRow("quick link") << "quick" << int(KLX_WIDGET_TYPE_QUICK) << "TelemetryWidgetQuickLinkSetup.qml";
    QTest::newRow("notes") << "notes" << int(KLX_WIDGET_TYPE_MINFO) << "TelemetryWidgetLabelSetup.qml";
    QTest::newRow("model image") << "image" << int(KLX_WIDGET_TYPE_MIMG) << "2_Home.qml";
  }
  void chooserMakesEachKind() {
    QFETCH(QString, kind);
    QFETCH(int, typ);
    QFETCH(QString, setup);
    QmlFrame& f = Shared();
    KLX_DataBaseManager& db = f.Db();
    db.KLX_DataBaseManagerGUITelemetrieClearAll();
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(0, 1, AtomicDirSet), 1);
    QVERIFY(Open(f, "TelemetryWidgetChooser.qml", {{"pageId", 0}, {"widgetX", 265}, {"widgetY", 85}}));
    QVERIFY(f.Tap("widgetKind_" + kind));
    QVERIFY(f.WaitShown(kQml + setup));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetNumberTelemetieElementsInUse(0), 1);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Typ(0, 0, 0, AtomicDirGet), typ);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_XPos(0, 0, 0, AtomicDirGet), 265);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_YPos(0, 0, 0, AtomicDirGet), 85);
    if (kind != "image") {
      QCOMPARE(f.Args(f.HistoryIndex()).mid(0, 2), QVariantList({0, 0}));
      QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Size(0, 0, 0, AtomicDirGet), int(TELEGUISIZE_Small));
      f.Settle();
      f.Grab("widget-setup-" + kind + ".png");
    }

    // The full page: twenty widgets are all it holds.
    for (int e = 1; e < 20; ++e)
      QVERIFY(db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(0, 5, 20, 1) >= 0);
    QVERIFY(Open(f, "TelemetryWidgetChooser.qml", {{"pageId", 0}, {"widgetX", 5}, {"widgetY", 20}}));
    QVERIFY(f.Tap("widgetKind_" + kind));
    QTRY_VERIFY(f.Popup() != nullptr);
    QVERIFY(!f.PopupText().isEmpty());
    QCOMPARE(f.Shown(), kQml + "TelemetryWidgetChooser.qml");
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetNumberTelemetieElementsInUse(0), 20);
    f.Call("", "popupClose");
  }

  // Sensor, value, alias, limits and spoken text chosen on the screens; the
  // widget reads the same after the model file was written and read back.
  void valueWidgetEndToEnd_data() { BoardRows(); }
  void valueWidgetEndToEnd() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    f.Controllers().Sensors().AddDefaultSet();
    AddMulti(f.Controllers().Sensors());
    f.Controllers().SetStreaming(true);
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    QTRY_COMPARE(db.KLX_DataBaseManagerTelemetrieGetSlaveValue(kMulti, 0), 1200);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(0, 1, AtomicDirSet), 1);
    QVERIFY(Open(f, "TelemetryWidgetChooser.qml", {{"pageId", 0}, {"widgetX", 5}, {"widgetY", 20}}));
    f.Settle();
    f.Grab("widget-chooser-" + tag + ".png");
    QVERIFY(f.Tap("widgetKind_value"));
    QVERIFY(f.WaitShown(kQml + "TelemetryWidgetValueSetup.qml"));
    const int e = db.KLX_DataBaseManagerGUITelemetrieGetNumberTelemetieElementsInUse(0) - 1;

    // The sensors found by a rescan, then sensor and value.
    // The overlay may come and go between two polls: count its changes.
    QSignalSpy overlay(f.Item("scanOverlay"), &QQuickItem::visibleChanged);
    QVERIFY(f.Tap("valueRescan"));
    QTRY_VERIFY(overlay.count() >= 2 && !f.Item("scanOverlay")->isVisible());
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetSensorIsUsed(kMulti), 1);
    QVERIFY(f.Tap("valueAdd"));
    QVERIFY(f.WaitShown(kQml + "TelemetryWidgetValueSensorSlaveChooser.qml"));
    QVERIFY(f.Tap("chooseSensor_12"));
    QVERIFY(f.Tap("chooseValue_0"));
    f.Settle();
    f.Grab("value-chooser-" + tag + ".png");
    QVERIFY(f.Tap("chooserOk"));
    QVERIFY(f.WaitShown(kQml + "TelemetryWidgetValueSetup.qml"));
    QTRY_VERIFY(f.Item("sensorName_0_0"));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(0, e, 0, 0, AtomicDirGet), kMulti);
    QCOMPARE(f.Property("valueName_0_0", "gp_text").toString(), QString("Volt"));
    f.Settle();
    f.Grab("value-setup-" + tag + ".png");

    // Alias of the value.
    QVERIFY(HoldName(f, "valueName_0_0"));
    QTRY_VERIFY(f.Item("aliasEditor"));
    QCOMPARE(f.Property("aliasOriginal", "text").toString(), QString("Multi : Volt"));
    QCOMPARE(f.Property("aliasAddress", "text").toString(), QString("12 : 0"));
    QVERIFY(f.Tap("aliasEdit"));
    f.Settle();
    f.Grab("alias-editor-" + tag + ".png");
    QVERIFY(Type(f, "aliasKeyboard", "Pack"));
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(kMulti, 0, "", AtomicDirGet), QString("Pack"));
    QTRY_COMPARE(f.Property("valueName_0_0", "gp_text").toString(), QString("Pack"));
    QVERIFY(f.Tap("aliasClose"));
    // The editor goes at the next turn of the event loop; until then it
    // would take the next tap.
    QTRY_VERIFY(!f.Item("aliasEditor"));

    // Alarms: defaults from the reading 120.0 V, red below typed, speech above.
    QVERIFY(f.Tap("valueAlarm_0_0"));
    QVERIFY(f.WaitShown(kQml + "TelemetrySensorAlarmConfig.qml"));
    QCOMPARE(f.Property("alarmLimit_0", "gp_text").toString(), QString("90.0 V"));
    QCOMPARE(f.Property("alarmLimit_3", "gp_text").toString(), QString("150.0 V"));
    QVERIFY(f.Tap("alarmLimit_0"));
    QQuickItem* pad = f.Item("numpad");
    QVERIFY(pad);
    pad->setProperty("rawData", 855);
    f.Call("numpad", "ok");
    QCOMPARE(f.Property("alarmLimit_0", "gp_text").toString(), QString("85.5 V"));
    QVERIFY(f.Tap("alarmKind_3"));
    QVERIFY(f.Tap("choose_0_10"));
    QTRY_VERIFY(f.Item("alarmText_3")->isVisible());
    QCOMPARE(f.Property("alarmText_3", "gp_text").toString(), QString("Alarm Multi Pack"));
    QVERIFY(f.Tap("alarmText_3"));
    QVERIFY(Type(f, "alarmKeyboard", "Voltage high"));
    const KLX_AudioHandler* audio = db.KLX_DatabaseManagerAudioHandlerPointer();
    const int before = audio->QueuedPhrases().size();
    QVERIFY(f.Tap("alarmPlay_3"));
    QTRY_VERIFY(audio->QueuedPhrases().size() > before);
    const auto phrase = audio->QueuedPhrases().at(before);
    QCOMPARE(phrase.text, QString("Voltage high"));
    QCOMPARE(phrase.alarmIndex, int(VOICE_ALARM));
    QVERIFY(f.Tap("alarmSignal"));
    f.Settle();
    f.Grab("sensor-alarm-" + tag + ".png");

    // What the file keeps.
    const auto slot = [&] {
      return QVariantList{
          db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(0, e, 0, 0, AtomicDirGet),
          db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(0, e, 0, 0, 0, AtomicDirGet),
          db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelow(0, e, 0, 0, 0, AtomicDirGet),
          db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelow(0, e, 0, 0, 0, AtomicDirGet),
          db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAbove(0, e, 0, 0, 0, AtomicDirGet),
          db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(0, e, 0, 0, 0, AtomicDirGet),
          db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveType(0, e, 0, 0, 0, AtomicDirGet),
          db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveText(0, e, 0, 0, "", AtomicDirGet),
          db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertSignalType(0, e, 0, 0, 0, AtomicDirGet),
          db.KLX_DataBaseManagerGUITelemetrieGet_SlaveNameOrAlias(0, e, 0, 0)};
    };
    const QVariantList stored = slot();
    QCOMPARE(stored, QVariantList({kMulti, 0, 855, 1020, 1380, 1500, 10, "Voltage high", 1, "Pack"}));
    KLX_XMLModel& model = db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model();
    const QString path = KLX_FileNameHandler().KLX_FileNameHandlerGetModelFilePath(1, QString(), false) + "Widgets.xml";
    QCOMPARE(model.KLX_XMLModelWriteModelFile(path, "Widgets"), int(KLX_Ok));
    db.KLX_DataBaseManagerGUITelemetrieClearAll();
    QCOMPARE(model.KLX_XMLModelReadModelFile(path, "Widgets"), int(KLX_Ok));
    QCOMPARE(slot(), stored);
  }

  // Values 2 and 5 of sensor 12 join the slot that already shows its value
  // 0; deleting values leaves the sensor slot until its last value goes.
  void valuesShareTheirSensorSlot() {
    QmlFrame& f = Shared();
    KLX_DataBaseManager& db = f.Db();
    const int e = NewValueWidget(f);
    QVERIFY(e >= 0);
    QVERIFY(Open(f, "TelemetryWidgetValueSensorSlaveChooser.qml", {{"pageId", 0}, {"elementId", e}}));
    QVERIFY(f.Tap("chooseSensor_12"));
    QVERIFY(f.Tap("chooseValue_2"));
    // Values 1, 3 and 4 are in use too (without a label): 5 is further down.
    QMetaObject::invokeMethod(f.Item("chooserValues"), "positionViewAtEnd");
    f.Settle();
    QVERIFY(f.Tap("chooseValue_5"));
    QVERIFY(f.Tap("chooserOk"));
    QVERIFY(f.WaitShown(kQml + "TelemetryWidgetValueSetup.qml"));
    QCOMPARE(Used(db, 0, e, 1), 0);
    QList<int> indices;
    for (int v = 0; v < 32; ++v)
      if (Used(db, 0, e, 0, v) == 1)
        indices << db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(0, e, 0, v, 0, AtomicDirGet);
    QCOMPARE(indices, QList<int>({0, 2, 5}));

    QTRY_VERIFY(f.Item("valueDelete_0_1"));
    QVERIFY(f.Tap("valueDelete_0_1"));
    QVERIFY(f.Tap("valueDelete_0_0"));
    QCOMPARE(Used(db, 0, e, 0), 1);
    QVERIFY(f.Tap("valueDelete_0_2"));
    QCOMPARE(Used(db, 0, e, 0), 0);
    QCOMPARE(f.Property("valueRows", "count").toInt(), 0);
  }

  // A rescan while the transceiver has not finished its scan: the sensor
  // column says that sensors are being searched for, and lists them once
  // the transceiver has found them.
  void chooserWhileSensorsAreSearchedFor() {
    QmlFrame& f = Shared();
    KLX_DataBaseManager& db = f.Db();
    CSimAnswerBook& answers = f.Controllers().TransceiverController().Answers();
    answers.Set(CSimTransceiver::KeyTelemetryStatus, {0, false, true, 1});
    QCOMPARE(db.KLX_DataBaseManagerRescanTelemetry(), int(KLX_Ok));
    QTRY_COMPARE(db.KLX_DataBaseManagerTelemetrieGetIsSearching(), 1);
    QVERIFY(Open(f, "TelemetryWidgetValueSensorSlaveChooser.qml", {{"elementId", 0}}));
    QVERIFY(f.Property("chooserSearching", "visible").toBool());
    QCOMPARE(f.Property("chooserSearching", "text").toString(), QString("Searching for sensors..."));
    QVERIFY(!f.Item("chooseSensor_12"));
    f.Settle();
    f.Grab("value-chooser-searching.png");
    answers.Set(CSimTransceiver::KeyTelemetryStatus, {});
    QTRY_VERIFY(f.Item("chooseSensor_12"));
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetIsSearching(), 0);
    QTRY_VERIFY(!f.Property("chooserSearching", "visible").toBool());
    f.Call("", "popupClose");
  }

  // The keyboard takes 16 characters for a sensor's alias, 10 for a value's.
  void aliasLengths_data() {
    QTest::addColumn<int>("slave");
    QTest::addColumn<QString>("stored");
    QTest::newRow("sensor") << -1 << "ABCDEFGHIJKLMNOP";
    QTest::newRow("value") << 0 << "ABCDEFGHIJ";
  }
  void aliasLengths() {
    QFETCH(int, slave);
    QFETCH(QString, stored);
    QmlFrame& f = Shared();
    KLX_DataBaseManager& db = f.Db();
    const int e = NewValueWidget(f);
    QVERIFY(e >= 0);
    QVERIFY(Open(f, "TelemetryWidgetValueSetup.qml", {{"pageId", 0}, {"elementId", e}}));
    QTRY_VERIFY(f.Item("sensorName_0_0"));
    QVERIFY(HoldName(f, slave < 0 ? "sensorName_0_0" : "valueName_0_0"));
    QTRY_VERIFY(f.Item("aliasEditor"));
    QVERIFY(f.Tap("aliasEdit"));
    QVERIFY(Type(f, "aliasKeyboard", "ABCDEFGHIJKLMNOPQ"));
    const QString alias = slave < 0 ? db.KLX_DataBaseManagerTelemetrieGetSetSensorAlias(kMulti, "", AtomicDirGet)
                                    : db.KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(kMulti, 0, "", AtomicDirGet);
    QCOMPARE(alias, stored);
    QVERIFY(f.Tap("aliasClose"));
  }

  // A simple timer with a hidden start switch, a visible stop switch and a
  // voice alarm whose activator is a hidden switch: two delete tasks one
  // after the other, the alarm cleared, the timer deleted, the visible
  // switch kept.
  void timerDeleteCascade() {
    QmlFrame& f = Shared();
    KLX_DataBaseManager& db = f.Db();
    const int e = db.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(0, 5, 20, 1, 2);
    QVERIFY(e >= 0);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_IsUsed(2, 1, AtomicDirSet), 1);
    const int hidden = NewSwitch(f, false), visible = NewSwitch(f, true), activator = NewSwitch(f, false);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(2, hidden, AtomicDirSet), hidden);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw(2, visible, AtomicDirSet), visible);
    const int alarm = 5;
    db.KLX_DataBaseManagerVAlarmGetSetType(alarm, VALARM_Timer | VALARM_ModeControlled, AtomicDirSet);
    db.KLX_DataBaseManagerVAlarmGetSetTimer(alarm, 2, AtomicDirSet);
    db.KLX_DataBaseManagerVAlarmGetSetActivator(alarm, db.KLX_DataBaseManagerGetControlForVirtualSwitch(activator), AtomicDirSet);
    QVERIFY(Open(f, "TelemetryWidgetTimerSetup.qml", {{"pageId", 0}, {"elementId", e}, {"timerId", -1}}));
    QTRY_VERIFY(f.Item("timerDelete_s2"));
    f.Settle();
    f.Grab("timer-widget-setup.png");
    QCOMPARE(f.Property("timerDelete_s2", "gp_text").toString(), QString("Delete timer"));
    QVERIFY(f.Tap("timerDelete_s2"));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_COMPARE(db.KLX_DataBaseManagerTimerGetSet_IsUsed(2, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsUsed(hidden, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsUsed(activator, 0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsUsed(visible, 0, AtomicDirGet), 1);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetType(alarm, 0, AtomicDirGet) & ~int(VALARM_ModeSettings), 0);
    QCOMPARE(f.Property("timerRows", "count").toInt(), 0);
  }

  // A warning time on a timer counting down from 5:00 to 0:00: red above at
  // the end (0 s) and red below ten seconds before it (10 s).
  void warningOnCountDown() {
    QmlFrame& f = Shared();
    KLX_DataBaseManager& db = f.Db();
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_IsUsed(1, 1, AtomicDirSet), 1);
    db.KLX_DataBaseManagerTimerGetSet_StartTimeMinute(1, 5, AtomicDirSet);
    const int e = db.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(0, 5, 20, 1, 1);
    QVERIFY(e >= 0);
    QVERIFY(Open(f, "TelemetryWidgetTimerSetup.qml", {{"pageId", 0}, {"elementId", e}, {"timerId", -1}}));
    QTRY_VERIFY(f.Item("timerName_s1"));
    QVERIFY(f.Tap("timerName_s1"));
    QVERIFY(f.Tap("timerAlarm_s1"));
    QVERIFY(f.WaitShown(kQml + "TelemetryWidgetTimerAlarmConfig.qml"));
    QVERIFY(f.Tap("timerAlarm_warning"));
    f.Item("numpad")->setProperty("rawData", 30);
    f.Call("numpad", "ok");
    const auto slot = [&](const char* field) {
      int r = 0;
      QMetaObject::invokeMethod(&db, (QByteArray("KLX_DataBaseManagerGUITelemetrieGetSet_Slave_") + field).constData(),
                                Q_RETURN_ARG(int, r), Q_ARG(int, 0), Q_ARG(int, e), Q_ARG(int, 0), Q_ARG(int, 1),
                                Q_ARG(int, 0), Q_ARG(int, AtomicDirGet));
      return r;
    };
    QCOMPARE(slot("YellowAlertAbove"), 30);
    QCOMPARE(slot("RedAlertAbove"), 0);
    QCOMPARE(slot("RedAlertBelow"), 10);
    QCOMPARE(slot("AlertSignalType"), int(KLX_WIDGET_ALARM_SIGNAL_TYP_ONESHOT));
    QVERIFY(f.Tap("timerAlarm_endKind"));
    QVERIFY(f.Tap("choose_0_3"));
    QCOMPARE(slot("RedAlertAboveType"), 3);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelowSound(0, e, 0, 1, "", AtomicDirGet),
             QString("Timer_10s_Countdown.wav"));
    f.Settle();
    f.Grab("timer-alarm.png");
  }

  // A control added through its task, its source chosen in the chooser
  // (the transmitter's own sensor not offered), a fail-safe value stepped:
  // each reaches the simulated transceiver's record.
  void telemetryControl() {
    QmlFrame& f = Shared();
    KLX_DataBaseManager& db = f.Db();
    QVERIFY(Open(f, "TelemetryControls.qml", {}));
    QVERIFY(f.Tap("tconAdd"));
    QTRY_VERIFY(f.Item("tconSource_0"));
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_IsUsed(0, 0, AtomicDirGet), 1);
    const auto record = [&] { return f.Controllers().TransceiverController().HeldModel().Record(CSimModel::TeleControl, 0); };
    QTRY_COMPARE(int(record().at(0)), 1);
    QVERIFY(f.Tap("tconSource_0"));
    QVERIFY(f.WaitShown(kQml + "TelemetryWidgetValueSensorSlaveChooser.qml"));
    QCOMPARE(f.Property("chooseSensor_4", "state").toString(), QString("disabled"));
    QVERIFY(f.Tap("chooseSensor_12"));
    QVERIFY(f.Tap("chooseValue_2"));
    f.Settle();
    f.Grab("tcon-chooser.png");
    QVERIFY(f.Tap("chooserOk"));
    QVERIFY(f.WaitShown(kQml + "TelemetryControls.qml"));
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_FullAddr(0, 0, AtomicDirGet), kMulti | (2 << 8));
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_DecPoint(0, 0, AtomicDirGet), 1);
    QTRY_COMPARE(record().mid(3, 3), QByteArray("\x0c\x02\x01", 3));
    QTRY_COMPARE(f.Property("tconSource_0", "gp_text").toString(), db.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(kMulti) + ":Amp");
    QTRY_VERIFY(f.Property("tconOutput_0", "gp_text").toString() != QString("Error"));
    QCOMPARE(f.Property("tconInput_0", "text").toString(), QString("3.5 A"));
    f.Settle();
    f.Grab("tcon-list.png");
    QVERIFY(f.Tap("tconOutput_0"));
    QVERIFY(f.WaitShown(kQml + "TelemetryControlSett2.qml"));
    QTRY_VERIFY(f.Property("teleControlSettings", "ready").toBool());
    QVERIFY(f.Tap("tconFs"));
    QQuickItem* flyin = f.Item("tconFlyin");
    QTRY_COMPARE(flyin->y() + flyin->height(), flyin->parentItem()->height());
    QVERIFY(f.Tap("flyin_++"));
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_FSafeValue(0, 0, AtomicDirGet), 10);
    QTRY_COMPARE(record().mid(8, 2), QByteArray("\x0a\x00", 2));
    f.Settle();
    f.Grab("tcon-settings-vorn.png");

    // Simulating, then leaving: the simulation ends with the screen.
    QVERIFY(f.Tap("tconSim"));
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_SimulOn(0, 0, AtomicDirGet), 1);
    QTRY_COMPARE(int(record().at(1)), 1);
    QVERIFY(f.Tap("flyin_OK"));
    QTRY_VERIFY(!f.Item("tconFlyin")->isVisible());
    QVERIFY(f.Tap("tconSettingsOk"));
    QVERIFY(f.WaitShown(kQml + "TelemetryControls.qml"));
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_SimulOn(0, 0, AtomicDirGet), 0);
    QTRY_COMPARE(int(record().at(1)), 0);
  }

  // The screens the cases above show on the larger board, on the smaller
  // one; the notes exported to a USB stick, and refused without one.
  void smallerBoardScreens() {
    QmlFrame f(g_app, CSimBoard::Fenk);
    AddMulti(f.Controllers().Sensors());
    f.Controllers().SetStreaming(true);
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    db.KLX_DataBaseManagerRescanTelemetry();
    QTRY_COMPARE(db.KLX_DataBaseManagerTelemetrieGetSensorIsUsed(kMulti), 1);
    RunEngine(f);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(0, 1, AtomicDirSet), 1);
    const int timer = db.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(0, 5, 20, 1, 0);
    const int servo = db.KLX_DataBaseManagerGUITelemetrieCreateNewServoWidgetOnPage(0, 110, 20, 1, 0);
    const int link = db.KLX_DataBaseManagerGUITelemetrieCreateNewLinkWidgetOnPage(0, 5, 85, 1, "", "");
    const int notes = db.KLX_DataBaseManagerGUITelemetrieCreateNewMInfoWidgetOnPage(0, 110, 85, 1, "");
    QVERIFY(timer >= 0 && servo >= 0 && link >= 0 && notes >= 0);
    const QList<std::pair<QString, QVariantMap>> screens = {
        {"TelemetryWidgetTimerSetup", {{"pageId", 0}, {"elementId", timer}, {"timerId", -1}}},
        {"TelemetryWidgetTimerAlarmConfig", {{"timerId", 0}, {"pageId", 0}, {"elementId", timer}, {"timerName", "timer"}}},
        {"TelemetryWidgetServoSetup", {{"pageId", 0}, {"elementId", servo}}},
        {"TelemetryWidgetQuickLinkSetup", {{"pageId", 0}, {"elementId", link}}},
        {"TelemetryWidgetLabelSetup", {{"pageId", 0}, {"elementId", notes}}},
        {"TelemetryControls", {}}};
    for (const auto& screen : screens) {
      QVERIFY(Open(f, screen.first + ".qml", screen.second));
      f.Settle();
      f.Grab(screen.first + "-fenk.png");
    }

    // Notes exported: none without a stick, one dated file on it.
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_LabelText(0, notes, "Fuel 2 l\nBatt 3S", AtomicDirSet);
    QVERIFY(Open(f, "TelemetryWidgetLabelSetup.qml", {{"pageId", 0}, {"elementId", notes}}));
    QVERIFY(f.Tap("labelExport"));
    QTRY_COMPARE(f.PopupText(), QString("Export failed!\nPlease check if USB is connected and working"));
    f.Call("", "popupClose");
    QVERIFY(f.Board().SetUsbStickInserted(0, true));
    QVERIFY(f.Tap("labelExport"));
    QTRY_COMPARE(f.PopupText(), QString("Export successful"));
    f.Call("", "popupClose");
    const QString stick = KLX_FileNameHandler().KLX_FileNameHandlerGetUSBStickPath(0);
    const QStringList files = QDir(stick).entryList({"*.txt"}, QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY2(QRegularExpression("^\\d{8}_\\d{6}_[0-9a-z]{8}\\.txt$").match(files.first()).hasMatch(), qPrintable(files.first()));
    QFile exported(QDir(stick).filePath(files.first()));
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll(), QByteArray("Fuel 2 l\nBatt 3S"));

    QVERIFY(Open(f, "TelemetryControls.qml", {}));
    QVERIFY(f.Tap("tconAdd"));
    QTRY_VERIFY(f.Item("tconSource_0"));
    QVERIFY(f.Tap("tconSource_0"));
    QVERIFY(f.WaitShown(kQml + "TelemetryWidgetValueSensorSlaveChooser.qml"));
    QVERIFY(f.Tap("chooseSensor_12"));
    QVERIFY(f.Tap("chooseValue_0"));
    QVERIFY(f.Tap("chooserOk"));
    QVERIFY(f.WaitShown(kQml + "TelemetryControls.qml"));
    QTRY_COMPARE(f.Property("tconOutput_0", "gp_text").toString(), QString("100%"));
    f.Settle();
    f.Grab("TelemetryControls-row-fenk.png");
    QVERIFY(Open(f, "TelemetryControlSett2.qml", {{"tconIndex", 0}, {"sensAddr", kMulti}, {"slaveAddr", 0}}));
    QTRY_VERIFY(f.Property("teleControlSettings", "ready").toBool());
    f.Settle();
    f.Grab("tcon-settings-fenk.png");
  }

 private:
  std::unique_ptr<QmlFrame> m_Frame;
  QmlFrame& Shared() {
    if (!m_Frame) {
      m_Frame.reset(new QmlFrame(g_app));
      SharedFrameHolder() = &m_Frame;
      AddMulti(m_Frame->Controllers().Sensors());
      m_Frame->Controllers().SetStreaming(true);
      if (!m_Frame->StartAtHome()) qFatal("the main window did not start");
      KLX_DataBaseManager& db = m_Frame->Db();
      db.KLX_DataBaseManagerRescanTelemetry();
      if (!QTest::qWaitFor([&] { return db.KLX_DataBaseManagerTelemetrieGetSensorIsUsed(kMulti) == 1 &&
                                        db.KLX_DataBaseManagerTelemetrieGetSlaveValue(kMulti, 2) == 35; }, kHangMs))
        qFatal("sensor 12 sends no values");
      RunEngine(*m_Frame);
    }
    m_Frame->Call("", "popupClose");
    return *m_Frame;
  }
  // As after a model load: the engine runs.
  static void RunEngine(QmlFrame& f) {
    f.Errors().Expect({0x33901, 0x33902});
    f.System().RuntimeDatabase().KLX_RuntimeDatabaseManagerStartProcessing(false);
    f.Db().KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
  }
  // The only widget of page 0, with value 0 of sensor 12 in sensor slot 0;
  // -1 when the store refused.
  static int NewValueWidget(QmlFrame& f) {
    KLX_DataBaseManager& db = f.Db();
    db.KLX_DataBaseManagerGUITelemetrieClearAll();
    db.KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(0, 1, AtomicDirSet);
    const int e = db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(0, 5, 20, 1);
    if (db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(0, e, kMulti) != 0) return -1;
    return db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(0, e, 0, kMulti, 0) >= 0 ? e : -1;
  }
  // A virtual switch in the model (as its element task would leave it).
  static int NewSwitch(QmlFrame& f, bool visible) {
    KLX_DataBaseManager& db = f.Db();
    const int s = db.KLX_DataBaseManagerSwitchGetNextFreeIndex();
    db.KLX_DataBaseManagerSwitchGetSet_IsUsed(s, 1, AtomicDirSet, true);
    db.KLX_DataBaseManagerSwitchGetSet_IsVisible(s, visible ? 1 : 0, AtomicDirSet, true);
    return s;
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestWidgetSetup test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_widget_setup.moc"
