#include "vorn_powercut.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSet>

namespace {
constexpr int kMaxPending = 14;
constexpr int kMaxUnsynced = 6;

QString Folder(const QString& path) { return QDir::cleanPath(QFileInfo(path).absolutePath()); }
QString Name(const QString& path) { return QFileInfo(path).fileName(); }

struct Entry {
  enum Op { Link, Unlink, Move, Swap } op;
  QString folder;
  QString name;
  QString to;
  int file;
  QString toFolder = QString();  // a swap's other folder
};
using Entries = QMap<QString, QMap<QString, int>>;  // folder -> name -> file

void Apply(const Entry& e, Entries* entries) {
  QMap<QString, int>& folder = (*entries)[e.folder];
  switch (e.op) {
    case Entry::Link: folder[e.name] = e.file; break;
    case Entry::Unlink: folder.remove(e.name); break;
    case Entry::Move:
      folder.remove(e.name);
      folder[e.to] = e.file;
      break;
    case Entry::Swap: {
      QMap<QString, int>& other = (*entries)[e.toFolder];
      const int here = folder.value(e.name, e.file), there = other.value(e.to, e.file);
      folder[e.name] = there;
      other[e.to] = here;
      break;
    }
  }
}
}  // namespace

VornPowerCut::VornPowerCut() { KLX_FileCalls::Set(this); }

VornPowerCut::~VornPowerCut() { KLX_FileCalls::Set(nullptr); }

int VornPowerCut::Calls() const {
  QMutexLocker lock(&m_Mutex);
  return m_Calls.size();
}

QStringList VornPowerCut::Log() const {
  QMutexLocker lock(&m_Mutex);
  QStringList lines;
  for (const Call& c : m_Calls) lines << c.line;
  return lines;
}

