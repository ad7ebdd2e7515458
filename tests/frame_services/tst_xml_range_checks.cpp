// Range checks of numbers read from XML files, at and beyond each bound.
#include <QtTest>

#include "frame/klx_xmlmodelbase.h"

#include <climits>

class XmlRangeChecksTest : public QObject {
  Q_OBJECT

 private slots:
  void bounds_data() {
    QTest::addColumn<QString>("check");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("fits");
    const struct {
      const char* check;
      int value;
      bool fits;
    } rows[] = {
        {"Uint8", 0, true},        {"Uint8", 255, true},      {"Uint8", 256, false},     {"Uint8", -1, false},
        {"Sint8", -128, true},     {"Sint8", 127, true},      {"Sint8", -129, false},    {"Sint8", 128, false},
        {"Uint16", 65535, true},   {"Uint16", 65536, false},  {"Uint16", -1, false},     {"Sint16", -32768, true},
        {"Sint16", 32767, true},   {"Sint16", 32768, false},  {"Sint16", -32769, false}, {"Boolean", 0, true},
        {"Boolean", 1, true},      {"Boolean", 2, false},     {"Boolean", -1, false},    {"TControl", 65535, true},
        {"TControl", 65536, false}, {"TIndex", 0, true},      {"TIndex", -1, false},     {"Sint8", INT_MIN, false},
        {"Sint16", INT_MAX, false}, {"Sint32", INT_MIN, true}, {"Sint32", INT_MAX, true},
    };
    for (const auto& row : rows)
      QTest::addRow("%s %d", row.check, row.value) << row.check << row.value << row.fits;
  }

  void bounds() {
    QFETCH(QString, check);
    QFETCH(int, value);
    QFETCH(bool, fits);
    KLX_XMLModelBase base;
    bool result = false;
    if (check == "Uint8") result = base.KLX_XMLModelBaseCheckUint8(value);
    if (check == "Sint8") result = base.KLX_XMLModelBaseCheckSint8(value);
    if (check == "Uint16") result = base.KLX_XMLModelBaseCheckUint16(value);
    if (check == "Sint16") result = base.KLX_XMLModelBaseCheckSint16(value);
    if (check == "Boolean") result = base.KLX_XMLModelBaseCheckBoolean(value);
    if (check == "TControl") result = base.KLX_XMLModelBaseCheckTControl(value);
    if (check == "TIndex") result = base.KLX_XMLModelBaseCheckTIndex(value);
    if (check == "Sint32") result = base.KLX_XMLModelBaseCheckSint32(value);
    QCOMPARE(result, fits);
  }

  void theLargestUnsignedTextPassesOnly32Bits() {
    bool ok = false;
    const unsigned value = QString("4294967295").toUInt(&ok, 10);
    QVERIFY(ok);
    QVERIFY(KLX_XMLModelBase::KLX_XMLModelBaseCheckUint32(value));
    QVERIFY(!KLX_XMLModelBase::KLX_XMLModelBaseCheckUint16(int(value)));
  }
};

QTEST_GUILESS_MAIN(XmlRangeChecksTest)
#include "tst_xml_range_checks.moc"
