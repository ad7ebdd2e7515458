#include "update/cfile.h"

#include <sys/stat.h>

CFile::CFile(const QByteArray& path) : m_Path(path) {}
CFile::CFile(const QString& path) : m_Path(path.toUtf8()) {}
CFile::~CFile() { close(); }

bool CFile::open(int mode) {
  if (m_Stream) return true;
  const char* how = mode == ModeWrite ? "w" : mode == ModeUpdate ? "r+" : "r";
  m_Stream = std::fopen(m_Path.constData(), how);
  return m_Stream != nullptr;
}

void CFile::close() {
  if (!m_Stream) return;
  std::fclose(m_Stream);
  m_Stream = nullptr;
}

bool CFile::remove() {
  if (std::remove(m_Path.constData()) != 0) return false;
  close();
  return true;
}

bool CFile::rename(const QByteArray& newPath) {
  if (std::rename(m_Path.constData(), newPath.constData()) != 0) return false;
  m_Path = newPath;
  return true;
}

bool CFile::rename(const QString& newPath) { return rename(newPath.toUtf8()); }

void CFile::rewind() {
  if (m_Stream) std::rewind(m_Stream);
}

size_t CFile::write(const void* buffer, size_t size) {
  if (!m_Stream) return 0;
  return std::fwrite(buffer, size, 1, m_Stream) == 1 ? size : 0;
}

size_t CFile::read(void* buffer, size_t n) {
  if (!m_Stream) return 0;
  return std::fread(buffer, 1, n, m_Stream);
}

bool CFile::exists(const QByteArray& path) {
  struct stat info;
  return ::stat(path.constData(), &info) == 0;
}

bool CFile::exists(const QString& path) { return exists(path.toUtf8()); }

bool CFile::isFile(const QByteArray& path) {
  struct stat info;
  return ::stat(path.constData(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool CFile::isFile(const QString& path) { return isFile(path.toUtf8()); }

quint32 CFile::getsize(const QByteArray& path) {
  struct stat info;
  if (::stat(path.constData(), &info) != 0) return 0;
  return quint32(info.st_size);
}

quint32 CFile::getsize(const QString& path) { return getsize(path.toUtf8()); }

QString CFile::getExtension(const QString& text) {
  const int dot = text.lastIndexOf('.');
  return dot < 0 ? QString() : text.mid(dot);
}

QString CFile::filePathWithoutExtension(const QString& text) {
  const int dot = text.lastIndexOf('.');
  return dot < 0 ? text : text.left(dot);
}
