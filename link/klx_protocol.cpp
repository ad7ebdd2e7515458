#include "link/klx_protocol.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "tasks/klx_vornhandler.h"

#include <QtGlobal>

#include <cstring>
#include <memory>

namespace {
constexpr unsigned kInitFailed = 0x12101;
constexpr unsigned kSendNotInitialised = 0x22101;
constexpr unsigned kTooLongToSend = 0x22103;
constexpr unsigned kTooLongToReceive = 0x52102;
constexpr unsigned char kMismatchLimit = 127;
}  // namespace

KLX_Protocol::KLX_Protocol(QObject* parent) : QObject(parent) {
  std::memset(&m_ShortRcv, 0, sizeof(m_ShortRcv));
  std::memset(&m_LongRcv, 0, sizeof(m_LongRcv));
  std::memset(&m_ShortSnd, 0, sizeof(m_ShortSnd));
  std::memset(&m_LongSnd, 0, sizeof(m_LongSnd));
  KLX_ProtocolResetRcvLongData();
  KLX_ProtocolSetupSndLongData(false);
}

KLX_Protocol::~KLX_Protocol() {
  if (m_Receiver.isRunning() || m_Sender.isRunning()) KLX_ProtocolClose();
  // Their stop holds; a thread that outlived the close's wait (a processor
  // busy for seconds) still works on the queues below, which go first.
  m_Receiver.wait();
  m_Sender.wait();
  m_LongQueue.Clear();
}

int KLX_Protocol::KLX_ProtocolInitialize(KLX_DataBaseManager* database, KLX_VornHandler* handler) {
  return InitializeThreads(database, handler, -1);
}

int KLX_Protocol::KLX_ProtocolInitializeOnSocket(KLX_DataBaseManager* database,
                                                 KLX_VornHandler* handler, int socket) {
  if (socket < 0) {
    KLXErrorHandler.RegisterError(kInitFailed, "KLX_ProtocolInitialize went wrong");
    return KLX_Error;
  }
  return InitializeThreads(database, handler, socket);
}

int KLX_Protocol::KLX_ProtocolInitializeWithoutBus() {
  if (m_Initialized) {
    KLXErrorHandler.RegisterError(kInitFailed, "KLX_ProtocolInitialize went wrong");
    return KLX_Error;
  }
  m_Initialized = 1;
  return KLX_Ok;
}

int KLX_Protocol::InitializeThreads(KLX_DataBaseManager* database, KLX_VornHandler* handler,
                                    int socket) {
  auto refuse = [&]() {
    KLXErrorHandler.RegisterError(kInitFailed, "KLX_ProtocolInitialize went wrong");
    return KLX_Error;
  };
  if (m_Initialized || !database || !handler) return refuse();
  m_Vorn = handler;
  if (m_Transceiver.KLX_TransceiverMessageHandlerInitialize(database, handler) != KLX_Ok) return refuse();
  if (m_Stick.KLX_StickMessageHandlerInitialize(database, handler) != KLX_Ok) return refuse();

  const int fd = socket >= 0 ? m_Receiver.KLX_BackboneReceiverInitializeOnSocket(this, socket)
                             : m_Receiver.KLX_BackboneReceiverInitialize(this);
  if (fd < 0) return refuse();
  if (!m_Receiver.KLX_BackboneReceiverStart()) {
    m_Receiver.KLX_BackboneReceiverStop();
    m_Receiver.KLX_BackboneReceiverClose();
    return refuse();
  }
  if (m_Sender.KLX_BackboneSenderInitialize(fd, this) != KLX_Ok) {
    m_Receiver.KLX_BackboneReceiverStop();
    m_Receiver.KLX_BackboneReceiverClose();
    return KLX_Error;
  }
  if (!m_Sender.KLX_BackboneSenderStart()) {
    m_Sender.KLX_BackboneSenderStop();
    m_Sender.KLX_BackboneSenderClose();
    m_Receiver.KLX_BackboneReceiverStop();
    m_Receiver.KLX_BackboneReceiverClose();
    return refuse();
  }
  m_Initialized = 1;
  return KLX_Ok;
}

void KLX_Protocol::KLX_ProtocolSetClock(KLX_Clock& clock) {
  m_Clock = &clock;
  m_Sender.KLX_BackboneSenderSetClock(clock);
  m_Receiver.KLX_BackboneReceiverSetClock(clock);
}

