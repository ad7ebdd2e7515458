#include "tasks/klx_copymodeldata.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPair>

#include "frame/klx_copyerrors.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filecalls.h"
#include "model/klx_databasemanager.h"
#include "platform/klx_commandrunner.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"

namespace {
using namespace KLX_CopyError;
// The answer mark of an update made by the user-dialog input.
constexpr unsigned char kDialogAnswer = 2;
constexpr int kMaxNewFolders = 255;
const char* const kContext = "KLX_CopyModelData";
const char* const kVoiceCheckFile = "/VOICEDATAMD5.txt";

using VT = KLX_VornTask;

// A path from QML or a request, placed under the root and kept to the data
// partition or the USB sticks; empty otherwise.
QString Allowed(const QString& path) {
  QString checked = KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(path, QStringLiteral("/Vorn"));
  if (checked.isEmpty()) checked = KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(path, QStringLiteral("/media"));
  return checked;
}

// A stick keeps the SD card's paths in the board's own form, not the desktop's.
QString BoardForm(const QString& path) { return KLX_FileFunctions::KLX_FileFunctionsBoardPath(path); }

// Compared as the card names them: through links, and without regard to
// case on vfat.
bool SameFolder(const QString& a, const QString& b) { return KLX_FileNameHandler::KLX_FileNameHandlerSamePath(a, b); }

// `inner` is `folder` or lies inside it.
bool Holds(const QString& folder, const QString& inner) { return KLX_FileNameHandler::KLX_FileNameHandlerHolds(folder, inner); }

bool WriteWhole(const QString& path, const QByteArray& content) { return KLX_FileCallsWriteWhole(path, content); }

// A request of a kind this task does not do: told, not a silent failure.
int UnknownRequest(const char* what) {
  KLXErrorHandler.RegisterError(kDataRequest, QStringLiteral("unknown request: ") + QLatin1String(what));
  return KLX_Error;
}

// The first folder of `folder`'s path that is missing, from the top; empty
// when `folder` exists.
QString FirstMissing(const QString& folder) {
  QString missing;
  for (QString at = QDir::cleanPath(folder); !QFileInfo::exists(at);) {
    missing = at;
    const QString up = QFileInfo(at).path();
    if (up == at) break;
    at = up;
  }
  return missing;
}
}  // namespace

KLX_CopyModelData::KLX_CopyModelData() { KLX_CopyModelData::KLX_VornBaseCleanUp(); }

KLX_CopyModelData::~KLX_CopyModelData() = default;

int KLX_CopyModelData::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                        KLX_RuntimeDatabaseManager* runtime) {
  if (!db || !protocol || !handler || !runtime) {
    KLXErrorHandler.RegisterError(kDataInit, QStringLiteral("Initializing of KLX_CopyModelData went wrong"));
    return KLX_Error;
  }
  KLX_CopyModelData::KLX_VornBaseCleanUp();
  m_Db = db;
  m_Protocol = protocol;
  m_Handler = handler;
  m_Runtime = runtime;
  m_State = KLX_COPYMODELDATA_IDLE;
  return KLX_Ok;
}

int KLX_CopyModelData::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  m_Update = TaskUpdate_Data_T();
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  // A copy left unfinished by an earlier run must not go on with this one's files.
  m_Files.KLX_FileFunctionsCancelPartCopy();
  m_MadeBottom.clear();
  m_MadeTop.clear();
  m_State = KLX_COPYMODELDATA_START;
  m_Timer.start();
  return KLX_CopyModelDataHandleProgress();
}

int KLX_CopyModelData::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  return KLX_CopyModelDataHandleProgress();
}

int KLX_CopyModelData::KLX_VornBaseTimeout() {
  KLX_VornBaseIncErrorCount();
  if (KLX_VornBaseCheckForMaxError()) {
    KLXErrorHandler.RegisterError(kDataRetries, QStringLiteral("copy model data went wrong after retries"));
    return KLX_Timeout;
  }
  KLXErrorHandler.RegisterError(kDataTimeout, QStringLiteral("timeout in unknown state"));
  return KLX_Error;
}

