#pragma once
// The simulated transceiver controller's answers to the program's requests:
// the synchronisation (its state and firmware version). The state it reports
// is its state at this power-up, chosen by a test (1: ready); the version is
// kept across power cycles with the controllers' state file.
#include <atomic>

#include "sim/csimanswers.h"
#include "sim/csimcodec.h"

class CSimControllers;

class CSimTransceiver {
 public:
  static constexpr int kReady = 1;

  explicit CSimTransceiver(CSimControllers& bus) : m_Bus(bus) {}

  // True when the request was one of the transceiver controller's.
  bool Handle(const CSimMessage& request);

  void SetState(int state) { m_State = state; }
  int State() const { return m_State; }
  void SetVersion(int major, int minor);
  CSimAnswerBook& Answers() { return m_Answers; }

 private:
  CSimControllers& m_Bus;
  std::atomic<int> m_State{kReady};
  CSimAnswerBook m_Answers;
};
