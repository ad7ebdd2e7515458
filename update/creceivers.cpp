#include "update/creceivers.h"

CReceivers& CReceivers::Instance() {
  static CReceivers instance;
  return instance;
}

void CReceivers::CreateList() { m_Created = true; }
