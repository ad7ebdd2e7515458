#pragma once
// The address of a file below an update source (an HTTP base or a
// "file://" folder, ending in "/"): the name is taken literally, so a
// blank or "#" in it stays part of the path.
#include <QString>
#include <QUrl>

inline QUrl UpdateFileUrl(const QString& source, const QString& name) {
  QUrl url(source);
  url.setPath(url.path(QUrl::FullyDecoded) + name, QUrl::DecodedMode);
  return url;
}
