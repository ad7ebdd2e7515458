#pragma once
// The common body of the element stores: records in the engine's byte layout,
// one descriptor per field (where it sits, how it is clamped and converted,
// what the single-field update carries), the element names kept beside the
// records, and the whole-unit operations every kind shares.
#include <QMutex>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "frame/klx_basedatabase.h"

// How a field's value crosses the accessor (interface units <-> stored bytes).
enum class KLX_Conv : uint8_t {
  Plain,         // clamped and stored as given
  Flag,          // any non-zero value stores 1
  Percent,       // percent outside, control value (-2047..2047) inside
  AbsPercent,    // as Percent, but the magnitude is kept
  TrimControl,   // switch positions that stand for a trim lever are mapped to it
  Mask,          // unsigned 32 bits, bit 0 (flight mode 0) always clear
  Unsigned32,    // unsigned 32 bits
  ServoPercent,  // percent outside, servo scale (-200..200 %) inside
  CutOffSwitch,  // a virtual-switch index, 255 (none) kept as it stands
  TrimSteps,     // percent outside; 0 % keeps the smallest step of 10 units
};

// One field of a record. Rows of the same element id share min and max.
struct KLX_Field {
  uint8_t clampId;   // element id whose limits clamp a write
  uint8_t msgId;     // element id the update message carries
  uint16_t offset;   // byte offset of the field (first entry of an array)
  uint8_t width;     // 1, 2 or 4 bytes
  bool isSigned;
  uint16_t stride;   // bytes between entries of the second index
  uint8_t subPos;    // bounds position of the second index (0: none)
  uint8_t sub2;      // constant third index of the update (negative expo side)
  KLX_Conv conv;
  int64_t min;
  int64_t max;
  unsigned errCode;  // reported on a bad index
};

// Field locations for the rows: a member, a member of an array of structures,
// and an array of scalars.
#define KLX_AT(Rec, F) \
  offsetof(Rec, F), sizeof(Rec::F), std::is_signed<decltype(Rec::F)>::value, 0
#define KLX_AT_IN(Rec, Arr, F)                                                      \
  offsetof(Rec, Arr) + offsetof(std::remove_extent_t<decltype(Rec::Arr)>, F),        \
      sizeof(std::remove_extent_t<decltype(Rec::Arr)>::F),                           \
      std::is_signed<decltype(std::remove_extent_t<decltype(Rec::Arr)>::F)>::value, \
      sizeof(std::remove_extent_t<decltype(Rec::Arr)>)
// A field the record declares unsigned but that holds a signed value.
#define KLX_AT_IN_SIGNED(Rec, Arr, F)                                               \
  offsetof(Rec, Arr) + offsetof(std::remove_extent_t<decltype(Rec::Arr)>, F),        \
      sizeof(std::remove_extent_t<decltype(Rec::Arr)>::F), true,                     \
      sizeof(std::remove_extent_t<decltype(Rec::Arr)>)
// The first entry of a sequencer servo slot's track (slot 0, forward).
#define KLX_AT_SEQ(F)                                                                \
  offsetof(T_Sequencer, Servo) + offsetof(T_SequencerServo, F), sizeof(int16_t),     \
      std::is_signed<std::remove_extent_t<decltype(T_SequencerServo::F)>>::value,    \
      sizeof(T_SequencerServo)
#define KLX_AT_ARR(Rec, Arr)                                                        \
  offsetof(Rec, Arr), sizeof(std::remove_extent_t<decltype(Rec::Arr)>),             \
      std::is_signed<std::remove_extent_t<decltype(Rec::Arr)>>::value,              \
      sizeof(std::remove_extent_t<decltype(Rec::Arr)>)

// A row of a field list as a descriptor. The list macros of klx_fields.h
// call X(store name, facade name, store shape, facade shape, second index
// position, third index, clamp id, message id, location, conversion, min,
// max, error code).
#define KLX_FIELD_DESC(S, F, SS, FS, sub, sub2, cid, mid, LOC, conv, lo, hi, err) \
  KLX_FieldOf(cid, mid, LOC, sub, sub2, KLX_Conv::conv, lo, hi, err),
#define KLX_FIELD_ENUM(S, F, SS, FS, sub, sub2, cid, mid, LOC, conv, lo, hi, err) S,

