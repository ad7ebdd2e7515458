#include "update/cappupdate.h"

#include <QFile>

#include "frame/klx_databasevalues.h"
#include "frame/klx_debuglog.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmlfilehandler.h"
#include "model/klx_databasemanager.h"
#include "platform/klx_commandrunner.h"
#include "update/klx_appinstall.h"

namespace {
constexpr unsigned kErrProlog = 0x2361C;
// The package's checksum and its description share one code.
constexpr unsigned kErrUpdateXml = 0x2361E;
constexpr unsigned kWarnInstallStarted = 0x33620;
constexpr unsigned kLogNoUpdateNeeded = 0x53617;
// The prolog's exit code for a package that does not fit this transmitter.
constexpr int kPrologUnsuitable = 100;

// Scripts may arrive without their execute bit.
void MakeExecutable(const QString& path) {
  QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                  QFileDevice::ExeOther);
}

// The install's end as the screens are told it.
int ErrorOf(KLX_AppInstall::Result result) {
  switch (result) {
    case KLX_AppInstall::Installed: return CDownloaderTsk::Err_NoErrors;
    case KLX_AppInstall::NoRoomOnCard: return CDownloaderTsk::Err_NotEnoughMemory;
    case KLX_AppInstall::CardTooSmall: return CDownloaderTsk::Err_CardTooSmall;
    case KLX_AppInstall::NoRoomForProgram: return CDownloaderTsk::Err_NoRoomForProgram;
    case KLX_AppInstall::NotCopied:
    case KLX_AppInstall::ProgramNotCopied:
    case KLX_AppInstall::NotReplaced: return CDownloaderTsk::Err_CopyingFiles;
    case KLX_AppInstall::Stopped: return CUpdateDownloaderBase::Err_Aborted;
    case KLX_AppInstall::Failed: break;
  }
  return CDownloaderTsk::Err_Installing;
}
}  // namespace

CAppUpdate::CAppUpdate(const QString& listName, const QString& remotePath, const QString& finalFolder,
                       const QString& tmpFolder, QNetworkAccessManager* nam, KLX_DataBaseManager* db,
                       QObject* parent)
    : CFileListDownloader(listName, remotePath, finalFolder, tmpFolder, nam, parent), m_Db(db) {}

