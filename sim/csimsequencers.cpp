#include "sim/csimsequencers.h"

namespace {
// The record as the controller keeps it: the mode byte, the control id,
// the two thresholds, then six servo blocks of 58 bytes: the servo, seven
// forward times (milliseconds) and positions, seven backward ones.
constexpr int kMode = 0;
constexpr int kControl = 2;
constexpr int kAbove = 4;
constexpr int kBelow = 6;
constexpr int kServos = 8;
constexpr int kServoBlock = 58;
constexpr int kServoCount = 6;
constexpr int kForwardLastTime = 2 + 2 * 6;
constexpr int kBackwardLastTime = 30 + 2 * 6;
constexpr int kRecordSize = 356;
constexpr int kLoopFlag = 4;
constexpr int kFirstPreview = 7;
// Control ids of fixed values, and the virtual switches' thresholds.
constexpr int kFixedOn = 2;
constexpr int kFixedOff = 3;
constexpr int kMax = 2047;
constexpr int kNoValue = -2048;

int U16(const QByteArray& r, int at) { return int(quint8(r[at])) | (int(quint8(r[at + 1])) << 8); }
int S16(const QByteArray& r, int at) { return qint16(quint16(U16(r, at))); }

// The last waypoint time of a direction (1 forward, 2 backward) over all six servos.
qint32 Total(const QByteArray& r, int direction) {
  qint32 total = 0;
  for (int s = 0; s < kServoCount; ++s)
    total = qMax<qint32>(total, U16(r, kServos + kServoBlock * s + (direction == 1 ? kForwardLastTime : kBackwardLastTime)));
  return total;
}

int Other(int direction) { return direction == 1 ? 2 : 1; }

// Where the control stands: 1 on direction 1's side, 2 on direction 2's, 0
// between the thresholds; -1 when its value is not known here.
int Side(const QByteArray& r, const CSimSequencers::ControlValue& control) {
  const int id = U16(r, kControl);
  int v;
  if (id == 0)
    v = 0;
  else if (id == kFixedOn)
    v = kMax;
  else if (id == kFixedOff)
    v = -kMax;
  else
    v = control(id);
  if (v == kNoValue) return -1;
  const int above = S16(r, kAbove);
  const int below = S16(r, kBelow);
  const int upper = qMax(above, below);
  const int lower = qMin(above, below);
  const bool inverted = above < below;
  if (v > upper) return inverted ? 2 : 1;
  if (v < lower) return inverted ? 1 : 2;
  return 0;
}

bool Reported(const QByteArray& r) {
  if (r.size() != kRecordSize) return false;
  const int mode = quint8(r[kMode]);
  return mode != 0 && mode < kFirstPreview && (mode & ~kLoopFlag) >= 1 && (mode & ~kLoopFlag) <= 2;
}
}  // namespace

void CSimSequencers::Advance(int q, const QByteArray& r, const ControlValue& control, qint64 nowMs) {
  if (q < 0 || q >= kSequencers || !Reported(r)) return;
  Run& run = m_Runs[q];
  const int mode = quint8(r[kMode]);
  if (run.mode != mode) {
    // A new mode: standing at the end of the other direction, ready for its own.
    run.mode = mode;
    run.direction = Other(mode & ~kLoopFlag);
    run.timeMs = Total(r, run.direction);
    run.lastMs = nowMs;
    return;
  }
  qint32 left = qint32(qBound<qint64>(0, nowMs - run.lastMs, 60000));
  run.lastMs = nowMs;
  const int side = Side(r, control);
  if (side < 0) return;
  const bool loop = (mode & kLoopFlag) != 0;
  while (left > 0) {
    const qint32 total = Total(r, run.direction);
    if (run.timeMs >= total) {
      // At the end of a run: the next one starts once the control asks for it.
      const int next = Other(run.direction);
      if (!(loop ? side != 0 : side == next) || Total(r, next) == 0) return;
      run.direction = next;
      run.timeMs = 0;
    } else if (loop ? side != 0 : side == run.direction) {
      const qint32 step = qMin(left, total - run.timeMs);
      run.timeMs += step;
      left -= step;
    } else if (!loop && side == Other(run.direction)) {
      const qint32 step = qMin(left, run.timeMs);
      run.timeMs -= step;
      left -= step;
      // Wound back to its start: the end of the other direction.
      if (run.timeMs <= 0) {
        run.direction = Other(run.direction);
        run.timeMs = Total(r, run.direction);
      }
    } else {
      return;
    }
  }
}

bool CSimSequencers::State(int q, const QByteArray& r, const ControlValue& control, Report* report) const {
  if (q < 0 || q >= kSequencers || !Reported(r) || m_Runs[q].mode != quint8(r[kMode]) || Side(r, control) < 0)
    return false;
  const Run& run = m_Runs[q];
  report->state = run.direction | (run.mode & kLoopFlag);
  report->locked = false;
  report->timeMs = quint32(run.timeMs);
  return true;
}
