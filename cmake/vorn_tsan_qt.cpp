// Linked into every program of a ThreadSanitizer build (VORN_SANITIZE=thread)
// and nowhere else.
//
// Qt 5 is not built with ThreadSanitizer, and its locks are futexes and
// atomics inside libQt5Core: the sanitizer sees none of the order they give
// and would report every access they guard. The definitions below stand in
// the programs before Qt's own: each calls Qt's and, called from the
// program's code, tells the sanitizer what it locked, released or waited for.
// A thread's end and a queued call are told through Qt's signal and event
// hooks: a thread's finished signal, and every signal, release what its
// sender's thread did before; a queued call acquires it before its slot runs,
// as a wait for a finished thread or a look that finds it ended does.
#include <QCoreApplication>
#include <QEvent>
#include <QMutex>
#include <QReadWriteLock>
#include <QSemaphore>
#include <QThread>
#include <QWaitCondition>

#include <dlfcn.h>
#include <sanitizer/tsan_interface.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

template <typename Fn>
Fn Real(const char* name) {
  void* f = dlsym(RTLD_NEXT, name);
  if (!f) {
    std::fprintf(stderr, "vorn_tsan_qt: %s not found in Qt\n", name);
    std::abort();
  }
  return reinterpret_cast<Fn>(f);
}

#define VORN_REAL(type, mangled) static const auto real = Real<type>(mangled)

// Qt's other libraries reach these definitions as well: their own locks pass
// straight through and stay out of the sanitizer's view, as Qt's are.
extern "C" char __executable_start;
extern "C" char etext;
bool FromProgram(const void* caller) {
  const auto* pc = static_cast<const char*>(caller);
  return pc >= &__executable_start && pc < &etext;
}
#define VORN_FROM_QT (!FromProgram(__builtin_return_address(0)))

unsigned MutexFlags(const QMutex* m) {
  return const_cast<QMutex*>(m)->isRecursive() ? __tsan_mutex_write_reentrant : 0u;
}

// Qt's hook types (qobject_p.h, not installed): four callbacks in this order.
struct SignalSpyCallbackSet {
  void (*signalBegin)(QObject*, int, void**);
  void (*slotBegin)(QObject*, int, void**);
  void (*signalEnd)(QObject*, int);
  void (*slotEnd)(QObject*, int);
};

// QML's handlers are reached through Qt's declarative hook before the
// signal's own start: the hook, once QML has set it, is wrapped to release
// first (a signal from another thread posts the handler's call there).
using DeclarativeHook = void (*)(void*, QObject*, int, void**);
std::atomic<DeclarativeHook> g_QmlHook{nullptr};
void ReleasingQmlHook(void* data, QObject* sender, int index, void** argv) {
  __tsan_release(sender);
  g_QmlHook.load()(data, sender, index, argv);
}
void WrapQmlHook() {
  static auto* const hook =
      static_cast<DeclarativeHook*>(dlsym(RTLD_DEFAULT, "_ZN24QAbstractDeclarativeData13signalEmittedE"));
  if (!hook) return;
  DeclarativeHook current = __atomic_load_n(hook, __ATOMIC_ACQUIRE);
  if (!current || current == ReleasingQmlHook) return;
  g_QmlHook = current;
  __atomic_compare_exchange_n(hook, &current, &ReleasingQmlHook, false, __ATOMIC_ACQ_REL, __ATOMIC_ACQUIRE);
}

// At its start for the queued calls it posts, at its end for what the
// directly connected slots did (a thread's finished signal runs them in the
// ending thread).
void SignalBegin(QObject* sender, int, void**) {
  __tsan_release(sender);
  WrapQmlHook();
}
void SignalEnd(QObject* sender, int) { __tsan_release(sender); }

// The head of Qt's queued-call event (QAbstractMetaCallEvent, qobject_p.h).
struct MetaCallEventHead : QEvent {
  int signalId;
  const QObject* sender;
};

bool EventNotify(void** data) {
  WrapQmlHook();
  const auto* event = static_cast<const QEvent*>(data[1]);
  if (event->type() == QEvent::MetaCall) {
    const QObject* sender = static_cast<const MetaCallEventHead*>(event)->sender;
    if (sender) __tsan_acquire(const_cast<QObject*>(sender));
  }
  return false;
}

