#include "model/klx_sequencer.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"

#include <QStringList>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "model/klx_switch.h"

namespace {
constexpr unsigned kErrName = 0x51003;
constexpr unsigned kErrDefaults = 0x51005;
constexpr unsigned kErrImageIndex = 0x51008;
constexpr unsigned kErrImageBuffer = 0x11007;
constexpr unsigned kErrDelete = 0x21001;
constexpr int kNoWaypoint = -2048;
constexpr int kVsThreshold = 511;
// Bytes between the forward and the backward track of a servo slot.
constexpr int kDirectionStride = offsetof(T_SequencerServo, TimeValueBwd) - offsetof(T_SequencerServo, TimeValueFwd);
static_assert(kDirectionStride == offsetof(T_SequencerServo, PositionBwd) - offsetof(T_SequencerServo, PositionFwd),
              "both tracks of a slot lie the same distance apart");

bool IsVirtualSwitch(int control) { return KLX_ControlIsVirtualSwitch(control); }
}  // namespace

const KLX_Field KLX_Sequencer::kFields[KLX_SequencerRow::Count] = {KLX_SEQUENCER_FIELDS(KLX_FIELD_DESC)};

KLX_Sequencer::KLX_Sequencer(QObject* parent)
    : QObject(parent), KLX_RecordArray(EngineCfgSequencers, KLX_MSG_ELEMENT_SEQUENCER, kl_engine_init_sequencer, "sequencer") {
  // A servo slot has two directions: a direction of 2 is a bad index.
  SetBounds(kFields, KLX_SequencerRow::Count,
            {KL_MAX_SEQUENCERS, KL_SERVOS_PER_SEQUENCER, kDirections, KL_SEQ_WAYPOINTS, 0});
  KLX_SequencerClearAll();
}

int KLX_Sequencer::KLX_SequencerInitialize(KLX_Protocol* protocol, KLX_Switch* switches) {
  if (switches) m_Switch = switches;
  return KLX_DataBaseTransmitterInitialize(protocol);
}

unsigned char* KLX_Sequencer::At(int row, int idx, int slot, int direction, int point, bool below) {
  const KLX_Field& f = kFields[row];
  unsigned char* p = RecordBytes(idx) + f.offset;
  if (row == KLX_SequencerRow::Threshold) return p + (below ? sizeof(int16_t) : 0);
  if (f.subPos) p += slot * f.stride;
  if (row == KLX_SequencerRow::TimePoint || row == KLX_SequencerRow::ServoWaypoint)
    p += direction * kDirectionStride + point * f.width;
  return p;
}

int KLX_Sequencer::ToInterface(int row, int raw) const {
  switch (row) {
    case KLX_SequencerRow::TimePoint:
      return raw / kMsPerTimeUnit;
    case KLX_SequencerRow::ServoWaypoint:
      return (raw < -2047 || raw > 2047) ? raw : CalcServoIn_200percentRange(raw, true);
    case KLX_SequencerRow::Threshold:
      return Calc_in100percentRange(raw, true);
    default:
      return raw;
  }
}

int KLX_Sequencer::FromInterface(int row, int value) const {
  const KLX_Field& f = kFields[row];
  if (row == KLX_SequencerRow::ServoWaypoint && value == kNoWaypoint) return kNoWaypoint;
  KLX_BaseClassDatabaseCheckBorderAtomicElement(f.clampId, &value, Border());
  switch (row) {
    case KLX_SequencerRow::IsUsedMode:
      return value & 0xFF;
    case KLX_SequencerRow::TimePoint:
      return value * kMsPerTimeUnit;
    case KLX_SequencerRow::ServoWaypoint:
      return CalcServoIn_200percentRange(value, false);
    case KLX_SequencerRow::Threshold:
      return Calc_in100percentRange(value, false);
    default:
      return value;
  }
}

