#include "update/klx_update.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <sys/mount.h>

#include "audio/klx_tts.h"
#include "frame/klx_board.h"
#include "frame/klx_errorhandler.h"
#include "model/klx_databasemanager.h"
#include "platform/klx_commandrunner.h"
#include "platform/klx_platform.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"
#include "update/klx_appinstall.h"
#include "update/klx_firmware.h"
#include "update/klx_recoverycheck.h"
#include "update/klx_update_httpreq.h"

namespace {
using VT = KLX_VornTask;

constexpr unsigned kErrInit = 0x23601;
constexpr unsigned kErrUnknownState = 0x23611;
constexpr unsigned kErrCopying = 0x23616;
constexpr unsigned kErrNoUpdateXml = 0x23618;
constexpr unsigned kErrNoStick = 0x23619;
constexpr unsigned kErrScriptOrFolder = 0x2361C;
constexpr unsigned kErrBattery = 0x2361D;
constexpr unsigned kErrChecksum = 0x2361E;
constexpr unsigned kWarnNetworkInstall = 0x33620;
constexpr unsigned kWarnUsbInstall = 0x33621;
constexpr unsigned kLogNoUpdateNeeded = 0x53617;

// The record a task posts to itself, and the kinds of a user's input.
constexpr int kSelfRecord = 5;
constexpr unsigned char kDataInput = 1;
constexpr unsigned char kDialogInput = 2;
constexpr int kSticks = 8;
constexpr int kInstallStatusShift = 8;
constexpr int kMaxInstallCount = 0xFF;
// Below the status's sign bit.
constexpr int kMaxNoRoomCount = 0x7F;

const QString kNotFound = QStringLiteral("USB stick is not found");
const QString kProlog = QStringLiteral("Prolog script is exited with an error!");
const QString kChecksum = QStringLiteral("md5 sum does not match");
const QString kVoiceList = QLatin1String(KLX_FileFunctions::kVoiceListName);
// A package's scripts are written for the system's top folder: relative
// paths in them start there.
const QString kScriptFolder = QStringLiteral("/");

int BitCount(unsigned mask) {
  int n = 0;
  for (; mask; mask &= mask - 1) ++n;
  return n;
}

// Why a voice pack was left out, in the words the screen takes: the card's
// room, its check (a pack that does not match its list, that unzip fails
// on or that holds a link), one that cannot be read (encrypted, packed in a
// way unzip cannot read, an archive of another kind named like a zip one,
// or no archive at all), or more files than its list may name; and the
// unpack folder that could not be cleared, which stops the install.
const QString kNoRoomReason = QStringLiteral("room");
const QString kCheckReason = QStringLiteral("check");
const QString kClearReason = QStringLiteral("clear");
QString ReasonOf(KLX_FileFunctions::UnzipRefusal refusal) {
  switch (refusal) {
    case KLX_FileFunctions::UnzipNoRoom: return kNoRoomReason;
    case KLX_FileFunctions::UnzipUncleared: return kClearReason;
    case KLX_FileFunctions::UnzipEncrypted: return QStringLiteral("encrypted");
    case KLX_FileFunctions::UnzipUnknownMethod: return QStringLiteral("compression");
    case KLX_FileFunctions::UnzipOtherArchive: return QStringLiteral("archive");
    case KLX_FileFunctions::UnzipUnreadable: return QStringLiteral("unreadable");
    case KLX_FileFunctions::UnzipTooManyFiles: return QStringLiteral("files");
    case KLX_FileFunctions::UnzipUnpacked:
    case KLX_FileFunctions::UnzipFailed:
    case KLX_FileFunctions::UnzipHoldsLink: break;
  }
  return kCheckReason;
}

// A script that came from a stick may have lost its execute bit on the way;
// the card's own files carry it on the board.
void MakeExecutable(const QString& path) {
  QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                  QFileDevice::ExeOther);
}
}  // namespace

KLX_Update::KLX_Update() { KLX_VornBaseCleanUp(); }

KLX_Update::~KLX_Update() = default;

int KLX_Update::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                 KLX_RuntimeDatabaseManager* runtime) {
  KLX_VornBase::KLX_VornBaseInit(db, protocol, handler, runtime);
  if (!m_Links.Take(db, protocol, handler, runtime, kErrInit, "")) return KLX_Error;
  m_State = KLX_UPDATE_STATE_IDLE;
  return KLX_Ok;
}

