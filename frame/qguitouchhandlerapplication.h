#pragma once
// The application object: touch and key handling (published as "TouchHandler").
#include <QGuiApplication>

#include <atomic>

class KLX_DataBaseManager;

class QGuiTouchHandlerApplication : public QGuiApplication {
  Q_OBJECT
 public:
  QGuiTouchHandlerApplication(int& argc, char** argv);
  void QGuiTouchHandlerApplicationSetDatabasePtr(KLX_DataBaseManager* db) { m_Db = db; }
  void QGuiTouchHandlerApplicationStartTimer() { m_TimersStarted = true; }
  bool QGuiTouchHandlerApplicationTimersStarted() const { return m_TimersStarted; }
  // Touches are taken only while the run flag is set (cleared while the
  // switch-off is pending).
  void QGuiTouchHandlerApplicationSetRunFlag(bool run) { m_Run = run; }
  bool QGuiTouchHandlerApplicationRunFlag() const { return m_Run; }
 signals:
  void iconEvent(int icon, int icon1);
 private:
  KLX_DataBaseManager* m_Db = nullptr;
  bool m_TimersStarted = false;
  std::atomic<bool> m_Run{true};
};
