#include "sim/csimtransceiver.h"

#include "sim/csimcontrollers.h"
#include "sim/csimmessageids.h"

bool CSimTransceiver::Handle(const CSimMessage& m) {
  if (m.id != SimRequestTransceiverSync) return false;
  // Only the whole request (8 bytes, first byte 1) is a synchronisation.
  if (m.data.size() != 8 || m.data[0] != 1) return true;
  const CSimAnswerPlan plan = m_Answers.Next(m.id);
  if (!plan.answer) return true;
  // A synchronised program hears the trims and toggles once.
  m_Bus.ReportTrimsAndTogglesOnce();
  const CSimControllers::Persistent p = m_Bus.State();
  QByteArray a;
  a.append(char(plan.refuse ? 0 : 1)).append(char(m_State)).append(char(p.transceiverMajor)).append(char(p.transceiverMinor));
  m_Bus.QueueAnswer(CSimControllers::Transceiver, SimTransceiverSyncAnswer, a, plan.delayMs);
  return true;
}

void CSimTransceiver::SetVersion(int major, int minor) { m_Bus.SetTransceiverVersion(major, minor); }
