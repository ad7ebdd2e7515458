#pragma once
// Sine samples for the vario tone: a square-law attack and release around
// each burst, and gain and mute changes that glide instead of jumping.
#include <atomic>
#include <cstdint>
#include <vector>

class CPcmSineGen {
 public:
  // Bit n set: channel n carries the tone; the others carry zeros.
  using chmask_t = uint32_t;

  enum Format { S16_LE, S16_BE, U16_LE, U16_BE, S32_LE, FLOAT_LE };

  // Where one channel's samples lie in a buffer (bits, as ALSA counts).
  struct Area {
    void* addr;
    unsigned first;
    unsigned step;
  };

  static constexpr float kGainStep = 0.00005f;  // per frame
  static constexpr float kMuteStep = 0.0005f;   // per frame

  bool Init(unsigned channels, chmask_t mask, unsigned rate, Format format, unsigned attack, unsigned release);
  // Phase 0, a new attack, and gain and mute taken as they are asked at the
  // next render (no glide). Safe from any thread: the render applies it.
  void Reset() { m_ResetPending = true; }
  // The level the tone glides to: 1 full, 0 silent. Any thread.
  void Mute(float target) { m_MuteTarget = target; }

  // Renders `count` frames at `offset`. `framesLeft` is what remains of the
  // burst (its release ends it at 0) when `envelope` is set.
  bool Generate(const Area* areas, long offset, long count, long framesLeft, double frequency, float gain,
                bool envelope);
  // Zeros for `count` frames on every channel; the next tone starts with an
  // attack.
  bool Silent(const Area* areas, long offset, long count);

  float SmoothedGain() const { return m_Gain; }
  float SmoothedMute() const { return m_Mute; }

 private:
  static constexpr int kMaxChannels = 8;
  static constexpr int kLanes = 8;
  void FillSines(double phase, double delta, long count);
  bool Interleaved(uint8_t* const* channel, const int* step) const;
  void StoreDirect(int16_t* out, const double* sines, long count, double k) const;
  bool PrepareAreas(const Area* areas, long offset, uint8_t** channel, int* step) const;
  // One sample in the format's byte order at `to`.
  void AdjustValue(uint8_t* to, double value) const;
  void Store(uint8_t** channel, const int* step, double value);
  void ApplyReset();

  unsigned m_Channels = 0;
  chmask_t m_Mask = 0;
  unsigned m_Rate = 48000;
  unsigned m_Attack = 0;
  unsigned m_Release = 0;
  double m_Phase = 0.0;
  int m_Width = 16;
  long m_MaxValue = 32767;
  int m_BytesPerSample = 2;
  int m_PhysBytes = 2;
  bool m_BigEndian = false;
  bool m_Unsigned = false;
  bool m_Float = false;

  unsigned m_AttackCounter = 0;
  bool m_RestartAttack = true;
  float m_Gain = 1.0f;
  float m_Mute = 1.0f;
  std::vector<double> m_Sines;  // the frames of one render
  std::atomic<bool> m_ResetPending{true};
  std::atomic<float> m_MuteTarget{1.0f};
};
