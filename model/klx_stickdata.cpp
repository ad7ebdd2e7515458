#include "model/klx_stickdata.h"

#include "frame/klx_databasevalues.h"

#include <cstdlib>
#include <cstring>

namespace {
constexpr int kNoValue = -2048;
constexpr int kElementValue = 0;
constexpr int kElementMovementFlag = 1;
// A change beyond this marks the sticks as moved (inactivity timer).
constexpr int kMovedDelta = 20;
}  // namespace

const unsigned short KLX_Stickdata::m_PhyCtlID[kPhysicalSlots] = {
    // sticks
    CONTROLID_Stick_STA_GUI, CONTROLID_Stick_STB_GUI, CONTROLID_Stick_STC_GUI, CONTROLID_Stick_STD_GUI,
    // rotaries and sliders
    CONTROLID_Poti_ROA_GUI, CONTROLID_Poti_SLA_GUI, CONTROLID_Poti_ROB_GUI, CONTROLID_Poti_SLB_GUI,
    // trims A to F
    CONTROLID_RE_TRA_GUI, CONTROLID_RE_TRB_GUI, CONTROLID_RE_TRC_GUI, CONTROLID_RE_TRD_GUI, CONTROLID_RE_TRE_GUI,
    CONTROLID_RE_TRF_GUI,
    // switches A-G, H
    CONTROLID_SW_A_GUI, CONTROLID_SW_B_GUI, CONTROLID_SW_C_GUI, CONTROLID_SW_D_GUI, CONTROLID_SW_E_GUI,
    CONTROLID_SW_F_GUI, CONTROLID_SW_G_GUI, CONTROLID_SW_H_GUI,
    // switches I-N
    CONTROLID_SW_I_GUI, CONTROLID_SW_J_GUI, CONTROLID_SW_K_GUI, CONTROLID_SW_L_GUI, CONTROLID_SW_M_GUI,
    CONTROLID_SW_N_GUI,
    // special switches
    CONTROLID_SW_CTO_GUI, CONTROLID_SW_GTO_GUI, CONTROLID_SW_LTO_GUI, CONTROLID_SW_HTO_GUI,
};

KLX_Stickdata::KLX_Stickdata(QObject* parent) : QObject(parent) {
  std::memset(&m_Border, 0, sizeof(m_Border));
  m_Border.Max[kElementValue] = 2047;
  m_Border.Min[kElementValue] = -2047;
  m_Border.Max[kElementMovementFlag] = 1;
  m_Border.Min[kElementMovementFlag] = 0;
  KLX_StickdataClearAll();
}

void KLX_Stickdata::KLX_StickdataClearAll() {
  for (T_Stick* r : {&m_Current, &m_Reference, &m_SavedTrims}) {
    std::memset(r, 0, sizeof(*r));
    r->threshold = 204;
    r->trimThreshold = 1;
  }
  for (int16_t& v : m_Current.values) v = kNoValue;
}

int KLX_Stickdata::KLX_StickdataInitialize(KLX_Protocol* protocol) {
  return KLX_DataBaseTransmitterInitialize(protocol);
}

int KLX_Stickdata::SlotOfControl(unsigned short id) {
  for (int i = 0; i < kPhysicalSlots; ++i)
    if (m_PhyCtlID[i] == id) return i;
  if (id >= KLX_CONTROL_EXTRA_FIRST && id < KLX_CONTROL_EXTRA_FIRST + (kSlots - kPhysicalSlots))
    return kPhysicalSlots + (id - KLX_CONTROL_EXTRA_FIRST);
  return -1;
}

int KLX_Stickdata::KLX_StickdataGetSetControl(unsigned short id, int value, int get) {
  switch (id) {
    case CONTROLID_None_GUI: return kNoValue;
    case KLX_CONTROL_FIXED_ZERO: return 0;
    case CONTROLID_FIXSWITCH_ON_GUI: return 2047;
    case CONTROLID_FIXSWITCH_OFF_GUI: return -2047;
    default: break;
  }
  const int slot = SlotOfControl(id);
  if (slot < 0) return KLX_Error;
  if (get) return m_Current.values[slot];
  KLX_BaseClassDatabaseCheckBorderAtomicElement(kElementValue, &value, &m_Border);
  const int old = m_Current.values[slot];
  if (old != kNoValue && std::abs(value - old) > kMovedDelta) m_StickMoved = 1;
  m_Current.values[slot] = static_cast<int16_t>(value);
  return value;
}

