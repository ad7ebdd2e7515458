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