int KLX_Update::KLX_VornBaseStartTask(Task_Data_T task) {
  // An abort pressed before the task began was for an earlier download; one
  // pressed from now on, before the first request too, is this one's.
  if (task.paraint1 == VT::KLX_TASK_PARA_UPDATE_WLAN) KLX_Update_HttpReq::m_userAbortRequest = false;
  m_Task = task;
  m_Update = TaskUpdate_Data_T();
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_KeepPhase = false;
  m_Package = KLX_UpdatePackage();
  m_Hold = KLX_SaveHold();
  m_Hold.TakeModel(m_Links.db);
  m_Links.runtime->KLX_RuntimeDatabaseManagerStopProcessing();
  return KLX_UpdateHandleProgress();
}

int KLX_Update::KLX_VornBaseTimeout() {
  if (Target() != VT::KLX_UNINSTALL_VOICEPACKS) KLX_Update_SetAllModifyPermissions(true, true);
  // The task ends without an install: start-up goes on where it stood.
  RestorePhase();
  return KLX_Timeout;
}

int KLX_Update::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  return KLX_UpdateHandleProgress();
}

int KLX_Update::KLX_VornBaseCleanUp() {
  KLX_VornBase::KLX_VornBaseCleanUp();
  m_State = KLX_UPDATE_STATE_IDLE;
  m_ChosenStick = kNoStick;
  m_OfferedSticks = 0;
  m_SavedPhase = 0;
  m_KeepPhase = false;
  m_Package = KLX_UpdatePackage();
  m_Task.task = VT::KLX_TASK_NONE;
  m_Update.updateKind = 0;
  m_Links.Forget();
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

void KLX_Update::KLX_VornBaseSetObjectPointer(void* object) {
  if (object) m_HttpReq = static_cast<KLX_Update_HttpReq*>(object);
}

// ---- the step and its end -------------------------------------------------------------------

int KLX_Update::KLX_UpdateHandleProgress() {
  const int result = Dispatch();
  const int target = Target();
  if (result <= KLX_Error) {
    if (target != VT::KLX_UNINSTALL_VOICEPACKS) KLX_Update_SetAllModifyPermissions(true, target != VT::KLX_LOAD_VOICEPACKS);
  } else if (result == KLX_Done && (target == VT::KLX_UPDATE_SELF || target == VT::KLX_UPDATE_ONBOARD ||
                                    target == VT::KLX_LOAD_VOICEPACKS || target == VT::KLX_LOAD_HTTPUPDPACKAGE)) {
    // An installed program too: the old one runs until the restart and
    // saves what the pilot changes meanwhile.
    KLX_Update_SetAllModifyPermissions(true, true);
  }
  if ((result <= KLX_Error || result == KLX_Done) && !m_KeepPhase) RestorePhase();
  return result;
}

int KLX_Update::Dispatch() {
  switch (m_State) {
    case KLX_UPDATE_STATE_IDLE: return IdleStep();
    case KLX_UPDATE_STATE_CHOOSE_STICK: return StickAnswer();
    case KLX_UPDATE_STATE_DOWNLOADING: return ContinueDownload();
    case KLX_UPDATE_STATE_INSTALL_ANSWER: return InstallAnswer();
    default:
      KLXErrorHandler.RegisterError(kErrUnknownState, QString());
      return KLX_Error;
  }
}

int KLX_Update::Fail(unsigned code, const QString& text, int status) {
  KLXErrorHandler.RegisterError(code, text);
  Status(status);
  return KLX_Error;
}

int KLX_Update::Stopped() {
  qWarning("the switch-off stopped the application update: the old program stays");
  Status(VT::KLX_UPDATE_STATUS_ERROR);
  return KLX_Error;
}

void KLX_Update::Status(int status) {
  if (status > 0) m_Links.db->KLX_DataBaseManagerEmitUpdateStatus(status);
}

void KLX_Update::SavePhase() {
  if (m_SavedPhase != 0) return;
  m_SavedPhase = static_cast<unsigned char>(m_Links.db->KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet));
  m_Links.db->KLX_DataBaseManagerGetSetStartupPhases(VT::KLX_PHASE_SYSTEM_UUPD, AtomicDirSet);
}

void KLX_Update::RestorePhase() {
  if (m_SavedPhase == 0 || !m_Links.db) return;
  m_Links.db->KLX_DataBaseManagerGetSetStartupPhases(m_SavedPhase, AtomicDirSet);
  m_SavedPhase = 0;
}

bool KLX_Update::RefuseSmallCard() {
  if (!KLX_UpdateCardTooSmall(QStringLiteral("application update"))) return false;
  Status(VT::KLX_UPDATE_STATUS_ERROR);
  return true;
}