int KLX_CopyModelData::KLX_VornBaseCleanUp() {
  m_Db = nullptr;
  m_Protocol = nullptr;
  m_Handler = nullptr;
  m_Runtime = nullptr;
  m_State = KLX_COPYMODELDATA_IDLE;
  m_Task.task = VT::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

QString KLX_CopyModelData::Text(int n) const {
  return KLX_TaskText(n == 1 ? m_Task.parastr1 : n == 2 ? m_Task.parastr2 : m_Task.parastr3);
}

int KLX_CopyModelData::KLX_CopyModelDataHandleProgress() {
  switch (m_State) {
    case KLX_COPYMODELDATA_START: return StartStep();
    case KLX_COPYMODELDATA_TRY_TO_COPYDELETE:
      // Only the task's own follow-ups move the work on; a late answer of
      // the user would take an entry out of turn.
      if (m_Update.para != 0 || m_Update.updateKind != KLX_UPDATE_KIND_RESULT) return KLX_Ok;
      return CopyOrDeleteStep();
    case KLX_COPYMODELDATA_WAIT_FOR_USER_INPUT: return WaitStep();
    default:
      KLXErrorHandler.RegisterError(kDataState, QString());
      return KLX_Error;
  }
}

int KLX_CopyModelData::StartStep() {
  const int operation = m_Task.paraint1;
  if (m_Task.paraint3 == ActionCopyFile && Text(3).isEmpty()) {
    const QString stick = m_Names.KLX_FileNameHandlerGetUSBStickPath(0);
    if (stick.isEmpty()) {
      KLXErrorHandler.RegisterError(kDataNoStick, QStringLiteral("No USB stick plugged"));
      return KLX_Error;
    }
    if (operation == VT::KLX_TASK_PARA_COPY_MOD_TO_USB) return KLX_CopyModelData_GenerateToUSBList();
    if (operation == VT::KLX_TASK_PARA_COPY_SYS_DATA_USB) return KLX_CopySystemData_GenerateToUSBList(stick);
    return UnknownRequest("operation");
  }
  if (operation == VT::KLX_TASK_PARA_COPY_MOD_TO_USB) return KLX_CopyModelData_GenerateToUSBList();
  if (operation == VT::KLX_TASK_PARA_NEW_FOLDER) return NewFolderStep();
  return UnknownRequest("operation");
}

int KLX_CopyModelData::KLX_CopyModelData_GenerateToUSBList() {
  m_List.clear();
  if (m_Task.paraint2 == VT::KLX_TASK_PARA_COPY_ALL) {
    const QString top = m_Names.KLX_FileNameHandlerGetTopModelFilePath();
    m_Files.KLX_FileFunctionsGetFolderContentDirs(top);
    QStringList folders;
    for (int i = 0; i < m_Files.KLX_FileFunctionsGetEntryCountFolders(); ++i)
      folders << m_Files.KLX_FileFunctionsGetFolderEntrybyIndex(i);
    for (const QString& folder : qAsConst(folders)) {
      if (folder == QLatin1String(".") || folder == QLatin1String("..")) continue;
      const QString path = top + QLatin1Char('/') + folder;
      m_Files.KLX_FileFunctionsGetFolderContentFiles(path);
      for (int i = 0; i < m_Files.KLX_FileFunctionsGetEntryCountFiles(); ++i) {
        const QString name = m_Files.KLX_FileFunctionsGetFileEntrybyIndex(i);
        if (!name.isEmpty() && QFileInfo(name).suffix() == QLatin1String("xml")) m_List.append({path, name, QString()});
      }
    }
  } else if (m_Task.paraint2 == VT::KLX_TASK_PARA_COPYDEL_SINGLE) {
    m_List.append({Text(2), Text(1), Text(3)});
  } else {
    return UnknownRequest("list");
  }
  m_State = KLX_COPYMODELDATA_TRY_TO_COPYDELETE;
  return PostFollowUp(0);
}

int KLX_CopyModelData::NewFolderStep() {
  const QString base = KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(Text(3), QStringLiteral("/Vorn/Model"));
  if (base.isEmpty()) {
    KLXErrorHandler.RegisterError(kDataPath, QStringLiteral("Path outside the allowed folders"));
    return KLX_Error;
  }
  for (int i = 0; i < kMaxNewFolders; ++i) {
    const QString name = i == 0 ? QStringLiteral("NewFolder") : QStringLiteral("NewFolder%1").arg(i);
    const QString path = base + QLatin1Char('/') + name;
    if (m_Files.KLX_FileFileFunctionsCheckFolder(path, false)) continue;
    if (!m_Files.KLX_FileFileFunctionsCheckFolder(path, true)) {
      m_Runtime->KLX_RuntimeDatabaseSetNameOfLastCreatedFolder(QString());
      KLXErrorHandler.RegisterError(kDataNewFolder, QStringLiteral("cannot create ") + path);
      return KLX_Error;
    }
    m_Runtime->KLX_RuntimeDatabaseSetNameOfLastCreatedFolder(name);
    m_Files.KLX_FileFileFunctionsCheckFolder(path + m_Names.KLX_FileNameHandlerGetPicFolder(), true);
    return KLX_Done;
  }
  KLXErrorHandler.RegisterError(kDataNewFolder, QStringLiteral("every new folder name in use in ") + base);
  return KLX_Error;
}

int KLX_CopyModelData::CopyOrDeleteStep() {
  if (m_List.isEmpty()) return KLX_Done;
  m_Current = m_List.takeFirst();
  switch (m_Task.paraint3) {
    case ActionCopyFile: return CopyFile();
    case ActionDeleteFile: return DeleteFile();
    case ActionDeleteFolder: return DeleteFolder();
    case ActionCopyLogs: return CopyLogs();
    default: return UnknownRequest("action");
  }
}

QString KLX_CopyModelData::Destination(bool* onStick) {
  *onStick = m_Current.destination.isEmpty();
  QString destination;
  if (*onStick) {
    // A stick pulled since the start: never the source folder itself.
    const QString stick = m_Names.KLX_FileNameHandlerGetUSBStickPath(0);
    if (stick.isEmpty()) {
      KLXErrorHandler.RegisterError(kDataNoStick, QStringLiteral("No USB stick plugged"));
      return QString();
    }
    const QString source = Allowed(m_Current.sourceFolder);
    if (!source.isEmpty()) destination = Allowed(stick + BoardForm(source));
  } else {
    destination = Allowed(m_Current.destination);
  }
  if (destination.isEmpty())
    KLXErrorHandler.RegisterError(kDataPath, QStringLiteral("Path outside the allowed folders"));
  return destination;
}

int KLX_CopyModelData::CopyFile() {
  bool onStick = false;
  const QString destination = Destination(&onStick);
  if (destination.isEmpty()) return KLX_Error;
  const QString source = Allowed(m_Current.sourceFolder);
  if (source.isEmpty() || !KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(m_Current.name)) {
    KLXErrorHandler.RegisterError(kDataPath, QStringLiteral("Path outside the allowed folders"));
    return KLX_Error;
  }
  if (m_Update.data[2] == 0) {
    switch (MakeFolders(destination, QFileInfo(source + QLatin1Char('/') + m_Current.name).size())) {
      case Made::Yes: break;
      case Made::NoRoom: return KLX_Error;
      case Made::Failed:
        if (onStick)
          KLXErrorHandler.RegisterError(kDataNoStick, QStringLiteral("No USB stick plugged"));
        else
          KLXErrorHandler.RegisterError(kDataNoDestination, QStringLiteral("No destination folder"));
        return KLX_Error;
    }
    if (m_Files.KLX_FileFileFunctionsCheckFile(m_Current.name, destination + QLatin1Char('/'), false))
      return Ask(QT_TRANSLATE_NOOP("KLX_CopyModelData", "The file already exists in the target folder, overwrite?"),
                 destination + QLatin1Char('/') + m_Current.name);
    KLX_VornBaseSetPercent(100, 0, 0);
  }
  return AfterPart(m_Files.KLX_FileFunctionsCopyFileToFolderByParts(m_Current.name, source + QLatin1Char('/'),
                                                                   m_Current.name, destination + QLatin1Char('/')),
                   destination);
}

KLX_CopyModelData::Made KLX_CopyModelData::MakeFolders(const QString& folder, qint64 bytes) {
  m_MadeBottom.clear();
  m_MadeTop.clear();
  const QString missing = FirstMissing(folder);
  const QString begins = missing.isEmpty() ? folder : QFileInfo(missing).path();
  if (!m_Files.KLX_FileFunctionsGetAvailSpaceOnFolder(begins, long(bytes / 1024 + 1))) {
    NoRoom(folder);
    return Made::NoRoom;
  }
  if (missing.isEmpty()) return Made::Yes;
  m_MadeBottom = QDir::cleanPath(folder);
  m_MadeTop = missing;
  if (m_Files.KLX_FileFileFunctionsCheckFolder(folder, true)) return Made::Yes;
  // Those made before the one that failed.
  RemoveMadeFolders();
  return Made::Failed;
}

void KLX_CopyModelData::RemoveMadeFolders() {
  // The deepest first, each only while empty.
  if (!m_MadeBottom.isEmpty())
    for (QString at = m_MadeBottom; QDir().rmdir(at) && at != m_MadeTop;) at = QFileInfo(at).path();
  m_MadeBottom.clear();
  m_MadeTop.clear();
}

int KLX_CopyModelData::NoRoom(const QString& destination) {
  KLXErrorHandler.RegisterError(kDataNoRoom, QStringLiteral("not enough space on medium: ") + destination);
  return KLX_Error;
}

int KLX_CopyModelData::AfterPart(int percent, const QString& destination) {
  if (percent < 0) {
    // A failed copy leaves no part of its file, nor the folders made for it.
    RemoveMadeFolders();
    if (percent == KLX_FileFunctions::kPartCopyNoSpace) return NoRoom(destination);
    if (percent == KLX_FileFunctions::kPartCopyTooLarge)
      KLXErrorHandler.RegisterError(kDataTooLarge, QStringLiteral("more than 5 GB to copy to ") + destination);
    else
      KLXErrorHandler.RegisterError(kDataCopyFailed, QStringLiteral("copy failed reading or writing: ") + destination);
    return KLX_Error;
  }
  if (percent > 99) {
    m_MadeBottom.clear();
    m_MadeTop.clear();
    // The next entry, if any, follows; the last one ends the task.
    if (m_List.isEmpty()) return KLX_Done;
    return PostFollowUp(0);
  }
  // The unfinished entry goes on first: the file functions keep one copy's
  // progress at a time.
  m_State = KLX_COPYMODELDATA_TRY_TO_COPYDELETE;
  m_List.prepend(m_Current);
  KLX_VornBaseSetPercent(100, percent, m_Timer.elapsed());
  return PostFollowUp(percent == 0 ? 1 : percent);
}

int KLX_CopyModelData::Ask(const char* question, const QString& parameter) {
  m_Runtime->KLX_RuntimeDatabaseManagerGetSetDialogText(QCoreApplication::translate(kContext, question), AtomicDirSet);
  m_Runtime->KLX_RuntimeDatabaseManagerGetSetDialogParameter(parameter, AtomicDirSet);
  m_State = KLX_COPYMODELDATA_WAIT_FOR_USER_INPUT;
  // Answered, the same entry is taken next.
  m_List.prepend(m_Current);
  return KLX_Trigger;
}

int KLX_CopyModelData::PostFollowUp(int mark) {
  TaskUpdate_Data_T update;
  update.para = 0;
  update.data[2] = static_cast<unsigned char>(mark);
  update.updateKind = KLX_UPDATE_KIND_RESULT;
  return m_Handler->KLX_VornHandlerUpdateSelfProcessTask(update);
}

QString KLX_CopyModelData::LoadedModelFile() const {
  const QString model = m_Db->KLX_DataBaseManagerVornPropertiesGetModelName();
  const QString folder = m_Names.KLX_FileNameHandlerCheckModelFolder(
      m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet, false),
      m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet, false));
  return folder.isEmpty() || model.isEmpty() ? QString() : folder + model + QStringLiteral(".xml");
}

