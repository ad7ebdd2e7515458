// The manual clock lets a test step a waiting thread through its periods.
#include <QtTest>

#include <QSemaphore>

#include <atomic>

#include "frame/klx_clock.h"
#include "vorn_testroot.h"

namespace {
// A worker that wakes every `period` ms of its clock and counts.
class Ticker : public QThread {
 public:
  Ticker(KLX_Clock& clock, unsigned long period) : m_Clock(clock), m_Period(period) {}
  void Stop() {
    QMutexLocker lock(&m_Mutex);
    m_Running = false;
    m_Clock.KLX_ClockWake(m_Wake);
  }
  std::atomic<int> ticks{0};
  std::atomic<int> woken{0};
  QMutex m_Mutex;
  QWaitCondition m_Wake;

 protected:
  void run() override {
    QMutexLocker lock(&m_Mutex);
    while (m_Running) {
      if (m_Clock.KLX_ClockWait(m_Wake, m_Mutex, m_Period))
        ++woken;
      else
        ++ticks;
    }
  }

 private:
  KLX_Clock& m_Clock;
  unsigned long m_Period;
  bool m_Running = true;
};
}  // namespace

class TestClock : public QObject {
  Q_OBJECT
 private slots:
  void stepsThroughPeriodsWithoutSleeping() {
    KLX_ManualClock clock;
    Ticker t(clock, 100);
    t.start();
    QVERIFY(clock.KLX_ManualClockAwaitWaiters(1));
    clock.KLX_ManualClockAdvance(99);
    QVERIFY(clock.KLX_ManualClockAwaitWaiters(1));
    QCOMPARE(t.ticks.load(), 0);
    // One hour of periods passes at once.
    QVERIFY(clock.KLX_ManualClockRun(3600 * 1000));
    QCOMPARE(t.ticks.load(), 36000);
    QCOMPARE(clock.KLX_ClockNowMs(), 3600 * 1000 + 99);
    t.Stop();
    QVERIFY(t.wait(kVornHangMs));
    QCOMPARE(t.woken.load(), 1);
  }

  // A thread woken by another (not by the time) stops counting as waiting
  // the moment the wake returns, not when it has left its wait: a test must
  // not move the time on while it runs.
  void wokenThreadStopsCountingAtOnce() {
    KLX_ManualClock clock;
    QMutex mutex;
    QWaitCondition wake;
    QSemaphore gate;
    std::atomic<int> first{-1}, second{-1};
    QThread* waiter = QThread::create([&]() {
      QMutexLocker lock(&mutex);
      first = clock.KLX_ClockWait(wake, mutex, 60000);
      lock.unlock();
      gate.acquire();
      lock.relock();
      second = clock.KLX_ClockWait(wake, mutex, 60000);
    });
    waiter->start();
    QVERIFY(clock.KLX_ManualClockAwaitWaiters(1));
    {
      // Holding the mutex keeps the woken thread inside its wait.
      QMutexLocker lock(&mutex);
      clock.KLX_ClockWake(wake);
      QVERIFY(!clock.KLX_ManualClockAwaitWaiters(1, 200));
    }
    QVERIFY(!clock.KLX_ManualClockAwaitWaiters(1, 200));
    gate.release();
    QVERIFY(clock.KLX_ManualClockAwaitWaiters(1));
    QCOMPARE(first.load(), 1);
    QCOMPARE(clock.KLX_ClockNowMs(), 0);
    // Only the time running out is reported as such.
    clock.KLX_ManualClockAdvance(60000);
    QVERIFY(waiter->wait(kVornHangMs));
    QCOMPARE(second.load(), 0);
    delete waiter;
  }

  // A wake that comes while a thread registers on the clock (the waker does
  // not hold the thread's mutex, as the task engine and the simulator wake)
  // reaches the thread: it never sleeps on uncounted, which would leave the
  // test unable to step the clock. The window is short; under load it is
  // met within a few hundred rounds.
  void wakeWhileRegisteringIsNotLost() {
    KLX_ManualClock clock;
    QMutex mutex;
    QWaitCondition wake;
    constexpr int kRounds = 2000;
    std::atomic<int> rounds{0};
    QThread* waiter = QThread::create([&]() {
      QMutexLocker lock(&mutex);
      while (rounds < kRounds) {
        clock.KLX_ClockWait(wake, mutex, 60000);
        ++rounds;
      }
    });
    waiter->start();
    int stuck = -1;
    for (int i = 0; i < kRounds && stuck < 0; ++i) {
      while (clock.KLX_ManualClockWaiters() == 0) QThread::yieldCurrentThread();
      clock.KLX_ClockWake(wake);
      QDeadlineTimer deadline(kVornHangMs);
      while (rounds == i && !deadline.hasExpired()) QThread::yieldCurrentThread();
      if (rounds == i) stuck = i;
    }
    // A stuck thread is let go by its time, so that it ends.
    if (stuck >= 0) {
      rounds = kRounds;
      clock.KLX_ManualClockAdvance(60000);
    }
    QVERIFY(waiter->wait(kVornHangMs));
    delete waiter;
    QVERIFY2(stuck < 0, qPrintable(QString("round %1: woken, asleep and no longer counted").arg(stuck)));
  }

  void sleepEndsWhenTheTimeIsAdvanced() {
    KLX_ManualClock clock;
    std::atomic<bool> done{false};
    QThread* sleeper = QThread::create([&]() {
      clock.KLX_ClockSleep(5000);
      done = true;
    });
    sleeper->start();
    QVERIFY(clock.KLX_ManualClockAwaitWaiters(1));
    clock.KLX_ManualClockAdvance(4999);
    QVERIFY(clock.KLX_ManualClockAwaitWaiters(1));
    QVERIFY(!done);
    clock.KLX_ManualClockAdvance(1);
    QVERIFY(sleeper->wait(kVornHangMs));
    QVERIFY(done);
    delete sleeper;
  }
};

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"
