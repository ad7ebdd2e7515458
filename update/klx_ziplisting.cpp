#include "update/klx_ziplisting.h"

#include <QByteArray>
#include <QFile>
#include <QVector>

#include <algorithm>
#include <cstring>
#include <exception>
#include <limits>
#include <vector>

namespace {
constexpr quint32 kEndSignature = 0x06054b50u;
constexpr quint32 kLocatorSignature = 0x07064b50u;
constexpr quint32 kEnd64Signature = 0x06064b50u;
constexpr quint32 kEntrySignature = 0x02014b50u;
constexpr qint64 kEndSize = 22;
constexpr qint64 kLocatorSize = 20;
constexpr qint64 kEnd64Size = 56;
constexpr qint64 kEntrySize = 46;
constexpr qint64 kLocalHeaderSize = 30;
constexpr qint64 kLongestComment = 0xFFFF;
// A voice pack's directory is far smaller; a larger one is not read.
constexpr qint64 kLongestDirectory = 16 * 1024 * 1024;
constexpr quint16 kZip64Extra = 0x0001;
constexpr quint16 kFlagEncrypted = 1u << 0;
constexpr quint16 kFlagStrongEncryption = 1u << 6;
constexpr quint16 kFlagDirectoryEncrypted = 1u << 13;
constexpr int kMethodAes = 99;
// What Debian's unzip 6.0 unpacks: stored, shrunk, imploded, deflated,
// deflate64 and bzip2 (not reduced, LZMA, zstd, xz, PPMd and the rest).
constexpr int kReadableMethods[] = {0, 1, 6, 8, 9, 12};
constexpr quint64 kOwnRecords = 2 * kZipListingRecordBytes;  // "." and ".."
constexpr quint32 kMax32 = 0xFFFFFFFFu;
constexpr quint16 kMax16 = 0xFFFFu;

// Little-endian numbers at checked places of a block of bytes.
class Bytes {
 public:
  explicit Bytes(const QByteArray& bytes) : m_Bytes(bytes) {}
  bool Has(qint64 at, qint64 size) const { return at >= 0 && size >= 0 && at <= m_Bytes.size() - size; }
  quint64 Number(qint64 at, int size) const {
    quint64 value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | quint8(m_Bytes[int(at + i)]);
    return value;
  }
  quint16 U16(qint64 at) const { return quint16(Number(at, 2)); }
  quint32 U32(qint64 at) const { return quint32(Number(at, 4)); }
  quint64 U64(qint64 at) const { return Number(at, 8); }
  const char* Data() const { return m_Bytes.constData(); }

