// The facade's Bluetooth doors and its head-up item list.
#include <QDebug>

#include "frame/klx_controlids.h"
#include "frame/klx_debuglog.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"

// ---- Bluetooth ----------------------------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerBTTurnON() {
  KLX_DataBaseManagerGetSetSystemPropertiesGetSet_BTPowerStatus(1, AtomicDirSet, true);
  return m_Bluetooth.powerON() ? KLX_Ok : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerBTTurnOFF() {
  KLX_DataBaseManagerGetSetSystemPropertiesGetSet_BTPowerStatus(0, AtomicDirSet, true);
  return m_Bluetooth.powerOFF() ? KLX_Ok : KLX_Error;
}

// ---- head-up item list --------------------------------------------------------------------------

void KLX_DataBaseManager::KLX_DatabaseMangerSetHeadup(KLX_Headup* container) {
  if (m_Headup && m_Headup != container) delete m_Headup;
  m_Headup = container;
  if (m_HeadupWindow) m_HeadupWindow->SetHeadupContainer(container);
}

bool KLX_DataBaseManager::CreateHeadupItem(int type) {
  if (!m_Headup) {
    qCDebug(lcVornDebug) << "mheadup not init";
    return false;
  }
  if (!m_Headup->CreateItem(E_HeadupType(type & 0xFF))) {
    qCDebug(lcVornDebug) << "Error while creating new headupitem";
    return false;
  }
  KLX_DataBaseManagerSetModelModifyFlag(true);
  return true;
}

void KLX_DataBaseManager::DeleteHeadupItemAt(int index) {
  if (!m_Headup) {
    qCDebug(lcVornDebug) << "cant delete headup not init";
    return;
  }
  // A negative index is out of range like one above the last slot.
  if (index >= 0) m_Headup->DeleteItemAt(index);
  KLX_DataBaseManagerSetModelModifyFlag(true);
}

int KLX_DataBaseManager::GetHeadupItemTypeAt(int index) {
  CHeadupItem item;
  if (!m_Headup || !m_Headup->CopyItemAt(index, &item)) return -1;
  return item.Type();
}

void KLX_DataBaseManager::SetHeadupItemTypeAt(int index, int type) {
  if (m_Headup && type >= 0 && type < 256)
    m_Headup->ChangeItemAt(index, [type](CHeadupItem& item) { item.SetType(uint8_t(type)); });
  KLX_DataBaseManagerSetModelModifyFlag(true);
}

QString KLX_DataBaseManager::GetHeadupItemTypeString(int type) {
  switch (type) {
    case HeadupType_Telemetry: return QStringLiteral("Telemetry");
    case HeadupType_Timer: return QStringLiteral("Timer");
    case HeadupType_Servo: return QStringLiteral("Servo");
    case HeadupType_Placeholder: return QStringLiteral("Placeholder");
    default: return QStringLiteral("Invalid");
  }
}

void KLX_DataBaseManager::HeadupSetField(int index, const std::function<void(CHeadupItem&)>& set) {
  const int slot = index & 0xFFFF;
  if (m_Headup && slot < KLX_Headup::kSlots) m_Headup->ChangeItemAt(slot, set);
  KLX_DataBaseManagerSetModelModifyFlag(true);
}

int KLX_DataBaseManager::HeadupGetField(int index, const std::function<int(const CHeadupItem&)>& get) {
  const int slot = index & 0xFFFF;
  CHeadupItem item;
  if (!m_Headup || slot >= KLX_Headup::kSlots || !m_Headup->CopyItemAt(slot, &item)) return -1;
  return get(item);
}

