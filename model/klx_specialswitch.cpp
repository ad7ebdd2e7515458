#include "model/klx_specialswitch.h"
#include <cstring>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "model/engine/kl_engine.h"

namespace {
constexpr unsigned kErrBadIndex = 0x54504;
constexpr unsigned kErrImageBuffer = 0x14507;
}  // namespace

KLX_SpecialSwitch::KLX_SpecialSwitch(QObject* parent) : QObject(parent) {
  m_Border.Max[0] = 2047;
  m_Border.Min[0] = -2047;
  m_Border.IndexMax[0] = kCount;
  KLX_SpecialSwitchClearAll();
}

int KLX_SpecialSwitch::KLX_SpecialSwitchGetSet_Value(int i, int value, int get) {
  if (!KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &i)) {
    KLXErrorHandler.RegisterError(kErrBadIndex, QString());
    return Indexes_Out_Of_Range;
  }
  if (get) return m_Value[i];
  KLX_BaseClassDatabaseCheckBorderAtomicElement(0, &value, &m_Border);
  m_Value[i] = static_cast<int16_t>(value);
  return m_Value[i];
}

int KLX_SpecialSwitch::BoardCount() {
  if (!Board::IsInitialized()) Board::Init();
  return Board::m_Instance ? Board::m_Instance->SpecialSwitchCountMax() : kCount;
}

void KLX_SpecialSwitch::KLX_SpecialSwitchSetToDefaultValues(T_SpecialSwitch* record) const {
  if (!record) return;
  std::memset(record, 0, sizeof(*record));
  kl_engine_init_specialswitches(record);
}

void KLX_SpecialSwitch::KLX_SpecialSwitchClearAll() {
  T_SpecialSwitch record;
  KLX_SpecialSwitchSetToDefaultValues(&record);
  KLX_SpecialSwitchSet_SwitchUnit(&record);
}

int KLX_SpecialSwitch::KLX_SpecialSwitchSet_SwitchUnit(const T_SpecialSwitch* record) {
  if (!record) return KLX_Error;
  for (int i = 0; i < kCount; ++i) m_Value[i] = record->Value[i];
  return KLX_Ok;
}

int KLX_SpecialSwitch::KLX_SpecialSwitchCopySingleUnit(T_SpecialSwitch* record) const {
  if (!record) return KLX_Error;
  for (int i = 0; i < kCount; ++i) record->Value[i] = m_Value[i];
  return KLX_Ok;
}

int KLX_SpecialSwitch::KLX_SpecialSwitchCopyUnit(unsigned char* buffer) const {
  if (!buffer) {
    KLXErrorHandler.RegisterError(kErrImageBuffer, QStringLiteral("Buffer overrun"));
    return KLX_Error;
  }
  T_SpecialSwitch record;
  KLX_SpecialSwitchCopySingleUnit(&record);
  buffer[0] = 0;
  std::memcpy(buffer + 1, &record, sizeof(record));
  KLX_DataBaseTransmitterCalculateCRC(buffer + 1 + sizeof(record), buffer + 2 + sizeof(record), buffer,
                                      1 + sizeof(record));
  return kImageLength;
}

unsigned int KLX_SpecialSwitch::KLX_SpecialSwitchCalcCRC(unsigned int crc) const {
  T_SpecialSwitch record;
  KLX_SpecialSwitchCopySingleUnit(&record);
  return crc32_update_buf(crc, reinterpret_cast<const unsigned char*>(&record), sizeof(record));
}
