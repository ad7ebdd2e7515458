#include "update/cfilelist.h"

#include <QDebug>

#include <limits>

namespace {
constexpr int kShortestVersionLine = 14;  // "AV:1.2;LV:3.4;" without its line end
constexpr int kShortestToken = 7;         // "AV:1.2;"

QByteArray WithoutLineEnd(QByteArray line) {
  while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
  return line;
}

// The bytes of a size line "SZ:<decimal digits>B;": false when the line is
// none, the digits missing, anything else among them or the number beyond
// the largest size there is.
bool SizeOfLine(const QByteArray& line, qint64* size) {
  const int end = line.indexOf("B;", 3);
  if (end <= 3) return false;
  qint64 bytes = 0;
  for (int i = 3; i < end; ++i) {
    const char c = line.at(i);
    if (c < '0' || c > '9') return false;
    if (bytes > (std::numeric_limits<qint64>::max() - (c - '0')) / 10) return false;
    bytes = bytes * 10 + (c - '0');
  }
  *size = bytes;
  return true;
}
}  // namespace

void CFileList::free() {
  m_Entries.clear();
  m_Position = 0;
  m_TotalSize = 0;
}

bool CFileList::unknownLineFound(const QByteArray&, CFileListItem*) { return true; }

bool CFileList::Load(QIODevice* device, const QString& ignoreName) {
  free();
  if (!device || !device->isOpen()) return false;
  while (!device->atEnd()) {
    const QByteArray line = device->readLine();
    // Nothing more to read now: a device that is not at its end yet would
    // otherwise be asked for ever.
    if (line.isEmpty()) break;
    // Size lines first: a blank in one ("SZ: 12B;") makes it no file line.
    if (line.startsWith("SZ:")) {
      // Every size line holds a size: one that does not would leave its
      // file without a bound on its download and out of the card's sum.
      qint64 size = -1;
      if (!SizeOfLine(line, &size)) {
        qWarning("CFileList::Load(): size line %s is no size: the list is broken", WithoutLineEnd(line).constData());
        free();
        return false;
      }
      if (!m_Entries.isEmpty()) {
        m_Entries.last().size = size;
        m_TotalSize = AddSizes(m_TotalSize, size);
        continue;
      }
    }
    const int blank = line.indexOf(' ');
    if (blank >= 1) {
      const int separator = line.indexOf(" ./", blank);
      if (separator < 0) continue;
      QByteArray path = WithoutLineEnd(line).mid(separator + 3);
      const int nul = path.indexOf('\0');
      if (nul >= 0) path.truncate(nul);
      CFileListItem item;
      // Names are written by md5sum on a Linux system: UTF-8.
      item.path = QString::fromUtf8(path);
      item.digest = QString::fromUtf8(line.left(blank));
      if (!ignoreName.isEmpty() && item.path == ignoreName) {
        qDebug("CFileList::Load(): ignore file %s", qPrintable(item.path));
        continue;
      }
      m_Entries.append(item);
      continue;
    }
    if (!unknownLineFound(line, m_Entries.isEmpty() ? nullptr : &m_Entries.last())) break;
  }
  m_Position = m_Entries.size();
  return !m_Entries.isEmpty();
}

qint64 CFileList::AddSizes(qint64 a, qint64 b) {
  return b > std::numeric_limits<qint64>::max() - a ? std::numeric_limits<qint64>::max() : a + b;
}

CFileListItem* CFileList::First() {
  m_Position = 0;
  return Next();
}

CFileListItem* CFileList::Next() {
  if (m_Position >= m_Entries.size()) return nullptr;
  return &m_Entries[m_Position++];
}

void CSysUpdateFileList::free() { CFileList::free(); }

bool CSysUpdateFileList::unknownLineFound(const QByteArray& line, CFileListItem*) {
  if (line.size() < kShortestVersionLine) return true;
  int at = 0;
  while (line.size() - at >= kShortestToken) {
    const char kind = line.at(at);
    if ((kind != 'A' && kind != 'L') || line.mid(at + 1, 2) != "V:") break;
    const int numbers = at + 3;
    const int dot = line.indexOf('.', numbers);
    if (dot <= numbers) break;
    bool ok = false;
    const unsigned major = line.mid(numbers, dot - numbers).toUInt(&ok);
    if (!ok) break;
    const int end = line.indexOf(';', dot + 1);
    if (end <= dot + 1) break;
    const unsigned minor = line.mid(dot + 1, end - dot - 1).toUInt(&ok);
    if (!ok) break;
    // One byte each, as the versions are kept.
    if (kind == 'L') {
      m_LinuxVersion.Set(static_cast<unsigned char>(major), static_cast<unsigned char>(minor));
      qDebug("Linux version found: %u.%u", major & 0xFF, minor & 0xFF);
    } else {
      m_AppVersion.Set(static_cast<unsigned char>(major), static_cast<unsigned char>(minor));
      qDebug("App version found: %u.%u", major & 0xFF, minor & 0xFF);
    }
    at = end + 1;
  }
  return true;
}