bool KLX_CopyModelData::HoldsKeptFile(const QString& path) const {
  const QString kept[] = {
      LoadedModelFile(),
      m_Names.KLX_FileNameHandlerGetSysPropertiesFilePath() + m_Names.KLX_FileNameHandlerGetSysPropertiesFileName(),
      m_Names.KLX_FileNameHandlerGetSysProcStateFilePath() + m_Names.KLX_FileNameHandlerGetSysProcStateFileName(),
  };
  for (const QString& file : kept)
    if (!file.isEmpty() && Holds(path, file)) return true;
  return false;
}

bool KLX_CopyModelData::IsLoggingFolder(const QString& folder) {
  return SameFolder(folder, m_Db->KLX_DataBaseManagerGetTeleLogFolder()) ||
         SameFolder(folder, KLXErrorHandler.KLX_ErrorHandlerGetLogFolder());
}

int KLX_CopyModelData::DeleteFile() {
  const QString source = Allowed(m_Current.sourceFolder);
  if (source.isEmpty() || !KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(m_Current.name)) {
    KLXErrorHandler.RegisterError(kDataPath, QStringLiteral("Path outside the allowed folders"));
    return KLX_Error;
  }
  if (!m_Files.KLX_FileFileFunctionsCheckFolder(source, true)) {
    KLXErrorHandler.RegisterError(kDataNoSource, QStringLiteral("No source folder"));
    return KLX_Error;
  }
  const QString folder = source + QLatin1Char('/');
  if (!m_Files.KLX_FileFileFunctionsCheckFile(m_Current.name, folder, false)) {
    m_Runtime->KLX_RuntimeDatabaseManagerGetSetDialogText(
        QCoreApplication::translate(kContext, QT_TRANSLATE_NOOP("KLX_CopyModelData", "The following file was already deleted!")),
        AtomicDirSet);
    m_Runtime->KLX_RuntimeDatabaseManagerGetSetDialogParameter(folder + m_Current.name, AtomicDirSet);
    return KLX_Done;
  }
  // A log being written stays.
  if (IsLoggingFolder(source)) return KLX_Done;
  // So do the loaded model's file and the settings files: the program
  // writes them again and counts on them at the next start.
  if (HoldsKeptFile(folder + m_Current.name)) {
    KLXErrorHandler.RegisterError(kDataKept, QStringLiteral("The loaded model and the settings files cannot be deleted"));
    return ActiveModelCannotBeModified;
  }
  if (!m_Files.KLX_FileFunctionsDeleteFileInFolder(m_Current.name, folder)) {
    KLXErrorHandler.RegisterError(kDataDelete, QStringLiteral("Cannot delete file!"));
    return KLX_Error;
  }
  m_State = KLX_COPYMODELDATA_TRY_TO_COPYDELETE;
  return PostFollowUp(0);
}

