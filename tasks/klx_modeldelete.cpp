#include "tasks/klx_modeldelete.h"

#include "frame/klx_errorhandler.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr unsigned kErrInit = 0x23001;
constexpr unsigned kErrNoModelFile = 0x23005;
constexpr unsigned kErrNoSdCard = 0x23006;
constexpr unsigned kErrActiveModel = 0x23007;
constexpr unsigned kErrRemove = 0x23008;
constexpr unsigned kErrUnsave = 0x23009;
constexpr unsigned kErrPath = 0x2300A;
const char* const kPictureExtensions[] = {".gif", ".jpg", ".png"};
}  // namespace

KLX_ModelDelete::KLX_ModelDelete()
    : KLX_ModelFileTask({kErrInit, "Initializing of KLX_ModelDelete went wrong", kErrUnsave,
                         "Could not delete model due unsave model state"}) {}

int KLX_ModelDelete::KLX_VornBaseStartTask(Task_Data_T task) {
  TakeRequest(task);
  if (!TestAndTakePermission()) return KLX_Error;
  const int result = KLX_ModelDeleteHandleProgress();
  GivePermissionBack();
  return result;
}

int KLX_ModelDelete::KLX_ModelDeleteHandleProgress() {
  const QString name = Text1();
  if (!m_Files.KLX_FileFunctionsCheckForSDCard(true)) {
    KLXErrorHandler.RegisterError(kErrNoSdCard, QString());
    return KLX_Error;
  }
  const QString file = name + QStringLiteral(".xml");
  // The folder as the path scheme places it, with its closing "/".
  const QString folder = m_Names.KLX_FileNameHandlerCheckModelPath(m_Task.paraint1, Text3(), file);
  if (folder.isEmpty()) {
    KLXErrorHandler.RegisterError(kErrPath, QStringLiteral("Model path outside the model area"));
    return KLX_Error;
  }
  if (!m_Files.KLX_FileFileFunctionsCheckFile(file, folder, false)) {
    KLXErrorHandler.RegisterError(kErrNoModelFile, QString());
    return KLX_Error;
  }
  const QString current = m_Db->KLX_DataBaseManagerVornPropertiesGetSet_ModelName(QString(), AtomicDirGet, false);
  // Both files as the path scheme places them, whether the folders came with
  // a closing "/", as the type's folder or not at all, compared as the card
  // names them: through a link, and without regard to case on vfat.
  const QString currentFolder = m_Names.KLX_FileNameHandlerCheckModelFolder(
      m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet, false),
      m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet, false));
  if (!current.isEmpty() && !currentFolder.isEmpty() &&
      KLX_FileNameHandler::KLX_FileNameHandlerSamePath(folder + file, currentFolder + current + QStringLiteral(".xml"))) {
    KLXErrorHandler.RegisterError(kErrActiveModel, QString());
    return KLX_Error;
  }
  // Another model than the loaded one takes its pictures along; a model of
  // the loaded one's name in another folder leaves them.
  if (name != current) {
    for (const char* extension : kPictureExtensions)
      RemoveFile(PicturesOf(folder) + name + QLatin1String(extension));
  }
  if (!RemoveFile(folder + file)) {
    KLXErrorHandler.RegisterError(kErrRemove, QString());
    return KLX_Error;
  }
  return KLX_Done;
}
