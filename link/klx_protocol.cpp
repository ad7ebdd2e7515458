#include "link/klx_protocol.h"

#include "frame/klx_errorhandler.h"

namespace {
constexpr unsigned kInitFailed = 73985;
constexpr unsigned kTooLong = 139523;
constexpr unsigned kMaxMessage = 1000;
}  // namespace

KLX_Protocol::KLX_Protocol(QObject* parent) : QObject(parent) {}
KLX_Protocol::~KLX_Protocol() = default;

int KLX_Protocol::KLX_ProtocolInitialize(KLX_DataBaseManager* db, KLX_VornHandler* vorn) {
  if (m_Initialized || !db || !vorn) {
    KLXErrorHandler.RegisterError(kInitFailed, "KLX_ProtocolInitialize went wrong");
    return -70000;
  }
  m_Db = db;
  m_Vorn = vorn;
  m_Initialized = true;
  return 1;
}

void KLX_Protocol::KLX_ProtocolStartProcessing() { m_Processing = true; }
void KLX_Protocol::KLX_ProtocolStopProcessing() { m_Processing = false; }

int KLX_Protocol::KLX_ProtocolClose() {
  m_Processing = false;
  m_Initialized = false;
  return 1;
}

int KLX_Protocol::KLX_ProtocolSendMessage(unsigned length, const char* data, unsigned short id,
                                          unsigned char node) {
  if (length >= kMaxMessage) {
    KLXErrorHandler.RegisterError(kTooLong, "data to long to send");
    return -70000;
  }
  KLX_Message message;
  message.id = id;
  message.node = node;
  if (length) message.data = QByteArray(data, static_cast<int>(length));
  Waker waker;
  {
    QMutexLocker lock(&m_QueueMutex);
    m_Queue.enqueue(message);
    waker = m_Waker;
  }
  if (waker) waker();
  return 1;
}

bool KLX_Protocol::KLX_ProtocolTakeMessage(KLX_Message* message) {
  QMutexLocker lock(&m_QueueMutex);
  if (m_Queue.isEmpty()) return false;
  *message = m_Queue.dequeue();
  return true;
}

int KLX_Protocol::KLX_ProtocolQueuedCount() const {
  QMutexLocker lock(&m_QueueMutex);
  return m_Queue.size();
}

void KLX_Protocol::KLX_ProtocolSetSenderWaker(Waker waker) {
  QMutexLocker lock(&m_QueueMutex);
  m_Waker = std::move(waker);
}