int KLX_Update::PostSelf() {
  TaskUpdate_Data_T self;
  self.updateKind = kSelfRecord;
  return m_Links.handler->KLX_VornHandlerUpdateSelfProcessTask(self) == KLX_Ok ? int(KLX_Ok) : int(KLX_Error);
}

bool KLX_Update::UserRecord(unsigned char kind) const {
  return m_Update.updateKind == KLX_UPDATE_KIND_USER && m_Update.para == 0 && m_Update.data[0] == kind;
}

QString KLX_Update::StickFolder() const {
  return m_ChosenStick < kSticks ? m_Names.KLX_FileNameHandlerGetUpdateUSBStickPath(m_ChosenStick) : QString();
}

// ---- shared operations ----------------------------------------------------------------------

int KLX_Update::KLX_Update_CheckBatteries() {
  KLX_DataBaseManager* db = m_Links.db;
  const int first = db->KLX_DataBaseManagerGetSetSystemProperties_Akku1Percent(0, AtomicDirGet);
  const int second = db->KLX_DataBaseManagerGetSetSystemProperties_Akku2Percent(0, AtomicDirGet);
  if (first >= kMinBatteryPercent && second >= kMinBatteryPercent) return KLX_Ok;
  return Fail(kErrBattery, QStringLiteral("battery capacity to low for update"), VT::KLX_UPDATE_STATUS_ERROR);
}

bool KLX_Update::KLX_Update_isStickSelectable() {
  if (BitCount(m_OfferedSticks) != 1) return true;
  for (int n = 0; n < kSticks; ++n)
    if (m_OfferedSticks & (1 << n)) m_OfferedSticks = static_cast<unsigned char>(n);
  return false;
}

void KLX_Update::KLX_Update_SetAllModifyPermissions(bool allow, bool restart) {
  KLX_DataBaseManager* db = m_Links.db;
  if (!db) return;
  // What waited to be saved waits again afterwards, nothing more: a file
  // unchanged by the update is not written again.
  if (allow)
    m_Hold.Release(db);
  else
    m_Hold.Hold(db);
  if (allow && m_Links.runtime) m_Links.runtime->KLX_RuntimeDatabaseManagerStartProcessing(restart);
}

int KLX_Update::KLX_UpdateRunShellScript(int kind, const KLX_FileNameHandler& names, bool network) {
  if (kind == KLX_UPDATE_SCRIPT_PROLOG) {
    const QString folder = network ? names.KLX_FileNameHandlerGetNetworkUpdateFilePath() : StickFolder();
    const QString script = folder + names.KLX_FileNameHandlerGetPrologScriptName();
    if (folder.isEmpty() || !m_Package.RunsAt(script)) return 0;
    return m_Stop.RunScript(QStringLiteral("sh"), {script}, kScriptFolder);
  }
  if (kind == KLX_UPDATE_SCRIPT_EPILOG) {
    const QString script = names.KLX_FileNameHandlerGetUpdateFilePath() + names.KLX_FileNameHandlerGetEpilogScriptName();
    if (!m_Package.RunsAt(script)) return 0;
    MakeExecutable(script);
    return m_Stop.RunScript(script, {}, kScriptFolder);
  }
  return 0;
}

int KLX_Update::KLX_UpdateOpenCloseLinuxSystem(bool open) {
  // Run by its path relative to the system's top folder.
  const QString script =
      open ? m_Names.KLX_FileNameHandlerGetLinuxOpenScriptCmd() : m_Names.KLX_FileNameHandlerGetLinuxCloseScriptCmd();
  // It lies in the update folder, where the package's list names it.
  const QString path = KLX_FileNameHandler::KLX_FileNameHandlerMapPath(script.mid(1));
  if (!m_Package.RunsAt(path)) return KLX_Error;
  MakeExecutable(path);
  const int result = m_Stop.RunScript(script, {}, QStringLiteral("/"));
  qInfo("%s: %d", qUtf8Printable(script), result);
  return result;
}

bool KLX_Update::KLX_UpdateCheckMD5Sum(bool fromStick, const QString& folder, const QString& listName,
                                       const QString& onlyFile) {
  return ::KLX_UpdateCheckMD5Sum(m_MD5, fromStick, m_ChosenStick, folder, listName, onlyFile);
}

bool KLX_Update::CheckPackage(const QString& folder) { return KLX_UpdateCheckPackage(m_MD5, folder, &m_Package); }

// ---- the idle step ----------------------------------------------------------------------------

int KLX_Update::IdleStep() {
  if (m_Task.paraint1 == VT::KLX_TASK_PARA_UPDATE_USB) return FromStick();
  if (m_Task.paraint1 == VT::KLX_TASK_PARA_UPDATE_WLAN) return FromNetwork();
  return KLX_Error;
}

