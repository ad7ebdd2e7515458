#include "sim/csimmodel.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace {
// In the order of the kinds.
const CSimModel::KindInfo kKinds[CSimModel::KindCount] = {
    {80, 64, 888, 48},   // function
    {83, 67, 102, 27},   // flight mode
    {82, 66, 334, 48},   // limiter
    {81, 65, 348, 48},   // mixer
    {85, 69, 356, 2},    // sequencer
    {86, 70, 100, 26},   // servo configuration
    {84, 68, 72, 255},   // curve
    {88, 72, 24, 128},   // virtual switch
    {89, 73, 44, 1},     // flight-mode assignment
    {90, 74, 64, 6},     // trim
    {91, 0, 8, 1},       // special switch
    {92, 76, 18, 16},    // telemetry control
};

// The checksum's order of kinds, and where each record's bytes begin.
struct CrcPart {
  int kind;
  bool usedOnly;
  int from;
};
const CrcPart kCrcOrder[] = {
    {CSimModel::ServoConfig, true, 0}, {CSimModel::Function, true, 0},  {CSimModel::Mixer, true, 0},
    // A sequencer's first two bytes change while the model runs.
    {CSimModel::Sequencer, true, 2},   {CSimModel::Limiter, true, 0},   {CSimModel::Flightmode, true, 0},
    {CSimModel::Curve, true, 0},       {CSimModel::Trim, false, 0},     {CSimModel::VSwitch, true, 0},
    {CSimModel::SpecialSwitch, false, 0}, {CSimModel::FmAssign, false, 0}, {CSimModel::TeleControl, true, 0},
};

