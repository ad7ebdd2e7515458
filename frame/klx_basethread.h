#pragma once
// The pieces every worker thread is built on: a trace hook, a label with a
// processing switch, and one way of starting and stopping. Beside them the
// process's critical sections.
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <pthread.h>

class KLX_Clock;

// Adds the trace hooks; they do nothing and must never change timing.
template <typename T>
class CNoDebugBase : public T {
 public:
  using T::T;
  virtual void Log(const char*) {}
  virtual void Log(const QString&) {}
};

class KLX_BaseClassThread {
 public:
  KLX_BaseClassThread();
  KLX_BaseClassThread(const char* label, bool flag);
  virtual ~KLX_BaseClassThread();

  void KLX_BaseClassThreadStartProcessing() { m_Processing = true; }
  void KLX_BaseClassThreadStopProcessing() { m_Processing = false; }
  bool KLX_BaseClassThreadIsProcessing() const { return m_Processing; }
  void KLX_BaseClassSetThreadLabel(const char* label) { m_LabelPtr = label; }
  const char* KLX_BaseClassGetThreadLabelPtr() const { return m_LabelPtr; }
  const char* KLX_BaseClassThreadLabel() const { return m_Label; }
  int KLX_BaseClassGetIdleTime() const { return 100; }

 private:
  // Written by the GUI or button thread, read once per cycle by the worker.
  std::atomic<bool> m_Processing{false};
  bool m_Spare = false;
  char m_Label[24] = {};
  bool m_ConstructionFlag = false;
  const char* m_LabelPtr = nullptr;
};

// The common start and stop of a worker thread (its mutex, wait condition and
// running flag belong to the thread class).
namespace KLX_ThreadControl {
// Starts with inherited priority and waits up to 200 ms for it to run: until
// its run() has said Entered(), or has ended (a thread that is not set up
// ends at once and is seen not running). A thread still silent after 200 ms
// counts as started and is named by its label in a logged-only line.
bool Start(QThread* thread);
// The same with its 200 ms wait on a given clock: a test steps that clock
// through the wait of a thread that never says it entered.
bool Start(QThread* thread, KLX_Clock& clock);
// The same for a thread whose run() ends at once when its running flag is
// clear: the flag is set before the thread runs, so that a stop asked from
// then on holds also before run() has begun; cleared again when the thread
// does not run.
bool Start(QThread* thread, std::atomic<bool>* running);
// Called by a thread's run() once it is past its own checks and its running
// flag is set: the start waiting for it returns.
void Entered();
// Clears the running flag, wakes the thread through the clock it waits on and
// waits up to 3000 ms.
void Stop(QThread* thread, KLX_Clock& clock, QMutex* mutex, QWaitCondition* wake, std::atomic<bool>* running,
          unsigned long waitMs = 3000);
}  // namespace KLX_ThreadControl

class KLX_Critical {
 public:
  KLX_Critical();
  ~KLX_Critical();
  KLX_Critical(const KLX_Critical&) = delete;
  KLX_Critical& operator=(const KLX_Critical&) = delete;

  void KLX_Critical_Init() {}
  int KLX_Critical_Enter();
  int KLX_Critical_TryLock();
  void KLX_Critical_Leave();
  bool KLX_Critical_IsInitialized() const { return m_Initialized; }

 protected:
  // For tests of a critical section whose mutex could not be made.
  struct NotInitialized {};
  explicit KLX_Critical(NotInitialized) {}

 private:
  bool m_Initialized = false;
  pthread_mutex_t m_Mutex;
};

// Serialises writes to the SD card between threads (the XML saver holds it for
// a whole save pass, the log writer tries it).
extern KLX_Critical MtxSDShareWrite;
