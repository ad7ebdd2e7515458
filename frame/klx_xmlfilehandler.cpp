#include "frame/klx_xmlfilehandler.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "frame/klx_databasevalues.h"
#include "frame/klx_copyerrors.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filecalls.h"
#include "frame/klx_xmlsafefile.h"
#include "platform/klx_storage.h"

namespace {
constexpr unsigned kErrNoCardSystem = 0x22819;
constexpr unsigned kErrNoCardModel = 0x21519;
constexpr unsigned kErrSystemFolder = 0x22804;
constexpr unsigned kErrSystemFile = 0x22805;
constexpr unsigned kErrSystemSpace = 0x22806;
constexpr unsigned kErrProcessFolder = 0x22807;
constexpr unsigned kErrProcessFile = 0x22808;
constexpr unsigned kErrProcessSpace = 0x22809;
constexpr unsigned kErrReadPathEmpty = 0x2280B;
constexpr unsigned kErrUpdateFolder = 0x22807;
constexpr unsigned kErrUpdateFile = 0x22810;
constexpr unsigned kErrNoTimezones = 0x22814;
constexpr unsigned kErrCountryMismatch = 0x22815;
constexpr unsigned kErrModelFolder = 0x21501;
constexpr unsigned kErrModelFile = 0x21502;
constexpr unsigned kErrModelSpace = 0x21503;
constexpr unsigned kErrNoBackup = 0x21512;
constexpr unsigned kErrBackupCopy = KLX_CopyError::kBackupCopy;
constexpr unsigned kErrBackupOutside = 0x246F1;
constexpr unsigned kWarnSetAside = 0x3460D;
// The name's end of a model file that could not be read, set aside.
const QString kSetAsideSuffix = QStringLiteral("_unreadable.xml");

constexpr long kSettingsKiB = 10;
constexpr long kModelKiB = KLX_FileFunctions::kModelSaveKiB;
constexpr int kKeptBackups = 30;
constexpr int kBackupNumbers = 30;

const QString kNoSpace = QStringLiteral("not enough space on medium");
const QString kPathEmpty = QStringLiteral("file path is empty");
}  // namespace

KLX_XMLFileHandler::KLX_XMLFileHandler(const QString& owner, QObject* parent) : CNoDebugBase<QObject>(parent) {
  setObjectName(owner + QStringLiteral("_KLX_XMLFileHandler"));
}

int KLX_XMLFileHandler::KLX_XMLFileHandlerInitialize(KLX_DataBaseManager* db) {
  int rc = m_Model.KLX_XMLModelInitialize(db);
  if (rc != KLX_Ok) return rc;
  rc = m_System.KLX_XMLSystemInitialize(db);
  if (rc != KLX_Ok) return rc;
  rc = m_ProcessState.KLX_XMLProcessStateInitialize(db);
  if (rc != KLX_Ok) return rc;
  return m_Update.KLX_XMLUpdateInitialize(db);
}

bool KLX_XMLFileHandler::CardPresent(unsigned code) {
  const KLX_FileFunctions::SDCard card = m_Files.KLX_FileFunctionsSDCard();
  if (card == KLX_FileFunctions::SDCardReady) return true;
  KLXErrorHandler.RegisterError(code, KLX_FileFunctions::KLX_FileFunctionsSDCardText(card));
  return false;
}

bool KLX_XMLFileHandler::Folder(const QString& folder, unsigned code, const QString& text) {
  if (m_Files.KLX_FileFileFunctionsCheckFolder(folder, true)) return true;
  KLXErrorHandler.RegisterError(code, text);
  return false;
}

