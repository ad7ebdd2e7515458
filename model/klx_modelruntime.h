#pragma once
// The model's operating time in whole minutes: counted while a receiver mode
// is set and telemetry keeps arriving. Run() is called from the task
// engine's thread, Enable() from the telemetry path, the accessors from the
// GUI thread; the minutes are guarded by a mutex that Run() never waits for.
#include <QElapsedTimer>
#include <QMutex>
#include <QObject>

#include <functional>

class KLX_DataBaseManager;

class KLX_ModelRuntime : public QObject {
  Q_OBJECT
 public:
  static constexpr int kMaxMinutes = 599940;  // 9999 hours
  static constexpr qint64 kTimeoutMs = 10000;
  static constexpr qint64 kPeriodMs = 60000;
  // A monotonic clock in milliseconds.
  using Clock = std::function<qint64()>;

  explicit KLX_ModelRuntime(KLX_DataBaseManager& db, QObject* parent = nullptr);

  int KLX_ModelRuntimeGetSet_Runtime(int value, int dir, bool);
  void Enable();
  void Run();
  void OnReceiverModeChanged();
  void KLX_ModelRuntimeSetToDefaultValue();
  bool IsCounting() const;
  // Tests drive time themselves; both timers read this clock.
  void SetClock(Clock clock);

 private:
  struct CTimeoutTimer {
    qint64 start = 0;
    bool enabled = false;
  };
  struct CModelTimer {
    bool running = false;
    qint64 lastBoundary = 0;
  };
  qint64 Now() const;
  // The caller holds the mutex.
  void StartCounting();
  void StopCounting() { m_Model.running = false; }

  KLX_DataBaseManager& m_Db;
  mutable QMutex m_Mutex;
  int m_Minutes = 0;
  CTimeoutTimer m_Timeout;
  CModelTimer m_Model;
  QElapsedTimer m_Elapsed;
  Clock m_Clock;
};
