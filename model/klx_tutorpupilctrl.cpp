#include "model/klx_tutorpupilctrl.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"

#include <QMutexLocker>

#include <cmath>
#include <cstring>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "link/klx_protocol.h"
#include "model/engine/kl_engine.h"
#include "model/klx_ccontrol.h"

namespace {
constexpr unsigned kErrDefaults = 0x54D01;
constexpr unsigned kErrControlItem = 0x54D02;
constexpr unsigned kErrItem = 0x54D03;
constexpr uint8_t kUsed = 0x80;
constexpr uint8_t kEnabled = 0x40;
constexpr int kMaxValue = 2047;
constexpr int kConfigLength = 26;

const TutorPupilCtrl_struct kDefaultItem = {0, 0, 0xFFFF, 0xFF, 0xFF, 0xFF, 0, -2048, -128, 0};

bool IsSet(int dir) { return dir == AtomicDirSet || dir == AtomicDirGotten; }
}  // namespace

KLX_TutorPupilCtrl::KLX_TutorPupilCtrl(QObject* parent) : QObject(parent) {
  m_Border.IndexMax[0] = kItems;
  m_Border.IndexMax[1] = kChannels;
  m_Border.Max[0] = kMaxValue;
  m_Border.Min[0] = -kMaxValue;
  for (TutorPupilCtrl_struct& item : m_Items) item = kDefaultItem;
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_Initialize(KLX_Protocol* protocol) {
  if (!protocol) return KLX_Error;
  return KLX_DataBaseTransmitterInitialize(protocol);
}

bool KLX_TutorPupilCtrl::BadItem(int item, unsigned code) const {
  if (KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &item)) return false;
  KLXErrorHandler.RegisterError(code, QString());
  return true;
}

bool KLX_TutorPupilCtrl::IsVirtualSwitch(int control) const {
  return control >= KLX_CONTROL_VS_FIRST &&
         control < KLX_ControlOfVirtualSwitch(kl_engine_cfg_count(EngineCfgVirtualSwitches));
}

int KLX_TutorPupilCtrl::SendChannel(int internal, int external) {
  if (!m_Protocol) return KLX_Error;
  const char data[2] = {static_cast<char>(internal), static_cast<char>(external)};
  return m_Protocol->KLX_ProtocolSendMessage(2, data, KLX_MSG_TUTOR_CHANNEL, KLX_NODE_APPLICATION);
}

int KLX_TutorPupilCtrl::SendConfig(bool withoutActivator) {
  if (!m_Protocol) return KLX_Error;
  unsigned char data[kConfigLength];
  std::memset(data, kNone, sizeof data);
  data[0] = m_Allow;
  int map = 1;
  if (!withoutActivator && IsVirtualSwitch(m_Activator)) data[map++] = static_cast<unsigned char>(m_Activator & 0xFF);
  for (const TutorPupilCtrl_struct& item : m_Items) {
    if ((item.Flags & (kUsed | kEnabled)) != (kUsed | kEnabled) || item.IntIndex >= kControlIndices) continue;
    data[map + item.IntIndex] = item.ExtIndex;
  }
  return m_Protocol->KLX_ProtocolSendMessage(kConfigLength, reinterpret_cast<const char*>(data), KLX_MSG_TUTOR_EXT_CONTROLS, KLX_NODE_APPLICATION);
}

void KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_ClearAll() {
  QMutexLocker lock(&m_Mutex);
  m_Activator = 0xFFFF;
  m_Awaiting = kNone;
  for (TutorPupilCtrl_struct& item : m_Items) item = kDefaultItem;
}

void KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_ClearActivator() {
  QMutexLocker lock(&m_Mutex);
  m_Activator = 0xFFFF;
  m_Awaiting = kNone;
}

void KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_Default() {
  KLX_TutorPupilCtrl_ClearAll();
  QMutexLocker lock(&m_Mutex);
  m_Allow = 0;
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_ClearAt(int item) {
  QMutexLocker lock(&m_Mutex);
  if (BadItem(item, kErrItem)) return KLX_Error;
  const int internal = m_Items[item].IntIndex;
  m_Items[item] = kDefaultItem;
  if (m_Awaiting == item) m_Awaiting = kNone;
  if (internal < kControlIndices) SendChannel(internal, kNone);
  return KLX_Ok;
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_Get_NextFreeIndex() const {
  QMutexLocker lock(&m_Mutex);
  for (int i = 0; i < kItems; ++i)
    if (!(m_Items[i].Flags & kUsed)) return i;
  return Max_TutorPupil_Number_Reached;
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_Get_IntControlIndex(int item) const {
  QMutexLocker lock(&m_Mutex);
  if (BadItem(item, kErrItem)) return KLX_Error;
  return m_Items[item].IntIndex;
}

void KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_SetToDefaultValues(TutorPupilCtrl_struct* item) const {
  if (!item) {
    KLXErrorHandler.RegisterError(kErrDefaults, QString());
    return;
  }
  *item = kDefaultItem;
}

TutorPupilCtrl_struct KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_Item(int item) const {
  QMutexLocker lock(&m_Mutex);
  return (item >= 0 && item < kItems) ? m_Items[item] : kDefaultItem;
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_GetSet_IsUsed(int item, int value, int dir) {
  QMutexLocker lock(&m_Mutex);
  if (BadItem(item, kErrItem)) return KLX_Error;
  TutorPupilCtrl_struct& it = m_Items[item];
  if (dir == AtomicDirSet) it.Flags = value ? (it.Flags | kUsed) : (it.Flags & ~kUsed);
  return (it.Flags & kUsed) ? 1 : 0;
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_GetSet_IsEnabled(int item, int value, int dir) {
  QMutexLocker lock(&m_Mutex);
  if (BadItem(item, kErrItem)) return KLX_Error;
  TutorPupilCtrl_struct& it = m_Items[item];
  if (IsSet(dir) && it.ExtIndex < kChannels && it.IntIndex < kControlIndices) {
    it.Flags = value ? (it.Flags | kEnabled) : (it.Flags & ~kEnabled);
    if (dir == AtomicDirSet) SendChannel(it.IntIndex, value ? it.ExtIndex : kNone);
  }
  return (it.Flags & kEnabled) ? 1 : 0;
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_GetSet_CurrentControlValue(int item, int value, int dir) {
  QMutexLocker lock(&m_Mutex);
  if (BadItem(item, kErrItem)) return KLX_Error;
  if (IsSet(dir)) {
    KLX_BaseClassDatabaseCheckBorderAtomicElement(0, &value, &m_Border);
    m_Items[item].Value = static_cast<int16_t>(value);
  }
  return m_Items[item].Value;
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_Get_CurrentValuePercentage(int item) {
  QMutexLocker lock(&m_Mutex);
  if (BadItem(item, kErrItem)) return KLX_Error;
  TutorPupilCtrl_struct& it = m_Items[item];
  it.Percent = static_cast<int8_t>(std::lround(it.Value * 100.0 / kMaxValue));
  return it.Percent;
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_GetSetItem_AwaitingForExtChIndex(int channel, int dir) {
  int item;
  {
    QMutexLocker lock(&m_Mutex);
    if (dir != AtomicDirSet || m_Awaiting == kNone) return m_Awaiting;
    // The channel comes from the pupil's transmitter: checked before use.
    int zero = 0;
    if (!KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &zero, &channel)) return KLX_Error;
    item = m_Awaiting;
    m_Items[item].ExtAwaited = static_cast<uint8_t>(channel);
  }
  emit tutorPupilInformer(channel);
  return item;
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_GetSet_ExternalChIndex(int item, int value, int dir) {
  QMutexLocker lock(&m_Mutex);
  if (BadItem(item, kErrItem)) return KLX_Error;
  TutorPupilCtrl_struct& it = m_Items[item];
  if (!IsSet(dir)) return it.ExtIndex;
  if (value == kNone) {
    it.ExtIndex = kNone;
    it.Flags &= ~kEnabled;
    if (m_Awaiting == item) m_Awaiting = kNone;
  } else if (value == kAwaitChannel) {
    m_Awaiting = static_cast<uint8_t>(item);
  } else {
    int zero = 0;
    if (!KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &zero, &value)) return KLX_Error;
    it.ExtIndex = static_cast<uint8_t>(value);
    it.ExtAwaited = kNone;
    m_Awaiting = kNone;
  }
  if (it.IntIndex < kControlIndices) {
    // A released channel stays disabled; a real one enables the item.
    if (it.ExtIndex < kChannels) it.Flags |= kEnabled;
    if (dir == AtomicDirSet) SendChannel(it.IntIndex, it.ExtIndex);
  }
  return it.ExtIndex;
}

int KLX_TutorPupilCtrl::KLX_TutorPupil_GetSet_AllowProperty(bool allow, int dir) {
  QMutexLocker lock(&m_Mutex);
  if (dir == AtomicDirGet) return m_Allow;
  if (!IsSet(dir)) return KLX_Error;
  m_Allow = allow ? 1 : 0;
  if (dir == AtomicDirSet && m_Protocol) {
    const char data[1] = {static_cast<char>(m_Allow)};
    m_Protocol->KLX_ProtocolSendMessage(1, data, KLX_MSG_TUTOR_ALLOW, KLX_NODE_APPLICATION);
  }
  return m_Allow;
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_SendExternalControlsConfig(bool allow, bool withoutActivator) {
  QMutexLocker lock(&m_Mutex);
  if (allow) m_Allow = 1;
  return SendConfig(withoutActivator);
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_GetSet_Activator(int control, int dir) {
  QMutexLocker lock(&m_Mutex);
  if (dir == AtomicDirGet) return m_Activator;
  if (!IsSet(dir) || !IsVirtualSwitch(control)) return KLX_Error;
  m_Activator = static_cast<uint16_t>(control);
  if (dir == AtomicDirSet) SendConfig(false);
  return m_Activator;
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_ConvertCtrlIDToControlIndex(int control) {
  const int index = KLX_StickControlIndex(control);
  return index < kControlIndices ? index : kControlIndices;
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_CheckAsInput(int control, int item) const {
  QMutexLocker lock(&m_Mutex);
  return Busy(control, item);
}

int KLX_TutorPupilCtrl::Busy(int control, int item) const {
  for (int i = 0; i < kItems; ++i) {
    if (i == item || !(m_Items[i].Flags & kUsed)) continue;
    if (m_Items[i].ControlId == control) return TutorPupilControlIsBusy;
  }
  return 0;
}

int KLX_TutorPupilCtrl::KLX_TutorPupilCtrl_GetSetControlID(int item, int control, int dir) {
  QMutexLocker lock(&m_Mutex);
  if (BadItem(item, kErrControlItem)) return KLX_Error;
  TutorPupilCtrl_struct& it = m_Items[item];
  if (!IsSet(dir)) return it.ControlId;
  if (Busy(control, item) != 0) return TutorPupilControlIsBusy;
  const int internal = KLX_TutorPupilCtrl_ConvertCtrlIDToControlIndex(control);
  if (internal >= kControlIndices) return KLX_Error;
  // The controller keeps feeding the channel from the old control unless
  // that one is released first.
  if (dir == AtomicDirSet && it.IntIndex < kControlIndices && it.IntIndex != internal && it.ExtIndex < kChannels)
    SendChannel(it.IntIndex, kNone);
  it.IntIndex = static_cast<uint8_t>(internal);
  it.ControlId = static_cast<uint16_t>(control);
  if (it.ExtIndex < kChannels) {
    it.Flags |= kEnabled;
    if (dir == AtomicDirSet) SendChannel(internal, it.ExtIndex);
  }
  return it.ControlId;
}
