#include "frame/klx_filenamehandler.h"

#include "platform/klx_platform.h"
#include "platform/klx_storage.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QPair>

#include <cmath>

const QString KLX_FileNameHandler::UPDATE_MD5FileName = QStringLiteral("KLX32MD5.txt");
const QString KLX_FileNameHandler::UPDATE_MD5FileNameWithFolders = QStringLiteral("KLX32MD5fold.txt");

namespace {
constexpr int kStickCount = 8;
constexpr int kMaxModelPathBytes = 511;
const char* const kModelTypeFolders[] = {"Plane", "Helicopter", "Multicopter", "Boat", "Car", "Other"};

QMutex g_SourceMutex;
KLX_FileNameHandler::VolumeSource g_Source;

QList<KLX_FileNameHandler::MountedVolume> SystemVolumes() {
  QList<KLX_FileNameHandler::MountedVolume> volumes;
  for (const KLX_Platform::MountedVolume& v : KLX_Platform::MountedVolumes())
    volumes.append({v.rootPath, v.name, v.device});
  return volumes;
}

QString Map(const char* fixedPath) {
  return KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QString::fromLatin1(fixedPath));
}
}  // namespace

QString KLX_FileNameHandler::KLX_FileNameHandlerMapPath(const QString& fixedPath) {
  if (!fixedPath.startsWith('/')) return fixedPath;
  return KLX_Platform::Root() + fixedPath;
}

bool KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(const QString& name) {
  if (name.isEmpty() || name == QLatin1String(".") || name.contains(QLatin1String(".."))) return false;
  // What vfat cannot hold would make every later save of the name fail.
  static const QString kRefused = QStringLiteral("/\\\"<>:*?|");
  for (const QChar c : name)
    if (c.unicode() < 0x20 || c.unicode() == 0x7F || kRefused.contains(c)) return false;
  return true;
}

namespace {
// The path itself when it exists, else its deepest existing folder, with
// symbolic links resolved; the missing rest is appended as it is.
QString Resolved(const QString& cleanPath) {
  QString existing = cleanPath;
  QString rest;
  while (!QFileInfo::exists(existing)) {
    const int slash = existing.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0) return cleanPath;
    rest = existing.mid(slash) + rest;
    existing = existing.left(slash);
  }
  return QFileInfo(existing).canonicalFilePath() + rest;
}

bool Inside(const QString& path, const QString& area) {
  return area == QLatin1String("/") || path == area || path.startsWith(area + QLatin1Char('/'));
}

// The file systems that keep names without regard to letter case, asked of
// the deepest folder of the path that exists.
bool IgnoresCase(QString path) {
  while (!QFileInfo::exists(path) && path.lastIndexOf(QLatin1Char('/')) > 0)
    path = path.left(path.lastIndexOf(QLatin1Char('/')));
  const QString type = KLX_Platform::Volume(path).fileSystemType.toLower();
  return type == QLatin1String("vfat") || type == QLatin1String("msdos") || type == QLatin1String("fat") ||
         type == QLatin1String("exfat");
}

// Both paths resolved, folded to one case where the file system ignores it.
QPair<QString, QString> Comparable(const QString& a, const QString& b) {
  QString ra = Resolved(QDir::cleanPath(a));
  QString rb = Resolved(QDir::cleanPath(b));
  if (ra != rb && IgnoresCase(ra)) {
    ra = ra.toCaseFolded();
    rb = rb.toCaseFolded();
  }
  return {ra, rb};
}
}  // namespace

bool KLX_FileNameHandler::KLX_FileNameHandlerSamePath(const QString& a, const QString& b) {
  if (a.isEmpty() || b.isEmpty()) return false;
  const QPair<QString, QString> p = Comparable(a, b);
  return p.first == p.second;
}

bool KLX_FileNameHandler::KLX_FileNameHandlerHolds(const QString& folder, const QString& inner) {
  if (folder.isEmpty() || inner.isEmpty()) return false;
  const QPair<QString, QString> p = Comparable(folder, inner);
  return p.second == p.first || p.second.startsWith(p.first + QLatin1Char('/'));
}

