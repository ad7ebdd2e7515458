#pragma once
// The simulated transceiver controller's answers to the program's requests:
// the synchronisation (its state and firmware version), the model load
// (start, unit headers, units, end, stop), single units added to the model
// it holds (the same messages after a unit start) and deleted from it,
// single-field updates of that model, the model checksum (as one value, and
// in two parts for a fast start), the program's ready message, the freeze
// and release of the controls, the binding configuration, the binding of a
// receiver (which answers once its button was pressed: a delay on the
// controllers' clock), and the power-off command. The state
// it reports is its state at this power-up, chosen by a test (1: ready);
// the version, the binding configuration and the model are kept across
// power cycles. It also finds the sensors on the sensor bus and relays their
// descriptions and the program's commands to them (CSimSensors).
//
// Every answer has its knobs (delay, silence, refusal, an answer only from
// the n-th try) under a key of its own; a refusal is the answer's "no":
// status 3 to a load start or unit header or end, the error flag on a unit,
// no value for a checksum part, result 1 to a binding configuration.
#include <QMutex>
#include <QSet>

#include <atomic>

#include "sim/csimanswers.h"
#include "sim/csimcodec.h"
#include "sim/csimmodel.h"
#include "sim/csimsequencers.h"
#include "sim/csimvibration.h"

class CSimControllers;

class CSimTransceiver {
 public:
  static constexpr int kReady = 1;

  // Knob keys of the answers beside the synchronisation (128).
  enum AnswerKey {
    KeyLoadStart = 1001,
    KeyUnitHeader = 1002,
    KeyUnit = 1003,
    KeyLoadEnd = 1004,
    KeyModelChecksum = 1005,  // the checksum asked for at switch-off
    KeyChecksumPart = 1006,   // a part asked for at a fast start
    KeyAppReady = 1007,       // the controls released after the program's ready message
    KeyControls = 1008,       // the controls frozen or released on request
    KeyBindState = 1009,
    KeyBindNew = 1010,
    KeyBindSet = 1011,
    KeyUnitStart = 1012,
    KeyUnitDelete = 1013,
    KeyBindStart = 1014,   // the receiver's answer to the binding start
    KeyFrontPlug = 1015,   // the front socket's mode, asked or set
    KeySequencerInfo = 1016,    // a sequencer's state, asked by the program
    KeyTelemetryStatus = 1017,  // the sensor scan's status; a refusal says it is not done yet
    KeyDescriptions = 1018,     // the sensors' descriptions
    KeySensorCommand = 1019,    // a command relayed to the sensors
  };
  // The status of the sensor scan in the answer to the telemetry start.
  static constexpr int kScanDone = 6;
  static constexpr int kScanBusy = 5;
  // The receiver that answers a binding under a mask bit (0 for an R-Ediv pair).
  struct Receiver {
    int type = 0;
    int features = 0;
    quint32 serial = 0;
    int major = 0;
    int minor = 0;
    int mask = 0;
  };
  Receiver ReceiverFor(int mask) const;
  // A fault in the answer to one unit of a load, counted from 0 over the
  // units of the next load, used once: the count says every unit of the
  // kind arrived, the index is the next one, the kind is the next one (the
  // unit is not kept), the unit is flagged as damaged (and not kept), or
  // the answer is no loader answer at all (its first byte 0).
  enum UnitFault { NoFault, WrongCount, WrongIndex, WrongKind, Damaged, NotAnAnswer };

  // What the controller has seen, for tests and the console.
  struct Counters {
    int loadsStarted = 0;
    int loadsEnded = 0;    // committed with END
    int loadsStopped = 0;
    int units = 0;
    int fieldUpdates = 0;
    int fieldsUnknown = 0;  // updates of a field this controller does not know
    int checksumRequests = 0;
    int checksumPartRequests = 0;
    int readyMessages = 0;
    int powerOffs = 0;
    int unitLoadsEnded = 0;  // single units committed with END
    int unitDeletes = 0;
    int bindings = 0;        // receivers bound
    int telemetryStarts = 0;
    int descriptionRequests = 0;
    int rescans = 0;
    int sensorCommands = 0;  // relayed to the sensors
  };