int KLX_Sequencer::Field(int row, int idx, int slot, int direction, int point, int value, bool get, bool transmit) {
  const KLX_ModelLock lock;
  const KLX_Field& f = kFields[row];
  const bool tracked = row == KLX_SequencerRow::TimePoint || row == KLX_SequencerRow::ServoWaypoint;
  const bool inSlot = f.subPos != 0;
  const bool threshold = row == KLX_SequencerRow::Threshold;
  // For the threshold, "slot" carries the side (1 above, 0 below).
  const bool ok = KLX_BaseClassDatabaseCheckBorderIndex(Border(), &idx, inSlot ? &slot : nullptr,
                                                        tracked ? &direction : nullptr, tracked ? &point : nullptr);
  if (!ok) {
    if (!threshold) KLXErrorHandler.RegisterError(f.errCode, QString());
    return Indexes_Out_Of_Range;
  }
  unsigned char* p = At(row, idx, slot, direction, point, threshold && slot == 0);
  const auto load = [&] {
    return f.width == 1 ? static_cast<int>(*p)
                        : (f.isSigned ? static_cast<int>(static_cast<int16_t>(p[0] | (p[1] << 8)))
                                      : static_cast<int>(p[0] | (p[1] << 8)));
  };
  if (!get) {
    const int raw = FromInterface(row, value);
    p[0] = static_cast<unsigned char>(raw);
    if (f.width > 1) p[1] = static_cast<unsigned char>(raw >> 8);
    if (transmit) {
      const int stored = load();
      const char bytes[3] = {static_cast<char>(tracked ? point : 0), static_cast<char>(stored),
                             static_cast<char>(stored >> 8)};
      const int i1 = (inSlot || threshold) ? slot : 0;
      KLX_DataBaseTransmitterUpdateAtomicElement(static_cast<unsigned char>(idx), static_cast<unsigned char>(i1),
                                                 static_cast<unsigned char>(tracked ? direction : 0), f.msgId, bytes,
                                                 static_cast<unsigned char>(1 + f.width), KLX_MSG_ELEMENT_SEQUENCER);
    }
  }
  if (threshold && IsVirtualSwitch(m_Records[idx].ControlID))
    return Calc_in100percentRange(slot ? kVsThreshold : -kVsThreshold, true);
  return ToInterface(row, load());
}

int KLX_Sequencer::KLX_SequencerGetSet_IsUsedMode(int idx, int value, int get, bool transmit) {
  return Field(KLX_SequencerRow::IsUsedMode, idx, 0, 0, 0, value, get != 0, transmit);
}

int KLX_Sequencer::KLX_SequencerGetSet_Control(int idx, int value, int get, bool transmit) {
  return Field(KLX_SequencerRow::Control, idx, 0, 0, 0, value, get != 0, transmit);
}

int KLX_Sequencer::KLX_SequencerGetSet_Threshold(int idx, bool above, int value, int get, bool transmit) {
  return Field(KLX_SequencerRow::Threshold, idx, above ? 1 : 0, 0, 0, value, get != 0, transmit);
}

int KLX_Sequencer::KLX_SequencerGetSet_Servo(int idx, int slot, int servo, int get, bool transmit) {
  return Field(KLX_SequencerRow::Servo, idx, slot, 0, 0, servo, get != 0, transmit);
}

int KLX_Sequencer::KLX_SequencerGetSet_TimePoint(int idx, int slot, int direction, int point, int value, int get,
                                                 bool transmit) {
  return Field(KLX_SequencerRow::TimePoint, idx, slot, direction, point, value, get != 0, transmit);
}

int KLX_Sequencer::KLX_SequencerGetSet_ServoWaypoint(int idx, int slot, int direction, int point, int value,
                                                     int get, bool transmit) {
  return Field(KLX_SequencerRow::ServoWaypoint, idx, slot, direction, point, value, get != 0, transmit);
}

QString KLX_Sequencer::KLX_SequencerGetSet_Name(int idx, QString name, int get, bool) {
  return NameAccess(idx, name, get != 0, kErrName);
}

