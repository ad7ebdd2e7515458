#pragma once
// The main window as the program shows it: a fresh card, the simulated
// controllers, the system started with its QML context objects and
// "qrc:/main.qml" loaded. Helpers drive it the way a user does (touch keys
// as iconEvent, touches on the screen) and read what it shows.
//
// The start-up chain runs against the simulated controllers to its end
// before the window is loaded, and the boot status it chose is then taken
// back, so that each case decides the first screen. The battery thread runs
// on a clock that is never stepped: the strip shows the packs a case sets,
// and the thread sends no brightness.
#include <QtTest>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>

#include <memory>

#include "frame/klx_board.h"
#include "frame/klx_clock.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_system.h"
#include "frame/klx_xmlfilesaver.h"
#include "frame/qguitouchhandlerapplication.h"
#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"
#include "sim/csimupdateserver.h"
#include "tasks/klx_vornstatemachine.h"
#include "tasks/klx_vorntask.h"
#include "vorn_display.h"
#include "vorn_testroot.h"

namespace qmlframe {

// A screen test's waits, its QTRY_ waits too, end after the suite's minute
// (kVornHangMs): a busy machine may hold the animation clock for seconds.
constexpr int kHangMs = kVornHangMs;

constexpr unsigned kNoTimezones = 0x22814;
constexpr unsigned kStateFileSkipped = 0x228A5;

inline const QString kHome = QStringLiteral("qrc:/Frontend/QML/2_Home.qml");
inline const QString kMainMenu = QStringLiteral("qrc:/Frontend/QML/3.qml");
inline const QString kSettingsMenu = QStringLiteral("qrc:/Frontend/QML/13.qml");
inline const QString kUserMenu = QStringLiteral("qrc:/Frontend/QML/UserMenu.qml");
inline const QString kModelMenu = QStringLiteral("qrc:/Frontend/QML/ModelMenu.qml");
inline const QString kUpdate = QStringLiteral("qrc:/Frontend/QML/24.qml");
inline const QString kOutro = QStringLiteral("qrc:/Frontend/QML/EmptyOutroStop.qml");

// A display of the process's own, before the application is made.
inline void OwnDisplay() { VornOwnDisplay(); }

// The two boards as data rows: "variant" (a CSimBoard::Variant) and "tag"
// (for screenshot names).
inline void BoardRows() {
  QTest::addColumn<int>("variant");
  QTest::addColumn<QString>("tag");
  QTest::newRow("Vorn") << int(CSimBoard::Vorn) << "vorn";
  QTest::newRow("Fenk") << int(CSimBoard::Fenk) << "fenk";
}

// Screenshots are kept with the test run's artefacts.
inline QString ScreenshotPath(const QString& name) { return VornScreenshotPath(name); }

// Depth-first over items and plain children: loaded screens, repeater and
// view delegates are found as well.
inline QObject* FindNamed(QObject* from, const QString& name) {
  if (!from) return nullptr;
  if (from->objectName() == name) return from;
  if (auto* item = qobject_cast<QQuickItem*>(from)) {
    for (QQuickItem* child : item->childItems())
      if (QObject* found = FindNamed(child, name)) return found;
  }
  for (QObject* child : from->children())
    if (QObject* found = FindNamed(child, name)) return found;
  return nullptr;
}

class QmlFrame;
// The frame SharedFrame() keeps for a test's cases. A frame made beside it
// ends it first: one system at a time, as the mixing engine's state and the
// board are the program's one.
inline std::unique_ptr<QmlFrame>*& SharedFrameHolder() {
  static std::unique_ptr<QmlFrame>* holder = nullptr;
  return holder;
}
struct OneSystemAtATime {
  OneSystemAtATime();
};

class QmlFrame {
 public:
  QmlFrame(QGuiTouchHandlerApplication* app, CSimBoard::Variant variant = CSimBoard::Vorn)
      : m_App(app), m_Board(m_Root.Path(), variant) {
    Board::Free();
    m_Board.Prepare();
    // Touches count again, as in a program just started: a case that
    // switched off turned them off in the one application.
    if (m_App) m_App->QGuiTouchHandlerApplicationSetRunFlag(true);
    m_System.OnOffHandler().KLX_OnOffHandlerSetClock(&m_Clock);
    m_System.BatteryHandler().KLX_BatteryHandlerSetClock(&m_BatteryClock);
    m_Errors.Expect({kNoTimezones, kStateFileSkipped});
    m_Controllers.reset(new CSimControllers(m_Root.Path()));
    m_Controllers->SetStreaming(false);
    m_Controllers->Serve(m_Root.Path() + "/run/can0");
  }
  ~QmlFrame() {
    // Signals that other threads emit on objects QML watches reach this
    // thread through relay objects that Qt deletes only once they are
    // delivered: the window stops drawing and the relays of its frames
    // are delivered before it goes, and those of the system's threads once
    // the threads have stopped, before the objects they name go.
    if (m_Window) m_Window->hide();
    QCoreApplication::sendPostedEvents();
    m_Engine.reset();
    // The stop waits for a running pass on the saver's clock.
    if (m_SavesHeld) Db().KLX_DatabaseManagerXMLFileSaverPtr()->KLX_XMLFileSaverSetClock(nullptr);
    // As the switch-off does: no part sends once the link goes down.
    m_System.KLX_SystemStopProcessing();
    m_System.KLX_SystemBringDownOnOffHandler();
    m_System.KLX_SystemStop(1);
    QCoreApplication::sendPostedEvents();
    m_System.KLX_SystemFree();
  }

