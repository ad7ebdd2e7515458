// The telemetry pages of the home screen against the simulated sensors
// behind the transceiver: values as shown (decimals, units, coordinates,
// status texts), the sign colours from a widget's limits, a limit crossed
// bringing its page forward, frames made in element order and pages turned
// around, and edit mode writing where the frames were dropped.
#include "qml_telemetry/telemetry_pages.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;

constexpr int kPower = 20;   // numbers with 2, 1 and 0 decimals
constexpr int kGps = 21;     // coordinates
constexpr int kStatus = 22;  // a status text
constexpr int kAbsent = 30;  // no such sensor
constexpr int kSmall = KLX_DatabaseValues::TELEGUISIZE_Small;
constexpr int kMedium = KLX_DatabaseValues::TELEGUISIZE_Medium;
constexpr int kHuge = KLX_DatabaseValues::TELEGUISIZE_Huge;
// The drop cells' corners: columns and rows.
const int kCellX[] = {5, 110, 265, 370};
const int kCellY[] = {20, 85, 150};

void AddSensors(CSimSensors& s) {
  s.Add(kPower, "Power");
  s.Describe(kPower, 0, "Voltage", "V", 2);
  s.SetValue(kPower, 0, 1234);
  s.Describe(kPower, 1, "Current", "A", 1);
  s.SetValue(kPower, 1, -5);
  s.Describe(kPower, 2, "Speed", "rpm", 0);
  s.SetValue(kPower, 2, 3500);
  s.Describe(kPower, 3, "Temp", "C", 0);
  s.SetValue(kPower, 3, 15);
  s.AddGps(kGps);
  s.SetGps(kGps, 0, -1234567890, 475000000);
  s.Add(kStatus, "State");
  s.SetStatus(kStatus, 24, "Ready");
}

QString PageText(QmlFrame& f) { return f.Property("pageLabel", "text").toString(); }
// The element numbers of the frames made, in the order they were made.
QList<int> Frames(QmlFrame& f) {
  QList<int> elements;
  for (const QVariant& v : f.Property("home", "widgets").toList())
    elements << v.value<QObject*>()->property("myContainerId").toInt();
  return elements;
}
QString Value(QmlFrame& f, int element) {
  return f.Property(QStringLiteral("teleValue_%1").arg(element), "valueText").toString();
}
int Sign(QmlFrame& f, int element) { return f.Property(QStringLiteral("teleValue_%1").arg(element), "sign").toInt(); }

// Sign colours as the value view names them.
enum { SignNone = 0, SignYellow = 1, SignRed = 2, SignGreen = 3 };

// The value rows: (address, value index) and the text shown.
struct ValueRow {
  const char* name;
  int address;
  int index;
  const char* shown;
};
const ValueRow kValueRows[] = {
    {"two decimals", kPower, 0, "12.34 V"},
    {"one decimal, negative", kPower, 1, "-0.5 A"},
    {"no decimals", kPower, 2, "3500 rpm"},
    {"no unit", kGps, 2, "9"},
    {"longitude west", kGps, 4, "123\u00b027'24.44''W"},
    {"latitude north", kGps, 6, "47\u00b030'0.00''N"},
    {"status text", kStatus, 24, "Ready"},
    {"sensor not in use", kAbsent, 0, "---"},
};
constexpr int kRows = int(sizeof kValueRows / sizeof kValueRows[0]);
}  // namespace

