// Linked into every program of a ThreadSanitizer build (VORN_SANITIZE=thread)
// and nowhere else.
//
// Qt 5 is not built with ThreadSanitizer, and its locks are futexes and
// atomics inside libQt5Core: the sanitizer sees none of the order they give
// and would report every access they guard. The program's own calls of
// Qt's locks, waits and thread looks are wrapped at link time (the wrapped
// names are listed in CMakeLists.txt; Qt's calls among its own libraries stay
// as they are): each wrapper calls Qt's and tells the sanitizer what it
// locked, released or waited for.
// A thread's end and a queued call are told through Qt's signal and event
// hooks: a thread's finished signal, and every signal, release what its
// sender's thread did before; a queued call acquires it before its slot runs,
// as a wait for a finished thread or a look that finds it ended does. The
// release is the sender's, whoever emits: an object whose signals come from
// two threads orders them both before its queued calls, a little more than
// Qt does. A call the program queues itself (QMetaObject::invokeMethod, by
// name or with a function) has no sender: its wrapper releases the receiver,
// which the call acquires before it runs.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QMutex>
#include <QReadWriteLock>
#include <QSemaphore>
#include <QThread>
#include <QWaitCondition>

#include <dlfcn.h>
#include <sanitizer/tsan_interface.h>

#include <atomic>

// Qt's hook of signals (qobject_p.h, not installed): four callbacks in this
// order, registered by the function Qt exports for it.
struct QSignalSpyCallbackSet {
  void (*signalBegin)(QObject*, int, void**);
  void (*slotBegin)(QObject*, int, void**);
  void (*signalEnd)(QObject*, int);
  void (*slotEnd)(QObject*, int);
};
void qt_register_signal_spy_callbacks(QSignalSpyCallbackSet* callbacks);

namespace {

unsigned MutexFlags(QMutex* m) { return m->isRecursive() ? __tsan_mutex_write_reentrant : 0u; }

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

// The hook's data: the receiver, then the event.
bool EventNotify(void** data) {
  WrapQmlHook();
  const auto* event = static_cast<const QEvent*>(data[1]);
  if (event->type() == QEvent::MetaCall) {
    const QObject* sender = static_cast<const MetaCallEventHead*>(event)->sender;
    __tsan_acquire(sender ? const_cast<QObject*>(sender) : data[0]);
  }
  return false;
}

QSignalSpyCallbackSet g_Hooks{SignalBegin, nullptr, SignalEnd, nullptr};

[[maybe_unused]] const bool g_Installed = [] {
  qt_register_signal_spy_callbacks(&g_Hooks);
  QInternal::registerCallback(QInternal::EventNotifyCallback, EventNotify);
  return true;
}();

// A wait gives the mutex up and takes it again inside Qt.
template <typename Wait>
bool WaitOn(QMutex* m, Wait wait) {
  __tsan_mutex_pre_unlock(m, 0);
  __tsan_mutex_post_unlock(m, 0);
  const bool woken = wait();
  __tsan_mutex_pre_lock(m, 0);
  __tsan_mutex_post_lock(m, 0, 0);
  return woken;
}
template <typename Wait>
bool WaitOn(QReadWriteLock* l, Wait wait) {
  __tsan_release(l);
  const bool woken = wait();
  __tsan_acquire(l);
  return woken;
}

bool Acquired(void* object, bool taken) {
  if (taken) __tsan_acquire(object);
  return taken;
}

}  // namespace

// ThreadSanitizer's defaults for these programs: the suppressions of reports
// wholly inside Qt and the system's libraries, and both stacks of a lock
// order inversion. TSAN_OPTIONS given at the run override them.
extern "C" const char* __tsan_default_options() {
  return "second_deadlock_stack=1 suppressions=" VORN_TSAN_SUPPRESSIONS;
}

