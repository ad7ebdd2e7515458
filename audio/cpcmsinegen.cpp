#include "audio/cpcmsinegen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
constexpr double kTwoPi = 2.0 * M_PI;

float Toward(float value, float target, float step) {
  if (value < target) return std::min(value + step, target);
  if (value > target) return std::max(value - step, target);
  return value;
}
}  // namespace

bool CPcmSineGen::Init(unsigned channels, chmask_t mask, unsigned rate, Format format, unsigned attack,
                       unsigned release) {
  if (channels == 0 || channels > kMaxChannels || rate == 0) return false;
  m_Channels = channels;
  m_Mask = mask;
  m_Rate = rate;
  m_Attack = attack;
  m_Release = release;
  m_Float = format == FLOAT_LE;
  m_Unsigned = format == U16_LE || format == U16_BE;
  m_BigEndian = format == S16_BE || format == U16_BE;
  m_Width = format == S32_LE || format == FLOAT_LE ? 32 : 16;
  m_BytesPerSample = m_Width / 8;
  m_PhysBytes = m_BytesPerSample;
  m_MaxValue = (1L << (m_Width - 1)) - 1;
  m_Phase = 0.0;
  m_AttackCounter = 0;
  m_RestartAttack = true;
  m_ResetPending = true;
  return true;
}

bool CPcmSineGen::PrepareAreas(const Area* areas, long offset, uint8_t** channel, int* step) const {
  for (unsigned c = 0; c < m_Channels; ++c) {
    if (areas[c].first % 8) {
      std::fprintf(stderr, "areas[%u].first == %u, aborting...\n", c, areas[c].first);
      return false;
    }
    if (areas[c].step % 8) {
      std::fprintf(stderr, "areas[%u].step == %u, aborting...\n", c, areas[c].step);
      return false;
    }
    step[c] = int(areas[c].step / 8);
    channel[c] = static_cast<uint8_t*>(areas[c].addr) + areas[c].first / 8 + offset * step[c];
  }
  return true;
}

void CPcmSineGen::AdjustValue(uint8_t* to, double value) const {
  if (m_Float) {
    const float f = float(value);
    std::memcpy(to, &f, sizeof f);
    return;
  }
  uint32_t bits = uint32_t(int32_t(value));
  if (m_Unsigned) bits ^= 1u << (m_Width - 1);
  for (int b = 0; b < m_BytesPerSample; ++b) {
    const uint8_t byte = uint8_t(bits >> (8 * b));
    to[m_BigEndian ? m_PhysBytes - 1 - b : b] = byte;
  }
}

void CPcmSineGen::Store(uint8_t** channel, const int* step, double value) {
  for (unsigned c = 0; c < m_Channels; ++c) {
    AdjustValue(channel[c], (m_Mask >> c) & 1 ? value : 0.0);
    channel[c] += step[c];
  }
}

void CPcmSineGen::ApplyReset() {
  m_Phase = 0.0;
  m_RestartAttack = true;
}

// The sines of `count` frames from `phase` on, by rotation: eight lanes a
// frame apart, each turned by eight steps at a time, so that the work runs
// in parallel and no lane turns more than count / 8 times (its error stays
// far below one step of a 16-bit sample).
void CPcmSineGen::FillSines(double phase, double delta, long count) {
  if (long(m_Sines.size()) < count + kLanes) m_Sines.resize(size_t(count + kLanes));
  double s[kLanes], c[kLanes];
  for (int j = 0; j < kLanes; ++j) {
    s[j] = std::sin(phase + j * delta);
    c[j] = std::cos(phase + j * delta);
  }
  const double ds = std::sin(kLanes * delta), dc = std::cos(kLanes * delta);
  double* out = m_Sines.data();
  for (long i = 0; i < count; i += kLanes) {
    for (int j = 0; j < kLanes; ++j) {
      out[i + j] = s[j];
      const double sn = s[j] * dc + c[j] * ds;
      c[j] = c[j] * dc - s[j] * ds;
      s[j] = sn;
    }
  }
}

