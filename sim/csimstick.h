#pragma once
// The simulated stick controller's answers to the program's requests: the
// synchronisation (state, firmware version, serial number), the direction
// word the program asks for, and the one it sends to be kept. The state is
// its state at this power-up, chosen by a test (1: ready); version, serial
// number and directions are kept across power cycles.
#include <atomic>

#include "sim/csimanswers.h"
#include "sim/csimcodec.h"

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

 private:
  CSimControllers& m_Bus;
  std::atomic<int> m_State{kReady};
  CSimAnswerBook m_Answers;
};