int KLX_CopyModelData::DeleteFolder() {
  const QString folder = Allowed(m_Current.sourceFolder);
  const QString vorn = m_Names.KLX_FileNameHandlerGetVornPath();
  const QString media = KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QStringLiteral("/media"));
  const QString parent = QFileInfo(folder).path();
  // The data partition, its own folders, the model type folders, the
  // sticks and their mount points stay whatever is asked.
  if (folder.isEmpty() || folder == vorn || parent == vorn || Holds(folder, media) || parent == media ||
      m_Names.KLX_FileNameHandlerGetModelTypeByPath(folder) >= 1) {
    KLXErrorHandler.RegisterError(kDataPath, QStringLiteral("Path outside the allowed folders"));
    return KLX_Error;
  }
  if (!m_Files.KLX_FileFileFunctionsCheckFolder(folder, true)) {
    KLXErrorHandler.RegisterError(kDataNoSource, QStringLiteral("No source folder"));
    return KLX_Error;
  }
  if (HoldsKeptFile(folder)) {
    KLXErrorHandler.RegisterError(kDataKept, QStringLiteral("The loaded model and the settings files cannot be deleted"));
    return ActiveModelCannotBeModified;
  }
  // Dated log folders go with their content; others only when empty,
  // unless the request says otherwise.
  const bool onlyIfEmpty =
      m_Task.paraint4 == 0 && !SameFolder(parent, m_Names.KLX_FileNameHandlerGetTelemetrieLogFilePath()) &&
      !SameFolder(parent, m_Names.KLX_FileNameHandlerGetErrorLogFilePath());
  if (Holds(folder, m_Db->KLX_DataBaseManagerGetTeleLogFolder()) ||
      Holds(folder, KLXErrorHandler.KLX_ErrorHandlerGetLogFolder())) {
    KLXErrorHandler.RegisterError(kDataDelete, QStringLiteral("Cannot delete current logging folder!"));
    return KLX_Error;
  }
  if (m_Files.KLX_FileFunctionsDeleteFolder(folder, onlyIfEmpty)) return KLX_Done;
  KLXErrorHandler.RegisterError(kDataDelete, QStringLiteral("Cannot delete folder!"));
  return onlyIfEmpty ? int(CannotDeleteNonEmptyFolder) : int(KLX_Error);
}

