#include "link/klx_backbonesender.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "link/klx_protocol.h"

#include <QtGlobal>

#include <cerrno>

namespace {
constexpr unsigned kSenderInit = 0x10201;  // fatal, sender module
// A full transmit queue is waited out for up to this long before the frame
// is given up.
constexpr int kWriteRetryMs = 10;
constexpr int kWriteRetries = 100;
constexpr unsigned long kFullQueuePauseMs = 1;
}  // namespace

KLX_BackboneSender::KLX_BackboneSender() : KLX_BaseClassThread("BackBoneSender", false) {
  setObjectName("BackBoneSender");
}

KLX_BackboneSender::~KLX_BackboneSender() {
  if (isRunning()) {
    KLX_BackboneSenderStop();
    // Destroying a running thread ends the process: wait for it, however long.
    wait();
  }
}

int KLX_BackboneSender::KLX_BackboneSenderInitialize(int socket, KLX_Protocol* protocol) {
  if (m_Initialized || !protocol) {
    KLXErrorHandler.RegisterError(kSenderInit, "KLX_BackboneSenderInitialize: Initializing went wrong");
    return KLX_Error;
  }
  m_Socket = socket;
  m_Protocol = protocol;
  m_Initialized = true;
  return KLX_Ok;
}

bool KLX_BackboneSender::KLX_BackboneSenderStart() { return KLX_ThreadControl::Start(this, &m_Running); }

int KLX_BackboneSender::KLX_BackboneSenderStop() {
  m_Running = false;
  if (KLX_Protocol* protocol = m_Protocol.load()) protocol->KLX_ProtocolWakeAll();
  KLX_ThreadControl::Stop(this, *m_Clock.load(), &m_PauseMutex, &m_PauseWake, &m_Running);
  return KLX_Ok;
}

int KLX_BackboneSender::KLX_BackboneSenderClose() {
  m_Protocol = nullptr;
  m_Initialized = false;
  m_Socket = -1;
  return KLX_Ok;
}

void KLX_BackboneSender::WriteFrame(int socket, int queue, const KLX_CanFrame& frame) {
  ssize_t count = -1;
  for (int attempt = 0; attempt <= kWriteRetries; ++attempt) {
    count = KLX_Platform::CanWrite(socket, frame);
    if (count == KLX_CAN_FRAME_SIZE) return;
    const int error = errno;
    if (count >= 0 || (error != ENOBUFS && error != EAGAIN && error != EINTR)) break;
    if (!m_Running) break;
    KLX_Platform::CanWaitWritable(socket, kWriteRetryMs);
    // SocketCAN may report a full device queue as writable: give the bus time.
    if (error == ENOBUFS) {
      QMutexLocker pause(&m_PauseMutex);
      if (m_Running) m_Clock.load()->KLX_ClockWait(m_PauseWake, m_PauseMutex, kFullQueuePauseMs);
    }
    errno = error;
  }
  qDebug("ERROR_CAN_BUS: i=%d count=%d errno=%d can_id=0x%08X dlc=0x%08X [%d %d %d %d %d %d %d %d]",
         queue, static_cast<int>(count), errno, frame.can_id, unsigned(frame.can_dlc), frame.data[0],
         frame.data[1], frame.data[2], frame.data[3], frame.data[4], frame.data[5], frame.data[6],
         frame.data[7]);
}

void KLX_BackboneSender::run() {
  // Stopped before it ran (it started late): the stop holds, and the
  // protocol may be gone already.
  if (!m_Running) return;
  KLX_Protocol* const protocol = m_Protocol.load();
  const int socket = m_Socket.load();
  if (!m_Initialized || !protocol) {
    KLXErrorHandler.RegisterError(kSenderInit, "run(): did not call KLX_BackboneSenderInitialize()");
    return;
  }
  qDebug("  ->   starting KLX_BackboneSender thread");
  KLX_ThreadControl::Entered();
  KLX_CanFrame frame;
  while (m_Running) {
    protocol->KLX_ProtocolWaitForMessages(m_Running);
    if (!m_Running) break;
    // All short messages first, then every queued long message whole. A
    // short message queued before a long one still goes before it, even when
    // it came after the short queue was last looked at: a sender that
    // announces with a short message and follows with long ones (a boot
    // loader's row) keeps its order. The long message is taken from its queue
    // first, so that whatever was queued before it is seen.
    KLX_CanFrame shortFrame;
    while (protocol->KLX_ProtocolCheckForFurtherMessageToSend()) {
      while (protocol->KLX_ProtocolHandleSendingShortMessage(&frame)) WriteFrame(socket, 0, frame);
      while (protocol->KLX_ProtocolHandleSendingLongMessage(&frame)) {
        if (protocol->KLX_ProtocolLongMessageStarting())
          while (protocol->KLX_ProtocolHandleSendingShortMessage(&shortFrame)) WriteFrame(socket, 0, shortFrame);
        WriteFrame(socket, 1, frame);
      }
    }
  }
  qDebug("  ->   exit KLX_BackboneSender thread");
}
