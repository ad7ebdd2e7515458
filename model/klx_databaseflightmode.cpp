// The facade's flight-mode operations (removing and copying a flight mode
// across functions, mixers and trims) and the flight-mode assignment.
#include <QDebug>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"

namespace {
constexpr unsigned kErrName = 0x50B03;
}  // namespace

QString KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeGetSet_Name(int index1, QString setname, int dir, bool) {
  return ModelName(KLX_UnitKind::Flightmode, m_Flightmode, kErrName, index1, setname, dir);
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeGetNumber() {
  return m_Flightmode ? m_Flightmode->KLX_FlightmodeGetNumber() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeDel(int fm_idx, bool update) {
  qDebug("KLX_DataBaseManagerFlightmodeDel: fm_idx = %d", fm_idx);
  // Flight mode 0 is the global set-up and cannot be removed.
  if (fm_idx <= 0) return KLX_Error;
  for (int f = 0; f < KLX_DataBaseManagerGetMaxFunctions(); ++f) {
    if (KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, AtomicDirGet, false) != 1) continue;
    const int result = KLX_DataBaseManager_FunctionFlightModeDel(f, fm_idx, update);
    if (result <= KLX_Error) {
      qWarning("KLX_DataBaseManagerFlightmodeDel -> KLX_DataBaseManager_FunctionFlightModeDel error: fm_idx = %d",
               fm_idx);
      return result;
    }
  }
  for (int j = 0; j < KLX_DataBaseManagerGetMaxMixer(); ++j) {
    if (KLX_DataBaseManagerMixerGetSet_IsUsed(j, 0, AtomicDirGet, false) != 1) continue;
    const int result = KLX_DataBaseManager_MixerFlightModeDel(j, fm_idx, update);
    if (result <= KLX_Error) {
      qWarning("KLX_DataBaseManagerFlightmodeDel -> KLX_DataBaseManager_MixerFlightModeDel error: fm_idx = %d",
               fm_idx);
      return result;
    }
  }
  for (int t = 0; t < KLX_DataBaseManagerGetMaxTrim(); ++t) KLX_DataBaseManager_TrimFlightModeDel(t, fm_idx, update);
  return KLX_DataBaseManager_VarioFlightModeDel(fm_idx, update);
}

int KLX_DataBaseManager::FlightmodeCopy(int from, int to, const QString& suffix, bool update) {
  qDebug("KLX_DataBaseManager::FlightmodeCopy: %d to %d", from, to);
  const int functions = KLX_DataBaseManagerGetMaxFunctions();
  const int mixers = KLX_DataBaseManagerGetMaxMixer();
  const int trims = KLX_DataBaseManagerGetMaxTrim();
  int result = KLX_DataBaseManagerFlightmodeGetSet_IsUsed(
      to, KLX_DataBaseManagerFlightmodeGetSet_IsUsed(from, 0, AtomicDirGet, false), AtomicDirSet, update);
  if (result <= KLX_Error) return result;
  // A name already in use is refused by the name rule; the copy goes on.
  KLX_DataBaseManagerFlightmodeGetSet_Name(
      to, KLX_DataBaseManagerFlightmodeGetSet_Name(from, QString(), AtomicDirGet) + suffix + QString::number(to),
      AtomicDirSet, update);
  const int fields[] = {KLX_FlightmodeRow::FadeIn, KLX_FlightmodeRow::FunctionNum};
  for (int row : fields) {
    const KLX_Field& f = KLX_Flightmode::kFields[row];
    result = ModelField(KLX_UnitKind::Flightmode, m_Flightmode, f, to,
                        0, ModelField(KLX_UnitKind::Flightmode, m_Flightmode, f, from, 0, 0, AtomicDirGet, false),
                        AtomicDirSet, update);
    if (result <= KLX_Error) return result;
  }
  for (int k = 0; k < functions; ++k) {
    result = KLX_DataBaseManagerFlightmodeGetSet_NoFadeInFuncIdxs(
        to, k, KLX_DataBaseManagerFlightmodeGetSet_NoFadeInFuncIdxs(from, k, 0, AtomicDirGet, false), AtomicDirSet,
        update);
    if (result <= KLX_Error) return result;
  }
  for (int f = 0; f < functions && result > KLX_Error; ++f)
    if (KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, AtomicDirGet, false) == 1)
      result = KLX_DataBaseManager_FunctionFlightModeCopyTo(f, from, to, update);
  for (int j = 0; j < mixers && result > KLX_Error; ++j)
    if (KLX_DataBaseManagerMixerGetSet_IsUsed(j, 0, AtomicDirGet, false) == 1)
      result = KLX_DataBaseManager_MixerFlightModeCopyTo(j, from, to, update);
  for (int t = 0; t < trims && result > KLX_Error; ++t)
    result = KLX_DataBaseManager_TrimFlightModeCopyTo(t, from, to, update);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeCopy(int idx_from, int idx_to, bool update) {
  return FlightmodeCopy(idx_from, idx_to, QStringLiteral("cpy"), update);
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeClone(int idx_from, int idx_to, bool update) {
  return FlightmodeCopy(idx_from, idx_to, QStringLiteral(" "), update);
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeClearAll() {
  if (m_Flightmode) m_Flightmode->KLX_FlightmodeClearAll();
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeClear(T_FlightMode* record) {
  if (m_Flightmode) m_Flightmode->KLX_FlightmodeSetToDefaultValues(record);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeClear(int index) {
  if (m_Flightmode) m_Flightmode->KLX_FlightmodeDelete(index);
  KLX_DataBaseManagerFunctionMarkFlightmode(index, true);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeGetNextFreeIndex() {
  return m_Flightmode ? m_Flightmode->KLX_FlightmodeGetNextFreeIndex() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeSetFunctionNum(int n) {
  return m_Flightmode ? m_Flightmode->KLX_FlightmodeSetFunctionNum(n) : KLX_Error;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeGet_Name(int index) {
  return m_Flightmode ? m_Flightmode->KLX_FlightmodeGet_Name(index) : QString();
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeCopySingleUnit(int index, T_FlightMode* record) {
  return m_Flightmode ? m_Flightmode->KLX_FlightmodeCopySingleUnit(index, record) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeSet_FlightmodeUnit(int index, T_FlightMode* record) {
  if (!m_Flightmode) return KLX_Error;
  const int result = m_Flightmode->KLX_FlightmodeSet_FlightmodeUnit(index, record);
  if (result > KLX_Error) KLX_DataBaseManagerFunctionMarkFlightmode(index, false);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeCopySingleUnitFromTo(int from, int to) {
  if (!m_Flightmode) return KLX_Error;
  T_FlightMode record;
  int result = m_Flightmode->KLX_FlightmodeCopySingleUnit(from, &record);
  if (result <= KLX_Error) return result;
  result = m_Flightmode->KLX_FlightmodeSet_FlightmodeUnit(to, &record);
  if (result <= KLX_Error) return result;
  m_Flightmode->NameAccess(to, m_Flightmode->NameOf(from), false, kErrName);
  KLX_DataBaseManagerFunctionMarkFlightmode(from, true);
  KLX_DataBaseManagerFunctionMarkFlightmode(to, true);
  return result;
}

void KLX_DataBaseManager::KLX_DataBaseManager_ResetInactivityTimer() {
  if (m_Runtime) m_Runtime->KLX_RuntimeDatabaseManager_ResetInactivityTimer();
}

// ---- Flight-mode assignment ----------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeAssignGetSet_Control(int index, int control, int dir,
                                                                          bool update) {
  if (!m_FlightmodeAssign) return KLX_Error;
  const int result = m_FlightmodeAssign->KLX_FlightmodeAssignGetSet_Control(index, control, dir, update);
  if (!dir && result > KLX_Error) KLX_DataBaseManagerFunctionMarkFlightmodeAssign(true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(int index, int flightmode, int dir,
                                                                                bool update) {
  if (!m_FlightmodeAssign) return KLX_Error;
  const int result = m_FlightmodeAssign->KLX_FlightmodeAssignGetSet_FlightModeLUT(index, flightmode, dir, update);
  if (!dir && result > KLX_Error) KLX_DataBaseManagerFunctionMarkFlightmodeAssign(true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeAssignDeleteControl(int index, bool update) {
  return m_FlightmodeAssign ? m_FlightmodeAssign->KLX_FlightmodeAssignDeleteControl(index, update) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeAssignDeleteFlightmode(int index, bool update) {
  return m_FlightmodeAssign ? m_FlightmodeAssign->KLX_FlightmodeAssignDeleteFlightmode(index, update) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeAssignGetNextFreeIndexControl() {
  return m_FlightmodeAssign ? m_FlightmodeAssign->KLX_FlightmodeAssGetNextFreeIndexControl() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeAssignGetNextFreeIndexFlightmode() {
  return m_FlightmodeAssign ? m_FlightmodeAssign->KLX_FlightmodeAssGetNextFreeIndexFlightmode() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeAssignClearAll() {
  if (m_FlightmodeAssign) m_FlightmodeAssign->KLX_FlightmodeAssignClearAll();
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeAssignCopySingleUnit(T_FlightModeControlAssignment* record) {
  return m_FlightmodeAssign ? m_FlightmodeAssign->KLX_FlightmodeAssignCopySingleUnit(record) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeAssignSet_FlightmodeAssignUnit(
    T_FlightModeControlAssignment* record) {
  if (!m_FlightmodeAssign) return KLX_Error;
  const int result = m_FlightmodeAssign->KLX_FlightmodeAssignSet_FlightmodeAssignUnit(record);
  KLX_DataBaseManagerFunctionMarkFlightmodeAssign(false);
  return result;
}

int KLX_DataBaseManager::KLX_DatabaseManagerGet_BoardTypeInt() {
  if (!Board::IsInitialized()) Board::Init();
  return Board::m_Board;
}