// A field of a single-field update: its place in the record is
// base + stride x sub-index 1, plus `second` when sub-index 2 is set. In the
// one-record kinds the unit index numbers the entry instead.
struct Field {
  int message;
  int id;
  int base;
  int width;
  int stride;
  int second;
};
const Field kFields[] = {
    // functions
    {64, 1, 0, 1, 0, 0}, {64, 2, 2, 2, 0, 0}, {64, 3, 4, 2, 0, 0}, {64, 4, 6, 2, 0, 0}, {64, 5, 8, 2, 0, 0},
    {64, 28, 10, 2, 0, 0}, {64, 6, 12, 2, 0, 0}, {64, 7, 14, 2, 0, 0}, {64, 8, 16, 1, 0, 0}, {64, 9, 17, 1, 0, 0},
    {64, 10, 18, 1, 0, 0}, {64, 11, 20, 2, 0, 0}, {64, 12, 22, 2, 0, 0},
    {64, 13, 24, 2, 30, 0}, {64, 15, 26, 2, 30, 0}, {64, 14, 28, 2, 30, 0}, {64, 16, 30, 2, 30, 0},
    {64, 18, 32, 2, 30, 6}, {64, 17, 34, 2, 30, 6}, {64, 19, 36, 2, 30, 6},
    {64, 21, 44, 2, 30, 0}, {64, 20, 46, 2, 30, 0}, {64, 22, 48, 2, 30, 0}, {64, 23, 50, 2, 30, 0},
    {64, 24, 52, 2, 30, 0}, {64, 25, 834, 2, 0, 0}, {64, 26, 836, 2, 4, 0}, {64, 29, 838, 2, 4, 0},
    {64, 27, 876, 4, 0, 0}, {64, 30, 880, 4, 0, 0}, {64, 31, 884, 4, 0, 0},
    // mixers
    {65, 1, 0, 1, 0, 0}, {65, 2, 1, 1, 0, 0}, {65, 3, 2, 2, 0, 0}, {65, 4, 4, 2, 0, 0}, {65, 5, 6, 1, 0, 0},
    {65, 6, 8, 2, 0, 0}, {65, 7, 10, 2, 0, 0}, {65, 8, 12, 2, 0, 0}, {65, 10, 14, 2, 12, 0}, {65, 9, 16, 2, 12, 0},
    {65, 11, 18, 2, 12, 0}, {65, 12, 20, 2, 12, 0}, {65, 13, 22, 2, 12, 0}, {65, 14, 24, 2, 12, 0},
    {65, 15, 340, 4, 0, 0}, {65, 16, 344, 4, 0, 0},
    // limiters
    {66, 1, 0, 1, 0, 0}, {66, 2, 2, 2, 0, 0}, {66, 3, 4, 2, 0, 0}, {66, 4, 6, 2, 0, 0}, {66, 5, 8, 2, 0, 0},
    {66, 7, 10, 2, 6, 0}, {66, 6, 12, 2, 6, 0}, {66, 8, 14, 2, 6, 0}, {66, 10, 172, 2, 6, 0}, {66, 9, 174, 2, 6, 0},
    {66, 11, 176, 2, 6, 0},
    // flight modes
    {67, 1, 0, 1, 0, 0}, {67, 2, 2, 2, 0, 0}, {67, 3, 4, 2, 0, 0}, {67, 4, 6, 2, 2, 0},
    // curves
    {68, 1, 0, 1, 0, 0}, {68, 3, 2, 2, 2, 0}, {68, 2, 68, 4, 0, 0},
    // servo configurations
    {70, 1, 0, 1, 0, 0}, {70, 2, 1, 1, 0, 0}, {70, 3, 2, 1, 0, 0}, {70, 4, 4, 2, 0, 0}, {70, 5, 6, 2, 0, 0},
    {70, 6, 8, 2, 0, 0}, {70, 7, 10, 1, 0, 0}, {70, 10, 11, 1, 0, 0}, {70, 15, 12, 1, 0, 0}, {70, 16, 14, 2, 0, 0},
    {70, 17, 16, 1, 0, 0}, {70, 18, 18, 2, 0, 0}, {70, 11, 20, 1, 10, 0}, {70, 12, 22, 2, 10, 0},
    {70, 13, 24, 2, 10, 0}, {70, 14, 26, 2, 10, 0}, {70, 19, 28, 2, 10, 0},
    // virtual switches: sub-index 1 chooses the condition block
    {72, 1, 0, 1, 0, 0}, {72, 2, 1, 1, 0, 0}, {72, 3, 2, 1, 0, 0}, {72, 4, 4, 2, 10, 0}, {72, 5, 6, 2, 10, 0},
    {72, 6, 8, 2, 10, 0}, {72, 7, 10, 2, 10, 0}, {72, 8, 12, 1, 10, 0},
    // flight-mode assignment (one record: the unit index is the entry)
    {73, 1, 0, 2, 2, 0}, {73, 2, 16, 1, 1, 0},
    // trims: sub-index 1 is the flight mode
    {74, 1, 0, 2, 0, 0}, {74, 2, 2, 1, 0, 0}, {74, 3, 4, 2, 2, 0}, {74, 4, 60, 4, 0, 0},
    // telemetry controls
    {76, 1, 0, 1, 0, 0}, {76, 2, 1, 1, 0, 0}, {76, 12, 2, 1, 0, 0}, {76, 3, 3, 1, 0, 0}, {76, 4, 4, 1, 0, 0},
    {76, 5, 5, 1, 0, 0}, {76, 8, 6, 2, 0, 0}, {76, 11, 8, 2, 0, 0}, {76, 6, 10, 2, 0, 0}, {76, 7, 12, 2, 0, 0},
    {76, 9, 14, 2, 0, 0}, {76, 10, 16, 2, 0, 0},
};

// The sequencer's fields carry a waypoint index in value byte 0 and the
// value from byte 1; sub-index 2 is the direction (0 forward, 1 backward).
constexpr int kSequencerMessage = 69;
constexpr int kSequencerServoBlock = 58;
constexpr int kSequencerServos = 6;
constexpr int kWaypoints = 7;

