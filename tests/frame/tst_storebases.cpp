// The store bases: index checks, clamps into a field's bounds, the 8-byte
// single-field update and the unit check bytes.
#include <QtTest>

#include "frame/klx_basedatabase.h"
#include "frame/klx_databasevalues.h"
#include "link/klx_protocol.h"
#include "vorn_testroot.h"

#include <cstring>

namespace {
BorderData_T MakeBorder() {
  BorderData_T b;
  std::memset(&b, 0, sizeof(b));
  b.Max[0] = 2047;
  b.Min[0] = -2047;
  b.Max[1] = 255;
  b.Min[1] = 0;
  b.Max[2] = 10;   // a minimum above the maximum: the minimum wins
  b.Min[2] = 20;
  b.Max[40] = 5;
  b.Min[40] = -5;
  b.IndexMax[0] = 16;
  b.IndexMax[1] = 3;
  b.IndexMax[2] = 1;
  b.IndexMax[3] = 0;
  b.IndexMax[4] = 65535;
  return b;
}

class Store : public KLX_DataBaseTransmitter, public KLX_BaseClassDatabase {};

QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray out;
  for (int v : values) out.append(static_cast<char>(v));
  return out;
}
}  // namespace

class TestStoreBases : public QObject {
  Q_OBJECT

