#pragma once
// The sequencer store, least form: the records as far as the model checksum
// and the engine's copies need them. The fields come with the sequencer store.
#include <QObject>

#include "model/engine/kl_engine.h"
#include "model/klx_recordstore.h"

class KLX_Sequencer : public QObject, public KLX_RecordArray<T_Sequencer, KL_MAX_SEQUENCERS> {
  Q_OBJECT
 public:
  // Byte 0 changes while the model runs, so the checksum starts behind it and its pad.
  static constexpr int kChecksumFrom = 2;

  explicit KLX_Sequencer(QObject* parent = nullptr)
      : QObject(parent), KLX_RecordArray(EngineCfgSequencers, 69, kl_engine_init_sequencer, "sequencer") {
    ResetAll();
  }
  int KLX_SequencerDelete(int index) { return DeleteUnit(index, 135169); }
  void KLX_SequencerClearAll() { ResetAll(); }
  int KLX_SequencerCopySingleUnit(int index, T_Sequencer* out) const { return CopyRecordOut(index, out); }
  int KLX_SequencerCopyUnit(int index, unsigned char* buffer) const {
    return CopyUnitImage(index, buffer, 69639, 331784);
  }
  unsigned int KLX_SequencerCalcCRC(unsigned int crc) const { return CalcCRC(crc, true, kChecksumFrom); }
};
