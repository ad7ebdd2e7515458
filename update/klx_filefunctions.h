#pragma once
// File and folder checks, listings kept for paging by index, deletion, whole
// and part-by-part copies with progress, and unpacking of voice packs. One
// object is used by one thread at a time.
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "platform/klx_storage.h"
#include "update/klx_ziplisting.h"

class KLX_XMLSafeFile;

// Copies one file in steps; the destination appears under its name only
// when the copy is complete, every byte of it on the medium.
class KLX_CopyingFile {
 public:
  KLX_CopyingFile();
  ~KLX_CopyingFile();
  // Bytes written by this step; 0 when the files cannot be opened, the copy
  // is complete, the source gives nothing more or the write fails.
  qint64 KLX_CopyingFileCopyByPart(const QString& source, const QString& destination);
  // True once everything is copied and the destination is in place; then
  // the copier is ready for the next file.
  bool KLX_CopyingFileIsFullyCopied(int* percent = nullptr);
  // The last completion could not put the destination in place.
  bool KLX_CopyingFileFailed() const { return m_Failed; }
  // The copy under way, or the last one, failed for want of room on the
  // destination's medium.
  bool KLX_CopyingFileNoRoom() const { return m_NoRoom; }
  // Drops a copy that will not be finished; its destination is not created.
  void KLX_CopyingFileCancel();

 private:
  std::unique_ptr<KLX_XMLSafeFile> m_Destination;
  QFile m_Source;
  qint64 m_Copied = 0;
  qint64 m_SourceSize = 0;
  bool m_Open = false;
  bool m_Failed = false;
  bool m_NoRoom = false;
};

class KLX_FileFunctions : public QObject {
 public:
  KLX_FileFunctions() = default;
  ~KLX_FileFunctions() override;

  // The size of the smallest card the program works with.
  static constexpr qint64 kMinCardBytes = 256LL * 1024 * 1024;
  // The room a save of the current model asks for on the card; whatever
  // else the program puts on the card leaves it free, so that the model
  // can still be saved.
  static constexpr long kModelSaveKiB = 500;
  // The checksum list in a voice pack's folder.
  static constexpr const char* kVoiceListName = "VOICEDATAMD5.txt";

  // True when the board's SD-card device exists; with full set the medium
  // at "/Vorn" must also hold at least 256 MiB and be formatted vfat.
  bool KLX_FileFunctionsCheckForSDCard(bool full) const;
  // What the card at "/Vorn" is to the program: usable; missing (no device,
  // nothing mounted, or not vfat); or there and mounted, but smaller than
  // 256 MiB, which the pilot is told in those words.
  enum SDCard { SDCardReady, SDCardMissing, SDCardTooSmall };
  SDCard KLX_FileFunctionsSDCard() const;
  // The log's words for a card that is not usable.
  static QString KLX_FileFunctionsSDCardText(SDCard card);
  bool KLX_FileFileFunctionsCheckFolder(QString folder, bool create) const;
  bool KLX_FileFileFunctionsCheckFile(QString file, QString folder, bool create) const;
  bool KLX_FileFunctionsGetAvailSpaceOnFolder(QString path, long minimumKiB) const;

  void KLX_FileFunctionsGetFolderContentFiles(QString folder, QString filter);
  void KLX_FileFunctionsGetFolderContentFiles(QString folder);
  void KLX_FileFunctionsGetFolderContentDirs(QString folder);
  int KLX_FileFunctionsGetEntryCountFiles() const;
  int KLX_FileFunctionsGetEntryCountFolders() const;
  // Empty for an index outside the listing.
  QString KLX_FileFunctionsGetFileEntrybyIndex(int index) const;
  QString KLX_FileFunctionsGetFolderEntrybyIndex(int index) const;

  bool KLX_FileFunctionsDeleteFileInFolder(QString name, QString folder) const;
  bool KLX_FileFunctionsDeleteFolder(const QString& path, bool onlyIfEmpty) const;
  bool KLX_FileFunctionsClearFolder(QString folder, bool removeFolder, QString filter) const;