 private slots:
  void indexCheck() {
    Store store;
    const BorderData_T b = MakeBorder();
    const int zero = 0, fifteen = 15, sixteen = 16, minus = -1, two = 2, three = 3;
    QVERIFY(store.KLX_BaseClassDatabaseCheckBorderIndex(&b, nullptr, nullptr, nullptr, nullptr, nullptr));
    QVERIFY(store.KLX_BaseClassDatabaseCheckBorderIndex(&b, &zero));
    QVERIFY(store.KLX_BaseClassDatabaseCheckBorderIndex(&b, &fifteen, &two, &zero));
    QVERIFY(!store.KLX_BaseClassDatabaseCheckBorderIndex(&b, &sixteen));
    QVERIFY(!store.KLX_BaseClassDatabaseCheckBorderIndex(&b, &minus));
    QVERIFY(!store.KLX_BaseClassDatabaseCheckBorderIndex(&b, &zero, &three));
    QVERIFY(!store.KLX_BaseClassDatabaseCheckBorderIndex(&b, nullptr, nullptr, &minus));
    // A limit of 0 admits no index at all.
    QVERIFY(!store.KLX_BaseClassDatabaseCheckBorderIndex(&b, nullptr, nullptr, nullptr, &zero));
    QVERIFY(store.KLX_BaseClassDatabaseCheckBorderIndex(&b, nullptr, nullptr, nullptr, nullptr, &fifteen));

    VornErrorWatch watch;
    QVERIFY(store.KLX_BaseClassDatabaseCheckBorderIndex(nullptr, &minus));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x52201u});
  }

  void signedClamp_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    QTest::newRow("above") << 0 << 5000 << 2047;
    QTest::newRow("below") << 0 << -5000 << -2047;
    QTest::newRow("inside") << 0 << 0 << 0;
    QTest::newRow("edge") << 0 << -2047 << -2047;
    QTest::newRow("last id") << 40 << 6 << 5;
    QTest::newRow("id above 40 unchanged") << 41 << 99999 << 99999;
  }
  void signedClamp() {
    QFETCH(int, id);
    QFETCH(int, in);
    QFETCH(int, out);
    Store store;
    const BorderData_T b = MakeBorder();
    int v = in;
    store.KLX_BaseClassDatabaseCheckBorderAtomicElement(static_cast<unsigned char>(id), &v, &b);
    QCOMPARE(v, out);
  }

  void unsignedClampComparesUnsigned() {
    Store store;
    const BorderData_T b = MakeBorder();
    unsigned v = 0xFFFFFFFFu;  // a stored -1
    store.KLX_BaseClassDatabaseCheckBorderAtomicElement(1, &v, &b);
    QCOMPARE(v, 255u);
    v = 7;
    store.KLX_BaseClassDatabaseCheckBorderAtomicElement(2, &v, &b);
    QCOMPARE(v, 20u);  // lowered to 10, then raised to the minimum
    v = 300;
    store.KLX_BaseClassDatabaseCheckBorderAtomicElement(41, &v, &b);
    QCOMPARE(v, 300u);

    VornErrorWatch watch;
    store.KLX_BaseClassDatabaseCheckBorderAtomicElement(1, static_cast<unsigned*>(nullptr), &b);
    int sv = 9;
    store.KLX_BaseClassDatabaseCheckBorderAtomicElement(0, &sv, nullptr);
    QCOMPARE(sv, 9);
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x52201u, 0x52201u}));
  }

  void singleFieldUpdateMessage() {
    Store store;
    KLX_Protocol protocol;
    QCOMPARE(protocol.KLX_ProtocolInitializeWithoutBus(), KLX_Ok);
    VornErrorWatch watch;
    QCOMPARE(store.KLX_DataBaseTransmitterUpdateAtomicElement(0, 0, 0, 1, nullptr, 0, 64), KLX_Error);
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x20701u});
    QCOMPARE(protocol.KLX_ProtocolQueuedCount(), 0);
    QCOMPARE(store.KLX_DataBaseTransmitterInitialize(nullptr), KLX_Error);
    QCOMPARE(store.KLX_DataBaseTransmitterInitialize(&protocol), KLX_Ok);
    watch.Clear();

    const int32_t value = -2;
    QCOMPARE(store.KLX_DataBaseTransmitterUpdateAtomicElement(
                 3, 4, 5, 17, reinterpret_cast<const char*>(&value), 4, 69), KLX_Ok);
    const char oneByte = 0x7F;
    QCOMPARE(store.KLX_DataBaseTransmitterUpdateAtomicElement(1, 2, 3, 9, &oneByte, 1, 64), KLX_Ok);
    // Length 0: the element id, the indices and four zero bytes.
    QCOMPARE(store.KLX_DataBaseTransmitterUpdateAtomicElement(7, 0, 0, 40, nullptr, 0, 76), KLX_Ok);
    // Length 49 is refused and nothing travels.
    char big[49] = {};
    QCOMPARE(store.KLX_DataBaseTransmitterUpdateAtomicElement(0, 0, 0, 1, big, 49, 64), KLX_Error);
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x50703u});

    struct Expected { unsigned short id; QByteArray data; };
    const Expected expected[] = {
        {69, Bytes({17, 3, 4, 5, 0xFE, 0xFF, 0xFF, 0xFF})},
        {64, Bytes({9, 1, 2, 3, 0x7F, 0, 0, 0})},
        {76, Bytes({40, 7, 0, 0, 0, 0, 0, 0})},
    };
    for (const Expected& e : expected) {
      KLX_Message m;
      QVERIFY(protocol.KLX_ProtocolTakeMessage(&m));
      QCOMPARE(m.id, e.id);
      QCOMPARE(int(m.node), 3);
      QCOMPARE(m.data, e.data);
    }
    QCOMPARE(protocol.KLX_ProtocolQueuedCount(), 0);
  }

  void checkBytes() {
    unsigned char s1 = 0xAA, s2 = 0xAA;
    KLX_UnitCRC::KLX_UnitCRCCalculateCRC(&s1, &s2, reinterpret_cast<const unsigned char*>("abc"), 3);
    QCOMPARE(int(s1), 0x26);
    QCOMPARE(int(s2), 0x4A);
    KLX_UnitCRC::KLX_UnitCRCCalculateCRC(&s1, &s2, reinterpret_cast<const unsigned char*>(""), 0);
    QCOMPARE(int(s1), 0);
    QCOMPARE(int(s2), 0);
    // Both sums wrap at 256: 300 bytes of 0xFF.
    QByteArray ff(300, char(0xFF));
    KLX_DataBaseTransmitter::KLX_DataBaseTransmitterCalculateCRC(
        &s1, &s2, reinterpret_cast<const unsigned char*>(ff.constData()), 300);
    int a = 0, c = 0;
    for (int i = 0; i < 300; ++i) { a = (a + 255) % 256; c = (c + a) % 256; }
    QCOMPARE(int(s1), a);
    QCOMPARE(int(s2), c);
    s1 = s2 = 0x11;
    KLX_UnitCRC::KLX_UnitCRCCalculateCRC(&s1, nullptr, reinterpret_cast<const unsigned char*>("abc"), 3);
    QCOMPARE(int(s1), 0x11);
  }

  void percentConversions() {
    QCOMPARE(KLX_UnitCRC::Calc_in100percentRange(50, false), 1024);
    QCOMPARE(KLX_UnitCRC::Calc_in100percentRange(-50, false), -1024);
    QCOMPARE(KLX_UnitCRC::Calc_in100percentRange(2047, true), 100);
    QCOMPARE(KLX_UnitCRC::Calc_in100percentRange(1, true), 0);
    QCOMPARE(KLX_UnitCRC::Calc_in100percentRange(2048, true), -2048);
    QCOMPARE(KLX_UnitCRC::Calc_in100percentRange(3000, false), -2048);
    QCOMPARE(KLX_UnitCRC::CalcServoIn_200percentRange(125, false), 1279);
    QCOMPARE(KLX_UnitCRC::CalcServoIn_200percentRangeFractional(2048.0, true), -2048);
    QCOMPARE(KLX_UnitCRC::CalcServoIn_200percentRangeFractional(2047.0, true), 200);
    QCOMPARE(KLX_UnitCRC::CalcServoIn_200percentRangeFractional(-2047.0, true), -200);
    QCOMPARE(KLX_UnitCRC::CalcServoIn_200percentRangeFractional(12.5, false), 128);   // 127.94
    QCOMPARE(KLX_UnitCRC::CalcServoIn_200percentRangeFractional(-0.05, false), -1);   // -0.51 away from zero
    QCOMPARE(KLX_UnitCRC::KL_engine_pseudo_round(2.5), 3);
    QCOMPARE(KLX_UnitCRC::KL_engine_pseudo_round(-2.5), -3);
    QCOMPARE(KLX_UnitCRC::KL_engine_pseudo_round(40000.0), 32767);
    QCOMPARE(KLX_UnitCRC::KL_engine_pseudo_round(-40000.0), -32768);
  }
};

QTEST_APPLESS_MAIN(TestStoreBases)
#include "tst_storebases.moc"
