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
