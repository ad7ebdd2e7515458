// Telemetry controls: a set clamps or refuses and sends exactly one element
// update, the store's share of the model checksum, the unit image, and the
// control following its sensor's value through the engine.
#include "telemetry_fixture.h"

#include "model/klx_functionalcalculation.h"
#include "telemetry/klx_telecontrol.h"

namespace {
constexpr int kControl = 3;

// CRC-32C, bit by bit, continued from a seed without final inversion.
quint32 Crc32c(quint32 crc, const QByteArray& bytes) {
  for (char c : bytes) {
    crc ^= quint8(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0x82F63B78u & (0u - (crc & 1u)));
  }
  return crc;
}

QByteArray Record(KLX_DataBaseManager& db, int index) {
  T_TelemetryControl r;
  db.KLX_DataBaseManagerTeleControlCopySingleUnit(index, &r);
  return QByteArray(reinterpret_cast<const char*>(&r), sizeof(r));
}

// The element updates of kind 76 the simulated transceiver received.
QList<QByteArray> Updates(CSimControllers& sim) {
  QList<QByteArray> out;
  for (const CSimMessage& m : sim.ReceivedMessages())
    if (m.id == SimFieldLast) out << m.data;
  return out;
}
}  // namespace

class ControlsTest : public QObject {
  Q_OBJECT

