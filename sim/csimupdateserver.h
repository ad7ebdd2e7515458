#pragma once
// What the update server serves, built as files: the folder that the
// server's stand-in (sim/vorn_update_server.py) serves, laid out as the
// program asks the server for it, below "software":
//   KL_Vorn/, KL_Fenk/            the application package of each board, with
//                                 its checksum list with folders and sizes
//                                 ("KLX32MD5fold.txt");
//   KL_Vorn_System/, KL_Fenk_System/  the system update and its list
//                                 ("vornsys", "fenksys", with the versions);
//   Receivers/                    the receiver catalogue "list.txt", its
//                                 pictures, and a folder of firmware files per
//                                 receiver type (listed as HTML by the server).
// Also the same packages as a USB stick carries them, and voice packs.
#include <QByteArray>
#include <QList>
#include <QString>

struct CSimFile {
  QString path;  // relative, "/" between folders
  QByteArray bytes;
  // In an archive: a symbolic link to the path `bytes` holds.
  bool link = false;
};

// An application package: the program, its translations, the scripts run
// before and after the install, "Update.xml" naming the board and the
// version, and the checksum list "KLX32MD5.txt" of them all.
struct CSimAppPackage {
  QString board = QStringLiteral("Vorn");
  int major = 3;
  int minor = 91;
  QByteArray program;
  QList<CSimFile> translations;  // "KLX32_de.qm", ...
  QByteArray prolog;             // "vornupdateprolog.sh"; none when empty
  QByteArray epilog;             // "vornupdateepilog.sh"; none when empty
  QList<CSimFile> extra;         // further files, also in sub-folders

  // As a stick carries it (and as it stands in the update folder).
  QList<CSimFile> Files() const;
  // As the server holds it: the same and the list with folders.
  QList<CSimFile> ServerFiles() const;
};

// A receiver type of the catalogue: its server folder of firmware files
// (empty: none) and its picture.
struct CSimReceiverType {
  QString name;
  QString folder;
  QString picture;
  int id = 0;
  QList<CSimFile> firmware;
};

class CSimUpdateServer {
 public:
  static QByteArray Md5Hex(const QByteArray& bytes);
  // One "<md5> ./<path>" line per file, each followed by its size line
  // ("SZ:<bytes>B;") when asked; `first` (a version line) stands in front.
  static QByteArray ChecksumList(const QList<CSimFile>& files, bool sizes, const QByteArray& first = QByteArray());
  static bool WriteFiles(const QString& folder, const QList<CSimFile>& files);

  // The folder of a board's application package below the served folder.
  static QString ApplicationFolder(const QString& board);
  static bool WriteApplication(const QString& served, const CSimAppPackage& package);
  // The system update: its files and the list with the application and
  // Linux versions it carries.
  static bool WriteSystem(const QString& served, const QString& board, int appMajor, int appMinor, int linuxMajor,
                          int linuxMinor, const QList<CSimFile>& files);
  // The catalogue with `header` as its first line, the pictures and the
  // firmware folders.
  static bool WriteReceivers(const QString& served, const QByteArray& header, const QList<CSimReceiverType>& types);

  // A voice pack "<folder>.zip": the voice's folder with its "voice.conf",
  // a data file "<folder>/data/<folder>.inf" and the checksum list
  // "VOICEDATAMD5.txt"; `damaged` packs a data file that differs from its
  // listed digest.
  static QByteArray VoicePack(const QString& folder, const QString& language, const QString& name,
                              const QString& espeak, bool damaged = false);
  // A zip archive of the files (and links), stored without compression.
  static QByteArray Zip(const QList<CSimFile>& files);

  // The desktop run's server folder "<root>/updateserver": a package one
  // version above the program's for the board (the program a stand-in, the
  // translations those of "<root>/app"), a system update and a receiver
  // catalogue. False when a file cannot be written.
  static bool Prepare(const QString& root, const QString& board);
};
