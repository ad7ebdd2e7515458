#include "frame/klx_livevalues.h"

KLX_LiveValues::KLX_LiveValues(QObject* parent) : QObject(parent) {
  m_Hold.setSingleShot(true);
  connect(&m_Hold, &QTimer::timeout, this, &KLX_LiveValues::Tell);
}

void KLX_LiveValues::KLX_LiveValuesChanged() {
  if (!m_Pending.exchange(true)) QMetaObject::invokeMethod(this, &KLX_LiveValues::Deliver, Qt::QueuedConnection);
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
  // Cleared first: a change while the screens read is told again.
  m_Pending = false;
  m_SinceTold.start();
  emit changed();
}
