#include "frame/qguitouchhandlerapplication.h"

#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"

#include <QKeyEvent>
#include <QTouchEvent>

#include <iterator>

namespace {
constexpr int kMsPerMinute = 60000;
constexpr int kDimmed = 1;
constexpr int kNotDimmed = 0;

bool IsScreenShotPair(int key, int secondKey) {
  return (key == EventLock && secondKey == EventRight) || (key == EventRight && secondKey == EventLock);
}

bool IsTouch(QEvent::Type type) {
  return type == QEvent::TouchBegin || type == QEvent::TouchUpdate || type == QEvent::TouchEnd ||
         type == QEvent::TouchCancel;
}

// Where the panel saw the point: below the display for the keys.
QPoint PanelPosition(const QTouchEvent::TouchPoint& point) { return point.screenPos().toPoint(); }
}  // namespace

QGuiTouchHandlerApplication::QGuiTouchHandlerApplication(int& argc, char** argv) : QGuiApplication(argc, argv) {
  for (QTimer* timer : {&m_DimTimer, &m_LockTimer, &m_ScreenShotTimer}) timer->setSingleShot(true);
  connect(&m_DimTimer, &QTimer::timeout, this, &QGuiTouchHandlerApplication::QGuiTouchHandlerApplicationDimTimeout);
  connect(&m_LockTimer, &QTimer::timeout, this, &QGuiTouchHandlerApplication::QGuiTouchHandlerApplicationLockTimeout);
  connect(&m_ScreenShotTimer, &QTimer::timeout, this,
          &QGuiTouchHandlerApplication::QGuiTouchHandlerApplicationScrnShotTimeout);
}

void QGuiTouchHandlerApplication::QGuiTouchHandlerApplicationSetDatabasePtr(KLX_DataBaseManager* db) {
  if (!db || !m_Run) return;
  if (m_Db) disconnect(m_Db, nullptr, this, nullptr);
  m_Db = db;
  connect(db, &KLX_DataBaseManager::disable_touch_buttons, this, &QGuiTouchHandlerApplication::on_disable_touch_buttons);
  // The application outlives a facade (tests run several): a facade that goes
  // takes its timers' work with it.
  connect(db, &QObject::destroyed, this, [this] {
    m_Db = nullptr;
    m_DimTimer.stop();
    m_LockTimer.stop();
    m_ScreenShotTimer.stop();
  });
}

void QGuiTouchHandlerApplication::QGuiTouchHandlerApplicationStartTimer() {
  if (!m_Db || !m_Run) return;
  const int dimMinutes = m_Db->KLX_DataBaseManagerGetSetSystemProperties_Fallbacktime(0, AtomicDirGet, false);
  if (dimMinutes != 0) {
    m_DimTimer.start(dimMinutes * kMsPerMinute);
    QGuiTouchHandlerApplicationWriteEvent(kNotDimmed);
  } else {
    m_DimTimer.stop();
  }
  const int lockMinutes = m_Db->KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(0, AtomicDirGet, false);
  if (lockMinutes != 0)
    m_LockTimer.start(lockMinutes * kMsPerMinute);
  else
    m_LockTimer.stop();
}

// The battery thread reads the dim state: written under the settings lock.
void QGuiTouchHandlerApplication::QGuiTouchHandlerApplicationWriteEvent(unsigned char e) {
  if (!m_Db || !m_Run) return;
  m_Db->KLX_DataBaseManager_SystemPropertiesLock();
  m_Db->KLX_DataBaseManagerGetSetSystemProperties_TouchTimeoutEvent(e, AtomicDirSet, false);
  m_Db->KLX_DataBaseManager_SystemPropertiesUnlock();
}

void QGuiTouchHandlerApplication::QGuiTouchHandlerApplicationDimTimeout() {
  if (m_Run) QGuiTouchHandlerApplicationWriteEvent(kDimmed);
}

void QGuiTouchHandlerApplication::QGuiTouchHandlerApplicationLockTimeout() {
  if (m_Db && m_Run) m_Db->KLX_DataBaseManagerSetSystemProperties_LockTimeoutEvent(EventTimeout);
  m_Locked = true;
}

