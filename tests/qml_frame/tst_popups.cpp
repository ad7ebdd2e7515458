// Pop-up boxes and error texts of the main window: the text for each result
// code and screen key, the touch keys locked while a box is open, one box at
// a time, and the boxes the system's signals bring.
#include "qml_frame/qml_frame_fixture.h"
#include "vorn_fixture.h"
#include "model/klx_modelruntime.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;

constexpr unsigned kNoCardForModel = 0x21519;
constexpr unsigned kNoRoomForModel = 0x21503;
constexpr unsigned kModelSaveFailed = 0x31307;
constexpr unsigned kNoCardForSettings = 0x22819;
constexpr unsigned kNoRoomForSettings = 0x22806;
constexpr unsigned kNoRoomForState = 0x22809;
constexpr unsigned kSettingsSaveFailed = 0x31308;
constexpr unsigned kStateSaveFailed = 0x31309;
constexpr unsigned kCardTooSmall = 0x31608;

// The card as big as the desktop's card check is to report it.
bool SetCardBytes(QmlFrame& f, qint64 bytes) {
  QFile size(f.Board().Root() + "/run/sdcard-size");
  const QByteArray text = QByteArray::number(bytes);
  return size.open(QIODevice::WriteOnly | QIODevice::Truncate) && size.write(text) == text.size();
}