int KLX_Update::FromStick() {
  if (KLX_Update_CheckBatteries() != KLX_Ok) return KLX_Error;
  switch (Target()) {
    case VT::KLX_UPDATE_SELF: return ApplicationFromStick();
    case VT::KLX_UPDATE_ONBOARD: return ReceiverFileCheck();
    case VT::KLX_LOAD_VOICEPACKS: return VoicePacks();
    case VT::KLX_FWVORN_RECOVERY: return Recovery();
    case VT::KLX_UNINSTALL_VOICEPACKS: return UninstallVoice();
    default: return KLX_Error;
  }
}

int KLX_Update::ChooseStick(int mask) {
  if (m_ChosenStick < kSticks) return 1;
  m_OfferedSticks = static_cast<unsigned char>(mask & 0xFF);
  if (m_OfferedSticks == 0) return 0;
  if (KLX_Update_isStickSelectable()) {
    m_State = KLX_UPDATE_STATE_CHOOSE_STICK;
    return KLX_Trigger;
  }
  // The one stick offered: its number replaced the mask.
  m_ChosenStick = m_OfferedSticks;
  return 1;
}

int KLX_Update::ApplicationFromStick() {
  KLX_DataBaseManager* db = m_Links.db;
  // Nothing of a stick is asked for, run or copied onto a card that counts
  // as none.
  if (RefuseSmallCard()) return KLX_Error;
  if (m_ChosenStick == kNoStick) {
    db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirSet, true);
    KLX_Update_SetAllModifyPermissions(false, true);
  }
  if (m_Xml.KLX_XMLFileHandlerInitialize(db) != KLX_Ok)
    return Fail(kErrInit, QStringLiteral("init gone wrong"), VT::KLX_UPDATE_STATUS_ERROR);
  const int mask = m_Task.paraint4 != 0 ? m_Names.KLX_FileNameHandlerGetUSBAllSticksMask()
                                        : m_Names.KLX_FileNameHandlerGetUSBupdateSticksMask();
  const int chosen = ChooseStick(mask);
  if (chosen == 0) {
    // The screen offers the download from the network instead.
    Status(VT::KLX_UPDATE_STATUS_HTTP_UPDATECHCK);
    KLXErrorHandler.RegisterError(kErrNoStick, kNotFound);
    KLX_Update_SetAllModifyPermissions(true, true);
    return KLX_Done;
  }
  if (chosen == KLX_Trigger) return KLX_Trigger;
  SavePhase();
  Status(VT::KLX_UPDATE_STATUS_PROLOG_EXEC);
  const QString stick = StickFolder();
  if (stick.isEmpty()) return Fail(kErrNoStick, kNotFound, VT::KLX_UPDATE_STATUS_NO_USB);
  // Nothing of the stick runs before its package is checked.
  if (!CheckPackage(stick)) return Fail(kErrChecksum, kChecksum, VT::KLX_UPDATE_STATUS_MD5_ERROR);
  const int prolog = KLX_UpdateRunShellScript(KLX_UPDATE_SCRIPT_PROLOG, m_Names, false);
  if (m_Stop.Requested()) return Stopped();
  if (prolog != 0) return Fail(kErrScriptOrFolder, kProlog, VT::KLX_UPDATE_STATUS_ERROR);
  const QString update = m_Names.KLX_FileNameHandlerGetUpdateFilePath();
  if (!m_Files.KLX_FileFileFunctionsCheckFolder(update, true) || !m_Files.KLX_FileFunctionsClearFolder(update, false, QString()))
    return Fail(kErrScriptOrFolder, QStringLiteral("could not clear update folder"), VT::KLX_UPDATE_STATUS_ERROR);
  if (!m_Files.KLX_FileFunctionsCopyFolderContent(stick, update, QString()))
    return Fail(kErrCopying, QStringLiteral("copying of files gone wrong"), VT::KLX_UPDATE_STATUS_NO_FREE_SPACE);
  if (m_Xml.KLX_XMLFileHandlerReadUpdatelFile(m_Names.KLX_FileNameHandlerGetUpdateFileName(), update) != KLX_Ok)
    return Fail(kErrNoUpdateXml, QStringLiteral("xml updatefile could not be read"), VT::KLX_UPDATE_STATUS_NO_UPDATE_XML);
  // What came over from the stick is checked again where it is installed from.
  if (!CheckPackage(update)) return Fail(kErrChecksum, kChecksum, VT::KLX_UPDATE_STATUS_MD5_ERROR);
  if (!db->KLX_DataBaseManagerIsPacketUpdateDifferent(false)) {
    KLXErrorHandler.RegisterError(kLogNoUpdateNeeded, QStringLiteral("no update needed"));
    db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirSet, true);
    Status(VT::KLX_UPDATE_STATUS_ALREADY_NEWEST);
    return KLX_Error;
  }
  KLXErrorHandler.RegisterError(kWarnUsbInstall, QStringLiteral("USB update install started: ") +
                                                     db->KLX_DataBaseManagerVornLinuxAppGetVersion() + QStringLiteral(" -> ") +
                                                     db->KLX_DataBaseManagerUpdate_GetVersionOfUpdateXmlFile());
  return Install(update);
}

