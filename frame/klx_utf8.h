#pragma once
// Texts kept in fixed byte slots are cut on a whole UTF-8 character, so a
// cut never leaves half a character behind.
#include <QByteArray>
#include <QString>

#include <cstring>

inline QByteArray KLX_Utf8Cut(const QByteArray& utf8, int maxBytes) {
  if (maxBytes <= 0) return QByteArray();
  if (utf8.size() <= maxBytes) return utf8;
  int end = maxBytes;
  // Step back over continuation bytes (10xxxxxx) to the start of the cut
  // character, which is then left out whole.
  while (end > 0 && (static_cast<unsigned char>(utf8.at(end)) & 0xC0) == 0x80) --end;
  return utf8.left(end);
}

inline QByteArray KLX_Utf8Cut(const QString& text, int maxBytes) {
  return KLX_Utf8Cut(text.toUtf8(), maxBytes);
}

// At most `units` UTF-16 units of a text, never ending inside a surrogate pair.
inline QString KLX_Utf16Cut(const QString& text, int units) {
  if (text.size() <= units) return text;
  if (units <= 0) return QString();
  return text.left(text.at(units - 1).isHighSurrogate() ? units - 1 : units);
}

// The offset of the first byte that is not part of well-formed UTF-8 (an
// overlong form, a surrogate or a value beyond U+10FFFF counts as bad), or -1.
inline int KLX_Utf8FirstInvalid(const QByteArray& bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
  const int n = bytes.size();
  int i = 0;
  while (i < n) {
    // Runs of ASCII, the bulk of a model file, eight bytes at a time.
    for (quint64 word; i + 8 <= n; i += 8) {
      std::memcpy(&word, p + i, 8);
      if (word & 0x8080808080808080ULL) break;
    }
    if (i >= n) break;
    const unsigned lead = p[i];
    if (lead < 0x80) {
      ++i;
      continue;
    }
    int more = 0;
    unsigned code = 0;
    unsigned least = 0;
    if ((lead & 0xE0) == 0xC0) {
      more = 1;
      code = lead & 0x1F;
      least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      more = 2;
      code = lead & 0x0F;
      least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      more = 3;
      code = lead & 0x07;
      least = 0x10000;
    } else {
      return i;
    }
    for (int k = 1; k <= more; ++k) {
      if (i + k >= n || (p[i + k] & 0xC0) != 0x80) return i;
      code = (code << 6) | (p[i + k] & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return i;
    i += more + 1;
  }
  return -1;
}

// The well-formed UTF-8 of `bytes` (every bad byte left out), cut on a whole
// character to at most maxBytes: what a fixed name slot may keep of text
// from a user or a file.
inline QByteArray KLX_Utf8ValidCut(const QByteArray& bytes, int maxBytes) {
  QByteArray valid;
  QByteArray rest = bytes;
  for (int bad; (bad = KLX_Utf8FirstInvalid(rest)) >= 0; rest = rest.mid(bad + 1)) valid += rest.left(bad);
  valid += rest;
  return KLX_Utf8Cut(valid, maxBytes);
}
