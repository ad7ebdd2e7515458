#include "frame/klx_onoffhandler.h"

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_debuglog.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_system.h"

#include <QDebug>

namespace {
enum ButtonState { StateIdle = 1, StateHeld = 2, StateGoingDown = 3 };
// Samples with the button held before the switch-off (about four seconds).
constexpr int kHoldSamples = 39;
constexpr unsigned kErrNullSystem = 0x11908;
}  // namespace

KLX_OnOffHandler::KLX_OnOffHandler(QObject* parent) : CNoDebugBase<QThread>(parent) {}

KLX_OnOffHandler::~KLX_OnOffHandler() {
  if (isRunning()) KLX_OnOffHandlerStop();
  // Destroying a running thread ends the process: wait for it, however long.
  wait();
}

int KLX_OnOffHandler::KLX_OnOffHandlerInitialize(KLX_System* system) {
  if (!system) {
    KLXErrorHandler.RegisterError(kErrNullSystem, "Null pointer to systemclass given");
    return KLX_Error;
  }
  m_System = system;
  if (!Board::m_Instance) Board::Init();
  if (Board::m_Instance->IsFenk()) {
    m_InputGpio = 22;
    m_OutputGpio = 23;
  }
  int rc = m_Input.KLX_GPIOHandlerOpen(m_InputGpio, KLX_GPIOHandler::DirectionIn, 0);
  if (rc != KLX_Ok) return rc;
  rc = m_Output.KLX_GPIOHandlerOpen(m_OutputGpio, KLX_GPIOHandler::DirectionOut, 1);
  if (rc != KLX_Ok) return rc;
  m_Output.KLX_GPIOHandlerSetOutput(1);
  m_System->KLX_SystemGetSetPowerPinAtStart(m_Input.KLX_GPIOHandlerGetInput(), true);
  m_Initialized = true;
  return KLX_Ok;
}

bool KLX_OnOffHandler::KLX_OnOffHandlerStart() { return KLX_ThreadControl::Start(this, &m_Running); }

int KLX_OnOffHandler::KLX_OnOffHandlerStop() {
  Log("stop...");
  KLX_ThreadControl::Stop(this, *m_Clock, &m_Mutex, &m_Wake, &m_Running);
  Log("stoped");
  return KLX_Ok;
}

void KLX_OnOffHandler::KLX_OnOffForceShutDown() {
  QMutexLocker lock(&m_Mutex);
  m_ForceShutDown = true;
}

bool KLX_OnOffHandler::KLX_OnOffHandlerIsShutDownForced() {
  QMutexLocker lock(&m_Mutex);
  return m_ForceShutDown;
}

void KLX_OnOffHandler::KLX_OnOffHandlerRequestSwitchOff() {
  QMutexLocker lock(&m_Mutex);
  m_SwitchOffRequested = true;
  // Not a second of idle sampling: the user asked for it now.
  m_Clock->KLX_ClockWake(m_Wake);
}

int KLX_OnOffHandler::KLX_OnOffHandlerGetPwrPin() {
  QMutexLocker lock(&m_Mutex);
  return m_Input.KLX_GPIOHandlerGetInput();
}

int KLX_OnOffHandler::KLX_OnOffSetOutput(int value) { return m_Output.KLX_GPIOHandlerSetOutput(value); }

int KLX_OnOffHandler::KLX_OnOffHandlerClose() {
  m_Initialized = false;
  m_Input.KLX_GPIOHandlerClose();
  m_Output.KLX_GPIOHandlerClose();
  return KLX_Ok;
}

// The switch-off itself: processing stops, then the board goes down.
void KLX_OnOffHandler::GoDown() {
  qCInfo(lcVornDebug, "Stop Everything NOW!");
  Log(">1");
  m_System->KLX_SystemStopProcessing();
  Log(">2");
  m_System->KLX_SystemDown();
  Log(">3");
}

void KLX_OnOffHandler::run() {
  // Stopped before it ran (it started late): the stop holds.
  if (!m_Running || !m_Initialized) return;
  qInfo("  ->   starting KLX_OnOffHandler thread");
  KLX_ThreadControl::Entered();
  int state = StateIdle;
  int counter = 0;
  int goingDownSamples = 0;
  unsigned long waitMs = kFirstSampleMs;

  while (true) {
    Log("pause");
    m_Mutex.lock();
    // A request made while the last cycle ran found nobody waiting: no wait.
    if (!(state == StateIdle && m_SwitchOffRequested)) m_Clock->KLX_ClockWait(m_Wake, m_Mutex, waitMs);
    Log("resume");
    if (!m_Running) {
      m_Mutex.unlock();
      break;
    }
    Log("run...");
    m_System->KLX_SystemSignalSDcardNotFound();

    switch (state) {
      case StateIdle: {
        const int level = m_Input.KLX_GPIOHandlerGetInput();
        if (level != 0 && !m_ForceShutDown && !m_SwitchOffRequested) {
          waitMs = kIdleSampleMs;
        } else {
          m_System->KLX_SystemReadyToGoDown();
          state = StateHeld;
          counter = 0;
          waitMs = kHeldSampleMs;
        }
        break;
      }
      case StateHeld: {
        const bool pressed = m_Input.KLX_GPIOHandlerGetInput() == 0;
        if (counter > kHoldSamples && pressed) {
          if (m_ForceShutDown)
            m_System->KLX_SystemTurnOff(false);
          else
            m_System->KLX_SystemSave();
          state = StateGoingDown;
          goingDownSamples = 0;
          waitMs = kHeldSampleMs;
        } else if (m_ForceShutDown) {
          m_System->KLX_SystemTurnOff(false);
          state = StateGoingDown;
          goingDownSamples = 0;
          counter = 0;
          waitMs = kHeldSampleMs;
        } else if (m_SwitchOffRequested) {
          // A requested switch-off takes the path of a completed hold.
          m_System->KLX_SystemSave();
          state = StateGoingDown;
          goingDownSamples = 0;
          counter = 0;
          waitMs = kHeldSampleMs;
        } else if (counter <= kHoldSamples && pressed) {
          ++counter;
          waitMs = kHeldSampleMs;
        } else {
          m_System->KLX_SystemClearGoDown();
          counter = 0;
          state = StateIdle;
          waitMs = kIdleSampleMs;
        }
        break;
      }
      case StateGoingDown: {
        // A fast-start switch-off completes only when the model checksum task
        // has set the turning-off flag: keep sampling until then, and finish
        // the switch-off here if the answer never comes.
        if (!m_System->KLX_SystemIsTurningOff()) {
          if (++goingDownSamples < kGoingDownSamples) {
            waitMs = kHeldSampleMs;
            break;
          }
          qInfo("  ->   no answer to the switch-off request, switching off now");
          m_System->KLX_SystemTurnOff(false);
        }
        GoDown();
        counter = 0;
        waitMs = kIdleSampleMs;
        m_Running = false;
        break;
      }
    }
    m_Mutex.unlock();
    if (!m_Running) break;
  }
  Log("exit");
  qInfo("  ->   exit KLX_OnOffHandler thread");
}
