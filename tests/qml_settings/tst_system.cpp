// The system settings screen on the real facade, touched as a user touches
// it: the manual date and time through the numeric pad (what the settings
// clock then holds and what the system clock is told), the 12-hour entry
// and the mode button, the language flags, the front socket's mode as the
// simulated transceiver reports it, and the export of the system information.
#include <QSignalSpy>
#include "qml_frame/qml_frame_fixture.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kSystem = QStringLiteral("qrc:/Frontend/QML/14_Settings_System.qml");
constexpr unsigned kNoUsbStick = 0x24605;
constexpr unsigned kClockChanged = 0x21604;
constexpr int kFrontPlugMode = 229;     // to the transceiver: operation, mode
constexpr int kFrontPlugAnswer = 144;   // from it: the mode
}  // namespace

class TestSystemScreen : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;
  std::unique_ptr<QmlFrame> m_Frame;

  // The front socket's mode comes from the transceiver only when a case
  // sends it. The saver's periodic pass is held: one inside a row would
  // write the state file a row set aside, or end the date's telemetry pause.
  QmlFrame& Frame() {
    const bool fresh = !m_Frame;
    QmlFrame& f = SharedFrame(g_app, m_Frame);
    if (fresh) {
      f.HoldPeriodicSaves();
      f.Controllers().TransceiverController().Answers().Set(CSimTransceiver::KeyFrontPlug, {0, true, false, 1});
    }
    return f;
  }

  // The screen made anew (a screen shown again is not made again).
  static bool Open(QmlFrame& f) {
    f.Call("", "openScreen", {kHome, QVariant()});
    f.Call("", "openScreen", {kSystem, QVariant()});
    return f.WaitShown(kSystem);
  }
  // The keyboard slides in with an elastic swing: its keys are tapped once
  // they have stood still for a while.
  static bool KeyboardAtRest(QmlFrame& f) {
    QPointF last(-1, -1);
    int still = 0;
    return QTest::qWaitFor(
        [&] {
          QQuickItem* key = f.Item("key_ok");
          const QPointF at = key ? key->mapToScene(QPointF()) : QPointF(-1, -1);
          still = at == last ? still + 1 : 0;
          last = at;
          return still >= 5;
        },
        kHangMs);
  }
  // The row of a control is moved into view, as a flick would, and touched.
  static bool Touch(QmlFrame& f, const QString& name) {
    f.Settle();
    QQuickItem* item = f.Item(name);
    auto* flick = f.Item("systemFlick");
    if (!item || !flick) return false;
    auto* content = flick->property("contentItem").value<QQuickItem*>();
    const qreal top = item->mapToItem(content, QPointF(0, 0)).y();
    const qreal most = qMax<qreal>(0, flick->property("contentHeight").toReal() - flick->height());
    flick->setProperty("contentY", qBound<qreal>(0, top - 40, most));
    return f.Tap(name);
  }
  static QString Text(QmlFrame& f, const QString& button) { return f.Property(button, "gp_text").toString(); }
  // A value typed on the pad of a field: the shown value deleted, the digits, OK.
  static void Enter(QmlFrame& f, const QString& field, const QString& digits) {
    QVERIFY(Touch(f, field));
    QTRY_VERIFY(f.Property("padHost", "extended").toBool());
    for (int i = 0; i < 4; ++i) QVERIFY(f.Tap("numpad_delete"));
    for (const QChar& d : digits) QVERIFY(f.Tap("numpad_" + QString(d)));
    QVERIFY(f.Tap("numpad_ok"));
  }
  // The screen opened with automatic date and time, its box opened and
  // switched to manual: the battery thread leaves the settings clock alone.
  static bool OpenManual(QmlFrame& f) {
    f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime(1, AtomicDirSet);
    if (!Open(f) || !Touch(f, "dateTimeMode") || !Touch(f, "dateTimeMode")) return false;
    return !f.Property("systemScreen", "datetimeAuto").toBool() && f.Property("day", "visible").toBool() &&
           f.Db().KLX_DataBaseManagerSystemPropertiesGetState() == 1;
  }
  static QDateTime Clock(QmlFrame& f) { return f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGet_DateTime(); }
  static QList<QByteArray> Sent(QmlFrame& f, int id) {
    QList<QByteArray> sent;
    for (const CSimMessage& m : f.Controllers().ReceivedMessages())
      if (m.id == id && m.node == SimNodeApplication) sent << m.data;
    return sent;
  }

 private slots:
  void initTestCase() {
    m_Warnings.Install();
    Frame().Errors().Expect(kClockChanged);
  }
  void cleanup() {
    m_Warnings.Verify();
    if (m_Frame) m_Frame->Call("", "popupClose");
  }
  void cleanupTestCase() { m_Frame.reset(); }

  // A day beyond the month's end is the month's last day; a year out of
  // range stores nothing and the pad stays open.
  void manualDate_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QDateTime>("before");
    QTest::addColumn<QDateTime>("after");
    QTest::addColumn<QString>("command");
    const QTime t(10, 20);
    QTest::newRow("day 31 in April") << "day" << "31" << QDateTime(QDate(2024, 4, 10), t)
                                     << QDateTime(QDate(2024, 4, 30), t) << "date 2024-4-30 10:20";
    QTest::newRow("February of a leap year") << "month" << "2" << QDateTime(QDate(2024, 1, 30), t)
                                             << QDateTime(QDate(2024, 2, 29), t) << "date 2024-2-29 10:20";
    QTest::newRow("February of another year") << "month" << "2" << QDateTime(QDate(2023, 1, 30), t)
                                              << QDateTime(QDate(2023, 2, 28), t) << "date 2023-2-28 10:20";
    QTest::newRow("year 2038") << "year" << "2038" << QDateTime(QDate(2024, 4, 10), t) << QDateTime() << "";
    QTest::newRow("year 1969") << "year" << "1969" << QDateTime(QDate(2024, 4, 10), t) << QDateTime() << "";
  }
  void manualDate() {
    QFETCH(QString, field);
    QFETCH(QString, digits);
    QFETCH(QDateTime, before);
    QFETCH(QDateTime, after);
    QFETCH(QString, command);
    QmlFrame& f = Frame();
    f.Db().KLX_DataBaseManagerGetSetSystemPropertiesSet_DateTime(before, false);
    QVERIFY(OpenManual(f));
    const int pause = f.Db().KLX_DataBaseManagerTelemetryPauseReason();
    const int commands = f.Board().RecordedCommands().size();
    Enter(f, field, digits);
    if (!after.isValid()) {
      QCOMPARE(Clock(f), before);
      QCOMPARE(f.Property("padHost", "extended").toBool(), true);
      QCOMPARE(f.Board().RecordedCommands().size(), commands);
      QCOMPARE(f.Db().KLX_DataBaseManagerTelemetryPauseReason(), pause);
      f.Grab("system-year-refused.png");
      f.Key(KLX_DatabaseValues::EventLeft);  // closes the pad, stores nothing
      QCOMPARE(f.Property("padHost", "extended").toBool(), false);
      QCOMPARE(f.Shown(), kSystem);
      return;
    }
    QCOMPARE(Clock(f), after);
    QCOMPARE(f.Property("padHost", "extended").toBool(), false);
    QCOMPARE(Text(f, "day"), QString::number(after.date().day()));
    QCOMPARE(Text(f, "month"), QString::number(after.date().month()));
    QCOMPARE(f.Board().RecordedCommands().mid(commands).value(0), command);
    QCOMPARE(f.Db().KLX_DataBaseManagerTelemetryPauseReason(), int(KLX_DatabaseValues::TELELOG_DateChangeTag));
  }

  // In 12-hour display 12 is noon, a later hour is in the afternoon and 0
  // is midnight; the mode button walks 24h, AM, PM and moves the clock into
  // the half of the day it shows.
  void twelveHourEntry() {
    QmlFrame& f = Frame();
    f.Db().KLX_DataBaseManagerGetSetSystemPropertiesSet_DateTime(QDateTime(QDate(2024, 4, 10), QTime(9, 5)), false);
    f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(0, AtomicDirSet);
    QVERIFY(OpenManual(f));
    QCOMPARE(Text(f, "timeMode"), QString("AM"));
    QCOMPARE(Text(f, "hour"), QString("09"));

    Enter(f, "hour", "12");
    QCOMPARE(Clock(f).time(), QTime(12, 5));
    QCOMPARE(Text(f, "timeMode"), QString("PM"));
    QCOMPARE(Text(f, "hour"), QString("12"));
    Enter(f, "hour", "3");
    QCOMPARE(Clock(f).time(), QTime(15, 5));
    QCOMPARE(Text(f, "hour"), QString("03"));
    Enter(f, "hour", "0");
    QCOMPARE(Clock(f).time(), QTime(0, 5));
    QCOMPARE(Text(f, "timeMode"), QString("AM"));
    QCOMPARE(Text(f, "hour"), QString("00"));
    Enter(f, "hour", "13");  // above 12: refused
    QCOMPARE(Clock(f).time(), QTime(0, 5));
    f.Key(KLX_DatabaseValues::EventLeft);

    QVERIFY(Touch(f, "timeMode"));  // AM to PM: the clock into the afternoon
    QCOMPARE(Clock(f).time(), QTime(12, 5));
    QCOMPARE(Text(f, "timeMode"), QString("PM"));
    QVERIFY(Touch(f, "timeMode"));  // PM to 24h
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(0, AtomicDirGet), 1);
    QCOMPARE(Text(f, "timeMode"), QString("24h"));
    Enter(f, "hour", "24");  // the limit itself is refused in 24-hour display
    QCOMPARE(Clock(f).time(), QTime(12, 5));
    f.Key(KLX_DatabaseValues::EventLeft);
    Enter(f, "hour", "23");
    QCOMPARE(Clock(f).time(), QTime(23, 5));
    QVERIFY(Touch(f, "timeMode"));  // 24h to AM: the clock into the morning
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(0, AtomicDirGet), 0);
    QCOMPARE(Clock(f).time(), QTime(11, 5));
    QCOMPARE(Text(f, "timeMode"), QString("AM"));
    QCOMPARE(Text(f, "hour"), QString("11"));
    f.Grab("system-manual-12h.png");
    f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(1, AtomicDirSet);
  }

  // The keyboard opens with the stored name, selected so that typing
  // replaces it; OK stores the text, the back key closes it and stores nothing.
  void pilotName() {
    QmlFrame& f = Frame();
    QVERIFY(Open(f));
    const QString stored = f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName("", AtomicDirGet);
    QVERIFY(Touch(f, "pilotName"));
    auto* field = f.Item("keyboardField");
    QTRY_VERIFY(field->hasActiveFocus());
    QCOMPARE(field->property("text").toString(), stored);
    QVERIFY(KeyboardAtRest(f));
    for (const char* key : {"key_shift", "key_8", "key_3", "key_2"}) QVERIFY(f.Tap(key));
    f.Grab("system-pilot-name.png");
    QVERIFY(f.Tap("key_ok"));
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName("", AtomicDirGet), QString("Iew"));
    QTRY_COMPARE(Text(f, "pilotName"), QString("Iew"));
    QVERIFY(Touch(f, "pilotName"));
    QTRY_VERIFY(field->hasActiveFocus());
    QCOMPARE(field->property("text").toString(), QString("Iew"));
    QVERIFY(KeyboardAtRest(f));
    QVERIFY(f.Tap("key_1"));
    f.Key(KLX_DatabaseValues::EventLeft);
    QTRY_COMPARE(f.Property("keyboard", "extended").toBool(), false);
    QCOMPARE(f.Shown(), kSystem);
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName("", AtomicDirGet), QString("Iew"));
  }

  // A flag selects its language and speaks the language's name; the flag
  // already selected speaks it again and selects nothing.
  void languageFlags() {
    QmlFrame& f = Frame();
    QVERIFY(Open(f));
    const KLX_AudioHandler* audio = f.Db().KLX_DatabaseManagerAudioHandlerPointer();
    const int spoken = audio->QueuedPhrases().size();
    QVERIFY(Touch(f, "flag_fr"));
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language("", AtomicDirGet), QString("fr"));
    QTRY_COMPARE(f.Property("flag_fr", "framed").toBool(), true);
    QCOMPARE(f.Property("flag_en", "framed").toBool(), false);
    QVERIFY(Touch(f, "flag_fr"));
    const QList<AudioHandler::phrase_t> phrases = audio->QueuedPhrases().mid(spoken);
    QCOMPARE(phrases.size(), 2);
    for (const auto& p : phrases) {
      QCOMPARE(p.text, QString::fromUtf8("Fran\u00e7ais"));
      QCOMPARE(p.language, QString("fr"));
      QCOMPARE(p.voice, QString());
      QCOMPARE(p.alarmIndex, -1);
    }
    QVERIFY(!f.Popup());
    QVERIFY(Touch(f, "flag_en"));
    QCOMPARE(audio->QueuedPhrases().last().text, QString("English"));
  }

  // The mode the transceiver controller has not reported yet is asked for
  // until it comes; a touch asks for the other mode and waits for it.
  void frontSocket() {
    QmlFrame& f = Frame();
    f.Controllers().ClearCounters();
    QVERIFY(Open(f));
    QCOMPARE(Text(f, "frontSocket"), QString());
    QTRY_VERIFY(Sent(f, kFrontPlugMode).size() >= 2);
    QCOMPARE(Sent(f, kFrontPlugMode).first(), QByteArray("\x00\x00", 2));
    f.Controllers().Send(CSimControllers::Transceiver, kFrontPlugAnswer, QByteArray(1, 1));
    QTRY_COMPARE(Text(f, "frontSocket"), QString::fromUtf8("Z\u00b2BUS"));
    f.Controllers().ClearCounters();
    QVERIFY(Touch(f, "frontSocket"));
    QTRY_COMPARE(Sent(f, kFrontPlugMode).value(0), QByteArray("\x01\x00", 2));
    QCOMPARE(f.Property("frontSocket", "state").toString(), QString("disabled"));
    f.Controllers().Send(CSimControllers::Transceiver, kFrontPlugAnswer, QByteArray(1, 0));
    QTRY_COMPARE(Text(f, "frontSocket"), QString("PWM"));
    QCOMPARE(f.Property("frontSocket", "state").toString(), QString());
    // A receiving mode cannot be changed from here.
    f.Controllers().Send(CSimControllers::Transceiver, kFrontPlugAnswer, QByteArray(1, 2));
    QTRY_COMPARE(f.Db().KLX_DatabaseManagerGetSetFrontPlugMode(0, AtomicDirGet), 2);
    QVERIFY(Open(f));
    QCOMPARE(Text(f, "frontSocket"), QString("S.BUS In"));
    QCOMPARE(f.Property("frontSocket", "state").toString(), QString("disabled"));
  }

  // The export runs as a task with the keys locked; its end is told.
  void exportSystemInformation_data() {
    QTest::addColumn<bool>("stick");
    QTest::addColumn<bool>("stateFile");
    QTest::addColumn<QString>("told");
    QTest::newRow("stick plugged") << true << true << "System information successfully exported!";
    QTest::newRow("no stick") << false << true
                              << "System information cannot be exported to USB device. "
                                 "Check available space or insert another one!";
    QTest::newRow("before the first switch-off")
        << true << false
        << "System information successfully exported!\nNot on the card: /Vorn/Vornstate/Vornstate.xml";
  }
  void exportSystemInformation() {
    QFETCH(bool, stick);
    QFETCH(bool, stateFile);
    QFETCH(QString, told);
    QmlFrame& f = Frame();
    f.Errors().Expect(kNoUsbStick);
    const QString state = f.Board().Root() + "/Vorn/Vornstate/Vornstate.xml";
    if (!stateFile) QVERIFY(QFile::rename(state, state + ".aside"));
    QVERIFY(QDir(f.Board().Root() + "/media/usb0/Vorn").removeRecursively());
    QVERIFY(f.Board().SetUsbStickInserted(0, stick));
    QVERIFY(Open(f));
    QVERIFY(!f.Root()->property("smartKeyLock").toBool());
    // A refused export may end before the touch returns: the lock is seen
    // through its changes, taken and then given back.
    QSignalSpy lock(f.Root(), SIGNAL(smartKeyLockChanged()));
    QVERIFY(Touch(f, "export"));
    QVERIFY(lock.count() >= 1);
    QTRY_COMPARE(f.PopupText(), told);
    QVERIFY(lock.count() >= 2);
    QCOMPARE(f.Property("rootwindow", "smartKeyLock").toBool(), false);
    QCOMPARE(QFileInfo::exists(f.Board().Root() + "/media/usb0/Vorn/System/System.xml"), stick);
    if (stick) f.Grab(stateFile ? "system-exported.png" : "system-exported-without-state.png");
    QVERIFY(f.Board().SetUsbStickInserted(0, false));
    if (!stateFile) QVERIFY(QFile::rename(state + ".aside", state));
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestSystemScreen test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_system.moc"
