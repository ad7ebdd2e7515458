#include "frame/klx_basedatabase.h"
#include "link/klx_protdata.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "link/klx_protocol.h"
#include "model/engine/kl_engine.h"

#include <cstring>

namespace {
constexpr unsigned kZeroPointer = 0x52201;          // information
constexpr unsigned kProtocolNull = 0x10701;          // fatal
constexpr unsigned kBadAtomicLength = 0x50703;      // information
constexpr unsigned kProtocolNotInitialised = 0x20701;  // error
constexpr int kUpdateLength = 8;
constexpr int kMaxValueBytes = 48;
}  // namespace

KLX_BaseClassDatabase::~KLX_BaseClassDatabase() = default;

bool KLX_BaseClassDatabase::ReportMissingBorder() {
  KLXErrorHandler.RegisterError(kZeroPointer, "zero pointer");
  return true;
}

void KLX_BaseClassDatabase::KLX_BaseClassDatabaseCheckBorderAtomicElement(
    unsigned char id, int* value, const BorderData_T* border) const {
  if (!value || !border) {
    KLXErrorHandler.RegisterError(kZeroPointer, "zero pointer");
    return;
  }
  if (id > 40) return;
  // The tables keep 64-bit entries; the checks use their low 32 bits.
  const int32_t max = static_cast<int32_t>(border->Max[id]);
  const int32_t min = static_cast<int32_t>(border->Min[id]);
  if (*value > max)
    *value = max;
  else if (*value < min)
    *value = min;
}

void KLX_BaseClassDatabase::KLX_BaseClassDatabaseCheckBorderAtomicElement(
    unsigned char id, unsigned int* value, const BorderData_T* border) const {
  if (!value || !border) {
    KLXErrorHandler.RegisterError(kZeroPointer, "zero pointer");
    return;
  }
  if (id > 40) return;
  const uint32_t max = static_cast<uint32_t>(border->Max[id]);
  const uint32_t min = static_cast<uint32_t>(border->Min[id]);
  if (*value > max) *value = max;
  if (min > *value) *value = min;
}

KLX_UnitCRC::~KLX_UnitCRC() = default;

void KLX_UnitCRC::KLX_UnitCRCCalculateCRC(unsigned char* sum1, unsigned char* sum2,
                                          const unsigned char* data, unsigned int length) {
  if (!sum1 || !sum2 || !data) return;
  unsigned char s1 = 0;
  unsigned char s2 = 0;
  for (unsigned int i = 0; i < length; ++i) {
    s1 = static_cast<unsigned char>(s1 + data[i]);
    s2 = static_cast<unsigned char>(s2 + s1);
  }
  *sum1 = s1;
  *sum2 = s2;
}

int KLX_UnitCRC::Calc_in100percentRange(int value, bool toPercent) {
  return kl_engine_calc_in100percentRange(value, toPercent);
}

int KLX_UnitCRC::CalcServoIn_200percentRange(int value, bool toPercent) {
  return kl_engine_calc_servo_in200percentRange(value, toPercent);
}

int KLX_UnitCRC::CalcServoIn_200percentRangeFractional(double value, bool toPercent) {
  if (value < -2047.0 || value > 2047.0) return -2048;
  if (toPercent) {
    const int r = kl_engine_pseudo_round(value * 200.0 / 2047.0);
    return r > 200 ? 200 : (r < -200 ? -200 : r);
  }
  const int r = kl_engine_pseudo_round(value * 2047.0 / 200.0);
  return r > 2047 ? 2047 : (r < -2047 ? -2047 : r);
}

int KLX_UnitCRC::KL_engine_pseudo_round(double value) { return kl_engine_pseudo_round(value); }

KLX_DataBaseTransmitter::KLX_DataBaseTransmitter() { std::memset(m_MessageBuffer, 0, sizeof(m_MessageBuffer)); }
KLX_DataBaseTransmitter::~KLX_DataBaseTransmitter() = default;

int KLX_DataBaseTransmitter::KLX_DataBaseTransmitterInitialize(KLX_Protocol* protocol) {
  if (!protocol) {
    KLXErrorHandler.RegisterError(kProtocolNull, "KLX_BaseClassProtocolInitialize gone wrong");
    return KLX_Error;
  }
  m_Protocol = protocol;
  return KLX_Ok;
}

int KLX_DataBaseTransmitter::KLX_DataBaseTransmitterUpdateAtomicElement(
    unsigned char index1, unsigned char index2, unsigned char index3, unsigned char elementId,
    const char* data, unsigned char length, unsigned short messageId) {
  if (length > kMaxValueBytes) {
    KLXErrorHandler.RegisterError(kBadAtomicLength, "not correct length for atomic unit");
    return KLX_Error;
  }
  m_MessageBuffer[0] = static_cast<char>(elementId);
  m_MessageBuffer[1] = static_cast<char>(index1);
  m_MessageBuffer[2] = static_cast<char>(index2);
  m_MessageBuffer[3] = static_cast<char>(index3);
  std::memset(m_MessageBuffer + 4, 0, 4);
  if (data && length) std::memcpy(m_MessageBuffer + 4, data, length);
  if (!m_Protocol) {
    KLXErrorHandler.RegisterError(kProtocolNotInitialised,
                                  "KLX_BaseClassProtocolInitialize() not called");
    return KLX_Error;
  }
  // A value has at most four bytes: only the first eight bytes travel.
  return m_Protocol->KLX_ProtocolSendMessage(kUpdateLength, m_MessageBuffer, messageId, KLX_NODE_APPLICATION);
}

void KLX_DataBaseTransmitter::KLX_DataBaseTransmitterCalculateCRC(unsigned char* sum1,
                                                                  unsigned char* sum2,
                                                                  const unsigned char* data,
                                                                  unsigned int length) {
  KLX_UnitCRCCalculateCRC(sum1, sum2, data, length);
}
