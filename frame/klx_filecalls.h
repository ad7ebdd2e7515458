#pragma once
// The file calls whose order decides what a power cut leaves on the card.
// A file's data reaches the card with its own sync, a folder's entries
// (a new name, a rename, a removal) with the folder's sync, and in between
// the card may hold any of them or none. Whatever replaces or removes a file
// the program keeps goes through here, so that the order is in one place and
// a test can record it.
#include <QByteArray>
#include <QString>

#include <QtGlobal>

class KLX_FileCalls {
 public:
  virtual ~KLX_FileCalls() = default;

  // A failed call leaves its reason in errno (ENOSPC or EDQUOT: the medium
  // has no room), as the system's call does; a test's stand-in sets it too.
  //
  // A new file for writing; it must not exist yet. -1 on failure.
  virtual int Create(const QString& path);
  // A file to append to, made when it does not exist yet (its name then
  // lasts only with the folder's sync). -1 on failure.
  virtual int OpenAppend(const QString& path);
  // Writes all of it; false on a short or failed write.
  virtual bool Write(int fd, const char* data, qint64 size);
  // Starts writing the data written so far to the card and returns at once;
  // only SyncData waits for it and makes it last.
  virtual void StartWriteback(int fd);
  // Writes the data written so far to the card and waits for it, so that
  // SyncData has only the rest and the file's size left (nothing is made
  // to last here).
  virtual void FinishWriteback(int fd);
  // The file's data and size on the card (fdatasync).
  virtual bool SyncData(int fd);
  // A file another program wrote (unzip never syncs): its data and size on
  // the card (fsync).
  virtual bool SyncFile(const QString& path);
  virtual bool Close(int fd);
  // Everything written to the file system that holds `path` on the card,
  // data and entries, other programs' too (syncfs): one flush where a sync
  // per file would cost a journal commit each.
  virtual bool SyncFileSystem(const QString& path);
  // Replaces `to` by `from` in one step.
  virtual bool Rename(const QString& from, const QString& to);
  // Swaps two existing names in one step (renameat2 with RENAME_EXCHANGE).
  enum ExchangeResult { Exchanged, ExchangeUnsupported, ExchangeFailed };
  // ExchangeUnsupported where the file system (vfat) or the kernel has no
  // such step: nothing changed, and the caller takes two renames.
  virtual ExchangeResult Exchange(const QString& a, const QString& b);
  // A missing file counts as removed.
  virtual bool Remove(const QString& path);
  // The folder's entries on the card.
  virtual bool SyncFolder(const QString& folder);
  // The folder of a path, for SyncFolder.
  static QString FolderOf(const QString& path);

  // The calls in use; tests put their own in place (null: the system's).
  static KLX_FileCalls& Instance();
  static void Set(KLX_FileCalls* calls);
};

// A whole file written beside its place ("<name>.~vnXXXXXX"), its data synced,
// renamed over the old one and the folder synced: afterwards the card holds
// the new file even across a power cut, before it the old one, never a part.
// Returns false (the old file as it was, no temporary file beside it) on any
// failure; `noRoom`, when given, tells whether the medium had no room for it.
bool KLX_FileCallsWriteWhole(const QString& path, const QByteArray& content, bool* noRoom = nullptr);
// Removes a file and syncs its folder; true when it is gone.
bool KLX_FileCallsRemove(const QString& path);
// Removes a file, a link or a folder with all it holds, and never follows a
// link: a link, the one given too, goes as a link and what it names stays.
// Entries whose names are no UTF-8 go too, by the bytes of their names.
// A missing path counts as removed. When something stays, `left` (if given)
// names the first entry that does.
bool KLX_FileCallsRemoveTree(const QString& path, QString* left = nullptr);
// The same for a path given by its bytes, which need be no UTF-8 (an entry
// that no text names goes without the calls in use).
bool KLX_FileCallsRemoveNativeTree(const QByteArray& path, QByteArray* left = nullptr);
// A file that a copy may read: a regular file itself, neither a link (one on
// a stick may name any file of the system) nor a device or a pipe.
bool KLX_FileCallsIsPlainFile(const QString& path);
