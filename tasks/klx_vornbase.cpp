#include "tasks/klx_vornbase.h"

#include <QMutexLocker>

#include <cmath>
#include <limits>

KLX_VornBase::KLX_VornBase() = default;
KLX_VornBase::~KLX_VornBase() = default;

int KLX_VornBase::KLX_VornBaseInit(KLX_DataBaseManager*, KLX_Protocol*, KLX_VornHandler*,
                                   KLX_RuntimeDatabaseManager*) {
  m_ErrorCount = 0;
  QMutexLocker lock(&m_ProgressMutex);
  m_Overall = m_Detail = -1;
  // The task name is the engine's, given once with its table; only the
  // progress of a run is reset here and at the clean-up.
  m_DetailName.clear();
  return KLX_Ok;
}

int KLX_VornBase::KLX_VornBaseStartTask(Task_Data_T) { return KLX_Ok; }
int KLX_VornBase::KLX_VornBaseTimeout() { return KLX_Ok; }
int KLX_VornBase::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T, int*) { return KLX_Ok; }

int KLX_VornBase::KLX_VornBaseCleanUp() {
  {
    QMutexLocker lock(&m_ProgressMutex);
    m_Overall = m_Detail = -1;
    m_DetailName.clear();
  }
  m_Timeout = kDefaultTimeoutMs;
  m_ErrorMax = 0;
  return KLX_Ok;
}

void KLX_VornBase::KLX_VornBaseSetObjectPointer(void*) {}
void KLX_VornBase::KLX_VornBaseCalculatePercent() {}

void KLX_VornBase::KLX_VornBaseSetPercent(int overall, int detail, qint64 timeMs) {
  QMutexLocker lock(&m_ProgressMutex);
  if (timeMs < 1) {
    m_OverallRate = m_DetailRate = 0.0f;
    m_TimeStamp = 0;
  } else {
    // Whole seconds since the last stamp; under one second the rise counts
    // as if one second had passed, which keeps the rate finite.
    const qint64 seconds = qMax<qint64>(1, (timeMs - m_TimeStamp) / 1000);
    if (overall - m_Overall > 0) m_OverallRate = float(overall - m_Overall) / float(seconds);
    if (detail - m_Detail > 0) m_DetailRate = float(detail - m_Detail) / float(seconds);
    m_TimeStamp = static_cast<qint32>(timeMs);
  }
  m_Overall = overall;
  m_Detail = detail;
}

void KLX_VornBase::KLX_VornBaseGetPercent(int* overall, int* detail) const {
  QMutexLocker lock(&m_ProgressMutex);
  if (overall) *overall = m_Overall;
  if (detail) *detail = m_Detail;
}

int KLX_VornBase::KLX_VornBaseGetPercentRate(bool overall) const {
  QMutexLocker lock(&m_ProgressMutex);
  const float rate = overall ? m_OverallRate : m_DetailRate;
  constexpr float kMax = float(std::numeric_limits<int>::max() / 2);
  return static_cast<int>(std::trunc(qBound(-kMax, rate, kMax)));
}

void KLX_VornBase::KLX_VornBaseSetTaskName(const QString& name) {
  QMutexLocker lock(&m_ProgressMutex);
  m_TaskName = name;
}

QString KLX_VornBase::KLX_VornBaseGetTaskName() const {
  QMutexLocker lock(&m_ProgressMutex);
  return m_TaskName;
}

void KLX_VornBase::KLX_VornBaseSetDetailName(const QString& name) {
  QMutexLocker lock(&m_ProgressMutex);
  m_DetailName = name;
}

QString KLX_VornBase::KLX_VornBaseGetDetailName() const {
  QMutexLocker lock(&m_ProgressMutex);
  return m_DetailName;
}