constexpr KLX_Field KLX_FieldOf(int clampId, int msgId, std::size_t offset, std::size_t width,
                                bool isSigned, std::size_t stride, int subPos, int sub2,
                                KLX_Conv conv, int64_t min, int64_t max, unsigned err) {
  return KLX_Field{static_cast<uint8_t>(clampId), static_cast<uint8_t>(msgId),
                   static_cast<uint16_t>(offset), static_cast<uint8_t>(width), isSigned,
                   static_cast<uint16_t>(stride), static_cast<uint8_t>(subPos),
                   static_cast<uint8_t>(sub2), conv, min, max, err};
}

// The one guard of the model data. The screens, the tasks and the
// controllers' reports write the records while the saver and the engine's
// data pass read them: every access to a record or a name holds it, and a
// reader that needs the whole model as of one moment (the saver) holds it
// across. It is the innermost lock: nothing that waits for another thread
// runs while it is held.
class KLX_ModelLock {
 public:
  // A thread takes the guard once: the locks it takes inside its own (every
  // field a save reads) only count, so the guard need not be recursive.
  KLX_ModelLock() {
    if (s_Depth++ == 0) Guard().lock();
  }
  ~KLX_ModelLock() {
    if (--s_Depth == 0) Guard().unlock();
  }
  KLX_ModelLock(const KLX_ModelLock&) = delete;
  KLX_ModelLock& operator=(const KLX_ModelLock&) = delete;
  static QMutex& Guard();

 private:
  static inline thread_local int s_Depth = 0;
};

class KLX_RecordStore : public KLX_DataBaseTransmitter, public KLX_BaseClassDatabase {
 public:
  static constexpr int kNameSlot = 48;
  static constexpr int kNameMaxBytes = 46;

  // The accessor path of every field: index check, clamp, conversion, store,
  // optional single-field update. Returns the stored value in interface
  // units, Indexes_Out_Of_Range for a bad index, KLX_Error for a refused 32-bit value.
  int FieldAccess(const KLX_Field& f, int unit, int sub, int value, bool get, bool transmit);
  // Stores a raw value as it stands and optionally sends it (for fields
  // whose conversion a store does itself).
  void WriteRaw(const KLX_Field& f, int unit, int sub, int64_t raw, bool transmit);
  // The raw stored value of a field (sign-extended where signed).
  int64_t FieldRaw(const KLX_Field& f, int unit, int sub) const;

  // Names beside the records (never sent). A bad index gives an empty text.
  QString NameAccess(int unit, const QString& name, bool get, unsigned errCode);
  QString NameOf(int unit) const;
  // 1 when a used element other than none carries the name (letter case ignored).
  int CheckForSameName(const QString& name) const;

  int IsUsed(int unit) const;
  // Lowest unused index below the board's count, or the given code.
  int NextFreeIndex(int from, int fullCode) const;
  int UsedCount() const;

  // Continues a CRC-32C over the records below the board's count (used ones
  // only unless every record counts), bytes [from, record size).
  unsigned CalcCRC(unsigned crc, bool usedOnly = true, int from = 0) const;
  // Index byte, record bytes, two check bytes; the length or a failure code.
  int CopyUnitImage(int unit, unsigned char* buffer, unsigned nullCode, unsigned badCode) const;
  int CopyRecordOut(int unit, void* out) const;
  int CopyRecordIn(int unit, const void* in);

  // KLX_Ok for an index below the capacity, else reports code and gives KLX_Error.
  int CheckUnit(int unit, unsigned errCode) const;

  // Null for a unit beyond the capacity. Inline: every field read passes here.
  unsigned char* RecordBytes(int unit) {
    return unit < 0 || unit >= m_Capacity ? nullptr : m_Records + static_cast<std::size_t>(unit) * m_RecordSize;
  }
  const unsigned char* RecordBytes(int unit) const {
    return unit < 0 || unit >= m_Capacity ? nullptr : m_Records + static_cast<std::size_t>(unit) * m_RecordSize;
  }
  int Capacity() const { return m_Capacity; }
  int BoardCount() const;
  const BorderData_T* Border() const { return &m_Border; }

 protected:
  // boardEntry: the entry of the engine's size table that counts this kind
  // (-1: the capacity). names may be null for kinds without names.
  KLX_RecordStore(unsigned char* records, int recordSize, int capacity, int boardEntry,
                  unsigned short messageId, char (*names)[kNameSlot], const char* defaultName);
  ~KLX_RecordStore() override;

