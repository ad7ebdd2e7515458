#pragma once
// The trim store: the six trim levers' step size, feedback flags, value per
// flight mode and the mask of flight modes with a value of their own (flight
// mode 0 is always global). Single-field updates go out as message 74. Trim
// values arrive on the CAN receiver thread and are read on the GUI and engine
// threads, so every access holds the model data's guard.
#include <QMutex>
#include <QObject>

#include "model/engine/kl_engine.h"
#include "model/klx_fields.h"
#include "model/klx_recordstore.h"

class KLX_Protocol;

class KLX_Trim : public QObject, public KLX_RecordArray<T_TrimControlCfg, KL_TRIM_CONTROLS> {
  Q_OBJECT
 public:
  static constexpr int kTrims = KL_TRIM_CONTROLS;
  static constexpr int kFlightModes = KL_MAX_FLIGHTMODES;
  static const KLX_Field kFields[KLX_TrimRow::Count];

  explicit KLX_Trim(QObject* parent = nullptr);

  int KLX_TrimInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }

  // Percent; 0 % keeps the smallest step of 10 units.
  int KLX_TrimGetSet_Trim_StepsPerDelta(int t, int percent, int get, bool transmit);
  int KLX_TrimGetSet_Trim_RotaryFlags(int t, int flags, int get, bool transmit);
  // The value of trim t in flight mode fm; never sent.
  int KLX_TrimGetSet_Trim_RotaryValue(int t, int fm, int value, int get);
  // Writes the value and always sends it.
  int KLX_TrimGetSet_Trim_RotaryValueSend(int t, int fm, int value);
  // The mask with bit 0 cleared; never sent.
  int KLX_TrimGetSet_Trim_SingleMask(int t, unsigned int mask, int get);
  // Bit fm of trim t's mask (0 for fm of 32 or more); the variant without fm
  // asks for the engine's current flight mode.
  int KLX_Trim_IsFlightModeDependent(int t, int fm) const;
  int KLX_Trim_IsFlightModeDependent(int t) const;
  // Sets or clears bit fm (flight mode 0 is always global: KLX_Error) and sends
  // the mask when transmit is set.
  int KLX_Trim_SetFlightModeDependent(int t, int fm, bool dependent, bool transmit);

  int KLX_TrimSet_TrimUnit(int t, const T_TrimControlCfg* record);
  int KLX_TrimCopySingleUnit(int t, T_TrimControlCfg* out) const;
  int KLX_TrimCopyUnit(int t, unsigned char* buffer) const;
  void KLX_TrimSetToDefaultValues(T_TrimControlCfg* record);
  int KLX_TrimDelete(int t);
  void KLX_TrimClearAll();
  // Every trim record counts, used or not.
  unsigned int KLX_TrimCalcCRC(unsigned int crc) const;

 private:
  int Access(int row, int t, int sub, int value, bool get, bool transmit);
};
