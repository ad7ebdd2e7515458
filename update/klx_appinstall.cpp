#include "update/klx_appinstall.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "frame/klx_basethread.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_debuglog.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filecalls.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmlfilehandler.h"
#include "frame/klx_xmlsafefile.h"
#include "model/klx_databasemanager.h"
#include "platform/klx_commandrunner.h"
#include "platform/klx_platform.h"
#include "update/klx_filefunctions.h"

namespace {
constexpr unsigned kErrAppNotCopied = 0x23614;
constexpr unsigned kErrAppNotReplaced = 0x23615;
constexpr unsigned kErrCopying = 0x23616;
constexpr unsigned kErrLanguageFiles = 0x2361B;
constexpr unsigned kErrStateNotSaved = 0x23622;
// The update's reason in the error log when the card is too small for it.
constexpr unsigned kErrCardTooSmall = 0x23624;

// A file of the package staged beside the installed one of `name`.
QString StagedName(const QString& name) { return QStringLiteral(".") + name + QStringLiteral(".new"); }

// What an install cut short leaves in the application folder besides the
// writer's staged files: a file of the package staged whole, or the
// writer's staged file of one as earlier versions named it
// (".<name>.new.XXXXXX").
const QRegularExpression& StagedByInstall() {
  static const QRegularExpression staged(QStringLiteral("^\\..+\\.new(\\.[A-Za-z0-9]{6})?$"));
  return staged;
}

void MakeExecutable(const QString& path) {
  QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                  QFileDevice::ExeOther);
}
}  // namespace

bool KLX_UpdateCardTooSmall(const QString& what) {
  if (KLX_FileFunctions().KLX_FileFunctionsSDCard() != KLX_FileFunctions::SDCardTooSmall) return false;
  const QString text = KLX_FileFunctions::KLX_FileFunctionsSDCardText(KLX_FileFunctions::SDCardTooSmall);
  qWarning("%s not begun: %s", qUtf8Printable(what), qUtf8Printable(text));
  KLXErrorHandler.RegisterError(kErrCardTooSmall, text);
  return true;
}

void KLX_InstallStop::Request() {
  QMutexLocker lock(&m_Mutex);
  // Set before the script is ended: a script about to start sees it.
  m_Requested = true;
  if (m_Run) m_Run->Stop();
}

int KLX_InstallStop::RunScript(const QString& program, const QStringList& args, const QString& workingDirectory) {
  // What the desktop records instead of running is answered as ever.
  if (!KLX_Platform::IsBoard() && KLX_Platform::ChangesHost(program))
    return KLX_Platform::Run(program, args, KLX_Platform::kInstallScriptMs, nullptr, {}, workingDirectory);
  KLX_Platform::KLX_StoppableRun run;
  {
    QMutexLocker lock(&m_Mutex);
    m_Run = &run;
  }
  const int code = run.Run(program, args, {}, [this] { return Requested(); }, KLX_Platform::kInstallScriptMs,
                           workingDirectory);
  {
    QMutexLocker lock(&m_Mutex);
    m_Run = nullptr;
  }
  if (Requested()) qWarning("%s was ended by the switch-off", qUtf8Printable(program));
  return Requested() ? -1 : code;
}

int KLX_AppInstall::RemoveStaged() {
  const QString appFolder = KLX_FileNameHandler().KLX_FileNameHandlerGetLinuxAppPath();
  int removed = KLX_XMLSafeFile::RemoveStaged(appFolder);
  for (const QString& name : QDir(appFolder).entryList(QDir::Files | QDir::Hidden | QDir::System))
    if (StagedByInstall().match(name).hasMatch() && KLX_FileCalls::Instance().Remove(appFolder + name)) ++removed;
  return removed;
}

KLX_AppInstall::Result KLX_AppInstall::Install(const KLX_UpdatePackage& package, const QString& source) {
  // Nothing is copied onto a card that counts as none.
  if (KLX_UpdateCardTooSmall(QStringLiteral("application install"))) return CardTooSmall;
  m_ProgramReplaced = false;
  Result result = Stage(package, source);
  // The switch-off's last chance to keep the old program: from the mark on
  // the install runs to its end, a few renames.
  if (result == Installed && StopRequested()) result = Stopped;
  if (result == Installed) result = Replace();
  if (result == Stopped) qWarning("the switch-off stopped the application install: the old program stays");
  DropStaged();
  return result;
}