void QGuiTouchHandlerApplication::QGuiTouchHandlerApplicationStopTimerCheckLock() {
  // The first touch while locked: QML shows how to unlock.
  if (m_Locked && m_Db && m_Run) m_Db->KLX_DataBaseManagerSetSystemProperties_LockTimeoutEvent(EventTouched);
}

void QGuiTouchHandlerApplication::QGuiTouchHandlerApplicationScrnShotTimeout() {
  if (!m_Db || !m_Run) return;
  const int key = m_Key;
  const int secondKey = m_SecondKey;
  m_Key = 0;
  m_SecondKey = 0;
  emit iconEvent(key, secondKey);
}

int QGuiTouchHandlerApplication::QGuiTouchHandlerGetIcon() const {
  switch (m_Key) {
    case EventLock:
    case EventSettings:
    case EventServo:
    case EventLeft:
    case EventHome:
    case EventRight:
      return m_Key;
    default:
      return EventUnknown;
  }
}

void QGuiTouchHandlerApplication::StartScreenShotTimerOnPair() {
  if (IsScreenShotPair(m_Key, m_SecondKey) && !m_ScreenShotTimer.isActive()) m_ScreenShotTimer.start(kScreenShotHoldMs);
}

void QGuiTouchHandlerApplication::ResetInactivity() {
  if (m_Db) m_Db->KLX_DataBaseManager_ResetInactivityTimer();
}

// ---- the filter ---------------------------------------------------------------------------

bool QGuiTouchHandlerApplication::Pass(QObject* receiver, QEvent* event) {
  return QGuiApplication::notify(receiver, event);
}

// The receiver gets an empty event in place of the touch.
bool QGuiTouchHandlerApplication::Swallow(QObject* receiver) {
  QEvent empty(QEvent::None);
  return QGuiApplication::notify(receiver, &empty);
}

bool QGuiTouchHandlerApplication::PassRule(QObject* receiver, QEvent* event) {
  if (m_Run || !IsTouch(event->type())) return Pass(receiver, event);
  return Swallow(receiver);
}

bool QGuiTouchHandlerApplication::EndRule(QObject* receiver, QEvent* event) {
  if (m_Locked || m_Key != 0) return Swallow(receiver);
  return PassRule(receiver, event);
}

