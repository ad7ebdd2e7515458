#include "frame/klx_livevalues.h"

bool KLX_SensorChanges::MoveTo(KLX_SensorChanges* to, const KLX_SensorChanges& only) {
  bool any = false;
  for (int w = 0; w < kWords; ++w) {
    const quint64 bits = m_Words[w].exchange(0) & only.m_Words[w].load();
    if (bits) to->m_Words[w].fetch_or(bits);
    any |= bits != 0;
  }
  if (m_All.exchange(false)) {
    to->m_All = true;
    any = true;
  }
  return any;
}

QVariantList KLX_SensorChanges::Take(bool* all) {
  *all = m_All.exchange(false);
  QVariantList addresses;
  for (int w = 0; w < kWords; ++w)
    for (quint64 bits = m_Words[w].exchange(0); bits; bits &= bits - 1)
      addresses.append(w * 64 + __builtin_ctzll(bits));
  return addresses;
}

KLX_LiveValues::KLX_LiveValues(QObject* parent) : QObject(parent) {
  m_Hold.setSingleShot(true);
  connect(&m_Hold, &QTimer::timeout, this, &KLX_LiveValues::Tell);
}

void KLX_LiveValues::KLX_LiveValuesChanged(unsigned kinds) {
  if (kinds && !m_Kinds.fetch_or(kinds)) QMetaObject::invokeMethod(this, "Deliver", Qt::QueuedConnection);
}

void KLX_LiveValues::KLX_LiveValuesSensorsChanged(KLX_SensorChanges* changes) {
  // The addresses first: a notice that sees the kind finds them.
  if (changes->MoveTo(&m_Sensors, m_Shown)) KLX_LiveValuesChanged(KLX_DatabaseValues::LIVE_Sensors);
}

void KLX_LiveValues::KLX_LiveValuesShowSensor(int address, bool shown) {
  if (address < 0 || address >= KLX_SensorChanges::kAddresses) return;
  int& views = m_Views[address];
  if (shown && views++ == 0) m_Shown.Add(address);
  if (!shown && views > 0 && --views == 0) m_Shown.Remove(address);
}

void KLX_LiveValues::Deliver() {
  if (m_Hold.isActive()) return;
  const qint64 since = m_SinceTold.isValid() ? m_SinceTold.elapsed() : kSpacingMs;
  if (since < kSpacingMs)
    m_Hold.start(static_cast<int>(kSpacingMs - since));
  else
    Tell();
}

void KLX_LiveValues::Tell() {
  // The kinds are taken first: a change while the screens read is told
  // again, and addresses added meanwhile are told now or with the next.
  unsigned kinds = m_Kinds.exchange(0);
  bool all = false;
  const QVariantList sensors = m_Sensors.Take(&all);
  if (all) kinds |= KLX_DatabaseValues::LIVE_SensorTable;
  // Addresses without their kind yet, or the kind whose addresses the
  // notice before took along.
  if (sensors.isEmpty())
    kinds &= ~unsigned(KLX_DatabaseValues::LIVE_Sensors);
  else
    kinds |= KLX_DatabaseValues::LIVE_Sensors;
  if (!kinds) return;
  m_SinceTold.start();
  emit changed(static_cast<int>(kinds), sensors);
}