  // A copy that `stopped` answers true for between two pieces ends there,
  // failed, the destination as it was.
  bool KLX_FileFunctionsCopyFileToFolder(QString sourceName, QString sourceFolder, QString destinationName,
                                         QString destinationFolder,
                                         const std::function<bool()>& stopped = {}) const;
  // True only when every file was copied; links, folders and devices are
  // no files to copy. A file of the same name in the destination is kept
  // (and the source's not copied), or with `replace` replaced whole. Each
  // file is judged on its own: one that is too large or has no room on the
  // destination is left out, and the others are copied.
  bool KLX_FileFunctionsCopyFolderContent(QString sourceFolder, QString destinationFolder, QString filter,
                                          bool replace = false);
  // The last KLX_FileFunctionsCopyFileToFolder or
  // KLX_FileFunctionsCopyFolderContent of this object failed (a file of it
  // left out) for want of room on the destination, which the pilot is told
  // as a full card or medium.
  bool KLX_FileFunctionsLastCopyNoRoom() const { return m_LastCopyNoRoom; }
  // What a step of a part-by-part copy gives besides its progress.
  static constexpr int kPartCopyFailed = -1;
  // Not enough space: before the copy, or the medium filled during it.
  static constexpr int kPartCopyNoSpace = -2;
  static constexpr int kPartCopyTooLarge = -3;
  // One step of a copy: 0 to 100 progress, or one of the three above; a
  // failed copy leaves no part of its file.
  int KLX_FileFunctionsCopyFileToFolderByParts(QString sourceName, QString sourceFolder,
                                               QString destinationName, QString destinationFolder);
  int KLX_FileFunctionsCopyFolderContentByParts(QString sourceFolder, QString destinationFolder,
                                                QString filter);
  // Drops a part-by-part copy that will not be finished (its destination is
  // not created), so that the next copy starts with its own files.
  void KLX_FileFunctionsCancelPartCopy() { ResetPartCopy(); }

  // Why an archive of the last unpack was left out.
  enum UnzipRefusal {
    UnzipUnpacked,       // it was not
    UnzipNoRoom,         // what it unpacks to does not fit on the card
    UnzipEncrypted,
    UnzipUnknownMethod,  // packed in a way unzip cannot read
    UnzipUnreadable,     // no zip archive that could be read
    UnzipFailed,         // unzip failed or ran out of time
    UnzipHoldsLink,      // it unpacked something else than files and folders
    UnzipTooManyFiles,   // more files than its checksum list may name
    UnzipOtherArchive,   // an archive of another kind (7z, tar, ...) named like a zip archive
    UnzipUncleared,      // the folder it is unpacked into could not be emptied first
  };

  // Voice packs one at a time, so that each pack that fits on the card
  // alone is installed whatever stands before it: BeginPacks once, then for
  // each pack CopyPack, UnzipPack unless it is refused already, its check
  // and install, and ReleasePack; DropUnzipped at the end. False (and
  // nothing can be unpacked) when what an earlier unpack left cannot be
  // removed: the log names what stays.
  bool KLX_FileFunctionsBeginPacks(const QString& destinationFolder);
  // Judges the pack `name` of `sourceFolder` whole before anything of it
  // is written: its archive, what its directory says it unpacks to in the
  // card's blocks (the folder it is unpacked into too), the unpack folder
  // while there is none, its marker file and the room a model save asks
  // for, against the card's free room now; copies it into `archiveFolder` when
  // it fits (replacing one of its name there). Returns its index, listed
  // refused or copied; -1 for one not named like a voice (left out). A pack
  // that does not fit, is encrypted, is packed in a way unzip cannot read,
  // holds more files than its checksum list may name, is no zip archive or
  // one of another kind is refused here, before anything is copied or
  // unpacked.
  int KLX_FileFunctionsCopyPack(const QString& sourceFolder, const QString& name, const QString& archiveFolder);
  // Unpacks the pack copied at `index` into a fresh folder beside the
  // destination; nothing reaches the destination before
  // KLX_FileFunctionsInstallUnzipped. Its directory is read again from the
  // card's copy and judged as before its copy; one that unzip fails on, or
  // that unpacks anything but files and folders (a link), is refused after,
  // what it unpacked and its archive's copy removed.
  void KLX_FileFunctionsUnzipPack(int index);
  // Gives the room of the pack at `index` to the next: what it unpacked,
  // the old version its install replaced and, unless it was installed, its
  // archive's copy.
  void KLX_FileFunctionsReleasePack(int index);
  QString KLX_FileFunctionGetUnzippedName(int index) const;
  UnzipRefusal KLX_FileFunctionGetUnzipRefusal(int index) const;
  // The unpacked archive's own top folder (named like the archive), where
  // it waits to be checked; empty for an index not below the count.
  QString KLX_FileFunctionGetUnzippedFolder(int index) const;
  // Installs exactly `files` (paths inside that folder) as the destination
  // folder of the archive's name, which replaces the one there, and writes
  // the marker of the archive's path into it; false leaves the one there.
  // What the pack holds besides is removed first: the install makes no
  // folder beyond those its judgement counted.
  // Every file and folder of the new one is on the card before it takes
  // the old one's place, and a power cut leaves the old one or the new one
  // (one set aside is put back by KLX_FileFunctionsRecoverVoices).
  bool KLX_FileFunctionsInstallUnzipped(int index, const QStringList& files);
  // Puts back into `destinationFolder` each voice that an install cut short
  // left aside without its new version in its place (a folder with the
  // marker the install writes into it last); at the start, and
  // before an unpack clears what the last one left. A folder that stands in
  // its place without them (empty, or a part of a voice) is removed, and the
  // log says so. One that cannot be put back (a rename fails, a file stands
  // in its place) stays aside, and the log says so.
  static void KLX_FileFunctionsRecoverVoices(const QString& destinationFolder);
  // Removes what the last unpack left (and what was replaced), and the
  // copy of each of its archives that was not installed: nothing of a pack
  // left out stays on the card. An installed one's archive stays, to go
  // with its voice, and so does a voice set aside while no whole voice of
  // its name stands in its place.
  void KLX_FileFunctionsDropUnzipped();
  // Where voice packs are unpacked for `destinationFolder`: beside it, on
  // its file system.
  static QString KLX_FileFunctionsUnpackFolder(const QString& destinationFolder);
  // Says in the log of each entry of `folder` (matching `filter`, a
  // pattern like a listing's, when given) whose name's bytes are no UTF-8
  // that it is left out: no text names it, and a listing passes over it
  // without a word. Returns how many there are.
  static int KLX_FileFunctionsTellUnnamed(const QString& folder, const QString& filter = QString());
  // A path placed under the desktop root in the board's own form ("/Vorn/..."):
  // what a USB stick holds and what fits a request's text field.
  static QString KLX_FileFunctionsBoardPath(const QString& path);
  // "_hhmmss_DDMMYY" of the current local time.
  QString KLX_FileFileFunctionsGetTimeSuffix() const;

