// Pop-up boxes and error texts of the main window: the text for each result
// code and screen key, the touch keys locked while a box is open, one box at
// a time, and the boxes the system's signals bring.
#include "qml_frame/qml_frame_fixture.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
}

class TestPopups : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  void errorTexts_data() {
    QTest::addColumn<QVariant>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("general") << QVariant(int(KLX_Error)) << "General error occured";
    QTest::newRow("index") << QVariant(int(Indexes_Out_Of_Range)) << "Index off the limits";
    QTest::newRow("trainer activator") << QVariant(int(KLX_DatabaseValues::TutorPupilControlIsActivator))
                                       << "This control is already assigned to Trainer cord switch. Please select "
                                          "another control!";
    QTest::newRow("cancelled") << QVariant(int(KLX_DatabaseValues::Cancelled_By_User)) << "Cancelled by the user.";
    QTest::newRow("unassigned code") << QVariant(-70002) << "Error:\nUnknown Error, Errorcode: -70002";
    QTest::newRow("not yet implemented") << QVariant("NIY") << "Not yet implemented";
    QTest::newRow("name used") << QVariant("nameDuplicate") << "This name is already being used";
    QTest::newRow("unknown key") << QVariant("other") << "Error:\nUnknown Error, Errorcode: other";
  }
  void errorTexts() {
    QFETCH(QVariant, code);
    QFETCH(QString, text);
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    f.Call("errorHandler", "processError", {code});
    QTRY_VERIFY(f.Popup());
    QCOMPARE(f.PopupText(), text);
    QCOMPARE(f.Popup()->property("icon").toString(), QString("error"));
    QCOMPARE(f.Popup()->property("buttons").toString(), QString("Ok"));
    QCOMPARE(f.Call("errorHandler", "getErrorMessage", {code}).toString(), text);
    if (QByteArray(QTest::currentDataTag()) == "trainer activator") f.Grab("popup-error.png");
  }

  // While a box is open the touch keys do nothing; its answer closes it.
  void anOpenBoxLocksTheKeys() {
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    f.Call("errorHandler", "processTaskError", {QString()});
    QTRY_VERIFY(f.Popup());
    QCOMPARE(f.PopupText(), QString("General Error\n\nNo errortext defined."));
    f.Key(KLX_DatabaseValues::EventSettings);
    f.Key(KLX_DatabaseValues::EventHome);
    QCOMPARE(f.Shown(), kHome);
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_VERIFY(!f.Popup());
    f.Key(KLX_DatabaseValues::EventSettings);
    QTRY_COMPARE(f.Shown(), kUserMenu);
  }

  // A second box replaces the first without answering it; the answer of the
  // second reaches its own handler.
  void oneBoxAtATime() {
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    QQuickItem* answers = f.Create(
        "import QtQuick 2.15\n"
        "Item { property var got: []\n"
        "  function first() { rootwindow.popupShow(null, 'question', 'first?', 'OkAbort', function() { got.push('ok1') },"
        " function() { got.push('abort1') }) }\n"
        "  function second() { rootwindow.popupShow(null, 'question', 'second?', 'OkSkipAbort', function() { got.push('ok2') },"
        " function() { got.push('abort2') }, function() { got.push('skip2') }) } }");
    QVERIFY(answers);
    QMetaObject::invokeMethod(answers, "first");
    QTRY_COMPARE(f.PopupText(), QString("first?"));
    QMetaObject::invokeMethod(answers, "second");
    QTRY_COMPARE(f.PopupText(), QString("second?"));
    f.Grab("popup-question.png");
    QVERIFY(f.TapInPopup("popupButton_1"));
    QTRY_VERIFY(!f.Popup());
    QCOMPARE(answers->property("got").toStringList(), QStringList{"skip2"});
    delete answers;
  }

  // A long message makes the box taller about the screen area's centre, up
  // to nine whole lines of 18 px; a longer one shows nine with a scroll
  // bar, and a drag comes to rest on a line.
  void longMessages_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("height");  // the box's
    QTest::addColumn<int>("shown");   // the message area's
    QTest::addColumn<bool>("bar");
    QTest::newRow("three lines") << 3 << 150 << 92 << false;
    QTest::newRow("nine lines") << 9 << 220 << 162 << false;
    QTest::newRow("fourteen lines") << 14 << 220 << 162 << true;
  }
  void longMessages() {
    QFETCH(int, lines);
    QFETCH(int, height);
    QFETCH(int, shown);
    QFETCH(bool, bar);
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    QStringList text;
    for (int n = 1; n <= lines; ++n) text << QStringLiteral("Line %1").arg(n);
    QQuickItem* asker = f.Create("import QtQuick 2.15\n"
                                 "Item { function ask(text) { rootwindow.popupShow(null, 'info', text, 'Ok') } }");
    QVERIFY(asker);
    QMetaObject::invokeMethod(asker, "ask", Q_ARG(QVariant, text.join('\n')));
    delete asker;
    QTRY_VERIFY(f.Popup());
    auto* box = qobject_cast<QQuickItem*>(f.Popup());
    auto* area = qobject_cast<QQuickItem*>(FindNamed(box, "messageArea"));
    QVERIFY(area);
    QCOMPARE(box->height(), qreal(height));
    QCOMPARE(box->y() + box->height() / 2, f.Item("popupLayer")->height() / 2);
    QCOMPARE(area->height(), qreal(shown));
    QCOMPARE(qobject_cast<QQuickItem*>(FindNamed(box, "messageScrollBar"))->isVisible(), bar);
    if (bar) {
      const QPoint middle = area->mapToScene(QPointF(area->width() / 2, area->height() / 2)).toPoint();
      f.Swipe(middle, middle - QPoint(0, 25));
      QTRY_VERIFY(!area->property("moving").toBool() && area->property("contentY").toInt() % 18 == 0 &&
                  area->property("contentY").toInt() > 0);
      QVERIFY(area->property("contentY").toInt() <= (lines - 9) * 18);
      f.Grab("popup-long-message.png");
    }
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_VERIFY(!f.Popup());
  }

  // What the system says: a missing card once, a weak battery, a bad model
  // checksum while switching off.
  void theSystemsMessages() {
    QmlFrame f(g_app);
    QVERIFY(f.Start());
    QCOMPARE(f.Property("upperFrame", "visible").toBool(), false);
    emit f.System().noSDcardDetected();
    QTRY_COMPARE(f.PopupText(), QString("SD card not detected in system!"));
    QCOMPARE(f.Popup()->property("icon").toString(), QString("attention"));
    QCOMPARE(f.Property("upperFrame", "visible").toBool(), true);
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_VERIFY(!f.Popup());
    emit f.System().noSDcardDetected();
    QCoreApplication::processEvents();
    QVERIFY(!f.Popup());

    emit f.System().BatteryHandler().voltageMinExceeded();
    QTRY_COMPARE(f.PopupText(), QString("Battery is weak!\nGUI is shutting down..."));
    QCOMPARE(f.Popup()->property("buttons").toString(), QString("none"));
    f.Grab("popup-battery-weak.png");

    emit f.Db().updateStatus(KLX_VornTask::KLX_MODEL_CRC_TC_LINUX_NOTMATCHED);
    QCoreApplication::processEvents();
    QCOMPARE(f.PopupText(), QString("Battery is weak!\nGUI is shutting down..."));
    emit f.System().onGuiReadyToGoDown();
    QTRY_COMPARE(f.Shown(), kOutro);
    emit f.Db().updateStatus(KLX_VornTask::KLX_MODEL_CRC_TC_LINUX_NOTMATCHED);
    QTRY_COMPARE(f.PopupText(), QString("Model CRC data is bad!\nFast start is not possible next time."));
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestPopups test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_popups.moc"
