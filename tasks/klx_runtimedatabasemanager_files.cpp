// The runtime read-outs of the file screens: folder listings, storages, the
// voice packages' folder and the unmounting of a USB stick.
#include <sys/mount.h>

#include <cerrno>
#include <cstring>

#include "platform/klx_platform.h"
#include "tasks/klx_runtimedatabasemanager.h"

namespace {
constexpr int kSticks = 8;

QString Placed(const QString& folder) { return KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(folder); }
}  // namespace

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderContentDirs(QString folder) {
  m_Files.KLX_FileFunctionsGetFolderContentDirs(Placed(folder));
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderContentFiles(QString folder) {
  m_Files.KLX_FileFunctionsGetFolderContentFiles(Placed(folder));
}

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderContentFiles(QString folder, QString filter) {
  m_Files.KLX_FileFunctionsGetFolderContentFiles(Placed(folder), filter);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderGetFilesCount() const {
  return m_Files.KLX_FileFunctionsGetEntryCountFiles();
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderGetEntryCount() const {
  return m_Files.KLX_FileFunctionsGetEntryCountFolders();
}

QString KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderGetFilebyIndex(int index) const {
  return m_Files.KLX_FileFunctionsGetFileEntrybyIndex(index);
}

QString KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderGetEntrybyIndex(int index) const {
  return m_Files.KLX_FileFunctionsGetFolderEntrybyIndex(index);
}

bool KLX_RuntimeDatabaseManager::KLX_FolderisFileExistinig(QString folder, QString name) const {
  const QString placed = Placed(folder);
  return !placed.isEmpty() && KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(name) &&
         m_Files.KLX_FileFileFunctionsCheckFile(name, placed + QLatin1Char('/'), false);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderGetStorageInfo() {
  return m_Names.KLX_FileNameHandlerGetUSBAllSticksMask();
}

QString KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerGetSpaceInfoOnStorage(int kind) const {
  return m_Names.KLX_FileFunctionsGetSpaceInfoOnSDcard(kind);
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderGetStoragesCount() const {
  return m_Names.KLX_FileNameHandlerGetStoragesCount();
}

QString KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderGetStoragePathByIdx(int index) const {
  return m_Names.KLX_FileNameHandlerGetStoragePath(index & 0xFF);
}

QString KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderGetStorageLabelByIdx(int index) const {
  return m_Names.KLX_FileNameHandlerGetStorageLabel(index & 0xFF);
}

QString KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderGetLinuxAppFolder() const {
  return m_Names.KLX_FileNameHandlerGetLinuxAppPath();
}

bool KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderRemoveVoicePkgs() const {
  return m_Files.KLX_FileFunctionsDeleteFolder(m_Names.KLX_FileNameHandlerGetVoicePackagesFilePath(), false);
}

bool KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderVoiceRepoExists() const {
  return m_Files.KLX_FileFileFunctionsCheckFolder(m_Names.KLX_FileNameHandlerGetVoicePackagesFilePath(), false);
}

bool KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerUmountUsbAt(int n) {
  if (n < 0 || n >= kSticks) return false;
  const int result = KLX_Platform::Umount2(QStringLiteral("/media/usb%1").arg(n), MNT_FORCE);
  const int error = errno;
  if (result == 0) {
    qInfo("umount2 /media/usb%d ok\n", n);
    return true;
  }
  qInfo("umount2 /media/usb%d error %s\n", n, std::strerror(error));
  return false;
}
