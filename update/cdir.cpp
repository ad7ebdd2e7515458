#include "update/cdir.h"

#include "frame/klx_filecalls.h"

CDir::CDir(const QString& path) : QDir(path) {}
CDir::~CDir() = default;

QString CDir::getFirst(QDir::Filters filters) {
  m_Entries = entryList(filters | QDir::Files | QDir::Dirs, QDir::Unsorted);
  return getNext();
}

QString CDir::getNext() {
  if (m_Entries.isEmpty()) return QString();
  return m_Entries.takeFirst();
}

bool CDir::mkpath(const QString& path) { return QDir().mkpath(path); }

bool CDir::isContains(const QString& folder, const QString& path) {
  // Whole path components: "/a/bc" does not lie inside "/a/b".
  QString inside = folder;
  while (inside.size() > 1 && inside.endsWith(QLatin1Char('/'))) inside.chop(1);
  if (inside == QLatin1String("/")) return path.startsWith(inside);
  return path == inside || path.startsWith(inside + QLatin1Char('/'));
}

bool CDir::remove(const QString& path) { return KLX_FileCallsRemoveTree(path); }

QString CDir::getDir(const QString& path) {
  QString trimmed = path;
  if (trimmed.endsWith('/')) trimmed.chop(1);
  const int slash = trimmed.lastIndexOf('/');
  if (slash < 0) return path;
  return trimmed.left(slash + 1);
}
