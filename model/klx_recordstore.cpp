#include "model/klx_recordstore.h"

#include <QByteArray>

#include <cstdlib>
#include <cstring>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "model/engine/kl_engine.h"

namespace {
// Element id 0 of every store limits the byte length of a name.
constexpr int kNameElement = 0;

int64_t LoadLE(const unsigned char* p, int width, bool isSigned) {
  uint32_t u = 0;
  for (int i = width - 1; i >= 0; --i) u = (u << 8) | p[i];
  if (!isSigned) return u;
  if (width == 1) return static_cast<int8_t>(u);
  if (width == 2) return static_cast<int16_t>(u);
  return static_cast<int32_t>(u);
}

void StoreLE(unsigned char* p, int width, int64_t value) {
  const uint32_t u = static_cast<uint32_t>(value);
  for (int i = 0; i < width; ++i) p[i] = static_cast<unsigned char>(u >> (8 * i));
}

// The two switch positions that stand for the right-hand trim levers.
int MapTrimControl(int id) {
  if (id == CONTROLID_SW_C_GUI || id == CONTROLID_SW_L_GUI) return CONTROLID_RE_TRE_GUI;
  if (id == CONTROLID_SW_G_GUI || id == CONTROLID_SW_H_GUI) return CONTROLID_RE_TRF_GUI;
  return id;
}
}  // namespace

QMutex& KLX_ModelLock::Guard() {
  static QMutex guard;
  return guard;
}

int KLX_BoardCount(int entry) { return kl_engine_cfg_count(static_cast<E_EngineCfg>(entry)); }

KLX_RecordStore::KLX_RecordStore(unsigned char* records, int recordSize, int capacity,
                                 int boardEntry, unsigned short messageId,
                                 char (*names)[kNameSlot], const char* defaultName)
    : m_Records(records),
      m_RecordSize(recordSize),
      m_Capacity(capacity),
      m_BoardEntry(boardEntry),
      m_MessageId(messageId),
      m_Names(names),
      m_DefaultName(defaultName) {
  std::memset(&m_Border, 0, sizeof(m_Border));
}

KLX_RecordStore::~KLX_RecordStore() = default;

void KLX_RecordStore::SetBounds(const KLX_Field* rows, int count, const uint16_t (&indexMax)[5]) {
  m_Border.Max[kNameElement] = kNameMaxBytes;
  m_Border.Min[kNameElement] = 0;
  for (int i = 0; i < count; ++i) {
    m_Border.Max[rows[i].clampId] = rows[i].max;
    m_Border.Min[rows[i].clampId] = rows[i].min;
  }
  for (int k = 0; k < 5; ++k) m_Border.IndexMax[k] = indexMax[k];
}

int KLX_RecordStore::BoardCount() const {
  if (m_BoardEntry < 0) return m_Capacity;
  const int count = KLX_BoardCount(m_BoardEntry);
  return count < m_Capacity ? count : m_Capacity;
}


int KLX_RecordStore::CheckUnit(int unit, unsigned errCode) const {
  if (unit >= 0 && unit < m_Capacity) return KLX_Ok;
  KLXErrorHandler.RegisterError(errCode, QString());
  return KLX_Error;
}

inline bool KLX_RecordStore::CheckIndices(const KLX_Field& f, int unit, int sub) const {
  // The border's index limits, checked in place: every field of a save
  // passes here.
  const auto within = [this](int position, int index) { return index >= 0 && index < m_Border.IndexMax[position]; };
  if (m_SingleRecord) return within(f.subPos, sub);
  return within(0, unit) && (!f.subPos || within(f.subPos, sub));
}

inline unsigned char* KLX_RecordStore::FieldPtr(const KLX_Field& f, int unit, int sub) {
  const int entry = (m_SingleRecord || f.subPos) ? sub : 0;
  return RecordBytes(m_SingleRecord ? 0 : unit) + f.offset + entry * f.stride;
}

inline int64_t KLX_RecordStore::RawAt(const KLX_Field& f, int unit, int sub) const {
  return LoadLE(const_cast<KLX_RecordStore*>(this)->FieldPtr(f, unit, sub), f.width, f.isSigned);
}

int64_t KLX_RecordStore::FieldRaw(const KLX_Field& f, int unit, int sub) const {
  const KLX_ModelLock lock;
  return RawAt(f, unit, sub);
}

