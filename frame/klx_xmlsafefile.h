#pragma once
// An XML file is replaced whole or not at all: it is written to a temporary
// file in the same folder, flushed and synced, and only then renamed over
// the old one, so a power cut during a save leaves the old file in place.
#include <QSaveFile>
#include <QString>
#include <QXmlStreamWriter>

#include <functional>

class KLX_XMLSafeFile {
 public:
  explicit KLX_XMLSafeFile(const QString& path) : m_File(path) {}
  ~KLX_XMLSafeFile() {
    if (m_File.isOpen()) m_File.cancelWriting();
  }

  bool Open() { return m_File.open(QIODevice::WriteOnly | QIODevice::Text); }
  QIODevice* Device() { return &m_File; }
  // Flush, sync and rename; false leaves the old file as it was.
  bool Commit() {
    if (s_BeforeRename && !s_BeforeRename(m_File.fileName())) {
      m_File.cancelWriting();
      m_File.commit();
      return false;
    }
    return m_File.commit();
  }

  // Tests stand in for a power cut: returning false abandons the save just
  // before the rename.
  using Hook = std::function<bool(const QString& path)>;
  static void SetBeforeRenameHook(Hook hook) { s_BeforeRename = std::move(hook); }

 private:
  QSaveFile m_File;
  static inline Hook s_BeforeRename;
};

// Begins a device file: the document, its root element with version "1.0"
// and the comment that guards it against editing by hand.
inline void KLX_XMLStartDeviceFile(QXmlStreamWriter* writer, const QString& root) {
  writer->setAutoFormatting(true);
  writer->writeStartDocument();
  writer->writeStartElement(root);
  writer->writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
  writer->writeComment(QStringLiteral(" DO NOT MODIFY THIS FILE OUTSIDE THE VORN REMOTE SYSTEM "));
}