int KLX_XMLFileHandler::KLX_XMLFileHandlerReadSystemFile() {
  if (!CardPresent(kErrNoCardSystem)) return KLX_Error;
  const QString folder = m_Names.KLX_FileNameHandlerGetSysPropertiesFilePath();
  if (!Folder(folder, kErrSystemFolder, QStringLiteral("could not generate system folder"))) return KLX_Error;
  // Without the time-zone list the countries come from the built-in list;
  // the settings are read all the same, or the next save would replace
  // them with the defaults.
  const QString zones = m_Names.KLX_FileNameHandlerGetTimeZonesFileName();
  if (!m_Files.KLX_FileFileFunctionsCheckFile(zones, folder, false)) {
    KLXErrorHandler.RegisterError(kErrNoTimezones, QStringLiteral("Timezones file doesn't exist"));
  } else {
    m_System.KLX_XMLSystemReadTzFile(folder + zones);
    if (m_System.KLX_XMLSystemIsCountryNumberMismatch())
      KLXErrorHandler.RegisterError(kErrCountryMismatch, QStringLiteral("Country count of timezones mismatch"));
  }
  const QString name = m_Names.KLX_FileNameHandlerGetSysPropertiesFileName();
  KLX_XMLSafeFile::RemoveLeftovers(folder + name);
  if (!m_Files.KLX_FileFileFunctionsCheckFile(name, folder, true)) {
    KLXErrorHandler.RegisterError(kErrSystemFile, QStringLiteral("could not generate system file"));
    return KLX_Error;
  }
  const QString path = folder + name;
  if (path.isEmpty()) {
    KLXErrorHandler.RegisterError(kErrReadPathEmpty, kPathEmpty);
    return KLX_Error;
  }
  return m_System.KLX_XMLSystemReadSysFile(path);
}

int KLX_XMLFileHandler::KLX_XMLFileHandlerWriteSystemFile() { return NoteWrite(WriteSystemFile(), kSettingsKiB); }

int KLX_XMLFileHandler::WriteSystemFile() {
  if (!CardPresent(kErrNoCardSystem)) return KLX_Error;
  const QString folder = m_Names.KLX_FileNameHandlerGetSysPropertiesFilePath();
  if (!Folder(folder, kErrSystemFolder, QStringLiteral("could not generate system folder"))) return KLX_Error;
  if (!m_Files.KLX_FileFunctionsGetAvailSpaceOnFolder(folder, kSettingsKiB)) {
    KLXErrorHandler.RegisterError(kErrSystemSpace, kNoSpace);
    return KLX_Error;
  }
  const QString path = folder + m_Names.KLX_FileNameHandlerGetSysPropertiesFileName();
  KLX_XMLSafeFile::RemoveLeftovers(path);
  return m_System.KLX_XMLSystemWriteSysFile(path);
}

int KLX_XMLFileHandler::KLX_XMLFileHandlerReadSysProcessStateFile() {
  if (!CardPresent(kErrNoCardSystem)) return KLX_Error;
  const QString folder = m_Names.KLX_FileNameHandlerGetSysProcStateFilePath();
  if (!Folder(folder, kErrProcessFolder, QStringLiteral("could not generate process folder"))) return KLX_Error;
  const QString name = m_Names.KLX_FileNameHandlerGetSysProcStateFileName();
  KLX_XMLSafeFile::RemoveLeftovers(folder + name);
  if (!m_Files.KLX_FileFileFunctionsCheckFile(name, folder, true)) {
    KLXErrorHandler.RegisterError(kErrProcessFile, QStringLiteral("could not generate process file"));
    return KLX_Error;
  }
  const QString path = folder + name;
  if (path.isEmpty()) {
    KLXErrorHandler.RegisterError(kErrReadPathEmpty, kPathEmpty);
    return KLX_Error;
  }
  return m_ProcessState.KLX_XMLProcessStateReadProcessFile(path);
}

int KLX_XMLFileHandler::KLX_XMLFileHandlerWriteSysProcessStateFile() {
  return NoteWrite(WriteSysProcessStateFile(), kSettingsKiB);
}

QString KLX_XMLFileHandler::WritableStateFile() {
  if (!CardPresent(kErrNoCardSystem)) return QString();
  const QString folder = m_Names.KLX_FileNameHandlerGetSysProcStateFilePath();
  if (!Folder(folder, kErrProcessFolder, QStringLiteral("could not generate process folder"))) return QString();
  if (!m_Files.KLX_FileFunctionsGetAvailSpaceOnFolder(folder, kSettingsKiB)) {
    KLXErrorHandler.RegisterError(kErrProcessSpace, kNoSpace);
    return QString();
  }
  const QString path = folder + m_Names.KLX_FileNameHandlerGetSysProcStateFileName();
  KLX_XMLSafeFile::RemoveLeftovers(path);
  return path;
}

int KLX_XMLFileHandler::WriteSysProcessStateFile() {
  const QString path = WritableStateFile();
  return path.isEmpty() ? int(KLX_Error) : m_ProcessState.KLX_XMLProcessStateWriteProcessFile(path);
}