QString KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(const QString& path, const QString& area) {
  if (!path.startsWith(QLatin1Char('/')) || path.contains(QChar(0))) return QString();
  for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts))
    if (part == QLatin1String(".") || part == QLatin1String("..")) return QString();
  const QString root = KLX_Platform::Root();
  const bool mapped = !root.isEmpty() && (path == root || path.startsWith(root + QLatin1Char('/')));
  const QString placed = QDir::cleanPath(mapped ? path : KLX_FileNameHandlerMapPath(path));
  const QString fence = QDir::cleanPath(KLX_FileNameHandlerMapPath(area));
  if (!Inside(placed, fence) || !Inside(Resolved(placed), Resolved(fence))) return QString();
  return placed;
}

QString KLX_FileNameHandler::KLX_FileNameHandlerCheckModelPath(int type, const QString& folder,
                                                               const QString& name) const {
  return KLX_FileNameHandlerIsPlainName(name) ? KLX_FileNameHandlerCheckModelFolder(type, folder) : QString();
}

QString KLX_FileNameHandler::KLX_FileNameHandlerCheckModelFolder(int type, const QString& folder) const {
  QString given = folder;
  if (given.isEmpty()) {
    if (type < 1 || type > 6) return QString();
    given = KLX_FileNameHandlerGetModelFilePath(type, QString(), true);
  }
  const QString checked = KLX_FileNameHandlerCheckedPath(given, QStringLiteral("/Vorn/Model"));
  // The model area itself holds folders, not models.
  if (checked.isEmpty() || checked == QDir::cleanPath(KLX_FileNameHandlerGetTopModelFilePath())) return QString();
  return checked + QLatin1Char('/');
}

void KLX_FileNameHandler::KLX_FileNameHandlerSetVolumeSource(VolumeSource source) {
  QMutexLocker lock(&g_SourceMutex);
  g_Source = std::move(source);
}

