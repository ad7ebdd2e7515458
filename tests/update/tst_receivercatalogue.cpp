// The receiver catalogue "list.txt": entries with their ids and pictures,
// bad rows, the header as version stamp, and the process-wide catalogue
// that start-up fills and the facade answers from.
#include <QtTest>

#include "frame/klx_board.h"
#include "frame/klx_filenamehandler.h"
#include "update/creceivers.h"
#include "vorn_fixture.h"

namespace {

// "name|text|id|image" per entry.
QStringList Rows(const QVector<CReceiverInfo>& entries) {
  QStringList out;
  for (const CReceiverInfo& e : entries)
    out << QString::fromUtf8(e.name + "|" + e.text + "|" + QByteArray::number(e.id) + "|" + e.image);
  return out;
}
}  // namespace

class ReceiverCatalogueTest : public QObject {
  Q_OBJECT

 private slots:
  void catalogueLines_data() {
    QTest::addColumn<QByteArray>("body");  // the lines after the header
    QTest::addColumn<QStringList>("rows");
    const QString pictures = "<pictures>/";
    QTest::newRow("a name with a blank, folder, picture, id 12")
        << QByteArray("RX 7 Pro:rx7pro:rx7.png:12\n") << QStringList{"RX 7 Pro|rx7pro|12|" + pictures + "rx7.png"};
    QTest::newRow("no folder, no picture; blanks and CR around the id")
        << QByteArray("Basic:::  5 \r\n") << QStringList{"Basic||5|"};
    QTest::newRow("bad rows skipped")
        << QByteArray("three:fields:only\nnot a number:a:b:x12\nempty id:a:b:\nok:a:b:-3\n\nfive:a:b:4:extra\n")
        << QStringList{"ok|a|-3|" + pictures + "b", "five|a|4|" + pictures + "b"};
    QTest::newRow("only the header") << QByteArray() << QStringList{};
  }
  void catalogueLines() {
    QFETCH(QByteArray, body);
    QFETCH(QStringList, rows);
    VornTestRoot root;
    const QString path = root.Path() + "/list.txt";
    QVERIFY(WriteFile(path, "Vorn receivers 2024-03\n" + body));
    CReceiversList list;
    QCOMPARE(list.LoadFrom(path, QByteArray()), !rows.isEmpty());
    rows.replaceInStrings("<pictures>", "file://" + root.Path() + "/Vorn/web/receivers");
    QCOMPARE(Rows(list.Entries()), rows);
    QCOMPARE(list.Header(), QByteArray("Vorn receivers 2024-03\n"));
  }

  // The header is the catalogue's version stamp.
  void headerDecidesAReload() {
    QTemporaryDir dir;
    const QString path = dir.path() + "/list.txt";
    QVERIFY(WriteFile(path, "v1\nA:a:a.png:1\nB:b::2\nA again:x::1\n"));
    CReceiversList list;
    QVERIFY(list.LoadFrom(path, list.Header()));
    QVERIFY(!list.LoadFrom(path, list.Header()));
    QCOMPARE(list.Entries().size(), 3);
    QCOMPARE(list.GetInfo(1).name, QByteArray("A"));  // the first of two
    QCOMPARE(list.GetInfo(2).text, QByteArray("b"));
    QCOMPARE(list.GetInfo(3).id, 0);
    QVERIFY(list.GetInfo(3).name.isEmpty());
    // A newer header without a valid entry empties the list.
    QVERIFY(WriteFile(path, "v2\nbroken\n"));
    QVERIFY(!list.LoadFrom(path, list.Header()));
    QVERIFY(list.Entries().isEmpty());
    QCOMPARE(list.Header(), QByteArray("v2\n"));
    QVERIFY(!list.LoadFrom(dir.path() + "/missing.txt", QByteArray()));
    QCOMPARE(list.Header(), QByteArray("v2\n"));
  }

  // Start-up loads the card's file into the process-wide catalogue; a
  // missing file leaves it empty.
  void processWideCatalogue() {
    VornTestRoot root;
    QVERIFY(Board::Init(E_BoardFenk));
    CReceivers& catalogue = CReceivers::Instance();
    catalogue.Clear();
    catalogue.CreateList();
    QCOMPARE(catalogue.Count(), 0);
    QVERIFY(WriteFile(root.Path() + "/Vorn/web/receivers/list.txt", "h\nR6:r6:r6.jpg:6\nR8:r8::8\n"));
    catalogue.CreateList();
    QCOMPARE(catalogue.Count(), 2);
    QCOMPARE(catalogue.At(1).id, 8);
    QCOMPARE(catalogue.GetInfo(6).image, ("file://" + root.Path() + "/Vorn/web/receivers/r6.jpg").toUtf8());
    // The receiver download empties it to have the file read again.
    catalogue.Clear();
    catalogue.CreateList();
    QCOMPARE(catalogue.Count(), 2);
    catalogue.Clear();
    Board::Free();
  }
};

QTEST_GUILESS_MAIN(ReceiverCatalogueTest)
#include "tst_receivercatalogue.moc"
