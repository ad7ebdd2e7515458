#pragma once
// What a folder holds, for comparing a part of the card before and after.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

// Sorted, without following links: "name: content" for a file, "name/" for
// a folder, "name (link)" for a link; names relative to `folder`.
inline QStringList VornFileTree(const QString& folder) {
  const QString base = QDir::cleanPath(folder) + QLatin1Char('/');
  QStringList tree;
  QDirIterator it(base, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    const QFileInfo info = it.fileInfo();
    const QString name = path.mid(base.size());
    if (info.isSymLink()) {
      tree << name + QStringLiteral(" (link)");
    } else if (info.isDir()) {
      tree << name + QLatin1Char('/');
    } else {
      QFile file(path);
      tree << name + QStringLiteral(": ") + QString::fromUtf8(file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
    }
  }
  tree.sort();
  return tree;
}
