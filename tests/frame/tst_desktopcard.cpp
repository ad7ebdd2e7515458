// The desktop's card: its free room is its chosen size less what lies on it,
// each file in whole blocks and each folder a block, exact after every
// write of the program or of a tool it started, and asking for it after the
// first time reads no folder of the card.
#include <QtTest>

#include "platform/desktop/klx_cardcount.h"
#include "platform/klx_commandrunner.h"
#include "platform/klx_storage.h"
#include "vorn_testroot.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include <functional>
#include <vector>

namespace {
constexpr qint64 kCardBytes = qint64(1) << 30;

bool Write(const QString& path, qint64 bytes, QIODevice::OpenMode mode = QIODevice::WriteOnly) {
  QFile f(path);
  return f.open(mode) && f.write(QByteArray(int(bytes), 'x')) == bytes && f.flush();
}

// A rename that replaces what has the new name, as the program's saves do.
bool Move(const QString& from, const QString& to) {
  return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A second name for a file.
bool Link(const QString& file, const QString& name) {
  return ::link(QFile::encodeName(file).constData(), QFile::encodeName(name).constData()) == 0;
}

// When the folder was last read, in ns.
qint64 ReadAt(const QString& folder) {
  struct stat st {};
  if (::stat(QFile::encodeName(folder).constData(), &st) != 0) return -1;
  return qint64(st.st_atim.tv_sec) * 1000000000 + st.st_atim.tv_nsec;
}

// Marks the folder as read long ago (before it last changed): the file
// system notes its next read.
bool MarkUnread(const QString& folder) {
  const timespec times[2] = {{1000, 0}, {0, UTIME_OMIT}};
  return ::utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), times, 0) == 0;
}
}  // namespace