int KLX_Sequencer::KLX_SequencerToggle_LoopModeFlag(int idx) {
  const KLX_ModelLock lock;
  if (idx < 0 || idx >= BoardCount()) return Indexes_Out_Of_Range;
  const int mode = m_Records[idx].IsUsed;
  if (mode >= KL_SEQ_MODE_FIRST_CODE) return 0;
  KLX_SequencerGetSet_IsUsedMode(idx, mode ^ KL_SEQ_MODE_LOOP_FLAG, 0, true);
  return (m_Records[idx].IsUsed & KL_SEQ_MODE_LOOP_FLAG) ? 1 : 0;
}

int KLX_Sequencer::KLX_SequencerLoopFlagOfMode(int mode) {
  if (mode < KL_SEQ_MODE_FIRST_CODE) return (mode & KL_SEQ_MODE_LOOP_FLAG) ? 1 : 0;
  return (mode >= KL_SEQ_MODE_FIRST_PREVIEW && mode <= KL_SEQ_MODE_LAST_LOOP_PREVIEW) ? 1 : 0;
}

int KLX_Sequencer::KLX_SequencerGet_LoopModeFlag(int idx) {
  const KLX_ModelLock lock;
  if (idx < 0 || idx >= BoardCount()) return Indexes_Out_Of_Range;
  return KLX_SequencerLoopFlagOfMode(m_Records[idx].IsUsed);
}

int KLX_Sequencer::KLX_SequencerSet_ServoStartEndRange(int idx, int slot) {
  struct Step {
    int direction, point, time, position;
  };
  static const Step kSteps[] = {{0, 0, 0, -20}, {0, 6, 600, 20}, {1, 0, 0, 20}, {1, 6, 600, -20}};
  int result = KLX_Ok;
  for (const Step& s : kSteps) {
    result = KLX_SequencerGetSet_TimePoint(idx, slot, s.direction, s.point, s.time, 0, true);
    if (result <= KLX_Error) return result;
    result = KLX_SequencerGetSet_ServoWaypoint(idx, slot, s.direction, s.point, s.position, 0, true);
    if (result <= KLX_Error) return result;
  }
  return result;
}

int KLX_Sequencer::KLX_SequencerClear_Servo(int idx, int slot, bool transmit) {
  int result = KLX_SequencerGetSet_Servo(idx, slot, KL_NO_SERVO, 0, transmit);
  if (result != KL_NO_SERVO) return result;
  for (int direction = 0; direction < kDirections; ++direction)
    for (int point = 0; point < KL_SEQ_WAYPOINTS; ++point) {
      result = KLX_SequencerGetSet_TimePoint(idx, slot, direction, point, 0, 0, transmit);
      if (result > KLX_Error)
        result = KLX_SequencerGetSet_ServoWaypoint(idx, slot, direction, point, kNoWaypoint, 0, transmit);
    }
  return result;
}

QString KLX_Sequencer::KLX_SequencerGet_ServoList(int idx, bool pureIdx) {
  const KLX_ModelLock lock;
  QStringList servos;
  // No list for a sequencer that does not exist: the empty text.
  if (idx < 0 || idx >= KL_MAX_SEQUENCERS) return QString();
  const int count = KLX_BoardCount(EngineCfgServos);
  for (const T_SequencerServo& s : m_Records[idx].Servo) {
    const int servo = s.SEQChannel & 0xFF;
    if (servo < count) servos << QString::number(pureIdx ? servo : servo + 1);
  }
  if (servos.isEmpty()) return pureIdx ? QString() : QStringLiteral("---");
  return servos.join(QLatin1Char(','));
}

int KLX_Sequencer::KLX_SequencerGetFirstFreeServoChannel(unsigned char idx) {
  const KLX_ModelLock lock;
  if (idx >= KL_MAX_SEQUENCERS) return KLX_Error;
  const int count = KLX_BoardCount(EngineCfgServos);
  for (int slot = 0; slot < KL_SERVOS_PER_SEQUENCER; ++slot)
    if (m_Records[idx].Servo[slot].SEQChannel >= count) return slot;
  return KLX_Error;
}

