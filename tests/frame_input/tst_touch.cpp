// The application object's touch filter, fed touch events as the panel
// reports them (points below the 272-pixel display are the keys): what
// reaches the receiver, the iconEvent codes, the screenshot pair, the dim
// and lock times and the lock itself. The timers' times are checked as
// they are set; their time-outs are given by the timers' own signals.
#include <QtTest>

#include "frame/qguitouchhandlerapplication.h"
#include "frame_input/frame_input_fixture.h"
#include "settings/settings_fixture.h"

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
constexpr int kSwallowed = QEvent::None;

// Records the type of every event it gets: a swallowed touch arrives as an
// empty event.
struct Receiver : QObject {
  QList<int> types;
  bool event(QEvent* e) override {
    types.append(e->type());
    return true;
  }
};

// One touch event: the type of the first event the receiver got.
int Send(Receiver* to, QEvent::Type type, const QList<QPointF>& panel, int released = -1) {
  to->types.clear();
  SendPanelTouch(to, type, panel, released);
  return to->types.isEmpty() ? -1 : to->types.first();
}

// A finger down and up again: the types the receiver got.
QList<int> Tap(Receiver* to, QPointF panel) {
  return {Send(to, QEvent::TouchBegin, {panel}), Send(to, QEvent::TouchEnd, {panel})};
}

bool Fire(const QTimer& timer) {
  return timer.isActive() && QMetaObject::invokeMethod(const_cast<QTimer*>(&timer), "timeout");
}

using Icons = QList<QPair<int, int>>;
Icons Taken(QSignalSpy& spy) {
  Icons icons;
  for (const QList<QVariant>& args : spy) icons.append({args.at(0).toInt(), args.at(1).toInt()});
  spy.clear();
  return icons;
}
}  // namespace

class TestTouch : public QObject {
  Q_OBJECT

  struct Rig {
    SettingsFixture fx;
    Receiver receiver;
    QSignalSpy icons{g_app, &QGuiTouchHandlerApplication::iconEvent};
    QSignalSpy lockEvents{&fx.db, &KLX_DataBaseManager::lockTimeout};
    Rig() { g_app->QGuiTouchHandlerApplicationSetDatabasePtr(&fx.db); }
    ~Rig() { g_app->QGuiTouchHandlerApplicationSetRunFlag(true); }
    int DimState() { return fx.db.KLX_DataBaseManagerGetSetSystemProperties_TouchTimeoutEvent(0, AtomicDirGet, false); }
    QList<int> LockEvents() {
      QList<int> values;
      for (const QList<QVariant>& args : lockEvents) values.append(args.at(0).toInt());
      lockEvents.clear();
      return values;
    }
  };

 private slots:
  // A key touch reaches QML only as its code, when the finger leaves it; on
  // a desktop the function key of its place taps it (held: once).
  void keysBelowTheDisplayBecomeCodes_data() {
    QTest::addColumn<QPointF>("panel");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("functionKey");
    QTest::newRow("lock key") << QPointF(50, 280) << int(EventLock) << int(Qt::Key_F1);
    QTest::newRow("user menu") << QPointF(100, 280) << int(EventSettings) << int(Qt::Key_F2);
    QTest::newRow("servo monitor") << QPointF(150, 300) << int(EventServo) << int(Qt::Key_F3);
    QTest::newRow("back") << QPointF(200, 273) << int(EventLeft) << int(Qt::Key_F4);
    QTest::newRow("home") << QPointF(250, 280) << int(EventHome) << int(Qt::Key_F5);
    QTest::newRow("forward") << QPointF(300, 280) << int(EventRight) << int(Qt::Key_F6);
    QTest::newRow("between keys") << QPointF(60, 280) << int(EventUnknown) << 0;
  }
  void keysBelowTheDisplayBecomeCodes() {
    QFETCH(QPointF, panel);
    QFETCH(int, icon);
    QFETCH(int, functionKey);
    Rig rig;
    QCOMPARE(Send(&rig.receiver, QEvent::TouchBegin, {panel}), kSwallowed);
    QCOMPARE(rig.icons.count(), 0);
    QCOMPARE(Send(&rig.receiver, QEvent::TouchEnd, {panel}), kSwallowed);
    QCOMPARE(Taken(rig.icons), (Icons{{icon, 0}}));
    if (!functionKey) return;
    for (bool repeat : {false, true}) {
      QKeyEvent press(QEvent::KeyPress, functionKey, Qt::NoModifier, QString(), repeat);
      QVERIFY(g_app->notify(&rig.receiver, &press));
    }
    QCOMPARE(Taken(rig.icons), (Icons{{icon, 0}}));
    QVERIFY(!rig.receiver.types.contains(QEvent::KeyPress));
  }

