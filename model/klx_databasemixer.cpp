// The facade's mixer and limiter operations: names, flight-mode dependency
// with curve release and set-up copies, deletion with curve release, and the
// helpers of the element load and delete tasks.
#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr unsigned kErrMixerName = 0x50E04;
constexpr unsigned kErrLimiterName = 0x50D04;
}  // namespace

// ---- Mixers ---------------------------------------------------------------------------

QString KLX_DataBaseManager::KLX_DataBaseManagerMixerGetSet_Name(int index1, QString setname, int dir, bool) {
  return ModelName(KLX_UnitKind::Mixer, m_Mixer, kErrMixerName, index1, setname, dir);
}

int KLX_DataBaseManager::KLX_DataBaseManagerMixerGetNumber() {
  return m_Mixer ? m_Mixer->KLX_MixerGetNumber() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManager_IsMixerFlightModeDependent(int index, int fm_index) {
  return m_Mixer ? m_Mixer->KLX_Mixer_IsFlightModeDependent(index, fm_index) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManager_SetMixerFlightModeDependent(int index, int fm_index, int value,
                                                                        bool update) {
  if (!m_Mixer) return KLX_Error;
  const int global = KLX_DataBaseManagerMixerGetSet_GlobalCurveIdx(index, 0, AtomicDirGet, false);
  const int curve = KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(index, fm_index, 0, AtomicDirGet, false);
  if (curve != global) {
    const int released = ReleaseCurve(curve, update);
    if (released <= KLX_Error) return released;
  }
  if (value == 0) {
    const int copied = KLX_DataBaseManager_MixerFlightModeCopyTo(index, 0, fm_index, update);
    if (copied <= KLX_Error) return copied;
  }
  return m_Mixer->KLX_Mixer_SetFlightModeDependent(index, fm_index, value, update);
}

int KLX_DataBaseManager::KLX_DataBaseManager_MixerFlightModeDel(int index, int fm, bool update) {
  return KLX_DataBaseManager_SetMixerFlightModeDependent(index, fm, 0, update);
}

int KLX_DataBaseManager::KLX_DataBaseManager_MixerFlightModeCopyTo(int index, int fromFm, int toFm, bool update) {
  if (fromFm == toFm) return KLX_Ok;
  if (!m_Mixer) return KLX_Error;
  const int bit = m_Mixer->KLX_Mixer_IsFlightModeDependent(index, fromFm);
  if (bit <= KLX_Error) return bit;
  int result = m_Mixer->KLX_Mixer_SetFlightModeDependent(index, toFm, bit, true);
  if (result <= KLX_Error) return result;
  using Accessor = int (KLX_DataBaseManager::*)(int, int, int, int, bool);
  static const Accessor kCopied[] = {
      &KLX_DataBaseManager::KLX_DataBaseManagerMixerGetSet_Setup_GainLo,
      &KLX_DataBaseManager::KLX_DataBaseManagerMixerGetSet_Setup_GainHi,
      &KLX_DataBaseManager::KLX_DataBaseManagerMixerGetSet_Setup_GainCenter,
      &KLX_DataBaseManager::KLX_DataBaseManagerMixerGetSet_Setup_DelayUp,
      &KLX_DataBaseManager::KLX_DataBaseManagerMixerGetSet_Setup_DelayDown,
  };
  for (Accessor field : kCopied) {
    const int value = (this->*field)(index, fromFm, 0, AtomicDirGet, false);
    if (value <= KLX_Error) return value;
    result = (this->*field)(index, toFm, value, AtomicDirSet, update);
    if (result <= KLX_Error) return result;
  }
  // Flight mode 0's curve is the mixer's global curve.
  const int curve = fromFm == 0 ? KLX_DataBaseManagerMixerGetSet_GlobalCurveIdx(index, 0, AtomicDirGet, false)
                                : KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(index, fromFm, 0, AtomicDirGet, false);
  if (curve <= KLX_Error) return curve;
  return KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(index, toFm, curve, AtomicDirSet, true);
}

int KLX_DataBaseManager::KLX_DataBaseManagerMixerCopyFlightmode_Setup_FromTo(int index, int fromFm, int toFm) {
  if (!m_Mixer) return KLX_Error;
  const int result = m_Mixer->KLX_MixerCopySingleSetupUnit(index, fromFm, toFm);
  MarkUnit(KLX_UnitKind::Mixer, index, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerMixerClearFlightmode_Setup(int index, int fm) {
  if (!m_Mixer) return KLX_Error;
  const int result = m_Mixer->KLX_MixerDeleteSetup(index, fm);
  MarkUnit(KLX_UnitKind::Mixer, index, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerMixerSetSetup(int index) {
  if (!m_Mixer || !m_Flightmode) return KLX_Error;
  for (int fm = 0; fm < KLX_DataBaseManagerGetMaxFlightmodes(); ++fm)
    if (m_Flightmode->KLX_FlightmodeGetSet_IsUsed(fm, 0, AtomicDirGet, false) == 1)
      m_Mixer->KLX_MixerGetSet_Setup_CurveIdx(index, fm, 0, 0, true);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerMixerSetSetupAll(int fm, bool setCurve) {
  const KLX_ModelLock lock;
  if (!m_Mixer) return KLX_Error;
  for (int j = 0; j < KL_MAX_MIXERS; ++j) {
    if (!m_Mixer->IsUsed(j)) continue;
    // All 48 slots, not the board's count: reset through the record's bytes.
    if (fm >= 0 && fm < KL_MAX_FLIGHTMODES) kl_engine_reset_mixersetup(reinterpret_cast<T_Mixer*>(m_Mixer->RecordBytes(j)), fm);
    if (setCurve) m_Mixer->KLX_MixerGetSet_Setup_CurveIdx(j, fm, 0, 0, true);
    MarkUnit(KLX_UnitKind::Mixer, j, true);
  }
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerMixerClear(int index) {
  if (!m_Mixer) return KLX_Error;
  const int global = KLX_DataBaseManagerMixerGetSet_GlobalCurveIdx(index, 0, AtomicDirGet, false);
  bool released = false;
  const int result = ReleaseHeldCurves(global, [&](int fm) {
    if (fm != 0 && m_Mixer->KLX_Mixer_IsFlightModeDependent(index, fm) != 1) return kCurveNotHeld;
    return KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(index, fm, 0, AtomicDirGet, false);
  }, &released);
  if (!released) return result;
  m_Mixer->KLX_MixerDelete(index);
  MarkUnit(KLX_UnitKind::Mixer, index, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerMixerClear(T_Mixer* record) {
  if (m_Mixer) m_Mixer->KLX_MixerSetToDefaultValues(record);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerMixerClearAll() {
  if (m_Mixer) m_Mixer->KLX_MixerClearAll();
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerMixerGetNextFreeIndex() {
  return m_Mixer ? m_Mixer->KLX_MixerGetNextFreeIndex() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerMixerSet_MixerUnit(int index, T_Mixer* record) {
  return m_Mixer ? m_Mixer->KLX_MixerSet_MixerUnit(index, record) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerMixerCopySingleUnit(int index, T_Mixer* record) {
  return m_Mixer ? m_Mixer->KLX_MixerCopySingleUnit(index, record) : KLX_Error;
}

// ---- Limiters ---------------------------------------------------------------------------

QString KLX_DataBaseManager::KLX_DataBaseManagerLimiterGetSet_Name(int index1, QString setname, int dir, bool) {
  return ModelName(KLX_UnitKind::Limiter, m_Limiter, kErrLimiterName, index1, setname, dir);
}

int KLX_DataBaseManager::KLX_DataBaseManagerLimiterGetNumber() {
  return m_Limiter ? m_Limiter->KLX_LimiterGetNumber() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerLimiterClear(int index) {
  if (m_Limiter) m_Limiter->KLX_LimiterDelete(index);
  MarkUnit(KLX_UnitKind::Limiter, index, true);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerLimiterClear(T_Limiter* record) {
  if (m_Limiter) m_Limiter->KLX_LimiterSetToDefaultValues(record);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerLimiterClearAll() {
  if (m_Limiter) m_Limiter->KLX_LimiterClearAll();
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerLimiterGetNextFreeIndex() {
  return m_Limiter ? m_Limiter->KLX_LimiterGetNextFreeIndex() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerLimiterSet_LimiterUnit(int index, T_Limiter* record) {
  return m_Limiter ? m_Limiter->KLX_LimiterSet_LimiterUnit(index, record) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerLimiterCopySingleUnit(int index, T_Limiter* record) {
  return m_Limiter ? m_Limiter->KLX_LimiterCopySingleUnit(index, record) : KLX_Error;
}