bool QGuiTouchHandlerApplication::notify(QObject* receiver, QEvent* event) {
  switch (event->type()) {
    case QEvent::TouchBegin:
      return TouchBegin(receiver, static_cast<QTouchEvent*>(event));
    case QEvent::TouchUpdate:
      return TouchUpdate(receiver, static_cast<QTouchEvent*>(event));
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
      return TouchEnd(receiver, static_cast<QTouchEvent*>(event));
    case QEvent::KeyPress:
      return FunctionKey(receiver, static_cast<QKeyEvent*>(event)) || Pass(receiver, event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
      return MouseButton(receiver, static_cast<QMouseEvent*>(event));
    default:
      return Pass(receiver, event);
  }
}

// F1 to F6: a tap on the key of that place, through the same rules as a
// finger on the panel. A key held down taps once.
bool QGuiTouchHandlerApplication::FunctionKey(QObject* receiver, QKeyEvent* event) {
  static constexpr int kKeys[] = {EventLock, EventSettings, EventServo, EventLeft, EventHome, EventRight};
  const int index = event->key() - Qt::Key_F1;
  if (index < 0 || index >= int(std::size(kKeys))) return false;
  if (event->isAutoRepeat()) return true;
  QTouchEvent::TouchPoint point(0);
  const QPointF below(kKeys[index], kDisplayHeight + 9);
  point.setScreenPos(below);
  point.setPos(below);
  point.setState(Qt::TouchPointPressed);
  QTouchEvent begin(QEvent::TouchBegin, nullptr, Qt::NoModifier, Qt::TouchPointPressed, {point});
  TouchBegin(receiver, &begin);
  point.setState(Qt::TouchPointReleased);
  QTouchEvent end(QEvent::TouchEnd, nullptr, Qt::NoModifier, Qt::TouchPointReleased, {point});
  TouchEnd(receiver, &end);
  return true;
}

// A mouse (the desktop's pointer) is a finger on the display: its press is
// activity and holds off dimming and locking until it is released, and the
// lock swallows it. Presses made up from touches were counted as touches.
bool QGuiTouchHandlerApplication::MouseButton(QObject* receiver, QMouseEvent* event) {
  if (!m_Run || event->source() != Qt::MouseEventNotSynthesized) return Pass(receiver, event);
  if (event->type() == QEvent::MouseButtonRelease) {
    QGuiTouchHandlerApplicationStartTimer();
    return m_Locked ? Swallow(receiver) : Pass(receiver, event);
  }
  PressActivity();
  return m_Locked ? Swallow(receiver) : Pass(receiver, event);
}

void QGuiTouchHandlerApplication::PressActivity() {
  m_DimTimer.stop();
  m_LockTimer.stop();
  ResetInactivity();
  if (m_UnlockRequest) {
    m_UnlockRequest = false;
    m_Locked = false;
  }
  QGuiTouchHandlerApplicationStopTimerCheckLock();
}

bool QGuiTouchHandlerApplication::TouchBegin(QObject* receiver, QTouchEvent* event) {
  m_DimTimer.stop();
  m_LockTimer.stop();
  m_ScreenShotTimer.stop();
  // The same touch again, on its way from the window to an item.
  if (m_TouchBegin && !m_TouchEnd) {
    QGuiTouchHandlerApplicationStopTimerCheckLock();
    return EndRule(receiver, event);
  }
  const QList<QTouchEvent::TouchPoint>& points = event->touchPoints();
  const QPoint first = points.isEmpty() ? QPoint() : PanelPosition(points.at(0));
  // Any touch is activity, on the display as on the keys.
  if (m_TouchBegin && m_TouchEnd) {
    m_TouchBegin = m_TouchUpdate = m_TouchEnd = false;
    m_Key = 0;
    PressActivity();
    m_TouchBegin = true;
    m_Key = first.y() > kDisplayHeight ? first.x() : 0;
    if (points.size() >= 2 && PanelPosition(points.at(1)).y() > kDisplayHeight) {
      m_SecondKey = PanelPosition(points.at(1)).x();
      StartScreenShotTimerOnPair();
    } else {
      m_SecondKey = 0;
    }
    return EndRule(receiver, event);
  }
  // The first touch since the start.
  ResetInactivity();
  m_TouchBegin = true;
  QGuiTouchHandlerApplicationStopTimerCheckLock();
  if (first.y() > kDisplayHeight) {
    m_Key = first.x();
    return EndRule(receiver, event);
  }
  m_Key = 0;
  if (m_Locked) return Swallow(receiver);
  return PassRule(receiver, event);
}

bool QGuiTouchHandlerApplication::TouchUpdate(QObject* receiver, QTouchEvent* event) {
  m_TouchUpdate = true;
  // A finger lifted in this update no longer holds its key.
  QList<QTouchEvent::TouchPoint> points;
  for (const QTouchEvent::TouchPoint& point : event->touchPoints())
    if (point.state() != Qt::TouchPointReleased) points.append(point);
  if (points.size() < 2) {
    m_ScreenShotTimer.stop();
    m_SecondKey = 0;
  } else if (PanelPosition(points.at(1)).y() > kDisplayHeight) {
    m_Key = PanelPosition(points.at(0)).x();
    m_SecondKey = PanelPosition(points.at(1)).x();
    // Fingers held on the keys still move a little: the hold counts from the
    // moment both keys were first touched.
    StartScreenShotTimerOnPair();
  } else {
    m_SecondKey = 0;
  }
  return EndRule(receiver, event);
}

bool QGuiTouchHandlerApplication::TouchEnd(QObject* receiver, QTouchEvent* event) {
  QGuiTouchHandlerApplicationStartTimer();
  m_ScreenShotTimer.stop();
  m_SecondKey = 0;
  if (m_TouchEnd) return EndRule(receiver, event);
  m_TouchEnd = true;
  if (m_Key == 0) return m_Locked ? Swallow(receiver) : PassRule(receiver, event);
  m_Key = QGuiTouchHandlerGetIcon();
  if (!m_Locked && m_Run) {
    emit iconEvent(m_Key, 0);
  } else if (m_Locked && m_Key == EventLock && m_Run) {
    emit iconEvent(EventLock, 0);
    m_UnlockRequest = true;
  }
  return Swallow(receiver);
}
