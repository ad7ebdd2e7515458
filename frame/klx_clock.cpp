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
  Waiter self{&wake, &mutex, 0, false, false};
  {
    QMutexLocker lock(&m_Lock);
    self.due = ms == kForever ? std::numeric_limits<qint64>::max() : m_Now + qint64(ms);
    if (ms == 0) return false;
    m_Waiters.push_back(&self);
    m_Changed.wakeAll();
  }
  // The caller holds `mutex`, and Advance takes it before waking: the wake-up
  // cannot fall between the registration and the wait.
  wake.wait(&mutex);
  QMutexLocker lock(&m_Lock);
  m_Waiters.erase(std::remove(m_Waiters.begin(), m_Waiters.end(), &self), m_Waiters.end());
  m_Changed.wakeAll();
  return !self.expired;
}

void KLX_ManualClock::KLX_ClockWake(QWaitCondition& wake) {
  // Marked and woken under our lock: a thread that registers on `wake` after
  // the marking cannot be woken by this call while still counted as waiting.
  // Waking takes no caller's mutex, so the lock order stays as it is.
  QMutexLocker lock(&m_Lock);
  for (Waiter* w : m_Waiters)
    if (w->wake == &wake) w->woken = true;
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
  std::vector<std::pair<QWaitCondition*, QMutex*>> due;
  {
    QMutexLocker lock(&m_Lock);
    // A waiter marked woken is woken at its time as well: were the other
    // thread's wake lost, the system clock would still end the wait then.
    for (Waiter* w : m_Waiters) {
      if (w->due <= m_Now && !w->expired) {
        w->expired = true;
        due.emplace_back(w->wake, w->mutex);
      }
    }
  }
  // Outside our own lock: a waiter takes its mutex first and ours second.
  for (auto& [wake, mutex] : due) {
    QMutexLocker lock(mutex);
    wake->wakeAll();
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
