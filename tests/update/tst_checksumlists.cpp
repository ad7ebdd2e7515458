// Checksum lists as the package update and the download tasks read them:
// odd lines (sizes, versions, lines before any file, CR LF, md5sum's two
// blanks), the table's limit, and the package check against files changed
// by one byte, missing, unreadable or outside the list's folder.
#include <QtTest>

#include "checksum_lists.h"
#include "frame/klx_filenamehandler.h"
#include "update/cfilelist.h"
#include "update/klx_md5.h"
#include "vorn_fixture.h"

namespace {
const QByteArray kDigestA = "0cc175b9c0f1b6a831c399e269772661";  // md5("a")

// What a walk of a list gives: "path:size" per entry.
QStringList Walk(CFileList& list) {
  QStringList out;
  for (CFileListItem* e = list.First(); e; e = list.Next()) out << QStringLiteral("%1:%2").arg(e->path).arg(e->size);
  return out;
}

// Records the lines the list did not know.
class RecordingList : public CFileList {
 public:
  QList<QByteArray> unknown;
  bool stopAtFirst = false;
  bool unknownLineFound(const QByteArray& line, CFileListItem*) override {
    unknown << line;
    return !stopAtFirst;
  }
};

}  // namespace

class ChecksumListsTest : public QObject {
  Q_OBJECT
  QTemporaryDir m_Dir;

  QString List(const QByteArray& text) {
    const QString path = m_Dir.path() + "/list.txt";
    return WriteFile(path, text) ? path : QString();
  }

