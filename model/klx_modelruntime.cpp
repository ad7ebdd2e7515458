#include "model/klx_modelruntime.h"

#include <QMutexLocker>

#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"

KLX_ModelRuntime::KLX_ModelRuntime(KLX_DataBaseManager& db, QObject* parent) : QObject(parent), m_Db(db) {
  m_Elapsed.start();
}

void KLX_ModelRuntime::SetClock(Clock clock) {
  QMutexLocker lock(&m_Mutex);
  m_Clock = std::move(clock);
}

qint64 KLX_ModelRuntime::Now() const { return m_Clock ? m_Clock() : m_Elapsed.elapsed(); }

void KLX_ModelRuntime::StartCounting() {
  if (m_Model.running) return;
  m_Model.running = true;
  m_Model.lastBoundary = Now();
}

bool KLX_ModelRuntime::IsCounting() const {
  QMutexLocker lock(&m_Mutex);
  return m_Model.running;
}

int KLX_ModelRuntime::KLX_ModelRuntimeGetSet_Runtime(int value, int dir, bool) {
  if (dir != 0) {
    QMutexLocker lock(&m_Mutex);
    return m_Minutes;
  }
  const bool counting = m_Db.KLX_DataBaseManagerGetReceiverMode() != 0;
  int minutes;
  {
    QMutexLocker lock(&m_Mutex);
    m_Minutes = qMin(value, kMaxMinutes);
    m_Timeout.enabled = false;
    if (counting)
      StartCounting();
    else
      StopCounting();
    minutes = m_Minutes;
  }
  m_Db.OnModelTimeChanged(minutes);
  return minutes;
}

void KLX_ModelRuntime::Enable() {
  QMutexLocker lock(&m_Mutex);
  StartCounting();
  m_Timeout.start = Now();
  m_Timeout.enabled = true;
}

void KLX_ModelRuntime::OnReceiverModeChanged() {
  const bool counting = m_Db.KLX_DataBaseManagerGetReceiverMode() != 0;
  QMutexLocker lock(&m_Mutex);
  if (counting)
    StartCounting();
  else
    StopCounting();
}

void KLX_ModelRuntime::KLX_ModelRuntimeSetToDefaultValue() {
  QMutexLocker lock(&m_Mutex);
  m_Minutes = 0;
  m_Timeout.enabled = false;
  StopCounting();
}

void KLX_ModelRuntime::Run() {
  // Never waits: a busy mutex leaves the minutes to a later step.
  if (!m_Mutex.tryLock()) return;
  const qint64 now = Now();
  if (m_Timeout.enabled && now - m_Timeout.start > kTimeoutMs) {
    // No telemetry for the time-out: the partial minute is not counted.
    StopCounting();
    m_Mutex.unlock();
    return;
  }
  if (!m_Model.running || now < m_Model.lastBoundary + kPeriodMs) {
    m_Mutex.unlock();
    return;
  }
  const qint64 minutes = (now - m_Model.lastBoundary) / kPeriodMs;
  m_Minutes = int(qMin<qint64>(m_Minutes + minutes, kMaxMinutes));
  m_Model.lastBoundary += minutes * kPeriodMs;
  const int total = m_Minutes;
  m_Mutex.unlock();
  m_Db.OnModelTimeChanged(total);
}