 private:
  const QByteArray& m_Bytes;
};

QByteArray ReadAt(QFile* file, qint64 at, qint64 size) {
  if (at < 0 || size < 0 || at > file->size() - size || !file->seek(at)) return QByteArray();
  const QByteArray bytes = file->read(size);
  return bytes.size() == size ? bytes : QByteArray();
}

quint64 Add(quint64 a, quint64 b) { return a > std::numeric_limits<quint64>::max() - b ? std::numeric_limits<quint64>::max() : a + b; }

quint64 WholeBlocks(quint64 bytes, quint64 block) {
  const quint64 blocks = bytes / block + (bytes % block ? 1 : 0);
  return blocks > std::numeric_limits<quint64>::max() / block ? std::numeric_limits<quint64>::max() : blocks * block;
}

// Where the directory lies and how many entries it holds.
struct Directory {
  quint64 entries = 0;
  quint64 size = 0;
  quint64 offset = 0;
  qint64 end = 0;  // where the records behind the directory begin
};

// From the end record, or the zip64 one it leads to; false when they do
// not describe one directory on one disk in front of them.
bool FindDirectory(QFile* file, Directory* directory) {
  const qint64 size = file->size();
  const qint64 tailSize = std::min(size, kEndSize + kLongestComment);
  const QByteArray tailBytes = ReadAt(file, size - tailSize, tailSize);
  if (tailBytes.isEmpty()) return false;
  const Bytes tail(tailBytes);
  qint64 at = tailSize - kEndSize;
  // The last end record whose comment ends within the file.
  for (; at >= 0; --at)
    if (tail.U32(at) == kEndSignature && at + kEndSize + tail.U16(at + 20) <= tailSize) break;
  if (at < 0) return false;
  const qint64 endAt = size - tailSize + at;
  quint64 disk = tail.U16(at + 4), directoryDisk = tail.U16(at + 6);
  quint64 diskEntries = tail.U16(at + 8);
  directory->entries = tail.U16(at + 10);
  directory->size = tail.U32(at + 12);
  directory->offset = tail.U32(at + 16);
  directory->end = endAt;

  const QByteArray locatorBytes = ReadAt(file, endAt - kLocatorSize, kLocatorSize);
  const Bytes locator(locatorBytes);
  if (!locatorBytes.isEmpty() && locator.U32(0) == kLocatorSignature) {
    const quint64 end64 = locator.U64(8);
    if (endAt < kLocatorSize + kEnd64Size || locator.U32(4) != 0 || locator.U32(16) != 1 ||
        end64 > quint64(endAt - kLocatorSize - kEnd64Size))
      return false;
    const QByteArray recordBytes = ReadAt(file, qint64(end64), kEnd64Size);
    const Bytes record(recordBytes);
    if (recordBytes.isEmpty() || record.U32(0) != kEnd64Signature) return false;
    disk = record.U32(16);
    directoryDisk = record.U32(20);
    diskEntries = record.U64(24);
    directory->entries = record.U64(32);
    directory->size = record.U64(40);
    directory->offset = record.U64(48);
    directory->end = qint64(end64);
  } else if (directory->entries == kMax16 || directory->size == kMax32 || directory->offset == kMax32) {
    // Marked for zip64 without its records.
    return false;
  }
  return disk == 0 && directoryDisk == 0 && diskEntries == directory->entries &&
         directory->size <= quint64(kLongestDirectory) && directory->offset <= quint64(directory->end) &&
         directory->size <= quint64(directory->end) - directory->offset;
}

// The sizes and the offset an entry's zip64 field holds for the ones marked
// as too large for 32 bits; false when it lacks one.
bool ReadZip64(const Bytes& extra, qint64 at, qint64 size, quint64* unpacked, quint64* packed, quint64* offset,
               quint32* disk) {
  for (qint64 field = at; field < at + size;) {
    if (!extra.Has(field, 4) || field + 4 + extra.U16(field + 2) > at + size) return false;
    const quint16 id = extra.U16(field);
    const qint64 length = extra.U16(field + 2);
    qint64 value = field + 4;
    const qint64 end = value + length;
    if (id == kZip64Extra) {
      for (quint64* wide : {unpacked, packed, offset}) {
        if (*wide != kMax32) continue;
        if (value + 8 > end) return false;
        *wide = extra.U64(value);
        value += 8;
      }
      if (*disk == kMax16) {
        if (value + 4 > end) return false;
        *disk = extra.U32(value);
      }
      return true;
    }
    field = end;
  }
  return *unpacked != kMax32 && *packed != kMax32 && *offset != kMax32 && *disk != kMax16;
}

bool IsFolder(const char* name, qint64 length) { return length > 0 && name[length - 1] == '/'; }

// An entry as the card sees it: where its name stands in the directory,
// and what it unpacks to.
struct Entry {
  qint64 name;
  qint64 nameLength;
  quint64 unpacked;
};

// What the entries take on the card. Their names are walked in byte order,
// where the names inside one folder follow each other: a folder is new
// exactly when the name before does not lie in it, and it is complete once
// a name outside it comes. Memory stays with the count of entries and the
// depth of one name, time with the bytes of the names (and the sort), so
// that names of thousands of levels cost no more than their bytes.
quint64 CardBytes(const Bytes& names, QVector<Entry>* entries, quint64 block) {
  const auto nameOf = [&names](const Entry& e) { return names.Data() + e.name; };
  std::sort(entries->begin(), entries->end(), [&](const Entry& a, const Entry& b) {
    const int common = std::memcmp(nameOf(a), nameOf(b), size_t(std::min(a.nameLength, b.nameLength)));
    return common != 0 ? common < 0 : a.nameLength < b.nameLength;
  });
  const auto record = [](qint64 nameLength) { return KLX_ZipListingFolderRecords(quint64(nameLength)); };
  // The folders the current name lies in: where each one's path ends in
  // the name (after its "/"; 0 for the top one) and the bytes of its records.
  struct Open {
    qint64 end;
    quint64 records;
  };
  std::vector<Open> open{{0, kOwnRecords}};
  quint64 card = 0;
  const char* previous = nullptr;
  qint64 previousLength = 0;
  for (const Entry& entry : qAsConst(*entries)) {
    const char* name = nameOf(entry);
    qint64 common = 0;
    const qint64 most = std::min(previousLength, entry.nameLength);
    while (common < most && name[common] == previous[common]) ++common;
    // The folders of the name before that this one does not lie in are complete.
    while (open.size() > 1 && open.back().end > common) {
      card = Add(card, WholeBlocks(open.back().records, block));
      open.pop_back();
    }
    // Each further folder of the path has its record in the one above it.
    qint64 part = open.back().end;
    for (qint64 at = part; at < entry.nameLength; ++at) {
      if (name[at] != '/') continue;
      open.back().records = Add(open.back().records, record(at - part));
      open.push_back({at + 1, kOwnRecords});
      part = at + 1;
    }
    // A file; a folder's own entry counts as its folder alone.
    if (!IsFolder(name, entry.nameLength)) {
      open.back().records = Add(open.back().records, record(entry.nameLength - part));
      card = Add(card, WholeBlocks(entry.unpacked, block));
    }
    previous = name;
    previousLength = entry.nameLength;
  }
  for (const Open& folder : open) card = Add(card, WholeBlocks(folder.records, block));
  return card;
}

// Archives of other kinds that a pack's maker may have named ".zip", by the
// bytes they begin with: the pilot is told to pack it again, not that it
// is damaged.
struct OtherKind {
  const char* kind;
  const char* magic;
  int size;
};
constexpr OtherKind kOtherKinds[] = {{"7z", "7z\xBC\xAF\x27\x1C", 6}, {"RAR", "Rar!\x1A\x07", 6},
                                     {"xz", "\xFD" "7zXZ", 5},            {"zstd", "\x28\xB5\x2F\xFD", 4},
                                     {"gzip", "\x1F\x8B", 2},            {"bzip2", "BZh", 3}};

// A tar archive begins with a header block of 512 bytes: GNU, ustar and pax
// ones say "ustar" at byte 257, and every one (old GNU and v7 too) holds the
// sum of its header's bytes, the sum's own 8 taken as spaces, in octal at
// byte 148.
constexpr int kTarBlock = 512;
constexpr int kTarMagicAt = 257;
constexpr int kTarSumAt = 148;
constexpr int kTarSumSize = 8;

bool IsTarHeader(const QByteArray& head) {
  if (head.size() < kTarBlock || head.at(0) == '\0') return false;
  if (head.mid(kTarMagicAt, 5) == "ustar") return true;
  // The sum: octal digits, maybe led by spaces, ended by a NUL or a space.
  quint32 written = 0;
  int digits = 0;
  int at = kTarSumAt;
  while (at < kTarSumAt + kTarSumSize && head.at(at) == ' ') ++at;
  for (; at < kTarSumAt + kTarSumSize && head.at(at) >= '0' && head.at(at) <= '7'; ++at, ++digits)
    written = written * 8 + quint32(head.at(at) - '0');
  if (digits == 0 || (at < kTarSumAt + kTarSumSize && head.at(at) != '\0' && head.at(at) != ' ')) return false;
  // Some old archivers summed the bytes as signed.
  quint32 unsignedSum = 0;
  qint32 signedSum = 0;
  for (int i = 0; i < kTarBlock; ++i) {
    const bool inSum = i >= kTarSumAt && i < kTarSumAt + kTarSumSize;
    unsignedSum += inSum ? quint32(' ') : quint32(quint8(head.at(i)));
    signedSum += inSum ? qint32(' ') : qint32(qint8(head.at(i)));
  }
  return written == unsignedSum || qint32(written) == signedSum;
}

const char* OtherKindOf(QFile* file) {
  if (!file->seek(0)) return nullptr;
  const QByteArray head = file->read(kTarBlock);
  for (const OtherKind& other : kOtherKinds)
    if (head.startsWith(QByteArray::fromRawData(other.magic, other.size))) return other.kind;
  return IsTarHeader(head) ? "tar" : nullptr;
}

KLX_ZipListing Read(const QString& archive, qint64 blockSize) {
  KLX_ZipListing listing;
  const quint64 block = quint64(std::max<qint64>(blockSize, 1));
  QFile file(archive);
  Directory directory;
  if (!file.open(QIODevice::ReadOnly)) return listing;
  if (!FindDirectory(&file, &directory)) {
    if (const char* kind = OtherKindOf(&file)) {
      listing.verdict = KLX_ZipListing::OtherArchive;
      listing.kind = kind;
    }
    return listing;
  }
  const QByteArray directoryBytes = ReadAt(&file, qint64(directory.offset), qint64(directory.size));
  if (directoryBytes.size() != qint64(directory.size)) return listing;
  const Bytes entries(directoryBytes);

  // Each entry is at least its fixed part: more than fit cannot be there.
  if (directory.entries > directory.size / kEntrySize) return listing;
  QVector<Entry> named;
  named.reserve(int(directory.entries));
  qint64 at = 0;
  for (quint64 n = 0; n < directory.entries; ++n) {
    if (!entries.Has(at, kEntrySize) || entries.U32(at) != kEntrySignature) return listing;
    const quint16 flags = entries.U16(at + 8);
    const int method = entries.U16(at + 10);
    quint64 packed = entries.U32(at + 20);
    quint64 unpacked = entries.U32(at + 24);
    const qint64 nameLength = entries.U16(at + 28);
    const qint64 extraLength = entries.U16(at + 30);
    const qint64 commentLength = entries.U16(at + 32);
    quint32 disk = entries.U16(at + 34);
    quint64 offset = entries.U32(at + 42);
    const qint64 name = at + kEntrySize;
    if (!entries.Has(name, nameLength + extraLength + commentLength)) return listing;
    if (!ReadZip64(entries, name + nameLength, extraLength, &unpacked, &packed, &offset, &disk) || disk != 0 ||
        offset > directory.offset || directory.offset - offset < quint64(kLocalHeaderSize) ||
        packed > directory.offset - offset)
      return listing;
    if ((flags & (kFlagEncrypted | kFlagStrongEncryption | kFlagDirectoryEncrypted)) || method == kMethodAes) {
      listing.verdict = KLX_ZipListing::Encrypted;
      return listing;
    }
    if (std::find(std::begin(kReadableMethods), std::end(kReadableMethods), method) == std::end(kReadableMethods)) {
      listing.verdict = KLX_ZipListing::UnknownMethod;
      listing.method = method;
      return listing;
    }
    // A folder's entry makes a folder whatever size it claims: only files
    // count for what is written.
    if (!IsFolder(entries.Data() + name, nameLength)) {
      ++listing.files;
      listing.unpackedBytes = Add(listing.unpackedBytes, unpacked);
      listing.largestFileBytes = std::max(listing.largestFileBytes, unpacked);
      listing.fileCardBytes = Add(listing.fileCardBytes, WholeBlocks(unpacked, block));
    }
    named.append({name, nameLength, unpacked});
    at = name + nameLength + extraLength + commentLength;
  }
  // The entries fill the directory exactly.
  if (quint64(at) != directory.size) return listing;
  listing.cardBytes = CardBytes(entries, &named, block);
  listing.verdict = KLX_ZipListing::Readable;
  listing.entries = directory.entries;
  return listing;
}
}  // namespace

quint64 KLX_ZipListingFolderRecords(quint64 units) {
  constexpr quint64 kLongNamePart = 13;
  return kZipListingRecordBytes * (1 + (units + kLongNamePart - 1) / kLongNamePart);
}

KLX_ZipListing KLX_ZipListingRead(const QString& archive, qint64 blockSize) {
  // Whatever the archive holds, the caller gets a verdict: an archive too
  // large for the memory there is is one that cannot be read here.
  try {
    return Read(archive, blockSize);
  } catch (const std::exception& e) {
    qWarning("%s cannot be read: %s", qUtf8Printable(archive), e.what());
    return KLX_ZipListing();
  }
}
