#pragma once
// The format and the samples of a RIFF/WAVE sound file, read from its chunks
// the way the player (`aplay`) reads them: a file it would refuse, or play as
// nothing, is told apart before it is handed over, and the length of one it
// plays is known.
#include <QString>
#include <QtGlobal>

struct CWaveFile {
  enum Coding : quint16 { Pcm = 1, Float = 3, Extensible = 0xFFFE };

  quint16 coding = 0;  // Pcm or Float (an extensible file's sub-format)
  quint16 channels = 0;
  quint32 rate = 0;
  quint16 bits = 0;  // of a sample's container
  quint16 blockAlign = 0;  // bytes of one frame
  qint64 frames = 0;  // whole frames the file holds of its "data" chunk

  // Reads the chunk headers and the "fmt " chunk of `path`. Only a regular
  // file is read: a pipe or a device named like a sound file is refused at
  // once, never waited on. True for a file the player plays: a "fmt " chunk
  // before the "data" chunk, integer PCM of 8, 16, 24 (in 3 or 4 bytes) or
  // 32 bits or 32-bit float, plain or extensible, a frame size that matches
  // them, and at least one whole frame of samples.
  bool Read(const QString& path);
  // How long the samples play, rounded up to the next ms.
  qint64 PlayMs() const;
};
