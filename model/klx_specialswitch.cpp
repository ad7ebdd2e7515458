#include "model/klx_specialswitch.h"

#include "frame/klx_errorhandler.h"
#include "model/engine/kl_engine.h"

#include <QtGlobal>

namespace {
constexpr unsigned kBadIndex = 345348;
}

int KLX_SpecialSwitch::KLX_SpecialSwitchGetSet_Value(int i, int value, int get) {
  if (i < 0 || i >= kCount) {
    KLXErrorHandler.RegisterError(kBadIndex, QString());
    return -70010;
  }
  if (get) return m_Value[i];
  m_Value[i] = qBound(-2047, value, 2047);
  return m_Value[i];
}

void KLX_SpecialSwitch::KLX_SpecialSwitchClearAll() {
  for (auto& v : m_Value) v = 2047;
}

unsigned int KLX_SpecialSwitch::KLX_SpecialSwitchCalcCRC(unsigned int crc) const {
  T_SpecialSwitch record;
  for (int i = 0; i < kCount; ++i) record.Value[i] = static_cast<int16_t>(m_Value[i].load());
  return crc32_update_buf(crc, reinterpret_cast<const unsigned char*>(&record), sizeof(record));
}
