#pragma once
// The checksum file list of an update on a USB stick or the update server:
// one line per file ("<md5>  ./<path>"), optionally followed by its size
// ("SZ:<bytes>B;"), and in the system list the versions the update carries
// ("AV:<major>.<minor>;LV:<major>.<minor>;"). The download tasks walk the
// entries with First/Next and read their fields directly.
#include <QIODevice>
#include <QList>
#include <QString>

#include "model/klx_cversion.h"

class CFileListItem {
 public:
  virtual ~CFileListItem() = default;
  QString digest;          // as written in the list
  QString path;            // relative, without "./"
  qint64 size = 0;         // bytes; 0 until a size line sets it
  bool installed = false;  // found already in place by a download task
  bool fetched = false;    // found complete in the download's temporary folder
};

class CFileList {
 public:
  virtual ~CFileList() = default;
  virtual void free();
  // Any line that is neither a file nor a size line, line end included,
  // with the entry read last (none before the first); false stops reading.
  virtual bool unknownLineFound(const QByteArray& line, CFileListItem* lastEntry);

  // Reads the list from an open device, leaving out the entry whose path is
  // `ignoreName` (a list that names itself); true when it holds an entry.
  // A size line ("SZ:...") that holds no size ("SZ:B;", "SZ:12" without
  // its "B;", "SZ:12xB;") leaves the list empty: every size bounds a
  // download and counts against the card's room. A size line before the
  // first file is an unknown line.
  bool Load(QIODevice* device, const QString& ignoreName);
  // The first entry (the walk starts again), none for an empty list.
  CFileListItem* First();
  // The entry at the walk's position, then the position moves on; none
  // after the last.
  CFileListItem* Next();

  int Count() const { return m_Entries.size(); }
  // The sum of every size line read.
  qint64 TotalSize() const { return m_TotalSize; }
  // a + b, at most the largest size there is: a list's sizes are the
  // server's word and may be anything.
  static qint64 AddSizes(qint64 a, qint64 b);

 private:
  QList<CFileListItem> m_Entries;
  int m_Position = 0;
  qint64 m_TotalSize = 0;
};

// The system update's list: also the application ("AV") and Linux ("LV")
// versions it names. Emptying the list keeps them.
class CSysUpdateFileList : public CFileList {
 public:
  void free() override;
  bool unknownLineFound(const QByteArray& line, CFileListItem* lastEntry) override;

  const CVersion& LinuxVersion() const { return m_LinuxVersion; }
  const CVersion& AppVersion() const { return m_AppVersion; }

 private:
  CVersion m_LinuxVersion;
  CVersion m_AppVersion;
};