int KLX_CopyModelData::CopyLogs() {
  const QString source = Allowed(m_Current.sourceFolder);
  const QString destination = KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(m_Current.name)
                                  ? Allowed(m_Current.destination + QLatin1Char('/') + m_Current.name)
                                  : QString();
  if (source.isEmpty() || destination.isEmpty()) {
    KLXErrorHandler.RegisterError(kDataPath, QStringLiteral("Path outside the allowed folders"));
    return KLX_Error;
  }
  if (m_Update.data[2] == 0) {
    if (m_Files.KLX_FileFileFunctionsCheckFolder(destination, false))
      return Ask(QT_TRANSLATE_NOOP("KLX_CopyModelData", "Add and replace files in destination folder:"), destination);
    switch (MakeFolders(destination, 0)) {
      case Made::Yes: break;
      case Made::NoRoom: return KLX_Error;
      case Made::Failed:
        KLXErrorHandler.RegisterError(kDataNoDestination, QStringLiteral("No destination folder"));
        return KLX_Error;
    }
    KLX_VornBaseSetPercent(100, 0, 0);
  }
  return AfterPart(m_Files.KLX_FileFunctionsCopyFolderContentByParts(source + QLatin1Char('/'),
                                                                    destination + QLatin1Char('/'), QStringLiteral("*.log")),
                   destination);
}