int KLX_XMLFileHandler::KLX_XMLFileHandlerPrepareSysProcessStateFile(std::unique_ptr<KLX_XMLSafeFile>* file) {
  const QString path = WritableStateFile();
  if (path.isEmpty()) return NoteWrite(KLX_Error, kSettingsKiB);
  file->reset(new KLX_XMLSafeFile(path));
  return NoteWrite(m_ProcessState.KLX_XMLProcessStatePrepareProcessFile(**file), kSettingsKiB);
}

int KLX_XMLFileHandler::KLX_XMLFileHandlerPlaceSysProcessStateFile(KLX_XMLSafeFile& file) {
  return NoteWrite(m_ProcessState.KLX_XMLProcessStatePlaceProcessFile(file), kSettingsKiB);
}

bool KLX_XMLFileHandler::KLX_XMLFileHandlerStateModelChanged() const {
  return m_ProcessState.KLX_XMLProcessStateModelChanged(m_Names.KLX_FileNameHandlerGetSysProcStateFilePath() +
                                                        m_Names.KLX_FileNameHandlerGetSysProcStateFileName());
}

int KLX_XMLFileHandler::KLX_XMLFileHandlerSaveSysProcessStateFileNow() {
  if (MtxSDShareWrite.KLX_Critical_Enter() != 0) return KLX_Error;
  const int result = KLX_XMLFileHandlerWriteSysProcessStateFile();
  MtxSDShareWrite.KLX_Critical_Leave();
  return result;
}

int KLX_XMLFileHandler::KLX_XMLFileHandlerWriteModelFile(QString file, QString model, int type, QString folder) {
  return NoteWrite(WriteModelFile(file, model, type, folder), kModelKiB);
}

int KLX_XMLFileHandler::NoteWrite(int result, long neededKiB) {
  m_WriteFailure = KLX_DatabaseValues::ModelSaveFailure_None;
  if (result != KLX_Error) return result;
  m_WriteFailure = KLX_DatabaseValues::ModelSaveFailure_NotWritten;
  const KLX_Platform::VolumeInfo card = KLX_Platform::Volume(m_Names.KLX_FileNameHandlerGetVornPath());
  if (card.valid && card.mounted) {
    // A full card is named first, whatever its size: deleting files is
    // what helps then.
    if (card.bytesAvailable / 1024 < neededKiB)
      m_WriteFailure = KLX_DatabaseValues::ModelSaveFailure_CardFull;
    else if (card.bytesTotal < KLX_FileFunctions::kMinCardBytes)
      m_WriteFailure = KLX_DatabaseValues::ModelSaveFailure_CardTooSmall;
  }
  return result;
}

int KLX_XMLFileHandler::WriteModelFile(const QString& file, const QString& model, int type, QString folder) {
  if (!CardPresent(kErrNoCardModel)) return KLX_Error;
  // Nothing is created or written outside the model area; the writer is
  // given the path checked here.
  folder = KLX_XMLModel::KLX_XMLModelCheckedFolder(KLX_XMLModel::Access::Write, type, folder, file);
  if (folder.isEmpty()) return KLX_Error;
  if (!Folder(folder, kErrModelFolder, QStringLiteral("could not generate model folder"))) return KLX_Error;
  // Asked only when the card does not hold this model already: a save of
  // a model nobody changed writes nothing, which a full card allows.
  const auto room = [&] {
    if (m_Files.KLX_FileFunctionsGetAvailSpaceOnFolder(folder, kModelKiB)) return true;
    KLXErrorHandler.RegisterError(kErrModelSpace, kNoSpace);
    return false;
  };
  return m_Model.WriteCheckedFile(folder + file, model, room);
}

