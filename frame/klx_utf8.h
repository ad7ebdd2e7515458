#pragma once
// Texts kept in fixed byte slots are cut on a whole UTF-8 character, so a
// cut never leaves half a character behind.
#include <QByteArray>
#include <QString>

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

// The well-formed UTF-8 sequences of `bytes` (stray, overlong and surrogate
// sequences left out), cut on a whole character to at most maxBytes: what a
// fixed name slot may keep of text from a user or a file.
inline QByteArray KLX_Utf8ValidCut(const QByteArray& bytes, int maxBytes) {
  QByteArray out;
  const int n = bytes.size();
  for (int i = 0; i < n;) {
    const unsigned char c = static_cast<unsigned char>(bytes.at(i));
    int len = c < 0x80 ? 1 : (c >= 0xC2 && c <= 0xDF) ? 2 : (c >= 0xE0 && c <= 0xEF) ? 3 : (c >= 0xF0 && c <= 0xF4) ? 4 : 0;
    bool ok = len > 0 && i + len <= n;
    for (int k = 1; ok && k < len; ++k) ok = (static_cast<unsigned char>(bytes.at(i + k)) & 0xC0) == 0x80;
    if (ok && len >= 3) {
      const unsigned char c1 = static_cast<unsigned char>(bytes.at(i + 1));
      // No overlong forms, no surrogates, nothing beyond U+10FFFF.
      ok = !(c == 0xE0 && c1 < 0xA0) && !(c == 0xED && c1 >= 0xA0) && !(c == 0xF0 && c1 < 0x90) &&
           !(c == 0xF4 && c1 >= 0x90);
    }
    if (!ok) {
      ++i;
      continue;
    }
    if (out.size() + len > maxBytes) break;
    out.append(bytes.constData() + i, len);
    i += len;
  }
  return out;
}
