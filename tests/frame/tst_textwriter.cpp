// The XML text writer reproduces QXmlStreamWriter's text with
// auto-formatting byte for byte: numbers at their limits, the deepest
// level, names longer and shorter than the ones it copies at a fixed width.
#include <QtTest>
#include <QBuffer>
#include <QXmlStreamWriter>

#include <limits>

#include "frame/klx_xmltextwriter.h"

class TestTextWriter : public QObject {
  Q_OBJECT

 private slots:
  void numbersAsTheStreamWriterWritesThem_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("zero") << qint64(0) << 1 << QByteArray("V");
    QTest::newRow("one digit") << qint64(7) << 1 << QByteArray("Index");
    QTest::newRow("ten") << qint64(10) << 2 << QByteArray("Index");
    QTest::newRow("ninety-nine") << qint64(99) << 2 << QByteArray("Index");
    QTest::newRow("a hundred, negative") << qint64(-100) << 2 << QByteArray("Value");
    QTest::newRow("-1") << qint64(-1) << 3 << QByteArray("Value");
    QTest::newRow("largest 32-bit") << qint64(2147483647) << 3 << QByteArray("StoredValue");
    QTest::newRow("smallest 32-bit") << qint64(-2147483647 - 1) << 3 << QByteArray("StoredValue");
    QTest::newRow("largest 64-bit") << std::numeric_limits<qint64>::max() << 4 << QByteArray("Big");
    QTest::newRow("smallest 64-bit") << std::numeric_limits<qint64>::min() << 4 << QByteArray("Big");
    QTest::newRow("the deepest level") << qint64(12345) << 16 << QByteArray("Deep");
    QTest::newRow("a name of 32") << qint64(5) << 2 << QByteArray(32, 'n');
    QTest::newRow("a name of 33") << qint64(5) << 2 << QByteArray(33, 'n');
  }
  void numbersAsTheStreamWriterWritesThem() {
    QFETCH(qint64, value);
    QFETCH(int, depth);
    QFETCH(QByteArray, name);
    QByteArray expected;
    QBuffer buffer(&expected);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter stream(&buffer);
    stream.setAutoFormatting(true);
    KLX_XMLTextWriter w;
    stream.writeStartDocument();
    w.StartDocument();
    for (int level = 1; level < depth; ++level) {
      stream.writeStartElement("L");
      w.StartElement(QLatin1String("L"));
    }
    stream.writeTextElement(QString::fromLatin1(name), QString::number(value));
    w.TextElement(QLatin1String(name.constData(), name.size()), value);
    stream.writeEndDocument();
    w.EndDocument();
    QCOMPARE(w.Take(), expected);
  }
};

QTEST_GUILESS_MAIN(TestTextWriter)
#include "tst_textwriter.moc"
