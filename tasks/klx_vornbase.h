#pragma once
// The base of every task the task engine runs: the operations the engine
// calls, the error and retry counter, the time-out, and the progress the
// screens show (two percentages with their rise per second, two names).
#include <QMutex>
#include <QString>

#include "frame/klx_basedatabase.h"
#include "frame/klx_databasevalues.h"
#include "tasks/klx_taskrecords.h"

class KLX_DataBaseManager;
class KLX_Protocol;
class KLX_VornHandler;
class KLX_RuntimeDatabaseManager;

// What a step result means to the engine; the low three bits are judged
// first, so 0, -70000, 8 and 128 all end the task as done.
enum class KLX_TaskEnd { Running, Done, Failed, TimedOut, PutBack };

inline KLX_TaskEnd KLX_TaskResultEnd(int result) {
  if ((result & 7) == 0) return KLX_TaskEnd::Done;
  if (result < KLX_Error + 1) return KLX_TaskEnd::Failed;
  if (result == KLX_Timeout) return KLX_TaskEnd::TimedOut;
  if (result == KLX_Reminder) return KLX_TaskEnd::PutBack;
  return KLX_TaskEnd::Running;
}

inline bool KLX_TaskResultIsFinal(int result) { return KLX_TaskResultEnd(result) != KLX_TaskEnd::Running; }

class KLX_VornBase : public KLX_DataBaseTransmitter {
 public:
  static constexpr int kDefaultTimeoutMs = 2000;

  KLX_VornBase();
  ~KLX_VornBase() override;

  // Results: 1 running, 0 done, 2 time-out after the retries, 6 run again
  // later, -70000 or below failed.
  virtual int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                               KLX_RuntimeDatabaseManager* runtime);
  virtual int KLX_VornBaseStartTask(Task_Data_T task);
  virtual int KLX_VornBaseTimeout();
  // `elapsed` points to the engine's time-out counter of the running task.
  virtual int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed);
  virtual int KLX_VornBaseCleanUp();
  virtual void KLX_VornBaseSetObjectPointer(void* object);
  virtual void KLX_VornBaseCalculatePercent();
  // The engine drops this task's request to run again (its links are gone
  // by then: `db` is the engine's).
  virtual void KLX_VornBaseRepeatDropped(KLX_DataBaseManager* /*db*/) {}

  void KLX_VornBaseIncErrorCount() { ++m_ErrorCount; }
  void KLX_VornBaseDecErrorCount() {
    if (m_ErrorCount > 0) --m_ErrorCount;
  }
  void KLX_VornBaseResetErrorCount() { m_ErrorCount = 0; }
  int KLX_VornBaseGetErrorCount() const { return m_ErrorCount; }
  void KLX_VornBaseSetErrorMaxCount(int n) { m_ErrorMax = n < 0 ? 0 : n; }
  int KLX_VornBaseGetMaxErrorCount() const { return m_ErrorMax; }
  // With a maximum of r a task makes 1 + r attempts.
  bool KLX_VornBaseCheckForMaxError() const { return m_ErrorCount > m_ErrorMax; }

  void KLX_VornBaseSetTimeout(int ms) { m_Timeout = ms; }
  int KLX_VornBaseGetTimeout() const { return m_Timeout; }

  // Progress is written by the engine thread and read by the GUI command
  // thread, so it is kept under a lock. A time below 1 ms clears the rates.
  void KLX_VornBaseSetPercent(int overall, int detail, qint64 timeMs);
  void KLX_VornBaseGetPercent(int* overall, int* detail) const;
  // The rise per second of the overall (true) or the detail percentage.
  int KLX_VornBaseGetPercentRate(bool overall) const;
  void KLX_VornBaseSetTaskName(const QString& name);
  QString KLX_VornBaseGetTaskName() const;
  void KLX_VornBaseSetDetailName(const QString& name);
  QString KLX_VornBaseGetDetailName() const;

 private:
  int m_ErrorCount = 0;
  int m_ErrorMax = 0;
  int m_Timeout = kDefaultTimeoutMs;
  mutable QMutex m_ProgressMutex;
  qint32 m_TimeStamp = 0;
  int m_Overall = -1;
  int m_Detail = -1;
  float m_OverallRate = 0.0f;
  float m_DetailRate = 0.0f;
  QString m_TaskName;
  QString m_DetailName;
};

