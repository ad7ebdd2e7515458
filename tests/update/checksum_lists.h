#pragma once
// Checksum lists for tests, written the way md5sum and the update server's
// tools write them: one "<md5>  ./<path>" line per file, optionally each
// followed by its size line ("SZ:<bytes>B;"), optionally a version line
// ("AV:<major>.<minor>;LV:<major>.<minor>;") in front, lines ended by LF or
// CR LF.
#include <QByteArray>
#include <QCryptographicHash>
#include <QList>
#include <QPair>
#include <QString>

#include "vorn_fixture.h"

struct ChecksumListSpec {
  QList<QPair<QString, QByteArray>> files;  // relative path, content
  bool sizes = false;
  bool crlf = false;
  QByteArray versions;  // e.g. "AV:2.15;LV:1.7;", written first
};

inline QByteArray Md5Hex(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

inline QByteArray ChecksumListText(const ChecksumListSpec& spec) {
  const QByteArray end = spec.crlf ? "\r\n" : "\n";
  QByteArray text;
  if (!spec.versions.isEmpty()) text += spec.versions + end;
  for (const auto& file : spec.files) {
    text += Md5Hex(file.second) + "  ./" + file.first.toUtf8() + end;
    if (spec.sizes) text += "SZ:" + QByteArray::number(file.second.size()) + "B;" + end;
  }
  return text;
}

// Writes the files under `folder` and the list as `listName` beside them.
inline bool WriteChecksumPackage(const QString& folder, const QString& listName, const ChecksumListSpec& spec) {
  for (const auto& file : spec.files)
    if (!WriteFile(folder + "/" + file.first, file.second)) return false;
  return WriteFile(folder + "/" + listName, ChecksumListText(spec));
}