KLX_AppInstall::Result KLX_AppInstall::Stage(const KLX_UpdatePackage& package, const QString& source) {
  // Nothing installed is touched before every new file is whole beside it:
  // a copy that fails leaves the installed program and its translations.
  const KLX_FileNameHandler names;
  KLX_FileFunctions files;
  const QString appFolder = names.KLX_FileNameHandlerGetLinuxAppPath();
  const QString program = names.KLX_FileNameHandlerGetLinuxAppFileName();
  QStringList staging = package.Matching(names.KLX_FileNameHandlerGetLinuxLanguageFilter());
  staging << program;
  m_Staged.clear();
  const auto stopped = [this] { return StopRequested(); };
  // What an install cut short left takes the room this one needs.
  RemoveStaged();
  for (const QString& name : qAsConst(staging)) {
    if (StopRequested()) return Stopped;
    if (!files.KLX_FileFunctionsCopyFileToFolder(name, source, StagedName(name), appFolder, stopped)) {
      // A copy stopped half way leaves nothing of itself.
      if (StopRequested()) return Stopped;
      // A folder that is full is the package's size, no fault of a copy.
      if (files.KLX_FileFunctionsLastCopyNoRoom()) {
        KLXErrorHandler.RegisterError(kErrCopying, QStringLiteral("no room in the application folder for ") + name);
        return NoRoomForProgram;
      }
      if (name == program) {
        KLXErrorHandler.RegisterError(kErrAppNotCopied, QStringLiteral("linux app could not be copied"));
        return ProgramNotCopied;
      }
      KLXErrorHandler.RegisterError(kErrCopying, QStringLiteral("copying of files gone wrong"));
      return NotCopied;
    }
    m_Staged << name;
  }
  MakeExecutable(appFolder + StagedName(program));
  qDebug("copied language files");
  return Installed;
}

KLX_AppInstall::Result KLX_AppInstall::Replace() {
  // No save of the state file comes between the mark and the files in
  // place: a save then writes the mark the facade holds, or the state
  // taken back.
  if (MtxSDShareWrite.KLX_Critical_Enter() != 0) return Failed;
  // The mark takes its room on the card before anything installed is
  // replaced, and is on the card before the program is: it names the
  // version it is for, so the old program's start drops it.
  Result result = PlaceMark();
  if (result == Installed) {
    result = RenameStaged();
    if (result != Installed && !m_ProgramReplaced) TakeMarkBack();
  }
  MtxSDShareWrite.KLX_Critical_Leave();
  return result;
}

KLX_AppInstall::Result KLX_AppInstall::PlaceMark() {
  if (!m_Db) return Installed;
  m_FlagBefore = m_Db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet);
  m_DateBefore = m_Db->KLX_DataBaseManagerUpdate_InstalledSetGetUpdateDate(QString(), AtomicDirGet);
  m_ForBefore = m_Db->KLX_DataBaseManagerUpdate_SetGetPendingFor(QString(), AtomicDirGet);
  // The next start writes the controllers only if it finds the update
  // pending for its own version: the package's. Not marked for the saver:
  // the file written here says it.
  m_Db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(1, AtomicDirSet, false);
  m_Db->KLX_DataBaseManagerUpdate_InstalledSetGetUpdateDate(QDateTime::currentDateTime().toString(Qt::TextDate),
                                                            AtomicDirSet);
  m_Db->KLX_DataBaseManagerUpdate_SetGetPendingFor(m_Db->KLX_DataBaseManagerUpdate_GetVersionOfUpdateXmlFile(),
                                                   AtomicDirSet);
  std::unique_ptr<KLX_XMLSafeFile> mark;
  if (m_Xml.KLX_XMLFileHandlerPrepareSysProcessStateFile(&mark) == KLX_Ok) {
    if (m_Xml.KLX_XMLFileHandlerPlaceSysProcessStateFile(*mark) == KLX_Ok) return Installed;
    // The mark may have reached the card: it goes again.
    TakeMarkBack();
    KLXErrorHandler.RegisterError(kErrStateNotSaved, QStringLiteral("pending update could not be saved"));
    return Failed;
  }
  mark.reset();
  Unmark();
  KLXErrorHandler.RegisterError(kErrStateNotSaved, QStringLiteral("pending update could not be saved"));
  // The pilot is told why in his words: a card that is full is no fault
  // inside.
  switch (m_Xml.KLX_XMLFileHandlerWriteFailure()) {
    case KLX_DatabaseValues::ModelSaveFailure_CardFull:
      return NoRoomOnCard;
    case KLX_DatabaseValues::ModelSaveFailure_CardTooSmall:
      return CardTooSmall;
    default:
      return Failed;
  }
}