int KLX_XMLFileHandler::KLX_XMLFileHandlerReadModelFile(QString file, QString model, int type, QString folder) {
  if (!CardPresent(kErrNoCardModel)) return KLX_Error;
  // A corrected model is written back and a backup is made beside it: the
  // folder and name must stay inside the model area. Checked once here.
  folder = KLX_XMLModel::KLX_XMLModelCheckedFolder(KLX_XMLModel::Access::Read, type, folder, file);
  if (folder.isEmpty()) return KLX_Error;
  if (!m_Files.KLX_FileFileFunctionsCheckFolder(folder, false)) {
    KLXErrorHandler.RegisterError(kErrModelFolder, QStringLiteral("could not open model folder"));
    return KLX_Error;
  }
  if (!m_Files.KLX_FileFileFunctionsCheckFile(file, folder, false)) {
    KLXErrorHandler.RegisterError(kErrModelFile, QStringLiteral("could not open model file"));
    return KLX_Error;
  }
  const QString path = folder + file;
  // Read first: a file that cannot be read is no backup, and repeated
  // failed reads must not push the good backups out. The file is backed up
  // before a corrected model is written back over it.
  const int r = m_Model.ReadCheckedFile(path, model);
  // Called off (the load gave up on a card that hangs): the card is left alone.
  if (r == KLX_Timeout) return r;
  if (r == KLX_Error) {
    SetAside(folder, file);
    return r;
  }
  if (Backup(folder, file) < 1)
    KLXErrorHandler.RegisterError(kErrNoBackup, QStringLiteral("no operation is done in Backup folder"));
  if (r == KLX_Ok) m_LastReadBytes = QFileInfo(path).size();
  if (r != KLX_Done) return r;
  // The reader corrected the model: write it back and read that again.
  m_Model.WriteCheckedFile(path, model);
  const int again = m_Model.ReadCheckedFile(path, model);
  if (again == KLX_Ok) m_LastReadBytes = QFileInfo(path).size();
  return again == KLX_Done ? int(KLX_Error) : again;
}

int KLX_XMLFileHandler::KLX_XMLFileHandlerWorkWithBackupFolder(QString folder, QString* file) {
  if (!file || folder.isEmpty()) return KLX_Error;
  folder = m_Names.KLX_FileNameHandlerCheckModelPath(0, folder, *file);
  if (folder.isEmpty()) {
    KLXErrorHandler.RegisterError(kErrBackupOutside, QStringLiteral("backup path outside the model folders refused"));
    return KLX_Error;
  }
  return Backup(folder, *file);
}

int KLX_XMLFileHandler::Backup(const QString& folder, const QString& file) {
  const QString backup = folder + QStringLiteral("Backup/");
  if (!m_Files.KLX_FileFileFunctionsCheckFolder(backup, true)) return KLX_Error;

  // Keep the 30 newest; files written while the clock was unset stay.
  // What a cut copy left is no backup: it counts as none (it goes at the
  // start, or with the folder's next write), and one as earlier versions
  // named it goes now.
  static const QRegularExpression oldStaged(
      QStringLiteral("^.+_\\d{6}_\\d{6}(_\\(\\d+\\))?(_unreadable)?\\.xml\\.[A-Za-z0-9]{6}$"));
  const QDateTime unsetClock(QDate(2000, 1, 1), QTime(0, 0));
  QFileInfoList entries;
  for (const QFileInfo& entry :
       QDir(backup).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Time)) {
    if (KLX_XMLSafeFile::IsStaged(entry.fileName())) continue;
    if (entry.isFile() && oldStaged.match(entry.fileName()).hasMatch()) {
      KLX_FileCalls::Instance().Remove(entry.absoluteFilePath());
      continue;
    }
    entries << entry;
  }
  int deleted = 0;
  for (int i = kKeptBackups; i < entries.size(); ++i) {
    const QFileInfo& entry = entries.at(i);
    if (entry.lastModified() < unsetClock) continue;
    if (QFile::remove(entry.absoluteFilePath())) ++deleted;
  }

  const int xml = file.lastIndexOf(QStringLiteral(".xml"), -1, Qt::CaseInsensitive);
  const QString stem = xml >= 0 ? file.left(xml) : file;
  const QString base = stem + m_Files.KLX_FileFileFunctionsGetTimeSuffix();
  QString target = backup + base + QStringLiteral(".xml");
  if (QFileInfo::exists(target)) {
    for (int n = 0; n < kBackupNumbers; ++n) {
      target = backup + base + QStringLiteral("_(%1).xml").arg(n);
      if (!QFileInfo::exists(target)) break;
    }
  }

  const QString source = folder + file;
  if (QFileInfo(source).size() == 0) return -deleted;
  QFile in(source);
  const QByteArray content = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
  // The newest backup holds this text already: nothing to add.
  const QString newest = Newest(backup, stem, false);
  if (!newest.isEmpty()) {
    QFile last(newest);
    if (last.open(QIODevice::ReadOnly) && last.size() == content.size() && last.readAll() == content) return deleted + 1;
  }
  if (in.error() != QFileDevice::NoError || !KLX_FileCallsWriteWhole(target, content)) {
    KLXErrorHandler.RegisterError(kErrBackupCopy, QStringLiteral("cannot make a backup of the model file"));
    return -deleted;
  }
  return deleted + 1;
}

