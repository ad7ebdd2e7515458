#include "update/klx_filefunctions.h"

#include "frame/klx_board.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "platform/klx_storage.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr qint64 kMinCardBytes = 256LL * 1024 * 1024;
}

bool KLX_FileFunctions::KLX_FileFunctionsCheckForSDCard(bool full) const {
  if (!Board::m_Instance) Board::Init();
  const QString device = Board::m_Instance->SDCardDevPathGet();
  if (device.isEmpty() || !QFileInfo::exists(KLX_FileNameHandler::KLX_FileNameHandlerMapPath(device)))
    return false;
  if (!full) return true;
  const KLX_Platform::VolumeInfo volume =
      KLX_Platform::Volume(KLX_FileNameHandler().KLX_FileNameHandlerGetVornPath());
  return volume.valid && volume.mounted && volume.bytesTotal >= kMinCardBytes &&
         volume.fileSystemType == QLatin1String("vfat");
}

bool KLX_FileFunctions::KLX_FileFileFunctionsCheckFolder(QString folder, bool create) const {
  if (QFileInfo(folder).isDir()) return true;
  return create && QDir().mkpath(folder);
}

bool KLX_FileFunctions::KLX_FileFunctionsGetAvailSpaceOnFolder(QString path, long minimumKiB) const {
  const KLX_Platform::VolumeInfo volume = KLX_Platform::Volume(path);
  if (!volume.valid) {
    KLXErrorHandler.RegisterError(0x00050501, "KLX_FileChecker(): drive info not accessable");
    return false;
  }
  return volume.bytesAvailable / 1024 >= minimumKiB;
}
