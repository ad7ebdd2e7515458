#include "timers/klx_preflightsettings.h"

#include <QMutexLocker>

#include "frame/klx_controlids.h"

namespace {
constexpr int kFixedList[] = {
    CONTROLID_Stick_STA_GUI, CONTROLID_Stick_STB_GUI, CONTROLID_Stick_STC_GUI, CONTROLID_Stick_STD_GUI,
    CONTROLID_SW_A_GUI,      CONTROLID_SW_B_GUI,      CONTROLID_SW_C_GUI,      CONTROLID_SW_D_GUI,
    CONTROLID_SW_E_GUI,      CONTROLID_SW_G_GUI,      CONTROLID_SW_CTO_GUI,    CONTROLID_SW_GTO_GUI,
    CONTROLID_SW_F_GUI,      CONTROLID_SW_N_GUI,      CONTROLID_SW_M_GUI,      CONTROLID_SW_L_GUI,
    CONTROLID_SW_K_GUI,      CONTROLID_SW_J_GUI,      CONTROLID_SW_H_GUI,      CONTROLID_SW_LTO_GUI,
    CONTROLID_SW_HTO_GUI,    CONTROLID_SW_I_GUI,      CONTROLID_Poti_ROA_GUI,  CONTROLID_Poti_SLA_GUI,
    CONTROLID_Poti_ROB_GUI,  CONTROLID_Poti_SLB_GUI};
constexpr int kMaxPosition = 2047;
constexpr int kBootFastStart = 3;

int Clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }
}  // namespace

KLX_PreflightSettings::KLX_PreflightSettings(QObject* parent) : QObject(parent) { Reset(); }

int KLX_PreflightSettings::KLX_PreflightSettingsInitialize() {
  Reset();
  return KLX_Ok;
}

void KLX_PreflightSettings::KLX_PreflightSettingsClearAll() {
  Reset();
  ++m_Clears;
}

void KLX_PreflightSettings::Reset() {
  QMutexLocker lock(&m_Mutex);
  m_Passed = true;
  m_Accuracy = kDefaultAccuracy;
  m_IsUsed = false;
  m_Used = 0;
  for (Entry& e : m_Entries) e = Entry();
}

void KLX_PreflightSettings::KLX_PreflightSettingsClear(PreflSettings_struct* buffer) {
  // Not in use and no control listed, so that a section without them
  // leaves the check off.
  if (buffer) *buffer = PreflSettings_struct();
}

bool KLX_PreflightSettings::KLX_isPreflightListChecked() {
  QMutexLocker lock(&m_Mutex);
  return m_Passed;
}

void KLX_PreflightSettings::KLX_PreflightSetIgnore(bool flag) {
  QMutexLocker lock(&m_Mutex);
  m_Passed = flag;
}

int KLX_PreflightSettings::KLX_PreflightGetControlStatus(int entry) const {
  if (entry < 0 || entry >= kEntries) return 0;
  QMutexLocker lock(&m_Mutex);
  return m_Entries[entry].status;
}

bool KLX_PreflightSettings::KLX_PreflightSettingsGetSet_IsUsed(bool value, int get, bool rearm) {
  QMutexLocker lock(&m_Mutex);
  if (!get) {
    m_IsUsed = value;
    if (rearm) m_Passed = !value;
  }
  return m_IsUsed;
}

int KLX_PreflightSettings::KLX_PreflightSettingsGetSet_Accuracy(int value, int get) {
  if (!get) m_Accuracy = static_cast<uint16_t>(Clamp(value, kMinAccuracy, kMaxAccuracy));
  return m_Accuracy;
}

bool KLX_PreflightSettings::KLX_CheckControlInFixedList(int id) {
  for (int c : kFixedList)
    if (c == id) return true;
  return false;
}

int KLX_PreflightSettings::KLX_PreflightSettingsFind_ControlIndex(int id, int from) const {
  if (from < 0) from = 0;
  for (int n = from; n < kEntries; ++n)
    if (m_Entries[n].id == id) return n;
  return kNone;
}

int KLX_PreflightSettings::KLX_PreflightSettingsFind_FirstEmptyControlIndex() const {
  for (int n = 0; n < kEntries; ++n)
    if (!KLX_CheckControlInFixedList(m_Entries[n].id)) return n;
  return kNone;
}

int KLX_PreflightSettings::KLX_PreflightSettingsCalcUsedControlsNumber() {
  int used = 0;
  for (const Entry& e : m_Entries)
    if (e.id != 0) ++used;
  m_Used = static_cast<uint16_t>(used);
  return used;
}

int KLX_PreflightSettings::KLX_PreflightSettingsGetSet_PhyControlID(int id, bool add, int get) {
  if (get) return id >= 0 && id < kEntries ? int(m_Entries[id].id) : int(KLX_Error);
  if (!KLX_CheckControlInFixedList(id)) return KLX_Error;
  int result = 0;
  if (add) {
    int n = KLX_PreflightSettingsFind_ControlIndex(id, 0);
    if (n == kNone) n = KLX_PreflightSettingsFind_FirstEmptyControlIndex();
    if (n == kNone) {
      result = KLX_Error;
    } else {
      m_Entries[n] = Entry{static_cast<uint16_t>(id), 0, 0};
      result = id;
    }
  } else {
    // A removed entry no longer blocks the check.
    for (Entry& e : m_Entries)
      if (e.id == id) e = Entry{0, 0, 1};
  }
  KLX_PreflightSettingsCalcUsedControlsNumber();
  return result;
}

int KLX_PreflightSettings::KLX_PreflightSettingsGetSet_ControlPosition(int id, int value, int get) {
  if (!KLX_CheckControlInFixedList(id)) return KLX_Error;
  const int n = KLX_PreflightSettingsFind_ControlIndex(id, 0);
  if (n == kNone) return KLX_Error;
  if (!get) m_Entries[n].position = static_cast<int16_t>(Clamp(value, -kMaxPosition, kMaxPosition));
  return m_Entries[n].position;
}

bool KLX_PreflightSettings::isControlInRange(int entry, int value) const {
  if (entry < 0 || entry >= kEntries) return true;
  const Entry& e = m_Entries[entry];
  if (!KLX_CheckControlInFixedList(e.id)) return true;
  const double tolerance = m_Accuracy / 100.0 * kMaxPosition;
  const int upper = Clamp(static_cast<int16_t>(static_cast<int>(e.position + tolerance)), -kMaxPosition, kMaxPosition);
  const int lower = Clamp(static_cast<int16_t>(static_cast<int>(e.position - tolerance)), -kMaxPosition, kMaxPosition);
  return lower <= value && value <= upper;
}

bool KLX_PreflightSettings::KLX_PreflightSettingsCheckControls(const short* values, const unsigned short* ids,
                                                             int count, int bootStatus) {
  QMutexLocker lock(&m_Mutex);
  if (!m_IsUsed || bootStatus == kBootFastStart) {
    m_Passed = true;
    return true;
  }
  if (!values || !ids || m_Passed) return m_Passed;
  bool all = true;
  for (int n = 0; n < kEntries && count > 0; ++n) {
    Entry& e = m_Entries[n];
    if (e.id == 0) continue;
    int at = 0;
    while (at < count && ids[at] != e.id) ++at;
    // A control the stick controller does not report does not block the start.
    if (at == count) continue;
    e.status = isControlInRange(n, values[at]) ? 1 : 0;
    if (!e.status) all = false;
  }
  m_Passed = all;
  return m_Passed;
}