class TestPages : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;
  std::unique_ptr<QmlFrame> m_Values;
  int m_SignElement = -1;

  // One system for the value and sign rows: a widget for each value row and
  // one for the sign colours, all on the first page.
  QmlFrame& ValuesFrame() {
    if (!m_Values) {
      m_Values.reset(new QmlFrame(g_app));
      SharedFrameHolder() = &m_Values;
      const bool started = StartWithWidgets(*m_Values, AddSensors, [&](KLX_DataBaseManager& db) {
        for (int row = 0; row < kRows; ++row)
          AddValueWidget(db, 0, kCellX[row % 4], kCellY[row / 4], kSmall, kValueRows[row].address, kValueRows[row].index);
        m_SignElement = AddValueWidget(db, 0, kCellX[0], kCellY[2], kSmall, kPower, 3);
      });
      if (!started) qFatal("the home screen with the value widgets did not start");
    }
    return *m_Values;
  }

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  void valuesAsShown_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < kRows; ++row) QTest::newRow(kValueRows[row].name) << row;
  }
  void valuesAsShown() {
    QFETCH(int, row);
    QmlFrame& f = ValuesFrame();
    QTRY_COMPARE(Value(f, row), QString::fromUtf8(kValueRows[row].shown));
  }

  // The limits of the value slot in the value's own scale (15 read as 15 C):
  // red outside RB..RA, or inside RA..RB when inverted, yellow likewise,
  // equal limits never.
  void signColours_data() {
    QTest::addColumn<int>("redBelow");
    QTest::addColumn<int>("yellowBelow");
    QTest::addColumn<int>("yellowAbove");
    QTest::addColumn<int>("redAbove");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("sign");
    QTest::newRow("RB<RA, inside both") << 0 << 10 << 30 << 40 << 20 << int(SignGreen);
    QTest::newRow("RB<RA, below red") << 10 << 20 << 30 << 40 << 5 << int(SignRed);
    QTest::newRow("RB<RA, above red") << 10 << 20 << 30 << 40 << 45 << int(SignRed);
    QTest::newRow("RB<RA, in the yellow band") << 10 << 20 << 30 << 40 << 35 << int(SignYellow);
    QTest::newRow("RB<RA, on the red limit") << 10 << 20 << 30 << 40 << 40 << int(SignYellow);
    QTest::newRow("RA<RB, between") << 20 << 0 << 0 << 10 << 15 << int(SignRed);
    QTest::newRow("RA<RB, on the limit") << 20 << 0 << 0 << 10 << 10 << int(SignRed);
    QTest::newRow("RA<RB, outside") << 20 << 0 << 0 << 10 << 25 << int(SignGreen);
    QTest::newRow("RA<RB, yellow inverted") << 20 << 30 << 24 << 10 << 25 << int(SignYellow);
    QTest::newRow("equal, never red") << 15 << 0 << 0 << 15 << 15 << int(SignGreen);
    QTest::newRow("equal, never yellow") << -32768 << 7 << 7 << 32767 << 7 << int(SignGreen);
  }
  void signColours() {
    QFETCH(int, redBelow);
    QFETCH(int, yellowBelow);
    QFETCH(int, yellowAbove);
    QFETCH(int, redAbove);
    QFETCH(int, value);
    QFETCH(int, sign);
    QmlFrame& f = ValuesFrame();
    KLX_DataBaseManager& db = f.Db();
    const int e = m_SignElement;
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelow(0, e, 0, 0, redBelow, AtomicDirSet);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelow(0, e, 0, 0, yellowBelow, AtomicDirSet);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAbove(0, e, 0, 0, yellowAbove, AtomicDirSet);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(0, e, 0, 0, redAbove, AtomicDirSet);
    f.Controllers().Sensors().SetValue(kPower, 3, value);
    QTRY_COMPARE(Value(f, e), QStringLiteral("%1 C").arg(value));
    QTRY_COMPARE(Sign(f, e), sign);
  }

  // A value crossing its red limit on the second page: the alarm evaluation
  // marks the slot and the home screen turns to that page, the widget red
  // from its first frame. Its information shows the lowest and highest
  // readings and clears the mark.
  void limitCrossedBringsThePageForward() {
    m_Values.reset();
    QmlFrame f(g_app);
    int alarmed = -1;
    QVERIFY(StartWithWidgets(f, AddSensors, [&](KLX_DataBaseManager& db) {
      AddValueWidget(db, 0, 5, 20, kSmall, kPower, 1);
      AddValueWidget(db, 1, 5, 20, kSmall, kPower, 2);
      alarmed = AddValueWidget(db, 1, 110, 20, kMedium, kPower, 0);
      db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelow(1, alarmed, 0, 0, 1000, AtomicDirSet);
      db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertSignalType(
          1, alarmed, 0, 0, KLX_DatabaseValues::KLX_WIDGET_ALARM_SIGNAL_TYP_ONESHOT, AtomicDirSet);
    }));
    QCOMPARE(PageText(f), QString("Page  1/2"));
    QTRY_COMPARE(Value(f, 0), QString("-0.5 A"));
    f.Controllers().Sensors().SetValue(kPower, 0, 950);
    QTRY_COMPARE(PageText(f), QString("Page  2/2"));
    QTRY_COMPARE(Frames(f), (QList<int>{0, alarmed}));
    const QString name = QStringLiteral("teleValue_%1").arg(alarmed);
    QCOMPARE(f.Property(name, "presetSign").toInt(), 2);
    QCOMPARE(Sign(f, alarmed), int(SignRed));
    QCOMPARE(Value(f, alarmed), QString("9.50 V"));
    QCOMPARE(f.Db().KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(1, alarmed, 0, 0, 0, AtomicDirGet), 2);
    f.Settle();
    f.Grab("tele-alarm.png");
    // Back within its limits the value is green, and its mark blinks red
    // until the alert is cleared.
    f.Controllers().Sensors().SetValue(kPower, 0, 1100);
    QTRY_COMPARE(Sign(f, alarmed), int(SignGreen));
    QCOMPARE(f.Property(name, "blinkFlag").toInt(), 2);

    // The information mark: the readings since the start, and the alerts cleared.
    QVERIFY(f.Tap(QStringLiteral("infoMark_%1").arg(alarmed)));
    QTRY_VERIFY(f.Named("valueInformation"));
    QTRY_COMPARE(f.Property("minText", "text").toString(), QString("9.50 V"));
    QCOMPARE(f.Property("maxText", "text").toString(), QString("12.34 V"));
    QCOMPARE(f.Property("alertMark", "color").value<QColor>(), QColor("#e03c31"));
    f.Settle();
    f.Grab("tele-information.png");
    QVERIFY(f.Tap("resetAlerts"));
    QCOMPARE(f.Db().KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(1, alarmed, 0, 0, 0, AtomicDirGet), 0);
    QVERIFY(f.Tap("closeInformation"));
    QTRY_VERIFY(!f.Named("valueInformation"));
    QTRY_COMPARE(f.Property(name, "blinkFlag").toInt(), 0);
  }

  // Widgets at elements 0, 3 and 7 give exactly three frames in that order;
  // a swipe over a widget turns the page, and the pages turn around.
  void framesInElementOrderAndPagesTurnAround() {
    m_Values.reset();
    QmlFrame f(g_app);
    QVERIFY(StartWithWidgets(f, AddSensors, [&](KLX_DataBaseManager& db) {
      for (int e = 0; e < 8; ++e)
        db.KLX_DataBaseManagerGUITelemetrieCreateNewMInfoWidgetOnPage(0, kCellX[e % 4], kCellY[e / 4 % 3], kSmall, "");
      for (int e : {1, 2, 4, 5, 6}) db.KLX_DataBaseManagerGUITelemetrieDeleteElement(0, e);
      db.KLX_DataBaseManagerGUITelemetrieCreateNewMInfoWidgetOnPage(1, 265, 150, kMedium, "");
      db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_LabelText(1, 0, "Second page", AtomicDirSet);
    }));
    QCOMPARE(Frames(f), (QList<int>{0, 3, 7}));
    QQuickItem* frame = f.Item("teleFrame_3");
    QVERIFY(frame);
    f.Swipe(f.Centre(frame), f.Centre(frame) - QPoint(100, 0));
    QCOMPARE(PageText(f), QString("Page  2/2"));
    QTRY_COMPARE(Frames(f), QList<int>{0});
    QCOMPARE(f.Property("labelText", "text").toString(), QString("Second page"));
    // The first page made only as far as its first frame: the frames come
    // one a beat, and the beats are the test's here, as a busy machine's
    // animation clock may make them all before a look.
    QObject* beat = f.Named("widgetTimer");
    QVERIFY(beat);
    const int interval = beat->property("interval").toInt();
    beat->setProperty("interval", kHangMs * 10);
    f.Key(KLX_DatabaseValues::EventRight);
    QCOMPARE(PageText(f), QString("Page  1/2"));
    QTRY_VERIFY(beat->property("running").toBool());
    QVERIFY(QMetaObject::invokeMethod(beat, "triggered"));
    QCOMPARE(Frames(f), QList<int>{0});
    beat->setProperty("interval", interval);
    // Turned away after the first frame: only the new page's frames remain.
    f.Key(KLX_DatabaseValues::EventLeft);
    QCOMPARE(PageText(f), QString("Page  2/2"));
    // Once the page is made: its own frame, none of the page turned from.
    QTRY_VERIFY(!f.Property("home", "building").toBool());
    QCOMPARE(Frames(f), QList<int>{0});
    QCOMPARE(f.Property("home", "widgets").toList().constFirst().value<QObject*>()->property("myTelemetryPageId").toInt(), 1);
  }

  // The screens hear only of the sensors that the shown page shows: the
  // page turned, its views hand the notices over to the new page's sensor.
  void noticesFollowTheShownPage() {
    m_Values.reset();
    QmlFrame f(g_app);
    QVERIFY(StartWithWidgets(f, AddSensors, [&](KLX_DataBaseManager& db) {
      AddValueWidget(db, 0, 5, 20, kSmall, kPower, 0);
      AddValueWidget(db, 1, 5, 20, kSmall, kStatus, 24);
    }));
    KLX_DataBaseManager& db = f.Db();
    CSimSensors& sensors = f.Controllers().Sensors();
    QSignalSpy told(&db, &KLX_DataBaseManager::liveValuesChanged);
    const auto named = [&](int address) {
      return std::any_of(told.begin(), told.end(), [&](const QList<QVariant>& n) { return n[1].toList().contains(address); });
    };
    // Each change in the store before the next: a notice of the first
    // comes before one of the second.
    const auto power = [&](int value) {
      sensors.SetValue(kPower, 0, value);
      return QTest::qWaitFor([&] { return db.KLX_DataBaseManagerTelemetrieGetSlaveValue(kPower, 0) == value; }, kHangMs);
    };
    const auto status = [&](const QByteArray& text) {
      sensors.SetStatus(kStatus, 24, text);
      return QTest::qWaitFor([&] { return db.KLX_DataBaseManagerTelemetrieGetSlaveStatus(kStatus, 24) == text; }, kHangMs);
    };
    QVERIFY(status("Busy") && power(1111));
    QTRY_COMPARE(Value(f, 0), QString("11.11 V"));
    QVERIFY(named(kPower));
    QVERIFY(!named(kStatus));

    f.Key(KLX_DatabaseValues::EventRight);
    QTRY_COMPARE(f.Property("teleValue_0", "valueText").toString(), QString("Busy"));
    told.clear();
    QVERIFY(power(2222) && status("Idle"));
    QTRY_COMPARE(Value(f, 0), QString("Idle"));
    QVERIFY(named(kStatus));
    QVERIFY(!named(kPower));
  }

  // Edit mode: the frames shake, one is dragged onto a cell and another off
  // every cell; the home key ends edit mode, and each frame's position is
  // written to the page store.
  void editModeWritesWhereFramesWereDropped() {
    m_Values.reset();
    QmlFrame f(g_app);
    QVERIFY(StartWithWidgets(f, AddSensors, [&](KLX_DataBaseManager& db) {
      AddValueWidget(db, 0, 5, 20, kSmall, kPower, 0);
      AddValueWidget(db, 0, 265, 150, kMedium, kPower, 1);
    }));
    KLX_DataBaseManager& db = f.Db();
    QQuickItem* first = f.Item("teleFrame_0");
    QQuickItem* second = f.Item("teleFrame_1");
    f.Hold(f.Centre(first), 1000);
    QTRY_COMPARE(f.Property("home", "editMode").toBool(), true);
    QTRY_VERIFY(first->rotation() != 0.0);
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    // Onto the cell at 370, 85.
    f.Swipe(f.Centre(first), QPoint(370 + 50, 85 + 50 + 25));
    QCOMPARE(first->position(), QPointF(370, 85));
    // Off every cell (between the two grids): back where it was.
    f.Swipe(f.Centre(second), QPoint(237, 200));
    QCOMPARE(second->position(), QPointF(265, 150));
    f.Settle();
    f.Grab("tele-edit-mode.png");
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_XPos(0, 0, 0, AtomicDirGet), 5);
    f.Key(KLX_DatabaseValues::EventHome);
    QCOMPARE(f.Property("home", "editMode").toBool(), false);
    QTRY_COMPARE(first->rotation(), 0.0);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_XPos(0, 0, 0, AtomicDirGet), 370);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_YPos(0, 0, 0, AtomicDirGet), 85);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_XPos(0, 1, 0, AtomicDirGet), 265);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_YPos(0, 1, 0, AtomicDirGet), 150);
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  // A timer widget whose timer was deleted asks for a timer and drops the
  // alarm data it kept for that timer (value slot 1 of timer 1).
  void aDeletedTimerLeavesNoAlarmData() {
    m_Values.reset();
    QmlFrame f(g_app);
    int widget = -1;
    QVERIFY(StartWithWidgets(f, AddSensors, [&](KLX_DataBaseManager& db) {
      widget = db.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(0, 5, 20, kMedium, 1);
      db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(0, widget, 0);
      db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(0, widget, 0, 0, 0);
      db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(0, widget, 0, 0, 1);
    }));
    QCOMPARE(f.Property("timerName", "text").toString(), QString("Select timer!"));
    QCOMPARE(f.Property("timeText", "text").toString(), QString("Empty timer"));
    KLX_DataBaseManager& db = f.Db();
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(0, widget, 0, 1, 0, AtomicDirGet), int(KLX_False));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(0, widget, 0, 0, 0, AtomicDirGet), int(KLX_True));
  }

  // Every widget kind in each size it comes in, on both boards.
  void everyWidgetSize_data() { BoardRows(); }
  void everyWidgetSize() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    m_Values.reset();
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    QVERIFY(StartWithWidgets(f, AddSensors, [&](KLX_DataBaseManager& db) {
      db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, AtomicDirSet);
      db.KLX_DataBaseManagerTimerGetSet_Name(0, "Flight", AtomicDirSet);
      db.KLX_DataBaseManagerTimerGetSet_StopTimeMinute(0, 6, AtomicDirSet);
      db.KLX_DataBaseManagerServoConfigGetSet_Name(0, "Aileron L", AtomicDirSet);
      // First page: a value in each size, a timer, a servo, a link, notes.
      AddValueWidget(db, 0, 5, 20, kHuge, kPower, 0);
      AddValueWidget(db, 0, 5, 150, kMedium, kGps, 4);
      AddValueWidget(db, 0, 265, 20, kSmall, kStatus, 24);
      db.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(0, 370, 20, kSmall, 0);
      db.KLX_DataBaseManagerGUITelemetrieCreateNewServoWidgetOnPage(0, 265, 85, kMedium, 0);
      db.KLX_DataBaseManagerGUITelemetrieCreateNewLinkWidgetOnPage(0, 265, 150, kSmall, "2", "");
      const int notes = db.KLX_DataBaseManagerGUITelemetrieCreateNewMInfoWidgetOnPage(0, 370, 150, kSmall, "");
      db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_LabelText(0, notes, "Fuel up before the flight", AtomicDirSet);
      // Second page: the model image, a timer in the larger sizes, a link and notes.
      db.KLX_DataBaseManagerGUITelemetrieCreateNewModelImageOnPage(1, 5, 20);
      const int timer = db.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(1, 5, 150, kMedium, 0);
      db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAbove(1, timer, 0, 0, 300, AtomicDirSet);
      db.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(1, 265, 20, kHuge, 0);
      db.KLX_DataBaseManagerGUITelemetrieCreateNewServoWidgetOnPage(1, 265, 150, kSmall, 0);
      const int big = db.KLX_DataBaseManagerGUITelemetrieCreateNewMInfoWidgetOnPage(1, 370, 150, kSmall, "");
      db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_LabelText(1, big, "Notes", AtomicDirSet);
    }));
    QTRY_COMPARE(Value(f, 0), QString("12.34 V"));
    QTRY_COMPARE(Value(f, 1), QString("123\u00b027'24.44''W"));
    QTRY_COMPARE(Value(f, 2), QString("Ready"));
    QCOMPARE(f.Property("timerName", "text").toString(), QString("Flight"));
    QCOMPARE(f.Property("servoName", "text").toString(), QString("Aileron L"));
    QCOMPARE(f.Property("linkLine", "text").toString(), QString("Servos"));
    f.Settle();
    f.Grab("tele-page-" + tag + ".png");
    f.Key(KLX_DatabaseValues::EventRight);
    QTRY_COMPARE(Frames(f).size(), 5);
    QVERIFY(f.Named("teleModelImage_0"));
    QTRY_COMPARE(f.Property("stopLine", "text").toString(), QString("Stop: 06:00"));
    f.Settle();
    f.Grab("tele-page2-" + tag + ".png");
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestPages test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_pages.moc"
