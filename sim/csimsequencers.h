#pragma once
// The simulated transceiver's sequencers. The controller runs each used
// sequencer of the model it holds: a run moves along the waypoint times of
// one direction while the sequencer's control stands on that direction's
// side of its thresholds (a loop runs on while the control stands outside
// them, either way) and stops at the end of the direction; a single run
// winds back while the control stands on the other side. Asked by the
// program (message 244), the controller reports a sequencer's state
// (message 192): the direction of its run (with the loop flag), whether it
// is locked (never: the controller's runs follow its control from the
// start) and the run time in milliseconds. A sequencer stands at the end of
// a run when its time has reached the last waypoint time of the direction:
// at first, or after its mode was changed, that is the end of the direction
// opposite to its mode, ready to run the direction its mode names.
//
// A sequencer on a control the controllers do not have here (a virtual
// switch, a function value, telemetry) and one in a waypoint preview (mode
// 7 and up) are not reported: the program's own engine runs them.
#include <QByteArray>
#include <QtGlobal>

#include <functional>

class CSimSequencers {
 public:
  static constexpr int kSequencers = 2;

  struct Report {
    int state = 0;       // 1 or 2, plus 4 in a loop
    bool locked = false;
    quint32 timeMs = 0;
  };
  // The value the program sees of a control id, -2048 when there is none here.
  using ControlValue = std::function<int(int id)>;

  // Moves sequencer q's run on to `nowMs` for its record (356 bytes); the
  // control is taken as standing where it stands now since the last call.
  void Advance(int q, const QByteArray& record, const ControlValue& control, qint64 nowMs);
  // After Advance: the report, false when the sequencer is not reported.
  bool State(int q, const QByteArray& record, const ControlValue& control, Report* report) const;

 private:
  struct Run {
    int mode = -1;  // the record's mode byte the run belongs to
    int direction = 1;
    qint32 timeMs = 0;
    qint64 lastMs = -1;
  };
  Run m_Runs[kSequencers];
};