int KLX_RecordStore::ToInterface(const KLX_Field& f, int64_t raw) const {
  switch (f.conv) {
    case KLX_Conv::Percent:
    case KLX_Conv::TrimSteps:
      return Calc_in100percentRange(static_cast<int>(raw), true);
    case KLX_Conv::AbsPercent:
      return std::abs(Calc_in100percentRange(static_cast<int>(raw), true));
    case KLX_Conv::ServoPercent:
      return CalcServoIn_200percentRange(static_cast<int>(raw), true);
    default:
      return static_cast<int>(raw);
  }
}

bool KLX_RecordStore::FromInterface(const KLX_Field& f, int value, int64_t* raw) const {
  if (f.conv == KLX_Conv::Mask || f.conv == KLX_Conv::Unsigned32) {
    unsigned u = static_cast<unsigned>(value);
    KLX_BaseClassDatabaseCheckBorderAtomicElement(f.clampId, &u, &m_Border);
    if (f.conv == KLX_Conv::Mask) u &= ~1u;
    // No stored pattern may read back as one of the accessor's failure codes.
    const int pattern = static_cast<int>(u);
    if (pattern == KLX_DatabaseValues::KLX_Error || pattern == KLX_DatabaseValues::Indexes_Out_Of_Range) return false;
    *raw = u;
    return true;
  }
  if (f.conv == KLX_Conv::CutOffSwitch && value == 255) {
    *raw = 255;
    return true;
  }
  if (f.conv == KLX_Conv::Flag) value = value ? 1 : 0;
  KLX_BaseClassDatabaseCheckBorderAtomicElement(f.clampId, &value, &m_Border);
  switch (f.conv) {
    case KLX_Conv::Percent:
      *raw = Calc_in100percentRange(value, false);
      break;
    case KLX_Conv::AbsPercent:
      *raw = std::abs(Calc_in100percentRange(value, false));
      break;
    case KLX_Conv::TrimControl:
      *raw = MapTrimControl(value);
      break;
    case KLX_Conv::ServoPercent:
      *raw = CalcServoIn_200percentRange(value, false);
      break;
    case KLX_Conv::TrimSteps:
      *raw = value == 0 ? 10 : Calc_in100percentRange(value, false);
      break;
    default:
      *raw = value;
      break;
  }
  return true;
}

int KLX_RecordStore::SendField(const KLX_Field& f, int unit, int sub, int64_t raw) {
  unsigned char bytes[4] = {0, 0, 0, 0};
  StoreLE(bytes, f.width, raw);
  const int i1 = m_SingleRecord ? sub : unit;
  const int i2 = (!m_SingleRecord && f.subPos) ? sub : 0;
  return KLX_DataBaseTransmitterUpdateAtomicElement(
      static_cast<unsigned char>(i1), static_cast<unsigned char>(i2), f.sub2, f.msgId,
      reinterpret_cast<const char*>(bytes), f.width, m_MessageId);
}

int KLX_RecordStore::FieldAccess(const KLX_Field& f, int unit, int sub, int value, bool get,
                                 bool transmit) {
  const KLX_ModelLock lock;
  if (!CheckIndices(f, unit, sub)) {
    KLXErrorHandler.RegisterError(f.errCode, QString());
    return KLX_DatabaseValues::Indexes_Out_Of_Range;
  }
  if (!get) {
    int64_t raw = 0;
    if (!FromInterface(f, value, &raw)) {
      KLXErrorHandler.RegisterError(f.errCode, QString());
      return KLX_DatabaseValues::KLX_Error;
    }
    WriteRaw(f, unit, sub, raw, transmit);
    AfterWrite(f, unit, sub, transmit);
  }
  // The guard is held: read the bytes without taking it again.
  return ToInterface(f, RawAt(f, unit, sub));
}

void KLX_RecordStore::WriteRaw(const KLX_Field& f, int unit, int sub, int64_t raw, bool transmit) {
  const KLX_ModelLock lock;
  StoreLE(FieldPtr(f, unit, sub), f.width, raw);
  if (transmit) SendField(f, unit, sub, RawAt(f, unit, sub));
}

