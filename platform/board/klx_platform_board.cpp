// Board build: fixed paths are used as they are.
#include "platform/klx_platform.h"
#include "platform/klx_storage.h"

#include <QStorageInfo>

#include <sys/mount.h>

namespace KLX_Platform {

QString Root() { return QString(); }
void SetRoot(const QString&) {}
bool IsBoard() { return true; }

int Umount2(const QString& target, int flags) {
  return ::umount2(target.toLocal8Bit().constData(), flags);
}

int Mount(const QString& source, const QString& target, const QString& type, unsigned long flags,
          const QString& options) {
  const QByteArray data = options.toLocal8Bit();
  return ::mount(source.toLocal8Bit().constData(), target.toLocal8Bit().constData(), type.toLocal8Bit().constData(),
                 flags, data.isEmpty() ? nullptr : data.constData());
}

VolumeInfo Volume(const QString& mappedPath) {
  VolumeInfo v;
  QStorageInfo info(mappedPath);
  if (!info.isValid()) return v;
  v.valid = true;
  v.mounted = info.isReady();
  v.fileSystemType = QString::fromUtf8(info.fileSystemType());
  v.name = info.name();
  v.bytesTotal = info.bytesTotal();
  v.bytesAvailable = info.bytesAvailable();
  v.blockSize = info.blockSize();
  return v;
}

QList<MountedVolume> MountedVolumes() {
  QList<MountedVolume> volumes;
  for (const QStorageInfo& info : QStorageInfo::mountedVolumes())
    volumes.append({info.rootPath(), info.name(), QString::fromLocal8Bit(info.device())});
  return volumes;
}

QString SceneGraphBackend() { return QString(); }

bool InstalledProgramVersion(const QString&, int*, int*) { return false; }

}  // namespace KLX_Platform
