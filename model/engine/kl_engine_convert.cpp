#include "model/engine/kl_engine.h"

int16_t kl_engine_pseudo_round(double x) {
  if (x > 32766.0) return 32767;
  if (x > 0.0) return static_cast<int16_t>(static_cast<int>(x + 0.5));
  if (x < -32767.0) return -32768;
  if (x == 0.0) return 0;
  return static_cast<int16_t>(static_cast<int>(x - 0.5));
}

namespace {
int16_t ConvertRange(int value, bool toPercent, int percentSpan) {
  if (value < -2047 || value > 2047) return -2048;
  if (toPercent) {
    int r = kl_engine_pseudo_round(static_cast<double>(value) * percentSpan / 2047.0);
    return static_cast<int16_t>(r > percentSpan ? percentSpan : (r < -percentSpan ? -percentSpan : r));
  }
  int r = kl_engine_pseudo_round(static_cast<double>(value) * 2047.0 / percentSpan);
  return static_cast<int16_t>(r > 2047 ? 2047 : (r < -2047 ? -2047 : r));
}
}  // namespace

int16_t kl_engine_calc_in100percentRange(int value, bool toPercent) {
  return ConvertRange(value, toPercent, 100);
}

int16_t kl_engine_calc_servo_in200percentRange(int value, bool toPercent) {
  return ConvertRange(value, toPercent, 200);
}
