// The facade's teacher/pupil doors: forwards to the store, the checks
// against the controls the model already uses, and the settings-file mark.
#include <QQueue>

#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"

namespace {
// CheckAsInput with an item beyond the eight compares with every item.
constexpr int kAnyItem = 255;
}  // namespace

int KLX_DataBaseManager::TutorPupilMarked(int dir, bool update, int result) {
  if (result > KLX_Error && dir == AtomicDirSet && update) KLX_DataBaseManagerTutorPupilMarkTutorPupil(true);
  return result;
}

void KLX_DataBaseManager::KLX_DataBaseManagerTutorPupilClearAll() {
  if (m_TutorPupil) m_TutorPupil->KLX_TutorPupilCtrl_ClearAll();
}

void KLX_DataBaseManager::KLX_DataBaseManagerTutorPupilClearActivator() {
  if (m_TutorPupil) m_TutorPupil->KLX_TutorPupilCtrl_ClearActivator();
}

void KLX_DataBaseManager::KLX_DataBaseManagerTutorPupilDefault() {
  if (m_TutorPupil) m_TutorPupil->KLX_TutorPupilCtrl_Default();
}

int KLX_DataBaseManager::KLX_DataBaseManagerTutorPupilGetNextFreeIndex() {
  return m_TutorPupil ? m_TutorPupil->KLX_TutorPupilCtrl_Get_NextFreeIndex() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTutorPupilCheckControlIDamongChannelsInput(int control, int item) {
  return m_TutorPupil ? m_TutorPupil->KLX_TutorPupilCtrl_CheckAsInput(control, item) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTutorPupilConvertCtrlToChIndex(int control) {
  return KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_ConvertCtrlIDToControlIndex(control);
}

int KLX_DataBaseManager::KLX_DataBaseManagerTutorPupilGetSetItemAwaitingForExtChannelChanged(int value, int get) {
  return m_TutorPupil ? m_TutorPupil->KLX_TutorPupilCtrl_GetSetItem_AwaitingForExtChIndex(value, get) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTutorPupilGlobalEnable(bool allow, int dir) {
  return m_TutorPupil ? m_TutorPupil->KLX_TutorPupil_GetSet_AllowProperty(allow, dir) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTutorPupilCtrl_SendExternalConf(bool allow, bool withoutActivator) {
  return m_TutorPupil ? m_TutorPupil->KLX_TutorPupilCtrl_SendExternalControlsConfig(allow, withoutActivator)
                      : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTutorPupilClearAt(int item, bool update) {
  if (!m_TutorPupil) return KLX_Error;
  return TutorPupilMarked(AtomicDirSet, update, m_TutorPupil->KLX_TutorPupilCtrl_ClearAt(item));
}

#define KLX_TUTORPUPIL_MARKED_DEF(name, type, call)                                                      \
  int KLX_DataBaseManager::KLX_DataBaseManagerTutorPupil##name(int item, type value, int dir, bool update) { \
    if (!m_TutorPupil) return KLX_Error;                                                                 \
    return TutorPupilMarked(dir, update, m_TutorPupil->call(item, value, dir));                          \
  }
KLX_TUTORPUPIL_MARKED(KLX_TUTORPUPIL_MARKED_DEF)
#undef KLX_TUTORPUPIL_MARKED_DEF

QList<int> KLX_DataBaseManager::CriticalControls() {
  QQueue<int> controls;
  if (m_FlightmodeAssign) m_FlightmodeAssign->KLX_FlightmodeAssign_GetAllUsedPhyControls(&controls);
  if (m_Mixer) m_Mixer->KLX_Mixer_GetAllUsedPhyMixerControls(&controls);
  if (m_ServoConfig) m_ServoConfig->KLX_ServoConfig_GetAllUsedPhyCutoffControls(&controls);
  if (m_Vario) m_Vario->KLX_Vario_GetAllUsedPhyControls(&controls);
  if (m_Sequencer) m_Sequencer->KLX_Sequencer_GetAllUsedPhyControls(&controls);
  return controls;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTutorPupilCheckControlIDamongCriticalVS(int control) {
  return CriticalControls().contains(control) ? TutorPupilControlInChainIsBusy : 0;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTutorPupilGetSetVornControl(int item, int control, int dir, bool update) {
  if (!m_TutorPupil || !m_Switch) return KLX_Error;
  if (dir == AtomicDirGet) return m_TutorPupil->KLX_TutorPupilCtrl_GetSetControlID(item, 0, AtomicDirGet);
  if (dir != AtomicDirSet && dir != AtomicDirGotten) return KLX_Error;
  const int sw = m_TutorPupil->KLX_TutorPupilCtrl_GetSet_Activator(0, AtomicDirGet) - KLX_CONTROL_VS_FIRST;
  if (sw >= 0 && sw < KLX_DataBaseManagerGetMaxVirualSwitches()) {
    if (m_Switch->KLX_SwitchGetSet_IsVisible(sw, 0, 1, false) == 1) {
      if (m_Switch->KLX_SwitchGet_AllPhysiscalInputsOfVSchain(sw, false).contains(control))
        return TutorPupilControlInChainIsBusy;
    } else if (m_Switch->KLX_SwitchGetSet_SwitchControl(sw, 0, 0, 1, false) == control) {
      return TutorPupilControlIsActivator;
    }
  }
  return TutorPupilMarked(dir, update, m_TutorPupil->KLX_TutorPupilCtrl_GetSetControlID(item, control, dir));
}

int KLX_DataBaseManager::KLX_DataBaseManagerTutorPupilGetSetActivator(int control, int dir, bool update) {
  if (!m_TutorPupil || !m_Switch) return KLX_Error;
  if (dir == AtomicDirGet) return m_TutorPupil->KLX_TutorPupilCtrl_GetSet_Activator(0, AtomicDirGet);
  const int switches = KLX_DataBaseManagerGetMaxVirualSwitches();
  const int sw = control - KLX_CONTROL_VS_FIRST;
  if ((dir != AtomicDirSet && dir != AtomicDirGotten) || sw < 0 || sw >= switches) return KLX_Error;
  if (m_Switch->KLX_SwitchGetSet_IsVisible(sw, 0, 1, false) != 1) {
    const int input = m_Switch->KLX_SwitchGetSet_SwitchControl(sw, 0, 0, 1, false);
    if (input >= 1) {
      if (m_TutorPupil->KLX_TutorPupilCtrl_CheckAsInput(input, kAnyItem) != 0) return TutorPupilControlIsBusy;
      if (KLX_DataBaseManagerTutorPupilCheckControlIDamongCriticalVS(input) != 0) return TutorPupilControlInChainIsBusy;
    }
  } else {
    const QList<int> inputs = m_Switch->KLX_SwitchGet_AllPhysiscalInputsOfVSchain(sw, false);
    for (int item = 0; item < KLX_TutorPupilCtrl::kItems; ++item) {
      const TutorPupilCtrl_struct it = m_TutorPupil->KLX_TutorPupilCtrl_Item(item);
      if ((it.Flags & 0x80) && inputs.contains(it.ControlId)) return TutorPupilControlInChainIsBusy;
    }
    // Single switches of the chain itself feed it and do not count.
    for (int other = 0; other < switches; ++other) {
      if (other == sw || m_Switch->KLX_SwitchGetSet_IsUsed(other, 0, 1, false) != 1 ||
          m_Switch->KLX_SwitchGetSet_IsVisible(other, 0, 1, false) == 1 ||
          m_Switch->KLX_SwitchIsGivenVSinInputChainsOf(sw, other) != 0)
        continue;
      if (inputs.contains(m_Switch->KLX_SwitchGetSet_SwitchControl(other, 0, 0, 1, false)))
        return TutorPupilControlInChainIsBusy;
    }
  }
  return TutorPupilMarked(dir, update, m_TutorPupil->KLX_TutorPupilCtrl_GetSet_Activator(control, dir));
}
