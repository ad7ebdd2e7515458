#pragma once
// The beeper of the vario tone, least form: it keeps whether it is on and
// the last tone asked for; the sine generator on the PCM device comes with
// the audio subsystem.
#include <atomic>

class CBuzzer {
 public:
  // Switches the beeper; the engine thread and the GUI thread both call it.
  void Enable(bool on) { m_Enabled = on; }
  bool IsEnabled() const { return m_Enabled; }
  void Beep(int tone) {
    m_Tone = tone;
    m_Enabled = true;
  }
  int Tone() const { return m_Tone; }

 private:
  std::atomic<bool> m_Enabled{false};
  std::atomic<int> m_Tone{0};
};
