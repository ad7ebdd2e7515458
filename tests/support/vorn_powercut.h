#pragma once
// A recorder of the file calls (create, write, data sync, rename, remove,
// folder sync) that builds what a power cut may leave on the card, which a
// killed process never shows: its page cache survives.
//
// The model of the card: a file's data lasts from its data sync on; before,
// the card holds the data of the last sync (nothing for a new file) or what
// was written. A folder's entries (a new file, a rename, a removal) last
// from the folder's sync on; before, any of them may have reached the card
// or not, in any combination, each whole. A rename within a folder is one
// step. Files the program touches for the first time count as lasting.
// A file opened to append to is the one its name holds then (a new one when
// there is none), and its writes follow what it held.
//
//   VornPowerCut cut;                    // records until it goes
//   ... the save ...
//   for (int n = 0; n <= cut.Calls(); ++n)
//     for (const VornPowerCut::Card& card : cut.StatesAfter(n))
//       ... what each file of the card holds (absent: no entry) ...
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QVector>

#include "frame/klx_filecalls.h"

class VornPowerCut : public KLX_FileCalls {
 public:
  // A file's path (as the program named it) and its content.
  using Card = QMap<QString, QByteArray>;

  VornPowerCut();
  ~VornPowerCut() override;

  // Calls made so far.
  int Calls() const;
  // One line per call: "create <path>", "open <path>" (to append to),
  // "write <path> <bytes>", "sync <path>" (also of a file another program
  // wrote, by its path), "rename <from> <to>", "exchange <a> <b>",
  // "remove <path>", "syncfolder <folder>", "syncfs <path>" (everything
  // written lasts).
  QStringList Log() const;
  // Every state the files the calls touched may be in after a power cut
  // just after the first n calls (0: before any).
  QList<Card> StatesAfter(int n) const;
  // Stand-ins for faults of the program: a sync it forgets to make.
  void SkipFolderSyncs(bool skip) { m_SkipFolderSyncs = skip; }
  void SkipDataSyncs(bool skip) { m_SkipDataSyncs = skip; }
  // The card's file system as vfat has it: no exchange of two names.
  void WithoutExchange() { m_WithoutExchange = true; }
  // The power goes at the `nth` call whose line starts with `line`: it
  // and every call after it do nothing and fail, and are not logged.
  void CutAt(const QString& line, int nth = 1) {
    m_CutAt = line;
    m_CutIn = nth;
  }

  int Create(const QString& path) override;
  int OpenAppend(const QString& path) override;
  bool Write(int fd, const char* data, qint64 size) override;
  bool SyncData(int fd) override;
  bool SyncFile(const QString& path) override;
  bool Rename(const QString& from, const QString& to) override;
  bool Remove(const QString& path) override;
  bool SyncFolder(const QString& folder) override;
  bool SyncFileSystem(const QString& path) override;
  ExchangeResult Exchange(const QString& a, const QString& b) override;

 private:
  enum Kind { Created, Opened, Written, Synced, SyncedByPath, Renamed, NamesExchanged, Removed, FolderSynced, AllSynced };
  // True once the power is gone, from the call of `line` on.
  bool Cut(const QString& line);
  struct Call {
    Kind kind;
    QString path;
    QString to;
    int file;  // the call that created the file written or synced
    QByteArray data;
    QString line;
  };
  // Files the card held before their first call, as they were then.
  void Remember(const QString& path);
  // Whether an earlier call named the path.
  bool Touched(const QString& path) const;
  void Add(Call call);

  mutable QMutex m_Mutex;
  QVector<Call> m_Calls;
  QHash<int, int> m_Open;  // descriptor -> the call that created it
  QMap<QString, QByteArray> m_Before;
  bool m_SkipFolderSyncs = false;
  bool m_SkipDataSyncs = false;
  bool m_WithoutExchange = false;
  QString m_CutAt;
  int m_CutIn = 0;  // matching calls left before the cut
  bool m_Cut = false;
};
