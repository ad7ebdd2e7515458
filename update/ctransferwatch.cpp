#include "update/ctransferwatch.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include "frame/klx_clock.h"

namespace {
constexpr int kHttpOk = 200;
}  // namespace

CTransferWatch::CTransferWatch(QObject* parent) : QObject(parent), m_Timer(this) {
  connect(&m_Timer, &QTimer::timeout, this, &CTransferWatch::Check);
}

void CTransferWatch::SetClock(KLX_Clock* clock, int checkMs) {
  m_Clock = clock;
  m_CheckMs = checkMs > 0 ? checkMs : kCheckMs;
}

qint64 CTransferWatch::NowMs() const {
  KLX_Clock* clock = m_Clock;
  return (clock ? *clock : KLX_Clock::KLX_ClockSystem()).KLX_ClockNowMs();
}

void CTransferWatch::Begin(QNetworkReply* reply, qint64 maxBytes) {
  m_Reply = reply;
  m_Max = maxBytes;
  m_Taken = 0;
  m_LastByteMs = NowMs();
  m_Timer.start(m_CheckMs);
}

bool CTransferWatch::Take(qint64 bytes) {
  m_Taken += bytes;
  if (bytes > 0) m_LastByteMs = NowMs();
  return m_Taken <= m_Max;
}

void CTransferWatch::End() {
  m_Timer.stop();
  m_Reply = nullptr;
}

bool CTransferWatch::Whole(const QNetworkReply* reply) const {
  const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
  return !announced.isValid() || announced.toLongLong() == m_Taken;
}

bool CTransferWatch::AnswerTaken(const QNetworkReply* reply) {
  const QString scheme = reply->url().scheme();
  if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) return true;
  return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == kHttpOk;
}

void CTransferWatch::Check() {
  if (!m_Reply) {
    m_Timer.stop();
    return;
  }
  if (NowMs() - m_LastByteMs < kStallMs) return;
  qWarning("transfer of %s stalled: given up", qUtf8Printable(m_Reply->url().toString()));
  End();
  emit sigStalled();
}
