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
