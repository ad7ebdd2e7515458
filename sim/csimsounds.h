#pragma once
// The alarm sounds of a factory-fresh card ("/Vorn/Sound"): the telemetry
// alarms play "Alarm_Telemetry_A.wav" for a yellow limit and
// "Alarm_Telemetry_B.wav" for a red one. The board's card carries recorded
// ones; these are tones of our own, two short beeps and three higher ones.
#include <QByteArray>
#include <QString>

class CSimSounds {
 public:
  // Writes each sound that is not there yet (a pilot's own file is kept);
  // false when one could not be written.
  static bool Prepare(const QString& folder);
  // A 16-bit mono WAV at 48 kHz: `beeps` beeps of `hz`, 120 ms each with
  // 80 ms of silence after each.
  static QByteArray Beeps(int hz, int beeps);
};
