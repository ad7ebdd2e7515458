#include "sim/csimsounds.h"

#include "sim/csimboard.h"

#include <QFileInfo>
#include <QtEndian>

#include <cmath>

namespace {
constexpr int kRate = 48000;
constexpr int kBeepMs = 120;
constexpr int kGapMs = 80;

void Put16(QByteArray* out, quint16 v) {
  char b[2];
  qToLittleEndian(v, b);
  out->append(b, 2);
}

void Put32(QByteArray* out, quint32 v) {
  char b[4];
  qToLittleEndian(v, b);
  out->append(b, 4);
}
}  // namespace

QByteArray CSimSounds::Beeps(int hz, int beeps) {
  QByteArray samples;
  const int beep = kRate * kBeepMs / 1000, gap = kRate * kGapMs / 1000;
  for (int b = 0; b < beeps; ++b) {
    for (int i = 0; i < beep; ++i) {
      // 5 ms ramps at both ends: no click.
      const double ramp = std::min(1.0, std::min(i, beep - 1 - i) / (kRate * 0.005));
      const double v = 0.5 * ramp * std::sin(2.0 * M_PI * hz * i / kRate);
      Put16(&samples, quint16(qint16(std::lround(v * 32767))));
    }
    samples.append(QByteArray(gap * 2, '\0'));
  }
  QByteArray wav("RIFF");
  Put32(&wav, quint32(36 + samples.size()));
  wav += "WAVEfmt ";
  Put32(&wav, 16);
  Put16(&wav, 1);  // PCM
  Put16(&wav, 1);  // mono
  Put32(&wav, kRate);
  Put32(&wav, kRate * 2);
  Put16(&wav, 2);
  Put16(&wav, 16);
  wav += "data";
  Put32(&wav, quint32(samples.size()));
  return wav + samples;
}

bool CSimSounds::Prepare(const QString& folder) {
  const struct {
    const char* name;
    int hz;
    int beeps;
  } sounds[] = {{"Alarm_Telemetry_A.wav", 880, 2}, {"Alarm_Telemetry_B.wav", 1320, 3}};
  for (const auto& s : sounds) {
    const QString path = folder + "/" + QLatin1String(s.name);
    if (!QFileInfo::exists(path) && !CSimBoard::WriteIfMissing(path, Beeps(s.hz, s.beeps))) return false;
  }
  return true;
}
