#include "frame/klx_basethread.h"

#include <QDeadlineTimer>
#include <QSet>

#include <algorithm>
#include <cstring>

#include "frame/klx_clock.h"

KLX_BaseClassThread::KLX_BaseClassThread() = default;

KLX_BaseClassThread::KLX_BaseClassThread(const char* label, bool flag) : m_ConstructionFlag(flag) {
  if (label) {
    std::strncpy(m_Label, label, sizeof(m_Label) - 1);
    m_Label[sizeof(m_Label) - 1] = '\0';
  }
  (void)m_Spare;
  (void)m_ConstructionFlag;
}

KLX_BaseClassThread::~KLX_BaseClassThread() = default;

namespace KLX_ThreadControl {

namespace {
constexpr qint64 kStartWaitMs = 200;
// A thread that ended is seen within this (its end is not signalled here).
constexpr qint64 kEndPollMs = 5;

QMutex g_EnteredMutex;
QWaitCondition g_EnteredWake;
QSet<QThread*> g_Entered;
}  // namespace

bool Start(QThread* thread) {
  QDeadlineTimer deadline(kStartWaitMs);
  QMutexLocker lock(&g_EnteredMutex);
  g_Entered.remove(thread);
  thread->start(QThread::InheritPriority);
  while (!g_Entered.contains(thread) && !thread->isFinished() && !deadline.hasExpired())
    g_EnteredWake.wait(&g_EnteredMutex, QDeadlineTimer(std::min(deadline.remainingTime(), kEndPollMs)));
  g_Entered.remove(thread);
  return thread->isRunning();
}

void Entered() {
  QMutexLocker lock(&g_EnteredMutex);
  g_Entered.insert(QThread::currentThread());
  g_EnteredWake.wakeAll();
}

void Stop(QThread* thread, KLX_Clock& clock, QMutex* mutex, QWaitCondition* wake, std::atomic<bool>* running,
          unsigned long waitMs) {
  *running = false;
  mutex->lock();
  clock.KLX_ClockWake(*wake);
  mutex->unlock();
  if (thread->isRunning() && QThread::currentThread() != thread) thread->wait(waitMs);
}

}  // namespace KLX_ThreadControl

KLX_Critical::KLX_Critical() {
  pthread_mutexattr_t attr;
  if (pthread_mutexattr_init(&attr) != 0) return;
  // The adaptive, non-recursive kind of the system's thread library.
  if (pthread_mutexattr_settype(&attr, 3) == 0 && pthread_mutex_init(&m_Mutex, &attr) == 0)
    m_Initialized = true;
  pthread_mutexattr_destroy(&attr);
}

KLX_Critical::~KLX_Critical() {
  if (m_Initialized) pthread_mutex_destroy(&m_Mutex);
}

int KLX_Critical::KLX_Critical_Enter() {
  return m_Initialized ? pthread_mutex_lock(&m_Mutex) : -1;
}

int KLX_Critical::KLX_Critical_TryLock() {
  return m_Initialized ? pthread_mutex_trylock(&m_Mutex) : -1;
}

void KLX_Critical::KLX_Critical_Leave() {
  if (m_Initialized) pthread_mutex_unlock(&m_Mutex);
}

KLX_Critical MtxSDShareWrite;
