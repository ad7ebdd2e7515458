#pragma once
// The application object (published as "TouchHandler"). It sees every touch
// before the QML scene does: touches on the six keys in the strip below the
// display (the panel is taller than the 480 x 272 screen) become `iconEvent`
// key codes, the lock key held with the forward key takes a screenshot, the
// dim and lock timers restart with each touch, and touches are swallowed
// while the screen is locked or while the switch-off is pending. A window
// with no panel below it (the desktop) takes the function keys F1 to F6 as
// taps on the six keys, from the lock key to the forward key.
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTimer>

#include <atomic>

class KLX_DataBaseManager;
class QKeyEvent;
class QTouchEvent;

class QGuiTouchHandlerApplication : public QGuiApplication {
  Q_OBJECT
 public:
  // The display's height: touch points below it are the keys.
  static constexpr int kDisplayHeight = 272;
  static constexpr int kScreenShotHoldMs = 1500;

  QGuiTouchHandlerApplication(int& argc, char** argv);

  void QGuiTouchHandlerApplicationSetDatabasePtr(KLX_DataBaseManager* db);
  // Touches are taken only while the run flag is set (cleared while the
  // switch-off is pending). Set from the button thread.
  void QGuiTouchHandlerApplicationSetRunFlag(bool run) { m_Run = run; }
  bool QGuiTouchHandlerApplicationRunFlag() const { return m_Run; }
  // Restarts dimming (and un-dims) and locking with the set times.
  void QGuiTouchHandlerApplicationStartTimer();
  void QGuiTouchHandlerApplicationWriteEvent(unsigned char e);
  void QGuiTouchHandlerApplicationStopTimerCheckLock();
  int QGuiTouchHandlerGetIcon() const;

  bool QGuiTouchHandlerApplicationTimersStarted() const { return m_DimTimer.isActive() || m_LockTimer.isActive(); }
  bool QGuiTouchHandlerApplicationIsLocked() const { return m_Locked; }
  // For tests: the timers' state and times.
  const QTimer& QGuiTouchHandlerApplicationDimTimer() const { return m_DimTimer; }
  const QTimer& QGuiTouchHandlerApplicationLockTimer() const { return m_LockTimer; }
  const QTimer& QGuiTouchHandlerApplicationScreenShotTimer() const { return m_ScreenShotTimer; }

  bool notify(QObject* receiver, QEvent* event) override;

 public slots:
  void QGuiTouchHandlerApplicationDimTimeout();
  void QGuiTouchHandlerApplicationLockTimeout();
  void QGuiTouchHandlerApplicationScrnShotTimeout();
  void on_disable_touch_buttons() { m_Run = false; }

 signals:
  void iconEvent(int icon, int icon1);

 private:
  bool Pass(QObject* receiver, QEvent* event);
  bool Swallow(QObject* receiver);
  bool PassRule(QObject* receiver, QEvent* event);
  bool EndRule(QObject* receiver, QEvent* event);
  bool TouchBegin(QObject* receiver, QTouchEvent* event);
  bool TouchUpdate(QObject* receiver, QTouchEvent* event);
  bool TouchEnd(QObject* receiver, QTouchEvent* event);
  bool FunctionKey(QObject* receiver, QKeyEvent* event);
  bool MouseButton(QObject* receiver, QMouseEvent* event);
  void StartScreenShotTimerOnPair();
  void ResetInactivity();
  // A new press on the display or its keys: dimming and locking wait, the
  // inactivity count starts again, an unlock the lock key asked for is done,
  // and a press while locked tells QML.
  void PressActivity();

  QTimer m_DimTimer;
  QTimer m_LockTimer;
  QTimer m_ScreenShotTimer;
  std::atomic<bool> m_Run{true};
  bool m_Locked = false;
  bool m_TouchBegin = false;
  bool m_TouchUpdate = false;
  bool m_TouchEnd = false;
  bool m_UnlockRequest = false;
  int m_Key = 0;
  int m_SecondKey = 0;
  KLX_DataBaseManager* m_Db = nullptr;
};