int KLX_Sequencer::KLX_SequencerGetNextFreeIndex() const {
  if (!IsUsed(0)) return 0;
  if (BoardCount() > 1 && !IsUsed(1)) return 1;
  return Max_Sequencer_Number_Reached;
}

int KLX_Sequencer::KLX_SequencerReplace_ControlAll(int oldControl, int newControl) {
  const KLX_ModelLock lock;
  if (oldControl == newControl) return 0;
  int replaced = 0;
  for (int i = 0; i < BoardCount(); ++i) {
    if (m_Records[i].IsUsed == 0) continue;
    if (m_Records[i].ControlID == oldControl) KLX_SequencerGetSet_Control(i, newControl, 0, true);
    if (m_Records[i].ControlID == newControl) ++replaced;
  }
  return replaced;
}

int KLX_Sequencer::KLX_Sequencer_GetAllUsedPhyControls(QQueue<int>* list) {
  const KLX_ModelLock lock;
  if (!list || !m_Switch) return 0;
  const int before = list->size();
  for (int i = 0; i < BoardCount(); ++i) {
    if (!IsUsed(i)) continue;
    const int vs = m_Records[i].ControlID - KLX_CONTROL_VS_FIRST;
    if (vs < 0 || vs >= KLX_BoardCount(EngineCfgVirtualSwitches) || !m_Switch->IsUsed(vs)) continue;
    for (int input : m_Switch->KLX_SwitchGet_AllPhysiscalInputsOfVSchain(vs, false))
      if (!list->contains(input)) list->enqueue(input);
  }
  return list->size() > before ? 1 : 0;
}

int KLX_Sequencer::KLX_SequencerUpdateInfo(unsigned char idx, bool direction, unsigned char state,
                                           const unsigned int* value) {
  if (idx >= BoardCount() || !m_ReportMutex[idx].tryLock()) return KLX_Error;
  Report& r = m_Report[idx];
  r.takenOver = false;
  r.direction = direction;
  r.state = state;
  r.value = value ? *value : 0;
  m_ReportMutex[idx].unlock();
  return KLX_Ok;
}

int KLX_Sequencer::KLX_SequencerSynronize(unsigned char idx) {
  if (idx >= BoardCount() || !m_ReportMutex[idx].tryLock()) return KLX_Error;
  Report& r = m_Report[idx];
  int result = KLX_Error;
  if (!r.takenOver) {
    result = kl_engine_sequencer_synchronize(idx, r.direction, r.state, static_cast<int32_t>(r.value));
    r.takenOver = true;
  }
  m_ReportMutex[idx].unlock();
  return result;
}

int KLX_Sequencer::KLX_SequencerSetToDefaultValues(unsigned char n, T_Sequencer* records) {
  if (n >= KL_MAX_SEQUENCERS || !records) {
    KLXErrorHandler.RegisterError(kErrDefaults, QString());
    return KLX_Error;
  }
  Defaults(&records[n], kl_engine_init_sequencer);
  return KLX_Ok;
}

int KLX_Sequencer::KLX_SequencerDelete(int idx) { return DeleteUnit(idx, kErrDelete); }

int KLX_Sequencer::KLX_SequencerSet_SequencerUnit(int idx, const T_Sequencer* records) {
  if (!records || idx < 0 || idx >= KL_MAX_SEQUENCERS) return KLX_Error;
  return CopyRecordIn(idx, &records[idx]);
}

int KLX_Sequencer::KLX_SequencerCopySingleUnit(int idx, T_Sequencer* records) const {
  if (!records || idx < 0 || idx >= KL_MAX_SEQUENCERS) return KLX_Error;
  return CopyRecordOut(idx, &records[idx]);
}

int KLX_Sequencer::KLX_SequencerCopyUnit(int idx, unsigned char* buffer) const {
  return CopyUnitImage(idx, buffer, kErrImageBuffer, kErrImageIndex);
}