 private slots:
  void packageListLines_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("entries");  // "digest name"
    QTest::newRow("md5sum's two blanks, CR LF")
        << QByteArray(kDigestA + "  ./a.txt\r\n" + kDigestA + " ./sub/b c.bin\r\n")
        << QStringList{kDigestA + " a.txt", kDigestA + " sub/b c.bin"};
    QTest::newRow("empty lines, a bare name, a line starting with a blank")
        << QByteArray("\n" + kDigestA + " a.txt\n \n ./x\n" + kDigestA + " ./y\n\n")
        << QStringList{kDigestA + " y"};
    QTest::newRow("size and version lines are not files")
        << QByteArray("AV:1.2;LV:3.4;\n" + kDigestA + " ./y\nSZ:1B;\n") << QStringList{kDigestA + " y"};
    QTest::newRow("UTF-8 name, upper-case digest kept as written, no last line end")
        << QByteArray("0CC175B9C0F1B6A831C399E269772661 ./M\xc3\xb6we.txt")
        << QStringList{"0CC175B9C0F1B6A831C399E269772661 M\u00f6we.txt"};
  }
  void packageListLines() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, entries);
    KLX_MD5 md5;
    QVERIFY(md5.KLX_MD5ReadFile(List(text)));
    QStringList read;
    for (int i = 0; i < md5.KLX_MD5GetCount(); ++i)
      read << md5.KLX_MD5GetCheckSum(i) + " " + md5.KLX_MD5GetFileName(i);
    QCOMPARE(read, entries);
    QCOMPARE(md5.KLX_MD5GetFileName(md5.KLX_MD5GetCount()), QString());
    QCOMPARE(md5.KLX_MD5GetFileName(-1), QString());
  }

  // The table holds 100 entries; a longer list is refused whole, never cut.
  void packageListLimit() {
    QByteArray text;
    for (int i = 0; i < 100; ++i) text += kDigestA + " ./f" + QByteArray::number(i) + "\n";
    KLX_MD5 md5;
    QVERIFY(md5.KLX_MD5ReadFile(List(text)));
    QCOMPARE(md5.KLX_MD5GetCount(), 100);
    QCOMPARE(md5.KLX_MD5GetFileName(99), QString("f99"));
    QVERIFY(!md5.KLX_MD5ReadFile(List(text + kDigestA + " ./f100\n")));
    QCOMPARE(md5.KLX_MD5GetCount(), 0);
    QVERIFY(!md5.KLX_MD5ReadFile(m_Dir.path() + "/missing.txt"));
  }

  void packageCheck_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("onlyFile");
    QTest::addColumn<bool>("passes");
    QTest::newRow("every file as listed") << "" << "" << true;
    QTest::newRow("one byte changed") << "change" << "" << false;
    QTest::newRow("one byte appended") << "append" << "" << false;
    QTest::newRow("a file missing") << "remove" << "" << false;
    QTest::newRow("a file that opens but cannot be read") << "unreadable" << "" << false;
    QTest::newRow("a listed name leaving the folder") << "escape" << "" << false;
    QTest::newRow("an upper-case digest") << "uppercase" << "" << false;
    QTest::newRow("only a good file, another one changed") << "change" << "app.bin" << true;
    QTest::newRow("only the changed file") << "change" << "sub/voice.dat" << false;
    QTest::newRow("only a file the list does not name") << "" << "other.bin" << false;
    QTest::newRow("a list naming only itself") << "self" << "" << false;
  }
  void packageCheck() {
    QFETCH(QString, damage);
    QFETCH(QString, onlyFile);
    QFETCH(bool, passes);
    VornTestRoot root;
    const QString folder = root.Path() + "/Vorn/Update/Pkgs/voice";
    ChecksumListSpec spec;
    spec.files = {{"app.bin", QByteArray(3000, 'x')}, {"sub/voice.dat", "voice"}};
    QVERIFY(WriteChecksumPackage(folder, "VOICEDATAMD5.txt", spec));
    const QString list = folder + "/VOICEDATAMD5.txt";
    QByteArray text = ChecksumListText(spec);
    if (damage == "change") QVERIFY(WriteFile(folder + "/sub/voice.dat", "voicf"));
    if (damage == "append") QVERIFY(WriteFile(folder + "/sub/voice.dat", "voice\n"));
    if (damage == "remove") QVERIFY(QFile::remove(folder + "/sub/voice.dat"));
    if (damage == "unreadable") {
      // Opens, and every read fails.
      QVERIFY(QFile::remove(folder + "/sub/voice.dat"));
      QVERIFY(QFile::link("/proc/self/mem", folder + "/sub/voice.dat"));
    }
    if (damage == "escape") {
      QVERIFY(WriteFile(root.Path() + "/Vorn/Update/Pkgs/outside.txt", "a"));
      text += kDigestA + "  ./../outside.txt\n";
    }
    if (damage == "uppercase") text.replace(Md5Hex("voice"), Md5Hex("voice").toUpper());
    if (damage == "self") text = kDigestA + "  ./VOICEDATAMD5.txt\n";
    QVERIFY(WriteFile(list, text));
    KLX_MD5 md5;
    QCOMPARE(KLX_UpdateCheckMD5Sum(md5, false, 0, "/Vorn/Update/Pkgs/voice", "VOICEDATAMD5.txt", onlyFile), passes);
  }

  // Without a list name: the chosen stick's or the card's update folder and
  // "KLX32MD5.txt"; a given folder may be written as the board names it.
  void packageCheckFolders() {
    VornTestRoot root;
    ChecksumListSpec spec;
    spec.files = {{"KLX32LinuxApp", "program"}};
    QVERIFY(WriteChecksumPackage(root.Path() + "/media/usb2", "KLX32MD5.txt", spec));
    QVERIFY(WriteChecksumPackage(root.Path() + "/media/usb1", "KLX32MD5.txt", spec));
    // Stick 2 plugged; stick 1's mount point only holds the files.
    QVERIFY(WriteFile(root.Path() + "/run/mounts", "/media/usb2\n"));
    KLX_MD5 md5;
    QVERIFY(KLX_UpdateCheckMD5Sum(md5, true, 2, "", "", ""));
    QVERIFY(!KLX_UpdateCheckMD5Sum(md5, true, 1, "", "", ""));
    QVERIFY(!KLX_UpdateCheckMD5Sum(md5, true, 0x80, "", "", ""));
    QVERIFY(!KLX_UpdateCheckMD5Sum(md5, false, 0, "", "", ""));
    QVERIFY(WriteChecksumPackage(root.Path() + "/Vorn/Update", "KLX32MD5.txt", spec));
    QVERIFY(KLX_UpdateCheckMD5Sum(md5, false, 0, "", "", ""));
    QVERIFY(KLX_UpdateCheckMD5Sum(md5, false, 0, "/Vorn/Update", "KLX32MD5.txt", "KLX32LinuxApp"));
    QVERIFY(KLX_UpdateCheckMD5Sum(md5, false, 0, root.Path() + "/Vorn/Update/", "KLX32MD5.txt", ""));
    QVERIFY(!KLX_UpdateCheckMD5Sum(md5, false, 0, "/Vorn/Update/../../media/usb2", "KLX32MD5.txt", ""));
  }

  void fileListLines_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("ignore");
    QTest::addColumn<QStringList>("walk");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QList<QByteArray>>("unknown");
    const QByteArray f = kDigestA + "  ./";
    QTest::newRow("sizes, CR LF")
        << QByteArray(f + "a.bin\r\nSZ:1048576B;\r\n" + f + "sub/b.bin\r\nSZ:12B;\r\n") << ""
        << QStringList{"a.bin:1048576", "sub/b.bin:12"} << qint64(1048588) << QList<QByteArray>{};
    QTest::newRow("a size before any file, a version line")
        << QByteArray("SZ:12B;\nAV:1.2;LV:3.4;\n" + f + "a\n") << "" << QStringList{"a:0"} << qint64(0)
        << QList<QByteArray>{"SZ:12B;\n", "AV:1.2;LV:3.4;\n"};
    QTest::newRow("two sizes for one file: the second stays, both count")
        << QByteArray(f + "a\nSZ:5B;\nSZ:7B;\n") << "" << QStringList{"a:7"} << qint64(12) << QList<QByteArray>{};
    // A size line is a size or the list is broken, wherever it stands.
    for (const char* line : {"SZ:B;", "SZ: B;", "SZ:12", "SZ:123;", "SZ: 12B;", "SZ:+5B;", "SZ:", "SZ:B;x"})
      QTest::newRow(qPrintable(QStringLiteral("a size line that holds no size (%1): a broken list").arg(line)))
          << QByteArray(f + "a\nSZ:1B;\n" + f + "b\n" + line + "\n" + f + "c\n") << "" << QStringList{} << qint64(0)
          << QList<QByteArray>{};
    QTest::newRow("a size line that holds no size before the first file: a broken list")
        << QByteArray("SZ:B;\n" + f + "a\nSZ:1B;\n") << "" << QStringList{} << qint64(0) << QList<QByteArray>{};
    QTest::newRow("sizes of 4 GiB and more")
        << QByteArray(f + "a\nSZ:4294967296B;\n" + f + "b\nSZ:9000000000B;\n") << ""
        << QStringList{"a:4294967296", "b:9000000000"} << qint64(13294967296) << QList<QByteArray>{};
    QTest::newRow("sizes beyond any card add up to the most there is")
        << QByteArray(f + "a\nSZ:9000000000000000000B;\n" + f + "b\nSZ:9000000000000000000B;\n") << ""
        << QStringList{"a:9000000000000000000", "b:9000000000000000000"}
        << std::numeric_limits<qint64>::max() << QList<QByteArray>{};
    for (const char* size : {"12x", "abc", "-5", "99999999999999999999"})
      QTest::newRow(qPrintable(QStringLiteral("a size that is no number (%1): a broken list").arg(size)))
          << QByteArray(f + "a\nSZ:1B;\n" + f + "b\nSZ:" + size + "B;\n" + f + "c\n") << "" << QStringList{}
          << qint64(0) << QList<QByteArray>{};
    QTest::newRow("one blank as two; no \" ./\" dropped; leading blank unknown")
        << QByteArray(kDigestA + " ./a\n" + kDigestA + " b\n ./c\n") << "" << QStringList{"a:0"} << qint64(0)
        << QList<QByteArray>{" ./c\n"};
    QTest::newRow("the list's own name left out")
        << QByteArray(f + "KLX32MD5fold.txt\n" + f + "x/y\n") << "KLX32MD5fold.txt" << QStringList{"x/y:0"}
        << qint64(0) << QList<QByteArray>{};
    QTest::newRow("only size and version lines") << QByteArray("SZ:1B;\nAV:1.2;LV:3.4;\n") << ""
                                                 << QStringList{} << qint64(0)
                                                 << QList<QByteArray>{"SZ:1B;\n", "AV:1.2;LV:3.4;\n"};
  }
  void fileListLines() {
    QFETCH(QByteArray, text);
    QFETCH(QString, ignore);
    QFETCH(QStringList, walk);
    QFETCH(qint64, total);
    QFETCH(QList<QByteArray>, unknown);
    QBuffer device(&text);
    RecordingList list;
    QVERIFY(!list.Load(&device, ignore));  // closed
    QVERIFY(device.open(QIODevice::ReadOnly));
    QCOMPARE(list.Load(&device, ignore), !walk.isEmpty());
    QCOMPARE(Walk(list), walk);
    QCOMPARE(list.TotalSize(), total);
    QCOMPARE(list.unknown, unknown);
  }

  void fileListFromGenerator() {
    ChecksumListSpec spec;
    spec.files = {{"KLX32LinuxApp", QByteArray(70000, 'p')}, {"lang/de.qm", "de"}};
    spec.sizes = true;
    spec.crlf = true;
    QByteArray text = ChecksumListText(spec);
    QBuffer device(&text);
    QVERIFY(device.open(QIODevice::ReadOnly));
    CFileList list;
    QVERIFY(list.Load(&device, QString()));
    QCOMPARE(Walk(list), QStringList({"KLX32LinuxApp:70000", "lang/de.qm:2"}));
    QCOMPARE(list.First()->digest, QString::fromLatin1(Md5Hex(QByteArray(70000, 'p'))));
    QCOMPARE(list.TotalSize(), qint64(70002));
  }

  void unknownLineStopsTheReading() {
    QByteArray text = "junk\n" + kDigestA + " ./a\n";
    QBuffer device(&text);
    QVERIFY(device.open(QIODevice::ReadOnly));
    RecordingList list;
    list.stopAtFirst = true;
    QVERIFY(!list.Load(&device, QString()));
    QCOMPARE(list.unknown, QList<QByteArray>{"junk\n"});
  }

  void walkEnds() {
    QByteArray text = kDigestA + " ./a\n" + kDigestA + " ./b\n";
    QBuffer device(&text);
    QVERIFY(device.open(QIODevice::ReadOnly));
    CFileList list;
    QVERIFY(!list.First());
    QVERIFY(list.Load(&device, QString()));
    QCOMPARE(list.First()->path, QString("a"));
    QCOMPARE(list.Next()->path, QString("b"));
    QVERIFY(!list.Next());
    QVERIFY(!list.Next());
    QCOMPARE(list.First()->path, QString("a"));
  }

  void systemListVersions_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("app");
    QTest::addColumn<QString>("linux");
    QTest::newRow("shorter than 14 bytes") << QByteArray("AV:1.2;\n") << "--.--" << "--.--";
    QTest::newRow("both, CR LF") << QByteArray("AV:1.2;LV:3.4;\r\n") << "1.2" << "3.4";
    QTest::newRow("either order") << QByteArray("LV:10.20;AV:2.15;\n") << "2.15" << "10.20";
    QTest::newRow("major cut to 8 bits") << QByteArray("AV:300.1;LV:1.0;\n") << "44.1" << "1.0";
    QTest::newRow("a bad token ends the scan") << QByteArray("AV:1.2;XV:3.4;LV:5.6;\n") << "1.2" << "--.--";
    QTest::newRow("no minor") << QByteArray("LV:3.;AV:1.2;.....\n") << "--.--" << "--.--";
    QTest::newRow("no major") << QByteArray("LV:.3;AV:1.2;.....\n") << "--.--" << "--.--";
    QTest::newRow("not a number") << QByteArray("AV:1.2;LV:x.4;\n") << "1.2" << "--.--";
  }
  void systemListVersions() {
    QFETCH(QByteArray, line);
    QFETCH(QString, app);
    QFETCH(QString, linux);
    QByteArray text = line + kDigestA + "  ./rootfs.img\nSZ:9B;\n";
    QBuffer device(&text);
    QVERIFY(device.open(QIODevice::ReadOnly));
    CSysUpdateFileList list;
    QVERIFY(list.Load(&device, QString()));
    QCOMPARE(list.AppVersion().toString(), app);
    QCOMPARE(list.LinuxVersion().toString(), linux);
    // Emptying the list keeps the versions.
    list.free();
    QVERIFY(!list.First());
    QCOMPARE(list.TotalSize(), qint64(0));
    QCOMPARE(list.AppVersion().toString(), app);
  }
};

QTEST_GUILESS_MAIN(ChecksumListsTest)
#include "tst_checksumlists.moc"
