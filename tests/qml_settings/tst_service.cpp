// The appearance, service and radio-test screens, and every screen of the
// settings on both boards: the radio-test buttons' messages as the simulated
// transceiver receives them, what the appearance rows store, and what each
// board shows (screenshots kept for a look).
#include "qml_frame/qml_frame_fixture.h"
#include "link/klx_messageids.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kFolder = QStringLiteral("qrc:/Frontend/QML/");
const QString kSystem = kFolder + "14_Settings_System.qml";
const QString kAppearance = kFolder + "1_System_Appearance.qml";
const QString kSelector = kFolder + "CountrySelector.qml";
const QString kService = kFolder + "12.qml";
const QString kRadioTest = kFolder + "23.qml";
constexpr unsigned kClockChanged = 0x21604;
constexpr int kRadioTestMessage = KLX_MSG_RADIO_TEST;      // test function, antenna
constexpr int kGainMessage = KLX_MSG_RADIO_TEST_GAIN;        // 1 up, 2 down
constexpr int kBandwidthMessage = KLX_MSG_RADIO_TEST_BANDWIDTH;  // 0 EU, 1 high channel, 2 low channel
}  // namespace

class TestServiceScreens : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;
  std::unique_ptr<QmlFrame> m_Frame;

  QmlFrame& Frame() { return SharedFrame(g_app, m_Frame); }
  static bool Open(QmlFrame& f, const QString& url) {
    f.Call("", "openScreen", {kFolder + "2_Home.qml", QVariant()});
    f.Call("", "openScreen", {url, QVariant()});
    return f.WaitShown(url);
  }

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }
  void cleanupTestCase() { m_Frame.reset(); }

  // Each button sends its one message, from the application's node.
  void radioTestButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("Test off") << "testOff" << kRadioTestMessage << QByteArray("\x00\x00", 2);
    QTest::newRow("A1 Tx high") << "a1_txHigh" << kRadioTestMessage << QByteArray("\x01\x00", 2);
    QTest::newRow("A1 hopping") << "a1_hopping" << kRadioTestMessage << QByteArray("\x04\x00", 2);
    QTest::newRow("A1 Rx low") << "a1_rxLow" << kRadioTestMessage << QByteArray("\x07\x00", 2);
    QTest::newRow("A2 Tx high") << "a2_txHigh" << kRadioTestMessage << QByteArray("\x01\x01", 2);
    QTest::newRow("A2 Rx mid") << "a2_rxMid" << kRadioTestMessage << QByteArray("\x06\x01", 2);
    QTest::newRow("A2 Rx low") << "a2_rxLow" << kRadioTestMessage << QByteArray("\x07\x01", 2);
    QTest::newRow("Bandwidth EU") << "bandwidthEU" << kBandwidthMessage << QByteArray(1, 0);
    QTest::newRow("-- High channel") << "highChannel" << kBandwidthMessage << QByteArray(1, 1);
    QTest::newRow("++ Low channel") << "lowChannel" << kBandwidthMessage << QByteArray(1, 2);
    QTest::newRow("gain -") << "gainDown" << kGainMessage << QByteArray(1, 2);
    QTest::newRow("gain +") << "gainUp" << kGainMessage << QByteArray(1, 1);
  }
  void radioTestButtons() {
    QFETCH(QString, button);
    QFETCH(int, id);
    QFETCH(QByteArray, data);
    QmlFrame& f = Frame();
    if (f.Shown() != kRadioTest) {
      // As a user gets there: the service screen's radio-test button.
      QVERIFY(Open(f, kService));
      QVERIFY(f.Tap("fccTest"));
      QVERIFY(f.WaitShown(kRadioTest));
    }
    // The transceiver's link quality of receiver 0 and its gain, as read.
    f.Db().KLX_DataBaseManagerGetSetLQI1(87, AtomicDirSet, 0);
    f.Db().KLX_DataBaseManagerGetSetLQI2(45, AtomicDirSet, 0);
    QTRY_COMPARE(f.Property("lqi1", "text").toString(), QString("LQI1: 87"));
    QCOMPARE(f.Property("lqi2", "text").toString(), QString("LQI2: 45"));
    f.Controllers().ClearCounters();
    QVERIFY(f.Tap(button));
    QTRY_VERIFY(!f.Controllers().ReceivedMessages().isEmpty());
    const QList<CSimMessage> received = f.Controllers().ReceivedMessages();
    QCOMPARE(received[0].id, id);
    QCOMPARE(received[0].node, int(SimNodeApplication));
    QCOMPARE(received[0].data, data);
  }

  // The rows store what they show: the background under the lock with its
  // colours, an accent colour's RGB value as fill and border (the accent
  // then marks the chosen buttons), the time rows' minutes; the screen is
  // made again in the new colours.
  void appearanceRows() {
    QmlFrame& f = Frame();
    QVERIFY(Open(f, kAppearance));
    QCOMPARE(f.Item("debugScreen")->isVisible(), false);
    QVERIFY(f.Tap("lock_2"));
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(0, AtomicDirGet), 2);
    QCOMPARE(f.Property("lock_2", "state").toString(), QString("active"));
    QVERIFY(f.Tap("idle_0"));
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemProperties_IdleTimeout(0, AtomicDirGet), 0);

    QObject* screen = f.Named("appearanceScreen");
    QVERIFY(f.Tap("backgroundBlack"));
    QTRY_VERIFY(f.Named("appearanceScreen") && f.Named("appearanceScreen") != screen);
    QCOMPARE(f.Property("rootwindow", "contrast_sheme").toInt(), 0);
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemProperties_DisplayContrast(0, AtomicDirGet), 0);
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemProperties_DisplayColour(0, AtomicDirGet), 0);
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemProperties_DisplayBorderColour(0, AtomicDirGet), 0xfafafa);
    f.Settle();
    screen = f.Named("appearanceScreen");
    QVERIFY(f.Tap("accent_firebrick"));
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemProperties_DisplayColour(0, AtomicDirGet), 0xb22222);
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemProperties_DisplayBorderColour(0, AtomicDirGet), 0xb22222);
    QTRY_VERIFY(f.Named("appearanceScreen") && f.Named("appearanceScreen") != screen);
    QCOMPARE(f.Property("lock_2", "state").toString(), QString("active"));  // read again at opening
    QCOMPARE(f.Property("rootwindow", "rectColour").value<QColor>(), QColor("firebrick"));
    // The accent fills the chosen button only.
    QCOMPARE(f.Property("lock_2", "color").value<QColor>(), QColor("firebrick"));
    QCOMPARE(f.Property("lock_1", "color").value<QColor>(), QColor(Qt::transparent));
    QCOMPARE(f.Shown(), kAppearance);
    f.Settle();
    f.Grab("appearance-dark-firebrick.png");
    QVERIFY(f.Tap("backgroundWhite"));
    QTRY_COMPARE(f.Property("rootwindow", "contrast_sheme").toInt(), 1);
    QCOMPARE(f.Property("rootwindow", "rectColour").value<QColor>(), QColor(Qt::transparent));
  }

  // Every screen of the settings on each board; the smaller board has no
  // automatic date and time, fast start or intro, and its location row
  // carries the summer-time button.
  void everyScreenOnBothBoards_data() {
    BoardRows();
  }
  void everyScreenOnBothBoards() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    f.Errors().Expect(kClockChanged);
    QVERIFY(f.StartAtHome());
    const bool vorn = variant == CSimBoard::Vorn;
    if (!vorn) f.Db().KLX_DataBaseManagerGetSetSystemProperties_DisplayContrast(0, AtomicDirSet);
    f.Call("", "setContrast");

    QVERIFY(Open(f, kSystem));
    f.Settle();
    QCOMPARE(f.Item("dateTimeMode")->parentItem()->isVisible(), vorn);
    QCOMPARE(f.Item("fastStart")->parentItem()->isVisible(), vorn);
    QCOMPARE(f.Item("day")->isVisible(), !vorn);
    QCOMPARE(f.Property("clockMode", "gp_text").toString(), QString(vorn ? "12h" : "Winter"));
    f.Grab("system-" + tag + ".png");
    auto* flick = f.Item("systemFlick");
    flick->setProperty("contentY", flick->property("contentHeight").toReal() - flick->height());
    f.Settle();
    f.Grab("system-" + tag + "-end.png");
    flick->setProperty("contentY", 0);
    f.Settle();
    if (vorn) {
      QVERIFY(f.Tap("dateTimeMode"));
      f.Settle();
      QCOMPARE(f.Item("autoDate")->isVisible(), true);
      f.Grab("system-vorn-automatic.png");
    } else {
      QVERIFY(f.Tap("clockMode"));
      QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DayLightSaving(0, AtomicDirGet), 1);
      QCOMPARE(f.Property("clockMode", "gp_text").toString(), QString("Summer"));
      // No zone chosen: no summer offset to take, the offset stays.
      QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(0, AtomicDirGet), 0);
    }
    QVERIFY(f.Tap("location"));
    QVERIFY(f.WaitShown(kSelector));
    f.Grab("country-selector-" + tag + ".png");

    QVERIFY(Open(f, kAppearance));
    QCOMPARE(f.Item("introVideo")->parentItem()->isVisible(), vorn);
    f.Settle();
    f.Grab("appearance-" + tag + ".png");
    QVERIFY(Open(f, kService));
    f.Grab("service-" + tag + ".png");
    QVERIFY(f.Tap("fccTest"));
    QVERIFY(f.WaitShown(kRadioTest));
    f.Settle();
    f.Grab("radio-test-" + tag + ".png");
    QCOMPARE(f.History().mid(f.History().size() - 2), (QStringList{kService, kRadioTest}));
    f.Key(KLX_DatabaseValues::EventLeft);
    QTRY_COMPARE(f.Shown(), kService);
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestServiceScreens test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_service.moc"
