// The receivers bound to the model: slots by mask bit, the cut to the
// board's count, the receiver mode, versions and catalogue pictures.
#include "model/model_fixture.h"
#include "update/creceivers.h"

namespace {
CReceiver Receiver(unsigned char mask, uint32_t serial, uint32_t type = 7) {
  CReceiver r;
  r.mask = mask;
  r.used = 1;
  r.serialNumber = serial;
  r.type = type;
  r.features = 0x30;
  return r;
}
}  // namespace

class TestReceivers : public QObject {
  Q_OBJECT

 private slots:
  void aReceiverTakesTheSlotOfItsMaskBit() {
    ModelFixture fx;
    auto& db = fx.db;
    db.KLX_DataBaseManagerSetReceiver(Receiver(0x04, 4242));
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverMask(), 0x04);
    QVERIFY(db.KLX_DataBaseManagerIsAnyReceiverUsed());
    QVERIFY(db.KLX_DataBaseManagerIsReceiverUsed(2));
    QVERIFY(!db.KLX_DataBaseManagerIsReceiverUsed(0));
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverSerialNumber(2), qint64(4242));
    QCOMPARE(db.KLX_DataBaseManagerGetMyReceiverType(2), qint64(7));
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverFeatures(2), qint64(0x30));
    // A mask beyond the four slots is ignored.
    db.KLX_DataBaseManagerSetReceiver(Receiver(0x10, 1));
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverMask(), 0x04);
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverSerialNumber(4), qint64(Indexes_Out_Of_Range));
    QCOMPARE(db.KLX_DataBaseManagerGetMyReceiverType(-1), qint64(Indexes_Out_Of_Range));
    QVERIFY(!db.KLX_DataBaseManagerIsReceiverUsed(9));
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x50F08, 0x50F0A, 0x50F02}));
  }

  void receiversAreCutToTheBoard_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<QList<int>>("serials");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("maskAfterDelete");
    // The smaller board's slots 0 and 2 become its logical receivers 0 and 1.
    QTest::newRow("smaller board keeps two") << int(KL_BOARD_FENK) << QList<int>{10, 12, 0, 0} << 0x05 << 0x01;
    QTest::newRow("larger board keeps all") << int(KL_BOARD_VORN) << QList<int>{10, 0, 12, 13} << 0x0D << 0x0D;
  }
  void receiversAreCutToTheBoard() {
    QFETCH(int, board);
    QFETCH(QList<int>, serials);
    QFETCH(int, mask);
    QFETCH(int, maskAfterDelete);
    ModelFixture fx(board);
    auto& db = fx.db;
    // Slots 0, 2 and 3 in use.
    db.KLX_DataBaseManagerSetReceiver(Receiver(0x01, 10));
    db.KLX_DataBaseManagerSetReceiver(Receiver(0x04, 12));
    db.KLX_DataBaseManagerSetReceiver(Receiver(0x08, 13));
    db.KLX_DataBaseManagerCutReceivers();
    VornErrorWatch watch;
    for (int i = 0; i < 4; ++i) QCOMPARE(int(db.KLX_DataBaseManagerGetReceiverSerialNumber(i)), serials[i]);
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverMask(), mask);
    QVERIFY(watch.TakeCodes().isEmpty());
    // Deleting logical receiver 1 clears the slot behind it.
    QCOMPARE(db.KLX_DataBaseManagerDeleteReceiver(1), int(KLX_Ok));
    QVERIFY(!db.KLX_DataBaseManagerIsReceiverUsed(1));
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverMask(), maskAfterDelete);
  }

  void deletingAllAnswersAFailureAndLeavesTheFlag() {
    ModelFixture fx;
    auto& db = fx.db;
    db.KLX_DataBaseManagerSetReceiver(Receiver(0x02, 5));
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    QCOMPARE(db.KLX_DataBaseManagerDeleteReceiver(255), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverMask(), 0);
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerDeleteReceiver(4), int(Indexes_Out_Of_Range));
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  void leavingModeNoneClearsTheReceivers() {
    ModelFixture fx;
    auto& db = fx.db;
    db.KLX_DataBaseManagerSetReceiver(Receiver(0x01, 1));
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    db.KLX_DataBaseManagerReceiverModeSet(KLX_Receiver::RX_MODE_REDIV_14);
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverMask(), 0);
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    QVERIFY(db.KLX_DataBaseManagerIsReceiverModeREdiv());
    QVERIFY(db.KLX_DataBaseManagerIsReceiverModeREdiv_14());
    QVERIFY(!db.KLX_DataBaseManagerIsReceiverModeREdiv_21());
    db.KLX_DataBaseManagerSetReceiver(Receiver(0x02, 2));
    db.KLX_DataBaseManagerReceiverModeSet(KLX_Receiver::RX_MODE_REDIV_21);
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverMask(), 0x02);
    QVERIFY(db.KLX_DataBaseManagerIsReceiverModeREdiv_21());
    // The same mode again changes nothing, not even the flag.
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    db.KLX_DataBaseManagerReceiverModeSet(KLX_Receiver::RX_MODE_REDIV_21);
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
    // The mode belongs to the model: a reset (also the start of a new model)
    // takes it along, so the next model's receiver mask is not 128.
    db.KLX_DataBaseManagerResetAllModelData();
    QCOMPARE(int(db.KLX_DataBaseManagerGetReceiverMode()), int(KLX_Receiver::RX_MODE_NONE));
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverMask(), 0);
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  void versionsAndAntennaState() {
    ModelFixture fx;
    auto& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerVersionReceiverGetVersion(0), QString("--.--"));
    CVersion v;
    v.Set(2, 7);
    db.KLX_DataBaseManagerSetReceiverVersion(0, v);
    QCOMPARE(db.KLX_DataBaseManagerVersionReceiverGetVersion(0), QString("2.7"));
    QCOMPARE(db.KLX_DataBaseManagerVersionReceiverGetVersion(5), QString("--.--"));
    db.KLX_DataBaseManagerClearReceiverVersion(0);
    QCOMPARE(db.KLX_DataBaseManagerVersionReceiverGetVersion(0), QString("--.--"));
    CVersionWithText t;
    t.Set(1, 20, "b");
    QCOMPARE(t.toString(), QString("1.20b"));
    db.KLX_DatabaseManagerSetTCDeviceState(0xC00u | 0x3FFu);
    QCOMPARE(db.KLX_DatabaseManagerReceiverGetREdivAntennaState(), 3);
    db.KLX_DatabaseManagerSetTCDeviceState(0x800u);
    QCOMPARE(db.KLX_DatabaseManagerReceiverGetREdivAntennaState(), 2);
  }

  void picturesComeFromTheCatalogue() {
    ModelFixture fx;
    auto& db = fx.db;
    CReceivers& catalogue = CReceivers::Instance();
    catalogue.Clear();
    CReceiverInfo a;
    a.name = "RX Seven";
    a.id = 7;
    a.image = "file:///Vorn/web/receivers/rx7.png";
    CReceiverInfo b = a;
    b.name = "Other";
    b.id = 9;
    b.image.clear();
    catalogue.Append(a);
    catalogue.Append(b);
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverTypesCount(), 2);
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverType(1), 9);
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverType(2), -1);
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverTypeName(7), QString("RX Seven"));
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverTypeName(3), QString());
    db.KLX_DataBaseManagerSetReceiver(Receiver(0x01, 1, 7));
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverImage(0), QString("file:///Vorn/web/receivers/rx7.png"));
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverImage(4), QString());
    // Cached for the type: a later catalogue change is not seen until the type changes.
    catalogue.Clear();
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverImage(0), QString("file:///Vorn/web/receivers/rx7.png"));
    db.KLX_DataBaseManagerSetReceiver(Receiver(0x01, 1, 9));
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverImage(0), QString());
  }
};

QTEST_GUILESS_MAIN(TestReceivers)
#include "tst_receivers.moc"
