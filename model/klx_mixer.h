#pragma once
// The mixer store, least form: the records with their used flag and set-up
// curve indices, as far as the model checker, the flight-mode operations and
// the model checksum need them. The other fields come with the mixer store.
#include <QObject>

#include "model/engine/kl_engine.h"
#include "model/klx_fields.h"
#include "model/klx_recordstore.h"

class KLX_Mixer : public QObject, public KLX_RecordArray<T_Mixer, KL_MAX_MIXERS> {
  Q_OBJECT
 public:
  static const KLX_Field kFields[KLX_MixerRow::Count];
  explicit KLX_Mixer(QObject* parent = nullptr);

#define KLX_MIXER_STORE_DECL(S, F, SS, ...) KLX_STORE_DECL_##SS(KLX_Mixer, S)
  KLX_MIXER_FIELDS(KLX_MIXER_STORE_DECL)
#undef KLX_MIXER_STORE_DECL
  int KLX_MixerDelete(int index);
  void KLX_MixerClearAll() { ResetAll(); }
  int KLX_MixerCopySingleUnit(int index, T_Mixer* out) const { return CopyRecordOut(index, out); }
  int KLX_MixerCopyUnit(int index, unsigned char* buffer) const;
  unsigned int KLX_MixerCalcCRC(unsigned int crc) const { return CalcCRC(crc); }
};