QString KLX_FileNameHandler::KLX_FileNameHandlerGetVornPath() const { return Map("/Vorn"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetSysPropertiesFilePath() const { return Map("/Vorn/System/"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetSysPropertiesFileName() const { return QStringLiteral("System.xml"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetTimeZonesFileName() const { return QStringLiteral("Timezones.xml"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetSysProcStateFilePath() const { return Map("/Vorn/Vornstate/"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetSysProcStateFileName() const { return QStringLiteral("Vornstate.xml"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetTopModelFilePath() const { return Map("/Vorn/Model"); }

QString KLX_FileNameHandler::KLX_FileNameHandlerGetModelFilePath(int type, QString name, bool noSlash) const {
  QString folder;
  if (type == 0)
    folder = name;
  else if (type >= 1 && type <= 6)
    folder = QString::fromLatin1(kModelTypeFolders[type - 1]);
  QString path = Map("/Vorn/Model/") + folder;
  // Without a type folder the model folder itself is meant, not "Model//".
  if (!noSlash && !folder.isEmpty()) path += "/";
  if (path.toUtf8().size() > kMaxModelPathBytes) return QString();
  return path;
}

int KLX_FileNameHandler::KLX_FileNameHandlerGetModelTypeByPath(QString path) const {
  const QString top = Map("/Vorn/Model/");
  for (int type = 1; type <= 6; ++type) {
    if (path == top + QLatin1String(kModelTypeFolders[type - 1])) return type;
  }
  return 0;
}

QString KLX_FileNameHandler::KLX_FileNameHandlerGetErrorLogFilePath() const { return Map("/Vorn/Error/"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetErrorLogFileName() const { return QStringLiteral("Err.log"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetRunappLogFilePath() const { return Map("/Vorn/Runapp/"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetTelemetrieLogFilePath() const { return Map("/Vorn/Log/"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetTelemetrieLogFileName() const { return QStringLiteral("Tele.log"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetUpdateFilePath() const { return Map("/Vorn/Update/"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetNetworkUpdateFilePath() const { return KLX_FileNameHandlerGetUpdateFilePath(); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetUpdateFileName() const { return QStringLiteral("Update.xml"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetVoicePackagesFilePath() const { return Map("/Vorn/Update/Pkgs/"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetReceiverUpdateFilePath() const { return Map("/Vorn/Update/Receiver/"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetSoundPath() const { return Map("/Vorn/Sound/"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetVornSoundVoiceFolderPath() const { return Map("/Vorn/Sound/Voices/"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetVoicesFilePath() const { return QStringLiteral("Voices/"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetVoicesTxtFileName() const { return QStringLiteral("Voicesdata.txt"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetFilesystemFileName() const { return QStringLiteral("Filesysstat.txt"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetDevicePath() const { return Map("/dev/"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetLinuxAppPath() const { return Map("/app/"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetLanguageFilePath() const { return KLX_FileNameHandlerGetLinuxAppPath(); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetLinuxLanguageFilter() const { return QStringLiteral("*.qm"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetLinuxAppFileName() const { return QStringLiteral("KLX32LinuxApp"); }
// Relative on purpose: the update runs them from the system's top folder.
QString KLX_FileNameHandler::KLX_FileNameHandlerGetLinuxOpenScriptCmd() const { return QStringLiteral("./Vorn/Update/linuxopen.sh"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetLinuxCloseScriptCmd() const { return QStringLiteral("./Vorn/Update/linuxclose.sh"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetPrologScriptName() const { return QStringLiteral("vornupdateprolog.sh"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetEpilogScriptName() const { return QStringLiteral("vornupdateepilog.sh"); }
// A sub-folder of a model folder, appended to it: never placed under the root.
QString KLX_FileNameHandler::KLX_FileNameHandlerGetPicFolder() const { return QStringLiteral("/Pictures"); }

QString KLX_FileNameHandler::KLX_FileNameHandlerGetAppPath() const { return Map("/app"); }

QString KLX_FileNameHandler::KLX_FileNameHandlerGetUSBStickMountPoint(int stick) const {
  return KLX_FileNameHandlerMapPath(QStringLiteral("/media/usb%1").arg(stick));
}

QString KLX_FileNameHandler::KLX_FileNameHandlerGetBoardNameFile() const { return Map("/sys/bdinfo/board_name"); }
QString KLX_FileNameHandler::KLX_FileNameHandlerGetGPIOPath() const { return Map("/sys/class/gpio"); }

namespace {
QList<KLX_FileNameHandler::MountedVolume> CurrentVolumes() {
  KLX_FileNameHandler::VolumeSource source;
  {
    QMutexLocker lock(&g_SourceMutex);
    source = g_Source;
  }
  return source ? source() : SystemVolumes();
}

// The stick a mount root is, or -1: exactly one digit 0..7 after the prefix
// ("/media/usb12" is no stick).
int StickOfRoot(const QString& root, const QString& prefix) {
  if (!root.startsWith(prefix) || root.size() != prefix.size() + 1) return -1;
  const QChar digit = root.at(prefix.size());
  if (digit < QLatin1Char('0') || digit > QLatin1Char('7')) return -1;
  return digit.unicode() - '0';
}

// The sticks the mount table holds, one bit each, from one read of it.
int MountedStickMask() {
  const QString prefix = Map("/media/usb");
  int mask = 0;
  for (const KLX_FileNameHandler::MountedVolume& volume : CurrentVolumes()) {
    const int n = StickOfRoot(volume.rootPath, prefix);
    if (n >= 0) mask |= 1 << n;
  }
  return mask;
}
}  // namespace

bool KLX_FileNameHandler::KLX_FileNameHandlerIsUSBStickMounted(int stick) const {
  if (stick < 0 || stick >= kStickCount) return false;
  // The mount table decides: a mount point keeps what was written into it
  // while nothing was mounted there, and a pulled stick leaves it so here.
  return (MountedStickMask() >> stick) & 1;
}

QString KLX_FileNameHandler::KLX_FileNameHandlerGetUpdateUSBStickPath(unsigned char stick) const {
  const QString path = KLX_FileNameHandlerGetUSBStickMountPoint(stick) + "/";
  return KLX_FileNameHandlerIsUSBStickMounted(stick) && QFileInfo(path).isDir() ? path : QString();
}

int KLX_FileNameHandler::KLX_FileNameHandlerGetUSBupdateSticksMask() const {
  const int mounted = MountedStickMask();
  int mask = 0;
  for (int n = 0; n < kStickCount; ++n) {
    const QString folder = KLX_FileNameHandlerGetUSBStickMountPoint(n) + "/";
    if (((mounted >> n) & 1) && QFileInfo::exists(folder + KLX_FileNameHandlerGetUpdateFileName()) &&
        QFileInfo::exists(folder + KLX_FileNameHandlerGetLinuxAppFileName()))
      mask |= 1 << n;
  }
  return mask;
}

void KLX_FileNameHandler::ScanVolumes() {
  const QList<MountedVolume> volumes = CurrentVolumes();
  // An empty answer keeps what the last scan found.
  if (volumes.isEmpty()) return;
  m_RootPaths.clear();
  m_VolumeNames.clear();
  m_Devices.clear();
  for (const MountedVolume& volume : volumes) {
    m_RootPaths.append(volume.rootPath);
    m_VolumeNames.append(volume.name);
    m_Devices.append(volume.device);
  }
}

int KLX_FileNameHandler::KLX_FileNameHandlerGetUSBAllSticksMask() {
  ScanVolumes();
  const QString prefix = Map("/media/usb");
  int mask = 0;
  for (const QString& root : m_RootPaths) {
    const int n = StickOfRoot(root, prefix);
    if (n >= 0) mask |= 1 << n;
  }
  return mask;
}

QString KLX_FileNameHandler::KLX_FileNameHandlerGetUSBStickPath(unsigned char stick) {
  ScanVolumes();
  const QString prefix = Map("/media/usb");
  QString exact;
  QString fallback;
  for (const QString& root : m_RootPaths) {
    if (!root.startsWith(prefix) || root.size() <= prefix.size()) continue;
    const QChar digit = root.at(prefix.size());
    if (digit < QLatin1Char('0') || digit > QLatin1Char('7')) continue;
    const int n = digit.unicode() - '0';
    // The stick asked for wins; stick 0 only stands in when it is missing.
    if (n == stick && exact.isEmpty()) exact = root;
    if (n == 0 && fallback.isEmpty()) fallback = root;
  }
  return exact.isEmpty() ? fallback : exact;
}

int KLX_FileNameHandler::KLX_FileNameHandlerGetStoragesCount() const { return m_RootPaths.size(); }

void KLX_FileNameHandler::KLX_FileNameHandlerSetNameOfLastCreatedFolder(QString name) {
  m_NameOfLastCreatedFolder = name;
}

QString KLX_FileNameHandler::GetStorageSizeInAbbreviationBytes(qint64 bytes) {
  if (bytes > 1000000000LL) return QString::number(float(bytes) / 1e9f, 'f', 2) + " GB";
  if (bytes > 1000000LL) return QString::number(float(bytes) / 1e6f, 'f', 2) + " MB";
  if (bytes >= 0) return QString::number(bytes) + " Bytes";
  return QString();
}

QString KLX_FileNameHandler::KLX_FileFunctionsGetSpaceInfoOnSDcard(int stick) const {
  const QString path = stick < 0 ? KLX_FileNameHandlerGetVornPath()
                                 : KLX_FileNameHandlerGetUpdateUSBStickPath((unsigned char)stick);
  const KLX_Platform::VolumeInfo volume = KLX_Platform::Volume(path);
  const qint64 total = volume.bytesTotal;
  const qint64 available = volume.bytesAvailable;
  // No size means nothing is used, not a division by zero.
  const int used = total > 0 ? int(std::lround(double(total - available) / double(total) * 100.0)) : 0;
  return GetStorageSizeInAbbreviationBytes(total) + ";" + volume.name + ";" +
         volume.fileSystemType + ";" + GetStorageSizeInAbbreviationBytes(available) + ";" +
         QString::number(used) + "%";
}
