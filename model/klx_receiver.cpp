#include "model/klx_receiver.h"

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "update/creceivers.h"

KLX_Receiver::KLX_Receiver(QObject* parent) : QObject(parent) { ResetIndexMap(); }

int KLX_Receiver::Slot(unsigned int index) const { return index < unsigned(kSlots) ? m_IndexMap[index] : -1; }

CReceiver* KLX_Receiver::GetByMask(unsigned char mask) {
  QMutexLocker lock(&m_Mutex);
  for (CReceiver& r : m_Receivers)
    if (r.mask == mask) return &r;
  return nullptr;
}

int KLX_Receiver::GetMaskIndex(unsigned char mask) {
  for (int bit = 0; bit < 8; ++bit)
    if (mask & (1u << bit)) return bit;
  return 0;
}

void KLX_Receiver::SetReceiver(const CReceiver& receiver) {
  const int slot = GetMaskIndex(receiver.mask);
  if (slot >= kSlots) return;
  QMutexLocker lock(&m_Mutex);
  m_Receivers[slot] = receiver;
}

int KLX_Receiver::Delete(unsigned int index) {
  QMutexLocker lock(&m_Mutex);
  const int slot = Slot(index);
  if (slot < 0) return Indexes_Out_Of_Range;
  m_Receivers[slot].Clear();
  return KLX_Ok;
}

void KLX_Receiver::KLX_ReceiverClearAll() {
  QMutexLocker lock(&m_Mutex);
  for (CReceiver& r : m_Receivers) r.Clear();
  for (int i = 0; i < kSlots; ++i) m_IndexMap[i] = i;
}

#define KLX_RECEIVER_GETTER_DEF(name, member, code)                        \
  qint64 KLX_Receiver::name(unsigned int index) const {                   \
    QMutexLocker lock(&m_Mutex);                                           \
    const int slot = Slot(index);                                          \
    if (slot < 0) {                                                        \
      KLXErrorHandler.RegisterError(code, QString());                      \
      return Indexes_Out_Of_Range;                                         \
    }                                                                      \
    return m_Receivers[slot].member;                                       \
  }
KLX_RECEIVER_FIELDS(KLX_RECEIVER_GETTER_DEF)
#undef KLX_RECEIVER_GETTER_DEF

CVersion KLX_Receiver::GetVersion(unsigned int index) const {
  QMutexLocker lock(&m_Mutex);
  const int slot = Slot(index);
  return slot < 0 ? CVersion() : m_Receivers[slot].version;
}

void KLX_Receiver::SetVersion(unsigned int index, const CVersion& version) {
  QMutexLocker lock(&m_Mutex);
  const int slot = Slot(index);
  if (slot >= 0) m_Receivers[slot].version = version;
}

void KLX_Receiver::ClearVersion(unsigned int index) { SetVersion(index, CVersion()); }

unsigned char KLX_Receiver::GetMask() const {
  QMutexLocker lock(&m_Mutex);
  unsigned char mask = 0;
  for (const CReceiver& r : m_Receivers) mask |= r.mask;
  return mask;
}

int KLX_Receiver::GetSlot(unsigned int index) const {
  QMutexLocker lock(&m_Mutex);
  return Slot(index);
}

void KLX_Receiver::ResetIndexMap() {
  QMutexLocker lock(&m_Mutex);
  for (int i = 0; i < kSlots; ++i) m_IndexMap[i] = i;
}

bool KLX_Receiver::SetMode(rx_mode_t mode) {
  QMutexLocker lock(&m_Mutex);
  if (mode == m_Mode) return false;
  if (m_Mode == RX_MODE_NONE) {
    // Receivers bound without a mode do not belong to the new one.
    for (CReceiver& r : m_Receivers) r.Clear();
    for (int i = 0; i < kSlots; ++i) m_IndexMap[i] = i;
  }
  m_Mode = mode;
  return true;
}

KLX_Receiver::rx_mode_t KLX_Receiver::GetMode() const {
  QMutexLocker lock(&m_Mutex);
  return m_Mode;
}

void KLX_Receiver::Cut() {
  const int count = Board::IsInitialized() ? qBound(0, Board::m_Instance->ReceiversCountMax(), int(kSlots)) : 0;
  QMutexLocker lock(&m_Mutex);
  bool beyond = false;
  for (int slot = count; slot < kSlots; ++slot) beyond = beyond || m_Receivers[slot].used;
  if (!beyond) return;
  // The first used slots become the board's logical receivers; the map stays
  // a permutation of the slots.
  int map[kSlots];
  bool taken[kSlots] = {};
  int kept = 0;
  for (int slot = 0; slot < kSlots; ++slot) {
    if (!m_Receivers[slot].used) continue;
    if (kept < count) {
      map[kept++] = slot;
      taken[slot] = true;
    } else {
      m_Receivers[slot].Clear();
    }
  }
  for (int slot = 0; slot < kSlots; ++slot)
    if (!taken[slot]) map[kept++] = slot;
  for (int i = 0; i < kSlots; ++i) m_IndexMap[i] = map[i];
}

QString KLX_Receiver::GetImage(unsigned int index) {
  QMutexLocker lock(&m_Mutex);
  const int slot = Slot(index);
  if (slot < 0) return QString();
  CReceiver& r = m_Receivers[slot];
  if (r.cacheType != int(r.type)) {
    const CReceiverInfo info = CReceivers::Instance().GetInfo(int(r.type));
    r.cacheType = int(r.type);
    r.cacheName = QString::fromUtf8(info.name);
    r.cacheText = QString::fromUtf8(info.text);
    r.cacheImage = QString::fromUtf8(info.image);
  }
  return r.cacheImage;
}

quint64 KLX_Receiver::GetBindConfig() const {
  QMutexLocker lock(&m_Mutex);
  return m_BindConfig;
}

void KLX_Receiver::SetBindConfig(quint64 config) {
  QMutexLocker lock(&m_Mutex);
  m_BindConfig = config;
}
