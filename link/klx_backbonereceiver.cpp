#include "link/klx_backbonereceiver.h"
#include "frame/klx_debuglog.h"

#include <cerrno>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "link/klx_protocol.h"

#include <QtGlobal>

namespace {
constexpr unsigned kReceiverInit = 0x10101;  // fatal, receiver module
constexpr unsigned kSocketSetup = 0x10102;   // fatal, receiver module
constexpr unsigned kBadRead = 0x50103;       // logged only
// The read waits this long at a time, so that a stop is seen even when no
// frame comes.
constexpr int kReadWaitMs = 100;
// After a failed read, so that a dead socket does not spin a core.
constexpr unsigned long kFailedReadPauseMs = 20;
}  // namespace

KLX_BackboneReceiver::KLX_BackboneReceiver() : KLX_BaseClassThread("BackBoneReceiver", false) {
  setObjectName("BackBoneReceiver");
}

KLX_BackboneReceiver::~KLX_BackboneReceiver() {
  if (isRunning()) {
    KLX_BackboneReceiverStop();
    // Destroying a running thread ends the process: wait for it, however long.
    wait();
  }
  KLX_BackboneReceiverClose();
}

int KLX_BackboneReceiver::KLX_BackboneReceiverInitialize(KLX_Protocol* protocol) {
  if (m_Initialized || !protocol) {
    KLXErrorHandler.RegisterError(kReceiverInit,
                                  "KLX_BackboneReceiverInitialize(): Initializing went wrong");
    return KLX_Error;
  }
  m_Protocol = protocol;
  m_Initialized = true;
  m_Socket = KLX_BackboneReceiverOpenCANSocket();
  if (m_Socket < 0) {
    KLXErrorHandler.RegisterError(kReceiverInit,
                                  "KLX_BackboneReceiverInitialize(): Could not open CAN socket");
    m_Socket = -1;
    return KLX_Error;
  }
  return m_Socket;
}

int KLX_BackboneReceiver::KLX_BackboneReceiverInitializeOnSocket(KLX_Protocol* protocol, int socket) {
  if (m_Initialized || !protocol || socket < 0) {
    KLXErrorHandler.RegisterError(kReceiverInit,
                                  "KLX_BackboneReceiverInitialize(): Initializing went wrong");
    return KLX_Error;
  }
  m_Protocol = protocol;
  m_Initialized = true;
  m_Socket = socket;
  return m_Socket;
}

int KLX_BackboneReceiver::KLX_BackboneReceiverOpenCANSocket() {
  KLX_Platform::CanOpenStep step = KLX_Platform::CanOpenStep::Done;
  const int fd = KLX_Platform::CanOpen(KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/run/can0"), &step);
  if (fd >= 0) {
    qCDebug(lcVornDebug, "  ->   can socket opened succesfully");
    return fd;
  }
  const char* text = "KLX_BackboneReceiverOpenCANSocket(): failed to open can socket";
  switch (step) {
    case KLX_Platform::CanOpenStep::ReceiveBuffer:
      text = "KLX_BackboneReceiverOpenCANSocket(): set size of receiving socket failed";
      break;
    case KLX_Platform::CanOpenStep::SendBuffer:
      text = "KLX_BackboneReceiverOpenCANSocket(): set size of sending socket failed";
      break;
    case KLX_Platform::CanOpenStep::Interface:
      text = "KLX_BackboneReceiverOpenCANSocket(): failed to initialize socket";
      break;
    case KLX_Platform::CanOpenStep::Bind:
      text = "KLX_BackboneReceiverOpenCANSocket(): failed to bind socket";
      break;
    default:
      break;
  }
  KLXErrorHandler.RegisterError(kSocketSetup, QString::fromLatin1(text));
  return KLX_Error;
}

bool KLX_BackboneReceiver::KLX_BackboneReceiverStart() { return KLX_ThreadControl::Start(this, &m_Running); }

int KLX_BackboneReceiver::KLX_BackboneReceiverStop() {
  KLX_ThreadControl::Stop(this, *m_Clock.load(), &m_PauseMutex, &m_PauseWake, &m_Running);
  return KLX_Ok;
}

int KLX_BackboneReceiver::KLX_BackboneReceiverClose() {
  const int socket = m_Socket.exchange(-1);
  if (socket >= 0) KLX_Platform::CanClose(socket);
  m_Protocol = nullptr;
  m_Initialized = false;
  return KLX_Ok;
}

void KLX_BackboneReceiver::run() {
  // Stopped before it ran (it started late): the stop holds, and the socket
  // may be closed (its number another file's) already.
  if (!m_Running) return;
  KLX_Protocol* const protocol = m_Protocol.load();
  const int socket = m_Socket.load();
  if (!m_Initialized || !protocol) {
    KLXErrorHandler.RegisterError(kReceiverInit, "run(): did not call KLX_BackboneReceiverInitialize()");
    return;
  }
  qDebug("  ->   starting KLX_BackboneReceiver thread");
  KLX_ThreadControl::Entered();
  while (m_Running) {
    if (!KLX_Platform::CanWaitReadable(socket, kReadWaitMs)) continue;
    const ssize_t count = KLX_Platform::CanRead(socket, &m_Frame);
    if (!m_Running) break;
    // Nothing there after all (the bus stand-in lost its controllers): no failed read.
    if (count < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (count != KLX_CAN_FRAME_SIZE) {
      if (KLX_BaseClassThreadIsProcessing()) KLXErrorHandler.RegisterError(kBadRead, QString());
      QMutexLocker pause(&m_PauseMutex);
      if (m_Running) m_Clock.load()->KLX_ClockWait(m_PauseWake, m_PauseMutex, kFailedReadPauseMs);
      continue;
    }
    if (KLX_BaseClassThreadIsProcessing()) {
      if (m_Frame.can_id & KLX_CAN_EFF_FLAG)
        protocol->KLX_ProtocolHandleLongMessage(&m_Frame);
      else
        protocol->KLX_ProtocolHandleShortMessage(&m_Frame);
    }
    ++m_FramesRead;
  }
  qDebug("  ->   exit KLX_BackboneReceiver thread");
}
