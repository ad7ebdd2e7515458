#pragma once
// A file is replaced whole or not at all: it is written to a staged file
// beside it ("<name>.~vnXXXXXX"), every write checked, its data synced once,
// renamed over the old one (a link in its place is replaced, not written
// through) and the folder synced, so a power cut or a full medium during a
// save leaves the old file in place and one after it the new file. Every
// file the program writes whole goes through here: the XML files, copies,
// texts, screenshots. A cut before the rename leaves the staged file
// behind: the fixed marker "~vn" in its name tells it from any file of the
// pilot's, and only names that carry it are removed, at the start in the
// folders the program writes whole, and before the first write of a run to
// any other folder (to a stick's at each write: another stick may stand in
// its place). The calls go through KLX_FileCalls.
#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>

class KLX_XMLTextWriter;

class KLX_XMLSafeFile {
 public:
  explicit KLX_XMLSafeFile(const QString& path) : m_Path(path) {}
  ~KLX_XMLSafeFile();

  const QString& Path() const { return m_Path; }

  // Creates the temporary file.
  bool Open();
  // Text collected here is written by Commit.
  QIODevice* Device() { return &m_Buffer; }
  // Writes straight to the temporary file, before what Device() collected.
  bool Write(const char* data, qint64 size);
  // Lets the card start on what is written so far (Commit still syncs).
  void StartWriteback();
  // Writes what is written so far to the card and waits for it (Commit
  // still syncs): a thread of its own does, while the rest is built.
  void FinishWriteback();
  // Writes what Device() collected, syncs the data, renames and syncs the
  // folder; false leaves the old file as it was.
  bool Commit() { return Prepare() && Place(); }
  // Commit in two steps: Prepare writes what Device() collected and syncs
  // the data, so the new file waits whole beside its place; Place renames it
  // over the old one and syncs the folder, which takes no further room on
  // the card. A file prepared and never placed goes with this object.
  bool Prepare();
  bool Place();
  // A step failed for want of room on the medium (ENOSPC or EDQUOT): the
  // caller tells the pilot that the card is full rather than that it failed.
  bool NoRoom() const { return m_NoRoom; }

  // Removes the staged files that interrupted saves of `path` left beside
  // it (also "<name>.XXXXXX" of earlier versions), and nothing else;
  // returns how many.
  static int RemoveLeftovers(const QString& path);
  // A file name a save stages its text under.
  static bool IsStaged(const QString& fileName);
  // What a staged file's name adds to its file's, in length: the marker
  // and the random part.
  static constexpr const char* kStagedSuffixForm = ".~vnXXXXXX";
  // Removes the staged files that interrupted saves left in `folder` (none
  // that a save is writing now), and nothing else; returns how many. The
  // folder counts as cleared for the writes that follow.
  static int RemoveStaged(const QString& folder);

  // Tests stand in for a power cut just before the rename: a hook that
  // answers false ends the save there, with the temporary file left behind.
  using Hook = std::function<bool(const QString& path)>;
  static void SetBeforeRenameHook(Hook hook) { s_BeforeRename = std::move(hook); }

  // Replaced files whose blocks are still being freed after their save
  // (the benchmark waits for none before it times the card alone).
  static int Releasing() { return s_Releasing.load(); }

 private:
  QString m_Path;
  QString m_Temporary;
  int m_Fd = -1;
  bool m_Failed = false;
  bool m_Cut = false;
  bool m_Prepared = false;
  bool m_NoRoom = false;
  QByteArray m_Text;
  QBuffer m_Buffer{&m_Text};
  // Records whether the call that just failed did so for want of room.
  bool Failed();
  // The staged file is gone or in place: no cleanup need spare it.
  void Unlist();
  static inline Hook s_BeforeRename;
  static inline std::atomic<int> s_Releasing{0};
};

// How a settings file's save reports its failures: the file's name in the
// texts and the code of each failure.
struct KLX_XMLSaveReports {
  const char* fileName;
  unsigned openCode;   // no temporary file, or nothing to save from
  unsigned writeCode;  // the text did not reach the temporary file whole
  unsigned flushCode;  // flush, sync or rename failed: the old file stays
};

// Saves a device file whole: `build` writes its text after the preamble;
// the text replaces the file through a temporary file. `ready` false (no
// store to save from) fails like a file that cannot be opened. KLX_Ok or
// KLX_Error, each failure reported.
int KLX_XMLSaveDeviceFile(const QString& path, bool ready, const KLX_XMLSaveReports& reports,
                          const std::function<void(KLX_XMLTextWriter*)>& build);
// The same in the two steps of Commit: the text prepared in `file`, then
// placed; each KLX_Ok or KLX_Error, each failure reported.
int KLX_XMLPrepareDeviceFile(KLX_XMLSafeFile& file, bool ready, const KLX_XMLSaveReports& reports,
                             const std::function<void(KLX_XMLTextWriter*)>& build);
int KLX_XMLPlaceDeviceFile(KLX_XMLSafeFile& file, const KLX_XMLSaveReports& reports);