  explicit CSimTransceiver(CSimControllers& bus) : m_Bus(bus) {}

  // True when the request was one of the transceiver controller's.
  bool Handle(const CSimMessage& request);

  void SetState(int state) { m_State = state; }
  int State() const { return m_State; }
  void SetVersion(int major, int minor);
  CSimAnswerBook& Answers() { return m_Answers; }

  // `always`: every unit from that one on, in every load, until cleared.
  void SetUnitFault(int unit, UnitFault fault, bool always = false);
  // The answer to the next unit delete names another index or kind (once).
  void SetDeleteFault(UnitFault fault);
  // Reports `checksum` instead of the held model's (a controller whose model differs).
  void SetChecksumOverride(bool on, quint32 checksum = 0);

  // The model held now (a copy of its own), whether there is one, and its checksum.
  CSimModel HeldModel() const;
  bool HoldsModel() const;
  quint32 HeldChecksum() const;
  // The front socket's mode it took last.
  int FrontPlugMode() const;
  // The checksum of the binding configuration and receiver mask (part 1).
  quint32 BindingChecksum() const;
  Counters Seen() const;
  void ClearCounters();
  // The vibration messages it was sent.
  CSimVibration& Vibration() { return m_Vibration; }
  const CSimVibration& Vibration() const { return m_Vibration; }

  // A control is about to move: the sequencers' runs are brought up to now.
  void ControlMoving();
  // The controllers' own moves of the trims and toggles change the held model.
  void LiveTrimsMoved(const int trims[6], int flightMode);
  void LiveTogglesMoved(const int values[4]);
  // At power-up: the held model from its file (none when it has none).
  void PowerUp();
  QString ModelFile() const;

 private:
  struct Outgoing {
    int id = 0;
    QByteArray data;
    int delayMs = 0;
    bool send = false;
  };
  // Under m_Mutex: what one request makes the controller answer.
  Outgoing Loader(const QByteArray& data);
  Outgoing Unit(int kind, const QByteArray& data);
  Outgoing ChecksumPart(const QByteArray& data);
  Outgoing Binding(const CSimMessage& m);
  Outgoing BindReceiver(const QByteArray& data);
  Outgoing DeleteUnit(const QByteArray& data);
  Outgoing Answer(int key, int id, const QByteArray& data);
  // The telemetry start, the description request, the rescan and the
  // commands for the sensors, answered by the sensors behind the receiver.
  bool Telemetry(const CSimMessage& m);
  Outgoing SequencerInfo(const QByteArray& data);
  void AdvanceSequencers();
  // The live trims and toggles take the held model's values.
  void TakeLiveValuesFromModel();

  CSimControllers& m_Bus;
  std::atomic<int> m_State{kReady};
  CSimAnswerBook m_Answers;
  CSimVibration m_Vibration;

  mutable QMutex m_Mutex;  // everything below
  CSimModel m_Held;
  bool m_HoldsModel = false;
  // The front socket: 0 servo signals (PWM), 1 data bus, 2 and 3 inputs.
  quint8 m_FrontPlugMode = 0;
  CSimModel m_Staging;
  bool m_Loading = false;
  bool m_UnitSession = false;  // the load under way adds single units to the held model
  bool m_JustEnded = false;  // the last loader command was an END that took a load
  int m_HeaderKind = -1;
  int m_HeaderUsed = 0;
  QSet<int> m_ReceivedInKind;  // the indices of the header's kind taken so far
  int m_UnitsInLoad = 0;
  int m_FaultUnit = -1;
  UnitFault m_Fault = NoFault;
  bool m_FaultAlways = false;
  UnitFault m_DeleteFault = NoFault;
  bool m_ChecksumOverride = false;
  quint32 m_ChecksumValue = 0;
  Counters m_Counters;
  CSimSequencers m_Sequencers;
};