int KLX_Update::Install(const QString& source) {
  // Nothing of the install begins once the switch-off has come.
  if (m_Stop.Requested()) return Stopped();
  // The application's partition and the system's are read-only in use.
  const int app = KLX_Platform::Mount(QStringLiteral("ubi0:application"), QStringLiteral("/app"),
                                      QStringLiteral("ubifs"), MS_REMOUNT, QString());
  const int rootfs =
      KLX_Platform::Mount(QStringLiteral("ubi0:rootfs"), QStringLiteral("/"), QStringLiteral("ubifs"), MS_REMOUNT, QString());
  if (app != 0 || rootfs != 0) {
    // The copies below fail with their own report when the partitions stay
    // read-only; what the remount came to is logged here.
    const int opened = KLX_UpdateOpenCloseLinuxSystem(true);
    if (opened != 0)
      qWarning("the partitions could not be remounted writable (application %d, system %d) and the remount script answered %d",
               app, rootfs, opened);
  }

  Status(VT::KLX_UPDATE_STATUS_COPYING_FILES);
  switch (KLX_AppInstall(m_Links.db, m_Xml, &m_Stop).Install(m_Package, source)) {
    case KLX_AppInstall::Installed:
      break;
    case KLX_AppInstall::Stopped:
      return Stopped();
    case KLX_AppInstall::NoRoomOnCard:
    case KLX_AppInstall::NoRoomForProgram:
    case KLX_AppInstall::NotCopied:
      // No room, told as such: the install left the old program.
      Status(VT::KLX_UPDATE_STATUS_NO_FREE_SPACE);
      return KLX_Error;
    default:
      Status(VT::KLX_UPDATE_STATUS_ERROR);
      return KLX_Error;
  }
  Status(VT::KLX_UPDATE_STATUS_EPILOG_EXEC);
  // The program is installed whatever the script answers (a switch-off
  // ends it); its answer is logged.
  const int epilog = KLX_UpdateRunShellScript(KLX_UPDATE_SCRIPT_EPILOG, m_Names, false);
  if (epilog != 0 && !m_Stop.Requested()) qWarning("the update's epilog script answered %d", epilog);
  // The screen asks the user to switch off; the update phase holds until then.
  Status(VT::KLX_UPDATE_STATUS_SWITCH_OFF);
  m_KeepPhase = true;
  return KLX_Done;
}

