#pragma once
// The limiter store, least form: the records as far as the model checksum and
// the engine's copies need them. The fields come with the limiter store.
#include <QObject>

#include "model/engine/kl_engine.h"
#include "model/klx_recordstore.h"

class KLX_Limiter : public QObject, public KLX_RecordArray<T_Limiter, KL_MAX_LIMITERS> {
  Q_OBJECT
 public:
  explicit KLX_Limiter(QObject* parent = nullptr)
      : QObject(parent), KLX_RecordArray(EngineCfgLimiters, 66, kl_engine_init_limiter, "limiter") {
    ResetAll();
  }
  int KLX_LimiterDelete(int index) { return DeleteUnit(index, 134401); }
  void KLX_LimiterClearAll() { ResetAll(); }
  int KLX_LimiterCopySingleUnit(int index, T_Limiter* out) const { return CopyRecordOut(index, out); }
  int KLX_LimiterCopyUnit(int index, unsigned char* buffer) const {
    return CopyUnitImage(index, buffer, 68882, 331027);
  }
  unsigned int KLX_LimiterCalcCRC(unsigned int crc) const { return CalcCRC(crc); }
};