void KLX_Protocol::KLX_ProtocolStartProcessing() {
  m_Sender.KLX_BackboneSenderStartProcessing();
  m_Receiver.KLX_BackboneReceiverStartProcessing();
}

void KLX_Protocol::KLX_ProtocolStopProcessing() {
  m_Sender.KLX_BackboneSenderStopProcessing();
  m_Receiver.KLX_BackboneReceiverStopProcessing();
}

bool KLX_Protocol::KLX_ProtocolIsProcessing() const {
  return m_Receiver.KLX_BaseClassThreadIsProcessing();
}

int KLX_Protocol::KLX_ProtocolClose() {
  // Later sends are refused: nothing would carry them.
  m_Initialized = 0;
  if (m_Receiver.isRunning()) m_Receiver.KLX_BackboneReceiverStop();
  if (m_Sender.isRunning()) m_Sender.KLX_BackboneSenderStop();
  m_Receiver.KLX_BackboneReceiverClose();
  m_Sender.KLX_BackboneSenderClose();
  qDebug("  ->   close socket(s)");
  return KLX_Ok;
}

int KLX_Protocol::KLX_ProtocolSendMessage(unsigned length, const char* data,
                                          KLX_16BituByteValue_t id, unsigned char node) {
  if (!m_Initialized) {
    KLXErrorHandler.RegisterError(kSendNotInitialised, "KLX_ProtocolInitialize went wrong");
    return KLX_Error;
  }
  if (length >= KLX_PROT_MAX_DATA) {
    KLXErrorHandler.RegisterError(kTooLongToSend, "data to long to send");
    return KLX_Error;
  }
  if (length > 0 && !data) return KLX_Error;
  if (length <= KLX_PROT_SHORT_MAX) {
    KLX_RawProtShortData_t record;
    std::memset(&record, 0, sizeof(record));
    if (length) std::memcpy(record.data, data, length);
    record.id = static_cast<unsigned char>(id & 0xFF);
    record.node = node;
    record.length = static_cast<unsigned char>(length);
    QMutexLocker lock(&m_ShortMutex);
    m_ShortQueue.append(record);
  } else {
    auto record = std::make_unique<KLX_RawProtLongData_t>();
    std::memcpy(record->data, data, length);
    record->id = static_cast<unsigned short>(id & 0xFF);
    record->node = node;
    record->length = length;
    m_LongQueue.Enqueue(std::move(record));
  }
  // Through the sender's lock, so that its check of the queues and its wait
  // cannot straddle this message; woken after the lock is given back, so
  // that it does not wake only to wait for the lock.
  { QMutexLocker wake(&m_WakeMutex); }
  m_Clock.load()->KLX_ClockWake(m_Wake);
  return KLX_Ok;
}

void KLX_Protocol::KLX_ProtocolSet_Update_CANID_Stickcontroller(unsigned short id) {
  m_BootUpdateFlag = 1;
  m_Stick.KLX_StickMessageHandlerSet_UpdateCAN_ID(id);
}

void KLX_Protocol::KLX_ProtocolSet_Update_CANID_Transceiverontroller(unsigned short id) {
  m_BootUpdateFlag = 1;
  m_Transceiver.KLX_TransceiverMessageHandlerSet_UpdateCAN_ID(id);
}

int KLX_Protocol::KLX_ProtocolIsClearBootUpdateFlag() { return m_BootUpdateFlag.exchange(0) ? 1 : 0; }

int KLX_Protocol::KLX_ProtocolIsBootUpdateFlag() const { return m_BootUpdateFlag; }

// ---- sending ---------------------------------------------------------------

bool KLX_Protocol::KLX_ProtocolHandleShortMessageAvail() {
  QMutexLocker lock(&m_ShortMutex);
  return !m_ShortQueue.isEmpty();
}

bool KLX_Protocol::KLX_ProtocolHandleLongMessageAvail() {
  return m_SendingLong || !m_LongQueue.IsEmpty();
}

bool KLX_Protocol::KLX_ProtocolCheckForFurtherMessageToSend() {
  return KLX_ProtocolHandleShortMessageAvail() || KLX_ProtocolHandleLongMessageAvail();
}

