// Desktop build: the board's fixed paths live under one root folder, mounts
// and host commands are recorded instead of done.
#include "platform/desktop/klx_cardcount.h"
#include "platform/klx_commandrunner.h"
#include "platform/klx_platform.h"
#include "platform/klx_storage.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QStorageInfo>

#include <cerrno>
#include <optional>

namespace KLX_Platform {

namespace {
QMutex g_rootMutex;
// The root lies next to the folder of the executable: "<prefix>/bin/vorn"
// keeps its board under "<prefix>/root". Read from the executable's own path,
// so it is fixed by where the program was built or copied, not by options.
QString DefaultRoot() {
  const QFileInfo exe(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
  return QFileInfo(exe.absolutePath() + "/../root").absoluteFilePath();
}

QString& RootRef() {
  static QString root = DefaultRoot();
  return root;
}

// The simulated board lists what is mounted, one fixed mount point a line,
// in "<root>/run/mounts"; the folders "/media/usbN" alone are the board's
// empty mount points.
bool Mounted(const QString& fixedPoint) {
  QFile table(Root() + "/run/mounts");
  if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  return QString::fromUtf8(table.readAll()).split('\n').contains(fixedPoint) &&
         QFileInfo(Root() + fixedPoint).isDir();
}

// The card's size as written for it, 0 where none is. A text that is not a
// positive number counts as none (a negative total would give negative
// room); it is logged once, not at every look, until the text changes.
qint64 CardSize() {
  QFile file(Root() + "/run/sdcard-size");
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const QByteArray text = file.readAll().trimmed();
  bool ok = false;
  const qint64 size = text.toLongLong(&ok);
  static QMutex toldMutex;
  static std::optional<QByteArray> told;
  QMutexLocker lock(&toldMutex);
  if (ok && size > 0) {
    told.reset();
    return size;
  }
  if (told != text)
    qWarning("Card size \"%s\" in %s is not a positive number: the host's size is taken", text.left(32).constData(),
             qUtf8Printable(file.fileName()));
  told = text;
  return 0;
}
}  // namespace

QString Root() {
  QMutexLocker lock(&g_rootMutex);
  return RootRef();
}

void SetRoot(const QString& root) {
  QMutexLocker lock(&g_rootMutex);
  RootRef() = root;
}

bool IsBoard() { return false; }

int Umount2(const QString& target, int flags) {
  RecordCommand(QStringLiteral("umount2 %1 %2").arg(target).arg(flags));
  // What is not mounted cannot be unmounted: the board answers EINVAL.
  if (!Mounted(target)) {
    errno = EINVAL;
    return -1;
  }
  return 0;
}

// The host's file systems are never remounted: the board's answer is success.
int Mount(const QString& source, const QString& target, const QString& type, unsigned long flags,
          const QString& options) {
  QString line = QStringLiteral("mount %1 %2 %3 %4").arg(source, target, type).arg(flags);
  if (!options.isEmpty()) line += QLatin1Char(' ') + options;
  RecordCommand(line);
  return 0;
}

VolumeInfo Volume(const QString& mappedPath) {
  VolumeInfo v;
  QStorageInfo host(mappedPath);
  if (!host.isValid()) return v;
  v.valid = true;
  v.bytesAvailable = host.bytesAvailable();
  v.bytesTotal = host.bytesTotal();
  v.blockSize = host.blockSize();
  v.fileSystemType = QString::fromUtf8(host.fileSystemType());
  // The data partition is a folder here; the card's size and type are what
  // the simulator or a test wrote for it, and its free room that size less
  // what lies on it (never more than the host has), as the board sees it.
  const QString vorn = Root() + "/Vorn";
  const QString card = QFileInfo(vorn).canonicalFilePath();
  const QString asked = QFileInfo(mappedPath).canonicalFilePath();
  if (QFileInfo(vorn).isDir() && !card.isEmpty() && (asked == card || asked.startsWith(card + QLatin1Char('/')))) {
    v.mounted = true;
    v.fileSystemType = "vfat";
    v.name = "VORN";
    // The card's cluster, where one is written (a card formatted with
    // 32 KiB clusters gives out room by 32 KiB): a power of two from 512
    // bytes to 64 KiB, as FAT allows; else the host's block.
    QFile blockFile(Root() + "/run/sdcard-block");
    if (blockFile.open(QIODevice::ReadOnly)) {
      bool ok = false;
      const qint64 cluster = blockFile.readAll().trimmed().toLongLong(&ok);
      if (ok && cluster >= 512 && cluster <= (64 << 10) && (cluster & (cluster - 1)) == 0) v.blockSize = cluster;
    }
    const qint64 size = CardSize();
    if (size > 0) {
      v.bytesTotal = size;
      const qint64 held = CardBytesHeld(card, qMax<qint64>(v.blockSize, 1));
      v.bytesAvailable = qMax<qint64>(0, qMin(size - held, v.bytesAvailable));
    }
  } else {
    v.mounted = QFileInfo(mappedPath).isDir();
  }
  return v;
}

// The card and each stick the board lists as mounted count as mounted volumes.
QList<MountedVolume> MountedVolumes() {
  QList<MountedVolume> volumes;
  const QString root = Root();
  if (QFileInfo(root + "/Vorn").isDir()) volumes.append({root + "/Vorn", "VORN", "/dev/mmcblk1p1"});
  for (int n = 0; n < 8; ++n) {
    const QString point = QStringLiteral("/media/usb%1").arg(n);
    const QString stick = root + point;
    if (Mounted(point))
      volumes.append({stick, QStringLiteral("USB%1").arg(n), QStringLiteral("/dev/sd") + QChar('a' + n) + QStringLiteral("1")});
  }
  return volumes;
}

QString SceneGraphBackend() { return QStringLiteral("software"); }

bool InstalledProgramVersion(const QString& installed, int* major, int* minor) {
  // The desktop run's package brings a small script in the program's place
  // that says its version; anything else installed there is no stand-in.
  constexpr qint64 kMostBytes = 4096;
  QFile file(installed);
  if (QFileInfo(installed).size() > kMostBytes || !file.open(QIODevice::ReadOnly)) return false;
  static const QRegularExpression said(QStringLiteral("^#!/bin/sh\\necho \"Vorn application (\\d{1,3})\\.(\\d{1,3}),"));
  const QRegularExpressionMatch match = said.match(QString::fromUtf8(file.read(kMostBytes)));
  if (!match.hasMatch()) return false;
  *major = match.captured(1).toInt();
  *minor = match.captured(2).toInt();
  return *major <= 0xFF && *minor <= 0xFF;
}

}  // namespace KLX_Platform
