#pragma once
// The mounted volume behind a path, as the SD-card and free-space checks need it.
#include <QList>
#include <QString>
#include <QtGlobal>

namespace KLX_Platform {

struct VolumeInfo {
  bool valid = false;        // the file system could be queried
  bool mounted = false;      // a medium is mounted at the asked mount point
  QString fileSystemType;    // "vfat" for the SD card
  QString name;              // the volume's label
  qint64 bytesTotal = 0;
  qint64 bytesAvailable = 0; // available to ordinary users
  qint64 blockSize = 0;      // the unit space is given out in
};

// The volume mounted at (or holding) an already-mapped path.
VolumeInfo Volume(const QString& mappedPath);

// A mounted volume as the system lists it (root path as this build reaches it).
struct MountedVolume {
  QString rootPath;
  QString name;
  QString device;
};
QList<MountedVolume> MountedVolumes();

}  // namespace KLX_Platform
