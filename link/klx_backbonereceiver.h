#pragma once
// The CAN receiver thread: opens the socket, reads one 16-byte frame at a
// time and hands it to the message layer.
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"
#include "platform/klx_cansocket.h"

class KLX_Protocol;

class KLX_BackboneReceiver : public CNoDebugBase<QThread>, public KLX_BaseClassThread {
 public:
  KLX_BackboneReceiver();
  ~KLX_BackboneReceiver() override;

  // Opens the CAN socket; the descriptor, or KLX_Error when it cannot be opened.
  int KLX_BackboneReceiverInitialize(KLX_Protocol* protocol);
  // The same on a descriptor the caller made; the receiver takes it over.
  int KLX_BackboneReceiverInitializeOnSocket(KLX_Protocol* protocol, int socket);
  int KLX_BackboneReceiverOpenCANSocket();
  int KLX_BackboneReceiverGetSocket() const { return m_Socket; }
  // Starts the thread running: a stop asked from then on holds, also before
  // the thread's run() has begun. True when it runs.
  bool KLX_BackboneReceiverStart();
  int KLX_BackboneReceiverStop();
  int KLX_BackboneReceiverClose();
  void KLX_BackboneReceiverStartProcessing() { KLX_BaseClassThreadStartProcessing(); }
  void KLX_BackboneReceiverStopProcessing() { KLX_BaseClassThreadStopProcessing(); }
  bool KLX_BackboneReceiverIsRunning() const { return m_Running; }
  // The clock of the pause after a failed read; set before the thread starts.
  void KLX_BackboneReceiverSetClock(KLX_Clock& clock) { m_Clock = &clock; }
  // Whole frames read so far, handled or (while processing is off) dropped.
  quint64 KLX_BackboneReceiverFramesRead() const { return m_FramesRead; }

 protected:
  void run() override;

 private:
  // Cleared by a close while a late thread may still be starting: the thread
  // takes each once.
  std::atomic<int> m_Socket{-1};
  std::atomic<bool> m_Initialized{false};
  std::atomic<bool> m_Running{false};
  std::atomic<KLX_Protocol*> m_Protocol{nullptr};
  KLX_CanFrame m_Frame;
  std::atomic<KLX_Clock*> m_Clock{&KLX_Clock::KLX_ClockSystem()};
  // The pause after a failed read; a stop wakes it.
  QMutex m_PauseMutex;
  QWaitCondition m_PauseWake;
  std::atomic<quint64> m_FramesRead{0};
};
