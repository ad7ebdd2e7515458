#pragma once
// One ALSA simple-mixer element of the card "default" ("SpeakerCtl",
// "BtA2dpCtl", "ch1Ctl".."ch3Ctl"): opened once, set by percent or raw value,
// and left alone while the value does not change.
#include <QString>

#include <cstdint>
#include <memory>

#include "platform/klx_audio.h"

class CAlsaMixer {
 public:
  explicit CAlsaMixer(const QString& element,
                      std::unique_ptr<KLX_MixerElement> device = KLX_Platform::NewMixerElement());
  ~CAlsaMixer();
  CAlsaMixer(const CAlsaMixer&) = delete;
  CAlsaMixer& operator=(const CAlsaMixer&) = delete;

  // Finds the element and reads its raw range; false (closed) when the card
  // has no such element.
  bool Open();
  void Close();
  bool IsOpen() const { return m_Open; }

  // A raw value, limited to the element's range. False when closed or refused.
  bool SetVolumeAbs(uint8_t raw);
  // 0..100 percent (more counts as 100) of the element's range:
  // minimum + percent x (maximum - minimum) / 100, integer division.
  bool SetVolumePercent(uint8_t percent);

  QString ElementName() const { return m_Element; }
  long Minimum() const { return m_Min; }
  long Maximum() const { return m_Max; }

 private:
  bool Set(long raw);

  QString m_Element;
  QString m_Card = QStringLiteral("default");
  std::unique_ptr<KLX_MixerElement> m_Device;
  long m_Min = 0;
  long m_Max = 0;
  bool m_Open = false;
  // Ranges wider than 0..255 keep their full resolution here.
  long m_LastRaw = 0;
  bool m_Written = false;
};