constexpr int kTrims = 6;
constexpr int kFlightModes = 27;
constexpr int kTrimValues = 4;
constexpr int kTrimMask = 60;

// What a flight mode owns in the other records, at its defaults: a
// function's set-up (no curve, the three rates at 100 %) and a mixer's
// set-up (+50 %, 0, -50 %, no curve).
constexpr int kFunctionSetups = 24;
constexpr int kFunctionSetupSize = 30;
constexpr int kMixerSetups = 14;
constexpr int kMixerSetupSize = 12;
constexpr int kNoCurve = 255;
constexpr int kFullRate = 2047;
constexpr int kHalfGain = 1024;
// A new model's trims step 2 %, its flight-mode switches are unassigned and
// its toggle switches stand at +100 %. Its flight modes fade every function
// in (no function listed) and its curves are straight lines of 33 points
// from -2047 to 2047, five of them shown.
constexpr int kFadeListOffset = 6;
constexpr int kFadeListEntries = 48;
constexpr int kNoFunction = 48;
constexpr int kCurvePoints = 33;
constexpr int kCurvePointsOffset = 2;
constexpr int kCurveShownOffset = 68;
constexpr int kCurveShown = 5;
constexpr int kTrimSteps = 41;
constexpr int kFmSwitchSlots = 8;
constexpr int kNoControl = 65535;
constexpr int kToggleOn = 2047;

void PutLe16(unsigned char* p, int value) {
  p[0] = quint8(value & 0xFF);
  p[1] = quint8((value >> 8) & 0xFF);
}

const quint32 kFileMagic = 0x564D444CU;  // "VMDL"
}  // namespace

const CSimModel::KindInfo& CSimModel::Info(int kind) { return kKinds[kind >= 0 && kind < KindCount ? kind : 0]; }

int CSimModel::KindOfUnitMessage(int id) {
  for (int k = 0; k < KindCount; ++k)
    if (kKinds[k].unitMessage == id) return k;
  return -1;
}

int CSimModel::KindOfFieldMessage(int id) {
  for (int k = 0; k < KindCount; ++k)
    if (kKinds[k].fieldMessage != 0 && kKinds[k].fieldMessage == id) return k;
  return -1;
}

quint32 CSimModel::Crc32c(const QByteArray& data) {
  quint32 crc = 0xFFFFFFFFU;
  for (char c : data) {
    crc ^= quint8(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0x82F63B78U & (0U - (crc & 1U)));
  }
  return ~crc;
}

CSimModel::CSimModel() { Clear(); }

CSimModel CSimModel::Unshared() const {
  CSimModel copy;
  for (int k = 0; k < KindCount; ++k) copy.m_Records[k] = QByteArray(m_Records[k].constData(), m_Records[k].size());
  return copy;
}

void CSimModel::Clear() {
  for (int k = 0; k < KindCount; ++k) m_Records[k] = QByteArray(kKinds[k].recordSize * kKinds[k].capacity, '\0');
}

void CSimModel::ClearToNew() {
  Clear();
  for (int t = 0; t < kTrims; ++t) PutLe16(At(Trim, t, 0, 2), kTrimSteps);
  for (int slot = 0; slot < kFmSwitchSlots; ++slot) PutLe16(At(FmAssign, 0, 2 * slot, 2), kNoControl);
  for (int slot = 0; slot < 4; ++slot) PutLe16(At(SpecialSwitch, 0, 2 * slot, 2), kToggleOn);
  for (int fm = 0; fm < kKinds[Flightmode].capacity; ++fm)
    for (int f = 0; f < kFadeListEntries; ++f) PutLe16(At(Flightmode, fm, kFadeListOffset + 2 * f, 2), kNoFunction);
  for (int c = 0; c < kKinds[Curve].capacity; ++c) {
    // p x 4094 / 32, rounded half up.
    for (int p = 0; p < kCurvePoints; ++p)
      PutLe16(At(Curve, c, kCurvePointsOffset + 2 * p, 2), -kFullRate + (p * 2 * kFullRate + 16) / 32);
    PutLe16(At(Curve, c, kCurveShownOffset, 2), kCurveShown);
  }
}

