#pragma once
// The virtual-switch store, least form: the records with their used flag and
// input controls, as far as the control read-outs, the chain walks and the
// model checksum need them. The other fields come with the switch store.
#include <QList>
#include <QObject>

#include "model/engine/kl_engine.h"
#include "model/klx_fields.h"
#include "model/klx_recordstore.h"

class KLX_Switch : public QObject, public KLX_RecordArray<T_VSwitch, KL_MAX_VSWITCHES> {
  Q_OBJECT
 public:
  static const KLX_Field kFields[KLX_SwitchRow::Count];
  explicit KLX_Switch(QObject* parent = nullptr);

  int KLX_SwitchInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }
#define KLX_SWITCH_STORE_DECL(S, F, SS, ...) KLX_STORE_DECL_##SS(KLX_Switch, S)
  KLX_SWITCH_FIELDS(KLX_SWITCH_STORE_DECL)
#undef KLX_SWITCH_STORE_DECL
  // The physical controls that feed switch idx through its whole chain, in
  // the order the walk meets them.
  QList<int> KLX_SwitchGet_AllPhysiscalInputsOfVSchain(int idx, bool);
  int KLX_SwitchDelete(int index) { return DeleteUnit(index, 145409); }
  void KLX_SwitchClearAll() { ResetAll(); }
  int KLX_SwitchCopySingleUnit(int index, T_VSwitch* out) const { return CopyRecordOut(index, out); }
  int KLX_SwitchCopyUnit(int index, unsigned char* buffer) const {
    return CopyUnitImage(index, buffer, 79882, 342027);
  }
  unsigned int KLX_SwitchCalcCRC(unsigned int crc) const { return CalcCRC(crc); }

  static bool IsPhysicalControl(int id);
};
