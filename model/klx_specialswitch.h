#pragma once
// The special switch store: four values on the control scale (default 2047)
// that the transceiver controller reports. They belong to the model and
// travel to the controller only as one unit.
#include <QObject>

#include <atomic>

#include "frame/klx_basedatabase.h"
#include "model/engine/kl_engine_types.h"

class KLX_Protocol;

class KLX_SpecialSwitch : public QObject, public KLX_DataBaseTransmitter, public KLX_BaseClassDatabase {
  Q_OBJECT
 public:
  static constexpr int kCount = 4;
  static constexpr int kImageLength = 1 + static_cast<int>(sizeof(T_SpecialSwitch)) + 2;
  explicit KLX_SpecialSwitch(QObject* parent = nullptr);

  int KLX_SpecialSwitchInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }
  // Read, or write clamped to -2047..+2047; a bad index gives Indexes_Out_Of_Range. A
  // single value is never sent on its own.
  int KLX_SpecialSwitchGetSet_Value(int i, int value, int get);
  int KLX_SpecialSwitchGetNumber() const { return BoardCount(); }
  // The board descriptor's count (4 on every board), made when it is missing.
  static int BoardCount();
  void KLX_SpecialSwitchSetToDefaultValues(T_SpecialSwitch* record) const;
  void KLX_SpecialSwitchClearAll();
  int KLX_SpecialSwitchSet_SwitchUnit(const T_SpecialSwitch* record);
  int KLX_SpecialSwitchCopySingleUnit(T_SpecialSwitch* record) const;
  int KLX_SpecialSwitchCopyUnit(unsigned char* buffer) const;
  // Continues the model checksum over the record of the four values.
  unsigned int KLX_SpecialSwitchCalcCRC(unsigned int crc) const;

 private:
  BorderData_T m_Border{};
  // Written by the CAN receiver and the GUI thread, copied by the engine thread.
  std::atomic<int16_t> m_Value[kCount];
};
