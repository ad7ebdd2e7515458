#pragma once
// The telemetry controls: each record turns one telemetry value (sensor main
// address, value index) into a control of the model, whose output the mixing
// engine computes from the raw value received and the record's limits,
// inversion, simulation, fail-safe and default output. The control of record
// n has the control id kFirstControlId + n. Records keep the engine's
// 18-byte layout; changed fields go to the transceiver controller as element
// updates of kind 76.
//
// The raw values arrive on the CAN receiver thread and are read by the
// engine thread: they are kept per sensor value, each one a word written
// whole, so the receiver never reads the records the GUI thread writes.
#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>

#include "frame/klx_controlids.h"
#include "model/engine/kl_engine.h"
#include "model/klx_recordstore.h"

class KLX_Switch;

class KLX_TeleControl : public QObject, public KLX_RecordArray<T_TelemetryControl, KL_MAX_TELECONTROLS> {
  Q_OBJECT
 public:
  // Control ids: the telemetry controls, and the virtual switches an output
  // control may name (0..3 are none and the fixed values).
  static constexpr int kFirstControlId = KLX_CONTROL_TELE_FIRST;
  static constexpr int kFirstVirtualSwitchId = KLX_CONTROL_VS_FIRST;
  static constexpr int kLastVirtualSwitchId = KLX_CONTROL_VS_LAST;
  static constexpr int kLastFixedOutput = CONTROLID_FIXSWITCH_OFF_GUI;
  // Element kind of the single-field updates and the unit payload's size.
  static constexpr int kElementKind = 76;
  static constexpr int kUnitSize = 21;

  explicit KLX_TeleControl(QObject* parent = nullptr);

  int KLX_TeleControlInitialize(KLX_Protocol* protocol, KLX_Switch* switches = nullptr);

  // Record fields: dir 0 sets (clamped or checked), with update the field goes
  // to the transceiver controller. A bad index is reported: Indexes_Out_Of_Range.
  int KLX_TeleControlGetSet_IsUsed(int index, int value, int dir, bool update);
  int KLX_TeleControlGetSet_IsSimulating(int index, int value, int dir, bool update);
  int KLX_TeleControlGetSet_InvOutput(int index, int value, int dir, bool update);
  // 0..255, checked: a value outside is refused (KLX_Error) and nothing changes.
  int KLX_TeleControlGetSet_MainAddr(int index, int value, int dir, bool update);
  int KLX_TeleControlGetSet_SlaveAddr(int index, int value, int dir, bool update);
  // The upper (upper true) or lower limit; the two never meet.
  int KLX_TeleControlGetSet_ValueLimit(int index, bool upper, int value, int dir, bool update);
  int KLX_TeleControlGetSet_SimulValue(int index, int value, int dir, bool update);
  int KLX_TeleControlGetSet_FSafeValue(int index, int value, int dir, bool update);
  int KLX_TeleControlGetSet_DecPoint(int index, int value, int dir, bool update);
  // 0..3 as given, above that a virtual switch 1280..1407; negative: unchanged.
  int KLX_TeleControlGetSet_OutputCtrl(int index, int value, int dir, bool update);
  // Percent outside, the control range inside.
  int KLX_TeleControlGetSet_DfltOutValue(int index, int value, int dir, bool update);
  // A name a used record already bears (letter case ignored) is refused with an empty text.
  QString KLX_TeleControlGetSet_Name(int index, QString name, int dir);

  // Index byte, record, two check bytes: 21, or a failure code.
  int KLX_TeleControlCopyUnit(int index, unsigned char* buffer) const;
  int KLX_TeleControlCopySingleUnit(int index, T_TelemetryControl* out) const { return CopyRecordOut(index, out); }
  int KLX_TeleControlDelete(int index);
  void KLX_TeleControlClearAll() { ResetAll(); }
  void KLX_TeleControlSetToDefaultValues(T_TelemetryControl* record) const;
  // The lowest unused index below the board's count; a full list is reported.
  int KLX_TeleControlGetNextFreeIndex() const;
  int KLX_TeleControlCheck_ForSameName(const QString& name) const { return CheckForSameName(name); }

  // The receiver thread's door: every record watching (main, slave) sees the value.
  void KLX_TeleControlSetReceivedRawValue(int mainAddress, int slave, int value);
  // The last raw value of record index; 0 at or above the board's count.
  int KLX_TeleControlGetRawSensorValue(int index) const;
  // 1 when a used record's output is virtual switch vs or a switch whose
  // input chain holds vs, 0 when none, KLX_Error for a bad switch.
  int KLX_TeleControl_IsVSwAsAnyOfOutputControls(int vs) const;
  unsigned int KLX_TeleControlCalcCRC(unsigned int crc) const { return CalcCRC(crc); }

 private:
  enum Row { RowUsed, RowSimulating, RowInverted, RowMain, RowSlave, RowDecPoint, RowSimulation,
             RowFailSafe, RowLower, RowUpper, RowOutput, RowDefault, RowCount };
  static const KLX_Field kFields[RowCount];
  int Address(Row row, int index, int value, int dir, bool update);

  // Main addresses 0..254, value indices as a live frame can carry them (31 + 7).
  static constexpr int kRawSensors = 255;
  static constexpr int kRawValues = 39;
  std::atomic<int16_t> m_Raw[kRawSensors][kRawValues];
  KLX_Switch* m_Switches = nullptr;
};