void VornPowerCut::Remember(const QString& path) {
  if (m_Before.contains(path)) return;
  QFile file(path);
  m_Before.insert(path, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
  if (!QFileInfo::exists(path)) m_Before.remove(path);
}

bool VornPowerCut::Touched(const QString& path) const {
  for (const Call& c : m_Calls)
    if (c.path == path || c.to == path) return true;
  return false;
}

void VornPowerCut::Add(Call call) { m_Calls.append(std::move(call)); }

bool VornPowerCut::Cut(const QString& line) {
  if (!m_CutAt.isEmpty() && line.startsWith(m_CutAt) && --m_CutIn == 0) m_Cut = true;
  return m_Cut;
}

int VornPowerCut::Create(const QString& path) {
  QMutexLocker lock(&m_Mutex);
  if (Cut("create " + path)) return -1;
  const int fd = KLX_FileCalls::Create(path);
  if (fd >= 0) {
    m_Open.insert(fd, m_Calls.size());
    Add({Created, path, QString(), m_Calls.size(), QByteArray(), "create " + path});
  }
  return fd;
}

int VornPowerCut::OpenAppend(const QString& path) {
  QMutexLocker lock(&m_Mutex);
  if (Cut("open " + path)) return -1;
  const bool existed = QFileInfo::exists(path);
  if (existed && !Touched(path)) Remember(path);
  const int fd = KLX_FileCalls::OpenAppend(path);
  if (fd >= 0) {
    const int call = m_Calls.size();
    m_Open.insert(fd, call);
    if (existed)
      Add({Opened, path, QString(), call, QByteArray(), "open " + path});
    else
      Add({Created, path, QString(), call, QByteArray(), "create " + path});
  }
  return fd;
}

bool VornPowerCut::Write(int fd, const char* data, qint64 size) {
  QMutexLocker lock(&m_Mutex);
  if (Cut(QStringLiteral("write %1 %2").arg(m_Open.contains(fd) ? m_Calls[m_Open.value(fd)].path : QString()).arg(size)))
    return false;
  const bool written = KLX_FileCalls::Write(fd, data, size);
  if (written && m_Open.contains(fd)) {
    const int file = m_Open.value(fd);
    Add({Written, m_Calls[file].path, QString(), file, QByteArray(data, int(size)),
         QStringLiteral("write %1 %2").arg(m_Calls[file].path).arg(size)});
  }
  return written;
}

bool VornPowerCut::SyncData(int fd) {
  QMutexLocker lock(&m_Mutex);
  if (Cut("sync " + (m_Open.contains(fd) ? m_Calls[m_Open.value(fd)].path : QString()))) return false;
  if (m_SkipDataSyncs) return true;
  const bool synced = KLX_FileCalls::SyncData(fd);
  if (synced && m_Open.contains(fd)) {
    const int file = m_Open.value(fd);
    Add({Synced, m_Calls[file].path, QString(), file, QByteArray(), "sync " + m_Calls[file].path});
  }
  return synced;
}

bool VornPowerCut::SyncFile(const QString& path) {
  QMutexLocker lock(&m_Mutex);
  if (Cut("sync " + path)) return false;
  if (m_SkipDataSyncs) return true;
  const bool synced = KLX_FileCalls::SyncFile(path);
  if (synced) Add({SyncedByPath, path, QString(), -1, QByteArray(), "sync " + path});
  return synced;
}

bool VornPowerCut::Rename(const QString& from, const QString& to) {
  QMutexLocker lock(&m_Mutex);
  if (Cut("rename " + from + " " + to)) return false;
  Remember(from);
  Remember(to);
  const bool renamed = KLX_FileCalls::Rename(from, to);
  if (renamed) Add({Renamed, from, to, -1, QByteArray(), "rename " + from + " " + to});
  return renamed;
}

bool VornPowerCut::Remove(const QString& path) {
  QMutexLocker lock(&m_Mutex);
  if (Cut("remove " + path)) return false;
  Remember(path);
  const bool existed = QFileInfo::exists(path);
  const bool removed = KLX_FileCalls::Remove(path);
  if (removed && existed) Add({Removed, path, QString(), -1, QByteArray(), "remove " + path});
  return removed;
}

bool VornPowerCut::SyncFolder(const QString& folder) {
  QMutexLocker lock(&m_Mutex);
  if (Cut("syncfolder " + folder)) return false;
  if (m_SkipFolderSyncs) return true;
  const bool synced = KLX_FileCalls::SyncFolder(folder);
  if (synced) Add({FolderSynced, QDir::cleanPath(folder), QString(), -1, QByteArray(), "syncfolder " + folder});
  return synced;
}

bool VornPowerCut::SyncFileSystem(const QString& path) {
  QMutexLocker lock(&m_Mutex);
  if (Cut("syncfs " + path)) return false;
  if (m_SkipDataSyncs) return true;
  const bool synced = KLX_FileCalls::SyncFileSystem(path);
  if (synced) Add({AllSynced, path, QString(), -1, QByteArray(), "syncfs " + path});
  return synced;
}

KLX_FileCalls::ExchangeResult VornPowerCut::Exchange(const QString& a, const QString& b) {
  QMutexLocker lock(&m_Mutex);
  if (m_WithoutExchange) return ExchangeUnsupported;
  if (Cut("exchange " + a + " " + b)) return ExchangeFailed;
  Remember(a);
  Remember(b);
  const ExchangeResult exchanged = KLX_FileCalls::Exchange(a, b);
  if (exchanged == KLX_FileCalls::Exchanged) Add({NamesExchanged, a, b, -1, QByteArray(), "exchange " + a + " " + b});
  return exchanged;
}

QList<VornPowerCut::Card> VornPowerCut::StatesAfter(int n) const {
  QMutexLocker lock(&m_Mutex);
  // A file's content as it lasts and as written; files by their creating
  // call, those of the card before by a number below zero.
  QMap<int, QByteArray> lasting, written;
  // A file opened to append to, by the call that opened it: the file its name held.
  QHash<int, int> opened;
  const auto fileOf = [&opened](int call) { return opened.value(call, call); };
  Entries durable, current;
  QList<Entry> pending;
  int before = -1;
  for (auto it = m_Before.constBegin(); it != m_Before.constEnd(); ++it, --before) {
    lasting[before] = written[before] = it.value();
    durable[Folder(it.key())][Name(it.key())] = before;
    current[Folder(it.key())][Name(it.key())] = before;
  }
  for (int i = 0; i < n && i < m_Calls.size(); ++i) {
    const Call& c = m_Calls[i];
    const QString folder = Folder(c.path);
    switch (c.kind) {
      case Created:
        lasting[c.file] = written[c.file] = QByteArray();
        current[folder][Name(c.path)] = c.file;
        pending.append({Entry::Link, folder, Name(c.path), QString(), c.file});
        break;
      case Opened: {
        const auto held = current[folder].constFind(Name(c.path));
        if (held != current[folder].constEnd()) {
          opened.insert(c.file, held.value());
        } else {
          lasting[c.file] = written[c.file] = QByteArray();
          current[folder][Name(c.path)] = c.file;
          pending.append({Entry::Link, folder, Name(c.path), QString(), c.file});
        }
        break;
      }
      case Written: written[fileOf(c.file)] += c.data; break;
      case Synced: lasting[fileOf(c.file)] = written[fileOf(c.file)]; break;
      case SyncedByPath: {
        // The file its name holds now; one the calls never wrote lasts already.
        const auto held = current[folder].constFind(Name(c.path));
        if (held != current[folder].constEnd()) lasting[held.value()] = written[held.value()];
        break;
      }
      case Renamed: {
        const int file = current[folder].take(Name(c.path));
        current[Folder(c.to)][Name(c.to)] = file;
        if (Folder(c.to) == folder) {
          pending.append({Entry::Move, folder, Name(c.path), Name(c.to), file});
        } else {
          pending.append({Entry::Link, Folder(c.to), Name(c.to), QString(), file});
          pending.append({Entry::Unlink, folder, Name(c.path), QString(), file});
        }
        break;
      }
      case NamesExchanged: {
        const int here = current[folder].value(Name(c.path)), there = current[Folder(c.to)].value(Name(c.to));
        current[folder][Name(c.path)] = there;
        current[Folder(c.to)][Name(c.to)] = here;
        pending.append({Entry::Swap, folder, Name(c.path), Name(c.to), -1, Folder(c.to)});
        break;
      }
      case AllSynced:
        for (auto f = written.constBegin(); f != written.constEnd(); ++f) lasting[f.key()] = f.value();
        for (const Entry& p : qAsConst(pending)) Apply(p, &durable);
        pending.clear();
        break;
      case Removed:
        current[folder].remove(Name(c.path));
        pending.append({Entry::Unlink, folder, Name(c.path), QString(), -1});
        break;
      case FolderSynced:
        for (int p = 0; p < pending.size();) {
          if (pending[p].folder == c.path || (pending[p].op == Entry::Swap && pending[p].toFolder == c.path)) {
            Apply(pending[p], &durable);
            pending.removeAt(p);
          } else {
            ++p;
          }
        }
        break;
    }
  }
  Q_ASSERT(pending.size() <= kMaxPending);

  QList<Card> states;
  QSet<QByteArray> seen;
  for (int mask = 0; mask < (1 << pending.size()); ++mask) {
    Entries entries = durable;
    for (int p = 0; p < pending.size(); ++p)
      if (mask & (1 << p)) Apply(pending[p], &entries);
    QList<QPair<QString, int>> files;
    QList<int> unsynced;
    for (auto f = entries.constBegin(); f != entries.constEnd(); ++f)
      for (auto e = f.value().constBegin(); e != f.value().constEnd(); ++e) {
        files.append({f.key() + "/" + e.key(), e.value()});
        if (lasting[e.value()] != written[e.value()] && !unsynced.contains(e.value())) unsynced.append(e.value());
      }
    Q_ASSERT(unsynced.size() <= kMaxUnsynced);
    for (int choice = 0; choice < (1 << unsynced.size()); ++choice) {
      Card card;
      QByteArray key;
      for (const auto& f : files) {
        const int bit = unsynced.indexOf(f.second);
        card.insert(f.first, bit >= 0 && (choice & (1 << bit)) ? written[f.second] : lasting[f.second]);
        key += f.first.toUtf8() + '\0' + card.value(f.first) + '\0';
      }
      if (!seen.contains(key)) {
        seen.insert(key);
        states.append(card);
      }
    }
  }
  return states;
}