 private slots:
  // field: 0 used, 1 upper limit, 2 lower limit, 3 output control, 4 default
  // output, 5 simulation value, 6 decimal point, 7 full address.
  void aSetClampsAndSendsOneUpdate_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QByteArray>("update");  // empty: nothing sent
    QTest::newRow("used: any non-zero") << 0 << 5 << 1 << QByteArray::fromHex("0103000001000000");
    QTest::newRow("upper under lower") << 1 << 50 << 101 << QByteArray::fromHex("0703000065000000");
    QTest::newRow("lower over upper") << 2 << 300 << 199 << QByteArray::fromHex("06030000c7000000");
    QTest::newRow("upper clamped") << 1 << 40000 << 32767 << QByteArray::fromHex("07030000ff7f0000");
    QTest::newRow("output fixed value") << 3 << 2 << 2 << QByteArray::fromHex("0903000002000000");
    QTest::newRow("output switch clamped") << 3 << 5000 << 1407 << QByteArray::fromHex("090300007f050000");
    QTest::newRow("output negative: unchanged") << 3 << -1 << 0 << QByteArray();
    QTest::newRow("default output 150 %") << 4 << 150 << 100 << QByteArray::fromHex("0a030000ff070000");
    QTest::newRow("simulation value") << 5 << -5 << -5 << QByteArray::fromHex("08030000fbff0000");
    QTest::newRow("decimal point") << 6 << 9 << 4 << QByteArray::fromHex("0503000004000000");
  }
  void aSetClampsAndSendsOneUpdate() {
    QFETCH(int, field);
    QFETCH(int, value);
    QFETCH(int, stored);
    QFETCH(QByteArray, update);
    TelemetryFixture r;
    QVERIFY(r.Start());
    KLX_DataBaseManager& db = r.db;
    // Limits 100 .. 200 to start from, sent before the case.
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_Limit(kControl, true, 200, AtomicDirSet, false), 200);
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_Limit(kControl, false, 100, AtomicDirSet, false), 100);
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    r.link.runtime.KLX_RuntimeDatabaseManagerTakeMark(KLX_UnitKind::TeleControl, kControl);
    int result = 0;
    switch (field) {
      case 0: result = db.KLX_DataBaseManagerTeleControlGetSet_IsUsed(kControl, value, AtomicDirSet); break;
      case 1: result = db.KLX_DataBaseManagerTeleControlGetSet_Limit(kControl, true, value, AtomicDirSet); break;
      case 2: result = db.KLX_DataBaseManagerTeleControlGetSet_Limit(kControl, false, value, AtomicDirSet); break;
      case 3: result = db.KLX_DataBaseManagerTeleControlGetSet_OutControl(kControl, value, AtomicDirSet); break;
      case 4: result = db.KLX_DataBaseManagerTeleControlGetSet_DfltOutVal(kControl, value, AtomicDirSet); break;
      case 5: result = db.KLX_DataBaseManagerTeleControlGetSet_SimulValue(kControl, value, AtomicDirSet); break;
      case 6: result = db.KLX_DataBaseManagerTeleControlGetSet_DecPoint(kControl, value, AtomicDirSet); break;
    }
    QCOMPARE(result, stored);
    // The message layer and the simulated transceiver: one marker after the update.
    const QByteArray marker = QByteArray::fromHex("ff");
    r.link.protocol.KLX_ProtocolSendMessage(1, marker.constData(), SimBrightness, SimNodeApplication);
    QVERIFY(QTest::qWaitFor([&] { return r.sim.Received(SimBrightness) == 1; }, kVornHangMs));
    QCOMPARE(Updates(r.sim), update.isEmpty() ? QList<QByteArray>() : QList<QByteArray>{update});
    // A change marks the control for the engine and the model modified.
    QCOMPARE(db.KLX_DataBaseManagerGetModelModifyFlag(), !update.isEmpty());
    QCOMPARE(r.link.runtime.KLX_RuntimeDatabaseManagerIsMarked(KLX_UnitKind::TeleControl, kControl), !update.isEmpty());
  }

  void addressesNamesAndTheList() {
    TelemetryFixture r;
    QVERIFY(r.Start());
    KLX_DataBaseManager& db = r.db;
    VornErrorWatch watch;
    watch.Expect(0x21F0Fu);
    // Main address in bits 0-7, value index in bits 8-15, both sent.
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_FullAddr(kControl, 3 * 256 + 10, AtomicDirSet, false), 0x030A);
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_FullAddr(kControl, -1, AtomicDirSet, false), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_FullAddr(kControl, 0, AtomicDirGet), 0x030A);
    // Names: a used control's name is taken, whatever its letter case.
    db.KLX_DataBaseManagerTeleControlGetSet_IsUsed(0, 1, AtomicDirSet, false);
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_Name(0, "speed", AtomicDirSet), QString("speed"));
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_Name(2, "Speed", AtomicDirSet), QString());
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_Name(2, "Height", AtomicDirSet), QString("Height"));
    // Control ids.
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGet_ByControlID(KLX_TeleControl::kFirstControlId), 0);
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGet_ByControlID(KLX_TeleControl::kFirstControlId + 16), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerGetNameOfControlByID(KLX_TeleControl::kFirstControlId + 2), QString("Height"));
    // A full list is reported.
    for (int i = 0; i < 16; ++i) db.KLX_DataBaseManagerTeleControlGetSet_IsUsed(i, 1, AtomicDirSet, false);
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetNextFreeIndex(), int(KLX_DatabaseValues::Max_TeleControl_Number_Reached));
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{{0x21F0Fu, "Telemetry controls list is full"}}));
    // Deleting gives the default name and record back.
    QCOMPARE(db.KLX_DataBaseManagerTeleControlDelete(2), 1);
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetNextFreeIndex(), 2);
    QCOMPARE(db.KLX_DataBaseManagerTeleControlGetSet_Name(2, QString(), AtomicDirGet), QString("telecontrol"));
  }

  void checksumAndUnitImage() {
    TelemetryFixture r;
    QVERIFY(r.Start());
    KLX_DataBaseManager& db = r.db;
    KLX_TeleControl* store = db.KLX_DataBaseManagerGetTeleControlObject();
    const quint32 seed = 0x1234ABCD;
    QCOMPARE(store->KLX_TeleControlCalcCRC(seed), seed);  // no control used
    db.KLX_DataBaseManagerTeleControlGetSet_IsUsed(1, 1, AtomicDirSet, false);
    db.KLX_DataBaseManagerTeleControlGetSet_IsUsed(kControl, 1, AtomicDirSet, false);
    db.KLX_DataBaseManagerTeleControlGetSet_Limit(kControl, true, 900, AtomicDirSet, false);
    db.KLX_DataBaseManagerTeleControlGetSet_SimulValue(5, 77, AtomicDirSet, false);  // unused: not counted
    const quint32 expected = Crc32c(Crc32c(seed, Record(db, 1)), Record(db, kControl));
    QCOMPARE(store->KLX_TeleControlCalcCRC(seed), expected);

    unsigned char unit[KLX_TeleControl::kUnitSize + 1] = {};
    QCOMPARE(db.KLX_DataBaseManagerTeleControlCopyUnit(kControl, unit), KLX_TeleControl::kUnitSize);
    QCOMPARE(int(unit[0]), kControl);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(unit + 1), 18), Record(db, kControl));
    quint8 s1 = 0, s2 = 0;
    for (int i = 0; i < 19; ++i) s2 = quint8(s2 + (s1 = quint8(s1 + unit[i])));
    QCOMPARE(int(unit[19]), int(s1));
    QCOMPARE(int(unit[20]), int(s2));
  }

  // Limits 0 .. 100.0 (one decimal): the value's place in them is the control's output.
  void aControlFollowsItsSensorValue() {
    TelemetryFixture r;
    QVERIFY(r.Start());
    KLX_DataBaseManager& db = r.db;
    KLX_DataBaseManager::m_MySelf = &db;
    QCOMPARE(r.link.runtime.KLX_RuntimeDatabaseManagerInitialize(&db, &r.link.protocol, nullptr), 1);
    KLX_FunctionalCalculation& engine = *r.link.runtime.KLX_RuntimeDatabaseManagerEngine();
    r.DescribeValue(10, 3, "Height", "m", 1);
    db.KLX_DataBaseManagerTeleControlGetSet_IsUsed(0, 1, AtomicDirSet, false);
    db.KLX_DataBaseManagerTeleControlGetSet_FullAddr(0, 3 * 256 + 10, AtomicDirSet, false);
    db.KLX_DataBaseManagerTeleControlGetSet_DecPoint(0, 1, AtomicDirSet, false);
    db.KLX_DataBaseManagerTeleControlGetSet_Limit(0, true, 1000, AtomicDirSet, false);
    db.KLX_DataBaseManagerTeleControlGetSet_Limit(0, false, 0, AtomicDirSet, false);
    const int rows[][2] = {{500, 0}, {1000, 2047}, {0, -2047}, {1200, 2047}, {250, -1024}};
    for (const auto& row : rows) {
      r.Values(10, 0, {0, 0, 0, row[0]});
      QVERIFY(r.Settled());
      for (int pass = 0; pass < 4; ++pass) engine.KLX_FunctionalCalculationPass();
      QCOMPARE(db.KLX_DataBaseManagerGetValueOfControl(KLX_TeleControl::kFirstControlId), row[1]);
    }
    r.link.runtime.KLX_RuntimeDatabaseManagerStop();
    KLX_DataBaseManager::m_MySelf = nullptr;
  }
};

QTEST_GUILESS_MAIN(ControlsTest)
#include "tst_controls.moc"
