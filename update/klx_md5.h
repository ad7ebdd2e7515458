#pragma once
// The checksum list that every update package and voice pack carries: one
// line per file as md5sum writes it ("<digest> ./<path>"), read into a
// fixed table, and the check of a folder's files against it.
#include <QString>
#include <QStringList>

#include <cstdint>

class KLX_MD5 {
 public:
  static constexpr int kMaxEntries = 100;

  struct md5Data {
    QString fileName;
    QString checkSum;
  };

  // Replaces the table with the list's entries. A list that cannot be
  // opened, or that names more files than the table holds, leaves the table
  // empty and answers false: a package is never checked on part of its list.
  bool KLX_MD5ReadFile(const QString& path);
  // How many entries a list's text names, as KLX_MD5ReadFile counts them.
  static int KLX_MD5CountEntries(const QByteArray& text);
  int32_t KLX_MD5GetCount() const { return m_Count; }
  // Empty for an index outside the entries read.
  QString KLX_MD5GetFileName(int index) const;
  QString KLX_MD5GetCheckSum(int index) const;

  // The lower-case hexadecimal MD5 of a whole file; false when it is no
  // regular file (a link, a device), or cannot be opened or read to its end.
  static bool KLX_MD5OfFile(const QString& path, QString* digest);
  // A listed name stays inside the list's folder: relative, without a ".."
  // part or a zero byte.
  static bool KLX_MD5NameStaysInside(const QString& name);

 private:
  int32_t m_Count = 0;
  md5Data m_Data[kMaxEntries];
};

// Every file `list` names but `listName` itself (only `onlyFile` when
// given) is in `folder` (ending in '/'), a regular file of the listed
// digest, and at least one was compared. A name that would leave the folder
// fails.
bool KLX_MD5ListMatches(const KLX_MD5& list, const QString& folder, const QString& listName,
                        const QString& onlyFile = QString());

// The package update's check of a folder against its checksum list: every
// listed file (but the list itself, or only `onlyFile` when given) must be
// there, readable and of the listed digest, and at least one must have been
// compared. With an empty list name the folder is the chosen stick's
// (fromStick) or the card's update folder and the list "KLX32MD5.txt";
// otherwise the given folder (a board path or one already placed). A list
// entry that would leave the folder fails the check.
bool KLX_UpdateCheckMD5Sum(KLX_MD5& list, bool fromStick, unsigned char stick, QString folder,
                           const QString& listName, const QString& onlyFile);

// What of an application package may be run or installed: the files its
// default list names, each of them there with its listed digest. A script
// or a translation that the list does not name is no part of the package.
struct KLX_UpdatePackage {
  QStringList files;
  bool Names(const QString& file) const { return files.contains(file); }
  // A script of the package may run: the list names it (said when not).
  bool Runs(const QString& script) const;
  // The script at `path` is there and may run (said when not).
  bool RunsAt(const QString& path) const;
  // The named files beside the program that match `filter` ("*.qm").
  QStringList Matching(const QString& filter) const;
};

// The check of an application package in `folder` before anything of it
// runs: every file its default list names matches, and the program is among
// them. `package` then holds what the list names (else nothing).
bool KLX_UpdateCheckPackage(KLX_MD5& list, const QString& folder, KLX_UpdatePackage* package);