bool CPcmSineGen::Generate(const Area* areas, long offset, long count, long framesLeft, double frequency,
                           float gain, bool envelope) {
  uint8_t* channel[kMaxChannels];
  int step[kMaxChannels];
  if (!PrepareAreas(areas, offset, channel, step)) return false;
  if (m_ResetPending.exchange(false)) {
    ApplyReset();
    m_Gain = gain;
    m_Mute = m_MuteTarget;
  }
  if (m_RestartAttack) {
    m_AttackCounter = 0;
    m_RestartAttack = false;
  }
  if (count <= 0) return true;
  const float muteTarget = m_MuteTarget;
  const double delta = frequency * kTwoPi / m_Rate;
  FillSines(m_Phase, delta, count);
  m_Phase = std::fmod(m_Phase + double(count) * delta, kTwoPi);
  const double* sines = m_Sines.data();
  // Interleaved 16-bit samples in this machine's order: stored directly.
  const bool direct = !m_Float && !m_Unsigned && !m_BigEndian && m_Width == 16 && Interleaved(channel, step);
  int16_t* out = direct ? reinterpret_cast<int16_t*>(channel[0]) : nullptr;

  long frame = 0;
  while (frame < count) {
    // Where nothing changes (attack over, outside the release, gain and mute
    // settled) the amplitude is constant: a run of plain sine samples.
    long run = 0;
    if (m_AttackCounter >= m_Attack && m_Gain == gain && m_Mute == muteTarget) {
      run = count - frame;
      if (envelope) run = std::min(run, framesLeft - long(m_Release));
    }
    if (run > 0) {
      const double k = double(m_MaxValue) * double(m_Gain * m_Mute);
      if (direct) {
        StoreDirect(out + frame * m_Channels, sines + frame, run, k);
      } else {
        for (long i = 0; i < run; ++i) {
          const double v = k * sines[frame + i];
          Store(channel, step, m_Float ? v / double(m_MaxValue) : std::trunc(v));
        }
      }
      if (envelope) {
        framesLeft -= run;
        if (framesLeft == 0) m_RestartAttack = true;
      }
      frame += run;
      continue;
    }
    // One frame the long way: envelope, glides, sample.
    float e = 1.0f;
    if (m_AttackCounter < m_Attack) {
      const float a = float(m_AttackCounter) / float(m_Attack);
      e = a * a;
      ++m_AttackCounter;
    }
    if (envelope) {
      if (framesLeft > 0) --framesLeft;
      if (framesLeft < long(m_Release)) {
        const float r = float(framesLeft) / float(m_Release);
        e = std::min(e, r * r);
      }
      if (framesLeft == 0) m_RestartAttack = true;
    }
    m_Gain = Toward(m_Gain, gain, kGainStep);
    m_Mute = Toward(m_Mute, muteTarget, kMuteStep);
    const double a = double(e * m_Gain * m_Mute);
    const double sine = sines[frame];
    if (direct) {
      StoreDirect(out + frame * m_Channels, &sine, 1, double(m_MaxValue) * a);
    } else {
      Store(channel, step, m_Float ? a * sine : std::trunc(double(m_MaxValue) * sine * a));
    }
    ++frame;
  }
  return true;
}

bool CPcmSineGen::Interleaved(uint8_t* const* channel, const int* step) const {
  const int frameBytes = int(m_Channels) * m_BytesPerSample;
  for (unsigned c = 0; c < m_Channels; ++c)
    if (step[c] != frameBytes || channel[c] != channel[0] + c * m_BytesPerSample) return false;
  return true;
}

void CPcmSineGen::StoreDirect(int16_t* out, const double* sines, long count, double k) const {
  long i = 0;
  if (m_Channels == 2 && m_Mask == 3) {
    // The vario's case: both channels, one 32-bit store a frame, eight
    // frames at a time so that the compiler can use vector instructions.
    uint32_t* __restrict pairs = reinterpret_cast<uint32_t*>(out);
    for (; i + kLanes <= count; i += kLanes) {
      int32_t v[kLanes];
      for (int j = 0; j < kLanes; ++j) v[j] = int32_t(k * sines[i + j]);
      for (int j = 0; j < kLanes; ++j) pairs[i + j] = uint32_t(uint16_t(v[j])) * 0x10001u;
    }
    for (; i < count; ++i) pairs[i] = uint32_t(uint16_t(int32_t(k * sines[i]))) * 0x10001u;
    return;
  }
  for (; i < count; ++i) {
    const int16_t v = int16_t(int(k * sines[i]));
    for (unsigned c = 0; c < m_Channels; ++c) out[i * m_Channels + c] = (m_Mask >> c) & 1 ? v : 0;
  }
}

bool CPcmSineGen::Silent(const Area* areas, long offset, long count) {
  uint8_t* channel[kMaxChannels];
  int step[kMaxChannels];
  if (!PrepareAreas(areas, offset, channel, step)) return false;
  m_RestartAttack = true;
  // Interleaved channels (the usual case) are one stretch of memory.
  if (Interleaved(channel, step)) {
    std::memset(channel[0], 0, size_t(count) * size_t(m_Channels) * size_t(m_BytesPerSample));
    return true;
  }
  for (long i = 0; i < count; ++i)
    for (unsigned c = 0; c < m_Channels; ++c) {
      std::memset(channel[c], 0, size_t(m_BytesPerSample));
      channel[c] += step[c];
    }
  return true;
}