int KLX_CopyModelData::WaitStep() {
  if (m_Update.para != 0 || m_Update.data[0] != kDialogAnswer || m_Update.updateKind != KLX_UPDATE_KIND_USER)
    return KLX_Ok;
  switch (m_Update.data[1]) {
    case VT::GUI_USER_Yes: {
      m_State = KLX_COPYMODELDATA_TRY_TO_COPYDELETE;
      if (m_Task.paraint3 != ActionCopyLogs) {
        bool onStick = false;
        const QString destination = Destination(&onStick);
        if (destination.isEmpty()) return KLX_Error;
        // The loaded model's own file is never overwritten.
        const QString loaded = LoadedModelFile();
        if (!loaded.isEmpty() && SameFolder(loaded, destination + QLatin1Char('/') + m_Current.name))
          return ActiveModelCannotBeModified;
      }
      // The entry goes on from its copy, past the question.
      return PostFollowUp(1);
    }
    case VT::GUI_USER_No:
      // This entry is skipped; the next one, if any, follows.
      m_State = KLX_COPYMODELDATA_TRY_TO_COPYDELETE;
      if (!m_List.isEmpty()) m_List.removeFirst();
      return PostFollowUp(0);
    case VT::GUI_USER_Cancel: return Cancelled_By_User;
    default: return UnknownRequest("answer");
  }
}

