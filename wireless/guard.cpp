#include "wireless/guard.h"

#include <QDebug>

#include "frame/klx_debuglog.h"
#include "wireless/klx_bluezhelpers.h"

Guard::Guard(const QString& pcmPath, QObject* parent, int decayMs, int recoveryMs)
    : QObject(parent), m_PcmPath(pcmPath), m_RecoveryDelay(recoveryMs) {
  qCDebug(lcVornDebug).noquote() << "__________ CONSTRUCTOR(GUARD):" << m_PcmPath;
  m_Decay.setInterval(decayMs);
  connect(&m_Decay, &QTimer::timeout, this, &Guard::onDowncounterTimerTimeout);
  m_Decay.start();
}

Guard::~Guard() { qCDebug(lcVornDebug).noquote() << "__________ ~DESTRUCTOR(GUARD):" << m_PcmPath; }

QString Guard::getMacAddr() const { return getMAC(m_PcmPath, QStringLiteral("_"), QStringLiteral(":")); }

void Guard::set_default_values() { m_Status = m_Attempts = m_under = m_over = 0; }

void Guard::Count(int* count, int threshold, const QString& disconnect) {
  if (m_Status != Normal) return;
  m_Decay.start();
  if (++*count < threshold) return;
  *count = 0;
  m_Status = Emergency;
  emit emergencyDisconnect(disconnect);
}

// An underrun names its headset; an overrun disconnects every one.
void Guard::updateUnderrun() { Count(&m_under, m_UnderrunThreshold, getMacAddr()); }
void Guard::updateOverrun() { Count(&m_over, m_OverrunThreshold, QString()); }

void Guard::onDowncounterTimerTimeout() {
  if (m_under > 0) --m_under;
  if (m_over > 0) --m_over;
  qCDebug(lcVornDebug) << "GUARD decay:" << m_under << m_over;
}

void Guard::startRecovery() {
  m_Status = Recovery;
  m_Attempts = 0;
  QTimer::singleShot(m_RecoveryDelay, this, &Guard::recoveryAction);
}

void Guard::recoveryAction() { emit reconnectDeviceRequest(getMacAddr()); }

void Guard::onReconnectDeviceReply(bool res) {
  qCDebug(lcVornDebug) << "REPLY_FROM_BT:" << res;
  if (res) {
    set_default_values();
    return;
  }
  if (++m_Attempts >= m_MaxAttempts) {
    qCDebug(lcVornDebug).noquote() << "CANNOT_RECONNECT_DEVICE(" + getMacAddr() + ")...";
    emit destroyGuard(m_PcmPath);
    return;
  }
  QTimer::singleShot(m_RecoveryDelay, this, &Guard::recoveryAction);
}
