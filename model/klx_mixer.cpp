#include "model/klx_mixer.h"

#include <QDebug>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "model/klx_switch.h"

namespace {
constexpr unsigned kErrName = 0x50E04;
constexpr unsigned kErrMask = 0x50E13;
constexpr unsigned kErrDefaults = 0x50E14;
constexpr unsigned kErrImageIndex = 0x50E17;
constexpr unsigned kErrImageBuffer = 0x10E16;
constexpr unsigned kErrDeleteSetup = 0x20C18;
constexpr unsigned kErrCopySetup = 0x20C19;
constexpr unsigned kErrDelete = 0x20E01;
constexpr unsigned kErrFull = 0x20E02;
constexpr int kMaskBits = 32;
}  // namespace

const KLX_Field KLX_Mixer::kFields[KLX_MixerRow::Count] = {KLX_MIXER_FIELDS(KLX_FIELD_DESC)};

#define KLX_MIXER_STORE_DEF(S, F, SS, ...) KLX_STORE_DEF_##SS(KLX_Mixer, KLX_MixerRow, S)
KLX_MIXER_FIELDS(KLX_MIXER_STORE_DEF)
#undef KLX_MIXER_STORE_DEF

KLX_Mixer::KLX_Mixer(QObject* parent)
    : QObject(parent), KLX_RecordArray(EngineCfgMixers, 65, kl_engine_init_mixer, "mixer") {
  SetBounds(kFields, KLX_MixerRow::Count, {KL_MAX_MIXERS, KL_MAX_FLIGHTMODES, 0, 0, 0});
  KLX_MixerClearAll();
}

int KLX_Mixer::KLX_MixerInitialize(KLX_Protocol* protocol, KLX_Switch* switches) {
  if (switches) m_Switch = switches;
  return KLX_DataBaseTransmitterInitialize(protocol);
}

QString KLX_Mixer::KLX_MixerGetSet_Name(int idx, QString name, int get, bool) {
  return NameAccess(idx, name, get != 0, kErrName);
}

int KLX_Mixer::KLX_Mixer_IsFlightModeDependent(int idx, int fm) {
  const KLX_ModelLock lock;
  if (!KLX_BaseClassDatabaseCheckBorderIndex(Border(), &idx)) {
    KLXErrorHandler.RegisterError(kErrMask, QString());
    return Indexes_Out_Of_Range;
  }
  if (fm < 0 || fm >= kMaskBits) return 0;
  return static_cast<int>((m_Records[idx].Mixer_FM_Mask >> fm) & 1u);
}

int KLX_Mixer::KLX_Mixer_SetFlightModeDependent(int idx, int fm, int value, bool transmit) {
  const KLX_ModelLock lock;
  if (value == 1 && fm == 0) {
    qDebug("KLX_Mixer_SetFlightModeDependent error: FM0 is global!");
    return KLX_Error;
  }
  if (!KLX_BaseClassDatabaseCheckBorderIndex(Border(), &idx) || fm < 0) {
    KLXErrorHandler.RegisterError(kErrMask, QString());
    return KLX_Error;
  }
  unsigned mask = m_Records[idx].Mixer_FM_Mask;
  if (fm < kMaskBits) mask = value == 1 ? (mask | (1u << fm)) : (mask & ~(1u << fm));
  KLX_MixerGetSet_MixerSingleMask(idx, mask, 0, transmit);
  return KLX_Ok;
}

int KLX_Mixer::KLX_MixerGetNextFreeIndex() {
  const int index = NextFreeIndex(0, Max_Mixer_Number_Reached);
  if (index == Max_Mixer_Number_Reached) KLXErrorHandler.RegisterError(kErrFull, QStringLiteral("Mixer list is full"));
  return index;
}

T_Mixer* KLX_Mixer::KLX_MixerGetPtrByIndex(int idx) {
  return (idx >= 0 && idx < BoardCount()) ? &m_Records[idx] : nullptr;
}

int KLX_Mixer::KLX_MixerDeleteSetup(int idx, int fm) {
  const KLX_ModelLock lock;
  if (!KLX_BaseClassDatabaseCheckBorderIndex(Border(), &idx, &fm)) {
    KLXErrorHandler.RegisterError(kErrDeleteSetup, QString());
    return KLX_Error;
  }
  // As for functions: a flight mode beyond the board's takes what a new
  // record holds there.
  T_Mixer fresh;
  Defaults(&fresh, m_Init);
  m_Records[idx].Setup[fm] = fresh.Setup[fm];
  return KLX_Ok;
}

int KLX_Mixer::KLX_MixerCopySingleSetupUnit(int idx, int fromFm, int toFm) {
  const KLX_ModelLock lock;
  if (!KLX_BaseClassDatabaseCheckBorderIndex(Border(), &idx, &fromFm)) {
    KLXErrorHandler.RegisterError(kErrCopySetup, QString());
    return KLX_Error;
  }
  if (toFm < 0 || toFm >= KL_MAX_FLIGHTMODES) return KLX_Error;
  m_Records[idx].Setup[toFm] = m_Records[idx].Setup[fromFm];
  return KLX_Ok;
}

int KLX_Mixer::KLX_MixerReplace_ControlAll(int oldControl, int newControl) {
  const KLX_ModelLock lock;
  if (oldControl == newControl) return 0;
  int replaced = 0;
  for (int i = 0; i < BoardCount(); ++i) {
    if (!IsUsed(i)) continue;
    if (m_Records[i].Control == oldControl) KLX_MixerGetSet_Control(i, newControl, 0, true);
    if (m_Records[i].Control == newControl) ++replaced;
  }
  return replaced;
}

int KLX_Mixer::KLX_Mixer_GetAllUsedPhyMixerControls(QQueue<int>* list) {
  const KLX_ModelLock lock;
  if (!list) return 0;
  const int before = list->size();
  const int switches = KLX_BoardCount(EngineCfgVirtualSwitches);
  for (int i = 0; i < BoardCount(); ++i) {
    if (!IsUsed(i)) continue;
    const int c = m_Records[i].Control;
    const int vs = c - KLX_CONTROL_VS_FIRST;
    if (vs >= 0 && vs < switches) {
      if (m_Switch && m_Switch->IsUsed(vs))
        for (int input : m_Switch->KLX_SwitchGet_AllPhysiscalInputsOfVSchain(vs, false))
          if (!list->contains(input)) list->enqueue(input);
    } else if (KLX_Switch::IsPhysicalControl(c) && !list->contains(c)) {
      list->enqueue(c);
    }
  }
  return list->size() > before ? 1 : 0;
}

void KLX_Mixer::KLX_MixerSetToDefaultValues(T_Mixer* record) {
  if (!record) {
    KLXErrorHandler.RegisterError(kErrDefaults, QString());
    return;
  }
  Defaults(record, kl_engine_init_mixer);
}

int KLX_Mixer::KLX_MixerDelete(int idx) { return DeleteUnit(idx, kErrDelete); }

int KLX_Mixer::KLX_MixerCopyUnit(int idx, unsigned char* buffer) const {
  return CopyUnitImage(idx, buffer, kErrImageBuffer, kErrImageIndex);
}
