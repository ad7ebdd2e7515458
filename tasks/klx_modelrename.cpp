#include "tasks/klx_modelrename.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "frame/klx_errorhandler.h"
#include "frame/klx_filecalls.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr unsigned kErrInit = 0x23501;
constexpr unsigned kErrNoSdCard = 0x23502;
constexpr unsigned kErrMode = 0x23503;
constexpr unsigned kErrRename = 0x23504;
constexpr unsigned kErrUnsave = 0x23505;
constexpr unsigned kHintRenamed = 0x43506;
constexpr unsigned kHintDone = 0x43507;
constexpr unsigned kErrPath = 0x23508;
constexpr unsigned kErrNotLoaded = 0x23509;
constexpr int kModeModel = 0;
constexpr int kModeFolder = 1;
const char* const kPictureExtensions[] = {".gif", ".jpg", ".png"};
}  // namespace

KLX_ModelRename::KLX_ModelRename()
    : KLX_ModelFileTask({kErrInit, "Initializing of KLX_ModelRename went wrong", kErrUnsave,
                         "Could not rename model due unsave model state"}) {}

int KLX_ModelRename::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                      KLX_RuntimeDatabaseManager* runtime) {
  const int result = KLX_ModelFileTask::KLX_VornBaseInit(db, protocol, handler, runtime);
  return result == KLX_Ok ? m_Xml.KLX_XMLFileHandlerInitialize(db) : result;
}

int KLX_ModelRename::KLX_VornBaseStartTask(Task_Data_T task) {
  TakeRequest(task);
  // A folder rename takes the permission without asking for it.
  if (m_Task.paraint1 == kModeFolder)
    TakePermission();
  else if (!TestAndTakePermission())
    return KLX_Error;
  return KLX_ModelRenameHandleProgress();
}

int KLX_ModelRename::KLX_ModelRenameHandleProgress() {
  if (!m_Files.KLX_FileFunctionsCheckForSDCard(true)) {
    KLXErrorHandler.RegisterError(kErrNoSdCard, QString());
    GivePermissionBack();
    return KLX_Error;
  }
  QString renamedIn = Text1();
  int result = KLX_Error;
  if (m_Task.paraint1 == kModeModel)
    result = RenameModel(&renamedIn);
  else if (m_Task.paraint1 == kModeFolder)
    result = RenameFolder();
  else
    KLXErrorHandler.RegisterError(kErrMode, QString());
  // The saver may write again, and is asked to do so at once, with the
  // timers' kept values: a load may follow.
  GivePermissionBack();
  m_Db->KLX_DataBaseManagerForceSavingXMLFilesDumpTimers(false);
  if (result == KLX_Done) KLXErrorHandler.RegisterError(kHintRenamed, QStringLiteral("Model is renamed in ") + renamedIn);
  return result;
}

QString KLX_ModelRename::LoadedFolder() const {
  return m_Names.KLX_FileNameHandlerCheckModelFolder(
      m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet, false),
      m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet, false));
}

bool KLX_ModelRename::SaveNow() {
  if (MtxSDShareWrite.KLX_Critical_Enter() != 0) return false;
  const QString name = m_Db->KLX_DataBaseManagerVornPropertiesGetSet_ModelName(QString(), AtomicDirGet, false);
  const int type = m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet, false);
  const QString folder = m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet, false);
  const bool saved = m_Xml.KLX_XMLFileHandlerWriteModelFile(name + QStringLiteral(".xml"), name, type, folder) == KLX_Ok &&
                     m_Xml.KLX_XMLFileHandlerWriteSysProcessStateFile() == KLX_Ok;
  MtxSDShareWrite.KLX_Critical_Leave();
  return saved;
}

