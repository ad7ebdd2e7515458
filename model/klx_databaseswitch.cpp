// The facade's virtual-switch and special-switch operations.
#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"

namespace {
constexpr unsigned kErrSwitchName = 0x53804;
}  // namespace

// ---- Virtual switches ---------------------------------------------------------------------

QString KLX_DataBaseManager::KLX_DataBaseManagerSwitchGetSet_Name(int index, QString setname, int dir, bool) {
  if (!m_Switch) return QString();
  const QString current = m_Switch->KLX_SwitchGetSet_Name(index, QString(), 1, false);
  if (dir || !m_Switch->RecordBytes(index) || current == setname) return current;
  // Virtual-switch names may repeat: no test for a name in use.
  MarkUnit(KLX_UnitKind::Switch, index, true);
  return m_Switch->KLX_SwitchGetSet_Name(index, setname, 0, false);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchSwitch_As_TimerSwitch(int index) {
  return KLX_DataBaseManagerSwitchSwitch_As_SingleSwitch(index);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchSwitch_As_CutOffSwitch(int index) {
  return KLX_DataBaseManagerSwitchSwitch_As_SingleSwitch(index);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchSwitch_As_TutorActivator(int index) {
  return KLX_DataBaseManagerSwitchSwitch_As_SingleSwitch(index);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchSwitch_As_SingleSwitch(int index) {
  return m_Switch ? m_Switch->KLX_SwitchSet_Switch_As_SingleSwitch(index) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchDelete(int index) {
  return m_Switch ? m_Switch->KLX_SwitchDelete(index) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchGetNextFreeIndex() {
  return m_Switch ? m_Switch->KLX_SwitchGetNextFreeIndex() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchGetNumber() {
  return m_Switch ? m_Switch->KLX_SwitchGetNumber() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchGet_SwitchHystereseOut(int index, int indexswitch) {
  return kl_engine_get_vs_hys_value(index, indexswitch);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchCheckInptCtrlMskContains(int vs_idx, unsigned int mask) {
  return m_Switch ? m_Switch->KLX_SwitchContains_InputOfGivenControlType(vs_idx, mask) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchGet_SwitchOutputValue(int index) {
  return m_Runtime ? m_Runtime->KLX_RuntimeDatabaseManagerGetVSOutputByVSId(index) : -2047;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchClear(int index) {
  if (m_Switch) m_Switch->KLX_SwitchDelete(index);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchClear(T_VSwitch* record) {
  if (m_Switch) m_Switch->KLX_SwitchSetToDefaultValues(record);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchClearAll() {
  if (m_Switch) m_Switch->KLX_SwitchClearAll();
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchSet_SwitchUnit(int index, T_VSwitch* record) {
  return m_Switch ? m_Switch->KLX_SwitchSet_SwitchUnit(index, record) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchCopySingleUnit(int index, T_VSwitch* record) {
  return m_Switch ? m_Switch->KLX_SwitchCopySingleUnit(index, record) : KLX_Error;
}

// ---- Special switches ---------------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerSpecialSwitchGetNumber() {
  return m_SpecialSwitch ? m_SpecialSwitch->KLX_SpecialSwitchGetNumber() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSpecialSwitchClearAll() {
  if (m_SpecialSwitch) m_SpecialSwitch->KLX_SpecialSwitchClearAll();
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSpecialSwitchClearAll(T_SpecialSwitch* record) {
  if (m_SpecialSwitch) m_SpecialSwitch->KLX_SpecialSwitchSetToDefaultValues(record);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSpecialSwitchSet_SpecialSwitchUnit(T_SpecialSwitch* record) {
  return m_SpecialSwitch ? m_SpecialSwitch->KLX_SpecialSwitchSet_SwitchUnit(record) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSpecialSwitchCopySingleUnit(T_SpecialSwitch* record) {
  return m_SpecialSwitch ? m_SpecialSwitch->KLX_SpecialSwitchCopySingleUnit(record) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSpecialSwitchCopyUnit_A(int, unsigned char* buffer) {
  return m_SpecialSwitch ? m_SpecialSwitch->KLX_SpecialSwitchCopyUnit(buffer) : KLX_Error;
}
