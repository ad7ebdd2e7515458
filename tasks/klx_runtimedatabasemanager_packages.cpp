// The runtime read-outs of the update-package files and the file manager
// screen's front to the one file manager.
#include <QFile>

#include "tasks/klx_runtimedatabasemanager.h"
#include "update/klx_firmware.h"
#include "update/klx_recoverycheck.h"

namespace {
constexpr int kSticks = 8;
constexpr int kAnyHardware = 0;
constexpr int kAnyHardwareToo = 65535;

// The file manager works below the card's top folder (never on the top
// folders themselves) and on the plugged USB sticks; empty for any other folder.
QString FileManagerPlace(const QString& folder) {
  const QString card = KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(QStringLiteral("/Vorn"));
  const QString onCard = KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(folder, QStringLiteral("/Vorn"));
  if (!onCard.isEmpty()) return onCard == card ? QString() : onCard;
  const KLX_FileNameHandler names;
  for (int n = 0; n < kSticks; ++n) {
    const QString stick = QStringLiteral("/media/usb%1").arg(n);
    const QString onStick = KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(folder, stick);
    if (!onStick.isEmpty()) return names.KLX_FileNameHandlerIsUSBStickMounted(n) ? onStick : QString();
  }
  return QString();
}

// A package file whose trailer checks, with its header read.
bool ReadPackageHeader(const QString& path, KLX_Firmware* firmware) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && KLX_Firmware::KLX_Firmware_CheckFileCRC(file) &&
         firmware->KLX_Firmware_LoadHeader(file);
}
}  // namespace

void KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderSetPackageFolder(QString folder) {
  m_PackageFolder = KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(folder);
}

QString KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderCheckKLUFilebyIdx(int index, int hwType) const {
  const QString name = m_Files.KLX_FileFunctionsGetFileEntrybyIndex(index);
  if (name.isEmpty()) return QString();
  const QString folder =
      m_PackageFolder.isEmpty() ? m_Names.KLX_FileNameHandlerGetReceiverUpdateFilePath() : m_PackageFolder + '/';
  KLX_Firmware firmware;
  if (!ReadPackageHeader(folder + name, &firmware)) return QString();
  if (hwType != kAnyHardware && hwType != kAnyHardwareToo && firmware.KLX_Firmware_GetHwType() != hwType)
    return QString();
  return firmware.KLX_Firmware_GetVerStr();
}

QString KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerFolderGetKLUdscrptnByIdx(QString name,
                                                                                     bool firstLineOnly) const {
  if (!KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(name)) return QString();
  const QString folder =
      m_PackageFolder.isEmpty() ? m_Names.KLX_FileNameHandlerGetReceiverUpdateFilePath() : m_PackageFolder + '/';
  KLX_Firmware firmware;
  if (!ReadPackageHeader(folder + name, &firmware)) return QString();
  QString description = firmware.KLX_Firmware_GetDescription();
  if (firstLineOnly) description = description.section(QLatin1Char('\n'), 0, 0);
  return QString::number(firmware.KLX_Firmware_GetHwType()) + QLatin1Char('\n') + description;
}

int KLX_RuntimeDatabaseManager::KLX_RuntimeDatabaseManagerRecoveryRefusal(int controller) const {
  // The screen asks before it asks the pilot: asking reports nothing.
  return KLX_RecoveryCheckPackage(controller, false).status;
}

bool KLX_RuntimeDatabaseManager::FileManagerCreate() {
  QMutexLocker lock(&m_FileManagerMutex);
  if (!m_FileManager) {
    m_FileManager = std::make_unique<CFileManager>(QThread::NormalPriority);
    connect(m_FileManager.get(), &CFileManagerBase::sigProgress, this,
            &KLX_RuntimeDatabaseManager::slotFileManagerProgress);
    connect(m_FileManager.get(), &CFileManagerBase::sigComplete, this,
            &KLX_RuntimeDatabaseManager::slotFileManagerComplete);
    connect(m_FileManager.get(), &CFileManagerBase::sigUserDecisionRequired, this,
            &KLX_RuntimeDatabaseManager::slotFileManagerUserDecisionRequired);
  }
  return m_FileManager != nullptr;
}

void KLX_RuntimeDatabaseManager::FileManagerFree() {
  QMutexLocker lock(&m_FileManagerMutex);
  m_FileManager.reset();
}

bool KLX_RuntimeDatabaseManager::FileManagerSetSourceFolder(QString folder) {
  QMutexLocker lock(&m_FileManagerMutex);
  const QString placed = FileManagerPlace(folder);
  return m_FileManager && !placed.isEmpty() && m_FileManager->setSourceFolder(placed);
}

bool KLX_RuntimeDatabaseManager::FileManagerSelectSource(QString name) {
  QMutexLocker lock(&m_FileManagerMutex);
  return m_FileManager && m_FileManager->selectSource(name);
}

bool KLX_RuntimeDatabaseManager::FileManagerDeselectSource(QString name) {
  QMutexLocker lock(&m_FileManagerMutex);
  return m_FileManager && m_FileManager->deselectSource(name);
}

bool KLX_RuntimeDatabaseManager::FileManagerIsAnythingSelected() {
  QMutexLocker lock(&m_FileManagerMutex);
  if (!m_FileManager) return false;
  const int size = m_FileManager->Selection().size();
  qDebug("m_TskList.size: %u", unsigned(size));
  return size > 0;
}

bool KLX_RuntimeDatabaseManager::FileManagerBeginCopy(QString destination, int behavior) {
  QMutexLocker lock(&m_FileManagerMutex);
  const QString placed = FileManagerPlace(destination);
  if (!m_FileManager || placed.isEmpty() || behavior < CFileManagerBase::Behavior_AskTheUser ||
      behavior > CFileManagerBase::Behavior_Abort)
    return false;
  return m_FileManager->beginCopy(placed, CFileManagerBase::behavior_t(behavior));
}

bool KLX_RuntimeDatabaseManager::FileManagerBeginDelete() {
  QMutexLocker lock(&m_FileManagerMutex);
  return m_FileManager && m_FileManager->beginDelete();
}

bool KLX_RuntimeDatabaseManager::FileManagerBeginDelete(QString folder, QString name) {
  QMutexLocker lock(&m_FileManagerMutex);
  const QString placed = FileManagerPlace(folder);
  return m_FileManager && !placed.isEmpty() && m_FileManager->beginDelete(placed, name);
}

bool KLX_RuntimeDatabaseManager::FileManagerabort() {
  QMutexLocker lock(&m_FileManagerMutex);
  if (!m_FileManager) return false;
  m_FileManager->abort();
  return true;
}

bool KLX_RuntimeDatabaseManager::FileManagerResume(int behavior) {
  QMutexLocker lock(&m_FileManagerMutex);
  if (!m_FileManager || behavior < CFileManagerBase::Behavior_AskTheUser ||
      behavior > CFileManagerBase::Behavior_Abort)
    return false;
  m_FileManager->resume(CFileManagerBase::behavior_t(behavior));
  return true;
}
