#include "model/klx_switch.h"

const KLX_Field KLX_Switch::kFields[KLX_SwitchRow::Count] = {KLX_SWITCH_FIELDS(KLX_FIELD_DESC)};

#define KLX_SWITCH_STORE_DEF(S, F, SS, ...) KLX_STORE_DEF_##SS(KLX_Switch, KLX_SwitchRow, S)
KLX_SWITCH_FIELDS(KLX_SWITCH_STORE_DEF)
#undef KLX_SWITCH_STORE_DEF

KLX_Switch::KLX_Switch(QObject* parent)
    : QObject(parent), KLX_RecordArray(EngineCfgVirtualSwitches, 72, kl_engine_init_vswitch, "switch") {
  SetBounds(kFields, KLX_SwitchRow::Count, {KL_MAX_VSWITCHES, 2, 0, 0, 0});
  ResetAll();
}

bool KLX_Switch::IsPhysicalControl(int id) {
  return id == 256 || id == 257 || id == 496 || id == 497 || (id >= 768 && id <= 776) ||
         (id >= 1008 && id <= 1016) || id == 1024 || id == 1025 || id == 1264 || id == 1265;
}

QList<int> KLX_Switch::KLX_SwitchGet_AllPhysiscalInputsOfVSchain(int idx, bool) {
  QList<int> controls;
  if (idx < 0 || idx >= BoardCount()) return controls;
  // A switch joins the walk once, so a chain that loops back ends.
  QList<int> chain{idx};
  for (int k = 0; k < chain.size(); ++k)
    for (const T_VSwitchCondition& c : m_Records[chain[k]].Condition) {
      const int n = c.Control - 1280;
      if (n >= 0 && n < BoardCount() && !chain.contains(n)) chain.append(n);
    }
  for (int s : chain)
    for (const T_VSwitchCondition& c : m_Records[s].Condition)
      if (IsPhysicalControl(c.Control) && !controls.contains(c.Control)) controls.append(c.Control);
  return controls;
}
