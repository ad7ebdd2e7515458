#include "wireless/klx_headup.h"

#include <QDebug>

#include "frame/klx_debuglog.h"

KLX_Headup::~KLX_Headup() {
  for (CHeadupItem*& item : m_Items) {
    delete item;
    item = nullptr;
  }
}

int KLX_Headup::CountLocked() const {
  int n = 0;
  while (n < kSlots && m_Items[n]) ++n;
  return n;
}

int KLX_Headup::CountItems() const {
  QMutexLocker lock(&m_Lock);
  return CountLocked();
}

bool KLX_Headup::CreateItem(E_HeadupType type) {
  int slot = -1;
  {
    QMutexLocker lock(&m_Lock);
    for (int i = 0; i < kSlots && slot < 0; ++i)
      if (!m_Items[i]) slot = i;
    if (slot < 0) return false;
    auto* item = new CHeadupItem;
    item->SetType(uint8_t(type));
    m_Items[slot] = item;
  }
  emit headupSizeChanged(slot + 1);
  return true;
}

bool KLX_Headup::InsertItemAt(CHeadupItem* item, int slot) {
  {
    QMutexLocker lock(&m_Lock);
    if (!item || slot < 0 || slot >= kSlots || m_Items[slot]) {
      qCDebug(lcVornDebug) << "No overwrite. Error while inserting HeadupItem";
      return false;
    }
    m_Items[slot] = item;
  }
  emit headupSizeChanged(slot + 1);
  return true;
}

void KLX_Headup::DeleteItemAt(int slot) {
  if (slot < 0 || slot >= kSlots) return;
  int count = 0;
  {
    QMutexLocker lock(&m_Lock);
    delete m_Items[slot];
    for (int i = slot; i < kSlots - 1; ++i) m_Items[i] = m_Items[i + 1];
    m_Items[kSlots - 1] = nullptr;
    count = CountLocked();
  }
  emit headupSizeChanged(count);
}

void KLX_Headup::DeleteItem(CHeadupItem* item) {
  if (!item) return;
  int slot = -1;
  {
    QMutexLocker lock(&m_Lock);
    for (int i = 0; i < kSlots && slot < 0; ++i)
      if (m_Items[i] == item) slot = i;
  }
  if (slot < 0) {
    qCDebug(lcVornDebug) << "Cant delete HeadupItem. Invalid pointer.";
    return;
  }
  DeleteItemAt(slot);
}

CHeadupItem* KLX_Headup::GetItemAt(int slot) const {
  if (slot < 0 || slot >= kSlots) return nullptr;
  QMutexLocker lock(&m_Lock);
  return m_Items[slot];
}

bool KLX_Headup::CopyItemAt(int slot, CHeadupItem* out) const {
  if (slot < 0 || slot >= kSlots) return false;
  QMutexLocker lock(&m_Lock);
  if (!m_Items[slot]) return false;
  *out = *m_Items[slot];
  return true;
}

bool KLX_Headup::ChangeItemAt(int slot, const std::function<void(CHeadupItem&)>& change) {
  if (slot < 0 || slot >= kSlots) return false;
  QMutexLocker lock(&m_Lock);
  if (!m_Items[slot]) return false;
  change(*m_Items[slot]);
  return true;
}

void KLX_Headup::ClearContainer() {
  {
    QMutexLocker lock(&m_Lock);
    for (CHeadupItem*& item : m_Items) {
      delete item;
      item = nullptr;
    }
  }
  emit headupSizeChanged(0);
}
