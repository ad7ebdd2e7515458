#include "audio/cwavefile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
// A sound file holds a few chunks before its samples; a file of thousands of
// tiny ones is not read to its end.
constexpr int kChunksMax = 64;
constexpr qint64 kFmtSize = 16;
constexpr qint64 kExtensibleFmtSize = 40;
// The sub-format of an extensible file is a GUID: its coding, then these.
const char kSubFormatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, char(0x80),
                                 0x00, 0x00, char(0xAA), 0x00, 0x38, char(0x9B), 0x71};

quint16 Le16(const unsigned char* p) { return quint16(p[0] | (p[1] << 8)); }
quint32 Le32(const unsigned char* p) { return quint32(Le16(p)) | (quint32(Le16(p + 2)) << 16); }

// All `size` bytes at `offset`, or false.
bool ReadAt(int fd, qint64 offset, unsigned char* into, qint64 size) {
  while (size > 0) {
    const ssize_t n = ::pread(fd, into, size_t(size), off_t(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    into += n;
    offset += n;
    size -= n;
  }
  return true;
}

// The bytes of one sample as the player takes them; 0 for a coding or a
// width it does not play. A 24-bit sample lies in 3 or 4 bytes, as the
// frame size says.
int SampleBytes(const CWaveFile& w) {
  if (w.coding == CWaveFile::Float) return w.bits == 32 ? 4 : 0;
  if (w.coding != CWaveFile::Pcm) return 0;
  switch (w.bits) {
    case 8: return 1;
    case 16: return 2;
    case 24: return w.blockAlign == 3 * w.channels ? 3 : w.blockAlign == 4 * w.channels ? 4 : 0;
    case 32: return 4;
    default: return 0;
  }
}

// The format from a "fmt " chunk of `size` bytes (its first 40 at most in
// `body`).
bool ReadFormat(const unsigned char* body, qint64 size, CWaveFile* w) {
  if (size < kFmtSize) return false;
  w->coding = Le16(body);
  w->channels = Le16(body + 2);
  w->rate = Le32(body + 4);
  w->blockAlign = Le16(body + 12);
  w->bits = Le16(body + 14);
  if (w->coding == CWaveFile::Extensible) {
    if (size < kExtensibleFmtSize || std::memcmp(body + 26, kSubFormatTail, sizeof(kSubFormatTail)) != 0)
      return false;
    w->coding = Le16(body + 24);
  }
  const int bytes = SampleBytes(*w);
  return w->channels > 0 && w->rate > 0 && bytes > 0 && w->blockAlign == bytes * w->channels;
}

bool ReadChunks(int fd, qint64 fileSize, CWaveFile* w) {
  unsigned char head[12];
  if (!ReadAt(fd, 0, head, sizeof(head)) || std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0)
    return false;
  bool format = false;
  qint64 at = sizeof(head);
  for (int i = 0; i < kChunksMax; ++i) {
    unsigned char chunk[8];
    if (at > fileSize - qint64(sizeof(chunk)) || !ReadAt(fd, at, chunk, sizeof(chunk))) return false;
    const qint64 size = Le32(chunk + 4);
    const qint64 body = at + qint64(sizeof(chunk));
    if (std::memcmp(chunk, "data", 4) == 0) {
      // The player wants the format first; it plays what the file holds,
      // whatever more the chunk claims.
      if (!format) return false;
      w->frames = qMin(size, fileSize - body) / w->blockAlign;
      return w->frames > 0;
    }
    if (!format && std::memcmp(chunk, "fmt ", 4) == 0) {
      unsigned char fmt[kExtensibleFmtSize] = {};
      if (size > fileSize - body || !ReadAt(fd, body, fmt, qMin(size, kExtensibleFmtSize)) ||
          !ReadFormat(fmt, size, w))
        return false;
      format = true;
    }
    // Chunks are padded to an even size.
    at = body + size + (size & 1);
  }
  return false;
}
}  // namespace

bool CWaveFile::Read(const QString& path) {
  *this = CWaveFile();
  // Not blocking: opening a pipe for reading waits for a writer.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  const bool read = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ReadChunks(fd, qint64(st.st_size), this);
  ::close(fd);
  if (!read) *this = CWaveFile();
  return read;
}

qint64 CWaveFile::PlayMs() const { return rate == 0 ? 0 : (frames * 1000 + rate - 1) / rate; }
