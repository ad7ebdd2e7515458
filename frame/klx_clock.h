#pragma once
// The time that waiting threads run on. The program uses the system's
// monotonic clock; a test hands a thread a manual clock and steps it, so that
// periods of seconds pass without sleeping.
#include <QMutex>
#include <QWaitCondition>
#include <QtGlobal>

#include <limits>
#include <vector>

class KLX_Clock {
 public:
  static constexpr unsigned long kForever = std::numeric_limits<unsigned long>::max();

  virtual ~KLX_Clock() = default;

  // Milliseconds since an arbitrary start, never going back.
  virtual qint64 KLX_ClockNowMs() const = 0;

  // Waits on `wake` (the caller holds `mutex`) until it is woken or `ms`
  // pass on this clock. Returns false when the time ran out.
  virtual bool KLX_ClockWait(QWaitCondition& wake, QMutex& mutex, unsigned long ms) = 0;

  // Wakes the threads waiting on `wake`, whether or not the caller holds
  // their mutex: a test clock must see at once that they run again.
  virtual void KLX_ClockWake(QWaitCondition& wake) { wake.wakeAll(); }

  // Lets `ms` pass on this clock.
  void KLX_ClockSleep(unsigned long ms);

  // The system's monotonic clock, shared by the whole program.
  static KLX_Clock& KLX_ClockSystem();
};

// A clock that moves only when a test advances it. Threads waiting on it wake
// when their time has come; the test can wait (in real time) until the
// threads it drives are blocked again.
class KLX_ManualClock : public KLX_Clock {
 public:
  KLX_ManualClock() = default;
  // Waits (up to 5 s of real time) for threads woken from this clock to
  // leave it: they pass through its lock on their way out.
  ~KLX_ManualClock() override;
  qint64 KLX_ClockNowMs() const override;
  bool KLX_ClockWait(QWaitCondition& wake, QMutex& mutex, unsigned long ms) override;
  void KLX_ClockWake(QWaitCondition& wake) override;

  // Moves the time on and wakes every waiter whose time has come.
  void KLX_ManualClockAdvance(qint64 ms);

  // The real time a test gives the threads it steps by default: a minute,
  // which only a hang takes; a busy machine may hold a thread for seconds.
  static constexpr int kHangMs = 60000;

  // Blocks for up to `realMs` of real time until at least `count` threads
  // wait on this clock (a thread woken or timed out no longer counts). False
  // when they did not get there.
  bool KLX_ManualClockAwaitWaiters(int count, int realMs = kHangMs);

  // Lets `ms` pass the way the system clock would for `count` threads: waits
  // until they all wait, moves to the earliest due time, wakes that waiter,
  // and again, until `ms` have passed. False when a thread did not come back
  // to its wait within `realMs` (it ended, or it is stuck).
  bool KLX_ManualClockRun(qint64 ms, int count = 1, int realMs = kHangMs);

  int KLX_ManualClockWaiters() const;
  // Grows with every change of the waiters (one registers, is woken, times
  // out or leaves): equal before and after a look, nothing on the clock
  // moved in between.
  quint64 KLX_ManualClockChanges() const;

 private:
  struct Waiter {
    QWaitCondition* wake;
    qint64 due;
    bool expired;  // woken by this clock: its time ran out
    bool woken;    // woken through KLX_ClockWake
    bool Waiting() const { return !expired && !woken; }
  };
  void WakeDue();

  mutable QMutex m_Lock;
  QWaitCondition m_Changed;
  qint64 m_Now = 0;
  quint64 m_Changes = 0;
  std::vector<Waiter*> m_Waiters;
};