int KLX_Update::VoicePacks() {
  const int chosen = ChooseStick(m_Names.KLX_FileNameHandlerGetUSBAllSticksMask());
  if (chosen == KLX_Trigger) return KLX_Trigger;
  const QString stick = StickFolder();
  if (chosen == 0 || stick.isEmpty()) return Fail(kErrNoStick, kNotFound, VT::KLX_UPDATE_STATUS_NO_USB);
  SavePhase();
  m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirSet);

  Status(VT::KLX_UPDATE_VOICESERVER_STOPPING);
  KLX_TTS::BeginVoicesUpdate();
  Status(VT::KLX_UPDATE_STATUS_COPY_ZIPS);
  const QString packs = m_Names.KLX_FileNameHandlerGetVoicePackagesFilePath();
  m_Files.KLX_FileFileFunctionsCheckFolder(packs, true);
  const QString voices = m_Names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath();
  m_Files.KLX_FileFileFunctionsCheckFolder(voices, true);
  const QString source = stick + m_Names.KLX_FileNameHandlerGetVoicesFilePath();
  // One pack at a time, in the order of their names: each is judged on the
  // card as the packs before it left it, and what a refused one took is
  // free again for the next, so that each pack that fits alone is
  // installed whatever stands before it.
  // A name that is no UTF-8 names no pack: the listing passes over it, the
  // log says so.
  const QStringList archives =
      QDir(source).entryList({QStringLiteral("*.zip")}, QDir::Files | QDir::NoSymLinks, QDir::Name);
  KLX_FileFunctions::KLX_FileFunctionsTellUnnamed(source, QStringLiteral("*.zip"));
  bool unzipping = false;
  int listed = 0;
  int installed = 0;
  int refused = 0;
  int noRoom = 0;
  // Each pack left out, one "reason<TAB>archive" line, for the screen to
  // tell why (and to name those its maker can mend).
  QStringList leftOut;
  // What an earlier unpack left, or what a pack's unpack folder held, that
  // cannot be removed stops the install: nothing is unpacked beside it.
  bool stopped = !m_Files.KLX_FileFunctionsBeginPacks(voices);
  for (int n = 0; n < archives.size() && !stopped; ++n) {
    const int i = m_Files.KLX_FileFunctionsCopyPack(source, archives.at(n), packs);
    if (i < 0) continue;
    ++listed;
    const QString reason = InstallPack(i, &unzipping);
    // Of a pack left out nothing stays; its room is the next one's.
    m_Files.KLX_FileFunctionsReleasePack(i);
    stopped = reason == kClearReason;
    if (reason.isEmpty() || stopped) {
      installed += reason.isEmpty() ? 1 : 0;
      continue;
    }
    ++refused;
    if (reason == kNoRoomReason) ++noRoom;
    leftOut << reason + QLatin1Char('\t') + m_Files.KLX_FileFunctionGetUnzippedName(i) + QStringLiteral(".zip");
  }
  // The screen goes from copying to unzipping to the end's message, also
  // when every pack was refused before it was unpacked.
  if (!unzipping) Status(VT::KLX_UPDATE_STATUS_UNZIPPING);
  m_Files.KLX_FileFunctionsDropUnzipped();
  if (stopped) {
    // The screen names the folder; the log names what stays in it.
    leftOut << kClearReason + QLatin1Char('\t') +
                   KLX_FileFunctions::KLX_FileFunctionsBoardPath(KLX_FileFunctions::KLX_FileFunctionsUnpackFolder(voices));
    m_Links.runtime->KLX_RuntimeDatabaseManagerGetSetDialogParameter(leftOut.join('\n'), AtomicDirSet);
    KLX_TTS::EndVoicesUpdate();
    return Fail(kErrScriptOrFolder, QStringLiteral("voice unpack folder cannot be cleared"), VT::KLX_UPDATE_STATUS_ERROR);
  }
  if (listed == 0) {
    Status(VT::KLX_UPDATE_NOTHING_TO_INSTALL);
  } else {
    qInfo("voice packs: %d installed, %d left out, %d of them for want of room on the card", installed, refused,
          noRoom);
    m_Links.runtime->KLX_RuntimeDatabaseManagerGetSetDialogParameter(leftOut.join('\n'), AtomicDirSet);
    // A full card is what the pilot can mend.
    if (installed == 0) Status(noRoom > 0 ? VT::KLX_UPDATE_STATUS_NO_FREE_SPACE : VT::KLX_UPDATE_VOICEDATA_CORRUPTED);
  }
  KLX_TTS::EndVoicesUpdate();
  if (installed == 0) return KLX_Error;
  // The count's low byte is the voices installed, the next the packs
  // refused, the next those of them the card had no room for: the pilot
  // learns that a pack on the stick was left out, and whether freeing the
  // card would bring it.
  const int count = qMin(installed, kMaxInstallCount) | qMin(refused, kMaxInstallCount) << kInstallStatusShift |
                    qMin(noRoom, kMaxNoRoomCount) << (2 * kInstallStatusShift);
  Status(VT::KLX_UPDATE_STATUS_VOICES_INSTALLED + (count << kInstallStatusShift));
  return KLX_Done;
}

QString KLX_Update::InstallPack(int index, bool* unzipping) {
  if (m_Files.KLX_FileFunctionGetUnzipRefusal(index) == KLX_FileFunctions::UnzipUnpacked) {
    if (!*unzipping) Status(VT::KLX_UPDATE_STATUS_UNZIPPING);
    *unzipping = true;
    m_Files.KLX_FileFunctionsUnzipPack(index);
  }
  // Refused with its reason as it was judged or unpacked.
  const KLX_FileFunctions::UnzipRefusal refusal = m_Files.KLX_FileFunctionGetUnzipRefusal(index);
  if (refusal != KLX_FileFunctions::UnzipUnpacked) return ReasonOf(refusal);
  // Checked where it was unpacked, then only the files its list names are
  // installed: nothing else of the archive reaches the card's voices.
  const QString name = m_Files.KLX_FileFunctionGetUnzippedName(index);
  if (!KLX_UpdateCheckMD5Sum(false, m_Files.KLX_FileFunctionGetUnzippedFolder(index), kVoiceList, QString())) {
    qWarning("voice pack %s.zip does not match its checksum list: refused",
             qUtf8Printable(m_Names.KLX_FileNameHandlerGetVoicePackagesFilePath() + name));
    return kCheckReason;
  }
  if (!m_Files.KLX_FileFunctionsInstallUnzipped(index, ListedFiles())) {
    qWarning("voice pack %s could not be installed",
             qUtf8Printable(m_Names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath() + name));
    return kCheckReason;
  }
  return QString();
}