void KLX_Protocol::KLX_ProtocolWaitForMessages(const std::atomic<bool>& running) {
  QMutexLocker lock(&m_WakeMutex);
  while (running && !KLX_ProtocolCheckForFurtherMessageToSend())
    m_Clock.load()->KLX_ClockWait(m_Wake, m_WakeMutex, KLX_Clock::kForever);
}

void KLX_Protocol::KLX_ProtocolWakeAll() {
  QMutexLocker lock(&m_WakeMutex);
  m_Clock.load()->KLX_ClockWake(m_Wake);
}

uint32_t KLX_Protocol::MakeLongId(unsigned char node, unsigned char id, uint16_t sequence) {
  // Node bits 26-27, id bits 18-25, sequence bits 2-17; bit 28 stays clear.
  const uint32_t v = (uint32_t(node & 0x3) << 24) | (uint32_t(id) << 16) | sequence;
  return (v << 2) | KLX_CAN_EFF_FLAG;
}

int KLX_Protocol::KLX_ProtocolHandleSendingShortMessage(KLX_CanFrame* frame) {
  {
    QMutexLocker lock(&m_ShortMutex);
    if (m_ShortQueue.isEmpty()) return KLX_False;
    m_ShortSnd = m_ShortQueue.takeFirst();
  }
  *frame = KLX_CanFrame();
  // Node bits 8-10 of a standard identifier.
  frame->can_id = uint32_t(m_ShortSnd.id) | (uint32_t(m_ShortSnd.node & 0x7) << 8);
  frame->can_dlc = m_ShortSnd.length;
  std::memcpy(frame->data, m_ShortSnd.data, m_ShortSnd.length);
  return KLX_True;
}

void KLX_Protocol::KLX_ProtocolSetupSndLongData(bool start) {
  m_SendingLong = start ? 1 : 0;
  m_SendSequence = 0;
  m_Framed = 0;
}

int KLX_Protocol::KLX_ProtocolHandleSendingLongMessage(KLX_CanFrame* frame) {
  *frame = KLX_CanFrame();
  if (!m_SendingLong) {
    std::unique_ptr<KLX_RawProtLongData_t> next = m_LongQueue.Dequeue();
    if (!next) return KLX_False;
    m_LongSnd = *next;
    KLX_ProtocolSetupSndLongData(true);
    frame->can_id = MakeLongId(m_LongSnd.node, static_cast<unsigned char>(m_LongSnd.id), 0);
    frame->can_dlc = 4;
    frame->data[0] = m_LongSnd.length & 0xFF;
    frame->data[1] = (m_LongSnd.length >> 8) & 0xFF;
    frame->data[2] = (m_LongSnd.length >> 16) & 0xFF;
    frame->data[3] = (m_LongSnd.length >> 24) & 0xFF;
  } else {
    unsigned dlc = 8;
    if (m_Framed + 8 >= m_LongSnd.length) {
      if (m_Vorn) m_Vorn->KLX_ProtocolBaseCallback();
      dlc = m_LongSnd.length - m_Framed;
      m_SendingLong = 0;
    }
    frame->can_id = MakeLongId(m_LongSnd.node, static_cast<unsigned char>(m_LongSnd.id), m_SendSequence);
    frame->can_dlc = static_cast<uint8_t>(dlc);
    std::memcpy(frame->data, m_LongSnd.data + m_Framed, dlc);
    m_Framed += dlc;
  }
  ++m_SendSequence;
  return KLX_True;
}

// ---- receiving -------------------------------------------------------------

void KLX_Protocol::KLX_ProtocolResetRcvLongData() {
  m_LongRcv.id = 0;
  m_LongRcv.node = 0;
  m_LongRcv.length = 0;
  m_LongRcv.longFlag = 1;
  m_LongRcv.remoteFlag = 0;
  m_IdMismatch = 0;
  m_Receiving = 0;
  m_Received = 0;
  m_ExpectedSequence = 0;
}

int KLX_Protocol::KLX_ProtocolHandleShortMessage(const KLX_CanFrame* frame) {
  const unsigned dlc = frame->can_dlc <= KLX_CAN_MAX_DLC ? frame->can_dlc : KLX_CAN_MAX_DLC;
  m_ShortRcv.id = frame->can_id & 0xFF;
  m_ShortRcv.node = (frame->can_id >> 8) & 0xFF;
  m_ShortRcv.length = dlc;
  m_ShortRcv.longFlag = 0;
  m_ShortRcv.remoteFlag = (frame->can_id & KLX_CAN_RTR_FLAG) ? 1 : 0;
  std::memcpy(m_ShortRcv.data, frame->data, dlc);
  return KLX_ProtocolRcvMessage(&m_ShortRcv);
}