QString KLX_XMLFileHandler::Newest(const QString& backup, const QString& stem, bool setAside) {
  // "Glider_hhmmss_ddmmyy.xml" (or with "_(n)" before ".xml"), those set
  // aside with "_unreadable" there; the model "Glider_2" has its own.
  const QRegularExpression own(QStringLiteral("^%1_\\d{6}_\\d{6}(_\\(\\d+\\))?%2$")
                                   .arg(QRegularExpression::escape(stem),
                                        QRegularExpression::escape(setAside ? kSetAsideSuffix : QStringLiteral(".xml"))));
  for (const QFileInfo& entry : QDir(backup).entryInfoList(QDir::Files, QDir::Time))
    if (own.match(entry.fileName()).hasMatch()) return entry.absoluteFilePath();
  return QString();
}

void KLX_XMLFileHandler::SetAside(const QString& folder, const QString& file) {
  const QString backup = folder + QStringLiteral("Backup/");
  const QString source = folder + file;
  QFile in(source);
  if (in.size() == 0 || in.size() > KLX_XMLModel::kMaxFileBytes || !in.open(QIODevice::ReadOnly)) return;
  const QByteArray content = in.readAll();
  const int xml = file.lastIndexOf(QStringLiteral(".xml"), -1, Qt::CaseInsensitive);
  const QString stem = xml >= 0 ? file.left(xml) : file;
  if (!m_Files.KLX_FileFileFunctionsCheckFolder(backup, true)) return;
  // Once for each text: a file that fails again as it is stays set aside once.
  const QString last = Newest(backup, stem, true);
  if (!last.isEmpty()) {
    QFile previous(last);
    if (previous.open(QIODevice::ReadOnly) && previous.readAll() == content) return;
  }
  const QString target = backup + stem + m_Files.KLX_FileFileFunctionsGetTimeSuffix() + kSetAsideSuffix;
  if (KLX_FileCallsWriteWhole(target, content))
    KLXErrorHandler.RegisterError(kWarnSetAside, QStringLiteral("model file could not be read, kept as ") +
                                                     KLX_FileFunctions::KLX_FileFunctionsBoardPath(target));
}

int KLX_XMLFileHandler::KLX_XMLFileHandlerReadUpdatelFile(QString file, QString folder) {
  if (!CardPresent(kErrNoCardSystem)) return KLX_Error;
  if (folder.isEmpty()) folder = m_Names.KLX_FileNameHandlerGetUpdateFilePath();
  if (!m_Files.KLX_FileFileFunctionsCheckFolder(folder, false)) {
    KLXErrorHandler.RegisterError(kErrUpdateFolder, QStringLiteral("could not find update folder"));
    return KLX_Error;
  }
  if (!m_Files.KLX_FileFileFunctionsCheckFile(file, folder, false)) {
    KLXErrorHandler.RegisterError(kErrUpdateFile, QStringLiteral("could not find update file"));
    return KLX_Error;
  }
  const QString path = folder + file;
  if (path.isEmpty()) {
    KLXErrorHandler.RegisterError(kErrReadPathEmpty, kPathEmpty);
    return KLX_Error;
  }
  return m_Update.KLX_XMLUpdateReadUpdateFile(path);
}

int KLX_XMLFileHandler::KLX_XMLFileHandlerRemoveStagedFiles() {
  QStringList folders{m_Names.KLX_FileNameHandlerGetSysPropertiesFilePath(),
                      m_Names.KLX_FileNameHandlerGetSysProcStateFilePath(),
                      m_Names.KLX_FileNameHandlerGetUpdateFilePath(),
                      m_Names.KLX_FileNameHandlerGetVoicePackagesFilePath(),
                      m_Names.KLX_FileNameHandlerGetReceiverUpdateFilePath()};
  // The model area's own folders, never a link out of it.
  const QString top = m_Names.KLX_FileNameHandlerGetTopModelFilePath() + QLatin1Char('/');
  folders << top;
  for (const QString& folder : QDir(top).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks))
    folders << top + folder << top + folder + QStringLiteral("/Backup");
  int removed = 0;
  for (const QString& folder : qAsConst(folders)) removed += KLX_XMLSafeFile::RemoveStaged(folder);
  return removed;
}

void KLX_XMLFileHandler::iconEvent(int icon, int) {
  // The lock key prints the model report.
  if (icon == EventLock) m_Model.PrintModelReport();
}
