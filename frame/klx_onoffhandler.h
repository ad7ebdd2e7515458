#pragma once
// Watches the power button and drives the orderly switch-off; owns the
// power-hold output that keeps the board powered while the program runs.
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

#include "frame/klx_basethread.h"
#include "frame/klx_gpiohandler.h"

class KLX_System;

class KLX_OnOffHandler : public CNoDebugBase<QThread> {
  Q_OBJECT
 public:
  explicit KLX_OnOffHandler(QObject* parent = nullptr);
  ~KLX_OnOffHandler() override;

  int KLX_OnOffHandlerInitialize(KLX_System* system);
  int KLX_OnOffHandlerStop();
  void KLX_OnOffForceShutDown();
  int KLX_OnOffHandlerGetPwrPin();
  int KLX_OnOffSetOutput(int value);
  int KLX_OnOffHandlerClose();
  int KLX_OnOffHandlerInputGpio() const { return m_InputGpio; }
  int KLX_OnOffHandlerOutputGpio() const { return m_OutputGpio; }

  // The sampling periods (ms) and the going-down bound (samples). The
  // product's values stay fixed; tests shorten them.
  struct Timing {
    unsigned long firstMs = 3002;
    unsigned long idleMs = 1002;
    unsigned long heldMs = 100;
    // How long a pending switch-off (waiting for the model checksum answer)
    // may take before the button thread completes it itself: 90 s, beyond
    // the checksum task's own worst case of about 60 s.
    int goingDownSamples = 900;
  };
  void KLX_OnOffHandlerSetTiming(const Timing& timing) { m_Timing = timing; }

 protected:
  void run() override;

 private:
  QWaitCondition m_Wake;
  QMutex m_Mutex;
  bool m_Initialized = false;
  std::atomic<bool> m_Running{false};
  bool m_ForceShutDown = false;
  KLX_GPIOHandler m_Input;
  KLX_GPIOHandler m_Output;
  KLX_System* m_System = nullptr;
  int m_InputGpio = 48;
  int m_OutputGpio = 43;
  Timing m_Timing;
};
