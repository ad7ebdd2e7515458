#pragma once
// The flight-mode store: the flight-mode records (used flag, fade-in time,
// function count and the functions that switch without fading) and their
// names. Single-field updates go out as message 67.
#include <QObject>
#include <QString>

#include "frame/klx_databasevalues.h"
#include "model/engine/kl_engine_types.h"
#include "model/klx_fields.h"
#include "model/klx_recordstore.h"

class KLX_Protocol;

class KLX_Flightmode : public QObject, public KLX_RecordArray<T_FlightMode, KL_MAX_FLIGHTMODES> {
  Q_OBJECT
 public:
  static const KLX_Field kFields[KLX_FlightmodeRow::Count];

  explicit KLX_Flightmode(QObject* parent = nullptr);

  int KLX_FlightmodeInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }

#define KLX_FLIGHTMODE_STORE_DECL(S, F, SS, ...) KLX_STORE_DECL_##SS(KLX_Flightmode, S)
  KLX_FLIGHTMODE_FIELDS(KLX_FLIGHTMODE_STORE_DECL)
#undef KLX_FLIGHTMODE_STORE_DECL
  QString KLX_FlightmodeGetSet_Name(int index, QString name, int get, bool transmit);
  // The stored name without any check.
  QString KLX_FlightmodeGet_Name(int index) const { return NameOf(index); }

  // Writes the function count into every used flight mode (0 up to the
  // board's function count).
  int KLX_FlightmodeSetFunctionNum(int n);
  int KLX_FlightmodeGetNextFreeIndex() const { return NextFreeIndex(0, Max_Flightmode_Number_Reached); }
  int KLX_FlightmodeGetNumber() const { return UsedCount(); }
  int KLX_FlightmodeCheckForSameName(QString name) const { return CheckForSameName(name); }

  void KLX_FlightmodeSetToDefaultValues(T_FlightMode* record);
  int KLX_FlightmodeDelete(int index);
  void KLX_FlightmodeClearAll();

  int KLX_FlightmodeCopySingleUnit(int index, T_FlightMode* out) const { return CopyRecordOut(index, out); }
  int KLX_FlightmodeSet_FlightmodeUnit(int index, const T_FlightMode* record) { return CopyRecordIn(index, record); }
  int KLX_FlightmodeCopyUnit(int index, unsigned char* buffer) const;
  unsigned int KLX_FlightmodeCalcCRC(unsigned int crc) const { return CalcCRC(crc); }
};
