#pragma once
// The CAN sender thread: sleeps until the message layer has frames and
// writes them one 16-byte frame at a time.
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"
#include "platform/klx_cansocket.h"

class KLX_Protocol;

class KLX_BackboneSender : public CNoDebugBase<QThread>, public KLX_BaseClassThread {
 public:
  KLX_BackboneSender();
  ~KLX_BackboneSender() override;

  int KLX_BackboneSenderInitialize(int socket, KLX_Protocol* protocol);
  // Starts the thread running: a stop asked from then on holds, also before
  // the thread's run() has begun. True when it runs.
  bool KLX_BackboneSenderStart();
  int KLX_BackboneSenderStop();
  int KLX_BackboneSenderClose();
  void KLX_BackboneSenderStartProcessing() { KLX_BaseClassThreadStartProcessing(); }
  void KLX_BackboneSenderStopProcessing() { KLX_BaseClassThreadStopProcessing(); }
  bool KLX_BackboneSenderIsRunning() const { return m_Running; }
  // The clock of the pauses on a full transmit queue; set before the thread
  // starts.
  void KLX_BackboneSenderSetClock(KLX_Clock& clock) { m_Clock = &clock; }

 protected:
  void run() override;

 private:
  // Writes one frame; waits out a full transmit queue rather than drop it.
  void WriteFrame(int socket, int queue, const KLX_CanFrame& frame);

  // Cleared by a close while a late thread may still be starting: the thread
  // takes each once.
  std::atomic<int> m_Socket{-1};
  std::atomic<bool> m_Initialized{false};
  std::atomic<bool> m_Running{false};
  std::atomic<KLX_Protocol*> m_Protocol{nullptr};
  std::atomic<KLX_Clock*> m_Clock{&KLX_Clock::KLX_ClockSystem()};
  // The pause on a full device queue; a stop wakes it.
  QMutex m_PauseMutex;
  QWaitCondition m_PauseWake;
};
