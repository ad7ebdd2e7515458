#pragma once
// The simulated stick controller's answers to the program's requests: the
// synchronisation (state, firmware version, serial number), the direction
// word the program asks for, the one it sends to be kept, and the
// calibration of a control step by step. The state is its state at this
// power-up, chosen by a test (1: ready); version, serial number and
// directions are kept across power cycles.
//
// A calibration: the start (message 10) is answered with status 0; while
// the control moves the controller reports status 5 once it has seen both
// end positions (else 2); the centre step (11) is answered with status 1,
// then the moves report 6 at the centre (else 3); the end (13) is answered
// by the end report 0, the cancel (12) by status 8. A refusal is status 4
// to the start or the centre step, and end report 1.
#include <QMutex>

#include <atomic>

#include "sim/csimanswers.h"
#include "sim/csimcodec.h"

struct CSimControl;

class CSimControllers;

class CSimStick {
 public:
  static constexpr int kReady = 1;

  explicit CSimStick(CSimControllers& bus) : m_Bus(bus) {}

  bool Handle(const CSimMessage& request);

  void SetState(int state) { m_State = state; }
  int State() const { return m_State; }
  void SetVersion(int major, int minor);
  void SetSerial(quint32 serial);
  CSimAnswerBook& Answers() { return m_Answers; }

  // A control moved by hand: a control being calibrated reports its step.
  void ControlMoved(const CSimControl& control, int value);
  // The stick index being calibrated, -1 when none.
  int Calibrating() const;
  struct Counters {
    int calibrationsStarted = 0;
    int centreSteps = 0;         // taken with status 1
    int calibrationsEnded = 0;   // taken with the end report 0
    int calibrationsCancelled = 0;
  };
  Counters Seen() const;

 private:
  enum Phase { Idle, Ends, Centre };
  bool Calibration(const CSimMessage& m);
  void Report(int id, const QByteArray& data, int delayMs);

  CSimControllers& m_Bus;
  std::atomic<int> m_State{kReady};
  CSimAnswerBook m_Answers;

  mutable QMutex m_Mutex;  // the calibration below
  Phase m_Phase = Idle;
  int m_Index = -1;
  bool m_SeenLow = false;
  bool m_SeenHigh = false;
  Counters m_Counters;
};