QStringList KLX_Update::ListedFiles() const {
  QStringList files{kVoiceList};
  for (int i = 0; i < m_MD5.KLX_MD5GetCount(); ++i) files << m_MD5.KLX_MD5GetFileName(i);
  return files;
}

int KLX_Update::UninstallVoice() {
  const int speech = m_Task.paraint3;
  if (speech < 0) {
    Status(VT::KLX_UPDATE_VOICESERVER_STOPPING);
    KLX_TTS::BeginVoicesUpdate();
  }
  const int result = m_Links.runtime->KLX_RuntimeDatabaseFindVoiceFolderAndDelete(KLX_TaskText(m_Task.parastr1));
  if (result <= KLX_Error) KLXErrorHandler.RegisterError(kErrScriptOrFolder, QStringLiteral("Cannot delete voice folder"));
  if (speech != 0 && speech != -1) {
    KLX_TTS::EndVoicesUpdate();
    KLX_Update_SetAllModifyPermissions(true, false);
  }
  return result;
}

int KLX_Update::ReceiverFileCheck() {
  m_Links.db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirSet);
  const QString folder = m_Names.KLX_FileNameHandlerGetReceiverUpdateFilePath();
  m_Files.KLX_FileFileFunctionsCheckFolder(folder, true);
  // Only a file of the receiver folder is checked.
  const QString name = KLX_TaskText(m_Task.parastr1);
  if (!KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(name)) return KLX_Error;
  QFile file(folder + name);
  if (!file.open(QIODevice::ReadOnly)) return KLX_Error;
  return KLX_Firmware::KLX_Firmware_CheckFileCRC(file) ? int(KLX_Done) : int(KLX_Error);
}

int KLX_Update::Recovery() {
  KLX_DataBaseManager* db = m_Links.db;
  // Checked before anything changes: a refused recovery leaves the update
  // bookkeeping as it was, a pending update of the controllers included.
  const KLX_RecoveryCheck check = KLX_RecoveryCheckPackage(m_Task.paraint3);
  if (check.status != 0) return Fail(check.code, check.text, check.status);
  KLX_Update_SetAllModifyPermissions(false, true);
  // The firmware task takes the controller's file from the bookkeeping.
  if (m_Xml.KLX_XMLFileHandlerInitialize(db) != KLX_Ok)
    return Fail(kErrInit, QStringLiteral("init gone wrong"), VT::KLX_UPDATE_STATUS_ERROR);
  if (m_Xml.KLX_XMLFileHandlerReadUpdatelFile(m_Names.KLX_FileNameHandlerGetUpdateFileName(),
                                              m_Names.KLX_FileNameHandlerGetUpdateFilePath()) != KLX_Ok)
    return Fail(kErrNoUpdateXml, QStringLiteral("xml updatefile could not be read"), VT::KLX_UPDATE_STATUS_NO_UPDATE_XML);
  db->KLX_DatabaseManagerWlanStopProcessing();
  Status(VT::KLX_UPDATE_STATUS_RECOVER_SCTC);
  db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirSet, true);
  return KLX_Done;
}

// ---- from the network ---------------------------------------------------------------------------

int KLX_Update::FromNetwork() {
  if (KLX_Update_CheckBatteries() != KLX_Ok) return KLX_Error;
  if (Target() != VT::KLX_LOAD_HTTPUPDPACKAGE) return KLX_Error;
  // Nothing is fetched onto a card that counts as none.
  if (RefuseSmallCard()) return KLX_Error;
  KLX_DataBaseManager* db = m_Links.db;
  db->KLX_DatabaseManagerWlanStartProcessing();
  db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirSet, true);
  if (!m_HttpReq) return KLX_Error;
  if (!m_Files.KLX_FileFileFunctionsCheckFolder(m_Names.KLX_FileNameHandlerGetNetworkUpdateFilePath(), true))
    return KLX_Error;
  Status(VT::KLX_UPDATE_STATUS_HTTP_DWNLOADING);
  if (!Board::IsInitialized()) Board::Init();
  m_HttpReq->KLX_Update_HttpReq_MakeNewRequest(KLX_Update_HttpReq::KLX_Update_HttpReqFileUrl(
      Board::m_Instance->RemoteUpdatePathGet(), KLX_FileNameHandler::UPDATE_MD5FileNameWithFolders));
  m_State = KLX_UPDATE_STATE_DOWNLOADING;
  return PostSelf();
}