class TestDesktopCard : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_Root.reset(new VornTestRoot);
    m_Card = m_Root->Path() + "/Vorn";
    QVERIFY(QDir().mkpath(m_Card) && QDir().mkpath(m_Root->Path() + "/run"));
    QFile size(m_Root->Path() + "/run/sdcard-size");
    QVERIFY(size.open(QIODevice::WriteOnly) && size.write(QByteArray::number(kCardBytes)) > 0);
  }
  void cleanup() { m_Root.reset(); }

  // A size that is not a positive number is no size: the card is the
  // host's, never of a negative total, and the log says why.
  void aSizeNotPositiveIsTheHosts_data() {
    QTest::addColumn<QByteArray>("size");
    QTest::newRow("negative") << QByteArray("-1073741824");
    QTest::newRow("zero") << QByteArray("0");
  }
  void aSizeNotPositiveIsTheHosts() {
    QFETCH(QByteArray, size);
    QFile file(m_Root->Path() + "/run/sdcard-size");
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(size) == size.size());
    file.close();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Card size \"" + QRegularExpression::escape(size) +
                                                          "\" in .* is not a positive number"));
    const KLX_Platform::VolumeInfo card = KLX_Platform::Volume(m_Card);
    QVERIFY(card.mounted);
    QCOMPARE(card.bytesTotal, QStorageInfo(m_Card).bytesTotal());
    QVERIFY(card.bytesAvailable >= 0 && card.bytesAvailable <= card.bytesTotal);
  }

  // Each step as the program or a tool it starts takes it, and what the
  // card holds after it, in blocks.
  void theRoomFollowsEveryWrite() {
    const KLX_Platform::VolumeInfo empty = KLX_Platform::Volume(m_Card);
    QVERIFY(empty.mounted && empty.blockSize > 0);
    QCOMPARE(empty.bytesTotal, kCardBytes);
    QCOMPARE(empty.bytesAvailable, kCardBytes);
    const qint64 b = empty.blockSize;
    const QString c = m_Card;
    const QString outside = m_Root->Path() + "/outside";
    QVERIFY(QDir().mkpath(outside));
    const auto tool = [](const QString& line) { return KLX_Platform::Run("sh", {"-c", line}, 10000) == 0; };
    struct Step {
      const char* what;
      std::function<bool()> take;
      qint64 blocks;
    };
    const std::vector<Step> steps = {
        {"a folder", [&] { return QDir().mkdir(c + "/a"); }, 1},
        {"a file of a byte", [&] { return Write(c + "/a/one", 1); }, 2},
        {"grown by a block", [&] { return Write(c + "/a/one", b, QIODevice::Append); }, 3},
        {"a folder in it with three blocks", [&] { return QDir().mkdir(c + "/a/b") && Write(c + "/a/b/three", 3 * b); }, 7},
        {"the three cut to nothing", [&] { return QFile::resize(c + "/a/b/three", 0); }, 4},
        {"the folder renamed", [&] { return QDir().rename(c + "/a", c + "/r"); }, 4},
        {"a file in the renamed folder's folder", [&] { return Write(c + "/r/b/two", 2 * b - 1); }, 6},
        {"a file moved out", [&] { return QDir().rename(c + "/r/one", outside + "/one"); }, 4},
        {"a folder moved in with its file",
         [&] { return QDir().mkpath(outside + "/in/deep") && Write(outside + "/in/deep/five", 5 * b) &&
                      QDir().rename(outside + "/in", c + "/in"); },
         11},
        {"a file renamed over another",
         [&] { return Write(c + "/in/new", 1) && Move(c + "/in/new", c + "/in/deep/five"); }, 7},
        {"a link", [&] { return QFile::link(c + "/in", c + "/link"); }, 8},
        {"a tree removed", [&] { return QDir(c + "/r").removeRecursively(); }, 4},
        {"a folder replaced by a file of its name",
         [&] { return QDir(c + "/in").removeRecursively() && Write(c + "/in", 4 * b); }, 5},
        {"a tool's tree, moved in place",
         [&] { return tool("mkdir -p '" + c + "/t.new/u' && head -c " + QString::number(2 * b + 1) + " /dev/zero > '" + c +
                           "/t.new/u/z' && mv '" + c + "/t.new' '" + c + "/t'"); },
         10},
        // A file of two names takes its room once, whichever name it is
        // written through, on the card or outside it.
        {"a second name in another folder", [&] { return QDir().mkdir(c + "/h") && Link(c + "/t/u/z", c + "/h/z"); }, 11},
        {"grown through the second name", [&] { return Write(c + "/h/z", 2 * b, QIODevice::Append); }, 13},
        {"cut through the first name", [&] { return QFile::resize(c + "/t/u/z", b); }, 9},
        {"a file with a second name outside the card, grown through it",
         [&] { return Write(c + "/o", 1) && Link(c + "/o", outside + "/o") && Write(outside + "/o", 3 * b, QIODevice::Append); },
         13},
        {"grown again through the name outside", [&] { return Write(outside + "/o", 2 * b, QIODevice::Append); }, 15},
        {"the card emptied by a tool", [&] { return tool("rm -rf '" + c + "'/* '" + c + "'/.[!.]*"); }, 0},
    };
    for (const Step& step : steps) {
      QVERIFY2(step.take(), step.what);
      const KLX_Platform::VolumeInfo card = KLX_Platform::Volume(m_Card + "/");
      QVERIFY2(card.bytesAvailable == kCardBytes - step.blocks * b,
               qPrintable(QStringLiteral("%1: %2 blocks held, not %3")
                              .arg(step.what)
                              .arg((kCardBytes - card.bytesAvailable) / b)
                              .arg(step.blocks)));
    }
  }

  // A second name made outside the card for a file the count already
  // holds changes only the file's link count; grown through that name, it
  // takes its new size on the card all the same, as a fresh walk counts it,
  // whatever the card's cluster.
  void aNameMadeOutsideForACountedFileIsNoticed_data() {
    QTest::addColumn<qint64>("block");
    QTest::newRow("512 B") << qint64(512);
    QTest::newRow("4 KiB") << qint64(4096);
    QTest::newRow("32 KiB") << qint64(32768);
  }
  void aNameMadeOutsideForACountedFileIsNoticed() {
    QFETCH(qint64, block);
    QFile cluster(m_Root->Path() + "/run/sdcard-block");
    QVERIFY(cluster.open(QIODevice::WriteOnly) && cluster.write(QByteArray::number(block)) > 0);
    cluster.close();
    const QString outside = m_Root->Path() + "/outside";
    QVERIFY(QDir().mkpath(outside));
    const auto held = [&] { return kCardBytes - KLX_Platform::Volume(m_Card).bytesAvailable; };
    const auto blocks = [&](qint64 bytes) { return (bytes + block - 1) / block * block; };
    QCOMPARE(KLX_Platform::Volume(m_Card).blockSize, block);
    QVERIFY(Write(m_Card + "/p", 1000));
    QCOMPARE(held(), blocks(1000));
    QVERIFY(Link(m_Card + "/p", outside + "/p"));
    QCOMPARE(held(), blocks(1000));
    QVERIFY(Write(outside + "/p", 3000000, QIODevice::Append));
    QCOMPARE(held(), blocks(3001000));
    // Another path to the card: counted by a walk of its own.
    QCOMPARE(KLX_Platform::CardBytesHeld(m_Card + "/.", block), blocks(3001000));
    // Its name outside gone again, it is a file of one name, counted as such.
    QVERIFY(QFile::remove(outside + "/p"));
    QCOMPARE(held(), blocks(3001000));
    QVERIFY(Write(m_Card + "/p", 2 * block, QIODevice::Append));
    QCOMPARE(held(), blocks(3001000 + 2 * block));
  }

  // More changes between two looks than the file system keeps notes of,
  // and a card that is taken away and put back: counted afresh, exact.
  void theRoomIsCountedAfreshWhenNotesAreLost() {
    const qint64 b = KLX_Platform::Volume(m_Card).blockSize;
    QFile kept("/proc/sys/fs/inotify/max_queued_events");
    QVERIFY(kept.open(QIODevice::ReadOnly));
    const int notes = kept.readAll().trimmed().toInt();
    QVERIFY(notes > 0);
    // Alternating between two files: no note repeats the one before it.
    const int one = ::open(QFile::encodeName(m_Card + "/one").constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    const int two = ::open(QFile::encodeName(m_Card + "/two").constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    QVERIFY(one >= 0 && two >= 0);
    bool written = true;
    for (int i = 0; i <= notes / 2 + 100; ++i)
      written = written && ::write(one, "x", 1) == 1 && ::write(two, "yy", 2) == 2;
    ::close(one);
    ::close(two);
    QVERIFY(written);
    const qint64 bytes = notes / 2 + 101;
    const qint64 held = (bytes + b - 1) / b * b + (2 * bytes + b - 1) / b * b;
    QCOMPARE(KLX_Platform::Volume(m_Card).bytesAvailable, kCardBytes - held);
    QVERIFY(QDir(m_Card).removeRecursively() && QDir().mkpath(m_Card + "/again"));
    QCOMPARE(KLX_Platform::Volume(m_Card).bytesAvailable, kCardBytes - b);
  }

  // After the first look no folder is read again, whatever is written:
  // a full card would be walked at every look, for each file saved twice.
  // Also once a look could watch no folder (the user's watches ran out):
  // that look walks the card, the next takes up watching again.
  void aLookReadsNoFolderOfTheCard_data() {
    QTest::addColumn<bool>("watchFailed");
    QTest::newRow("watched from the first look") << false;
    QTest::newRow("after a look that could not watch") << true;
  }
  void aLookReadsNoFolderOfTheCard() {
    QFETCH(bool, watchFailed);
    QStringList folders{m_Card};
    for (int n = 0; n < 10; ++n) {
      const QString folder = m_Card + QStringLiteral("/f%1").arg(n);
      QVERIFY(QDir().mkpath(folder + "/deep") && Write(folder + "/deep/file", 100));
      folders << folder << folder + "/deep";
    }
    // Where the file system notes no reads there is nothing to see.
    QVERIFY(MarkUnread(folders.last()));
    const qint64 before = ReadAt(folders.last());
    QDir(folders.last()).entryList();
    if (ReadAt(folders.last()) == before) QSKIP("this file system does not note when a folder is read");
    struct Failing {
      bool before;
      explicit Failing(bool on) : before(KLX_Platform::SetCardWatchesFail(on)) {}
      ~Failing() { KLX_Platform::SetCardWatchesFail(before); }
    };
    qint64 walked = -1;
    if (watchFailed) {
      const Failing failing(true);
      walked = KLX_Platform::Volume(m_Card).bytesAvailable;
    }
    const KLX_Platform::VolumeInfo first = KLX_Platform::Volume(m_Card);
    const qint64 b = first.blockSize;
    QCOMPARE(first.bytesAvailable, kCardBytes - 30 * b);
    if (watchFailed) QCOMPARE(walked, kCardBytes - 30 * b);
    for (const QString& folder : folders) QVERIFY(MarkUnread(folder));
    QVERIFY(Write(m_Card + "/f3/deep/more", 2 * b));
    QVERIFY(QFile::remove(m_Card + "/f5/deep/file"));
    for (int look = 0; look < 3; ++look) QCOMPARE(KLX_Platform::Volume(m_Card).bytesAvailable, kCardBytes - 31 * b);
    for (const QString& folder : folders) QVERIFY2(ReadAt(folder) == 1000000000000LL, qPrintable(folder + " was read"));
  }

 private:
  std::unique_ptr<VornTestRoot> m_Root;
  QString m_Card;
};

QTEST_GUILESS_MAIN(TestDesktopCard)
#include "tst_desktopcard.moc"
