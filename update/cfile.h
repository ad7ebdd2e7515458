#pragma once
// A file opened as a standard I/O stream, with a few static path tests.
// Byte-string paths go to the system unchanged; text paths as UTF-8.
#include <QByteArray>
#include <QString>

#include <cstdio>

class CFile {
 public:
  enum { ModeRead = 1, ModeWrite = 2, ModeUpdate = 3 };

  explicit CFile(const QByteArray& path);
  explicit CFile(const QString& path);
  virtual ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // "w" for mode 2, "r+" for mode 3, "r" otherwise; true when already open.
  bool open(int mode);
  void close();
  bool remove();
  bool rename(const QByteArray& newPath);
  bool rename(const QString& newPath);
  void rewind();
  // `size` when the whole block was written, else 0.
  size_t write(const void* buffer, size_t size);
  size_t read(void* buffer, size_t n);
  bool isOpen() const { return m_Stream != nullptr; }
  QByteArray path() const { return m_Path; }

  static bool exists(const QByteArray& path);
  static bool exists(const QString& path);
  static bool isFile(const QByteArray& path);
  static bool isFile(const QString& path);
  static quint32 getsize(const QByteArray& path);
  static quint32 getsize(const QString& path);
  static QString getExtension(const QString& text);
  static QString filePathWithoutExtension(const QString& text);

 private:
  QByteArray m_Path;
  FILE* m_Stream = nullptr;
};