int KLX_Update::ContinueDownload() {
  if (!m_HttpReq) return KLX_Error;
  const int result = m_HttpReq->KLX_Update_HttpReqContinueDownload();
  switch (result) {
    case KLX_Trigger:
      // Everything is here: the screen asks whether to install.
      Status(VT::KLX_UPDATE_STATUS_NONE);
      m_State = KLX_UPDATE_STATE_INSTALL_ANSWER;
      return KLX_Trigger;
    case KLX_Ok:
      m_Links.db->KLX_DatabaseManagerGetSetDialogText(m_HttpReq->KLX_Update_HttpGetDownloadingFilename(), AtomicDirSet);
      // Only the task's own record keeps the polling going: one that came
      // from elsewhere would double it.
      return m_Update.updateKind == kSelfRecord ? PostSelf() : int(KLX_Ok);
    case KLX_Error:
      m_State = KLX_UPDATE_STATE_IDLE;
      Status(m_HttpReq->KLX_Update_HttpReqCardFull() ? VT::KLX_UPDATE_STATUS_NO_FREE_SPACE
                                                     : VT::KLX_UPDATE_STATUS_NETWORK_ERROR);
      return KLX_Error;
    default:
      return result;
  }
}

int KLX_Update::InstallAnswer() {
  if (!UserRecord(kDialogInput)) return KLX_Ok;
  if (m_Update.data[1] != VT::GUI_USER_Yes) return KLX_Error;
  // No script runs for a card that counts as none.
  if (RefuseSmallCard()) return KLX_Error;
  KLX_DataBaseManager* db = m_Links.db;
  const QString folder = m_Names.KLX_FileNameHandlerGetNetworkUpdateFilePath();
  const bool initialised = m_Xml.KLX_XMLFileHandlerInitialize(db) == KLX_Ok;
  SavePhase();
  if (!initialised || !CheckPackage(folder) ||
      m_Xml.KLX_XMLFileHandlerReadUpdatelFile(m_Names.KLX_FileNameHandlerGetUpdateFileName(), folder) != KLX_Ok)
    return Fail(kErrChecksum, QStringLiteral("md5 sum does not match or no Update.xml file"),
                VT::KLX_UPDATE_STATUS_MD5_ERROR);
  if (!db->KLX_DataBaseManagerIsPacketUpdateDifferent(false)) {
    KLXErrorHandler.RegisterError(kLogNoUpdateNeeded, QStringLiteral("no update needed"));
    db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirSet, true);
    KLX_Update_SetAllModifyPermissions(true, true);
    Status(VT::KLX_UPDATE_STATUS_ALREADY_NEWEST);
    return KLX_Error;
  }
  KLXErrorHandler.RegisterError(kWarnNetworkInstall, QStringLiteral("Network update install started: ") +
                                                         db->KLX_DataBaseManagerVornLinuxAppGetVersion() +
                                                         QStringLiteral(" -> ") +
                                                         db->KLX_DataBaseManagerUpdate_GetVersionOfUpdateXmlFile());
  KLX_Update_SetAllModifyPermissions(false, true);
  Status(VT::KLX_UPDATE_STATUS_PROLOG_EXEC);
  const int prolog = KLX_UpdateRunShellScript(KLX_UPDATE_SCRIPT_PROLOG, m_Names, true);
  if (m_Stop.Requested()) return Stopped();
  if (prolog != 0) return Fail(kErrScriptOrFolder, kProlog, VT::KLX_UPDATE_STATUS_ERROR);
  return Install(folder);
}

int KLX_Update::StickAnswer() {
  if (m_Update.updateKind != KLX_UPDATE_KIND_USER) return KLX_Ok;
  const int target = Target();
  if (!UserRecord(kDataInput) || (target != VT::KLX_UPDATE_SELF && target != VT::KLX_LOAD_VOICEPACKS &&
                                  target != VT::KLX_UNINSTALL_VOICEPACKS))
    return KLX_Error;
  const char* text = reinterpret_cast<const char*>(m_Update.data + 1);
  const size_t length = strnlen(text, sizeof(m_Update.data) - 1);
  if (length == 0) return KLX_Error;
  const char last = text[length - 1];
  if (last < '0' || last > '7') return KLX_Error;
  m_ChosenStick = static_cast<unsigned char>(last - '0');
  m_State = KLX_UPDATE_STATE_IDLE;
  return PostSelf();
}
