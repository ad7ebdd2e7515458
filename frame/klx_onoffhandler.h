#pragma once
// Watches the power button and drives the orderly switch-off; owns the
// power-hold output that keeps the board powered while the program runs.
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"
#include "frame/klx_gpiohandler.h"

class KLX_System;

class KLX_OnOffHandler : public CNoDebugBase<QThread> {
  Q_OBJECT
 public:
  explicit KLX_OnOffHandler(QObject* parent = nullptr);
  ~KLX_OnOffHandler() override;

  int KLX_OnOffHandlerInitialize(KLX_System* system);
  // Starts the thread running: a stop asked from then on holds, also before
  // the thread's run() has begun. True when it runs.
  bool KLX_OnOffHandlerStart();
  int KLX_OnOffHandlerStop();
  void KLX_OnOffForceShutDown();
  // Whether a forced switch-off is pending (the battery's undervoltage guard).
  bool KLX_OnOffHandlerIsShutDownForced();
  int KLX_OnOffHandlerGetPwrPin();
  int KLX_OnOffSetOutput(int value);
  int KLX_OnOffHandlerClose();
  int KLX_OnOffHandlerInputGpio() const { return m_InputGpio; }
  int KLX_OnOffHandlerOutputGpio() const { return m_OutputGpio; }

  // A switch-off asked for by other means than the button (a stop signal,
  // the desktop window closed): handled at once, as if the button had been
  // held for the whole hold time.
  void KLX_OnOffHandlerRequestSwitchOff();

  // The clock the thread waits on; set before the thread starts.
  void KLX_OnOffHandlerSetClock(KLX_Clock* clock) { m_Clock = clock ? clock : &KLX_Clock::KLX_ClockSystem(); }

  // The sampling periods (ms) and the bound of a pending switch-off.
  static constexpr unsigned long kFirstSampleMs = 3002;
  static constexpr unsigned long kIdleSampleMs = 1002;
  static constexpr unsigned long kHeldSampleMs = 100;
  // How long a pending switch-off (waiting for the model checksum answer) may
  // take before the button thread completes it itself: 900 held samples (90 s),
  // beyond the checksum task's own worst case of about 60 s.
  static constexpr int kGoingDownSamples = 900;

 protected:
  void run() override;

 private:
  void GoDown();

  QWaitCondition m_Wake;
  QMutex m_Mutex;
  bool m_Initialized = false;
  std::atomic<bool> m_Running{false};
  bool m_ForceShutDown = false;
  bool m_SwitchOffRequested = false;
  KLX_GPIOHandler m_Input;
  KLX_GPIOHandler m_Output;
  KLX_System* m_System = nullptr;
  int m_InputGpio = 48;
  int m_OutputGpio = 43;
  KLX_Clock* m_Clock = &KLX_Clock::KLX_ClockSystem();
};