bool CSimModel::DeleteUnit(int kind, int index) {
  unsigned char* record = At(kind, index, 0, 0);
  if (!record || Info(kind).capacity == 1 || kind == Trim) return false;
  std::memset(record, 0, size_t(kKinds[kind].recordSize));
  if (kind != Flightmode) return true;
  const int fm = index;
  for (int f = 0; f < kKinds[Function].capacity; ++f) {
    if (*At(Function, f, 0, 1) == 0) continue;
    unsigned char* setup = At(Function, f, kFunctionSetups + kFunctionSetupSize * fm, kFunctionSetupSize);
    std::memset(setup, 0, kFunctionSetupSize);
    PutLe16(setup, kNoCurve);
    for (int rate = 1; rate <= 3; ++rate) PutLe16(setup + 2 * rate, kFullRate);
  }
  for (int m = 0; m < kKinds[Mixer].capacity; ++m) {
    if (*At(Mixer, m, 0, 1) == 0) continue;
    unsigned char* setup = At(Mixer, m, kMixerSetups + kMixerSetupSize * fm, kMixerSetupSize);
    std::memset(setup, 0, kMixerSetupSize);
    PutLe16(setup, kHalfGain);
    PutLe16(setup + 4, -kHalfGain);
    PutLe16(setup + 6, kNoCurve);
  }
  for (int t = 0; t < kTrims; ++t) PutLe16(At(Trim, t, kTrimValues + 2 * fm, 2), 0);
  return true;
}

unsigned char* CSimModel::At(int kind, int index, int offset, int width) {
  if (kind < 0 || kind >= KindCount || index < 0 || index >= kKinds[kind].capacity || offset < 0 ||
      offset + width > kKinds[kind].recordSize)
    return nullptr;
  return reinterpret_cast<unsigned char*>(m_Records[kind].data()) + index * kKinds[kind].recordSize + offset;
}

const unsigned char* CSimModel::At(int kind, int index, int offset, int width) const {
  return const_cast<CSimModel*>(this)->At(kind, index, offset, width);
}

QByteArray CSimModel::Record(int kind, int index) const {
  const unsigned char* p = At(kind, index, 0, 0);
  return p ? QByteArray(reinterpret_cast<const char*>(p), kKinds[kind].recordSize) : QByteArray();
}

bool CSimModel::SetRecord(int kind, int index, const QByteArray& record) {
  unsigned char* p = At(kind, index, 0, 0);
  if (!p || record.size() != kKinds[kind].recordSize) return false;
  std::memcpy(p, record.constData(), size_t(record.size()));
  return true;
}

bool CSimModel::ApplyField(int message, const QByteArray& data) {
  const int kind = KindOfFieldMessage(message);
  if (kind < 0 || data.size() != 8) return false;
  const auto byte = [&data](int i) { return int(quint8(data[i])); };
  const int id = byte(0), unit = byte(1), sub1 = byte(2), sub2 = byte(3);
  int offset = -1, width = 0, from = 4;
  if (message == kSequencerMessage) {
    // Value byte 0 is the waypoint, the value follows from byte 1.
    from = 5;
    const int waypoint = byte(4);
    const int block = 8 + kSequencerServoBlock * sub1 + (sub2 ? 28 : 0);
    switch (id) {
      case 1: offset = 0; width = 1; break;
      case 2: offset = 2; width = 2; break;
      case 3:
        if (sub1 < kSequencerServos && waypoint < kWaypoints) offset = block + 2 + 2 * waypoint, width = 2;
        break;
      case 4:
        if (sub1 < kSequencerServos && waypoint < kWaypoints) offset = block + 16 + 2 * waypoint, width = 2;
        break;
      case 5:
        if (sub1 < kSequencerServos) offset = 8 + kSequencerServoBlock * sub1, width = 2;
        break;
      case 6: offset = sub1 ? 4 : 6; width = 2; break;
      default: break;
    }
  } else {
    for (const Field& f : kFields) {
      if (f.message != message || f.id != id) continue;
      const bool single = kKinds[kind].capacity == 1;
      offset = f.base + f.stride * (single ? unit : sub1) + (sub2 ? f.second : 0);
      width = f.width;
      break;
    }
  }
  unsigned char* p = offset >= 0 ? At(kind, kKinds[kind].capacity == 1 ? 0 : unit, offset, width) : nullptr;
  if (!p) return false;
  for (int i = 0; i < width; ++i) p[i] = quint8(data[from + i]);
  return true;
}

