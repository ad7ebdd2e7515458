// The mixer, virtual-switch, flight-mode and sequencer screens as the user
// drives them: the mode byte the waypoint editor holds a servo with, the
// flight-mode editor's fade-in limits, and each screen on both boards.
#include "qml_frame/model_screens.h"
#include "qml_frame/qml_frame_fixture.h"
#include "vorn_fixture.h"
#include "model/engine/kl_engine.h"
#include "tasks/klx_unitkinds.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kFolder = QStringLiteral("qrc:/Frontend/QML/");
const QString kSequencerEditor = kFolder + "SequencerServoEditor.qml";
constexpr int kSingleMode = 1;
constexpr int kLoopMode = 5;  // single mode with the loop flag (bit 2)
constexpr unsigned kRuntimeStarted = 0x33901;
constexpr unsigned kRuntimeStopped = 0x33902;
constexpr int kSequencerServo = 10;  // in channel 0

// A sequencer the element task would have made: used in mode, servos 10
// and 11 in channels 0 and 1 with their start and end waypoints. The
// engine has taken over a report of the transceiver controller that the
// sequencer is free and stands at the end of direction 1 (the engine does
// not run without a loaded model, so nothing changes that state).
void MakeSequencer(KLX_DataBaseManager& db, int mode) {
  QCOMPARE(kl_engine_sequencer_synchronize(0, false, kSingleMode, 6000), kSingleMode);
  QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, mode, AtomicDirSet), mode);
  for (int channel = 0; channel < 2; ++channel) {
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_Servo(0, channel, 10 + channel, AtomicDirSet), 10 + channel);
    QVERIFY(db.KLX_DataBaseManagerSequencerSet_ServoStartEndRange(0, channel) > KLX_Error);
  }
}
// The row of a list that holds `item`: the view's delegate.
QQuickItem* RowOf(QQuickItem* item) {
  while (item->parentItem() && item->parentItem()->parentItem() &&
         !item->parentItem()->parentItem()->inherits("QQuickItemView"))
    item = item->parentItem();
  return item;
}

// The items shown in `row` whose right edge lies beyond `width` in the
// window, by name (or type).
QStringList PastTheRightEdge(QQuickItem* row, qreal width) {
  QStringList past;
  QList<QQuickItem*> items{row};
  while (!items.isEmpty()) {
    QQuickItem* item = items.takeLast();
    if (!item->isVisible()) continue;
    items.append(item->childItems());
    const qreal right = item->mapToScene(QPointF(item->width(), 0)).x();
    if (right > width)
      past.append(QStringLiteral("%1 ends at %2")
                      .arg(item->objectName().isEmpty() ? item->metaObject()->className() : item->objectName())
                      .arg(right));
  }
  return past;
}
}  // namespace

