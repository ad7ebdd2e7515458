#pragma once
// An XML file is replaced whole or not at all: it is written to a temporary
// file beside it ("<name>.XXXXXX"), its data synced once, renamed over the
// old one and the folder synced, so a power cut during a save leaves the old
// file in place and one after it the new file. A cut before the rename
// leaves the temporary file behind; the file handler removes it when it next
// uses the folder. The calls go through KLX_FileCalls.
#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QXmlStreamWriter>

#include <functional>

class KLX_XMLSafeFile {
 public:
  explicit KLX_XMLSafeFile(const QString& path) : m_Path(path) {}
  ~KLX_XMLSafeFile();

  // Creates the temporary file.
  bool Open();
  // Text collected here is written by Commit.
  QIODevice* Device() { return &m_Buffer; }
  // Writes straight to the temporary file, before what Device() collected.
  bool Write(const char* data, qint64 size);
  // Lets the card start on what is written so far (Commit still syncs).
  void StartWriteback();
  // Writes what Device() collected, syncs the data, renames and syncs the
  // folder; false leaves the old file as it was.
  bool Commit();

  // Removes the temporary files that interrupted saves of `path` left
  // beside it, and nothing else; returns how many.
  static int RemoveLeftovers(const QString& path);

  // Tests stand in for a power cut just before the rename: a hook that
  // answers false ends the save there, with the temporary file left behind.
  using Hook = std::function<bool(const QString& path)>;
  static void SetBeforeRenameHook(Hook hook) { s_BeforeRename = std::move(hook); }

 private:
  QString m_Path;
  QString m_Temporary;
  int m_Fd = -1;
  bool m_Failed = false;
  bool m_Cut = false;
  QByteArray m_Text;
  QBuffer m_Buffer{&m_Text};
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