int KLX_ModelRename::RenameModel(QString* renamedIn) {
  const QString newName = Text1();
  const QString oldName = m_Db->KLX_DataBaseManagerVornPropertiesGetSet_ModelName(QString(), AtomicDirGet, false);
  const int oldType = m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet, false);
  const QString oldFolder =
      m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet, false);
  const QString file = newName + QStringLiteral(".xml");
  const QString folder = m_Names.KLX_FileNameHandlerCheckModelPath(oldType, Text2(), file);
  if (folder.isEmpty() || !KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(oldName)) {
    KLXErrorHandler.RegisterError(kErrPath, QStringLiteral("Model path outside the model area"));
    return KLX_Error;
  }
  // The folder the screen names must be the loaded model's own: the old
  // file and the pictures removed below are those of the loaded model.
  if (!KLX_FileNameHandler::KLX_FileNameHandlerSamePath(folder, LoadedFolder())) {
    KLXErrorHandler.RegisterError(kErrNotLoaded, QStringLiteral("Folder does not hold the loaded model"));
    return KLX_Error;
  }
  // A model whose file failed to load has nothing in memory to write.
  if (!m_Db->KLX_DataBaseManagerVornPropertiesGetFailedFile().isEmpty()) {
    KLXErrorHandler.RegisterError(kErrNotLoaded, QStringLiteral("Model not loaded, not renamed"));
    return KLX_Error;
  }
  const QString oldFile = folder + oldName + QStringLiteral(".xml");
  if (m_Files.KLX_FileFileFunctionsCheckFile(file, folder, false) ||
      KLX_FileNameHandler::KLX_FileNameHandlerSamePath(folder + file, oldFile))
    return KLX_Error;

  m_Db->KLX_DataBaseManagerVornPropertiesGetSet_ModelName(newName, AtomicDirSet, true);
  KLX_ModelRenameSetModelFolderName(QDir::cleanPath(folder));
  m_Db->KLX_DataBaseManagerSetModelModifyFlag(true);
  m_Db->KLX_DataBaseManagerSetVornModifyFlag(true);
  // The new file and "Vornstate.xml" naming it are on the card before the
  // old file goes: a power cut at any moment leaves a model file that
  // "Vornstate.xml" names.
  if (!SaveNow()) {
    m_Db->KLX_DataBaseManagerVornPropertiesGetSet_ModelName(oldName, AtomicDirSet, true);
    m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(oldType, AtomicDirSet, true);
    m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(oldFolder, AtomicDirSet, true);
    KLXErrorHandler.RegisterError(kErrRename, QStringLiteral("Model file rename error"));
    return KLX_Error;
  }

  const QString oldPicture = PicturesOf(folder) + oldName;
  const QString newPicture = PicturesOf(folder) + newName;
  for (const char* extension : kPictureExtensions) {
    if (QFileInfo::exists(oldPicture + QLatin1String(extension)))
      KLX_ModelRenameImageFileWithReplace(newPicture + QLatin1String(extension), oldPicture + QLatin1String(extension));
  }
  *renamedIn = newPicture;

  if (!KLX_FileCallsRemove(oldFile)) {
    KLXErrorHandler.RegisterError(kErrRename, QStringLiteral("Model file rename error"));
    return KLX_Error;
  }
  KLXErrorHandler.RegisterError(kHintDone, QStringLiteral("Old model file is removed!"));
  return KLX_Done;
}

int KLX_ModelRename::RenameFolder() {
  const QString top = m_Names.KLX_FileNameHandlerGetTopModelFilePath();
  const QString newName = Text1();
  const QString oldName = Text2();
  // Plain names of the user's own folders directly under the model area;
  // the type folders keep their names.
  for (const QString& name : {newName, oldName}) {
    if (!KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(name) ||
        m_Names.KLX_FileNameHandlerCheckModelFolder(0, top + QLatin1Char('/') + name).isEmpty() ||
        m_Names.KLX_FileNameHandlerGetModelTypeByPath(top + QLatin1Char('/') + name) >= 1) {
      KLXErrorHandler.RegisterError(kErrPath, QStringLiteral("Model path outside the model area"));
      return KLX_Error;
    }
  }
  const QString oldPath = top + QLatin1Char('/') + oldName;
  const QString newPath = top + QLatin1Char('/') + newName;
  if (m_Files.KLX_FileFileFunctionsCheckFolder(newPath, false)) return KLX_Error;
  // Whether the loaded model lies in the folder is the model's own folder's
  // business, not what the screen says it is.
  const QString loaded = QDir::cleanPath(LoadedFolder());
  const bool holdsLoaded = !loaded.isEmpty() && KLX_FileNameHandler::KLX_FileNameHandlerHolds(oldPath, loaded);
  KLX_FileCalls& calls = KLX_FileCalls::Instance();
  if (!calls.Rename(oldPath, newPath) || !calls.SyncFolder(top)) {
    KLXErrorHandler.RegisterError(kErrRename, QStringLiteral("Model folder rename error"));
    return KLX_Error;
  }
  if (holdsLoaded) {
    KLX_ModelRenameSetModelFolderName(newPath + loaded.mid(oldPath.size()));
    const QString failed = m_Db->KLX_DataBaseManagerVornPropertiesGetFailedFile();
    const QString boardOld = KLX_FileFunctions::KLX_FileFunctionsBoardPath(oldPath) + QLatin1Char('/');
    if (failed.startsWith(boardOld))
      m_Db->KLX_DataBaseManagerVornPropertiesSetFailedFile(KLX_FileFunctions::KLX_FileFunctionsBoardPath(newPath) +
                                                           QLatin1Char('/') + failed.mid(boardOld.size()));
    m_Db->KLX_DataBaseManagerSetModelModifyFlag(true);
    m_Db->KLX_DataBaseManagerSetVornModifyFlag(true);
    // "Vornstate.xml" follows the folder at once, not at the next pass.
    m_Xml.KLX_XMLFileHandlerSaveSysProcessStateFileNow();
  }
  KLXErrorHandler.RegisterError(kHintDone, QStringLiteral("Model folder renamed!"));
  return KLX_Done;
}

void KLX_ModelRename::KLX_ModelRenameSetModelFolderName(QString path) {
  const int type = m_Names.KLX_FileNameHandlerGetModelTypeByPath(path);
  if (type < 1) {
    m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(path, AtomicDirSet, true);
    return;
  }
  m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirSet, true);
  m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(type, AtomicDirSet, true);
}

bool KLX_ModelRename::KLX_ModelRenameImageFileWithReplace(QString newFile, QString oldFile) {
  // The rename replaces the old picture of the new name in one step.
  KLX_FileCalls& calls = KLX_FileCalls::Instance();
  return calls.Rename(oldFile, newFile) && calls.SyncFolder(KLX_FileCalls::FolderOf(newFile));
}