SignalSpyCallbackSet g_Hooks{SignalBegin, nullptr, SignalEnd, nullptr};

[[maybe_unused]] const bool g_Installed = [] {
  using Register = void (*)(SignalSpyCallbackSet*);
  Real<Register>("_Z32qt_register_signal_spy_callbacksP21QSignalSpyCallbackSet")(&g_Hooks);
  QInternal::registerCallback(QInternal::EventNotifyCallback, EventNotify);
  return true;
}();

}  // namespace

// ThreadSanitizer's defaults for these programs: the suppressions of reports
// wholly inside Qt and the system's libraries, and both stacks of a lock
// order inversion. TSAN_OPTIONS given at the run override them.
extern "C" const char* __tsan_default_options() {
  return "second_deadlock_stack=1 suppressions=" VORN_TSAN_SUPPRESSIONS;
}

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT {
  VORN_REAL(void (*)(QMutex*), "_ZN6QMutex4lockEv");
  if (VORN_FROM_QT) return real(this);
  const unsigned flags = MutexFlags(this);
  __tsan_mutex_pre_lock(this, flags);
  real(this);
  __tsan_mutex_post_lock(this, flags, 0);
}

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT {
  VORN_REAL(bool (*)(QMutex*, int), "_ZN6QMutex7tryLockEi");
  if (VORN_FROM_QT) return real(this, timeout);
  const unsigned flags = MutexFlags(this) | __tsan_mutex_try_lock;
  __tsan_mutex_pre_lock(this, flags);
  const bool locked = real(this, timeout);
  __tsan_mutex_post_lock(this, locked ? flags : flags | __tsan_mutex_try_lock_failed, 0);
  return locked;
}

void QMutex::unlock() noexcept {
  VORN_REAL(void (*)(QMutex*), "_ZN6QMutex6unlockEv");
  if (VORN_FROM_QT) return real(this);
  __tsan_mutex_pre_unlock(this, 0);
  real(this);
  __tsan_mutex_post_unlock(this, 0);
}

QMutex::~QMutex() {
  VORN_REAL(void (*)(QMutex*), "_ZN6QMutexD2Ev");
  if (!VORN_FROM_QT) __tsan_mutex_destroy(this, 0);
  real(this);
}

// A wait gives the mutex up and takes it again inside Qt.
namespace {
template <typename Fn, typename Arg>
bool WaitOn(Fn real, QWaitCondition* cond, QMutex* m, Arg arg) {
  __tsan_mutex_pre_unlock(m, 0);
  __tsan_mutex_post_unlock(m, 0);
  const bool woken = real(cond, m, arg);
  __tsan_mutex_pre_lock(m, 0);
  __tsan_mutex_post_lock(m, 0, 0);
  return woken;
}
template <typename Fn, typename Arg>
bool WaitOn(Fn real, QWaitCondition* cond, QReadWriteLock* l, Arg arg) {
  __tsan_release(l);
  const bool woken = real(cond, l, arg);
  __tsan_acquire(l);
  return woken;
}
}  // namespace

bool QWaitCondition::wait(QMutex* m, QDeadlineTimer deadline) {
  VORN_REAL(bool (*)(QWaitCondition*, QMutex*, QDeadlineTimer), "_ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer");
  if (VORN_FROM_QT) return real(this, m, deadline);
  return WaitOn(real, this, m, deadline);
}

bool QWaitCondition::wait(QMutex* m, unsigned long time) {
  VORN_REAL(bool (*)(QWaitCondition*, QMutex*, unsigned long), "_ZN14QWaitCondition4waitEP6QMutexm");
  if (VORN_FROM_QT) return real(this, m, time);
  return WaitOn(real, this, m, time);
}

bool QWaitCondition::wait(QReadWriteLock* l, QDeadlineTimer deadline) {
  VORN_REAL(bool (*)(QWaitCondition*, QReadWriteLock*, QDeadlineTimer),
            "_ZN14QWaitCondition4waitEP14QReadWriteLock14QDeadlineTimer");
  return WaitOn(real, this, l, deadline);
}

