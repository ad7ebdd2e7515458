#include "audio/calsamixer.h"
#include "frame/klx_debuglog.h"

#include <QDebug>

#include <algorithm>

CAlsaMixer::CAlsaMixer(const QString& element, std::unique_ptr<KLX_MixerElement> device)
    : m_Element(element), m_Device(std::move(device)) {}

CAlsaMixer::~CAlsaMixer() { Close(); }

bool CAlsaMixer::Open() {
  if (m_Element.isEmpty() || !m_Device) return false;
  Close();
  long minimum = 0, maximum = 0;
  if (!m_Device->Open(m_Card, m_Element, &minimum, &maximum)) return false;
  m_Min = minimum;
  m_Max = maximum;
  m_Open = true;
  m_Written = false;
  return true;
}

void CAlsaMixer::Close() {
  if (!m_Open) return;
  m_Device->Close();
  m_Open = false;
}

// ALSA is called only when the value changes; a value ALSA refused is not
// remembered, so asking for it again tries again.
bool CAlsaMixer::Set(long raw) {
  if (m_Written && raw == m_LastRaw) return true;
  if (!m_Device->SetPlaybackVolumeAll(raw)) return false;
  m_LastRaw = raw;
  m_Written = true;
  return true;
}

bool CAlsaMixer::SetVolumeAbs(uint8_t raw) {
  if (!m_Open) return false;
  return Set(std::clamp(long(raw), m_Min, m_Max));
}

bool CAlsaMixer::SetVolumePercent(uint8_t percent) {
  if (!m_Open) {
    qWarning("CAlsaMixer::SetVolumePercent error: not opened!");
    return false;
  }
  const long p = std::min<long>(percent, 100);
  const long raw = m_Min + p * (m_Max - m_Min) / 100;
  if (m_Written && raw == m_LastRaw) return true;
  qCDebug(lcVornDebug, "%s: set volume %ld", qPrintable(m_Element), raw);
  return Set(raw);
}