  // Fills the bounds from the rows (and the name limit) and the index limits.
  void SetBounds(const KLX_Field* rows, int count, const uint16_t (&indexMax)[5]);
  void ResetName(int unit);
  // Called after a field was stored; a store adds its own follow-up here.
  virtual void AfterWrite(const KLX_Field& f, int unit, int sub, bool transmit) {}
  // Single-record stores number the field entries, not the records.
  bool m_SingleRecord = false;

 private:
  bool CheckIndices(const KLX_Field& f, int unit, int sub) const;
  unsigned char* FieldPtr(const KLX_Field& f, int unit, int sub);
  // The raw stored value of a field, with the model lock already held.
  int64_t RawAt(const KLX_Field& f, int unit, int sub) const;
  int ToInterface(const KLX_Field& f, int64_t raw) const;
  bool FromInterface(const KLX_Field& f, int value, int64_t* raw) const;
  int SendField(const KLX_Field& f, int unit, int sub, int64_t raw);

  BorderData_T m_Border;
  unsigned char* m_Records;
  int m_RecordSize;
  int m_Capacity;
  int m_BoardEntry;
  unsigned short m_MessageId;
  char (*m_Names)[kNameSlot];
  const char* m_DefaultName;
};

// The board's count of one kind (the engine's size table).
int KLX_BoardCount(int entry);

// Store accessors generated from a field list, by the row's store shape.
#define KLX_STORE_DECL_P1(Pre, S) int Pre##GetSet_##S(int index, int value, int get, bool transmit);
#define KLX_STORE_DECL_P2(Pre, S) \
  int Pre##GetSet_##S(int index, int sub, int value, int get, bool transmit);
#define KLX_STORE_DECL_PU(Pre, S) \
  int Pre##GetSet_##S(int index, unsigned int value, int get, bool transmit);
#define KLX_STORE_DECL_PH(Pre, S)

#define KLX_STORE_DEF_P1(Pre, Rows, S)                                            \
  int Pre::Pre##GetSet_##S(int index, int value, int get, bool transmit) {        \
    return FieldAccess(kFields[Rows::S], index, 0, value, get != 0, transmit);    \
  }
#define KLX_STORE_DEF_P2(Pre, Rows, S)                                               \
  int Pre::Pre##GetSet_##S(int index, int sub, int value, int get, bool transmit) {  \
    return FieldAccess(kFields[Rows::S], index, sub, value, get != 0, transmit);     \
  }
#define KLX_STORE_DEF_PU(Pre, Rows, S)                                                         \
  int Pre::Pre##GetSet_##S(int index, unsigned int value, int get, bool transmit) {           \
    return FieldAccess(kFields[Rows::S], index, 0, static_cast<int>(value), get != 0, transmit); \
  }
#define KLX_STORE_DEF_PH(Pre, Rows, S)

// A store's records and names in the engine's layout, reset by the engine's
// own initialiser so that a new or deleted element holds exactly its bytes.
template <typename Rec, int N>
class KLX_RecordArray : public KLX_RecordStore {
 public:
  using InitFn = void (*)(Rec*);

 protected:
  KLX_RecordArray(int boardEntry, unsigned short messageId, InitFn init, const char* defaultName)
      : KLX_RecordStore(reinterpret_cast<unsigned char*>(m_Records), sizeof(Rec), N, boardEntry, messageId,
                        defaultName ? m_Names : nullptr, defaultName),
        m_Init(init) {}

  static void Defaults(Rec* record, InitFn init) {
    std::memset(record, 0, sizeof(Rec));
    init(record);
  }
  void ResetUnit(int index) {
    const KLX_ModelLock lock;
    Defaults(&m_Records[index], m_Init);
    ResetName(index);
  }
  void ResetAll() {
    const KLX_ModelLock lock;
    for (int i = 0; i < N; ++i) ResetUnit(i);
  }
  // A checked delete: defaults and the default name, nothing sent.
  int DeleteUnit(int index, unsigned errCode) {
    const KLX_ModelLock lock;
    const int ok = CheckUnit(index, errCode);
    if (ok == 1) ResetUnit(index);
    return ok;
  }

  Rec m_Records[N];
  char m_Names[N][kNameSlot] = {};
  InitFn m_Init;
};
