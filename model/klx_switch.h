#pragma once
// The virtual-switch store: the model's virtual switches in the transceiver
// controller's layout, their names, and the walks along switch chains (a
// switch's input may itself be a virtual switch). Single-field updates go
// out as message 72.
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

#include "model/engine/kl_engine.h"
#include "model/klx_fields.h"
#include "model/klx_recordstore.h"

class KLX_Protocol;

class KLX_Switch : public QObject, public KLX_RecordArray<T_VSwitch, KL_MAX_VSWITCHES> {
  Q_OBJECT
 public:
  static const KLX_Field kFields[KLX_SwitchRow::Count];
  explicit KLX_Switch(QObject* parent = nullptr);

  int KLX_SwitchInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }
#define KLX_SWITCH_STORE_DECL(S, F, SS, ...) KLX_STORE_DECL_##SS(KLX_Switch, S)
  KLX_SWITCH_FIELDS(KLX_SWITCH_STORE_DECL)
#undef KLX_SWITCH_STORE_DECL
  // Names may repeat among virtual switches.
  QString KLX_SwitchGetSet_Name(int idx, QString name, int get, bool transmit);

  // An auxiliary switch that follows its input 0 alone (input 1 fixed on).
  int KLX_SwitchSet_Switch_As_SingleSwitch(int idx);
  int KLX_SwitchReplace_InputControlAll(int oldControl, int newControl);
  // Input + 1 of the first switch in idx's chain with an input whose control
  // carries every bit of mask; 0 when none.
  int KLX_SwitchContains_InputOfGivenControlType(int idx, unsigned int mask);
  // Input + 1 where switch b feeds a switch of a's chain; 0 when it does not.
  int KLX_SwitchIsGivenVSinInputChainsOf(int a, int b);
  // The physical controls that feed switch idx through its whole chain, in
  // the order the walk meets them.
  QList<int> KLX_SwitchGet_AllPhysiscalInputsOfVSchain(int idx, bool);

  int KLX_SwitchGetNumber() const { return UsedCount(); }
  int KLX_SwitchGetNextFreeIndex();
  void KLX_SwitchSetToDefaultValues(T_VSwitch* record);
  int KLX_SwitchDelete(int index);
  void KLX_SwitchClearAll() { ResetAll(); }
  int KLX_SwitchSet_SwitchUnit(int index, const T_VSwitch* record) { return CopyRecordIn(index, record); }
  int KLX_SwitchCopySingleUnit(int index, T_VSwitch* out) const { return CopyRecordOut(index, out); }
  int KLX_SwitchCopyUnit(int index, unsigned char* buffer) const;
  unsigned int KLX_SwitchCalcCRC(unsigned int crc) const { return CalcCRC(crc); }

  static bool IsPhysicalControl(int id);

 private:
  // Walks the chain from idx: each listed switch's inputs 0 and 1 are shown
  // to visit (a non-zero answer ends the walk with it); a virtual-switch
  // input joins the list once, so a cycle ends the walk.
  int WalkChain(int idx, const std::function<int(int sw, int input, int control)>& visit) const;
};
