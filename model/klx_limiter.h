#pragma once
// The limiter store: the limiters of the current model in the transceiver
// controller's layout and their names. Single-field updates go out as
// message 66.
#include <QObject>
#include <QString>

#include "model/engine/kl_engine.h"
#include "model/klx_fields.h"
#include "frame/klx_databasevalues.h"
#include "model/klx_recordstore.h"

class KLX_Protocol;

class KLX_Limiter : public QObject, public KLX_RecordArray<T_Limiter, KL_MAX_LIMITERS> {
  Q_OBJECT
 public:
  static const KLX_Field kFields[KLX_LimiterRow::Count];
  explicit KLX_Limiter(QObject* parent = nullptr);

  int KLX_LimiterInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }
#define KLX_LIMITER_STORE_DECL(S, F, SS, ...) KLX_STORE_DECL_##SS(KLX_Limiter, S)
  KLX_LIMITER_FIELDS(KLX_LIMITER_STORE_DECL)
#undef KLX_LIMITER_STORE_DECL
  QString KLX_LimiterGetSet_Name(int idx, QString name, int get, bool transmit);
  int KLX_LimiterCheckForSameName(QString name) const { return CheckForSameName(name); }
  int KLX_LimiterGetNumber() const { return UsedCount(); }
  // A full list is answered without a report.
  int KLX_LimiterGetNextFreeIndex() const { return NextFreeIndex(0, Max_Limiter_Number_Reached); }

  void KLX_LimiterSetToDefaultValues(T_Limiter* record);
  int KLX_LimiterDelete(int idx);
  void KLX_LimiterClearAll() { ResetAll(); }
  int KLX_LimiterSet_LimiterUnit(int idx, const T_Limiter* record) { return CopyRecordIn(idx, record); }
  int KLX_LimiterCopySingleUnit(int idx, T_Limiter* out) const { return CopyRecordOut(idx, out); }
  int KLX_LimiterCopyUnit(int idx, unsigned char* buffer) const;
  unsigned int KLX_LimiterCalcCRC(unsigned int crc) const { return CalcCRC(crc); }
};
