#include "update/klx_md5.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "frame/klx_debuglog.h"
#include "frame/klx_filenamehandler.h"

namespace {
constexpr int kReadBlock = 64 * 1024;

QByteArray WithoutLineEnd(QByteArray line) {
  while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
  return line;
}

// A line names a file when a digest, a blank and " ./" come in that order:
// where the blank and the path's " ./" stand, false for any other line.
bool IsEntry(const QByteArray& line, int* blank, int* separator) {
  *blank = line.indexOf(' ');
  if (*blank <= 0) return false;
  *separator = line.indexOf(" ./", *blank);
  return *separator >= 0;
}
}  // namespace

int KLX_MD5::KLX_MD5CountEntries(const QByteArray& text) {
  int count = 0;
  int blank = 0;
  int separator = 0;
  for (const QByteArray& line : text.split('\n'))
    if (IsEntry(line, &blank, &separator)) ++count;
  return count;
}

bool KLX_MD5::KLX_MD5ReadFile(const QString& path) {
  m_Count = 0;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  int found = 0;
  md5Data read[kMaxEntries];
  while (!file.atEnd()) {
    const QByteArray line = file.readLine();
    int blank = 0;
    int separator = 0;
    if (!IsEntry(line, &blank, &separator)) continue;
    const QByteArray stripped = WithoutLineEnd(line);
    if (found == kMaxEntries) {
      qWarning("checksum list %s names more than %d files: refused", qPrintable(path), kMaxEntries);
      return false;
    }
    read[found].checkSum = QString::fromUtf8(stripped.left(blank));
    read[found].fileName = QString::fromUtf8(stripped.mid(separator + 3));
    ++found;
  }
  for (int i = 0; i < found; ++i) m_Data[i] = read[i];
  m_Count = found;
  return true;
}

bool KLX_MD5::KLX_MD5NameStaysInside(const QString& name) {
  if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QChar(0))) return false;
  for (const QString& part : name.split(QLatin1Char('/')))
    if (part == QLatin1String("..")) return false;
  return true;
}

QString KLX_MD5::KLX_MD5GetFileName(int index) const {
  return index >= 0 && index < m_Count ? m_Data[index].fileName : QString();
}

QString KLX_MD5::KLX_MD5GetCheckSum(int index) const {
  return index >= 0 && index < m_Count ? m_Data[index].checkSum : QString();
}

bool KLX_MD5::KLX_MD5OfFile(const QString& path, QString* digest) {
  // A link may lead out of the package, a device never ends.
  const QFileInfo info(path);
  if (info.isSymLink() || !info.isFile()) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QCryptographicHash hash(QCryptographicHash::Md5);
  QByteArray block(kReadBlock, Qt::Uninitialized);
  for (;;) {
    const qint64 n = file.read(block.data(), block.size());
    // A file that opens but cannot be read has no digest to compare.
    if (n < 0) return false;
    if (n == 0) break;
    hash.addData(block.constData(), int(n));
  }
  if (file.error() != QFileDevice::NoError) return false;
  *digest = QString::fromLatin1(hash.result().toHex());
  return true;
}

bool KLX_UpdateCheckMD5Sum(KLX_MD5& list, bool fromStick, unsigned char stick, QString folder,
                           const QString& listName, const QString& onlyFile) {
  QString name = listName;
  if (name.isEmpty()) {
    const KLX_FileNameHandler names;
    folder = fromStick ? names.KLX_FileNameHandlerGetUpdateUSBStickPath(stick)
                       : names.KLX_FileNameHandlerGetUpdateFilePath();
    if (folder.isEmpty()) return false;
    name = KLX_FileNameHandler::UPDATE_MD5FileName;
  } else {
    folder = KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(folder);
    if (folder.isEmpty()) return false;
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  }
  list.KLX_MD5ReadFile(folder + name);
  return KLX_MD5ListMatches(list, folder, name, onlyFile);
}

bool KLX_MD5ListMatches(const KLX_MD5& list, const QString& folder, const QString& listName, const QString& onlyFile) {
  bool result = false;
  for (int i = 0; i < list.KLX_MD5GetCount(); ++i) {
    const QString file = list.KLX_MD5GetFileName(i);
    if (file == listName) continue;
    if (!onlyFile.isEmpty() && file != onlyFile) continue;
    QString digest;
    if (!KLX_MD5::KLX_MD5NameStaysInside(file) || !KLX_MD5::KLX_MD5OfFile(folder + file, &digest)) return false;
    if (digest != list.KLX_MD5GetCheckSum(i)) return false;
    result = true;
    if (!onlyFile.isEmpty()) return true;
  }
  return result;
}

bool KLX_UpdatePackage::Runs(const QString& script) const {
  if (Names(script)) return true;
  qWarning("%s is not in the package's checksum list: not run", qUtf8Printable(script));
  return false;
}

bool KLX_UpdatePackage::RunsAt(const QString& path) const {
  const QFileInfo script(path);
  if (script.isFile()) return Runs(script.fileName());
  qCDebug(lcVornDebug, "file not found: %s", qUtf8Printable(path));
  return false;
}

QStringList KLX_UpdatePackage::Matching(const QString& filter) const {
  QStringList found;
  for (const QString& file : files)
    if (!file.contains(QLatin1Char('/')) && QDir::match(filter, file)) found << file;
  return found;
}

bool KLX_UpdateCheckPackage(KLX_MD5& list, const QString& folder, KLX_UpdatePackage* package) {
  package->files.clear();
  const QString listName = KLX_FileNameHandler::UPDATE_MD5FileName;
  if (!KLX_UpdateCheckMD5Sum(list, false, 0, folder, listName, QString())) return false;
  QStringList files;
  for (int i = 0; i < list.KLX_MD5GetCount(); ++i)
    if (list.KLX_MD5GetFileName(i) != listName) files << list.KLX_MD5GetFileName(i);
  if (!files.contains(KLX_FileNameHandler().KLX_FileNameHandlerGetLinuxAppFileName())) {
    qWarning("the checksum list of %s does not name the program", qUtf8Printable(folder));
    return false;
  }
  package->files = files;
  return true;
}
