#include "frame/klx_clock.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMutexLocker>

#include <algorithm>

namespace {
class SystemClock final : public KLX_Clock {
 public:
  SystemClock() { m_Start.start(); }
  qint64 KLX_ClockNowMs() const override { return m_Start.elapsed(); }
  bool KLX_ClockWait(QWaitCondition& wake, QMutex& mutex, unsigned long ms) override {
    if (ms == kForever) return wake.wait(&mutex);
    return wake.wait(&mutex, ms);
  }

 private:
  QElapsedTimer m_Start;
};
}  // namespace

KLX_Clock& KLX_Clock::KLX_ClockSystem() {
  static SystemClock clock;
  return clock;
}

void KLX_Clock::KLX_ClockSleep(unsigned long ms) {
  QMutex mutex;
  QWaitCondition never;
  QMutexLocker lock(&mutex);
  const qint64 end = KLX_ClockNowMs() + qint64(ms);
  // Nobody else knows `never`: every return but the last is spurious.
  while (KLX_ClockNowMs() < end) KLX_ClockWait(never, mutex, static_cast<unsigned long>(end - KLX_ClockNowMs()));
}

KLX_ManualClock::~KLX_ManualClock() {
  QDeadlineTimer deadline(5000);
  QMutexLocker lock(&m_Lock);
  while (!m_Waiters.empty())
    if (!m_Changed.wait(&m_Lock, deadline)) break;
}

qint64 KLX_ManualClock::KLX_ClockNowMs() const {
  QMutexLocker lock(&m_Lock);
  return m_Now;
}

bool KLX_ManualClock::KLX_ClockWait(QWaitCondition& wake, QMutex& mutex, unsigned long ms) {
  Waiter self{&wake, 0, false, false};
  QMutexLocker lock(&m_Lock);
  if (ms == 0) return false;
  self.due = ms == kForever ? std::numeric_limits<qint64>::max() : m_Now + qint64(ms);
  m_Waiters.push_back(&self);
  ++m_Changes;
  m_Changed.wakeAll();
  // Registered and asleep in one step under our lock, which every wake
  // takes: a wake finds the thread not yet registered or asleep, never in
  // between, whether or not the waker holds `mutex`. The caller's mutex is
  // given back only once the thread is registered, so nothing the caller
  // checked under it can change unseen.
  mutex.unlock();
  // Only our own wakes end the wait: another waiter's time coming wakes
  // `wake` as well.
  while (self.Waiting()) wake.wait(&m_Lock);
  m_Waiters.erase(std::remove(m_Waiters.begin(), m_Waiters.end(), &self), m_Waiters.end());
  ++m_Changes;
  m_Changed.wakeAll();
  lock.unlock();
  // Outside our lock: a waker may hold `mutex` while it takes ours.
  mutex.lock();
  return !self.expired;
}

void KLX_ManualClock::KLX_ClockWake(QWaitCondition& wake) {
  QMutexLocker lock(&m_Lock);
  for (Waiter* w : m_Waiters) {
    if (w->wake == &wake && w->Waiting()) {
      w->woken = true;
      ++m_Changes;
    }
  }
  wake.wakeAll();
}

void KLX_ManualClock::KLX_ManualClockAdvance(qint64 ms) {
  {
    QMutexLocker lock(&m_Lock);
    m_Now += std::max<qint64>(ms, 0);
  }
  WakeDue();
}

void KLX_ManualClock::WakeDue() {
  QMutexLocker lock(&m_Lock);
  for (Waiter* w : m_Waiters) {
    if (w->Waiting() && w->due <= m_Now) {
      w->expired = true;
      ++m_Changes;
      w->wake->wakeAll();
    }
  }
}

bool KLX_ManualClock::KLX_ManualClockAwaitWaiters(int count, int realMs) {
  QDeadlineTimer deadline(realMs);
  QMutexLocker lock(&m_Lock);
  auto waiting = [this]() {
    return int(std::count_if(m_Waiters.begin(), m_Waiters.end(), [](const Waiter* w) { return w->Waiting(); }));
  };
  while (waiting() < count) {
    if (!m_Changed.wait(&m_Lock, deadline)) return waiting() >= count;
  }
  return true;
}

bool KLX_ManualClock::KLX_ManualClockRun(qint64 ms, int count, int realMs) {
  qint64 end;
  {
    QMutexLocker lock(&m_Lock);
    end = m_Now + ms;
  }
  while (true) {
    if (!KLX_ManualClockAwaitWaiters(count, realMs)) return false;
    {
      QMutexLocker lock(&m_Lock);
      qint64 next = end;
      for (const Waiter* w : m_Waiters)
        if (w->Waiting()) next = std::min(next, w->due);
      m_Now = std::max(m_Now, next);
      if (next >= end && std::none_of(m_Waiters.begin(), m_Waiters.end(),
                                      [this](const Waiter* w) { return w->Waiting() && w->due <= m_Now; }))
        return true;
    }
    WakeDue();
  }
}

int KLX_ManualClock::KLX_ManualClockWaiters() const {
  QMutexLocker lock(&m_Lock);
  return int(m_Waiters.size());
}

quint64 KLX_ManualClock::KLX_ManualClockChanges() const {
  QMutexLocker lock(&m_Lock);
  return m_Changes;
}
