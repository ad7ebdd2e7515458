#pragma once
// A folder that hands out its entries one at a time, with static helpers.
#include <QDir>
#include <QString>
#include <QStringList>

class CDir : public QDir {
 public:
  explicit CDir(const QString& path = QString());
  virtual ~CDir();

  // Lists the entries (files and folders plus `filters`, unsorted) and
  // returns the first; empty when there is none.
  QString getFirst(QDir::Filters filters = QDir::NoFilter);
  // The next entry; empty once all were handed out.
  QString getNext();

  static bool mkpath(const QString& path);
  // True when `path` is `folder` or lies below it, compared by whole path
  // components (case-sensitive); a final "/" on either makes no difference.
  static bool isContains(const QString& folder, const QString& path);
  // Removes a folder with its content, a link as a link.
  static bool remove(const QString& path);
  // The parent folder of `path` with a final "/".
  static QString getDir(const QString& path);

 private:
  QStringList m_Entries;
};
