#pragma once
// A general worker: an object that runs Entry() in a thread of its own,
// with a priority, stop, wait and a destroy request it can look at.
#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>

class CThread : public QObject {
  Q_OBJECT
 public:
  explicit CThread(const QString& name = QString(), QThread::Priority priority = QThread::NormalPriority);
  ~CThread() override;

  // False when a thread exists already.
  bool Start();
  virtual void Stop();
  // True when the thread ended within `ms` (or there is none).
  virtual bool WaitForStop(unsigned long ms);
  virtual void Suspend() {}
  virtual void Resume() {}
  // Stops and waits without limit, then lets the thread go.
  void Free();
  // True (and remembered) when there is no thread or it was asked to end.
  bool TestDestroy();
  bool IsRunning() const { return m_Running; }

 protected:
  virtual int Entry() { return 0; }

 private slots:
  void process();

 private:
  QString m_Name;
  QThread::Priority m_Priority;
  QThread* m_Thread = nullptr;
  std::atomic<bool> m_Running{false};
  std::atomic<bool> m_DestroyRequested{false};
};
