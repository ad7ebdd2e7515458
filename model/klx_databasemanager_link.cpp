// The facade's doors for the live control values and for what the
// controllers report; the message handlers call them on the CAN receiver
// thread.
#include "model/klx_databasemanager.h"

#include "frame/klx_databasevalues.h"

#include <QtGlobal>

#include <cstring>


// ---- live control store ----------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerGetSet_ControlValueByControl(int control, int value, int dir) {
  if (!m_Stickdata) return KLX_Error;
  // The screens call it too, the receiver thread writes the values.
  m_Stickdata->KLX_StickdataLock();
  const int result = m_Stickdata->KLX_StickdataGetSetControl(static_cast<unsigned short>(control & 0xFFFF), value, dir);
  m_Stickdata->KLX_StickdataUnlock();
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManager_StickdataLock() {
  return m_Stickdata ? m_Stickdata->KLX_StickdataLock() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManager_StickdataUnlock() {
  return m_Stickdata ? m_Stickdata->KLX_StickdataUnlock() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSet_StickTrimDirectionClicked(int trim, int direction) {
  return m_Stickdata ? m_Stickdata->KLX_StickdataSetTrimDirectionClicked(trim, direction) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetAndClear_StickTrimDirection(int trim, bool clear) {
  if (!m_Stickdata) return KLX_Error;
  m_Stickdata->KLX_StickdataLock();
  const int direction = m_Stickdata->KLX_StickdataGetAndClearTrimDirection(trim, clear);
  m_Stickdata->KLX_StickdataUnlock();
  return direction;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSet_StickMovement(int value, int dir) {
  return m_Stickdata ? m_Stickdata->KLX_StickdataGetSetMovementFlag(value, dir) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManager_CheckControlMovement(unsigned short* id) {
  return m_Stickdata ? m_Stickdata->KLX_StickdataCheckMovement(id) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManager_StickdataFreezeMovement() {
  return m_Stickdata ? m_Stickdata->KLX_StickdataFreezeMovement() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManager_StickdataGetSet_LastControl(int id, int dir) {
  return m_Stickdata ? m_Stickdata->KLX_StickdataGetSet_LastControl(id, dir) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManager_FoundControl(unsigned short control) {
  emit controlSelected(control);
  return KLX_Ok;
}

void KLX_DataBaseManager::KLX_DataBaseManager_RepeatControl(unsigned short control) {
  emit controlRepeated(control);
}

void KLX_DataBaseManager::KLX_DataBaseManager_CheckLittleStickMovement() {
  if (m_Stickdata && m_Stickdata->KLX_StickdataIsStickMoved()) ++m_InactivityRestarts;
}

// ---- trims and special switches ---------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManager_IsTrimFlightModeDependent(int trim, int flightmode) {
  return m_Trim ? m_Trim->KLX_Trim_IsFlightModeDependent(trim, flightmode) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSpecialSwitchGetSet_Value(int index, int value, int dir, bool) {
  if (!m_SpecialSwitch) return Indexes_Out_Of_Range;
  const bool known = index >= 0 && index < m_SpecialSwitch->KLX_SpecialSwitchGetNumber();
  const int before = !dir && known ? m_SpecialSwitch->KLX_SpecialSwitchGetSet_Value(index, 0, AtomicDirGet) : 0;
  const int result = m_SpecialSwitch->KLX_SpecialSwitchGetSet_Value(index, value, dir);
  // A report from the controller is model data too: it is marked for the
  // engine, and for saving when it changed what the model holds (the
  // controller reports its values again at every start).
  if (!dir && result > KLX_Error) KLX_DataBaseManagerFunctionMarkSpecialSwitch(result != before);
  return result;
}

// ---- what the transceiver controller reports ---------------------------------

QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetTransLQI1(int value, int dir) {
  if (!dir) m_LQI1 = value;
  return QString::number(m_LQI1);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetTransLQI2(int value, int dir) {
  if (!dir) m_LQI2 = value;
  return QString::number(m_LQI2);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetTransRSSI1(int value, int dir) {
  if (!dir) m_RSSI1 = value;
  return QString::number(m_RSSI1);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetTransRSSI2(int value, int dir) {
  if (!dir) m_RSSI2 = value;
  return QString::number(m_RSSI2);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerUpdateInfo(unsigned char sequencer, bool flag,
                                                               unsigned char value, const unsigned int* data) {
  return m_Sequencer ? m_Sequencer->KLX_SequencerUpdateInfo(sequencer, flag, value, data) : KLX_Error;
}

// ---- telemetry entries -------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerHandleTelemetrieData(const unsigned char* frame) {
  return m_TelemetrieHandler.KLX_TelemetrieHandlerHandleSensorData(frame, this);
}

int KLX_DataBaseManager::KLX_DataBaseManagerHandleTelemetrieNoResp(unsigned char address) {
  return m_TelemetrieHandler.KLX_TelemetrieHandlerNoRespFromSensor(address, this);
}

int KLX_DataBaseManager::KLX_DataBaseManagerHandleTelemetrieVornData() {
  return m_TelemetrieHandler.KLX_TelemetrieHandlerHandleVornData(this);
}

int KLX_DataBaseManager::KLX_DataBaseManagerHandleVornTelemetrieData(unsigned char firstIndex,
                                                                    unsigned char count) {
  // The own sensor's record lines go by groups of eight values.
  const unsigned char group = firstIndex & ~7u;
  m_TelemetrieHandler.KLX_TelemetrieHandlerHandleVornSlavesData(this, group);
  if (group != firstIndex && firstIndex + (count % 8) > group + 8)
    m_TelemetrieHandler.KLX_TelemetrieHandlerHandleVornSlavesData(this, group + 8);
  return KLX_Ok;
}
