#include "frame/klx_basethread.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstring>

#include "frame/klx_clock.h"
#include "frame/klx_errorhandler.h"

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
// Logged only (class 5): a thread still silent at the end of the wait is
// almost always one scheduled late on a busy processor, which is no fault.
// The line keeps the name for whoever looks into a thread that never ran,
// without an error text for the pilot.
constexpr unsigned kLogNotYetEntered = 0x51607;

QMutex g_EnteredMutex;
QWaitCondition g_EnteredWake;
QSet<QThread*> g_Entered;
QSet<QThread*> g_Ended;
// The clock each start in progress waits on: the thread wakes it through that.
QHash<QThread*, KLX_Clock*> g_Starting;

void Mark(QSet<QThread*>& set, QThread* thread) {
  QMutexLocker lock(&g_EnteredMutex);
  set.insert(thread);
  if (KLX_Clock* clock = g_Starting.value(thread)) clock->KLX_ClockWake(g_EnteredWake);
}

QString ThreadName(QThread* thread) {
  if (auto* base = dynamic_cast<KLX_BaseClassThread*>(thread); base && base->KLX_BaseClassThreadLabel()[0])
    return QString::fromLatin1(base->KLX_BaseClassThreadLabel());
  return thread->objectName().isEmpty() ? QString::fromLatin1(thread->metaObject()->className()) : thread->objectName();
}
}  // namespace

bool Start(QThread* thread, KLX_Clock& clock) {
  // A thread that ends says so in its own finish, before it is seen finished.
  const QMetaObject::Connection ended =
      QObject::connect(thread, &QThread::finished, thread, [thread] { Mark(g_Ended, thread); }, Qt::DirectConnection);
  QMutexLocker lock(&g_EnteredMutex);
  g_Entered.remove(thread);
  g_Ended.remove(thread);
  g_Starting.insert(thread, &clock);
  const qint64 deadline = clock.KLX_ClockNowMs() + kStartWaitMs;
  thread->start(QThread::InheritPriority);
  qint64 left = kStartWaitMs;
  while (!g_Entered.contains(thread) && !g_Ended.contains(thread) && left > 0) {
    clock.KLX_ClockWait(g_EnteredWake, g_EnteredMutex, static_cast<unsigned long>(left));
    left = deadline - clock.KLX_ClockNowMs();
  }
  const bool entered = g_Entered.remove(thread);
  const bool gone = g_Ended.remove(thread);
  g_Starting.remove(thread);
  lock.unlock();
  QObject::disconnect(ended);
  if (gone) return false;
  // Running but silent: started all the same (it runs, only late); its start
  // cost the whole wait, and the log says which thread it was.
  if (!entered)
    KLXErrorHandler.RegisterError(
        kLogNotYetEntered,
        QStringLiteral("thread %1 did not report entering its run within %2 ms").arg(ThreadName(thread)).arg(kStartWaitMs));
  return thread->isRunning();
}

bool Start(QThread* thread) {
  return Start(thread, KLX_Clock::KLX_ClockSystem());
}

bool Start(QThread* thread, std::atomic<bool>* running) {
  *running = true;
  if (Start(thread)) return true;
  *running = false;
  return false;
}

void Entered() {
  Mark(g_Entered, QThread::currentThread());
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