void KLX_DataBaseManager::KLX_DatabaseMangerHeadupSetTeleMainAddr(int index, int address) {
  HeadupSetField(index, [address](CHeadupItem& i) { i.SetTeleMainAddr(uint16_t(address & 0xFFFF)); });
}
void KLX_DataBaseManager::KLX_DatabaseMangerHeadupSetTeleSlaveAddr(int index, int address) {
  HeadupSetField(index, [address](CHeadupItem& i) { i.SetTeleSlaveAddr(uint16_t(address & 0xFFFF)); });
}
void KLX_DataBaseManager::KLX_DatabaseMangerHeadupSetServoIndex(int index, int servo) {
  HeadupSetField(index, [servo](CHeadupItem& i) { i.SetTeleServoIndex(uint16_t(servo & 0xFFFF)); });
}
void KLX_DataBaseManager::KLX_DatabaseMangerHeadupSetTimerIndex(int index, int timer) {
  HeadupSetField(index, [timer](CHeadupItem& i) { i.SetTimerIndexFlags(uint8_t(timer & 0xFF)); });
}
int KLX_DataBaseManager::KLX_DatabaseMangerHeadupGetTeleMainAddr(int index) {
  return HeadupGetField(index, [](const CHeadupItem& i) { return int(i.TeleMainAddr); });
}
int KLX_DataBaseManager::KLX_DatabaseMangerHeadupGetTeleSlaveAddr(int index) {
  return HeadupGetField(index, [](const CHeadupItem& i) { return int(i.TeleSlaveAddr); });
}
int KLX_DataBaseManager::KLX_DatabaseMangerHeadupGetServoIndex(int index) {
  return HeadupGetField(index, [](const CHeadupItem& i) { return int(i.TeleServoIndex); });
}
int KLX_DataBaseManager::KLX_DatabaseMangerHeadupGetTimerIndex(int index) {
  return HeadupGetField(index, [](const CHeadupItem& i) { return int(i.TimerIndexFlags); });
}

int KLX_DataBaseManager::KLX_DataBaseManagerHeadupGetServoValue(int servo) {
  if (servo < 0 || servo > 25 || !m_Runtime) return -1;
  return m_Runtime->KLX_RuntimeDatabaseManagerGetServoData(servo);
}

CHeadupItem* KLX_DataBaseManager::KLX_DataBaseManagerHeadupGetItemAt(int index) {
  if (index < 0 || !m_Headup) return nullptr;
  return m_Headup->GetItemAt(index);
}

void KLX_DataBaseManager::HeadupSubscribe(int control, bool forward) {
  KLX_DataBaseManagerSetModelModifyFlag(true);
  const int first = KLX_CONTROL_VS_FIRST;
  if (!m_HeadupWindow || control < first || control >= first + KLX_DataBaseManagerGetMaxVirualSwitches()) return;
  CControl* published = KLX_DataBaseManagerGetControlByID(static_cast<unsigned short>(control));
  if (!published) {
    qCDebug(lcVornDebug) << (forward ? "KLX_HeadupForward: No control-ref found."
                                     : "KLX_HeadupBackward: No control-ref found.");
    return;
  }
  if (forward)
    m_HeadupWindow->SetForwardControl(static_cast<unsigned short>(control), published);
  else
    m_HeadupWindow->SetBackwardControl(static_cast<unsigned short>(control), published);
}

void KLX_DataBaseManager::KLX_SubscribeHeadupForwardControl(int control) { HeadupSubscribe(control, true); }
void KLX_DataBaseManager::KLX_SubscribeHeadupBackwardControl(int control) { HeadupSubscribe(control, false); }

int KLX_DataBaseManager::KLX_GetHeadupForwardControl() {
  return m_HeadupWindow ? m_HeadupWindow->GetForwardControl() : KLX_HeadupWindow::kNoControl;
}
int KLX_DataBaseManager::KLX_GetHeadupBackwardControl() {
  return m_HeadupWindow ? m_HeadupWindow->GetBackwardControl() : KLX_HeadupWindow::kNoControl;
}

void KLX_DataBaseManager::KLX_SetHeadupIndex(int index) {
  if (index < 1 || !m_HeadupWindow) return;
  m_HeadupWindow->SetIndex(unsigned(index));
}

int KLX_DataBaseManager::KLX_DataBaseManagerHeadupGetTimerInterval() {
  return m_HeadupWindow ? m_HeadupWindow->GetTimerInterval() : 0;
}
void KLX_DataBaseManager::KLX_DataBaseManagerHeadupSetTimerInterval(int ms) {
  if (m_HeadupWindow) m_HeadupWindow->SetTimerInterval(ms);
}