class TestModelMixers : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

  static bool Open(QmlFrame& f, const QString& file, const QVariantMap& args = {}) {
    f.Call("", "openScreen", {kFolder + file, args});
    if (!f.WaitShown(kFolder + file)) return false;
    f.Settle();
    return true;
  }
  static int Mode(QmlFrame& f) { return f.Db().KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 0, AtomicDirGet); }

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  // Holding a waypoint writes 255 - n (single, forward), 213 - n (single,
  // backward), 171 - n (loop, forward) or 129 - n (loop, backward), with
  // n = channel x 7 + waypoint; leaving the editor writes the mode back.
  void waypointManualCodes_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("last");
    QTest::addColumn<int>("code");
    QTest::newRow("single, forward, first point of channel 0") << kSingleMode << 0 << 0 << false << 255;
    QTest::newRow("single, forward, last point of channel 0") << kSingleMode << 0 << 0 << true << 249;
    QTest::newRow("single, backward, first point of channel 0") << kSingleMode << 0 << 1 << false << 213;
    QTest::newRow("single, backward, last point of channel 1") << kSingleMode << 1 << 1 << true << 200;
    QTest::newRow("loop, forward, first point of channel 1") << kLoopMode << 1 << 0 << false << 164;
    QTest::newRow("loop, backward, last point of channel 0") << kLoopMode << 0 << 1 << true << 123;
  }
  void waypointManualCodes() {
    QFETCH(int, mode);
    QFETCH(int, channel);
    QFETCH(int, direction);
    QFETCH(bool, last);
    QFETCH(int, code);
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    MakeSequencer(f.Db(), mode);
    QVERIFY(Open(f, "SequencerServoEditor.qml", {{"sequencerIdx", 0}}));
    if (channel != 0) {
      QVERIFY(f.Tap("srvButton_" + QString::number(channel)));
      QVERIFY(f.Tap("srvButton_0"));  // the first servo's graphs go
    }
    f.Settle();
    QVERIFY(f.Tap(QString("seqGraph_%1_%2").arg(channel).arg(direction)));
    if (last) QVERIFY(f.Tap("pointNext"));
    QCOMPARE(Mode(f), code);
    QCOMPARE(f.Property("pointTime", "gp_text").toString(), QString(last ? "6.00 s" : "0.00 s"));

    QVERIFY(Open(f, "SequencersList.qml"));
    QCOMPARE(Mode(f), mode);
  }

  // A start leaves the sequencer locked: the editor says what frees it,
  // naming its control, instead of the waypoint rows; freed, they return.
  void aLockedSequencerSaysWhatFreesIt() {
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    MakeSequencer(db, kSingleMode);
    constexpr int switchA = 768;
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_Control(0, switchA, AtomicDirSet), switchA);
    QCOMPARE(kl_engine_sequencer_synchronize(0, true, kSingleMode, 6000), kSingleMode);
    QVERIFY(Open(f, "SequencerServoEditor.qml", {{"sequencerIdx", 0}}));
    QTRY_VERIFY(f.Property("lockedHint", "visible").toBool());
    QCOMPARE(f.Property("lockedHint", "text").toString(),
             "Locked since the start, so that it does not run by itself: move " +
                 db.KLX_DataBaseManagerGetNameOfControlByID(switchA) +
                 " to where its last run ended. It then follows its control again and can be edited.");
    QCOMPARE(f.Property("graphStatus_0_0", "text").toString(), QString("Locked"));
    QCOMPARE(f.Property("pointTime", "visible").toBool(), false);
    f.Grab("model-mixers-sequencer-locked.png");

    QCOMPARE(kl_engine_sequencer_synchronize(0, false, kSingleMode, 6000), kSingleMode);
    QTRY_VERIFY(!f.Property("lockedHint", "visible").toBool());
    QCOMPARE(f.Property("pointTime", "visible").toBool(), true);
  }

  // Forward ends where backward starts: the last forward waypoint moved
  // from 20 % to 80 % takes the first backward waypoint along; a point
  // added between 0.00 s and 6.00 s lands at 3.00 s and 0 %.
  void waypointEdits() {
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    MakeSequencer(db, kSingleMode);
    QVERIFY(Open(f, "SequencerServoEditor.qml", {{"sequencerIdx", 0}}));
    QVERIFY(f.Tap("seqGraph_0_0"));
    QVERIFY(f.Tap("pointNext"));
    QVERIFY(f.Tap("pointPosition"));
    QTRY_VERIFY(f.Property("flyin", "y").toReal() == f.Item("flyin")->parentItem()->height() - 44);
    for (int press = 0; press < 6; ++press) QVERIFY(f.Tap("flyin_++"));
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_SrvPosition(0, 0, 0, 6, 0, AtomicDirGet), 80);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_SrvPosition(0, 0, 1, 0, 0, AtomicDirGet), 80);
    QCOMPARE(f.Property("pointPosition", "gp_text").toString(), QString("80 %"));
    f.Grab("model-mixers-waypoint-editing.png");
    QVERIFY(f.Tap("flyin_OK"));
    QTRY_VERIFY(!f.Item("flyin")->isVisible());

    QVERIFY(f.Tap("pointPrev"));
    QVERIFY(f.Tap("pointAdd"));
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_TimePoint(0, 0, 0, 1, 0, AtomicDirGet), 300);
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_SrvPosition(0, 0, 0, 1, 0, AtomicDirGet), 30);
    QCOMPARE(Mode(f), 255 - 1);  // the new point is held
  }

  // With the engine running, as after a model load: a touched waypoint
  // stays chosen while the editor keeps watching the sequencer, its servo
  // goes there and follows every edit, and leaving hands the sequencer its
  // mode back. Servo outputs on the control-value scale (200 % = 2047).
  void waypointEditingWithTheEngineRunning_data() {
    QTest::addColumn<int>("board");
    QTest::newRow("larger board") << int(CSimBoard::Vorn);
    QTest::newRow("smaller board") << int(CSimBoard::Fenk);
  }
  void waypointEditingWithTheEngineRunning() {
    QFETCH(int, board);
    QmlFrame f(g_app, CSimBoard::Variant(board));
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    KLX_RuntimeDatabaseManager& runtime = f.System().RuntimeDatabase();
    MakeSequencer(db, kSingleMode);
    f.Errors().Expect({kRuntimeStarted, kRuntimeStopped});
    runtime.KLX_RuntimeDatabaseManagerStartProcessing(false);
    // The transceiver controller's report: free, at the end of the forward
    // run; the engine takes it over and turns the next run backward.
    const unsigned atTheEnd = 6000;
    QCOMPARE(db.KLX_DataBaseManagerSequencerUpdateInfo(0, false, kSingleMode, &atTheEnd), int(KLX_Ok));
    QTRY_COMPARE(runtime.KLX_RuntimeDatabaseManagerIsSequencerLocked(0), int(KLX_False));
    QTRY_COMPARE(Mode(f), 2);
    auto servo = [&] { return runtime.KLX_RuntimeDatabaseManagerGetServoData(kSequencerServo); };
    QVERIFY(Open(f, "SequencerServoEditor.qml", {{"sequencerIdx", 0}}));

    QVERIFY(f.Tap("seqGraph_0_0"));
    QCOMPARE(Mode(f), 255);
    QTRY_COMPARE(servo(), -205);  // -20 %
    QSignalSpy watched(f.Named("sequencerWatch"), SIGNAL(triggered()));
    QTRY_VERIFY(watched.count() >= 2);
    QCOMPARE(Mode(f), 255);
    QCOMPARE(f.Property("pointTime", "gp_text").toString(), QString("0.00 s"));
    QCOMPARE(f.Property("pointPosition", "gp_text").toString(), QString("-20 %"));
    QCOMPARE(f.Property("pointAdd", "state").toString(), QString());

    QVERIFY(f.Tap("pointNext"));
    QCOMPARE(Mode(f), 249);
    QTRY_COMPARE(servo(), 205);
    QVERIFY(f.Tap("pointPosition"));
    QTRY_VERIFY(f.Property("flyin", "y").toReal() == f.Item("flyin")->parentItem()->height() - 44);
    for (int press = 0; press < 6; ++press) QVERIFY(f.Tap("flyin_++"));
    QTRY_COMPARE(servo(), 819);  // 80 %
    QVERIFY(f.Tap("pointTime"));
    f.Settle();  // the fly-in takes the time's steps
    QVERIFY(f.Tap("flyin_-"));
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_TimePoint(0, 0, 0, 6, 0, AtomicDirGet), 590);
    QCOMPARE(f.Property("pointTime", "gp_text").toString(), QString("5.90 s"));
    QVERIFY(f.Tap("flyin_OK"));
    QTRY_VERIFY(!f.Item("flyin")->isVisible());

    QVERIFY(f.Tap("pointPrev"));
    QVERIFY(f.Tap("pointAdd"));
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_TimePoint(0, 0, 0, 1, 0, AtomicDirGet), 295);
    QCOMPARE(Mode(f), 254);
    QTRY_COMPARE(servo(), 307);  // 30 %
    f.Grab(QString("model-mixers-waypoint-held-%1.png").arg(board));
    QVERIFY(f.Tap("pointRemove"));
    QCOMPARE(db.KLX_DataBaseManagerSequencerGetSet_SrvPosition(0, 0, 0, 1, 0, AtomicDirGet), -2048);
    QCOMPARE(Mode(f), 255);
    QTRY_COMPARE(servo(), -205);

    QVERIFY(Open(f, "SequencersList.qml"));
    QCOMPARE(Mode(f), 2);
    runtime.KLX_RuntimeDatabaseManagerStopProcessing();
  }

  // "+" adds an element through the element task and the row appears,
  // each of its buttons inside the screen; a held name, "Delete" and "Ok"
  // delete it and the row goes. The transceiver controller takes the new
  // record whole and hears the delete. A list with a hint shows it while
  // it has no row.
  void addAndDeleteFromScreen_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("add");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("hint");
    QTest::newRow("mixer") << "19.qml" << int(KLX_VornTask::KLX_TASK_PARA_MODEL_Mixer) << "mixerAdd" << "mixerName_"
                           << "mixerList" << "";
    QTest::newRow("virtual switch") << "21.qml" << int(KLX_VornTask::KLX_TASK_PARA_MODEL_VirtSwitch) << "switchAdd"
                                    << "vsName_" << "virtualSwitches" << "";
    QTest::newRow("sequencer") << "SequencersList.qml" << int(KLX_VornTask::KLX_TASK_PARA_MODEL_Sequencer) << "seqAdd"
                               << "seqName_" << "sequencersList" << "sequencerHint";
  }
  void addAndDeleteFromScreen() {
    QFETCH(QString, screen);
    QFETCH(int, kind);
    QFETCH(QString, add);
    QFETCH(QString, row);
    QFETCH(QString, list);
    QFETCH(QString, hint);
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    CSimTransceiver& controller = f.Controllers().TransceiverController();
    const int index = KLX_UnitKinds::NextFreeIndex(&db, kind);
    QVERIFY(index >= 0);
    const CSimTransceiver::Counters before = controller.Seen();
    QVERIFY(Open(f, screen));
    if (!hint.isEmpty()) QCOMPARE(f.Property(hint, "visible").toBool(), true);

    QVERIFY(f.Tap(add));
    QTRY_VERIFY(f.Property(list, "rows").toList().contains(index));
    QCOMPARE(f.Root()->property("smartKeyLock").toBool(), false);
    QCOMPARE(KLX_UnitKinds::IsUsed(&db, kind, index), 1);
    QCOMPARE(controller.Seen().unitLoadsEnded, before.unitLoadsEnded + 1);
    QCOMPARE(controller.HeldModel().Record(kind, index), ProgramRecord(db, kind, index));
    if (!hint.isEmpty()) QCOMPARE(f.Property(hint, "visible").toBool(), false);

    f.Settle();
    QQuickItem* name = f.Item(row + QString::number(index));
    QVERIFY(name);
    const QStringList past = PastTheRightEdge(RowOf(name), f.Window()->width());
    QVERIFY2(past.isEmpty(), qPrintable(past.join(", ")));
    // A sequencer is deleted only once its run has ended: the engine has
    // the controller's report of it free.
    if (kind == KLX_VornTask::KLX_TASK_PARA_MODEL_Sequencer)
      QCOMPARE(kl_engine_sequencer_synchronize(index, false, kSingleMode, 6000), kSingleMode);
    f.Hold(f.Centre(name), 1000);
    QVERIFY(f.Tap("option_delete"));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_VERIFY(!f.Property(list, "rows").toList().contains(index));
    QCOMPARE(KLX_UnitKinds::IsUsed(&db, kind, index), 0);
    QCOMPARE(controller.Seen().unitDeletes, before.unitDeletes + 1);
    QCOMPARE(f.Root()->property("smartKeyLock").toBool(), false);
    if (!hint.isEmpty()) QTRY_COMPARE(f.Property(hint, "visible").toBool(), true);
  }

  // Virtual-switch names may repeat: "Gear" given to a second switch is
  // stored and shown; an empty name is refused and the old one stays.
  void switchNamedLikeAnother() {
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    for (int vs = 0; vs < 2; ++vs) {
      QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsUsed(vs, 1, AtomicDirSet), 1);
      QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsVisible(vs, 1, AtomicDirSet), 1);
    }
    db.KLX_DataBaseManagerSwitchGetSet_Name(0, "Gear", AtomicDirSet);
    db.KLX_DataBaseManagerSwitchGetSet_Name(1, "Flaps", AtomicDirSet);
    QVERIFY(Open(f, "21.qml"));
    const auto rename = [&f](const QString& text) {
      if (!f.Tap("vsName_1")) return false;
      f.Named("keyboardField")->setProperty("text", text);
      f.Call("keyboard", "ok");
      return true;
    };
    QVERIFY(rename("Gear"));
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_Name(1, "", AtomicDirGet), QString("Gear"));
    QCOMPARE(f.Property("vsName_1", "gp_text").toString(), QString("Gear"));
    QVERIFY(rename(""));
    QCOMPARE(f.PopupText(), QString("Empty input not allowed"));
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_Name(1, "", AtomicDirGet), QString("Gear"));
  }

  // The diagram shows entry 12 - i (larger board) or 8 - i (smaller
  // board, nine flight modes) behind priority switch i; the combinations
  // of the high, middle and low switches show entries 0 to 7, on the
  // smaller board only the even ones (low off), as entries 0 to 3. The
  // fade-in stops at 0.0 s below, and above where the flight-mode store
  // does (200 tenths), whatever the editor's own limit.
  void flightModeDiagram_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<QStringList>("priority");  // slots 0 to 4
    QTest::addColumn<QStringList>("combination");  // patterns 0 to 7, "" for none shown
    QTest::newRow("larger board") << int(CSimBoard::Vorn) << QStringList{"F12", "F11", "F10", "F9", "F8"}
                                  << QStringList{"F0", "F1", "F2", "F3", "F4", "F5", "F6", "F7"};
    QTest::newRow("smaller board") << int(CSimBoard::Fenk) << QStringList{"F8", "F7", "F6", "F5", "F4"}
                                   << QStringList{"F0", "", "F1", "", "F2", "", "F3", ""};
  }
  void flightModeDiagram() {
    QFETCH(int, board);
    QFETCH(QStringList, priority);
    QFETCH(QStringList, combination);
    QmlFrame f(g_app, CSimBoard::Variant(board));
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    const int modes = db.KLX_DataBaseManagerGetMaxFlightmodes();
    for (int entry = 0; entry <= 12; ++entry) {
      const int fm = qMin(entry, modes - 1);
      QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(fm, 1, AtomicDirSet), 1);
      db.KLX_DataBaseManagerFlightmodeGetSet_Name(fm, "F" + QString::number(fm), AtomicDirSet);
      QCOMPARE(db.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(entry, fm, AtomicDirSet), fm);
    }
    QVERIFY(Open(f, "FlightModeSelector.qml"));
    for (int slot = 0; slot < 5; ++slot)
      QCOMPARE(f.Property("fmPriority_" + QString::number(slot), "gp_text").toString(), priority[slot]);
    for (int pattern = 0; pattern < 8; ++pattern) {
      QObject* button = f.Named("fmCombo_" + QString::number(pattern));
      QCOMPARE(button ? button->property("gp_text").toString() : QString(), combination[pattern]);
    }

    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_FadeIn(0, 5, AtomicDirSet), 5);
    QVERIFY(f.Tap("fmCombo_0"));
    QVERIFY(f.WaitShown(kFolder + "FlightModeEditor.qml"));
    f.Settle();
    QCOMPARE(f.Property("fmFadeIn", "gp_text").toString(), QString("0.5 s"));
    QVERIFY(f.Tap("fmFadeIn"));
    QTRY_VERIFY(f.Property("flyin", "y").toReal() == f.Item("flyin")->parentItem()->height() - 44);
    for (int press = 0; press < 2; ++press) QVERIFY(f.Tap("flyin_--"));
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_FadeIn(0, 0, AtomicDirGet), 0);
    QCOMPARE(f.Property("fmFadeIn", "gp_text").toString(), QString("0.0 s"));
    for (int press = 0; press < 31; ++press) QVERIFY(f.Tap("flyin_++"));
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_FadeIn(0, 0, AtomicDirGet), 200);
    QCOMPARE(f.Property("fmFadeIn", "gp_text").toString(), QString("20.0 s"));
  }

  // A flight mode copied onto an entry without its own (flight mode 0)
  // makes exactly one new flight mode, a copy, for that entry; copied onto
  // an entry with its own it makes none.
  void flightModeCopy() {
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    for (int fm = 0; fm < 2; ++fm) {
      QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(fm, 1, AtomicDirSet), 1);
      QCOMPARE(db.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(fm, fm, AtomicDirSet), fm);
    }
    db.KLX_DataBaseManagerFlightmodeGetSet_Name(1, "Thermal", AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_FadeIn(1, 15, AtomicDirSet), 15);
    QVERIFY(Open(f, "FlightModeSelector.qml"));
    const auto copy = [&f](const QString& from, const QString& to) {
      f.Hold(f.Centre(f.Item(from)), 1000);
      return f.Tap("option_copy") && f.Tap(to);
    };

    QVERIFY(copy("fmCombo_1", "fmCombo_2"));
    QTRY_COMPARE(db.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(2, 0, AtomicDirGet), 2);
    QTRY_COMPARE(f.Root()->property("smartKeyLock").toBool(), false);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetNumber(), 3);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_FadeIn(2, 0, AtomicDirGet), 15);
    QCOMPARE(f.Property("fmCombo_2", "gp_text").toString(), QString("Thermalcpy2"));

    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_FadeIn(1, 25, AtomicDirSet), 25);
    QVERIFY(copy("fmCombo_1", "fmCombo_2"));
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetNumber(), 3);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(2, 0, AtomicDirGet), 2);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_FadeIn(2, 0, AtomicDirGet), 25);
    QCOMPARE(f.Root()->property("smartKeyLock").toBool(), false);
  }

  // Each screen at 480 x 272 on both boards, with a mixer, a visible
  // virtual switch and a sequencer to show.
  void screenshots_data() {
    QTest::addColumn<int>("board");
    QTest::newRow("larger board") << int(CSimBoard::Vorn);
    QTest::newRow("smaller board") << int(CSimBoard::Fenk);
  }
  void screenshots() {
    QFETCH(int, board);
    QmlFrame f(g_app, CSimBoard::Variant(board));
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    MakeSequencer(db, kSingleMode);
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_IsUsed(0, 1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_Name(0, "Butterfly", AtomicDirSet), QString("Butterfly"));
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsUsed(0, 1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsVisible(0, 1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_Name(0, "Gear", AtomicDirSet), QString("Gear"));
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsUsed(5, 1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_GlobalCurveIdx(0, 5, AtomicDirSet), 5);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(0, 1, AtomicDirSet), 1);
    db.KLX_DataBaseManagerFlightmodeGetSet_Name(0, "Normal", AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(0, 0, AtomicDirSet), 0);
    const QString suffix = board == CSimBoard::Vorn ? "-larger.png" : "-smaller.png";
    for (const auto& screen : MixerScreens(13)) {
      QVERIFY2(Open(f, screen.first, screen.second), qPrintable(screen.first));
      QVERIFY(f.Popup() == nullptr);
      f.Grab("model-mixers-" + QString(screen.first).remove(".qml") + suffix);
    }
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestModelMixers test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_screens.moc"
