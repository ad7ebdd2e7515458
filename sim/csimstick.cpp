#include "sim/csimstick.h"

#include <QMutexLocker>

#include "sim/csimcontrollers.h"
#include "sim/csimcontrols.h"
#include "sim/csimmessageids.h"

namespace {
QByteArray Le32(quint32 v) {
  QByteArray out;
  for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xFF));
  return out;
}

// Calibration statuses.
constexpr int kStarted = 0;
constexpr int kCentreStarted = 1;
constexpr int kMoving = 2;
constexpr int kMovingAroundCentre = 3;
constexpr int kRefused = 4;
constexpr int kEndsSeen = 5;
constexpr int kAtCentre = 6;
constexpr int kCancelled = 8;
// An end position counts from 95 %, the centre within 5 %.
constexpr int kEndThreshold = 1945;
constexpr int kCentreWindow = 102;

QByteArray Step(int index, int status) {
  QByteArray out;
  out.append(char(index)).append(char(status));
  return out;
}
}  // namespace

bool CSimStick::Handle(const CSimMessage& m) {
  if (m.id >= SimCalibrationStart && m.id <= SimCalibrationEnd) return Calibration(m);
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

void CSimStick::Report(int id, const QByteArray& data, int delayMs) {
  m_Bus.QueueAnswer(CSimControllers::Stick, id, data, delayMs);
}

bool CSimStick::Calibration(const CSimMessage& m) {
  const CSimAnswerPlan plan = m_Answers.Next(m.id);
  int id = SimStickCalibrationStep;
  QByteArray answer;
  {
    QMutexLocker lock(&m_Mutex);
    switch (m.id) {
      case SimCalibrationStart:
        if (m.data.size() != 1) return true;
        ++m_Counters.calibrationsStarted;
        m_Index = quint8(m.data[0]);
        m_Phase = plan.refuse ? Idle : Ends;
        m_SeenLow = m_SeenHigh = false;
        answer = Step(m_Index, plan.refuse ? kRefused : kStarted);
        break;
      case SimCalibrationCentre:
        if (m.data.size() != 1 || m_Phase != Ends || quint8(m.data[0]) != m_Index) return true;
        if (!plan.refuse) {
          m_Phase = Centre;
          ++m_Counters.centreSteps;
        }
        answer = Step(m_Index, plan.refuse ? kRefused : kCentreStarted);
        break;
      case SimCalibrationCancel:
        ++m_Counters.calibrationsCancelled;
        answer = Step(m_Index < 0 ? 0 : m_Index, kCancelled);
        m_Phase = Idle;
        m_Index = -1;
        break;
      case SimCalibrationEnd:
        if (m_Phase == Idle) return true;
        id = SimStickCalibrationEnd;
        if (!plan.refuse) ++m_Counters.calibrationsEnded;
        answer = QByteArray(1, char(plan.refuse ? 1 : 0));
        m_Phase = Idle;
        m_Index = -1;
        break;
      default:
        return true;
    }
    // Queued under the lock: a control moved meanwhile reports after this
    // answer, as the controller would.
    if (plan.answer) Report(id, answer, plan.delayMs);
  }
  return true;
}

void CSimStick::ControlMoved(const CSimControl& control, int value) {
  QMutexLocker lock(&m_Mutex);
  if (m_Phase == Idle || control.directionBit != m_Index) return;
  QByteArray step;
  if (m_Phase == Ends) {
    m_SeenLow = m_SeenLow || value <= -kEndThreshold;
    m_SeenHigh = m_SeenHigh || value >= kEndThreshold;
    step = Step(m_Index, m_SeenLow && m_SeenHigh ? kEndsSeen : kMoving);
  } else {
    step = Step(m_Index, qAbs(value) <= kCentreWindow ? kAtCentre : kMovingAroundCentre);
  }
  // In the order of the phases: never ahead of the answer that began one.
  Report(SimStickCalibrationStep, step, 0);
}

int CSimStick::Calibrating() const {
  QMutexLocker lock(&m_Mutex);
  return m_Phase == Idle ? -1 : m_Index;
}

CSimStick::Counters CSimStick::Seen() const {
  QMutexLocker lock(&m_Mutex);
  return m_Counters;
}