void KLX_AppInstall::Unmark() {
  m_Db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(m_FlagBefore, AtomicDirSet, false);
  m_Db->KLX_DataBaseManagerUpdate_InstalledSetGetUpdateDate(m_DateBefore, AtomicDirSet);
  m_Db->KLX_DataBaseManagerUpdate_SetGetPendingFor(m_ForBefore, AtomicDirSet);
}

void KLX_AppInstall::TakeMarkBack() {
  if (!m_Db) return;
  Unmark();
  // Left on the card, the mark would be dropped by the next start, and with
  // it an update that was pending before: the state goes back now, or with
  // the next save.
  if (m_Xml.KLX_XMLFileHandlerWriteSysProcessStateFile() != KLX_Ok) m_Db->KLX_DataBaseManagerSetVornModifyFlag(true);
}

KLX_AppInstall::Result KLX_AppInstall::RenameStaged() {
  const KLX_FileNameHandler names;
  KLX_FileCalls& calls = KLX_FileCalls::Instance();
  const QString appFolder = names.KLX_FileNameHandlerGetLinuxAppPath();
  const QString program = names.KLX_FileNameHandlerGetLinuxAppFileName();
  // The translations first: the old program reads the new ones as it read
  // its own, until the program follows.
  const QStringList staged = m_Staged;
  for (const QString& name : staged) {
    if (name == program) continue;
    if (!calls.Rename(appFolder + StagedName(name), appFolder + name)) {
      KLXErrorHandler.RegisterError(kErrCopying, QStringLiteral("copying of files gone wrong"));
      return NotReplaced;
    }
    m_Staged.removeOne(name);
  }
  const QString filter = names.KLX_FileNameHandlerGetLinuxLanguageFilter();
  for (const QString& name : QDir(appFolder).entryList({filter}, QDir::Files, QDir::Name)) {
    if (staged.contains(name)) continue;
    if (!KLX_FileCallsRemove(appFolder + name)) {
      KLXErrorHandler.RegisterError(kErrLanguageFiles, QStringLiteral("language files could not be deleted"));
      return NotReplaced;
    }
  }
  if (!calls.Rename(appFolder + StagedName(program), appFolder + program)) {
    KLXErrorHandler.RegisterError(kErrAppNotReplaced, QStringLiteral("linux app could not be removed"));
    return Failed;
  }
  m_Staged.removeOne(program);
  m_ProgramReplaced = true;
  qDebug("removed Linux application from VORN");
  // Replaced all the same, its mark on the card.
  if (!calls.SyncFolder(appFolder)) {
    KLXErrorHandler.RegisterError(kErrAppNotReplaced, QStringLiteral("linux app could not be removed"));
    return Failed;
  }
  qDebug("Linux application updated on VORN");
  return Installed;
}

void KLX_AppInstall::DropStaged() {
  const QString appFolder = KLX_FileNameHandler().KLX_FileNameHandlerGetLinuxAppPath();
  for (const QString& name : qAsConst(m_Staged)) KLX_FileCalls::Instance().Remove(appFolder + StagedName(name));
  m_Staged.clear();
}
