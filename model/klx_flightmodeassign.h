#pragma once
// The flight-mode assignment store: the one record that names the controls of
// the flight-mode switch slots and the look-up table turning their positions
// into a flight mode. Single-field updates go out as message 73 with the slot
// or entry as the index.
#include <QObject>
#include <QQueue>

#include "model/engine/kl_engine.h"
#include "model/klx_fields.h"
#include "model/klx_recordstore.h"

class KLX_Protocol;
class KLX_Switch;

class KLX_FlightmodeAssign : public QObject, public KLX_RecordArray<T_FlightModeControlAssignment, 1> {
  Q_OBJECT
 public:
  static const KLX_Field kFields[KLX_FmAssignRow::Count];
  static constexpr int kFreeControl = CONTROLID_Invalid_GUI;
  static constexpr int kFreeFlightmode = 27;

  explicit KLX_FlightmodeAssign(QObject* parent = nullptr);

  int KLX_FlightmodeAssignInitialize(KLX_Protocol* protocol, KLX_Switch* switches);
  int KLX_FlightmodeAssignGetSet_Control(int slot, int control, int get, bool transmit);
  int KLX_FlightmodeAssignGetSet_FlightModeLUT(int entry, int flightmode, int get, bool transmit);
  int KLX_FlightmodeAssignDeleteControl(int slot, bool transmit);
  int KLX_FlightmodeAssignDeleteFlightmode(int entry, bool transmit);
  int KLX_FlightmodeAssGetNextFreeIndexControl() const;
  int KLX_FlightmodeAssGetNextFreeIndexFlightmode() const;
  int KLX_FlightmodeAssignSet_FlightmodeAssignUnit(const T_FlightModeControlAssignment* record);
  int KLX_FlightmodeAssignCopySingleUnit(T_FlightModeControlAssignment* out) const;
  int KLX_FlightmodeAssignCopyUnit(unsigned char* buffer) const;
  void KLX_FlightmodeAssignSetToDefaultValues(T_FlightModeControlAssignment* record);
  void KLX_FlightmodeAssignClearAll() { ResetAll(); }
  unsigned int KLX_FlightmodeAssignCalcCRC(unsigned int crc) const { return CalcCRC(crc, false); }
  // The physical controls behind the used virtual switches of the slots.
  int KLX_FlightmodeAssign_GetAllUsedPhyControls(QQueue<int>* controls);

 private:
  KLX_Switch* m_Switch = nullptr;
};