// Waits for a condition of other threads without taking this thread's events.
template <typename Condition>
bool Until(Condition condition, int ms = kHangMs) {
  QElapsedTimer t;
  t.start();
  while (!condition()) {
    if (t.elapsed() > ms) return false;
    QThread::msleep(1);
  }
  return true;
}

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Switched off as a stop signal asks, through the final save to the end
// of the switch-off, the window's thread taking no event meanwhile.
bool SwitchOff(QmlFrame& f, KLX_XMLFileSaver* saver) {
  KLX_ManualClock& button = f.ButtonClock();
  f.System().KLX_SystemRequestSwitchOff();
  if (!QTest::qWaitFor([&] { return f.Shown() == kOutro; }, kHangMs)) return false;
  f.Errors().Clear();
  const int before = saver->KLX_XMLFileSaverPasses();
  if (!button.KLX_ManualClockRun(KLX_OnOffHandler::kHeldSampleMs, 1, kHangMs)) return false;
  if (!Until([&] { return f.System().KLX_SystemIsTurningOff() && saver->KLX_XMLFileSaverPasses() > before; }))
    return false;
  button.KLX_ManualClockAdvance(KLX_OnOffHandler::kHeldSampleMs);
  return f.System().OnOffHandler().wait(kHangMs);
}
}  // namespace

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

  // A box is never replaced: a later one waits its turn and shows when the
  // one before is answered, each answer reaching its own handler. A message
  // told again while it waits waits once; a waiting box its owner closes
  // goes, and no other with it. A box without buttons (a switch-off's last
  // words) waits for no answer: it shows at once over the others, holds back
  // no box that comes after it, and the boxes under it show again when it goes.
  void oneBoxAtATime() {
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    QQuickItem* answers = f.Create(
        "import QtQuick 2.15\n"
        "Item { property var got: []\n"
        "  property var boxes: ({})\n"
        "  function ask(name, buttons) { boxes[name] = rootwindow.popupShow(null, 'question', name + '?', buttons,"
        " function() { got.push('ok ' + name) }, function() { got.push('abort ' + name) },"
        " function() { got.push('skip ' + name) }) }\n"
        "  function tell(text, buttons) { rootwindow.popupShow(null, 'info', text, buttons) }\n"
        "  function close(name) { rootwindow.popupCloseBox(boxes[name]) } }");
    QVERIFY(answers);
    const auto ask = [&](const char* name, const char* buttons) {
      QMetaObject::invokeMethod(answers, "ask", Q_ARG(QVariant, name), Q_ARG(QVariant, buttons));
    };
    const auto tell = [&](const char* text, const char* buttons) {
      QMetaObject::invokeMethod(answers, "tell", Q_ARG(QVariant, text), Q_ARG(QVariant, buttons));
    };
    ask("first", "OkAbort");
    ask("second", "OkSkipAbort");
    tell("told", "Ok");
    tell("told", "Ok");
    ask("third", "OkAbort");
    QMetaObject::invokeMethod(answers, "close", Q_ARG(QVariant, "third"));
    QCOMPARE(f.PopupText(), QString("first?"));
    f.Grab("popup-question.png");
    tell("last words", "none");
    QCOMPARE(f.PopupText(), QString("last words"));
    f.Call("", "popupClose");
    QCOMPARE(f.PopupText(), QString("first?"));
    QVERIFY(f.TapInPopup("popupButton_1"));
    QTRY_COMPARE(f.PopupText(), QString("second?"));
    QVERIFY(f.TapInPopup("popupButton_1"));
    QTRY_COMPARE(f.PopupText(), QString("told"));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_VERIFY(!f.Popup());
    QCOMPARE(answers->property("got").toStringList(), (QStringList{"abort first", "skip second"}));
    tell("last words", "none");
    tell("told after", "Ok");
    QCOMPARE(f.PopupText(), QString("told after"));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_COMPARE(f.PopupText(), QString("last words"));
    f.Call("", "popupClose");
    QVERIFY(!f.Popup());
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
      // Four lines' drag: the text follows the finger from the drag's second
      // move past the threshold on, so a slow drag (no flick after it) moves
      // it by 48 px and it comes to rest three lines down; a flick moves it on.
      const QPoint middle = area->mapToScene(QPointF(area->width() / 2, area->height() / 2)).toPoint();
      QVERIFY(f.SwipeToRest(area, middle, middle - QPoint(0, 72)));
      const int scrolled = area->property("contentY").toInt();
      QVERIFY2(scrolled > 0 && scrolled % 18 == 0 && scrolled <= (lines - 9) * 18, qPrintable(QString::number(scrolled)));
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

  // A card sold as "256 MB" holds 256,000,000 bytes, under the 256 MiB the
  // program needs: it counts as no card, but the pilot is told that it is
  // too small, in the words of a save it could not take, not that it is
  // missing; and the home screen does not call the current model's file
  // lost or corrupted, for nothing was read.
  void aCardTooSmallIsNamedForWhatItLacks() {
    QmlFrame f(g_app);
    QVERIFY(SetCardBytes(f, 256000000));
    f.Errors().Expect(kCardTooSmall);
    QVERIFY(f.StartAtHome());
    QVERIFY(f.Errors().Has(kCardTooSmall));
    QVERIFY(f.ButtonClock().KLX_ManualClockRun(KLX_OnOffHandler::kFirstSampleMs, 1, kHangMs));
    QTRY_COMPARE(f.PopupText(), QString("The SD card is smaller than the 256 MiB the transmitter needs."));
    QCOMPARE(f.Popup()->property("icon").toString(), QString("attention"));
    QTRY_COMPARE(f.Property("modelLabel", "text").toString(), QString("Model:   - SD card smaller than 256 MiB!"));
    f.Settle();
    f.Grab("popup-card-too-small.png");
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_VERIFY(!f.Popup());
  }

  // A model or settings save the card cannot take is told once, in words
  // that say why, not again at the saver's next try while the failure stays
  // the same; at the switch-off, when the changes are lost for good, again,
  // drawn on the screen before the program ends, in one box with the state
  // file's (which model is current) where that fails too. The file on the
  // card stays as the last save that succeeded left it.
  void aModelSaveTheCardCannotTakeIsTold_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<qint64>("cardBytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("final");
    const QString full = "Your changes to the model were not saved: the SD card is full.";
    const QString small =
        "Your changes to the model were not saved: the SD card is smaller than the 256 MiB the transmitter needs.";
    const QString settingsFull = "Your changes to the settings were not saved: the SD card is full.";
    // Room for the settings (10 KiB), not for a model (500 KiB); a card
    // that small is under the size the program needs as well, which keeps
    // the program's own state file from it at the switch-off: the pilot
    // changed no setting, so only his model is told.
    QTest::newRow("full") << "model" << qint64(400 * 1024) << full << full;
    QTest::newRow("under the size the program needs") << "model" << qint64(128 * 1024 * 1024) << small << small;
    QTest::newRow("a setting, the card full") << "settings" << qint64(8 * 1024) << settingsFull << settingsFull;
  }
  void aModelSaveTheCardCannotTakeIsTold() {
    QFETCH(QString, change);
    QFETCH(qint64, cardBytes);
    QFETCH(QString, text);
    QFETCH(QString, final);
    // Made first: the saver stops with the frame before its clock goes.
    KLX_ManualClock saverClock;
    QmlFrame f(g_app);
    f.Errors().Expect({kNoCardForModel, kNoRoomForModel, kModelSaveFailed, kNoCardForSettings, kNoRoomForSettings,
                       kNoRoomForState, kSettingsSaveFailed, kStateSaveFailed});
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    KLX_XMLFileSaver* saver = db.KLX_DatabaseManagerXMLFileSaverPtr();
    saver->KLX_XMLFileSaverSetClock(&saverClock);
    QObject receiver;
    int passes = 0;
    QObject::connect(saver, &KLX_XMLFileSaver::xmlSaveIsDone, &receiver, [&] { ++passes; }, Qt::QueuedConnection);
    // The saver's period; its box, if any, is on the screen when its end is.
    const auto period = [&] {
      const int before = passes;
      return saverClock.KLX_ManualClockRun(KLX_XMLFileSaver::kPeriodMs, 1, kHangMs) &&
             QTest::qWaitFor([&] { return passes > before; }, kHangMs);
    };
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(KLX_DatabaseValues::MODEL_TYP_Plane, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(true, AtomicDirSet);
    const bool model = change == "model";
    const QString file = f.Board().Root() + (model ? "/Vorn/Model/Plane/Glider.xml" : "/Vorn/System/System.xml");
    // The front socket's mode chosen as the system screen chooses it, or the
    // brightness as the strip's slider sets it: saved.
    const auto edit = [&](int value) {
      if (model)
        db.KLX_DatabaseManagerGetSetFrontPlugMode(value, AtomicDirSet);
      else
        db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(40 + value, AtomicDirSet, true);
    };
    edit(1);
    QVERIFY(period());
    const QByteArray saved = ReadBytes(file);
    QVERIFY(saved.contains(model ? "<SERVOPPMMODE>1</SERVOPPMMODE>" : "<Brightness>41</Brightness>"));
    QVERIFY(!f.Popup());

    QVERIFY(SetCardBytes(f, cardBytes));
    edit(0);
    QVERIFY(period());
    QCOMPARE(f.PopupText(), text);
    QCOMPARE(f.Popup()->property("icon").toString(), QString("error"));
    QCOMPARE(f.Popup()->property("buttons").toString(), QString("Ok"));
    if (QByteArray(QTest::currentDataTag()) == "full") f.Grab("popup-model-not-saved.png");
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_VERIFY(!f.Popup());
    f.Errors().Clear();
    QVERIFY(period());
    QVERIFY(f.Errors().Has(model ? kModelSaveFailed : kSettingsSaveFailed));
    QVERIFY(!f.Popup());
    QCOMPARE(ReadBytes(file), saved);

    // Switched off as a stop signal asks: the final save fails as well. From
    // that save to the end of the switch-off the window's thread takes no
    // event, so that the failure and the end reach it together, as on a
    // busy machine; what it then does, until its loop is asked to end.
    saver->KLX_XMLFileSaverSetClock(nullptr);
    QQmlEngine* engine = qmlEngine(f.Window());
    QObject::disconnect(engine, SIGNAL(quit()), QCoreApplication::instance(), nullptr);
    // The box each frame showed (as it came to this thread), and the one at the end.
    QStringList seen;
    QObject::connect(f.Window(), &QQuickWindow::frameSwapped, &receiver, [&] { seen << "frame:" + f.PopupText(); },
                     Qt::QueuedConnection);
    QObject::connect(engine, &QQmlEngine::quit, &receiver, [&] { seen << "quit:" + f.PopupText(); });
    QVERIFY(SwitchOff(f, saver));
    QVERIFY(f.Errors().Has(model ? kModelSaveFailed : kSettingsSaveFailed));
    QTRY_VERIFY(seen.filter("quit:").size() == 1);
    QCOMPARE(f.PopupText(), final);
    QCOMPARE(f.Popup()->property("buttons").toString(), QString("none"));
    if (QByteArray(QTest::currentDataTag()) == "under the size the program needs")
      f.Grab("popup-model-not-saved-at-switch-off.png");
    const int end = seen.indexOf("quit:" + final);
    QVERIFY2(end > 0 && seen.indexOf("frame:" + final) >= 0 && seen.indexOf("frame:" + final) < end,
             qPrintable(seen.join('\n')));
    QCOMPARE(ReadBytes(file), saved);
  }

  // A model whose timer keeps its last value is saved at every switch-off,
  // changed or not. On a full card a save of the model its file holds
  // already refuses nothing: no box, and the file stays byte for byte. A
  // trim moved just before is told. A minute of run time that the program
  // counted by itself is told in its own words at the first pass that
  // cannot save it, and not again: not at the next minute, nor at the
  // switch-off; the pilot's trim beside it is told as ever.
  void aSwitchOffTellsOnlyTheChangesMade_data() {
    QTest::addColumn<bool>("trim");
    QTest::addColumn<bool>("minute");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("final");
    const QString edits = "Your changes to the model were not saved: the SD card is full.";
    const QString runtime = "The model's run time and timer values could not be saved: the SD card is full.";
    QTest::newRow("nothing changed") << false << false << QString() << QString();
    QTest::newRow("a trim moved") << true << false << QString() << edits;
    QTest::newRow("a minute of run time") << false << true << runtime << QString();
    QTest::newRow("a trim moved and a minute of run time") << true << true << edits + "\n" + runtime << edits;
  }
  void aSwitchOffTellsOnlyTheChangesMade() {
    QFETCH(bool, trim);
    QFETCH(bool, minute);
    QFETCH(QString, told);
    QFETCH(QString, final);
    KLX_ManualClock saverClock;
    // The run-time counter's clock: it outlives the frame whose counter reads it.
    std::atomic<qint64> now{0};
    QmlFrame f(g_app);
    f.Errors().Expect({kNoRoomForModel, kModelSaveFailed, kNoRoomForState, kStateSaveFailed});
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    KLX_XMLFileSaver* saver = db.KLX_DatabaseManagerXMLFileSaverPtr();
    saver->KLX_XMLFileSaverSetClock(&saverClock);
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(KLX_DatabaseValues::MODEL_TYP_Plane, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(true, AtomicDirSet);
    db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, AtomicDirSet);
    db.KLX_DataBaseManagerTimerGetSet_LastValueKeep(0, 1, AtomicDirSet);
    const auto period = [&] {
      const int passes = saver->KLX_XMLFileSaverPasses();
      return saverClock.KLX_ManualClockRun(KLX_XMLFileSaver::kPeriodMs, 1, kHangMs) &&
             Until([&] { return saver->KLX_XMLFileSaverPasses() > passes; });
    };
    QVERIFY(period());
    const QString file = f.Board().Root() + "/Vorn/Model/Plane/Glider.xml";
    const QByteArray saved = ReadBytes(file);
    QVERIFY(saved.contains("<KeepLastValue>1</KeepLastValue>"));
    // A card of a size the program takes, full: a file that holds no block
    // of the host's disk fills it.
    QFile filler(f.Board().Root() + "/Vorn/Filler.bin");
    QVERIFY(filler.open(QIODevice::WriteOnly) && filler.resize(300 << 20) && SetCardFree(f.Board().Root(), 100 * 1024));
    if (trim) QCOMPARE(db.KLX_DataBaseManagerTrimGetSetTrimValue(0, 0, 7, AtomicDirSet, false), 7);
    if (minute) {
      // Bound and with telemetry coming every five seconds, a minute is
      // counted on the counter's own clock.
      KLX_ModelRuntime* runtime = db.KLX_DataBaseManagerModelRuntimeStore();
      runtime->SetClock([&now] { return now.load(); });
      // Counting starts with the first telemetry on that clock.
      runtime->KLX_ModelRuntimeSetToDefaultValue();
      const auto counted = [&] {
        const int before = runtime->KLX_ModelRuntimeGetSet_Runtime(0, AtomicDirGet, false);
        for (int s = 0; s <= 60; s += 5) {
          runtime->Enable();
          now += 5000;
          runtime->Run();
        }
        return Until([&] { return runtime->KLX_ModelRuntimeGetSet_Runtime(0, AtomicDirGet, false) == before + 1; });
      };
      // A pass's box is on the screen once its end has come to this thread.
      QObject receiver;
      int ends = 0;
      QObject::connect(saver, &KLX_XMLFileSaver::xmlSaveIsDone, &receiver, [&] { ++ends; }, Qt::QueuedConnection);
      const int base = saver->KLX_XMLFileSaverPasses();
      const auto delivered = [&] {
        return QTest::qWaitFor([&] { return ends == saver->KLX_XMLFileSaverPasses() - base; }, kHangMs);
      };
      QVERIFY(counted());
      QVERIFY(period());
      QVERIFY(delivered());
      QCOMPARE(f.PopupText(), told);
      QCOMPARE(f.Popup()->property("buttons").toString(), QString("Ok"));
      if (!trim) f.Grab("popup-run-time-not-saved.png");
      QVERIFY(f.TapInPopup("popupButton_0"));
      QTRY_VERIFY(!f.Popup());
      // The next minute on the card still full: nothing more to tell.
      QVERIFY(counted());
      QVERIFY(period());
      QVERIFY(delivered());
      QVERIFY(!f.Popup());
      runtime->SetClock(nullptr);
    }
    saver->KLX_XMLFileSaverSetClock(nullptr);
    QObject::disconnect(qmlEngine(f.Window()), SIGNAL(quit()), QCoreApplication::instance(), nullptr);
    bool quit = false;
    QObject receiver;
    QObject::connect(qmlEngine(f.Window()), &QQmlEngine::quit, &receiver, [&] { quit = true; });
    QVERIFY(SwitchOff(f, saver));
    QTRY_VERIFY(quit);
    QCOMPARE(f.PopupText(), final);
    QCOMPARE(f.Errors().Has(kModelSaveFailed), trim || minute);
    QCOMPARE(ReadBytes(file), saved);
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
