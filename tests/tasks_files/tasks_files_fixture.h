#pragma once
// Files under a test's root, laid down and read back as "path:content"
// lines: a path is a board path ("/Vorn/Model/Plane/Racer.xml"), a content
// of "-" stands for a file that is not there.
#include <QDir>
#include <QList>
#include <QPair>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

inline bool LayFiles(const QString& root, const QStringList& files) {
  for (const QString& line : files) {
    const int colon = line.indexOf(QLatin1Char(':'));
    const QString path = root + line.left(colon);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(line.mid(colon + 1).toUtf8()) < 0) return false;
  }
  return true;
}

// The files as they are now, in the form the lines give.
inline QStringList FilesNow(const QString& root, const QStringList& files) {
  QStringList now;
  for (const QString& line : files) {
    const QString path = line.left(line.indexOf(QLatin1Char(':')));
    QFile f(root + path);
    now << path + QLatin1Char(':') + (f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("-"));
  }
  return now;
}

inline QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("-");
}

// Error reports as "code text" lines, the code in hex, the root as "@".
inline QStringList ReportLines(const QList<QPair<unsigned, QString>>& reports, const QString& root) {
  QStringList out;
  for (const auto& r : reports) out << QString::number(r.first, 16) + QLatin1Char(' ') + QString(r.second).replace(root, "@");
  return out;
}
