#include "update/ctransferwatch.h"

#include <QFile>
#include <QFileInfo>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <limits>

#include "frame/klx_clock.h"
#include "frame/klx_filecalls.h"
#include "update/klx_filefunctions.h"

namespace {
constexpr int kHttpOk = 200;
// What a body of no known length leaves free on the card.
constexpr qint64 kCardReserveBytes = qint64(KLX_FileFunctions::kModelSaveKiB) * 1024;
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
  m_Fitted = false;
  m_LastByteMs = NowMs();
  m_WindowMs = m_LastByteMs;
  m_WindowTaken = 0;
  reply->setReadBufferSize(kReplyBufferBytes);
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

CTransferWatch::Stored CTransferWatch::Keep(QFile& file, const QByteArray& data) {
  if (!m_Fitted && m_Reply) {
    m_Fitted = true;
    const QVariant announced = m_Reply->header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && !CardTakes(file.fileName(), announced.toLongLong())) {
      qWarning("no room on the card for the %lld bytes of %s", announced.toLongLong(),
               qUtf8Printable(m_Reply->url().toString()));
      return Stored_CardFull;
    }
  }
  // Of a body of no known length each piece is held against the card as it
  // comes: it may grow to the most a file may be, beyond what the card has.
  if (!data.isEmpty() && m_Reply && !m_Reply->header(QNetworkRequest::ContentLengthHeader).isValid() &&
      !CardTakes(file.fileName(), data.size() + kCardReserveBytes)) {
    qWarning("no room on the card for more of %s: %lld bytes written, the card keeps the room a model save asks for",
             qUtf8Printable(m_Reply->url().toString()), m_Taken - data.size());
    return Stored_CardFull;
  }
  if (data.isEmpty() || KLX_FileCalls::Instance().Write(file.handle(), data.constData(), data.size()))
    return Stored_All;
  const bool full = !CardTakes(file.fileName(), data.size());
  qWarning("%s: %s", qUtf8Printable(file.fileName()), full ? "the card is full" : "cannot be written");
  return full ? Stored_CardFull : Stored_Failed;
}

bool CTransferWatch::CardTakes(const QString& path, qint64 bytes) {
  // Counted in KiB as the card check counts; more than a long holds (32 bits
  // on the board) is more than any card.
  const qint64 kib = bytes / 1024 + 1;
  if (kib > std::numeric_limits<long>::max()) return false;
  return KLX_FileFunctions().KLX_FileFunctionsGetAvailSpaceOnFolder(QFileInfo(path).absolutePath(), long(kib));
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
  const qint64 now = NowMs();
  bool slow = false;
  if (now - m_WindowMs >= kStallMs) {
    slow = BelowFloor();
    m_WindowMs = now;
    m_WindowTaken = m_Taken;
  }
  const bool stalled = now - m_LastByteMs >= kStallMs;
  if (!stalled && !slow) return;
  // No byte at all is a stall, whatever the rate's window says of it.
  qWarning("transfer of %s %s: given up", qUtf8Printable(m_Reply->url().toString()), stalled ? "stalled" : "too slow");
  End();
  emit sigStalled();
}

bool CTransferWatch::BelowFloor() const {
  // What the body still lacked when the window began: by its announced
  // length, else by the most it may hold.
  const QVariant announced = m_Reply->header(QNetworkRequest::ContentLengthHeader);
  const qint64 expected = announced.isValid() ? announced.toLongLong() : m_Max;
  const qint64 floor = qMin(kFloorBytesPerSecond * kStallMs / 1000, qMax<qint64>(0, expected - m_WindowTaken));
  return m_Taken - m_WindowTaken < floor;
}
