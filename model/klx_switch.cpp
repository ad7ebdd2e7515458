#include "model/klx_switch.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"

namespace {
constexpr unsigned kErrName = 0x53804;
constexpr unsigned kErrDefaults = 0x53806;
constexpr unsigned kErrImageIndex = 0x5380B;
constexpr unsigned kErrSingle = 0x53812;
constexpr unsigned kErrTypeSearch = 0x53813;
constexpr unsigned kErrImageBuffer = 0x1380A;
constexpr unsigned kErrDelete = 0x23801;
constexpr unsigned kErrFull = 0x23802;
constexpr int kFixedOn = 2;
constexpr int kSingleHysteresis = 10;
}  // namespace

const KLX_Field KLX_Switch::kFields[KLX_SwitchRow::Count] = {KLX_SWITCH_FIELDS(KLX_FIELD_DESC)};

#define KLX_SWITCH_STORE_DEF(S, F, SS, ...) KLX_STORE_DEF_##SS(KLX_Switch, KLX_SwitchRow, S)
KLX_SWITCH_FIELDS(KLX_SWITCH_STORE_DEF)
#undef KLX_SWITCH_STORE_DEF

KLX_Switch::KLX_Switch(QObject* parent)
    : QObject(parent), KLX_RecordArray(EngineCfgVirtualSwitches, 72, kl_engine_init_vswitch, "switch") {
  SetBounds(kFields, KLX_SwitchRow::Count, {KL_MAX_VSWITCHES, 2, 0, 0, 0});
  KLX_SwitchClearAll();
}

bool KLX_Switch::IsPhysicalControl(int id) {
  return id == CONTROLID_Stick_STA_GUI || id == CONTROLID_Stick_STB_GUI || id == CONTROLID_Stick_STC_GUI ||
         id == CONTROLID_Stick_STD_GUI || (id >= CONTROLID_SW_A_GUI && id <= CONTROLID_SW_F_GUI) ||
         (id >= CONTROLID_SW_N_GUI && id <= CONTROLID_SW_I_GUI) || id == CONTROLID_Poti_ROA_GUI ||
         id == CONTROLID_Poti_SLA_GUI || id == CONTROLID_Poti_ROB_GUI || id == CONTROLID_Poti_SLB_GUI;
}

QString KLX_Switch::KLX_SwitchGetSet_Name(int idx, QString name, int get, bool) {
  return NameAccess(idx, name, get != 0, kErrName);
}

int KLX_Switch::KLX_SwitchSet_Switch_As_SingleSwitch(int idx) {
  if (idx < 0 || idx >= Capacity()) {
    KLXErrorHandler.RegisterError(kErrSingle, QString());
    return Indexes_Out_Of_Range;
  }
  KLX_SwitchGetSet_IsVisible(idx, 0, 0, true);
  KLX_SwitchGetSet_LogicalOperator(idx, 0, 0, true);
  KLX_SwitchGetSet_SwitchControl(idx, 1, kFixedOn, 0, true);
  KLX_SwitchGetSet_SwitchAboveHys(idx, 1, kSingleHysteresis, 0, true);
  KLX_SwitchGetSet_SwitchBelowHys(idx, 1, -kSingleHysteresis, 0, true);
  return KLX_Ok;
}

int KLX_Switch::KLX_SwitchReplace_InputControlAll(int oldControl, int newControl) {
  const KLX_ModelLock lock;
  if (oldControl == newControl) return 0;
  int replaced = 0;
  for (int i = 0; i < BoardCount(); ++i) {
    if (!IsUsed(i)) continue;
    for (int input = 0; input < 2; ++input) {
      if (m_Records[i].Condition[input].Control != oldControl) continue;
      if (KLX_SwitchGetSet_SwitchControl(i, input, newControl, 0, true) == newControl) ++replaced;
    }
  }
  return replaced;
}

int KLX_Switch::WalkChain(int idx, const std::function<int(int, int, int)>& visit) const {
  const KLX_ModelLock lock;
  const int count = BoardCount();
  QList<int> chain{idx};
  for (int k = 0; k < chain.size(); ++k) {
    for (int input = 0; input < 2; ++input) {
      const int control = m_Records[chain[k]].Condition[input].Control;
      const int found = visit(chain[k], input, control);
      if (found) return found;
      const int n = control - KLX_CONTROL_VS_FIRST;
      if (n >= 0 && n < count && !chain.contains(n)) chain.append(n);
    }
  }
  return 0;
}

int KLX_Switch::KLX_SwitchContains_InputOfGivenControlType(int idx, unsigned int mask) {
  if (mask == 0) return 0;
  if (idx < 0 || idx >= BoardCount()) {
    KLXErrorHandler.RegisterError(kErrTypeSearch, QString());
    return Indexes_Out_Of_Range;
  }
  return WalkChain(idx, [mask](int, int input, int control) {
    return (mask & ~static_cast<unsigned>(control)) == 0 ? input + 1 : 0;
  });
}

int KLX_Switch::KLX_SwitchIsGivenVSinInputChainsOf(int a, int b) {
  if (a < 0 || a >= BoardCount()) return 0;
  return WalkChain(a, [b](int, int input, int control) {
    return control == KLX_ControlOfVirtualSwitch(b) ? input + 1 : 0;
  });
}

QList<int> KLX_Switch::KLX_SwitchGet_AllPhysiscalInputsOfVSchain(int idx, bool) {
  QList<int> controls;
  if (idx < 0 || idx >= BoardCount()) return controls;
  WalkChain(idx, [&controls](int, int, int control) {
    if (IsPhysicalControl(control) && !controls.contains(control)) controls.append(control);
    return 0;
  });
  return controls;
}

int KLX_Switch::KLX_SwitchGetNextFreeIndex() {
  const int index = NextFreeIndex(0, Max_Switch_Number_Reached);
  if (index == Max_Switch_Number_Reached) KLXErrorHandler.RegisterError(kErrFull, QStringLiteral("VSw list is full"));
  return index;
}

void KLX_Switch::KLX_SwitchSetToDefaultValues(T_VSwitch* record) {
  if (!record) {
    KLXErrorHandler.RegisterError(kErrDefaults, QString());
    return;
  }
  Defaults(record, kl_engine_init_vswitch);
}

int KLX_Switch::KLX_SwitchDelete(int index) { return DeleteUnit(index, kErrDelete); }

int KLX_Switch::KLX_SwitchCopyUnit(int index, unsigned char* buffer) const {
  return CopyUnitImage(index, buffer, kErrImageBuffer, kErrImageIndex);
}