bool CAppUpdate::beginUpdate() {
  // The answer comes from the GUI thread; the installation runs here.
  connect(this, &CAppUpdate::sigDoUpdate, this, &CAppUpdate::doUpdate,
          Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
  UserDecisionRequired(reason_ReadyToInstall);
  return true;
}

void CAppUpdate::Resume(reason_t reason) {
  if (reason == reason_AlreadyInstalled)
    emit sigDoUpdate(true);
  else if (reason == reason_ReadyToInstall)
    emit sigDoUpdate(false);
}

void CAppUpdate::Abort() {
  disconnect(this, &CAppUpdate::sigDoUpdate, this, &CAppUpdate::doUpdate);
  CFileListDownloader::Abort();
}

void CAppUpdate::doUpdate(bool ignore_equal_version) {
  if (m_ListState != ls_WaitUser) return;
  qDebug("application installation has started");
  const int result = KLX_Update_KLX_WAIT_FOR_USER_YESNO_NETWORK_INSTALL(ignore_equal_version);
  if (result == Err_AlreadyInstalled && !ignore_equal_version) {
    qDebug("application installation has started: UserDecisionRequired(reason_AlreadyInstalled)");
    UserDecisionRequired(reason_AlreadyInstalled);
    return;
  }
  qDebug("application installation is complete (err = %d)", result);
  m_ListState = ls_Idle;
  taskComplete(QStringLiteral("vname"), result, false);
}

void CAppUpdate::KLX_Update_SetAllModifyPermissions(bool allow) {
  if (!m_Db) return;
  // What waited to be saved waits again afterwards, nothing more.
  if (allow)
    m_Hold.Release(m_Db);
  else
    m_Hold.Hold(m_Db);
}

bool CAppUpdate::runSystemCmd(const QString& program, const QStringList& args, int* status,
                              const QString& workingDirectory) {
  if (program.isEmpty()) return false;
  qCDebug(lcVornDebug, "run system cmd: <%s>", qUtf8Printable((QStringList{program} + args).join(' ')));
  // Given its time, and ended by the switch-off.
  const int code = m_Stop.RunScript(program, args, workingDirectory);
  if (status) *status = code;
  qCDebug(lcVornDebug, "    return code: %d", code);
  return code == 0;
}

int CAppUpdate::KLX_UpdateRunShellScript(bool prolog, const KLX_FileNameHandler& names) {
  const QString script = names.KLX_FileNameHandlerGetNetworkUpdateFilePath() +
                         (prolog ? names.KLX_FileNameHandlerGetPrologScriptName()
                                 : names.KLX_FileNameHandlerGetEpilogScriptName());
  if (!m_Package.RunsAt(script)) return 0;
  int status = 0;
  // Written for the system's top folder: relative paths in it start there.
  runSystemCmd(QStringLiteral("sh"), {script}, &status, QStringLiteral("/"));
  return status;
}

void CAppUpdate::KLX_UpdateOpenCloseLinuxSystem(const KLX_FileNameHandler& names, bool open) {
  // Run by its path relative to the system's top folder.
  const QString script =
      open ? names.KLX_FileNameHandlerGetLinuxOpenScriptCmd() : names.KLX_FileNameHandlerGetLinuxCloseScriptCmd();
  // It lies in the update folder, where the package's list names it.
  const QString path = KLX_FileNameHandler::KLX_FileNameHandlerMapPath(script.mid(1));
  if (!m_Package.RunsAt(path)) return;
  MakeExecutable(path);
  // The copies fail with their own report when the partitions stay
  // read-only; what the script came to is logged here.
  int status = 0;
  if (!runSystemCmd(script, {}, &status, QStringLiteral("/")))
    qWarning("the remount script %s answered %d", qUtf8Printable(script), status);
}

int CAppUpdate::KLX_Update_KLX_WAIT_FOR_USER_YESNO_NETWORK_INSTALL(bool ignore_equal_version) {
  KLX_FileNameHandler names;
  KLX_XMLFileHandler xml(QStringLiteral("CAppUpdate"));
  if (m_Db) {
    xml.KLX_XMLFileHandlerInitialize(m_Db);
    m_Db->KLX_DataBaseManagerUpdateBegin();
  }
  // Saving is held while files are replaced, and given back however the
  // install ends: the old program runs until the restart, and what the
  // pilot changes meanwhile (the trims move the model under the locked
  // screen) is saved as ever, at the latest at the switch-off.
  bool savingOff = false;
  int result = CheckPackage(xml, names, ignore_equal_version);
  // Nothing of it begins once the switch-off has come.
  if (result == Err_NoErrors && m_Stop.Requested()) result = Err_Aborted;
  if (result == Err_NoErrors) {
    qDebug("Installation has started, ignore_equal_version: %s", ignore_equal_version ? "yes" : "no");
    if (m_Db)
      KLXErrorHandler.RegisterError(kWarnInstallStarted, QStringLiteral("Application update install started: ") +
                                                              m_Db->KLX_DataBaseManagerVornLinuxAppGetVersion() +
                                                              QStringLiteral(" -> ") +
                                                              m_Db->KLX_DataBaseManagerUpdate_GetVersionOfUpdateXmlFile());
    KLX_Update_SetAllModifyPermissions(false);
    savingOff = true;
    const int prolog = KLX_UpdateRunShellScript(true, names);
    if (m_Stop.Requested()) {
      result = Err_Aborted;
    } else if (prolog != 0) {
      KLXErrorHandler.RegisterError(kErrProlog, QStringLiteral("Prolog script is exited with an error!"));
      result = prolog == kPrologUnsuitable ? Err_Unsuitable : Err_Installing;
    }
  }
  if (result == Err_NoErrors) {
    KLX_UpdateOpenCloseLinuxSystem(names, true);
    result = ErrorOf(
        KLX_AppInstall(m_Db, xml, &m_Stop).Install(m_Package, names.KLX_FileNameHandlerGetNetworkUpdateFilePath()));
  }
  // Installed: the epilog only when no switch-off came.
  if (result == Err_NoErrors && !m_Stop.Requested()) {
    qCDebug(lcVornDebug, "Please, switch of the VORN system!");
    // The program is installed whatever the script answers; its answer is
    // logged.
    const int epilog = KLX_UpdateRunShellScript(false, names);
    if (epilog != 0) qWarning("the update's epilog script answered %d", epilog);
  }
  if (savingOff) KLX_Update_SetAllModifyPermissions(true);
  if (m_Db) m_Db->KLX_DataBaseManagerUpdateEnd();
  return result;
}

int CAppUpdate::CheckPackage(KLX_XMLFileHandler& xml, const KLX_FileNameHandler& names, bool ignore_equal_version) {
  // A card too small counts as none, and nothing is read from it: the
  // pilot is told why, not that something went wrong inside.
  if (KLX_UpdateCardTooSmall(QStringLiteral("application install"))) return Err_CardTooSmall;
  // Nothing of the package runs or is installed unless its list names it;
  // the program must be named.
  KLX_MD5 list;
  if (!KLX_UpdateCheckPackage(list, names.KLX_FileNameHandlerGetNetworkUpdateFilePath(), &m_Package)) {
    KLXErrorHandler.RegisterError(kErrUpdateXml, QStringLiteral("md5 sum does not match"));
    return Err_Transfer;
  }
  const int read = xml.KLX_XMLFileHandlerReadUpdatelFile(names.KLX_FileNameHandlerGetUpdateFileName(),
                                                         names.KLX_FileNameHandlerGetNetworkUpdateFilePath());
  if (read == KLX_Unsuitable) {
    qDebug("=== this update is unsuitable for this device! ===");
    KLXErrorHandler.RegisterError(kErrUpdateXml, QStringLiteral("this update is unsuitable for this device!"));
    return Err_Unsuitable;
  }
  if (read != KLX_Ok) {
    KLXErrorHandler.RegisterError(kErrUpdateXml, QStringLiteral("error by reading Update.xml file"));
    return Err_Installing;
  }
  if (!ignore_equal_version && m_Db && !m_Db->KLX_DataBaseManagerIsPacketUpdateDifferent(false)) {
    qDebug("no update needed, installed packet ist equal");
    KLXErrorHandler.RegisterError(kLogNoUpdateNeeded, QStringLiteral("no update needed"));
    m_Db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirSet, true);
    KLX_Update_SetAllModifyPermissions(true);
    return Err_AlreadyInstalled;
  }
  return Err_NoErrors;
}