int KLX_Stickdata::KLX_StickdataGetPhyControlValues(short* values, unsigned short* ids) const {
  if (values) {
    for (int i = 0; i < kPhysicalSlots; ++i) {
      values[i] = m_Current.values[i];
      if (ids) ids[i] = m_PhyCtlID[i];
    }
  }
  return kPhysicalSlots;
}

int KLX_Stickdata::KLX_StickdataIsStickMoved() { return m_StickMoved.exchange(0); }

int KLX_Stickdata::KLX_StickdataSetTrimDirectionClicked(int trim, int direction) {
  if (trim < 0 || trim >= kTrims) return KLX_Error;
  int8_t& pending = m_Current.trimDirection[trim];
  if (pending != 0) return pending;
  if (direction > 0)
    pending = 1;
  else if (direction < 0)
    pending = -1;
  return pending;
}

int KLX_Stickdata::KLX_StickdataGetAndClearTrimDirection(int trim, bool clear) {
  if (trim < 0 || trim >= kTrims) return KLX_Error;
  const int pending = m_Current.trimDirection[trim];
  if (clear) m_Current.trimDirection[trim] = 0;
  return pending;
}

int KLX_Stickdata::KLX_StickdataSetSearchControlClass(bool trims) {
  m_SearchClass = trims ? 1 : 0;
  return KLX_Ok;
}

int KLX_Stickdata::KLX_StickdataGetSetMovementFlag(int value, int get) {
  if (get) return m_Current.movementFlag;
  KLX_BaseClassDatabaseCheckBorderAtomicElement(kElementMovementFlag, &value, &m_Border);
  m_Current.movementFlag = static_cast<uint8_t>(value);
  return value;
}

int KLX_Stickdata::KLX_StickdataFreezeMovement() {
  m_Reference = m_Current;
  m_Current.movementFlag = 1;
  return KLX_Ok;
}

int KLX_Stickdata::KLX_StickdataCheckMovement(unsigned short* id) {
  int candidate = -1;
  auto moved = [&](int slot, int threshold) {
    return std::abs(m_Current.values[slot] - m_Reference.values[slot]) >= threshold;
  };
  auto found = [&](int slot) {
    if (id) *id = m_PhyCtlID[slot];
    return int(KLX_Ok);
  };
  if (m_SearchClass == 0) {
    // A rotary, slider or switch wins over a stick; of several sticks the last.
    for (int slot = 0; slot < 4; ++slot)
      if (moved(slot, m_Current.threshold)) candidate = slot;
    for (int slot = 4; slot < 8; ++slot)
      if (moved(slot, m_Current.threshold)) return found(slot);
    for (int slot = 14; slot < 28; ++slot)
      if (moved(slot, m_Current.threshold)) return found(slot);
  } else {
    for (int slot = 8; slot < 14; ++slot)
      if (moved(slot, m_Current.trimThreshold)) return found(slot);
  }
  if (candidate >= 0) return found(candidate);
  if (id) *id = 0;
  return No_Movement_Detect;
}

void KLX_Stickdata::KLX_StickdataStartDetection() {
  for (int slot = 8; slot < 14; ++slot) m_SavedTrims.values[slot] = m_Current.values[slot];
}

void KLX_Stickdata::KLX_StickdataStopDetection() {
  for (int slot = 8; slot < 14; ++slot) m_Current.values[slot] = m_SavedTrims.values[slot];
}

int KLX_Stickdata::KLX_StickdataGetSet_LastControl(int id, int get) {
  if (get) return m_LastControl;
  m_LastControl = static_cast<uint16_t>(id);
  return m_LastControl;
}

int KLX_Stickdata::KLX_StickdataLock() {
  m_Mutex.lock();
  return KLX_Ok;
}

int KLX_Stickdata::KLX_StickdataUnlock() {
  m_Mutex.unlock();
  return KLX_Ok;
}