QString KLX_RecordStore::NameAccess(int unit, const QString& name, bool get, unsigned errCode) {
  const KLX_ModelLock lock;
  if (!m_Names || unit < 0 || unit >= m_Capacity) {
    if (errCode) KLXErrorHandler.RegisterError(errCode, QString());
    return QString();
  }
  if (!get) {
    const QByteArray utf8 = name.toUtf8();
    int length = utf8.size();
    KLX_BaseClassDatabaseCheckBorderAtomicElement(kNameElement, &length, &m_Border);
    // A cut name ends on a whole character.
    while (length > 0 && length < utf8.size() && (static_cast<unsigned char>(utf8[length]) & 0xC0) == 0x80)
      --length;
    std::memset(m_Names[unit], 0, kNameSlot);
    std::memcpy(m_Names[unit], utf8.constData(), static_cast<std::size_t>(length));
  }
  return NameOf(unit);
}

QString KLX_RecordStore::NameOf(int unit) const {
  const KLX_ModelLock lock;
  if (!m_Names || unit < 0 || unit >= m_Capacity) return QString();
  return QString::fromUtf8(m_Names[unit], static_cast<int>(strnlen(m_Names[unit], kNameSlot)));
}

void KLX_RecordStore::ResetName(int unit) {
  const KLX_ModelLock lock;
  if (!m_Names || unit < 0 || unit >= m_Capacity) return;
  std::memset(m_Names[unit], 0, kNameSlot);
  std::strncpy(m_Names[unit], m_DefaultName, kNameMaxBytes);
}

int KLX_RecordStore::CheckForSameName(const QString& name) const {
  const KLX_ModelLock lock;
  const QString wanted = name.toLower();
  for (int i = 0; i < BoardCount(); ++i)
    if (IsUsed(i) && NameOf(i).toLower() == wanted) return 1;
  return 0;
}

int KLX_RecordStore::IsUsed(int unit) const {
  const KLX_ModelLock lock;
  const unsigned char* r = RecordBytes(unit);
  return r ? (r[0] != 0) : 0;
}

int KLX_RecordStore::NextFreeIndex(int from, int fullCode) const {
  const KLX_ModelLock lock;
  for (int i = from; i < BoardCount(); ++i)
    if (!IsUsed(i)) return i;
  return fullCode;
}

int KLX_RecordStore::UsedCount() const {
  const KLX_ModelLock lock;
  int n = 0;
  for (int i = 0; i < BoardCount(); ++i) n += IsUsed(i);
  return n;
}

unsigned KLX_RecordStore::CalcCRC(unsigned crc, bool usedOnly, int from) const {
  const KLX_ModelLock lock;
  for (int i = 0; i < BoardCount(); ++i) {
    if (usedOnly && !IsUsed(i)) continue;
    crc = crc32_update_buf(crc, RecordBytes(i) + from, static_cast<unsigned>(m_RecordSize - from));
  }
  return crc;
}

int KLX_RecordStore::CopyUnitImage(int unit, unsigned char* buffer, unsigned nullCode,
                                   unsigned badCode) const {
  const KLX_ModelLock lock;
  if (!buffer) {
    KLXErrorHandler.RegisterError(nullCode, QStringLiteral("Buffer overrun"));
    return KLX_DatabaseValues::KLX_Error;
  }
  const unsigned char* record = RecordBytes(unit);
  if (!record) {
    KLXErrorHandler.RegisterError(badCode, QString());
    return KLX_DatabaseValues::Indexes_Out_Of_Range;
  }
  buffer[0] = static_cast<unsigned char>(unit);
  std::memcpy(buffer + 1, record, static_cast<std::size_t>(m_RecordSize));
  KLX_UnitCRCCalculateCRC(buffer + 1 + m_RecordSize, buffer + 2 + m_RecordSize, buffer,
                          static_cast<unsigned>(m_RecordSize + 1));
  return m_RecordSize + 3;
}

int KLX_RecordStore::CopyRecordOut(int unit, void* out) const {
  const KLX_ModelLock lock;
  const unsigned char* record = RecordBytes(unit);
  if (!out || !record) return KLX_DatabaseValues::KLX_Error;
  std::memcpy(out, record, static_cast<std::size_t>(m_RecordSize));
  return KLX_DatabaseValues::KLX_Ok;
}

int KLX_RecordStore::CopyRecordIn(int unit, const void* in) {
  const KLX_ModelLock lock;
  unsigned char* record = RecordBytes(unit);
  if (!in || !record) return KLX_DatabaseValues::KLX_Error;
  std::memcpy(record, in, static_cast<std::size_t>(m_RecordSize));
  return KLX_DatabaseValues::KLX_Ok;
}