  KLX_System& System() { return m_System; }
  KLX_DataBaseManager& Db() { return m_System.Database(); }
  VornErrorWatch& Errors() { return m_Errors; }
  CSimBoard& Board() { return m_Board; }
  CSimControllers& Controllers() { return *m_Controllers; }
  // The clock the power button's thread samples on.
  KLX_ManualClock& ButtonClock() { return m_Clock; }
  // Holds the saver's 30 s period (its clock is never stepped) for the
  // frame's life: a periodic pass between two looks of a case would change
  // what the case reads (the telemetry's pause, the card's files). A save
  // asked for still runs at once.
  void HoldPeriodicSaves() {
    Db().KLX_DatabaseManagerXMLFileSaverPtr()->KLX_XMLFileSaverSetClock(&m_SaverClock);
    m_SavesHeld = true;
  }

  // Starts the system and shows the main window; the intro is switched off
  // unless asked for. The boot status is not valid until the case sets it.
  bool Start(bool intro = false) {
    m_Engine.reset(new QQmlApplicationEngine);
    if (m_System.KLX_SystemStart(m_Engine.get(), m_App) != KLX_Ok) return false;
    if (!WaitStartupChainEnd()) return false;
    Db().KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_NOTVALID, AtomicDirSet);
    Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_IntroVideo(intro ? 1 : 0, AtomicDirSet, false);
    m_Engine->load(QUrl(QStringLiteral("qrc:/main.qml")));
    if (m_Engine->rootObjects().size() != 1) return false;
    m_Window = qobject_cast<QQuickWindow*>(m_Engine->rootObjects().constFirst());
    if (!m_Window) return false;
    m_System.KLX_SystemSetQuickWindow(m_Window);
    return QTest::qWaitForWindowExposed(m_Window, kHangMs) && QTest::qWaitForWindowActive(m_Window, kHangMs);
  }
  // Starts and waits for the home screen of a normal boot.
  bool StartAtHome() {
    if (!Start()) return false;
    Db().KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_NORMAL, AtomicDirSet);
    return WaitShown(kHome);
  }

  // The system is up and the task handler idle again.
  bool WaitStartupChainEnd() {
    return QTest::qWaitFor(
        [&] {
          return Db().KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet) == KLX_VornTask::KLX_PHASE_SYSTEM_UP &&
                 m_System.VornHandler().KLX_VornHandlerGetState() == KLX_VornStateMachine::KLX_VORN_STATE_IDLE;
        },
        kHangMs);
  }

  QQuickWindow* Window() const { return m_Window; }
  QObject* Root() const { return m_Window; }
  QObject* Named(const QString& name) const { return FindNamed(m_Window, name); }
  QQuickItem* Item(const QString& name) const { return qobject_cast<QQuickItem*>(Named(name)); }
  QVariant Property(const QString& object, const char* property) const {
    QObject* o = Named(object);
    return o ? o->property(property) : QVariant();
  }

  // Calls a QML function of a named object (or of the window).
  QVariant Call(const QString& object, const char* function, const QVariantList& args = {}) {
    QObject* target = object.isEmpty() ? m_Window : Named(object);
    QVariant result;
    if (!target) return result;
    QGenericArgument a[6];
    for (int i = 0; i < args.size() && i < 6; ++i) a[i] = Q_ARG(QVariant, args[i]);
    QMetaObject::invokeMethod(target, function, Q_RETURN_ARG(QVariant, result), a[0], a[1], a[2], a[3], a[4], a[5]);
    return result;
  }

  // What the screen area shows, and the history.
  QString Shown() const { return m_Window->findChild<QObject*>("mainLoader")->property("source").toUrl().toString(); }
  bool WaitShown(const QString& url, int ms = kHangMs) {
    QElapsedTimer t;
    t.start();
    while (Shown() != url && t.elapsed() < ms) QTest::qWait(10);
    return Shown() == url;
  }
  QStringList History() { return Call("systemHistory", "urls").toStringList(); }
  int HistoryIndex() const { return Property("systemHistory", "index").toInt(); }
  QVariantList Args(int index) { return Call("systemHistory", "args", {index}).toList(); }

  // A touch key below the display, as the touch filter reports it.
  void Key(int icon, int icon1 = 0) {
    emit m_App->iconEvent(icon, icon1);
    QCoreApplication::processEvents();
  }

  // Touches in window coordinates.
  QPoint Centre(QQuickItem* item) const {
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
  }
  void Tap(const QPoint& at) {
    QTest::touchEvent(m_Window, Device()).press(0, at, m_Window);
    QTest::touchEvent(m_Window, Device()).release(0, at, m_Window);
    QCoreApplication::processEvents();
  }
  void Tap(QQuickItem* item) { Tap(Centre(item)); }
  // Only an item that shows inside the window can be touched.
  bool Tap(const QString& name) {
    QQuickItem* item = Item(name);
    if (!item || !item->isVisible()) return false;
    const QPoint at = Centre(item);
    if (!QRect(0, 0, m_Window->width(), m_Window->height()).contains(at)) return false;
    Tap(at);
    return true;
  }
  void Hold(const QPoint& at, int ms) {
    QTest::touchEvent(m_Window, Device()).press(0, at, m_Window);
    QTest::qWait(ms);
    // The wait may end between two looks at the timers (a busy machine kept
    // the thread from running): a press-and-hold due by now fires before
    // the release, as it does for a finger held this long.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QTest::touchEvent(m_Window, Device()).release(0, at, m_Window);
    QCoreApplication::processEvents();
  }
  // A finger held until `done` holds (a minute at most): a hold's later
  // steps may run on screen timers, whose animation clock a busy machine
  // holds back far behind real time.
  template <typename Done>
  bool HoldUntil(const QPoint& at, Done done) {
    QTest::touchEvent(m_Window, Device()).press(0, at, m_Window);
    const bool came = QTest::qWaitFor(done, kHangMs);
    QTest::touchEvent(m_Window, Device()).release(0, at, m_Window);
    QCoreApplication::processEvents();
    return came;
  }
  void Swipe(const QPoint& from, const QPoint& to, int steps = 6) {
    QTest::touchEvent(m_Window, Device()).press(0, from, m_Window);
    for (int i = 1; i <= steps; ++i) {
      QTest::qWait(10);
      const QPoint p = from + (to - from) * i / steps;
      QTest::touchEvent(m_Window, Device()).move(0, p, m_Window);
    }
    QTest::touchEvent(m_Window, Device()).release(0, to, m_Window);
    QCoreApplication::processEvents();
  }
  // A drag whose every move reaches the items before the next comes. The
  // window holds a move back until its next frame and merges the moves that
  // come meanwhile: on a busy machine a flickable then saw its first move
  // past the drag threshold only near the end, and moved by the last few
  // pixels alone.
  void Drag(const QPoint& from, const QPoint& to, int steps = 6) {
    QTest::touchEvent(m_Window, Device()).press(0, from, m_Window);
    for (int i = 1; i <= steps; ++i) {
      QTest::touchEvent(m_Window, Device()).move(0, from + (to - from) * i / steps, m_Window);
      Settle();
    }
    QTest::touchEvent(m_Window, Device()).release(0, to, m_Window);
    QCoreApplication::processEvents();
  }
  // A drag over a flickable that waits until it has come to rest: a flick
  // runs on after the finger lifts, later still on a busy machine.
  bool SwipeToRest(QQuickItem* flickable, const QPoint& from, const QPoint& to) {
    if (!flickable) return false;
    Drag(from, to);
    return QTest::qWaitFor([&] { return !flickable->property("moving").toBool(); }, kHangMs);
  }

  // The status strip pulled down by a swipe (true once it has come to rest
  // open), and up. Its elastic swing ends exactly on its place, but passes
  // it exactly on the way too: a touch then finds the strip moving on.
  bool StripAt(qreal y) const {
    const QVariant swinging = Property("upperFrame", "swinging");
    return swinging.isValid() && !swinging.toBool() && Property("upperFrame", "y").toReal() == y;
  }
  bool OpenStrip() {
    Swipe(QPoint(240, 8), QPoint(240, 120));
    return QTest::qWaitFor([&] { return StripAt(-10.0); }, kHangMs);
  }
  bool StripClosed() const { return StripAt(-175.0); }
  bool WaitStripClosed() { return QTest::qWaitFor([&] { return StripClosed(); }, kHangMs); }

  // A button of the pop-up box shown now.
  bool TapInPopup(const QString& name) {
    auto* item = qobject_cast<QQuickItem*>(FindNamed(Popup(), name));
    if (!item || !item->isVisible()) return false;
    Tap(item);
    return true;
  }

  // The pop-up box shown now (null when none).
  QObject* Popup() const { return Root()->property("currentPopup").value<QObject*>(); }
  QString PopupText() const {
    QObject* box = Popup();
    return box ? box->property("message").toString() : QString();
  }

  // Creates a piece of QML over the screen area, in the main window's
  // context (its ids and functions are there), as a screen would.
  QQuickItem* Create(const QString& qml, const QString& parentName = QStringLiteral("popupLayer")) {
    QQmlComponent component(m_Engine.get());
    component.setData(qml.toUtf8(), QUrl(QStringLiteral("qrc:/Frontend/QML/TestHost.qml")));
    QObject* object = component.beginCreate(qmlContext(m_Window));
    auto* item = qobject_cast<QQuickItem*>(object);
    if (!item) {
      qWarning() << component.errorString();
      delete object;
      return nullptr;
    }
    item->setParentItem(Item(parentName));
    item->setParent(Item(parentName));
    // As if made by createObject(): it may destroy() itself.
    QQmlEngine::setObjectOwnership(item, QQmlEngine::JavaScriptOwnership);
    component.completeCreate();
    return item;
  }

  // Waits for two frames: rows that came or went are laid out anew before
  // the second (the first may have been under way before they changed).
  // The render thread swaps the frames: they are counted in this thread,
  // through a queued connection. A frame comes within a few milliseconds on
  // a quiet machine; the bound is for a busy one, where a frame may wait for
  // the processor far longer.
  void Settle() {
    QObject receiver;
    int swaps = 0;
    QObject::connect(m_Window, &QQuickWindow::frameSwapped, &receiver, [&] { ++swaps; }, Qt::QueuedConnection);
    for (int i = 0; i < 2; ++i) {
      const int before = swaps;
      m_Window->update();
      if (!QTest::qWaitFor([&] { return swaps > before; }, kHangMs)) return;
    }
  }

  QImage Grab(const QString& name) {
    QImage image = m_Window->grabWindow();
    image.save(ScreenshotPath(name));
    return image;
  }

  static QTouchDevice* Device() {
    static QTouchDevice* device = QTest::createTouchDevice();
    return device;
  }

 private:
  OneSystemAtATime m_OneSystem;  // first: before the root and board are made
  QGuiTouchHandlerApplication* m_App;
  VornTestRoot m_Root;
  CSimBoard m_Board;
  std::unique_ptr<CSimControllers> m_Controllers;
  VornErrorWatch m_Errors;
  KLX_ManualClock m_Clock;
  KLX_ManualClock m_BatteryClock;
  KLX_ManualClock m_SaverClock;
  bool m_SavesHeld = false;
  KLX_System m_System;
  std::unique_ptr<QQmlApplicationEngine> m_Engine;
  QQuickWindow* m_Window = nullptr;
};

// One main window for the cases of a test (or a benchmark) that need no
// fresh start, made when first asked for.
inline OneSystemAtATime::OneSystemAtATime() {
  if (std::unique_ptr<QmlFrame>* shared = SharedFrameHolder()) shared->reset();
}

inline QmlFrame& SharedFrame(QGuiTouchHandlerApplication* app, std::unique_ptr<QmlFrame>& frame) {
  if (!frame) {
    frame.reset(new QmlFrame(app));
    SharedFrameHolder() = &frame;
    if (!frame->StartAtHome()) qFatal("the main window did not start");
  }
  return *frame;
}

// An application update for `board` ("Vorn", "Fenk"), its program "the new
// program", on USB stick 1 plugged in.
inline bool PutAppUpdateOnStick(QmlFrame& f, const QString& board = QStringLiteral("Vorn")) {
  CSimAppPackage package;
  package.board = board;
  package.program = "the new program";
  return f.Board().SetUsbStickInserted(0, true) &&
         CSimUpdateServer::WriteFiles(f.Board().Root() + "/media/usb0", package.ServerFiles());
}

}  // namespace qmlframe
