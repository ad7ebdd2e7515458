#include "update/creceivers.h"

CReceivers& CReceivers::Instance() {
  static CReceivers instance;
  return instance;
}

void CReceivers::CreateList() { m_Created = true; }

CReceiverInfo CReceivers::GetInfo(int id) const {
  QMutexLocker lock(&m_Mutex);
  for (const CReceiverInfo& info : m_Entries)
    if (info.id == id) return info;
  return CReceiverInfo();
}

int CReceivers::Count() const {
  QMutexLocker lock(&m_Mutex);
  return m_Entries.size();
}

CReceiverInfo CReceivers::At(int i) const {
  QMutexLocker lock(&m_Mutex);
  return (i >= 0 && i < m_Entries.size()) ? m_Entries.at(i) : CReceiverInfo();
}

void CReceivers::Append(const CReceiverInfo& info) {
  QMutexLocker lock(&m_Mutex);
  m_Entries.append(info);
}

void CReceivers::Clear() {
  QMutexLocker lock(&m_Mutex);
  m_Entries.clear();
}