int KLX_Protocol::KLX_ProtocolHandleLongMessage(const KLX_CanFrame* frame) {
  const uint32_t v = (frame->can_id >> 2) & 0x3FFFFFF;
  const uint16_t sequence = v & 0xFFFF;
  const unsigned char id = (v >> 16) & 0xFF;
  const unsigned char node = (v >> 24) & 0x3;
  const unsigned dlc = frame->can_dlc <= KLX_CAN_MAX_DLC ? frame->can_dlc : KLX_CAN_MAX_DLC;

  if (sequence == 0) {
    if (m_Receiving) KLX_ProtocolResetRcvLongData();
    // The total length; bytes beyond the frame's length count as 0.
    uint32_t total = 0;
    for (unsigned i = 0; i < 4 && i < dlc; ++i) total |= uint32_t(frame->data[i]) << (8 * i);
    if (total > KLX_PROT_MAX_DATA) {
      KLXErrorHandler.RegisterError(kTooLongToReceive, "data too long to receive over CAN");
      KLX_ProtocolResetRcvLongData();
      return KLX_False;
    }
    m_LongRcv.length = total;
    m_LongRcv.longFlag = 1;
    m_LongRcv.remoteFlag = (frame->can_id & KLX_CAN_RTR_FLAG) ? 1 : 0;
    m_LongRcv.id = id;
    m_LongRcv.node = node;
    m_Receiving = 1;
    m_Received = 0;
    m_ExpectedSequence = 1;
    return KLX_True;
  }
  {
    if (m_Received + dlc > KLX_PROT_MAX_DATA) {
      KLXErrorHandler.RegisterError(kTooLongToReceive, "data too long to receive over CAN");
      KLX_ProtocolResetRcvLongData();
      return KLX_False;
    }
    if (id != m_LongRcv.id) {
      ++m_IdMismatch;
      if (m_IdMismatch >= kMismatchLimit) KLX_ProtocolResetRcvLongData();
      return KLX_False;
    }
    if (sequence != m_ExpectedSequence) {
      KLX_ProtocolResetRcvLongData();
      return KLX_False;
    }
    ++m_ExpectedSequence;
    std::memcpy(m_LongRcv.data + m_Received, frame->data, dlc);
    m_Received += dlc;
  }
  if (m_Received == m_LongRcv.length) {
    KLX_ProtocolRcvMessage(&m_LongRcv);
    KLX_ProtocolResetRcvLongData();
  } else if (m_Received > m_LongRcv.length) {
    KLX_ProtocolResetRcvLongData();
  }
  return KLX_True;
}

int KLX_Protocol::KLX_ProtocolRcvMessage(const KLX_ProtLongData_t* message) {
  if (message->node == KLX_NODE_TRANSCEIVER)
    m_Transceiver.KLX_TransceiverMessageHandlerRcvMsg(message);
  else if (message->node == KLX_NODE_STICK)
    m_Stick.KLX_StickMessageHandlerRcvMsg(message);
  return KLX_Ok;
}

// ---- test doors ------------------------------------------------------------

bool KLX_Protocol::KLX_ProtocolTakeMessage(KLX_Message* message) {
  {
    QMutexLocker lock(&m_ShortMutex);
    if (!m_ShortQueue.isEmpty()) {
      const KLX_RawProtShortData_t r = m_ShortQueue.takeFirst();
      message->id = r.id;
      message->node = r.node;
      message->data = QByteArray(reinterpret_cast<const char*>(r.data), r.length);
      return true;
    }
  }
  std::unique_ptr<KLX_RawProtLongData_t> r = m_LongQueue.Dequeue();
  if (!r) return false;
  message->id = r->id;
  message->node = r->node;
  message->data = QByteArray(reinterpret_cast<const char*>(r->data), static_cast<int>(r->length));
  return true;
}

int KLX_Protocol::KLX_ProtocolQueuedCount() const {
  QMutexLocker lock(&m_ShortMutex);
  return m_ShortQueue.size() + m_LongQueue.Count();
}