// The wrappers, by the names the linker gives them (__wrap_ before, and
// __real_ before Qt's own). A member takes its object first.
extern "C" {
void __real__ZN6QMutex4lockEv(QMutex*);
bool __real__ZN6QMutex7tryLockEi(QMutex*, int);
void __real__ZN6QMutex6unlockEv(QMutex*);
void __real__ZN6QMutexD1Ev(QMutex*);
void __real__ZN6QMutexD2Ev(QMutex*);
bool __real__ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer(QWaitCondition*, QMutex*, QDeadlineTimer);
bool __real__ZN14QWaitCondition4waitEP6QMutexm(QWaitCondition*, QMutex*, unsigned long);
bool __real__ZN14QWaitCondition4waitEP14QReadWriteLock14QDeadlineTimer(QWaitCondition*, QReadWriteLock*,
                                                                        QDeadlineTimer);
bool __real__ZN14QWaitCondition4waitEP14QReadWriteLockm(QWaitCondition*, QReadWriteLock*, unsigned long);
void __real__ZN14QReadWriteLock11lockForReadEv(QReadWriteLock*);
void __real__ZN14QReadWriteLock12lockForWriteEv(QReadWriteLock*);
bool __real__ZN14QReadWriteLock14tryLockForReadEv(QReadWriteLock*);
bool __real__ZN14QReadWriteLock14tryLockForReadEi(QReadWriteLock*, int);
bool __real__ZN14QReadWriteLock15tryLockForWriteEv(QReadWriteLock*);
bool __real__ZN14QReadWriteLock15tryLockForWriteEi(QReadWriteLock*, int);
void __real__ZN14QReadWriteLock6unlockEv(QReadWriteLock*);
void __real__ZN10QSemaphore7acquireEi(QSemaphore*, int);
bool __real__ZN10QSemaphore10tryAcquireEi(QSemaphore*, int);
bool __real__ZN10QSemaphore10tryAcquireEii(QSemaphore*, int, int);
void __real__ZN10QSemaphore7releaseEi(QSemaphore*, int);
bool __real__ZN7QThread4waitE14QDeadlineTimer(QThread*, QDeadlineTimer);
bool __real__ZN7QThread4waitEm(QThread*, unsigned long);
bool __real__ZNK7QThread9isRunningEv(const QThread*);
bool __real__ZNK7QThread10isFinishedEv(const QThread*);
bool __real__ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv(
    QObject*, QtPrivate::QSlotObjectBase*, Qt::ConnectionType, void*);
bool __real__ZN11QMetaObject12invokeMethodEP7QObjectPKcN2Qt14ConnectionTypeE22QGenericReturnArgument16QGenericArgumentS7_S7_S7_S7_S7_S7_S7_S7_S7_(
    QObject*, const char*, Qt::ConnectionType, QGenericReturnArgument, QGenericArgument, QGenericArgument,
    QGenericArgument, QGenericArgument, QGenericArgument, QGenericArgument, QGenericArgument, QGenericArgument,
    QGenericArgument, QGenericArgument);

void __wrap__ZN6QMutex4lockEv(QMutex* m) {
  const unsigned flags = MutexFlags(m);
  __tsan_mutex_pre_lock(m, flags);
  __real__ZN6QMutex4lockEv(m);
  __tsan_mutex_post_lock(m, flags, 0);
}

bool __wrap__ZN6QMutex7tryLockEi(QMutex* m, int timeout) {
  const unsigned flags = MutexFlags(m) | __tsan_mutex_try_lock;
  __tsan_mutex_pre_lock(m, flags);
  const bool locked = __real__ZN6QMutex7tryLockEi(m, timeout);
  __tsan_mutex_post_lock(m, locked ? flags : flags | __tsan_mutex_try_lock_failed, 0);
  return locked;
}

void __wrap__ZN6QMutex6unlockEv(QMutex* m) {
  __tsan_mutex_pre_unlock(m, 0);
  __real__ZN6QMutex6unlockEv(m);
  __tsan_mutex_post_unlock(m, 0);
}

void __wrap__ZN6QMutexD1Ev(QMutex* m) {
  __tsan_mutex_destroy(m, 0);
  __real__ZN6QMutexD1Ev(m);
}

void __wrap__ZN6QMutexD2Ev(QMutex* m) {
  __tsan_mutex_destroy(m, 0);
  __real__ZN6QMutexD2Ev(m);
}

bool __wrap__ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer(QWaitCondition* c, QMutex* m, QDeadlineTimer d) {
  return WaitOn(m, [&] { return __real__ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer(c, m, d); });
}

bool __wrap__ZN14QWaitCondition4waitEP6QMutexm(QWaitCondition* c, QMutex* m, unsigned long time) {
  return WaitOn(m, [&] { return __real__ZN14QWaitCondition4waitEP6QMutexm(c, m, time); });
}

bool __wrap__ZN14QWaitCondition4waitEP14QReadWriteLock14QDeadlineTimer(QWaitCondition* c, QReadWriteLock* l,
                                                                        QDeadlineTimer d) {
  return WaitOn(l, [&] { return __real__ZN14QWaitCondition4waitEP14QReadWriteLock14QDeadlineTimer(c, l, d); });
}

bool __wrap__ZN14QWaitCondition4waitEP14QReadWriteLockm(QWaitCondition* c, QReadWriteLock* l, unsigned long time) {
  return WaitOn(l, [&] { return __real__ZN14QWaitCondition4waitEP14QReadWriteLockm(c, l, time); });
}

// Read-write locks order only: readers and writers all acquire and release.
void __wrap__ZN14QReadWriteLock11lockForReadEv(QReadWriteLock* l) {
  __real__ZN14QReadWriteLock11lockForReadEv(l);
  __tsan_acquire(l);
}

void __wrap__ZN14QReadWriteLock12lockForWriteEv(QReadWriteLock* l) {
  __real__ZN14QReadWriteLock12lockForWriteEv(l);
  __tsan_acquire(l);
}

bool __wrap__ZN14QReadWriteLock14tryLockForReadEv(QReadWriteLock* l) {
  return Acquired(l, __real__ZN14QReadWriteLock14tryLockForReadEv(l));
}

bool __wrap__ZN14QReadWriteLock14tryLockForReadEi(QReadWriteLock* l, int timeout) {
  return Acquired(l, __real__ZN14QReadWriteLock14tryLockForReadEi(l, timeout));
}

bool __wrap__ZN14QReadWriteLock15tryLockForWriteEv(QReadWriteLock* l) {
  return Acquired(l, __real__ZN14QReadWriteLock15tryLockForWriteEv(l));
}

bool __wrap__ZN14QReadWriteLock15tryLockForWriteEi(QReadWriteLock* l, int timeout) {
  return Acquired(l, __real__ZN14QReadWriteLock15tryLockForWriteEi(l, timeout));
}

void __wrap__ZN14QReadWriteLock6unlockEv(QReadWriteLock* l) {
  __tsan_release(l);
  __real__ZN14QReadWriteLock6unlockEv(l);
}

void __wrap__ZN10QSemaphore7acquireEi(QSemaphore* s, int n) {
  __real__ZN10QSemaphore7acquireEi(s, n);
  __tsan_acquire(s);
}

bool __wrap__ZN10QSemaphore10tryAcquireEi(QSemaphore* s, int n) {
  return Acquired(s, __real__ZN10QSemaphore10tryAcquireEi(s, n));
}

bool __wrap__ZN10QSemaphore10tryAcquireEii(QSemaphore* s, int n, int timeout) {
  return Acquired(s, __real__ZN10QSemaphore10tryAcquireEii(s, n, timeout));
}

void __wrap__ZN10QSemaphore7releaseEi(QSemaphore* s, int n) {
  __tsan_release(s);
  __real__ZN10QSemaphore7releaseEi(s, n);
}

// A finished thread emitted its finished signal (a release of the thread
// object, above) before a wait or a look can see it finished.
bool __wrap__ZN7QThread4waitE14QDeadlineTimer(QThread* t, QDeadlineTimer d) {
  return Acquired(t, __real__ZN7QThread4waitE14QDeadlineTimer(t, d));
}

bool __wrap__ZN7QThread4waitEm(QThread* t, unsigned long time) {
  return Acquired(t, __real__ZN7QThread4waitEm(t, time));
}

bool __wrap__ZNK7QThread9isRunningEv(const QThread* t) {
  const bool running = __real__ZNK7QThread9isRunningEv(t);
  Acquired(const_cast<QThread*>(t), !running);
  return running;
}

bool __wrap__ZNK7QThread10isFinishedEv(const QThread* t) {
  return Acquired(const_cast<QThread*>(t), __real__ZNK7QThread10isFinishedEv(t));
}

// Whatever the connection, the call may be posted to the receiver's thread:
// the caller's work up to it (the function object made for it, the
// arguments) is released first.
bool __wrap__ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv(
    QObject* receiver, QtPrivate::QSlotObjectBase* slot, Qt::ConnectionType type, void* ret) {
  __tsan_release(receiver);
  return __real__ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv(
      receiver, slot, type, ret);
}

bool __wrap__ZN11QMetaObject12invokeMethodEP7QObjectPKcN2Qt14ConnectionTypeE22QGenericReturnArgument16QGenericArgumentS7_S7_S7_S7_S7_S7_S7_S7_S7_(
    QObject* receiver, const char* member, Qt::ConnectionType type, QGenericReturnArgument ret, QGenericArgument a0,
    QGenericArgument a1, QGenericArgument a2, QGenericArgument a3, QGenericArgument a4, QGenericArgument a5,
    QGenericArgument a6, QGenericArgument a7, QGenericArgument a8, QGenericArgument a9) {
  __tsan_release(receiver);
  return __real__ZN11QMetaObject12invokeMethodEP7QObjectPKcN2Qt14ConnectionTypeE22QGenericReturnArgument16QGenericArgumentS7_S7_S7_S7_S7_S7_S7_S7_S7_(
      receiver, member, type, ret, a0, a1, a2, a3, a4, a5, a6, a7, a8, a9);
}
}
