// CRC-32C (Castagnoli, reflected 0x82F63B78) and the model checksum that the
// transceiver controller computes the same way over its copy of the model.
#include <array>

#include "model/engine/kl_engine_state.h"

namespace {

constexpr std::array<uint32_t, 256> MakeTable() {
  std::array<uint32_t, 256> t{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0x82F63B78u : (c >> 1);
    t[i] = c;
  }
  return t;
}

constexpr std::array<uint32_t, 256> kTable = MakeTable();

template <typename R>
uint32_t AddUsed(uint32_t crc, const R* records, int count) {
  for (int i = 0; i < count; ++i)
    if (records[i].IsUsed)
      crc = crc32_update_buf(crc, reinterpret_cast<const unsigned char*>(&records[i]), sizeof(R));
  return crc;
}

template <typename R>
uint32_t AddAll(uint32_t crc, const R* records, int count) {
  return crc32_update_buf(crc, reinterpret_cast<const unsigned char*>(records),
                          static_cast<unsigned>(sizeof(R) * count));
}

}  // namespace

uint32_t crc32_update_buf(uint32_t crc, const unsigned char* data, unsigned int length) {
  if (!data) return crc;
  for (unsigned i = 0; i < length; ++i) crc = kTable[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
  return crc;
}

uint32_t crc32_calc_buf(const unsigned char* data, unsigned int length) {
  if (!data || length == 0) return 0;
  return ~crc32_update_buf(0xFFFFFFFFu, data, length);
}

uint32_t kl_engine_calc_model_crc32(const T_SetupData* b) {
  if (!b) return 0;
  // Counts never exceed the arrays: the tables are the block's capacity or less.
  uint32_t crc = 0xFFFFFFFFu;
  crc = AddUsed(crc, b->ServoConfig, kl_cfg(EngineCfgServos));
  crc = AddUsed(crc, b->Function, kl_cfg(EngineCfgFunctions));
  crc = AddUsed(crc, b->Mixer, kl_cfg(EngineCfgMixers));
  // A sequencer's byte 0 changes while the model runs, so it stays out.
  for (int q = 0; q < kl_cfg(EngineCfgSequencers); ++q)
    if (b->Sequencer[q].IsUsed)
      crc = crc32_update_buf(crc, reinterpret_cast<const unsigned char*>(&b->Sequencer[q]) + 2,
                             sizeof(T_Sequencer) - 2);
  crc = AddUsed(crc, b->Limiter, kl_cfg(EngineCfgLimiters));
  crc = AddUsed(crc, b->FlightMode, kl_cfg(EngineCfgFlightModes));
  crc = AddUsed(crc, b->Curve, kl_cfg(EngineCfgCurves));
  crc = AddAll(crc, b->TrimControl, KL_TRIM_CONTROLS);
  crc = AddUsed(crc, b->VSwitch, kl_cfg(EngineCfgVirtualSwitches));
  crc = AddAll(crc, b->SpecialSwitch, 1);
  crc = AddAll(crc, &b->FlightModeAssignment, 1);
  crc = AddUsed(crc, b->TelemetryControl, kl_cfg(EngineCfgTelemetryControls));
  return ~crc;
}
