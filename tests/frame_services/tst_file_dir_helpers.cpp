// The small file and folder wrappers of the file manager.
#include <QtTest>

#include "update/cdir.h"
#include "update/cfile.h"

class FileDirHelpersTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(m_Dir.isValid()); }

  void aFileIsOpenedOnceAndWrittenAsOneBlock() {
    const QString path = m_Dir.path() + "/f\u00e4.bin";
    CFile file(path);
    QVERIFY(!file.open(CFile::ModeRead));
    QCOMPARE(file.write("x", 1), size_t(0));
    QVERIFY(file.open(CFile::ModeWrite));
    // Already open: no reopening, whatever the mode.
    QVERIFY(file.open(CFile::ModeRead));
    QCOMPARE(file.write("hello", 5), size_t(5));
    file.close();
    QVERIFY(CFile::exists(path));
    QVERIFY(CFile::exists(path.toUtf8()));
    QCOMPARE(CFile::getsize(path), 5u);

    QVERIFY(file.open(CFile::ModeUpdate));
    char buffer[8] = {};
    QCOMPARE(file.read(buffer, sizeof(buffer)), size_t(5));
    QCOMPARE(QByteArray(buffer, 5), QByteArray("hello"));
    file.rewind();
    QCOMPARE(file.write("J", 1), size_t(1));
    file.close();
    QCOMPARE(file.read(buffer, 1), size_t(0));
    QFile check(path);
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), QByteArray("Jello"));
  }

  void renameKeepsTheStreamAndRemoveClosesIt() {
    const QString path = m_Dir.path() + "/a.txt";
    CFile file(path);
    QVERIFY(file.open(CFile::ModeWrite));
    QVERIFY(file.rename(m_Dir.path() + "/b.txt"));
    QCOMPARE(file.path(), (m_Dir.path() + "/b.txt").toUtf8());
    QVERIFY(file.isOpen());
    QCOMPARE(file.write("ok", 2), size_t(2));
    QVERIFY(!file.rename(m_Dir.path() + "/missing/c.txt"));
    QCOMPARE(file.path(), (m_Dir.path() + "/b.txt").toUtf8());
    QVERIFY(file.remove());
    QVERIFY(!file.isOpen());
    QVERIFY(!CFile::exists(m_Dir.path() + "/b.txt"));
    QVERIFY(!file.remove());
  }

  void pathTests() {
    QVERIFY(CFile::exists(m_Dir.path()));
    QVERIFY(!CFile::isFile(m_Dir.path()));
    QVERIFY(!CFile::isFile(m_Dir.path() + "/none"));
    QCOMPARE(CFile::getsize(m_Dir.path() + "/none"), 0u);
    QFile f(m_Dir.path() + "/plain");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(CFile::isFile(m_Dir.path() + "/plain"));
  }

  void extensions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("without");
    QTest::newRow("plain") << "/a/b/model.xml" << ".xml" << "/a/b/model";
    QTest::newRow("two dots") << "pack.tar.gz" << ".gz" << "pack.tar";
    QTest::newRow("dot in the folder") << "/Vorn/v1.2/readme" << ".2/readme" << "/Vorn/v1";
    QTest::newRow("no dot") << "/Vorn/readme" << "" << "/Vorn/readme";
    QTest::newRow("trailing dot") << "name." << "." << "name";
  }

  void extensions() {
    QFETCH(QString, text);
    QFETCH(QString, extension);
    QFETCH(QString, without);
    QCOMPARE(CFile::getExtension(text), extension);
    QCOMPARE(CFile::filePathWithoutExtension(text), without);
  }

  void entriesAreHandedOutOneAtATime() {
    QVERIFY(QDir().mkpath(m_Dir.path() + "/list/sub"));
    for (const char* name : {"x.txt", "y.txt"}) {
      QFile f(m_Dir.path() + "/list/" + name);
      QVERIFY(f.open(QIODevice::WriteOnly));
    }
    CDir dir(m_Dir.path() + "/list");
    QStringList names;
    for (QString name = dir.getFirst(QDir::NoDotAndDotDot); !name.isEmpty(); name = dir.getNext()) names << name;
    names.sort();
    QCOMPARE(names, QStringList({"sub", "x.txt", "y.txt"}));
    QCOMPARE(dir.getNext(), QString());
    QCOMPARE(dir.getNext(), QString());
    QVERIFY(!dir.getFirst(QDir::NoDotAndDotDot).isEmpty());
  }

  void folderHelpers() {
    const QString deep = m_Dir.path() + "/p/q/r";
    QVERIFY(CDir::mkpath(deep));
    QFile f(deep + "/file");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(CDir::isContains(m_Dir.path() + "/p", deep));
    QVERIFY(!CDir::isContains(m_Dir.path() + "/P", deep));
    QVERIFY(CDir::remove(m_Dir.path() + "/p"));
    QVERIFY(!QFileInfo::exists(m_Dir.path() + "/p"));
  }

  void parentFolder_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("parent");
    QTest::newRow("file") << "/media/usb0/Models/a.xml" << "/media/usb0/Models/";
    QTest::newRow("folder") << "/media/usb0/Models" << "/media/usb0/";
    QTest::newRow("folder with slash") << "/media/usb0/Models/" << "/media/usb0/";
    QTest::newRow("top") << "/Vorn" << "/";
    QTest::newRow("no slash") << "Vorn" << "Vorn";
  }

  void parentFolder() {
    QFETCH(QString, path);
    QFETCH(QString, parent);
    QCOMPARE(CDir::getDir(path), parent);
  }

 private:
  QTemporaryDir m_Dir;
};

QTEST_GUILESS_MAIN(FileDirHelpersTest)
#include "tst_file_dir_helpers.moc"
