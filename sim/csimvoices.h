#pragma once
// The installed voices of a factory-fresh card: one folder per voice under
// "/Vorn/Sound/Voices", each described by "voice.conf" for the speech
// engine's stand-in (the espeak-ng voice, the language description, the name
// shown) and its data file "data/<folder>.inf". One or two voices for each of the eight languages of the screens.
#include <QString>
#include <QStringList>

class CSimVoices {
 public:
  struct Voice {
    const char* folder;
    const char* language;
    const char* name;
    const char* espeak;
  };
  static const QList<Voice>& Factory();

  // Writes the factory voices into `folder` when it does not exist yet (an
  // emptied folder stays empty: a card without voices). False when a file
  // could not be written.
  static bool Prepare(const QString& folder);
  // Writes one voice's folder.
  static bool Write(const QString& folder, const Voice& voice);
};