  void displayTouchesPass() {
    Rig rig;
    const QList<QPointF> lowestRow{QPointF(50, 272)};
    QCOMPARE(Send(&rig.receiver, QEvent::TouchBegin, lowestRow), int(QEvent::TouchBegin));
    QCOMPARE(Send(&rig.receiver, QEvent::TouchUpdate, lowestRow), int(QEvent::TouchUpdate));
    QCOMPARE(Send(&rig.receiver, QEvent::TouchEnd, lowestRow), int(QEvent::TouchEnd));
    QCOMPARE(rig.icons.count(), 0);
  }

  // The lock and forward keys held together for 1500 ms give both codes in
  // the order touched; lifting a finger before stops the wait, and the key
  // still held counts as a tap when it is lifted.
  void lockAndForwardHeldTakeAScreenshot_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("lock key first") << int(EventLock) << int(EventRight);
    QTest::newRow("forward key first") << int(EventRight) << int(EventLock);
  }
  void lockAndForwardHeldTakeAScreenshot() {
    QFETCH(int, first);
    QFETCH(int, second);
    Rig rig;
    const QTimer& hold = g_app->QGuiTouchHandlerApplicationScreenShotTimer();
    const QList<QPointF> both{QPointF(first, 281), QPointF(second, 282)};
    QCOMPARE(Send(&rig.receiver, QEvent::TouchBegin, both), kSwallowed);
    QVERIFY(hold.isActive());
    QCOMPARE(hold.interval(), 1500);
    QCOMPARE(Send(&rig.receiver, QEvent::TouchUpdate, both), kSwallowed);
    QVERIFY(Fire(hold));
    QCOMPARE(Taken(rig.icons), (Icons{{first, second}}));
    Send(&rig.receiver, QEvent::TouchEnd, both);
    QCOMPARE(rig.icons.count(), 0);

    // Again, with the second finger lifted before the time.
    Send(&rig.receiver, QEvent::TouchBegin, both);
    QVERIFY(hold.isActive());
    QCOMPARE(Send(&rig.receiver, QEvent::TouchUpdate, both, 1), kSwallowed);
    QVERIFY(!hold.isActive());
    Send(&rig.receiver, QEvent::TouchEnd, {both.first()});
    QCOMPARE(Taken(rig.icons), (Icons{{first, 0}}));
  }

  // Two keys that are not the pair take no screenshot.
  void otherKeyPairsWaitForNothing() {
    Rig rig;
    Send(&rig.receiver, QEvent::TouchBegin, {QPointF(50, 280), QPointF(250, 280)});
    QVERIFY(!g_app->QGuiTouchHandlerApplicationScreenShotTimer().isActive());
    Send(&rig.receiver, QEvent::TouchEnd, {QPointF(50, 280), QPointF(250, 280)});
    QCOMPARE(Taken(rig.icons), (Icons{{EventLock, 0}}));
  }

  // Each touch end restarts dimming (un-dimmed) and locking with the set
  // minutes; 0 minutes switch either off.
  void dimAndLockRestartWithTheSetTimes_data() {
    QTest::addColumn<int>("dimMinutes");
    QTest::addColumn<int>("lockMinutes");
    QTest::newRow("no dimming, locked after 2 minutes") << 0 << 2;
    QTest::newRow("dimmed after 10, locked after 5") << 10 << 5;
    QTest::newRow("dimmed after 3, never locked") << 3 << 0;
  }
  void dimAndLockRestartWithTheSetTimes() {
    QFETCH(int, dimMinutes);
    QFETCH(int, lockMinutes);
    Rig rig;
    rig.fx.db.KLX_DataBaseManagerGetSetSystemProperties_Fallbacktime(dimMinutes, AtomicDirSet, false);
    rig.fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(lockMinutes, AtomicDirSet, false);
    rig.fx.db.KLX_DataBaseManagerGetSetSystemProperties_TouchTimeoutEvent(1, AtomicDirSet, false);
    const QTimer& dim = g_app->QGuiTouchHandlerApplicationDimTimer();
    const QTimer& lock = g_app->QGuiTouchHandlerApplicationLockTimer();
    Send(&rig.receiver, QEvent::TouchBegin, {QPointF(240, 100)});
    // Not while a finger is down.
    QVERIFY(!dim.isActive());
    QVERIFY(!lock.isActive());
    Send(&rig.receiver, QEvent::TouchEnd, {QPointF(240, 100)});
    QCOMPARE(dim.isActive(), dimMinutes != 0);
    QCOMPARE(lock.isActive(), lockMinutes != 0);
    if (dimMinutes != 0) {
      QCOMPARE(dim.interval(), dimMinutes * 60000);
      QCOMPARE(rig.DimState(), 0);
      QVERIFY(Fire(dim));
      QCOMPARE(rig.DimState(), 1);
    }
    if (lockMinutes != 0) QCOMPARE(lock.interval(), lockMinutes * 60000);
    QCOMPARE(rig.LockEvents(), QList<int>());
  }

  // Locked: display touches are swallowed and ask QML to show how to unlock,
  // other keys do nothing, the lock key unlocks from the next touch on.
  void theLockLetsOnlyTheLockKeyThrough() {
    Rig rig;
    rig.fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(2, AtomicDirSet, false);
    Tap(&rig.receiver, QPointF(240, 100));
    QVERIFY(Fire(g_app->QGuiTouchHandlerApplicationLockTimer()));
    QCOMPARE(rig.LockEvents(), QList<int>{EventTimeout});
    QVERIFY(g_app->QGuiTouchHandlerApplicationIsLocked());

    QCOMPARE(Tap(&rig.receiver, QPointF(240, 100)), (QList<int>{kSwallowed, kSwallowed}));
    QCOMPARE(rig.LockEvents(), QList<int>{EventTouched});
    QCOMPARE(Tap(&rig.receiver, QPointF(250, 280)), (QList<int>{kSwallowed, kSwallowed}));
    QCOMPARE(rig.icons.count(), 0);
    QCOMPARE(Tap(&rig.receiver, QPointF(50, 280)), (QList<int>{kSwallowed, kSwallowed}));
    QCOMPARE(Taken(rig.icons), (Icons{{EventLock, 0}}));
    rig.LockEvents();

    QCOMPARE(Tap(&rig.receiver, QPointF(240, 100)), (QList<int>{int(QEvent::TouchBegin), int(QEvent::TouchEnd)}));
    QVERIFY(!g_app->QGuiTouchHandlerApplicationIsLocked());
    QCOMPARE(rig.LockEvents(), QList<int>());
  }

  // The desktop's mouse counts as a finger: a press holds off the lock, its
  // release restarts it, and once locked the lock swallows the mouse too.
  void mousePressesCountAsTouches() {
    Rig rig;
    rig.fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(5, AtomicDirSet, false);
    const QTimer& lock = g_app->QGuiTouchHandlerApplicationLockTimer();
    auto click = [&rig](QEvent::Type type) {
      QMouseEvent event(type, QPointF(240, 100), Qt::LeftButton, type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                        Qt::NoModifier);
      rig.receiver.types.clear();
      g_app->notify(&rig.receiver, &event);
      return rig.receiver.types.value(0, -1);
    };
    Tap(&rig.receiver, QPointF(240, 100));
    QVERIFY(lock.isActive());
    QCOMPARE(click(QEvent::MouseButtonPress), int(QEvent::MouseButtonPress));
    QVERIFY(!lock.isActive());
    QCOMPARE(click(QEvent::MouseButtonRelease), int(QEvent::MouseButtonRelease));
    QCOMPARE(lock.interval(), 5 * 60000);

    QVERIFY(Fire(lock));
    rig.LockEvents();
    QCOMPARE(click(QEvent::MouseButtonPress), kSwallowed);
    QCOMPARE(click(QEvent::MouseButtonRelease), kSwallowed);
    QCOMPARE(rig.LockEvents(), QList<int>{EventTouched});
    Tap(&rig.receiver, QPointF(50, 280));
    QCOMPARE(click(QEvent::MouseButtonPress), int(QEvent::MouseButtonPress));
    QVERIFY(!g_app->QGuiTouchHandlerApplicationIsLocked());
  }

  // While the switch-off is pending (and after the facade disabled the
  // buttons) every touch is swallowed and no key is reported; other events pass.
  void aPendingSwitchOffSwallowsTouches() {
    Rig rig;
    g_app->QGuiTouchHandlerApplicationSetRunFlag(false);
    QCOMPARE(Tap(&rig.receiver, QPointF(240, 100)), (QList<int>{kSwallowed, kSwallowed}));
    QCOMPARE(Tap(&rig.receiver, QPointF(250, 280)), (QList<int>{kSwallowed, kSwallowed}));
    QCOMPARE(rig.icons.count(), 0);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(240, 100), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    rig.receiver.types.clear();
    g_app->notify(&rig.receiver, &press);
    QCOMPARE(rig.receiver.types, QList<int>{QEvent::MouseButtonPress});
    g_app->QGuiTouchHandlerApplicationSetRunFlag(true);
    QCOMPARE(Tap(&rig.receiver, QPointF(240, 100)), (QList<int>{int(QEvent::TouchBegin), int(QEvent::TouchEnd)}));

    emit rig.fx.db.disable_touch_buttons();
    QVERIFY(!g_app->QGuiTouchHandlerApplicationRunFlag());
    QCOMPARE(Tap(&rig.receiver, QPointF(240, 100)), (QList<int>{kSwallowed, kSwallowed}));
  }
};

int main(int argc, char* argv[]) {
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestTouch test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_touch.moc"
