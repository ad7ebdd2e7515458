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
  const float muteTarget = m_MuteTarget;
  const double delta = frequency * kTwoPi / m_Rate;
  const bool fastStore = !m_Float && !m_Unsigned && !m_BigEndian && m_Width == 16;

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
      // The sine by rotation from the run's first phase: exact to well below
      // one step of the sample, and far cheaper than a sine per sample.
      double s = std::sin(m_Phase), c = std::cos(m_Phase);
      const double ds = std::sin(delta), dc = std::cos(delta);
      for (long i = 0; i < run; ++i) {
        const double value = std::trunc(k * s);
        if (fastStore) {
          const int16_t v = int16_t(value);
          for (unsigned ch = 0; ch < m_Channels; ++ch) {
            const int16_t out = (m_Mask >> ch) & 1 ? v : 0;
            std::memcpy(channel[ch], &out, 2);
            channel[ch] += step[ch];
          }
        } else {
          Store(channel, step, m_Float ? k * s / double(m_MaxValue) : value);
        }
        const double sn = s * dc + c * ds;
        c = c * dc - s * ds;
        s = sn;
      }
      m_Phase = std::fmod(m_Phase + double(run) * delta, kTwoPi);
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
    const double sine = std::sin(m_Phase);
    Store(channel, step, m_Float ? a * sine : std::trunc(double(m_MaxValue) * sine * a));
    m_Phase += delta;
    if (m_Phase >= kTwoPi) m_Phase -= kTwoPi;
    ++frame;
  }
  return true;
}

bool CPcmSineGen::Silent(const Area* areas, long offset, long count) {
  uint8_t* channel[kMaxChannels];
  int step[kMaxChannels];
  if (!PrepareAreas(areas, offset, channel, step)) return false;
  m_RestartAttack = true;
  // Interleaved channels (the usual case) are one stretch of memory.
  const int frameBytes = int(m_Channels) * m_BytesPerSample;
  bool interleaved = true;
  for (unsigned c = 0; c < m_Channels; ++c)
    interleaved = interleaved && step[c] == frameBytes && channel[c] == channel[0] + c * m_BytesPerSample;
  if (interleaved) {
    std::memset(channel[0], 0, size_t(count) * size_t(frameBytes));
    return true;
  }
  for (long i = 0; i < count; ++i)
    for (unsigned c = 0; c < m_Channels; ++c) {
      std::memset(channel[c], 0, size_t(m_BytesPerSample));
      channel[c] += step[c];
    }
  return true;
}
