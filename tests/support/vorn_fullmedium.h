#pragma once
// A medium with `room` bytes left for what the program writes through the
// file calls: the write that goes beyond puts what fits and fails with
// `error` (ENOSPC: full, EDQUOT: over quota, anything else: a medium that
// fails to write), every later one too. In use while it lives. Given `only`,
// it holds only the files whose names start so (their temporary files too),
// and the program's other threads write elsewhere as ever.
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>

#include <atomic>
#include <cerrno>

#include "frame/klx_filecalls.h"

class VornFullMedium : public KLX_FileCalls {
 public:
  explicit VornFullMedium(qint64 room, int error = ENOSPC, const QString& only = QString())
      : m_Room(room), m_Error(error), m_Only(only) {
    KLX_FileCalls::Set(this);
  }
  ~VornFullMedium() override { KLX_FileCalls::Set(nullptr); }
  VornFullMedium(const VornFullMedium&) = delete;
  VornFullMedium& operator=(const VornFullMedium&) = delete;

  bool Write(int fd, const char* data, qint64 size) override {
    if (!m_Only.isEmpty() &&
        !QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd))).fileName().startsWith(m_Only))
      return KLX_FileCalls::Write(fd, data, size);
    const qint64 fits = qBound<qint64>(0, m_Room - m_Written, size);
    if (fits > 0 && !KLX_FileCalls::Write(fd, data, fits)) return false;
    m_Written += fits;
    if (fits == size) return true;
    errno = m_Error;
    return false;
  }

 private:
  const qint64 m_Room;
  const int m_Error;
  const QString m_Only;
  std::atomic<qint64> m_Written{0};
};

// A medium whose folders take no further name record: a rename to a name
// that starts with `only` (any name, without it), or with `folderSyncs` the
// sync of the folder after it, fails with ENOSPC, as a FAT folder whose
// clusters are full does on a card with no cluster left. In use while it
// lives.
class VornFullFolder : public KLX_FileCalls {
 public:
  explicit VornFullFolder(bool folderSyncs = false, const QString& only = QString())
      : m_FolderSyncs(folderSyncs), m_Only(only) {
    KLX_FileCalls::Set(this);
  }
  ~VornFullFolder() override { KLX_FileCalls::Set(nullptr); }
  VornFullFolder(const VornFullFolder&) = delete;
  VornFullFolder& operator=(const VornFullFolder&) = delete;

  bool Rename(const QString& from, const QString& to) override {
    const bool named = m_Only.isEmpty() || QFileInfo(to).fileName().startsWith(m_Only);
    if (!named) return KLX_FileCalls::Rename(from, to);
    if (m_FolderSyncs) {
      m_Renamed = KLX_FileCalls::Rename(from, to);
      return m_Renamed;
    }
    errno = ENOSPC;
    return false;
  }
  bool SyncFolder(const QString& folder) override {
    if (!m_Renamed.exchange(false)) return KLX_FileCalls::SyncFolder(folder);
    errno = ENOSPC;
    return false;
  }

 private:
  const bool m_FolderSyncs;
  const QString m_Only;
  // A rename named just took place: the folder's sync that follows fails.
  std::atomic<bool> m_Renamed{false};
};