bool QWaitCondition::wait(QReadWriteLock* l, unsigned long time) {
  VORN_REAL(bool (*)(QWaitCondition*, QReadWriteLock*, unsigned long), "_ZN14QWaitCondition4waitEP14QReadWriteLockm");
  return WaitOn(real, this, l, time);
}

// Read-write locks order only: readers and writers all acquire and release.
void QReadWriteLock::lockForRead() {
  VORN_REAL(void (*)(QReadWriteLock*), "_ZN14QReadWriteLock11lockForReadEv");
  real(this);
  __tsan_acquire(this);
}

void QReadWriteLock::lockForWrite() {
  VORN_REAL(void (*)(QReadWriteLock*), "_ZN14QReadWriteLock12lockForWriteEv");
  real(this);
  __tsan_acquire(this);
}

bool QReadWriteLock::tryLockForRead() {
  VORN_REAL(bool (*)(QReadWriteLock*), "_ZN14QReadWriteLock14tryLockForReadEv");
  const bool locked = real(this);
  if (locked) __tsan_acquire(this);
  return locked;
}

bool QReadWriteLock::tryLockForRead(int timeout) {
  VORN_REAL(bool (*)(QReadWriteLock*, int), "_ZN14QReadWriteLock14tryLockForReadEi");
  const bool locked = real(this, timeout);
  if (locked) __tsan_acquire(this);
  return locked;
}

bool QReadWriteLock::tryLockForWrite() {
  VORN_REAL(bool (*)(QReadWriteLock*), "_ZN14QReadWriteLock15tryLockForWriteEv");
  const bool locked = real(this);
  if (locked) __tsan_acquire(this);
  return locked;
}

bool QReadWriteLock::tryLockForWrite(int timeout) {
  VORN_REAL(bool (*)(QReadWriteLock*, int), "_ZN14QReadWriteLock15tryLockForWriteEi");
  const bool locked = real(this, timeout);
  if (locked) __tsan_acquire(this);
  return locked;
}

void QReadWriteLock::unlock() {
  VORN_REAL(void (*)(QReadWriteLock*), "_ZN14QReadWriteLock6unlockEv");
  __tsan_release(this);
  real(this);
}

void QSemaphore::acquire(int n) {
  VORN_REAL(void (*)(QSemaphore*, int), "_ZN10QSemaphore7acquireEi");
  real(this, n);
  __tsan_acquire(this);
}

bool QSemaphore::tryAcquire(int n) {
  VORN_REAL(bool (*)(QSemaphore*, int), "_ZN10QSemaphore10tryAcquireEi");
  const bool taken = real(this, n);
  if (taken) __tsan_acquire(this);
  return taken;
}

bool QSemaphore::tryAcquire(int n, int timeout) {
  VORN_REAL(bool (*)(QSemaphore*, int, int), "_ZN10QSemaphore10tryAcquireEii");
  const bool taken = real(this, n, timeout);
  if (taken) __tsan_acquire(this);
  return taken;
}

void QSemaphore::release(int n) {
  VORN_REAL(void (*)(QSemaphore*, int), "_ZN10QSemaphore7releaseEi");
  __tsan_release(this);
  real(this, n);
}

// A finished thread emitted its finished signal (a release of the thread
// object, above) before a wait or a look can see it finished.
bool QThread::wait(QDeadlineTimer deadline) {
  VORN_REAL(bool (*)(QThread*, QDeadlineTimer), "_ZN7QThread4waitE14QDeadlineTimer");
  const bool ended = real(this, deadline);
  if (ended) __tsan_acquire(this);
  return ended;
}

bool QThread::wait(unsigned long time) {
  VORN_REAL(bool (*)(QThread*, unsigned long), "_ZN7QThread4waitEm");
  const bool ended = real(this, time);
  if (ended) __tsan_acquire(this);
  return ended;
}

bool QThread::isRunning() const {
  VORN_REAL(bool (*)(const QThread*), "_ZNK7QThread9isRunningEv");
  const bool running = real(this);
  if (!running) __tsan_acquire(const_cast<QThread*>(this));
  return running;
}

bool QThread::isFinished() const {
  VORN_REAL(bool (*)(const QThread*), "_ZNK7QThread10isFinishedEv");
  const bool finished = real(this);
  if (finished) __tsan_acquire(const_cast<QThread*>(this));
  return finished;
}
