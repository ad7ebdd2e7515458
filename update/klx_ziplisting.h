#pragma once
// What a zip archive's central directory says about its entries, read
// before anything is unpacked: the outside unpacker would otherwise learn
// on the card that it is full, or ask a terminal for a password.
#include <QString>
#include <QtGlobal>

struct KLX_ZipListing {
  enum Verdict {
    Readable,       // every entry can be unpacked
    Unreadable,     // no zip archive read here: damaged, spanned over disks, a directory that does not add up
    Encrypted,      // an entry or the directory is encrypted
    UnknownMethod,  // an entry is packed in a way the unpacker cannot read
    OtherArchive,   // an archive of another kind, named like a zip archive
  };
  Verdict verdict = Unreadable;
  int method = -1;            // the method refused
  const char* kind = "";      // the other archive's kind ("7z", ...)
  quint64 entries = 0;
  quint64 files = 0;          // the entries that are no folder's own
  // The sizes of the files together, and the largest (what a folder's
  // entry claims counts for nothing: unpacking makes only the folder).
  quint64 unpackedBytes = 0;
  quint64 largestFileBytes = 0;
  // What they take on the card: each file and each folder (named or implied
  // by a path, the top one too) in whole blocks, folders with the records
  // of their entries; and the files alone.
  quint64 cardBytes = 0;
  quint64 fileCardBytes = 0;
};

// Reads the central directory of `archive` (zip64 too); `blockSize` is the
// card's unit of allocation.
KLX_ZipListing KLX_ZipListingRead(const QString& archive, qint64 blockSize);

// The records a FAT folder holds for an entry whose name has `units`
// characters (UTF-16 units): 32 bytes, and 32 more for each 13 of its long
// name. "." and ".." take one each.
constexpr quint64 kZipListingRecordBytes = 32;
quint64 KLX_ZipListingFolderRecords(quint64 units);