int KLX_CopyModelData::KLX_CopySystemData_GenerateToUSBList(QString stickPath) {
  bool success = true;
  const QString systemFolder = m_Names.KLX_FileNameHandlerGetSysPropertiesFilePath();
  const QString stateFolder = m_Names.KLX_FileNameHandlerGetSysProcStateFilePath();
  const QString stickSystem = stickPath + BoardForm(systemFolder);
  const QPair<QString, QString> files[] = {
      {systemFolder, m_Names.KLX_FileNameHandlerGetSysPropertiesFileName()},
      {stateFolder, m_Names.KLX_FileNameHandlerGetSysProcStateFileName()},
  };
  // A file the card does not hold yet (no "Vornstate.xml" before the first
  // switch-off) is no failure of the export: what exists is exported, and
  // the screen names what is missing.
  QStringList missing;
  for (const auto& file : files) {
    // The folder first, whether the card holds the file or not: the system
    // folder also takes the file-system report and the voice list.
    const QString target = stickPath + BoardForm(file.first);
    const bool folder = m_Files.KLX_FileFileFunctionsCheckFolder(target, true);
    if (!QFileInfo::exists(file.first + file.second)) {
      missing << BoardForm(file.first + file.second);
      continue;
    }
    if (!folder) continue;
    // A complete copy replaces an older one, never half of one.
    if (!m_Files.KLX_FileFunctionsCopyFileToFolder(file.second, file.first, file.second, target)) success = false;
  }
  m_Runtime->KLX_RuntimeDatabaseManagerGetSetDialogText(
      missing.isEmpty() ? QString()
                        : QCoreApplication::translate(kContext, QT_TRANSLATE_NOOP("KLX_CopyModelData", "Not on the card:")),
      AtomicDirSet);
  m_Runtime->KLX_RuntimeDatabaseManagerGetSetDialogParameter(missing.join(QStringLiteral(", ")), AtomicDirSet);
  if (!missing.isEmpty())
    KLXErrorHandler.RegisterError(kDataHintMissing, QStringLiteral("not on the card, not exported: ") + missing.join(QStringLiteral(", ")));

  // The file systems: what df lists, then what is mounted.
  QByteArray report;
  int status = KLX_Platform::Run(QStringLiteral("df"), {}, KLX_Platform::kQuickToolMs, &report);
  if (status == 0) {
    QByteArray mounted;
    status = KLX_Platform::Run(QStringLiteral("mount"), {}, KLX_Platform::kQuickToolMs, &mounted);
    report += mounted;
  }
  if (!WriteWhole(stickSystem + m_Names.KLX_FileNameHandlerGetFilesystemFileName(), report)) success = false;

  // The installed voices with the digest of each one's check file.
  const QString voices = m_Names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath();
  QStringList folders = QDir(voices).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
  if (!folders.isEmpty()) {
    // By name, so that two exports of one card read alike.
    folders.sort();
    QByteArray list;
    for (int i = 0; i < folders.size(); ++i) {
      if (i == kMaxListedVoices) {
        list += "Exceeded more than 500 voices, loop terminated";
        break;
      }
      const QString checkFile = QDir(voices + folders.at(i)).absolutePath() + QLatin1String(kVoiceCheckFile);
      QFile check(checkFile);
      const QByteArray digest = check.open(QIODevice::ReadOnly)
                                    ? QCryptographicHash::hash(check.readAll(), QCryptographicHash::Md5).toHex()
                                    : QByteArray("file not found!");
      list += QStringLiteral("%1: ").arg(i + 1, 3, 10, QLatin1Char('0')).toUtf8() + BoardForm(checkFile).toUtf8() +
              "\t\t" + digest + "\r\n";
    }
    list += "\r\nTotally " + QByteArray::number(folders.size()) + " voices found";
    WriteWhole(stickSystem + m_Names.KLX_FileNameHandlerGetVoicesTxtFileName(), list);
  }
  return success && status == 0 ? KLX_Done : KLX_Error;
}