 private:
  void ResetPartCopy();
  // Ends a part-by-part copy whose step failed: kNoSpace when the medium
  // had no room for it, else kStepFailed.
  int PartCopyFailed();
  int ProgressOf(qint64 copied, qint64 total) const;
  // Where the archive at `index` of the last unpack is unpacked.
  QString UnzipFolder(int index) const;
  // Unpacks one archive into `into` unless it is refused.
  UnzipRefusal Unpack(const QString& archive, const QString& into) const;
  // Whether the pack `archive` of `listing` can be unpacked into `into` on
  // `card` with `more` bytes taken besides (its archive's copy still to
  // come, when not 0); a refusal is logged with its reason.
  UnzipRefusal Judge(const QString& archive, const QString& into, const KLX_ZipListing& listing, quint64 more,
                     const KLX_Platform::VolumeInfo& card) const;
  // What the pack `archive` of `listing` takes on `card` unpacked into
  // `into`, with `more` bytes besides: the folders its install adds
  // entries to counted as full, and the room a model save asks for.
  quint64 Needed(const KLX_ZipListing& listing, const QString& archive, const QString& into, quint64 more,
                 const KLX_Platform::VolumeInfo& card) const;
  // The last unpack's packs forgotten, their unpack folder set up anew;
  // false when it cannot be cleared.
  bool StartUnpack(const QString& destinationFolder);
  void AddPack(const QString& name, const QString& archive, UnzipRefusal refusal);
  // Where an installed voice waits while its new version moves in.
  static QString AsideFolder(const QString& unpacking, const QString& voice);
  // Removes the card's copy of an archive that brings no voice.
  void RemoveArchiveCopy(const QString& archive) const;

  qint8 m_Progress = 0;
  qint32 m_EntryIndex = 0;
  qint64 m_TotalBytes = 0;
  qint64 m_CopiedBytes = 0;
  // A part-by-part copy is under way (an empty file has no bytes to count).
  bool m_Copying = false;
  mutable bool m_LastCopyNoRoom = false;
  QStringList m_UnzippedNames;
  QStringList m_UnzippedArchives;
  QList<UnzipRefusal> m_UnzipRefusals;
  QList<bool> m_UnzipInstalled;
  // Where the last unpack put the archives and where they go.
  QString m_Unpacking;
  QString m_UnzipDestination;
  QList<QFileInfo> m_EntryInfos;
  QStringList m_FolderListing;
  QStringList m_FileListing;
  QString m_ListedFolder;
  KLX_CopyingFile m_PartCopier;
};
