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

void Guard::updateUnderrun() {
  if (m_Status != Normal) return;
  m_Decay.start();
  if (++m_under < m_UnderrunThreshold) return;
  m_under = 0;
  m_Status = Emergency;
  emit emergencyDisconnect(getMacAddr());
}

void Guard::updateOverrun() {
  if (m_Status != Normal) return;
  m_Decay.start();
  if (++m_over < m_OverrunThreshold) return;
  m_over = 0;
  m_Status = Emergency;
  emit emergencyDisconnect(QString());
}

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
