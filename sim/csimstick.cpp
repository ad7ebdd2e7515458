#include "sim/csimstick.h"

#include "sim/csimcontrollers.h"
#include "sim/csimmessageids.h"

namespace {
QByteArray Le32(quint32 v) {
  QByteArray out;
  for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xFF));
  return out;
}
}  // namespace

bool CSimStick::Handle(const CSimMessage& m) {
  const CSimControllers::Persistent p = m_Bus.State();
  switch (m.id) {
    case SimRequestStickSync: {
      if (m.data.size() != 8 || m.data[0] != 1) return true;
      const CSimAnswerPlan plan = m_Answers.Next(m.id);
      if (!plan.answer) return true;
      QByteArray a;
      a.append(char(plan.refuse ? 0 : 1)).append(char(m_State)).append(char(p.stickMajor)).append(char(p.stickMinor));
      a.append(Le32(p.stickSerial));
      m_Bus.QueueAnswer(CSimControllers::Stick, SimStickSyncAnswer, a, plan.delayMs);
      return true;
    }
    case SimRequestDirections: {
      if (!m.data.isEmpty()) return true;
      // The direction word has no byte to refuse with: it is answered or not.
      const CSimAnswerPlan plan = m_Answers.Next(m.id);
      if (plan.answer) m_Bus.QueueAnswer(CSimControllers::Stick, SimStickDirections, Le32(p.directions), plan.delayMs);
      return true;
    }
    case SimSetDirections:
      // The word the program sends is the one the controller keeps and applies.
      if (m.data.size() == 4) {
        quint32 word = 0;
        for (int i = 0; i < 4; ++i) word |= quint32(quint8(m.data[i])) << (8 * i);
        m_Bus.SetDirections(word);
      }
      return true;
    default:
      return false;
  }
}

void CSimStick::SetVersion(int major, int minor) { m_Bus.SetStickVersion(major, minor); }
void CSimStick::SetSerial(quint32 serial) { m_Bus.SetStickSerial(serial); }
