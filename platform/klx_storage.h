#pragma once
// The mounted volume behind a path, as the SD-card and free-space checks need it.
#include <QString>
#include <QtGlobal>

namespace KLX_Platform {

struct VolumeInfo {
  bool valid = false;        // the file system could be queried
  bool mounted = false;      // a medium is mounted at the asked mount point
  QString fileSystemType;    // "vfat" for the SD card
  qint64 bytesTotal = 0;
  qint64 bytesAvailable = 0; // available to ordinary users
};

// The volume mounted at (or holding) an already-mapped path.
VolumeInfo Volume(const QString& mappedPath);

}  // namespace KLX_Platform
