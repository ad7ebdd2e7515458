#include "tasks/klx_modelcopy.h"

#include <QFileInfo>

#include "frame/klx_copyerrors.h"
#include "frame/klx_errorhandler.h"

namespace {
using namespace KLX_CopyError;
const char* const kNoRoomText = "not enough space on medium";
}  // namespace

KLX_ModelCopy::KLX_ModelCopy()
    : KLX_ModelFileTask({kModelInit, "Initializing of KLX_ModelCopy went wrong", kModelUnsave,
                         "Could not copy model due unsave model state"}) {}

int KLX_ModelCopy::KLX_VornBaseStartTask(Task_Data_T task) {
  TakeRequest(task);
  if (!TestAndTakePermission()) return KLX_Error;
  const int result = KLX_ModelCopyHandleProgress();
  GivePermissionBack();
  return result;
}

int KLX_ModelCopy::KLX_ModelCopyHandleProgress() {
  const QString name = Text1();
  if (!m_Files.KLX_FileFunctionsCheckForSDCard(true)) {
    KLXErrorHandler.RegisterError(kModelNoSdCard, QString());
    return KLX_Error;
  }
  const QString file = name + QStringLiteral(".xml");
  const bool beside = Text2().isEmpty();
  const QString destinationName = beside ? name + QStringLiteral("_cpy.xml") : file;
  // Both folders as the path scheme places them, with a closing "/".
  const QString source = m_Names.KLX_FileNameHandlerCheckModelPath(m_Task.paraint1, Text3(), file);
  const QString destination =
      beside ? source : m_Names.KLX_FileNameHandlerCheckModelPath(0, Text2(), destinationName);
  if (source.isEmpty() || destination.isEmpty()) {
    KLXErrorHandler.RegisterError(kModelPath, QStringLiteral("Model path outside the model area"));
    return KLX_Error;
  }
  if (!m_Files.KLX_FileFileFunctionsCheckFile(file, source, false)) {
    KLXErrorHandler.RegisterError(kModelNoSource, QString());
    return KLX_Error;
  }
  if (m_Files.KLX_FileFileFunctionsCheckFile(destinationName, destination, false)) {
    KLXErrorHandler.RegisterError(kModelTargetExists, QString());
    return KLX_Error;
  }
  if (!m_Files.KLX_FileFileFunctionsCheckFolder(destination, false)) {
    KLXErrorHandler.RegisterError(kModelCopyFailed, QString());
    return KLX_Error;
  }
  // Room for the copy and, after it, for a save of the current model.
  const long copyKiB = long(QFileInfo(source + file).size() / 1024 + 1);
  if (!m_Files.KLX_FileFunctionsGetAvailSpaceOnFolder(destination, copyKiB + KLX_FileFunctions::kModelSaveKiB)) {
    KLXErrorHandler.RegisterError(kModelNoRoom, QString::fromLatin1(kNoRoomText));
    return KLX_Error;
  }
  // The content as it is: the model name inside stays the source's. A copy
  // that fails leaves no part of itself.
  if (!m_Files.KLX_FileFunctionsCopyFileToFolder(file, source, destinationName, destination)) {
    if (m_Files.KLX_FileFunctionsLastCopyNoRoom())
      KLXErrorHandler.RegisterError(kModelNoRoom, QString::fromLatin1(kNoRoomText));
    else
      KLXErrorHandler.RegisterError(kModelCopyFailed, QString());
    return KLX_Error;
  }
  return KLX_Done;
}
