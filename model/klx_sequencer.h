#pragma once
// The sequencer store: the sequencers of the current model in the
// transceiver controller's layout, their names, and per sequencer the last
// state report of the transceiver controller until the engine took it over.
// Single-field updates go out as message 69, whose value field starts with
// the waypoint index.
#include <QMutex>
#include <QObject>
#include <QQueue>
#include <QString>

#include "model/engine/kl_engine.h"
#include "model/klx_fields.h"
#include "frame/klx_databasevalues.h"
#include "model/klx_recordstore.h"

class KLX_Protocol;
class KLX_Switch;

class KLX_Sequencer : public QObject, public KLX_RecordArray<T_Sequencer, KL_MAX_SEQUENCERS> {
  Q_OBJECT
 public:
  static const KLX_Field kFields[KLX_SequencerRow::Count];
  // Byte 0 changes while the model runs, so the checksum starts behind it and its pad.
  static constexpr int kChecksumFrom = 2;
  static constexpr int kDirections = 2;
  // Milliseconds of the engine's sequencer times per unit of the interface
  // (a hundredth of a second).
  static constexpr int kMsPerTimeUnit = 10;

  // 1 when a mode byte runs (or holds a waypoint) in a loop, else 0.
  static int KLX_SequencerLoopFlagOfMode(int mode);

  explicit KLX_Sequencer(QObject* parent = nullptr);

  int KLX_SequencerInitialize(KLX_Protocol* protocol, KLX_Switch* switches);
  int KLX_SequencerGetSet_IsUsedMode(int idx, int value, int get, bool transmit);
  int KLX_SequencerGetSet_Control(int idx, int value, int get, bool transmit);
  int KLX_SequencerGetSet_Threshold(int idx, bool above, int value, int get, bool transmit);
  int KLX_SequencerGetSet_Servo(int idx, int slot, int servo, int get, bool transmit);
  int KLX_SequencerGetSet_TimePoint(int idx, int slot, int direction, int point, int value, int get, bool transmit);
  int KLX_SequencerGetSet_ServoWaypoint(int idx, int slot, int direction, int point, int value, int get,
                                        bool transmit);
  QString KLX_SequencerGetSet_Name(int idx, QString name, int get, bool transmit);
  int KLX_SequencerCheckForSameName(QString name) const { return CheckForSameName(name); }

  int KLX_SequencerToggle_LoopModeFlag(int idx);
  int KLX_SequencerGet_LoopModeFlag(int idx);
  int KLX_SequencerSet_ServoStartEndRange(int idx, int slot);
  int KLX_SequencerClear_Servo(int idx, int slot, bool transmit);
  QString KLX_SequencerGet_ServoList(int idx, bool pureIdx);
  int KLX_SequencerGetFirstFreeServoChannel(unsigned char idx);
  int KLX_SequencerGetNumber() const { return UsedCount(); }
  int KLX_SequencerGetNextFreeIndex() const;
  int KLX_SequencerReplace_ControlAll(int oldControl, int newControl);
  int KLX_Sequencer_GetAllUsedPhyControls(QQueue<int>* list);

  // The transceiver controller's state report (CAN receiver thread) and its
  // hand-over to the engine (engine thread); neither waits for the other.
  int KLX_SequencerUpdateInfo(unsigned char idx, bool direction, unsigned char state, const unsigned int* value);
  int KLX_SequencerSynronize(unsigned char idx);

  int KLX_SequencerSetToDefaultValues(unsigned char n, T_Sequencer* records);
  int KLX_SequencerDelete(int idx);
  void KLX_SequencerClearAll() { ResetAll(); }
  // Record idx between the store and position idx of an array of records.
  int KLX_SequencerSet_SequencerUnit(int idx, const T_Sequencer* records);
  int KLX_SequencerCopySingleUnit(int idx, T_Sequencer* records) const;
  int KLX_SequencerCopyUnit(int idx, unsigned char* buffer) const;
  unsigned int KLX_SequencerCalcCRC(unsigned int crc) const { return CalcCRC(crc, true, kChecksumFrom); }

 private:
  struct Report {
    bool takenOver = true;
    unsigned char state = 0;
    bool direction = false;
    unsigned int value = 0;
  };
  // The one path of every field: index check, clamp, conversion, store and
  // the update with the waypoint in front of the value.
  int Field(int row, int idx, int slot, int direction, int point, int value, bool get, bool transmit);
  int ToInterface(int row, int raw) const;
  int FromInterface(int row, int value) const;
  unsigned char* At(int row, int idx, int slot, int direction, int point, bool below);

  KLX_Switch* m_Switch = nullptr;
  Report m_Report[KL_MAX_SEQUENCERS];
  QMutex m_ReportMutex[KL_MAX_SEQUENCERS];
};