quint32 CSimModel::Checksum() const {
  QByteArray covered;
  for (const CrcPart& part : kCrcOrder) {
    const KindInfo& info = kKinds[part.kind];
    for (int i = 0; i < info.capacity; ++i) {
      const char* record = m_Records[part.kind].constData() + i * info.recordSize;
      if (part.usedOnly && record[0] == 0) continue;
      covered.append(record + part.from, info.recordSize - part.from);
    }
  }
  return Crc32c(covered);
}

int CSimModel::TrimSlot(int trim, int flightMode) const {
  const unsigned char* mask = At(Trim, trim, kTrimMask, 4);
  if (!mask || flightMode < 0 || flightMode >= kFlightModes) return 0;
  const quint32 bits = quint32(mask[0]) | quint32(mask[1]) << 8 | quint32(mask[2]) << 16 | quint32(mask[3]) << 24;
  return (bits >> flightMode) & 1U ? flightMode : 0;
}

int CSimModel::TrimValue(int trim, int flightMode) const {
  const unsigned char* p = At(Trim, trim, kTrimValues + 2 * TrimSlot(trim, flightMode), 2);
  return p ? int(qint16(quint16(p[0] | p[1] << 8))) : 0;
}

void CSimModel::SetTrimValue(int trim, int flightMode, int value) {
  if (trim < 0 || trim >= kTrims) return;
  unsigned char* p = At(Trim, trim, kTrimValues + 2 * TrimSlot(trim, flightMode), 2);
  if (!p) return;
  p[0] = quint8(value & 0xFF);
  p[1] = quint8((value >> 8) & 0xFF);
}

int CSimModel::SpecialValue(int slot) const {
  const unsigned char* p = At(SpecialSwitch, 0, 2 * slot, 2);
  return p ? int(qint16(quint16(p[0] | p[1] << 8))) : 0;
}

void CSimModel::SetSpecialValue(int slot, int value) {
  unsigned char* p = slot >= 0 && slot < 4 ? At(SpecialSwitch, 0, 2 * slot, 2) : nullptr;
  if (!p) return;
  p[0] = quint8(value & 0xFF);
  p[1] = quint8((value >> 8) & 0xFF);
}

bool CSimModel::Save(const QString& path) const {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  QDataStream out(&file);
  out << kFileMagic << qint32(KindCount);
  for (int k = 0; k < KindCount; ++k) out << qint32(kKinds[k].recordSize) << qint32(kKinds[k].capacity) << m_Records[k];
  if (out.status() != QDataStream::Ok) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool CSimModel::Load(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QDataStream in(&file);
  quint32 magic = 0;
  qint32 kinds = 0;
  in >> magic >> kinds;
  if (magic != kFileMagic || kinds != KindCount) return false;
  QByteArray records[KindCount];
  for (int k = 0; k < KindCount; ++k) {
    qint32 size = 0, capacity = 0;
    in >> size >> capacity >> records[k];
    if (in.status() != QDataStream::Ok || size != kKinds[k].recordSize || capacity != kKinds[k].capacity ||
        records[k].size() != size * capacity)
      return false;
  }
  for (int k = 0; k < KindCount; ++k) m_Records[k] = records[k];
  return true;
}
